// The window shown while a comparison runs: who the program is, which phase is
// running, a detail line, a bar and the Close button with which the user
// cancels. The loader and the engine see it only as a Progress.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace qfc {

inline constexpr char kAnalysisLabelText[] =
    "Analyzing input files to determine comparison mode (binary vs. ASCII)...";
inline constexpr char kComparisonLabelText[] = "Processing Iterative Compare, please wait...";

// The operations yield to the window system, but a yield that comes sooner
// than kYieldInterval after the last real one is skipped: a loop calling them
// a million times must not spend its time painting. The latest bar value and
// detail text are kept and reach the widgets at the next real yield, at
// ShowLatest, and at every Canceled once Close was clicked.
class ProgressWindow final : public QDialog, public Progress {
 public:
  // `owner`: the window it stays on top of while shown modeless, or nullptr.
  explicit ProgressWindow(QWidget* owner = nullptr);

  // Hands the window to another owner; a shown window must be shown again.
  void SetOwner(QWidget* owner);

  void InitProgress(std::int32_t phase) override;
  void SetProgress(std::int32_t percent) override;
  void SetProgressText(std::string_view text) override;
  void SetProgComplete() override;
  [[nodiscard]] bool Canceled() override;

  // A real yield, whatever the time since the last one.
  void YieldNow();
  // Puts whatever was set last on screen at once, without yielding: before
  // a message box opens over the window and before the window goes.
  void ShowLatest();

  // What the widgets show; values set since the last real yield are not
  // there yet.
  [[nodiscard]] int BarValue() const;
  [[nodiscard]] bool IsBarShown() const;
  // `phase` 0 or 2; false for any other.
  [[nodiscard]] bool IsPhaseLabelShown(std::int32_t phase) const;
  [[nodiscard]] bool IsDetailShown() const;
  [[nodiscard]] QString DetailText() const;
  [[nodiscard]] QString VersionText() const;
  [[nodiscard]] QPushButton* CloseButton() const { return closeButton_; }

 protected:
  // Esc.
  void reject() override;
  // The window system's close request counts as Close; the program's own
  // close() closes.
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  static constexpr std::chrono::milliseconds kYieldInterval{10};
  static constexpr int kMaxPercent = 100;
  // Phase labels exist for phases 0 and 2 only.
  static constexpr std::size_t kPhaseSlots = 3;

  void BuildControls();
  void CentreOnScreen();
  void ShowPhaseLabel(std::int32_t phase);
  void Yield();
  void ShowPendingValues();
  [[nodiscard]] QLabel* PhaseLabel(std::int32_t phase) const;

  QProgressBar* bar_ = nullptr;
  std::array<QLabel*, kPhaseSlots> phaseLabels_{};
  QLabel* detail_ = nullptr;
  QLabel* version_ = nullptr;
  QPushButton* closeButton_ = nullptr;

  bool canceled_ = false;
  int pendingBarValue_ = 0;
  bool barValuePending_ = false;
  std::string pendingDetail_;
  bool detailPending_ = false;
  std::chrono::steady_clock::time_point lastYield_;
};

}  // namespace qfc
