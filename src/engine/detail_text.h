// Composes a progress detail line ("Range 5, 4, 8, 8") in a fixed buffer.
// The engine writes one per line, match, gap and row, millions of times on
// a large file, so composing must not allocate.
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qfc {

class DetailText {
 public:
  DetailText& Append(std::string_view text) {
    const std::size_t room = buffer_.size() - size_;
    const std::size_t count = text.size() < room ? text.size() : room;
    text.copy(buffer_.data() + size_, count);
    size_ += count;
    return *this;
  }

  // Plain decimal, a minus sign for negatives (-1 for a missing line).
  DetailText& Append(std::int32_t number) {
    const auto result =
        std::to_chars(buffer_.data() + size_, buffer_.data() + buffer_.size(), number);
    if (result.ec == std::errc{}) size_ = static_cast<std::size_t>(result.ptr - buffer_.data());
    return *this;
  }

  [[nodiscard]] std::string_view View() const { return {buffer_.data(), size_}; }

 private:
  // The longest line is four numbers of up to 11 characters each plus
  // their labels, well under this.
  static constexpr std::size_t kCapacity = 96;

  std::array<char, kCapacity> buffer_{};
  std::size_t size_ = 0;
};

}  // namespace qfc
