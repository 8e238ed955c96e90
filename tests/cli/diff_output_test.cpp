// The two printed forms of the aligned rows, over the engine's real rows.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/collected_rows.h"
#include "cli/command_options.h"
#include "cli/row_kind.h"
#include "cli/row_listing.h"
#include "cli/unified_diff.h"
#include "engine/compare_lines.h"
#include "engine/loaded_text_builder.h"
#include "support/progress_double.h"

namespace qfc::cli {
namespace {

using Lines = std::vector<std::string>;

// Captures what an OutputBuffer writes.
class Captured {
 public:
  Captured() : stream_(open_memstream(&data_, &size_)) {}
  ~Captured() {
    if (stream_ != nullptr) std::fclose(stream_);
    std::free(data_);
  }
  std::FILE* Stream() { return stream_; }
  std::string Text() {
    std::fflush(stream_);
    return std::string(data_, size_);
  }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* stream_;
};

enum class Form { Rows, Unified };

std::string Printed(const Lines& left, const Lines& right, Form form,
                    int context = kDefaultContext) {
  LoadedText text = test::MakeLoadedText(left, right);
  test::ProgressDouble progress;
  CollectedRows sink;
  CompareLines(text, progress, sink);
  std::vector<RowKind> kinds;
  for (const LinePair& row : sink.Rows()) kinds.push_back(KindOf(row, text.lines));
  Captured captured;
  {
    OutputBuffer out(captured.Stream());
    if (form == Form::Rows) {
      WriteRowListing(sink.Rows(), kinds, out);
    } else {
      WriteUnifiedDiff(sink.Rows(), kinds, text.lines, PerSide<std::string_view>{{"L", "R"}},
                       context, out);
    }
  }
  return captured.Text();
}

struct OutputCase {
  std::string name;
  Lines left;
  Lines right;
  Form form;
  int context;
  std::string expected;
};

class DiffOutput : public ::testing::TestWithParam<OutputCase> {};

TEST_P(DiffOutput, PrintsRows) {
  const OutputCase& c = GetParam();
  EXPECT_EQ(Printed(c.left, c.right, c.form, c.context), c.expected);
}

const Lines kTen{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

INSTANTIATE_TEST_SUITE_P(
    Forms, DiffOutput,
    ::testing::Values(
        OutputCase{"RowsMarkEveryKind",
                   {"a", "b", "c", "d"},
                   {"a", "B", "c", "e", "d"},
                   Form::Rows,
                   3,
                   "1\t1\t=\n2\t2\t!\n3\t3\t=\n-1\t4\t>\n4\t5\t=\nCompare Results = File "
                   "differences exist!!!\n"},
        OutputCase{"RowsOfIdenticalFiles",
                   {"a", ""},
                   {"a", ""},
                   Form::Rows,
                   3,
                   "1\t1\t=\n2\t2\t=\nCompare Results = Files are identical!!!\n"},
        OutputCase{"BlankLinesOfAnyWidthAreEqual",
                   {"x", "  "},
                   {"x", ""},
                   Form::Rows,
                   3,
                   "1\t1\t=\n2\t2\t=\nCompare Results = Files are identical!!!\n"},
        OutputCase{"CaseOnlyMatchIsChanged",
                   {"Abc"},
                   {"ABC"},
                   Form::Rows,
                   3,
                   "1\t1\t!\nCompare Results = File differences exist!!!\n"},
        OutputCase{"LeftOnlyRow",
                   {"p", "q"},
                   {"p"},
                   Form::Rows,
                   3,
                   "1\t1\t=\n2\t-1\t<\nCompare Results = File differences exist!!!\n"},
        OutputCase{"UnifiedNothingForIdentical", {"a", "b"}, {"a", "b"}, Form::Unified, 3, ""},
        OutputCase{"UnifiedChangedRowIsMinusThenPlus",
                   {"a", "b", "c"},
                   {"a", "X", "c"},
                   Form::Unified,
                   3,
                   "--- L\n+++ R\n@@ -1,3 +1,3 @@\n a\n-b\n+X\n c\n"},
        OutputCase{"UnifiedTabsExpanded",
                   {"\tx", "y"},
                   {"\tx", "z"},
                   Form::Unified,
                   1,
                   "--- L\n+++ R\n@@ -1,2 +1,2 @@\n     x\n-y\n+z\n"},
        OutputCase{
            "UnifiedSeparateHunks",
            kTen,
            {"1", "two", "3", "4", "5", "6", "7", "8", "9", "ten"},
            Form::Unified,
            1,
            "--- L\n+++ R\n@@ -1,3 +1,3 @@\n 1\n-2\n+two\n 3\n@@ -9,2 +9,2 @@\n 9\n-10\n+ten\n"},
        OutputCase{"UnifiedCloseChangesShareAHunk",
                   kTen,
                   {"1", "two", "3", "4", "five", "6", "7", "8", "9", "10"},
                   Form::Unified,
                   1,
                   "--- L\n+++ R\n@@ -1,6 +1,6 @@\n 1\n-2\n+two\n 3\n 4\n-5\n+five\n 6\n"},
        OutputCase{"UnifiedInsertionAtTopHasEmptyLeftRange",
                   {"a", "b"},
                   {"new", "a", "b"},
                   Form::Unified,
                   0,
                   "--- L\n+++ R\n@@ -0,0 +1 @@\n+new\n"},
        OutputCase{"UnifiedDeletionInTheMiddle",
                   {"a", "b", "c"},
                   {"a", "c"},
                   Form::Unified,
                   0,
                   "--- L\n+++ R\n@@ -2 +1,0 @@\n-b\n"},
        OutputCase{"UnifiedMovedBlockRunsGroupMinusesFirst",
                   {"A", "B", "C", "D", "E"},
                   {"D", "E", "A", "B", "C"},
                   Form::Unified,
                   0,
                   "--- L\n+++ R\n@@ -0,0 +1,2 @@\n+D\n+E\n@@ -4,2 +5,0 @@\n-D\n-E\n"}),
    [](const auto& info) { return info.param.name; });

TEST(LinesDiffer, FollowsTheWindowsRule) {
  EXPECT_FALSE(LinesDiffer("", "   "));
  EXPECT_FALSE(LinesDiffer("abc", "abc"));
  EXPECT_TRUE(LinesDiffer("abc", "ABC"));
  EXPECT_TRUE(LinesDiffer("abc", "abc "));
  EXPECT_TRUE(LinesDiffer(" ", " x"));
}

struct OptionsCase {
  std::string name;
  std::vector<std::string_view> args;
  CommandAction action;
  bool rows;
  int context;
  std::string misuse;
};

class CommandLine : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(CommandLine, Parses) {
  const OptionsCase& c = GetParam();
  const CommandOptions options = ParseCommandOptions(c.args);
  EXPECT_EQ(options.action, c.action);
  EXPECT_EQ(options.misuse, c.misuse);
  if (c.action == CommandAction::Compare) {
    EXPECT_EQ(options.rows, c.rows);
    EXPECT_EQ(options.context, c.context);
    EXPECT_EQ(options.paths[Side::Left], "l");
    EXPECT_EQ(options.paths[Side::Right], "r");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    ::testing::Values(
        OptionsCase{"Plain", {"l", "r"}, CommandAction::Compare, false, 3, ""},
        OptionsCase{"RowsAfterOperands", {"l", "r", "--rows"}, CommandAction::Compare, true, 3, ""},
        OptionsCase{"ContextSeparate", {"-U", "7", "l", "r"}, CommandAction::Compare, false, 7, ""},
        OptionsCase{"ContextAttached", {"-U0", "l", "r"}, CommandAction::Compare, false, 0, ""},
        OptionsCase{"ContextLong", {"--unified=2", "l", "r"}, CommandAction::Compare, false, 2, ""},
        OptionsCase{"DashDashEndsOptions", {"--", "l", "r"}, CommandAction::Compare, false, 3, ""},
        OptionsCase{"Help", {"--help", "x"}, CommandAction::Help, false, 3, ""},
        OptionsCase{"Version", {"--version"}, CommandAction::Version, false, 3, ""},
        OptionsCase{"NoOperand", {}, CommandAction::Misuse, false, 3, "missing operand"},
        OptionsCase{
            "OneOperand", {"l"}, CommandAction::Misuse, false, 3, "missing operand after 'l'"},
        OptionsCase{
            "ThreeOperands", {"l", "r", "x"}, CommandAction::Misuse, false, 3, "extra operand 'x'"},
        OptionsCase{"BadContext",
                    {"-U", "-1", "l", "r"},
                    CommandAction::Misuse,
                    false,
                    3,
                    "invalid context length '-1'"},
        OptionsCase{"MissingContext",
                    {"l", "r", "-U"},
                    CommandAction::Misuse,
                    false,
                    3,
                    "option requires an argument -- 'U'"},
        OptionsCase{"UnknownOption",
                    {"-q", "l", "r"},
                    CommandAction::Misuse,
                    false,
                    3,
                    "unrecognized option '-q'"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace qfc::cli
