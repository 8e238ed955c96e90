// The alignment engine's entry point: aligns the two files' lines into rows
// and hands them to a RowSink.
#pragma once

#include "core/progress.h"
#include "engine/row_sink.h"
#include "input/loaded_text.h"

namespace qfc {

// How a comparison ended: run to its end, or stopped by Close.
enum class CompareOutcome { Completed, Canceled };

// `text` holds both files' lines and whole-file indexes (the indexes are
// rebuilt along the way). Matches unique lines, removes crossings, refines
// gap by gap until a pass finds nothing, resolves rows, then resets the
// sink, adds every row and sizes its columns. Returns at once at any
// cancel: before the reset when canceled in any phase before the rows are
// handed over. A failure inside a step ends that step, and the next one runs;
// the comparison still completes (the rows may then not cover the files).
[[nodiscard]] CompareOutcome CompareLines(LoadedText& text, Progress& progress, RowSink& sink);

}  // namespace qfc
