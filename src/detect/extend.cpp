#include "detect/extend.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <chrono>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "detect/checksum.hpp"
#include "detect/cues.hpp"
#include "detect/english_date.hpp"
#include "detect/labels.hpp"
#include "detect/word_set.hpp"
#include "normalize/passes.hpp"
#include "normalize/unicode.hpp"
#include "span/utf8.hpp"

namespace norvane::extend {

namespace {

// ------------------------------------------------------------------------------------------
// Characters

using unicode::ascii_lower;
using unicode::is_ascii_digit;
using unicode::is_ascii_letter;
using unicode::is_ascii_lower;
using unicode::is_ascii_upper;

// Whether the word at byte p is `w` and ends there (no Korean letter after it).
bool word_ending_at(std::string_view s, std::size_t p, std::string_view w) {
  if (s.size() - p < w.size() || std::memcmp(s.data() + p, w.data(), w.size()) != 0) return false;
  return p + w.size() >= s.size() || static_cast<unsigned char>(s[p + w.size()]) < 0x80;
}

// Whether 명 (a name) ends the word at byte p: 가맹점명, 상품명, not 명의 nor 명단.
bool names_a_name(std::string_view s, std::size_t p) {
  return word_ending_at(s, p, labels::kNameSuffix);
}

// Whether a title ending (장) ends the word at byte p: a company's word before it names the
// desk's head (상담 실장, 관리소장), not the desk.
bool names_a_head(std::string_view s, std::size_t p) {
  return std::any_of(std::begin(labels::kHeadTitleEndings), std::end(labels::kHeadTitleEndings),
                     [&](std::string_view w) { return word_ending_at(s, p, w); });
}

// Whether a word of a camel-case key begins at byte p, between two letters: refund|Account,
// ACCT|No.
bool camel_step(std::string_view s, std::size_t p) {
  if (p == 0 || p >= s.size()) return false;
  const auto a = static_cast<unsigned char>(s[p - 1]), b = static_cast<unsigned char>(s[p]);
  if (is_ascii_lower(a) && is_ascii_upper(b)) return true;
  return is_ascii_upper(a) && is_ascii_upper(b) && p + 1 < s.size() &&
         is_ascii_lower(static_cast<unsigned char>(s[p + 1]));
}

// Whether a label may begin at byte p: not inside a word of ASCII letters (labels that begin with
// a letter need a word to begin there).
bool may_begin_label(std::string_view s, std::size_t p) {
  return p == 0 || !is_ascii_letter(static_cast<unsigned char>(s[p])) ||
         !is_ascii_letter(static_cast<unsigned char>(s[p - 1])) || camel_step(s, p);
}

// What joins the words of a key: refund_account, refund-account, customer.account.
bool joins_key_words(char c) { return c == '_' || c == '-' || c == '.'; }

// Letters and digits: the characters a label distance counts.
bool counts(char32_t c) {
  if (c < 0x80)
    return is_ascii_letter(static_cast<unsigned char>(c)) ||
           is_ascii_digit(static_cast<unsigned char>(c));
  return (c >= 0xAC00 && c < 0xD7A4) || (c >= 0x3131 && c <= 0x318E) ||
         (c >= 0x4E00 && c <= 0x9FFF);
}

char32_t char_at(std::string_view s, std::size_t i) { return utf8::decode(s, i); }

std::size_t char_before(std::string_view s, std::size_t i) {
  --i;
  while (i > 0 && utf8::is_continuation(static_cast<unsigned char>(s[i]))) --i;
  return i;
}

// The code point of the three-byte character at p, as utf8::decode reads it.
char32_t syllable_code(std::string_view s, std::size_t p) {
  return char32_t{static_cast<unsigned char>(s[p]) & 0x0Fu} << 12 |
         char32_t{static_cast<unsigned char>(s[p + 1]) & 0x3Fu} << 6 |
         char32_t{static_cast<unsigned char>(s[p + 2]) & 0x3Fu};
}

// The three bytes of a syllable at p, packed.
constexpr std::uint32_t syllable_key(std::string_view s, std::size_t p) {
  return std::uint32_t{static_cast<unsigned char>(s[p])} |
         std::uint32_t{static_cast<unsigned char>(s[p + 1])} << 8 |
         std::uint32_t{static_cast<unsigned char>(s[p + 2])} << 16;
}

std::size_t alnum_count(std::string_view s, std::size_t from, std::size_t to) {
  std::uint32_t n = 0;
  for (std::size_t i = from; i < to;) n += counts(utf8::decode(s, i));
  return n;
}

// ------------------------------------------------------------------------------------------
// The label index: the base cue tables of the ten kinds and every table of labels.hpp, with a
// lookup by first character and, where match_end compares it first, the second.

// The second character of a label word (ASCII letters lower-cased) as match_end compares it
// before anything else: a Korean word's second syllable (its three bytes packed), or an ASCII
// word's second letter. kNoSecond for a word whose second character is not compared so.
constexpr std::uint32_t kNoSecond = 0xFFFFFFFF;
std::uint32_t second_of(std::string_view folded_word) {
  const auto first = static_cast<unsigned char>(folded_word[0]);
  if (first >= 0xE0 && folded_word.size() > 5 && static_cast<unsigned char>(folded_word[3]) >= 0xE0)
    return syllable_key(folded_word, 3);
  if (first < 0x80 && folded_word.size() > 1 &&
      is_ascii_letter(static_cast<unsigned char>(folded_word[1])))
    return static_cast<unsigned char>(folded_word[1]);
  return kNoSecond;
}

// The third character of a Korean label word whose first three are Korean letters (their
// packed bytes), else kNoSecond: labels that share two syllables (고객, 고객센터, 고객번호) are
// told apart by it before any is compared.
std::uint32_t third_of(std::string_view folded_word) {
  const auto korean_at = [&](std::size_t k) {  // a character of three bytes
    return folded_word.size() >= k + 3 &&
           (static_cast<unsigned char>(folded_word[k]) & 0xF0) == 0xE0;
  };
  return korean_at(0) && korean_at(3) && korean_at(6) ? syllable_key(folded_word, 6) : kNoSecond;
}

// The same for the character after the one at byte `at` of a text, where a label must end by
// `limit`: kNoSecond where match_end would not refuse a label on it (a space between Korean
// letters, the limit too near).
std::uint32_t second_in_text(std::string_view s, std::size_t at, std::size_t limit) {
  const auto first = static_cast<unsigned char>(s[at]);
  if (first >= 0xE0)
    return at + 5 < limit && s[at + 3] != ' ' ? syllable_key(s, at + 3) : kNoSecond;
  return first < 0x80 && at + 1 < limit ? ascii_lower(static_cast<unsigned char>(s[at + 1]))
                                        : kNoSecond;
}

// labels::kMisreadSyllables as packed keys {written, misread}: the label walk asks at every
// syllable that differs from a label's, and compares them as numbers.
constexpr auto kMisreadKeys = [] {
  std::array<std::pair<std::uint32_t, std::uint32_t>, std::size(labels::kMisreadSyllables)> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i)
    keys[i] = {syllable_key(labels::kMisreadSyllables[i].written, 0),
               syllable_key(labels::kMisreadSyllables[i].misread, 0)};
  return keys;
}();

// Whether a scan wrote the label's syllable `written` (three bytes) as the syllable at byte `t`
// of s (labels::kMisreadSyllables).
[[gnu::noinline]] bool misread_syllable_at(std::string_view written, std::string_view s,
                                           std::size_t t, std::size_t limit) {
  if (t + 3 > limit) return false;
  const std::uint32_t read = syllable_key(s, t), meant = syllable_key(written, 0);
  return std::any_of(kMisreadKeys.begin(), kMisreadKeys.end(),
                     [&](const auto& key) { return key.second == read && key.first == meant; });
}

// Whether the ASCII letter at byte `at` begins letters a scan spaced out one by one (D a t e):
// a space, a lone letter, a space. Only there are an English label's letters read apart.
[[gnu::noinline]] bool letter_spaced_at(std::string_view s, std::size_t at, std::size_t limit) {
  return at + 3 < limit && s[at + 1] == ' ' && is_ascii_letter(static_cast<unsigned char>(s[at + 2])) &&
         s[at + 3] == ' ';
}

// Where an English label (folded word w) ends when a scan spaced it out at byte `at` of s (D a t e
// o f   B i r t h, P a s s p o r t   N o .): one space between the characters of a word, two to
// four between words, no spaced letter of the same run right before or after it. npos otherwise.
[[gnu::noinline]] std::size_t spaced_match_end(std::string_view w, std::string_view s,
                                               std::size_t at, std::size_t limit,
                                               std::uint8_t& readings) {
  const auto letter = [&](std::size_t p) {
    return p < s.size() && is_ascii_letter(static_cast<unsigned char>(s[p]));
  };
  // A lone letter one space before the label is part of the same spaced word (H o t e l, not Tel).
  if (at >= 2 && s[at - 1] == ' ' && letter(at - 2) && (at < 3 || !letter(at - 3))) return std::string_view::npos;
  if (at >= 1 && letter(at - 1)) return std::string_view::npos;
  std::size_t t = at;
  for (std::size_t k = 0; k < w.size(); ++k) {
    const auto wk = static_cast<unsigned char>(w[k]);
    if (wk >= 0x80) return std::string_view::npos;
    if (wk == ' ') {  // between words
      std::size_t spaces = 0;
      while (t < limit && s[t] == ' ') ++t, ++spaces;
      if (spaces < 2 || spaces > 4) return std::string_view::npos;
      continue;
    }
    if (k > 0 && w[k - 1] != ' ') {  // one space after the character before
      if (t >= limit || s[t] != ' ') return std::string_view::npos;
      ++t;
    }
    if (t >= limit || ascii_lower(static_cast<unsigned char>(s[t])) != wk) return std::string_view::npos;
    ++t;
  }
  // The spaced word goes on (B i r t h d a y): not this label.
  if (t + 1 < s.size() && s[t] == ' ' && letter(t + 1) && !letter(t + 2)) return std::string_view::npos;
  readings = 0;
  return t;
}

// The same after a Korean character at byte `at`, read past spaces (a label's Korean letters
// may stand apart: 주민  번호): the three bytes a Korean label's second syllable must match
// (`p` gets where they start), kNoKeyFits where no second syllable fits before `limit` (none of
// the labels that have one can stand there). From the second syllable's start, the same reads
// the third.
constexpr std::uint32_t kNoKeyFits = 0;
[[gnu::always_inline]] inline std::uint32_t next_syllable_in_text(std::string_view s, std::size_t at,
                                                                  std::size_t limit, std::size_t& p) {
  p = at + 3;
  while (p < limit && s[p] == ' ') ++p;
  return p + 2 < limit ? syllable_key(s, p) : kNoKeyFits;
}

// Whether a Hangul syllable starts at byte p (U+AC00 to U+D7A3, read from its bytes). Always
// inlined: the label walk asks it of every word between a label and its value.
[[gnu::always_inline]] inline bool hangul_syllable_at(std::string_view s, std::size_t p) {
  if (p + 2 >= s.size()) return false;
  const auto a = static_cast<unsigned char>(s[p]), b = static_cast<unsigned char>(s[p + 1]);
  if (a == 0xEB || a == 0xEC) return true;
  if (a == 0xEA) return b >= 0xB0;
  if (a == 0xED) return b < 0x9E || (b == 0x9E && static_cast<unsigned char>(s[p + 2]) <= 0xA3);
  return false;
}

struct IndexedLabel {
  std::string_view word;
  float weight;
  std::uint16_t flags;
  std::uint8_t table;
  bool base;
  std::uint8_t alnum;  // letters and digits in the word
  // The word with its ASCII letters lower-cased, as match_end compares it (in the index's string).
  std::string_view folded;
  std::uint8_t exact;  // leading bytes of the word that only themselves match (exact_prefix)
  // An exact prefix of one Korean character (three bytes, no ASCII): syllable_key, or 0.
  std::uint32_t exact_syllable;
  std::uint32_t second;  // second_of(folded)
  std::uint32_t third;   // third_of(folded)
  // Bytes of text the word takes at least: each of its characters but a space between words
  // (which a camel-case step reads) takes one.
  std::uint8_t shortest;
};

class LabelIndex {
 public:
  LabelIndex() {
    // Built once per process: the labels and their folded words are given their room first and
    // never moved (the folded words are views of one string).
    std::size_t words = 0, bytes = 0;
    each_word([&](std::string_view word, float, std::uint16_t, std::uint8_t, bool) {
      ++words;
      bytes += word.size();
    });
    labels_.reserve(words);
    folded_.reserve(bytes);
    each_word([&](std::string_view word, float weight, std::uint16_t flags, std::uint8_t table,
                  bool base) { add(word, weight, flags, table, base); });
    std::vector<std::uint16_t> members;
    for (Bucket& b : buckets_) split_by_second(b, members);
    for (unsigned c = 0; c < ascii_steps_.size(); ++c) {
      const auto b = static_cast<unsigned char>(c);
      ascii_steps_[c] = {ascii_[ascii_lower(b)], is_ascii_digit(b), is_ascii_letter(b),
                         b == '\n' || b == '<' || b == '('};
    }
  }

  const IndexedLabel& at(std::size_t i) const { return labels_[i]; }
  const std::vector<std::uint16_t>& block_keys() const { return block_keys_; }
  const std::vector<std::uint16_t>& statement_keys() const { return statement_keys_; }

  // The labels that may stand at byte `at` of s, whose character c is (letters of either case),
  // and end by `limit`, in index order: those whose second character the text's rules out, or
  // for Korean words their third, are left out, as match_end would refuse them there.
  // `second_read`: the text's second character is that of every label among them that has one
  // (second_of), as match_end may take it.
  [[gnu::always_inline]] std::span<const std::uint16_t> starting_at(char32_t c, std::string_view s,
                                                                    std::size_t at, std::size_t limit,
                                                                    bool& second_read) const {
    return starting_in(bucket_of(c), s, at, limit, second_read);
  }
  // The same for the labels of bucket b (bucket_of the character at `at`). Inlined in the label
  // walk, whose every step asks it.
  [[gnu::always_inline]] std::span<const std::uint16_t> starting_in(std::uint16_t b,
                                                                    std::string_view s,
                                                                    std::size_t at,
                                                                    std::size_t limit,
                                                                    bool& second_read) const {
    second_read = false;
    if (b == 0) return {};
    const Bucket& bucket = buckets_[b - 1];
    if (bucket.seconds.empty()) return bucket.all;
    const bool korean = static_cast<unsigned char>(s[at]) >= 0xE0;
    std::size_t second_at = at + 3;
    const std::uint32_t key = korean ? next_syllable_in_text(s, at, limit, second_at)
                                     : second_in_text(s, at, limit);
    if (key == kNoSecond) return bucket.all;
    const Second* second = nullptr;
    for (const Second& k : bucket.seconds)
      if (k.key == key) {
        second = &k;
        break;
      }
    if (!second) {
      // A space after a letter: the label's letters may stand spaced out (D a t e).
      if (key == ' ' && letter_spaced_at(s, at, limit)) return bucket.all;
      return {pool_.data() + bucket.unkeyed.from, bucket.unkeyed.size};
    }
    // Past spaces the label's own comparison reads them again.
    second_read = second_at == at + 3;
    const Run* run = second;
    if (second->thirds_size > 0) {
      std::size_t third_at;
      const std::uint32_t third = next_syllable_in_text(s, second_at, limit, third_at);
      for (std::uint32_t k = 0; k < second->thirds_size; ++k)
        if (thirds_[second->thirds_from + k].key == third) {
          run = &thirds_[second->thirds_from + k];
          break;
        }
    }
    return {pool_.data() + run->from, run->size};
  }
  // The bucket of first character c, from 1, or 0 when no label starts with it.
  std::uint16_t bucket_of(char32_t c) const {
    if (c < 0x80) return ascii_[ascii_lower(static_cast<unsigned char>(c))];
    if (c >= unicode::kSyllableFirst && c < unicode::kSyllableFirst + unicode::kSyllableCount)
      return hangul_[c - unicode::kSyllableFirst];
    for (const auto& [k, v] : other_)
      if (k == c) return v;
    return 0;
  }
  // What the label walk needs of an ASCII byte, read in one lookup at each step: the bucket of
  // the labels it leads, whether it is a digit or a letter, and whether it may end the walk (a
  // line break, a table row's tag, the parenthesis of an SQL insert's VALUES).
  struct AsciiStep {
    std::uint16_t bucket;
    bool digit, letter, may_end_walk;
  };
  const AsciiStep& ascii_step(unsigned char c) const { return ascii_steps_[c]; }
  // The same for a Hangul syllable's code point.
  std::uint16_t bucket_of_syllable(char32_t c) const {
    return hangul_[c - unicode::kSyllableFirst];
  }
  // The character at byte k of s, as utf8::decode reads it (k moves past it), and the bucket of
  // the labels it leads. A Hangul syllable, most of a Korean text, is read from its three bytes.
  struct Step {
    char32_t c;
    std::uint16_t bucket;
    bool syllable;
  };
  [[gnu::always_inline]] Step step_at(std::string_view s, std::size_t& k) const {
    if (const auto lead = static_cast<unsigned char>(s[k]);
        lead >= 0xEA && lead <= 0xED && k + 3 <= s.size()) {
      if (const char32_t c = syllable_code(s, k);
          c - unicode::kSyllableFirst < unicode::kSyllableCount) {
        k += 3;
        return {c, bucket_of_syllable(c), true};
      }
    }
    const char32_t c = utf8::decode(s, k);
    return {c, bucket_of(c), false};
  }
  // All the labels whose first character is c (letters of either case).
  std::span<const std::uint16_t> starting_with(char32_t c) const {
    const std::uint16_t b = bucket_of(c);
    return b == 0 ? std::span<const std::uint16_t>{} : buckets_[b - 1].all;
  }

  // Where label i ends when it stands at byte `at` of s and ends by `limit`, or npos. ASCII
  // letters match either case and no ASCII letter may touch an ASCII end of the label; spaces
  // may stand between two Korean letters of it (주민 번호, 접수 번호). The words of a key are
  // read as words (`readings` gets kKeyWords): a camel-case step ends a word, and a space
  // between ASCII words of the label matches "_", "-", "." or a camel-case step (cardNo,
  // date_of_birth). "/" and "." inside an abbreviation stand for each other (H/P, A.C).
  // Inlined: every label walk tries it at each character that leads a label. `second_read`:
  // starting_at found the text's second character to be the label's (second_of), when the label
  // has one; it is not compared again.
  [[gnu::always_inline]] std::size_t match_end(std::size_t i, std::string_view s, std::size_t at,
                                               std::size_t limit, std::uint8_t& readings,
                                               bool second_read = false) const {
    if (at + labels_[i].shortest > limit) return std::string_view::npos;
    const std::string_view w = labels_[i].folded;
    // Most tries fail on the second character: its three bytes tell for a Korean label (a
    // space before it in the text aside), and one for a Latin one whose second character is a
    // letter (which only its own letter, in either case, matches).
    bool second_syllable = false;
    if (second_read && labels_[i].second != kNoSecond) {
      second_syllable = static_cast<unsigned char>(w[0]) >= 0xE0;
    } else if (static_cast<unsigned char>(w[0]) >= 0xE0) {
      // The label is folded: an ASCII letter after its first syllable (콜ID) matches either case.
      if (w.size() > 3 && at + 3 < limit &&
          ascii_lower(static_cast<unsigned char>(s[at + 3])) != static_cast<unsigned char>(w[3]) &&
          s[at + 3] != ' ')
        return std::string_view::npos;
      if (w.size() > 5 && static_cast<unsigned char>(w[3]) >= 0xE0 && at + 5 < limit &&
          s[at + 3] != ' ') {
        if (s[at + 4] != w[4] || s[at + 5] != w[5]) return std::string_view::npos;
        second_syllable = true;
      }
    } else if (w.size() > 1 && is_ascii_letter(static_cast<unsigned char>(w[1])) &&
               at + 1 < limit && ascii_lower(static_cast<unsigned char>(s[at + 1])) != w[1]) {
      return s[at + 1] == ' ' ? spaced_match_end(w, s, at, limit, readings)
                              : std::string_view::npos;
    }
    // The exact prefix byte by byte, then the rest with the ways a text may write it.
    std::size_t k = labels_[i].exact;
    if (at + k > limit) return std::string_view::npos;
    if (labels_[i].exact_syllable) {
      if (syllable_key(s, at) != labels_[i].exact_syllable) return std::string_view::npos;
    } else {
      for (std::size_t b = 0; b < k; ++b)
        if (ascii_lower(static_cast<unsigned char>(s[at + b])) != static_cast<unsigned char>(w[b]))
          return std::string_view::npos;
    }
    if (second_syllable) k = 6;  // the first syllable is the exact prefix: 3 bytes
    std::uint8_t read = 0;
    bool spaced_apart = false;  // a space read between two Korean letters of the label
    std::size_t t = at + k;
    while (k < w.size()) {
      if (t >= limit) return std::string_view::npos;
      const auto wk = static_cast<unsigned char>(w[k]), st = static_cast<unsigned char>(s[t]);
      // A Korean character of the label matches only itself, written as it is (a space before
      // it aside): its three bytes at once.
      if (wk >= 0xE0 && st != ' ' && k + 3 <= w.size()) {
        if ((st != wk || t + 3 > limit || s[t + 1] != w[k + 1] || s[t + 2] != w[k + 2]) &&
            (k < 6 || !misread_syllable_at(w.substr(k, 3), s, t, limit)))
          return std::string_view::npos;
        t += 3;
        k += 3;
        continue;
      }
      if (ascii_lower(st) == wk) {
        ++t;
        ++k;
        continue;
      }
      const auto before = k > 0 ? static_cast<unsigned char>(w[k - 1]) : 0;
      if (st == ' ' && wk >= 0xC0 && before >= 0x80) {
        spaced_apart = true;
        ++t;
        continue;
      }
      if (wk == ' ' && is_ascii_letter(before)) {
        if (joins_key_words(s[t])) ++t;
        else if (!camel_step(s, t)) return std::string_view::npos;
        read |= kKeyWords;
        ++k;
        continue;
      }
      if ((wk == '/' || wk == '.') && (st == '/' || st == '.')) {
        read |= kAbbreviation;
        ++t;
        ++k;
        continue;
      }
      return std::string_view::npos;
    }
    // Between fillers it is a name in a passport's machine-readable line (HONG<<SU<BIN<<).
    if (at > 0 && s[at - 1] == '<' && t < s.size() && s[t] == '<') return std::string_view::npos;
    // A look-alike's or a company's word read apart, beginning and ending inside words, is the
    // pieces of two words (합계 in 종합 계좌, 산림조합 계좌), not the word spelled with a space:
    // it vetoes nothing. (A person's label so read only adds to the context others give.)
    if (spaced_apart && at >= 3 &&
        (labels_[i].table == labels::kLookAlikeTable || labels_[i].table == labels::kCompanyTable) &&
        hangul_syllable_at(s, at - 3) && hangul_syllable_at(s, t))
      return std::string_view::npos;
    if (is_ascii_letter(static_cast<unsigned char>(w.front())) && at > 0 &&
        is_ascii_letter(static_cast<unsigned char>(s[at - 1]))) {
      if (!camel_step(s, at)) return std::string_view::npos;
      read |= kKeyWords;
    }
    if (is_ascii_letter(static_cast<unsigned char>(w.back())) && t < s.size() &&
        is_ascii_letter(static_cast<unsigned char>(s[t]))) {
      if (!camel_step(s, t)) return std::string_view::npos;
      read |= kKeyWords;
    }
    if (labels_[i].flags & labels::kAbbreviation) read |= kAbbreviation;
    readings = read;
    return t;
  }

 private:
  // Every word of the index, in its order, as f(word, weight, flags, table, base): the base cue
  // tables of the ten kinds, every table of labels.hpp, the negative cues.
  template <class F>
  static void each_word(F&& f) {
    for (EntityKind k : all_entities())
      for (const Cue& c : cues_for(k))
        f(c.word, c.weight, labels::kPlain, static_cast<std::uint8_t>(k), true);
    for (std::size_t t = 0; t < labels::kTableCount; ++t)
      for (const labels::Label& l : labels::kTables[t])
        f(l.word, l.weight, l.flags, static_cast<std::uint8_t>(t), false);
    for (const Cue& c : negative_cues())
      f(c.word, c.weight, labels::kPlain, static_cast<std::uint8_t>(labels::kNegativeTable), true);
  }

  void add(std::string_view word, float weight, std::uint16_t flags, std::uint8_t table,
           bool base) {
    const auto i = static_cast<std::uint16_t>(labels_.size());
    const std::size_t from = folded_.size();
    for (char c : word)
      folded_.push_back(static_cast<char>(ascii_lower(static_cast<unsigned char>(c))));
    const std::string_view folded(folded_.data() + from, word.size());
    const auto exact = static_cast<std::uint8_t>(exact_prefix(folded));
    const bool one_syllable = exact == 3 && static_cast<unsigned char>(folded[0]) >= 0x80 &&
                              static_cast<unsigned char>(folded[1]) >= 0x80 &&
                              static_cast<unsigned char>(folded[2]) >= 0x80;
    const std::uint32_t exact_syllable = one_syllable ? syllable_key(folded, 0) : 0;
    labels_.push_back({word, weight, flags, table, base,
                       static_cast<std::uint8_t>(alnum_count(word, 0, word.size())),
                       folded, exact, exact_syllable, kNoSecond, kNoSecond, 0});
    labels_.back().second = second_of(labels_.back().folded);
    labels_.back().third = third_of(labels_.back().folded);
    labels_.back().shortest = static_cast<std::uint8_t>(
        folded.size() - static_cast<std::size_t>(std::count(folded.begin(), folded.end(), ' ')));
    // Keys of a company's or an order's block are read only where such keys stand: they stay
    // out of the buckets every search walks.
    if (flags & labels::kBlockKey) {
      block_keys_.push_back(i);
      return;
    }
    // So are the headers of a statement's description column.
    if (flags & labels::kStatementKey) {
      statement_keys_.push_back(i);
      return;
    }
    const char32_t c = char_at(word, 0);
    std::uint16_t* slot;
    if (c < 0x80) slot = &ascii_[ascii_lower(static_cast<unsigned char>(c))];
    else if (c >= unicode::kSyllableFirst && c < unicode::kSyllableFirst + unicode::kSyllableCount)
      slot = &hangul_[c - unicode::kSyllableFirst];
    else {
      auto it =
          std::find_if(other_.begin(), other_.end(), [&](const auto& p) { return p.first == c; });
      if (it == other_.end()) it = other_.insert(other_.end(), {c, std::uint16_t{0}});
      slot = &it->second;
    }
    if (*slot == 0) {
      buckets_.emplace_back();
      *slot = static_cast<std::uint16_t>(buckets_.size());
    }
    buckets_[*slot - 1].all.push_back(i);
  }

  // The labels of one first character: all of them, and by the second character the text has
  // after it (its packed bytes, as second_of gives them) those that can stand there.
  // A run of label indexes in pool_.
  struct Run {
    std::uint32_t key, from, size;
  };
  // A second character's run holds the labels without a third (third_of); where some have one,
  // each third has a run of its own in thirds_, with them.
  struct Second : Run {
    std::uint32_t thirds_from = 0, thirds_size = 0;
  };
  struct Bucket {
    std::vector<std::uint16_t> all;
    Run unkeyed{};                // the labels whose second character is not compared early
    std::vector<Second> seconds;  // per key, its labels and the unkeyed ones, in index order
  };

  // `members`: room for the labels of one second character and the unkeyed ones.
  void split_by_second(Bucket& b, std::vector<std::uint16_t>& members) {
    // The labels of `from` whose third character may be `third` (kNoSecond: those without one),
    // in index order.
    auto append = [&](Run& run, std::span<const std::uint16_t> from, std::uint32_t third) {
      run.from = static_cast<std::uint32_t>(pool_.size());
      for (std::uint16_t i : from)
        if (labels_[i].third == kNoSecond || labels_[i].third == third) pool_.push_back(i);
      run.size = static_cast<std::uint32_t>(pool_.size()) - run.from;
    };
    for (std::uint16_t i : b.all) {
      const std::uint32_t key = labels_[i].second;
      if (key != kNoSecond && std::none_of(b.seconds.begin(), b.seconds.end(),
                                           [&](const Second& s) { return s.key == key; }))
        b.seconds.push_back({{key, 0, 0}});
    }
    if (b.seconds.empty()) return;
    members.clear();
    for (std::uint16_t i : b.all)
      if (labels_[i].second == kNoSecond) members.push_back(i);
    append(b.unkeyed, members, kNoSecond);
    for (Second& second : b.seconds) {
      members.clear();
      for (std::uint16_t i : b.all)
        if (labels_[i].second == kNoSecond || labels_[i].second == second.key)
          members.push_back(i);
      append(second, members, kNoSecond);
      second.thirds_from = static_cast<std::uint32_t>(thirds_.size());
      for (std::uint16_t i : members) {
        const std::uint32_t third = labels_[i].third;
        if (third != kNoSecond &&
            std::none_of(thirds_.begin() + second.thirds_from, thirds_.end(),
                         [&](const Run& r) { return r.key == third; }))
          thirds_.push_back({third, 0, 0});
      }
      second.thirds_size = static_cast<std::uint32_t>(thirds_.size()) - second.thirds_from;
      for (std::uint32_t k = 0; k < second.thirds_size; ++k) {
        Run& run = thirds_[second.thirds_from + k];
        append(run, members, run.key);
      }
    }
  }

  std::vector<IndexedLabel> labels_;
  std::string folded_;  // the labels' folded words, one after another
  std::vector<std::uint16_t> block_keys_;
  std::vector<std::uint16_t> statement_keys_;
  std::vector<Bucket> buckets_;
  std::vector<Run> thirds_;          // the runs of the thirds, each second's together
  std::vector<std::uint16_t> pool_;  // the runs' labels, one run after another
  std::array<std::uint16_t, 128> ascii_{};
  std::array<AsciiStep, 128> ascii_steps_{};
  std::vector<std::uint16_t> hangul_ = std::vector<std::uint16_t>(unicode::kSyllableCount, 0);
  std::vector<std::pair<char32_t, std::uint16_t>> other_;
};

// Inlined: it is asked for at every label read, and a call costs more than its guard.
[[gnu::always_inline]] inline const LabelIndex& label_index() {
  static const LabelIndex index;
  return index;
}

RuleName left_source(const IndexedLabel& l) {
  if (l.base) return rule::kLetterDistance;
  if (l.flags & labels::kLogKey) return rule::kLogKey;
  if (l.flags & labels::kBank) return rule::kBankName;
  return rule::kExtraLabel;
}

constexpr std::uint32_t kTrailingReach = 6;  // letters and digits looked at after a value
constexpr std::size_t kMaxWalk = 160;        // characters walked to the left at most

// Whether 종 (EC A2 85) starts at byte k: the class after its digit (1종, 2종).
bool licence_class_at(std::string_view s, std::size_t k) {
  return k + 2 < s.size() && s[k] == '\xEC' && s[k + 1] == '\xA2' && s[k + 2] == '\x85';
}

void add_found(std::vector<LabelFound>& found, const LabelFound& add) {
  for (LabelFound& f : found) {
    if (f.label == add.label) {
      if (add.distance < f.distance) f = add;
      return;
    }
    // The same words read as two wordings (Card No and card_no on card_no): the plainer reading
    // counts, then the heavier label. (One wording in two tables stays twice: 휴대폰 is a cue and
    // a personal label.)
    if (f.start == add.start && f.end == add.end && f.in_source == add.in_source) {
      const IndexedLabel &fl = label_index().at(f.label), &al = label_index().at(add.label);
      if (fl.word == al.word) continue;
      if (add.readings != f.readings ? add.readings < f.readings : al.weight > fl.weight) f = add;
      return;
    }
  }
  found.push_back(add);
}

std::size_t count_char(std::string_view s, std::size_t from, std::size_t to, char c) {
  return static_cast<std::size_t>(std::count(s.begin() + static_cast<std::ptrdiff_t>(from),
                                             s.begin() + static_cast<std::ptrdiff_t>(to), c));
}

// Whether a label that ends at e is the key of a value after it (order_id=..., "tel":...): on
// the right of a number such a label belongs to the next one.
bool introduces_value(std::string_view text, std::size_t e, std::string_view word) {
  if (word.back() == '=' || word.back() == ':') return true;
  // The rest of the key (acct_no after Acct), a closing quote, spaces.
  while (e < text.size() && (is_ascii_letter(static_cast<unsigned char>(text[e])) ||
                             is_ascii_digit(static_cast<unsigned char>(text[e])) || text[e] == '_'))
    ++e;
  if (e < text.size() && text[e] == '"') ++e;
  while (e < text.size() && text[e] == ' ') ++e;
  const std::string_view rest = text.substr(e);
  return rest.starts_with('=') || rest.starts_with(':') || rest.starts_with("->");
}

// Whether a number follows a label that ends at e, past spaces and a colon (주문번호 2023...,
// 좌석: 12) and a word that leads a document's number (신청번호 제 2026-973호).
bool number_follows(std::string_view text, std::size_t e) {
  while (e < text.size() && (text[e] == ' ' || text[e] == ':')) ++e;
  for (std::string_view lead : labels::kNumberLeadWords)
    if (text.substr(e).starts_with(lead)) {
      e += lead.size();
      while (e < text.size() && text[e] == ' ') ++e;
      break;
    }
  // Seats, lockers and rooms are numbered after a letter or two (C-64, A12, LK-3).
  for (std::size_t letters = 0;
       letters < 2 && e < text.size() && is_ascii_letter(static_cast<unsigned char>(text[e]));
       ++letters)
    ++e;
  if (e > 0 && is_ascii_letter(static_cast<unsigned char>(text[e - 1])) && e < text.size() &&
      text[e] == '-')
    ++e;
  return e < text.size() && is_ascii_digit(static_cast<unsigned char>(text[e]));
}

// Whether a date follows byte e of text past spaces and colons, led by its year (생년월일:
// 1990.01.01, 1990-01-01, 1990년, 19900101; 1980. 3. 2. is read as 198032.), not a code's letters
// (체류자격 F-6) nor an amount (타행입금 50,000).
bool date_follows(std::string_view text, std::size_t e) {
  constexpr std::size_t kYear = 4, kCompact = 8;
  while (e < text.size() && (text[e] == ' ' || text[e] == ':')) ++e;
  const std::size_t from = e;
  while (e < text.size() && is_ascii_digit(static_cast<unsigned char>(text[e]))) ++e;
  const std::string_view digits = text.substr(from, e - from), rest = text.substr(e);
  if (digits.size() < kYear || digits.size() > kCompact ||
      !(digits.starts_with("19") || digits.starts_with("20")))
    return false;
  return digits.size() == kCompact || rest.starts_with('.') || rest.starts_with('-') ||
         rest.starts_with('/') || rest.starts_with("년");
}

// Where the word that begins at byte `at` of text ends: at a space, a colon or a digit.
std::size_t word_end(std::string_view text, std::size_t at) {
  while (at < text.size() && text[at] != ' ' && text[at] != '\t' && text[at] != '\n' &&
         text[at] != ':' && !is_ascii_digit(static_cast<unsigned char>(text[at])))
    ++at;
  return at;
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (ascii_lower(static_cast<unsigned char>(a[k])) !=
        ascii_lower(static_cast<unsigned char>(b[k])))
      return false;
  return true;
}

// The code point of the Hangul syllable whose three bytes end at byte i, or 0 where none does:
// a lead of three bytes, two continuation bytes (a text may hold stray bytes), and a code point
// in the syllables' block. The bytes are tested together and the code point read once: the
// label walk asks at every step.
[[gnu::always_inline]] inline char32_t hangul_syllable_ending_at(std::string_view s,
                                                                  std::size_t i) {
  if (i < 3) return 0;
  const std::uint32_t lead = static_cast<unsigned char>(s[i - 3]),
                      mid = static_cast<unsigned char>(s[i - 2]),
                      last = static_cast<unsigned char>(s[i - 1]);
  constexpr std::uint32_t kThreeByteSequence = 0xE0u | 0x80u << 8 | 0x80u << 16;
  if (((lead & 0xF0u) | (mid & 0xC0u) << 8 | (last & 0xC0u) << 16) != kThreeByteSequence) return 0;
  const char32_t c = (lead & 0x0Fu) << 12 | (mid & 0x3Fu) << 6 | (last & 0x3Fu);
  return c - unicode::kSyllableFirst < unicode::kSyllableCount ? c : 0;
}

// Whether the three bytes before byte i are one Hangul syllable.
[[gnu::always_inline]] inline bool hangul_syllable_before(std::string_view s, std::size_t i) {
  return hangul_syllable_ending_at(s, i) != 0;
}

// Whether the word [from, to) stands alone: no Hangul syllable touches it on either side.
bool standalone(std::string_view s, std::size_t from, std::size_t to) {
  return !(from > 0 && hangul_syllable_at(s, char_before(s, from))) && !hangul_syllable_at(s, to);
}

// The start of the word of ASCII letters that ends at byte e (exclusive), camel-case steps
// ending words: "No" in bankAcctNo.
std::size_t ascii_word_start(std::string_view s, std::size_t e) {
  std::size_t w = e;
  while (w > 0 && is_ascii_letter(static_cast<unsigned char>(s[w - 1]))) {
    --w;
    if (camel_step(s, w)) break;
  }
  return w;
}

// The last syllables of the Korean generic words and of the particles.
// Most words end in neither: their syllable's last byte tells first.
struct KoreanEnds {
  std::uint32_t generic[std::size(labels::kGenericWords)] = {};
  std::uint32_t particle[std::size(labels::kParticles)] = {};
  bool generic_last[256] = {};
  bool particle_last[256] = {};
  constexpr KoreanEnds() {
    std::size_t k = 0;
    for (std::string_view g : labels::kGenericWords)
      if (static_cast<unsigned char>(g.front()) >= 0x80) {
        generic[k++] = syllable_key(g, g.size() - 3);
        generic_last[static_cast<unsigned char>(g.back())] = true;
      } else {
        generic[k++] = 0;
      }
    k = 0;
    for (std::string_view p : labels::kParticles) {
      particle[k++] = syllable_key(p, p.size() - 3);
      particle_last[static_cast<unsigned char>(p.back())] = true;
    }
  }
  constexpr bool ends_generic(std::uint32_t key) const {
    return generic_last[key >> 16] &&
           std::find(std::begin(generic), std::end(generic), key) != std::end(generic);
  }
  constexpr bool ends_particle(std::uint32_t key) const {
    return particle_last[key >> 16] &&
           std::find(std::begin(particle), std::end(particle), key) != std::end(particle);
  }
};

// A word that ends a label without naming a kind, at the end of a word that ends at byte e
// (exclusive), maybe before a particle (번호는): its start, or npos. `word_end` gets its end
// (before the particle, which counts as distance). `number_word` tells a word for "number"
// (No, num), which the base label reading skipped too.
std::size_t generic_word_before(std::string_view s, std::size_t e, std::size_t& word_end,
                                bool& number_word) {
  word_end = e;
  number_word = false;
  if (e == 0) return std::string_view::npos;
  const auto last = static_cast<unsigned char>(s[e - 1]);
  if (last < 0x80) {
    if (!is_ascii_letter(last) ||
        (e < s.size() && is_ascii_letter(static_cast<unsigned char>(s[e])) && !camel_step(s, e)))
      return std::string_view::npos;
    const std::size_t w = ascii_word_start(s, e);
    const std::string_view word = s.substr(w, e - w);
    for (std::string_view g : labels::kNumberWords)
      if (equals_ignoring_case(word, g)) {
        number_word = true;
        return w;
      }
    for (std::string_view g : labels::kGenericWords)
      if (equals_ignoring_case(word, g)) return w;
    return std::string_view::npos;
  }
  // Korean: the word must end at e, and its last syllable must end a generic word or a particle
  // (a few comparisons of three bytes, for most words of a text).
  if (e < 3 || !(last >= 0x80 && utf8::is_continuation(last)) || hangul_syllable_at(s, e))
    return std::string_view::npos;
  static constexpr KoreanEnds kEnds;
  auto generic_ending_at = [&](std::size_t end) -> std::size_t {
    if (end < 3 || !kEnds.ends_generic(syllable_key(s, end - 3))) return std::string_view::npos;
    const std::string_view h = s.substr(0, end);
    for (std::string_view g : labels::kGenericWords)
      if (static_cast<unsigned char>(g.front()) >= 0x80 && h.ends_with(g)) return end - g.size();
    return std::string_view::npos;
  };
  if (const std::size_t g = generic_ending_at(e); g != std::string_view::npos) return g;
  const std::uint32_t last_syllable = syllable_key(s, e - 3);
  if (!kEnds.ends_particle(last_syllable)) return std::string_view::npos;
  for (std::size_t k = 0; k < std::size(labels::kParticles); ++k) {
    // A particle's last syllable is compared first, as a packed key.
    const std::string_view p = labels::kParticles[k];
    if (kEnds.particle[k] != last_syllable || !s.substr(0, e).ends_with(p)) continue;
    const std::size_t g = generic_ending_at(e - p.size());
    if (g != std::string_view::npos) word_end = e - p.size();
    return g;
  }
  return std::string_view::npos;
}

// Whether a Korean word is one of saying, giving or showing a value (불러줌, 보여줬는데).
bool is_speech_word(std::string_view word) {
  if (word.size() < 9 || static_cast<unsigned char>(word[0]) < 0x80) return false;
  // The last byte of the first syllable rules out most words before any is compared: this is
  // asked of many words between labels and values.
  static constexpr auto kFirstSyllableEnds = [] {
    std::array<bool, 256> ends{};
    for (std::string_view w : labels::kSpeechWords) ends[static_cast<unsigned char>(w[2])] = true;
    return ends;
  }();
  if (!kFirstSyllableEnds[static_cast<unsigned char>(word[2])]) return false;
  return std::find(std::begin(labels::kSpeechWords), std::end(labels::kSpeechWords), word) !=
         std::end(labels::kSpeechWords);
}

// A remark in brackets that ends at byte e (exclusive), on a label or about how to write the
// value: 연락처(휴대폰), 생년월일(YYYYMMDD), 계좌번호 [하이픈 제외]. Its start, or npos. It holds
// no number of four digits or more, and is short.
std::size_t remark_before(std::string_view s, std::size_t e) {
  constexpr std::size_t kRemarkReach = 40;  // bytes: a dozen Korean letters
  if (e == 0) return std::string_view::npos;
  const char close = s[e - 1];
  const char open = close == ')' ? '(' : close == ']' ? '[' : 0;
  if (!open) return std::string_view::npos;
  const std::size_t low = e - 1 > kRemarkReach ? e - 1 - kRemarkReach : 0;
  std::size_t digits = 0;
  for (std::size_t k = e - 1; k > low;) {
    --k;
    const char c = s[k];
    if (c == open) return k;
    if (c == '\n' || c == close || c == ')' || c == ']') return std::string_view::npos;
    digits = is_ascii_digit(static_cast<unsigned char>(c)) ? digits + 1 : 0;
    if (digits >= 4) return std::string_view::npos;
  }
  return std::string_view::npos;
}

// Whether the label ending at byte e is the subject of a sentence whose predicate is the value at
// [start, end): only a subject's particle and spaces between them, a copula after the value
// (its date's last dot or a space between).
bool subject_of_value(std::string_view s, std::size_t e, std::size_t start, std::size_t end) {
  std::string_view between = s.substr(e, start - e);
  const auto particle =
      std::find_if(std::begin(labels::kSubjectParticles), std::end(labels::kSubjectParticles),
                   [&](std::string_view p) { return between.starts_with(p); });
  if (particle == std::end(labels::kSubjectParticles)) return false;
  between.remove_prefix(particle->size());
  if (between.find_first_not_of(' ') != std::string_view::npos) return false;
  std::size_t k = end;
  while (k < s.size() && (s[k] == '.' || s[k] == ' ')) ++k;
  const std::string_view after = s.substr(k);
  return std::any_of(std::begin(labels::kCopulas), std::end(labels::kCopulas),
                     [&](std::string_view c) { return after.starts_with(c); });
}

}  // namespace

// Out of line: the walk reads it for few of the labels it finds.
[[gnu::noinline]] Uncounted uncounted_between(std::string_view s, std::size_t from, std::size_t to,
                                              std::size_t resume_at, const Uncounted& known) {
  Uncounted u;
  for (std::size_t i = from; i < to;) {
    // The reading goes on from here as it did from resume_at: it adds what it read then.
    if (i == resume_at) {
      u.generic += known.generic;
      u.number_words += known.number_words;
      u.spoken += known.spoken;
      return u;
    }
    const auto b = static_cast<unsigned char>(s[i]);
    if (b == '<' && i + 1 < to &&
        (s[i + 1] == '/' || is_ascii_letter(static_cast<unsigned char>(s[i + 1])))) {
      constexpr std::size_t kTagReach = 64;
      if (const void* at = std::memchr(s.data() + i + 1, '>', std::min(to - i - 1, kTagReach))) {
        const auto c = static_cast<std::size_t>(static_cast<const char*>(at) - s.data());
        u.number_words += static_cast<std::uint32_t>(alnum_count(s, i + 1, c));
        i = c + 1;
        continue;
      }
    }
    if (b == '(' || b == '[') {
      const char close = b == '(' ? ')' : ']';
      if (const void* at = std::memchr(s.data() + i + 1, close, to - i - 1)) {
        const auto c = static_cast<std::size_t>(static_cast<const char*>(at) - s.data());
        if (remark_before(s, c + 1) == i) {
          u.generic += static_cast<std::uint32_t>(alnum_count(s, i + 1, c));
          i = c + 1;
          continue;
        }
      }
      ++i;
      continue;
    }
    std::size_t e = i;
    if (is_ascii_letter(b)) {
      ++e;
      while (e < to && is_ascii_letter(static_cast<unsigned char>(s[e])) && !camel_step(s, e)) ++e;
    } else if (hangul_syllable_at(s, i)) {
      while (e < to && hangul_syllable_at(s, e)) e += 3;
    } else {
      i += utf8::seq_len(b);
      continue;
    }
    if (is_speech_word(s.substr(i, e - i))) {
      u.spoken += static_cast<std::uint32_t>(alnum_count(s, i, e));
      i = e;
      continue;
    }
    std::size_t word_end;
    bool number_word;
    const std::size_t g = generic_word_before(s, e, word_end, number_word);
    if (g != std::string_view::npos && g >= i) {
      const auto letters = static_cast<std::uint32_t>(alnum_count(s, g, word_end));
      (number_word ? u.number_words : u.generic) += letters;
    }
    i = e;
  }
  return u;
}

namespace {

// Where a request before the value at byte `to` would end: right before a mark of
// labels::kRequestMarks (spaces aside) that stands before the value (spaces aside), after a
// syllable that ends a sentence (labels::kSentenceEndings). npos when none can stand there.
// Compared byte by byte and syllables as packed keys: it is asked of many values, once each.
[[gnu::noinline]] std::size_t request_end_before(std::string_view s, std::size_t to) {
  static constexpr auto kEndings = [] {
    std::array<std::uint32_t, std::size(labels::kSentenceEndings)> keys{};
    for (std::size_t k = 0; k < keys.size(); ++k)
      keys[k] = syllable_key(labels::kSentenceEndings[k], 0);
    return keys;
  }();
  // The last bytes of the marks, and the first of those written in three bytes (the arrows):
  // most values follow a letter, which neither table lets through.
  static constexpr auto kMarkBytes = [] {
    std::array<std::array<bool, 256>, 2> bytes{};
    for (std::string_view m : labels::kRequestMarks) {
      bytes[0][static_cast<unsigned char>(m.back())] = true;
      if (static_cast<unsigned char>(m[0]) >= 0x80)
        bytes[1][static_cast<unsigned char>(m[0])] = true;
    }
    return bytes;
  }();
  static_assert(std::all_of(
      std::begin(labels::kRequestMarks), std::end(labels::kRequestMarks),
      [](std::string_view m) { return static_cast<unsigned char>(m[0]) < 0x80 || m.size() == 3; }));
  while (to > 0 && s[to - 1] == ' ') --to;
  if (to == 0) return std::string_view::npos;
  const auto last = static_cast<unsigned char>(s[to - 1]);
  if (!kMarkBytes[0][last] ||
      (last >= 0x80 && !(to >= 3 && kMarkBytes[1][static_cast<unsigned char>(s[to - 3])])))
    return std::string_view::npos;
  std::size_t end = std::string_view::npos;
  for (std::string_view m : labels::kRequestMarks) {
    if (m.size() > to || static_cast<unsigned char>(m.back()) != last) continue;
    std::size_t k = 0;
    while (k + 1 < m.size() && s[to - m.size() + k] == m[k]) ++k;
    if (k + 1 == m.size()) {
      end = to - m.size();
      break;
    }
  }
  if (end == std::string_view::npos) return end;
  while (end > 0 && s[end - 1] == ' ') --end;
  if (end < 3) return std::string_view::npos;
  const std::uint32_t key = syllable_key(s, end - 3);
  return std::find(kEndings.begin(), kEndings.end(), key) != kEndings.end()
             ? end
             : std::string_view::npos;
}

// The kinds whose label a request with no mark may stand apart from its value: identity numbers
// and accounts, which people are asked to send (labels::kAskedForEndings). A mask of tables.
constexpr std::uint32_t kAskedForTables = [] {
  constexpr EntityKind kinds[] = {EntityKind::resident, EntityKind::foreigner_registration,
                                  EntityKind::bank_account, EntityKind::driver_license,
                                  EntityKind::passport};
  std::uint32_t mask = 0;
  for (EntityKind k : kinds) mask |= 1u << static_cast<unsigned>(k);
  return mask;
}();
constexpr bool asked_for_kind(std::uint8_t table) { return (kAskedForTables >> table) & 1u; }

// Where a request or a notice written right before the value, with no mark between, would end
// (면허번호 필요하다고 해서요 21-10-..., 면허번호 달라고 해서 보내드려요 12 11 ...): after the value's
// word before, when that word ends saying the value was asked for or is being given
// (labels::kAskedForEndings, labels::kAnnouncementEndings). npos otherwise.
[[gnu::noinline]] std::size_t unmarked_request_end_before(std::string_view s, std::size_t to) {
  // The endings' last syllables: most words end otherwise, and are not compared further.
  static constexpr auto kLastSyllables = [] {
    std::array<std::uint32_t, std::size(labels::kAskedForEndings) +
                                  std::size(labels::kAnnouncementEndings)>
        keys{};
    std::size_t k = 0;
    for (std::string_view e : labels::kAskedForEndings) keys[k++] = syllable_key(e, e.size() - 3);
    for (std::string_view e : labels::kAnnouncementEndings)
      keys[k++] = syllable_key(e, e.size() - 3);
    return keys;
  }();
  while (to > 0 && s[to - 1] == ' ') --to;
  if (!hangul_syllable_before(s, to) ||
      std::find(kLastSyllables.begin(), kLastSyllables.end(), syllable_key(s, to - 3)) ==
          kLastSyllables.end())
    return std::string_view::npos;
  std::size_t from = to;
  while (hangul_syllable_before(s, from)) from -= 3;
  const std::string_view word = s.substr(from, to - from);
  const auto ends_word = [&](std::string_view e) { return word.ends_with(e); };
  return std::any_of(std::begin(labels::kAskedForEndings), std::end(labels::kAskedForEndings),
                     ends_word) ||
                 std::any_of(std::begin(labels::kAnnouncementEndings),
                             std::end(labels::kAnnouncementEndings), ends_word)
             ? to
             : std::string_view::npos;
}

// Whether [from, end) is a request or a notice between a label's end and the mark before its
// value (확인 부탁드려요: , 8자리 새로 받았어요 -> ; `end` from request_end_before): short Korean
// words, maybe a count of one or two digits before a word (8자리).
[[gnu::noinline]] bool request_clause(std::string_view s, std::size_t from, std::size_t end) {
  if (end <= from) return false;
  constexpr std::size_t kMaxSyllables = 16;
  std::size_t syllables = 0;
  for (std::size_t i = from; i < end;) {
    if (s[i] == ' ') {
      ++i;
    } else if (hangul_syllable_at(s, i)) {
      if (++syllables > kMaxSyllables) return false;
      i += 3;
    } else {
      std::size_t e = i;
      while (e < end && is_ascii_digit(static_cast<unsigned char>(s[e]))) ++e;
      if (e == i || e - i > 2 || !(e < end && hangul_syllable_at(s, e))) return false;
      i = e;
    }
  }
  return true;
}

// A place in the text not looked for yet (where a request ends, where a bracket opens).
constexpr std::size_t kUnread = std::string_view::npos - 1;

// Whether the label ending at byte e is asked for in a clause right before the value at byte `to`
// with no mark between (unmarked_request_end_before, request_clause). `end` keeps where such a
// clause ends across the labels of one walk (kUnread before it is read).
[[gnu::noinline]] bool asked_without_mark(std::string_view s, std::size_t e, std::size_t to,
                                          std::size_t& end) {
  if (end == kUnread) end = unmarked_request_end_before(s, to);
  return end != std::string_view::npos && request_clause(s, e, end);
}

// Whether a sentence ends at byte k of s: a full stop, question or exclamation mark before a space.
bool sentence_ends_at(std::string_view s, std::size_t k) {
  return k + 1 < s.size() && (s[k] == '.' || s[k] == '?' || s[k] == '!') && s[k + 1] == ' ';
}

// No sentence ends in [from, to).
bool sentence_runs_on(std::string_view s, std::size_t from, std::size_t to) {
  for (std::size_t k = from; k + 1 < to; ++k)
    if (sentence_ends_at(s, k)) return false;
  return true;
}

// The bracket the value at [start, end) answers in at the end of a sentence (생년월일을 말씀해
// 주세요 (등록: 751001)): its opening byte, or npos. A short lead without digits or labels' marks
// stands between it and the value; it closes right after the value, at the end of the line or
// of the sentence.
std::size_t answering_bracket(std::string_view s, std::size_t start, std::size_t end) {
  constexpr std::size_t kLeadReach = 32;  // bytes: ten Korean letters
  constexpr std::size_t kTailReach = 32;
  // Most values have no closing bracket after them: looked for as bytes first.
  const std::size_t tail = std::min(s.size() - std::min(s.size(), end), kTailReach);
  if (!std::memchr(s.data() + end, ')', tail) && !std::memchr(s.data() + end, ']', tail))
    return std::string_view::npos;
  const std::size_t low = start > kLeadReach ? start - kLeadReach : 0;
  std::size_t open = std::string_view::npos;
  for (std::size_t k = start; k > low; --k) {
    const char c = s[k - 1];
    if (c == '(' || c == '[') {
      open = k - 1;
      break;
    }
    if (c == ')' || c == ']' || c == '\n' || is_ascii_digit(static_cast<unsigned char>(c)))
      return std::string_view::npos;
  }
  if (open == std::string_view::npos || open == 0) return std::string_view::npos;
  const char close = s[open] == '(' ? ')' : ']';
  const std::size_t high = std::min(s.size(), end + kTailReach);
  for (std::size_t k = end; k < high; ++k) {
    const char c = s[k];
    if (c == close) {
      std::size_t after = k + 1;
      while (after < s.size() && s[after] == ' ') ++after;
      return after == s.size() || s[after] == '\n' || s[after] == '\r' || s[after] == '.'
                 ? open
                 : std::string_view::npos;
    }
    if (c == '\n' || c == '(' || c == '[' || is_ascii_digit(static_cast<unsigned char>(c)))
      return std::string_view::npos;
  }
  return std::string_view::npos;
}

// Whether byte `at` ends the value's own field: a tab, a pipe, a comma or a semicolon (the next
// field or the next pair: 법인번호: 1311..., 입금계좌번호: ...), two spaces (the next field of a
// report) or markup (</td><td>우리은행). An arrow back at the value (<- 계좌, <= 연락처) is
// no markup.
bool ends_cell(std::string_view s, std::size_t at) {
  const char c = s[at];
  const bool arrow = c == '<' && at + 1 < s.size() && (s[at + 1] == '-' || s[at + 1] == '=');
  return c == '\t' || c == '|' || c == ',' || c == ';' || (c == '<' && !arrow) ||
         (c == ' ' && at + 1 < s.size() && s[at + 1] == ' ');
}

// Whether the parenthesis at byte `at` opens the first row of an SQL insert's VALUES: the names
// left of it are the column list, which the structure family reads column by column.
bool opens_values(std::string_view s, std::size_t at) {
  std::size_t k = at;
  while (k > 0 && s[k - 1] == ' ') --k;
  constexpr std::string_view kValues = "values";
  return k >= kValues.size() && unicode::word_at_any_case(s, k - kValues.size(), kValues);
}

// Whether an HTML table row starts or ends at byte `at` (<tr>, </TR>): the labels of a table
// on one line stand in other rows.
bool row_tag(std::string_view s, std::size_t at) {
  if (s[at] != '<') return false;
  std::size_t k = at + 1;
  if (k < s.size() && s[k] == '/') ++k;
  return k + 2 < s.size() && unicode::word_at_any_case(s, k, "tr") &&
         (s[k + 2] == '>' || s[k + 2] == ' ');
}

// Whether the message from p says something in words: it begins with a Hangul syllable or a
// bracketed time, and holds two words that do (네 확인할게요), where a form's or a roster's
// line holds a value, a name and a number (거래 ID: T8572... 로 회신, 재학생: 김민수 2019...).
bool says_something(std::string_view s, std::size_t p) {
  while (p < s.size() && s[p] == ' ') ++p;
  if (p >= s.size() || !(hangul_syllable_at(s, p) || s[p] == '[' || s[p] == '(')) return false;
  std::size_t words = 0;
  for (bool word_start = true; p < s.size() && s[p] != '\n' && words < 2;) {
    if (s[p] == ' ' || s[p] == '\t') {
      word_start = true;
      ++p;
      continue;
    }
    if (word_start && hangul_syllable_at(s, p)) ++words;
    word_start = false;
    p += utf8::seq_len(static_cast<unsigned char>(s[p]));
  }
  return words >= 2;
}

// The speaker's stamp a word [j, e) stands in at the start of its line, "[수강생]" or "수강생:",
// when the same stamp starts another line of the text saying something: a chat's speaker named
// by a role ([수강생] 기존 면허번호 보내드려요 / [수강생] 11-19-...), not a label of the line's
// number (a form's "- 재학생 2019257343" has no stamp; "재학생: ..." once is a form's field). A
// name before a colon is one word (not 거래 ID:).
bool in_recurring_speaker_stamp(std::string_view s, std::size_t j, std::size_t e) {
  constexpr std::size_t kStampBytes = 30;
  // The word begins the stamp, right after its bracket, at the line's start past an indent.
  const std::size_t ls = j > 0 && s[j - 1] == '[' ? j - 1 : j;
  std::size_t indent = ls;
  while (indent > 0 && (s[indent - 1] == ' ' || s[indent - 1] == '\t')) --indent;
  if (indent > 0 && s[indent - 1] != '\n') return false;
  // A stamp's end is looked for only as far as a stamp may reach: one ending further is none.
  const std::size_t reach = std::min(s.size(), ls + kStampBytes);
  std::size_t stamp_end;  // past the closing bracket or the colon
  if (s[ls] == '[') {
    const void* close = e < reach ? std::memchr(s.data() + e, ']', reach - e) : nullptr;
    if (!close) return false;
    stamp_end = static_cast<std::size_t>(static_cast<const char*>(close) - s.data()) + 1;
  } else {
    stamp_end = e;
    while (stamp_end < reach && s[stamp_end] != ':' && s[stamp_end] != '\n') ++stamp_end;
    if (stamp_end == reach || s[stamp_end] != ':') return false;
    const std::size_t name_end = s.find_last_not_of(' ', stamp_end - 1) + 1;
    if (s.substr(ls, name_end - ls).find(' ') != std::string_view::npos) return false;
    ++stamp_end;
  }
  const std::string_view stamp = s.substr(ls, stamp_end - ls);
  const auto digit_or_break = [](char c) {
    return is_ascii_digit(static_cast<unsigned char>(c)) || c == '\n';
  };
  if (stamp.size() > kStampBytes || std::any_of(stamp.begin(), stamp.end(), digit_or_break))
    return false;
  // Looked for among the lines around: a long chat's every line would otherwise read it all.
  constexpr std::size_t kSpeakerReach = 1024;
  const std::size_t from = ls > kSpeakerReach ? ls - kSpeakerReach : 0;
  const std::string_view around = s.substr(0, std::min(s.size(), ls + kSpeakerReach));
  // memmem skips ahead by the stamp's bytes; a plain find compares at every byte of 2 KB.
  const auto find_stamp = [&](std::size_t at) -> std::size_t {
    const void* found = memmem(around.data() + at, around.size() - at, stamp.data(), stamp.size());
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - around.data())
                 : std::string_view::npos;
  };
  for (std::size_t at = find_stamp(from); at != std::string_view::npos; at = find_stamp(at + 1)) {
    if (at == ls) continue;
    std::size_t b = at;
    while (b > 0 && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
    if ((b == 0 || s[b - 1] == '\n') && says_something(s, at + stamp.size())) return true;
  }
  return false;
}

// Whether the word [j, e) is the value of a type key ("type": "DRIVER", id_type=DRIVER) in the
// record the value at `value` is written in: nothing opens or closes a record between them.
bool type_key_value(std::string_view s, std::size_t j, std::size_t e, std::size_t value) {
  if (e >= value || s.substr(e, value - e).find_first_of("{}[]") != std::string_view::npos)
    return false;
  if (s[e] != '"' && s[e] != '\'' && s[e] != ',' && s[e] != '&' && s[e] != ' ') return false;
  std::size_t k = j;
  if (k > 0 && (s[k - 1] == '"' || s[k - 1] == '\'')) --k;
  while (k > 0 && s[k - 1] == ' ') --k;
  if (k == 0 || (s[k - 1] != ':' && s[k - 1] != '=')) return false;
  --k;
  while (k > 0 && s[k - 1] == ' ') --k;
  const std::size_t key_end = k > 0 && (s[k - 1] == '"' || s[k - 1] == '\'') ? k - 1 : k;
  return std::any_of(std::begin(labels::kTypeKeys), std::end(labels::kTypeKeys),
                     [&](std::string_view key) {
                       if (key.size() > key_end) return false;
                       const std::size_t b = key_end - key.size();
                       const auto before = b > 0 ? static_cast<unsigned char>(s[b - 1]) : ' ';
                       if (is_ascii_letter(before) || before == '_' || before >= 0x80) return false;
                       return std::equal(key.begin(), key.end(), s.begin() + b, [](char a, char c) {
                         return a == static_cast<char>(ascii_lower(static_cast<unsigned char>(c)));
                       });
                     });
}

}  // namespace

// ------------------------------------------------------------------------------------------
// LabelSearch

namespace {
// The tables of words that say a number is no person's: look-alikes, companies, negatives.
constexpr std::uint32_t kOwnersTables = (1u << labels::kLookAlikeTable) |
                                        (1u << labels::kCompanyTable) |
                                        (1u << labels::kNegativeTable);
}  // namespace

void LabelSearch::run(std::string_view text, const Span& span, std::uint32_t window) {
  clear();
  const LabelIndex& index = label_index();
  const std::size_t start = std::min<std::size_t>(span.byte_start, text.size());
  const std::size_t end =
      std::min<std::size_t>(std::max<std::size_t>(span.byte_end, start), text.size());
  // Left: counted in letters and digits; another number of four digits or more ends the walk.
  std::uint32_t alnum = 0, digits = 0;
  bool phone_key = false;  // a phone label was found: a company's word may qualify it
  // The nearest digit left of the value past a word (좌석 12 회원 010-...): a label ending
  // before it is another number's. Digits with only spaces or marks between them and the value
  // may be its own first group (헌혈증서 11 18 987279).
  std::size_t digit_left = std::string_view::npos;
  std::uint32_t digits_walked = 0;  // alnum less these: the letters walked
  // Where a request before the value would end (request_end_before), read at the first
  // distant label.
  std::size_t request_end = kUnread;
  std::size_t unmarked_end = kUnread;  // the same with no mark (asked_without_mark)
  // A value answering in brackets at the end of its sentence: a label before the bracket, with
  // no other label between, is read at the distance of the bracket's lead. Looked for at the
  // first label that stands off the value.
  std::size_t bracket = kUnread;
  std::uint32_t lead = 0;                              // letters of the bracket's lead
  std::size_t nearest_label = std::string_view::npos;  // where the last label found starts
  // What uncounted_between read between the value and the end of a label, by that end: a label
  // further left reads on into it.
  std::size_t uncounted_from = std::string_view::npos;
  Uncounted uncounted;
  std::size_t i = start;
  for (std::size_t walked = 0; i > 0 && walked < kMaxWalk; ++walked) {
    std::size_t j;
    char32_t c;
    bool may_begin;        // a label may begin at j
    std::uint16_t bucket;  // the labels starting with c (LabelIndex::bucket_of)
    if (const auto last = static_cast<unsigned char>(text[i - 1]); last >= 0x80) {
      // Most of what a Korean walk steps over is a Hangul syllable, which counts.
      if (const char32_t syllable = hangul_syllable_ending_at(text, i); syllable != 0) {
        j = i - 3;
        c = syllable;
        bucket = index.bucket_of_syllable(c);
        ++alnum;
      } else {
        j = char_before(text, i);
        c = char_at(text, j);
        bucket = index.bucket_of(c);
        alnum += counts(c);
      }
      digits = 0;
      may_begin = true;
    } else {
      // An ASCII byte is a character of its own: no continuation bytes to step back over.
      j = i - 1;
      c = last;
      const LabelIndex::AsciiStep& step = index.ascii_step(last);
      if (step.may_end_walk &&
          (c == '\n' || (c == '<' ? row_tag(text, j) : opens_values(text, j))))
        break;
      bucket = step.bucket;
      if (step.digit) {
        if (++digits >= 4) break;
        if (digit_left == std::string_view::npos && alnum > digits_walked) digit_left = j;
        ++alnum;
        ++digits_walked;
        may_begin = true;
      } else if (digits = 0; step.letter) {
        ++alnum;
        may_begin = may_begin_label(text, j);
      } else if (bucket == 0) {  // a mark no label starts with: nothing counts
        i = j;
        continue;
      } else {
        may_begin = true;
      }
    }
    if (alnum > window + 8) break;
    bool found_here = false;
    int speaker_stamp = -1;  // whether a speaker's stamp begins at j: read once for its labels
    if (may_begin && bucket != 0) {
      bool second_read;
      for (std::uint16_t k : index.starting_in(bucket, text, j, start, second_read)) {
        const IndexedLabel& l = index.at(k);
        // A word of its own counts only right beside the value: most are 세 of 하세요, far off.
        if ((l.flags & (labels::kTrailing | labels::kStandalone)) &&
            ((l.flags & labels::kTrailing) || alnum > l.alnum + 1u))
          continue;
        std::uint8_t readings;
        const std::size_t e = index.match_end(k, text, j, start, readings, second_read);
        if (e == std::string_view::npos) continue;
        std::uint32_t d = alnum > l.alnum ? alnum - l.alnum : 0;
        if (d > 0) {
          // Generic words and remarks between label and value are no distance; words for
          // "number" were none before these were read either.
          // Labels ending where the last one read did (번호 of 전화번호) share its reading.
          if (e != uncounted_from) {
            uncounted = uncounted_between(text, e, start, uncounted_from, uncounted);
            uncounted_from = e;
          }
          d -= std::min(d, uncounted.number_words);
          if (uncounted.generic > 0 && d > 0) readings |= kCompoundLabel;
          d -= std::min(d, uncounted.generic);
          if (uncounted.spoken > 0 && d > 0) readings |= kSpokenRequest;
          d -= std::min(d, uncounted.spoken);
          if (d > 0 && request_end == kUnread) request_end = request_end_before(text, start);
          if (d > 0 && request_end != std::string_view::npos &&
              request_clause(text, e, request_end)) {
            readings |= kRequestPhrase;
            d = 0;
          }
          if (d > 0 && asked_for_kind(l.table) &&
              asked_without_mark(text, e, start, unmarked_end)) {
            readings |= kRequestPhrase;
            d = 0;
          }
        }
        // Asked in the sentence, answered in the brackets: the sentence between is no distance.
        // A label it holds (생일 of 출생일) is no other label.
        if (d > 0 && bracket == kUnread) {
          bracket = answering_bracket(text, start, end);
          if (bracket != std::string_view::npos)
            lead = static_cast<std::uint32_t>(alnum_count(text, bracket + 1, start));
        }
        if (d > 0 && bracket != std::string_view::npos && e <= bracket &&
            (nearest_label == std::string_view::npos || e > nearest_label) && d > lead &&
            !(l.flags & (labels::kAdjacent | labels::kStandalone)) &&
            sentence_runs_on(text, e, bracket)) {
          d = lead;
          readings |= kBracketedAnswer;
        }
        if (d == 1 && subject_of_value(text, e, start, end)) d = 0;
        if (d > window || ((l.flags & labels::kAdjacent) && d > 1)) continue;
        if ((l.flags & labels::kStandalone) && !standalone(text, j, e)) continue;
        if ((l.flags & labels::kTypeValue) && !type_key_value(text, j, e, start)) continue;
        // A look-alike's word followed by 명 names a name (가맹점명: 푸른 독서실 (...)), not the
        // number; one in a chat's speaker stamp names the speaker.
        if (l.table == labels::kLookAlikeTable &&
            (names_a_name(text, e) ||
             (speaker_stamp < 0 ? (speaker_stamp = in_recurring_speaker_stamp(text, j, e))
                                : speaker_stamp)))
          continue;
        if (l.table == labels::kCompanyTable && names_a_head(text, e)) continue;
        // A bank's short name inside a longer word is a place or a name (해운대구, 국민수), not
        // the bank; 국민은행 and 카카오뱅크 are read as themselves.
        if ((l.flags & labels::kAdjacent) && (l.flags & labels::kBank) &&
            ((j > 0 && hangul_syllable_at(text, char_before(text, j))) ||
             (hangul_syllable_at(text, e) && !text.substr(e).starts_with("은행") &&
              !text.substr(e).starts_with("뱅크"))))
          continue;
        add({k, d, left_source(l), j, e, false, readings,
             digit_left != std::string_view::npos && digit_left >= e});
        found_here = true;
        phone_key |= l.table == static_cast<std::uint8_t>(EntityKind::phone);
      }
    }
    if (found_here) nearest_label = j;
    i = j;
  }
  if (phone_key) qualify_phone_keys(text, false, 0);
  // Right: a label written after the value, in the value's own cell (in a row 010-...,국민,
  // the bank names the next cell).
  // A bracket that opens right before a word saying whose the value is and closes after it
  // ((졸업일 19.07.09). 생년월일은 ...): a label past its close names another value.
  const bool own_bracket_says_whose =
      (tables_found_ & kOwnersTables) && nearest_label != std::string_view::npos &&
      nearest_label > 0 && text[nearest_label - 1] == '(' &&
      text.substr(nearest_label, start - nearest_label).find(')') == std::string_view::npos;
  // A value whose own kind's label stands right before it ends its field at a slash (면허번호
  // 24-09-... / 신청번호 제 2026-973호): a label past it names the next field's value, as one
  // past a tab or a bar does.
  const bool own_label_right_before = std::any_of(found_.begin(), found_.end(), [&](const LabelFound& f) {
    return f.distance == 0 && index.at(f.label).table < labels::kLookAlikeTable;
  });
  alnum = 0;
  // The labels of `bucket` (the character's at byte `at`) that stand there after the value.
  const auto read_trailing_at = [&](std::size_t at, std::uint16_t bucket) {
    bool second_read;
    // A kind's label with a date right after it, or in a word with one right after it, names
    // that date, not the value before it (가입일 2020.01.01 생년월일 1990.01.01; 생년 in
    // 생년월일 too). Read once a kind's label stands here.
    int word_before_date = -1;
    for (std::uint16_t b : index.starting_in(bucket, text, at, text.size(), second_read)) {
      const IndexedLabel& l = index.at(b);
      // What the flags rule out is left out before the label is compared.
      if ((l.flags & (labels::kAdjacent | labels::kTrailing)) && alnum > 0) continue;
      if (l.flags & labels::kTypeValue) continue;  // read before the value only
      std::uint8_t readings;
      const std::size_t e = index.match_end(b, text, at, text.size(), readings, second_read);
      if (e == std::string_view::npos || introduces_value(text, e, l.word)) continue;
      if ((l.flags & labels::kStandalone) && !standalone(text, at, e)) continue;
      // After the value ("02-... (직통)") it names the line's kind, unless a company's,
      // look-alike's or negative word before the value already says whose it is.
      if ((l.flags & labels::kLeading) && (tables_found_ & kOwnersTables)) continue;
      const bool another = !(l.flags & labels::kTrailing) && number_follows(text, e);
      if (l.table < labels::kLookAlikeTable && !(l.flags & labels::kTrailing)) {
        if (word_before_date < 0) word_before_date = date_follows(text, word_end(text, at));
        if (word_before_date || (another && date_follows(text, e))) continue;
      }
      add({b, alnum, rule::kTrailingLabel, at, e, false, readings, another});
    }
  };
  for (std::size_t k = end; k < text.size() && alnum <= kTrailingReach;) {
    const std::size_t at = k;
    const auto [c, bucket, syllable] = index.step_at(text, k);
    // Most of what follows a value in Korean prose is Hangul syllables: no mark, digit nor end
    // of a cell; each counts and may begin a label.
    if (syllable) {
      if (bucket != 0) read_trailing_at(at, bucket);
      ++alnum;
      continue;
    }
    if (c == '\n' || (c == ')' && own_bracket_says_whose)) break;
    // Another number ends the walk; the digit of a licence's class (1종대형) is no number.
    if (c < 0x80 && is_ascii_digit(static_cast<unsigned char>(c)) &&
        !((c == '1' || c == '2') && licence_class_at(text, k)))
      break;
    if (ends_cell(text, at) || (c == '/' && own_label_right_before)) break;
    if (bucket != 0 && may_begin_label(text, at)) read_trailing_at(at, bucket);
    alnum += counts(c);
  }
}

void LabelSearch::add(const LabelFound& f) {
  static_assert(labels::kNegativeTable < 32 && labels::kCompanyTable < 32);
  add_found(found_, f);
  const IndexedLabel& l = label_index().at(f.label);
  tables_found_ |= 1u << l.table;
  personal_found_ |= (l.flags & labels::kPersonal) != 0;
  any_left_to_another_number_ |= f.of_another_number && l.table >= labels::kLookAlikeTable;
}

namespace {

// The last bytes (ASCII letters lower-cased) the keys of companies' and orders' blocks end with.
const std::array<bool, 256>& block_key_endings() {
  static const std::array<bool, 256> endings = [] {
    std::array<bool, 256> e{};
    for (std::uint16_t b : label_index().block_keys())
      e[static_cast<unsigned char>(label_index().at(b).word.back()) | 0x20] = true;
    return e;
  }();
  return endings;
}

}  // namespace

void LabelSearch::qualify_phone_keys(std::string_view text, bool in_source, std::size_t from) {
  const LabelIndex& index = label_index();
  for (std::size_t n = found_.size(), i = 0; i < n; ++i) {
    const LabelFound& f = found_[i];
    // Glued (storeTel, 회사전화), or joined by one mark (store_tel, shop-phone, branch.tel, or a
    // space after a Korean key: 가맹점 전화): the byte before the label, and the last byte of a
    // key ending there, say whether one may.
    if (f.start < 2 || f.in_source != in_source || f.start < from) continue;
    const unsigned char mark = static_cast<unsigned char>(text[f.start - 1]);
    const bool joined = mark == '_' || mark == '-' || mark == '.' ||
                        (mark == ' ' && static_cast<unsigned char>(text[f.start - 2]) >= 0x80);
    if (!joined && !is_ascii_letter(mark) && mark < 0x80) continue;
    const std::size_t to = joined ? f.start - 1 : f.start;
    const unsigned char last = static_cast<unsigned char>(text[to - 1]) | 0x20;
    if (!block_key_endings()[last]) continue;
    const IndexedLabel& l = index.at(f.label);
    if (l.table != static_cast<std::uint8_t>(EntityKind::phone) || (l.flags & labels::kPersonal))
      continue;
    for (std::uint16_t b : index.block_keys()) {
      const std::string_view word = index.at(b).word;
      if (word.size() > to || (static_cast<unsigned char>(word.back()) | 0x20) != last) continue;
      std::uint8_t readings = 0;
      if (index.match_end(b, text, to - word.size(), to, readings) != to) continue;
      add({b, f.distance, structure::rule::kEnclosingKey, to - word.size(), to, in_source,
           readings});  // f may move: read no more of it
      owned_block_ = true;
      break;
    }
  }
}

void LabelSearch::find_statement_keys(std::string_view text, std::size_t from, std::size_t to,
                                      std::uint32_t distance) {
  const LabelIndex& index = label_index();
  for (std::size_t k = from; k < to; utf8::decode(text, k))
    for (std::uint16_t b : index.statement_keys()) {
      std::uint8_t readings;
      const std::size_t e = index.match_end(b, text, k, to, readings);
      if (e != std::string_view::npos)
        add({b, distance, structure::rule::kStatementMemo, k, e, true, readings});
    }
}

void LabelSearch::find_in(std::string_view text, std::size_t from, std::size_t to,
                          std::uint32_t distance, RuleName source) {
  const LabelIndex& index = label_index();
  if (source == structure::rule::kStatementMemo) {  // its cell is read as a header already
    find_statement_keys(text, from, to, distance);
    return;
  }
  const bool enclosing = source == structure::rule::kEnclosingKey;
  for (std::size_t k = from; k < to;) {
    const std::size_t at = k;
    const char32_t c = utf8::decode(text, k);
    if (!may_begin_label(text, at)) continue;
    bool second_read;
    for (std::uint16_t b : index.starting_at(c, text, at, to, second_read)) {
      const IndexedLabel& l = index.at(b);
      if (l.flags & (labels::kTrailing | labels::kAdjacent)) continue;
      // The key of a block around the value vetoes as a look-alike's full label; a weak word
      // (Member, 주문) over a whole record does not.
      if (enclosing && l.weight < 0.9f &&
          (l.table == labels::kLookAlikeTable || l.table == labels::kNegativeTable))
        continue;
      std::uint8_t readings;
      const std::size_t e = index.match_end(b, text, at, to, readings, second_read);
      if (e == std::string_view::npos) continue;
      // A type's word on a line above counts as a record's type (its key and quotes), never as
      // a column's header (DRIVER over drivers' phones).
      if ((l.flags & labels::kTypeValue) && !type_key_value(text, at, e, to)) continue;
      if (l.table == labels::kLookAlikeTable && in_recurring_speaker_stamp(text, at, e)) continue;
      add({b, distance, source, at, e, true, readings});
    }
    if (!enclosing) continue;
    // There, a company's, shop's or order's key says whose the numbers are.
    for (std::uint16_t b : index.block_keys()) {
      std::uint8_t readings;
      const std::size_t e = index.match_end(b, text, at, to, readings);
      if (e != std::string_view::npos) add({b, distance, source, at, e, true, readings});
    }
  }
  if (!enclosing) qualify_phone_keys(text, true, from);
}

namespace {

// The lines of the text holding bytes [start, end) (a value wrapped over two takes both), and
// where they start.
std::string_view lines_around(std::string_view text, std::size_t start, std::size_t end,
                              std::size_t& ls) {
  const std::size_t from = text.rfind('\n', start);
  ls = from == std::string_view::npos ? 0 : from + 1;
  const std::size_t le = std::min(text.find('\n', end), text.size());
  return text.substr(ls, le - ls);
}

// Whether the label starting at byte `label` of the text stands in a later cell than the first
// of the CSV row holding the value at `span`: the first cell names the row, as a field's name down
// a table written by its first column does (지점 연락처,02-...). Out of line: asked only where a
// comma stands between a label and a value.
[[gnu::noinline]] bool in_later_csv_cell(std::string_view text, const Span& span,
                                         std::size_t label) {
  std::size_t ls;
  const std::string_view line = lines_around(text, span.byte_start, span.byte_end, ls);
  const std::size_t first_comma = line.find(',');
  return first_comma != std::string_view::npos && label >= ls + first_comma &&
         structure::row_delimiter(line) == ',';
}

}  // namespace

bool LabelSearch::only_in_other_cells(std::string_view text, const Span& span) const {
  // Tabs and bars part a row's cells; so do a CSV row's commas (School of Business, in a cell of
  // its own).
  bool by_commas = false, by_gaps = false;
  auto apart = [&](const LabelFound& f, std::size_t from, std::size_t to) {
    if (to > text.size() || from >= to) return false;
    // A report's row parted by two spaces or more: a cell between the label and the value
    // (MASTER  KIM MINSU  1980.03.02 of a crew list's rank, name and birth date).
    const std::string_view between = text.substr(from, to - from);
    if (between.size() > 4 && between.starts_with("  ") && between.ends_with("  ") &&
        between.find_first_not_of(' ') != std::string_view::npos &&
        between.find('\n') == std::string_view::npos) {
      by_gaps = true;
      return true;
    }
    bool comma = false;
    for (std::size_t k = from; k < to; ++k) {
      if (text[k] == '\t' || text[k] == '|') return true;
      comma = comma || text[k] == ',';
    }
    const bool csv = comma && in_later_csv_cell(text, span, f.start);
    by_commas = by_commas || csv;
    return csv;
  };
  const bool all_apart = std::all_of(found_.begin(), found_.end(), [&](const LabelFound& f) {
    return !f.in_source && (f.end <= span.byte_start ? apart(f, f.end, span.byte_start)
                                                     : apart(f, span.byte_end, f.start));
  });
  if (!all_apart) return false;
  // A row of three cells at least: a label and its value (환불계좌 | 110-...) are a pair.
  std::size_t ls;
  const std::string_view line = lines_around(text, span.byte_start, span.byte_end, ls);
  return std::count(line.begin(), line.end(), '\t') >= 2 ||
         std::count(line.begin(), line.end(), '|') >= 2 ||
         (by_gaps && structure::field_gaps(line) >= 3) ||
         (by_commas && std::count(line.begin(), line.end(), ',') >= 2);
}

void LabelSearch::run_structure(std::string_view source, const Span& span) {
  const std::size_t start = std::min<std::size_t>(span.byte_start, source.size());
  const std::size_t end =
      std::min<std::size_t>(std::max<std::size_t>(span.byte_end, start), source.size());
  places_.clear();
  reader_.places(source, start, end, places_);
  read_places(source);
}

void LabelSearch::run_enclosing(std::string_view source, const Span& span) {
  places_.clear();
  reader_.enclosing(source, std::min<std::size_t>(span.byte_start, source.size()), places_);
  read_places(source);
}

void LabelSearch::read_places(std::string_view source) {
  if (places_.empty()) return;
  // The first cell of a row names only that row: it stays out of the cache the rows of one
  // column share, and is read when their places name nothing.
  std::size_t shared = places_.size();
  if (places_.back().rule == structure::rule::kRowLabel) --shared;
  const std::span<const structure::Place> key(places_.data(), shared);
  auto read = std::find_if(reads_.begin(), reads_.end(), [&](const Read& r) {
    return std::equal(r.places.begin(), r.places.end(), key.begin(), key.end());
  });
  if (read == reads_.end()) {
    read = reads_.begin() + static_cast<std::ptrdiff_t>(next_read_);
    next_read_ = (next_read_ + 1) % reads_.size();
    // find_in adds to found_: the labels of the value's own line wait aside meanwhile.
    aside_.swap(found_);
    found_.clear();
    for (const structure::Place& p : key) {
      if (p.only_if_none_before && !found_.empty()) break;
      // The text ends at the place: a label may end where it ends (phone in phones).
      find_in(source.substr(0, p.to), p.from, p.to, p.distance, p.rule);
    }
    const LabelIndex& index = label_index();
    read->owned = std::any_of(found_.begin(), found_.end(), [&](const LabelFound& f) {
      return (index.at(f.label).flags & labels::kBlockKey) != 0;
    });
    read->found.swap(found_);
    read->places.assign(key.begin(), key.end());
    found_.swap(aside_);
  }
  owned_block_ = owned_block_ || read->owned;
  for (const LabelFound& f : read->found) add(f);
  if (shared < places_.size() && read->found.empty()) {
    const structure::Place& p = places_.back();
    find_in(source.substr(0, p.to), p.from, p.to, p.distance, p.rule);
  }
}

bool LabelSearch::qualified_by_company(const LabelFound& f) const {
  const LabelIndex& index = label_index();
  const IndexedLabel& l = index.at(f.label);
  if (l.table != static_cast<std::uint8_t>(EntityKind::phone)) return false;
  for (const LabelFound& g : found_) {
    if (g.in_source == f.in_source && g.start < f.start && f.start <= g.end + 1 &&
        index.at(g.label).table == labels::kCompanyTable)
      return true;
    // A company's block or key path (company: {tel: ...}, corp.phone=) holds its own lines;
    // a mobile (휴대폰, mobile) in it is still a person's.
    if (g.source == structure::rule::kEnclosingKey &&
        (index.at(g.label).flags & labels::kBlockKey) && !(l.flags & labels::kPersonal) &&
        (f.source != structure::rule::kEnclosingKey || f.distance < g.distance))
      return true;
  }
  return false;
}

namespace {

// A label that starts inside a look-alike's names the look-alike's number: 회원카드 번호,
// 포인트카드 번호 (a club's card, not a payment card).
[[gnu::noinline]] bool led_by_lookalike(const LabelFound& lookalike, const LabelFound& f) {
  constexpr auto kTable = static_cast<std::uint8_t>(labels::kLookAlikeTable);
  return label_index().at(lookalike.label).table == kTable &&
         label_index().at(f.label).table != kTable;
}

}  // namespace

bool LabelSearch::inside_another(const LabelFound& f) const {
  for (const LabelFound& g : found_) {
    if (g.in_source != f.in_source || g.start > f.start) continue;
    if (f.end <= g.end ? g.end - g.start > f.end - f.start
                       : f.start < g.end && g.start < f.start && led_by_lookalike(g, f))
      return true;
  }
  return false;
}

namespace {

// The rule names of the readings of a label, each once in `sources`.
void note_readings(std::uint8_t readings, RuleList& sources) {
  for (const auto& [bit, name] :
       {std::pair{kKeyWords, rule::kKeyWords}, std::pair{kAbbreviation, rule::kAbbreviation},
        std::pair{kCompoundLabel, rule::kCompoundLabel},
        std::pair{kSpokenRequest, rule::kSpokenRequest},
        std::pair{kRequestPhrase, rule::kRequestPhrase},
        std::pair{kBracketedAnswer, rule::kBracketedAnswer}})
    if ((readings & bit) && std::find(sources.begin(), sources.end(), name) == sources.end())
      sources.push_back(name);
}

}  // namespace

float LabelSearch::hits(std::size_t table, std::vector<ContextHit>& out, RuleList* sources,
                        bool block_keys, std::uint16_t skipped, bool own_line) const {
  out.clear();
  // Most tables have no label near a value: they are answered before the labels are walked.
  if (!(tables_found_ >> table & 1u)) return 0.0f;
  const LabelIndex& index = label_index();
  for (const LabelFound& f : found_) {
    const IndexedLabel& l = index.at(f.label);
    // Only a phone's label may be a company's (qualified_by_company): the call is spared.
    if (l.table != table || inside_another(f) ||
        (table == static_cast<std::size_t>(EntityKind::phone) && qualified_by_company(f)))
      continue;
    if (!block_keys && (l.flags & labels::kBlockKey)) continue;
    if (l.flags & skipped) continue;
    if (own_line &&
        (f.source == structure::rule::kLabelLine || f.source == structure::rule::kQuestionLine ||
         f.source == structure::rule::kEarlierQuestion))
      continue;
    if ((l.flags & labels::kUnlessNamed) && lookalike_right_before()) continue;
    // The lines before may name what is asked for, but do not veto: they are often remarks. A
    // question does (asked on the line before, or before the answerer's remarks).
    if (table >= labels::kLookAlikeTable &&
        (f.source == structure::rule::kPreviousLine || f.source == structure::rule::kEarlierLine ||
         f.of_another_number))
      continue;
    const float decay = 1.0f + 0.125f * static_cast<float>(f.distance);
    const ContextHit h{l.word, f.distance, l.weight / decay};
    auto same =
        std::find_if(out.begin(), out.end(), [&](const ContextHit& o) { return o.cue == h.cue; });
    if (same == out.end()) out.push_back(h);
    else if (h.weight > same->weight) *same = h;
    else continue;
    if (!sources) continue;
    if (std::find(sources->begin(), sources->end(), f.source) == sources->end())
      sources->push_back(f.source);
    if (f.readings) note_readings(f.readings, *sources);
  }
  if (out.empty()) return 0.0f;  // most tables have no label near a value
  std::sort(out.begin(), out.end(), [](const ContextHit& a, const ContextHit& b) {
    if (a.weight != b.weight) return a.weight > b.weight;
    return a.cue < b.cue;
  });
  return context::total(out);
}

bool LabelSearch::lookalike_right_before() const {
  if (!(tables_found_ >> labels::kLookAlikeTable & 1u)) return false;
  const LabelIndex& index = label_index();
  return std::any_of(found_.begin(), found_.end(), [&](const LabelFound& f) {
    return index.at(f.label).table == labels::kLookAlikeTable && f.distance == 0 &&
           f.source != rule::kTrailingLabel && !f.in_source;
  });
}

bool LabelSearch::found_of(std::size_t table) const {
  if (!(tables_found_ >> table & 1u)) return false;  // every table found has its bit
  const LabelIndex& index = label_index();
  return std::any_of(found_.begin(), found_.end(),
                     [&](const LabelFound& f) { return index.at(f.label).table == table; });
}

namespace {

// Whether the structure found f in the header of the value's column.
bool names_column(const LabelFound& f) {
  if (!f.in_source) return false;
  for (RuleName column : {structure::rule::kColumnHeader, structure::rule::kColumnFromRight,
                          structure::rule::kFixedWidthHeader,
                          structure::rule::kFixedWidthCell, structure::rule::kAnnouncedHeader,
                          structure::rule::kHtmlHeader, structure::rule::kSqlCopyColumn})
    if (f.source == column) return true;
  return false;
}

}  // namespace

bool LabelSearch::found_over_column(std::size_t table, bool beside) const {
  if (!(tables_found_ >> table & 1u)) return false;
  const LabelIndex& index = label_index();
  return std::any_of(found_.begin(), found_.end(), [&](const LabelFound& f) {
    if (index.at(f.label).table != table) return false;
    if (names_column(f)) return true;
    return beside && !f.in_source && f.distance <= 1 && f.source != rule::kTrailingLabel;
  });
}

namespace {
// The header a place of the structure gives its column (a delimited table's, an HTML table's, a
// COPY block's, a field order said above the rows), or nothing for another place.
std::string_view column_header_of(const structure::Place& p, std::string_view source) {
  if (p.rule != structure::rule::kColumnHeader && p.rule != structure::rule::kHtmlHeader &&
      p.rule != structure::rule::kSqlCopyColumn && p.rule != structure::rule::kAnnouncedHeader)
    return {};
  std::size_t to = std::min(p.to, source.size());
  while (to > p.from && (source[to - 1] == ' ' || source[to - 1] == '\r')) --to;
  return source.substr(p.from, to - p.from);
}
}  // namespace

std::string_view LabelSearch::column_header(std::string_view source) const {
  for (const structure::Place& p : places_)
    if (const std::string_view header = column_header_of(p, source); !header.empty()) return header;
  return {};
}

bool LabelSearch::column_names_issued_number(std::string_view source) const {
  for (const structure::Place& p : places_) {
    const std::string_view header = column_header_of(p, source);
    if (header.empty()) continue;
    const bool for_people =
        std::any_of(std::begin(labels::kIssuedNumberHolders),
                    std::end(labels::kIssuedNumberHolders), [&](std::string_view w) {
                      if (static_cast<unsigned char>(w[0]) >= 0x80)
                        return header.find(w) != std::string_view::npos;
                      for (std::size_t k = 0; k + w.size() <= header.size(); ++k)
                        if (unicode::word_at_any_case(header, k, w)) return true;
                      return false;
                    });
    if (!for_people) continue;
    for (std::string_view w : labels::kIssuedNumberEndings) {
      if (header.size() < w.size()) continue;
      const std::size_t at = header.size() - w.size();
      if (static_cast<unsigned char>(w[0]) >= 0x80) {
        if (header.ends_with(w)) return true;
        continue;
      }
      // An ASCII word stands on its own (user_no, 고객ID, memberId), not at the end of a longer
      // one (piano).
      const auto before = at == 0 ? ' ' : static_cast<unsigned char>(header[at - 1]);
      if (unicode::word_at_any_case(header, at, w) &&
          (!is_ascii_letter(before) ||
           (is_ascii_lower(before) && is_ascii_upper(static_cast<unsigned char>(header[at])))))
        return true;
    }
  }
  return false;
}

bool LabelSearch::found_of_any_kind() const {
  constexpr std::uint32_t kinds = (1u << labels::kLookAlikeTable) - 1;  // the kinds' tables
  return (tables_found_ & kinds) != 0;
}

bool LabelSearch::found_of_other_kind(EntityKind kind) const {
  constexpr std::uint32_t kinds = (1u << labels::kLookAlikeTable) - 1;  // the kinds' tables
  return (tables_found_ & kinds & ~(1u << static_cast<std::size_t>(kind))) != 0;
}

float LabelSearch::left_to_another_number() const {
  if (!any_left_to_another_number_) return 0.0f;
  const LabelIndex& index = label_index();
  float heaviest = 0;
  for (const LabelFound& f : found_) {
    const IndexedLabel& l = index.at(f.label);
    if (f.of_another_number && l.table >= labels::kLookAlikeTable && !inside_another(f))
      heaviest = std::max(heaviest, l.weight / (1.0f + 0.125f * static_cast<float>(f.distance)));
  }
  return heaviest;
}

bool LabelSearch::personal_phone() const {
  if (!personal_found_) return false;
  const LabelIndex& index = label_index();
  for (const LabelFound& f : found_)
    if ((index.at(f.label).flags & labels::kPersonal) && !qualified_by_company(f)) return true;
  return false;
}

// ------------------------------------------------------------------------------------------
// Readings of runs

namespace {

namespace reason {
inline constexpr std::string_view recent_resident =
    "2020년 10월 이후 발급된 번호는 검증 자리를 쓰지 않는다";
}

// A Korean telephone number as dialled at home (with its leading 0).
bool is_national_phone(std::span<const std::uint8_t> d) {
  const std::size_t n = d.size();
  if (n < 9 || n > 11 || d[0] != 0) return false;
  if (d[1] == 1)
    return (d[2] == 0 && n == 11) || ((d[2] == 1 || d[2] >= 6) && (n == 10 || n == 11));
  if (d[1] == 2) return n == 9 || n == 10;
  if (d[1] == 7 && d[2] == 0) return n == 11;
  return d[1] >= 3 && d[1] <= 6 && d[2] >= 1 && d[2] <= 5 && (n == 10 || n == 11);
}

bool has_separator(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return !is_ascii_digit(c); });
}

// Eight digits of a date written in its parts, the year's four in clear, the month's and the
// day's masked whole (1990.**.**, 1990년 **월 **일); not 1990**** (an order number's tail).
bool year_shown_month_and_day_masked(std::span<const std::uint8_t> d, std::string_view source) {
  if (d.size() != 8 ||
      (source.find_first_of(".-/ ") == source.npos && source.find("년") == source.npos))
    return false;
  for (std::size_t k = 0; k < d.size(); ++k)
    if ((d[k] == kMasked) != (k >= 4)) return false;
  return true;
}

// A number as written after +82 without the +82 (10-1234-5678, 31 123 4567): dialled at home
// with a 0 before it, written in three groups of which the first is the two digits of the
// mobile prefix or the area code. Seoul's single 2 is too short a group to be read so.
bool written_without_zero(std::span<const std::uint8_t> d, std::string_view source) {
  const std::size_t n = d.size();
  if (n < 9 || n > 10 || d[0] == 0 || d[0] == 2) return false;
  std::uint8_t national[11] = {0};
  std::copy(d.begin(), d.end(), national + 1);
  if (!is_national_phone({national, n + 1})) return false;
  std::size_t groups[3], count = 0, len = 0;
  char sep = 0;
  for (const char c : source) {
    if (is_ascii_digit(c)) {
      ++len;
      continue;
    }
    if (len == 0 || count == 2 || (sep && c != sep)) return false;
    sep = c;
    groups[count++] = len;
    len = 0;
  }
  if (count != 2 || len == 0) return false;
  groups[2] = len;
  return groups[0] == 2 && (groups[1] == 3 || groups[1] == 4) && groups[2] == 4;
}

// The last syllable of each region name, packed: a text ending in none of them names no region,
// as most texts before a ten-digit number do.
constexpr auto kRegionLastSyllables = [] {
  std::array<std::uint32_t, std::size(labels::kLicenceRegions)> last{};
  for (std::size_t i = 0; i < last.size(); ++i)
    last[i] = syllable_key(labels::kLicenceRegions[i], labels::kLicenceRegions[i].size() - 3);
  return last;
}();
constexpr std::size_t kShortestRegion = 6;  // bytes: two syllables

bool ends_with_any(std::string_view word, std::span<const std::string_view> endings);

// Whether `head` ends with a licence's label, a subject's particle maybe after it: chat typed
// without spaces glues the region to it (면허증번호는강원 19-..., 운전면허증번호인천 85-...).
bool ends_with_licence_label(std::string_view head) {
  for (std::string_view particle : labels::kSubjectParticles)
    if (head.ends_with(particle) &&
        ends_with_any(head.substr(0, head.size() - particle.size()), labels::kLicenceLabelWords))
      return true;
  return ends_with_any(head, labels::kLicenceLabelWords);
}

// The region name may stand apart, in brackets or be joined like the groups: 서울 11-...,
// (서울) 11-..., 부산-11-..., 서울.11...; written in full (경기도, 부산광역시) or glued to a
// licence's label.
bool ends_with_region(std::string_view before) {
  while (!before.empty() && before.back() == ' ') before.remove_suffix(1);
  if (!before.empty() && (before.back() == '-' || before.back() == '.' || before.back() == ')'))
    before.remove_suffix(1);
  if (before.size() < kShortestRegion ||
      std::find(kRegionLastSyllables.begin(), kRegionLastSyllables.end(),
                syllable_key(before, before.size() - 3)) == kRegionLastSyllables.end())
    return false;
  for (std::string_view r : labels::kLicenceRegions) {
    if (!before.ends_with(r)) continue;
    const std::size_t at = before.size() - r.size();
    if (at == 0 || !counts(char_at(before, char_before(before, at))) ||
        ends_with_licence_label(before.substr(0, at)))
      return true;
  }
  return false;
}

// Four groups of four digits or mask characters with some of each, joined by "-" or " ".
bool masked_groups(std::string_view s) {
  if (s.size() != 19) return false;
  std::size_t masks = 0;
  for (std::size_t i = 0; i < 19; ++i) {
    const char c = s[i];
    if (i % 5 == 4) {
      if (c != '-' && c != ' ') return false;
    } else if (c == '*' || c == 'X' || c == 'x') {
      ++masks;
    } else if (!is_ascii_digit(c)) {
      return false;
    }
  }
  return masks > 0 && masks < 16 && s[4] == s[9] && s[9] == s[14];
}

// Whether every masked digit stands in [from, to).
bool masked_only_within(std::span<const std::uint8_t> d, std::size_t from, std::size_t to) {
  for (std::size_t k = 0; k < d.size(); ++k)
    if (d[k] == kMasked && (k < from || k >= to)) return false;
  return true;
}

// A date of birth with some of its parts masked: 1968.07.**, 1988-**-**, 2000.**.12,
// 19**-08-08, 8412**, 99****, 80.**.**. Each part is shown or masked whole (a year may show its
// century alone), and the year or four digits stay in clear, so the value still needs hiding.
bool masked_birth_date(std::span<const std::uint8_t> d) {
  if (d.size() == 6) {  // two-digit year, then the month shown or masked, the day masked
    if (d[0] == kMasked || d[1] == kMasked || d[4] != kMasked || d[5] != kMasked) return false;
    if (d[2] == kMasked && d[3] == kMasked) return true;
    if (d[2] == kMasked || d[3] == kMasked) return false;
    const unsigned month = d[2] * 10u + d[3];
    return month >= 1 && month <= 12;
  }
  if (d.size() != 8) return false;
  const auto masked_at = [&](std::size_t k) { return d[k] == kMasked; };
  const auto value_at = [&](std::size_t k) { return d[k] * 10u + d[k + 1]; };
  // A two-digit part: 0 masked whole, 1 shown, -1 neither.
  const auto part = [&](std::size_t k) {
    return masked_at(k) && masked_at(k + 1) ? 0 : !masked_at(k) && !masked_at(k + 1) ? 1 : -1;
  };
  const int century = part(0), decade = part(2), month = part(4), day = part(6);
  if (century < 0 || decade < 0 || month < 0 || day < 0 || (century == 0 && decade == 1))
    return false;
  if (century == 1 && value_at(0) != 19 && value_at(0) != 20) return false;
  if (century == 1 && decade == 1) {
    const unsigned year = value_at(0) * 100u + value_at(2);
    if (year < 1900 || year > 2029) return false;
  }
  if (month == 1 && (value_at(4) < 1 || value_at(4) > 12)) return false;
  if (day == 1 && (value_at(6) < 1 || value_at(6) > 31)) return false;
  const int shown = century + decade + month + day;
  return shown >= 2 && shown < 4;
}

// A resident number with its year's two digits and its sex digit in clear, some of the month and
// day masked and all of the back after the sex digit (44****-1******, 9603**-2******); a month
// that shows is one.
bool masked_resident_front(std::span<const std::uint8_t> d) {
  if (d.size() != 13 || d[0] == kMasked || d[1] == kMasked || d[6] == kMasked || d[6] == 0 ||
      d[6] == 9)
    return false;
  for (std::size_t k = 7; k < 13; ++k)
    if (d[k] != kMasked) return false;
  if (d[2] != kMasked && d[3] != kMasked) {
    const unsigned month = d[2] * 10u + d[3];
    if (month < 1 || month > 12) return false;
  }
  return d[2] == kMasked || d[3] == kMasked || d[4] == kMasked || d[5] == kMasked;
}

// Whether a resident number's front, some of its month and day masked (7204**, 69****), still
// reads as a date: its year's two digits show, and a month or a day that shows whole is one. A
// front shown whole is read as a date by analyze_resident.
bool masked_front_fits_a_date(std::span<const std::uint8_t> d) {
  if (d.size() < 6 || d[0] == kMasked || d[1] == kMasked ||
      std::none_of(d.begin() + 2, d.begin() + 6, [](std::uint8_t x) { return x == kMasked; }))
    return false;
  const auto part = [&](std::size_t k, unsigned most) {
    if (d[k] == kMasked || d[k + 1] == kMasked) return true;
    const unsigned value = d[k] * 10u + d[k + 1];
    return value >= 1 && value <= most;
  };
  return part(2, 12) && part(4, 31);
}

// The front half of a resident number and its seventh digit, then nothing (written apart:
// 900101-1, 900101 1) or masks to the end: read as the whole number with the rest masked.
std::optional<ResidentAnalysis> front_with_sex_digit(std::span<const std::uint8_t> d,
                                                     std::string_view source) {
  for (std::size_t k = 0; k < 7; ++k)
    if (d[k] == kMasked) return std::nullopt;
  for (std::size_t k = 7; k < d.size(); ++k)
    if (d[k] != kMasked) return std::nullopt;
  if (d[6] == 0 || d[6] == 9) return std::nullopt;
  if (d.size() == 7) {  // the seventh digit set apart from the front
    const std::size_t last = source.find_last_not_of(' ');
    if (last == std::string_view::npos || last < 7 || !is_ascii_digit(source[last]) ||
        (source[last - 1] != '-' && source[last - 1] != ' '))
      return std::nullopt;
  }
  std::uint8_t whole[13];
  std::copy(d.begin(), d.begin() + 7, whole);
  std::fill(whole + 7, whole + 13, kMasked);
  const auto a = analyze_resident(whole);
  return a && a->birth ? a : std::nullopt;
}

// Y sep M sep D (year of four or two digits; separators ".", "-", "/" with optional spaces; a
// final "." allowed), or D sep M sep YYYY / M sep D sep YYYY: the date, or nothing. With
// `letters_read`, a letter the look-alike pass read as a digit is that digit (l996. 3. 24.).
std::optional<Date> separated_date(std::string_view s, bool letters_read) {
  std::size_t i = 0;
  auto digit = [&](std::size_t k) -> char {
    if (is_ascii_digit(s[k])) return s[k];
    return letters_read ? passes::corrected_digit(static_cast<unsigned char>(s[k])) : 0;
  };
  auto number = [&](std::size_t min, std::size_t max, unsigned& v) {
    std::size_t k = 0;
    v = 0;
    while (i < s.size() && digit(i) && k < max) v = v * 10 + (digit(i++) - '0'), ++k;
    return k >= min && !(i < s.size() && digit(i));
  };
  auto separator = [&] {
    while (i < s.size() && s[i] == ' ') ++i;
    if (i >= s.size() || (s[i] != '.' && s[i] != '-' && s[i] != '/')) return false;
    ++i;
    while (i < s.size() && s[i] == ' ') ++i;
    return true;
  };
  auto at_end = [&] {
    while (i < s.size() && (s[i] == '.' || s[i] == ' ')) ++i;
    return i == s.size();
  };
  unsigned y, m, d;
  const std::size_t y0 = i;
  if (!number(1, 4, y) || (i - y0 == 3)) return std::nullopt;
  const std::size_t year_digits = i - y0;
  if (!separator() || !number(1, 2, m) || !separator()) return std::nullopt;
  const std::size_t d0 = i;
  if (!number(1, 4, d)) return std::nullopt;
  if (i - d0 == 4 && year_digits <= 2) {
    // Day first (13.01.1990, 13-01-1990) or, in American order, month first (01.13.1990).
    const unsigned year = d;
    if (year < 1900 || year > 2099 || !at_end()) return std::nullopt;
    if (is_valid_date(year, m, y))
      return Date{static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(m),
                  static_cast<std::uint8_t>(y)};
    if (is_valid_date(year, y, m))
      return Date{static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(y),
                  static_cast<std::uint8_t>(m)};
    return std::nullopt;
  }
  if (year_digits == 1 || i - d0 > 2 || !at_end()) return std::nullopt;
  const bool four = year_digits == 4;
  const unsigned year = four ? y : 1900 + y;
  if (four && (y < 1900 || y > 2099)) return std::nullopt;
  if (!is_valid_date(year, m, d) && !(!four && is_valid_date(2000 + y, m, d))) return std::nullopt;
  return Date{static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(m),
              static_cast<std::uint8_t>(d)};
}

// separated_date on the source as typed, or with its full-width forms and spaces folded when it
// holds any: a Korean input method's full-width mode types a date so (１９４０． ２． １４．).
bool written_as_separated_date(std::string_view source, bool letters_read) {
  if (separated_date(source, letters_read)) return true;
  const auto folded = passes::folds_anything(source) ? passes::fold(source) : std::nullopt;
  return folded && separated_date(folded->text, letters_read);
}

}  // namespace

bool may_be_short_date(std::string_view s) {
  auto at = [&](std::size_t k) { return static_cast<unsigned>(s[k] - '0'); };
  // A short year from 16 to 29 reads as a date of these last years or to come (a visit, an
  // order: '19.9.8); whoever writes a birth date that recent or a century old writes the year.
  const unsigned yy = at(0) * 10 + at(1);
  if (yy >= 16 && yy <= 29) return false;
  auto valid = [&](unsigned m, unsigned d) {
    return is_valid_date(1900 + yy, m, d) || is_valid_date(2000 + yy, m, d);
  };
  if (s.size() == 4) return valid(at(2), at(3));
  if (s.size() != 5) return false;
  return valid(at(2), at(3) * 10 + at(4)) || valid(at(2) * 10 + at(3), at(4));
}

std::size_t exact_prefix(std::string_view folded_word) {
  std::size_t k = 0;
  for (; k < folded_word.size(); ++k) {
    const auto c = static_cast<unsigned char>(folded_word[k]);
    const bool only_itself =
        c < 0x80 ? is_ascii_letter(c) || is_ascii_digit(c)
                 : c < 0xC0 || k == 0 || static_cast<unsigned char>(folded_word[k - 1]) < 0x80;
    if (!only_itself) break;
  }
  return k;
}

namespace {
// Drops the readings of numbers another registry issued: a birth date dated after the reference
// year (a passport's expiry, 2031.02.17), and a resident or foreigner reading of thirteen digits
// whose check digit failed on the line of a corporation's registration number's words
// (labels::kCorporateNumberWords), looked for in the bytes of the line right before the number.
// Appends a reading of the extension families, marked as one (its rule goes into the evidence).
void add_reading(std::vector<Candidate>& out, Candidate c) {
  c.extension = true;
  out.push_back(c);
}

[[gnu::noinline]] void drop_other_registries(const Config& cfg, std::string_view source,
                                             std::string_view before, std::size_t digits,
                                             std::vector<Candidate>& out) {
  auto unchecked_registration = [](const Candidate& c) {
    return c.checksum.kind == ChecksumResult::Kind::failed &&
           (c.entity == EntityKind::resident || c.entity == EntityKind::foreigner_registration);
  };
  bool corporate = false;
  if (digits == 13 && std::any_of(out.begin(), out.end(), unchecked_registration)) {
    constexpr std::size_t kReach = 120;  // a form's label and its number and brackets
    std::string_view line = before.substr(before.size() - std::min(before.size(), kReach));
    line = line.substr(line.rfind('\n') + 1);
    corporate = std::any_of(
        std::begin(labels::kCorporateNumberWords), std::end(labels::kCorporateNumberWords),
        [&](std::string_view w) { return line.find(w) != std::string_view::npos; });
  }
  std::erase_if(out, [&](const Candidate& c) {
    return c.entity == EntityKind::birth_date ? dated_after(source, reference_year(cfg))
                                              : corporate && unchecked_registration(c);
  });
}

// Whether "+" or "+ " stands right before the run. Read as two characters: ends_with of a string
// compares through memcmp, for every run.
inline bool plus_before(std::string_view before) {
  return before.ends_with('+') ||
         (before.ends_with(' ') && before.substr(0, before.size() - 1).ends_with('+'));
}

// Whether the digits are a calling code of labels::kForeignCallingCodes and a number of its
// length after it.
bool foreign_calling_code(std::span<const std::uint8_t> d) {
  for (const labels::CallingCode& c : labels::kForeignCallingCodes)
    if (digits_start_with(d, c.code))
      return d.size() >= c.code.size() + c.fewest && d.size() <= c.code.size() + c.most;
  return false;
}

// A character people hide a digit with: *, X, x, #, ●, ○, ◯, ■, □, ×, ＊.
bool hides_a_digit(char32_t c) {
  switch (c) {
    case U'*': case U'X': case U'x': case U'#': case U'●': case U'○': case U'◯': case U'■':
    case U'□': case U'×': case U'＊': return true;
    default: return false;
  }
}

// A character the normalization reads as a digit inside a run: an ASCII or a full-width digit
// (a form typed in a Korean input method's full-width mode), or a letter typed or scanned for
// one (O for 0, S for 5: passes::corrected_digit).
bool written_digit(char32_t c) {
  if (c < 0x80)
    return is_ascii_digit(static_cast<unsigned char>(c)) ||
           passes::corrected_digit(static_cast<unsigned char>(c)) != 0;
  return c >= U'０' && c <= U'９';
}

// How the digits of groups may be written: in ASCII only, or as the normalization reads them
// (written_digit, full-width separators).
enum class Writing { ascii, as_read };

// Whether s is digits in groups of `widths` characters, each two apart by one character of
// `separators`; with `masks`, some may be hidden (hides_a_digit).
bool in_groups(std::string_view s, std::span<const std::size_t> widths, bool masks,
               std::string_view separators, Writing writing = Writing::ascii) {
  const bool as_read = writing == Writing::as_read;
  std::size_t i = 0;
  for (std::size_t g = 0; g < widths.size(); ++g) {
    if (g > 0) {
      if (i >= s.size()) return false;
      char32_t sep = utf8::decode(s, i);
      // The full-width forms of the groups' separators ("２７－９６", "２７．９６").
      if (as_read)
        if (const char ascii = passes::ascii_of_full_width(sep)) sep = static_cast<unsigned char>(ascii);
      if (sep >= 0x80 || separators.find(static_cast<char>(sep)) == std::string_view::npos)
        return false;
    }
    for (std::size_t k = 0; k < widths[g]; ++k) {
      if (i >= s.size()) return false;
      const char32_t c = utf8::decode(s, i);
      const bool digit =
          as_read ? written_digit(c) : c < 0x80 && is_ascii_digit(static_cast<unsigned char>(c));
      if (!digit && !(masks && hides_a_digit(c))) return false;
    }
  }
  return i == s.size();
}
bool in_dotted_groups(std::string_view s, std::span<const std::size_t> widths, bool masks) {
  return in_groups(s, widths, masks, ".");
}

// A driver licence's groups: region, year, serial, check (27-30-517654-52, 27 30 517654 52), or
// its twelve digits unbroken; some may be hidden, typed full-width (２７－９６－...) or scanned
// as letters (272094712S00).
constexpr std::size_t kLicenceGroups[] = {2, 2, 6, 2};
bool in_licence_groups(std::string_view s) {
  constexpr std::size_t kUnbroken[] = {12};
  return in_groups(s, kLicenceGroups, true, "- .", Writing::as_read) ||
         in_groups(s, kUnbroken, true, "", Writing::as_read);
}

// A telephone number of ten digits in its groups: Seoul's 02 and two groups of four
// (02-1234-5678), or another area's code, three digits and four (053-737-7114).
constexpr std::size_t kSeoulTenGroups[] = {2, 4, 4}, kAreaTenGroups[] = {3, 3, 4};
bool in_ten_digit_phone_groups(std::span<const std::uint8_t> d, std::string_view s) {
  if (d.size() != 10 || !is_national_phone(d)) return false;
  return in_groups(s, d[1] == 2 ? kSeoulTenGroups : kAreaTenGroups, false, "- .",
                   Writing::as_read);
}

// A date of birth in its three groups one separator apart, each shown or masked whole, a
// one-digit month or day masked with one character (1985.*.**, 19**.8.*, ****.3.15): shapes
// whose digits alone no longer tell their groups. The year leads, or (masked) ends the date
// after its month and day in either order (03-05-****, 5.3.19**); a year of two masks leads
// (**.05.03). As masked_birth_date, two parts or more stay in clear, the century counted as
// one; the century alone says nothing of the person (19**.*.**). Read under a birth date's
// label only.
bool masked_birth_date_in_groups(std::string_view s) {
  constexpr std::string_view kSeparators = ".-/";
  std::size_t i = 0;
  // One group of `fewest` to `most` characters, all digits or all masks: its value, or
  // kMaskedGroup, or kNoGroup.
  constexpr unsigned kMaskedGroup = 100, kNoGroup = 101;
  auto group = [&](std::size_t fewest, std::size_t most) {
    unsigned value = 0;
    std::size_t digits = 0, masks = 0;
    while (i < s.size() && digits + masks < most) {
      std::size_t k = i;
      const char32_t c = utf8::decode(s, k);
      if (c < 0x80 && is_ascii_digit(static_cast<unsigned char>(c))) {
        value = value * 10 + static_cast<unsigned>(c - U'0');
        ++digits;
      } else if (hides_a_digit(c)) {
        ++masks;
      } else {
        break;
      }
      i = k;
    }
    if (digits + masks < fewest || (digits > 0 && masks > 0)) return kNoGroup;
    return masks > 0 ? kMaskedGroup : value;
  };
  // The year: four digits, its century and two masks, or masks alone (two of them only where it
  // leads). Parts shown: century and decade, or -1 for no year.
  auto year = [&](bool leads) {
    const std::string_view rest = s.substr(i);
    if (rest.starts_with("19") || rest.starts_with("20")) {
      i += 2;
      const unsigned decade = group(2, 2);
      return decade == kNoGroup ? -1 : decade == kMaskedGroup ? 1 : 2;
    }
    return group(leads ? 2 : 4, 4) == kMaskedGroup ? 0 : -1;
  };
  auto separator_after = [&](char& mark) {
    if (i >= s.size() || kSeparators.find(s[i]) == std::string_view::npos ||
        (mark && s[i] != mark))
      return false;
    mark = s[i++];
    return true;
  };
  char mark = 0;
  int year_shown = year(true);
  unsigned month = kNoGroup, day = kNoGroup;
  if (year_shown >= 0 && separator_after(mark)) {
    month = group(1, 2);
    if (month == kNoGroup || !separator_after(mark)) return false;
    day = group(1, 2);
  } else {
    i = 0, mark = 0;
    const unsigned first = group(1, 2);
    if (first == kNoGroup || !separator_after(mark)) return false;
    const unsigned second = group(1, 2);
    if (second == kNoGroup || !separator_after(mark) || (year_shown = year(false)) < 0 ||
        year_shown == 2)
      return false;
    // Day first unless the first can be no day's month's (13/05/****: 13 is the day).
    const bool day_first = first != kMaskedGroup && first > 12;
    month = day_first ? second : first;
    day = day_first ? first : second;
  }
  if (day == kNoGroup || i != s.size()) return false;
  const bool month_shown = month != kMaskedGroup, day_shown = day != kMaskedGroup;
  if ((month_shown && (month < 1 || month > 12)) || (day_shown && (day < 1 || day > 31)))
    return false;
  const int shown = year_shown + month_shown + day_shown;
  return shown >= 2 && shown < 4;
}
}  // namespace

void extra_candidates(const Config& cfg, std::span<const std::uint8_t> d, std::string_view source,
                      std::string_view before, std::vector<Candidate>& out) {
  const std::size_t n = d.size();
  const bool masked = any_masked(d);
  if (cfg.extra_shapes && masked && n == 16 && masked_groups(source))
    add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::masked),
                               rule::kCardMasked, cues_for(EntityKind::credit_card), 0.6f, false,
                               Certainty::probable, EntityKind::credit_card});
  if (cfg.extra_shapes) {
    // International form: +82 or 0082, then the number without its leading 0. Masks may hide
    // digits after the area code or the mobile prefix (+82-10-****-5678), as on a receipt.
    std::span<const std::uint8_t> rest;
    if (digits_start_with(d, "0082")) rest = d.subspan(4);
    else if (digits_start_with(d, "82")) rest = d.subspan(2);
    // Without "+" (82-10-1234-5678) the country code is read only under a phone label.
    const bool plus = plus_before(before) || digits_start_with(d, "0082");
    if (!rest.empty()) {
      std::uint8_t national[12];
      std::size_t len = 0;
      if (rest[0] != 0) national[len++] = 0;
      for (std::size_t k = 0; k < rest.size() && len < 12; ++k) national[len++] = rest[k];
      // The area code or mobile prefix shows (Seoul's 02 is one digit after the 0).
      const bool prefix_shows =
          len >= 3 && national[1] != kMasked && (national[1] == 2 || national[2] != kMasked);
      if (len <= 11 && prefix_shows && is_national_phone({national, len}))
        add_reading(out,
                    Candidate{ChecksumResult::not_applicable(norvane::reason::phone),
                              rule::kPhoneInternational, cues_for(EntityKind::phone),
                              plus ? 0.7f : 0.1f, !plus, Certainty::probable, EntityKind::phone});
    } else if (plus && foreign_calling_code(d)) {
      // Another country's code after "+" (+63 917 123 4567): a phone abroad, under a phone's
      // label.
      add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::phone),
                                 rule::kPhoneForeignInternational, cues_for(EntityKind::phone),
                                 0.7f, true, Certainty::probable, EntityKind::phone});
    }
  }
  if (cfg.extra_shapes && is_safe_number(d)) {
    // Written in groups, or as the twelve digits a platform hands out now (050716658128, a
    // roster's or a signature's bare number, as a bare mobile is), it needs no label; eleven bare
    // digits may be anything.
    constexpr std::size_t kHandedOutDigits = 12;
    const bool needs_label = !has_separator(source) && n != kHandedOutDigits;
    add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::phone),
                               rule::kPhoneSafeNumber, cues_for(EntityKind::phone), 0.6f,
                               needs_label, Certainty::probable, EntityKind::phone});
  }
  if (cfg.extra_shapes && !masked && written_without_zero(d, source))
    add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::phone),
                               rule::kPhoneNoLeadingZero, cues_for(EntityKind::phone), 0.2f, true,
                               Certainty::probable, EntityKind::phone});
  if (cfg.extra_shapes && !masked && (n == 9 || n == 10) && d[0] != 0 && source.size() == n) {
    // Bare digits that are a phone with a 0 before them (1012345678, 212345678): a spreadsheet
    // stored the number as a number. Read only under a phone column (detect.cpp).
    std::uint8_t national[11] = {0};
    std::copy(d.begin(), d.end(), national + 1);
    if (is_national_phone({national, n + 1}))
      add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::phone),
                                 rule::kPhoneColumnNoZero, cues_for(EntityKind::phone), 0.2f, true,
                                 Certainty::probable, EntityKind::phone});
  }
  // A licence whose region code the rules do not know (27-30-517654-52), in its groups or
  // unbroken: read under a licence's label only.
  if (cfg.extra_shapes && n == 12 && d[0] <= 9 && d[1] <= 9 &&
      !known_licence_region(d[0] * 10u + d[1]) && in_licence_groups(source))
    add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::driver_license),
                               rule::kLicenseAnyRegion, cues_for(EntityKind::driver_license), 0.2f,
                               true, Certainty::probable, EntityKind::driver_license});
  // A licence number after a region name: 서울 11-123456-78, or with its middle group partly
  // masked (서울 14-****36-41).
  if (cfg.extra_shapes && n == 10 && (!masked || masked_only_within(d, 2, 8)) &&
      ends_with_region(before))
    add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::driver_license),
                               rule::kLicenseRegion, cues_for(EntityKind::driver_license), 0.55f,
                               masked, Certainty::probable, EntityKind::driver_license});
  if (cfg.extra_shapes && !masked) {
    // A passport whose letter was read as a digit (O12345678).
    if (n == 9 && source.size() == 9 && source[0] >= 'A' && source[0] <= 'Z' &&
        std::all_of(source.begin() + 1, source.end(), [](char ch) { return is_ascii_digit(ch); }))
      add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::passport),
                                 rule::kPassportLetterDigit, cues_for(EntityKind::passport), 0.1f,
                                 true, Certainty::probable, EntityKind::passport});
    // A date written with separators that the digits alone do not read as one.
    const bool has_birth = std::any_of(out.begin(), out.end(), [](const Candidate& c) {
      return c.entity == EntityKind::birth_date;
    });
    // Written as a date, it weighs a little more than the bare digits (0.1) of the base rules.
    if (!has_birth && n >= 4 && n <= 8 &&
        written_as_separated_date(source, cfg.scanned_letters))
      add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::birth_date),
                                 rule::kBirthSeparatedDate, cues_for(EntityKind::birth_date), 0.2f,
                                 true, Certainty::probable, EntityKind::birth_date});
  }
  // A resident number's shape whose seventh digit is masked (400418-*******, 7204**-***6262)
  // says not whose it is: a foreigner's under a foreigner's label.
  if (cfg.writing_variants && n == 13 && d[6] == kMasked)
    if (const auto a = analyze_resident(d); a && (a->birth || masked_front_fits_a_date(d)))
      add_reading(
          out, Candidate{ChecksumResult::not_applicable(norvane::reason::masked),
                         rule::kForeignerMaskedBack, cues_for(EntityKind::foreigner_registration),
                         0.2f, true, Certainty::probable, EntityKind::foreigner_registration});
  // A resident number's front half and its seventh digit alone (900101-1, under its label), or
  // masked after it with a mask or two short (900101-1*****): birth date and sex still show.
  if (cfg.writing_variants && (n == 7 || n == 11 || n == 12))
    if (const auto a = front_with_sex_digit(d, source)) {
      const EntityKind kind =
          a->foreigner ? EntityKind::foreigner_registration : EntityKind::resident;
      add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::masked),
                                 n == 7 ? rule::kResidentFrontSex : rule::kResidentMaskedShort,
                                 cues_for(kind), 0.2f, true, Certainty::probable, kind});
    }
  // Under a birth date's label (a crew list's 생년월일 column), a resident number masked but for
  // its year and sex digit is the birth date it still tells.
  if (cfg.writing_variants && masked && masked_resident_front(d))
    add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::masked),
                               rule::kBirthMaskedResidentFront, cues_for(EntityKind::birth_date),
                               0.1f, true, Certainty::probable, EntityKind::birth_date});
  if (cfg.writing_variants && masked &&
      (masked_birth_date(d) || masked_birth_date_in_groups(source))) {
    // A date printed with its year in clear and its month and day hidden (1990.**.**, as a
    // notice or a winners' list prints one) is a birth date without a label when the year is
    // one a person of fourteen or more was born in: a join's, a login's or an expiry's masked
    // date is recent or to come. Another date's label (가입일, 등록일) still vetoes it.
    constexpr unsigned kYoungestListed = 14;
    const bool month_and_day_hidden =
        year_shown_month_and_day_masked(d, source) &&
        d[0] * 1000u + d[1] * 100u + d[2] * 10u + d[3] + kYoungestListed <= reference_year(cfg);
    add_reading(out, Candidate{ChecksumResult::not_applicable(norvane::reason::birth_date),
                               rule::kBirthMasked, cues_for(EntityKind::birth_date),
                               month_and_day_hidden ? 0.6f : 0.1f, !month_and_day_hidden,
                               Certainty::probable, EntityKind::birth_date});
  }
  if (cfg.recent_resident && n == 13 && !masked) {
    if (auto a = analyze_resident(d); a && a->birth) {
      // No one who files a form was born in the 1800s (a seventh digit 9 or 0: a corporate
      // registration number, 110111-0392443) or after the reference year (a product's barcode of
      // Korea's prefix, 8801043014809, reads as born in 2088).
      if (a->checksum.kind == ChecksumResult::Kind::failed && d[6] != 9 && d[6] != 0 &&
          a->birth->year <= reference_year(cfg)) {
        // Born since October 2020 with a seventh digit of that century: issued without a check
        // digit.
        const Date b = *a->birth;
        const bool recent = (b.year > 2020 || (b.year == 2020 && b.month >= 10)) &&
                            (d[6] == 3 || d[6] == 4 || d[6] == 7 || d[6] == 8);
        // It takes the place of the reading whose check digit failed.
        std::erase_if(out, [](const Candidate& c) {
          return (c.entity == EntityKind::resident ||
                  c.entity == EntityKind::foreigner_registration) &&
                 c.checksum.kind == ChecksumResult::Kind::failed;
        });
        add_reading(
            out,
            Candidate{
                ChecksumResult::not_applicable(reason::recent_resident), rule::kResidentRecent,
                cues_for(a->foreigner ? EntityKind::foreigner_registration : EntityKind::resident),
                recent ? 0.55f : 0.3f, false, Certainty::probable,
                a->foreigner ? EntityKind::foreigner_registration : EntityKind::resident});
      }
      // A 13-digit number that reads as a resident number is a card only under a card label.
      for (Candidate& c : out)
        if (c.entity == EntityKind::credit_card) c.needs_context = true;
    }
  }
  // Ten digits in a telephone's groups after its area code (053-737-7114, 02-1234-5678) are a
  // business registration number only under a business's label: a business writes its number
  // 3-2-5, and one telephone number in ten passes that number's check digit by chance.
  if (cfg.extra_shapes && in_ten_digit_phone_groups(d, source))
    for (Candidate& c : out)
      if (c.entity == EntityKind::business_registration) c.needs_context = true;
  // Only eight digits with a year of this century at either end (20310217, 17.02.2031) or
  // thirteen digits may be read as another registry's.
  const bool year_of_this_century =
      n == 8 && ((d[0] == 2 && d[1] == 0) || (d[4] == 2 && d[5] == 0));
  if (cfg.lookalike_veto && (year_of_this_century || n == 13))
    drop_other_registries(cfg, source, before, n, out);
}

// ------------------------------------------------------------------------------------------
// Vetoes

namespace {

// 1,234 or 18,220,000: groups of three after the first.
bool is_price(std::string_view s) {
  std::size_t i = 0, first = 0;
  // A fourth digit already says no: a long run is not read to its end.
  while (i < s.size() && is_ascii_digit(s[i]) && first <= 3) ++i, ++first;
  if (first == 0 || first > 3 || i == s.size()) return false;
  while (i < s.size()) {
    if (s[i] != ',') return false;
    ++i;
    std::size_t g = 0;
    while (i < s.size() && is_ascii_digit(s[i])) ++i, ++g;
    if (g != 3) return false;
  }
  return true;
}

bool is_timestamp(std::span<const std::uint8_t> d) {
  if (d.size() != 14 || any_masked(d)) return false;
  auto num = [&](std::size_t from, std::size_t len) {
    unsigned v = 0;
    for (std::size_t i = from; i < from + len; ++i) v = v * 10 + d[i];
    return v;
  };
  const unsigned y = num(0, 4);
  return y >= 1970 && y <= 2099 && is_valid_date(y, num(4, 2), num(6, 2)) && num(8, 2) < 24 &&
         num(10, 2) < 60 && num(12, 2) < 60;
}

// A device identity (IMEI): fifteen digits with a Luhn check digit, from one of the reporting
// bodies whose codes phones carry today (35, 86, 01, 99). No card has fifteen such digits (those
// start with 34 or 37).
bool is_imei(std::span<const std::uint8_t> d) {
  if (d.size() != 15 || any_masked(d)) return false;
  const bool body = digits_start_with(d, "35") || digits_start_with(d, "86") ||
                    digits_start_with(d, "01") || digits_start_with(d, "99");
  return body && luhn_checksum(d).kind == ChecksumResult::Kind::passed;
}

// A driver licence number written with dots: region code, year, serial, check (11.23.456789.01),
// of a region the rules know or under a licence's label.
bool is_dotted_licence(std::string_view s, const LabelSearch* labels) {
  if (!in_dotted_groups(s, kLicenceGroups, false)) return false;
  return known_licence_region((s[0] - '0') * 10u + (s[1] - '0')) ||
         (labels && labels->found_of(static_cast<std::size_t>(EntityKind::driver_license)));
}

// A card number written with dots, maybe partly masked (5214.87**.****.0803, 3712.345678.90123):
// no address or version has groups so wide.
bool is_dotted_card(std::string_view s) {
  constexpr std::size_t kFours[] = {4, 4, 4, 4}, kAmex[] = {4, 6, 5};
  return in_dotted_groups(s, kFours, true) || in_dotted_groups(s, kAmex, true);
}

bool ean13_check_passes(std::span<const std::uint8_t> d) {
  unsigned sum = 0;
  for (std::size_t i = 0; i < 13; ++i) sum += d[i] * (i % 2 ? 3u : 1u);
  return sum % 10 == 0;
}
bool is_isbn13(std::span<const std::uint8_t> d) {
  return d.size() == 13 && (digits_start_with(d, "978") || digits_start_with(d, "979")) &&
         ean13_check_passes(d);
}
// A product's barcode of Korea's GS1 prefix, thirteen bare digits (8801043014809): its EAN-13
// check passes and a resident number's does not (someone born in 1988 whose number passes both
// keeps it, and so does one written with its hyphen).
bool is_korean_barcode(std::span<const std::uint8_t> d, std::string_view source) {
  if (d.size() != 13 || source.size() != 13 || !digits_start_with(d, "880") || any_masked(d) ||
      !ean13_check_passes(d))
    return false;
  const auto resident = analyze_resident(d);
  return !resident || resident->checksum.kind != ChecksumResult::Kind::passed;
}

}  // namespace

namespace {

const WordSet& organisation_words() {
  static const WordSet set{labels::kOrganisationWords, labels::kAssociationWords};
  return set;
}
// What a holder named after 예금주 or 명의 may be to make the account an organisation's.
const WordSet& holder_organisation_words() {
  static const WordSet set{labels::kOrganisationWords, labels::kAssociationWords,
                           labels::kHolderOnlyOrganisationWords, labels::kReligiousBodyWords};
  return set;
}
const WordSet& person_words() {
  static const WordSet set{labels::kPersonWords};
  return set;
}
const WordSet& persons_own_line_words() {
  static const WordSet set{labels::kPersonsOwnLineWords};
  return set;
}
// An organisation's own telephone is also named by the role it plays on the paper (등록기관,
// 선사, 시공사, 관리사무소).
const WordSet& telephone_owner_words() {
  static const WordSet set{labels::kOrganisationWords, labels::kAssociationWords,
                           labels::kOrganisationRoleWords};
  return set;
}
// Whether a person's word stands in s outside the organisations' words that hold one (대리 in
// 대리점: a dealer's branch, not an assistant manager).
bool names_a_person(std::string_view s) {
  if (!person_words().in(s)) return false;
  for (std::string_view w : labels::kOrganisationWordsHoldingAPerson)
    if (const std::size_t at = s.find(w); at != std::string_view::npos)
      return names_a_person(s.substr(0, at)) || names_a_person(s.substr(at + w.size()));
  return true;
}
const WordSet& office_block_words() {
  static const WordSet set{labels::kOfficeBlockWords};
  return set;
}
// The bytes a word of kOfficeBlockWords starts with (a Hangul syllable's first byte, F or f):
// a block's ASCII before the first of them (a log's keys) is skipped sixteen bytes at a time.
constexpr unicode::ByteSet kOfficeWordLeads{0xEA, 0xED, {'F', 'f'}, 2};
static_assert(std::all_of(std::begin(labels::kOfficeBlockWords),
                          std::end(labels::kOfficeBlockWords), [](std::string_view w) {
                            return kOfficeWordLeads.has(static_cast<unsigned char>(w[0]));
                          }));
bool names_an_office(std::string_view s) {
  const std::size_t from = unicode::find_byte<kOfficeWordLeads>(s, 0);
  return from < s.size() && office_block_words().in(s.substr(from));
}
// The words without which no account is an organisation's: most lines have none of them.
const WordSet& organisation_or_holder_words() {
  static const WordSet set{labels::kOrganisationWords, labels::kAssociationWords,
                           labels::kHolderWords};
  return set;
}

// The words on a value's line that speak of it: before it back to the line's start and after
// it up to the line's end, each within a phrase's reach.
constexpr std::size_t kPhraseReach = 48;     // bytes: sixteen Korean letters
constexpr std::size_t kDeskReach = 36;       // a desk's name stands right before its number
constexpr std::size_t kIdentityReach = 120;  // a business's footer line: its name, 사업자번호, ...
std::string_view line_before(std::string_view text, const Span& run,
                             std::size_t reach = kPhraseReach) {
  const std::size_t from = run.byte_start > reach ? run.byte_start - reach : 0;
  const std::string_view s = text.substr(from, run.byte_start - from);
  // memrchr, not rfind: rfind compares byte by byte, and this is read for most numbers.
  const void* nl = memrchr(s.data(), '\n', s.size());
  return nl ? s.substr(static_cast<std::size_t>(static_cast<const char*>(nl) - s.data()) + 1) : s;
}
std::string_view line_after(std::string_view text, const Span& run, std::size_t reach = kPhraseReach) {
  const std::string_view s = text.substr(run.byte_end, reach);
  return s.substr(0, s.find('\n'));
}

// The block a value stands in: its line and the lines above it up to a blank line, within a
// header's reach, and the rest of its line.
constexpr std::size_t kBlockReach = 160;  // bytes: four or five lines of a receipt's header
std::string_view block_before(std::string_view text, const Span& run) {
  const std::size_t from = run.byte_start > kBlockReach ? run.byte_start - kBlockReach : 0;
  const std::string_view s = text.substr(from, run.byte_start - from);
  const std::size_t blank = s.rfind("\n\n");
  return blank == std::string_view::npos ? s : s.substr(blank + 2);
}

// What a bracket right after the value holds (02-123-4567 (새봄병원)), or nothing.
std::string_view bracketed(std::string_view after) {
  const std::size_t open = after.find_first_not_of(' ');
  if (open == std::string_view::npos || after[open] != '(') return {};
  const std::size_t close = after.find(')', open);
  return after.substr(open, close == std::string_view::npos ? close : close - open);
}

// A religious body named in the bracket right after an account ((대한불교 보광사)) holds it.
bool religious_body_in_bracket(std::string_view after) {
  static const WordSet set{labels::kReligiousBodyWords};
  const std::string_view b = bracketed(after);
  return !b.empty() && set.in(b);
}

// The bracket or the word right after the value (110-123-456789 (주)미래로지스): what names
// the value's holder there; a sentence going on after it (변경 요청 접수) does not.
// A legal form in brackets before the name ((주)미래로지스) closes no bracket of its own: the
// longer of the bracket and the word is read.
std::string_view next_word(std::string_view after) {
  const std::string_view b = bracketed(after);
  const std::size_t from = after.find_first_not_of(' ');
  if (from == std::string_view::npos) return {};
  const std::size_t to = after.find_first_of(" ,", from);
  const std::string_view word = after.substr(from, to == std::string_view::npos ? to : to - from);
  return b.size() > word.size() ? b : word;
}

// A home's or a desk's line: an area code (02, 031-064) or an internet phone (070), neither a
// mobile nor a platform's virtual number (050x) standing for a person's own.
bool is_landline(std::span<const std::uint8_t> d) {
  if (d.size() < 9 || d.size() > 11 || d[0] != 0) return false;
  if (d[1] == 7) return d[2] == 0 && d.size() == 11;
  return d[1] >= 2 && d[1] <= 6 && !(d[1] == 5 && d[2] == 0);
}

// The telephone sign a row or a card puts before a number in place of a label.
constexpr std::string_view kPhoneSign = "☎";

// The word right before a number on its line, past the marks between a name and its number
// (인사팀: 02-..., 학사지원과 ☎ 02-..., 장학복지팀(031-...)).
std::string_view last_word(std::string_view before) {
  constexpr std::string_view kMarks = " \t:([/-=.";  // a form's tab between label and value too
  while (!before.empty()) {
    if (kMarks.find(before.back()) != std::string_view::npos) before.remove_suffix(1);
    else if (before.ends_with(kPhoneSign)) before.remove_suffix(kPhoneSign.size());
    else break;
  }
  // The word's bounds by a table: find_last_of searches its set of bounds at every byte.
  static constexpr auto kBounds = [] {
    std::array<bool, 256> bounds{};
    for (char c : std::string_view(" \t:([/|,")) bounds[static_cast<unsigned char>(c)] = true;
    return bounds;
  }();
  std::size_t start = before.size();
  while (start > 0 && !kBounds[static_cast<unsigned char>(before[start - 1])]) --start;
  return before.substr(start);
}
bool ends_with_any(std::string_view word, std::span<const std::string_view> endings) {
  // The last byte first: most words end in none of the endings' last bytes.
  return std::any_of(endings.begin(), endings.end(), [&](std::string_view e) {
    return e.empty() || (word.size() >= e.size() && word.back() == e.back() && word.ends_with(e));
  });
}
// Whether any of `words` stands in `line`.
template <std::size_t N>
bool holds_any(std::string_view line, const std::string_view (&words)[N]) {
  return std::any_of(std::begin(words), std::end(words),
                     [&](std::string_view w) { return line.find(w) != line.npos; });
}
// The Hangul bank names of the account's labels (국민은행, 농협, 산림조합, 새마을금고), read
// anywhere; the common words among them (국민, 우리, 하나) only name a bank right before a number.
const std::vector<std::string_view>& bank_names() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> v;
    for (const labels::Label& l : labels::kAccount)
      if ((l.flags & labels::kBank) && !(l.flags & (labels::kAscii | labels::kAdjacent)))
        v.push_back(l.word);
    return v;
  }();
  return names;
}
// Where the words after a bank's name written at byte `at` of s go on: past the bank's whole word
// (국민은행으로, 신한은행강남지점) and the branch's word after it (강남지점, 본점:).
std::size_t past_bank_and_branch(std::string_view s, std::size_t at) {
  constexpr std::string_view kSpaces = " \t", kWordEnds = " \t:;,/|()";
  const std::size_t end = std::min(s.find_first_of(kSpaces, at), s.size());
  const std::size_t next = std::min(s.find_first_not_of(' ', end), s.size());
  const std::size_t next_end = std::min(s.find_first_of(kWordEnds, next), s.size());
  return next < s.size() &&
                 ends_with_any(s.substr(next, next_end - next), labels::kBankBranchEndings)
             ? next_end
             : end;
}
// Whether a word of `set` stands in s outside the banks' names and the branch named after one
// (조합 in 산림조합, 지점 in 국민은행 강남지점): the bank an account is kept at owns none of it. A
// line holding none of the organisations' words a bank's name or branch holds, as most do, needs no
// bank looked for. With `cut_at_start` (s read back within a reach), a first word of three
// syllables or more ending a bank's name (업협동조합, 림조합) is that name cut by the reach.
bool organisation_outside_banks(const WordSet& set, std::string_view s, bool cut_at_start) {
  static const WordSet words_banks_hold{labels::kOrganisationWordsBanksHold};
  if (!set.in(s)) return false;
  if (!words_banks_hold.in(s)) return true;
  constexpr std::size_t kShortestTail = 9;  // bytes: three syllables
  std::string_view first = s.substr(0, s.find(' '));
  while (first.ends_with(':') || first.ends_with(',')) first.remove_suffix(1);
  if (cut_at_start && first.size() >= kShortestTail &&
      std::any_of(bank_names().begin(), bank_names().end(), [&](std::string_view bank) {
        return bank.size() > first.size() && bank.ends_with(first);
      }))
    return organisation_outside_banks(set, s.substr(past_bank_and_branch(s, first.size())), false);
  for (std::string_view bank : bank_names()) {
    const std::size_t at = s.find(bank);
    if (at == std::string_view::npos) continue;
    return organisation_outside_banks(set, s.substr(0, at), false) ||
           organisation_outside_banks(set, s.substr(past_bank_and_branch(s, at + bank.size())),
                                      false);
  }
  return true;
}
// A bare nine-digit number right after a drug's name or in a bracket after it (오구멘틴정
// (055556080), 스멕타산 (코드 654162423)): the drug's product code, alone or read together with
// the dose after its bracket (654162423) 1 / 1 / 2).
bool drug_code(std::string_view source, std::string_view text, const Span& run) {
  constexpr std::size_t kCodeDigits = 9;
  constexpr std::string_view kCodeWord = "코드";
  if (source.size() < kCodeDigits ||
      !std::all_of(source.begin(), source.begin() + kCodeDigits,
                   [](char c) { return is_ascii_digit(static_cast<unsigned char>(c)); }) ||
      !(source.size() == kCodeDigits || source[kCodeDigits] == ')' || source[kCodeDigits] == ']'))
    return false;
  const std::string_view before = line_before(text, run, kDeskReach);
  std::string_view word = last_word(before);
  if (word.ends_with(kCodeWord))  // (보험코드 654162423): the drug's name is the word before
    word = last_word(before.substr(0, static_cast<std::size_t>(word.data() - before.data())));
  // Longer than a person's name of three syllables (김민정, 이현주: not drugs).
  constexpr std::size_t kDrugNameMinBytes = 4 * 3;
  return word.size() >= kDrugNameMinBytes && ends_with_any(word, labels::kDrugFormEndings);
}
// A run inside an IBAN (GB91 UBCM 9732 8493 6941 22, DE89370400440532013000): a country's two
// letters, two check digits and the account's capitals and digits, grouped by single spaces or
// not, 15 to 34 of them, whose ISO 13616 check passes. Card, account and business readings of
// its digits pass their own checks by chance.
bool in_iban(std::string_view text, const Span& run) {
  constexpr std::size_t kMinChars = 15, kMaxChars = 34;
  auto alnum = [](char c) {
    return is_ascii_digit(static_cast<unsigned char>(c)) ||
           is_ascii_upper(static_cast<unsigned char>(c));
  };
  const std::size_t start = run.byte_start;
  if (start < 2) return false;
  // Back from the run over capitals, digits and single spaces between them.
  std::size_t from = start, chars = 0;
  bool capital = false;
  while (from > 0 && chars <= kMaxChars) {
    const char c = text[from - 1];
    if (alnum(c)) {
      capital |= is_ascii_upper(static_cast<unsigned char>(c));
      --from;
      ++chars;
    } else if (c == ' ' && from >= 2 && alnum(text[from - 2])) {
      --from;
    } else {
      break;
    }
  }
  if (!capital) return false;
  std::array<char, kMaxChars + 1> iban;
  for (std::size_t p = from; p + 4 <= start + 2; ++p) {
    if (p > from && text[p - 1] != ' ') continue;  // an IBAN starts a word
    if (!is_ascii_upper(static_cast<unsigned char>(text[p])) ||
        !is_ascii_upper(static_cast<unsigned char>(text[p + 1])) ||
        !is_ascii_digit(static_cast<unsigned char>(text[p + 2])) ||
        !is_ascii_digit(static_cast<unsigned char>(text[p + 3])))
      continue;
    std::size_t len = 0;
    for (std::size_t k = p; k < text.size() && len < iban.size(); ++k) {
      if (alnum(text[k])) {
        iban[len++] = text[k];
      } else if (!(text[k] == ' ' && k + 1 < text.size() && alnum(text[k + 1]))) {
        break;
      }
      // At the end of a group that reaches past the run, the IBAN may end here.
      const bool group_ends = k + 1 >= text.size() || !alnum(text[k + 1]);
      if (group_ends && alnum(text[k]) && k + 1 >= run.byte_end && len >= kMinChars &&
          iban_check_passes(std::string_view(iban.data(), len)))
        return true;
    }
  }
  return false;
}
// Whether the run may be a barcode's (thirteen bare digits) or lie inside an IBAN (after a
// capital, or after a space that follows a capital or a digit): most runs are neither.
bool may_be_other_registry(std::size_t digits, std::string_view source, std::string_view text,
                           const Span& run) {
  const std::size_t at = run.byte_start;
  if (digits == 13 && source.size() == 13) return true;
  if (at < 2) return false;
  const auto before = static_cast<unsigned char>(text[at - 1]);
  const auto two_before = static_cast<unsigned char>(text[at - 2]);
  return is_ascii_upper(before) ||
         (before == ' ' && (is_ascii_upper(two_before) || is_ascii_digit(two_before)));
}
// A product's barcode (outside a resident number's label, under which thirteen digits are read
// as one with a typo in its check) or a run inside an IBAN. Out of line: few runs get here.
[[gnu::noinline]] bool of_other_registry(std::span<const std::uint8_t> d, std::string_view source,
                                         std::string_view text, const Span& run,
                                         const LabelSearch* labels) {
  if (is_korean_barcode(d, source) &&
      !(labels && labels->found_of(static_cast<std::size_t>(EntityKind::resident))))
    return true;
  return in_iban(text, run);
}
const WordSet& patient_paper_words() {
  static const WordSet set{labels::kPatientPaperWords};
  return set;
}
// A hospital's chart number: ten bare digits right after the bare 등록번호 (a business's or a
// foreigner's word before it makes it theirs) on a patient's paper, its words on the number's
// block or line (환자명, 성별, 나이, 진료과). Out of line: few runs get here.
[[gnu::noinline]] bool patient_chart_number(std::string_view source, std::string_view text,
                                            const Span& run, const LabelSearch* labels) {
  constexpr std::size_t kChartDigits = 10;
  if (source.size() != kChartDigits || !labels) return false;
  std::size_t k = run.byte_start;
  while (k > 0 && (text[k - 1] == ' ' || text[k - 1] == ':')) --k;
  if (!text.substr(0, k).ends_with(labels::kBareRegistrationLabel) ||
      last_word(line_before(text, run, kDeskReach)) != labels::kBareRegistrationLabel ||
      labels->found_of(static_cast<std::size_t>(EntityKind::foreigner_registration)))
    return false;
  std::vector<ContextHit> business;
  labels->hits(static_cast<std::size_t>(EntityKind::business_registration), business, nullptr);
  return std::all_of(business.begin(), business.end(),
                     [](const ContextHit& h) { return h.cue == labels::kBareRegistrationLabel; }) &&
         (patient_paper_words().in(block_before(text, run)) ||
          patient_paper_words().in(line_after(text, run)));
}
// A department's abbreviation before 담당 (HR, IT, CS): two to four capital letters.
bool is_department_abbreviation(std::string_view word) {
  return word.size() >= 2 && word.size() <= 4 &&
         std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}
// What stands before a desk's number after a department's word (담당부서: 재무팀 → 재무팀): the
// person words of 담당부서 are not a person on the number.
std::string_view past_department(std::string_view before) {
  const std::size_t at = before.rfind(labels::kDepartmentWord);
  return at == std::string_view::npos ? before : before.substr(at + labels::kDepartmentWord.size());
}

// What stands after 담당 when an office's name follows it (담당 고용센터, 담당: 국민연금공단 지사):
// there 담당 says which office is in charge, not who.
std::string_view past_office_in_charge(std::string_view said) {
  const std::size_t at = said.rfind(labels::kUnitDeskWord);
  if (at == std::string_view::npos) return said;
  const std::string_view rest = said.substr(at + labels::kUnitDeskWord.size());
  return organisation_words().in(rest) ? rest : said;
}

const WordSet& business_identity_words() {
  static const WordSet set{labels::kBusinessIdentityWords};
  return set;
}

// Whether a word ends in a business's word (labels::kBusinessNameEndings). Most words before or
// after a number are a person's name or a label: their last syllable ends no business's word.
bool ends_in_business_word(std::string_view word) {
  static const std::bitset<unicode::kSyllableCount> last_syllables = [] {
    std::bitset<unicode::kSyllableCount> set;
    for (std::string_view w : labels::kBusinessNameEndings)
      set.set(static_cast<std::size_t>(unicode::syllable_at(w, w.size() - 3)));
    return set;
  }();
  if (word.size() < 3) return false;
  const int last = unicode::syllable_at(word, word.size() - 3);
  return last >= 0 && last_syllables.test(static_cast<std::size_t>(last)) &&
         ends_with_any(word, labels::kBusinessNameEndings);
}

// Whether the holder written right after an account, in a bracket or as the next word, is a
// business's name (무통장 입금: 하나 ... (솔바람 글램핑), 입금처: ... 한결세무회계): it ends in a
// business's word. (A bracket of Hangul words with a space inside is as often a remark, 부재 시
// 문 앞, 고객 구두 확인, as a business's name: it says nothing alone.)
bool held_by_a_business(std::string_view after) {
  std::string_view holder = bracketed(after);
  if (!holder.empty()) {
    holder.remove_prefix(1);
  } else {
    const std::size_t from = after.find_first_not_of(' ');
    if (from == std::string_view::npos) return false;
    holder = after.substr(from);
    holder = holder.substr(0, holder.find_first_of(" ,/|\t"));
  }
  while (holder.ends_with(' ')) holder.remove_suffix(1);
  return ends_in_business_word(holder);
}

// Thirteen bare digits right after 우체국 with a courier's word a few lines up (송장번호 드릴게요
// ... 우체국 1310017589991): a parcel's tracking number, unless an account is spoken of there.
bool post_office_parcel(std::string_view source, std::string_view text, const Span& run) {
  constexpr std::size_t kTrackingDigits = 13, kParcelReach = 240;
  if (source.size() != kTrackingDigits) return false;
  std::string_view named = text.substr(0, run.byte_start);
  while (named.ends_with(' ') || named.ends_with(':')) named.remove_suffix(1);
  if (!named.ends_with(labels::kPostOfficeWord)) return false;
  const std::size_t from = run.byte_start > kParcelReach ? run.byte_start - kParcelReach : 0;
  const std::string_view before = text.substr(from, run.byte_start - from),
                         after = line_after(text, run);
  const auto said = [&](std::string_view w) {
    return before.find(w) != std::string_view::npos || after.find(w) != std::string_view::npos;
  };
  return std::any_of(std::begin(labels::kParcelWords), std::end(labels::kParcelWords), said) &&
         !said(labels::kAccountWord);
}

// Whether the account's label says a charge paid to a business goes into it (잔금 입금 계좌: 국민
// ..., 공사대금 입금 계좌 신한 ..., 계약금 입금처 우리 ...): read back from the number past the
// bank's name, the label's marks, 계좌 or 처, 입금, to the charge's word.
// The account's label read back from the number past its marks and the bank's name, up to and
// with its last word, 계좌 or 처 (잔금 입금 계좌: 국민 → 잔금 입금 계좌), or nothing.
std::string_view account_label_before(std::string_view before) {
  // A row's cells apart by bars or slashes (회사 계좌 | 기업 | ...) are read as marks, and so is a
  // label's square bracket ([관리비 납부계좌] 부산 ...), and a colon or a bar typed full-width
  // (사업자 계좌：...).
  constexpr std::string_view kWideMarks[] = {"：", "｜"};
  const auto trim = [&] {
    for (;;) {
      if (before.ends_with(' ') || before.ends_with(':') || before.ends_with('-') ||
          before.ends_with('|') || before.ends_with('/') || before.ends_with(';') ||
          before.ends_with('=') || before.ends_with('"') || before.ends_with(']'))
        before.remove_suffix(1);
      else if (const auto* w = std::find_if(std::begin(kWideMarks), std::end(kWideMarks),
                                            [&](std::string_view m) { return before.ends_with(m); });
               w != std::end(kWideMarks))
        before.remove_suffix(w->size());
      else
        return;
    }
  };
  // 계좌번호 is read as 계좌 (관리비 납부 계좌번호: → 관리비 납부 계좌).
  const auto ends_the_label = [&] {
    if (before.ends_with(labels::kAccountNumberWord))
      before.remove_suffix(labels::kAccountNumberWord.size() - labels::kAccountWord.size());
    return before.ends_with(labels::kAccountWord) || before.ends_with(labels::kDepositPlaceWord);
  };
  trim();
  if (!ends_the_label()) {  // the bank's name
    const std::size_t space = before.find_last_of(' ');
    if (space == std::string_view::npos) return {};
    before = before.substr(0, space);
    trim();
    if (!ends_the_label()) return {};
  }
  return before;
}

enum class Charge { none, any, service };
Charge charge_paid_in(std::string_view before) {
  before = account_label_before(before);
  if (before.empty()) return Charge::none;
  const bool account = before.ends_with(labels::kAccountWord);
  before.remove_suffix(account ? labels::kAccountWord.size() : labels::kDepositPlaceWord.size());
  const auto drop = [&](std::string_view word) {
    if (!before.ends_with(word)) return false;
    before.remove_suffix(word.size());
    while (before.ends_with(' ')) before.remove_suffix(1);
    return true;
  };
  while (before.ends_with(' ')) before.remove_suffix(1);
  // A service's charge may name the account itself or its payment (관리비 계좌, 수강료 납부 계좌);
  // the others only what is paid in (잔금 입금 계좌).
  const bool deposit = drop(labels::kDepositInWord);
  if (!deposit) {
    if (!account) return Charge::none;
    drop(labels::kPaymentWord);
  }
  for (std::string_view charge : labels::kServiceChargeWords)
    if (before.ends_with(charge)) {
      before.remove_suffix(charge.size());
      while (before.ends_with(' ')) before.remove_suffix(1);
      return ends_with_any(before, labels::kPayoutWords) ? Charge::none : Charge::service;
    }
  if (!deposit) return Charge::none;
  for (std::string_view charge : labels::kChargeWords)
    if (before.ends_with(charge)) {
      before.remove_suffix(charge.size());
      while (before.ends_with(' ')) before.remove_suffix(1);
      return ends_with_any(before, labels::kPayoutWords) ? Charge::none : Charge::any;
    }
  return Charge::none;
}

// Whether a holder's name holds a word ending in a business's word (예금주 김하늘 햇살에너지,
// 예금주: 에코솔라): a business's name, though a person's may stand before it. A word of two
// syllables is as often an apartment's or a brand's short name (예금주 더샵) and says nothing.
bool names_a_business(std::string_view holder) {
  constexpr std::size_t kShortestName = 9;  // bytes: three Hangul syllables
  while (!holder.empty()) {
    const std::size_t from = holder.find_first_not_of(" ()[]");
    if (from == std::string_view::npos) return false;
    holder.remove_prefix(from);
    const std::size_t to = std::min(holder.find_first_of(" ()[]"), holder.size());
    if (to >= kShortestName && ends_with_any(holder.substr(0, to), labels::kBusinessNameEndings))
      return true;
    holder.remove_prefix(to);
  }
  return false;
}

// Whether a fax's number follows a landline on its line (선사 051-... / FAX 043-...): the line of
// an office, which a home's or a person's line is not written with, unless a person is named in
// its block (a signature's name and title above its T. and Fax line). A line without seven more
// digits after the number holds no fax's number and is not read for the words.
// Whether a fax's letter label stands right before a number, maybe a space between (T)02-...
// F)02-..., F. 031-...), beginning a word and in no bracket: not REF.02, a floor's 3F. nor (F)
// after a name.
bool fax_letter_label_before(std::string_view text, const Span& run) {
  std::size_t end = run.byte_start;
  if (end > 0 && text[end - 1] == ' ') --end;
  if (end == 0 || (text[end - 1] != ')' && text[end - 1] != '.')) return false;
  return std::any_of(std::begin(labels::kFaxLetterLabels), std::end(labels::kFaxLetterLabels),
                     [&](std::string_view w) {
                       if (end < w.size() || text.substr(end - w.size(), w.size()) != w)
                         return false;
                       const std::size_t at = end - w.size();
                       const auto c = at > 0 ? static_cast<unsigned char>(text[at - 1]) : ' ';
                       return !is_ascii_letter(c) && !is_ascii_digit(c) && c != '(';
                     });
}
[[gnu::noinline]] bool fax_beside(std::string_view text, const Span& run) {
  constexpr std::size_t kFaxDigits = 7;
  const std::string_view after = line_after(text, run);
  if (unicode::count_ascii_digits(after) < kFaxDigits) return false;
  return holds_any(after, labels::kFaxWords) && !person_words().in(block_before(text, run)) &&
         !person_words().in(after);
}

// Whether a run begins with the last letter of a fax's label, its X taken for a masked digit (FAX
// － ０４１－..., FAX - 041-... read as the run X － ０４１－...): an office's fax, though the rest
// reads as an account, and no label is seen before it. Not a mobile (휴대폰/FAX 010-...), and no
// person on the line.
[[gnu::noinline]] bool fax_label_glued(std::span<const std::uint8_t> d, std::string_view text,
                                       const Span& run) {
  if (run.byte_start == 0 || (text[run.byte_start] != 'X' && text[run.byte_start] != 'x') ||
      !is_ascii_letter(static_cast<unsigned char>(text[run.byte_start - 1])) || is_mobile_number(d))
    return false;
  std::size_t start = run.byte_start;
  while (start > 0 && is_ascii_letter(static_cast<unsigned char>(text[start - 1]))) --start;
  const std::string_view word = text.substr(start, run.byte_start + 1 - start);
  return std::find(std::begin(labels::kFaxWords), std::end(labels::kFaxWords), word) !=
             std::end(labels::kFaxWords) &&
         !person_words().in(line_before(text, run));
}

// The holder named after a holder word (예금주: (주)다온이사), up to the end of its phrase.
std::string_view holder_named(std::string_view s) {
  for (std::string_view w : labels::kHolderWords)
    if (const std::size_t at = s.find(w); at != std::string_view::npos) {
      const std::string_view rest = s.substr(at + w.size());
      return rest.substr(0, rest.find_first_of(",|/\t"));
    }
  return {};
}

// The holder's phrase read to its end: the bracket closing around it ((예금주 안순자) 확인) or
// its sentence's end; the words after that (… 학과 사무실에서 안내합니다) are someone else's.
// A bracket within the name ((주)한빛) is part of it.
std::string_view holder_phrase(std::string_view holder) {
  int depth = 0;
  for (std::size_t i = 0; i < holder.size(); ++i) {
    if (holder[i] == '(') {
      ++depth;
    } else if (holder[i] == ')') {
      if (depth == 0) return holder.substr(0, i);
      --depth;
    } else if (sentence_ends_at(holder, i)) {
      return holder.substr(0, i);
    }
  }
  return holder;
}

// Whether the holder written after an account (예금주 홍길동, (김민수)) is a person's name: one
// word of two or three Hangul syllables that is no business's or organisation's (one of four,
// 튼튼이사, is more often a business's name). A charge's label (잔금 입금 계좌) then says only
// what the money is for: a landlord, a seller or a teacher may be paid the charge into their own
// account.
bool held_by_a_named_person(std::string_view after) {
  constexpr std::size_t kSyllableBytes = 3, kShortest = 2, kLongest = 3;
  std::string_view holder = holder_named(after);
  if (holder.empty()) {
    holder = bracketed(after);
    if (!holder.empty()) holder.remove_prefix(1);
  }
  const std::size_t from = holder.find_first_not_of(" :");
  if (from == std::string_view::npos) return false;
  holder.remove_prefix(from);
  if (names_a_business(holder)) return false;  // 예금주 송하늘 햇살조리원: the business's
  holder = holder.substr(0, holder.find_first_of(" )"));
  const std::size_t syllables = holder.size() / kSyllableBytes;
  if (holder.size() % kSyllableBytes != 0 || syllables < kShortest || syllables > kLongest)
    return false;
  for (std::size_t at = 0; at < holder.size(); at += kSyllableBytes)
    if (!hangul_syllable_at(holder, at)) return false;
  return !ends_with_any(holder, labels::kBusinessNameEndings) &&
         !holder_organisation_words().in(holder) && !organisation_words().in(holder);
}

// A charge asked for in a sentence around the account (잔금은 작업 후 하나은행 ... 로 입금
// 부탁드립니다, 계약금 50만원은 ... 으로 입금해 주세요): a word beginning with the charge's before
// the number, and its particle of direction then 입금 right after it. A statement's row (카드대금
// | 국민 ... | 입금) is no such sentence.
Charge charge_asked_in_sentence(std::string_view before, std::string_view after) {
  constexpr std::string_view kInto[] = {"으로", "로"};
  const std::size_t from = after.find_first_not_of(' ');
  if (from == std::string_view::npos) return Charge::none;
  after.remove_prefix(from);
  const auto into = std::find_if(std::begin(kInto), std::end(kInto),
                                 [&](std::string_view p) { return after.starts_with(p); });
  if (into == std::end(kInto)) return Charge::none;
  after.remove_prefix(into->size());
  while (after.starts_with(' ')) after.remove_prefix(1);
  if (!after.starts_with(labels::kDepositInWord)) return Charge::none;
  for (std::string_view charge : labels::kChargeWords)
    for (std::size_t at = before.find(charge); at != std::string_view::npos;
         at = before.find(charge, at + 1)) {
      if (at > 0 && hangul_syllable_at(before, at - 3)) continue;  // 카드대금: a word's end
      std::string_view said = before.substr(0, at);
      while (said.ends_with(' ')) said.remove_suffix(1);
      return ends_with_any(said, labels::kPayoutWords) ? Charge::none : Charge::any;
    }
  return Charge::none;
}

// Whether the bracket right after an account holds a person's name alone ((강철수)): one word of
// three Hangul syllables led by a common family name, no organisation's or business's word. A
// remark of two syllables (회비 전용) or a word led otherwise (새마을) is no holder.
bool bracket_holds_a_name(std::string_view after) {
  constexpr std::size_t kNameBytes = 9;  // three syllables
  std::string_view b = bracketed(after);
  if (b.empty()) return false;
  b.remove_prefix(1);
  if (b.size() != kNameBytes || !hangul_syllable_at(b, 0) || !hangul_syllable_at(b, 3) ||
      !hangul_syllable_at(b, 6))
    return false;
  return std::find(labels::kCommonSurnames.begin(), labels::kCommonSurnames.end(), b.substr(0, 3)) !=
             labels::kCommonSurnames.end() &&
         held_by_a_named_person(after);
}

// Whether an account under a charge's label (잔금 입금 계좌, 공사대금 입금 계좌) or in a sentence
// asking for a charge (잔금은 ... 로 입금 부탁드립니다) is a business's: the charge is a service's
// (공사대금, 수강료), or its holder is written and is no person's name (예금주 튼튼이사), or none
// is written and a business is named on the paper above it or beside it (산후조리원 계약, 인테리어
// 공사 계약서, ... / (주)...) or the paper is a business's message to its customer (고객님, 견적).
// The parties of a private sale or lease on its line (구매자:, 매도인 명의) make it a person's.
bool business_charge(std::string_view text, const Span& run, std::string_view before,
                     std::string_view after) {
  Charge charge = charge_paid_in(before);
  if (charge == Charge::none) charge = charge_asked_in_sentence(before, after);
  if (charge == Charge::none || held_by_a_named_person(after)) return false;
  static const WordSet private_parties{labels::kPrivatePartyWords};
  if (private_parties.in(before) || private_parties.in(after)) return false;
  if (charge == Charge::service || !holder_named(after).empty() || !bracketed(after).empty())
    return true;
  static const WordSet business_message_words{labels::kBusinessMessageWords};
  const std::string_view block = block_before(text, run);
  return names_a_business(block) || organisation_words().in(block) ||
         business_identity_words().in(block) || organisation_words().in(after) ||
         business_message_words.in(block);
}

// Whether the run ends in a clock's hour of one or two digits after a space, with a mobile
// number's digits before it (010-1234-5678 14 of 010-1234-5678 14:16).
bool mobile_before_hour(std::span<const std::uint8_t> d, std::string_view source) {
  const std::size_t space = source.find_last_of(' ');
  if (space == std::string_view::npos) return false;
  const std::size_t hour = source.size() - space - 1;
  return (hour == 1 || hour == 2) && hour < d.size() && is_mobile_number(d.first(d.size() - hour));
}

// A representative number: 15xx, 16xx or 18xx and four digits, written as 1588-1234 or 15881234;
// grouped otherwise (15.03.1997) it is something else.
bool is_representative_number(std::span<const std::uint8_t> d, std::string_view source) {
  if (d.size() != 8 || d[0] != 1 || (d[1] != 5 && d[1] != 6 && d[1] != 8)) return false;
  const auto lead =
      std::find_if(source.begin(), source.end(), [](char c) { return !is_ascii_digit(c); });
  return lead == source.end() || lead - source.begin() == 4;
}

// The last word of s past its trailing spaces, brackets and all ((주)리드코프 whole).
std::string_view whole_last_word(std::string_view s) {
  while (s.ends_with(' ')) s.remove_suffix(1);
  const std::size_t space = s.find_last_of(" \t\n");
  return space == std::string_view::npos ? s : s.substr(space + 1);
}
// A company's or an organisation's own landline or representative number under a generic contact
// label that makes it personal: the word before the label names the company (a creditor's item,
// 1. 신한카드 연락처 1588-..., OK저축은행, 연락처 : 1899-...) or the organisation (선사 연락처
// 051-...), or the first field of the item it is a later field of, and no person. Out of line:
// it is read for every number under a person's label.
[[gnu::noinline]] bool company_before_contact_label(std::span<const std::uint8_t> d,
                                                    std::string_view source, std::string_view text,
                                                    const Span& run) {
  if (!is_landline(d) && !is_representative_number(d, source)) return false;
  const std::size_t from = run.byte_start > kDeskReach ? run.byte_start - kDeskReach : 0;
  std::string_view before = text.substr(from, run.byte_start - from);
  while (before.ends_with(' ') || before.ends_with(':')) before.remove_suffix(1);
  const auto label =
      std::find_if(std::begin(labels::kContactWords), std::end(labels::kContactWords),
                   [&](std::string_view w) { return before.ends_with(w); });
  if (label == std::end(labels::kContactWords)) return false;
  before.remove_suffix(label->size());
  if (!before.ends_with(' ') && !before.ends_with(',')) return false;  // 비상연락처: one word
  while (before.ends_with(' ') || before.ends_with(',')) before.remove_suffix(1);
  const auto names_a_company = [](std::string_view owner) {
    return !owner.empty() && !person_words().in(owner) &&
           (telephone_owner_words().in(owner) || ends_with_any(owner, labels::kCompanyNameEndings));
  };
  if (names_a_company(whole_last_word(before))) return true;
  // A list item's later field (1. (주)러시앤캐시 / 채권액 ... / 연락처 1588-...): the company its
  // first field names owns the item's contact fields.
  const std::string_view line = line_before(text, run, kIdentityReach);
  const std::size_t field_end = line.find_first_of("/|,");
  return field_end != std::string_view::npos &&
         names_a_company(whole_last_word(line.substr(0, field_end)));
}

// A land parcel's code (PNU): a legal dong's ten digits, a mountain flag of 1 or 2, the lot's
// main and sub numbers of four digits each, written bare after an address's last word or lot
// (…면 도암리 12-3 4150025321100120003, 산18 4642…): no card, though one in ten passes Luhn.
constexpr std::size_t kParcelCodeDigits = 19;
[[gnu::noinline]] bool land_parcel_code(std::span<const std::uint8_t> d, std::string_view source,
                                        std::string_view text, const Span& run) {
  constexpr std::size_t kMountainFlag = 10;
  if (source.size() != kParcelCodeDigits || (d[kMountainFlag] != 1 && d[kMountainFlag] != 2))
    return false;
  std::string_view word = last_word(line_before(text, run, kDeskReach));
  if (word.starts_with(labels::kMountainLotWord))
    word.remove_prefix(labels::kMountainLotWord.size());
  if (word.ends_with(labels::kLotWord)) word.remove_suffix(labels::kLotWord.size());
  const bool lot =
      !word.empty() && is_ascii_digit(word.front()) &&
      std::all_of(word.begin(), word.end(), [](char c) { return is_ascii_digit(c) || c == '-'; });
  return lot || ends_with_any(word, labels::kAddressWordEndings);
}

// Ten digits written bare, under a column whose header names a number a system issues (고객ID,
// 교적번호, user_no) and under no label of a kind (전화번호, 계좌번호 end the same way): one such
// number in ten passes a business number's check digit by chance.
bool issued_number_in_column(std::span<const std::uint8_t> d, std::string_view source,
                             std::string_view text, const LabelSearch* labels) {
  constexpr std::size_t kBusinessDigits = 10;
  return d.size() == kBusinessDigits && source.size() == kBusinessDigits && labels &&
         business_checksum(d).kind == ChecksumResult::Kind::passed &&
         !labels->found_of_any_kind() && labels->column_names_issued_number(text);
}

}  // namespace

namespace {
// Whether a registration number's shape stands in s (900101-1234567, 900101-1******): six digits
// that may be a date, a hyphen, a sex digit and six digits or masks.
bool holds_registration_number(std::string_view s) {
  constexpr std::size_t kFront = 6, kBack = 7;
  for (std::size_t at = s.find('-'); at != std::string_view::npos; at = s.find('-', at + 1)) {
    if (at < kFront || s.size() - at <= kBack) continue;
    const std::string_view front = s.substr(at - kFront, kFront), back = s.substr(at + 1, kBack);
    const auto digit = [](char c) { return is_ascii_digit(static_cast<unsigned char>(c)); };
    if (!std::all_of(front.begin(), front.end(), digit) ||
        (at > kFront && digit(s[at - kFront - 1])) || back[0] < '1' || back[0] > '8' ||
        !std::all_of(back.begin() + 1, back.end(), [&](char c) { return digit(c) || c == '*'; }) ||
        (s.size() > at + 1 + kBack && digit(s[at + 1 + kBack])))
      continue;
    const int month = (front[2] - '0') * 10 + (front[3] - '0');
    if (month >= 1 && month <= 12) return true;
  }
  return false;
}
// A row of a roster holding a person's registration number is that person's: the words of an
// organisation in its other cells (학교급식 지원, 복지관 청소) or in the header line above it
// name no holder of its numbers.
bool in_a_persons_row(std::string_view text, const Span& run) {
  constexpr std::size_t kRowReach = 200;  // bytes: a roster's serial, name and number cells
  return holds_registration_number(line_before(text, run, kRowReach)) ||
         holds_registration_number(line_after(text, run));
}
// Whether a contact person is named on the line before a number (Shipper contact: Minji Kim
// Tel ..., Attn. Ms. Park, Person in charge: 이준호): an English or a Korean name after a contact
// word, not a line's label (Contact: Tel ...).
bool contact_person_named(std::string_view line) {
  constexpr std::string_view kSkipped = " :.-(";
  constexpr std::string_view kTitles[] = {"Mr.", "Ms.", "Mrs.", "Dr.", "Mr", "Ms"};
  for (std::string_view word : labels::kContactPersonWords) {
    for (std::size_t k = line.find(word); k != std::string_view::npos;
         k = line.find(word, k + 1)) {
      if (k > 0 && is_ascii_letter(static_cast<unsigned char>(line[k - 1]))) continue;
      std::size_t at = k + word.size();
      while (at < line.size() && kSkipped.find(line[at]) != std::string_view::npos) ++at;
      for (std::string_view title : kTitles)
        if (line.substr(at).starts_with(title) && at + title.size() < line.size() &&
            line[at + title.size()] == ' ')
          at += title.size() + 1;
      if (at >= line.size()) continue;
      const auto c = static_cast<unsigned char>(line[at]);
      if (c >= 0xEA && c <= 0xED) return true;  // a Hangul name
      if (!is_ascii_upper(c) || at + 1 >= line.size() ||
          !is_ascii_letter(static_cast<unsigned char>(line[at + 1])))
        continue;
      std::size_t end = at;
      while (end < line.size() && is_ascii_letter(static_cast<unsigned char>(line[end]))) ++end;
      const std::string_view name = line.substr(at, end - at);
      if (std::none_of(std::begin(labels::kContactLineLabels), std::end(labels::kContactLineLabels),
                       [&](std::string_view l) { return name == l; }))
        return true;
    }
  }
  return false;
}
// Whether an extension's word follows the number at `run` of `text` (02-2231-8876 내선 204,
// 031-231-7864 (내선 9510)).
bool extension_follows(std::string_view text, const Span& run) {
  std::size_t k = run.byte_end;
  while (k < text.size() && (text[k] == ' ' || text[k] == '(' || text[k] == ',' || text[k] == '/'))
    ++k;
  const std::string_view rest = text.substr(k);
  return std::any_of(std::begin(labels::kExtensionWords), std::end(labels::kExtensionWords),
                     [&](std::string_view w) { return rest.starts_with(w); });
}
// The last ASCII digit of s at or before `pos`, or npos: find_last_of("0123456789"), which
// compares each byte with the ten digits in a call of its own, over whole lines before numbers.
std::size_t last_ascii_digit(std::string_view s, std::size_t pos = std::string_view::npos) {
  if (s.empty()) return std::string_view::npos;
  for (std::size_t k = std::min(pos, s.size() - 1) + 1; k-- > 0;)
    if (is_ascii_digit(static_cast<unsigned char>(s[k]))) return k;
  return std::string_view::npos;
}
// The words before a number back to the number before it on its line (직통 062.2444.9541 / 민원실
// 02-...): the words further back speak of that other number.
std::string_view past_earlier_number(std::string_view before) {
  const std::size_t at = last_ascii_digit(before);
  return at == std::string_view::npos ? before : before.substr(at + 1);
}
// Whether a number stands right before a landline's words `before` with no word between them,
// only spaces and marks (67890 02-..., 67890 / 031-...).
bool right_after_a_number(std::string_view before) {
  const std::size_t at = last_ascii_digit(before);
  if (at == std::string_view::npos) return false;
  for (std::size_t k = at + 1; k < before.size(); ++k)
    if (is_ascii_letter(static_cast<unsigned char>(before[k])) || hangul_syllable_at(before, k))
      return false;
  return true;
}
// Whether a shop's name heads the line of the landline right after it (꽃담플라워 043-...,
// 렌탈샵: 02-...): one word ending in a trade's word (labels::kBusinessNameEndings).
bool shop_heads_line(std::string_view text, const Span& run) {
  constexpr std::size_t kShortestName = 6;  // bytes: two Hangul syllables
  const std::string_view before = line_before(text, run, kDeskReach);
  const std::size_t from = run.byte_start - before.size();
  if (from > 0 && text[from - 1] != '\n') return false;  // the line begins further back
  const std::string_view word = last_word(before);
  const std::string_view head = before.substr(0, static_cast<std::size_t>(word.data() - before.data()));
  return word.size() >= kShortestName && head.find_first_not_of(' ') == std::string_view::npos &&
         ends_in_business_word(word);
}
// The word naming a landline's owner right before it or right before its telephone word (센터
// 전화 053-..., 사무실은 053-..., "사무실": "031-..."): an organisation's, an office's or a unit's;
// else nothing. The line's words before it (a chat's speaker and title) speak of someone else.
// Whether a word is a telephone word, maybe with a particle after it (번호는, 전화는).
bool is_telephone_word(std::string_view word) {
  return std::any_of(std::begin(labels::kTelephoneWords), std::end(labels::kTelephoneWords),
                     [&](std::string_view t) {
                       if (!word.starts_with(t)) return false;
                       const std::string_view rest = word.substr(t.size());
                       return rest.empty() ||
                              std::find(std::begin(labels::kParticles), std::end(labels::kParticles),
                                        rest) != std::end(labels::kParticles);
                     });
}
// The word right before a landline, or right before its telephone word (센터 전화, 사무장 번호는).
std::string_view word_before_telephone(std::string_view before) {
  const std::string_view word = last_word(before);
  return is_telephone_word(word)
             ? last_word(before.substr(0, static_cast<std::size_t>(word.data() - before.data())))
             : word;
}
std::string_view telephone_owner_before(std::string_view before) {
  const std::string_view word = word_before_telephone(before);
  const bool owner = telephone_owner_words().in(word) ||
                     (ends_with_any(word, labels::kOfficeUnitEndings) && !ends_with_region(word));
  return owner && !names_a_person(word) ? word : std::string_view{};
}
// Whether a landline's digits end as offices number their main lines (labels::kMainLineEndings:
// 063-791-0000, 041-330-9200, 053-575-1114).
bool numbered_as_main_line(std::span<const std::uint8_t> d) {
  if (d.size() < 9) return false;
  return std::any_of(std::begin(labels::kMainLineEndings), std::end(labels::kMainLineEndings),
                     [&](std::string_view e) {
                       const std::span<const std::uint8_t> last = d.last(e.size());
                       return std::equal(last.begin(), last.end(), e.begin(),
                                         [](std::uint8_t v, char c) { return v == c - '0'; });
                     });
}
// The word naming an office's main line right before it or its telephone word (마을 사무장 번호는
// 02-972-0114, 도장 전화 - 053-575-1114): a line numbered as offices number their main lines and
// an office's or a place's word (labels::kMainLineOfficeWords); neither alone. Else nothing.
std::string_view office_main_line_word(std::span<const std::uint8_t> d, std::string_view before) {
  if (!numbered_as_main_line(d)) return {};
  const std::string_view word = word_before_telephone(before);
  return ends_with_any(word, labels::kMainLineOfficeWords) && !names_a_person(word)
             ? word
             : std::string_view{};
}
// Whether a landline follows a person's direct line on its line under a bare telephone word
// (직통 053-... / T. 042-..., Direct: 02-... | Tel 051-...): a signature's office main line.
bool main_line_after_direct(std::string_view before) {
  const std::size_t earlier = last_ascii_digit(before);
  if (earlier == std::string_view::npos) return false;
  const std::string_view between = before.substr(earlier + 1);
  const std::string_view word = last_word(between);
  if (std::find(std::begin(labels::kTelephoneWords), std::end(labels::kTelephoneWords), word) ==
      std::end(labels::kTelephoneWords))
    return false;
  // The earlier number's label: the last word before its digits and their separators.
  std::string_view head = before.substr(0, earlier);
  const std::size_t digits = head.find_last_not_of("0123456789-. )");
  head = head.substr(0, digits == std::string_view::npos ? 0 : digits + 1);
  const std::string_view label = last_word(head);
  return std::find(std::begin(labels::kDirectLineWords), std::end(labels::kDirectLineWords),
                   label) != std::end(labels::kDirectLineWords);
}
// Whether `words` end in a person's side (신랑측, 신부 측, 혼주측, 아빠측, 상주측): 측 after a
// person's role or relation. An organisation's side (회사측, 주최 측, 예식장측) is none.
bool persons_side(std::string_view words) {
  while (words.ends_with(' ')) words.remove_suffix(1);
  if (!words.ends_with(labels::kSideWord)) return false;
  words.remove_suffix(labels::kSideWord.size());
  while (words.ends_with(' ')) words.remove_suffix(1);
  return ends_with_any(words, labels::kPersonRoles);
}
// The word right before the account's label's 계좌 when it names the account's owner (관리사무소
// 계좌 농협 ..., 사진관 계좌: ...): an organisation, an office named only as a holder, or a
// business by its trade; else nothing. A person's side is no owner (신랑측 계좌).
std::string_view account_owner_before(std::string_view before) {
  const std::string_view label = account_label_before(before);
  if (!label.ends_with(labels::kAccountWord)) return {};
  std::string_view said = label.substr(0, label.size() - labels::kAccountWord.size());
  std::string_view owner = last_word(said);
  // A qualifier between the owner and 계좌 (학회 공식 계좌, 회사 명의 계좌) says nothing of whose.
  if (std::find(std::begin(labels::kAccountOwnerQualifiers), std::end(labels::kAccountOwnerQualifiers),
                owner) != std::end(labels::kAccountOwnerQualifiers))
    owner = last_word(said.substr(0, static_cast<std::size_t>(owner.data() - said.data())));
  const std::string_view word_before =
      last_word(said.substr(0, static_cast<std::size_t>(owner.data() - said.data())));
  // A bank's name or its branch (산림조합 계좌, 국민은행 강남지점 계좌) owns no account.
  const std::string_view owner_and_word_before(
      word_before.empty() ? owner.data() : word_before.data(),
      static_cast<std::size_t>(owner.data() + owner.size() -
                               (word_before.empty() ? owner.data() : word_before.data())));
  const bool organisation =
      (holder_organisation_words().in(owner) &&
       organisation_outside_banks(holder_organisation_words(), owner_and_word_before, true)) ||
      ends_in_business_word(owner) || ends_with_any(owner, labels::kAccountOwnerEndings);
  // 측 alone after its side's word (신부 측 계좌): the side is read up to it.
  const std::string_view side(said.data(), static_cast<std::size_t>(owner.data() + owner.size() - said.data()));
  // The person's own word leading the owner or right before it (개인사업자 계좌, 본인 사업자
  // 계좌) makes the business theirs.
  const auto self_word = [](std::string_view w) {
    return std::any_of(std::begin(labels::kSelfOwnerWords), std::end(labels::kSelfOwnerWords),
                       [&](std::string_view s) { return w.starts_with(s); });
  };
  const bool self = self_word(owner) || self_word(word_before);
  return organisation && !persons_side(side) && !self ? owner : std::string_view{};
}
// The last bytes of s that fit `into` with their spaces taken out, written there.
std::string_view without_spaces(std::string_view s, std::span<char> into) {
  std::size_t n = 0;
  for (std::size_t k = s.size() > into.size() ? s.size() - into.size() : 0; k < s.size(); ++k)
    if (s[k] != ' ') into[n++] = s[k];
  return {into.data(), n};
}
// Whether the bracket right after an account's 계좌 names its owner or its one use ((회사), (법인),
// (1회용)): an owner's ending, an organisation, a collection account's word, and no person.
bool owner_bracketed_after_account(std::string_view rest) {
  if (!rest.starts_with('(')) return false;
  const std::size_t close = rest.find(')');
  if (close == std::string_view::npos) return false;
  const std::string_view inside = rest.substr(1, close - 1);
  return (ends_with_any(inside, labels::kAccountOwnerEndings) ||
          ends_with_any(inside, labels::kCollectionAccountWords) ||
          organisation_words().in(inside)) &&
         !names_a_person(inside) && !persons_side(inside);
}
// Whether the account's label, back to the number before it and spaces aside, names a collection
// account (가상계좌: 국민 ..., 납부용 가상계좌는 ..., 전 용   입 금 계 좌 : ..., a column headed 가상계좌,
// 헌금 계좌, 납부 계좌(1회용)) or its owner in a bracket right after 계좌 ([입금 계좌(회사)]).
bool collection_account_named(std::string_view before) {
  // Most labels before an account end in another word: 계좌's last syllable is looked for first.
  constexpr std::string_view kAccountWordEnd = labels::kAccountWord.substr(3);
  if (before.find(kAccountWordEnd) == std::string_view::npos) return false;
  // Back to the number before it: a lone digit leading a word (1회용) is the label's.
  std::size_t earlier = last_ascii_digit(before);
  while (earlier != std::string_view::npos && hangul_syllable_at(before, earlier + 1) &&
         (earlier == 0 || !is_ascii_digit(static_cast<unsigned char>(before[earlier - 1]))))
    earlier = earlier == 0 ? std::string_view::npos : last_ascii_digit(before, earlier - 1);
  std::array<char, kPhraseReach> kept;
  const std::string_view compact = without_spaces(
      earlier == std::string_view::npos ? before : before.substr(earlier + 1), kept);
  const std::size_t at = compact.rfind(labels::kAccountWord);
  return at != std::string_view::npos &&
         (ends_with_any(compact.substr(0, at), labels::kCollectionAccountWords) ||
          owner_bracketed_after_account(compact.substr(at + labels::kAccountWord.size())));
}
// The speaker leading a chat's line (새벽FC: ..., 댄스 아카데미 : ..., [14:02] 하늘요가: ...,
// [새벽FC] ...) and the message after it, both read up to `end`; nothing when the line names no
// speaker or starts further back than a line's reach. A clock's colon (3:01) is no speaker's.
std::pair<std::string_view, std::string_view> chat_speaker(std::string_view text, std::size_t end) {
  constexpr std::size_t kLineReach = 120;
  const std::size_t from = end > kLineReach ? end - kLineReach : 0;
  const void* nl = memrchr(text.data() + from, '\n', end - from);
  if (!nl && from > 0) return {};
  std::string_view line = text.substr(0, end);
  line.remove_prefix(nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - text.data()) + 1
                        : 0);
  // Bracketed stamps before the name: a time's, or the speaker's own when no name follows.
  std::string_view bracketed_name;
  while (line.starts_with('[')) {
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return {};
    bracketed_name = line.substr(1, close - 1);
    line.remove_prefix(close + 1);
    while (line.starts_with(' ')) line.remove_prefix(1);
  }
  for (std::size_t c = line.find(':'); c != std::string_view::npos; c = line.find(':', c + 1))
    if (c > 0 && c + 1 < line.size() && line[c + 1] == ' ' &&
        !is_ascii_digit(static_cast<unsigned char>(line[c - 1]))) {
      std::string_view name = line.substr(0, c);
      while (name.ends_with(' ')) name.remove_suffix(1);
      return {name, line.substr(c + 1)};
    }
  return {bracketed_name, bracketed_name.empty() ? std::string_view{} : line};
}
// Whether a chat's speaker is an organisation, a club or a business giving its own account to pay
// into (새벽FC: 회비 계좌 ..., 댄스 아카데미 : 회비 계좌: ..., [14:02] 하늘요가: 수업료 입금 계좌 ...):
// its name ends in such a word, or it is a staff member speaking for one about paying in (상담원:
// 입금 계좌 ...), and names no person or officer, its message names the account, and
// neither the message nor the words after the number name a person, the writer's own account (제
// 계좌), an officer (총무) or money paid out (환불 계좌, 환급).
bool organisation_speaks(std::string_view text, const Span& run, std::string_view after) {
  const auto [speaker, message] = chat_speaker(text, run.byte_start);
  if (speaker.empty()) return false;
  // Most speakers are people, whose names end in no such word's last syllable.
  static const std::bitset<unicode::kSyllableCount> last_syllables = [] {
    std::bitset<unicode::kSyllableCount> set;
    for (std::span<const std::string_view> table :
         {std::span<const std::string_view>(labels::kOrganisationWords),
          std::span<const std::string_view>(labels::kAssociationWords),
          std::span<const std::string_view>(labels::kBusinessNameEndings),
          std::span<const std::string_view>(labels::kClubNameEndings)})
      for (std::string_view w : table)
        if (const int k = w.size() >= 3 ? unicode::syllable_at(w, w.size() - 3) : -1; k >= 0)
          set.set(static_cast<std::size_t>(k));
    return set;
  }();
  // A staff member speaking for the organisation gives its account to pay into (상담원: 입금 계좌
  // 신협 ... 입니다), never one their message names no paying in.
  const bool agent = std::any_of(std::begin(labels::kAgentSpeakers), std::end(labels::kAgentSpeakers),
                                 [&](std::string_view w) { return speaker.starts_with(w); }) &&
                     holds_any(message, labels::kPayInWords);
  const int last = speaker.size() >= 3 ? unicode::syllable_at(speaker, speaker.size() - 3) : -1;
  if (!agent && last >= 0 && !last_syllables.test(static_cast<std::size_t>(last))) return false;
  const bool organisation =
      agent ||
      ((ends_with_any(speaker, labels::kOrganisationWords) ||
        ends_with_any(speaker, labels::kAssociationWords)) &&
       organisation_outside_banks(organisation_words(), speaker, false)) ||
      ends_in_business_word(speaker) || ends_with_any(speaker, labels::kClubNameEndings);
  // A form's label before its value (계좌 산림조합: 110-...) is no speaker: the message names the
  // account, the speaker does not, and a bank is no speaker.
  return organisation && !holds_any(speaker, labels::kAccountWordsInside) &&
         holds_any(message, labels::kAccountWordsInside) && !names_a_person(speaker) &&
         !holds_any(speaker, labels::kClubOfficerWords) && !names_a_person(message) &&
         !holds_any(message, labels::kClubOfficerWords) &&
         !holds_any(message, labels::kPayoutWords) &&
         !holds_any(message, labels::kWritersOwnAccountWords) && !held_by_a_named_person(after) &&
         !names_a_person(after) && !bracket_holds_a_name(after) &&
         !holds_any(after, labels::kClubOfficerWords) && !in_a_persons_row(text, run);
}
// Whether the bracket right after the label's 계좌 names a club's officer (회비 계좌(총무) 신한
// ...): the dues go into that officer's own account, whatever the club is.
bool officer_bracketed_after_account(std::string_view before) {
  const std::size_t at = before.rfind(labels::kAccountWord);
  if (at == std::string_view::npos) return false;
  std::string_view rest = before.substr(at + labels::kAccountWord.size());
  while (rest.starts_with(' ')) rest.remove_prefix(1);
  if (!rest.starts_with('(')) return false;
  const std::string_view inside = rest.substr(1, rest.find(')') - 1);
  return std::any_of(std::begin(labels::kClubOfficerWords), std::end(labels::kClubOfficerWords),
                     [&](std::string_view w) { return inside.find(w) != std::string_view::npos; });
}
// Whether the account's words back to the number before it name where members pay their dues
// (회비 입금처: ..., 연회비 입금처는 카카오뱅크 ...), with no officer named on its line (회비
// 입금처 (총무) ...): the club's own account.
bool dues_place_named(std::string_view before, std::string_view after) {
  const std::string_view field = past_earlier_number(before);
  for (std::size_t at = field.rfind(labels::kDepositInWord); at != std::string_view::npos;
       at = at == 0 ? std::string_view::npos : field.rfind(labels::kDepositInWord, at - 1)) {
    if (!field.substr(at + labels::kDepositInWord.size()).starts_with(labels::kDepositPlaceWord))
      continue;
    std::string_view dues = field.substr(0, at);
    while (dues.ends_with(' ')) dues.remove_suffix(1);
    return ends_with_any(dues, labels::kDuesWords) && !holds_any(field, labels::kClubOfficerWords) &&
           !holds_any(after, labels::kClubOfficerWords);
  }
  return false;
}
// Whether a notice gives the account its readers pay into under a bare 입금 계좌 (- 입금 계좌
// NH농협은행 ... 참고해 주세요): no one speaks on its line, the label is 입금 계좌 alone (not 예약금
// 입금계좌, whose charge decides), the clause after the number asks as a notice does
// (labels::kNoticeRequestWords), and no person, writer's own account or payout is named.
bool notice_asks_to_pay_in(std::string_view text, const Span& run, std::string_view before,
                           std::string_view after) {
  // Most accounts' words before them hold no 입금: looked for before the notice's words after.
  if (before.find(labels::kDepositInWord) == std::string_view::npos ||
      !holds_any(after, labels::kNoticeRequestWords))
    return false;
  std::array<char, kPhraseReach> kept;
  std::string_view label = without_spaces(account_label_before(before), kept);
  if (label.ends_with(labels::kAccountNumberWord))
    label.remove_suffix(labels::kAccountNumberWord.size() - labels::kAccountWord.size());
  if (!label.ends_with(labels::kAccountWord)) return false;
  label.remove_suffix(labels::kAccountWord.size());
  if (!label.ends_with(labels::kDepositInWord)) return false;
  label.remove_suffix(labels::kDepositInWord.size());
  if (label.size() >= 3 && hangul_syllable_at(label, label.size() - 3)) return false;
  // A form's label before its colon (입금 계좌: ...) is read as a chat's speaker: no one speaks.
  const std::string_view speaker = chat_speaker(text, run.byte_start).first,
                         line = line_before(text, run, kIdentityReach);
  return (speaker.empty() || holds_any(speaker, labels::kAccountWordsInside)) &&
         !names_a_person(line) &&
         !names_a_person(after) && !held_by_a_named_person(after) &&
         !bracket_holds_a_name(after) && !holds_any(line, labels::kWritersOwnAccountWords) &&
         !holds_any(line, labels::kPayoutWords) && !holds_any(after, labels::kPayoutWords);
}
// Whether a column's header names an organisation's account by its owner (성당 계좌, 공방 계좌,
// 모임 통장, 동호회 회비 계좌) with no person, officer nor money paid out named in it (보호자
// 계좌, 총무 계좌, 학원 환불 계좌): every row's account in it is that organisation's.
bool organisation_account_column(std::string_view header) {
  if (header.empty()) return false;
  const bool owned = holds_any(header, labels::kAccountWordsInside) &&
                     (!account_owner_before(header).empty() ||
                      organisation_outside_banks(organisation_words(), header, true));
  return (owned || dues_place_named(header, {})) && !names_a_person(header) &&
         !holds_any(header, labels::kClubOfficerWords) &&
         !holds_any(header, labels::kPayoutWords);
}
// The line above the one the value's words before it (`before`, read back to a line's start)
// begin; nothing when they begin the text.
std::string_view line_above(std::string_view text, const Span& run, std::string_view before) {
  const std::size_t start = run.byte_start - before.size();
  if (start == 0 || text[start - 1] != '\n') return {};
  const std::string_view above = text.substr(0, start - 1);
  const void* nl = memrchr(above.data(), '\n', above.size());
  return nl ? above.substr(static_cast<std::size_t>(static_cast<const char*>(nl) - above.data()) + 1)
            : above;
}
// The line above the account's when the account's own line holds nothing before it but a bank's
// name (가상계좌 안내드립니다. / 국민 5620...): that line's label names it; else nothing.
std::string_view label_line_above(std::string_view text, const Span& run, std::string_view before) {
  if (unicode::count_ascii_digits(before) > 0) return {};
  const std::size_t word = before.find_first_not_of(' ');
  if (word != std::string_view::npos && before.find(' ', word) != before.find_last_not_of(' ') + 1)
    return {};  // more than one word
  return line_above(text, run, before);
}
// Whether a line's words are its syllables spaced out one by one, three of them at least (관 리 사
// 무 소): a scan's or a form's letter-spaced label.
bool syllables_spaced_out(std::string_view line) {
  constexpr std::size_t kFewestSyllables = 3;
  std::size_t syllables = 0;
  for (std::size_t k = 0; k < line.size();) {
    if (line[k] == ' ') {
      ++k;
      continue;
    }
    if (!hangul_syllable_at(line, k) || (k + 3 < line.size() && line[k + 3] != ' ')) return false;
    ++syllables;
    k += 3;
  }
  return syllables >= kFewestSyllables;
}
// Whether a word is, whole, one of the words naming an organisation's or a place's kind (사무실,
// 관리사무소, 매장), not a name ending in one (행복나눔 종합사회복지관).
bool names_a_place_kind(std::string_view word) {
  const auto among = [&](std::span<const std::string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
  };
  return among(labels::kOrganisationWords) || among(labels::kOrganisationRoleWords) ||
         among(labels::kMainLineOfficeWords);
}
// The label of a landline written alone on its line, or alone in a table's cell, under it (사무실
// 전화 / 055-..., | 매장 전화 / 033-... |, 관 리 사 무 소 / 02-...): the line above when it is a label
// only, its table's bars and marks trimmed and a letter-spaced one written into `into` without its
// spaces; else nothing. A label names a telephone (센터 전화) or is a place's kind alone
// (관리사무소); an organisation's name alone above a number is a signature's or a letterhead's
// line (김민지 사회복지사 / 행복나눔 종합사회복지관 / 02-...), and a person on it makes the line theirs.
std::string_view landline_label_above(std::string_view text, const Span& run,
                                      std::string_view before, std::span<char> into) {
  constexpr std::string_view kMarks = " \t|:-";
  if (before.find_first_not_of(kMarks) != std::string_view::npos) return {};
  std::string_view above = line_above(text, run, before);
  const std::size_t first = above.find_first_not_of(kMarks), last = above.find_last_not_of(kMarks);
  if (first == std::string_view::npos || above.size() - first > into.size()) return {};
  above = above.substr(first, last + 1 - first);
  if (unicode::count_ascii_digits(above) > 0 || names_a_person(above)) return {};
  if (syllables_spaced_out(above)) above = without_spaces(above, into);
  return is_telephone_word(last_word(above)) || names_a_place_kind(above) ? above
                                                                          : std::string_view{};
}
// Whether an English label back to the number before the account names the organisation's
// account by its word before "account" (Charity account - 농협 ..., Donation account:, a form's
// Charity account and a tab), the two words read as a key is (charityaccount, donationaccount).
bool english_organisation_account_named(std::string_view before) {
  constexpr std::string_view kAccount = "account";
  // Most labels hold no English account word: its last letters are looked for first, then the
  // number before it.
  const std::size_t at = before.rfind(kAccount.substr(1));
  if (at == std::string_view::npos || at == 0 ||
      unicode::ascii_lower(static_cast<unsigned char>(before[at - 1])) != 'a')
    return false;
  const std::size_t earlier = before.find_last_of("0123456789");
  if (earlier != std::string_view::npos && earlier > at) return false;
  std::size_t k = at - 1;
  while (k > 0 && (before[k - 1] == ' ' || joins_key_words(before[k - 1]))) --k;
  char key[24];
  std::size_t n = kAccount.size();
  std::size_t from = k;
  while (from > 0 && is_ascii_letter(static_cast<unsigned char>(before[from - 1]))) --from;
  if (from == k || k - from + n > sizeof key) return false;
  for (std::size_t i = from; i < k; ++i)
    key[i - from] = static_cast<char>(unicode::ascii_lower(static_cast<unsigned char>(before[i])));
  std::copy(kAccount.begin(), kAccount.end(), key + (k - from));
  n += k - from;
  const std::string_view read(key, n);
  return std::find(std::begin(labels::kOrganisationAccountKeys),
                   std::end(labels::kOrganisationAccountKeys),
                   read) != std::end(labels::kOrganisationAccountKeys);
}
// Whether the key right before the account names the organisation's account (payee_account=,
// "virtual_account": ", sponsorAccount:, corp.account:), read lower-cased without what joins its
// words (joins_key_words: the label walk's reading of a key).
bool organisation_account_key(std::string_view before) {
  constexpr std::string_view kMarks = " :=\"'";
  while (!before.empty() && kMarks.find(before.back()) != std::string_view::npos) before.remove_suffix(1);
  char key[24];
  std::size_t n = 0;
  for (std::size_t k = before.size(); k > 0; --k) {
    const auto c = static_cast<unsigned char>(before[k - 1]);
    if (joins_key_words(static_cast<char>(c))) continue;
    if (!is_ascii_letter(c) && !is_ascii_digit(c)) break;
    if (n == sizeof key) return false;
    key[n++] = static_cast<char>(unicode::ascii_lower(c));
  }
  std::reverse(key, key + n);
  const std::string_view read(key, n);
  return std::any_of(std::begin(labels::kOrganisationAccountKeys),
                     std::end(labels::kOrganisationAccountKeys),
                     [&](std::string_view k) { return read.starts_with(k); });
}
// Whether the words right before a landline, past its marks, a key's quotes and a bracket's end,
// end in one of `names` (labels::kEnglishDeskNames: Front desk:, Branch tel, "front_desk": ",
// (Office Main Phone) :), whole words in any case; a key's underscore stands for the space.
bool english_desk_before(std::string_view before, std::span<const std::string_view> names) {
  constexpr std::string_view kMarks = " \t:-()\"'=";
  while (!before.empty() && kMarks.find(before.back()) != std::string_view::npos)
    before.remove_suffix(1);
  return std::any_of(names.begin(), names.end(),
                     [&](std::string_view name) {
                       // Most words before a landline end in another letter: the last one first.
                       if (before.size() < name.size() ||
                           unicode::ascii_lower(static_cast<unsigned char>(before.back())) != name.back())
                         return false;
                       const std::size_t at = before.size() - name.size();
                       if (at > 0 && (is_ascii_letter(static_cast<unsigned char>(before[at - 1])) ||
                                      before[at - 1] == '_'))
                         return false;
                       return std::equal(name.begin(), name.end(), before.begin() + at,
                                         [](char n, char c) {
                                           return (n == ' ' && c == '_') ||
                                                  unicode::ascii_lower(static_cast<unsigned char>(c)) == n;
                                         });
                     });
}
// Whether a mailbox's local part is, whole and in any case, one of `roles`.
bool is_mailbox_name_of(std::string_view name, std::span<const std::string_view> roles) {
  if (name.empty()) return false;
  const char first = static_cast<char>(unicode::ascii_lower(static_cast<unsigned char>(name[0])));
  return std::any_of(roles.begin(), roles.end(), [&](std::string_view role) {
    return name.size() == role.size() && role[0] == first &&
           std::equal(name.begin(), name.end(), role.begin(), [](char a, char b) {
             return unicode::ascii_lower(static_cast<unsigned char>(a)) == b;
           });
  });
}
// Whether a mailbox's local part is, whole and in any case, a role's (labels::kRoleMailboxes).
bool is_role_mailbox_name(std::string_view name) {
  return is_mailbox_name_of(name, labels::kRoleMailboxes);
}
// Whether an organisation's shared mailbox stands in a line before a number (General inquiries:
// support@hanbit.co.kr / Main 053-...): the line lists the organisation's contacts.
bool shared_mailbox_in(std::string_view line) {
  for (std::size_t at = line.find('@'); at != std::string_view::npos; at = line.find('@', at + 1)) {
    std::size_t from = at;
    while (from > 0 && (is_ascii_letter(static_cast<unsigned char>(line[from - 1])) ||
                        is_ascii_digit(static_cast<unsigned char>(line[from - 1])) ||
                        line[from - 1] == '.' || line[from - 1] == '-' || line[from - 1] == '_'))
      --from;
    if (is_role_mailbox_name(line.substr(from, at - from))) return true;
  }
  return false;
}
// Whether a person's word stands in s outside the words of money paid out to the holder (환불
// 계좌, 정산 계좌: whose depends on the paper, not on the word).
bool names_a_person_but_payout(std::string_view s) {
  for (std::string_view w : labels::kPayoutWords)
    if (const std::size_t at = s.find(w); at != std::string_view::npos)
      return names_a_person_but_payout(s.substr(0, at)) ||
             names_a_person_but_payout(s.substr(at + w.size()));
  return names_a_person(s);
}
// The value's own field of a record written on one line ({"관리비 납부계좌": "...", "환불계좌": "..."},
// a | b | c): the words before it back past the last field's mark, and after it up to the next.
// The other fields' words speak of their own values.
constexpr std::string_view kFieldMarks = ",|\t;";
std::string_view own_field_before(std::string_view before) {
  const std::size_t mark = before.find_last_of(kFieldMarks);
  return mark == std::string_view::npos ? before : before.substr(mark + 1);
}
std::string_view own_field_after(std::string_view after) {
  return after.substr(0, after.find_first_of(kFieldMarks));
}
// Whether the account is a later field of a business's record written on one line, its fields
// apart by slashes or bars (업체 사업자 782-05-06057 / 환불 계좌 수협 ... / 문의 02-...): an
// organisation or a business named and its registration in the fields before, no person on the
// line. Its refund or settlement account is the business's own.
bool in_business_record(std::string_view text, const Span& run, std::string_view after) {
  constexpr std::size_t kRegistrationDigits = 4;
  const std::string_view line = line_before(text, run, kIdentityReach);
  // The last field's start, past the last slash or bar: memrchr, as most lines hold neither.
  const auto past_last = [&](char mark) -> std::size_t {
    const void* at = memrchr(line.data(), mark, line.size());
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - line.data()) + 1 : 0;
  };
  const std::size_t field = std::max(past_last('/'), past_last('|'));
  if (field == 0) return false;
  const std::string_view head = line.substr(0, field - 1), label = line.substr(field);
  return !account_label_before(label).empty() &&
         unicode::count_ascii_digits(head) >= kRegistrationDigits &&
         business_identity_words().in(head) &&
         (organisation_words().in(head) || names_a_business(head)) && !names_a_person(head) &&
         !names_a_person_but_payout(label) && !names_a_person(after);
}
// Whether the account stands under a settlement key on a line holding a merchant's key
// (merchant_brn=... settlement_account=...): the merchant's account its sales are paid into.
bool merchant_settlement(std::string_view text, const Span& run, std::string_view before) {
  return last_word(before).find(labels::kSettlementKeyWord) != std::string_view::npos &&
         (line_before(text, run, kIdentityReach).find(labels::kMerchantKeyWord) !=
              std::string_view::npos ||
          line_after(text, run).find(labels::kMerchantKeyWord) != std::string_view::npos);
}
// Whether the letters right before a number are a company line's label (labels::kCompany, at full
// weight) as a scan wrote it: spaced out letter by letter (F A X, F  A  X) or with one syllable
// misread (대표번흐, 고객샌터: labels::kMisreadSyllables). The label as written is read by the walk.
bool garbled_company_label(std::string_view before) {
  constexpr std::size_t kMostLetters = 8;
  std::string_view letters[kMostLetters];  // from the last one back
  std::size_t count = 0, end = before.size();
  while (end > 0 && (before[end - 1] == ' ' || before[end - 1] == ':' || before[end - 1] == '.'))
    --end;
  for (std::size_t p = end; p > 0 && count < kMostLetters;) {
    if (before[p - 1] == ' ') {
      --p;
      continue;
    }
    std::size_t width = 0;
    if (is_ascii_letter(static_cast<unsigned char>(before[p - 1]))) width = 1;
    else if (p >= 3 && unicode::syllable_at(before, p - 3) >= 0) width = 3;
    if (width == 0) break;
    p -= width;
    letters[count++] = before.substr(p, width);
  }
  if (count == 0) return false;
  // Most numbers have neither a letter standing alone right before them nor a misread syllable:
  // no label is tried.
  const auto spanned_of = [&](std::size_t letters_in) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < letters_in; ++i) bytes += letters[i].size();
    return static_cast<std::size_t>(letters[0].data() + letters[0].size() -
                                    letters[letters_in - 1].data()) > bytes;
  };
  const auto misread_syllable = [&](std::string_view letter) {
    return letter.size() == 3 &&
           std::any_of(kMisreadKeys.begin(), kMisreadKeys.end(),
                       [&](const auto& key) { return key.second == syllable_key(letter, 0); });
  };
  const bool last_letter_alone = count >= 2 && letters[0].data() > before.data() &&
                                 letters[0].data()[-1] == ' ';
  if (!last_letter_alone && std::none_of(letters, letters + count, misread_syllable)) return false;
  auto same = [](std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return unicode::ascii_lower(static_cast<unsigned char>(x)) ==
                    unicode::ascii_lower(static_cast<unsigned char>(y));
           });
  };
  for (const labels::Label& label : labels::kCompany) {
    if (label.weight < 1.0f) continue;
    std::size_t k = label.word.size(), matched = 0, misreads = 0;
    while (k > 0) {
      if (label.word[k - 1] == ' ') {
        --k;
        continue;
      }
      const std::size_t width = static_cast<unsigned char>(label.word[k - 1]) < 0x80 ? 1 : 3;
      if (k < width || matched == count) break;
      const std::string_view want = label.word.substr(k - width, width), got = letters[matched];
      if (!same(want, got)) {
        if (width != 3 || !misread_syllable_at(want, got, 0, got.size())) break;
        ++misreads;
      }
      k -= width;
      ++matched;
    }
    if (k > 0 || matched == 0 || misreads > 1) continue;
    // Spaced out: the bytes from its first letter to its last hold more than its letters.
    if (misreads == 1 || spanned_of(matched)) return true;
  }
  return false;
}
// The last word of a phrase as its letters alone (Hangul syllables, ASCII letters), past the
// marks, brackets and signs around it: 【교무실】, (매장, ▷ 사무국:, 대표전화：.
std::string_view letters_at_end(std::string_view phrase) {
  const auto letter_ending_at = [&](std::size_t end) -> std::size_t {  // its width, or 0
    if (is_ascii_letter(static_cast<unsigned char>(phrase[end - 1]))) return 1;
    return end >= 3 && hangul_syllable_at(phrase, end - 3) ? 3 : 0;
  };
  std::size_t end = phrase.size();
  while (end > 0 && letter_ending_at(end) == 0) --end;
  std::size_t start = end;
  for (std::size_t w; start > 0 && (w = letter_ending_at(start)) > 0;) start -= w;
  return phrase.substr(start, end - start);
}
// Whether a word is, whole and in any case, a company line's label (대표전화, 매장, 본사, FAX).
bool is_company_line_label(std::string_view word) {
  return std::any_of(std::begin(labels::kCompany), std::end(labels::kCompany),
                     [&](const labels::Label& l) { return equals_ignoring_case(word, l.word); });
}
// The word naming whose line it is: the phrase's last word, or the word before its telephone word.
std::string_view line_owner_word(std::string_view phrase) {
  const std::string_view word = letters_at_end(phrase);
  return is_telephone_word(word) ? letters_at_end(phrase.substr(
                                       0, static_cast<std::size_t>(word.data() - phrase.data())))
                                 : word;
}
// Whether that word names an office's or a place's line, with no person in its phrase.
bool owner_word_names_an_office(std::string_view phrase, std::string_view word) {
  return !word.empty() && !person_words().in(phrase) &&
         (names_a_place_kind(word) || !telephone_owner_before(word).empty() ||
          is_company_line_label(word));
}
// Whether a phrase names an office's or a place's line, not a person's: a column's header (사무실,
// 교무실, 본점 전화, 대표번호, FAX). Its last word, or the word before its telephone word,
// is a place's kind, a unit's desk or a company line's label, and no person stands in it (보호자
// 연락처, 자택, 연구실).
bool names_an_office_line(std::string_view phrase) {
  return owner_word_names_an_office(phrase, line_owner_word(phrase));
}
// Whether the words right before a landline name an office's line as a form's label does: a
// company line's label (대표전화：, 팩스), or an office's word set off by a bracket or a mark
// (【교무실】, ▷ 사무국:). Plain (연락처 사무실 053-...), the word may say where a person answers.
bool office_label_set_off(std::string_view field) {
  const std::string_view word = line_owner_word(field);
  if (!owner_word_names_an_office(field, word)) return false;
  std::string_view before = field.substr(0, static_cast<std::size_t>(word.data() - field.data()));
  while (before.ends_with(' ')) before.remove_suffix(1);
  return is_company_line_label(word) ||
         std::any_of(std::begin(labels::kLabelSetOffMarks), std::end(labels::kLabelSetOffMarks),
                     [&](std::string_view m) { return before.ends_with(m); });
}
// Whether s names a person's own line by a phone label of theirs (휴대폰, 연락처, 자택, HP, Mobile).
bool names_a_personal_line(std::string_view s) {
  for (const labels::Label& l : labels::kPhone) {
    if (!(l.flags & labels::kPersonal) || (l.flags & labels::kLogKey)) continue;
    if (!(l.flags & labels::kAscii)) {
      if (s.find(l.word) != std::string_view::npos) return true;
      continue;
    }
    for (std::size_t k = 0; k + l.word.size() <= s.size(); ++k)
      if (equals_ignoring_case(s.substr(k, l.word.size()), l.word) &&
          (k == 0 || !is_ascii_letter(static_cast<unsigned char>(s[k - 1]))) &&
          (k + l.word.size() == s.size() ||
           !is_ascii_letter(static_cast<unsigned char>(s[k + l.word.size()]))))
        return true;
  }
  return false;
}
// Whether s names a person: a name's field (이름, 성명) or a person's word (담당자, 보호자).
bool names_a_person_or_name_field(std::string_view s) {
  return names_a_person(s) || holds_any(s, labels::kNameFieldWords);
}
// Whether the header of the value's column names an office's line, and the other columns of its
// header line either give each row's person a line of their own (번호,이름,휴대폰,사무실) or name
// no person (학교명,교무실,행정실): the office's column is the office's. Beside a person's name
// alone (| 이름 | 사무실 전화 |) it is that person's desk.
bool under_office_column(std::string_view text, const LabelSearch* labels) {
  if (!labels) return false;
  const std::string_view header = labels->column_header(text);
  if (header.empty() || !names_an_office_line(header)) return false;
  const std::size_t at = static_cast<std::size_t>(header.data() - text.data());
  const std::size_t line = text.rfind('\n', at) + 1;  // npos + 1: the first line
  const std::size_t end = std::min(text.find('\n', at), text.size());
  const std::string_view left = text.substr(line, at - line),
                         right = text.substr(at + header.size(), end - at - header.size());
  return names_a_personal_line(left) || names_a_personal_line(right) ||
         (!names_a_person_or_name_field(left) && !names_a_person_or_name_field(right));
}
bool name_cell(std::string_view cell);
bool person_name(std::string_view text, std::size_t b, std::size_t e, bool titled);

// Whether a landline's nearest label, in its own field back to the number or the field's mark
// before it or in the bracket right after it, names an office's line (접수처 043-..., 사무실 전화
// 032-..., 안내데스크 02-..., 본원: 031-..., 043-384-6000(접수처)), or its column's header does.
// A name ending as a unit's word does (김민국 연락처) is no such label.
bool office_named_nearest(std::string_view text, const Span& run, const LabelSearch* labels) {
  const auto names_office = [](std::string_view phrase) {
    const std::string_view word = line_owner_word(phrase);
    constexpr bool kUntitled = false;
    return owner_word_names_an_office(phrase, word) &&
           !person_name(word, 0, word.size(), kUntitled);
  };
  return names_office(own_field_before(past_earlier_number(line_before(text, run, kDeskReach)))) ||
         names_office(bracketed(line_after(text, run))) || under_office_column(text, labels);
}
// Whether a landline's row makes it a person's: a registration number on the row, unless the
// nearest label names an office, which decides in a person's row as on a line with no person
// (1) 홍*동 외국인등록번호 ... 접수처 043-...).
bool persons_row_owns_line(std::string_view text, const Span& run, const LabelSearch* labels) {
  return in_a_persons_row(text, run) && !office_named_nearest(text, run, labels);
}
// Whether a landline under a person's generic label (연락처) is an office's all the same: an
// office's label in its own field right before it (연락처: 【교무실】 043-..., 연락처 - 대표전화：),
// its column's header naming one, or a fax's number beside it (연락처 TEL 02-... FAX 02-...).
// A registration number on its row makes the row a person's.
bool office_line_under_personal_label(std::span<const std::uint8_t> d, std::string_view text,
                                      const Span& run, const LabelSearch* labels) {
  if (!is_landline(d)) return false;
  return (office_label_set_off(own_field_before(line_before(text, run, kDeskReach))) ||
          under_office_column(text, labels) || fax_beside(text, run)) &&
         !persons_row_owns_line(text, run, labels);
}

// Whether the word right before a landline, past a telephone sign or a row's mark between them,
// is a person's full name that names no desk (부녀회 / 김철수 / ☎ 041-..., 협회 회원 이영희 ☎
// 043-...): a roster's member's own line, whatever body heads the row. Only a space between
// them would pass words of a sentence (전화는 051-...).
bool persons_name_right_before(std::string_view before) {
  constexpr std::string_view kRowMarks = "/|\t";
  // A bar ends no word for last_word: a table's cell bars are passed here.
  std::string_view cell = before;
  while (!cell.empty() && (cell.back() == '|' || cell.back() == ' ' || cell.ends_with(kPhoneSign)))
    cell.remove_suffix(cell.back() == '|' || cell.back() == ' ' ? 1 : kPhoneSign.size());
  const std::string_view word = last_word(cell);
  const std::string_view between = before.substr(
      static_cast<std::size_t>(word.data() - before.data()) + word.size());
  if (between.find(kPhoneSign) == std::string_view::npos &&
      between.find_first_of(kRowMarks) == std::string_view::npos)
    return false;
  constexpr bool kUntitled = false;
  return name_cell(word) && person_name(word, 0, word.size(), kUntitled) &&
         !ends_with_any(word, labels::kOfficeUnitEndings) && !organisation_words().in(word);
}
}  // namespace

namespace {
// Whether a club's name stands in s (새벽FC 회비 계좌, [한강 FC], 늘푸른 합창단 회비): a word ending
// in one of labels::kClubNameEndings, its letters ending there (not 극단적, 크루즈) and an ASCII
// ending not the tail of a longer ASCII word (NFC).
bool club_named(std::string_view s) {
  // Most lines hold none of the endings anywhere: one pass looks for them before their ends are.
  static const WordSet endings{labels::kClubNameEndings};
  if (!endings.in(s)) return false;
  for (std::string_view ending : labels::kClubNameEndings)
    for (std::size_t at = s.find(ending); at != std::string_view::npos;
         at = s.find(ending, at + 1)) {
      const std::size_t end = at + ending.size();
      const bool ascii = is_ascii_letter(static_cast<unsigned char>(ending[0]));
      if (ascii && at > 0 && is_ascii_letter(static_cast<unsigned char>(s[at - 1]))) continue;
      if (end < s.size() && (is_ascii_letter(static_cast<unsigned char>(s[end])) ||
                             (!ascii && hangul_syllable_at(s, end))))
        continue;
      return true;
    }
  return false;
}
}  // namespace

bool owned_by_organisation(std::span<const std::uint8_t> d, std::string_view text, const Span& run,
                           const LabelSearch* labels) {
  if (is_landline(d)) {
    const bool desk = [&] {
      // An extension after it: an office's switchboard, though a staff member is named before it;
      // but a person's own line (직장전화 in their record, 담당 직통) stays theirs.
      if (extension_follows(text, run))
        return !in_a_persons_row(text, run) &&
               !persons_own_line_words().in(line_before(text, run, kDeskReach));
      // The desk's name before the number or in a bracket right after it; a person beside it
      // (담당 김철수 과장) makes it theirs, and so does a person's mobile label right before it
      // (업체 대표 휴대폰: 031-...) or a contact person named on its line.
      // A label on the line above a landline alone on its line is read as the words before it.
      std::array<char, kPhraseReach> unspaced;
      const std::string_view on_line = line_before(text, run, kDeskReach),
                             above = landline_label_above(text, run, on_line, unspaced),
                             before = above.empty() ? on_line : above,
                             line = line_before(text, run, kIdentityReach);
      if (main_line_after_direct(line_before(text, run))) return !in_a_persons_row(text, run);
      if (ends_with_any(last_word(before), labels::kMobileWords) || contact_person_named(line))
        return false;
      const std::string_view aside =
          bracketed(text.substr(run.byte_end, std::min(kPhraseReach, text.size() - run.byte_end)));
      // Else a business's header or footer around it (사업자, FAX) with no person in it: a
      // signature's block (홍길동 | 인사팀 대리, then T. and Fax) gives the person's own desk line.
      // Read only for a number labelled as a telephone (TEL, 전화, ☎) and under no other kind's
      // label: most landlines' blocks are never walked.
      const auto in_business_block = [&] {
        if (!labels || !labels->found_of(static_cast<std::size_t>(EntityKind::phone)) ||
            labels->found_of_other_kind(EntityKind::phone))
          return false;
        const std::string_view block = block_before(text, run), after = line_after(text, run);
        return (names_an_office(after) || names_an_office(block)) && !person_words().in(block) &&
               !person_words().in(after);
      };
      // Or the business's own identification on the number's line (상호 사업자번호 ... / 관리동
      // 053-... / 통신판매업 ...), labelled as a telephone or not. Its registration's digits stand
      // right before or after the number (사업자번호 10 digits, 제2025-...): a line without four
      // other digits there is never read for the words.
      // A landline listed right after the registration with no word of its own (사업자)
      // 123-45-67890 02-123-4567) is the trader's contact; a business's line is labelled (TEL,
      // 매장, 사무실, 문의).
      const auto on_identity_line = [&] {
        constexpr std::size_t kRegistrationDigits = 4;
        const std::string_view after = line_after(text, run);
        if (unicode::count_ascii_digits(before) + unicode::count_ascii_digits(after) <
                kRegistrationDigits ||
            right_after_a_number(on_line))
          return false;
        return (business_identity_words().in(line) || business_identity_words().in(after)) &&
               !person_words().in(line) && !person_words().in(after);
      };
      // A unit's desk: the word right before the number names a team, a division, an office, or
      // is 담당 after one (인사팀 담당, HR 담당): then 담당 names no person.
      std::string_view said = before, word = last_word(before);
      if (word == labels::kUnitDeskWord) {
        said = before.substr(0, static_cast<std::size_t>(word.data() - before.data()));
        word = last_word(said);
      }
      // A licence's region (신분증번호=경기북부 05-...) ends as a unit does and names no desk.
      const bool unit_desk =
          (ends_with_any(word, labels::kOfficeUnitEndings) && !ends_with_region(word)) ||
          (said.size() < before.size() && is_department_abbreviation(word)) ||
          english_desk_before(before, labels::kEnglishDeskNames) || garbled_company_label(before) ||
          (numbered_as_main_line(d) && english_desk_before(before, labels::kMainLineOfficeKeys));
      // The owner named right before the number or its telephone word (김지현 팀장: 센터 전화
      // ...): only the words from it on are read for a person.
      std::string_view owner = telephone_owner_before(said);
      const std::string_view main_line = office_main_line_word(d, said);
      if (owner.empty()) owner = main_line;
      if (!owner.empty()) said = said.substr(static_cast<std::size_t>(owner.data() - said.data()));
      return (telephone_owner_words().in(before) || !main_line.empty() || organisation_words().in(aside) || unit_desk ||
              shop_heads_line(text, run) || in_business_block() || on_identity_line() ||
              fax_beside(text, run) || shared_mailbox_in(line) || under_office_column(text, labels)) &&
             !names_a_person(
                 past_office_in_charge(past_department(past_earlier_number(said)))) &&
             !person_words().in(aside) && !persons_row_owns_line(text, run, labels) &&
             !persons_name_right_before(before);
    }();
    // An account whose digits a landline's also are (036-29-860208), labelled as an account and
    // not as a telephone, is read as an account below.
    if (desk || !labels || !labels->found_of(static_cast<std::size_t>(EntityKind::bank_account)) ||
        labels->found_of(static_cast<std::size_t>(EntityKind::phone)))
      return desk;
  }
  // An account under an account's label whose holder, named or beside it, is an organisation,
  // with no person on it.
  const std::size_t n = d.size();
  if (n < 10 || n > 16 || !labels ||
      !labels->found_of(static_cast<std::size_t>(EntityKind::bank_account)))
    return false;
  std::string_view before = line_before(text, run);
  const std::string_view after = line_after(text, run);
  // A collection account or a key naming the organisation's account: the organisation's, whoever
  // pays into it and whoever the line names.
  if (collection_account_named(before) || organisation_account_key(before) ||
      english_organisation_account_named(before) ||
      (!is_mobile_number(d) && organisation_speaks(text, run, after)) ||
      collection_account_named(labels->column_header(text)) ||
      (!is_mobile_number(d) && collection_account_named(label_line_above(text, run, before))))
    return true;
  // A label letter-spaced by a scan (교 회   헌 금 계 좌 :) is read without its spaces.
  std::array<char, kPhraseReach> unspaced;
  if (before.find(labels::kSpacedAccountWord) != std::string_view::npos)
    before = without_spaces(before, unspaced);
  if (in_business_record(text, run, after)) return !in_a_persons_row(text, run);
  // A column headed by the organisation's account (성당 계좌, 모임 통장): its row's own cell and
  // the words after it name no person.
  if (organisation_account_column(labels->column_header(text)))
    return !names_a_person(own_field_before(before)) && !names_a_person(own_field_after(after)) &&
           !bracket_holds_a_name(after) && !in_a_persons_row(text, run);
  if (held_by_a_business(after) || business_charge(text, run, before, after) ||
      merchant_settlement(text, run, before))
    return !names_a_person(own_field_before(before)) && !names_a_person(own_field_after(after)) &&
           !in_a_persons_row(text, run);
  // The owner named right before 계좌 (참고로 회사 계좌 ...): the line's words before it (a chat's
  // speaker and title, 고객님) speak of someone else.
  const std::string_view owner = account_owner_before(before);
  const std::string_view said =
      owner.empty() ? before : before.substr(static_cast<std::size_t>(owner.data() - before.data()));
  // A club named before its account in a notice's clause (새벽FC 회비 계좌 ...) owns it as an
  // association does. In a chat the speaker decides (organisation_speaks); a club's officer beside
  // it or a mobile given as the account makes it a person's.
  const bool club = !is_mobile_number(d) && club_named(before) &&
                    chat_speaker(text, run.byte_start).first.empty() &&
                    !holds_any(before, labels::kClubOfficerWords) &&
                    !holds_any(after, labels::kClubOfficerWords);
  if (!club && !organisation_outside_banks(organisation_or_holder_words(), before, true) &&
      !organisation_outside_banks(organisation_or_holder_words(), after, false))
    return (!owner.empty() || religious_body_in_bracket(after) || dues_place_named(before, after) ||
            notice_asks_to_pay_in(text, run, before, after)) &&
           !held_by_a_named_person(after) && !names_a_person(said) && !names_a_person(after) &&
           !in_a_persons_row(text, run);
  const std::string_view named = holder_named(after);
  // A person's name in a bracket after it (산악회 총무 계좌 ... (강철수)): the treasurer's own.
  if (names_a_person(said) || names_a_person(after) || in_a_persons_row(text, run) ||
      (named.empty() && bracket_holds_a_name(after)) || officer_bracketed_after_account(before))
    return false;
  if (named.empty() && !owner.empty()) return true;  // 회사 명의 계좌
  if (named.empty()) {
    const std::string_view holder = holder_named(before);
    if (!holder.empty()) return holder_organisation_words().in(holder) || names_a_business(holder);
  } else {
    // A body's long name may run past the phrase's reach (예금주: 힐스테이트 입주자대표회의): the
    // holder is read to its phrase's end, and no further.
    const std::string_view holder =
        holder_phrase(holder_named(line_after(text, run, kIdentityReach)));
    return (holder_organisation_words().in(holder) || names_a_business(holder)) &&
           !names_a_person(holder);
  }
  return club || organisation_outside_banks(organisation_words(), before, true) ||
         organisation_outside_banks(organisation_words(), next_word(after), false);
}

namespace {
// The only place the clock is read; cold and out of line, so that its code stays out of the hot
// readings around it.
[[gnu::cold, gnu::noinline]] unsigned clock_year() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return static_cast<unsigned>(static_cast<int>(std::chrono::year_month_day{today}.year()));
}
}  // namespace

unsigned reference_year(const Config& cfg) {
  return cfg.reference_year ? *cfg.reference_year : clock_year();
}

bool dated_after(std::string_view source, unsigned year) {
  for (std::size_t i = 0; i < source.size();) {
    if (!is_ascii_digit(static_cast<unsigned char>(source[i]))) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < source.size() && is_ascii_digit(static_cast<unsigned char>(source[end]))) ++end;
    if ((end - i == 4 || end - i == 8) && source[i] == '2' && source[i + 1] == '0') {
      const unsigned dated =
          static_cast<unsigned>((source[i + 2] - '0') * 10 + (source[i + 3] - '0'));
      return 2000 + dated > year;
    }
    i = end;
  }
  return false;
}

bool clock_follows(std::string_view text, const Span& span) {
  std::size_t k = span.byte_end;
  if (k >= text.size() || text[k] != ' ') return false;
  const std::size_t hour = ++k;
  while (k < text.size() && k - hour < 2 && is_ascii_digit(static_cast<unsigned char>(text[k])))
    ++k;
  return k > hour && k + 1 < text.size() && text[k] == ':' &&
         is_ascii_digit(static_cast<unsigned char>(text[k + 1]));
}

bool ending_only_after(std::string_view text, const Span& span) {
  // A sentence's ending (요, 이요, 입니다, 이에요) is a few syllables; a longer rest says more.
  constexpr std::size_t kLongestEnding = 4;
  std::size_t k = span.byte_end, syllables = 0;
  while (k < text.size() && text[k] == ' ') ++k;
  for (std::size_t next = k; k < text.size() && syllables <= kLongestEnding; k = next) {
    const char32_t c = utf8::decode(text, next);
    if (c < U'가' || c > U'힣') break;
    ++syllables;
  }
  if (syllables > kLongestEnding ||
      (syllables > 0 && std::find(std::begin(labels::kSentenceEndings),
                                  std::end(labels::kSentenceEndings),
                                  text.substr(k - 3, 3)) == std::end(labels::kSentenceEndings)))
    return false;
  while (k < text.size() && (text[k] == ' ' || text[k] == '.' || text[k] == '~' || text[k] == '!'))
    ++k;
  return k == text.size() || text[k] == '\n' || text[k] == '\r';
}

bool written_as_mobile(std::span<const std::uint8_t> d, std::string_view text, const Span& span) {
  if (d.size() != 11 || !digits_start_with(d, "010")) return false;
  std::size_t groups[4] = {0, 0, 0, 0}, g = 0;
  for (std::size_t i = span.byte_start; i < span.byte_end; ++i) {
    if (is_ascii_digit(static_cast<unsigned char>(text[i]))) ++groups[g];
    else if (groups[g] > 0 && ++g == 3) return false;
  }
  return groups[1] == 0 || (groups[0] == 3 && groups[1] == 4 && groups[2] == 4);
}

namespace {
// Whether a number follows the word that goes on at p, past a space (a row's cells: ... 010-...
// 농협 302-...): a bank's name there is that number's, not the one before it.
bool number_after_word(std::string_view text, std::size_t p) {
  while (p < text.size() && text[p] != ' ' && text[p] != '\t' && text[p] != '\n') ++p;
  while (p < text.size() && text[p] == ' ') ++p;
  return p < text.size() && is_ascii_digit(static_cast<unsigned char>(text[p]));
}
}  // namespace

bool account_word_attached(std::string_view text, const Span& span) {
  auto ends_with_word = [](std::string_view word, const labels::Label& l) {
    if (word.size() < l.word.size()) return false;
    const std::string_view tail = word.substr(word.size() - l.word.size());
    if (!(l.flags & (labels::kAscii | labels::kLogKey))) return tail == l.word;
    return std::equal(tail.begin(), tail.end(), l.word.begin(), [](char a, char b) {
      return ascii_lower(static_cast<unsigned char>(a)) ==
             ascii_lower(static_cast<unsigned char>(b));
    });
  };
  std::size_t k = span.byte_start;
  while (k > 0 && std::string_view(" :=([/-").find(text[k - 1]) != std::string_view::npos) --k;
  const std::size_t end = k;
  while (k > 0 && text[k - 1] != ' ' && text[k - 1] != '\n' && text[k - 1] != '\t') --k;
  const std::string_view before = text.substr(k, end - k);
  for (std::string_view w : labels::kAccountWordsInside)
    if (before.find(w) != std::string_view::npos) return true;
  for (const labels::Label& l : labels::kAccount)
    if (!(l.flags & (labels::kTrailing | labels::kStatementKey)) && ends_with_word(before, l))
      return true;
  k = span.byte_end;
  while (k < text.size() && (text[k] == ' ' || text[k] == '(')) ++k;
  const std::string_view after = text.substr(k, 24);
  for (const labels::Label& l : labels::kAccount)
    if ((l.flags & labels::kBank) && after.substr(0, l.word.size()) == l.word)
      return !number_after_word(text, k + l.word.size());
  return false;
}

std::optional<EntityKind> docs_field_kind(std::string_view text, const Span& span) {
  const std::size_t a = span.byte_start, b = span.byte_end;
  if (a == 0 || b >= text.size() || text[b] != '/' || (text[a - 1] != '/' && text[a - 1] != ' '))
    return std::nullopt;
  // A field of three capitals (a country) between slashes, starting at p.
  auto country_at = [&](std::size_t p) {
    return p + 3 < text.size() && is_ascii_upper(static_cast<unsigned char>(text[p])) &&
           is_ascii_upper(static_cast<unsigned char>(text[p + 1])) &&
           is_ascii_upper(static_cast<unsigned char>(text[p + 2])) && text[p + 3] == '/';
  };
  // The sex's field at p: M, F, U or X, an infant's MI or FI, then a slash or the field's end.
  auto sex_at = [&](std::size_t p) {
    if (p >= text.size() || std::string_view("MFUX").find(text[p]) == std::string_view::npos)
      return false;
    if (p + 1 < text.size() && text[p + 1] == 'I') ++p;
    return p + 1 >= text.size() || text[p + 1] == '/' || text[p + 1] == ' ' ||
           text[p + 1] == '\n' || text[p + 1] == '\r';
  };
  std::optional<EntityKind> kind;
  if (text[a - 1] == '/' && a >= 5 && text[a - 5] == '/' && country_at(a - 4) && sex_at(b + 1))
    kind = EntityKind::birth_date;
  else if (country_at(b + 1)) {
    std::size_t p = b + 5;
    while (p < text.size() && (is_ascii_letter(static_cast<unsigned char>(text[p])) ||
                               is_ascii_digit(static_cast<unsigned char>(text[p]))))
      ++p;
    if (p > b + 5 && p < text.size() && text[p] == '/' && sex_at(p + 1))
      kind = EntityKind::passport;
  }
  if (!kind) return std::nullopt;
  const std::size_t line = text.rfind('\n', a);
  const std::string_view head = text.substr(line == std::string_view::npos ? 0 : line + 1,
                                            a - (line == std::string_view::npos ? 0 : line + 1));
  return head.find("DOCS") != std::string_view::npos ? kind : std::nullopt;
}

bool foreigner_word_beside_hidden_seventh(std::string_view text, const Span& span) {
  std::size_t p = span.byte_start + 6;
  if (p >= span.byte_end) return false;
  if (text[p] == '-' || text[p] == ' ') ++p;
  if (p >= span.byte_end || is_ascii_digit(static_cast<unsigned char>(text[p]))) return false;
  // The bracket or the cell around the number, looked for within a line's reach.
  constexpr std::size_t kReach = 64;
  auto ends = [](char c) { return c == '(' || c == ')' || c == '\t' || c == '|' || c == '\n'; };
  std::size_t from = span.byte_start;
  while (from > 0 && span.byte_start - from < kReach && !ends(text[from - 1])) --from;
  std::size_t to = span.byte_end;
  while (to < text.size() && to - span.byte_end < kReach && !ends(text[to])) ++to;
  return text.substr(from, to - from).find(labels::kForeignerWord) != std::string_view::npos;
}

namespace {

// The age written after the date at `span` of `text` (1939-03-18, 87세; 1961.09.27생 (만 65세)),
// past spaces, commas, dots, slashes, an opening bracket, 생 and 만; or -1.
int age_after(std::string_view text, const Span& span) {
  auto word_at = [&](std::size_t p, std::string_view w) {
    return text.size() - p >= w.size() && std::memcmp(text.data() + p, w.data(), w.size()) == 0;
  };
  std::size_t p = span.byte_end;
  const std::size_t limit = std::min(text.size(), p + 16);
  while (p < limit) {
    const char c = text[p];
    if (c == ' ' || c == ',' || c == '.' || c == '/' || c == '(') ++p;
    else if (word_at(p, "생") || word_at(p, "만")) p += 3;
    else break;
  }
  const std::size_t digits = p;
  int age = 0;
  while (p < text.size() && p - digits < 3 && is_ascii_digit(static_cast<unsigned char>(text[p])))
    age = age * 10 + (text[p++] - '0');
  return p == digits || !word_at(p, "세") ? -1 : age;
}

// Whether a person born in `born` is `age` in `year`, or one less (the birthday not yet reached).
bool age_agrees(unsigned born, int age, unsigned year) {
  return born <= year && (year - born == static_cast<unsigned>(age) ||
                          year - born == static_cast<unsigned>(age) + 1);
}

}  // namespace

bool age_beside_agrees(std::string_view text, const Span& span, unsigned year) {
  const int age = age_after(text, span);
  if (age < 0 || span.byte_len() < 8) return false;
  unsigned born = 0;
  for (std::size_t i = span.byte_start; i < span.byte_start + 4; ++i) {
    if (!is_ascii_digit(static_cast<unsigned char>(text[i]))) return false;
    born = born * 10 + static_cast<unsigned>(text[i] - '0');
  }
  return age_agrees(born, age, year);
}

namespace {

// Calls visit(cell) on each of a directory row's cells in turn: apart by a pipe, a tab or two
// spaces or more, trimmed.
template <class Visit>
void for_each_cell(std::string_view line, Visit visit) {
  std::size_t from = 0;
  auto close = [&](std::size_t to) {
    const std::string_view cell = line.substr(from, to - from);
    const std::size_t a = cell.find_first_not_of(" \t\r"), b = cell.find_last_not_of(" \t\r");
    if (a != std::string_view::npos) visit(cell.substr(a, b - a + 1));
  };
  for (std::size_t k = 0; k < line.size(); ++k) {
    const bool apart = line[k] == '|' || line[k] == '\t' ||
                       (line[k] == ' ' && k + 1 < line.size() && line[k + 1] == ' ');
    if (!apart) continue;
    close(k);
    while (k + 1 < line.size() && (line[k + 1] == ' ' || line[k + 1] == '|' || line[k + 1] == '\t'))
      ++k;
    from = k + 1;
  }
  close(line.size());
}

bool name_cell(std::string_view cell) {
  if (cell.size() < 6 || cell.size() > 12 || cell.size() % 3 != 0) return false;
  for (std::size_t k = 0; k < cell.size(); k += 3)
    if (!hangul_syllable_at(cell, k)) return false;
  return true;
}

// A mobile written in its groups (010-8469-3326, 010 8469 3326) or an e-mail address.
bool contact_cell(std::string_view cell) {
  if (cell.find('@') != std::string_view::npos && cell.find(' ') == std::string_view::npos)
    return true;
  std::size_t digits = 0;
  for (char c : cell) {
    if (is_ascii_digit(static_cast<unsigned char>(c)) || c == '*') ++digits;
    else if (c != '-' && c != '.' && c != ' ') return false;
  }
  return cell.starts_with("01") && (digits == 10 || digits == 11);
}

// A registration number in its cell: six digits, then a hyphen or a space or nothing, then
// seven digits or mask characters (790720-1133920, 7707262233339, 651128-*******).
bool registration_cell(std::string_view cell) {
  if (cell.size() != 13 && cell.size() != 14) return false;
  for (std::size_t k = 0; k < 6; ++k)
    if (!is_ascii_digit(static_cast<unsigned char>(cell[k]))) return false;
  std::size_t k = 6;
  if (cell.size() == 14 && cell[k] != '-' && cell[k] != ' ') return false;
  if (cell.size() == 14) ++k;
  for (; k < cell.size(); ++k)
    if (!is_ascii_digit(static_cast<unsigned char>(cell[k])) && cell[k] != '*') return false;
  return true;
}

// A date led by a year of four digits (1978.12.05, 1978-12-05, 1978/12/05, 19781205): its year.
unsigned dated_cell_year(std::string_view cell) {
  if (cell.size() < 8 || cell.size() > 10) return 0;
  unsigned year = 0;
  for (std::size_t k = 0; k < 4; ++k) {
    if (!is_ascii_digit(static_cast<unsigned char>(cell[k]))) return 0;
    year = year * 10 + static_cast<unsigned>(cell[k] - '0');
  }
  for (char c : cell.substr(4))
    if (!is_ascii_digit(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '/')
      return 0;
  return year >= 1900 ? year : 0;
}

}  // namespace

bool date_in_contact_row(std::string_view text, const Span& span, unsigned year) {
  constexpr unsigned kYoungest = 14, kOldest = 100;
  // First looks: a birth year, and a cell's separators around the date (two spaces, a pipe, a
  // tab, the line's end).
  const std::string_view date = text.substr(span.byte_start, span.byte_len());
  const unsigned born = dated_cell_year(date);
  if (!born || born + kYoungest > year || born + kOldest < year) return false;
  const std::size_t a = span.byte_start, z = span.byte_end;
  // A row's cell ends where for_each_cell parts it (no comma: dates and names hold none), or
  // at the line's end; ends_cell is the value's own field, which a comma ends too.
  const auto ends_row_cell = [&](std::size_t p) {
    return p >= text.size() || text[p] == '\n' || text[p] == '\r' || text[p] == '|' ||
           text[p] == '\t' || (text[p] == ' ' && (p + 1 == text.size() || text[p + 1] == ' ' ||
                                                   text[p + 1] == '|' || text[p + 1] == '\n'));
  };
  const bool apart = a >= 2 && (text[a - 1] == '|' || text[a - 1] == '\t' ||
                                (text[a - 1] == ' ' && (text[a - 2] == ' ' || text[a - 2] == '|')));
  if (!apart || !ends_row_cell(z)) return false;
  const std::size_t nl = text.rfind('\n', a);
  const std::size_t from = nl == std::string_view::npos ? 0 : nl + 1;
  const std::size_t to = std::min(text.find('\n', span.byte_end), text.size());
  std::size_t cells = 0, dates = 0;
  bool own_cell = false, name = false, contact = false, registration = false;
  for_each_cell(text.substr(from, to - from), [&](std::string_view cell) {
    if (dated_cell_year(cell)) ++dates;
    own_cell |= cells > 0 && cell.data() == date.data() && cell.size() == date.size();
    name |= name_cell(cell);
    contact |= contact_cell(cell);
    registration |= registration_cell(cell);
    ++cells;
  });
  // A row holding the person's registration number holds their birth date in it: a date beside
  // it is another day of theirs (a staff register's hire date).
  return cells >= 3 && own_cell && name && contact && dates == 1 && !registration;
}

namespace {
std::size_t mask_characters(std::string_view text, std::size_t k, std::size_t most);
}  // namespace

bool masked_date_beside_its_resident(std::string_view text, const Span& span) {
  constexpr std::size_t kLineReach = 160;  // bytes each way: a row of a printed roster
  // The date's places, a digit or kMasked each: six (yymmdd) or eight (yyyymmdd).
  std::uint8_t places[8];
  std::size_t count = 0, masks = 0;
  const std::string_view date = text.substr(span.byte_start, span.byte_len());
  for (std::size_t k = 0; k < date.size() && count <= 8;) {
    const auto c = static_cast<unsigned char>(date[k]);
    if (is_ascii_digit(c)) {
      if (count < 8) places[count] = static_cast<std::uint8_t>(c - '0');
      ++count, ++k;
    } else if (const std::size_t m = mask_characters(date, k, 1); m > 0) {
      if (count < 8) places[count] = kMasked;
      ++count, ++masks, k += m;
    } else {
      ++k;
    }
  }
  if ((count != 6 && count != 8) || masks == 0) return false;
  const std::uint8_t* yymm = places + (count - 6);  // the year's last two digits, the month
  if (yymm[0] == kMasked || yymm[1] == kMasked) return false;
  const std::size_t from = span.byte_start - std::min<std::size_t>(span.byte_start, kLineReach);
  const std::size_t to = std::min(text.size(), span.byte_end + kLineReach);
  const std::size_t line_start = text.rfind('\n', span.byte_start);
  const std::size_t a =
      line_start == std::string_view::npos ? from : std::max(from, line_start + 1);
  const std::size_t z = std::min(to, text.find('\n', span.byte_end));
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  // A resident number's front, a hyphen or a space maybe, its sex digit, then masks.
  for (std::size_t i = a; i + 8 <= z; ++i) {
    if (i >= span.byte_start && i < span.byte_end) continue;
    if (!is_ascii_digit(p[i]) || (i > 0 && is_ascii_digit(p[i - 1]))) continue;
    std::size_t k = i;
    while (k < z && is_ascii_digit(p[k])) ++k;
    if (k - i != 6) continue;
    if (k < z && (p[k] == '-' || p[k] == ' ')) ++k;
    if (k >= z || p[k] < '1' || p[k] > '8' || mask_characters(text, k + 1, 1) == 0) continue;
    const bool year = p[i] - '0' == yymm[0] && p[i + 1] - '0' == yymm[1];
    const bool month = yymm[2] == kMasked || yymm[3] == kMasked ||
                       (p[i + 2] - '0' == yymm[2] && p[i + 3] - '0' == yymm[3]);
    if (year && month) return true;
  }
  return false;
}

namespace {

// The longest of `endings` that ends `before`, or an empty view.
std::string_view longest_ending(std::string_view before,
                                std::span<const std::string_view> endings) {
  std::string_view best;
  for (std::string_view e : endings)
    if (e.size() > best.size() && before.ends_with(e)) best = e;
  return best;
}

std::size_t skip_spaces_back(std::string_view text, std::size_t p) {
  while (p > 0 && text[p - 1] == ' ') --p;
  return p;
}

// The year of the date written in `date` (19621016, 1962-10-16, 18/02/1982, 1946년 2월 23일,
// 010328, 62.10.16): a year of four digits leading or ending its three groups, else its two
// leading digits in the century that puts them at `year` or before. 0 when it is no date's
// shape.
unsigned year_of_written_date(std::string_view date, unsigned year) {
  std::size_t groups = 0, first = 0, last = 0;
  unsigned first_value = 0, last_value = 0, current = 0;
  std::size_t width = 0;
  for (std::size_t k = 0; k <= date.size(); ++k) {
    if (k < date.size() && is_ascii_digit(static_cast<unsigned char>(date[k]))) {
      if (width < 4) current = current * 10 + static_cast<unsigned>(date[k] - '0');
      ++width;
      continue;
    }
    // A masked month or day (75****, 1983-**-**) counts as its digits, their values unknown;
    // a year masked reads as no year of anyone's (19**: 1900).
    if (const std::size_t m = mask_characters(date, k, 1); m > 0) {
      if (width < 4) current *= 10;
      ++width;
      k += m - 1;
      continue;
    }
    if (width == 0) continue;
    if (groups++ == 0) first = width, first_value = current;
    last = width, last_value = current;
    width = 0, current = 0;
  }
  unsigned yy;
  if ((groups == 1 && first == 8) || (groups == 3 && first == 4)) return first_value;  // 19621016
  if (groups == 3 && last == 4) return last_value;                                    // 18/02/1982
  if (groups == 1 && first == 6) yy = first_value / 100;                              // 621016
  else if (groups == 3 && first == 2) yy = first_value;                               // 62.10.16
  else return 0;  // a phone's, a registration number's groups
  return 2000 + yy <= year ? 2000 + yy : 1900 + yy;
}

// The start of the word of two to four Hangul syllables (a name's length) that ends at byte e of
// `text`, or npos.
std::size_t name_length_word_start(std::string_view text, std::size_t e) {
  constexpr std::size_t kLongestName = 4 * 3;
  std::size_t b = e;
  while (hangul_syllable_before(text, b) && e - b <= kLongestName) b -= 3;
  return e - b >= 2 * 3 && e - b <= kLongestName ? b : std::string_view::npos;
}

// Whether the word [b, e) of `text` (name_length_word_start's) is a person's name: a usual surname
// and one or two syllables, or a surname of two and one or two more (labels::kSurnames), no
// event's word (신청일, 송년회). Of two syllables only when `titled` (a title or a role beside
// it): alone it is as often a word (창립, 설립).
// Whether `name`, starting with a Hangul syllable, starts with a two-syllable surname
// (labels::kCompoundSurnames: 남궁, 황보).
bool starts_with_compound_surname(std::string_view name) {
  return std::any_of(std::begin(labels::kCompoundSurnames), std::end(labels::kCompoundSurnames),
                     [&](std::string_view c) { return name.starts_with(c); });
}
// Whether `name` starts with a usual surname of one syllable (labels::kSurnames). A word that
// starts with no Hangul syllable (A사무국, a letter glued to a label) starts with none.
bool starts_with_surname(std::string_view name) {
  static const std::bitset<unicode::kSyllableCount> surnames = [] {
    std::bitset<unicode::kSyllableCount> set;
    for (std::string_view w : labels::kSurnames)
      set.set(static_cast<std::size_t>(unicode::syllable_at(w, 0)));
    return set;
  }();
  const int first = unicode::syllable_at(name, 0);
  return first >= 0 && surnames.test(static_cast<std::size_t>(first));
}

bool person_name(std::string_view text, std::size_t b, std::size_t e, bool titled) {
  const std::size_t syllables = (e - b) / 3;
  const std::string_view name = text.substr(b, e - b);
  if (syllables < (titled ? 2u : 3u) || ends_with_any(name, labels::kEventNameEndings))
    return false;
  if (syllables >= 3 && starts_with_compound_surname(name)) return true;
  return syllables <= 3 && starts_with_surname(name);
}

// Whether a line names a sender as a signature does (labels::kSenderClosings, kStaffTitles,
// kSenderHeads): a person's name before a closing or a staff title, or right after a sender's
// head at the line's start.
bool names_a_sender(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return false;
  std::string_view after_head;
  for (std::string_view head : labels::kSenderHeads)
    if (line.substr(first).starts_with(head)) after_head = line.substr(first + head.size());
  const auto is_word_mark = [](char c) {
    return c == ' ' || c == '\t' || c == '|' || c == '/' || c == ',' || c == '(' || c == ')';
  };
  // Words by the marks between them; a name is followed by a closing or a title word.
  std::size_t b = first;
  bool first_word = true;
  if (!after_head.empty()) b = line.size() - after_head.size();
  while (b < line.size()) {
    while (b < line.size() && is_word_mark(line[b])) ++b;
    std::size_t e = b;
    while (e < line.size() && !is_word_mark(line[e])) ++e;
    if (e == b) break;
    const std::string_view word = line.substr(b, e - b);
    // A team or a head signs too (예약팀 드림, 원장 드림): a desk's or a title's word is no name.
    if (name_length_word_start(line, e) == b && person_name(line, b, e, true) &&
        !ends_with_any(word, labels::kOfficeUnitEndings) &&
        !ends_with_any(word, labels::kHeadTitleEndings) &&
        std::find(std::begin(labels::kStaffTitles), std::end(labels::kStaffTitles), word) ==
            std::end(labels::kStaffTitles)) {
      if (first_word && !after_head.empty()) return true;
      std::size_t n = e;
      while (n < line.size() && is_word_mark(line[n])) ++n;
      std::size_t ne = n;
      while (ne < line.size() && !is_word_mark(line[ne])) ++ne;
      const std::string_view next = line.substr(n, ne - n);
      const auto is = [&](std::string_view w) { return next == w; };
      if (std::any_of(std::begin(labels::kSenderClosings), std::end(labels::kSenderClosings), is) ||
          std::any_of(std::begin(labels::kStaffTitles), std::end(labels::kStaffTitles), is))
        return true;
    }
    first_word = false;
    b = e;
  }
  return false;
}
}  // namespace

bool sender_named_above(std::span<const std::uint8_t> d, std::string_view text, std::size_t ls) {
  constexpr std::size_t kOtherNumberDigits = 7;
  if (!is_mobile_number(d) && !is_landline(d)) return false;  // not a 15xx, 080 nor an account
  for (std::size_t k = 0; k < labels::kSignatureLines && ls > 0; ++k) {
    const std::size_t le = ls - 1;
    const void* nl = memrchr(text.data(), '\n', le);
    const std::size_t from =
        nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - text.data()) + 1 : 0;
    const std::string_view line = text.substr(from, le - from);
    if (line.find_first_not_of(" \t\r") == std::string_view::npos ||
        unicode::count_ascii_digits(line) >= kOtherNumberDigits)
      return false;  // the block's start, or another number's line
    if (names_a_sender(line)) return true;
    ls = from;
  }
  return false;
}

namespace {

// The length of the name mask (labels::kNameMasks) that ends at byte e of `text`, or 0.
std::size_t name_mask_before(std::string_view text, std::size_t e) {
  return longest_ending(text.substr(0, e), labels::kNameMasks).size();
}

// The start of a name masked in part that ends at byte e of `text`, or npos: a usual surname
// (labels::kSurnames, kCompoundSurnames), then syllables or masks, a mask among them, two to four
// characters (한*우, 김**, 남궁*희); or Latin initials each followed by masks (H** K**). A notice
// masks a person's name alone, so the name needs neither a title nor a role.
std::size_t masked_name_start(std::string_view text, std::size_t e) {
  constexpr std::size_t kLongestName = 4;
  std::size_t b = e, chars = 0, masks = 0;
  bool syllable_first = false;
  for (; chars < kLongestName; ++chars) {
    if (const std::size_t m = name_mask_before(text, b); m > 0) {
      b -= m, ++masks, syllable_first = false;
    } else if (hangul_syllable_before(text, b)) {
      b -= 3, syllable_first = true;
    } else {
      break;
    }
  }
  if (masks > 0 && syllable_first && chars >= 2 && !hangul_syllable_before(text, b)) {
    const std::string_view name = text.substr(b, e - b);
    return (chars >= 3 && starts_with_compound_surname(name)) || starts_with_surname(name)
               ? b
               : std::string_view::npos;
  }
  // Latin initials: each word a capital and its masks, one or two words apart by a space.
  b = e;
  for (std::size_t words = 0; words < 2; ++words) {
    std::size_t k = b, word_masks = 0;
    while (k > 0 && text[k - 1] == '*') --k, ++word_masks;
    if (word_masks == 0 || k == 0 || !is_ascii_upper(static_cast<unsigned char>(text[k - 1])))
      return words > 0 ? b + 1 : std::string_view::npos;
    b = k - 1;
    if (b == 0 || text[b - 1] != ' ') break;
    --b;
  }
  const bool word_ends = b == 0 || !(is_ascii_letter(static_cast<unsigned char>(text[b - 1])) ||
                                     is_ascii_digit(static_cast<unsigned char>(text[b - 1])));
  return word_ends ? b : std::string_view::npos;
}

// The role's word that ends at byte e of `text`, past spaces and a colon (환자 변윤서, 팀원:
// 손미경), or an empty view.
std::string_view role_before(std::string_view text, std::size_t e) {
  e = skip_spaces_back(text, e);
  if (e > 0 && text[e - 1] == ':') e = skip_spaces_back(text, e - 1);
  return longest_ending(text.substr(0, e), labels::kPersonRoles);
}

// Whether the date at `span` of `text` is followed by a list's next item or a bracket's end,
// past spaces and the date's last dot (1955. 11. 19.)).
bool item_ends_after(std::string_view text, const Span& span) {
  std::size_t z = span.byte_end;
  while (z < text.size() && (text[z] == ' ' || text[z] == '.')) ++z;
  const std::string_view rest = text.substr(z);
  return rest.starts_with(',') || rest.starts_with('/') ||
         std::any_of(std::begin(labels::kDateBracketClosings),
                     std::end(labels::kDateBracketClosings),
                     [&](std::string_view c) { return rest.starts_with(c); });
}

// The length of the bracket (labels::kDateBracketOpenings) that opens right before byte p of
// `text`, or 0.
std::size_t bracket_opening_at(std::string_view text, std::size_t p) {
  return longest_ending(text.substr(0, p), labels::kDateBracketOpenings).size();
}

// Where the birth mark (labels::kBirthMarkInBracket, a dot or a colon after it) that ends at byte p
// of `text` starts, past the spaces before it; p when none ends there.
std::size_t birth_mark_before(std::string_view text, std::size_t p) {
  constexpr std::string_view kMark = labels::kBirthMarkInBracket;
  std::size_t q = p > 0 && (text[p - 1] == '.' || text[p - 1] == ':') ? p - 1 : p;
  if (!text.substr(0, q).ends_with(kMark)) return p;
  return skip_spaces_back(text, q - kMark.size());
}

// The year of birth the date at `span` of `text` gives, if it puts the person at 0 to 110 years
// old in `year`; else 0.
unsigned plausible_birth_year(std::string_view text, const Span& span, unsigned year) {
  constexpr unsigned kOldest = 110;
  const unsigned born = year_of_written_date(text.substr(span.byte_start, span.byte_len()), year);
  return born != 0 && born <= year && year - born <= kOldest ? born : 0;
}

}  // namespace

BracketPlace date_bracketed_after_person(std::string_view text, const Span& span, unsigned year) {
  constexpr unsigned kYoungestGrown = 14;
  constexpr BracketPlace kNone = BracketPlace::none;
  if (!item_ends_after(text, span)) return kNone;
  // Before it, the bracket: maybe a role's word opening it, or items apart by a comma.
  std::size_t p = skip_spaces_back(text, span.byte_start);
  if (const std::size_t mark = birth_mark_before(text, p); mark != p && bracket_opening_at(text, mark))
    return plausible_birth_year(text, span, year) != 0 ? BracketPlace::first : kNone;
  BracketPlace place = BracketPlace::first;
  std::string_view role_opens;
  if (hangul_syllable_before(text, p)) {
    // A bracket within a role's length first (할아버지: four syllables, a space, a bracket).
    constexpr std::size_t kRoleReach = 4 * 3 + 4;
    const std::string_view near = text.substr(p - std::min(p, kRoleReach), std::min(p, kRoleReach));
    // '(', '[' or the lead byte of a full-width bracket.
    if (std::none_of(near.begin(), near.end(),
                     [](char c) { return c == '(' || c == '[' || c == '\xEF'; }))
      return kNone;
    role_opens = longest_ending(text.substr(0, p), labels::kPersonRoles);
    if (role_opens.empty()) return kNone;
    p = skip_spaces_back(text, p - role_opens.size());
  } else if (p > 0 && text[p - 1] == ',') {
    place = BracketPlace::after_items;
    // Other items before it: (외국인, ...), (여성, ...), (Tel 010-..., ...).
    constexpr std::size_t kItemReach = 40;
    const std::size_t from = p;
    while (p > 0 && from - p < kItemReach && bracket_opening_at(text, p) == 0 &&
           text[p - 1] != ')' && text[p - 1] != ']' && text[p - 1] != '\n')
      --p;
  }
  const std::size_t opening = bracket_opening_at(text, p);
  if (opening == 0) return kNone;
  const unsigned born = plausible_birth_year(text, span, year);
  // An age after it that disagrees makes it another day (초진 (2024-09-11, 65세)).
  const int age = age_after(text, span);
  if (born == 0 || (age >= 0 && !age_agrees(born, age, year))) return kNone;
  // A younger person's date only beside a child's word (원생 김하은 (2021.03.05)).
  const bool grown = year - born >= kYoungestGrown;
  auto child = [](std::string_view word) {
    return std::find(std::begin(labels::kChildWords), std::end(labels::kChildWords), word) !=
           std::end(labels::kChildWords);
  };
  if (!role_opens.empty()) return grown || child(role_opens) ? place : kNone;
  // The person before the bracket: a title after the name, the name, a role before it.
  p = skip_spaces_back(text, p - opening);
  const std::string_view title = longest_ending(text.substr(0, p), labels::kPersonTitles);
  const std::size_t e = title.empty() ? p : skip_spaces_back(text, p - title.size());
  std::size_t b = name_length_word_start(text, e);
  const bool masked = b == std::string_view::npos || !person_name(text, b, e, true);
  if (masked) b = masked_name_start(text, e);
  if (b == std::string_view::npos) return kNone;
  const std::string_view role = role_before(text, b);
  if (!grown && !child(title) && !child(role)) return kNone;
  // A bare name of two syllables is as often a word (창립, 설립).
  return masked || !title.empty() || !role.empty() || person_name(text, b, e, false) ? place
                                                                                     : kNone;
}

namespace {

// The line that ends right before byte `up` of `text`, its line break left out: where it starts,
// and itself.
std::pair<std::size_t, std::string_view> line_above(std::string_view text, std::size_t up) {
  const std::size_t end = up - 1;
  const std::size_t above = end == 0 ? text.npos : text.rfind('\n', end - 1);
  const std::size_t start = above == text.npos ? 0 : above + 1;
  return {start, text.substr(start, end - start)};
}

// The start of the line that holds byte `at` of `text`, looked for at most `reach` bytes back;
// npos when the line starts further back.
std::size_t line_start_within(std::string_view text, std::size_t at, std::size_t reach) {
  const std::size_t from = at - std::min(at, reach);
  const std::size_t nl = text.substr(from, at - from).rfind('\n');
  if (nl == std::string_view::npos) return from == 0 ? 0 : std::string_view::npos;
  return from + nl + 1;
}

bool date_at_roster_row_head(std::string_view text, const Span& span, unsigned year) {
  constexpr std::size_t kRequestReach = 12;  // lines above or below the row
  // The name right before the date, past the row's separator (윤광수 710702, 선예은 / 19561231).
  std::size_t e = skip_spaces_back(text, span.byte_start);
  if (e > 0 && (text[e - 1] == '/' || text[e - 1] == ',' || text[e - 1] == ':'))
    e = skip_spaces_back(text, e - 1);
  const std::size_t b = name_length_word_start(text, e);
  if (b == std::string_view::npos) return false;
  // The name leads its row, after a bullet or a number (└, ㄴ, -, 3., 1)).
  std::size_t q = skip_spaces_back(text, b);
  if (q > 0 && (text[q - 1] == '.' || text[q - 1] == ')') && q >= 2 &&
      is_ascii_digit(static_cast<unsigned char>(text[q - 2]))) {
    --q;
    while (q > 0 && is_ascii_digit(static_cast<unsigned char>(text[q - 1]))) --q;
  } else if (q > 0 && (text[q - 1] == '-' || text[q - 1] == '*')) {
    --q;
  } else if (q > 0 && utf8::is_continuation(static_cast<unsigned char>(text[q - 1])) &&
             !hangul_syllable_before(text, q)) {
    while (q > 0 && utf8::is_continuation(static_cast<unsigned char>(text[q - 1]))) --q;
    if (q > 0) --q;  // the bullet's lead byte
  }
  q = skip_spaces_back(text, q);
  if ((q > 0 && text[q - 1] != '\n') || !person_name(text, b, e, false) ||
      plausible_birth_year(text, span, year) == 0)
    return false;
  // The post's request, a few lines above or below: a line naming a name and a birth date.
  auto requests = [](std::string_view line) {
    return holds_any(line, labels::kBirthFieldWords) && holds_any(line, labels::kNameFieldWords);
  };
  std::size_t up = q, down = span.byte_end;
  for (std::size_t k = 0; k < kRequestReach; ++k) {
    if (up > 0) {
      const std::size_t end = up - 1, nl = text.rfind('\n', end == 0 ? 0 : end - 1);
      const std::size_t from = nl == text.npos || end == 0 ? 0 : nl + 1;
      if (requests(text.substr(from, end - from))) return true;
      up = from;
    }
    if (down < text.size()) {
      const std::size_t nl = text.find('\n', down);
      const std::size_t to = nl == text.npos ? text.size() : nl;
      if (k > 0 && requests(text.substr(down, to - down))) return true;
      down = to == text.size() ? to : to + 1;
    }
  }
  return false;
}

// Where the message of the chat line starting at byte `ls` begins, past its speaker (설남준: ,
// 2024. 5. 1. 오후 3:01, 설남준 : , [설남준] [오후 3:01] ), if a speaker leads it before byte `end`;
// npos otherwise. A clock's colon (3:01) is no speaker's.
std::size_t message_after_speaker(std::string_view text, std::size_t ls, std::size_t end) {
  constexpr std::size_t kSpeakerReach = 64;
  const std::string_view head = text.substr(ls, std::min(end - ls, kSpeakerReach));
  if (head.starts_with('[')) {
    std::size_t k = 0;
    for (int group = 0; group < 2 && k < head.size() && head[k] == '['; ++group) {
      const std::size_t close = head.find(']', k);
      if (close == head.npos) return std::string_view::npos;
      k = close + 1;
      while (k < head.size() && head[k] == ' ') ++k;
    }
    return ls + k;
  }
  for (std::size_t c = head.find(':'); c != head.npos; c = head.find(':', c + 1))
    if (c > 0 && c + 1 < head.size() && head[c + 1] == ' ' &&
        !is_ascii_digit(static_cast<unsigned char>(head[c - 1])))
      return ls + c + 2;
  return std::string_view::npos;
}

// The start of the line holding byte `at` of `text` and where its message starts before `at`, past
// a speaker (message_after_speaker; with `speaker_needed`, none is no message) and spaces; npos for
// the message when the line starts more than `reach` bytes back.
std::pair<std::size_t, std::size_t> chat_message_before(std::string_view text, std::size_t at,
                                                        std::size_t reach, bool speaker_needed) {
  constexpr std::size_t npos = std::string_view::npos;
  const std::size_t ls = line_start_within(text, at, reach);
  if (ls == npos) return {ls, npos};
  std::size_t b = message_after_speaker(text, ls, at);
  if (b == npos && speaker_needed) return {ls, npos};
  if (b == npos) b = ls;
  while (b < at && text[b] == ' ') ++b;
  return {ls, b};
}

// Whether [from, to) of `text` holds nothing but a phone, its label and separators (010 4859 6589
// /, 휴대폰 010-****-3330,): what a reply writes between the person's name and the date.
bool only_a_phone_between(std::string_view text, std::size_t from, std::size_t to) {
  constexpr std::string_view kMarks = " -*/,.:()|";
  while (from < to) {
    const auto c = static_cast<unsigned char>(text[from]);
    if (is_ascii_digit(c) || kMarks.find(static_cast<char>(c)) != kMarks.npos) {
      ++from;
      continue;
    }
    const std::string_view rest = text.substr(from, to - from);
    const auto starts = [&](std::string_view w) { return rest.starts_with(w); };
    const auto* mobile = std::find_if(std::begin(labels::kMobileWords),
                                      std::end(labels::kMobileWords), starts);
    const auto* contact = std::find_if(std::begin(labels::kContactWords),
                                       std::end(labels::kContactWords), starts);
    if (mobile != std::end(labels::kMobileWords)) from += mobile->size();
    else if (contact != std::end(labels::kContactWords)) from += contact->size();
    else return false;
  }
  return true;
}

// Whether the date at `span` of `text` is in a group chat's reply that names its person first
// (설남준: 함상철 010 4859 6589 / 1981.10.11, 안슬기: 손순이 1980-12-27 / 휴대폰 ...), maybe after a
// phone, under a message a few replies above that asks for birth dates (a birth field word and a
// request's: 명단 정리하게 이름, 생년월일, 휴대폰 남겨주세요~), with no thanks closing the thread
// between (kThreadClosingWords).
bool date_in_roster_reply(std::string_view text, const Span& span) {
  constexpr std::size_t kReplyReach = 160;  // the reply's bytes before the date
  constexpr std::size_t kThreadReach = 30;  // replies between the request and this one
  const auto [ls, b] = chat_message_before(text, span.byte_start, kReplyReach, true);
  if (b == std::string_view::npos) return false;
  std::size_t e = b;
  while (e < span.byte_start && hangul_syllable_at(text, e)) e += 3;
  if (e == b || name_length_word_start(text, e) != b || !person_name(text, b, e, false) ||
      !only_a_phone_between(text, e, span.byte_start))
    return false;
  for (std::size_t k = 0, up = ls; k < kThreadReach && up > 0; ++k) {
    const auto [start, line] = line_above(text, up);
    if (holds_any(line, labels::kBirthFieldWords) && holds_any(line, labels::kRosterRequestWords))
      return true;
    if (holds_any(line, labels::kThreadClosingWords) && unicode::count_ascii_digits(line) == 0)
      return false;
    up = start;
  }
  return false;
}

}  // namespace

bool passport_answered_in_chat(std::string_view text, const Span& span) {
  constexpr std::size_t kReplyReach = 96;  // the message's bytes before the number
  constexpr std::size_t kMessagesUp = 2;   // the request a message or two above
  const auto [ls, b] = chat_message_before(text, span.byte_start, kReplyReach, false);
  if (b == std::string_view::npos) return false;
  const std::string_view lead =
      text.substr(b, std::max(b, skip_spaces_back(text, span.byte_start)) - b);
  std::size_t z = span.byte_end;
  while (z < text.size() && text[z] == ' ') ++z;
  const std::string_view rest = text.substr(z);
  const auto is = [&](std::string_view w) { return lead == w; };
  const auto ends = [&](std::string_view w) {
    return rest.starts_with(w) && !hangul_syllable_at(rest, w.size());
  };
  if (!(lead.empty() ||
        std::any_of(std::begin(labels::kOwnAnswerLeads), std::end(labels::kOwnAnswerLeads), is)) ||
      std::none_of(std::begin(labels::kOwnAnswerEndings), std::end(labels::kOwnAnswerEndings),
                   ends))
    return false;
  for (std::size_t k = 0, up = ls; k < kMessagesUp && up > 0; ++k) {
    const auto [start, line] = line_above(text, up);
    if (std::any_of(std::begin(cues::kPassportCues), std::end(cues::kPassportCues),
                    [&](const Cue& c) { return line.find(c.word) != line.npos; }))
      return true;
    up = start;
  }
  return false;
}

bool date_after_name_in_roster(std::string_view text, const Span& span, unsigned year) {
  constexpr unsigned kYoungestMember = 2;  // a date of this year or the last is the meeting's
  if (date_at_roster_row_head(text, span, year)) return true;
  if (!date_in_roster_reply(text, span)) return false;  // most dates stop at its first looks
  const unsigned born = plausible_birth_year(text, span, year);
  return born != 0 && year - born >= kYoungestMember;
}

bool account_after_holder(std::string_view text, const Span& span) {
  std::size_t k = span.byte_start;
  while (k > 0 && (text[k - 1] == ' ' || text[k - 1] == ':')) --k;
  constexpr std::string_view w = labels::kNameHolderWord;
  if (k < w.size() || std::memcmp(text.data() + k - w.size(), w.data(), w.size()) != 0)
    return false;
  const std::size_t line = text.rfind('\n', k);
  const std::size_t from = line == std::string_view::npos ? 0 : line + 1;
  const std::string_view head = text.substr(from, k - w.size() - from);
  for (std::string_view d : labels::kDepositWords)
    if (head.find(d) != std::string_view::npos) return true;
  for (const labels::Label& l : labels::kAccount)
    if ((l.flags & labels::kBank) && !(l.flags & labels::kAscii) &&
        head.find(l.word) != std::string_view::npos)
      return true;
  return false;
}

bool mobile_in_groups_then_more(std::string_view source) {
  constexpr std::string_view kShape = "ddd-dddd-dddd ";
  if (source.size() <= kShape.size()) return false;
  for (std::size_t i = 0; i < kShape.size(); ++i)
    if (kShape[i] == 'd' ? !is_ascii_digit(static_cast<unsigned char>(source[i]))
                         : source[i] != kShape[i])
      return false;
  return true;
}

bool amount_word_begins(std::string_view rest) {
  constexpr std::size_t kGroup = 4;  // a comma and three digits
  // Most numbers are followed by neither a comma nor a Korean letter of 원, 만 or 천's block.
  if (rest.empty() || (rest[0] != ',' && rest[0] != '\xEB' && rest[0] != '\xEC')) return false;
  while (rest.size() > kGroup && rest[0] == ',' &&
         std::all_of(rest.begin() + 1, rest.begin() + kGroup,
                     [](char c) { return is_ascii_digit(static_cast<unsigned char>(c)); }))
    rest.remove_prefix(kGroup);
  return std::any_of(std::begin(labels::kAmountWords), std::end(labels::kAmountWords),
                     [&](std::string_view w) { return rest.starts_with(w); });
}

std::size_t trailing_amount_digits(std::string_view source, std::string_view rest) {
  if (!amount_word_begins(rest)) return 0;
  // Read backwards: digits, and commas before groups of three, back to a space or a bracket.
  std::size_t p = source.size(), digits = 0;
  while (p > 0) {
    const char c = source[p - 1];
    if (is_ascii_digit(static_cast<unsigned char>(c))) ++digits;
    else if (c != ',') break;
    --p;
  }
  if (digits == 0 || p == 0 || (source[p - 1] != ' ' && source[p - 1] != '(')) return 0;
  return digits;
}

namespace {
// Whether `domain` is, whole and in any case, a mail service's that people sign up to (naver.com).
bool is_mail_service(std::string_view domain) {
  return std::any_of(std::begin(labels::kMailHosts), std::end(labels::kMailHosts),
                     [&](std::string_view host) {
                       return host.size() == domain.size() && unicode::word_at_any_case(domain, 0, host);
                     });
}
bool parts_local_name(char c) { return c == '.' || c == '_' || c == '-'; }
// Whether a local part names a role at that domain: any role's of labels::kRoleMailboxes, and a
// booking or inquiry desk's (labels::kBookingMailboxes) at a domain of the business's own.
bool role_at_domain(std::string_view name, std::string_view domain) {
  return is_role_mailbox_name(name) ||
         (is_mailbox_name_of(name, labels::kBookingMailboxes) && !is_mail_service(domain));
}
// Whether every part of the local part between dots, hyphens and underscores is a role's name or
// the domain's own first label, one of them a role's (hanbit.press@hanbit.co.kr, pr_hanbit@):
// help.kim@ and jisoo.info@ name a person.
bool role_and_brand(std::string_view local, std::string_view domain) {
  const std::string_view brand = domain.substr(0, domain.find('.'));
  bool role = false;
  for (std::size_t from = 0; from <= local.size();) {
    std::size_t to = from;
    while (to < local.size() && !parts_local_name(local[to])) ++to;
    const std::string_view part = local.substr(from, to - from);
    if (role_at_domain(part, domain)) role = true;
    else if (part.empty() || part != brand) return false;
    from = to + 1;
  }
  return role;
}
// Whether `domain` is an organisation's mailing host (mail.bankk.co.kr, news.ticketon.kr): its
// first label is one of labels::kMailingHosts and the rest, itself a domain, no mail service's
// nor a public body's or a school's (labels::kStaffMailDomains: mail.go.kr serves officials).
bool mailing_host(std::string_view domain) {
  const std::size_t dot = domain.find('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view rest = domain.substr(dot + 1);
  const auto staff = [&](std::string_view ending) {
    return rest.size() >= ending.size() &&
           unicode::word_at_any_case(rest, rest.size() - ending.size(), ending) &&
           (rest.size() == ending.size() || rest[rest.size() - ending.size() - 1] == '.');
  };
  return rest.find('.') != std::string_view::npos &&
         is_mailbox_name_of(domain.substr(0, dot), labels::kMailingHosts) && !is_mail_service(rest) &&
         std::none_of(std::begin(labels::kStaffMailDomains), std::end(labels::kStaffMailDomains), staff);
}
// Whether a sender's label (labels::kSenderLabels) ends `before`, separators after it aside
// (보낸사람 , "sender": ", sender=, 발신. , From <): spaces, hyphens and underscores are not
// compared, ASCII letters in any case; an ASCII label starts a word.
bool sender_label_ends(std::string_view before) {
  auto separator = [](char c) {
    return c == ' ' || c == '\t' || c == ':' || c == '.' || c == '=' || c == '"' || c == '\'' ||
           c == '<' || c == '(' || c == '[';
  };
  while (!before.empty() && separator(before.back())) before.remove_suffix(1);
  if (before.ends_with("\xEF\xBC\x9A")) before.remove_suffix(3);  // a full-width colon
  auto skipped = [](char c) { return c == ' ' || c == '-' || c == '_'; };
  return std::any_of(std::begin(labels::kSenderLabels), std::end(labels::kSenderLabels),
                     [&](std::string_view label) {
                       std::size_t t = before.size(), k = label.size();
                       while (k > 0) {
                         if (skipped(label[k - 1])) {
                           --k;
                           continue;
                         }
                         while (t > 0 && skipped(before[t - 1])) --t;
                         if (t == 0 || unicode::ascii_lower(static_cast<unsigned char>(before[t - 1])) !=
                                           static_cast<unsigned char>(label[k - 1]))
                           return false;
                         --t;
                         --k;
                       }
                       return !is_ascii_letter(static_cast<unsigned char>(label.front())) || t == 0 ||
                              !is_ascii_letter(static_cast<unsigned char>(before[t - 1]));
                     });
}
}  // namespace

bool role_mailbox(std::string_view text, const Span& span) {
  constexpr std::size_t kSaidReach = 36;  // bytes: 홍보팀 공용 메일, 대표 이메일: right before it
  const std::string_view address = text.substr(span.byte_start, span.byte_len());
  const std::size_t at = address.find('@');
  const std::string_view local = address.substr(0, at);
  if ((at != std::string_view::npos ? role_at_domain(local, address.substr(at + 1))
                                     : is_role_mailbox_name(local)) ||
      (at != std::string_view::npos && std::any_of(local.begin(), local.end(), parts_local_name) &&
       role_and_brand(local, address.substr(at + 1))))
    return true;
  // The words between the address and the one before it on its line, if any, call it shared.
  static const WordSet shared_words{labels::kSharedMailboxWords};
  static const WordSet main_words{labels::kMainMailboxWords};
  std::string_view before = line_before(text, span, kSaidReach);
  if (const std::size_t other = before.rfind('@'); other != std::string_view::npos)
    before.remove_prefix(std::min(before.size(), before.find(' ', other)));
  if (shared_words.in(before)) return true;
  if (at == std::string_view::npos) return false;
  if (mailing_host(address.substr(at + 1)) && sender_label_ends(before)) return true;
  if (!main_words.in(before)) return false;
  return !is_mail_service(address.substr(at + 1));
}

std::size_t masked_card_before_more(std::string_view source, std::size_t digits) {
  const std::size_t space = source.rfind(' ');
  if (space == std::string_view::npos || space + 1 == source.size()) return 0;
  const std::string_view tail = source.substr(space + 1);
  if (!std::all_of(tail.begin(), tail.end(),
                   [](char c) { return is_ascii_digit(static_cast<unsigned char>(c)); }) ||
      tail.size() >= digits)
    return 0;
  std::string_view head = source.substr(0, space);
  while (!head.empty() && head.back() == ' ') head.remove_suffix(1);
  // The head's groups, in characters (a mask may be ● or ■), and the one separator between them.
  constexpr std::size_t kMostGroups = 4;
  std::size_t widths[kMostGroups + 1] = {}, groups = 1;
  char separator = 0;
  for (std::size_t i = 0; i < head.size(); ++i) {
    const char c = head[i];
    if (c == '-' || c == '.' || c == ' ') {
      if ((separator && c != separator) || groups == kMostGroups + 1 || widths[groups - 1] == 0)
        return 0;
      separator = c;
      ++groups;
    } else if (!utf8::is_continuation(static_cast<unsigned char>(c))) {
      ++widths[groups - 1];
    }
  }
  const bool four_of_four = groups == 4 && widths[0] == 4 && widths[1] == 4 && widths[2] == 4 &&
                            widths[3] == 4;
  const bool four_six_five = groups == 3 && widths[0] == 4 && widths[1] == 6 && widths[2] == 5;
  const std::size_t card = digits - tail.size();
  return (four_of_four && card == 16) || (four_six_five && card == 15) ? card : 0;
}

std::size_t trailing_dotted_date_digits(std::string_view source) {
  // Read backwards: day, dot, month, dot, year of two or four digits, then the space.
  std::size_t p = source.size();
  unsigned parts[3] = {0, 0, 0};
  std::size_t widths[3] = {0, 0, 0};
  for (int k = 0; k < 3; ++k) {
    if (k) {
      while (p > 0 && source[p - 1] == ' ') --p;
      if (p == 0 || source[p - 1] != '.') return 0;
      --p;
    }
    const std::size_t end = p;
    while (p > 0 && end - p < 4 && is_ascii_digit(static_cast<unsigned char>(source[p - 1]))) --p;
    widths[k] = end - p;
    for (std::size_t i = p; i < end; ++i)
      parts[k] = parts[k] * 10 + static_cast<unsigned>(source[i] - '0');
  }
  const bool day = widths[0] >= 1 && widths[0] <= 2 && parts[0] >= 1 && parts[0] <= 31;
  const bool month = widths[1] >= 1 && widths[1] <= 2 && parts[1] >= 1 && parts[1] <= 12;
  const bool year = widths[2] == 2 || widths[2] == 4;
  if (!(day && month && year) || p == 0 || source[p - 1] != ' ') return 0;
  return widths[0] + widths[1] + widths[2];
}

namespace {
// Digits (bare or in groups joined by hyphens) with capitals glued before them: an identifier
// led by its letters (약정번호 C7974-627095, contract_no=CT0208-368452, 교적번호 A3578345658, a
// 등록번호 column's A8996937942), the digits a part of it and no phone's, account's or business
// number's. Capitals that are a label glued to its value (HP010-..., TEL02-..., KB123-...,
// T0312345678) lead none; a business's own word on the line (사업자) reads the number as labelled.
// A card's or a resident's number whose check digit agrees is read by it, not by the capitals
// (MC5500-..., HD4111-...: a card's brand or issuer in short).
constexpr std::size_t kLongestIdentifierLead = 4;
// The label tables' words of letters only, short enough to be glued capitals: made once.
const std::vector<std::string_view>& short_label_words() {
  static const std::vector<std::string_view> words = [] {
    std::vector<std::string_view> out;
    for (const std::span<const labels::Label> table : labels::kTables)
      for (const labels::Label& l : table)
        if (l.word.size() <= kLongestIdentifierLead &&
            std::all_of(l.word.begin(), l.word.end(),
                        [](char c) { return is_ascii_letter(static_cast<unsigned char>(c)); }))
          out.push_back(l.word);
    return out;
  }();
  return words;
}
bool led_by_identifier_capitals(std::span<const std::uint8_t> d, std::string_view source,
                                std::string_view text, const Span& run, bool personal_phone) {
  constexpr std::size_t kFewestCardDigits = 13, kMostCardDigits = 19;
  if (source.empty() || !is_ascii_digit(static_cast<unsigned char>(source[0])) ||
      run.byte_start == 0 || !is_ascii_upper(static_cast<unsigned char>(text[run.byte_start - 1])))
    return false;
  std::size_t lead = run.byte_start - 1;
  while (lead > 0 && run.byte_start - lead <= kLongestIdentifierLead &&
         is_ascii_upper(static_cast<unsigned char>(text[lead - 1])))
    --lead;
  if (run.byte_start - lead > kLongestIdentifierLead ||
      (lead > 0 && (is_ascii_letter(static_cast<unsigned char>(text[lead - 1])) ||
                    is_ascii_digit(static_cast<unsigned char>(text[lead - 1])) ||
                    text[lead - 1] == '@' || text[lead - 1] == '.')))
    return false;
  if (!std::all_of(source.begin(), source.end(), [](char c) {
        return is_ascii_digit(static_cast<unsigned char>(c)) || c == '-';
      }))
    return false;
  auto passed = [](const ChecksumResult& r) { return r.kind == ChecksumResult::Kind::passed; };
  if (d.size() >= kFewestCardDigits && d.size() <= kMostCardDigits && passed(luhn_checksum(d)))
    return false;
  if (const auto resident = analyze_resident(d); resident && passed(resident->checksum))
    return false;
  const std::string_view capitals = text.substr(lead, run.byte_start - lead);
  // One capital a typo or a scan glued before a telephone number under a person's telephone
  // label leads nothing: the number is theirs (연락처 A010-1234-5678).
  if (personal_phone && capitals.size() == 1 && is_national_phone(d)) return false;
  auto names = [&](std::string_view word) { return equals_ignoring_case(capitals, word); };
  if (std::any_of(std::begin(labels::kMisreadDigitCapitals),
                  std::end(labels::kMisreadDigitCapitals), names))
    return false;
  const bool telephone = source[0] == '0';
  if ((telephone && std::any_of(std::begin(labels::kGluedLineCapitals),
                                std::end(labels::kGluedLineCapitals), names)) ||
      std::any_of(std::begin(labels::kGluedNameCapitals), std::end(labels::kGluedNameCapitals),
                  names) ||
      std::any_of(short_label_words().begin(), short_label_words().end(), names))
    return false;
  return !business_identity_words().in(line_before(text, run));
}
// A reference number led by its year and grouped 4-4-2 (접수 2025-4202-79, VOYAGE 2025-5556-97,
// Registration No. 2025-1150-42): a business registration number is written 3-2-5 or as ten
// bare digits, and one in ten such references passes its check digit by chance. Under a
// business's or an account's label it is read as labelled.
bool year_led_reference(std::string_view source, const LabelSearch* labels) {
  constexpr std::size_t kGroupedSize = 12;  // 4, a separator, 4, the same separator, 2
  if (source.size() != kGroupedSize || (source[4] != '-' && source[4] != ' ' && source[4] != '.') ||
      source[9] != source[4] || !(source.starts_with("19") || source.starts_with("20")))
    return false;
  for (std::size_t k : {0, 1, 2, 3, 5, 6, 7, 8, 10, 11})
    if (!is_ascii_digit(static_cast<unsigned char>(source[k]))) return false;
  return !labels ||
         (!labels->found_of(static_cast<std::size_t>(EntityKind::business_registration)) &&
          !labels->found_of(static_cast<std::size_t>(EntityKind::bank_account)));
}
}  // namespace

namespace {
// Whether the run holds a tab or a comma before a digit: a row's cells or an amount's thousands,
// not one number. Sixteen of the text's bytes a step: most runs hold neither, and a search for
// each byte costs a call.
inline constexpr unicode::ByteSet kCellOrThousandsBytes{1, 0, {'\t', ','}, 2};
bool cells_or_thousands(std::string_view text, const Span& run) {
  constexpr std::size_t kBlock = 16;
  const std::size_t end = std::min<std::size_t>(run.byte_end, text.size());
  for (std::size_t base = run.byte_start; base < end; base += kBlock) {
    unsigned marks = unicode::block_mask<kCellOrThousandsBytes>(text, base);
    if (end - base < kBlock) marks &= (1u << (end - base)) - 1;
    for (; marks != 0; marks &= marks - 1) {
      const std::size_t k = base + static_cast<std::size_t>(std::countr_zero(marks));
      if (text[k] == '\t' || (k + 1 < end && is_ascii_digit(text[k + 1]))) return true;
    }
  }
  return false;
}
}  // namespace

std::optional<Veto> veto(const Config& cfg, std::span<const std::uint8_t> d, std::string_view text,
                         const Span& run, bool personal_phone, const LabelSearch* labels) {
  const std::string_view source = text.substr(run.byte_start, run.byte_len());
  const std::string_view after = text.substr(run.byte_end, 2);
  const std::size_t n = d.size();
  if (cfg.lookalike_veto) {
    // IP, version; not a telephone number after its country code (+82.10.1234.5678) nor a
    // licence or card number in dotted groups.
    if (count_char(source, 0, source.size(), '.') >= 3 &&
        !(digits_start_with(d, "82") && n >= 10) &&
        !(cfg.writing_variants && (is_dotted_licence(source, labels) || is_dotted_card(source))))
      return Veto{RejectReason::look_alike, true};
    if (is_price(source)) return Veto{RejectReason::look_alike, true};
    if (is_isbn13(d)) return Veto{RejectReason::look_alike, true};
    if (may_be_other_registry(n, source, text, run) &&
        of_other_registry(d, source, text, run, labels))
      return Veto{RejectReason::look_alike, true};
    if (is_imei(d)) return Veto{RejectReason::look_alike, true};
    if (n == 10 && patient_chart_number(source, text, run, labels))
      return Veto{RejectReason::look_alike, true};
    if (cfg.label_reading && ((n == 10 && year_led_reference(source, labels)) ||
                              led_by_identifier_capitals(d, source, text, run, personal_phone)))
      return Veto{RejectReason::look_alike, true};
    // A date joined to the hour of a clock (2024.01.12 11:50), or a time stamp 20211021122410.
    // A mobile number before the hour is read apart from the clock.
    if (after.size() >= 2 && after[0] == ':' && is_ascii_digit(after[1]))
      return Veto{RejectReason::look_alike, !mobile_before_hour(d, source)};
    if (is_timestamp(d)) return Veto{RejectReason::look_alike, true};
    if (drug_code(source, text, run)) return Veto{RejectReason::look_alike, true};
    if (n == 13 && post_office_parcel(source, text, run))
      return Veto{RejectReason::look_alike, true};
    if (n == kParcelCodeDigits && land_parcel_code(d, source, text, run))
      return Veto{RejectReason::look_alike, true};
    if (issued_number_in_column(d, source, text, labels))
      return Veto{RejectReason::look_alike, true};
    // Most runs begin with a digit: the glued fax label's X is looked for before the call.
    if (!personal_phone && (source[0] == 'X' || source[0] == 'x') && fax_label_glued(d, text, run))
      return Veto{RejectReason::look_alike, true};
    if (cells_or_thousands(text, run)) return Veto{RejectReason::look_alike, false};
  }
  // An office's fax after its letter label (F)02-...): the office's, whatever label the line has.
  if (cfg.company_veto && fax_letter_label_before(text, run) && is_landline(d))
    return Veto{RejectReason::company_number, true};
  if (cfg.company_veto && !personal_phone) {
    const bool representative = n == 8 && is_representative_number(d, source);
    // Written 080-123-4567 or undivided; 08-005276-34 is a licence's groups, not 080's.
    auto lead_of_three_or_none = [&] {
      const auto lead =
          std::find_if(source.begin(), source.end(), [](char c) { return !is_ascii_digit(c); });
      return lead == source.end() || lead - source.begin() == 3;
    };
    const bool toll_free =
        (n == 10 || n == 11) && digits_start_with(d, "080") && lead_of_three_or_none();
    if (representative || toll_free) return Veto{RejectReason::company_number, true};
    if (owned_by_organisation(d, text, run, labels))
      return Veto{RejectReason::company_number, true};
  } else if (cfg.company_veto && (company_before_contact_label(d, source, text, run) ||
                                   office_line_under_personal_label(d, text, run, labels))) {
    return Veto{RejectReason::company_number, true};
  } else if (cfg.company_veto && !is_landline(d) && !is_mobile_number(d) &&
             owned_by_organisation(d, text, run, labels)) {
    // A phone's label names no account: a holder's name may hold one (예금주 헬로모바일(주)).
    return Veto{RejectReason::company_number, true};
  }
  return std::nullopt;
}

// ------------------------------------------------------------------------------------------
// Shapes

namespace {

bool is_local_char(unsigned char c) {
  return is_ascii_letter(c) || is_ascii_digit(c) || c == '%' || c == '+' || c == '-' || c == '.' ||
         c == '_';
}
bool is_label_char(unsigned char c) { return is_ascii_letter(c) || is_ascii_digit(c) || c == '-'; }

// Case-insensitive ASCII comparison at i.
bool word_at(std::string_view s, std::size_t i, std::string_view w) {
  if (i + w.size() > s.size()) return false;
  for (std::size_t k = 0; k < w.size(); ++k)
    if (ascii_lower(static_cast<unsigned char>(s[i + k])) !=
        ascii_lower(static_cast<unsigned char>(w[k])))
      return false;
  return true;
}

constexpr std::string_view kDotMarks[] = {"(dot)", "[dot]", "{dot}", " dot ", "(점)", " 점 ",
                                          "닷",    "[.]",   "(.)",   " . ",   "."};

// Labels of a domain joined by dots or dot marks from i; the end, or npos. `marked` tells
// whether a dot mark was used.
std::size_t read_domain(std::string_view s, std::size_t i, bool& marked) {
  std::size_t labels = 0, end = std::string_view::npos, last_start = i;
  marked = false;
  while (true) {
    const std::size_t ls = i;
    while (i < s.size() && is_label_char(static_cast<unsigned char>(s[i]))) ++i;
    if (i == ls) break;
    ++labels;
    last_start = ls;
    end = i;
    bool joined = false;
    for (std::string_view m : kDotMarks) {
      // A mark in brackets or in words may stand between spaces: naver [dot] com.
      std::size_t at = i;
      if (m.front() != ' ' && m != ".")
        while (at < s.size() && s[at] == ' ') ++at;
      if (!word_at(s, at, m)) continue;
      std::size_t next = at + m.size();
      if (at != i)
        while (next < s.size() && s[next] == ' ') ++next;
      if (next < s.size() && is_label_char(static_cast<unsigned char>(s[next]))) {
        marked |= m != ".";
        i = next;
        joined = true;
        break;
      }
    }
    if (!joined) break;
  }
  if (labels < 2 || end == std::string_view::npos || end - last_start < 2)
    return std::string_view::npos;
  for (std::size_t k = last_start; k < end; ++k)
    if (!is_ascii_letter(static_cast<unsigned char>(s[k]))) return std::string_view::npos;
  return end;
}

}  // namespace

namespace {

// A shape by its bytes; characters are counted once all are known.
struct Raw {
  std::size_t from, to;
  EntityKind kind;
  RuleName rule;
  float base;
  bool needs_context;
};

// The Hangul numeral syllables from byte k (at most four), for a month or a day.
std::size_t numeral_syllables(std::string_view text, std::size_t k) {
  static constexpr std::string_view kNumerals[] = {"공", "영", "일", "이", "삼", "사",
                                                   "오", "육", "칠", "팔", "구", "십"};
  std::size_t e = k;
  while (e - k < 12 && std::ranges::find(kNumerals, text.substr(e, 3)) != std::end(kNumerals))
    e += 3;
  return e - k;
}

// A month (unit 월) or a day (unit 일) written in Hangul numerals at byte k: 삼월, 십이월, 시월,
// 십오일, 일일 (the last 일 is the unit). Its value, and k moved past the unit; 0 when none.
unsigned hangul_date_part(std::string_view text, std::size_t& k, std::string_view unit) {
  std::size_t len = numeral_syllables(text, k);
  if (unit == "월") {
    for (auto [word, month] : {std::pair{std::string_view("시월"), 10u}, {"유월", 6u}})
      if (len == 0 && text.substr(k, 6) == word) {
        k += 6;
        return month;
      }
    if (text.substr(k + len, 3) != unit) return 0;
  } else {
    if (len < 6 || text.substr(k + len - 3, 3) != unit) return 0;
    len -= 3;
  }
  const auto v = passes::hangul_number_value(text.substr(k, len));
  if (!v || *v == 0 || *v > 31) return 0;
  k += len + 3;
  return static_cast<unsigned>(*v);
}

// How many bytes of at most `most` mask characters (labels::kDatePartMasks) stand from byte k.
std::size_t mask_characters(std::string_view text, std::size_t k, std::size_t most) {
  const std::size_t from = k;
  for (std::size_t count = 0; count < most; ++count) {
    if (k >= text.size()) break;
    const auto mask = std::ranges::find_if(labels::kDatePartMasks, [&](std::string_view m) {
      return m[0] == text[k] && text.substr(k).starts_with(m);
    });
    if (mask == std::end(labels::kDatePartMasks)) break;
    k += mask->size();
  }
  return k - from;
}

// A date in Korean words from byte k, right after its year y of yl digits: 1974년 10월 12일, and
// with `words` spaces before 년, 월 and 일 and a month and day in Hangul numerals (1990년 삼월
// 십오일). Its end, or 0. Out of line: few runs are followed by 년 or a space.
[[gnu::noinline]] std::size_t korean_date_at(std::string_view text, std::size_t k, unsigned y,
                                             std::size_t yl, bool words, RuleName& rule,
                                             bool year_masked = false) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  auto skip_spaces = [&] {
    while (k < n && p[k] == ' ') ++k;
  };
  bool hangul = false;
  std::size_t masked = 0;  // parts masked whole (1973년 **월 **일)
  // A number and its unit word: digits then the unit, or with `words` Hangul numerals or one or
  // two mask characters (v is then 0).
  auto part = [&](std::string_view unit, unsigned& v) {
    const std::size_t from = k;
    v = 0;
    while (k < n && is_ascii_digit(p[k]) && k - from < 3) v = v * 10 + (p[k++] - '0');
    const std::size_t len = k - from;
    if (words) skip_spaces();
    if (len >= 1 && len <= 2 && text.substr(k, 3) == unit) {
      k += 3;
      return true;
    }
    k = from;
    if (!words || len != 0) return false;
    if (const std::size_t marks = mask_characters(text, k, 2); marks > 0) {
      std::size_t e = k + marks;
      while (e < n && p[e] == ' ') ++e;
      if (text.substr(e, 3) != unit) return false;
      k = e + 3;
      ++masked;
      return true;
    }
    v = hangul_date_part(text, k, unit);
    hangul |= v != 0;
    return v != 0;
  };
  if (words) skip_spaces();
  if (text.substr(k, 3) != "년") return 0;
  k += 3;
  skip_spaces();
  unsigned m, d;
  if (!part("월", m)) return 0;
  skip_spaces();
  if (!part("일", d)) return 0;
  if (year_masked) {
    // The year masked but for its century (19**년 8월 8일): read as the digits' 19**-08-08 is,
    // while the month or the day shows; the century alone says nothing of the person.
    if (masked == 2 || m > 12 || d > 31) return 0;
    rule = rule::kBirthMasked;
    return k;
  }
  const unsigned year = yl == 4 ? y : 1900 + y;
  if (yl == 4 && (y < 1900 || y > 2099)) return 0;
  if (masked > 0) {
    // What stays in clear must still be a part of a date: a full year, or a month beside it.
    if ((masked == 2 && yl != 4) || (m == 0 && d == 0 && masked < 2) || m > 12 || d > 31) return 0;
    rule = rule::kBirthMasked;
    return k;
  }
  if (!is_valid_date(year, m, d) && !(yl == 2 && is_valid_date(2000 + y, m, d))) return 0;
  rule = hangul ? rule::kBirthHangulDate : rule::kBirthKoreanDate;
  return k;
}

// A date from the run of digits at i: 1974년 10월 12일, 1990/01/01, 01/15/1990; its end or 0.
// With `words`, as korean_date_at reads them.
std::size_t date_at(std::string_view text, std::size_t i, RuleName& rule, bool words) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t k = i;
  auto number = [&](std::size_t max, unsigned& v) {
    const std::size_t s = k;
    v = 0;
    while (k < n && is_ascii_digit(p[k]) && k - s < max + 1) v = v * 10 + (p[k++] - '0');
    return k - s;
  };
  auto ends_here = [&] { return !(k < n && (is_ascii_digit(p[k]) || p[k] == '/')); };
  unsigned y, m, d;
  const std::size_t yl = number(4, y);
  // 년 starts with EB.
  if ((yl == 4 || yl == 2) && k < n && (p[k] == 0xEB || (words && p[k] == ' ')))
    return korean_date_at(text, k, y, yl, words, rule);
  // A century and two masks before 년 (19**년 8월 8일): the year masked in words.
  if (words && yl == 2 && (y == 19 || y == 20))
    if (const std::size_t masks = mask_characters(text, k, 2);
        masks > 0 && mask_characters(text, k, 1) < masks)
      return korean_date_at(text, k + masks, y, yl, words, rule, true);
  if (yl == 4 && k < n && p[k] == '/') {
    ++k;
    const std::size_t ml = number(2, m);
    if (ml < 1 || ml > 2 || !(k < n && p[k] == '/')) return 0;
    ++k;
    const std::size_t dl = number(2, d);
    if (dl < 1 || dl > 2 || !ends_here() || y < 1900 || y > 2099 || !is_valid_date(y, m, d))
      return 0;
    rule = rule::kBirthSeparatedDate;
    return k;
  }
  if ((yl == 1 || yl == 2) && k < n && p[k] == '/') {  // month/day/year, or day/month/year
    m = y;
    ++k;
    const std::size_t dl = number(2, d);
    if (dl < 1 || dl > 2 || !(k < n && p[k] == '/')) return 0;
    ++k;
    if (number(4, y) != 4 || !ends_here() || y < 1900 || y > 2099 ||
        !(is_valid_date(y, m, d) || is_valid_date(y, d, m)))
      return 0;
    rule = rule::kBirthSeparatedDate;
    return k;
  }
  return 0;
}

// Where a date of slashes whose first number is one digit starts, seen from the run of digits
// at i after the second slash (1/2/1981, 3/14/1990), or i.
std::size_t single_digit_date_start(std::string_view text, std::size_t i) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  if (i < 4 || p[i - 1] != '/') return i;
  std::size_t k = i - 1;
  const std::size_t second = k;
  while (k > 0 && is_ascii_digit(p[k - 1]) && second - k < 3) --k;
  if (second - k < 1 || second - k > 2 || k < 3 || p[k - 1] != '/' || !is_ascii_digit(p[k - 2]))
    return i;
  const std::size_t first = k - 2;
  if (first > 0 && (is_ascii_digit(p[first - 1]) || p[first - 1] == '/')) return i;
  return first;
}

// A birth date of slashes showing its year, or its year and month, and masking the rest
// (1971/**/**, 56/XX/XX, 1971/05/**), which normalization keeps apart. Its end, or 0.
std::size_t masked_slashed_date_at(std::string_view text, std::size_t i) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t k = i;
  while (k < n && is_ascii_digit(p[k])) ++k;
  const std::size_t year_digits = k - i;
  if ((year_digits != 2 && year_digits != 4) ||
      (i > 0 && (is_ascii_digit(p[i - 1]) || p[i - 1] == '/')))
    return 0;
  if (year_digits == 4) {
    const unsigned century = (p[i] - '0') * 10u + (p[i + 1] - '0');
    if (century != 19 && century != 20) return 0;
  }
  // Two masks, or (the month only) two digits of a month.
  auto part = [&](bool month) {
    if (k >= n || p[k] != '/') return false;
    ++k;
    if (const std::size_t m = mask_characters(text, k, 2); m > 0) {
      const std::size_t from = k;
      k += m;
      return mask_characters(text, from, 1) < m;  // two of them
    }
    if (!month || k + 2 > n || !is_ascii_digit(p[k]) || !is_ascii_digit(p[k + 1])) return false;
    const unsigned value = (p[k] - '0') * 10u + (p[k + 1] - '0');
    k += 2;
    return value >= 1 && value <= 12;
  };
  if (!part(true) || !part(false)) return 0;
  if (k < n && (is_ascii_digit(p[k]) || p[k] == '/' || mask_characters(text, k, 1) > 0)) return 0;
  return k;
}

// A birth date of slashes showing its month and day, in either order, and masking its year
// (03/05/****, 12/3/****), which normalization keeps apart. Its end, or 0.
std::size_t year_masked_slashed_date_at(std::string_view text, std::size_t i) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t k = i;
  auto number = [&](unsigned& v) {  // one or two digits, then a slash
    const std::size_t from = k;
    v = 0;
    while (k < n && is_ascii_digit(p[k]) && k - from < 2) v = v * 10 + (p[k++] - '0');
    if (k == from || k >= n || p[k] != '/') return false;
    ++k;
    return true;
  };
  if (i > 0 && (is_ascii_digit(p[i - 1]) || p[i - 1] == '/')) return 0;
  unsigned a, b;
  if (!number(a) || !number(b) || a == 0 || b == 0) return 0;
  if (!((a <= 12 && b <= 31) || (b <= 12 && a <= 31))) return 0;
  constexpr std::size_t kYearDigits = 4;
  const std::size_t year = mask_characters(text, k, kYearDigits);
  if (year == 0 || mask_characters(text, k, kYearDigits - 1) == year) return 0;
  k += year;
  if (k < n && (is_ascii_digit(p[k]) || p[k] == '/' || mask_characters(text, k, 1) > 0)) return 0;
  return k;
}

// How many mask characters (labels::kDatePartMasks), `most` at most, end at byte e: their bytes.
std::size_t mask_characters_before(std::string_view text, std::size_t e, std::size_t most) {
  std::size_t k = e;
  for (std::size_t count = 0; count < most; ++count) {
    const auto mask = std::ranges::find_if(labels::kDatePartMasks, [&](std::string_view m) {
      return text.substr(0, k).ends_with(m);
    });
    if (mask == std::end(labels::kDatePartMasks)) break;
    k -= mask->size();
  }
  return e - k;
}

// Whether the four mask characters of a year, and no more, end at byte e, nothing of a number
// before them: where they start, or npos.
std::size_t masked_year_before(std::string_view text, std::size_t e) {
  constexpr std::size_t kYearDigits = 4;
  // Most slashes follow a digit or a letter: no mask's last byte (an ASCII mask, or a symbol's
  // byte past 0x80) stands there.
  if (e == 0 || (static_cast<unsigned char>(text[e - 1]) < 0x80 && text[e - 1] != '*' &&
                 text[e - 1] != 'X' && text[e - 1] != 'x' && text[e - 1] != '#'))
    return std::string_view::npos;
  const std::size_t masks = mask_characters_before(text, e, kYearDigits + 1);
  if (masks == 0 || mask_characters_before(text, e, kYearDigits) != masks ||
      mask_characters_before(text, e, kYearDigits - 1) == masks)
    return std::string_view::npos;
  const std::size_t from = e - masks;
  if (from > 0 && (is_ascii_digit(static_cast<unsigned char>(text[from - 1])) ||
                   text[from - 1] == '/'))
    return std::string_view::npos;
  return from;
}

// A birth date of slashes masking its year whole and leading with it (****/05/03), from the slash
// at k after the year's masks. Its end, or 0.
std::size_t year_masked_first_slashed_date_at(std::string_view text, std::size_t k) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  auto number = [&](unsigned& v) {  // a slash, then one or two digits
    if (k >= n || p[k] != '/') return false;
    const std::size_t from = ++k;
    v = 0;
    while (k < n && is_ascii_digit(p[k]) && k - from < 2) v = v * 10 + (p[k++] - '0');
    return k > from;
  };
  unsigned month, day;
  if (!number(month) || !number(day) || month == 0 || month > 12 || day == 0 || day > 31)
    return 0;
  if (k < n && (is_ascii_digit(p[k]) || p[k] == '/')) return 0;
  return k;
}

// A birth date with a two-digit year and slashes, which normalization keeps (70/7/30, 70/07/30;
// dots and hyphens are absorbed, and those dates are read from their runs). Its end, or 0. A
// fourth group or a digit before it make something else.
std::size_t short_year_date_at(std::string_view text, std::size_t i) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  auto joined = [&](std::size_t k) { return p[k] == '.' || p[k] == '/' || p[k] == '-'; };
  if (i > 0 && (is_ascii_digit(p[i - 1]) || joined(i - 1))) return 0;
  std::size_t k = i;
  auto number = [&](unsigned& v) {
    const std::size_t from = k;
    v = 0;
    while (k < n && is_ascii_digit(p[k]) && k - from < 3) v = v * 10 + (p[k++] - '0');
    return k - from;
  };
  unsigned y, m, d;
  auto separator = [&] {
    if (k >= n || p[k] != '/') return false;
    ++k;
    return true;
  };
  if (number(y) != 2 || !separator()) return 0;
  const std::size_t ml = number(m);
  if (ml < 1 || ml > 2 || !separator()) return 0;
  const std::size_t dl = number(d);
  if (dl < 1 || dl > 2) return 0;
  if (k + 1 < n && joined(k) && is_ascii_digit(p[k + 1])) return 0;
  if (!is_valid_date(1900 + y, m, d) && !is_valid_date(2000 + y, m, d)) return 0;
  return k;
}

// The letters a passport starts with, typed in lower case: m, s, r, d, g, t (not o, which the
// normalization may read as 0).
bool lower_passport_letter(unsigned char c) {
  return c == 'm' || c == 's' || c == 'r' || c == 'd' || c == 'g' || c == 't';
}

// A passport of the current format at i: M123A4567, or typed in lower case (m123a4567). A
// template, so that the test of every run keeps the capitals' version inline.
template <bool Lower = false>
bool current_passport_at(std::string_view text, std::size_t i) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  auto alnum = [&](std::size_t k) { return is_ascii_letter(p[k]) || is_ascii_digit(p[k]); };
  auto letter = [&](std::size_t k) { return Lower ? is_ascii_lower(p[k]) : is_ascii_upper(p[k]); };
  if (i + 9 > n || !letter(i) || !letter(i + 4) || (Lower && !lower_passport_letter(p[i])) ||
      (i > 0 && alnum(i - 1)) || (i + 9 < n && alnum(i + 9)))
    return false;
  for (std::size_t k : {1, 2, 3, 5, 6, 7, 8})
    if (!is_ascii_digit(p[i + k])) return false;
  return true;
}

// A passport of the current format with some digits masked at i (M337G****, M12*A4567): three
// digits at least in clear. Its end, or 0.
std::size_t masked_current_passport_at(std::string_view text, std::size_t i) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  auto upper = [&](std::size_t k) { return k < n && p[k] >= 'A' && p[k] <= 'Z'; };
  if (!upper(i) || (i > 0 && (is_ascii_letter(p[i - 1]) || is_ascii_digit(p[i - 1])))) return 0;
  std::size_t k = i + 1, digits = 0, masks = 0;
  for (std::size_t place = 1; place < 9; ++place) {
    if (place == 4) {
      if (!upper(k)) return 0;
      ++k;
    } else if (k < n && is_ascii_digit(p[k])) {
      ++k, ++digits;
    } else if (const std::size_t m = mask_characters(text, k, 1); m > 0 && text[k] != 'X' &&
                                                                  text[k] != 'x') {
      k += m, ++masks;
    } else {
      return 0;
    }
  }
  if (masks == 0 || digits < 3 || (k < n && (is_ascii_letter(p[k]) || is_ascii_digit(p[k]))))
    return 0;
  return k;
}

// Where a local part hidden in part by stars starts, its stars ending at byte k: letters or
// digits in clear, then two stars or more, then maybe the rest in clear (hj*****@, h****g@).
// A wildcard shows nothing in clear (*@example.com) and a glob's star is one (user*@): npos.
std::size_t masked_local_start(const unsigned char* p, std::size_t k) {
  const std::size_t stars_end = k;
  while (k > 0 && p[k - 1] == '*') --k;
  if (stars_end - k < 2) return std::string_view::npos;
  const std::size_t clear_end = k;
  while (k > 0 && (is_local_char(p[k - 1]) || p[k - 1] == '*')) --k;
  while (k < clear_end && p[k] == '.') ++k;
  for (std::size_t c = k; c < clear_end; ++c)
    if (is_ascii_letter(p[c]) || is_ascii_digit(p[c])) return k;
  return std::string_view::npos;
}

// The e-mail around the "@" at i that the base scanner leaves: masked local part
// (hj*****@gmail.com; with the writing variants also h****g@gmail.com, whose scanned address
// starts after the stars) or digits glued after the domain (a.b@example.com010-...).
std::optional<Raw> email_at(std::string_view text, std::size_t i, bool variants) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  if (i == 0) return std::nullopt;
  std::size_t s = i;  // where the letters in clear right before the "@" start
  while (s > 0 && is_local_char(p[s - 1])) --s;
  const bool starred = s == i && p[i - 1] == '*';
  if (starred || (variants && s < i && s > 0 && p[s - 1] == '*')) {
    if (const std::size_t m = masked_local_start(p, s); m != std::string_view::npos) {
      bool marked = false;
      const std::size_t e = read_domain(text, i + 1, marked);
      if (e != std::string_view::npos && !marked)
        return Raw{m, e, EntityKind::email, rule::kEmailMasked, 0.85f, false};
    }
    if (starred) return std::nullopt;
  }
  if (!is_local_char(p[i - 1]) || p[i - 1] == '.') return std::nullopt;
  while (s < i && p[s] == '.') ++s;
  // A domain whose dots are disguised from its first one on: hong@naver[.]com,
  // hong@naver dot com (with a plain first dot the base scanner reads the e-mail).
  std::size_t first_label = i + 1;
  while (first_label < n && is_label_char(p[first_label])) ++first_label;
  if (first_label > i + 1 && first_label < n && p[first_label] != '.') {
    bool marked = false;
    const std::size_t e = read_domain(text, i + 1, marked);
    if (marked && s < i && e != std::string_view::npos)
      return Raw{s, e, EntityKind::email, rule::kEmailObfuscated, 0.85f, false};
  }
  std::size_t e = i + 1;
  while (e < n && (is_label_char(p[e]) || p[e] == '.')) ++e;
  // The last label: letters, then digits straight after them.
  std::size_t dot = e;
  while (dot > i + 1 && p[dot - 1] != '.') --dot;
  std::size_t letters = dot;
  while (letters < e && is_ascii_letter(p[letters])) ++letters;
  if (!(s < i && dot > i + 2 && letters - dot >= 2 && letters < e && is_ascii_digit(p[letters])))
    return std::nullopt;
  bool marked = false;
  if (read_domain(text.substr(0, letters), i + 1, marked) != letters) return std::nullopt;
  return Raw{s, letters, EntityKind::email, rule::kEmailGlued, 0.85f, false};
}

// The e-mail around a disguised "@" (a mark from..to): hong(at)naver.com, hong 골뱅이 naver.com.
std::optional<Raw> disguised_email(std::string_view text, std::size_t from, std::size_t to,
                                   bool needs_dot_mark, bool* dots_marked = nullptr) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t local_end = from;
  if (local_end > 0 && p[local_end - 1] == ' ') --local_end;
  std::size_t s = local_end;
  while (s > 0 && is_local_char(p[s - 1])) --s;
  while (s < local_end && p[s] == '.') ++s;
  if (s == local_end || p[local_end - 1] == '.') return std::nullopt;
  std::size_t d = to;
  if (d < n && p[d] == ' ') ++d;
  bool marked = false;
  const std::size_t e = read_domain(text, d, marked);
  if (dots_marked) *dots_marked = marked;
  // A plain " at " is English prose unless the dots are disguised too.
  if (e == std::string_view::npos || (needs_dot_mark && !marked)) return std::nullopt;
  return Raw{s, e, EntityKind::email, rule::kEmailObfuscated, 0.85f, false};
}

// The e-mail around the "@" at i whose domain holds a comma for a dot and ends with a known
// top-level domain, as a fax's OCR reads it (hong@nate,com, kim@hanbit,co.kr).
std::optional<Raw> comma_email(std::string_view text, std::size_t i) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  if (i == 0 || !is_local_char(p[i - 1]) || p[i - 1] == '.') return std::nullopt;
  std::size_t s = i;
  while (s > 0 && is_local_char(p[s - 1])) --s;
  while (s < i && p[s] == '.') ++s;
  std::size_t k = i + 1, parts = 0, last = k;
  bool comma = false;
  while (true) {
    const std::size_t from = k;
    while (k < n && is_label_char(p[k])) ++k;
    if (k == from) return std::nullopt;
    ++parts;
    last = from;
    if (k + 1 < n && (p[k] == '.' || p[k] == ',') && is_label_char(p[k + 1])) {
      comma |= p[k] == ',';
      ++k;
      continue;
    }
    break;
  }
  if (!comma || parts < 2 || (k < n && p[k] == '@')) return std::nullopt;
  const std::string_view top = text.substr(last, k - last);
  if (std::none_of(
          std::begin(labels::kCommaTopDomains), std::end(labels::kCommaTopDomains),
          [&](std::string_view t) { return t.size() == top.size() && word_at(text, last, t); }))
    return std::nullopt;
  return Raw{s, k, EntityKind::email, rule::kEmailCommaForDot, 0.85f, false};
}

// Whether an e-mail label stands on the line of the address [from, to), before it or after
// it (hong at naver.com <- Sender), at most 64 bytes away.
bool email_label_beside(std::string_view text, std::size_t from, std::size_t to) {
  auto has_label = [&](std::size_t a, std::size_t b) {
    for (std::size_t k = a; k < b; ++k)
      for (auto labels : {std::span<const std::string_view>(labels::kEmailLabels),
                          std::span<const std::string_view>(labels::kSenderLabels)})
        for (std::string_view label : labels)
          if (k + label.size() <= b && word_at(text, k, label)) return true;
    return false;
  };
  std::size_t line_start = from > 64 ? from - 64 : 0;
  if (const std::size_t nl = text.rfind('\n', from);
      nl != std::string_view::npos && nl + 1 > line_start && nl < from)
    line_start = nl + 1;
  std::size_t line_end = std::min(text.size(), to + 64);
  if (const std::size_t nl = text.find('\n', to); nl < line_end) line_end = nl;
  return has_label(line_start, from) || has_label(to, line_end);
}

// Whether a plain " at " [at, host) between a name [from, at) and a domain [host, to) is the
// at-mark because the domain is a mail service's (yerin.kwon at naver.com, minho97 at gmail.com):
// the domain ends there (not naver.com's office), and the name looks like a mailbox (a dot, a
// digit, _ or -) or is a lower-case word no English word stands before (메일 sunny at daum.net,
// not We will meet at ...).
bool at_mail_host(std::string_view text, std::size_t from, std::size_t at, std::size_t host,
                  std::size_t to) {
  const std::string_view domain = text.substr(host, to - host);
  if (!is_mail_service(domain)) return false;
  if (to < text.size() && (is_ascii_letter(static_cast<unsigned char>(text[to])) ||
                           text[to] == '\'' || text[to] == '-'))
    return false;
  const std::string_view name = text.substr(from, at - from);
  if (std::any_of(name.begin(), name.end(), [](char c) {
        return c == '.' || c == '_' || c == '-' || is_ascii_digit(static_cast<unsigned char>(c));
      }))
    return true;
  if (std::any_of(name.begin(), name.end(),
                  [](char c) { return is_ascii_upper(static_cast<unsigned char>(c)); }))
    return false;
  std::size_t k = from;
  while (k > 0 && text[k - 1] == ' ') --k;
  return k == 0 || text[k - 1] == '\n' || static_cast<unsigned char>(text[k - 1]) >= 0x80 ||
         text[k - 1] == ':' || text[k - 1] == '(';
}

// Where `word` stands in the text, each place given to `f` in order. The search is led by the
// word's byte at `rare`: the first byte of a Hangul syllable starts a good share of all of them,
// and a search led by it would stop at most.
template <class F>
void each_place(std::string_view text, std::string_view word, std::size_t rare, F&& f) {
  const std::size_t n = text.size();
  if (n < word.size()) return;
  const char lead = word[rare];
  const char* data = text.data();
  for (const void* at = std::memchr(data + rare, lead, n - rare); at;) {
    const auto k = static_cast<std::size_t>(static_cast<const char*>(at) - data);
    const std::size_t start = k - rare;
    // A word of one byte is found whole by the search; a longer one's first byte, a syllable's
    // lead, rules out most places before the whole word is compared.
    if (start + word.size() <= n &&
        (word.size() == 1 ||
         (data[start] == word[0] && text.compare(start, word.size(), word) == 0)))
      f(start);
    at = k + 1 < n ? std::memchr(data + k + 1, lead, n - k - 1) : nullptr;
  }
}

// Birth dates whose year is masked whole that no run of two digits starts, read from their
// slashes and their 년: the year leading (****/05/03, ****년 5월 3일, **** 년 05월 03일) or
// ending the date after a first number of one digit (5/3/****, 5/03/****; a first number of two
// is a run's, read with it). Read under a birth date's label only.
// The first bytes of the masks (labels::kDatePartMasks): a text without any holds no masked year,
// and is let go after one search for them.
constexpr unicode::ByteSet kDateMaskLeads{1, 0, {'*', 'X', 'x', '#', 0xE2}, 5};
static_assert(std::all_of(std::begin(labels::kDatePartMasks), std::end(labels::kDatePartMasks),
                          [](std::string_view m) {
                            return kDateMaskLeads.has(static_cast<unsigned char>(m[0]));
                          }));
void masked_year_dates(std::string_view text, std::vector<Raw>& raw) {
  if (unicode::find_byte<kDateMaskLeads>(text, 0) >= text.size()) return;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  each_place(text, "/", 0, [&](std::size_t k) {
    if (const std::size_t from = masked_year_before(text, k); from != std::string_view::npos) {
      if (const std::size_t e = year_masked_first_slashed_date_at(text, k))
        raw.push_back({from, e, EntityKind::birth_date, rule::kBirthMasked, 0.1f, true});
    } else if (k >= 1 && is_ascii_digit(p[k - 1]) &&
               (k < 2 || !(is_ascii_digit(p[k - 2]) || p[k - 2] == '/'))) {
      if (const std::size_t e = year_masked_slashed_date_at(text, k - 1))
        raw.push_back({k - 1, e, EntityKind::birth_date, rule::kBirthMasked, 0.1f, true});
    }
  });
  // 년's second byte: its first leads a third of all syllables.
  constexpr std::string_view kYearWord = "년";
  constexpr std::size_t kRareByte = 1;
  each_place(text, kYearWord, kRareByte, [&](std::size_t k) {
    std::size_t e = k;
    while (e > 0 && p[e - 1] == ' ') --e;
    const std::size_t from = masked_year_before(text, e);
    if (from == std::string_view::npos) return;
    RuleName rule;
    constexpr bool kWords = true, kYearMasked = true;
    const std::size_t end = korean_date_at(text, e, 0, 0, kWords, rule, kYearMasked);
    if (end == 0) return;
    // The month and the day both show: the year's masks are the date's only ones.
    const std::string_view rest = text.substr(e, end - e);
    if (std::none_of(std::begin(labels::kDatePartMasks), std::end(labels::kDatePartMasks),
                     [&](std::string_view m) { return rest.find(m) != std::string_view::npos; }))
      raw.push_back({from, end, EntityKind::birth_date, rule, 0.1f, true});
  });
}

struct HangulMark {
  std::string_view word;
  std::size_t rare;  // the byte to search for: one few syllables have at that place
  bool variant;      // read with the writing variants (else with the extra shapes)
};
constexpr HangulMark kHangulAtMarks[] = {{"골뱅이", 4, false}, {"앳", 2, true}};

}  // namespace

namespace {

// A passport number written in groups after its letter (R 4573 6771, M-2073-4890: the run holds
// the digits with the separator absorbed), typed in lower case (m64231379, m 2073 4890) or partly
// masked (S991XXXX5, D823****9). Each needs a label.
std::optional<Raw> passport_variant(std::string_view text, const Span& r) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t i = r.byte_start, e = r.byte_end;
  if (e - i != 8 || (e < text.size() && (is_ascii_letter(p[e]) || is_ascii_digit(p[e]))))
    return std::nullopt;
  // A letter standing alone before the run: a capital, or a passport's letter in lower case.
  auto letter_at = [&](std::size_t k, bool lower) {
    return (is_ascii_upper(p[k]) || (lower && lower_passport_letter(p[k]))) &&
           (k == 0 || !(is_ascii_letter(p[k - 1]) || is_ascii_digit(p[k - 1])));
  };
  auto rule_of = [&](std::size_t k, RuleName upper) {
    return is_ascii_upper(p[k]) ? upper : rule::kPassportLowerCase;
  };
  std::size_t digits = 0;
  for (std::size_t k = i; k < e; ++k) digits += is_ascii_digit(p[k]);
  if (digits == 8 && i >= 2 && (p[i - 1] == ' ' || p[i - 1] == '-') && letter_at(i - 2, true))
    return Raw{i - 2, e, EntityKind::passport, rule_of(i - 2, rule::kPassportSpaced), 0.3f, true};
  if (digits == 8 && i >= 1 && lower_passport_letter(p[i - 1]) && letter_at(i - 1, true))
    return Raw{i - 1, e, EntityKind::passport, rule::kPassportLowerCase, 0.3f, true};
  if (digits >= 2 && digits < 8 && i >= 1 && letter_at(i - 1, false))
    return Raw{i - 1, e, EntityKind::passport, rule::kPassportMasked, 0.3f, true};
  return std::nullopt;
}

// The check digit of a field of a passport's machine-readable zone: weights 7, 3, 1 over its
// characters, digits as themselves, letters from A = 10, fillers (<) as 0.
unsigned mrz_check(std::string_view field) {
  unsigned sum = 0;
  for (std::size_t k = 0; k < field.size(); ++k) {
    const auto c = static_cast<unsigned char>(field[k]);
    const unsigned v = is_ascii_digit(c) ? c - '0' : is_ascii_upper(c) ? c - 'A' + 10 : 0;
    sum += v * (k % 3 == 0 ? 7u : k % 3 == 1 ? 3u : 1u);
  }
  return sum % 10;
}

bool mrz_char(unsigned char c) { return is_ascii_digit(c) || is_ascii_upper(c) || c == '<'; }

// The second machine-readable line of a passport's photo page, found from the run of its birth
// date and that date's check digit (M12345678<KOR9001011M3001012<<<...): the number (nine
// characters and a check digit), the nationality, the birth date, the sex and the expiry, each
// number with its check digit right. Appends the passport number and the birth date.
void mrz_line(std::string_view text, const Span& r, std::vector<Raw>& out) {
  constexpr std::size_t kNumber = 9, kBirth = 13, kLine = 28;  // offsets in the line
  if (r.byte_len() != 7 || r.byte_start < kBirth) return;
  const std::size_t at = r.byte_start - kBirth;
  if (at + kLine > text.size() || (at > 0 && mrz_char(static_cast<unsigned char>(text[at - 1]))))
    return;
  const std::string_view line = text.substr(at, kLine);
  for (std::size_t k = 0; k < kNumber; ++k)
    if (!mrz_char(static_cast<unsigned char>(line[k]))) return;
  for (std::size_t k = 10; k < kBirth; ++k)
    if (!is_ascii_upper(static_cast<unsigned char>(line[k])) && line[k] != '<') return;
  const char sex = line[20];
  if (sex != 'M' && sex != 'F' && sex != '<') return;
  for (std::size_t k : {9u, 21u, 22u, 23u, 24u, 25u, 26u, 27u})
    if (!is_ascii_digit(static_cast<unsigned char>(line[k]))) return;
  auto checked = [&](std::size_t from, std::size_t len) {
    return mrz_check(line.substr(from, len)) == static_cast<unsigned>(line[from + len] - '0');
  };
  if (!checked(0, kNumber) || !checked(kBirth, 6) || !checked(21, 6)) return;
  std::size_t number_end = kNumber;
  while (number_end > 0 && line[number_end - 1] == '<') --number_end;
  if (number_end < 5) return;
  const unsigned yy = (line[13] - '0') * 10u + (line[14] - '0'),
                 mm = (line[15] - '0') * 10u + (line[16] - '0'),
                 dd = (line[17] - '0') * 10u + (line[18] - '0');
  out.push_back({at, at + number_end, EntityKind::passport, rule::kPassportMrz, 0.6f, false});
  if (is_valid_date(1900 + yy, mm, dd) || is_valid_date(2000 + yy, mm, dd))
    out.push_back(
        {at + kBirth, at + kBirth + 6, EntityKind::birth_date, rule::kBirthMrz, 0.6f, false});
}

}  // namespace

namespace {

// Another country's passport around the run r (one or two capitals, six to eight digits, maybe
// a capital after them, nine characters at most: P1234567A, EA123456; the scanner's runs take a
// leading X for a masked digit): its bytes, or nothing. The shapes the base scanner reads as
// passports (seven or eight digits without a capital after them) are left to it.
std::optional<std::pair<std::size_t, std::size_t>> foreign_passport(std::string_view text,
                                                                    const Span& r) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  // Most runs have no capital before them nor an X leading them.
  if (r.byte_len() < 6 || r.byte_len() > 10 ||
      !((r.byte_start > 0 && is_ascii_upper(p[r.byte_start - 1])) || p[r.byte_start] == 'X'))
    return std::nullopt;
  std::size_t digits_from = r.byte_start;
  while (digits_from < r.byte_end && p[digits_from] == 'X') ++digits_from;
  std::size_t from = digits_from;
  while (from > 0 && is_ascii_upper(p[from - 1]) && digits_from - from < 3) --from;
  const std::size_t letters = digits_from - from, digits = r.byte_end - digits_from;
  if (letters < 1 || letters > 2 || digits < 6 || digits > 8) return std::nullopt;
  if (from > 0 && (is_ascii_letter(p[from - 1]) || is_ascii_digit(p[from - 1])))
    return std::nullopt;
  for (std::size_t k = digits_from; k < r.byte_end; ++k)
    if (!is_ascii_digit(p[k])) return std::nullopt;
  std::size_t e = r.byte_end;
  const bool trailing = e < n && is_ascii_upper(p[e]);
  e += trailing;
  if (e < n && (is_ascii_letter(p[e]) || is_ascii_digit(p[e]))) return std::nullopt;
  // Nine characters at most (ID41111111 is an identifier's); the base scanner's shapes are its.
  if (e - from > 9 || (!trailing && digits >= 7)) return std::nullopt;
  return std::pair{from, e};
}

// A run of nine bare digits standing alone (577631325): not a piece of a longer number, a
// decimal, a date or a code.
bool nine_bare_digits(std::string_view text, const Span& r) {
  if (r.byte_len() != 9) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t k = r.byte_start; k < r.byte_end; ++k)
    if (!is_ascii_digit(p[k])) return false;
  auto joins = [](unsigned char c) {
    return is_ascii_letter(c) || is_ascii_digit(c) || c == '-' || c == '.' || c == '/' || c == '+';
  };
  return !(r.byte_start > 0 && joins(p[r.byte_start - 1])) &&
         !(r.byte_end < text.size() && joins(p[r.byte_end]));
}

}  // namespace

void scan_shapes(std::string_view text, std::span<const Span> runs, bool base_shapes, bool variants,
                 std::vector<Shape>& out) {
  out.clear();
  std::vector<Raw> raw;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  if (variants) {
    // Dates with an English month name hold a run of digits (the year, or the day).
    std::size_t last = 0;
    for (const Span& r : runs) {
      if (const auto passport = passport_variant(text, r)) raw.push_back(*passport);
      mrz_line(text, r, raw);
      if (r.byte_start < last) continue;
      if (const auto d = english_date_around(text, r.byte_start, r.byte_end)) {
        raw.push_back(
            {d->from, d->to, EntityKind::birth_date, rule::kBirthEnglishMonth, 0.1f, true});
        last = d->to;
      } else if (r.byte_end < n && p[r.byte_end] == '/' && r.byte_len() <= 4) {
        RuleName rule = rule::kBirthMasked;
        std::size_t e = masked_slashed_date_at(text, r.byte_start);
        if (e == 0 && r.byte_len() == 2) {
          e = short_year_date_at(text, r.byte_start);
          rule = rule::kBirthShortYear;
        }
        if (e == 0 && r.byte_len() <= 2) {
          e = year_masked_slashed_date_at(text, r.byte_start);
          rule = rule::kBirthMasked;
        }
        if (e == 0) continue;
        raw.push_back({r.byte_start, e, EntityKind::birth_date, rule, 0.1f, true});
        last = e;
      }
    }
    masked_year_dates(text, raw);
  }
  // The runs' character counts are known: shapes are counted on from the nearest run before.
  const std::span<const Span> anchors = runs;
  if (!base_shapes) runs = {};
  // Dates and current passports start where a run of digits starts, or one letter before.
  for (const Span& r : runs) {
    const std::size_t i = r.byte_start;
    if (i >= n) continue;
    RuleName rule;
    if (is_ascii_digit(p[i]) && (i == 0 || !is_ascii_digit(p[i - 1]))) {
      if (const std::size_t e = date_at(text, i, rule, variants))
        raw.push_back({i, e, EntityKind::birth_date, rule, 0.1f, true});
      // A date that starts with a single digit starts no run: 1/2/1981 from its year's run.
      else if (const std::size_t from =
                   p[i - (i > 0)] == '/' ? single_digit_date_start(text, i) : i;
               from < i)
        if (const std::size_t end = date_at(text, from, rule, variants))
          raw.push_back({from, end, EntityKind::birth_date, rule, 0.1f, true});
    }
    if (const auto foreign = foreign_passport(text, r))
      raw.push_back({foreign->first, foreign->second, EntityKind::passport, rule::kPassportForeign,
                     0.1f, true});
    else if (nine_bare_digits(text, r))
      raw.push_back(
          {r.byte_start, r.byte_end, EntityKind::passport, rule::kPassportNineDigits, 0.1f, true});
    if (i > 0 && current_passport_at(text, i - 1))
      // The current format belongs to passports alone: it needs no label (look-alike labels still
      // veto it).
      raw.push_back({i - 1, i + 8, EntityKind::passport, rule::kPassportCurrent, 0.5f, false});
    else if (const std::size_t e = variants && i > 0 ? masked_current_passport_at(text, i - 1) : 0)
      raw.push_back({i - 1, e, EntityKind::passport, rule::kPassportMasked, 0.3f, true});
    else if (variants && i > 0 && lower_passport_letter(p[i - 1]) &&
             current_passport_at<true>(text, i - 1))
      raw.push_back({i - 1, i + 8, EntityKind::passport, rule::kPassportLowerCase, 0.3f, true});
  }
  for (const void* at = base_shapes ? std::memchr(text.data(), '@', n) : nullptr; at;) {
    const auto i = static_cast<std::size_t>(static_cast<const char*>(at) - text.data());
    if (auto e = email_at(text, i, variants)) raw.push_back(*e);
    else if (auto c = variants ? comma_email(text, i) : std::nullopt) raw.push_back(*c);
    // An "@" set apart: hong [@] naver.com, hong @ naver.com, hong(@)naver.com.
    else if (i > 0 && i + 1 < n &&
             ((p[i - 1] == '[' && p[i + 1] == ']') || (p[i - 1] == '(' && p[i + 1] == ')') ||
              (p[i - 1] == ' ' && p[i + 1] == ' ')))
      if (auto d = disguised_email(text, i - 1, i + 2, false)) raw.push_back(*d);
    at = i + 1 < n ? std::memchr(text.data() + i + 1, '@', n - i - 1) : nullptr;
  }
  // "at" or "AT" in brackets, each kind of bracket looked for once: hong(at)naver.com.
  for (const std::string_view pair :
       {std::string_view("()"), std::string_view("[]"), std::string_view("{}")}) {
    if (!base_shapes) break;
    each_place(text, pair.substr(0, 1), 0, [&](std::size_t i) {
      if (i + 4 > n || p[i + 3] != static_cast<unsigned char>(pair[1])) return;
      // Compared byte by byte: a bracket closed two bytes on is common, the word seldom.
      if (!((p[i + 1] == 'a' && p[i + 2] == 't') || (p[i + 1] == 'A' && p[i + 2] == 'T'))) return;
      if (auto e = disguised_email(text, i, i + 4, false)) raw.push_back(*e);
    });
  }
  for (std::string_view mark : {std::string_view(" at "), std::string_view(" AT ")}) {
    if (!base_shapes) break;
    // A mark that starts with a space is looked for without it: spaces are everywhere.
    const bool spaced = mark.front() == ' ';
    const std::string_view key = spaced ? mark.substr(1) : mark;
    for (std::size_t k = text.find(key); k != std::string_view::npos; k = text.find(key, k + 1)) {
      if (spaced && (k == 0 || p[k - 1] != ' ')) continue;
      const std::size_t i = spaced ? k - 1 : k;
      // A plain " at " is English prose unless the dots are disguised too or, with the writing
      // variants, an e-mail label stands on its line (From: hong at naver.com).
      bool marked = false;
      auto e = disguised_email(text, i, i + mark.size(), !variants, &marked);
      if (e && !marked) {
        if (email_label_beside(text, e->from, e->to)) e->rule = rule::kEmailLabelledAtWord;
        else if (!(variants && at_mail_host(text, e->from, i, i + mark.size(), e->to))) continue;
      }
      if (e) raw.push_back(*e);
    }
  }
  // The at-mark in Hangul words (hong 골뱅이 naver.com, hong 앳 naver 닷 com), maybe in
  // brackets; "앳" belongs to the writing variants.
  for (const HangulMark& m : kHangulAtMarks) {
    if (!(m.variant ? variants : base_shapes)) continue;
    each_place(text, m.word, m.rare, [&](std::size_t i) {
      std::size_t from = i, to = i + m.word.size();
      if (from > 0 && to < n && (p[from - 1] == '(' || p[from - 1] == '[') &&
          (p[to] == ')' || p[to] == ']')) {
        --from;
        ++to;
      }
      if (auto e = disguised_email(text, from, to, false)) raw.push_back(*e);
    });
  }
  if (raw.empty()) return;
  std::sort(raw.begin(), raw.end(), [](const Raw& a, const Raw& b) { return a.from < b.from; });
  // Characters counted forwards; a shape that overlaps the one before it is dropped.
  std::size_t byte = 0, last_end = 0;
  std::uint32_t chars = 0;
  std::size_t anchor = 0;
  for (const Raw& r : raw) {
    if (r.from < last_end) continue;
    for (; anchor < anchors.size() && anchors[anchor].byte_start <= r.from; ++anchor)
      if (anchors[anchor].byte_start > byte) {
        byte = anchors[anchor].byte_start;
        chars = anchors[anchor].char_start;
      }
    chars += static_cast<std::uint32_t>(utf8::count_chars(text.substr(byte, r.from - byte)));
    const auto len =
        static_cast<std::uint32_t>(utf8::count_chars(text.substr(r.from, r.to - r.from)));
    const ChecksumResult na = ChecksumResult::not_applicable(
        r.kind == EntityKind::email      ? norvane::reason::email
        : r.kind == EntityKind::passport ? norvane::reason::passport
                                         : norvane::reason::birth_date);
    out.push_back(Shape{Span{static_cast<std::uint32_t>(r.from), static_cast<std::uint32_t>(r.to),
                             chars, chars + len},
                        r.kind, r.rule, r.base, r.needs_context, na});
    byte = r.from;
    last_end = r.to;
  }
}

LabelTries label_tries_at(std::string_view text, std::size_t at, std::size_t limit) {
  const LabelIndex& index = label_index();
  std::size_t next = at;
  const char32_t c = utf8::decode(text, next);
  LabelTries out;
  bool second_read;
  const std::span<const std::uint16_t> tried = index.starting_at(c, text, at, limit, second_read);
  out.tried.assign(tried.begin(), tried.end());
  for (std::uint16_t b : tried) {
    std::uint8_t readings = 0;
    const std::size_t e = index.match_end(b, text, at, limit, readings, second_read);
    if (e != std::string_view::npos) out.standing_as_tried.push_back({b, e, readings});
  }
  for (std::uint16_t b : index.starting_with(c)) {
    out.bucket.push_back(b);
    std::uint8_t readings = 0;
    const std::size_t e = index.match_end(b, text, at, limit, readings);
    if (e != std::string_view::npos) out.standing.push_back({b, e, readings});
  }
  return out;
}

}  // namespace norvane::extend
