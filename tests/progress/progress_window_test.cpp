#include "progress/progress_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace qfc {
namespace {

using Step = std::function<void(ProgressWindow&)>;

Step Init(std::int32_t phase) {
  return [phase](ProgressWindow& w) { w.InitProgress(phase); };
}
Step Set(std::int32_t percent) {
  return [percent](ProgressWindow& w) { w.SetProgress(percent); };
}
Step Complete() {
  return [](ProgressWindow& w) { w.SetProgComplete(); };
}

// What the window shows after the steps and a real yield.
struct Shown {
  int bar = 0;
  bool barShown = false;
  bool analysisLabel = false;
  bool comparisonLabel = false;
  bool detail = false;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << "{bar " << s.bar << (s.barShown ? " shown" : " hidden") << ", label0 "
             << s.analysisLabel << ", label2 " << s.comparisonLabel << ", detail " << s.detail
             << "}";
}

struct OperationsCase {
  const char* name;
  std::vector<Step> steps;
  Shown expected;
};

void PrintTo(const OperationsCase& c, std::ostream* out) { *out << c.name; }

class ProgressOperationsTest : public testing::TestWithParam<OperationsCase> {};

TEST_P(ProgressOperationsTest, ShowWhatTheStepsAskFor) {
  const OperationsCase& c = GetParam();
  ProgressWindow window;
  for (const Step& step : c.steps) step(window);
  window.YieldNow();
  const Shown shown{window.BarValue(), window.IsBarShown(),
                    window.IsPhaseLabelShown(kAnalysisPhase),
                    window.IsPhaseLabelShown(kComparisonPhase), window.IsDetailShown()};
  EXPECT_EQ(shown, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressOperationsTest,
    testing::Values(
        OperationsCase{"FreshWindowShowsNoPhase", {}, {0, false, false, false, false}},
        OperationsCase{"AnalysisShowsBarAndItsLabel", {Init(0)}, {0, true, true, false, false}},
        OperationsCase{
            "AnalysisResetsBar", {Init(0), Set(55), Init(0)}, {0, true, true, false, false}},
        OperationsCase{"PhaseOneShowsOnlyBar", {Init(1)}, {0, true, false, false, false}},
        OperationsCase{"Above100ClampsTo100", {Init(0), Set(150)}, {100, true, true, false, false}},
        OperationsCase{"Exactly100", {Init(0), Set(100)}, {100, true, true, false, false}},
        OperationsCase{"Ordinary37", {Init(0), Set(37)}, {37, true, true, false, false}},
        OperationsCase{
            "BelowZeroRefusedByBar", {Init(0), Set(37), Set(-5)}, {37, true, true, false, false}},
        OperationsCase{
            "CompleteFillsBar", {Init(0), Set(10), Complete()}, {100, true, true, false, false}},
        OperationsCase{
            "ComparisonKeepsBarAt100", {Init(0), Set(100), Init(2)}, {100, true, true, true, true}},
        OperationsCase{"ComparisonAloneLeavesBarHidden", {Init(2)}, {0, false, false, true, true}},
        OperationsCase{"UnknownPhaseChangesNothing",
                       {Init(0), Set(37), Init(7)},
                       {37, true, true, false, false}},
        OperationsCase{
            "LabelsStayShown", {Init(0), Init(2), Init(0), Init(1)}, {0, true, true, true, true}}),
    [](const testing::TestParamInfo<OperationsCase>& info) {
      return std::string(info.param.name);
    });

TEST(ProgressWindowTest, DetailLineShowsLatestTextAfterRealYield) {
  ProgressWindow window;
  window.InitProgress(kComparisonPhase);
  window.SetProgressText("Range 1 to 9");
  window.SetProgressText("Resolving caf\xE9");
  window.YieldNow();
  EXPECT_EQ(window.DetailText(), QStringLiteral("Resolving caf\u00E9"));
}

TEST(ProgressWindowTest, VersionComesFromVersionRecord) {
  ProgressWindow window;
  EXPECT_EQ(window.VersionText(), QStringLiteral("Version 2.0.70"));
}

TEST(ProgressWindowTest, CloseTwiceIsCloseOnceAndWindowStays) {
  ProgressWindow window;
  window.show();
  EXPECT_FALSE(window.Canceled());
  window.CloseButton()->click();
  EXPECT_TRUE(window.Canceled());
  window.CloseButton()->click();
  EXPECT_TRUE(window.Canceled());
  EXPECT_TRUE(window.Canceled());
  EXPECT_TRUE(window.isVisible());
}

TEST(ProgressWindowTest, EscapePressesClose) {
  ProgressWindow window;
  window.show();
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_TRUE(window.Canceled());
  EXPECT_TRUE(window.isVisible());
}

TEST(ProgressWindowTest, ProgramsCloseClosesWithoutCancel) {
  ProgressWindow window;
  window.show();
  EXPECT_TRUE(window.close());
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.Canceled());
}

TEST(ProgressWindowTest, FixedSizeInPixelsOfFifteenTwips) {
  ProgressWindow window;
  EXPECT_EQ(window.size(), QSize(486, 254));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  const QPushButton* close = window.CloseButton();
  EXPECT_EQ(QRect(close->mapTo(&window, QPoint()), close->size()), QRect(392, 216, 81, 25));
  EXPECT_EQ(close->text(), QStringLiteral("Close"));
}

}  // namespace
}  // namespace qfc
