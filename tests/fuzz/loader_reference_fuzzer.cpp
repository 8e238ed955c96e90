// The loader against the plain reading of its rules (input/plain_loading.h):
// every pair goes through both line-end modes, and any difference in the
// mode, the binary verdict, the lines, the index or the line ends is a crash
// that prints where the two part.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/memory_pair.h"
#include "input/loader.h"
#include "input/plain_loading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qfc::PerSide<std::string_view> bytes;
  if (!qfc::fuzz::SplitPair(data, size, bytes)) return 0;
  const qfc::PerSide<qfc::fuzz::MemoryFile> files{{qfc::fuzz::MemoryFile(bytes[qfc::Side::Left]),
                                                   qfc::fuzz::MemoryFile(bytes[qfc::Side::Right])}};

  for (qfc::LineEndMode mode : {qfc::LineEndMode::CrLf, qfc::LineEndMode::Any}) {
    qfc::fuzz::QuietProgress progress;
    qfc::LoadedText text;
    qfc::PerSide<qfc::InputFile> opened =
        qfc::OpenInputFiles({{files[qfc::Side::Left].Path(), files[qfc::Side::Right].Path()}});
    const qfc::LoadOutcome outcome = qfc::LoadFiles(opened, mode, progress, text);
    const std::string divergence =
        qfc::test::Divergence(qfc::test::PlainLoad(bytes, mode), mode, outcome, text);
    if (!divergence.empty()) {
      std::fprintf(stderr, "%s: %s\n", mode == qfc::LineEndMode::Any ? "any" : "crlf",
                   divergence.c_str());
      std::abort();
    }
  }
  return 0;
}
