#pragma once
// Work over many items on several threads: the items are grouped into units (a large item alone,
// neighbouring small items together), the units are taken biggest first from a shared counter, so a
// huge item among small ones starts at once and the other threads share out the rest.
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

namespace norvane::batch {

// Threads this process may run on (its CPU affinity), at least 1.
std::size_t usable_cores();

struct Unit {
  std::size_t begin = 0;  // first item
  std::size_t end = 0;    // one past the last item
  std::size_t cost = 0;
};

struct Plan {
  std::vector<Unit> units;  // biggest first; in input order when one thread runs them all
  std::size_t threads = 1;  // threads worth starting, the caller's included
};

// Cost of an item of `bytes` bytes: its bytes plus a fixed share for the per-item work.
inline std::size_t item_cost(std::size_t bytes) { return bytes + 256; }

// Groups items (costs[i] each) for at most `max_threads` threads. Fewer threads are planned when
// the whole batch is too small to pay for starting them.
Plan plan(std::span<const std::size_t> costs, std::size_t max_threads);

// Runs work(unit) for every unit of the plan, on plan.threads threads (the caller is one of them).
// An exception thrown by work stops the other threads and is rethrown here. The caller's
// interrupt check (error/interrupt.hpp) stops the whole run: it is polled by the caller's own
// work and, once the caller has no unit left, while it waits for the others; the other threads
// then stop at their next poll and interrupt::Interrupted is rethrown here. caller_first, if
// given, runs on the calling thread once the other threads have started, before it takes units:
// serial work of the caller's (such as making the places of the results) overlaps theirs. An
// exception it throws stops the run as one from work does.
void run(const Plan& plan, const std::function<void(const Unit&)>& work,
         const std::function<void()>& caller_first = {});

}  // namespace norvane::batch
