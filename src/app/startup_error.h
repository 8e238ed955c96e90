// The message with which the start-up sequence reports a failure: a fixed
// sentence, a line break and the error's description, under the program's
// title and the name of the operation that failed.
#pragma once

#include <string>

#include "app/error_record.h"
#include "ui/platform.h"

namespace qfc {

[[nodiscard]] std::string StartupErrorText(const ErrorRecord& error);
[[nodiscard]] std::string StartupErrorTitle(const ErrorRecord& error);

// Shows the message with the critical icon and OK, and waits for OK.
void ShowStartupError(Platform& platform, const ErrorRecord& error);

}  // namespace qfc
