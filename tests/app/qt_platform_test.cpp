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

// What the user does to the box: press a button, or Esc.
enum class Press { Ok, Yes, No, Escape };

struct BoxCase {
  const char* name;
  std::string text;
  MessageIcon icon;
  MessageButtons buttons;
  Press press;
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

void Answer(QMessageBox& box, Press press) {
  switch (press) {
    case Press::Ok:
      box.button(QMessageBox::Ok)->click();
      break;
    case Press::Yes:
      box.button(QMessageBox::Yes)->click();
      break;
    case Press::No:
      box.button(QMessageBox::No)->click();
      break;
    case Press::Escape:
      QTest::keyClick(&box, Qt::Key_Escape);
      break;
  }
}

class QtPlatformMessageTest : public testing::TestWithParam<BoxCase> {};

TEST_P(QtPlatformMessageTest, ShowsTextTitleIconAndAnswersThePressedButton) {
  const BoxCase& c = GetParam();
  SeenBox seen;
  // Runs inside the box's own event loop, once it is up.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen = {box->text(), box->windowTitle(), box->icon(), true};
    Answer(*box, c.press);
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
                "Error while processing compare.\r\nLeft side file location does not exist.",
                MessageIcon::Critical, MessageButtons::Ok, Press::Ok,
                QStringLiteral(
                    "Error while processing compare.\nLeft side file location does not exist."),
                QMessageBox::Critical, MessageAnswer::Ok},
        BoxCase{"EscapeOnOkIsOk", "Binary Files Differ!", MessageIcon::Information,
                MessageButtons::Ok, Press::Escape, QStringLiteral("Binary Files Differ!"),
                QMessageBox::Information, MessageAnswer::Ok},
        BoxCase{"ExclamationForNotFound", "a<b>&c", MessageIcon::Exclamation, MessageButtons::Ok,
                Press::Ok, QStringLiteral("a<b>&c"), QMessageBox::Warning, MessageAnswer::Ok},
        BoxCase{"QuestionYes", "Continue?", MessageIcon::Question, MessageButtons::YesNo,
                Press::Yes, QStringLiteral("Continue?"), QMessageBox::Question, MessageAnswer::Yes},
        BoxCase{"QuestionNo", "Continue?", MessageIcon::Question, MessageButtons::YesNo, Press::No,
                QStringLiteral("Continue?"), QMessageBox::Question, MessageAnswer::No},
        BoxCase{"EscapeOnYesNoIsNo", "Continue?", MessageIcon::Question, MessageButtons::YesNo,
                Press::Escape, QStringLiteral("Continue?"), QMessageBox::Question,
                MessageAnswer::No},
        BoxCase{"Latin1BytesShownOneCharEach", "caf\xE9", MessageIcon::Exclamation,
                MessageButtons::Ok, Press::Ok, QStringLiteral("caf\u00E9"), QMessageBox::Warning,
                MessageAnswer::Ok}),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc
