#include "ui/program_icon.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace qfc {
namespace {

// The result grid's own colours for a changed line and a one-sided line.
const QColor kChangedRed(0x80, 0x00, 0x00);
const QColor kOneSidedBlue(0x00, 0x00, 0x80);
const QColor kTextGrey(0x90, 0x90, 0x90);
const QColor kSheetEdge(0x40, 0x40, 0x40);

constexpr int kLineGap = 3;

constexpr int kChangedRow = 2;
constexpr int kOneSidedRow = 5;
constexpr int kNoRow = -1;

// A white sheet with text lines; the line at kChangedRow is red, the one at
// `oneSidedRow` (0-based, or kNoRow) blue.
void DrawSheet(QPainter& painter, const QRect& sheet, int oneSidedRow) {
  painter.setPen(kSheetEdge);
  painter.setBrush(Qt::white);
  painter.drawRect(sheet.adjusted(0, 0, -1, -1));
  const int left = sheet.left() + 3;
  const int right = sheet.right() - 3;
  int row = 0;
  for (int y = sheet.top() + 4; y < sheet.bottom() - 2; y += kLineGap, ++row) {
    const QRect band(QPoint(left - 1, y - 1), QPoint(right + 1, y + 1));
    if (row == kChangedRow) {
      painter.fillRect(band, kChangedRed);
    } else if (row == oneSidedRow) {
      painter.fillRect(band, kOneSidedBlue);
    } else {
      painter.setPen(kTextGrey);
      painter.drawLine(left, y, right, y);
    }
  }
}

}  // namespace

QPixmap DrawProgramIcon() {
  QPixmap icon(kProgramIconSize, kProgramIconSize);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  DrawSheet(painter, QRect(1, 2, 16, 26), kNoRow);
  DrawSheet(painter, QRect(15, 4, 16, 26), kOneSidedRow);
  return icon;
}

}  // namespace qfc
