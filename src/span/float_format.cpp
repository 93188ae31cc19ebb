#include "span/float_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace norvane {

namespace {

// Shortest round-trip digits of a finite, non-zero |value|: the digit string D and the decimal
// exponent kk such that |value| = 0.D × 10^kk.
struct Digits {
  char buf[16];
  int n = 0;
  int kk = 0;
};

Digits shortest_digits(float magnitude) {
  char tmp[32];
  auto res = std::to_chars(tmp, tmp + sizeof tmp, magnitude, std::chars_format::scientific);
  Digits d;
  const char* p = tmp;
  while (p < res.ptr && *p != 'e') {
    if (*p >= '0' && *p <= '9' && d.n < static_cast<int>(sizeof d.buf)) d.buf[d.n++] = *p;
    ++p;
  }
  int e = 0;
  if (p < res.ptr) {
    ++p;
    std::from_chars(*p == '+' ? p + 1 : p, res.ptr, e);
  }
  // Scientific form can carry trailing zeros only for the single-digit case ("1e+00").
  while (d.n > 1 && d.buf[d.n - 1] == '0') --d.n;
  d.kk = e + 1;
  return d;
}

}  // namespace

std::string format_f32_json(float value) {
  if (!std::isfinite(value)) return "null";
  std::string out;
  if (std::signbit(value)) out.push_back('-');
  if (value == 0.0f) {
    out += "0.0";
    return out;
  }
  const Digits d = shortest_digits(std::fabs(value));
  const std::string_view digits(d.buf, static_cast<std::size_t>(d.n));
  const int n = d.n, kk = d.kk, k = kk - n;
  if (k >= 0 && kk <= 13) {
    out += digits;
    out.append(static_cast<std::size_t>(k), '0');
    out += ".0";
  } else if (kk > 0 && kk <= 13) {
    out += digits.substr(0, static_cast<std::size_t>(kk));
    out.push_back('.');
    out += digits.substr(static_cast<std::size_t>(kk));
  } else if (kk > -6 && kk <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-kk), '0');
    out += digits;
  } else {
    out.push_back(digits[0]);
    if (n > 1) {
      out.push_back('.');
      out += digits.substr(1);
    }
    out.push_back('e');
    out += std::to_string(kk - 1);
  }
  return out;
}

std::string format_f32_plain(float value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  std::string out;
  if (std::signbit(value)) out.push_back('-');
  if (value == 0.0f) {
    out.push_back('0');
    return out;
  }
  const Digits d = shortest_digits(std::fabs(value));
  const std::string_view digits(d.buf, static_cast<std::size_t>(d.n));
  const int n = d.n, kk = d.kk;
  if (kk >= n) {
    out += digits;
    out.append(static_cast<std::size_t>(kk - n), '0');
  } else if (kk > 0) {
    out += digits.substr(0, static_cast<std::size_t>(kk));
    out.push_back('.');
    out += digits.substr(static_cast<std::size_t>(kk));
  } else {
    out += "0.";
    out.append(static_cast<std::size_t>(-kk), '0');
    out += digits;
  }
  return out;
}

std::string format_f32_fixed(float value, int decimals) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (decimals < 0) decimals = 0;
  const double v = static_cast<double>(value);
  char small[64];
  const int len = std::snprintf(small, sizeof small, "%.*f", decimals, v);
  if (len < 0) return std::string();
  if (static_cast<std::size_t>(len) < sizeof small)
    return std::string(small, static_cast<std::size_t>(len));
  std::string out(static_cast<std::size_t>(len) + 1, '\0');
  std::snprintf(out.data(), out.size(), "%.*f", decimals, v);
  out.resize(static_cast<std::size_t>(len));
  return out;
}

}  // namespace norvane
