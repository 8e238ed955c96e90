// A RowSink that records what the engine hands over.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/line_pair.h"
#include "engine/row_sink.h"

namespace qfc::test {

class RecordingSink final : public RowSink {
 public:
  void ResetRows() override { ++resets; }
  void AddGridRow(std::int32_t leftLine, std::int32_t rightLine) override {
    rows.push_back({leftLine, rightLine});
  }
  void SizeColumns(std::int32_t rowCount) override { sizedFor.push_back(rowCount); }

  int resets = 0;
  PairList rows;
  std::vector<std::int32_t> sizedFor;
};

}  // namespace qfc::test
