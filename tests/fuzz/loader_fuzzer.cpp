// Arbitrary pairs of files through the loader. The input's first two bytes
// choose where the left file ends; the files live in memory (memfd), so the
// run writes nothing to disk. The loader must end with a verdict that agrees
// with the bytes, or with text lines that agree with the line ends.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/progress.h"
#include "input/loader.h"

namespace {

class QuietProgress final : public qfc::Progress {
 public:
  void InitProgress(std::int32_t) override {}
  // Above 100 is fine: the counters assume two bytes per line end, which LF
  // files do not have, and the window clamps.
  void SetProgress(std::int32_t percent) override {
    if (percent < 0) std::abort();
  }
  void SetProgressText(std::string_view) override {}
  void SetProgComplete() override {}
  bool Canceled() override { return false; }
};

// A file in memory, named through /proc.
class MemoryFile {
 public:
  explicit MemoryFile(std::string_view bytes) : fd_(::memfd_create("side", MFD_CLOEXEC)) {
    if (fd_ < 0 || ::write(fd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
      std::abort();
    }
  }
  ~MemoryFile() { ::close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  [[nodiscard]] std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

 private:
  int fd_;
};

// Lines the reader delivers: one per LF, plus an unterminated last line.
std::int32_t ExpectedLines(std::string_view bytes) {
  std::int32_t lines = 0;
  for (char c : bytes) lines += c == '\n';
  return lines + (!bytes.empty() && bytes.back() != '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::size_t split = (data[0] | (data[1] << 8)) % (rest.size() + 1);
  const qfc::PerSide<std::string_view> bytes{{rest.substr(0, split), rest.substr(split)}};
  const qfc::PerSide<MemoryFile> files{
      {MemoryFile(bytes[qfc::Side::Left]), MemoryFile(bytes[qfc::Side::Right])}};

  QuietProgress progress;
  qfc::LoadedText text;
  qfc::PerSide<qfc::InputFile> opened =
      qfc::OpenInputFiles({{files[qfc::Side::Left].Path(), files[qfc::Side::Right].Path()}});
  const qfc::LoadOutcome outcome = qfc::LoadFiles(opened, qfc::LineEndMode::CrLf, progress, text);
  if (outcome.failure) std::abort();  // memory files never fail to read
  if (outcome.binaryMode) {
    if (outcome.differ != (bytes[qfc::Side::Left] != bytes[qfc::Side::Right])) std::abort();
    return 0;
  }
  for (qfc::Side side : qfc::kBothSides) {
    if (text.lines[side].Count() != ExpectedLines(bytes[side])) std::abort();
  }
  return 0;
}
