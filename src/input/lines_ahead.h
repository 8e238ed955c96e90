// One side's lines, read either on a thread of their own ahead of the
// loader's cycles, or on the loader's thread as the cycles take them. The
// reading splits the side's bytes into lines, stores each in a line list and
// index of its own, and sizes both once it has seen a sample of the file; the
// loader takes the lines one per cycle, as if it read each then, and learns
// of a line what its counters and its end test need.
//
// A thread runs at most kMostLinesAhead lines ahead. When the loader stops
// before the end (the pair turned binary, a cancel, a failure), Stop hands
// over a list and index holding exactly the lines taken. A failure met while
// storing a line reaches the loader when it takes that line, and never if it
// stops before.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "input/file_bytes.h"
#include "input/line_index.h"
#include "input/line_list.h"
#include "input/text_reader.h"

namespace qfc {

class LinesAhead {
 public:
  // What the loader learns of a line it takes.
  struct Line {
    std::int32_t length = 0;  // before tab expansion, without the line end
    bool last = false;        // no line follows
  };

  // Where the lines are read: on a thread of their own, or on the loader's
  // thread as it takes each, with nothing read ahead.
  enum class Where { OwnThread, Here };

  // Starts reading the lines of `bytes`; the lines point into them.
  LinesAhead(std::shared_ptr<const FileBytes> bytes, Where where);
  LinesAhead(const LinesAhead&) = delete;
  LinesAhead& operator=(const LinesAhead&) = delete;
  // Ends the thread if Stop did not; its lines are lost.
  ~LinesAhead();

  // True once every line of the bytes has been taken (at once for no bytes).
  [[nodiscard]] bool AtEnd() const { return atEnd_; }
  // The next line; waits until the thread has stored it. Not at the end.
  // Throws what the thread met storing it (LoadFailure, std::bad_alloc).
  [[nodiscard]] Line Take();

  // Ends the thread and hands over the lines taken, replacing what `lines`
  // and `index` held. Throws std::bad_alloc only when the index cannot grow
  // for its pending lines.
  void Stop(LineList& lines, LineIndex& index);

 private:
  // The ring of lines between the two threads; also how far ahead the
  // thread may run.
  static constexpr std::uint64_t kMostLinesAhead = 65536;
  // Each thread tells the other how far it got after this many lines (the
  // loader also when it waits), or the reading thread after this many bytes.
  static constexpr std::uint64_t kLinesPerHandOver = 8192;
  static constexpr std::size_t kBytesPerHandOver = std::size_t{4} << 20;

  void Read();
  // Reads and stores the next line, on whichever thread reads them.
  [[nodiscard]] Line StoreNext();
  // The reading thread's hand-over: publishes `stored` and waits for room
  // in the ring if it has none. False once the loader stops it.
  bool HandOver(std::uint64_t stored, std::uint64_t& takenSeen);
  void EndThread();

  // What one thread writes for every line lies apart from what the other
  // reads, so that neither waits for the other's cache lines.
  static constexpr std::size_t kApart = 128;

  // Set before the thread starts, then only read.
  std::string_view bytes_;
  Where where_;
  std::vector<Line> ring_;  // line n at n % ring_.size()

  // The reading thread's own until Stop.
  alignas(kApart) LineList lines_;
  LineIndex index_;
  TextReader reader_;
  std::uint64_t consumed_ = 0;  // as LineCounters::charactersConsumed, but 64-bit
  bool sized_ = false;          // lines_ and index_ sized for the whole file

  alignas(kApart) std::mutex mutex_;
  std::condition_variable changed_;
  // Under mutex_: how far each side got, as the other may know it.
  std::uint64_t stored_ = 0;
  std::uint64_t taken_ = 0;
  bool finished_ = false;       // the thread stores no further line
  bool stopping_ = false;       // the loader wants no further line
  std::exception_ptr failure_;  // what ended the thread early

  // The loader's own.
  alignas(kApart) std::uint64_t takenHere_ = 0;
  std::uint64_t storedSeen_ = 0;
  bool atEnd_ = false;

  std::thread thread_;  // last: starts once everything above is set
};

}  // namespace qfc
