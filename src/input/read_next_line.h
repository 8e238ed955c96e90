// One line of a side, in the two halves the loader does on two threads:
// storing it in the side's line list and index, and counting it in the two
// running counters the mode decision compares against the bytes.
#pragma once

#include <cstdint>
#include <string_view>

#include "input/line_index.h"
#include "input/line_list.h"

namespace qfc {

// Both 32-bit, like every counter of the loader; leaving that width throws
// LoadFailure("Overflow").
struct LineCounters {
  std::int32_t charactersRead = 0;      // sum of line lengths before tab expansion
  std::int32_t charactersConsumed = 0;  // the same plus 2 per line, one CR LF assumed each
};

// Both counters count one CR LF per line read, whatever the line really ended with.
inline constexpr std::int32_t kAssumedLineEndLength = 2;

// Stores `line` (as the text reader returned it) tab-expanded in `lines` and
// adds it to `index` through AddToIndexLater: Flush the index before
// querying it.
void StoreLine(std::string_view line, LineList& lines, LineIndex& index);

// Advances `counters` by one line of `length` bytes before tab expansion.
void CountLine(std::int32_t length, LineCounters& counters);

}  // namespace qfc
