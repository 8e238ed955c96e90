// 32-bit signed arithmetic that fails instead of wrapping: the loader's
// counters are 32-bit, and leaving that width is a failure ("Overflow").
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "input/load_failure.h"

namespace qfc {

// `value` as a 32-bit signed number; throws LoadFailure when it does not fit.
template <typename Integer>
[[nodiscard]] std::int32_t ToInt32(Integer value) {
  if (!std::in_range<std::int32_t>(value)) throw LoadFailure(std::string(kOverflowDescription));
  return static_cast<std::int32_t>(value);
}

[[nodiscard]] inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
  std::int32_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) throw LoadFailure(std::string(kOverflowDescription));
  return sum;
}

[[nodiscard]] inline std::int32_t CheckedMultiply(std::int32_t a, std::int32_t b) {
  std::int32_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) throw LoadFailure(std::string(kOverflowDescription));
  return product;
}

}  // namespace qfc
