// Rows that show the lines of a line source: what each cell reads after the
// edits a grid allows, that the source's bytes are never copied, and that the
// grid keeps the source alive.
#include "grid/grid_rows.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qfc {
namespace {

class Lines final : public LineSource {
 public:
  explicit Lines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  [[nodiscard]] std::string_view Line(std::int32_t lineNo) const override {
    return lines_.at(static_cast<std::size_t>(lineNo - 1));
  }

 private:
  std::vector<std::string> lines_;
};

// Row 1 shows line 2 ("beta"); then an edit; then what the cells read.
struct EditCase {
  const char* name;
  std::function<void(GridRows&)> edit;
  std::string header;
  std::string text;
  std::string copy;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class SourceLineEditTest : public testing::TestWithParam<EditCase> {};

TEST_P(SourceLineEditTest, CellsReadAsIfTheTextsWereCopied) {
  const EditCase& c = GetParam();
  GridRows rows;
  rows.SetSource(std::make_shared<Lines>(std::vector<std::string>{"alpha", "beta", ""}));
  rows.Resize(1);
  rows.SetLine(1, 2);
  c.edit(rows);
  EXPECT_EQ(rows.HeaderText(1), c.header);
  EXPECT_EQ(rows.Text(1), c.text);
  EXPECT_EQ(rows.Copy(1), c.copy);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, SourceLineEditTest,
    testing::Values(
        EditCase{"None", [](GridRows&) {}, "2", "beta", "beta"},
        EditCase{"TextChanged", [](GridRows& r) { r.SetText(1, "typed"); }, "2", "typed", "beta"},
        EditCase{"TextCleared", [](GridRows& r) { r.SetText(1, ""); }, "2", "", "beta"},
        EditCase{"TextRestoredFromCopy",
                 [](GridRows& r) {
                   r.SetText(1, "typed");
                   r.SetText(1, std::string(r.Copy(1)));
                 },
                 "2", "beta", "beta"},
        EditCase{"CopyChanged", [](GridRows& r) { r.SetCopy(1, "other"); }, "2", "beta", "other"},
        EditCase{"HeaderNumberChanged", [](GridRows& r) { r.SetHeader(1, 7); }, "7", "beta",
                 "beta"},
        EditCase{"HeaderFreeText", [](GridRows& r) { r.SetHeaderText(1, "x"); }, "x", "beta",
                 "beta"},
        EditCase{"SameHeaderWritten", [](GridRows& r) { r.SetHeaderText(1, "2"); }, "2", "beta",
                 "beta"},
        EditCase{"EmptyLineAfterwards", [](GridRows& r) { r.SetLine(1, 3); }, "3", "", ""},
        EditCase{"TextThenLineAgain",
                 [](GridRows& r) {
                   r.SetText(1, "typed");
                   r.SetLine(1, 1);
                 },
                 "1", "alpha", "alpha"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SourceLineTest, ShowsLinesWithoutCopyingAndKeepsTheSource) {
  auto source = std::make_shared<Lines>(std::vector<std::string>(1000, std::string(100, 'x')));
  const std::weak_ptr<Lines> watch = source;
  GridRows rows;
  rows.SetSource(std::move(source));
  rows.Resize(1000);
  for (std::int32_t row = 1; row <= 1000; ++row) rows.SetLine(row, row);
  EXPECT_EQ(rows.ArenaBytes(), 0u) << "source lines take no bytes of the grid";
  EXPECT_FALSE(watch.expired()) << "the grid keeps its source";
  EXPECT_EQ(rows.Text(1000), std::string(100, 'x'));
  rows.SetHeader(5, 6);
  EXPECT_EQ(rows.ArenaBytes(), 100u) << "only a row whose header moved keeps its own bytes";
}

TEST(SourceLineTest, ALineNeedsASource) {
  GridRows rows;
  rows.Resize(1);
  EXPECT_THROW(rows.SetLine(1, 1), std::logic_error);
}

}  // namespace
}  // namespace qfc
