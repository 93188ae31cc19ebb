#pragma once
// Detection results: findings with their evidence, rejections and the report.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "detect/entity.hpp"
#include "span/json_writer.hpp"
#include "span/span.hpp"
#include "span/utf8.hpp"

namespace norvane {

enum class Certainty : std::uint8_t { possible, probable, certain };
std::string_view certainty_name(Certainty c);

struct ChecksumResult {
  enum class Kind : std::uint8_t { passed, failed, not_applicable };
  Kind kind = Kind::not_applicable;
  // Static text, only for not_applicable; its length beside the kind instead of a string_view
  // makes every finding's evidence 8 bytes smaller.
  std::uint32_t reason_size = 0;
  const char* reason_data = nullptr;

  std::string_view reason() const { return {reason_data, reason_size}; }
  static ChecksumResult passed() { return {Kind::passed}; }
  static ChecksumResult failed() { return {Kind::failed}; }
  static ChecksumResult not_applicable(std::string_view reason) {
    return {Kind::not_applicable, static_cast<std::uint32_t>(reason.size()), reason.data()};
  }
  bool operator==(const ChecksumResult& other) const {
    return kind == other.kind && reason() == other.reason();
  }
};
// "passed", "failed" or "not_applicable".
std::string_view checksum_name(const ChecksumResult& c);
// Why the checksum does not apply; nothing when it does.
inline std::optional<std::string_view> checksum_reason(const ChecksumResult& c) {
  if (c.kind != ChecksumResult::Kind::not_applicable) return std::nullopt;
  return c.reason();
}

struct ContextHit {
  std::string_view cue;  // static text
  std::uint32_t distance = 0;
  float weight = 0;
};

struct Evidence {
  std::string_view rule;  // static text
  ChecksumResult checksum;
  std::vector<ContextHit> context_hits;
  RuleSet normalizations;
  NormalizationCost cost;
  bool snapped = false;
  // Rule names of the extensions beyond the base rules that led to this finding (for
  // example "context.column_header"), in the order they applied; empty under the base rules.
  RuleSequence extensions;
};

// The kind and certainty side by side: apart, each took a four-byte slot.
struct Finding {
  EntityKind entity;
  Certainty certainty;
  Span source;
  Span normalized;
  float score;
  Evidence evidence;
};

enum class RejectReason : std::uint8_t {
  checksum_failed,
  no_context,
  below_threshold,
  outranked,
  business_context,
  // Produced only by the extension families (see Config::thorough).
  company_number,  // a representative or toll-free number without a personal label
  look_alike,  // an IP address, version, ISBN, price, joined CSV fields or a labelled order number
};
std::string_view reject_reason_name(RejectReason r);

struct Rejection {
  Span source;
  float score;
  EntityKind entity;
  RejectReason reason;
};

struct Report {
  std::vector<Finding> findings;
  std::vector<Rejection> rejections;
  std::string normalized_text;

  std::size_t len() const { return findings.size(); }  // the number of findings
};

// Hand the small buffers of a result to the calling thread's spares (kept::Spares) while they
// have room (a buffer handed over is left empty; the others stay for the owner to free): a
// result dropped between two detections (a Python Report freed) leaves its normalized text and
// evidence lists for the next detection to fill, instead of a free and an allocation each.
void give_buffers(Evidence& evidence);
void give_buffers(Finding& finding);
void give_buffers(std::vector<Finding>& findings);  // the findings' lists, then the list
void give_buffers(Report& report);
// Copies in a spare buffer when one has the room.
std::string spare_copy(std::string_view text);
std::vector<ContextHit> spare_copy_of_hits(const std::vector<ContextHit>& hits);
// Inline: most winners have no hits, and the call cost them more than the copy.
inline std::vector<ContextHit> spare_copy(const std::vector<ContextHit>& hits) {
  return hits.empty() ? std::vector<ContextHit>() : spare_copy_of_hits(hits);
}

namespace json {
void write(std::string& out, const ContextHit& hit);
void write(std::string& out, const ChecksumResult& checksum);
void write(std::string& out, const Evidence& evidence);
void write(std::string& out, const Finding& finding);
void write(std::string& out, const Rejection& rejection);
void write(std::string& out, const Report& report);
// The same JSON, handed to flush a piece at a time (see json::Flush); the last piece stays in out.
void write(std::string& out, const Report& report, const Flush& flush);

// The JSON of a report for a caller that keeps text as code points (a Python str), written
// twice so that its UTF-8 is never held whole: measure_json counts its characters and widest
// code point (and leaves in `whole` a JSON that never filled a piece: nothing more to write),
// decode_json writes it again into `count` code units. False if the two writings differ.
utf8::Measure measure_json(const Report& report, std::string& whole);
template <class Unit>
bool decode_json(const Report& report, Unit* units, std::size_t count) {
  utf8::Fill<Unit> into{units, units + count};
  bool fits = true;
  std::string piece;
  write(piece, report, [&](std::string& p) {
    const std::size_t whole = utf8::whole_characters(p);
    fits = fits && into.add(std::string_view(p).substr(0, whole));
    p.erase(0, whole);
  });
  return fits && into.add(piece) && into.at == into.end;
}
}  // namespace json

}  // namespace norvane
