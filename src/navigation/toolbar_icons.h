// The 16 x 16 toolbar images: the desktop theme's icons where the theme has
// them, else drawn here so the toolbar never shows blank buttons.
#pragma once

#include <QIcon>

namespace qfc {

inline constexpr int kToolbarIconSize = 16;

[[nodiscard]] QIcon FindIcon();
[[nodiscard]] QIcon UpIcon();
[[nodiscard]] QIcon DownIcon();

}  // namespace qfc
