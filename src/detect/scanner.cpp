#include "detect/scanner.hpp"

#include <algorithm>
#include <cstring>

#include "span/utf8.hpp"

namespace norvane {

namespace {

inline bool is_digit(unsigned char c) { return c >= '0' && c <= '9'; }
inline bool is_upper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
inline bool is_letter(unsigned char c) { return is_upper(c) || (c >= 'a' && c <= 'z'); }
inline bool is_alnum(unsigned char c) { return is_letter(c) || is_digit(c); }
inline bool is_run_char(unsigned char c) { return is_digit(c) || c == '*' || c == 'X' || c == 'x'; }
inline bool is_local_char(unsigned char c) {
  return is_alnum(c) || c == '%' || c == '+' || c == '-' || c == '.' || c == '_';
}
inline bool is_domain_char(unsigned char c) { return is_alnum(c) || c == '-' || c == '.'; }
inline bool starts_char(unsigned char c) { return !utf8::is_continuation(c); }

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
    if (!is_letter(p[k])) return false;
  return true;
}

// Moves i to the next byte that `wanted` accepts (or n), adding the characters passed over
// to `chars`: the skipping is a tight byte test, the counting eight bytes at a time.
template <class Wanted>
void skip_to(const unsigned char* p, std::size_t n, std::size_t& i, std::uint32_t& chars, Wanted wanted) {
  const std::size_t from = i;
  while (i < n && !wanted(p[i])) ++i;
  chars += static_cast<std::uint32_t>(
      utf8::count_chars(std::string_view(reinterpret_cast<const char*>(p) + from, i - from)));
}

}  // namespace

std::vector<Span> digit_runs(std::string_view text) {
  std::vector<Span> out;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::uint32_t chars = 0;
  std::size_t i = 0;
  while (i < n) {
    if (!is_run_char(p[i])) {
      skip_to(p, n, i, chars, is_run_char);
      continue;
    }
    const std::size_t start = i;
    const std::uint32_t char_start = chars;
    std::size_t digits = 0;
    while (i < n && is_run_char(p[i])) {
      digits += is_digit(p[i]);
      ++i;
    }
    chars += static_cast<std::uint32_t>(i - start);
    if (digits >= 2) out.push_back(make_span(start, i, char_start, chars));
  }
  return out;
}

std::vector<Span> emails(std::string_view text) {
  std::vector<Span> out;
  if (text.find('@') == std::string_view::npos) return out;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::uint32_t chars = 0;  // character offset of byte i
  std::size_t i = 0;
  while (i < n) {
    if (p[i] != '@') {
      const void* at = std::memchr(p + i, '@', n - i);
      const std::size_t next = at ? static_cast<std::size_t>(static_cast<const unsigned char*>(at) - p) : n;
      chars += static_cast<std::uint32_t>(
          utf8::count_chars(std::string_view(reinterpret_cast<const char*>(p) + i, next - i)));
      i = next;
      continue;
    }
    // Everything scanned around "@" is ASCII, so bytes and characters agree there.
    std::size_t s = i;
    while (s > 0 && is_local_char(p[s - 1])) --s;
    while (s < i && p[s] == '.') ++s;
    bool ok = s < i && p[i - 1] != '.';
    std::size_t e = i + 1;
    if (ok) {
      while (e < n && is_domain_char(p[e])) ++e;
      while (e > i + 1 && (p[e - 1] == '-' || p[e - 1] == '.')) --e;
      ok = e > i + 1 && domain_ok(p, i + 1, e);
    }
    if (ok) {
      out.push_back(make_span(s, e, chars - static_cast<std::uint32_t>(i - s),
                              chars + static_cast<std::uint32_t>(e - i)));
      chars += static_cast<std::uint32_t>(e - i);
      i = e;
    } else {
      ++chars;
      ++i;
    }
  }
  return out;
}

std::vector<Span> passports(std::string_view text) {
  std::vector<Span> out;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::uint32_t chars = 0;
  std::size_t i = 0;
  while (i < n) {
    if (!is_upper(p[i])) {
      skip_to(p, n, i, chars, is_upper);
      continue;
    }
    if (i > 0 && is_alnum(p[i - 1])) {
      ++chars;
      ++i;
      continue;
    }
    const std::size_t letters = (i + 1 < n && is_upper(p[i + 1])) ? 2 : 1;
    std::size_t d = i + letters;
    while (d < n && is_digit(p[d])) ++d;
    const std::size_t digits = d - (i + letters), total = letters + digits;
    if ((digits == 7 || digits == 8) && (total == 8 || total == 9) && (d == n || !is_alnum(p[d])))
      out.push_back(make_span(i, d, chars, chars + static_cast<std::uint32_t>(total)));
    const std::size_t next = std::max(i + 1, d);
    chars += static_cast<std::uint32_t>(next - i);
    i = next;
  }
  return out;
}

}  // namespace norvane
