// Crossing removal. One greedy walk from the top keeps a chain of matches
// whose right lines increase. When match i does not continue the chain
// (its right line is not above lastRight, the right line of the last kept
// match), two groups are counted: the forward group, match i and the matches
// after it up to the first one that would continue the chain; and the
// backward group, the kept matches at the end of the chain whose right lines
// are not below match i's. The smaller group is removed; on a tie the forward
// group goes.
//
// Counted by walking the list, both groups cost time in proportion to their
// length, which makes a reversed file quadratic. Two facts make each count
// logarithmic instead, with exactly the same results:
//   - The live matches before position i are exactly the kept chain, and its
//     right lines strictly increase. So the backward group is the chain's
//     top entries with right line >= match i's: a binary search, and dropping
//     it pops the chain.
//   - Nothing at or after position i has been removed yet (a forward drop
//     removes i and the matches after it, and the walk resumes behind them).
//     So the forward group ends at the first position >= i whose right line
//     exceeds lastRight in the unchanged input: a search in a static tree of
//     maxima over the right lines, built when the first conflict appears.
#include "engine/crossing_removal.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstddef>
#include <span>
#include <vector>

#include "engine/detail_text.h"

namespace qfc {
namespace {

constexpr std::string_view kAnalyzingText = "Analyzing Matched Lines: ";

// Maximum of the right lines over the positions of a list that does not
// change; answers "first position >= from whose right line exceeds bound".
class RightLineMaxima {
 public:
  [[nodiscard]] bool Built() const { return !nodes_.empty(); }

  void Build(std::span<const LinePair> entries) {
    leaves_ = std::bit_ceil(std::max<std::size_t>(entries.size(), 1));
    nodes_.assign(2 * leaves_, INT32_MIN);
    for (std::size_t i = 0; i < entries.size(); ++i) nodes_[leaves_ + i] = entries[i].right;
    for (std::size_t node = leaves_ - 1; node >= 1; --node) {
      nodes_[node] = std::max(nodes_[2 * node], nodes_[2 * node + 1]);
    }
  }

  // The first position >= from whose right line is greater than bound, or
  // `end` when there is none.
  [[nodiscard]] std::size_t FirstAbove(std::size_t from, std::int32_t bound, std::size_t end,
                                       WalkStepCounter& counter) const {
    std::size_t node = leaves_ + from;
    // Climb to the first subtree, left to right, whose maximum exceeds bound.
    while (nodes_[node] <= bound) {
      while ((node & 1) != 0) {
        node >>= 1;
        ++counter.steps;
      }
      if (node == 0) return end;
      ++node;
      ++counter.steps;
    }
    // Descend to its leftmost leaf above bound.
    while (node < leaves_) {
      node *= 2;
      if (nodes_[node] <= bound) ++node;
      ++counter.steps;
    }
    return std::min(node - leaves_, end);
  }

 private:
  std::size_t leaves_ = 1;
  std::vector<std::int32_t> nodes_;  // 1-based heap layout; padding leaves hold INT32_MIN
};

class CrossingWalk {
 public:
  CrossingWalk(KeyedPairList& list, WalkStepCounter& counter) : list_(list), counter_(counter) {}

  // Runs the walk; false when canceled.
  [[nodiscard]] bool Run(Progress& progress) {
    const std::size_t n = list_.Size();
    chain_.reserve(n);
    std::int32_t lastRight = 0;
    for (std::size_t i = 0; i < n; ++i) {
      ++counter_.steps;
      const LinePair entry = list_[i];
      if (IsRemoved(entry)) continue;
      DetailText text;
      progress.SetProgressText(
          text.Append(kAnalyzingText).Append(entry.left).Append("=").Append(entry.right).View());
      if (progress.Canceled()) return false;
      if (entry.right > lastRight) {
        lastRight = entry.right;
        chain_.push_back(static_cast<Position>(i));
        continue;
      }
      const std::size_t forward = CountForward(i, lastRight);
      const std::size_t backward = CountBackward(entry.right);
      if (forward > backward) {
        DropBackward(backward);
        chain_.push_back(static_cast<Position>(i));
        lastRight = entry.right;
      } else {
        DropForward(i, forward);
      }
    }
    return true;
  }

 private:
  // Live entries from position i on whose right line is not above lastRight,
  // up to the first that is (or the end); at least 1, entry i itself.
  [[nodiscard]] std::size_t CountForward(std::size_t i, std::int32_t lastRight) {
    if (!maxima_.Built()) maxima_.Build(list_.Entries());
    const std::size_t stop = maxima_.FirstAbove(i, lastRight, list_.Size(), counter_);
    return stop - i;
  }

  // Live entries before the current one whose right line is not below
  // `right`, counted back to the first that is (or the start): the chain's
  // top entries from its first right line >= right.
  [[nodiscard]] std::size_t CountBackward(std::int32_t right) {
    const auto first = std::lower_bound(chain_.begin(), chain_.end(), right,
                                        [&](Position position, std::int32_t bound) {
                                          ++counter_.steps;
                                          return list_[position].right < bound;
                                        });
    return static_cast<std::size_t>(chain_.end() - first);
  }

  // Removes the `count` live entries just before the current one: the chain's top.
  void DropBackward(std::size_t count) {
    for (; count > 0; --count) {
      ++counter_.steps;
      list_.MarkRemoved(chain_.back());
      chain_.pop_back();
    }
  }

  // Removes entry i and the count - 1 entries after it, all live.
  void DropForward(std::size_t i, std::size_t count) {
    for (std::size_t position = i; position < i + count; ++position) {
      ++counter_.steps;
      assert(!IsRemoved(list_[position]));
      list_.MarkRemoved(position);
    }
  }

  KeyedPairList& list_;
  WalkStepCounter& counter_;
  // A list holds at most one pair per line of a side, so its positions fit.
  using Position = std::uint32_t;
  std::vector<Position> chain_;  // positions of the kept live entries, in order
  RightLineMaxima maxima_;          // built at the first conflict
};

[[maybe_unused]] bool IsChain(std::span<const LinePair> entries) {
  for (std::size_t i = 1; i < entries.size(); ++i) {
    if (entries[i].left <= entries[i - 1].left || entries[i].right <= entries[i - 1].right)
      return false;
  }
  return true;
}

}  // namespace

void AnalyzeMatches(KeyedPairList& list, Progress& progress, WalkStepCounter* counter) {
  WalkStepCounter unused;
  {
    // The walk's own lists are gone before the compacted copy is made.
    CrossingWalk walk(list, counter != nullptr ? *counter : unused);
    if (!walk.Run(progress)) return;
  }
  CompactMatches(list);
  assert(IsChain(list.Entries()));
}

void CompactMatches(KeyedPairList& list) {
  PairList live;
  live.reserve(list.Size());
  for (const LinePair& entry : list.Entries()) {
    if (!IsRemoved(entry)) live.push_back(entry);
  }
  list.ReplaceWithoutKeys(std::move(live));
}

}  // namespace qfc
