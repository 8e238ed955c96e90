// The line index of one side: for any line text, whether it occurs exactly
// once among the lines added so far, and at which line number. Texts are
// compared without regard to the case of A-Z. The index keeps only hashes and
// line numbers; texts are read back from the side's LineList, which every call
// names. Blank texts (empty or spaces only) are never asked for, so they are
// not kept either.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/huge_page_allocator.h"
#include "input/line_list.h"

namespace qfc {

class LineIndex {
 public:
  // Forgets every line; costs time in proportion to what was added, so an
  // index can be rebuilt for many small ranges. A table much larger than
  // what it held is given back rather than wiped.
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

  // Forgets the lines after the first `count`, as if only those had been
  // added; the table keeps its size. `lines` must still hold every line
  // added. Costs time in proportion to the lines kept.
  void KeepFirst(const LineList& lines, std::int32_t count);

  // The line number of `text` if it occurs exactly once, else 0. Blank texts
  // (empty or spaces only) answer 0 without a lookup. `hash` is FoldedHash(text).
  [[nodiscard]] std::int32_t UniqueLineNo(const LineList& lines, std::string_view text,
                                          LineHash hash) const;
  [[nodiscard]] std::int32_t UniqueLineNo(const LineList& lines, std::string_view text) const {
    return UniqueLineNo(lines, text, FoldedHash(text));
  }

  // Starts fetching the slot where a text with this FoldedHash lives, so
  // that a lookup of it a little later does not wait on memory.
  void Prefetch(LineHash hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[HomeSlot(hash)]);
  }

  // Makes room for `texts` distinct texts, so that adding that many never
  // grows the table; only a hint.
  void Reserve(std::size_t texts);

  // Distinct texts held.
  [[nodiscard]] std::size_t DistinctTexts() const {
    assert(pendingCount_ == 0);
    return count_;
  }

  // Slots looked at by every search so far: what a hash that crowds one part
  // of the table would make grow with the square of the lines.
  [[nodiscard]] std::uint64_t Probes() const { return probes_; }

 private:
  // Eight bytes, so that a million distinct texts fit in about 11 MB.
  struct Entry {
    LineHash hash = 0;  // the text's FoldedHash; it also picks the home slot
    // The first occurrence's line number while the text occurred once,
    // negated once it recurs (kept to compare texts), 0 for a free slot.
    std::int32_t line = 0;
    [[nodiscard]] std::int32_t FirstLine() const { return line < 0 ? -line : line; }
  };

  // The hash scaled to the table's size: its high bits pick the slot, so any
  // size works, not only powers of two.
  [[nodiscard]] std::size_t HomeSlot(LineHash hash) const {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(hash) * slots_.size()) >> 32);
  }
  [[nodiscard]] std::size_t NextSlot(std::size_t slot) const {
    return slot + 1 == slots_.size() ? 0 : slot + 1;
  }

  void Insert(const LineList& lines, std::int32_t lineNo);
  [[nodiscard]] std::size_t FindSlot(const LineList& lines, std::string_view text,
                                     LineHash hash) const;
  void Rehash(std::size_t slotCount);

  using Slots = std::vector<Entry, HugePageAllocator<Entry>>;

  Slots slots_;  // open addressing with linear probing
  std::size_t count_ = 0;

  // Lines given to AddToIndexLater and not stored yet, oldest at pendingHead_.
  // Sixteen lines of reading and hashing cover the memory latency.
  static constexpr std::size_t kLookahead = 16;
  std::array<std::int32_t, kLookahead> pending_{};
  std::size_t pendingHead_ = 0;
  std::size_t pendingCount_ = 0;

  mutable std::uint64_t probes_ = 0;
};

}  // namespace qfc
