#pragma once
// Text forms that reprs and error messages show: quoted strings, ranges, and the one-line
// description of each value of this layer.
#include <string>
#include <string_view>

#include "span/span.hpp"
#include "span/span_map.hpp"

namespace norvane {

// {x:?} of a string: double quotes, backslash escapes for `"` `\` \n \r \t \0, other controls as
// \u{hex}.
std::string debug_quoted(std::string_view s);

// "start..end" of a span's bytes or characters.
std::string byte_range(const Span& span);
std::string char_range(const Span& span);

// One line naming the type and its telling fields, e.g. "Span(byte=0..3, char=0..1)".
std::string debug_text(const Span& span);
std::string debug_text(const NormalizationCost& cost);
std::string debug_text(const Segment& segment);
std::string debug_text(const SourceSpan& source);
std::string debug_text(const SpanMap& map);

}  // namespace norvane
