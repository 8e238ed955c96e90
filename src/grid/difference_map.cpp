#include "grid/difference_map.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "grid/grid_rows.h"
#include "grid/palette_color.h"
#include "grid/readable_color.h"

namespace qfc {
namespace {

// Pixel row `index` of `count` equal parts of `height`.
[[nodiscard]] int Scaled(std::int64_t index, std::int64_t count, int height) {
  return static_cast<int>(index * height / count);
}

// Stretches a span shorter than kMinMarkHeight, staying inside the strip.
[[nodiscard]] MapSpan AtLeastMinHeight(MapSpan span, int height) {
  if (span.bottom - span.top >= kMinMarkHeight) return span;
  span.bottom = std::min(span.top + kMinMarkHeight, height);
  span.top = std::max(span.bottom - kMinMarkHeight, 0);
  return span;
}

[[nodiscard]] std::uint8_t MarkOf(const GridRows& rows, std::int32_t row) {
  if (rows.HasDefaultColors(row)) return 0;
  const ColorValue fore = rows.ForeColor(row);
  if (fore == kChangedColor) return kChangedMark;
  if (fore != kDefaultTextColor || rows.BackColor(row) != kDefaultBackColor) return kOneSidedMark;
  return 0;
}

}  // namespace

MapBuckets FoldRows(const GridRows& rows, std::int32_t buckets) {
  MapBuckets folded;
  folded.rows = rows.Count();
  const std::int32_t count = std::min(folded.rows, buckets);
  folded.marks.assign(static_cast<std::size_t>(count), 0);
  for (std::int32_t row = 1; row <= folded.rows; ++row) {
    const std::uint8_t mark = MarkOf(rows, row);
    if (mark != 0) {
      const std::int64_t bucket = std::int64_t{row - 1} * count / folded.rows;
      folded.marks[static_cast<std::size_t>(bucket)] |= mark;
    }
  }
  return folded;
}

MapSpan BucketSpan(std::int32_t bucket, std::int32_t buckets, int height) {
  if (buckets <= 0) return {};
  return AtLeastMinHeight({Scaled(bucket, buckets, height), Scaled(bucket + 1, buckets, height)},
                          height);
}

MapSpan ViewSpan(std::int32_t topRow, std::int32_t page, std::int32_t rows, int height) {
  if (rows <= 0) return {};
  const std::int64_t first = std::clamp(topRow - 1, 0, rows - 1);
  const std::int64_t end = std::min<std::int64_t>(first + std::max(page, 1), rows);
  return AtLeastMinHeight({Scaled(first, rows, height), Scaled(end, rows, height)}, height);
}

std::int32_t RowAt(int y, std::int32_t rows, int height) {
  if (rows <= 0 || height <= 0) return 1;
  const std::int64_t clamped = std::clamp(y, 0, height - 1);
  return static_cast<std::int32_t>(clamped * rows / height) + 1;
}

DifferenceMap::DifferenceMap(const GridRows& rows, View view, QWidget* parent)
    : QWidget(parent), rows_(rows), view_(std::move(view)) {
  setObjectName(QStringLiteral("DifferenceMap"));
  setCursor(Qt::PointingHandCursor);
  setToolTip(QStringLiteral("Where the differences are; click to go there"));
}

void DifferenceMap::RowsChanged() {
  stale_ = true;
  update();
}

void DifferenceMap::paintEvent(QPaintEvent* /*event*/) {
  if (stale_) {
    buckets_ = FoldRows(rows_);
    marks_ = QImage();
    stale_ = false;
  }
  if (marks_.size() != size()) DrawMarks();
  QPainter painter(this);
  painter.drawImage(0, 0, marks_);
  if (buckets_.rows > 0) {
    const MapSpan view = ViewSpan(view_.topRow(), view_.page(), buckets_.rows, height());
    painter.setPen(palette().color(QPalette::Text));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, view.top, width() - 1, std::max(view.bottom - view.top - 1, 1));
  }
}

void DifferenceMap::DrawMarks() {
  marks_ = QImage(size(), QImage::Format_RGB32);
  const QColor background = palette().color(QPalette::Button);
  marks_.fill(background);
  QPainter painter(&marks_);
  const int w = width();
  const int h = height();
  // Marks in the colours the lines are painted in, light twins on a dark strip.
  const QColor changed = PaintedTextColor(ResolveColor(kChangedColor, palette()), background);
  const QColor oneSided = PaintedTextColor(ResolveColor(kOneSidedColor, palette()), background);
  const auto count = static_cast<std::int32_t>(buckets_.marks.size());
  for (std::int32_t b = 0; b < count; ++b) {
    const std::uint8_t mark = buckets_.marks[static_cast<std::size_t>(b)];
    if (mark == 0) continue;
    const MapSpan span = BucketSpan(b, count, h);
    const int markHeight = span.bottom - span.top;
    // A bucket with both kinds shows both, side by side.
    if (mark == (kChangedMark | kOneSidedMark)) {
      painter.fillRect(0, span.top, w / 2, markHeight, changed);
      painter.fillRect(w / 2, span.top, w - w / 2, markHeight, oneSided);
    } else {
      painter.fillRect(0, span.top, w, markHeight, mark == kChangedMark ? changed : oneSided);
    }
  }
}

void DifferenceMap::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  ScrollToPointer(static_cast<int>(event->position().y()));
}

void DifferenceMap::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) == 0) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  ScrollToPointer(static_cast<int>(event->position().y()));
}

void DifferenceMap::ScrollToPointer(int y) {
  const std::int32_t rows = rows_.Count();
  if (rows <= 0) return;
  const std::int32_t row = RowAt(y, rows, height());
  view_.scrollTo(std::max(row - view_.page() / 2, 1));
}

}  // namespace qfc
