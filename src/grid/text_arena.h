// Byte storage for a grid's texts, appended to and never changed. Texts live
// in blocks that are never reallocated, so appending a million lines copies
// each byte once; a text is named by an opaque position and its length.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace qfc {

class TextArena {
 public:
  // Where a text starts: the block in the high half, the offset in the low.
  using Position = std::uint64_t;

  TextArena() = default;
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;
  ~TextArena();

  [[nodiscard]] Position Store(std::string_view text);
  [[nodiscard]] std::string_view View(Position position, std::uint32_t length) const;
  // Releases every text.
  void Clear();
  [[nodiscard]] std::uint64_t Bytes() const { return bytes_; }

 private:
  struct Block {
    char* data = nullptr;
    std::size_t capacity = 0;
    std::size_t used = 0;
  };

  std::vector<Block> blocks_;
  std::uint64_t bytes_ = 0;
};

}  // namespace qfc
