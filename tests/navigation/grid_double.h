// An in-memory Grid for the navigation and search tests: rows of text and
// colours, an active row, focus, and a log of the calls that move or edit.
#pragma once

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "view/grid.h"

namespace qfc::test {

struct RowDouble {
  std::string text;
  ColorValue fore = kDefaultTextColor;
  ColorValue back = kDefaultBackColor;
};

class GridDouble final : public Grid {
 public:
  // `name` prefixes the selections this grid writes into `events`.
  explicit GridDouble(std::string name = "", std::vector<std::string>* events = nullptr)
      : name_(std::move(name)), events_(events) {}

  // One character a row: '.' equal, 'D' changed, 'L' left line only, 'R' right
  // line only (absent background), 'X' colours that cannot be read.
  void SetPattern(const std::string& pattern) {
    rows.assign(pattern.size(), RowDouble{});
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      if (pattern[i] == 'D') rows[i].fore = kChangedColor;
      if (pattern[i] == 'L') rows[i].fore = kOneSidedColor;
      if (pattern[i] == 'R') rows[i].back = kAbsentLineBackColor;
      if (pattern[i] == 'X') unreadable.insert(static_cast<std::int32_t>(i) + 1);
    }
  }
  void SetTexts(const std::vector<std::string>& texts) {
    rows.clear();
    for (const std::string& text : texts) rows.push_back({text});
  }

  std::int32_t RowCount() const override {
    if (failRowCount) throw std::runtime_error("Grid gone");
    return static_cast<std::int32_t>(rows.size());
  }
  std::string CellText(std::int32_t, std::int32_t row) const override { return At(row).text; }
  ColorValue ForeColor(std::int32_t, std::int32_t row) const override { return Readable(row).fore; }
  ColorValue BackColor(std::int32_t, std::int32_t row) const override { return Readable(row).back; }
  std::int32_t ActiveRow() const override { return activeRow; }
  void SetActiveCell(std::int32_t, std::int32_t row) override {
    activeRow = row;
    calls.push_back("active " + std::to_string(row));
  }
  void SetFocus() override { calls.push_back("focus"); }
  bool HasFocus() const override { return false; }
  void BeginEdit() override { calls.push_back("edit"); }
  void SetEditSelection(std::int16_t start, std::int16_t length) override {
    const std::string range = std::to_string(start) + "+" + std::to_string(length);
    calls.push_back("select " + range);
    if (events_ != nullptr) events_->push_back(name_ + std::to_string(activeRow) + " " + range);
  }

  // Not used by the navigation or the search.
  void SetRowCount(std::int32_t) override {}
  std::int32_t ColumnCount() const override { return 2; }
  void SetColumnCount(std::int32_t) override {}
  void SetCellText(std::int32_t, std::int32_t, std::string_view) override {}
  void SetBlockForeColor(ColorValue, CellBlock) override {}
  void SetBlockBackColor(ColorValue, CellBlock) override {}
  void LockBlock(CellBlock) override {}
  void SetColumnHidden(std::int32_t, bool) override {}
  void SetColumnWidth(std::int32_t, double) override {}
  std::int32_t TopRow() const override { return 1; }
  void SetTopRow(std::int32_t) override {}
  void SelectBlock(CellBlock) override {}
  void SelectRange(CellBlock) override {}
  std::string SelectedText() const override { return {}; }

  std::vector<RowDouble> rows;
  std::set<std::int32_t> unreadable;
  std::int32_t activeRow = 1;
  bool failRowCount = false;
  std::vector<std::string> calls;

 private:
  const RowDouble& At(std::int32_t row) const { return rows.at(static_cast<std::size_t>(row - 1)); }
  const RowDouble& Readable(std::int32_t row) const {
    if (unreadable.count(row) != 0) throw std::runtime_error("Unreadable");
    return At(row);
  }

  std::string name_;
  std::vector<std::string>* events_;
};

}  // namespace qfc::test
