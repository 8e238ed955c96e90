// Buffered output to a C stream in large writes: the row listing of a large
// file is millions of short lines.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace qfc::cli {

class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* stream) : stream_(stream) {
    buffer_.reserve(kFlushThreshold + kSlack);
  }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;
  ~OutputBuffer() { static_cast<void>(Flush()); }

  OutputBuffer& Append(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= kFlushThreshold) WriteOut();
    return *this;
  }
  OutputBuffer& Append(char c) {
    buffer_.push_back(c);
    if (buffer_.size() >= kFlushThreshold) WriteOut();
    return *this;
  }
  OutputBuffer& Append(std::int32_t number) {
    char digits[kNumberDigits];
    const auto result = std::to_chars(digits, digits + kNumberDigits, number);
    return Append(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
  }

  // Writes what is buffered; false when any write so far has failed.
  [[nodiscard]] bool Flush() {
    WriteOut();
    if (std::fflush(stream_) != 0) failed_ = true;
    return !failed_;
  }

 private:
  // One write per megabyte keeps system calls rare without holding much.
  static constexpr std::size_t kFlushThreshold = std::size_t{1} << 20;
  // Room for the line that crosses the threshold, so appending rarely grows the buffer.
  static constexpr std::size_t kSlack = 4096;
  // A 32-bit number: sign and ten digits.
  static constexpr std::size_t kNumberDigits = 11;

  void WriteOut() {
    if (!buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), stream_) != buffer_.size()) {
      failed_ = true;
    }
    buffer_.clear();
  }

  std::FILE* stream_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace qfc::cli
