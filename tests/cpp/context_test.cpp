// Cue words near a span: which are found, at what distance, with what weight.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "../../fuzz/fuzz_common.hpp"
#include "../../fuzz/reference.hpp"
#include "detect/candidates.hpp"
#include "detect/context.hpp"
#include "detect/cues.hpp"
#include "normalize/pipeline.hpp"
#include "normalize/unicode.hpp"
#include "span/span_map.hpp"

namespace norvane {
namespace {

// The tests' random choices: a linear congruential generator from a fixed seed, a number
// below `bound` each call.
struct Draws {
  std::uint64_t state;
  std::uint64_t operator()(std::uint64_t bound) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return (state >> 33) % bound;
  }
};

// The characters of UTF-8 text: its bytes that are no continuation byte.
std::uint32_t char_count(std::string_view s) {
  std::uint32_t n = 0;
  for (unsigned char b : s) n += (b & 0xC0) != 0x80;
  return n;
}

// Every cue table, the negative cues last.
std::array<std::span<const Cue>, 10> every_cue_table() {
  const cues::Tables& t = cues::kTables;
  return {t.resident, t.foreigner, t.business, t.card,     t.phone,
          t.license,  t.account,   t.birth,    t.passport, t.negative};
}

// The set of the cues the tables hold.
context::CueSet cue_set_of(std::span<const std::span<const Cue>> tables) {
  context::CueSet all;
  for (const auto table : tables) all |= context::cue_set(table);
  return all;
}

// The span of the first occurrence of `part` in `text` (characters counted by UTF-8 leads).
Span span_of(std::string_view text, std::string_view part) {
  const std::size_t at = text.find(part);
  EXPECT_NE(at, std::string_view::npos) << part;
  auto chars = [&](std::size_t bytes) {
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < bytes; ++i)
      n += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    return n;
  };
  return Span{static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(at + part.size()),
              chars(at), chars(at + part.size())};
}

// Hits as "cue distance weight", best first.
std::string render(const std::vector<ContextHit>& hits) {
  std::string out;
  for (const ContextHit& h : hits) {
    char weight[32];
    std::snprintf(weight, sizeof weight, "%.4g", static_cast<double>(h.weight));
    if (!out.empty()) out += ", ";
    out += std::string(h.cue) + ' ' + std::to_string(h.distance) + ' ' + weight;
  }
  return out;
}

// Floats compared as their bits: a sum made in another order may differ in the last one.
bool same_bits(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

std::string hits_near(std::string_view text, std::string_view part, std::uint32_t window,
                      std::span<const Cue> table) {
  context::Search search;
  search.run(text, span_of(text, part), window, context::cue_set(table));
  std::vector<ContextHit> hits;
  search.hits(table, hits);
  return render(hits);
}

struct CueCase {
  std::string_view text;
  std::string_view part;  // the span: its first occurrence
  std::uint32_t window;
  EntityKind kind;
  const char* hits;
};

TEST(CueSearch, DistancesWeightsAndWindows) {
  using E = EntityKind;
  // clang-format off
  const std::vector<CueCase> cases = {
      {"주민번호: 8801011234568", "8801011234568", 24, E::resident, "주민번호 2 0.8"},  // two characters between
      {"8801011234568 (주민번호)", "8801011234568", 24, E::resident, "주민번호 2 0.8"},  // after the span
      {"주민번호8801011234568", "8801011234568", 24, E::resident, "주민번호 0 1"},       // touching: full weight
      {"주민번호: 8801011234568", "8801011234568", 6, E::resident, "주민번호 2 0.8"},   // the cue just fits
      {"주민번호: 8801011234568", "8801011234568", 5, E::resident, ""},                 // one character short
      {"8801011234568 (주민번호)", "8801011234568", 6, E::resident, "주민번호 2 0.8"},
      {"8801011234568 (주민번호)", "8801011234568", 5, E::resident, ""},                // must end in the window
      {"주민번호 x 8801011234568 주민번호", "8801011234568", 24, E::resident, "주민번호 1 0.8889"},  // the nearer side
      {"전화 문자 연락처 01012345678", "01012345678", 24, E::phone,
       "연락처 1 0.8889, 전화 8 0.3, 문자 5 0.2462"},                                    // by weight, best first
      {"주민등록번호 8801011234568", "8801011234568", 24, E::resident,
       "주민등록번호 1 0.8889, 주민등록 3 0.5818"},                                      // a cue inside a longer one
      {"연락처 01012345678", "01012345678", 24, E::resident, ""},                       // another kind's cue
      {"ARS 15881234", "15881234", 24, E::phone, ""},
  };
  // clang-format on
  for (const CueCase& c : cases)
    EXPECT_EQ(hits_near(c.text, c.part, c.window, cues_for(c.kind)), c.hits)
        << c.text << " window " << c.window;
  // Negative cues are a table of their own.
  EXPECT_EQ(hits_near("ARS 15881234", "15881234", 24, negative_cues()), "ARS 1 0.7111");
}

// Windows wider than kIndexFrom are answered from an index of the text: the same hits as
// the walk wherever both reach, and cues far beyond the walk's reach.
TEST(CueSearch, IndexedWindowsAgreeWithTheWalk) {
  const std::string near = "연락처 " + std::string(50, ' ') + "01012345678 전화번호";
  const auto phone = cues_for(EntityKind::phone);
  const std::string walked = hits_near(near, "01012345678", context::Search::kIndexFrom, phone);
  EXPECT_EQ(walked, "전화번호 1 0.8889, 전화 1 0.5333, 연락처 51 0.1356");
  EXPECT_EQ(hits_near(near, "01012345678", context::Search::kIndexFrom + 1, phone), walked);

  std::string far = "연락처";
  for (int k = 0; k < 300; ++k) far += "가";
  far += "01012345678";
  EXPECT_EQ(hits_near(far, "01012345678", context::Search::kIndexFrom, phone), "");
  // The cue must lie wholly in the window: it starts 303 characters before the span.
  EXPECT_EQ(hits_near(far, "01012345678", 302, phone), "");
  EXPECT_EQ(hits_near(far, "01012345678", 303, phone), "연락처 300 0.02597");

  // Text that is not well-formed UTF-8 has no index; the walk answers.
  const std::string broken = "\xFF 연락처 01012345678";
  EXPECT_EQ(hits_near(broken, "01012345678", 300, phone), "연락처 1 0.8889");
}

// rerun() may keep what the last run found on a side whose bytes are the same; it must
// always give what a fresh search gives.
TEST(CueSearch, RerunGivesWhatAFreshSearchGives) {
  const auto resident = cues_for(EntityKind::resident);
  const context::CueSet wanted = context::cue_set(resident);
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"주민번호 8801011234568 끝", "주민번호 880101-1234568 끝"},  // same windows, other span
      {"주민번호 8801011234568 끝", "실명확인 880101-1234568 끝"},  // the left window differs
      {"8801011234568", "주민번호 8801011234568 주민등록"},  // the first walk stopped at the edges
  };
  for (std::uint32_t window : {24u, 300u}) {
    for (const auto& [first, second] : pairs) {
      const std::string_view part =
          second.find('-') != std::string::npos ? "880101-1234568" : "8801011234568";
      context::Search reused;
      reused.run(first, span_of(first, "8801011234568"), window, wanted);
      reused.rerun(second, span_of(second, part), window, wanted);
      std::vector<ContextHit> got;
      reused.hits(resident, got);
      EXPECT_EQ(render(got), hits_near(second, part, window, resident))
          << second << " window " << window;
    }
  }
}

// The walks step over stretches of ASCII bytes that begin no cue at once: stretches of every
// length around the window's edges, on both sides, must give the hits of the plain reading.
// One search of the wanted cues around the span: each table's hits against the plain
// reading's. Returns how many tables were compared.
int expect_reference_hits(std::string_view text, const Span& span, std::uint32_t window,
                          const context::CueSet& wanted,
                          std::span<const std::span<const Cue>> tables) {
  context::Search search;
  search.run(text, span, window, wanted);
  for (const auto table : tables) {
    std::vector<ContextHit> got;
    search.hits(table, got);
    EXPECT_EQ(render(got),
              render(fuzz::ref::cue_hits(text, fuzz::char_index(text), span, window, table)))
        << text << " window " << window;
  }
  return static_cast<int>(tables.size());
}

TEST(CueSearch, AsciiStretchesAgreeWithTheReference) {
  const auto phone = cues_for(EntityKind::phone);
  const auto negative = negative_cues();
  context::CueSet wanted = context::cue_set(phone);
  wanted |= context::cue_set(negative);
  const std::string stretches[] = {"",
                                   "-",
                                   "1 2",
                                   "0-1234-5678",
                                   "abc def ghi jk",
                                   std::string(17, '9'),
                                   std::string(33, ' '),
                                   "x-y.z/12:34|" + std::string(20, '0')};
  int compared = 0;
  for (const std::string& before : stretches)
    for (const std::string& after : stretches)
      for (const std::string_view cue_left : {"연락처", "ARS", "전화"})
        for (std::uint32_t window : {1u, 2u, 3u, 7u, 8u, 9u, 15u, 16u, 17u, 23u, 24u}) {
          const std::string text = std::string(20, '7') + std::string(cue_left) + before +
                                   "01012345678" + after + "고객센터" + before + "연락처 끝";
          const Span span = span_of(text, "01012345678");
          const std::span<const Cue> tables[] = {phone, negative};
          compared += expect_reference_hits(text, span, window, wanted, tables);
        }
  EXPECT_EQ(compared, 8 * 8 * 3 * 11 * 2);
}

// Words that begin with a cue's first character and go on otherwise (이관, 주소, 전액,
// 고객님, A4), the cues themselves, and both at the text's edges, where fewer than four bytes
// follow that first character: the walks find what the plain reading finds, on both sides.
TEST(CueSearch, WordsThatBeginLikeACueAgreeWithTheReference) {
  const auto tables = every_cue_table();
  const context::CueSet wanted = cue_set_of(tables);
  const std::string_view words[] = {"이관",   "이체",     "주소",     "주민번호", "주문번호",
                                    "전액",   "전화",     "고객님",   "고객센터", "상호",
                                    "상품코드", "상담",   "A4",       "ARS",      "생",
                                    "계좌번호", "계",     "연락처!",  "콜",       "우편번호"};
  int compared = 0;
  for (const std::string_view left : words)
    for (const std::string_view right : words)
      for (const std::string_view between : {"", " ", ": "}) {
        const std::string text = std::string(left) + std::string(between) + "010-1234-5678" +
                                 std::string(between) + std::string(right);
        const Span span = span_of(text, "010-1234-5678");
        for (std::uint32_t window : {2u, 4u, 24u})
          compared += expect_reference_hits(text, span, window, wanted, tables);
      }
  EXPECT_EQ(compared, 20 * 20 * 3 * 3 * 10);
}

// Windows answered from the text's index: every number of a long text with many cues, asked
// in text order, backwards and in order again with one Search (its look-ups carry cursors
// along), gets the hits of the plain reading, at widths where the index is built at once and
// where it is built after the walks have covered the text.
TEST(CueSearch, IndexedLookUpsInAnyOrderAgreeWithTheReference) {
  const std::string_view words[] = {"연락처 ",    "전화 ",           "ARS ",    "고객센터 ",
                                    "주민번호: ", "팩스 ",           "회원님 ", "  ",
                                    "note ",      "가나다라마바사 ", "\n"};
  std::string text;
  std::vector<Span> spans;
  for (int k = 0; k < 400; ++k) {
    text += words[(k * 7) % std::size(words)];
    if (k % 3 == 0) text += words[(k * 5 + 3) % std::size(words)];
    const std::string number = "010" + std::to_string(10000000 + k * 7919);
    text += number;
    text += (k % 4 == 0) ? " 끝 " : " ";
  }
  const auto idx = fuzz::char_index(text);
  for (std::size_t at = text.find("010"); at != std::string::npos; at = text.find("010", at + 11))
    spans.push_back(Span{static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(at + 11),
                         static_cast<std::uint32_t>(idx[at]),
                         static_cast<std::uint32_t>(idx[at + 11])});
  ASSERT_EQ(spans.size(), 400u);
  const auto phone = cues_for(EntityKind::phone);
  const auto negative = negative_cues();
  context::CueSet wanted = context::cue_set(phone);
  wanted |= context::cue_set(negative);
  std::vector<Span> order = spans;
  order.insert(order.end(), spans.rbegin(), spans.rend());
  order.insert(order.end(), spans.begin(), spans.end());
  for (std::uint32_t window : {30u, 60u, 256u, 257u, 300u, 4096u}) {
    context::Search search;
    int mismatches = 0;
    for (const Span& span : order) {
      search.run(text, span, window, wanted);
      for (const auto table : {phone, negative}) {
        std::vector<ContextHit> got;
        search.hits(table, got);
        const std::string want = render(fuzz::ref::cue_hits(text, idx, span, window, table));
        if (render(got) != want && ++mismatches <= 3)
          ADD_FAILURE() << "window " << window << " span at " << span.byte_start << ": "
                        << render(got) << " != " << want;
      }
    }
    EXPECT_EQ(mismatches, 0) << "window " << window;
  }
}

// Every width, through run() and rerun(), against the plain reading: generated texts full of
// cues, cue fragments, other scripts and line breaks, spans at random character boundaries
// asked in text order, backwards and shuffled. Narrow windows are walked; wider ones walk
// first and then answer from the text's index, from the first look-up above kIndexFrom.
TEST(CueSearch, EveryWidthAgreesWithThePlainReading) {
  const std::string_view pieces[] = {"연락처",   "전화",     "전화번호", "주민등록번호",
                                     "주민번호", "주민등록", "ARS",      "AR",
                                     "A",        "고객센터", "계좌",     "카드",
                                     "카드번호", "여권번호", "생년월일", "주",
                                     "민",       "번호",     "외국인",   "  ",
                                     " ",        "\n",       "\t",       "|",
                                     ", ",       "가",       "나다라",   "note",
                                     "x",        "·",        "é",        "😀",
                                     "010",      "1234",     "5678",     "-",
                                     "880101",   "1234568",  "        ", "0123456789012345678"};
  const cues::Tables& t = cues::kTables;
  const auto tables = every_cue_table();
  const context::CueSet all = cue_set_of(tables);
  const context::CueSet negative = context::cue_set(t.negative);
  Draws next{0x9E3779B97F4A7C15u};
  auto random_span = [&](const std::string& text, const std::vector<std::int64_t>& idx) {
    std::vector<std::size_t> bounds;
    for (std::size_t b = 0; b <= text.size(); ++b)
      if (idx[b] >= 0) bounds.push_back(b);
    std::size_t a = bounds[next(bounds.size())], b = bounds[next(bounds.size())];
    if (a > b) std::swap(a, b);
    if (next(4) == 0) b = a;  // empty spans too
    return Span{static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(b),
                static_cast<std::uint32_t>(idx[a]), static_cast<std::uint32_t>(idx[b])};
  };
  const std::uint32_t widths[] = {0, 1, 5, 24, 25, 60, 255, 256, 257, 4096, UINT32_MAX};
  int compared = 0, mismatches = 0;
  for (int round = 0; round < 12; ++round) {
    std::string text, other;  // `other` plays the source text of rerun()
    const std::size_t count =
        round == 11 ? 3000
                    : 20 + next(round < 6 ? 60 : 400);  // the last one wider than 4096 characters
    for (std::size_t k = 0; k < count; ++k) {
      const std::string_view piece = pieces[next(std::size(pieces))];
      text += piece;
      other += next(5) == 0 ? pieces[next(std::size(pieces))] : piece;
    }
    const auto idx = fuzz::char_index(text), other_idx = fuzz::char_index(other);
    std::vector<Span> spans;
    for (int k = 0; k < 24; ++k) spans.push_back(random_span(text, idx));
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.byte_start < b.byte_start; });
    std::vector<Span> order = spans;
    order.insert(order.end(), spans.rbegin(), spans.rend());
    for (std::size_t k = spans.size(); k > 1; --k) std::swap(spans[k - 1], spans[next(k)]);
    order.insert(order.end(), spans.begin(), spans.end());
    for (const std::uint32_t window : widths) {
      context::Search search;
      for (const Span& span : order) {
        search.run(text, span, window, all);
        for (const auto table : tables) {
          std::vector<ContextHit> got;
          search.hits(table, got);
          const std::string want = render(fuzz::ref::cue_hits(text, idx, span, window, table));
          ++compared;
          if (render(got) != want && ++mismatches <= 5)
            ADD_FAILURE() << "window " << window << " span " << span.byte_start << "-"
                          << span.byte_end << " of\n"
                          << text << "\n"
                          << render(got) << " != " << want;
          // The total without the list: the same float, bit for bit.
          if (!same_bits(search.weigh(table), context::total(got)) && ++mismatches <= 5)
            ADD_FAILURE() << "weigh, window " << window << " span " << span.byte_start << " of\n"
                          << text << "\n"
                          << render(got);
        }
        if (next(2) == 0) continue;
        const Span source = random_span(other, other_idx);
        search.rerun(other, source, window, negative);
        std::vector<ContextHit> got;
        search.hits(t.negative, got);
        const std::string want =
            render(fuzz::ref::cue_hits(other, other_idx, source, window, t.negative));
        ++compared;
        if (render(got) != want && ++mismatches <= 5)
          ADD_FAILURE() << "rerun, window " << window << " span " << source.byte_start << " of\n"
                        << other << "\n"
                        << render(got) << " != " << want;
        if (!same_bits(search.weigh(t.negative), context::total(got)) && ++mismatches <= 5)
          ADD_FAILURE() << "rerun weigh, window " << window << " span " << source.byte_start
                        << " of\n"
                        << other << "\n"
                        << render(got);
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(compared, 12 * 72 * 11 * 10);
}

// A run of digit-like characters that quiet_around() finds quiet holds no cue in the window of
// any span inside it, at any width: the detector weighs a list's pieces as find_nothing() answers
// them. After that answer a rerun() walks its own windows and gives the plain reading.
TEST(CueSearch, NoSpanInsideAQuietRunFindsACue) {
  const std::string_view pieces[] = {"연락처", "전화번호", "주민번호", "ARS",  "AR",  "고객센터",
                                     "가나다", " ",        "  ",       "\n",   ", ",  "-",
                                     "x",      "X",        "*",        "010",  "1234", "5678",
                                     "880101", "1234568",  "note",     "😀",   "·",   "0123456789"};
  const auto tables = every_cue_table();
  const context::CueSet negative = context::cue_set(cues::kTables.negative);
  Draws next{0x2545F4914F6CDD1Du};
  int quiet = 0, loud = 0, mismatches = 0;
  for (int round = 0; round < 300; ++round) {
    std::string text, other;  // `other` plays the source text of rerun()
    for (std::size_t k = 3 + next(12); k > 0; --k) text += pieces[next(std::size(pieces))];
    for (std::size_t k = 1 + next(6); k > 0; --k) other += pieces[next(std::size(pieces))];
    const auto idx = fuzz::char_index(text), other_idx = fuzz::char_index(other);
    for (std::size_t b = 0; b < text.size();) {
      if (!unicode::is_digit_like(static_cast<unsigned char>(text[b]))) {
        ++b;
        continue;
      }
      std::size_t e = b;
      while (e < text.size() && unicode::is_digit_like(static_cast<unsigned char>(text[e]))) ++e;
      auto span = [&](std::size_t from, std::size_t to) {
        return Span{static_cast<std::uint32_t>(from), static_cast<std::uint32_t>(to),
                    static_cast<std::uint32_t>(idx[from]), static_cast<std::uint32_t>(idx[to])};
      };
      for (const std::uint32_t window : {5u, 24u, 300u}) {
        context::Search search;
        if (!search.quiet_around(text, span(b, e), window)) {
          ++loud;
          continue;
        }
        ++quiet;
        for (std::size_t from = b; from < e; ++from)
          for (std::size_t to = from + 1; to <= e; ++to)
            for (const auto table : tables)
              if (!fuzz::ref::cue_hits(text, idx, span(from, to), window, table).empty() &&
                  ++mismatches <= 5)
                ADD_FAILURE() << "window " << window << " piece " << from << "-" << to << " of "
                              << text;
        // A span at the end of `other`, whose left window is all of it.
        search.find_nothing();
        const auto end = static_cast<std::uint32_t>(other.size());
        const auto end_char = static_cast<std::uint32_t>(other_idx[other.size()]);
        const Span at_end{end, end, end_char, end_char};
        search.rerun(other, at_end, window, negative);
        std::vector<ContextHit> got;
        search.hits(cues::kTables.negative, got);
        EXPECT_EQ(render(got), render(fuzz::ref::cue_hits(other, other_idx, at_end, window,
                                                          cues::kTables.negative)))
            << other;
      }
      b = e;
    }
  }
  EXPECT_EQ(mismatches, 0);
  // Both answers were met often.
  EXPECT_GT(quiet, 200);
  EXPECT_GT(loud, 200);
}

// A rerun text made from the run text by a map: its index is taken from the run text's where
// the map copies bytes and read afresh around what it changes. Texts are built piece by piece,
// each piece copied unchanged or changed (into other text, nothing, or from nothing), so that
// cues fall inside copied stretches, across their edges and across changed stretches of every
// kind; the answers must be the plain reading of the rerun text.
TEST(CueSearch, RerunTextsMadeByAMapAgreeWithThePlainReading) {
  const std::string_view pieces[] = {
      "연락처", "전화번호", "주민",     "번호",     "고객센터", "고객",     "센터", "ARS",
      "AR",     "S",        "주문번호", "주문",     "운송장",   "송장번호", " ",    "  ",
      "-",      "가나",     "x",        "é",        "😀",       "010",      "1234", "５",
      "일",     "ㅈㅜ",     "관리번호", "상품코드", "바코드",   ""};
  const cues::Tables& t = cues::kTables;
  const std::span<const Cue> tables[] = {t.resident, t.phone, t.account, t.negative};
  const context::CueSet all = cue_set_of(tables);
  Draws next{0xD1B54A32D192ED03u};
  const std::uint32_t widths[] = {25, 60, 256, 257, 4096, UINT32_MAX};
  int compared = 0, mismatches = 0, derived = 0;
  for (int round = 0; round < 40; ++round) {
    std::string run_text, rerun_text;  // the map's destination and source
    std::vector<Segment> segments;
    const std::size_t count = 10 + next(round < 30 ? 80 : 900);
    for (std::size_t k = 0; k < count; ++k) {
      const std::string_view a = pieces[next(std::size(pieces))];
      const int how = static_cast<int>(next(6));  // 0-2 copied, 3 replaced, 4 deleted, 5 made
      const std::string_view src = how == 5 ? "" : a;
      const std::string_view dst = how <= 2 ? a : how == 4 ? "" : pieces[next(std::size(pieces))];
      if (src.empty() && dst.empty()) continue;
      Segment s;
      s.src = Span{static_cast<std::uint32_t>(rerun_text.size()),
                   static_cast<std::uint32_t>(rerun_text.size() + src.size()),
                   char_count(rerun_text), char_count(rerun_text) + char_count(src)};
      s.dst = Span{static_cast<std::uint32_t>(run_text.size()),
                   static_cast<std::uint32_t>(run_text.size() + dst.size()), char_count(run_text),
                   char_count(run_text) + char_count(dst)};
      s.kind = how <= 2 ? SegmentKind::identity : kind_from_shape(s.src, s.dst);
      segments.push_back(s);
      rerun_text += src;
      run_text += dst;
    }
    if (segments.empty()) continue;
    const SpanMap map(segments);
    const auto run_idx = fuzz::char_index(run_text), rerun_idx = fuzz::char_index(rerun_text);
    auto spans_of = [&](const std::string& text, const std::vector<std::int64_t>& idx) {
      std::vector<Span> spans;
      for (std::size_t b = 0; b <= text.size(); b += 1 + next(40))
        if (idx[b] >= 0)
          spans.push_back(Span{static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(b),
                               static_cast<std::uint32_t>(idx[b]),
                               static_cast<std::uint32_t>(idx[b])});
      return spans;
    };
    const std::vector<Span> run_spans = spans_of(run_text, run_idx),
                            rerun_spans = spans_of(rerun_text, rerun_idx);
    for (const std::uint32_t window : widths) {
      context::Search search;
      search.pair(run_text, rerun_text, map, 0);  // derived however dense the segments
      for (std::size_t q = 0; q < std::max(run_spans.size(), rerun_spans.size()); ++q) {
        if (q < run_spans.size()) search.run(run_text, run_spans[q], window, all);
        if (q >= rerun_spans.size()) continue;
        const Span& span = rerun_spans[q];
        search.rerun(rerun_text, span, window, all);
        for (const auto table : tables) {
          std::vector<ContextHit> got;
          search.hits(table, got);
          const std::string want =
              render(fuzz::ref::cue_hits(rerun_text, rerun_idx, span, window, table));
          ++compared;
          derived += !got.empty();
          if (render(got) != want && ++mismatches <= 5)
            ADD_FAILURE() << "window " << window << " at " << span.byte_start << " of\n"
                          << rerun_text << "\nmade into\n"
                          << run_text << "\n"
                          << render(got) << " != " << want;
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(compared, 10000);
  EXPECT_GT(derived, 1000);
}

// The same through the normalization's own maps: full-width digits, Hangul numerals, jamo and
// separators changed beside cue words.
TEST(CueSearch, RerunOverTheSourceOfANormalizedTextAgreesWithThePlainReading) {
  const std::string_view pieces[] = {"연락처 ", "주민번호",   "고객센터", "ＡＲＳ", "ARS",  "일억",
                                     "삼천",    "ㅈㅜㅁㅣㄴ", "번호",     "１２３", "010-", "1234 ",
                                     "- ",      "l",          "O",        "주문",   "번호", "\n"};
  const cues::Tables& t = cues::kTables;
  const context::CueSet negative = context::cue_set(t.negative);
  Draws next{0x2545F4914F6CDD1Du};
  int compared = 0, mismatches = 0;
  for (int round = 0; round < 30; ++round) {
    std::string source;
    for (std::size_t k = 0, n = 20 + next(300); k < n; ++k)
      source += pieces[next(std::size(pieces))];
    auto norm = normalize(source, Config::thorough());
    ASSERT_TRUE(norm.has_value());
    const auto idx = fuzz::char_index(source);
    for (const std::uint32_t window : {60u, 300u, 4096u}) {
      context::Search search;
      search.pair(norm->text, source, norm->map, 0);
      for (std::size_t b = 0; b <= source.size(); b += 1 + next(30)) {
        if (idx[b] < 0) continue;
        const Span span{static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(b),
                        static_cast<std::uint32_t>(idx[b]), static_cast<std::uint32_t>(idx[b])};
        search.rerun(source, span, window, negative);
        std::vector<ContextHit> got;
        search.hits(t.negative, got);
        const std::string want = render(fuzz::ref::cue_hits(source, idx, span, window, t.negative));
        ++compared;
        if (render(got) != want && ++mismatches <= 5)
          ADD_FAILURE() << "window " << window << " at " << b << " of\n"
                        << source << "\n"
                        << render(got) << " != " << want;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(compared, 1000);
}

// A rerun text's index holds only the cues its first rerun wanted (the negative ones, as the
// detector asks): reruns that then want every cue make it again for all of them, and reruns
// that want the negative cues again keep it. Derived from the run text's index (paired) and
// read from the text itself (not paired), every answer is the plain reading, list and total.
TEST(CueSearch, RerunIndexOfSomeCuesWidenedForMoreAgreesWithThePlainReading) {
  const std::string_view pieces[] = {"연락처",   "전화번호", "고객센터", "고객", "ARS", "AR",
                                     "주문번호", "운송장",   "계좌",     "카드", " ",   "  ",
                                     "-",        "가나",     "x",        "é",    "010", "1234",
                                     "관리번호", "바코드",   "\n",       "😀"};
  const cues::Tables& t = cues::kTables;
  const auto tables = every_cue_table();
  const context::CueSet all = cue_set_of(tables);
  const context::CueSet negative = context::cue_set(t.negative);
  Draws next{0x8CB92BA72F3D8DD7u};
  int compared = 0, mismatches = 0, found = 0;
  for (int round = 0; round < 16; ++round) {
    std::string run_text, rerun_text;  // the map's destination and source
    std::vector<Segment> segments;
    for (std::size_t k = 0, count = 20 + next(round < 12 ? 100 : 1500); k < count; ++k) {
      const std::string_view a = pieces[next(std::size(pieces))];
      const bool copied = next(4) != 0;
      const std::string_view dst = copied ? a : pieces[next(std::size(pieces))];
      Segment s;
      s.src = Span{static_cast<std::uint32_t>(rerun_text.size()),
                   static_cast<std::uint32_t>(rerun_text.size() + a.size()), char_count(rerun_text),
                   char_count(rerun_text) + char_count(a)};
      s.dst = Span{static_cast<std::uint32_t>(run_text.size()),
                   static_cast<std::uint32_t>(run_text.size() + dst.size()), char_count(run_text),
                   char_count(run_text) + char_count(dst)};
      rerun_text += a;
      run_text += dst;
      s.kind = copied ? SegmentKind::identity : kind_from_shape(s.src, s.dst);
      segments.push_back(s);
    }
    const SpanMap map(segments);
    const auto idx = fuzz::char_index(rerun_text);
    std::vector<Span> spans;
    for (std::size_t b = 0; b <= rerun_text.size(); b += 1 + next(60))
      if (idx[b] >= 0)
        spans.push_back(Span{static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(b),
                             static_cast<std::uint32_t>(idx[b]),
                             static_cast<std::uint32_t>(idx[b])});
    for (const bool paired : {true, false}) {
      for (const std::uint32_t window : {25u, 60u, 256u, 257u, 4096u, UINT32_MAX}) {
        context::Search search;
        if (paired) search.pair(run_text, rerun_text, map, 0);
        // The negative cues, then every cue, then the negative cues again, in text order.
        for (std::size_t q = 0; q < 3 * spans.size(); ++q) {
          const Span& span = spans[q % spans.size()];
          const bool every = q / spans.size() == 1;
          search.rerun(rerun_text, span, window, every ? all : negative);
          for (const auto table : tables) {
            if (!every && table.data() != t.negative.data()) continue;
            std::vector<ContextHit> got;
            search.hits(table, got);
            const std::string want =
                render(fuzz::ref::cue_hits(rerun_text, idx, span, window, table));
            ++compared;
            found += !got.empty();
            if ((render(got) != want || !same_bits(search.weigh(table), context::total(got))) &&
                ++mismatches <= 5)
              ADD_FAILURE() << (paired ? "paired" : "alone") << ", window " << window << " at "
                            << span.byte_start << (every ? ", every cue" : ", negative cues")
                            << " of\n"
                            << rerun_text << "\n"
                            << render(got) << " != " << want;
          }
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(compared, 20000);
  EXPECT_GT(found, 5000);
}

// quiet_around stops its walks at the first cue found: it answers as a whole search for every
// cue does (none found on either side), with a cue on one side, the other, both or neither,
// near and at the window's edges, and a search used after it answers as a fresh one.
TEST(CueSearch, QuietAroundAnswersAsAWholeSearch) {
  const auto tables = every_cue_table();
  const context::CueSet all = cue_set_of(tables);
  const std::string_view cues_placed[] = {"", "전화", "주문번호", "ARS", "계좌번호 "};
  const std::string_view fillers[] = {"가", " ", "x"};
  int quiet = 0, loud = 0;
  for (const std::string_view left : cues_placed) {
    for (const std::string_view right : cues_placed) {
      for (const std::string_view filler : fillers) {
        for (std::size_t gap = 0; gap <= 26; gap += 1) {
          std::string text(left), pad;
          for (std::size_t k = 0; k < gap; ++k) pad += filler;
          text += pad + "1234-5678" + pad + std::string(right) + "끝";
          const Span span = span_of(text, "1234-5678");
          for (const std::uint32_t window : {0u, 1u, 5u, 23u, 24u, 25u, 30u}) {
            context::Search whole;
            whole.run(text, span, window, all);
            bool none = true;
            std::vector<ContextHit> hits;
            for (const auto table : tables) {
              whole.hits(table, hits);
              none = none && hits.empty();
            }
            context::Search search;
            EXPECT_EQ(search.quiet_around(text, span, window), none) << text << " " << window;
            (none ? quiet : loud) += 1;
            // The sides it left are walked again by the next search.
            search.run(text, span, window, all);
            search.rerun(text, span, window, all);
            for (const auto table : tables) {
              std::vector<ContextHit> want;
              whole.hits(table, want);
              search.hits(table, hits);
              EXPECT_EQ(render(hits), render(want)) << text << " " << window;
            }
          }
        }
      }
    }
  }
  EXPECT_GT(quiet, 0);
  EXPECT_GT(loud, 0);
}

TEST(CueSearch, TablesOutsideTheCueListFindNothing) {
  static constexpr Cue kOwn[] = {{"주민번호", 1.0f}};
  EXPECT_TRUE(context::cue_set(kOwn).empty());
  EXPECT_EQ(hits_near("주민번호 8801011234568", "8801011234568", 24, kOwn), "");
}

TEST(CueSearch, TotalIsCapped) {
  EXPECT_EQ(context::total({}), 0.0f);
  EXPECT_EQ(context::total({{"a", 0, 0.5f}, {"b", 0, 0.25f}}), 0.75f);
  EXPECT_EQ(context::total({{"a", 0, 1.0f}, {"b", 0, 0.8f}}), 1.5f);
}

}  // namespace
}  // namespace norvane
