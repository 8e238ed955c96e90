// A difference block is a maximal run of rows that the row fill coloured as
// different (changed, one-sided, or absent on the left). Stepping without
// Shift visits each block's top row and then its bottom row (a one-row block
// once); with Shift every difference row in turn. Running off either end
// parks both grids on the first or last row, says so and beeps.
#include "navigation/difference_navigator.h"

#include <exception>
#include <utility>

namespace qfc {

namespace {

constexpr char kAtEnd[] = "At End Of File!";
constexpr char kAtBeginning[] = "At Beginning Of File!";

[[nodiscard]] std::string NoDataText() { return std::string("No ") + kAppTitle + " Data to find"; }

}  // namespace

DifferenceNavigator::DifferenceNavigator(PerSide<Grid*> grids, Platform& platform,
                                         StatusSink setStatusText)
    : grids_(grids), platform_(platform), setStatusText_(std::move(setStatusText)) {}

void DifferenceNavigator::MoveToDiff(bool down) {
  try {
    // Read once, so that the whole step follows the state at its start.
    const bool byRow = platform_.ShiftHeld();

    if (Left().RowCount() == 0) {
      setStatusText_(NoDataText());
      return;
    }

    std::int32_t row = Left().ActiveRow();
    if (row < 1) row = 1;

    bool found = false;
    if (down) {
      found = byRow ? NextDiffRow(row) : NextBlockEdge(row);
    } else {
      found = byRow ? PrevDiffRow(row) : PrevBlockEdge(row);
    }

    if (found) {
      setStatusText_("");
      return;
    }

    if (down) {
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
  } catch (const std::exception& error) {
    platform_.ShowMessage(error.what(), kAppTitle, MessageIcon::Critical, MessageButtons::Ok);
  }
}

bool DifferenceNavigator::IsDiffRow(std::int32_t row) const {
  try {
    return Left().ForeColor(kTextColumn, row) != kDefaultTextColor ||
           Left().BackColor(kTextColumn, row) != kDefaultBackColor;
  } catch (...) {
    return false;
  }
}

bool DifferenceNavigator::PrevDiffRow(std::int32_t row) {
  for (std::int32_t t = row - 1; t >= 1; --t) {
    if (IsDiffRow(t)) {
      ParkOn(t);
      return true;
    }
  }
  return false;
}

bool DifferenceNavigator::NextDiffRow(std::int32_t row) {
  const std::int32_t rowCount = Left().RowCount();
  for (std::int32_t t = row + 1; t <= rowCount; ++t) {
    if (IsDiffRow(t)) {
      ParkOn(t);
      return true;
    }
  }
  return false;
}

bool DifferenceNavigator::PrevBlockEdge(std::int32_t row) {
  if (!IsDiffRow(row)) return PrevDiffRow(row);
  if (row - 1 < 1) return false;
  // Already on the top row: go on to the bottom row of the block above.
  if (!IsDiffRow(row - 1)) return PrevDiffRow(row);

  std::int32_t t = row - 1;
  while (t >= 1 && IsDiffRow(t)) --t;
  ParkOn(t + 1);
  return true;
}

bool DifferenceNavigator::NextBlockEdge(std::int32_t row) {
  if (!IsDiffRow(row)) return NextDiffRow(row);
  if (row + 1 > Left().RowCount()) return false;
  // Already on the bottom row: go on to the top row of the block below.
  if (!IsDiffRow(row + 1)) return NextDiffRow(row);

  std::int32_t t = row + 1;
  while (t <= Left().RowCount() && IsDiffRow(t)) ++t;
  ParkOn(t - 1);
  return true;
}

void DifferenceNavigator::ParkOn(std::int32_t row) {
  for (const Side side : kBothSides) grids_[side]->SetActiveCell(kTextColumn, row);
}

}  // namespace qfc
