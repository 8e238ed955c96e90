#include "grid/readable_color.h"

#include <algorithm>
#include <cmath>

#include "grid/grid.h"
#include "grid/palette_color.h"

namespace qfc {
namespace {

// The fill's fixed text colours and the light twins they are painted as on a
// dark background (about 6.5:1 against a typical dark theme's base).
const QColor kChangedText = FixedColor(kChangedColor);
const QColor kOneSidedText = FixedColor(kOneSidedColor);
const QColor kLightChangedText(255, 128, 128);
const QColor kLightOneSidedText(128, 170, 255);
// The red the changed-character tint is darkened from on a dark background.
const QColor kDarkTintHue(160, 56, 56);

// Relative luminance where black and white text have equal contrast.
constexpr double kDarkLuminance = 0.179;
// Steps of the mix toward white that lifts a colour until it has the contrast
// asked for.
constexpr int kLiftSteps = 64;

[[nodiscard]] double Linear(int channel) {
  const double value = channel / 255.0;
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

[[nodiscard]] double Luminance(const QColor& color) {
  return 0.2126 * Linear(color.red()) + 0.7152 * Linear(color.green()) +
         0.0722 * Linear(color.blue());
}

[[nodiscard]] QColor TowardWhite(const QColor& color, int step) {
  const auto mix = [step](int channel) {
    return channel + (255 - channel) * step / kLiftSteps;
  };
  return QColor(mix(color.red()), mix(color.green()), mix(color.blue()));
}

// `color`, or the first mix of it toward white with `contrast` against `other`.
[[nodiscard]] QColor Lifted(const QColor& color, const QColor& other, double contrast) {
  for (int step = 0; step < kLiftSteps; ++step) {
    const QColor candidate = TowardWhite(color, step);
    if (ContrastRatio(candidate, other) >= contrast) return candidate;
  }
  return Qt::white;
}

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
  const double a = Luminance(first);
  const double b = Luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool IsDarkBackground(const QColor& background) { return Luminance(background) < kDarkLuminance; }

QColor PaintedTextColor(const QColor& text, const QColor& background) {
  if (!IsDarkBackground(background)) return text;
  QColor painted = text.toRgb();
  if (painted == kChangedText) painted = kLightChangedText;
  if (painted == kOneSidedText) painted = kLightOneSidedText;
  return Lifted(painted, background, kMinTextContrast);
}

QColor PaintedTintColor(const QColor& tint, const QColor& window) {
  if (!IsDarkBackground(window)) return tint;
  // The lightest shade of the hue under which the changed text stays readable
  // and that still stands apart from the window as a band; failing that, the
  // lightest under which the text stays readable.
  const QColor text = PaintedTextColor(kChangedText, window);
  QColor readable = Qt::black;
  bool found = false;
  for (int step = kLiftSteps; step >= 0; --step) {
    const auto shade = [step](int channel) { return channel * step / kLiftSteps; };
    const QColor candidate(shade(kDarkTintHue.red()), shade(kDarkTintHue.green()),
                           shade(kDarkTintHue.blue()));
    if (ContrastRatio(text, candidate) < kMinTextContrast) continue;
    if (ContrastRatio(candidate, window) >= kMinAbsentContrast) return candidate;
    if (!found) readable = candidate;
    found = true;
  }
  return readable;
}

QColor PaintedCellBackground(const QColor& cell, const QColor& window) {
  if (!IsDarkBackground(window)) return cell;
  return Lifted(cell.toRgb(), window, kMinAbsentContrast);
}

}  // namespace qfc
