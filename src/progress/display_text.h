// How the program's byte texts appear on screen: as UTF-8 where the bytes are
// valid UTF-8, else one character per byte (Latin-1), so that no byte is lost
// or turned into a replacement mark.
#pragma once

#include <QString>
#include <string_view>

namespace qfc {

[[nodiscard]] QString ToDisplayText(std::string_view bytes);

}  // namespace qfc
