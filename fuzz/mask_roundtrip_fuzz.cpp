// mask under a tokenize policy, then unmask: the source comes back byte for byte, also through
// the restore map's JSON. The other policies run over the same findings for their own faults.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "detect/detect.hpp"
#include "fuzz_common.hpp"
#include "mask/hmac.hpp"
#include "mask/mask.hpp"
#include "mask/restore_json.hpp"
#include "mask/token_prefix.hpp"
#include "span/utf8.hpp"

namespace {

using norvane::EntityKind;
using norvane::Finding;
using norvane::Policy;
using norvane::PolicySet;

// Every policy at least once, with parameters near their limits.
PolicySet mixed_policies(std::uint8_t b) {
  PolicySet set;
  set.default_policy = Policy::redact_code();
  set = set.with(EntityKind::resident, Policy::partial(b & 7, (b >> 3) & 7, U'가'));
  set = set.with(EntityKind::phone, Policy::partial(~std::uint64_t{0}, ~std::uint64_t{0}));
  set = set.with(EntityKind::credit_card, Policy::partial(~std::uint64_t{0} - 1, 2, U'#'));
  set = set.with(EntityKind::email, Policy::hash(std::string(b % 70, 'k'), b));
  set = set.with(EntityKind::bank_account, Policy::hash("", ~std::uint64_t{0}));
  set = set.with(EntityKind::birth_date, Policy::redact_fill(U'\U0001F600'));
  set = set.with(EntityKind::passport, Policy::redact_fixed(""));
  set = set.with(EntityKind::driver_license, Policy::redact_label());
  set = set.with(EntityKind::business_registration, Policy::tokenize());
  return set;
}

std::string utf8_of(char32_t c) {
  std::string s;
  norvane::utf8::append(s, c);
  return s;
}

// The replacement of one value, written from the policy's definition.
std::string replacement(const Policy& p, EntityKind kind, std::string_view value,
                        norvane::RestoreMap& tokens) {
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < value.size();) {
    const std::size_t n = norvane::utf8::seq_len(static_cast<unsigned char>(value[i]));
    chars.emplace_back(value.substr(i, n));
    i += n;
  }
  const unsigned __int128 n = chars.size();
  auto fill = [&](unsigned __int128 count) {
    std::string out;
    for (unsigned __int128 k = 0; k < count; ++k) out += utf8_of(p.fill);
    return out;
  };
  switch (p.kind) {
    case Policy::Kind::redact_label: return "[" + std::string(norvane::entity_label(kind)) + "]";
    case Policy::Kind::redact_code: return "[" + std::string(norvane::entity_code(kind)) + "]";
    case Policy::Kind::redact_fill: return fill(n);
    case Policy::Kind::redact_fixed: return p.text;
    case Policy::Kind::partial: {
      const unsigned __int128 keep = static_cast<unsigned __int128>(p.keep_prefix) + p.keep_suffix;
      if (keep >= n) return fill(n);
      std::string out;
      for (std::size_t k = 0; k < p.keep_prefix; ++k) out += chars[k];
      out += fill(n - keep);
      for (std::size_t k = chars.size() - p.keep_suffix; k < chars.size(); ++k) out += chars[k];
      return out;
    }
    case Policy::Kind::hash: {
      const std::string digest = norvane::hmac_sha256_hex(p.key, value);
      FUZZ_CHECK(digest.size() == 64);
      return "[" + std::string(norvane::entity_code(kind)) + ":" +
             digest.substr(0, std::min<std::uint64_t>(p.length, 64)) + "]";
    }
    case Policy::Kind::tokenize: return tokens.push(kind, value);
  }
  return {};
}

bool sorted_disjoint(const std::vector<Finding>& applied, std::size_t size) {
  std::size_t done = 0;
  for (const Finding& f : applied) {
    if (f.source.byte_start < done || f.source.byte_end > size ||
        f.source.byte_end < f.source.byte_start)
      return false;
    done = f.source.byte_end;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Input in = fuzz::split_input(data, size);
  if (!fuzz::valid_utf8(in.text)) return 0;
  const std::string_view src = in.text;

  const PolicySet tokenize{{}, Policy::tokenize()};
  auto r = norvane::mask(src, tokenize, in.config);
  FUZZ_CHECK(r.has_value());
  const norvane::MaskOutput& out = *r;
  FUZZ_CHECK(out.restore.has_value());
  const norvane::RestoreMap& restore = *out.restore;
  FUZZ_CHECK(fuzz::valid_utf8(out.text));
  FUZZ_CHECK(sorted_disjoint(out.applied, src.size()));
  FUZZ_CHECK(restore.len() == out.applied.size());
  {
    auto report = norvane::detect(src, in.config);
    FUZZ_CHECK(report.has_value());
    FUZZ_CHECK(out.applied.size() + out.skipped.size() == report->findings.size());
  }
  FUZZ_CHECK(src.find("[[" + restore.prefix + ":") == std::string_view::npos);
  for (std::size_t i = 0; i < restore.entries.size(); ++i) {
    const auto& f = out.applied[i];
    FUZZ_CHECK(restore.entries[i].original == src.substr(f.source.byte_start, f.source.byte_len()));
    FUZZ_CHECK(restore.entries[i].entity == f.entity);
  }

  auto back = norvane::unmask(out.text, restore);
  FUZZ_CHECK(back.has_value());
  FUZZ_CHECK(*back == src);

  const std::string json = norvane::restore_map_to_json(restore);
  auto reread = norvane::restore_map_from_json(json);
  FUZZ_CHECK(reread.has_value());
  FUZZ_CHECK(*reread == restore);
  auto back2 = norvane::unmask(out.text, *reread);
  FUZZ_CHECK(back2.has_value() && *back2 == src);

  // Every other policy over the same findings (no second detection).
  std::vector<Finding> all = out.applied;
  all.insert(all.end(), out.skipped.begin(), out.skipped.end());
  const PolicySet mixed = mixed_policies(in.b ^ in.a);
  const norvane::MaskOutput other = norvane::mask_findings(src, std::move(all), mixed);
  FUZZ_CHECK(fuzz::valid_utf8(other.text));
  FUZZ_CHECK(other.applied.size() == out.applied.size());
  FUZZ_CHECK(other.restore.has_value());
  // Text the other policies write next to the source may take the source's prefix; the
  // prefix then moves on, so that its opener stands only where a token was written.
  const std::string& prefix = other.restore->prefix;
  norvane::RestoreMap tokens{prefix, {}};
  std::string want;
  std::size_t done = 0;
  for (const Finding& f : other.applied) {
    want.append(src.substr(done, f.source.byte_start - done));
    want += replacement(mixed.policy_for(f.entity), f.entity,
                        src.substr(f.source.byte_start, f.source.byte_len()), tokens);
    done = f.source.byte_end;
  }
  want.append(src.substr(done));
  FUZZ_CHECK(other.text == want);
  FUZZ_CHECK(tokens == *other.restore);
  const std::string opener = norvane::token_opener(prefix);
  std::size_t openers = 0;
  for (std::size_t at = other.text.find(opener); at != std::string::npos;
       at = other.text.find(opener, at + 1))
    ++openers;
  FUZZ_CHECK(openers == tokens.len());
  return 0;
}
