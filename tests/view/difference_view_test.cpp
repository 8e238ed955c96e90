// What the window shows of the differences beyond the row colours: the tint
// under the differing characters, read back from the painted grid, and the
// difference map, from its marks to a click that scrolls both grids.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <vector>

#include "grid/changed_text_tint.h"
#include "grid/difference_map.h"
#include "grid/grid_row_model.h"
#include "grid/grid_rows.h"
#include "grid/shown_part.h"
#include "view_fixture.h"

namespace qfc::test {
namespace {

// Characters [first, end) of a cell's text.
struct CharacterRange {
  int first = 0;
  int end = 0;
};

// Rows of every kind; the changed ones differ in known characters.
const std::vector<std::string> kLeft = {"abcdef",          "line 0126 alpha beta gamma",
                                        "x = 10; y = 20;", "same text",
                                        "only left",       "caf\xC3\xA9 au lait"};
const std::vector<std::string> kRight = {"uvwxyz",          "line 0126 alpha BETA gamma",
                                         "x = 11; y = 21;", "same text",
                                         "only right",      "caf\xC3\xA8 au lait"};
const std::vector<Pair> kRows = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, -1}, {-1, 5}, {6, 6}};

class TintTest : public ViewFixture {
 protected:
  void SetUp() override {
    Fill(kLeft, kRight, kRows);
    Show();
    // Divider in the middle, so that every text fits its grid.
    window_.SizeControls(window_.ClientWidthTwips() / 2);
    QCoreApplication::processEvents();
  }

  // The x ranges [from, to) of the cell of `row` in which some pixel has
  // the tint's colour, in viewport pixels.
  std::vector<std::pair<int, int>> TintedRanges(ResultGrid& grid, int row) {
    const QImage image = grid.viewport()->grab().toImage();
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, 0));
    const QRgb tint = QColor(255, 208, 208).rgb();
    std::vector<std::pair<int, int>> ranges;
    for (int x = cell.left(); x <= cell.right() && x < image.width(); ++x) {
      bool tinted = false;
      for (int y = cell.top(); y <= cell.bottom() && !tinted; ++y) {
        tinted = image.pixel(x, y) == tint;
      }
      if (!tinted) continue;
      if (!ranges.empty() && ranges.back().second == x) {
        ranges.back().second = x + 1;
      } else {
        ranges.emplace_back(x, x + 1);
      }
    }
    return ranges;
  }

  // The first and last x of the cell of `row` with dark red ink: the text.
  std::pair<int, int> InkRange(ResultGrid& grid, int row) {
    constexpr int kInkGreen = 120;  // text pixels: green far below a pale background's
    const QImage image = grid.viewport()->grab().toImage();
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, 0));
    std::pair<int, int> range{-1, -1};
    for (int x = cell.left(); x <= cell.right() && x < image.width(); ++x) {
      for (int y = cell.top(); y <= cell.bottom(); ++y) {
        if (qGreen(image.pixel(x, y)) >= kInkGreen) continue;
        if (range.first < 0) range.first = x;
        range.second = x;
        break;
      }
    }
    return range;
  }

  // The font is of fixed width: character n starts n widths from the first.
  double CharacterWidth(ResultGrid& grid) {
    return QFontMetricsF(grid.font()).horizontalAdvance(QLatin1Char('x'));
  }
};

TEST_F(TintTest, UnrelatedLinesAreTintedWhole) {
  for (ResultGrid* grid : {&Left(), &Right()}) {
    const auto ranges = TintedRanges(*grid, 1);
    ASSERT_EQ(ranges.size(), 1u);
    EXPECT_NEAR(ranges[0].second - ranges[0].first, 6 * CharacterWidth(*grid), 1.5);
    // The letters' ink lies inside the tint, starting within its first letter.
    const auto [inkFirst, inkLast] = InkRange(*grid, 1);
    EXPECT_GE(inkFirst, ranges[0].first);
    EXPECT_LT(inkFirst, ranges[0].first + CharacterWidth(*grid) / 2);
    EXPECT_LT(inkLast, ranges[0].second);
  }
}

struct TintCase {
  const char* name;
  int row;
  std::vector<CharacterRange> expected;  // alike on both sides
};

class TintPlacementTest : public TintTest, public testing::WithParamInterface<TintCase> {};

TEST_P(TintPlacementTest, LiesUnderExactlyTheDifferingCharacters) {
  const TintCase& c = GetParam();
  for (ResultGrid* grid : {&Left(), &Right()}) {
    // Row 1 is tinted from its first character on: the text's left edge.
    const int textLeft = TintedRanges(*grid, 1).at(0).first;
    const double width = CharacterWidth(*grid);
    const auto ranges = TintedRanges(*grid, c.row);
    ASSERT_EQ(ranges.size(), c.expected.size()) << (grid == &Left() ? "left" : "right");
    for (std::size_t i = 0; i < ranges.size(); ++i) {
      EXPECT_NEAR(ranges[i].first, textLeft + c.expected[i].first * width, 1.5);
      EXPECT_NEAR(ranges[i].second, textLeft + c.expected[i].end * width, 1.5);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TintPlacementTest,
    testing::Values(TintCase{"OneWord", 2, {{16, 20}}},
                    TintCase{"TwoDigitsApart", 3, {{5, 6}, {13, 14}}},
                    TintCase{"EqualRowNone", 4, {}}, TintCase{"LeftOnlyRowNone", 5, {}},
                    TintCase{"RightOnlyRowNone", 6, {}},
                    TintCase{"MultiByteLetterIsOneCharacter", 7, {{3, 4}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TintTest, SelectedRowShowsTheSelectionInstead) {
  Left().SelectBlock({kTextColumn, 2, kTextColumn, 2});
  EXPECT_TRUE(TintedRanges(Left(), 2).empty());
  EXPECT_FALSE(TintedRanges(Right(), 2).empty());
}

// The marks and the outline, on rows given by their colours.
void MarkDifferences(GridRows& rows, std::int32_t count, const std::vector<std::int32_t>& changed,
                     const std::vector<std::int32_t>& absent) {
  rows.Resize(count);
  for (const std::int32_t row : changed) rows.SetForeColor(row, kChangedColor);
  for (const std::int32_t row : absent) rows.SetBackColor(row, kAbsentLineBackColor);
}

TEST(DifferenceMapMarks, OneRowBlockStaysVisibleAmongAMillionRows) {
  constexpr std::int32_t kRows = 1'000'000;
  constexpr int kHeight = 600;
  GridRows rows;
  MarkDifferences(rows, kRows, {500'000}, {999'999});
  const MapBuckets buckets = FoldRows(rows);
  ASSERT_EQ(buckets.marks.size(), static_cast<std::size_t>(kMapBuckets));
  std::vector<std::pair<std::int32_t, std::uint8_t>> marked;
  for (std::int32_t b = 0; b < kMapBuckets; ++b) {
    if (buckets.marks[b] != 0) marked.emplace_back(b, buckets.marks[b]);
  }
  ASSERT_EQ(marked.size(), 2u);
  EXPECT_EQ(marked[0].second, kChangedMark);
  EXPECT_EQ(marked[1].second, kOneSidedMark);
  for (const auto& [bucket, mark] : marked) {
    const MapSpan span = BucketSpan(bucket, kMapBuckets, kHeight);
    EXPECT_GE(span.bottom - span.top, kMinMarkHeight);
    EXPECT_LE(span.bottom, kHeight);
  }
  EXPECT_EQ(BucketSpan(marked[0].first, kMapBuckets, kHeight).top, kHeight / 2 - 1);
  EXPECT_EQ(BucketSpan(marked[1].first, kMapBuckets, kHeight).bottom, kHeight);
}

TEST(DifferenceMapMarks, FewRowsGetABucketEach) {
  GridRows rows;
  MarkDifferences(rows, 4, {2}, {4});
  const MapBuckets buckets = FoldRows(rows);
  EXPECT_EQ(buckets.marks, (std::vector<std::uint8_t>{0, kChangedMark, 0, kOneSidedMark}));
  EXPECT_EQ(BucketSpan(1, 4, 100), (MapSpan{25, 50}));
}

struct OutlineCase {
  const char* name;
  std::int32_t topRow;
  std::int32_t page;
  std::int32_t rows;
  MapSpan expected;  // on a strip 200 pixels high
};

class OutlineTest : public testing::TestWithParam<OutlineCase> {};

TEST_P(OutlineTest, FramesTheRowsInView) {
  const OutlineCase& c = GetParam();
  EXPECT_EQ(ViewSpan(c.topRow, c.page, c.rows, 200), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Views, OutlineTest,
    testing::Values(OutlineCase{"Top", 1, 30, 100, {0, 60}},
                    OutlineCase{"Middle", 36, 30, 100, {70, 130}},
                    OutlineCase{"Bottom", 71, 30, 100, {140, 200}},
                    OutlineCase{"PageLongerThanTheFile", 1, 30, 10, {0, 200}},
                    OutlineCase{"MillionRowsKeepsTwoPixels", 500'001, 30, 1'000'000, {100, 102}},
                    OutlineCase{"MillionRowsAtTheEnd", 1'000'000, 30, 1'000'000, {198, 200}}),
    [](const auto& info) { return std::string(info.param.name); });

class DifferenceMapClickTest : public ViewFixture {
 protected:
  static constexpr int kRowCount = 300;
  static constexpr int kChangedRow = 250;

  void SetUp() override {
    std::vector<std::string> left;
    std::vector<std::string> right;
    std::vector<Pair> rows;
    for (int i = 1; i <= kRowCount; ++i) {
      left.push_back("line " + std::to_string(i));
      right.push_back(i == kChangedRow ? "changed" : "line " + std::to_string(i));
      rows.emplace_back(i, i);
    }
    Fill(left, right, rows);
    Show();
  }
};

TEST_F(DifferenceMapClickTest, ClickOnTheMarkBringsTheDifferenceIntoBothGrids) {
  auto* map = Left().findChild<DifferenceMap*>();
  ASSERT_NE(map, nullptr);
  ASSERT_TRUE(map->isVisible());
  EXPECT_EQ(Left().TopRow(), 1);
  const int y = (kChangedRow - 1) * map->height() / kRowCount;
  QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, QPoint(map->width() / 2, y));
  const std::int32_t page = Left().verticalScrollBar()->pageStep();
  EXPECT_LE(Left().TopRow(), kChangedRow);
  EXPECT_GT(Left().TopRow() + page, kChangedRow);
  EXPECT_EQ(Right().TopRow(), Left().TopRow());
}

TEST_F(DifferenceMapClickTest, StripSitsBesideTheScrollBarAndKeepsTheTextClear) {
  auto* map = Left().findChild<DifferenceMap*>();
  ASSERT_NE(map, nullptr);
  const QRect text = Left().viewport()->geometry();
  EXPECT_EQ(map->geometry().left(), text.right() + 1);
  EXPECT_EQ(map->geometry().height(), text.height());
  QScrollBar* bar = Left().verticalScrollBar();
  ASSERT_TRUE(bar->isVisible());
  EXPECT_LT(map->geometry().right(), bar->mapTo(&Left(), QPoint(0, 0)).x());
}

// A changed row of very long lines is diffed over the pieces the grids show,
// never over the whole lines: a shown part's work and memory, whatever the
// line's length, and runs that fall inside the painted text.
TEST(TintOfLongLines, DiffsOnlyTheShownParts) {
  constexpr std::size_t kLong = 1'000'000;
  PerSide<std::string> texts{{std::string(kLong, 'a'), std::string(kLong, 'a')}};
  texts[Side::Right][5] = 'B';
  texts[Side::Right][kLong - 5] = 'B';
  GridRowModel left;
  GridRowModel right;
  const PerSide<GridRowModel*> models{{&left, &right}};
  for (const Side side : kBothSides) {
    models[side]->SetRowCount(1);
    models[side]->SetCellText(kTextColumn, 1, texts[side]);
    models[side]->SetForeColor(kChangedColor, 1, 1);
  }
  std::size_t longestSeen = 0;
  ChangedTextTint tint({{&left, &right}},
                       [&](const PerSide<std::string_view>& lines) {
                         for (const Side side : kBothSides) {
                           longestSeen = std::max(longestSeen, lines[side].size());
                         }
                         ChangedRuns runs;
                         runs[Side::Right].push_back({5, 1});
                         return runs;
                       });
  const auto runs = tint.Runs(Side::Right, 1);
  EXPECT_LE(longestSeen, kShownPartBytes);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0], (ShownRun{5, 1}));

  // A part moved onto a search hit is diffed afresh, in its own positions.
  longestSeen = 0;
  right.ShowPartHolding(1, kLong - 5, 1);
  static_cast<void>(tint.Runs(Side::Right, 1));
  EXPECT_GT(longestSeen, 0u) << "the moved part must not reuse the cached runs";
  EXPECT_LE(longestSeen, kShownPartBytes);
}

}  // namespace
}  // namespace qfc::test
