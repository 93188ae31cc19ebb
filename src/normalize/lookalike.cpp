// Corrects the letters I, l, O, o typed for digits between digit-like characters (and, with the
// writing variants, anywhere inside a run of digits and such letters); with scanned_letters, S and
// B that a scan's OCR read for 5 and 8 inside such a run, the runs of a scan that misread every
// 0, 1, 5 and 8 of a form, and a passport's digits misread so.

#include <algorithm>
#include <iterator>
#include <string>

#include "error/interrupt.hpp"
#include "normalize/passes.hpp"
#include "normalize/rule_names.hpp"
#include "normalize/scanned_titles.hpp"
#include "normalize/unicode.hpp"
#include "span/kept_buffers.hpp"
#include "span/month_names.hpp"
#include "span/pages.hpp"
#include "span/utf8.hpp"

namespace norvane::passes {

namespace {

// Room for the first few segments: most texts correct a letter or two.
constexpr std::size_t kFirstSegments = 8;


char digit_for(unsigned char c) {
  switch (c) {
    case 'I':
    case 'l': return '1';
    case 'O':
    case 'o': return '0';
    default: return 0;
  }
}

// The letters OCR reads digits of a scanned form as, beyond those above: 5 as S, 8 as B. (Z for 2
// and G for 6 are rarer in scans of printed digits and common in codes; they stay letters.)
char scanned_digit_for(unsigned char c) {
  switch (c) {
    case 'S': return '5';
    case 'B': return '8';
    default: return 0;
  }
}

// Whether c is a letter read as a digit by either table.
bool corrected_letter(unsigned char c) { return digit_for(c) != 0 || scanned_digit_for(c) != 0; }


bool is_skippable(char32_t c) {
  switch (c) {
    case 0x09:
    case 0x20:
    case '(':
    case ')':
    case ',':
    case '-':
    case '.':
    case 0x00B7:
    case 0x30FB: return true;
    default: return false;
  }
}

// The first character before byte i that is not a skippable separator is digit-like.
bool digit_like_before(std::string_view s, std::size_t i) {
  while (i > 0) {
    char32_t c = unicode::decode_before(s, i);
    if (!is_skippable(c)) return unicode::is_digit_like(c);
  }
  return false;
}

// The first character from byte i on that is not a skippable separator is digit-like.
bool digit_like_after(std::string_view s, std::size_t i) {
  while (i < s.size()) {
    char32_t c = utf8::decode(s, i);
    if (!is_skippable(c)) return unicode::is_digit_like(c);
  }
  return false;
}

// Whether an ASCII digit stands right before or right after byte i: a scanned letter is read
// only where it touches one (B541, 29980S1), not set apart (S 010-...).
bool touches_digit(std::string_view s, std::size_t i) {
  auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
  return (i > 0 && digit(i - 1)) || digit(i + 1);
}

bool is_letter(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }

// Whether the letter at i stands in a run of digits and such letters, single separators (space,
// hyphen, dot) between them, that reads as one number typed to pass a filter (O1O-l234-5678,
// olO 5469 ll49): nine to thirteen characters, six digits or more and five letters at most, and
// no other letter touching the run. With `scanned`, S and B touching a digit are letters of the
// run too, in a run printed with separators (a passport's S046B5458 has none; OS 2024... is no
// number).
bool in_lightly_misread_run(std::string_view s, std::size_t i, bool scanned) {
  auto scanned_at = [&](std::size_t k) {
    return scanned && scanned_digit_for(static_cast<unsigned char>(s[k])) != 0 && touches_digit(s, k);
  };
  if (scanned_digit_for(static_cast<unsigned char>(s[i])) != 0 && !scanned_at(i)) return false;
  auto member = [&](std::size_t k) {
    const auto c = static_cast<unsigned char>(s[k]);
    return (c >= '0' && c <= '9') || digit_for(c) != 0 || scanned_at(k);
  };
  auto separator = [](char c) { return c == ' ' || c == '-' || c == '.'; };
  // No run of thirteen characters and their separators is longer than this: a longer one is
  // no number, and the walk stops there (a text of such letters costs no more than its length).
  constexpr std::size_t kLongest = 26;
  std::size_t from = i, to = i + 1;
  while (from > 0 && i - from <= kLongest &&
         (member(from - 1) || (from > 1 && separator(s[from - 1]) && member(from - 2))))
    from -= member(from - 1) ? 1 : 2;
  while (to < s.size() && to - i <= kLongest &&
         (member(to) || (to + 1 < s.size() && separator(s[to]) && member(to + 1))))
    to += member(to) ? 1 : 2;
  if (to - from > kLongest) return false;
  if ((from > 0 && is_letter(static_cast<unsigned char>(s[from - 1]))) ||
      (to < s.size() && is_letter(static_cast<unsigned char>(s[to]))))
    return false;
  std::size_t digits = 0, letters = 0, separators = 0, scans = 0;
  for (std::size_t k = from; k < to; ++k) {
    if (s[k] >= '0' && s[k] <= '9') ++digits;
    else if (digit_for(static_cast<unsigned char>(s[k])) != 0) ++letters;
    else if (scanned_at(k)) ++letters, ++scans;
    else ++separators;
  }
  if (scans > 0 && separators == 0) return false;
  // A whole passport leading the run is the row's field before the next one (S02970100 17:30).
  if (i - from < kPassportLength && whole_passport_at(s, from)) return false;
  // One letter leading bare digits is a passport's or a serial's (O51055216), not a digit; so is a
  // scanned letter leading eight digits in groups (a passport typed S1234 5678).
  if (letters == 1 && i == from && (separators == 0 || (scans == 1 && digits == 8))) return false;
  return digits >= 6 && letters <= 5 && digits + letters >= 9 && digits + letters <= 13;
}

// Whether the letter at i stands in a run a scan of a whole form in one font misread throughout:
// every 0, 1, 5 and 8 of it read as its letter, so that letters may outnumber the digits
// (OlO-l2B9-S7S6, S9lO24-l692BB3, 94lO-4497-6O4S-4623, +B2 (O)lO-9S4S-Bl3O, OlO6O74l3lS). The
// run is nine to sixteen digits and letters, one or two separators (space, hyphen, dot,
// parenthesis) between them, two letters and two digits or more, none of the digits a 0, 1, 5 or
// 8 (one allowed beside six letters or more: a scan may print one right), no other letter
// touching it, not led by a letter set apart, and ten characters or more when nothing separates
// them (a passport's M12B34567 is nine).
bool in_misread_scan_run(std::string_view s, std::size_t i) {
  auto member = [&](std::size_t k) {
    const auto c = static_cast<unsigned char>(s[k]);
    return (c >= '0' && c <= '9') || corrected_letter(c);
  };
  auto separator = [](char c) { return c == ' ' || c == '-' || c == '.' || c == '(' || c == ')'; };
  // The separators from byte k on, then a member: their count, or 0. Two only when one is a
  // parenthesis (+B2 (O)lO): two spaces part a table's columns.
  auto gap_after = [&](std::size_t k) -> std::size_t {
    if (k + 1 < s.size() && separator(s[k]) && member(k + 1)) return 1;
    if (k + 2 < s.size() && separator(s[k]) && separator(s[k + 1]) && member(k + 2) &&
        (s[k] == '(' || s[k] == ')' || s[k + 1] == '(' || s[k + 1] == ')'))
      return 2;
    return 0;
  };
  auto gap_before = [&](std::size_t k) -> std::size_t {  // the same, before byte k
    if (k >= 2 && separator(s[k - 1]) && member(k - 2)) return 1;
    if (k >= 3 && separator(s[k - 1]) && separator(s[k - 2]) && member(k - 3) &&
        (s[k - 1] == '(' || s[k - 1] == ')' || s[k - 2] == '(' || s[k - 2] == ')'))
      return 2;
    return 0;
  };
  constexpr std::size_t kLongest = 32;  // sixteen characters and their separators
  std::size_t from = i, to = i + 1;
  while (from > 0 && i - from <= kLongest) {
    if (member(from - 1)) --from;
    else if (std::size_t gap = gap_before(from)) from -= gap;
    else break;
  }
  while (to < s.size() && to - i <= kLongest) {
    if (member(to)) ++to;
    else if (std::size_t gap = gap_after(to)) to += gap;
    else break;
  }
  if (to - from > kLongest) return false;
  if ((from > 0 && is_letter(static_cast<unsigned char>(s[from - 1]))) ||
      (to < s.size() && is_letter(static_cast<unsigned char>(s[to]))))
    return false;
  std::size_t digits = 0, misread_digits = 0, letters = 0, separators = 0;
  for (std::size_t k = from; k < to; ++k) {
    const char c = s[k];
    if (c >= '0' && c <= '9') {
      ++digits;
      misread_digits += c == '0' || c == '1' || c == '5' || c == '8';
    } else if (separator(c)) {
      ++separators;
    } else {
      ++letters;
    }
  }
  const std::size_t length = digits + letters;
  if (separators == 0 && length < 10) return false;
  // A letter set apart before the digits is a passport's or a code's (S 2692 6449).
  if (from + 1 < to && separator(s[from + 1]) && !(s[from] >= '0' && s[from] <= '9')) return false;
  return letters >= 2 && digits >= 2 && misread_digits <= letters / 6 && length >= 9 && length <= 16;
}

// Whether the letter at i is one of the eight digits after a passport's first letter, as a scan
// misread them (M12B34567, M4lB9O2S7, Ml23A4S67): a capital, then eight digits and letters read
// as digits, five digits or more (three when the others are all misread), nothing else touching.
// A fifth character that is a capital other than I or O is the current format's letter and
// stays one (S046B5458, M123S4567); I and O are never that letter.
bool in_misread_passport(std::string_view s, std::size_t i) {
  auto alnum = [&](std::size_t k) {
    const auto c = static_cast<unsigned char>(s[k]);
    return (c >= '0' && c <= '9') || is_letter(c);
  };
  auto format_letter = [](unsigned char c) { return c >= 'A' && c <= 'Z' && digit_for(c) == 0; };
  constexpr std::size_t kDigits = 8, kCurrentLetter = 4;
  for (std::size_t lead = i > kDigits ? i - kDigits : 0; lead < i; ++lead) {
    const std::size_t end = lead + 1 + kDigits;
    if (s[lead] < 'A' || s[lead] > 'Z' || end > s.size()) continue;
    if ((lead > 0 && alnum(lead - 1)) || (end < s.size() && alnum(end))) continue;
    const bool current = format_letter(static_cast<unsigned char>(s[lead + kCurrentLetter]));
    if (current && i == lead + kCurrentLetter) continue;
    std::size_t digits = 0, misread_digits = 0;
    bool read = true;
    for (std::size_t k = lead + 1; k < end && read; ++k) {
      const char c = s[k];
      if (current && k == lead + kCurrentLetter) continue;
      if (c >= '0' && c <= '9') {
        ++digits;
        misread_digits += c == '0' || c == '1' || c == '5' || c == '8';
      } else {
        read = corrected_letter(static_cast<unsigned char>(c));
      }
    }
    if (read && (digits >= 5 || (digits >= 3 && misread_digits == 0))) return true;
  }
  return false;
}

// Whether the letters and digits of s from byte k back to the previous non-member start with a
// month's English abbreviation (Jul, Feb: 7 Jul l9SO), read in any case; its start in `word`.
bool month_word_before(std::string_view s, std::size_t k, std::size_t& word) {
  word = k;
  while (word > 0 && is_letter(static_cast<unsigned char>(s[word - 1])) && k - word < 10) --word;
  if (k - word < 3 || (word > 0 && is_letter(static_cast<unsigned char>(s[word - 1])))) return false;
  for (std::string_view month : kEnglishMonthNames)
    if (unicode::word_at_any_case(s, word, month.substr(0, kMonthAbbreviationLength))) return true;
  return false;
}

// Whether a label of a person's value (scanned::value_label_ends_at) ends before byte `from` on
// its line or at the end of the line above, only a label's punctuation, a frame's bar, a
// bracketed remark ((양력)), one word right before the value on its line (a bank's: 입금계좌: 국민
// O67380-...) and the date's earlier pieces (digits and their letters, 년 and 월, a month's
// English name) between them. `label_ends_at` names the labels (scanned::value_label_ends_at, or
// a birth date's alone).
bool value_label_before(std::string_view s, std::size_t from,
                        bool (*label_ends_at)(std::string_view, std::size_t) = scanned::value_label_ends_at) {
  // A label stands a few characters before its value; a longer reach would pass other fields.
  constexpr std::size_t kReach = 40, kLongestWord = 18;
  constexpr std::string_view kPunctuation = " \t:;.,|-/([]=+\"'";
  std::size_t at = from;
  bool passed_date = false, passed_word = false, line_above = false;
  // Labels are looked for only where the walk meets a letter or a syllable: they end in one.
  while (at > 0 && from - at <= kReach) {
    const auto c = static_cast<unsigned char>(s[at - 1]);
    if (c == '\n' || c == '\r') {
      // A value that starts its line (its date's earlier pieces aside: 9 Jul l973) under a label
      // that ends the line above (ㅣ 생 년 월 일 ㅣ, Date of Birth).
      if (passed_word || line_above) return false;
      line_above = true;
      --at;
      if (c == '\n' && at > 0 && s[at - 1] == '\r') --at;
      continue;
    }
    if (kPunctuation.find(static_cast<char>(c)) != std::string_view::npos) {
      --at;
      continue;
    }
    if (c >= 0x80) {
      std::size_t mark = at;
      const char32_t m = unicode::decode_before(s, mark);
      if (std::find(std::begin(scanned::kLabelMarks), std::end(scanned::kLabelMarks), m) !=
          std::end(scanned::kLabelMarks)) {
        at = mark;
        continue;
      }
    }
    if (c == ')') {  // a bracketed remark after the label: (양력), (음력)
      const std::size_t open = s.rfind('(', at - 1);
      if (open != std::string_view::npos && at - open <= 16 && label_ends_at(s, open))
        return true;
      --at;
      continue;
    }
    const bool lone_letter = corrected_letter(c) && !(at > 1 && is_letter(static_cast<unsigned char>(s[at - 2])));
    // On the line above only the label's punctuation may follow it: a number there is its value.
    if ((c >= '0' && c <= '9') || lone_letter) {
      if (line_above) return false;
      passed_date = true;
      --at;
      continue;
    }
    if (label_ends_at(s, at)) return true;
    if (line_above) return false;
    std::size_t word;
    if (is_letter(c)) {
      if (!month_word_before(s, at, word)) return false;
      passed_date = true;
      at = word;
      continue;
    }
    std::size_t before = at;
    const char32_t syllable = unicode::decode_before(s, before);
    if (syllable == U'년' || syllable == U'월') {
      passed_date = true;
      at = before;
      continue;
    }
    if (std::find(std::begin(scanned::kLabelParticles), std::end(scanned::kLabelParticles),
                  syllable) != std::end(scanned::kLabelParticles) &&
        label_ends_at(s, before))
      return true;
    if (passed_date || passed_word || syllable < U'가' || syllable > U'힣') return false;
    // One word between the label and the value: back to the space before it.
    word = at;
    while (word > 0 && at - word <= kLongestWord && static_cast<unsigned char>(s[word - 1]) >= 0x80)
      --word;
    if (word == 0 || s[word - 1] != ' ' || at - word > kLongestWord) return false;
    passed_word = true;
    at = word;
  }
  return false;
}

// Whether byte `from` stands in a cell of a delimited row (tab, bar or comma) whose column's header
// is one of `label_ends_at`'s labels (a birth date's, or any of a person's values): the header is
// the first of the lines above holding the row's delimiter (a Markdown table's rule line among
// them), the cell as many delimiters into it.
bool under_labelled_column(std::string_view s, std::size_t from,
                           bool (*label_ends_at)(std::string_view, std::size_t)) {
  constexpr std::size_t kMostRows = 40;
  constexpr char kRowDelimiters[] = {'\t', '|', ','};
  auto line_start = [&](std::size_t k) {
    const std::size_t nl = k == 0 ? std::string_view::npos : s.rfind('\n', k - 1);
    return nl == std::string_view::npos ? 0 : nl + 1;
  };
  auto line_end = [&](std::size_t k) { return std::min(s.find('\n', k), s.size()); };
  const std::size_t ls = line_start(from);
  const std::string_view row = s.substr(ls, line_end(from) - ls);
  const auto delimiter = std::find_if(std::begin(kRowDelimiters), std::end(kRowDelimiters),
                                      [&](char c) { return row.find(c) != std::string_view::npos; });
  if (delimiter == std::end(kRowDelimiters)) return false;
  const char delim = *delimiter;
  const auto cell = std::count(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(from - ls), delim);
  std::size_t header = ls;
  for (std::size_t rows = 0; header > 0 && rows < kMostRows; ++rows) {
    const std::size_t above = line_start(header - 1);
    if (s.substr(above, header - 1 - above).find(delim) == std::string_view::npos) break;
    header = above;
  }
  if (header == ls) return false;
  // The header's cell: past `cell` delimiters, up to the next one or the line's end.
  const std::string_view head = s.substr(header, line_end(header) - header);
  std::size_t at = 0;
  for (auto k = cell; k > 0; --k) {
    at = head.find(delim, at);
    if (at == std::string_view::npos) return false;
    ++at;
  }
  std::size_t end = std::min(head.find(delim, at), head.size());
  while (end > at && (head[end - 1] == ' ' || head[end - 1] == '\r')) --end;
  return label_ends_at(s, header + end);
}

// Whether the letter at i stands in a value a scan misread in part, right after a label of a
// person's value on its line (생 년 월 일 ; 196S.07.l5, 연락처. (O1O)9839-4789, 환불계좌
// 5163B64796720S, 출생년월일. 7 Jul l9SO) or in such a label's column: digits and the letters I l O o S B in groups one to
// three separators apart (not two spaces: a table's columns), a digit among them, no more letters
// than twice the digits and one, no other letter, @, _ or slash before a letter (S/N) touching a
// group. A group a word touches ends the value before it (Jul l9SO). The label is looked for only
// once the run holds.
bool in_labelled_scan_value(std::string_view s, std::size_t i) {
  auto member = [&](std::size_t k) {
    const auto c = static_cast<unsigned char>(s[k]);
    return (c >= '0' && c <= '9') || corrected_letter(c);
  };
  auto separator = [](char c) { return std::string_view(" -./(),").find(c) != std::string_view::npos; };
  // A character at k that makes the group part of a word or a mail, `beyond` the one past it: a
  // letter, @ or _, or a slash before a letter read as no digit (S/N, A/S).
  auto foreign = [&](std::size_t k, std::size_t beyond) {
    const auto c = static_cast<unsigned char>(s[k]);
    return is_letter(c) || c == '@' || c == '_' ||
           (c == '/' && beyond < s.size() && is_letter(static_cast<unsigned char>(s[beyond])) &&
            !corrected_letter(static_cast<unsigned char>(s[beyond])));
  };
  auto foreign_before = [&](std::size_t k) { return k > 0 && foreign(k - 1, k - 1 > 0 ? k - 2 : s.size()); };
  auto foreign_after = [&](std::size_t k) { return k < s.size() && foreign(k, k + 1); };
  // The group of members around i, then the groups joined to it by a gap of separators.
  constexpr std::size_t kLongest = 40;
  std::size_t from = i, to = i + 1;
  while (from > 0 && member(from - 1) && i - from < kLongest) --from;
  while (to < s.size() && member(to) && to - i < kLongest) ++to;
  if (foreign_before(from) || foreign_after(to)) return false;
  // Separators at [k, k + width): one, two but not two spaces (a table's columns), or three with
  // a mark between spaces (1993 . oB . 2l).
  auto gap_at = [&](std::size_t k, std::size_t width) {
    if (k + width > s.size()) return false;
    for (std::size_t j = k; j < k + width; ++j)
      if (!separator(s[j])) return false;
    if (width == 3) return s[k] == ' ' && s[k + 1] != ' ' && s[k + 2] == ' ';
    return width == 1 || s[k] != ' ' || s[k + 1] != ' ';
  };
  for (bool grew = true; grew && i - from < kLongest;) {
    grew = false;
    for (std::size_t width : {1, 2, 3}) {
      if (from < width + 1 || !gap_at(from - width, width) || !member(from - width - 1)) continue;
      std::size_t start = from - width;
      while (start > 0 && member(start - 1)) --start;
      if (foreign_before(start)) break;
      from = start;
      grew = true;
      break;
    }
  }
  for (bool grew = true; grew && to - i < kLongest;) {
    grew = false;
    for (std::size_t width : {1, 2, 3}) {
      if (!gap_at(to, width) || to + width >= s.size() || !member(to + width)) continue;
      std::size_t end = to + width;
      while (end < s.size() && member(end)) ++end;
      if (foreign_after(end)) break;
      to = end;
      grew = true;
      break;
    }
  }
  std::size_t digits = 0, letters = 0;
  for (std::size_t k = from; k < to; ++k) {
    const auto c = static_cast<unsigned char>(s[k]);
    if (c >= '0' && c <= '9') ++digits;
    else if (corrected_letter(c)) ++letters;
  }
  if (digits == 0 || letters > 2 * digits + 1 || digits + letters < 2) return false;
  // The letter's own cell names its column: the run may reach back over a comma into the cell
  // before it.
  return value_label_before(s, from) || under_labelled_column(s, i, scanned::value_label_ends_at);
}

// Whether the letter at i stands in a birth date in Korean words a scan misread in part, right
// after a birth date's label or in a birth date's column (생년월일 l972년 ll월 2B일, [운전자
// 생년월일] 86년 S월 3O일, 생년월 일 19S8 년 4 월 lB 일): a year of two or four digits and letters, then a month and a day of one or
// two, each before its unit with at most two spaces around it, two digits among them and no other
// letter touching the year. A part all letters (ll월, S월) is read only as the date's.
bool in_scanned_korean_date(std::string_view s, std::size_t i) {
  constexpr std::string_view kUnits[] = {"년", "월", "일"};
  constexpr std::size_t kUnitBytes = 3, kMostSpaces = 2;
  auto member = [&](std::size_t k) {
    const auto c = static_cast<unsigned char>(s[k]);
    return (c >= '0' && c <= '9') || corrected_letter(c);
  };
  auto past_spaces = [&](std::size_t k) {
    for (std::size_t n = 0; n < kMostSpaces && k < s.size() && s[k] == ' '; ++n) ++k;
    return k;
  };
  // The part of members around i and the unit after it, past spaces: most letters have none,
  // and the units' first bytes (EB, EC) tell them before any comparison.
  std::size_t from = i, to = i + 1;
  while (to < s.size() && member(to) && to - i <= 4) ++to;
  const std::size_t unit_at = past_spaces(to);
  if (unit_at >= s.size() || (s[unit_at] != '\xEB' && s[unit_at] != '\xEC')) return false;
  while (from > 0 && member(from - 1) && to - from <= 4) --from;
  const auto unit = std::find(std::begin(kUnits), std::end(kUnits), s.substr(unit_at, kUnitBytes));
  if (unit == std::end(kUnits)) return false;
  // Back from the part to the year's start: over the units before it and their parts.
  auto spaces_back = [&](std::size_t k) {
    for (std::size_t n = 0; n < kMostSpaces && k > 0 && s[k - 1] == ' '; ++n) --k;
    return k;
  };
  for (auto before = unit; before != std::begin(kUnits); --before) {
    std::size_t k = spaces_back(from);
    if (k < kUnitBytes || s.substr(k - kUnitBytes, kUnitBytes) != *(before - 1)) return false;
    k = spaces_back(k - kUnitBytes);
    from = k;
    while (from > 0 && member(from - 1) && k - from < 4) --from;
  }
  if (from > 0 && (is_letter(static_cast<unsigned char>(s[from - 1])) || member(from - 1)))
    return false;
  // Forward from the year: each part's length, each unit in its order, the digits among them.
  std::size_t k = from, digits = 0;
  for (std::size_t part = 0; part < std::size(kUnits); ++part) {
    const std::size_t start = k;
    while (k < s.size() && member(k)) digits += s[k++] <= '9';
    const std::size_t length = k - start;
    if (part == 0 ? (length != 2 && length != 4) : (length < 1 || length > 2)) return false;
    k = past_spaces(k);
    if (s.substr(k, kUnitBytes) != kUnits[part]) return false;
    k = past_spaces(k + kUnitBytes);
  }
  return digits >= 2 &&
         (value_label_before(s, from, scanned::birth_label_ends_at) ||
          under_labelled_column(s, from, scanned::birth_label_ends_at));
}

// Whether a lower-case letter that is read as no digit stands right before or after byte i (the
// o of hello): the letter at i is then in a word, no run or passport of a scan. Tested first, it
// spares prose the walks.
bool beside_word_letter(std::string_view s, std::size_t i) {
  auto word_letter = [&](std::size_t k) {
    const auto c = static_cast<unsigned char>(s[k]);
    return c >= 'a' && c <= 'z' && !corrected_letter(c);
  };
  return (i > 0 && word_letter(i - 1)) || (i + 1 < s.size() && word_letter(i + 1));
}

// Whether the letter at i reads as a digit of a run (the writing variants' reading; with
// `scanned`, a scan's too).
bool in_digit_run(std::string_view s, std::size_t i, bool scanned) {
  if (in_lightly_misread_run(s, i, scanned)) return true;
  return scanned && !beside_word_letter(s, i) &&
         (in_misread_scan_run(s, i) || in_misread_passport(s, i) || in_labelled_scan_value(s, i) ||
          in_scanned_korean_date(s, i));
}


// The map of the corrections in `text`, written as they are decided; nothing when there are
// none. The neighbour tests read the text as it is, so earlier corrections do not count as
// digits. Every correction replaces one byte with one byte: the corrected text is the same text
// with the replaced bytes' digits written over them. `Letters` is kLookalikeLetters, or
// kLookalikeOrScannedLetters with scanned_letters.
template <const unicode::ByteSet& Letters>
std::optional<SpanMap> map_corrections(std::string_view text, bool in_digit_runs,
                                       bool scanned_letters) {
  const std::size_t n = text.size();
  MadeIfChanged<SpanMapWriter> map;
  std::uint32_t bytes = 0, chars = 0;  // the end of the map so far, the same on both sides
  std::uint32_t rule_change[3] = {0, 0, 0};  // the changes of the three rules, once interned
  static constexpr RuleName kRules[3] = {rules::kLookalikeDigit, rules::kValueLetterDigit,
                                         rules::kValueScannedLetter};
  // ASCII bytes never occur inside a multi-byte sequence: a byte scan finds the letters.
  interrupt::Poll poll;
  for (std::size_t i = 0; i < n; ++i) {
    i = unicode::find_byte<Letters>(text, i);
    if (i >= n) break;
    poll.reach(i);
    const bool scanned = scanned_digit_for(static_cast<unsigned char>(text[i])) != 0;
    const bool between = !scanned && digit_like_before(text, i) && digit_like_after(text, i + 1);
    const bool in_run = scanned ? in_digit_run(text, i, true)
                                : in_digit_runs && in_digit_run(text, i, scanned_letters);
    if (!between && !in_run) continue;
    if (!map) map.emplace(kFirstSegments, n);
    if (i > bytes) {
      chars += static_cast<std::uint32_t>(utf8::count_chars(text.substr(bytes, i - bytes)));
      bytes = static_cast<std::uint32_t>(i);
      map->push_next(SegmentEnd{bytes, chars, bytes, chars, 0});
    }
    const std::size_t rule = between ? 0 : scanned ? 2 : 1;
    std::uint32_t& change = rule_change[rule];
    if (change == 0) {
      NormalizationCost cost;
      cost.replaced_chars = 1;
      change = map->intern(SegmentChange{RuleSet::of(kRules[rule]), cost, SegmentKind::replace});
    }
    ++bytes;
    ++chars;
    map->push_next(SegmentEnd{bytes, chars, bytes, chars, change});
  }
  if (!map) return std::nullopt;
  if (n > bytes) {
    chars += static_cast<std::uint32_t>(utf8::count_chars(text.substr(bytes)));
    map->push_next(SegmentEnd{static_cast<std::uint32_t>(n), chars, static_cast<std::uint32_t>(n),
                              chars, 0});
  }
  return map->finish();
}

// Writes each corrected letter's digit over it.
void write_corrections(std::string& text, const SpanMap& corrections) {
  for (std::size_t k = 0; k < corrections.len(); ++k) {
    if (corrections.kind_of(k) == SegmentKind::identity) continue;
    char& letter = text[corrections.dst_byte_start(k)];
    letter = corrected_digit(static_cast<unsigned char>(letter));
  }
}

// The corrections' map, with the letters scanned_letters reads too or without them.
std::optional<SpanMap> corrections(std::string_view text, bool in_digit_runs, bool scanned_letters) {
  return scanned_letters ? map_corrections<kLookalikeOrScannedLetters>(text, in_digit_runs, true)
                         : map_corrections<kLookalikeLetters>(text, in_digit_runs, false);
}

}  // namespace

char corrected_digit(unsigned char c) {
  const char scanned = scanned_digit_for(c);
  return scanned ? scanned : digit_for(c);
}

std::optional<PassOutput> correct_lookalikes(std::string_view text, bool in_digit_runs,
                                             bool scanned_letters) {
  std::optional<SpanMap> map = corrections(text, in_digit_runs, scanned_letters);
  if (!map) return std::nullopt;
  std::string corrected = kept::take_text(text.size());
  pages::append_polled(corrected, text);
  write_corrections(corrected, *map);
  return PassOutput{std::move(corrected), std::move(*map)};
}

std::optional<SpanMap> correct_lookalikes_in_place(std::string& text, bool in_digit_runs,
                                                   bool scanned_letters) {
  std::optional<SpanMap> map = corrections(text, in_digit_runs, scanned_letters);
  if (map) write_corrections(text, *map);
  return map;
}

}  // namespace norvane::passes
