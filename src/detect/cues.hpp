#pragma once
// The cue tables: every table is a range of one array (kCues), so that a cue is known by
// its place in it. Shared by the candidate rules and the cue search, which builds its
// lookup by first character from them when compiling.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "detect/context.hpp"

namespace norvane::cues {

// Cue tables, in table order.
inline constexpr Cue kResidentCues[] = {{"주민등록번호", 1.0f},
                                        {"주민번호", 1.0f},
                                        {"주민등록", 0.8f},
                                        {"본인확인", 0.4f},
                                        {"실명확인", 0.4f}};
inline constexpr Cue kForeignerCues[] = {
    {"외국인등록번호", 1.0f}, {"외국인등록", 0.8f}, {"외국인", 0.5f}, {"체류", 0.4f}};
inline constexpr Cue kBusinessCues[] = {{"사업자등록번호", 1.0f}, {"사업자번호", 1.0f},
                                        {"사업자", 0.6f},         {"세금계산서", 0.5f},
                                        {"법인", 0.3f},           {"상호", 0.3f}};
inline constexpr Cue kCardCues[] = {{"카드번호", 1.0f}, {"신용카드", 1.0f}, {"체크카드", 1.0f},
                                    {"유효기간", 0.5f}, {"카드", 0.6f},     {"결제", 0.4f},
                                    {"승인", 0.3f}};
inline constexpr Cue kPhoneCues[] = {{"전화번호", 1.0f}, {"휴대전화", 1.0f}, {"휴대폰", 1.0f},
                                     {"핸드폰", 1.0f},   {"연락처", 1.0f},   {"전화", 0.6f},
                                     {"문자", 0.4f},     {"통화", 0.3f}};
inline constexpr Cue kLicenseCues[] = {
    {"운전면허번호", 1.0f}, {"운전면허", 1.0f}, {"면허번호", 0.9f}, {"면허증", 0.8f}};
inline constexpr Cue kAccountCues[] = {{"계좌번호", 1.0f}, {"예금주", 0.9f}, {"계좌", 0.8f},
                                       {"입금", 0.7f},     {"이체", 0.7f},   {"송금", 0.7f},
                                       {"은행", 0.6f},     {"환불", 0.4f}};
inline constexpr Cue kBirthCues[] = {
    {"생년월일", 1.0f}, {"출생일", 1.0f}, {"생일", 0.8f}, {"출생", 0.6f}, {"년생", 0.6f}};
inline constexpr Cue kPassportCues[] = {{"여권번호", 1.0f}, {"여권", 0.8f}};
inline constexpr Cue kNegativeCues[] = {
    {"증권번호", 1.0f}, {"계약번호", 1.0f}, {"접수번호", 1.0f}, {"주문번호", 1.0f},
    {"송장번호", 1.0f}, {"운송장", 0.8f},   {"관리번호", 0.9f}, {"문서번호", 0.9f},
    {"일련번호", 0.9f}, {"발급번호", 0.8f}, {"전표번호", 0.8f}, {"상품코드", 1.0f},
    {"제품코드", 1.0f}, {"모델번호", 1.0f}, {"모델명", 0.8f},   {"품번", 0.8f},
    {"바코드", 0.8f},   {"콜센터", 1.0f},   {"고객센터", 1.0f}, {"대표번호", 1.0f},
    {"상담센터", 0.9f}, {"ARS", 0.8f},      {"우편번호", 1.0f}, {"별표", 0.6f},
    {"고시", 0.5f},
};

// Every table, one after another in one array: a cue is known by its place in it.
template <std::size_t... N>
constexpr auto join(const Cue (&... tables)[N]) {
  std::array<Cue, (N + ...)> out{};
  std::size_t k = 0;
  ((std::copy(tables, tables + N, out.begin() + k), k += N), ...);
  return out;
}
inline constexpr auto kCues =
    join(kResidentCues, kForeignerCues, kBusinessCues, kCardCues, kPhoneCues, kLicenseCues,
         kAccountCues, kBirthCues, kPassportCues, kNegativeCues);
static_assert(kCues.size() <= context::kMaxCues);

// Each table as a range of kCues, in the order joined above.
struct Tables {
  std::span<const Cue> resident, foreigner, business, card, phone, license, account, birth,
      passport, negative;
};
inline constexpr Tables kTables = [] {
  Tables t;
  std::size_t at = 0;
  auto next = [&](std::size_t n) {
    const std::span<const Cue> r(kCues.data() + at, n);
    at += n;
    return r;
  };
  t.resident = next(std::size(kResidentCues));
  t.foreigner = next(std::size(kForeignerCues));
  t.business = next(std::size(kBusinessCues));
  t.card = next(std::size(kCardCues));
  t.phone = next(std::size(kPhoneCues));
  t.license = next(std::size(kLicenseCues));
  t.account = next(std::size(kAccountCues));
  t.birth = next(std::size(kBirthCues));
  t.passport = next(std::size(kPassportCues));
  t.negative = next(std::size(kNegativeCues));
  return t;
}();

}  // namespace norvane::cues
