// The drop-down history of an editable combo box: most recent first, no two
// entries equal (case-sensitive), at most `limit` entries.
#pragma once

class QComboBox;

namespace qfc {

// Puts the combo's current text at the top of its list: a text of blanks
// only is not added, an older equal entry is removed, the oldest entry falls
// off beyond `limit`, and the first entry ends up selected.
void AddComboHistory(QComboBox& combo, int limit);

}  // namespace qfc
