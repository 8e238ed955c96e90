#include "input/line_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qfc {
namespace {

struct UniqueCase {
  const char* name;
  std::vector<std::string> lines;
  std::string query;
  std::int32_t expected;
};

class UniqueLineNoTest : public testing::TestWithParam<UniqueCase> {};

TEST_P(UniqueLineNoTest, AnswersLineNumberOnlyForTextsSeenOnce) {
  const UniqueCase& c = GetParam();
  LineList lines;
  LineIndex index;
  for (const std::string& text : c.lines) index.AddToIndex(lines, lines.AppendExpandingTabs(text));
  EXPECT_EQ(index.UniqueLineNo(lines, c.query), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UniqueLineNoTest,
    testing::Values(UniqueCase{"EmptyIndex", {}, "a", 0},
                    UniqueCase{"Single", {"x", "Hello", "y"}, "Hello", 2},
                    UniqueCase{"CaseBlindLookup", {"Hello"}, "HELLO", 1},
                    UniqueCase{"CaseVariantsAreOneText", {"Hello", "hello"}, "Hello", 0},
                    UniqueCase{"ThreeTimes", {"a", "a", "a"}, "a", 0},
                    UniqueCase{"BlankNeverUnique", {"   "}, "   ", 0},
                    UniqueCase{"EmptyNeverUnique", {""}, "", 0},
                    UniqueCase{"TrailingBlankMatters", {"abc "}, "abc", 0},
                    UniqueCase{"TabIsFourSpaces", {"a\tb"}, "a    b", 1},
                    UniqueCase{"OnlyAsciiLettersFold", {"\xC4"}, "\xE4", 0}),
    [](const testing::TestParamInfo<UniqueCase>& info) { return std::string(info.param.name); });

TEST(LineIndexTest, ClearForgetsEverythingAndCanBeRefilled) {
  LineList lines;
  for (const char* text : {"a", "b", "a", "c"}) lines.AppendExpandingTabs(text);
  LineIndex index;
  for (std::int32_t n = 1; n <= lines.Count(); ++n) index.AddToIndex(lines, n);
  EXPECT_EQ(index.UniqueLineNo(lines, "a"), 0);
  index.Clear();
  EXPECT_EQ(index.UniqueLineNo(lines, "b"), 0);
  index.AddToIndex(lines, 3);
  EXPECT_EQ(index.UniqueLineNo(lines, "A"), 3);
}

TEST(LineIndexTest, SurvivesGrowthWithManyDistinctTexts) {
  LineList lines;
  LineIndex index;
  constexpr int kCount = 5000;
  for (int n = 0; n < kCount; ++n)
    index.AddToIndex(lines, lines.AppendExpandingTabs("line " + std::to_string(n)));
  index.AddToIndex(lines, lines.AppendExpandingTabs("LINE 17"));
  EXPECT_EQ(index.DistinctTexts(), static_cast<std::size_t>(kCount));
  EXPECT_EQ(index.UniqueLineNo(lines, "line 4999"), kCount);
  EXPECT_EQ(index.UniqueLineNo(lines, "line 17"), 0);
}

}  // namespace
}  // namespace qfc
