#include "grid/cell_delegate.h"

#include <QLineEdit>

#include "grid/changed_text_tint.h"
#include "grid/grid_row_model.h"
#include "grid/highlighted_cell.h"
#include "grid/palette_color.h"
#include "grid/readable_color.h"

namespace qfc {

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
  auto* editor = new QLineEdit(parent);
  editor->setFrame(false);
  editor->setFont(option.font);
  emit EditorOpened(editor, index);
  return editor;
}

void CellDelegate::setModelData(QWidget* /*editor*/, QAbstractItemModel* /*model*/,
                                const QModelIndex& /*index*/) const {}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  // A selected cell shows the selection, not the tint.
  const bool tinted = tint_ != nullptr && index.column() == 0 &&
                      (option.state & QStyle::State_Selected) == 0;
  const std::span<const ShownRun> runs =
      tinted ? tint_->Runs(side_, index.row() + 1) : std::span<const ShownRun>();
  if (runs.empty()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QColor tint = PaintedTintColor(ResolveColor(kChangedCharacterTint, cell.palette),
                                       ResolveColor(kDefaultBackColor, cell.palette));
  PaintTintedCell(painter, cell, runs, tint);
}

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  const auto fore = static_cast<ColorValue>(index.data(GridRowModel::kForeColorRole).toUInt());
  const auto back = static_cast<ColorValue>(index.data(GridRowModel::kBackColorRole).toUInt());
  // The cells keep the values the fill wrote; only the painting follows a
  // dark palette (readable_color.h).
  QColor background = ResolveColor(back, option->palette);
  if (back != kDefaultBackColor) {
    background = PaintedCellBackground(background, ResolveColor(kDefaultBackColor, option->palette));
  }
  option->palette.setColor(QPalette::Text,
                           PaintedTextColor(ResolveColor(fore, option->palette), background));
  option->backgroundBrush = background;
  TintHighlightedCell(*option);
}

}  // namespace qfc
