// The main window's user commands: the "&Action" menu, the toolbar's Find,
// Up and Down buttons, and their handlers, which route to the difference
// navigation, the search and the Find dialog.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "navigation/command_host.h"
#include "navigation/difference_navigator.h"
#include "navigation/find_dialog.h"
#include "navigation/text_search.h"

class QMenu;

namespace qfc {

class Commands final : public QObject {
 public:
  // Adds the menu to the host window's menu bar and the buttons to its
  // toolbar. Everything the host points to must outlive the commands.
  explicit Commands(CommandHost host, QObject* parent = nullptr);
  ~Commands() override;

  Commands(const Commands&) = delete;
  Commands& operator=(const Commands&) = delete;

  // The handlers, as the menu and the toolbar run them.
  void FindCommand();
  // Before the dialog exists this only opens it; afterwards it searches at
  // once with the dialog's state, shown or hidden.
  void FindNextCommand();
  // Previous (up) or Next (down) Difference; does nothing at all while the
  // host is busy.
  void DifferenceCommand(StepDirection direction);
  void ExitCommand();

  // A toolbar button click: "Find", "Up" and "Down" run their commands,
  // every other key nothing.
  void ToolbarButtonClick(const QString& key);

  // Creates the dialog (kept hidden between uses until released).
  void CreateFindDialog();
  // Primes the dialog from the focused control (the focused grid's side,
  // the selected text) and shows it.
  void ShowFindDialog();
  // Closes and destroys the dialog; for the shut-down.
  void ReleaseFindDialog();

  [[nodiscard]] TextSearch& Search() { return search_; }
  [[nodiscard]] DifferenceNavigator& Navigator() { return navigator_; }
  // Null until the first Find or Find Next.
  [[nodiscard]] FindDialog* FindDialogInstance() const { return findDialog_.get(); }
  [[nodiscard]] QMenu* ActionMenu() const { return actionMenu_; }

 private:
  void AddMenu();
  void AddToolbarButtons();
  // Runs a menu handler; an error that reaches it is shown on its own.
  void RunHandler(const std::function<void()>& handler);

  CommandHost host_;
  DifferenceNavigator navigator_;
  TextSearch search_;
  std::unique_ptr<FindDialog> findDialog_;
  QMenu* actionMenu_ = nullptr;
};

}  // namespace qfc
