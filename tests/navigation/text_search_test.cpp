#include "navigation/text_search.h"

#include <gtest/gtest.h>

#include <deque>

#include "navigation/grid_double.h"

namespace qfc {
namespace {

struct SettingsDouble final : FindSettings {
  Side SearchSide() const override { return side; }
  bool MatchCase() const override { return matchCase; }
  std::string FindValue() const override { return value; }
  Side side = Side::Left;
  bool matchCase = true;
  std::string value;
};

// Writes each message box into the event log as it is shown, so that the log
// keeps the order of questions and selections; questions take scripted
// answers (No when none is left).
class EventPlatform final : public Platform {
 public:
  explicit EventPlatform(std::vector<std::string>& events) : events_(events) {}
  MessageAnswer ShowMessage(const std::string& text, const std::string&, MessageIcon icon,
                            MessageButtons) override {
    if (icon != MessageIcon::Question) {
      events_.push_back(icon == MessageIcon::Exclamation ? "!" : "E:" + text);
      return MessageAnswer::Ok;
    }
    events_.push_back("?");
    if (answers.empty()) return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Beep() override {}
  bool ShiftHeld() override { return false; }
  ScreenSize Screen() override { return {}; }
  void EndProgram() override {}

  std::deque<MessageAnswer> answers;

 private:
  std::vector<std::string>& events_;
};

struct Search {
  // Runs one Find Next and answers what it logged, joined by blanks.
  std::string Press() {
    events.clear();
    search.FindNext(settings);
    std::string joined;
    for (const std::string& event : events) joined += (joined.empty() ? "" : " ") + event;
    return joined;
  }

  std::vector<std::string> events;
  test::GridDouble left{"L", &events};
  test::GridDouble right{"R", &events};
  EventPlatform platform{events};
  SettingsDouble settings;
  TextSearch search{PerSide<Grid*>{{&left, &right}}, platform,
                    [this] { left.calls.push_back("yield"); }};
};

struct SearchCase {
  const char* name;
  std::vector<std::string> texts;  // the searched grid's rows
  Side side;
  std::int32_t activeRow;
  bool matchCase;
  std::vector<std::string> values;  // the prepared value of each Find Next
  std::deque<MessageAnswer> answers;
  // Per Find Next: "L3 4+5" selects bytes 4..8 of left row 3, "?" asks to
  // continue at the top, "!" says the string cannot be found, "E:..." is an
  // error message.
  std::vector<std::string> expected;
};
void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class SearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, FindNextSequence) {
  const SearchCase& c = GetParam();
  Search s;
  test::GridDouble& grid = c.side == Side::Left ? s.left : s.right;
  grid.SetTexts(c.texts);
  grid.activeRow = c.activeRow;
  s.settings.side = c.side;
  s.settings.matchCase = c.matchCase;
  s.platform.answers = c.answers;

  std::vector<std::string> got;
  for (const std::string& value : c.values) {
    s.settings.value = value;
    got.push_back(s.Press());
  }
  EXPECT_EQ(got, c.expected);
}

const std::string kLongRow = std::string(40000, 'x') + "abc";
constexpr MessageAnswer kYes = MessageAnswer::Yes;

INSTANTIATE_TEST_SUITE_P(
    TextSearch, SearchTest,
    testing::Values(
        SearchCase{"TwoMatchesInOneRowThenNextRow",
                   {"abc abc", "x", "abc"},
                   Side::Left,
                   1,
                   true,
                   {"abc", "abc", "abc"},
                   {},
                   {"L1 0+3", "L1 4+3", "L3 0+3"}},
        SearchCase{
            "CaseIgnoredFindsOtherCase", {"xABcx"}, Side::Left, 1, false, {"ABC"}, {}, {"L1 1+3"}},
        SearchCase{
            "MatchCaseDoesNotFindOtherCase", {"xABcx"}, Side::Left, 1, true, {"abc"}, {}, {"?"}},
        SearchCase{"WholeWordOnlyBetweenBlanks",
                   {"cat sat", "a cat", "a cat.", "a cat sat"},
                   Side::Left,
                   1,
                   false,
                   {" CAT "},
                   {},
                   {"L4 1+5"}},
        SearchCase{"WholeWordSharesNoBlankWithNextMatch",
                   {"x cat cat x"},
                   Side::Left,
                   1,
                   true,
                   {" cat ", " cat "},
                   {},
                   {"L1 1+5", "?"}},
        SearchCase{
            "RightGridSearched", {"one", "two"}, Side::Right, 1, true, {"two"}, {}, {"R2 0+3"}},
        SearchCase{"ActiveRowBeyondCountStartsAtTop",
                   {"abc", "x"},
                   Side::Left,
                   5,
                   true,
                   {"abc"},
                   {},
                   {"L1 0+3"}},
        SearchCase{"YesContinuesAtTheTop",
                   {"abc", "x", "y"},
                   Side::Left,
                   2,
                   true,
                   {"abc"},
                   {kYes},
                   {"? L1 0+3"}},
        SearchCase{"FoundOnceKeepsAsking",
                   {"abc"},
                   Side::Left,
                   1,
                   true,
                   {"abc", "abc"},
                   {kYes},
                   {"L1 0+3", "? L1 0+3"}},
        SearchCase{"NotFoundAfterFullPassThenWithoutQuestion",
                   {"x", "y"},
                   Side::Left,
                   1,
                   true,
                   {"zz", "zz"},
                   {kYes},
                   {"? !", "!"}},
        SearchCase{"ChangedValueAsksAgain",
                   {"x"},
                   Side::Left,
                   1,
                   true,
                   {"zz", "zz", "yy"},
                   {kYes, kYes},
                   {"? !", "!", "? !"}},
        SearchCase{"EmptyValueStaysOnFirstNonEmptyRow",
                   {"", "abc", "def"},
                   Side::Left,
                   1,
                   true,
                   {"q", "", ""},
                   {},
                   {"?", "L2 0+0", "L2 0+0"}},
        SearchCase{"EmptyFirstValueIsAnError",
                   {"abc"},
                   Side::Left,
                   1,
                   true,
                   {""},
                   {},
                   {"E:Error processing Find\r\nType mismatch"}},
        SearchCase{"EmptyGridAsksThenCannotFind", {}, Side::Left, 0, true, {"a"}, {kYes}, {"? !"}},
        SearchCase{"MatchBeyond16BitsIsAnError",
                   {kLongRow},
                   Side::Left,
                   1,
                   true,
                   {"abc"},
                   {},
                   {"E:Error processing Find\r\nOverflow"}},
        SearchCase{"Latin1RowMatchesTypedAccent",
                   {"un caf\xE9 noir"},
                   Side::Left,
                   1,
                   true,
                   {"caf\xC3\xA9"},
                   {},
                   {"L1 3+4"}},
        SearchCase{"UpperCasingLeavesOtherBytes",
                   {"\xC3\xA9t\xC3\xA9"},
                   Side::Left,
                   1,
                   false,
                   {"\xC3\xA9T"},
                   {},
                   {"L1 0+3"}}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(TextSearchTest, MatchFocusesThenOpensEditorBeforeSelecting) {
  Search s;
  s.left.SetTexts({"x", "a needle"});
  s.settings.value = "needle";
  EXPECT_EQ(s.Press(), "L2 2+6");
  EXPECT_EQ(s.left.calls, (std::vector<std::string>{"focus", "active 2", "active 2", "edit",
                                                    "yield", "select 2+6"}));
}

TEST(TextSearchTest, NoLeavesTheGridAsItWas) {
  Search s;
  s.left.SetTexts({"abc", "x"});
  s.left.activeRow = 2;
  s.settings.value = "abc";
  EXPECT_EQ(s.Press(), "?");
  EXPECT_TRUE(s.left.calls.empty());
}

TEST(TextSearchTest, ResetsFollowTheStateTable) {
  Search s;
  s.left.SetTexts({"abc abc"});
  s.settings.value = "abc";
  s.platform.answers = {kYes};
  s.Press();
  s.Press();
  EXPECT_EQ(s.Press(), "? L1 0+3");
  EXPECT_TRUE(s.search.SearchWrapped());

  s.search.ResetSrcPosInRow();  // a click in a grid keeps the wrap state
  EXPECT_EQ(s.search.SrcPos(), 1);
  EXPECT_TRUE(s.search.SearchWrapped());

  s.search.ResetSrcPos();  // a changed option clears it, keeps hit and value
  EXPECT_FALSE(s.search.SearchWrapped());
  EXPECT_TRUE(s.search.SearchHit());
  EXPECT_EQ(s.search.LastFindValue(), "abc");
}

}  // namespace
}  // namespace qfc
