// The text reader's line ends and the line counters, CR LF pairs across
// chunks, the progress percentage and the line index.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "input/crlf_count.h"
#include "input/file_bytes.h"
#include "input/folded_text.h"
#include "input/progress_percent.h"
#include "input/read_next_line.h"
#include "input/temp_files.h"
#include "input/text_reader.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

struct ReaderCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;  // as stored, tabs expanded
  std::int32_t charactersRead;
  std::int32_t charactersConsumed;
};

class LineReadingTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(LineReadingTest, SplitsAtLineFeedsExpandsTabsAndCounts) {
  const ReaderCase& c = GetParam();
  // In place, as the loader reads a mapped file (lines point into the
  // bytes), and copied, as a list without source bytes keeps them.
  for (const bool inPlace : {true, false}) {
    SCOPED_TRACE(inPlace ? "in place" : "copied");
    const auto bytes = FileBytes::Hold(FileBytes::Buffer(c.bytes.begin(), c.bytes.end()));
    TextReader reader;
    reader.Open(bytes->View());
    LineList lines;
    if (inPlace) lines.SetSource(bytes);
    LineIndex index;
    LineCounters counters;
    while (!reader.AtEndOfStream()) {
      const std::string_view line = reader.ReadLine();
      StoreLine(line, lines, index);
      CountLine(static_cast<std::int32_t>(line.size()), counters);
    }
    std::vector<std::string> stored;
    for (std::int32_t n = 1; n <= lines.Count(); ++n) stored.emplace_back(lines.Line(n));
    EXPECT_EQ(stored, c.lines);
    EXPECT_EQ(counters.charactersRead, c.charactersRead);
    EXPECT_EQ(counters.charactersConsumed, c.charactersConsumed);
  }
}

// Long lines, and a CR LF just past 256 KiB.
const std::string kLong(300'000, 'x');
const std::string kToRefill(262'143, 'a');

INSTANTIATE_TEST_SUITE_P(
    LineEnds, LineReadingTest,
    testing::Values(
        ReaderCase{"Empty", "", {}, 0, 0},
        ReaderCase{"TabCountsOneBeforeExpansion", "a\tb\r\n", {"a    b"}, 3, 5},
        ReaderCase{"CrLfAndLf", "a\r\nb\nc\r\n", {"a", "b", "c"}, 3, 9},
        ReaderCase{"LoneCrIsACharacter", "a\rb\r\r\nc\r", {"a\rb\r", "c\r"}, 6, 10},
        ReaderCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}, 2, 6},
        ReaderCase{"NoEmptyLineAfterLastEnd", "\n\r\n\n", {"", "", ""}, 0, 6},
        ReaderCase{"TabLineBetweenPlainOnes", "a\r\n\tb\nc\r\n", {"a", "    b", "c"}, 4, 10},
        ReaderCase{"CrBeforeCrLfStays", "x\r\r\n\r\ny", {"x\r", "", "y"}, 3, 9},
        ReaderCase{"NulAndHighBytes", std::string("\0\xff\n", 3), {std::string("\0\xff", 2)}, 2, 4},
        ReaderCase{"LineLongerThanBuffer", kLong + "\r\ny", {kLong, "y"}, 300'001, 300'005},
        ReaderCase{"CrLfAcrossRefill", kToRefill + "\r\nb", {kToRefill, "b"}, 262'144, 262'148}),
    test::ByName{});

struct CrLfCase {
  const char* name;
  std::vector<std::string> chunks;
  std::int32_t count;
  std::optional<char> carry;
};

class CountCrLfTest : public testing::TestWithParam<CrLfCase> {};

TEST_P(CountCrLfTest, CountsPairsAcrossChunks) {
  std::optional<char> carry;
  std::int32_t count = 0;
  for (const std::string& chunk : GetParam().chunks) count += CountCrLf(chunk, carry);
  EXPECT_EQ(count, GetParam().count);
  EXPECT_EQ(carry, GetParam().carry);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CountCrLfTest,
    testing::Values(CrLfCase{"EmptyChunkKeepsCarry", {"a\r", ""}, 0, '\r'},
                    CrLfCase{"Inside", {"a\r\nb\r\nc"}, 2, 'c'},
                    CrLfCase{"EndsWithPairLeavesNoCarry", {"a\r\n"}, 1, std::nullopt},
                    CrLfCase{"SplitBetweenChunks", {"a\r", "\nb"}, 1, 'b'},
                    CrLfCase{"ChunkStartingWithPairAfterCr", {"a\r", "\r\nb"}, 1, 'b'},
                    CrLfCase{"LoneLineFeeds", {"\n\n", "\n"}, 0, '\n'},
                    CrLfCase{"LineFeedAfterPairIsNotSplit", {"a\r\n", "\nb"}, 1, 'b'},
                    CrLfCase{"CrCrLf", {"\r\r\n"}, 1, std::nullopt}),
    test::ByName{});

TEST(UpdateProgressTest, RoundsHalfToEvenAndLeavesTheBarAloneOnAZeroTotal) {
  test::ProgressDouble progress(1);
  for (auto [value, total] : {std::pair(1, 8), std::pair(3, 8), std::pair(1, 3), std::pair(0, 0)})
    EXPECT_TRUE(UpdateProgress(progress, value, total));
  EXPECT_EQ(progress.percents, (std::vector<std::int32_t>{12, 38, 33}));
}

struct UniqueCase {
  const char* name;
  std::vector<std::string> lines;
  std::string query;
  std::int32_t expected;
};

class UniqueLineNoTest : public testing::TestWithParam<UniqueCase> {};

TEST_P(UniqueLineNoTest, AnswersLineNumberOnlyForTextsSeenOnce) {
  LineList lines;
  LineIndex index;
  for (const std::string& text : GetParam().lines)
    index.AddToIndex(lines, lines.AppendExpandingTabs(text));
  EXPECT_EQ(index.UniqueLineNo(lines, GetParam().query), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UniqueLineNoTest,
    testing::Values(UniqueCase{"EmptyIndex", {}, "a", 0},
                    UniqueCase{"Single", {"x", "Hello", "y"}, "Hello", 2},
                    UniqueCase{"CaseBlindLookup", {"Hello"}, "HELLO", 1},
                    UniqueCase{"CaseVariantsAreOneText", {"Hello", "hello"}, "Hello", 0},
                    UniqueCase{
                        "CaseBlindPastOneWord", {"Hello World, Again!"}, "hELLO wORLD, aGAIN!", 1},
                    UniqueCase{"OnlyAToZFold", {"@[@[@[@[@[\xc4"}, "`{`{`{`{`{\xe4", 0},
                    UniqueCase{"ThreeTimes", {"a", "a", "a"}, "a", 0},
                    UniqueCase{"BlankNeverUnique", {"   "}, "   ", 0},
                    UniqueCase{"EmptyNeverUnique", {""}, "", 0},
                    UniqueCase{"TabsExpandToFourBlanks", {"x", "a\tb"}, "a    b", 2},
                    UniqueCase{"TrailingBlankMatters", {"abc "}, "abc", 0}),
    test::ByName{});

// Lines crafted so that, under one key of the line hash, every one of them
// lands on the same home slot: the linear probing then walks the whole run
// for each new line, and the index costs the square of the lines. Under any
// other key (a new run draws one at random) they spread out again.
class CraftedLinesTest : public testing::Test {
 protected:
  static constexpr std::uint64_t kCraftingSeed = 7;
  static constexpr int kLines = 500;
  // An index of kLines texts never has more than 2^kSameTopBits slots, and the
  // top bits of a hash pick the slot, so lines sharing them share one slot.
  static constexpr int kSameTopBits = 10;

  void TearDown() override { SetLineHashSeed(kCraftingSeed + 1); }

  static std::vector<std::string> Craft() {
    SetLineHashSeed(kCraftingSeed);
    std::vector<std::string> lines;
    for (std::uint64_t serial = 0; static_cast<int>(lines.size()) < kLines; ++serial) {
      std::string text = "line " + std::to_string(serial);
      if (FoldedHash(text) >> (32 - kSameTopBits) == 0) lines.push_back(std::move(text));
    }
    return lines;
  }

  static std::uint64_t ProbesToIndex(const std::vector<std::string>& texts) {
    LineList lines;
    LineIndex index;
    for (const std::string& text : texts) index.AddToIndex(lines, lines.AppendExpandingTabs(text));
    for (const std::string& text : texts) EXPECT_GT(index.UniqueLineNo(lines, text), 0);
    return index.Probes();
  }
};

TEST_F(CraftedLinesTest, CrowdOneSlotOnlyUnderTheKeyTheyWereCraftedFor) {
  const std::vector<std::string> crafted = Craft();
  const std::uint64_t crowded = ProbesToIndex(crafted);
  EXPECT_GT(crowded, std::uint64_t{kLines} * kLines / 4);

  for (const std::uint64_t otherSeed : {kCraftingSeed + 1, kCraftingSeed * 1000003}) {
    SetLineHashSeed(otherSeed);
    EXPECT_LT(ProbesToIndex(crafted), std::uint64_t{8} * kLines) << "seed " << otherSeed;
  }
}

}  // namespace
}  // namespace qfc
