#include "engine/keyed_pair_list.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <utility>

namespace qfc {

std::uint64_t KeyedPairList::Key(LinePair pair) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(pair.left)) << 32) |
         static_cast<std::uint32_t>(pair.right);
}

bool KeyedPairList::HoldsKey(LinePair pair) {
  if (pair.left > maxLeft_ || pair.right > maxRight_) return false;
  if (!keysBuilt_) {
    for (std::size_t i = keyedFrom_; i < entries_.size(); ++i) keys_.insert(Key(entries_[i]));
    keysBuilt_ = true;
  }
  return keys_.contains(Key(pair));
}

void KeyedPairList::Add(LinePair pair) {
  if (HoldsKey(pair)) return;
  entries_.push_back(pair);
  maxLeft_ = std::max(maxLeft_, pair.left);
  maxRight_ = std::max(maxRight_, pair.right);
  if (keysBuilt_) keys_.insert(Key(pair));
}

void KeyedPairList::ReplaceWithoutKeys(PairList entries) {
  entries_ = std::move(entries);
  keyedFrom_ = entries_.size();
  maxLeft_ = INT32_MIN;
  maxRight_ = INT32_MIN;
  keysBuilt_ = false;
  keys_ = {};
}

void KeyedPairList::ReleaseFront(std::size_t count) {
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto begin = reinterpret_cast<std::uintptr_t>(entries_.data());
  const auto end = reinterpret_cast<std::uintptr_t>(entries_.data() + std::min(count, Size()));
  const std::uintptr_t firstPage = (begin + page - 1) / page * page;
  const std::uintptr_t pastLastPage = end / page * page;
  // Only a hint: should the system refuse, the memory stays in use.
  if (firstPage < pastLastPage) {
    ::madvise(reinterpret_cast<void*>(firstPage), pastLastPage - firstPage, MADV_DONTNEED);
  }
}

void KeyedPairList::MarkRemoved(std::size_t position) {
  assert(position < entries_.size());
  entries_[position] = kRemovedPair;
}

}  // namespace qfc
