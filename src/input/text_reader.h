// The text stream the loader reads lines from: its own position in the open
// file and its own buffer, one line per ReadLine.
//
// Line ends: a line feed ends a line, and a carriage return directly before it
// belongs to the line end; a lone carriage return is an ordinary character.
// The last line is returned whether or not a line end follows it, and no empty
// line follows a final line end. Bytes are characters, all 256 values alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/huge_page_allocator.h"
#include "input/input_file.h"

namespace qfc {

class TextReader {
 public:
  // Reads `file` from its start, at most `limit` bytes, so that a file that
  // grows while it is read still ends where it was measured. The file must
  // outlive the reader's use.
  void Open(InputFile& file, std::uint64_t limit);
  void Close();

  // True when no further line can be read. May read from the file.
  [[nodiscard]] bool AtEndOfStream();

  // The next line without its line end, valid until the next call. At the
  // end of the stream it answers an empty line; ask AtEndOfStream first.
  [[nodiscard]] std::string_view ReadLine();

 private:
  // Moves the unread bytes to the front, grows the buffer when they fill it,
  // and reads more; false when the file gave nothing more.
  [[nodiscard]] bool Refill();

  InputFile* file_ = nullptr;
  std::uint64_t offset_ = 0;  // where the next read starts in the file
  std::vector<char, HugePageAllocator<char>> buffer_;
  std::size_t begin_ = 0;  // first unread byte
  std::size_t end_ = 0;    // one past the last byte in the buffer
  std::uint64_t unreadLimit_ = 0;
  bool exhausted_ = false;
};

}  // namespace qfc
