#include "grid/grid_row_model.h"

#include <algorithm>

#include "ui/display_text.h"

namespace qfc {

namespace {

constexpr int kTextModelColumn = kTextColumn - 1;
constexpr int kCopyModelColumn = kCopyColumn - 1;

}  // namespace

GridRowModel::GridRowModel(QObject* parent) : QAbstractTableModel(parent) {
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(0);
  connect(&flushTimer_, &QTimer::timeout, this, &GridRowModel::Flush);
}

void GridRowModel::SetRowCount(std::int32_t rows) {
  if (rows <= movedPartRow_) movedPartRow_ = 0;
  if (rows == 0) {
    beginResetModel();
    rows_.Resize(0);
    announced_ = 0;
    endResetModel();
    return;
  }
  if (rows < announced_) {
    beginRemoveRows({}, rows, announced_ - 1);
    rows_.Resize(rows);
    announced_ = rows;
    endRemoveRows();
    return;
  }
  rows_.Resize(rows);
  if (rows > announced_ && !flushTimer_.isActive()) {
    flushTimer_.start();
  }
}

void GridRowModel::SetColumnCount(std::int32_t columns) {
  if (columns == columns_) {
    return;
  }
  beginResetModel();
  columns_ = std::max(columns, 0);
  endResetModel();
}

void GridRowModel::Flush() {
  flushTimer_.stop();
  if (rows_.Count() <= announced_) {
    return;
  }
  beginInsertRows({}, announced_, rows_.Count() - 1);
  announced_ = rows_.Count();
  endInsertRows();
}

void GridRowModel::SetCellText(std::int32_t col, std::int32_t row, std::string_view text) {
  switch (col) {
    case kHeaderColumn:
      rows_.SetHeaderText(row, text);
      if (row <= announced_) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
      }
      return;
    case kTextColumn:
      if (row == movedPartRow_) movedPartRow_ = 0;
      rows_.SetText(row, text);
      CellsChanged(row, row, kTextModelColumn, kCopyModelColumn);
      return;
    case kCopyColumn:
      rows_.SetCopy(row, text);
      CellsChanged(row, row, kCopyModelColumn, kCopyModelColumn);
      return;
    default:
      // Columns beyond the copy hold nothing.
      return;
  }
}

void GridRowModel::SetLineSource(std::shared_ptr<const LineSource> source) {
  rows_.SetSource(std::move(source));
}

void GridRowModel::SetLineCells(std::int32_t row, std::int32_t lineNo) {
  if (row == movedPartRow_) movedPartRow_ = 0;
  rows_.SetLine(row, lineNo);
  if (row <= announced_) {
    emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
  }
  CellsChanged(row, row, kTextModelColumn, kCopyModelColumn);
}

void GridRowModel::SetForeColor(ColorValue color, std::int32_t row, std::int32_t row2) {
  for (std::int32_t r = row; r <= row2; ++r) {
    rows_.SetForeColor(r, color);
  }
  CellsChanged(row, row2, kTextModelColumn, kTextModelColumn);
}

void GridRowModel::SetBackColor(ColorValue color, std::int32_t row, std::int32_t row2) {
  for (std::int32_t r = row; r <= row2; ++r) {
    rows_.SetBackColor(r, color);
  }
  CellsChanged(row, row2, kTextModelColumn, kTextModelColumn);
}

ShownPart GridRowModel::ShownPartOf(std::int32_t row) const {
  return row == movedPartRow_ ? movedPart_ : PartHolding(rows_.Text(row));
}

void GridRowModel::ShowPartHolding(std::int32_t row, std::size_t start, std::size_t length) {
  if (ShownPartOf(row).Holds(start, length)) return;
  movedPartRow_ = row;
  movedPart_ = PartHolding(rows_.Text(row), start, length);
  CellsChanged(row, row, kTextModelColumn, kTextModelColumn);
}

void GridRowModel::CellsChanged(std::int32_t row, std::int32_t row2, int firstColumn,
                                int lastColumn) {
  // Rows not yet announced are read afresh when their batch is.
  const std::int32_t last = std::min(row2, announced_);
  if (row > last) {
    return;
  }
  emit dataChanged(index(row - 1, firstColumn), index(last - 1, lastColumn));
}

int GridRowModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : announced_;
}

int GridRowModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant GridRowModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= announced_) {
    return {};
  }
  const std::int32_t row = index.row() + 1;
  const bool textColumn = index.column() == kTextModelColumn;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (textColumn) {
        return ShownText(ShownPartOf(row).Of(rows_.Text(row)));
      }
      if (index.column() == kCopyModelColumn) {
        const std::string_view copy = rows_.Copy(row);
        return ShownText(PartHolding(copy).Of(copy));
      }
      return QString();
    case kForeColorRole:
      return static_cast<uint>(textColumn ? rows_.ForeColor(row) : kDefaultTextColor);
    case kBackColorRole:
      return static_cast<uint>(textColumn ? rows_.BackColor(row) : kDefaultBackColor);
    default:
      return {};
  }
}

QVariant GridRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Vertical || role != Qt::DisplayRole || section < 0 ||
      section >= announced_) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return ShownText(rows_.HeaderText(section + 1));
}

Qt::ItemFlags GridRowModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) {
    return Qt::NoItemFlags;
  }
  // Editable so that the program can open an editor; the view gives the user
  // no trigger to open one.
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

}  // namespace qfc
