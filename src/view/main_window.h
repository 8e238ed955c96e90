// The main window: toolbar, the two path boxes, the two result grids with the
// divider between them, and the status bar with its message and clock panels
// (and, when asked for, a line-end panel per side).
// It owns the grids, the row fill, the grid synchronisation and the Busy flag
// that keeps the grids' handlers quiet while the program itself works on them.
//
// Every position and size is in twips (see units.h); the window converts to
// pixels only where it touches a widget.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "core/side.h"
#include "engine/row_sink.h"
#include "grid/grid.h"
#include "input/line_list.h"

class QLabel;
class QLineEdit;
class QTimer;
class QToolBar;
class QWidget;

namespace qfc {

class ChangedTextTint;
class GridFill;
class GridSynchronizer;
class ResultGrid;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  [[nodiscard]] Grid& GridAt(Side side);
  [[nodiscard]] const Grid& GridAt(Side side) const;

  // The path boxes; texts are bytes, shown as UTF-8 where valid, else Latin-1.
  void SetPath(Side side, const std::string& path);
  [[nodiscard]] std::string Path(Side side) const;

  // Replaces the text of the status bar's "Status" panel.
  void SetStatusText(const std::string& text);
  [[nodiscard]] std::string StatusText() const;

  // Adds a status bar panel per side, left first, with that file's line-end
  // style; the "Status" panel is left as it is. Called again, it replaces
  // the texts.
  void ShowLineEndStyles(const PerSide<std::string>& styles);
  // The texts of those panels; empty while they were never shown.
  [[nodiscard]] std::string LineEndStyle(Side side) const;

  // While true the guarded grid handlers do nothing.
  [[nodiscard]] bool Busy() const { return busy_; }
  void SetBusy(bool busy) { busy_ = busy; }

  // True once a filled row differed; never goes back to false.
  [[nodiscard]] bool DiffsFound() const;
  // Where the engine delivers its rows; the grids show the texts of the
  // lists given to SetLines and keep those lists while they show them.
  [[nodiscard]] RowSink& Rows();
  void SetLines(std::shared_ptr<const PerSide<LineList>> lines);
  // One-time set-up of one grid.
  void InitGrid(Side side);

  // Lays out paths, grids and divider for divider position x (twips);
  // -1 stands for the drag bar's current left position.
  void SizeControls(double x);
  // The divider position lives in the handle's left edge.
  void PlaceSplitter(int twips);
  [[nodiscard]] int SplitterLeft() const;
  [[nodiscard]] int ClientWidthTwips() const;
  [[nodiscard]] int ClientHeightTwips() const;
  // The window's outer width, frame included.
  [[nodiscard]] int WidthTwips() const;

  // The bar across the top; the commands add their buttons to it.
  [[nodiscard]] QToolBar* ToolBar();

  // A click in a grid resets the search's resume position through this.
  void SetClickResetsSearch(std::function<void()> resetSearch);
  // Runs whenever the window closes.
  void SetShutdownProcedure(std::function<void()> shutdown);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildStatusBar();
  void BuildSplitter(QWidget* client);
  void ShowTime();
  void ApplyResizeRule();
  void PressSplitter();
  void MoveSplitter(int pointerX);
  void ReleaseSplitter();
  void AlignToolBar();
  [[nodiscard]] double TextWidthTwips(const std::string& text) const;

  bool busy_ = false;
  bool splitterMoving_ = false;
  std::function<void()> shutdown_;
  PerSide<std::string> pathBytes_;
  std::string statusText_;

  QWidget* client_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  PerSide<QLineEdit*> paths_{};
  PerSide<ResultGrid*> grids_{};
  QWidget* imgSplitter_ = nullptr;
  QWidget* picSplitter_ = nullptr;
  QLabel* statusPanel_ = nullptr;
  QLabel* timePanel_ = nullptr;
  PerSide<QLabel*> lineEndPanels_{};
  QTimer* clock_ = nullptr;

  std::unique_ptr<GridFill> fill_;
  std::unique_ptr<GridSynchronizer> synchronizer_;
  std::unique_ptr<ChangedTextTint> tint_;
};

}  // namespace qfc
