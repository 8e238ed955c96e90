#include "navigation/toolbar_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace qfc {

namespace {

// Dark blue on a light toolbar; on a dark one a light blue with about 6:1
// against a dark theme's window colour.
const QColor kInk(0, 0, 128);
const QColor kLightInk(150, 190, 255);
const QColor kLensGlass(200, 225, 255);
// Lightness (0..255) below which a toolbar counts as dark.
constexpr int kDarkLightness = 128;

[[nodiscard]] QColor InkFor(const QColor& background) {
  return background.lightness() < kDarkLightness ? kLightInk : kInk;
}

[[nodiscard]] QIcon Drawn(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(kToolbarIconSize, kToolbarIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  painter.end();
  return QIcon(pixmap);
}

// An arrow pointing up in a 16 x 16 box; `flip` turns it upside down.
[[nodiscard]] QIcon Arrow(bool flip, const QColor& ink) {
  return Drawn([flip, ink](QPainter& painter) {
    QPolygonF arrow{{8, 1.5}, {14.5, 8}, {10.5, 8}, {10.5, 14.5}, {5.5, 14.5}, {5.5, 8}, {1.5, 8}};
    if (flip) {
      for (QPointF& point : arrow) point.setY(kToolbarIconSize - point.y());
    }
    painter.setPen(QPen(ink.darker(), 1));
    painter.setBrush(ink);
    painter.drawPolygon(arrow);
  });
}

}  // namespace

QIcon FindIcon(const QColor& background) {
  const QColor ink = InkFor(background);
  return QIcon::fromTheme("edit-find", Drawn([&ink](QPainter& painter) {
                            painter.setPen(QPen(ink, 2));
                            painter.setBrush(kLensGlass);
                            painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
                            painter.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
                            painter.drawLine(QPointF(10, 10), QPointF(14, 14));
                          }));
}

QIcon UpIcon(const QColor& background) {
  return QIcon::fromTheme("go-up", Arrow(false, InkFor(background)));
}

QIcon DownIcon(const QColor& background) {
  return QIcon::fromTheme("go-down", Arrow(true, InkFor(background)));
}

}  // namespace qfc
