#pragma once
// The names of the normalization rules, as they appear in span maps and evidence. Detection
// looks some of them up, so every layer spells them through these constants.
#include "span/span.hpp"

namespace norvane::rules {

inline constexpr RuleName kNfcHangulJamo = "nfc.hangul_jamo";

inline constexpr RuleName kFoldSpace = "fold.space";
inline constexpr RuleName kFoldDash = "fold.dash";
inline constexpr RuleName kFoldFullwidth = "fold.fullwidth";

inline constexpr RuleName kHangulDigitReading = "hangul.digit_reading";
inline constexpr RuleName kHangulUnitReading = "hangul.unit_reading";

inline constexpr RuleName kLookalikeDigit = "lookalike.digit";

inline constexpr RuleName kSeparatorWhitespace = "separator.whitespace";
inline constexpr RuleName kSeparatorParen = "separator.paren";
inline constexpr RuleName kSeparatorComma = "separator.comma";
inline constexpr RuleName kSeparatorHyphen = "separator.hyphen";
inline constexpr RuleName kSeparatorDot = "separator.dot";
inline constexpr RuleName kSeparatorMiddot = "separator.middot";
// Two or three spaces between a registration number's halves, where a gap of spaces parts fields.
inline constexpr RuleName kSeparatorHalvesApart = "separator.halves_apart";

// Ways of writing read by the writing_variants family.
inline constexpr RuleName kValueDashLookalike = "value.dash_lookalike";
inline constexpr RuleName kValueDashSpaced = "value.dash_spaced";
inline constexpr RuleName kValueSpokenJoiner = "value.spoken_joiner";
inline constexpr RuleName kValuePartlyMasked = "value.partly_masked";
inline constexpr RuleName kValueWrappedLine = "value.wrapped_line";
inline constexpr RuleName kValueScannedIdLine = "value.scanned_id_line";
inline constexpr RuleName kDigitsHangulSpoken = "digits.hangul_spoken";
inline constexpr RuleName kDigitsHangulMixed = "digits.hangul_mixed";
inline constexpr RuleName kValueKeycapDigit = "value.keycap_digit";
inline constexpr RuleName kValueJoiningWord = "value.joining_word";
inline constexpr RuleName kValueSpacedDigits = "value.spaced_digits";
inline constexpr RuleName kValueLetterDigit = "value.letter_digit";
// Read by scanned_letters: S or B a scan read for 5 or 8 inside a run of digits.
inline constexpr RuleName kValueScannedLetter = "value.scanned_letter";
inline constexpr RuleName kValuePercentEscape = "value.percent_escape";
inline constexpr RuleName kValuePlusSpace = "value.plus_space";

}  // namespace norvane::rules
