// Properties of the alignment over many generated pairs of files.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/compare_lines.h"
#include "engine/crossing_removal.h"
#include "engine/refinement.h"
#include "engine/unique_line_matching.h"
#include "loaded_text_builder.h"
#include "pair_printing.h"
#include "recording_sink.h"
#include "support/progress_double.h"

namespace qfc {
namespace {

using Lines = std::vector<std::string>;

// Lines from a small pool, so that repeats, case variants and blanks are common.
const Lines kPool{"alpha", "Alpha", "beta", "gamma", "delta",  "",        "  ",
                  "\t",    "x",     "X",    "y",     "z  ",    "epsilon", "zeta",
                  "eta",   "theta", "iota", "kappa", "lambda", "mu"};

Lines RandomFile(std::mt19937& rng, std::size_t poolSize) {
  Lines lines(rng() % 25);
  for (std::string& line : lines) line = kPool[rng() % poolSize];
  return lines;
}

// The right file as an edited copy of the left: changes, insertions,
// deletions and a moved block.
Lines Edited(const Lines& left, std::mt19937& rng, std::size_t poolSize) {
  Lines right;
  for (const std::string& line : left) {
    switch (rng() % 8) {
      case 0:
        break;
      case 1:
        right.push_back(kPool[rng() % poolSize]);
        break;
      case 2:
        right.push_back(kPool[rng() % poolSize]);
        right.push_back(line);
        break;
      default:
        right.push_back(line);
    }
  }
  if (right.size() > 4 && rng() % 2 == 0) {
    const std::size_t from = rng() % (right.size() - 3);
    Lines block(right.begin() + static_cast<long>(from),
                right.begin() + static_cast<long>(from) + 3);
    right.erase(right.begin() + static_cast<long>(from),
                right.begin() + static_cast<long>(from) + 3);
    right.insert(right.begin() + static_cast<long>(rng() % (right.size() + 1)), block.begin(),
                 block.end());
  }
  return right;
}

struct Pair {
  Lines left;
  Lines right;
};

std::vector<Pair> GeneratedPairs() {
  std::mt19937 rng(424242);
  std::vector<Pair> pairs;
  for (int i = 0; i < 1500; ++i) {
    const std::size_t poolSize = 2 + rng() % (kPool.size() - 1);
    Lines left = RandomFile(rng, poolSize);
    Lines right = i % 3 == 0 ? RandomFile(rng, poolSize) : Edited(left, rng, poolSize);
    pairs.push_back({std::move(left), std::move(right)});
  }
  return pairs;
}

// Runs the matching phases as the driver does; `rememberBarren` false
// searches every gap of every pass.
PairList FinalMatches(const Pair& files, bool rememberBarren) {
  LoadedText text = test::MakeLoadedText(files.left, files.right);
  test::ProgressDouble progress;
  EngineLists lists;
  MatchUniqueLines(text, progress, lists.matches);
  AnalyzeMatches(lists.matches, progress);
  BarrenGaps barren;
  bool firstPass = true;
  while (firstPass || !lists.newMatches.Empty()) {
    BarrenGaps forgetful;
    ProcessRanges(text, progress, lists, rememberBarren ? barren : forgetful);
    firstPass = false;
  }
  return {lists.matches.Entries().begin(), lists.matches.Entries().end()};
}

std::string Describe(const Pair& files) {
  return "left " + ::testing::PrintToString(files.left) + "\nright " +
         ::testing::PrintToString(files.right);
}

TEST(AlignmentProperty, EveryLineOnceInOrder) {
  for (const Pair& files : GeneratedPairs()) {
    LoadedText text = test::MakeLoadedText(files.left, files.right);
    test::ProgressDouble progress;
    test::RecordingSink sink;
    CompareLines(text, progress, sink);
    std::int32_t nextLeft = 1;
    std::int32_t nextRight = 1;
    for (const LinePair& row : sink.rows) {
      ASSERT_TRUE(row.left != kNoLine || row.right != kNoLine) << Describe(files);
      if (row.left != kNoLine) {
        ASSERT_EQ(row.left, nextLeft++) << Describe(files);
      }
      if (row.right != kNoLine) {
        ASSERT_EQ(row.right, nextRight++) << Describe(files);
      }
    }
    ASSERT_EQ(nextLeft, static_cast<std::int32_t>(files.left.size()) + 1) << Describe(files);
    ASSERT_EQ(nextRight, static_cast<std::int32_t>(files.right.size()) + 1) << Describe(files);
  }
}

TEST(AlignmentProperty, MatchesAreEqualApartFromCaseAndBecomeRows) {
  for (const Pair& files : GeneratedPairs()) {
    const PairList matches = FinalMatches(files, true);
    const LoadedText text = test::MakeLoadedText(files.left, files.right);
    for (std::size_t i = 0; i < matches.size(); ++i) {
      const LinePair m = matches[i];
      ASSERT_TRUE(
          EqualFolded(text.lines[Side::Left].Line(m.left), text.lines[Side::Right].Line(m.right)))
          << Describe(files);
      if (i > 0) {
        ASSERT_LT(matches[i - 1].left, m.left) << Describe(files);
        ASSERT_LT(matches[i - 1].right, m.right) << Describe(files);
      }
    }
    LoadedText again = test::MakeLoadedText(files.left, files.right);
    test::ProgressDouble progress;
    test::RecordingSink sink;
    CompareLines(again, progress, sink);
    for (const LinePair& m : matches) {
      ASSERT_NE(std::find(sink.rows.begin(), sink.rows.end(), m), sink.rows.end())
          << Describe(files);
    }
  }
}

TEST(AlignmentProperty, SkippingBarrenGapsChangesNothing) {
  for (const Pair& files : GeneratedPairs()) {
    ASSERT_EQ(FinalMatches(files, true), FinalMatches(files, false)) << Describe(files);
  }
}

}  // namespace
}  // namespace qfc
