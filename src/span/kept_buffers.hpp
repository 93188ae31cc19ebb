#pragma once
// Large buffers a call has finished with, kept by its thread for the next call. A buffer of a
// large text that the heap frees is often given back to the system at the end of the call (the
// top of the heap is trimmed), and the next call faults every page of it in afresh: on 1 MB of
// text that is about a thousand page faults a call. Each thread keeps a few such buffers, at
// most kKeptBytes of them together, so that a thread's next call of the same size writes into
// pages it already has. Threads share nothing: each one's buffers are its own.
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "span/pages.hpp"

namespace norvane::kept {

// Smaller buffers are not kept: the heap serves them from memory it holds anyway.
inline constexpr std::size_t kMinBytes = std::size_t{64} << 10;
// All the buffers a thread keeps together, whatever their kind: what a thread holds between
// calls stays bounded, and a much larger text's buffers are freed as before.
inline constexpr std::size_t kKeptBytes = std::size_t{16} << 20;
// Buffers of one kind a thread keeps.
inline constexpr std::size_t kSlots = 8;

// Bytes the calling thread keeps in all its shelves.
std::size_t& kept_bytes();

// Frees every buffer the calling thread keeps: a call stopped by an interrupt or out of memory
// leaves nothing behind.
void drop_all();
// Each kind's shelf of a thread registers how to empty it when the thread first uses it.
void on_drop_all(void (*drop)());

template <class Buffer>
std::size_t bytes_of(const Buffer& b) {
  return b.capacity() * sizeof(typename Buffer::value_type);
}

// The kept buffers of one kind (std::string or a std::vector of trivially destructible items).
template <class Buffer>
class Shelf {
  static_assert(std::is_trivially_destructible_v<typename Buffer::value_type>);

 public:
  // An empty buffer with room for at least `items`: the smallest kept one that has it, else a
  // new one with that much room reserved (and the kept ones of this kind are freed).
  static Buffer take(std::size_t items) {
    Shelf& s = mine();
    std::size_t best = kSlots;
    for (std::size_t i = 0; i < s.count_; ++i) {
      if (s.slots_[i].capacity() >= items &&
          (best == kSlots || s.slots_[i].capacity() < s.slots_[best].capacity()))
        best = i;
    }
    Buffer out;
    if (best == kSlots) {
      // Every kept buffer of this kind is too small for the texts this thread now reads: they
      // go back to the heap, which may join them into the new one instead of growing.
      drop();
      out.reserve(items);
      return out;
    }
    out = std::move(s.slots_[best]);
    s.slots_[best] = std::move(s.slots_[--s.count_]);
    s.slots_[s.count_] = Buffer();
    kept_bytes() -= bytes_of(out);
    out.clear();
    return out;
  }

  // Keeps a large buffer the caller has finished with when there is room for it; otherwise it
  // is freed. The buffer is left empty either way. Small ones go through give_text and
  // give_vector without a call.
  [[gnu::noinline]] static void give(Buffer&& b) {
    Buffer held = std::move(b);
    b = Buffer();
    const std::size_t bytes = bytes_of(held);
    if (bytes < kMinBytes || bytes > kKeptBytes - kept_bytes()) return;
    Shelf& s = mine();
    if (s.count_ == kSlots) {
      // Full: the smallest kept buffer makes room for a larger one.
      std::size_t smallest = 0;
      for (std::size_t i = 1; i < kSlots; ++i)
        if (s.slots_[i].capacity() < s.slots_[smallest].capacity()) smallest = i;
      if (bytes_of(s.slots_[smallest]) >= bytes) return;
      kept_bytes() -= bytes_of(s.slots_[smallest]);
      s.slots_[smallest] = Buffer();
      s.slots_[smallest] = std::move(held);
      kept_bytes() += bytes;
      return;
    }
    kept_bytes() += bytes;
    s.slots_[s.count_++] = std::move(held);
  }

  Shelf() { on_drop_all(&Shelf::drop); }
  ~Shelf() { kept_bytes() -= bytes(); }

  // Frees this thread's buffers of this kind.
  static void drop() {
    Shelf& s = mine();
    kept_bytes() -= s.bytes();
    for (std::size_t i = 0; i < s.count_; ++i) s.slots_[i] = Buffer();
    s.count_ = 0;
  }

  // Bytes this thread's shelf of this kind keeps.
  static std::size_t kept() { return mine().bytes(); }

  // Gives back the pages of this thread's kept buffers of more than `bytes`. They stay kept,
  // empty: a take faults their pages in again as it would a new buffer's.
  static void release_pages_over(std::size_t bytes) {
    Shelf& s = mine();
    for (std::size_t i = 0; i < s.count_; ++i) {
      if (bytes_of(s.slots_[i]) <= bytes) continue;
      s.slots_[i].clear();
      pages::release_storage(s.slots_[i]);
    }
  }

 private:
  static Shelf& mine() {
    static thread_local Shelf shelf;
    return shelf;
  }
  std::size_t bytes() const {
    std::size_t n = 0;
    for (std::size_t i = 0; i < count_; ++i) n += bytes_of(slots_[i]);
    return n;
  }
  std::array<Buffer, kSlots> slots_{};
  std::size_t count_ = 0;
};

// Small buffers a thread has finished with, a few of each kind, for the next one it needs: a
// short text's passes each write a text and a map of a few hundred bytes that the detection
// frees again, and the heap's allocation and free of each cost more than writing into them.
// Apart from the shelves: no search for the best fit, no budget but their size and number.
inline constexpr std::size_t kSpareBytes = 4096;
inline constexpr std::size_t kSpareSlots = 4;

// What a thread keeps on the heap until it ends.
struct ThreadOwned {
  virtual ~ThreadOwned() = default;
  ThreadOwned* next = nullptr;
};
// Deletes `owned` when the calling thread ends.
void own_until_thread_exit(ThreadOwned* owned);

template <class Buffer>
class Spares : public ThreadOwned {
  // A spare holds no items (keep empties it), so its items may have destructors: a spare list
  // of findings frees their own lists when kept, unless these were handed over first.

 public:
  // An empty buffer with room for at least `items`: the last kept one that has it, else a new
  // one with that much room reserved.
  static Buffer take(std::size_t items) {
    Spares& s = mine();
    for (std::size_t i = s.count_; i-- > 0;) {
      if (s.slots_[i].capacity() < items) continue;
      const std::size_t last = --s.count_;
      if (i != last) s.slots_[i].swap(s.slots_[last]);
      return std::move(s.slots_[last]);  // the slot is left without a buffer
    }
    Buffer out;
    out.reserve(items);
    return out;
  }

  // Keeps b, emptied, when it holds a buffer of at most kSpareBytes and a slot is free (b is
  // then left without one); otherwise b is left as it is, for its owner to free.
  static bool keep(Buffer& b) {
    if (b.capacity() <= no_buffer() || bytes_of(b) > kSpareBytes) return false;
    Spares& s = mine();
    if (s.count_ == kSpareSlots) return false;
    b.clear();
    s.slots_[s.count_++] = std::move(b);
    return true;
  }

  // Frees this thread's spares of this kind.
  static void drop() {
    Spares& s = mine();
    for (std::size_t i = 0; i < s.count_; ++i) s.slots_[i] = Buffer();
    s.count_ = 0;
  }
  // How many this thread keeps.
  static std::size_t count() { return mine().count_; }

  Spares() { on_drop_all(&Spares::drop); }
  ~Spares() override { at_ = nullptr; }

 private:
  // The capacity of a buffer that owns no memory (a string's own room). Not a constant: clang
  // does not evaluate libstdc++ 12's std::string constructor at compile time.
  static std::size_t no_buffer() { return Buffer().capacity(); }

  // The thread's spares live on the heap, reached through an initial-exec pointer: the
  // module's thread-locals all sit in the loader's static TLS room, which has no room for the
  // slots themselves, and a thread-local with a destructor costs a __tls_get_addr call and a
  // guard at each use.
  static Spares& mine() {
    if (Spares* at = at_) return *at;
    return made();
  }
  [[gnu::noinline]] static Spares& made() {
    auto* made = new Spares;
    own_until_thread_exit(made);
    return *(at_ = made);
  }
  [[gnu::tls_model("initial-exec")]] static inline constinit thread_local Spares* at_ = nullptr;

  std::array<Buffer, kSpareSlots> slots_{};
  std::size_t count_ = 0;
};

// An empty text buffer with room for `bytes`: a kept (large) or spare (small) one when one has
// the room.
inline std::string take_text(std::size_t bytes) {
  if (bytes >= kMinBytes) return Shelf<std::string>::take(bytes);
  return Spares<std::string>::take(bytes);
}
// Keeps a text buffer the caller has finished with (see Shelf::give, Spares::keep); one of
// neither size is left to its owner, who frees it as before.
inline void give_text(std::string&& s) {
  if (bytes_of(s) >= kMinBytes) Shelf<std::string>::give(std::move(s));
  else Spares<std::string>::keep(s);
}

template <class T>
std::vector<T> take_vector(std::size_t items) {
  if (items * sizeof(T) >= kMinBytes) return Shelf<std::vector<T>>::take(items);
  return Spares<std::vector<T>>::take(items);
}
template <class T>
void give_vector(std::vector<T>&& v) {
  if (bytes_of(v) >= kMinBytes) Shelf<std::vector<T>>::give(std::move(v));
  else Spares<std::vector<T>>::keep(v);
}

}  // namespace norvane::kept
