// normalize(): the enabled passes in their fixed order, each composed into the running map.
#include "normalize/pipeline.hpp"

#include <optional>
#include <type_traits>
#include <utility>

#include "normalize/passes.hpp"
#include "normalize/unicode.hpp"
#include "span/kept_buffers.hpp"
#include "span/pages.hpp"

namespace norvane {

namespace {
constexpr std::size_t kLargestUsefulKeptText = kept::kKeptBytes / 2;
// Texts up to this size are read once for the byte classes that tell which passes they give
// work: a short text is read whole for less than the calls it spares.
constexpr std::size_t kClassReadLimit = 512;
}  // namespace

Result<Normalized> normalize(std::string_view text, const Config& config, std::uint64_t max_bytes) {
  Normalized out;
  Result<bool> changed = normalize_changes_into(text, config, out, max_bytes);
  if (!changed) return std::unexpected(std::move(changed.error()));
  if (!*changed) return Normalized{pages::copy_polled(text), SpanMap::identity(text)};
  return out;
}

Result<std::optional<Normalized>> normalize_changes(std::string_view text, const Config& config,
                                                    std::uint64_t max_bytes) {
  Normalized out;
  Result<bool> changed = normalize_changes_into(text, config, out, max_bytes);
  if (!changed) return std::unexpected(std::move(changed.error()));
  if (!*changed) return std::nullopt;
  return out;
}

Result<bool> normalize_changes_into(std::string_view text, const Config& config, Normalized& out,
                                    std::uint64_t max_bytes) {
  // Compared first: the message's maker is a call with an optional string to test and destroy.
  if (text.size() > max_bytes)
    if (auto error = text_size_error("text", text.size(), max_bytes))
      return std::unexpected(Error::text_too_large(std::move(*error)));
  auto too_large = [&] {
    return std::unexpected(
        Error::text_too_large(normalized_size_error("text", text.size(), max_bytes)));
  };

  // Until a pass changes something the running text is the caller's and the map its identity;
  // neither is materialised before the end.
  std::string& running_text = out.text;
  SpanMap& running = out.map;
  bool changed = false;

  auto current = [&]() -> std::string_view {
    return changed ? std::string_view(running_text) : text;
  };

  // A pass's map, composed into the running one.
  std::size_t applied = 0;  // passes that changed the text
  auto compose_map = [&](SpanMap& map) -> Result<void> {
    ++applied;
    if (!changed) {
      // compose(identity, m) == m: take the pass map as it is.
      running = std::move(map);
      changed = true;
    } else {
      auto composed = SpanMap::compose(std::move(running), std::move(map));
      if (!composed) return std::unexpected(std::move(composed.error()));
      running = std::move(*composed);
    }
    return {};
  };
  // A pass's output is taken from where the pass left it.
  auto apply = [&](passes::PassOutput& output) -> Result<void> {
    if (output.text.size() > max_bytes) return too_large();
    // The text before this pass is no longer read: it goes before the maps are composed. Its
    // pages are not given back: the next pass's large buffer would fault them in afresh (on
    // 1 MB, 250 more page faults a call), for a peak lower by 0.1x the input.
    kept::give_text(std::move(running_text));
    running_text = std::move(output.text);
    return compose_map(output.map);
  };

  // Each pass first skips to the bytes it looks for, sixteen at a time, and gives nothing when
  // it finds none: a separate scan to tell which passes to skip would cost as much.
  auto run = [&](bool enabled, auto&& pass) -> Result<void> {
    if (!enabled) return {};
    auto output = pass(current());
    // Most passes give nothing: that costs neither a call nor a move.
    if constexpr (std::is_same_v<decltype(output), std::optional<passes::PassOutput>>) {
      if (!output) return {};
      return apply(*output);
    } else {
      if (!output) return std::unexpected(std::move(output.error()));
      if (!*output) return {};
      return apply(**output);
    }
  };
  // Decoded first: an escape may hide any character the later passes read.
  Result<void> r = run(config.writing_variants, passes::decode_percent_escapes);
  // One read of the text tells which passes it holds trigger bytes for, good until a pass
  // changes it: jamo composition and folding act only on characters that are neither ASCII nor
  // Hangul syllables, the look-alike pass only on its letters (by default only beside a
  // digit-like character), the separator pass only after a digit-like character. Four short
  // texts in five hold no letter the look-alike pass reads, whose call cost them some 250
  // instructions; the read costs them about 105, where the test for other characters alone
  // cost 78.
  // Only the letters this setting corrects are asked for: the read stops once all are found.
  using unicode::in_set, unicode::leads_other_than_hangul;
  constexpr unsigned kOther = 1, kLetters = 2, kDigitLike = 4;
  // A long text is not read for the three classes: it nearly always holds letters and digits,
  // and a class it lacks (no digit in PII-free prose) made the read go to its end, some 0.6
  // instructions a byte on top of the passes' own searches. Only the one class that spares the
  // jamo and folding passes is looked for, and that read stops at its first find.
  const std::string_view read = current();
  const unsigned holds =
      read.size() > kClassReadLimit
          ? kLetters | kDigitLike |
                (unicode::holds_other_than_ascii_and_hangul(read) ? kOther : 0u)
      : config.scanned_letters
          ? unicode::holds<leads_other_than_hangul, in_set<passes::kLookalikeOrScannedLetters>,
                           in_set<unicode::kDigitLikeBytes>>(read)
          : unicode::holds<leads_other_than_hangul, in_set<passes::kLookalikeLetters>,
                           in_set<unicode::kDigitLikeBytes>>(read);
  const std::size_t applied_before_holds = applied;
  auto may_hold = [&](unsigned bits) {
    return applied != applied_before_holds || (holds & bits) != 0;
  };
  const bool other_characters = (config.nfc || config.fold) && (holds & kOther) != 0;
  if (r) r = run(config.nfc && other_characters, passes::compose_jamo);
  if (r) r = run(config.fold && other_characters, passes::fold);
  if (r) r = run(config.writing_variants, passes::read_writing_variants);
  if (r) {
    r = run(config.hangul, [&](std::string_view t) -> Result<std::optional<passes::PassOutput>> {
      bool grew_too_large = false;
      auto output = passes::read_hangul_numerals(t, config, max_bytes, grew_too_large);
      if (grew_too_large) return too_large();
      return output;
    });
  }
  const bool lookalikes =
      config.lookalike && may_hold(kLetters) &&
      (config.writing_variants || config.scanned_letters || may_hold(kDigitLike));
  if (r && lookalikes) {
    // Corrections keep every length: a text of the pipeline's own takes them in place, with
    // no copy (on dense text a whole copy for a few dozen letters).
    if (changed) {
      if (auto map = passes::correct_lookalikes_in_place(running_text, config.writing_variants,
                                                         config.scanned_letters))
        r = compose_map(*map);
    } else {
      r = run(true, [&](std::string_view t) {
        return passes::correct_lookalikes(t, config.writing_variants, config.scanned_letters);
      });
    }
  }
  if (r) {
    r = run(config.separator && may_hold(kDigitLike), [&](std::string_view t) {
      return passes::absorb_separators(t, config.structure, config.writing_variants);
    });
  }
  if (!r) return std::unexpected(std::move(r.error()));

  // The text before the last pass stays on the thread's shelf, and no later stage takes it: a
  // large one would stay resident through the whole detection (1x the input at the peak of a
  // 16 MB one). Past half the shelves' budget it is no use to the next call either: the
  // argument's copy, at least as large, cannot be kept beside it, and that copy, the next
  // call's first take, finds no room in it and frees it.
  if (text.size() > kLargestUsefulKeptText)
    kept::Shelf<std::string>::release_pages_over(kLargestUsefulKeptText);

  return changed;
}

}  // namespace norvane
