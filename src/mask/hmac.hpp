#pragma once
// HMAC-SHA-256 for the hash policy.
#include <string>
#include <string_view>

namespace norvane {

// Lowercase hex of HMAC-SHA-256(key, message), all 64 digits.
std::string hmac_sha256_hex(std::string_view key, std::string_view message);

}  // namespace norvane
