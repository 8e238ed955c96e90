// Where the engine delivers its aligned rows: the window's grids, or the
// headless command's printer. Plain C++.
#pragma once

#include <cstdint>

namespace qfc {

// A line number of one side of a row; kNoLine when the row has no line there.
inline constexpr std::int32_t kNoLine = -1;

class RowSink {
 public:
  virtual ~RowSink() = default;

  // Both sides back to zero rows, left first.
  virtual void ResetRows() = 0;
  // Appends one aligned row; either number may be kNoLine.
  virtual void AddGridRow(std::int32_t leftLine, std::int32_t rightLine) = 0;
  // After the last row: size the columns for `rowCount` rows.
  virtual void SizeColumns(std::int32_t rowCount) = 0;
};

}  // namespace qfc
