// Parsing follows a fixed order: find the first of each marker (positions are
// 1-based and 16-bit), give up when either is absent, turn both markers into
// one neutral separator "/~:", split, and take segments 1 and 2 in the order
// the markers came. A "/~:" typed by the user therefore ends a segment too.
// Only spaces are trimmed; nothing else of a path is touched.
#include "app/command_line.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "app/error_record.h"

namespace qfc {
namespace {

constexpr std::string_view kLeftMarker = "/1:";
constexpr std::string_view kRightMarker = "/2:";
constexpr std::string_view kSeparator = "/~:";

// A marker position that does not fit its 16-bit home is an overflow, raised
// under the usual number for one.
constexpr std::int32_t kOverflowNumber = 6;
constexpr char kOverflowDescription[] = "Overflow";

[[noreturn]] void Raise(std::string_view description) {
  throw ErrorRecord(kAppErrorBase, kCommandLineSource, std::string(description));
}

// 1-based position of the first occurrence, 0 when absent.
std::int16_t MarkerPosition(const std::string& text, std::string_view marker) {
  const std::size_t found = text.find(marker);
  if (found == std::string::npos) return 0;
  const std::size_t position = found + 1;
  if (position > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
    throw ErrorRecord(kOverflowNumber, kCommandLineSource, kOverflowDescription);
  }
  return static_cast<std::int16_t>(position);
}

// One pass from the left; replaced text is not searched again.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::size_t at = text.find(from);
  while (at != std::string::npos) {
    text.replace(at, from.size(), to);
    at = text.find(from, at + to.size());
  }
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> segments;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, start)) {
    segments.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  segments.push_back(text.substr(start));
  return segments;
}

// The mode named by the "--eol=" words among the blank-separated words of
// `text`; the last one counts.
LineEndMode LineEndModeOf(std::string_view text) {
  LineEndMode mode = LineEndMode::CrLf;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    const std::string_view word = text.substr(start, end - start);
    if (word.starts_with(kLineEndOption)) {
      const std::string_view value = word.substr(kLineEndOption.size());
      const std::optional<LineEndMode> named = LineEndModeNamed(value);
      if (!named) Raise(UnknownLineEndModeText(value));
      mode = *named;
    }
    start = end + 1;
  }
  return mode;
}

std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace

CommandLine ParseCmdLine(std::string commandLine) {
  const std::int16_t leftAt = MarkerPosition(commandLine, kLeftMarker);
  const std::int16_t rightAt = MarkerPosition(commandLine, kRightMarker);
  if (leftAt == 0 || rightAt == 0) Raise(kMarkersMissing);

  ReplaceAll(commandLine, kLeftMarker, kSeparator);
  ReplaceAll(commandLine, kRightMarker, kSeparator);
  // Both markers were present, so there are at least three segments; the
  // first, before any marker, is ignored.
  const std::vector<std::string_view> segments = Split(commandLine, kSeparator);
  const bool leftComesFirst = leftAt < rightAt;

  CommandLine parsed;
  parsed.lineEnds = LineEndModeOf(segments[0]);
  PerSide<std::string>& paths = parsed.paths;
  paths[Side::Left] = TrimBlanks(segments[leftComesFirst ? 1 : 2]);
  paths[Side::Right] = TrimBlanks(segments[leftComesFirst ? 2 : 1]);

  // Checked as opened: the loader reads these very files.
  for (const Side side : kBothSides) {
    parsed.files[side] = InputFile::Open(paths[side]);
    if (!parsed.files[side].Exists()) Raise(kMissingFileTexts[side]);
  }
  return parsed;
}

std::string JoinCommandLineTail(int argc, const char* const argv[]) {
  std::string tail;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) tail += ' ';
    tail += argv[i];
  }
  return tail;
}

}  // namespace qfc
