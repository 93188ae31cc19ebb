#pragma once
// Text forms that reprs and error messages show: quoted strings and ranges.
#include <string>
#include <string_view>

#include "span/span.hpp"

namespace norvane {

// {x:?} of a string: double quotes, backslash escapes for `"` `\` \n \r \t \0, other controls as
// \u{hex}.
std::string debug_quoted(std::string_view s);

// "start..end" of a span's bytes or characters.
std::string byte_range(const Span& span);
std::string char_range(const Span& span);

}  // namespace norvane
