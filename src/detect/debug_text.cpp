#include "detect/debug_text.hpp"

#include "span/debug_text.hpp"
#include "span/float_format.hpp"

namespace norvane {

std::string debug_text(const ContextHit& hit) {
  return "ContextHit(cue=" + debug_quoted(hit.cue) + ", distance=" + std::to_string(hit.distance) +
         ", weight=" + format_f32_fixed(hit.weight, 3) + ")";
}

std::string debug_text(const Evidence& evidence) {
  return "Evidence(rule=" + debug_quoted(evidence.rule) +
         ", checksum=" + debug_quoted(checksum_name(evidence.checksum)) +
         ", context_hits=" + std::to_string(evidence.context_hits.size()) + ")";
}

std::string debug_text(const Finding& finding) {
  return "Finding(entity=" + debug_quoted(entity_name(finding.entity)) +
         ", certainty=" + debug_quoted(certainty_name(finding.certainty)) +
         ", score=" + format_f32_fixed(finding.score, 2) + ", byte=" + byte_range(finding.source) +
         ")";
}

std::string debug_text(const Rejection& rejection) {
  return "Rejection(entity=" + debug_quoted(entity_name(rejection.entity)) +
         ", reason=" + debug_quoted(reject_reason_name(rejection.reason)) +
         ", score=" + format_f32_fixed(rejection.score, 2) + ")";
}

std::string debug_text(const Report& report) {
  return "Report(findings=" + std::to_string(report.findings.size()) +
         ", rejections=" + std::to_string(report.rejections.size()) + ")";
}

}  // namespace norvane
