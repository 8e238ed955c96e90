#include "app/qt_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>

namespace qfc {
namespace {

// The button the user presses; NoButton stands for Esc.
struct BoxCase {
  const char* name;
  std::string text;
  MessageIcon icon;
  MessageButtons buttons;
  QMessageBox::StandardButton press;
  QString shownText;
  QMessageBox::Icon shownIcon;
  MessageAnswer answer;
};

struct SeenBox {
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool found = false;
};

class QtPlatformMessageTest : public testing::TestWithParam<BoxCase> {};

TEST_P(QtPlatformMessageTest, ShowsTextTitleIconAndAnswersThePressedButton) {
  const BoxCase& c = GetParam();
  SeenBox seen;
  // Runs inside the box's own event loop, once it is up.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen = {box->text(), box->windowTitle(), box->icon(), true};
    if (c.press == QMessageBox::NoButton) {
      QTest::keyClick(box, Qt::Key_Escape);
    } else {
      box->button(c.press)->click();
    }
  });
  QtPlatform platform;
  const MessageAnswer answer =
      platform.ShowMessage(c.text, "Quorvelin File Compare - ParseCmdLine", c.icon, c.buttons);
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, c.shownText);
  EXPECT_EQ(seen.title, QStringLiteral("Quorvelin File Compare - ParseCmdLine"));
  EXPECT_EQ(seen.icon, c.shownIcon);
  EXPECT_EQ(answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QtPlatformMessageTest,
    testing::Values(
        BoxCase{"CriticalOkLineBreak",
                "Error while processing compare.\r\nRight side file location does not exist.",
                MessageIcon::Critical, MessageButtons::Ok, QMessageBox::Ok,
                QStringLiteral(
                    "Error while processing compare.\nRight side file location does not exist."),
                QMessageBox::Critical, MessageAnswer::Ok},
        BoxCase{"ExclamationLatin1NoMarkup", "<b>caf\xE9</b>", MessageIcon::Exclamation,
                MessageButtons::Ok, QMessageBox::Ok, QStringLiteral("<b>caf\u00E9</b>"),
                QMessageBox::Warning, MessageAnswer::Ok},
        BoxCase{"QuestionYes", "Continue?", MessageIcon::Question, MessageButtons::YesNo,
                QMessageBox::Yes, QStringLiteral("Continue?"), QMessageBox::Question,
                MessageAnswer::Yes},
        BoxCase{"EscapeOnYesNoIsNo", "Continue?", MessageIcon::Question, MessageButtons::YesNo,
                QMessageBox::NoButton, QStringLiteral("Continue?"), QMessageBox::Question,
                MessageAnswer::No}),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc
