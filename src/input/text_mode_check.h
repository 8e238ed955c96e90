// The per-line test that decides whether a side is still plain CR LF text:
// the lines its text reader delivered must agree with the CR LF pairs in its
// bytes.
#pragma once

#include <cstdint>

namespace qfc {

// How far the CR LF count may stray from the line count: a last line without
// a line end, and a CR LF split between two chunks, must not turn a text
// file binary.
inline constexpr std::int32_t kCrLfTolerance = 2;
// Up to this many lines a file is too short for the ratio test; only the
// tolerance test applies.
inline constexpr std::int32_t kRatioTestMinLines = 10;

// True exactly when value - tolerance <= target <= value + tolerance.
[[nodiscard]] bool IsWithin(std::int32_t value, std::int32_t target, std::int32_t tolerance);

// Sets `binaryMode` when one side, after reading a line, is not CR LF text:
// more than 10 lines and fewer than half as many CR LF pairs, or, once the
// line reader has caught up with the byte reader, a CR LF count outside the
// tolerance around the line count. Never clears `binaryMode`.
void CheckTextMode(std::int32_t bytesRead, std::int32_t crLfCount, std::int32_t charactersConsumed,
                   std::int32_t charactersRead, std::int32_t tolerance, bool& binaryMode);

}  // namespace qfc
