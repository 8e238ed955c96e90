// Previous / Next Difference: moves the active row of both result grids to
// the previous or next place where the files differ. Everything is read back
// from the left grid's colours on each command; nothing is cached.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/side.h"
#include "grid/grid.h"
#include "ui/platform.h"

namespace qfc {

// Which way a step goes: up to the previous difference, down to the next.
enum class StepDirection { Up, Down };

class DifferenceNavigator {
 public:
  using StatusSink = std::function<void(const std::string&)>;

  // Both grids must outlive the navigator and hold the same number of rows.
  DifferenceNavigator(PerSide<Grid*> grids, Platform& platform, StatusSink setStatusText);

  // The whole command: one step down (Next Difference) or up (Previous
  // Difference). Without Shift it goes from block edge to block edge, with
  // Shift from difference row to difference row. Errors end up in a message
  // box; whatever was parked before the error stays parked.
  void MoveToDiff(StepDirection direction);

  // A row whose text column in the left grid has a non-default text colour
  // or background. Any failure to read the colours answers false.
  [[nodiscard]] bool IsDiffRow(std::int32_t row) const;

  // Each of these parks both grids on the row it finds and answers whether
  // it found one; a step that finds nothing moves nothing.
  // The nearest difference row beyond `row`.
  [[nodiscard]] bool DiffRow(std::int32_t row, StepDirection direction);
  // From inside a block: to its far edge in the direction of the step (its
  // bottom row going down, its top row going up); from that edge or from
  // outside any block: to the near edge of the next block that way.
  [[nodiscard]] bool BlockEdge(std::int32_t row, StepDirection direction);

 private:
  void ParkOn(std::int32_t row);
  [[nodiscard]] bool InRows(std::int32_t row) const;
  [[nodiscard]] Grid& Left() const { return *grids_[Side::Left]; }

  PerSide<Grid*> grids_;
  Platform& platform_;
  StatusSink setStatusText_;
};

}  // namespace qfc
