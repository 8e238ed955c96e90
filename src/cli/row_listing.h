// The --rows output: one line per aligned row, then the verdict.
#pragma once

#include <span>

#include "cli/output_buffer.h"
#include "engine/result_rows.h"

namespace qfc::cli {

inline constexpr std::string_view kDifferencesVerdict =
    "Compare Results = File differences exist!!!";
inline constexpr std::string_view kIdenticalVerdict = "Compare Results = Files are identical!!!";

// Writes "LEFT<TAB>RIGHT<TAB>KIND" per row (-1 for a missing side) and the
// verdict line; `kinds` has one entry per row.
void WriteRowListing(std::span<const LinePair> rows, std::span<const RowKind> kinds,
                     OutputBuffer& out);

}  // namespace qfc::cli
