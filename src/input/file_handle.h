// A file opened for reading only (never created, never written), closed when
// the handle goes. Failures throw LoadFailure with the system's message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qfc {

class FileHandle {
 public:
  FileHandle() = default;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }

  void Open(const std::string& path);
  void Close();
  [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }

  // Reads up to `size` bytes into `into`, stopping early only at the end of
  // the file; returns how many were read. A file that shrank while being read
  // simply ends early.
  [[nodiscard]] std::size_t ReadUpTo(char* into, std::size_t size);

 private:
  int fd_ = -1;
};

// The size of the file at `path` in bytes; throws LoadFailure when it cannot
// be measured.
[[nodiscard]] std::uint64_t FileLength(const std::string& path);

}  // namespace qfc
