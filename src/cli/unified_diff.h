// The default output: the aligned rows as a unified diff.
#pragma once

#include <span>
#include <string_view>

#include "cli/output_buffer.h"
#include "engine/result_rows.h"

namespace qfc::cli {

inline constexpr int kDefaultContext = 3;

// How the unified diff is written: with the differing characters of each
// changed row marked, as [-..-] in its "-" line and {+..+} in its "+" line
// (in reverse video when coloured), and in diff's colours.
struct DiffStyle {
  bool wordDiff = false;
  bool color = false;
};

// What GNU diff writes after a line that has no line end, the last of its file.
inline constexpr std::string_view kNoNewlineMarker = "\\ No newline at end of file";

// Writes "--- LEFT", "+++ RIGHT" and one "@@ -a,b +c,d @@" hunk per group of
// difference rows with `context` equal rows around it (groups closer than
// twice that share a hunk). Equal rows are context lines (the left text);
// each run of difference rows gives its left lines as "-" lines, then its
// right lines as "+" lines. Texts are the stored, tab-expanded lines, each
// ended by LF. Writes nothing when no row differs.
//
// `openLastLine` names per side the last line when it has no line end (0 when
// it has one, or when line ends are not told apart): such a line is followed
// by kNoNewlineMarker, and an equal row that pairs it with a line that has a
// line end is written as changed, so that patch recreates the right file.
void WriteUnifiedDiff(std::span<const LinePair> rows, std::span<const RowKind> kinds,
                      const PerSide<LineList>& lines, const PerSide<std::string_view>& labels,
                      const PerSide<std::int32_t>& openLastLine, int context,
                      const DiffStyle& style, OutputBuffer& out);

}  // namespace qfc::cli
