#include "input/file_bytes.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "input/load_failure.h"

namespace qfc {

std::shared_ptr<const FileBytes> FileBytes::MapOrRead(int fd, std::size_t length) {
  std::shared_ptr<FileBytes> bytes(new FileBytes);
  if (length == 0) return bytes;
  void* mapping = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, 0);
  // Bytes past the end of a file that shrank since it was measured cannot be
  // read through a mapping: such a file is read instead, and ends early.
  struct stat status {};
  if (mapping != MAP_FAILED &&
      (::fstat(fd, &status) != 0 || static_cast<std::uint64_t>(status.st_size) < length)) {
    ::munmap(mapping, length);
    mapping = MAP_FAILED;
  }
  if (mapping != MAP_FAILED) {
    bytes->mapping_ = mapping;
    bytes->view_ = {static_cast<const char*>(mapping), length};
    return bytes;
  }
  bytes->held_.resize(length);
  std::size_t got = 0;
  while (got < length) {
    const ssize_t n = ::pread(fd, bytes->held_.data() + got, length - got, static_cast<off_t>(got));
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw LoadFailure(std::strerror(errno));
    }
    got += static_cast<std::size_t>(n);
  }
  bytes->held_.resize(got);
  bytes->view_ = {bytes->held_.data(), got};
  return bytes;
}

std::shared_ptr<const FileBytes> FileBytes::Hold(Buffer held) {
  std::shared_ptr<FileBytes> bytes(new FileBytes);
  bytes->held_ = std::move(held);
  bytes->view_ = {bytes->held_.data(), bytes->held_.size()};
  return bytes;
}

FileBytes::~FileBytes() {
  if (mapping_ != nullptr) ::munmap(mapping_, view_.size());
}

}  // namespace qfc
