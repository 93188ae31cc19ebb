// Policy, PolicySet, RestoreEntry, RestoreMap, MaskOutput and the functions mask and unmask.
#include <string>

#include "mask/restore_json.hpp"
#include "python/classes.hpp"

namespace norvane::py {

namespace {

// A hash key: bytes, bytearray or a sequence of integers 0..255. A str is a sequence too,
// but of characters, so it is refused rather than silently encoded.
bool to_key(PyObject* o, const char* param, std::string& out) {
  if (PyBytes_Check(o)) {
    out.assign(PyBytes_AS_STRING(o), static_cast<std::size_t>(PyBytes_GET_SIZE(o)));
    return true;
  }
  if (PyByteArray_Check(o)) {
    out.assign(PyByteArray_AS_STRING(o), static_cast<std::size_t>(PyByteArray_GET_SIZE(o)));
    return true;
  }
  if (PyUnicode_Check(o)) return type_error(param, "Can't extract `str` to `Vec`");
  if (!PySequence_Check(o)) return wrong_type(param, o, "Sequence");
  // Each item's __index__ may run Python code that changes a list; a tuple copy holds its
  // own references, so the items read below stay alive whatever that code does.
  Ref items = Ref::steal(PySequence_Tuple(o));
  if (!items) return name_pending_type_error(param);
  Py_ssize_t n = PyTuple_GET_SIZE(items.get());
  out.resize(static_cast<std::size_t>(n));
  for (Py_ssize_t i = 0; i < n; ++i) {
    std::uint8_t byte = 0;
    if (!to_u8(PyTuple_GET_ITEM(items.get(), i), param, byte)) return false;
    out[static_cast<std::size_t>(i)] = static_cast<char>(byte);
  }
  return true;
}

struct HashKey {
  std::string bytes;
};

bool from_python(ModuleState*, PyObject* o, const char* param, HashKey& out) {
  return to_key(o, param, out.bytes);
}

// ----------------------------------------------------------------------------------------------
// Policy

PyObject* policy_redact_fill(PyObject* type, PyObject* const* args, Py_ssize_t nargs,
                             PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    char32_t fill = U'*';
    if (!parse(nullptr, "Policy.redact_fill", {"fill"}, 1, args, nargs, kwnames, fill))
      return nullptr;
    return wrap(state_of(type), Policy::redact_fill(fill));
  });
}

PyObject* policy_redact_fixed(PyObject* type, PyObject* const* args, Py_ssize_t nargs,
                              PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    std::string_view text;
    if (!parse(nullptr, "Policy.redact_fixed", {"text"}, 1, args, nargs, kwnames, text))
      return nullptr;
    return wrap(state_of(type), Policy::redact_fixed(std::string(text)));
  });
}

PyObject* policy_partial(PyObject* type, PyObject* const* args, Py_ssize_t nargs,
                         PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    std::uint64_t prefix = 0, suffix = 0;
    char32_t fill = U'*';
    if (!parse(nullptr, "Policy.partial", {"keep_prefix", "keep_suffix", "fill"}, 2, args, nargs,
               kwnames, prefix, suffix, fill))
      return nullptr;
    return wrap(state_of(type), Policy::partial(prefix, suffix, fill));
  });
}

PyObject* policy_hash(PyObject* type, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    HashKey key;
    std::uint64_t length = 12;
    if (!parse(nullptr, "Policy.hash", {"key", "length"}, 1, args, nargs, kwnames, key, length))
      return nullptr;
    return wrap(state_of(type), Policy::hash(std::move(key.bytes), length));
  });
}

// Keys and fixed texts may be secrets: only the case name is shown.
std::string policy_repr(const Policy& p) {
  return "Policy." + std::string(policy_kind_name(p.kind)) + "()";
}

PyMethodDef policy_static_methods[] = {
    {"redact_label", fastcall(nullary<"Policy.redact_label", void, Policy::redact_label>), kMethod,
     "redact_label()\n--\n\n찾은 값을 대괄호로 감싼 한국어 이름으로 바꾼다(예: [주민등록번호])."},
    {"redact_code", fastcall(nullary<"Policy.redact_code", void, Policy::redact_code>), kMethod,
     "redact_code()\n--\n\n찾은 값을 대괄호로 감싼 대문자 코드로 바꾼다(예: [CREDIT_CARD])."},
    {"tokenize", fastcall(nullary<"Policy.tokenize", void, Policy::tokenize>), kMethod,
     "tokenize()\n--\n\n"
     "찾은 값을 번호 붙은 토큰(예: [[PII:0]])으로 바꾸고 원래 값을 복원표(RestoreMap)에 적는다."},
    {"redact_fill", fastcall(policy_redact_fill), kMethod,
     "redact_fill(fill)\n--\n\n찾은 값의 문자 하나마다 fill(한 글자 문자열)을 한 번씩 쓴다."},
    {"redact_fixed", fastcall(policy_redact_fixed), kMethod,
     "redact_fixed(text)\n--\n\n찾은 값을 고정된 text 로 바꾼다(빈 문자열도 된다)."},
    {"partial", fastcall(policy_partial), kMethod,
     "partial(keep_prefix, keep_suffix, fill='*')\n--\n\n"
     "앞의 keep_prefix 글자와 뒤의 keep_suffix 글자를 남기고 가운데를 fill 로 덮는다. 남길 글자 수의 합이 "
     "값의 길이 이상이면 값 전체를 덮는다."},
    {"hash", fastcall(policy_hash), kMethod,
     "hash(key, length=12)\n--\n\n"
     "찾은 값을 [코드:요약값] 으로 바꾼다. 요약값은 key(bytes, bytearray 또는 0..255 정수의 나열)로 계산한 "
     "HMAC-SHA-256 의 소문자 16진수 앞 length 자리(최대 64)다."},
    {nullptr, nullptr, 0, nullptr},
};

PyType_Slot policy_slots[] = {
    {Py_tp_doc, const_cast<char*>(
                    "찾은 개인정보 하나를 무엇으로 바꿀지 정하는 정책. 정적 생성자로만 만든다.")},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<Policy, policy_repr>)},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// PolicySet

PyObject* policy_set_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<1> sig{"PolicySet", {"default"}, 0};
    ModuleState* st = state_of(reinterpret_cast<PyObject*>(type));
    Arguments<1> a;
    OrNone<const Policy*> policy{nullptr};
    if (!a.parse(sig, args, kwargs) || !convert_all(st, sig, a, policy)) return nullptr;
    PolicySet set;
    if (policy.value) set.default_policy = *policy.value;
    return wrap(st, std::move(set));
  });
}

PyObject* policy_set_policy_for(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                                PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    EntityKind kind = EntityKind::resident;
    if (!parse(nullptr, "PolicySet.policy_for", {"entity"}, 1, args, nargs, kwnames, kind))
      return nullptr;
    return wrap(state_of(self), Policy(value_of<PolicySet>(self).policy_for(kind)));
  });
}

PyObject* policy_set_with_entity(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                                 PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    ModuleState* st = state_of(self);
    EntityKind kind = EntityKind::resident;
    const Policy* policy;
    if (!parse(st, "PolicySet.with_entity", {"entity", "policy"}, 2, args, nargs, kwnames, kind,
               policy))
      return nullptr;
    return wrap(st, value_of<PolicySet>(self).with(kind, *policy));
  });
}

PyObject* policy_set_repr(PyObject*) { return str("PolicySet(...)"); }

PyMethodDef policy_set_methods[] = {
    {"policy_for", fastcall(policy_set_policy_for), kMethod,
     "policy_for($self, entity)\n--\n\n"
     "entity(snake_case 이름)에 적용될 정책의 사본을 돌려준다. 따로 정한 것이 없으면 기본 정책이다."},
    {"with_entity", fastcall(policy_set_with_entity), kMethod,
     "with_entity($self, entity, policy)\n--\n\n"
     "entity 에 policy 를 정한 새 정책 집합을 돌려준다. 이미 정해 둔 종류면 그 자리에서 바꾸고, 아니면 끝에 "
     "덧붙인다. 원래 집합은 바뀌지 않는다."},
    {nullptr, nullptr, 0, nullptr},
};

PyType_Slot policy_set_slots[] = {
    {Py_tp_doc, const_cast<char*>("PolicySet(default=None)\n--\n\n"
                                  "개인정보 종류별 정책의 집합. default 가 None 이면 기본 정책은 "
                                  "Policy.redact_label() 이다.")},
    {Py_tp_new, reinterpret_cast<void*>(&policy_set_new)},
    {Py_tp_repr, reinterpret_cast<void*>(&policy_set_repr)},
    {Py_tp_methods, policy_set_methods},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// RestoreEntry

// The original is personal data: never shown.
std::string entry_repr(const RestoreEntry& e) {
  return "RestoreEntry(token=" + debug_quoted(e.token) +
         ", entity=" + debug_quoted(entity_name(e.entity)) + ")";
}

PyGetSetDef entry_getset[] = {
    {"token", get<RestoreEntry, &RestoreEntry::token>, nullptr, "가린 텍스트에 쓰인 토큰 그대로.",
     nullptr},
    {"entity", get<RestoreEntry, &RestoreEntry::entity, entity_name>, nullptr,
     "개인정보 종류의 snake_case 이름.", nullptr},
    {"entity_label", get<RestoreEntry, &RestoreEntry::entity, entity_label>, nullptr,
     "개인정보 종류의 한국어 이름.", nullptr},
    {"original", get<RestoreEntry, &RestoreEntry::original>, nullptr, "토큰이 대신한 원문 조각.",
     nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot entry_slots[] = {
    {Py_tp_doc, const_cast<char*>("복원표의 항목 하나: 토큰과 그 토큰이 대신한 원문 조각.")},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<RestoreEntry, entry_repr>)},
    {Py_tp_getset, entry_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// RestoreMap

PyObject* restore_from_json(PyObject* type, PyObject* const* args, Py_ssize_t nargs,
                            PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    std::string_view text;
    if (!parse(nullptr, "RestoreMap.from_json", {"text"}, 1, args, nargs, kwnames, text))
      return nullptr;
    auto map = without_gil(text.size(), [&] { return restore_map_from_json(text); });
    if (!map) {
      Ref message = Ref::steal(str("restore map JSON 을 읽지 못했다: " + map.error()));
      if (message) PyErr_SetObject(PyExc_ValueError, message.get());
      return nullptr;
    }
    return wrap(state_of(type), std::move(*map));
  });
}

Py_ssize_t restore_len(PyObject* self) {
  return static_cast<Py_ssize_t>(value_of<RestoreMap>(self).len());
}

std::string restore_repr(const RestoreMap& m) {
  return "RestoreMap(prefix=" + debug_quoted(m.prefix) + ", entries=" + std::to_string(m.len()) +
         ")";
}

PyMethodDef restore_methods[] = {
    {"is_empty", fastcall(nullary<"RestoreMap.is_empty", RestoreMap, &RestoreMap::is_empty>),
     kMethod, "is_empty($self)\n--\n\n항목이 하나도 없으면 참이다."},
    {"to_json", fastcall(nullary<"RestoreMap.to_json", RestoreMap, restore_map_to_json>), kMethod,
     "to_json($self)\n--\n\n복원표를 간결한 JSON 텍스트로 돌려준다. 원문 조각이 들어 있으니 따로 보관한다."},
    {nullptr, nullptr, 0, nullptr},
};

PyMethodDef restore_static_methods[] = {
    {"from_json", fastcall(restore_from_json), kMethod,
     "from_json(text)\n--\n\n"
     "to_json 이 쓴 JSON(또는 같은 내용의 다른 표기)에서 복원표를 읽는다. 읽지 못하면 ValueError 를 낸다."},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef restore_getset[] = {
    {"prefix", get<RestoreMap, &RestoreMap::prefix>, nullptr,
     "토큰의 접두어(보통 \"PII\", 원문과 겹치면 \"PII0\", \"PII1\", ...).", nullptr},
    {"entries", get<RestoreMap, &RestoreMap::entries>, nullptr,
     "항목 목록(새 RestoreEntry 객체들). 위치가 곧 토큰 번호다.", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot restore_slots[] = {
    {Py_tp_doc, const_cast<char*>(
                    "토큰과 그 토큰이 대신한 원문 조각의 표. unmask 로 가린 텍스트를 되돌린다.")},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<RestoreMap, restore_repr>)},
    {Py_mp_length, reinterpret_cast<void*>(&restore_len)},
    {Py_tp_methods, restore_methods},
    {Py_tp_getset, restore_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// MaskOutput

std::string output_repr(const MaskOutput& out) {
  return "MaskOutput(applied=" + std::to_string(out.applied.size()) +
         ", skipped=" + std::to_string(out.skipped.size()) +
         ", restore=" + (out.restore ? "true" : "false") + ")";
}

PyGetSetDef output_getset[] = {
    {"text", get<MaskOutput, &MaskOutput::text>, nullptr, "가린 텍스트.", nullptr},
    {"applied", get<MaskOutput, &MaskOutput::applied>, nullptr,
     "바꾼 발견들(적용한 순서, 새 Finding 목록).", nullptr},
    {"skipped", get<MaskOutput, &MaskOutput::skipped>, nullptr,
     "앞의 것과 겹치거나 텍스트 밖에 있어 바꾸지 않은 발견들(보통 빈 목록).", nullptr},
    {"restore", get<MaskOutput, &MaskOutput::restore>, nullptr,
     "정책 집합에 tokenize 가 있으면 복원표의 사본, 없으면 None.", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot output_slots[] = {
    {Py_tp_doc, const_cast<char*>("mask 의 결과: 가린 텍스트, 바꾼 발견, 건너뛴 발견, 복원표.")},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<MaskOutput, output_repr>)},
    {Py_tp_getset, output_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// Functions

PyObject* mask_impl(PyObject* module, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    ModuleState* st = state_of_module(module);
    static const PolicySet kDefaultPolicies{};
    std::string_view text;
    OrNone<const PolicySet*> policies{&kDefaultPolicies};
    Config config;
    if (!parse(st, "mask", {"text", "policies", "config"}, 1, args, nargs, kwnames, text, policies,
               config))
      return nullptr;
    Result<MaskOutput> out =
        without_gil(text.size(), [&] { return mask(text, *policies.value, config); });
    if (!out) return raise_core(st, out.error());
    return wrap(st, std::move(*out));
  });
}

PyObject* unmask_impl(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                      PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    ModuleState* st = state_of_module(module);
    std::string_view masked;
    const RestoreMap* map;
    if (!parse(st, "unmask", {"masked", "restore"}, 2, args, nargs, kwnames, masked, map))
      return nullptr;
    Result<std::string> text = without_gil(masked.size(), [&] { return unmask(masked, *map); });
    if (!text) return raise_core(st, text.error());
    return str(*text);
  });
}

}  // namespace

PyMethodDef mask_function = {
    "mask", fastcall(mask_impl), METH_FASTCALL | METH_KEYWORDS,
    "mask(text, policies=None, config=None)\n--\n\n"
    "text 에서 개인정보를 찾아 종류별 정책(policies, PolicySet)에 따라 바꾼 MaskOutput 을 돌려준다. "
    "policies 가 None 이면 모든 종류를 한국어 이름으로 가리고, config 가 None 이면 기본 설정을 쓴다."};

PyMethodDef unmask_function = {
    "unmask", fastcall(unmask_impl), METH_FASTCALL | METH_KEYWORDS,
    "unmask(masked, restore)\n--\n\n"
    "가린 텍스트 masked 의 토큰을 복원표 restore(RestoreMap)의 원문 조각으로 되돌린다. 잘못된 토큰을 만나면 "
    "아무것도 돌려주지 않고 SpanMapError 를 낸다."};

bool add_mask_classes(PyObject* module) {
  return add_class<Policy>(module, "norvane.Policy", policy_slots, false, policy_static_methods) &&
         add_class<PolicySet>(module, "norvane.PolicySet", policy_set_slots, true) &&
         add_class<RestoreEntry>(module, "norvane.RestoreEntry", entry_slots) &&
         add_class<RestoreMap>(module, "norvane.RestoreMap", restore_slots, false,
                               restore_static_methods) &&
         add_class<MaskOutput>(module, "norvane.MaskOutput", output_slots);
}

}  // namespace norvane::py
