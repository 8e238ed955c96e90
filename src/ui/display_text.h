// How a line's bytes appear on screen: as UTF-8 where the whole line is valid
// UTF-8, else as Latin-1 with one character per byte. The program keeps and
// compares bytes; only the widgets see the decoded text.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qfc {

[[nodiscard]] bool ShownAsUtf8(std::string_view bytes);
[[nodiscard]] QString ShownText(std::string_view bytes);

// Turns text edited on screen back into bytes, in the decoding the original
// bytes were shown with; characters Latin-1 cannot hold fall back to UTF-8.
[[nodiscard]] std::string BytesOfShownText(const QString& shown, std::string_view original);

// The position in ShownText(bytes), in UTF-16 units, of byte `bytePosition`;
// a position inside a multi-byte character counts as that character's end.
[[nodiscard]] int ShownPosition(std::string_view bytes, int bytePosition);

}  // namespace qfc
