#pragma once
// detect(): normalize, scan, build candidates, weigh cues, score, decide, project to source.
#include <string_view>

#include "detect/report.hpp"
#include "error/error.hpp"
#include "normalize/config.hpp"

namespace norvane {

Result<Report> detect(std::string_view text, const Config& config);

}  // namespace norvane
