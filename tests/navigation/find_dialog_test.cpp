#include "navigation/find_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include "navigation/grid_double.h"
#include "support/platform_double.h"

namespace qfc {
namespace {

// A Find dialog over two empty grids, owned by a plain main window.
struct DialogFixture {
  template <typename T = QAbstractButton>
  T& Control(const char* name) {
    return *dialog.findChild<T*>(name);
  }
  QComboBox& Combo() { return Control<QComboBox>("cboFind"); }
  void Search(const QString& text) {
    Combo().setEditText(text);
    Control("cmdFind").click();
  }
  std::vector<std::string> History() {
    std::vector<std::string> items;
    for (int i = 0; i < Combo().count(); ++i) items.push_back(Combo().itemText(i).toStdString());
    return items;
  }

  QMainWindow window;
  test::GridDouble left;
  test::GridDouble right;
  test::PlatformDouble platform;
  TextSearch search{PerSide<Grid*>{{&left, &right}}, platform, {}};
  FindDialog dialog{&window, search, platform};
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
        HistoryCase{"ElevenKeepLastTen",
                    {"t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10", "t11"},
                    {"t11", "t10", "t9", "t8", "t7", "t6", "t5", "t4", "t3", "t2"}},
        HistoryCase{"BlanksOnlyNotAdded", {"abc", "   "}, {"abc"}},
        HistoryCase{"SurroundingBlanksKept", {" abc "}, {" abc "}}),
    [](const testing::TestParamInfo<HistoryCase>& info) { return std::string(info.param.name); });

TEST(FindDialogTest, FindValueIsPrepared) {
  DialogFixture f;
  f.Combo().setEditText(QString::fromUtf8("aBc\xC3\xA9"));
  f.Control("chkWord").setChecked(true);
  EXPECT_EQ(f.dialog.FindValue(), " ABC\xC3\xA9 ");  // a-z upper-cased only
  f.Control("chkCase").setChecked(true);
  EXPECT_EQ(f.dialog.FindValue(), " aBc\xC3\xA9 ");
  f.Combo().setEditText("");
  EXPECT_EQ(f.dialog.FindValue(), "");
}

TEST(FindDialogTest, InitPropsRightSideSticksAndResetsPosition) {
  DialogFixture f;
  f.dialog.InitProps(Side::Right, "");
  EXPECT_EQ(f.dialog.SearchSide(), Side::Right);
  EXPECT_EQ(f.search.SrcPos(), 1);

  f.dialog.InitProps(Side::Left, "needle");
  EXPECT_EQ(f.dialog.SearchSide(), Side::Right);
  EXPECT_EQ(f.Combo().lineEdit()->selectedText(), "needle");
}

TEST(FindDialogTest, OptionAndCheckBoxClicksResetPosition) {
  for (const char* name : {"optSrcWindow1", "optSrcWindow0", "chkCase", "chkWord"}) {
    DialogFixture f;
    f.dialog.show();
    QTest::mouseClick(&f.Control(name), Qt::LeftButton, {},
                      QPoint(5, f.Control(name).height() / 2));
    EXPECT_EQ(f.search.SrcPos(), 1) << name;
  }
}

TEST(FindDialogTest, CloseBoxCancelAndEscapeOnlyHide) {
  DialogFixture f;
  f.Search("abc");
  f.Control("chkCase").setChecked(true);
  f.dialog.show();
  EXPECT_FALSE(f.dialog.close());
  EXPECT_TRUE(f.dialog.isHidden());
  f.dialog.show();
  f.Control("cmdCancel").click();
  EXPECT_TRUE(f.dialog.isHidden());
  f.dialog.show();
  QTest::keyClick(&f.dialog, Qt::Key_Escape);
  EXPECT_TRUE(f.dialog.isHidden());

  EXPECT_EQ(f.Combo().currentText(), "abc");
  EXPECT_EQ(f.History(), std::vector<std::string>{"abc"});
  EXPECT_TRUE(f.dialog.MatchCase());
  EXPECT_TRUE(f.dialog.CloseForRelease());
}

TEST(FindDialogTest, EnterInTheSearchBoxRunsFindNext) {
  DialogFixture f;
  f.left.SetTexts({"x", "needle"});
  f.dialog.show();
  QTest::keyClicks(f.Combo().lineEdit(), "needle");
  QTest::keyClick(f.Combo().lineEdit(), Qt::Key_Return);
  EXPECT_EQ(f.History(), std::vector<std::string>{"needle"});
  EXPECT_EQ(f.left.calls.back(), "select 0+6");
}

}  // namespace
}  // namespace qfc
