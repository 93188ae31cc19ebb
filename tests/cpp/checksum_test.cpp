// Digit values, dates and the check formulas of resident, business and card numbers.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "detect/checksum.hpp"

namespace norvane {
namespace {

Digits digits(std::string_view text) {
  Digits d;
  EXPECT_TRUE(to_digits(text, d)) << text;
  return d;
}

TEST(Checksum, ToDigitsReadsDigitsAndMasksOnly) {
  EXPECT_EQ(digits("0189"), (Digits{0, 1, 8, 9}));
  EXPECT_EQ(digits("1*Xx"), (Digits{1, kMasked, kMasked, kMasked}));
  EXPECT_EQ(digits(""), Digits{});
  Digits d;
  for (std::string_view bad : {"12-3", "12 3", "1O", "١٢", "１２"})
    EXPECT_FALSE(to_digits(bad, d)) << bad;
}

// The values a byte has, written out apart from the library's reading (sixteen bytes at a time).
std::uint8_t value_of(unsigned char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  return c == '*' || c == 'X' || c == 'x' ? kMasked : 0xFF;
}

TEST(Checksum, ToDigitsOfEveryLengthAndByteAgreeWithTheByteReading) {
  // Lengths around one and two blocks of sixteen, every byte value at every place of each, from
  // every offset of a larger buffer (the reading must not depend on where the run lies).
  std::string buffer(96, '7');
  for (std::size_t n = 1; n <= 40; ++n) {
    for (std::size_t offset : {0, 1, 7, 15}) {
      for (unsigned b = 0; b < 256; ++b) {
        for (std::size_t at = 0; at < n; at += (n > 20 ? 3 : 1)) {
          for (std::size_t k = 0; k < n; ++k)
            buffer[offset + k] = static_cast<char>('0' + (k * 3 + n) % 10);
          buffer[offset + at] = static_cast<char>(b);
          if (at + 2 < n) buffer[offset + at + 2] = "*Xx"[b % 3];
          const std::string_view run(buffer.data() + offset, n);
          Digits want(n);
          bool ok = true;
          for (std::size_t k = 0; k < n; ++k) {
            want[k] = value_of(static_cast<unsigned char>(run[k]));
            ok = ok && want[k] != 0xFF;
          }
          Digits got(3, 5);  // a list of another size, as the detector hands it on
          ASSERT_EQ(to_digits(run, got), ok) << n << " " << offset << " " << b << " " << at;
          // Into a buffer of its own: the same values, and not a byte written past them.
          std::vector<std::uint8_t> room(n + 16, 0xEE);
          ASSERT_EQ(to_digits(run, room.data()), ok) << n << " " << offset << " " << b << " " << at;
          for (std::size_t k = n; k < room.size(); ++k) ASSERT_EQ(room[k], 0xEE) << n << " " << k;
          // A run of one block read in place, from a buffer that goes on past it.
          std::uint8_t block[16];
          if (n <= 16) {
            ASSERT_EQ(to_digits16(run.data(), n, block), ok) << n << " " << offset << " " << b;
            if (ok) {
              ASSERT_EQ(Digits(block, block + n), want) << n << " " << offset << " " << b << " " << at;
            }
          }
          if (ok) {
            ASSERT_EQ(got, want) << n << " " << offset << " " << b << " " << at;
            ASSERT_EQ(Digits(room.begin(), room.begin() + static_cast<std::ptrdiff_t>(n)), want)
                << n << " " << offset << " " << b << " " << at;
          }
        }
      }
    }
  }
  Digits d(4, 1);
  EXPECT_TRUE(to_digits("", d));
  EXPECT_TRUE(d.empty());
}

TEST(Checksum, AnyMasked) {
  EXPECT_FALSE(any_masked(digits("0123456789")));
  EXPECT_TRUE(any_masked(digits("012345678*")));
  EXPECT_FALSE(any_masked(Digits{}));
  // Eight positions are read at a time: a mask at every place of every length up to 24, digits
  // of every value around it (9 and 11 differ from 10 by one bit), and none.
  for (std::size_t n = 0; n <= 24; ++n) {
    Digits d(n);
    for (std::size_t k = 0; k < n; ++k) d[k] = static_cast<std::uint8_t>((k * 7 + n) % 10);
    EXPECT_FALSE(any_masked(d)) << n;
    for (std::size_t at = 0; at < n; ++at) {
      Digits m = d;
      m[at] = kMasked;
      EXPECT_TRUE(any_masked(m)) << n << " at " << at;
    }
  }
}

TEST(Checksum, DigitsStartWith) {
  EXPECT_TRUE(digits_start_with(digits("01012345678"), "010"));
  EXPECT_TRUE(digits_start_with(digits("010"), "010"));
  EXPECT_TRUE(digits_start_with(digits("010"), ""));
  EXPECT_FALSE(digits_start_with(digits("01"), "010"));  // shorter than the prefix
  EXPECT_FALSE(digits_start_with(digits("011"), "010"));
  EXPECT_FALSE(digits_start_with(digits("0*0"), "010"));  // a mask matches no digit
}

TEST(Checksum, Dates) {
  EXPECT_TRUE(is_leap_year(2000));
  EXPECT_TRUE(is_leap_year(2024));
  EXPECT_FALSE(is_leap_year(1900));
  EXPECT_FALSE(is_leap_year(2023));
  EXPECT_TRUE(is_valid_date(2024, 2, 29));
  EXPECT_FALSE(is_valid_date(2023, 2, 29));
  EXPECT_TRUE(is_valid_date(1988, 12, 31));
  EXPECT_FALSE(is_valid_date(1988, 4, 31));
  EXPECT_FALSE(is_valid_date(1988, 13, 1));
  EXPECT_FALSE(is_valid_date(1988, 0, 1));
  EXPECT_FALSE(is_valid_date(1988, 1, 0));
}

std::string checksum_text(const ChecksumResult& c) {
  std::string out(checksum_name(c));
  if (!c.reason().empty()) out += ": " + std::string(c.reason());
  return out;
}

std::string birth_text(const std::optional<Date>& d) {
  if (!d) return "none";
  return std::to_string(d->year) + '-' + std::to_string(d->month) + '-' + std::to_string(d->day);
}

struct ResidentCase {
  std::string_view number;
  const char* birth;
  bool foreigner;
  const char* checksum;
};

TEST(Checksum, ResidentNumbers) {
  const std::string masked = "not_applicable: " + std::string(reason::masked);
  // clang-format off
  const std::vector<ResidentCase> cases = {
      {"8801011234568", "1988-1-1",  false, "passed"},        // born 1988, check digit right
      {"8801011234567", "1988-1-1",  false, "failed"},        // check digit wrong
      {"8801015234561", "1988-1-1",  true,  "passed"},        // foreigner: the check digit is moved by two
      {"0503034234567", "2005-3-3",  false, "passed"},        // born in the 2000s
      {"8813011234568", "none",      false, "failed"},        // no month 13
      {"880101*******", "1988-1-1",  false, masked.c_str()},  // masked back half: century taken as 1900
      {"000229*******", "2000-2-29", false, masked.c_str()},  // a leap day only the 2000s have
      {"88**011234568", "none",      false, masked.c_str()},  // masked date: no birth
  };
  // clang-format on
  for (const ResidentCase& c : cases) {
    const std::optional<ResidentAnalysis> a = analyze_resident(digits(c.number));
    ASSERT_TRUE(a) << c.number;
    EXPECT_EQ(birth_text(a->birth), c.birth) << c.number;
    EXPECT_EQ(a->foreigner, c.foreigner) << c.number;
    EXPECT_EQ(checksum_text(a->checksum), c.checksum) << c.number;
  }
  EXPECT_FALSE(analyze_resident(digits("880101123456")));  // twelve positions
}

TEST(Checksum, BusinessNumbers) {
  EXPECT_EQ(checksum_text(business_checksum(digits("1208147521"))), "passed");
  EXPECT_EQ(checksum_text(business_checksum(digits("1208147522"))), "failed");
  EXPECT_EQ(checksum_text(business_checksum(digits("120814752*"))),
            "not_applicable: " + std::string(reason::masked));
  EXPECT_EQ(checksum_text(business_checksum(digits("120814752"))), "failed");  // nine positions
}

TEST(Checksum, Ibans) {
  // Countries' shapes: letters in the account (GB, NL, IT) or digits only (DE).
  for (const char* iban :
       {"GB82WEST12345698765432", "GB62BARC20031846381395", "DE89370400440532013000",
        "NL20INGB0001234567", "IT60X0542811101000000123456"})
    EXPECT_TRUE(iban_check_passes(iban)) << iban;
  // One check digit off, two digits swapped, the country changed, too short to hold one.
  for (const char* iban : {"GB83WEST12345698765432", "DE89370400440532013001",
                           "DE89370400440523013000", "FR89370400440532013000", "DE89"})
    EXPECT_FALSE(iban_check_passes(iban)) << iban;
}

TEST(Checksum, Luhn) {
  EXPECT_EQ(checksum_text(luhn_checksum(digits("4111111111111111"))), "passed");
  EXPECT_EQ(checksum_text(luhn_checksum(digits("4111111111111112"))), "failed");
  EXPECT_EQ(checksum_text(luhn_checksum(digits("79927398713"))),
            "passed");  // doubling 9 and 7 past ten
  EXPECT_EQ(checksum_text(luhn_checksum(digits("411111111111111*"))),
            "not_applicable: " + std::string(reason::masked));
  // Every length from 1 to 19, odd and even, against the formula read digit by digit.
  std::uint32_t state = 99;
  for (int round = 0; round < 2000; ++round) {
    state = state * 1103515245u + 12345u;
    const std::size_t n = 1 + (state >> 16) % 19;
    Digits d(n);
    for (auto& v : d) {
      state = state * 1103515245u + 12345u;
      v = static_cast<std::uint8_t>((state >> 16) % 10);
    }
    unsigned sum = 0;
    for (std::size_t k = 0; k < n; ++k) {
      const unsigned v = d[n - 1 - k];
      sum += k % 2 == 0 ? v : (2 * v > 9 ? 2 * v - 9 : 2 * v);
    }
    EXPECT_EQ(luhn_checksum(d).kind,
              sum % 10 == 0 ? ChecksumResult::Kind::passed : ChecksumResult::Kind::failed)
        << n;
  }
}

// The forms told whether the digits hold a mask give what the plain forms work out, on digits
// of every length the rules read, with and without masked positions.
TEST(Checksum, FormsToldOfMasksAgreeWithThePlainForms) {
  auto same = [](const ChecksumResult& a, const ChecksumResult& b) {
    return checksum_text(a) == checksum_text(b);
  };
  std::uint32_t state = 7;
  auto next = [&state](std::uint32_t below) {
    state = state * 1103515245u + 12345u;
    return (state >> 16) % below;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::size_t n = 8 + next(12);
    Digits d(n);
    for (auto& v : d) v = static_cast<std::uint8_t>(next(10));
    // A third of the rounds mask one to three positions.
    if (round % 3 == 0)
      for (std::uint32_t m = 0, k = 1 + next(3); m < k; ++m) d[next(static_cast<std::uint32_t>(n))] = kMasked;
    const bool masked = any_masked(d);
    EXPECT_TRUE(same(luhn_checksum(d, masked), luhn_checksum(d))) << round;
    EXPECT_TRUE(same(business_checksum(d, masked), business_checksum(d))) << round;
    const std::optional<ResidentAnalysis> told = analyze_resident(d, masked), plain = analyze_resident(d);
    ASSERT_EQ(told.has_value(), plain.has_value()) << round;
    if (!told) continue;
    EXPECT_TRUE(same(told->checksum, plain->checksum)) << round;
    EXPECT_EQ(birth_text(told->birth), birth_text(plain->birth)) << round;
    EXPECT_EQ(told->foreigner, plain->foreigner) << round;
    EXPECT_EQ(told->century, plain->century) << round;
  }
}

}  // namespace
}  // namespace norvane
