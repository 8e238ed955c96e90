// The difference map: a narrow strip beside a grid's vertical scroll bar that
// stands for the whole file from top to bottom, with a dark red mark for each
// changed block, a dark blue one for each one-sided block and an outline
// around the rows in view. A click or drag on it scrolls the grid there.
//
// The marks come from the rows' colours, read once after the rows change
// (when the map is next painted) and folded into at most kMapBuckets
// buckets, so that painting costs the same for ten rows or a million.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

namespace qfc {

class GridRows;

// What a bucket of rows holds, as bits.
inline constexpr std::uint8_t kChangedMark = 1;
inline constexpr std::uint8_t kOneSidedMark = 2;

// Rows folded into buckets: bucket b holds rows [b * rows / n, (b + 1) * rows
// / n) of the n buckets (0-based rows), one bucket per row while rows <= n.
struct MapBuckets {
  std::int32_t rows = 0;
  std::vector<std::uint8_t> marks;
};

// More buckets than any screen has pixels in height.
inline constexpr std::int32_t kMapBuckets = 4096;
// However short its block, a mark is this many pixels high.
inline constexpr int kMinMarkHeight = 2;

// The marks of `rows` by their colours: changed text is a changed row, any
// other difference (one-sided text, absent-line background) a one-sided row.
[[nodiscard]] MapBuckets FoldRows(const GridRows& rows, std::int32_t buckets = kMapBuckets);

// Pixel rows [top, bottom) of a strip `height` high.
struct MapSpan {
  int top = 0;
  int bottom = 0;
  friend bool operator==(const MapSpan&, const MapSpan&) = default;
};

// Where bucket `bucket` of `buckets` lies on the strip, at least
// kMinMarkHeight high and inside the strip.
[[nodiscard]] MapSpan BucketSpan(std::int32_t bucket, std::int32_t buckets, int height);
// The outline of the rows in view: `page` rows from `topRow` (from 1).
[[nodiscard]] MapSpan ViewSpan(std::int32_t topRow, std::int32_t page, std::int32_t rows,
                               int height);
// The row (from 1) that pixel row y stands for.
[[nodiscard]] std::int32_t RowAt(int y, std::int32_t rows, int height);

class DifferenceMap : public QWidget {
  Q_OBJECT

 public:
  // Reads `rows` when painted; `view` answers the top row and the number
  // of rows in view; `scrollTo` scrolls the grid to a top row.
  struct View {
    std::function<std::int32_t()> topRow;
    std::function<std::int32_t()> page;
    std::function<void(std::int32_t topRow)> scrollTo;
  };
  DifferenceMap(const GridRows& rows, View view, QWidget* parent);

  // The rows changed: the marks are read again at the next painting.
  void RowsChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // Scrolls so that the row under y comes to the middle of the view.
  void ScrollToPointer(int y);
  // Draws the marks at the strip's size; scrolling repaints only the outline
  // over this picture.
  void DrawMarks();

  const GridRows& rows_;
  View view_;
  MapBuckets buckets_;
  bool stale_ = true;
  QImage marks_;
};

}  // namespace qfc
