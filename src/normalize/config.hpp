#pragma once
// The one record that steers normalization and detection. Plain data, copied into each call.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace norvane {

struct Config {
  std::uint64_t numeral_min_digits_without_context = 6;
  std::uint64_t numeral_min_digits_with_context = 2;
  std::uint64_t numeral_context_gap = 2;  // not exposed to Python
  bool nfc = true;
  bool fold = true;
  bool hangul = true;
  bool lookalike = true;
  bool separator = true;
  std::uint32_t context_window = 24;
  float min_score = 0.5f;
  float min_context = 0.3f;
  float min_veto = 0.5f;
  float checksum_passed = 0.6f;
  float checksum_failed = 0.25f;
  float context = 0.5f;
  float absorbed_whitespace = 0.08f;
  float absorbed_separator = 0.01f;
  float expanded_syllable = 0.01f;
  float replaced_char = 0.002f;

  // Extensions beyond the base rules, in families; every one is off here and on in thorough().
  bool label_reading =
      false;               // more labels, distance counted in letters and digits, trailing labels
  bool structure = false;  // labels lines away (headers, tags, columns, lines before); fields apart
  bool extra_shapes = false;     // international phones, dates in words, disguised e-mails, ...
  bool recent_resident = false;  // resident numbers issued since October 2020 (no check digit)
  bool company_veto = false;     // representative and toll-free numbers are not personal
  bool lookalike_veto = false;   // IP addresses, versions, ISBNs, prices, CSV fields, order numbers
  bool numeral_words = false;    // a short numeral at the end of a word is part of the word
  bool writing_variants =
      false;  // ㅡ or ~ for hyphens, wrapped lines, masks, percent-encoding, ...
  bool scanned_letters = false;  // letters a scan read for digits (S for 5, B for 8, OlO-l2B9-S7S6)

  // The year the extensions weigh dates against (a date after it is no one's birth date). Unset:
  // the clock's year (UTC), read when a reading needs it; a stored job pins it to give the same
  // findings in any year and on any machine.
  std::optional<std::uint16_t> reference_year;

  bool any_extension() const {
    return label_reading || structure || extra_shapes || recent_resident || company_veto ||
           lookalike_veto || numeral_words || writing_variants || scanned_letters;
  }

  // Every extension on, with the thresholds and weights chosen for masking: leak little, stay
  // precise.
  static Config thorough();
};

// The extension families, in declared order, by name.
struct FamilyField {
  std::string_view name;
  bool Config::* field;
  std::string_view doc;
};
inline constexpr std::array<FamilyField, 9> kFamilyFields{{
    {"label_reading", &Config::label_reading,
     "영문/약어 라벨, 로그 키, 은행 이름, 뒤에 붙은 라벨을 읽고 라벨과 값 사이 거리를 글자와 숫자로만 센다(bool)."},
    {"structure", &Config::structure,
     "표와 고정폭 보고서의 열 머리글, XML 태그, SQL 열 이름, JSON 배열 키, 앞 줄의 라벨과 질문을 라벨로 읽고, 쉼표, 탭, 두 칸 공백으로 나뉜 필드를 한 숫자로 잇지 않는다(bool)."},
    {"extra_shapes", &Config::extra_shapes,
     "국제 전화번호, 새 여권번호, 글로 쓴 생년월일, 가린 이메일, 지역명 운전면허번호를 찾는다(bool)."},
    {"recent_resident", &Config::recent_resident,
     "2020년 10월 이후 발급된(검증 자리 없는) 주민등록번호를 읽는다(bool)."},
    {"company_veto", &Config::company_veto,
     "대표번호(15xx/16xx/18xx)와 080 번호는 개인 라벨이 없으면 보고하지 않는다(bool)."},
    {"lookalike_veto", &Config::lookalike_veto,
     "IP 주소, 버전, ISBN, 금액, CSV 필드, 주문/승인/예약 번호 같은 닮은 숫자를 보고하지 않는다(bool)."},
    {"numeral_words", &Config::numeral_words,
     "낱말 끝에 붙은 짧은 한글 수사는 숫자로 읽지 않는다(bool)."},
    {"writing_variants", &Config::writing_variants,
     "하이픈 대신 쓴 ㅡ/~/ㆍ, 두 줄에 걸친 값, 띄어 읽은 한글 숫자, ●/#/■ 로 일부 가린 값, 영문 월 이름 날짜(15MAR86 포함), "
     "URL 인코딩된 값(%40, %2D, 공백 대신 +)을 읽는다(bool)."},
    {"scanned_letters", &Config::scanned_letters,
     "스캔한 서식의 OCR 이 5 와 8 을 S 와 B 로 읽은 숫자 열(010-6911-B541, 830901-29980S1), 0, 1, 5, 8 을 "
     "모두 글자로 읽은 숫자 열(OlO-l2B9-S7S6, +B2 (O)lO-9S4S-Bl3O)과 여권번호(M12B34567), 개인 값의 라벨 "
     "바로 뒤에서 일부 숫자만 글자로 읽은 값(생 년 월 일 ; 196S.07.l5, 환불계좌 5163B64796720S)을 숫자로 읽는다. "
     "라벨이 있거나 스캔 제목([OCR 변환본], 스캔) 아래에 있는 값만 보고한다(bool)."},
}};

inline Config Config::thorough() {
  Config c;
  for (const FamilyField& f : kFamilyFields) c.*f.field = true;
  // Labels count for more, and spaces inside a number cost less: people write numbers in groups.
  c.context = 0.7f;
  c.absorbed_whitespace = 0.04f;
  return c;
}

// The seven weights, in declared order, by name.
struct WeightField {
  std::string_view name;
  float Config::* field;
};
inline constexpr std::array<WeightField, 7> kWeightFields{{
    {"checksum_passed", &Config::checksum_passed},
    {"checksum_failed", &Config::checksum_failed},
    {"context", &Config::context},
    {"absorbed_whitespace", &Config::absorbed_whitespace},
    {"absorbed_separator", &Config::absorbed_separator},
    {"expanded_syllable", &Config::expanded_syllable},
    {"replaced_char", &Config::replaced_char},
}};

}  // namespace norvane
