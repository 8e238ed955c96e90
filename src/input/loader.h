// The loader: reads both files at once, as 64000-byte chunks and as lines,
// decides whether the pair is text or binary, and compares a binary pair
// chunk by chunk. It talks to the user only through Progress; the caller shows
// the verdict or the failure. The line-end mode picks the rule that makes a
// file text: the CR LF rule, or any line end with binary meaning a NUL byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/progress.h"
#include "core/side.h"
#include "input/input_file.h"
#include "input/line_end_mode.h"
#include "input/line_end_splitter.h"
#include "input/load_failure.h"
#include "input/loaded_text.h"

namespace qfc {

inline constexpr std::string_view kBinaryDifferVerdict = "Binary Files Differ!";
inline constexpr std::string_view kBinaryIdenticalVerdict = "Binary Files are Identical!";

struct LoadOutcome {
  bool binaryMode = false;
  bool differ = false;                 // meaningful only when binaryMode
  std::optional<std::string> failure;  // description, for the failure message
  // Each file's line ends; counted under LineEndMode::Any only.
  PerSide<LineEnds> lineEnds;
  // The binary verdict: kBinaryDifferVerdict or kBinaryIdenticalVerdict.
  [[nodiscard]] std::string_view Verdict() const {
    return differ ? kBinaryDifferVerdict : kBinaryIdenticalVerdict;
  }
};

// Loads the pair of open `files` into `text` (cleared first), under `mode`.
// Calls InitProgress(kAnalysisPhase), SetProgress and Canceled while it
// reads, and SetProgComplete once the pair turned out binary. On a failure
// it returns at once with `failure` set, keeping the mode and the lines as
// far as they got. Both files must exist (InputFile::Exists).
[[nodiscard]] LoadOutcome LoadFiles(PerSide<InputFile>& files, LineEndMode mode, Progress& progress,
                                    LoadedText& text);

}  // namespace qfc
