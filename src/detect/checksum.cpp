#include "detect/checksum.hpp"

#include "normalize/unicode.hpp"

namespace norvane {

namespace {

ChecksumResult masked_result() { return ChecksumResult::not_applicable(reason::masked); }

}  // namespace

bool to_digits(std::string_view text, Digits& out) {
  out.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= '0' && c <= '9') out[i] = static_cast<std::uint8_t>(c - '0');
    else if (unicode::is_digit_like(c)) out[i] = kMasked;
    else return false;
  }
  return true;
}

bool any_masked(std::span<const std::uint8_t> digits) {
  for (auto v : digits)
    if (v == kMasked) return true;
  return false;
}

bool digits_start_with(std::span<const std::uint8_t> digits, std::string_view prefix) {
  if (digits.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (digits[i] != static_cast<std::uint8_t>(prefix[i] - '0')) return false;
  return true;
}

bool is_leap_year(unsigned y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

bool is_valid_date(unsigned year, unsigned month, unsigned day) {
  if (month < 1 || month > 12 || day < 1) return false;
  static constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  unsigned last = kDays[month - 1];
  if (month == 2 && is_leap_year(year)) last = 29;
  return day <= last;
}

std::optional<ResidentAnalysis> analyze_resident(std::span<const std::uint8_t> d) {
  if (d.size() != 13) return std::nullopt;
  ResidentAnalysis a;
  const std::uint8_t g = d[6];
  switch (g) {
    case 9:
    case 0: a.century = 1800; break;
    case 1:
    case 2: a.century = 1900; break;
    case 3:
    case 4: a.century = 2000; break;
    case 5:
    case 6:
      a.century = 1900;
      a.foreigner = true;
      break;
    case 7:
    case 8:
      a.century = 2000;
      a.foreigner = true;
      break;
    default: a.century = 1900; break;  // masked
  }

  bool date_masked = false;
  for (std::size_t i = 0; i < 6; ++i) date_masked |= d[i] == kMasked;
  if (!date_masked) {
    const unsigned yy = d[0] * 10u + d[1], mm = d[2] * 10u + d[3], dd = d[4] * 10u + d[5];
    unsigned year = a.century + yy;
    bool valid = is_valid_date(year, mm, dd);
    // An unknown century still admits a leap day that only the 2000s allow.
    if (!valid && g == kMasked && mm == 2 && dd == 29 && is_valid_date(2000 + yy, mm, dd)) {
      year = 2000 + yy;
      valid = true;
    }
    if (valid)
      a.birth = Date{static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(mm),
                     static_cast<std::uint8_t>(dd)};
  }

  if (any_masked(d)) {
    a.checksum = masked_result();
    return a;
  }
  static constexpr unsigned kWeights[12] = {2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5};
  unsigned s = 0;
  for (std::size_t k = 0; k < 12; ++k) s += d[k] * kWeights[k];
  unsigned check = (11 - s % 11) % 10;
  if (a.foreigner) check = (check + 2) % 10;
  a.checksum = check == d[12] ? ChecksumResult::passed() : ChecksumResult::failed();
  return a;
}

ChecksumResult business_checksum(std::span<const std::uint8_t> d) {
  if (d.size() != 10) return ChecksumResult::failed();
  if (any_masked(d)) return masked_result();
  static constexpr unsigned kWeights[9] = {1, 3, 7, 1, 3, 7, 1, 3, 5};
  unsigned s = 0;
  for (std::size_t k = 0; k < 9; ++k) s += d[k] * kWeights[k];
  s += d[8] * 5u / 10u;
  const unsigned check = (10 - s % 10) % 10;
  return check == d[9] ? ChecksumResult::passed() : ChecksumResult::failed();
}

ChecksumResult luhn_checksum(std::span<const std::uint8_t> d) {
  if (any_masked(d)) return masked_result();
  unsigned s = 0;
  bool doubled = false;
  for (std::size_t i = d.size(); i-- > 0;) {
    unsigned v = d[i];
    if (doubled) {
      v *= 2;
      if (v > 9) v -= 9;
    }
    s += v;
    doubled = !doubled;
  }
  return s % 10 == 0 ? ChecksumResult::passed() : ChecksumResult::failed();
}

}  // namespace norvane
