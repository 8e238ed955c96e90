// The scan walks down the searched grid from its active row, looking in each
// row for the value from SrcPos on; a row passed without a match sets SrcPos
// back to 1. A match opens the cell's editor with the match selected and
// moves SrcPos just behind it, so the next call finds the next occurrence in
// the same row before moving on. Running past the last row asks whether to
// go on at the top; "can not be found" comes only when the search was
// already continued from the top and the value was never found.
//
// Case is ignored by comparing upper-cased copies: the dialog upper-cases
// the value, the scan each row's text, character by character, so that
// accented and non-Latin letters fold as well as a-z.
#include "navigation/text_search.h"

#include <limits>
#include <stdexcept>
#include <utility>

#include "core/run_catching_failure.h"
#include "navigation/row_in_view.h"
#include "navigation/search_match.h"
#include "ui/message_box.h"

namespace qfc {

namespace {

constexpr char kNoMatchToEnd[] = "No match found to end of file.";
constexpr char kContinueAtTop[] = "Would you like to continue to search at the top of the file?";
constexpr char kNotFound[] = "The search string can not be found!";
constexpr char kFindFailed[] = "Error processing Find";

// The editor's selection start and length are 16-bit.
[[nodiscard]] std::int16_t ToSelectionUnit(std::size_t value) {
  if (value > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
    throw std::overflow_error("Overflow");
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace

TextSearch::TextSearch(PerSide<Grid*> grids, Platform& platform, Yield yield)
    : grids_(grids), platform_(platform), yield_(std::move(yield)) {}

void TextSearch::FindNext(const FindSettings& settings) {
  if (const auto failure = RunCatchingFailure([&] { Search(settings); })) {
    ReportFailure(platform_, kFindFailed, *failure);
  }
}

void TextSearch::ResetSrcPos() {
  srcPos_ = 1;
  searchWrapped_ = false;
}

void TextSearch::ResetSrcPosInRow() { srcPos_ = 1; }

void TextSearch::EditCellSelect(Grid& grid, std::int32_t row, std::int16_t start,
                                std::int16_t length) {
  grid.SetActiveCell(kTextColumn, row);
  grid.BeginEdit();
  if (yield_) yield_();
  grid.SetEditSelection(start, length);
}

void TextSearch::Search(const FindSettings& settings) {
  Grid& grid = *grids_[settings.SearchSide()];
  const std::int32_t rowCount = grid.RowCount();

  const std::string value = settings.FindValue();
  if (value != lastFindValue_) {
    searchHit_ = false;
    ResetSrcPos();
    lastFindValue_ = value;
  }

  std::int32_t start = grid.ActiveRow();
  if (start > grid.RowCount()) start = 1;
  // A grid reports an active row inside its rows; this keeps a stray 0 from
  // reading the column header.
  if (start < 1) start = 1;

  for (std::int32_t row = start; row <= rowCount; ++row) {
    const std::string text = grid.CellText(kTextColumn, row);
    // Ignoring case searches an upper-cased copy; positions in it are mapped
    // back to the row's own bytes for the selection.
    std::optional<UpperCased> upper;
    if (!settings.MatchCase()) upper = UpperCase(text);
    const std::string& searched = upper ? upper->bytes : text;
    if (!srcPos_) {
      // Only an empty first value gets here: nothing has set the position yet.
      throw std::invalid_argument("Type mismatch");
    }
    const std::string rowValue = ValueForRow(value, text);
    const std::int32_t pos = MatchPosition(searched, rowValue, *srcPos_);
    if (pos != 0) {
      searchHit_ = true;
      const auto end = static_cast<std::size_t>(pos - 1) + rowValue.size();
      const std::size_t from = upper ? upper->origin[pos - 1] : pos - 1;
      const std::size_t to = upper ? upper->origin[end] : end;
      grid.SetFocus();
      BringIntoView(grid, row);
      grid.SetActiveCell(kTextColumn, row);
      EditCellSelect(grid, row, ToSelectionUnit(from), ToSelectionUnit(to - from));
      srcPos_ = pos + static_cast<std::int32_t>(rowValue.size());
      return;
    }
    srcPos_ = 1;
  }

  AskToContinue(settings, grid);
}

void TextSearch::AskToContinue(const FindSettings& settings, Grid& grid) {
  if (!searchWrapped_ || searchHit_) {
    const MessageAnswer answer =
        ShowMessageBox(platform_, MessageIcon::Question, kAppTitle,
                       std::string(kNoMatchToEnd) + kLineBreak + kContinueAtTop);
    if (answer == MessageAnswer::Yes) {
      searchWrapped_ = true;
      grid.SetActiveCell(kTextColumn, 1);
      FindNext(settings);
    }
    return;
  }
  ShowMessageBox(platform_, MessageIcon::Exclamation, kAppTitle, kNotFound);
}

}  // namespace qfc
