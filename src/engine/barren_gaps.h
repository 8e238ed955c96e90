// The gaps of the previous refinement pass in which the gap search found no
// match. The gap search depends only on the gap's bounds and the files'
// lines, so a gap that reappears unchanged in the next pass would find
// nothing again, and its search can be skipped.
#pragma once

#include <cstddef>
#include <vector>

#include "core/gap.h"

namespace qfc {

class BarrenGaps {
 public:
  // Whether the previous pass searched exactly this gap and found nothing.
  // A pass asks about its gaps in increasing order of their left start.
  [[nodiscard]] bool Contains(const Gap& gap) {
    while (cursor_ < previous_.size() && previous_[cursor_].left.start < gap.left.start) ++cursor_;
    return cursor_ < previous_.size() && previous_[cursor_] == gap;
  }

  // Records a gap of the current pass whose search found nothing; in
  // increasing order of the left start.
  void Add(const Gap& gap) { current_.push_back(gap); }

  // The current pass's gaps become the previous pass's.
  void EndPass() {
    previous_.swap(current_);
    current_.clear();
    cursor_ = 0;
  }

 private:
  std::vector<Gap> previous_;
  std::vector<Gap> current_;
  std::size_t cursor_ = 0;
};

}  // namespace qfc
