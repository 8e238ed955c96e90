#include "app/main_form.h"

#include <QApplication>
#include <QCursor>
#include <cmath>
#include <exception>

#include "app/command_line.h"
#include "app/error_record.h"
#include "app/startup_error.h"
#include "engine/compare_lines.h"
#include "input/loader.h"
#include "navigation/commands.h"
#include "progress/progress_window.h"
#include "ui/message_box.h"
#include "ui/window_frame.h"
#include "view/main_window.h"

namespace qfc {
namespace {

constexpr char kDifferencesVerdict[] = "Compare Results = File differences exist!!!";
constexpr char kIdenticalVerdict[] = "Compare Results = Files are identical!!!";
// Source named in the title of a failure that no operation of ours raised.
constexpr char kStartupSource[] = "Startup";
// The window's first height, as a share of the screen's.
constexpr double kHeightShare = 0.9;

void Yield() { QCoreApplication::processEvents(); }

}  // namespace

MainForm::MainForm(Platform& platform)
    : platform_(platform), window_(std::make_unique<MainWindow>()) {
  CommandHost host;
  host.window = window_.get();
  host.toolbar = window_->ToolBar();
  host.grids[Side::Left] = &window_->GridAt(Side::Left);
  host.grids[Side::Right] = &window_->GridAt(Side::Right);
  host.setStatusText = [this](const std::string& text) { window_->SetStatusText(text); };
  host.busy = [this] { return window_->Busy(); };
  host.platform = &platform_;
  host.yield = Yield;
  commands_ = std::make_unique<Commands>(std::move(host));
  window_->SetClickResetsSearch([this] { commands_->Search().ResetSrcPosInRow(); });
  window_->SetShutdownProcedure([this] { Shutdown(); });
}

MainForm::~MainForm() { Shutdown(); }

bool MainForm::Load(const std::string& commandLineTail) {
  // 1. One handler covers every step below.
  try {
    // 2.
    window_->setWindowTitle(QString::fromLatin1(kAppTitle));
    // 3.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // 4.
    window_->SetBusy(true);
    // 5. Only the exact empty tail ends silently.
    if (commandLineTail.empty()) {
      platform_.EndProgram();
      QApplication::restoreOverrideCursor();
      return false;
    }
    // 6.
    progressWindow_ = std::make_unique<ProgressWindow>(window_.get());
    progressWindow_->show();
    Yield();
    // 7. Files are reached through plain system calls: there is no
    //    file-system object to create.
    // 8.
    CommandLine commandLine = ParseCmdLine(commandLineTail);
    for (Side side : kBothSides) window_->SetPath(side, commandLine.paths[side]);

    // 9.
    text_ = std::make_shared<LoadedText>();
    const LineEndMode mode = commandLine.lineEnds;
    const LoadOutcome outcome = LoadFiles(commandLine.files, mode, *progressWindow_, *text_);
    commandLine.files = {};
    ReportLoadOutcome(outcome);
    // 10. Under --eol=any a failure ends the run too: no verdict about
    //     files that were not read.
    const bool failedAnyMode = mode == LineEndMode::Any && outcome.failure.has_value();
    if (progressWindow_->Canceled() || outcome.binaryMode || failedAnyMode) {
      Unload();
      return false;
    }
    if (mode == LineEndMode::Any) {
      PerSide<std::string> styles;
      for (Side side : kBothSides) {
        styles[side] = std::string(LineEndStyleText(outcome.lineEnds[side].Style()));
      }
      window_->ShowLineEndStyles(styles);
    }

    // 11.
    window_->InitGrid(Side::Left);
    window_->InitGrid(Side::Right);
    // 12.
    window_->SetLines(std::shared_ptr<const PerSide<LineList>>(text_, &text_->lines));
    const CompareOutcome compared = CompareLines(*text_, *progressWindow_, window_->Rows());
    // 13.
    if (compared == CompareOutcome::Canceled || progressWindow_->Canceled()) {
      Unload();
      return false;
    }
    // 14. The grids keep the line lists they show; nothing else of the
    //     loaded text is needed.
    text_.reset();
    // 15.
    PlaceWindow();
    // 16.
    window_->PlaceSplitter(window_->ClientWidthTwips() / 2);
    // 17.
    progressWindow_->ShowLatest();
    progressWindow_.reset();
    Yield();
    // 18.
    window_->SetStatusText(window_->DiffsFound() ? kDifferencesVerdict : kIdenticalVerdict);
    // 19.
    QApplication::restoreOverrideCursor();
    // 20.
    window_->SetBusy(false);
    // 21.
    window_->show();
    return true;
  } catch (const ErrorRecord& error) {
    QApplication::restoreOverrideCursor();
    BeforeMessage();
    ShowStartupError(platform_, error);
  } catch (const std::exception& error) {
    QApplication::restoreOverrideCursor();
    BeforeMessage();
    ShowStartupError(platform_, ErrorRecord(kAppErrorBase, kStartupSource, error.what()));
  }
  Unload();
  return false;
}

void MainForm::BeforeMessage() {
  if (progressWindow_) progressWindow_->ShowLatest();
}

void MainForm::ReportLoadOutcome(const LoadOutcome& outcome) {
  BeforeMessage();
  if (outcome.failure) {
    ReportFailure(platform_, kBinaryCompareFailure, *outcome.failure);
  } else if (outcome.binaryMode && !progressWindow_->Canceled()) {
    ShowMessageBox(platform_, MessageIcon::Information, kAppTitle, outcome.Verdict());
  }
}

void MainForm::PlaceWindow() {
  const ScreenSize screen = platform_.Screen();
  const QRect outer(0, 0, screen.width,
                    static_cast<int>(std::nearbyint(screen.height * kHeightShare)));
  // Until the main window is framed, the progress window's frame is the best
  // guess of its frame; should it differ, the window is placed again once
  // framed, with the divider back in the middle.
  const QMargins expected = progressWindow_ ? FrameMargins(*progressWindow_) : QMargins();
  auto* placement = new FramePlacement(
      *window_, [outer](const QMargins&) { return outer; }, expected);
  placement->SetPlaced([this] {
    window_->PlaceSplitter(window_->ClientWidthTwips() / 2);
    window_->SizeControls(window_->SplitterLeft());
  });
}

void MainForm::Unload() {
  // The windows go first: the user sees the run end before the memory of a
  // large pair is handed back.
  Shutdown();
  Yield();
  text_.reset();
}

void MainForm::Shutdown() {
  // Each release goes ahead whatever happened to the one before.
  try {
    if (commands_) commands_->ReleaseFindDialog();
  } catch (...) {
  }
  if (progressWindow_) progressWindow_->ShowLatest();
  progressWindow_.reset();
}

}  // namespace qfc
