// Buffers a thread keeps from call to call: the smallest kept one that fits is handed out,
// small ones are kept as spares (a few, each at most kSpareBytes), others past the budget are
// freed, threads keep their own, and outputs of calls that write into kept or spare buffers are
// those of calls that start with none.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "detect/detect.hpp"
#include "detect/report.hpp"
#include "normalize/pipeline.hpp"
#include "span/kept_buffers.hpp"

namespace norvane {
namespace {

std::string with_room(std::size_t bytes) {
  std::string s;
  s.reserve(bytes);
  s.assign(100, 'x');  // some content, so that a taken buffer shows it was cleared
  return s;
}

TEST(KeptBuffers, TakeHandsOutTheSmallestKeptBufferThatFits) {
  kept::drop_all();
  std::string big = with_room(1 << 20), middle = with_room(256 << 10), small = with_room(128 << 10);
  const char* middle_data = middle.data();
  kept::give_text(std::move(big));
  kept::give_text(std::move(middle));
  kept::give_text(std::move(small));
  EXPECT_TRUE(middle.empty());
  EXPECT_GE(kept::kept_bytes(), (1u << 20) + (384u << 10));

  std::string taken = kept::take_text(200 << 10);
  EXPECT_EQ(taken.data(), middle_data);
  EXPECT_TRUE(taken.empty());
  EXPECT_GE(taken.capacity(), std::size_t{256} << 10);
  // Nothing kept is large enough: a new buffer with the room asked for.
  EXPECT_EQ(kept::Shelf<std::string>::kept(), kept::kept_bytes());
  // Nothing kept is large enough: a new buffer with the room asked for, and the kept ones
  // (all smaller) are freed.
  std::string fresh = kept::take_text(4 << 20);
  EXPECT_GE(fresh.capacity(), std::size_t{4} << 20);
  EXPECT_EQ(kept::kept_bytes(), 0u);
  kept::drop_all();
  EXPECT_EQ(kept::kept_bytes(), 0u);
}

TEST(KeptBuffers, SmallBuffersAndBuffersPastTheBudgetAreFreed) {
  kept::drop_all();
  std::string small = with_room(kept::kMinBytes / 2);
  kept::give_text(std::move(small));  // left to its owner
  EXPECT_EQ(small, std::string(100, 'x'));
  EXPECT_EQ(kept::kept_bytes(), 0u);
  kept::give_text(with_room(kept::kKeptBytes + 1));
  EXPECT_EQ(kept::kept_bytes(), 0u);
  // Buffers of every kind share one budget.
  for (int i = 0; i < 3; ++i) kept::give_text(with_room(kept::kKeptBytes / 4));
  std::vector<std::uint32_t> v;
  v.reserve(kept::kKeptBytes / 2 / sizeof(std::uint32_t));
  kept::give_vector(std::move(v));
  EXPECT_LE(kept::kept_bytes(), kept::kKeptBytes);
  EXPECT_EQ(kept::Shelf<std::vector<std::uint32_t>>::kept(), 0u);
  kept::drop_all();
}

TEST(KeptBuffers, AFullShelfMakesRoomForALargerBufferOnly) {
  kept::drop_all();
  const std::size_t unit = kept::kMinBytes;
  for (std::size_t i = 0; i < kept::kSlots; ++i) kept::give_text(with_room(unit * (i + 2)));
  const std::size_t full = kept::kept_bytes();
  kept::give_text(with_room(unit));  // smaller than every kept one: freed
  EXPECT_EQ(kept::kept_bytes(), full);
  std::string larger = with_room(unit * 40);
  const char* larger_data = larger.data();
  kept::give_text(std::move(larger));  // the smallest (2 units) goes
  EXPECT_GT(kept::kept_bytes(), full);
  EXPECT_GE(kept::take_text(unit * 2).capacity(), unit * 3);  // the 2-unit buffer is gone
  EXPECT_EQ(kept::take_text(unit * 30).data(), larger_data);
  kept::drop_all();
}

TEST(KeptBuffers, EachThreadKeepsItsOwn) {
  kept::drop_all();
  kept::give_text(with_room(512 << 10));
  const std::size_t here = kept::kept_bytes();
  std::size_t there_at_start = 1, there_after = 0;
  const char* there_data = nullptr;
  std::thread([&] {
    there_at_start = kept::kept_bytes();
    std::string mine = with_room(300 << 10);
    there_data = mine.data();
    kept::give_text(std::move(mine));
    there_after = kept::kept_bytes();
  }).join();
  EXPECT_EQ(there_at_start, 0u);
  EXPECT_GE(there_after, std::size_t{300} << 10);
  EXPECT_EQ(kept::kept_bytes(), here);
  EXPECT_NE(kept::take_text(300 << 10).data(), there_data);
  kept::drop_all();
}

TEST(KeptBuffers, SpareSmallBuffersAreHandedOutAgainWhenTheyFit) {
  kept::drop_all();
  using TextSpares = kept::Spares<std::string>;
  std::string a = with_room(300), b = with_room(1000);
  const char* a_data = a.data();
  const char* b_data = b.data();
  kept::give_text(std::move(a));
  kept::give_text(std::move(b));
  EXPECT_TRUE(a.empty() && b.empty());
  EXPECT_EQ(TextSpares::count(), 2u);
  // The last kept that has the room, emptied; one too small stays for a smaller need.
  std::string taken = kept::take_text(500);
  EXPECT_EQ(taken.data(), b_data);
  EXPECT_TRUE(taken.empty());
  std::string fresh = kept::take_text(600);  // none left with the room: a new one
  EXPECT_TRUE(fresh.data() != a_data && fresh.capacity() >= 600);
  EXPECT_EQ(kept::take_text(200).data(), a_data);
  EXPECT_EQ(TextSpares::count(), 0u);

  // Not kept, and left to their owner: a string's own room, a buffer past kSpareBytes, one
  // more than the slots. Between kSpareBytes and kMinBytes a buffer is neither spare nor kept.
  std::string own = "short";
  kept::give_text(std::move(own));
  std::string past = with_room(kept::kSpareBytes + 1);
  kept::give_text(std::move(past));
  EXPECT_EQ(past, std::string(100, 'x'));
  EXPECT_EQ(TextSpares::count(), 0u);
  for (std::size_t i = 0; i < kept::kSpareSlots; ++i) kept::give_text(with_room(100));
  std::string extra = with_room(100);
  kept::give_text(std::move(extra));
  EXPECT_EQ(extra, std::string(100, 'x'));
  EXPECT_EQ(TextSpares::count(), kept::kSpareSlots);
  EXPECT_EQ(kept::kept_bytes(), 0u);  // the shelves' budget counts no spare

  // Vectors the same, and each thread keeps its own.
  std::vector<std::uint32_t> v;
  v.reserve(64);
  const std::uint32_t* v_data = v.data();
  v.push_back(7);
  kept::give_vector(std::move(v));
  std::size_t there = 1;
  std::thread([&] { there = kept::Spares<std::vector<std::uint32_t>>::count(); }).join();
  EXPECT_EQ(there, 0u);
  std::vector<std::uint32_t> again = kept::take_vector<std::uint32_t>(64);
  EXPECT_EQ(again.data(), v_data);
  EXPECT_TRUE(again.empty());
  kept::drop_all();
  EXPECT_EQ(TextSpares::count(), 0u);
}

// A text of about `bytes` bytes with values to find and passes to run.
std::string document(std::size_t bytes, int salt) {
  const std::string lines[] = {
      "고객 연락처: 010-1234-5678, 주민번호 ８８０１０１－１２３４５６８\n",
      "메일 kim" + std::to_string(salt) + "@example.com 계좌 국민 123456-01-234567\n",
      "사업자 등록 번호 : 220-81-62517 카드 4111 1111 1111 1111 일억 이천 원\n",
      "아무 숫자도 없는 평범한 문장이 여기 있습니다 ㄱㅏ 조합\n"};
  std::string out;
  for (std::size_t i = 0; out.size() < bytes; ++i) out += lines[(i * 7 + salt) % 4];
  return out;
}

// Bytes of a buffer's whole room that are not zero: a buffer whose pages were given back keeps
// at most its two unaligned edges.
std::size_t written_bytes(std::string& buffer) {
  buffer.resize_and_overwrite(buffer.capacity(), [](char*, std::size_t n) { return n; });
  return static_cast<std::size_t>(
      std::count_if(buffer.begin(), buffer.end(), [](char c) { return c != 0; }));
}

TEST(KeptBuffers, ReleasingPagesOverASizeEmptiesTheLargerKeptBuffersOnly) {
#if !defined(__linux__)
  GTEST_SKIP() << "pages are given back on Linux only";
#endif
  kept::drop_all();
  std::string large(std::size_t{3} << 20, 'x'), smaller(std::size_t{1} << 20, 'y');
  const char* large_data = large.data();
  const char* smaller_data = smaller.data();
  kept::give_text(std::move(large));
  kept::give_text(std::move(smaller));
  const std::size_t kept_before = kept::kept_bytes();
  kept::Shelf<std::string>::release_pages_over(std::size_t{2} << 20);
  EXPECT_EQ(kept::kept_bytes(), kept_before);  // still kept, and still counted

  std::string taken_large = kept::take_text(std::size_t{2} << 20);
  EXPECT_EQ(taken_large.data(), large_data);
  EXPECT_TRUE(taken_large.empty());
  EXPECT_LE(written_bytes(taken_large), std::size_t{2} * 4096);
  std::string taken_smaller = kept::take_text(std::size_t{512} << 10);
  EXPECT_EQ(taken_smaller.data(), smaller_data);
  // All its bytes but the first, where emptying it wrote the terminator.
  EXPECT_EQ(written_bytes(taken_smaller), (std::size_t{1} << 20) - 1);
  kept::drop_all();
}

// The text the last pass left on the shelf keeps no pages after a text past half the budget,
// but keeps them after a smaller one; a call that writes into those released buffers
// normalizes as one that starts with none.
TEST(KeptBuffers, NormalizingALargeTextLeavesItsKeptTextsWithoutPages) {
#if !defined(__linux__)
  GTEST_SKIP() << "pages are given back on Linux only";
#endif
  const std::size_t past = kept::kKeptBytes / 2;
  auto kept_text_bytes_written = [&](std::size_t over) {
    std::size_t written = 0, buffers = 0;
    while (kept::Shelf<std::string>::kept() > 0) {
      std::string taken = kept::take_text(kept::kMinBytes);
      if (taken.capacity() <= over) continue;
      written += written_bytes(taken);
      ++buffers;
    }
    EXPECT_GT(buffers, 0u);
    return written;
  };
  const std::string large = document(past + (64 << 10), 1);
  kept::drop_all();
  Result<Normalized> cold = normalize(large, Config());
  ASSERT_TRUE(cold);
  EXPECT_NE(cold->text, large);
  EXPECT_LE(kept_text_bytes_written(past), std::size_t{2} * 4096);

  kept::drop_all();
  ASSERT_TRUE(normalize(document(std::size_t{1} << 20, 2), Config()));
  EXPECT_GT(kept_text_bytes_written(std::size_t{512} << 10), std::size_t{512} << 10);

  kept::drop_all();
  ASSERT_TRUE(normalize(large, Config()));
  Result<Normalized> warm = normalize(large, Config());  // into the released buffers
  ASSERT_TRUE(warm);
  EXPECT_EQ(warm->text, cold->text);
  EXPECT_EQ(warm->map, cold->map);
  kept::drop_all();
}

std::string detect_json(const std::string& text, const Config& config) {
  Result<Report> report = detect(text, config);
  EXPECT_TRUE(report.has_value());
  std::string json;
  if (report) json::write(json, *report);
  return json;
}

TEST(KeptBuffers, OutputsAreTheSameWithKeptBuffersAsWithout) {
  // Sizes growing and shrinking, so that calls write into larger buffers that still hold an
  // earlier call's bytes.
  const std::size_t sizes[] = {70 << 10, 1 << 20, 200 << 10, 90 << 10, 400 << 10, 70 << 10};
  for (const Config& config : {Config(), Config::thorough()}) {
    std::vector<std::string> fresh, warm;
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
      kept::drop_all();
      fresh.push_back(detect_json(document(sizes[i], static_cast<int>(i)), config));
    }
    kept::drop_all();
    for (std::size_t i = 0; i < std::size(sizes); ++i)
      warm.push_back(detect_json(document(sizes[i], static_cast<int>(i)), config));
    EXPECT_GT(kept::kept_bytes(), 0u);
    for (std::size_t i = 0; i < fresh.size(); ++i) EXPECT_EQ(fresh[i], warm[i]) << sizes[i];

    // Short texts, whose passes write into spare buffers that still hold the last text's.
    for (int salt = 0; salt < 12; ++salt) {
      const std::string text = document(static_cast<std::size_t>(40 + salt * 37), salt);
      kept::drop_all();
      const std::string cold_json = detect_json(text, config);
      Result<std::vector<Finding>> cold_findings = detect_findings(text, config, true);
      for (int warm_salt = 0; warm_salt < 4; ++warm_salt)
        detect_json(document(static_cast<std::size_t>(300 - warm_salt * 60), warm_salt), config);
      EXPECT_EQ(detect_json(text, config), cold_json) << text;
      Result<std::vector<Finding>> warm_findings = detect_findings(text, config, true);
      ASSERT_TRUE(cold_findings && warm_findings);
      std::string cold_list, warm_list;
      for (const Finding& f : *cold_findings) json::write(cold_list, f);
      for (const Finding& f : *warm_findings) json::write(warm_list, f);
      EXPECT_EQ(cold_list, warm_list) << text;
    }

    const std::string text = document(300 << 10, 9);
    Result<Normalized> cold = normalize(text, config);
    Result<Normalized> again = normalize(text, config);
    ASSERT_TRUE(cold && again);
    EXPECT_EQ(cold->text, again->text);
    EXPECT_EQ(cold->map, again->map);
  }
  kept::drop_all();
}

TEST(KeptBuffers, AFreedReportsBuffersServeTheNextDetectionAndCarryNothingOver) {
  // Each text has findings with context hits and normalizations, and rejections; the freed
  // reports' lists are longer or shorter than the next one's, and hold its predecessor's items.
  const std::string texts[] = {
      "고객 연락처: 010-1234-5678, 주민번호 ８８０１０１－１２３４５６８, 카드 4111 1111 1111 1111",
      "확인 후 010-4821-7730 번호로 다시 연락드릴게요.",
      "메일 kim@example.com 계좌 국민 123456-01-234567 사업자 등록 번호 : 220-81-62517",
      "아무 숫자도 없는 평범한 문장이 여기 있습니다", "전화 02-123-4567 또는 010 9876 5432"};
  for (const Config& config : {Config(), Config::thorough()}) {
    std::vector<std::string> cold;
    for (const std::string& text : texts) {
      kept::drop_all();
      cold.push_back(detect_json(text, config));
    }
    kept::drop_all();
    for (int round = 0; round < 3; ++round) {
      for (std::size_t i = 0; i < std::size(texts); ++i) {
        Result<Report> report = detect(texts[i], config);
        ASSERT_TRUE(report.has_value());
        std::string json;
        json::write(json, *report);
        EXPECT_EQ(json, cold[i]) << texts[i];
        give_buffers(*report);
      }
    }
  }

  // The buffers are the next report's own: handed over, they come back with nothing in them.
  kept::drop_all();
  Result<Report> first = detect(texts[1], Config());
  ASSERT_TRUE(first && first->findings.size() == 1 && first->rejections.size() == 1);
  const Finding* findings_data = first->findings.data();
  const Rejection* rejections_data = first->rejections.data();
  give_buffers(*first);
  EXPECT_EQ(first->findings.capacity(), 0u);
  EXPECT_EQ(first->rejections.capacity(), 0u);
  Result<Report> second = detect(texts[1], Config());
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->findings.data(), findings_data);
  EXPECT_EQ(second->rejections.data(), rejections_data);
  EXPECT_EQ(second->normalized_text, "확인 후 01048217730 번호로 다시 연락드릴게요.");
  EXPECT_EQ(second->findings.size(), 1u);
  EXPECT_EQ(second->rejections.size(), 1u);

  // A copy made for a report takes a spare when it is longer than a string's own room.
  EXPECT_EQ(spare_copy(std::string_view("short")), "short");
  const std::string long_text(200, 'y');
  std::string given = with_room(300);
  const char* given_data = given.data();
  kept::give_text(std::move(given));
  const std::string copy = spare_copy(long_text);
  EXPECT_EQ(copy, long_text);
  EXPECT_EQ(copy.data(), given_data);
  const std::vector<ContextHit> hits = {{"전화", 3, 0.5f}, {"연락처", 9, 0.25f}};
  const std::vector<ContextHit> hits_copy = spare_copy(hits);
  ASSERT_EQ(hits_copy.size(), hits.size());
  for (std::size_t i = 0; i < hits.size(); ++i)
    EXPECT_TRUE(hits_copy[i].cue == hits[i].cue && hits_copy[i].distance == hits[i].distance &&
                hits_copy[i].weight == hits[i].weight);
  EXPECT_EQ(spare_copy(std::vector<ContextHit>()).capacity(), 0u);
  kept::drop_all();
}

}  // namespace
}  // namespace norvane
