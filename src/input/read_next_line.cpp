#include "input/read_next_line.h"

#include "input/checked_int32.h"

namespace qfc {

void StoreLine(std::string_view line, LineList& lines, LineIndex& index) {
  const std::int32_t lineNo = lines.AppendExpandingTabs(line);
  index.AddToIndexLater(lines, lineNo);
}

void CountLine(std::int32_t length, LineCounters& counters) {
  counters.charactersRead = CheckedAdd(counters.charactersRead, length);
  counters.charactersConsumed =
      CheckedAdd(counters.charactersConsumed, CheckedAdd(length, kAssumedLineEndLength));
}

}  // namespace qfc
