#include "input/text_reader.h"

#include <algorithm>
#include <cstring>

namespace qfc {
namespace {

// Large enough that one read() serves thousands of ordinary lines; a longer
// line doubles the buffer until it fits.
constexpr std::size_t kBufferSize = 256 * 1024;

}  // namespace

void TextReader::Open(InputFile& file, std::uint64_t limit) {
  file_ = &file;
  offset_ = 0;
  if (buffer_.empty()) buffer_.resize(kBufferSize);
  begin_ = end_ = 0;
  unreadLimit_ = limit;
  exhausted_ = false;
}

void TextReader::Close() {
  file_ = nullptr;
  exhausted_ = true;
  begin_ = end_ = 0;
}

bool TextReader::Refill() {
  if (exhausted_) return false;
  const std::size_t pending = end_ - begin_;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, pending);
    begin_ = 0;
    end_ = pending;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  const std::size_t wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size() - end_, unreadLimit_));
  const std::size_t got = wanted == 0 ? 0 : file_->ReadAt(offset_, buffer_.data() + end_, wanted);
  offset_ += got;
  if (got < wanted || got == unreadLimit_) exhausted_ = true;
  unreadLimit_ -= got;
  end_ += got;
  return got > 0;
}

bool TextReader::AtEndOfStream() { return begin_ == end_ && !Refill(); }

std::string_view TextReader::ReadLine() {
  std::size_t searchFrom = begin_;
  for (;;) {
    const char* data = buffer_.data();
    const void* feed = std::memchr(data + searchFrom, '\n', end_ - searchFrom);
    if (feed != nullptr) {
      const std::size_t feedAt = static_cast<std::size_t>(static_cast<const char*>(feed) - data);
      std::size_t lineEnd = feedAt;
      if (lineEnd > begin_ && data[lineEnd - 1] == '\r') --lineEnd;
      const std::string_view line(data + begin_, lineEnd - begin_);
      begin_ = feedAt + 1;
      return line;
    }
    const std::size_t scanned = end_ - begin_;
    if (!Refill()) {
      // The last line, without a line end.
      const std::string_view line(buffer_.data() + begin_, end_ - begin_);
      begin_ = end_;
      return line;
    }
    searchFrom = begin_ + scanned;
  }
}

}  // namespace qfc
