#include "input/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "input/load_failure.h"

namespace qfc {
namespace {

// A stream is taken in by blocks of this size; the cancel check runs once per block.
constexpr std::size_t kStreamBlock = std::size_t{1} << 20;

[[noreturn]] void ThrowSystemError(int error) { throw LoadFailure(std::strerror(error)); }

// Fills `into` with up to `size` bytes from `readSome(at, count, done)` (a
// read or pread that may return less), retrying an interrupted call; stops
// early only at the end of the file. Answers the bytes read.
template <typename ReadSome>
std::size_t FillFrom(char* into, std::size_t size, ReadSome readSome) {
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = readSome(into + got, size - got, got);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowSystemError(errno);
    }
    got += static_cast<std::size_t>(n);
  }
  return got;
}

// The kinds of entry that are read; everything else "does not exist".
[[nodiscard]] bool IsReadableKind(mode_t mode) {
  return S_ISREG(mode) || S_ISCHR(mode) || S_ISBLK(mode) || S_ISFIFO(mode);
}

}  // namespace

InputFile InputFile::Open(const std::string& path) {
  InputFile file;
  // A path with a NUL in it cannot reach the file system intact.
  if (path.empty() || path.find('\0') != std::string::npos) return file;
  // O_NONBLOCK keeps a named pipe without a writer from blocking the open;
  // it is cleared at once, so that reading waits for the writer's data.
  file.fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  struct stat status {};
  if (file.fd_ < 0) {
    // Only to tell "not there" from "there but not for us": nothing is read
    // by name after this.
    file.openError_ = errno;
    file.exists_ = ::stat(path.c_str(), &status) == 0 && IsReadableKind(status.st_mode);
    file.length_ =
        file.exists_ && S_ISREG(status.st_mode) ? static_cast<std::uint64_t>(status.st_size) : 0;
    return file;
  }
  if (::fstat(file.fd_, &status) != 0 || !IsReadableKind(status.st_mode)) {
    file.Close();
    return file;
  }
  const int flags = ::fcntl(file.fd_, F_GETFL);
  if (flags >= 0) ::fcntl(file.fd_, F_SETFL, flags & ~O_NONBLOCK);
  file.exists_ = true;
  file.isStream_ = !S_ISREG(status.st_mode) || status.st_size <= 0;
  file.length_ = file.isStream_ ? 0 : static_cast<std::uint64_t>(status.st_size);
  if (!file.isStream_) {
    file.device_ = static_cast<std::uint64_t>(status.st_dev);
    file.inode_ = static_cast<std::uint64_t>(status.st_ino);
  }
  return file;
}

bool InputFile::IsSameFileAs(const InputFile& other) const {
  return fd_ >= 0 && other.fd_ >= 0 && !isStream_ && !other.isStream_ && !held_ &&
         !other.held_ && device_ == other.device_ && inode_ == other.inode_ &&
         length_ == other.length_;
}

InputFile::InputFile(InputFile&& other) noexcept { *this = std::move(other); }

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    openError_ = other.openError_;
    exists_ = other.exists_;
    isStream_ = other.isStream_;
    held_ = other.held_;
    length_ = other.length_;
    device_ = other.device_;
    inode_ = other.inode_;
    heldBytes_ = std::move(other.heldBytes_);
  }
  return *this;
}

InputFile::~InputFile() { Close(); }

void InputFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void InputFile::ThrowIfUnreadable() const {
  if (fd_ < 0) ThrowSystemError(openError_ != 0 ? openError_ : ENOENT);
}

void InputFile::HoldWholeStream(std::uint64_t limit, const std::function<bool()>& canceled) {
  ThrowIfUnreadable();
  // An empty stream ends at the first read, before anyone is asked about a
  // cancel: an empty file costs no progress call.
  std::size_t held = 0;
  for (;;) {
    if (heldBytes_.size() - held < kStreamBlock) {
      heldBytes_.resize(std::max(heldBytes_.size() * 2, held + kStreamBlock));
    }
    const std::size_t got =
        ReadNext(heldBytes_.data() + held, std::min(kStreamBlock, heldBytes_.size() - held));
    held += got;
    if (got == 0 || held > limit || canceled()) break;
  }
  heldBytes_.resize(held);
  heldBytes_.shrink_to_fit();
  held_ = true;
  length_ = held;
}

std::size_t InputFile::ReadAt(std::uint64_t offset, char* into, std::size_t size) {
  if (held_) {
    if (offset >= heldBytes_.size()) return 0;
    const std::size_t count =
        std::min<std::uint64_t>(size, heldBytes_.size() - static_cast<std::size_t>(offset));
    std::memcpy(into, heldBytes_.data() + offset, count);
    return count;
  }
  ThrowIfUnreadable();
  return FillFrom(into, size, [&](char* at, std::size_t count, std::size_t done) {
    return ::pread(fd_, at, count, static_cast<off_t>(offset + done));
  });
}

std::shared_ptr<const FileBytes> InputFile::TakeBytes() {
  if (held_) return FileBytes::Hold(std::exchange(heldBytes_, {}));
  ThrowIfUnreadable();
  return FileBytes::MapOrRead(fd_, static_cast<std::size_t>(length_));
}

std::size_t InputFile::ReadNext(char* into, std::size_t size) {
  ThrowIfUnreadable();
  return FillFrom(into, size,
                  [&](char* at, std::size_t count, std::size_t) { return ::read(fd_, at, count); });
}

PerSide<InputFile> OpenInputFiles(const PerSide<std::string>& paths) {
  PerSide<InputFile> files;
  for (Side side : kBothSides) files[side] = InputFile::Open(paths[side]);
  return files;
}

}  // namespace qfc
