// The loader: reads both files at once, as 64000-byte chunks and as lines,
// decides whether the pair is text or binary, and compares a binary pair
// chunk by chunk. It talks to the user only through Progress; the caller shows
// the verdict or the failure.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "input/load_failure.h"
#include "input/loaded_text.h"
#include "input/side.h"
#include "progress/progress.h"

namespace qfc {

inline constexpr std::string_view kBinaryDifferVerdict = "Binary Files Differ!";
inline constexpr std::string_view kBinaryIdenticalVerdict = "Binary Files are Identical!";
// First line of the failure message; a CR LF and the description follow.
inline constexpr std::string_view kBinaryCompareFailure =
    "Error occurred while processing binary compare.";

struct LoadOutcome {
  bool binaryMode = false;
  bool differ = false;                 // meaningful only when binaryMode
  std::optional<std::string> failure;  // description, for the failure message
  // The binary verdict: kBinaryDifferVerdict or kBinaryIdenticalVerdict.
  [[nodiscard]] std::string_view Verdict() const {
    return differ ? kBinaryDifferVerdict : kBinaryIdenticalVerdict;
  }
};

// Loads the pair named by `paths` into `text` (cleared first). Calls
// InitProgress(kAnalysisPhase), SetProgress and Canceled while it reads, and
// SetProgComplete once the pair turned out binary. On a failure it returns at
// once with `failure` set, keeping the mode and the lines as far as they got.
// Neither file is ever written.
[[nodiscard]] LoadOutcome LoadFiles(const PerSide<std::string>& paths, Progress& progress,
                                    LoadedText& text);

}  // namespace qfc
