// The desktop as Qt offers it: message boxes, the beep, the Shift key, the
// primary screen and the end of the process.
#pragma once

#include "ui/platform.h"

namespace qfc {

class QtPlatform final : public Platform {
 public:
  // The box has no parent, so it works before any window of the program is
  // shown; it is modal to the whole application.
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;
  void Beep() override;
  [[nodiscard]] bool ShiftHeld() override;
  [[nodiscard]] ScreenSize Screen() override;
  // std::exit(0): no window is closed and no event is processed any more.
  void EndProgram() override;
};

}  // namespace qfc
