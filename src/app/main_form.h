// The main form: the main window with its commands, and the start-up
// sequence that runs one comparison from the command line into it. It owns
// every piece of state that lives longer than one step: the progress window,
// the loaded text, the Find dialog (through the commands).
#pragma once

#include <memory>
#include <string>

#include "input/loaded_text.h"
#include "ui/platform.h"

namespace qfc {

class Commands;
class MainWindow;
class ProgressWindow;

class MainForm {
 public:
  explicit MainForm(Platform& platform);
  ~MainForm();
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // The start-up sequence. Answers true when the main window is open and the
  // program should wait for the user; false when the run has ended (no
  // arguments, an error, a binary pair or a cancel), after the shut-down.
  [[nodiscard]] bool Load(const std::string& commandLineTail);

  // Releases the Find dialog and the progress window; runs whenever the main
  // window unloads. Safe to run more than once.
  void Shutdown();

  [[nodiscard]] MainWindow& Window() { return *window_; }
  [[nodiscard]] Commands& Actions() { return *commands_; }
  // Null outside the start-up sequence.
  [[nodiscard]] ProgressWindow* Progress() { return progressWindow_.get(); }

 private:
  void ReportLoadOutcome(const struct LoadOutcome& outcome);
  // The progress window shows whatever was set last before a message box
  // opens over it.
  void BeforeMessage();
  void PlaceWindow();
  // Closes the main window before it was ever shown: the run ends.
  void Unload();

  Platform& platform_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<Commands> commands_;
  std::unique_ptr<ProgressWindow> progressWindow_;
  std::shared_ptr<LoadedText> text_;
};

}  // namespace qfc
