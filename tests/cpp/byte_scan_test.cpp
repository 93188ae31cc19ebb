// The byte scans the passes skip with, and the character count: every answer at every start,
// for texts of every length up to a few blocks, against a byte-by-byte reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "normalize/unicode.hpp"

namespace norvane {
namespace {

constexpr unicode::ByteSet kDigitsAndMarks{'0', '9', {'*', 'X', 'x', '@'}, 4};
constexpr unicode::ByteSet kLeads{0xEA, 0xED, {}, 0};
constexpr unicode::ByteSet kSingles{1, 0, {0xC2, 0xE2, 0xE3, 0xEF}, 4};

template <const unicode::ByteSet& Set>
void expect_scans_agree(std::string_view s) {
  for (std::size_t from = 0; from <= s.size() + 1; ++from) {
    std::size_t found = from, skipped = from;
    while (found < s.size() && !Set.has(static_cast<unsigned char>(s[found]))) ++found;
    while (skipped < s.size() && Set.has(static_cast<unsigned char>(s[skipped]))) ++skipped;
    ASSERT_EQ(unicode::find_byte<Set>(s, from), found) << testing::PrintToString(s) << " " << from;
    ASSERT_EQ(unicode::skip_bytes<Set>(s, from), skipped)
        << testing::PrintToString(s) << " " << from;
    unsigned mask = 0;
    for (std::size_t k = from; k < s.size() && k < from + 16; ++k)
      if (Set.has(static_cast<unsigned char>(s[k]))) mask |= 1u << (k - from);
    ASSERT_EQ(unicode::block_mask<Set>(s, from), mask) << testing::PrintToString(s) << " " << from;
    std::size_t count = 0;
    for (std::size_t k = from; k < s.size(); ++k)
      count += Set.has(static_cast<unsigned char>(s[k]));
    const std::string_view rest = s.substr(std::min(from, s.size()));
    ASSERT_EQ(unicode::count_bytes<Set>(rest), count) << testing::PrintToString(s) << " " << from;
  }
}

TEST(ByteScan, EveryStartOfEveryLengthAgreesWithTheBytes) {
  const unsigned char alphabet[] = {'a',  ' ',  '0',  '9',  '5',  '*',  'X',  'x',  '@',  0xEA,
                                    0xED, 0xEC, 0xC2, 0xE2, 0xE3, 0xEF, 0x80, 0xB0, 0x00, 0xFF};
  std::uint64_t state = 7;
  std::string text;
  for (int round = 0; round < 3000; ++round) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    // Up to a few blocks: the first block, then thirty-two bytes a step where AVX2 exists.
    const std::size_t length = (state >> 33) % 150;
    // Runs of one byte now and then, so that scans also stop deep inside a block.
    const unsigned bias = static_cast<unsigned>(state >> 60);
    text.clear();
    while (text.size() < length) {
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      text += static_cast<char>(
          alphabet[bias < 4 ? bias : static_cast<std::size_t>(state >> 40) % sizeof alphabet]);
    }
    expect_scans_agree<kDigitsAndMarks>(text);
    expect_scans_agree<kLeads>(text);
    expect_scans_agree<kSingles>(text);
  }
}

// Whether a text holds a lead byte other than ASCII's and the Hangul syllables' (C0 on, outside
// EA..ED), for texts of every length up to a few blocks, wide steps and their overlapping last
// one included, against the bytes read one by one.
TEST(ByteScan, OtherThanAsciiAndHangulAgreesWithTheBytes) {
  const unsigned char hangul_and_ascii[] = {'a', ' ', '0', 0xEA, 0xEB, 0xEC, 0xED, 0x80, 0xBF, 0x7F};
  const unsigned char others[] = {0xC0, 0xC2, 0xE2, 0xE3, 0xE9, 0xEE, 0xEF, 0xF0, 0xFF};
  std::uint64_t state = 13;
  auto next = [&] {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::size_t>(state >> 33);
  };
  for (std::size_t length = 0; length < 150; ++length) {
    for (int round = 0; round < 20; ++round) {
      std::string text;
      while (text.size() < length)
        text += static_cast<char>(hangul_and_ascii[next() % sizeof hangul_and_ascii]);
      // None, or one other lead at a chosen place: the first, the last, any.
      if (round > 0 && length > 0) {
        const std::size_t at = round == 1 ? 0 : round == 2 ? length - 1 : next() % length;
        text[at] = static_cast<char>(others[next() % sizeof others]);
      }
      bool want = false;
      for (unsigned char b : text) want |= b >= 0xC0 && (b < 0xEA || b > 0xED);
      ASSERT_EQ(unicode::holds_other_than_ascii_and_hangul(text), want)
          << testing::PrintToString(text);
    }
  }
}

// Which of several byte classes a text holds, read once (each byte's nibbles looked up, a long
// text's read stopped once all are found): every byte alone, then texts of every length up to
// several early stops, holding none, one or all of the classes at chosen places, against the
// bytes read one by one.
// Classes that share a byte (E3) and a high nibble (I and o with others'), as a table can hold.
constexpr bool letter(unsigned char b) { return b == 0xE3 || b == 'I' || b == 'o'; }
constexpr bool digit_or_mark(unsigned char b) { return unicode::kDigitLikeBytes.has(b); }
unsigned held_one_by_one(std::string_view s) {
  unsigned held = 0;
  for (unsigned char b : s)
    held |= (unicode::leads_other_than_hangul(b) ? 1u : 0u) | (letter(b) ? 2u : 0u) |
            (digit_or_mark(b) ? 4u : 0u);
  return held;
}

TEST(ByteScan, HeldClassesAgreeWithTheBytes) {
  constexpr auto holds = unicode::holds<unicode::leads_other_than_hangul, letter, digit_or_mark>;
  for (unsigned b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b)), wide(40, static_cast<char>(b));
    ASSERT_EQ(holds(one), held_one_by_one(one)) << b;
    ASSERT_EQ(holds(wide), held_one_by_one(wide)) << b;
  }
  const unsigned char plain[] = {'a', ' ', 'Z', 0xEA, 0xEB, 0xED, 0x80, 0xBF, 0x7F, 0x0A};
  const unsigned char held[] = {0xC2, 0xE3, 0xEE, 0xF0, 0xC2, 0xE2, 'I', 'o', '0', '9', '*', 'x'};
  std::uint64_t state = 17;
  auto next = [&] {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::size_t>(state >> 33);
  };
  for (std::size_t length = 0; length < 700; length += length < 300 ? 1 : 7) {
    for (int round = 0; round < 12; ++round) {
      std::string text;
      while (text.size() < length) text += static_cast<char>(plain[next() % sizeof plain]);
      // Bytes of the classes at the first and last places, at random ones, or all of them
      // early (the read stops) and one again late.
      for (int k = 0; length > 0 && k < round % 4; ++k) {
        const std::size_t at = round < 4 ? (k == 0 ? 0 : length - 1) : next() % length;
        text[at] = static_cast<char>(held[next() % sizeof held]);
      }
      if (round >= 8 && length >= 4) text.replace(0, 3, "\xC2Io");
      ASSERT_EQ(holds(text), held_one_by_one(text)) << testing::PrintToString(text);
    }
  }
}

// count_chars_copying of a piece into the middle of a buffer of guard bytes: its count, and the
// buffer after it (the piece between the untouched guards when the copy is exact).
std::pair<std::size_t, std::string> counted_copy(std::string_view piece) {
  std::string buffer(piece.size() + 32, 'Z');
  const std::size_t chars = utf8::count_chars_copying(piece, buffer.data() + 16);
  return {chars, buffer};
}
std::pair<std::size_t, std::string> guarded(std::size_t chars, std::string_view piece) {
  return {chars, std::string(16, 'Z') + std::string(piece) + std::string(16, 'Z')};
}

// Characters counted in every piece of random bytes (continuation bytes first, last and
// between the overlapping words of short pieces, and pieces of every length up to several
// blocks) against the bytes that start no character counted one by one; copied as counted,
// the same count and the piece's bytes, nothing written before or after them.
TEST(ByteScan, CharacterCountsOfEveryPieceAgreeWithTheBytes) {
  const unsigned char alphabet[] = {'a', 0x80, 0xBF, 0xC2, 0xEA, 0xED, 0xF0, 0x7F, 0x40, 0xFF};
  std::uint64_t state = 11;
  std::string text;
  for (int round = 0; round < 300; ++round) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    const std::size_t length = (state >> 33) % 80;
    text.clear();
    while (text.size() < length) {
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      text += static_cast<char>(alphabet[static_cast<std::size_t>(state >> 40) % sizeof alphabet]);
    }
    for (std::size_t from = 0; from <= text.size(); ++from) {
      std::size_t chars = 0;
      for (std::size_t to = from; to <= text.size(); ++to) {
        const std::string_view piece = std::string_view(text).substr(from, to - from);
        ASSERT_EQ(utf8::count_chars(piece), chars) << testing::PrintToString(piece);
        ASSERT_EQ(counted_copy(piece), guarded(chars, piece)) << testing::PrintToString(piece);
        if (to < text.size() && !utf8::is_continuation(static_cast<unsigned char>(text[to])))
          ++chars;
      }
    }
  }
}

// Long pieces, counted four blocks a step in runs of at most 255 blocks: every length around
// the ends of the runs (4080 and 8160 bytes) and of the four-block steps, from starts at
// every offset of a block, against the bytes counted one by one.
TEST(ByteScan, CharacterCountsOfLongPiecesAgreeWithTheBytes) {
  const unsigned char alphabet[] = {'a', 0x80, 0xBF, 0xC2, 0xEA, 0xED, 0xF0, 0x7F, 0x40, 0xFF};
  std::uint64_t state = 29;
  std::string text;
  while (text.size() < 8300) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    text += static_cast<char>(alphabet[static_cast<std::size_t>(state >> 40) % sizeof alphabet]);
  }
  // Characters that start before each byte offset.
  std::vector<std::size_t> before(text.size() + 1, 0);
  for (std::size_t k = 0; k < text.size(); ++k)
    before[k + 1] = before[k] + !utf8::is_continuation(static_cast<unsigned char>(text[k]));
  std::vector<std::size_t> lengths;
  for (std::size_t around : {std::size_t{64}, std::size_t{4080}, std::size_t{8160}})
    for (std::size_t len = around - 70; len <= around + 70 && len <= 8200; ++len)
      lengths.push_back(len);
  for (std::size_t from = 0; from < 17; ++from) {
    for (std::size_t len : lengths) {
      const std::string_view piece = std::string_view(text).substr(from, len);
      ASSERT_EQ(utf8::count_chars(piece), before[from + len] - before[from])
          << "from " << from << " length " << len;
      ASSERT_EQ(counted_copy(piece), guarded(before[from + len] - before[from], piece))
          << "from " << from << " length " << len;
    }
  }
}

}  // namespace
}  // namespace norvane
