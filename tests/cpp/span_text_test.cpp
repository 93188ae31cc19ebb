// Spans against their text, the quoted forms of reprs and messages, and the UTF-8 helpers that
// turn text into code points and back.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "detect/entity.hpp"
#include "detect/report.hpp"
#include "span/bit_count.hpp"
#include "span/debug_text.hpp"
#include "span/span_text.hpp"
#include "span/utf8.hpp"

namespace norvane {
namespace {

TEST(SpanOfChars, ByteOffsetsOfACharacterRangeOrWhyNot) {
  const std::string text = "a가b";  // bytes 0, 1..4, 4
  EXPECT_EQ(span_of_chars(text, 0, 3), (Span{0, 5, 0, 3}));
  EXPECT_EQ(span_of_chars(text, 1, 2), (Span{1, 4, 1, 2}));
  EXPECT_EQ(span_of_chars(text, 3, 3), (Span{5, 5, 3, 3}));  // the end of the text
  EXPECT_EQ(span_of_chars(text, 2, 1).error(), "char_start 2 must not exceed char_end 1");
  EXPECT_EQ(span_of_chars(text, 0, 4).error(), "char_end 4 is out of range; text has 3 characters");
  EXPECT_EQ(span_of_chars("", 0, 0), (Span{0, 0, 0, 0}));
}

TEST(TextOf, TheSelectedTextOnlyInsideAndOnCharacterBoundaries) {
  const std::string text = "a가b";
  EXPECT_EQ(text_of(Span{1, 4, 1, 2}, text), "가");
  EXPECT_EQ(text_of(Span{5, 5, 3, 3}, text), "");
  EXPECT_EQ(text_of(Span{0, 6, 0, 3}, text).error(),
            "span 0..6 is out of range for text of 5 bytes");
  EXPECT_EQ(text_of(Span{3, 1, 0, 0}, text).error(),
            "span 3..1 is out of range for text of 5 bytes");
  EXPECT_EQ(text_of(Span{0, 2, 0, 1}, text).error(),
            "span 0..2 does not fall on UTF-8 character boundaries");
}

TEST(TextSpanProblem, InOrderWithOneToFourBytesACharacter) {
  EXPECT_EQ(text_span_problem(Span{0, 0, 0, 0}), std::nullopt);
  EXPECT_EQ(text_span_problem(Span{2, 5, 1, 4}), std::nullopt);  // one byte each
  EXPECT_EQ(text_span_problem(Span{0, 8, 7, 9}), std::nullopt);  // four bytes each
  EXPECT_EQ(text_span_problem(Span{0, 9, 0, 2}),                 // one character too long
            "span 0..9 (chars 0..2) is reversed or its lengths disagree");
  EXPECT_EQ(text_span_problem(Span{0, 1, 0, 2}),  // one too short
            "span 0..1 (chars 0..2) is reversed or its lengths disagree");
  EXPECT_EQ(text_span_problem(Span{5, 2, 1, 1}),  // lengths read 0 but the bytes are reversed
            "span 5..2 (chars 1..1) is reversed or its lengths disagree");
  EXPECT_EQ(text_span_problem(Span{1, 1, 3, 2}),
            "span 1..1 (chars 3..2) is reversed or its lengths disagree");
}

TEST(SourceOfChars, TheSourceOfACharacterRangeOfTheNormalizedTextOrWhyNot) {
  SpanMapBuilder builder;
  builder.replace("０", "0", "fold.width");  // three bytes become one
  builder.keep("1가");
  SpanMapBuilder::Output out = builder.finish();
  ASSERT_EQ(out.text, "01가");
  std::expected<SourceSpan, std::string> first = source_of_chars(out.map, out.text, 0, 1);
  ASSERT_TRUE(first);
  EXPECT_EQ(debug_text(*first),
            "SourceSpan(byte=0..3, char=0..1, snapped=false, rules=[\"fold.width\"])");
  EXPECT_EQ(first->cost.replaced_chars, 1);
  EXPECT_EQ(source_of_chars(out.map, out.text, 1, 3)->span, (Span{3, 7, 1, 3}));
  EXPECT_EQ(source_of_chars(out.map, out.text, 2, 1).error(),
            "char_start 2 must not exceed char_end 1");
  EXPECT_EQ(source_of_chars(out.map, out.text, 0, 4).error(),
            "char_end 4 is out of range; text has 3 characters");
}

TEST(Names, AbsorbedClassesAndEntitiesByNameOrWhyNot) {
  EXPECT_EQ(absorb_class_named("whitespace"), AbsorbClass::whitespace);
  EXPECT_EQ(absorb_class_named("separator"), AbsorbClass::separator);
  EXPECT_EQ(absorb_class_named("other"), AbsorbClass::other);
  EXPECT_EQ(absorb_class_named("Other\n").error(),
            "unknown absorbed class \"Other\\n\"; expected 'whitespace', 'separator', or 'other'");
  EXPECT_EQ(entity_named("phone"), EntityKind::phone);
  EXPECT_EQ(entity_named("passport"), EntityKind::passport);
  EXPECT_EQ(entity_named("Phone").error(),
            "unknown entity \"Phone\"; expected one of " + entity_names_joined());
  EXPECT_EQ(checksum_reason(ChecksumResult::not_applicable("no checksum")), "no checksum");
  EXPECT_EQ(checksum_reason(ChecksumResult::passed()), std::nullopt);
  EXPECT_EQ(checksum_reason(ChecksumResult::failed()), std::nullopt);
}

TEST(DebugQuoted, EscapesQuotesBackslashesAndControls) {
  EXPECT_EQ(debug_quoted(""), "\"\"");
  EXPECT_EQ(debug_quoted("가\"\\"), "\"가\\\"\\\\\"");
  EXPECT_EQ(debug_quoted(std::string("\n\r\t\0", 4)), "\"\\n\\r\\t\\0\"");
  EXPECT_EQ(debug_quoted("\x01\x7f\u0085"), "\"\\u{1}\\u{7f}\\u{85}\"");  // C0, DEL, C1
  EXPECT_EQ(byte_range(Span{1, 4, 1, 2}) + " " + char_range(Span{1, 4, 1, 2}), "1..4 1..2");
}

TEST(Utf8, CodePointsEncodeAndSurrogatesDoNot) {
  const std::vector<char32_t> chars = {U'a', 0xE9, 0xAC00, 0x1D49C};
  std::string out(10, '\0');
  EXPECT_EQ(utf8::encoded_size(chars.data(), chars.size()), 10u);
  EXPECT_EQ(utf8::encode(chars.data(), chars.size(), out.data()), 10u);
  EXPECT_EQ(out, "a\u00e9\uac00\U0001d49c");
  const std::uint16_t surrogate[] = {'a', 0xD800};
  EXPECT_EQ(utf8::encoded_size(surrogate, 2), std::nullopt);
  EXPECT_EQ(utf8::encode(surrogate, 2, out.data()), std::nullopt);
}

// The UTF-8 of code points one at a time, as the standard writes it.
std::string plain_utf8(const std::vector<char32_t>& chars) {
  std::string out;
  for (const char32_t c : chars) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// Encodes into room of exactly the text's size and `spare` bytes more, followed by guard bytes:
// the blocks' stores past their end must stay within the room the characters after them take
// and the spare room.
template <class Char>
std::string encoded_with_guard(const std::vector<char32_t>& chars, bool& guard_intact,
                               std::size_t spare = 0) {
  const std::vector<Char> units(chars.begin(), chars.end());
  const std::size_t size = plain_utf8(chars).size() + spare;
  std::string room(size + 16, '\xA5');
  const std::optional<std::size_t> n = utf8::encode(units.data(), units.size(), room.data(), spare);
  guard_intact = room.substr(size) == std::string(16, '\xA5');
  return n ? room.substr(0, *n) : "(surrogate)";
}

// Texts of every length up to 72 made of the shapes the encoder's blocks tell apart (ASCII and
// three-byte runs as Korean text has them, two-byte and four-byte characters among them), in
// two- and four-byte units, against the plain encoding, with a surrogate at every place.
TEST(Utf8, BlocksOfEveryShapeAndLengthEncodeAsOneAtATimeWithOrWithoutSpareRoom) {
  std::mt19937 random(7);
  const char32_t kinds[][2] = {{0x20, 0x7F}, {0xAC00, 0xD7A4}, {0x80, 0x800}, {0xE000, 0x10000}};
  for (int mix = 0; mix < 7; ++mix) {
    for (std::size_t length = 0; length <= 72; ++length) {
      std::vector<char32_t> chars;
      for (std::size_t k = 0; k < length; ++k) {
        // Mixes 0-1: ASCII and Hangul only (1: Hangul mostly); 2: with two-byte characters;
        // 3: with other BMP characters; 4-5: with four-byte ones too (four-byte units only);
        // 6: ASCII mostly, with a Hangul syllable now and then.
        const unsigned r = random() % 8;
        const int kind = mix == 0   ? r % 2
                         : mix == 1 ? (r == 0 ? 0 : 1)
                         : mix == 6 ? (r == 0 ? 1 : 0)
                         : mix == 2 ? r % 3
                                    : r % 4;
        const char32_t c = kinds[kind][0] + random() % (kinds[kind][1] - kinds[kind][0]);
        chars.push_back((mix == 4 || mix == 5) && r == 7 ? 0x10000 + random() % 0xFFFF : c);
      }
      const std::string want = plain_utf8(chars);
      bool intact = false;
      // No spare room, a little, room for some last blocks (the last twelve or more
      // characters of a two-byte str) and the room that lets the last characters go in blocks.
      for (std::size_t spare :
           {std::size_t{0}, std::size_t{5}, std::size_t{16}, utf8::kEncodeSpareRoom}) {
        if (mix < 4 || mix == 6) {
          EXPECT_EQ(encoded_with_guard<std::uint16_t>(chars, intact, spare), want)
              << mix << " " << length << " " << spare;
          EXPECT_TRUE(intact) << mix << " " << length << " " << spare;
        }
        EXPECT_EQ(encoded_with_guard<std::uint32_t>(chars, intact, spare), want)
            << mix << " " << length << " " << spare;
        EXPECT_TRUE(intact) << mix << " " << length << " " << spare;
      }
      for (std::size_t at = 0; at < length && mix == 1; ++at) {
        std::vector<char32_t> broken = chars;
        broken[at] = 0xD800 + at % 0x800;
        EXPECT_EQ(encoded_with_guard<std::uint16_t>(broken, intact), "(surrogate)") << at;
        EXPECT_EQ(encoded_with_guard<std::uint32_t>(broken, intact), "(surrogate)") << at;
        EXPECT_EQ(encoded_with_guard<std::uint16_t>(broken, intact, utf8::kEncodeSpareRoom),
                  "(surrogate)")
            << at;
      }
      // Four-byte units with characters beyond sixteen bits: a block of them goes by halves.
      for (std::size_t at = 0; at < length && mix == 4; ++at) {
        std::vector<char32_t> broken = chars;
        broken[at] = 0xDFFF - at % 0x800;
        EXPECT_EQ(encoded_with_guard<std::uint32_t>(broken, intact), "(surrogate)") << at;
        EXPECT_EQ(encoded_with_guard<std::uint32_t>(broken, intact, utf8::kEncodeSpareRoom),
                  "(surrogate)")
            << at;
      }
    }
  }
}

// The byte masks the scans count: every sixteen-bit value against the standard count.
TEST(BitCount, EverySixteenBitValue) {
  unsigned wrong = 0;
  for (unsigned v = 0; v < 0x10000; ++v)
    wrong += static_cast<int>(count_bits16(v)) != std::popcount(v);
  EXPECT_EQ(wrong, 0u);
}

TEST(Utf8, MeasureChoosesTheNarrowestStorage) {
  struct Case {
    std::string text;
    std::size_t chars;
    char32_t widest;
  };
  const Case cases[] = {
      {"", 0, 0x7F},                  // nothing yet: ASCII
      {"ab", 2, 0x7F},                // ASCII
      {"\u00e9", 1, 0xFF},            // Latin-1
      {"\u0100", 1, 0xFFFF},          // past Latin-1: two bytes a unit
      {"가\U0001d49c", 2, 0x10FFFF},  // past the BMP
  };
  for (const Case& c : cases) {
    utf8::Measure m;
    m.add(c.text);
    EXPECT_EQ(m.chars, c.chars) << c.text;
    EXPECT_EQ(m.widest, c.widest) << c.text;
  }
}

TEST(Utf8, PiecesCutInsideACharacterWaitForTheirRest) {
  const std::string text = "a가";
  EXPECT_EQ(utf8::whole_characters(text), 4u);
  EXPECT_EQ(utf8::whole_characters(text.substr(0, 3)), 1u);  // 가 cut after two bytes
  EXPECT_EQ(utf8::whole_characters(text.substr(0, 1)), 1u);
  std::u32string units(2, U'\0');
  utf8::Fill<char32_t> fill{units.data(), units.data() + units.size()};
  EXPECT_FALSE(utf8::Fill<char32_t>(fill).add(text.substr(0, 3)));  // ends inside a character
  EXPECT_TRUE(fill.add("a") && fill.add("가"));
  EXPECT_EQ(units, U"a가");
  EXPECT_FALSE(fill.add("b"));  // no room left
}

TEST(ReportJson, TheTwoWritingsGiveTheOneJson) {
  // Longer than a piece, with characters of every width, so that pieces end inside characters.
  Report report;
  for (int i = 0; i < 20000; ++i) report.normalized_text += "a\u00e9가\U0001d49c";
  std::string json;
  json::write(json, report);
  std::string whole;
  const utf8::Measure measure = json::measure_json(report, whole);
  EXPECT_TRUE(whole.empty());  // too long for one piece
  utf8::Measure expected;
  expected.add(json);
  EXPECT_EQ(measure.chars, expected.chars);
  EXPECT_EQ(measure.widest, 0x10FFFFu);
  std::u32string units(measure.chars, U'\0');
  ASSERT_TRUE(json::decode_json(report, units.data(), units.size()));
  std::string back;
  for (char32_t c : units) utf8::append(back, c);
  EXPECT_EQ(back, json);
  EXPECT_FALSE(json::decode_json(report, units.data(), units.size() - 1));  // no room
  Report small;
  small.normalized_text = "가";
  EXPECT_EQ(json::measure_json(small, whole).chars, 0u);
  EXPECT_EQ(whole, R"({"findings":[],"rejections":[],"normalized_text":"가"})");
}

}  // namespace
}  // namespace norvane
