// normalize(): the enabled passes in their fixed order, each composed into the running map.
#include "normalize/pipeline.hpp"

#include <optional>
#include <utility>

#include "normalize/passes.hpp"

namespace norvane {

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

  // Each pass first skips to the bytes it looks for, sixteen at a time, and gives nothing when
  // it finds none: a separate scan to tell which passes to skip would cost as much.
  auto run = [&](bool enabled, auto&& pass) -> Result<void> {
    if (!enabled) return {};
    return apply(pass(current()));
  };
  Result<void> r = run(config.nfc, passes::compose_jamo);
  if (r) r = run(config.fold, passes::fold);
  if (r) {
    r = run(config.hangul,
            [&](std::string_view t) { return passes::read_hangul_numerals(t, config); });
  }
  if (r) r = run(config.lookalike, passes::correct_lookalikes);
  if (r) r = run(config.separator, passes::absorb_separators);
  if (!r) return std::unexpected(std::move(r.error()));

  if (!changed) return Normalized{std::string(text), SpanMap::identity(text)};
  return Normalized{std::move(running_text), std::move(running)};
}

}  // namespace norvane
