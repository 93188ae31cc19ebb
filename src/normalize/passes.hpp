#pragma once
// The normalization passes. Each returns nothing when it has nothing to do (the text
// and the identity map stand), otherwise its output text and the map from input to output.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "normalize/config.hpp"
#include "normalize/unicode.hpp"
#include "span/span_map.hpp"

namespace norvane::passes {

using PassOutput = SpanMapBuilder::Output;

std::optional<PassOutput> compose_jamo(std::string_view text);  // nfc.cpp
std::optional<PassOutput> fold(std::string_view text);          // fold.cpp
bool folds_anything(std::string_view text);  // whether fold() would change the text
// Hyphens, masks and line breaks as people type them by hand (the writing_variants family).
std::optional<PassOutput> read_writing_variants(std::string_view text);  // variants.cpp
// Percent escapes (and "+" for a space) in the tokens that read as percent-encoded.
std::optional<PassOutput> decode_percent_escapes(std::string_view text);  // percent.cpp
// Stops and sets too_large when its output would pass max_bytes.
std::optional<PassOutput> read_hangul_numerals(std::string_view text, const Config& config,
                                               std::uint64_t max_bytes,
                                               bool& too_large);  // hangul.cpp
// Whether read_hangul_numerals() would read any numeral in the text (nothing is written).
bool reads_any_numeral(std::string_view text, const Config& config);  // hangul.cpp
// The number that the Hangul numeral syllables of `word` (all of it) say, digit by digit
// (일오 15) or with units (십 10, 십오 15, 천구백구십 1990); nullopt when they say none.
std::optional<std::uint64_t> hangul_number_value(std::string_view word);  // hangul.cpp
// The digit a letter the look-alike pass corrects stands for (I, l 1; O, o 0; S 5; B 8), or 0.
char corrected_digit(unsigned char c);  // lookalike.cpp
// The letters the look-alike pass reads as digits, and with scanned_letters those a scan misread.
inline constexpr unicode::ByteSet kLookalikeLetters{1, 0, {'I', 'l', 'O', 'o'}, 4};
inline constexpr unicode::ByteSet kLookalikeOrScannedLetters{
    1, 0, {'I', 'l', 'O', 'o', 'S', 'B'}, 6};

// The ASCII character a full-width form (U+FF01..U+FF5E) stands for, or 0 for any other
// character: the fold pass writes it, and readers of unfolded source text compare by it.
constexpr char ascii_of_full_width(char32_t c) {
  return c >= 0xFF01 && c <= 0xFF5E ? static_cast<char>(c - 0xFEE0) : '\0';
}
// With `in_digit_runs`, letters inside a run of digits too (O1O-l234-5678); with
// `scanned_letters`, S and B a scan read for 5 and 8 inside such a run (010-6911-B541), a run
// whose every 0, 1, 5 and 8 a scan misread (OlO-l2B9-S7S6) and a passport's digits (M12B34567).
std::optional<PassOutput> correct_lookalikes(std::string_view text, bool in_digit_runs,
                                             bool scanned_letters = false);  // lookalike.cpp
// The same, writing the digits over the letters in `text` itself (a correction never changes a
// length): only the map is returned, and the text is not copied.
std::optional<SpanMap> correct_lookalikes_in_place(std::string& text, bool in_digit_runs,
                                                   bool scanned_letters = false);  // lookalike.cpp
// With keep_fields, a stretch of separators holding a comma, a tab or two spaces is left alone,
// and so is one holding a space beside a whole field of a row: a date, a passport
// (whole_passport_at) or a value written with its own marks before it, a clock on either side,
// an amount or a measure after it.
// With spaced_dashes, " - " that joins the groups of a number the same way at every join
// (18 - 21 - 829385 - 26) is one separator, not two spaces around a hyphen.
std::optional<PassOutput> absorb_separators(std::string_view text, bool keep_fields,
                                            bool spaced_dashes = false);  // separator.cpp
// A passport written whole with its letter at `lead` (M12345678, M123A4567, M5897****): a letter
// standing alone, then eight places of digits or masks, the fourth a capital in the current
// format, and no letter or digit after them. A jotted row goes on after it with a space (여권
// M511K0351 870,500원, 여권 S02970100 17:30): what follows is the next field, no more of it.
// Inline: the separator pass asks it at every stretch of separators with a space.
inline constexpr std::size_t kPassportLength = 9;
inline bool whole_passport_at(std::string_view s, std::size_t lead) {
  constexpr std::size_t kLetterPlace = 4;
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  auto alnum = [](unsigned char c) {
    return unicode::is_ascii_letter(c) || unicode::is_ascii_digit(c);
  };
  if (lead + kPassportLength > s.size() || !unicode::is_ascii_letter(byte(lead)) ||
      unicode::is_digit_like(byte(lead)) || (lead > 0 && alnum(byte(lead - 1))))
    return false;
  for (std::size_t place = 1; place < kPassportLength; ++place) {
    const unsigned char c = byte(lead + place);
    if (!unicode::is_digit_like(c) && !(place == kLetterPlace && unicode::is_ascii_upper(c)))
      return false;
  }
  const std::size_t end = lead + kPassportLength;
  return end == s.size() || !alnum(byte(end));
}
// Whether the joiner at i of length len joins the groups of one number: the same joiner between
// three groups of two digits or more, or between six digits and seven.
bool joins_groups(std::string_view s, std::size_t i, std::size_t len);  // variants.cpp

}  // namespace norvane::passes
