// Under "--eol=any" each file is read once, front to back, one chunk per side
// per cycle, so that the two sides stay at the same offset. Every chunk is
// searched for a NUL byte and compared with the other side's chunk of the
// same place. While no NUL has turned up, the chunks are cut into lines by
// the line-end rule (line_end_splitter.h) and the lines go into the line
// lists and indexes. The first NUL makes the pair binary: the lines are
// dropped, and reading goes on only as long as the pair may still be
// identical. Counters are 64-bit: files are limited by memory and by the
// number of lines a side can number, not by 32-bit byte counts.
#include "input/any_line_end_loader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string_view>

#include "input/line_end_splitter.h"

namespace qfc {
namespace {

// The same chunk size as the CR LF rule's byte reader.
constexpr std::size_t kChunkSize = 64000;

// As in the CR LF rule: lines are reserved for at most one per this many
// bytes of a file of known length.
constexpr std::uint64_t kReservedBytesPerLine = 16;

constexpr double kPercent = 100.0;

struct SideReader {
  std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(kChunkSize);
  std::size_t chunkLength = 0;
  bool ended = false;
  LineEndSplitter splitter;

  [[nodiscard]] std::string_view Chunk() const { return {buffer.get(), chunkLength}; }
};

[[nodiscard]] bool HasNul(std::string_view chunk) {
  return std::memchr(chunk.data(), '\0', chunk.size()) != nullptr;
}

// Reports how far the reading got against the files' known lengths and
// answers whether the user has cancelled. Streams have no length: with
// nothing to measure against the bar stays where it is.
[[nodiscard]] bool ReportProgress(Progress& progress, std::uint64_t read, std::uint64_t total) {
  if (total != 0) {
    const double percent = std::nearbyint(static_cast<double>(read) / total * kPercent);
    progress.SetProgress(static_cast<std::int32_t>(std::min(percent, kPercent)));
  }
  return progress.Canceled();
}

void AppendLine(std::string_view line, LineList& lines, LineIndex& index) {
  const std::int32_t lineNo = lines.AppendExpandingTabs(line);
  index.AddToIndexLater(lines, lineNo);
}

}  // namespace

void LoadAnyLineEnds(PerSide<InputFile>& files, Progress& progress, LoadedText& text,
                     LoadOutcome& outcome) {
  text = LoadedText{};
  progress.InitProgress(kAnalysisPhase);
  for (Side side : kBothSides) files[side].ThrowIfUnreadable();

  std::uint64_t total = 0;
  for (Side side : kBothSides) {
    const std::uint64_t length = files[side].Length();
    total += length;
    if (files[side].HasLength())
      text.lines[side].Reserve(length, length / kReservedBytesPerLine + 1);
  }
  // Two files of known, different lengths differ, whatever their bytes.
  outcome.differ = files[Side::Left].HasLength() && files[Side::Right].HasLength() &&
                   files[Side::Left].Length() != files[Side::Right].Length();

  PerSide<SideReader> readers;
  std::uint64_t read = 0;
  while (!readers[Side::Left].ended || !readers[Side::Right].ended) {
    if (ReportProgress(progress, read, total)) return;
    for (Side side : kBothSides) {
      SideReader& reader = readers[side];
      reader.chunkLength = 0;
      if (reader.ended) continue;
      reader.chunkLength = files[side].ReadNext(reader.buffer.get(), kChunkSize);
      reader.ended = reader.chunkLength < kChunkSize;
      read += reader.chunkLength;
    }
    if (!outcome.differ) {
      outcome.differ = readers[Side::Left].Chunk() != readers[Side::Right].Chunk();
    }
    if (!outcome.binaryMode &&
        (HasNul(readers[Side::Left].Chunk()) || HasNul(readers[Side::Right].Chunk()))) {
      outcome.binaryMode = true;
      text = LoadedText{};
    }
    if (outcome.binaryMode) {
      if (outcome.differ) break;
      continue;
    }
    for (Side side : kBothSides) {
      SideReader& reader = readers[side];
      const auto append = [&](std::string_view line) {
        AppendLine(line, text.lines[side], text.index[side]);
      };
      reader.splitter.Feed(reader.Chunk(), append);
    }
  }
  if (outcome.binaryMode) {
    progress.SetProgComplete();
    return;
  }
  for (Side side : kBothSides) {
    const auto append = [&](std::string_view line) {
      AppendLine(line, text.lines[side], text.index[side]);
    };
    readers[side].splitter.Finish(append);
    outcome.lineEnds[side] = readers[side].splitter.Ends();
  }
}

}  // namespace qfc
