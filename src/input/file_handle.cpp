#include "input/file_handle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "input/load_failure.h"

namespace qfc {
namespace {

[[noreturn]] void ThrowSystemError(int error) { throw LoadFailure(std::strerror(error)); }

}  // namespace

void FileHandle::Open(const std::string& path) {
  Close();
  // O_NONBLOCK keeps a named pipe given as a path from blocking the open;
  // for regular files it changes nothing.
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) ThrowSystemError(errno);
}

void FileHandle::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::size_t FileHandle::ReadUpTo(char* into, std::size_t size) {
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd_, into + got, size - got);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowSystemError(errno);
    }
    got += static_cast<std::size_t>(n);
  }
  return got;
}

std::uint64_t FileLength(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) ThrowSystemError(errno);
  return static_cast<std::uint64_t>(info.st_size);
}

}  // namespace qfc
