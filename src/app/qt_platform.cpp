#include "app/qt_platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <cstdlib>

#include "ui/display_text.h"

namespace qfc {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

// The program breaks lines with CR LF; a label breaks them at LF alone.
QString ToMessageText(const std::string& text) {
  QString shown = ShownText(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

}  // namespace

MessageAnswer QtPlatform::ShowMessage(const std::string& text, const std::string& title,
                                      MessageIcon icon, MessageButtons buttons) {
  QMessageBox box(ToQtIcon(icon), ShownText(title), ToMessageText(text));
  // Paths and file texts may hold '<' and '&'; they are never markup.
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  if (buttons == MessageButtons::YesNo) {
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    QPushButton* no = box.addButton(QMessageBox::No);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
  return MessageAnswer::Ok;
}

void QtPlatform::Beep() { QApplication::beep(); }

bool QtPlatform::ShiftHeld() {
  return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

ScreenSize QtPlatform::Screen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QSize size = screen->size();
  return {size.width(), size.height()};
}

void QtPlatform::EndProgram() { std::exit(EXIT_SUCCESS); }

}  // namespace qfc
