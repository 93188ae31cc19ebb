#include "detect/report.hpp"

#include "error/interrupt.hpp"
#include "span/json_writer.hpp"
#include "span/kept_buffers.hpp"
#include "span/pages.hpp"

namespace norvane {

std::string_view certainty_name(Certainty c) {
  switch (c) {
    case Certainty::possible: return "possible";
    case Certainty::probable: return "probable";
    case Certainty::certain: return "certain";
  }
  return "possible";
}

std::string_view checksum_name(const ChecksumResult& c) {
  switch (c.kind) {
    case ChecksumResult::Kind::passed: return "passed";
    case ChecksumResult::Kind::failed: return "failed";
    case ChecksumResult::Kind::not_applicable: return "not_applicable";
  }
  return "not_applicable";
}

std::string_view reject_reason_name(RejectReason r) {
  switch (r) {
    case RejectReason::checksum_failed: return "checksum_failed";
    case RejectReason::no_context: return "no_context";
    case RejectReason::below_threshold: return "below_threshold";
    case RejectReason::outranked: return "outranked";
    case RejectReason::business_context: return "business_context";
    case RejectReason::company_number: return "company_number";
    case RejectReason::look_alike: return "look_alike";
  }
  return "below_threshold";
}

void give_buffers(Evidence& evidence) {
  kept::Spares<std::vector<ContextHit>>::keep(evidence.context_hits);
}

void give_buffers(Finding& finding) { give_buffers(finding.evidence); }

void give_buffers(std::vector<Finding>& findings) {
  for (Finding& finding : findings) give_buffers(finding);
  kept::Spares<std::vector<Finding>>::keep(findings);
}

void give_buffers(Report& report) {
  give_buffers(report.findings);
  kept::Spares<std::vector<Rejection>>::keep(report.rejections);
  kept::Spares<std::string>::keep(report.normalized_text);
}

std::string spare_copy(std::string_view text) {
  // A text a string holds in itself, or one too long for a spare, is copied as ever.
  if (text.size() <= std::string().capacity() || text.size() > kept::kSpareBytes)
    return pages::copy_polled(text);
  std::string out = kept::Spares<std::string>::take(text.size());
  out.assign(text);
  return out;
}

std::vector<ContextHit> spare_copy_of_hits(const std::vector<ContextHit>& hits) {
  std::vector<ContextHit> out = kept::Spares<std::vector<ContextHit>>::take(hits.size());
  out.assign(hits.begin(), hits.end());
  return out;
}

namespace json {

void write(std::string& out, const ContextHit& hit) {
  out += "{\"cue\":";
  write_string(out, hit.cue);
  out += ",\"distance\":";
  write_u64(out, hit.distance);
  out += ",\"weight\":";
  write_f32(out, hit.weight);
  out += '}';
}

void write(std::string& out, const ChecksumResult& checksum) {
  if (checksum.kind == ChecksumResult::Kind::not_applicable) {
    out += "{\"not_applicable\":";
    write_string(out, checksum.reason());
    out += '}';
  } else {
    write_string(out, checksum_name(checksum));
  }
}

void write(std::string& out, const Evidence& evidence) {
  out += "{\"rule\":";
  write_string(out, evidence.rule);
  out += ",\"checksum\":";
  write(out, evidence.checksum);
  out += ",\"context_hits\":[";
  for (std::size_t i = 0; i < evidence.context_hits.size(); ++i) {
    if (i) out += ',';
    write(out, evidence.context_hits[i]);
  }
  out += "],\"normalizations\":";
  write_rules(out, evidence.normalizations.names());
  out += ",\"cost\":";
  write(out, evidence.cost);
  out += ",\"snapped\":";
  write_bool(out, evidence.snapped);
  if (!evidence.extensions.empty()) {  // never under the base rules, whose output stays as it was
    out += ",\"extensions\":";
    write_rules(out, evidence.extensions.names());
  }
  out += '}';
}

void write(std::string& out, const Finding& finding) {
  out += "{\"entity\":";
  write_string(out, entity_name(finding.entity));
  out += ",\"source\":";
  write(out, finding.source);
  out += ",\"normalized\":";
  write(out, finding.normalized);
  out += ",\"certainty\":";
  write_string(out, certainty_name(finding.certainty));
  out += ",\"score\":";
  write_f32(out, finding.score);
  out += ",\"evidence\":";
  write(out, finding.evidence);
  out += '}';
}

void write(std::string& out, const Rejection& rejection) {
  out += "{\"entity\":";
  write_string(out, entity_name(rejection.entity));
  out += ",\"source\":";
  write(out, rejection.source);
  out += ",\"reason\":";
  write_string(out, reject_reason_name(rejection.reason));
  out += ",\"score\":";
  write_f32(out, rejection.score);
  out += '}';
}

void write(std::string& out, const Report& report) { write(out, report, Flush()); }

void write(std::string& out, const Report& report, const Flush& flush) {
  interrupt::Poll poll;  // counts the bytes written
  std::size_t flushed = 0;
  auto written = [&] {
    if (flush && out.size() >= kPieceBytes) {
      flushed += out.size();
      flush(out);
    }
    poll.reach(flushed + out.size());
  };
  out += "{\"findings\":[";
  for (std::size_t i = 0; i < report.findings.size(); ++i) {
    if (i) out += ',';
    write(out, report.findings[i]);
    written();
  }
  out += "],\"rejections\":[";
  for (std::size_t i = 0; i < report.rejections.size(); ++i) {
    if (i) out += ',';
    write(out, report.rejections[i]);
    written();
  }
  out += "],\"normalized_text\":";
  write_string(out, report.normalized_text, flush);
  out += '}';
}

utf8::Measure measure_json(const Report& report, std::string& whole) {
  utf8::Measure measure;
  bool one_piece = true;
  write(whole, report, [&](std::string& p) {
    one_piece = false;
    measure.add(p);
    p.clear();
  });
  if (one_piece) return measure;
  measure.add(whole);
  whole = std::string();
  return measure;
}

}  // namespace json
}  // namespace norvane
