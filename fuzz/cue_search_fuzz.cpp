// The cue search: around spans asked in any order, at any width, through run() and rerun(),
// its hits equal the plain reading of every cue table; on text that is no UTF-8 it still
// answers without fault. Paired with the text's normalized form and map, rerun() over the text
// (whose index is then taken from the normalized text's) still gives the plain reading.
// weigh() gives the very float that total() gives for the list of the same table.
//
// Input: one byte choosing the width (below 0xF0 one of the widths listed below, else the
// next four bytes, low byte first), one byte giving the number of spans Q (at most 31), then
// 2 x Q bytes placing the spans, then the text.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "detect/context.hpp"
#include "detect/cues.hpp"
#include "fuzz_common.hpp"
#include "normalize/pipeline.hpp"
#include "reference.hpp"

namespace {

constexpr std::uint32_t kWidths[] = {0, 1, 2, 5, 23, 24, 25, 60, 255, 256, 257, 4096, UINT32_MAX};

bool same(const std::vector<norvane::ContextHit>& a, const std::vector<norvane::ContextHit>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (a[k].cue != b[k].cue || a[k].distance != b[k].distance || a[k].weight != b[k].weight)
      return false;
  return true;
}

// The total weigh() gives without a list, bit for bit the list's.
bool weighs_as_listed(const norvane::context::Search& search, std::span<const norvane::Cue> table,
                      const std::vector<norvane::ContextHit>& listed) {
  return std::bit_cast<std::uint32_t>(search.weigh(table)) ==
         std::bit_cast<std::uint32_t>(norvane::context::total(listed));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  std::size_t at = 0;
  std::uint32_t window;
  if (data[at] < 0xF0) {
    window = kWidths[data[at++] % std::size(kWidths)];
  } else {
    if (size < 6) return 0;
    window = static_cast<std::uint32_t>(data[1]) | static_cast<std::uint32_t>(data[2]) << 8 |
             static_cast<std::uint32_t>(data[3]) << 16 | static_cast<std::uint32_t>(data[4]) << 24;
    at = 5;
  }
  if (at >= size) return 0;
  const std::size_t queries = data[at++] % 32;
  if (size - at < 2 * queries) return 0;
  const std::uint8_t* places = data + at;
  const std::string_view text(reinterpret_cast<const char*>(data + at + 2 * queries),
                              size - at - 2 * queries);
  const bool checked = fuzz::valid_utf8(text);
  const auto idx = fuzz::char_index(text);
  std::vector<std::size_t> bounds;  // character starts and the end
  for (std::size_t b = 0; b <= text.size(); ++b)
    if (idx[b] >= 0) bounds.push_back(b);

  const norvane::cues::Tables& t = norvane::cues::kTables;
  const std::span<const norvane::Cue> tables[] = {t.resident, t.foreigner, t.business, t.card,
                                                  t.phone,    t.license,   t.account,  t.birth,
                                                  t.passport, t.negative};
  norvane::context::CueSet all;
  for (const auto table : tables) all |= norvane::context::cue_set(table);
  const norvane::context::CueSet negative = norvane::context::cue_set(t.negative);

  norvane::context::Search search;
  std::vector<norvane::ContextHit> got;
  // Query q's first byte places its span's start, the second its length; the second's top bit
  // asks for a rerun() after the run().
  auto start_of = [&](std::size_t q) { return places[2 * q] * bounds.size() / 256; };
  auto query_span = [&](std::size_t q) {
    const std::size_t a = start_of(q);
    const std::size_t b = std::min(bounds.size() - 1, a + (places[2 * q + 1] & 0x3F));
    return norvane::Span{
        static_cast<std::uint32_t>(bounds[a]), static_cast<std::uint32_t>(bounds[b]),
        static_cast<std::uint32_t>(idx[bounds[a]]), static_cast<std::uint32_t>(idx[bounds[b]])};
  };
  for (std::size_t q = 0; q < queries; ++q) {
    const norvane::Span span = query_span(q);
    const std::size_t a = start_of(q);
    search.run(text, span, window, all);
    for (const auto table : tables) {
      search.hits(table, got);
      if (checked) FUZZ_CHECK(same(got, fuzz::ref::cue_hits(text, idx, span, window, table)));
      FUZZ_CHECK(weighs_as_listed(search, table, got));
    }
    if (places[2 * q + 1] & 0x80) {
      // The same text again, one character further on: rerun() may keep what run() found.
      const std::size_t a2 = std::min(bounds.size() - 1, a + 1);
      const norvane::Span next{
          static_cast<std::uint32_t>(bounds[a2]),
          span.byte_end < bounds[a2] ? static_cast<std::uint32_t>(bounds[a2]) : span.byte_end,
          static_cast<std::uint32_t>(idx[bounds[a2]]),
          span.byte_end < bounds[a2] ? static_cast<std::uint32_t>(idx[bounds[a2]]) : span.char_end};
      search.rerun(text, next, window, negative);
      search.hits(t.negative, got);
      if (checked) FUZZ_CHECK(same(got, fuzz::ref::cue_hits(text, idx, next, window, t.negative)));
      FUZZ_CHECK(weighs_as_listed(search, t.negative, got));
    }
  }

  if (!checked) return 0;
  const auto norm = norvane::normalize(text, norvane::Config::thorough());
  if (!norm) return 0;
  norvane::context::Search paired;
  paired.pair(norm->text, text, norm->map, 0);  // derived however dense the map
  for (std::size_t q = 0; q < queries; ++q) {
    const norvane::Span span = query_span(q);
    paired.rerun(text, span, window, all);
    for (const auto table : tables) {
      paired.hits(table, got);
      FUZZ_CHECK(same(got, fuzz::ref::cue_hits(text, idx, span, window, table)));
      FUZZ_CHECK(weighs_as_listed(paired, table, got));
    }
  }
  return 0;
}
