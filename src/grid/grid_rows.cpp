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
    storedTexts_.clear();
    separateCopies_.clear();
    freeHeaders_.clear();
    return;
  }
  if (count < Count()) {
    // Rows about to be dropped take their side entries with them.
    std::erase_if(storedTexts_, [count](const auto& entry) { return entry.first > count; });
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
  if (!plainNumber || number != At(row).header) DetachFromSource(At(row), row);
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
  const std::int32_t header = lineNo < 0 ? kBlankHeader : lineNo;
  if (header != At(row).header) DetachFromSource(At(row), row);
  At(row).header = header;
}

void GridRows::SetLine(std::int32_t row, std::int32_t lineNo) {
  if (source_ == nullptr) {
    throw std::logic_error("no line source");
  }
  if (lineNo < 1) {
    throw std::invalid_argument("no such line");
  }
  Row& r = At(row);
  if (r.header < 0) freeHeaders_.erase(row);
  if (r.text == TextState::Stored) storedTexts_.erase(row);
  if (r.copy == CopyState::Separate) separateCopies_.erase(row);
  r.header = lineNo;
  r.text = TextState::SourceLine;
  r.copy = CopyState::SharesText;
}

void GridRows::DetachFromSource(Row& r, std::int32_t row) {
  if (r.text != TextState::SourceLine) return;
  const std::string_view line = source_->Line(r.header);
  if (line.empty()) {
    r.text = TextState::Empty;
    return;
  }
  storedTexts_[row] = Store(line);
  r.text = TextState::Stored;
}

std::string_view GridRows::Text(std::int32_t row) const {
  const Row& r = At(row);
  switch (r.text) {
    case TextState::Empty:
      return {};
    case TextState::SourceLine:
      return source_->Line(r.header);
    case TextState::Stored:
      return View(storedTexts_.at(row));
  }
  return {};
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
      separateCopies_[row] = r.text == TextState::Stored ? storedTexts_.at(row) : Store(old);
      r.copy = CopyState::Separate;
    }
  }
  if (text.empty()) {
    storedTexts_.erase(row);
    r.text = TextState::Empty;
  } else {
    storedTexts_[row] = Store(text);
    r.text = TextState::Stored;
  }
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
