#pragma once
// mask(): detect, then replace every finding in the source text by its policy.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "detect/report.hpp"
#include "error/error.hpp"
#include "mask/policy.hpp"
#include "mask/restore.hpp"
#include "normalize/config.hpp"

namespace norvane {

struct MaskOutput {
  std::string text;
  std::vector<Finding> applied;
  std::vector<Finding> skipped;
  std::optional<RestoreMap> restore;
  // Byte offset in text of each token, in the order of restore->entries.
  std::vector<std::size_t> token_starts;
};

Result<MaskOutput> mask(std::string_view text, const PolicySet& policies, const Config& config);
// mask() written into `out`, an empty output: for callers whose results have their places
// already (the batch paths), so that no output is moved on its way there. After an error `out`
// may hold part of an output.
Result<void> mask_into(std::string_view text, const PolicySet& policies, const Config& config,
                       MaskOutput& out);
// The replacement pass alone, over findings already made (any order; sorted here). Tokens take
// a prefix whose opener occurs in the masked text only where a token was written.
MaskOutput mask_findings(std::string_view text, std::vector<Finding> findings,
                         const PolicySet& policies);

// The replacement pass with a token prefix chosen by the caller. Text around the tokens may
// still form the prefix's opener; settle_token_prefix() mends that.
// Tokens are numbered from first_token on (texts that share one restore map continue each
// other's numbering); out.restore holds this text's entries only.
MaskOutput mask_findings_with_prefix(std::string_view text, std::vector<Finding> findings,
                                     const PolicySet& policies, std::string_view prefix,
                                     std::size_t first_token = 0);
// The replacement pass writing the masked text alone, appended to out, for policies that do not
// tokenize (a tokenizing policy writes its label): what mask_findings(text, findings,
// policies).text would be. `findings` is left sorted, cut to the ones applied.
void append_masked(std::string& out, std::string_view text, std::vector<Finding>& findings,
                   const PolicySet& policies);
// How many tokens the replacement pass writes for these findings.
std::size_t count_tokens(std::string_view text, const std::vector<Finding>& findings,
                         const PolicySet& policies);

// Whether the token opener occurs in out.text only where a token was written (no map: true).
bool tokens_stand_alone(const MaskOutput& out);
// Appends the pieces of out.text before, between and after its tokens.
void text_between_tokens(const MaskOutput& out, std::vector<std::string_view>& pieces);
// Writes every token of out again with another prefix (numbers stay).
void rewrite_tokens(MaskOutput& out, std::string_view prefix);

// For outputs that share one token prefix, masked from sources with
// choose_token_prefix(sources): keeps that prefix where every output's tokens stand alone,
// otherwise rewrites all of them with the first prefix free in the sources and in every text
// written between tokens, which then stands alone everywhere.
void settle_token_prefix(std::span<MaskOutput> outputs, std::span<const std::string_view> sources);

// Whether each token of out.restore stands in out.text where out.token_starts says, in order
// and without overlap (true for every output of the functions above).
bool tokens_in_place(const MaskOutput& out);

// Hands a freed output's text and findings' lists to the thread's spares, where the next
// masking takes them (see give_buffers of a Report).
void give_buffers(MaskOutput& out);

}  // namespace norvane
