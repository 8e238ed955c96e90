// Whether the texts of a row's two lines differ, as the window colours them
// and the headless command marks them: two blank texts (empty or spaces only)
// are equal; any others are compared exactly, byte for byte, letter case
// included.
#pragma once

#include <string_view>

namespace qfc {

[[nodiscard]] inline bool LinesDiffer(std::string_view left, std::string_view right) {
  const auto blank = [](std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
  };
  if (blank(left) && blank(right)) return false;
  return left != right;
}

}  // namespace qfc
