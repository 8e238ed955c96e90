// A difference block is a maximal run of rows that the row fill coloured as
// different (changed, one-sided, or absent on the left). Stepping without
// Shift visits each block's top row and then its bottom row going down (its
// bottom and then its top going up; a one-row block once); with Shift every
// difference row in turn. Running off either end parks both grids on the
// first or last row, says so and beeps.
#include "navigation/difference_navigator.h"

#include <utility>

#include "core/run_catching_failure.h"
#include "navigation/row_in_view.h"
#include "ui/message_box.h"

namespace qfc {

namespace {

constexpr char kAtEnd[] = "At End Of File!";
constexpr char kAtBeginning[] = "At Beginning Of File!";

[[nodiscard]] std::string NoDataText() { return std::string("No ") + kAppTitle + " Data to find"; }

[[nodiscard]] constexpr std::int32_t Step(StepDirection direction) {
  return direction == StepDirection::Down ? 1 : -1;
}

}  // namespace

DifferenceNavigator::DifferenceNavigator(PerSide<Grid*> grids, Platform& platform,
                                         StatusSink setStatusText)
    : grids_(grids), platform_(platform), setStatusText_(std::move(setStatusText)) {}

void DifferenceNavigator::MoveToDiff(StepDirection direction) {
  const auto failure = RunCatchingFailure([&] {
    // Read once, so that the whole step follows the state at its start.
    const bool byRow = platform_.ShiftHeld();

    if (Left().RowCount() == 0) {
      setStatusText_(NoDataText());
      return;
    }

    std::int32_t row = Left().ActiveRow();
    if (row < 1) row = 1;

    if (byRow ? DiffRow(row, direction) : BlockEdge(row, direction)) {
      setStatusText_("");
      return;
    }

    if (direction == StepDirection::Down) {
      // Each grid is parked on its own last row.
      for (const Side side : kBothSides) {
        Grid& grid = *grids_[side];
        grid.SetActiveCell(kTextColumn, grid.RowCount());
      }
      setStatusText_(kAtEnd);
    } else {
      ParkOn(1);
      setStatusText_(kAtBeginning);
    }
    platform_.Beep();
  });
  if (failure) ReportFailure(platform_, "", *failure);
}

bool DifferenceNavigator::IsDiffRow(std::int32_t row) const {
  try {
    return Left().ForeColor(kTextColumn, row) != kDefaultTextColor ||
           Left().BackColor(kTextColumn, row) != kDefaultBackColor;
  } catch (...) {
    return false;
  }
}

bool DifferenceNavigator::InRows(std::int32_t row) const {
  return row >= 1 && row <= Left().RowCount();
}

bool DifferenceNavigator::DiffRow(std::int32_t row, StepDirection direction) {
  // The row count is read once: it bounds the scan.
  const std::int32_t rowCount = Left().RowCount();
  for (std::int32_t t = row + Step(direction); t >= 1 && t <= rowCount; t += Step(direction)) {
    if (IsDiffRow(t)) {
      ParkOn(t);
      return true;
    }
  }
  return false;
}

bool DifferenceNavigator::BlockEdge(std::int32_t row, StepDirection direction) {
  const std::int32_t step = Step(direction);
  if (!IsDiffRow(row)) return DiffRow(row, direction);
  if (!InRows(row + step)) return false;
  // Already on the block's far edge: go on to the near edge of the next block.
  if (!IsDiffRow(row + step)) return DiffRow(row, direction);

  std::int32_t t = row + step;
  while (InRows(t) && IsDiffRow(t)) t += step;
  ParkOn(t - step);
  return true;
}

void DifferenceNavigator::ParkOn(std::int32_t row) {
  // Both grids keep one top row, the one that shows the row in the left grid.
  const std::int32_t top = TopRowShowing(Left(), row);
  for (const Side side : kBothSides) {
    if (grids_[side]->TopRow() != top) grids_[side]->SetTopRow(top);
  }
  for (const Side side : kBothSides) grids_[side]->SetActiveCell(kTextColumn, row);
}

}  // namespace qfc
