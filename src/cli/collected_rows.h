// A RowSink that keeps the rows, for printing once the comparison is done.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/line_pair.h"
#include "engine/row_sink.h"

namespace qfc::cli {

class CollectedRows final : public RowSink {
 public:
  void ResetRows() override { rows_.clear(); }
  void AddGridRow(LinePair row) override { rows_.push_back(row); }
  void SizeColumns(std::int32_t /*rowCount*/) override {}

  // Room for `count` rows, so that collecting them never copies; the room
  // costs address space only until rows fill it.
  void Reserve(std::size_t count) { rows_.reserve(count); }

  [[nodiscard]] const PairList& Rows() const { return rows_; }

 private:
  PairList rows_;
};

}  // namespace qfc::cli
