// ReadNextLine's counters, CountCrLf across chunks and the progress percentage.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "input/crlf_count.h"
#include "input/progress_percent.h"
#include "input/read_next_line.h"
#include "input/temp_files.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

TEST(ReadNextLineTest, CountsLengthBeforeTabExpansionAndTwoPerLineEnd) {
  test::TempFiles files;
  const std::string path = files.Write("f", "a\tb\r\n\nxyz");
  TextReader reader;
  reader.Open(path, 9);
  LineList lines;
  LineIndex index;
  LineCounters counters;
  struct Step {
    std::string stored;
    std::int32_t read;
    std::int32_t consumed;
  };
  for (const Step& step : {Step{"a    b", 3, 5}, Step{"", 3, 7}, Step{"xyz", 6, 12}}) {
    ASSERT_TRUE(ReadNextLine(reader, lines, index, counters));
    EXPECT_EQ(lines.Line(lines.Count()), step.stored);
    EXPECT_EQ(counters.charactersRead, step.read) << step.stored;
    EXPECT_EQ(counters.charactersConsumed, step.consumed) << step.stored;
  }
  EXPECT_FALSE(ReadNextLine(reader, lines, index, counters));
  EXPECT_EQ(lines.Count(), 3);
  EXPECT_EQ(counters.charactersConsumed, 12);
  index.Flush(lines);
  EXPECT_EQ(index.UniqueLineNo(lines, "A    B"), 1);
}

struct CrLfCase {
  const char* name;
  std::vector<std::string> chunks;
  std::int32_t count;
  std::optional<char> carry;
};

void PrintTo(const CrLfCase& c, std::ostream* out) { *out << c.name; }

class CountCrLfTest : public testing::TestWithParam<CrLfCase> {};

TEST_P(CountCrLfTest, CountsPairsAcrossChunks) {
  const CrLfCase& c = GetParam();
  std::optional<char> carry;
  std::int32_t count = 0;
  for (const std::string& chunk : c.chunks) count += CountCrLf(chunk, carry);
  EXPECT_EQ(count, c.count);
  EXPECT_EQ(carry, c.carry);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CountCrLfTest,
    testing::Values(CrLfCase{"NoChunk", {}, 0, std::nullopt},
                    CrLfCase{"EmptyChunkKeepsCarry", {"a\r", ""}, 0, '\r'},
                    CrLfCase{"Inside", {"a\r\nb\r\nc"}, 2, 'c'},
                    CrLfCase{"EndsWithPairLeavesNoCarry", {"a\r\n"}, 1, std::nullopt},
                    CrLfCase{"SplitBetweenChunks", {"a\r", "\nb"}, 1, 'b'},
                    CrLfCase{"SplitAfterEmptyChunk", {"a\r", "", "\n"}, 1, '\n'},
                    CrLfCase{"ChunkStartingWithPairAfterCr", {"a\r", "\r\nb"}, 1, 'b'},
                    CrLfCase{"LoneLineFeeds", {"\n\n", "\n"}, 0, '\n'},
                    CrLfCase{"LineFeedAfterPairIsNotSplit", {"a\r\n", "\nb"}, 1, 'b'},
                    CrLfCase{"CrCrLf", {"\r\r\n"}, 1, std::nullopt},
                    CrLfCase{"LfCr", {"\n\r"}, 0, '\r'}),
    [](const testing::TestParamInfo<CrLfCase>& info) { return std::string(info.param.name); });

struct PercentCase {
  const char* name;
  std::int32_t value;
  std::int32_t total;
  std::vector<std::int32_t> percents;
};

void PrintTo(const PercentCase& c, std::ostream* out) { *out << c.name; }

class UpdateProgressTest : public testing::TestWithParam<PercentCase> {};

TEST_P(UpdateProgressTest, RoundsHalfToEven) {
  const PercentCase& c = GetParam();
  test::ProgressDouble progress(1);
  EXPECT_TRUE(UpdateProgress(progress, c.value, c.total));
  EXPECT_EQ(progress.percents, c.percents);
  EXPECT_EQ(progress.canceledCalls, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UpdateProgressTest,
    testing::Values(PercentCase{"TieDown", 1, 8, {12}}, PercentCase{"TieUp", 3, 8, {38}},
                    PercentCase{"TieDownAgain", 5, 8, {62}}, PercentCase{"BelowHalf", 1, 3, {33}},
                    PercentCase{"Whole", 7, 7, {100}}, PercentCase{"ZeroTotalLeavesBar", 0, 0, {}}),
    [](const testing::TestParamInfo<PercentCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc
