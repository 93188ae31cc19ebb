#include "batch/batch.hpp"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <memory>
#include <span>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define NORVANE_UTF8_SSSE3 1
#endif

#include "batch/pool.hpp"
#include "detect/detect.hpp"
#include "detect/nothing_to_detect.hpp"
#include "error/interrupt.hpp"
#include "mask/token_prefix.hpp"
#include "span/cpu_features.hpp"
#include "span/limits.hpp"
#include "span/pages.hpp"
#include "span/utf8.hpp"

namespace norvane::batch {

namespace {

#if defined(__SSE2__)
// How many of the sixteen bytes at p (p on a character boundary) are ASCII or whole three-byte
// characters (leads E0..EF; after E0 a second byte from A0, after ED one below A0): 16, or 14 or
// 15 when the last character runs on past the block; 0 when the block holds anything else and is
// read a character at a time. Korean text is mostly such blocks.
inline std::size_t ascii_or_three_byte_block(const unsigned char* p) {
  const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const auto high = static_cast<unsigned>(_mm_movemask_epi8(x));
  if (high == 0) return 16;
  auto below = [&](int bound) {  // the bytes below bound, as signed bytes
    return _mm_cmplt_epi8(x, _mm_set1_epi8(static_cast<char>(bound)));
  };
  auto bytes_in = [&](int lo, int hi) {  // lo <= byte <= hi, as signed bytes, lo > -128
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_andnot_si128(below(lo), below(hi + 1))));
  };
  // As signed bytes: E0..EF are -32..-17, continuation bytes 80..BF are -128..-65, A0..BF -96..-65.
  const unsigned leads = bytes_in(-32, -17);
  const unsigned conts = static_cast<unsigned>(_mm_movemask_epi8(below(-64)));
  const unsigned upper_conts = bytes_in(-96, -65);
  const std::size_t checked = (leads & 0x4000) ? 14 : (leads & 0x8000) ? 15 : 16;
  const unsigned inside = (1u << checked) - 1;
  const unsigned whole = leads & inside;
  const unsigned seconds_and_thirds = (whole << 1) | (whole << 2);
  const unsigned e0 = bytes_in(-32, -32) & whole, ed = bytes_in(-19, -19) & whole;
  // A lead whose continuation bytes would lie past `inside` fails the first test.
  if ((conts & inside) != seconds_and_thirds || (high & inside) != (whole | seconds_and_thirds) ||
      ((e0 << 1) & ~upper_conts) != 0 || ((ed << 1) & upper_conts) != 0)
    return 0;
  return checked;
}
#endif

std::optional<std::size_t> first_invalid_utf8_scan(std::string_view s);

#if defined(NORVANE_UTF8_SSSE3)
// Whether s is well-formed UTF-8, sixteen bytes at a time with no branch on the bytes but one
// for ASCII blocks (Keiser and Lemire's three-lookup check). Each byte is classified with the
// one before it by three table look-ups, one per nibble: their AND holds a bit for every way the
// pair can be ill-formed. A continuation byte that must be the second of a pair of continuations
// (the third byte of a three- or four-byte sequence, the fourth of a four-byte one) is checked
// against the two and three bytes before it. A sequence still open at the end is ill-formed.
// The error bits of a byte pair (first byte, second byte):
constexpr char kTooShort = 0x01;      // a lead, then ASCII or a lead
constexpr char kTooLong = 0x02;       // ASCII, then a continuation
constexpr char kOverlong3 = 0x04;     // E0, then 80..9F
constexpr char kTooLarge = 0x08;      // F4 90..BF, F5..FF 90..BF: beyond U+10FFFF
constexpr char kSurrogate = 0x10;     // ED, then A0..BF
constexpr char kOverlong2 = 0x20;     // C0 or C1, then a continuation
constexpr char kTooLarge1000 = 0x40;  // F5..FF 80..8F; also F0 80..8F (overlong four bytes)
constexpr char kTwoConts = static_cast<char>(0x80);        // two continuations
constexpr char kCarry = kTooShort | kTooLong | kTwoConts;  // whatever the first's low nibble
constexpr char kHigh = kCarry | kTooLarge | kTooLarge1000;

// The three look-up tables, indexed by the first byte's high nibble, its low nibble and the
// second byte's high nibble; both widths load them.
// clang-format off
alignas(16) constexpr char kFirstHigh[16] = {
    kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong,  // 0_______
    kTwoConts, kTwoConts, kTwoConts, kTwoConts,                                      // 10______
    kTooShort | kOverlong2,                                                          // 1100____
    kTooShort,                                                                       // 1101____
    kTooShort | kOverlong3 | kSurrogate,                                             // 1110____
    kTooShort | kTooLarge | kTooLarge1000};                                          // 1111____
alignas(16) constexpr char kFirstLow[16] = {
    kCarry | kOverlong3 | kOverlong2 | kTooLarge1000,                // ____0000
    kCarry | kOverlong2,                                             // ____0001
    kCarry, kCarry,                                                  // ____001_
    kCarry | kTooLarge,                                              // ____0100
    kHigh, kHigh, kHigh, kHigh, kHigh, kHigh, kHigh, kHigh,          // ____0101 to ____1100
    kHigh | kSurrogate,                                              // ____1101
    kHigh, kHigh};                                                   // ____111_
alignas(16) constexpr char kSecondHigh[16] = {
    kTooShort, kTooShort, kTooShort, kTooShort,
    kTooShort, kTooShort, kTooShort, kTooShort,                      // 0_______
    kTooLong | kOverlong2 | kTwoConts | kOverlong3 | kTooLarge1000,  // 1000____
    kTooLong | kOverlong2 | kTwoConts | kOverlong3 | kTooLarge,      // 1001____
    kTooLong | kOverlong2 | kTwoConts | kSurrogate | kTooLarge,      // 1010____
    kTooLong | kOverlong2 | kTwoConts | kSurrogate | kTooLarge,      // 1011____
    kTooShort, kTooShort, kTooShort, kTooShort};                     // 11______
// clang-format on

struct Utf8Blocks {
  __m128i previous, open, error;
};

[[gnu::target("ssse3"), gnu::always_inline]] inline void check_utf8_block(Utf8Blocks& b,
                                                                          __m128i input) {
  if (_mm_movemask_epi8(input) == 0) {  // ASCII: only a sequence left open can fail here
    b.error = _mm_or_si128(b.error, b.open);
    b.open = _mm_setzero_si128();
    b.previous = input;
    return;
  }
  const __m128i first_high = _mm_load_si128(reinterpret_cast<const __m128i*>(kFirstHigh));
  const __m128i first_low = _mm_load_si128(reinterpret_cast<const __m128i*>(kFirstLow));
  const __m128i second_high = _mm_load_si128(reinterpret_cast<const __m128i*>(kSecondHigh));
  const __m128i nibble = _mm_set1_epi8(0x0F);
  const __m128i prev1 = _mm_alignr_epi8(input, b.previous, 15);
  const __m128i pairs = _mm_and_si128(
      _mm_and_si128(_mm_shuffle_epi8(first_high, _mm_and_si128(_mm_srli_epi16(prev1, 4), nibble)),
                    _mm_shuffle_epi8(first_low, _mm_and_si128(prev1, nibble))),
      _mm_shuffle_epi8(second_high, _mm_and_si128(_mm_srli_epi16(input, 4), nibble)));
  // 80 where two or three bytes back stands a lead of three or four bytes: this byte must be the
  // second continuation in a row.
  const __m128i third = _mm_subs_epu8(_mm_alignr_epi8(input, b.previous, 14), _mm_set1_epi8(0x60));
  const __m128i fourth = _mm_subs_epu8(_mm_alignr_epi8(input, b.previous, 13), _mm_set1_epi8(0x70));
  const __m128i must_be_second_cont =
      _mm_and_si128(_mm_or_si128(third, fourth), _mm_set1_epi8(static_cast<char>(0x80)));
  b.error = _mm_or_si128(b.error, _mm_xor_si128(must_be_second_cont, pairs));
  // A lead in the last three bytes opens a sequence the next block must close.
  const __m128i open_at_end =
      _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, static_cast<char>(0xEF),
                    static_cast<char>(0xDF), static_cast<char>(0xBF));
  b.open = _mm_subs_epu8(input, open_at_end);
  b.previous = input;
}

[[gnu::target("ssse3")]] bool is_utf8_ssse3(const unsigned char* p, std::size_t n) {
  Utf8Blocks b{_mm_setzero_si128(), _mm_setzero_si128(), _mm_setzero_si128()};
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16)
    check_utf8_block(b, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)));
  if (i < n) {
    // The rest, padded with ASCII zeros (a sequence cut by the end then fails as too short).
    alignas(16) unsigned char last[16] = {};
    std::memcpy(last, p + i, n - i);
    check_utf8_block(b, _mm_load_si128(reinterpret_cast<const __m128i*>(last)));
  }
  const __m128i error = _mm_or_si128(b.error, b.open);
  return _mm_movemask_epi8(_mm_cmpeq_epi8(error, _mm_setzero_si128())) == 0xFFFF;
}

// The same check thirty-two bytes at a time: each half of a 256-bit register looks up the same
// tables, and the bytes before a block's first come from the upper half of the block before.
struct Utf8Blocks32 {
  __m256i previous, open, error;
};

[[gnu::target("avx2"), gnu::always_inline]] inline void check_utf8_block(Utf8Blocks32& b,
                                                                         __m256i input) {
  if (_mm256_movemask_epi8(input) == 0) {
    b.error = _mm256_or_si256(b.error, b.open);
    b.open = _mm256_setzero_si256();
    b.previous = input;
    return;
  }
  // The same tables in each half.
  const __m256i first_high =
      _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(kFirstHigh)));
  const __m256i first_low =
      _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(kFirstLow)));
  const __m256i second_high =
      _mm256_broadcastsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(kSecondHigh)));
  const __m256i nibble = _mm256_set1_epi8(0x0F);
  // The upper half of the block before, then the lower half of this one.
  const __m256i before = _mm256_permute2x128_si256(b.previous, input, 0x21);
  const __m256i prev1 = _mm256_alignr_epi8(input, before, 15);
  const __m256i pairs = _mm256_and_si256(
      _mm256_and_si256(
          _mm256_shuffle_epi8(first_high, _mm256_and_si256(_mm256_srli_epi16(prev1, 4), nibble)),
          _mm256_shuffle_epi8(first_low, _mm256_and_si256(prev1, nibble))),
      _mm256_shuffle_epi8(second_high, _mm256_and_si256(_mm256_srli_epi16(input, 4), nibble)));
  const __m256i third =
      _mm256_subs_epu8(_mm256_alignr_epi8(input, before, 14), _mm256_set1_epi8(0x60));
  const __m256i fourth =
      _mm256_subs_epu8(_mm256_alignr_epi8(input, before, 13), _mm256_set1_epi8(0x70));
  const __m256i must_be_second_cont =
      _mm256_and_si256(_mm256_or_si256(third, fourth), _mm256_set1_epi8(static_cast<char>(0x80)));
  b.error = _mm256_or_si256(b.error, _mm256_xor_si256(must_be_second_cont, pairs));
  const __m256i open_at_end =
      _mm256_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                       -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, static_cast<char>(0xEF),
                       static_cast<char>(0xDF), static_cast<char>(0xBF));
  b.open = _mm256_subs_epu8(input, open_at_end);
  b.previous = input;
}

[[gnu::target("avx2")]] bool is_utf8_avx2(const unsigned char* p, std::size_t n) {
  Utf8Blocks32 b{_mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256()};
  std::size_t i = 0;
  for (; i + 32 <= n; i += 32)
    check_utf8_block(b, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i)));
  if (i < n) {
    alignas(32) unsigned char last[32] = {};
    std::memcpy(last, p + i, n - i);
    check_utf8_block(b, _mm256_load_si256(reinterpret_cast<const __m256i*>(last)));
  }
  const __m256i error = _mm256_or_si256(b.error, b.open);
  return _mm256_testz_si256(error, error) != 0;
}
#endif

// Whether s is well-formed UTF-8, by the widest check the processor has.
bool is_utf8(std::string_view s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
#if defined(NORVANE_UTF8_SSSE3)
  if (cpu::has_avx2()) return is_utf8_avx2(p, s.size());
  if (cpu::has_ssse3()) return is_utf8_ssse3(p, s.size());
#endif
  return !first_invalid_utf8_scan(s);
}

// The first bad byte, a character at a time where blocks of sixteen hold other characters than
// ASCII and whole three-byte ones.
std::optional<std::size_t> first_invalid_utf8_scan(std::string_view s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  const std::size_t n = s.size();
  std::size_t i = 0;
#if defined(__SSE2__)
  std::size_t careful_until = 0;  // after a block of other characters, the next few one by one
#endif
  while (i < n) {
#if defined(__SSE2__)
    if (i >= careful_until && i + 16 <= n) {
      const std::size_t checked = ascii_or_three_byte_block(p + i);
      if (checked != 0) {
        i += checked;
        continue;
      }
      careful_until = i + 16;
    }
#endif
    const unsigned char b = p[i];
    if (b < 0x80) {
      // After two ASCII bytes, eight bytes at a time while they stay ASCII (a single space
      // between words of another script does not pay for the wide read).
      ++i;
      if (i < n && p[i] < 0x80) {
        while (i + 8 <= n) {
          std::uint64_t x;
          std::memcpy(&x, p + i, 8);
          if (x & 0x8080808080808080ull) break;
          i += 8;
        }
      }
      continue;
    }
    // The common three-byte sequences (Hangul, CJK, most symbols): a lead other than E0 and ED,
    // whose second byte may be any continuation byte.
    if (b - 0xE1u <= 0xEFu - 0xE1u && b != 0xED && n - i >= 3) {
      std::uint16_t rest;
      std::memcpy(&rest, p + i + 1, 2);
      if ((rest & 0xC0C0) == 0x8080) {
        i += 3;
        continue;
      }
      return i;
    }
    unsigned char lo = 0x80, hi = 0xBF;  // bounds of the second byte
    std::size_t len;
    if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      if (b == 0xE0) lo = 0xA0;       // no overlong forms
      else if (b == 0xED) hi = 0x9F;  // no surrogates
    } else if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      if (b == 0xF0) lo = 0x90;
      else if (b == 0xF4) hi = 0x8F;  // nothing beyond U+10FFFF
    } else {
      return i;
    }
    if (n - i < len || p[i + 1] < lo || p[i + 1] > hi) return i;
    if (len >= 3 && (p[i + 2] & 0xC0) != 0x80) return i;
    if (len == 4 && (p[i + 3] & 0xC0) != 0x80) return i;
    i += len;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> first_invalid_utf8(std::string_view s) {
  // Nearly every text is well-formed: a branch-free check says so, and only a text that fails
  // it is read again for where.
  if (is_utf8(s)) return std::nullopt;
  return first_invalid_utf8_scan(s);
}

namespace {

// A text from outside that the core cannot take: not UTF-8, or too large for 32-bit offsets.
// known_utf8: its stretch was found well-formed.
std::optional<ItemError> refuse(const Texts& texts, std::size_t i, bool known_utf8) {
  if (!texts.check_utf8) return std::nullopt;
  const std::string_view text = texts.items[i];
  if (text.size() > kMaxTextBytes) return ItemError{ItemError::Kind::too_large, i, {}, text.size()};
  if (known_utf8) return std::nullopt;
  if (auto bad = first_invalid_utf8(text))
    return ItemError{ItemError::Kind::invalid_utf8, i, {}, *bad};
  return std::nullopt;
}

// Texts that lie one after another in memory (the rows of an Arrow column) are checked a stretch
// at a time: when the stretch is well-formed and no text of it starts with a continuation byte,
// every text ends and starts on a character boundary and is well-formed itself. Gives the end of
// the stretch that starts with text i (at most `end`), and whether it passed; the texts of a
// stretch that did not pass are checked one by one.
struct Stretch {
  std::size_t end = 0;
  bool utf8 = false;
};

Stretch check_stretch(const Texts& texts, std::size_t i, std::size_t end) {
  constexpr std::size_t kMaxBytes = std::size_t{1} << 16;  // stays in the cache for the work
  const char* const start = texts.items[i].data();
  const char* stop = start + texts.items[i].size();
  bool boundaries = true;
  std::size_t j = i + 1;
  for (; j < end && texts.items[j].data() == stop &&
         static_cast<std::size_t>(stop - start) < kMaxBytes;
       ++j) {
    const std::string_view t = texts.items[j];
    if (!t.empty() && utf8::is_continuation(static_cast<unsigned char>(t.front())))
      boundaries = false;
    stop += t.size();
  }
  return {j,
          boundaries && is_utf8(std::string_view(start, static_cast<std::size_t>(stop - start)))};
}

// One pass over the texts of a batch on the planned threads, the texts given as views or made by
// a source.
class Pass {
 public:
  Pass(const Texts& texts, const Options& options)
      : texts_(&texts),
        plan_(plan_of(texts.items.size(), options,
                      [&](std::size_t i) { return texts.items[i].size(); })) {}

  Pass(const TextSource& source, const Options& options)
      : source_(&source),
        plan_(plan_of(source.count, options, [&](std::size_t i) { return source.bytes(i); })) {}

  // Number of units; item() learns its unit's slot, so that per-unit state needs no lock.
  std::size_t slots() const { return plan_.units.size(); }

  // Whether every unit runs on one thread, one after another in input order.
  bool in_input_order() const { return plan_.threads == 1; }

  // Slots ordered by their first text.
  std::vector<std::size_t> slots_in_input_order() const {
    std::vector<std::size_t> order(plan_.units.size());
    for (std::size_t s = 0; s < order.size(); ++s) order[s] = s;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return plan_.units[a].begin < plan_.units[b].begin;
    });
    return order;
  }

  // Runs item(i, text, slot) -> std::optional<ItemError> for every text; a unit stops at its
  // first failure. The failure of the lowest index wins, so the error does not depend on timing.
  // caller_first: see run().
  template <class Item>
  std::optional<ItemError> each(Item&& item, const std::function<void()>& caller_first = {}) const {
    std::vector<std::optional<ItemError>> failures(plan_.units.size());
    const Unit* first = plan_.units.data();
    run(
        plan_,
        [&](const Unit& unit) {
          const auto slot = static_cast<std::size_t>(&unit - first);
          std::optional<ItemError>& failure = failures[slot];
          std::string buffer;  // a source's texts, one after another
          // Texts too short to reach a check of their own still count, so that an interrupt stops
          // a unit of many short texts within a few hundred of them.
          interrupt::Poll poll;
          Stretch stretch{unit.begin, false};
          for (std::size_t i = unit.begin; i < unit.end && !failure; ++i) {
            std::string_view text;
            if (texts_ && texts_->check_utf8 && i >= stretch.end)
              stretch = check_stretch(*texts_, i, unit.end);
            // Assigned only when set: an empty optional's move assignment was a call a text.
            if (auto refused = fetch(i, buffer, text, stretch.utf8)) failure = std::move(refused);
            else if (auto failed = item(i, text, slot)) failure = std::move(failed);
            poll.advance(item_cost(text.size()));
          }
        },
        caller_first);
    std::optional<ItemError> lowest;
    for (auto& f : failures)
      if (f && (!lowest || f->index < lowest->index)) lowest = std::move(f);
    return lowest;
  }

 private:
  // Inlined: as a call it cost a short text some thirty instructions.
  [[gnu::always_inline]] std::optional<ItemError> fetch(std::size_t i, std::string& buffer,
                                                        std::string_view& text,
                                                        bool known_utf8) const {
    if (source_) {
      std::optional<std::string_view> made = source_->text(i, buffer);
      if (!made) return ItemError{ItemError::Kind::refused, i, {}, 0};
      text = *made;
      return std::nullopt;
    }
    text = texts_->items[i];
    // The common answer without the call: a text of a well-formed stretch, within the limit.
    if (known_utf8 && text.size() <= kMaxTextBytes) return std::nullopt;
    return refuse(*texts_, i, known_utf8);
  }

  // Weighing a million short texts takes milliseconds: polled as the pass is (their list is not
  // zeroed first, so that its page faults come between polls too). One thread takes the texts in
  // order whatever they weigh: they are one unit, unweighed (each text still polls in each()).
  template <class BytesOf>
  static Plan plan_of(std::size_t count, const Options& options, BytesOf bytes_of) {
    if (options.threads <= 1) {
      Plan one;
      if (count > 0) one.units.push_back(Unit{0, count, 0});
      return one;
    }
    interrupt::Poll poll;
    const auto costs = std::make_unique_for_overwrite<std::size_t[]>(count);
    constexpr std::size_t kBlock = 4096;
    for (std::size_t at = 0; at < count; at += kBlock) {
      const std::size_t end = std::min(count, at + kBlock);
      for (std::size_t i = at; i < end; ++i) costs[i] = item_cost(bytes_of(i));
      poll.advance(end - at);
    }
    return plan(std::span<const std::size_t>(costs.get(), count), options.threads);
  }

  const Texts* texts_ = nullptr;
  const TextSource* source_ = nullptr;
  Plan plan_;
};

ItemError core_failure(std::size_t index, Error error) {
  return ItemError{ItemError::Kind::core, index, std::move(error), 0};
}

// Shared-map masking. First pass: each text's findings and token count; then the prefix (free in
// every text) and each text's first token number. Second pass: the replacement, each text
// numbering its tokens on from the texts before it; last, the prefix moves on if text around the
// tokens formed its opener somewhere, and the entries are gathered into one map.
struct Detected {
  std::vector<std::vector<Finding>> findings;
  std::vector<std::size_t> first_token;
  std::string prefix;
  std::size_t tokens = 0;
};

BatchResult<Detected> detect_for_shared_map(const Texts& texts, const PolicySet& policies,
                                            const Config& config, const Options& options,
                                            bool keep_evidence) {
  Detected d;
  const std::size_t n = texts.items.size();
  d.findings.resize(n);
  std::vector<std::size_t> counts(n, 0);
  auto failure =
      Pass(texts, options)
          .each([&](std::size_t i, std::string_view text, std::size_t) -> std::optional<ItemError> {
            if (nothing_to_detect(text, config)) return std::nullopt;  // no findings, no tokens
            Result<std::vector<Finding>> findings = detect_findings(text, config, keep_evidence);
            if (!findings) return core_failure(i, std::move(findings.error()));
            counts[i] = count_tokens(text, *findings, policies);
            d.findings[i] = std::move(*findings);
            return std::nullopt;
          });
  if (failure) return std::unexpected(std::move(*failure));
  d.first_token.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    d.first_token[i] = d.tokens;
    d.tokens += counts[i];
  }
  d.prefix = choose_token_prefix(texts.items);
  return d;
}

BatchResult<SharedMaskOutputs> mask_with_shared_map(Texts texts, const PolicySet& policies,
                                                    const Config& config, const Options& options,
                                                    bool keep_evidence) {
  auto detected = detect_for_shared_map(texts, policies, config, options, keep_evidence);
  if (!detected) return std::unexpected(std::move(detected.error()));
  std::vector<MaskOutput> outputs(texts.items.size());
  auto failure =
      Pass(Texts{texts.items, false}, options)
          .each([&](std::size_t i, std::string_view text, std::size_t) -> std::optional<ItemError> {
            outputs[i] = mask_findings_with_prefix(text, std::move(detected->findings[i]), policies,
                                                   detected->prefix, detected->first_token[i]);
            return std::nullopt;
          });
  if (failure) return std::unexpected(std::move(*failure));
  settle_token_prefix(outputs, texts.items);
  RestoreMap map{outputs.empty() ? detected->prefix : outputs.front().restore->prefix, {}};
  map.entries.reserve(detected->tokens);
  for (MaskOutput& out : outputs) {
    for (RestoreEntry& e : out.restore->entries) map.entries.push_back(std::move(e));
    out.restore.reset();
    std::vector<std::size_t>().swap(out.token_starts);
  }
  return SharedMaskOutputs{std::move(outputs), std::move(map)};
}

// What a text's work makes: detect()'s report or mask()'s output.
// into() writes the result into its place (an empty one).
struct Detecting {
  using Made = Report;
  const Config& config;
  Result<Report> operator()(std::string_view text) const { return detect(text, config); }
  Result<void> into(std::string_view text, Report& place) const {
    Result<Report> r = detect(text, config);
    if (!r) return std::unexpected(std::move(r.error()));
    place = std::move(*r);
    return {};
  }
};

struct Masking {
  using Made = MaskOutput;
  const PolicySet& policies;
  const Config& config;
  Result<MaskOutput> operator()(std::string_view text) const {
    return mask(text, policies, config);
  }
  // Masked in its place: an output moved there cost a short text some 150 instructions.
  Result<void> into(std::string_view text, MaskOutput& place) const {
    return mask_into(text, policies, config, place);
  }
};

// The results gathered into a vector.
template <class Given, class Work>
BatchResult<std::vector<typename Work::Made>> gathered(const Given& texts, std::size_t count,
                                                       const Options& options, const Work& work) {
  std::vector<typename Work::Made> results;
  pages::resize_polled(results, count);
  auto failure =
      Pass(texts, options)
          .each([&](std::size_t i, std::string_view text, std::size_t) -> std::optional<ItemError> {
            auto r = work(text);
            if (!r) return core_failure(i, std::move(r.error()));
            results[i] = std::move(*r);
            return std::nullopt;
          });
  if (failure) return std::unexpected(std::move(*failure));
  return results;
}

// The results moved to places the caller makes while the other threads work. Until the places
// are published a unit keeps its results (with their indices); they are moved after the run.
template <class T, class Work>
std::optional<ItemError> to_late_places(const TextSource& texts, const Options& options,
                                        const Work& work, const MakePlaces<T>& make_places) {
  const Pass pass(texts, options);
  std::span<T* const> places;
  std::atomic<bool> published{false};
  std::vector<std::vector<std::pair<std::size_t, T>>> waiting(pass.slots());
  auto failure = pass.each(
      [&](std::size_t i, std::string_view text, std::size_t slot) -> std::optional<ItemError> {
        if (published.load(std::memory_order_acquire)) {
          Result<void> done = work.into(text, *places[i]);
          if (!done) return core_failure(i, std::move(done.error()));
          return std::nullopt;
        }
        Result<T> r = work(text);
        if (!r) return core_failure(i, std::move(r.error()));
        waiting[slot].emplace_back(i, std::move(*r));
        return std::nullopt;
      },
      [&] {
        places = make_places();
        published.store(true, std::memory_order_release);
      });
  for (auto& unit : waiting)
    for (auto& [i, r] : unit) *places[i] = std::move(r);
  return failure;
}

}  // namespace

BatchResult<std::vector<Report>> detect_many(Texts texts, const Config& config,
                                             const Options& options) {
  return gathered(texts, texts.items.size(), options, Detecting{config});
}

BatchResult<std::vector<MaskOutput>> mask_many(Texts texts, const PolicySet& policies,
                                               const Config& config, const Options& options) {
  return gathered(texts, texts.items.size(), options, Masking{policies, config});
}

BatchResult<std::vector<Report>> detect_many(const TextSource& texts, const Config& config,
                                             const Options& options) {
  return gathered(texts, texts.count, options, Detecting{config});
}

BatchResult<std::vector<MaskOutput>> mask_many(const TextSource& texts, const PolicySet& policies,
                                               const Config& config, const Options& options) {
  return gathered(texts, texts.count, options, Masking{policies, config});
}

std::optional<ItemError> detect_many(const TextSource& texts, const Config& config,
                                     const Options& options,
                                     const MakePlaces<Report>& make_places) {
  return to_late_places(texts, options, Detecting{config}, make_places);
}

std::optional<ItemError> mask_many(const TextSource& texts, const PolicySet& policies,
                                   const Config& config, const Options& options,
                                   const MakePlaces<MaskOutput>& make_places) {
  return to_late_places(texts, options, Masking{policies, config}, make_places);
}

BatchResult<SharedMaskOutputs> mask_many_shared(Texts texts, const PolicySet& policies,
                                                const Config& config, const Options& options) {
  if (policies.has_tokenize()) return mask_with_shared_map(texts, policies, config, options, true);
  auto outputs = mask_many(texts, policies, config, options);
  if (!outputs) return std::unexpected(std::move(outputs.error()));
  return SharedMaskOutputs{std::move(*outputs), std::nullopt};
}

BatchResult<SharedMaskOutputs> mask_many_shared(const TextSource& texts, const PolicySet& policies,
                                                const Config& config, const Options& options) {
  // Each unit appends its texts to its own buffer; a text is known by its unit and its end there.
  struct Made {
    std::string data;
  };
  const Pass pass(texts, options);
  std::vector<Made> made(pass.slots());
  std::vector<std::size_t> slot_of(texts.count), end_of(texts.count);
  auto failure = pass.each(
      [&](std::size_t i, std::string_view text, std::size_t slot) -> std::optional<ItemError> {
        std::string& data = made[slot].data;
        data += text;
        slot_of[i] = slot;
        end_of[i] = data.size();
        return std::nullopt;
      });
  if (failure) return std::unexpected(std::move(*failure));
  std::vector<std::string_view> views(texts.count);
  for (std::size_t i = 0; i < texts.count; ++i) {
    const std::size_t begin = i > 0 && slot_of[i - 1] == slot_of[i] ? end_of[i - 1] : 0;
    views[i] = std::string_view(made[slot_of[i]].data).substr(begin, end_of[i] - begin);
  }
  return mask_many_shared(Texts{views, false}, policies, config, options);
}

BatchResult<MaskedTexts> mask_texts(Texts texts, const PolicySet& policies, const Config& config,
                                    const Options& options) {
  MaskedTexts result;
  if (policies.has_tokenize()) {
    auto shared = mask_with_shared_map(texts, policies, config, options, false);
    if (!shared) return std::unexpected(std::move(shared.error()));
    std::size_t size = 0;
    for (const MaskOutput& out : shared->outputs) size += out.text.size();
    result.data.reserve(size);
    result.ends.reserve(shared->outputs.size());
    for (MaskOutput& out : shared->outputs) {
      result.data += out.text;
      result.ends.push_back(result.data.size());
      out = MaskOutput{};
    }
    result.restore = std::move(shared->restore);
    return result;
  }

  // Each unit writes its texts one after another into its own buffer; the buffers are joined in
  // input order at the end. Units that run one after another in input order share one buffer,
  // which becomes the column's as it is.
  struct UnitOutput {
    std::string data;
    std::vector<std::size_t> ends;  // of each text in data
  };
  const Pass pass(texts, options);
  const bool one_buffer = pass.in_input_order();
  std::vector<UnitOutput> units(one_buffer ? 1 : pass.slots());
  if (one_buffer) {
    // Masked texts are about as long as their sources: room for all of them, and some.
    std::size_t bytes = 0;
    for (std::string_view text : texts.items) bytes += text.size();
    units[0].data.reserve(bytes + bytes / 8);
    units[0].ends.reserve(texts.items.size());
  }
  auto failure = pass.each(
      [&](std::size_t i, std::string_view text, std::size_t slot) -> std::optional<ItemError> {
        // mask()'s text alone, written straight after the unit's texts before it: findings
        // without evidence (nothing here reads it), no rejections, no output of its own
        // (without tokens the policies need no prefix).
        UnitOutput& unit = units[one_buffer ? 0 : slot];
        std::vector<Finding> findings;
        if (!nothing_to_detect(text, config)) {
          Result<std::vector<Finding>> found = detect_findings(text, config, false);
          if (!found) return core_failure(i, std::move(found.error()));
          findings = std::move(*found);
        }
        append_masked(unit.data, text, findings, policies);
        unit.ends.push_back(unit.data.size());
        // The list goes to the thread's spares, where the next text's detection takes it: no
        // allocation and free a text with findings.
        give_buffers(findings);
        return std::nullopt;
      });
  if (failure) return std::unexpected(std::move(*failure));

  if (one_buffer) {  // the unit's buffer and ends are the column's
    result.data = std::move(units[0].data);
    result.ends = std::move(units[0].ends);
    return result;
  }
  const std::vector<std::size_t> order = pass.slots_in_input_order();
  result.ends.reserve(texts.items.size());
  std::size_t unit_start = 0;
  for (std::size_t slot : order) {
    for (std::size_t end : units[slot].ends) result.ends.push_back(unit_start + end);
    unit_start += units[slot].data.size();
  }
  // The units' buffers joined on the planned threads: a serial copy of the whole column (and the
  // first touch of its pages) would hold back the second thread for a few percent of the call.
  std::vector<std::size_t> sizes(order.size());
  for (std::size_t k = 0; k < order.size(); ++k) sizes[k] = units[order[k]].data.size();
  std::vector<std::size_t> at(order.size() + 1, 0);
  for (std::size_t k = 0; k < order.size(); ++k) at[k + 1] = at[k] + sizes[k];
  std::exception_ptr stopped;
  result.data.resize_and_overwrite(at.back(), [&](char* data, std::size_t n) {
    try {  // an exception may not leave resize_and_overwrite
      run(plan(sizes, options.threads), [&](const Unit& unit) {
        for (std::size_t k = unit.begin; k < unit.end; ++k) {
          std::string& piece = units[order[k]].data;
          std::memcpy(data + at[k], piece.data(), piece.size());
          std::string().swap(piece);
        }
      });
    } catch (...) {
      stopped = std::current_exception();
    }
    return n;
  });
  if (stopped) std::rethrow_exception(stopped);
  return result;
}

}  // namespace norvane::batch
