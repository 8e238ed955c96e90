#include "navigation/combo_history.h"

#include <QComboBox>
#include <algorithm>

namespace qfc {

namespace {

[[nodiscard]] bool BlanksOnly(const QString& text) {
  return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u' '; });
}

}  // namespace

void AddComboHistory(QComboBox& combo, int limit) {
  const QString text = combo.currentText();
  if (BlanksOnly(text)) return;

  combo.insertItem(0, text);
  for (int i = 1; i < combo.count(); ++i) {
    if (combo.itemText(i) == text) {
      combo.removeItem(i);
      break;
    }
  }
  if (combo.count() > limit) combo.removeItem(limit);
  combo.setCurrentIndex(0);
}

}  // namespace qfc
