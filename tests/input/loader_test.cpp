#include "input/loader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "input/temp_files.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

constexpr std::size_t kChunk = 64000;

std::string Lines(int count, std::string_view end, std::string_view prefix = "line ") {
  std::string text;
  for (int n = 1; n <= count; ++n) text.append(prefix).append(std::to_string(n)).append(end);
  return text;
}

// CR LF text in which a CR LF pair straddles each of the first `chunks`
// chunk boundaries: the CR is a chunk's last byte, the LF the next one's first.
std::string SplitAtEveryChunk(int chunks) {
  std::string text;
  for (int chunk = 1; chunk <= chunks; ++chunk) {
    while (text.size() < chunk * kChunk - 60) text.append(std::string(40, 'x')).append("\r\n");
    text.append(std::string(chunk * kChunk - 1 - text.size(), 'y')).append("\r\n");
  }
  return text.append("tail\r\n");
}

// More than ten LF-only lines, then binary bytes, `size` bytes in all.
std::string Binary(std::size_t size, char last = '!') {
  std::string bytes = Lines(20, "\n");
  for (std::size_t n = 0; bytes.size() < size; ++n) bytes.push_back(static_cast<char>(n * 7 % 256));
  bytes.back() = last;
  return bytes;
}

struct LoadCase {
  const char* name;
  std::string left;
  std::string right;
  bool binary;
  bool differ;  // checked for binary pairs only
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }

class LoadFilesTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadFilesTest, DecidesModeAndVerdict) {
  const LoadCase& c = GetParam();
  test::TempFiles files;
  PerSide<std::string> paths;
  paths[Side::Left] = files.Write("left", c.left);
  paths[Side::Right] = files.Write("right", c.right);
  test::ProgressDouble progress;
  LoadedText text;

  const LoadOutcome outcome = LoadFiles(paths, progress, text);

  EXPECT_FALSE(outcome.failure) << outcome.failure.value_or("");
  EXPECT_EQ(outcome.binaryMode, c.binary);
  EXPECT_EQ(progress.phases, std::vector<std::int32_t>{kAnalysisPhase});
  EXPECT_EQ(progress.completes, c.binary ? 1 : 0);
  EXPECT_TRUE(std::is_sorted(progress.percents.begin(), progress.percents.end()));
  if (c.binary) {
    EXPECT_EQ(outcome.differ, c.differ);
    EXPECT_EQ(outcome.Verdict(), c.differ ? kBinaryDifferVerdict : kBinaryIdenticalVerdict);
    return;
  }
  // A text pair is read completely: every line, as the reader splits it.
  for (Side side : kBothSides) {
    const std::string& bytes = side == Side::Left ? c.left : c.right;
    const auto ends = std::count(bytes.begin(), bytes.end(), '\n');
    const bool unterminated = !bytes.empty() && bytes.back() != '\n';
    EXPECT_EQ(text.lines[side].Count(), ends + (unterminated ? 1 : 0));
  }
  if (c.left.empty() && c.right.empty()) {
    EXPECT_TRUE(progress.percents.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadFilesTest,
    testing::Values(
        LoadCase{"CrLfText", Lines(500, "\r\n"), Lines(400, "\r\n"), false, false},
        LoadCase{"LfTwoLinesStayText", Lines(2, "\n"), Lines(2, "\n"), false, false},
        LoadCase{"LfThreeLinesBinary", Lines(3, "\n"), Lines(3, "\n"), true, false},
        LoadCase{"LfTenLinesBinary", Lines(10, "\n"), Lines(10, "\n"), true, false},
        LoadCase{"LfElevenLinesBinary", Lines(11, "\n"), Lines(11, "\n"), true, false},
        LoadCase{"LfAgainstCrLfDiffers", Lines(11, "\n"), Lines(11, "\r\n"), true, true},
        LoadCase{"CrLfSplitAtChunkBoundaries", SplitAtEveryChunk(4), SplitAtEveryChunk(4), false,
                 false},
        LoadCase{"LastLineWithoutCrLf", Lines(30, "\r\n") + "last", Lines(30, "\r\n"), false,
                 false},
        LoadCase{"OneLongLineWithoutEnd", std::string(200'000, 'q'), "", false, false},
        LoadCase{"BothEmpty", "", "", false, false},
        LoadCase{"OneEmptyOneText", "", Lines(50, "\r\n"), false, false},
        LoadCase{"BinaryIdentical", Binary(300'000), Binary(300'000), true, false},
        LoadCase{"BinaryDifferInLastChunk", Binary(300'000, '!'), Binary(300'000, '?'), true, true},
        LoadCase{"BinaryUnequalLength", Binary(300'000), Binary(300'001), true, true},
        LoadCase{"BinaryOneSideEmpty", Binary(1000), "", true, true}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(LoadFilesTest, FillsTheWholeFileIndex) {
  test::TempFiles files;
  PerSide<std::string> paths;
  paths[Side::Left] = files.Write("left", "alpha\r\nbeta\r\n\tgamma\r\nbeta\r\n");
  paths[Side::Right] = files.Write("right", "Alpha\r\n");
  test::ProgressDouble progress;
  LoadedText text;
  ASSERT_FALSE(LoadFiles(paths, progress, text).binaryMode);
  const LineList& left = text.lines[Side::Left];
  EXPECT_EQ(left.Line(3), "    gamma");
  EXPECT_EQ(text.index[Side::Left].UniqueLineNo(left, "ALPHA"), 1);
  EXPECT_EQ(text.index[Side::Left].UniqueLineNo(left, "beta"), 0);
  EXPECT_EQ(text.index[Side::Right].UniqueLineNo(text.lines[Side::Right], "alpha"), 1);
}

struct CancelCase {
  const char* name;
  long cancelAtCall;
  bool binary;
  int completes;
};

void PrintTo(const CancelCase& c, std::ostream* out) { *out << c.name; }

class LoadCancelTest : public testing::TestWithParam<CancelCase> {};

TEST_P(LoadCancelTest, StopsAtTheNextCycle) {
  const CancelCase& c = GetParam();
  test::TempFiles files;
  PerSide<std::string> paths;
  // Identical, binary from their eleventh line, and long enough for many
  // binary cycles after that.
  paths[Side::Left] = files.Write("left", Binary(2'000'000));
  paths[Side::Right] = files.Write("right", Binary(2'000'000));
  test::ProgressDouble progress(c.cancelAtCall);
  LoadedText text;
  const LoadOutcome outcome = LoadFiles(paths, progress, text);
  EXPECT_FALSE(outcome.failure);
  EXPECT_EQ(outcome.binaryMode, c.binary);
  EXPECT_EQ(progress.completes, c.completes);
  EXPECT_EQ(progress.canceledCalls, c.cancelAtCall);
  EXPECT_LT(text.lines[Side::Left].Count(), 12);
}

INSTANTIATE_TEST_SUITE_P(Table, LoadCancelTest,
                         testing::Values(CancelCase{"DuringAnalysis", 3, false, 0},
                                         CancelCase{"AfterThePairBecameBinary", 14, true, 1}),
                         [](const testing::TestParamInfo<CancelCase>& info) {
                           return std::string(info.param.name);
                         });

struct FailureCase {
  const char* name;
  std::string description;
  bool analysisStarted;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class LoadFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(LoadFailureTest, ReportsAndReturns) {
  const FailureCase& c = GetParam();
  test::TempFiles files;
  PerSide<std::string> paths;
  paths[Side::Left] = files.Write("left", "a\r\n");
  paths[Side::Right] = files.PathOf("right");
  const std::string name = c.name;
  if (name == "Unreadable") {
    files.Write("right", "b\r\n");
    ASSERT_EQ(chmod(paths[Side::Right].c_str(), 0), 0);
    // root reads a file whatever its mode says.
    if (geteuid() == 0) GTEST_SKIP() << "running as root: file modes do not stop reading";
  } else if (name == "PairOverAGigabyte" || name == "FileOver2GiB") {
    // Sparse files: the size is checked before a byte is read.
    const std::uintmax_t size = name == "FileOver2GiB" ? (std::uintmax_t{1} << 31) : 600'000'000;
    for (Side side : kBothSides) {
      files.Write(side == Side::Left ? "left" : "right", "");
      std::filesystem::resize_file(paths[side], size);
    }
  }
  test::ProgressDouble progress;
  LoadedText text;
  const LoadOutcome outcome = LoadFiles(paths, progress, text);
  ASSERT_TRUE(outcome.failure);
  EXPECT_EQ(*outcome.failure, c.description);
  EXPECT_FALSE(outcome.binaryMode);
  EXPECT_EQ(progress.completes, 0);
  EXPECT_EQ(progress.phases.size(), c.analysisStarted ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadFailureTest,
    testing::Values(FailureCase{"Missing", "No such file or directory", false},
                    FailureCase{"Unreadable", "Permission denied", true},
                    FailureCase{"PairOverAGigabyte", std::string(kOverflowDescription), true},
                    FailureCase{"FileOver2GiB", std::string(kOverflowDescription), false}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc
