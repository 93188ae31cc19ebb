#include "span/debug_text.hpp"

#include <cstdio>

#include "span/utf8.hpp"

namespace norvane {

std::string debug_quoted(std::string_view s) {
  std::string out;
  out.reserve(s.size() + 2);
  out += '"';
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t start = i;
    char32_t c = utf8::decode(s, i);
    switch (c) {
      case U'"': out += "\\\""; break;
      case U'\\': out += "\\\\"; break;
      case U'\n': out += "\\n"; break;
      case U'\r': out += "\\r"; break;
      case U'\t': out += "\\t"; break;
      case U'\0': out += "\\0"; break;
      default:
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
          char buf[16];
          std::snprintf(buf, sizeof buf, "\\u{%x}", static_cast<unsigned>(c));
          out += buf;
        } else {
          out.append(s.substr(start, i - start));
        }
    }
  }
  out += '"';
  return out;
}

std::string byte_range(const Span& span) {
  return std::to_string(span.byte_start) + ".." + std::to_string(span.byte_end);
}

std::string char_range(const Span& span) {
  return std::to_string(span.char_start) + ".." + std::to_string(span.char_end);
}

std::string debug_text(const Span& span) {
  return "Span(byte=" + byte_range(span) + ", char=" + char_range(span) + ")";
}

std::string debug_text(const NormalizationCost& cost) {
  return "NormalizationCost(absorbed_whitespace=" + std::to_string(cost.absorbed_whitespace) +
         ", absorbed_separators=" + std::to_string(cost.absorbed_separators) +
         ", expanded_syllables=" + std::to_string(cost.expanded_syllables) +
         ", replaced_chars=" + std::to_string(cost.replaced_chars) + ")";
}

std::string debug_text(const Segment& segment) {
  return "Segment(kind=" + debug_quoted(segment_kind_name(segment.kind)) +
         ", src=" + byte_range(segment.src) + ", dst=" + byte_range(segment.dst) + ")";
}

std::string debug_text(const SourceSpan& source) {
  std::string rules = "[";
  for (std::size_t i = 0; i < source.rules.size(); ++i) {
    if (i) rules += ", ";
    rules += debug_quoted(source.rules[i]);
  }
  return "SourceSpan(byte=" + byte_range(source.span) + ", char=" + char_range(source.span) +
         ", snapped=" + (source.snapped ? "true" : "false") + ", rules=" + rules + "])";
}

std::string debug_text(const SpanMap& map) {
  return "SpanMap(segments=" + std::to_string(map.len()) +
         ", src_bytes=" + std::to_string(map.src_end().first) +
         ", dst_bytes=" + std::to_string(map.dst_end().first) + ")";
}

}  // namespace norvane
