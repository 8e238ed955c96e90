// The text stream the loader reads lines from: the lines of a file's bytes,
// one per ReadLine, each a view into those bytes.
//
// Line ends: a line feed ends a line, and a carriage return directly before it
// belongs to the line end; a lone carriage return is an ordinary character.
// The last line is returned whether or not a line end follows it, and no empty
// line follows a final line end. Bytes are characters, all 256 values alike.
#pragma once

#include <cstddef>
#include <string_view>

namespace qfc {

class TextReader {
 public:
  // Reads the lines of `bytes`, which must stay where they are while read.
  void Open(std::string_view bytes);
  void Close() { Open({}); }

  // True when no further line can be read.
  [[nodiscard]] bool AtEndOfStream() const { return next_ == bytes_.size(); }

  // The next line without its line end. At the end of the stream it answers
  // an empty line; ask AtEndOfStream first.
  [[nodiscard]] std::string_view ReadLine();

 private:
  std::string_view bytes_;
  std::size_t next_ = 0;  // first unread byte
};

}  // namespace qfc
