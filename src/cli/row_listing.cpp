#include "cli/row_listing.h"

#include <algorithm>

namespace qfc::cli {

void WriteRowListing(std::span<const LinePair> rows, std::span<const RowKind> kinds,
                     OutputBuffer& out) {
  for (std::size_t r = 0; r < rows.size(); ++r) {
    out.Append(rows[r].left)
        .Append('\t')
        .Append(rows[r].right)
        .Append('\t')
        .Append(KindMark(kinds[r]))
        .Append('\n');
  }
  const bool differ =
      std::any_of(kinds.begin(), kinds.end(), [](RowKind kind) { return kind != RowKind::Equal; });
  out.Append(differ ? kDifferencesVerdict : kIdenticalVerdict).Append('\n');
}

}  // namespace qfc::cli
