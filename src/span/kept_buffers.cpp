#include "span/kept_buffers.hpp"

#include <array>

namespace norvane::kept {

namespace {

// The kinds of buffers kept, on shelves and as spares: four today, room for a few more.
struct Droppers {
  std::array<void (*)(), 8> drop{};
  std::size_t count = 0;
};
thread_local Droppers droppers;

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
  if (droppers.count < droppers.drop.size()) droppers.drop[droppers.count++] = drop;
}

void drop_all() {
  for (std::size_t i = 0; i < droppers.count; ++i) droppers.drop[i]();
}

}  // namespace norvane::kept
