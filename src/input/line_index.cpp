#include "input/line_index.h"

#include <algorithm>

namespace qfc {
namespace {

constexpr std::size_t kInitialSlots = 16;

[[nodiscard]] bool IsBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

void LineIndex::Clear() {
  pendingCount_ = 0;
  for (std::uint32_t slot : used_) slots_[slot] = Entry{};
  used_.clear();
}

std::size_t LineIndex::FindSlot(const LineList& lines, std::string_view text,
                                std::uint64_t hash) const {
  // Linear probing; returns the slot holding the text or the free slot where
  // it belongs.
  const std::uint32_t tag = HashTag(hash);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = HomeSlot(tag);; slot = (slot + 1) & mask) {
    const Entry& entry = slots_[slot];
    if (entry.line == 0) return slot;
    if (entry.hashTag == tag && EqualFolded(lines.Line(entry.FirstLine()), text)) return slot;
  }
}

void LineIndex::Place(const Entry& entry) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = HomeSlot(entry.hashTag);
  while (slots_[slot].line != 0) slot = (slot + 1) & mask;
  slots_[slot] = entry;
  used_.push_back(static_cast<std::uint32_t>(slot));
}

void LineIndex::Grow() { Rehash(slots_.empty() ? kInitialSlots : slots_.size() * 2); }

void LineIndex::Reserve(std::size_t texts) {
  std::size_t slotCount = std::max(slots_.size(), kInitialSlots);
  while (slotCount < texts * 2) slotCount *= 2;
  if (slotCount > slots_.size()) Rehash(slotCount);
}

void LineIndex::Rehash(std::size_t slotCount) {
  // The texts held are distinct, so moving them needs no text comparison.
  Slots old;
  old.swap(slots_);
  slots_.assign(slotCount, Entry{});
  used_.clear();
  // Fetch the target slots a few entries ahead, as AddToIndexLater does.
  for (std::size_t at = 0; at < old.size(); ++at) {
    if (at + kLookahead < old.size() && old[at + kLookahead].line != 0) {
      __builtin_prefetch(&slots_[HomeSlot(old[at + kLookahead].hashTag)]);
    }
    if (old[at].line != 0) Place(old[at]);
  }
}

void LineIndex::AddToIndex(const LineList& lines, std::int32_t lineNo) {
  Flush(lines);
  Insert(lines, lineNo);
}

void LineIndex::AddToIndexLater(const LineList& lines, std::int32_t lineNo) {
  if (!slots_.empty()) __builtin_prefetch(&slots_[HomeSlot(HashTag(lines.Hash(lineNo)))]);
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

void LineIndex::Insert(const LineList& lines, std::int32_t lineNo) {
  // Keep the table at most half full.
  if ((used_.size() + 1) * 2 > slots_.size()) Grow();
  const std::uint64_t hash = lines.Hash(lineNo);
  const std::size_t slot = FindSlot(lines, lines.Line(lineNo), hash);
  Entry& entry = slots_[slot];
  if (entry.line == 0) {
    entry = Entry{HashTag(hash), lineNo};
    used_.push_back(static_cast<std::uint32_t>(slot));
  } else if (entry.line > 0) {
    entry.line = -entry.line;
  }
}

std::int32_t LineIndex::UniqueLineNo(const LineList& lines, std::string_view text,
                                     std::uint64_t hash) const {
  assert(pendingCount_ == 0);
  if (IsBlank(text) || slots_.empty()) return 0;
  const Entry& entry = slots_[FindSlot(lines, text, hash)];
  return entry.line > 0 ? entry.line : 0;
}

}  // namespace qfc
