// Scaling of the core alone over many short texts: the same texts masked or detected on 1 and 2
// std::threads with no Python, directly (each thread its contiguous half) and through the batch
// functions. Separates the core's own scaling (allocator, caches, shared state) from the batch
// machinery and the binding. Texts come from a file: a little-endian u32 length, then the bytes
// (bench/README.md, "Two threads on short texts", shows how to write batch_bench's short texts).
//
//   cmake -S . -B BUILD -DNORVANE_BENCH=ON && cmake --build BUILD --target batch_scaling
//   BUILD/batch_scaling FILE (mask|detect) (core|batch|source) THREADS ROUNDS
//
// core: each thread masks its contiguous share with the core's mask()/detect(); batch: the batch
// functions over views; source: as the binding calls them (texts made by a source, results moved
// to places made while the work runs).
//
// Prints per round: wall ms, the process's CPU ms, its minor page faults, then (core) each
// thread's CPU ms.
#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "batch/batch.hpp"
#include "detect/detect.hpp"
#include "mask/mask.hpp"

namespace {

double cpu_ms(clockid_t clock) {
  timespec ts;
  clock_gettime(clock, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}
double thread_cpu_ms() { return cpu_ms(CLOCK_THREAD_CPUTIME_ID); }

long minor_faults() {
  rusage u;
  getrusage(RUSAGE_SELF, &u);
  return u.ru_minflt;
}

std::vector<std::string> read_texts(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> texts;
  std::uint32_t n;
  while (in.read(reinterpret_cast<char*>(&n), 4)) {
    std::string t(n, '\0');
    in.read(t.data(), n);
    texts.push_back(std::move(t));
  }
  return texts;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s FILE mask|detect core|batch|source THREADS ROUNDS\n", argv[0]);
    return 2;
  }
  const std::vector<std::string> owned = read_texts(argv[1]);
  const bool masking = std::strcmp(argv[2], "mask") == 0;
  const std::string how = argv[3];
  const std::size_t threads = std::stoul(argv[4]);
  const int rounds = std::stoi(argv[5]);
  std::vector<std::string_view> views(owned.begin(), owned.end());
  const norvane::Config config;
  const norvane::PolicySet policies;
  const std::size_t n = views.size();

  for (int r = 0; r < rounds; ++r) {
    std::vector<norvane::MaskOutput> outputs(masking ? n : 0);
    std::vector<norvane::Report> reports(masking ? 0 : n);
    std::vector<double> cpu(threads, 0);
    const double process0 = cpu_ms(CLOCK_PROCESS_CPUTIME_ID);
    const long faults0 = minor_faults();
    const auto t0 = std::chrono::steady_clock::now();
    if (how == "core") {
      // Each thread its contiguous share; the results kept, as the batch keeps them.
      auto work = [&](std::size_t t) {
        const double c0 = thread_cpu_ms();
        for (std::size_t i = n * t / threads; i < n * (t + 1) / threads; ++i) {
          if (masking) outputs[i] = std::move(*norvane::mask(views[i], policies, config));
          else reports[i] = std::move(*norvane::detect(views[i], config));
        }
        cpu[t] = thread_cpu_ms() - c0;
      };
      std::vector<std::jthread> others;
      for (std::size_t t = 1; t < threads; ++t) others.emplace_back(work, t);
      work(0);
    } else if (how == "batch") {
      norvane::batch::Options options{threads};
      if (masking)
        outputs = std::move(*norvane::batch::mask_many(norvane::batch::Texts{views, false},
                                                       policies, config, options));
      else
        reports = std::move(
            *norvane::batch::detect_many(norvane::batch::Texts{views, false}, config, options));
    } else {
      // As the binding calls it: texts made by a source, results moved to places made before.
      norvane::batch::TextSource source{
          n,
          [&](std::size_t i, std::string& buffer) -> std::optional<std::string_view> {
            buffer.assign(views[i]);
            return std::string_view(buffer);
          },
          [&](std::size_t i) { return views[i].size(); }};
      norvane::batch::Options options{threads};
      std::vector<norvane::MaskOutput*> mask_places;
      std::vector<norvane::Report*> report_places;
      if (masking)
        (void)norvane::batch::mask_many(source, policies, config, options, [&] {
          for (norvane::MaskOutput& out : outputs) mask_places.push_back(&out);
          return std::span<norvane::MaskOutput* const>(mask_places);
        });
      else
        (void)norvane::batch::detect_many(source, config, options, [&] {
          for (norvane::Report& report : reports) report_places.push_back(&report);
          return std::span<norvane::Report* const>(report_places);
        });
    }
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    std::printf("%.1f %.1f %ld |", wall, cpu_ms(CLOCK_PROCESS_CPUTIME_ID) - process0,
                minor_faults() - faults0);
    if (how == "core")
      for (double c : cpu) std::printf(" %.1f", c);
    std::printf("\n");
    std::fflush(stdout);
  }
}
