#include "input/line_list.h"

#include <algorithm>
#include <cstring>

namespace qfc {

namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
// Odd constants with well-mixed bits, for the multiply-fold mixing below.
constexpr std::uint64_t kSecret0 = 0xa0761d6478bd642fULL;
constexpr std::uint64_t kSecret1 = 0xe7037ed1a0b428dbULL;
constexpr std::uint64_t kSecret2 = 0x8ebc6af09c88c6e3ULL;

// Folds A-Z to a-z in all eight bytes of a word at once: a byte gets its 0x20
// bit when its low seven bits lie in 'A'..'Z' and its high bit is clear. The
// additions cannot carry from one byte into the next.
[[nodiscard]] constexpr std::uint64_t FoldWord(std::uint64_t word) {
  const std::uint64_t low7 = word & ~kHighBits;
  const std::uint64_t atLeastA = low7 + (0x80 - 'A') * kEveryByte;
  const std::uint64_t aboveZ = low7 + (0x80 - 'Z' - 1) * kEveryByte;
  const std::uint64_t upper = atLeastA & ~aboveZ & ~word & kHighBits;
  return word | (upper >> 2);
}

// 64 x 64 -> 128-bit multiply, folded back to 64 bits.
[[nodiscard]] inline std::uint64_t MultiplyFold(std::uint64_t a, std::uint64_t b) {
  const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
  return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

}  // namespace

std::uint64_t FoldedHash(std::string_view text) {
  // Eight folded bytes at a time; the tail is zero-padded, and the length
  // keeps texts that differ only by trailing NUL bytes apart.
  std::uint64_t hash = kSecret0 ^ (text.size() * kSecret1);
  const char* at = text.data();
  std::size_t left = text.size();
  for (; left >= sizeof(std::uint64_t);
       left -= sizeof(std::uint64_t), at += sizeof(std::uint64_t)) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    hash = MultiplyFold(FoldWord(word) ^ kSecret1, hash ^ kSecret2);
  }
  if (left > 0) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, left);
    hash = MultiplyFold(FoldWord(word) ^ kSecret1, hash ^ kSecret2);
  }
  return MultiplyFold(hash ^ kSecret0, kSecret1);
}

bool EqualFolded(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldCase(static_cast<unsigned char>(x)) ==
                  FoldCase(static_cast<unsigned char>(y));
         });
}

void LineList::Reserve(std::uint64_t bytes, std::uint64_t lines) {
  arena_.reserve(bytes);
  ends_.reserve(lines);
  hashes_.reserve(lines);
}

std::int32_t LineList::AppendExpandingTabs(std::string_view raw) {
  const std::size_t start = arena_.size();
  std::size_t from = 0;
  for (std::size_t tab = raw.find('\t'); tab != std::string_view::npos;
       tab = raw.find('\t', from)) {
    arena_.append(raw.substr(from, tab - from));
    arena_.append(kTabReplacement);
    from = tab + 1;
  }
  arena_.append(raw.substr(from));
  ends_.push_back(arena_.size());
  hashes_.push_back(FoldedHash(std::string_view(arena_).substr(start)));
  return Count();
}

std::string_view LineList::Line(std::int32_t lineNo) const {
  const std::size_t slot = Slot(lineNo);
  const std::uint64_t begin = slot == 0 ? 0 : ends_[slot - 1];
  return std::string_view(arena_).substr(begin, ends_[slot] - begin);
}

}  // namespace qfc
