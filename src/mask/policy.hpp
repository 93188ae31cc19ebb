#pragma once
// How a finding is replaced, and which policy applies to which entity kind.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "detect/entity.hpp"

namespace norvane {

struct Policy {
  enum class Kind : std::uint8_t {
    redact_label,
    redact_code,
    redact_fill,
    redact_fixed,
    partial,
    hash,
    tokenize,
  };
  Kind kind = Kind::redact_label;
  char32_t fill = U'*';           // redact_fill, partial
  std::string text;               // redact_fixed
  std::uint64_t keep_prefix = 0;  // partial
  std::uint64_t keep_suffix = 0;  // partial
  std::string key;                // hash: raw key bytes
  std::uint64_t length = 12;      // hash

  static Policy redact_label() { return {}; }
  static Policy redact_code() {
    Policy p;
    p.kind = Kind::redact_code;
    return p;
  }
  static Policy redact_fill(char32_t fill) {
    Policy p;
    p.kind = Kind::redact_fill;
    p.fill = fill;
    return p;
  }
  static Policy redact_fixed(std::string text) {
    Policy p;
    p.kind = Kind::redact_fixed;
    p.text = std::move(text);
    return p;
  }
  static Policy partial(std::uint64_t prefix, std::uint64_t suffix, char32_t fill = U'*') {
    Policy p;
    p.kind = Kind::partial;
    p.keep_prefix = prefix;
    p.keep_suffix = suffix;
    p.fill = fill;
    return p;
  }
  static Policy hash(std::string key, std::uint64_t length = 12) {
    Policy p;
    p.kind = Kind::hash;
    p.key = std::move(key);
    p.length = length;
    return p;
  }
  static Policy tokenize() {
    Policy p;
    p.kind = Kind::tokenize;
    return p;
  }
};

// "redact_label", "redact_code", ... "tokenize".
std::string_view policy_kind_name(Policy::Kind kind);

struct PolicySet {
  std::vector<std::pair<EntityKind, Policy>> overrides;
  Policy default_policy;

  // Replaces the override for kind in place, or appends one.
  PolicySet with(EntityKind kind, Policy policy) const;
  const Policy& policy_for(EntityKind kind) const;
  bool has_tokenize() const;
};

}  // namespace norvane
