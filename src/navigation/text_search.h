// Find Next: searches the text column of one result grid for the Find
// dialog's value, from the active row and, inside it, from just after the
// previous match, and selects the match in the cell's editor. Holds the
// search state for the main window's whole life.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/side.h"
#include "grid/grid.h"
#include "navigation/find_settings.h"
#include "ui/platform.h"

namespace qfc {

class TextSearch {
 public:
  // Lets the window system run once, so that a cell editor just opened
  // exists before its selection is set.
  using Yield = std::function<void()>;

  TextSearch(PerSide<Grid*> grids, Platform& platform, Yield yield);

  // One search step with the settings as they are now. Runs off the last
  // row into the continue-at-the-top question, or into "can not be found"
  // once the search was continued and the value was never found. Errors end
  // in a message box; the state keeps what it had reached.
  void FindNext(const FindSettings& settings);

  // The next search starts at the beginning of the active row, with the
  // wrap state cleared (the dialog's options were changed).
  void ResetSrcPos();
  // A click in a grid: the next search starts at the beginning of the row;
  // the wrap state is kept.
  void ResetSrcPosInRow();

  // Makes column 1 of `row` the active cell, opens its editor and selects
  // `length` bytes from byte `start` (0-based).
  void EditCellSelect(Grid& grid, std::int32_t row, std::int16_t start, std::int16_t length);

  [[nodiscard]] const std::string& LastFindValue() const { return lastFindValue_; }
  // 1-based byte position in the current row where the search resumes; unset
  // until the first search with a new value or the first reset.
  [[nodiscard]] std::optional<std::int32_t> SrcPos() const { return srcPos_; }
  // The user agreed to continue from the top since the last reset.
  [[nodiscard]] bool SearchWrapped() const { return searchWrapped_; }
  // The current value was found at least once.
  [[nodiscard]] bool SearchHit() const { return searchHit_; }

 private:
  void Search(const FindSettings& settings);
  void AskToContinue(const FindSettings& settings, Grid& grid);

  PerSide<Grid*> grids_;
  Platform& platform_;
  Yield yield_;

  std::string lastFindValue_;
  std::optional<std::int32_t> srcPos_;
  bool searchWrapped_ = false;
  bool searchHit_ = false;
};

}  // namespace qfc
