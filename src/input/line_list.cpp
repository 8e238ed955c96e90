#include "input/line_list.h"

namespace qfc {

void LineList::SetSource(std::shared_ptr<const FileBytes> source) {
  if (source != nullptr && source->View().size() >= kCopied) source = nullptr;
  source_ = std::move(source);
  sourceText_ = source_ != nullptr ? source_->View() : std::string_view();
}

void LineList::Reserve(std::uint64_t bytes, std::uint64_t lines) {
  arena_.reserve(bytes);
  records_.reserve(lines);
}

void LineList::ReserveLike(double factor) {
  const auto scaled = [factor](std::size_t size) {
    return static_cast<std::size_t>(size * factor);
  };
  records_.reserve(scaled(records_.size()));
  copies_.reserve(scaled(copies_.size()));
  arena_.reserve(scaled(arena_.size()));
}

std::uint32_t LineList::SourceEnd(std::size_t slot) const {
  const std::uint32_t end = records_[slot].end;
  return (end & kCopied) != 0 ? copies_[end & ~kCopied].sourceEnd : end;
}

std::uint64_t LineList::NextSourceBegin() const {
  if (records_.empty()) return 0;
  const std::uint32_t end = SourceEnd(records_.size() - 1);
  if (end == kNoSourceEnd || end >= sourceText_.size()) return kNoSourceEnd;
  // A line ends at its line feed or at the carriage return before it; a
  // carriage return ends a line only that way.
  return end + (sourceText_[end] == '\r' ? 2 : 1);
}

std::int32_t LineList::AppendExpandingTabs(std::string_view raw) {
  const bool inSource =
      !sourceText_.empty() && raw.data() >= sourceText_.data() &&
      raw.data() + raw.size() <= sourceText_.data() + sourceText_.size() &&
      static_cast<std::uint64_t>(raw.data() - sourceText_.data()) == NextSourceBegin();
  const std::uint32_t sourceEnd =
      inSource ? static_cast<std::uint32_t>(raw.data() + raw.size() - sourceText_.data())
               : kNoSourceEnd;
  if (!inSource || raw.find('\t') != std::string_view::npos) {
    AppendCopy(raw, sourceEnd);
  } else {
    records_.push_back({sourceEnd, FoldedHash(raw)});
    textBytes_ += raw.size();
  }
  return Count();
}

void LineList::AppendCopy(std::string_view raw, std::uint32_t sourceEnd) {
  const std::size_t begin = arena_.size();
  std::size_t from = 0;
  for (std::size_t tab = raw.find('\t'); tab != std::string_view::npos;
       tab = raw.find('\t', from)) {
    arena_.append(raw.substr(from, tab - from));
    arena_.append(kTabReplacement);
    from = tab + 1;
  }
  arena_.append(raw.substr(from));
  const std::string_view text = std::string_view(arena_).substr(begin);
  records_.push_back({kCopied | static_cast<std::uint32_t>(copies_.size()), FoldedHash(text)});
  copies_.push_back({begin, sourceEnd});
  textBytes_ += text.size();
}

void LineList::KeepFirst(std::int32_t count) {
  // Copies lie in line order, so those of the dropped lines are the last ones.
  std::size_t copiesKept = copies_.size();
  for (std::int32_t lineNo = Count(); lineNo > count; --lineNo) {
    textBytes_ -= Line(lineNo).size();
    const std::uint32_t end = records_[Slot(lineNo)].end;
    if ((end & kCopied) != 0) copiesKept = end & ~kCopied;
  }
  if (copiesKept < copies_.size()) {
    arena_.resize(copies_[copiesKept].begin);
    copies_.resize(copiesKept);
  }
  if (count < Count()) records_.resize(Slot(count + 1));
}

std::string_view LineList::Line(std::int32_t lineNo) const {
  const std::size_t slot = Slot(lineNo);
  const std::uint32_t end = records_[slot].end;
  if ((end & kCopied) != 0) {
    const std::size_t copy = end & ~kCopied;
    const std::uint64_t copyEnd =
        copy + 1 < copies_.size() ? copies_[copy + 1].begin : arena_.size();
    return std::string_view(arena_).substr(copies_[copy].begin, copyEnd - copies_[copy].begin);
  }
  std::uint32_t begin = 0;
  if (slot > 0) {
    const std::uint32_t before = SourceEnd(slot - 1);
    begin = before + (sourceText_[before] == '\r' ? 2 : 1);
  }
  return sourceText_.substr(begin, end - begin);
}

}  // namespace qfc
