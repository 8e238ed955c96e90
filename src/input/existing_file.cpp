#include "input/existing_file.h"

#include <sys/stat.h>

namespace qfc {

bool IsExistingFile(const std::string& path) {
  // A path with a NUL in it cannot reach the file system intact.
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace qfc
