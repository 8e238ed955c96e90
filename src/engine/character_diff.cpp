// Character diff of two lines. Each line becomes a list of characters (code
// points of valid UTF-8, else bytes) with their byte offsets. The common start
// and end are cut off; the middles are aligned by Myers' greedy O(ND) search,
// which follows diagonals of equal characters and counts its steps: when the
// steps exceed kMaxWork the middles are reported whole. The alignment is a
// list of segments, equal or changed; short equal segments between two
// changes are absorbed so that a changed word is one run, not a few letters.
#include "engine/character_diff.h"

#include <algorithm>
#include <cstddef>

namespace qfc {
namespace {

// Steps of the greedy search (diagonals tried plus characters compared) per
// line pair; beyond it the middles differ whole. Also bounds the search's
// memory: its trace grows by 2d + 1 numbers per edit step d.
constexpr std::int64_t kMaxWork = 100'000;
// Equal runs this short between two changes join the change.
constexpr std::int32_t kAbsorbedEqualLength = 2;

// A line as characters: codes[i] starts at byte offsets[i]; offsets has one
// more entry, the line's length.
struct Characters {
  std::vector<char32_t> codes;
  std::vector<std::int32_t> offsets;
  [[nodiscard]] std::int32_t Count() const { return static_cast<std::int32_t>(codes.size()); }
};

// Decodes one UTF-8 sequence at `at`; answers its length, or 0 when the bytes
// there are not a well-formed sequence (overlong forms, surrogates and code
// points past U+10FFFF are not).
[[nodiscard]] int DecodeUtf8(std::string_view text, std::size_t at, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  int length = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (at + static_cast<std::size_t>(length) > text.size()) return 0;
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(at + static_cast<std::size_t>(i));
    if ((next & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (next & 0x3Fu);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < minimum || surrogate || code > 0x10FFFF) return 0;
  return length;
}

[[nodiscard]] Characters ByteCharacters(std::string_view text) {
  Characters chars;
  chars.codes.reserve(text.size());
  chars.offsets.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    chars.codes.push_back(static_cast<unsigned char>(text[i]));
    chars.offsets.push_back(static_cast<std::int32_t>(i));
  }
  chars.offsets.push_back(static_cast<std::int32_t>(text.size()));
  return chars;
}

// The line as code points when it is valid UTF-8 throughout, else as bytes.
[[nodiscard]] Characters CharactersOf(std::string_view text) {
  Characters chars;
  chars.codes.reserve(text.size());
  chars.offsets.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size();) {
    char32_t code = 0;
    const int length = DecodeUtf8(text, i, code);
    if (length == 0) return ByteCharacters(text);
    chars.codes.push_back(code);
    chars.offsets.push_back(static_cast<std::int32_t>(i));
    i += static_cast<std::size_t>(length);
  }
  chars.offsets.push_back(static_cast<std::int32_t>(text.size()));
  return chars;
}

// Folds the letters of ASCII and Latin-1 to lower case.
[[nodiscard]] constexpr char32_t FoldLetter(char32_t c) {
  constexpr char32_t kLatinCapitalFirst = 0xC0;
  constexpr char32_t kLatinCapitalLast = 0xDE;
  constexpr char32_t kMultiplicationSign = 0xD7;
  constexpr char32_t kCaseDistance = 0x20;
  if (c >= 'A' && c <= 'Z') return c + kCaseDistance;
  if (c >= kLatinCapitalFirst && c <= kLatinCapitalLast && c != kMultiplicationSign) {
    return c + kCaseDistance;
  }
  return c;
}

// One piece of the alignment of the two middles.
struct Segment {
  bool equal = false;
  std::int32_t length[2] = {0, 0};  // characters of each side
};

void AppendSegment(std::vector<Segment>& segments, bool equal, std::int32_t left,
                   std::int32_t right) {
  if (left == 0 && right == 0) return;
  if (!segments.empty() && segments.back().equal == equal) {
    segments.back().length[0] += left;
    segments.back().length[1] += right;
    return;
  }
  segments.push_back(Segment{equal, {left, right}});
}

constexpr std::int32_t kUnreached = -1;

// The step onto diagonal k (x - y) after edit step d: down from diagonal
// k + 1 (a character of b inserted) or right from k - 1 (one of a removed),
// whichever reaches further without leaving the n by m grid; `reach(k)` is
// the furthest x on diagonal k after step d - 1, or kUnreached.
struct Step {
  bool valid = false;
  bool down = false;
  std::int32_t x = 0;
};
template <typename Reach>
[[nodiscard]] Step StepOnto(std::int32_t k, std::int32_t n, std::int32_t m, Reach reach) {
  Step step;
  const std::int32_t above = reach(k + 1);
  if (above != kUnreached && above - k <= m) step = Step{true, true, above};
  const std::int32_t before = reach(k - 1);
  if (before != kUnreached && before + 1 <= n && (!step.valid || before + 1 > step.x)) {
    step = Step{true, false, before + 1};
  }
  return step;
}

// Aligns a[0..n) with b[0..m), both non-empty, by the greedy search; false
// when it needs more than kMaxWork steps. Segments come out in line order.
[[nodiscard]] bool AlignMiddles(const char32_t* a, std::int32_t n, const char32_t* b,
                                std::int32_t m, std::vector<Segment>& segments) {
  const std::int32_t maxEdits = n + m;
  const std::int32_t offset = maxEdits + 1;
  std::vector<std::int32_t> furthest(static_cast<std::size_t>(2 * maxEdits + 3), kUnreached);
  // The search starts as if stepping down from diagonal 1 onto (0, 0).
  furthest[static_cast<std::size_t>(offset + 1)] = 0;
  // trace holds, for each edit count d, furthest[-d..d] as it was after step d.
  std::vector<std::int32_t> trace;
  std::vector<std::size_t> traceStart;
  std::int64_t work = 0;
  std::int32_t edits = -1;
  for (std::int32_t d = 0; d <= maxEdits && edits < 0; ++d) {
    // The diagonals of step d have the parity of d, so each reads its
    // neighbours as step d - 1 left them.
    for (std::int32_t k = -d; k <= d; k += 2) {
      const bool inGrid = k <= n && k >= -m;
      const Step step = inGrid ? StepOnto(k, n, m, [&](std::int32_t j) { return furthest[offset + j]; })
                               : Step{};
      // Every diagonal of this step is written, so the trace is exact.
      if (!step.valid) {
        furthest[offset + k] = kUnreached;
        continue;
      }
      std::int32_t x = step.x;
      std::int32_t y = x - k;
      const std::int32_t start = x;
      while (x < n && y < m && a[x] == b[y]) {
        ++x;
        ++y;
      }
      work += 1 + (x - start);
      if (work > kMaxWork) return false;
      furthest[offset + k] = x;
      if (x == n && y == m) edits = d;
    }
    // The virtual start is no diagonal of any step.
    if (d == 0) furthest[offset + 1] = kUnreached;
    traceStart.push_back(trace.size());
    trace.insert(trace.end(), furthest.begin() + offset - d, furthest.begin() + offset + d + 1);
  }

  // Walks back from (n, m): each step is one edit followed by a diagonal.
  std::vector<Segment> reversed;
  std::int32_t x = n;
  std::int32_t y = m;
  for (std::int32_t d = edits; d > 0; --d) {
    const std::int32_t* previous = trace.data() + traceStart[static_cast<std::size_t>(d - 1)];
    const auto reach = [&](std::int32_t j) {
      return (j < -(d - 1) || j > d - 1) ? kUnreached : previous[j + d - 1];
    };
    const std::int32_t k = x - y;
    const Step step = StepOnto(k, n, m, reach);
    const std::int32_t previousK = step.down ? k + 1 : k - 1;
    const std::int32_t previousX = reach(previousK);
    reversed.push_back(Segment{true, {x - step.x, x - step.x}});
    reversed.push_back(Segment{false, {step.down ? 0 : 1, step.down ? 1 : 0}});
    x = previousX;
    y = previousX - previousK;
  }
  reversed.push_back(Segment{true, {x, y}});
  for (auto it = reversed.rbegin(); it != reversed.rend(); ++it) {
    AppendSegment(segments, it->equal, it->length[0], it->length[1]);
  }
  return true;
}

// Turns short equal segments between two changes into changes.
[[nodiscard]] std::vector<Segment> AbsorbShortEquals(const std::vector<Segment>& segments) {
  std::vector<Segment> cleaned;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const Segment& s = segments[i];
    const bool between = i > 0 && i + 1 < segments.size();
    const bool absorbed = s.equal && between && s.length[0] <= kAbsorbedEqualLength;
    AppendSegment(cleaned, s.equal && !absorbed, s.length[0], s.length[1]);
  }
  return cleaned;
}

class RunCollector {
 public:
  explicit RunCollector(const PerSide<Characters>& chars) : chars_(chars) {}

  // Adds characters [first, first + count) of a side as differing.
  void Add(Side side, std::int32_t first, std::int32_t count) {
    if (count <= 0) return;
    const std::vector<std::int32_t>& offsets = chars_[side].offsets;
    const std::int32_t start = offsets[static_cast<std::size_t>(first)];
    const std::int32_t end = offsets[static_cast<std::size_t>(first + count)];
    std::vector<ByteRun>& list = runs_[side];
    if (!list.empty() && list.back().start + list.back().length == start) {
      list.back().length += end - start;
      return;
    }
    list.push_back(ByteRun{start, end - start});
  }
  [[nodiscard]] ChangedRuns Take() { return std::move(runs_); }

 private:
  const PerSide<Characters>& chars_;
  ChangedRuns runs_;
};

[[nodiscard]] ChangedRuns CaseRuns(const PerSide<Characters>& chars) {
  RunCollector runs(chars);
  const std::vector<char32_t>& left = chars[Side::Left].codes;
  const std::vector<char32_t>& right = chars[Side::Right].codes;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (left[i] != right[i]) {
      for (const Side side : kBothSides) runs.Add(side, static_cast<std::int32_t>(i), 1);
    }
  }
  return runs.Take();
}

[[nodiscard]] bool DifferOnlyInCase(const PerSide<Characters>& chars) {
  const std::vector<char32_t>& left = chars[Side::Left].codes;
  const std::vector<char32_t>& right = chars[Side::Right].codes;
  return left.size() == right.size() &&
         std::equal(left.begin(), left.end(), right.begin(),
                    [](char32_t l, char32_t r) { return FoldLetter(l) == FoldLetter(r); });
}

}  // namespace

ChangedRuns DiffCharacters(const PerSide<std::string_view>& lines) {
  if (lines[Side::Left] == lines[Side::Right]) return {};
  const PerSide<Characters> chars{{CharactersOf(lines[Side::Left]),
                                   CharactersOf(lines[Side::Right])}};
  if (DifferOnlyInCase(chars)) return CaseRuns(chars);

  const std::vector<char32_t>& a = chars[Side::Left].codes;
  const std::vector<char32_t>& b = chars[Side::Right].codes;
  const std::int32_t n = chars[Side::Left].Count();
  const std::int32_t m = chars[Side::Right].Count();
  std::int32_t prefix = 0;
  while (prefix < n && prefix < m && a[prefix] == b[prefix]) ++prefix;
  std::int32_t suffix = 0;
  while (suffix < n - prefix && suffix < m - prefix && a[n - 1 - suffix] == b[m - 1 - suffix]) {
    ++suffix;
  }
  const PerSide<std::int32_t> middle{{n - prefix - suffix, m - prefix - suffix}};

  std::vector<Segment> segments;
  const bool oneSided = middle[Side::Left] == 0 || middle[Side::Right] == 0;
  if (oneSided || !AlignMiddles(a.data() + prefix, middle[Side::Left], b.data() + prefix,
                    middle[Side::Right], segments)) {
    segments = {Segment{false, {middle[Side::Left], middle[Side::Right]}}};
  }
  segments = AbsorbShortEquals(segments);

  std::int32_t common = prefix + suffix;
  for (const Segment& s : segments) {
    if (s.equal) common += s.length[0];
  }
  RunCollector runs(chars);
  if (2 * common < std::min(n, m)) {
    for (const Side side : kBothSides) runs.Add(side, 0, chars[side].Count());
    return runs.Take();
  }
  PerSide<std::int32_t> position{{prefix, prefix}};
  for (const Segment& s : segments) {
    for (const Side side : kBothSides) {
      const std::int32_t length = s.length[Index(side)];
      if (!s.equal) runs.Add(side, position[side], length);
      position[side] += length;
    }
  }
  return runs.Take();
}

}  // namespace qfc
