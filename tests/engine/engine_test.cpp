// The engine's worked examples, a cancel after every progress text, the
// crossing walk against the plain walk, and the walk's cost on crossed lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "crossing_removal_reference.h"
#include "engine/compare_lines.h"
#include "engine/crossing_removal.h"
#include "engine/refinement.h"
#include "engine/row_resolution.h"
#include "engine/unique_line_matching.h"
#include "support/progress_double.h"

namespace qfc {

void PrintTo(const LinePair& pair, std::ostream* out) {
  *out << "(" << pair.left << ", " << pair.right << ")";
}

namespace {

using Lines = std::vector<std::string>;
using Texts = std::vector<std::string>;

// Both files as the loader leaves them: lines tab-expanded, whole files indexed.
LoadedText Loaded(const Lines& left, const Lines& right) {
  LoadedText text;
  for (Side side : kBothSides) {
    for (const std::string& line : side == Side::Left ? left : right) {
      text.index[side].AddToIndex(text.lines[side], text.lines[side].AppendExpandingTabs(line));
    }
  }
  return text;
}

KeyedPairList Keyed(const PairList& pairs) {
  KeyedPairList list;
  for (const LinePair& pair : pairs) list.Add(pair);
  return list;
}

PairList Plain(const KeyedPairList& list) { return {list.Entries().begin(), list.Entries().end()}; }

// Records what the engine hands over. With failAtLeft set, the reset fails,
// and so does the row of that left line once recorded.
struct RecordingSink final : RowSink {
  explicit RecordingSink(std::int32_t failAt = 0) : failAtLeft(failAt) {}
  void ResetRows() override {
    ++resets;
    if (failAtLeft != 0) throw std::runtime_error("reset");
  }
  void AddGridRow(LinePair row) override {
    rows.push_back(row);
    if (row.left == failAtLeft) throw std::runtime_error("row");
  }
  void SizeColumns(std::int32_t rowCount) override { sizedFor.push_back(rowCount); }
  std::int32_t failAtLeft;
  int resets = 0;
  PairList rows;
  std::vector<std::int32_t> sizedFor;
};

// Compare: the files through CompareLines, `expected` the rows. Match: the
// whole-file matches. Cross: `input` through the crossing walk. Pass: one
// refinement pass over `input`, `expected` the merged chain. Resolve: `input`
// into rows; only the files' lengths count.
enum class Stage { Compare, Match, Cross, Pass, Resolve };

struct Case {
  std::string name;
  Stage stage;
  Lines left;
  Lines right;
  PairList input;
  PairList expected;
  const char* shown = nullptr;  // the progress texts with this prefix must be `texts`
  Texts texts = {};
  std::int32_t failAtLeft = 0;
};

PairList RunStage(const Case& c, test::ProgressDouble& progress) {
  LoadedText text = Loaded(c.left, c.right);
  EngineLists lists;
  lists.matches = Keyed(c.input);
  switch (c.stage) {
    case Stage::Compare: {
      RecordingSink sink(c.failAtLeft);
      EXPECT_EQ(CompareLines(text, progress, sink), CompareOutcome::Completed);
      EXPECT_EQ(sink.resets, 1);
      EXPECT_EQ(sink.sizedFor, std::vector{static_cast<std::int32_t>(sink.rows.size())});
      EXPECT_EQ(progress.phases, std::vector{kComparisonPhase});
      return sink.rows;
    }
    case Stage::Match:
      MatchUniqueLines(text, progress, lists.matches);
      return Plain(lists.matches);
    case Stage::Cross:
      AnalyzeMatches(lists.matches, progress);
      return Plain(lists.matches);
    case Stage::Pass: {
      BarrenGaps barren;
      ProcessRanges(text, progress, lists, barren);
      return Plain(lists.matches);
    }
    case Stage::Resolve:
      ResolveRows(lists.matches, text.lines[Side::Left].Count(), text.lines[Side::Right].Count(),
                  progress, lists.resultRows);
      return Plain(lists.resultRows);
  }
  return {};
}

class EngineExamples : public ::testing::TestWithParam<Case> {};

TEST_P(EngineExamples, Hold) {
  const Case& c = GetParam();
  test::ProgressDouble progress;
  EXPECT_EQ(RunStage(c, progress), c.expected);
  if (c.shown == nullptr) return;
  Texts shown = progress.texts;
  std::erase_if(shown, [&](const std::string& text) { return !text.starts_with(c.shown); });
  EXPECT_EQ(shown, c.texts);
}

const Lines kHaxbxt{"h", "a", "x", "b", "x", "t"};
const Lines kAbc{"a", "b", "c"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, EngineExamples, ::testing::Values(
    Case{"MovedBlockStandsOnBothSides", Stage::Compare, {"A", "B", "C", "D", "E"},
         {"D", "E", "A", "B", "C"}, {},
         {{-1, 1}, {-1, 2}, {1, 3}, {2, 4}, {3, 5}, {4, -1}, {5, -1}}, "Range ",
         {"Range 1, 0, 1, 2", "Range 2, 1, 4, 3", "Range 3, 2, 5, 4", "Range 4, 5, 6, 5"}},
    Case{"RepeatedLinesMatchInTheirGapsThenAPassFindsNothing", Stage::Compare, kHaxbxt, kHaxbxt,
         {}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}, "Range ",
         {"Range 1, 0, 1, 0", "Range 2, 1, 2, 1", "Range 3, 3, 3, 3", "Range 5, 5, 5, 5",
          "Range 7, 6, 7, 6", "Range 1, 0, 1, 0", "Range 2, 1, 2, 1", "Range 3, 2, 3, 2",
          "Range 4, 3, 4, 3", "Range 5, 4, 5, 4", "Range 6, 5, 6, 5", "Range 7, 6, 7, 6"}},
    Case{"ChangedLineIsPairedEveryPhaseAnnounced", Stage::Compare, kAbc, {"a", "X", "c"}, {},
         {{1, 1}, {2, 2}, {3, 3}}, "",
         {"Indexing...", "Indexing...", "Indexing...", "Analyzing Matched Lines: 1=1",
          "Analyzing Matched Lines: 3=3", "Range 1, 0, 1, 0", "Range 2, 2, 2, 2",
          "Range 4, 3, 4, 3", "Resolving 1, 1", "Resolving 3, 3", "Loading Lines 1 and 1",
          "Loading Lines 2 and 2", "Loading Lines 3 and 3"}},
    Case{"SwappedLineStandsOpposite", Stage::Compare, {"p", "q", "r", "s"}, {"p", "s", "q", "r"},
         {}, {{1, 1}, {-1, 2}, {2, 3}, {3, 4}, {4, -1}}},
    Case{"BothEmpty", Stage::Compare, {}, {}, {}, {}, "", {}},
    Case{"LeftEmpty", Stage::Compare, {}, {"x", "y"}, {}, {{-1, 1}, {-1, 2}}, "Loading",
         {"Loading Lines -1 and 1", "Loading Lines -1 and 2"}},
    Case{"NoUniqueLinePairsFromTheTop", Stage::Compare, {"", "x", "x", ""},
         {"x", "", "", "x", "x"}, {}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {-1, 5}}},
    Case{"FailingRowDoesNotStopTheFill", Stage::Compare, kAbc, kAbc, {}, {{1, 1}, {2, 2}, {3, 3}},
         "Loading", {"Loading Lines 1 and 1", "Loading Lines 2 and 2", "Loading Lines 3 and 3"}, 2},

    Case{"CaseBlindTabsExpandedVariantsRepeat", Stage::Match,
         {"x", "Foo", "bar", "Bar", "q", "\tt"}, {"FOO", "y", "bar", "q", "Q", "    t"}, {},
         {{2, 1}, {6, 6}}},
    Case{"BlanksAndTrailingBlanks", Stage::Match, {"   ", "", "a "}, {"", "   ", "a"}, {}, {}},
    Case{"RightLinesInAnyOrder", Stage::Match, kAbc, {"c", "b", "a"}, {}, {{1, 3}, {2, 2}, {3, 1}}},

    Case{"TieRemovesTheForwardGroup", Stage::Cross, {}, {}, {{1, 1}, {2, 5}, {3, 3}, {4, 6}},
         {{1, 1}, {2, 5}, {4, 6}}},
    Case{"LongerForwardRunWins", Stage::Cross, {}, {}, {{1, 1}, {2, 9}, {3, 2}, {4, 3}, {5, 4},
         {6, 10}}, {{1, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 10}}},
    Case{"BlockMovedToTheEndIsDropped", Stage::Cross, {}, {}, {{1, 3}, {2, 4}, {3, 5}, {4, 1},
         {5, 2}}, {{1, 3}, {2, 4}, {3, 5}}},
    Case{"BackwardGroupToTheStartIsDropped", Stage::Cross, {}, {}, {{1, 4}, {2, 5}, {3, 1},
         {4, 2}, {5, 3}, {6, 6}}, {{3, 1}, {4, 2}, {5, 3}, {6, 6}}},

    Case{"GapsAroundOneMatch", Stage::Pass, {"x", "y", "m", "y", "x"}, {"x", "y", "m", "x", "y"},
         {{3, 3}}, {{1, 1}, {2, 2}, {3, 3}, {4, 5}}, "Range ",
         {"Range 1, 2, 1, 2", "Range 4, 5, 4, 5"}},
    Case{"OneSidedGapsAreAnnounced", Stage::Pass, {"a", "b", "c", "d", "e"}, Lines(9, "r"),
         {{4, 7}, {5, 9}}, {{4, 7}, {5, 9}}, "Range ",
         {"Range 1, 3, 1, 6", "Range 5, 4, 8, 8", "Range 6, 5, 10, 9"}},
    Case{"GapFindingsRepeatedElsewhereLoseTheirCrossings", Stage::Pass, {"x", "y", "m", "x", "y"},
         {"y", "x", "m", "y", "x"}, {{3, 3}}, {{1, 2}, {3, 3}, {4, 5}}, "Analyzing",
         {"Analyzing Matched Lines: 1=2", "Analyzing Matched Lines: 2=1",
          "Analyzing Matched Lines: 4=5", "Analyzing Matched Lines: 5=4"}},

    Case{"LastMatchEndsBothFiles", Stage::Resolve, Lines(3), Lines(4), {{2, 2}, {3, 4}},
         {{1, 1}, {2, 2}, {-1, 3}, {3, 4}}},
    Case{"SurplusBelowTheLastMatch", Stage::Resolve, Lines(3), Lines(5), {{3, 3}},
         {{1, 1}, {2, 2}, {3, 3}, {-1, 4}, {-1, 5}}},
    Case{"LeftOnlyGap", Stage::Resolve, Lines(7), Lines(8), {{4, 7}, {7, 8}},
         {{1, 1}, {2, 2}, {3, 3}, {-1, 4}, {-1, 5}, {-1, 6}, {4, 7}, {5, -1}, {6, -1}, {7, 8}},
         "", {"Resolving 4, 7", "Resolving 7, 8"}},
    Case{"UnevenGapPairsFromItsTop", Stage::Resolve, Lines(4), Lines(5), {{1, 1}, {4, 5}},
         {{1, 1}, {2, 2}, {3, 3}, {-1, 4}, {4, 5}}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// Presses Close once `after` texts have been shown.
struct CloseAfterTexts final : Progress {
  explicit CloseAfterTexts(std::size_t count) : after(count) {}
  void InitProgress(std::int32_t) override {}
  void SetProgress(std::int32_t) override {}
  void SetProgressText(std::string_view text) override { texts.emplace_back(text); }
  void SetProgComplete() override {}
  bool Canceled() override { return texts.size() >= after; }
  std::size_t after;
  Texts texts;
};

// Close pressed after each text in turn. The phase in hand stops at its next
// check; after whole-file matching the crossing walk and the first gap still
// show one text each, after the first crossing walk the first gap. The sink
// sees the rows announced so far, and no sizing.
TEST(EngineCancel, StopsAtTheNextCheck) {
  const Lines left{"a", "b", "x", "c", "x", "d", "e"};
  const Lines right{"d", "a", "x", "b", "c", "x", "e", "f"};
  LoadedText full = Loaded(left, right);
  test::ProgressDouble uncanceled;
  RecordingSink complete;
  ASSERT_EQ(CompareLines(full, uncanceled, complete), CompareOutcome::Completed);
  const Texts& all = uncanceled.texts;
  for (std::size_t k = 1; k <= all.size(); ++k) {
    SCOPED_TRACE("close after " + all[k - 1] + ", text " + std::to_string(k));
    LoadedText text = Loaded(left, right);
    CloseAfterTexts progress(k);
    RecordingSink sink;
    EXPECT_EQ(CompareLines(text, progress, sink), CompareOutcome::Canceled);
    const auto shown = [&](const char* prefix) {
      return std::count_if(all.begin(), all.begin() + static_cast<long>(k),
                           [&](const std::string& t) { return t.starts_with(prefix); });
    };
    const std::size_t later = shown("Range ") > 0 ? 0 : shown("Analyzing") > 0 ? 1 : 2;
    EXPECT_EQ(progress.texts.size(), k + later);
    EXPECT_EQ(sink.resets, shown("Loading") > 0 ? 1 : 0);
    EXPECT_EQ(sink.rows, PairList(complete.rows.begin(), complete.rows.begin() + shown("Loading")));
    EXPECT_TRUE(sink.sizedFor.empty());
  }
}

// Rows already handed to the sink give their memory back while the rest are
// handed: every row still arrives, in order, however many pages that spans.
// One-sided blocks of random length between matches keep the rows from
// lining up with the pages given back.
TEST(EngineRows, ARunOfManyRowsArrivesWhole) {
  std::mt19937 rng(7);
  Lines left;
  Lines right;
  PairList expected;
  while (expected.size() < 400000) {
    const std::string unique = "line " + std::to_string(expected.size());
    for (std::uint32_t k = rng() % 3; k > 0; --k) {
      left.push_back("");
      expected.push_back({static_cast<std::int32_t>(left.size()), kNoLine});
    }
    left.push_back(unique);
    right.push_back(unique);
    expected.push_back(
        {static_cast<std::int32_t>(left.size()), static_cast<std::int32_t>(right.size())});
  }
  LoadedText text = Loaded(left, right);
  test::ProgressDouble progress;
  RecordingSink sink;
  ASSERT_EQ(CompareLines(text, progress, sink), CompareOutcome::Completed);
  EXPECT_EQ(sink.rows, expected);
}

// Left lines increasing with holes; right lines 1..n with some swapped, or
// drawn from a few values so that they repeat.
PairList RandomMatchList(std::mt19937& rng) {
  PairList list(rng() % 41);
  const bool repeats = rng() % 2 == 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto step = static_cast<std::int32_t>(1 + rng() % 3);
    list[i] = {(i == 0 ? 0 : list[i - 1].left) + step,
               static_cast<std::int32_t>(repeats ? 1 + rng() % 12 : i + 1)};
  }
  for (std::size_t s = rng() % 41; s > 0 && !list.empty(); --s) {
    std::swap(list[rng() % list.size()].right, list[rng() % list.size()].right);
  }
  return list;
}

TEST(CrossingRemovalProperty, AgreesWithThePlainWalk) {
  std::mt19937 rng(20240607);
  for (int round = 0; round < 5000; ++round) {
    const PairList input = RandomMatchList(rng);
    // Every third round cancels at some check; the list keeps its marks.
    const long cancelAt = round % 3 == 0 ? 1 + static_cast<long>(rng() % (input.size() + 1)) : 0;
    test::ProgressDouble progress(cancelAt);
    test::ProgressDouble plainProgress(cancelAt);
    KeyedPairList walked = Keyed(input);
    PairList plain = input;
    AnalyzeMatches(walked, progress);
    test::ReferenceAnalyzeMatches(plain, plainProgress);
    ASSERT_EQ(Plain(walked), plain) << ::testing::PrintToString(input);
    ASSERT_EQ(progress.texts, plainProgress.texts) << ::testing::PrintToString(input);
    if (cancelAt != 0) continue;  // uncanceled, the right lines strictly increase
    for (std::size_t i = 1; i < plain.size(); ++i) ASSERT_LT(plain[i - 1].right, plain[i].right);
  }
}

// n entries whose right lines fall (or are shuffled): the plain walk counts
// over the rest of the list at nearly every entry, n * n / 2 steps.
std::int64_t StepsOnCrossed(std::int32_t n, bool shuffled) {
  std::vector<std::int32_t> rights(static_cast<std::size_t>(n));
  std::iota(rights.rbegin(), rights.rend(), 1);
  if (shuffled) std::shuffle(rights.begin(), rights.end(), std::mt19937(7));
  KeyedPairList list;
  for (std::int32_t i = 1; i <= n; ++i) list.Add({i, rights[static_cast<std::size_t>(i - 1)]});
  test::ProgressDouble progress;
  WalkStepCounter counter;
  AnalyzeMatches(list, progress, &counter);
  return counter.steps;
}

TEST(CrossingRemovalCost, GrowsLikeNLogNOnCrossedLists) {
  constexpr std::int32_t kSmall = 1 << 12;
  constexpr std::int32_t kLarge = 1 << 15;
  for (bool shuffled : {false, true}) {
    const std::int64_t large = StepsOnCrossed(kLarge, shuffled);
    EXPECT_LT(large, static_cast<std::int64_t>(8 * kLarge * std::log2(double{kLarge})));
    // Eight times the entries; quadratic work would grow 64 times.
    EXPECT_LT(large, 12 * StepsOnCrossed(kSmall, shuffled));
  }
}

}  // namespace
}  // namespace qfc
