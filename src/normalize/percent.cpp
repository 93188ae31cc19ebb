// Reads percent-encoded text (query strings, access logs, form posts) as it was before encoding:
// hong%40naver.com is hong@naver.com, 010%2D1234%2D5678 and name=%ED%99%8D+%EA%B8%B8 too.

#include <cstdint>

#include "error/interrupt.hpp"
#include "normalize/passes.hpp"
#include "normalize/rule_names.hpp"
#include "normalize/unicode.hpp"

namespace norvane::passes {

namespace {

constexpr unicode::ByteSet kEncoding{1, 0, {'%', '+'}, 2};
// A token ends at ASCII white space: an encoded value never holds a raw one.
constexpr unicode::ByteSet kTokenEnd{1, 0, {' ', '\t', '\n', '\r'}, 4};

int hex_value(unsigned char c) {
  if (unicode::is_ascii_digit(c)) return c - '0';
  const unsigned char lower = unicode::ascii_lower(c);
  if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return -1;
}

// The byte that the escape at i (%XY) stands for, or -1.
int escaped_byte(std::string_view s, std::size_t i) {
  if (i + 3 > s.size() || s[i] != '%') return -1;
  const int high = hex_value(static_cast<unsigned char>(s[i + 1]));
  const int low = hex_value(static_cast<unsigned char>(s[i + 2]));
  if (high < 0 || low < 0) return -1;
  return high * 16 + low;
}

// One decoded character: where its escapes end in the source, and its UTF-8 bytes.
struct Escape {
  std::size_t end = 0;  // 0: the escapes read no character
  char bytes[4] = {};
  std::uint8_t size = 0;
  bool signals_encoding = false;  // what only an encoder writes: not a letter or a digit
};

// The character that the escapes at i spell: printable ASCII, or a whole well-formed UTF-8
// sequence of two to four escapes. Control characters and broken sequences stay as written.
Escape read_escape(std::string_view s, std::size_t i) {
  Escape e;
  const int lead = escaped_byte(s, i);
  if (lead < 0) return e;
  if (lead < 0x80) {
    if (lead < 0x20 || lead == 0x7F) return e;
    e.end = i + 3;
    e.bytes[0] = static_cast<char>(lead);
    e.size = 1;
    e.signals_encoding = !unicode::is_ascii_digit(static_cast<unsigned char>(lead)) &&
                         !unicode::is_ascii_letter(static_cast<unsigned char>(lead));
    return e;
  }
  // Lead bytes of well-formed sequences only (no overlong C0/C1, nothing past U+10FFFF).
  std::size_t size;
  char32_t cp;
  if (lead >= 0xC2 && lead <= 0xDF) size = 2, cp = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF) size = 3, cp = lead & 0x0F;
  else if (lead >= 0xF0 && lead <= 0xF4) size = 4, cp = lead & 0x07;
  else return e;
  for (std::size_t k = 1; k < size; ++k) {
    const int b = escaped_byte(s, i + 3 * k);
    if (b < 0 || (b & 0xC0) != 0x80) return e;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[size] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return e;
  if (cp < 0xA0) return e;  // C1 controls
  for (std::size_t k = 0; k < size; ++k) e.bytes[k] = static_cast<char>(escaped_byte(s, i + 3 * k));
  e.size = static_cast<std::uint8_t>(size);
  e.end = i + 3 * size;
  e.signals_encoding = true;
  return e;
}

bool is_alnum_at(std::string_view s, std::size_t i) {
  if (i >= s.size()) return false;
  const auto c = static_cast<unsigned char>(s[i]);
  return unicode::is_ascii_digit(c) || unicode::is_ascii_letter(c);
}

// Whether the token reads as percent-encoded: an escape that only an encoder writes (%40, %20,
// %2D, %ED%99%8D); or, inside a query (a key=value, a path), any escape or a "+" between two
// letters or digits (tel=010+1234+5678) where no raw @ stands. "10%3000원" is prose.
bool is_encoded(std::string_view token, bool raw_at) {
  bool escape = false, query = false;
  for (std::size_t i = 0; i < token.size(); ++i) {
    const char c = token[i];
    if (c == '=' || c == '?' || c == '&' || c == '/') query = true;
    if (c == '+' && !raw_at && i > 0 && is_alnum_at(token, i - 1) && is_alnum_at(token, i + 1))
      escape = true;
    if (c != '%') continue;
    const Escape e = read_escape(token, i);
    if (e.end == 0) continue;
    if (e.signals_encoding) return true;
    escape = true;
    i = e.end - 1;
  }
  return escape && query;
}

// A "+" starts an international number (+82) after the start of a value; elsewhere in an
// encoded token it stands for a space.
bool plus_is_space(std::string_view token, std::size_t i) {
  const bool digit_after =
      i + 1 < token.size() && unicode::is_ascii_digit(static_cast<unsigned char>(token[i + 1]));
  if (!digit_after) return true;
  if (i == 0) return false;
  switch (token[i - 1]) {
    case '=':
    case '?':
    case '&':
    case ':':
    case '"':
    case '\'':
    case '(': return false;
    default: return true;
  }
}

}  // namespace

std::optional<PassOutput> decode_percent_escapes(std::string_view text) {
  const std::size_t n = text.size();
  BuilderIfChanged b;
  std::size_t emitted = 0;
  interrupt::Poll poll;
  // Every encoded token holds a "%" or a "+".
  for (std::size_t i = unicode::find_byte<kEncoding>(text, 0); i < n;) {
    poll.reach(i);
    std::size_t start = i;
    while (start > emitted && !kTokenEnd.has(static_cast<unsigned char>(text[start - 1]))) --start;
    const std::size_t end = unicode::find_byte<kTokenEnd>(text, i);
    const std::string_view token = text.substr(start, end - start);
    // A raw @ is an address's, and a + before it its tag (hong+shop@naver.com): not a space.
    const bool raw_at = token.find('@') != std::string_view::npos;
    if (is_encoded(token, raw_at)) {
      if (!b) b.emplace(n);
      b->keep(text.substr(emitted, start - emitted));
      std::size_t kept = 0;
      for (std::size_t k = 0; k < token.size(); ++k) {
        if (token[k] == '%') {
          const Escape e = read_escape(token, k);
          if (e.end == 0) continue;
          b->keep(token.substr(kept, k - kept));
          b->replace(token.substr(k, e.end - k), std::string_view(e.bytes, e.size),
                     rules::kValuePercentEscape);
          kept = e.end;
          k = e.end - 1;
        } else if (token[k] == '+' && !raw_at && plus_is_space(token, k)) {
          b->keep(token.substr(kept, k - kept));
          b->replace(token.substr(k, 1), " ", rules::kValuePlusSpace);
          kept = k + 1;
        }
      }
      b->keep(token.substr(kept));
      emitted = end;
    }
    i = unicode::find_byte<kEncoding>(text, end);
  }
  if (!b) return std::nullopt;
  b->keep(text.substr(emitted));
  return b->finish();
}

}  // namespace norvane::passes
