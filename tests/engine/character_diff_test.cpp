// The character diff: worked pairs of lines, with the runs written as [..]
// around the differing bytes, long lines against the work cap, and the
// properties every answer keeps.
#include "engine/character_diff.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "input/line_list.h"

namespace qfc {
namespace {

[[maybe_unused]] void PrintTo(const ByteRun& run, std::ostream* out) {
  *out << "[" << run.start << ", +" << run.length << ")";
}

// The line with "[" and "]" around each run.
[[nodiscard]] std::string Marked(std::string_view line, const std::vector<ByteRun>& runs) {
  std::string marked;
  std::size_t at = 0;
  for (const ByteRun& run : runs) {
    const auto start = static_cast<std::size_t>(run.start);
    const auto length = static_cast<std::size_t>(run.length);
    marked.append(line.substr(at, start - at)).append("[");
    marked.append(line.substr(start, length)).append("]");
    at = start + length;
  }
  return marked.append(line.substr(std::min(at, line.size())));
}

// The lines as the loader stores them, tabs expanded.
[[nodiscard]] std::string Stored(std::string_view raw) {
  LineList list;
  list.AppendExpandingTabs(raw);
  return std::string(list.Line(1));
}

struct PairCase {
  std::string name;
  std::string left;
  std::string right;
  std::string markedLeft;
  std::string markedRight;
};

class CharacterDiffTest : public testing::TestWithParam<PairCase> {};

TEST_P(CharacterDiffTest, MarksTheDifferingCharacters) {
  const PairCase& c = GetParam();
  const std::string left = Stored(c.left);
  const std::string right = Stored(c.right);
  const ChangedRuns runs = DiffCharacters({{left, right}});
  EXPECT_EQ(Marked(left, runs[Side::Left]), c.markedLeft);
  EXPECT_EQ(Marked(right, runs[Side::Right]), c.markedRight);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, CharacterDiffTest,
    testing::Values(
        PairCase{"Equal", "same line", "same line", "same line", "same line"},
        PairCase{"OneWordChanged", "the quick brown fox", "the quick green fox",
                 "the quick [brow]n fox", "the quick [gree]n fox"},
        PairCase{"OneWordInCapitals", "line 0126 alpha beta gamma", "line 0126 alpha BETA gamma",
                 "line 0126 alpha [beta] gamma", "line 0126 alpha [BETA] gamma"},
        PairCase{"CaseOfSomeLetters", "Hello World", "hello world", "[H]ello [W]orld",
                 "[h]ello [w]orld"},
        PairCase{"LatinOneLetterCase", "Caf\xC9 ok", "Caf\xE9 ok", "Caf[\xC9] ok",
                 "Caf[\xE9] ok"},
        PairCase{"InsertedAtStart", "world peace", "hello world peace", "world peace",
                 "[hello ]world peace"},
        PairCase{"InsertedAtEnd", "abc def", "abc def ghi", "abc def", "abc def[ ghi]"},
        PairCase{"TrailingBlank", "abc", "abc ", "abc", "abc[ ]"},
        PairCase{"TwoNumbersChanged", "x = 10; y = 20;", "x = 11; y = 21;", "x = 1[0]; y = 2[0];",
                 "x = 1[1]; y = 2[1];"},
        PairCase{"ShortCommonRunJoinsChanges", "value = 1b2 end", "value = XbY end",
                 "value = [1b2] end", "value = [XbY] end"},
        PairCase{"UnrelatedLines", "alpha beta", "12345 xyz", "[alpha beta]", "[12345 xyz]"},
        PairCase{"TabsAsShown", "a\tb", "a  b", "a  [  ]b", "a  b"},
        PairCase{"MultiByteLetterWhole", "caf\xC3\xA9 au lait", "caf\xC3\xA8 au lait",
                 "caf[\xC3\xA9] au lait", "caf[\xC3\xA8] au lait"},
        PairCase{"LetterOutsideBasicPlane", "emoji \xF0\x9F\x98\x80 here",
                 "emoji \xF0\x9F\x98\x81 here", "emoji [\xF0\x9F\x98\x80] here",
                 "emoji [\xF0\x9F\x98\x81] here"},
        PairCase{"InvalidUtf8ByBytes", "caf\xE9\xA9 x", "caf\xE9\xA8 x", "caf\xE9[\xA9] x",
                 "caf\xE9[\xA8] x"},
        PairCase{"LatinOneShownLikeUtf8", "caf\xE9", "caf\xC3\xA9", "caf\xE9", "caf\xC3\xA9"},
        PairCase{"EmptyAgainstText", "", "new", "", "[new]"}),
    [](const auto& info) { return info.param.name; });

// A line of `length` letters from a fixed seed.
[[nodiscard]] std::string Letters(std::size_t length, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> letter('a', 'z');
  std::string text(length, ' ');
  for (char& c : text) c = static_cast<char>(letter(random));
  return text;
}

constexpr std::size_t kLongLine = 100'000;

struct LongCase {
  std::string name;
  std::string left;
  std::string right;
  std::vector<ByteRun> expected;  // alike on both sides here
};

// The lines are too long to print.
void PrintTo(const LongCase& c, std::ostream* out) { *out << c.name; }

class LongLineTest : public testing::TestWithParam<LongCase> {};

TEST_P(LongLineTest, StaysWithinItsCap) {
  const LongCase& c = GetParam();
  const ChangedRuns runs = DiffCharacters({{c.left, c.right}});
  for (const Side side : kBothSides) EXPECT_EQ(runs[side], c.expected);
}

[[nodiscard]] std::string WithLetter(std::string text, std::size_t at, char letter) {
  text[at] = letter;
  return text;
}

const std::string kBase = Letters(kLongLine, 1);

INSTANTIATE_TEST_SUITE_P(
    Long, LongLineTest,
    testing::Values(
        LongCase{"OneLetterInTheMiddle", kBase, WithLetter(kBase, 50'000, '#'),
                 {{50'000, 1}}},
        LongCase{"TwoLettersFarApart", kBase,
                 WithLetter(WithLetter(kBase, 30'000, '#'), 70'000, '#'),
                 {{30'000, 1}, {70'000, 1}}},
        // Unrelated middles need far more steps than the cap: the middle
        // between the common start and end differs as a whole.
        LongCase{"ManyChangesPastTheCap",
                 kBase.substr(0, 60'000) + Letters(20'000, 2) + kBase.substr(80'000),
                 kBase.substr(0, 60'000) + Letters(20'000, 3) + kBase.substr(80'000),
                 {{60'000, 20'000}}}),
    [](const auto& info) { return info.param.name; });

// Random short pairs over a few letters, some of them two bytes long.
TEST(CharacterDiffProperties, RunsAreOrderedWholeCharactersAndLeaveEqualRest) {
  const std::vector<std::string> alphabet = {"a", "b", "c", " ", "\xC3\xA9", "A"};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);
  for (int round = 0; round < 500; ++round) {
    PerSide<std::string> lines;
    for (const Side side : kBothSides) {
      for (int i = length(random); i > 0; --i) lines[side] += alphabet[pick(random)];
    }
    const ChangedRuns runs = DiffCharacters({{lines[Side::Left], lines[Side::Right]}});
    PerSide<std::string> rest;
    for (const Side side : kBothSides) {
      const std::string& line = lines[side];
      std::int32_t end = -1;
      for (const ByteRun& run : runs[side]) {
        ASSERT_GT(run.length, 0) << line;
        ASSERT_GT(run.start, end) << "runs overlap or touch in " << line;
        end = run.start + run.length;
        ASSERT_LE(end, static_cast<std::int32_t>(line.size()));
        for (const std::int32_t edge : {run.start, end}) {
          const bool continuation = edge < static_cast<std::int32_t>(line.size()) &&
                                    (static_cast<unsigned char>(line[edge]) & 0xC0u) == 0x80u;
          ASSERT_FALSE(continuation) << "a run splits a character in " << line;
        }
      }
      std::size_t at = 0;
      for (const ByteRun& run : runs[side]) {
        rest[side] += line.substr(at, static_cast<std::size_t>(run.start) - at);
        at = static_cast<std::size_t>(run.start + run.length);
      }
      rest[side] += line.substr(at);
    }
    EXPECT_EQ(rest[Side::Left], rest[Side::Right])
        << lines[Side::Left] << " | " << lines[Side::Right];
    EXPECT_EQ(runs[Side::Left].empty() && runs[Side::Right].empty(),
              lines[Side::Left] == lines[Side::Right]);
  }
}

}  // namespace
}  // namespace qfc
