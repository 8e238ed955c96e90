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

struct BoxCase {
  const char* name;
  std::string text;
  MessageIcon icon;
  MessageButtons buttons;
  QMessageBox::StandardButton press;  // NoButton stands for Esc
  QMessageBox::Icon shownIcon;
  QString shownText;
  MessageAnswer answer;
};

class QtPlatformTest : public testing::TestWithParam<BoxCase> {};

TEST_P(QtPlatformTest, ShowsPlainTextUnderTheTitleAndAnswersThePressedButton) {
  const BoxCase& c = GetParam();
  QString seen;
  // Runs inside the box's own event loop, once it is up.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    seen = box->windowTitle() + "|" + box->text();
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), c.shownIcon);
    if (c.press == QMessageBox::NoButton) QTest::keyClick(box, Qt::Key_Escape);
    if (c.press != QMessageBox::NoButton) box->button(c.press)->click();
  });
  EXPECT_EQ(QtPlatform().ShowMessage(c.text, "Quorvelin File Compare", c.icon, c.buttons),
            c.answer);
  EXPECT_EQ(seen, "Quorvelin File Compare|" + c.shownText);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QtPlatformTest,
    testing::Values(BoxCase{"CrLfBreaksLatin1IsDecoded", "<b>caf\xE9</b>\r\nx",
                            MessageIcon::Exclamation, MessageButtons::Ok, QMessageBox::Ok,
                            QMessageBox::Warning, QStringLiteral("<b>caf\u00E9</b>\nx"),
                            MessageAnswer::Ok},
                    BoxCase{"QuestionYes", "?", MessageIcon::Question, MessageButtons::YesNo,
                            QMessageBox::Yes, QMessageBox::Question, "?", MessageAnswer::Yes},
                    BoxCase{"EscapeOnYesNoIsNo", "?", MessageIcon::Question, MessageButtons::YesNo,
                            QMessageBox::NoButton, QMessageBox::Question, "?", MessageAnswer::No}),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc
