// Resolution of the final match chain into the aligned rows.
#pragma once

#include <cstdint>

#include "core/gap.h"
#include "core/progress.h"
#include "engine/keyed_pair_list.h"

namespace qfc {

// n when it is not greater than end, else kNoLine.
[[nodiscard]] constexpr std::int32_t LineOrNone(std::int32_t n, std::int32_t end) {
  return n <= end ? n : kNoLine;
}

// a when a is greater than b, else b.
[[nodiscard]] constexpr std::int32_t MaxLong(std::int32_t a, std::int32_t b) {
  return a > b ? a : b;
}

// Replaces `rows` by one row per match and the rows of the gaps around the
// matches (`matches` strictly increasing in both lines; the files have
// leftCount and rightCount lines). Shows "Resolving l, r" and checks for
// cancel after every match; a cancel returns at once, without the gap below.
void ResolveRows(const KeyedPairList& matches, std::int32_t leftCount, std::int32_t rightCount,
                 Progress& progress, KeyedPairList& rows);

// Appends the rows of one gap: its lines side by side from the top, the
// longer side's surplus opposite kNoLine. No row when both sides are empty.
void FillGapRows(const Gap& gap, KeyedPairList& rows);

}  // namespace qfc
