#include "detect/scanner.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

#include "error/interrupt.hpp"
#include "normalize/unicode.hpp"
#include "span/bit_count.hpp"
#include "span/pages.hpp"
#include "span/utf8.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace norvane {

namespace {

using unicode::is_ascii_digit;
using unicode::is_ascii_letter;
using unicode::is_ascii_upper;
inline bool is_alnum(unsigned char c) { return is_ascii_letter(c) || is_ascii_digit(c); }
inline bool is_local_char(unsigned char c) {
  return is_alnum(c) || c == '%' || c == '+' || c == '-' || c == '.' || c == '_';
}
inline bool is_domain_char(unsigned char c) { return is_alnum(c) || c == '-' || c == '.'; }
// Where a shape can be noticed: every digit run holds a digit or an "X" (its "*" and "x"
// are found by looking back), every passport starts with a capital, every e-mail has "@".
inline bool is_stop(unsigned char c) { return is_ascii_digit(c) || (c >= '@' && c <= 'Z'); }

Span make_span(std::size_t bs, std::size_t be, std::uint32_t cs, std::uint32_t ce) {
  return Span{static_cast<std::uint32_t>(bs), static_cast<std::uint32_t>(be), cs, ce};
}

// Labels split at "."; at least two, none empty, the last two or more letters.
bool domain_ok(const unsigned char* p, std::size_t from, std::size_t to) {
  std::size_t labels = 0, label_start = from;
  for (std::size_t k = from; k <= to; ++k) {
    if (k == to || p[k] == '.') {
      if (k == label_start) return false;
      ++labels;
      label_start = k + 1;
    }
  }
  if (labels < 2) return false;
  std::size_t last = to;
  while (last > from && p[last - 1] != '.') --last;
  if (to - last < 2) return false;
  for (std::size_t k = last; k < to; ++k)
    if (!is_ascii_letter(p[k])) return false;
  return true;
}

// Eight bytes at a time: the high bit of each byte that is_stop accepts, and of each
// continuation byte (to count characters). Exact per byte: no carry crosses a byte.
constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHigh = 0x8080808080808080ull;

inline std::uint64_t stop_bytes(std::uint64_t x) {
  const std::uint64_t low = x & (kOnes * 0x7F);
  auto between = [&](unsigned lo, unsigned hi) {  // lo < byte < hi, for ASCII bytes
    return (kOnes * (0x7F + hi) - low) & (low + kOnes * (0x7F - lo));
  };
  return (between('0' - 1, '9' + 1) | between('@' - 1, 'Z' + 1)) & ~x & kHigh;
}

inline std::uint64_t continuation_bytes(std::uint64_t x) { return x & ~(x << 1) & kHigh; }

inline std::uint32_t count_high_bits(std::uint64_t flags) {
  return static_cast<std::uint32_t>(((flags >> 7) * kOnes) >> 56);
}

class Scanner {
 public:
  Scanner(std::string_view text, Shapes& out)
      : p_(reinterpret_cast<const unsigned char*>(text.data())), n_(text.size()), out_(out) {}

  void run() {
    std::size_t i = 0;
    std::uint32_t chars = 0;  // character offset of byte i
    interrupt::Poll poll;
    while (skip(i, chars)) {
      poll.reach(i);
      const unsigned char c = p_[i];
      if (is_ascii_digit(c) || c == 'X') {
        run_at(i, chars);
      } else {
        if (c == '@') email_at(i, chars);
        else passport_at(i, chars);
        ++i;
        ++chars;
      }
    }
  }

 private:
  // Moves i to the next stop byte, counting the characters passed over; false at the end.
  bool skip(std::size_t& i, std::uint32_t& chars) const {
#if defined(__SSE2__)
    // Sixteen bytes at a time. Signed compares keep bytes from 0x80 on (negative) out of
    // both ranges; continuation bytes are those below -64 (0x80..0xBF).
    const __m128i digit_lo = _mm_set1_epi8('0' - 1), digit_hi = _mm_set1_epi8('9' + 1);
    const __m128i upper_lo = _mm_set1_epi8('@' - 1), upper_hi = _mm_set1_epi8('Z' + 1);
    const __m128i cont_hi = _mm_set1_epi8(-64), one = _mm_set1_epi8(1);
    for (; i + 16 <= n_; i += 16) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p_ + i));
      const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(x, digit_lo), _mm_cmplt_epi8(x, digit_hi));
      const __m128i upper = _mm_and_si128(_mm_cmpgt_epi8(x, upper_lo), _mm_cmplt_epi8(x, upper_hi));
      const auto stops = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(digit, upper)));
      const __m128i cont = _mm_cmplt_epi8(x, cont_hi);
      if (stops == 0) {
        // Sum of the sixteen 0/1 flags, by halves.
        const __m128i sums = _mm_sad_epu8(_mm_and_si128(cont, one), _mm_setzero_si128());
        const auto c =
            static_cast<std::uint32_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
        chars += 16 - c;
        continue;
      }
      const unsigned k = static_cast<unsigned>(std::countr_zero(stops));
      const auto before = static_cast<unsigned>(_mm_movemask_epi8(cont)) & ((1u << k) - 1);
      chars += k - count_bits16(before);
      i += k;
      return true;
    }
    // The last bytes as the end of the text's last sixteen, those already passed shifted out:
    // a short text's tail would otherwise go eight bytes and then one at a time.
    if (i < n_ && n_ >= 16) {
      const std::size_t passed = i - (n_ - 16);
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p_ + n_ - 16));
      const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(x, digit_lo), _mm_cmplt_epi8(x, digit_hi));
      const __m128i upper = _mm_and_si128(_mm_cmpgt_epi8(x, upper_lo), _mm_cmplt_epi8(x, upper_hi));
      const unsigned stops =
          static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(digit, upper))) >> passed;
      const unsigned cont =
          static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(x, cont_hi))) >> passed;
      const unsigned k = stops == 0 ? static_cast<unsigned>(n_ - i)
                                    : static_cast<unsigned>(std::countr_zero(stops));
      chars += k - count_bits16(cont & ((1u << k) - 1));
      i += k;
      return stops != 0;
    }
#endif
    for (; i + 8 <= n_; i += 8) {
      std::uint64_t x;
      std::memcpy(&x, p_ + i, 8);
      const std::uint64_t stops = stop_bytes(x);
      const std::uint64_t cont = continuation_bytes(x);
      if (stops == 0) {
        chars += 8 - count_high_bits(cont);
        continue;
      }
      if constexpr (std::endian::native == std::endian::little) {
        const unsigned k = static_cast<unsigned>(std::countr_zero(stops)) / 8;
        if (k > 0) chars += k - count_high_bits(cont & ((std::uint64_t{1} << (8 * k)) - 1));
        i += k;
        return true;
      }
      break;  // on other byte orders the bytewise loop below finds it
    }
    for (; i < n_ && !is_stop(p_[i]); ++i) chars += !utf8::is_continuation(p_[i]);
    return i < n_;
  }

  // A digit run through byte i (a digit or "X"); moves i and chars past it.
  void run_at(std::size_t& i, std::uint32_t& chars) {
    std::size_t s = i;
    while (s > 0 && (p_[s - 1] == '*' || p_[s - 1] == 'x')) --s;  // passed over by skip, ASCII
    const std::uint32_t char_start = chars - static_cast<std::uint32_t>(i - s);
    std::size_t e = s, digits = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: where the run ends, its digits, and its capitals (each a
    // possible passport, looked at in order as the bytewise loop below does).
    const __m128i digit_lo = _mm_set1_epi8('0' - 1), digit_hi = _mm_set1_epi8('9' + 1);
    const __m128i star = _mm_set1_epi8('*'), big_x = _mm_set1_epi8('X'),
                  small_x = _mm_set1_epi8('x');
    while (e + 16 <= n_) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p_ + e));
      const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(x, digit_lo), _mm_cmplt_epi8(x, digit_hi));
      const __m128i capital = _mm_cmpeq_epi8(x, big_x);
      const __m128i like =
          _mm_or_si128(_mm_or_si128(digit, capital),
                       _mm_or_si128(_mm_cmpeq_epi8(x, star), _mm_cmpeq_epi8(x, small_x)));
      const auto inside = static_cast<unsigned>(_mm_movemask_epi8(like));
      const unsigned len =
          inside == 0xFFFFu ? 16 : static_cast<unsigned>(std::countr_zero(~inside));
      const unsigned in_run = len == 16 ? 0xFFFFu : (1u << len) - 1;
      digits += count_bits16(static_cast<unsigned>(_mm_movemask_epi8(digit)) & in_run);
      for (unsigned capitals = static_cast<unsigned>(_mm_movemask_epi8(capital)) & in_run;
           capitals != 0; capitals &= capitals - 1) {
        const std::size_t at = e + static_cast<std::size_t>(std::countr_zero(capitals));
        passport_at(at, char_start + static_cast<std::uint32_t>(at - s));
      }
      e += len;
      if (len < 16) break;
    }
#endif
    // The last bytes of the text, or (where the run ended above) none.
    for (; e < n_ && unicode::is_digit_like(p_[e]); ++e) {
      digits += is_ascii_digit(p_[e]);
      // The skip does not stop inside a run, so its capitals are looked at here.
      if (p_[e] == 'X') passport_at(e, char_start + static_cast<std::uint32_t>(e - s));
    }
    const std::uint32_t char_end = char_start + static_cast<std::uint32_t>(e - s);
    if (digits >= 2) add(out_.runs, make_span(s, e, char_start, char_end));
    i = e;
    chars = char_end;
  }

  // Capital at i: letters then digits; positions inside a match start none, so no skipping.
  void passport_at(std::size_t i, std::uint32_t chars) {
    if (i > 0 && is_alnum(p_[i - 1])) return;
    const std::size_t letters = (i + 1 < n_ && is_ascii_upper(p_[i + 1])) ? 2 : 1;
    std::size_t d = i + letters;
    while (d < n_ && is_ascii_digit(p_[d])) ++d;
    const std::size_t digits = d - (i + letters), total = letters + digits;
    if ((digits == 7 || digits == 8) && (total == 8 || total == 9) && (d == n_ || !is_alnum(p_[d])))
      add(out_.passports, make_span(i, d, chars, chars + static_cast<std::uint32_t>(total)));
  }

  // Everything scanned around "@" is ASCII, so bytes and characters agree there. A domain
  // holds no "@", so every "@" is looked at on its own.
  void email_at(std::size_t i, std::uint32_t chars) {
    std::size_t s = i;
    while (s > 0 && is_local_char(p_[s - 1])) --s;
    while (s < i && p_[s] == '.') ++s;
    if (!(s < i && p_[i - 1] != '.')) return;
    std::size_t e = i + 1;
    while (e < n_ && is_domain_char(p_[e])) ++e;
    while (e > i + 1 && (p_[e - 1] == '-' || p_[e - 1] == '.')) --e;
    if (!(e > i + 1 && domain_ok(p_, i + 1, e))) return;
    add(out_.emails, make_span(s, e, chars - static_cast<std::uint32_t>(i - s),
                                    chars + static_cast<std::uint32_t>(e - i)));
  }

  // A large list grows without freeing its old buffer whole: freed memory inside the heap
  // stays resident through the detection and after it.
  static void add(std::vector<Span>& list, Span span) {
    if (list.size() == list.capacity()) [[unlikely]]
      grow(list);
    list.push_back(span);
  }
  [[gnu::noinline]] static void grow(std::vector<Span>& list) { pages::grow_for_one(list); }

  const unsigned char* p_;
  std::size_t n_;
  Shapes& out_;
};

}  // namespace

void scan(std::string_view text, Shapes& out) {
  out.emails.clear();
  out.passports.clear();
  out.runs.clear();
  Scanner(text, out).run();
}

std::vector<Span> digit_runs(std::string_view text) {
  Shapes s;
  scan(text, s);
  return std::move(s.runs);
}

std::vector<Span> emails(std::string_view text) {
  Shapes s;
  scan(text, s);
  return std::move(s.emails);
}

std::vector<Span> passports(std::string_view text) {
  Shapes s;
  scan(text, s);
  return std::move(s.passports);
}

}  // namespace norvane
