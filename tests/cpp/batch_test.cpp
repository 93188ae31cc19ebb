// Many texts at once: how work is split into units, the thread pool, the UTF-8 check, and the
// batch driver's results against the per-text calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "batch/batch.hpp"
#include "batch/pool.hpp"
#include "detect/detect.hpp"
#include "mask/mask.hpp"

namespace norvane::batch {
namespace {

// Every item in exactly one unit; units are runs of neighbours.
void expect_cover(const Plan& p, std::size_t items) {
  std::vector<int> seen(items, 0);
  for (const Unit& u : p.units) {
    ASSERT_LT(u.begin, u.end);
    for (std::size_t i = u.begin; i < u.end; ++i) ++seen[i];
  }
  EXPECT_EQ(seen, std::vector<int>(items, 1));
}

// The time the last thread finishes when each takes the next unit as soon as it is free, with
// an item's cost as its time; never less than the biggest item or an equal share.
std::size_t finish_time(const Plan& p) {
  std::vector<std::size_t> busy(p.threads, 0);
  for (const Unit& u : p.units) *std::min_element(busy.begin(), busy.end()) += u.cost;
  return *std::max_element(busy.begin(), busy.end());
}

TEST(Plan, AHugeItemIsAUnitOfItsOwnComesFirstAndLeavesNoThreadIdle) {
  for (std::size_t huge : {std::size_t{10} << 20, std::size_t{300} << 10, std::size_t{60} << 10}) {
    std::vector<std::size_t> costs(2000, item_cost(100));
    costs[1500] = item_cost(huge);
    const Plan p = plan(costs, 2);
    expect_cover(p, costs.size());
    EXPECT_EQ(p.threads, 2u);
    ASSERT_FALSE(p.units.empty());
    EXPECT_EQ(p.units.front().begin, 1500u);
    EXPECT_EQ(p.units.front().end, 1501u);
    for (std::size_t k = 1; k < p.units.size(); ++k)
      EXPECT_GE(p.units[k - 1].cost, p.units[k].cost);
    std::size_t total = 0;
    for (std::size_t c : costs) total += c;
    const std::size_t bound = std::max(costs[1500], (total + 1) / 2);
    EXPECT_LE(finish_time(p), bound + bound / 16) << huge;
  }
}

TEST(Plan, SmallBatchesRunOnTheCallerAlone) {
  const std::vector<std::size_t> costs(10, item_cost(100));
  const Plan p = plan(costs, 8);
  expect_cover(p, costs.size());
  EXPECT_EQ(p.threads, 1u);
  EXPECT_EQ(plan({}, 4).units.size(), 0u);
  EXPECT_EQ(plan({}, 4).threads, 1u);
}

TEST(Plan, OneThreadTakesTheUnitsInInputOrder) {
  // A large item among small ones is a unit of its own, costlier than the rest; one thread still
  // takes every unit in input order, so its callers may write their outputs one after another.
  std::vector<std::size_t> costs(3000, item_cost(120));
  costs[1700] = item_cost(std::size_t{1} << 20);
  const Plan p = plan(costs, 1);
  expect_cover(p, costs.size());
  EXPECT_EQ(p.threads, 1u);
  ASSERT_GT(p.units.size(), 2u);
  for (std::size_t k = 1; k < p.units.size(); ++k) EXPECT_EQ(p.units[k].begin, p.units[k - 1].end);
  EXPECT_EQ(plan(costs, 2).units.front().begin, 1700u);  // two threads: biggest first
}

TEST(Plan, NeverMoreThreadsThanUnitsOrThanAsked) {
  const std::vector<std::size_t> two(2, item_cost(1 << 20));
  EXPECT_EQ(plan(two, 16).threads, 2u);
  EXPECT_EQ(plan(two, 1).threads, 1u);
  EXPECT_EQ(plan(two, 0).threads, 1u);
}

TEST(Run, EveryUnitRunsOnce) {
  const std::vector<std::size_t> costs(5000, item_cost(300));
  const Plan p = plan(costs, 4);
  ASSERT_GT(p.threads, 1u);
  std::vector<std::atomic<int>> runs(costs.size());
  run(p, [&](const Unit& u) {
    for (std::size_t i = u.begin; i < u.end; ++i) runs[i].fetch_add(1);
  });
  for (const auto& r : runs) EXPECT_EQ(r.load(), 1);
}

TEST(Run, AnExceptionStopsTheRunAndIsRethrown) {
  const std::vector<std::size_t> costs(5000, item_cost(300));
  const Plan p = plan(costs, 2);
  std::atomic<int> started{0};
  EXPECT_THROW(run(p,
                   [&](const Unit&) {
                     if (started.fetch_add(1) == 3) throw std::runtime_error("unit failed");
                   }),
               std::runtime_error);
  EXPECT_LT(started.load(), static_cast<int>(p.units.size()) + 2);
}

// Waits up to 20 s for done() (other threads on a loaded machine may start late).
template <class Done>
bool wait_for(Done&& done) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done() && std::chrono::steady_clock::now() < give_up) std::this_thread::yield();
  return done();
}

TEST(Run, TheCallersFirstWorkOverlapsTheOthersUnits) {
  const std::vector<std::size_t> costs(5000, item_cost(300));
  const Plan p = plan(costs, 2);
  ASSERT_EQ(p.threads, 2u);
  const auto caller = std::this_thread::get_id();
  std::atomic<int> units_run{0};
  int first_calls = 0, units_before_first_returned = 0;
  run(
      p, [&](const Unit&) { units_run.fetch_add(1); },
      [&] {
        ++first_calls;
        EXPECT_EQ(std::this_thread::get_id(), caller);
        // The helper works while the caller is busy here.
        EXPECT_TRUE(wait_for([&] { return units_run.load() > 0; }));
        units_before_first_returned = units_run.load();
      });
  EXPECT_EQ(first_calls, 1);
  EXPECT_GT(units_before_first_returned, 0);
  EXPECT_EQ(units_run.load(), static_cast<int>(p.units.size()));

  // On one thread it runs before any unit.
  units_run = 0;
  run(
      plan(costs, 1), [&](const Unit&) { units_run.fetch_add(1); },
      [&] { EXPECT_EQ(units_run.load(), 0); });
  EXPECT_EQ(units_run.load(), static_cast<int>(plan(costs, 1).units.size()));
}

TEST(Run, AnExceptionFromTheCallersFirstWorkStopsTheRun) {
  const std::vector<std::size_t> costs(5000, item_cost(300));
  const Plan p = plan(costs, 2);
  std::atomic<int> units_run{0};
  EXPECT_THROW(run(
                   p,
                   [&](const Unit&) {
                     units_run.fetch_add(1);
                     std::this_thread::sleep_for(std::chrono::milliseconds(2));
                   },
                   [&] {
                     wait_for([&] { return units_run.load() > 0; });
                     throw std::runtime_error("no places");
                   }),
               std::runtime_error);
  EXPECT_LT(units_run.load(), static_cast<int>(p.units.size()));
}

TEST(Utf8, TheFirstBadByteIsFound) {
  struct Case {
    std::string_view bytes;
    std::optional<std::size_t> bad;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"", std::nullopt},
      {"plain ascii, long enough for whole words", std::nullopt},
      {"\xea\xb0\x80\xed\x9e\xa3 \xf0\x9f\x98\x80", std::nullopt},  // 가힣 😀
      {"abc\xed\xa0\x80", 3},                // a surrogate
      {"\xe0\x9f\xbf", 0},                   // overlong
      {"\xc0\xaf", 0},                       // overlong
      {"12345678\xf4\x90\x80\x80", 8},       // beyond U+10FFFF
      {"\xea\xb0", 0},                       // cut short
      {"ok\x80", 2},                         // a lone continuation byte
      {"\xea\xb0\x80\xea\x41\x80", 3},       // a bad third byte
      {"\xf5\x80\x80\x80", 0},
      {"\xea\x41\x80", 0},                   // a bad second byte
      {"a\xef\xbf\xbf\xee\x80\x80 \xe1\x80\x80", std::nullopt},  // U+FFFF U+E000 U+1000
      {"ab\xea\xb0", 2},                     // cut short after ASCII
      {"\xed\x9f\xbf\xed\xa0\x80", 3},        // U+D7FF, then a surrogate
      {"\xe0\xa0\x80 ab12345678\xc3", 14},  // U+0800, a wide ASCII read, a lead at the end
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(first_invalid_utf8(c.bytes), c.bad) << testing::PrintToString(c.bytes);
}

// Well-formed UTF-8 byte sequences as the Unicode standard tables them, one character at a time:
// the oracle for the validator's block reads.
std::optional<std::size_t> first_invalid_by_table(std::string_view s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  for (std::size_t i = 0; i < s.size();) {
    const unsigned b = p[i];
    std::size_t len = 1;
    unsigned lo = 0x80, hi = 0xBF;
    if (b < 0x80) len = 1;
    else if (b >= 0xC2 && b <= 0xDF) len = 2;
    else if (b >= 0xE0 && b <= 0xEF)
      len = 3, lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
    else if (b >= 0xF0 && b <= 0xF4)
      len = 4, lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
    else return i;
    if (s.size() - i < len) return i;
    for (std::size_t k = 1; k < len; ++k) {
      const unsigned c = p[i + k];
      if (k == 1 ? (c < lo || c > hi) : (c < 0x80 || c > 0xBF)) return i;
    }
    i += len;
  }
  return std::nullopt;
}

// Every one-, two- and three-byte value at every offset around the sixteen-byte blocks, in
// Korean text and in ASCII, and random mixes of the bytes that matter.
TEST(Utf8, BlockReadsAgreeWithTheTable) {
  const std::string hangul = "\xea\xb0\x80\xed\x9e\xa3 \xea\xb0\x80\xeb\x8b\xa4 \xec\x95\x84 ";
  std::string around;
  while (around.size() < 40) around += hangul;
  const std::string ascii(40, 'a');
  std::string text;
  for (const std::string* context : std::vector<const std::string*>{&around, &ascii}) {
    for (std::size_t at = 10; at < 22; ++at) {
      for (unsigned b0 = 0x80; b0 < 0x100; ++b0) {
        for (unsigned b1 : {0x00u, 0x41u, 0x80u, 0x8Fu, 0x90u, 0x9Fu, 0xA0u, 0xBFu, 0xC0u, 0xEAu}) {
          for (unsigned b2 : {0x41u, 0x80u, 0xBFu, 0xC3u}) {
            text = context->substr(0, at);
            text += static_cast<char>(b0);
            if (b1) text += static_cast<char>(b1);
            text += static_cast<char>(b2);
            text += context->substr(0, 20);
            ASSERT_EQ(first_invalid_utf8(text), first_invalid_by_table(text))
                << testing::PrintToString(text);
          }
        }
      }
    }
  }
  const unsigned char alphabet[] = {'a',  ' ',  0x80, 0x9F, 0xA0, 0xBF, 0xC2, 0xDF, 0xE0,
                                    0xE1, 0xEA, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF4, 0xF5};
  std::uint64_t state = 12345;
  for (int round = 0; round < 200000; ++round) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    const std::size_t length = (state >> 58) % 48;
    text.clear();
    // Mostly valid Hangul and ASCII, with one byte from the alphabet here and there.
    for (std::size_t k = 0; text.size() < length; ++k) {
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      const unsigned pick = static_cast<unsigned>(state >> 59);
      if (pick < 12) text += pick < 4 ? " " : "\xea\xb0\x80";
      else text += static_cast<char>(alphabet[(state >> 40) % sizeof alphabet]);
    }
    ASSERT_EQ(first_invalid_utf8(text), first_invalid_by_table(text))
        << testing::PrintToString(text);
  }
}

// Texts of several blocks mixing every length of character, each byte in turn replaced by every
// value that matters: the sixteen-byte check and the character reading name the same first bad
// byte, wherever it falls in a block and whatever stands before it.
TEST(Utf8, LongTextsWithOneBadByteAgreeWithTheTable) {
  const std::string pieces[] = {"a",
                                " ",
                                "\xc3\xa9",
                                "\xea\xb0\x80",
                                "\xed\x9f\xbf",
                                "\xe0\xa0\x80",
                                "\xf0\x90\x80\x80",
                                "\xf4\x8f\xbf\xbf",
                                "\xf0\x9f\x98\x80",
                                "\xef\xbf\xbf"};
  const unsigned char values[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0,
                                  0xC1, 0xC2, 0xDF, 0xE0, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF};
  std::uint64_t state = 99;
  auto next = [&] {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::size_t>(state >> 33);
  };
  for (int round = 0; round < 60; ++round) {
    std::string text;
    const std::size_t length = 17 + next() % 120;
    while (text.size() < length) text += pieces[next() % std::size(pieces)];
    ASSERT_EQ(first_invalid_utf8(text), std::nullopt) << testing::PrintToString(text);
    for (std::size_t at = 0; at < text.size(); ++at) {
      for (unsigned char v : values) {
        std::string bad = text;
        bad[at] = static_cast<char>(v);
        ASSERT_EQ(first_invalid_utf8(bad), first_invalid_by_table(bad))
            << testing::PrintToString(bad);
        // Cut at every length too: a sequence open at the end of a block or of the text.
        if (v == 0x41) {
          const std::string_view cut = std::string_view(text).substr(0, at);
          ASSERT_EQ(first_invalid_utf8(cut), first_invalid_by_table(cut))
              << testing::PrintToString(cut);
        }
      }
    }
  }
}

std::vector<std::string_view> views(const std::vector<std::string>& texts) {
  return std::vector<std::string_view>(texts.begin(), texts.end());
}

TEST(Batch, ResultsEqualThePerTextCallsOnAnyNumberOfThreads) {
  std::vector<std::string> texts;
  for (int i = 0; i < 3000; ++i)
    texts.push_back(std::to_string(i) + "번 연락처 010-1234-" + std::to_string(1000 + i % 9000) +
                    (i % 7 == 0 ? " 주민번호 880101-1234568" : ""));
  texts.push_back(std::string(300000, 'x') + " 010-9876-5432");
  const auto items = views(texts);
  const PolicySet policies;
  const Config config;
  for (std::size_t threads : {1u, 2u, 3u}) {
    auto outputs = mask_many(Texts{items}, policies, config, Options{threads});
    ASSERT_TRUE(outputs.has_value());
    ASSERT_EQ(outputs->size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      auto single = mask(texts[i], policies, config);
      ASSERT_TRUE(single.has_value());
      EXPECT_EQ((*outputs)[i].text, single->text) << i;
      EXPECT_EQ((*outputs)[i].applied.size(), single->applied.size()) << i;
    }
    auto masked = mask_texts(Texts{items, true}, policies, config, Options{threads});
    ASSERT_TRUE(masked.has_value());
    ASSERT_EQ(masked->ends.size(), texts.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(masked->data.substr(start, masked->ends[i] - start), (*outputs)[i].text) << i;
      start = masked->ends[i];
    }
  }
}

// Results masked straight into their places: each place ends with the whole output of the
// single call, whatever the text before it left (a long text with findings, then short ones
// with and without, one with nothing to detect), under tokenizing and plain policies; a text
// refused mid-batch names its index.
TEST(Batch, MaskedInTheirPlacesAsTheSingleCallMasks) {
  const std::vector<std::string> texts = {
      "연락처 010-1234-5678, 주민번호 880101-1234568 " + std::string(5000, 'y') + " 끝",
      "짧은 글",
      "카드 4111-1111-1111-1111",
      "번호 없음",
      "전화 02-555-1234 메일 kim@example.com",
      ""};
  auto same = [](const MaskOutput& got, const MaskOutput& want, std::size_t i) {
    EXPECT_EQ(got.text, want.text) << i;
    ASSERT_EQ(got.applied.size(), want.applied.size()) << i;
    for (std::size_t f = 0; f < want.applied.size(); ++f)
      EXPECT_EQ(got.applied[f].source, want.applied[f].source) << i;
    EXPECT_EQ(got.skipped.size(), want.skipped.size()) << i;
    EXPECT_EQ(got.restore.has_value(), want.restore.has_value()) << i;
    if (got.restore && want.restore) {
      EXPECT_EQ(got.restore->prefix, want.restore->prefix) << i;
      ASSERT_EQ(got.restore->entries.size(), want.restore->entries.size()) << i;
      for (std::size_t e = 0; e < want.restore->entries.size(); ++e)
        EXPECT_EQ(got.restore->entries[e].token, want.restore->entries[e].token) << i;
    }
    EXPECT_EQ(got.token_starts, want.token_starts) << i;
  };
  PolicySet tokens;
  tokens.default_policy = Policy::tokenize();
  for (const PolicySet& policies : {PolicySet{}, tokens}) {
    std::optional<std::size_t> refused;
    const TextSource source{
        texts.size(),
        [&](std::size_t i, std::string& buffer) -> std::optional<std::string_view> {
          if (refused == i) return std::nullopt;
          buffer = texts[i];
          return std::string_view(buffer);
        },
        [&](std::size_t i) { return texts[i].size(); }};
    std::vector<MaskOutput> outputs(texts.size());
    std::vector<MaskOutput*> places;
    for (MaskOutput& out : outputs) places.push_back(&out);
    auto failure = mask_many(source, policies, Config{}, Options{1},
                             [&] { return std::span<MaskOutput* const>(places); });
    ASSERT_FALSE(failure.has_value());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      auto single = mask(texts[i], policies, Config{});
      ASSERT_TRUE(single.has_value());
      same(outputs[i], *single, i);
    }
    refused = 3;
    std::vector<MaskOutput> again(texts.size());
    places.clear();
    for (MaskOutput& out : again) places.push_back(&out);
    failure = mask_many(source, policies, Config{}, Options{1},
                        [&] { return std::span<MaskOutput* const>(places); });
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->index, 3u);
    EXPECT_EQ(failure->kind, ItemError::Kind::refused);
  }
}

TEST(Batch, ResultsGoToPlacesMadeWhileTheWorkRuns) {
  // Places made after some texts are done: those results wait and move there at the end; the
  // rest go straight there. Every place ends with the per-text result, on any number of threads.
  std::vector<std::string> texts;
  for (int i = 0; i < 4000; ++i)
    texts.push_back("고객 " + std::to_string(i) + " 연락처 010-5555-" +
                    std::to_string(1000 + i % 9000) +
                    (i % 5 == 0 ? " 카드 4111-1111-1111-1111" : ""));
  std::atomic<std::size_t> made{0};
  const TextSource source{
      texts.size(),
      [&](std::size_t i, std::string& buffer) -> std::optional<std::string_view> {
        made.fetch_add(1);
        buffer = texts[i];
        return std::string_view(buffer);
      },
      [&](std::size_t i) { return texts[i].size(); }};
  const PolicySet policies;
  const Config config;
  for (std::size_t threads : {1u, 2u, 3u}) {
    made = 0;
    std::vector<MaskOutput> outputs(texts.size());
    std::vector<MaskOutput*> places;
    std::size_t made_before_places = 0;
    auto failure = mask_many(source, policies, config, Options{threads}, [&] {
      if (threads > 1) wait_for([&] { return made.load() >= 500; });
      made_before_places = made.load();
      for (MaskOutput& out : outputs) places.push_back(&out);
      return std::span<MaskOutput* const>(places);
    });
    ASSERT_FALSE(failure.has_value());
    if (threads == 1) EXPECT_EQ(made_before_places, 0u);
    else EXPECT_GE(made_before_places, 500u);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      auto single = mask(texts[i], policies, config);
      ASSERT_TRUE(single.has_value());
      ASSERT_EQ(outputs[i].text, single->text) << threads << " " << i;
      ASSERT_EQ(outputs[i].applied.size(), single->applied.size()) << threads << " " << i;
    }

    std::vector<Report> reports(texts.size());
    std::vector<Report*> report_places;
    failure = detect_many(source, config, Options{threads}, [&] {
      for (Report& r : reports) report_places.push_back(&r);
      return std::span<Report* const>(report_places);
    });
    ASSERT_FALSE(failure.has_value());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      auto single = detect(texts[i], config);
      ASSERT_TRUE(single.has_value());
      ASSERT_EQ(reports[i].findings.size(), single->findings.size()) << threads << " " << i;
      ASSERT_EQ(reports[i].rejections.size(), single->rejections.size()) << threads << " " << i;
      for (std::size_t f = 0; f < single->findings.size(); ++f) {
        ASSERT_EQ(reports[i].findings[f].source, single->findings[f].source) << i;
        ASSERT_EQ(reports[i].findings[f].entity, single->findings[f].entity) << i;
        ASSERT_EQ(reports[i].findings[f].score, single->findings[f].score) << i;
      }
    }
  }
}

TEST(Batch, OneRestoreMapNumbersTokensAcrossTexts) {
  const std::vector<std::string> texts = {"010-1234-5678", "이미 [[PII:0]] 가 있다",
                                          "880101-1234568, 010-2222-3333"};
  PolicySet policies;
  policies.default_policy = Policy::tokenize();
  auto shared = mask_many_shared(Texts{views(texts)}, policies, Config{}, Options{2});
  ASSERT_TRUE(shared.has_value());
  ASSERT_TRUE(shared->restore.has_value());
  const RestoreMap& map = *shared->restore;
  EXPECT_EQ(map.prefix, "PII0");
  ASSERT_EQ(map.entries.size(), 3u);
  EXPECT_EQ(shared->outputs[0].text, "[[PII0:0]]");
  EXPECT_EQ(shared->outputs[1].text, texts[1]);
  EXPECT_EQ(shared->outputs[2].text, "[[PII0:1]], [[PII0:2]]");
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_FALSE(shared->outputs[i].restore.has_value());
    auto restored = unmask(shared->outputs[i].text, map);
    ASSERT_TRUE(restored.has_value());
    EXPECT_EQ(*restored, texts[i]);
  }
}

TEST(Batch, TheLowestFailingIndexIsReported) {
  const std::vector<std::string> texts = {"fine", "bad \xff", "fine", "\xc0 also bad"};
  auto result = detect_many(Texts{views(texts), true}, Config{}, Options{2});
  ASSERT_FALSE(result.has_value());
  EXPECT_EQ(result.error().kind, ItemError::Kind::invalid_utf8);
  EXPECT_EQ(result.error().index, 1u);
  EXPECT_EQ(result.error().byte, 4u);
}

// Rows that lie one after another in one buffer, as an Arrow column holds them: the batch refuses
// exactly the row (and byte) a row-by-row check refuses, when a row is ill-formed, when a cut
// between rows falls inside a character (each row alone is ill-formed though the buffer is not),
// around empty rows, and when every row is fine.
TEST(Batch, RowsOfOneBufferAreRefusedAsRowByRow) {
  const std::string pieces[] = {
      "a",    "7",    " ",           "\xea\xb0\x80", "\xc3\xa9", "\xf0\x9f\x98\x80",
      "\xff", "\x80", "\xed\xa0\x80"};
  std::uint64_t state = 5;
  auto next = [&] {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::size_t>(state >> 33);
  };
  for (int round = 0; round < 400; ++round) {
    std::string buffer;
    // Mostly well-formed: a bad piece in one buffer of four.
    const bool with_bad = next() % 4 == 0;
    const std::size_t length = next() % 300;
    while (buffer.size() < length) buffer += pieces[next() % (with_bad ? 9 : 6)];
    // Cuts anywhere, so that some fall inside characters; some rows empty.
    std::vector<std::size_t> cuts = {0, buffer.size()};
    for (std::size_t k = next() % 40; k > 0; --k)
      cuts.push_back(buffer.empty() ? 0 : next() % buffer.size());
    std::sort(cuts.begin(), cuts.end());
    std::vector<std::string_view> rows;
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k)
      rows.push_back(std::string_view(buffer).substr(cuts[k], cuts[k + 1] - cuts[k]));
    std::optional<ItemError> expected;
    for (std::size_t k = 0; k < rows.size() && !expected; ++k)
      if (auto bad = first_invalid_utf8(rows[k]))
        expected = ItemError{ItemError::Kind::invalid_utf8, k, {}, *bad};
    for (std::size_t threads : {1u, 2u}) {
      auto result = detect_many(Texts{rows, true}, Config{}, Options{threads});
      ASSERT_EQ(result.has_value(), !expected) << testing::PrintToString(buffer);
      if (!expected) continue;
      EXPECT_EQ(result.error().kind, ItemError::Kind::invalid_utf8);
      EXPECT_EQ(result.error().index, expected->index) << testing::PrintToString(buffer);
      EXPECT_EQ(result.error().byte, expected->byte) << testing::PrintToString(buffer);
    }
  }
}

}  // namespace
}  // namespace norvane::batch
