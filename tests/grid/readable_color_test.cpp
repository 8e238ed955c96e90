#include "grid/readable_color.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qfc {
namespace {

const QColor kChanged(159, 0, 0);
const QColor kOneSided(0, 0, 160);

struct Background {
  std::string name;
  QColor window;  // the grid's background
  QColor absent;  // the palette's button face, the absent-line background
};

// Backgrounds of light palettes: every colour is painted as it is.
const std::vector<Background> kLight{
    {"white with a light grey button face", Qt::white, QColor(239, 239, 239)},
    {"Fusion's light base", QColor(255, 255, 255), QColor(240, 240, 240)},
    {"a pale yellow window", QColor(255, 255, 220), QColor(212, 208, 200)},
    {"a mid grey just too light to count as dark", QColor(119, 119, 119), QColor(119, 119, 119)},
};

// Backgrounds of dark palettes, the hardest ones included: a button face equal
// to the window (as a style sheet leaves it), one darker than the window, and
// a dark grey close to the light/dark border.
const std::vector<Background> kDark{
    {"a dark theme's base", QColor(0x1b, 0x1e, 0x20), QColor(0x2a, 0x2e, 0x32)},
    {"Fusion dark", QColor(42, 42, 42), QColor(53, 53, 53)},
    {"black", Qt::black, Qt::black},
    {"button face darker than the window", QColor(60, 60, 60), QColor(30, 30, 30)},
    {"a grey near the border", QColor(110, 110, 110), QColor(110, 110, 110)},
};

TEST(ContrastRatio, KnownValues) {
  EXPECT_DOUBLE_EQ(ContrastRatio(Qt::white, Qt::black), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(Qt::black, Qt::white), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(kChanged, kChanged), 1.0);
  // The figures the dark red and dark blue have against a dark theme's base.
  EXPECT_NEAR(ContrastRatio(kChanged, QColor(0x1b, 0x1e, 0x20)), 2.0, 0.1);
  EXPECT_NEAR(ContrastRatio(kOneSided, QColor(0x1b, 0x1e, 0x20)), 1.2, 0.1);
}

TEST(PaintedColors, LightBackgroundPaintsEveryColourAsItIs) {
  const std::vector<QColor> texts{kChanged, kOneSided, Qt::black, QColor(200, 200, 200)};
  for (const Background& background : kLight) {
    SCOPED_TRACE(background.name);
    EXPECT_FALSE(IsDarkBackground(background.window));
    for (const QColor& text : texts) {
      EXPECT_EQ(PaintedTextColor(text, background.window), text);
    }
    EXPECT_EQ(PaintedCellBackground(background.absent, background.window), background.absent);
  }
}

TEST(PaintedColors, DarkBackgroundLightensChangedAndOneSidedText) {
  for (const Background& background : kDark) {
    SCOPED_TRACE(background.name);
    ASSERT_TRUE(IsDarkBackground(background.window));
    const QColor changed = PaintedTextColor(kChanged, background.window);
    const QColor oneSided = PaintedTextColor(kOneSided, background.window);
    EXPECT_GE(ContrastRatio(changed, background.window), kMinTextContrast);
    EXPECT_GE(ContrastRatio(oneSided, background.window), kMinTextContrast);
    // Still red and still blue, and still told apart from each other.
    EXPECT_GT(changed.red(), changed.blue());
    EXPECT_GT(oneSided.blue(), oneSided.red());
    EXPECT_NE(changed, oneSided);
  }
}

TEST(PaintedColors, DarkBackgroundKeepsReadableTextAndLiftsUnreadableText) {
  const QColor window(0x1b, 0x1e, 0x20);
  const QColor lightText(0xfc, 0xfc, 0xfc);
  EXPECT_EQ(PaintedTextColor(lightText, window), lightText);
  // A theme's light red is already readable and is left alone.
  EXPECT_EQ(PaintedTextColor(QColor(255, 140, 140), window), QColor(255, 140, 140));
  EXPECT_GE(ContrastRatio(PaintedTextColor(Qt::black, window), window), kMinTextContrast);
}

TEST(PaintedColors, ChangedCharacterTintKeepsChangedTextReadable) {
  const QColor tint(0xFF, 0xD0, 0xD0);
  for (const Background& background : kLight) {
    EXPECT_EQ(PaintedTintColor(tint, background.window), tint) << background.name;
  }
  for (const Background& background : kDark) {
    SCOPED_TRACE(background.name);
    const QColor painted = PaintedTintColor(tint, background.window);
    EXPECT_GE(ContrastRatio(PaintedTextColor(kChanged, background.window), painted),
              kMinTextContrast);
    EXPECT_GE(ContrastRatio(painted, background.window), kMinAbsentContrast);
  }
}

TEST(PaintedColors, DarkBackgroundKeepsAbsentLinesApart) {
  for (const Background& background : kDark) {
    SCOPED_TRACE(background.name);
    const QColor absent = PaintedCellBackground(background.absent, background.window);
    EXPECT_GE(ContrastRatio(absent, background.window), kMinAbsentContrast);
    // A band, not a second text colour: the line texts stay readable on it.
    EXPECT_GE(ContrastRatio(PaintedTextColor(kOneSided, background.window), absent), 3.0);
  }
}

}  // namespace
}  // namespace qfc
