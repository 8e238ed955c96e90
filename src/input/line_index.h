// The line index of one side: for any line text, whether it occurs exactly
// once among the lines added so far, and at which line number. Texts are
// compared without regard to the case of A-Z. The index keeps only hashes and
// line numbers; texts are read back from the side's LineList, which every call
// names.
#pragma once

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

  // The line number of `text` if it occurs exactly once, else 0. Blank texts
  // (empty or spaces only) answer 0 without a lookup. `hash` is FoldedHash(text).
  [[nodiscard]] std::int32_t UniqueLineNo(const LineList& lines, std::string_view text,
                                          std::uint64_t hash) const;
  [[nodiscard]] std::int32_t UniqueLineNo(const LineList& lines, std::string_view text) const {
    return UniqueLineNo(lines, text, FoldedHash(text));
  }

  // Distinct texts held.
  [[nodiscard]] std::size_t DistinctTexts() const { return used_.size(); }

 private:
  struct Entry {
    std::uint64_t hash = 0;
    std::int32_t firstLine = 0;    // line number of the first occurrence; 0 = free slot
    std::int32_t occurrences = 0;
  };

  [[nodiscard]] std::size_t FindSlot(const LineList& lines, std::string_view text,
                                     std::uint64_t hash) const;
  void Grow();

  using Slots = std::vector<Entry, HugePageAllocator<Entry>>;

  // Puts an entry known to be absent into the first free slot of its probe run.
  void Place(const Entry& entry);

  Slots slots_;                      // open addressing, size a power of two
  std::vector<std::uint32_t> used_;  // occupied slots, for a cheap Clear
};

}  // namespace qfc
