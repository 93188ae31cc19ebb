#include "normalize/debug_text.hpp"

#include "span/debug_text.hpp"
#include "span/float_format.hpp"

namespace norvane {

std::string debug_text(const Config& config) {
  std::string out = "Config(min_score=" + format_f32_plain(config.min_score) +
                    ", min_context=" + format_f32_plain(config.min_context) +
                    ", context_window=" + std::to_string(config.context_window);
  for (const FamilyField& family : kFamilyFields)
    if (config.*family.field) out += ", " + std::string(family.name) + "=True";
  if (config.reference_year) out += ", reference_year=" + std::to_string(*config.reference_year);
  return out + ")";
}

std::string debug_text(const Normalized& normalized) {
  return "Normalized(text=" + debug_quoted(normalized.text) +
         ", segments=" + std::to_string(normalized.map.len()) + ")";
}

}  // namespace norvane
