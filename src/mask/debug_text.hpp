#pragma once
// The one-line descriptions of the masking layer's values. Keys, fixed texts and originals may
// be secrets or personal data: they are never shown.
#include <string>

#include "mask/mask.hpp"
#include "mask/policy.hpp"
#include "mask/restore.hpp"

namespace norvane {

std::string debug_text(const Policy& policy);
std::string debug_text(const PolicySet& policies);
std::string debug_text(const RestoreEntry& entry);
std::string debug_text(const RestoreMap& map);
std::string debug_text(const MaskOutput& output);

}  // namespace norvane
