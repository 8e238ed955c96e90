#include "crossing_removal_reference.h"

#include <string>

namespace qfc::test {
namespace {

using Position = std::size_t;  // 1-based, as in the walk's description

bool Live(const PairList& list, Position p) { return !IsRemoved(list[p - 1]); }
std::int32_t RightOf(const PairList& list, Position p) { return list[p - 1].right; }

int CountForward(const PairList& list, Position i, std::int32_t lastRight) {
  int count = 0;
  for (Position p = i; p <= list.size(); ++p) {
    if (!Live(list, p)) continue;
    if (RightOf(list, p) > lastRight) break;
    ++count;
  }
  return count;
}

int CountBackward(const PairList& list, Position k, std::int32_t right) {
  int count = 0;
  for (Position p = k; p >= 1; --p) {
    if (!Live(list, p)) continue;
    if (RightOf(list, p) < right) break;
    ++count;
  }
  return count;
}

void DropForward(PairList& list, Position i, int count) {
  for (Position p = i; count > 0; ++p) {
    if (!Live(list, p)) continue;
    list[p - 1] = kRemovedPair;
    --count;
  }
}

void DropBackward(PairList& list, Position k, int count) {
  for (Position p = k; count > 0; --p) {
    if (!Live(list, p)) continue;
    list[p - 1] = kRemovedPair;
    --count;
  }
}

}  // namespace

void ReferenceAnalyzeMatches(PairList& list, Progress& progress) {
  const Position n = list.size();
  std::int32_t lastRight = 0;
  for (Position i = 1; i <= n; ++i) {
    if (!Live(list, i)) continue;
    const LinePair entry = list[i - 1];
    progress.SetProgressText("Analyzing Matched Lines: " + std::to_string(entry.left) + "=" +
                             std::to_string(entry.right));
    if (progress.Canceled()) return;
    if (entry.right > lastRight) {
      lastRight = entry.right;
      continue;
    }
    const int fwd = CountForward(list, i, lastRight);
    const int back = CountBackward(list, i - 1, entry.right);
    if (fwd > back) {
      DropBackward(list, i - 1, back);
      lastRight = entry.right;
    } else {
      DropForward(list, i, fwd);
    }
  }
  PairList live;
  for (const LinePair& entry : list) {
    if (entry.left != -1 && entry.right != -1) live.push_back(entry);
  }
  list = live;
}

}  // namespace qfc::test
