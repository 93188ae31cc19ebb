// Policy, PolicySet, RestoreEntry, RestoreMap, MaskOutput and the functions mask and unmask.
#include <string>

#include "mask/restore_json.hpp"
#include "python/classes.hpp"

namespace norvane::py {

namespace {

// A hash key: bytes, bytearray or any other sequence of integers 0..255. A str is a sequence
// too, but of characters, so it is refused rather than silently encoded.
struct HashKey {
  std::string bytes;
};

bool from_python(ModuleState*, PyObject* o, const char* param, HashKey& key) {
  if (PyUnicode_Check(o)) return type_error(param, "Can't extract `str` to `Vec`");
  if (!PySequence_Check(o)) return wrong_type(param, o, "Sequence");
  // Each item's __index__ may run Python code that changes a list; a tuple copy holds its
  // own references, so the items read below stay alive whatever that code does.
  Ref items = Ref::steal(PySequence_Tuple(o));
  if (!items) return name_pending_type_error(param);
  Py_ssize_t n = PyTuple_GET_SIZE(items.get());
  key.bytes.resize(static_cast<std::size_t>(n));
  for (Py_ssize_t i = 0; i < n; ++i) {
    std::uint32_t byte = 0;
    if (!to_u32(PyTuple_GET_ITEM(items.get(), i), param, byte, 0xFF)) return false;
    key.bytes[static_cast<std::size_t>(i)] = static_cast<char>(byte);
  }
  return true;
}

Policy hash_policy(HashKey key, std::uint64_t length) {
  return Policy::hash(std::move(key.bytes), length);
}

Class policy_class{
    .doc = "찾은 개인정보 하나를 무엇으로 바꿀지 정하는 정책. 정적 생성자로만 만든다.",
    .statics =
        {def<Policy::redact_label, Policy>(
             "redact_label()\n--\n\n찾은 값을 대괄호로 감싼 한국어 이름으로 바꾼다(예: [주민등록번호])."),
         def<Policy::redact_code, Policy>(
             "redact_code()\n--\n\n찾은 값을 대괄호로 감싼 대문자 코드로 바꾼다(예: [CREDIT_CARD])."),
         def<Policy::tokenize, Policy>(
             "tokenize()\n--\n\n"
             "찾은 값을 번호 붙은 토큰(예: [[PII:0]])으로 바꾸고 원래 값을 복원표(RestoreMap)에 "
             "적는다."),
         def<Policy::redact_fill, Policy>(
             "redact_fill(fill)\n--\n\n찾은 값의 문자 하나마다 fill(한 글자 문자열)을 한 번씩 쓴다."),
         def<Policy::redact_fixed, Policy>(
             "redact_fixed(text)\n--\n\n찾은 값을 고정된 text 로 바꾼다(빈 문자열도 된다)."),
         def<Policy::partial, Policy>(
             "partial(keep_prefix, keep_suffix, fill='*')\n--\n\n"
             "앞의 keep_prefix 글자와 뒤의 keep_suffix 글자를 남기고 가운데를 fill 로 덮는다. 남길 "
             "글자 수의 합이 값의 길이 이상이면 값 전체를 덮는다."),
         def<hash_policy, Policy>(
             "hash(key, length=12)\n--\n\n"
             "찾은 값을 [코드:요약값] 으로 바꾼다. 요약값은 key(bytes, bytearray 또는 0..255 정수의 "
             "나열)로 계산한 HMAC-SHA-256 의 소문자 16진수 앞 length 자리(최대 64)다.")},
};

PolicySet make_policy_set(std::optional<Policy> policy) {
  PolicySet set;
  if (policy) set.default_policy = std::move(*policy);
  return set;
}

Class policy_set_class{
    .init = def<make_policy_set, PolicySet>(
        "PolicySet(default=None)\n--\n\n"
        "개인정보 종류별 정책의 집합. default 가 None 이면 기본 정책은 Policy.redact_label() 이다."),
    .methods =
        {def<&PolicySet::policy_for>(
             "policy_for($self, entity)\n--\n\n"
             "entity(snake_case 이름)에 적용될 정책의 사본을 돌려준다. 따로 정한 것이 없으면 기본 "
             "정책이다."),
         def<&PolicySet::with>(
             "with_entity($self, entity, policy)\n--\n\n"
             "entity 에 policy 를 정한 새 정책 집합을 돌려준다. 이미 정해 둔 종류면 그 자리에서 "
             "바꾸고, 아니면 끝에 덧붙인다. 원래 집합은 바뀌지 않는다.")},
};

Class entry_class{
    .doc = "복원표의 항목 하나: 토큰과 그 토큰이 대신한 원문 조각.",
    .attributes = {attr<&RestoreEntry::token>("token", "가린 텍스트에 쓰인 토큰 그대로."),
                   attr<&RestoreEntry::entity, entity_name>("entity",
                                                            "개인정보 종류의 snake_case 이름."),
                   attr<&RestoreEntry::entity, entity_label>("entity_label",
                                                             "개인정보 종류의 한국어 이름."),
                   attr<&RestoreEntry::original>("original", "토큰이 대신한 원문 조각.")},
};

std::expected<RestoreMap, std::string> restore_from_json(std::string_view text) {
  auto map = without_gil(text.size(), [&] { return restore_map_from_json(text); });
  if (!map) return std::unexpected("restore map JSON 을 읽지 못했다: " + map.error());
  return map;
}

Class restore_class{
    .doc = "토큰과 그 토큰이 대신한 원문 조각의 표. unmask 로 가린 텍스트를 되돌린다.",
    .attributes = {attr<&RestoreMap::prefix>(
                       "prefix",
                       "토큰의 접두어(보통 \"PII\", 원문과 겹치면 \"PII0\", \"PII1\", ...)."),
                   attr<&RestoreMap::entries>(
                       "entries", "항목 목록(새 RestoreEntry 객체들). 위치가 곧 토큰 번호다.")},
    .methods =
        {def<&RestoreMap::is_empty>("is_empty($self)\n--\n\n항목이 하나도 없으면 참이다."),
         def<restore_map_to_json>(
             "to_json($self)\n--\n\n"
             "복원표를 간결한 JSON 텍스트로 돌려준다. 원문 조각이 들어 있으니 따로 보관한다.")},
    .statics = {def<restore_from_json, RestoreMap>(
        "from_json(text)\n--\n\n"
        "to_json 이 쓴 JSON(또는 같은 내용의 다른 표기)에서 복원표를 읽는다. 읽지 못하면 "
        "ValueError 를 낸다.")},
};

Class output_class{
    .doc = "mask 의 결과: 가린 텍스트, 바꾼 발견, 건너뛴 발견, 복원표.",
    .attributes = {attr<&MaskOutput::text>("text", "가린 텍스트."),
                   attr<&MaskOutput::applied>("applied",
                                              "바꾼 발견들(적용한 순서, 새 Finding 목록)."),
                   attr<&MaskOutput::skipped>(
                       "skipped",
                       "앞의 것과 겹치거나 텍스트 밖에 있어 바꾸지 않은 발견들(보통 빈 목록)."),
                   attr<&MaskOutput::restore>(
                       "restore", "정책 집합에 tokenize 가 있으면 복원표의 사본, 없으면 None.")},
};

Result<MaskOutput> mask_text(std::string_view text, std::optional<const PolicySet*> policies,
                             Config config) {
  static const PolicySet kDefaultPolicies{};
  const PolicySet& set = policies ? **policies : kDefaultPolicies;
  return without_gil(text.size(), [&] { return mask(text, set, config); });
}

Result<std::string> unmask_text(std::string_view masked, const RestoreMap* restore) {
  return without_gil(masked.size(), [&] { return unmask(masked, *restore); });
}

}  // namespace

PyMethodDef mask_function = def<mask_text>(
    "mask(text, policies=None, config=None)\n--\n\n"
    "text 에서 개인정보를 찾아 종류별 정책(policies, PolicySet)에 따라 바꾼 MaskOutput 을 돌려준다. "
    "policies 가 None 이면 모든 종류를 한국어 이름으로 가리고, config 가 None 이면 기본 설정을 쓴다.");

PyMethodDef unmask_function = def<unmask_text>(
    "unmask(masked, restore)\n--\n\n"
    "가린 텍스트 masked 의 토큰을 복원표 restore(RestoreMap)의 원문 조각으로 되돌린다. 잘못된 토큰을 만나면 "
    "아무것도 돌려주지 않고 SpanMapError 를 낸다.");

bool add_mask_classes(PyObject* module) {
  return add_class<Policy>(module, policy_class) &&
         add_class<PolicySet>(module, policy_set_class) &&
         add_class<RestoreEntry>(module, entry_class) &&
         add_class<RestoreMap>(module, restore_class) &&
         add_class<MaskOutput>(module, output_class);
}

}  // namespace norvane::py
