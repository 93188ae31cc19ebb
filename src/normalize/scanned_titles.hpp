#pragma once
// The titles printed on identity cards, as OCR reads a scanned card: a value split over two of
// the scan's lines is read as one under such a title. OCR often gets one syllable wrong
// (주민등륵증, 운전먼허증), so a title matches with one syllable off; titles are five syllables
// or more, so that one off is still the title (영주증 is left out: 영수증 is a receipt).
#include <cstddef>
#include <string_view>

namespace norvane::scanned {

inline constexpr std::u32string_view kIdCardTitles[] = {
    U"주민등록증",
    U"운전면허증",
    U"외국인등록증",
    U"거소신고증",
};

// Labels of the numbers themselves, matched as written (short words: one syllable off would
// match too much).
inline constexpr std::u32string_view kIdNumberLabels[] = {
    U"주민번호",
    U"주민등록번호",
    U"외국인등록번호",
    U"외국인번호",
};

// Labels of a person's values a scan's value may stand after with some of its digits read as
// letters (생 년 월 일 ; 196S.07.l5, 환불계좌 5163B64796720S), besides kIdNumberLabels. A label
// matches at the end of a longer one (출생년월일, 환불계좌) and with one space between its
// characters (연 락 처); passports' labels are left out, as a passport's letters are real, and
// so are bare 카드 and 번호 (회원카드, 주문번호 are no person's values).
inline constexpr std::u32string_view kScannedValueLabels[] = {
    U"연락처", U"전화", U"전화번호", U"휴대폰", U"핸드폰", U"휴대전화", U"폰번호", U"계좌", U"계좌번호",
    U"통장", U"통장번호", U"면허", U"면허증", U"면허번호", U"면허증번호", U"사업자등록번호",
    U"사업자번호", U"카드번호", U"결제카드", U"tel", U"phone", U"mobile", U"h.p", U"안심번호",
    U"account", U"license", U"licence",
};
// The birth dates' labels among them: only under one is a date in Korean words a scan misread in
// part read (생년월일 l972년 ll월 2B일); a visit's or an accident's date keeps its letters.
inline constexpr std::u32string_view kScannedBirthLabels[] = {
    U"생년월일", U"생일", U"출생일", U"출생", U"dob", U"birth", U"birth_date", U"birthdate",
};
// A label as a sentence's subject, its particle between it and the value (생일은 1994년 B월 14일,
// 계좌번호는0610716B932908).
inline constexpr char32_t kLabelParticles[] = {U'은', U'는', U'이', U'가'};
// Marks a form sets its labels off with, beyond ASCII punctuation (〔생년월일〕, 【연락처】, a
// frame's bar as a scan reads it: ㅣ).
inline constexpr char32_t kLabelMarks[] = {U'〕', U'】', U'」', U'』', U'》', U'〉', U'ㅣ', U'：'};

// How far before a split value its card's title is looked for, in bytes (an ID card's scan is
// a few short lines: title, name, number, address).
inline constexpr std::size_t kTitleWindow = 240;

// Whether an ID card's title (one syllable off at most) or a label of its number is in the
// `kTitleWindow` bytes of s that end at byte e.
bool title_before(std::string_view s, std::size_t e);

// Whether a label of a person's value (kScannedValueLabels, kScannedBirthLabels, kIdNumberLabels)
// ends at byte e of s, its characters maybe one space apart, its English ones in any case and not
// inside a longer word.
bool value_label_ends_at(std::string_view s, std::size_t e);
// The same of a birth date's label (kScannedBirthLabels) alone.
bool birth_label_ends_at(std::string_view s, std::size_t e);

}  // namespace norvane::scanned
