// A growable array that never moves its elements: storage comes in chunks
// that double in size (the first holds kFirstChunk elements, each next one as
// many as all before it), so growing one element at a time copies nothing
// and touches each page once, which matters when a grid grows to millions of
// rows. Element i lives in chunk bit_width(i / kFirstChunk).
#pragma once

#include <bit>
#include <cstddef>
#include <type_traits>
#include <vector>

#include "core/huge_page_allocator.h"

namespace qfc {

template <typename T>
class ChunkedArray {
 public:
  ChunkedArray() = default;
  ChunkedArray(const ChunkedArray&) = delete;
  ChunkedArray& operator=(const ChunkedArray&) = delete;
  ~ChunkedArray() { clear(); }

  [[nodiscard]] std::size_t size() const { return size_; }

  // New elements are value-initialised; shrinking keeps the chunks.
  void resize(std::size_t count) {
    while (capacity_ < count) {
      const std::size_t chunkSize = chunks_.empty() ? kFirstChunk : capacity_;
      chunks_.push_back(HugePageAllocator<T>().allocate(chunkSize));
      capacity_ += chunkSize;
    }
    for (std::size_t i = size_; i < count; ++i) {
      (*this)[i] = T{};
    }
    size_ = count;
  }

  void clear() {
    std::size_t chunkSize = kFirstChunk;
    for (std::size_t c = 0; c < chunks_.size(); ++c) {
      HugePageAllocator<T>().deallocate(chunks_[c], chunkSize);
      chunkSize = c == 0 ? kFirstChunk : chunkSize * 2;
    }
    std::vector<T*>().swap(chunks_);
    size_ = 0;
    capacity_ = 0;
  }

  [[nodiscard]] T& operator[](std::size_t i) { return Locate(i); }
  [[nodiscard]] const T& operator[](std::size_t i) const {
    return const_cast<ChunkedArray*>(this)->Locate(i);
  }

 private:
  static_assert(std::is_trivially_copyable_v<T>);
  // A power of two, so that locating an element is a shift and a bit count.
  static constexpr std::size_t kFirstChunk = std::size_t{1} << 10;
  static constexpr int kFirstChunkBits = 10;

  [[nodiscard]] T& Locate(std::size_t i) {
    const std::size_t block = i >> kFirstChunkBits;
    const auto chunk = static_cast<std::size_t>(std::bit_width(block));
    const std::size_t chunkStart =
        chunk == 0 ? 0 : (std::size_t{1} << (chunk - 1)) << kFirstChunkBits;
    return chunks_[chunk][i - chunkStart];
  }

  std::vector<T*> chunks_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace qfc
