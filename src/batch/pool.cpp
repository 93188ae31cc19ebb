#include "batch/pool.hpp"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

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
  result.threads = std::clamp<std::size_t>(total / kMinCostPerThread, 1, std::max<std::size_t>(max_threads, 1));

  const std::size_t unit_cost =
      std::max(kMinUnitCost, total / (result.threads * kUnitsPerThread));
  Unit open;
  for (std::size_t i = 0; i < costs.size(); ++i) {
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
  std::stable_sort(result.units.begin(), result.units.end(),
                   [](const Unit& a, const Unit& b) { return a.cost > b.cost; });
  result.threads = std::min(result.threads, std::max<std::size_t>(result.units.size(), 1));
  return result;
}

bool run(const Plan& plan, const std::function<void(const Unit&)>& work, const std::function<bool()>& stop) {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> halted{false};
  std::atomic<bool> stopped{false};
  std::mutex failure_lock;
  std::exception_ptr failure;

  auto worker = [&] {
    try {
      while (!halted.load(std::memory_order_relaxed)) {
        if (stop && stop()) {
          stopped.store(true, std::memory_order_relaxed);
          halted.store(true, std::memory_order_relaxed);
          return;
        }
        const std::size_t u = next.fetch_add(1, std::memory_order_relaxed);
        if (u >= plan.units.size()) return;
        work(plan.units[u]);
      }
    } catch (...) {
      std::lock_guard lock(failure_lock);
      if (!failure) failure = std::current_exception();
      halted.store(true, std::memory_order_relaxed);
    }
  };

  {
    std::vector<std::jthread> helpers;
    helpers.reserve(plan.threads - 1);
    try {
      for (std::size_t t = 1; t < plan.threads; ++t) helpers.emplace_back(worker);
    } catch (const std::system_error&) {
      // No more threads to be had: the ones started and the caller do the work.
    }
    worker();
  }  // joins the helpers
  if (failure) std::rethrow_exception(failure);
  return !stopped.load();
}

}  // namespace norvane::batch
