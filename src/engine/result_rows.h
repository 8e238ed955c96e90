// What the engine's result is made of: the aligned rows, each a LinePair
// with kNoLine on a side without a line. The kind of a row and the rule that
// the rows cover both files are defined here once, for every consumer (the
// grids' colours, quorvelin-diff, the checks in tests and fuzzers).
#pragma once

#include <span>

#include "core/line_pair.h"
#include "core/side.h"
#include "input/line_list.h"

namespace qfc {

// One byte, since the headless command keeps one per row.
enum class RowKind : std::uint8_t { Equal, Changed, LeftOnly, RightOnly };

// Equal when both lines are there and their texts do not differ (see
// LinesDiffer); Changed when both are there and differ; LeftOnly or
// RightOnly when the other side has no line.
[[nodiscard]] RowKind RowKindOf(const LinePair& row, const PerSide<LineList>& lines);

[[nodiscard]] constexpr bool IsDifference(RowKind kind) { return kind != RowKind::Equal; }

// The invariant of a complete result: every row holds at least one line, and
// every line of each side appears exactly once, in increasing order, with
// `lineCounts` lines a side.
[[nodiscard]] bool CoversEveryLine(std::span<const LinePair> rows, PerSide<LineNumber> lineCounts);

}  // namespace qfc
