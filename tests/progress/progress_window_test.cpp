#include "progress/progress_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "version_record.h"

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

// Values set in quick succession wait for the next real yield; these are
// the moments when they must be on screen all the same.
struct LatestCase {
  const char* name;
  std::vector<Step> steps;  // after a real yield, so the last ones are pending
  int bar;
  std::string detail;
};

class ProgressLatestTest : public testing::TestWithParam<LatestCase> {};

TEST_P(ProgressLatestTest, WhatWasSetLastIsShown) {
  ProgressWindow window;
  window.show();
  window.InitProgress(kComparisonPhase);
  window.YieldNow();
  for (const Step& step : GetParam().steps) step(window);
  EXPECT_EQ(window.BarValue(), GetParam().bar);
  EXPECT_EQ(window.DetailText().toStdString(), GetParam().detail);
}

const Step kShowLatest = [](ProgressWindow& w) { w.ShowLatest(); };
const Step kAskCanceled = [](ProgressWindow& w) { (void)w.Canceled(); };
const Step kHide = [](ProgressWindow& w) { w.hide(); };

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressLatestTest,
    testing::Values(
        LatestCase{"CompleteBeforeAMessage", {Set(40), kComplete, kShowLatest}, 100, ""},
        LatestCase{
            "TextBeforeAMessage", {Text("Range 1"), Text("Range 2"), kShowLatest}, 0, "Range 2"},
        LatestCase{"EveryCanceledAfterAClick",
                   {kClose, kAskCanceled, Set(37), Text("Loading Lines 3 and 3"), kAskCanceled},
                   37,
                   "Loading Lines 3 and 3"},
        LatestCase{"HidingShowsTheLatest", {Set(64), kHide}, 64, ""}),
    [](const testing::TestParamInfo<LatestCase>& info) { return std::string(info.param.name); });

TEST(ProgressWindowTest, TextsAsTheUserReadsThem) {
  ProgressWindow window;
  window.InitProgress(kAnalysisPhase);
  window.InitProgress(kComparisonPhase);
  std::vector<std::string> texts;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->text().isEmpty() && label->isVisibleTo(&window)) {
      texts.push_back(label->text().toStdString());
    }
  }
  for (const std::string& text :
       {std::string("Quorvelin's  File Compare Utility"), std::string("Version 2.0.70"),
        std::string(version::kLegalNotice),
        std::string("Analyzing input files to determine comparison mode (binary vs. ASCII)..."),
        std::string("Processing Iterative Compare, please wait...")}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
  }
  EXPECT_EQ(window.CloseButton()->text(), "Close");
}

TEST(ProgressWindowTest, ShowsTheVersionFromTheVersionRecord) {
  EXPECT_EQ(ProgressWindow().VersionText(), QStringLiteral("Version 2.0.70"));
}

}  // namespace
}  // namespace qfc
