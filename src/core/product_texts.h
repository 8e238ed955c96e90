// The product's title and the user-visible texts that both programs show:
// the window in its message boxes, quorvelin-diff on standard error.
#pragma once

#include <string_view>

#include "core/side.h"

namespace qfc {

// The caption of the main window and the title of every message box.
inline constexpr char kAppTitle[] = "Quorvelin File Compare";
// Breaks a message text into lines.
inline constexpr char kLineBreak[] = "\r\n";

// Heads a failure of the comparison run.
inline constexpr char kCompareFailure[] = "Error while processing compare.";
// Heads a failure of the loader (reading, mode decision, binary compare).
inline constexpr std::string_view kBinaryCompareFailure =
    "Error occurred while processing binary compare.";
// A path that names no readable file.
inline constexpr PerSide<std::string_view> kMissingFileTexts{
    {"Left side file location does not exist.", "Right side file location does not exist."}};

}  // namespace qfc
