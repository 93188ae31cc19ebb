#pragma once
// Text forms of 32-bit floats shared by JSON and reprs.
#include <string>

namespace norvane {

// Shortest text that reads back to the same 32-bit value, never in exponent notation:
// "1", "0.5", "0.0000001", "-0", "NaN", "inf", "-inf".
std::string format_f32_plain(float value);
// Fixed decimals of the exact value, correctly rounded (as printf "%.Nf").
std::string format_f32_fixed(float value, int decimals);
// JSON layout of the shortest digits: "0.0", "1.0", "1.25", "0.000123", "1e-7", "7.450581e-9";
// non-finite values give "null".
std::string format_f32_json(float value);

}  // namespace norvane
