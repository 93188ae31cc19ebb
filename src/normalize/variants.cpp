// How people type numbers when nothing checks them (the writing_variants family): a Hangul
// letter ㅡ, a tilde or ㆍ for a hyphen, masks drawn with ●, ○, ■ or # over some digits, and a
// line break inside a number after a hyphen or a space (or a plain one inside a telephone, card
// or account number), keycap emoji digits (0️⃣1️⃣0️⃣). Each becomes what the later passes and
// the detector know: "-", "*", or nothing.
#include <algorithm>
#include <array>

#include "error/interrupt.hpp"
#include "normalize/passes.hpp"
#include "normalize/rule_names.hpp"
#include "normalize/scanned_titles.hpp"
#include "normalize/unicode.hpp"
#include "span/utf8.hpp"

namespace norvane::passes {

namespace {

// Every character read here starts with one of these bytes (the symbols with E2, the Hangul
// letters with E3, × with C3).
constexpr unicode::ByteSet kMayVary{0xE2, 0xE3, {'\n', '#', '~', 0xC3}, 4};

enum class Variant : std::uint8_t { none, dash, joiner, mask };

struct Char {
  Variant kind = Variant::none;
  std::size_t len = 0;
};

// What the character at i stands for. A dash stands for a hyphen wherever digits are on both
// sides; a joiner (~, ㆍ) only when it joins three groups the same way or the halves of a
// resident number (a single one between other numbers is a range or a list: 10~20, 3ㆍ1절).
Char classify(std::string_view s, std::size_t i) {
  std::size_t k = i;
  switch (utf8::decode(s, k)) {
    case U'ㅡ': return {Variant::dash, k - i};
    case U'~':
    case U'ㆍ':
    case U'〜': return {Variant::joiner, k - i};
    case U'●':
    case U'○':
    case U'◯':
    case U'■':
    case U'□':
    case U'×':
    case U'#': return {Variant::mask, k - i};
    default: return {};
  }
}

bool digit_at(std::string_view s, std::size_t i) {
  return i < s.size() && unicode::is_digit_like(static_cast<unsigned char>(s[i]));
}
bool ascii_digit_at(std::string_view s, std::size_t i) {
  return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

// ASCII digits (with `masks`, the mask marks too: digit_at) ending at byte e (exclusive), and
// starting at byte b.
std::size_t digits_before(std::string_view s, std::size_t e, bool masks = false) {
  std::size_t n = 0;
  while (e > n && (masks ? digit_at(s, e - n - 1) : ascii_digit_at(s, e - n - 1))) ++n;
  return n;
}
std::size_t digits_from(std::string_view s, std::size_t b, bool masks = false) {
  std::size_t n = 0;
  while (masks ? digit_at(s, b + n) : ascii_digit_at(s, b + n)) ++n;
  return n;
}

// Whether a mask character ends at byte e (the group before: 1988-●●-●●).
bool mask_before(std::string_view s, std::size_t e) {
  if (e == 0) return false;
  std::size_t k = e;
  unicode::decode_before(s, k);
  return classify(s, k).kind == Variant::mask;
}

// A stretch of masks [a, b) belongs to a number: just before it a digit, a hyphen, dot or space
// after a digit, or a hyphen or dot after a mask, or a space after the previous stretch that
// masked a number (5214 87●● ●●●● 0803); or (two masks or more) just after it a digit, "@", or
// a hyphen or dot before a digit or a mask.
bool masks_a_number(std::string_view s, std::size_t a, std::size_t b, std::size_t count,
                    bool after_masked_group) {
  if (a > 0 && digit_at(s, a - 1)) return true;
  if (after_masked_group) return true;
  if (a > 1 && (s[a - 1] == '-' || s[a - 1] == '.' || s[a - 1] == ' ') &&
      (digit_at(s, a - 2) || (s[a - 1] != ' ' && mask_before(s, a - 1))))
    return true;
  if (count < 2 || b >= s.size()) return false;
  if (digit_at(s, b) || s[b] == '@') return true;
  return (s[b] == '-' || s[b] == '.') && b + 1 < s.size() &&
         (digit_at(s, b + 1) || classify(s, b + 1).kind == Variant::mask);
}

// Digits in groups joined by single spaces or hyphens, from b (forwards) or ending at e
// (backwards); the count, and where the stretch ends or starts.
std::size_t grouped_digits_from(std::string_view s, std::size_t b, std::size_t& end) {
  std::size_t n = 0;
  end = b;
  for (std::size_t k = b; ascii_digit_at(s, k);) {
    while (ascii_digit_at(s, k)) ++k, ++n;
    end = k;
    if (k + 1 < s.size() && (s[k] == ' ' || s[k] == '-') && ascii_digit_at(s, k + 1)) ++k;
  }
  return n;
}
std::size_t grouped_digits_before(std::string_view s, std::size_t e, std::size_t& start) {
  std::size_t n = 0;
  start = e;
  for (std::size_t k = e; k > 0 && ascii_digit_at(s, k - 1);) {
    while (k > 0 && ascii_digit_at(s, k - 1)) --k, ++n;
    start = k;
    if (k > 1 && (s[k - 1] == ' ' || s[k - 1] == '-') && ascii_digit_at(s, k - 2)) --k;
  }
  return n;
}

// A telephone number cut by a plain line break (010 / 1234 5678): the digits before the break
// start with a mobile or area code and are too few for a number, and with those after it they
// make one (nine to eleven digits).
bool phone_cut_at_line_end(std::string_view s, std::size_t before_end, std::size_t after_start) {
  std::size_t start, end;
  const std::size_t a = grouped_digits_before(s, before_end, start);
  if (a < 2 || a > 7 || s[start] != '0' || start + 2 > s.size()) return false;
  if (start > 0 && (unicode::is_digit_like(static_cast<unsigned char>(s[start - 1])) ||
                    s[start - 1] == '-' || s[start - 1] == '.' || s[start - 1] == '<'))
    return false;
  const char c1 = s[start + 1];
  if (!(c1 == '1' || c1 == '2' || (c1 >= '3' && c1 <= '7'))) return false;
  const std::size_t b = grouped_digits_from(s, after_start, end);
  if (b < 4 || (end < s.size() && (unicode::is_digit_like(static_cast<unsigned char>(s[end])) ||
                                   s[end] == '-' || s[end] == '.')))
    return false;
  const std::size_t total = a + b;
  return total >= 9 && total <= 11;
}

// Group lengths of digits joined by single spaces or hyphens, at most `max` of them, from b
// forwards or ending at e backwards; 0 when there are more or when a group is longer than 9.
std::size_t group_lengths_from(std::string_view s, std::size_t b, std::uint8_t* out,
                               std::size_t max, std::size_t& end) {
  std::size_t groups = 0;
  end = b;
  for (std::size_t k = b; ascii_digit_at(s, k);) {
    const std::size_t g = digits_from(s, k);
    if (groups == max || g > 9) return 0;
    out[groups++] = static_cast<std::uint8_t>(g);
    k += g;
    end = k;
    if (k + 1 < s.size() && (s[k] == ' ' || s[k] == '-') && ascii_digit_at(s, k + 1)) ++k;
  }
  return groups;
}
std::size_t group_lengths_before(std::string_view s, std::size_t e, std::uint8_t* out,
                                 std::size_t max, std::size_t& start) {
  std::size_t groups = 0;
  start = e;
  for (std::size_t k = e; k > 0 && ascii_digit_at(s, k - 1);) {
    const std::size_t g = digits_before(s, k);
    if (groups == max || g > 9) return 0;
    out[groups++] = static_cast<std::uint8_t>(g);
    k -= g;
    start = k;
    if (k > 1 && (s[k - 1] == ' ' || s[k - 1] == '-') && ascii_digit_at(s, k - 2)) --k;
  }
  std::reverse(out, out + groups);
  return groups;
}

// Whether the byte at i may stand right beside a number cut at a line end: not a digit (or a
// mask), a hyphen, a dot, a Latin letter or the filler of a passport's machine-readable line,
// which would make the digits part of something else (G385Y0747, 2026-12-12T10, <<<<02).
bool stands_apart(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  return !(unicode::is_digit_like(c) || c == '-' || c == '.' || c == '<' ||
           (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
}

// How card numbers are grouped: four groups of four, or American Express's 4-6-5.
constexpr std::array<std::array<std::uint8_t, 4>, 2> kCardGroupings{{{4, 4, 4, 4}, {4, 6, 5, 0}}};

// A card number cut by a plain line break between two of its groups (4123 5678 / 9012 3456):
// the groups on both sides together are grouped as cards are, and start as cards do (3 to 6,
// or 9 for domestic cards). Whether the digits make a card is for detection to say.
bool card_cut_at_line_end(std::string_view s, std::size_t before_end, std::size_t after_start) {
  std::uint8_t g[8];
  std::size_t start, end;
  const std::size_t a = group_lengths_before(s, before_end, g, 3, start);
  if (a == 0 || (start > 0 && !stands_apart(s, start - 1))) return false;
  if (!(s[start] >= '3' && s[start] <= '6') && s[start] != '9') return false;
  const std::size_t b = group_lengths_from(s, after_start, g + a, 4 - a, end);
  if (b == 0 || (end < s.size() && !stands_apart(s, end))) return false;
  for (const auto& grouping : kCardGroupings) {
    const std::size_t count = grouping[3] == 0 ? 3 : 4;
    if (a + b == count && std::equal(g, g + count, grouping.begin())) return true;
  }
  return false;
}

// A whole mobile number ends the line (010-1234-5678 above 107동 1203호 in a roster): the
// digits after the break are something else.
bool whole_mobile_before(std::string_view s, std::size_t start, const std::uint8_t* g,
                         std::size_t groups) {
  return groups == 3 && s[start] == '0' && s[start + 1] == '1' && g[0] == 3 &&
         (g[1] == 3 || g[1] == 4) && g[2] == 4;
}

// An account number cut by a plain line break between its groups (110 123 / 456789): three or
// four groups of two to seven digits in all, ten to fourteen digits, the first of three to six
// as banks begin them. Two numbers on two lines are rarely grouped so; detection still wants an
// account's label before it reports one.
bool account_cut_at_line_end(std::string_view s, std::size_t before_end, std::size_t after_start) {
  std::uint8_t g[8];
  std::size_t start, end;
  const std::size_t a = group_lengths_before(s, before_end, g, 3, start);
  if (a == 0 || (start > 0 && !stands_apart(s, start - 1))) return false;
  if (whole_mobile_before(s, start, g, a)) return false;
  const std::size_t b = group_lengths_from(s, after_start, g + a, 4 - a, end);
  if (b == 0 || (end < s.size() && !stands_apart(s, end))) return false;
  const std::size_t groups = a + b;
  if (groups < 3 || g[0] < 3 || g[0] > 6) return false;
  std::size_t digits = 0;
  for (std::size_t k = 0; k < groups; ++k) {
    if (g[k] < 2 || g[k] > 7) return false;
    digits += g[k];
  }
  return digits >= 10 && digits <= 14;
}

// A time of day at i (14:32, 9:05): a chat export's stamp on the line after a message, never the
// rest of a number cut at the line's end.
bool clock_at(std::string_view s, std::size_t i) {
  std::size_t hour = 0;
  while (i + hour < s.size() && ascii_digit_at(s, i + hour)) ++hour;
  return (hour == 1 || hour == 2) && i + hour < s.size() && s[i + hour] == ':' &&
         ascii_digit_at(s, i + hour + 1) && ascii_digit_at(s, i + hour + 2);
}

// A resident or foreigner number read off a scanned card line by line: the six digits of the
// birth date end a line, the seven others (maybe after a hyphen) make the next, under a card's
// title or after the number's label (not after any label: 생년월일 850312 / 1234567 keeps its
// date). Whether the number holds (check digit, date) is for detection to say.
bool id_cut_at_line_end(std::string_view s, std::size_t before_end, std::size_t after_start) {
  if (digits_before(s, before_end) != 6) return false;
  const std::size_t start = before_end - 6;
  if (start > 0 && !stands_apart(s, start - 1)) return false;
  const int month = (s[start + 2] - '0') * 10 + (s[start + 3] - '0');
  const int day = (s[start + 4] - '0') * 10 + (s[start + 5] - '0');
  if (month < 1 || month > 12 || day < 1 || day > 31) return false;
  const std::size_t b = after_start + (s[after_start] == '-' ? 1 : 0);
  if (digits_from(s, b) != 7 || s[b] < '1' || s[b] > '8') return false;
  if (b + 7 < s.size() && !stands_apart(s, b + 7)) return false;
  return scanned::title_before(s, start);
}

// A line break at i (a "\n", maybe after "\r") inside a number: before it a hyphen or a space
// after a digit, after it (past any indent) a digit or a hyphen and a digit; or a telephone,
// card or account number cut with nothing before the break, or an ID card's number cut line by
// line (`id_card` is then set). The end of the stretch to drop, or 0. `from` gets its start (the
// "\r" when there is one).
std::size_t wrapped_line(std::string_view s, std::size_t i, std::size_t& from, bool& id_card) {
  from = i > 0 && s[i - 1] == '\r' ? i - 1 : i;
  std::size_t k = from;
  std::size_t seps = 0;
  while (k > 0 && seps < 3 && (s[k - 1] == '-' || s[k - 1] == ' ')) --k, ++seps;
  if (k == 0 || !ascii_digit_at(s, k - 1)) return 0;
  std::size_t e = i + 1;
  while (e < s.size() && (s[e] == ' ' || s[e] == '\t') && e - i <= 8) ++e;
  if (seps == 0) {
    // Each cut needs digits right after the break (or the hyphen of a telephone's rest: 010 /
    // -1234-5678); most lines ending in a digit (a row, a log line) are followed by words, and
    // the groups before the break are not counted for them.
    const std::size_t rest = e + 1 < s.size() && s[e] == '-' ? e + 1 : e;
    if (!ascii_digit_at(s, rest) || clock_at(s, e)) return 0;
    if (phone_cut_at_line_end(s, k, rest)) return e;
    if (id_cut_at_line_end(s, k, e)) {
      id_card = true;
      return e;
    }
    return rest == e && (card_cut_at_line_end(s, k, e) || account_cut_at_line_end(s, k, e)) ? e : 0;
  }
  if (ascii_digit_at(s, e) || (e + 1 < s.size() && s[e] == '-' && ascii_digit_at(s, e + 1)))
    return e;
  return 0;
}

// A keycap emoji digit is the digit, an optional emoji selector (U+FE0F) and the combining
// keycap (U+20E3): where the keycap starts at i after a digit, where its marks start, or 0.
constexpr std::string_view kKeycap = "\xE2\x83\xA3", kEmojiSelector = "\xEF\xB8\x8F";
std::size_t keycap_mark_from(std::string_view s, std::size_t i) {
  if (s.substr(i, kKeycap.size()) != kKeycap) return 0;
  std::size_t from = i;
  if (from >= kEmojiSelector.size() &&
      s.substr(from - kEmojiSelector.size(), kEmojiSelector.size()) == kEmojiSelector)
    from -= kEmojiSelector.size();
  return from > 0 && ascii_digit_at(s, from - 1) ? from : 0;
}

// Spaces around a dash: one on each side at most.
std::size_t space_before(std::string_view s, std::size_t i) {
  return i > 0 && s[i - 1] == ' ' ? 1 : 0;
}
std::size_t space_after(std::string_view s, std::size_t i) {
  return i < s.size() && s[i] == ' ' ? 1 : 0;
}

}  // namespace

// A joiner at i of length len joins three groups the same way: digits, joiner, digits, the
// same joiner, digits (either as the first or as the second joiner); or the two halves of a
// resident number (six digits and seven).
bool joins_groups(std::string_view s, std::size_t i, std::size_t len) {
  const std::string_view j = s.substr(i, len);
  const std::size_t left = digits_before(s, i), right = digits_from(s, i + len);
  if (left < 2 || right < 2) return false;
  if (left == 6 && right == 7) return true;
  const std::size_t after = i + len + right;
  if (s.substr(after, len) == j && digits_from(s, after + len) >= 2) return true;
  const std::size_t before = i - left;
  return before >= len && s.substr(before - len, len) == j && digits_before(s, before - len) >= 2;
}

namespace {

// A joiner at i of length len joins the three groups of a partly masked number the same way:
// a lead of digits that shows what the number is (010~****~*920, 1985~**~**), then two groups
// of digits and masks; the joiner either the first or the second.
bool joins_masked_groups(std::string_view s, std::size_t i, std::size_t len) {
  constexpr bool kMasks = true;
  const std::string_view j = s.substr(i, len);
  auto lead_ends_at = [&](std::size_t e) {
    const std::size_t n = digits_before(s, e);
    return n >= 2 && digits_before(s, e, kMasks) == n;
  };
  const std::size_t right = digits_from(s, i + len, kMasks);
  if (right < 2) return false;
  if (lead_ends_at(i)) {
    const std::size_t after = i + len + right;
    return s.substr(after, len) == j && digits_from(s, after + len, kMasks) >= 2;
  }
  const std::size_t left = digits_before(s, i, kMasks);
  if (left < 2 || i - left < len) return false;
  const std::size_t before = i - left;
  return s.substr(before - len, len) == j && lead_ends_at(before - len);
}

// A dash set off by one space on each side, written the same at the next or the previous join
// of the number (068 ㅡ 390 ㅡ 641338), or between the halves of a resident number: the spaces
// belong to the dash, not between two numbers. (The separator pass reads 18 - 21 - ... so.)
bool spaced_dash_joins(std::string_view s, std::size_t from, std::size_t to) {
  return s[from] == ' ' && s[to - 1] == ' ' && joins_groups(s, from, to - from);
}

}  // namespace

std::optional<PassOutput> read_writing_variants(std::string_view text) {
  const std::size_t n = text.size();
  BuilderIfChanged b;
  std::size_t emitted = 0;
  auto start = [&](std::size_t at) {
    if (!b) b.emplace(n);
    b->keep(text.substr(emitted, at - emitted));
  };
  interrupt::Poll poll;
  for (std::size_t i = 0;;) {
    i = unicode::find_byte<kMayVary>(text, i);
    if (i >= n) break;
    poll.reach(i);
    if (text[i] == '\n') {
      std::size_t from;
      bool id_card = false;
      if (const std::size_t e = wrapped_line(text, i, from, id_card); e != 0 && from >= emitted) {
        start(from);
        b->absorb(text.substr(from, e - from),
                  id_card ? rules::kValueScannedIdLine : rules::kValueWrappedLine,
                  AbsorbClass::whitespace);
        emitted = e;
        i = e;
        continue;
      }
      ++i;
      continue;
    }
    // The digit stands for the whole keycap, so a finding ending on it covers the marks too.
    if (const std::size_t from = keycap_mark_from(text, i); from != 0 && from - 1 >= emitted) {
      start(from - 1);
      b->replace(text.substr(from - 1, i + kKeycap.size() - (from - 1)), text.substr(from - 1, 1),
                 rules::kValueKeycapDigit);
      emitted = i = i + kKeycap.size();
      continue;
    }
    const Char c = classify(text, i);
    if (c.kind == Variant::none) {
      i += utf8::seq_len(static_cast<unsigned char>(text[i]));
      continue;
    }
    if (c.kind == Variant::mask) {
      std::size_t e = i, count = 0;
      for (Char m = c; m.kind == Variant::mask && (text[i] == '#') == (text[e] == '#');
           m = classify(text, e)) {
        e += m.len;
        ++count;
        if (e >= n) break;
      }
      // # and × stand alone for a number sign and a product (No. #3, 30×40), not after a masked
      // group (3704 41#### #3210).
      const bool lone_is_sign = text[i] == '#' || static_cast<unsigned char>(text[i]) == 0xC3;
      const bool after_masked_group = emitted != 0 && i == emitted + 1 && text[emitted] == ' ' &&
                                      mask_before(text, emitted);
      if ((lone_is_sign && count < 2 && !after_masked_group) ||
          !masks_a_number(text, i, e, count, after_masked_group)) {
        i = e;
        continue;
      }
      start(i);
      for (std::size_t k = i; k < e;) {
        const std::size_t len = classify(text, k).len;
        b->replace(text.substr(k, len), "*", rules::kValuePartlyMasked);
        k += len;
      }
      emitted = e;
      i = e;
      continue;
    }
    // A dash or joiner between digits, maybe with a space on each side (010 ㅡ 1234).
    const std::size_t sb = space_before(text, i), sa = space_after(text, i + c.len);
    const std::size_t from = i - sb, to = i + c.len + sa;
    const bool between = digits_before(text, from) >= 2 && digits_from(text, to) >= 2;
    const bool ok =
        c.kind == Variant::dash ? between
                                : sb == 0 && sa == 0 &&
                                      (joins_groups(text, i, c.len) ||
                                       joins_masked_groups(text, i, c.len));
    if (!ok || from < emitted) {
      i += c.len;
      continue;
    }
    start(from);
    if (c.kind == Variant::dash && sb && sa && spaced_dash_joins(text, from, to)) {
      b->replace(text.substr(from, to - from), "-", rules::kValueDashSpaced);
      emitted = to;
      i = to;
      continue;
    }
    if (sb) b->keep(text.substr(from, sb));
    b->replace(text.substr(i, c.len), "-", rules::kValueDashLookalike);
    if (sa) b->keep(text.substr(i + c.len, sa));
    emitted = to;
    i = to;
  }
  if (!b) return std::nullopt;
  b->keep(text.substr(emitted));
  return b->finish();
}

}  // namespace norvane::passes
