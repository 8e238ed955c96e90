#include "input/lines_ahead.h"

#include <algorithm>
#include <cassert>
#include <new>
#include <system_error>

#include "input/checked_int32.h"
#include "input/read_next_line.h"

namespace qfc {
namespace {

// After this much of a side's text its lines per byte and its share of
// distinct lines are known well enough to size its line list and index for
// the whole file once, instead of growing them step by step; the margin
// covers a file whose later part is more varied.
constexpr std::uint64_t kSampleBytes = 256 * 1024;
constexpr double kSizeMargin = 1.1;

// Sizes the line list and index of a file of `fileBytes` bytes for the whole
// file from the lines stored so far, which took `consumed` bytes counted as
// the loader counts them.
void SizeForWholeFile(std::size_t fileBytes, std::uint64_t consumed, LineList& lines,
                      LineIndex& index) {
  index.Flush(lines);
  const double fileShare =
      static_cast<double>(fileBytes) / static_cast<double>(consumed) * kSizeMargin;
  lines.ReserveLike(fileShare);
  index.Reserve(static_cast<std::size_t>(static_cast<double>(index.DistinctTexts()) * fileShare));
}

}  // namespace

LinesAhead::LinesAhead(std::shared_ptr<const FileBytes> bytes, Where where)
    : bytes_(bytes->View()), where_(where), atEnd_(bytes_.empty()) {
  lines_.SetSource(std::move(bytes));
  reader_.Open(bytes_);
  if (where_ == Where::Here) return;
  // A side has fewer lines than bytes, or one line when it has none.
  ring_.resize(std::min<std::uint64_t>(kMostLinesAhead, bytes_.size() + 1));
  try {
    thread_ = std::thread([this] { Read(); });
  } catch (const std::system_error&) {
    // The system lacks the resources for one more thread.
    throw std::bad_alloc();
  }
}

LinesAhead::~LinesAhead() { EndThread(); }

LinesAhead::Line LinesAhead::StoreNext() {
  const std::string_view text = reader_.ReadLine();
  const Line line{ToInt32(text.size()), reader_.AtEndOfStream()};
  StoreLine(text, lines_, index_);
  consumed_ += text.size() + kAssumedLineEndLength;
  if (!sized_ && consumed_ >= kSampleBytes) {
    sized_ = true;
    SizeForWholeFile(bytes_.size(), consumed_, lines_, index_);
  }
  return line;
}

void LinesAhead::Read() {
  std::uint64_t stored = 0;
  std::exception_ptr failure;
  try {
    std::uint64_t takenSeen = 0;
    std::uint64_t storedAtHandOver = 0;
    std::size_t bytesSinceHandOver = 0;
    while (!reader_.AtEndOfStream()) {
      if (stored - takenSeen == ring_.size() || stored - storedAtHandOver == kLinesPerHandOver ||
          bytesSinceHandOver >= kBytesPerHandOver) {
        if (!HandOver(stored, takenSeen)) return;
        storedAtHandOver = stored;
        bytesSinceHandOver = 0;
      }
      const Line line = StoreNext();
      bytesSinceHandOver += static_cast<std::size_t>(line.length);
      ring_[stored % ring_.size()] = line;
      ++stored;
    }
  } catch (...) {
    failure = std::current_exception();
  }
  const std::lock_guard lock(mutex_);
  stored_ = stored;
  finished_ = true;
  failure_ = failure;
  changed_.notify_all();
}

bool LinesAhead::HandOver(std::uint64_t stored, std::uint64_t& takenSeen) {
  std::unique_lock lock(mutex_);
  stored_ = stored;
  changed_.notify_all();
  changed_.wait(lock, [&] { return stopping_ || stored - taken_ < ring_.size(); });
  takenSeen = taken_;
  return !stopping_;
}

LinesAhead::Line LinesAhead::Take() {
  assert(!atEnd_);
  if (where_ == Where::Here) {
    const Line line = StoreNext();
    ++takenHere_;
    atEnd_ = line.last;
    return line;
  }
  if (takenHere_ == storedSeen_ || takenHere_ % kLinesPerHandOver == 0) {
    std::unique_lock lock(mutex_);
    taken_ = takenHere_;
    changed_.notify_all();
    changed_.wait(lock, [&] { return stored_ > takenHere_ || finished_; });
    storedSeen_ = stored_;
    // The thread ended without storing this line: storing it failed.
    if (storedSeen_ == takenHere_) {
      assert(failure_ != nullptr);
      std::rethrow_exception(failure_);
    }
  }
  const Line line = ring_[takenHere_ % ring_.size()];
  ++takenHere_;
  atEnd_ = line.last;
  return line;
}

void LinesAhead::Stop(LineList& lines, LineIndex& index) {
  EndThread();
  const auto taken = static_cast<std::int32_t>(takenHere_);
  if (lines_.Count() > taken) {
    // The index reads the lines it forgets: it goes first.
    index_.KeepFirst(lines_, taken);
    lines_.KeepFirst(taken);
  }
  lines = std::move(lines_);
  index = std::move(index_);
}

void LinesAhead::EndThread() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

}  // namespace qfc
