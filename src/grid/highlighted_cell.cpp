#include "grid/highlighted_cell.h"

#include <QColor>
#include <QPalette>
#include <QStyle>

namespace qfc {
namespace {

// The share of the highlight colour in the tint: enough to see the row at a
// glance, little enough for dark red and dark blue text to stay readable.
constexpr double kTintShare = 0.3;

[[nodiscard]] QColor Mix(const QColor& base, const QColor& mark, double share) {
  const auto channel = [share](int from, int to) {
    return static_cast<int>(from + (to - from) * share + 0.5);
  };
  return {channel(base.red(), mark.red()), channel(base.green(), mark.green()),
          channel(base.blue(), mark.blue())};
}

}  // namespace

void TintHighlightedCell(QStyleOptionViewItem& option) {
  if (!option.state.testFlag(QStyle::State_Selected)) return;
  option.state &= ~QStyle::State_Selected;
  const QColor back = option.backgroundBrush.style() == Qt::NoBrush
                          ? option.palette.color(QPalette::Base)
                          : option.backgroundBrush.color();
  option.backgroundBrush = Mix(back, option.palette.color(QPalette::Highlight), kTintShare);
}

}  // namespace qfc
