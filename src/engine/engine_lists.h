// The engine's working lists for one comparison.
#pragma once

#include "engine/keyed_pair_list.h"

namespace qfc {

struct EngineLists {
  KeyedPairList matches;     // the current chain of matched pairs
  KeyedPairList newMatches;  // the pairs found by the current refinement pass
  KeyedPairList resultRows;  // one pair per output row, top to bottom; -1 for a missing side
};

}  // namespace qfc
