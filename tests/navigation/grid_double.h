// An in-memory Grid for the navigation and search tests: rows of text and
// colours, an active row, focus and editor state, and a log of the calls the
// tests look at.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
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
  // `name` prefixes the entries this grid writes into `events`.
  explicit GridDouble(std::string name = "", std::vector<std::string>* events = nullptr)
      : name_(std::move(name)), events_(events) {}

  // Rows from a pattern, one character a row: '.' equal, 'D' changed text,
  // 'L' left line only (one-sided text colour), 'R' right line only (absent
  // background), 'X' colours that cannot be read.
  void SetPattern(const std::string& pattern) {
    rows.clear();
    unreadable.clear();
    for (const char kind : pattern) {
      RowDouble row;
      if (kind == 'D') row.fore = kChangedColor;
      if (kind == 'L') row.fore = kOneSidedColor;
      if (kind == 'R') row.back = kAbsentLineBackColor;
      if (kind == 'X') unreadable.insert(static_cast<std::int32_t>(rows.size()) + 1);
      rows.push_back(row);
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
  void SetRowCount(std::int32_t count) override { rows.resize(static_cast<std::size_t>(count)); }
  std::int32_t ColumnCount() const override { return 2; }
  void SetColumnCount(std::int32_t) override {}

  std::string CellText(std::int32_t col, std::int32_t row) const override {
    return col == kTextColumn ? At(row).text : std::string();
  }
  void SetCellText(std::int32_t col, std::int32_t row, std::string_view text) override {
    if (col == kTextColumn) At(row).text = text;
  }

  ColorValue ForeColor(std::int32_t, std::int32_t row) const override {
    if (unreadable.count(row) != 0) throw std::runtime_error("Unreadable");
    return At(row).fore;
  }
  ColorValue BackColor(std::int32_t, std::int32_t row) const override {
    if (unreadable.count(row) != 0) throw std::runtime_error("Unreadable");
    return At(row).back;
  }
  void SetBlockForeColor(ColorValue, CellBlock) override {}
  void SetBlockBackColor(ColorValue, CellBlock) override {}
  void LockBlock(CellBlock) override {}
  void SetColumnHidden(std::int32_t, bool) override {}
  void SetColumnWidth(std::int32_t, double) override {}

  std::int32_t ActiveRow() const override { return activeRow; }
  void SetActiveCell(std::int32_t, std::int32_t row) override {
    activeRow = row;
    editing = false;
    calls.push_back("active " + std::to_string(row));
  }
  std::int32_t TopRow() const override { return 1; }
  void SetTopRow(std::int32_t) override {}
  void SelectBlock(CellBlock) override {}
  void SelectRange(CellBlock) override {}

  void SetFocus() override {
    focused = true;
    calls.push_back("focus");
  }
  bool HasFocus() const override { return focused; }
  void BeginEdit() override {
    editing = true;
    calls.push_back("edit");
  }
  void SetEditSelection(std::int16_t start, std::int16_t length) override {
    calls.push_back("select " + std::to_string(start) + "+" + std::to_string(length));
    if (events_ != nullptr) {
      events_->push_back(name_ + std::to_string(activeRow) + " " + std::to_string(start) + "+" +
                         std::to_string(length));
    }
  }
  std::string SelectedText() const override { return selectedText; }

  std::vector<RowDouble> rows;
  std::set<std::int32_t> unreadable;
  std::int32_t activeRow = 1;
  bool focused = false;
  bool editing = false;
  bool failRowCount = false;
  std::string selectedText;
  std::vector<std::string> calls;

 private:
  RowDouble& At(std::int32_t row) { return rows.at(static_cast<std::size_t>(row - 1)); }
  const RowDouble& At(std::int32_t row) const { return rows.at(static_cast<std::size_t>(row - 1)); }

  std::string name_;
  std::vector<std::string>* events_;
};

}  // namespace qfc::test
