// What the commands need from the main window, gathered so that the
// commands can be wired to any window and tested without the real one.
#pragma once

#include <functional>
#include <string>

#include "core/side.h"
#include "grid/grid.h"
#include "ui/platform.h"

class QMainWindow;
class QToolBar;

namespace qfc {

struct CommandHost {
  QMainWindow* window = nullptr;  // gets the menu; owns the Find dialog; Exit closes it
  QToolBar* toolbar = nullptr;    // gets the Find, Up and Down buttons
  PerSide<Grid*> grids{};
  std::function<void(const std::string&)> setStatusText;
  // True while loading and comparing and inside the grid synchronisation.
  std::function<bool()> busy;
  Platform* platform = nullptr;
  // Lets the window system run once (the search opens a cell editor).
  std::function<void()> yield;
};

}  // namespace qfc
