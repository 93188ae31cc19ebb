#pragma once
// Offsets are unsigned 32-bit: a text must be shorter than 4 GiB of UTF-8.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvane {

inline constexpr std::uint64_t kMaxTextBytes = 0xFFFFFFFFull;

namespace detail {
// "4 GiB (4294967296 bytes)" for the real limit; other limits are for tests.
inline std::string size_bound(std::uint64_t max_bytes) {
  if (max_bytes == kMaxTextBytes) return "4 GiB (4294967296 bytes)";
  return std::to_string(max_bytes + 1) + " bytes";
}
}  // namespace detail

// The refusal for a text of `bytes` bytes passed as `param`, or nothing when it fits.
inline std::optional<std::string> text_size_error(std::string_view param, std::uint64_t bytes,
                                                  std::uint64_t max_bytes = kMaxTextBytes) {
  if (bytes <= max_bytes) return std::nullopt;
  return "argument '" + std::string(param) + "': text of " + std::to_string(bytes) +
         " bytes is too large; texts must be shorter than " + detail::size_bound(max_bytes) +
         " of UTF-8";
}

// The refusal for a text of `bytes` bytes whose normalized form would pass max_bytes (reading
// Hangul numerals as digits makes a text longer).
inline std::string normalized_size_error(std::string_view param, std::uint64_t bytes,
                                         std::uint64_t max_bytes = kMaxTextBytes) {
  return "argument '" + std::string(param) + "': text of " + std::to_string(bytes) +
         " bytes is too large once normalized; texts and their normalized form must be shorter than " +
         detail::size_bound(max_bytes) + " of UTF-8";
}

}  // namespace norvane
