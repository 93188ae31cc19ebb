#pragma once
// Restore maps: numbered tokens and the source texts they replaced.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "detect/entity.hpp"
#include "error/error.hpp"

namespace norvane {

struct RestoreEntry {
  std::string token;
  std::string original;
  EntityKind entity;
  bool operator==(const RestoreEntry&) const = default;
};

struct RestoreMap {
  std::string prefix;
  std::vector<RestoreEntry> entries;

  // An empty map whose token opener does not occur in text.
  static RestoreMap for_text(std::string_view text);
  // Appends an entry and returns its token.
  std::string push(EntityKind entity, std::string_view original);
  // The same with a given token number (maps that continue another's numbering).
  std::string push(EntityKind entity, std::string_view original, std::size_t number);
  std::size_t len() const { return entries.size(); }
  bool is_empty() const { return entries.empty(); }
  bool operator==(const RestoreMap&) const = default;
};

Result<std::string> unmask(std::string_view masked, const RestoreMap& map);

}  // namespace norvane
