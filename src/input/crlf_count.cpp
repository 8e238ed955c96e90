#include "input/crlf_count.h"

#include <cstring>

namespace qfc {

// A CR LF pair cannot overlap another, so splitting the chunk at every pair
// and counting the pieces minus one is the same as counting the line feeds
// that follow a carriage return; memchr finds the line feeds fast.
std::int32_t CountCrLf(std::string_view chunk, std::optional<char>& carry) {
  if (chunk.empty()) return 0;
  std::int32_t count = 0;
  if (carry == '\r' && chunk.front() == '\n') ++count;
  const char* const begin = chunk.data();
  const char* const end = begin + chunk.size();
  for (const char* at = begin + 1; at < end;) {
    const void* feed = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
    if (feed == nullptr) break;
    const char* feedAt = static_cast<const char*>(feed);
    if (feedAt[-1] == '\r') ++count;
    at = feedAt + 1;
  }
  const bool endsWithCrLf = chunk.size() >= 2 && chunk.ends_with("\r\n");
  carry = endsWithCrLf ? std::nullopt : std::optional<char>(chunk.back());
  return count;
}

}  // namespace qfc
