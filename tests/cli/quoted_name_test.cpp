// File names in the unified diff's "---" and "+++" lines, quoted as GNU diff
// 3.8 quotes them (checked against `diff -u` on files of these names).
#include "cli/quoted_name.h"

#include <gtest/gtest.h>

#include <string>

namespace qfc::cli {
namespace {

struct NameCase {
  const char* name;
  std::string fileName;
  std::string shown;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class QuotedNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(QuotedNameTest, QuotesLikeGnuDiff) {
  EXPECT_EQ(QuotedName(GetParam().fileName), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Names, QuotedNameTest,
    testing::Values(NameCase{"PlainPathAsItIs", "dir/a-b_c.txt", "dir/a-b_c.txt"},
                    NameCase{"PunctuationAsItIs", "$x'y?*(z)~", "$x'y?*(z)~"},
                    NameCase{"DelAsItIs", "a\x7f", "a\x7f"}, NameCase{"EmptyAsItIs", "", ""},
                    NameCase{"BlankQuotedNotEscaped", "with blank.txt", "\"with blank.txt\""},
                    NameCase{"LineFeedCannotStartALine", "a\n+++ evil.txt", "\"a\\n+++ evil.txt\""},
                    NameCase{"QuoteAndBackslashEscaped", "q\"b\\s", "\"q\\\"b\\\\s\""},
                    NameCase{"NamedEscapes", "\a\b\t\v\f\r", "\"\\a\\b\\t\\v\\f\\r\""},
                    NameCase{"OtherControlBytesInOctal",
                             std::string("\x01\x1f"
                                         "9",
                                         3),
                             "\"\\001\\0379\""},
                    NameCase{"NonAsciiBytesInOctal", "caf\xc3\xa9\xff", "\"caf\\303\\251\\377\""}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc::cli
