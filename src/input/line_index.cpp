#include "input/line_index.h"

#include <algorithm>

namespace qfc {
namespace {

constexpr std::size_t kInitialSlots = 16;
// At most three texts per four slots: linear probing stays short at that
// load. A table that fills grows to twice its size.
constexpr std::size_t kLoadNumerator = 3;
constexpr std::size_t kLoadDenominator = 4;
constexpr std::size_t kGrowthFactor = 2;
// Clear wipes a table of at most this many slots per text held, and gives a
// sparser one back, so that it costs time in proportion to what was added.
constexpr std::size_t kMostSlotsPerTextWiped = 8;

[[nodiscard]] bool IsBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

[[nodiscard]] std::size_t SlotsFor(std::size_t texts) {
  return std::max(kInitialSlots, texts * kLoadDenominator / kLoadNumerator + 1);
}

}  // namespace

void LineIndex::Clear() {
  pendingCount_ = 0;
  if (slots_.size() <= kInitialSlots + count_ * kMostSlotsPerTextWiped) {
    std::fill(slots_.begin(), slots_.end(), Entry{});
  } else {
    Slots().swap(slots_);
  }
  count_ = 0;
}

std::size_t LineIndex::FindSlot(const LineList& lines, std::string_view text, LineHash hash) const {
  // Linear probing; returns the slot holding the text or the free slot where
  // it belongs.
  for (std::size_t slot = HomeSlot(hash);; slot = NextSlot(slot)) {
    ++probes_;
    const Entry& entry = slots_[slot];
    if (entry.line == 0) return slot;
    if (entry.hash == hash && EqualFolded(lines.Line(entry.FirstLine()), text)) return slot;
  }
}

void LineIndex::Reserve(std::size_t texts) {
  const std::size_t slotCount = SlotsFor(texts);
  if (slotCount > slots_.size()) Rehash(slotCount);
}

void LineIndex::Rehash(std::size_t slotCount) {
  // The texts held are distinct, so moving them needs no text comparison.
  Slots old;
  old.swap(slots_);
  slots_.assign(slotCount, Entry{});
  // Fetch the target slots a few entries ahead, as AddToIndexLater does.
  for (std::size_t at = 0; at < old.size(); ++at) {
    if (at + kLookahead < old.size() && old[at + kLookahead].line != 0) {
      Prefetch(old[at + kLookahead].hash);
    }
    if (old[at].line == 0) continue;
    std::size_t slot = HomeSlot(old[at].hash);
    while (slots_[slot].line != 0) slot = NextSlot(slot);
    slots_[slot] = old[at];
  }
}

void LineIndex::AddToIndex(const LineList& lines, std::int32_t lineNo) {
  Flush(lines);
  Insert(lines, lineNo);
}

void LineIndex::AddToIndexLater(const LineList& lines, std::int32_t lineNo) {
  Prefetch(lines.Hash(lineNo));
  if (pendingCount_ == kLookahead) {
    Insert(lines, pending_[pendingHead_]);
    pendingHead_ = (pendingHead_ + 1) % kLookahead;
    --pendingCount_;
  }
  pending_[(pendingHead_ + pendingCount_) % kLookahead] = lineNo;
  ++pendingCount_;
}

void LineIndex::Flush(const LineList& lines) {
  for (; pendingCount_ > 0; --pendingCount_) {
    Insert(lines, pending_[pendingHead_]);
    pendingHead_ = (pendingHead_ + 1) % kLookahead;
  }
}

void LineIndex::KeepFirst(const LineList& lines, std::int32_t count) {
  // A recurring text keeps no count of its occurrences, so the kept lines
  // are added again to the wiped table. Flushing first leaves the table as
  // large as those lines will need: adding them grows nothing.
  Flush(lines);
  std::fill(slots_.begin(), slots_.end(), Entry{});
  count_ = 0;
  for (std::int32_t lineNo = 1; lineNo <= count; ++lineNo) AddToIndexLater(lines, lineNo);
  Flush(lines);
}

void LineIndex::Insert(const LineList& lines, std::int32_t lineNo) {
  const std::string_view text = lines.Line(lineNo);
  if (IsBlank(text)) return;
  if ((count_ + 1) * kLoadDenominator > slots_.size() * kLoadNumerator) {
    Rehash(std::max(kInitialSlots, slots_.size() * kGrowthFactor));
  }
  const LineHash hash = lines.Hash(lineNo);
  Entry& entry = slots_[FindSlot(lines, text, hash)];
  if (entry.line == 0) {
    entry = Entry{hash, lineNo};
    ++count_;
  } else if (entry.line > 0) {
    entry.line = -entry.line;
  }
}

std::int32_t LineIndex::UniqueLineNo(const LineList& lines, std::string_view text,
                                     LineHash hash) const {
  assert(pendingCount_ == 0);
  if (IsBlank(text) || slots_.empty()) return 0;
  const Entry& entry = slots_[FindSlot(lines, text, hash)];
  return entry.line > 0 ? entry.line : 0;
}

}  // namespace qfc
