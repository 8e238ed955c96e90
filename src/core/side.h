// The two sides of a comparison: index 0 is the left file, 1 the right file.
#pragma once

#include <array>
#include <cstddef>

namespace qfc {

enum class Side : int { Left = 0, Right = 1 };

inline constexpr std::array<Side, 2> kBothSides{Side::Left, Side::Right};

[[nodiscard]] constexpr std::size_t Index(Side side) { return static_cast<std::size_t>(side); }

// A value per side, indexed by Side.
template <typename T>
struct PerSide {
  std::array<T, 2> values{};
  T& operator[](Side side) { return values[Index(side)]; }
  const T& operator[](Side side) const { return values[Index(side)]; }
};

}  // namespace qfc
