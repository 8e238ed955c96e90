#include "view/grid_fill.h"

#include "input/lines_differ.h"

#include <stdexcept>

namespace qfc {

namespace {

constexpr std::int32_t kDataColumns = 2;
// Rows a fresh grid shows until the engine empties it for the fill.
constexpr std::int32_t kInitialRows = 500;
constexpr double kTextColumnTwips = 25000;
// Appended to the row count when sizing the header: room for its margins.
constexpr std::string_view kHeaderSlack = "WW";

}  // namespace

GridFill::GridFill(PerSide<Grid*> grids, TextWidth textWidth) : grids_(grids), textWidth_(std::move(textWidth)) {}

void GridFill::InitGrid(Side side) {
  Grid& grid = *grids_[side];
  grid.SetColumnCount(kDataColumns);
  grid.SetRowCount(kInitialRows);
  grid.LockBlock({kTextColumn, 1, grid.ColumnCount(), grid.RowCount()});
  grid.SetColumnHidden(kCopyColumn, true);
}

void GridFill::ResetRows() {
  for (const Side side : kBothSides) {
    grids_[side]->SetRowCount(0);
  }
}

void GridFill::AddGridRow(std::int32_t leftLine, std::int32_t rightLine) {
  for (const Side side : kBothSides) {
    Grid& grid = *grids_[side];
    const std::int32_t rows = grid.RowCount();
    if (rows == INT32_MAX) {
      throw std::overflow_error("row count overflow");
    }
    grid.SetRowCount(rows + 1);
  }
  SetRowCells(*grids_[Side::Left], leftLine, LineText(Side::Left, leftLine));
  SetRowCells(*grids_[Side::Right], rightLine, LineText(Side::Right, rightLine));
  ColorRow(grids_[Side::Right]->RowCount(), leftLine, rightLine);
}

std::string_view GridFill::LineText(Side side, std::int32_t lineNo) const {
  if (lineNo <= 0) {
    return {};
  }
  if (lines_ == nullptr) {
    throw std::logic_error("no line lists to fill from");
  }
  return (*lines_)[side].Line(lineNo);
}

void GridFill::SetRowCells(Grid& grid, std::int32_t lineNo, std::string_view text) {
  std::string header = std::to_string(lineNo);
  if (lineNo == kNoLine) {
    header = " ";
    grid.SetBlockBackColor(kAbsentLineBackColor, {kTextColumn, grid.RowCount()});
  } else {
    grid.SetBlockBackColor(kDefaultBackColor, {kTextColumn, grid.RowCount()});
  }
  grid.SetCellText(kHeaderColumn, grid.RowCount(), header);
  grid.SetCellText(kTextColumn, grid.RowCount(), text);
  grid.SetCellText(kCopyColumn, grid.RowCount(), text);
}

void GridFill::ColorRow(std::int32_t row, std::int32_t leftLine, std::int32_t rightLine) {
  PerSide<ColorValue> colors{{kDefaultTextColor, kDefaultTextColor}};
  if (leftLine == kNoLine) {
    colors[Side::Right] = kOneSidedColor;
  } else if (rightLine == kNoLine) {
    colors[Side::Left] = kOneSidedColor;
  } else if (LinesDiffer(grids_[Side::Left]->CellText(kTextColumn, row),
                         grids_[Side::Right]->CellText(kTextColumn, row))) {
    colors[Side::Left] = kChangedColor;
    colors[Side::Right] = kChangedColor;
  }
  for (const Side side : kBothSides) {
    grids_[side]->SetBlockForeColor(colors[side], {kTextColumn, row});
  }
  if (!diffsFound_) {
    diffsFound_ = colors[Side::Left] != kDefaultTextColor || colors[Side::Right] != kDefaultTextColor;
  }
}

void GridFill::SizeColumns(std::int32_t rowCount) {
  const double headerTwips = textWidth_(std::to_string(rowCount) + std::string(kHeaderSlack));
  for (const Side side : kBothSides) {
    grids_[side]->SetColumnWidth(kHeaderColumn, headerTwips);
    grids_[side]->SetColumnWidth(kTextColumn, kTextColumnTwips);
  }
}

}  // namespace qfc
