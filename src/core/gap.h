// The lines between two consecutive matches: an inclusive line range per
// side. A range is empty when its end is less than its start.
#pragma once

#include "core/line_pair.h"
#include "core/side.h"

namespace qfc {

struct LineRange {
  LineNumber start = 0;
  LineNumber end = 0;

  [[nodiscard]] constexpr bool HasLines() const { return end - start + 1 > 0; }

  friend bool operator==(const LineRange&, const LineRange&) = default;
};

struct Gap {
  LineRange left;
  LineRange right;

  [[nodiscard]] constexpr LineRange& operator[](Side side) {
    return side == Side::Left ? left : right;
  }
  [[nodiscard]] constexpr const LineRange& operator[](Side side) const {
    return side == Side::Left ? left : right;
  }

  friend bool operator==(const Gap&, const Gap&) = default;
};

// The lines strictly between `above` and `below` on each side (`above` may be
// {0, 0} for the top of the files, `below` one past the last lines).
[[nodiscard]] constexpr Gap GapBetween(const LinePair& above, const LinePair& below) {
  return {{above.left + 1, below.left - 1}, {above.right + 1, below.right - 1}};
}

}  // namespace qfc
