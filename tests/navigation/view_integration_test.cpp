// The commands wired to the real main window and result grids, driven by the
// keyboard as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <memory>
#include <string>
#include <vector>

#include "input/line_list.h"
#include "navigation/commands.h"
#include "support/platform_double.h"
#include "view/main_window.h"

namespace qfc {
namespace {

using test::PlatformDouble;

// Rows: 1 equal, 2-3 changed, 4 equal, 5 right line only, 6 equal.
struct WiredWindow {
  WiredWindow() {
    for (const char* line : {"alpha", "left one", "left two", "beta", "gamma"}) {
      lines[Side::Left].AppendExpandingTabs(line);
    }
    for (const char* line : {"alpha", "right one", "right two", "beta", "caf\xC3\xA9 two", "gamma"}) {
      lines[Side::Right].AppendExpandingTabs(line);
    }
    window.SetLines(&lines);
    window.InitGrid(0);
    window.InitGrid(1);
    RowSink& rows = window.Rows();
    rows.ResetRows();
    const std::vector<std::pair<std::int32_t, std::int32_t>> pairs{{1, 1}, {2, 2}, {3, 3},
                                                                    {4, 4}, {kNoLine, 5}, {5, 6}};
    for (const auto& [left, right] : pairs) rows.AddGridRow(left, right);
    rows.SizeColumns(static_cast<std::int32_t>(pairs.size()));

    CommandHost host;
    host.window = &window;
    host.toolbar = window.ToolBar();
    host.grids[Side::Left] = &window.GridAt(Side::Left);
    host.grids[Side::Right] = &window.GridAt(Side::Right);
    host.setStatusText = [this](const std::string& text) { window.SetStatusText(text); };
    host.busy = [this] { return window.Busy(); };
    host.platform = &platform;
    host.yield = [] { QCoreApplication::processEvents(); };
    commands = std::make_unique<Commands>(host);

    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  Grid& GridAt(Side side) { return window.GridAt(side); }

  PerSide<LineList> lines;
  MainWindow window;
  PlatformDouble platform;
  std::unique_ptr<Commands> commands;
};

TEST(ViewIntegrationTest, NextDifferenceWalksBlockEdgesToTheEnd) {
  WiredWindow w;
  w.GridAt(Side::Left).SetActiveCell(kTextColumn, 1);

  std::vector<std::int32_t> visits;
  for (int i = 0; i < 4; ++i) {
    w.commands->NextDifferenceCommand();
    visits.push_back(w.GridAt(Side::Right).ActiveRow());
  }
  EXPECT_EQ(visits, (std::vector<std::int32_t>{2, 3, 5, 6}));
  EXPECT_EQ(w.window.StatusText(), "At End Of File!");
  EXPECT_EQ(w.platform.beeps, 1);
}

TEST(ViewIntegrationTest, KeyboardShortcutsStepAndSearch) {
  WiredWindow w;
  w.GridAt(Side::Left).SetFocus();
  w.GridAt(Side::Left).SetActiveCell(kTextColumn, 1);

  w.Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(w.GridAt(Side::Left).ActiveRow(), 2);
  EXPECT_EQ(w.window.StatusText(), "");

  // Find in the right grid: the focused grid picks the side.
  w.GridAt(Side::Right).SetFocus();
  w.Key(Qt::Key_F, Qt::ControlModifier);
  FindDialog* dialog = w.commands->FindDialogInstance();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->SearchSide(), Side::Right);

  dialog->findChild<QComboBox*>("cboFind")->setEditText("two");
  dialog->findChild<QPushButton*>("cmdFind")->click();
  Grid& right = w.GridAt(Side::Right);
  EXPECT_EQ(right.ActiveRow(), 3);
  EXPECT_EQ(right.SelectedText(), "two");

  // Cancel, back to the main window: F3 searches on with the hidden dialog,
  // past the multi-byte character before the next match.
  dialog->findChild<QPushButton*>("cmdCancel")->click();
  w.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&w] { return QApplication::activeWindow() == &w.window; }));
  w.Key(Qt::Key_F3);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(right.ActiveRow(), 5);
  EXPECT_EQ(right.SelectedText(), "two");

  w.Key(Qt::Key_F3);
  ASSERT_EQ(w.platform.messages.size(), 1u);
  EXPECT_EQ(w.platform.messages[0].text,
            "No match found to end of file.\r\nWould you like to continue to search at the top of the file?");
  EXPECT_EQ(w.platform.messages[0].icon, MessageIcon::Question);
}

TEST(ViewIntegrationTest, DifferenceStepsWaitWhileBusy) {
  WiredWindow w;
  w.GridAt(Side::Left).SetActiveCell(kTextColumn, 1);
  w.window.SetBusy(true);
  w.commands->NextDifferenceCommand();
  EXPECT_EQ(w.GridAt(Side::Left).ActiveRow(), 1);
  w.window.SetBusy(false);
}

}  // namespace
}  // namespace qfc
