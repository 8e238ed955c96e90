// The byte-level rules of the text search: case folding, where a value
// occurs inside one row, and the form the value takes in a row that is
// shown as Latin-1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qfc {

// A text upper-cased for a search that ignores case, with the way back to
// the original bytes: the folded text can be longer or shorter than the
// original where a character's capital takes another number of bytes.
struct UpperCased {
  std::string bytes;
  // origin[i]: the original byte offset of folded byte i; one more entry for
  // the end of the text.
  std::vector<std::int32_t> origin;
};

// The platform's upper-case mapping of each character: for UTF-8 text per
// code point, for any other text per byte read as Latin-1 (a capital outside
// Latin-1 leaves the byte as it is).
[[nodiscard]] UpperCased UpperCase(std::string_view text);

// The 1-based position of the first occurrence of `value` in `text` that
// begins at or after the 1-based position `from`; 0 when there is none, when
// the text is empty or when `from` lies beyond it. An empty value occurs at
// `from` itself whenever that is inside a non-empty text.
[[nodiscard]] std::int32_t MatchPosition(std::string_view text, std::string_view value,
                                         std::int32_t from);

// True when the bytes are well-formed UTF-8.
[[nodiscard]] bool IsValidUtf8(std::string_view bytes);

// The search value, typed as UTF-8, in the encoding the row is shown in: a
// row that is not valid UTF-8 is shown as Latin-1, so a value made only of
// Latin-1 characters is searched there in its Latin-1 bytes. Every other
// case answers the value unchanged.
[[nodiscard]] std::string ValueForRow(const std::string& value, std::string_view rowText);

}  // namespace qfc
