#pragma once
// Set bits counted by table: the library is built for every x86-64, where std::popcount
// without a popcount instruction is a library call.
#include <array>
#include <bit>
#include <cstdint>

namespace norvane {

// The number of set bits in each byte value.
inline constexpr auto kBitsInByte = [] {
  std::array<std::uint8_t, 256> t{};
  for (unsigned v = 0; v < 256; ++v) t[v] = static_cast<std::uint8_t>(std::popcount(v));
  return t;
}();

// The set bits of v < 2^16 (a byte mask of sixteen lanes).
inline std::uint32_t count_bits16(unsigned v) {
  return kBitsInByte[v & 0xFF] + kBitsInByte[v >> 8];
}

}  // namespace norvane
