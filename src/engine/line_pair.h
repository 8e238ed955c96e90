// A pair of line numbers, left first: a match, or a row of the aligned result.
#pragma once

#include <cstdint>
#include <vector>

namespace qfc {

struct LinePair {
  std::int32_t left = 0;
  std::int32_t right = 0;

  friend bool operator==(const LinePair&, const LinePair&) = default;
};

// The marker that crossing removal leaves at the position of a removed match.
inline constexpr LinePair kRemovedPair{-1, -1};

// A match is live while its right number is positive; removal sets it to -1.
[[nodiscard]] constexpr bool IsRemoved(const LinePair& pair) { return pair.right <= 0; }

using PairList = std::vector<LinePair>;

}  // namespace qfc
