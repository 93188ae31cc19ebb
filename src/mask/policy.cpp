#include "mask/policy.hpp"

namespace norvane {

std::string_view policy_kind_name(Policy::Kind kind) {
  switch (kind) {
    case Policy::Kind::redact_label: return "redact_label";
    case Policy::Kind::redact_code: return "redact_code";
    case Policy::Kind::redact_fill: return "redact_fill";
    case Policy::Kind::redact_fixed: return "redact_fixed";
    case Policy::Kind::partial: return "partial";
    case Policy::Kind::hash: return "hash";
    case Policy::Kind::tokenize: return "tokenize";
  }
  return "redact_label";
}

PolicySet PolicySet::with(EntityKind kind, Policy policy) const {
  PolicySet out = *this;
  for (auto& [k, p] : out.overrides) {
    if (k == kind) {
      p = std::move(policy);
      return out;
    }
  }
  out.overrides.emplace_back(kind, std::move(policy));
  return out;
}

const Policy& PolicySet::policy_for(EntityKind kind) const {
  for (const auto& [k, p] : overrides)
    if (k == kind) return p;
  return default_policy;
}

bool PolicySet::has_tokenize() const {
  if (default_policy.kind == Policy::Kind::tokenize) return true;
  for (const auto& [k, p] : overrides)
    if (p.kind == Policy::Kind::tokenize) return true;
  return false;
}

}  // namespace norvane
