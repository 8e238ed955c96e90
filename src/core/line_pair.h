// Line numbers and pairs of them: the vocabulary in which the engine's
// matches and the aligned rows are written.
#pragma once

#include <cstdint>
#include <vector>

#include "core/side.h"

namespace qfc {

// The 1-based position of a line in its file's line list.
using LineNumber = std::int32_t;

// The one "no line" value: a row side without a line, and both sides of a
// match that crossing removal took out.
inline constexpr LineNumber kNoLine = -1;

// Two line numbers, left first: a match, or a row of the aligned result.
struct LinePair {
  LineNumber left = 0;
  LineNumber right = 0;

  [[nodiscard]] constexpr LineNumber& operator[](Side side) {
    return side == Side::Left ? left : right;
  }
  [[nodiscard]] constexpr LineNumber operator[](Side side) const {
    return side == Side::Left ? left : right;
  }
  // False where a row has no line on `side`.
  [[nodiscard]] constexpr bool HasLine(Side side) const { return (*this)[side] != kNoLine; }

  friend bool operator==(const LinePair&, const LinePair&) = default;
};

// What crossing removal leaves at the position of a removed match.
inline constexpr LinePair kRemovedPair{kNoLine, kNoLine};

[[nodiscard]] constexpr bool IsRemoved(const LinePair& pair) { return pair == kRemovedPair; }

using PairList = std::vector<LinePair>;

}  // namespace qfc
