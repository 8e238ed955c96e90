#include "engine/crossing_removal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <string>

#include "crossing_removal_reference.h"
#include "pair_printing.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

KeyedPairList Keyed(const PairList& pairs) {
  KeyedPairList list;
  for (const LinePair& pair : pairs) list.Add(pair);
  return list;
}

PairList Plain(const KeyedPairList& list) { return {list.Entries().begin(), list.Entries().end()}; }

PairList Analyzed(const PairList& input, test::ProgressDouble& progress) {
  KeyedPairList list = Keyed(input);
  AnalyzeMatches(list, progress);
  return Plain(list);
}

struct WorkedCase {
  std::string name;
  PairList input;
  PairList expected;
};

class CrossingRemovalExamples : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(CrossingRemovalExamples, KeepsTheExpectedChain) {
  const WorkedCase& c = GetParam();
  test::ProgressDouble progress;
  EXPECT_EQ(Analyzed(c.input, progress), c.expected);

  test::ProgressDouble referenceProgress;
  PairList reference = c.input;
  test::ReferenceAnalyzeMatches(reference, referenceProgress);
  EXPECT_EQ(reference, c.expected) << "the reference walk disagrees with the example";
  EXPECT_EQ(progress.texts, referenceProgress.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Walk, CrossingRemovalExamples,
    ::testing::Values(
        WorkedCase{
            "TieRemovesForwardGroup", {{1, 1}, {2, 5}, {3, 3}, {4, 6}}, {{1, 1}, {2, 5}, {4, 6}}},
        WorkedCase{"LongerForwardRunWins",
                   {{1, 1}, {2, 9}, {3, 2}, {4, 3}, {5, 4}, {6, 10}},
                   {{1, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 10}}},
        WorkedCase{"BlockMovedToEndIsDropped",
                   {{1, 3}, {2, 4}, {3, 5}, {4, 1}, {5, 2}},
                   {{1, 3}, {2, 4}, {3, 5}}},
        WorkedCase{"BackwardGroupToStartIsDropped",
                   {{1, 4}, {2, 5}, {3, 1}, {4, 2}, {5, 3}, {6, 6}},
                   {{3, 1}, {4, 2}, {5, 3}, {6, 6}}},
        WorkedCase{"EmptyList", {}, {}}, WorkedCase{"SingleMatch", {{7, 3}}, {{7, 3}}},
        WorkedCase{"AlreadyIncreasing", {{1, 2}, {2, 5}, {4, 9}}, {{1, 2}, {2, 5}, {4, 9}}},
        WorkedCase{"ReversedKeepsOneBeforeTheLast", {{1, 4}, {2, 3}, {3, 2}, {4, 1}}, {{3, 2}}}),
    [](const auto& info) { return info.param.name; });

TEST(CrossingRemoval, ShowsOneTextPerLiveEntryVisited) {
  test::ProgressDouble progress;
  EXPECT_EQ(Analyzed({{1, 1}, {2, 5}, {3, 3}, {4, 6}}, progress),
            (PairList{{1, 1}, {2, 5}, {4, 6}}));
  EXPECT_EQ(progress.texts, (std::vector<std::string>{
                                "Analyzing Matched Lines: 1=1", "Analyzing Matched Lines: 2=5",
                                "Analyzing Matched Lines: 3=3", "Analyzing Matched Lines: 4=6"}));
  EXPECT_EQ(progress.canceledCalls, 4);
}

TEST(CrossingRemoval, EmptyListShowsNothing) {
  test::ProgressDouble progress;
  EXPECT_TRUE(Analyzed({}, progress).empty());
  EXPECT_TRUE(progress.texts.empty());
}

TEST(CrossingRemoval, CancelLeavesMarksWithoutCompaction) {
  test::ProgressDouble progress(/*cancelAtCall=*/4);
  KeyedPairList list = Keyed({{1, 1}, {2, 9}, {3, 2}, {4, 3}, {5, 4}, {6, 10}});
  AnalyzeMatches(list, progress);
  // (2, 9) was dropped at (3, 2); the walk stopped at the third live entry, (4, 3).
  EXPECT_EQ(Plain(list), (PairList{{1, 1}, kRemovedPair, {3, 2}, {4, 3}, {5, 4}, {6, 10}}));
}

// Lists as the matching produces them: left lines increasing with holes,
// right lines a random mix of runs, moves and swaps.
PairList RandomMatchList(std::mt19937& rng) {
  const int n = std::uniform_int_distribution<int>(0, 40)(rng);
  PairList list;
  std::int32_t left = 0;
  const bool distinctRights = rng() % 2 == 0;
  std::vector<std::int32_t> rights(static_cast<std::size_t>(n));
  std::iota(rights.begin(), rights.end(), 1);
  const int swaps = std::uniform_int_distribution<int>(0, n)(rng);
  for (int s = 0; s < swaps && n > 1; ++s) {
    std::swap(rights[rng() % rights.size()], rights[rng() % rights.size()]);
  }
  for (int i = 0; i < n; ++i) {
    left += 1 + static_cast<std::int32_t>(rng() % 3);
    const std::int32_t right = distinctRights ? rights[static_cast<std::size_t>(i)]
                                              : 1 + static_cast<std::int32_t>(rng() % 12);
    list.push_back({left, right});
  }
  return list;
}

TEST(CrossingRemovalProperty, AgreesWithThePlainWalkOnRandomLists) {
  std::mt19937 rng(20240607);
  for (int round = 0; round < 5000; ++round) {
    const PairList input = RandomMatchList(rng);
    // Every third round cancels somewhere in the walk.
    const long cancelAt = round % 3 == 0 ? 1 + static_cast<long>(rng() % (input.size() + 1)) : 0;
    test::ProgressDouble progress(cancelAt);
    KeyedPairList fast = Keyed(input);
    AnalyzeMatches(fast, progress);

    test::ProgressDouble referenceProgress(cancelAt);
    PairList reference = input;
    test::ReferenceAnalyzeMatches(reference, referenceProgress);

    ASSERT_EQ(Plain(fast), reference)
        << "round " << round << ", input " << ::testing::PrintToString(input);
    ASSERT_EQ(progress.texts, referenceProgress.texts) << "round " << round;
    if (cancelAt == 0) {
      for (std::size_t i = 1; i < reference.size(); ++i) {
        ASSERT_LT(reference[i - 1].right, reference[i].right) << "round " << round;
      }
      ASSERT_TRUE(
          std::includes(input.begin(), input.end(), reference.begin(), reference.end(),
                        [](const LinePair& a, const LinePair& b) { return a.left < b.left; }));
    }
  }
}

std::int64_t StepsFor(const PairList& input) {
  KeyedPairList list = Keyed(input);
  test::ProgressDouble progress;
  WalkStepCounter counter;
  AnalyzeMatches(list, progress, &counter);
  return counter.steps;
}

PairList Reversed(std::int32_t n) {
  PairList list;
  for (std::int32_t i = 1; i <= n; ++i) list.push_back({i, n + 1 - i});
  return list;
}

PairList Shuffled(std::int32_t n) {
  PairList list = Reversed(n);
  std::mt19937 rng(7);
  std::vector<std::int32_t> rights(static_cast<std::size_t>(n));
  std::iota(rights.begin(), rights.end(), 1);
  std::shuffle(rights.begin(), rights.end(), rng);
  for (std::size_t i = 0; i < list.size(); ++i) list[i].right = rights[i];
  return list;
}

// Every live entry of a crossed list starts a count over the rest of the
// list in the plain walk: n * n / 2 steps. The walk must stay near n log n.
TEST(CrossingRemovalCost, GrowsLikeNLogNOnCrossedLists) {
  constexpr std::int32_t kSmall = 1 << 12;
  constexpr std::int32_t kLarge = 1 << 15;
  for (const auto& make : {Reversed, Shuffled}) {
    const std::int64_t small = StepsFor(make(kSmall));
    const std::int64_t large = StepsFor(make(kLarge));
    const double logLarge = std::log2(static_cast<double>(kLarge));
    EXPECT_LT(large, static_cast<std::int64_t>(8 * kLarge * logLarge));
    // Eight times the entries; quadratic work would grow 64 times.
    EXPECT_LT(large, 12 * small);
  }
}

}  // namespace
}  // namespace qfc
