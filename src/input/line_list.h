// The lines of one file, in file order, addressed by 1-based line number.
//
// A line is read where it lies in the file's bytes (the list's source, which
// the list keeps alive); only a line that holds a tab, or one appended without
// a source, is copied with its tabs expanded into the list's own arena. Per
// line the list keeps eight bytes: where the line's text ends in the source
// (the next line starts after the line end there) and the hash of its
// case-folded text, so that the index and the engine never hash a line twice.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/huge_page_allocator.h"
#include "input/file_bytes.h"
#include "input/folded_text.h"

namespace qfc {

// Tabs become exactly this text, wherever they stand.
inline constexpr std::string_view kTabReplacement = "    ";

class LineList {
 public:
  // The bytes that lines appended from now on are read from, when they lie
  // there one after the other, each behind the previous one's line end.
  // Sources longer than 2^31 - 1 bytes are not taken.
  void SetSource(std::shared_ptr<const FileBytes> source);

  // Room for about `bytes` of copied text in `lines` lines; only a hint.
  void Reserve(std::uint64_t bytes, std::uint64_t lines);
  // Makes room for `factor` times the lines and copied texts held now, for
  // a list that has seen a part of its file; only a hint.
  void ReserveLike(double factor);

  // Appends a line as the reader returned it (without its line end); every
  // tab becomes four spaces. Returns the new line's number.
  std::int32_t AppendExpandingTabs(std::string_view raw);

  // Forgets every line after the first `count`, as if they had never been
  // appended; keeps the room reserved.
  void KeepFirst(std::int32_t count);

  [[nodiscard]] std::int32_t Count() const { return static_cast<std::int32_t>(records_.size()); }
  // lineNo in 1..Count().
  [[nodiscard]] std::string_view Line(std::int32_t lineNo) const;
  [[nodiscard]] LineHash Hash(std::int32_t lineNo) const { return records_[Slot(lineNo)].hash; }
  // Bytes of all texts as stored, tabs expanded.
  [[nodiscard]] std::uint64_t TextBytes() const { return textBytes_; }

 private:
  [[nodiscard]] static std::size_t Slot(std::int32_t lineNo) {
    return static_cast<std::size_t>(lineNo - 1);
  }

  // Where a line ends in the source, or for a copied line, which copy.
  static constexpr std::uint32_t kCopied = std::uint32_t{1} << 31;
  struct Record {
    std::uint32_t end;  // source offset where the text ends; kCopied | copy number
    LineHash hash;
  };
  // Copies lie one after the other in arena_: a copy ends where the next begins.
  struct Copy {
    std::uint64_t begin;      // in arena_
    std::uint32_t sourceEnd;  // as Record::end; kNoSourceEnd without a source
  };
  static constexpr std::uint32_t kNoSourceEnd = ~std::uint32_t{0};

  [[nodiscard]] std::uint32_t SourceEnd(std::size_t slot) const;
  // Where the line after `slot` starts in the source; kNoSourceEnd if nowhere.
  [[nodiscard]] std::uint64_t NextSourceBegin() const;
  void AppendCopy(std::string_view raw, std::uint32_t sourceEnd);

  std::shared_ptr<const FileBytes> source_;
  std::string_view sourceText_;
  std::vector<Record, HugePageAllocator<Record>> records_;
  std::vector<Copy> copies_;
  std::basic_string<char, std::char_traits<char>, HugePageAllocator<char>> arena_;
  std::uint64_t textBytes_ = 0;
};

}  // namespace qfc
