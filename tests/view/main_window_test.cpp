// The main window's layout rule, the divider drag and the status panel.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>

#include "ui/units.h"
#include "view_fixture.h"

namespace qfc::test {
namespace {

int Twips(int pixels) { return PixelsToTwips(pixels); }

class MainWindowTest : public ViewFixture {
 protected:
  void SetUp() override {
    FillEqual(50);
    Show();
  }
  QWidget* Child(const char* name) { return window_.findChild<QWidget*>(name); }
  QWidget* Handle() { return Child("imgSplitter"); }
  QWidget* Bar() { return Child("picSplitter"); }
  // A pointer move reported to the handle, `x` pixels right of its left edge.
  void MovePointer(int x) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, 10), Handle()->mapToGlobal(QPointF(x, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Handle(), &move);
  }
};

struct DividerCase {
  const char* name;
  double requested;  // twips; negative values count from Width
  double expected;
};

class DividerLimitTest : public MainWindowTest, public testing::WithParamInterface<DividerCase> {};

TEST_P(DividerLimitTest, ClampsAndLaysOutBothSides) {
  const DividerCase& c = GetParam();
  const int width = window_.WidthTwips();
  const double expected = c.expected < 0 ? width + c.expected : c.expected;
  window_.SizeControls(c.requested < 0 ? width + c.requested : c.requested);

  EXPECT_EQ(window_.SplitterLeft(), expected);
  EXPECT_EQ(Left().x(), 0);
  EXPECT_EQ(Twips(Left().width()), expected);
  EXPECT_EQ(Right().x(), TwipsToPixels(expected + 80));
  EXPECT_EQ(Right().x() + Right().width(), window_.width());
  EXPECT_EQ(Child("txtPath0")->width(), Left().width());
  EXPECT_EQ(Child("txtPath1")->geometry(), QRect(Right().x(), Child("txtPath0")->y(),
                                                 Right().width(), Child("txtPath1")->height()));
  EXPECT_EQ(Twips(Child("txtPath0")->y()), 480);
  EXPECT_EQ(Twips(Handle()->y()), 480);
  EXPECT_EQ(Handle()->height(), Left().height());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Positions, DividerLimitTest, testing::Values(
    DividerCase{"LeftOfMinimum", 300, 1500},
    DividerCase{"AtMinimum", 1500, 1500},
    DividerCase{"Inside", 6000, 6000},
    DividerCase{"RightOfMargin", -100, -1500}),
    [](const testing::TestParamInfo<DividerCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MainWindowTest, GridsEndThirtyAboveTheStatusBarOrTheBottom) {
  window_.SizeControls(4500);
  EXPECT_EQ(Twips(Left().y()), TwipsToPixels(480 + Twips(Child("txtPath0")->height()) + 30) * 15);
  const int statusHeight = Twips(window_.statusBar()->height());
  EXPECT_NEAR(Twips(Left().y() + Left().height()), window_.ClientHeightTwips() - 30 - statusHeight,
              15);
  window_.statusBar()->hide();
  window_.SizeControls(4500);
  EXPECT_NEAR(Twips(Left().y() + Left().height()), window_.ClientHeightTwips() - 30, 15);
}

TEST_F(MainWindowTest, NarrowingBelowTheMinimumWidthSetsItBack) {
  window_.resize(50, 600);
  // The resize and the rule's own resize each come back through the window system.
  for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
  EXPECT_EQ(window_.WidthTwips(), 3000);
}

// The drag moves only the grey bar, within the limits; the grids follow on
// the release.
TEST_F(MainWindowTest, DragMovesOnlyTheBarUntilRelease) {
  window_.SizeControls(4500);
  const int barX = Bar()->x();
  MovePointer(100);  // no press on the handle yet: nothing moves
  EXPECT_EQ(Bar()->x(), barX);

  const QRect leftBefore = Left().geometry();
  const QRect rightBefore = Right().geometry();
  QTest::mousePress(Handle(), Qt::LeftButton, {}, QPoint(1, 10));
  ASSERT_TRUE(Bar()->isVisible());
  EXPECT_EQ(Bar()->x(), Handle()->x());
  EXPECT_EQ(Bar()->width(), TwipsToPixels(Twips(Handle()->width()) * 0.6));
  EXPECT_EQ(Bar()->height(), TwipsToPixels(Twips(Handle()->height()) - 20));

  const int limit = window_.WidthTwips() - 1500;
  for (const auto& [pointerX, barLeft] :
       {std::pair{100, 4500 + 1500 - 15}, {-1000, 1500}, {window_.width(), limit}}) {
    MovePointer(pointerX);
    EXPECT_NEAR(Twips(Bar()->x()), barLeft, 15) << "pointer at " << pointerX;
    EXPECT_EQ(Left().geometry(), leftBefore);
    EXPECT_EQ(Right().geometry(), rightBefore);
    EXPECT_EQ(window_.SplitterLeft(), 4500);
  }

  MovePointer(100);
  const int barLeft = Twips(Bar()->x());
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, QPoint(100, 10));
  EXPECT_FALSE(Bar()->isVisible());
  EXPECT_EQ(window_.SplitterLeft(), barLeft);
  EXPECT_EQ(Twips(Left().width()), barLeft);
  window_.SizeControls(-1);  // the hidden bar keeps its place
  EXPECT_EQ(window_.SplitterLeft(), barLeft);
}

TEST_F(MainWindowTest, StatusTextIsReplacedNotAppended) {
  const auto* panel = window_.findChild<QLabel*>("Status");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->toolTip(), "Status Message Area");
  window_.SetStatusText("At End Of File!");
  EXPECT_EQ(panel->text(), "At End Of File!");
  window_.SetStatusText("");
  EXPECT_TRUE(panel->text().isEmpty());
}

}  // namespace
}  // namespace qfc::test
