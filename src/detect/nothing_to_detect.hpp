#pragma once
// A cheap test that a text holds nothing to detect, so that detect() can skip its passes.
#include <string_view>

#include "normalize/config.hpp"

namespace norvane {

// True only when detect(text, config) would report no finding and no rejection and normalize
// would leave the text as it is: no digit, "@", "*", "X" or "x" in it, and the jamo, width and
// Hangul-numeral passes change nothing (those alone can make digits or "@"; the look-alike and
// separator passes act only next to digit-like characters). Never true under the families that
// add shapes of their own (extra_shapes, writing_variants). False says nothing either way.
bool nothing_to_detect(std::string_view text, const Config& config);

}  // namespace norvane
