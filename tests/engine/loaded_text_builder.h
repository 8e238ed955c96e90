// Builds the loader's result from line texts, as the loader would leave it:
// lines tab-expanded, each side's whole file in its index.
#pragma once

#include <string>
#include <vector>

#include "input/loaded_text.h"

namespace qfc::test {

inline LoadedText MakeLoadedText(const std::vector<std::string>& left,
                                 const std::vector<std::string>& right) {
  LoadedText text;
  const PerSide<const std::vector<std::string>*> sources{{&left, &right}};
  for (Side side : kBothSides) {
    for (const std::string& line : *sources[side]) {
      const std::int32_t lineNo = text.lines[side].AppendExpandingTabs(line);
      text.index[side].AddToIndex(text.lines[side], lineNo);
    }
  }
  return text;
}

}  // namespace qfc::test
