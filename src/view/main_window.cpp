#include "view/main_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <utility>

#include "engine/character_diff.h"
#include "grid/changed_text_tint.h"
#include "grid/grid_row_model.h"
#include "grid/palette_color.h"
#include "grid/result_grid.h"
#include "ui/display_text.h"
#include "ui/platform.h"
#include "ui/program_icon.h"
#include "ui/units.h"
#include "ui/window_frame.h"
#include "view/grid_fill.h"
#include "view/grid_synchronizer.h"

namespace qfc {

namespace {

// Layout limits and gaps, in twips.
constexpr double kMinDivider = 1500;
constexpr double kDividerRightMargin = 1500;
constexpr double kGridGap = 80;
constexpr double kPathTop = 480;
constexpr double kPathToGridGap = 30;
constexpr double kBottomGap = 30;
constexpr int kMinWindowWidth = 3000;
// The pointer sits this far inside the bar while dragging.
constexpr double kDragOffset = 15;
constexpr double kDragBarWidthFactor = 0.6;
constexpr double kDragBarHeightReduction = 20;

// The window as first built, before the start-up places it.
constexpr int kDesignClientWidth = 5670;
constexpr int kDesignClientHeight = 5055;
constexpr int kToolBarHeight = 420;
constexpr int kPathHeight = 285;
constexpr int kStatusPanelMinWidth = 1440;
constexpr int kTimePanelWidth = 1440;
// Room for the longest style, "mixed" or "CR LF", with a margin.
constexpr int kLineEndPanelWidth = 900;
struct DesignRect {
  int left, top, width, height;
};
constexpr DesignRect kDesignPath[2] = {{0, 480, 1095, kPathHeight}, {2640, 480, 1095, kPathHeight}};
constexpr DesignRect kDesignGrid[2] = {{0, 840, 1095, 1935}, {2640, 840, 1095, 1935}};
constexpr DesignRect kDesignHandle{1800, 840, 135, 585};
constexpr DesignRect kDesignDragBar{1800, 1440, 135, 360};

constexpr int kDragBarGrey = 0x80;
constexpr int kClockTickMs = 1000;

[[nodiscard]] double Left(const QWidget* widget) { return PixelsToTwips(widget->x()); }
[[nodiscard]] double Width(const QWidget* widget) { return PixelsToTwips(widget->width()); }
[[nodiscard]] double Height(const QWidget* widget) { return PixelsToTwips(widget->height()); }

// Each setter changes one edge or extent; a value the widget cannot take is
// skipped and the widget keeps what it had.
void SetLeft(QWidget* widget, double twips) { widget->move(TwipsToPixels(twips), widget->y()); }
void SetTop(QWidget* widget, double twips) { widget->move(widget->x(), TwipsToPixels(twips)); }
void SetWidth(QWidget* widget, double twips) {
  if (twips >= 0) {
    widget->resize(TwipsToPixels(twips), widget->height());
  }
}
void SetHeight(QWidget* widget, double twips) {
  if (twips >= 0) {
    widget->resize(widget->width(), TwipsToPixels(twips));
  }
}
void Place(QWidget* widget, DesignRect rect) {
  widget->setGeometry(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
                      TwipsToPixels(rect.height));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromLatin1(kAppTitle));
  setWindowIcon(ProgramIcon());
  client_ = new QWidget(this);
  setCentralWidget(client_);

  toolBar_ = new QToolBar(client_);
  toolBar_->setObjectName(QStringLiteral("Toolbar"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);

  const QColor buttonFace = ResolveColor(kAbsentLineBackColor, palette());
  for (const Side side : kBothSides) {
    const auto index = static_cast<int>(Index(side));
    auto* path = new QLineEdit(client_);
    path->setObjectName(QStringLiteral("txtPath%1").arg(index));
    path->setReadOnly(true);
    QPalette pathPalette = path->palette();
    pathPalette.setColor(QPalette::Base, buttonFace);
    path->setPalette(pathPalette);
    Place(path, kDesignPath[index]);
    paths_[side] = path;

    auto* grid = new ResultGrid(side, client_);
    grid->setObjectName(QStringLiteral("fpsGrd%1").arg(index));
    Place(grid, kDesignGrid[index]);
    grids_[side] = grid;
  }
  BuildSplitter(client_);
  BuildStatusBar();

  const PerSide<Grid*> grids{{grids_[Side::Left], grids_[Side::Right]}};
  fill_ = std::make_unique<GridFill>(
      grids, [this](const std::string& text) { return TextWidthTwips(text); });
  synchronizer_ = std::make_unique<GridSynchronizer>(grids, busy_);
  for (const Side side : kBothSides) {
    grids_[side]->SetEvents(synchronizer_.get());
  }
  tint_ = std::make_unique<ChangedTextTint>(
      PerSide<const GridRowModel*>{{&grids_[Side::Left]->Model(), &grids_[Side::Right]->Model()}},
      DiffCharacters);
  for (const Side side : kBothSides) {
    grids_[side]->SetChangedTextTint(tint_.get());
  }

  setTabOrder(statusBar(), picSplitter_);
  setTabOrder(picSplitter_, paths_[Side::Left]);
  setTabOrder(paths_[Side::Left], paths_[Side::Right]);
  setTabOrder(paths_[Side::Right], toolBar_);
  setTabOrder(toolBar_, grids_[Side::Left]);
  setTabOrder(grids_[Side::Left], grids_[Side::Right]);

  resize(TwipsToPixels(kDesignClientWidth), TwipsToPixels(kDesignClientHeight));
}

MainWindow::~MainWindow() {
  // The grids outlive the handlers otherwise: no event may reach them now.
  for (const Side side : kBothSides) {
    grids_[side]->SetEvents(nullptr);
    grids_[side]->SetChangedTextTint(nullptr);
  }
}

void MainWindow::BuildSplitter(QWidget* client) {
  imgSplitter_ = new QWidget(client);
  imgSplitter_->setObjectName(QStringLiteral("imgSplitter"));
  imgSplitter_->setCursor(Qt::SizeHorCursor);
  imgSplitter_->installEventFilter(this);
  Place(imgSplitter_, kDesignHandle);
  imgSplitter_->raise();

  picSplitter_ = new QWidget(client);
  picSplitter_->setObjectName(QStringLiteral("picSplitter"));
  picSplitter_->setAutoFillBackground(true);
  QPalette grey = picSplitter_->palette();
  grey.setColor(QPalette::Window, QColor(kDragBarGrey, kDragBarGrey, kDragBarGrey));
  picSplitter_->setPalette(grey);
  Place(picSplitter_, kDesignDragBar);
  picSplitter_->hide();
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("sbStatusBar"));
  bar->setSizeGripEnabled(true);

  statusPanel_ = new QLabel(bar);
  statusPanel_->setObjectName(QStringLiteral("Status"));
  statusPanel_->setToolTip(QStringLiteral("Status Message Area"));
  statusPanel_->setMinimumWidth(TwipsToPixels(kStatusPanelMinWidth));
  bar->addWidget(statusPanel_, 1);

  timePanel_ = new QLabel(bar);
  timePanel_->setObjectName(QStringLiteral("SysTime"));
  timePanel_->setFixedWidth(TwipsToPixels(kTimePanelWidth));
  timePanel_->setAlignment(Qt::AlignCenter);
  bar->addPermanentWidget(timePanel_);

  clock_ = new QTimer(this);
  clock_->setInterval(kClockTickMs);
  connect(clock_, &QTimer::timeout, this, &MainWindow::ShowTime);
  clock_->start();
  ShowTime();
}

void MainWindow::ShowTime() {
  timePanel_->setText(QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat));
}

Grid& MainWindow::GridAt(Side side) { return *grids_[side]; }

const Grid& MainWindow::GridAt(Side side) const { return *grids_[side]; }

void MainWindow::SetPath(Side side, const std::string& path) {
  pathBytes_[side] = path;
  paths_[side]->setText(ShownText(path));
}

std::string MainWindow::Path(Side side) const { return pathBytes_[side]; }

void MainWindow::SetStatusText(const std::string& text) {
  statusText_ = text;
  statusPanel_->setText(ShownText(text));
}

std::string MainWindow::StatusText() const { return statusText_; }

void MainWindow::ShowLineEndStyles(const PerSide<std::string>& styles) {
  static constexpr PerSide<const char*> kNames{{"LeftLineEnds", "RightLineEnds"}};
  static constexpr PerSide<const char*> kTips{
      {"Line ends of the left file", "Line ends of the right file"}};
  QStatusBar* bar = statusBar();
  for (Side side : kBothSides) {
    QLabel*& panel = lineEndPanels_[side];
    if (panel == nullptr) {
      panel = new QLabel(bar);
      panel->setObjectName(QString::fromLatin1(kNames[side]));
      panel->setToolTip(QString::fromLatin1(kTips[side]));
      panel->setMinimumWidth(TwipsToPixels(kLineEndPanelWidth));
      panel->setAlignment(Qt::AlignCenter);
      // Between the status text and the clock, left before right: the bar's
      // items are the status text (its one ordinary item), then these.
      bar->insertPermanentWidget(1 + static_cast<int>(Index(side)), panel);
    }
    panel->setText(ShownText(styles[side]));
  }
}

std::string MainWindow::LineEndStyle(Side side) const {
  return lineEndPanels_[side] == nullptr ? std::string()
                                         : lineEndPanels_[side]->text().toStdString();
}

bool MainWindow::DiffsFound() const { return fill_->DiffsFound(); }

RowSink& MainWindow::Rows() { return *fill_; }

void MainWindow::SetLines(std::shared_ptr<const PerSide<LineList>> lines) {
  fill_->SetLines(std::move(lines));
}

void MainWindow::InitGrid(Side side) { fill_->InitGrid(side); }

void MainWindow::SizeControls(double x) {
  if (isMinimized()) {
    return;
  }
  if (x == -1) {
    x = Left(picSplitter_);
  }
  if (x < kMinDivider) {
    x = kMinDivider;
  }
  if (WidthTwips() - kDividerRightMargin < x) {
    x = WidthTwips() - kDividerRightMargin;
  }

  ResultGrid* const leftGrid = grids_[Side::Left];
  ResultGrid* const rightGrid = grids_[Side::Right];
  SetWidth(leftGrid, x);
  SetLeft(imgSplitter_, x);
  SetWidth(paths_[Side::Left], Width(leftGrid));
  SetLeft(leftGrid, 0);
  SetLeft(paths_[Side::Left], 0);

  SetLeft(rightGrid, x + kGridGap);
  SetWidth(rightGrid, ClientWidthTwips() - Left(rightGrid));
  SetLeft(paths_[Side::Right], Left(rightGrid));
  SetWidth(paths_[Side::Right], Width(rightGrid));

  double top = kPathTop;
  for (QWidget* widget : {static_cast<QWidget*>(paths_[Side::Left]),
                          static_cast<QWidget*>(paths_[Side::Right]), imgSplitter_}) {
    SetTop(widget, top);
  }
  top = RoundHalfEven(top + Height(paths_[Side::Left]) + kPathToGridGap);
  SetTop(leftGrid, top);
  SetTop(rightGrid, top);

  double height = RoundHalfEven(ClientHeightTwips() - top - kBottomGap);
  if (!statusBar()->isHidden()) {
    // Before the window's layout has run, the bar still has its first,
    // smaller height; the layout gives it the height it asks for.
    const int barPixels = std::max(statusBar()->height(), statusBar()->sizeHint().height());
    height = RoundHalfEven(height - PixelsToTwips(barPixels));
  }
  for (QWidget* widget :
       {static_cast<QWidget*>(leftGrid), static_cast<QWidget*>(rightGrid), imgSplitter_}) {
    SetHeight(widget, height);
  }
  toolBar_->update();
}

void MainWindow::PlaceSplitter(int twips) { SetLeft(imgSplitter_, twips); }

int MainWindow::SplitterLeft() const { return PixelsToTwips(imgSplitter_->x()); }

int MainWindow::ClientWidthTwips() const { return PixelsToTwips(width()); }

int MainWindow::ClientHeightTwips() const { return PixelsToTwips(height() - client_->y()); }

int MainWindow::WidthTwips() const {
  const QMargins frame = FrameMargins(*this);
  return PixelsToTwips(width() + frame.left() + frame.right());
}

QToolBar* MainWindow::ToolBar() { return toolBar_; }

void MainWindow::SetClickResetsSearch(std::function<void()> resetSearch) {
  synchronizer_->SetResetSearch(std::move(resetSearch));
}

void MainWindow::SetShutdownProcedure(std::function<void()> shutdown) {
  shutdown_ = std::move(shutdown);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  AlignToolBar();
  ApplyResizeRule();
}

void MainWindow::AlignToolBar() {
  toolBar_->setGeometry(0, 0, client_->width(), TwipsToPixels(kToolBarHeight));
}

void MainWindow::ApplyResizeRule() {
  if (WidthTwips() < kMinWindowWidth) {
    const QMargins frame = FrameMargins(*this);
    resize(TwipsToPixels(kMinWindowWidth) - frame.left() - frame.right(), height());
  }
  SizeControls(SplitterLeft());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The shut-down runs once, however often the window is asked to close.
  if (const auto shutdown = std::exchange(shutdown_, {})) {
    shutdown();
  }
  QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != imgSplitter_) {
    return QMainWindow::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      PressSplitter();
      return true;
    case QEvent::MouseMove:
      MoveSplitter(static_cast<int>(static_cast<QMouseEvent*>(event)->position().x()));
      return true;
    case QEvent::MouseButtonRelease:
      ReleaseSplitter();
      return true;
    default:
      return QMainWindow::eventFilter(watched, event);
  }
}

void MainWindow::PressSplitter() {
  picSplitter_->raise();
  picSplitter_->setGeometry(imgSplitter_->x(), imgSplitter_->y(),
                            TwipsToPixels(Width(imgSplitter_) * kDragBarWidthFactor),
                            TwipsToPixels(Height(imgSplitter_) - kDragBarHeightReduction));
  picSplitter_->show();
  splitterMoving_ = true;
}

void MainWindow::MoveSplitter(int pointerX) {
  if (!splitterMoving_) {
    return;
  }
  const double p = Left(imgSplitter_) + PixelsToTwips(pointerX) - kDragOffset;
  if (p < kMinDivider) {
    SetLeft(picSplitter_, kMinDivider);
  } else if (WidthTwips() - kDividerRightMargin < p) {
    SetLeft(picSplitter_, WidthTwips() - kDividerRightMargin);
  } else {
    SetLeft(picSplitter_, p);
  }
}

void MainWindow::ReleaseSplitter() {
  picSplitter_->raise();
  SizeControls(Left(picSplitter_));
  picSplitter_->hide();
  splitterMoving_ = false;
}

double MainWindow::TextWidthTwips(const std::string& text) const {
  return PixelsToTwips(fontMetrics().horizontalAdvance(ShownText(text)));
}

}  // namespace qfc
