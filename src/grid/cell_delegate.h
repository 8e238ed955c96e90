// Paints a grid cell in its own colours, resolved through the view's palette,
// and opens the one-line editor the program asks for. The editor never writes
// back on closing: the grid takes every keystroke as it happens.
#pragma once

#include <QStyledItemDelegate>

class QLineEdit;

namespace qfc {

class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 signals:
  void EditorOpened(QLineEdit* editor, const QModelIndex& index) const;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace qfc
