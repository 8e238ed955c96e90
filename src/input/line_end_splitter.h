// The line rule of "--eol=any", for bytes that arrive in chunks:
//   - a line ends at a line feed (LF);
//   - a carriage return (CR) right before that LF belongs to the line end;
//   - a CR anywhere else is an ordinary character of the line;
//   - the last line counts whether or not a line end follows it, and no
//     empty line follows a final line end.
// So "a\r\n" and "a\n" are the same line "a", "a\rb" is one line, and a file
// of "\n\n" has two empty lines. A line, and even its CR LF, may be split
// anywhere between two chunks. A side holds at most kMaxLinesPerSide lines,
// the most a line number counts; one more is the failure "Overflow".
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "input/load_failure.h"

namespace qfc {

inline constexpr std::int64_t kMaxLinesPerSide = std::numeric_limits<std::int32_t>::max();

// How the lines of one file end, as the user is told.
enum class LineEndStyle { None, CrLf, Lf, Mixed };

[[nodiscard]] constexpr std::string_view LineEndStyleText(LineEndStyle style) {
  switch (style) {
    case LineEndStyle::CrLf:
      return "CR LF";
    case LineEndStyle::Lf:
      return "LF";
    case LineEndStyle::Mixed:
      return "mixed";
    case LineEndStyle::None:
      break;
  }
  return "none";
}

// The line ends one file had.
struct LineEnds {
  std::uint64_t crLf = 0;     // lines ended by CR LF
  std::uint64_t lf = 0;       // lines ended by a LF alone
  bool lastLineOpen = false;  // the last line has no line end

  [[nodiscard]] constexpr LineEndStyle Style() const {
    if (crLf == 0 && lf == 0) return LineEndStyle::None;
    if (lf == 0) return LineEndStyle::CrLf;
    if (crLf == 0) return LineEndStyle::Lf;
    return LineEndStyle::Mixed;
  }
};

class LineEndSplitter {
 public:
  LineEndSplitter() = default;
  explicit LineEndSplitter(std::int64_t maxLines) : maxLines_(maxLines) {}

  // Calls onLine(text) for every line that ends in `chunk`, in order; the
  // text comes without its line end and is valid during the call only. The
  // bytes after the chunk's last LF wait for the next chunk or Finish.
  template <typename OnLine>
  void Feed(std::string_view chunk, OnLine&& onLine) {
    std::size_t start = 0;
    for (std::size_t feed = chunk.find('\n'); feed != std::string_view::npos;
         feed = chunk.find('\n', start)) {
      std::string_view line = chunk.substr(start, feed - start);
      if (!open_.empty()) line = open_.append(line);
      const bool crLf = line.ends_with('\r');
      if (crLf) line.remove_suffix(1);
      Emit(line, onLine);
      ++(crLf ? ends_.crLf : ends_.lf);
      open_.clear();
      start = feed + 1;
    }
    open_.append(chunk.substr(start));
  }

  // The end of the file: what came after the last LF is the last line.
  template <typename OnLine>
  void Finish(OnLine&& onLine) {
    if (open_.empty()) return;
    ends_.lastLineOpen = true;
    Emit(open_, onLine);
    open_.clear();
  }

  [[nodiscard]] const LineEnds& Ends() const { return ends_; }

 private:
  template <typename OnLine>
  void Emit(std::string_view line, OnLine& onLine) {
    if (lines_ == maxLines_) throw LoadFailure(std::string(kOverflowDescription));
    ++lines_;
    onLine(line);
  }

  std::int64_t maxLines_ = kMaxLinesPerSide;
  std::int64_t lines_ = 0;
  std::string open_;  // the start of a line whose line end has not come yet
  LineEnds ends_;
};

}  // namespace qfc
