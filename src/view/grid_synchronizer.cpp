#include "view/grid_synchronizer.h"

#include <exception>

#include "view/busy_guard.h"

namespace qfc {

namespace {

// A failing step is skipped and the handler goes on with the next one.
template <typename Step>
void SkipOnFailure(Step step) {
  try {
    step();
  } catch (const std::exception&) {
    return;
  }
}

}  // namespace

void SelectGridRow(Grid& grid, std::int32_t row) { grid.SelectBlock({kTextColumn, row, grid.ColumnCount(), row}); }

GridSynchronizer::GridSynchronizer(PerSide<Grid*> grids, bool& busy, std::function<void()> resetSearch)
    : grids_(grids), busy_(busy), resetSearch_(std::move(resetSearch)) {}

Grid& GridSynchronizer::At(int side) const { return *grids_[side == 1 ? Side::Right : Side::Left]; }

void GridSynchronizer::GridCellClick(int side, std::int32_t /*col*/, std::int32_t row) {
  if (busy_) {
    return;
  }
  const BusyGuard guard(busy_);
  SkipOnFailure([&] {
    if (resetSearch_) {
      resetSearch_();
    }
  });
  SkipOnFailure([&] { SelectGridRow(At(OtherSide(side)), row); });
}

void GridSynchronizer::GridActiveCellMove(int side, std::int32_t /*col*/, std::int32_t /*row*/, std::int32_t newCol,
                                          std::int32_t newRow, bool& /*cancel*/) {
  if (busy_) {
    return;
  }
  const BusyGuard guard(busy_);
  SkipOnFailure([&] { At(OtherSide(side)).SetActiveCell(newCol, newRow); });
}

void GridSynchronizer::GridTopRowChange(int side, std::int32_t /*oldLeft*/, std::int32_t /*oldTop*/,
                                        std::int32_t /*newLeft*/, std::int32_t newTop) {
  if (busy_) {
    return;
  }
  const BusyGuard guard(busy_);
  SkipOnFailure([&] { At(OtherSide(side)).SetTopRow(newTop); });
}

void GridSynchronizer::GridCellTextChange(int side, std::int32_t /*col*/, std::int32_t row) {
  if (busy_) {
    return;
  }
  const BusyGuard guard(busy_);
  SkipOnFailure([&] {
    Grid& grid = At(side);
    grid.SetCellText(kTextColumn, row, grid.CellText(kCopyColumn, row));
  });
}

void GridSynchronizer::GridBlockSelect(int side, std::int32_t /*col*/, std::int32_t row, std::int32_t /*col2*/,
                                       std::int32_t row2) {
  SkipOnFailure([&] { At(side).SelectRange({kTextColumn, row, kTextColumn, row2}); });
}

}  // namespace qfc
