#include "detect/structure.hpp"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstring>
#include <utility>

#include "detect/english_date.hpp"
#include "detect/labels.hpp"
#include "normalize/unicode.hpp"
#include "span/utf8.hpp"

namespace norvane::structure {

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::size_t kLineReach = 512;         // bytes looked at for a line's ends
constexpr std::size_t kArrayReach = 2048;       // bytes walked back over a JSON array's elements
constexpr std::size_t kStatementReach = 16384;  // bytes walked back to an insert's VALUES
constexpr std::size_t kColumnsReach = 2048;     // bytes of an insert's column list
constexpr std::size_t kReportLines = 40;        // rows walked up to a report's header
constexpr std::size_t kTagReach = 256;          // bytes of an XML start tag
constexpr std::size_t kShortLine = 80;          // bytes: a remark between a question and its answer
constexpr std::uint32_t kRemarks = 2;           // remarks between a question and its answer
constexpr std::size_t kHtmlRowReach = 4096;     // bytes walked back to a cell's <tr>
constexpr std::size_t kHtmlTableReach = 65536;  // bytes walked back to a row's <table>

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The start of the line holding byte i, or npos when none is near.
std::size_t line_start(std::string_view s, std::size_t i) {
  const std::size_t low = i > kLineReach ? i - kLineReach : 0;
  if (const void* nl = memrchr(s.data() + low, '\n', i - low))
    return static_cast<std::size_t>(static_cast<const char*>(nl) - s.data()) + 1;
  return low == 0 ? 0 : npos;
}

std::size_t line_end(std::string_view s, std::size_t i) {
  const std::size_t high = std::min(s.size(), i + kLineReach);
  if (const void* nl = std::memchr(s.data() + i, '\n', high - i))
    return static_cast<std::size_t>(static_cast<const char*>(nl) - s.data());
  return high == s.size() ? high : npos;
}

bool is_blank(std::string_view line) { return line.find_first_not_of(" \t\r") == npos; }

// A rule drawn under a header or between blocks: ----, ====, |---|---|, +----+.
bool is_rule(std::string_view line) {
  std::size_t strokes = 0;
  for (char c : line) {
    if (c == '-' || c == '=') ++strokes;
    else if (c != ' ' && c != '\t' && c != '|' && c != '+' && c != ':' && c != '\r') return false;
  }
  return strokes >= 3;
}

// Whether the line holds a number of three digits or more, or a time of day (00:01:12, 9:30):
// a row, not a header.
bool has_number(std::string_view line) {
  std::size_t run = 0;
  for (char c : line) {
    run = is_digit(c) ? run + 1 : 0;
    if (run >= 3) return true;
  }
  for (std::size_t k = line.find(':'); k != npos; k = line.find(':', k + 1))
    if (k > 0 && is_digit(line[k - 1]) && k + 2 < line.size() && is_digit(line[k + 1]) &&
        is_digit(line[k + 2]))
      return true;
  return false;
}

// A line of one delimiter at most: a key and its value (계좌 번호<TAB>110-...).
bool key_and_value(std::string_view line, char delim) {
  const std::size_t first = line.find(delim);
  return first == npos || line.find(delim, first + 1) == npos;
}

// A bank statement's header: a balance column and a column of money out or in.
bool statement_header(std::string_view line) {
  auto any_in = [&](std::span<const std::string_view> words) {
    return std::any_of(words.begin(), words.end(),
                       [&](std::string_view w) { return line.find(w) != npos; });
  };
  return any_in(labels::kStatementBalanceWords) && any_in(labels::kStatementMoneyWords);
}

// Whether a line holds a date written with a month name (Date of Birth: 09APR66): a value of its
// own, as six digits are, though it has fewer.
bool holds_month_date(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (!is_digit(line[i])) continue;
    std::size_t end = i;
    while (end < line.size() && is_digit(line[end])) ++end;
    if (extend::english_date_around(line, i, end)) return true;
    i = end;
  }
  return false;
}

// Whether a line (and the text after it) begins with a word of its own date or number (Flight,
// 출발, 입실) or with a flight's number (KE123, 7C1101): it does not take the label of the line
// above.
bool begins_with_own_word(std::string_view line) {
  for (std::string_view w : labels::kOwnLineWords)
    if (line.starts_with(w)) return true;
  const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
  if (line.size() < 4 || !(upper(line[0]) || is_digit(line[0])) || !upper(line[1]) ||
      !(upper(line[0]) || upper(line[1])))
    return false;
  std::size_t k = 2;
  while (k < line.size() && k < 6 && is_digit(line[k])) ++k;
  return k >= 4 && (k == line.size() || line[k] == ' ' || line[k] == '\n');
}

// Whether a comma followed by a space stands outside double quotes ("서울시 강남구, 역삼동" is
// one cell of a CSV row; 홍길동, 010-... is prose).
bool comma_space_outside_quotes(std::string_view line) {
  bool quoted = false;
  for (std::size_t k = 0; k + 1 < line.size(); ++k) {
    if (line[k] == '"') quoted = !quoted;
    else if (!quoted && line[k] == ',' && line[k + 1] == ' ') return true;
  }
  return false;
}

// Semicolons of an export written for a locale whose decimal mark is the comma (Excel writes
// 홍길동;010-...;"1.234,50"): outside double quotes, none followed by a space (a; b is prose or
// code), not only one ending the line, and more than the commas outside quotes.
bool semicolon_row(std::string_view line) {
  std::size_t semicolons = 0, commas = 0;
  bool quoted = false;
  const std::size_t last = line.find_last_not_of(" \r");
  for (std::size_t k = 0; k < line.size(); ++k) {
    if (line[k] == '"') quoted = !quoted;
    else if (quoted) continue;
    else if (line[k] == ',') ++commas;
    else if (line[k] == ';' && k != last) {
      if (k + 1 < line.size() && line[k + 1] == ' ') return false;
      ++semicolons;
    }
  }
  return semicolons > 0 && semicolons > commas;
}

// Whether every comma outside double quotes is followed by a space, there are two or more, and
// no cell holds more than two words: three cells or more written as a list (교적번호, 성명,
// 연락처 over 41028..., 인서연, 010-...). One such comma is prose (홍길동, 010-...), and so is a
// cell that says more (여권번호 순으로 보내드려요).
bool comma_space_cells(std::string_view line) {
  std::size_t commas = 0, spaces = 0;
  bool quoted = false;
  for (std::size_t k = 0; k < line.size(); ++k) {
    if (line[k] == '"') {
      quoted = !quoted;
    } else if (quoted) {
      continue;
    } else if (line[k] == ' ') {
      if (++spaces > 1) return false;
    } else if (line[k] == ',') {
      if (!(k + 1 < line.size() && line[k + 1] == ' ')) return false;
      ++commas;
      spaces = 0;
      ++k;  // the space after the comma parts the cells
    }
  }
  return commas >= 2;
}

// The commas outside quotes of a line: bare ones, those followed by a space, and those of an
// amount (12,900: a comma before a group of three digits, counted in neither of the others).
struct Commas {
  std::size_t bare = 0, spaced = 0, amounts = 0;
};
Commas comma_kinds(std::string_view line) {
  auto thousands = [&](std::size_t k) {
    return k > 0 && k + 3 < line.size() && is_digit(line[k - 1]) && is_digit(line[k + 1]) &&
           is_digit(line[k + 2]) && is_digit(line[k + 3]) &&
           (k + 4 == line.size() || !is_digit(line[k + 4]));
  };
  Commas commas;
  bool quoted = false;
  for (std::size_t k = 0; k + 1 < line.size(); ++k) {
    if (line[k] == '"') quoted = !quoted;
    if (quoted || line[k] != ',') continue;
    if (thousands(k)) ++commas.amounts;
    else if (line[k + 1] == ' ') ++commas.spaced;
    else ++commas.bare;
  }
  return commas;
}

// Whether a line's commas outside quotes are mostly bare, with a few followed by a space: a CSV
// row written without quotes whose field holds a comma (KIM,Hanbit Co., Ltd.,010-...). Three bare
// commas at least, more than twice those with a space.
bool bare_comma_cells(std::string_view line) {
  // Most prose with a comma and a space after it holds fewer than three commas.
  if (std::count(line.begin(), line.end(), ',') < 3) return false;
  const Commas commas = comma_kinds(line);
  return commas.bare >= 3 && commas.bare > 2 * commas.spaced;
}

}  // namespace

// The delimiter of a table row: tab, pipe, semicolon (semicolon_row), or a comma never followed
// by a space outside quotes (and not only one ending the line, as in "key": "value",), always
// followed by one between three cells or more (comma_space_cells), or mostly bare
// (bare_comma_cells).
char row_delimiter(std::string_view line) {
  if (line.find('\t') != npos) return '\t';
  if (line.find('|') != npos) return '|';
  if (line.find(';') != npos && semicolon_row(line)) return ';';
  const std::size_t comma = line.find(',');
  if (comma != npos && comma != line.find_last_not_of(" \r") &&
      (line.find(", ") == npos || !comma_space_outside_quotes(line) || comma_space_cells(line) ||
       bare_comma_cells(line)))
    return ',';
  return 0;
}

std::size_t field_gaps(std::string_view line) {
  std::size_t gaps = 0;
  const std::size_t first = line.find_first_not_of(' ');
  for (std::size_t k = first == npos ? line.size() : first; k < line.size(); ++k) {
    if (line[k] == '\t' || (line[k] == ' ' && k + 1 < line.size() && line[k + 1] == ' ')) {
      while (k + 1 < line.size() && (line[k + 1] == ' ' || line[k + 1] == '\t')) ++k;
      if (k + 1 < line.size()) ++gaps;
    }
  }
  return gaps;
}

namespace {

// The marks in line[0, upto) that part the fields of a reply row written by hand: slashes
// (홍길동 / 010-... / 1990/01/15) or commas (홍길동, 900115). Those set off by spaces where the
// line has any, else those not between two digits (a date's slash, an amount's comma).
std::size_t field_marks(std::string_view line, std::size_t upto, char mark) {
  const char spaced_mark[] = {mark, ' '};
  const bool spaced = line.find(std::string_view(spaced_mark, 2)) != npos;
  std::size_t count = 0;
  for (std::size_t k = line.find(mark); k < upto; k = line.find(mark, k + 1)) {
    const bool after = k + 1 < line.size() && line[k + 1] == ' ';
    const bool between_digits =
        k > 0 && is_digit(line[k - 1]) && k + 1 < line.size() && is_digit(line[k + 1]);
    if (spaced ? after : !between_digits) ++count;
  }
  return count;
}

std::string_view after_stamp(std::string_view line);

// A slash or a comma between fields written by hand in a line's message (not in a chat
// export's stamp before it), or 0.
char hand_written_mark(std::string_view line) {
  const std::string_view body = after_stamp(line);
  if (field_marks(body, body.size(), '/') > 0) return '/';
  return body.find(", ") != npos ? ',' : 0;
}

// The delimiter of a row under a line that says its fields: a table's, or a mark written by hand.
char announced_row_delimiter(std::string_view line) {
  if (const char delim = row_delimiter(line)) return delim;
  return hand_written_mark(line);
}

// Delimiters in [from, to) outside `quote` ("2,430" is one field), counted up to `enough` at
// most (a caller asking whether there are that many reads no further).
std::size_t count_delimiters(std::string_view s, std::size_t from, std::size_t to, char delim,
                             char quote = '"', std::size_t enough = npos) {
  std::size_t count = 0;
  bool quoted = false;
  for (std::size_t k = from; k < to && count < enough; ++k) {
    if (s[k] == quote) quoted = !quoted;
    else if (s[k] == delim && !quoted) ++count;
  }
  return count;
}

// The delimiter of the row on bytes [ls, le) of the text: row_delimiter's, or a comma when the
// line is a CSV row whose field holds ", " written without quotes (정소희,Jul 19, 2019,010...)
// right under a CSV row or header: as many bare commas as that line's delimiters, or more. Read
// as prose, it ended its table for the rows under it.
char table_row_delimiter(std::string_view text, std::size_t ls, std::size_t le) {
  const std::string_view line = text.substr(ls, le - ls);
  if (const char delim = row_delimiter(line)) return delim;
  if (ls == 0 || line.find(',') == npos) return 0;
  // Prose's commas are followed by spaces; a date's year before a mobile (2015,010-...) looks
  // like an amount's comma.
  const Commas commas = comma_kinds(line);
  const std::size_t bare = commas.bare + commas.amounts;
  if (commas.bare == 0) return 0;
  const std::size_t ps = line_start(text, ls - 1);
  if (ps == npos) return 0;
  const std::string_view above = text.substr(ps, ls - 1 - ps);
  return row_delimiter(above) == ',' && bare >= count_delimiters(above, 0, above.size(), ',') ? ','
                                                                                               : 0;
}

// Columns a character takes in a report printed for a terminal: East Asian wide ones take two.
std::size_t columns_of(char32_t c) {
  const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                    (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                    (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                    (c >= 0xFFE0 && c <= 0xFFE6);
  return wide ? 2 : 1;
}

// The columns [from, to) bytes take from the start of their line, by terminal width or by
// characters.
std::size_t column_at(std::string_view s, std::size_t ls, std::size_t at, bool by_width) {
  std::size_t col = 0;
  for (std::size_t k = ls; k < at;) {
    const char32_t c = utf8::decode(s, k);
    col += by_width ? columns_of(c) : 1;
  }
  return col;
}

// Where the cell of a report line starting at byte `k` ends: at a tab, or at a space followed
// by another space or by the line's end (a single space stays inside a cell: 성 명, 3월 12일).
std::size_t report_cell_end(std::string_view text, std::size_t k, std::size_t stop) {
  while (k < stop && text[k] != '\t' && !(text[k] == ' ' && (k + 1 >= stop || text[k + 1] == ' ')))
    ++k;
  return k;
}

// Calls visit(from, to) for each cell of the report line [k, stop), left to right.
template <class Visit>
void for_each_report_cell(std::string_view text, std::size_t k, std::size_t stop, Visit visit) {
  while (k < stop) {
    while (k < stop && (text[k] == ' ' || text[k] == '\t')) ++k;
    if (k >= stop) break;
    const std::size_t e = report_cell_end(text, k, stop);
    visit(k, e);
    k = e;
  }
}

// The key of the JSON array whose element starts at `start` ("phones": [ "010-...", ...), its
// bytes, or {npos, npos}. The elements before it must be strings or plain scalars.
std::pair<std::size_t, std::size_t> json_array_key(std::string_view s, std::size_t start) {
  std::size_t p = start;
  if (p > 0 && s[p - 1] == '"') --p;
  const std::size_t low = p > kArrayReach ? p - kArrayReach : 0;
  auto skip_space = [&] {
    while (p > low && is_space(s[p - 1])) --p;
  };
  constexpr std::pair<std::size_t, std::size_t> none{npos, npos};
  skip_space();
  while (true) {
    if (p <= low) return none;
    if (s[p - 1] == '[') {
      --p;
      break;
    }
    if (s[p - 1] != ',') return none;
    --p;
    skip_space();
    if (p <= low) return none;
    if (s[p - 1] == '"') {
      const void* q = memrchr(s.data() + low, '"', p - 1 - low);
      if (!q) return none;
      const auto open = static_cast<std::size_t>(static_cast<const char*>(q) - s.data());
      if (std::memchr(s.data() + open, '\n', p - open)) return none;
      p = open;
    } else {
      const std::size_t e = p;
      while (p > low && (is_digit(s[p - 1]) || s[p - 1] == '.' || s[p - 1] == '-' ||
                         s[p - 1] == '+' || (s[p - 1] >= 'a' && s[p - 1] <= 'z')))
        --p;
      if (p == e) return none;
    }
    skip_space();
  }
  skip_space();
  if (p <= low || s[p - 1] != ':') return none;
  --p;
  skip_space();
  if (p <= low || s[p - 1] != '"') return none;
  const std::size_t key_end = p - 1;
  const void* q = memrchr(s.data() + low, '"', key_end - low);
  if (!q) return none;
  const auto key = static_cast<std::size_t>(static_cast<const char*>(q) - s.data()) + 1;
  if (key_end - key > 64 || std::memchr(s.data() + key, '\n', key_end - key)) return none;
  // An array is named in the plural (phones, emails, phoneNumbers): its label is the singular.
  if (key_end - key > 3 && s[key_end - 1] == 's' && s[key_end - 2] >= 'a' &&
      s[key_end - 2] <= 'z' && s[key_end - 2] != 's')
    return {key, key_end - 1};
  return {key, key_end};
}

// The start tag right before a value (<hpNo>010-..., <field name="hpNo">010-..., maybe on the
// line before): the bytes inside it, or {npos, npos}.
std::pair<std::size_t, std::size_t> xml_start_tag(std::string_view s, std::size_t start) {
  constexpr std::pair<std::size_t, std::size_t> none{npos, npos};
  std::size_t p = start;
  for (std::size_t k = 0; p > 0 && is_space(s[p - 1]) && k < 64; ++k) --p;
  if (p == 0 || s[p - 1] != '>') return none;
  const std::size_t close = p - 1;
  const std::size_t low = close > kTagReach ? close - kTagReach : 0;
  const void* q = memrchr(s.data() + low, '<', close - low);
  if (!q) return none;
  const auto open = static_cast<std::size_t>(static_cast<const char*>(q) - s.data());
  const std::string_view tag = s.substr(open + 1, close - open - 1);
  if (tag.empty() || tag.front() == '/' || tag.front() == '!' || tag.front() == '?' ||
      tag.back() == '/' || tag.find_first_of("<>\n") != npos)
    return none;
  return {open + 1, close};
}

// Syllables of a date and time written out in a messenger's export (2024년 5월 1일 수요일 오후
// 3:12): a line's head of these, digits and separators is its stamp.
constexpr std::string_view kStampSyllables[] = {"년", "월", "일", "오", "전", "후",
                                                "요", "화", "수", "목", "금", "토"};

// Whether [from, to) of the line is the date part of a stamp: digits, separators, the syllables
// above, AM/PM.
bool stamp_head(std::string_view line, std::size_t from, std::size_t to) {
  for (std::size_t k = from; k < to;) {
    const char c = line[k];
    if (is_digit(c) || c == ' ' || c == '-' || c == '.' || c == '/' || c == ',' || c == 'T') {
      ++k;
      continue;
    }
    if (k + 2 <= to &&
        (unicode::word_at_any_case(line, k, "am") || unicode::word_at_any_case(line, k, "pm"))) {
      k += 2;
      continue;
    }
    const auto syllable = std::find_if(
        std::begin(kStampSyllables), std::end(kStampSyllables),
        [&](std::string_view w) { return line.substr(k, std::min(w.size(), to - k)) == w; });
    if (syllable == std::end(kStampSyllables)) return false;
    k += syllable->size();
  }
  return true;
}

// The line after what a chat export or a call transcript puts before each message: a time
// stamp ([2024-05-01 14:22], 2024.05.01 14:22:03, (오후 3:12)), a name in brackets before it
// ([홍길동] [오후 3:12]), the speaker after it (2024년 5월 1일 오후 3:12, 홍길동 : ...) or before
// it (상담원 (00:01:15): ...). Its digits are no number of the line.
std::string_view after_stamp(std::string_view line) {
  constexpr std::size_t kStampReach = 40, kSpeakerReach = 40;
  std::size_t k = line.find_first_not_of(" \t");
  if (k == npos) return line;
  // Bracketed groups first: a name, a time, or both.
  bool bracketed = false;
  for (int group = 0; group < 2 && k < line.size() && (line[k] == '[' || line[k] == '('); ++group) {
    const std::size_t close = line.find(line[k] == '[' ? ']' : ')', k);
    if (close == npos || close - k > kStampReach) break;
    k = line.find_first_not_of(" \t", close + 1);
    bracketed = true;
    if (k == npos) return line.substr(line.size());
  }
  // A clock (H:MM) near the start, after a date or a speaker's name.
  const std::string_view head = line.substr(0, std::min(line.size(), k + kStampReach));
  std::size_t clock = npos;
  for (std::size_t c = head.find(':', k + 1); c != npos && c + 2 < head.size();
       c = head.find(':', c + 1))
    if (is_digit(line[c - 1]) && is_digit(line[c + 1]) && is_digit(line[c + 2])) {
      clock = c;
      break;
    }
  if (clock == npos) return bracketed ? line.substr(k) : line;
  std::size_t head_end = clock - 1;
  if (head_end > k && is_digit(line[head_end - 1])) --head_end;
  std::size_t e = clock + 3;
  while (e + 2 < line.size() && (line[e] == ':' || line[e] == '.') && is_digit(line[e + 1]) &&
         is_digit(line[e + 2])) {
    e += 3;
    while (e < line.size() && is_digit(line[e])) ++e;  // fractions of a second
  }
  const bool closed = e < line.size() && (line[e] == ']' || line[e] == ')');
  if (stamp_head(line, k, head_end)) {
    if (closed) ++e;
    // The speaker after the stamp: ", 홍길동 : " as a phone's export writes it.
    if (e + 1 < line.size() && line[e] == ',' && line[e + 1] == ' ') {
      const std::size_t colon = line.find(" : ", e);
      if (colon != npos && colon - e <= kSpeakerReach) return line.substr(colon + 3);
    }
    return line.substr(e);
  }
  // A speaker's name before the time in brackets: 상담원 (00:01:15): ...
  if (closed && head_end > k && (line[head_end - 1] == '(' || line[head_end - 1] == '[') &&
      head_end - k <= kSpeakerReach &&
      unicode::count_ascii_digits(line.substr(k, head_end - k)) == 0) {
    ++e;
    if (e < line.size() && line[e] == ':') ++e;
    return line.substr(e);
  }
  return bracketed ? line.substr(k) : line;
}

// A label on a line of its own (■ 계좌번호, [주문번호], Date of Birth:), not a sentence: three
// words at most, a few letters, no question, no sentence ending (확인했습니다., 드릴게요).
bool label_line(std::string_view line) {
  constexpr std::size_t kLabelLetters = 16, kLabelWords = 3;
  const std::size_t last = line.find_last_not_of(" \t\r");
  if (last == npos || line.find('?') != npos || line[last] == '.') return false;
  const std::string_view end = line.substr(0, last + 1);
  if (end.ends_with("다") || end.ends_with("요") || end.ends_with("죠")) return false;
  std::size_t letters = 0, words = 0;
  bool in_word = false;
  for (std::size_t k = 0; k < line.size();) {
    const char32_t c = utf8::decode(line, k);
    const bool letter =
        (c >= 0xAC00 && c <= 0xD7A3) || (c < 0x80 && std::isalnum(static_cast<int>(c)));
    letters += letter;
    if (letter && !in_word) ++words;
    if (c == ' ' || c == '\t') in_word = false;
    else if (letter) in_word = true;
    if (letters > kLabelLetters || words > kLabelWords) return false;
  }
  return true;
}

// A question (it ends with a question mark): what it asks for is what the answer is, look-alikes
// too (주문번호 알려주시겠어요?).
bool question(std::string_view line) {
  const std::size_t last = line.find_last_not_of(" \t\r");
  return last != npos && (line[last] == '?' || (last >= 2 && line.substr(last - 2, 3) == "？"));
}

// How a request ends (계좌 불러주세요., 확인 부탁드려요): it asks for what it names, as a question
// does.
constexpr std::string_view kRequestEndings[] = {"주세요",     "주십시오", "부탁드립니다",
                                                "부탁드려요", "부탁해요", "알려줘",
                                                "불러줘",     "보내줘",   "찍어줘",
                                                "찍어봐",     "please"};

bool ends_with_one_of(std::string_view line, std::span<const std::string_view> endings) {
  const std::size_t last = line.find_last_not_of(" \t\r.!~^");
  if (last == npos) return false;
  const std::string_view end = line.substr(0, last + 1);
  // The last byte first: most endings differ from the line's there.
  return std::any_of(endings.begin(), endings.end(), [&](std::string_view e) {
    return e.empty() || (e.back() == end.back() && end.ends_with(e));
  });
}

bool request(std::string_view line) { return ends_with_one_of(line, kRequestEndings); }

// A line that says what comes next (면허번호 보내드려요): read over remarks as a question is.
bool announces(std::string_view line) {
  return ends_with_one_of(line, labels::kAnnouncementEndings);
}

// A messenger's header over a message: the speaker's name and the time alone on a line (김민수
// 오후 3:01, [김민수] [오후 3:01]). It stands between two messages as a blank line would.
bool speaker_header(std::string_view line) {
  constexpr std::size_t kNameBytes = 24;
  const std::size_t last = line.find_last_not_of(" \t\r");
  if (last == npos) return false;
  line = line.substr(0, last + 1);
  // The clock at the end first: most lines end otherwise, and are not counted through.
  const bool closed = line.back() == ']' || line.back() == ')';
  const std::string_view clock = closed ? line.substr(0, line.size() - 1) : line;
  if (clock.size() < 4 || !is_digit(clock.back()) || !is_digit(clock[clock.size() - 2]) ||
      clock[clock.size() - 3] != ':' || !is_digit(clock[clock.size() - 4]))
    return false;
  constexpr std::size_t kClockDigits = 4;  // a date beside the time makes it no header
  if (unicode::count_ascii_digits(line) > kClockDigits) return false;
  if (is_blank(after_stamp(line))) return true;  // [김민수] [오후 3:01]
  if (closed) return false;
  const std::size_t name_end = line.find(' ');
  return name_end != npos && name_end <= kNameBytes &&
         unicode::count_ascii_digits(line.substr(0, name_end)) == 0 &&
         stamp_head(line, name_end, line.size() - 3);
}

// Whether an HTML tag `name` (lower case) opens at byte `at`: <td>, <TD class="x">, </tr>.
bool opens_tag(std::string_view s, std::size_t at, std::string_view name) {
  if (s[at] != '<' || at + 1 + name.size() >= s.size() ||
      !unicode::word_at_any_case(s, at + 1, name))
    return false;
  const char c = s[at + 1 + name.size()];
  return c == '>' || c == '/' || is_space(c);
}

bool opens_cell(std::string_view s, std::size_t at) {
  return opens_tag(s, at, "td") || opens_tag(s, at, "th");
}

// The last tag `name` opened in [low, at), or npos.
std::size_t last_tag(std::string_view s, std::size_t low, std::size_t at, std::string_view name) {
  while (at > low) {
    const void* q = memrchr(s.data() + low, '<', at - low);
    if (!q) return npos;
    at = static_cast<std::size_t>(static_cast<const char*>(q) - s.data());
    if (opens_tag(s, at, name)) return at;
  }
  return npos;
}

// The first tag in [from, to) that `wanted` accepts, or npos.
template <class Wanted>
std::size_t next_tag(std::string_view s, std::size_t from, std::size_t to, Wanted wanted) {
  while (from < to) {
    const void* q = std::memchr(s.data() + from, '<', to - from);
    if (!q) return npos;
    from = static_cast<std::size_t>(static_cast<const char*>(q) - s.data());
    if (wanted(from)) return from;
    ++from;
  }
  return npos;
}

// Whether a table starts or ends in [from, to).
bool table_tag_in(std::string_view s, std::size_t from, std::size_t to) {
  return next_tag(s, from, to, [&](std::size_t at) {
           return opens_tag(s, at, "table") || opens_tag(s, at, "/table");
         }) != npos;
}

// The end of the row that starts at `row`: its </tr>, the next <tr>, or `limit`.
std::size_t row_end(std::string_view s, std::size_t row, std::size_t limit) {
  const std::size_t e = next_tag(s, row + 1, limit, [&](std::size_t at) {
    return opens_tag(s, at, "tr") || opens_tag(s, at, "/tr");
  });
  return e == npos ? limit : e;
}

constexpr std::uint32_t kMaxSpan = 64;     // columns or rows one cell may take
constexpr std::size_t kMaxColumns = 1024;  // columns of a table laid out

// What a span attribute of the tag opening at `at` says (colspan="2", rowspan=3): 1 when absent.
std::uint32_t span_of(std::string_view s, std::size_t at, std::size_t limit,
                      std::string_view name) {
  const void* gt = std::memchr(s.data() + at, '>', limit - at);
  const std::string_view tag = s.substr(
      at, (gt ? static_cast<std::size_t>(static_cast<const char*>(gt) - s.data()) : limit) - at);
  if (tag.find("span") == npos && tag.find("SPAN") == npos) return 1;
  for (std::size_t k = 0; k + name.size() <= tag.size(); ++k) {
    if (!unicode::word_at_any_case(tag, k, name)) continue;
    std::size_t p = k + name.size();
    while (p < tag.size() && (tag[p] == ' ' || tag[p] == '=' || tag[p] == '"' || tag[p] == '\''))
      ++p;
    std::uint32_t n = 0;
    while (p < tag.size() && is_digit(tag[p]) && n < kMaxSpan)
      n = n * 10 + static_cast<std::uint32_t>(tag[p++] - '0');
    return std::clamp<std::uint32_t>(n, 1, kMaxSpan);
  }
  return 1;
}

// Lays out the cells of the table row [from, to): `cell(start tag, first column, columns)` for
// each until it says stop, past the columns cells of the rows above still take (rowspan).
// `below` (rows still taken, by column) becomes what the rows under this one find taken.
template <class Cell>
void lay_out_row(std::string_view s, std::size_t from, std::size_t to,
                 std::vector<std::uint32_t>& below, Cell cell) {
  std::size_t column = 0;
  auto skip_taken = [&] {
    for (; column < below.size() && below[column] > 0; ++column) --below[column];
  };
  for (std::size_t k = from;
       (k = next_tag(s, k, to, [&](std::size_t at) { return opens_cell(s, at); })) != npos; ++k) {
    skip_taken();
    const std::uint32_t columns = span_of(s, k, to, "colspan"), rows = span_of(s, k, to, "rowspan");
    if (column + columns > kMaxColumns || !cell(k, column, columns)) return;
    if (below.size() < column + columns) below.resize(column + columns, 0);
    for (std::size_t c = column; c < column + columns; ++c) below[c] = rows - 1;
    column += columns;
  }
  for (; column < below.size(); ++column)
    if (below[column] > 0) --below[column];
}

// Digits that make a cell's number a value of its own (a telephone, an account), not a count.
constexpr std::ptrdiff_t kOwnNumberDigits = 7;

// The first cell of a row, when the value stands in a later one: a sheet or report turned
// sideways names its rows there (연락처 | 010-... | 010-...). Read when the header names nothing.
void row_label(std::string_view text, std::size_t ls, std::size_t start, char delimiter,
               std::vector<Place>& out) {
  std::size_t from = ls;
  while (from < start && (text[from] == ' ' || (delimiter == '|' && text[from] == '|'))) ++from;
  std::size_t to = from;
  if (delimiter && text[from] != '"') {
    const void* d = std::memchr(text.data() + from, delimiter, start - from);
    to = d ? static_cast<std::size_t>(static_cast<const char*>(d) - text.data()) : start;
  } else if (delimiter) {  // a quoted first cell keeps its delimiters
    bool quoted = false;
    for (; to < start && (quoted || text[to] != delimiter); ++to)
      if (text[to] == '"') quoted = !quoted;
  } else {  // a field of a report ends at a tab or two spaces
    while (to < start && text[to] != '\t' &&
           !(text[to] == ' ' && to + 1 < start && text[to + 1] == ' '))
      ++to;
  }
  if (to >= start || to == from) return;
  // A cell between bars or tabs holding a word and a number of its own (대표번호 054-... | 직통
  // 02-...) is a label and its value, not the row's name; a date or a time alone may still name
  // it.
  const std::string_view first = text.substr(from, to - from);
  if ((delimiter == '|' || delimiter == '\t') &&
      std::count_if(first.begin(), first.end(), is_digit) >= kOwnNumberDigits &&
      std::any_of(first.begin(), first.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x80 || unicode::is_ascii_letter(c);
      }))
    return;
  out.push_back({from, to, 1, rule::kRowLabel, true});
}

constexpr std::size_t kBlockLines = 64;     // lines walked up to the key of a YAML block
constexpr std::size_t kObjectReach = 2048;  // bytes walked back to the brace of a JSON object
constexpr std::uint32_t kBlockLevels = 2;   // enclosing keys read: the block's and the one above

// Splits a key path (user.phone, customer[contact][tel], user__phone, user:phone) into its keys;
// calls `key(from, to)` for each from the innermost out, the last key itself first.
template <class Key>
void path_keys(std::string_view s, std::size_t from, std::size_t to, Key key) {
  std::size_t end = to;
  for (std::size_t k = to; k > from; --k) {
    const char c = s[k - 1];
    const bool joint = c == '.' || c == '[' || c == ']' || c == ':' || c == '/' ||
                       (c == '_' && k - 1 > from && s[k - 2] == '_');
    if (!joint) continue;
    if (end > k) key(k, end);
    end = c == '_' ? k - 2 : k - 1;
    if (c == '_') --k;
  }
  if (end > from) key(from, end);
}

// The key path right before `=` at byte `eq` (user.phone=..., a[b][c]=...): its first byte.
std::size_t path_before(std::string_view s, std::size_t eq) {
  std::size_t k = eq;
  while (k > 0 && k + 128 > eq) {
    const char c = s[k - 1];
    if (is_space(c) || c == '&' || c == '?' || c == ';' || c == ',' || c == '"' || c == '\'' ||
        c == '{' || c == '(' || c == '=')
      break;
    --k;
  }
  return k;
}

// The YAML key right before a value ("  key: " or "  - key: " from the line's start, indented):
// the start of its line and the key's indentation, or {npos, npos}. `colon` is the key's colon.
std::pair<std::size_t, std::size_t> yaml_key_line(std::string_view s, std::size_t colon) {
  constexpr std::pair<std::size_t, std::size_t> none{npos, npos};
  constexpr std::size_t kKeyReach = 64, kIndentReach = 256;
  std::size_t k = colon;
  while (k > 0 && colon - k < kKeyReach && !is_space(s[k - 1]) && s[k - 1] != ':' &&
         s[k - 1] != '"' && s[k - 1] != '{')
    --k;
  if (k == colon || k == 0 || s[k - 1] != ' ') return none;
  const std::size_t key = k;
  while (k > 0 && key - k < kIndentReach && (s[k - 1] == ' ' || s[k - 1] == '-')) --k;
  if (k > 0 && s[k - 1] != '\n') return none;
  return {k, key - k};
}

// The keys of the YAML blocks around the line at `ls` indented by `indent` (phone: over
// primary: 010-...), each as a place from the innermost out.
void yaml_blocks(std::string_view s, std::size_t ls, std::size_t indent, std::vector<Place>& out,
                 RuleName rule) {
  std::uint32_t level = 0;
  for (std::size_t lines = 0; ls > 0 && lines < kBlockLines && level < kBlockLevels; ++lines) {
    const std::size_t pe = ls - 1, ps = line_start(s, pe);
    if (ps == npos) return;
    ls = ps;
    const std::string_view line = s.substr(ps, pe - ps);
    const std::size_t first = line.find_first_not_of(" -");
    if (first == npos) return;  // a blank line ends the block
    if (line[first] == '#') continue;
    if (first >= indent) {  // a sibling (key: value) or what a sibling holds
      if (line.find(':') == npos) return;
      continue;
    }
    // A line of spaces and a carriage return is a blank line of CRLF text: it ends the block.
    const std::size_t last = line.find_last_not_of(" \r");
    if (last == npos || line[last] != ':') return;  // a key with a value: no block holds it
    out.push_back({ps + first, ps + last, level, rule, false});
    ++level;
    indent = first;
  }
}

// The key of the JSON object that holds the byte `at` ("phone": {"primary": ...): its bytes,
// or {npos, npos}; strings on the way are skipped whole, objects before closed.
std::pair<std::size_t, std::size_t> json_object_key(std::string_view s, std::size_t& at) {
  constexpr std::pair<std::size_t, std::size_t> none{npos, npos};
  const std::size_t low = at > kObjectReach ? at - kObjectReach : 0;
  std::size_t depth = 0, p = at;
  for (; p > low; --p) {
    const char c = s[p - 1];
    if (c == '"') {
      const void* q = memrchr(s.data() + low, '"', p - 1 - low);
      if (!q) return none;
      p = static_cast<std::size_t>(static_cast<const char*>(q) - s.data()) + 1;
    } else if (c == '}' || c == ']') {
      ++depth;
    } else if (c == '{' || c == '[') {
      if (depth == 0) break;
      --depth;
    }
  }
  if (p <= low || s[p - 1] != '{') return none;
  std::size_t k = p - 1;
  while (k > low && is_space(s[k - 1])) --k;
  if (k <= low || s[k - 1] != ':') return none;
  --k;
  while (k > low && is_space(s[k - 1])) --k;
  if (k <= low || s[k - 1] != '"') return none;
  const std::size_t key_end = k - 1;
  const void* q = memrchr(s.data() + low, '"', key_end - low);
  if (!q) return none;
  const auto key = static_cast<std::size_t>(static_cast<const char*>(q) - s.data()) + 1;
  if (key_end - key > 64) return none;
  at = key - 1;
  return {key, key_end};
}

// The keys that enclose a value written "key": value, key: value or key=value: the blocks of a
// YAML file, the objects of a JSON document, the keys before the last of a key path. A key
// naming a kind names the values of its block; one naming a company or an order vetoes them.
// Only the bytes right before the value are looked at unless they are such a key.
void enclosing_keys(std::string_view s, std::size_t start, std::vector<Place>& out, RuleName rule) {
  std::size_t k = start;
  if (k > 0 && (s[k - 1] == '"' || s[k - 1] == '\'')) --k;
  while (k > 0 && s[k - 1] == ' ') --k;
  if (k == 0) return;
  if (s[k - 1] == '=') {
    std::uint32_t level = 0;
    bool last = true;
    path_keys(s, path_before(s, k - 1), k - 1, [&](std::size_t from, std::size_t to) {
      if (!std::exchange(last, false) && level < kBlockLevels)
        out.push_back({from, to, level++, rule, false});
    });
    return;
  }
  if (s[k - 1] != ':') return;
  if (k >= 2 && s[k - 2] == '"') {  // "key": value
    const std::size_t close = k - 2, low = close > 64 ? close - 64 : 0;
    const void* q = memrchr(s.data() + low, '"', close - low);
    if (!q) return;
    std::size_t at = static_cast<std::size_t>(static_cast<const char*>(q) - s.data());
    // A key of an object written on one line and opened first on it ({"ts": ..., "phone": ...},
    // a log's record) is enclosed by no key: nothing to walk back over.
    if (const std::size_t ls = line_start(s, at); ls != npos) {
      const std::size_t first = s.find_first_not_of(" \t", ls);
      if (first < at && s[first] == '{' && !std::memchr(s.data() + first + 1, '{', at - first - 1))
        return;
    }
    for (std::uint32_t level = 0; level < kBlockLevels; ++level) {
      const auto [from, to] = json_object_key(s, at);
      if (from == npos) return;
      out.push_back({from, to, level, rule, false});
    }
    return;
  }
  if (const auto [ls, indent] = yaml_key_line(s, k - 1); ls != npos && indent > 0)
    yaml_blocks(s, ls, indent, out, rule);
}

// The field a part of a multipart form names (Content-Disposition: form-data; name="phone"),
// on the line over its value: the name's bytes, or {npos, npos}.
std::pair<std::size_t, std::size_t> form_field(std::string_view line, std::size_t offset) {
  const std::size_t name = line.find("name=\"");
  if (name == npos || line.find("form-data") == npos) return {npos, npos};
  const std::size_t from = name + 6, to = line.find('"', from);
  if (to == npos) return {npos, npos};
  return {offset + from, offset + to};
}

}  // namespace

void Reader::enclosing(std::string_view text, std::size_t start, std::vector<Place>& out) const {
  enclosing_keys(text, start, out, rule::kEnclosingKey);
}

void Reader::places(std::string_view text, std::size_t start, std::size_t end,
                    std::vector<Place>& out) {
  const std::size_t ls = line_start(text, start);
  const std::size_t le = line_end(text, end);
  const auto [tag_from, tag_to] = xml_start_tag(text, start);
  // A cell of an HTML table (a page saved or mailed may be one long line).
  if (tag_from != npos && opens_cell(text, tag_from - 1)) {
    html_header(text, tag_from - 1, out);
    return;
  }
  if (ls == npos || le == npos) return;
  enclosing_keys(text, start, out, rule::kEnclosingKey);
  if (const auto [from, to] = json_array_key(text, start); from != npos) {
    out.push_back({from, to, 0, rule::kJsonArrayKey, false});
    return;
  }
  if (tag_from != npos) {
    out.push_back({tag_from, tag_to, 0, rule::kXmlElement, false});
    return;
  }
  if (sql_column(text, ls, start, out)) return;
  // What depends on the line alone is kept: several values often share a line.
  if (!(line_.data == text.data() && line_.size == text.size() && line_.start == ls &&
        line_.end == le)) {
    line_.data = text.data();
    line_.size = text.size();
    line_.start = ls;
    line_.end = le;
    line_.delimiter = table_row_delimiter(text, ls, le);
    line_.hand_mark_read = false;
    line_.body = npos;
    line_.before.clear();
    line_.before_read = false;
    line_.counted_to = ls;
    line_.counted = 0;
    line_.quoted = false;
    line_.cells = 0;
  }
  // The date and time a chat export stamps the message with are not what the message answers
  // (a stamp takes the first few dozen bytes of a line of prose, and holds a time: H:MM).
  constexpr std::size_t kStampBytes = 96;
  if (!line_.delimiter && start - ls < kStampBytes &&
      std::memchr(text.data() + ls, ':', std::min(le - ls, kStampBytes))) {
    if (line_.body == npos) {
      const std::string_view line = text.substr(ls, le - ls);
      line_.body = ls + line.size() - after_stamp(line).size();
    }
    if (start < line_.body) return;
  }
  auto before = [&] {
    if (!std::exchange(line_.before_read, true)) lines_before(text, ls, line_.before);
    out.insert(out.end(), line_.before.begin(), line_.before.end());
  };
  // A row of a delimited table takes its labels from the header, not from the row above; so
  // does a row of a report (whose amounts may hold commas). Rows under no header are turns of
  // a transcript or messages of an export (00:01:12<TAB>고객<TAB>...): the lines before them
  // are read as before prose.
  if (line_.delimiter == '\t' && copy_column(text, ls, le, start, out)) return;
  if (line_.delimiter) {
    const bool header = column_header(text, ls, le, start, out) ||
                        fixed_width_header(text, ls, le, start, end, out);
    const bool announced = !header && announced_header(text, ls, le, start, out, line_.delimiter);
    row_label(text, ls, start, line_.delimiter, out);
    if (!header && !announced) before();
    return;
  }
  if (fixed_width_header(text, ls, le, start, end, out)) {
    row_label(text, ls, start, 0, out);
    return;
  }
  // Replies in rows parted by slashes or commas, under the line that asked for their fields.
  // The line has no table's delimiter; its mark is read once for all its values.
  if (!std::exchange(line_.hand_mark_read, true))
    line_.hand_mark = hand_written_mark(text.substr(ls, le - ls));
  if (line_.hand_mark && announced_header(text, ls, le, start, out, line_.hand_mark)) return;
  before();
}

// The line before (blank lines skipped), when it holds no number of its own: a label on its
// own line, or a question. When it names nothing, the line before it, across a short remark
// (잠시만요, Let me check.) by the one who answers.
void Reader::lines_before(std::string_view text, std::size_t ls, std::vector<Place>& out) const {
  if (ls == 0) return;
  std::size_t pe = ls - 1, ps = 0;
  for (int skipped = 0;; ++skipped) {
    ps = line_start(text, pe);
    if (ps == npos) return;
    const std::string_view line = text.substr(ps, pe - ps);
    if (!is_blank(line) && !speaker_header(line)) break;
    if (ps == 0 || skipped == 2) return;
    pe = ps - 1;
  }
  const std::string_view line = text.substr(ps, pe - ps), previous = after_stamp(line);
  // A line that holds its own value (six digits, or a date with a month name: 09APR66) labels no
  // line below it; nor does any line above one that begins with its own word (Flight, 입실).
  const std::size_t digits = unicode::count_ascii_digits(previous);
  if (digits >= 6 || (digits >= 3 && holds_month_date(previous)) ||
      begins_with_own_word(text.substr(ls)))
    return;
  // A part of a form: its name names it, the keys of the name's path enclose it.
  if (const auto [from, to] = form_field(line, ps); from != npos) {
    std::uint32_t level = 0;
    path_keys(text, from, to, [&](std::size_t a, std::size_t b) {
      if (level <= kBlockLevels)  // the name itself, then its keys from the innermost out
        out.push_back({a, b, level == 0 ? 0 : level - 1,
                       level == 0 ? rule::kFormField : rule::kEnclosingKey, false});
      ++level;
    });
    return;
  }
  // A request (알려줘, 불러주세요) asks for what it names, as a question does.
  out.push_back({ps, pe, 1,
                 label_line(line)                      ? rule::kLabelLine
                 : question(line) || request(previous) ? rule::kQuestionLine
                                                       : rule::kPreviousLine,
                 false});
  // Up over short remarks (잠시만요, then 어디 적어놨는데..) to the question; past two remarks
  // only a question or a request is read.
  std::string_view remark = previous;
  std::uint32_t headers = 0;
  for (std::uint32_t distance = 2; distance <= kRemarks + 1; ++distance) {
    if (ps == 0 || remark.size() > kShortLine || unicode::count_ascii_digits(remark) > 0) return;
    const std::size_t ee = ps - 1, es = line_start(text, ee);
    if (es == npos) return;
    const std::string_view earlier = text.substr(es, ee - es);
    if (speaker_header(earlier) && headers++ < kRemarks) {  // a header between messages
      ps = es;                                              // is no remark
      --distance;
      continue;
    }
    remark = after_stamp(earlier);
    if (is_blank(earlier) || unicode::count_ascii_digits(remark) >= 6) return;
    // What its writer said was coming (면허번호 보내드려요) is read over remarks as a question
    // is, even past the other side's reply (네 보내주세요); as a remark, it vetoes nothing.
    const bool asked = question(earlier) || request(earlier);
    const bool announced = !asked && announces(remark);
    if (asked || announced || distance == 2)
      out.push_back({es, ee, distance, asked ? rule::kEarlierQuestion : rule::kEarlierLine,
                     !announced});
    ps = es;
  }
}

namespace {

// The fields of a line that says the order of the rows below it (성명, 주민번호, 연락처 순으로):
// its message split at /, |, comma, middle dot or tab, at least two. None when it says no order.
void announced_fields(std::string_view text, std::size_t ls, std::size_t le,
                      std::vector<std::pair<std::size_t, std::size_t>>& fields) {
  const std::string_view line = text.substr(ls, le - ls), body = after_stamp(line);
  std::string_view trimmed = body.substr(0, body.find_last_not_of(" \r.~!") + 1);
  const bool says_order =
      trimmed.ends_with(labels::kFieldOrderLastWord) ||
      std::any_of(std::begin(labels::kFieldOrderWords), std::end(labels::kFieldOrderWords),
                  [&](std::string_view w) { return body.find(w) != npos; });
  // A request or an announcement says an order only when it lists its fields by a mark, the
  // fields between the first and the last one a word or two each (이름/연락처/생년월일 남겨
  // 주세요), never parted by tabs (a transcript's columns); maybe in brackets after it (명단
  // 부탁드립니다 (성명, 생년월일)).
  const std::size_t bracket = trimmed.ends_with(')') ? trimmed.rfind('(') : npos;
  const std::string_view asking = bracket == npos ? body : body.substr(0, bracket);
  const bool listed = !says_order && (request(asking) || announces(asking)) &&
                      body.find('\t') == npos;
  if (!says_order && !listed) return;
  const std::size_t from = ls + (line.size() - body.size()), to = from + trimmed.size();
  for (std::size_t k = from, cell = from; k <= to; ++k) {
    const bool middle_dot = k + 1 < to && text[k] == '\xC2' && text[k + 1] == '\xB7';
    if (k < to && !middle_dot && text[k] != '/' && text[k] != '|' && text[k] != ',' &&
        text[k] != '\t')
      continue;
    fields.push_back({cell, k});
    if (middle_dot) ++k;
    cell = k + 1;
  }
  constexpr std::size_t kFieldBytes = 24, kFieldWords = 2;
  const auto short_field = [&](std::pair<std::size_t, std::size_t> f) {
    const std::string_view cell = text.substr(f.first, f.second - f.first);
    const std::size_t from = cell.find_first_not_of(' '), to = cell.find_last_not_of(' ');
    if (from == npos) return false;
    const std::string_view word = cell.substr(from, to + 1 - from);
    return word.size() <= kFieldBytes &&
           static_cast<std::size_t>(std::count(word.begin(), word.end(), ' ')) < kFieldWords;
  };
  if (fields.size() < 2 ||
      (listed && !std::all_of(fields.begin() + 1, fields.end() - 1, short_field)))
    fields.clear();
}

}  // namespace

bool Reader::announced_header(std::string_view text, std::size_t ls, std::size_t le,
                              std::size_t start, std::vector<Place>& out, char delim) {
  // Rows of one block: lines with numbers and this delimiter, right under one another.
  const bool cached = announced_.data == text.data() && announced_.size == text.size() &&
                      announced_.delimiter == delim && announced_.top <= ls &&
                      ls - 1 <= announced_.rows_end && ls > announced_.top;
  if (!cached) {
    announced_ = {text.data(), text.size(), ls, le, delim, {}};
    std::size_t top = ls;
    for (std::size_t lines = 0; top > 0 && lines < kReportLines; ++lines) {
      const std::size_t pe = top - 1, ps = line_start(text, pe);
      if (ps == npos) break;
      const std::string_view line = text.substr(ps, pe - ps);
      if (is_blank(line)) break;
      // The line saying the order may share the rows' shape (a messenger's 02:08 김서준: 성명|...).
      announced_fields(text, ps, pe, announced_.fields);
      if (!announced_.fields.empty() || announced_row_delimiter(line) != delim ||
          !has_number(line))
        break;
      top = ps;
    }
    announced_.top = top;
  }
  announced_.rows_end = std::max(announced_.rows_end, le);
  if (announced_.fields.empty()) return false;
  std::size_t column = 0;
  if (delim == line_.delimiter) {
    column = delimiters_before(text, start);
  } else {
    const std::string_view line = text.substr(ls, le - ls), body = after_stamp(line);
    const std::size_t body_start = ls + line.size() - body.size();
    column = start < body_start ? 0 : field_marks(body, start - body_start, delim);
  }
  if (column < announced_.fields.size()) {
    const auto [from, to] = announced_.fields[column];
    out.push_back({from, to, 0, rule::kAnnouncedHeader, false});
  }
  return true;  // a row under the line: the rows above it are no labels
}

bool Reader::column_header(std::string_view text, std::size_t ls, std::size_t le, std::size_t start,
                           std::vector<Place>& out) {
  const char delim = line_.delimiter;
  const std::size_t column = delimiters_before(text, start);
  // Rows of one table: the same delimiter, and cells up to this one (rows written by hand drop
  // their empty last cells).
  auto same_table = [&](std::size_t ps, std::size_t pe) {
    const std::string_view line = text.substr(ps, pe - ps);
    return table_row_delimiter(text, ps, pe) == delim &&
           count_delimiters(line, 0, line.size(), delim, '"', column) >= column;
  };
  // The header: the top line of the block of rows with as many delimiters as this one, across
  // a rule or a blank line right under it.
  std::size_t header = ls, header_end = le;
  const bool cached =
      table_.data == text.data() && table_.size == text.size() && table_.delimiter == delim;
  bool known = false;
  while (header > 0) {
    if (cached && header - 1 <= table_.rows_end && header > table_.header_end) {
      header = table_.header;
      header_end = table_.header_end;
      known = true;
      break;
    }
    std::size_t pe = header - 1, ps = line_start(text, pe);
    if (ps == npos) break;
    if (same_table(ps, pe)) {
      header = ps;
      header_end = pe;
      continue;
    }
    // Across a gap only from rows (a top line without numbers is the header already) and only
    // to a line without numbers.
    if (header != ls && !has_number(text.substr(header, header_end - header))) break;
    for (int gap = 0; gap < 2 && ps != npos; ++gap) {
      const std::string_view line = text.substr(ps, pe - ps);
      if (!is_rule(line) && !is_blank(line)) break;
      if (ps == 0) {
        ps = npos;
        break;
      }
      pe = ps - 1;
      ps = line_start(text, pe);
    }
    if (ps != npos && same_table(ps, pe) && !has_number(text.substr(ps, pe - ps))) {
      header = ps;
      header_end = pe;
    }
    break;
  }
  // A header names columns: a top line with numbers is a row of a table without one (a known
  // table's header was read so when it was found), unless it is a key and its value (a
  // statement's account, holder and period over its header): the first line of names of more
  // cells under such lines is the header.
  if (header == ls) return false;
  if (!known && has_number(text.substr(header, header_end - header))) {
    if (!key_and_value(text.substr(header, header_end - header), delim)) return false;
    for (std::size_t ns = header_end + 1;;) {
      const std::size_t ne = line_end(text, ns);
      if (ne == npos || ne >= ls) return false;
      const std::string_view line = text.substr(ns, ne - ns);
      if (!key_and_value(line, delim) && !has_number(line)) {
        header = ns;
        header_end = ne;
        break;
      }
      ns = ne + 1;
    }
  }
  // A header over two lines (a group over its columns, a name wrapped in its cell): the line
  // right under it, a row of the table without numbers, names the columns too; so does the
  // line right over it when a rule or blank line parts the header from the rows.
  std::size_t second = known ? table_.second : npos, second_end = known ? table_.second_end : 0;
  auto second_line = [&](std::size_t ns, std::size_t ne) {
    if (ns == npos || ne == npos || ns >= ne) return false;
    const std::string_view line = text.substr(ns, ne - ns);
    if (!same_table(ns, ne) || has_number(line) || is_rule(line)) return false;
    second = ns;
    second_end = ne;
    return true;
  };
  if (!known && header_end + 1 < ls) {
    const std::size_t ne = line_end(text, header_end + 1);
    if (!(ne != npos && ne < ls && second_line(header_end + 1, ne)) && header > 0)
      second_line(line_start(text, header - 1), header - 1);
  }
  const bool same_header =
      table_.data == text.data() && table_.size == text.size() && table_.header == header;
  const bool statement =
      same_header ? table_.statement : statement_header(text.substr(header, header_end - header));
  table_ = {text.data(), text.size(), delim,      header,
            header_end,  second,      second_end, std::max(le, cached ? table_.rows_end : le),
            statement};
  // The cells of this column in the header's lines: the lower one names it, the upper one (a
  // group, or the first half of a wrapped name) is read when the lower names nothing.
  const bool second_below = second != npos && second > header;
  const std::pair<std::size_t, std::size_t> lower =
      second_below ? std::pair{second, second_end} : std::pair{header, header_end};
  const std::pair<std::size_t, std::size_t> upper =
      second_below ? std::pair{header, header_end} : std::pair{second, second_end};
  // A row with more cells than the header (a comma inside a field written without quotes)
  // shifts the cells after that field: the value's cell is also read right-aligned with the
  // header's last cells.
  if (line_.cells == 0) {
    // Most rows hold no quote: their delimiters are counted without following quotes.
    const std::string_view row = text.substr(ls, le - ls);
    line_.cells = 1 + (row.find('"') == npos
                           ? static_cast<std::size_t>(std::count(row.begin(), row.end(), delim))
                           : count_delimiters(row, 0, row.size(), delim));
  }
  const std::size_t row_cells = line_.cells;
  bool named = false;
  for (const auto& [line, stop] : {lower, upper}) {
    if (line == npos) continue;
    const std::vector<std::size_t>& cells = header_cells(text, line, stop, delim);
    auto cell_end = [&](std::size_t from) {
      std::size_t to = from;
      while (to < stop && text[to] != delim) ++to;
      return to;
    };
    // Only a column the header has: past its last cell the header is no longer the same table's
    // (a reader reading this value alone finds none), whatever an earlier value found.
    const bool shifted =
        column < cells.size() && row_cells > cells.size() && row_cells - column <= cells.size();
    if (shifted) {
      const std::size_t from = cells[cells.size() - (row_cells - column)];
      out.push_back({from, cell_end(from), 0, rule::kColumnFromRight, named});
    }
    if (column < cells.size()) {
      const std::size_t from = cells[column], to = cell_end(from);
      out.push_back({from, to, 0, rule::kColumnHeader, named});
      if (statement && !named) out.push_back({from, to, 0, rule::kStatementMemo, false});
    }
    named |= shifted || column < cells.size();
  }
  return named;
}

std::size_t Reader::delimiters_before(std::string_view text, std::size_t at) {
  Line& l = line_;
  if (l.counted_to > at) {  // a value read before one before it
    l.counted_to = l.start;
    l.counted = 0;
    l.quoted = false;
  }
  for (std::size_t k = l.counted_to; k < at; ++k) {
    if (text[k] == '"') l.quoted = !l.quoted;
    else if (text[k] == l.delimiter && !l.quoted) ++l.counted;
  }
  l.counted_to = at;
  return l.counted;
}

const std::vector<std::size_t>& Reader::header_cells(std::string_view text, std::size_t line,
                                                     std::size_t stop, char delim) {
  for (const HeaderCells& h : header_cells_)
    if (h.data == text.data() && h.size == text.size() && h.line == line && h.stop == stop &&
        h.delimiter == delim)
      return h.starts;
  HeaderCells& h = header_cells_[next_header_cells_];  // the older of the two gives way
  next_header_cells_ ^= 1;
  h.data = text.data();
  h.size = text.size();
  h.line = line;
  h.stop = stop;
  h.delimiter = delim;
  h.starts.assign(1, line);
  bool quoted = false;
  for (std::size_t k = line; k < stop; ++k) {
    if (text[k] == '"') quoted = !quoted;
    else if (text[k] == delim && !quoted) h.starts.push_back(k + 1);
  }
  return h.starts;
}

void Reader::html_header(std::string_view text, std::size_t cell, std::vector<Place>& out) {
  const std::size_t row =
      last_tag(text, cell > kHtmlRowReach ? cell - kHtmlRowReach : 0, cell, "tr");
  if (row == npos) return;
  // A form laid out as a table names the value in its own row: <tr><th>연락처</th><td>010-...
  if (const std::size_t th = last_tag(text, row, cell, "th"); th != npos) {
    if (const void* gt = std::memchr(text.data() + th, '>', cell - th)) {
      const auto from = static_cast<std::size_t>(static_cast<const char*>(gt) - text.data()) + 1;
      out.push_back({from, cell, 0, rule::kHtmlHeader, false});
      return;
    }
  }
  const bool cached = html_.data == text.data() && html_.size == text.size() && html_.table < row &&
                      html_.seen_to <= row && !table_tag_in(text, html_.seen_to, row);
  if (!cached) {
    const std::size_t table =
        last_tag(text, row > kHtmlTableReach ? row - kHtmlTableReach : 0, row, "table");
    if (table == npos) return;
    html_.data = text.data();
    html_.size = text.size();
    html_.table = table;
    html_.seen_to = row;
    html_.lower.clear();
    html_.upper.clear();
    html_.below.clear();
    // The header row: the row of the table's first <th>, else its first row when that holds
    // no number; never the value's own row.
    std::size_t header = npos;
    if (const std::size_t th =
            next_tag(text, table, row, [&](std::size_t at) { return opens_tag(text, at, "th"); });
        th != npos) {
      header = last_tag(text, table, th, "tr");
    } else if (const std::size_t first = next_tag(
                   text, table, row, [&](std::size_t at) { return opens_tag(text, at, "tr"); });
               first != npos) {
      if (!has_number(text.substr(first, row_end(text, first, row) - first))) header = first;
    }
    // The header's rows: a row of groups over the names (colspan) may stand over it, names
    // running down both (rowspan). Each cell runs from its start tag's end to the next cell or
    // the row's end; a column's lower cell names it, the one over it groups it.
    for (std::size_t r = header; r != npos && r < row;) {
      const std::size_t stop = row_end(text, r, row);
      lay_out_row(
          text, r, stop, html_.below, [&](std::size_t at, std::size_t column, std::size_t columns) {
            const void* gt = std::memchr(text.data() + at, '>', stop - at);
            if (!gt) return false;
            const auto from =
                static_cast<std::size_t>(static_cast<const char*>(gt) - text.data()) + 1;
            const std::size_t next =
                next_tag(text, from, stop, [&](std::size_t k) { return opens_cell(text, k); });
            const std::pair<std::size_t, std::size_t> name{from, next == npos ? stop : next};
            if (html_.lower.size() < column + columns) {
              html_.lower.resize(column + columns, {npos, npos});
              html_.upper.resize(column + columns, {npos, npos});
            }
            for (std::size_t c = column; c < column + columns; ++c) {
              if (html_.lower[c].first != npos) html_.upper[c] = html_.lower[c];
              html_.lower[c] = name;
            }
            return true;
          });
      html_.seen_to = stop;
      // The next row is the header's too when it holds header cells and no data cell.
      const std::size_t next =
          next_tag(text, stop, row, [&](std::size_t at) { return opens_tag(text, at, "tr"); });
      if (next == npos) break;
      const std::size_t next_stop = row_end(text, next, row);
      const auto holds = [&](std::string_view name) {
        return next_tag(text, next, next_stop,
                        [&](std::size_t at) { return opens_tag(text, at, name); }) != npos;
      };
      if (!holds("th") || holds("td")) break;
      r = next;
    }
  }
  // The rows between: what their merged cells take of the rows under them.
  while (html_.seen_to < row) {
    const std::size_t next = next_tag(text, html_.seen_to, row,
                                      [&](std::size_t at) { return opens_tag(text, at, "tr"); });
    if (next == npos) break;
    const std::size_t stop = row_end(text, next, row);
    lay_out_row(text, next, stop, html_.below,
                [](std::size_t, std::size_t, std::size_t) { return true; });
    html_.seen_to = stop;
  }
  html_.seen_to = row;
  // The value's column: its row laid out on a copy, as the next value may share the row.
  html_.scratch = html_.below;
  std::size_t column = npos;
  lay_out_row(text, row, cell + 1, html_.scratch,
              [&](std::size_t at, std::size_t first, std::size_t) {
                if (at != cell) return true;
                column = first;
                return false;
              });
  if (column >= html_.lower.size()) return;
  if (const auto [from, to] = html_.lower[column]; from != npos)
    out.push_back({from, to, 0, rule::kHtmlHeader, false});
  if (const auto [from, to] = html_.upper[column];
      from != npos && html_.upper[column] != html_.lower[column])
    out.push_back({from, to, 0, rule::kHtmlHeader, true});
}

bool Reader::fixed_width_header(std::string_view text, std::size_t ls, std::size_t le,
                                std::size_t start, std::size_t end, std::vector<Place>& out) {
  // A field of a report stands apart from its neighbours by two spaces or more.
  const bool apart = (start >= ls + 2 && text[start - 1] == ' ' && text[start - 2] == ' ') ||
                     (end + 2 <= le && text[end] == ' ' && text[end + 1] == ' ') ||
                     (start > ls && text[start - 1] == '\t');
  if (!apart) return false;
  std::size_t header = npos, header_end = 0;
  const bool cached = report_.data == text.data() && report_.size == text.size() &&
                      ls > report_.header_end && ls - 1 <= report_.rows_end;
  if (cached) {
    header = report_.header;
    header_end = report_.header_end;
  } else {
    // Up over rows (numbers in fields apart) and rules to a line of names apart.
    std::size_t top = ls, blank = 0;
    for (std::size_t lines = 0; top > 0 && lines < kReportLines; ++lines) {
      const std::size_t pe = top - 1, ps = line_start(text, pe);
      if (ps == npos) break;
      const std::string_view line = text.substr(ps, pe - ps);
      top = ps;
      if (is_rule(line) || (is_blank(line) && blank++ == 0))
        continue;  // one blank line may follow the header
      if (is_blank(line) || field_gaps(line) == 0) break;
      if (has_number(line)) continue;
      if (field_gaps(line) >= 1) {
        header = ps;
        header_end = pe;
      }
      break;
    }
    if (header == npos) return false;
  }
  const bool statement = cached || (report_.data == text.data() && report_.size == text.size() &&
                                    report_.header == header)
                             ? report_.statement
                             : statement_header(text.substr(header, header_end - header));
  report_ = {
      text.data(), text.size(), header, header_end, std::max(le, cached ? report_.rows_end : le),
      statement};
  // The header's name whose columns overlap the value's most, by terminal width (as a report
  // is printed) or by characters (as it is padded by a program): the measure in which a name
  // starts or ends where the value does wins, else terminal width.
  std::size_t pick_from = npos, pick_to = 0;
  const auto pick = [&](std::size_t field) {
    for (const bool by_width : {true, false}) {
      const std::size_t v0 = column_at(text, ls, field, by_width);
      const std::size_t v1 = v0 + column_at(text, field, end, by_width);
      std::size_t best_from = npos, best_to = 0, best = 0;
      bool aligned = false;
      for_each_report_cell(text, header, header_end, [&](std::size_t k, std::size_t e) {
        const std::size_t h0 = column_at(text, header, k, by_width);
        const std::size_t h1 = h0 + column_at(text, k, e, by_width);
        const std::size_t overlap =
            std::min(h1, v1) > std::max(h0, v0) ? std::min(h1, v1) - std::max(h0, v0) : 0;
        if (overlap > best) {
          best = overlap;
          best_from = k;
          best_to = e;
          aligned = h0 == v0 || h1 == v1;
        }
      });
      if (best_from != npos && (aligned || pick_from == npos)) {
        pick_from = best_from;
        pick_to = best_to;
        if (aligned) break;
      }
    }
  };
  pick(start);
  // A value at the end of a wider field (a name, then an account) may overlap no name: the
  // field, from the gap before it, does.
  if (pick_from == npos) {
    std::size_t field = start;
    while (field > ls && text[field - 1] != '\t' &&
           !(text[field - 1] == ' ' && field - 1 > ls && text[field - 2] == ' '))
      --field;
    if (field < start) pick(field);
  }
  // Rows of certificates and registers pasted as text are parted by two spaces but not padded:
  // a relation or a name of another width shifts the cells after it off their headers. A row
  // with as many cells as the header is read by index where that names another header. So is a
  // row of fewer cells whose value stands under no header's columns (rosters exported from a
  // booking system): its last cells left empty, or one cell inside it, which leaves a gap twice
  // as wide as the others (the cells after it are read one header on).
  RuleName reading = rule::kFixedWidthHeader;
  std::size_t row_cells = 0, value_cell = npos, last_end = npos;
  // The widest gap, the cell after it, the widest of the others and the narrowest of all.
  std::size_t widest_gap = 0, after_widest = 0, other_gaps = 0, narrowest_gap = npos;
  for_each_report_cell(text, ls, le, [&](std::size_t k, std::size_t e) {
    if (k <= start && start < e) value_cell = row_cells;
    if (last_end != npos) {
      const std::size_t gap = k - last_end;
      narrowest_gap = std::min(narrowest_gap, gap);
      if (gap > widest_gap) {
        other_gaps = std::max(other_gaps, widest_gap);
        widest_gap = gap;
        after_widest = row_cells;
      } else {
        other_gaps = std::max(other_gaps, gap);
      }
    }
    last_end = e;
    ++row_cells;
  });
  if (value_cell != npos) {
    std::size_t header_cells = 0;
    for_each_report_cell(text, header, header_end,
                         [&](std::size_t, std::size_t) { ++header_cells; });
    // A padded row's gaps differ with its cells' widths, and each of its cells after the first
    // starts under a header's name. An export's gaps are alike but for an empty cell's.
    const bool even_gaps =
        row_cells >= 3 && (narrowest_gap == widest_gap || narrowest_gap == other_gaps);
    auto padded = [&] {
      if (even_gaps) return false;
      std::size_t aligned = 0, index = 0;
      for_each_report_cell(text, ls, le, [&](std::size_t k, std::size_t) {
        if (index++ == 0) return;
        bool under_name = false;
        for_each_report_cell(text, header, header_end, [&](std::size_t h, std::size_t) {
          for (const bool by_width : {true, false})
            under_name = under_name ||
                         column_at(text, ls, k, by_width) == column_at(text, header, h, by_width);
        });
        aligned += under_name;
      });
      return aligned == row_cells - 1;
    };
    std::size_t column = npos;
    if (header_cells == row_cells) {
      column = value_cell;
    } else if (row_cells < header_cells && !padded()) {
      constexpr std::size_t kEmptyCellGap = 4;  // two gaps of two spaces around an empty cell
      const bool empty_inside =
          row_cells >= 3 && widest_gap >= kEmptyCellGap && widest_gap >= 2 * other_gaps;
      if (!empty_inside || value_cell < after_widest) column = value_cell;
      else if (header_cells - row_cells == 1) column = value_cell + 1;
    }
    std::size_t cell_from = npos, cell_to = 0, index = 0;
    if (column != npos)
      for_each_report_cell(text, header, header_end, [&](std::size_t k, std::size_t e) {
        if (index++ == column) {
          cell_from = k;
          cell_to = e;
        }
      });
    if (cell_from != npos && cell_from != pick_from) {
      pick_from = cell_from;
      pick_to = cell_to;
      reading = rule::kFixedWidthCell;
    }
  }
  if (pick_from != npos) out.push_back({pick_from, pick_to, 0, reading, false});
  if (pick_from != npos && statement)
    out.push_back({pick_from, pick_to, 0, rule::kStatementMemo, false});
  return true;  // a report row: the line above is another row, not a label
}

namespace {

constexpr std::size_t kDefinitionReach = 65536;  // bytes walked back to a CREATE TABLE

// [from, to) without the spaces and identifier quotes around it (`phone`, "phone", [phone]).
std::pair<std::size_t, std::size_t> unquoted(std::string_view s, std::size_t from, std::size_t to) {
  auto quote = [](char c) { return is_space(c) || c == '`' || c == '"' || c == '[' || c == ']'; };
  while (from < to && quote(s[from])) ++from;
  while (to > from && quote(s[to - 1])) --to;
  return {from, to};
}

// Whether [a, b) and [c, d) of s name the same table, the schema dropped (public.member).
bool same_name(std::string_view s, std::size_t a, std::size_t b, std::size_t c, std::size_t d) {
  auto last = [&](std::size_t from, std::size_t to) {
    const std::string_view n = s.substr(from, to - from);
    const std::size_t dot = n.find_last_of('.');
    return unquoted(n, dot == npos ? 0 : dot + 1, n.size());
  };
  const auto [x0, x1] = last(a, b);
  const auto [y0, y1] = last(c, d);
  const std::string_view x = s.substr(a, b - a).substr(x0, x1 - x0);
  const std::string_view y = s.substr(c, d - c).substr(y0, y1 - y0);
  return !x.empty() && x.size() == y.size() &&
         std::equal(x.begin(), x.end(), y.begin(),
                    [](char u, char v) { return (u | 0x20) == (v | 0x20); });
}

// Words that open a constraint, not a column, in a table's definition.
constexpr std::string_view kConstraintWords[] = {"primary", "key",     "unique", "constraint",
                                                 "index",   "foreign", "check",  "fulltext",
                                                 "spatial", "exclude"};

// The columns of the table named right before `name_end` (INSERT INTO `member` VALUES), from
// the last CREATE TABLE of it before: its definitions' first words, constraints skipped.
bool defined_columns(std::string_view s, std::size_t name_end,
                     std::vector<std::pair<std::size_t, std::size_t>>& columns) {
  std::size_t name = name_end;
  while (name > 0 && !is_space(s[name - 1]) && name_end - name < 128) --name;
  if (name == name_end) return false;
  const std::size_t low = name > kDefinitionReach ? name - kDefinitionReach : 0;
  const std::string_view window = s.substr(low, name - low);
  for (std::size_t at = window.size(); at > 0;) {
    const std::size_t upper = window.rfind("CREATE TABLE", at - 1);
    const std::size_t lower = window.rfind("create table", at - 1);
    const std::size_t found = upper == npos   ? lower
                              : lower == npos ? upper
                                              : std::max(upper, lower);
    if (found == npos) return false;
    at = found;
    std::size_t k = low + found + 12;
    while (k < name && is_space(s[k])) ++k;
    if (unicode::word_at_any_case(s, k, "if not exists")) k += 13;
    while (k < name && is_space(s[k])) ++k;
    std::size_t e = k;
    while (e < name && !is_space(s[e]) && s[e] != '(') ++e;
    if (!same_name(s, k, e, name, name_end)) continue;
    while (e < name && is_space(s[e])) ++e;
    if (e >= name || s[e] != '(') return false;
    // The definitions, split at the commas outside parentheses and quotes: `id` int,
    // `amt` decimal(10,2), `hp` varchar(20) COMMENT '휴대폰, 자택'.
    std::size_t depth = 0, from = e + 1;
    bool quoted = false;
    for (std::size_t j = e + 1; j < name; ++j) {
      const char c = s[j];
      if (c == '\'') quoted = !quoted;
      else if (quoted) continue;
      else if (c == '(') ++depth;
      else if (c == ')' && depth > 0) --depth;
      else if (depth == 0 && (c == ',' || c == ')')) {
        std::size_t a = from;
        while (a < j && is_space(s[a])) ++a;
        std::size_t b = a;
        while (b < j && !is_space(s[b])) ++b;
        const bool constraint = std::any_of(
            std::begin(kConstraintWords), std::end(kConstraintWords), [&](std::string_view w) {
              return b - a == w.size() && unicode::word_at_any_case(s, a, w);
            });
        if (!constraint && b > a) columns.push_back(unquoted(s, a, b));
        if (c == ')') return !columns.empty();
        from = j + 1;
      }
    }
    return false;
  }
  return false;
}

}  // namespace

bool Reader::sql_column(std::string_view text, std::size_t ls, std::size_t start,
                        std::vector<Place>& out) {
  // The tuple the value stands in, opened on its line: ('홍길동', '010-...', ...
  const void* q = memrchr(text.data() + ls, '(', start - ls);
  if (!q) return false;
  const auto open = static_cast<std::size_t>(static_cast<const char*>(q) - text.data());
  const std::size_t first = text.find_first_not_of(" \t", ls);
  // A line that opens a tuple holds a quoted cell ((+82) 10-..., (02) 123-4567 open none).
  const bool tuple_line = first == open && std::memchr(text.data() + open, '\'', start - open + 1);
  std::size_t values = npos;
  if (!tuple_line) {
    // VALUES on the same line, right before the tuple.
    std::size_t p = open;
    while (p > ls && is_space(text[p - 1])) --p;
    if (p >= ls + 6 && unicode::word_at_any_case(text, p - 6, "values")) {
      values = p;
    } else {
      // A later tuple of rows inserted on one line: VALUES (1, ...), (2, ...): the statement's
      // VALUES stands further back.
      if (p == ls || text[p - 1] != ',') return false;
      --p;
      while (p > ls && is_space(text[p - 1])) --p;
      if (p == ls || text[p - 1] != ')') return false;
    }
  }
  const bool cached = insert_.data == text.data() && insert_.size == text.size() &&
                      insert_.values <= open && insert_.values != 0 &&
                      (values == npos || values == insert_.values);
  if (cached) {
    // Still the same statement: no ';' outside quotes since what was seen.
    if (insert_.seen_to < open && count_delimiters(text, insert_.seen_to, open, ';', '\'') > 0)
      return false;
    insert_.seen_to = std::max(insert_.seen_to, open);
  } else {
    if (values == npos) {
      // Back to the VALUES of the statement, not past the end of another.
      const std::size_t low = open > kStatementReach ? open - kStatementReach : 0;
      for (std::size_t p = open; p > low + 6; --p) {
        if (text[p - 1] == ';') return false;
        if ((text[p - 1] | 0x20) == 's' && unicode::word_at_any_case(text, p - 6, "values")) {
          values = p;
          break;
        }
      }
      if (values == npos) return false;
    }
    // The column list: INSERT INTO t (a, b, c) VALUES; without one (as a database dump writes
    // its inserts), the columns of the table's CREATE TABLE before it.
    std::size_t p = values - 6;
    while (p > 0 && is_space(text[p - 1])) --p;
    insert_ = {text.data(), text.size(), values, open, {}};
    if (p > 0 && text[p - 1] == ')') {
      const std::size_t close = p - 1;
      const std::size_t low = close > kColumnsReach ? close - kColumnsReach : 0;
      const void* o = memrchr(text.data() + low, '(', close - low);
      if (!o) return false;
      const auto list = static_cast<std::size_t>(static_cast<const char*>(o) - text.data()) + 1;
      for (std::size_t k = list; k <= close;) {
        std::size_t e = k;
        while (e < close && text[e] != ',') ++e;
        const auto [a, b] = unquoted(text, k, e);
        insert_.columns.emplace_back(a, b);
        k = e + 1;
      }
    } else if (!defined_columns(text, p, insert_.columns)) {
      return false;
    }
  }
  const std::size_t column = count_delimiters(text, open + 1, start, ',', '\'');
  if (column >= insert_.columns.size()) return true;
  const auto [from, to] = insert_.columns[column];
  out.push_back({from, to, 0, rule::kSqlColumn, false});
  return true;
}

bool Reader::copy_column(std::string_view text, std::size_t ls, std::size_t le, std::size_t start,
                         std::vector<Place>& out) {
  // The block of tab-separated rows seen last goes on to here unless its end (\. on a line of
  // its own) stands between; a block known not to be a COPY's, while the line above is a row.
  bool cached = copy_.data == text.data() && copy_.size == text.size() && copy_.rows <= ls;
  for (std::size_t k = std::min(copy_.rows_end, ls); cached && k < ls; ++k) {
    const void* b = std::memchr(text.data() + k, '\\', ls - k);  // rare: \. and \N only
    if (!b) break;
    k = static_cast<std::size_t>(static_cast<const char*>(b) - text.data());
    if (k > 0 && text[k - 1] == '\n' && k + 1 < text.size() && text[k + 1] == '.') cached = false;
  }
  if (cached && !copy_.copy) {
    const std::size_t ps = ls > 0 ? line_start(text, ls - 1) : npos;
    cached = ps != npos && std::memchr(text.data() + ps, '\t', ls - 1 - ps);
  }
  if (!cached) {
    // Up the rows (lines with a tab) to the line over them: COPY table (a, b, c) FROM stdin;
    // or, without a column list, the columns of the table's CREATE TABLE.
    copy_ = {text.data(), text.size(), ls, le, false, {}};
    std::size_t top = ls;
    for (std::size_t k = 0; k < kReportLines && top > 0; ++k) {
      const std::size_t ps = line_start(text, top - 1);
      if (ps == npos) break;
      if (!std::memchr(text.data() + ps, '\t', top - 1 - ps)) {
        copy_columns(text, ps, top - 1);
        break;
      }
      top = ps;
    }
    copy_.rows = top;
  }
  copy_.rows_end = le;
  if (!copy_.copy) return false;
  const std::size_t column = delimiters_before(text, start);
  if (column < copy_.columns.size()) {
    const auto [from, to] = copy_.columns[column];
    out.push_back({from, to, 0, rule::kSqlCopyColumn, false});
  }
  return true;  // a row of the block: the line above is another row, not a label
}

void Reader::copy_columns(std::string_view text, std::size_t cs, std::size_t ce) {
  if (!unicode::word_at_any_case(text, cs, "copy ")) return;
  const std::string_view line = text.substr(cs, ce - cs);
  std::size_t from_at = npos;
  for (std::size_t k = line.size(); k-- > 0 && from_at == npos;)
    if ((line[k] | 0x20) == 'f' && unicode::word_at_any_case(line, k, "from stdin")) from_at = k;
  if (from_at == npos) return;
  copy_.copy = true;
  const std::size_t open = line.find('(');
  const std::size_t close = line.rfind(')', from_at);
  if (open != npos && close != npos && open < close) {
    for (std::size_t k = cs + open + 1; k <= cs + close;) {
      std::size_t e = k;
      while (e < cs + close && text[e] != ',') ++e;
      copy_.columns.push_back(unquoted(text, k, e));
      k = e + 1;
    }
    return;
  }
  std::size_t name_end = cs + from_at;
  while (name_end > cs && is_space(text[name_end - 1])) --name_end;
  if (!defined_columns(text, name_end, copy_.columns)) copy_.columns.clear();
}

}  // namespace norvane::structure
