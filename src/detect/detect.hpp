#pragma once
// detect(): normalize, scan, build candidates, weigh cues, score, decide, project to source.
#include <string_view>
#include <vector>

#include "detect/report.hpp"
#include "error/error.hpp"
#include "normalize/config.hpp"

namespace norvane {

// Texts that provably hold nothing to detect (nothing_to_detect.hpp) skip the passes.
Result<Report> detect(std::string_view text, const Config& config);

// detect() with every pass run, the shortcut left out: what the shortcut is checked against.
Result<Report> detect_every_pass(std::string_view text, const Config& config);

// The findings of detect_every_pass() alone, for callers that only replace them (mask and the
// batch paths): no rejections and no normalized text are made, so a digit run none of whose
// readings can pass is dropped before its source is looked up. Without `evidence` each finding's
// evidence is left empty (its cue hits, normalizations and extensions are not copied out).
Result<std::vector<Finding>> detect_findings(std::string_view text, const Config& config,
                                             bool evidence);

}  // namespace norvane
