// The whole content of one input file, in memory: a read-only mapping of a
// regular file (nothing copied, no fresh memory to fill), or the bytes read
// from anything that cannot be mapped. A line list reads its lines from here
// and keeps it alive as long as it needs them.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "core/huge_page_allocator.h"

namespace qfc {

class FileBytes {
 public:
  using Buffer = std::vector<char, HugePageAllocator<char>>;

  // The first `length` bytes of the open file `fd`, mapped when the system
  // allows it, else read; a file that is shorter by now ends early. Read
  // failures throw LoadFailure.
  [[nodiscard]] static std::shared_ptr<const FileBytes> MapOrRead(int fd, std::size_t length);
  // Bytes already read.
  [[nodiscard]] static std::shared_ptr<const FileBytes> Hold(Buffer bytes);

  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;
  ~FileBytes();

  [[nodiscard]] std::string_view View() const { return view_; }

 private:
  FileBytes() = default;

  std::string_view view_;
  void* mapping_ = nullptr;  // when mapped; view_ covers it
  Buffer held_;              // when read
};

}  // namespace qfc
