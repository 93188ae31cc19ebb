#pragma once
// Offsets are unsigned 32-bit: a text must be shorter than 4 GiB of UTF-8.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvane {

inline constexpr std::uint64_t kMaxTextBytes = 0xFFFFFFFFull;

// The refusal for a text of `bytes` bytes passed as `param`, or nothing when it fits.
inline std::optional<std::string> text_size_error(std::string_view param, std::uint64_t bytes) {
  if (bytes <= kMaxTextBytes) return std::nullopt;
  return "argument '" + std::string(param) + "': text of " + std::to_string(bytes) +
         " bytes is too large; texts must be shorter than 4 GiB (4294967296 bytes) of UTF-8";
}

}  // namespace norvane
