// The pale tint under the characters that differ in a changed row, shared by
// the two grids: which characters differ (asked of a character diff that the
// grid is given, computed when a row is first painted and kept for a bounded
// number of rows) and the painting of a text cell with the tint under them.
// The text keeps its colour; only the background under it changes.
#pragma once

#include <QStyleOptionViewItem>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "core/changed_runs.h"
#include "core/side.h"
#include "grid/grid.h"

class QPainter;

namespace qfc {

class GridRowModel;

// Pale red, RGB(255, 208, 208): light enough that the dark red text on it
// reads as well as on white.
inline constexpr ColorValue kChangedCharacterTint = 0x00D0D0FF;

// Characters [start, start + length) of a cell's shown text, in UTF-16 units.
struct ShownRun {
  int start = 0;
  int length = 0;
  friend bool operator==(const ShownRun&, const ShownRun&) = default;
};

class ChangedTextTint {
 public:
  // Answers the differing runs of a pair of lines.
  using Differ = std::function<ChangedRuns(const PerSide<std::string_view>& lines)>;

  // Reads the rows of both grids' models, which must outlive the tint. The
  // runs are those of the shown pieces of the lines (shown_part.h), so that a
  // line of any length costs at most a shown part's work and memory.
  ChangedTextTint(PerSide<const GridRowModel*> models, Differ differ);

  // What to tint in grid row `row` (from 1) of `side`: nothing unless both
  // sides hold the row in the changed colour.
  [[nodiscard]] std::span<const ShownRun> Runs(Side side, std::int32_t row);

 private:
  // Rows kept, each in the slot of its number modulo the count: a screen of
  // rows never evicts itself, and memory stays bounded on any file.
  static constexpr std::size_t kCachedRows = 512;

  struct Slot {
    std::int32_t row = 0;  // 0: empty
    std::uint64_t key = 0;
    PerSide<std::vector<ShownRun>> runs;
  };

  PerSide<const GridRowModel*> models_;
  Differ differ_;
  std::vector<Slot> slots_;
};

// Paints a text cell as the style does, with `tint` under `runs` of
// option.text; `option` is initialised for the cell.
void PaintTintedCell(QPainter* painter, const QStyleOptionViewItem& option,
                     std::span<const ShownRun> runs, const QColor& tint);

}  // namespace qfc
