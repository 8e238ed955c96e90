#include "input/loader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "input/temp_files.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

constexpr char kText[] = "";
constexpr char kDiffer[] = "Binary Files Differ!";
constexpr char kIdentical[] = "Binary Files are Identical!";

std::string Lines(int count, std::string_view end) {
  std::string text;
  for (int n = 1; n <= count; ++n) text.append("line ").append(std::to_string(n)).append(end);
  return text;
}

// CR LF text in which a pair straddles each of the first four 64000-byte chunk
// boundaries: the CR is one chunk's last byte, the LF the next one's first.
std::string SplitAtChunkBoundaries() {
  std::string text = "head\r\n";
  for (std::size_t boundary = 64000; boundary <= 4 * 64000; boundary += 64000) {
    while (text.size() < boundary - 60) text.append(40, 'x').append("\r\n");
    text.append(boundary - 1 - text.size(), 'y').append("\r\n");
  }
  return text.append("tail\r\n");
}

// Twenty LF-only lines, then NUL bytes up to `size` bytes in all.
std::string Binary(std::size_t size, char last = '!') {
  std::string bytes = Lines(20, "\n");
  bytes.resize(size, '\0');
  bytes.back() = last;
  return bytes;
}

// How LoadFiles ends: kText for a text pair, the verdict for a binary pair,
// or the description of the failure.
struct LoadCase {
  const char* name;
  std::string left;
  std::string right;
  std::string outcome;
  long cancelAtCall = 0;
  std::uintmax_t sparseSize = 0;  // both files grown to this size, unwritten
  bool rightUnreadable = false;
};

class LoadFilesTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadFilesTest, EndsInTextModeWithAVerdictOrWithAFailure) {
  const LoadCase& c = GetParam();
  test::TempFiles files;
  const PerSide<std::string> paths{{files.Write("left", c.left), files.Write("right", c.right)}};
  for (Side side : kBothSides) {
    if (c.sparseSize > 0) std::filesystem::resize_file(paths[side], c.sparseSize);
  }
  if (c.rightUnreadable) {
    ASSERT_EQ(chmod(paths[Side::Right].c_str(), 0), 0);
    if (geteuid() == 0) GTEST_SKIP() << "root reads a file whatever its mode says";
  }
  test::ProgressDouble progress(c.cancelAtCall);
  LoadedText text;
  const LoadOutcome outcome = LoadFiles(paths, progress, text);
  const bool binary = c.outcome == kDiffer || c.outcome == kIdentical;
  const std::string mode = outcome.binaryMode ? std::string(outcome.Verdict()) : kText;
  EXPECT_EQ(outcome.failure.value_or(mode), c.outcome);
  EXPECT_EQ(outcome.binaryMode, binary);
  EXPECT_EQ(progress.completes, binary ? 1 : 0);
  if (outcome.failure) return;
  EXPECT_EQ(progress.phases, std::vector<std::int32_t>{kAnalysisPhase});
  if (c.cancelAtCall != 0) {
    EXPECT_EQ(progress.canceledCalls, c.cancelAtCall);
    return;
  }
  if (binary) {
    EXPECT_LE(text.lines[Side::Left].Count(), 11) << "lines read after the pair became binary";
    return;
  }
  // The first and the last line of a text pair are in the index: none is left pending.
  for (Side side : kBothSides) {
    const LineList& lines = text.lines[side];
    if (lines.Count() == 0) continue;
    for (std::int32_t n : {1, lines.Count()})
      EXPECT_EQ(text.index[side].UniqueLineNo(lines, lines.Line(n)), n);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadFilesTest,
    testing::Values(
        LoadCase{"CrLfText", Lines(500, "\r\n"), Lines(400, "\r\n"), kText},
        LoadCase{"LfTwoLinesStayText", Lines(2, "\n"), Lines(2, "\n"), kText},
        LoadCase{"LfThreeLines", Lines(3, "\n"), Lines(3, "\n"), kIdentical},
        LoadCase{"LfTenLines", Lines(10, "\n"), Lines(10, "\n"), kIdentical},
        LoadCase{"LfElevenLines", Lines(11, "\n"), Lines(11, "\n"), kIdentical},
        LoadCase{"LfAgainstCrLf", Lines(11, "\n"), Lines(11, "\r\n"), kDiffer},
        LoadCase{"CrLfSplitAtChunkBoundaries", SplitAtChunkBoundaries(), Lines(9, "\r\n"), kText},
        LoadCase{"LastLineWithoutCrLf", Lines(30, "\r\n") + "last", Lines(30, "\r\n"), kText},
        LoadCase{"OneLongLineWithoutEnd", std::string(200'000, 'q'), "", kText},
        LoadCase{"BothEmpty", "", "", kText},
        LoadCase{"OneEmptyOneText", "", Lines(50, "\r\n"), kText},
        LoadCase{"BinaryIdentical", Binary(300'000), Binary(300'000), kIdentical},
        LoadCase{"BinaryDifferInLastChunk", Binary(300'000), Binary(300'000, '?'), kDiffer},
        LoadCase{"BinaryUnequalLength", Binary(300'000), Binary(300'001), kDiffer},
        // Binary from the eleventh line on, with many chunks after that.
        LoadCase{"CancelDuringAnalysis", Binary(2'000'000), Binary(2'000'000), kText, 3},
        LoadCase{"CancelAfterBinary", Binary(2'000'000), Binary(2'000'000), kIdentical, 14},
        LoadCase{"PairOverAGigabyte", "", "", "Overflow", 0, 600'000'000},
        LoadCase{"FileOver2GiB", "", "", "Overflow", 0, std::uintmax_t{1} << 31},
        LoadCase{"RightUnreadable", "a", "b", "Permission denied", 0, 0, true}),
    test::ByName{});

}  // namespace
}  // namespace qfc
