// The one exception of the file input: a failure that ends LoadFiles, with a
// short plain description for the user ("Overflow", "Permission denied").
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace qfc {

// Description of a failure when a 32-bit counter would overflow.
inline constexpr std::string_view kOverflowDescription = "Overflow";

class LoadFailure : public std::runtime_error {
 public:
  explicit LoadFailure(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace qfc
