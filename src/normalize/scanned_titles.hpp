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

// How far before a split value its card's title is looked for, in bytes (an ID card's scan is
// a few short lines: title, name, number, address).
inline constexpr std::size_t kTitleWindow = 240;

// Whether an ID card's title (one syllable off at most) or a label of its number is in the
// `kTitleWindow` bytes of s that end at byte e.
bool title_before(std::string_view s, std::size_t e);

}  // namespace norvane::scanned
