// The main window's layout rule, the divider drag and the status panels.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>

#include "view/units.h"
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
  QWidget* Child(const char* name) { return window_.findChild<QWidget*>(QString::fromLatin1(name)); }
  QWidget* Handle() { return Child("imgSplitter"); }
  QWidget* Bar() { return Child("picSplitter"); }
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
  const double requested = c.requested < 0 ? width + c.requested : c.requested;
  const double expected = c.expected < 0 ? width + c.expected : c.expected;
  window_.SizeControls(requested);

  EXPECT_EQ(window_.SplitterLeft(), expected);
  EXPECT_EQ(Twips(Left().x()), 0);
  EXPECT_EQ(Twips(Left().width()), expected);
  EXPECT_EQ(Twips(Right().x()), TwipsToPixels(expected + 80) * 15);
  EXPECT_EQ(Right().x() + Right().width(), window_.width());
  EXPECT_EQ(Child("txtPath0")->width(), Left().width());
  EXPECT_EQ(Child("txtPath1")->geometry().left(), Right().x());
  EXPECT_EQ(Child("txtPath1")->width(), Right().width());
  EXPECT_EQ(Twips(Child("txtPath0")->y()), 480);
  EXPECT_EQ(Twips(Handle()->y()), 480);
  EXPECT_EQ(Handle()->height(), Left().height());
}

INSTANTIATE_TEST_SUITE_P(Positions, DividerLimitTest,
                         testing::Values(DividerCase{"LeftOfMinimum", 300, 1500}, DividerCase{"AtMinimum", 1500, 1500},
                                         DividerCase{"Inside", 6000, 6000},
                                         DividerCase{"RightOfMargin", -100, -1500}),
                         [](const testing::TestParamInfo<DividerCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, GridsEndThirtyAboveTheStatusBarOrTheBottom) {
  window_.SizeControls(4500);
  const QWidget* status = window_.statusBar();
  const int clientBottom = window_.ClientHeightTwips();
  const int gridBottom = Twips(Left().y() + Left().height());
  EXPECT_NEAR(gridBottom, clientBottom - 30 - Twips(status->height()), 15);
  EXPECT_EQ(Twips(Left().y()), TwipsToPixels(480 + Twips(Child("txtPath0")->height()) + 30) * 15);

  window_.statusBar()->hide();
  window_.SizeControls(4500);
  EXPECT_NEAR(Twips(Left().y() + Left().height()), window_.ClientHeightTwips() - 30, 15);
}

TEST_F(MainWindowTest, MinusOneTakesTheDragBarsPosition) {
  Bar()->move(4500 / 15, Bar()->y());
  window_.SizeControls(-1);
  EXPECT_EQ(window_.SplitterLeft(), 4500);
}

TEST_F(MainWindowTest, NarrowingBelowTheMinimumWidthSetsItBack) {
  window_.resize(50, 600);
  EXPECT_TRUE(WaitUntil([&] { return window_.WidthTwips() == 3000; })) << window_.WidthTwips();
}

TEST_F(MainWindowTest, MinimisedWindowKeepsItsLayout) {
  window_.SizeControls(4500);
  window_.showMinimized();
  WaitUntil([&] { return window_.isMinimized(); });
  if (!window_.isMinimized()) {
    GTEST_SKIP() << "the platform does not minimise windows";
  }
  window_.SizeControls(9000);
  EXPECT_EQ(window_.SplitterLeft(), 4500);
}

// The drag moves only the grey bar; the grids follow on release.
TEST_F(MainWindowTest, DragMovesOnlyTheBarUntilRelease) {
  window_.SizeControls(4500);
  const QRect leftBefore = Left().geometry();
  const QRect rightBefore = Right().geometry();

  QTest::mousePress(Handle(), Qt::LeftButton, {}, QPoint(1, 10));
  ASSERT_TRUE(Bar()->isVisible());
  EXPECT_EQ(Bar()->x(), Handle()->x());
  EXPECT_EQ(Bar()->width(), TwipsToPixels(Twips(Handle()->width()) * 0.6));

  struct Step {
    int pointerX;  // pixels, relative to the handle
    int barLeft;   // twips
  };
  const int handleLeft = window_.SplitterLeft();
  const int limit = window_.WidthTwips() - 1500;
  for (const Step step : {Step{100, handleLeft + 1500 - 15}, Step{-1000, 1500}, Step{window_.width(), limit}}) {
    QMouseEvent move(QEvent::MouseMove, QPointF(step.pointerX, 10), Handle()->mapToGlobal(QPointF(step.pointerX, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Handle(), &move);
    EXPECT_NEAR(Twips(Bar()->x()), step.barLeft, 15) << "pointer at " << step.pointerX;
    EXPECT_EQ(Left().geometry(), leftBefore);
    EXPECT_EQ(Right().geometry(), rightBefore);
    EXPECT_EQ(window_.SplitterLeft(), handleLeft);
  }

  QMouseEvent back(QEvent::MouseMove, QPointF(100, 10), Handle()->mapToGlobal(QPointF(100, 10)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(Handle(), &back);
  const int barLeft = Twips(Bar()->x());
  QTest::mouseRelease(Handle(), Qt::LeftButton, {}, QPoint(100, 10));
  EXPECT_FALSE(Bar()->isVisible());
  EXPECT_EQ(window_.SplitterLeft(), barLeft);
  EXPECT_EQ(Twips(Left().width()), barLeft);
}

TEST_F(MainWindowTest, PointerMoveWithoutPressDoesNothing) {
  const int barLeft = Bar()->x();
  QMouseEvent move(QEvent::MouseMove, QPointF(60, 10), Handle()->mapToGlobal(QPointF(60, 10)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(Handle(), &move);
  EXPECT_EQ(Bar()->x(), barLeft);
  EXPECT_FALSE(Bar()->isVisible());
}

TEST_F(MainWindowTest, StatusTextIsReplacedNotAppended) {
  window_.SetStatusText("Compare Results = File differences exist!!!");
  window_.SetStatusText("At End Of File!");
  const auto* panel = window_.findChild<QLabel*>(QStringLiteral("Status"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->text(), QStringLiteral("At End Of File!"));
  EXPECT_EQ(panel->toolTip(), QStringLiteral("Status Message Area"));
  EXPECT_EQ(window_.StatusText(), "At End Of File!");
  window_.SetStatusText("");
  EXPECT_TRUE(panel->text().isEmpty());
  EXPECT_FALSE(window_.findChild<QLabel*>(QStringLiteral("SysTime"))->text().isEmpty());
}

TEST_F(MainWindowTest, PathBoxesAreReadOnlyAndKeepBytes) {
  window_.SetPath(Side::Right, "/data/r\xE9sum\xE9.txt");
  const auto* box = window_.findChild<QLineEdit*>(QStringLiteral("txtPath1"));
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_EQ(box->text(), QStringLiteral("/data/r\u00E9sum\u00E9.txt"));
  EXPECT_EQ(window_.Path(Side::Right), "/data/r\xE9sum\xE9.txt");
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Quorvelin File Compare"));
}

TEST_F(MainWindowTest, ClosingRunsTheShutdownOnce) {
  int runs = 0;
  window_.SetShutdownProcedure([&] { ++runs; });
  window_.close();
  window_.close();
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace qfc::test
