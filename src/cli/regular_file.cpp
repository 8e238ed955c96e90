#include "cli/regular_file.h"

#include <sys/stat.h>

namespace qfc::cli {

bool IsRegularFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace qfc::cli
