#include "grid/grid_rows.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>

namespace qfc {

namespace {

// One row's text may not exceed what its 32-bit length can hold.
constexpr std::uint64_t kMaxTextLength = std::numeric_limits<std::uint32_t>::max();

}  // namespace

void GridRows::Resize(std::int32_t count) {
  if (count < 0) {
    throw std::invalid_argument("row count below zero");
  }
  if (count == 0) {
    arena_.Clear();
    rows_.clear();
    separateCopies_.clear();
    freeHeaders_.clear();
    return;
  }
  if (count < Count()) {
    // Rows about to be dropped take their side entries with them.
    std::erase_if(separateCopies_, [count](const auto& entry) { return entry.first > count; });
    std::erase_if(freeHeaders_, [count](const auto& entry) { return entry.first > count; });
  }
  rows_.resize(static_cast<std::size_t>(count));
}

std::string GridRows::HeaderText(std::int32_t row) const {
  const std::int32_t header = At(row).header;
  if (header >= 0) {
    return std::to_string(header);
  }
  if (const auto free = freeHeaders_.find(row); free != freeHeaders_.end()) {
    return free->second;
  }
  return " ";
}

void GridRows::SetHeaderText(std::int32_t row, std::string_view text) {
  std::int32_t number = 0;
  const char* const end = text.data() + text.size();
  // Only the plain decimal form (digits, no leading zero) is kept as a
  // number, so that the text reads back exactly as written.
  const auto parsed = std::from_chars(text.data(), end, number);
  const bool plainNumber = !text.empty() && text.front() >= '0' && text.front() <= '9' &&
                           (text.front() != '0' || text.size() == 1) && parsed.ec == std::errc{} &&
                           parsed.ptr == end;
  if (At(row).header < 0) {
    freeHeaders_.erase(row);
  }
  if (plainNumber) {
    At(row).header = number;
    return;
  }
  At(row).header = kBlankHeader;
  if (text != " ") {
    freeHeaders_.emplace(row, std::string(text));
  }
}

void GridRows::SetHeader(std::int32_t row, std::int32_t lineNo) {
  if (At(row).header < 0) {
    freeHeaders_.erase(row);
  }
  At(row).header = lineNo < 0 ? kBlankHeader : lineNo;
}

std::string_view GridRows::Text(std::int32_t row) const {
  const Row& r = At(row);
  return View({r.textOffset, r.textLength});
}

std::string_view GridRows::Copy(std::int32_t row) const {
  switch (At(row).copy) {
    case CopyState::SharesText:
      return Text(row);
    case CopyState::Empty:
      return {};
    case CopyState::Separate:
      return View(separateCopies_.at(row));
  }
  return Text(row);
}

void GridRows::SetText(std::int32_t row, std::string_view text) {
  const std::string_view old = Text(row);
  if (old == text) {
    return;
  }
  Row& r = At(row);
  if (r.copy == CopyState::SharesText) {
    // The copy keeps the old bytes from now on; an empty one needs no span,
    // which keeps filling a fresh row free of map traffic.
    if (old.empty()) {
      r.copy = CopyState::Empty;
    } else {
      separateCopies_[row] = Span{r.textOffset, r.textLength};
      r.copy = CopyState::Separate;
    }
  }
  const Span span = Store(text);
  r.textOffset = span.offset;
  r.textLength = span.length;
  if (Copy(row) == text) {
    ShareCopy(r, row);
  }
}

void GridRows::SetCopy(std::int32_t row, std::string_view text) {
  Row& r = At(row);
  if (Text(row) == text) {
    ShareCopy(r, row);
    return;
  }
  if (text.empty()) {
    separateCopies_.erase(row);
    r.copy = CopyState::Empty;
    return;
  }
  separateCopies_[row] = Store(text);
  r.copy = CopyState::Separate;
}

void GridRows::ShareCopy(Row& r, std::int32_t row) {
  if (r.copy == CopyState::Separate) {
    separateCopies_.erase(row);
  }
  r.copy = CopyState::SharesText;
}

GridRows::Span GridRows::Store(std::string_view text) {
  if (text.size() > kMaxTextLength) {
    throw std::length_error("cell text too long");
  }
  return {arena_.Store(text), static_cast<std::uint32_t>(text.size())};
}

GridRows::ColorSlotIndex GridRows::ColorSlot(ColorValue color) {
  const auto known = std::find(colors_.begin(), colors_.end(), color);
  if (known != colors_.end()) {
    return static_cast<ColorSlotIndex>(known - colors_.begin());
  }
  if (colors_.size() > std::numeric_limits<ColorSlotIndex>::max()) {
    throw std::length_error("too many distinct colours in one grid");
  }
  colors_.push_back(color);
  return static_cast<ColorSlotIndex>(colors_.size() - 1);
}

}  // namespace qfc
