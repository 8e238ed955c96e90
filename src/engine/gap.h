// A gap between two consecutive matches: inclusive line ranges on both sides.
// A side is empty when its end is less than its start.
#pragma once

#include <cstdint>

namespace qfc {

struct Gap {
  std::int32_t leftStart = 0;
  std::int32_t leftEnd = 0;
  std::int32_t rightStart = 0;
  std::int32_t rightEnd = 0;

  friend bool operator==(const Gap&, const Gap&) = default;
};

}  // namespace qfc
