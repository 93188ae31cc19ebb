#include "span/kept_buffers.hpp"

#include <array>

namespace norvane::kept {

namespace {

// How to empty each kind of buffer kept, on shelves and as spares: six today, room for more.
// On the heap, read only when a kind is first used and by drop_all: the module's thread-locals
// all sit in the loader's static TLS room, which is nearly full.
struct Droppers;
[[gnu::tls_model("initial-exec")]] constinit thread_local Droppers* droppers = nullptr;
struct Droppers : ThreadOwned {
  std::array<void (*)(), 16> drop{};
  std::size_t count = 0;
  ~Droppers() override { droppers = nullptr; }  // a kind first used after this makes new ones
};

// What the thread keeps on the heap, deleted when it ends.
struct Owner {
  ThreadOwned* first = nullptr;
  ~Owner() {
    while (ThreadOwned* owned = first) {
      first = owned->next;
      delete owned;
    }
  }
};
thread_local Owner owner;

}  // namespace

void own_until_thread_exit(ThreadOwned* owned) {
  owned->next = owner.first;
  owner.first = owned;
}

std::size_t& kept_bytes() {
  static thread_local std::size_t bytes = 0;
  return bytes;
}

void on_drop_all(void (*drop)()) {
  if (!droppers) {
    droppers = new Droppers;
    own_until_thread_exit(droppers);
  }
  if (droppers->count < droppers->drop.size()) droppers->drop[droppers->count++] = drop;
}

void drop_all() {
  if (!droppers) return;
  for (std::size_t i = 0; i < droppers->count; ++i) droppers->drop[i]();
}

}  // namespace norvane::kept
