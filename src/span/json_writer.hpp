#pragma once
// Compact JSON writing for the fixed record shapes (keys in declared order, no spaces).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "span/span.hpp"
#include "span/span_map.hpp"

namespace norvane::json {

// A JSON string: quote and backslash escaped, controls below U+0020 as \b \t \n \f \r or
// \u00xx (lowercase hex), everything else raw UTF-8.
void write_string(std::string& out, std::string_view s);

// Takes the JSON written so far and empties `out`, so that a long document can be written a
// piece at a time into a buffer that is not a std::string.
using Flush = std::function<void(std::string& out)>;
// Writers that take a Flush call it once `out` holds about this many bytes or more.
inline constexpr std::size_t kPieceBytes = std::size_t{1} << 16;
// write_string, handing `out` to flush between blocks of a long string.
void write_string(std::string& out, std::string_view s, const Flush& flush);
// The shortest decimal that reads back to the same 32-bit value; non-finite values are null.
void write_f32(std::string& out, float value);
void write_u64(std::string& out, std::uint64_t value);
inline void write_bool(std::string& out, bool b) { out += b ? "true" : "false"; }
void write_rules(std::string& out, std::span<const RuleName> rules);

void write(std::string& out, const Span& span);
void write(std::string& out, const NormalizationCost& cost);
void write(std::string& out, const SourceSpan& span);
void write(std::string& out, const Segment& segment);
void write(std::string& out, const SpanMap& map);

template <class T>
std::string to_json(const T& value) {
  std::string out;
  write(out, value);
  return out;
}

}  // namespace norvane::json
