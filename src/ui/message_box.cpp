#include "ui/message_box.h"

namespace qfc {

MessageAnswer ShowMessageBox(Platform& platform, MessageIcon icon, std::string_view title,
                             std::string_view text) {
  const MessageButtons buttons =
      icon == MessageIcon::Question ? MessageButtons::YesNo : MessageButtons::Ok;
  return platform.ShowMessage(std::string(text), std::string(title), icon, buttons);
}

std::string FailureText(std::string_view activity, std::string_view description) {
  if (activity.empty()) return std::string(description);
  std::string text(activity);
  text += kLineBreak;
  text += description;
  return text;
}

void ReportFailure(Platform& platform, std::string_view activity, std::string_view description) {
  ShowMessageBox(platform, MessageIcon::Critical, kAppTitle, FailureText(activity, description));
}

}  // namespace qfc
