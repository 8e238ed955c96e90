// Where the engine delivers its aligned rows: the window's grids, or the
// headless command's printer. Plain C++.
#pragma once

#include <cstdint>

#include "core/line_pair.h"

namespace qfc {

class RowSink {
 public:
  virtual ~RowSink() = default;

  // Both sides back to zero rows, left first.
  virtual void ResetRows() = 0;
  // Appends one aligned row; either side may be kNoLine, never both.
  virtual void AddGridRow(LinePair row) = 0;
  // After the last row: size the columns for `rowCount` rows.
  virtual void SizeColumns(std::int32_t rowCount) = 0;
};

}  // namespace qfc
