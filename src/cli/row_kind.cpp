#include "cli/row_kind.h"

#include "engine/row_sink.h"

namespace qfc::cli {
namespace {

[[nodiscard]] bool IsBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

bool LinesDiffer(std::string_view left, std::string_view right) {
  if (IsBlank(left) && IsBlank(right)) return false;
  return left != right;
}

RowKind KindOf(const LinePair& row, const PerSide<LineList>& lines) {
  if (row.left == kNoLine) return RowKind::RightOnly;
  if (row.right == kNoLine) return RowKind::LeftOnly;
  return LinesDiffer(lines[Side::Left].Line(row.left), lines[Side::Right].Line(row.right))
             ? RowKind::Changed
             : RowKind::Equal;
}

}  // namespace qfc::cli
