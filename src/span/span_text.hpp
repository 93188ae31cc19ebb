#pragma once
// Spans against the text they measure. A failure carries its message for the caller to raise.
#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>

#include "span/span.hpp"
#include "span/span_map.hpp"

namespace norvane {

// The span of characters [char_start, char_end) of text.
std::expected<Span, std::string> span_of_chars(std::string_view text, std::uint64_t char_start,
                                               std::uint64_t char_end);

// The part of text that span selects: it must lie inside text and on character boundaries.
std::expected<std::string_view, std::string> text_of(const Span& span, std::string_view text);

// Why span cannot be a span of a real text (reversed, or a character shorter than one byte or
// longer than four), or nothing.
std::optional<std::string> text_span_problem(const Span& span);

// The source of the characters [char_start, char_end) of normalized, the text map leads to.
std::expected<SourceSpan, std::string> source_of_chars(const SpanMap& map,
                                                       std::string_view normalized,
                                                       std::uint64_t char_start,
                                                       std::uint64_t char_end);

}  // namespace norvane
