// The plain walk: every count and drop steps entry by entry over the list,
// passing over removed entries. Positions are 1-based.
#include "crossing_removal_reference.h"

#include <string>

namespace qfc::test {
namespace {

// Live entries from `from` on, towards the end (step 1) or the start (step
// -1), up to the first whose right line `holds` is false for.
template <typename Holds>
int Count(const PairList& list, long from, long step, Holds holds) {
  int count = 0;
  for (long p = from; p >= 1 && p <= static_cast<long>(list.size()); p += step) {
    if (IsRemoved(list[p - 1])) continue;
    if (!holds(list[p - 1].right)) break;
    ++count;
  }
  return count;
}

// Marks the first `count` live entries from `from` on, in the direction of `step`.
void Drop(PairList& list, long from, long step, int count) {
  for (long p = from; count > 0; p += step) {
    if (IsRemoved(list[p - 1])) continue;
    list[p - 1] = kRemovedPair;
    --count;
  }
}

}  // namespace

void ReferenceAnalyzeMatches(PairList& list, Progress& progress) {
  std::int32_t lastRight = 0;
  for (long i = 1; i <= static_cast<long>(list.size()); ++i) {
    const LinePair entry = list[i - 1];
    if (IsRemoved(entry)) continue;
    progress.SetProgressText("Analyzing Matched Lines: " + std::to_string(entry.left) + "=" +
                             std::to_string(entry.right));
    if (progress.Canceled()) return;
    if (entry.right > lastRight) {
      lastRight = entry.right;
      continue;
    }
    const int fwd = Count(list, i, 1, [&](std::int32_t right) { return right <= lastRight; });
    const int back =
        Count(list, i - 1, -1, [&](std::int32_t right) { return right >= entry.right; });
    if (fwd > back) {
      Drop(list, i - 1, -1, back);
      lastRight = entry.right;
    } else {
      Drop(list, i, 1, fwd);
    }
  }
  std::erase_if(list, IsRemoved);
}

}  // namespace qfc::test
