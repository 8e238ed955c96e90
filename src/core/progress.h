// The five operations through which the loader and the engine report to the
// progress window and learn that the user pressed Close. Plain C++: the
// loader and the engine see nothing else of the window.
#pragma once

#include <cstdint>
#include <string_view>

namespace qfc {

// Phase numbers for InitProgress.
inline constexpr std::int32_t kAnalysisPhase = 0;    // bar and the file-analysis label
inline constexpr std::int32_t kComparisonPhase = 2;  // comparison label and the detail line

class Progress {
 public:
  virtual ~Progress() = default;

  virtual void InitProgress(std::int32_t phase) = 0;
  // Percentage; values above 100 show as 100.
  virtual void SetProgress(std::int32_t percent) = 0;
  // The detail line.
  virtual void SetProgressText(std::string_view text) = 0;
  // Fills the bar.
  virtual void SetProgComplete() = 0;
  // True once the user has pressed Close; stays true.
  [[nodiscard]] virtual bool Canceled() = 0;
};

}  // namespace qfc
