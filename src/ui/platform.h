// Everything the program asks of the desktop besides its own windows: message
// boxes, the beep, the Shift key, the screen size and the end of the program.
// One interface, so that tests answer message boxes from a script instead of
// blocking on them.
#pragma once

#include <string>

#include "core/product_texts.h"

namespace qfc {

enum class MessageIcon { Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// In device-independent pixels.
struct ScreenSize {
  int width = 0;
  int height = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Shows a modal message box and answers the button pressed. Texts are bytes
  // as the program holds them; CR LF breaks the line.
  virtual MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                    MessageIcon icon, MessageButtons buttons) = 0;
  virtual void Beep() = 0;
  [[nodiscard]] virtual bool ShiftHeld() = 0;
  [[nodiscard]] virtual ScreenSize Screen() = 0;
  // Ends the process at once, without closing any window.
  virtual void EndProgram() = 0;
};

}  // namespace qfc
