#include "navigation/text_search.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "navigation/grid_double.h"
#include "navigation/search_match.h"
#include "support/platform_double.h"

namespace qfc {
namespace {

using test::GridDouble;
using test::PlatformDouble;

struct SettingsDouble final : FindSettings {
  Side SearchSide() const override { return side; }
  bool MatchCase() const override { return matchCase; }
  std::string FindValue() const override { return value; }

  Side side = Side::Left;
  bool matchCase = true;
  std::string value;
};

// Writes each message box into the shared event log as it is shown, so the
// log keeps the order of questions and selections within one command.
class EventPlatform final : public Platform {
 public:
  explicit EventPlatform(std::vector<std::string>& events) : events_(events) {}
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override {
    if (icon == MessageIcon::Question) {
      events_.push_back("?");
    } else if (icon == MessageIcon::Exclamation) {
      events_.push_back("!");
    } else {
      events_.push_back("E:" + text);
    }
    // Only questions take a scripted answer.
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return inner.ShowMessage(text, title, icon, buttons);
  }
  void Beep() override { inner.Beep(); }
  bool ShiftHeld() override { return inner.ShiftHeld(); }
  ScreenSize Screen() override { return inner.Screen(); }
  void EndProgram() override { inner.EndProgram(); }

  PlatformDouble inner;

 private:
  std::vector<std::string>& events_;
};

struct Search {
  Search() : search(Grids(), platform, [this] { left.calls.push_back("yield"); }) {}

  PerSide<Grid*> Grids() {
    PerSide<Grid*> grids;
    grids[Side::Left] = &left;
    grids[Side::Right] = &right;
    return grids;
  }
  // Runs one Find Next and answers what it logged, joined by blanks.
  std::string Press() {
    events.clear();
    search.FindNext(settings);
    std::string joined;
    for (const std::string& event : events) joined += (joined.empty() ? "" : " ") + event;
    return joined;
  }

  std::vector<std::string> events;
  GridDouble left{"L", &events};
  GridDouble right{"R", &events};
  EventPlatform platform{events};
  SettingsDouble settings;
  TextSearch search;
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
  GridDouble& grid = c.side == Side::Left ? s.left : s.right;
  grid.SetTexts(c.texts);
  grid.activeRow = c.activeRow;
  s.settings.side = c.side;
  s.settings.matchCase = c.matchCase;
  s.platform.inner.answers = c.answers;

  std::vector<std::string> got;
  for (const std::string& value : c.values) {
    s.settings.value = value;
    got.push_back(s.Press());
  }
  EXPECT_EQ(got, c.expected);
}

const std::string kLongRow = std::string(40000, 'x') + "abc";

INSTANTIATE_TEST_SUITE_P(
    TextSearch, SearchTest,
    testing::Values(
        SearchCase{"TwoMatchesInOneRowThenNextRow",
                   {"abc abc", "x", "abc"}, Side::Left, 1, true, {"abc", "abc", "abc"}, {},
                   {"L1 0+3", "L1 4+3", "L3 0+3"}},
        SearchCase{"CaseIgnoredFindsUpperCaseText",
                   {"xABcx"}, Side::Left, 1, false, {"ABC"}, {}, {"L1 1+3"}},
        SearchCase{"MatchCaseDoesNotFindOtherCase",
                   {"xABcx"}, Side::Left, 1, true, {"abc"}, {}, {"?"}},
        SearchCase{"WholeWordOnlyBetweenBlanks",
                   {"cat sat", "a cat", "a cat.", "a cat sat"}, Side::Left, 1, false, {" CAT "}, {},
                   {"L4 1+5"}},
        SearchCase{"WholeWordSharesNoBlankWithNextMatch",
                   {"x cat cat x"}, Side::Left, 1, true, {" cat ", " cat "}, {}, {"L1 1+5", "?"}},
        SearchCase{"RightGridSearched",
                   {"one", "two"}, Side::Right, 1, true, {"two"}, {}, {"R2 0+3"}},
        SearchCase{"ActiveRowBeyondCountStartsAtTop",
                   {"abc", "x"}, Side::Left, 5, true, {"abc"}, {}, {"L1 0+3"}},
        SearchCase{"YesContinuesAtTheTop",
                   {"abc", "x", "y"}, Side::Left, 2, true, {"abc"}, {MessageAnswer::Yes},
                   {"? L1 0+3"}},
        SearchCase{"FoundOnceKeepsAsking",
                   {"abc"}, Side::Left, 1, true, {"abc", "abc"}, {MessageAnswer::Yes},
                   {"L1 0+3", "? L1 0+3"}},
        SearchCase{"NotFoundAfterFullPassThenWithoutQuestion",
                   {"x", "y"}, Side::Left, 1, true, {"zz", "zz"}, {MessageAnswer::Yes},
                   {"? !", "!"}},
        SearchCase{"ChangedValueAsksAgain",
                   {"x"}, Side::Left, 1, true, {"zz", "zz", "yy"},
                   {MessageAnswer::Yes, MessageAnswer::Yes}, {"? !", "!", "? !"}},
        SearchCase{"EmptyValueStaysOnFirstNonEmptyRow",
                   {"", "abc", "def"}, Side::Left, 1, true, {"q", "", ""}, {},
                   {"?", "L2 0+0", "L2 0+0"}},
        SearchCase{"EmptyFirstValueIsAnError",
                   {"abc"}, Side::Left, 1, true, {""}, {},
                   {"E:Error processing Find\r\nType mismatch"}},
        SearchCase{"EmptyGridAsksThenCannotFind",
                   {}, Side::Left, 1, true, {"a"}, {MessageAnswer::Yes}, {"? !"}},
        SearchCase{"MatchBeyond16BitsIsAnError",
                   {kLongRow}, Side::Left, 1, true, {"abc"}, {},
                   {"E:Error processing Find\r\nOverflow"}},
        SearchCase{"Latin1RowMatchesTypedAccent",
                   {"un caf\xE9 noir"}, Side::Left, 1, true, {"caf\xC3\xA9"}, {}, {"L1 3+4"}}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(TextSearchTest, NoKeepsTheGridsWhereTheyWere) {
  Search s;
  s.left.SetTexts({"abc", "x", "y"});
  s.left.activeRow = 2;
  s.settings.value = "abc";

  EXPECT_EQ(s.Press(), "?");
  EXPECT_EQ(s.left.activeRow, 2);
  EXPECT_TRUE(s.left.calls.empty());
}

TEST(TextSearchTest, MatchFocusesThenOpensEditorBeforeSelecting) {
  Search s;
  s.left.SetTexts({"x", "a needle"});
  s.settings.value = "needle";

  EXPECT_EQ(s.Press(), "L2 2+6");
  EXPECT_EQ(s.left.calls,
            (std::vector<std::string>{"focus", "active 2", "active 2", "edit", "yield", "select 2+6"}));
}

TEST(TextSearchTest, StateFollowsItsTable) {
  Search s;
  s.left.SetTexts({"abc abc"});
  EXPECT_FALSE(s.search.SrcPos().has_value());

  s.settings.value = "abc";
  s.Press();
  EXPECT_EQ(s.search.LastFindValue(), "abc");
  EXPECT_EQ(s.search.SrcPos(), 4);
  EXPECT_TRUE(s.search.SearchHit());

  s.platform.inner.answers = {MessageAnswer::Yes};
  s.Press();  // second match
  EXPECT_EQ(s.Press(), "? L1 0+3");
  EXPECT_TRUE(s.search.SearchWrapped());

  s.search.ResetSrcPosInRow();  // a click in a grid
  EXPECT_EQ(s.search.SrcPos(), 1);
  EXPECT_TRUE(s.search.SearchWrapped());

  s.search.ResetSrcPos();  // an option changed in the dialog
  EXPECT_EQ(s.search.SrcPos(), 1);
  EXPECT_FALSE(s.search.SearchWrapped());
  EXPECT_TRUE(s.search.SearchHit());
  EXPECT_EQ(s.search.LastFindValue(), "abc");

  s.settings.value = "zz";
  s.Press();
  EXPECT_EQ(s.search.LastFindValue(), "zz");
  EXPECT_FALSE(s.search.SearchHit());
}

TEST(TextSearchTest, OverflowKeepsTheStateReached) {
  Search s;
  s.left.SetTexts({kLongRow});
  s.settings.value = "abc";
  s.Press();
  EXPECT_TRUE(s.search.SearchHit());
  EXPECT_EQ(s.search.SrcPos(), 1);
  EXPECT_EQ(s.left.activeRow, 1);
}

struct MatchCase {
  const char* name;
  const char* text;
  const char* value;
  std::int32_t from;
  std::int32_t expected;
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

class MatchPositionTest : public testing::TestWithParam<MatchCase> {};

TEST_P(MatchPositionTest, Position) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(MatchPosition(c.text, c.value, c.from), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    SearchMatch, MatchPositionTest,
    testing::Values(MatchCase{"FirstOccurrence", "abcabc", "bc", 1, 2},
                    MatchCase{"FromInsideFirstOccurrence", "abcabc", "bc", 3, 5},
                    MatchCase{"AtLastCharacter", "abc", "c", 3, 3},
                    MatchCase{"FromBeyondText", "abc", "c", 4, 0},
                    MatchCase{"EmptyTextNeverMatches", "", "", 1, 0},
                    MatchCase{"EmptyValueAtFrom", "abc", "", 2, 2},
                    MatchCase{"EmptyValueBeyondText", "abc", "", 4, 0}),
    [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });

TEST(SearchMatchTest, UpperCaseChangesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCaseAscii("az\xE9\xC3\xA9[`{09"), "AZ\xE9\xC3\xA9[`{09");
}

TEST(SearchMatchTest, Utf8Validity) {
  EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("caf\xE9"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // truncated
}

}  // namespace
}  // namespace qfc
