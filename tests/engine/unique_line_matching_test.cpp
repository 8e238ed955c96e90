#include "engine/unique_line_matching.h"

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

struct MatchCase {
  std::string name;
  Lines left;
  Lines right;
  PairList matches;
};

class WholeFileMatching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(WholeFileMatching, FindsLinesUniqueOnBothSides) {
  const MatchCase& c = GetParam();
  const LoadedText text = test::MakeLoadedText(c.left, c.right);
  test::ProgressDouble progress;
  KeyedPairList matches;
  MatchUniqueLines(text, progress, matches);
  EXPECT_EQ(Plain(matches), c.matches);
  EXPECT_EQ(progress.texts, std::vector<std::string>(c.left.size(), "Indexing..."));
  EXPECT_EQ(progress.phases, (std::vector<std::int32_t>{kComparisonPhase}));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WholeFileMatching,
    ::testing::Values(
        MatchCase{"CaseBlind", {"x", "Foo"}, {"FOO", "y"}, {{2, 1}}},
        MatchCase{"CaseVariantsMakeEachOtherRepeated", {"foo", "Foo"}, {"foo"}, {}},
        MatchCase{"BlankNeverMatches", {"   ", ""}, {"", "   "}, {}},
        MatchCase{"AbsentOnTheRight", {"a"}, {"b"}, {}},
        MatchCase{"RepeatedOnTheRight", {"a"}, {"a", "A"}, {}},
        MatchCase{"TrailingBlankMakesADifferentText", {"a "}, {"a"}, {}},
        MatchCase{"TabEqualsFourSpaces", {"\tx"}, {"    x"}, {{1, 1}}},
        MatchCase{
            "RightLinesInAnyOrder", {"a", "b", "c"}, {"c", "b", "a"}, {{1, 3}, {2, 2}, {3, 1}}},
        MatchCase{"EmptyRightFile", {"a", "b"}, {}, {}}, MatchCase{"EmptyLeftFile", {}, {"a"}, {}}),
    [](const auto& info) { return info.param.name; });

TEST(WholeFileMatching, CancelKeepsWhatWasFound) {
  const LoadedText text = test::MakeLoadedText({"a", "b", "c"}, {"a", "b", "c"});
  test::ProgressDouble progress(/*cancelAtCall=*/2);
  KeyedPairList matches;
  MatchUniqueLines(text, progress, matches);
  EXPECT_EQ(Plain(matches), (PairList{{1, 1}, {2, 2}}));
  EXPECT_EQ(progress.texts.size(), 2U);
}

TEST(GapMatching, FindsLinesUniqueOnlyWithinTheGap) {
  // x and y are repeated in both files but once each inside lines 2-3 / 2-3.
  LoadedText text = test::MakeLoadedText({"x", "x", "y", "y", "z"}, {"y", "y", "x", "x", "z"});
  test::ProgressDouble progress;
  KeyedPairList whole;
  MatchUniqueLines(text, progress, whole);
  EXPECT_EQ(Plain(whole), (PairList{{5, 5}}));

  KeyedPairList found;
  MatchUniqueInRange(text, Gap{2, 3, 2, 3}, found);
  EXPECT_EQ(Plain(found), (PairList{{2, 3}, {3, 2}}));
  // Later gaps rebuild the indexes from their own lines only.
  MatchUniqueInRange(text, Gap{1, 1, 4, 4}, found);
  EXPECT_EQ(Plain(found), (PairList{{2, 3}, {3, 2}, {1, 4}}));
}

TEST(GapMatching, RepeatedWithinTheGapGivesNothing) {
  LoadedText text = test::MakeLoadedText({"q", "q", "r"}, {"q", "r", "r"});
  KeyedPairList found;
  MatchUniqueInRange(text, Gap{1, 2, 1, 3}, found);
  EXPECT_TRUE(found.Empty());
}

}  // namespace
}  // namespace qfc
