#include "mask/restore.hpp"

#include <charconv>
#include <cstdint>
#include <span>
#include <vector>

#include "error/interrupt.hpp"
#include "mask/token_prefix.hpp"

namespace norvane {

namespace {

// Finds needle in hay from pos on. Short needles use the library search; long ones
// (a prefix read from a stored map can be anything) use KMP so the scan stays linear.
class Finder {
 public:
  explicit Finder(std::string_view needle) : needle_(needle) {
    if (needle_.size() > 32) {
      fail_.assign(needle_.size(), 0);
      for (std::size_t i = 1, k = 0; i < needle_.size(); ++i) {
        while (k > 0 && needle_[i] != needle_[k]) k = fail_[k - 1];
        if (needle_[i] == needle_[k]) ++k;
        fail_[i] = k;
      }
    }
  }

  std::size_t find(std::string_view hay, std::size_t pos) const {
    if (fail_.empty()) return hay.find(needle_, pos);
    std::size_t k = 0;
    for (std::size_t i = pos; i < hay.size(); ++i) {
      while (k > 0 && hay[i] != needle_[k]) k = fail_[k - 1];
      if (hay[i] == needle_[k]) ++k;
      if (k == needle_.size()) return i + 1 - k;
    }
    return std::string_view::npos;
  }

 private:
  std::string_view needle_;
  std::vector<std::size_t> fail_;
};

// An optional single "+" then one or more ASCII digits, at most 2^64 - 1.
bool parse_token_number(std::string_view s, std::uint64_t& out) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc{} && ptr == s.data() + s.size();
}

}  // namespace

RestoreMap RestoreMap::for_text(std::string_view text) {
  RestoreMap map;
  map.prefix = choose_token_prefix(std::span<const std::string_view>(&text, 1));
  return map;
}

std::string RestoreMap::push(EntityKind entity, std::string_view original) {
  return push(entity, original, entries.size());
}

std::string RestoreMap::push(EntityKind entity, std::string_view original, std::size_t number) {
  std::string token;
  token.reserve(prefix.size() + 26);
  token += "[[";
  token += prefix;
  token += ':';
  token += std::to_string(number);
  token += "]]";
  entries.push_back(RestoreEntry{token, std::string(original), entity});
  return token;
}

Result<std::string> unmask(std::string_view masked, const RestoreMap& map) {
  const std::string opener = token_opener(map.prefix);
  const Finder finder(opener);

  std::string out;
  out.reserve(masked.size());
  std::size_t pos = 0;
  interrupt::Poll poll;
  while (true) {
    poll.reach(pos);
    std::size_t at = finder.find(masked, pos);
    if (at == std::string_view::npos) {
      out.append(masked.substr(pos));
      return out;
    }
    out.append(masked.substr(pos, at - pos));
    std::size_t num_start = at + opener.size();
    std::size_t close = masked.find("]]", num_start);
    if (close == std::string_view::npos)
      return std::unexpected(Error::restore_token(opener + "...  에 닫는 괄호가 없다"));
    std::string_view number_text = masked.substr(num_start, close - num_start);
    std::uint64_t number = 0;
    if (!parse_token_number(number_text, number))
      return std::unexpected(
          Error::restore_token("토큰 번호가 숫자가 아니다: '" + std::string(number_text) + "'"));
    if (number >= map.entries.size())
      return std::unexpected(Error::restore_token("표에 없는 토큰 번호 " + std::to_string(number)));
    out.append(map.entries[number].original);
    pos = close + 2;
  }
}

}  // namespace norvane
