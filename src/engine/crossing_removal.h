// Removal of crossing matches: turns a match list whose left lines increase
// into a chain whose right lines increase as well.
#pragma once

#include <cstdint>

#include "core/progress.h"
#include "engine/keyed_pair_list.h"

namespace qfc {

// Counts the elementary steps of one walk, so that tests can show how the
// work grows with the list.
struct WalkStepCounter {
  std::int64_t steps = 0;
};

// `list`: left lines strictly increasing, every right line positive. Walks
// it once from the top, showing "Analyzing Matched Lines: L=R" and checking
// for cancel at every live entry, removes the smaller group of each conflict
// (the forward group on a tie) and compacts. A cancel returns at once and
// leaves the removed entries marked, without compaction.
void AnalyzeMatches(KeyedPairList& list, Progress& progress, WalkStepCounter* counter = nullptr);

// Replaces `list` by its entries that are not marked removed, in order,
// without keys.
void CompactMatches(KeyedPairList& list);

}  // namespace qfc
