#include "ui/program_icon.h"

#include <QString>
#include <array>

namespace qfc {
namespace {

// The sizes rendered from the SVG, as the build embeds them.
constexpr std::array kIconSizes{16, 32, 48, 64, 128, 256};

[[nodiscard]] QString IconFile(int size) {
  return QStringLiteral(":/program_icon/%1x%1/apps/org.quorvelin.FileCompare.png").arg(size);
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kIconSizes) icon.addFile(IconFile(size), QSize(size, size));
  return icon;
}

QPixmap ProgramIconPixmap() { return QPixmap(IconFile(kProgramIconSize)); }

}  // namespace qfc
