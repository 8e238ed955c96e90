// The one way the windows put a message in front of the user: a box built
// from its icon, title and text, shown through the Platform so that tests
// answer it from a script.
#pragma once

#include <string>
#include <string_view>

#include "core/product_texts.h"
#include "ui/platform.h"

namespace qfc {

// Shows the box and waits for the answer. The icon decides the buttons: a
// question is answered Yes or No, every other box is acknowledged with OK.
MessageAnswer ShowMessageBox(Platform& platform, MessageIcon icon, std::string_view title,
                             std::string_view text);

// The text of a failure report: the sentence that names the activity, a line
// break and the failure's description; the description alone when no
// activity is named.
[[nodiscard]] std::string FailureText(std::string_view activity, std::string_view description);

// A failure as the handlers report it: critical icon, OK, the program's title.
void ReportFailure(Platform& platform, std::string_view activity, std::string_view description);

}  // namespace qfc
