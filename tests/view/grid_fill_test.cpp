// The row fill: row kinds and their colours, headers, the hidden copy,
// DiffsFound, and how lines appear on screen.
#include "view/grid_fill.h"

#include <gtest/gtest.h>

#include "input/lines_differ.h"
#include "view_fixture.h"

namespace qfc::test {
namespace {

// The colour numbers: window text, window background, button face, dark red, dark blue.
constexpr ColorValue kText = 0x80000008;
constexpr ColorValue kBack = 0x80000005;
constexpr ColorValue kAbsent = 0x8000000F;
constexpr ColorValue kRed = 0x0000009F;
constexpr ColorValue kBlue = 0x00A00000;

struct RowCase {
  const char* name;
  std::vector<std::string> left;
  std::vector<std::string> right;
  std::vector<Pair> rows;
  // Per side, of the last row: header, text colour, background.
  PerSide<std::string> header;
  PerSide<ColorValue> fore;
  PerSide<ColorValue> back;
  bool diffsFound;
};

class RowKindTest : public ViewFixture, public testing::WithParamInterface<RowCase> {};

TEST_P(RowKindTest, ColoursHeadersAndCopy) {
  const RowCase& c = GetParam();
  Fill(c.left, c.right, c.rows);
  const auto last = static_cast<std::int32_t>(c.rows.size());
  for (const Side side : kBothSides) {
    SCOPED_TRACE(side == Side::Left ? "left grid" : "right grid");
    Grid& grid = window_.GridAt(side);
    ASSERT_EQ(grid.RowCount(), last);
    EXPECT_EQ(grid.CellText(kHeaderColumn, last), c.header[side]);
    EXPECT_EQ(grid.ForeColor(kTextColumn, last), c.fore[side]);
    EXPECT_EQ(grid.BackColor(kTextColumn, last), c.back[side]);
    EXPECT_EQ(grid.CellText(kCopyColumn, last), grid.CellText(kTextColumn, last));
  }
  EXPECT_EQ(window_.DiffsFound(), c.diffsFound);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, RowKindTest, testing::Values(
    RowCase{"EqualLines", {"abc"}, {"abc"}, {{1, 1}}, {{"1", "1"}}, {{kText, kText}}, {{kBack, kBack}}, false},
    RowCase{"BlanksBesideEmpty", {"   "}, {""}, {{1, 1}}, {{"1", "1"}}, {{kText, kText}}, {{kBack, kBack}}, false},
    RowCase{"CaseOnly", {"abc"}, {"ABC"}, {{1, 1}}, {{"1", "1"}}, {{kRed, kRed}}, {{kBack, kBack}}, true},
    RowCase{"TrailingBlank", {"abc"}, {"abc "}, {{1, 1}}, {{"1", "1"}}, {{kRed, kRed}}, {{kBack, kBack}}, true},
    RowCase{"EqualAfterChangedKeepsDiffsFound", {"a", "b"}, {"A", "b"}, {{1, 1}, {2, 2}}, {{"2", "2"}},
            {{kText, kText}}, {{kBack, kBack}}, true},
    RowCase{"LeftOnly", {"abc"}, {}, {{1, -1}}, {{"1", " "}}, {{kBlue, kText}}, {{kBack, kAbsent}}, true},
    RowCase{"RightOnly", {}, {"a", "b", "c", "d", "e", "f", "seven"}, {{-1, 7}}, {{" ", "7"}},
            {{kText, kBlue}}, {{kAbsent, kBack}}, true}),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });
// clang-format on

struct DifferCase {
  const char* name;
  std::string left;
  std::string right;
  bool differ;
};

class LinesDifferTest : public testing::TestWithParam<DifferCase> {};

TEST_P(LinesDifferTest, ComparesBytes) {
  EXPECT_EQ(LinesDiffer(GetParam().left, GetParam().right), GetParam().differ);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, LinesDifferTest, testing::Values(
    DifferCase{"BothEmpty", "", "", false},
    DifferCase{"BlanksOfOtherLengths", "  ", "     ", false},
    DifferCase{"Equal", "abc", "abc", false},
    DifferCase{"CaseDiffers", "abc", "ABC", true},
    DifferCase{"TrailingBlank", "abc", "abc ", true},
    DifferCase{"LeadingBlank", " abc", "abc", true},
    DifferCase{"NonBreakingSpaceIsNotBlank", "\xA0", "", true},  // only blank 32 is trimmed
    DifferCase{"BlankBesideText", " ", "x", true}),
    [](const testing::TestParamInfo<DifferCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ViewFixture, HeadersCountEachSidesLinesInOrder) {
  Fill({"a", "b", "c", "d"}, {"b", "x", "d", "e", "f"},
       {{1, -1}, {2, 1}, {-1, 2}, {3, -1}, {4, 3}, {-1, 4}, {-1, 5}});
  for (const Side side : kBothSides) {
    Grid& grid = window_.GridAt(side);
    std::vector<std::string> numbered;
    for (std::int32_t row = 1; row <= grid.RowCount(); ++row) {
      const std::string header = grid.CellText(kHeaderColumn, row);
      if (header != " ") numbered.push_back(header);
    }
    const std::vector<std::string> all{"1", "2", "3", "4", "5"};
    EXPECT_EQ(numbered, std::vector<std::string>(all.begin(), all.end() - (side == Side::Left)));
  }
  EXPECT_EQ(Right().CellText(kTextColumn, 5), "d");
}

TEST_F(ViewFixture, EmptyFilesGiveNoRowsAndNoDifference) {
  Fill({}, {}, {});
  EXPECT_EQ(Left().RowCount() + Right().RowCount(), 0);
  EXPECT_FALSE(window_.DiffsFound());
}

TEST_F(ViewFixture, InitGridHoldsFiveHundredRowsAndHidesTheCopy) {
  window_.InitGrid(Side::Right);
  EXPECT_EQ(Right().RowCount(), 500);
  EXPECT_EQ(Right().ColumnCount(), 2);
  EXPECT_TRUE(Right().isColumnHidden(kCopyColumn - 1));
}

struct DisplayCase {
  const char* name;
  std::string bytes;
  QString shown;
};

class DisplayTest : public ViewFixture, public testing::WithParamInterface<DisplayCase> {};

TEST_P(DisplayTest, ShowsUtf8WhenValidElseLatin1) {
  Fill({GetParam().bytes}, {"x"}, {{1, 1}});
  Show();
  EXPECT_EQ(Left().model()->index(0, 0).data().toString(), GetParam().shown);
  EXPECT_EQ(Left().CellText(kTextColumn, 1), GetParam().bytes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, DisplayTest, testing::Values(
    DisplayCase{"ValidUtf8", "caf\xC3\xA9", QStringLiteral("caf\u00E9")},
    DisplayCase{"Latin1Byte", "caf\xE9", QStringLiteral("caf\u00E9")},
    DisplayCase{"Utf8CutOffAtEnd", "caf\xC3", QStringLiteral("caf\u00C3")},
    DisplayCase{"OverlongSlash", "\xC0\xAF", QStringLiteral("\u00C0\u00AF")},
    DisplayCase{"ByteOrderMarkKept", "\xEF\xBB\xBFx", QStringLiteral("\uFEFFx")}),
    [](const testing::TestParamInfo<DisplayCase>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace qfc::test
