// Resolution into rows. Every match becomes a row with both lines. Between
// two matches (and above the first, below the last) lies a gap; its lines
// are laid side by side from the top of the gap, the k-th left line beside
// the k-th right line, and where one side has more lines, the rest stand
// opposite an empty side. Since the matches increase in both lines and the
// gaps cover the lines between them, every line of each file appears exactly
// once, in order.
#include "engine/row_resolution.h"

#include <cassert>
#include <cstddef>

#include "engine/detail_text.h"

namespace qfc {
namespace {

constexpr std::string_view kResolvingText = "Resolving ";
constexpr std::string_view kSeparator = ", ";

// Every line of each side appears once, in increasing order.
[[maybe_unused]] bool CoversBothFiles(std::span<const LinePair> rows, std::int32_t leftCount,
                                      std::int32_t rightCount) {
  std::int32_t nextLeft = 1;
  std::int32_t nextRight = 1;
  for (const LinePair& row : rows) {
    if (row.left != kNoLine && row.left != nextLeft++) return false;
    if (row.right != kNoLine && row.right != nextRight++) return false;
  }
  return nextLeft == leftCount + 1 && nextRight == rightCount + 1;
}

}  // namespace

void ResolveRows(const KeyedPairList& matches, std::int32_t leftCount, std::int32_t rightCount,
                 Progress& progress, KeyedPairList& rows) {
  rows.Clear();
  // Each match row stands for one line of each side, every other row for at
  // least one line.
  const std::size_t lineCount =
      static_cast<std::size_t>(leftCount) + static_cast<std::size_t>(rightCount);
  if (matches.Size() <= lineCount) rows.Reserve(lineCount - matches.Size());
  std::int32_t prevLeft = 0;
  std::int32_t prevRight = 0;
  for (const LinePair& match : matches.Entries()) {
    FillGapRows(match.left - 1, match.right - 1, prevLeft + 1, prevRight + 1, rows);
    rows.Add(match);
    prevLeft = match.left;
    prevRight = match.right;
    DetailText text;
    progress.SetProgressText(text.Append(kResolvingText)
                                 .Append(match.left)
                                 .Append(kSeparator)
                                 .Append(match.right)
                                 .View());
    if (progress.Canceled()) return;
  }
  if (prevLeft != leftCount || prevRight != rightCount) {
    FillGapRows(leftCount, rightCount, prevLeft + 1, prevRight + 1, rows);
  }
  assert(CoversBothFiles(rows.Entries(), leftCount, rightCount));
}

void FillGapRows(std::int32_t leftEnd, std::int32_t rightEnd, std::int32_t leftStart,
                 std::int32_t rightStart, KeyedPairList& rows) {
  const std::int32_t n = MaxLong(leftEnd - leftStart, rightEnd - rightStart);
  for (std::int32_t k = 0; k <= n; ++k) {
    rows.Add({LineOrNone(leftStart + k, leftEnd), LineOrNone(rightStart + k, rightEnd)});
  }
}

}  // namespace qfc
