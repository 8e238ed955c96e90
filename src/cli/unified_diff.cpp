// Unified diff of the aligned rows. The rows already are the alignment, so
// a hunk is just a window over them: from `context` rows before its first
// difference row to `context` rows after its last, where two difference rows
// separated by at most 2 * context equal rows fall into the same hunk. Line
// ranges in the header follow diff's convention: "start,count", the count
// left out when it is 1, and an empty range given as the line before it.
#include "cli/unified_diff.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "engine/character_diff.h"

namespace qfc::cli {
namespace {

// diff's default colours: bold file names, cyan hunk headers, red removed
// and green added lines; marked characters in reverse video.
constexpr std::string_view kBold = "\x1b[1m";
constexpr std::string_view kCyan = "\x1b[36m";
constexpr PerSide<std::string_view> kLineColor{{"\x1b[31m", "\x1b[32m"}};
constexpr std::string_view kReverse = "\x1b[7m";
constexpr std::string_view kReverseOff = "\x1b[27m";
constexpr std::string_view kReset = "\x1b[0m";
// The brackets of a marked run without colour, as git's word diff writes them.
constexpr PerSide<std::string_view> kMarkOpen{{"[-", "{+"}};
constexpr PerSide<std::string_view> kMarkClose{{"-]", "+}"}};
constexpr PerSide<char> kLineMark{{'-', '+'}};

// The last line number of each side before a row, kept while the rows are
// walked from the top.
class LinesBefore {
 public:
  explicit LinesBefore(std::span<const LinePair> rows) : rows_(rows) {}

  // Moves to `row`, which must not be above the previous one.
  void AdvanceTo(std::size_t row) {
    for (; next_ < row; ++next_) {
      for (const Side side : kBothSides) {
        if (rows_[next_].HasLine(side)) last_[side] = rows_[next_][side];
      }
    }
  }
  [[nodiscard]] std::int32_t Last(Side side) const { return last_[side]; }

 private:
  std::span<const LinePair> rows_;
  std::size_t next_ = 0;
  PerSide<std::int32_t> last_{};
};

void WriteRange(std::int32_t lastBefore, std::int32_t count, OutputBuffer& out) {
  if (count == 0) {
    out.Append(lastBefore).Append(",0");
    return;
  }
  out.Append(lastBefore + 1);
  if (count != 1) out.Append(',').Append(count);
}

// The texts of the two files, their last lines without a line end, and how
// to write them.
struct Files {
  const PerSide<LineList>& lines;
  const PerSide<std::int32_t>& openLastLine;
  const DiffStyle& style;
};

void WriteContextLine(const Files& files, std::int32_t lineNo, OutputBuffer& out) {
  out.Append(' ').Append(files.lines[Side::Left].Line(lineNo)).Append('\n');
  if (lineNo == files.openLastLine[Side::Left]) out.Append(kNoNewlineMarker).Append('\n');
}

void WriteMarked(std::string_view text, Side side, std::span<const ByteRun> runs,
                 const DiffStyle& style, OutputBuffer& out) {
  std::size_t at = 0;
  for (const ByteRun& run : runs) {
    const auto start = static_cast<std::size_t>(run.start);
    out.Append(text.substr(at, start - at));
    out.Append(style.color ? kReverse : kMarkOpen[side]);
    out.Append(text.substr(start, static_cast<std::size_t>(run.length)));
    out.Append(style.color ? kReverseOff : kMarkClose[side]);
    at = start + static_cast<std::size_t>(run.length);
  }
  out.Append(text.substr(at));
}

// A "-" or "+" line; `runs` are its marked characters.
void WriteChangedLine(const Files& files, Side side, std::int32_t lineNo,
                      std::span<const ByteRun> runs, OutputBuffer& out) {
  if (files.style.color) out.Append(kLineColor[side]);
  out.Append(kLineMark[side]);
  WriteMarked(files.lines[side].Line(lineNo), side, runs, files.style, out);
  if (files.style.color) out.Append(kReset);
  out.Append('\n');
  if (lineNo == files.openLastLine[side]) out.Append(kNoNewlineMarker).Append('\n');
}

void WriteHunk(std::span<const LinePair> rows, std::span<const RowKind> kinds, const Files& files,
               const LinesBefore& before, OutputBuffer& out) {
  PerSide<std::int32_t> counts{};
  for (const LinePair& row : rows) {
    for (Side side : kBothSides) {
      if (row.HasLine(side)) ++counts[side];
    }
  }
  if (files.style.color) out.Append(kCyan);
  out.Append("@@ -");
  WriteRange(before.Last(Side::Left), counts[Side::Left], out);
  out.Append(" +");
  WriteRange(before.Last(Side::Right), counts[Side::Right], out);
  out.Append(" @@");
  if (files.style.color) out.Append(kReset);
  out.Append('\n');

  std::vector<ChangedRuns> marks;
  for (std::size_t r = 0; r < rows.size();) {
    if (!IsDifference(kinds[r])) {
      WriteContextLine(files, rows[r].left, out);
      ++r;
      continue;
    }
    std::size_t runEnd = r;
    while (runEnd < rows.size() && IsDifference(kinds[runEnd])) ++runEnd;
    marks.assign(runEnd - r, ChangedRuns{});
    if (files.style.wordDiff) {
      for (std::size_t k = r; k < runEnd; ++k) {
        if (kinds[k] != RowKind::Changed) continue;
        marks[k - r] = DiffCharacters({{files.lines[Side::Left].Line(rows[k].left),
                                        files.lines[Side::Right].Line(rows[k].right)}});
      }
    }
    for (const Side side : kBothSides) {
      for (std::size_t k = r; k < runEnd; ++k) {
        if (rows[k].HasLine(side)) {
          WriteChangedLine(files, side, rows[k][side], marks[k - r][side], out);
        }
      }
    }
    r = runEnd;
  }
}

}  // namespace

void WriteUnifiedDiff(std::span<const LinePair> rows, std::span<const RowKind> givenKinds,
                      const PerSide<LineList>& lines, const PerSide<std::string_view>& labels,
                      const PerSide<std::int32_t>& openLastLine, int context,
                      const DiffStyle& style, OutputBuffer& out) {
  // An equal row whose lines differ in having a line end is a change to patch.
  std::vector<RowKind> shownKinds;
  std::span<const RowKind> kinds = givenKinds;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const bool leftOpen = rows[r].HasLine(Side::Left) && rows[r].left == openLastLine[Side::Left];
    const bool rightOpen =
        rows[r].HasLine(Side::Right) && rows[r].right == openLastLine[Side::Right];
    if (kinds[r] == RowKind::Equal && leftOpen != rightOpen) {
      if (shownKinds.empty()) shownKinds.assign(givenKinds.begin(), givenKinds.end());
      shownKinds[r] = RowKind::Changed;
      kinds = shownKinds;
    }
  }
  const Files files{lines, openLastLine, style};
  const std::size_t around = static_cast<std::size_t>(std::max(context, 0));
  const std::size_t rowCount = rows.size();
  LinesBefore before(rows);
  bool headerWritten = false;
  std::size_t r = 0;
  while (true) {
    while (r < rowCount && !IsDifference(kinds[r])) ++r;
    if (r == rowCount) break;
    const std::size_t firstDifference = r;
    std::size_t lastDifference = r;
    for (std::size_t k = r + 1; k < rowCount && k - lastDifference - 1 <= 2 * around; ++k) {
      if (IsDifference(kinds[k])) lastDifference = k;
    }
    const std::size_t hunkStart = firstDifference - std::min(firstDifference, around);
    const std::size_t hunkEnd = std::min(rowCount, lastDifference + 1 + around);
    if (!headerWritten) {
      for (const Side side : kBothSides) {
        if (style.color) out.Append(kBold);
        out.Append(side == Side::Left ? "--- " : "+++ ").Append(labels[side]);
        if (style.color) out.Append(kReset);
        out.Append('\n');
      }
      headerWritten = true;
    }
    before.AdvanceTo(hunkStart);
    WriteHunk(rows.subspan(hunkStart, hunkEnd - hunkStart),
              kinds.subspan(hunkStart, hunkEnd - hunkStart), files, before, out);
    r = hunkEnd;
  }
}

}  // namespace qfc::cli
