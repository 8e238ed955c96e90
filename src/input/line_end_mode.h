// Which rule ends the lines of a pair, as the user chose it with "--eol=":
// "crlf", the default, is the legacy rule under which a file is text only
// while its lines agree with its CR LF pairs; "any" takes everyday files,
// whatever their line ends, as text (see line_end_splitter.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qfc {

enum class LineEndMode { CrLf, Any };

// The option word that names the mode, followed by its value.
inline constexpr std::string_view kLineEndOption = "--eol=";

// The mode a value of "--eol=" names; nothing for an unknown value.
[[nodiscard]] constexpr std::optional<LineEndMode> LineEndModeNamed(std::string_view value) {
  if (value == "crlf") return LineEndMode::CrLf;
  if (value == "any") return LineEndMode::Any;
  return std::nullopt;
}

// The description of the error an unknown value raises.
[[nodiscard]] inline std::string UnknownLineEndModeText(std::string_view value) {
  return "Unknown line-end mode: " + std::string(value) + ".";
}

}  // namespace qfc
