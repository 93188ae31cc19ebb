#include "detect/checksum.hpp"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "normalize/unicode.hpp"

namespace norvane {

namespace {

ChecksumResult masked_result() { return ChecksumResult::not_applicable(reason::masked); }

// Each byte's digit value, kMasked for a masking character, kNotDigit for any other byte.
constexpr std::uint8_t kNotDigit = 0xFF;
struct DigitValues {
  std::uint8_t of[256];
  constexpr DigitValues() : of{} {
    for (unsigned c = 0; c < 256; ++c)
      of[c] = c >= '0' && c <= '9'                  ? static_cast<std::uint8_t>(c - '0')
              : unicode::is_digit_like(char32_t(c)) ? kMasked
                                                    : kNotDigit;
  }
};
constexpr DigitValues kDigitValues;

#if defined(__SSE2__)
// The masks the sixteen-byte reading below knows: the table must give no other.
constexpr bool masks_are_star_and_x() {
  for (unsigned c = 0; c < 256; ++c) {
    const bool mask = c == '*' || c == 'X' || c == 'x';
    if ((kDigitValues.of[c] == kMasked) != mask) return false;
  }
  return true;
}
static_assert(masks_are_star_and_x());

// Copies n < 16 bytes by two copies of a fixed size that overlap (no call to memcpy, which
// costs more than the reading of a whole run).
inline void copy_short(void* to_bytes, const void* from_bytes, std::size_t n) {
  auto* to = static_cast<unsigned char*>(to_bytes);
  const auto* from = static_cast<const unsigned char*>(from_bytes);
  if (n >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + n - 8, from + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + n - 4, from + n - 4, 4);
  } else {
    for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
  }
}

// The values of sixteen bytes at once (as the table gives them); `bad` gets a bit for each byte
// that is no digit and no mask.
inline __m128i digit_values16(__m128i x, unsigned& bad) {
  const __m128i value = _mm_sub_epi8(x, _mm_set1_epi8('0'));
  const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(value, _mm_set1_epi8(9)), value);
  const __m128i mask = _mm_or_si128(
      _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('*')), _mm_cmpeq_epi8(x, _mm_set1_epi8('X'))),
      _mm_cmpeq_epi8(x, _mm_set1_epi8('x')));
  const __m128i either = _mm_or_si128(digit, mask);
  bad = static_cast<unsigned>(_mm_movemask_epi8(either)) ^ 0xFFFFu;
  return _mm_or_si128(_mm_or_si128(_mm_and_si128(digit, value),
                                   _mm_and_si128(mask, _mm_set1_epi8(static_cast<char>(kMasked)))),
                      _mm_andnot_si128(either, _mm_set1_epi8(static_cast<char>(kNotDigit))));
}
#endif

}  // namespace

bool to_digits(std::string_view text, Digits& out) {
  out.resize(text.size());
  return to_digits(text, out.data());
}

bool to_digits(std::string_view text, std::uint8_t* out) {
  const std::size_t n = text.size();
  if (n == 0) return true;
#if defined(__SSE2__)
  // Sixteen bytes at a time; a run shorter than that (most are) is copied into a block first,
  // as nothing past it may be read.
  unsigned bad = 0;
  if (n < 16) {
    alignas(16) unsigned char in[16] = {}, values[16];
    copy_short(in, text.data(), n);
    _mm_store_si128(reinterpret_cast<__m128i*>(values),
                    digit_values16(_mm_load_si128(reinterpret_cast<const __m128i*>(in)), bad));
    copy_short(out, values, n);
    return (bad & ((1u << n) - 1)) == 0;
  }
  // The last block overlaps the one before it where n is no multiple of sixteen: its bytes
  // are written twice with the same values.
  for (std::size_t i = 0;; i = std::min(i + 16, n - 16)) {
    unsigned block_bad;
    const __m128i values = digit_values16(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i)), block_bad);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), values);
    bad |= block_bad;
    if (i + 16 == n) break;
  }
  return bad == 0;
#else
  // Runs hold at most a few dozen bytes: a table read per byte, one test at the end.
  std::uint8_t seen = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t v = kDigitValues.of[static_cast<unsigned char>(text[i])];
    out[i] = v;
    seen |= v;
  }
  return seen != kNotDigit;
#endif
}

bool to_digits16(const char* run, std::size_t n, std::uint8_t* out) {
#if defined(__SSE2__)
  unsigned bad;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                   digit_values16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(run)), bad));
  return (bad & ((1u << n) - 1)) == 0;
#else
  return to_digits(std::string_view(run, n), out);
#endif
}

bool any_masked(std::span<const std::uint8_t> digits) {
  // Eight positions at a time: a byte equal to kMasked becomes zero, and the zero-byte test
  // below is exact for whether any byte of the word is zero.
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  auto holds_mask = [&](std::size_t at) {
    std::uint64_t word;
    std::memcpy(&word, digits.data() + at, 8);
    word ^= kOnes * kMasked;
    return ((word - kOnes) & ~word & kHigh) != 0;
  };
  const std::size_t n = digits.size();
  if (n < 8) {
    for (std::size_t i = 0; i < n; ++i)
      if (digits[i] == kMasked) return true;
    return false;
  }
  // The last eight positions as one word, overlapping the word before it: no position is
  // tested alone (every candidate has eight digits or more).
  for (std::size_t i = 0; i + 8 < n; i += 8)
    if (holds_mask(i)) return true;
  return holds_mask(n - 8);
}

bool digits_start_with(std::span<const std::uint8_t> digits, std::string_view prefix) {
  if (digits.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (digits[i] != static_cast<std::uint8_t>(prefix[i] - '0')) return false;
  return true;
}

bool is_leap_year(unsigned y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

bool is_valid_date(unsigned year, unsigned month, unsigned day) {
  if (month < 1 || month > 12 || day < 1) return false;
  static constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  unsigned last = kDays[month - 1];
  if (month == 2 && is_leap_year(year)) last = 29;
  return day <= last;
}

std::optional<ResidentAnalysis> analyze_resident(std::span<const std::uint8_t> d) {
  return analyze_resident(d, any_masked(d));
}

std::optional<ResidentAnalysis> analyze_resident(std::span<const std::uint8_t> d, bool masked) {
  if (d.size() != 13) return std::nullopt;
  ResidentAnalysis a;
  const std::uint8_t g = d[6];
  switch (g) {
    case 9:
    case 0: a.century = 1800; break;
    case 1:
    case 2: a.century = 1900; break;
    case 3:
    case 4: a.century = 2000; break;
    case 5:
    case 6:
      a.century = 1900;
      a.foreigner = true;
      break;
    case 7:
    case 8:
      a.century = 2000;
      a.foreigner = true;
      break;
    default: a.century = 1900; break;  // masked
  }

  bool date_masked = false;
  for (std::size_t i = 0; i < 6; ++i) date_masked |= d[i] == kMasked;
  if (!date_masked) {
    const unsigned yy = d[0] * 10u + d[1], mm = d[2] * 10u + d[3], dd = d[4] * 10u + d[5];
    unsigned year = a.century + yy;
    bool valid = is_valid_date(year, mm, dd);
    // An unknown century still admits a leap day that only the 2000s allow.
    if (!valid && g == kMasked && mm == 2 && dd == 29 && is_valid_date(2000 + yy, mm, dd)) {
      year = 2000 + yy;
      valid = true;
    }
    if (valid)
      a.birth = Date{static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(mm),
                     static_cast<std::uint8_t>(dd)};
  }

  if (masked) {
    a.checksum = masked_result();
    return a;
  }
  static constexpr unsigned kWeights[12] = {2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5};
  unsigned s = 0;
  for (std::size_t k = 0; k < 12; ++k) s += d[k] * kWeights[k];
  unsigned check = (11 - s % 11) % 10;
  if (a.foreigner) check = (check + 2) % 10;
  a.checksum = check == d[12] ? ChecksumResult::passed() : ChecksumResult::failed();
  return a;
}

ChecksumResult business_checksum(std::span<const std::uint8_t> d) {
  return business_checksum(d, any_masked(d));
}

ChecksumResult business_checksum(std::span<const std::uint8_t> d, bool masked) {
  if (d.size() != 10) return ChecksumResult::failed();
  if (masked) return masked_result();
  static constexpr unsigned kWeights[9] = {1, 3, 7, 1, 3, 7, 1, 3, 5};
  unsigned s = 0;
  for (std::size_t k = 0; k < 9; ++k) s += d[k] * kWeights[k];
  s += d[8] * 5u / 10u;
  const unsigned check = (10 - s % 10) % 10;
  return check == d[9] ? ChecksumResult::passed() : ChecksumResult::failed();
}

ChecksumResult luhn_checksum(std::span<const std::uint8_t> d) {
  return luhn_checksum(d, any_masked(d));
}

ChecksumResult luhn_checksum(std::span<const std::uint8_t> d, bool masked) {
  if (masked) return masked_result();
  // From the last digit back, every second one doubled (less 9 above 9), a pair a step.
  static constexpr unsigned kDoubled[10] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
  unsigned s = 0;
  std::size_t i = d.size();
  for (; i >= 2; i -= 2) s += d[i - 1] + kDoubled[d[i - 2]];
  if (i == 1) s += d[0];
  return s % 10 == 0 ? ChecksumResult::passed() : ChecksumResult::failed();
}

bool iban_check_passes(std::string_view iban) {
  if (iban.size() < 5) return false;
  unsigned m = 0;
  auto add = [&m](char c) {  // a letter counts as two digits: A = 10 ... Z = 35
    m = c <= '9' ? (m * 10 + static_cast<unsigned>(c - '0')) % 97
                 : (m * 100 + static_cast<unsigned>(c - 'A') + 10) % 97;
  };
  for (char c : iban.substr(4)) add(c);
  for (char c : iban.substr(0, 4)) add(c);
  return m == 1;
}

}  // namespace norvane
