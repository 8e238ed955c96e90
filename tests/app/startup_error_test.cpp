#include "app/startup_error.h"

#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"
#include "app/scratch_dir.h"
#include "support/platform_double.h"

namespace qfc {
namespace {

struct MessageCase {
  const char* name;
  std::string tail;
  std::string text;
};

class StartupErrorTest : public testing::TestWithParam<MessageCase> {
 protected:
  test::ScratchDir dir_;
};

TEST_P(StartupErrorTest, ShowsSentenceLineBreakAndDescriptionUnderParserTitle) {
  const MessageCase& c = GetParam();
  test::PlatformDouble platform;
  try {
    static_cast<void>(ParseCmdLine(c.tail));
    FAIL() << "no error raised";
  } catch (const ErrorRecord& error) {
    ShowStartupError(platform, error);
  }
  ASSERT_EQ(platform.messages.size(), 1u);
  const test::RecordedMessage& shown = platform.messages.front();
  EXPECT_EQ(shown.text, c.text);
  EXPECT_EQ(shown.title, "Quorvelin File Compare - ParseCmdLine");
  EXPECT_EQ(shown.icon, MessageIcon::Critical);
  EXPECT_EQ(shown.buttons, MessageButtons::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, StartupErrorTest,
    testing::Values(
        MessageCase{"NoRightMarker", "/1:a.txt",
                    "Error while processing compare.\r\n"
                    "Left and Right side file location must be specified."},
        MessageCase{"LeftMissing", "/1:nowhere.txt /2:b.txt",
                    "Error while processing compare.\r\nLeft side file location does not exist."},
        MessageCase{"RightMissing", "/1:a.txt /2:",
                    "Error while processing compare.\r\nRight side file location does not exist."}),
    [](const testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

TEST(StartupErrorTitleTest, NamesTheSourceOfAnyError) {
  const ErrorRecord error(kAppErrorBase + 1, "InitGrid", "Grid unavailable");
  EXPECT_EQ(StartupErrorTitle(error), "Quorvelin File Compare - InitGrid");
  EXPECT_EQ(StartupErrorText(error), "Error while processing compare.\r\nGrid unavailable");
}

}  // namespace
}  // namespace qfc
