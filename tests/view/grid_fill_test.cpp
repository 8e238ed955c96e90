// The row fill: row kinds and their colours, headers, the hidden copy,
// DiffsFound, and how lines appear on screen.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <iomanip>
#include <sstream>

#include "view/grid_fill.h"
#include "view/units.h"
#include "view_fixture.h"

namespace qfc::test {
namespace {

std::string Hex(ColorValue value) {
  std::ostringstream out;
  out << "0x" << std::hex << std::uppercase << std::setw(8) << std::setfill('0') << value;
  return out.str();
}

struct RowCase {
  const char* name;
  std::vector<std::string> left;
  std::vector<std::string> right;
  Pair row;
  // Expected per side: header, text colour, background.
  PerSide<std::string> header;
  PerSide<ColorValue> fore;
  PerSide<ColorValue> back;
  bool diffsFound;
};

class RowKindTest : public ViewFixture, public testing::WithParamInterface<RowCase> {};

TEST_P(RowKindTest, ColoursHeadersAndCopy) {
  const RowCase& c = GetParam();
  Fill(c.left, c.right, {c.row});
  for (const Side side : kBothSides) {
    SCOPED_TRACE(side == Side::Left ? "left grid" : "right grid");
    Grid& grid = window_.GridAt(side);
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.CellText(kHeaderColumn, 1), c.header[side]);
    EXPECT_EQ(Hex(grid.ForeColor(kTextColumn, 1)), Hex(c.fore[side]));
    EXPECT_EQ(Hex(grid.BackColor(kTextColumn, 1)), Hex(c.back[side]));
    EXPECT_EQ(grid.CellText(kCopyColumn, 1), grid.CellText(kTextColumn, 1));
    // The header and the copy never carry colours of their own.
    EXPECT_EQ(Hex(grid.ForeColor(kHeaderColumn, 1)), Hex(kDefaultTextColor));
    EXPECT_EQ(Hex(grid.BackColor(kCopyColumn, 1)), Hex(kDefaultBackColor));
  }
  EXPECT_EQ(window_.DiffsFound(), c.diffsFound);
}

constexpr ColorValue kText = kDefaultTextColor;
constexpr ColorValue kBack = kDefaultBackColor;

INSTANTIATE_TEST_SUITE_P(
    Rows, RowKindTest,
    testing::Values(
        RowCase{"EqualLines", {"abc"}, {"abc"}, {1, 1}, {{"1", "1"}}, {{kText, kText}}, {{kBack, kBack}}, false},
        RowCase{"CaseOnly", {"abc"}, {"ABC"}, {1, 1}, {{"1", "1"}}, {{kChangedColor, kChangedColor}},
                {{kBack, kBack}}, true},
        RowCase{"TrailingBlank", {"abc"}, {"abc "}, {1, 1}, {{"1", "1"}}, {{kChangedColor, kChangedColor}},
                {{kBack, kBack}}, true},
        RowCase{"BlanksBesideEmpty", {"   "}, {""}, {1, 1}, {{"1", "1"}}, {{kText, kText}}, {{kBack, kBack}}, false},
        RowCase{"LeftOnly", {"abc"}, {}, {1, -1}, {{"1", " "}}, {{kOneSidedColor, kText}},
                {{kBack, kAbsentLineBackColor}}, true},
        RowCase{"RightOnly", {}, {"a", "b", "c", "d", "e", "f", "seven"}, {-1, 7}, {{" ", "7"}},
                {{kText, kOneSidedColor}}, {{kAbsentLineBackColor, kBack}}, true}),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

struct DifferCase {
  const char* name;
  std::string left;
  std::string right;
  bool differ;
};

class LinesDifferTest : public testing::TestWithParam<DifferCase> {};

TEST_P(LinesDifferTest, ComparesBytes) {
  EXPECT_EQ(LinesDiffer(GetParam().left, GetParam().right), GetParam().differ)
      << '"' << GetParam().left << "\" vs \"" << GetParam().right << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LinesDifferTest,
    testing::Values(DifferCase{"BothEmpty", "", "", false}, DifferCase{"BlanksOfOtherLengths", "  ", "     ", false},
                    DifferCase{"Equal", "abc", "abc", false}, DifferCase{"CaseDiffers", "abc", "ABC", true},
                    DifferCase{"TrailingBlank", "abc", "abc ", true},
                    DifferCase{"LeadingBlank", " abc", "abc", true},
                    // Only blank 32 is trimmed.
                    DifferCase{"NonBreakingSpaceIsNotBlank", "\xA0", "", true},
                    DifferCase{"BlankBesideText", " ", "x", true}),
    [](const testing::TestParamInfo<DifferCase>& info) { return std::string(info.param.name); });

TEST_F(ViewFixture, HeadersCountEachSidesLinesInOrder) {
  Fill({"a", "b", "c", "d"}, {"b", "x", "d", "e", "f"}, {{1, -1}, {2, 1}, {-1, 2}, {3, -1}, {4, 3}, {-1, 4}, {-1, 5}});
  for (const Side side : kBothSides) {
    Grid& grid = window_.GridAt(side);
    std::vector<std::string> numbered;
    for (std::int32_t row = 1; row <= grid.RowCount(); ++row) {
      if (grid.CellText(kHeaderColumn, row) != " ") {
        numbered.push_back(grid.CellText(kHeaderColumn, row));
      }
    }
    const std::vector<std::string> expected =
        side == Side::Left ? std::vector<std::string>{"1", "2", "3", "4"}
                           : std::vector<std::string>{"1", "2", "3", "4", "5"};
    EXPECT_EQ(numbered, expected);
  }
  EXPECT_EQ(Left().RowCount(), Right().RowCount());
  EXPECT_EQ(Right().CellText(kTextColumn, 5), "d");
}

TEST_F(ViewFixture, IdenticalAndEmptyPairsFindNoDifference) {
  Fill({"same", "", "  "}, {"same", "", "  "}, {{1, 1}, {2, 2}, {3, 3}});
  EXPECT_FALSE(window_.DiffsFound());
}

TEST_F(ViewFixture, EmptyPairLeavesNoRows) {
  Fill({}, {}, {});
  EXPECT_EQ(Left().RowCount(), 0);
  EXPECT_EQ(Right().RowCount(), 0);
  EXPECT_FALSE(window_.DiffsFound());
}

TEST_F(ViewFixture, DiffsFoundStaysOnAfterEqualRows) {
  Fill({"a", "b"}, {"A", "b"}, {{1, 1}, {2, 2}});
  EXPECT_TRUE(window_.DiffsFound());
  EXPECT_EQ(Left().ForeColor(kTextColumn, 2), kDefaultTextColor);
}

TEST_F(ViewFixture, InitGridHidesTheCopyAndHoldsFiveHundredRows) {
  window_.InitGrid(1);
  EXPECT_EQ(Right().RowCount(), 500);
  EXPECT_EQ(Right().ColumnCount(), 2);
  EXPECT_TRUE(Right().isColumnHidden(kCopyColumn - 1));
  EXPECT_THROW(window_.InitGrid(2), std::out_of_range);
}

TEST_F(ViewFixture, HeaderColumnFitsTheRowCountAndTwoWs) {
  Fill({"a"}, {"a"}, {{1, 1}});
  const int expected = QFontMetrics(window_.font()).horizontalAdvance(QStringLiteral("1WW"));
  EXPECT_EQ(Left().verticalHeader()->width(), expected);
  EXPECT_EQ(Right().columnWidth(kTextColumn - 1), TwipsToPixels(25000));
}

// Lines keep their bytes; the screen shows UTF-8 where it is valid, else one
// Latin-1 character per byte.
TEST_F(ViewFixture, ShowsUtf8AndLatin1Lines) {
  Fill({"caf\xC3\xA9"}, {"caf\xE9"}, {{1, 1}});
  Show();
  const QString shown = QStringLiteral("caf\u00E9");
  for (const Side side : kBothSides) {
    const QAbstractItemModel* model = GridOf(side).model();
    EXPECT_EQ(model->data(model->index(0, 0)).toString(), shown);
  }
  EXPECT_EQ(Left().CellText(kTextColumn, 1), "caf\xC3\xA9");
  EXPECT_EQ(Right().CellText(kTextColumn, 1), "caf\xE9");
  // Different bytes, so the row differs even though both read the same.
  EXPECT_EQ(Left().ForeColor(kTextColumn, 1), kChangedColor);
}

struct SelectionCase {
  const char* name;
  std::string line;
  std::int16_t start;
  std::int16_t length;
  std::string selected;
};

class EditSelectionTest : public ViewFixture, public testing::WithParamInterface<SelectionCase> {};

TEST_P(EditSelectionTest, SelectsBytesOfTheLine) {
  const SelectionCase& c = GetParam();
  Fill({c.line}, {c.line}, {{1, 1}});
  Show();
  Left().SetActiveCell(kTextColumn, 1);
  Left().BeginEdit();
  Left().SetEditSelection(c.start, c.length);
  EXPECT_EQ(Left().SelectedText(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EditSelectionTest,
    testing::Values(SelectionCase{"Ascii", "find the word", 5, 3, "the"},
                    SelectionCase{"AfterTwoByteCharacters", "\xC3\xA9t\xC3\xA9 abc", 6, 3, "abc"},
                    SelectionCase{"AcrossAFourByteCharacter", "a\xF0\x9F\x98\x80z", 1, 5, "\xF0\x9F\x98\x80z"},
                    SelectionCase{"Latin1Line", "caf\xE9 au lait", 3, 4, "\xE9 au"}),
    [](const testing::TestParamInfo<SelectionCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc::test
