#include "navigation/difference_navigator.h"

#include <gtest/gtest.h>

#include "navigation/grid_double.h"
#include "support/platform_double.h"

namespace qfc {
namespace {

constexpr char kAtEnd[] = "At End Of File!";
constexpr char kAtBeginning[] = "At Beginning Of File!";

struct Navigation {
  test::GridDouble left;
  test::GridDouble right;
  test::PlatformDouble platform;
  std::vector<std::string> status;
  DifferenceNavigator navigator{PerSide<Grid*>{{&left, &right}}, platform,
                                [this](const std::string& text) { status.push_back(text); }};
};

struct StepCase {
  const char* name;
  const char* pattern;  // rows of the left grid, see GridDouble::SetPattern
  std::int32_t start;   // the left grid's active row
  bool shift;
  bool down;
  std::vector<std::int32_t> visits;  // both grids' active row after each command
  const char* lastStatus;            // the earlier ones are all ""
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class StepTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepTest, VisitsRowsInOrder) {
  const StepCase& c = GetParam();
  Navigation nav;
  nav.left.SetPattern(c.pattern);
  nav.right.SetPattern(std::string(nav.left.rows.size(), '.'));
  nav.left.activeRow = c.start;
  nav.right.activeRow = 7;  // must not influence where a step starts
  nav.platform.shift = c.shift;

  std::vector<std::int32_t> leftVisits;
  std::vector<std::int32_t> rightVisits;
  for (std::size_t i = 0; i < c.visits.size(); ++i) {
    nav.navigator.MoveToDiff(c.down);
    leftVisits.push_back(nav.left.activeRow);
    rightVisits.push_back(nav.right.activeRow);
  }
  EXPECT_EQ(leftVisits, c.visits);
  EXPECT_EQ(rightVisits, c.visits);
  std::vector<std::string> expectedStatus(c.visits.size(), "");
  expectedStatus.back() = c.lastStatus;
  EXPECT_EQ(nav.status, expectedStatus);
  EXPECT_EQ(nav.platform.beeps, std::string(c.lastStatus).empty() ? 0 : 1);
}

constexpr char kBlocks[] = "..DDD...D...";  // blocks 3-5 and 9 of twelve rows

INSTANTIATE_TEST_SUITE_P(
    DifferenceNavigator, StepTest,
    testing::Values(
        StepCase{"NextEdgeToEdgeThenEnd", kBlocks, 1, false, true, {3, 5, 9, 12}, kAtEnd},
        StepCase{"NextRowByRowWithShift", kBlocks, 1, true, true, {3, 4, 5, 9, 12}, kAtEnd},
        StepCase{"PreviousEdgeToEdgeThenBeginning",
                 kBlocks,
                 12,
                 false,
                 false,
                 {9, 5, 3, 1},
                 kAtBeginning},
        StepCase{
            "PreviousRowByRowWithShift", kBlocks, 12, true, false, {9, 5, 4, 3, 1}, kAtBeginning},
        StepCase{"PreviousInsideBlockGoesToItsTop", kBlocks, 4, false, false, {3, 1}, kAtBeginning},
        StepCase{"NextInsideBlockGoesToItsBottom", kBlocks, 4, false, true, {5, 9}, ""},
        StepCase{"PreviousOnFirstRowInsideBlock", "DD...", 1, false, false, {1}, kAtBeginning},
        StepCase{"NextOnLastRowInsideBlock", "...DD", 5, false, true, {5}, kAtEnd},
        StepCase{"NextWithoutDifferences", ".....", 2, false, true, {5}, kAtEnd},
        StepCase{"PreviousWithoutDifferences", ".....", 4, false, false, {1}, kAtBeginning},
        StepCase{"OneRowBlocksVisitedOnce", ".D.D.", 1, false, true, {2, 4, 5}, kAtEnd},
        StepCase{"RightOnlyRowFoundByBackground", "..R..", 1, false, true, {3}, ""},
        StepCase{"LeftOnlyRowFoundByTextColour", "..L..", 5, false, false, {3}, ""},
        StepCase{"ActiveRowZeroCountsAsRowOne", "D.D..", 0, false, true, {3}, ""},
        StepCase{"UnreadableColoursAreNoDifference", "..X.D", 1, false, true, {5}, ""}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(DifferenceNavigatorTest, EmptyGridsSayThereIsNoData) {
  Navigation nav;
  nav.navigator.MoveToDiff(true);
  nav.navigator.MoveToDiff(false);
  EXPECT_EQ(nav.status, std::vector<std::string>(2, "No Quorvelin File Compare Data to find"));
  EXPECT_EQ(nav.platform.beeps, 0);
  EXPECT_TRUE(nav.left.calls.empty() && nav.right.calls.empty());
}

TEST(DifferenceNavigatorTest, GridFailureEndsInCriticalMessage) {
  Navigation nav;
  nav.left.SetPattern(kBlocks);
  nav.left.failRowCount = true;
  nav.navigator.MoveToDiff(true);
  ASSERT_EQ(nav.platform.messages.size(), 1u);
  EXPECT_EQ(nav.platform.messages[0].text, "Grid gone");
  EXPECT_EQ(nav.platform.messages[0].title, kAppTitle);
  EXPECT_EQ(nav.platform.messages[0].icon, MessageIcon::Critical);
}

}  // namespace
}  // namespace qfc
