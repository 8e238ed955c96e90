#include "cli/quoted_name.h"

#include <algorithm>

namespace qfc::cli {
namespace {

constexpr unsigned char kBlank = 0x20;
constexpr unsigned char kFirstNonAscii = 0x80;
constexpr int kOctalDigits = 3;
constexpr int kOctalBitsPerDigit = 3;
constexpr unsigned char kOctalDigitMask = 07;

[[nodiscard]] bool NeedsQuotes(unsigned char byte) {
  return byte <= kBlank || byte == '"' || byte == '\\' || byte >= kFirstNonAscii;
}

// The letter of the escape C has for the byte, or 0.
[[nodiscard]] char EscapeLetter(unsigned char byte) {
  switch (byte) {
    case '\a':
      return 'a';
    case '\b':
      return 'b';
    case '\t':
      return 't';
    case '\n':
      return 'n';
    case '\v':
      return 'v';
    case '\f':
      return 'f';
    case '\r':
      return 'r';
    case '"':
      return '"';
    case '\\':
      return '\\';
    default:
      return 0;
  }
}

}  // namespace

std::string QuotedName(std::string_view name) {
  if (std::none_of(name.begin(), name.end(),
                   [](char c) { return NeedsQuotes(static_cast<unsigned char>(c)); })) {
    return std::string(name);
  }
  std::string quoted = "\"";
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (const char letter = EscapeLetter(byte); letter != 0) {
      quoted.append({'\\', letter});
    } else if (byte < kBlank || byte >= kFirstNonAscii) {
      quoted += '\\';
      for (int digit = kOctalDigits - 1; digit >= 0; --digit) {
        quoted +=
            static_cast<char>('0' + ((byte >> (digit * kOctalBitsPerDigit)) & kOctalDigitMask));
      }
    } else {
      quoted += c;
    }
  }
  quoted += '"';
  return quoted;
}

}  // namespace qfc::cli
