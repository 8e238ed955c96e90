#include "navigation/commands.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <string_view>
#include <utility>

#include "core/run_catching_failure.h"
#include "navigation/toolbar_icons.h"
#include "ui/display_text.h"
#include "ui/message_box.h"

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

  const auto addItem = [this](const char* name, const char* caption,
                              const QList<QKeySequence>& shortcuts, std::function<void()> handler) {
    QAction* action = actionMenu_->addAction(caption);
    action->setObjectName(name);
    action->setShortcuts(shortcuts);
    connect(action, &QAction::triggered, this,
            [this, handler = std::move(handler)] { RunHandler(handler); });
  };
  addItem("mnuActFind", "&Find...", {QKeySequence(Qt::CTRL | Qt::Key_F)},
          [this] { FindCommand(); });
  addItem("mnuActFindNext", "Find &Next", {QKeySequence(Qt::Key_F3)},
          [this] { FindNextCommand(); });
  actionMenu_->addSeparator()->setObjectName("mnuDash");
  // With Shift held a step goes row by row; the difference commands read
  // the key themselves, so Ctrl+Shift runs the same command.
  addItem("mnuActUp", "&Previous Difference",
          {QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
          [this] { DifferenceCommand(StepDirection::Up); });
  addItem("mnuActDown", "&Next Difference",
          {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
          [this] { DifferenceCommand(StepDirection::Down); });
  actionMenu_->addSeparator()->setObjectName("mnuDash2");
  addItem("mnuActExit", "E&xit", {}, [this] { ExitCommand(); });
}

void Commands::AddToolbarButtons() {
  QToolBar& toolbar = *host_.toolbar;
  toolbar.setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));

  const auto addButton = [&toolbar](const char* key, const QIcon& icon, const char* tooltip) {
    QAction* button = toolbar.addAction(icon, key);
    button->setObjectName(key);
    button->setToolTip(tooltip);
  };
  // Polished first, so that a style sheet's colours are in the palette.
  toolbar.ensurePolished();
  const QColor background = toolbar.palette().color(toolbar.backgroundRole());
  addButton(kFindKey, FindIcon(background), "Find");
  toolbar.addSeparator();
  addButton(kUpKey, UpIcon(background), "Move to Previous Difference");
  addButton(kDownKey, DownIcon(background), "Move to Next Difference");

  connect(&toolbar, &QToolBar::actionTriggered, this,
          [this](QAction* button) { ToolbarButtonClick(button->objectName()); });
}

void Commands::RunHandler(const std::function<void()>& handler) {
  if (const auto failure = RunCatchingFailure(handler)) ReportFailure(*host_.platform, "", *failure);
}

void Commands::ToolbarButtonClick(const QString& key) {
  // The buttons share the menu's handlers; errors while dispatching are
  // dropped, as a toolbar click has no message of its own.
  RunCatchingFailure([&] {
    if (key == kFindKey) {
      RunHandler([this] { FindCommand(); });
    } else if (key == kUpKey) {
      RunHandler([this] { DifferenceCommand(StepDirection::Up); });
    } else if (key == kDownKey) {
      RunHandler([this] { DifferenceCommand(StepDirection::Down); });
    }
  });
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

void Commands::DifferenceCommand(StepDirection direction) {
  if (host_.busy && host_.busy()) return;
  navigator_.MoveToDiff(direction);
}

void Commands::ExitCommand() { host_.window->close(); }

void Commands::CreateFindDialog() {
  const auto failure = RunCatchingFailure([this] {
    findDialog_ = std::make_unique<FindDialog>(host_.window, search_, *host_.platform);
    // The window owns the dialog as its child too; should it go first, the
    // dialog is already gone and must not be deleted again.
    connect(findDialog_.get(), &QObject::destroyed, this, [this] { (void)findDialog_.release(); });
    findDialog_->Setup();
  });
  if (failure) ReportFailure(*host_.platform, kLoadFindFailed, *failure);
}

void Commands::ShowFindDialog() {
  // Nothing to show when creating it failed; that failure was reported.
  if (!findDialog_) return;
  const auto failure = RunCatchingFailure([this] {
    Side side = Side::Left;
    QString text;
    bool gridFocused = false;
    for (const Side candidate : kBothSides) {
      Grid* grid = host_.grids[candidate];
      if (grid != nullptr && grid->HasFocus()) {
        side = candidate;
        gridFocused = true;
        // A selection that cannot be read is no selection.
        if (RunCatchingFailure([&] { text = ShownText(grid->SelectedText()); })) text.clear();
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
  });
  if (failure) ReportFailure(*host_.platform, kLoadFindFailed, *failure);
}

void Commands::ReleaseFindDialog() {
  if (!findDialog_) return;
  findDialog_->CloseForRelease();
  findDialog_.reset();
}

}  // namespace qfc
