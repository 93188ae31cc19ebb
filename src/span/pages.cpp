#include "span/pages.hpp"

#include <algorithm>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace norvane::pages {

void release(const void* from, const void* to) {
#if defined(__linux__)
  static const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto first = (reinterpret_cast<std::uintptr_t>(from) + page - 1) / page * page;
  const auto last = reinterpret_cast<std::uintptr_t>(to) / page * page;
  if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
#else
  (void)from, (void)to;
#endif
}

void append_in_blocks(std::string& out, std::string_view text) {
  interrupt::Poll poll;
  for (std::size_t at = 0; at < text.size(); at += kReleaseBytes) {
    const std::string_view block = text.substr(at, kReleaseBytes);
    out.append(block);
    poll.advance(block.size());
  }
}

void reserve_polled(std::string& out, std::size_t more) {
  const std::size_t size = out.size();
  if (out.capacity() - size >= more) return;
  const std::size_t wanted = std::max(size + more, out.capacity() * 2);
  if (out.capacity() < kReleaseBytes) {
    out.reserve(wanted);
    return;
  }
  std::string bigger;
  bigger.reserve(wanted);
  interrupt::Poll poll;
  for (std::size_t at = 0; at < size; at += kReleaseBytes) {
    const std::size_t n = std::min(kReleaseBytes, size - at);
    bigger.append(out.data() + at, n);
    release(out.data() + at, out.data() + at + n);
    poll.advance(n);
  }
  out = std::move(bigger);
}

}  // namespace norvane::pages
