// One result grid, as the row fill, the synchronisation, the difference
// navigation and the search see it. Plain C++ so that all of them can be
// exercised on any implementation.
//
// Rows and columns count from 1; column 0 is the row header, column 1 the
// line's text, column 2 a hidden copy of it. Texts are the file's bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/side.h"

namespace qfc {

// A colour as a 32-bit value: 0x00BBGGRR for a fixed colour, 0x80000000 + n
// for system colour n, resolved through the palette when painted.
using ColorValue = std::uint32_t;

inline constexpr ColorValue kDefaultTextColor = 0x80000008;     // window text
inline constexpr ColorValue kDefaultBackColor = 0x80000005;     // window background
inline constexpr ColorValue kAbsentLineBackColor = 0x8000000F;  // button face
inline constexpr ColorValue kChangedColor = 0x0000009F;         // dark red, RGB(159, 0, 0)
inline constexpr ColorValue kOneSidedColor = 0x00A00000;        // dark blue, RGB(0, 0, 160)

inline constexpr std::int32_t kHeaderColumn = 0;
inline constexpr std::int32_t kTextColumn = 1;
inline constexpr std::int32_t kCopyColumn = 2;

// A rectangle of cells; col2 or row2 of -1 repeats col or row.
struct CellBlock {
  std::int32_t col = 1;
  std::int32_t row = 1;
  std::int32_t col2 = -1;
  std::int32_t row2 = -1;
};

// Where a grid reads the lines it shows without keeping a copy of their
// bytes. A grid keeps its source for as long as it has one, so the source
// keeps alive whatever holds the lines.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // lineNo from 1.
  [[nodiscard]] virtual std::string_view Line(std::int32_t lineNo) const = 0;
};

class Grid {
 public:
  virtual ~Grid() = default;

  [[nodiscard]] virtual std::int32_t RowCount() const = 0;
  // Raising the count appends empty rows; 0 empties the grid.
  virtual void SetRowCount(std::int32_t rows) = 0;
  [[nodiscard]] virtual std::int32_t ColumnCount() const = 0;
  virtual void SetColumnCount(std::int32_t columns) = 0;

  [[nodiscard]] virtual std::string CellText(std::int32_t col, std::int32_t row) const = 0;
  virtual void SetCellText(std::int32_t col, std::int32_t row, std::string_view text) = 0;

  // The source that SetLineCells reads; replace it only while no row shows
  // a line of the old one (after SetRowCount(0)).
  virtual void SetLineSource(std::shared_ptr<const LineSource> source) = 0;
  // Row `row` shows line `lineNo` of the line source: the header reads the
  // number, the text and its hidden copy the line. The same as setting those
  // three cells, except that no bytes are copied.
  virtual void SetLineCells(std::int32_t row, std::int32_t lineNo) = 0;

  [[nodiscard]] virtual ColorValue ForeColor(std::int32_t col, std::int32_t row) const = 0;
  [[nodiscard]] virtual ColorValue BackColor(std::int32_t col, std::int32_t row) const = 0;
  virtual void SetBlockForeColor(ColorValue color, CellBlock block) = 0;
  virtual void SetBlockBackColor(ColorValue color, CellBlock block) = 0;
  // Locked cells cannot be edited by the user; the program may still open an
  // editor on them (the search does).
  virtual void LockBlock(CellBlock block) = 0;
  virtual void SetColumnHidden(std::int32_t col, bool hidden) = 0;
  virtual void SetColumnWidth(std::int32_t col, double twips) = 0;

  // The active cell's row; what an empty grid answers is the grid's choice.
  [[nodiscard]] virtual std::int32_t ActiveRow() const = 0;
  virtual void SetActiveCell(std::int32_t col, std::int32_t row) = 0;
  [[nodiscard]] virtual std::int32_t TopRow() const = 0;
  virtual void SetTopRow(std::int32_t row) = 0;
  // How many rows the grid shows whole.
  [[nodiscard]] virtual std::int32_t VisibleRowCount() const = 0;
  // Highlights the block (a row selection).
  virtual void SelectBlock(CellBlock block) = 0;
  // The control's select-range call for a block the user selected.
  virtual void SelectRange(CellBlock block) = 0;

  // Makes the grid's window the active window and gives the grid the
  // keyboard focus.
  virtual void SetFocus() = 0;
  [[nodiscard]] virtual bool HasFocus() const = 0;
  // Opens the editor on the active cell.
  virtual void BeginEdit() = 0;
  // Selects `length` bytes from byte `start` (0-based) of the edited text.
  virtual void SetEditSelection(std::int16_t start, std::int16_t length) = 0;
  // The selected text of the open editor; empty when there is none.
  [[nodiscard]] virtual std::string SelectedText() const = 0;
};

// The five grid events the main window handles; `side` is the raising grid.
class GridEvents {
 public:
  virtual ~GridEvents() = default;

  virtual void GridCellClick(Side side, std::int32_t col, std::int32_t row) = 0;
  virtual void GridActiveCellMove(Side side, std::int32_t col, std::int32_t row, std::int32_t newCol,
                                  std::int32_t newRow, bool& cancel) = 0;
  virtual void GridTopRowChange(Side side, std::int32_t oldLeft, std::int32_t oldTop,
                                std::int32_t newLeft, std::int32_t newTop) = 0;
  virtual void GridCellTextChange(Side side, std::int32_t col, std::int32_t row) = 0;
  virtual void GridBlockSelect(Side side, std::int32_t col, std::int32_t row, std::int32_t col2,
                               std::int32_t row2) = 0;
};

}  // namespace qfc
