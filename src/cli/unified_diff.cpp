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

namespace qfc::cli {
namespace {

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

// The texts of the two files and their last lines without a line end.
struct Files {
  const PerSide<LineList>& lines;
  const PerSide<std::int32_t>& openLastLine;
};

void WriteLine(char mark, const Files& files, Side side, std::int32_t lineNo, OutputBuffer& out) {
  out.Append(mark).Append(files.lines[side].Line(lineNo)).Append('\n');
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
  out.Append("@@ -");
  WriteRange(before.Last(Side::Left), counts[Side::Left], out);
  out.Append(" +");
  WriteRange(before.Last(Side::Right), counts[Side::Right], out);
  out.Append(" @@\n");

  for (std::size_t r = 0; r < rows.size();) {
    if (!IsDifference(kinds[r])) {
      WriteLine(' ', files, Side::Left, rows[r].left, out);
      ++r;
      continue;
    }
    std::size_t runEnd = r;
    while (runEnd < rows.size() && IsDifference(kinds[runEnd])) ++runEnd;
    for (const Side side : kBothSides) {
      const char mark = side == Side::Left ? '-' : '+';
      for (std::size_t k = r; k < runEnd; ++k) {
        if (rows[k].HasLine(side)) WriteLine(mark, files, side, rows[k][side], out);
      }
    }
    r = runEnd;
  }
}

}  // namespace

void WriteUnifiedDiff(std::span<const LinePair> rows, std::span<const RowKind> givenKinds,
                      const PerSide<LineList>& lines, const PerSide<std::string_view>& labels,
                      const PerSide<std::int32_t>& openLastLine, int context, OutputBuffer& out) {
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
  const Files files{lines, openLastLine};
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
      out.Append("--- ").Append(labels[Side::Left]).Append('\n');
      out.Append("+++ ").Append(labels[Side::Right]).Append('\n');
      headerWritten = true;
    }
    before.AdvanceTo(hunkStart);
    WriteHunk(rows.subspan(hunkStart, hunkEnd - hunkStart),
              kinds.subspan(hunkStart, hunkEnd - hunkStart), files, before, out);
    r = hunkEnd;
  }
}

}  // namespace qfc::cli
