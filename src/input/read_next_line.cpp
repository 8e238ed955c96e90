#include "input/read_next_line.h"

#include <string_view>

#include "input/checked_int32.h"

namespace qfc {

// Both counters count one CR LF per line read, whatever the line really ended with.
inline constexpr std::int32_t kAssumedLineEndLength = 2;

bool ReadNextLine(TextReader& stream, LineList& lines, LineIndex& index, LineCounters& counters) {
  if (stream.AtEndOfStream()) return false;
  const std::string_view line = stream.ReadLine();
  const std::int32_t length = ToInt32(line.size());
  const std::int32_t lineNo = lines.AppendExpandingTabs(line);
  index.AddToIndexLater(lines, lineNo);
  counters.charactersRead = CheckedAdd(counters.charactersRead, length);
  counters.charactersConsumed =
      CheckedAdd(counters.charactersConsumed, CheckedAdd(length, kAssumedLineEndLength));
  return true;
}

}  // namespace qfc
