#pragma once
// Candidate rules: the readings of one digit run as kinds of personal information.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "detect/context.hpp"
#include "detect/entity.hpp"
#include "detect/report.hpp"

namespace norvane {

struct Candidate {
  ChecksumResult checksum;
  std::string_view rule;  // static text
  std::span<const Cue> cues;
  float base = 0;
  bool needs_context = false;
  Certainty max_certainty = Certainty::possible;
  EntityKind entity = EntityKind::resident;
  bool extension = false;  // an extension family's reading: its rule goes into the evidence
};

// The cue table of a kind; e-mail and passport have none here (see passport_cues).
std::span<const Cue> cues_for(EntityKind kind);
std::span<const Cue> passport_cues();
std::span<const Cue> negative_cues();
// Every table above, one after another: each is a range of this array.
std::span<const Cue> all_cues();

// Appends the run's candidates in rule order to `out` (cleared first).
void candidates(std::span<const std::uint8_t> digits, std::vector<Candidate>& out);

// No rule matches a run shorter or longer than these.
inline constexpr std::size_t kMinCandidateDigits = 6;
inline constexpr std::size_t kMaxCandidateDigits = 19;
// A date with a two-digit year and a one-digit month or day ('90.1.1) holds four or five.
inline constexpr std::size_t kMinShortDateDigits = 4;
// No rule of candidates() gives a higher base score.
inline constexpr float kMaxCandidateBase = 0.6f;
// Whether candidates() can give a run of this many digits a candidate with a checksum.
bool has_checksum_rule(std::size_t digits);
// Whether a driver licence's first two digits are a region code the rules know (11 to 26, 28).
// Codes change as regions are split or added: the thorough mode reads a licence of another code
// under a licence's label (extend::rule::kLicenseAnyRegion).
inline bool known_licence_region(unsigned code) { return (code >= 11 && code <= 26) || code == 28; }

}  // namespace norvane
