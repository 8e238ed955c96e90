#include "progress/progress_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <algorithm>

#include "ui/program_icon.h"
#include "ui/units.h"
#include "ui/window_frame.h"
#include "version_record.h"

namespace qfc {
namespace {

// A phase without a label of its own: it only shows and resets the bar.
constexpr std::int32_t kBarOnlyPhase = 1;

constexpr int kClientWidthTwips = 7290;
constexpr int kClientHeightTwips = 3810;

constexpr char kProductName[] = "Quorvelin's  File Compare Utility";
constexpr char kCloseCaption[] = "Close";
constexpr char kFontFamily[] = "Arial";
constexpr double kBodyPointSize = 8.25;
constexpr double kHeadingPointSize = 9.75;

QFont ArialFont(double pointSize) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  return font;
}

// Right edge of the frame's contents: the bar and the detail line end there.
constexpr int kContentRightTwips = 240 + 6615;

// A label keeps its place, but grows to the right as far as the contents go
// when the font of this system is wider than the one the layout was made for.
void FitWidth(QLabel* label) {
  const int room = TwipsToPixels(kContentRightTwips) - label->x();
  const int wanted = std::min(label->sizeHint().width(), room);
  if (wanted > label->width()) label->resize(wanted, label->height());
}

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(place);
  return label;
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      lastYield_(std::chrono::steady_clock::now() - kYieldInterval) {
  // An empty title would make the window system fall back to the program's
  // name; a blank shows nothing.
  setWindowTitle(QStringLiteral(" "));
  setWindowIcon(ProgramIcon());
  setModal(false);
  setFont(ArialFont(kBodyPointSize));
  setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  BuildControls();
  CentreOnScreen();
}

void ProgressWindow::BuildControls() {
  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setGeometry(TwipsRect(120, 0, 7080, 3690));

  auto* logo = new QLabel(frame);
  logo->setPixmap(ProgramIconPixmap());
  logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  logo->setGeometry(TwipsRect(120, 315, 615, 585));

  QLabel* product =
      AddLabel(frame, QString::fromLatin1(kProductName), TwipsRect(945, 360, 3660, 240));
  product->setFont(ArialFont(kHeadingPointSize));

  version_ = AddLabel(frame,
                      QStringLiteral("Version %1.%2.%3")
                          .arg(version::kMajor)
                          .arg(version::kMinor)
                          .arg(version::kRevision),
                      TwipsRect(4920, 360, 1860, 240));
  version_->setFont(ArialFont(kHeadingPointSize));

  QLabel* legal =
      AddLabel(frame, QString::fromLatin1(version::kLegalNotice), TwipsRect(960, 660, 2895, 255));
  legal->setFont(ArialFont(kBodyPointSize));

  phaseLabels_[kAnalysisPhase] =
      AddLabel(frame, QString::fromLatin1(kAnalysisLabelText), TwipsRect(240, 1380, 5415, 255));
  bar_ = new QProgressBar(frame);
  bar_->setRange(0, kMaxPercent);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  bar_->setGeometry(TwipsRect(240, 1620, 6615, 210));
  phaseLabels_[kComparisonPhase] =
      AddLabel(frame, QString::fromLatin1(kComparisonLabelText), TwipsRect(240, 2100, 3375, 255));
  detail_ = AddLabel(frame, QString(), TwipsRect(240, 2400, 6615, 255));

  auto* rule = new QFrame(frame);
  rule->setAutoFillBackground(true);
  rule->setBackgroundRole(QPalette::Mid);
  rule->setGeometry(TwipsRect(120, 2760, 6855, 15));

  closeButton_ = new QPushButton(QString::fromLatin1(kCloseCaption), frame);
  closeButton_->setGeometry(TwipsRect(5760, 3240, 1215, 375));
  connect(closeButton_, &QPushButton::clicked, this, [this] { canceled_ = true; });

  // The company line: present, never written.
  AddLabel(frame, QString(), TwipsRect(1050, 345, 60, 240));

  for (QLabel* label : {version_, legal}) FitWidth(label);
  for (QLabel* label : phaseLabels_) {
    if (label != nullptr) FitWidth(label);
  }

  for (QLabel* label : phaseLabels_) {
    if (label != nullptr) label->hide();
  }
  bar_->hide();
  detail_->hide();
}

void ProgressWindow::CentreOnScreen() {
  const QScreen* screen =
      parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect screenRect = screen->geometry();
  const QSize client = size();
  // The frame, title bar included, is what is centred.
  new FramePlacement(
      *this,
      [screenRect, client](const QMargins& frame) {
        QRect outer(QPoint(), client.grownBy(frame));
        outer.moveCenter(screenRect.center());
        return outer;
      },
      QMargins());
}

void ProgressWindow::SetOwner(QWidget* owner) { setParent(owner, windowFlags()); }

void ProgressWindow::InitProgress(std::int32_t phase) {
  switch (phase) {
    case kAnalysisPhase:
    case kBarOnlyPhase:
      bar_->show();
      pendingBarValue_ = 0;
      barValuePending_ = true;
      ShowPhaseLabel(phase);
      break;
    case kComparisonPhase:
      // The bar keeps what the loader left in it.
      ShowPhaseLabel(phase);
      detail_->show();
      break;
    default:
      break;
  }
  Yield();
}

void ProgressWindow::SetProgress(std::int32_t percent) {
  // Only the top is clamped. A value below 0 is one the bar refuses: it is
  // dropped here, so that it cannot replace a value still waiting to be shown.
  const int value = percent <= kMaxPercent ? percent : kMaxPercent;
  if (value >= bar_->minimum()) {
    pendingBarValue_ = value;
    barValuePending_ = true;
  }
  Yield();
}

void ProgressWindow::SetProgressText(std::string_view text) {
  pendingDetail_.assign(text);
  detailPending_ = true;
  Yield();
}

void ProgressWindow::SetProgComplete() {
  pendingBarValue_ = kMaxPercent;
  barValuePending_ = true;
  Yield();
}

bool ProgressWindow::Canceled() {
  if (canceled_) {
    YieldNow();
  } else {
    Yield();
  }
  // The run ends after a click: the user sees where it stopped.
  if (canceled_) ShowLatest();
  return canceled_;
}

void ProgressWindow::ShowLatest() {
  ShowPendingValues();
  if (isVisible()) repaint();
}

void ProgressWindow::YieldNow() {
  ShowPendingValues();
  QCoreApplication::processEvents();
  lastYield_ = std::chrono::steady_clock::now();
}

void ProgressWindow::Yield() {
  if (std::chrono::steady_clock::now() - lastYield_ < kYieldInterval) return;
  YieldNow();
}

void ProgressWindow::ShowPendingValues() {
  if (barValuePending_) {
    bar_->setValue(pendingBarValue_);
    barValuePending_ = false;
  }
  if (detailPending_) {
    detail_->setText(QString::fromLatin1(pendingDetail_));
    detailPending_ = false;
  }
}

void ProgressWindow::ShowPhaseLabel(std::int32_t phase) {
  if (QLabel* label = PhaseLabel(phase)) label->show();
}

QLabel* ProgressWindow::PhaseLabel(std::int32_t phase) const {
  if (phase < 0 || static_cast<std::size_t>(phase) >= phaseLabels_.size()) return nullptr;
  return phaseLabels_[static_cast<std::size_t>(phase)];
}

int ProgressWindow::BarValue() const { return bar_->value(); }

bool ProgressWindow::IsBarShown() const { return !bar_->isHidden(); }

bool ProgressWindow::IsPhaseLabelShown(std::int32_t phase) const {
  const QLabel* label = PhaseLabel(phase);
  return label != nullptr && !label->isHidden();
}

bool ProgressWindow::IsDetailShown() const { return !detail_->isHidden(); }

QString ProgressWindow::DetailText() const { return detail_->text(); }

QString ProgressWindow::VersionText() const { return version_->text(); }

void ProgressWindow::reject() { closeButton_->click(); }

void ProgressWindow::hideEvent(QHideEvent* event) {
  ShowPendingValues();
  QDialog::hideEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
  if (event->spontaneous()) {
    closeButton_->click();
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace qfc
