// One result grid on screen: a table view over a GridRowModel that answers the
// Grid operations and raises the five grid events. The vertical header is the
// grid's column 0, model column 0 its text column, model column 1 the hidden
// copy. Row heights and the header width are fixed, so a million rows scroll
// without measuring any of them.
#pragma once

#include <QPointer>
#include <QTableView>
#include <cstdint>
#include <string_view>

#include "grid/grid.h"

class QLineEdit;

namespace qfc {

class CellDelegate;
class ChangedTextTint;
class DifferenceMap;
class GridRowModel;
class GridRows;

class ResultGrid : public QTableView, public Grid {
  Q_OBJECT

 public:
  // `side` is the side the grid's events carry.
  explicit ResultGrid(Side side, QWidget* parent = nullptr);

  // Where the grid's events go; null drops them.
  void SetEvents(GridEvents* events) { events_ = events; }
  // Tints the differing characters of changed rows; null tints nothing. The
  // tint must outlive the grid's painting.
  void SetChangedTextTint(ChangedTextTint* tint);
  // The rows as stored, for a tint that reads both grids.
  [[nodiscard]] const GridRows& Rows() const;
  [[nodiscard]] const GridRowModel& Model() const { return *model_; }

  [[nodiscard]] std::int32_t RowCount() const override;
  void SetRowCount(std::int32_t rows) override;
  [[nodiscard]] std::int32_t ColumnCount() const override;
  void SetColumnCount(std::int32_t columns) override;

  [[nodiscard]] std::string CellText(std::int32_t col, std::int32_t row) const override;
  void SetCellText(std::int32_t col, std::int32_t row, std::string_view text) override;
  void SetLineSource(std::shared_ptr<const LineSource> source) override;
  void SetLineCells(std::int32_t row, std::int32_t lineNo) override;

  [[nodiscard]] ColorValue ForeColor(std::int32_t col, std::int32_t row) const override;
  [[nodiscard]] ColorValue BackColor(std::int32_t col, std::int32_t row) const override;
  void SetBlockForeColor(ColorValue color, CellBlock block) override;
  void SetBlockBackColor(ColorValue color, CellBlock block) override;
  void LockBlock(CellBlock block) override;
  void SetColumnHidden(std::int32_t col, bool hidden) override;
  void SetColumnWidth(std::int32_t col, double twips) override;

  [[nodiscard]] std::int32_t ActiveRow() const override;
  void SetActiveCell(std::int32_t col, std::int32_t row) override;
  [[nodiscard]] std::int32_t TopRow() const override;
  void SetTopRow(std::int32_t row) override;
  [[nodiscard]] std::int32_t VisibleRowCount() const override;
  void SelectBlock(CellBlock block) override;
  void SelectRange(CellBlock block) override;

  void SetFocus() override;
  [[nodiscard]] bool HasFocus() const override;
  void BeginEdit() override;
  void SetEditSelection(std::int16_t start, std::int16_t length) override;
  [[nodiscard]] std::string SelectedText() const override;

  // The active cell's column (1 when no cell is active).
  [[nodiscard]] std::int32_t ActiveCol() const;
  // Whether the cell (grid coordinates) is highlighted.
  [[nodiscard]] bool IsCellSelected(std::int32_t col, std::int32_t row) const;

 protected:
  // Keeps room for the difference map between the text and the scroll bar.
  void updateGeometries() override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A block with its -1 ends resolved and clipped to the grid, in grid
  // coordinates; false when nothing of it lies inside.
  [[nodiscard]] bool Resolve(CellBlock& block) const;
  // Brings rows appended in the current batch and the scroll range up to date.
  void CatchUp();
  void SelectCells(CellBlock block);
  void EditorOpened(QLineEdit* editor, const QModelIndex& index);
  // The bytes the open editor holds: its row's shown part.
  [[nodiscard]] std::string_view EditedBytes() const;
  void EditorTextEdited(const QString& text);
  // Scrolls sideways so that the editor's selection shows.
  void ShowEditSelection();
  void ActiveCellMoved(const QModelIndex& current, const QModelIndex& previous);
  void ScrolledTo(int value);
  void ReportBlockSelection();

  const Side side_;
  GridEvents* events_ = nullptr;
  GridRowModel* model_ = nullptr;
  CellDelegate* delegate_ = nullptr;
  DifferenceMap* map_ = nullptr;
  QPointer<QLineEdit> editor_;
  int editorRow_ = 0;
  std::int32_t topRow_ = 1;
};

}  // namespace qfc
