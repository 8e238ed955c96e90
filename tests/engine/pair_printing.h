// Readable failure output for line pairs: (12, 15).
#pragma once

#include <ostream>

#include "engine/line_pair.h"

namespace qfc {

inline void PrintTo(const LinePair& pair, std::ostream* out) {
  *out << "(" << pair.left << ", " << pair.right << ")";
}

}  // namespace qfc
