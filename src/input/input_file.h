// A file named on the command line, opened once for reading (never created,
// never written) and checked as the open file: a regular file, a character
// device, a block device or a pipe is read; a directory, a socket or a
// missing path does not exist. Every reading of the file, the loader's byte
// chunks and its lines alike, comes from this one open file, so what was
// checked is what is read.
//
// A regular file whose size the system reports is read at offsets. Anything
// else (a pipe, a device, a /proc file whose size reads as 0) has no length
// to ask for: it is a stream, read to its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/huge_page_allocator.h"
#include "core/side.h"
#include "input/file_bytes.h"

namespace qfc {

class InputFile {
 public:
  // Opens `path` for reading. Never throws: a path that cannot be opened
  // either does not exist (Exists() is false) or keeps the reason, which
  // ThrowIfUnreadable reports.
  [[nodiscard]] static InputFile Open(const std::string& path);

  InputFile() = default;
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  // False for a missing path, a directory, a socket or an empty name.
  [[nodiscard]] bool Exists() const { return exists_; }
  // Throws LoadFailure with the system's message when the path exists but
  // could not be opened (no read permission).
  void ThrowIfUnreadable() const;

  // True for a regular file of a reported, non-zero size. Its Length is that
  // size; it is read at offsets and never held in memory.
  [[nodiscard]] bool HasLength() const { return !isStream_; }
  // True when both are the one regular file (the same device and inode,
  // opened with the same size), whose bytes then need mapping once.
  [[nodiscard]] bool IsSameFileAs(const InputFile& other) const;

  // The reported size, or once HoldWholeStream has run, the bytes held.
  [[nodiscard]] std::uint64_t Length() const { return length_; }

  // Reads a stream to its end into memory, stopping after more than `limit`
  // bytes (Length() then exceeds `limit`) or when `canceled` answers true.
  // Afterwards ReadAt serves the held bytes. Throws LoadFailure when a read
  // fails, std::bad_alloc when memory runs out.
  void HoldWholeStream(std::uint64_t limit, const std::function<bool()>& canceled);

  // Up to `size` bytes from `offset`, fewer only at the end of the file
  // (a file that shrank ends early). Regular files and held streams only.
  [[nodiscard]] std::size_t ReadAt(std::uint64_t offset, char* into, std::size_t size);

  // The whole file, Length() bytes, to be read in place: a regular file is
  // mapped (or read, where it cannot be mapped), and held stream bytes are
  // handed over (ReadAt finds none afterwards). Throws LoadFailure when the
  // file cannot be read.
  [[nodiscard]] std::shared_ptr<const FileBytes> TakeBytes();

  // The next bytes in file order, up to `size`, fewer only at the end.
  // For one reader that goes through the file once, whatever its kind.
  [[nodiscard]] std::size_t ReadNext(char* into, std::size_t size);

 private:
  void Close();

  int fd_ = -1;
  int openError_ = 0;  // errno of a failed open of an existing path
  bool exists_ = false;
  bool isStream_ = false;
  bool held_ = false;
  std::uint64_t length_ = 0;
  std::uint64_t device_ = 0;  // of a regular file
  std::uint64_t inode_ = 0;   // of a regular file
  std::vector<char, HugePageAllocator<char>> heldBytes_;
};

// Both files of a pair, left first.
[[nodiscard]] PerSide<InputFile> OpenInputFiles(const PerSide<std::string>& paths);

}  // namespace qfc
