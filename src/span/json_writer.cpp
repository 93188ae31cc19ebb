#include "span/json_writer.hpp"

#include <charconv>

#include "error/interrupt.hpp"
#include "span/float_format.hpp"

namespace norvane::json {

namespace {

// The escaped characters of s, without quotes.
void append_escaped(std::string& out, std::string_view s) {
  static constexpr char hex[] = "0123456789abcdef";
  std::size_t run = 0;  // start of the pending stretch that needs no escaping
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(s.data() + run, i - run);
    run = i + 1;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\f': out += "\\f"; break;
      case '\r': out += "\\r"; break;
      default:
        out += "\\u00";
        out.push_back(hex[c >> 4]);
        out.push_back(hex[c & 0xF]);
    }
  }
  out.append(s.data() + run, s.size() - run);
}

constexpr std::size_t kEscapeBlock = kPieceBytes;

}  // namespace

void write_string(std::string& out, std::string_view s) { write_string(out, s, Flush()); }

void write_string(std::string& out, std::string_view s, const Flush& flush) {
  out.push_back('"');
  if (s.size() <= kEscapeBlock) {
    append_escaped(out, s);
  } else {
    // Escaping works byte by byte, so blocks may end anywhere; polls come between them.
    interrupt::Poll poll;
    for (std::size_t at = 0; at < s.size(); at += kEscapeBlock) {
      poll.advance(kEscapeBlock);
      append_escaped(out, s.substr(at, kEscapeBlock));
      if (flush && out.size() >= kPieceBytes) flush(out);
    }
  }
  out.push_back('"');
}

void write_f32(std::string& out, float value) { out += format_f32_json(value); }

void write_u64(std::string& out, std::uint64_t value) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, static_cast<std::size_t>(res.ptr - buf));
}

void write_rules(std::string& out, std::span<const RuleName> rules) {
  out.push_back('[');
  for (std::size_t i = 0; i < rules.size(); ++i) {
    if (i) out.push_back(',');
    write_string(out, rules[i]);
  }
  out.push_back(']');
}

void write(std::string& out, const Span& span) {
  out += "{\"byte\":{\"start\":";
  write_u64(out, span.byte_start);
  out += ",\"end\":";
  write_u64(out, span.byte_end);
  out += "},\"char\":{\"start\":";
  write_u64(out, span.char_start);
  out += ",\"end\":";
  write_u64(out, span.char_end);
  out += "}}";
}

void write(std::string& out, const NormalizationCost& cost) {
  out += "{\"absorbed_whitespace\":";
  write_u64(out, cost.absorbed_whitespace);
  out += ",\"absorbed_separators\":";
  write_u64(out, cost.absorbed_separators);
  out += ",\"expanded_syllables\":";
  write_u64(out, cost.expanded_syllables);
  out += ",\"replaced_chars\":";
  write_u64(out, cost.replaced_chars);
  out.push_back('}');
}

void write(std::string& out, const SourceSpan& span) {
  out += "{\"span\":";
  write(out, span.span);
  out += ",\"snapped\":";
  write_bool(out, span.snapped);
  out += ",\"rules\":";
  write_rules(out, span.rules.names());
  out += ",\"cost\":";
  write(out, span.cost);
  out.push_back('}');
}

void write(std::string& out, const Segment& segment) {
  out += "{\"src\":";
  write(out, segment.src);
  out += ",\"dst\":";
  write(out, segment.dst);
  out += ",\"kind\":\"";
  out += segment_kind_name(segment.kind);
  out += "\",\"rules\":";
  write_rules(out, segment.rules.names());
  out += ",\"cost\":";
  write(out, segment.cost);
  out.push_back('}');
}

void write(std::string& out, const SpanMap& map) {
  out += "{\"segments\":[";
  for (std::size_t i = 0; i < map.len(); ++i) {
    if (i) out.push_back(',');
    write(out, map[i]);
  }
  out += "]}";
}

}  // namespace norvane::json
