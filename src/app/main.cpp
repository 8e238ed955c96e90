// quorvelin-compare: compares the pair of files named behind /1: and /2:.
#include <QApplication>

#include "app/command_line.h"
#include "app/main_form.h"
#include "app/qt_platform.h"
#include "ui/program_icon.h"

int main(int argc, char* argv[]) {
  const std::string tail = qfc::JoinCommandLineTail(argc, argv);
  // No arguments end the run silently, decided before the toolkit starts:
  // there may be no display to open.
  if (tail.empty()) return 0;
  QApplication app(argc, argv);
  // Every window shows the program icon; the desktop matches the windows to
  // the installed desktop entry by its name.
  QApplication::setWindowIcon(qfc::ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvelin.FileCompare"));
  qfc::QtPlatform platform;
  qfc::MainForm form(platform);
  if (!form.Load(tail)) return 0;
  return QApplication::exec();
}
