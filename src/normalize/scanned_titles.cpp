#include "normalize/scanned_titles.hpp"

#include <algorithm>
#include <array>
#include <span>

#include "normalize/unicode.hpp"
#include "span/utf8.hpp"

namespace norvane::scanned {

namespace {

// Whether `title` is at the start of `text`, with one character wrong at most.
bool matches_nearly(std::u32string_view text, std::u32string_view title) {
  if (text.size() < title.size()) return false;
  std::size_t wrong = 0;
  for (std::size_t k = 0; k < title.size() && wrong < 2; ++k) wrong += text[k] != title[k];
  return wrong < 2;
}

char32_t lower(char32_t c) { return c >= U'A' && c <= U'Z' ? c + 0x20 : c; }

// Whether `label` ends at byte e of s, one space allowed between two of its characters.
bool label_ends_at(std::string_view s, std::size_t e, std::u32string_view label) {
  std::size_t at = e;
  for (std::size_t k = label.size(); k-- > 0;) {
    if (at == 0) return false;
    char32_t c = unicode::decode_before(s, at);
    if (c == U' ' && k + 1 < label.size() && at > 0) c = unicode::decode_before(s, at);
    if (lower(c) != label[k]) return false;
  }
  if (label[0] >= U'a' && label[0] <= U'z' && at > 0) {
    const auto before = static_cast<unsigned char>(s[at - 1]);
    if ((before | 0x20) >= 'a' && (before | 0x20) <= 'z') return false;
  }
  return true;
}

}  // namespace

bool title_before(std::string_view s, std::size_t e) {
  std::size_t i = e > kTitleWindow ? e - kTitleWindow : 0;
  while (i < e && utf8::is_continuation(static_cast<unsigned char>(s[i]))) ++i;
  std::array<char32_t, kTitleWindow> chars;
  std::size_t n = 0;
  while (i < e) chars[n++] = utf8::decode(s, i);
  const std::u32string_view text(chars.data(), n);
  for (std::size_t at = 0; at < n; ++at) {
    if (text[at] < U'가' || text[at] > U'힣') continue;
    for (std::u32string_view title : kIdCardTitles)
      if (matches_nearly(text.substr(at), title)) return true;
    for (std::u32string_view label : kIdNumberLabels)
      if (text.substr(at).starts_with(label)) return true;
  }
  return false;
}

// Whether one of `tables`' labels ends at byte e of s (value_label_ends_at).
template <std::size_t N>
bool label_of_ends_at(std::string_view s, std::size_t e,
                      const std::array<std::span<const std::u32string_view>, N>& tables) {
  if (e == 0) return false;
  // Most places end in no label's last character: it is read once, not once a label.
  std::size_t at = e;
  const char32_t last = lower(unicode::decode_before(s, at));
  auto ends = [&](std::u32string_view label) { return label.back() == last && label_ends_at(s, e, label); };
  return std::any_of(tables.begin(), tables.end(), [&](std::span<const std::u32string_view> table) {
    return std::any_of(table.begin(), table.end(), ends);
  });
}

bool value_label_ends_at(std::string_view s, std::size_t e) {
  return label_of_ends_at<3>(s, e, {kScannedValueLabels, kScannedBirthLabels, kIdNumberLabels});
}

bool birth_label_ends_at(std::string_view s, std::size_t e) {
  return label_of_ends_at<1>(s, e, {kScannedBirthLabels});
}

}  // namespace norvane::scanned
