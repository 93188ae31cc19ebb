#include "detect/english_date.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "detect/checksum.hpp"
#include "normalize/unicode.hpp"
#include "span/month_names.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace norvane::extend {

namespace {

constexpr std::size_t kReachBefore = 28;  // bytes: "September 30th, " and a little
// A month name touches the run closely: it ends at most this many bytes before it (Jan 05일
// 1990, 5th of March, 1990) or starts at most this many after it (1990년 Jan, 05-JAN).
constexpr std::size_t kNameBefore = 10;
constexpr std::size_t kNameAfter = 6;
// A reading's month name starts at its first byte or after its day or year: at most a day of
// two digits with an ordinal (5 bytes: 일 is 3), a gap (5) and "of " (3) later.
constexpr std::size_t kMonthFromStart = 13;

using unicode::ascii_lower;
using unicode::is_ascii_digit;
using unicode::is_ascii_letter;

class Reader {
 public:
  Reader(std::string_view s, std::size_t at) : s_(s), i_(at) {}
  std::size_t at() const { return i_; }

  bool byte(char c) {
    if (i_ < s_.size() && s_[i_] == c) return ++i_, true;
    return false;
  }
  bool word(std::string_view w) {
    if (s_.substr(i_, w.size()) != w) return false;
    i_ += w.size();
    return true;
  }
  // A month name in full or cut to three letters (four for Sept), any case, maybe with a dot.
  unsigned month() {
    std::size_t e = i_;
    while (e < s_.size() && is_ascii_letter(static_cast<unsigned char>(s_[e]))) ++e;
    const std::size_t len = e - i_;
    if (len < 3) return 0;
    for (unsigned m = 0; m < 12; ++m) {
      const std::string_view name = kEnglishMonthNames[m];
      if (len != 3 && len != name.size() && !(m == 8 && len == 4)) continue;
      if (len > name.size()) continue;
      bool same = true;
      for (std::size_t k = 0; k < len && same; ++k)
        same = ascii_lower(static_cast<unsigned char>(s_[i_ + k])) ==
               static_cast<unsigned char>(name[k]);
      if (!same) continue;
      i_ = e;
      if (len < name.size()) byte('.');
      return m + 1;
    }
    return 0;
  }
  // One or two digits (a day), with an English ordinal ending or 일.
  unsigned day() {
    const unsigned v = number(1, 2);
    if (v == 0 || v > 31) return 0;
    for (std::string_view w : {"st", "nd", "rd", "th", "ST", "ND", "RD", "TH", "일"})
      if (word(w)) break;
    return v;
  }
  // A year of four digits (1900 to 2099), maybe with 년.
  unsigned year() {
    const unsigned v = number(4, 4);
    if (v < 1900 || v > 2099) return 0;
    word("년");
    return v;
  }
  unsigned number(std::size_t min, std::size_t max) {
    std::size_t k = 0;
    unsigned v = 0;
    while (i_ + k < s_.size() && is_ascii_digit(static_cast<unsigned char>(s_[i_ + k]))) {
      if (k == max) return 0;
      v = v * 10 + static_cast<unsigned>(s_[i_ + k] - '0');
      ++k;
    }
    if (k < min) return 0;
    i_ += k;
    return v;
  }
  // Between the parts: spaces, and at most one of "-", ",", "/", "." (maybe none).
  void gap() {
    skip_spaces();
    if (i_ < s_.size() && (s_[i_] == '-' || s_[i_] == ',' || s_[i_] == '/' || s_[i_] == '.')) ++i_;
    skip_spaces();
  }
  void skip_spaces() {
    for (std::size_t n = 0; i_ < s_.size() && s_[i_] == ' ' && n < 2; ++n) ++i_;
  }
  bool ends_word() const {
    return i_ >= s_.size() || !(is_ascii_letter(static_cast<unsigned char>(s_[i_])) ||
                                is_ascii_digit(static_cast<unsigned char>(s_[i_])));
  }

 private:
  std::string_view s_;
  std::size_t i_;
};

// The first three letters of each month, lower case, packed low byte first; the bytes a
// month name may begin with (either case).
constexpr auto kMonthKeys = [] {
  std::array<std::uint32_t, std::size(kEnglishMonthNames)> keys{};
  for (std::size_t m = 0; m < keys.size(); ++m)
    for (std::size_t k = 0; k < 3; ++k)
      keys[m] |= std::uint32_t{static_cast<unsigned char>(kEnglishMonthNames[m][k])} << (8 * k);
  return keys;
}();
constexpr auto kMonthLead = [] {
  std::array<bool, 256> lead{};
  for (const std::string_view name : kEnglishMonthNames) {
    lead[static_cast<unsigned char>(name[0])] = true;
    lead[static_cast<unsigned char>(name[0]) & ~0x20u] = true;
  }
  return lead;
}();

// Whether the three bytes at p begin a month name as month() reads it.
bool month_key_at(const unsigned char* p) {
  const std::uint32_t key =
      (std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16) | 0x202020u;
  for (const std::uint32_t month : kMonthKeys)
    if (key == month) return true;
  return false;
}

#if defined(__SSE2__)
// The bytes of x as lower case where they are letters: a byte ORed with 0x20 is a lower-case
// letter only where it was that letter in either case.
inline __m128i lowered(__m128i x) { return _mm_or_si128(x, _mm_set1_epi8(0x20)); }
inline __m128i is(__m128i x, char c) { return _mm_cmpeq_epi8(x, _mm_set1_epi8(c)); }

// One bit per byte of the sixteen at p: set for the Latin letters.
inline unsigned letters16(const unsigned char* p) {
  const __m128i x = lowered(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
  // Bytes from 0x80 on are negative here and fall below 'a'.
  const __m128i in = _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8('a' - 1)),
                                   _mm_cmplt_epi8(x, _mm_set1_epi8('z' + 1)));
  return static_cast<unsigned>(_mm_movemask_epi8(in));
}

// One bit per byte of the sixteen at p (seventeen readable): set where the byte and the next
// are the first two letters of a month (ja, ju, fe, ma, ap, au, se, oc, no, de).
inline unsigned month_pairs16(const unsigned char* p) {
  const __m128i a = lowered(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
  const __m128i b = lowered(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1)));
  const __m128i e = is(b, 'e'), u = is(b, 'u'), second_a = is(b, 'a');
  __m128i m = _mm_and_si128(is(a, 'j'), _mm_or_si128(second_a, u));
  m = _mm_or_si128(
      m, _mm_and_si128(_mm_or_si128(_mm_or_si128(is(a, 'f'), is(a, 's')), is(a, 'd')), e));
  m = _mm_or_si128(m, _mm_and_si128(is(a, 'm'), second_a));
  m = _mm_or_si128(m, _mm_and_si128(is(a, 'a'), _mm_or_si128(is(b, 'p'), u)));
  m = _mm_or_si128(m, _mm_and_si128(is(a, 'o'), is(b, 'c')));
  m = _mm_or_si128(m, _mm_and_si128(is(a, 'n'), is(b, 'o')));
  return static_cast<unsigned>(_mm_movemask_epi8(m));
}
#endif

// Whether a Latin letter stands in bytes [from, to) of s, to - from <= 16.
bool letter_in(std::string_view s, std::size_t from, std::size_t to) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
#if defined(__SSE2__)
  if (s.size() >= 16) {
    const std::size_t at = std::min(from, s.size() - 16);  // a block holding [from, to)
    return ((letters16(p + at) >> (from - at)) & ((1u << (to - from)) - 1)) != 0;
  }
#endif
  for (std::size_t k = from; k < to; ++k)
    if (is_ascii_letter(p[k])) return true;
  return false;
}

// Whether a month name can begin in bytes [from, to] of s (to + 3 <= s.size()): three bytes
// that month() reads as the start of one.
bool month_start_within(std::string_view s, std::size_t from, std::size_t to) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  std::size_t q = from;
#if defined(__SSE2__)
  for (; q <= to && s.size() - q >= 17; q += 16) {
    unsigned pairs = month_pairs16(p + q);
    if (to - q < 15) pairs &= (2u << (to - q)) - 1;  // positions up to `to`
    for (; pairs != 0; pairs &= pairs - 1)
      if (month_key_at(p + q + static_cast<std::size_t>(std::countr_zero(pairs)))) return true;
  }
#endif
  for (; q <= to; ++q)
    if (kMonthLead[p[q]] && month_key_at(p + q)) return true;
  return false;
}

// A date with a month name that starts at byte p: its end, or 0.
std::size_t date_from(std::string_view s, std::size_t p) {
  const auto c = static_cast<unsigned char>(s[p]);
  unsigned y = 0, m = 0, d = 0;
  Reader r(s, p);
  if (is_ascii_letter(c)) {  // Jan. 5, 1990; January 5th 1990; Jan 5일 1990년
    if (!(m = r.month())) return 0;
    r.gap();
    // Normalization joins a day and a year that only spaces or a comma part (Jan 5, 1990 is
    // read as Jan 51990): five or six digits are the day and the year.
    const std::size_t at = r.at();
    if (const unsigned joined = r.number(5, 6)) {
      d = joined / 10000;
      y = joined % 10000;
      if (d == 0 || d > 31 || y < 1900 || y > 2099) return 0;
      r.word("년");
    } else {
      Reader again(s, at);
      r = again;
      if (!(d = r.day())) return 0;
      r.gap();
      if (!(y = r.year())) return 0;
    }
  } else {
    const std::size_t digits =
        std::find_if(s.begin() + static_cast<std::ptrdiff_t>(p), s.end(),
                     [](char x) { return !is_ascii_digit(static_cast<unsigned char>(x)); }) -
        (s.begin() + static_cast<std::ptrdiff_t>(p));
    if (digits == 4) {  // 1990년 Jan 5일, 1990 Jan 05, 1990-JAN-05
      if (!(y = r.year())) return 0;
      r.gap();
      if (!(m = r.month())) return 0;
      r.gap();
      if (!(d = r.day())) return 0;
    } else {  // 5 Jan 1990, 05-JAN-1990, 05JAN1990, 5th of January, 1990, 05-JAN-90
      if (!(d = r.day())) return 0;
      r.gap();
      r.word("of ");
      if (!(m = r.month())) return 0;
      const std::size_t before_year = r.at();
      r.gap();
      if (!(y = r.year())) {
        // day-MON-yy, and as tickets write it 15MAR86 or 15 MAR 86: two digits after a hyphen,
        // a space or nothing, nothing after them.
        Reader two(s, before_year);
        const std::size_t joiner = two.byte('-') || two.byte(' ') ? 1 : 0;
        const unsigned yy = two.number(2, 2);
        if (two.at() != before_year + joiner + 2 || !two.ends_word()) return 0;
        y = 1900 + yy;
        if (!is_valid_date(y, m, d) && !is_valid_date(2000 + yy, m, d)) return 0;
        return two.at();
      }
    }
  }
  if (!r.ends_word() && !(r.at() < s.size() && static_cast<unsigned char>(s[r.at()]) >= 0x80))
    return 0;
  return is_valid_date(y, m, d) ? r.at() : 0;
}

}  // namespace

std::optional<ByteRange> english_date_around(std::string_view text, std::size_t run_start,
                                             std::size_t run_end) {
  // Cheap first: a Latin letter close to the run.
  static_assert(kNameBefore <= 16 && kNameAfter <= 16);
  if (!letter_in(text, run_start > kNameBefore ? run_start - kNameBefore : 0, run_start) &&
      !letter_in(text, run_end, std::min(text.size(), run_end + kNameAfter)))
    return std::nullopt;
  const std::size_t low = run_start > kReachBefore ? run_start - kReachBefore : 0;
  // Every reading holds a month name that starts between its first byte (low at the
  // farthest) and kMonthFromStart bytes after it: without one there, no start is tried.
  if (text.size() < 3 ||
      !month_start_within(text, low, std::min(run_start + kMonthFromStart, text.size() - 3)))
    return std::nullopt;
  // From the farthest start that begins a word: the longest reading holding the run.
  for (std::size_t p = low; p <= run_start; ++p) {
    const auto c = static_cast<unsigned char>(text[p]);
    if (!(is_ascii_letter(c) || is_ascii_digit(c))) continue;
    if (p > 0) {
      const auto b = static_cast<unsigned char>(text[p - 1]);
      if (is_ascii_letter(b) || is_ascii_digit(b)) continue;
    }
    const std::size_t e = date_from(text, p);
    if (e >= run_end) return ByteRange{p, e};
  }
  return std::nullopt;
}

}  // namespace norvane::extend
