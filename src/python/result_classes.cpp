// ContextHit, Evidence, Finding, Rejection, Report and the detect() and entity_names() functions.
#include <string>

#include "detect/detect.hpp"
#include "python/classes.hpp"
#include "span/float_format.hpp"
#include "span/json_writer.hpp"

namespace norvane::py {

bool to_entity(PyObject* o, const char* param, EntityKind& out) {
  std::string_view name;
  if (!to_text(o, param, name)) return false;
  std::optional<EntityKind> kind = entity_from_name(name);
  if (!kind) {
    std::string message =
        "unknown entity " + debug_quoted(name) + "; expected one of " + entity_names_joined();
    PyErr_SetString(PyExc_ValueError, message.c_str());
    return false;
  }
  out = *kind;
  return true;
}

namespace {

PyObject* f32(float v) { return PyFloat_FromDouble(static_cast<double>(v)); }

std::string range(std::uint32_t start, std::uint32_t end) {
  return std::to_string(start) + ".." + std::to_string(end);
}

// Reports are written without the interpreter lock when large: nothing can change them meanwhile.
template <class T>
PyObject* json_of(const T& value) {
  std::string out;
  if constexpr (std::is_same_v<T, Report>) {
    without_gil(value.normalized_text.size(), [&] { json::write(out, value); });
  } else {
    json::write(out, value);
  }
  return str(out);
}

// A new list holding a fresh object for every element.
template <class T>
PyObject* wrap_list(ModuleState* st, const std::vector<T>& items) {
  Ref list = Ref::steal(PyList_New(static_cast<Py_ssize_t>(items.size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < items.size(); ++i) {
    PyObject* item = wrap(st, items[i]);
    if (!item) return nullptr;
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), item);
  }
  return list.release();
}

// The to_json() method of a class whose value has a JSON writer.
template <class T, const Signature<0>& Sig>
PyObject* to_json_method(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    Arguments<0> a;
    if (!a.parse(Sig, args, nargs, kwnames)) return nullptr;
    return json_of(value_of<T>(self));
  });
}

constexpr Signature<0> kEvidenceToJson{"Evidence.to_json", {}, 0};
constexpr Signature<0> kFindingToJson{"Finding.to_json", {}, 0};
constexpr Signature<0> kRejectionToJson{"Rejection.to_json", {}, 0};
constexpr Signature<0> kReportToJson{"Report.to_json", {}, 0};
constexpr const char* kToJsonDoc = "to_json($self)\n--\n\n간결한 JSON 텍스트를 돌려준다.";

// ----------------------------------------------------------------------------------------------
// ContextHit

PyObject* hit_repr(PyObject* self) {
  return guarded([&]() -> PyObject* {
    const ContextHit& h = value_of<ContextHit>(self);
    return str("ContextHit(cue=" + debug_quoted(h.cue) + ", distance=" + std::to_string(h.distance) +
               ", weight=" + format_f32_fixed(h.weight, 3) + ")");
  });
}

PyGetSetDef hit_getset[] = {
    {"cue", [](PyObject* self, void*) { return str(value_of<ContextHit>(self).cue); }, nullptr, "찾은 단서 낱말.",
     nullptr},
    {"distance", [](PyObject* self, void*) { return PyLong_FromUnsignedLong(value_of<ContextHit>(self).distance); },
     nullptr, "후보의 정규화 구간까지의 거리(문자 수).", nullptr},
    {"weight", [](PyObject* self, void*) { return f32(value_of<ContextHit>(self).weight); }, nullptr,
     "거리에 따라 줄어든 단서 가중치.", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot hit_slots[] = {
    {Py_tp_doc, const_cast<char*>("후보 가까이에서 찾은 문맥 단서 하나.")},
    {Py_tp_repr, reinterpret_cast<void*>(&hit_repr)},
    {Py_tp_getset, hit_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// Evidence

PyObject* evidence_repr(PyObject* self) {
  return guarded([&]() -> PyObject* {
    const Evidence& e = value_of<Evidence>(self);
    return str("Evidence(rule=" + debug_quoted(e.rule) + ", checksum=" + debug_quoted(checksum_name(e.checksum)) +
               ", context_hits=" + std::to_string(e.context_hits.size()) + ")");
  });
}

PyObject* evidence_reason(PyObject* self, void*) {
  const ChecksumResult& c = value_of<Evidence>(self).checksum;
  if (c.kind != ChecksumResult::Kind::not_applicable) Py_RETURN_NONE;
  return str(c.reason);
}

PyMethodDef evidence_methods[] = {
    {"to_json", fastcall(to_json_method<Evidence, kEvidenceToJson>), kMethod, kToJsonDoc},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef evidence_getset[] = {
    {"rule", [](PyObject* self, void*) { return str(value_of<Evidence>(self).rule); }, nullptr,
     "후보 규칙 이름(예: \"card.luhn\").", nullptr},
    {"checksum", [](PyObject* self, void*) { return str(checksum_name(value_of<Evidence>(self).checksum)); },
     nullptr, "검증식 결과: \"passed\", \"failed\", \"not_applicable\".", nullptr},
    {"checksum_reason", evidence_reason, nullptr, "검증식을 적용할 수 없는 까닭. 그 밖의 경우 None.", nullptr},
    {"context_hits",
     [](PyObject* self, void*) { return guarded([&] { return wrap_list(state_of(self), value_of<Evidence>(self).context_hits); }); },
     nullptr, "찾은 문맥 단서(ContextHit) 목록.", nullptr},
    {"normalizations",
     [](PyObject* self, void*) { return guarded([&] { return rule_list(value_of<Evidence>(self).normalizations); }); },
     nullptr, "원문 구간에 닿은 정규화 규칙 이름들(오름차순, 중복 없음).", nullptr},
    {"cost", [](PyObject* self, void*) { return guarded([&] { return wrap(state_of(self), value_of<Evidence>(self).cost); }); },
     nullptr, "원문 구간의 정규화 비용.", nullptr},
    {"snapped", [](PyObject* self, void*) { return boolean(value_of<Evidence>(self).snapped); }, nullptr,
     "원문 구간이 변환 구간 경계까지 넓혀졌으면 참.", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot evidence_slots[] = {
    {Py_tp_doc, const_cast<char*>("후보가 받아들여진 근거: 규칙, 검증식, 문맥 단서, 정규화 내역.")},
    {Py_tp_repr, reinterpret_cast<void*>(&evidence_repr)},
    {Py_tp_methods, evidence_methods},
    {Py_tp_getset, evidence_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// Finding

PyObject* finding_repr(PyObject* self) {
  return guarded([&]() -> PyObject* {
    const Finding& f = value_of<Finding>(self);
    return str("Finding(entity=" + debug_quoted(entity_name(f.entity)) + ", certainty=" +
               debug_quoted(certainty_name(f.certainty)) + ", score=" + format_f32_fixed(f.score, 2) +
               ", byte=" + range(f.source.byte_start, f.source.byte_end) + ")");
  });
}

PyObject* finding_text(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<1> sig{"Finding.text", {"source_text"}, 1};
    Arguments<1> a;
    std::string_view text;
    if (!a.parse(sig, args, nargs, kwnames) || !to_text(a[0], "source_text", text)) return nullptr;
    const Span& span = value_of<Finding>(self).source;
    if (!check_slice(span, text)) return nullptr;
    return str(text.substr(span.byte_start, span.byte_end - span.byte_start));
  });
}

PyMethodDef finding_methods[] = {
    {"text", fastcall(finding_text), kMethod,
     "text($self, source_text)\n--\n\n"
     "원문 source_text 에서 이 탐지 결과의 원문 구간에 해당하는 부분을 돌려준다. 범위를 벗어나거나 UTF-8 "
     "문자 경계를 자르면 ValueError 를 낸다."},
    {"to_json", fastcall(to_json_method<Finding, kFindingToJson>), kMethod, kToJsonDoc},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef finding_getset[] = {
    {"entity", [](PyObject* self, void*) { return str(entity_name(value_of<Finding>(self).entity)); }, nullptr,
     "개인정보 종류 이름(snake_case).", nullptr},
    {"entity_label", [](PyObject* self, void*) { return str(entity_label(value_of<Finding>(self).entity)); },
     nullptr, "개인정보 종류의 한국어 이름.", nullptr},
    {"source", [](PyObject* self, void*) { return guarded([&] { return wrap(state_of(self), value_of<Finding>(self).source); }); },
     nullptr, "원문 구간(가리기는 여기에 적용된다).", nullptr},
    {"normalized",
     [](PyObject* self, void*) { return guarded([&] { return wrap(state_of(self), value_of<Finding>(self).normalized); }); },
     nullptr, "정규화된 텍스트에서의 구간.", nullptr},
    {"certainty", [](PyObject* self, void*) { return str(certainty_name(value_of<Finding>(self).certainty)); },
     nullptr, "확신도: \"possible\", \"probable\", \"certain\".", nullptr},
    {"score", [](PyObject* self, void*) { return f32(value_of<Finding>(self).score); }, nullptr, "연속 점수.",
     nullptr},
    {"evidence",
     [](PyObject* self, void*) { return guarded([&] { return wrap(state_of(self), value_of<Finding>(self).evidence); }); },
     nullptr, "받아들인 근거(Evidence).", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot finding_slots[] = {
    {Py_tp_doc, const_cast<char*>("받아들여진 탐지 결과 하나: 종류, 원문과 정규화 구간, 확신도, 점수, 근거.")},
    {Py_tp_repr, reinterpret_cast<void*>(&finding_repr)},
    {Py_tp_methods, finding_methods},
    {Py_tp_getset, finding_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// Rejection

PyObject* rejection_repr(PyObject* self) {
  return guarded([&]() -> PyObject* {
    const Rejection& r = value_of<Rejection>(self);
    return str("Rejection(entity=" + debug_quoted(entity_name(r.entity)) + ", reason=" +
               debug_quoted(reject_reason_name(r.reason)) + ", score=" + format_f32_fixed(r.score, 2) + ")");
  });
}

PyMethodDef rejection_methods[] = {
    {"to_json", fastcall(to_json_method<Rejection, kRejectionToJson>), kMethod, kToJsonDoc},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef rejection_getset[] = {
    {"entity", [](PyObject* self, void*) { return str(entity_name(value_of<Rejection>(self).entity)); }, nullptr,
     "개인정보 종류 이름(snake_case).", nullptr},
    {"entity_label", [](PyObject* self, void*) { return str(entity_label(value_of<Rejection>(self).entity)); },
     nullptr, "개인정보 종류의 한국어 이름.", nullptr},
    {"source",
     [](PyObject* self, void*) { return guarded([&] { return wrap(state_of(self), value_of<Rejection>(self).source); }); },
     nullptr, "원문 구간.", nullptr},
    {"reason", [](PyObject* self, void*) { return str(reject_reason_name(value_of<Rejection>(self).reason)); },
     nullptr,
     "떨어진 까닭: \"checksum_failed\", \"no_context\", \"below_threshold\", \"outranked\", \"business_context\".",
     nullptr},
    {"score", [](PyObject* self, void*) { return f32(value_of<Rejection>(self).score); }, nullptr, "점수.", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot rejection_slots[] = {
    {Py_tp_doc, const_cast<char*>("모양은 맞았으나 떨어진 후보와 그 까닭.")},
    {Py_tp_repr, reinterpret_cast<void*>(&rejection_repr)},
    {Py_tp_methods, rejection_methods},
    {Py_tp_getset, rejection_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// Report

PyObject* report_repr(PyObject* self) {
  return guarded([&]() -> PyObject* {
    const Report& r = value_of<Report>(self);
    return str("Report(findings=" + std::to_string(r.findings.size()) +
               ", rejections=" + std::to_string(r.rejections.size()) + ")");
  });
}

PyObject* report_len_method(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  static constexpr Signature<0> sig{"Report.len", {}, 0};
  Arguments<0> a;
  if (!a.parse(sig, args, nargs, kwnames)) return nullptr;
  return PyLong_FromSize_t(value_of<Report>(self).findings.size());
}

Py_ssize_t report_len(PyObject* self) { return static_cast<Py_ssize_t>(value_of<Report>(self).findings.size()); }

PyMethodDef report_methods[] = {
    {"len", fastcall(report_len_method), kMethod, "len($self)\n--\n\n탐지 결과의 수."},
    {"to_json", fastcall(to_json_method<Report, kReportToJson>), kMethod, kToJsonDoc},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef report_getset[] = {
    {"findings",
     [](PyObject* self, void*) { return guarded([&] { return wrap_findings(state_of(self), value_of<Report>(self).findings); }); },
     nullptr, "탐지 결과(Finding) 목록, 원문 위치 오름차순.", nullptr},
    {"rejections",
     [](PyObject* self, void*) { return guarded([&] { return wrap_list(state_of(self), value_of<Report>(self).rejections); }); },
     nullptr, "떨어진 후보(Rejection) 목록, 원문 위치 오름차순.", nullptr},
    {"normalized_text", [](PyObject* self, void*) { return str(value_of<Report>(self).normalized_text); }, nullptr,
     "탐지가 읽은 정규화된 텍스트.", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot report_slots[] = {
    {Py_tp_doc, const_cast<char*>("탐지 보고서: 탐지 결과, 떨어진 후보, 정규화된 텍스트.")},
    {Py_tp_repr, reinterpret_cast<void*>(&report_repr)},
    {Py_mp_length, reinterpret_cast<void*>(&report_len)},
    {Py_tp_methods, report_methods},
    {Py_tp_getset, report_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// Functions

PyObject* detect_impl(PyObject* module, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<2> sig{"detect", {"text", "config"}, 1};
    ModuleState* st = state_of_module(module);
    std::string_view text;
    Config config;
    if (!parse_text_and_config(sig, st, args, nargs, kwnames, text, config)) return nullptr;
    Result<Report> report = without_gil(text.size(), [&] { return detect(text, config); });
    if (!report) return raise_core(st, report.error());
    return wrap(st, std::move(*report));
  });
}

PyObject* entity_names_impl(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<0> sig{"entity_names", {}, 0};
    Arguments<0> a;
    if (!a.parse(sig, args, nargs, kwnames)) return nullptr;
    const auto& kinds = all_entities();
    Ref list = Ref::steal(PyList_New(static_cast<Py_ssize_t>(kinds.size())));
    if (!list) return nullptr;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      PyObject* name = str(entity_name(kinds[i]));
      if (!name) return nullptr;
      PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), name);
    }
    return list.release();
  });
}

}  // namespace

PyObject* wrap_findings(ModuleState* st, const std::vector<Finding>& findings) { return wrap_list(st, findings); }

PyMethodDef detect_function = {
    "detect", fastcall(detect_impl), kMethod,
    "detect(text, config=None)\n--\n\n"
    "text 에서 개인정보를 찾는다. config 가 None 이면 기본 설정을 쓴다. 탐지 결과와 떨어진 후보를 원문 "
    "좌표로 담은 Report 를 돌려준다. 좌표가 맞지 않으면 SpanMapError."};

PyMethodDef entity_names_function = {
    "entity_names", fastcall(entity_names_impl), kMethod,
    "entity_names()\n--\n\n개인정보 종류 열 가지의 snake_case 이름을 정해진 순서의 새 목록으로 돌려준다."};

bool add_result_classes(PyObject* module) {
  return add_class<ContextHit>(module, "norvane.ContextHit", hit_slots) &&
         add_class<Evidence>(module, "norvane.Evidence", evidence_slots) &&
         add_class<Finding>(module, "norvane.Finding", finding_slots) &&
         add_class<Rejection>(module, "norvane.Rejection", rejection_slots) &&
         add_class<Report>(module, "norvane.Report", report_slots);
}

}  // namespace norvane::py
