#include "detect/candidates.hpp"

#include "detect/checksum.hpp"
#include "detect/cues.hpp"

namespace norvane {

namespace {

// Prefixes of up to three digits as the set of three-digit starts they begin: a run's first
// three digits are then one look-up, where comparing prefix by prefix took every run of six to
// nineteen digits up to five lists.
class PrefixSet {
 public:
  template <std::size_t N>
  constexpr explicit PrefixSet(const std::string_view (&prefixes)[N]) {
    for (const std::string_view p : prefixes) {
      unsigned first = 0, count = 1000;  // the three-digit starts this prefix begins
      for (const char c : p) {
        count /= 10;
        first += static_cast<unsigned>(c - '0') * count;
      }
      for (unsigned v = first; v < first + count; ++v)
        bits_[v / 64] |= std::uint64_t{1} << (v % 64);
    }
    for (const std::string_view p : prefixes) prefixes_[count_++] = p;
  }

  // Whether the digits start with one of the prefixes (digits_start_with for each).
  bool starts(std::span<const std::uint8_t> d) const {
    if (d.size() >= 3 && d[0] <= 9 && d[1] <= 9 && d[2] <= 9) {
      const unsigned v = d[0] * 100u + d[1] * 10u + d[2];
      return (bits_[v / 64] >> (v % 64)) & 1;
    }
    // A short run or a masked digit among the first three: prefix by prefix.
    for (std::size_t k = 0; k < count_; ++k)
      if (digits_start_with(d, prefixes_[k])) return true;
    return false;
  }

 private:
  static constexpr std::size_t kMost = 32;
  std::uint64_t bits_[1000 / 64 + 1] = {};
  std::string_view prefixes_[kMost] = {};
  std::size_t count_ = 0;
};

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

constexpr PrefixSet kMobile11({"010", "011", "016", "017", "018", "019"});
constexpr PrefixSet kMobile10({"011", "016", "017", "018", "019"});
constexpr PrefixSet kRepresentative({"15", "16", "18"});
constexpr PrefixSet kSeoul({"02"});
constexpr PrefixSet kLandline({"031", "032", "033", "041", "042", "043", "044", "051", "052", "053",
                               "054", "055", "061", "062", "063", "064", "070"});

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
    if (auto a = analyze_resident(d, masked)) {
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
    push(business_checksum(d, masked), "business.10", EntityKind::business_registration, 0.4f, false,
         Certainty::certain);
  if (n >= 13 && n <= 19)
    push(luhn_checksum(d, masked), "card.luhn", EntityKind::credit_card, 0.4f, false, Certainty::certain);

  bool mobile = false;
  if (n == 11 && kMobile11.starts(d)) {
    push(phone_na, "phone.mobile_11", EntityKind::phone, 0.6f, false, Certainty::probable);
    mobile = true;
  }
  if (n == 10 && kMobile10.starts(d)) {
    push(phone_na, "phone.mobile_10", EntityKind::phone, 0.6f, false, Certainty::probable);
    mobile = true;
  }
  if ((n == 9 || n == 10) && !mobile && kSeoul.starts(d))
    push(phone_na, "phone.seoul", EntityKind::phone, 0.6f, false, Certainty::probable);
  if (n == 8 && kRepresentative.starts(d))
    push(phone_na, "phone.representative", EntityKind::phone, 0.6f, false, Certainty::probable);
  if ((n == 10 || n == 11) && !mobile && kLandline.starts(d))
    push(phone_na, "phone.landline", EntityKind::phone, 0.6f, false, Certainty::probable);

  if (n == 12 && all_digits(d, 0, 2)) {
    if (known_licence_region(number(d, 0, 2)))
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
