#include "app/startup_error.h"

namespace qfc {

std::string StartupErrorText(const ErrorRecord& error) {
  return std::string(kCompareFailure) + kLineBreak + error.Description();
}

std::string StartupErrorTitle(const ErrorRecord& error) {
  return std::string(kAppTitle) + " - " + error.Source();
}

void ShowStartupError(Platform& platform, const ErrorRecord& error) {
  platform.ShowMessage(StartupErrorText(error), StartupErrorTitle(error), MessageIcon::Critical,
                       MessageButtons::Ok);
}

}  // namespace qfc
