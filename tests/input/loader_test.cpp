#include "input/loader.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "input/plain_loading.h"
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

// `count` CR LF lines of `length` bytes each, line end included.
std::string LongLines(int count, std::size_t length) {
  std::string line(length - 2, 'x');
  line += "\r\n";
  std::string text;
  text.reserve(line.size() * static_cast<std::size_t>(count));
  for (int n = 0; n < count; ++n) text += line;
  return text;
}

class LoadFilesTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadFilesTest, EndsInTextModeWithAVerdictOrWithAFailure) {
  const LoadCase& c = GetParam();
  test::TempFiles files;
  const PerSide<std::string> paths{{files.Write("left", c.left), files.Write("right", c.right)}};
  for (Side side : kBothSides) {
    if (c.sparseSize > 0) std::filesystem::resize_file(paths[side], c.sparseSize);
  }
  test::ProgressDouble progress(c.cancelAtCall);
  LoadedText text;
  // Opens as a regular file, but reading it fails, whoever runs the test.
  PerSide<InputFile> opened =
      OpenInputFiles({{paths[Side::Left], c.rightUnreadable ? "/proc/self/mem" : paths[Side::Right]}});
  const LoadOutcome outcome = LoadFiles(opened, LineEndMode::CrLf, progress, text);
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
        LoadCase{"RightUnreadable", "a", "b", "Input/output error", 0, 0, true}),
    test::ByName{});

// A cancel keeps exactly the lines the cycles read before it, one per side
// per cycle, however far ahead of them the lines were read; the lines read
// beyond, which repeat the kept ones, leave no trace in the index.
TEST(LoadFilesCancelTest, KeepsTheLinesReadBeforeTheCancel) {
  std::vector<std::string> lines;
  for (int n = 1; n <= 30'000; ++n) lines.push_back("line " + std::to_string(n));
  for (int n = 1; n <= 10'000; ++n) lines.push_back("LINE " + std::to_string(n));
  std::string bytes;
  for (const std::string& line : lines) bytes.append(line).append("\r\n");
  for (const long cancelAtCall : {2L, 20'001L, 30'001L, 35'001L}) {
    SCOPED_TRACE(cancelAtCall);
    test::TempFiles files;
    PerSide<InputFile> opened =
        OpenInputFiles({{files.Write("left", bytes), files.Write("right", bytes)}});
    test::ProgressDouble progress(cancelAtCall);
    LoadedText text;
    const LoadOutcome outcome = LoadFiles(opened, LineEndMode::CrLf, progress, text);
    EXPECT_FALSE(outcome.binaryMode || outcome.failure);
    const auto kept = static_cast<std::size_t>(cancelAtCall - 1);
    const std::vector<std::string> read(lines.begin(), lines.begin() + static_cast<long>(kept));
    const std::vector<std::int32_t> unique = test::PlainUniqueLineNos(read);
    for (Side side : kBothSides) {
      ASSERT_EQ(text.lines[side].Count(), static_cast<std::int32_t>(kept));
      for (std::size_t n = 0; n < kept; ++n) {
        ASSERT_EQ(text.index[side].UniqueLineNo(text.lines[side], read[n]), unique[n])
            << "line " << n + 1;
      }
    }
  }
}

// The chunk size shows in the mode: a line longer than a 64000-byte chunk
// ends a chunk without a CR LF pair.
TEST(LoadFilesChunkTest, LinesLongerThanAChunkMakeThePairBinary) {
  for (const auto& [length, binary] : {std::pair{65'000, true}, std::pair{63'000, false}}) {
    test::TempFiles files;
    const std::string text = LongLines(250, static_cast<std::size_t>(length));
    test::ProgressDouble progress;
    LoadedText loaded;
    PerSide<InputFile> opened =
        OpenInputFiles({{files.Write("left", text), files.Write("right", text)}});
    const LoadOutcome outcome = LoadFiles(opened, LineEndMode::CrLf, progress, loaded);
    EXPECT_FALSE(outcome.failure.has_value());
    EXPECT_EQ(outcome.binaryMode, binary) << "lines of " << length << " bytes";
  }
}

// Which second name counts as the first file itself, whose bytes are then
// mapped once; and that such a pair loads as two equal sides.
TEST(SameFileTest, OnlyTheOneFileUnderAnyNameIsTheSame) {
  test::TempFiles files;
  const std::string text = "alpha\r\nbeta\r\n";
  const std::string path = files.Write("file", text);
  const std::string copy = files.Write("copy", text);
  const std::filesystem::path dir = std::filesystem::path(path).parent_path();
  std::filesystem::create_hard_link(path, dir / "hard");
  std::filesystem::create_symlink(path, dir / "soft");
  const struct {
    const char* name;
    std::string second;
    bool same;
  } cases[] = {
      {"TheSamePath", path, true},
      {"AHardLink", (dir / "hard").string(), true},
      {"ASymbolicLink", (dir / "soft").string(), true},
      {"ACopy", copy, false},
      {"AnEmptyFile", files.Write("empty", ""), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PerSide<InputFile> opened = OpenInputFiles({{path, c.second}});
    EXPECT_EQ(opened[Side::Right].IsSameFileAs(opened[Side::Left]), c.same);
    test::ProgressDouble progress;
    LoadedText loaded;
    const LoadOutcome outcome = LoadFiles(opened, LineEndMode::CrLf, progress, loaded);
    ASSERT_FALSE(outcome.binaryMode || outcome.failure);
    if (!c.same) continue;
    for (Side side : kBothSides) {
      ASSERT_EQ(loaded.lines[side].Count(), 2);
      EXPECT_EQ(loaded.lines[side].Line(2), "beta");
    }
  }
}

TEST(LoadFilesProgressTest, TwoEmptyFilesTakeOneCycleAndOneCancelQuestion) {
  test::TempFiles files;
  PerSide<InputFile> opened = OpenInputFiles({{files.Write("l", ""), files.Write("r", "")}});
  test::ProgressDouble progress;
  LoadedText text;
  const LoadOutcome outcome = LoadFiles(opened, LineEndMode::CrLf, progress, text);
  EXPECT_FALSE(outcome.binaryMode || outcome.failure);
  EXPECT_EQ(progress.canceledCalls, 1);
  EXPECT_TRUE(progress.percents.empty()) << "a zero total leaves the bar alone";
}

// Under --eol=any: how LoadFiles ends, each side's line count and line-end style.
struct AnyCase {
  const char* name;
  std::string left;
  std::string right;
  std::string outcome;
  PerSide<std::int32_t> lineCounts{};
  PerSide<std::string_view> styles{{"none", "none"}};
  bool sameTexts = false;  // line n has the same text on both sides
};

class AnyLineEndsTest : public testing::TestWithParam<AnyCase> {};

TEST_P(AnyLineEndsTest, IsBinaryExactlyWithANulByte) {
  const AnyCase& c = GetParam();
  test::TempFiles files;
  PerSide<InputFile> opened =
      OpenInputFiles({{files.Write("left", c.left), files.Write("right", c.right)}});
  test::ProgressDouble progress;
  LoadedText text;
  const LoadOutcome outcome = LoadFiles(opened, LineEndMode::Any, progress, text);
  const std::string mode = outcome.binaryMode ? std::string(outcome.Verdict()) : kText;
  EXPECT_EQ(outcome.failure.value_or(mode), c.outcome);
  EXPECT_EQ(progress.completes, outcome.binaryMode ? 1 : 0);
  if (outcome.binaryMode || outcome.failure) return;
  for (Side side : kBothSides) {
    EXPECT_EQ(text.lines[side].Count(), c.lineCounts[side]);
    EXPECT_EQ(LineEndStyleText(outcome.lineEnds[side].Style()), c.styles[side]);
  }
  const std::int32_t common =
      std::min(text.lines[Side::Left].Count(), text.lines[Side::Right].Count());
  for (std::int32_t n = 1; n <= common && c.sameTexts; ++n) {
    EXPECT_EQ(text.lines[Side::Left].Line(n), text.lines[Side::Right].Line(n));
  }
  // The last line is in the index: none is left pending.
  for (Side side : kBothSides) {
    const LineList& lines = text.lines[side];
    if (lines.Count() > 0 && lines.Count() < 100) {
      EXPECT_EQ(text.index[side].UniqueLineNo(lines, lines.Line(lines.Count())), lines.Count());
    }
  }
}

std::string WithByte(std::string text, std::size_t at, char byte) {
  text.at(at) = byte;
  return text;
}

const std::string kMillionLines = Lines(1'000'000, "\n");
const std::string kNul(1, '\0');
constexpr char kLf[] = "LF";
constexpr char kCrLf[] = "CR LF";

INSTANTIATE_TEST_SUITE_P(
    Table, AnyLineEndsTest,
    testing::Values(
        AnyCase{"LfText", Lines(500, "\n"), Lines(400, "\n"), kText, {{500, 400}}, {{kLf, kLf}}},
        AnyCase{"CrLfAgainstLfAreTheSameLines",
                Lines(30, "\r\n"),
                Lines(30, "\n"),
                kText,
                {{30, 30}},
                {{kCrLf, kLf}},
                true},
        AnyCase{"MixedWithoutFinalLineEnd",
                "a\r\nb\nc",
                "a\nb\r\n",
                kText,
                {{3, 2}},
                {{"mixed", "mixed"}},
                true},
        AnyCase{"BothEmpty", "", "", kText, {{0, 0}}},
        AnyCase{"OneLineWithoutEnd", "x", "", kText, {{1, 0}}},
        AnyCase{"LineOf70000BytesStaysText",
                std::string(70'000, 'x') + "\n",
                "x\n",
                kText,
                {{1, 1}},
                {{kLf, kLf}}},
        AnyCase{"CrLfLinesLongerThanAChunkStayText",
                Lines(20, std::string(65'000, ' ') + "\r\n"),
                "",
                kText,
                {{20, 0}},
                {{kCrLf, "none"}}},
        AnyCase{"NulFirst", kNul + Lines(5, "\n"), kNul + Lines(5, "\n"), kIdentical},
        AnyCase{"NulInTheLastByteDiffers", Lines(300, "\n") + kNul, Lines(300, "\n") + "x",
                kDiffer},
        AnyCase{"NulAfterAMillionLines", kMillionLines + kNul, kMillionLines + kNul, kIdentical},
        AnyCase{"NulOnOneSideInTheSecondChunk", Lines(9000, "\n"),
                WithByte(Lines(9000, "\n"), 80'000, '\0'), kDiffer},
        AnyCase{"NulAndDifferentLengths", Binary(300'000), Binary(200'000), kDiffer}),
    test::ByName{});

TEST(AnyLineEndsFailureTest, AReadErrorIsTheFailure) {
  // Opens as a regular file, but reading at offset 0 fails.
  PerSide<InputFile> files = OpenInputFiles({{"/proc/self/mem", "/dev/null"}});
  test::ProgressDouble progress;
  LoadedText text;
  EXPECT_EQ(LoadFiles(files, LineEndMode::Any, progress, text).failure, "Input/output error");
}

// Files that are not plain files are read to their end, in both modes: a
// named pipe with a writer, /dev/null, and a /proc file whose size reads 0.
class StreamTest : public testing::TestWithParam<LineEndMode> {};

TEST_P(StreamTest, PipesDevicesAndProcFilesAreReadToTheirEnd) {
  test::TempFiles files;
  const std::string fifo = files.Write("unused", "") + "-fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // 200,000 bytes: more than a pipe holds, so the writer waits for the reader.
  const std::string piped = Lines(20'000, "\r\n");
  PerSide<InputFile> opened = OpenInputFiles({{fifo, files.Write("copy", piped)}});
  const int writer = ::open(fifo.c_str(), O_WRONLY);
  ASSERT_GE(writer, 0);
  std::thread feed([&] {
    EXPECT_EQ(::write(writer, piped.data(), piped.size()), static_cast<ssize_t>(piped.size()));
    ::close(writer);
  });
  test::ProgressDouble progress;
  LoadedText text;
  LoadOutcome outcome = LoadFiles(opened, GetParam(), progress, text);
  feed.join();
  EXPECT_FALSE(outcome.binaryMode || outcome.failure);
  EXPECT_EQ(text.lines[Side::Left].Count(), 20'000);
  EXPECT_EQ(text.lines[Side::Left].Line(20'000), "line 20000");

  std::ifstream versionFile("/proc/version");
  const std::string version(std::istreambuf_iterator<char>(versionFile), {});
  ASSERT_FALSE(version.empty());
  opened = OpenInputFiles({{"/proc/version", "/dev/null"}});
  EXPECT_FALSE(opened[Side::Left].HasLength()) << "a /proc file whose size reads 0";
  outcome = LoadFiles(opened, GetParam(), progress, text);
  EXPECT_FALSE(outcome.binaryMode || outcome.failure);
  EXPECT_EQ(text.lines[Side::Left].Count(), 1);
  EXPECT_EQ(std::string(text.lines[Side::Left].Line(1)) + "\n", version);
  EXPECT_EQ(text.lines[Side::Right].Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothModes, StreamTest,
                         testing::Values(LineEndMode::CrLf, LineEndMode::Any),
                         [](const auto& info) {
                           return info.param == LineEndMode::Any ? "Any" : "CrLf";
                         });

}  // namespace
}  // namespace qfc
