// Config, Normalized and the normalize() function.
#include <array>
#include <concepts>
#include <limits>
#include <optional>
#include <ranges>
#include <string>

#include "python/classes.hpp"

namespace norvane::py {

bool to_config(ModuleState* st, PyObject* o, const char* param, Config& out) {
  const Config* config = nullptr;
  if (o && o != Py_None && !from_python(st, o, param, config)) return false;
  out = config ? *config : Config{};
  return true;
}

namespace {

Config make_config() { return Config{}; }

// A setting's value by the type of its field, written only when accepted. Errors name the
// setting, as reference_year's do.
bool setting_type_error(const char* name, const char* wanted, PyObject* given) {
  PyErr_Format(PyExc_TypeError, "%s must be %s, not %s", name, wanted, Py_TYPE(given)->tp_name);
  return false;
}

bool to_setting(const char* name, PyObject* value, bool& out) {
  if (!PyBool_Check(value)) return setting_type_error(name, "a bool", value);
  out = value == Py_True;
  return true;
}

// A count (characters of a window, digits of a numeral): an int or an object with __index__,
// but not a bool, as the switches beside it take no int.
template <std::unsigned_integral T>
bool to_setting(const char* name, PyObject* value, T& out) {
  if (PyBool_Check(value) || !PyIndex_Check(value))
    return setting_type_error(name, "an int", value);
  Ref index = Ref::steal(PyNumber_Index(value));
  if (!index) return false;
  const unsigned long long v = PyLong_AsUnsignedLongLong(index.get());
  if (v == static_cast<unsigned long long>(-1) && PyErr_Occurred()) {
    if (!PyErr_ExceptionMatches(PyExc_OverflowError)) return false;
    PyErr_Clear();  // negative or past 64 bits: said below as any value out of range
  } else if (v <= std::numeric_limits<T>::max()) {
    out = static_cast<T>(v);
    return true;
  }
  PyErr_Format(PyExc_OverflowError, "%s must be from 0 to %llu, got %R", name,
               static_cast<unsigned long long>(std::numeric_limits<T>::max()), index.get());
  return false;
}

// A threshold: anything float() takes but a str (a bool counts as 0 or 1, as in arithmetic).
bool to_setting(const char* name, PyObject* value, float& out) {
  const PyNumberMethods* number = Py_TYPE(value)->tp_as_number;
  if (!number || !(number->nb_float || number->nb_index))
    return setting_type_error(name, "a real number", value);
  const double v = PyFloat_AsDouble(value);
  if (v == -1.0 && PyErr_Occurred()) return false;
  return narrow_to_f32(v, name, out);
}

// The setter of a Config attribute; its closure is the attribute's name. Attributes can be
// replaced but never removed.
template <auto Field>
int set(PyObject* self, PyObject* value, void* name) {
  if (!value) PyErr_SetString(PyExc_TypeError, "can't delete attribute");
  return guarded([&] {
    return value && to_setting(static_cast<const char*>(name), value,
                               value_of<Config>(self).*Field)
               ? 0
               : -1;
  });
}

// A read-write attribute of a Config field.
template <auto Field>
PyGetSetDef field(const char* name, const char* doc) {
  return {name, get<Field>, set<Field>, doc, const_cast<char*>(name)};
}

// Years a reference year may name: those of the birth dates the readings know.
constexpr long kFirstReferenceYear = 1900, kLastReferenceYear = 2099;

// None (the clock's year) or an integer year in range; a bool is refused though it is an int.
int set_reference_year(PyObject* self, PyObject* value, void*) {
  if (!value) {
    PyErr_SetString(PyExc_TypeError, "can't delete attribute");
    return -1;
  }
  return guarded([&] {
    std::optional<std::uint16_t>& year = value_of<Config>(self).reference_year;
    if (value == Py_None) {
      year.reset();
      return 0;
    }
    if (PyBool_Check(value) || !PyIndex_Check(value)) {
      PyErr_Format(PyExc_TypeError, "reference_year must be an int or None, not %s",
                   Py_TYPE(value)->tp_name);
      return -1;
    }
    Ref index = Ref::steal(PyNumber_Index(value));
    if (!index) return -1;
    int overflow = 0;
    const long v = PyLong_AsLongAndOverflow(index.get(), &overflow);
    if (v == -1 && PyErr_Occurred()) return -1;
    if (overflow != 0 || v < kFirstReferenceYear || v > kLastReferenceYear) {
      PyErr_Format(PyExc_ValueError, "reference_year must be a year from %ld to %ld, got %R",
                   kFirstReferenceYear, kLastReferenceYear, index.get());
      return -1;
    }
    year = static_cast<std::uint16_t>(v);
    return 0;
  });
}

// The seven weights as (name, value) pairs.
auto weights(const Config& c) {
  return kWeightFields | std::views::transform(
                             [&c](const WeightField& w) { return std::pair(w.name, c.*w.field); });
}

// A weight given and not None. Every conversion is done before any weight is stored, so that
// one that fails changes nothing.
using Weight = std::optional<float>;

void set_weights(Config& c, Weight checksum_passed, Weight checksum_failed, Weight context,
                 Weight absorbed_whitespace, Weight absorbed_separator, Weight expanded_syllable,
                 Weight replaced_char) {
  const std::array given{checksum_passed,    checksum_failed,   context,      absorbed_whitespace,
                         absorbed_separator, expanded_syllable, replaced_char};
  static_assert(given.size() == kWeightFields.size());
  for (std::size_t i = 0; i < given.size(); ++i)
    if (given[i]) c.*kWeightFields[i].field = *given[i];
}

// The fields, the weights, then one attribute for each extension family.
Table<PyGetSetDef> config_attributes(Table<PyGetSetDef> all) {
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (all.add(
         field<kFamilyFields[I].field>(kFamilyFields[I].name.data(), kFamilyFields[I].doc.data())),
     ...);
  }(std::make_index_sequence<kFamilyFields.size()>{});
  return all;
}

Class config_class{
    .init = def<make_config, Config>(
        "Config()\n--\n\n정규화와 탐지를 조정하는 설정. 인자 없이 만들면 권장 기본값을 가진다."),
    .attributes = config_attributes({
        field<&Config::nfc>("nfc", "한글 자모 조합 단계를 실행한다(bool)."),
        field<&Config::fold>("fold", "전각, 대시, 공백 접기 단계를 실행한다(bool)."),
        field<&Config::hangul>("hangul", "한글 수사 읽기 단계를 실행한다(bool)."),
        field<&Config::lookalike>("lookalike",
                                  "숫자 대신 쓴 닮은 글자(I, l, O, o) 교정 단계를 실행한다(bool)."),
        field<&Config::separator>("separator", "숫자 안의 구분 문자 흡수 단계를 실행한다(bool)."),
        field<&Config::context_window>("context_window",
                                       "문맥 단서를 찾는 창의 크기(문자 수, 부호 없는 32비트)."),
        field<&Config::min_score>("min_score",
                                  "이 점수보다 낮은 후보는 탐지 결과로 보고하지 않는다."),
        field<&Config::min_context>("min_context",
                                    "문맥이 필요한 종류가 넘어야 하는 최소 문맥 점수 합."),
        field<&Config::min_veto>("min_veto", "부정 문맥이 후보를 떨어뜨릴 수 있는 최소 점수 합."),
        field<&Config::numeral_min_digits_with_context>(
            "numeral_min_digits_with_context",
            "이웃 문맥이 있을 때 한글 수사를 숫자로 바꾸는 최소 자릿수."),
        field<&Config::numeral_min_digits_without_context>(
            "numeral_min_digits_without_context",
            "이웃 문맥이 없을 때 한글 수사를 숫자로 바꾸는 최소 자릿수."),
        {"reference_year", get<&Config::reference_year>, set_reference_year,
         "확장이 날짜를 견주는 기준 연도(1900~2099 의 int). 이보다 뒤의 날짜는 생년월일이 아니다. "
         "None 이면 호출할 때 시계(UTC)의 연도를 읽는다. 저장해 두고 다시 돌리는 작업은 연도를 "
         "고정해야 어느 해, 어느 기계에서나 같은 결과를 얻는다.",
         nullptr},
        attr<weights>("weights",
                      "점수 가중치 일곱 개의 (이름, 값) 목록(읽기 전용, 바꾸려면 set_weights)."),
    }),
    .methods = {def<set_weights>(
        "set_weights($self, checksum_passed=None, checksum_failed=None, context=None, "
        "absorbed_whitespace=None, absorbed_separator=None, expanded_syllable=None, "
        "replaced_char=None)\n--\n\n"
        "주어진 점수 가중치만 바꾼다. None 인 것은 그대로 둔다. 값을 모두 먼저 변환하므로 "
        "하나라도 변환에 실패하면 아무것도 바뀌지 않는다.")},
    .statics = {def<Config::thorough, Config>(
        "thorough()\n--\n\n"
        "확장을 모두 켜고 가리기에 맞춘 문턱과 가중치를 가진 Config. 기본 설정보다 훨씬 적게 "
        "놓치고 정밀도는 거의 같다. 필요 없는 확장은 속성으로 끌 수 있다.")},
};

Class normalized_class{
    .doc = "정규화 결과: 정규화된 텍스트와 원문으로 되돌아가는 구간 정렬 테이블.",
    .attributes = {attr<&Normalized::text>("text", "정규화된 텍스트."),
                   attr<&Normalized::map>(
                       "map", "원문에서 정규화된 텍스트로 가는 구간 정렬 테이블(새 SpanMap).")},
};

Result<Normalized> normalize_text(std::string_view text, Config config) {
  return without_gil(text.size(), [&] { return normalize(text, config); });
}

}  // namespace

PyMethodDef normalize_function = def<normalize_text>(
    "normalize(text, config=None)\n--\n\n"
    "text 를 정규화한다(자모 조합, 접기, 한글 수사, 닮은 글자, 구분 문자 흡수 순). config 가 None 이면 "
    "기본 설정을 쓴다. 정규화된 텍스트와 원문으로 되돌아가는 구간 정렬 테이블을 담은 Normalized 를 "
    "돌려준다. 좌표가 맞지 않으면 SpanMapError.");

bool add_config_classes(PyObject* module) {
  return add_class<Config>(module, config_class) && add_class<Normalized>(module, normalized_class);
}

}  // namespace norvane::py
