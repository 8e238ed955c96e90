// Arbitrary pairs of files through the loader (memory_pair.h tells how an
// input becomes a pair). The loader must end with a verdict that agrees with
// the bytes, or with text lines that agree with the line ends.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/memory_pair.h"
#include "input/loader.h"

namespace {

// Lines the reader delivers: one per LF, plus an unterminated last line.
std::int32_t ExpectedLines(std::string_view bytes) {
  std::int32_t lines = 0;
  for (char c : bytes) lines += c == '\n';
  return lines + (!bytes.empty() && bytes.back() != '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qfc::PerSide<std::string_view> bytes;
  if (!qfc::fuzz::SplitPair(data, size, bytes)) return 0;
  const qfc::PerSide<qfc::fuzz::MemoryFile> files{{qfc::fuzz::MemoryFile(bytes[qfc::Side::Left]),
                                                   qfc::fuzz::MemoryFile(bytes[qfc::Side::Right])}};

  qfc::fuzz::QuietProgress progress;
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
