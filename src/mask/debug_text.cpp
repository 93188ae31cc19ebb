#include "mask/debug_text.hpp"

#include "span/debug_text.hpp"

namespace norvane {

std::string debug_text(const Policy& policy) {
  return "Policy." + std::string(policy_kind_name(policy.kind)) + "()";
}

std::string debug_text(const PolicySet&) { return "PolicySet(...)"; }

std::string debug_text(const RestoreEntry& entry) {
  return "RestoreEntry(token=" + debug_quoted(entry.token) +
         ", entity=" + debug_quoted(entity_name(entry.entity)) + ")";
}

std::string debug_text(const RestoreMap& map) {
  return "RestoreMap(prefix=" + debug_quoted(map.prefix) +
         ", entries=" + std::to_string(map.len()) + ")";
}

std::string debug_text(const MaskOutput& output) {
  return "MaskOutput(applied=" + std::to_string(output.applied.size()) +
         ", skipped=" + std::to_string(output.skipped.size()) +
         ", restore=" + (output.restore ? "true" : "false") + ")";
}

}  // namespace norvane
