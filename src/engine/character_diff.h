// Which characters of a changed row differ: the runs of each line that the
// window tints and that quorvelin-diff --word-diff marks. Plain C++, used by
// both; the lines are taken as stored (tabs already expanded).
#pragma once

#include <string_view>

#include "core/changed_runs.h"
#include "core/side.h"

namespace qfc {

// The runs of `lines` that differ. A line that is valid UTF-8 is compared by
// code points, any other line by bytes (which is how the window shows it, one
// Latin-1 character per byte). The runs are cleaned up to read as words:
// - equal lines have no runs;
// - lines that differ only in letter case get a run per letter whose case
//   differs;
// - otherwise a common run of one or two characters between two changes
//   joins them, and lines with less than half of the shorter line in common
//   are unrelated and differ as a whole;
// - past a fixed amount of work per line, everything between the common
//   start and the common end differs, so that a very long line costs little.
[[nodiscard]] ChangedRuns DiffCharacters(const PerSide<std::string_view>& lines);

}  // namespace qfc
