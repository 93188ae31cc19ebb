#include "detect/context.hpp"

#include <algorithm>

#include "span/utf8.hpp"

namespace norvane::context {

namespace {

// Byte offset `chars` characters before `pos` (clipped at the start).
std::size_t back_chars(std::string_view text, std::size_t pos, std::uint32_t chars) {
  std::size_t i = pos;
  for (std::uint32_t k = 0; k < chars && i > 0; ++k) {
    --i;
    while (i > 0 && utf8::is_continuation(static_cast<unsigned char>(text[i]))) --i;
  }
  return i;
}

// Byte offset `chars` characters after `pos` (clipped at the end).
std::size_t forward_chars(std::string_view text, std::size_t pos, std::uint32_t chars) {
  std::size_t i = pos;
  const std::size_t n = text.size();
  for (std::uint32_t k = 0; k < chars && i < n; ++k) {
    ++i;
    while (i < n && utf8::is_continuation(static_cast<unsigned char>(text[i]))) ++i;
  }
  return i;
}

std::uint32_t chars_in(std::string_view s) { return static_cast<std::uint32_t>(utf8::count_chars(s)); }

}  // namespace

void find(std::string_view text, const Span& span, std::uint32_t window, std::span<const Cue> cues,
          std::vector<ContextHit>& out) {
  out.clear();
  const std::size_t n = text.size();
  const std::size_t start = std::min<std::size_t>(span.byte_start, n);
  const std::size_t end = std::min<std::size_t>(std::max<std::size_t>(span.byte_end, start), n);
  const std::size_t left_from = back_chars(text, start, window);
  const std::size_t right_to = forward_chars(text, end, window);
  const std::string_view left = text.substr(left_from, start - left_from);
  const std::string_view right = text.substr(end, right_to - end);
  if (left.empty() && right.empty()) return;

  for (const Cue& cue : cues) {
    if (cue.word.empty()) continue;
    bool found = false;
    std::uint32_t distance = 0;
    if (auto l = left.rfind(cue.word); l != std::string_view::npos) {
      distance = chars_in(left.substr(l + cue.word.size()));
      found = true;
    }
    if (auto r = right.find(cue.word); r != std::string_view::npos) {
      const std::uint32_t d = chars_in(right.substr(0, r));
      if (!found || d < distance) distance = d;
      found = true;
    }
    if (!found) continue;
    const float decay = 1.0f + 0.125f * static_cast<float>(distance);
    out.push_back(ContextHit{cue.word, distance, cue.weight / decay});
  }
  std::stable_sort(out.begin(), out.end(), [](const ContextHit& a, const ContextHit& b) {
    if (a.weight != b.weight) return a.weight > b.weight;
    return a.cue < b.cue;
  });
}

std::vector<ContextHit> find(std::string_view text, const Span& span, std::uint32_t window,
                             std::span<const Cue> cues) {
  std::vector<ContextHit> out;
  find(text, span, window, cues, out);
  return out;
}

float total(const std::vector<ContextHit>& hits) {
  float sum = 0.0f;
  for (const ContextHit& h : hits) sum = sum + h.weight;
  return sum > 1.5f ? 1.5f : sum;
}

}  // namespace norvane::context
