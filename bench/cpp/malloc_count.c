/* Counts the heap allocations of a process between malloc_count_start() and malloc_count_stop(),
   for bench/allocations.py (loaded with LD_PRELOAD). Not thread-safe: one thread at a time.
   Aligned allocations (aligned_alloc, posix_memalign) are not counted. */
#define _GNU_SOURCE
#include <execinfo.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>

extern void* __libc_malloc(size_t);
extern void* __libc_calloc(size_t, size_t);
extern void* __libc_realloc(void*, size_t);
extern void __libc_free(void*);

enum { kLargeBytes = 64 << 10, kLargeKept = 4096 };
static int counting;
static size_t count, bytes, large_count, large_bytes;
static size_t large_sizes[kLargeKept];

/* With MALLOC_COUNT_TRACE set, where each large allocation is made goes to stderr. */
static void trace(size_t n) {
  static int inside;
  if (inside || !getenv("MALLOC_COUNT_TRACE")) return;
  inside = 1;
  void* frames[12];
  const int depth = backtrace(frames, 12);
  fprintf(stderr, "allocation of %zu bytes:\n", n);
  backtrace_symbols_fd(frames, depth, 2);
  inside = 0;
}

static void note(size_t n) {
  if (!counting) return;
  ++count;
  bytes += n;
  if (n >= kLargeBytes) {
    if (large_count < kLargeKept) large_sizes[large_count] = n;
    ++large_count;
    large_bytes += n;
    trace(n);
  }
}

void* malloc(size_t n) { note(n); return __libc_malloc(n); }
void* calloc(size_t k, size_t n) { note(k * n); return __libc_calloc(k, n); }
void* realloc(void* p, size_t n) { note(n); return __libc_realloc(p, n); }
void free(void* p) { __libc_free(p); }

void malloc_count_start(void) { count = bytes = large_count = large_bytes = 0; counting = 1; }
/* Writes the counts: all allocations, their bytes, the large ones and their sizes. */
void malloc_count_stop(char* out, size_t room) {
  counting = 0;
  int at = snprintf(out, room, "%zu %zu %zu %zu", count, bytes, large_count, large_bytes);
  for (size_t i = 0; i < large_count && i < kLargeKept && at > 0 && (size_t)at < room; ++i)
    at += snprintf(out + at, room - at, " %zu", large_sizes[i]);
}
