#pragma once
// The extension families of Config (see Config::thorough): labels read further, table
// structure, shapes beyond the base rules, recent resident numbers and the vetoes of company
// numbers and look-alikes. The detector calls into this file only when a family is on.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "detect/candidates.hpp"
#include "detect/checksum.hpp"
#include "detect/report.hpp"
#include "detect/structure.hpp"
#include "normalize/config.hpp"
#include "span/span.hpp"

namespace norvane::extend {

// Rule names of the extensions, as they show in Evidence::extensions.
namespace rule {
inline constexpr RuleName kLetterDistance = "context.letter_distance";
inline constexpr RuleName kExtraLabel = "context.extra_label";
inline constexpr RuleName kLogKey = "context.log_key";
inline constexpr RuleName kBankName = "context.bank_name";
inline constexpr RuleName kTrailingLabel = "context.trailing_label";
inline constexpr RuleName kKeyWords = "context.key_words";
inline constexpr RuleName kCompoundLabel = "context.compound_label";
inline constexpr RuleName kSpokenRequest = "context.spoken_request";
// A label read across a request or notice before a colon or an arrow (DOB 확인 부탁드려요: ...).
inline constexpr RuleName kRequestPhrase = "context.request_phrase";
// A sentence asks for its label and the value answers it in brackets at its end: 생년월일을
// 말씀해 주세요 (등록: 751001).
inline constexpr RuleName kBracketedAnswer = "context.bracketed_answer";
inline constexpr RuleName kAbbreviation = "context.abbreviation";
inline constexpr RuleName kPhoneInternational = "phone.international";
inline constexpr RuleName kPassportCurrent = "passport.current";
inline constexpr RuleName kBirthKoreanDate = "birth.korean_date";
inline constexpr RuleName kBirthHangulDate = "birth.hangul_date";
inline constexpr RuleName kBirthSeparatedDate = "birth.separated_date";
inline constexpr RuleName kEmailObfuscated = "email.obfuscated";
inline constexpr RuleName kEmailGlued = "email.glued";
inline constexpr RuleName kLicenseRegion = "license.region";
// A licence whose region code the rules do not know (known_licence_region), under a licence's
// label: codes change as regions are split or added.
inline constexpr RuleName kLicenseAnyRegion = "license.any_region";
inline constexpr RuleName kResidentRecent = "resident.recent";
inline constexpr RuleName kCardMasked = "card.masked_groups";
inline constexpr RuleName kPassportLetterDigit = "passport.letter_as_digit";
inline constexpr RuleName kEmailMasked = "email.masked";
inline constexpr RuleName kEmailCommaForDot = "email.comma_for_dot";
inline constexpr RuleName kEmailLabelledAtWord = "email.labelled_at_word";
inline constexpr RuleName kPhoneMobileUnderOtherWord = "phone.mobile_under_other_word";
// A look-alike's, a company's or a negative word on the value's line that stands right before
// another number (좌석 12 회원 010-..., 010-... 배송 지연 → 주문번호 2023...) is that number's
// label: it vetoes no value.
inline constexpr RuleName kLabelOfAnotherNumber = "context.label_of_another_number";
// A mobile or a landline that begins a line under a sender's signature (하채원 드림 / 탐라렌트
// 고객지원팀 / 052.847.9428): the sender's own, not their team's nor their company's.
inline constexpr RuleName kSendersOwnLine = "phone.senders_own_line";
// A look-alike's word on a line of its own above a mobile number (좌석 배치도 갱신, then
// 고객 010-...): it names no mobile a line away.
inline constexpr RuleName kMobileUnderWordALineAbove = "phone.mobile_under_word_a_line_above";
// A mobile number with the hour of a clock after it (회원 010-1234-5678 14:16): read apart from
// the clock.
inline constexpr RuleName kMobileBeforeClock = "phone.mobile_before_clock";
// A mobile number with no bank's name nor account's label attached to it is a phone, though an
// account's label stands on its line for the next number or a line above (곗돈 장부, 공구 댓글).
inline constexpr RuleName kMobileAmongAccounts = "phone.mobile_among_accounts";
inline constexpr RuleName kBirthEnglishMonth = "birth.english_month";
inline constexpr RuleName kPassportSpaced = "passport.spaced";
// A passport typed in lower case (m12345678, m123a4567), read under a label only.
inline constexpr RuleName kPassportLowerCase = "passport.lower_case";
// A resident number with its year and sex digit in clear and the rest masked (44****-1******):
// under a birth date's label it is read as the birth date it still tells.
inline constexpr RuleName kBirthMaskedResidentFront = "birth.masked_resident_front";
inline constexpr RuleName kPassportMasked = "passport.masked";
inline constexpr RuleName kBirthMasked = "birth.masked";
inline constexpr RuleName kBirthShortYear = "birth.short_year";
inline constexpr RuleName kPhoneSafeNumber = "phone.safe_number";
inline constexpr RuleName kPhoneNoLeadingZero = "phone.no_leading_zero";
// Bare digits of a phone without its 0 (1012345678: a spreadsheet cell held a number), read only
// under a column whose header names a phone.
inline constexpr RuleName kPhoneColumnNoZero = "phone.column_without_zero";
// Another country's passport (P1234567A, EA123456), read only under a passport column's header
// or right after a passport label.
inline constexpr RuleName kPassportForeign = "passport.foreign";
// Another country's passport of nine bare digits (577631325), read as kPassportForeign is.
inline constexpr RuleName kPassportNineDigits = "passport.nine_digits";
// A row's words in other cells (모바일, 타행이체 in a history's 구분) leave the value's column
// header to be read.
inline constexpr RuleName kHeaderPastOtherCells = "context.header_past_other_cells";
// A business registration number whose check digit agrees passes the words of a company around
// it (고객센터, 대표번호): they veto a company's telephone numbers, not its own number.
inline constexpr RuleName kBusinessPastCompanyWords = "business.past_company_words";
inline constexpr RuleName kPassportMrz = "passport.mrz";
inline constexpr RuleName kBirthMrz = "birth.mrz";
// A field of an airline's SSR DOCS record named by its place (extend::docs_field_kind).
inline constexpr RuleName kBirthDocsField = "birth.docs_field";
inline constexpr RuleName kPassportDocsField = "passport.docs_field";
// A registration number whose seventh digit is hidden, the word for a foreigner in its bracket
// or cell (extend::foreigner_word_beside_hidden_seventh).
inline constexpr RuleName kForeignerWordBeside = "foreigner.word_beside_hidden_digit";
// A date followed by an age that agrees with its year (extend::age_beside_agrees).
inline constexpr RuleName kBirthAgeBeside = "birth.age_beside";
// A date in a directory's row of a person's contact details (extend::date_in_contact_row).
inline constexpr RuleName kBirthContactRow = "birth.contact_row";
// A date in brackets right after a person's name or role (extend::date_bracketed_after_person).
inline constexpr RuleName kBirthBracketAfterPerson = "birth.bracket_after_person";
// A date after a name at a roster's row, under or over a request for birth dates
// (extend::date_after_name_in_roster).
inline constexpr RuleName kBirthRosterRow = "birth.roster_row";
// A birth date masked but for its year (or year and month) on the row of a resident number
// masked after its sex digit that tells the same (extend::masked_date_beside_its_resident).
inline constexpr RuleName kBirthMaskedBesideResident = "birth.masked_beside_resident";
// A passport given as a chat's answer under a message naming passports
// (extend::passport_answered_in_chat).
inline constexpr RuleName kPassportAnsweredInChat = "passport.answered_in_chat";
// An account right after its holder's word, a bank or a deposit named before on its line
// (extend::account_after_holder).
inline constexpr RuleName kAccountAfterHolder = "account.after_holder";
// A number read apart from a date with dots that the normalization joined to it
// (extend::trailing_dotted_date_digits).
inline constexpr RuleName kRunBeforeDate = "context.run_before_date";
// A number read apart from an amount the normalization joined to it (extend::trailing_amount_digits).
inline constexpr RuleName kRunBeforeAmount = "context.run_before_amount";
// A partly masked card in its groups read apart from a number the normalization joined to it
// (extend::masked_card_before_more).
inline constexpr RuleName kMaskedCardBeforeMore = "card.masked_before_more";
// A mobile in its groups read apart from a count the normalization joined to it (010-2511-0687
// 3박스).
inline constexpr RuleName kMobileBeforeCount = "phone.mobile_before_count";
inline constexpr RuleName kForeignerMaskedBack = "foreigner.masked_back";
inline constexpr RuleName kResidentFrontSex = "resident.front_with_sex";
inline constexpr RuleName kResidentMaskedShort = "resident.masked_short";
// A phone in international form under another country's code (+63 917 123 4567 under 본국 연락처).
inline constexpr RuleName kPhoneForeignInternational = "phone.foreign_international";
}  // namespace rule

// How a label was read beyond its plain wording (bits of LabelFound::readings).
enum Reading : std::uint8_t {
  kKeyWords = 1,        // as words of a key or a label: refundAccount, card-no, Date of Birth
  kAbbreviation = 2,    // a short form: A/C, D/L, PPT
  kCompoundLabel = 4,   // across a generic word after it: 출생 연월일, 계좌 정보, birth_ymd
  kSpokenRequest = 8,   // across a word of saying the value: 계좌 불러줌:, 계좌 불러드릴게요
  kRequestPhrase = 16,  // across a request before a colon or an arrow: DOB 확인 부탁드려요:
  kBracketedAnswer =
      32,  // across the sentence to the value's brackets: 생일을 말씀해 주세요 (등록: ...)
};

// One label found near a span.
struct LabelFound {
  std::uint16_t label;  // index into the label index (base cues and labels.hpp)
  std::uint32_t distance;
  RuleName source;         // which extension found it
  std::size_t start, end;  // where it stands (in the text searched by run or by run_structure)
  bool in_source;          // found by run_structure
  std::uint8_t readings = 0;
  bool of_another_number =
      false;  // another number stands right after it (rule::kLabelOfAnotherNumber)
};

// Labels around a span, by letters and digits (label_reading), and from the table's column
// header and the line before (structure).
class LabelSearch {
 public:
  // The same line: `window` letters and digits to the left, a few to the right. Clears first.
  void run(std::string_view text, const Span& span, std::uint32_t window);
  void clear() {
    found_.clear();
    owned_block_ = false;
    tables_found_ = 0;
    personal_found_ = false;
    any_left_to_another_number_ = false;
    places_.clear();
  }
  bool empty() const { return found_.empty(); }
  // Every label found stands in another cell than the span's, a tab or a bar between them, on
  // a row of three cells at least: a row's words name their own cells.
  bool only_in_other_cells(std::string_view text, const Span& span) const;
  // Adds the labels the structure around a source span gives it: column headers, XML elements,
  // SQL columns, JSON array keys, the lines before (structure.hpp).
  void run_structure(std::string_view source, const Span& span);
  // Adds only the labels of the keys enclosing the span's block or key path (a value whose own
  // line names something).
  void run_enclosing(std::string_view source, const Span& span);
  // Hits of one table (an EntityKind as index, or labels::kLookAlikeTable / kCompanyTable),
  // nearest occurrence per word, sorted by weight then word; the sources of the hits are
  // added to `sources` (no duplicates). Returns their total (capped as context::total).
  // Labels with any of the `skipped` flags are left out, and with `own_line`, the labels the
  // structure found on the lines before.
  float hits(std::size_t table, std::vector<ContextHit>& out, RuleList* sources,
             bool block_keys = true, std::uint16_t skipped = 0, bool own_line = false) const;
  // Whether hits(table, ...) may find anything: false when no label of the table was read, so
  // a caller asking several tables of every value spares the calls that answer nothing.
  bool may_hit(std::size_t table) const { return (tables_found_ >> table & 1u) != 0; }
  // A key enclosing the value's block names a company, a shop or an order (company: {...}).
  bool in_owned_block() const { return owned_block_; }
  // A personal phone label (연락처, 휴대폰, Mobile, ...) was found.
  bool personal_phone() const;
  // A label of the table (an EntityKind as index) was found.
  bool found_of(std::size_t table) const;
  // Whether a label of `table` names the value's column (a delimited table's or a report's
  // header, a field order said above its rows), or with `beside`, also stands right before it
  // (a particle between them at most: 여권번호는 ...).
  bool found_over_column(std::size_t table, bool beside) const;
  // Whether the header of the value's column, as the last run_structure found it, names a
  // number issued to people (labels::kIssuedNumberHolders, then kIssuedNumberEndings: 고객ID,
  // 교적번호, user_no).
  bool column_names_issued_number(std::string_view source) const;
  // The header of the value's column, as the last run_structure found it, or nothing.
  std::string_view column_header(std::string_view source) const;
  // A label of any kind was found (not a look-alike's, a company's nor a negative word).
  bool found_of_any_kind() const;
  // A label of a kind other than `kind` was found (a licence's label before a number that also
  // reads as a landline).
  bool found_of_other_kind(EntityKind kind) const;
  // The heaviest vetoing word (look-alike, company, negative), at its distance, left to
  // another number after it (0 without one).
  float left_to_another_number() const;
  bool any_left_to_another_number() const { return any_left_to_another_number_; }

  // A look-alike label stands right before the value (거래번호 1094...): it names the value.
  bool lookalike_right_before() const;

 private:
  void find_in(std::string_view text, std::size_t from, std::size_t to, std::uint32_t distance,
               RuleName source);
  // The headers of a statement's description column (labels::kStatementKey) in [from, to).
  [[gnu::noinline]] void find_statement_keys(std::string_view text, std::size_t from,
                                             std::size_t to, std::uint32_t distance);
  // Reads the labels of places_ (through the cache of the last reads) into found_.
  void read_places(std::string_view source);
  // A phone key whose first word names a company, a shop or a branch (store_tel, companyPhone,
  // branch.tel): that word is read as the key of a block holding the number, whose it is.
  // Reads the labels found in `text` (by run, or by find_in from byte `from`).
  void qualify_phone_keys(std::string_view text, bool in_source, std::size_t from);
  // Whether f stands inside a longer label found in the same text (주민 in 주민번호).
  bool inside_another(const LabelFound& f) const;
  // Whether f is a phone label within or right after a company's key (csTel=, helpdesk_tel,
  // 대표 전화): the company's number, not a person's.
  bool qualified_by_company(const LabelFound& f) const;

  // Adds f to found_ (add_found) and notes its table and whether it is a personal label.
  void add(const LabelFound& f);

  std::vector<LabelFound> found_;
  // The tables of the labels added since the last clear, and whether one was flagged
  // labels::kPersonal: all of found_'s, and maybe some of labels it has since replaced (which
  // only costs hits a walk that finds nothing).
  std::uint32_t tables_found_ = 0;
  bool personal_found_ = false;
  bool any_left_to_another_number_ = false;  // a vetoing word with of_another_number was added
  // The structure reader, and the places and labels of the last values it read: the values of
  // one column, or of one line, have the same places (a detection reads one text).
  structure::Reader reader_;
  std::vector<structure::Place> places_;
  std::vector<LabelFound> aside_;
  struct Read {
    std::vector<structure::Place> places;
    std::vector<LabelFound> found;
    bool owned = false;  // a company's, shop's or order's key is among them
  };
  bool owned_block_ = false;  // one of the places read holds such a key
  std::array<Read, 8> reads_;
  std::size_t next_read_ = 0;
};

// Letters and digits in [from, to), between a label and its value, that the distance does not
// count: generic words at the end of a word (번호, 연월일, date) and remarks in brackets
// (`generic`); words for "number" (No, num) and markup tags between cells
// (<th>연락처</th><td>010-...: `number_words`); words of saying the value (불러줌: `spoken`).
struct Uncounted {
  std::uint32_t generic = 0, number_words = 0, spoken = 0;
  bool operator==(const Uncounted&) const = default;
};
// `known` is the reading of [resume_at, to): where the reading from `from` reaches resume_at
// between two of its words it takes that instead of reading on (a label walk reads labels ever
// further left of one value). With resume_at out of [from, to) all is read.
Uncounted uncounted_between(std::string_view s, std::size_t from, std::size_t to,
                            std::size_t resume_at = std::string_view::npos,
                            const Uncounted& known = {});

// How many leading bytes of a label word (ASCII letters lower-cased) a text can hold only as
// they are: ASCII letters and digits, and the bytes of non-ASCII characters up to the first that
// follows another (a text may put a space between two Korean letters). A label try compares
// them plainly before the slower reading of the rest.
std::size_t exact_prefix(std::string_view folded_word);

// Whether four or five digits read as a birth date with a two-digit year and a one-digit month
// or day (9011 for '90.1.1, 82121 for 82.1.21): only such short runs are worth reading further.
bool may_be_short_date(std::string_view digits);

// Readings of a run beyond the base rules, appended to `out` (after the base readings), each
// marked as an extension's (Candidate::extension).
// `source` is the text the run was read from, `before` the normalized text before the run.
void extra_candidates(const Config& cfg, std::span<const std::uint8_t> digits,
                      std::string_view source, std::string_view before,
                      std::vector<Candidate>& out);

// A mobile number (010, 011, 016 to 019) as dialled at home.
inline bool is_mobile_number(std::span<const std::uint8_t> d) {
  return (d.size() == 10 || d.size() == 11) && d[0] == 0 && d[1] == 1 && (d[2] <= 1 || d[2] >= 6);
}
// A virtual number that a platform puts between a buyer and a seller, a courier and a recipient
// (안심번호: 0504-1234-5678, 0505-123-4567): 050 and a digit from 2 to 8, then seven or eight
// digits. Masks may hide digits after 050, the prefix's last too (050*-***-*106): no area
// code starts 050.
inline bool is_safe_number(std::span<const std::uint8_t> d) {
  return (d.size() == 11 || d.size() == 12) && d[0] == 0 && d[1] == 5 && d[2] == 0 &&
         ((d[3] >= 2 && d[3] <= 8) || d[3] == kMasked);
}
// A mobile number, or one written after its country code (+82-10-..., +82 010-...): the words
// that name no mobile (labels::kNotMobile: 문의, 대표) weigh apart over either.
inline bool is_mobile_in_any_form(std::span<const std::uint8_t> d) {
  if (is_mobile_number(d)) return true;
  if (d.size() < 11 || d[0] != 8 || d[1] != 2) return false;
  const auto rest = d.subspan(2);
  const bool without_zero =
      (rest.size() == 9 || rest.size() == 10) && rest[0] == 1 && (rest[1] <= 1 || rest[1] >= 6);
  return without_zero || is_mobile_number(rest);
}

// Whether the mobile or landline `d` whose line starts at byte `ls` of `text` stands under a line
// naming a sender in its block (labels::kSenderClosings).
bool sender_named_above(std::span<const std::uint8_t> d, std::string_view text, std::size_t ls);
// Whether the mobile or landline `d` at `run` of `text` begins a line of a sender's signature
// block, under the line naming the sender: the sender's own line, not their team's. Inline: most
// numbers asked do not begin their line.
inline bool senders_own_line(std::span<const std::uint8_t> d, std::string_view text,
                             const Span& run) {
  std::size_t ls = run.byte_start;
  while (ls > 0 && (text[ls - 1] == ' ' || text[ls - 1] == '\t')) --ls;
  return ls > 0 && text[ls - 1] == '\n' && sender_named_above(d, text, ls);
}

// Why no reading of a run may be reported, from its digits and how the source writes them.
struct Veto {
  RejectReason reason;
  bool final;  // false: the pieces of the run may still be read (fields joined across commas)
};
// `run` is the run's span in `text`, the source text; `labels` the labels read around it, if
// any were read.
std::optional<Veto> veto(const Config& cfg, std::span<const std::uint8_t> digits,
                         std::string_view text, const Span& run, bool personal_phone,
                         const LabelSearch* labels);
// Whether a date's year of four digits in `source` (standing alone, or leading eight digits:
// 20310217) comes after `year`: a passport's expiry, not anyone's birth date.
bool dated_after(std::string_view source, unsigned year);
// The year dates are weighed against: the config's reference year, else the clock's (UTC) now.
unsigned reference_year(const Config& cfg);
// Whether the hour of a clock follows the span of `text` after a space (14:16 after
// 010-1234-5678): a mobile number before it was read apart from the clock.
bool clock_follows(std::string_view text, const Span& span);
// Whether nothing but a sentence's ending (요, 이요, 입니다: its last syllable one of
// labels::kSentenceEndings) and closing marks follows the number at `span` of `text` on its line.
bool ending_only_after(std::string_view text, const Span& span);
// Whether an account's word is attached to the number at `span` of `text`: a bank's name or an
// account's label as the word right before it (past spaces, colons, brackets), or a bank's name
// right after it (010-1234-5678 (카카오뱅크)). A mobile without one is read as a phone, whatever
// accounts stand around it.
bool account_word_attached(std::string_view text, const Span& span);
// Whether a structure reading names the value's own cell or field (a column's header, a key, a
// form's field), not a line above it: such a label is attached to the number as a label before
// it is.
inline bool names_its_cell(RuleName r) {
  namespace s = structure::rule;
  for (RuleName e : {s::kColumnHeader, s::kHtmlHeader, s::kFixedWidthHeader, s::kFixedWidthCell,
                     s::kRowLabel, s::kEnclosingKey, s::kFormField, s::kXmlElement, s::kSqlColumn,
                     s::kAnnouncedHeader, s::kSqlCopyColumn, s::kJsonArrayKey, s::kStatementMemo})
    if (r == e) return true;
  return false;
}
// Whether the digits `d` at `span` of `text` are 010 and eight more written as a mobile is:
// undivided, or in groups of three, four and four (not an account's 010-12-345678).
bool written_as_mobile(std::span<const std::uint8_t> d, std::string_view text, const Span& span);
// The kind an airline's SSR DOCS record gives the field at `span` of `text` by its place among
// the slash-separated fields (DOCS/M12345678/KOR/05APR69/M, SSR DOCS KE HK1
// P/KOR/M12345678/KOR/05APR69/M/12MAY34/HONG/GILDONG): the field between the nationality and
// the sex is the birth date, the one before the nationality the passport. Any other field, or
// a line without DOCS, gives none (the expiry after the sex among them).
std::optional<EntityKind> docs_field_kind(std::string_view text, const Span& span);
// Whether the registration number at `span` of `text` hides its seventh digit (740728-*******)
// and the word for a foreigner stands in its bracket or its cell (TRAN THI LAN (740728-*******,
// 외국인)): the number is a foreigner's.
bool foreigner_word_beside_hidden_seventh(std::string_view text, const Span& span);
// Whether the date at `span` of `text`, led by its year of four digits, is followed by an age
// that agrees with it in `year` (1939-03-18, 87세; 1961.09.27생 (만 65세)): the age given beside
// a date is the person's, so the date is their birth date. The age may be one less, the
// birthday not yet reached; an age that disagrees proves nothing.
bool age_beside_agrees(std::string_view text, const Span& span, unsigned year);
// Whether the date at `span` of `text`, led by its year of four digits, is a cell of its own in a
// directory's row (cells apart by a pipe, a tab or two spaces) that holds a person's name (two
// to four syllables) and their mobile or e-mail, is the row's only date and not its first cell,
// and makes the person 14 to 100 in `year` (양태호   010-8469-3326   jeo***@nate.com   1978.12.05):
// a member's birth date with its header far above or missing. A schedule's row leads with its
// date; a join date beside a birth date leaves both unread.
bool date_in_contact_row(std::string_view text, const Span& span, unsigned year);
// Whether the birth date at `span` of `text`, masked but for its year or its year and month
// (86-**-**, 1966/**/**, 9207XX), shares its line with a resident number masked after its sex
// digit (861101-1******) whose front starts with the same year (and month): a roster printed
// both masked, with no header to name the date.
bool masked_date_beside_its_resident(std::string_view text, const Span& span);
// Whether the date at `span` of `text` stands first in brackets right after a person: a name
// (a usual surname and one or two syllables, labels::kSurnames) with a title after it or a role
// before it or neither (손미경(010328), 도정우 어르신 (1946년 2월 23일), 환자 변윤서 (1962-10-16)),
// or a role's word opening the bracket ((배우자 441216)). The date's year puts the person 14 to
// 110 in `year` (a club's 송년회 (2025.12.20) is no one's), younger only beside a child's word.
// Where it stands: first in its bracket (nothing but a role's word before it), or after other
// items (외국인, ...; Tel 010-..., ...), which may hold a look-alike's label.
enum class BracketPlace : std::uint8_t { none, first, after_items };
BracketPlace date_bracketed_after_person(std::string_view text, const Span& span, unsigned year);
// Whether the date at `span` of `text` follows a person's name (a bare name, kSurnames) at the
// head of a row, after a bullet or a number or nothing (└ 윤광수 710702 참석합니다, 3. 허재현
// 750309 010-..., 1. 선예은 / 19561231 / ...), with a line naming a name and a birth date (the
// post's request: 댓글로 성함·생년월일 남겨주세요) a few lines above or below, and puts the person
// 0 to 110 in `year`. Or a group chat's reply that names its person first after the speaker,
// maybe a phone between them and the date (설남준: 함상철 010 4859 6589 / 1981.10.11), under a
// message asking for birth dates (보험 가입용으로 생년월일 필요해요) with no thanks between: the
// person 2 to 110 in `year`.
bool date_after_name_in_roster(std::string_view text, const Span& span, unsigned year);
// Whether the passport at `span` of `text` is a chat message's answer giving the writer's own
// (저는 S03666465요, 제 건 M12345678 입니다, M12345678 이에요: labels::kOwnAnswerLeads and
// kOwnAnswerEndings) a message or two under one that names a passport (항공권 발권하려면 여권번호
// 필요하대요. 제 건 ... 입니다), which may hold its writer's own number.
bool passport_answered_in_chat(std::string_view text, const Span& span);
// Whether the number at `span` of `text` follows a holder's word (명의) on a line that names a
// bank or a deposit before it (하나 예금 (피상속인 명의 637-515682-78125)): an account in that
// holder's name.
bool account_after_holder(std::string_view text, const Span& span);
// The digits of a date written with dots that ends `source`, a run's source text, after a space
// (302 4039 6816 67 2024. 10. 14, 53978248454 26.04.17: a ledger's account, then the day it was
// paid), or 0: the normalization joined the date to the number before it.
std::size_t trailing_dotted_date_digits(std::string_view source);
// The digits of an amount that ends `source`, a run's source text, after a space or a bracket,
// when `rest`, the source after the run, begins with an amount's word (123-45-678901 (846,620원,
// 110-482-339120 50만원), or 0: the normalization joined the amount to the number before it.
std::size_t trailing_amount_digits(std::string_view source, std::string_view rest);
// Whether the e-mail address at `span` of `text` is an organisation's shared or no-reply mailbox:
// its local part is, whole and in any case, a role's (help@, info@, press@: labels::kRoleMailboxes)
// or roles' and its domain's name (hanbit.press@hanbit.co.kr), or the words right before it on
// its line call it shared (공용: labels::kSharedMailboxWords), or the organisation's main mailbox
// at a domain of its own (대표 메일: labels::kMainMailboxWords), or a sender's label right before
// it names an address at the organisation's mailing host (보낸사람 event@news.ticketon.kr).
bool role_mailbox(std::string_view text, const Span& span);
// The digits and masks of a partly masked card in its groups (four of four, or four, six and
// five, joined by one separator) that begins `source`, a run's source text of `digits`
// characters, when a space and a number of digits only end it (5214-87**-****-0803 253,500원,
// 3411-4024**-**917 5), or 0. A masked card has no check digit to refuse the longer run.
std::size_t masked_card_before_more(std::string_view source, std::size_t digits);
// Whether `rest` begins with an amount's word (원, 만원), or with groups of a comma and three
// digits and then one (,250,000원): the digits before it are an amount's.
bool amount_word_begins(std::string_view rest);
// Whether `source` begins with a mobile in its groups (010-2511-0687) and a space after it.
bool mobile_in_groups_then_more(std::string_view source);
// Whether the number at `run` of `text` (its digits `d`) is an organisation's own landline or,
// under an account's label among `labels`, its account, from the words of its line (labels.hpp,
// kOrganisationWords and the tables after it).
bool owned_by_organisation(std::span<const std::uint8_t> d, std::string_view text, const Span& run,
                           const LabelSearch* labels);

// Shapes found in the normalized text beyond the base scanner: dates in words or with slashes,
// passports of the current format, e-mails disguised or glued to following digits.
struct Shape {
  Span span;
  EntityKind kind;
  RuleName rule;
  float base;
  bool needs_context;
  ChecksumResult checksum;
};
// `runs` are the digit runs of the base scanner, in text order. `base_shapes` reads the
// extra_shapes family's shapes, `variants` those of writing_variants (English month names,
// passports written in groups or partly masked).
void scan_shapes(std::string_view text, std::span<const Span> runs, bool base_shapes, bool variants,
                 std::vector<Shape>& out);

// The labels a walk tries at byte `at` of `text` for a label ending by `limit` (indexes into the
// label index, in its order) and all those that start with the same character; the labels that
// stand there (with their ends and readings) of the latter, read in full, and of the former, read
// as the walk reads them. The lookup by second and third character must leave out none that
// stands.
struct LabelTries {
  struct Standing {
    std::uint16_t label;
    std::size_t end;
    std::uint8_t readings;
    bool operator==(const Standing&) const = default;
  };
  std::vector<std::uint16_t> tried, bucket;
  std::vector<Standing> standing, standing_as_tried;
};
LabelTries label_tries_at(std::string_view text, std::size_t at, std::size_t limit);

}  // namespace norvane::extend
