#include "detect/nothing_to_detect.hpp"

#include "normalize/passes.hpp"
#include "normalize/unicode.hpp"
#include "span/limits.hpp"

namespace norvane {

namespace {

// The bytes every shape needs one of (a digit of a run or a passport, the "@" of an e-mail) and
// the masked-digit marks the look-alike and separator passes work beside.
constexpr unicode::ByteSet kShapeBytes{'0', '9', {'*', 'X', 'x', '@'}, 4};

}  // namespace

bool nothing_to_detect(std::string_view text, const Config& config) {
  if (config.extra_shapes || config.writing_variants) return false;
  if (text.size() > kMaxTextBytes) return false;  // detect refuses it
  if (unicode::find_byte<kShapeBytes>(text, 0) < text.size()) return false;
  // The passes in normalize's order, each on the unchanged text: any change ends the test.
  // Jamo composition and folding need a character other than ASCII and Hangul syllables.
  if ((config.nfc || config.fold) && unicode::holds_other_than_ascii_and_hangul(text)) {
    if (config.nfc && passes::compose_jamo(text)) return false;
    if (config.fold && passes::folds_anything(text)) return false;
  }
  return !(config.hangul && passes::reads_any_numeral(text, config));
}

}  // namespace norvane
