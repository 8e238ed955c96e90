// The Qt model over one grid's compact rows. Model column 0 is the grid's text
// column, model column 1 its hidden copy; the vertical header shows the row
// header (a line number or a blank). Cells answer their colour values as the
// numbers themselves; the delegate resolves them when painting.
//
// Appending rows does not notify the view row by row: new rows are announced
// in one batch, when the event loop next runs or when the grid flushes before
// touching the view.
#pragma once

#include <QAbstractTableModel>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string_view>

#include "grid/grid.h"
#include "grid/grid_rows.h"
#include "grid/shown_part.h"

namespace qfc {

class GridRowModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Roles under which cells answer their ColorValue as an unsigned number.
  static constexpr int kForeColorRole = Qt::UserRole + 1;
  static constexpr int kBackColorRole = Qt::UserRole + 2;

  explicit GridRowModel(QObject* parent = nullptr);

  [[nodiscard]] const GridRows& Rows() const { return rows_; }

  // Row and column counts as the grid sees them: rows appended but not yet
  // announced count here.
  [[nodiscard]] std::int32_t RowCount() const { return rows_.Count(); }
  void SetRowCount(std::int32_t rows);
  [[nodiscard]] std::int32_t ColumnCount() const { return columns_; }
  void SetColumnCount(std::int32_t columns);
  // Announces rows appended since the last batch.
  void Flush();

  // Grid columns (0 header, 1 text, 2 copy); rows from 1.
  void SetCellText(std::int32_t col, std::int32_t row, std::string_view text);
  void SetLineSource(std::shared_ptr<const LineSource> source);
  // Header, text and copy of `row` from line `lineNo` of the line source.
  void SetLineCells(std::int32_t row, std::int32_t lineNo);
  void SetForeColor(ColorValue color, std::int32_t row, std::int32_t row2);
  void SetBackColor(ColorValue color, std::int32_t row, std::int32_t row2);

  // Which bytes of the row's text the view shows and edits (shown_part.h).
  [[nodiscard]] ShownPart ShownPartOf(std::int32_t row) const;
  // Moves the row's shown part onto bytes [start, start + length) of its
  // text unless it holds them already. One row at a time keeps a moved part;
  // every other row shows its line's start.
  void ShowPartHolding(std::int32_t row, std::size_t start, std::size_t length);

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;
  [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  void CellsChanged(std::int32_t row, std::int32_t row2, int firstColumn, int lastColumn);

  GridRows rows_;
  std::int32_t columns_ = 2;
  // Rows the view knows of; rows_ may hold more until the next Flush.
  std::int32_t announced_ = 0;
  QTimer flushTimer_;
  std::int32_t movedPartRow_ = 0;  // 0: no row
  ShownPart movedPart_;
};

}  // namespace qfc
