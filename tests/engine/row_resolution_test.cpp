#include "engine/row_resolution.h"

#include <gtest/gtest.h>

#include <string>

#include "pair_printing.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

struct ResolutionCase {
  std::string name;
  PairList matches;
  std::int32_t leftCount;
  std::int32_t rightCount;
  PairList rows;
};

class Resolution : public ::testing::TestWithParam<ResolutionCase> {};

TEST_P(Resolution, LaysGapsSideBySide) {
  const ResolutionCase& c = GetParam();
  KeyedPairList matches;
  for (const LinePair& match : c.matches) matches.Add(match);
  test::ProgressDouble progress;
  KeyedPairList rows;
  ResolveRows(matches, c.leftCount, c.rightCount, progress, rows);
  EXPECT_EQ(PairList(rows.Entries().begin(), rows.Entries().end()), c.rows);
  EXPECT_EQ(progress.texts.size(), c.matches.size());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Resolution,
    ::testing::Values(
        ResolutionCase{
            "NoMatchPairsFromTheTop", {}, 3, 5, {{1, 1}, {2, 2}, {3, 3}, {-1, 4}, {-1, 5}}},
        ResolutionCase{"NoMatchNoLines", {}, 0, 0, {}},
        ResolutionCase{
            "LastMatchEndsBothFiles", {{2, 2}, {3, 4}}, 3, 4, {{1, 1}, {2, 2}, {-1, 3}, {3, 4}}},
        ResolutionCase{
            "SurplusBelowLastMatch", {{3, 3}}, 3, 5, {{1, 1}, {2, 2}, {3, 3}, {-1, 4}, {-1, 5}}},
        ResolutionCase{
            "LeftOnlyGap",
            {{4, 7}, {7, 8}},
            7,
            8,
            {{1, 1}, {2, 2}, {3, 3}, {-1, 4}, {-1, 5}, {-1, 6}, {4, 7}, {5, -1}, {6, -1}, {7, 8}}},
        ResolutionCase{"UnevenGapPairsFromItsTop",
                       {{1, 1}, {4, 5}},
                       4,
                       5,
                       {{1, 1}, {2, 2}, {3, 3}, {-1, 4}, {4, 5}}}),
    [](const auto& info) { return info.param.name; });

TEST(Resolution, ShowsEachMatchAndStopsOnCancel) {
  KeyedPairList matches;
  matches.Add({2, 2});
  matches.Add({12, 15});
  test::ProgressDouble progress(/*cancelAtCall=*/2);
  KeyedPairList rows;
  ResolveRows(matches, 20, 20, progress, rows);
  EXPECT_EQ(progress.texts, (std::vector<std::string>{"Resolving 2, 2", "Resolving 12, 15"}));
  // The gap below the last match is not added after a cancel.
  EXPECT_EQ(rows.Entries().back(), (LinePair{12, 15}));
}

TEST(Resolution, Helpers) {
  EXPECT_EQ(LineOrNone(4, 4), 4);
  EXPECT_EQ(LineOrNone(5, 4), kNoLine);
  EXPECT_EQ(MaxLong(-1, -3), -1);
  EXPECT_EQ(MaxLong(2, 7), 7);
}

}  // namespace
}  // namespace qfc
