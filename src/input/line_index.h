// The line index of one side: for any line text, whether it occurs exactly
// once among the lines added so far, and at which line number. Texts are
// compared without regard to the case of A-Z. The index keeps only hashes and
// line numbers; texts are read back from the side's LineList, which every call
// names.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string_view>
#include <vector>

#include "input/line_list.h"

namespace qfc {

class LineIndex {
 public:
  // Forgets every line; costs time in proportion to what was added, so an
  // index can be rebuilt for many small ranges.
  void Clear();

  // Adds line `lineNo` of `lines`: a new text is counted once with its line
  // number, a text already present once more, and its line number is dropped.
  void AddToIndex(const LineList& lines, std::int32_t lineNo);

  // AddToIndex for a whole file read line by line: the line's slot is fetched
  // from memory now and filled a few lines later, which hides the cache miss.
  // The line may stay pending until the next AddToIndex, AddToIndexLater or
  // Flush; Flush before any query. Lines are stored in the order given.
  void AddToIndexLater(const LineList& lines, std::int32_t lineNo);
  void Flush(const LineList& lines);

  // The line number of `text` if it occurs exactly once, else 0. Blank texts
  // (empty or spaces only) answer 0 without a lookup. `hash` is FoldedHash(text).
  [[nodiscard]] std::int32_t UniqueLineNo(const LineList& lines, std::string_view text,
                                          std::uint64_t hash) const;
  [[nodiscard]] std::int32_t UniqueLineNo(const LineList& lines, std::string_view text) const {
    return UniqueLineNo(lines, text, FoldedHash(text));
  }

  // Makes room for `texts` distinct texts, so that adding that many never
  // grows the table; only a hint.
  // Starts fetching the slot where a text with this FoldedHash lives, so
  // that a lookup of it a little later does not wait on memory.
  void Prefetch(std::uint64_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[HomeSlot(HashTag(hash))]);
  }

  void Reserve(std::size_t texts);

  // Distinct texts held.
  [[nodiscard]] std::size_t DistinctTexts() const {
    assert(pendingCount_ == 0);
    return used_.size();
  }

 private:
  // Eight bytes, so that a million distinct texts fit in 16 MiB of slots.
  struct Entry {
    std::uint32_t hashTag = 0;  // low half of the text's FoldedHash; also picks the home slot
    // The first occurrence's line number while the text occurred once,
    // negated once it recurs (kept to compare texts), 0 for a free slot.
    std::int32_t line = 0;
    [[nodiscard]] std::int32_t FirstLine() const { return line < 0 ? -line : line; }
  };

  [[nodiscard]] static std::uint32_t HashTag(std::uint64_t hash) {
    return static_cast<std::uint32_t>(hash);
  }
  [[nodiscard]] std::size_t HomeSlot(std::uint32_t hashTag) const {
    return hashTag & (slots_.size() - 1);
  }

  void Insert(const LineList& lines, std::int32_t lineNo);
  [[nodiscard]] std::size_t FindSlot(const LineList& lines, std::string_view text,
                                     std::uint64_t hash) const;
  void Grow();
  void Rehash(std::size_t slotCount);

  using Slots = std::vector<Entry, HugePageAllocator<Entry>>;

  // Puts an entry known to be absent into the first free slot of its probe run.
  void Place(const Entry& entry);

  Slots slots_;                      // open addressing, size a power of two
  std::vector<std::uint32_t> used_;  // occupied slots, for a cheap Clear

  // Lines given to AddToIndexLater and not stored yet, oldest at pendingHead_.
  // Sixteen lines of reading and hashing cover the memory latency.
  static constexpr std::size_t kLookahead = 16;
  std::array<std::int32_t, kLookahead> pending_{};
  std::size_t pendingHead_ = 0;
  std::size_t pendingCount_ = 0;
};

}  // namespace qfc
