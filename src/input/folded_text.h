// Line texts compared without regard to the case of A-Z: the case folding,
// the equality test and the hash the line index and the engine share.
//
// The hash is keyed with values drawn at random once per run, so that no one
// can write lines that all land on one slot of an index and make indexing
// quadratic. Results never depend on the hash (equal hashes are always
// confirmed by comparing the texts); only the time does.
#pragma once

#include <cstdint>
#include <string_view>

namespace qfc {

// What FoldedHash answers: 32 bits, which an index entry keeps whole.
using LineHash = std::uint32_t;

// Folds A-Z to a-z and leaves every other byte alone.
[[nodiscard]] constexpr unsigned char FoldCase(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Hash of the text with A-Z folded to a-z: texts that differ only in the case
// of those letters hash alike.
[[nodiscard]] LineHash FoldedHash(std::string_view text);

// True when the texts are equal once A-Z are folded to a-z.
[[nodiscard]] bool EqualFolded(std::string_view a, std::string_view b);

// Derives the hash's keys from `seed` instead of the random draw, for tests
// that need lines whose hashes they know. Call before any line is hashed.
void SetLineHashSeed(std::uint64_t seed);

}  // namespace qfc
