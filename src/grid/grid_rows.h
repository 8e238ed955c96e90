// The rows of one result grid in compact form: eight bytes a row, its header
// line number, the two colours of its text cell and where its text comes
// from. A row that shows a line of the grid's line source keeps no bytes of
// it; any other text lies in one byte arena. The hidden copy of a row's text
// shares the text; only a row whose visible text was changed keeps its copy
// apart.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "grid/chunked_array.h"
#include "grid/grid.h"
#include "grid/text_arena.h"

namespace qfc {

// A header that shows a blank instead of a line number.
inline constexpr std::int32_t kBlankHeader = -1;

class GridRows {
 public:
  [[nodiscard]] std::int32_t Count() const { return static_cast<std::int32_t>(rows_.size()); }
  // Grows with empty rows in default colours, or drops rows from the end.
  // Dropping to zero releases every text.
  void Resize(std::int32_t count);

  // rows count from 1 here, as in the grid.
  [[nodiscard]] std::int32_t Header(std::int32_t row) const { return At(row).header; }
  // The header as shown: the number in decimal, a blank, or a free text.
  [[nodiscard]] std::string HeaderText(std::int32_t row) const;
  // Keeps decimal numbers compactly; any other text is kept as it is.
  void SetHeaderText(std::int32_t row, std::string_view text);
  void SetHeader(std::int32_t row, std::int32_t lineNo);

  // Where SetLine reads its lines; kept while the rows are.
  void SetSource(std::shared_ptr<const LineSource> source) { source_ = std::move(source); }
  // The row shows line `lineNo` of the source: header, text and copy.
  void SetLine(std::int32_t row, std::int32_t lineNo);

  [[nodiscard]] std::string_view Text(std::int32_t row) const;
  [[nodiscard]] std::string_view Copy(std::int32_t row) const;
  void SetText(std::int32_t row, std::string_view text);
  void SetCopy(std::int32_t row, std::string_view text);

  [[nodiscard]] ColorValue ForeColor(std::int32_t row) const { return colors_[At(row).fore]; }
  // True when both colours are the defaults, the row of equal lines; cheaper
  // than reading them, for scans over every row.
  [[nodiscard]] bool HasDefaultColors(std::int32_t row) const {
    const Row& r = At(row);
    return r.fore == kDefaultTextSlot && r.back == kDefaultBackSlot;
  }
  [[nodiscard]] ColorValue BackColor(std::int32_t row) const { return colors_[At(row).back]; }
  void SetForeColor(std::int32_t row, ColorValue color) { At(row).fore = ColorSlot(color); }
  void SetBackColor(std::int32_t row, ColorValue color) { At(row).back = ColorSlot(color); }

  // Bytes of the arena, for the memory budget.
  [[nodiscard]] std::uint64_t ArenaBytes() const { return arena_.Bytes(); }

 private:
  struct Span {
    TextArena::Position offset = 0;
    std::uint32_t length = 0;
  };
  // A grid uses a handful of colours, so a row names them by their slot in
  // colors_; that keeps a row at eight bytes.
  using ColorSlotIndex = std::uint8_t;
  static constexpr ColorSlotIndex kDefaultTextSlot = 0;
  static constexpr ColorSlotIndex kDefaultBackSlot = 1;
  enum class CopyState : std::uint8_t {
    SharesText,
    Empty,     // an empty copy beside a text that is not
    Separate,  // in separateCopies_
  };
  enum class TextState : std::uint8_t {
    Empty,
    SourceLine,  // line `header` of source_
    Stored,      // in storedTexts_
  };
  struct Row {
    std::int32_t header = kBlankHeader;
    ColorSlotIndex fore = kDefaultTextSlot;
    ColorSlotIndex back = kDefaultBackSlot;
    TextState text = TextState::Empty;
    CopyState copy = CopyState::SharesText;
  };
  static_assert(sizeof(Row) == 8);

  [[nodiscard]] Row& At(std::int32_t row) { return rows_[static_cast<std::size_t>(row - 1)]; }
  [[nodiscard]] const Row& At(std::int32_t row) const {
    return rows_[static_cast<std::size_t>(row - 1)];
  }
  [[nodiscard]] std::string_view View(Span span) const {
    return arena_.View(span.offset, span.length);
  }
  [[nodiscard]] Span Store(std::string_view text);
  // A row that shows a source line while its header changes keeps the text
  // as its own bytes from then on.
  void DetachFromSource(Row& r, std::int32_t row);
  [[nodiscard]] ColorSlotIndex ColorSlot(ColorValue color);
  void ShareCopy(Row& r, std::int32_t row);

  TextArena arena_;
  ChunkedArray<Row> rows_;
  std::shared_ptr<const LineSource> source_;
  // Texts that are not source lines, by row.
  std::unordered_map<std::int32_t, Span> storedTexts_;
  std::vector<ColorValue> colors_{kDefaultTextColor, kDefaultBackColor};
  // Copies that no longer share their row's text, by row.
  std::unordered_map<std::int32_t, Span> separateCopies_;
  // Headers that are neither a number nor a blank, by row.
  std::unordered_map<std::int32_t, std::string> freeHeaders_;
};

}  // namespace qfc
