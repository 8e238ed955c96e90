// The command line of quorvelin-diff:
//   quorvelin-diff [--rows] [-U N] [--eol=crlf|any] [--label L [--label R]]
//                  [--word-diff] [--color[=WHEN]] LEFT RIGHT
//   quorvelin-diff --help | --version
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/side.h"
#include "input/line_end_mode.h"

namespace qfc::cli {

// UnknownLineEndMode: "--eol=" with a value that names no mode; `misuse`
// holds the description the window would show.
enum class CommandAction { Compare, Help, Version, Misuse, UnknownLineEndMode };

// When the unified diff is coloured: "--color=auto" colours it when standard
// output is a terminal. Unset leaves the choice to the other options.
enum class ColorWhen { Unset, Auto, Always, Never };

struct CommandOptions {
  CommandAction action = CommandAction::Compare;
  bool rows = false;  // list the rows instead of a unified diff
  int context = 3;    // context lines of the unified diff
  LineEndMode lineEnds = LineEndMode::CrLf;
  bool wordDiff = false;  // mark the changed characters of changed lines
  ColorWhen color = ColorWhen::Unset;
  PerSide<std::string> paths;
  // The names the unified diff gives the files, given by --label, left first;
  // the paths where none was given, quoted as GNU diff quotes them
  // (quoted_name.h).
  PerSide<std::string> labels;
  std::string misuse;  // what is wrong with the command line, for Misuse
};

// `args` without the program name. "-U N", "-UN" and "--unified=N" set the
// context; "--eol=VALUE" the line-end mode (the last one counts); "--label L"
// or "--label=L", up to twice, the left and then the right file's name in the
// unified diff; "--" ends the options.
[[nodiscard]] CommandOptions ParseCommandOptions(std::span<const std::string_view> args);

// Whether to colour: as --color says; without it, like "auto" for a word
// diff (its marks read best in colour) and never otherwise, as diff does.
[[nodiscard]] bool UseColor(const CommandOptions& options, bool outputIsTerminal);

}  // namespace qfc::cli
