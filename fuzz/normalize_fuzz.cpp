// normalize: the map must validate, cover both texts exactly, agree with the characters of
// both texts at every segment end, and project every output character range into the source.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_common.hpp"
#include "normalize/pipeline.hpp"

namespace {

using norvane::Segment;
using norvane::SegmentKind;
using norvane::Span;

// A span of text s is sound when its ends lie inside s, on character starts, in order, and
// its char offsets are the character indexes of its byte offsets.
void check_span(const Span& span, const std::vector<std::int64_t>& idx) {
  FUZZ_CHECK(span.byte_start <= span.byte_end);
  FUZZ_CHECK(span.byte_end < idx.size());
  FUZZ_CHECK(idx[span.byte_start] == span.char_start);
  FUZZ_CHECK(idx[span.byte_end] == span.char_end);
}

Span make_span(const std::vector<std::uint32_t>& starts, std::size_t c0, std::size_t c1) {
  return Span{starts[c0], starts[c1], static_cast<std::uint32_t>(c0),
              static_cast<std::uint32_t>(c1)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Input in = fuzz::split_input(data, size);
  if (!fuzz::valid_utf8(in.text)) return 0;
  const std::string_view src = in.text;

  auto r = norvane::normalize(src, in.config);
  FUZZ_CHECK(r.has_value());  // sound passes never fail to compose
  const std::string_view out = r->text;
  const norvane::SpanMap& map = r->map;
  FUZZ_CHECK(fuzz::valid_utf8(out));
  FUZZ_CHECK(map.validate().has_value());

  const auto src_idx = fuzz::char_index(src);
  const auto out_idx = fuzz::char_index(out);
  const auto src_chars = static_cast<std::uint32_t>(src_idx.back());
  const auto out_chars = static_cast<std::uint32_t>(out_idx.back());
  FUZZ_CHECK(map.src_end() == norvane::Position(static_cast<std::uint32_t>(src.size()), src_chars));
  FUZZ_CHECK(map.dst_end() == norvane::Position(static_cast<std::uint32_t>(out.size()), out_chars));
  FUZZ_CHECK(src.empty() == map.empty());
  if (map.is_identity()) FUZZ_CHECK(out == src);

  for (const Segment& seg : map.segments()) {
    check_span(seg.src, src_idx);
    check_span(seg.dst, out_idx);
    const std::string_view s = src.substr(seg.src.byte_start, seg.src.byte_len());
    const std::string_view d = out.substr(seg.dst.byte_start, seg.dst.byte_len());
    if (seg.kind == SegmentKind::identity) {
      FUZZ_CHECK(s == d);
    } else {
      FUZZ_CHECK(!seg.rules.empty());
      for (std::size_t i = 1; i < seg.rules.size(); ++i)
        FUZZ_CHECK(seg.rules[i - 1] < seg.rules[i]);
    }
  }

  // Character starts of the output, then to_source of its character ranges: all of them for
  // short outputs, a bounded sample otherwise.
  std::vector<std::uint32_t> starts;
  starts.reserve(out_chars + 1);
  for (std::size_t i = 0; i < out.size(); ++i)
    if (out_idx[i] >= 0) starts.push_back(static_cast<std::uint32_t>(i));
  starts.push_back(static_cast<std::uint32_t>(out.size()));

  auto project = [&](std::size_t c0, std::size_t c1) {
    const norvane::SourceSpan ss = map.to_source(make_span(starts, c0, c1));
    check_span(ss.span, src_idx);
    for (std::size_t i = 1; i < ss.rules.size(); ++i) FUZZ_CHECK(ss.rules[i - 1] < ss.rules[i]);
    // A point maps to a point, unless it lies strictly inside a transformed segment, which
    // it then widens to.
    if (c0 == c1 && !ss.snapped)
      FUZZ_CHECK(ss.span.is_empty() && ss.rules.empty() && ss.cost.is_zero());
    if (ss.snapped) FUZZ_CHECK(!ss.rules.empty());
    // Every output character comes from some source text: no insertions.
    if (c0 < c1) FUZZ_CHECK(!ss.span.is_empty());
    return ss;
  };

  const std::size_t n = out_chars;
  if (n <= 24) {
    // Projection is monotone: widening the query never narrows the answer.
    for (std::size_t c0 = 0; c0 <= n; ++c0) {
      Span prev{};
      for (std::size_t c1 = c0; c1 <= n; ++c1) {
        const Span s = project(c0, c1).span;
        if (c1 > c0 + 1) FUZZ_CHECK(s.byte_start <= prev.byte_start && s.byte_end >= prev.byte_end);
        if (c1 > c0) prev = s;
      }
    }
  } else {
    const std::size_t step = n / 24 + 1;
    for (std::size_t c0 = 0; c0 <= n; c0 += step)
      for (std::size_t c1 = c0; c1 <= n; c1 += step) project(c0, c1);
    for (std::size_t c = 0; c < n; ++c) project(c, c + 1);
  }

  // The whole output comes from the whole source.
  const norvane::SourceSpan whole = project(0, n);
  FUZZ_CHECK((n == 0) == src.empty());
  if (n > 0) {
    FUZZ_CHECK(whole.span.byte_start == 0 && whole.span.char_start == 0);
    FUZZ_CHECK(whole.span.byte_end == src.size() && whole.span.char_end == src_chars);
  }
  return 0;
}
