#include "input/line_list.h"

#include <algorithm>

namespace qfc {

std::uint64_t FoldedHash(std::string_view text) {
  // FNV-1a over the folded bytes.
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (char c : text) {
    hash ^= FoldCase(static_cast<unsigned char>(c));
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

bool EqualFolded(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldCase(static_cast<unsigned char>(x)) == FoldCase(static_cast<unsigned char>(y));
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
  for (std::size_t tab = raw.find('\t'); tab != std::string_view::npos; tab = raw.find('\t', from)) {
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
