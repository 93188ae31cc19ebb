#include "detect/context.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <iterator>
#include <type_traits>

#include "detect/cues.hpp"
#include "normalize/unicode.hpp"
#include "span/bit_count.hpp"
#include "span/span_map.hpp"
#include "span/utf8.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace norvane::context {

namespace {

constexpr bool kLittle = std::endian::native == std::endian::little;

// The bytes of the character at p[i] (at most four, clipped at n), packed low byte first;
// `len` gets its length in bytes.
inline std::uint32_t char_key(const unsigned char* p, std::size_t i, std::size_t n,
                              std::size_t& len) {
  len = utf8::seq_len(p[i]);
  if (kLittle && n - i >= 4) {
    static constexpr std::uint32_t kMask[5] = {0, 0xFF, 0xFFFF, 0xFFFFFF, 0xFFFFFFFF};
    std::uint32_t w;
    std::memcpy(&w, p + i, 4);
    return w & kMask[len];
  }
  if (len > n - i) len = n - i;
  std::uint32_t key = 0;
  for (std::size_t k = 0; k < len; ++k) key |= std::uint32_t{p[i + k]} << (8 * k);
  return key;
}

// Moves i (a character boundary above 0) to the start of the character before it and
// returns that character's key. With four bytes at hand the start is the highest byte
// among them that is no continuation byte. (The walk handles ASCII and three-byte
// characters itself; this is for the others.)
inline std::uint32_t prev_char(const unsigned char* p, std::size_t& i) {
  if (kLittle && i >= 4) {
    std::uint32_t w;
    std::memcpy(&w, p + i - 4, 4);
    const std::uint32_t starts = ~(w & ~(w << 1)) & 0x80808080u;
    if (starts != 0) {  // none among four bytes: no UTF-8, stepped over below
      const unsigned at = static_cast<unsigned>(31 - std::countl_zero(starts)) / 8;  // byte 0..3
      i = i - 4 + at;
      return w >> (8 * at);
    }
  }
  const std::size_t end = i;
  --i;
  while (i > 0 && utf8::is_continuation(p[i])) --i;
  std::size_t len;
  const std::uint32_t key = char_key(p, i, end, len);
  return key;
}

// Every cue by its first character, in a table with one slot per first character: the
// hash multiplier is chosen when compiling so that no two of them share a slot, and a
// lookup is one probe. Most characters of a window find a slot that is not theirs.
class FirstChars {
 public:
  constexpr explicit FirstChars(std::span<const Cue> all) : all_(all) {
    for (std::size_t c = 0; c < all_.size() && c < kMaxCues; ++c) {
      const std::string_view w = all_[c].word;
      for (std::size_t b = 0; b < w.size(); ++b) {
        const auto byte = static_cast<unsigned char>(w[b]);
        chars_[c] += (byte & 0xC0) != 0x80;  // not a continuation byte
        if (b < 16) {
          head_[c][b / 8] |= std::uint64_t{byte} << (8 * (b % 8));
          head_mask_[c][b / 8] |= std::uint64_t{0xFF} << (8 * (b % 8));
        }
      }
      if (w.empty()) continue;
      const std::uint32_t key = first_key(w);
      std::size_t k = 0;
      while (k < count_ && firsts_[k] != key) ++k;
      if (k == count_) firsts_[count_++] = key;
      if (key < 0x80) ascii_[key] = true;
      sets_[k].bits[c / 64] |= std::uint64_t{1} << (c % 64);
      add_second(seconds_[k], w);
    }
    // Odd multipliers in turn until the first characters fall into distinct slots; with
    // about fifty keys in 512 slots one in ten does.
    for (int attempt = 0; attempt < 4096 && !distinct_; ++attempt) {
      if (attempt > 0) mult_ += 0x2545F492u;
      std::fill(std::begin(keys_), std::end(keys_), 0u);
      distinct_ = true;
      for (std::size_t k = 0; k < count_ && distinct_; ++k) {
        const std::size_t s = slot(firsts_[k]);
        distinct_ = keys_[s] == 0;
        keys_[s] = firsts_[k];
        index_[s] = static_cast<std::uint8_t>(k);
      }
    }
  }

  constexpr bool distinct() const { return distinct_; }

  // The cues that begin with the character of this key, or nullptr. A NUL character (key 0)
  // may be handed some cues by an empty slot; their words, compared in full, never match.
  const CueSet* starting_with(std::uint32_t key) const {
    const std::size_t s = slot(key);
    return keys_[s] == key ? &sets_[index_[s]] : nullptr;
  }

  // The same, for a character followed by the bytes at `next` (four of them readable): nullptr
  // too when no cue that begins with it goes on with the character that starts there. Most
  // characters that begin a cue in Korean prose (이, 사, 전, 고, ...) begin a word that is none.
  const CueSet* starting_with(std::uint32_t key, const unsigned char* next) const {
    const std::size_t s = slot(key);
    if (keys_[s] != key) return nullptr;
    const std::size_t k = index_[s];
    const Seconds& seconds = seconds_[k];
    std::uint32_t w;
    std::memcpy(&w, next, 4);
#if defined(__SSE2__)
    // The four entries at once; unused ones match no text that is UTF-8 there.
    const __m128i x = _mm_and_si128(_mm_set1_epi32(static_cast<int>(w)),
                                    _mm_load_si128(reinterpret_cast<const __m128i*>(seconds.mask)));
    const __m128i same =
        _mm_cmpeq_epi32(x, _mm_load_si128(reinterpret_cast<const __m128i*>(seconds.bytes)));
    return _mm_movemask_epi8(same) != 0 ? &sets_[k] : nullptr;
#else
    for (std::size_t j = 0; j < seconds.count; ++j)
      if ((w & seconds.mask[j]) == seconds.bytes[j]) return &sets_[k];
    return nullptr;
#endif
  }

  // For an ASCII character: whether some cue begins with it.
  bool may_start(std::uint32_t ascii) const { return ascii_[ascii]; }

  constexpr std::uint32_t chars_of(std::size_t cue) const { return chars_[cue]; }
  constexpr const Cue& cue(std::size_t c) const { return all_[c]; }
  constexpr std::size_t size() const { return all_.size() < kMaxCues ? all_.size() : kMaxCues; }

  // The place of a table in all_cues(), or false for any other table.
  bool find_table(std::span<const Cue> table, std::size_t& from) const {
    if (table.empty() || table.data() < all_.data() ||
        table.data() + table.size() > all_.data() + all_.size())
      return false;
    from = static_cast<std::size_t>(table.data() - all_.data());
    return true;
  }

  // Whether the cue's word stands at q, with `room` bytes before the end of the place it
  // must fit in and `readable` bytes before the end of the text (room <= readable). The
  // first sixteen bytes (five Hangul syllables) are compared eight at a time.
  bool word_at(std::size_t cue, const unsigned char* q, std::size_t room,
               std::size_t readable) const {
    const std::string_view w = all_[cue].word;
    if (w.size() > room) return false;
    if (kLittle && readable >= 16) {
      std::uint64_t x[2];
      std::memcpy(x, q, 16);
      if ((x[0] & head_mask_[cue][0]) != head_[cue][0] ||
          (x[1] & head_mask_[cue][1]) != head_[cue][1])
        return false;
      return w.size() <= 16 || std::memcmp(q + 16, w.data() + 16, w.size() - 16) == 0;
    }
    return std::memcmp(q, w.data(), w.size()) == 0;
  }

 private:
  static constexpr std::size_t kSlots = 512;
  constexpr std::size_t slot(std::uint32_t key) const { return (key * mult_) >> 23; }

  // The key char_key gives the word's first character.
  static constexpr std::uint32_t first_key(std::string_view w) {
    const std::size_t len = std::min(seq_len(static_cast<unsigned char>(w[0])), w.size());
    std::uint32_t key = 0;
    for (std::size_t k = 0; k < len; ++k)
      key |= std::uint32_t{static_cast<unsigned char>(w[k])} << (8 * k);
    return key;
  }

  // The second characters of the cues that begin with one character: their bytes (low byte
  // first) and which of a word's bytes they are. A cue of one character, or more distinct
  // second characters than there is room for, leave one entry that every text matches.
  struct Seconds {
    static constexpr std::size_t kRoom = 4;
    // An unused entry asks for a continuation byte where a character starts.
    alignas(16) std::uint32_t bytes[kRoom] = {0x80, 0x80, 0x80, 0x80};
    alignas(16) std::uint32_t mask[kRoom] = {0xC0, 0xC0, 0xC0, 0xC0};
    std::size_t count = 0;
  };
  static constexpr void add_second(Seconds& seconds, std::string_view w) {
    const bool matches_all = seconds.count == 1 && seconds.mask[0] == 0;
    if (matches_all) return;
    const auto lead = static_cast<unsigned char>(w[0]);
    const std::size_t first_len = std::min<std::size_t>(seq_len(lead), w.size());
    std::uint32_t bytes = 0, mask = 0;
    if (first_len < w.size()) {
      const auto second = static_cast<unsigned char>(w[first_len]);
      const std::size_t len = std::min(seq_len(second), w.size() - first_len);
      for (std::size_t b = 0; b < len; ++b) {
        bytes |= std::uint32_t{static_cast<unsigned char>(w[first_len + b])} << (8 * b);
        mask |= std::uint32_t{0xFF} << (8 * b);
      }
    }
    for (std::size_t j = 0; j < seconds.count; ++j)
      if (seconds.bytes[j] == bytes && seconds.mask[j] == mask) return;
    if (mask == 0 || seconds.count == Seconds::kRoom) {
      seconds = Seconds{};
      seconds.bytes[0] = seconds.mask[0] = 0;  // every text matches
      seconds.count = 1;
      return;
    }
    seconds.bytes[seconds.count] = bytes;
    seconds.mask[seconds.count] = mask;
    ++seconds.count;
  }
  // As utf8::seq_len, when compiling.
  static constexpr std::size_t seq_len(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  }

  std::span<const Cue> all_;
  std::uint32_t mult_ = 0x9E3779B1u;
  bool distinct_ = false;
  bool ascii_[128] = {};  // the ASCII first characters
  std::uint32_t keys_[kSlots] = {};
  std::uint8_t index_[kSlots] = {};
  std::size_t count_ = 0;                 // distinct first characters
  std::uint32_t firsts_[kMaxCues] = {};   // their keys
  CueSet sets_[kMaxCues] = {};            // the cues that begin with each
  Seconds seconds_[kMaxCues] = {};        // and the characters they go on with
  std::uint32_t chars_[kMaxCues] = {};    // characters of each cue
  std::uint64_t head_[kMaxCues][2] = {};  // its first sixteen bytes, low byte first
  std::uint64_t head_mask_[kMaxCues][2] = {};
};

constexpr FirstChars kFirstChars(cues::kCues);
static_assert(kFirstChars.distinct(), "no multiplier keeps the first characters of the cues apart");

// Cues longer than a window never lie wholly in it: the characters of the longest cue, and
// for each narrower window the set of cues that fit in it.
constexpr std::uint32_t kLongestCue = [] {
  std::uint32_t longest = 0;
  for (std::size_t c = 0; c < kFirstChars.size(); ++c)
    longest = std::max(longest, kFirstChars.chars_of(c));
  return longest;
}();
constexpr auto kFitIn = [] {
  std::array<CueSet, kLongestCue> fit{};
  for (std::uint32_t w = 0; w < kLongestCue; ++w)
    for (std::size_t c = 0; c < kFirstChars.size(); ++c)
      if (kFirstChars.chars_of(c) <= w) fit[w].bits[c / 64] |= std::uint64_t{1} << (c % 64);
  return fit;
}();

// The lowest and highest ASCII byte a cue begins with (low > high when none does).
constexpr std::pair<int, int> ascii_first_range() {
  int low = 0x80, high = -1;
  for (const Cue& c : cues::kCues) {
    if (c.word.empty()) continue;
    const int b = static_cast<unsigned char>(c.word[0]);
    if (b >= 0x80) continue;
    low = std::min(low, b);
    high = std::max(high, b);
  }
  return {low, high};
}

#if defined(__SSE2__)
// One bit per byte of the sixteen at q, set where the byte is not ASCII or lies in the range
// of ASCII bytes a cue begins with. The walks step over the other bytes one character each
// and look nothing up, so they may step over a stretch of them at once.
inline unsigned stops16(const unsigned char* q) {
  constexpr auto kAscii = ascii_first_range();
  const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
  auto stops = static_cast<unsigned>(_mm_movemask_epi8(x));  // bytes from 0x80 on
  if constexpr (kAscii.first <= kAscii.second) {
    const __m128i in_range =
        _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8(static_cast<char>(kAscii.first - 1))),
                      _mm_cmplt_epi8(x, _mm_set1_epi8(static_cast<char>(kAscii.second + 1))));
    stops |= static_cast<unsigned>(_mm_movemask_epi8(in_range));
  }
  return stops;
}
#endif

// An ASCII byte that begins no cue: the walks step over it without a lookup.
inline bool plain(unsigned char b) { return b < 0x80 && !kFirstChars.may_start(b); }

// After a step over a plain byte at step k: when the next byte is plain too, the walks take
// the whole stretch of plain bytes that follows at once, up to the window's last step, as
// if stepping over them one by one (the loop then counts one more step).
inline void skip_plain_left(const unsigned char* p, std::size_t& i, std::uint32_t& k,
                            std::uint32_t window) {
#if defined(__SSE2__)
  if (i < 16 || k >= window || !plain(p[i - 1])) return;
  const auto run =
      static_cast<std::uint32_t>(std::countl_zero(static_cast<std::uint16_t>(stops16(p + i - 16))));
  const std::uint32_t m = std::min(run, window - k);  // steps k + 1 .. k + m
  i -= m;
  k += m;
#else
  (void)p, (void)i, (void)k, (void)window;
#endif
}

inline void skip_plain_right(const unsigned char* p, std::size_t n, std::size_t& i,
                             std::uint32_t& k, std::uint32_t window) {
#if defined(__SSE2__)
  if (n - i < 16 || k + 1 >= window || !plain(p[i])) return;
  const auto run = static_cast<std::uint32_t>(std::countr_zero(stops16(p + i) | 0x10000u));
  const std::uint32_t m = std::min(run, window - k - 1);  // steps k + 1 .. k + m
  i += m;
  k += m;
#else
  (void)p, (void)n, (void)i, (void)k, (void)window;
#endif
}

// Calls f(cue index) for every member of the set, lowest first.
template <class F>
void for_each(CueSet set, F f) {
  for (std::size_t half = 0; half < 2; ++half) {
    for (std::uint64_t b = set.bits[half]; b != 0; b &= b - 1)
      f(half * 64 + static_cast<std::size_t>(std::countr_zero(b)));
  }
}

// The cues from..from+count-1 (within kMaxCues).
constexpr CueSet range_set(std::size_t from, std::size_t count) {
  auto below = [](std::size_t k) {  // bits 0..k-1 of both words
    CueSet s;
    s.bits[0] = k >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << k) - 1;
    s.bits[1] = k >= 128 ? ~std::uint64_t{0} : k <= 64 ? 0 : (std::uint64_t{1} << (k - 64)) - 1;
    return s;
  };
  const CueSet to = below(from + count), skip = below(from);
  CueSet r;
  r.bits[0] = to.bits[0] & ~skip.bits[0];
  r.bits[1] = to.bits[1] & ~skip.bits[1];
  return r;
}

constexpr CueSet kAllCues = range_set(0, kFirstChars.size());

// Each cue table's set, by the place its first cue has in kCues, with the table's size:
// weighing a table looks its set up instead of making it from the range.
struct TableSet {
  std::size_t size = 0;
  CueSet set;
};
constexpr auto kTableSets = [] {
  std::array<TableSet, kMaxCues> sets{};
  const cues::Tables& t = cues::kTables;
  for (std::span<const Cue> table : {t.resident, t.foreigner, t.business, t.card, t.phone,
                                     t.license, t.account, t.birth, t.passport, t.negative}) {
    const auto from = static_cast<std::size_t>(table.data() - cues::kCues.data());
    sets[from] = TableSet{table.size(), range_set(from, table.size())};
  }
  return sets;
}();

bool has(const CueSet& s, std::size_t c) { return (s.bits[c / 64] >> (c % 64)) & 1; }
void add(CueSet& s, std::size_t c) { s.bits[c / 64] |= std::uint64_t{1} << (c % 64); }

bool meet(const CueSet& a, const CueSet& b) {
  return ((a.bits[0] & b.bits[0]) | (a.bits[1] & b.bits[1])) != 0;
}

CueSet intersect(const CueSet& a, const CueSet& b) {
  CueSet r;
  r.bits[0] = a.bits[0] & b.bits[0];
  r.bits[1] = a.bits[1] & b.bits[1];
  return r;
}

}  // namespace

CueSet cue_set(std::span<const Cue> table) {
  std::size_t from;
  return kFirstChars.find_table(table, from) ? range_set(from, table.size()) : CueSet{};
}

void Search::run(std::string_view text, const Span& span, std::uint32_t window,
                 const CueSet& wanted) {
  const auto [start, end] = clip(text, span);
  // The run text is asked for other cues at every span: its index holds all of them.
  if (window > kWalkAlways && use_index(run_index_, text, window, start) &&
      look_up(*run_index_, text, start, end, window, wanted, kAllCues))
    return;
  indexed_ = false;
  walk_left(text, start, window, wanted);
  walk_right(text, end, window, wanted);
}

void Search::rerun(std::string_view text, const Span& span, std::uint32_t window,
                   const CueSet& wanted) {
  const auto [start, end] = clip(text, span);
  if (window > kWalkAlways && use_index(rerun_index_, text, window, start) &&
      look_up(*rerun_index_, text, start, end, window, wanted, wanted))
    return;
  if (indexed_) {  // nothing walked to compare with
    indexed_ = false;
    walk_left(text, start, window, wanted);
    walk_right(text, end, window, wanted);
    return;
  }
  // The same bytes next to the span make the same window, unless the last walk stopped at
  // its text's edge and this text goes on. A window read at this very place (a text no pass
  // changed is searched again as its own source) needs no comparing.
  // The sizes are checked first: the bytes are compared in place (no empty window's bytes).
  const std::string_view left = left_.window, right = right_.window;
  if (!(left.size() <= start && (left_.full || left.size() == start) &&
        (left.data() + left.size() == text.data() + start || left.empty() ||
         std::memcmp(text.data() + start - left.size(), left.data(), left.size()) == 0)))
    walk_left(text, start, window, wanted);
  if (!(right.size() <= text.size() - end && (right_.full || right.size() == text.size() - end) &&
        (right.data() == text.data() + end || right.empty() ||
         std::memcmp(text.data() + end, right.data(), right.size()) == 0)))
    walk_right(text, end, window, wanted);
}

namespace {

// Whether some cue holds a digit-like byte (it could then start or end inside a digit run).
constexpr bool cue_holds_digit_like() {
  for (const Cue& c : cues::kCues)
    for (char b : c.word)
      if (unicode::is_digit_like(static_cast<unsigned char>(b))) return true;
  return false;
}

}  // namespace

bool Search::quiet_around(std::string_view text, const Span& span, std::uint32_t window) {
  if constexpr (cue_holds_digit_like()) return false;
  const auto [start, end] = clip(text, span);
  for (std::size_t i = start; i < end; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x80 || kFirstChars.may_start(b)) return false;
  }
  if (window > kWalkAlways) {  // perhaps from the index, as run() decides
    run(text, span, window, kAllCues);
    return left_.found.empty() && right_.found.empty();
  }
  // As run() walks at this width, stopping at the first cue found.
  indexed_ = false;
  walk_left<true>(text, start, window, kAllCues);
  if (!left_.found.empty()) return false;
  walk_right<true>(text, end, window, kAllCues);
  return right_.found.empty();
}

bool Search::use_index(std::unique_ptr<Index>& index, std::string_view text, std::uint32_t window,
                       std::size_t at) {
  if (!index) index = std::make_unique<Index>();
  return window > kIndexFrom || index->walked_enough(text, 2 * std::uint64_t{window}, at);
}

std::pair<std::size_t, std::size_t> Search::clip(std::string_view text, const Span& span) {
  const std::size_t n = text.size();
  const std::size_t start = std::min<std::size_t>(span.byte_start, n);
  const std::size_t end = std::min<std::size_t>(std::max<std::size_t>(span.byte_end, start), n);
  return {start, end};
}

// Walking back from the span, the first occurrence met is the last in the window. `k`
// counts the characters from byte i to the span's start. While sixteen bytes lie before i
// and four after the span's start, no step reads past the text's ends: the steps test none
// (on dense text two tests of some twenty instructions a syllable).
template <bool FirstOnly>
void Search::walk_left(std::string_view text, std::size_t start, std::uint32_t window,
                       const CueSet& wanted) {
  Side& side = left_;
  side.found = CueSet{};
  const FirstChars& first = kFirstChars;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = start;
  std::uint32_t k = 1;
  // One step; false when the walk stops at a cue found.
  auto step = [&](auto checked) {
    constexpr bool kChecked = decltype(checked)::value;
    std::uint32_t key;
    const std::size_t after = i;  // where the character ends
    // Without tests, the four bytes before i are read at once and told apart in a register.
    constexpr bool kWord = kLittle && !kChecked;
    std::uint32_t w = 0;
    if constexpr (kWord) std::memcpy(&w, p + i - 4, 4);
    // A space, digit or sign, most often: few cues start with one.
    if (kWord ? w < 0x80000000u : p[i - 1] < 0x80) {
      --i;
      key = kWord ? w >> 24 : p[i];
      if (!first.may_start(key)) {
        skip_plain_left(p, i, k, window);
        return true;
      }
    } else if (kWord ? (w & 0xF000u) == 0xE000u
                     : kLittle && i >= 4 && (p[i - 3] & 0xF0) == 0xE0) {  // as Hangul
      if constexpr (!kWord) std::memcpy(&w, p + i - 4, 4);
      key = w >> 8;
      i -= 3;
    } else {
      key = prev_char(p, i);
    }
    const CueSet* starting = !kChecked || n - after >= 4 ? first.starting_with(key, p + after)
                                                         : first.starting_with(key);
    if (!starting || !meet(*starting, wanted)) return true;
    for_each(intersect(*starting, wanted), [&](std::size_t c) {
      if (has(side.found, c) || !first.word_at(c, p + i, start - i, n - i)) return;
      side.distance[c] = k - first.chars_of(c);
      add(side.found, c);
    });
    return !(FirstOnly && !side.found.empty());
  };
  bool stopped = false;
  if (n - start >= 4)
    for (; k <= window && i >= 16; ++k)
      if (!step(std::false_type{})) {
        stopped = true;
        break;
      }
  if (!stopped)
    for (; k <= window && i > 0; ++k)
      if (!step(std::true_type{})) break;
  side.window = text.substr(i, start - i);
  side.full = k > window;
}

// Walking on from the span, the first occurrence met is the first; it must end inside the
// window. `k` counts the characters from the span's end to byte i. While sixteen bytes lie
// from i on, no step reads past the text's end: the steps test none.
template <bool FirstOnly>
void Search::walk_right(std::string_view text, std::size_t end, std::uint32_t window,
                        const CueSet& wanted) {
  Side& side = right_;
  side.found = CueSet{};
  const FirstChars& first = kFirstChars;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = end;
  std::uint32_t k = 0;
  // One step; false when the walk stops at a cue found.
  auto step = [&](auto checked) {
    constexpr bool kChecked = decltype(checked)::value;
    std::uint32_t key;
    std::size_t len = 1;
    if (p[i] < 0x80) {
      key = p[i];
      if (!first.may_start(key)) {
        ++i;
        skip_plain_right(p, n, i, k, window);
        return true;
      }
    } else if (kLittle && (!kChecked || n - i >= 4) && (p[i] & 0xF0) == 0xE0) {  // as Hangul
      std::uint32_t w;
      std::memcpy(&w, p + i, 4);
      key = w & 0xFFFFFF;
      len = 3;
    } else {
      key = char_key(p, i, n, len);
    }
    const CueSet* starting = !kChecked || n - i - len >= 4 ? first.starting_with(key, p + i + len)
                                                           : first.starting_with(key);
    if (starting && meet(*starting, wanted)) {
      for_each(intersect(*starting, wanted), [&](std::size_t c) {
        if (has(side.found, c) || first.chars_of(c) > window - k ||
            !first.word_at(c, p + i, n - i, n - i))
          return;
        side.distance[c] = k;
        add(side.found, c);
      });
      if (FirstOnly && !side.found.empty()) return false;
    }
    i += len;
    return true;
  };
  bool stopped = false;
  for (; k < window && n - i >= 16; ++k)
    if (!step(std::false_type{})) {
      stopped = true;
      break;
    }
  if (!stopped)
    for (; k < window && i < n; ++k)
      if (!step(std::true_type{})) break;
  side.window = text.substr(end, i - end);
  side.full = k == window;
}

namespace {

// How many characters start in p[0, n) for n <= 16: the bytes that are no continuation
// byte. `whole` says that sixteen bytes may be read at p.
inline std::uint32_t char_starts16(const unsigned char* p, std::size_t n, bool whole) {
#if defined(__SSE2__)
  if (whole) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i below_lead = _mm_set1_epi8(static_cast<char>(0xC0));  // 0x80-0xBF sign as less
    const unsigned starts =
        ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(x, below_lead))) & ((1u << n) - 1);
    return count_bits16(starts);
  }
#else
  (void)whole;
#endif
  std::uint32_t chars = 0;
  for (std::size_t i = 0; i < n; ++i) chars += !utf8::is_continuation(p[i]);
  return chars;
}

}  // namespace

bool Search::Index::build(std::string_view text, const CueSet& covers) {
  start(text, covers);
  if (text.size() >= UINT32_MAX) return false;
  std::size_t end;
  if (!record(0, text.size(), 0, end)) return false;
  finish();
  return true;
}

bool Search::Index::record(std::size_t from, std::size_t to, std::size_t overlap,
                           std::size_t& stop) {
  const FirstChars& first = kFirstChars;
  const auto* p = reinterpret_cast<const unsigned char*>(text_.data());
  const std::size_t n = text_.size();
  // Occurrences are recorded at their byte first and given characters from the block
  // counts afterwards: the pass itself counts nothing.
  std::size_t i = from;
  for (; i < to;) {
    const unsigned char lead = p[i];
    std::uint32_t key;
    std::size_t len;
    if (lead < 0x80) {
      if (!first.may_start(lead)) {
        ++i;
#if defined(__SSE2__)
        // The ASCII bytes up to the next possible cue start, at once.
        if (n - i >= 16 && plain(p[i]))
          i += static_cast<std::size_t>(std::countr_zero(stops16(p + i) | 1u << 16));
#endif
        continue;
      }
      key = lead;
      len = 1;
    } else if (kLittle && (lead & 0xF0) == 0xE0 && n - i >= 4) {  // three bytes, as Hangul
      std::uint32_t w;
      std::memcpy(&w, p + i, 4);
      // The walk and this index count the same characters only in well-formed text.
      if ((w & 0xC0C000u) != 0x808000u) return false;
      key = w & 0xFFFFFF;
      len = 3;
    } else {
      len = utf8::seq_len(lead);
      if (utf8::is_continuation(lead) || len > n - i) return false;
      for (std::size_t k = 1; k < len; ++k)
        if (!utf8::is_continuation(p[i + k])) return false;
      key = char_key(p, i, n, len);
    }
    if (const CueSet* starting = first.starting_with(key)) {
      for_each(intersect(*starting, covers_), [&](std::size_t c) {
        if (i + first.cue(c).word.size() <= overlap || !first.word_at(c, p + i, n - i, n - i))
          return;
        occurrences_.push_back(Occurrence{0, 0, 0, 0, static_cast<std::uint32_t>(c)});
        bytes_.push_back(static_cast<std::uint32_t>(i));
      });
    }
    i += len;
  }
  stop = i;
  return true;
}

void Search::Index::finish() {
  const FirstChars& first = kFirstChars;
  const auto* p = reinterpret_cast<const unsigned char*>(text_.data());
  const std::size_t n = text_.size();
  // A block that starts inside a character follows that character's start.
  blocks_.resize(n / 16 + 1);
  std::uint32_t before = 0;
  for (std::size_t b = 0; b < blocks_.size(); ++b) {
    blocks_[b] = before;
    const std::size_t at = b * 16;
    if (at < n) before += char_starts16(p + at, std::min<std::size_t>(16, n - at), n - at >= 16);
  }
  for (std::size_t k = 0; k < occurrences_.size(); ++k) {
    Occurrence& o = occurrences_[k];
    o.start = char_at(bytes_[k]);
    o.end = o.start + first.chars_of(o.cue);
  }
  // Each occurrence's neighbours of its cue (their end and start), and the order by end: ends
  // follow starts but for cues of other lengths a few places back, so an insertion sort takes a few
  // steps each.
  std::uint32_t last[kMaxCues];
  std::fill(std::begin(last), std::end(last), kNone);
  by_end_.resize(occurrences_.size());
  for (std::uint32_t k = 0; k < occurrences_.size(); ++k) {
    Occurrence& o = occurrences_[k];
    if (last[o.cue] == kNone) right_start_[o.cue] = o.start;  // the right window starts at 0
    else {
      Occurrence& prev = occurrences_[last[o.cue]];
      o.prev_end = prev.end;
      prev.next_start = o.start;
    }
    last[o.cue] = k;
    std::size_t j = k;
    for (; j > 0 && occurrences_[by_end_[j - 1]].end > o.end; --j) by_end_[j] = by_end_[j - 1];
    by_end_[j] = k;
  }
  usable_ = true;
}

namespace {

// The longest cue in bytes, and the ASCII bytes found in cue words: an occurrence that
// overlaps a stretch of text holds one of that stretch's bytes, which must be one of these or
// not ASCII.
constexpr std::size_t kLongestCueBytes = [] {
  std::size_t longest = 0;
  for (std::size_t c = 0; c < kFirstChars.size(); ++c)
    longest = std::max(longest, kFirstChars.cue(c).word.size());
  return longest;
}();
constexpr auto kAsciiInCue = [] {
  std::array<bool, 128> in{};
  for (std::size_t c = 0; c < kFirstChars.size(); ++c)
    for (char b : kFirstChars.cue(c).word)
      if (static_cast<unsigned char>(b) < 0x80) in[static_cast<unsigned char>(b)] = true;
  return in;
}();
inline bool may_be_in_cue(unsigned char b) { return b >= 0x80 || kAsciiInCue[b]; }

}  // namespace

bool Search::Index::derive(const Index& base, std::string_view text, const SpanMap& map,
                           const CueSet& covers) {
  start(text, covers);
  const std::size_t n = text.size(), segments = map.len();
  if (n >= UINT32_MAX || !base.usable_ || !base.covers(covers) || segments == 0) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t m = base.occurrences_.size();
  std::size_t k = 0;               // base occurrences passed
  std::size_t scanned = 0;         // bytes of this text read already
  std::uint32_t src = 0, dst = 0;  // where the next segment must start
  for (std::size_t i = 0; i < segments;) {
    // The stretch of segments from i on that copy their bytes, or of those that change them.
    const bool copied = map.kind_of(i) == SegmentKind::identity;
    std::uint32_t src_end = src, dst_end = dst;
    for (; i < segments && (map.kind_of(i) == SegmentKind::identity) == copied; ++i) {
      const SegmentEnd& from = map.start_of(i);
      const SegmentEnd& e = map.end_of(i);
      if (from.src_byte != src_end || from.dst_byte != dst_end || e.src_byte < src_end ||
          e.dst_byte < dst_end || e.src_byte > n || e.dst_byte > base.text_.size() ||
          (copied && e.src_byte - src_end != e.dst_byte - dst_end))
        return false;
      src_end = e.src_byte;
      dst_end = e.dst_byte;
    }
    if (copied) {
      // Its bytes are whole characters of the base text, so they are of this one too.
      const auto* q = reinterpret_cast<const unsigned char*>(base.text_.data());
      const std::size_t bn = base.text_.size();
      if ((dst < bn && utf8::is_continuation(q[dst])) ||
          (dst_end < bn && utf8::is_continuation(q[dst_end])))
        return false;
      // The base's occurrences wholly inside the stretch, moved to this text.
      for (; k < m && base.bytes_[k] < dst; ++k) {}
      for (; k < m && base.bytes_[k] < dst_end; ++k) {
        const std::uint32_t c = base.occurrences_[k].cue;
        if (!has(covers_, c) || base.bytes_[k] + kFirstChars.cue(c).word.size() > dst_end) continue;
        occurrences_.push_back(Occurrence{0, 0, 0, 0, c});
        bytes_.push_back(base.bytes_[k] - dst + src);
      }
    } else {
      // The occurrences that overlap a changed stretch (or, where it is empty, hold the bytes
      // on both sides of it): a pass from the longest cue's length before it.
      bool read = false;
      for (std::uint32_t b = src; b < src_end && !read; ++b) read = may_be_in_cue(p[b]);
      if (src == src_end)
        read = src > 0 && src < n && may_be_in_cue(p[src - 1]) && may_be_in_cue(p[src]);
      if (read) {
        std::size_t from = src + 1 > kLongestCueBytes ? src + 1 - kLongestCueBytes : 0;
        from = std::max(from, scanned);
        while (from < src && utf8::is_continuation(p[from])) ++from;
        std::size_t stop;
        if (!record(from, src_end, src, stop)) return false;
        scanned = std::max(scanned, stop);
      }
    }
    src = src_end;
    dst = dst_end;
  }
  if (src != n || dst != base.text_.size()) return false;
  // The stretches' occurrences come in order but for those that began before a changed
  // stretch: a few steps back each.
  for (std::size_t j = 1; j < occurrences_.size(); ++j) {
    const Occurrence o = occurrences_[j];
    const std::uint32_t at = bytes_[j];
    std::size_t q = j;
    for (;
         q > 0 && (bytes_[q - 1] > at || (bytes_[q - 1] == at && occurrences_[q - 1].cue > o.cue));
         --q) {
      occurrences_[q] = occurrences_[q - 1];
      bytes_[q] = bytes_[q - 1];
    }
    occurrences_[q] = o;
    bytes_[q] = at;
  }
  finish();
  return true;
}

void Search::Index::start(std::string_view text, const CueSet& covers) {
  text_ = text;
  covers_ = covers;
  built_ = true;
  usable_ = false;
  occurrences_.clear();
  bytes_.clear();
  by_end_.clear();
  blocks_.clear();
  reset();
}

void Search::Index::reset() {
  left_ = Window{};
  right_ = Window{};
  std::fill(std::begin(left_end_), std::end(left_end_), 0u);
  std::fill(std::begin(right_start_), std::end(right_start_), 0u);
}

inline std::uint32_t Search::Index::char_at(std::size_t byte) const {
  // byte <= text size: blocks reach past the end
  const std::size_t b = byte / 16, at = b * 16;
  const auto* p = reinterpret_cast<const unsigned char*>(text_.data());
  return blocks_[b] + char_starts16(p + at, byte - at, text_.size() - at >= 16);
}

void Search::Index::Window::add(std::uint32_t cue, std::int32_t d) {
  count[cue] += d;
  const std::uint64_t bit = std::uint64_t{1} << (cue % 64);
  if (count[cue] > 0) holds.bits[cue / 64] |= bit;
  else holds.bits[cue / 64] &= ~bit;
}

// The left window holds the occurrences that end by `cs` and start at `from` or later; the
// right one those that start at `ce` or later and end by `to`. A window counts the
// occurrences that ended by its far edge less those that started before its near edge:
// for a cue no longer than the window, every occurrence that started before the near edge
// has ended by the far one, so its count is the number it holds. Longer cues fit in no
// window and are left out of the answer.
void Search::Index::look_up(std::uint64_t cs, std::uint64_t ce, std::uint32_t window,
                            const CueSet& wanted, Side& left, Side& right) {
  const Occurrence* occ = occurrences_.data();
  const std::size_t m = occurrences_.size();
  const std::uint64_t from = cs > window ? cs - window : 0, to = ce + window;
  {
    Window& w = left_;
    for (; w.in < m && occ[by_end_[w.in]].end <= cs; ++w.in) {
      const Occurrence& o = occ[by_end_[w.in]];
      w.add(o.cue, 1);
      left_end_[o.cue] = o.end;
    }
    for (; w.in > 0 && occ[by_end_[w.in - 1]].end > cs; --w.in) {
      const Occurrence& o = occ[by_end_[w.in - 1]];
      w.add(o.cue, -1);
      left_end_[o.cue] = o.prev_end;
    }
    for (; w.out < m && occ[w.out].start < from; ++w.out) w.add(occ[w.out].cue, -1);
    for (; w.out > 0 && occ[w.out - 1].start >= from; --w.out) w.add(occ[w.out - 1].cue, 1);
  }
  {
    Window& w = right_;
    for (; w.in < m && occ[by_end_[w.in]].end <= to; ++w.in) w.add(occ[by_end_[w.in]].cue, 1);
    for (; w.in > 0 && occ[by_end_[w.in - 1]].end > to; --w.in)
      w.add(occ[by_end_[w.in - 1]].cue, -1);
    for (; w.out < m && occ[w.out].start < ce; ++w.out) {
      const Occurrence& o = occ[w.out];
      w.add(o.cue, -1);
      right_start_[o.cue] = o.next_start;
    }
    for (; w.out > 0 && occ[w.out - 1].start >= ce; --w.out) {
      const Occurrence& o = occ[w.out - 1];
      w.add(o.cue, 1);
      right_start_[o.cue] = o.start;
    }
  }
  CueSet fits = kAllCues;
  if (window < kLongestCue) fits = intersect(fits, kFitIn[window]);
  const CueSet asked = intersect(wanted, fits);
  left.found = intersect(left_.holds, asked);
  right.found = intersect(right_.holds, asked);
}

inline std::uint32_t Search::Index::left_distance(std::size_t cue, std::uint64_t cs) const {
  return static_cast<std::uint32_t>(cs - left_end_[cue]);
}

inline std::uint32_t Search::Index::right_distance(std::size_t cue, std::uint64_t ce) const {
  return static_cast<std::uint32_t>(right_start_[cue] - ce);
}

void Search::make(Index& index, std::string_view text, const CueSet& covers) {
  if (&index == rerun_index_.get() && paired_map_ && text.data() == paired_rerun_.data() &&
      text.size() == paired_rerun_.size() &&
      paired_map_->len() * paired_bytes_per_segment_ < text.size()) {
    if (!run_index_) run_index_ = std::make_unique<Index>();
    if (!run_index_->built_for(paired_run_)) run_index_->build(paired_run_, kAllCues);
    if (run_index_->usable() && index.derive(*run_index_, text, *paired_map_, covers)) return;
  }
  index.build(text, covers);
}

bool Search::look_up(Index& index, std::string_view text, std::size_t start, std::size_t end,
                     std::uint32_t window, const CueSet& wanted, const CueSet& covers) {
  if (!index.built_for(text)) make(index, text, covers);
  else if (index.usable() && !index.covers(wanted)) make(index, text, kAllCues);
  if (!index.usable()) return false;
  indexed_ = true;
  answered_ = &index;
  at_start_ = index.char_at(start);
  at_end_ = index.char_at(end);
  index.look_up(at_start_, at_end_, window, wanted, left_, right_);
  return true;
}

namespace {

// A cue's weight at `distance` characters from the span.
float decayed(const Cue& cue, std::uint32_t distance) {
  const float decay = 1.0f + 0.125f * static_cast<float>(distance);
  return cue.weight / decay;
}

constexpr float kMaxTotal = 1.5f;
static_assert(std::ranges::all_of(cues::kCues, [](const Cue& c) { return c.weight > 0.0f; }),
              "weigh() stops adding at the cap: a sum of positive weights only grows");

}  // namespace

// Both are called for every hit weighed: kept inline.
[[gnu::always_inline]] inline CueSet Search::found_of(std::span<const Cue> table) const {
  CueSet found = left_.found;
  found |= right_.found;
  std::size_t from;
  if (found.empty() || !kFirstChars.find_table(table, from)) return CueSet{};
  const TableSet& known = kTableSets[from];
  return intersect(found, known.size == table.size() ? known.set : range_set(from, table.size()));
}

template <bool Indexed>
[[gnu::always_inline]] inline std::uint32_t Search::distance_of(std::size_t c) const {
  const bool l = has(left_.found, c), r = has(right_.found, c);
  std::uint32_t left_d = 0, right_d = 0;
  if constexpr (Indexed) {  // the index keeps the distances until they are asked for
    if (l) left_d = answered_->left_distance(c, at_start_);
    if (r) right_d = answered_->right_distance(c, at_end_);
  } else {
    if (l) left_d = left_.distance[c];
    if (r) right_d = right_.distance[c];
  }
  return l && r ? std::min(left_d, right_d) : l ? left_d : right_d;
}

void Search::found_hits(std::span<const Cue> table, std::vector<ContextHit>& out) const {
  // In table order: the set's members come lowest first.
  for_each(found_of(table), [&](std::size_t c) {
    const std::uint32_t d = indexed_ ? distance_of<true>(c) : distance_of<false>(c);
    const Cue& cue = kFirstChars.cue(c);
    out.push_back(ContextHit{cue.word, d, decayed(cue, d)});
  });
  // A stable insertion sort: a handful of hits, and no buffer to allocate.
  auto before = [](const ContextHit& a, const ContextHit& b) {
    if (a.weight != b.weight) return a.weight > b.weight;
    return a.cue < b.cue;
  };
  for (std::size_t k = 1; k < out.size(); ++k) {
    const ContextHit h = out[k];
    std::size_t j = k;
    for (; j > 0 && before(h, out[j - 1]); --j) out[j] = out[j - 1];
    out[j] = h;
  }
}

// Called from weigh_found() for each kind of answer: kept inline there.
template <bool Indexed>
[[gnu::always_inline]] inline float Search::weigh_hits(std::span<const Cue> table) const {
  // total() adds the list's weights from the highest down; hits of equal weight add the same
  // value in either order, so the weights alone, sorted, give the same sum.
  const CueSet found = found_of(table);
  float weights[kMaxCues];
  std::size_t m = 0;
  for_each(found, [&](std::size_t c) {
    const float w = decayed(kFirstChars.cue(c), distance_of<Indexed>(c));
    std::size_t j = m++;
    for (; j > 0 && w > weights[j - 1]; --j) weights[j] = weights[j - 1];
    weights[j] = w;
  });
  float sum = 0.0f;
  for (std::size_t k = 0; k < m; ++k) {
    sum = sum + weights[k];
    if (sum > kMaxTotal) return kMaxTotal;  // weights are positive: the sum only grows
  }
  return sum;
}

float Search::weigh_found(std::span<const Cue> table) const {
  return indexed_ ? weigh_hits<true>(table) : weigh_hits<false>(table);
}

float total(const std::vector<ContextHit>& hits) {
  float sum = 0.0f;
  for (const ContextHit& h : hits) sum = sum + h.weight;
  return sum > kMaxTotal ? kMaxTotal : sum;
}

}  // namespace norvane::context
