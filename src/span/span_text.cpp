#include "span/span_text.hpp"

#include "span/debug_text.hpp"
#include "span/utf8.hpp"

namespace norvane {

std::expected<Span, std::string> span_of_chars(std::string_view text, std::uint64_t char_start,
                                               std::uint64_t char_end) {
  if (char_end < char_start)
    return std::unexpected("char_start " + std::to_string(char_start) +
                           " must not exceed char_end " + std::to_string(char_end));
  // One walk finds both byte offsets and the character count.
  std::uint64_t chars = 0;
  std::size_t byte_start = text.size(), byte_end = text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (utf8::is_continuation(static_cast<unsigned char>(text[i]))) continue;
    if (chars == char_start) byte_start = i;
    if (chars == char_end) byte_end = i;
    ++chars;
  }
  if (char_end > chars)
    return std::unexpected("char_end " + std::to_string(char_end) + " is out of range; text has " +
                           std::to_string(chars) + " characters");
  return Span{static_cast<std::uint32_t>(byte_start), static_cast<std::uint32_t>(byte_end),
              static_cast<std::uint32_t>(char_start), static_cast<std::uint32_t>(char_end)};
}

std::expected<std::string_view, std::string> text_of(const Span& span, std::string_view text) {
  if (span.byte_end > text.size() || span.byte_start > span.byte_end)
    return std::unexpected("span " + byte_range(span) + " is out of range for text of " +
                           std::to_string(text.size()) + " bytes");
  if (!utf8::is_boundary(text, span.byte_start) || !utf8::is_boundary(text, span.byte_end))
    return std::unexpected("span " + byte_range(span) +
                           " does not fall on UTF-8 character boundaries");
  return text.substr(span.byte_start, span.byte_end - span.byte_start);
}

std::expected<SourceSpan, std::string> source_of_chars(const SpanMap& map,
                                                       std::string_view normalized,
                                                       std::uint64_t char_start,
                                                       std::uint64_t char_end) {
  std::expected<Span, std::string> span = span_of_chars(normalized, char_start, char_end);
  if (!span) return std::unexpected(std::move(span.error()));
  return map.to_source(*span);
}

std::optional<std::string> text_span_problem(const Span& span) {
  if (span.byte_end >= span.byte_start && span.char_end >= span.char_start &&
      span.char_len() <= span.byte_len() && span.byte_len() <= 4ull * span.char_len())
    return std::nullopt;
  return "span " + std::to_string(span.byte_start) + ".." + std::to_string(span.byte_end) +
         " (chars " + std::to_string(span.char_start) + ".." + std::to_string(span.char_end) +
         ") is reversed or its lengths disagree";
}

}  // namespace norvane
