// The drawn toolbar images, used where the desktop theme has none, stay
// visible on a light and on a dark toolbar.
#include "navigation/toolbar_icons.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "grid/readable_color.h"

namespace qfc {
namespace {

// WCAG's minimum for the pieces of an image that carry its meaning.
constexpr double kMinImageContrast = 3.0;

struct Image {
  std::string name;
  const char* themeName;
  std::function<QIcon(const QColor&)> make;
};

// The share of the image's opaque pixels with kMinImageContrast against the
// toolbar background.
double ContrastingShare(const QIcon& icon, const QColor& background) {
  const QImage image = icon.pixmap(kToolbarIconSize, kToolbarIconSize).toImage();
  int opaque = 0;
  int contrasting = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.alpha() < 255) continue;
      ++opaque;
      if (ContrastRatio(pixel, background) >= kMinImageContrast) ++contrasting;
    }
  }
  return opaque == 0 ? 0.0 : static_cast<double>(contrasting) / opaque;
}

TEST(ToolbarIcons, DrawnImagesStandOutOnLightAndDarkToolbars) {
  const std::vector<Image> images{{"Find", "edit-find", FindIcon},
                                  {"Up", "go-up", UpIcon},
                                  {"Down", "go-down", DownIcon}};
  const std::vector<QColor> backgrounds{QColor(239, 239, 239), Qt::white, QColor(0x2a, 0x2e, 0x32),
                                        QColor(50, 50, 50), Qt::black};
  for (const Image& image : images) {
    if (QIcon::hasThemeIcon(image.themeName)) continue;  // the theme's own image is used
    for (const QColor& background : backgrounds) {
      SCOPED_TRACE(image.name + " on " + background.name().toStdString());
      // Most of the image (the glass of the lens is allowed to be pale).
      EXPECT_GE(ContrastingShare(image.make(background), background), 0.5);
    }
  }
}

}  // namespace
}  // namespace qfc
