#pragma once
// Long work can be stopped from outside. Whoever runs it may install a check for the current
// thread (the Python binding installs one that runs the interpreter's pending signal handlers);
// long loops count their work with a Poll, which runs the check every kUnitsPerCheck units
// (about a byte of text each). When the check says stop, the poll throws Interrupted and the
// work unwinds, freeing what it built. Only code that installs a check can see Interrupted, and
// it must catch it; without a check installed a poll never throws.
#include <cstddef>
#include <cstdint>
#include <limits>

namespace norvane::interrupt {

struct Interrupted {};

// Returns true to stop the work.
using Check = bool (*)(void* context);

inline constexpr std::int64_t kUnitsPerCheck = std::int64_t{1} << 18;

// Installs check (may be null: none) for the current thread for the life of the scope.
class Scope {
 public:
  Scope(Check check, void* context);
  ~Scope();
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;

 private:
  Check previous_check_;
  void* previous_context_;
};

namespace detail {

struct Installed {
  Check check = nullptr;
  void* context = nullptr;
};

// The thread's check, read by every Poll made (several per text, so the read is inline): the
// initial-exec model makes that a plain load from the thread pointer instead of a call to
// __tls_get_addr, which a shared library's thread-locals otherwise need, and constinit spares
// the call that checks for a dynamic initializer. It takes 16 bytes of the static TLS room that
// the loader keeps for libraries opened later.
[[gnu::tls_model("initial-exec")]] extern constinit thread_local Installed installed;

}  // namespace detail

// Counts the units of one loop. Cheap: a subtraction per advance; the thread's check is looked
// up once, when the poll is made.
class Poll {
 public:
  Poll()
      : check_(detail::installed.check),
        context_(detail::installed.context),
        left_(check_ ? kUnitsPerCheck : std::numeric_limits<std::int64_t>::max()) {}
  void advance(std::size_t units = 1) {
    left_ -= static_cast<std::int64_t>(units);
    if (left_ < 0) check();
  }
  // For a scan over a text: counts the bytes from the last position reached to this one.
  void reach(std::size_t position) {
    advance(position - reached_);
    reached_ = position;
  }

 private:
  void check();
  Check check_;
  void* context_;
  std::int64_t left_;
  std::size_t reached_ = 0;
};

}  // namespace norvane::interrupt
