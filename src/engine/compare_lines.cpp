// The engine's driver. Phases: unique-line matching over the whole files,
// crossing removal, refinement passes until one finds nothing new,
// resolution into rows, and handing the rows to the sink. Each phase reports
// through Progress and stops when the user cancels; the driver checks again
// between phases so that a canceled comparison never reaches the sink.
//
// A failure (an exception, in practice running out of memory) ends the step
// in which it is raised; the driver then goes on with the next step, as if
// that step had finished.
#include "engine/compare_lines.h"

#include "core/return_free_memory.h"

#include <cstddef>

#include "core/run_catching_failure.h"
#include "engine/barren_gaps.h"
#include "engine/crossing_removal.h"
#include "engine/detail_text.h"
#include "engine/engine_lists.h"
#include "engine/refinement.h"
#include "engine/row_resolution.h"
#include "engine/unique_line_matching.h"

namespace qfc {
namespace {

constexpr std::string_view kLoadingText = "Loading Lines ";
constexpr std::string_view kAndText = " and ";
// Rows handed over are not read again; every this many rows their memory goes
// back, so that the rows do not exist twice while the sink stores its own.
constexpr std::size_t kReleaseEveryRows = std::size_t{1} << 17;

}  // namespace

CompareOutcome CompareLines(LoadedText& text, Progress& progress, RowSink& sink) {
  EngineLists lists;
  RunCatchingFailure([&] { MatchUniqueLines(text, progress, lists.matches); });
  // The whole-file indexes have served; the gap search builds its own.
  for (Side side : kBothSides) text.index[side] = LineIndex{};
  RunCatchingFailure([&] { AnalyzeMatches(lists.matches, progress); });
  // Each phase starts without the memory the one before freed.
  ReturnFreeMemory();

  bool firstPass = true;
  lists.newMatches.Clear();
  BarrenGaps barren;
  while (lists.newMatches.Size() > 0 || firstPass) {
    RunCatchingFailure([&] { ProcessRanges(text, progress, lists, barren); });
    if (progress.Canceled()) return CompareOutcome::Canceled;
    ReturnFreeMemory();
    firstPass = false;
  }
  if (progress.Canceled()) return CompareOutcome::Canceled;

  RunCatchingFailure([&] {
    ResolveRows(lists.matches, text.lines[Side::Left].Count(), text.lines[Side::Right].Count(),
                progress, lists.resultRows);
  });
  if (progress.Canceled()) return CompareOutcome::Canceled;
  // The chain is no longer needed; free it before the rows are handed over.
  lists.matches.Clear();
  lists.newMatches.Clear();
  ReturnFreeMemory();

  RunCatchingFailure([&] { sink.ResetRows(); });
  const std::size_t rowCount = lists.resultRows.Size();
  for (std::size_t r = 0; r < rowCount; ++r) {
    const LinePair row = lists.resultRows[r];
    RunCatchingFailure([&] { sink.AddGridRow(row); });
    DetailText detail;
    progress.SetProgressText(
        detail.Append(kLoadingText).Append(row.left).Append(kAndText).Append(row.right).View());
    if (progress.Canceled()) return CompareOutcome::Canceled;
    if ((r + 1) % kReleaseEveryRows == 0) lists.resultRows.ReleaseFront(r + 1);
  }
  RunCatchingFailure([&] { sink.SizeColumns(static_cast<std::int32_t>(rowCount)); });
  return CompareOutcome::Completed;
}

}  // namespace qfc
