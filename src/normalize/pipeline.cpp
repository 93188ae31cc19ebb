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
      auto composed = SpanMap::compose(running, out->map);
      if (!composed) return std::unexpected(std::move(composed.error()));
      running = std::move(*composed);
    }
    running_text = std::move(out->text);
    return {};
  };

  if (config.nfc)
    if (auto r = apply(passes::compose_jamo(current())); !r) return std::unexpected(std::move(r.error()));
  if (config.fold)
    if (auto r = apply(passes::fold(current())); !r) return std::unexpected(std::move(r.error()));
  if (config.hangul)
    if (auto r = apply(passes::read_hangul_numerals(current(), config)); !r)
      return std::unexpected(std::move(r.error()));
  if (config.lookalike)
    if (auto r = apply(passes::correct_lookalikes(current())); !r)
      return std::unexpected(std::move(r.error()));
  if (config.separator)
    if (auto r = apply(passes::absorb_separators(current())); !r)
      return std::unexpected(std::move(r.error()));

  if (!changed) return Normalized{std::string(text), SpanMap::identity(text)};
  return Normalized{std::move(running_text), std::move(running)};
}

}  // namespace norvane
