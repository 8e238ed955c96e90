#include "cli/diff_command.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "cli/collected_rows.h"
#include "cli/command_options.h"
#include "cli/output_buffer.h"
#include "cli/row_listing.h"
#include "cli/terminal_progress.h"
#include "cli/unified_diff.h"
#include "core/product_texts.h"
#include "engine/compare_lines.h"
#include "input/input_file.h"
#include "input/loader.h"
#include "version_record.h"

namespace qfc::cli {
namespace {

constexpr std::string_view kProgramName = "quorvelin-diff";
// The engine failed inside a step and handed over fewer rows than the files have lines.
constexpr std::string_view kIncompleteRows = "The comparison did not finish.";

// Written after the output when the rows are all equal but the files' line
// ends are not: "Line ends differ: CR LF against LF".
constexpr std::string_view kLineEndsDiffer = "Line ends differ: ";
constexpr std::string_view kAgainst = " against ";

// The usage text around the product's title.
constexpr std::string_view kUsageHead =
    "Usage: quorvelin-diff [--rows] [-U N] [--eol=crlf|any] [--label L [--label R]]\n"
    "                      [--word-diff] [--color[=WHEN]] LEFT RIGHT\n"
    "Compare two text files line by line as ";
constexpr std::string_view kUsageBody =
    " aligns them.\n"
    "\n"
    "  --eol=crlf          a file is text while its lines end in CR LF (default)\n"
    "  --eol=any           everyday text: a line ends at LF, with or without a CR\n"
    "                      before it; a file with a NUL byte is binary; after the\n"
    "                      output, a line tells when only the line ends differ\n"
    "  --rows              list every aligned row as LEFT<TAB>RIGHT<TAB>KIND, then\n"
    "                      the verdict; KIND is = (equal), ! (changed), < (left\n"
    "                      only) or > (right only), and a missing line is -1\n"
    "  -U N, --unified=N   show N lines of context in the unified diff (default 3)\n"
    "      --label NAME    name the left file NAME in the unified diff; given\n"
    "                      twice, the second names the right file\n"
    "      --word-diff     mark the characters that differ inside each changed\n"
    "                      line: [-..-] in its - line, {+..+} in its + line, or\n"
    "                      reverse video when coloured\n"
    "      --color[=WHEN]  colour the unified diff: always, never or auto (when\n"
    "                      standard output is a terminal); without it, auto with\n"
    "                      --word-diff and never otherwise\n"
    "      --help          show this help and exit\n"
    "      --version       show the version and exit\n"
    "\n"
    "Without --rows the aligned rows are printed as a unified diff, with tabs\n"
    "expanded as in the window; identical files print nothing. A binary pair\n"
    "prints its verdict. Exit status is 0 if the files are identical, 1 if they\n"
    "differ, 2 if there was trouble.\n";

void WriteError(std::FILE* err, std::string_view heading, std::string_view description) {
  std::string message;
  message.append(heading).append("\n").append(description).append("\n");
  std::fputs(message.c_str(), err);
}

[[nodiscard]] int Misuse(std::FILE* err, std::string_view problem) {
  std::string message;
  message.append(kProgramName).append(": ").append(problem).append("\n");
  message.append("Try '").append(kProgramName).append(" --help' for more information.\n");
  std::fputs(message.c_str(), err);
  return kExitTrouble;
}

[[nodiscard]] int Finish(OutputBuffer& out, std::FILE* err, int status) {
  if (!out.Flush()) {
    std::string message;
    message.append(kProgramName)
        .append(": write error: ")
        .append(std::strerror(errno))
        .append("\n");
    std::fputs(message.c_str(), err);
    return kExitTrouble;
  }
  return status;
}

// Under --eol=any, the line that says the files differ only in their line
// ends; nothing when the styles agree.
void WriteLineEndsDiffer(const PerSide<LineEnds>& lineEnds, OutputBuffer& out) {
  const LineEndStyle left = lineEnds[Side::Left].Style();
  const LineEndStyle right = lineEnds[Side::Right].Style();
  if (left == right) return;
  out.Append(kLineEndsDiffer).Append(LineEndStyleText(left)).Append(kAgainst);
  out.Append(LineEndStyleText(right)).Append('\n');
}

[[nodiscard]] int Compare(const CommandOptions& options, std::FILE* out, std::FILE* err,
                          bool showProgress, bool outputIsTerminal) {
  // Each file is opened once; the loader reads the very file checked here.
  PerSide<InputFile> files;
  for (Side side : kBothSides) {
    files[side] = InputFile::Open(options.paths[side]);
    if (!files[side].Exists()) {
      WriteError(err, kCompareFailure, kMissingFileTexts[side]);
      return kExitTrouble;
    }
  }

  TerminalProgress progress(err, showProgress);
  LoadedText text;
  const LoadOutcome outcome = LoadFiles(files, options.lineEnds, progress, text);
  files = {};
  if (outcome.failure) {
    progress.Finish();
    WriteError(err, kBinaryCompareFailure, *outcome.failure);
    return kExitTrouble;
  }
  OutputBuffer output(out);
  if (outcome.binaryMode) {
    progress.Finish();
    output.Append(outcome.Verdict()).Append('\n');
    return Finish(output, err, outcome.differ ? kExitDiffer : kExitIdentical);
  }

  CollectedRows sink;
  // A row holds at least one line: room for every line is room enough.
  sink.Reserve(static_cast<std::size_t>(text.lines[Side::Left].Count()) +
               static_cast<std::size_t>(text.lines[Side::Right].Count()));
  const CompareOutcome compared = CompareLines(text, progress, sink);
  progress.Finish();
  const PerSide<LineNumber> lineCounts{
      {text.lines[Side::Left].Count(), text.lines[Side::Right].Count()}};
  if (compared != CompareOutcome::Completed || !CoversEveryLine(sink.Rows(), lineCounts)) {
    WriteError(err, kCompareFailure, kIncompleteRows);
    return kExitTrouble;
  }

  const PairList& rows = sink.Rows();
  std::vector<RowKind> kinds(rows.size());
  std::transform(rows.begin(), rows.end(), kinds.begin(),
                 [&](const LinePair& row) { return RowKindOf(row, text.lines); });
  const bool differ = std::any_of(kinds.begin(), kinds.end(), IsDifference);
  const bool anyLineEnds = options.lineEnds == LineEndMode::Any;
  if (options.rows) {
    WriteRowListing(rows, kinds, output);
  } else {
    const PerSide<std::string_view> labels{
        {options.labels[Side::Left], options.labels[Side::Right]}};
    PerSide<std::int32_t> openLastLine{};
    for (Side side : kBothSides) {
      if (anyLineEnds && outcome.lineEnds[side].lastLineOpen)
        openLastLine[side] = text.lines[side].Count();
    }
    const DiffStyle style{options.wordDiff, UseColor(options, outputIsTerminal)};
    WriteUnifiedDiff(rows, kinds, text.lines, labels, openLastLine, options.context, style, output);
  }
  if (anyLineEnds && !differ) WriteLineEndsDiffer(outcome.lineEnds, output);
  return Finish(output, err, differ ? kExitDiffer : kExitIdentical);
}

}  // namespace

int RunDiffCommand(std::span<const std::string_view> args, std::FILE* out, std::FILE* err,
                   bool showProgress, bool outputIsTerminal) {
  const CommandOptions options = ParseCommandOptions(args);
  switch (options.action) {
    case CommandAction::Misuse:
      return Misuse(err, options.misuse);
    case CommandAction::UnknownLineEndMode:
      WriteError(err, kCompareFailure, options.misuse);
      return kExitTrouble;
    case CommandAction::Help: {
      OutputBuffer output(out);
      output.Append(kUsageHead).Append(kAppTitle).Append(kUsageBody);
      return Finish(output, err, kExitIdentical);
    }
    case CommandAction::Version: {
      OutputBuffer output(out);
      output.Append(kProgramName)
          .Append(" (")
          .Append(kAppTitle)
          .Append(") ")
          .Append(version::kMajor)
          .Append('.');
      output.Append(version::kMinor).Append('.').Append(version::kRevision).Append('\n');
      output.Append(version::kLegalNotice).Append('\n');
      return Finish(output, err, kExitIdentical);
    }
    case CommandAction::Compare:
      break;
  }
  return Compare(options, out, err, showProgress, outputIsTerminal);
}

}  // namespace qfc::cli
