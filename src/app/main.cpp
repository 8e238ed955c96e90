// quorvelin-compare: compares the pair of files named behind /1: and /2:.
#include <QApplication>

#include "app/command_line.h"
#include "app/main_form.h"
#include "app/qt_platform.h"

int main(int argc, char* argv[]) {
  const std::string tail = qfc::JoinCommandLineTail(argc, argv);
  // No arguments end the run silently, decided before the toolkit starts:
  // there may be no display to open.
  if (tail.empty()) return 0;
  QApplication app(argc, argv);
  qfc::QtPlatform platform;
  qfc::MainForm form(platform);
  if (!form.Load(tail)) return 0;
  return QApplication::exec();
}
