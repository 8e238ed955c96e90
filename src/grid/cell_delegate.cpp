#include "grid/cell_delegate.h"

#include <QLineEdit>

#include "grid/grid_row_model.h"
#include "grid/palette_color.h"

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

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  const auto fore = static_cast<ColorValue>(index.data(GridRowModel::kForeColorRole).toUInt());
  const auto back = static_cast<ColorValue>(index.data(GridRowModel::kBackColorRole).toUInt());
  option->palette.setColor(QPalette::Text, ResolveColor(fore, option->palette));
  option->backgroundBrush = ResolveColor(back, option->palette);
}

}  // namespace qfc
