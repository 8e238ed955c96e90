// A Platform that records message boxes and answers them from a script.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace qfc::test {

struct RecordedMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
  MessageButtons buttons;
};

class PlatformDouble final : public Platform {
 public:
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override {
    messages.push_back({text, title, icon, buttons});
    if (onMessage) onMessage();
    if (!answers.empty()) {
      const MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
  void Beep() override { ++beeps; }
  bool ShiftHeld() override { return shift; }
  ScreenSize Screen() override { return screen; }
  void EndProgram() override { ++ends; }

  std::vector<RecordedMessage> messages;
  // Runs as each box opens, to look at the screen behind it.
  std::function<void()> onMessage;
  std::deque<MessageAnswer> answers;  // for YesNo boxes; No when empty
  int beeps = 0;
  int ends = 0;
  bool shift = false;
  ScreenSize screen{1280, 1024};
};

}  // namespace qfc::test
