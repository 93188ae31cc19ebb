// Absorbs runs of separators that lie between two digit-like characters.
#include <algorithm>
#include <array>
#include <cstdint>

#include "error/interrupt.hpp"
#include "normalize/passes.hpp"
#include "normalize/rule_names.hpp"
#include "normalize/spoken_labels.hpp"
#include "normalize/unicode.hpp"

namespace norvane::passes {

namespace {

// The separators, by the rule that absorbs them.
enum class SepKind : std::uint8_t { none, whitespace, paren, comma, hyphen, dot, middot };

constexpr std::array<RuleName, 7> kRules{{
    {},
    rules::kSeparatorWhitespace,
    rules::kSeparatorParen,
    rules::kSeparatorComma,
    rules::kSeparatorHyphen,
    rules::kSeparatorDot,
    rules::kSeparatorMiddot,
}};

struct Sep {
  std::size_t len = 0;  // bytes; 0 when no separator starts here
  SepKind kind = SepKind::none;

  RuleName rule() const { return kRules[static_cast<std::size_t>(kind)]; }
  AbsorbClass cls() const {
    return kind == SepKind::whitespace ? AbsorbClass::whitespace : AbsorbClass::separator;
  }
};

// The one-byte separators by byte. The two middle dots, U+00B7 and U+30FB, start with C2
// and E3: those bytes are marked middot and checked further.
constexpr std::array<SepKind, 256> kSepByte = [] {
  std::array<SepKind, 256> t{};
  t[0x09] = t[0x20] = SepKind::whitespace;
  t['('] = t[')'] = SepKind::paren;
  t[','] = SepKind::comma;
  t['-'] = SepKind::hyphen;
  t['.'] = SepKind::dot;
  t[0xC2] = t[0xE3] = SepKind::middot;
  return t;
}();

inline Sep separator_at(std::string_view s, std::size_t i) {
  if (i >= s.size()) return {};
  const auto c = static_cast<unsigned char>(s[i]);
  const SepKind kind = kSepByte[c];
  if (kind == SepKind::none) return {};
  if (kind != SepKind::middot) return {1, kind};
  if (c == 0xC2)
    return i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0xB7 ? Sep{2, kind} : Sep{};
  return i + 2 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0x83 &&
                 static_cast<unsigned char>(s[i + 2]) == 0xBB
             ? Sep{3, kind}
             : Sep{};
}

// Digit-like characters are ASCII, so a byte test suffices.
constexpr std::array<bool, 256> kDigitLike = [] {
  std::array<bool, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = unicode::is_digit_like(static_cast<char32_t>(c));
  return t;
}();

bool digit_like_byte(std::string_view s, std::size_t i) {
  return i < s.size() && kDigitLike[static_cast<unsigned char>(s[i])];
}

// Whether the groups joined by kJoin (에 and a space, or a joining word) around the join at i
// make a number that is read out so: a telephone number (its first digit 0), eleven digits or
// more (an account, a resident number) or groups of spoken::kReadOutGroupShapes. Scores and sizes
// listed the same way (90에 85에 100) are shorter. No number has more than five groups: the
// walk looks at that many on either side, so a long list costs no more.
bool read_out_number(std::string_view s, std::size_t i, std::string_view kJoin) {
  constexpr int kMaxGroups = 5;
  auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
  std::size_t first = i, digits = 0;
  while (first > 0 && digit(first - 1)) --first, ++digits;
  int groups = 1;
  for (; groups < kMaxGroups && first >= kJoin.size() + 1 &&
         s.substr(first - kJoin.size(), kJoin.size()) == kJoin && digit(first - kJoin.size() - 1);
       ++groups) {
    first -= kJoin.size();
    while (first > 0 && digit(first - 1)) --first, ++digits;
  }
  std::size_t k = i;
  for (int g = 1; g < kMaxGroups && s.substr(k, kJoin.size()) == kJoin && digit(k + kJoin.size());
       ++g, ++groups) {
    k += kJoin.size();
    while (digit(k)) ++k, ++digits;
  }
  if (s[first] == '0' || digits >= 11) return true;
  // The groups' lengths, read from the first group on.
  std::array<std::size_t, spoken::kReadOutGroups> lengths{};
  if (groups != static_cast<int>(lengths.size())) return false;
  for (std::size_t g = 0, p = first; g < lengths.size(); ++g, p += kJoin.size()) {
    const std::size_t b = p;
    while (digit(p)) ++p;
    lengths[g] = p - b;
  }
  for (const auto& shape : spoken::kReadOutGroupShapes)
    if (shape == lengths) return true;
  return false;
}

// Words typed between the groups of a telephone number to pass a marketplace's filter (010
// 다음 1234 다음 5678, 010쩜1234쩜5678).
constexpr std::string_view kJoiningWords[] = {"다음",   "쩜", "다시", "하고",
                                              "그리고", "띠", "대시", "에"};

// The bytes of a joining word at i, right after a group of digits, with a space on both sides
// or on neither, when a digit follows; or 0.
std::size_t joining_word_at(std::string_view s, std::size_t i) {
  const std::size_t gap = i < s.size() && s[i] == ' ' ? 1 : 0;
  // Every word is Korean: most numbers are followed by anything else.
  if (i + gap >= s.size() || static_cast<unsigned char>(s[i + gap]) < 0xEA) return 0;
  for (std::string_view w : kJoiningWords) {
    if (s.substr(i + gap, w.size()) != w) continue;
    const std::size_t end = i + gap + w.size();
    if (gap && (end >= s.size() || s[end] != ' ')) continue;
    if (end + gap < s.size() && s[end + gap] >= '0' && s[end + gap] <= '9') return end + gap - i;
  }
  return 0;
}

// A whole date written with separators (1942.03.26, 2001/02/13, 1986. 7. 6, 13.01.1990) that
// starts at byte b: its end, or 0. Its two separators are one mark, spaces around it for dots only.
std::size_t whole_date_from(std::string_view s, std::size_t b) {
  const std::size_t n = s.size();
  auto digit = [&](std::size_t k) { return k < n && s[k] >= '0' && s[k] <= '9'; };
  if (!digit(b) || (b > 0 && digit(b - 1))) return 0;
  std::size_t k = b;
  unsigned parts[3] = {0, 0, 0};
  std::size_t widths[3] = {0, 0, 0};
  char mark = 0;
  for (int p = 0; p < 3; ++p) {
    if (p > 0) {
      std::size_t m = k;
      if (mark == '.')
        while (m < n && s[m] == ' ') ++m;
      if (m >= n || (mark ? s[m] != mark : (s[m] != '.' && s[m] != '-' && s[m] != '/'))) return 0;
      mark = s[m++];
      if (mark == '.')
        while (m < n && s[m] == ' ') ++m;
      k = m;
    }
    const std::size_t from = k;
    while (digit(k) && k - from < 5) parts[p] = parts[p] * 10 + static_cast<unsigned>(s[k++] - '0');
    widths[p] = k - from;
  }
  if (digit(k)) return 0;
  auto month_day = [](unsigned m, unsigned d) { return m >= 1 && m <= 12 && d >= 1 && d <= 31; };
  auto year = [](std::size_t w, unsigned y) { return w == 2 || (w == 4 && y >= 1900 && y <= 2099); };
  const bool year_first = year(widths[0], parts[0]) && widths[1] <= 2 && widths[2] <= 2 &&
                          month_day(parts[1], parts[2]);
  const bool year_last = widths[2] == 4 && year(4, parts[2]) && widths[0] <= 2 && widths[1] <= 2 &&
                         (month_day(parts[1], parts[0]) || month_day(parts[0], parts[1]));
  return year_first || year_last ? k : 0;
}

// Whether a whole date written with separators ends at byte e.
bool whole_date_ends_at(std::string_view s, std::size_t e) {
  // Most numbers before a space have no date's mark before their last group: let them go first.
  std::size_t k = e;
  while (k > 0 && e - k < 4 && s[k - 1] >= '0' && s[k - 1] <= '9') --k;
  while (k > 0 && s[k - 1] == ' ') --k;
  if (k == 0 || (s[k - 1] != '.' && s[k - 1] != '-' && s[k - 1] != '/')) return false;
  constexpr std::size_t kLongestDate = 16;  // 1986. 12. 31 with spaces around its dots
  for (std::size_t b = e > kLongestDate ? e - kLongestDate : 0; b < e; ++b)
    if (whole_date_from(s, b) == e) return true;
  return false;
}

// After the gap [i, v): a gap that opens with a dot may be the date's own (1986. 7. 6), so only
// a gap of another kind parts the date after it.
bool whole_date_after(std::string_view s, std::size_t i, std::size_t v) {
  return s[i] != '.' && whole_date_from(s, v) != 0;
}

bool whole_passport_ends_at(std::string_view s, std::size_t e) {
  return e >= kPassportLength && whole_passport_at(s, e - kPassportLength);
}

bool digit_at(std::string_view s, std::size_t k) {
  return k < s.size() && s[k] >= '0' && s[k] <= '9';
}

// A value written whole with its own marks: groups of two digits or masks or more joined by one
// hyphen or one dot, in a shape no value goes on from (581204-1184181, 010-9426-7193,
// 010.3311.1562, 287-02-13692, 110-123-456789, 26-20-268490-78, 5222-4818-9963-7618). Fewer
// groups than a value has (1234-5678-9012 3456, 11-24-776610 91, 302-1234-5678 91) go on after
// a space, and so do the groups of a number written with spaces (010 5639 5129).
struct WholeShape {
  std::uint8_t widths[3];  // of the first groups; 0 past the last
  bool leading_zero;       // a telephone number's
};
constexpr WholeShape kWholeShapes[] = {
    {{6, 7, 0}, false},                       // a resident's or a foreigner's number
    {{3, 2, 5}, false},                       // a business registration number
    {{2, 3, 4}, true},  {{2, 4, 4}, true},    // telephone numbers: Seoul's,
    {{3, 3, 4}, true},  {{3, 4, 4}, true},    // the other areas' and mobiles,
    {{4, 3, 4}, true},  {{4, 4, 4}, true},    // a safe number's (0504, 0505)
    {{6, 2, 6}, false}, {{3, 3, 6}, false},   // accounts in three groups
    {{4, 3, 6}, false}, {{3, 6, 5}, false},
    {{3, 2, 6}, false}, {{4, 2, 7}, false},
    {{4, 6, 5}, false},                       // a card of fifteen digits
};
// Four groups or more make a whole value (a card, a licence, an account in four groups).
constexpr std::size_t kWholeGroups = 4;
constexpr std::size_t kLongestGroupedValue = 24;  // bytes: a card's or a licence's groups and marks
bool grouped_value_mark(char c) { return c == '-' || c == '.'; }

// The end of a value written whole with its own marks that begins at b, or 0.
std::size_t whole_grouped_value_from(std::string_view s, std::size_t b) {
  std::size_t k = b, groups = 0;
  std::uint8_t widths[3] = {0, 0, 0};
  char mark = 0;
  while (true) {
    const std::size_t from = k;
    while (k - b < kLongestGroupedValue && digit_like_byte(s, k)) ++k;
    if (k - from < 2) return 0;
    if (groups < 3) widths[groups] = static_cast<std::uint8_t>(k - from);
    ++groups;
    if (k + 1 >= s.size() || !grouped_value_mark(s[k]) || (mark && s[k] != mark) ||
        !digit_like_byte(s, k + 1))
      break;
    mark = s[k++];
  }
  if (digit_like_byte(s, k) || groups < 2) return 0;
  if (groups >= kWholeGroups) return k;
  for (const WholeShape& shape : kWholeShapes)
    if (std::equal(widths, widths + 3, shape.widths) && (!shape.leading_zero || s[b] == '0'))
      return k;
  return 0;
}

// Whether such a value ends at e: its first group is found back over groups and marks.
bool grouped_value_ends_at(std::string_view s, std::size_t e) {
  if (e < 2 || !digit_like_byte(s, e - 1) || !digit_like_byte(s, e - 2)) return false;
  std::size_t b = e;
  while (b > 0 && e - b <= kLongestGroupedValue &&
         (digit_like_byte(s, b - 1) ||
          (grouped_value_mark(s[b - 1]) && b >= 2 && digit_like_byte(s, b - 2))))
    --b;
  return e - b <= kLongestGroupedValue && whole_grouped_value_from(s, b) == e;
}

// Whether the digits ending at e are a calling code that leads the number after them: after a
// plus (+82, +1), after the international prefix (0082, 00182) or Korea's own code alone (82).
constexpr std::string_view kInternationalPrefix = "00", kKoreasCallingCode = "82";
bool calling_code_ends_at(std::string_view s, std::size_t e) {
  constexpr std::size_t kLongestCode = 5;  // 00182
  std::size_t b = e;
  while (b > 0 && e - b <= kLongestCode && digit_at(s, b - 1)) --b;
  if (e - b > kLongestCode) return false;
  const std::string_view code = s.substr(b, e - b);
  return (b > 0 && s[b - 1] == '+') || code.starts_with(kInternationalPrefix) ||
         code == kKoreasCallingCode;
}

// Whether such a value begins after the gap [i, v) (5604 8764 7593 8249 065-99-51679), unless a
// calling code before the gap leads it (+82 010-8593-9980).
bool grouped_value_after(std::string_view s, std::size_t i, std::size_t v) {
  return whole_grouped_value_from(s, v) != 0 && !calling_code_ends_at(s, i);
}

// A month and a day written with a slash (9/3, 12/25) and no year: a row's date. Each has one
// digit or two, and no digit or slash stands beside them.
constexpr std::size_t kMonthOrDayDigits = 2;
bool month_day_ends_at(std::string_view s, std::size_t e) {
  std::size_t k = e;
  while (k > 0 && e - k <= kMonthOrDayDigits && digit_at(s, k - 1)) --k;
  if (k == e || e - k > kMonthOrDayDigits || k < 2 || s[k - 1] != '/') return false;
  const std::size_t slash = --k;
  while (k > 0 && slash - k <= kMonthOrDayDigits && digit_at(s, k - 1)) --k;
  return k < slash && slash - k <= kMonthOrDayDigits && (k == 0 || s[k - 1] != '/');
}
bool month_day_after(std::string_view s, std::size_t, std::size_t v) {
  std::size_t k = v;
  while (k - v <= kMonthOrDayDigits && digit_at(s, k)) ++k;
  if (k == v || k - v > kMonthOrDayDigits || k >= s.size() || s[k] != '/') return false;
  const std::size_t slash = k++;
  while (k - slash <= kMonthOrDayDigits + 1 && digit_at(s, k)) ++k;
  return k > slash + 1 && k - slash <= kMonthOrDayDigits + 1 && (k >= s.size() || s[k] != '/');
}

// A clock's time (17:20, 09:30~17:00 ends with one) ends at e.
bool clock_ends_at(std::string_view s, std::size_t e) {
  return e >= 4 && s[e - 3] == ':' && digit_at(s, e - 1) && digit_at(s, e - 2) &&
         digit_at(s, e - 4);
}

// A clock's time (13:40, 9:05) begins after the gap [i, v).
bool clock_after(std::string_view s, std::size_t, std::size_t v) {
  const std::size_t colon = v + (digit_at(s, v + 1) ? 2 : 1);
  return colon < s.size() && s[colon] == ':' && digit_at(s, colon + 1) &&
         digit_at(s, colon + 2) && !digit_at(s, colon + 3);
}

// The words and signs a row writes right after an amount or a measure (489000원, 12.5%, 73kg).
// No group of a number is followed by one.
constexpr std::string_view kQuantityUnits[] = {"원", "만원", "천원", "%", "％", "kg", "KG", "㎏"};

// Whether the three digits at k begin the next field's number rather than an amount's thousands:
// a value written whole with its own marks (91,010-5555-6666, 55,123-45-67890), or a telephone
// number's first group before a space and its next group (90,010 1234 5678). A row's last group
// and a comma before that field are no amount (302 1234 5678 91,010-...).
bool next_fields_number_at(std::string_view s, std::size_t k) {
  constexpr std::size_t kFirstGroup = 3;
  return whole_grouped_value_from(s, k) != 0 ||
         (s[k] == '0' && k + kFirstGroup + 1 < s.size() && s[k + kFirstGroup] == ' ' &&
          digit_at(s, k + kFirstGroup + 1));
}

// An amount with thousands' separators (489,000, 9,000원) or any number with a unit after it
// (489000원, 12.5%, 73kg) begins after the gap [i, v).
bool quantity_after(std::string_view s, std::size_t, std::size_t v) {
  constexpr std::size_t kThousands = 3;
  std::size_t k = v;
  while (digit_at(s, k)) ++k;
  if (k - v <= kThousands && k > v) {
    bool grouped = false;
    while (k < s.size() && s[k] == ',' && digit_at(s, k + 1) && digit_at(s, k + 2) &&
           digit_at(s, k + 3) && !digit_at(s, k + 4) && !next_fields_number_at(s, k + 1))
      k += kThousands + 1, grouped = true;
    if (grouped) return true;
  }
  if (k < s.size() && s[k] == '.' && digit_at(s, k + 1))
    for (++k; digit_at(s, k);) ++k;
  for (std::string_view unit : kQuantityUnits)
    if (s.substr(k, unit.size()) == unit) return true;
  return false;
}

// The fields of a jotted row that a space or a tab beside them sets apart from the next number:
// what may end right before the gap [i, v), and what may begin right after it. A number's own
// groups written with spaces are none of them.
struct RowField {
  bool (*ends_at)(std::string_view s, std::size_t i);
  bool (*begins_after)(std::string_view s, std::size_t i, std::size_t v);
  // Whether it begins a field after a label's X alone too (FAX 2024.01.01), not only after a
  // number: the fax's rules read the X joined to the number after it as a masked digit.
  bool after_a_letter = false;
};
constexpr RowField kRowFields[] = {
    {whole_date_ends_at, whole_date_after, true},  // 생일 1942.03.26 12:00, 2001/02/13 - 62,200원
    {whole_passport_ends_at, nullptr},             // 여권 M511K0351 870,500원
    {grouped_value_ends_at, grouped_value_after},  // 581204-1184181 010-9426-7193
    {month_day_ends_at, month_day_after},          // 9/3 5604 8764 7593 8249 3/12
    {clock_ends_at, clock_after},                  // 08:30 010 5639 5129 09:30~17:00
    {nullptr, quantity_after},                     // 010 5639 5129 489,000원, 12.5%, 73kg
};

// Whether the digit-like characters ending at i hold a digit: a number, not a letter alone.
bool number_ends_at(std::string_view s, std::size_t i) {
  for (std::size_t k = i; k > 0 && digit_like_byte(s, k - 1); --k)
    if (digit_at(s, k - 1)) return true;
  return false;
}

// Whether the gap of separators at [i, v) between two numbers parts two fields of a row.
bool parts_row_fields(std::string_view s, std::size_t i, std::size_t v) {
  if (s.substr(i, v - i).find_first_of(" \t") == std::string_view::npos) return false;
  int number = -1;  // whether a number ends at i, once asked
  for (const RowField& f : kRowFields) {
    if (f.ends_at && f.ends_at(s, i)) return true;
    if (!f.begins_after || !f.begins_after(s, i, v)) continue;
    if (f.after_a_letter) return true;
    if (number < 0) number = number_ends_at(s, i);
    if (number) return true;
  }
  return false;
}

// What parts digits typed one by one: a space, two spaces or a spaced hyphen.
constexpr std::string_view kApart[] = {" - ", "  ", " "};
std::size_t apart_from(std::string_view s, std::size_t b) {
  for (std::string_view a : kApart)
    if (s.substr(b, a.size()) == a) return a.size();
  return 0;
}
std::size_t apart_before(std::string_view s, std::size_t e) {
  for (std::string_view a : kApart)
    if (e >= a.size() && s.substr(e - a.size(), a.size()) == a) return a.size();
  return 0;
}

// Digits typed one by one to pass a filter (0 1 0  1 2 3 4  5 6 7 8, 0 1 0 - 1 2 3 4): the
// separator at [i, v) stands between the single digit [d, i) and the single digit at v, in a
// row of five such digits or more. Two spaces there part the groups of one number, not two
// fields (1 2  3 4 stays two fields).
bool spaced_one_by_one(std::string_view s, std::size_t d, std::size_t i, std::size_t v) {
  constexpr std::size_t kEnough = 5;
  auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
  auto single = [&](std::size_t k) {
    return digit(k) && !digit(k + 1) && !(k > 0 && digit(k - 1));
  };
  if (i - d != 1 || apart_from(s, i) != v - i || !single(d) || !single(v)) return false;
  std::size_t row = 2;
  for (std::size_t k = d, len;
       row < kEnough && (len = apart_before(s, k)) != 0 && k > len && single(k - len - 1);)
    k -= len + 1, ++row;
  for (std::size_t k = v, len;
       row < kEnough && (len = apart_from(s, k + 1)) != 0 && single(k + 1 + len);)
    k += len + 1, ++row;
  return row >= kEnough;
}

// A resident or foreigner number's halves laid out apart by two or three spaces (a form spaced
// by hand, a padded column, a scan: 900115  1234567): six digits that are a date (YYMMDD)
// alone before the gap [i, v), then seven alone whose first is a sex digit (1-8). Read as one
// number where a gap of spaces otherwise parts two fields.
bool registration_halves_apart(std::string_view s, std::size_t d0, std::size_t i, std::size_t v) {
  constexpr std::size_t kFront = 6, kBack = 7, kWidestGap = 3;
  auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
  auto value = [&](std::size_t k) { return (s[k] - '0') * 10 + (s[k + 1] - '0'); };
  if (i - d0 != kFront || v - i > kWidestGap || s.find_first_not_of(' ', i) != v) return false;
  for (std::size_t k = 0; k < kFront; ++k)
    if (!digit(d0 + k)) return false;
  for (std::size_t k = 0; k < kBack; ++k)
    if (!digit(v + k)) return false;
  // Nothing of another number joined before the front or after the back half.
  if (d0 > 0 && (digit(d0 - 1) || (d0 > 1 && s[d0 - 1] != ' ' && digit(d0 - 2)))) return false;
  if (digit(v + kBack)) return false;
  constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int month = value(d0 + 2), day = value(d0 + 4);
  return month >= 1 && month <= 12 && day >= 1 && day <= kDays[month - 1] && s[v] >= '1' &&
         s[v] <= '8';
}

// Whether the separators at [i, v) leave a bracket around a whole number, or open one after a
// number that holds no group of it, with a space between (예약자 (010-1234-5678) 2명,
// 010-1234-5678 (12:30 통화)): an aside begins there, not the next group. A bracket around one
// group is the number's (010 (1234) 5678, +82 (0)10), and so is an area code's bracket, which
// holds four digits at most ((02) 1234-5678).
bool bracket_parts_numbers(std::string_view s, std::size_t i, std::size_t v) {
  constexpr std::size_t kLongestAreaCode = 4, kLongestBracket = 24;
  const std::string_view sep = s.substr(i, v - i);
  const std::size_t open = sep.find('('), close = sep.find(')');
  if (open != std::string_view::npos && open > 0 && sep[open - 1] == ' ') {
    std::size_t k = v;
    while (digit_like_byte(s, k)) ++k;
    return k >= s.size() || s[k] != ')';
  }
  if (close == std::string_view::npos || sep.find(' ', close) == std::string_view::npos)
    return false;
  std::size_t digits = 0;
  for (std::size_t k = i; k > 0 && i - k < kLongestBracket; --k) {
    const char c = s[k - 1];
    if (c == '(') return digits > kLongestAreaCode;
    if (digit_like_byte(s, k - 1)) ++digits;
    else if (c != '-' && c != '.' && c != ' ') return false;
  }
  return false;
}

// Hangul syllables read as digits where they are mixed one by one with digits.
constexpr std::pair<std::string_view, char> kHangulDigits[] = {
    {"공", '0'}, {"영", '0'}, {"일", '1'}, {"이", '2'}, {"삼", '3'}, {"사", '4'},
    {"오", '5'}, {"육", '6'}, {"칠", '7'}, {"팔", '8'}, {"구", '9'}};
constexpr std::string_view kDigitChars = "0123456789";

// The digit the Hangul syllable at k stands for, or 0.
char hangul_digit_at(std::string_view s, std::size_t k) {
  // The syllables start with EA, EC or ED.
  if (k + 3 > s.size() || static_cast<unsigned char>(s[k]) < 0xEA) return 0;
  for (const auto& [word, digit] : kHangulDigits)
    if (s.substr(k, 3) == word) return digit;
  return 0;
}
bool hangul_digit_before(std::string_view s, std::size_t e) {
  return e >= 3 && hangul_digit_at(s, e - 3) != 0;
}

// A telephone number typed with digits and Hangul digits mixed one by one to pass a filter
// (공1공 일234 5육78): around the digits at [d, i), the stretch [from, to) of digits, Hangul
// digits and single spaces or hyphens between them holds some of each kind of digit, ten or
// eleven in all, starting 0 1, and touches no other Hangul syllable.
bool mixed_phone_around(std::string_view s, std::size_t d, std::size_t i, std::size_t& from,
                        std::size_t& to) {
  constexpr std::size_t kLongest = 48;  // bytes: eleven Hangul digits and their separators
  auto ascii = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
  auto apart = [&](std::size_t k) { return k < s.size() && (s[k] == ' ' || s[k] == '-'); };
  from = d;
  while (d - from < kLongest) {
    if (from > 0 && ascii(from - 1)) --from;
    else if (hangul_digit_before(s, from)) from -= 3;
    else if (from >= 2 && apart(from - 1) && (ascii(from - 2) || hangul_digit_before(s, from - 1)))
      --from;
    else break;
  }
  to = i;
  while (to - i < kLongest) {
    if (ascii(to)) ++to;
    else if (hangul_digit_at(s, to)) to += 3;
    else if (apart(to) && (ascii(to + 1) || hangul_digit_at(s, to + 1))) ++to;
    else break;
  }
  if ((from >= 3 && unicode::syllable_at(s, from - 3) >= 0) || unicode::syllable_at(s, to) >= 0)
    return false;
  std::size_t digits = 0, hangul = 0;
  char first = 0, second = 0;
  for (std::size_t k = from; k < to;) {
    char c = 0;
    if (ascii(k)) c = s[k++];
    else if ((c = hangul_digit_at(s, k)) != 0) k += 3, ++hangul;
    else ++k;
    if (c == 0) continue;
    if (digits == 0) first = c;
    else if (digits == 1) second = c;
    ++digits;
  }
  return hangul > 0 && hangul < digits && (digits == 10 || digits == 11) && first == '0' &&
         second == '1';
}

// The first two bytes of the Hangul digits and the joining words (all start with EA to ED),
// as a key: (lead - EA) * 64 + the second byte's low six bits.
constexpr std::size_t two_byte_key(unsigned char lead, unsigned char second) {
  return (lead - 0xEAu) * 64u + (second & 0x3Fu);
}
constexpr std::array<bool, 256> kTypedToPassStarts = [] {
  std::array<bool, 256> t{};
  auto mark = [&](std::string_view w) {
    t[two_byte_key(static_cast<unsigned char>(w[0]), static_cast<unsigned char>(w[1]))] = true;
  };
  for (const auto& [word, digit] : kHangulDigits) mark(word);
  for (std::string_view w : kJoiningWords) mark(w);
  return t;
}();

// Whether a Hangul digit or a joining word may start at k: its first two bytes tell.
bool typed_to_pass_at(std::string_view s, std::size_t k) {
  if (k + 1 >= s.size()) return false;
  const auto lead = static_cast<unsigned char>(s[k]);
  return lead >= 0xEA && lead <= 0xED &&
         kTypedToPassStarts[two_byte_key(lead, static_cast<unsigned char>(s[k + 1]))];
}

// Whether a Hangul digit stands right before the digits at [d, i), or a Hangul digit or a
// joining word right after them (maybe after a space).
bool hangul_beside(std::string_view s, std::size_t d, std::size_t i) {
  return typed_to_pass_at(s, i) || (i < s.size() && s[i] == ' ' && typed_to_pass_at(s, i + 1)) ||
         (d >= 3 && typed_to_pass_at(s, d - 3));
}

// Digits and Hangul digits mixed one by one (the whole number at once), or a joining word
// between the groups, the same at the next or the last join: written into b from `emitted`
// on. Where the text read so ends, or 0. Out of line: most numbers are neither.
[[gnu::noinline]] std::size_t read_typed_to_pass(std::string_view text, std::size_t d,
                                                 std::size_t i, std::size_t emitted,
                                                 BuilderIfChanged& b) {
  if (std::size_t from, to; (hangul_digit_before(text, d) || hangul_digit_at(text, i)) &&
                            mixed_phone_around(text, d, i, from, to) && from >= emitted) {
    if (!b) b.emplace(text.size());
    b->keep(text.substr(emitted, from - emitted));
    std::uint16_t cost = 1;  // one guess for the number, as for a number read out in groups
    for (std::size_t k = from; k < to;) {
      if (const char c = hangul_digit_at(text, k); c != 0) {
        b->numeral(text.substr(k, 3), kDigitChars.substr(c - '0', 1), rules::kDigitsHangulMixed,
                   cost);
        cost = 0;
        k += 3;
      } else if (text[k] == ' ') {
        b->absorb(text.substr(k++, 1), rules::kSeparatorWhitespace, AbsorbClass::whitespace);
      } else if (text[k] == '-') {
        b->absorb(text.substr(k++, 1), rules::kSeparatorHyphen, AbsorbClass::separator);
      } else {
        b->keep(text.substr(k++, 1));
      }
    }
    return to;
  }
  if (const std::size_t len = joining_word_at(text, i);
      len != 0 && joins_groups(text, i, len) && read_out_number(text, i, text.substr(i, len))) {
    if (!b) b.emplace(text.size());
    b->keep(text.substr(emitted, i - emitted));
    b->absorb(text.substr(i, len), rules::kValueJoiningWord, AbsorbClass::separator);
    return i + len;
  }
  return 0;
}

}  // namespace

std::optional<PassOutput> absorb_separators(std::string_view text, bool keep_fields,
                                            bool spaced_dashes) {
  const std::size_t n = text.size();
  BuilderIfChanged b;
  std::size_t emitted = 0;
  std::size_t d = 0;  // candidate digit-like byte
  // A run can only be absorbed when it starts right after a digit-like character.
  interrupt::Poll poll;
  while (true) {
    d = unicode::find_byte<unicode::kDigitLikeBytes>(text, d);
    if (d >= n) break;
    poll.reach(d);
    // Only the last of a run of digit-like characters can be followed by a separator.
    const std::size_t d0 = d;
    const std::size_t i = unicode::skip_bytes<unicode::kDigitLikeBytes>(text, d + 1);
    if (i >= n) break;
    // Numbers typed to pass a filter have a Korean word or digit beside their digits.
    if (spaced_dashes && hangul_beside(text, d0, i)) {
      if (const std::size_t end = read_typed_to_pass(text, d0, i, emitted, b); end != 0) {
        emitted = d = end;
        continue;
      }
    }
    const Sep first = separator_at(text, i);
    if (first.len == 0) {
      // 에 and a space between the groups of a number read out aloud (010에 1234에 5678), the
      // same at the next or the last join, or between the halves of a resident number.
      if (spaced_dashes && text.substr(i, 4) == "에 " && joins_groups(text, i, 4) &&
          read_out_number(text, i, "에 ")) {
        if (!b) b.emplace(n);
        b->keep(text.substr(emitted, i - emitted));
        b->absorb(text.substr(i, 4), rules::kValueSpokenJoiner, AbsorbClass::separator);
        emitted = d = i + 4;
        continue;
      }
      d = i;
      continue;
    }
    std::size_t v = i + first.len;
    for (Sep s = separator_at(text, v); s.len != 0; s = separator_at(text, v)) v += s.len;
    d = v;
    // Left alone when not followed by a digit-like character; the rest of the run cannot
    // start another one.
    if (!digit_like_byte(text, v)) continue;
    // A licence's class after the number (91 (1종대형), 91 2종보통) is no group of it.
    if (spaced_dashes && text.substr(v + 1, 3) == "종") continue;
    if (spaced_dashes && bracket_parts_numbers(text, i, v)) continue;
    const bool one_by_one = spaced_dashes && spaced_one_by_one(text, d0, i, v);
    if (keep_fields && !one_by_one) {
      if (parts_row_fields(text, i, v)) continue;
      const std::string_view stretch = text.substr(i, v - i);
      // Fields of a row (CSV, TSV, a report's columns) stay apart: a comma, a tab or two spaces
      // are never inside one number there.
      if (stretch.find_first_of(",\t") != std::string_view::npos ||
          stretch.find("  ") != std::string_view::npos) {
        if (!registration_halves_apart(text, d0, i, v)) continue;
        if (!b) b.emplace(n);
        b->keep(text.substr(emitted, i - emitted));
        b->absorb(stretch, rules::kSeparatorHalvesApart, AbsorbClass::whitespace);
        emitted = v;
        continue;
      }
    }
    if (!b) b.emplace(n);
    b->keep(text.substr(emitted, i - emitted));
    if (one_by_one) {
      b->absorb(text.substr(i, v - i), rules::kValueSpacedDigits, AbsorbClass::separator);
      emitted = v;
      continue;
    }
    if (spaced_dashes && v - i == 3 && text.substr(i, 3) == " - " && joins_groups(text, i, 3)) {
      b->absorb(text.substr(i, 3), rules::kValueDashSpaced, AbsorbClass::separator);
      emitted = v;
      continue;
    }
    // One segment per stretch of separators of one rule.
    std::size_t g = i;
    Sep gs = first;
    for (std::size_t k = i + first.len; k < v;) {
      const Sep s = separator_at(text, k);
      if (s.kind != gs.kind) {
        b->absorb(text.substr(g, k - g), gs.rule(), gs.cls());
        g = k;
        gs = s;
      }
      k += s.len;
    }
    b->absorb(text.substr(g, v - g), gs.rule(), gs.cls());
    emitted = v;
  }
  if (!b) return std::nullopt;
  b->keep(text.substr(emitted));
  return b->finish();
}

}  // namespace norvane::passes
