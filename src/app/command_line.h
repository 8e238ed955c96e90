// The command line: "/1:" marks the left path and "/2:" the right path, in
// either order; each path runs to the next marker or to the end. Before the
// first marker, the word "--eol=any" or "--eol=crlf" chooses the line-end
// mode; anything else there is ignored.
#pragma once

#include <string>

#include "core/product_texts.h"
#include "core/side.h"
#include "input/input_file.h"
#include "input/line_end_mode.h"

namespace qfc {

inline constexpr char kCommandLineSource[] = "ParseCmdLine";
inline constexpr char kMarkersMissing[] = "Left and Right side file location must be specified.";

struct CommandLine {
  PerSide<std::string> paths;
  PerSide<InputFile> files;  // both open and existing
  LineEndMode lineEnds = LineEndMode::CrLf;
};

// Takes the whole command-line tail (without the program's name) and answers
// the left and the right path with their files, opened once here, and the
// line-end mode (the last "--eol=" word wins). Throws ErrorRecord with source
// "ParseCmdLine" when a marker is missing, the mode is unknown, or a file does
// not exist (the left one is tested first). Quotes are part of a path.
[[nodiscard]] CommandLine ParseCmdLine(std::string commandLine);

// The arguments after the program's name joined with single blanks, so that
// an unquoted path with blanks in it survives the shell's splitting.
[[nodiscard]] std::string JoinCommandLineTail(int argc, const char* const argv[]);

}  // namespace qfc
