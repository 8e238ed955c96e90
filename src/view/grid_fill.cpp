#include "view/grid_fill.h"

#include <stdexcept>

namespace qfc {

namespace {

constexpr std::int32_t kDataColumns = 2;
// Rows a fresh grid shows until the engine empties it for the fill.
constexpr std::int32_t kInitialRows = 500;
constexpr double kTextColumnTwips = 25000;
// Appended to the row count when sizing the header: room for its margins.
constexpr std::string_view kHeaderSlack = "WW";

// One side's line list as the grid reads it.
class SideLines final : public LineSource {
 public:
  SideLines(GridFill::SharedLines lines, Side side) : lines_(std::move(lines)), side_(side) {}
  [[nodiscard]] std::string_view Line(std::int32_t lineNo) const override {
    return (*lines_)[side_].Line(lineNo);
  }

 private:
  GridFill::SharedLines lines_;
  Side side_;
};

}  // namespace

GridFill::GridFill(PerSide<Grid*> grids, TextWidth textWidth)
    : grids_(grids), textWidth_(std::move(textWidth)) {}

void GridFill::SetLines(SharedLines lines) {
  lines_ = std::move(lines);
  for (const Side side : kBothSides) {
    grids_[side]->SetLineSource(lines_ ? std::make_shared<SideLines>(lines_, side) : nullptr);
  }
}

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

void GridFill::AddGridRow(LinePair row) {
  for (const Side side : kBothSides) {
    Grid& grid = *grids_[side];
    const std::int32_t rows = grid.RowCount();
    if (rows == INT32_MAX) {
      throw std::overflow_error("row count overflow");
    }
    grid.SetRowCount(rows + 1);
  }
  if (lines_ == nullptr) {
    throw std::logic_error("no line lists to fill from");
  }
  for (const Side side : kBothSides) {
    SetRowCells(*grids_[side], row[side]);
  }
  ColorRow(grids_[Side::Right]->RowCount(), RowKindOf(row, *lines_));
}

void GridFill::SetRowCells(Grid& grid, std::int32_t lineNo) {
  const std::int32_t row = grid.RowCount();
  if (lineNo == kNoLine) {
    grid.SetBlockBackColor(kAbsentLineBackColor, {kTextColumn, row});
    grid.SetCellText(kHeaderColumn, row, " ");
    grid.SetCellText(kTextColumn, row, {});
    grid.SetCellText(kCopyColumn, row, {});
  } else {
    grid.SetBlockBackColor(kDefaultBackColor, {kTextColumn, row});
    grid.SetLineCells(row, lineNo);
  }
}

void GridFill::ColorRow(std::int32_t gridRow, RowKind kind) {
  PerSide<ColorValue> colors{{kDefaultTextColor, kDefaultTextColor}};
  switch (kind) {
    case RowKind::Equal:
      break;
    case RowKind::Changed:
      colors = {{kChangedColor, kChangedColor}};
      break;
    case RowKind::LeftOnly:
      colors[Side::Left] = kOneSidedColor;
      break;
    case RowKind::RightOnly:
      colors[Side::Right] = kOneSidedColor;
      break;
  }
  for (const Side side : kBothSides) {
    grids_[side]->SetBlockForeColor(colors[side], {kTextColumn, gridRow});
  }
  diffsFound_ = diffsFound_ || IsDifference(kind);
}

void GridFill::SizeColumns(std::int32_t rowCount) {
  const double headerTwips = textWidth_(std::to_string(rowCount) + std::string(kHeaderSlack));
  for (const Side side : kBothSides) {
    grids_[side]->SetColumnWidth(kHeaderColumn, headerTwips);
    grids_[side]->SetColumnWidth(kTextColumn, kTextColumnTwips);
  }
}

}  // namespace qfc
