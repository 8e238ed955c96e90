// Whether a path names an existing regular file (following symbolic links).
#pragma once

#include <string>

namespace qfc::cli {

[[nodiscard]] bool IsRegularFile(const std::string& path);

}  // namespace qfc::cli
