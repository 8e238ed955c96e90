#include "grid/shown_part.h"

#include <algorithm>

namespace qfc {
namespace {

// Room left in front of a hit, so that it does not sit at the shown bytes' start.
constexpr std::size_t kLeadIn = kShownPartBytes / 4;
// A UTF-8 sequence is at most four bytes: a lead and three continuations.
constexpr std::size_t kMostContinuationBytes = 3;

[[nodiscard]] bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Moves `at` back onto the lead byte of the sequence it falls in, by at most
// three bytes; a run of stray continuation bytes leaves it where it was.
[[nodiscard]] std::size_t SequenceStart(std::string_view bytes, std::size_t at) {
  for (std::size_t back = 0; back <= kMostContinuationBytes && back < at; ++back) {
    if (at - back >= bytes.size() || !IsContinuation(bytes[at - back])) return at - back;
  }
  return at;
}

}  // namespace

ShownPart PartHolding(std::string_view bytes, std::size_t start, std::size_t length) {
  const std::size_t size = bytes.size();
  if (size <= kShownPartBytes) return {0, size};
  start = std::min(start, size);
  length = std::min(length, size - start);
  std::size_t from = 0;
  if (start + length > kShownPartBytes) {
    from = length >= kShownPartBytes - kLeadIn ? start : start - std::min(start, kLeadIn);
    from = std::min(from, size - kShownPartBytes);
    from = SequenceStart(bytes, from);
  }
  const std::size_t to = std::min(size, from + kShownPartBytes);
  return {from, to == size ? to : SequenceStart(bytes, to)};
}

}  // namespace qfc
