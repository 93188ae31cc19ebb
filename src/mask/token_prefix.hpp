#pragma once
// The prefix of restore tokens: "[[" + prefix + ":" + number + "]]".
#include <span>
#include <string>
#include <string_view>

namespace norvane {

// "[[" + prefix + ":", the text unmask looks for.
std::string token_opener(std::string_view prefix);

// The first of "PII", "PII0", "PII1", ... whose opener occurs in none of the texts. One call can
// cover every text that will share the prefix (several sources, the text written between tokens).
std::string choose_token_prefix(std::span<const std::string_view> texts);

}  // namespace norvane
