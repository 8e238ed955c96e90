#include "input/plain_loading.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace qfc::test {
namespace {

constexpr std::int64_t kChunkSize = 64000;
constexpr std::int64_t kTolerance = 2;
constexpr std::int64_t kFewestLinesForRatio = 10;
constexpr char kCrLf[] = "\r\n";

std::string ExpandTabs(std::string_view line) {
  std::string text;
  for (char c : line) {
    if (c == '\t') {
      text += "    ";
    } else {
      text += c;
    }
  }
  return text;
}

// One side of the CR LF rule's cycle.
struct CrLfSide {
  std::string_view bytes;
  std::int64_t length = 0;
  std::int64_t remaining = 0;
  std::int64_t chunkSize = kChunkSize;
  std::int64_t bytesRead = 0;
  std::int64_t crLfCount = 0;
  std::string carry;
  std::string chunk;
  std::int64_t chunkPosition = 0;
  std::int64_t charactersRead = 0;
  std::int64_t charactersConsumed = 0;
  std::size_t textPosition = 0;
  std::vector<std::string> lines;

  [[nodiscard]] bool AtEndOfStream() const { return textPosition >= bytes.size(); }

  // The text reader: a LF ends a line, a CR right before it goes with it.
  std::string ReadLine() {
    const std::size_t feed = bytes.find('\n', textPosition);
    std::string line;
    if (feed == std::string_view::npos) {
      line = bytes.substr(textPosition);
      textPosition = bytes.size();
    } else {
      line = bytes.substr(textPosition, feed - textPosition);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      textPosition = feed + 1;
    }
    return line;
  }
};

// Splits the chunk at every CR LF; the pieces tell the count and the carry.
std::int64_t CountCrLf(const std::string& chunk, std::string& carry) {
  if (chunk.empty()) return 0;
  std::vector<std::string> pieces;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = chunk.find(kCrLf, from);
    if (at == std::string::npos) {
      pieces.push_back(chunk.substr(from));
      break;
    }
    pieces.push_back(chunk.substr(from, at - from));
    from = at + 2;
  }
  auto count = static_cast<std::int64_t>(pieces.size()) - 1;
  if (carry + pieces.front().substr(0, 1) == kCrLf) ++count;
  carry = pieces.back().empty() ? "" : pieces.back().substr(pieces.back().size() - 1);
  return count;
}

bool IsWithin(std::int64_t value, std::int64_t target, std::int64_t tolerance) {
  return value - tolerance <= target && target <= value + tolerance;
}

void CheckTextMode(const CrLfSide& side, bool& binaryMode) {
  const auto lines = static_cast<std::int64_t>(
      static_cast<double>(side.charactersConsumed - side.charactersRead) / 2);
  if (lines > kFewestLinesForRatio && lines > 2 * side.crLfCount) binaryMode = true;
  if (side.bytesRead > side.charactersConsumed) return;
  if (!IsWithin(lines, side.crLfCount, kTolerance)) binaryMode = true;
}

PlainOutcome CrLfRule(const PerSide<std::string_view>& bytes) {
  PerSide<CrLfSide> sides;
  for (Side side : kBothSides) {
    sides[side].bytes = bytes[side];
    sides[side].length = static_cast<std::int64_t>(bytes[side].size());
    sides[side].remaining = sides[side].length;
  }
  PlainOutcome outcome;
  outcome.differ = sides[Side::Left].length != sides[Side::Right].length;
  const std::int64_t total = 2 * (sides[Side::Left].length + sides[Side::Right].length);
  for (bool done = false; !done;) {
    std::int64_t progress = 0;
    for (Side side : kBothSides) progress += sides[side].bytesRead + sides[side].charactersConsumed;
    if (total != 0) {
      const double percent = static_cast<double>(progress) / static_cast<double>(total) * 100;
      outcome.percents.push_back(static_cast<std::int32_t>(std::nearbyint(percent)));
    }
    for (Side side : kBothSides) {
      CrLfSide& s = sides[side];
      if (!(s.bytesRead <= s.charactersConsumed || outcome.binaryMode)) continue;
      if (s.chunkSize >= s.remaining) {
        s.chunkSize = s.remaining;
        s.remaining = 0;
      } else {
        s.remaining -= s.chunkSize;
      }
      s.bytesRead = s.length - s.remaining;
      if (s.chunkSize > 0) {
        s.chunk = s.bytes.substr(static_cast<std::size_t>(s.chunkPosition),
                                 static_cast<std::size_t>(s.chunkSize));
        s.chunkPosition += s.chunkSize;
      }
      s.crLfCount += CountCrLf(s.chunk, s.carry);
    }
    if (!outcome.differ) outcome.differ = sides[Side::Left].chunk != sides[Side::Right].chunk;
    for (Side side : kBothSides) sides[side].chunk.clear();

    if (!outcome.binaryMode) {
      for (Side side : kBothSides) {
        CrLfSide& s = sides[side];
        if (s.AtEndOfStream()) continue;
        const std::string line = s.ReadLine();
        s.lines.push_back(ExpandTabs(line));
        s.charactersRead += static_cast<std::int64_t>(line.size());
        s.charactersConsumed += static_cast<std::int64_t>(line.size()) + 2;
        CheckTextMode(s, outcome.binaryMode);
      }
      if (!outcome.binaryMode) {
        done = sides[Side::Left].AtEndOfStream() && sides[Side::Right].AtEndOfStream();
        continue;
      }
    }
    if (outcome.differ) break;
    done = sides[Side::Left].remaining == 0 && sides[Side::Right].remaining == 0;
  }
  for (Side side : kBothSides) outcome.lines[side] = std::move(sides[side].lines);
  return outcome;
}

PlainOutcome AnyLineEndRule(const PerSide<std::string_view>& bytes) {
  PlainOutcome outcome;
  outcome.binaryMode = std::ranges::any_of(
      kBothSides, [&](Side side) { return bytes[side].find('\0') != std::string_view::npos; });
  outcome.differ = bytes[Side::Left] != bytes[Side::Right];
  for (Side side : kBothSides) {
    std::string_view rest = bytes[side];
    LineEnds& ends = outcome.lineEnds[side];
    while (!rest.empty()) {
      const std::size_t feed = rest.find('\n');
      if (feed == std::string_view::npos) {
        outcome.lines[side].push_back(ExpandTabs(rest));
        ends.lastLineOpen = true;
        break;
      }
      std::string_view line = rest.substr(0, feed);
      if (line.ends_with('\r')) {
        line.remove_suffix(1);
        ++ends.crLf;
      } else {
        ++ends.lf;
      }
      outcome.lines[side].push_back(ExpandTabs(line));
      rest.remove_prefix(feed + 1);
    }
  }
  return outcome;
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return folded;
}

}  // namespace

PlainOutcome PlainLoad(const PerSide<std::string_view>& bytes, LineEndMode mode) {
  return mode == LineEndMode::Any ? AnyLineEndRule(bytes) : CrLfRule(bytes);
}

std::vector<std::int32_t> PlainUniqueLineNos(const std::vector<std::string>& lines) {
  std::unordered_map<std::string, std::vector<std::int32_t>> linesOfText;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    linesOfText[FoldCase(lines[n])].push_back(static_cast<std::int32_t>(n + 1));
  }
  std::vector<std::int32_t> unique;
  for (const std::string& line : lines) {
    const std::vector<std::int32_t>& found = linesOfText[FoldCase(line)];
    const bool blank = line.find_first_not_of(' ') == std::string::npos;
    unique.push_back(!blank && found.size() == 1 ? found.front() : 0);
  }
  return unique;
}

std::string Divergence(const PlainOutcome& plain, LineEndMode mode, const LoadOutcome& outcome,
                       const LoadedText& text) {
  if (outcome.failure) return "loader failed: " + *outcome.failure;
  if (outcome.binaryMode != plain.binaryMode) {
    return plain.binaryMode ? "loader says text, plain reading binary"
                            : "loader says binary, plain reading text";
  }
  if (plain.binaryMode && outcome.differ != plain.differ) return "binary verdicts differ";
  if (plain.binaryMode && mode == LineEndMode::Any) return "";
  for (Side side : kBothSides) {
    const std::string name = side == Side::Left ? "left" : "right";
    const std::vector<std::string>& lines = plain.lines[side];
    if (text.lines[side].Count() != static_cast<std::int32_t>(lines.size())) {
      return name + " has " + std::to_string(text.lines[side].Count()) + " lines, plain reading " +
             std::to_string(lines.size());
    }
    const std::vector<std::int32_t> unique = PlainUniqueLineNos(lines);
    for (std::size_t n = 0; n < lines.size(); ++n) {
      const auto lineNo = static_cast<std::int32_t>(n + 1);
      if (text.lines[side].Line(lineNo) != lines[n]) {
        return name + " line " + std::to_string(lineNo) + " differs";
      }
      if (text.index[side].UniqueLineNo(text.lines[side], lines[n]) != unique[n]) {
        return name + " index answers " +
               std::to_string(text.index[side].UniqueLineNo(text.lines[side], lines[n])) +
               " for line " + std::to_string(lineNo) + ", plain reading " +
               std::to_string(unique[n]);
      }
    }
    if (mode == LineEndMode::Any) {
      const LineEnds& got = outcome.lineEnds[side];
      const LineEnds& want = plain.lineEnds[side];
      if (got.crLf != want.crLf || got.lf != want.lf || got.lastLineOpen != want.lastLineOpen) {
        return name + " line ends differ";
      }
    }
  }
  return "";
}

}  // namespace qfc::test
