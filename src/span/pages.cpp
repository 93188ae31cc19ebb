#include "span/pages.hpp"

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

}  // namespace norvane::pages
