#include "app/startup_error.h"

#include "ui/message_box.h"

namespace qfc {

std::string StartupErrorText(const ErrorRecord& error) {
  return FailureText(kCompareFailure, error.Description());
}

std::string StartupErrorTitle(const ErrorRecord& error) {
  return std::string(kAppTitle) + " - " + error.Source();
}

void ShowStartupError(Platform& platform, const ErrorRecord& error) {
  ShowMessageBox(platform, MessageIcon::Critical, StartupErrorTitle(error),
                 StartupErrorText(error));
}

}  // namespace qfc
