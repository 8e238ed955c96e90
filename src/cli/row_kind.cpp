#include "cli/row_kind.h"

#include "engine/row_sink.h"
#include "input/lines_differ.h"

namespace qfc::cli {

RowKind KindOf(const LinePair& row, const PerSide<LineList>& lines) {
  if (row.left == kNoLine) return RowKind::RightOnly;
  if (row.right == kNoLine) return RowKind::LeftOnly;
  return LinesDiffer(lines[Side::Left].Line(row.left), lines[Side::Right].Line(row.right))
             ? RowKind::Changed
             : RowKind::Equal;
}

}  // namespace qfc::cli
