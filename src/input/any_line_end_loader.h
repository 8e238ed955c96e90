// The loader under "--eol=any": everyday text files, whatever their line
// ends, are text; a pair is binary exactly when either file holds a NUL byte.
#pragma once

#include "core/progress.h"
#include "input/input_file.h"
#include "input/loaded_text.h"
#include "input/loader.h"

namespace qfc {

// Reads both `files` to their ends into `text`, or compares them as binary,
// setting `outcome`'s mode, differ and line ends. Failures (a read error,
// more lines than a side can number, memory) throw LoadFailure or
// std::bad_alloc; a cancel returns with the lines as far as they got.
void LoadAnyLineEnds(PerSide<InputFile>& files, Progress& progress, LoadedText& text,
                     LoadOutcome& outcome);

}  // namespace qfc
