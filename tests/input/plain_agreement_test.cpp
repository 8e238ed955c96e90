// The loader against the plain reading of its rules (plain_loading.h), on
// pairs that reach past two 64000-byte chunks, in both line-end modes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "input/loader.h"
#include "input/plain_loading.h"
#include "input/temp_files.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

constexpr std::size_t kChunk = 64000;

// `count` numbered lines, each ended by `end`; every `caseEvery`-th line
// repeats an earlier one in upper case, so that the index has recurring keys.
std::string Numbered(int count, std::string_view end, int caseEvery = 0) {
  std::string text;
  for (int n = 1; n <= count; ++n) {
    const bool repeat = caseEvery > 0 && n % caseEvery == 0;
    text.append(repeat ? "LINE\t" + std::to_string(n / 2) : "line\t" + std::to_string(n));
    text.append(end);
  }
  return text;
}

// CR LF lines in which the CR is the last byte of a chunk and the LF the
// first of the next, at each of the first three chunk boundaries.
std::string CrLfAcrossChunks() {
  std::string text;
  for (std::size_t boundary = kChunk; boundary <= 3 * kChunk; boundary += kChunk) {
    while (text.size() < boundary - 80) text.append(50, 'x').append("\r\n");
    text.append(boundary - 1 - text.size(), 'y').append("\r\n");
  }
  return text.append("tail");
}

// `text` with `with` written over it from `at`.
std::string Overwrite(std::string text, std::size_t at, std::string_view with) {
  return text.replace(at, with.size(), with);
}

struct AgreementCase {
  const char* name;
  std::string left;
  std::string right;
};

void PrintTo(const AgreementCase& c, std::ostream* os) { *os << c.name; }

class PlainAgreementTest : public testing::TestWithParam<AgreementCase> {};

TEST_P(PlainAgreementTest, LoaderAgreesWithThePlainReadingInBothModes) {
  const AgreementCase& c = GetParam();
  test::TempFiles files;
  const PerSide<std::string> paths{{files.Write("left", c.left), files.Write("right", c.right)}};
  for (LineEndMode mode : {LineEndMode::CrLf, LineEndMode::Any}) {
    test::ProgressDouble progress;
    LoadedText text;
    PerSide<InputFile> opened = OpenInputFiles(paths);
    const LoadOutcome outcome = LoadFiles(opened, mode, progress, text);
    const test::PlainOutcome plain = test::PlainLoad({{c.left, c.right}}, mode);
    EXPECT_EQ(test::Divergence(plain, mode, outcome, text), "")
        << (mode == LineEndMode::Any ? "--eol=any" : "--eol=crlf");
    if (mode == LineEndMode::CrLf) {
      const auto [got, want] = std::ranges::mismatch(progress.percents, plain.percents);
      EXPECT_TRUE(got == progress.percents.end() && want == plain.percents.end())
          << "the bar parts from the plain reading at cycle "
          << (got - progress.percents.begin() + 1) << " of " << plain.percents.size();
    }
  }
}

const std::string kCrLfText = Numbered(20'000, "\r\n", 7);
const std::string kLfText = Numbered(20'000, "\n", 5);

INSTANTIATE_TEST_SUITE_P(
    PastTwoChunks, PlainAgreementTest,
    testing::Values(
        AgreementCase{"CrLfTextWithCaseRepeats", kCrLfText, Numbered(19'000, "\r\n", 3)},
        AgreementCase{"CrLfSplitByChunkEnds", CrLfAcrossChunks(), CrLfAcrossChunks() + "\r\n"},
        AgreementCase{"LfTextAgainstCrLfText", kLfText, kCrLfText},
        AgreementCase{"LfLinesFromTheThirdChunk",
                      Numbered(12'000, "\r\n").substr(0, 2 * kChunk + 10) + Numbered(50, "\n"),
                      kCrLfText},
        AgreementCase{"IdenticalBinary", std::string(3 * kChunk, '\0') + "\n\n",
                      std::string(3 * kChunk, '\0') + "\n\n"},
        AgreementCase{
            "BinaryDifferingInTheLastChunk", Overwrite(kLfText, 0, std::string(1, '\0')),
            Overwrite(Overwrite(kLfText, 0, std::string(1, '\0')), kLfText.size() - 3, "!")},
        AgreementCase{"NulInTheThirdChunkOnly",
                      Overwrite(kCrLfText, 2 * kChunk + 5, std::string(1, '\0')), kCrLfText},
        AgreementCase{"LoneCrsAtChunkEnds", Overwrite(kCrLfText, kChunk - 1, "\r\r"),
                      Overwrite(kCrLfText, 2 * kChunk - 1, "\r")},
        AgreementCase{"OneLongLineAgainstNothing", std::string(3 * kChunk + 7, 'x'), ""},
        // Binary after 40,000 lines, when the lines read ahead of the cycles
        // already take in the LF lines; those repeat the first lines, which
        // stay unique in the index because the cycles read only a few of them.
        AgreementCase{"BinaryAfterManyLinesOnTheLeft",
                      Numbered(40'000, "\r\n", 7) + Numbered(100, "\n"), kCrLfText},
        AgreementCase{"BinaryAfterManyLinesOnTheRight", kCrLfText,
                      Numbered(40'000, "\r\n", 7) + Numbered(100, "\n")}),
    test::ByName{});

}  // namespace
}  // namespace qfc
