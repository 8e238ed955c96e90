// What the loader leaves for the comparison: each side's lines and the index
// of each side's whole file.
#pragma once

#include "core/side.h"
#include "input/line_index.h"
#include "input/line_list.h"

namespace qfc {

struct LoadedText {
  PerSide<LineList> lines;
  PerSide<LineIndex> index;  // the whole-file index of each side
};

}  // namespace qfc
