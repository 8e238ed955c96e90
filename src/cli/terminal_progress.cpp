#include "cli/terminal_progress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

namespace qfc::cli {
namespace {

constexpr std::string_view kAnalysisLabel =
    "Analyzing input files to determine comparison mode (binary vs. ASCII)...";
constexpr std::string_view kComparisonLabel = "Processing Iterative Compare, please wait...";

constexpr int kMaxPercent = 100;
constexpr int kBarWidth = 30;
// Ten redraws a second look live without costing anything noticeable.
constexpr std::chrono::milliseconds kRedrawInterval{100};
// The engine reports millions of times; the clock is read on every 256th report only.
constexpr std::uint32_t kUpdatesPerClockCheck = 256;
constexpr int kFallbackColumns = 80;

[[nodiscard]] int TerminalColumns(std::FILE* stream) {
  winsize size{};
  if (::ioctl(::fileno(stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return kFallbackColumns;
}

}  // namespace

TerminalProgress::TerminalProgress(std::FILE* stream, bool enabled)
    : stream_(stream),
      enabled_(enabled),
      columns_(enabled ? TerminalColumns(stream) : kFallbackColumns) {}

void TerminalProgress::InitProgress(std::int32_t phase) {
  if (phase == kAnalysisPhase) {
    percent_ = 0;
    detail_ = kAnalysisLabel;
  } else if (phase == kComparisonPhase) {
    detail_ = kComparisonLabel;
  }
  if (enabled_) Draw();
}

void TerminalProgress::SetProgress(std::int32_t percent) {
  percent_ = std::min(percent, kMaxPercent);
  Tick({});
}

void TerminalProgress::SetProgressText(std::string_view text) { Tick(text); }

void TerminalProgress::SetProgComplete() {
  percent_ = kMaxPercent;
  Tick({});
}

void TerminalProgress::Tick(std::string_view detail) {
  if (!enabled_ || ++updates_ % kUpdatesPerClockCheck != 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastDraw_ < kRedrawInterval) return;
  if (!detail.empty()) detail_ = detail;
  Draw();
}

void TerminalProgress::Draw() {
  lastDraw_ = std::chrono::steady_clock::now();
  const int filled = std::clamp(percent_, 0, kMaxPercent) * kBarWidth / kMaxPercent;
  std::string line = "\r[";
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(kBarWidth - filled), '-');
  line.append("] ");
  const std::string percent = std::to_string(std::clamp(percent_, 0, kMaxPercent));
  line.append(3 - std::min<std::size_t>(3, percent.size()), ' ').append(percent).append("% ");
  // Keep the line shorter than the terminal so that it never wraps.
  const std::size_t room =
      static_cast<std::size_t>(std::max(columns_ - 1, 0)) -
      std::min(line.size() - 1, static_cast<std::size_t>(std::max(columns_ - 1, 0)));
  line.append(std::string_view(detail_).substr(0, room));
  line.append("\x1b[K");
  std::fwrite(line.data(), 1, line.size(), stream_);
  std::fflush(stream_);
  drawn_ = true;
}

void TerminalProgress::Finish() {
  if (!drawn_) return;
  std::fputs("\r\x1b[K", stream_);
  std::fflush(stream_);
  drawn_ = false;
}

}  // namespace qfc::cli
