// The grid as painted: under a light palette every pixel is what the cells'
// resolved colours give, as before the dark-palette mapping existed; under a
// dark palette changed and one-sided lines are painted readable and the
// absent-line band stays visible, while the cells keep the fill's values.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <cstdlib>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

#include "core/side.h"
#include "grid/grid.h"
#include "grid/grid_row_model.h"
#include "grid/palette_color.h"
#include "grid/readable_color.h"
#include "grid/result_grid.h"

// Colours in failure messages as rgb(r, g, b).
void PrintTo(const QColor& color, std::ostream* out) {
  *out << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

namespace qfc {
namespace {

constexpr std::int32_t kEqualRow = 1;
constexpr std::int32_t kChangedRow = 2;
constexpr std::int32_t kOneSidedRow = 3;
constexpr std::int32_t kAbsentRow = 4;
constexpr double kTextColumnTwips = 4000;

// How the cells were painted before the mapping: resolved, nothing else.
class ResolvedOnlyDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const auto fore = static_cast<ColorValue>(index.data(GridRowModel::kForeColorRole).toUInt());
    const auto back = static_cast<ColorValue>(index.data(GridRowModel::kBackColorRole).toUInt());
    option->palette.setColor(QPalette::Text, ResolveColor(fore, option->palette));
    option->backgroundBrush = ResolveColor(back, option->palette);
  }
};

QPalette DarkPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(50, 50, 50));
  palette.setColor(QPalette::Base, QColor(36, 36, 36));
  palette.setColor(QPalette::Button, QColor(50, 50, 50));
  palette.setColor(QPalette::Text, QColor(240, 240, 240));
  palette.setColor(QPalette::WindowText, QColor(240, 240, 240));
  return palette;
}

// One grid with a row of each kind, as the fill colours them.
class PaintedGrid {
 public:
  explicit PaintedGrid(const QPalette& palette) : grid_(Side::Left) {
    grid_.setPalette(palette);
    grid_.SetColumnCount(2);
    grid_.SetRowCount(kAbsentRow);
    grid_.SetCellText(kTextColumn, kEqualRow, "int count = 0;");
    grid_.SetCellText(kTextColumn, kChangedRow, "int count = 1;");
    grid_.SetCellText(kTextColumn, kOneSidedRow, "double price;");
    grid_.SetBlockForeColor(kChangedColor, {kTextColumn, kChangedRow});
    grid_.SetBlockForeColor(kOneSidedColor, {kTextColumn, kOneSidedRow});
    grid_.SetBlockBackColor(kAbsentLineBackColor, {kTextColumn, kAbsentRow});
    grid_.SetColumnWidth(kTextColumn, kTextColumnTwips);
    grid_.resize(400, 200);
    grid_.show();
    QCoreApplication::processEvents();
  }

  QImage Grab() { return grid_.viewport()->grab().toImage(); }

  QImage GrabResolvedOnly() {
    ResolvedOnlyDelegate reference;
    QAbstractItemDelegate* own = grid_.itemDelegate();
    grid_.setItemDelegate(&reference);
    QImage image = Grab();
    grid_.setItemDelegate(own);
    return image;
  }

  // The pixels of one row's text cell, counted by colour.
  std::map<QRgb, int> RowColours(const QImage& image, std::int32_t row) {
    const QRect cell = grid_.visualRect(grid_.model()->index(row - 1, 0)) & image.rect();
    std::map<QRgb, int> counts;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
      for (int x = cell.left(); x <= cell.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000];
    }
    return counts;
  }

  ResultGrid grid_;
};

// The most frequent colour of a row, taken as its background, and the most
// frequent one clearly apart from it, taken as its ink.
std::pair<QColor, QColor> BackgroundAndInk(const std::map<QRgb, int>& counts) {
  QRgb background = 0;
  int most = 0;
  for (const auto& [rgb, n] : counts) {
    if (n > most) std::tie(background, most) = std::pair{rgb, n};
  }
  QRgb ink = background;
  int inkCount = 0;
  for (const auto& [rgb, n] : counts) {
    const int distance = std::abs(qRed(rgb) - qRed(background)) +
                         std::abs(qGreen(rgb) - qGreen(background)) +
                         std::abs(qBlue(rgb) - qBlue(background));
    if (distance >= 100 && n > inkCount) std::tie(ink, inkCount) = std::pair{rgb, n};
  }
  return {QColor(background), QColor(ink)};
}

TEST(CellPainting, LightPaletteIsPaintedExactlyAsResolved) {
  QPalette light;  // the application's default palette
  light.setColor(QPalette::Base, Qt::white);
  PaintedGrid painted(light);
  const QImage mapped = painted.Grab();
  EXPECT_EQ(mapped, painted.GrabResolvedOnly());
  // And the picture does hold the fill's colours.
  EXPECT_EQ(BackgroundAndInk(painted.RowColours(mapped, kChangedRow)).second, QColor(159, 0, 0));
  EXPECT_EQ(BackgroundAndInk(painted.RowColours(mapped, kOneSidedRow)).second, QColor(0, 0, 160));
}

TEST(CellPainting, DarkPalettePaintsChangedAndOneSidedLinesReadable) {
  PaintedGrid painted(DarkPalette());
  const QImage image = painted.Grab();
  const std::map<std::string, std::int32_t> rows{{"changed", kChangedRow},
                                                 {"one-sided", kOneSidedRow}};
  for (const auto& [name, row] : rows) {
    SCOPED_TRACE(name);
    const auto [background, ink] = BackgroundAndInk(painted.RowColours(image, row));
    EXPECT_EQ(background, QColor(36, 36, 36));
    EXPECT_GE(ContrastRatio(ink, background), kMinTextContrast);
  }
  const auto [absent, none] = BackgroundAndInk(painted.RowColours(image, kAbsentRow));
  EXPECT_GE(ContrastRatio(absent, QColor(36, 36, 36)), kMinAbsentContrast);
  // Painting only: the cells still hold what the fill wrote.
  EXPECT_EQ(painted.grid_.ForeColor(kTextColumn, kChangedRow), kChangedColor);
  EXPECT_EQ(painted.grid_.ForeColor(kTextColumn, kOneSidedRow), kOneSidedColor);
  EXPECT_EQ(painted.grid_.BackColor(kTextColumn, kAbsentRow), kAbsentLineBackColor);
}

}  // namespace
}  // namespace qfc
