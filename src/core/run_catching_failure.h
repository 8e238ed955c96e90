// Runs one step of a longer task so that a failure inside it ends that step
// and nothing else. The caller decides what a failure means: the engine and
// the grid synchronisation go on with their next step, a command handler
// shows the description in a message box.
#pragma once

#include <exception>
#include <optional>
#include <string>

namespace qfc {

// Runs `step`; answers nothing when it ran to its end, and the failure's
// description when it threw (empty for a failure that carries none).
template <typename Step>
std::optional<std::string> RunCatchingFailure(Step&& step) {
  try {
    step();
    return std::nullopt;
  } catch (const std::exception& failure) {
    return std::string(failure.what());
  } catch (...) {
    return std::string();
  }
}

}  // namespace qfc
