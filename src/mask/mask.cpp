#include "mask/mask.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "detect/detect.hpp"
#include "detect/nothing_to_detect.hpp"
#include "error/interrupt.hpp"
#include "mask/hmac.hpp"
#include "mask/token_prefix.hpp"
#include "span/kept_buffers.hpp"
#include "span/pages.hpp"
#include "span/utf8.hpp"

namespace norvane {

namespace {

// A fill that is no Unicode scalar value (a surrogate, or beyond U+10FFFF) would make
// the output invalid UTF-8; it is written as U+FFFD instead.
void append_fill(std::string& out, char32_t fill, std::size_t count) {
  if ((fill >= 0xD800 && fill <= 0xDFFF) || fill > 0x10FFFF) fill = 0xFFFD;
  if (fill < 0x80) {
    out.append(count, static_cast<char>(fill));
    return;
  }
  std::string one;
  utf8::append(one, fill);
  out.reserve(out.size() + one.size() * count);
  for (std::size_t i = 0; i < count; ++i) out += one;
}

// Byte offset just after the first n characters of s (n <= character count).
std::size_t byte_after_chars(std::string_view s, std::size_t n) {
  std::size_t i = 0;
  for (; i < s.size(); ++i) {
    if (!utf8::is_continuation(static_cast<unsigned char>(s[i]))) {
      if (n == 0) return i;
      --n;
    }
  }
  return s.size();
}

// One append of the whole "[inner]": a kind's label or code is a few dozen bytes at most.
void append_bracketed(std::string& out, std::string_view inner) {
  char bracketed[64];
  if (inner.size() + 2 > sizeof bracketed) {
    out += '[';
    out += inner;
    out += ']';
    return;
  }
  bracketed[0] = '[';
  std::memcpy(bracketed + 1, inner.data(), inner.size());
  bracketed[inner.size() + 1] = ']';
  out.append(bracketed, inner.size() + 2);
}

void append_partial(std::string& out, const Policy& p, std::string_view value) {
  const std::size_t n = utf8::count_chars(value);
  // keep_prefix + keep_suffix < n, written so that the sum cannot wrap.
  if (p.keep_prefix < n && p.keep_suffix < n - p.keep_prefix) {
    const std::size_t head = byte_after_chars(value, p.keep_prefix);
    const std::size_t tail = byte_after_chars(value, n - p.keep_suffix);
    out.append(value.substr(0, head));
    append_fill(out, p.fill, n - p.keep_prefix - p.keep_suffix);
    out.append(value.substr(tail));
  } else {
    append_fill(out, p.fill, n);
  }
}

void append_hash(std::string& out, const Policy& p, EntityKind kind, std::string_view value) {
  out += '[';
  out += entity_code(kind);
  out += ':';
  const std::uint64_t len = std::min<std::uint64_t>(p.length, 64);
  if (len > 0) out.append(hmac_sha256_hex(p.key, value).substr(0, len));
  out += ']';
}

bool by_source(const Finding& a, const Finding& b) {
  if (a.source.byte_start != b.source.byte_start) return a.source.byte_start < b.source.byte_start;
  return a.source.byte_end < b.source.byte_end;
}

// A finding the pass replaces: after the previous replacement, inside the text, on character
// boundaries (a span that does not fall on them would cut a character in two).
bool replaceable(std::string_view text, const Finding& f, std::size_t done) {
  const std::size_t start = f.source.byte_start;
  const std::size_t end = f.source.byte_end;
  return start >= done && end <= text.size() && end >= start && utf8::is_boundary(text, start) &&
         utf8::is_boundary(text, end);
}

// The policy of each kind, looked up once per kind: policy_for() searches the overrides. A set
// without overrides (the default) needs no table.
class PolicyLookup {
 public:
  explicit PolicyLookup(const PolicySet& policies) : policies_(policies) {
    if (policies.overrides.empty()) return;
    for (EntityKind k : all_entities())
      table_[static_cast<std::size_t>(k)] = &policies.policy_for(k);
  }
  const Policy& of(EntityKind entity) const {
    const auto idx = static_cast<std::size_t>(entity);
    if (policies_.overrides.empty() || idx >= kEntityCount) return policies_.default_policy;
    return *table_[idx];
  }

 private:
  const PolicySet& policies_;
  std::array<const Policy*, kEntityCount> table_{};
};

}  // namespace

namespace {

// The replacement pass: appends text to out with each replaceable finding (in source order)
// replaced by its policy. The applied findings are gathered at the front of `findings` (in
// order; no second list, and no move at all while none is skipped) and the list is cut to them;
// the others go to `skipped` when it is given. Tokens are added to `restore` (numbered from
// first_token on), each one's offset in out to token_starts; without a map a tokenizing policy
// writes the label.
// Work units (about bytes of text) of a finding read, for interrupt polls.
constexpr std::size_t kUnitsPerFindingRead = 16;

void write_masked(std::string& out, std::string_view text, std::vector<Finding>& findings,
                  const PolicySet& policies, RestoreMap* restore,
                  std::vector<std::size_t>& token_starts, std::size_t first_token,
                  std::vector<Finding>* skipped) {
  if (findings.empty()) {
    pages::append_polled(out, text);
    return;
  }
  // Detection already reports in this order; only sort when something is out of place. The
  // look polls: millions of findings take tens of milliseconds to read.
  interrupt::Poll poll;
  bool sorted = true;
  for (std::size_t i = 1; i < findings.size() && sorted; ++i) {
    poll.advance(kUnitsPerFindingRead);
    sorted = !by_source(findings[i], findings[i - 1]);
  }
  if (!sorted) std::stable_sort(findings.begin(), findings.end(), by_source);

  const PolicyLookup lookup(policies);
  out.reserve(out.size() + text.size() + text.size() / 4 + 16);
  std::size_t done = 0;
  std::size_t applied = 0;
  for (std::size_t i = 0; i < findings.size(); ++i) {
    Finding& f = findings[i];
    poll.reach(f.source.byte_start);  // findings are in start order
    poll.advance(64);                 // the replacement
    if (!replaceable(text, f, done)) {
      if (skipped) skipped->push_back(std::move(f));
      continue;
    }
    const std::size_t start = f.source.byte_start;
    const std::size_t end = f.source.byte_end;
    pages::append_polled(out, text.substr(done, start - done));
    const std::string_view value = text.substr(start, end - start);
    const Policy& p = lookup.of(f.entity);
    switch (p.kind) {
      case Policy::Kind::redact_label: append_bracketed(out, entity_label(f.entity)); break;
      case Policy::Kind::redact_code: append_bracketed(out, entity_code(f.entity)); break;
      case Policy::Kind::redact_fill: append_fill(out, p.fill, utf8::count_chars(value)); break;
      case Policy::Kind::redact_fixed: out += p.text; break;
      case Policy::Kind::partial: append_partial(out, p, value); break;
      case Policy::Kind::hash: append_hash(out, p, f.entity, value); break;
      case Policy::Kind::tokenize:
        if (restore) {
          token_starts.push_back(out.size());
          out += restore->push(f.entity, value, first_token + restore->entries.size());
        } else append_bracketed(out, entity_label(f.entity));
        break;
    }
    if (applied != i) findings[applied] = std::move(f);
    ++applied;
    done = end;
  }
  pages::append_polled(out, text.substr(done));
  findings.erase(findings.begin() + static_cast<std::ptrdiff_t>(applied), findings.end());
}

// mask_findings_with_prefix() into `result` (an empty output), with whether the policies
// tokenize already asked.
void masked_output(MaskOutput& result, std::string_view text, std::vector<Finding>&& findings,
                   const PolicySet& policies, bool tokenize, std::string_view prefix,
                   std::size_t first_token) {
  if (tokenize) result.restore = RestoreMap{std::string(prefix), {}};
  if (findings.empty()) {
    result.text = pages::copy_polled(text);
    return;
  }
  write_masked(result.text, text, findings, policies, result.restore ? &*result.restore : nullptr,
               result.token_starts, first_token, &result.skipped);
  result.applied = std::move(findings);
}

// mask_findings() into `out`, an empty output.
void mask_findings_into(MaskOutput& out, std::string_view text, std::vector<Finding>&& findings,
                        const PolicySet& policies) {
  // Without tokens there is no prefix to choose or settle.
  if (!policies.has_tokenize()) {
    masked_output(out, text, std::move(findings), policies, false, {}, 0);
    return;
  }
  const std::span<const std::string_view> source(&text, 1);
  masked_output(out, text, std::move(findings), policies, true, choose_token_prefix(source), 0);
  settle_token_prefix(std::span<MaskOutput>(&out, 1), source);
}

}  // namespace

MaskOutput mask_findings_with_prefix(std::string_view text, std::vector<Finding> findings,
                                     const PolicySet& policies, std::string_view prefix,
                                     std::size_t first_token) {
  MaskOutput out;
  masked_output(out, text, std::move(findings), policies, policies.has_tokenize(), prefix,
                first_token);
  return out;
}

void append_masked(std::string& out, std::string_view text, std::vector<Finding>& findings,
                   const PolicySet& policies) {
  std::vector<std::size_t> no_tokens;
  write_masked(out, text, findings, policies, nullptr, no_tokens, 0, nullptr);
}

std::size_t count_tokens(std::string_view text, const std::vector<Finding>& findings,
                         const PolicySet& policies) {
  if (!policies.has_tokenize() || findings.empty()) return 0;
  std::vector<const Finding*> order;
  order.reserve(findings.size());
  for (const Finding& f : findings) order.push_back(&f);
  if (!std::is_sorted(findings.begin(), findings.end(), by_source))
    std::stable_sort(order.begin(), order.end(),
                     [](const Finding* a, const Finding* b) { return by_source(*a, *b); });
  const PolicyLookup lookup(policies);
  std::size_t count = 0, done = 0;
  for (const Finding* f : order) {
    if (!replaceable(text, *f, done)) continue;
    if (lookup.of(f->entity).kind == Policy::Kind::tokenize) ++count;
    done = f->source.byte_end;
  }
  return count;
}

MaskOutput mask_findings(std::string_view text, std::vector<Finding> findings,
                         const PolicySet& policies) {
  MaskOutput out;
  mask_findings_into(out, text, std::move(findings), policies);
  return out;
}

bool tokens_stand_alone(const MaskOutput& out) {
  if (!out.restore) return true;
  // A prefix holds no "[", so an opener can neither start inside a token (other than at its
  // start) nor run into one from the text before it: every other occurrence lies between tokens.
  const std::string opener = token_opener(out.restore->prefix);
  std::size_t next_token = 0;
  for (std::size_t at = out.text.find(opener); at != std::string::npos;
       at = out.text.find(opener, at + 1)) {
    while (next_token < out.token_starts.size() && out.token_starts[next_token] < at) ++next_token;
    if (next_token == out.token_starts.size() || out.token_starts[next_token] != at) return false;
  }
  return true;
}

void text_between_tokens(const MaskOutput& out, std::vector<std::string_view>& pieces) {
  const std::string_view text = out.text;
  std::size_t done = 0;
  for (std::size_t i = 0; i < out.token_starts.size(); ++i) {
    pieces.push_back(text.substr(done, out.token_starts[i] - done));
    done = out.token_starts[i] + out.restore->entries[i].token.size();
  }
  pieces.push_back(text.substr(done));
}

void rewrite_tokens(MaskOutput& out, std::string_view prefix) {
  if (!out.restore) return;
  RestoreMap& map = *out.restore;
  std::string text;
  text.reserve(out.text.size() + map.entries.size() * prefix.size());
  std::size_t done = 0;
  const std::size_t old_opener = token_opener(map.prefix).size();
  for (std::size_t i = 0; i < map.entries.size(); ++i) {
    text.append(out.text, done, out.token_starts[i] - done);
    done = out.token_starts[i] + map.entries[i].token.size();
    // The number between the opener and "]]" stays: maps shared by several texts number on.
    const std::string& old = map.entries[i].token;
    std::string token = token_opener(prefix);
    token.append(old, old_opener, old.size() - old_opener - 2);
    token += "]]";
    out.token_starts[i] = text.size();
    text += token;
    map.entries[i].token = std::move(token);
  }
  text.append(out.text, done);
  out.text = std::move(text);
  map.prefix = std::string(prefix);
}

void settle_token_prefix(std::span<MaskOutput> outputs, std::span<const std::string_view> sources) {
  bool settled = true;
  for (const MaskOutput& out : outputs) settled = settled && tokens_stand_alone(out);
  if (settled) return;
  std::vector<std::string_view> texts(sources.begin(), sources.end());
  for (const MaskOutput& out : outputs)
    if (out.restore) text_between_tokens(out, texts);
  const std::string prefix = choose_token_prefix(texts);
  for (MaskOutput& out : outputs) rewrite_tokens(out, prefix);
}

Result<MaskOutput> mask(std::string_view text, const PolicySet& policies, const Config& config) {
  MaskOutput out;
  Result<void> done = mask_into(text, policies, config, out);
  if (!done) return std::unexpected(std::move(done.error()));
  return out;
}

Result<void> mask_into(std::string_view text, const PolicySet& policies, const Config& config,
                       MaskOutput& out) {
  if (nothing_to_detect(text, config)) {
    mask_findings_into(out, text, {}, policies);
    return {};
  }
  // Findings alone: the output keeps no rejections, and the normalized text is given back
  // before the masked text is written.
  auto findings = detect_findings(text, config, true);
  if (!findings) return std::unexpected(std::move(findings.error()));
  mask_findings_into(out, text, std::move(*findings), policies);
  return {};
}

bool tokens_in_place(const MaskOutput& out) {
  const std::size_t tokens = out.restore ? out.restore->entries.size() : 0;
  if (out.token_starts.size() != tokens) return false;
  for (std::size_t i = 0, done = 0; i < tokens; ++i) {
    const std::string& token = out.restore->entries[i].token;
    const std::size_t at = out.token_starts[i];
    if (at < done || at > out.text.size() || out.text.compare(at, token.size(), token) != 0)
      return false;
    done = at + token.size();
  }
  return true;
}

void give_buffers(MaskOutput& out) {
  give_buffers(out.applied);
  give_buffers(out.skipped);
  kept::Spares<std::string>::keep(out.text);
}

}  // namespace norvane
