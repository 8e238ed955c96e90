#include "view/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace qfc {
namespace {

struct DisplayCase {
  const char* name;
  std::string bytes;
  QString shown;
};

class DisplayTextTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTextTest, ShowsUtf8WhenValidElseOneCharacterPerByte) {
  const DisplayCase& c = GetParam();
  EXPECT_EQ(ShownText(c.bytes), c.shown) << "got " << ShownText(c.bytes).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, DisplayTextTest,
    testing::Values(DisplayCase{"Ascii", "Range 1 to 9", QStringLiteral("Range 1 to 9")},
                    DisplayCase{"ValidUtf8", "caf\xC3\xA9", QStringLiteral("caf\u00E9")},
                    DisplayCase{"Latin1Byte", "caf\xE9", QStringLiteral("caf\u00E9")},
                    DisplayCase{"Utf8CutOffAtEnd", "caf\xC3", QStringLiteral("caf\u00C3")},
                    DisplayCase{"OverlongSlash", "\xC0\xAF", QStringLiteral("\u00C0\u00AF")},
                    DisplayCase{"NulKept", std::string("a\0b", 3),
                                QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b")},
                    DisplayCase{"ByteOrderMarkKept", "\xEF\xBB\xBFx", QStringLiteral("\uFEFFx")}),
    [](const testing::TestParamInfo<DisplayCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc
