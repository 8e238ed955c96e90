// Iterative refinement: one pass searches every gap between consecutive
// matches for lines unique within the gap and merges what it finds.
#pragma once

#include "core/gap.h"
#include "core/progress.h"
#include "engine/barren_gaps.h"
#include "engine/engine_lists.h"
#include "input/loaded_text.h"

namespace qfc {

// True when both sides of the gap hold at least one line.
[[nodiscard]] constexpr bool RangeHasLines(const Gap& gap) {
  return gap.left.HasLines() && gap.right.HasLines();
}

// One pass over the n + 1 gaps of `lists.matches` (none when it is empty):
// searches each gap with lines on both sides, shows "Range a, b, c, d" and
// checks for cancel after every gap, then removes the crossings among the
// findings and merges them into the matches. Leaves the pass's findings in
// `lists.newMatches`. A cancel in the gap loop returns without analysis or
// merge. `barren` carries the fruitless gaps from pass to pass.
void ProcessRanges(LoadedText& text, Progress& progress, EngineLists& lists, BarrenGaps& barren);

// Merges `newMatches` (each strictly inside one gap of `matches`) into
// `matches`, keeping both line numbers increasing. The result has no keys.
void MergeMatches(KeyedPairList& matches, const KeyedPairList& newMatches);

}  // namespace qfc
