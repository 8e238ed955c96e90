// A second reading of the loader's rules, written as plainly as the rules
// read: both files whole in memory, the CR LF rule as its cycle, step by
// step, with 64-bit counters, and the any-line-end rule as one pass over each
// file. Slow on purpose. The loader tests and a fuzz target hold the loader
// against it: any difference in the mode, the binary verdict, the lines or
// the index is a fault in one of the two.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/side.h"
#include "input/line_end_mode.h"
#include "input/line_end_splitter.h"
#include "input/loaded_text.h"
#include "input/loader.h"

namespace qfc::test {

struct PlainOutcome {
  bool binaryMode = false;
  bool differ = false;  // the verdict, when binaryMode
  // Tabs expanded; under the CR LF rule those read before the pair turned
  // binary, if it did.
  PerSide<std::vector<std::string>> lines;
  PerSide<LineEnds> lineEnds;          // LineEndMode::Any only
  std::vector<std::int32_t> percents;  // the bar as each cycle begins; CR LF rule only
};

[[nodiscard]] PlainOutcome PlainLoad(const PerSide<std::string_view>& bytes, LineEndMode mode);

// For each of `lines`, what the index answers for its text: its line number
// (1-based) when the text occurs exactly once, A-Z compared without regard to
// case; 0 for a text that recurs and for a blank one.
[[nodiscard]] std::vector<std::int32_t> PlainUniqueLineNos(const std::vector<std::string>& lines);

// Where the loader's outcome and text part from the plain reading's, in
// words; empty when they agree. Lines and index count for a text pair, and
// under the CR LF rule for a binary one too (the lines read before it turned
// binary); the verdict only for a binary pair, the line ends only under Any.
[[nodiscard]] std::string Divergence(const PlainOutcome& plain, LineEndMode mode,
                                     const LoadOutcome& outcome, const LoadedText& text);

}  // namespace qfc::test
