#pragma once
// Cue words near a span: where they are found and how much they weigh.
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "detect/report.hpp"
#include "span/span.hpp"

namespace norvane {

class SpanMap;

struct Cue {
  std::string_view word;  // static text
  float weight;
};

namespace context {

// A set of cues, by their place in all_cues() (cues.hpp): every cue table is a range of
// that one array, so the tables of several candidates are searched in one walk.
struct CueSet {
  std::uint64_t bits[2] = {0, 0};

  bool empty() const { return (bits[0] | bits[1]) == 0; }
  CueSet& operator|=(const CueSet& o) {
    bits[0] |= o.bits[0];
    bits[1] |= o.bits[1];
    return *this;
  }
};
inline constexpr std::size_t kMaxCues = 128;

// The cues of a table taken from all_cues() (an empty set for any other table).
CueSet cue_set(std::span<const Cue> table);

// The nearest occurrence of each wanted cue in the `window` characters on each side of a
// span: one walk outwards from the span on each side, a lookup by character at each step.
// Windows wider than kIndexFrom are answered from an index of the text's cues instead, so
// a wide window costs one pass over the text, not one per span. Windows wider than
// kWalkAlways walk until the walks over a text have covered as many characters as the text
// holds, or sooner where spans stand densely, and use its index from then on: dense spans
// cost no more than with the default window. A Search keeps one index for the texts of run() and
// one for those of rerun(); a text must not change while a Search that has seen it is in use.
class Search {
 public:
  void run(std::string_view text, const Span& span, std::uint32_t window, const CueSet& wanted);
  // The same around a span of a second text, whose windows often hold the same bytes as
  // those of the last run (the source text around a run's projection): a side with the
  // same bytes keeps what the last run found there, so `wanted` must be part of its set.
  // A wide window's index of these texts holds only the cues of the first `wanted` asked
  // (the detector asks for the negative cues alone), and every cue after one that wants more.
  void rerun(std::string_view text, const Span& span, std::uint32_t window, const CueSet& wanted);
  // Tells the search that its rerun() texts are made from its run() texts by `map` (segments
  // from `rerun_text` to `run_text`, as a normalization's map reads): the index of the rerun
  // text is then taken from that of the run text where the map copied bytes unchanged, and
  // only the changed stretches that can hold part of a cue are read again. All three must
  // outlive the search's use of them. Deriving costs about ten times a pass's work on a byte
  // for each segment of the map, so it is done only where the map has fewer segments than one
  // in `bytes_per_segment` bytes of the rerun text (prose, tables, logs), not where every few
  // bytes are a number and its separators; 0 derives always.
  static constexpr std::size_t kBytesPerSegment = 10;
  void pair(std::string_view run_text, std::string_view rerun_text, const SpanMap& map,
            std::size_t bytes_per_segment = kBytesPerSegment) {
    paired_run_ = run_text;
    paired_rerun_ = rerun_text;
    paired_map_ = &map;
    paired_bytes_per_segment_ = bytes_per_segment;
  }
  // Whether no cue at all can be found in the window of any span inside this one of digit-like
  // characters: none lies in its own window, and none can start or end among its characters.
  bool quiet_around(std::string_view text, const Span& span, std::uint32_t window);
  // What run() finds around a span inside one that quiet_around() found quiet: nothing, on
  // either side. No window is kept, so the next rerun() walks its own.
  void find_nothing() {
    left_.found = CueSet{};
    right_.found = CueSet{};
    indexed_ = true;
  }
  // Hits of one table whose cues were wanted, sorted by weight (highest first), then by cue
  // bytes. Clears `out` first. Inline where nothing was found, as weigh() is: most candidates'
  // windows hold no cue.
  void hits(std::span<const Cue> table, std::vector<ContextHit>& out) const {
    out.clear();
    if (!(left_.found.empty() && right_.found.empty())) found_hits(table, out);
  }
  // What total() gives for the list hits() makes, without making it: for tables whose hits
  // are only summed (negative cues, candidates whose hits go into no evidence).
  float weigh(std::span<const Cue> table) const {
    return left_.found.empty() && right_.found.empty() ? 0.0f : weigh_found(table);
  }

  static constexpr std::uint32_t kIndexFrom = 256;
  static constexpr std::uint32_t kWalkAlways = 24;  // the default window

 private:
  struct Side {
    std::string_view window;  // the bytes walked
    bool full = false;        // all `window` characters, not cut short by the text's edge
    CueSet found;
    std::uint32_t distance[kMaxCues];  // meaningful where `found` is set
  };
  // Every occurrence of every cue of all_cues() in one text, by character, and two windows
  // that slide over them: the cues that lie wholly in the left window of the last look-up
  // and those in its right window, kept as counts per cue. Look-ups come mostly in text
  // order, so a look-up costs the occurrences its windows passed since the last one and
  // the cues it finds, whatever the width.
  class Index {
   public:
    // Records the occurrences of the cues in `covers` only: an index asked for fewer cues
    // (the source text's, asked for the negative cues alone) keeps fewer occurrences to link
    // and to slide its windows over. False when the text is no well-formed UTF-8: the walk's
    // characters are then kept.
    bool build(std::string_view text, const CueSet& covers);
    // The same answer for a text that `map` turns into the text of `base` (a usable index
    // that covers these cues), from base's occurrences in the stretches the map copies and a
    // pass over the others; false also when the map does not fit the two texts (build() then
    // decides).
    bool derive(const Index& base, std::string_view text, const SpanMap& map, const CueSet& covers);
    bool built_for(std::string_view text) const {
      return built_ && text.data() == text_.data() && text.size() == text_.size();
    }
    bool usable() const { return usable_; }
    bool covers(const CueSet& wanted) const {
      return ((wanted.bits[0] & ~covers_.bits[0]) | (wanted.bits[1] & ~covers_.bits[1])) == 0;
    }
    // Counts a walk of up to `chars` characters around byte `at` of text; true once the walks
    // over it have covered as many characters as it has bytes, or an eighth of that and more
    // than the bytes before `at`: walks at that density would cover the text again before its
    // end, and one pass that makes the index costs less.
    bool walked_enough(std::string_view text, std::uint64_t chars, std::size_t at) {
      if (text.data() != walked_text_.data() || text.size() != walked_text_.size()) {
        walked_text_ = text;
        walked_ = 0;
      }
      walked_ += chars;
      return walked_ > text.size() || (walked_ > text.size() / 8 && walked_ > at);
    }
    std::uint32_t char_at(std::size_t byte) const;
    // Moves the windows to the `window` characters before character `cs` and after
    // character `ce`, and sets each side's found cues (of `wanted`); their distances are
    // asked for afterwards, for the cues a table needs.
    void look_up(std::uint64_t cs, std::uint64_t ce, std::uint32_t window, const CueSet& wanted,
                 Side& left, Side& right);
    // The distance of a cue found by the last look-up on its left side (the end of its last
    // occurrence to `cs`) or its right side (`ce` to the start of its next occurrence).
    std::uint32_t left_distance(std::size_t cue, std::uint64_t cs) const;
    std::uint32_t right_distance(std::size_t cue, std::uint64_t ce) const;

   private:
    static constexpr std::uint32_t kNone = UINT32_MAX;
    struct Occurrence {
      std::uint32_t start, end;  // characters
      // The end of the cue's occurrence before this one and the start of the one after it
      // (0 where there is none: the cue is then not in the window that asks).
      std::uint32_t prev_end, next_start;
      std::uint32_t cue;
    };
    // One side's window: the occurrences that ended by its far edge (by_end_[0, in)) less
    // those that started before its near edge (occurrences_[0, out)).
    struct Window {
      std::size_t in = 0, out = 0;
      std::int32_t count[kMaxCues] = {};
      CueSet holds;  // the cues whose count is above zero
      void add(std::uint32_t cue, std::int32_t d);
    };
    // Forgets the previous text's occurrences and windows; `text` is the one read next, for
    // the cues in `covers`.
    void start(std::string_view text, const CueSet& covers);
    void reset();
    // Reads the characters that start in bytes [from, to) of the text as build() does and
    // records the occurrences starting there that end after byte `overlap`; `stop` gets the
    // byte after the last character read. False where the text is not well-formed.
    bool record(std::size_t from, std::size_t to, std::size_t overlap, std::size_t& stop);
    // Gives the recorded occurrences their characters, their neighbours' ends and starts, and the
    // order by end.
    void finish();

    std::string_view text_;
    CueSet covers_;  // the cues whose occurrences are recorded
    std::string_view walked_text_;
    std::uint64_t walked_ = 0;
    bool built_ = false, usable_ = false;
    std::vector<Occurrence> occurrences_;  // by start, then cue
    std::vector<std::uint32_t> bytes_;     // the byte each of them starts at
    std::vector<std::uint32_t> by_end_;    // their places, by end
    std::vector<std::uint32_t> blocks_;    // characters before each 16-byte block
    Window left_, right_;
    // By character, kept as the windows move so that a distance is one load: the end of each
    // cue's last occurrence that ended by the left window's far edge, and the start of its
    // first occurrence from the right window's near edge on (meaningful where found).
    std::uint32_t left_end_[kMaxCues];
    std::uint32_t right_start_[kMaxCues];
  };
  float weigh_found(std::span<const Cue> table) const;
  // hits() where some cue was found: appends them to `out`.
  void found_hits(std::span<const Cue> table, std::vector<ContextHit>& out) const;
  // weigh_found() for an answer from the index or from the walks: told once per call, not
  // for every hit.
  template <bool Indexed>
  float weigh_hits(std::span<const Cue> table) const;
  // The cues of `table` found on either side, or none for a table outside all_cues().
  CueSet found_of(std::span<const Cue> table) const;
  // The distance of a found cue: the nearer side's where it was found on both.
  template <bool Indexed>
  std::uint32_t distance_of(std::size_t cue) const;
  static std::pair<std::size_t, std::size_t> clip(std::string_view text, const Span& span);
  // With FirstOnly a walk stops at the first cue it finds (its window is then not whole):
  // for quiet_around, which asks only whether there is one.
  template <bool FirstOnly = false>
  void walk_left(std::string_view text, std::size_t start, std::uint32_t window,
                 const CueSet& wanted);
  template <bool FirstOnly = false>
  void walk_right(std::string_view text, std::size_t end, std::uint32_t window,
                  const CueSet& wanted);
  // Whether this window (wider than kWalkAlways) is answered from the text's index, made
  // here on first need.
  static bool use_index(std::unique_ptr<Index>& index, std::string_view text, std::uint32_t window,
                        std::size_t at);
  // Makes the index of this text for the cues in `covers`: derived from the run text's
  // where pair() allows.
  void make(Index& index, std::string_view text, const CueSet& covers);
  // Both sides from the index; false when the text has none (not well-formed). An index is
  // made for the cues in `covers` (with `wanted` among them) and made again for every cue
  // when a later look-up wants one it lacks.
  bool look_up(Index& index, std::string_view text, std::size_t start, std::size_t end,
               std::uint32_t window, const CueSet& wanted, const CueSet& covers);

  Side left_, right_;
  bool indexed_ = false;  // the sides came from an index: their windows and distances are not set
  const Index* answered_ = nullptr;  // that index, and the span's characters in its text
  std::uint64_t at_start_ = 0, at_end_ = 0;
  // Made on first use: the default window never needs one, and a call that makes a Search
  // would otherwise set up and tear down 2 x kMaxCues empty lists.
  std::unique_ptr<Index> run_index_, rerun_index_;
  std::string_view paired_run_, paired_rerun_;  // see pair()
  const SpanMap* paired_map_ = nullptr;
  std::size_t paired_bytes_per_segment_ = kBytesPerSegment;
};

// Sum of the hit weights in list order, capped at 1.5.
float total(const std::vector<ContextHit>& hits);

}  // namespace context
}  // namespace norvane
