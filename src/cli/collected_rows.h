// A RowSink that keeps the rows, for printing once the comparison is done.
#pragma once

#include <cstdint>

#include "core/line_pair.h"
#include "engine/row_sink.h"

namespace qfc::cli {

class CollectedRows final : public RowSink {
 public:
  void ResetRows() override { rows_.clear(); }
  void AddGridRow(LinePair row) override { rows_.push_back(row); }
  void SizeColumns(std::int32_t /*rowCount*/) override {}

  [[nodiscard]] const PairList& Rows() const { return rows_; }

 private:
  PairList rows_;
};

}  // namespace qfc::cli
