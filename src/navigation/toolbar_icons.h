// The 16 x 16 toolbar images: the desktop theme's icons where the theme has
// them, else drawn here so the toolbar never shows blank buttons. The drawn
// ones take a dark ink on a light toolbar `background` and a light ink on a
// dark one.
#pragma once

#include <QColor>
#include <QIcon>

namespace qfc {

inline constexpr int kToolbarIconSize = 16;

[[nodiscard]] QIcon FindIcon(const QColor& background);
[[nodiscard]] QIcon UpIcon(const QColor& background);
[[nodiscard]] QIcon DownIcon(const QColor& background);

}  // namespace qfc
