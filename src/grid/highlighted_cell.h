// How a highlighted cell is painted (the current row, or the row selected to
// match the other grid): its own text colour on its own background tinted
// towards the highlight colour. A solid highlight with the highlight's text
// colour would hide the colours that tell a changed or a one-sided line.
#pragma once

#include <QStyleOptionViewItem>

namespace qfc {

// Turns the selected state of a cell's paint options into the tint; leaves
// an unselected cell alone.
void TintHighlightedCell(QStyleOptionViewItem& option);

}  // namespace qfc
