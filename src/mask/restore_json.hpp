#pragma once
// Restore maps as JSON: written compactly, read back with every fault reported.
#include <expected>
#include <string>
#include <string_view>

#include "mask/restore.hpp"

namespace norvane {

std::string restore_map_to_json(const RestoreMap& map);
// On failure, the JSON layer's message (with line and column where it can).
std::expected<RestoreMap, std::string> restore_map_from_json(std::string_view text);

}  // namespace norvane
