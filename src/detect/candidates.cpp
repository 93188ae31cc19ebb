#include "detect/candidates.hpp"

#include "detect/checksum.hpp"
#include "detect/cues.hpp"

namespace norvane {

namespace {

// As digits_start_with for each prefix, compared here so that the loop is inlined: every run
// of six to nineteen digits asks this up to five times.
template <std::size_t N>
bool starts_with_any(std::span<const std::uint8_t> d, const std::string_view (&prefixes)[N]) {
  for (const std::string_view p : prefixes) {
    if (d.size() < p.size()) continue;
    std::size_t i = 0;
    while (i < p.size() && d[i] == static_cast<std::uint8_t>(p[i] - '0')) ++i;
    if (i == p.size()) return true;
  }
  return false;
}

unsigned number(std::span<const std::uint8_t> d, std::size_t from, std::size_t count) {
  unsigned v = 0;
  for (std::size_t i = from; i < from + count; ++i) v = v * 10 + d[i];
  return v;
}

bool all_digits(std::span<const std::uint8_t> d, std::size_t from, std::size_t count) {
  for (std::size_t i = from; i < from + count; ++i)
    if (d[i] > 9) return false;
  return true;
}

constexpr std::string_view kMobile11[] = {"010", "011", "016", "017", "018", "019"};
constexpr std::string_view kMobile10[] = {"011", "016", "017", "018", "019"};
constexpr std::string_view kRepresentative[] = {"15", "16", "18"};
constexpr std::string_view kSeoul[] = {"02"};
constexpr std::string_view kLandline[] = {"031", "032", "033", "041", "042", "043",
                                          "044", "051", "052", "053", "054", "055",
                                          "061", "062", "063", "064", "070"};

}  // namespace

std::span<const Cue> cues_for(EntityKind kind) {
  switch (kind) {
    case EntityKind::resident: return cues::kTables.resident;
    case EntityKind::foreigner_registration: return cues::kTables.foreigner;
    case EntityKind::business_registration: return cues::kTables.business;
    case EntityKind::credit_card: return cues::kTables.card;
    case EntityKind::bank_account: return cues::kTables.account;
    case EntityKind::phone: return cues::kTables.phone;
    case EntityKind::driver_license: return cues::kTables.license;
    case EntityKind::birth_date: return cues::kTables.birth;
    case EntityKind::passport: return cues::kTables.passport;
    case EntityKind::email: break;
  }
  return {};
}

std::span<const Cue> passport_cues() { return cues::kTables.passport; }
std::span<const Cue> negative_cues() { return cues::kTables.negative; }
std::span<const Cue> all_cues() { return cues::kCues; }

bool has_checksum_rule(std::size_t digits) {
  // business.10, resident.*_13 and card.luhn (13 to 19 digits) below.
  return digits == 10 || (digits >= 13 && digits <= 19);
}

void candidates(std::span<const std::uint8_t> d, std::vector<Candidate>& out) {
  out.clear();
  const std::size_t n = d.size();
  if (n < kMinCandidateDigits || n > kMaxCandidateDigits) return;
  const bool masked = any_masked(d);
  const auto phone_na = ChecksumResult::not_applicable(reason::phone);
  auto push = [&](ChecksumResult ck, std::string_view rule, EntityKind kind, float base, bool needs,
                  Certainty max) {
    out.push_back(
        Candidate{ck, rule, cues_for(kind), std::min(base, kMaxCandidateBase), needs, max, kind});
  };

  if (n == 13) {
    if (auto a = analyze_resident(d)) {
      const EntityKind kind =
          a->foreigner ? EntityKind::foreigner_registration : EntityKind::resident;
      if (a->birth) {
        push(a->checksum, a->foreigner ? "resident.foreigner_13" : "resident.korean_13", kind, 0.6f,
             false, masked ? Certainty::probable : Certainty::certain);
      } else if (masked) {
        push(a->checksum, a->foreigner ? "resident.foreigner_masked" : "resident.korean_masked",
             kind, 0.2f, false, Certainty::probable);
      }
    }
  }
  if (n == 10)
    push(business_checksum(d), "business.10", EntityKind::business_registration, 0.4f, false,
         Certainty::certain);
  if (n >= 13 && n <= 19)
    push(luhn_checksum(d), "card.luhn", EntityKind::credit_card, 0.4f, false, Certainty::certain);

  bool mobile = false;
  if (n == 11 && starts_with_any(d, kMobile11)) {
    push(phone_na, "phone.mobile_11", EntityKind::phone, 0.6f, false, Certainty::probable);
    mobile = true;
  }
  if (n == 10 && starts_with_any(d, kMobile10)) {
    push(phone_na, "phone.mobile_10", EntityKind::phone, 0.6f, false, Certainty::probable);
    mobile = true;
  }
  if ((n == 9 || n == 10) && !mobile && starts_with_any(d, kSeoul))
    push(phone_na, "phone.seoul", EntityKind::phone, 0.6f, false, Certainty::probable);
  if (n == 8 && starts_with_any(d, kRepresentative))
    push(phone_na, "phone.representative", EntityKind::phone, 0.6f, false, Certainty::probable);
  if ((n == 10 || n == 11) && !mobile && starts_with_any(d, kLandline))
    push(phone_na, "phone.landline", EntityKind::phone, 0.6f, false, Certainty::probable);

  if (n == 12 && all_digits(d, 0, 2)) {
    const unsigned region = number(d, 0, 2);
    if ((region >= 11 && region <= 26) || region == 28)
      push(ChecksumResult::not_applicable(reason::driver_license), "license.12",
           EntityKind::driver_license, 0.2f, true, Certainty::probable);
  }
  if (n >= 10 && n <= 14)
    push(ChecksumResult::not_applicable(reason::bank_account), "account.length",
         EntityKind::bank_account, 0.1f, true, Certainty::probable);
  if (n == 8 && !masked) {
    const unsigned y = number(d, 0, 4), m = number(d, 4, 2), day = number(d, 6, 2);
    if (y >= 1800 && y <= 2200 && is_valid_date(y, m, day))
      push(ChecksumResult::not_applicable(reason::birth_date), "birth.yyyymmdd",
           EntityKind::birth_date, 0.1f, true, Certainty::probable);
  }
  if (n == 6 && !masked) {
    const unsigned yy = number(d, 0, 2), m = number(d, 2, 2), day = number(d, 4, 2);
    const bool valid = is_valid_date(1900 + yy, m, day) ||
                       (m == 2 && day == 29 && is_valid_date(2000 + yy, m, day));
    if (valid)
      push(ChecksumResult::not_applicable(reason::birth_date), "birth.yymmdd",
           EntityKind::birth_date, 0.1f, true, Certainty::probable);
  }
}

}  // namespace norvane
