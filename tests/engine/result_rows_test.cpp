// The result vocabulary: a row's kind, and the rule that complete rows cover
// both files once, in order.
#include "engine/result_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qfc {
namespace {

struct KindCase {
  std::string name;
  std::string left;
  std::string right;
  LinePair row;
  RowKind expected;
};

class RowKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(RowKindTest, ClassifiesTheRow) {
  const KindCase& c = GetParam();
  PerSide<LineList> lines;
  lines[Side::Left].AppendExpandingTabs(c.left);
  lines[Side::Right].AppendExpandingTabs(c.right);
  EXPECT_EQ(RowKindOf(c.row, lines), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowKindTest,
    testing::Values(KindCase{"SameText", "abc", "abc", {1, 1}, RowKind::Equal},
                    KindCase{"CaseDiffers", "abc", "aBc", {1, 1}, RowKind::Changed},
                    KindCase{"BlankAgainstEmpty", "   ", "", {1, 1}, RowKind::Equal},
                    KindCase{"TabAgainstBlanks", "\t", "    ", {1, 1}, RowKind::Equal},
                    KindCase{"NoRightLine", "abc", "abc", {1, kNoLine}, RowKind::LeftOnly},
                    KindCase{"NoLeftLine", "abc", "abc", {kNoLine, 1}, RowKind::RightOnly}),
    [](const auto& info) { return info.param.name; });

struct CoverageCase {
  std::string name;
  PairList rows;
  PerSide<LineNumber> counts;
  bool covers;
};

class CoverageTest : public testing::TestWithParam<CoverageCase> {};

TEST_P(CoverageTest, HoldsExactlyForCompleteRows) {
  const CoverageCase& c = GetParam();
  EXPECT_EQ(CoversEveryLine(c.rows, c.counts), c.covers);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CoverageTest,
    testing::Values(CoverageCase{"EmptyFiles", {}, {{0, 0}}, true},
                    CoverageCase{
                        "MatchesAndOneSided", {{1, kNoLine}, {2, 1}, {kNoLine, 2}}, {{2, 2}}, true},
                    CoverageCase{"LineMissing", {{1, 1}}, {{2, 1}}, false},
                    CoverageCase{"LineTwice", {{1, 1}, {1, 2}}, {{1, 2}}, false},
                    CoverageCase{"OutOfOrder", {{2, 1}, {1, 2}}, {{2, 2}}, false},
                    CoverageCase{"RowWithoutLines", {{1, 1}, {kNoLine, kNoLine}}, {{1, 1}}, false},
                    CoverageCase{"LinesBeyondTheFile", {{1, 1}, {2, kNoLine}}, {{1, 1}}, false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace qfc
