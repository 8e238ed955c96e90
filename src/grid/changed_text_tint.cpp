#include "grid/changed_text_tint.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "grid/grid_row_model.h"
#include "grid/grid_rows.h"
#include "ui/display_text.h"

namespace qfc {
namespace {

// Characters measured at most per cell: no cell is wider than this many of
// the narrowest characters, and a 100,000-character line must not cost a
// measurement of all of it.
constexpr int kMaxMeasuredCharacters = 4096;
// Spreads a shown part's start over the key's bits.
constexpr std::uint64_t kPartStartMix = 0x9E3779B97F4A7C15ULL;
// Characters outside the basic plane: four UTF-8 bytes, two UTF-16 units.
constexpr int kSurrogatePairBytes = 4;

[[nodiscard]] int Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  return 2;
}

// The runs in positions of ShownText(bytes); one pass over the bytes.
[[nodiscard]] std::vector<ShownRun> ShownRuns(std::string_view bytes,
                                              const std::vector<ByteRun>& runs) {
  std::vector<ShownRun> shown;
  shown.reserve(runs.size());
  if (!ShownAsUtf8(bytes)) {
    for (const ByteRun& run : runs) shown.push_back(ShownRun{run.start, run.length});
    return shown;
  }
  int byte = 0;
  int unit = 0;
  const auto advanceTo = [&](int target) {
    while (byte < target) {
      const int length = Utf8SequenceLength(static_cast<unsigned char>(bytes[byte]));
      unit += length == kSurrogatePairBytes ? 2 : 1;
      byte += length;
    }
    return unit;
  };
  for (const ByteRun& run : runs) {
    const int start = advanceTo(run.start);
    const int end = advanceTo(run.start + run.length);
    shown.push_back(ShownRun{start, end - start});
  }
  return shown;
}

// Identifies a row's content: both shown texts, where they start in their
// lines, and both colours.
[[nodiscard]] std::uint64_t RowKey(const PerSide<std::string_view>& texts,
                                   const PerSide<std::size_t>& starts,
                                   const PerSide<ColorValue>& colors) {
  const std::hash<std::string_view> hash;
  constexpr int kRotation = 31;
  const std::uint64_t right = hash(texts[Side::Right]);
  std::uint64_t key = hash(texts[Side::Left]) ^ ((right << kRotation) | (right >> kRotation));
  key ^= (std::uint64_t{colors[Side::Left]} << 32) ^ colors[Side::Right];
  key ^= (starts[Side::Left] * kPartStartMix) ^ starts[Side::Right];
  return key;
}

// The x of a position of a text, measured from its start in pieces, so that
// rising positions cost one pass.
class TextMeasure {
 public:
  TextMeasure(const QString& text, const QFont& font) : text_(text), metrics_(font) {}

  [[nodiscard]] qreal X(int position) {
    position = std::min({position, static_cast<int>(text_.size()), kMaxMeasuredCharacters});
    if (position > at_) {
      x_ += metrics_.horizontalAdvance(text_.mid(at_, position - at_));
      at_ = position;
    }
    return x_;
  }

 private:
  const QString& text_;
  QFontMetricsF metrics_;
  int at_ = 0;
  qreal x_ = 0;
};

}  // namespace

ChangedTextTint::ChangedTextTint(PerSide<const GridRowModel*> models, Differ differ)
    : models_(models), differ_(std::move(differ)), slots_(kCachedRows) {}

std::span<const ShownRun> ChangedTextTint::Runs(Side side, std::int32_t row) {
  for (const Side each : kBothSides) {
    if (row < 1 || row > models_[each]->Rows().Count()) return {};
  }
  PerSide<ColorValue> colors;
  PerSide<std::string_view> texts;
  PerSide<std::size_t> starts;
  for (const Side each : kBothSides) {
    const GridRows& rows = models_[each]->Rows();
    colors[each] = rows.ForeColor(row);
    const ShownPart part = models_[each]->ShownPartOf(row);
    texts[each] = part.Of(rows.Text(row));
    starts[each] = part.from;
  }
  if (colors[Side::Left] != kChangedColor || colors[Side::Right] != kChangedColor) return {};
  const std::uint64_t key = RowKey(texts, starts, colors);
  Slot& slot = slots_[static_cast<std::size_t>(row) % kCachedRows];
  if (slot.row != row || slot.key != key) {
    const ChangedRuns runs = differ_(texts);
    slot.row = row;
    slot.key = key;
    for (const Side each : kBothSides) slot.runs[each] = ShownRuns(texts[each], runs[each]);
  }
  return slot.runs[side];
}

void PaintTintedCell(QPainter* painter, const QStyleOptionViewItem& option,
                     std::span<const ShownRun> runs, const QColor& tint) {
  const QWidget* widget = option.widget;
  const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);

  // Where the style lays out the text: its text rectangle less the margin
  // it keeps on either side.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget)
                             .adjusted(margin, 0, -margin, 0)
                             .intersected(option.rect);
  painter->save();
  painter->setClipRect(textRect);
  TextMeasure measure(option.text, option.font);
  for (const ShownRun& run : runs) {
    const qreal from = measure.X(run.start);
    if (from > textRect.width()) break;
    const qreal to = measure.X(run.start + run.length);
    painter->fillRect(QRectF(textRect.left() + from, option.rect.top(), to - from,
                             option.rect.height()),
                      tint);
  }
  painter->restore();

  // The text and focus frame over it, with nothing that would cover the tint.
  QStyleOptionViewItem text = option;
  text.backgroundBrush = Qt::NoBrush;
  text.features &= ~QStyleOptionViewItem::Alternate;
  style->drawControl(QStyle::CE_ItemViewItem, &text, painter, widget);
}

}  // namespace qfc
