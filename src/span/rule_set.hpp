#pragma once
// Sets and sequences of rule names as small values: each distinct list is kept once for the life
// of the process and a segment or a finding holds only its number.
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

// A list of rule names by its number in a process-wide table: each distinct list is kept once
// for the life of the process, so a value holding one pays no heap block. Sets and sequences
// share the table (a sorted list is the same list whichever asked for it).
class InternedRules {
 public:
  // Valid for the life of the process.
  std::span<const RuleName> names() const;
  const RuleName* begin() const { return names().data(); }
  const RuleName* end() const {
    const auto n = names();
    return n.data() + n.size();
  }
  std::size_t size() const { return names().size(); }
  RuleName operator[](std::size_t i) const { return names()[i]; }
  bool empty() const { return id_ == 0; }

 protected:
  InternedRules() = default;  // the empty list
  explicit InternedRules(std::uint32_t id) : id_(id) {}
  // The number of this list (0 for none).
  static std::uint32_t intern(RuleList&& rules);

  std::uint32_t id_ = 0;
};

// Names sorted ascending by bytes, no duplicates.
class RuleSet : public InternedRules {
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

  // Equal sets are the same set.
  bool operator==(const RuleSet& other) const { return id_ == other.id_; }

 private:
  friend class RuleSetUnions;
  explicit RuleSet(std::uint32_t id) : InternedRules(id) {}
};

// Names in the order they were added, duplicates kept.
class RuleSequence : public InternedRules {
 public:
  RuleSequence() = default;  // the empty list
  static RuleSequence of(std::span<const RuleName> rules);
  static RuleSequence of(std::initializer_list<RuleName> rules) {
    return of(std::span<const RuleName>(rules.begin(), rules.size()));
  }
  // This list with `rule` after it.
  RuleSequence then(RuleName rule) const;

  bool operator==(const RuleSequence& other) const { return id_ == other.id_; }

 private:
  explicit RuleSequence(std::uint32_t id) : InternedRules(id) {}
};

// The last unions asked for, so that a walk over many segments asks the process-wide table
// only for the few distinct pairs it meets.
class RuleSetUnions {
 public:
  // The calling thread's: the texts of one batch meet the same few pairs (a folded dash the
  // separator pass then absorbs), each a locked look-up and a new list when worked out afresh.
  static RuleSetUnions& of_thread();

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
  // Sixty-four slots by a multiplicative hash of both numbers: the short texts of a batch meet
  // some twenty pairs, which eight slots by a * 5 + b kept evicting (one text in twenty paid a
  // locked look-up and a new list, some 840 instructions).
  static constexpr unsigned kSlotBits = 6;
  static std::size_t slot(RuleSet a, RuleSet b) {
    return ((a.id_ * 0x9E3779B1u) ^ (b.id_ * 0x85EBCA6Bu)) >> (32 - kSlotBits);
  }
  Entry entries_[std::size_t{1} << kSlotBits];
};

}  // namespace norvane
