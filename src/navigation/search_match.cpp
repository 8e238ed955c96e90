#include "navigation/search_match.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <algorithm>

namespace qfc {

namespace {

[[nodiscard]] bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

[[nodiscard]] bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

constexpr char32_t kLatin1Last = 0xFF;

// Bytes of the UTF-8 sequence that starts with `lead` (valid text only).
[[nodiscard]] std::size_t Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  return 4;
}

}  // namespace

UpperCased UpperCase(std::string_view text) {
  UpperCased upper;
  upper.bytes.reserve(text.size());
  upper.origin.reserve(text.size() + 1);
  const auto append = [&upper](const QByteArray& bytes, std::size_t from) {
    for (const char c : bytes) {
      upper.bytes.push_back(c);
      upper.origin.push_back(static_cast<std::int32_t>(from));
    }
  };
  if (!IsValidUtf8(text)) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      const char32_t capital = QChar::toUpper(static_cast<char32_t>(byte));
      upper.bytes.push_back(static_cast<char>(capital <= kLatin1Last ? capital : byte));
      upper.origin.push_back(static_cast<std::int32_t>(i));
    }
  } else {
    std::size_t i = 0;
    while (i < text.size()) {
      const std::size_t length = Utf8Length(static_cast<unsigned char>(text[i]));
      char32_t code = static_cast<unsigned char>(text[i]) & (length == 1 ? 0x7Fu : 0x3Fu >> (length - 1));
      for (std::size_t k = 1; k < length; ++k) {
        code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
      }
      const char32_t capital = QChar::toUpper(code);
      append(capital == code ? QByteArray(text.data() + i, static_cast<qsizetype>(length))
                             : QString::fromUcs4(&capital, 1).toUtf8(),
             i);
      i += length;
    }
  }
  upper.origin.push_back(static_cast<std::int32_t>(text.size()));
  return upper;
}

std::int32_t MatchPosition(std::string_view text, std::string_view value, std::int32_t from) {
  if (text.empty() || from < 1 || static_cast<std::size_t>(from) > text.size()) return 0;
  const std::size_t found = text.find(value, static_cast<std::size_t>(from - 1));
  return found == std::string_view::npos ? 0 : static_cast<std::int32_t>(found + 1);
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t extra = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      code = lead & 0x07u;
    } else {
      return false;
    }
    if (i + extra >= bytes.size()) return false;  // truncated sequence
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if (!IsContinuation(next)) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and code points beyond Unicode are invalid.
    constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
      return false;
    }
    i += extra + 1;
  }
  return true;
}

std::string ValueForRow(const std::string& value, std::string_view rowText) {
  if (IsAscii(value) || IsValidUtf8(rowText) || !IsValidUtf8(value)) return value;
  std::string latin1;
  latin1.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto lead = static_cast<unsigned char>(value[i]);
    if (lead < 0x80) {
      latin1.push_back(static_cast<char>(lead));
    } else if (lead == 0xC2 || lead == 0xC3) {
      // U+0080..U+00FF: two bytes, the second carrying the low six bits.
      const auto next = static_cast<unsigned char>(value[++i]);
      latin1.push_back(static_cast<char>(((lead & 0x03u) << 6) | (next & 0x3Fu)));
    } else {
      return value;  // not representable in Latin-1: the row cannot show it
    }
  }
  return latin1;
}

}  // namespace qfc
