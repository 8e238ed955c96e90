// The program icon built into the program: every installed size, and the
// drawing of the SVG it was rendered from.
#include "ui/program_icon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QList>
#include <QSize>
#include <string>
#include <vector>

namespace qfc {
namespace {

TEST(ProgramIcon, HoldsEveryInstalledSize) {
  const QList<QSize> sizes = ProgramIcon().availableSizes();
  for (int size : {16, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
  }
}

TEST(ProgramIcon, ThirtyTwoPixelsShowTheTwoSheets) {
  const QImage image = ProgramIconPixmap().toImage();
  ASSERT_EQ(image.size(), QSize(kProgramIconSize, kProgramIconSize));
  struct Spot {
    std::string what;
    int x, y;
    QColor color;
  };
  const std::vector<Spot> spots{
      {"the changed line on the left sheet", 8, 12, QColor(0x80, 0x00, 0x00)},
      {"the changed line on the right sheet", 22, 14, QColor(0x80, 0x00, 0x00)},
      {"the one-sided line on the right sheet", 22, 23, QColor(0x00, 0x00, 0x80)},
      {"paper", 8, 7, Qt::white},
      {"the left sheet's edge", 1, 10, QColor(0x40, 0x40, 0x40)},
  };
  for (const Spot& spot : spots) {
    EXPECT_EQ(image.pixelColor(spot.x, spot.y), spot.color) << spot.what;
  }
  EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "the corner is transparent";
}

}  // namespace
}  // namespace qfc
