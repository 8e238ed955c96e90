// A shown main window whose grids were filled from two small line lists, for
// the view's widget tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "input/line_list.h"
#include "input/side.h"
#include "view/main_window.h"
#include "view/result_grid.h"

namespace qfc::test {

using Pair = std::pair<std::int32_t, std::int32_t>;

// Runs the event loop until `done` holds or a second has passed.
inline bool WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  constexpr int kPatienceMs = 1000;
  while (!done() && clock.elapsed() < kPatienceMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return done();
}

class ViewFixture : public testing::Test {
 protected:
  // Fills both grids with the rows, texts taken from the two lists, as the
  // start-up does: set-up, empty, rows, column widths, Busy cleared.
  void Fill(const std::vector<std::string>& left, const std::vector<std::string>& right,
            const std::vector<Pair>& rows) {
    for (const std::string& text : left) {
      lines_[Side::Left].AppendExpandingTabs(text);
    }
    for (const std::string& text : right) {
      lines_[Side::Right].AppendExpandingTabs(text);
    }
    window_.SetBusy(true);
    window_.SetLines(&lines_);
    window_.InitGrid(0);
    window_.InitGrid(1);
    window_.Rows().ResetRows();
    for (const auto& [l, r] : rows) {
      window_.Rows().AddGridRow(l, r);
    }
    window_.Rows().SizeColumns(static_cast<std::int32_t>(rows.size()));
    window_.SetBusy(false);
  }

  // n equal rows "line 1" .. "line n" on both sides.
  void FillEqual(int n) {
    std::vector<std::string> texts;
    std::vector<Pair> rows;
    for (int i = 1; i <= n; ++i) {
      texts.push_back("line " + std::to_string(i));
      rows.emplace_back(i, i);
    }
    Fill(texts, texts, rows);
  }

  void Show(int width = 900, int height = 600) {
    window_.resize(width, height);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  ResultGrid& GridOf(Side side) { return static_cast<ResultGrid&>(window_.GridAt(side)); }
  ResultGrid& Left() { return GridOf(Side::Left); }
  ResultGrid& Right() { return GridOf(Side::Right); }

  PerSide<LineList> lines_;
  MainWindow window_;
};

}  // namespace qfc::test
