#pragma once
// Giving memory that will not be read again back to the system before it is freed.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "error/interrupt.hpp"

namespace norvane::pages {

// Below this many bytes nothing is given back: not worth a system call.
inline constexpr std::size_t kReleaseBytes = std::size_t{1} << 20;

// Drops the whole pages inside [from, to) (their contents read as zeros afterwards). The caller
// must never read those bytes again; freeing the block they belong to stays as it was.
void release(const void* from, const void* to);

// Gives back the whole pages of a string's or a vector's buffer before it is freed: freed memory
// in the middle of the heap stays resident, and what comes next may not fit in it.
template <class Container>
void release_storage(const Container& c) {
  using Item = typename Container::value_type;
  static_assert(std::is_trivially_destructible_v<Item>);
  if (c.capacity() * sizeof(Item) < kReleaseBytes) return;
  release(c.data(), c.data() + c.capacity());
}

// Makes room for one more item in a large vector of trivially destructible items without
// holding the old and the new buffer whole at once: the old one is given back as it is copied.
// The copy of a large buffer faults in every page of the new one: it polls between blocks.
template <class T>
void grow_for_one(std::vector<T>& v) {
  static_assert(std::is_trivially_destructible_v<T> && std::is_trivially_copyable_v<T>);
  if (v.size() < v.capacity() || v.capacity() * sizeof(T) < kReleaseBytes) return;
  std::vector<T> bigger;
  bigger.reserve(v.capacity() * 2);
  constexpr std::size_t kBlock = kReleaseBytes / sizeof(T);
  interrupt::Poll poll;
  for (std::size_t at = 0; at < v.size(); at += kBlock) {
    const T* const first = v.data() + at;
    const T* const last = v.data() + std::min(v.size(), at + kBlock);
    bigger.insert(bigger.end(), first, last);
    release(first, last);
    poll.advance(kReleaseBytes);
  }
  v = std::move(bigger);
}

// Makes v hold `count` items (value-initialised past its size) a block at a time, polling
// between blocks: a million empty results fault some hundred megabytes in.
template <class T>
void resize_polled(std::vector<T>& v, std::size_t count) {
  constexpr std::size_t kBlock = 4096;
  v.reserve(count);
  interrupt::Poll poll;
  while (v.size() < count) {
    v.resize(std::min(count, v.size() + kBlock));
    poll.advance(kBlock * sizeof(T));
  }
}

// Appends a large text to out in blocks, polling between them: a large copy faults in a page
// every 4 KiB, some tens of milliseconds for a hundred megabytes.
void append_in_blocks(std::string& out, std::string_view text);

inline void append_polled(std::string& out, std::string_view text) {
  if (text.size() < kReleaseBytes) [[likely]]
    out.append(text);
  else append_in_blocks(out, text);
}

// A copy of text (see append_polled).
inline std::string copy_polled(std::string_view text) {
  if (text.size() < kReleaseBytes) return std::string(text);
  std::string out;
  out.reserve(text.size());
  append_in_blocks(out, text);
  return out;
}

// Makes room in out for `more` bytes past its size; a large text moves to its new buffer as
// grow_for_one moves a vector (the old buffer given back block by block, polls between them).
void reserve_polled(std::string& out, std::size_t more);

}  // namespace norvane::pages
