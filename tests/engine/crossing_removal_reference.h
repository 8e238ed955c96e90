// Crossing removal written as the plain walk over the list, counting and
// dropping entry by entry. Quadratic on crossed lists; the yardstick for the
// engine's version.
#pragma once

#include "core/line_pair.h"
#include "core/progress.h"

namespace qfc::test {

// Same contract as AnalyzeMatches, on a plain list.
void ReferenceAnalyzeMatches(PairList& list, Progress& progress);

}  // namespace qfc::test
