// Resolves a grid's colour value for painting: system colours through the
// widget's palette, fixed ones from their 0x00BBGGRR bytes.
#pragma once

#include <QColor>
#include <QPalette>

#include "grid/grid.h"

namespace qfc {

[[nodiscard]] QColor ResolveColor(ColorValue value, const QPalette& palette);

// A fixed colour (no system flag) from its 0x00BBGGRR bytes.
[[nodiscard]] QColor FixedColor(ColorValue value);

}  // namespace qfc
