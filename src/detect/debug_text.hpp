#pragma once
// The one-line descriptions of the detection layer's values.
#include <string>

#include "detect/report.hpp"

namespace norvane {

std::string debug_text(const ContextHit& hit);
std::string debug_text(const Evidence& evidence);
std::string debug_text(const Finding& finding);
std::string debug_text(const Rejection& rejection);
std::string debug_text(const Report& report);

}  // namespace norvane
