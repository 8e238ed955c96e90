// Keeps the two result grids in step: a click, a move of the active cell or a
// scroll in one grid is repeated in the other, a typed change to a line is
// undone from the row's hidden copy, and a block the user selects is narrowed
// to the text column. All but the block selection run under the window's Busy
// flag and do nothing while it is set. Failures inside a handler are skipped.
#pragma once

#include <cstdint>
#include <functional>

#include "core/side.h"
#include "grid/grid.h"

namespace qfc {

[[nodiscard]] constexpr Side OtherSide(Side side) {
  return side == Side::Left ? Side::Right : Side::Left;
}

// Highlights row `row` across all data columns, without block mode.
void SelectGridRow(Grid& grid, std::int32_t row);

class GridSynchronizer : public GridEvents {
 public:
  // `busy` is the window's flag, shared with the start-up and the commands;
  // `resetSearch` puts the search's resume position back to the line start.
  GridSynchronizer(PerSide<Grid*> grids, bool& busy, std::function<void()> resetSearch = {});

  void SetResetSearch(std::function<void()> resetSearch) { resetSearch_ = std::move(resetSearch); }

  void GridCellClick(Side side, std::int32_t col, std::int32_t row) override;
  void GridActiveCellMove(Side side, std::int32_t col, std::int32_t row, std::int32_t newCol,
                          std::int32_t newRow, bool& cancel) override;
  void GridTopRowChange(Side side, std::int32_t oldLeft, std::int32_t oldTop, std::int32_t newLeft,
                        std::int32_t newTop) override;
  void GridCellTextChange(Side side, std::int32_t col, std::int32_t row) override;
  void GridBlockSelect(Side side, std::int32_t col, std::int32_t row, std::int32_t col2,
                       std::int32_t row2) override;

 private:
  [[nodiscard]] Grid& At(Side side) const { return *grids_[side]; }

  PerSide<Grid*> grids_;
  bool& busy_;
  std::function<void()> resetSearch_;
};

}  // namespace qfc
