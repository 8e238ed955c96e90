// A main window whose grids were filled from two small line lists, as the
// start-up fills them, for the view's widget tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/result_grid.h"
#include "input/line_list.h"
#include "view/main_window.h"

namespace qfc::test {

using Pair = std::pair<std::int32_t, std::int32_t>;

class ViewFixture : public testing::Test {
 protected:
  // Set-up, empty, rows, column widths; Busy only meanwhile.
  void Fill(const std::vector<std::string>& left, const std::vector<std::string>& right,
            const std::vector<Pair>& rows) {
    for (const std::string& text : left) (*lines_)[Side::Left].AppendExpandingTabs(text);
    for (const std::string& text : right) (*lines_)[Side::Right].AppendExpandingTabs(text);
    window_.SetBusy(true);
    window_.SetLines(lines_);
    window_.InitGrid(Side::Left);
    window_.InitGrid(Side::Right);
    window_.Rows().ResetRows();
    for (const auto& [l, r] : rows) window_.Rows().AddGridRow({l, r});
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

  // Shows the window and lets the window system deliver what that queued.
  void Show() {
    window_.resize(900, 600);
    window_.show();
    QCoreApplication::processEvents();
  }

  ResultGrid& Left() { return static_cast<ResultGrid&>(window_.GridAt(Side::Left)); }
  ResultGrid& Right() { return static_cast<ResultGrid&>(window_.GridAt(Side::Right)); }

  std::shared_ptr<PerSide<LineList>> lines_ = std::make_shared<PerSide<LineList>>();
  MainWindow window_;
};

}  // namespace qfc::test
