// Counting CR LF pairs chunk by chunk, so that a pair split between two
// chunks (CR at the end of one, LF at the start of the next) counts once.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qfc {

// The CR LF pairs in `chunk`, plus one when `carry` is CR and the chunk starts
// with LF. `carry` becomes the chunk's last byte, or empty when the chunk ends
// with CR LF; an empty chunk answers 0 and leaves `carry` alone.
[[nodiscard]] std::int32_t CountCrLf(std::string_view chunk, std::optional<char>& carry);

}  // namespace qfc
