#pragma once
// Digit sequences and the check formulas of the kinds that have one.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "detect/report.hpp"

namespace norvane {

// A digit value is 0..9, or kMasked for "*", "X" and "x".
inline constexpr std::uint8_t kMasked = 10;
using Digits = std::vector<std::uint8_t>;

// Converts a run to digit values; false (and `out` unspecified) on any other character.
bool to_digits(std::string_view text, Digits& out);
// The same into room for text.size() values at `out`: a caller with a buffer of its own
// spares the list's zeroing of each longer run.
bool to_digits(std::string_view text, std::uint8_t* out);
// The same for a run of n <= 16 bytes with sixteen bytes readable at `run`, into room for
// sixteen values at `out` (those past n are left unspecified): one load and one store, where
// a short run read alone is first copied into a block and back out of one.
bool to_digits16(const char* run, std::size_t n, std::uint8_t* out);
// True when some position is masked.
bool any_masked(std::span<const std::uint8_t> digits);
// True when the digits begin with the digit characters of `prefix`; a masked position never
// matches.
bool digits_start_with(std::span<const std::uint8_t> digits, std::string_view prefix);

namespace reason {
inline constexpr std::string_view masked = "가려진 자리가 있어 검증식을 적용할 수 없다";
inline constexpr std::string_view phone = "전화번호에는 검증식이 없다";
inline constexpr std::string_view driver_license =
    "검증 자릿수는 존재하나 계산식이 공개돼 있지 않다";
inline constexpr std::string_view bank_account = "은행별 체계가 달라 공통 검증식이 없다";
inline constexpr std::string_view birth_date = "생년월일에는 검증식이 없다";
inline constexpr std::string_view email = "이메일에는 검증식이 없다";
inline constexpr std::string_view passport = "여권번호에는 공개된 검증식이 없다";
}  // namespace reason

struct Date {
  std::uint16_t year = 0;
  std::uint8_t month = 0;
  std::uint8_t day = 0;
  bool operator==(const Date&) const = default;
};

bool is_leap_year(unsigned year);
bool is_valid_date(unsigned year, unsigned month, unsigned day);

struct ResidentAnalysis {
  ChecksumResult checksum;
  std::uint16_t century = 1900;
  bool foreigner = false;
  std::optional<Date> birth;
};

// Only for exactly 13 positions; anything else has no analysis.
std::optional<ResidentAnalysis> analyze_resident(std::span<const std::uint8_t> digits);
// 10 positions.
ChecksumResult business_checksum(std::span<const std::uint8_t> digits);
// Any length; the card rule uses it for 13 to 19 positions.
ChecksumResult luhn_checksum(std::span<const std::uint8_t> digits);
// The same three for a caller that has already asked any_masked(digits) (`masked`): the
// candidate rules ask it once for all of them.
std::optional<ResidentAnalysis> analyze_resident(std::span<const std::uint8_t> digits, bool masked);
ChecksumResult business_checksum(std::span<const std::uint8_t> digits, bool masked);
ChecksumResult luhn_checksum(std::span<const std::uint8_t> digits, bool masked);
// ISO 13616 (IBAN): `iban` holds capitals and digits only, the country's two letters and the two
// check digits first; true when the whole, read with the first four moved last, is 1 mod 97.
bool iban_check_passes(std::string_view iban);

}  // namespace norvane
