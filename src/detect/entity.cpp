#include "detect/entity.hpp"

#include <array>

#include "span/debug_text.hpp"

namespace norvane {

namespace {

struct KindText {
  std::string_view name;
  std::string_view code;
  std::string_view label;
};

constexpr std::array<KindText, kEntityCount> kKinds{{
    {"resident", "RESIDENT", "주민등록번호"},
    {"foreigner_registration", "FOREIGNER_REGISTRATION", "외국인등록번호"},
    {"business_registration", "BUSINESS_REGISTRATION", "사업자등록번호"},
    {"credit_card", "CREDIT_CARD", "카드번호"},
    {"bank_account", "BANK_ACCOUNT", "계좌번호"},
    {"phone", "PHONE", "전화번호"},
    {"email", "EMAIL", "이메일"},
    {"driver_license", "DRIVER_LICENSE", "운전면허번호"},
    {"birth_date", "BIRTH_DATE", "생년월일"},
    {"passport", "PASSPORT", "여권번호"},
}};

constexpr std::array<EntityKind, kEntityCount> kAll{
    EntityKind::resident,    EntityKind::foreigner_registration, EntityKind::business_registration,
    EntityKind::credit_card, EntityKind::bank_account,           EntityKind::phone,
    EntityKind::email,       EntityKind::driver_license,         EntityKind::birth_date,
    EntityKind::passport,
};

const KindText& text_of(EntityKind kind) {
  auto i = static_cast<std::size_t>(kind);
  return kKinds[i < kEntityCount ? i : 0];
}

}  // namespace

std::string_view entity_name(EntityKind kind) { return text_of(kind).name; }
std::string_view entity_code(EntityKind kind) { return text_of(kind).code; }
std::string_view entity_label(EntityKind kind) { return text_of(kind).label; }

std::optional<EntityKind> entity_from_name(std::string_view name) {
  for (std::size_t i = 0; i < kEntityCount; ++i)
    if (kKinds[i].name == name) return kAll[i];
  return std::nullopt;
}

std::expected<EntityKind, std::string> entity_named(std::string_view name) {
  if (std::optional<EntityKind> kind = entity_from_name(name)) return *kind;
  return std::unexpected("unknown entity " + debug_quoted(name) + "; expected one of " +
                         entity_names_joined());
}

const std::array<EntityKind, kEntityCount>& all_entities() { return kAll; }

std::string entity_names_joined() {
  std::string out;
  for (std::size_t i = 0; i < kEntityCount; ++i) {
    if (i) out += ", ";
    out += kKinds[i].name;
  }
  return out;
}

}  // namespace norvane
