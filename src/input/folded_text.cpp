#include "input/folded_text.h"

#include <chrono>
#include <cstring>
#include <random>

namespace qfc {
namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::size_t kWord = sizeof(std::uint64_t);

// Odd constants with well-mixed bits: they spread a seed over the keys.
constexpr std::uint64_t kSpread0 = 0xa0761d6478bd642fULL;
constexpr std::uint64_t kSpread1 = 0xe7037ed1a0b428dbULL;
constexpr std::uint64_t kSpread2 = 0x8ebc6af09c88c6e3ULL;

// The hash's keys. Every step mixes a key into the data, so that without the
// keys no input can be chosen to cancel the state.
struct HashKeys {
  std::uint64_t start;
  std::uint64_t data;
  std::uint64_t state;
};

// 64 x 64 -> 128-bit multiply, folded back to 64 bits.
[[nodiscard]] inline std::uint64_t MultiplyFold(std::uint64_t a, std::uint64_t b) {
  const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
  return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

[[nodiscard]] HashKeys KeysFrom(std::uint64_t seed) {
  return {MultiplyFold(seed ^ kSpread0, kSpread1), MultiplyFold(seed ^ kSpread1, kSpread2),
          MultiplyFold(seed ^ kSpread2, kSpread0)};
}

[[nodiscard]] HashKeys DrawKeys() {
  try {
    std::random_device device;
    return KeysFrom((static_cast<std::uint64_t>(device()) << 32) ^ device());
  } catch (...) {
    // No source of randomness: the clock still differs from run to run.
    return KeysFrom(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  }
}

HashKeys gKeys = DrawKeys();

// Folds A-Z to a-z in all eight bytes of a word at once: a byte gets its 0x20
// bit when its low seven bits lie in 'A'..'Z' and its high bit is clear. The
// additions cannot carry from one byte into the next.
[[nodiscard]] constexpr std::uint64_t FoldWord(std::uint64_t word) {
  const std::uint64_t low7 = word & ~kHighBits;
  const std::uint64_t atLeastA = low7 + (0x80 - 'A') * kEveryByte;
  const std::uint64_t aboveZ = low7 + (0x80 - 'Z' - 1) * kEveryByte;
  const std::uint64_t upper = atLeastA & ~aboveZ & ~word & kHighBits;
  return word | (upper >> 2);
}

[[nodiscard]] inline std::uint64_t LoadWord(const char* at) {
  std::uint64_t word = 0;
  std::memcpy(&word, at, kWord);
  return word;
}

// The last 1..8 bytes, zero-padded.
[[nodiscard]] inline std::uint64_t LoadTail(const char* at, std::size_t count) {
  std::uint64_t word = 0;
  std::memcpy(&word, at, count);
  return word;
}

}  // namespace

void SetLineHashSeed(std::uint64_t seed) { gKeys = KeysFrom(seed); }

LineHash FoldedHash(std::string_view text) {
  // Sixteen folded bytes per multiply; the tail is zero-padded, and the
  // length keeps texts that differ only by trailing NUL bytes apart.
  const HashKeys keys = gKeys;
  std::uint64_t hash = keys.start ^ (text.size() * kSpread1);
  const char* at = text.data();
  std::size_t left = text.size();
  for (; left > 2 * kWord; left -= 2 * kWord, at += 2 * kWord) {
    hash = MultiplyFold(FoldWord(LoadWord(at)) ^ keys.data,
                        FoldWord(LoadWord(at + kWord)) ^ hash ^ keys.state);
  }
  if (left > kWord) {
    hash = MultiplyFold(FoldWord(LoadWord(at)) ^ keys.data,
                        FoldWord(LoadTail(at + kWord, left - kWord)) ^ hash ^ keys.state);
  } else if (left > 0) {
    hash = MultiplyFold(FoldWord(LoadTail(at, left)) ^ keys.data, hash ^ keys.state);
  }
  const std::uint64_t mixed = MultiplyFold(hash ^ keys.start, kSpread1);
  return static_cast<LineHash>(mixed ^ (mixed >> 32));
}

bool EqualFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  // Texts that meet here mostly share their hash and are equal byte for byte.
  if (std::memcmp(a.data(), b.data(), a.size()) == 0) return true;
  std::size_t at = 0;
  for (; at + kWord <= a.size(); at += kWord) {
    if (FoldWord(LoadWord(a.data() + at)) != FoldWord(LoadWord(b.data() + at))) return false;
  }
  for (; at < a.size(); ++at) {
    if (FoldCase(static_cast<unsigned char>(a[at])) != FoldCase(static_cast<unsigned char>(b[at])))
      return false;
  }
  return true;
}

}  // namespace qfc
