// The program's 32 x 32 icon, drawn in code so that the program carries no
// image files: two sheets side by side, a changed line in dark red and a line
// of one side only in dark blue.
#pragma once

#include <QPixmap>

namespace qfc {

inline constexpr int kProgramIconSize = 32;

// Needs a running QGuiApplication.
[[nodiscard]] QPixmap DrawProgramIcon();

}  // namespace qfc
