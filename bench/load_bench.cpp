// Loads one pair of files the way the program does and prints the wall time,
// the peak resident memory and what was loaded, for bench/load_bench.sh.
// Usage: load_bench LEFT RIGHT
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "input/loader.h"

namespace {

// Stands in for the progress window: counts calls, never cancels.
class CountingProgress final : public qfc::Progress {
 public:
  void InitProgress(std::int32_t) override {}
  void SetProgress(std::int32_t) override { ++updates; }
  void SetProgressText(std::string_view) override {}
  void SetProgComplete() override {}
  bool Canceled() override { return false; }

  long updates = 0;
};

[[nodiscard]] long PeakRssKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s LEFT RIGHT\n", argv[0]);
    return 2;
  }
  qfc::PerSide<std::string> paths;
  paths[qfc::Side::Left] = argv[1];
  paths[qfc::Side::Right] = argv[2];
  CountingProgress progress;
  qfc::LoadedText text;

  const auto start = std::chrono::steady_clock::now();
  qfc::PerSide<qfc::InputFile> files = qfc::OpenInputFiles(paths);
  const qfc::LoadOutcome outcome = qfc::LoadFiles(files, qfc::LineEndMode::CrLf, progress, text);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

  std::uint64_t textBytes = 0;
  for (qfc::Side side : qfc::kBothSides) textBytes += text.lines[side].TextBytes();
  std::printf("seconds %.4f\n", elapsed.count());
  std::printf("peak_rss_kib %ld\n", PeakRssKiB());
  std::printf("text_bytes %llu\n", static_cast<unsigned long long>(textBytes));
  std::printf("lines %d %d\n", text.lines[qfc::Side::Left].Count(),
              text.lines[qfc::Side::Right].Count());
  std::printf("mode %s\n", outcome.binaryMode ? std::string(outcome.Verdict()).c_str() : "text");
  if (outcome.failure) std::printf("failure %s\n", outcome.failure->c_str());
  return outcome.failure ? 1 : 0;
}
