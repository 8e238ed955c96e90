// The line rule of --eol=any: where lines end, what is left of a line end,
// the style each file is told to have, and the limit on lines per side. Every
// case is fed whole and in chunks of every small size, since a line and its
// CR LF may be split anywhere between chunks.
#include "input/line_end_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/temp_files.h"

namespace qfc {
namespace {

struct SplitCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
  std::string style;
  bool lastLineOpen;
};

struct Split {
  std::vector<std::string> lines;
  LineEnds ends;
};

Split SplitInChunks(std::string_view bytes, std::size_t chunkSize,
                    std::int64_t maxLines = kMaxLinesPerSide) {
  LineEndSplitter splitter(maxLines);
  Split split;
  const auto keep = [&](std::string_view line) { split.lines.emplace_back(line); };
  for (std::size_t at = 0; at < bytes.size(); at += chunkSize)
    splitter.Feed(bytes.substr(at, chunkSize), keep);
  splitter.Finish(keep);
  split.ends = splitter.Ends();
  return split;
}

class LineEndSplitterTest : public testing::TestWithParam<SplitCase> {};

TEST_P(LineEndSplitterTest, EndsLinesAtLineFeedsWhateverTheChunks) {
  const SplitCase& c = GetParam();
  for (std::size_t chunkSize :
       {c.bytes.size() + 1, std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
    const Split split = SplitInChunks(c.bytes, chunkSize);
    EXPECT_EQ(split.lines, c.lines) << "chunks of " << chunkSize;
    EXPECT_EQ(LineEndStyleText(split.ends.Style()), c.style) << "chunks of " << chunkSize;
    EXPECT_EQ(split.ends.lastLineOpen, c.lastLineOpen) << "chunks of " << chunkSize;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineEndSplitterTest,
    testing::Values(SplitCase{"Lf", "a\nb\n", {"a", "b"}, "LF", false},
                    SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}, "CR LF", false},
                    SplitCase{"Mixed", "a\r\nb\nc\r\n", {"a", "b", "c"}, "mixed", false},
                    SplitCase{
                        "LoneCrIsACharacter", "a\rb\n\rc\r\r\n", {"a\rb", "\rc\r"}, "mixed", false},
                    SplitCase{"LoneCrAtTheEnd", "a\n\r", {"a", "\r"}, "LF", true},
                    SplitCase{"NoFinalLineEnd", "a\nb", {"a", "b"}, "LF", true},
                    SplitCase{"OneLineWithoutEnd", "text", {"text"}, "none", true},
                    SplitCase{"Empty", "", {}, "none", false},
                    SplitCase{"OnlyLineEnds", "\n\r\n\n", {"", "", ""}, "mixed", false},
                    SplitCase{"OnlyLfs", "\n\n", {"", ""}, "LF", false},
                    SplitCase{"TabsAndBytesKept",
                              std::string("\tx \xff\0\n", 6),
                              {std::string("\tx \xff\0", 5)},
                              "LF",
                              false}),
    test::ByName{});

TEST(LineEndSplitterLimitTest, HoldsTheLimitAndFailsWithOverflowOneLineBeyond) {
  EXPECT_EQ(SplitInChunks("a\nb\nc", 2, 3).lines.size(), 3u);
  EXPECT_EQ(SplitInChunks("\n\n\n", 2, 3).lines.size(), 3u);
  for (const char* bytes : {"a\nb\nc\nd", "\n\n\n\n"}) {
    try {
      static_cast<void>(SplitInChunks(bytes, 2, 3));
      ADD_FAILURE() << "no failure for " << bytes;
    } catch (const LoadFailure& failure) {
      EXPECT_STREQ(failure.what(), "Overflow");
    }
  }
  EXPECT_EQ(kMaxLinesPerSide, 2'147'483'647);
}

}  // namespace
}  // namespace qfc
