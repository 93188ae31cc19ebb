#include "detect/detect.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <optional>
#include <type_traits>
#include <utility>

#include "detect/candidates.hpp"
#include "detect/checksum.hpp"
#include "detect/containment.hpp"
#include "detect/context.hpp"
#include "detect/extend.hpp"
#include "detect/labels.hpp"
#include "detect/nothing_to_detect.hpp"
#include "detect/scanner.hpp"
#include "detect/source_order.hpp"
#include "error/interrupt.hpp"
#include "normalize/pipeline.hpp"
#include "normalize/rule_names.hpp"
#include "normalize/unicode.hpp"
#include "span/kept_buffers.hpp"
#include "span/pages.hpp"
#include "span/utf8.hpp"

namespace norvane {

namespace {

constexpr std::string_view kEmailRule = "email.structural";
constexpr std::string_view kPassportRule = "passport.shape";
constexpr float kEmailScore = 0.9f;
constexpr float kPassportBase = 0.1f;

// Every step is rounded to 32 bits, in the order the formula is written.
float subtract_costs(float s, const NormalizationCost& c, const Config& cfg) {
  float t = cfg.absorbed_whitespace * static_cast<float>(c.absorbed_whitespace);
  s = s - t;
  t = cfg.absorbed_separator * static_cast<float>(c.absorbed_separators);
  s = s - t;
  t = cfg.expanded_syllable * static_cast<float>(c.expanded_syllables);
  s = s - t;
  t = cfg.replaced_char * static_cast<float>(c.replaced_chars);
  s = s - t;
  return s;
}

// NaN passes through unchanged.
float clamp_score(float s) {
  if (s < 0.0f) return 0.0f;
  if (s > 2.0f) return 2.0f;
  return s;
}

// A cost weight that can only lower a score (infinity times a zero count would give NaN).
bool lowers(float w) { return std::isfinite(w) && w >= 0.0f; }

bool is_list_break(const SegmentChange& c) {
  if (c.kind != SegmentKind::delete_) return false;
  for (RuleName r : c.rules)
    if (r == rules::kSeparatorWhitespace || r == rules::kSeparatorComma) return true;
  return false;
}

// The cue sets searched for, made once: a candidate's cues are those of its kind.
struct CueSets {
  context::CueSet negative, passport_and_negative;
  context::CueSet of_kind[kEntityCount];

  CueSets() : negative(context::cue_set(negative_cues())), passport_and_negative(negative) {
    passport_and_negative |= context::cue_set(passport_cues());
    for (EntityKind k : all_entities())
      of_kind[static_cast<std::size_t>(k)] = context::cue_set(cues_for(k));
  }
};
const CueSets kCueSets;

// Work units (about bytes scanned) a finding read or moved counts for in interrupt polls.
constexpr std::size_t kUnitsPerFinding = 64;
// Work units (about bytes scanned) a shape's cue search counts for in interrupt polls.
constexpr std::size_t kUnitsPerSearch = 64;

// Best split of the rest of a run from one cut on. No member initializers: a run's ring of
// them is written before it is read, and zeroing it cost each list some eighty instructions.
struct SplitBest {
  std::uint32_t winners;
  std::uint32_t won_digits;  // the digits the winning pieces hold
  std::uint32_t pieces;
  double score;  // sums of 32-bit scores stay exact in a double
  std::size_t next;
  bool first_wins;  // the piece up to `next` has a winner
};

// Splits of a run look this many cuts ahead at most (more than kMaxCandidateDigits + 1).
constexpr std::size_t kSplitWindow = 32;
// A step of a best split holds its length below kPieceWins, and kPieceWins when its piece won.
constexpr std::uint8_t kPieceWins = 0x80;
static_assert(kSplitWindow > kMaxCandidateDigits + 1 && kSplitWindow <= kPieceWins);

// A place where a run may be split, and the costs of the separators absorbed there.
struct ListCut {
  std::uint32_t byte, ch;
  NormalizationCost cost;
  std::uint32_t digits = 0;  // ASCII digits from the run's start to here
};

// A run's winner, if it has one. Not a std::optional: g++ 12 zeroes the whole storage of an
// empty one (a Finding, 192 bytes) for each of the thousands of runs and list pieces a text
// has, and most of them win nothing.
class MaybeFinding {
 public:
  MaybeFinding() {}
  MaybeFinding(MaybeFinding&& other) noexcept {
    if (other.made_) emplace(std::move(other.finding_));
  }
  MaybeFinding& operator=(MaybeFinding&&) = delete;
  ~MaybeFinding() {
    if (made_) finding_.~Finding();
  }
  MaybeFinding& operator=(Finding&& f) {
    if (made_) finding_ = std::move(f);
    else emplace(std::move(f));
    return *this;
  }

  explicit operator bool() const { return made_; }
  Finding& operator*() { return finding_; }
  Finding* operator->() { return &finding_; }

 private:
  void emplace(Finding&& f) {
    new (&finding_) Finding(std::move(f));
    made_ = true;
  }
  union {
    Finding finding_;
  };
  bool made_ = false;
};

struct RunOutcome {
  MaybeFinding winner;
  bool vetoed = false;  // some candidate was rejected as "business_context"
};

// The lists a detection fills and clears again as it goes (every user clears or overwrites
// what it reads). Short texts spend a good part of their time allocating and freeing them, so
// each thread keeps one set from call to call. Only a text longer than kLongText can grow them
// much (every list holds at most a few entries per byte of text), and lists it grew past
// kKeptCapacity are given back after it.
struct Scratch {
  Shapes shapes;
  // The digit values of the run read last (no run longer than kMaxCandidateDigits is read).
  std::array<std::uint8_t, std::max<std::size_t>(kMaxCandidateDigits, 16)> digit_values;
  std::span<const std::uint8_t> digits;
  std::vector<Candidate> cands;
  std::vector<std::vector<ContextHit>> cand_hits;
  std::vector<float> ctx, raw;
  std::vector<ListCut> cuts;        // see mend_list
  std::vector<std::uint8_t> steps;  // from each cut to the next of its best split, kPieceWins
  std::vector<extend::Shape> extra_shapes;
  std::vector<RuleList> cand_ext;
  std::vector<ContextHit> ext_hits;
  RuleList sources;
  // The map of a text no pass changes; optional, as a SpanMap member would make the thread's
  // Scratch initialised dynamically (a guard call at each lease).
  std::optional<SpanMap> identity;

  static constexpr std::size_t kKeptCapacity = 256;
  static constexpr std::size_t kLongText = 4096;

  // A large list's pages go back before it is freed: freed memory inside the heap stays
  // resident (beside the report, under what the caller makes of it next).
  template <class T>
  static void trim(std::vector<T>& v) {
    if (v.capacity() <= kKeptCapacity) return;
    if constexpr (std::is_trivially_destructible_v<T>) pages::release_storage(v);
    std::vector<T>().swap(v);
  }
  void trim() {
    trim(shapes.emails), trim(shapes.passports), trim(shapes.runs), trim(cands);
    trim(cand_hits), trim(ctx), trim(raw), trim(cuts), trim(steps);
    trim(extra_shapes), trim(cand_ext), trim(ext_hits), trim(sources);
    for (auto& hits : cand_hits) trim(hits);
    for (auto& rules : cand_ext) trim(rules);
  }
};

// The thread's Scratch while no detection on this thread uses it; a detection started while
// one is under way (from an interrupt check's handler) gets a set of its own.
class ScratchLease {
 public:
  explicit ScratchLease(std::size_t text_size)
      : long_text_(text_size > Scratch::kLongText), scratch_(busy_ ? own_.emplace() : shared()) {
    busy_ = true;
  }
  // Whether the lease is the shared set is read off own_: the shared set's address would cost
  // a thread-local look-up (and its guard's) again.
  ~ScratchLease() {
    if (own_) return;
    if (long_text_) scratch_.trim();
    busy_ = false;
  }
  ScratchLease(const ScratchLease&) = delete;
  ScratchLease& operator=(const ScratchLease&) = delete;
  Scratch& get() { return scratch_; }

 private:
  // The shared set, its address kept after the first detection on the thread: reaching the
  // set itself costs two __tls_get_addr calls (its address and its initialisation guard).
  static Scratch& shared() {
    Scratch* at = shared_at_;
    return at ? *at : *(shared_at_ = &shared_);
  }
  static thread_local Scratch shared_;
  // Read and written twice a detection: initial-exec spares a __tls_get_addr call each time
  // (nine bytes of the loader's static TLS room; the Scratch itself stays general-dynamic).
  [[gnu::tls_model("initial-exec")]] static thread_local bool busy_;
  [[gnu::tls_model("initial-exec")]] static thread_local Scratch* shared_at_;
  bool long_text_;
  std::optional<Scratch> own_;
  Scratch& scratch_;
};
thread_local Scratch ScratchLease::shared_;
[[gnu::tls_model("initial-exec")]] thread_local bool ScratchLease::busy_ = false;
[[gnu::tls_model("initial-exec")]] thread_local Scratch* ScratchLease::shared_at_ = nullptr;

// What a detection makes beside its findings.
struct Detail {
  bool rejections = true;
  bool evidence = true;
};

class Detector {
 public:
  // `text` is normalized from `source` by `map`.
  Detector(std::string_view source, std::string_view text, const SpanMap& map, const Config& cfg,
           Scratch& scratch, Detail detail = {})
      : source_(source),
        text_(text),
        map_(map),
        unchanged_(text.data() == source.data()),
        cfg_(cfg),
        costs_only_lower_(lowers(cfg.absorbed_whitespace) && lowers(cfg.absorbed_separator) &&
                          lowers(cfg.expanded_syllable) && lowers(cfg.replaced_char)),
        extended_(cfg.any_extension()),
        min_digits_(cfg.writing_variants ? kMinShortDateDigits : kMinCandidateDigits),
        detail_(detail),
        s_(scratch) {
    search_.pair(text_, source_, map_);
  }

  void run(Report& report) {
    scan(text_, s_.shapes);
    reserve_findings();
    // Each shape list is in text order; a poll counts the bytes each list has covered, and a
    // cue search around a shape as that many more.
    if (extended_) {
      {
        interrupt::Poll poll;
        for (const Span& s : s_.shapes.emails) {
          poll.reach(s.byte_end);
          add_email(s);
        }
      }
      {
        interrupt::Poll poll;
        for (const Span& s : s_.shapes.passports) {
          poll.reach(s.byte_end);
          poll.advance(kUnitsPerSearch);
          add_shape({s, EntityKind::passport, kPassportRule, kPassportBase, true,
                     ChecksumResult::not_applicable(reason::passport)});
        }
      }
      if (cfg_.extra_shapes || cfg_.writing_variants) {
        extend::scan_shapes(text_, s_.shapes.runs, cfg_.extra_shapes, cfg_.writing_variants,
                            s_.extra_shapes);
        interrupt::Poll poll;
        for (const extend::Shape& s : s_.extra_shapes) {
          poll.reach(s.span.byte_end);
          poll.advance(kUnitsPerSearch);
          add_shape(s);
        }
      }
      interrupt::Poll poll;
      for (const Span& run : s_.shapes.runs) {
        poll.reach(run.byte_end);
        poll.advance(kUnitsPerSearch);
        read_run(run);
      }
    } else {
      read_in_text_order();
    }
    // Sorting first changes nothing (removal keeps the order, and rejections are sorted
    // stably after it) but hands the containment test spans in start order.
    sort_by_source(findings_);
    remove_contained();
    sort_by_source(rejections_);
    report.findings = std::move(findings_);
    report.rejections = std::move(rejections_);
  }

 private:
  // One digit run: its finding, the pieces of a list it joins, or nothing.
  void read_run(const Span& run) {
    if (cfg_.label_reading &&
        ((run.char_len() > kMobileDigits &&
          (run.char_len() >= kDatedHeadDigits + 6 || text_[run.byte_start + 2] == '0')) ||
         (run.char_len() > kDatedHeadDigits && amount_word_follows(run))) &&
        read_apart(run))
      return;
    // Too short for any candidate, and for a list to mend: evaluate_run would find nothing.
    if (run.byte_len() < min_digits_) return;
    RunOutcome out = evaluate_run(run, detail_.rejections ? &rejections_ : nullptr, true);
    if (out.winner) add_finding(std::move(*out.winner));
    else if (!out.vetoed && !(cfg_.label_reading && serial_under_lookalike(run))) mend_list(run);
  }

  // Without the extension families no shape's reading depends on another's: e-mails, passports
  // and runs are read in one pass by where they start (at one place in that order, as the
  // lists were once read one after another), and their findings and rejections come out
  // nearly always in source order. Sorting them then only checks it: read list by list, the
  // sort moved almost every finding of a text whose first e-mail comes early.
  void read_in_text_order() {
    const std::vector<Span>& emails = s_.shapes.emails;
    const std::vector<Span>& passports = s_.shapes.passports;
    const std::vector<Span>& runs = s_.shapes.runs;
    interrupt::Poll email_poll, passport_poll, run_poll;
    std::size_t e = 0, p = 0, r = 0;
    constexpr std::uint32_t kEnd = UINT32_MAX;
    auto start = [&](const std::vector<Span>& list, std::size_t i) {
      return i < list.size() ? list[i].byte_start : kEnd;
    };
    while (e < emails.size() || p < passports.size() || r < runs.size()) {
      const std::uint32_t at_email = start(emails, e), at_passport = start(passports, p),
                          at_run = start(runs, r);
      if (at_email <= at_passport && at_email <= at_run && e < emails.size()) {
        email_poll.reach(emails[e].byte_end);
        add_email(emails[e++]);
      } else if (at_passport <= at_run && p < passports.size()) {
        passport_poll.reach(passports[p].byte_end);
        passport_poll.advance(kUnitsPerSearch);
        add_passport(passports[p++]);
      } else {
        run_poll.reach(runs[r].byte_end);
        run_poll.advance(kUnitsPerSearch);
        read_run(runs[r++]);
      }
    }
  }

  // Room for a finding from each shape that can make one (the extension families' shapes and
  // split lists may still grow the list): a list moved while it grows leaves its old buffer
  // resident beside the new one. Pages never written are never resident; the room is capped at
  // one finding per 16 bytes of text. A short text grows its list as before: it allocates
  // nothing when nothing is found.
  void reserve_findings() {
    constexpr std::size_t kReservedFrom = 4096;  // findings; moves below this are cheap
    if (text_.size() / 16 < kReservedFrom) return;
    std::size_t shapes = s_.shapes.emails.size() + s_.shapes.passports.size();
    for (const Span& run : s_.shapes.runs) shapes += run.char_len() >= kMinCandidateDigits;
    const std::size_t room = std::min(shapes, text_.size() / 16);
    if (room >= kReservedFrom) findings_.reserve(room);
  }

  void add_email(const Span& span) {
    SourceSpan src = source_of(span);
    if (cfg_.label_reading && extend::role_mailbox(text_, span)) {
      keep_rejection(Rejection{src.span, kEmailScore, EntityKind::email, RejectReason::company_number});
      return;
    }
    add_finding(
        Finding{EntityKind::email, Certainty::probable, src.span, span, kEmailScore, Evidence{}});
    if (detail_.evidence)
      findings_.back().evidence =
          Evidence{kEmailRule, ChecksumResult::not_applicable(reason::email),
                   {},         src.rules,
                   src.cost,   src.snapped,
                   {}};
  }

  void add_passport(const Span& span) {
    SourceSpan src = source_of(span);
    // Both tables are searched around the normalized span.
    search_.run(text_, span, cfg_.context_window, kCueSets.passport_and_negative);
    std::vector<ContextHit> hits;
    search_.hits(passport_cues(), hits);
    const float ctx = context::total(hits);
    const float neg = search_.weigh(negative_cues());
    float score = cfg_.context * ctx;
    score = score + kPassportBase;
    score = clamp_score(subtract_costs(score, src.cost, cfg_));

    std::optional<RejectReason> reason;
    if (neg > ctx && neg >= cfg_.min_veto) reason = RejectReason::business_context;
    else if (ctx < cfg_.min_context) reason = RejectReason::no_context;
    else if (score < cfg_.min_score) reason = RejectReason::below_threshold;
    if (reason) {
      keep_rejection(Rejection{src.span, score, EntityKind::passport, *reason});
      return;
    }
    const Certainty certainty = ctx > 0.0f ? Certainty::probable : Certainty::possible;
    add_finding(Finding{EntityKind::passport, certainty, src.span, span, score, Evidence{}});
    if (detail_.evidence)
      findings_.back().evidence = Evidence{kPassportRule,
                                           ChecksumResult::not_applicable(reason::passport),
                                           std::move(hits),
                                           src.rules,
                                           src.cost,
                                           src.snapped,
                                           {}};
  }

  // The labels around a span as the extension families read them (none when both are off).
  // Out of line: inlined, it crowds the run's evaluation out of its own inlining.
  [[gnu::noinline]] bool read_labels(const Span& span, const Span& source_span) {
    if (!cfg_.label_reading && !cfg_.structure) return false;
    extend::LabelSearch& search = labels_ ? *labels_ : labels_.emplace();
    if (cfg_.label_reading) search.run(text_, span, cfg_.context_window);
    else search.clear();
    // Structure is read for a value whose own line names nothing: it costs little that way.
    // Where the line names something, only the keys enclosing the value's block are read,
    // unless what it names stands in the row's other cells.
    past_other_cells_ = cfg_.structure && cfg_.label_reading && !search.empty() &&
                        search.only_in_other_cells(text_, span);
    if (cfg_.structure && (!cfg_.label_reading || search.empty() || past_other_cells_))
      search.run_structure(source_, source_span);
    else if (cfg_.structure) search.run_enclosing(source_, source_span);
    return true;
  }

  // With label reading, the labels read for `kind` take the place of the base hits: they belong
  // to this line and to the nearest number. The structure alone adds to the base hits when its
  // labels weigh more.
  // A run's candidates of one kind read the same labels: the table last read is read once
  // until forget_improved says its lists were written since.
  void improve(EntityKind kind, std::vector<ContextHit>& hits, float& ctx, RuleList& extensions) {
    const auto table = static_cast<std::size_t>(kind);
    if (table != improved_table_) {
      s_.sources.clear();
      s_.ext_hits.clear();
      improved_weight_ =
          labels_->may_hit(table) ? labels_->hits(table, s_.ext_hits, &s_.sources) : 0.0f;
      improved_table_ = table;
    }
    const float t = improved_weight_;
    if (!cfg_.label_reading && !(t > ctx)) return;
    hits = s_.ext_hits;
    ctx = t;
    for (RuleName r : s_.sources)
      if (std::find(extensions.begin(), extensions.end(), r) == extensions.end())
        extensions.push_back(r);
    if (past_other_cells_ && std::any_of(s_.sources.begin(), s_.sources.end(), [](RuleName r) {
          return r == structure::rule::kColumnHeader || r == structure::rule::kColumnFromRight ||
                 r == structure::rule::kStatementMemo ||
                 r == structure::rule::kFixedWidthHeader || r == structure::rule::kFixedWidthCell;
        }))
      extensions.push_back(extend::rule::kHeaderPastOtherCells);
  }

  // A candidate of the run is a business registration number written in its groups whose
  // check digit agrees. Out of line: most runs are written otherwise.
  [[gnu::noinline]] bool own_business_number(const Span& source_span, std::size_t n) const {
    if (!grouped_as_business_number(source_.substr(source_span.byte_start, source_span.byte_len())))
      return false;
    return std::any_of(s_.cands.begin(), s_.cands.begin() + static_cast<std::ptrdiff_t>(n),
                       [](const Candidate& c) {
                         return c.entity == EntityKind::business_registration &&
                                c.checksum.kind == ChecksumResult::Kind::passed;
                       });
  }

  // Whether the run's source holds a letter only the scanned_letters setting reads as a digit
  // (S, B), or more of the letters I, l, O, o than a number typed to pass a filter holds (a
  // scan misread every 0 and 1 of OlO-l2l9-7O46). Out of line: only that setting asks, of runs
  // with a replaced character.
  [[gnu::noinline]] bool holds_scanned_letter(const Span& source_span) const {
    const std::string_view s = source_.substr(source_span.byte_start, source_span.byte_len());
    if (std::any_of(s.begin(), s.end(), [](char c) { return c == 'S' || c == 'B'; })) return true;
    constexpr std::ptrdiff_t kMostTypedLetters = 5;
    return std::count_if(s.begin(), s.end(), [](char c) {
             return c == 'I' || c == 'l' || c == 'O' || c == 'o';
           }) > kMostTypedLetters;
  }

  // Whether the run stands below a first line holding a scan's title (labels::kScanTitleWords).
  // Out of line: asked of runs read through a scan's letters only; the line is read once.
  [[gnu::noinline]] bool below_scan_title(const Span& source_span) {
    if (!scan_title_end_) {
      std::size_t start = 0;
      while (start < source_.size() && (source_[start] == '\n' || source_[start] == '\r' ||
                                        source_[start] == ' ' || source_[start] == '\t'))
        ++start;
      const std::string_view rest = source_.substr(start, labels::kScanTitleReach);
      const std::string_view line = rest.substr(0, rest.find('\n'));
      const bool title = line.size() < rest.size() &&
                         std::any_of(std::begin(labels::kScanTitleWords), std::end(labels::kScanTitleWords),
                                     [&](std::string_view w) { return line.find(w) != line.npos; });
      scan_title_end_ = title ? start + line.size() : 0;
    }
    return *scan_title_end_ > 0 && source_span.byte_start > *scan_title_end_;
  }

  // Three, two and five digits joined by hyphens: 123-45-67890.
  static bool grouped_as_business_number(std::string_view s) {
    if (s.size() != 12 || s[3] != '-' || s[6] != '-') return false;
    for (std::size_t k : {0, 1, 2, 4, 5, 7, 8, 9, 10, 11})
      if (!unicode::is_ascii_digit(static_cast<unsigned char>(s[k]))) return false;
    return true;
  }

  // Vetoes from the labels of look-alikes and company numbers against a reading's context.
  // A resident or foreigner number whose birth date and check digit agree (`registration`)
  // gives way to a full look-alike label only, not to a word such as 회원 or 예약 nearby.
  // A business registration number is a company's own, and a mobile under a company is still
  // a person's: a company's block (company: {...}) vetoes neither.
  [[gnu::always_inline]] std::optional<RejectReason> label_veto(float ctx, bool phone,
                                                                bool registration = false,
                                                                bool business = false,
                                                                bool mobile = false) {
    if (cfg_.label_reading && negative_ >= cfg_.min_veto && negative_ > ctx &&
        !(business && own_business_))
      return RejectReason::business_context;
    // A phone read from a mobile number's digits passes the words that name no mobile.
    const bool as_mobile = phone && mobile;
    const float lookalike = business || (phone && personal_) ? lookalike_beside_blocks_
                            : as_mobile                      ? lookalike_of_mobile_
                                                             : lookalike_;
    if (registration && lookalike < 1.0f) return std::nullopt;
    if (cfg_.lookalike_veto && lookalike >= cfg_.min_veto && lookalike > ctx)
      return RejectReason::look_alike;
    // Company labels name telephone numbers only.
    const float company = as_mobile ? company_of_mobile_ : company_;
    if (cfg_.company_veto && phone && company >= cfg_.min_veto && company > ctx && !personal_)
      return RejectReason::company_number;
    return std::nullopt;
  }

  // `mobile`: the run's digits are a mobile number's (labels::kNotMobile words are weighed apart).
  // Out of line: Config() never calls it, and its loop over runs stays as it is.
  // `safe`: a platform's safe number, over which every company word weighs (company_of_mobile_).
  [[gnu::noinline]] void weigh_vetoing_labels(bool read, bool mobile, bool safe = false) {
    lookalike_ = lookalike_beside_blocks_ = lookalike_of_mobile_ = company_ = company_of_mobile_ =
        negative_ = 0;
    personal_ = false;
    if (!read) return;
    const extend::LabelSearch& search = *labels_;
    // Most values have none of these tables' labels near them.
    if (search.may_hit(labels::kNegativeTable))
      negative_ = search.hits(labels::kNegativeTable, s_.ext_hits, nullptr);
    if (search.may_hit(labels::kLookAlikeTable)) {
      lookalike_ = search.hits(labels::kLookAlikeTable, s_.ext_hits, nullptr);
      lookalike_beside_blocks_ = search.in_owned_block() ? search.hits(labels::kLookAlikeTable,
                                                                       s_.ext_hits, nullptr, false)
                                                         : lookalike_;
    }
    if (mobile && lookalike_ > 0)
      lookalike_of_mobile_ = search.hits(labels::kLookAlikeTable, s_.ext_hits, nullptr, true,
                                         labels::kNotMobile, true);
    if (search.may_hit(labels::kCompanyTable))
      company_ = search.hits(labels::kCompanyTable, s_.ext_hits, nullptr);
    if (mobile && company_ > 0)
      company_of_mobile_ = safe ? company_
                                : search.hits(labels::kCompanyTable, s_.ext_hits, nullptr, true,
                                              labels::kNotMobile);
    personal_ = search.personal_phone();
  }

  // A sender's own line under their signature (extend::senders_own_line) is theirs, as a personal
  // label makes it, and the team's or the company's words on the lines between are the sender's:
  // only the words on its own line weigh against it. Out of line: few numbers begin such a line.
  [[gnu::noinline, gnu::cold]] void read_as_senders_line() {
    const extend::LabelSearch& search = *labels_;
    personal_ = true;
    constexpr bool kBlockKeys = true, kOwnLine = true;
    lookalike_ = lookalike_beside_blocks_ = lookalike_of_mobile_ =
        search.hits(labels::kLookAlikeTable, s_.ext_hits, nullptr, kBlockKeys, 0, kOwnLine);
    company_ = company_of_mobile_ =
        search.hits(labels::kCompanyTable, s_.ext_hits, nullptr, kBlockKeys, 0, kOwnLine);
    negative_ = search.hits(labels::kNegativeTable, s_.ext_hits, nullptr, kBlockKeys, 0, kOwnLine);
  }

  // Said in candidate i's evidence where a word that would have vetoed it did not: a word that
  // names no mobile over a mobile (rule::kPhoneMobileUnderOtherWord), a word right before another
  // number (rule::kLabelOfAnotherNumber; a resident or foreigner number whose birth date and
  // check digit agree gives way to a full word only, as in label_veto). Out of line: the loop
  // over candidates stays as it is for Config().
  [[gnu::noinline]] void note_words_passed(std::size_t i, float ctx, bool registration,
                                           bool mobile) {
    const bool phone = s_.cands[i].entity == EntityKind::phone;
    if (mobile && phone && (company_ > company_of_mobile_ || lookalike_ > lookalike_of_mobile_) &&
        label_veto(ctx, true, registration, false, false)) {
      // The look-alikes' words on any line but those that name no mobile: where they veto,
      // the words a line above were passed.
      const float any_line =
          labels_->hits(labels::kLookAlikeTable, s_.ext_hits, nullptr, true, labels::kNotMobile);
      if (any_line > lookalike_of_mobile_ && any_line >= cfg_.min_veto && any_line > ctx)
        s_.cand_ext[i].push_back(extend::rule::kMobileUnderWordALineAbove);
      if (company_ > company_of_mobile_ || lookalike_ > any_line)
        s_.cand_ext[i].push_back(extend::rule::kPhoneMobileUnderOtherWord);
    }
    if (!labels_ || !labels_->any_left_to_another_number()) return;
    const float word = labels_->left_to_another_number();
    if (word >= cfg_.min_veto && word > ctx && !(phone && personal_) &&
        !(registration && word < 1.0f))
      s_.cand_ext[i].push_back(extend::rule::kLabelOfAnotherNumber);
  }

  // A birth date dated after the reference year is a passport's expiry or another event's date.
  // Out of line and cold: only the thorough mode's shapes of birth dates come here.
  [[gnu::noinline, gnu::cold]] bool dated_after_reference_year(const Span& span) const {
    return extend::dated_after(text_.substr(span.byte_start, span.byte_len()),
                               extend::reference_year(cfg_));
  }

  // A reading that only a column's header (or a label right before it) may name: elsewhere its
  // labels count for nothing, and it is rejected for want of context.
  static void unlabel(std::vector<ContextHit>& hits, float& ctx) {
    hits.clear();
    ctx = 0;
  }

  // A shape of the extension families (or a passport when any family is on): scored like a
  // passport, from the base cues and the labels the families read.
  void add_shape(const extend::Shape& shape) {
    SourceSpan src = source_of(shape.span);
    // Nine digits are a passport as written, not once the normalization took a separator out.
    const bool passport = shape.kind == EntityKind::passport;  // spares the rules' comparisons
    if (passport && src.span.byte_len() != 9 && shape.rule == extend::rule::kPassportNineDigits)
      return;
    std::vector<ContextHit> hits;
    float ctx = 0, neg = 0;
    if (!cfg_.label_reading) {  // with label reading its own labels take the place of these
      context::CueSet wanted = kCueSets.negative;
      wanted |= kCueSets.of_kind[static_cast<std::size_t>(shape.kind)];
      search_.run(text_, shape.span, cfg_.context_window, wanted);
      search_.hits(cues_for(shape.kind), hits);
      ctx = context::total(hits);
      neg = search_.weigh(negative_cues());
    }
    RuleList extensions;
    if (shape.rule != kPassportRule) extensions.push_back(shape.rule);
    const bool read = read_labels(shape.span, src.span);
    forget_improved();
    if (read) improve(shape.kind, hits, ctx, extensions);
    if (shape.kind == EntityKind::birth_date && cfg_.label_reading && ctx < cfg_.min_context) {
      const unsigned year = extend::reference_year(cfg_);
      if (extend::age_beside_agrees(source_, src.span, year)) {
        ctx = 1.0f;
        extensions.push_back(extend::rule::kBirthAgeBeside);
      } else if (const auto place = extend::date_bracketed_after_person(source_, src.span, year);
                 place != extend::BracketPlace::none) {
        ctx = place == extend::BracketPlace::first ? 1.0f : kPersonBeforeWeight;
        extensions.push_back(extend::rule::kBirthBracketAfterPerson);
      } else if (cfg_.structure && extend::date_after_name_in_roster(source_, src.span, year)) {
        ctx = kPersonBeforeWeight;
        extensions.push_back(extend::rule::kBirthRosterRow);
      } else if (extend::masked_date_beside_its_resident(source_, src.span)) {
        ctx = 1.0f;
        extensions.push_back(extend::rule::kBirthMaskedBesideResident);
      }
    }
    // An old passport (a letter, eight digits) given as a chat's answer under a message naming
    // passports (저는 S03666465요).
    if (passport && cfg_.label_reading && ctx < cfg_.min_context && src.span.byte_len() == 9 &&
        extend::passport_answered_in_chat(source_, src.span)) {
      ctx = 1.0f;
      extensions.push_back(extend::rule::kPassportAnsweredInChat);
    }
    // A field of an airline's DOCS record is named by its place: no label stands before it.
    if (read && ctx < 1.0f && (shape.kind == EntityKind::birth_date || passport) &&
        extend::docs_field_kind(source_, src.span) == shape.kind) {
      ctx = 1.0f;
      extensions.push_back(passport ? extend::rule::kPassportDocsField
                                    : extend::rule::kBirthDocsField);
    }
    if (passport &&
        (shape.rule == extend::rule::kPassportForeign ||
         shape.rule == extend::rule::kPassportNineDigits) &&
        !(read && labels_->found_over_column(static_cast<std::size_t>(EntityKind::passport), true)))
      unlabel(hits, ctx);
    weigh_vetoing_labels(read, false);
    float score = cfg_.context * ctx;
    score = score + shape.base;
    score = clamp_score(subtract_costs(score, src.cost, cfg_));

    std::optional<RejectReason> why;
    if (!cfg_.label_reading && neg > ctx && neg >= cfg_.min_veto)
      why = RejectReason::business_context;
    else if (auto v = shape.kind == EntityKind::email
                          ? std::nullopt
                          : label_veto(ctx, shape.kind == EntityKind::phone))
      why = v;  // an e-mail address is never a look-alike number
    else if (cfg_.lookalike_veto && shape.kind == EntityKind::birth_date &&
             dated_after_reference_year(shape.span))
      why = RejectReason::look_alike;
    else if (shape.needs_context && ctx < cfg_.min_context) why = RejectReason::no_context;
    else if (score < cfg_.min_score) why = RejectReason::below_threshold;
    if (why) {
      keep_rejection(Rejection{src.span, score, shape.kind, *why});
      return;
    }
    const Certainty certainty =
        !shape.needs_context || ctx > 0.0f ? Certainty::probable : Certainty::possible;
    add_finding(Finding{shape.kind, certainty, src.span, shape.span, score, Evidence{}});
    if (detail_.evidence)
      findings_.back().evidence =
          Evidence{shape.rule, shape.checksum, std::move(hits),
                   src.rules,  src.cost,       src.snapped,
                   RuleSequence::of(extensions)};
  }

  // The list's first finding takes a spare list (a freed report's, see give_buffers).
  void add_finding(Finding&& f) {
    if (findings_.capacity() == 0) findings_ = kept::Spares<std::vector<Finding>>::take(4);
    findings_.push_back(std::move(f));
  }
  // A rejection, kept when the caller wants them.
  void keep_rejection(const Rejection& r) {
    if (detail_.rejections) add_rejection(rejections_, r);
  }
  // The list's first rejection takes a spare list (a freed report's, see give_buffers).
  static void add_rejection(std::vector<Rejection>& list, const Rejection& r) {
    if (list.capacity() == 0) list = kept::Spares<std::vector<Rejection>>::take(4);
    // Millions of rejections move in polled blocks.
    if (list.size() == list.capacity()) [[unlikely]]
      pages::grow_for_one(list);
    list.push_back(r);
  }

  // One digit run (or one piece of a list): its candidates, their decisions and the single
  // winner. Rejections go to `rejections` when it is given; without it, a run none of whose
  // candidates can pass is dropped before its projection is made, unless it is a whole run
  // (`whole`) that mend_list may split: whether it was vetoed decides that. A caller that
  // reads only the winner's score asks for no `evidence`: the winner's is left empty. A caller
  // that knows no cue stands in the run's windows (`no_cues`: a piece of a quiet list) spares
  // the search for them.
  RunOutcome evaluate_run(const Span& run, std::vector<Rejection>* rejections, bool whole = false,
                          bool evidence = true, bool no_cues = false) {
    return extended_ ? evaluate_run_as<true>(run, rejections, whole, evidence, no_cues)
                     : evaluate_run_as<false>(run, rejections, whole, evidence, no_cues);
  }
  // One body for each setting: Config()'s holds none of the families' readings, and thorough's
  // has the inlining room they take.
  template <bool kExtended>
  RunOutcome evaluate_run_as(const Span& run, std::vector<Rejection>* rejections, bool whole,
                             bool evidence, bool no_cues) {
    RunOutcome out;
    const std::string_view digits_text = text_.substr(run.byte_start, run.byte_len());
    // Runs are ASCII, so bytes are characters here.
    if (digits_text.size() < min_digits_ || digits_text.size() > kMaxCandidateDigits) return out;
    std::optional<SourceSpan> early;
    if (digits_text.size() < kMinCandidateDigits) {
      // Too short for any number but a short date, which has lost its separators: a run
      // written as it stands is a bare short number.
      if (!extend::may_be_short_date(digits_text) || map_.copies(run)) return out;
    }
    // Most runs are short and lie sixteen bytes or more before the text's end.
    const bool one_block = digits_text.size() <= 16 && text_.size() - run.byte_start >= 16;
    if (!(one_block ? to_digits16(digits_text.data(), digits_text.size(), s_.digit_values.data())
                    : to_digits(digits_text, s_.digit_values.data())))
      return out;
    s_.digits = std::span(s_.digit_values.data(), digits_text.size());
    candidates(s_.digits, s_.cands);
    constexpr bool extended = kExtended;
    if (extended) {
      early = source_of(run);
      extend::extra_candidates(cfg_, s_.digits,
                               source_.substr(early->span.byte_start, early->span.byte_len()),
                               text_.substr(0, run.byte_start), s_.cands);
    }
    const std::size_t n = s_.cands.size();
    if (n == 0) return out;

    // Context and the score before costs, per candidate: one search for all their tables,
    // and the negative cues too in case the source has the same windows.
    context::CueSet wanted = kCueSets.negative;
    for (std::size_t i = 0; i < n; ++i)
      wanted |= kCueSets.of_kind[static_cast<std::size_t>(s_.cands[i].entity)];
    // With label reading the families' own labels take the place of the base search.
    const bool own_labels = extended && cfg_.label_reading;
    if (!own_labels) {
      if (no_cues) search_.find_nothing();
      else search_.run(text_, run, cfg_.context_window, wanted);
    }
    if (s_.cand_hits.size() < n) s_.cand_hits.resize(n);
    // Both are written before they are read: grown, never shrunk.
    if (s_.ctx.size() < n) s_.ctx.resize(n);
    if (s_.raw.size() < n) s_.raw.resize(n);
    const bool read = extended && read_labels(run, early->span);
    const bool mobile_run = extended && extend::is_mobile_number(s_.digits);
    // A mobile in any form: the words that name no mobile weigh apart over it.
    // So does a platform's safe number, which stands for the person's own mobile (예약자, 회원);
    // a company's words still name it, as they name a shop's line.
    const bool safe = extended && extend::is_safe_number(s_.digits);
    const bool mobile =
        mobile_run || safe || (extended && extend::is_mobile_in_any_form(s_.digits));
    bool mobile_among_accounts = false;
    // What stands beside the run is read for a kind at its first candidate the labels leave
    // below 1, and only what that kind reads: next to no run has any of it.
    std::uint8_t beside = 0, beside_read = 0;  // Beside flags found, and those looked for
    if (extended) {
      if (s_.cand_ext.size() < n) s_.cand_ext.resize(n);
      weigh_vetoing_labels(read, mobile, safe);
      senders_line_ =
          read && !personal_ && extend::senders_own_line(s_.digits, source_, early->span);
      if (senders_line_) read_as_senders_line();
    }
    // Without the families a candidate's hits are read only in a winner's evidence: where no
    // evidence is kept (a piece of a list, masking's findings) they are only weighed.
    const bool hit_lists = extended || (evidence && detail_.evidence);
    bool any_can_pass = false;
    bool every_checksum_passed = true;  // then no negative cue can veto a candidate
    forget_improved();  // weigh_vetoing_labels wrote s_.ext_hits, read_labels read anew
    for (std::size_t i = 0; i < n; ++i) {
      const Candidate& c = s_.cands[i];
      if (own_labels) s_.cand_hits[i].clear();
      else if (hit_lists) search_.hits(c.cues, s_.cand_hits[i]);
      s_.ctx[i] = own_labels || hit_lists ? context::total(s_.cand_hits[i]) : search_.weigh(c.cues);
      if (extended) {
        s_.cand_ext[i].clear();
        if (c.extension) s_.cand_ext[i].push_back(c.rule);
        if (read) improve(c.entity, s_.cand_hits[i], s_.ctx[i], s_.cand_ext[i]);
        // A mobile with no account's word attached is no account (its label is the next
        // number's or a line above): the phone's reading is left to win.
        if (mobile_run && read && c.entity == EntityKind::bank_account && s_.ctx[i] > 0 &&
            mobile_without_account_word(i, early->span)) {
          unlabel(s_.cand_hits[i], s_.ctx[i]);
          mobile_among_accounts = true;
        }
        if (own_labels && s_.ctx[i] < 1.0f) {
          const bool unlabelled = s_.ctx[i] < cfg_.min_context;
          if (const std::uint8_t of_kind = beside_flags_of(c.entity, unlabelled);
              of_kind & ~beside_read) {
            beside |= beside_the_run(early->span, c.entity);
            beside_read |= of_kind;
          }
          if (beside) read_beside(i, beside);
        }
        if (c.rule == extend::rule::kPhoneColumnNoZero &&
            !(read &&
              labels_->found_over_column(static_cast<std::size_t>(EntityKind::phone), false)))
          unlabel(s_.cand_hits[i], s_.ctx[i]);
      }
      float score = c.base;
      if (c.checksum.kind == ChecksumResult::Kind::passed) score = score + cfg_.checksum_passed;
      else if (c.checksum.kind == ChecksumResult::Kind::failed)
        score = score - cfg_.checksum_failed;
      every_checksum_passed =
          every_checksum_passed && c.checksum.kind == ChecksumResult::Kind::passed;
      const float weighted = cfg_.context * s_.ctx[i];
      s_.raw[i] = score + weighted;
      if (!(c.needs_context && s_.ctx[i] < cfg_.min_context) &&
          !(clamp_score(s_.raw[i]) < cfg_.min_score))
        any_can_pass = true;
    }
    if (mobile_among_accounts) note_mobile_among_accounts(n);
    // Subtracting non-negative costs never raises a rounded score.
    if (!rejections && !any_can_pass && costs_only_lower_ && !(whole && may_be_mended(run)))
      return out;

    // The rules of the projection go into a winner's evidence only, and without a candidate
    // that can pass before costs there is no winner.
    evidence = evidence && detail_.evidence;
    SourceSpan src = early ? std::move(*early)
                           : source_of(run, evidence && (any_can_pass || !costs_only_lower_));
    // The negative cues weigh only against a candidate whose checksum did not pass.
    float neg = 0;
    if (!own_labels && !every_checksum_passed) {
      search_.rerun(source_, src.span, cfg_.context_window, kCueSets.negative);
      neg = search_.weigh(negative_cues());
    }
    std::optional<extend::Veto> run_veto;
    if (extended)
      run_veto =
          extend::veto(cfg_, s_.digits, source_, src.span, personal_, read ? &*labels_ : nullptr);
    // A number that reads as a telephone number under a company label is the company's,
    // whatever else its digits could be.
    // A business registration number written in its groups (123-45-67890) whose check digit
    // agrees is a company's own number: the company's words around it name it, not veto it
    // (Config() reads it so too). Other numbers of ten digits agree with it one time in ten.
    const bool valid_business = extended && src.span.byte_len() == 12 &&
                                source_[src.span.byte_start + 3] == '-' &&
                                own_business_number(src.span, n);
    own_business_ = valid_business;
    bool company_words_passed = false;
    if (extended && !run_veto) {
      for (std::size_t i = 0; i < n; ++i)
        if (s_.cands[i].entity == EntityKind::phone &&
            label_veto(s_.ctx[i], true, false, false, mobile) == RejectReason::company_number) {
          if (valid_business) company_words_passed = true;
          else run_veto = extend::Veto{RejectReason::company_number, true};
          break;
        }
    }

    // A number read through a scan's letters (010-6911-B541) is reported under a label only.
    const bool scanned = extended && cfg_.scanned_letters && src.cost.replaced_chars > 0 &&
                         holds_scanned_letter(src.span) && !below_scan_title(src.span);

    // An account read out in spaced groups answering a request on the line before (환급계좌 불러
    // 주세요 / 9096 08 122864 1 요): its spaces are how it was read out, not joins of numbers, and
    // cost what a hyphen does. Asked of runs with absorbed spaces and an ending after them only.
    std::optional<NormalizationCost> read_out_cost;
    if (extended && src.cost.absorbed_whitespace > 0 && extend::ending_only_after(source_, src.span)) {
      read_out_cost = src.cost;
      read_out_cost->absorbed_separators = NormalizationCost::saturate(
          std::uint64_t{read_out_cost->absorbed_separators} + read_out_cost->absorbed_whitespace);
      read_out_cost->absorbed_whitespace = 0;
    }
    auto read_out = [&](std::size_t i) {
      return read_out_cost && s_.cands[i].entity == EntityKind::bank_account &&
             std::find(s_.cand_ext[i].begin(), s_.cand_ext[i].end(),
                       structure::rule::kQuestionLine) != s_.cand_ext[i].end();
    };

    std::size_t win = n;
    float win_score = 0;
    Certainty win_certainty = Certainty::possible;
    auto reject = [&](const Candidate& c, float score, RejectReason why) {
      if (why == RejectReason::business_context) out.vetoed = true;
      if (rejections) add_rejection(*rejections, Rejection{src.span, score, c.entity, why});
    };

    for (std::size_t i = 0; i < n; ++i) {
      const Candidate& c = s_.cands[i];
      const float ctx = s_.ctx[i];
      const bool passed = c.checksum.kind == ChecksumResult::Kind::passed;
      const bool failed = c.checksum.kind == ChecksumResult::Kind::failed;
      const float score =
          clamp_score(subtract_costs(s_.raw[i], read_out(i) ? *read_out_cost : src.cost, cfg_));

      Certainty certainty = c.max_certainty;
      if (!passed)
        certainty =
            std::min(ctx > 0.0f ? Certainty::probable : Certainty::possible, c.max_certainty);

      if (run_veto) {
        reject(c, score, run_veto->reason);
        continue;
      }
      if (!(extended && cfg_.label_reading) && !passed && neg >= cfg_.min_veto && neg > ctx) {
        reject(c, score, RejectReason::business_context);
        continue;
      }
      if (extended) {
        const bool registration = passed && (c.entity == EntityKind::resident ||
                                             c.entity == EntityKind::foreigner_registration);
        if (auto v = label_veto(ctx, c.entity == EntityKind::phone, registration,
                                c.entity == EntityKind::business_registration, mobile)) {
          reject(c, score, *v);
          continue;
        }
        if ((mobile && (company_ > company_of_mobile_ || lookalike_ > lookalike_of_mobile_)) ||
            (read && labels_->any_left_to_another_number()))
          note_words_passed(i, ctx, registration, mobile);
        if (mobile && c.entity == EntityKind::phone && extend::clock_follows(source_, src.span))
          s_.cand_ext[i].push_back(extend::rule::kMobileBeforeClock);
        if (senders_line_ && c.entity == EntityKind::phone)
          s_.cand_ext[i].push_back(extend::rule::kSendersOwnLine);
      }
      if ((c.needs_context || scanned) && ctx < cfg_.min_context) {
        reject(c, score, RejectReason::no_context);
        continue;
      }
      if (score < cfg_.min_score) {
        reject(c, score, failed ? RejectReason::checksum_failed : RejectReason::below_threshold);
        continue;
      }
      // With label reading, a reading under a label of its kind outranks one without, unless
      // that one is a resident or foreigner number whose birth date and check digit agree.
      auto strong = [&](std::size_t k) {
        const Candidate& d = s_.cands[k];
        const bool registration =
            d.entity == EntityKind::resident || d.entity == EntityKind::foreigner_registration;
        return s_.ctx[k] >= cfg_.min_context ||
               (registration && d.checksum.kind == ChecksumResult::Kind::passed);
      };
      const bool labelled = own_labels && strong(i);
      const bool win_labelled = own_labels && win != n && strong(win);
      if (win == n) {
        win = i;
      } else if (labelled != win_labelled ? labelled : score > win_score) {
        reject(s_.cands[win], win_score, RejectReason::outranked);
        win = i;
      } else {
        reject(c, score, RejectReason::outranked);
        continue;
      }
      win_score = score;
      win_certainty = certainty;
    }

    if (win != n) {
      const Candidate& c = s_.cands[win];
      if (valid_business && c.entity == EntityKind::business_registration &&
          (company_words_passed ||
           (cfg_.label_reading && negative_ >= cfg_.min_veto && negative_ > s_.ctx[win])))
        s_.cand_ext[win].push_back(extend::rule::kBusinessPastCompanyWords);
      out.winner = winning_finding(win, src, run, win_certainty, win_score, evidence, extended);
    }
    if (run_veto && run_veto->final) out.vetoed = true;
    return out;
  }

  // Candidate `win`'s finding, with its evidence when asked for (the rules taken from `src`),
  // made in place: no move assignment or destruction of an Evidence. Out of line: inlined, it
  // crowds the rest of evaluate_run out of its own inlining.
  [[gnu::noinline]] Finding winning_finding(std::size_t win, SourceSpan& src, const Span& run,
                                            Certainty certainty, float score, bool evidence,
                                            bool extended) {
    const Candidate& c = s_.cands[win];
    // The hits are copied, not moved: into a spare buffer or one allocation of their size,
    // and the scratch list keeps its room for the next run.
    return Finding{
        c.entity,
        certainty,
        src.span,
        run,
        score,
        evidence ? Evidence{c.rule, c.checksum, spare_copy(s_.cand_hits[win]), src.rules,
                            src.cost, src.snapped,
                            extended ? RuleSequence::of(s_.cand_ext[win]) : RuleSequence()}
                 : Evidence{}};
  }

  // Whether mend_list would look for a split of the run: a run longer than a winning piece with
  // a list break (absorbed whitespace or comma) inside it.
  bool may_be_mended(const Span& run) {
    if (run.char_len() <= kMinCandidateDigits) return false;
    const std::size_t n = map_.len();
    for (std::size_t m = segment_after(run.byte_start);
         m < n && map_.dst_byte_start(m) < run.byte_end; ++m)
      if (list_break_at(m)) return true;
    return false;
  }

  // A run that several numbers were joined into (a list written with commas or spaces):
  // split it where whitespace or commas were absorbed and keep the split with the most
  // findings, then the most pieces, then the highest total score, then the earliest cuts.
  void mend_list(const Span& run) {
    // A winning piece needs kMinCandidateDigits characters and is never the whole run. Most
    // runs hold no list break: they are let go before any list is made.
    if (!may_be_mended(run)) return;
    // Cuts where whitespace or commas were absorbed, each with the costs of the separators
    // absorbed there: a piece's projection holds at least those of its inner cuts.
    // A run of a whole text ("1 O 1 O ..." read as digits) has millions of cuts and pieces:
    // every step below polls.
    interrupt::Poll poll;
    s_.cuts.clear();
    s_.cuts.push_back(ListCut{run.byte_start, run.char_start, {}});
    const std::size_t n = map_.len();
    for (std::size_t m = segment_after(run.byte_start);
         m < n && map_.dst_byte_start(m) < run.byte_end; ++m) {
      poll.reach(map_.dst_byte_start(m) - run.byte_start);
      if (!list_break_at(m)) continue;
      const SegmentChange& change = map_.change_of(m);
      const std::uint32_t at = map_.dst_byte_start(m);
      if (s_.cuts.back().byte != at) {
        pages::grow_for_one(s_.cuts);  // a run of a whole text cuts at every other byte
        s_.cuts.push_back(ListCut{at, map_.dst_char_start(m), {}});
      }
      s_.cuts.back().cost += change.cost;
    }
    s_.cuts.push_back(ListCut{run.byte_end, run.char_end, {}});
    const std::size_t k = s_.cuts.size() - 1;  // elementary pieces
    if (k < 2) return;
    // Each elementary piece's digits counted once: a piece of several is their sum.
    poll.advance(run.byte_len());  // the digits of every piece counted
    for (std::size_t c = 1; c <= k; ++c) {
      std::uint32_t digits = s_.cuts[c - 1].digits;
      for (std::uint32_t b = s_.cuts[c - 1].byte; b < s_.cuts[c].byte; ++b)
        digits += text_[b] >= '0' && text_[b] <= '9';
      s_.cuts[c].digits = digits;
    }
    const bool prune = can_prune_pieces();
    // Quiet: no piece's windows hold a cue (each lies within the run and its windows), so the
    // pieces are weighed without searching them again.
    const bool quiet = prune && search_.quiet_around(text_, run, cfg_.context_window);

    auto piece = [&](std::size_t i, std::size_t j) {
      return Span{s_.cuts[i].byte, s_.cuts[j].byte, s_.cuts[i].ch, s_.cuts[j].ch};
    };
    auto eligible = [&](std::size_t i, std::size_t j) {
      return s_.cuts[j].ch - s_.cuts[i].ch <= kMaxCandidateDigits &&
             s_.cuts[j].digits - s_.cuts[i].digits >= 2;
    };

    // The best split from cut i on needs those from the next kSplitWindow cuts only (a piece
    // holds a character at least, so one of at most kMaxCandidateDigits characters spans
    // fewer cuts): they are kept in a ring, and of the rest only the step to the next cut.
    SplitBest ring[kSplitWindow];
    auto best = [&](std::size_t at) -> SplitBest& { return ring[at % kSplitWindow]; };
    best(k) = SplitBest{};
    s_.steps.assign(k, 0);
    for (std::size_t i = k; i-- > 0;) {
      bool have = false;
      SplitBest b{};
      NormalizationCost inner;  // of the cuts i+1 .. j-1
      for (std::size_t j = i + 1; j <= k && j - i < kSplitWindow; ++j) {
        if (prune && j > i + 1) inner += s_.cuts[j - 1].cost;
        if (i == 0 && j == k) break;  // the whole run is not a piece
        // Longer pieces only ever lose to their own finer split.
        if (j > i + 1 && s_.cuts[j].ch - s_.cuts[i].ch > kMaxCandidateDigits) break;
        const Span p = piece(i, j);
        std::uint32_t w = 0;
        double s = 0;
        poll.advance(p.byte_len());
        if (eligible(i, j) && !(prune && cannot_win(inner, p.char_len(), quiet))) {
          poll.advance(kUnitsPerSearch);
          // Only its score is read.
          RunOutcome o = evaluate_run(p, nullptr, false, false, quiet);
          if (o.winner) {
            w = 1;
            s = o.winner->score;
          }
        }
        const SplitBest& after = best(j);
        const std::uint32_t won = w ? s_.cuts[j].digits - s_.cuts[i].digits : 0;
        SplitBest c{after.winners + w, after.won_digits + won, after.pieces + 1, after.score + s,
                    j, w == 1};
        // With the extra shapes, of splits with as many findings the one whose findings hold
        // more digits: a short group left between two values (an account's last group before
        // a mobile: 216 5965 3008 11 01022933960) belongs to the value before it.
        const bool more_won = cfg_.extra_shapes && c.winners == b.winners &&
                              c.won_digits != b.won_digits;
        if (!have || c.winners > b.winners ||
            (more_won && c.won_digits > b.won_digits) ||
            (!more_won && c.winners == b.winners && c.pieces > b.pieces) ||
            (!more_won && c.winners == b.winners && c.pieces == b.pieces && c.score > b.score)) {
          b = c;
          have = true;
        }
      }
      best(i) = b;
      s_.steps[i] = static_cast<std::uint8_t>((b.next - i) | (b.first_wins ? kPieceWins : 0));
    }
    if (best(0).winners == 0) return;
    // The split's winning pieces again, now for their evidence. A piece that won nothing above
    // wins nothing here (the same piece, weighed the same way): it is not looked at again.
    for (std::size_t i = 0, step; i < k; i += step) {
      step = s_.steps[i] & ~kPieceWins;
      if (!(s_.steps[i] & kPieceWins)) continue;
      const Span p = piece(i, i + step);
      poll.advance(p.byte_len() + kUnitsPerSearch);
      RunOutcome o = evaluate_run(p, nullptr, false, true, quiet);
      if (o.winner) add_finding(std::move(*o.winner));
    }
  }

  // Whether a piece whose costs are at least `cost` cannot win: its best score, with the
  // highest base, checksum and context it can have, still falls below the threshold. Only for the
  // default rules (extensions add their own scores) and costs that can only lower a score.
  bool can_prune_pieces() const {
    return costs_only_lower_ && !extended_ && std::isfinite(cfg_.checksum_passed) &&
           std::isfinite(cfg_.checksum_failed) && std::isfinite(cfg_.context) &&
           std::isfinite(cfg_.min_score);
  }
  // A piece of `digits` characters; `quiet`: no cue in any window inside its run.
  bool cannot_win(const NormalizationCost& cost, std::size_t digits, bool quiet) const {
    const float checksum = has_checksum_rule(digits)
                               ? std::max({cfg_.checksum_passed, -cfg_.checksum_failed, 0.0f})
                               : 0.0f;
    const float context = quiet ? 0.0f : std::max(cfg_.context * 1.5f, 0.0f);
    const float best =
        clamp_score(subtract_costs((kMaxCandidateBase + checksum) + context, cost, cfg_));
    return best < cfg_.min_score;  // false for NaN
  }

  // Whether segment m absorbed whitespace or a comma. A map holds few distinct changes and
  // runs cross many segments of each: the answer is worked out once per change (the first
  // kListBreakChanges of them; later ones are asked each time).
  bool list_break_at(std::size_t m) {
    const std::uint32_t number = map_.end_of(m).change & SegmentEnd::kNumberMask;
    if (number == 0) return false;  // the plain identity
    if (number >= kListBreakChanges) return is_list_break(map_.change(number));
    std::uint8_t& known = list_breaks_[number];
    if (known == kUnknown) known = is_list_break(map_.change(number)) ? kBreak : kNoBreak;
    return known == kBreak;
  }

  // The first segment whose output starts after `pos`. Runs are mended in text order, so
  // the search gallops on from the last answer: near segments, few cache lines.
  std::size_t segment_after(std::uint32_t pos) {
    seg_cursor_ = first_index_near(map_.len(), seg_cursor_,
                                   [&](std::size_t i) { return map_.dst_byte_start(i) <= pos; });
    return seg_cursor_;
  }

  // The source of a span of the normalized text. Spans come mostly in text order (runs,
  // their pieces, then e-mails, then shapes), so the map is searched from the last answer. A
  // text no pass changed is its own source: the identity map would give the span back as it
  // is, with no rules and no cost, after some 250 instructions of search.
  SourceSpan source_of(const Span& span, bool with_rules = true) {
    if (unchanged_) return SourceSpan{span, false, {}, {}};
    return map_.to_source(span, source_cursor_, with_rules);
  }

  // What stands beside a run in the source that names a candidate's kind with no label: an age
  // agreeing with a date, 외국인 by a hidden seventh digit, a holder's word before an account, a
  // directory's row of a person's contacts around a date, a person's name before the date's
  // bracket or at its roster row's head. Looked for at most once a run and kind; a candidate of
  // the kind then reads it (read_beside).
  // A person's name before a date's bracket, with other items before the date in it, or at its
  // roster row's head weighs less than a look-alike's full label near the date (홍길동 (계약일,
  // 2024.01.05)): that label still vetoes it. A date first in its bracket weighs 1 (홍길동
  // (1990.01.01) 항공권 ...: the look-alike after the bracket is another number's).
  static constexpr float kPersonBeforeWeight = 0.9f;
  enum Beside : std::uint8_t {
    kAgeAfter = 1,
    kForeignerBy = 2,
    kHolderBefore = 4,
    kContactRow = 8,
    kPersonBefore = 16,
    kRosterRow = 32,
    kPersonBeforeAfterItems = 64,
    kMaskedResidentBeside = 128
  };
  // The flags read_beside reads for a candidate of `kind`: a date's and a foreigner number's
  // only when no label of theirs passes min_context (`unlabelled`).
  static constexpr std::uint8_t beside_flags_of(EntityKind kind, bool unlabelled) {
    switch (kind) {
      case EntityKind::birth_date:
        return unlabelled ? kAgeAfter | kContactRow | kPersonBefore | kRosterRow |
                                kPersonBeforeAfterItems | kMaskedResidentBeside
                          : 0;
      case EntityKind::foreigner_registration: return unlabelled ? kForeignerBy : 0;
      case EntityKind::bank_account: return kHolderBefore;
      default: return 0;
    }
  }
  [[gnu::noinline]] void note_mobile_among_accounts(std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
      if (s_.cands[i].entity == EntityKind::phone)
        s_.cand_ext[i].push_back(extend::rule::kMobileAmongAccounts);
  }
  [[gnu::noinline]] bool mobile_without_account_word(std::size_t i, const Span& src) const {
    return extend::written_as_mobile(s_.digits, source_, src) &&
           std::none_of(s_.cand_ext[i].begin(), s_.cand_ext[i].end(), extend::names_its_cell) &&
           !extend::account_word_attached(source_, src);
  }
  // The flags of beside_flags_of(kind) that stand beside the run.
  [[gnu::noinline]] std::uint8_t beside_the_run(const Span& src, EntityKind kind) const {
    // First looks by a byte or two: a year of 19xx or 20xx leading the run, a mask character
    // after its six digits, the last byte of 의 (명의) before it.
    const std::size_t a = src.byte_start, n = src.byte_len();
    auto at = [&](std::size_t i) { return i < source_.size() ? source_[i] : '\0'; };
    // *, X, x, # or the lead byte of ●, ○, ■ or ×.
    auto masked = [](char c) {
      return c == '*' || c == 'X' || c == 'x' || c == '#' || c == '\xE2' || c == '\xC3';
    };
    std::uint8_t b = 0;
    unsigned year = 0;  // the reference year, asked once
    auto reference_year = [&] { return year ? year : (year = extend::reference_year(cfg_)); };
    if (kind == EntityKind::foreigner_registration) {
      if (n >= 8 &&
          (masked(at(a + 6)) || ((at(a + 6) == '-' || at(a + 6) == ' ') && masked(at(a + 7)))) &&
          extend::foreigner_word_beside_hidden_seventh(source_, src))
        b |= kForeignerBy;
      return b;
    }
    const std::size_t before = a >= 1 && at(a - 1) == ' ' ? a - 1 : a;
    if (kind == EntityKind::bank_account) {
      if (before >= 1 && at(before - 1) == '\x98' && extend::account_after_holder(source_, src))
        b |= kHolderBefore;
      return b;
    }
    if (kind != EntityKind::birth_date) return b;
    if (n >= 8 && ((at(a) == '1' && at(a + 1) == '9') || (at(a) == '2' && at(a + 1) == '0'))) {
      reference_year();
      if (extend::age_beside_agrees(source_, src, year)) b |= kAgeAfter;
      if (extend::date_in_contact_row(source_, src, year)) b |= kContactRow;
    }
    // A bracket (a full-width one ends in a continuation byte), a comma, a slash, a Korean
    // word (배우자, a name) or a birth mark's dot or colon (생. , 생: ) before a run as long as a
    // date written out (010328 to 1962. 10. 16, or 1944-●●-●● with marks of three bytes).
    constexpr std::size_t kLongestDate = 14, kLongestMaskedDate = 18;
    if (n >= 6 &&
        (n <= kLongestDate || (n <= kLongestMaskedDate && masked(at(a + n - 3)))) &&
        before >= 1 &&
        (at(before - 1) == '(' || at(before - 1) == '[' || at(before - 1) == ',' ||
         at(before - 1) == '/' || at(before - 1) == '.' || at(before - 1) == ':' ||
         utf8::is_continuation(static_cast<unsigned char>(at(before - 1))))) {
      reference_year();
      const auto place = extend::date_bracketed_after_person(source_, src, year);
      if (place == extend::BracketPlace::first) b |= kPersonBefore;
      else if (place == extend::BracketPlace::after_items) b |= kPersonBeforeAfterItems;
      // The request a few lines away is read as a header is: with the structure family.
      else if (cfg_.structure && extend::date_after_name_in_roster(source_, src, year))
        b |= kRosterRow;
    } else if (cfg_.structure && n >= 6 && n <= kLongestDate && before >= 1 &&
               (unicode::is_ascii_digit(static_cast<unsigned char>(at(before - 1))) ||
                at(before - 1) == '*')) {
      // A chat reply's phone before its date (함상철 010 4859 6589 19811011).
      reference_year();
      if (extend::date_after_name_in_roster(source_, src, year)) b |= kRosterRow;
    }
    // A date masked but for its year (86-**-**, 9207XX) beside its row's masked resident number.
    if (n >= 6 && n <= kLongestMaskedDate && (masked(at(a + n - 1)) || masked(at(a + n - 3))) &&
        extend::masked_date_beside_its_resident(source_, src))
      b |= kMaskedResidentBeside;
    return b;
  }
  [[gnu::noinline]] void read_beside(std::size_t i, std::uint8_t beside) {
    const EntityKind kind = s_.cands[i].entity;
    RuleName rule;
    float weight = 1.0f;
    // A date or a registration number under a label of its own reads its label.
    const bool unlabelled = s_.ctx[i] < cfg_.min_context;
    if (kind == EntityKind::birth_date && (beside & kAgeAfter) && unlabelled)
      rule = extend::rule::kBirthAgeBeside;
    else if (kind == EntityKind::birth_date && (beside & kContactRow) && unlabelled)
      rule = extend::rule::kBirthContactRow;
    else if (kind == EntityKind::birth_date && (beside & kPersonBefore) && unlabelled)
      rule = extend::rule::kBirthBracketAfterPerson;
    else if (kind == EntityKind::birth_date &&
             (beside & (kPersonBeforeAfterItems | kRosterRow)) && unlabelled) {
      rule = beside & kRosterRow ? extend::rule::kBirthRosterRow
                                 : extend::rule::kBirthBracketAfterPerson;
      weight = kPersonBeforeWeight;
    }
    else if (kind == EntityKind::birth_date && (beside & kMaskedResidentBeside) && unlabelled)
      rule = extend::rule::kBirthMaskedBesideResident;
    else if (kind == EntityKind::foreigner_registration && (beside & kForeignerBy) && unlabelled)
      rule = extend::rule::kForeignerWordBeside;
    else if (kind == EntityKind::bank_account && (beside & kHolderBefore))
      rule = extend::rule::kAccountAfterHolder;
    else return;
    s_.ctx[i] = weight;
    s_.cand_ext[i].push_back(rule);
  }

  // A serial written in four groups or more of one width (복권번호 12345 67890 12345 67890 12345
  // 67890, 유심번호 8982 0123 4567 8901 2345) right after a look-alike's label: the label names
  // the whole number, so no piece of it is read. Out of line: only runs no reading took get here.
  [[gnu::noinline]] bool serial_under_lookalike(const Span& run) {
    constexpr std::size_t kMinGroups = 4, kMinWidth = 4;
    if (run.char_len() < kMinGroups * kMinWidth) return false;
    const Span src = source_of(run).span;
    const std::string_view source = source_.substr(src.byte_start, src.byte_len());
    std::size_t groups = 0, width = 0, current = 0;
    for (std::size_t i = 0; i <= source.size(); ++i) {
      if (i < source.size() && source[i] >= '0' && source[i] <= '9') {
        ++current;
        continue;
      }
      if (current == 0 || (width && current != width)) return false;
      width = current;
      current = 0;
      ++groups;
      if (i < source.size() && source[i] != ' ' && source[i] != '-') return false;
    }
    if (groups < kMinGroups || width < kMinWidth) return false;
    extend::LabelSearch& search = labels_ ? *labels_ : labels_.emplace();
    search.run(text_, run, cfg_.context_window);
    forget_improved();
    return search.lookalike_right_before();
  }

  // Whether an amount's word (원, 만원) follows the run in the normalized text, maybe after
  // groups of an amount's digits (,250,000원).
  bool amount_word_follows(const Span& run) const {
    return extend::amount_word_begins(text_.substr(run.byte_end));
  }

  // A run the normalization joined out of a number and what follows it in the source, read as
  // two runs: a mobile in its groups and a count (010-2511-0687 3박스), a number and a date
  // with dots after a space (302 4039 6816 67 2024. 10. 14), a partly masked card in its groups
  // and any number after a space (5214-87**-****-0803 253), or a number and an amount after a
  // space or a bracket (123-45-678901 (846,620원). Whether it was so read.
  static constexpr std::size_t kMobileDigits = 11;
  static constexpr std::size_t kDatedHeadDigits = 8;  // an account's eight digits at least
  static constexpr std::size_t kLongestCardDigits = 19;
  [[gnu::noinline]] bool read_apart(const Span& run) {
    const std::string_view digits(text_.data() + run.byte_start, run.byte_len());
    const bool mobile_first = digits.size() <= kMobileDigits + 2 && digits[0] == '0' &&
                              digits[1] == '1' && digits[2] == '0';
    const bool amount = amount_word_follows(run);
    std::size_t masks = 0;  // a masked head has no check digit to refuse the joined run
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
      for (const char c : digits) {
        if (c == '*' || c == 'X' || c == 'x') ++masks;
        else if (c < '0' || c > '9') return false;
      }
    // A masked run is read apart only as a card joined to a number (no longer than a card's
    // reading) or before an amount.
    if (masks && !amount && digits.size() > kLongestCardDigits) return false;
    const bool mended =
        (mobile_first || digits.size() >= kDatedHeadDigits + 6) && may_be_mended(run);
    if (!mended && !amount) return false;
    const Span src = source_of(run).span;
    const std::string_view source = source_.substr(src.byte_start, src.byte_len());
    std::uint32_t head = 0;
    RuleName rule;
    // A clock's hour after the mobile (010-1234-5678 14:16) is read apart by the clock's rule.
    const bool clock = src.byte_end < source_.size() && source_[src.byte_end] == ':';
    std::size_t tail = 0;
    // A mobile or a dated number is read apart in digits only: an x right after a mobile is a
    // word's letter (x_forwarded_for), not its mask.
    if (!masks && mended && mobile_first && !clock &&
        extend::mobile_in_groups_then_more(source)) {
      head = kMobileDigits;
      rule = extend::rule::kMobileBeforeCount;
    } else if (!masks && mended && (tail = extend::trailing_dotted_date_digits(source)) &&
               digits.size() >= tail + kDatedHeadDigits) {
      head = static_cast<std::uint32_t>(digits.size() - tail);
      rule = extend::rule::kRunBeforeDate;
    } else if (masks && mended &&
               (head = static_cast<std::uint32_t>(
                    extend::masked_card_before_more(source, digits.size())))) {
      rule = extend::rule::kMaskedCardBeforeMore;
    } else if (amount &&
               (tail = extend::trailing_amount_digits(source, source_.substr(src.byte_end))) &&
               digits.size() >= tail + kDatedHeadDigits) {
      head = static_cast<std::uint32_t>(digits.size() - tail);
      rule = extend::rule::kRunBeforeAmount;
    } else {
      return false;
    }
    const std::size_t before = findings_.size();
    for (const Span& piece :
         {Span{run.byte_start, run.byte_start + head, run.char_start, run.char_start + head},
          Span{run.byte_start + head, run.byte_end, run.char_start + head, run.char_end}}) {
      RunOutcome out = evaluate_run(piece, detail_.rejections ? &rejections_ : nullptr, true);
      if (out.winner) add_finding(std::move(*out.winner));
      if (findings_.size() > before && detail_.evidence && piece.byte_start == run.byte_start)
        {
        RuleSequence& extensions = findings_.back().evidence.extensions;
        extensions = extensions.then(rule);
      }
    }
    return true;
  }

  // Findings inside a strictly longer finding give way to it, judged on the findings as
  // they stand before any removal. Rejections for them follow the findings' order.
  void remove_contained() {
    const std::size_t n = findings_.size();
    if (n < 2) return;
    interrupt::Poll poll;  // each step reads a finding of its own, far from the last
    std::vector<Span> spans;
    spans.reserve(n);
    for (const Finding& f : findings_) {
      poll.advance(kUnitsPerFinding);
      spans.push_back(f.source);
    }
    const std::vector<char> removed = contained_spans(spans);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < n; ++i) {
      poll.advance(kUnitsPerFinding);
      Finding& f = findings_[i];
      if (removed[i])
        keep_rejection(Rejection{f.source, f.score, f.entity, RejectReason::outranked});
      else if (kept++ != i) findings_[kept - 1] = std::move(f);
    }
    findings_.erase(findings_.begin() + static_cast<std::ptrdiff_t>(kept), findings_.end());
    pages::release_storage(spans);
    pages::release_storage(removed);
  }

  std::string_view source_;
  std::string_view text_;
  const SpanMap& map_;
  const bool unchanged_;  // text_ is source_ itself, read through the identity map
  const Config& cfg_;
  const bool costs_only_lower_;  // every cost weight is finite and not negative
  const bool extended_;          // some extension family is on: cfg_.any_extension(), asked per run
  const std::size_t min_digits_;  // the fewest characters of a run with a candidate
  const Detail detail_;

  std::vector<Finding> findings_;
  std::vector<Rejection> rejections_;

  // Lists reused across runs: the thread's (see Scratch).
  Scratch& s_;
  context::Search search_;
  std::size_t seg_cursor_ = 0;     // segment_after's last answer
  std::size_t source_cursor_ = 0;  // source_of's last first segment
  // By change number, what list_break_at found: kUnknown until asked.
  static constexpr std::size_t kListBreakChanges = 64;
  static constexpr std::uint8_t kUnknown = 0, kNoBreak = 1, kBreak = 2;
  std::uint8_t list_breaks_[kListBreakChanges] = {};

  // Scratch of the extension families, made by read_labels (only they read labels; its lists
  // cost every default detection a construction and a destruction).
  std::optional<extend::LabelSearch> labels_;
  // The table improve read last, what its labels weigh (its hits and sources are in s_.ext_hits
  // and s_.sources), or kNoTable.
  static constexpr std::size_t kNoTable = ~std::size_t{0};
  std::size_t improved_table_ = kNoTable;
  float improved_weight_ = 0;
  void forget_improved() { improved_table_ = kNoTable; }
  // *_of_mobile_: without the words that name no mobile (labels::kNotMobile).
  float lookalike_ = 0, lookalike_beside_blocks_ = 0, lookalike_of_mobile_ = 0, company_ = 0,
        company_of_mobile_ = 0, negative_ = 0;
  bool personal_ = false;
  bool senders_line_ = false;      // the run begins a line under a sender's signature
  bool own_business_ = false;      // the run is a business number in its groups, its check agreeing
  bool past_other_cells_ = false;  // read_labels read the header past the row's other cells
  // Where the first line ends when it is a scan's title, 0 when it is none; unset until asked.
  std::optional<std::size_t> scan_title_end_;
};

// Runs a detection on what normalization made of `text`. Where no pass changed it, the text is
// read as it is, through an identity map kept in the thread's scratch: no copy, no new map.
// With `keep_text` the report carries the normalized text. Inlined: as a call it cost short
// texts some forty instructions.
[[gnu::always_inline]] inline Result<void> detect_normalized(std::string_view text,
                                                             const Config& config, Detail detail,
                                                             bool keep_text, Report& report) {
  Normalized changed;
  Result<bool> norm = normalize_changes_into(text, config, changed);
  if (!norm) return std::unexpected(std::move(norm.error()));
  ScratchLease scratch(text.size());
  if (*norm) {
    Detector(text, changed.text, changed.map, config, scratch.get(), detail).run(report);
    SpanMap::give_back(std::move(changed.map));
    // Not kept, it goes pages and all before the caller writes its masked text (a short one
    // to the thread's spares, for the next text's passes).
    if (keep_text) report.normalized_text = std::move(changed.text);
    else if (!kept::Spares<std::string>::keep(changed.text)) pages::release_storage(changed.text);
  } else {
    std::optional<SpanMap>& kept = scratch.get().identity;
    SpanMap& identity = kept ? *kept : kept.emplace();
    identity.become_identity(static_cast<std::uint32_t>(text.size()),
                             static_cast<std::uint32_t>(utf8::count_chars(text)));
    Detector(text, text, identity, config, scratch.get(), detail).run(report);
    if (keep_text) report.normalized_text = spare_copy(text);
  }
  return {};
}

}  // namespace

Result<Report> detect(std::string_view text, const Config& config) {
  if (nothing_to_detect(text, config)) return Report{{}, {}, spare_copy(text)};
  return detect_every_pass(text, config);
}

Result<Report> detect_every_pass(std::string_view text, const Config& config) {
  Report report;
  Result<void> done = detect_normalized(text, config, Detail{}, true, report);
  if (!done) return std::unexpected(std::move(done.error()));
  return report;
}

Result<std::vector<Finding>> detect_findings(std::string_view text, const Config& config,
                                             bool evidence) {
  Report report;
  Result<void> done = detect_normalized(text, config, Detail{false, evidence}, false, report);
  if (!done) return std::unexpected(std::move(done.error()));
  return std::move(report.findings);
}

}  // namespace norvane
