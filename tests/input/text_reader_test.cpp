#include "input/text_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/temp_files.h"

namespace qfc {
namespace {

struct ReaderCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

void PrintTo(const ReaderCase& c, std::ostream* out) { *out << c.name; }

std::vector<std::string> ReadAll(const std::string& path, std::uint64_t limit) {
  TextReader reader;
  reader.Open(path, limit);
  std::vector<std::string> lines;
  while (!reader.AtEndOfStream()) lines.emplace_back(reader.ReadLine());
  return lines;
}

class TextReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(TextReaderTest, SplitsLinesAtLineFeeds) {
  const ReaderCase& c = GetParam();
  test::TempFiles files;
  const std::string path = files.Write("f", c.bytes);
  EXPECT_EQ(ReadAll(path, c.bytes.size()), c.lines);
}

// Longer than the reader's buffer, so that lines straddle refills.
std::string LongLine(char fill) { return std::string(300'000, fill); }

INSTANTIATE_TEST_SUITE_P(
    LineEnds, TextReaderTest,
    testing::Values(ReaderCase{"Empty", "", {}}, ReaderCase{"CrLf", "a\r\nbc\r\n", {"a", "bc"}},
                    ReaderCase{"Lf", "a\nbc\n", {"a", "bc"}},
                    ReaderCase{"MixedCrLfAndLf", "a\r\nb\nc\r\n", {"a", "b", "c"}},
                    ReaderCase{"LoneCrIsACharacter", "a\rb\r\n", {"a\rb"}},
                    ReaderCase{"CrBeforeCrLfStays", "a\r\r\n", {"a\r"}},
                    ReaderCase{"CrAtEndOfFileStays", "a\r", {"a\r"}},
                    ReaderCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                    ReaderCase{"OnlyALineEnd", "\r\n", {""}},
                    ReaderCase{"EmptyLines", "\n\r\n\n", {"", "", ""}},
                    ReaderCase{"EveryByteValue",
                               std::string("\0\x01\xff\t\x7f", 5) + "\n",
                               {std::string("\0\x01\xff\t\x7f", 5)}},
                    ReaderCase{
                        "LineLongerThanBuffer", LongLine('x') + "\r\ny", {LongLine('x'), "y"}},
                    ReaderCase{"LongLineWithoutEnd", LongLine('z'), {LongLine('z')}},
                    ReaderCase{"CrLfAcrossRefill",
                               std::string(262'143, 'a') + "\r\nb\r\n",
                               {std::string(262'143, 'a'), "b"}}),
    [](const testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.name); });

TEST(TextReaderLimitTest, StopsAtTheMeasuredLength) {
  test::TempFiles files;
  const std::string path = files.Write("f", "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(ReadAll(path, 7), (std::vector<std::string>{"one", "tw"}));
  EXPECT_TRUE(ReadAll(path, 0).empty());
}

}  // namespace
}  // namespace qfc
