#include "grid/text_arena.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "core/huge_page_allocator.h"

namespace qfc {

namespace {

constexpr int kBlockShift = 32;
constexpr TextArena::Position kOffsetMask = 0xFFFFFFFFu;
// Blocks grow with the arena, from a size that suits a short file up to one
// that the allocator backs with huge pages and that keeps the block list
// short for the largest files.
constexpr std::size_t kFirstBlockSize = std::size_t{64} << 10;
constexpr std::size_t kLargestBlockSize = 4 * kHugePageThreshold;

}  // namespace

TextArena::~TextArena() { Clear(); }

TextArena::Position TextArena::Store(std::string_view text) {
  if (text.empty()) {
    return 0;
  }
  if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < text.size()) {
    if (blocks_.size() > std::numeric_limits<std::uint32_t>::max()) {
      throw std::length_error("text arena full");
    }
    // A text longer than the next block gets a block of its own size.
    const std::size_t grown = std::clamp<std::size_t>(bytes_, kFirstBlockSize, kLargestBlockSize);
    const std::size_t capacity = std::max(grown, text.size());
    blocks_.push_back({HugePageAllocator<char>().allocate(capacity), capacity, 0});
  }
  Block& block = blocks_.back();
  std::memcpy(block.data + block.used, text.data(), text.size());
  const Position position = (static_cast<Position>(blocks_.size() - 1) << kBlockShift) | block.used;
  block.used += text.size();
  bytes_ += text.size();
  return position;
}

std::string_view TextArena::View(Position position, std::uint32_t length) const {
  if (length == 0) {
    return {};
  }
  const Block& block = blocks_[static_cast<std::size_t>(position >> kBlockShift)];
  return {block.data + (position & kOffsetMask), length};
}

void TextArena::Clear() {
  for (const Block& block : blocks_) {
    HugePageAllocator<char>().deallocate(block.data, block.capacity);
  }
  std::vector<Block>().swap(blocks_);
  bytes_ = 0;
}

}  // namespace qfc
