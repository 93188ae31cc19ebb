#include "error/interrupt.hpp"

#include <limits>

namespace norvane::interrupt {

namespace {

struct Installed {
  Check check = nullptr;
  void* context = nullptr;
};

// Read by every Poll made (several per text): the initial-exec model makes that a plain
// load from the thread pointer instead of a call to __tls_get_addr, which a shared library's
// thread-locals otherwise need. It takes 16 bytes of the static TLS room that the loader
// keeps for libraries opened later.
[[gnu::tls_model("initial-exec")]] thread_local Installed installed;

}  // namespace

Scope::Scope(Check check, void* context)
    : previous_check_(installed.check), previous_context_(installed.context) {
  installed = {check, context};
}

Scope::~Scope() { installed = {previous_check_, previous_context_}; }

Poll::Poll()
    : check_(installed.check),
      context_(installed.context),
      left_(check_ ? kUnitsPerCheck : std::numeric_limits<std::int64_t>::max()) {}

void Poll::check() {
  // Without a check left_ starts at the maximum: reaching here takes 2^63 units.
  left_ = kUnitsPerCheck;
  if (check_ && check_(context_)) throw Interrupted{};
}

}  // namespace norvane::interrupt
