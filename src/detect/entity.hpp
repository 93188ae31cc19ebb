#pragma once
// The ten entity kinds with their names, codes and Korean labels.
#include <array>
#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>

namespace norvane {

enum class EntityKind : std::uint8_t {
  resident,
  foreigner_registration,
  business_registration,
  credit_card,
  bank_account,
  phone,
  email,
  driver_license,
  birth_date,
  passport,
};

inline constexpr std::size_t kEntityCount = 10;

std::string_view entity_name(EntityKind kind);
std::string_view entity_code(EntityKind kind);
std::string_view entity_label(EntityKind kind);
// Exact, case-sensitive match against the ten names.
std::optional<EntityKind> entity_from_name(std::string_view name);
// The same, or why not: "unknown entity {name:?}; expected one of {names}".
std::expected<EntityKind, std::string> entity_named(std::string_view name);
const std::array<EntityKind, kEntityCount>& all_entities();
// The ten names joined by ", " in declared order.
std::string entity_names_joined();

}  // namespace norvane
