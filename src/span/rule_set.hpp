#pragma once
// Sets of rule names as small values: each distinct sorted set is kept once for the life of
// the process and a segment holds only its number, so a map pays no heap block per segment.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

namespace norvane {

// Rule names are static strings, or names interned for the life of the process.
using RuleName = std::string_view;
using RuleList = std::vector<RuleName>;

// A rule name read from outside (a pickle, a Python caller) as a copy that lives for the life of
// the process; equal names give the same copy.
RuleName intern_rule(std::string_view name);

class RuleSetUnions;

class RuleSet {
 public:
  RuleSet() = default;  // the empty set
  // The set of these names, sorted by bytes without duplicates.
  static RuleSet of(RuleName rule);
  static RuleSet of(std::span<const RuleName> rules);
  static RuleSet of(std::initializer_list<RuleName> rules) {
    return of(std::span<const RuleName>(rules.begin(), rules.size()));
  }

  // The names of both sets.
  RuleSet operator|(RuleSet other) const;

  // Sorted ascending by bytes, no duplicates; valid for the life of the process.
  std::span<const RuleName> names() const;
  const RuleName* begin() const { return names().data(); }
  const RuleName* end() const {
    const auto n = names();
    return n.data() + n.size();
  }
  std::size_t size() const { return names().size(); }
  RuleName operator[](std::size_t i) const { return names()[i]; }
  bool empty() const { return id_ == 0; }

  // Equal sets are the same set.
  bool operator==(const RuleSet&) const = default;

 private:
  friend class RuleSetUnions;
  explicit RuleSet(std::uint32_t id) : id_(id) {}
  static RuleSet intern(RuleList&& sorted_unique);

  std::uint32_t id_ = 0;
};

// The last unions asked for, so that a walk over many segments asks the process-wide table
// only for the few distinct pairs it meets.
class RuleSetUnions {
 public:
  RuleSet of(RuleSet a, RuleSet b) {
    if (a == b || b.empty()) return a;
    if (a.empty()) return b;
    Entry& e = entries_[slot(a, b)];
    if (!(e.a == a && e.b == b)) e = Entry{a, b, a | b};
    return e.result;
  }

 private:
  struct Entry {
    RuleSet a, b, result;
  };
  static std::size_t slot(RuleSet a, RuleSet b) { return (a.id_ * 5u + b.id_) % kSlots; }
  static constexpr std::size_t kSlots = 8;
  Entry entries_[kSlots];
};

}  // namespace norvane
