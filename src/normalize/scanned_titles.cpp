#include "normalize/scanned_titles.hpp"

#include <array>

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

}  // namespace norvane::scanned
