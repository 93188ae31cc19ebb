// Config, Normalized and the normalize() function.
#include <array>
#include <string>

#include "python/classes.hpp"
#include "span/float_format.hpp"

namespace norvane::py {

bool to_config(ModuleState* st, PyObject* o, const char* param, Config& out) {
  if (!o || o == Py_None) {
    out = Config{};
    return true;
  }
  const Config* config = unwrap<Config>(st, o);
  if (!config) return wrong_type(param, o, "Config");
  out = *config;
  return true;
}

namespace {

// ----------------------------------------------------------------------------------------------
// Config

PyObject* config_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<0> sig{"Config", {}, 0};
    Arguments<0> a;
    if (!a.parse(sig, args, kwargs)) return nullptr;
    return wrap(state_of(reinterpret_cast<PyObject*>(type)), Config{});
  });
}

// Attributes can be replaced but never removed.
bool refuse_delete(PyObject* value) {
  if (value) return false;
  PyErr_SetString(PyExc_TypeError, "can't delete attribute");
  return true;
}

// The setter of a Config attribute: the value converted by the type of the field.
template <auto Field>
int set(PyObject* self, PyObject* value, void*) {
  return guarded([&]() -> int {
    std::remove_cvref_t<decltype(std::declval<Config&>().*Field)> v;
    if (refuse_delete(value) || !from_python(nullptr, value, "value", v)) return -1;
    value_of<Config>(self).*Field = v;
    return 0;
  });
}

// The extension families, one accessor pair for all: the closure is the family's entry in
// kFamilyFields.
PyObject* get_family(PyObject* self, void* closure) {
  return boolean(value_of<Config>(self).*static_cast<const FamilyField*>(closure)->field);
}

int set_family(PyObject* self, PyObject* value, void* closure) {
  return guarded([&]() -> int {
    bool v;
    if (refuse_delete(value) || !from_python(nullptr, value, "value", v)) return -1;
    value_of<Config>(self).*static_cast<const FamilyField*>(closure)->field = v;
    return 0;
  });
}

// The seven weights as (name, value) pairs.
std::array<std::pair<std::string_view, float>, kWeightFields.size()> weights(const Config& c) {
  std::array<std::pair<std::string_view, float>, kWeightFields.size()> out;
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = {kWeightFields[i].name, c.*kWeightFields[i].field};
  return out;
}

PyObject* config_set_weights(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                             PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<7> sig{
        "Config.set_weights",
        {"checksum_passed", "checksum_failed", "context", "absorbed_whitespace",
         "absorbed_separator", "expanded_syllable", "replaced_char"},
        0};
    static_assert(kWeightFields.size() == 7);
    Arguments<7> a;
    if (!a.parse(sig, args, nargs, kwnames)) return nullptr;
    // Every conversion may run Python code and may fail: finish them all before storing any.
    std::array<float, 7> values{};
    for (std::size_t i = 0; i < 7; ++i)
      if (a.has(i) && !to_f32(a[i], sig.names[i], values[i])) return nullptr;
    Config& c = value_of<Config>(self);
    for (std::size_t i = 0; i < 7; ++i)
      if (a.has(i)) c.*kWeightFields[i].field = values[i];
    Py_RETURN_NONE;
  });
}

// ", label_reading=True, ..." for the families switched on; nothing when none is.
std::string families_on(const Config& c) {
  std::string out;
  for (const FamilyField& f : kFamilyFields)
    if (c.*f.field) (out += ", ") += std::string(f.name) + "=True";
  return out;
}

std::string config_repr(const Config& c) {
  return "Config(min_score=" + format_f32_plain(c.min_score) +
         ", min_context=" + format_f32_plain(c.min_context) +
         ", context_window=" + std::to_string(c.context_window) + families_on(c) + ")";
}

PyMethodDef config_methods[] = {
    {"set_weights", fastcall(config_set_weights), kMethod,
     "set_weights($self, checksum_passed=None, checksum_failed=None, context=None, absorbed_whitespace=None, "
     "absorbed_separator=None, expanded_syllable=None, replaced_char=None)\n--\n\n"
     "주어진 점수 가중치만 바꾼다. None 인 것은 그대로 둔다. 값을 모두 먼저 변환하므로 하나라도 "
     "변환에 실패하면 아무것도 바뀌지 않는다."},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef config_base_getset[] = {
    {"nfc", get<Config, &Config::nfc>, set<&Config::nfc>, "한글 자모 조합 단계를 실행한다(bool).",
     nullptr},
    {"fold", get<Config, &Config::fold>, set<&Config::fold>,
     "전각, 대시, 공백 접기 단계를 실행한다(bool).", nullptr},
    {"hangul", get<Config, &Config::hangul>, set<&Config::hangul>,
     "한글 수사 읽기 단계를 실행한다(bool).", nullptr},
    {"lookalike", get<Config, &Config::lookalike>, set<&Config::lookalike>,
     "숫자 대신 쓴 닮은 글자(I, l, O, o) 교정 단계를 실행한다(bool).", nullptr},
    {"separator", get<Config, &Config::separator>, set<&Config::separator>,
     "숫자 안의 구분 문자 흡수 단계를 실행한다(bool).", nullptr},
    {"context_window", get<Config, &Config::context_window>, set<&Config::context_window>,
     "문맥 단서를 찾는 창의 크기(문자 수, 부호 없는 32비트).", nullptr},
    {"min_score", get<Config, &Config::min_score>, set<&Config::min_score>,
     "이 점수보다 낮은 후보는 탐지 결과로 보고하지 않는다.", nullptr},
    {"min_context", get<Config, &Config::min_context>, set<&Config::min_context>,
     "문맥이 필요한 종류가 넘어야 하는 최소 문맥 점수 합.", nullptr},
    {"min_veto", get<Config, &Config::min_veto>, set<&Config::min_veto>,
     "부정 문맥이 후보를 떨어뜨릴 수 있는 최소 점수 합.", nullptr},
    {"numeral_min_digits_with_context", get<Config, &Config::numeral_min_digits_with_context>,
     set<&Config::numeral_min_digits_with_context>,
     "이웃 문맥이 있을 때 한글 수사를 숫자로 바꾸는 최소 자릿수.", nullptr},
    {"numeral_min_digits_without_context", get<Config, &Config::numeral_min_digits_without_context>,
     set<&Config::numeral_min_digits_without_context>,
     "이웃 문맥이 없을 때 한글 수사를 숫자로 바꾸는 최소 자릿수.", nullptr},
    {"weights", get<Config, weights>, nullptr,
     "점수 가중치 일곱 개의 (이름, 값) 목록(읽기 전용, 바꾸려면 set_weights).", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

// The accessors above followed by one per extension family (from kFamilyFields) and the end mark.
auto config_getset = [] {
  constexpr std::size_t n = std::size(config_base_getset) - 1;
  std::array<PyGetSetDef, n + kFamilyFields.size() + 1> all{};
  for (std::size_t i = 0; i < n; ++i) all[i] = config_base_getset[i];
  for (std::size_t i = 0; i < kFamilyFields.size(); ++i)
    all[n + i] = {kFamilyFields[i].name.data(), get_family, set_family, kFamilyFields[i].doc.data(),
                  const_cast<FamilyField*>(&kFamilyFields[i])};
  return all;
}();

PyMethodDef config_static_methods[] = {
    {"thorough", fastcall(nullary<"Config.thorough", void, Config::thorough>), kMethod,
     "thorough()\n--\n\n"
     "확장을 모두 켜고 가리기에 맞춘 문턱과 가중치를 가진 Config. 기본 설정보다 훨씬 적게 놓치고 "
     "정밀도는 거의 같다. 필요 없는 확장은 속성으로 끌 수 있다."},
    {nullptr, nullptr, 0, nullptr},
};

PyType_Slot config_slots[] = {
    {Py_tp_doc,
     const_cast<char*>("Config()\n--\n\n"
                       "정규화와 탐지를 조정하는 설정. 인자 없이 만들면 권장 기본값을 가진다.")},
    {Py_tp_new, reinterpret_cast<void*>(&config_new)},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<Config, config_repr>)},
    {Py_tp_methods, config_methods},
    {Py_tp_getset, config_getset.data()},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// Normalized

std::string normalized_repr(const Normalized& n) {
  return "Normalized(text=" + debug_quoted(n.text) + ", segments=" + std::to_string(n.map.len()) +
         ")";
}

PyGetSetDef normalized_getset[] = {
    {"text", get<Normalized, &Normalized::text>, nullptr, "정규화된 텍스트.", nullptr},
    {"map", get<Normalized, &Normalized::map>, nullptr,
     "원문에서 정규화된 텍스트로 가는 구간 정렬 테이블(새 SpanMap).", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot normalized_slots[] = {
    {Py_tp_doc,
     const_cast<char*>("정규화 결과: 정규화된 텍스트와 원문으로 되돌아가는 구간 정렬 테이블.")},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<Normalized, normalized_repr>)},
    {Py_tp_getset, normalized_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// normalize()

PyObject* normalize_impl(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                         PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    ModuleState* st = state_of_module(module);
    std::string_view text;
    Config config;
    if (!parse(st, "normalize", {"text", "config"}, 1, args, nargs, kwnames, text, config))
      return nullptr;
    Result<Normalized> result = without_gil(text.size(), [&] { return normalize(text, config); });
    if (!result) return raise_core(st, result.error());
    return wrap(st, std::move(*result));
  });
}

}  // namespace

PyMethodDef normalize_function = {
    "normalize", fastcall(normalize_impl), kMethod,
    "normalize(text, config=None)\n--\n\n"
    "text 를 정규화한다(자모 조합, 접기, 한글 수사, 닮은 글자, 구분 문자 흡수 순). config 가 None 이면 "
    "기본 설정을 쓴다. 정규화된 텍스트와 원문으로 되돌아가는 구간 정렬 테이블을 담은 Normalized 를 "
    "돌려준다. 좌표가 맞지 않으면 SpanMapError."};

bool add_config_classes(PyObject* module) {
  return add_class<Config>(module, "norvane.Config", config_slots, true, config_static_methods) &&
         add_class<Normalized>(module, "norvane.Normalized", normalized_slots);
}

}  // namespace norvane::py
