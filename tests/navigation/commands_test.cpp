#include "navigation/commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <memory>
#include <string>
#include <vector>

#include "navigation/grid_double.h"
#include "support/platform_double.h"

namespace qfc {
namespace {

using test::GridDouble;
using test::PlatformDouble;

struct CommandsFixture {
  CommandsFixture() {
    toolbar = window.addToolBar("Toolbar");
    editor = new QLineEdit(&window);
    window.setCentralWidget(editor);
    CommandHost host;
    host.window = &window;
    host.toolbar = toolbar;
    host.grids[Side::Left] = &left;
    host.grids[Side::Right] = &right;
    host.setStatusText = [this](const std::string& text) { status.push_back(text); };
    host.busy = [this] { return busy; };
    host.platform = &platform;
    host.yield = [] {};
    commands = std::make_unique<Commands>(host);
  }

  QAction& MenuItem(const char* name) { return *window.findChild<QAction*>(name); }
  QAction& Button(const char* key) { return *toolbar->findChild<QAction*>(key); }
  QComboBox& Combo() { return *commands->FindDialogInstance()->findChild<QComboBox*>("cboFind"); }

  QMainWindow window;
  QToolBar* toolbar = nullptr;
  QLineEdit* editor = nullptr;
  GridDouble left;
  GridDouble right;
  PlatformDouble platform;
  std::vector<std::string> status;
  bool busy = false;
  std::unique_ptr<Commands> commands;
};

TEST(CommandsTest, ActionMenuItemsAndShortcuts) {
  CommandsFixture f;
  std::vector<std::string> items;
  for (const QAction* action : f.commands->ActionMenu()->actions()) {
    items.push_back(action->isSeparator()
                        ? "-"
                        : (action->text() + " " + action->shortcut().toString()).trimmed().toStdString());
  }
  EXPECT_EQ(f.commands->ActionMenu()->title(), "&Action");
  EXPECT_EQ(items, (std::vector<std::string>{"&Find... Ctrl+F", "Find &Next F3", "-",
                                             "&Previous Difference Ctrl+R", "&Next Difference Ctrl+N",
                                             "-", "E&xit"}));
}

TEST(CommandsTest, ToolbarButtonsKeysTooltipsAndIcons) {
  CommandsFixture f;
  std::vector<std::string> buttons;
  for (const QAction* action : f.toolbar->actions()) {
    if (action->isSeparator()) {
      buttons.push_back("-");
      continue;
    }
    buttons.push_back(action->objectName().toStdString() + ": " + action->toolTip().toStdString());
    EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << action->objectName().toStdString();
  }
  EXPECT_EQ(buttons, (std::vector<std::string>{"Find: Find", "-", "Up: Move to Previous Difference",
                                               "Down: Move to Next Difference"}));
  EXPECT_EQ(f.toolbar->iconSize(), QSize(16, 16));
}

TEST(CommandsTest, ToolbarDownAndUpStepThroughDifferences) {
  CommandsFixture f;
  f.left.SetPattern("..D..");
  f.right.SetPattern(".....");

  f.Button("Down").trigger();
  EXPECT_EQ(f.right.activeRow, 3);
  f.Button("Up").trigger();
  EXPECT_EQ(f.right.activeRow, 1);
  EXPECT_EQ(f.status, (std::vector<std::string>{"", "At Beginning Of File!"}));

  f.commands->ToolbarButtonClick("down");  // keys are case-sensitive
  EXPECT_EQ(f.status.size(), 2u);
}

TEST(CommandsTest, DifferenceCommandsDoNothingWhileBusy) {
  CommandsFixture f;
  f.left.SetPattern("..D..");
  f.right.SetPattern(".....");
  f.busy = true;

  f.MenuItem("mnuActDown").trigger();
  f.MenuItem("mnuActUp").trigger();
  f.Button("Down").trigger();
  f.Button("Up").trigger();

  EXPECT_EQ(f.left.activeRow, 1);
  EXPECT_TRUE(f.left.calls.empty());
  EXPECT_TRUE(f.status.empty());
  EXPECT_EQ(f.platform.beeps, 0);
}

TEST(CommandsTest, FindNextBeforeTheDialogOnlyOpensIt) {
  CommandsFixture f;
  f.left.SetTexts({"abc"});
  f.busy = true;  // Find and Find Next do not look at it

  f.MenuItem("mnuActFindNext").trigger();

  ASSERT_NE(f.commands->FindDialogInstance(), nullptr);
  EXPECT_TRUE(f.commands->FindDialogInstance()->isVisible());
  EXPECT_TRUE(f.platform.messages.empty());
  EXPECT_TRUE(f.left.calls.empty());
  EXPECT_FALSE(f.commands->Search().SearchHit());
}

TEST(CommandsTest, FindNextAfterCancelSearchesWithHiddenDialog) {
  CommandsFixture f;
  f.left.SetTexts({"x", "abc"});
  f.MenuItem("mnuActFind").trigger();
  f.Combo().setEditText("abc");
  f.commands->FindDialogInstance()->hide();

  f.MenuItem("mnuActFindNext").trigger();

  EXPECT_EQ(f.left.activeRow, 2);
  EXPECT_EQ(f.left.calls.back(), "select 0+3");
  EXPECT_FALSE(f.commands->FindDialogInstance()->isVisible());
  EXPECT_TRUE(f.Combo().count() == 0);  // only the dialog's own button adds history
}

TEST(CommandsTest, FindTakesSideFromFocusedGrid) {
  CommandsFixture f;
  f.right.focused = true;
  f.right.selectedText = "caf\xE9";  // not UTF-8: shown as Latin-1
  f.Button("Find").trigger();
  FindDialog& dialog = *f.commands->FindDialogInstance();
  EXPECT_EQ(dialog.SearchSide(), Side::Right);
  EXPECT_EQ(f.Combo().currentText(), QString::fromUtf8("caf\xC3\xA9"));

  f.right.focused = false;
  f.left.focused = true;
  f.left.selectedText = "";
  f.MenuItem("mnuActFind").trigger();
  EXPECT_EQ(dialog.SearchSide(), Side::Right);
  EXPECT_EQ(f.Combo().currentText(), QString::fromUtf8("caf\xC3\xA9"));
}

TEST(CommandsTest, FindTakesSelectionFromFocusedTextBox) {
  CommandsFixture f;
  f.editor->setText("find the needle");
  f.editor->setSelection(9, 6);
  f.editor->setFocus();

  f.MenuItem("mnuActFind").trigger();

  EXPECT_EQ(f.Combo().currentText(), "needle");
  EXPECT_EQ(f.Combo().lineEdit()->selectedText(), "needle");
  EXPECT_EQ(f.commands->FindDialogInstance()->SearchSide(), Side::Left);
}

TEST(CommandsTest, DialogIsKeptUntilReleased) {
  CommandsFixture f;
  f.MenuItem("mnuActFind").trigger();
  FindDialog* first = f.commands->FindDialogInstance();
  first->hide();
  f.MenuItem("mnuActFind").trigger();
  EXPECT_EQ(f.commands->FindDialogInstance(), first);
  EXPECT_EQ(first->parentWidget(), &f.window);

  f.commands->ReleaseFindDialog();
  EXPECT_EQ(f.commands->FindDialogInstance(), nullptr);
  f.MenuItem("mnuActFind").trigger();
  EXPECT_NE(f.commands->FindDialogInstance(), nullptr);
}

TEST(CommandsTest, WindowDestroyedFirstTakesTheDialogAlong) {
  auto window = std::make_unique<QMainWindow>();
  GridDouble left;
  GridDouble right;
  PlatformDouble platform;
  CommandHost host;
  host.window = window.get();
  host.toolbar = window->addToolBar("Toolbar");
  host.grids[Side::Left] = &left;
  host.grids[Side::Right] = &right;
  host.platform = &platform;
  Commands commands(host);
  commands.FindCommand();

  window.reset();
  EXPECT_EQ(commands.FindDialogInstance(), nullptr);
}

TEST(CommandsTest, ExitClosesTheWindow) {
  CommandsFixture f;
  f.window.show();
  f.MenuItem("mnuActExit").trigger();
  EXPECT_FALSE(f.window.isVisible());
}

}  // namespace
}  // namespace qfc
