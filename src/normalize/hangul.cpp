// Reads runs of Hangul numeral syllables as ASCII digits.
//
// Hot path: almost every Korean text holds numeral syllables, so the walk is a single pass
// that allocates nothing until the first run that converts.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#if defined(__x86_64__) && defined(__SSE2__)
#include <immintrin.h>
#define NORVANE_NUMERAL_SHUFFLE 1
#endif

#include "error/interrupt.hpp"
#include "normalize/passes.hpp"
#include "normalize/rule_names.hpp"
#include "normalize/spoken_labels.hpp"
#include "normalize/unicode.hpp"
#include "span/cpu_features.hpp"
#include "span/limits.hpp"
#include "span/utf8.hpp"

namespace norvane::passes {

namespace {

// Per-syllable flags. Low nibble: 0 none, 1..10 digit 0..9, 11..15 unit 10..10^8.
constexpr std::uint8_t kKindMask = 0x0F;
constexpr std::uint8_t kFirstUnit = 11;
constexpr std::uint8_t kNativeFirst = 0x10;   // may start a two-syllable native number
constexpr std::uint8_t kContext = 0x20;       // a neighbour that supports a short numeral
constexpr std::uint8_t kNativeSecond = 0x40;  // may end a two-syllable native number

constexpr std::array<std::uint64_t, 5> kUnits{10, 100, 1000, 10000, 100000000};
// Numeral syllables read digit by digit that make a whole number at once (a telephone's ten).
constexpr std::size_t kWholeNumberDigits = 10;

constexpr std::size_t idx(char32_t c) { return c - unicode::kSyllableFirst; }

// Every precomposed syllable starts with one of these.
constexpr unicode::ByteSet kSyllableLeads{0xEA, 0xED, {}, 0};

constexpr std::array<std::uint8_t, unicode::kSyllableCount> kTable = [] {
  std::array<std::uint8_t, unicode::kSyllableCount> t{};
  struct D {
    char32_t c;
    std::uint8_t v;
  };
  constexpr D digits[] = {{U'공', 0}, {U'영', 0}, {U'빵', 0}, {U'일', 1}, {U'이', 2}, {U'삼', 3},
                          {U'사', 4}, {U'오', 5}, {U'육', 6}, {U'륙', 6}, {U'칠', 7}, {U'팔', 8},
                          {U'구', 9}, {U'둘', 2}, {U'셋', 3}, {U'넷', 4}};
  for (auto d : digits) t[idx(d.c)] = static_cast<std::uint8_t>(d.v + 1);
  constexpr char32_t units[] = {U'십', U'백', U'천', U'만', U'억'};
  for (std::uint8_t k = 0; k < 5; ++k) t[idx(units[k])] = static_cast<std::uint8_t>(kFirstUnit + k);
  for (char32_t c : {U'하', U'다', U'여', U'일', U'아'}) t[idx(c)] |= kNativeFirst;
  for (char32_t c : {U'나', U'섯', U'곱', U'덟', U'홉'}) t[idx(c)] |= kNativeSecond;
  for (char32_t c :
       {U'기', U'년', U'번', U'분', U'생', U'세', U'시', U'원', U'월', U'일', U'차', U'초', U'호'})
    t[idx(c)] |= kContext;
  return t;
}();

// The same flags by the three bytes of any character that starts with EA..ED, so the scan
// needs no range test: (lead - EA) << 12 | low six bits of the two others, i.e. the code point
// less U+A000. Zero outside the syllables.
constexpr std::size_t kLeadBase = 0xA000;
constexpr std::array<std::uint8_t, 0x4000> kLeadFlags = [] {
  std::array<std::uint8_t, 0x4000> t{};
  for (std::size_t k = 0; k < unicode::kSyllableCount; ++k)
    t[unicode::kSyllableFirst - kLeadBase + k] = kTable[k];
  return t;
}();

// The flags a syllable needs to be read at all: a digit or a unit, or the first or second
// syllable of a native number. Any other syllable starts no run and ends no native pair.
constexpr std::uint8_t kReadable = kKindMask | kNativeFirst | kNativeSecond;

#ifdef NORVANE_NUMERAL_SHUFFLE
// Which second and third bytes the readable syllables have: by a byte's low nibble, its high
// nibble (8..B in a continuation byte) as one of four bits. A syllable whose two continuation
// bytes both occur among them may be readable; one that fails either is not (about three
// syllables in five of prose fail, and in pairs almost all).
constexpr auto kReadableContinuations = [] {
  std::array<std::array<std::uint8_t, 16>, 2> t{};  // [0]: the second byte, [1]: the third
  for (std::size_t k = 0; k < unicode::kSyllableCount; ++k) {
    if ((kTable[k] & kReadable) == 0) continue;
    const std::size_t c = unicode::kSyllableFirst + k;
    const std::size_t bytes[2] = {0x80 | ((c >> 6) & 0x3F), 0x80 | (c & 0x3F)};
    for (std::size_t j = 0; j < 2; ++j)
      t[j][bytes[j] & 0xF] |= static_cast<std::uint8_t>(1u << ((bytes[j] >> 4) - 8));
  }
  return t;
}();

// Bit k set when byte k of the sixty-four at p leads a syllable whose continuation bytes pass
// kReadableContinuations (the last two leads' bytes lie past them and are not tested). AVX2's
// byte shuffle looks up each byte's nibbles, thirty-two bytes at a time, for both tests at once.
[[gnu::target("avx2")]] std::uint64_t maybe_readable_leads(const char* p) {
  const auto* tables = reinterpret_cast<const __m128i*>(kReadableContinuations.data());
  const __m256i second = _mm256_broadcastsi128_si256(_mm_loadu_si128(tables));
  const __m256i third = _mm256_broadcastsi128_si256(_mm_loadu_si128(tables + 1));
  const __m256i by_high = _mm256_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 0, 0, 0, 0,  //
                                           0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 0, 0, 0, 0);
  const __m256i low4 = _mm256_set1_epi8(0x0F), zero = _mm256_setzero_si256();
  std::uint64_t leads = 0, not_second = 0, not_third = 0;
  for (unsigned half = 0; half < 2; ++half) {
    const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * half));
    const __m256i high =
        _mm256_shuffle_epi8(by_high, _mm256_and_si256(_mm256_srli_epi16(x, 4), low4));
    const __m256i low = _mm256_and_si256(x, low4);
    // EA..ED: x - EA <= 3, unsigned.
    const __m256i d = _mm256_sub_epi8(x, _mm256_set1_epi8(static_cast<char>(0xEA)));
    const __m256i lead = _mm256_cmpeq_epi8(_mm256_min_epu8(d, _mm256_set1_epi8(3)), d);
    const __m256i no_second =
        _mm256_cmpeq_epi8(_mm256_and_si256(_mm256_shuffle_epi8(second, low), high), zero);
    const __m256i no_third =
        _mm256_cmpeq_epi8(_mm256_and_si256(_mm256_shuffle_epi8(third, low), high), zero);
    const unsigned shift = 32 * half;
    leads |= std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(lead))} << shift;
    not_second |= std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(no_second))}
                  << shift;
    not_third |= std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(no_third))}
                 << shift;
  }
  return leads & ~(not_second >> 1) & ~(not_third >> 2);
}
#endif

inline bool is_syllable_lead(char c) { return static_cast<unsigned char>(c) - 0xEAu <= 3u; }

// Flags of the character at i, which starts with EA..ED.
inline std::uint8_t lead_flags(std::string_view s, std::size_t i) {
  const std::size_t b0 = static_cast<unsigned char>(s[i]);
  const std::size_t b1 = static_cast<unsigned char>(s[i + 1]);
  const std::size_t b2 = static_cast<unsigned char>(s[i + 2]);
  // The continuation bytes are 10xxxxxx, so their marker bits add a fixed offset.
  return kLeadFlags[(b0 << 12) + (b1 << 6) + b2 - ((std::size_t{0xEA} << 12) + (0x80 << 6) + 0x80)];
}

struct Token {
  std::uint8_t bytes = 0;  // 3 or 6
  std::uint8_t syllables = 0;
  bool unit = false;
  std::uint8_t digit = 0;   // when !unit
  std::uint64_t value = 0;  // unit value when unit
  int last = -1;            // last syllable (index)
  int first = -1;           // first syllable (index)
};

// Two-syllable native numbers, tried first.
int native_value(int a, int b) {
  auto A = static_cast<std::size_t>(a), B = static_cast<std::size_t>(b);
  if (A == idx(U'하') && B == idx(U'나')) return 1;
  if (A == idx(U'다') && B == idx(U'섯')) return 5;
  if (A == idx(U'여') && B == idx(U'섯')) return 6;
  if (A == idx(U'일') && B == idx(U'곱')) return 7;
  if (A == idx(U'여') && B == idx(U'덟')) return 8;
  if (A == idx(U'아') && B == idx(U'홉')) return 9;
  return -1;
}

// Token at byte i that ends at or before `limit`.
inline bool token_at(std::string_view s, std::size_t i, std::size_t limit, Token& t) {
  if (i + 3 > limit) return false;
  int a = unicode::syllable_at(s, i);
  if (a < 0) return false;
  std::uint8_t f = kTable[static_cast<std::size_t>(a)];
  if ((f & kNativeFirst) && i + 6 <= limit) {
    int b = unicode::syllable_at(s, i + 3);
    if (b >= 0) {
      int v = native_value(a, b);
      if (v >= 0) {
        t = Token{6, 2, false, static_cast<std::uint8_t>(v), 0, b, a};
        return true;
      }
    }
  }
  std::uint8_t k = f & kKindMask;
  if (k == 0) return false;
  if (k >= kFirstUnit) t = Token{3, 1, true, 0, kUnits[k - kFirstUnit], a, a};
  else t = Token{3, 1, false, static_cast<std::uint8_t>(k - 1), 0, a, a};
  return true;
}

bool is_syllable(std::string_view s, std::size_t i, char32_t c) {
  return unicode::syllable_at(s, i) == static_cast<int>(idx(c));
}

// Drops the final "이구" or "이" of a run of two or more syllables before a spoken ending.
std::size_t trimmed_end(std::string_view s, std::size_t end, std::size_t syllables, int last,
                        int before_last) {
  if (syllables < 2) return end;
  if (before_last == static_cast<int>(idx(U'이')) && last == static_cast<int>(idx(U'구')) &&
      syllables > 2 && is_syllable(s, end, U'요'))
    return end - 6;
  if (last == static_cast<int>(idx(U'이'))) {
    if (is_syllable(s, end, U'요') || is_syllable(s, end, U'고')) return end - 3;
    if ((is_syllable(s, end, U'래') || is_syllable(s, end, U'에') || is_syllable(s, end, U'예')) &&
        is_syllable(s, end + 3, U'요'))
      return end - 3;
  }
  return end;
}

bool supports(char32_t c) {
  if ((c >= '0' && c <= '9') || c == '-') return true;
  if (c < unicode::kSyllableFirst || c >= unicode::kSyllableFirst + unicode::kSyllableCount)
    return false;
  return kTable[idx(c)] & kContext;
}

// A neighbour within `gap` whitespace characters before or after the run supports it.
bool has_context(std::string_view s, std::size_t start, std::size_t end, std::uint64_t gap) {
  std::uint64_t ws = 0;
  for (std::size_t j = start; j > 0;) {
    char32_t c = unicode::decode_before(s, j);
    if (!unicode::is_white_space(c)) {
      if (supports(c)) return true;
      break;
    }
    if (++ws > gap) break;
  }
  ws = 0;
  for (std::size_t j = end; j < s.size();) {
    char32_t c = utf8::decode(s, j);
    if (!unicode::is_white_space(c)) return supports(c);
    if (++ws > gap) break;
  }
  return false;
}

struct Reading {
  bool convert = false;
  bool units = false;
  std::uint64_t value = 0;  // with units
  std::size_t digits = 0;   // output length
};

std::size_t decimal_length(std::uint64_t v) {
  std::size_t n = 1;
  while (v >= 10) {
    v /= 10;
    ++n;
  }
  return n;
}

// Reads the tokens of [start, end): digit by digit, or with units.
Reading read_run(std::string_view s, std::size_t start, std::size_t end) {
  Reading r;
  bool has_digit = false, has_unit = false, failed = false;
  bool pending = false;
  std::uint64_t p = 0, small = 0, big = 0;
  std::size_t tokens = 0;
  Token t{};
  for (std::size_t i = start; token_at(s, i, end, t); i += t.bytes) {
    ++tokens;
    if (failed) {
      has_unit |= t.unit;
      has_digit |= !t.unit;
      continue;
    }
    if (!t.unit) {
      has_digit = true;
      if (pending) failed = true;
      pending = true;
      p = t.digit;
    } else if (t.value < 10000) {
      has_unit = true;
      std::uint64_t add;
      if (__builtin_mul_overflow(t.value, pending ? p : 1, &add) ||
          __builtin_add_overflow(small, add, &small))
        failed = true;
      pending = false;
      p = 0;
    } else {
      has_unit = true;
      std::uint64_t m, add;
      if (__builtin_add_overflow(small, p, &m)) {
        failed = true;
        continue;
      }
      if (m == 0) m = 1;
      if (__builtin_mul_overflow(t.value, m, &add) || __builtin_add_overflow(big, add, &big))
        failed = true;
      small = 0;
      p = 0;
      pending = false;
    }
  }
  if (!has_unit) {
    r.convert = tokens > 0;
    r.digits = tokens;
    return r;
  }
  if (!has_digit || failed) return r;
  std::uint64_t v;
  if (__builtin_add_overflow(p, small, &v) || __builtin_add_overflow(v, big, &v)) return r;
  r.convert = true;
  r.units = true;
  r.value = v;
  r.digits = decimal_length(v);
  return r;
}

// The pass's state between candidate syllables.
struct NumeralReader {
  // A constructor, not an aggregate's braces: those cleared the whole reader first, the unmade
  // builder's bytes with it (95 words a text).
  NumeralReader(std::string_view text, const Config& config, std::uint64_t max_bytes,
                bool find_only)
      : text(text), config(config), max_bytes(max_bytes), find_only(find_only) {}

  std::string_view text;
  const Config& config;
  std::uint64_t max_bytes;
  BuilderIfChanged b;
  std::string digits{};
  std::size_t emitted = 0;
  std::int64_t grown = 0;  // output bytes beyond the input so far (negative: fewer)
  bool too_large = false;
  Token t{};
  std::size_t chain_end = 0;  // the end of the last group of spoken digits read as one number
  bool chained = false;       // whether that chain holds two groups or more
  // Only asked whether any numeral is read: the first one ends the scan, nothing is written.
  bool find_only;
  bool found = false;

  // Where a chain of groups of spoken digits that starts with the run [start, end) ends: the
  // groups are two digits or more, joined by a space or two or by a hyphen, and hold at least
  // as many digits together as a numeral needs alone. The run's end when there is no chain.
  // A syllable after a group that does not make the group part of a word: 입니다, 이요, 으로, ...
  bool ends_group(std::size_t i) const {
    for (char32_t c : {U'입', U'이', U'요', U'으', U'로', U'을', U'를', U'은', U'는', U'가', U'도',
                       U'에', U'까', U'만', U'번'})
      if (is_syllable(text, i, c)) return true;
    return false;
  }

  // Whether a reading runs on into a word with no space (이영수, a name after a number): the
  // syllable after it is neither a counter nor an ending.
  bool runs_into_word(std::size_t end) const {
    if (end >= text.size() || unicode::syllable_at(text, end) < 0) return false;
    if ((lead_flags(text, end) & kContext) || ends_group(end)) return false;
    const std::string_view rest = text.substr(end);
    for (std::string_view ending : spoken::kEndingsAfterReadOutNumbers)
      if (rest.starts_with(ending)) return false;
    return true;
  }

  // Whether the run at `start` follows a month (월, maybe a space between).
  bool after_month(std::size_t start) const {
    std::size_t k = start;
    if (k > 0 && text[k - 1] == ' ') --k;
    return k >= 3 && is_syllable(text, k - 3, U'월');
  }

  // Whether the run at `start` follows a day written in digits after a month (1월 13일이며,
  // 3월 5일이라): its 일 is the date's, not a digit.
  bool after_days_digits(std::size_t start) const {
    std::size_t k = start, digits = 0;
    while (k > 0 && digits < 2 && text[k - 1] >= '0' && text[k - 1] <= '9') --k, ++digits;
    return digits > 0 && after_month(k);
  }

  // The digits of a group written in ASCII right before the run at `start` (010 일이삼사 5678):
  // two to four from a 0, a space or a hyphen between, nothing of a word or a number before.
  std::size_t ascii_group_before(std::size_t start) const {
    auto digit = [&](std::size_t k) { return text[k] >= '0' && text[k] <= '9'; };
    if (start < 3 || (text[start - 1] != ' ' && text[start - 1] != '-')) return 0;
    std::size_t k = start - 1;
    while (k > 0 && digit(k - 1) && start - k <= 5) --k;
    const std::size_t n = start - 1 - k;
    if (n < 2 || n > 4 || text[k] != '0') return 0;
    if (k > 0 && text[k - 1] != ' ' && text[k - 1] != '(' && text[k - 1] != ':') return 0;
    return n;
  }

  // A telephone number read out partly in digits (010 일이삼사 5678, 공일공 1234 오육칠팔): its
  // ASCII groups join the chain only when the whole is ten or eleven digits from a 0.
  static constexpr std::size_t kLongestAsciiGroup = 4;
  static bool telephone_length(std::size_t digits) { return digits == 10 || digits == 11; }

  // Whether the run at `start` follows a label of a number glued to it
  // (spoken::kLabelsGluedToNumbers): its syllables start the number, not the rest of a word.
  bool after_glued_label(std::size_t start) const {
    const std::string_view before = text.substr(0, start);
    for (std::string_view label : spoken::kLabelsGluedToNumbers)
      if (before.ends_with(label)) return true;
    return false;
  }

  std::size_t spoken_chain_end(std::size_t start, std::size_t end, std::size_t digits,
                               bool glued) const {
    // Inside a word, unless the word is a label glued to the number.
    if (!glued && start >= 3 && unicode::syllable_at(text, start - 3) >= 0) return end;
    const std::size_t ascii_before = ascii_group_before(start);
    const bool from_zero = ascii_before > 0 || is_syllable(text, start, U'공') ||
                           is_syllable(text, start, U'영');
    bool mixed = ascii_before > 0;
    std::size_t groups = ascii_before > 0 ? 2 : 1, last = end;
    digits += ascii_before;
    for (std::size_t k = end;;) {
      std::size_t g = k, spaces = 0;
      // 에 after a group, as numbers are read out aloud (공일공에 일이삼사에 오육칠팔).
      if (g + 3 < text.size() && text[g + 3] == ' ' && is_syllable(text, g, U'에')) g += 3;
      while (g < text.size() && text[g] == ' ' && spaces < 3) ++g, ++spaces;
      if (g < text.size() && text[g] == '-') {
        ++g;
        if (g < text.size() && text[g] == ' ') ++g;
      } else if (spaces == 0 || spaces > 2) {
        break;
      }
      std::size_t n = 0, e = g;
      Token u{};
      while (token_at(text, e, text.size(), u) && !u.unit) e += u.bytes, ++n;
      if (n == 0 && from_zero) {
        while (e < text.size() && text[e] >= '0' && text[e] <= '9' && n <= kLongestAsciiGroup)
          ++e, ++n;
        if (n < 2 || n > kLongestAsciiGroup) break;
        mixed = true;
      } else if (n < 2 ||
                 (e < text.size() && unicode::syllable_at(text, e) >= 0 && !ends_group(e))) {
        break;
      }
      digits += n;
      ++groups;
      last = k = e;
    }
    if (mixed && !(from_zero && telephone_length(digits))) return end;
    return groups >= 2 && digits >= config.numeral_min_digits_without_context ? last : end;
  }

  // Reads the run of tokens that starts with the candidate syllable at `start`; gives the
  // offset where the scan goes on. Kept out of line so the scan loop stays in registers.
  [[gnu::noinline]] std::size_t read_at(const std::size_t start) {
    if (!token_at(text, start, text.size(), t)) return start + 3;
    // The maximal run of tokens from start.
    const bool first_is_unit = t.unit;
    std::size_t end = start, syllables = 0;
    int last = -1, before_last = -1;
    do {
      before_last = t.syllables == 2 ? t.first : last;
      last = t.last;
      syllables += t.syllables;
      end += t.bytes;
    } while (token_at(text, end, text.size(), t));

    // A dropped ending syllable is scanned again as a new run.
    const std::size_t run_end = trimmed_end(text, end, syllables, last, before_last);

    // 이구 glued to a number's last digit is the spoken ending, not 2 and 9 (010-...-6789이구요,
    // 110-234-567890이구 예금주는 ...), as chat types it.
    if (config.writing_variants && syllables == 2 && before_last == static_cast<int>(idx(U'이')) &&
        last == static_cast<int>(idx(U'구')) && start > 0 && text[start - 1] >= '0' &&
        text[start - 1] <= '9')
      return end;

    // The day of a date is written with 일 after its number (삼월 십오일, 일월 일일): that
    // 일 is no digit, so the run is left to the date reading of the detector.
    if (config.writing_variants && syllables >= 2 && last == static_cast<int>(idx(U'일')) &&
        after_month(start))
      return run_end;
    // The same 일 after the day's digits, an ending after it (1월 13일이며): scanned on after it.
    if (config.writing_variants && syllables >= 2 && is_syllable(text, start, U'일') &&
        after_days_digits(start))
      return start + 3;
    Reading r;
    if (syllables == 1) {
      // The common case in prose: one syllable alone, one digit or a bare unit.
      if (first_is_unit) return run_end;
      r = Reading{true, false, 0, 1};
    } else {
      r = read_run(text, start, run_end);
      if (!r.convert) return run_end;
    }
    // A short reading right after another syllable is the end of a word (행사일, 구매일), not a
    // number; after a label glued to it, it may be a number's first group read out.
    bool glued = false;
    if (config.numeral_words && r.digits < config.numeral_min_digits_without_context &&
        start >= 3 && unicode::syllable_at(text, start - 3) >= 0) {
      glued = config.writing_variants && !r.units && r.digits >= 2 && start >= chain_end &&
              after_glued_label(start);
      if (!glued) return run_end;
    }
    // A short reading that runs on into a word is that word's start (4985 이영수: a name).
    const bool word_goes_on = config.numeral_words && !r.units &&
                              r.digits < config.numeral_min_digits_without_context &&
                              runs_into_word(run_end);
    bool convert;
    if (r.digits >= config.numeral_min_digits_without_context) convert = true;
    else if (r.digits < config.numeral_min_digits_with_context) convert = false;
    else
      convert = !word_goes_on && has_context(text, start, run_end, config.numeral_context_gap);
    // Digits read out in groups (공일공 일이삼사 오육칠팔): each group is short, together they
    // make a number.
    RuleName digit_rule = rules::kHangulDigitReading;
    bool chain_head = false;
    if (config.writing_variants && !r.units && r.digits >= 2) {
      if (start >= chain_end) {
        chain_end = spoken_chain_end(start, run_end, r.digits, glued);
        chained = chain_head = chain_end > run_end;
      }
      if (!convert && start < chain_end && (chained || !word_goes_on)) {
        convert = true;
        digit_rule = rules::kDigitsHangulSpoken;
      }
    }
    if (glued && !chain_head) return run_end;  // no number read out: the word goes on (번호사이)
    if (!convert) return run_end;
    if (find_only) {
      found = true;
      return text.size();
    }

    digits.clear();
    if (r.units) {
      digits = std::to_string(r.value);
    } else {
      for (std::size_t k = start; token_at(text, k, run_end, t); k += t.bytes)
        digits.push_back(static_cast<char>('0' + t.digit));
    }
    // Refused before the output is written: offsets past max_bytes would wrap.
    grown += static_cast<std::int64_t>(digits.size()) - static_cast<std::int64_t>(run_end - start);
    if (grown > 0 && text.size() + static_cast<std::uint64_t>(grown) > max_bytes) {
      too_large = true;
      return text.size();
    }
    if (!b) b.emplace(text.size());
    b->keep(text.substr(emitted, start - emitted));
    // A number read out digit by digit in groups is one guess, not one a syllable: its first
    // group carries the cost of one syllable, the groups chained to it none.
    // So is a whole number spelled digit by digit without a break (공일공일이삼사오육칠팔, as a
    // chat types it): no word has that many numeral syllables in a row.
    const std::string_view src = text.substr(start, run_end - start);
    if (config.writing_variants && !r.units && chained && start < chain_end)
      b->numeral(src, digits, digit_rule, chain_head ? 1 : 0);
    else if (config.writing_variants && !r.units && r.digits >= kWholeNumberDigits)
      b->numeral(src, digits, digit_rule, 1);
    else b->numeral(src, digits, r.units ? rules::kHangulUnitReading : digit_rule);
    emitted = run_end;
    return run_end;
  }
};

// Bit k set when byte base + k begins a syllable, for the 64 bytes from base (none past the end).
// With `shuffle` (AVX2) only the syllables that may be readable (maybe_readable_leads): the
// others would each cost a look-up of its flags and of its neighbour's.
inline std::uint64_t syllable_leads(std::string_view text, std::size_t base, bool shuffle) {
#ifdef NORVANE_NUMERAL_SHUFFLE
  if (shuffle) {
    if (base + 64 <= text.size()) return maybe_readable_leads(text.data() + base);
    // A text's last block is read as its last sixty-four bytes, shifted down to base: no copy.
    // Its last two leads may stay set where a padded copy clears them; no reader looks at a
    // lead without both continuation bytes.
    if (text.size() >= 64) {
      const std::size_t back = base + 64 - text.size();
      return maybe_readable_leads(text.data() + text.size() - 64) >> back;
    }
    alignas(32) char padded[64] = {};  // zeros lead nothing
    std::memcpy(padded, text.data() + base, text.size() - base);
    return maybe_readable_leads(padded);
  }
#endif
  std::uint64_t leads = 0;
#if defined(__SSE2__)
  if (base + 64 <= text.size()) {
    const char* p = text.data() + base;
    for (unsigned part = 0; part < 4; ++part)
      leads |= std::uint64_t{unicode::detail::block_mask<kSyllableLeads>(p + 16 * part)}
               << (16 * part);
    return leads;
  }
#endif
  for (unsigned part = 0; part < 4; ++part)
    leads |= std::uint64_t{unicode::block_mask<kSyllableLeads>(text, base + 16 * part)}
             << (16 * part);
  return leads;
}

// Reads every numeral of the reader's text, in text order.
void read_numerals(NumeralReader& reader) {
  const std::string_view text = reader.text;
  const Config& config = reader.config;
  const std::size_t n = text.size();
  const bool single_digit_stays =
      config.numeral_min_digits_without_context > 1 && config.numeral_min_digits_with_context > 1;

  // Syllable leads come sixty-four offsets at a time as a bit mask, and the block after is made
  // once, for the leads three bytes on and then as the next block. Lead bytes never occur
  // inside another character, so the masks visit every syllable that may be readable.
  constexpr std::size_t kBlock = 64;
#ifdef NORVANE_NUMERAL_SHUFFLE
  const bool shuffle = cpu::has_avx2();
#else
  constexpr bool shuffle = false;
#endif
  std::size_t i = 0;  // everything before i has been read
  std::size_t ahead_base = 0;
  std::uint64_t ahead = n > 0 ? syllable_leads(text, 0, shuffle) : 0;
  interrupt::Poll poll;
  while (i < n) {
    poll.reach(i);
    const std::size_t base = i;
    // A run read past the end of the last block starts the next one where it ended.
    const std::uint64_t leads = base == ahead_base ? ahead : syllable_leads(text, base, shuffle);
    ahead_base = base + kBlock;
    ahead = ahead_base < n ? syllable_leads(text, ahead_base, shuffle) : 0;
    // A lead needs its two continuation bytes (valid UTF-8 never ends inside a character); with
    // a second syllable after it, five.
    const std::size_t needed = single_digit_stays ? 5 : 2;
    const std::uint64_t whole = n - base > kBlock + needed - 1 ? ~std::uint64_t{0}
                                : n - base > needed ? (std::uint64_t{1} << (n - base - needed)) - 1
                                                    : 0;
    std::uint64_t mask = leads & whole;
    // Then only a run of two syllables or more converts: a lead whose next character is no
    // complete syllable (or none that may be readable) starts none, and is not looked up at all
    // (the last of every word).
    if (single_digit_stays) mask &= leads >> 3 | ahead << (kBlock - 3);
    while (mask != 0) {
      const std::uint64_t lowest = mask & (~mask + 1);
      const std::size_t at = base + static_cast<std::size_t>(std::countr_zero(mask));
      mask ^= lowest;
      if (single_digit_stays) {
        // The next syllable first: when it can neither start nor end a token, neither it nor
        // this one starts a run, and one look-up rules out both.
        const std::uint8_t next = lead_flags(text, at + 3);
        if ((next & kReadable) == 0) {
          mask &= ~(lowest << 3);
          continue;
        }
        const std::uint8_t f = lead_flags(text, at);
        if ((f & (kKindMask | kNativeFirst)) == 0) continue;
        if ((next & (kKindMask | kNativeFirst)) == 0 &&
            !((f & kNativeFirst) && (next & kNativeSecond)))
          continue;
      } else {
        const std::uint8_t f = lead_flags(text, at);
        if ((f & (kKindMask | kNativeFirst)) == 0) continue;
        // Most candidates in prose stand alone (이, 사, 다, 하 ...): when the next syllable
        // starts no token and ends no native pair with this one, the run is this syllable, and
        // a bare unit is left as it is.
        const std::uint8_t next =
            at + 6 <= n && is_syllable_lead(text[at + 3]) ? lead_flags(text, at + 3) : 0;
        const std::uint8_t k = f & kKindMask;
        if ((next & (kKindMask | kNativeFirst)) == 0 &&
            !((f & kNativeFirst) && (next & kNativeSecond)) && (k == 0 || k >= kFirstUnit))
          continue;
      }
      i = reader.read_at(at);
      // Leads inside the run just read are not looked at again.
      const std::size_t read = i - base;
      mask = read >= kBlock ? 0u : mask & (~std::uint64_t{0} << read);
    }
    i = std::max(i, base + kBlock);
  }
}

}  // namespace

std::optional<std::uint64_t> hangul_number_value(std::string_view word) {
  Token t{};
  std::size_t i = 0, tokens = 0;
  std::uint64_t digits = 0;
  for (; token_at(word, i, word.size(), t); i += t.bytes, ++tokens) {
    if (t.unit) continue;
    if (__builtin_mul_overflow(digits, 10, &digits) ||
        __builtin_add_overflow(digits, t.digit, &digits))
      return std::nullopt;
  }
  if (tokens == 0 || i != word.size()) return std::nullopt;
  if (tokens == 1 && t.unit) return t.value;  // 십 alone: ten
  const Reading r = read_run(word, 0, word.size());
  if (!r.convert) return std::nullopt;
  return r.units ? r.value : digits;
}

bool reads_any_numeral(std::string_view text, const Config& config) {
  NumeralReader reader(text, config, kMaxTextBytes, true);
  read_numerals(reader);
  return reader.found;
}

std::optional<PassOutput> read_hangul_numerals(std::string_view text, const Config& config,
                                               std::uint64_t max_bytes, bool& too_large) {
  NumeralReader reader(text, config, max_bytes, false);
  read_numerals(reader);
  if (reader.too_large) {
    too_large = true;
    return std::nullopt;
  }
  if (!reader.b) return std::nullopt;
  reader.b->keep(text.substr(reader.emitted));
  return reader.b->finish();
}

}  // namespace norvane::passes
