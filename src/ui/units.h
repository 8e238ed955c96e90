// Layout units: the window geometry is reasoned about in twips (1/1440 inch)
// and converted to device-independent pixels only where a widget is touched.
#pragma once

#include <QRect>
#include <cmath>

namespace qfc {

inline constexpr int kTwipsPerPixel = 15;

// Nearest integer, a half going to the even neighbour; independent of the
// floating-point environment's rounding mode.
[[nodiscard]] inline double RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction < 0.5) {
    return floor;
  }
  if (fraction > 0.5) {
    return floor + 1.0;
  }
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

[[nodiscard]] inline int TwipsToPixels(double twips) {
  return static_cast<int>(RoundHalfEven(twips / kTwipsPerPixel));
}

[[nodiscard]] constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// A rectangle given in twips, as a widget geometry in pixels.
[[nodiscard]] inline QRect TwipsRect(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace qfc
