#include "view/grid_synchronizer.h"

#include "core/run_catching_failure.h"
#include "view/busy_guard.h"

namespace qfc {

void SelectGridRow(Grid& grid, std::int32_t row) {
  grid.SelectBlock({kTextColumn, row, grid.ColumnCount(), row});
}

GridSynchronizer::GridSynchronizer(PerSide<Grid*> grids, bool& busy,
                                   std::function<void()> resetSearch)
    : grids_(grids), busy_(busy), resetSearch_(std::move(resetSearch)) {}

// Each handler's failing step is skipped and the handler goes on with the next.

void GridSynchronizer::GridCellClick(Side side, std::int32_t /*col*/, std::int32_t row) {
  if (busy_) {
    return;
  }
  const BusyGuard guard(busy_);
  RunCatchingFailure([&] {
    if (resetSearch_) {
      resetSearch_();
    }
  });
  RunCatchingFailure([&] { SelectGridRow(At(OtherSide(side)), row); });
}

void GridSynchronizer::GridActiveCellMove(Side side, std::int32_t /*col*/, std::int32_t /*row*/,
                                          std::int32_t newCol, std::int32_t newRow,
                                          bool& /*cancel*/) {
  if (busy_) {
    return;
  }
  const BusyGuard guard(busy_);
  RunCatchingFailure([&] { At(OtherSide(side)).SetActiveCell(newCol, newRow); });
}

void GridSynchronizer::GridTopRowChange(Side side, std::int32_t /*oldLeft*/,
                                        std::int32_t /*oldTop*/, std::int32_t /*newLeft*/,
                                        std::int32_t newTop) {
  if (busy_) {
    return;
  }
  const BusyGuard guard(busy_);
  RunCatchingFailure([&] { At(OtherSide(side)).SetTopRow(newTop); });
}

void GridSynchronizer::GridCellTextChange(Side side, std::int32_t /*col*/, std::int32_t row) {
  if (busy_) {
    return;
  }
  const BusyGuard guard(busy_);
  RunCatchingFailure([&] {
    Grid& grid = At(side);
    grid.SetCellText(kTextColumn, row, grid.CellText(kCopyColumn, row));
  });
}

void GridSynchronizer::GridBlockSelect(Side side, std::int32_t /*col*/, std::int32_t row,
                                       std::int32_t /*col2*/, std::int32_t row2) {
  RunCatchingFailure([&] { At(side).SelectRange({kTextColumn, row, kTextColumn, row2}); });
}

}  // namespace qfc
