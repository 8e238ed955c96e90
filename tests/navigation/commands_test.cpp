// The commands wired to the real main window and result grids, driven from
// the keyboard, the menu and the toolbar as a user would.
#include "navigation/commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "input/line_list.h"
#include "support/platform_double.h"
#include "view/main_window.h"

namespace qfc {
namespace {

CommandHost HostFor(MainWindow& window, Platform& platform) {
  CommandHost host;
  host.window = &window;
  host.toolbar = window.ToolBar();
  for (const Side side : kBothSides) host.grids[side] = &window.GridAt(side);
  host.setStatusText = [&window](const std::string& text) { window.SetStatusText(text); };
  host.busy = [&window] { return window.Busy(); };
  host.platform = &platform;
  host.yield = [] { QCoreApplication::processEvents(); };
  return host;
}

// Rows: 1 equal, 2-3 changed, 4 equal, 5 right line only, 6 equal.
struct WiredWindow {
  WiredWindow() {
    for (const char* line : {"alpha", "left one", "left two", "beta", "gamma"}) {
      lines[Side::Left].AppendExpandingTabs(line);
    }
    for (const char* line :
         {"alpha", "right one", "right two", "beta", "caf\xC3\xA9 two", "gamma"}) {
      lines[Side::Right].AppendExpandingTabs(line);
    }
    window.SetLines(&lines);
    window.InitGrid(0);
    window.InitGrid(1);
    window.Rows().ResetRows();
    for (const auto& [left, right] : std::vector<std::pair<std::int32_t, std::int32_t>>{
             {1, 1}, {2, 2}, {3, 3}, {4, 4}, {kNoLine, 5}, {5, 6}}) {
      window.Rows().AddGridRow(left, right);
    }
    window.Rows().SizeColumns(6);
    window.show();
    Activate();
  }

  void Activate() {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; }));
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  Grid& GridAt(Side side) { return window.GridAt(side); }
  FindDialog& Dialog() { return *commands.FindDialogInstance(); }
  template <typename T = QAbstractButton>
  T& DialogControl(const char* name) {
    return *Dialog().findChild<T*>(name);
  }

  PerSide<LineList> lines;
  MainWindow window;
  test::PlatformDouble platform;
  Commands commands{HostFor(window, platform)};
};

TEST(CommandsTest, StepAndSearchFromTheKeyboard) {
  WiredWindow w;
  w.GridAt(Side::Left).SetFocus();
  w.GridAt(Side::Left).SetActiveCell(kTextColumn, 1);
  for (const std::int32_t row : {2, 3, 5}) {
    w.Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(w.GridAt(Side::Right).ActiveRow(), row);
  }
  EXPECT_EQ(w.window.StatusText(), "");

  // The focused grid chooses the side.
  w.GridAt(Side::Right).SetFocus();
  w.Key(Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(w.Dialog().isVisible());
  EXPECT_EQ(w.Dialog().SearchSide(), Side::Right);
  w.DialogControl<QComboBox>("cboFind").setEditText("two");
  w.DialogControl("cmdFind").click();
  EXPECT_EQ(w.GridAt(Side::Right).ActiveRow(), 5);
  EXPECT_EQ(w.GridAt(Side::Right).SelectedText(), "two");

  // After Cancel, F3 searches with the hidden dialog's state: nothing more
  // below, so it offers to go on at the top.
  w.DialogControl("cmdCancel").click();
  w.Activate();
  w.platform.answers = {MessageAnswer::Yes};
  w.Key(Qt::Key_F3);
  EXPECT_FALSE(w.Dialog().isVisible());
  ASSERT_EQ(w.platform.messages.size(), 1u);
  EXPECT_EQ(w.platform.messages[0].text,
            "No match found to end of file.\r\nWould you like to continue to search at the top of "
            "the file?");
  EXPECT_EQ(w.GridAt(Side::Right).ActiveRow(), 3);
  EXPECT_EQ(w.GridAt(Side::Right).SelectedText(), "two");
}

TEST(CommandsTest, FindNextBeforeTheDialogOnlyOpensIt) {
  WiredWindow w;
  w.window.SetBusy(true);  // Find and Find Next do not look at it
  w.Key(Qt::Key_F3);
  ASSERT_NE(w.commands.FindDialogInstance(), nullptr);
  EXPECT_TRUE(w.Dialog().isVisible());
  EXPECT_TRUE(w.platform.messages.empty());
  EXPECT_FALSE(w.commands.Search().SrcPos().has_value());
}

TEST(CommandsTest, DifferenceCommandsDoNothingWhileBusy) {
  WiredWindow w;
  w.GridAt(Side::Left).SetActiveCell(kTextColumn, 1);
  w.window.SetStatusText("verdict");
  w.window.SetBusy(true);
  w.Key(Qt::Key_N, Qt::ControlModifier);
  w.Key(Qt::Key_R, Qt::ControlModifier);
  for (const char* key : {"Down", "Up"}) w.window.ToolBar()->findChild<QAction*>(key)->trigger();
  w.window.SetBusy(false);
  w.commands.ToolbarButtonClick("down");  // keys are case-sensitive

  EXPECT_EQ(w.GridAt(Side::Left).ActiveRow(), 1);
  EXPECT_EQ(w.window.StatusText(), "verdict");
  EXPECT_EQ(w.platform.beeps, 0);
}

TEST(CommandsTest, FindTakesSelectionFromFocusedTextBox) {
  WiredWindow w;
  w.GridAt(Side::Right).SetFocus();
  w.commands.FindCommand();  // right side chosen
  w.Dialog().hide();

  w.window.SetPath(Side::Left, "/data/needle.txt");
  auto* pathBox = w.window.findChildren<QLineEdit*>().front();
  pathBox->setSelection(6, 6);
  pathBox->setFocus();
  w.Key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(w.DialogControl<QComboBox>("cboFind").currentText(), "needle");
  EXPECT_EQ(w.Dialog().SearchSide(), Side::Right);
}

TEST(CommandsTest, DialogLivesUntilReleasedOrItsWindowGoes) {
  auto window = std::make_unique<MainWindow>();
  test::PlatformDouble platform;
  Commands commands(HostFor(*window, platform));
  commands.FindCommand();
  FindDialog* first = commands.FindDialogInstance();
  commands.FindCommand();
  EXPECT_EQ(commands.FindDialogInstance(), first);

  commands.ReleaseFindDialog();
  EXPECT_EQ(commands.FindDialogInstance(), nullptr);
  commands.FindNextCommand();
  ASSERT_NE(commands.FindDialogInstance(), nullptr);

  window.reset();
  EXPECT_EQ(commands.FindDialogInstance(), nullptr);
}

}  // namespace
}  // namespace qfc
