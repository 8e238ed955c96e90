// A RowSink that keeps the rows, for printing once the comparison is done.
#pragma once

#include <cstdint>

#include "engine/line_pair.h"
#include "engine/row_sink.h"

namespace qfc::cli {

class CollectedRows final : public RowSink {
 public:
  void ResetRows() override { rows_.clear(); }
  void AddGridRow(std::int32_t leftLine, std::int32_t rightLine) override {
    rows_.push_back({leftLine, rightLine});
  }
  void SizeColumns(std::int32_t /*rowCount*/) override { complete_ = true; }

  [[nodiscard]] const PairList& Rows() const { return rows_; }
  // True once the engine handed over its last row.
  [[nodiscard]] bool Complete() const { return complete_; }

 private:
  PairList rows_;
  bool complete_ = false;
};

}  // namespace qfc::cli
