// The Find dialog: the search text with a history of the last ten texts,
// the grid to search, Match Case and Whole Word. Modeless and owned by the
// main window; hidden rather than closed between uses, so its text, history
// and options persist until the main window releases it.
#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "core/side.h"
#include "navigation/find_settings.h"
#include "navigation/text_search.h"
#include "ui/platform.h"

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace qfc {

class FindDialog final : public QDialog, public FindSettings {
 public:
  // The history keeps this many texts.
  static constexpr int kHistoryLimit = 10;

  // `owner` is the main window; `search` and `platform` must outlive the
  // dialog.
  FindDialog(QWidget* owner, TextSearch& search, Platform& platform);

  [[nodiscard]] Side SearchSide() const override;
  [[nodiscard]] bool MatchCase() const override;
  [[nodiscard]] bool WholeWord() const;
  [[nodiscard]] std::string FindValue() const override;

  // Primes the dialog before it is shown: Side::Right selects the right
  // grid (resetting the search position when that changes the side), the
  // left side keeps the option chosen last; a non-empty text replaces the
  // search text and is selected whole.
  void InitProps(Side side, const QString& text);
  // Called once after creation: takes the owner's window icon.
  void Setup();
  // The one close that goes ahead: the main window releasing the dialog.
  // Answers whether it closed.
  bool CloseForRelease();

 protected:
  // Every other close (the close box, the window menu) only hides the
  // dialog, so that its text, history and options persist.
  void closeEvent(QCloseEvent* event) override;

 private:
  void FindNextClicked();

  TextSearch& search_;
  Platform& platform_;

  QComboBox* findText_ = nullptr;
  PerSide<QRadioButton*> sideOptions_{};
  QCheckBox* matchCase_ = nullptr;
  QCheckBox* wholeWord_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* findNext_ = nullptr;
  bool releasing_ = false;
};

}  // namespace qfc
