#include "cli/row_listing.h"

#include <algorithm>

namespace qfc::cli {
namespace {

// The one-character column of the listing.
[[nodiscard]] char KindMark(RowKind kind) {
  switch (kind) {
    case RowKind::Equal:
      return '=';
    case RowKind::Changed:
      return '!';
    case RowKind::LeftOnly:
      return '<';
    case RowKind::RightOnly:
      return '>';
  }
  return '?';
}

}  // namespace

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
  const bool differ = std::any_of(kinds.begin(), kinds.end(), IsDifference);
  out.Append(differ ? kDifferencesVerdict : kIdenticalVerdict).Append('\n');
}

}  // namespace qfc::cli
