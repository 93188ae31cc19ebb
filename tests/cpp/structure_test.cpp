// Places of the structure family: what the reader keeps from one value to the next (a row's
// delimiters counted so far, a header's cells, the lines before) gives what a reader reading
// the value alone gives, in whatever order the values come.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "detect/structure.hpp"

namespace norvane::structure {
namespace {

// The places of a value as "rule:text of the place@distance".
std::vector<std::string> described(std::string_view text, const std::vector<Place>& places) {
  std::vector<std::string> out;
  for (const Place& p : places)
    out.push_back(std::string(p.rule) + ":" + std::string(text.substr(p.from, p.to - p.from)) +
                  "@" + std::to_string(p.distance));
  return out;
}

// Every run of three digits or more in the text, as [start, end).
std::vector<std::pair<std::size_t, std::size_t>> numbers(std::string_view text) {
  std::vector<std::pair<std::size_t, std::size_t>> out;
  for (std::size_t k = 0; k < text.size();) {
    if (text[k] < '0' || text[k] > '9') {
      ++k;
      continue;
    }
    std::size_t e = k;
    while (e < text.size() && text[e] >= '0' && text[e] <= '9') ++e;
    if (e - k >= 3) out.emplace_back(k, e);
    k = e;
  }
  return out;
}

// The places a fresh reader gives the first occurrence of `value` in the text, described.
std::vector<std::string> first_places(std::string_view text, std::string_view value) {
  Reader reader;
  std::vector<Place> out;
  const std::size_t at = text.find(value);
  reader.places(text, at, at + value.size(), out);
  return described(text, out);
}

TEST(StructureReader, KeptReadingsAgreeWithAFreshReaderInAnyOrder) {
  const std::string_view texts[] = {
      // Rows of pipe, comma and tab tables, quoted cells holding delimiters, two tables.
      "| 이름 | 연락처 | 계좌 |\n|---|---|---|\n| 홍길동 | 010-1234-5678 | 110-222-333333 |\n"
      "| 김철수 | 010-9876-5432 | 220-333-444444 |\n",
      "이름,\"주소, 동\",휴대폰,카드\n홍길동,\"서울, 강남\",01012345678,1234567812345678\n"
      "김영희,\"부산, 해운대\",01098765432,8765432187654321\n",
      "name\tphone\taccount\nhong\t01012345678\t110222333333\n\nid\ttel\nkim\t0212345678\n",
      "고객\t생년\n고객 정보\t연락\n홍\t900101\t01012345678\n",
      // Lines before: a label line, a question over a remark, a line with five digits or six.
      "계좌번호\n110-222-333333\n",
      "주문 12345 확인\n010-1234-5678\n",
      "주문 123456 확인\n010-1234-5678\n",
      "연락처 알려주시겠어요?\n잠시만요\n010-1234-5678\n",
      // Reply rows under a request listing their fields, by slashes and by commas.
      "이름/연락처/생년월일 남겨 주세요\n└ 홍 / 010-1234-5678 / 1990.01.01\n└ 김 / 010-9876-5432 / 1985.05.05\n",
      "명단 부탁드립니다 (성명, 생년월일)\n- 홍, 900101\n- 김, 850505\n",
      // A CSV row a date's comma shifted, with rows under it; a roster parted by two spaces whose
      // rows leave a cell empty inside or at their end.
      "원생,생년월일,학부모 연락처\n정소희,Jul 19, 2019,01052620159\n오민호,121123,-\n"
      "조태영,2017.04.19,\n",
      "NO  NAME  DOB  PASSPORT  PHONE\n11895  SEO HANEUL  1960.06.06  S81393177  010-3877-4779\n"
      "11896  KIM MIN JUN  1961.07.28    010-2231-9087\n11897  PARK JI  1990.09.28  G42118382\n",
  };
  for (std::string_view text : texts) {
    const auto values = numbers(text);
    std::vector<std::vector<std::string>> alone;
    for (const auto& [start, end] : values) {
      Reader fresh;
      std::vector<Place> out;
      fresh.places(text, start, end, out);
      alone.push_back(described(text, out));
    }
    for (const bool reversed : {false, true}) {
      Reader kept;
      for (std::size_t n = 0; n < values.size(); ++n) {
        const std::size_t v = reversed ? values.size() - 1 - n : n;
        std::vector<Place> out;
        kept.places(text, values[v].first, values[v].second, out);
        EXPECT_EQ(described(text, out), alone[v]) << text << " value " << v;
      }
    }
  }
}

TEST(StructureReader, RosterRowsOfFewerCellsAndRowsUnderAShiftedCsvRow) {
  using V = std::vector<std::string>;
  // A value's places: its header's cell read by `rule`, and the row's first cell.
  auto under = [](std::string rule, std::string cell, std::string row) {
    return V{"context." + rule + ":" + cell + "@0", "context.row_label:" + row + "@1"};
  };
  const std::string_view roster =
      "NO  NAME  DOB  PASSPORT  PHONE  E-MAIL\n"
      "11895  SEO HANEUL  1960.06.06  S81393177  010-3877-4779  haneul@naver.com\n"
      "11896  KIM MIN JUN  1961.07.28    010-2231-9087  mj@gmail.com\n"
      "11897  PARK JI  1990.09.28  G42118382\n";
  // As many cells as the header: by index. An empty cell inside the row (a gap twice as wide):
  // the cells before it by index, those after it one header on. The last cells left empty: by
  // index.
  EXPECT_EQ(first_places(roster, "1960.06.06"), under("fixed_width_cell", "DOB", "11895"));
  EXPECT_EQ(first_places(roster, "1961.07.28"), under("fixed_width_cell", "DOB", "11896"));
  EXPECT_EQ(first_places(roster, "010-2231"), under("fixed_width_cell", "PHONE", "11896"));
  EXPECT_EQ(first_places(roster, "1990.09.28"), under("fixed_width_cell", "DOB", "11897"));
  EXPECT_EQ(first_places(roster, "G42118382"), under("fixed_width_cell", "PASSPORT", "11897"));
  // A padded report's row of fewer cells stands under its names: read by them.
  const std::string_view padded =
      "NAME        DOB         PHONE\nKIM MINSU               010-2231-9087\n";
  EXPECT_EQ(first_places(padded, "010-2231"), under("fixed_width_header", "PHONE", "KIM MINSU"));
  // Rows under a CSV row whose date holds a comma still take the header's names.
  const std::string_view csv =
      "원생,생년월일,학부모 연락처\n정소희,Jul 19, 2019,01052620159\n오민호,121123,-\n"
      "조태영,2017.04.19,\n";
  // The shifted row's own date: under its index's header and right-aligned with the header's
  // last cells alike.
  EXPECT_EQ(first_places(csv, "19, 2019"),
            (V{"context.column_from_right:원생@0", "context.column_header:생년월일@0",
               "context.row_label:정소희@1"}));
  EXPECT_EQ(first_places(csv, "121123"), under("column_header", "생년월일", "오민호"));
  EXPECT_EQ(first_places(csv, "2017.04"), under("column_header", "생년월일", "조태영"));
  // A line under a CSV row with fewer bare commas than the row's delimiters is prose, not the
  // table's row: no header names its number.
  EXPECT_EQ(first_places("이름,연락처,생일\n홍길동,010-1234-5678,900101\n참고로,이번 주는 휴원, 생일 "
                         "850505 맞아요\n",
                         "850505"),
            V{});
}

TEST(StructureReader, HeadersAndLinesBefore) {
  using V = std::vector<std::string>;
  EXPECT_EQ(first_places("이름,\"주소, 동\",휴대폰\n홍,\"서울, 강남\",01012345678\n",
                         "01012345678"),
            (V{"context.column_header:휴대폰@0", "context.row_label:홍@1"}));
  EXPECT_EQ(first_places("주문 12345 확인\n010-1234-5678\n", "010"),
            (V{"context.label_line:주문 12345 확인@1"}));
  EXPECT_EQ(first_places("주문 123456 확인\n010-1234-5678\n", "010"), V{});
  EXPECT_EQ(
      first_places("연락처 알려주시겠어요?\n잠시만요\n010-1234-5678\n", "010"),
      (V{"context.previous_line:잠시만요@1", "context.earlier_question:연락처 알려주시겠어요?@2"}));
  // A messenger's name-and-time header stands between messages as a blank line would; a line
  // announcing what comes is read over remarks, vetoing nothing (not only if none before).
  EXPECT_EQ(first_places("김 오후 3:01\n면허번호 보내드려요\n이 오후 3:02\n네 보내주세요\n김 오후 3:02\n"
                  "11-23-456789-01\n",
                  "11-23"),
            (V{"context.question_line:네 보내주세요@1", "context.earlier_line:면허번호 보내드려요@2"}));
  // A bank's alert line holds a date beside its time: no header.
  EXPECT_EQ(first_places("[KB] 12/03 14:22\n110-222-333333\n", "110"),
            (V{"context.label_line:[KB] 12/03 14:22@1"}));
  // Reply rows take the requested fields by their marks.
  EXPECT_EQ(first_places("이름/연락처/생년월일 남겨 주세요\n└ 홍 / 010-1234-5678 / 1990.01.01\n"
                  "└ 김 / 010-9876-5432 / 1985.05.05\n",
                  "1985"),
            (V{"context.announced_header:생년월일 남겨 주세요@0"}));
}

// How a line before a value ends decides what it is: a messenger's header (a clock at its end,
// no date beside it) is stepped over, but a name before a clock in brackets is a line of its own;
// a request's ending is read past marks after it, and an ending that shares only its last byte
// with a request's is none (다 and 오 of 주십시오 both end in A4). A row above with fewer cells
// than the value's column is no row of its table.
TEST(StructureReader, LineEndingsAndRowsAbove) {
  using V = std::vector<std::string>;
  EXPECT_EQ(first_places("계좌번호\n[김민수] [오후 3:01]\n110-222-333333\n", "110"),
            (V{"context.label_line:계좌번호@1"}));
  EXPECT_EQ(first_places("계좌번호\n김민수 (오후 3:01)\n110-222-333333\n", "110"),
            (V{"context.label_line:김민수 (오후 3:01)@1"}));
  EXPECT_EQ(first_places("고객님 입금 받으실 계좌번호 불러주세요~!\n110-222-333333\n", "110"),
            (V{"context.question_line:고객님 입금 받으실 계좌번호 불러주세요~!@1"}));
  EXPECT_EQ(first_places("계좌번호 확인했습니다\n110-222-333333\n", "110"),
            (V{"context.previous_line:계좌번호 확인했습니다@1"}));
  EXPECT_EQ(first_places("이름,연락처,계좌\n홍,010-1234-5678,110-222-333333\n", "110"),
            (V{"context.column_header:계좌@0", "context.row_label:홍@1"}));
  EXPECT_EQ(first_places("이름,연락처\n홍,010-1234-5678,110-222-333333\n", "110"),
            (V{"context.row_label:홍@1", "context.label_line:이름,연락처@1"}));
}

}  // namespace
}  // namespace norvane::structure
