// Iterative refinement. The first matches split both files into gaps. A line
// repeated in its file is often unique inside one gap, so each gap is
// searched again with indexes built from the gap alone; the new matches
// (with their crossings removed) are merged into the chain and split the
// gaps further. The driver repeats passes until one finds nothing.
//
// A pass visits the gap above every match and the one below the last, top
// to bottom, and announces each, also when a side is empty.
#include "engine/refinement.h"

#include <cassert>

#include "engine/crossing_removal.h"
#include "engine/detail_text.h"
#include "engine/unique_line_matching.h"

namespace qfc {
namespace {

constexpr std::string_view kRangeText = "Range ";
constexpr std::string_view kSeparator = ", ";

void ShowGap(Progress& progress, const Gap& gap) {
  DetailText text;
  text.Append(kRangeText).Append(gap.left.start).Append(kSeparator).Append(gap.left.end);
  text.Append(kSeparator).Append(gap.right.start).Append(kSeparator).Append(gap.right.end);
  progress.SetProgressText(text.View());
}

[[nodiscard]] bool BothBelow(const LinePair& a, const LinePair& b) {
  return a.left < b.left && a.right < b.right;
}

}  // namespace

void ProcessRanges(LoadedText& text, Progress& progress, EngineLists& lists, BarrenGaps& barren) {
  lists.newMatches.Clear();
  const std::size_t n = lists.matches.Size();
  if (n < 1) return;
  const LinePair end{text.lines[Side::Left].Count() + 1, text.lines[Side::Right].Count() + 1};
  LinePair prev{0, 0};
  for (std::size_t j = 0; j <= n; ++j) {
    const bool lastGap = j == n;
    const LinePair cur = lastGap ? end : lists.matches[j];
    const Gap gap = GapBetween(prev, cur);
    if (RangeHasLines(gap)) {
      if (barren.Contains(gap)) {
        barren.Add(gap);
      } else {
        const std::size_t before = lists.newMatches.Size();
        MatchUniqueInRange(text, gap, lists.newMatches);
        if (lists.newMatches.Size() == before) barren.Add(gap);
      }
    }
    prev = cur;
    ShowGap(progress, gap);
    if (progress.Canceled()) return;
  }
  barren.EndPass();
  AnalyzeMatches(lists.newMatches, progress);
  MergeMatches(lists.matches, lists.newMatches);
}

void MergeMatches(KeyedPairList& matches, const KeyedPairList& newMatches) {
  const std::size_t m = newMatches.Size();
  if (m == 0) return;
  PairList out;
  out.reserve(matches.Size() + m);
  std::size_t k = 0;
  LinePair nw = newMatches[0];
  LinePair last{0, 0};
  for (const LinePair& a : matches.Entries()) {
    if (BothBelow(a, nw)) {
      out.push_back(a);
      last = a;
      continue;
    }
    while (k < m && BothBelow(nw, a)) {
      out.push_back(nw);
      ++k;
      if (k < m) nw = newMatches[k];
    }
    out.push_back(a);
  }
  for (; k < m; ++k) {
    nw = newMatches[k];
    if (BothBelow(last, nw)) {
      out.push_back(nw);
      last = nw;
    }
  }
  matches.ReplaceWithoutKeys(std::move(out));
}

}  // namespace qfc
