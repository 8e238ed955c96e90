// Whether a path names a file the loader can read: a regular file, or a
// symbolic link to one. Directories, pipes, devices and sockets count as not
// existing, since reading them would fail or never end.
#pragma once

#include <string>

namespace qfc {

[[nodiscard]] bool IsExistingFile(const std::string& path);

}  // namespace qfc
