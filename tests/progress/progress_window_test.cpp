#include "progress/progress_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <functional>
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
Step Text(const char* text) {
  return [text](ProgressWindow& w) { w.SetProgressText(text); };
}
const Step kComplete = [](ProgressWindow& w) { w.SetProgComplete(); };
const Step kClose = [](ProgressWindow& w) { w.CloseButton()->click(); };
const Step kEsc = [](ProgressWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); };
const Step kProgramsClose = [](ProgressWindow& w) { w.close(); };

// The bar's value, the controls shown, and whether the user cancelled or the
// window went away.
std::string Shown(ProgressWindow& w) {
  std::string shown = std::to_string(w.BarValue());
  if (w.IsBarShown()) shown += " bar";
  if (w.IsPhaseLabelShown(kAnalysisPhase)) shown += " label0";
  if (w.IsPhaseLabelShown(kComparisonPhase)) shown += " label2";
  if (w.IsDetailShown()) shown += " detail:" + w.DetailText().toStdString();
  if (w.Canceled()) shown += " canceled";
  if (!w.isVisible()) shown += " hidden";
  return shown;
}

struct OperationsCase {
  const char* name;
  std::vector<Step> steps;
  std::string shown;
};

class ProgressOperationsTest : public testing::TestWithParam<OperationsCase> {};

TEST_P(ProgressOperationsTest, ShowWhatTheStepsAskFor) {
  ProgressWindow window;
  window.show();
  for (const Step& step : GetParam().steps) step(window);
  window.YieldNow();
  EXPECT_EQ(Shown(window), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressOperationsTest,
    testing::Values(
        OperationsCase{"FreshWindowShowsNoPhase", {}, "0"},
        OperationsCase{"AnalysisResetsBar", {Init(0), Set(55), Init(0)}, "0 bar label0"},
        OperationsCase{"PhaseOneShowsOnlyBar", {Init(1)}, "0 bar"},
        OperationsCase{"Above100ClampsTo100", {Init(0), Set(150)}, "100 bar label0"},
        OperationsCase{"Exactly100", {Init(0), Set(100)}, "100 bar label0"},
        OperationsCase{"Ordinary37", {Init(0), Set(37)}, "37 bar label0"},
        OperationsCase{"BelowZeroRefusedByBar", {Init(0), Set(37), Set(-5)}, "37 bar label0"},
        OperationsCase{"CompleteFillsBar", {Init(0), Set(10), kComplete}, "100 bar label0"},
        OperationsCase{"ComparisonKeepsBarAt100",
                       {Init(0), Set(100), Init(2)},
                       "100 bar label0 label2 detail:"},
        OperationsCase{"UnknownPhaseChangesNothing", {Init(0), Set(37), Init(7)}, "37 bar label0"},
        OperationsCase{
            "LabelsStayShown", {Init(0), Init(2), Init(0)}, "0 bar label0 label2 detail:"},
        OperationsCase{"DetailShowsLatestText",
                       {Init(2), Text("Range 1 to 9"), Text("Resolving caf\xE9")},
                       "0 label2 detail:Resolving caf\xC3\xA9"},
        OperationsCase{"CloseTwiceCancelsAndStays", {kClose, kClose}, "0 canceled"},
        OperationsCase{"EscIsClose", {kEsc}, "0 canceled"},
        OperationsCase{"ProgramsCloseIsNoCancel", {kProgramsClose}, "0 hidden"}),
    [](const testing::TestParamInfo<OperationsCase>& info) {
      return std::string(info.param.name);
    });

TEST(ProgressWindowTest, ShowsTheVersionFromTheVersionRecord) {
  EXPECT_EQ(ProgressWindow().VersionText(), QStringLiteral("Version 2.0.70"));
}

}  // namespace
}  // namespace qfc
