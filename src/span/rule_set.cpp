#include "span/rule_set.hpp"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "span/kept_buffers.hpp"
#include "span/span.hpp"

namespace norvane {

namespace {

struct ListHash {
  std::size_t operator()(const RuleList& rules) const {
    std::size_t h = rules.size();
    for (RuleName r : rules) h = h * 1000003u ^ std::hash<std::string_view>{}(r);
    return h;
  }
};

// Set n (n >= 1) lives in chunk bit_width(n) - 1, which holds the 2^k sets from 2^k on; chunks
// never move, so a set is read without the lock once its number is known.
struct Table {
  std::mutex mutex;
  std::unordered_map<RuleList, std::uint32_t, ListHash> ids;  // nodes never move
  std::array<std::atomic<const RuleList**>, 32> chunks{};
  std::uint32_t next = 1;  // 0 is the empty set
};

Table& table() {
  static Table* t = new Table();  // never freed: sets outlive every map
  return *t;
}

}  // namespace

std::uint32_t InternedRules::intern(RuleList&& rules) {
  if (rules.empty()) return 0;
  Table& t = table();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto [it, added] = t.ids.try_emplace(std::move(rules), t.next);
  if (added) {
    const std::uint32_t id = t.next++;
    const int k = std::bit_width(id) - 1;
    const RuleList** chunk = t.chunks[k].load(std::memory_order_relaxed);
    if (!chunk) {
      chunk = new const RuleList*[std::size_t{1} << k]();
      t.chunks[k].store(chunk, std::memory_order_release);
    }
    chunk[id - (std::uint32_t{1} << k)] = &it->first;
  }
  return it->second;
}

std::span<const RuleName> InternedRules::names() const {
  if (id_ == 0) return {};
  const int k = std::bit_width(id_) - 1;
  const RuleList* list =
      table().chunks[k].load(std::memory_order_acquire)[id_ - (std::uint32_t{1} << k)];
  return {list->data(), list->size()};
}

namespace {

// The thread's recent sets of one name and unions, on the heap behind an initial-exec pointer:
// the module's thread-locals all sit in the loader's static TLS room, which is nearly full,
// and any other thread-local costs a __tls_get_addr call at each use.
struct RecentRules;
[[gnu::tls_model("initial-exec")]] constinit thread_local RecentRules* recent_rules = nullptr;
struct RecentRules : kept::ThreadOwned {
  // Passes ask for the sets of the same few static names on every call: each is remembered in
  // a slot chosen by where the name lives, which spares the lock, the hash and the list; a
  // name stored elsewhere only misses. The passes' few dozen names share the slots: with 32
  // of them one look-up in six on short texts found its slot taken by another name.
  struct Named {
    const char* data = nullptr;
    std::size_t size = 0;
    RuleSet set;
  };
  static constexpr unsigned kNamedSlotBits = 8;
  std::array<Named, std::size_t{1} << kNamedSlotBits> named{};
  RuleSetUnions unions;

  Named& slot_of(RuleName rule) {
    const std::uint64_t at = reinterpret_cast<std::uintptr_t>(rule.data()) + rule.size();
    return named[(at * 0x9E3779B97F4A7C15u) >> (64 - kNamedSlotBits)];
  }
  ~RecentRules() override { recent_rules = nullptr; }
};

[[gnu::noinline]] RecentRules& made_recent_rules() {
  auto* made = new RecentRules;
  kept::own_until_thread_exit(made);
  return *(recent_rules = made);
}

RecentRules& thread_recent_rules() {
  if (RecentRules* recent = recent_rules) return *recent;
  return made_recent_rules();
}

}  // namespace

RuleSet RuleSet::of(RuleName rule) {
  RecentRules::Named& recent = thread_recent_rules().slot_of(rule);
  if (recent.data == rule.data() && recent.size == rule.size() && !recent.set.empty())
    return recent.set;
  const RuleSet set(intern(RuleList{rule}));
  recent = RecentRules::Named{rule.data(), rule.size(), set};
  return set;
}

RuleSet RuleSet::of(std::span<const RuleName> rules) {
  RuleList sorted(rules.begin(), rules.end());
  sort_unique(sorted);
  return RuleSet(intern(std::move(sorted)));
}

RuleSet RuleSet::operator|(RuleSet other) const {
  if (*this == other || other.empty()) return *this;
  if (empty()) return other;
  const auto a = names(), b = other.names();
  RuleList merged;
  merged.reserve(a.size() + b.size());
  std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(merged));
  return RuleSet(intern(std::move(merged)));
}


RuleSequence RuleSequence::of(std::span<const RuleName> rules) {
  if (rules.empty()) return RuleSequence();
  // A detection's findings repeat the same few lists: the last ones made on this thread are
  // compared name by name (most names are the same static text) before the lock, the hash and
  // a new list.
  // They live on the heap: the module's static thread-local block has little room left.
  struct Recent {
    std::span<const RuleName> names;
    RuleSequence sequence;
  };
  struct RecentSequences {
    std::array<Recent, 16> lists{};
    std::size_t next_slot = 0;
  };
  thread_local std::unique_ptr<RecentSequences> recent;
  if (!recent) recent = std::make_unique<RecentSequences>();
  auto same = [](RuleName a, RuleName b) {
    return (a.data() == b.data() && a.size() == b.size()) || a == b;
  };
  for (const Recent& r : recent->lists)
    if (r.names.size() == rules.size() &&
        std::equal(rules.begin(), rules.end(), r.names.begin(), same))
      return r.sequence;
  const RuleSequence made(intern(RuleList(rules.begin(), rules.end())));
  recent->lists[recent->next_slot] = Recent{made.names(), made};
  recent->next_slot = (recent->next_slot + 1) % recent->lists.size();
  return made;
}

RuleSequence RuleSequence::then(RuleName rule) const {
  const auto n = names();
  RuleList longer;
  longer.reserve(n.size() + 1);
  longer.assign(n.begin(), n.end());
  longer.push_back(rule);
  return of(longer);
}


RuleSetUnions& RuleSetUnions::of_thread() { return thread_recent_rules().unions; }

RuleName intern_rule(std::string_view name) {
  static std::mutex mutex;
  static auto* names =
      new std::unordered_set<std::string>();  // never freed: names outlive every map
  std::lock_guard<std::mutex> lock(mutex);
  return *names->emplace(name).first;
}

}  // namespace norvane
