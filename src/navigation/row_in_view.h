// Where a row that a step or a search lands on is shown: a row already in
// view with a line below it stays where it is; any other is scrolled to about
// a third from the top, so that the lines around it show too.
#pragma once

#include <algorithm>
#include <cstdint>

#include "grid/grid.h"

namespace qfc {

// The first row shown when `row` is brought into view in `grid`; the grid's
// current top row when no scrolling is needed.
[[nodiscard]] inline std::int32_t TopRowShowing(const Grid& grid, std::int32_t row) {
  const std::int32_t top = grid.TopRow();
  const std::int32_t shown = std::max(grid.VisibleRowCount(), 1);
  // The last row shown whole has nothing visible below it: it counts as out of view.
  if (row >= top && row < top + shown - 1) return top;
  return std::max(row - shown / 3, 1);
}

inline void BringIntoView(Grid& grid, std::int32_t row) {
  const std::int32_t top = TopRowShowing(grid, row);
  if (top != grid.TopRow()) grid.SetTopRow(top);
}

}  // namespace qfc
