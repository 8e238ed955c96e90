#include "engine/result_rows.h"

#include "input/lines_differ.h"

namespace qfc {

RowKind RowKindOf(const LinePair& row, const PerSide<LineList>& lines) {
  if (!row.HasLine(Side::Left)) return RowKind::RightOnly;
  if (!row.HasLine(Side::Right)) return RowKind::LeftOnly;
  return LinesDiffer(lines[Side::Left].Line(row.left), lines[Side::Right].Line(row.right))
             ? RowKind::Changed
             : RowKind::Equal;
}

bool CoversEveryLine(std::span<const LinePair> rows, PerSide<LineNumber> lineCounts) {
  PerSide<LineNumber> next{{1, 1}};
  for (const LinePair& row : rows) {
    if (!row.HasLine(Side::Left) && !row.HasLine(Side::Right)) return false;
    for (const Side side : kBothSides) {
      if (row.HasLine(side) && row[side] != next[side]++) return false;
    }
  }
  for (const Side side : kBothSides) {
    if (next[side] != lineCounts[side] + 1) return false;
  }
  return true;
}

}  // namespace qfc
