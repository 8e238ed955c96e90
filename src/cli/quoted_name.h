// A path as the "---" and "+++" lines of a unified diff name it when no
// label was given: as it is, unless it holds a byte that could end the line
// early, be taken for a quote or an escape, or be read differently in another
// encoding. Such a name goes in double quotes with C escapes, as GNU diff
// writes it, so that no name can put a line of its own into the diff.
#pragma once

#include <string>
#include <string_view>

namespace qfc::cli {

// The name unchanged when every byte is a printable ASCII character other
// than the blank, the double quote and the backslash (DEL included, as GNU
// diff leaves it). Otherwise the name in double quotes, where \a \b \t \n \v
// \f \r \" and \\ stand for themselves, other control bytes and bytes from
// 0x80 up are three octal digits after a backslash, and the blank stays a
// blank.
[[nodiscard]] std::string QuotedName(std::string_view name);

}  // namespace qfc::cli
