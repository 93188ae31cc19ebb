#include "detect/structure.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "span/utf8.hpp"

namespace norvane::structure {

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::size_t kLineReach = 512;       // bytes looked at for a line's ends
constexpr std::size_t kArrayReach = 2048;     // bytes walked back over a JSON array's elements
constexpr std::size_t kStatementReach = 16384;  // bytes walked back to an insert's VALUES
constexpr std::size_t kColumnsReach = 2048;   // bytes of an insert's column list
constexpr std::size_t kReportLines = 40;      // rows walked up to a report's header
constexpr std::size_t kTagReach = 256;        // bytes of an XML start tag
constexpr std::size_t kShortLine = 80;        // bytes: a remark between a question and its answer
constexpr std::uint32_t kRemarks = 2;         // remarks between a question and its answer
constexpr std::size_t kHtmlRowReach = 4096;   // bytes walked back to a cell's <tr>
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

bool is_blank(std::string_view line) {
  return line.find_first_not_of(" \t\r") == npos;
}

// A rule drawn under a header or between blocks: ----, ====, |---|---|, +----+.
bool is_rule(std::string_view line) {
  std::size_t strokes = 0;
  for (char c : line) {
    if (c == '-' || c == '=') ++strokes;
    else if (c != ' ' && c != '\t' && c != '|' && c != '+' && c != ':' && c != '\r') return false;
  }
  return strokes >= 3;
}

// Whether the line holds a number of three digits or more: a row, not a header.
bool has_number(std::string_view line) {
  std::size_t run = 0;
  for (char c : line) {
    run = is_digit(c) ? run + 1 : 0;
    if (run >= 3) return true;
  }
  return false;
}

std::size_t digit_count(std::string_view s) {
  return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), is_digit));
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

// The delimiter of a table row: tab, pipe, or a comma never followed by a space outside quotes
// (and not only one ending the line, as in "key": "value",).
char row_delimiter(std::string_view line) {
  if (line.find('\t') != npos) return '\t';
  if (line.find('|') != npos) return '|';
  const std::size_t comma = line.find(',');
  if (comma != npos && comma != line.find_last_not_of(" \r") &&
      (line.find(", ") == npos || !comma_space_outside_quotes(line)))
    return ',';
  return 0;
}

// Delimiters in [from, to) outside `quote` ("2,430" is one field).
std::size_t count_delimiters(std::string_view s, std::size_t from, std::size_t to, char delim,
                             char quote = '"') {
  std::size_t count = 0;
  bool quoted = false;
  for (std::size_t k = from; k < to; ++k) {
    if (s[k] == quote) quoted = !quoted;
    else if (s[k] == delim && !quoted) ++count;
  }
  return count;
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

// Whether two fields or more stand apart by two spaces or a tab somewhere in the line.
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
  if (key_end - key > 3 && s[key_end - 1] == 's' && s[key_end - 2] >= 'a' && s[key_end - 2] <= 'z' &&
      s[key_end - 2] != 's')
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

// The line after the time stamp a chat export puts first ([2024-05-01 14:22], 2024.05.01 14:22:03,
// (오후 3:12)): its digits are no number of the line.
std::string_view after_stamp(std::string_view line) {
  constexpr std::size_t kStampReach = 40;
  std::size_t k = line.find_first_not_of(" \t");
  if (k == npos) return line;
  if (line[k] == '[' || line[k] == '(') {
    const std::size_t close = line.find(line[k] == '[' ? ']' : ')', k);
    if (close != npos && close - k <= kStampReach) return line.substr(close + 1);
    return line;
  }
  const std::size_t e = line.find_first_not_of("0123456789-:./ T", k);
  const std::string_view stamp = line.substr(k, e == npos ? 0 : e - k);
  if (stamp.size() >= 8 && stamp.size() <= kStampReach && stamp.find(':') != npos &&
      digit_count(stamp) >= 6)
    return line.substr(e);
  return line;
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
    const bool letter = (c >= 0xAC00 && c <= 0xD7A3) || (c < 0x80 && std::isalnum(static_cast<int>(c)));
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

// How a request ends (계좌 불러주세요., 확인 부탁드려요): it asks for what it names, as a question does.
constexpr std::string_view kRequestEndings[] = {"주세요", "주십시오", "부탁드립니다", "부탁드려요",
                                                "부탁해요", "알려줘", "불러줘", "please"};

bool request(std::string_view line) {
  const std::size_t last = line.find_last_not_of(" \t\r.!~");
  if (last == npos) return false;
  const std::string_view end = line.substr(0, last + 1);
  return std::any_of(std::begin(kRequestEndings), std::end(kRequestEndings),
                     [&](std::string_view e) { return end.ends_with(e); });
}

bool equals_word(std::string_view s, std::size_t at, std::string_view word) {
  if (at + word.size() > s.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if ((s[at + k] | 0x20) != word[k]) return false;
  return true;
}

// Whether an HTML tag `name` (lower case) opens at byte `at`: <td>, <TD class="x">, </tr>.
bool opens_tag(std::string_view s, std::size_t at, std::string_view name) {
  if (s[at] != '<' || at + 1 + name.size() >= s.size() || !equals_word(s, at + 1, name))
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

// The cells opened in [from, to).
std::size_t cells_in(std::string_view s, std::size_t from, std::size_t to) {
  std::size_t cells = 0;
  for (std::size_t k = from; (k = next_tag(s, k, to, [&](std::size_t at) { return opens_cell(s, at); })) != npos; ++k)
    ++cells;
  return cells;
}

// Whether a table starts or ends in [from, to).
bool table_tag_in(std::string_view s, std::size_t from, std::size_t to) {
  return next_tag(s, from, to, [&](std::size_t at) {
           return opens_tag(s, at, "table") || opens_tag(s, at, "/table");
         }) != npos;
}

}  // namespace

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
    line_.delimiter = row_delimiter(text.substr(ls, le - ls));
    line_.before.clear();
    if (!line_.delimiter) lines_before(text, ls, line_.before);
  }
  // A row of a delimited table takes its labels from the header, not from the row above; so
  // does a row of a report (whose amounts may hold commas).
  if (line_.delimiter) {
    if (!column_header(text, ls, le, start, out)) fixed_width_header(text, ls, le, start, end, out);
    return;
  }
  if (fixed_width_header(text, ls, le, start, end, out)) return;
  out.insert(out.end(), line_.before.begin(), line_.before.end());
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
    if (!is_blank(text.substr(ps, pe - ps))) break;
    if (ps == 0 || skipped == 2) return;
    pe = ps - 1;
  }
  const std::string_view line = text.substr(ps, pe - ps), previous = after_stamp(line);
  if (digit_count(previous) >= 6) return;
  out.push_back({ps, pe, 1,
                 label_line(line) ? rule::kLabelLine
                 : question(line) ? rule::kQuestionLine
                                  : rule::kPreviousLine,
                 false});
  // Up over short remarks (잠시만요, then 어디 적어놨는데..) to the question; past two remarks
  // only a question or a request is read.
  std::string_view remark = previous;
  for (std::uint32_t distance = 2; distance <= kRemarks + 1; ++distance) {
    if (ps == 0 || remark.size() > kShortLine || digit_count(remark) > 0) return;
    const std::size_t ee = ps - 1, es = line_start(text, ee);
    if (es == npos) return;
    const std::string_view earlier = text.substr(es, ee - es);
    remark = after_stamp(earlier);
    if (is_blank(earlier) || digit_count(remark) >= 6) return;
    const bool asked = question(earlier) || request(earlier);
    if (asked || distance == 2)
      out.push_back({es, ee, distance, asked ? rule::kEarlierQuestion : rule::kEarlierLine, true});
    ps = es;
  }
}

bool Reader::column_header(std::string_view text, std::size_t ls, std::size_t le,
                           std::size_t start, std::vector<Place>& out) {
  const char delim = line_.delimiter;
  const std::size_t column = count_delimiters(text, ls, start, delim);
  // Rows of one table: the same delimiter, and cells up to this one (rows written by hand drop
  // their empty last cells).
  auto same_table = [&](std::size_t ps, std::size_t pe) {
    const std::string_view line = text.substr(ps, pe - ps);
    return row_delimiter(line) == delim && count_delimiters(line, 0, line.size(), delim) >= column;
  };
  // The header: the top line of the block of rows with as many delimiters as this one, across
  // a rule or a blank line right under it.
  std::size_t header = ls, header_end = le;
  const bool cached = table_.data == text.data() && table_.size == text.size() &&
                      table_.delimiter == delim;
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
  // A header names columns: a top line with numbers is a row of a table without one.
  if (header == ls || has_number(text.substr(header, header_end - header))) return false;
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
  table_ = {text.data(), text.size(),  delim,  header, header_end,
            second,      second_end,   std::max(le, cached ? table_.rows_end : le)};
  // The cells of this column in the header's lines: the lower one names it, the upper one (a
  // group, or the first half of a wrapped name) is read when the lower names nothing.
  const bool second_below = second != npos && second > header;
  const std::pair<std::size_t, std::size_t> lower =
      second_below ? std::pair{second, second_end} : std::pair{header, header_end};
  const std::pair<std::size_t, std::size_t> upper =
      second_below ? std::pair{header, header_end} : std::pair{second, second_end};
  bool named = false;
  for (const auto& [line, stop] : {lower, upper}) {
    if (line == npos) continue;
    std::size_t from = line, seen = 0;
    bool quoted = false;
    while (seen < column && from < stop) {
      if (text[from] == '"') quoted = !quoted;
      else if (text[from] == delim && !quoted) ++seen;
      ++from;
    }
    std::size_t to = from;
    while (to < stop && text[to] != delim) ++to;
    if (seen != column) continue;
    out.push_back({from, to, 0, rule::kColumnHeader, named});
    named = true;
  }
  return named;
}

void Reader::html_header(std::string_view text, std::size_t cell, std::vector<Place>& out) {
  const std::size_t row = last_tag(text, cell > kHtmlRowReach ? cell - kHtmlRowReach : 0, cell, "tr");
  if (row == npos) return;
  // A form laid out as a table names the value in its own row: <tr><th>연락처</th><td>010-...
  if (const std::size_t th = last_tag(text, row, cell, "th"); th != npos) {
    if (const void* gt = std::memchr(text.data() + th, '>', cell - th)) {
      const auto from = static_cast<std::size_t>(static_cast<const char*>(gt) - text.data()) + 1;
      out.push_back({from, cell, 0, rule::kHtmlHeader, false});
      return;
    }
  }
  const bool cached = html_.data == text.data() && html_.size == text.size() &&
                      html_.table < row && html_.seen_to <= row &&
                      !table_tag_in(text, html_.seen_to, row);
  if (!cached) {
    const std::size_t table =
        last_tag(text, row > kHtmlTableReach ? row - kHtmlTableReach : 0, row, "table");
    if (table == npos) return;
    html_ = {text.data(), text.size(), table, row, {}};
    // The header row: the row of the table's first <th>, else its first row when that holds
    // no number; never the value's own row.
    std::size_t header = npos;
    if (const std::size_t th = next_tag(text, table, row, [&](std::size_t at) {
          return opens_tag(text, at, "th");
        });
        th != npos) {
      header = last_tag(text, table, th, "tr");
    } else if (const std::size_t first = next_tag(text, table, row, [&](std::size_t at) {
                 return opens_tag(text, at, "tr");
               });
               first != npos) {
      const std::size_t first_end = next_tag(text, first + 1, row, [&](std::size_t at) {
        return opens_tag(text, at, "tr") || opens_tag(text, at, "/tr");
      });
      if (!has_number(text.substr(first, (first_end == npos ? row : first_end) - first)))
        header = first;
    }
    if (header != npos) {
      // Each cell runs from its start tag's end to the next cell or the row's end.
      const std::size_t header_end = next_tag(text, header + 1, row, [&](std::size_t at) {
        return opens_tag(text, at, "tr") || opens_tag(text, at, "/tr");
      });
      const std::size_t stop = header_end == npos ? row : header_end;
      for (std::size_t k = header;
           (k = next_tag(text, k + 1, stop, [&](std::size_t at) { return opens_cell(text, at); })) != npos;) {
        const void* gt = std::memchr(text.data() + k, '>', stop - k);
        if (!gt) break;
        const auto from = static_cast<std::size_t>(static_cast<const char*>(gt) - text.data()) + 1;
        const std::size_t next =
            next_tag(text, from, stop, [&](std::size_t at) { return opens_cell(text, at); });
        html_.header_cells.emplace_back(from, next == npos ? stop : next);
      }
    }
  }
  html_.seen_to = row;
  const std::size_t column = cells_in(text, row, cell);
  if (column >= html_.header_cells.size()) return;
  const auto [from, to] = html_.header_cells[column];
  out.push_back({from, to, 0, rule::kHtmlHeader, false});
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
      if (is_rule(line) || (is_blank(line) && blank++ == 0)) continue;  // one blank line may follow the header
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
  report_ = {text.data(), text.size(), header, header_end,
             std::max(le, cached ? report_.rows_end : le)};
  // The header's name whose columns overlap the value's most, by terminal width (as a report
  // is printed) or by characters (as it is padded by a program): the measure in which a name
  // starts or ends where the value does wins, else terminal width.
  std::size_t pick_from = npos, pick_to = 0;
  for (const bool by_width : {true, false}) {
    const std::size_t v0 = column_at(text, ls, start, by_width);
    const std::size_t v1 = v0 + column_at(text, start, end, by_width);
    std::size_t best_from = npos, best_to = 0, best = 0;
    bool aligned = false;
    for (std::size_t k = header; k < header_end;) {
      while (k < header_end && (text[k] == ' ' || text[k] == '\t')) ++k;
      if (k >= header_end) break;
      std::size_t e = k;
      while (e < header_end && text[e] != '\t' &&
             !(text[e] == ' ' && (e + 1 >= header_end || text[e + 1] == ' ')))
        ++e;
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
      k = e;
    }
    if (best_from != npos && (aligned || pick_from == npos)) {
      pick_from = best_from;
      pick_to = best_to;
      if (aligned) break;
    }
  }
  if (pick_from != npos) out.push_back({pick_from, pick_to, 0, rule::kFixedWidthHeader, false});
  return true;  // a report row: the line above is another row, not a label
}

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
    if (p >= ls + 6 && equals_word(text, p - 6, "values")) values = p;
    else return false;
  }
  const bool cached = insert_.data == text.data() && insert_.size == text.size() &&
                      insert_.values <= open && insert_.values != 0 &&
                      (values == npos || values == insert_.values);
  if (cached) {
    // Still the same statement: no ';' outside quotes since what was seen.
    if (insert_.seen_to < open &&
        count_delimiters(text, insert_.seen_to, open, ';', '\'') > 0)
      return false;
    insert_.seen_to = std::max(insert_.seen_to, open);
  } else {
    if (values == npos) {
      // Back to the VALUES of the statement, not past the end of another.
      const std::size_t low = open > kStatementReach ? open - kStatementReach : 0;
      for (std::size_t p = open; p > low + 6; --p) {
        if (text[p - 1] == ';') return false;
        if ((text[p - 1] | 0x20) == 's' && equals_word(text, p - 6, "values")) {
          values = p;
          break;
        }
      }
      if (values == npos) return false;
    }
    // The column list: INSERT INTO t (a, b, c) VALUES
    std::size_t p = values - 6;
    while (p > 0 && is_space(text[p - 1])) --p;
    if (p == 0 || text[p - 1] != ')') return false;
    const std::size_t close = p - 1;
    const std::size_t low = close > kColumnsReach ? close - kColumnsReach : 0;
    const void* o = memrchr(text.data() + low, '(', close - low);
    if (!o) return false;
    const auto list = static_cast<std::size_t>(static_cast<const char*>(o) - text.data()) + 1;
    insert_ = {text.data(), text.size(), values, open, {}};
    for (std::size_t k = list; k <= close;) {
      std::size_t e = k;
      while (e < close && text[e] != ',') ++e;
      std::size_t a = k, b = e;
      while (a < b && (is_space(text[a]) || text[a] == '`' || text[a] == '"' || text[a] == '[')) ++a;
      while (b > a && (is_space(text[b - 1]) || text[b - 1] == '`' || text[b - 1] == '"' ||
                       text[b - 1] == ']'))
        --b;
      insert_.columns.emplace_back(a, b);
      k = e + 1;
    }
  }
  const std::size_t column = count_delimiters(text, open + 1, start, ',', '\'');
  if (column >= insert_.columns.size()) return true;
  const auto [from, to] = insert_.columns[column];
  out.push_back({from, to, 0, rule::kSqlColumn, false});
  return true;
}

}  // namespace norvane::structure
