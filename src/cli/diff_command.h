// quorvelin-diff as a function: compares two files with the window's loader
// and engine and prints the result. Reads the files; writes nothing but to
// the two streams.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace qfc::cli {

// Exit statuses, as diff's.
inline constexpr int kExitIdentical = 0;
inline constexpr int kExitDiffer = 1;
inline constexpr int kExitTrouble = 2;

// `args` without the program name. Progress goes to `err` when
// `showProgress`; results to `out`, errors to `err`. `outputIsTerminal`
// tells "--color=auto" whether to colour.
[[nodiscard]] int RunDiffCommand(std::span<const std::string_view> args, std::FILE* out,
                                 std::FILE* err, bool showProgress, bool outputIsTerminal);

}  // namespace qfc::cli
