// What the loader fuzz targets share: a pair of files in memory (memfd, named
// through /proc, so a run writes nothing to disk) cut from one fuzz input, and
// a progress that never cancels.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/progress.h"
#include "core/side.h"

namespace qfc::fuzz {

class QuietProgress final : public Progress {
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

// Three bytes say where the left file ends, so that either file may run past
// two 64000-byte chunks.
inline constexpr std::size_t kSplitBytes = 3;

// The input's first kSplitBytes, little-endian, choose where the left file
// ends in the rest; the right file is what follows. False for an input too
// short to say.
[[nodiscard]] inline bool SplitPair(const std::uint8_t* data, std::size_t size,
                                    PerSide<std::string_view>& bytes) {
  if (size < kSplitBytes) return false;
  const std::string_view rest(reinterpret_cast<const char*>(data) + kSplitBytes,
                              size - kSplitBytes);
  std::size_t split = 0;
  for (std::size_t n = kSplitBytes; n-- > 0;) split = split << 8 | data[n];
  split %= rest.size() + 1;
  bytes = {{rest.substr(0, split), rest.substr(split)}};
  return true;
}

}  // namespace qfc::fuzz
