#include "navigation/find_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "navigation/grid_double.h"
#include "support/platform_double.h"

namespace qfc {
namespace {

using test::GridDouble;
using test::PlatformDouble;

// A Find dialog over two empty grids, owned by a plain main window.
struct DialogFixture {
  DialogFixture() : search(Grids(), platform, {}), dialog(&window, search, platform) {}

  PerSide<Grid*> Grids() {
    PerSide<Grid*> grids;
    grids[Side::Left] = &left;
    grids[Side::Right] = &right;
    return grids;
  }
  QComboBox& Combo() { return *dialog.findChild<QComboBox*>("cboFind"); }
  template <typename T>
  T& Control(const char* name) {
    return *dialog.findChild<T*>(name);
  }
  void Search(const QString& text) {
    Combo().setEditText(text);
    Control<QPushButton>("cmdFind").click();
  }
  std::vector<std::string> History() {
    std::vector<std::string> items;
    for (int i = 0; i < Combo().count(); ++i) items.push_back(Combo().itemText(i).toStdString());
    return items;
  }

  QMainWindow window;
  GridDouble left;
  GridDouble right;
  PlatformDouble platform;
  TextSearch search;
  FindDialog dialog;
};

struct HistoryCase {
  const char* name;
  std::vector<QString> searched;
  std::vector<std::string> expected;
};

void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.name; }

class HistoryTest : public testing::TestWithParam<HistoryCase> {};

TEST_P(HistoryTest, FindNextKeepsHistory) {
  DialogFixture f;
  for (const QString& text : GetParam().searched) f.Search(text);
  EXPECT_EQ(f.History(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FindDialog, HistoryTest,
    testing::Values(
        HistoryCase{"RepeatMovesToTopCaseSensitive", {"abc", "ABC", "abc"}, {"abc", "ABC"}},
        HistoryCase{"ElevenKeepsLastTen",
                    {"t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10", "t11"},
                    {"t11", "t10", "t9", "t8", "t7", "t6", "t5", "t4", "t3", "t2"}},
        HistoryCase{"BlanksOnlyNotAdded", {"abc", "   "}, {"abc"}},
        HistoryCase{"SurroundingBlanksKept", {" abc "}, {" abc "}}),
    [](const testing::TestParamInfo<HistoryCase>& info) { return std::string(info.param.name); });

struct ValueCase {
  const char* name;
  QString text;
  bool matchCase;
  bool wholeWord;
  std::string expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

class FindValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(FindValueTest, Prepared) {
  const ValueCase& c = GetParam();
  DialogFixture f;
  f.Combo().setEditText(c.text);
  f.Control<QCheckBox>("chkCase").setChecked(c.matchCase);
  f.Control<QCheckBox>("chkWord").setChecked(c.wholeWord);
  EXPECT_EQ(f.dialog.FindValue(), c.expected);
  EXPECT_EQ(f.dialog.MatchCase(), c.matchCase);
  EXPECT_EQ(f.dialog.WholeWord(), c.wholeWord);
}

INSTANTIATE_TEST_SUITE_P(
    FindDialog, FindValueTest,
    testing::Values(ValueCase{"UpperCasedAndBlanked", "aBc", false, true, " ABC "},
                    ValueCase{"CaseKeptAndBlanked", "aBc", true, true, " aBc "},
                    ValueCase{"UpperCasedOnly", "aBc", false, false, "ABC"},
                    ValueCase{"EmptyStaysEmpty", "", false, true, ""},
                    ValueCase{"AccentsKeptAsUtf8", QString::fromUtf8("caf\xC3\xA9"), false, false,
                              "CAF\xC3\xA9"}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST(FindDialogTest, InitPropsRightSideSticksAndResetsPosition) {
  DialogFixture f;
  EXPECT_EQ(f.dialog.SearchSide(), Side::Left);
  EXPECT_FALSE(f.search.SrcPos().has_value());

  f.dialog.InitProps(Side::Right, "");
  EXPECT_EQ(f.dialog.SearchSide(), Side::Right);
  EXPECT_EQ(f.search.SrcPos(), 1);

  f.dialog.InitProps(Side::Left, "");
  EXPECT_EQ(f.dialog.SearchSide(), Side::Right);
}

TEST(FindDialogTest, InitPropsTextIsSetAndSelectedWhole) {
  DialogFixture f;
  f.Combo().setEditText("old");
  f.dialog.InitProps(Side::Left, "needle");
  EXPECT_EQ(f.Combo().currentText(), "needle");
  EXPECT_EQ(f.Combo().lineEdit()->selectedText(), "needle");

  f.dialog.InitProps(Side::Left, "");
  EXPECT_EQ(f.Combo().currentText(), "needle");
}

TEST(FindDialogTest, OptionAndCheckBoxClicksResetPosition) {
  for (const char* name : {"optSrcWindow1", "optSrcWindow0", "chkCase", "chkWord"}) {
    DialogFixture f;
    f.dialog.show();
    QAbstractButton& button = f.Control<QAbstractButton>(name);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, button.height() / 2));
    EXPECT_EQ(f.search.SrcPos(), 1) << name;
  }
}

TEST(FindDialogTest, CloseBoxHidesAndKeepsState) {
  DialogFixture f;
  f.Search("abc");
  f.Control<QCheckBox>("chkCase").setChecked(true);
  f.dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.dialog));

  EXPECT_FALSE(f.dialog.windowHandle()->close());
  EXPECT_TRUE(f.dialog.isHidden());

  f.dialog.show();
  EXPECT_EQ(f.Combo().currentText(), "abc");
  EXPECT_EQ(f.History(), std::vector<std::string>{"abc"});
  EXPECT_TRUE(f.dialog.MatchCase());

  EXPECT_TRUE(f.dialog.CloseForRelease());
  EXPECT_TRUE(f.dialog.isHidden());
}

TEST(FindDialogTest, CancelAndEscapeHide) {
  DialogFixture f;
  f.dialog.show();
  f.Control<QPushButton>("cmdCancel").click();
  EXPECT_TRUE(f.dialog.isHidden());

  f.dialog.show();
  QTest::keyClick(&f.dialog, Qt::Key_Escape);
  EXPECT_TRUE(f.dialog.isHidden());
}

TEST(FindDialogTest, EnterInTheSearchBoxRunsFindNext) {
  DialogFixture f;
  f.left.SetTexts({"x", "needle"});
  f.dialog.show();
  f.Combo().lineEdit()->setFocus();
  QTest::keyClicks(f.Combo().lineEdit(), "needle");
  QTest::keyClick(f.Combo().lineEdit(), Qt::Key_Return);

  EXPECT_EQ(f.History(), std::vector<std::string>{"needle"});
  EXPECT_EQ(f.left.activeRow, 2);
  EXPECT_TRUE(f.platform.messages.empty());
}

}  // namespace
}  // namespace qfc
