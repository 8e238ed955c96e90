// What of a long line the grid hands to the toolkit, and the row model
// that answers only that part as the cell's text.
#include "grid/shown_part.h"

#include <gtest/gtest.h>

#include <string>

#include "grid/grid_row_model.h"

namespace qfc {
namespace {

const std::string kAscii(3 * kShownPartBytes, 'a');
// Two-byte UTF-8 characters: every odd offset is inside one.
const std::string kTwoByte = [] {
  std::string text;
  while (text.size() < 3 * kShownPartBytes) text += "\xC3\xA9";
  return text;
}();

struct PartCase {
  const char* name;
  const std::string& bytes;
  std::size_t start;
  std::size_t length;
  ShownPart part;
};

void PrintTo(const PartCase& c, std::ostream* os) { *os << c.name; }

class ShownPartTest : public testing::TestWithParam<PartCase> {};

TEST_P(ShownPartTest, HoldsTheSelection) {
  const PartCase& c = GetParam();
  const ShownPart part = PartHolding(c.bytes, c.start, c.length);
  EXPECT_EQ(part.from, c.part.from);
  EXPECT_EQ(part.to, c.part.to);
  EXPECT_LE(part.to - part.from, kShownPartBytes);
}

const std::string kShort = "short line";
constexpr std::size_t kPart = kShownPartBytes;
constexpr std::size_t kLead = kShownPartBytes / 4;

INSTANTIATE_TEST_SUITE_P(
    Parts, ShownPartTest,
    testing::Values(
        PartCase{"ShortLineIsItsOwnPart", kShort, 3, 2, {0, kShort.size()}},
        PartCase{"LongLineShowsItsStart", kAscii, 0, 0, {0, kPart}},
        PartCase{"HitInsideTheStartKeepsIt", kAscii, kPart - 3, 3, {0, kPart}},
        PartCase{"HitBeyondMovesWithLeadIn", kAscii, kPart, 3, {kPart - kLead, 2 * kPart - kLead}},
        PartCase{"HitNearTheEndShowsTheEnd", kAscii, 3 * kPart - 2, 2, {2 * kPart, 3 * kPart}},
        PartCase{"SelectionLongerThanAPartStartsIt",
                 kAscii,
                 kPart + 5,
                 kPart * 2,
                 {kPart + 5, 2 * kPart + 5}},
        PartCase{"EndsFallOnCharacterStarts",
                 kTwoByte,
                 kPart + 1,
                 2,
                 {kPart - kLead, 2 * kPart - kLead}},
        PartCase{"OddEndsMoveBackOntoCharacterStarts",
                 kTwoByte,
                 kPart + 2,
                 2,
                 {kPart - kLead + 2, 2 * kPart - kLead + 2}}),
    [](const testing::TestParamInfo<PartCase>& info) { return std::string(info.param.name); });

TEST(GridRowModelTest, AnswersOnlyTheShownPartOfALongLine) {
  GridRowModel model;
  model.SetRowCount(2);
  model.Flush();
  const std::string line = std::string(50'000, 'x') + "hit" + std::string(100'000, 'y');
  model.SetCellText(1, 1, line);
  model.SetCellText(2, 1, line);
  model.SetCellText(1, 2, kShort);
  const auto shown = [&](int row) { return model.data(model.index(row, 0), Qt::DisplayRole); };
  EXPECT_EQ(shown(0).toString(), QString(kShownPartBytes, 'x'));
  EXPECT_EQ(shown(1).toString(), QString::fromStdString(kShort));

  model.ShowPartHolding(1, 50'000, 3);
  EXPECT_EQ(shown(0).toString().indexOf("hit"), static_cast<int>(kShownPartBytes / 4));
  EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString().size(),
            static_cast<int>(kShownPartBytes));
  // A new text shows its start again.
  model.SetCellText(1, 1, line);
  model.SetCellText(1, 1, "y" + line);
  EXPECT_EQ(shown(0).toString(), "y" + QString(kShownPartBytes - 1, 'x'));
}

}  // namespace
}  // namespace qfc
