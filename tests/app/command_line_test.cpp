#include "app/command_line.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/error_record.h"
#include "app/startup_error.h"

namespace qfc {
namespace {

constexpr char kNoMarkers[] = "Left and Right side file location must be specified.";
constexpr char kNoLeft[] = "Left side file location does not exist.";
constexpr char kNoRight[] = "Right side file location does not exist.";
constexpr char kOverflow[] = "Overflow";

// "/2:" at 1-based position 32767, the last a 16-bit position can hold, or one further.
const std::string kLastPosition = "/1:a.txt" + std::string(32758, ' ') + "/2:b.txt";
const std::string kBeyondPosition = "/1:a.txt" + std::string(32759, ' ') + "/2:b.txt";

struct ParseCase {
  const char* name;
  std::string tail;
  // "left | right", with " | any" under --eol=any, or the description of
  // the error raised.
  std::string expected;
};

// Runs in a fresh working directory holding every kind of entry a path can name.
class ParseCmdLineTest : public testing::TestWithParam<ParseCase> {
 protected:
  static void SetUpTestSuite() {
    namespace fs = std::filesystem;
    previous_ = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "qfc-cmdline-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    fs::current_path(root_ = pattern);
    for (const char* name : {"a.txt", "b.txt", "c.txt", "with blank.txt"})
      std::ofstream(name) << "line\r\n";
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, "socket");
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(listener);
    fs::create_symlink("a.txt", "link-to-file");
    fs::create_symlink(".", "link-to-dir");
  }
  static void TearDownTestSuite() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(root_);
  }
  static inline std::filesystem::path previous_, root_;
};

TEST_P(ParseCmdLineTest, AnswersPathsOrRaisesItsMessage) {
  const ParseCase& c = GetParam();
  std::string outcome;
  try {
    const CommandLine parsed = ParseCmdLine(c.tail);
    outcome = parsed.paths[Side::Left] + " | " + parsed.paths[Side::Right];
    if (parsed.lineEnds == LineEndMode::Any) outcome += " | any";
    for (Side side : kBothSides) EXPECT_TRUE(parsed.files[side].Exists());
  } catch (const ErrorRecord& error) {
    outcome = error.Description();
    EXPECT_EQ(error.Number(), c.expected == kOverflow ? 6 : kAppErrorBase);
    EXPECT_EQ(StartupErrorTitle(error), "Quorvelin File Compare - ParseCmdLine");
    EXPECT_EQ(StartupErrorText(error), "Error while processing compare.\r\n" + c.expected);
  }
  EXPECT_EQ(outcome, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseCmdLineTest,
    testing::Values(
        ParseCase{"MarkersInOrder", "/1:a.txt /2:b.txt", "a.txt | b.txt"},
        ParseCase{"MarkersReversed", "/2:b.txt /1:a.txt", "a.txt | b.txt"},
        ParseCase{"LeadingTextIgnoredBlanksTrimmed", "x /1: a.txt   /2:b.txt", "a.txt | b.txt"},
        ParseCase{"PathWithBlanks", "/1:with blank.txt /2:b.txt", "with blank.txt | b.txt"},
        ParseCase{"SymlinkToFile", "/1:link-to-file /2:b.txt", "link-to-file | b.txt"},
        ParseCase{"StraySeparatorEndsSegment", "/1:a.txt /~:c.txt /2:b.txt", "a.txt | c.txt"},
        ParseCase{"StraySeparatorBeforeMarkers", "/~:c.txt /1:a.txt /2:b.txt", "c.txt | a.txt"},
        ParseCase{"MarkerAtLastSixteenBitPosition", kLastPosition, "a.txt | b.txt"},
        ParseCase{"MarkerBeyondSixteenBits", kBeyondPosition, kOverflow},
        ParseCase{"BlanksOnly", "   ", kNoMarkers},
        ParseCase{"OnlyLeftMarker", "/1:a.txt", kNoMarkers},
        ParseCase{"QuotedNameNotFound", "/1:\"a.txt\" /2:b.txt", kNoLeft},
        ParseCase{"TabIsNotTrimmed", "/1:a.txt\t/2:b.txt", kNoLeft},
        ParseCase{"EmptyRightSegment", "/1:a.txt /2:", kNoRight},
        ParseCase{"BothMissingReportsLeft", "/1:nowhere.txt /2:nor-here.txt", kNoLeft},
        ParseCase{"Directory", "/1:. /2:b.txt", kNoLeft},
        ParseCase{"FifoIsRead", "/1:a.txt /2:pipe", "a.txt | pipe"},
        ParseCase{"DeviceIsRead", "/1:/dev/null /2:b.txt", "/dev/null | b.txt"},
        ParseCase{"Socket", "/1:a.txt /2:socket", kNoRight},
        ParseCase{"SymlinkToDirectory", "/1:a.txt /2:link-to-dir", kNoRight}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

const std::string kUnknownMode = "Unknown line-end mode: ";

INSTANTIATE_TEST_SUITE_P(
    LineEndMode, ParseCmdLineTest,
    testing::Values(
        ParseCase{"BeforeTheMarkers", "--eol=any /1:a.txt /2:b.txt", "a.txt | b.txt | any"},
        ParseCase{"AmongIgnoredWords", "x --eol=any y /2:b.txt /1:a.txt", "a.txt | b.txt | any"},
        ParseCase{"CrLfNamed", "--eol=crlf /1:a.txt /2:b.txt", "a.txt | b.txt"},
        ParseCase{"TwiceTheLastCounts", "--eol=any --eol=crlf /1:a.txt /2:b.txt", "a.txt | b.txt"},
        ParseCase{"BetweenTheMarkersIsPartOfAPath", "/1:a.txt --eol=any /2:b.txt", kNoLeft},
        ParseCase{"AfterTheMarkersIsPartOfAPath", "/1:a.txt /2:b.txt --eol=any", kNoRight},
        ParseCase{"Misspelled", "--eol=anything /1:a.txt /2:b.txt", kUnknownMode + "anything."},
        ParseCase{"EmptyValue", "--eol= /1:a.txt /2:b.txt", kUnknownMode + "."},
        ParseCase{"UnknownBeforeAMissingFile", "--eol=lf /1:gone /2:b.txt", kUnknownMode + "lf."},
        ParseCase{"UnknownWithoutMarkers", "--eol=lf", kNoMarkers},
        ParseCase{"OtherSpellingsIgnored", "--eol --EOL=any -eol=x /1:a.txt /2:b.txt",
                  "a.txt | b.txt"}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(JoinCommandLineTailTest, JoinsTheArgumentsAfterTheProgramWithSingleBlanks) {
  const char* const argv[] = {"prog", "/1:with", "blank.txt", "/2:b.txt"};
  EXPECT_EQ(JoinCommandLineTail(4, argv), "/1:with blank.txt /2:b.txt");
  EXPECT_EQ(JoinCommandLineTail(1, argv), "");
}

}  // namespace
}  // namespace qfc
