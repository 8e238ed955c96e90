// quorvelin-diff: the comparison engine without a window.
#include <unistd.h>

#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/diff_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return qfc::cli::RunDiffCommand(args, stdout, stderr, ::isatty(STDERR_FILENO) == 1,
                                  ::isatty(STDOUT_FILENO) == 1);
}
