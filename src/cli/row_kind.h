// How a row of the aligned result is shown: equal, changed, or a line on one
// side only, by the same rule as the window's colours.
#pragma once

#include <string_view>

#include "engine/line_pair.h"
#include "input/line_list.h"
#include "input/side.h"

namespace qfc::cli {

enum class RowKind : char { Equal = '=', Changed = '!', LeftOnly = '<', RightOnly = '>' };

// True when the texts differ: two blank texts (empty or spaces only) are
// equal, any others are compared exactly, letter case included.
[[nodiscard]] bool LinesDiffer(std::string_view left, std::string_view right);

// The kind of `row` (either side may be kNoLine) over the two files' lines.
[[nodiscard]] RowKind KindOf(const LinePair& row, const PerSide<LineList>& lines);

[[nodiscard]] constexpr char KindMark(RowKind kind) { return static_cast<char>(kind); }

}  // namespace qfc::cli
