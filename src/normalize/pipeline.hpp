#pragma once
// normalize(): runs the enabled passes in their fixed order and composes their maps.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "error/error.hpp"
#include "normalize/config.hpp"
#include "span/limits.hpp"
#include "span/span_map.hpp"

namespace norvane {

struct Normalized {
  std::string text;
  SpanMap map;  // source = the caller's text, destination = text
};

// A text whose normalized form would pass max_bytes (where 32-bit offsets end) is refused with
// a text_too_large error; lower limits are for tests.
Result<Normalized> normalize(std::string_view text, const Config& config,
                             std::uint64_t max_bytes = kMaxTextBytes);

// The same, but nothing where no pass changes the text: the text is then its own normalized
// form and the map its identity, and a caller that still holds the text need not copy it.
Result<std::optional<Normalized>> normalize_changes(std::string_view text, const Config& config,
                                                    std::uint64_t max_bytes = kMaxTextBytes);
// The same written into `out`, an empty Normalized: true where some pass changed the text (out
// then holds its normalized form), false where none did (out stays empty). Spares a short
// text's detection the moves of the text and map on their way out.
Result<bool> normalize_changes_into(std::string_view text, const Config& config, Normalized& out,
                                    std::uint64_t max_bytes = kMaxTextBytes);

}  // namespace norvane
