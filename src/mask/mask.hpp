#pragma once
// mask(): detect, then replace every finding in the source text by its policy.
#include <optional>
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
};

Result<MaskOutput> mask(std::string_view text, const PolicySet& policies, const Config& config);
// The replacement pass alone, over findings already made (any order; sorted here).
MaskOutput mask_findings(std::string_view text, std::vector<Finding> findings,
                         const PolicySet& policies);

}  // namespace norvane
