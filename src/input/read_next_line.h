// Reading one line of a side into its line list and index, with the two
// running counters the mode decision compares against the bytes.
#pragma once

#include <cstdint>

#include "input/line_index.h"
#include "input/line_list.h"
#include "input/text_reader.h"

namespace qfc {

// Both 32-bit, like every counter of the loader; leaving that width throws
// LoadFailure("Overflow").
struct LineCounters {
  std::int32_t charactersRead = 0;      // sum of line lengths before tab expansion
  std::int32_t charactersConsumed = 0;  // the same plus 2 per line, one CR LF assumed each
};

// Reads the next line of `stream`, stores it tab-expanded in `lines`, adds it
// to `index` (through AddToIndexLater: Flush the index before querying it)
// and advances `counters`. False, with nothing changed, when the
// stream was already at its end. Stream failures propagate as LoadFailure.
[[nodiscard]] bool ReadNextLine(TextReader& stream, LineList& lines, LineIndex& index,
                                LineCounters& counters);

}  // namespace qfc
