#include "input/text_reader.h"

#include <cstring>

namespace qfc {

void TextReader::Open(std::string_view bytes) {
  bytes_ = bytes;
  next_ = 0;
}

std::string_view TextReader::ReadLine() {
  if (AtEndOfStream()) return {};
  const char* const data = bytes_.data();
  const std::size_t begin = next_;
  const void* feed = std::memchr(data + begin, '\n', bytes_.size() - begin);
  if (feed == nullptr) {
    // The last line, without a line end.
    next_ = bytes_.size();
    return bytes_.substr(begin);
  }
  const auto feedAt = static_cast<std::size_t>(static_cast<const char*>(feed) - data);
  std::size_t lineEnd = feedAt;
  if (lineEnd > begin && data[lineEnd - 1] == '\r') --lineEnd;
  next_ = feedAt + 1;
  return bytes_.substr(begin, lineEnd - begin);
}

}  // namespace qfc
