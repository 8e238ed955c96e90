#include "app/startup_error.h"

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "support/platform_double.h"

namespace qfc {
namespace {

TEST(StartupErrorTest, ShowsSentenceLineBreakAndDescriptionUnderSourceTitle) {
  test::PlatformDouble platform;
  try {
    static_cast<void>(ParseCmdLine("/1:a.txt"));
    FAIL() << "no error raised";
  } catch (const ErrorRecord& error) {
    ShowStartupError(platform, error);
  }
  ASSERT_EQ(platform.messages.size(), 1u);
  const test::RecordedMessage& shown = platform.messages.front();
  EXPECT_EQ(shown.text,
            "Error while processing compare.\r\n"
            "Left and Right side file location must be specified.");
  EXPECT_EQ(shown.title, "Quorvelin File Compare - ParseCmdLine");
  EXPECT_EQ(shown.icon, MessageIcon::Critical);
  EXPECT_EQ(shown.buttons, MessageButtons::Ok);
}

TEST(StartupErrorTest, TitleNamesTheSourceOfAnyError) {
  const ErrorRecord error(kAppErrorBase + 1, "InitGrid", "Grid unavailable");
  EXPECT_EQ(StartupErrorTitle(error), "Quorvelin File Compare - InitGrid");
  EXPECT_EQ(StartupErrorText(error), "Error while processing compare.\r\nGrid unavailable");
}

}  // namespace
}  // namespace qfc
