// Progress for the command line: a one-line bar with the phase's detail text
// on standard error, drawn only when standard error is a terminal. The
// command cannot be canceled from here (Ctrl+C ends the process).
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace qfc::cli {

class TerminalProgress final : public Progress {
 public:
  // Draws on `stream` only when `enabled`.
  TerminalProgress(std::FILE* stream, bool enabled);

  void InitProgress(std::int32_t phase) override;
  void SetProgress(std::int32_t percent) override;
  void SetProgressText(std::string_view text) override;
  void SetProgComplete() override;
  [[nodiscard]] bool Canceled() override { return false; }

  // Erases the bar, before anything else is written to the terminal.
  void Finish();

 private:
  // Called on every update; redraws at most every kRedrawInterval.
  void Tick(std::string_view detail);
  void Draw();

  std::FILE* stream_;
  bool enabled_;
  int columns_;
  std::int32_t percent_ = 0;
  std::string detail_;
  std::uint32_t updates_ = 0;
  std::chrono::steady_clock::time_point lastDraw_{};
  bool drawn_ = false;
};

}  // namespace qfc::cli
