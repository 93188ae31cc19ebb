#pragma once
// normalize(): runs the enabled passes in their fixed order and composes their maps.
#include <string>
#include <string_view>

#include "error/error.hpp"
#include "normalize/config.hpp"
#include "span/span_map.hpp"

namespace norvane {

struct Normalized {
  std::string text;
  SpanMap map;  // source = the caller's text, destination = text
};

Result<Normalized> normalize(std::string_view text, const Config& config);

}  // namespace norvane
