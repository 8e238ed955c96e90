// Paints a grid cell in its own colours, resolved through the view's palette,
// and opens the one-line editor the program asks for. The editor never writes
// back on closing: the grid takes every keystroke as it happens.
#pragma once

#include <QStyledItemDelegate>

#include "core/side.h"

class QLineEdit;

namespace qfc {

class ChangedTextTint;

class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // Tints the differing characters of changed rows, as the rows of `side`;
  // null paints no tint.
  void SetTint(ChangedTextTint* tint, Side side) {
    tint_ = tint;
    side_ = side;
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 signals:
  void EditorOpened(QLineEdit* editor, const QModelIndex& index) const;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  ChangedTextTint* tint_ = nullptr;
  Side side_ = Side::Left;
};

}  // namespace qfc
