// Fills the two result grids with the engine's aligned rows. Row r of both
// grids shows the r-th pair: each side's header is its line number (a blank
// when the side has no line there), column 1 the line's text, column 2 the
// same text again as the copy that undoes any change. The grids read the
// texts from the line lists themselves, which they keep alive. A row differs when one
// side has no line or the texts differ; differing rows carry the colours the
// difference navigation reads back.
//
// Plain C++ over the Grid interface.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/side.h"
#include "engine/result_rows.h"
#include "engine/row_sink.h"
#include "grid/grid.h"
#include "input/line_list.h"

namespace qfc {

class GridFill : public RowSink {
 public:
  // Measures a text in the window's font, in twips.
  using TextWidth = std::function<double(const std::string&)>;

  GridFill(PerSide<Grid*> grids, TextWidth textWidth);

  // The lists the texts come from; the fill and the grids share them.
  using SharedLines = std::shared_ptr<const PerSide<LineList>>;
  void SetLines(SharedLines lines);

  // One-time set-up of a grid before the engine runs: two columns, 500
  // rows, all locked, the copy column hidden.
  void InitGrid(Side side);

  void ResetRows() override;
  void AddGridRow(LinePair row) override;
  void SizeColumns(std::int32_t rowCount) override;

  [[nodiscard]] bool DiffsFound() const { return diffsFound_; }

 private:
  static void SetRowCells(Grid& grid, std::int32_t lineNo);
  void ColorRow(std::int32_t gridRow, RowKind kind);

  PerSide<Grid*> grids_;
  TextWidth textWidth_;
  SharedLines lines_;
  bool diffsFound_ = false;
};

}  // namespace qfc
