#pragma once
// The one-line descriptions of the normalization layer's values.
#include <string>

#include "normalize/config.hpp"
#include "normalize/pipeline.hpp"

namespace norvane {

// The thresholds and window, then each extension family that is switched on.
std::string debug_text(const Config& config);
std::string debug_text(const Normalized& normalized);

}  // namespace norvane
