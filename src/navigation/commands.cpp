#include "navigation/commands.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <exception>
#include <string_view>
#include <utility>

#include "navigation/toolbar_icons.h"
#include "ui/display_text.h"

namespace qfc {

namespace {

constexpr char kFindKey[] = "Find";
constexpr char kUpKey[] = "Up";
constexpr char kDownKey[] = "Down";
constexpr char kLoadFindFailed[] = "Error loading Find Dialog";

}  // namespace

Commands::Commands(CommandHost host, QObject* parent)
    : QObject(parent),
      host_(std::move(host)),
      navigator_(host_.grids, *host_.platform, host_.setStatusText),
      search_(host_.grids, *host_.platform, host_.yield) {
  AddMenu();
  AddToolbarButtons();
}

Commands::~Commands() { ReleaseFindDialog(); }

void Commands::AddMenu() {
  actionMenu_ = host_.window->menuBar()->addMenu("&Action");
  actionMenu_->setObjectName("mnuAct");

  const auto addItem = [this](const char* name, const char* caption, const QKeySequence& shortcut,
                              void (Commands::*handler)()) {
    QAction* action = actionMenu_->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, handler] { Guarded(handler); });
  };
  addItem("mnuActFind", "&Find...", QKeySequence(Qt::CTRL | Qt::Key_F), &Commands::FindCommand);
  addItem("mnuActFindNext", "Find &Next", QKeySequence(Qt::Key_F3), &Commands::FindNextCommand);
  actionMenu_->addSeparator()->setObjectName("mnuDash");
  addItem("mnuActUp", "&Previous Difference", QKeySequence(Qt::CTRL | Qt::Key_R),
          &Commands::PreviousDifferenceCommand);
  addItem("mnuActDown", "&Next Difference", QKeySequence(Qt::CTRL | Qt::Key_N),
          &Commands::NextDifferenceCommand);
  actionMenu_->addSeparator()->setObjectName("mnuDash2");
  addItem("mnuActExit", "E&xit", QKeySequence(), &Commands::ExitCommand);
}

void Commands::AddToolbarButtons() {
  QToolBar& toolbar = *host_.toolbar;
  toolbar.setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));

  const auto addButton = [&toolbar](const char* key, const QIcon& icon, const char* tooltip) {
    QAction* button = toolbar.addAction(icon, key);
    button->setObjectName(key);
    button->setToolTip(tooltip);
  };
  addButton(kFindKey, FindIcon(), "Find");
  toolbar.addSeparator();
  addButton(kUpKey, UpIcon(), "Move to Previous Difference");
  addButton(kDownKey, DownIcon(), "Move to Next Difference");

  connect(&toolbar, &QToolBar::actionTriggered, this,
          [this](QAction* button) { ToolbarButtonClick(button->objectName()); });
}

void Commands::Guarded(void (Commands::*handler)()) {
  try {
    (this->*handler)();
  } catch (const std::exception& error) {
    host_.platform->ShowMessage(error.what(), kAppTitle, MessageIcon::Critical, MessageButtons::Ok);
  }
}

void Commands::ToolbarButtonClick(const QString& key) {
  // The buttons share the menu's handlers; errors while dispatching are
  // dropped, as a toolbar click has no message of its own.
  try {
    if (key == kFindKey) {
      Guarded(&Commands::FindCommand);
    } else if (key == kUpKey) {
      Guarded(&Commands::PreviousDifferenceCommand);
    } else if (key == kDownKey) {
      Guarded(&Commands::NextDifferenceCommand);
    }
  } catch (...) {
  }
}

void Commands::FindCommand() {
  if (!findDialog_) CreateFindDialog();
  ShowFindDialog();
}

void Commands::FindNextCommand() {
  if (!findDialog_) {
    CreateFindDialog();
    ShowFindDialog();
    return;
  }
  search_.FindNext(*findDialog_);
}

void Commands::PreviousDifferenceCommand() {
  if (host_.busy && host_.busy()) return;
  navigator_.MoveToDiff(false);
}

void Commands::NextDifferenceCommand() {
  if (host_.busy && host_.busy()) return;
  navigator_.MoveToDiff(true);
}

void Commands::ExitCommand() { host_.window->close(); }

void Commands::CreateFindDialog() {
  try {
    findDialog_ = std::make_unique<FindDialog>(host_.window, search_, *host_.platform);
    // The window owns the dialog as its child too; should it go first, the
    // dialog is already gone and must not be deleted again.
    connect(findDialog_.get(), &QObject::destroyed, this, [this] { (void)findDialog_.release(); });
    findDialog_->Setup();
  } catch (const std::exception& error) {
    ReportFindDialogError(error.what());
  }
}

void Commands::ShowFindDialog() {
  // Nothing to show when creating it failed; that failure was reported.
  if (!findDialog_) return;
  try {
    Side side = Side::Left;
    QString text;
    bool gridFocused = false;
    for (const Side candidate : kBothSides) {
      Grid* grid = host_.grids[candidate];
      if (grid != nullptr && grid->HasFocus()) {
        side = candidate;
        gridFocused = true;
        try {
          text = ShownText(grid->SelectedText());
        } catch (...) {
          text.clear();  // a selection that cannot be read is no selection
        }
        break;
      }
    }
    if (!gridFocused) {
      if (const auto* edit = qobject_cast<const QLineEdit*>(host_.window->focusWidget())) {
        text = edit->selectedText();
      }
    }

    findDialog_->InitProps(side, text);
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
  } catch (const std::exception& error) {
    ReportFindDialogError(error.what());
  }
}

void Commands::ReleaseFindDialog() {
  if (!findDialog_) return;
  findDialog_->CloseForRelease();
  findDialog_.reset();
}

void Commands::ReportFindDialogError(const char* description) {
  host_.platform->ShowMessage(std::string(kLoadFindFailed) + kLineBreak + description, kAppTitle,
                              MessageIcon::Critical, MessageButtons::Ok);
}

}  // namespace qfc
