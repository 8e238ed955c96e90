// The lines of one file, in file order, addressed by 1-based line number.
// All texts live in one byte arena; per line we keep its end offset and the
// hash of its case-folded text, so that the index and the engine never hash
// a line twice.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/huge_page_allocator.h"

namespace qfc {

// Tabs become exactly this text, wherever they stand.
inline constexpr std::string_view kTabReplacement = "    ";

// Folds A-Z to a-z and leaves every other byte alone.
[[nodiscard]] constexpr unsigned char FoldCase(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Hash of the text with A-Z folded to a-z: texts that differ only in the case
// of those letters hash alike.
[[nodiscard]] std::uint64_t FoldedHash(std::string_view text);

// True when the texts are equal once A-Z are folded to a-z.
[[nodiscard]] bool EqualFolded(std::string_view a, std::string_view b);

class LineList {
 public:
  // Room for about `bytes` of text in `lines` lines; only a hint.
  void Reserve(std::uint64_t bytes, std::uint64_t lines);

  // Appends a line as the reader returned it (without its line end); every
  // tab becomes four spaces. Returns the new line's number.
  std::int32_t AppendExpandingTabs(std::string_view raw);

  [[nodiscard]] std::int32_t Count() const { return static_cast<std::int32_t>(ends_.size()); }
  // lineNo in 1..Count().
  [[nodiscard]] std::string_view Line(std::int32_t lineNo) const;
  [[nodiscard]] std::uint64_t Hash(std::int32_t lineNo) const { return hashes_[Slot(lineNo)]; }
  // Bytes held for all texts.
  [[nodiscard]] std::uint64_t TextBytes() const { return arena_.size(); }

 private:
  [[nodiscard]] static std::size_t Slot(std::int32_t lineNo) {
    return static_cast<std::size_t>(lineNo - 1);
  }

  using Arena = std::basic_string<char, std::char_traits<char>, HugePageAllocator<char>>;
  using Numbers = std::vector<std::uint64_t, HugePageAllocator<std::uint64_t>>;

  Arena arena_;
  Numbers ends_;    // end offset of each line in arena_
  Numbers hashes_;  // FoldedHash of each line
};

}  // namespace qfc
