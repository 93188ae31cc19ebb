#include "batch/pool.hpp"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "error/interrupt.hpp"

namespace norvane::batch {

namespace {

// Below this much work per thread, starting a thread costs more than it saves.
constexpr std::size_t kMinCostPerThread = 32 * 1024;
// Small items are grouped into units of at least this cost, so the shared counter is touched
// rarely; and of at most 1/kUnitsPerThread of a thread's share, so the last units even out.
constexpr std::size_t kMinUnitCost = 8 * 1024;
constexpr std::size_t kUnitsPerThread = 16;

}  // namespace

std::size_t usable_cores() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof(set), &set) == 0) {
    int n = CPU_COUNT(&set);
    if (n > 0) return static_cast<std::size_t>(n);
  }
  unsigned n = std::thread::hardware_concurrency();
  return n > 0 ? n : 1;
}

Plan plan(std::span<const std::size_t> costs, std::size_t max_threads) {
  Plan result;
  std::size_t total = 0;
  for (std::size_t c : costs) total += c;
  result.threads =
      std::clamp<std::size_t>(total / kMinCostPerThread, 1, std::max<std::size_t>(max_threads, 1));

  const std::size_t unit_cost = std::max(kMinUnitCost, total / (result.threads * kUnitsPerThread));
  Unit open;
  interrupt::Poll poll;  // a million short texts take milliseconds
  for (std::size_t i = 0; i < costs.size(); ++i) {
    if (i % 4096 == 0) poll.advance(4096);
    if (costs[i] >= unit_cost) {
      // A large item is a unit of its own; the run of small ones before it closes first.
      if (open.end > open.begin) result.units.push_back(open);
      result.units.push_back(Unit{i, i + 1, costs[i]});
      open = Unit{i + 1, i + 1, 0};
      continue;
    }
    if (open.end == open.begin) open.begin = open.end = i;
    open.end = i + 1;
    open.cost += costs[i];
    if (open.cost >= unit_cost) {
      result.units.push_back(open);
      open = Unit{i + 1, i + 1, 0};
    }
  }
  if (open.end > open.begin) result.units.push_back(open);
  result.threads = std::min(result.threads, std::max<std::size_t>(result.units.size(), 1));
  // Biggest first evens out the threads' last units; one thread gains nothing from it, and its
  // callers may write their outputs one after another.
  if (result.threads > 1)
    std::stable_sort(result.units.begin(), result.units.end(),
                     [](const Unit& a, const Unit& b) { return a.cost > b.cost; });
  return result;
}

namespace {

bool halt_requested(void* halted) {
  return static_cast<std::atomic<bool>*>(halted)->load(std::memory_order_relaxed);
}

}  // namespace

void run(const Plan& plan, const std::function<void(const Unit&)>& work,
         const std::function<void()>& caller_first) {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> halted{false};
  std::mutex lock;
  std::condition_variable finished;
  std::size_t running = 0;
  std::exception_ptr failure;

  auto fail = [&](std::exception_ptr e) {
    std::lock_guard guard(lock);
    if (!failure) failure = std::move(e);
    halted.store(true, std::memory_order_relaxed);
  };
  auto take_units = [&] {
    try {
      // Units count towards this thread's interrupt check too: many short texts poll rarely
      // on their own.
      interrupt::Poll poll;
      while (!halted.load(std::memory_order_relaxed)) {
        const std::size_t u = next.fetch_add(1, std::memory_order_relaxed);
        if (u >= plan.units.size()) return;
        work(plan.units[u]);
        poll.advance(plan.units[u].cost);
      }
    } catch (...) {
      fail(std::current_exception());
    }
  };
  auto helper = [&] {
    {
      // A helper's polls stop its work once the run is halted.
      interrupt::Scope scope(&halt_requested, &halted);
      take_units();
    }
    std::lock_guard guard(lock);
    --running;
    finished.notify_all();
  };

  std::vector<std::jthread> helpers;
  helpers.reserve(plan.threads - 1);
  for (std::size_t t = 1; t < plan.threads; ++t) {
    try {
      {
        std::lock_guard guard(lock);
        ++running;
      }
      helpers.emplace_back(helper);
    } catch (const std::system_error&) {
      // No more threads to be had: the ones started and the caller do the work.
      std::lock_guard guard(lock);
      --running;
      break;
    }
  }
  if (caller_first) {
    try {
      caller_first();
    } catch (...) {
      fail(std::current_exception());
    }
  }
  take_units();
  // Waiting for the others, the caller keeps polling its interrupt check.
  interrupt::Poll poll;
  std::unique_lock guard(lock);
  while (running > 0) {
    if (finished.wait_for(guard, std::chrono::milliseconds(5), [&] { return running == 0; })) break;
    guard.unlock();
    try {
      poll.advance(interrupt::kUnitsPerCheck + 1);
    } catch (...) {
      fail(std::current_exception());
    }
    guard.lock();
  }
  guard.unlock();
  helpers.clear();  // joins
  if (failure) std::rethrow_exception(failure);
}

}  // namespace norvane::batch
