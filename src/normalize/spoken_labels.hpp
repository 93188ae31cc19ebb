#pragma once
// Words that a number read out in numeral syllables may follow with no space between, as a chat
// types it (휴대전화번호공일공 오이사이 ..., 운전면허증번호는이오 일육 ...): the syllables after
// them start a number, not the rest of a word. Each ends a label of a number, maybe with its
// particle (회원전화는공일공 ..., 집전화가공이 ..., 할머니폰은공일공 ...); a word that ends in a
// numeral syllable itself (전화번호이, 핸드폰이) would be read wrong.
#include <array>
#include <cstddef>
#include <string_view>

namespace norvane::spoken {

inline constexpr std::string_view kLabelsGluedToNumbers[] = {
    "번호", "번호는", "번호가", "번호요", "연락처", "연락처는", "연락처가", "전화",
    "전화는", "전화가", "전화요", "폰",     "폰은",   "계좌",   "계좌는",   "계좌가",
};

// Endings a chat types straight after a number read out in numeral syllables (공일공 이팔사육
// 육팔공팔임, ... 오육칠팔하고 집은 ...): the casual copula and the words for "and". A reading that
// runs on into one of them ends there, as one that runs on into a particle does; into any other
// syllable it runs into a word (4985 이영수, 사이즈).
inline constexpr std::string_view kEndingsAfterReadOutNumbers[] = {"임", "인데", "하고", "랑"};

// Group lengths of a ten-digit number read out group by group, 에 between, that starts with no 0
// (those a 0 starts, and longer ones, are read whatever their groups): a business registration
// number (766에 03에 74302), as a customer reads it to a call centre.
inline constexpr std::size_t kReadOutGroups = 3;
inline constexpr std::array<std::size_t, kReadOutGroups> kReadOutGroupShapes[] = {{3, 2, 5}};

}  // namespace norvane::spoken
