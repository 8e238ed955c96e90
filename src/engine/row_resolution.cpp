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
#include "engine/result_rows.h"

namespace qfc {
namespace {

constexpr std::string_view kResolvingText = "Resolving ";
constexpr std::string_view kSeparator = ", ";

}  // namespace

void ResolveRows(const KeyedPairList& matches, std::int32_t leftCount, std::int32_t rightCount,
                 Progress& progress, KeyedPairList& rows) {
  rows.Clear();
  // Each match row stands for one line of each side, every other row for at
  // least one line.
  const std::size_t lineCount =
      static_cast<std::size_t>(leftCount) + static_cast<std::size_t>(rightCount);
  if (matches.Size() <= lineCount) rows.Reserve(lineCount - matches.Size());
  LinePair prev{0, 0};
  for (const LinePair& match : matches.Entries()) {
    FillGapRows(GapBetween(prev, match), rows);
    rows.Add(match);
    prev = match;
    DetailText text;
    progress.SetProgressText(text.Append(kResolvingText)
                                 .Append(match.left)
                                 .Append(kSeparator)
                                 .Append(match.right)
                                 .View());
    if (progress.Canceled()) return;
  }
  const LinePair pastTheEnd{leftCount + 1, rightCount + 1};
  if (prev.left != leftCount || prev.right != rightCount) {
    FillGapRows(GapBetween(prev, pastTheEnd), rows);
  }
  assert(CoversEveryLine(rows.Entries(), {{leftCount, rightCount}}));
}

void FillGapRows(const Gap& gap, KeyedPairList& rows) {
  const std::int32_t n = MaxLong(gap.left.end - gap.left.start, gap.right.end - gap.right.start);
  for (std::int32_t k = 0; k <= n; ++k) {
    rows.Add({LineOrNone(gap.left.start + k, gap.left.end),
              LineOrNone(gap.right.start + k, gap.right.end)});
  }
}

}  // namespace qfc
