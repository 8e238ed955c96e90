// An allocator for the loader's big arrays (line texts, line ends, hashes,
// index slots). Blocks of several megabytes are aligned to 2 MiB and offered to
// the kernel as transparent huge pages, so that filling them costs one page
// fault per 2 MiB instead of one per 4 KiB; smaller blocks come from malloc.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace qfc {

inline constexpr std::size_t kHugePageSize = std::size_t{2} << 20;
// Below this a block is not worth a huge page of its own.
inline constexpr std::size_t kHugePageThreshold = 4 * kHugePageSize;

template <typename T>
class HugePageAllocator {
 public:
  using value_type = T;

  HugePageAllocator() = default;
  template <typename U>
  explicit HugePageAllocator(const HugePageAllocator<U>&) {}

  [[nodiscard]] T* allocate(std::size_t count) {
    if (count > static_cast<std::size_t>(-1) / sizeof(T) - kHugePageSize) throw std::bad_alloc();
    const std::size_t bytes = count * sizeof(T);
    void* block = nullptr;
    if (bytes >= kHugePageThreshold) {
      const std::size_t rounded = (bytes + kHugePageSize - 1) / kHugePageSize * kHugePageSize;
      block = std::aligned_alloc(kHugePageSize, rounded);
      // Only a hint: without huge pages the block works all the same.
      if (block != nullptr) ::madvise(block, rounded, MADV_HUGEPAGE);
    } else {
      block = std::malloc(bytes == 0 ? 1 : bytes);
    }
    if (block == nullptr) throw std::bad_alloc();
    return static_cast<T*>(block);
  }

  void deallocate(T* block, std::size_t) noexcept { std::free(block); }

  template <typename U>
  bool operator==(const HugePageAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace qfc
