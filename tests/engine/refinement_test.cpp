#include "engine/refinement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loaded_text_builder.h"
#include "pair_printing.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

using Lines = std::vector<std::string>;

PairList Plain(const KeyedPairList& list) { return {list.Entries().begin(), list.Entries().end()}; }

KeyedPairList Keyed(const PairList& pairs) {
  KeyedPairList list;
  for (const LinePair& pair : pairs) list.Add(pair);
  return list;
}

std::vector<std::string> RangeTexts(const std::vector<std::string>& texts) {
  std::vector<std::string> ranges;
  for (const std::string& text : texts) {
    if (text.starts_with("Range ")) ranges.push_back(text);
  }
  return ranges;
}

struct PassCase {
  std::string name;
  Lines left;
  Lines right;
  PairList matches;
  std::vector<std::string> ranges;
  PairList found;
  PairList merged;
};

class RefinementPass : public ::testing::TestWithParam<PassCase> {};

TEST_P(RefinementPass, AnnouncesEveryGapAndMergesFindings) {
  const PassCase& c = GetParam();
  LoadedText text = test::MakeLoadedText(c.left, c.right);
  EngineLists lists;
  lists.matches = Keyed(c.matches);
  test::ProgressDouble progress;
  BarrenGaps barren;
  ProcessRanges(text, progress, lists, barren);
  EXPECT_EQ(RangeTexts(progress.texts), c.ranges);
  EXPECT_EQ(Plain(lists.newMatches), c.found);
  EXPECT_EQ(Plain(lists.matches), c.merged);
}

INSTANTIATE_TEST_SUITE_P(
    Gaps, RefinementPass,
    ::testing::Values(PassCase{"NoMatchNoPass", {"a"}, {"a", "a"}, {}, {}, {}, {}},
                      PassCase{"GapsAroundOneMatch",
                               {"x", "y", "m", "y", "x"},
                               {"x", "y", "m", "x", "y"},
                               {{3, 3}},
                               {"Range 1, 2, 1, 2", "Range 4, 5, 4, 5"},
                               {{1, 1}, {2, 2}, {4, 5}},
                               {{1, 1}, {2, 2}, {3, 3}, {4, 5}}},
                      PassCase{"EmptyGapsAreAnnounced",
                               {"a", "b", "c", "d"},
                               {"a", "b", "c", "d"},
                               {{1, 1}, {2, 2}, {4, 4}},
                               {"Range 1, 0, 1, 0", "Range 2, 1, 2, 1", "Range 3, 3, 3, 3",
                                "Range 5, 4, 5, 4"},
                               {{3, 3}},
                               {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
                      PassCase{"OneSidedGapIsNotSearched",
                               {"m", "q", "n"},
                               {"m", "n", "q"},
                               {{1, 1}, {3, 2}},
                               {"Range 1, 0, 1, 0", "Range 2, 2, 2, 1", "Range 4, 3, 3, 3"},
                               {},
                               {{1, 1}, {3, 2}}},
                      PassCase{"CrossingFindingsAreRemoved",
                               {"k", "a", "b", "c", "k"},
                               {"k", "c", "a", "b", "k"},
                               {{1, 1}, {5, 5}},
                               {"Range 1, 0, 1, 0", "Range 2, 4, 2, 4", "Range 6, 5, 6, 5"},
                               {{2, 3}, {3, 4}},
                               {{1, 1}, {2, 3}, {3, 4}, {5, 5}}}),
    [](const auto& info) { return info.param.name; });

TEST(RefinementPass, CancelStopsBeforeAnalysisAndMerge) {
  LoadedText text = test::MakeLoadedText({"x", "m", "y"}, {"x", "m", "y"});
  EngineLists lists;
  lists.matches = Keyed({{2, 2}});
  test::ProgressDouble progress(/*cancelAtCall=*/1);
  BarrenGaps barren;
  ProcessRanges(text, progress, lists, barren);
  EXPECT_EQ(RangeTexts(progress.texts), (std::vector<std::string>{"Range 1, 1, 1, 1"}));
  EXPECT_EQ(Plain(lists.newMatches), (PairList{{1, 1}}));
  EXPECT_EQ(Plain(lists.matches), (PairList{{2, 2}}));
}

TEST(RefinementPass, ABarrenGapIsNotSearchedTwiceButStillAnnounced) {
  // Gap 1-2 holds repeated lines only; the second pass announces it again.
  LoadedText text = test::MakeLoadedText({"r", "r", "m", "s", "t"}, {"r", "r", "m", "t", "s"});
  EngineLists lists;
  lists.matches = Keyed({{3, 3}});
  test::ProgressDouble progress;
  BarrenGaps barren;
  ProcessRanges(text, progress, lists, barren);
  EXPECT_EQ(Plain(lists.matches), (PairList{{3, 3}, {4, 5}}));
  ProcessRanges(text, progress, lists, barren);
  EXPECT_TRUE(lists.newMatches.Empty());
  // The indexes still hold the last gap searched in the first pass, lines 4-5.
  EXPECT_EQ(text.index[Side::Left].DistinctTexts(), 2U);
  EXPECT_EQ(RangeTexts(progress.texts),
            (std::vector<std::string>{"Range 1, 2, 1, 2", "Range 4, 5, 4, 5",  //
                                      "Range 1, 2, 1, 2", "Range 4, 3, 4, 4", "Range 5, 5, 6, 5"}));
}

TEST(RangeHasLines, NeedsLinesOnBothSides) {
  EXPECT_TRUE(RangeHasLines(Gap{5, 5, 8, 8}));
  EXPECT_FALSE(RangeHasLines(Gap{5, 4, 8, 8}));
  EXPECT_FALSE(RangeHasLines(Gap{5, 5, 8, 7}));
  EXPECT_FALSE(RangeHasLines(Gap{1, 0, 1, 0}));
}

struct MergeCase {
  std::string name;
  PairList matches;
  PairList found;
  PairList merged;
};

class Merge : public ::testing::TestWithParam<MergeCase> {};

TEST_P(Merge, PlacesFindingsInTheirGaps) {
  const MergeCase& c = GetParam();
  KeyedPairList matches = Keyed(c.matches);
  MergeMatches(matches, Keyed(c.found));
  EXPECT_EQ(Plain(matches), c.merged);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Merge,
    ::testing::Values(MergeCase{"NothingFound", {{2, 2}}, {}, {{2, 2}}},
                      MergeCase{"AboveBetweenAndBelow",
                                {{3, 3}, {6, 7}},
                                {{1, 2}, {4, 5}, {5, 6}, {8, 9}},
                                {{1, 2}, {3, 3}, {4, 5}, {5, 6}, {6, 7}, {8, 9}}},
                      MergeCase{"OnlyBelow", {{1, 1}}, {{2, 2}, {3, 4}}, {{1, 1}, {2, 2}, {3, 4}}},
                      MergeCase{"OnlyAbove", {{9, 9}}, {{2, 2}, {3, 4}}, {{2, 2}, {3, 4}, {9, 9}}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace qfc
