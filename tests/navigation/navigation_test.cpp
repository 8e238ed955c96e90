// The navigation, the search, the Find dialog and the commands, on two real result grids filled
// as a comparison fills them. No window links the grids: each move seen was made on that grid.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <optional>
#include <utility>

#include "grid/result_grid.h"
#include "input/line_list.h"
#include "navigation/commands.h"
#include "navigation/row_in_view.h"
#include "support/platform_double.h"
#include "view/grid_fill.h"

namespace qfc {
namespace {

// The left grid can be made to report any active row once, as a grid model may.
class LeftGrid final : public ResultGrid {
 public:
  LeftGrid() : ResultGrid(Side::Left) {}
  [[nodiscard]] std::int32_t ActiveRow() const override {
    return forcedRow ? *std::exchange(forcedRow, std::nullopt) : ResultGrid::ActiveRow();
  }
  mutable std::optional<std::int32_t> forcedRow;
};

template <typename T = QAbstractButton>
T& Child(const QObject& parent, const char* name) {
  return *parent.findChild<T*>(name);
}

// The commands over the two grids, on a shown and active window of their own.
struct Wired {
  Wired() {
    // The grids sit in the window, as in the main window.
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    left.setParent(client);
    right.setParent(client);
    right.move(420, 0);
    fill.SetLines(lines);
    fill.InitGrid(Side::Left);
    fill.InitGrid(Side::Right);
    fill.ResetRows();
    window.show();
    Activate();
  }
  ~Wired() {
    // The grids are members: the window must not delete them.
    left.setParent(nullptr);
    right.setParent(nullptr);
  }
  void Activate() {
    window.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &window);
  }

  // One character a row: '.' equal lines, 'D' changed, 'L' left line only, 'R' right line only.
  void Pattern(const std::string& kinds) {
    for (const char kind : kinds) Add(kind == 'D' ? "left" : "same", "same", kind);
  }
  void Add(const std::string& leftText, const std::string& rightText, char kind = '.') {
    fill.AddGridRow({kind == 'R' ? kNoLine : (*lines)[Side::Left].AppendExpandingTabs(leftText),
                     kind == 'L' ? kNoLine : (*lines)[Side::Right].AppendExpandingTabs(rightText)});
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&window, key, modifiers);
  }
  void ToolbarClick(const char* key) {
    static_cast<QAbstractButton*>(toolbar->widgetForAction(&Child<QAction>(*toolbar, key)))
        ->click();
  }
  FindDialog& Dialog() { return *commands.FindDialogInstance(); }
  ResultGrid& Searched() { return Dialog().SearchSide() == Side::Left ? left : right; }

  // One Find Next: the messages it showed, then the selection it made
  // ("L3 4+5": 5 characters from the 4th of left row 3), joined by blanks.
  std::string FindNext();

  LeftGrid left;
  ResultGrid right{Side::Right};
  std::shared_ptr<PerSide<LineList>> lines = std::make_shared<PerSide<LineList>>();
  GridFill fill{{{&left, &right}}, [](const std::string&) { return 0.0; }};
  QMainWindow window;
  QToolBar* toolbar = window.addToolBar("");
  test::PlatformDouble platform;
  bool busy = false;
  bool opened = false;  // the search opened a cell editor
  std::vector<std::string> status;
  Commands commands{
      CommandHost{.window = &window,
                  .toolbar = toolbar,
                  .grids = {{&left, &right}},
                  .setStatusText = [this](const std::string& text) { status.push_back(text); },
                  .busy = [this] { return busy; },
                  .platform = &platform,
                  .yield = [this] { opened = true; }}};
};

constexpr char kAtEnd[] = "At End Of File!";
constexpr char kAtBeginning[] = "At Beginning Of File!";
constexpr char kNoData[] = "No Quorvelin File Compare Data to find";
constexpr char kBlocks[] = "..DDD...D...";  // blocks 3-5 and 9 of twelve rows

struct StepCase {
  const char* name;
  const char* pattern;  // see Wired::Pattern
  std::int32_t start;   // the left grid's active row
  bool shift;
  bool down;
  std::vector<std::int32_t> visits;  // both grids' active row after each step
  const char* lastStatus;            // the earlier ones are all ""
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class StepTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepTest, VisitsRowsInOrder) {
  const StepCase& c = GetParam();
  Wired w;
  w.Pattern(c.pattern);
  w.right.SetActiveCell(kTextColumn, 7);  // has no say in where a step starts
  w.left.SetActiveCell(kTextColumn, c.start);
  if (c.start < 1) w.left.forcedRow = c.start;
  w.platform.shift = c.shift;
  std::vector<std::int32_t> visits;
  for (std::size_t i = 0; i < c.visits.size(); ++i) {
    w.commands.Navigator().MoveToDiff(c.down ? StepDirection::Down : StepDirection::Up);
    visits.push_back(w.left.ActiveRow());
    EXPECT_EQ(w.right.ActiveRow(), visits.back()) << "step " << i + 1;
  }
  EXPECT_EQ(visits, c.visits);
  std::vector<std::string> expectedStatus(c.visits.size(), "");
  expectedStatus.back() = c.lastStatus;
  EXPECT_EQ(w.status, expectedStatus);
  EXPECT_EQ(w.platform.beeps,
            expectedStatus.back() == kAtEnd || expectedStatus.back() == kAtBeginning);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DifferenceNavigator, StepTest, testing::Values(
    StepCase{"NextEdgeToEdgeThenEnd", kBlocks, 1, false, true, {3, 5, 9, 12}, kAtEnd},
    StepCase{"NextRowByRowWithShift", kBlocks, 1, true, true, {3, 4, 5, 9, 12}, kAtEnd},
    StepCase{"PreviousEdgeToEdgeThenBeginning", kBlocks, 12, false, false, {9, 5, 3, 1}, kAtBeginning},
    StepCase{"PreviousRowByRowWithShift", kBlocks, 12, true, false, {9, 5, 4, 3, 1}, kAtBeginning},
    StepCase{"PreviousInsideBlockGoesToItsTop", kBlocks, 4, false, false, {3, 1}, kAtBeginning},
    StepCase{"NextInsideBlockGoesToItsBottom", kBlocks, 4, false, true, {5, 9}, ""},
    StepCase{"PreviousOnFirstRowInsideBlock", "DD...", 1, false, false, {1}, kAtBeginning},
    StepCase{"NextOnLastRowInsideBlock", "...DD", 5, false, true, {5}, kAtEnd},
    StepCase{"NextWithoutDifferences", ".....", 2, false, true, {5}, kAtEnd},
    StepCase{"PreviousWithoutDifferences", ".....", 4, false, false, {1}, kAtBeginning},
    StepCase{"RightOnlyRowFoundByBackground", "..R..", 1, false, true, {3}, ""},
    StepCase{"LeftOnlyRowFoundByTextColour", "..L..", 5, false, false, {3}, ""},
    StepCase{"ActiveRowZeroCountsAsRowOne", "D.D..", 0, false, true, {3}, ""},
    StepCase{"EmptyGridsHaveNoData", "", 1, false, true, {0}, kNoData}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });
// clang-format on

constexpr char kQuestion[] =
    "No match found to end of file.\r\nWould you like to continue to search at the top of the "
    "file?";
constexpr char kNotFound[] = "The search string can not be found!";

// "?" for the continue question, "!" for not found, "E:" and the text for an
// error, each only with its own icon and the application title.
std::string Shown(const test::RecordedMessage& m) {
  if (m.title != kAppTitle) return "[" + m.title + "]";
  if (m.text == kQuestion && m.icon == MessageIcon::Question) return "?";
  if (m.text == kNotFound && m.icon == MessageIcon::Exclamation) return "!";
  return m.icon == MessageIcon::Critical ? "E:" + m.text : "[" + m.text + "]";
}

std::string Wired::FindNext() {
  const std::size_t shown = platform.messages.size();
  opened = false;
  commands.Search().FindNext(Dialog());
  std::string log;
  for (std::size_t i = shown; i < platform.messages.size(); ++i) {
    log += Shown(platform.messages[i]) + " ";
  }
  const QModelIndex cell = Searched().currentIndex();
  if (const auto* editor = qobject_cast<QLineEdit*>(Searched().indexWidget(cell)); opened) {
    const int start =
        editor->hasSelectedText() ? editor->selectionStart() : editor->cursorPosition();
    log += (&Searched() == &left ? "L" : "R") + std::to_string(cell.row() + 1) + " " +
           std::to_string(start) + "+" + std::to_string(editor->selectedText().size()) + " ";
  }
  if (!log.empty()) log.pop_back();
  return log;
}

struct SearchCase {
  const char* name;
  std::vector<std::string> texts;     // rows of both grids
  std::int32_t activeRow;             // of the searched grid
  const char* options;                // 'c' Match Case, 'w' Whole Word, 'r' the right grid
  std::vector<const char*> values;    // the dialog's text for each Find Next
  std::deque<MessageAnswer> answers;  // one per message box; then No or OK
  std::vector<std::string> expected;  // per Find Next, see Wired::FindNext
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class SearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, FindNextSequence) {
  const SearchCase& c = GetParam();
  Wired w;
  for (const std::string& text : c.texts) w.Add(text, text);
  w.commands.CreateFindDialog();
  const std::string options = c.options;
  Child(w.Dialog(), "chkCase").setChecked(options.find('c') != std::string::npos);
  Child(w.Dialog(), "chkWord").setChecked(options.find('w') != std::string::npos);
  Child(w.Dialog(), "optSrcWindow1").setChecked(options.find('r') != std::string::npos);
  w.Searched().SetActiveCell(kTextColumn, c.activeRow);
  if (c.activeRow > static_cast<std::int32_t>(c.texts.size())) w.left.forcedRow = c.activeRow;
  w.platform.answers = c.answers;
  std::vector<std::string> got;
  for (const char* value : c.values) {
    Child<QComboBox>(w.Dialog(), "cboFind").setEditText(QString::fromUtf8(value));
    got.push_back(w.FindNext());
  }
  EXPECT_EQ(got, c.expected);
}

const std::string kLong = std::string(40000, 'x') + "abc";
// Hits far beyond the bytes of the line the grid shows: the shown part moves
// onto each, a quarter of a part ahead of it.
const std::string kLongHits =
    std::string(20000, 'x') + "abc" + std::string(9000, 'y') + "abc" + std::string(3000, 'z');
constexpr MessageAnswer kYes = MessageAnswer::Yes;
constexpr MessageAnswer kOk = MessageAnswer::Ok;

// clang-format off
INSTANTIATE_TEST_SUITE_P(TextSearch, SearchTest, testing::Values(
    SearchCase{"TwoMatchesInOneRowThenNextRow", {"abc abc", "x", "abc"}, 1, "c", {"abc", "abc", "abc"},
               {}, {"L1 0+3", "L1 4+3", "L3 0+3"}},
    SearchCase{"CaseIgnoredFindsOtherCase", {"xABcx"}, 1, "", {"abc"}, {}, {"L1 1+3"}},
    SearchCase{"MatchCaseDoesNotFindOtherCase", {"xABcx"}, 1, "c", {"abc"}, {}, {"?"}},
    SearchCase{"WholeWordOnlyBetweenBlanks", {"cat sat", "a cat", "a cat.", "a Cat sat"}, 1, "w",
               {"cAt"}, {}, {"L4 1+5"}},
    SearchCase{"RightGridSearched", {"one", "two"}, 1, "r", {"two"}, {}, {"R2 0+3"}},
    SearchCase{"ActiveRowBeyondCountStartsAtTop", {"abc", "x"}, 5, "", {"abc"}, {}, {"L1 0+3"}},
    SearchCase{"YesContinuesAboveAndKeepsAsking", {"abc", "x"}, 2, "", {"abc", "abc"}, {kYes, kYes},
               {"? L1 0+3", "? L1 0+3"}},
    SearchCase{"NotFoundAfterFullPassUntilValueChanges", {"x"}, 1, "", {"zz", "zz", "yy"},
               {kYes, kOk, kOk, kYes}, {"? !", "!", "? !"}},
    // An empty box stays empty with Whole Word on, and matches at the row start.
    SearchCase{"EmptyValueStaysOnFirstNonEmptyRow", {"", "abc", "def"}, 1, "w", {"q", "", ""}, {},
               {"?", "L2 0+0", "L2 0+0"}},
    SearchCase{"EmptyFirstValueIsAnError", {"abc"}, 1, "", {""}, {},
               {"E:Error processing Find\r\nType mismatch"}},
    SearchCase{"MatchBeyond16BitsIsAnError", {kLong}, 1, "", {"abc"}, {},
               {"E:Error processing Find\r\nOverflow"}},
    SearchCase{"HitsBeyondTheShownPartAreShown", {kLongHits}, 1, "", {"abc", "abc"}, {},
               {"L1 1000+3", "L1 1000+3"}},
    SearchCase{"Latin1RowMatchesTypedAccent", {"un caf\xE9 noir"}, 1, "c", {"caf\xC3\xA9"}, {}, {"L1 3+4"}},
    // The selection counts characters, not bytes.
    SearchCase{"Utf8RowSelectsCharacters", {"\xC3\xA9t\xC3\xA9 ab"}, 1, "", {"Ab"}, {}, {"L1 4+2"}},
    SearchCase{"CaseIgnoredFoldsAccents", {"un CAF\xC3\x89 noir"}, 1, "", {"caf\xC3\xA9"}, {},
               {"L1 3+4"}},
    SearchCase{"CaseIgnoredFoldsLatin1Row", {"un CAF\xC9 noir"}, 1, "", {"caf\xC3\xA9"}, {}, {"L1 3+4"}},
    // Dotless i (two bytes) has the one-byte capital I: the selection still
    // covers the row's own characters.
    SearchCase{"CapitalOfOtherLengthKeepsPositions", {"a\xC4\xB1yb \xC4\xB1y"}, 1, "",
               {"\xC4\xB1y", "\xC4\xB1y"}, {}, {"L1 1+2", "L1 5+2"}}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });
// clang-format on

struct HistoryCase {
  const char* name;
  std::vector<QString> searched;
  std::vector<QString> expected;
};

void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.name; }

class HistoryTest : public testing::TestWithParam<HistoryCase> {};

TEST_P(HistoryTest, FindNextButtonKeepsHistory) {
  Wired w;
  w.commands.CreateFindDialog();
  auto& combo = Child<QComboBox>(w.Dialog(), "cboFind");
  for (const QString& text : GetParam().searched) {
    combo.setEditText(text);
    Child(w.Dialog(), "cmdFind").click();
  }
  std::vector<QString> history;
  for (int i = 0; i < combo.count(); ++i) history.push_back(combo.itemText(i));
  EXPECT_EQ(history, GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FindDialog, HistoryTest, testing::Values(
    HistoryCase{"RepeatMovesToTopCaseSensitive", {"abc", "ABC", "abc"}, {"abc", "ABC"}},
    HistoryCase{"ElevenKeepLastTen", {"t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10", "t11"},
                {"t11", "t10", "t9", "t8", "t7", "t6", "t5", "t4", "t3", "t2"}},
    HistoryCase{"BlanksOnlyNotAdded", {"abc", "   "}, {"abc"}},
    HistoryCase{"SurroundingBlanksKept", {" abc "}, {" abc "}}),
    [](const testing::TestParamInfo<HistoryCase>& info) { return std::string(info.param.name); });
// clang-format on

// Clicking an option of the Find dialog starts the next search at the start
// of the searched grid's active row again: the hit just found is found once
// more, where without the click the search would go on to the next row.
class OptionClickTest : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(OptionClickTest, RestartsTheSearchInTheActiveRow) {
  const auto [option, firstHitAfter] = GetParam();
  Wired w;
  for (const char* text : {" abc ", " abc ", " abc "}) w.Add(text, text);
  w.commands.CreateFindDialog();
  Child<QComboBox>(w.Dialog(), "cboFind").setEditText("abc");
  ASSERT_EQ(w.FindNext(), "L1 1+3");
  ASSERT_EQ(w.FindNext(), "L2 1+3");
  Child(w.Dialog(), option).click();
  // Before the search looks at the value, which the check boxes change too.
  EXPECT_EQ(w.commands.Search().SrcPos(), 1);
  EXPECT_EQ(w.FindNext(), firstHitAfter);
}

INSTANTIATE_TEST_SUITE_P(FindDialog, OptionClickTest,
                         testing::Values(std::pair{"optSrcWindow0", "L2 1+3"},
                                         std::pair{"optSrcWindow1", "R1 1+3"},
                                         std::pair{"chkCase", "L2 1+3"},
                                         std::pair{"chkWord", "L2 0+5"}),
                         [](const auto& info) { return std::string(info.param.first); });

TEST(FindDialogTest, TheCloseBoxOnlyHidesTheDialog) {
  Wired w;
  w.Key(Qt::Key_F, Qt::ControlModifier);
  FindDialog* const dialog = w.commands.FindDialogInstance();
  Child<QComboBox>(*dialog, "cboFind").setEditText("kept");
  Child(*dialog, "optSrcWindow1").click();
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  // Whatever a close left to be deleted goes now.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  w.Activate();
  w.Key(Qt::Key_F, Qt::ControlModifier);
  ASSERT_EQ(w.commands.FindDialogInstance(), dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(Child<QComboBox>(*dialog, "cboFind").currentText(), "kept");
  EXPECT_EQ(dialog->SearchSide(), Side::Right);
}

// Find opened again and again, each time from another focused control: the
// side it searches, its text and which of that text is selected ("R two [two]").
TEST(FindDialogTest, TakesOverTheFocusedGridsSideAndAnySelectedText) {
  Wired w;
  for (const char* text : {"one", "two", "three"}) w.Add(text, text);
  auto* path = new QLineEdit("a path", w.window.centralWidget());
  path->move(0, 300);
  path->show();
  const auto open = [&w] {
    w.Key(Qt::Key_F, Qt::ControlModifier);
    const QLineEdit& box = *Child<QComboBox>(w.Dialog(), "cboFind").lineEdit();
    const std::string shown = (w.Dialog().SearchSide() == Side::Left ? "L " : "R ") +
                              box.text().toStdString() + " [" + box.selectedText().toStdString() +
                              "]";
    Child(w.Dialog(), "cmdCancel").click();
    w.Activate();
    return shown;
  };
  const auto select = [](ResultGrid& grid, std::int32_t row, std::int16_t start,
                         std::int16_t length) {
    grid.SetActiveCell(kTextColumn, row);
    grid.SetFocus();
    grid.BeginEdit();
    grid.SetEditSelection(start, length);
  };

  w.left.setFocus();
  EXPECT_EQ(open(), "L  []");
  Child<QComboBox>(w.Dialog(), "cboFind").setEditText("o");
  ASSERT_EQ(w.FindNext(), "L1 0+1");
  EXPECT_EQ(open(), "L o [o]");
  ASSERT_EQ(w.commands.Search().SrcPos(), 2);
  select(w.right, 3, 1, 3);
  EXPECT_EQ(open(), "R hre [hre]");
  EXPECT_EQ(w.commands.Search().SrcPos(), 1) << "a change of side starts the search afresh";
  select(w.left, 2, 0, 0);
  EXPECT_EQ(open(), "R hre [hre]") << "the left grid keeps the side chosen last";
  path->setFocus();
  path->setSelection(2, 4);
  EXPECT_EQ(open(), "R path [path]");
}

TEST(CommandsTest, FindNextOpensTheDialogFirstThenSearchesWithItHidden) {
  Wired w;
  w.Pattern(".DD.");
  w.busy = true;  // Find and Find Next do not look at it
  w.Key(Qt::Key_F3);
  ASSERT_TRUE(w.commands.FindDialogInstance() != nullptr && w.Dialog().isVisible());
  EXPECT_FALSE(w.commands.Search().SrcPos().has_value());  // nothing searched

  Child<QComboBox>(w.Dialog(), "cboFind").setEditText("left");
  Child(w.Dialog(), "cmdFind").click();
  EXPECT_EQ(w.left.ActiveRow(), 2);
  Child(w.Dialog(), "cmdCancel").click();
  w.Activate();
  w.Key(Qt::Key_F3);
  EXPECT_FALSE(w.Dialog().isVisible());
  EXPECT_EQ(w.left.ActiveRow(), 3);
  EXPECT_EQ(Child<QComboBox>(w.Dialog(), "cboFind").count(), 1);  // only the button keeps history
  EXPECT_TRUE(w.platform.messages.empty());
}

TEST(CommandsTest, AHitActivatesTheMainWindowWithTheGridFocused) {
  Wired w;
  for (const char* text : {"one", "two", "three"}) w.Add(text, text);
  w.Key(Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(w.Dialog().isVisible());
  w.Dialog().activateWindow();
  QCoreApplication::processEvents();
  Child<QComboBox>(w.Dialog(), "cboFind").setEditText("three");
  Child(w.Dialog(), "cmdFind").click();
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), &w.window);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_TRUE(w.left.isAncestorOf(QApplication::focusWidget()) ||
              QApplication::focusWidget() == &w.left);
  EXPECT_TRUE(w.Dialog().isVisible()) << "the dialog stays open beside the window";
  EXPECT_EQ(w.left.ActiveRow(), 3);
}

TEST(CommandsTest, CtrlShiftStepsRowByRow) {
  Wired w;
  w.Pattern(".DDD.");
  w.platform.shift = true;  // as the key state reads while Ctrl+Shift is down
  for (const std::int32_t expected : {2, 3, 4}) {
    w.Key(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.left.ActiveRow(), expected);
  }
  w.Key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(w.left.ActiveRow(), 3);
}

TEST(CommandsTest, MenuAndToolbarAsTheUserSeesThem) {
  Wired w;
  std::vector<std::string> menu;
  for (const QAction* action : w.commands.ActionMenu()->actions()) {
    std::string item = action->isSeparator() ? "-" : action->text().toStdString();
    for (const QKeySequence& key : action->shortcuts()) item += " " + key.toString().toStdString();
    menu.push_back(item);
  }
  EXPECT_EQ(w.commands.ActionMenu()->title(), "&Action");
  EXPECT_EQ(menu, (std::vector<std::string>{"&Find... Ctrl+F", "Find &Next F3", "-",
                                            "&Previous Difference Ctrl+R Ctrl+Shift+R",
                                            "&Next Difference Ctrl+N Ctrl+Shift+N", "-", "E&xit"}));
  std::vector<std::string> buttons;
  for (const QAction* action : w.toolbar->actions()) {
    buttons.push_back(action->isSeparator() ? "-" : action->toolTip().toStdString());
  }
  EXPECT_EQ(buttons, (std::vector<std::string>{"Find", "-", "Move to Previous Difference",
                                               "Move to Next Difference"}));
}

TEST(CommandsTest, ALandedRowShowsWithLinesBelowIt) {
  Wired w;
  std::string pattern(300, '.');
  pattern[199] = 'D';
  w.Pattern(pattern);
  for (ResultGrid* grid : {static_cast<ResultGrid*>(&w.left), &w.right}) grid->resize(400, 300);
  QCoreApplication::processEvents();
  const std::int32_t shown = w.left.VisibleRowCount();
  ASSERT_GT(shown, 6);
  w.Key(Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(w.left.ActiveRow(), 200);
  EXPECT_EQ(w.left.TopRow(), 200 - shown / 3);
  EXPECT_EQ(w.right.TopRow(), w.left.TopRow());
  // The last row shown whole counts as out of view: a step onto it scrolls.
  const std::int32_t top = w.left.TopRow();
  EXPECT_EQ(TopRowShowing(w.left, top + shown - 2), top);
  EXPECT_EQ(TopRowShowing(w.left, top + shown - 1), top + shown - 1 - shown / 3);
  EXPECT_EQ(TopRowShowing(w.left, 2), 1);
}

TEST(CommandsTest, DifferenceCommandsIdleWhileBusy) {
  Wired w;
  w.Pattern(".DD.");
  // Each command first while busy, when it does nothing, then idle.
  const std::vector<std::pair<std::function<void()>, std::int32_t>> commands{
      {[&w] { w.Key(Qt::Key_N, Qt::ControlModifier); }, 2},
      {[&w] { w.ToolbarClick("Down"); }, 3},
      {[&w] { w.Key(Qt::Key_R, Qt::ControlModifier); }, 2},
      {[&w] { w.ToolbarClick("Up"); }, 1}};
  for (const auto& [command, row] : commands) {
    const std::int32_t before = w.right.ActiveRow();
    w.busy = true;
    command();
    EXPECT_EQ(w.right.ActiveRow(), before);
    w.busy = false;
    command();
    EXPECT_EQ(w.right.ActiveRow(), row);
  }
  EXPECT_EQ(w.status, (std::vector<std::string>{"", "", "", kAtBeginning}));
  EXPECT_EQ(w.platform.beeps, 1);
  w.commands.ToolbarButtonClick("down");  // button keys are case-sensitive
  EXPECT_EQ(w.right.ActiveRow(), 1);
}

}  // namespace
}  // namespace qfc
