#include "engine/compare_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "loaded_text_builder.h"
#include "pair_printing.h"
#include "recording_sink.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

using Lines = std::vector<std::string>;

struct AlignmentCase {
  std::string name;
  Lines left;
  Lines right;
  PairList rows;
};

class CompareLinesExamples : public ::testing::TestWithParam<AlignmentCase> {};

TEST_P(CompareLinesExamples, AlignsRows) {
  const AlignmentCase& c = GetParam();
  LoadedText text = test::MakeLoadedText(c.left, c.right);
  test::ProgressDouble progress;
  test::RecordingSink sink;
  CompareLines(text, progress, sink);
  EXPECT_EQ(sink.rows, c.rows);
  EXPECT_EQ(sink.resets, 1);
  EXPECT_EQ(sink.sizedFor, (std::vector<std::int32_t>{static_cast<std::int32_t>(c.rows.size())}));
  EXPECT_EQ(progress.phases, (std::vector<std::int32_t>{kComparisonPhase}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, CompareLinesExamples,
    ::testing::Values(
        AlignmentCase{"MovedBlockStandsOnBothSides",
                      {"A", "B", "C", "D", "E"},
                      {"D", "E", "A", "B", "C"},
                      {{-1, 1}, {-1, 2}, {1, 3}, {2, 4}, {3, 5}, {4, -1}, {5, -1}}},
        AlignmentCase{"RepeatedLinesMatchInsideTheirGaps",
                      {"h", "a", "x", "b", "x", "t"},
                      {"h", "a", "x", "b", "x", "t"},
                      {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}},
        AlignmentCase{
            "ChangedLineIsPaired", {"a", "b", "c"}, {"a", "X", "c"}, {{1, 1}, {2, 2}, {3, 3}}},
        AlignmentCase{"SwappedLineStandsOpposite",
                      {"p", "q", "r", "s"},
                      {"p", "s", "q", "r"},
                      {{1, 1}, {-1, 2}, {2, 3}, {3, 4}, {4, -1}}},
        AlignmentCase{"BothEmpty", {}, {}, {}},
        AlignmentCase{"LeftEmpty", {}, {"x", "y"}, {{-1, 1}, {-1, 2}}},
        AlignmentCase{"RightEmpty", {"x", "y", "x"}, {}, {{1, -1}, {2, -1}, {3, -1}}},
        AlignmentCase{"NoUniqueLinePairsFromTheTop",
                      {"", "x", "x", ""},
                      {"x", "", "", "x", "x"},
                      {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {-1, 5}}},
        AlignmentCase{"LetterCaseStillMatches",
                      {"one", "Two", "three"},
                      {"zero", "one", "TWO", "three"},
                      {{-1, 1}, {1, 2}, {2, 3}, {3, 4}}},
        AlignmentCase{
            "TabsEqualFourSpaces", {"a\tb", "c"}, {"c", "a    b"}, {{-1, 1}, {1, 2}, {2, -1}}}),
    [](const auto& info) { return info.param.name; });

TEST(CompareLinesProgress, AnnouncesEveryPhaseInOrder) {
  LoadedText text = test::MakeLoadedText({"a", "b", "c"}, {"a", "X", "c"});
  test::ProgressDouble progress;
  test::RecordingSink sink;
  CompareLines(text, progress, sink);
  EXPECT_EQ(progress.texts,
            (std::vector<std::string>{
                "Indexing...", "Indexing...", "Indexing...",                     //
                "Analyzing Matched Lines: 1=1", "Analyzing Matched Lines: 3=3",  //
                "Range 1, 0, 1, 0", "Range 2, 2, 2, 2", "Range 4, 3, 4, 3",      //
                "Resolving 1, 1", "Resolving 3, 3",                              //
                "Loading Lines 1 and 1", "Loading Lines 2 and 2", "Loading Lines 3 and 3"}));
}

TEST(CompareLinesProgress, SecondPassRunsOnlyAfterFindings) {
  // h a x b x t: the first pass matches each x in its gap, the second finds nothing.
  const Lines lines{"h", "a", "x", "b", "x", "t"};
  LoadedText text = test::MakeLoadedText(lines, lines);
  test::ProgressDouble progress;
  test::RecordingSink sink;
  CompareLines(text, progress, sink);
  std::vector<std::string> ranges;
  for (const std::string& t : progress.texts) {
    if (t.starts_with("Range ")) ranges.push_back(t);
  }
  EXPECT_EQ(ranges, (std::vector<std::string>{
                        "Range 1, 0, 1, 0", "Range 2, 1, 2, 1", "Range 3, 3, 3, 3",  // first pass
                        "Range 5, 5, 5, 5", "Range 7, 6, 7, 6", "Range 1, 0, 1, 0",
                        "Range 2, 1, 2, 1", "Range 3, 2, 3, 2", "Range 4, 3, 4, 3",
                        "Range 5, 4, 5, 4", "Range 6, 5, 6, 5", "Range 7, 6, 7, 6"}));
}

// Cancel at each Canceled call in turn: before the rows are handed over the
// sink sees nothing; while they are, exactly the rows so far.
TEST(CompareLinesCancel, AnyCheckStopsWithoutLaterRows) {
  const Lines left{"a", "b", "x", "c", "x", "d", "e"};
  const Lines right{"d", "a", "x", "b", "c", "x", "e", "f"};
  LoadedText full = test::MakeLoadedText(left, right);
  test::ProgressDouble uncanceled;
  test::RecordingSink complete;
  CompareLines(full, uncanceled, complete);
  const long checks = uncanceled.canceledCalls;
  const long rowChecks = static_cast<long>(complete.rows.size());
  ASSERT_GT(checks, rowChecks);

  for (long at = 1; at <= checks; ++at) {
    LoadedText text = test::MakeLoadedText(left, right);
    test::ProgressDouble progress(at);
    test::RecordingSink sink;
    CompareLines(text, progress, sink);
    const long firstRowCheck = checks - rowChecks + 1;
    if (at < firstRowCheck) {
      EXPECT_EQ(sink.resets, 0) << "cancel at check " << at;
      EXPECT_TRUE(sink.rows.empty()) << "cancel at check " << at;
    } else {
      const auto handedOver = static_cast<std::size_t>(at - firstRowCheck + 1);
      EXPECT_EQ(sink.rows, PairList(complete.rows.begin(),
                                    complete.rows.begin() + static_cast<long>(handedOver)))
          << "cancel at check " << at;
      EXPECT_TRUE(sink.sizedFor.empty());
    }
  }
}

class ThrowingSink final : public RowSink {
 public:
  void ResetRows() override { throw std::runtime_error("reset"); }
  void AddGridRow(std::int32_t leftLine, std::int32_t rightLine) override {
    if (leftLine == 2) throw std::runtime_error("row");
    rows.push_back({leftLine, rightLine});
  }
  void SizeColumns(std::int32_t rowCount) override { sizedFor = rowCount; }
  PairList rows;
  std::int32_t sizedFor = -1;
};

TEST(CompareLinesFailure, AFailingStepDoesNotStopTheNext) {
  LoadedText text = test::MakeLoadedText({"a", "b", "c"}, {"a", "b", "c"});
  test::ProgressDouble progress;
  ThrowingSink sink;
  CompareLines(text, progress, sink);
  EXPECT_EQ(sink.rows, (PairList{{1, 1}, {3, 3}}));
  EXPECT_EQ(sink.sizedFor, 3);
  EXPECT_EQ(progress.texts.back(), "Loading Lines 3 and 3");
  EXPECT_EQ(std::count(progress.texts.begin(), progress.texts.end(), "Loading Lines 2 and 2"), 1);
}

}  // namespace
}  // namespace qfc
