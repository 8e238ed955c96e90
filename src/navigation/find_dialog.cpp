#include "navigation/find_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/run_catching_failure.h"
#include "navigation/combo_history.h"
#include "navigation/search_match.h"
#include "ui/message_box.h"
#include "ui/units.h"

namespace qfc {

namespace {

// Client area, in twips.
constexpr int kClientWidth = 5295;
constexpr int kClientHeight = 2790;

}  // namespace

FindDialog::FindDialog(QWidget* owner, TextSearch& search, Platform& platform)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      search_(search),
      platform_(platform) {
  setObjectName("frmFind");
  setWindowTitle("Find");
  setModal(false);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

  auto* findWhat = new QLabel("&Find What:", this);
  findWhat->setObjectName("lbls");
  findWhat->setGeometry(TwipsRect(120, 240, 1095, 255));

  findText_ = new QComboBox(this);
  findText_->setObjectName("cboFind");
  findText_->setEditable(true);
  // The history is kept by AddComboHistory alone, without completion.
  findText_->setInsertPolicy(QComboBox::NoInsert);
  findText_->setCompleter(nullptr);
  findText_->setGeometry(TwipsRect(1080, 180, 2895, 315));
  findWhat->setBuddy(findText_);

  auto* searchFrame = new QGroupBox("Search Options ", this);
  searchFrame->setObjectName("fraSearch");
  searchFrame->setGeometry(TwipsRect(120, 720, 3855, 1935));

  sideOptions_[Side::Left] = new QRadioButton("Search in &Left Window", searchFrame);
  sideOptions_[Side::Left]->setObjectName("optSrcWindow0");
  sideOptions_[Side::Left]->setGeometry(TwipsRect(240, 360, 3255, 255));
  sideOptions_[Side::Left]->setChecked(true);

  sideOptions_[Side::Right] = new QRadioButton("Search in &Right Window", searchFrame);
  sideOptions_[Side::Right]->setObjectName("optSrcWindow1");
  sideOptions_[Side::Right]->setGeometry(TwipsRect(240, 720, 3255, 255));

  auto* rule = new QFrame(searchFrame);
  rule->setObjectName("fraLine");
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(TwipsRect(120, 960, 3615, 135));

  matchCase_ = new QCheckBox("Match Ca&se", searchFrame);
  matchCase_->setObjectName("chkCase");
  matchCase_->setGeometry(TwipsRect(240, 1200, 3495, 255));

  wholeWord_ = new QCheckBox("Find Whole Word &Only ", searchFrame);
  wholeWord_->setObjectName("chkWord");
  wholeWord_->setGeometry(TwipsRect(240, 1560, 3495, 255));

  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("cmdCancel");
  cancel_->setGeometry(TwipsRect(4080, 800, 1095, 400));
  cancel_->setAutoDefault(false);

  findNext_ = new QPushButton("Find &Next", this);
  findNext_->setObjectName("cmdFind");
  findNext_->setGeometry(TwipsRect(4080, 180, 1095, 400));
  findNext_->setDefault(true);

  setTabOrder(findText_, sideOptions_[Side::Left]);
  setTabOrder(sideOptions_[Side::Left], sideOptions_[Side::Right]);
  setTabOrder(sideOptions_[Side::Right], matchCase_);
  setTabOrder(matchCase_, wholeWord_);
  setTabOrder(wholeWord_, cancel_);
  setTabOrder(cancel_, findNext_);

  // Changing what or where to search starts the next search afresh.
  for (const Side side : kBothSides) {
    connect(sideOptions_[side], &QAbstractButton::clicked, this, [this] { search_.ResetSrcPos(); });
  }
  connect(matchCase_, &QAbstractButton::clicked, this, [this] { search_.ResetSrcPos(); });
  connect(wholeWord_, &QAbstractButton::clicked, this, [this] { search_.ResetSrcPos(); });

  // Esc reaches reject() as well; both only hide the dialog.
  connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
  connect(findNext_, &QAbstractButton::clicked, this, [this] { FindNextClicked(); });
}

Side FindDialog::SearchSide() const {
  return sideOptions_[Side::Left]->isChecked() ? Side::Left : Side::Right;
}

bool FindDialog::MatchCase() const { return matchCase_->isChecked(); }

bool FindDialog::WholeWord() const { return wholeWord_->isChecked(); }

std::string FindDialog::FindValue() const {
  std::string value = findText_->currentText().toStdString();
  if (!value.empty()) {
    if (!MatchCase()) value = UpperCase(value).bytes;
    if (WholeWord()) value = " " + value + " ";
  }
  return value;
}

void FindDialog::InitProps(Side side, const QString& text) {
  if (side == Side::Right && !sideOptions_[Side::Right]->isChecked()) {
    sideOptions_[Side::Right]->setChecked(true);
    search_.ResetSrcPos();
  }
  if (!text.isEmpty()) {
    findText_->setEditText(text);
    if (QLineEdit* editor = findText_->lineEdit()) editor->selectAll();
  }
}

void FindDialog::Setup() {
  if (QWidget* owner = parentWidget()) setWindowIcon(owner->windowIcon());
}

bool FindDialog::CloseForRelease() {
  releasing_ = true;
  return close();
}

void FindDialog::closeEvent(QCloseEvent* event) {
  if (!releasing_) {
    event->ignore();
    hide();
    return;
  }
  QDialog::closeEvent(event);
}

void FindDialog::FindNextClicked() {
  const auto failure = RunCatchingFailure([this] {
    AddComboHistory(*findText_, kHistoryLimit);
    search_.FindNext(*this);
  });
  if (failure) ReportFailure(platform_, "", *failure);
}

}  // namespace qfc
