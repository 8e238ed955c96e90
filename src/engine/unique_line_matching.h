// Matching of lines that occur exactly once on each side, in the whole files
// or within one gap between matches.
#pragma once

#include "core/gap.h"
#include "core/progress.h"
#include "engine/keyed_pair_list.h"
#include "input/loaded_text.h"

namespace qfc {

// Replaces `matches` by the pairs (i, r) where left line i and right line r
// are the same text apart from letter case, not blank, and each occurs once
// in its whole file. Pairs come in increasing order of i. Uses the
// whole-file indexes of `text` and gives the left one back (it is empty
// afterwards). Shows "Indexing..." and checks for cancel after every left
// line; a cancel keeps the pairs found so far.
void MatchUniqueLines(LoadedText& text, Progress& progress, KeyedPairList& matches);

// Rebuilds both indexes of `text` from the gap's lines alone and adds to
// `newMatches` the pairs of lines unique on both sides of the gap, in
// increasing order of the left line. Needs lines on both sides of the gap.
// No progress text, no cancel check: the caller checks after every gap.
void MatchUniqueInRange(LoadedText& text, const Gap& gap, KeyedPairList& newMatches);

}  // namespace qfc
