// Restore maps: the token prefix, unmask, and the JSON writer and reader.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "mask/restore.hpp"
#include "mask/restore_json.hpp"

namespace norvane {
namespace {

struct PrefixCase {
  std::string_view text;
  const char* prefix;
};

TEST(RestoreMap, PrefixIsTheFirstWhoseOpenerTheTextLacks) {
  // clang-format off
  const std::vector<PrefixCase> cases = {
      {"", "PII"},
      {"[[PII]] [[PII0:", "PII"},               // "[[PII:" itself does not occur
      {"a [[PII:3]] b", "PII0"},
      {"[[PII: [[PII0: [[PII1:", "PII2"},
      {"[[PII: [[PII1: [[PII0:", "PII2"},       // in any order
      {"[[PII: [[PII01: [[PII00:", "PII0"},     // "01" is not how 1 is written
      {"[[PII: [[PII0", "PII0"},                // no colon after the number
      {"[[PII:[[PII0:[[PII2:", "PII1"},         // the first gap
  };
  // clang-format on
  for (const PrefixCase& c : cases)
    EXPECT_EQ(RestoreMap::for_text(c.text).prefix, c.prefix) << c.text;
}

TEST(RestoreMap, TokensAreNumberedInOrderAndUnmaskReplacesThem) {
  RestoreMap map = RestoreMap::for_text("본문");
  EXPECT_EQ(map.push(EntityKind::phone, "010-1234-5678"), "[[PII:0]]");
  EXPECT_EQ(map.push(EntityKind::resident, "８８０１０１－１２３４５６８"), "[[PII:1]]");
  EXPECT_EQ(map.len(), 2u);
  const Result<std::string> back =
      unmask("전화 [[PII:0]], 주민 [[PII:1]] [[PII:0]] [[OTHER:1]]", map);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back,
            "전화 010-1234-5678, 주민 ８８０１０１－１２３４５６８ 010-1234-5678 [[OTHER:1]]");
  EXPECT_EQ(unmask("[[PII:+1]]", map).value(),
            "８８０１０１－１２３４５６８");  // a sign is allowed
}

TEST(RestoreMap, UnmaskRefusesBrokenTokens) {
  RestoreMap map = RestoreMap::for_text("");
  map.push(EntityKind::email, "a@b.kr");
  const std::vector<std::pair<std::string_view, std::string>> cases = {
      {"x [[PII:0", "[[PII:...  에 닫는 괄호가 없다"},
      {"[[PII:zero]]", "토큰 번호가 숫자가 아니다: 'zero'"},
      {"[[PII:]]", "토큰 번호가 숫자가 아니다: ''"},
      {"[[PII:1]]", "표에 없는 토큰 번호 1"},
      {"[[PII:18446744073709551616]]",
       "토큰 번호가 숫자가 아니다: '18446744073709551616'"},  // past 64 bits
  };
  for (const auto& [masked, message] : cases) {
    const Result<std::string> r = unmask(masked, map);
    ASSERT_FALSE(r) << masked;
    EXPECT_EQ(r.error().kind, Error::Kind::restore_token);
    EXPECT_EQ(r.error().text(), "restore token error: " + message) << masked;
  }
}

TEST(RestoreJson, WritesCompactJsonThatReadsBackEqual) {
  RestoreMap map;
  map.prefix = "PII";
  map.push(EntityKind::email, "kim@example.kr");
  map.push(EntityKind::phone, "\"010\"\n\u0001가");
  const std::string json = restore_map_to_json(map);
  EXPECT_EQ(
      json,
      "{\"prefix\":\"PII\",\"entries\":["
      "{\"token\":\"[[PII:0]]\",\"original\":\"kim@example.kr\",\"entity\":\"email\"},"
      "{\"token\":\"[[PII:1]]\",\"original\":\"\\\"010\\\"\\n\\u0001가\",\"entity\":\"phone\"}]}");
  const auto back = restore_map_from_json(json);
  ASSERT_TRUE(back) << back.error();
  EXPECT_EQ(*back, map);
}

struct ReadCase {
  std::string_view json;
  const char* read;  // "prefix: token=original/entity ..." or the error message
};

std::string describe(const std::expected<RestoreMap, std::string>& r) {
  if (!r) return "error: " + r.error();
  std::string out = r->prefix + ":";
  for (const RestoreEntry& e : r->entries)
    out += ' ' + e.token + '=' + e.original + '/' + std::string(entity_name(e.entity));
  return out;
}

TEST(RestoreJson, ReadsEveryFormAndNamesEachFault) {
  // clang-format off
  const std::vector<ReadCase> cases = {
      {R"({"prefix":"P","entries":[{"token":"t","original":"o","entity":"email"}]})", "P: t=o/email"},
      {R"(["P",[["t","o","phone"]]])", "P: t=o/phone"},                                            // arrays for structs
      {R"({"entries":[["t","o",{"email":null}]],"prefix":"P"})", "P: t=o/email"},                 // entity as a map; any key order
      {R"({"prefix":"P","entries":[],"x":[1,{"y":2}],"big":1e400})", "P:"},                        // unknown keys skipped
      {R"({"prefix":"PII"})", "error: missing field `entries` at line 1 column 16"},
      {R"({"prefix":"P","entries":[{"token":"t","entity":"email"}]})", "error: missing field `original` at line 1 column 55"},
      {R"({"prefix":"PII","prefix":"x","entries":[]})", "error: duplicate field `prefix` at line 1 column 24"},
      {R"({"prefix":"P","entries":[["t","o","fish"]]})",
       "error: unknown variant `fish`, expected one of `resident`, `foreigner_registration`, `business_registration`, "
       "`credit_card`, `bank_account`, `phone`, `email`, `driver_license`, `birth_date`, `passport` at line 1 column 40"},
      {R"({"prefix":1,"entries":[]})", "error: invalid type: integer `1`, expected a string at line 1 column 12"},
      {R"({"prefix":"P","entries":[["t","o",{"email":1}]]})", "error: invalid type: integer `1`, expected unit at line 1 column 45"},
      {R"({"prefix":"P","entries":[["t","o",{"email":null,"phone":null}]]})",
       "error: invalid length 2, expected map with a single key at line 1 column 55"},
      {R"(["P",[],3])", "error: invalid length 3, expected struct RestoreMap with 2 elements at line 1 column 10"},
      {R"({"prefix":"P","entries":[["t","o"]]})",
       "error: invalid length 2, expected struct RestoreEntry with 3 elements at line 1 column 34"},
      {R"({"prefix":1e400,"entries":[]})", "error: number out of range at line 1 column 15"},
      {"{\"prefix\":\"P\",\n \"entries\":[}",
       "error: syntax error while parsing value - unexpected '}'; expected '[', '{', or a literal at line 2 column 13"},
      {R"({"prefix":"P","entries":[]} x)",
       "error: syntax error while parsing value - invalid literal; expected end of input at line 1 column 29"},
      {"", "error: attempting to parse an empty input; check that your input string or stream contains the "
           "expected JSON at line 1 column 0"},
  };
  // clang-format on
  for (const ReadCase& c : cases)
    EXPECT_EQ(describe(restore_map_from_json(c.json)), c.read) << c.json;
  // Escapes, NUL included, come back as the bytes they stand for.
  const auto escaped = restore_map_from_json(R"({"prefix":"a\"b\u0000가","entries":[]})");
  ASSERT_TRUE(escaped);
  EXPECT_EQ(escaped->prefix, std::string("a\"b\0가", 7));
}

}  // namespace
}  // namespace norvane
