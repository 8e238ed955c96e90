#include "input/text_mode_check.h"

namespace qfc {

bool IsWithin(std::int32_t value, std::int32_t target, std::int32_t tolerance) {
  // In 64 bits, so that the bounds themselves cannot overflow.
  const std::int64_t wide = value;
  return wide - tolerance <= target && target <= wide + tolerance;
}

void CheckTextMode(std::int32_t bytesRead, std::int32_t crLfCount, std::int32_t charactersConsumed,
                   std::int32_t charactersRead, std::int32_t tolerance, bool& binaryMode) {
  // Consumed exceeds read by exactly 2 per line, so this is the line count.
  const auto lines = static_cast<std::int32_t>(
      (static_cast<double>(charactersConsumed) - static_cast<double>(charactersRead)) / 2.0);
  if (lines > kRatioTestMinLines &&
      static_cast<std::int64_t>(lines) > 2 * static_cast<std::int64_t>(crLfCount)) {
    binaryMode = true;
  }
  if (bytesRead > charactersConsumed) return;
  if (!IsWithin(lines, crLfCount, tolerance)) binaryMode = true;
}

}  // namespace qfc
