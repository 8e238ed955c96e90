// The program icon: two sheets side by side, a changed line in dark red and a
// line of one side only in dark blue. Its files are rendered at build time
// from the same SVG that gives the installed icons (data/icons) and are built
// into the program, so the window, the progress window and the desktop show
// the one drawing.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace qfc {

inline constexpr int kProgramIconSize = 32;

// Every rendered size, for window icons. Needs a running QGuiApplication.
[[nodiscard]] QIcon ProgramIcon();

// The 32 x 32 rendering, for the progress window's logo.
[[nodiscard]] QPixmap ProgramIconPixmap();

}  // namespace qfc
