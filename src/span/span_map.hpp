#pragma once
// The segment table between a source text and its normalized text, and the builder that
// produces an output text together with its map.
#include <cstddef>
#include <cstdint>
#include <expected>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "error/error.hpp"
#include "span/kept_buffers.hpp"
#include "span/pages.hpp"
#include "span/span.hpp"

namespace norvane {

enum class SegmentKind : std::uint8_t { identity, replace, delete_, expand };

// "identity", "replace", "delete" or "expand".
std::string_view segment_kind_name(SegmentKind kind);

struct Segment {
  RuleSet rules;  // empty for identity segments
  Span src;
  Span dst;
  NormalizationCost cost;
  SegmentKind kind = SegmentKind::identity;

  bool operator==(const Segment&) const = default;
};

// The kind of a transformed (non-identity) segment with these two sides.
inline SegmentKind kind_from_shape(const Span& src, const Span& dst) {
  if (dst.is_empty()) return SegmentKind::delete_;
  if (src.char_len() < dst.char_len()) return SegmentKind::expand;
  return SegmentKind::replace;
}

// A (byte, char) position.
using Position = std::pair<std::uint32_t, std::uint32_t>;

// What a segment does apart from where it lies: its rules, cost and kind. A map keeps each
// distinct change once; its segments hold the change's number.
struct SegmentChange {
  RuleSet rules;
  NormalizationCost cost;
  SegmentKind kind = SegmentKind::identity;

  bool operator==(const SegmentChange&) const = default;
};

// A segment as a map stores it: where it ends on both sides (it starts where the one before it
// ends) and its change, a number in the map's table with the kind in the top two bits. 20 bytes
// where a Segment takes 48: maps of dense or hostile text hold about one segment per input byte.
struct SegmentEnd {
  std::uint32_t src_byte, src_char, dst_byte, dst_char;
  std::uint32_t change;  // 0: an identity segment without rules or cost

  static constexpr int kKindShift = 30;
  static constexpr std::uint32_t kNumberMask = (std::uint32_t{1} << kKindShift) - 1;

  Position src() const { return {src_byte, src_char}; }
  Position dst() const { return {dst_byte, dst_char}; }
  SegmentKind kind() const { return static_cast<SegmentKind>(change >> kKindShift); }
};

class SpanMapWriter;

// A map's distinct changes, in the order they were first written. The first few are held in
// place: a short text's map holds one to three, and a list of its own would cost an allocation
// and a free (and a regrowth at each doubling) for every map a pass or a composition makes.
class ChangeTable {
 public:
  ChangeTable() = default;
  ChangeTable(const ChangeTable& other) : size_(other.size_), more_(other.more_) {
    copy_in_place(other);
  }
  ChangeTable& operator=(const ChangeTable& other) {
    size_ = other.size_;
    more_ = other.more_;
    copy_in_place(other);
    return *this;
  }
  // A moved-from table is empty, as a moved-from list would be.
  ChangeTable(ChangeTable&& other) noexcept : size_(other.size_), more_(std::move(other.more_)) {
    copy_in_place(other);
    other.size_ = 0;
  }
  ChangeTable& operator=(ChangeTable&& other) noexcept {
    size_ = other.size_;
    more_ = std::move(other.more_);
    copy_in_place(other);
    other.size_ = 0;
    other.more_.clear();
    return *this;
  }

  std::size_t size() const { return size_; }
  const SegmentChange& operator[](std::size_t i) const {
    return i < kInPlace ? in_place_.items[i] : more_[i - kInPlace];
  }
  void push_back(const SegmentChange& change) {
    if (size_ < kInPlace) in_place_.items[size_] = change;
    else more_.push_back(change);
    ++size_;
  }

 private:
  static constexpr std::size_t kInPlace = 4;
  // Only the changes in use are copied: the others were never written.
  void copy_in_place(const ChangeTable& other) {
    for (std::size_t i = 0; i < other.size_ && i < kInPlace; ++i)
      in_place_.items[i] = other.in_place_.items[i];
  }

  // Left unwritten until used: maps are made and moved several times a pass, most of them
  // with no change at all.
  union InPlace {
    InPlace() {}
    SegmentChange items[kInPlace];
  } in_place_;
  std::size_t size_ = 0;
  std::vector<SegmentChange> more_;  // changes kInPlace on
};

// The first index in [0, n) whose item fails `holds`, for items that hold up to some index and
// fail from there on; probed in the order of std::partition_point.
template <class Holds>
std::size_t first_index(std::size_t n, Holds holds) {
  std::size_t first = 0;
  while (n > 0) {
    const std::size_t half = n >> 1;
    if (holds(first + half)) {
      first += half + 1;
      n -= half + 1;
    } else {
      n = half;
    }
  }
  return first;
}

// The same answer, searched outwards from `near` (any value): forwards the next kNearSteps
// items one by one, then steps of 1, 2, 4, ... bracket it, then halves within the last step.
// An answer near `near` costs a few probes, a far one about twice a plain search; for queries
// that come mostly in order.
inline constexpr std::size_t kNearSteps = 8;
template <class Holds>
std::size_t first_index_near(std::size_t n, std::size_t near, Holds holds) {
  std::size_t lo = 0, hi = n;  // the answer lies in [lo, hi]
  if (near > n) near = n;
  if (near > 0 && !holds(near - 1)) {
    hi = near - 1;
    for (std::size_t step = 1; hi > 0; step *= 2) {
      const std::size_t probe = hi - (step < hi ? step : hi);
      if (holds(probe)) {
        lo = probe + 1;
        break;
      }
      hi = probe;
    }
  } else {
    lo = near;
    // Most answers lie a few items on (a text's next number a few segments after the last):
    // they are stepped to one by one, each probe cheaper than a gallop's.
    for (const std::size_t stepped_end = n - lo > kNearSteps ? lo + kNearSteps : n;
         lo < stepped_end; ++lo)
      if (!holds(lo)) return lo;
    for (std::size_t step = 1; lo < n; step *= 2) {
      const std::size_t probe = (n - lo > step ? lo + step : n) - 1;
      if (!holds(probe)) {
        hi = probe;
        break;
      }
      lo = probe + 1;
    }
  }
  return lo + first_index(hi - lo, [&](std::size_t i) { return holds(lo + i); });
}

class SpanMap {
 public:
  SpanMap() = default;
  // Any list of segments, even one that would not validate (validate() reports it).
  explicit SpanMap(const std::vector<Segment>& segments);

  static SpanMap identity(std::string_view text);
  // The identity map of a text whose size and character count are known.
  static SpanMap identity(std::uint32_t bytes, std::uint32_t chars);
  // Makes this map that identity in the room it has: a map kept from call to call then costs
  // no allocation.
  void become_identity(std::uint32_t bytes, std::uint32_t chars);

  std::size_t len() const { return bounds_.empty() ? 0 : bounds_.size() - 1; }
  bool empty() const { return bounds_.empty(); }
  // How many distinct changes other than the plain identity the map keeps.
  std::size_t change_count() const { return changes_.size(); }
  // Segment i, made from the stored ends.
  Segment operator[](std::size_t i) const {
    const SegmentEnd& e = end_of(i);
    const SegmentEnd& from = start_of(i);
    const SegmentChange& c = change(e.change);
    Segment s;
    s.rules = c.rules;
    s.cost = c.cost;
    s.kind = c.kind;
    s.src = Span{from.src_byte, e.src_byte, from.src_char, e.src_char};
    s.dst = Span{from.dst_byte, e.dst_byte, from.dst_char, e.dst_char};
    return s;
  }
  // All segments, made from the stored ends (a new list).
  std::vector<Segment> segments() const;

  // Single fields of segment i, for walks that read few of them.
  const SegmentEnd& end_of(std::size_t i) const { return bounds_[i + 1]; }
  // Where segment i starts (its change field means nothing).
  const SegmentEnd& start_of(std::size_t i) const { return loose() ? starts_[i] : bounds_[i]; }
  const SegmentChange& change_of(std::size_t i) const { return change(end_of(i).change); }
  const SegmentChange& change(std::uint32_t tagged) const {
    const std::uint32_t number = tagged & SegmentEnd::kNumberMask;
    return number ? changes_[number - 1] : kIdentityChange;
  }
  SegmentKind kind_of(std::size_t i) const { return end_of(i).kind(); }
  std::uint32_t src_byte_start(std::size_t i) const { return start_of(i).src_byte; }
  std::uint32_t src_char_start(std::size_t i) const { return start_of(i).src_char; }
  std::uint32_t dst_byte_start(std::size_t i) const { return start_of(i).dst_byte; }
  std::uint32_t dst_char_start(std::size_t i) const { return start_of(i).dst_char; }

  // Whether every segment starts where the one before it ends (every map but a hand-made
  // one that fails validation).
  bool contiguous() const { return !loose(); }

  Position src_end() const;
  Position dst_end() const;
  bool is_identity() const;

  Result<void> validate() const;
  SourceSpan to_source(Span query) const;
  // The same for queries near one another: the segments are searched outwards from `cursor`,
  // where the previous query left it. Any value of it gives the same answer. Without
  // `with_rules` the rules are left empty: a caller that keeps only the span and the cost
  // spares their list.
  SourceSpan to_source(Span query, std::size_t& cursor, bool with_rules = true) const;
  // Whether the output span lies within one stretch copied from the source unchanged (a
  // cheaper question than to_source: no rules, no costs).
  bool copies(Span query) const;
  static Result<SpanMap> compose(const SpanMap& inner, const SpanMap& outer);
  // The same, taking the two maps: the pages of their segments are given back as the walk
  // passes them.
  static Result<SpanMap> compose(SpanMap&& inner, SpanMap&& outer);
  // Hands a map no longer needed to its thread's kept buffers (see kept_buffers.hpp).
  static void give_back(SpanMap&& map);

  // Equal segment lists, however they are stored.
  bool operator==(const SpanMap& other) const;

  // The stored bounds: the origin, then the end of each segment in turn (segment i starts at
  // bound i unless the map keeps its starts apart). For walks that give back pages they have
  // passed.
  std::vector<SegmentEnd>& stored_bounds() { return bounds_; }

 private:
  friend class SpanMapWriter;
  // Segments that do not start where the one before ends (only hand-made maps that fail
  // validation) keep their starts as well, in starts_, one per segment.
  bool loose() const { return !starts_.empty(); }

  static constexpr SegmentChange kIdentityChange{};

  // to_source of a query whose segments are first..last-1 (the first that ends after its
  // start, the first that starts at or after its end).
  SourceSpan source_of(Span query, std::size_t first, std::size_t last,
                       bool with_rules = true) const;

  std::vector<SegmentEnd> bounds_;  // empty, or the origin and one end per segment
  ChangeTable changes_;             // change n is changes_[n - 1]
  std::vector<SegmentEnd> starts_;  // empty unless loose
};

// The last N entries written, the newest in place of the oldest. Entries never written are
// neither stored nor read: a builder and its writer are made for every pass that changes a
// text, and zeroing their caches cost a short text more than their look-ups.
template <class T, std::size_t N>
class RecentRing {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  RecentRing() {}
  RecentRing(const RecentRing& other) : used_(other.used_), next_(other.next_) {
    for (std::size_t i = 0; i < used_; ++i) std::construct_at(&items_.at[i], other.items_.at[i]);
  }
  RecentRing& operator=(const RecentRing& other) {
    used_ = other.used_;
    next_ = other.next_;
    for (std::size_t i = 0; i < used_; ++i) std::construct_at(&items_.at[i], other.items_.at[i]);
    return *this;
  }

  // The first entry written that `matches`, or nullptr.
  template <class Match>
  const T* find(Match matches) const {
    for (std::size_t i = 0; i < used_; ++i)
      if (matches(items_.at[i])) return &items_.at[i];
    return nullptr;
  }
  void push(const T& item) {
    std::construct_at(&items_.at[next_], item);
    next_ = next_ + 1 == N ? 0 : next_ + 1;
    if (used_ < N) ++used_;
  }
  void clear() { used_ = next_ = 0; }

 private:
  union Items {
    Items() {}
    T at[N];
  } items_;
  std::size_t used_ = 0, next_ = 0;
};

// Appends segments to a map, keeping each distinct change once.
class SpanMapWriter {
 public:
  SpanMapWriter() = default;
  // A writer with room for `segments` from the start, for a map of `source_bytes` (see
  // expect_source_bytes).
  SpanMapWriter(std::size_t segments, std::size_t source_bytes)
      : expected_src_bytes_(source_bytes) {
    map_.bounds_ = kept::take_vector<SegmentEnd>(segments + 1);
  }

  void reserve(std::size_t segments) {
    if (map_.bounds_.capacity() == 0) map_.bounds_ = kept::take_vector<SegmentEnd>(segments + 1);
    else map_.bounds_.reserve(segments + 1);
  }

  // The source bytes the map will cover, when known: a large map then grows to the size its
  // segments so far project, not by doublings that copy it again and again.
  void expect_source_bytes(std::size_t bytes) { expected_src_bytes_ = bytes; }

  // This change as the map being written stores it (its number and kind).
  std::uint32_t intern(const SegmentChange& change);

  // Appends a segment; adjacent identity segments fold into one.
  void push(const Span& src, const Span& dst, std::uint32_t change) {
    if (change == 0 && fold_identity(src.end_position(), dst.end_position())) return;
    push_unfolded(src, dst, change);
  }
  // Appends a segment as it is.
  void push_unfolded(const Span& src, const Span& dst, std::uint32_t change) {
    std::vector<SegmentEnd>& bounds = map_.bounds_;
    if (bounds.size() == bounds.capacity() || bounds.empty()) [[unlikely]]
      grow();
    if (!loose_) [[likely]] {
      const SegmentEnd& last = bounds.back();
      if (src.byte_start != last.src_byte || src.char_start != last.src_char ||
          dst.byte_start != last.dst_byte || dst.char_start != last.dst_char) [[unlikely]]
        become_loose();
    }
    if (loose_) [[unlikely]]
      map_.starts_.push_back(
          SegmentEnd{src.byte_start, src.char_start, dst.byte_start, dst.char_start, 0});
    bounds.push_back(SegmentEnd{src.byte_end, src.char_end, dst.byte_end, dst.char_end, change});
  }
  // Appends a segment that starts where the last one ends, as builders write them; an
  // identity folds into an identity before it.
  void push_next(const SegmentEnd& end) {
    if (end.change == 0 && fold_identity(end.src(), end.dst())) return;
    std::vector<SegmentEnd>& bounds = map_.bounds_;
    if (bounds.size() == bounds.capacity() || bounds.empty()) [[unlikely]]
      grow();
    bounds.push_back(end);
  }

  // Whether a segment starting at these positions would follow the last one without a gap,
  // so that push_next may append it.
  bool continues_at(Position src, Position dst) const {
    const std::vector<SegmentEnd>& bounds = map_.bounds_;
    return !loose_ && !bounds.empty() && bounds.back().src() == src && bounds.back().dst() == dst;
  }

  std::size_t len() const { return map_.len(); }
  SpanMap finish();

 private:
  [[gnu::cold]] void become_loose();
  // Room for the next end; an empty map gets its origin first.
  [[gnu::noinline]] void grow();
  // Moves the end of a last identity segment to these ends; false if the last is no identity.
  bool fold_identity(Position src_end, Position dst_end) {
    std::vector<SegmentEnd>& bounds = map_.bounds_;
    if (bounds.size() < 2 || bounds.back().kind() != SegmentKind::identity) return false;
    SegmentEnd& last = bounds.back();
    last.src_byte = src_end.first;
    last.src_char = src_end.second;
    last.dst_byte = dst_end.first;
    last.dst_char = dst_end.second;
    return true;
  }
  std::uint32_t intern_new(const SegmentChange& change);

  SpanMap map_;
  bool loose_ = false;                  // a segment did not start where the one before ended
  std::size_t expected_src_bytes_ = 0;  // 0: not known
  // Segments written before their density is taken to hold for the rest of the source.
  static constexpr std::size_t kProjectFrom = 512;
  // The last changes interned: a pass writes the same few over and over.
  struct Recent {
    SegmentChange change;
    std::uint32_t id;
  };
  RecentRing<Recent, 4> recent_;
  struct ChangeHash {
    std::size_t operator()(const SegmentChange& c) const;
  };
  // Changes are looked up by scanning until there are more than this many, then by hash.
  static constexpr std::size_t kScannedChanges = 16;
  std::unordered_map<SegmentChange, std::uint32_t, ChangeHash> ids_;  // empty while scanned
};

enum class AbsorbClass : std::uint8_t { whitespace, separator, other };
// The class called "whitespace", "separator" or "other", or why not.
std::expected<AbsorbClass, std::string> absorb_class_named(std::string_view name);

class SpanMapBuilder {
 public:
  // A pass makes a builder only once it changes something, so it writes at least a kept
  // stretch and a changed one, and in short texts rarely more than a few: room for the first
  // few spares the doublings from one.
  // The buffers are taken straight into the members (a move assignment of each cost a pass's
  // builder some forty instructions more).
  explicit SpanMapBuilder(std::size_t reserve = 0)
      : expected_source_(reserve),
        segments_(kFirstSegments, reserve),
        output_(kept::take_text(reserve)) {}

  // Every operation does nothing when its source text is empty.
  // Rule names must outlive every map built from them (static or interned).
  void keep(std::string_view text);
  void replace(std::string_view src_text, std::string_view dst_text, RuleName rule);
  // replace() of one character by one ASCII byte (a folded character): the same segment, its
  // change recalled from the last such replacement of the rule.
  void replace_char(std::string_view src_char, char ascii, RuleName rule);
  void numeral(std::string_view src_text, std::string_view dst_text, RuleName rule);
  // The same, costed as `expanded` syllables whatever the source's length.
  void numeral(std::string_view src_text, std::string_view dst_text, RuleName rule,
               std::uint16_t expanded);
  void absorb(std::string_view src_text, RuleName rule, AbsorbClass cls);
  // The bytes taken in and written so far.
  std::size_t src_bytes() const { return src_byte_; }
  std::size_t dst_bytes() const { return dst_byte_; }

  struct Output {
    std::string text;
    SpanMap map;
  };
  // Hands out the output text and the map; the builder is left empty.
  Output finish();

 private:
  // src_chars: the characters of src_text, which the caller has counted.
  void push_transformed(std::string_view src_text, std::string_view dst_text, RuleName rule,
                        NormalizationCost cost, std::size_t src_chars);

  static constexpr std::size_t kFirstSegments = 8;
  // Appends text to the output and adds its characters to `chars`.
  void append_counting(std::string_view text, std::uint32_t& chars);

  // An output that outgrows the room its pass reserved (numerals read out grow) moves to a
  // larger buffer block by block, polling between them (see pages::reserve_polled). Only a
  // change that writes more than one byte can grow it past its source: it makes room for itself
  // and for the rest of the expected source kept as it is, so that keeps never need to grow it.
  void make_room_after(std::size_t bytes) {
    const std::size_t rest = expected_source_ > src_byte_ ? expected_source_ - src_byte_ : 0;
    if (output_.capacity() - output_.size() < bytes + rest) [[unlikely]]
      pages::reserve_polled(output_, bytes + rest);
  }
  std::size_t expected_source_ = 0;  // the source bytes the pass said it would write

  SpanMapWriter segments_;
  std::string output_;
  std::uint32_t src_byte_ = 0, src_char_ = 0, dst_byte_ = 0, dst_char_ = 0;
  // A pass writes the same few rules over and over (a separator pass alternates between a
  // few): the sets of the last kRecentRules, by where each name lives.
  RuleSet set_of(RuleName rule);
  struct RecentRule {
    const char* data;
    std::size_t size;
    RuleSet set;
  };
  RecentRing<RecentRule, 4> recent_rules_;
  // A separator pass absorbs thousands of separators of a few rules and lengths: the change
  // of each (rule, class, characters) it absorbed last, by where the rule's name lives, so
  // that most absorbs neither make a change nor intern it. Numbers of the map being written:
  // forgotten when it is finished.
  struct RecentAbsorb {
    const char* data;
    std::size_t size;
    std::uint32_t chars;
    AbsorbClass cls;
    std::uint32_t change;
  };
  RecentRing<RecentAbsorb, 4> recent_absorbs_;
  // The change of replace_char's last rule (a run of full-width digits folds one after another).
  struct RecentCharChange {
    const char* data = nullptr;
    std::size_t size = 0;
    std::uint32_t change = 0;
  };
  RecentCharChange recent_char_change_;
};

// A builder or writer that a pass makes only once it changes something: as std::optional, but a
// pass that changes nothing does not pay for zeroing its storage (an optional's empty state
// zeroes its whole storage with g++ 12: some 450 bytes for a builder, 320 for a writer, each
// pass).
template <class T>
class MadeIfChanged {
 public:
  MadeIfChanged() {}
  MadeIfChanged(const MadeIfChanged&) = delete;
  MadeIfChanged& operator=(const MadeIfChanged&) = delete;
  ~MadeIfChanged() {
    if (made_) value_.~T();
  }

  explicit operator bool() const { return made_; }
  template <class... Args>
  T& emplace(Args&&... args) {
    if (made_) value_.~T();
    made_ = false;
    new (&value_) T(std::forward<Args>(args)...);
    made_ = true;
    return value_;
  }
  T* operator->() { return &value_; }

 private:
  union {
    T value_;
  };
  bool made_ = false;
};

using BuilderIfChanged = MadeIfChanged<SpanMapBuilder>;

}  // namespace norvane
