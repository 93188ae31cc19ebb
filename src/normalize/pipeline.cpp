// normalize(): the enabled passes in their fixed order, each composed into the running map.
#include "normalize/pipeline.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "normalize/passes.hpp"

namespace norvane {

namespace {

// What each pass looks for, by byte: most texts hold nothing for most passes, and one scan of
// the text tells which passes can be skipped without running their own scans.
enum Trigger : std::uint8_t {
  kJamo = 1,        // conjoining jamo are E1 xx xx
  kFoldable = 2,    // every folded character starts with C2, E2, E3 or EF
  kSyllable = 4,    // precomposed syllables start with EA..ED
  kLookalike = 8,   // I l O o
  kDigitLike = 16,  // 0-9 * X x: separators are absorbed only after one
};

constexpr std::array<std::uint8_t, 256> kTriggers = [] {
  std::array<std::uint8_t, 256> t{};
  t[0xE1] = kJamo;
  t[0xC2] = t[0xE2] = t[0xE3] = t[0xEF] = kFoldable;
  for (int b = 0xEA; b <= 0xED; ++b) t[b] = kSyllable;
  t['I'] = t['l'] = t['O'] = t['o'] = kLookalike;
  for (int b = '0'; b <= '9'; ++b) t[b] = kDigitLike;
  t['*'] = t['X'] = t['x'] = kDigitLike;
  return t;
}();

struct Summary {
  std::uint8_t triggers = 0;
  std::size_t chars = 0;
};

Summary summarize(std::string_view text) {
  Summary s;
  std::uint8_t triggers = 0;
  std::size_t chars = 0;
  for (unsigned char b : text) {
    triggers |= kTriggers[b];
    chars += (b & 0xC0) != 0x80;
  }
  s.triggers = triggers;
  s.chars = chars;
  return s;
}

}  // namespace

Result<Normalized> normalize(std::string_view text, const Config& config) {
  // Until a pass changes something the running text is the caller's and the map its identity;
  // neither is materialised before the end.
  std::string running_text;
  SpanMap running;
  bool changed = false;

  auto current = [&]() -> std::string_view { return changed ? std::string_view(running_text) : text; };

  auto apply = [&](std::optional<passes::PassOutput> out) -> Result<void> {
    if (!out) return {};
    if (!changed) {
      // compose(identity, m) == m: take the pass map as it is.
      running = std::move(out->map);
      changed = true;
    } else {
      auto composed = SpanMap::compose(std::move(running), std::move(out->map));
      if (!composed) return std::unexpected(std::move(composed.error()));
      running = std::move(*composed);
    }
    running_text = std::move(out->text);
    return {};
  };

  // A pass runs only when the current text holds what it looks for. A pass that changed the
  // text may have written what a later pass looks for (folding writes ASCII letters and digits,
  // jamo composition writes syllables, numeral reading and lookalike correction write digits);
  // it adds those triggers. Removing characters never makes a skipped pass necessary.
  const Summary summary = summarize(text);
  std::uint8_t triggers = summary.triggers;
  auto run = [&](bool enabled, std::uint8_t trigger, std::uint8_t writes, auto&& pass) -> Result<void> {
    if (!enabled || !(triggers & trigger)) return {};
    std::optional<passes::PassOutput> out = pass(current());
    if (out) triggers |= writes;
    return apply(std::move(out));
  };
  Result<void> r = run(config.nfc, kJamo, kSyllable, passes::compose_jamo);
  if (r) r = run(config.fold, kFoldable, kLookalike | kDigitLike, passes::fold);
  if (r)
    r = run(config.hangul, kSyllable, kDigitLike,
            [&](std::string_view t) { return passes::read_hangul_numerals(t, config); });
  if (r) r = run(config.lookalike, kLookalike, kDigitLike, passes::correct_lookalikes);
  if (r) r = run(config.separator, kDigitLike, 0, passes::absorb_separators);
  if (!r) return std::unexpected(std::move(r.error()));

  if (!changed)
    return Normalized{std::string(text), SpanMap::identity(static_cast<std::uint32_t>(text.size()),
                                                           static_cast<std::uint32_t>(summary.chars))};
  return Normalized{std::move(running_text), std::move(running)};
}

}  // namespace norvane
