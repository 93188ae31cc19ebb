#include "detect/context.hpp"

#include <algorithm>
#include <cstring>

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

// First occurrence of a non-empty word, or npos.
std::size_t find_first(std::string_view hay, std::string_view word) {
  if (word.size() > hay.size()) return std::string_view::npos;
  const char* base = hay.data();
  const char* last = base + (hay.size() - word.size());
  for (const char* p = base; p <= last;) {
    const void* hit = std::memchr(p, word[0], static_cast<std::size_t>(last - p) + 1);
    if (!hit) break;
    p = static_cast<const char*>(hit);
    if (std::memcmp(p + 1, word.data() + 1, word.size() - 1) == 0) return static_cast<std::size_t>(p - base);
    ++p;
  }
  return std::string_view::npos;
}

// Last occurrence of a non-empty word, or npos.
std::size_t find_last(std::string_view hay, std::string_view word) {
  if (word.size() > hay.size()) return std::string_view::npos;
  const char first = word[0];
  for (std::size_t i = hay.size() - word.size() + 1; i-- > 0;) {
    if (hay[i] == first && std::memcmp(hay.data() + i + 1, word.data() + 1, word.size() - 1) == 0) return i;
  }
  return std::string_view::npos;
}

}  // namespace

Windows windows(std::string_view text, const Span& span, std::uint32_t window) {
  Windows w;
  const std::size_t n = text.size();
  const std::size_t start = std::min<std::size_t>(span.byte_start, n);
  const std::size_t end = std::min<std::size_t>(std::max<std::size_t>(span.byte_end, start), n);
  const std::size_t left_from = back_chars(text, start, window);
  const std::size_t right_to = forward_chars(text, end, window);
  w.left = text.substr(left_from, start - left_from);
  w.right = text.substr(end, right_to - end);
  for (std::size_t i = 0; i < w.left.size();) w.chars.add(utf8::decode(w.left, i));
  for (std::size_t i = 0; i < w.right.size();) w.chars.add(utf8::decode(w.right, i));
  return w;
}

void find(const Windows& win, std::span<const Cue> cues, std::vector<ContextHit>& out) {
  out.clear();
  if (win.left.empty() && win.right.empty()) return;
  for (const Cue& cue : cues) {
    const std::string_view w = cue.word;
    if (w.empty() || !win.chars.covers(cue.chars)) continue;
    bool found = false;
    std::uint32_t distance = 0;
    if (auto l = find_last(win.left, w); l != std::string_view::npos) {
      distance = chars_in(win.left.substr(l + w.size()));
      found = true;
    }
    if (auto r = find_first(win.right, w); r != std::string_view::npos) {
      const std::uint32_t d = chars_in(win.right.substr(0, r));
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

void find(std::string_view text, const Span& span, std::uint32_t window, std::span<const Cue> cues,
          std::vector<ContextHit>& out) {
  find(windows(text, span, window), cues, out);
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
