// Runs the whole window on a pair, as the program does, and prints how long
// it took until the main window was shown, the peak memory, and how long the
// first steps a user takes afterwards need: a step to the next difference,
// scrolling to the end and back.
//
//   window_bench LEFT RIGHT      (run with QT_QPA_PLATFORM=offscreen)
//
// A caller that sets QFC_BENCH_LAUNCHED_NS to the steady clock's reading (in
// nanoseconds) just before it started this process also gets the time from
// the launch to the shown window, which includes loading the libraries.
#include <sys/resource.h>

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_form.h"
#include "navigation/commands.h"
#include "view/main_window.h"

namespace {

// Answers every message box at once, so a binary pair or an error does not
// wait for a click.
class QuietPlatform final : public qfc::Platform {
 public:
  qfc::MessageAnswer ShowMessage(const std::string& text, const std::string&, qfc::MessageIcon,
                                 qfc::MessageButtons) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
    return qfc::MessageAnswer::Ok;
  }
  void Beep() override {}
  bool ShiftHeld() override { return false; }
  qfc::ScreenSize Screen() override { return {1920, 1080}; }
  void EndProgram() override {}
};

using Clock = std::chrono::steady_clock;

// Seconds from the caller's launch to `now`, or -1 when the caller gave no time.
double SecondsSinceLaunch(Clock::time_point now) {
  const char* launched = std::getenv("QFC_BENCH_LAUNCHED_NS");
  if (launched == nullptr) return -1;
  const Clock::time_point start{std::chrono::nanoseconds(std::strtoll(launched, nullptr, 10))};
  return std::chrono::duration<double>(now - start).count();
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Runs `action`, lets the window repaint, and answers the milliseconds taken.
template <typename Action>
double Timed(Action action) {
  const Clock::time_point start = Clock::now();
  action();
  QCoreApplication::processEvents();
  return MillisecondsSince(start);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: window_bench LEFT RIGHT\n");
    return 2;
  }
  const Clock::time_point start = Clock::now();
  QApplication app(argc, argv);
  QuietPlatform platform;
  qfc::MainForm form(platform);
  if (!form.Load(std::string("/1:") + argv[1] + " /2:" + argv[2])) return 1;
  QCoreApplication::processEvents();
  const double shownMs = MillisecondsSince(start);
  const double launchToShown = SecondsSinceLaunch(Clock::now());

  qfc::Grid& left = form.Window().GridAt(qfc::Side::Left);
  const std::int32_t rows = left.RowCount();
  const double nextMs = Timed([&] { form.Actions().DifferenceCommand(qfc::StepDirection::Down); });
  const double endMs = Timed([&] { left.SetTopRow(rows); });
  const double backMs = Timed([&] { left.SetTopRow(1); });
  const double farMs = Timed([&] { left.SetActiveCell(1, rows); });

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("launch_to_shown_s %.3f\n", launchToShown);
  std::printf("rows %d\nshown_s %.3f\npeak_mb %.1f\nnext_difference_ms %.1f\n"
              "scroll_to_end_ms %.1f\nscroll_back_ms %.1f\nactive_cell_to_end_ms %.1f\n",
              rows, shownMs / 1000.0, usage.ru_maxrss / 1024.0, nextMs, endMs, backMs, farMs);
  return 0;
}
