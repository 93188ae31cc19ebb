// Restore maps as JSON. Writing is plain concatenation; reading is described below.
//
// The reader is an event handler over nlohmann's SAX parser: it sees repeated keys, never
// builds a document tree, and keeps no recursion of its own (values of unknown keys are
// skipped by counting their nesting), so any input ends in a map or an error message.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "error/interrupt.hpp"
#include "mask/restore_json.hpp"
#include "span/json_writer.hpp"

namespace norvane {

namespace {

// [start, end) of a number in the input.
using NumberSpan = std::pair<std::size_t, std::size_t>;

// " at line L column C" for a byte count read so far (column counts bytes of the line).
std::string position_text(std::string_view input, std::size_t pos) {
  if (pos > input.size()) pos = input.size();
  std::size_t line = 1;
  std::size_t line_start = 0;
  for (std::size_t i = 0; i < pos; ++i) {
    if (input[i] == '\n') {
      ++line;
      line_start = i + 1;
    }
  }
  return " at line " + std::to_string(line) + " column " + std::to_string(pos - line_start);
}

using json_document = nlohmann::json;

// A char iterator that records how far the parser has read, so that errors raised by the
// handler (not only syntax errors) can name a line and column.
class TrackingIter {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  TrackingIter(const char* p, const char** mark) : p_(p), mark_(mark) {}
  reference operator*() const { return *p_; }
  TrackingIter& operator++() {
    ++p_;
    *mark_ = p_;
    return *this;
  }
  TrackingIter operator++(int) {
    TrackingIter old = *this;
    ++*this;
    return old;
  }
  bool operator==(const TrackingIter& o) const { return p_ == o.p_; }
  bool operator!=(const TrackingIter& o) const { return p_ != o.p_; }

 private:
  const char* p_;
  const char** mark_;
};

// Shows at most a few dozen characters of a string from the input: the map holds
// personal data, and messages should stay short.
std::string quote_short(std::string_view s) {
  constexpr std::size_t kMaxChars = 32;
  std::string out = "\"";
  std::size_t chars = 0;
  std::size_t i = 0;
  for (; i < s.size() && chars < kMaxChars; ++i) {
    auto c = static_cast<unsigned char>(s[i]);
    if ((c & 0xC0) != 0x80) ++chars;
    if (chars > kMaxChars) break;
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      static constexpr char hex[] = "0123456789abcdef";
      out += "\\u{";
      if (c >= 0x10) out += hex[c >> 4];
      out += hex[c & 0xF];
      out += '}';
    } else {
      out += static_cast<char>(c);
    }
  }
  // Finish a character cut at the limit (strings from the parser are valid UTF-8).
  while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) out += s[i++];
  if (i < s.size()) out += "...";
  out += '"';
  return out;
}

enum class Want : std::uint8_t { map, entries, entry, string, entity, unit, ignore };
enum class Frame : std::uint8_t { map_obj, map_arr, entries, entry_obj, entry_arr, entity_obj };

struct Level {
  Frame frame;
  std::uint8_t seen = 0;    // objects: bit per known field already given
  int pending = -1;         // objects: field index of the value to come, -1 for unknown keys
  std::uint64_t count = 0;  // arrays: elements started; entity maps: keys
};

constexpr std::string_view kMapFields[] = {"prefix", "entries"};
constexpr std::string_view kEntryFields[] = {"token", "original", "entity"};

class Reader final : public nlohmann::json_sax<json_document> {
 public:
  // patched: [start, end) of each out-of-range number that was replaced by 0 (see below).
  Reader(std::string_view input, const char** mark, const std::vector<NumberSpan>& patched)
      : input_(input), mark_(mark), patched_(patched) {}

  bool null() override {
    return scalar([] { return std::string("null"); }, nullptr, true);
  }
  bool boolean(bool v) override {
    return scalar([v] { return std::string(v ? "boolean `true`" : "boolean `false`"); });
  }
  bool number_integer(number_integer_t v) override {
    return scalar([v] { return "integer `" + std::to_string(v) + "`"; });
  }
  bool number_unsigned(number_unsigned_t v) override {
    if (v == 0 && !patched_.empty() && ignore_depth_ == 0) {
      if (const NumberSpan* number = patched_number()) {
        // No typed position takes a number, so this is an error unless the value is skipped.
        if (next_value() == Want::ignore) return true;
        error_ = "number out of range" + position_text(number->second);
        return false;
      }
    }
    return scalar([v] { return "integer `" + std::to_string(v) + "`"; });
  }
  bool number_float(number_float_t, const string_t& raw) override {
    return scalar([&raw] {
      if (raw.size() > 40) return "floating point `" + raw.substr(0, 40) + "...`";
      return "floating point `" + raw + "`";
    });
  }
  bool string(string_t& v) override {
    poll();
    return scalar([&v] { return "string " + quote_short(v); }, &v);
  }
  bool binary(binary_t&) override {
    return scalar([] { return std::string("byte array"); });
  }

  bool start_object(std::size_t) override {
    poll();
    if (ignore_depth_ > 0) {
      ++ignore_depth_;
      return true;
    }
    switch (next_value()) {
      case Want::ignore: ignore_depth_ = 1; return true;
      case Want::map: stack_.push_back({Frame::map_obj}); return true;
      case Want::entry:
        cur_ = {};
        stack_.push_back({Frame::entry_obj});
        return true;
      case Want::entity: stack_.push_back({Frame::entity_obj}); return true;
      case Want::entries: return invalid_type("map", "a sequence");
      case Want::string: return invalid_type("map", "a string");
      case Want::unit: return invalid_type("map", "unit");
    }
    return fail("unexpected map");
  }

  bool start_array(std::size_t) override {
    if (ignore_depth_ > 0) {
      ++ignore_depth_;
      return true;
    }
    switch (next_value()) {
      case Want::ignore: ignore_depth_ = 1; return true;
      case Want::map: stack_.push_back({Frame::map_arr}); return true;
      case Want::entries: stack_.push_back({Frame::entries}); return true;
      case Want::entry:
        cur_ = {};
        stack_.push_back({Frame::entry_arr});
        return true;
      case Want::entity: return invalid_type("sequence", "variant identifier");
      case Want::string: return invalid_type("sequence", "a string");
      case Want::unit: return invalid_type("sequence", "unit");
    }
    return fail("unexpected sequence");
  }

  bool key(string_t& k) override {
    if (ignore_depth_ > 0) return true;
    Level& l = stack_.back();
    switch (l.frame) {
      case Frame::map_obj: return known_key(l, k, kMapFields);
      case Frame::entry_obj: return known_key(l, k, kEntryFields);
      case Frame::entity_obj: {
        if (++l.count > 1) return fail("invalid length 2, expected map with a single key");
        auto kind = entity_from_name(k);
        if (!kind) return unknown_variant(k);
        cur_.entity = *kind;
        return true;
      }
      default: return fail("unexpected key");
    }
  }

  bool end_object() override {
    if (ignore_depth_ > 0) {
      --ignore_depth_;
      return true;
    }
    Level& l = stack_.back();
    switch (l.frame) {
      case Frame::map_obj:
        if (!(l.seen & 1)) return fail("missing field `prefix`");
        if (!(l.seen & 2)) return fail("missing field `entries`");
        break;
      case Frame::entry_obj:
        for (int i = 0; i < 3; ++i)
          if (!(l.seen & (1u << i)))
            return fail("missing field `" + std::string(kEntryFields[i]) + "`");
        entries_.push_back(std::move(cur_));
        break;
      case Frame::entity_obj:
        if (l.count == 0) return fail("invalid length 0, expected map with a single key");
        break;
      default: return fail("unexpected end of map");
    }
    pop();
    return true;
  }

  bool end_array() override {
    if (ignore_depth_ > 0) {
      --ignore_depth_;
      return true;
    }
    Level& l = stack_.back();
    switch (l.frame) {
      case Frame::map_arr:
        if (l.count != 2)
          return fail("invalid length " + std::to_string(l.count) +
                      ", expected struct RestoreMap with 2 elements");
        break;
      case Frame::entry_arr:
        if (l.count != 3)
          return fail("invalid length " + std::to_string(l.count) +
                      ", expected struct RestoreEntry with 3 elements");
        entries_.push_back(std::move(cur_));
        break;
      case Frame::entries: break;
      default: return fail("unexpected end of sequence");
    }
    pop();
    return true;
  }

  bool parse_error(std::size_t position, const std::string& last_token,
                   const nlohmann::detail::exception& ex) override {
    error_ = syntax_message(ex.what(), last_token) + position_text(position);
    overflow_ = ex.id == 406;
    return false;
  }

  bool done() const { return done_; }
  bool overflow() const { return overflow_; }
  const std::string& error() const { return error_; }
  RestoreMap take() { return RestoreMap{std::move(prefix_), std::move(entries_)}; }

 private:
  // What the value now starting must be; moves the enclosing level past it.
  Want next_value() {
    if (stack_.empty()) return Want::map;
    Level& l = stack_.back();
    switch (l.frame) {
      case Frame::map_obj: {
        int f = l.pending;
        l.pending = -1;
        if (f == 0) return target(&prefix_);
        return f == 1 ? Want::entries : Want::ignore;
      }
      case Frame::map_arr: {
        std::uint64_t i = l.count++;
        if (i == 0) return target(&prefix_);
        return i == 1 ? Want::entries : Want::ignore;
      }
      case Frame::entries: return Want::entry;
      case Frame::entry_obj: {
        int f = l.pending;
        l.pending = -1;
        return entry_field(f);
      }
      case Frame::entry_arr: {
        std::uint64_t i = l.count++;
        return i < 3 ? entry_field(static_cast<int>(i)) : Want::ignore;
      }
      case Frame::entity_obj: return Want::unit;
    }
    return Want::ignore;
  }

  Want entry_field(int f) {
    if (f == 0) return target(&cur_.token);
    if (f == 1) return target(&cur_.original);
    return f == 2 ? Want::entity : Want::ignore;
  }

  Want target(std::string* s) {
    target_ = s;
    return Want::string;
  }

  // A scalar value: str is set for strings, is_null for null; describe() names it in errors.
  template <class Describe>
  bool scalar(Describe describe, string_t* str = nullptr, bool is_null = false) {
    if (ignore_depth_ > 0) return true;
    switch (next_value()) {
      case Want::ignore: return true;
      case Want::string:
        if (!str) return invalid_type(describe(), "a string");
        *target_ = std::move(*str);
        return true;
      case Want::entity: {
        if (!str) return invalid_type(describe(), "variant identifier");
        auto kind = entity_from_name(*str);
        if (!kind) return unknown_variant(*str);
        cur_.entity = *kind;
        return true;
      }
      case Want::unit: return is_null ? true : invalid_type(describe(), "unit");
      case Want::map: return invalid_type(describe(), "struct RestoreMap");
      case Want::entries: return invalid_type(describe(), "a sequence");
      case Want::entry: return invalid_type(describe(), "struct RestoreEntry");
    }
    return fail("unexpected value");
  }

  template <std::size_t N>
  bool known_key(Level& l, std::string_view k, const std::string_view (&fields)[N]) {
    l.pending = -1;
    for (std::size_t i = 0; i < N; ++i) {
      if (k == fields[i]) {
        if (l.seen & (1u << i)) return fail("duplicate field `" + std::string(fields[i]) + "`");
        l.seen |= static_cast<std::uint8_t>(1u << i);
        l.pending = static_cast<int>(i);
        break;
      }
    }
    return true;
  }

  bool unknown_variant(std::string_view name) {
    std::string names;
    for (EntityKind k : all_entities()) {
      if (!names.empty()) names += ", ";
      names += '`';
      names += entity_name(k);
      names += '`';
    }
    std::string shown = quote_short(name);
    return fail("unknown variant `" + shown.substr(1, shown.size() - 2) + "`, expected one of " +
                names);
  }

  bool invalid_type(const std::string& got, std::string_view expected) {
    return fail("invalid type: " + got + ", expected " + std::string(expected));
  }

  bool fail(std::string message) {
    error_ = std::move(message) + position_text(static_cast<std::size_t>(*mark_ - input_.data()));
    return false;
  }

  // The patched number just read: the lexer has read its "0" and the blank after it.
  const NumberSpan* patched_number() const {
    const auto pos = static_cast<std::size_t>(*mark_ - input_.data());
    if (pos < 2) return nullptr;
    auto it = std::lower_bound(patched_.begin(), patched_.end(), NumberSpan{pos - 2, 0});
    return it != patched_.end() && it->first == pos - 2 ? &*it : nullptr;
  }

  void pop() {
    stack_.pop_back();
    if (stack_.empty()) done_ = true;
  }

  std::string position_text(std::size_t pos) const { return norvane::position_text(input_, pos); }

  // The parser's description without its own prefix and without the text last read
  // (which may be long, hold personal data, or be invalid UTF-8).
  static std::string syntax_message(std::string_view what, const std::string& last_token) {
    if (what.starts_with("[json.exception.")) {
      auto close = what.find("] ");
      if (close != std::string_view::npos) what.remove_prefix(close + 2);
    }
    if (what.starts_with("parse error")) {
      auto colon = what.find(": ");
      if (colon != std::string_view::npos) what.remove_prefix(colon + 2);
    }
    if (what.starts_with("number overflow parsing")) return "number out of range";
    std::string msg(what);
    const std::string read = "; last read: '" + last_token + "'";
    if (auto at = msg.find(read); at != std::string::npos) msg.erase(at, read.size());
    if (msg.size() > 200) msg.resize(200);
    for (char& c : msg) {
      auto u = static_cast<unsigned char>(c);
      if (u < 0x20 || u >= 0x7F) c = '?';
    }
    return msg;
  }

  // Counts the bytes read so far.
  void poll() { poll_.reach(static_cast<std::size_t>(*mark_ - input_.data())); }

  std::string_view input_;
  const char** mark_;
  interrupt::Poll poll_;
  const std::vector<NumberSpan>& patched_;
  std::vector<Level> stack_;
  std::uint64_t ignore_depth_ = 0;
  std::string* target_ = nullptr;
  std::string prefix_;
  std::vector<RestoreEntry> entries_;
  RestoreEntry cur_{};
  bool done_ = false;
  bool overflow_ = false;
  std::string error_;
};

// End of the JSON number that starts at i, or i when none starts there.
std::size_t number_end(std::string_view s, std::size_t i) {
  auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
  std::size_t j = i;
  if (j < s.size() && s[j] == '-') ++j;
  if (!digit(j)) return i;
  if (s[j] == '0') ++j;
  else
    while (digit(j)) ++j;
  if (j + 1 < s.size() && s[j] == '.' && digit(j + 1)) {
    j += 2;
    while (digit(j)) ++j;
  }
  if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
    std::size_t k = j + 1;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    if (digit(k)) {
      while (digit(k)) ++k;
      j = k;
    }
  }
  return j;
}

// True when a JSON number is beyond the double range (locale-independent).
bool overflows(std::string_view t) {
  double v = 0;
  auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc::result_out_of_range) return ec == std::errc{} && !std::isfinite(v);
  // Out of range either way: too large, or too small (which the parser takes as 0).
  std::size_t i = t.front() == '-' ? 1 : 0;
  while (i < t.size() && t[i] == '0') ++i;
  std::int64_t magnitude = 0;  // integer digits before the point, after leading zeros
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++magnitude;
  if (magnitude == 0) {
    if (i < t.size() && t[i] == '.') ++i;
    while (i < t.size() && t[i] == '0') ++i, --magnitude;
  }
  std::size_t e = t.find_first_of("eE");
  std::int64_t exponent = 0;
  if (e != std::string_view::npos) {
    std::size_t k = e + 1;
    bool neg = k < t.size() && t[k] == '-';
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
    for (; k < t.size(); ++k) {
      exponent = exponent * 10 + (t[k] - '0');
      if (exponent > 1'000'000'000) break;
    }
    if (neg) exponent = -exponent;
  }
  return magnitude + exponent > 0;
}

// The parser refuses numbers beyond the double range even where the value would only be
// skipped (an unknown key). Such numbers are valid JSON, so they are replaced by "0" and
// blanks of the same length (positions stay the same) and the text is read again; the
// reader still refuses them wherever a value is actually used.
std::string patch_overflows(std::string_view s, std::vector<NumberSpan>& numbers) {
  std::string out(s);
  std::size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    if (c == '"') {
      for (++i; i < s.size() && s[i] != '"'; ++i)
        if (s[i] == '\\') ++i;
      ++i;
      continue;
    }
    if (c == '-' || (c >= '0' && c <= '9')) {
      std::size_t j = number_end(s, i);
      if (j == i) {
        ++i;
        continue;
      }
      if (overflows(s.substr(i, j - i))) {
        numbers.emplace_back(i, j);
        out[i] = '0';
        std::fill(out.begin() + static_cast<std::ptrdiff_t>(i + 1),
                  out.begin() + static_cast<std::ptrdiff_t>(j), ' ');
      }
      i = j;
      continue;
    }
    ++i;
  }
  return out;
}

struct Outcome {
  std::optional<RestoreMap> map;
  std::string error;
  bool overflow = false;
};

Outcome read_once(std::string_view text, const std::vector<NumberSpan>& patched) {
  const char* mark = text.data();
  Reader reader(text, &mark, patched);
  TrackingIter first(text.data(), &mark);
  TrackingIter last(text.data() + text.size(), &mark);
  const bool ok = json_document::sax_parse(first, last, &reader);
  Outcome out;
  if (ok && reader.done()) {
    out.map = reader.take();
  } else {
    out.error = reader.error().empty() ? std::string("invalid restore map") : reader.error();
    out.overflow = reader.overflow();
  }
  return out;
}

}  // namespace

std::expected<RestoreMap, std::string> restore_map_from_json(std::string_view text) {
  try {
    // The JSON lexer takes a NUL byte for the end of its input and would ignore what follows;
    // a raw NUL is never valid JSON.
    if (std::size_t nul = text.find('\0'); nul != std::string_view::npos)
      return std::unexpected("syntax error - invalid character NUL" + position_text(text, nul + 1));
    const std::vector<NumberSpan> none;
    Outcome out = read_once(text, none);
    if (out.overflow) {
      std::vector<NumberSpan> numbers;
      const std::string patched = patch_overflows(text, numbers);
      if (!numbers.empty()) out = read_once(patched, numbers);
    }
    if (!out.map) return std::unexpected(std::move(out.error));
    return std::move(*out.map);
  } catch (const std::bad_alloc&) {
    return std::unexpected(std::string("out of memory while reading the restore map"));
  } catch (...) {
    return std::unexpected(std::string("invalid restore map"));
  }
}

std::string restore_map_to_json(const RestoreMap& map) {
  std::size_t size = map.prefix.size() + 28;
  for (const auto& e : map.entries) size += e.token.size() + e.original.size() + 64;
  std::string out;
  out.reserve(size);
  out += "{\"prefix\":";
  json::write_string(out, map.prefix);
  out += ",\"entries\":[";
  bool first = true;
  for (const auto& e : map.entries) {
    if (!first) out += ',';
    first = false;
    out += "{\"token\":";
    json::write_string(out, e.token);
    out += ",\"original\":";
    json::write_string(out, e.original);
    out += ",\"entity\":";
    json::write_string(out, entity_name(e.entity));
    out += '}';
  }
  out += "]}";
  return out;
}

}  // namespace norvane
