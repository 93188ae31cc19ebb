#include "error/interrupt.hpp"

namespace norvane::interrupt {

[[gnu::tls_model("initial-exec")]] constinit thread_local detail::Installed detail::installed;

Scope::Scope(Check check, void* context)
    : previous_check_(detail::installed.check), previous_context_(detail::installed.context) {
  detail::installed = {check, context};
}

Scope::~Scope() { detail::installed = {previous_check_, previous_context_}; }

void Poll::check() {
  // Without a check left_ starts at the maximum: reaching here takes 2^63 units.
  left_ = kUnitsPerCheck;
  if (check_ && check_(context_)) throw Interrupted{};
}

}  // namespace norvane::interrupt
