// How a row of the aligned result is shown: equal, changed, or a line on one
// side only, by the same rule as the window's colours.
#pragma once

#include <string_view>

#include "engine/line_pair.h"
#include "input/line_list.h"
#include "input/side.h"

namespace qfc::cli {

enum class RowKind : char { Equal = '=', Changed = '!', LeftOnly = '<', RightOnly = '>' };

// The kind of `row` (either side may be kNoLine) over the two files' lines.
[[nodiscard]] RowKind KindOf(const LinePair& row, const PerSide<LineList>& lines);

[[nodiscard]] constexpr char KindMark(RowKind kind) { return static_cast<char>(kind); }

}  // namespace qfc::cli
