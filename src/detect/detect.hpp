#pragma once
// detect(): normalize, scan, build candidates, weigh cues, score, decide, project to source.
#include <string_view>

#include "detect/report.hpp"
#include "error/error.hpp"
#include "normalize/config.hpp"

namespace norvane {

// Texts that provably hold nothing to detect (nothing_to_detect.hpp) skip the passes.
Result<Report> detect(std::string_view text, const Config& config);

// detect() with every pass run, the shortcut left out: what the shortcut is checked against.
Result<Report> detect_every_pass(std::string_view text, const Config& config);

}  // namespace norvane
