// Which part of a line's bytes the grid hands to the toolkit. A line may be
// hundreds of megabytes long, but the text column shows only a few hundred
// characters of it; laying out the whole line would take seconds per paint
// and overflows the toolkit's 32-bit text sizes. The grid therefore shows a
// part of at most kShownPartBytes: the line's start, or, once a search hit
// lies beyond it, a part that holds the hit. The whole line stays the cell's
// text for everything else (search, copy, comparison).
#pragma once

#include <cstddef>
#include <string_view>

namespace qfc {

// Comfortably more than the text column can show in any font.
inline constexpr std::size_t kShownPartBytes = 4000;

// Byte offsets [from, to) into a line.
struct ShownPart {
  std::size_t from = 0;
  std::size_t to = 0;

  [[nodiscard]] std::string_view Of(std::string_view bytes) const {
    return bytes.substr(from, to - from);
  }
  [[nodiscard]] bool Holds(std::size_t start, std::size_t length) const {
    return from <= start && start + length <= to;
  }
};

// The shown bytes of `bytes` that hold bytes [start, start + length): the line's
// start when that holds it, else a part that begins a little before `start`.
// A selection longer than a part gets a part that begins with it. Both ends
// fall on the start of a UTF-8 sequence where the bytes allow, so that a part
// of a UTF-8 line is itself UTF-8. A line of at most kShownPartBytes is its
// own part.
[[nodiscard]] ShownPart PartHolding(std::string_view bytes, std::size_t start = 0,
                                    std::size_t length = 0);

}  // namespace qfc
