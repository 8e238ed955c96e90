// The characters of a changed row that differ, as runs of bytes per side:
// what the character diff answers and what the window tints and
// quorvelin-diff marks.
#pragma once

#include <cstdint>
#include <vector>

#include "core/side.h"

namespace qfc {

// A run of bytes of one line: [start, start + length).
struct ByteRun {
  std::int32_t start = 0;
  std::int32_t length = 0;
  friend bool operator==(const ByteRun&, const ByteRun&) = default;
};

// The differing runs of each side, in line order, never empty, never
// touching each other, never splitting a character.
using ChangedRuns = PerSide<std::vector<ByteRun>>;

}  // namespace qfc
