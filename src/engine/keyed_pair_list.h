// An ordered list of line pairs that holds each pair at most once: adding a
// pair the list already holds adds nothing and reports nothing. Order of
// entries is the order of adding.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_set>
#include <vector>

#include "core/line_pair.h"

namespace qfc {

class KeyedPairList {
 public:
  // Appends `pair` unless a pair added under a key is equal to it.
  void Add(LinePair pair);

  // The list becomes `entries`, which carry no key: a later Add is checked
  // only against the pairs added after this call.
  void ReplaceWithoutKeys(PairList entries);

  // A new, empty list.
  void Clear() { ReplaceWithoutKeys({}); }

  void Reserve(std::size_t count) { entries_.reserve(count); }

  // Marks the entry at 0-based `position` removed (kRemovedPair) in place.
  // Only crossing removal marks, and it always replaces the list afterwards
  // (or the comparison stops), so a marked list is never added to.
  void MarkRemoved(std::size_t position);

  // The first `count` entries will not be read again: the whole memory pages
  // they fill go back to the system at once, and those entries read as
  // anything from now on. The size stays.
  void ReleaseFront(std::size_t count);

  [[nodiscard]] std::size_t Size() const { return entries_.size(); }
  [[nodiscard]] bool Empty() const { return entries_.empty(); }
  // 0-based.
  [[nodiscard]] const LinePair& operator[](std::size_t position) const {
    return entries_[position];
  }
  [[nodiscard]] std::span<const LinePair> Entries() const { return entries_; }

 private:
  [[nodiscard]] static std::uint64_t Key(LinePair pair);
  [[nodiscard]] bool HoldsKey(LinePair pair);

  PairList entries_;
  std::size_t keyedFrom_ = 0;  // entries before this position carry no key
  // A pair whose left or right number exceeds every keyed pair's cannot be
  // held yet. The engine adds in increasing order, so this proof almost
  // always suffices and the key set is built only when it fails.
  std::int32_t maxLeft_ = INT32_MIN;
  std::int32_t maxRight_ = INT32_MIN;
  bool keysBuilt_ = false;
  std::unordered_set<std::uint64_t> keys_;
};

}  // namespace qfc
