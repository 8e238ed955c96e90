#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/error_record.h"
#include "app/scratch_dir.h"

namespace qfc {
namespace {

constexpr char kOverflow[] = "Overflow";
constexpr std::int32_t kOverflowNumber = 6;

// A tail whose "/2:" stands at `position` (1-based); the blanks before it
// are trimmed off the left path.
std::string RightMarkerAt(std::size_t position) {
  const std::string left = "/1:a.txt";
  return left + std::string(position - 1 - left.size(), ' ') + "/2:b.txt";
}

// Either both paths or the description of the error raised.
struct ParseCase {
  const char* name;
  std::string tail;
  std::string left;
  std::string right;
  std::string error;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) {
  return out << c.name << " [" << (c.tail.size() > 60 ? c.tail.substr(0, 60) + "..." : c.tail)
             << "]";
}

ParseCase Paths(const char* name, std::string tail, std::string left, std::string right) {
  return {name, std::move(tail), std::move(left), std::move(right), ""};
}

ParseCase Fails(const char* name, std::string tail, std::string error) {
  return {name, std::move(tail), "", "", std::move(error)};
}

class ParseCmdLineTest : public testing::TestWithParam<ParseCase> {
 protected:
  test::ScratchDir dir_;
};

TEST_P(ParseCmdLineTest, AnswersPathsOrRaisesItsMessage) {
  const ParseCase& c = GetParam();
  try {
    const PerSide<std::string> paths = ParseCmdLine(c.tail);
    EXPECT_EQ(c.error, "") << "parsed without error";
    EXPECT_EQ(paths[Side::Left], c.left);
    EXPECT_EQ(paths[Side::Right], c.right);
  } catch (const ErrorRecord& error) {
    EXPECT_EQ(error.Description(), c.error);
    EXPECT_EQ(error.Source(), "ParseCmdLine");
    const std::int32_t number = c.error == kOverflow ? kOverflowNumber : kAppErrorBase;
    EXPECT_EQ(error.Number(), number);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseCmdLineTest,
    testing::Values(
        Paths("MarkersInOrder", "/1:a.txt /2:b.txt", "a.txt", "b.txt"),
        Paths("MarkersReversed", "/2:b.txt /1:a.txt", "a.txt", "b.txt"),
        Paths("LeadingTextIgnoredBlanksTrimmed", "x /1: a.txt   /2:b.txt", "a.txt", "b.txt"),
        Paths("PathWithBlanks", "/1:with blank.txt /2:b.txt", "with blank.txt", "b.txt"),
        Paths("QuotesStayInPath", "/1:\"quoted.txt\" /2:b.txt", "\"quoted.txt\"", "b.txt"),
        Paths("SymlinkToFile", "/1:link-to-file /2:b.txt", "link-to-file", "b.txt"),
        Paths("StraySeparatorEndsSegment", "/1:a.txt /~:c.txt /2:b.txt", "a.txt", "c.txt"),
        Paths("StraySeparatorBeforeMarkers", "/~:c.txt /1:a.txt /2:b.txt", "c.txt", "a.txt"),
        Paths("RepeatedMarkerEndsSegment", "/1:a.txt /1:c.txt /2:b.txt", "a.txt", "c.txt"),
        Paths("MarkerAtLastSixteenBitPosition", RightMarkerAt(32767), "a.txt", "b.txt"),
        Fails("MarkerBeyondSixteenBits", RightMarkerAt(32768), kOverflow),
        Fails("OverflowComesBeforeMissingMarker", std::string(40000, ' ') + "/1:a.txt", kOverflow),
        Fails("EmptyTail", "", kMarkersMissing), Fails("BlanksOnly", "   ", kMarkersMissing),
        Fails("OnlyLeftMarker", "/1:a.txt", kMarkersMissing),
        Fails("MarkerWithBlankInside", "/1 :a.txt /2:b.txt", kMarkersMissing),
        Fails("QuotedNameNotFound", "/1:\"a.txt\" /2:b.txt", kLeftFileMissing),
        Fails("TabIsNotTrimmed", "/1:a.txt\t/2:b.txt", kLeftFileMissing),
        Fails("EmptyRightSegment", "/1:a.txt /2:", kRightFileMissing),
        Fails("BothMissingReportsLeft", "/1:nowhere.txt /2:nor-here.txt", kLeftFileMissing),
        Fails("Directory", "/1:dir /2:b.txt", kLeftFileMissing),
        Fails("Fifo", "/1:a.txt /2:pipe", kRightFileMissing),
        Fails("Device", "/1:/dev/null /2:b.txt", kLeftFileMissing),
        Fails("SymlinkToDirectory", "/1:a.txt /2:link-to-dir", kRightFileMissing),
        Fails("DanglingSymlink", "/1:dangling-link /2:b.txt", kLeftFileMissing)),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

struct JoinCase {
  const char* name;
  std::vector<const char*> argv;
  std::string tail;
};

class JoinCommandLineTailTest : public testing::TestWithParam<JoinCase> {};

TEST_P(JoinCommandLineTailTest, JoinsArgumentsAfterProgramWithSingleBlanks) {
  const JoinCase& c = GetParam();
  EXPECT_EQ(JoinCommandLineTail(static_cast<int>(c.argv.size()), c.argv.data()), c.tail);
}

INSTANTIATE_TEST_SUITE_P(
    Table, JoinCommandLineTailTest,
    testing::Values(JoinCase{"NoArguments", {"prog"}, ""},
                    JoinCase{
                        "SplitPathRejoined", {"prog", "/1:with", "blank.txt"}, "/1:with blank.txt"},
                    JoinCase{"OneEmptyArgumentIsEmptyTail", {"prog", ""}, ""},
                    JoinCase{"TwoEmptyArgumentsAreOneBlank", {"prog", "", ""}, " "}),
    [](const testing::TestParamInfo<JoinCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc
