// detect: every finding and rejection span lies inside its text, on character boundaries,
// with char offsets that match its byte offsets; results come sorted; JSON stays parseable; the
// detection that masking uses (findings alone) finds the same.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "detect/candidates.hpp"
#include "detect/detect.hpp"
#include "detect/scanner.hpp"
#include "fuzz_common.hpp"
#include "normalize/pipeline.hpp"
#include "reference.hpp"

namespace {

using norvane::Span;

void check_span(const Span& span, const std::vector<std::int64_t>& idx) {
  FUZZ_CHECK(span.byte_start <= span.byte_end);
  FUZZ_CHECK(span.byte_end < idx.size());
  FUZZ_CHECK(idx[span.byte_start] == span.char_start);
  FUZZ_CHECK(idx[span.byte_end] == span.char_end);
}

bool before(const Span& a, const Span& b) {
  return a.byte_start < b.byte_start || (a.byte_start == b.byte_start && a.byte_end < b.byte_end);
}

bool score_ok(float s) { return std::isnan(s) || (s >= 0.0f && s <= 2.0f); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Input in = fuzz::split_input(data, size);
  if (!fuzz::valid_utf8(in.text)) return 0;
  const std::string_view src = in.text;

  auto r = norvane::detect(src, in.config);
  FUZZ_CHECK(r.has_value());
  const norvane::Report& report = *r;
  const std::string_view norm = report.normalized_text;
  FUZZ_CHECK(fuzz::valid_utf8(norm));
  auto n = norvane::normalize(src, in.config);
  FUZZ_CHECK(n.has_value() && n->text == norm);

  const auto src_idx = fuzz::char_index(src);
  const auto norm_idx = fuzz::char_index(norm);
  for (std::size_t i = 0; i < report.findings.size(); ++i) {
    const norvane::Finding& f = report.findings[i];
    check_span(f.source, src_idx);
    check_span(f.normalized, norm_idx);
    FUZZ_CHECK(!f.source.is_empty() && !f.normalized.is_empty());
    FUZZ_CHECK(static_cast<std::size_t>(f.entity) < norvane::kEntityCount);
    FUZZ_CHECK(score_ok(f.score));
    for (std::size_t k = 1; k < f.evidence.normalizations.size(); ++k)
      FUZZ_CHECK(f.evidence.normalizations[k - 1] < f.evidence.normalizations[k]);
    if (i > 0) FUZZ_CHECK(!before(f.source, report.findings[i - 1].source));
    // The source span and its evidence are the projection of the normalized span.
    const norvane::SourceSpan proj = n->map.to_source(f.normalized);
    FUZZ_CHECK(proj.span == f.source);
    FUZZ_CHECK(proj.snapped == f.evidence.snapped);
    FUZZ_CHECK(proj.cost == f.evidence.cost);
    FUZZ_CHECK(proj.rules == f.evidence.normalizations);
  }
  // Masking's detection (findings alone, with or without their evidence) finds the same.
  for (const bool evidence : {true, false}) {
    auto alone = norvane::detect_findings(src, in.config, evidence);
    FUZZ_CHECK(alone.has_value() && alone->size() == report.findings.size());
    for (std::size_t i = 0; i < alone->size(); ++i) {
      norvane::Finding expected = report.findings[i];
      if (!evidence) expected.evidence = norvane::Evidence{};
      std::string got_json, expected_json;
      norvane::json::write(got_json, (*alone)[i]);
      norvane::json::write(expected_json, expected);
      FUZZ_CHECK(got_json == expected_json);
    }
  }
  for (std::size_t i = 0; i < report.rejections.size(); ++i) {
    const norvane::Rejection& j = report.rejections[i];
    check_span(j.source, src_idx);
    FUZZ_CHECK(!j.source.is_empty());
    FUZZ_CHECK(static_cast<std::size_t>(j.entity) < norvane::kEntityCount);
    FUZZ_CHECK(score_ok(j.score));
    if (i > 0) FUZZ_CHECK(!before(j.source, report.rejections[i - 1].source));
  }

  // The fast scanners and cue search agree with their plain readings, on the normalized
  // text and on the raw input.
  for (const std::string_view t : {norm, src}) {
    const auto idx = fuzz::char_index(t);
    norvane::Shapes shapes;
    norvane::scan(t, shapes);
    FUZZ_CHECK(shapes.runs == fuzz::ref::digit_runs(t, idx));
    FUZZ_CHECK(shapes.emails == fuzz::ref::emails(t, idx));
    FUZZ_CHECK(shapes.passports == fuzz::ref::passports(t, idx));
    FUZZ_CHECK(norvane::digit_runs(t) == shapes.runs);
    FUZZ_CHECK(norvane::emails(t) == shapes.emails);
    FUZZ_CHECK(norvane::passports(t) == shapes.passports);
  }
  // The extension families read labels their own way (see extend.hpp): their hits have no
  // plain reading here, but their findings obey every check above.
  if (in.config.any_extension()) {
    for (const norvane::Finding& f : report.findings)
      for (const norvane::ContextHit& h : f.evidence.context_hits)
        FUZZ_CHECK(h.weight >= 0.0f && h.weight <= 1.0f);
  }
  for (const norvane::Finding& f : report.findings) {
    if (in.config.any_extension()) break;
    if (f.entity == norvane::EntityKind::email) {
      FUZZ_CHECK(f.evidence.context_hits.empty());
      continue;
    }
    const auto table = f.entity == norvane::EntityKind::passport ? norvane::passport_cues()
                                                                 : norvane::cues_for(f.entity);
    const auto want =
        fuzz::ref::cue_hits(norm, norm_idx, f.normalized, in.config.context_window, table);
    const auto& got = f.evidence.context_hits;
    FUZZ_CHECK(got.size() == want.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
      FUZZ_CHECK(got[k].cue == want[k].cue);
      FUZZ_CHECK(got[k].distance == want[k].distance);
      FUZZ_CHECK(got[k].weight == want[k].weight);
    }
  }

  // The report's JSON must read back as JSON with the same counts.
  std::string json;
  norvane::json::write(json, report);
  const auto doc = nlohmann::json::parse(json, nullptr, /*allow_exceptions=*/false);
  FUZZ_CHECK(!doc.is_discarded());
  FUZZ_CHECK(doc["findings"].size() == report.findings.size());
  FUZZ_CHECK(doc["rejections"].size() == report.rejections.size());
  FUZZ_CHECK(doc["normalized_text"].get_ref<const std::string&>() == norm);
  return 0;
}
