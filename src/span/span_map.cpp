#include "span/span_map.hpp"

#include <algorithm>
#include <string>

#include "error/interrupt.hpp"
#include "span/debug_text.hpp"
#include "span/kept_buffers.hpp"
#include "span/pages.hpp"
#include "span/utf8.hpp"

namespace norvane {

std::string_view segment_kind_name(SegmentKind kind) {
  switch (kind) {
    case SegmentKind::identity: return "identity";
    case SegmentKind::replace: return "replace";
    case SegmentKind::delete_: return "delete";
    case SegmentKind::expand: return "expand";
  }
  return "identity";
}

// ---------------------------------------------------------------------------
// SpanMap accessors

SpanMap::SpanMap(const std::vector<Segment>& segments) {
  SpanMapWriter writer;
  writer.reserve(segments.size());
  for (const Segment& s : segments) {
    const bool plain = s.kind == SegmentKind::identity && s.rules.empty() && s.cost.is_zero();
    writer.push_unfolded(s.src, s.dst,
                         plain ? 0 : writer.intern(SegmentChange{s.rules, s.cost, s.kind}));
  }
  *this = writer.finish();
}

std::vector<Segment> SpanMap::segments() const {
  std::vector<Segment> out;
  out.reserve(len());
  for (std::size_t i = 0; i < len(); ++i) out.push_back((*this)[i]);
  return out;
}

bool SpanMap::operator==(const SpanMap& other) const {
  if (len() != other.len()) return false;
  for (std::size_t i = 0; i < len(); ++i)
    if (!((*this)[i] == other[i])) return false;
  return true;
}

// What a builder that keeps the whole text gives, without copying the text.
SpanMap SpanMap::identity(std::string_view text) {
  return identity(static_cast<std::uint32_t>(text.size()),
                  static_cast<std::uint32_t>(utf8::count_chars(text)));
}

SpanMap SpanMap::identity(std::uint32_t bytes, std::uint32_t chars) {
  SpanMap m;
  m.become_identity(bytes, chars);
  return m;
}

void SpanMap::become_identity(std::uint32_t bytes, std::uint32_t chars) {
  changes_ = ChangeTable();
  starts_.clear();
  bounds_.clear();
  if (bytes == 0) return;
  bounds_.reserve(2);
  bounds_.push_back(SegmentEnd{0, 0, 0, 0, 0});
  bounds_.push_back(SegmentEnd{bytes, chars, bytes, chars, 0});
}

Position SpanMap::src_end() const {
  if (bounds_.empty()) return {0, 0};
  return bounds_.back().src();
}

Position SpanMap::dst_end() const {
  if (bounds_.empty()) return {0, 0};
  return bounds_.back().dst();
}

bool SpanMap::is_identity() const {
  for (std::size_t i = 0; i < len(); ++i)
    if (kind_of(i) != SegmentKind::identity) return false;
  return true;
}

// ---------------------------------------------------------------------------
// Writer

std::size_t SpanMapWriter::ChangeHash::operator()(const SegmentChange& c) const {
  std::size_t h = std::hash<std::string_view>{}(std::string_view(
      reinterpret_cast<const char*>(c.rules.begin()), c.rules.size() * sizeof(RuleName)));
  h = h * 1000003u ^ c.cost.absorbed_whitespace;
  h = h * 1000003u ^ c.cost.absorbed_separators;
  h = h * 1000003u ^ c.cost.expanded_syllables;
  h = h * 1000003u ^ c.cost.replaced_chars;
  return h * 1000003u ^ static_cast<std::size_t>(c.kind);
}

std::uint32_t SpanMapWriter::intern(const SegmentChange& change) {
  if (const Recent* r = recent_.find([&](const Recent& r) { return r.change == change; }))
    return r->id;
  return intern_new(change);
}

namespace {
// A change's number in its map: its place among the map's changes, and its kind in the top bits.
std::uint32_t change_number(std::size_t index, SegmentKind kind) {
  return static_cast<std::uint32_t>(index + 1) | static_cast<std::uint32_t>(kind)
                                                     << SegmentEnd::kKindShift;
}
}  // namespace

std::uint32_t SpanMapWriter::intern_new(const SegmentChange& change) {
  ChangeTable& changes = map_.changes_;
  std::uint32_t id = 0;
  if (changes.size() <= kScannedChanges) {
    // A short text's map holds a handful of changes: scanning them costs less than hashing.
    for (std::size_t i = 0; i < changes.size() && id == 0; ++i)
      if (changes[i] == change) id = change_number(i, change.kind);
    if (id == 0) {
      id = change_number(changes.size(), change.kind);
      changes.push_back(change);
      if (changes.size() > kScannedChanges)
        for (std::size_t i = 0; i < changes.size(); ++i)
          ids_.emplace(changes[i], change_number(i, changes[i].kind));
    }
  } else {
    auto [it, added] = ids_.try_emplace(change, change_number(changes.size(), change.kind));
    if (added) changes.push_back(change);
    id = it->second;
  }
  recent_.push(Recent{change, id});
  return id;
}

void SpanMapWriter::grow() {
  std::vector<SegmentEnd>& bounds = map_.bounds_;
  // Large maps grow a block at a time, giving back the old buffer as it is copied.
  if (bounds.empty()) {
    if (bounds.capacity() < 2) bounds.reserve(8);
    bounds.push_back(SegmentEnd{0, 0, 0, 0, 0});
    return;
  }
  if (bounds.capacity() * sizeof(SegmentEnd) >= pages::kReleaseBytes) {
    pages::grow_for_one(bounds);
    return;
  }
  std::size_t room = std::max<std::size_t>(8, bounds.capacity() * 2);
  // Once the segments so far tell the text's density: room for the rest of the source at that
  // density and an eighth more, never more than a segment per byte (each takes at least one).
  const std::size_t segments = bounds.size() - 1;
  const std::size_t done = bounds.back().src_byte;
  if (segments >= kProjectFrom && done > 0 && expected_src_bytes_ > done) {
    const std::size_t projected = segments + segments * (expected_src_bytes_ - done) / done;
    room = std::max(room, std::min(projected + projected / 8 + 1, expected_src_bytes_ + 1));
  }
  if (room * sizeof(SegmentEnd) < kept::kMinBytes) {
    bounds.reserve(room);
    return;
  }
  std::vector<SegmentEnd> bigger = kept::take_vector<SegmentEnd>(room);
  bigger.assign(bounds.begin(), bounds.end());
  kept::give_vector(std::move(bounds));
  bounds = std::move(bigger);
}

void SpanMap::give_back(SpanMap&& map) {
  kept::give_vector(std::move(map.bounds_));
  kept::give_vector(std::move(map.starts_));
  map = SpanMap();
}

void SpanMapWriter::become_loose() {
  // Segment i starts at bound i so far.
  std::vector<SegmentEnd>& starts = map_.starts_;
  starts.reserve(map_.bounds_.capacity());
  starts.assign(map_.bounds_.begin(), map_.bounds_.end() - 1);
  loose_ = true;
}

SpanMap SpanMapWriter::finish() {
  SpanMap out = std::move(map_);
  map_ = SpanMap();
  if (!ids_.empty()) ids_.clear();  // clearing an empty table still wipes its buckets
  recent_.clear();
  loose_ = false;
  expected_src_bytes_ = 0;
  return out;
}

// ---------------------------------------------------------------------------
// Builder

namespace {

// Offsets are 32-bit by design; texts of 4 GiB or more are refused at the boundary.
std::uint32_t u32(std::size_t n) { return static_cast<std::uint32_t>(n); }

}  // namespace

// A pass that changes little keeps stretches of many megabytes at once: they are copied in
// pieces, with an interrupt poll between them, so that a pending signal is not held up by a copy.
constexpr std::size_t kKeptPiece = std::size_t{1} << 20;

// A longer piece is copied and counted in one read of it. A short one (most of a separator
// pass's kept stretches) is counted and appended: the call that overwrites the string's new
// room costs more than the copy it saves there.
// Inlined into its callers here, the only ones: as a call it cost each kept stretch more.
[[gnu::always_inline]] inline void SpanMapBuilder::append_counting(std::string_view text,
                                                                   std::uint32_t& chars) {
  constexpr std::size_t kCopiedAsCounted = 64;
  if (text.size() < kCopiedAsCounted) {
    chars += u32(utf8::count_chars(text));
    output_.append(text);
    return;
  }
  const std::size_t at = output_.size();
  output_.resize_and_overwrite(at + text.size(), [&](char* out, std::size_t size) {
    chars += u32(utf8::count_chars_copying(text, out + at));
    return size;
  });
}

void SpanMapBuilder::keep(std::string_view text) {
  if (text.empty()) return;
  const std::uint32_t nb = u32(text.size());
  std::uint32_t nc = 0;
  if (text.size() <= kKeptPiece) [[likely]] {
    append_counting(text, nc);
  } else {
    interrupt::Poll poll;
    for (std::size_t at = 0; at < text.size(); at += kKeptPiece) {
      // Pieces may end inside a character: count_chars counts the bytes that start one.
      const std::string_view piece = text.substr(at, kKeptPiece);
      append_counting(piece, nc);
      poll.advance(piece.size());
    }
  }
  src_byte_ += nb;
  src_char_ += nc;
  dst_byte_ += nb;
  dst_char_ += nc;
  segments_.push_next(SegmentEnd{src_byte_, src_char_, dst_byte_, dst_char_, 0});
}

void SpanMapBuilder::push_transformed(std::string_view src_text, std::string_view dst_text,
                                      RuleName rule, NormalizationCost cost,
                                      std::size_t src_chars) {
  const std::uint32_t sb = src_byte_, sc = src_char_, db = dst_byte_, dc = dst_char_;
  src_byte_ += u32(src_text.size());
  src_char_ += u32(src_chars);
  dst_byte_ += u32(dst_text.size());
  // Most changes write one byte (a folded or corrected character, a digit): it is appended and
  // counted without a call.
  if (dst_text.size() == 1) {
    dst_char_ += !utf8::is_continuation(static_cast<unsigned char>(dst_text[0]));
    output_.push_back(dst_text[0]);
  } else {
    make_room_after(dst_text.size());
    // An absorbed separator writes nothing.
    if (!dst_text.empty()) append_counting(dst_text, dst_char_);
  }
  const SegmentKind kind =
      kind_from_shape(Span{sb, src_byte_, sc, src_char_}, Span{db, dst_byte_, dc, dst_char_});
  segments_.push_next(SegmentEnd{src_byte_, src_char_, dst_byte_, dst_char_,
                                 segments_.intern(SegmentChange{set_of(rule), cost, kind})});
}

RuleSet SpanMapBuilder::set_of(RuleName rule) {
  if (const RecentRule* r = recent_rules_.find(
          [&](const RecentRule& r) { return r.data == rule.data() && r.size == rule.size(); }))
    return r->set;
  const RuleSet set = RuleSet::of(rule);
  recent_rules_.push(RecentRule{rule.data(), rule.size(), set});
  return set;
}

void SpanMapBuilder::replace(std::string_view src_text, std::string_view dst_text, RuleName rule) {
  if (src_text.empty()) return;
  const std::size_t chars = utf8::count_chars(src_text);
  NormalizationCost cost;
  cost.replaced_chars = NormalizationCost::saturate(chars);
  push_transformed(src_text, dst_text, rule, cost, chars);
}

void SpanMapBuilder::replace_char(std::string_view src_char, char ascii, RuleName rule) {
  src_byte_ += u32(src_char.size());
  ++src_char_;
  ++dst_byte_;
  ++dst_char_;
  output_.push_back(ascii);
  RecentCharChange& recent = recent_char_change_;
  if (recent.data != rule.data() || recent.size != rule.size()) {
    NormalizationCost cost;
    cost.replaced_chars = 1;
    // One character for one: never an expansion or a deletion.
    recent = RecentCharChange{rule.data(), rule.size(),
                              segments_.intern(SegmentChange{set_of(rule), cost,
                                                             SegmentKind::replace})};
  }
  segments_.push_next(SegmentEnd{src_byte_, src_char_, dst_byte_, dst_char_, recent.change});
}

void SpanMapBuilder::numeral(std::string_view src_text, std::string_view dst_text, RuleName rule) {
  numeral(src_text, dst_text, rule, NormalizationCost::saturate(utf8::count_chars(src_text)));
}

void SpanMapBuilder::numeral(std::string_view src_text, std::string_view dst_text, RuleName rule,
                             std::uint16_t expanded) {
  if (src_text.empty()) return;
  NormalizationCost cost;
  cost.expanded_syllables = expanded;
  push_transformed(src_text, dst_text, rule, cost, utf8::count_chars(src_text));
}

void SpanMapBuilder::absorb(std::string_view src_text, RuleName rule, AbsorbClass cls) {
  if (src_text.empty()) return;
  const std::uint32_t chars = u32(utf8::count_chars(src_text));
  src_byte_ += u32(src_text.size());
  src_char_ += chars;
  // Whatever its length, an absorb writes nothing: a deletion, its cost set by the class and
  // the characters alone. Interned as push_transformed would, so the numbers are the same.
  std::uint32_t change = 0;
  if (const RecentAbsorb* r = recent_absorbs_.find([&](const RecentAbsorb& r) {
        return r.data == rule.data() && r.size == rule.size() && r.chars == chars && r.cls == cls;
      }))
    change = r->change;
  else {
    NormalizationCost cost;
    const std::uint16_t n = NormalizationCost::saturate(chars);
    if (cls == AbsorbClass::whitespace) cost.absorbed_whitespace = n;
    else if (cls == AbsorbClass::separator) cost.absorbed_separators = n;
    change = segments_.intern(SegmentChange{set_of(rule), cost, SegmentKind::delete_});
    recent_absorbs_.push(RecentAbsorb{rule.data(), rule.size(), chars, cls, change});
  }
  segments_.push_next(SegmentEnd{src_byte_, src_char_, dst_byte_, dst_char_, change});
}

SpanMapBuilder::Output SpanMapBuilder::finish() {
  Output out{std::move(output_), segments_.finish()};
  output_ = std::string();
  src_byte_ = src_char_ = dst_byte_ = dst_char_ = 0;
  expected_source_ = 0;
  recent_absorbs_.clear();
  recent_char_change_ = RecentCharChange{};
  return out;
}

// ---------------------------------------------------------------------------
// Validation

namespace {

std::string contiguity_message(const char* side, std::uint32_t eb, std::uint32_t ec,
                               const Span& found) {
  std::string m = side;
  m += " not contiguous: expected byte ";
  m += std::to_string(eb);
  m += " char ";
  m += std::to_string(ec);
  m += ", found byte ";
  m += std::to_string(found.byte_start);
  m += " char ";
  m += std::to_string(found.char_start);
  return m;
}

bool reversed_bytes(const Span& s) { return s.byte_end < s.byte_start; }
bool reversed_chars(const Span& s) { return s.char_end < s.char_start; }

}  // namespace

Result<void> SpanMap::validate() const {
  std::uint32_t eb_src = 0, ec_src = 0, eb_dst = 0, ec_dst = 0;
  for (std::size_t i = 0; i < len(); ++i) {
    const Segment s = (*this)[i];
    if (s.src.byte_start != eb_src || s.src.char_start != ec_src)
      return std::unexpected(Error::invariant(i, contiguity_message("src", eb_src, ec_src, s.src)));
    if (s.dst.byte_start != eb_dst || s.dst.char_start != ec_dst)
      return std::unexpected(Error::invariant(i, contiguity_message("dst", eb_dst, ec_dst, s.dst)));
    if (reversed_bytes(s.src) || reversed_bytes(s.dst))
      return std::unexpected(Error::invariant(i, "reversed byte range"));
    if (reversed_chars(s.src) || reversed_chars(s.dst))
      return std::unexpected(Error::invariant(i, "reversed char range"));
    switch (s.kind) {
      case SegmentKind::replace:
        if (s.src.byte_len() == 0 || s.dst.byte_len() == 0)
          return std::unexpected(Error::invariant(i, "replace segment must have both sides"));
        break;
      case SegmentKind::delete_:
        if (s.src.byte_len() == 0 || s.dst.byte_len() != 0)
          return std::unexpected(
              Error::invariant(i, "delete segment must consume src and produce nothing"));
        break;
      case SegmentKind::expand:
        if (!(s.src.char_len() < s.dst.char_len()))
          return std::unexpected(Error::invariant(i, "expand segment must grow in chars"));
        break;
      case SegmentKind::identity:
        if (s.src.byte_len() != s.dst.byte_len() || s.src.char_len() != s.dst.char_len())
          return std::unexpected(Error::invariant(i, "identity segment has unequal lengths"));
        if (!s.rules.empty() || !s.cost.is_zero())
          return std::unexpected(Error::invariant(i, "identity segment carries rules or cost"));
        break;
    }
    if (s.src.byte_len() == 0)
      return std::unexpected(
          Error::invariant(i, "segment has an empty source range; insertion is not supported"));
    eb_src = s.src.byte_end;
    ec_src = s.src.char_end;
    eb_dst = s.dst.byte_end;
    ec_dst = s.dst.char_end;
  }
  return {};
}

// ---------------------------------------------------------------------------
// Projection to the source

namespace {

// Interior offset of an identity segment; unsigned arithmetic wraps instead of trapping when a
// caller-made span's char offsets disagree with its bytes.
Position interior(const Segment& s, std::uint32_t byte, std::uint32_t ch) {
  return {s.src.byte_start + (byte - s.dst.byte_start), ch + s.src.char_start - s.dst.char_start};
}

}  // namespace

bool SpanMap::copies(Span q) const {
  const std::size_t n = len();
  const std::size_t i =
      first_index(n, [&](std::size_t k) { return end_of(k).dst_byte <= q.byte_start; });
  return i < n && kind_of(i) == SegmentKind::identity && dst_byte_start(i) <= q.byte_start &&
         q.byte_end <= end_of(i).dst_byte;
}

SourceSpan SpanMap::to_source(Span q) const {
  const std::size_t n = len();
  if (n == 0) return SourceSpan{};
  const std::size_t first =
      first_index(n, [&](std::size_t i) { return end_of(i).dst_byte <= q.byte_start; });
  const std::size_t last =
      first_index(n, [&](std::size_t i) { return dst_byte_start(i) < q.byte_end; });
  return source_of(q, first, last);
}

SourceSpan SpanMap::to_source(Span q, std::size_t& cursor, bool with_rules) const {
  const std::size_t n = len();
  if (n == 0) return SourceSpan{};
  const std::size_t first = first_index_near(
      n, cursor, [&](std::size_t i) { return end_of(i).dst_byte <= q.byte_start; });
  const std::size_t last =
      first_index_near(n, first, [&](std::size_t i) { return dst_byte_start(i) < q.byte_end; });
  cursor = first;
  return source_of(q, first, last, with_rules);
}

SourceSpan SpanMap::source_of(Span q, std::size_t first, std::size_t last, bool with_rules) const {
  SourceSpan out;
  const std::size_t n = len();
  if (first < last) {
    // The two end segments' positions are read where they are stored: a whole Segment of each
    // (its rules and cost looked up) cost a short text's projection some forty instructions.
    const SegmentEnd& a_from = start_of(first);
    const SegmentEnd& a_to = end_of(first);
    if (a_to.kind() == SegmentKind::identity && q.byte_start > a_from.dst_byte &&
        q.byte_start < a_to.dst_byte) {
      // As interior(): unsigned arithmetic wraps where a caller's chars disagree with its bytes.
      out.span.byte_start = a_from.src_byte + (q.byte_start - a_from.dst_byte);
      out.span.char_start = q.char_start + a_from.src_char - a_from.dst_char;
    } else {
      out.span.byte_start = a_from.src_byte;
      out.span.char_start = a_from.src_char;
      if (q.byte_start != a_from.dst_byte) out.snapped = true;
    }
    const SegmentEnd& z_from = start_of(last - 1);
    const SegmentEnd& z_to = end_of(last - 1);
    if (z_to.kind() == SegmentKind::identity && q.byte_end < z_to.dst_byte &&
        q.byte_end > z_from.dst_byte) {
      out.span.byte_end = z_from.src_byte + (q.byte_end - z_from.dst_byte);
      out.span.char_end = q.char_end + z_from.src_char - z_from.dst_char;
    } else {
      out.span.byte_end = z_to.src_byte;
      out.span.char_end = z_to.src_char;
      if (q.byte_end != z_to.dst_byte) out.snapped = true;
    }
    // The same few rules recur along a span (one per folded digit or absorbed separator), and
    // most spans meet one set only; the distinct sets met are joined through the thread's
    // recent unions.
    RuleSetUnions& unions = RuleSetUnions::of_thread();
    RuleSet seen;  // the set of the last segment whose rules were added
    // Costs are summed unsaturated and saturated once: the same as saturating each sum, since
    // no cost is negative.
    std::uint64_t whitespace = 0, separators = 0, syllables = 0, replaced = 0;
    for (std::size_t k = first; k < last; ++k) {
      const SegmentEnd& e = end_of(k);
      // The plain identity has no cost and no rules.
      if ((e.change & SegmentEnd::kNumberMask) == 0) continue;
      // A separator absorbed right at an end of the query lies outside it: its output is
      // empty and starts (so ends) there.
      const std::uint32_t dst_start = dst_byte_start(k);
      if (!(dst_start < e.dst_byte) && (dst_start == q.byte_start || dst_start == q.byte_end))
        continue;
      const SegmentChange& c = change(e.change);
      whitespace += c.cost.absorbed_whitespace;
      separators += c.cost.absorbed_separators;
      syllables += c.cost.expanded_syllables;
      replaced += c.cost.replaced_chars;
      if (!with_rules || c.rules.empty() || c.rules == seen) continue;
      seen = c.rules;
      out.rules = unions.of(out.rules, c.rules);
    }
    out.cost.absorbed_whitespace = NormalizationCost::saturate(whitespace);
    out.cost.absorbed_separators = NormalizationCost::saturate(separators);
    out.cost.expanded_syllables = NormalizationCost::saturate(syllables);
    out.cost.replaced_chars = NormalizationCost::saturate(replaced);
    return out;
  }

  const Segment s = (*this)[std::min(n - 1, first)];
  Position p;
  if (q.byte_start == s.dst.byte_start) {
    p = {s.src.byte_start, s.src.char_start};
  } else if (q.byte_start == s.dst.byte_end) {
    p = {s.src.byte_end, s.src.char_end};
  } else if (s.kind == SegmentKind::identity && q.byte_start > s.dst.byte_start &&
             q.byte_start < s.dst.byte_end) {
    p = interior(s, q.byte_start, q.char_start);
  } else {
    p = src_end();
  }
  out.span = Span{p.first, p.first, p.second, p.second};
  return out;
}

std::expected<AbsorbClass, std::string> absorb_class_named(std::string_view name) {
  if (name == "whitespace") return AbsorbClass::whitespace;
  if (name == "separator") return AbsorbClass::separator;
  if (name == "other") return AbsorbClass::other;
  return std::unexpected("unknown absorbed class " + debug_quoted(name) +
                         "; expected 'whitespace', 'separator', or 'other'");
}

}  // namespace norvane
