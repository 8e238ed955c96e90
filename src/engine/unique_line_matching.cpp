// Unique-line matching. A line that occurs once in each of two texts (apart
// from letter case) is almost surely the same line in both: such pairs are
// the fixed points of the alignment. Each side's index tells, by one keyed
// lookup, whether a text occurs exactly once on that side; a left line is
// looked up in its own index and then, by its text, in the right index.
// Blank lines never match: the index answers 0 for them.
//
// The gap search repeats this with indexes holding only the gap's lines, so
// a line repeated elsewhere in its file can still be matched inside a gap.
#include "engine/unique_line_matching.h"

#include <cassert>
#include <vector>

namespace qfc {
namespace {

constexpr std::string_view kIndexingText = "Indexing...";
// How many lines ahead the whole-file search asks for the index slots it
// will need: far enough for memory to answer before the lookup comes.
constexpr std::int32_t kPrefetchDistance = 16;

// The right line holding left line `leftLine`'s text if that text occurs
// once on each side, else 0.
[[nodiscard]] std::int32_t UniquePartner(const LoadedText& text, std::int32_t leftLine) {
  const LineList& left = text.lines[Side::Left];
  const std::string_view line = left.Line(leftLine);
  const LineHash hash = left.Hash(leftLine);
  if (text.index[Side::Left].UniqueLineNo(left, line, hash) == 0) return 0;
  return text.index[Side::Right].UniqueLineNo(text.lines[Side::Right], line, hash);
}

// For every left line (by number), whether its text occurs once on the left.
// The answers are all the whole-file search needs of the left index, which
// is given back here, before the matches grow.
[[nodiscard]] std::vector<bool> TakeUniqueLeftLines(LoadedText& text) {
  const LineList& left = text.lines[Side::Left];
  LineIndex& index = text.index[Side::Left];
  std::vector<bool> unique(static_cast<std::size_t>(left.Count()) + 1);
  for (std::int32_t i = 1; i <= left.Count(); ++i) {
    if (i + kPrefetchDistance <= left.Count()) index.Prefetch(left.Hash(i + kPrefetchDistance));
    unique[static_cast<std::size_t>(i)] = index.UniqueLineNo(left, left.Line(i), left.Hash(i)) != 0;
  }
  index = LineIndex{};
  return unique;
}

}  // namespace

void MatchUniqueLines(LoadedText& text, Progress& progress, KeyedPairList& matches) {
  matches.Clear();
  const LineList& left = text.lines[Side::Left];
  const LineList& right = text.lines[Side::Right];
  const std::int32_t leftCount = left.Count();
  const std::vector<bool> uniqueLeft = TakeUniqueLeftLines(text);
  // At most one match per left line; room reserved is touched only as used.
  matches.Reserve(static_cast<std::size_t>(leftCount));
  progress.InitProgress(kComparisonPhase);
  for (std::int32_t i = 1; i <= leftCount; ++i) {
    if (i + kPrefetchDistance <= leftCount) {
      text.index[Side::Right].Prefetch(left.Hash(i + kPrefetchDistance));
    }
    const std::int32_t r =
        uniqueLeft[static_cast<std::size_t>(i)]
            ? text.index[Side::Right].UniqueLineNo(right, left.Line(i), left.Hash(i))
            : 0;
    if (r > 0) matches.Add({i, r});
    progress.SetProgressText(kIndexingText);
    if (progress.Canceled()) break;
  }
}

void MatchUniqueInRange(LoadedText& text, const Gap& gap, KeyedPairList& newMatches) {
  assert(gap.left.HasLines() && gap.right.HasLines());
  // Deferred adds let the index fetch slots ahead; Flush completes them.
  for (Side side : kBothSides) {
    text.index[side].Clear();
    for (LineNumber n = gap[side].start; n <= gap[side].end; ++n) {
      text.index[side].AddToIndexLater(text.lines[side], n);
    }
    text.index[side].Flush(text.lines[side]);
  }
  for (LineNumber i = gap.left.start; i <= gap.left.end; ++i) {
    const std::int32_t r = UniquePartner(text, i);
    if (r > 0) newMatches.Add({i, r});
  }
}

}  // namespace qfc
