#include "grid/palette_color.h"

namespace qfc {

namespace {

constexpr ColorValue kSystemColorFlag = 0x80000000;
// System colour numbers the program uses.
constexpr ColorValue kSystemWindowBackground = 5;
constexpr ColorValue kSystemWindowText = 8;
constexpr ColorValue kSystemButtonFace = 15;

[[nodiscard]] QPalette::ColorRole SystemRole(ColorValue number) {
  switch (number) {
    case kSystemWindowBackground:
      return QPalette::Base;
    case kSystemButtonFace:
      return QPalette::Button;
    case kSystemWindowText:
    default:
      return QPalette::Text;
  }
}

}  // namespace

QColor ResolveColor(ColorValue value, const QPalette& palette) {
  if ((value & kSystemColorFlag) != 0) {
    return palette.color(SystemRole(value & ~kSystemColorFlag));
  }
  return FixedColor(value);
}

QColor FixedColor(ColorValue value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace qfc
