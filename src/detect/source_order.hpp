#pragma once
// Findings and rejections in source order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "error/interrupt.hpp"

namespace norvane {

// Sorts stably by source byte start, then byte end. The lists are made of a few ascending
// stretches (e-mails, passports, runs, contained findings), so they are merged: each step
// takes the smallest head, the earliest stretch on ties, which keeps equal keys in order. The
// order is worked out on item numbers and then carried out in place along the permutation's
// cycles: a second list of items would double the report at its largest moment. Lists hold
// fewer than 2^32 items (a text is below 4 GiB). On long lists both steps poll for an interrupt:
// on a million findings the moves, each to a far place, take a large part of a second.
template <bool kPolled, class T>
void sort_by_source_polled_if(std::vector<T>& v) {
  auto before = [](const T& a, const T& b) {
    if (a.source.byte_start != b.source.byte_start)
      return a.source.byte_start < b.source.byte_start;
    return a.source.byte_end < b.source.byte_end;
  };
  // Work units of a poll (about bytes of text elsewhere): a step of the merge or the sort reads
  // items at a few places; a move carries one to a far place.
  constexpr std::size_t kUnitsPerStep = 16;
  constexpr std::size_t kUnitsPerMove = 64;
  // Short lists do not even look up the thread's check.
  struct NoPoll {
    void advance(std::size_t) {}
  };
  std::conditional_t<kPolled, interrupt::Poll, NoPoll> poll;
  auto advance = [&](std::size_t units) { poll.advance(units); };
  constexpr std::size_t kMaxStretches = 16;
  std::size_t heads[kMaxStretches];
  std::size_t k = 0;
  heads[k++] = 0;
  bool few = true;
  for (std::size_t i = 1; i < v.size() && few; ++i) {
    advance(kUnitsPerStep);  // items of a large list are far apart in memory
    if (!before(v[i], v[i - 1])) continue;
    if (k == kMaxStretches) few = false;
    else heads[k++] = i;
  }
  if (few && k == 1) return;

  // from[i]: the number of the item that goes to place i.
  std::vector<std::uint32_t> from(v.size());
  if (few) {
    std::size_t ends[kMaxStretches];
    for (std::size_t j = 0; j < k; ++j) ends[j] = j + 1 < k ? heads[j + 1] : v.size();
    for (std::size_t taken = 0; taken < v.size();) {
      // The smallest head (the earliest stretch on ties) and the smallest of the others.
      std::size_t best = k, next = k;
      for (std::size_t j = 0; j < k; ++j) {
        if (heads[j] == ends[j]) continue;
        if (best == k || before(v[heads[j]], v[heads[best]])) {
          next = best;
          best = j;
        } else if (next == k || before(v[heads[j]], v[heads[next]])) {
          next = j;
        }
      }
      // The best stretch's items go on as long as each would be chosen again: before the
      // other heads, which stay where they are, or equal to them from an earlier stretch.
      do {
        advance(kUnitsPerStep);
        from[taken++] = static_cast<std::uint32_t>(heads[best]++);
      } while (heads[best] != ends[best] &&
               (next == k || before(v[heads[best]], v[heads[next]]) ||
                (best < next && !before(v[heads[next]], v[heads[best]]))));
    }
  } else {  // no longer a few stretches: sort the numbers
    for (std::size_t i = 0; i < v.size(); ++i) from[i] = static_cast<std::uint32_t>(i);
    std::stable_sort(from.begin(), from.end(), [&](std::uint32_t a, std::uint32_t b) {
      advance(kUnitsPerStep);
      return before(v[a], v[b]);
    });
  }
  for (std::size_t start = 0; start < v.size(); ++start) {
    if (from[start] == start) continue;
    T held = std::move(v[start]);
    std::size_t at = start;
    while (from[at] != start) {
      advance(kUnitsPerMove);
      const std::size_t next = from[at];
      v[at] = std::move(v[next]);
      from[at] = static_cast<std::uint32_t>(at);
      at = next;
    }
    v[at] = std::move(held);
    from[at] = static_cast<std::uint32_t>(at);
  }
}

// Shorter lists are done within a millisecond or two: a poll at every step would only slow them.
inline constexpr std::size_t kPolledSortItems = std::size_t{1} << 15;

template <class T>
void sort_by_source(std::vector<T>& v) {
  if (v.size() < 2) return;  // most short texts: no call at all
  if (v.size() < kPolledSortItems) sort_by_source_polled_if<false>(v);
  else sort_by_source_polled_if<true>(v);
}

}  // namespace norvane
