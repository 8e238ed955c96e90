// The loader reads each file twice at the same time, as raw 64000-byte chunks
// and as a text stream one line per cycle, and counts the CR LF pairs in the
// bytes against the lines delivered. While the counts agree the pair is text,
// and every line goes into the side's line list and index. The first line of
// either side that disagrees turns the whole pair binary for good: line reading
// stops, both sides then read one chunk per cycle in lockstep, and the loop
// stops at the first differing chunk or at the end of both files.
//
// While the pair is text a side reads its next chunk only once its line reader
// has consumed (counting 2 per line end) at least as much as the chunks have
// delivered, so the byte reader stays at most one chunk ahead.
//
// Splitting, storing and indexing a side's lines is most of the work, so the
// two sides do it at the same time (lines_ahead.h): the right side's lines
// are read on a second thread, a bounded number of lines ahead of the cycles,
// and the left side's on the loader's own thread, as the cycles take them,
// with the cycles' own work. The cycles take the lines one per side per
// cycle, so the mode decision, the progress values and the cancel checks fall
// on the same lines as if the cycle read them itself, and a loop that stops
// early leaves exactly the lines it took.
//
// Both readings of a side are views of its one open file's bytes, which are
// mapped rather than copied; the lines point into them and keep them. A
// stream (a pipe, a device, a file whose size reads as 0) cannot be mapped,
// nor asked for its length: it is taken in whole first, and its length is
// what it held.
#include "input/loader.h"

#include <limits>
#include <memory>
#include <new>

#include "input/any_line_end_loader.h"
#include "input/checked_int32.h"
#include "input/crlf_count.h"
#include "input/lines_ahead.h"
#include "input/load_failure.h"
#include "input/progress_percent.h"
#include "input/read_next_line.h"
#include "input/text_mode_check.h"

namespace qfc {
namespace {

// Decimal, not 65536: the chunk size the mode decision is tuned to.
constexpr std::int32_t kChunkSize = 64000;

constexpr const char* kOutOfMemoryText = "Out of memory";

// A length must fit the 32-bit counters; a stream is read one byte past
// that, so that a longer one is known to overflow.
constexpr std::uint64_t kLongestLength = std::numeric_limits<std::int32_t>::max();

struct SideState {
  std::int32_t length = 0;
  std::int32_t remaining = 0;
  std::int32_t chunkSize = kChunkSize;  // shrinks to the remainder at the end, then 0
  std::int32_t bytesRead = 0;           // length - remaining, the current chunk included
  std::int32_t crLfCount = 0;
  std::optional<char> carry;
  std::string_view chunk;  // this cycle's chunk; empty = none
  LineCounters counters;
  std::shared_ptr<const FileBytes> bytes;
  std::optional<LinesAhead> lines;  // while the cycles run
};

// The next chunk's size out of what remains: the full size while enough
// remains, then the remainder, then 0.
void TakeChunk(std::int32_t& remaining, std::int32_t& chunkSize) {
  if (chunkSize >= remaining) {
    chunkSize = remaining;
    remaining = 0;
  } else {
    remaining -= chunkSize;
  }
}

void ChunkStep(SideState& side) {
  TakeChunk(side.remaining, side.chunkSize);
  side.bytesRead = side.length - side.remaining;
  if (side.chunkSize > 0) {
    // A file that shrank before it was mapped or read ends early.
    const std::string_view all = side.bytes->View();
    const auto start = static_cast<std::size_t>(side.bytesRead - side.chunkSize);
    if (start < all.size())
      side.chunk = all.substr(start, static_cast<std::size_t>(side.chunkSize));
  }
  side.crLfCount = CheckedAdd(side.crLfCount, CountCrLf(side.chunk, side.carry));
}

// The cycle's reading of a side's next line: false at the end of its text.
bool ReadNextLine(SideState& side) {
  if (side.lines->AtEnd()) return false;
  CountLine(side.lines->Take().length, side.counters);
  return true;
}

// The main loop; `outcome` carries the mode and `differ` as they change.
void RunCycles(PerSide<SideState>& sides, std::int32_t total, Progress& progress,
               LoadOutcome& outcome) {
  SideState& left = sides[Side::Left];
  SideState& right = sides[Side::Right];
  for (bool done = false; !done;) {
    const std::int32_t value = CheckedAdd(
        CheckedAdd(CheckedAdd(left.bytesRead, right.bytesRead), left.counters.charactersConsumed),
        right.counters.charactersConsumed);
    if (UpdateProgress(progress, value, total)) return;

    for (Side side : kBothSides) {
      SideState& state = sides[side];
      if (state.bytesRead <= state.counters.charactersConsumed || outcome.binaryMode)
        ChunkStep(state);
    }
    if (!outcome.differ) outcome.differ = left.chunk != right.chunk;
    left.chunk = {};
    right.chunk = {};

    if (!outcome.binaryMode) {
      for (Side side : kBothSides) {
        SideState& state = sides[side];
        if (ReadNextLine(state)) {
          CheckTextMode(state.bytesRead, state.crLfCount, state.counters.charactersConsumed,
                        state.counters.charactersRead, kCrLfTolerance, outcome.binaryMode);
        }
      }
      if (!outcome.binaryMode) {
        done = left.lines->AtEnd() && right.lines->AtEnd();
        continue;
      }
    }
    if (outcome.differ) return;
    done = left.remaining == 0 && right.remaining == 0;
  }
}

// Ends the sides' line threads; `text` gets the lines the cycles took.
void StopReadingAhead(PerSide<SideState>& sides, LoadedText& text) {
  for (Side side : kBothSides) {
    if (sides[side].lines) sides[side].lines->Stop(text.lines[side], text.index[side]);
  }
}

// The threads of `sides` end with it, before the caller touches `text` again.
void LoadCrLfRule(PerSide<InputFile>& files, Progress& progress, LoadedText& text,
                  LoadOutcome& outcome) {
  PerSide<SideState> sides;
  text = LoadedText{};
  for (Side side : kBothSides) {
    InputFile& file = files[side];
    if (!file.HasLength())
      file.HoldWholeStream(kLongestLength, [&] { return progress.Canceled(); });
    sides[side].length = ToInt32(file.Length());
  }
  outcome.differ = sides[Side::Left].length != sides[Side::Right].length;
  progress.InitProgress(kAnalysisPhase);

  for (Side side : kBothSides) files[side].ThrowIfUnreadable();
  const std::int32_t total = CheckedAdd(CheckedMultiply(2, sides[Side::Right].length),
                                        CheckedMultiply(2, sides[Side::Left].length));
  for (Side side : kBothSides) {
    SideState& state = sides[side];
    // A file compared with itself is mapped once for both sides.
    const bool sameFile = side == Side::Right && files[side].IsSameFileAs(files[Side::Left]);
    state.bytes = sameFile ? sides[Side::Left].bytes : files[side].TakeBytes();
    state.remaining = state.length;
  }
  // However the cycles end, the lines they did not take are dropped.
  try {
    sides[Side::Left].lines.emplace(sides[Side::Left].bytes, LinesAhead::Where::Here);
    sides[Side::Right].lines.emplace(sides[Side::Right].bytes, LinesAhead::Where::OwnThread);
    RunCycles(sides, total, progress, outcome);
  } catch (...) {
    StopReadingAhead(sides, text);
    throw;
  }
  StopReadingAhead(sides, text);

  if (outcome.binaryMode) progress.SetProgComplete();
}

}  // namespace

LoadOutcome LoadFiles(PerSide<InputFile>& files, LineEndMode mode, Progress& progress,
                      LoadedText& text) {
  LoadOutcome outcome;
  try {
    if (mode == LineEndMode::Any) {
      LoadAnyLineEnds(files, progress, text, outcome);
    } else {
      LoadCrLfRule(files, progress, text, outcome);
    }
  } catch (const LoadFailure& failure) {
    outcome.failure = failure.what();
  } catch (const std::bad_alloc&) {
    outcome.failure = kOutOfMemoryText;
  }
  // Whatever ended the loop, the lines read so far are all in the index.
  try {
    for (Side side : kBothSides) text.index[side].Flush(text.lines[side]);
  } catch (const std::bad_alloc&) {
    if (!outcome.failure) outcome.failure = kOutOfMemoryText;
  }
  return outcome;
}

}  // namespace qfc
