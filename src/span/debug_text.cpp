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

}  // namespace norvane
