// Arbitrary pairs of line lists through the engine, and arbitrary match lists
// through crossing removal.
//
// The first byte picks the mode. Lines are drawn from a small vocabulary
// (with case variants, blanks and repeats) so that unique lines, repeated
// lines and crossings all occur. The rows must hold every line of each side
// exactly once, in order, and no row may be empty on both sides; crossing
// removal must give exactly what the plain walk gives, progress texts and all.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/progress.h"
#include "engine/compare_lines.h"
#include "engine/crossing_removal.h"
#include "engine/crossing_removal_reference.h"
#include "engine/result_rows.h"

namespace {

class TextLog final : public qfc::Progress {
 public:
  void InitProgress(std::int32_t) override {}
  void SetProgress(std::int32_t) override {}
  void SetProgressText(std::string_view text) override { texts.emplace_back(text); }
  void SetProgComplete() override {}
  bool Canceled() override { return false; }
  std::vector<std::string> texts;
};

class RowCollector final : public qfc::RowSink {
 public:
  void ResetRows() override { rows.clear(); }
  void AddGridRow(qfc::LinePair row) override { rows.push_back(row); }
  void SizeColumns(std::int32_t) override {}
  qfc::PairList rows;
};

constexpr std::string_view kVocabulary[] = {"alpha", "Alpha",   "beta", "gamma",  "delta",  "",
                                            "   ",   "{",       "}",    "x = 1;", "X = 1;", "\ty",
                                            "    y", "epsilon", "zeta", "eta"};

void FuzzAlignment(const std::uint8_t* data, std::size_t size) {
  qfc::LoadedText text;
  qfc::Side side = qfc::Side::Left;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF) {
      side = qfc::Side::Right;
      continue;
    }
    // The high bits make a line unique now and then.
    std::string line(kVocabulary[data[i] & 0x0F]);
    if (data[i] & 0x80) line += std::to_string(data[i] >> 4);
    const std::int32_t lineNo = text.lines[side].AppendExpandingTabs(line);
    text.index[side].AddToIndex(text.lines[side], lineNo);
  }
  const std::int32_t leftCount = text.lines[qfc::Side::Left].Count();
  const std::int32_t rightCount = text.lines[qfc::Side::Right].Count();
  TextLog progress;
  RowCollector sink;
  if (qfc::CompareLines(text, progress, sink) != qfc::CompareOutcome::Completed) std::abort();
  if (!qfc::CoversEveryLine(sink.rows, {{leftCount, rightCount}})) std::abort();
}

void FuzzCrossingRemoval(const std::uint8_t* data, std::size_t size) {
  // Left lines increase; right lines are distinct, as in any match list.
  qfc::PairList pairs;
  std::vector<bool> usedRight(256, false);
  for (std::size_t i = 0; i < size; ++i) {
    if (usedRight[data[i]]) continue;
    usedRight[data[i]] = true;
    pairs.push_back({static_cast<std::int32_t>(i + 1), data[i] + 1});
  }
  qfc::KeyedPairList list;
  for (const qfc::LinePair& pair : pairs) list.Add(pair);
  TextLog fast;
  qfc::AnalyzeMatches(list, fast);
  TextLog plain;
  qfc::test::ReferenceAnalyzeMatches(pairs, plain);
  const auto entries = list.Entries();
  if (!std::equal(entries.begin(), entries.end(), pairs.begin(), pairs.end())) std::abort();
  if (fast.texts != plain.texts) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if (data[0] & 1) {
    FuzzCrossingRemoval(data + 1, size - 1);
  } else {
    FuzzAlignment(data + 1, size - 1);
  }
  return 0;
}
