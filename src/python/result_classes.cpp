// ContextHit, Evidence, Finding, Rejection, Report and the detect() and entity_names() functions.
#include <algorithm>
#include <ranges>
#include <string>

#include "detect/detect.hpp"
#include "python/classes.hpp"
#include "span/json_writer.hpp"

namespace norvane::py {

bool from_python(ModuleState*, PyObject* o, const char* param, EntityKind& out) {
  std::string_view name;
  if (!to_text(o, param, name)) return false;
  std::expected<EntityKind, std::string> kind = entity_named(name);
  if (kind) out = *kind;
  else PyErr_SetString(PyExc_ValueError, kind.error().c_str());
  return kind.has_value();
}

namespace {

template <class T>
std::string json_text(const T& value) {
  std::string out;
  json::write(out, value);
  return out;
}

// A report's JSON straight into a str's own buffer, measured first, so that the UTF-8 text is
// never held whole beside the str (a str of Korean text takes two bytes a character; the JSON
// alone is several times the input). Large reports are written without the interpreter lock:
// nothing can change them meanwhile, and the new str is nobody else's yet.
PyObject* report_json(const Report& report) {
  const std::size_t size = report.normalized_text.size();
  std::string whole;
  const utf8::Measure measure =
      without_gil(size, [&] { return json::measure_json(report, whole); });
  if (!whole.empty()) return str(whole);
  Ref text = Ref::steal(PyUnicode_New(static_cast<Py_ssize_t>(measure.chars), measure.widest));
  if (!text) return nullptr;
  void* data = PyUnicode_DATA(text.get());
  const int kind = PyUnicode_KIND(text.get());
  auto decode = [&](auto* units) { return json::decode_json(report, units, measure.chars); };
  const bool fits = without_gil(size, [&] {
    if (kind == PyUnicode_1BYTE_KIND) return decode(static_cast<Py_UCS1*>(data));
    if (kind == PyUnicode_2BYTE_KIND) return decode(static_cast<Py_UCS2*>(data));
    return decode(static_cast<Py_UCS4*>(data));
  });
  if (fits) return text.release();
  PyErr_SetString(PyExc_RuntimeError, "Report.to_json: the JSON changed between its two writings");
  return nullptr;
}

PyObject* report_write_json(const Report& report, PyObject* file) {
  return write_json_file(
      file, [&](std::string& out, const json::Flush& flush) { json::write(out, report, flush); });
}

Class hit_class{
    .doc = "후보 가까이에서 찾은 문맥 단서 하나.",
    .attributes = {attr<&ContextHit::cue>("cue", "찾은 단서 낱말."),
                   attr<&ContextHit::distance>("distance",
                                               "후보의 정규화 구간까지의 거리(문자 수)."),
                   attr<&ContextHit::weight>("weight", "거리에 따라 줄어든 단서 가중치.")},
};

Class evidence_class{
    .doc = "후보가 받아들여진 근거: 규칙, 검증식, 문맥 단서, 정규화 내역.",
    .attributes =
        {attr<&Evidence::rule>("rule", "후보 규칙 이름(예: \"card.luhn\")."),
         attr<&Evidence::checksum, checksum_name>(
             "checksum", "검증식 결과: \"passed\", \"failed\", \"not_applicable\"."),
         attr<&Evidence::checksum, checksum_reason>(
             "checksum_reason", "검증식을 적용할 수 없는 까닭. 그 밖의 경우 None."),
         attr<&Evidence::context_hits>("context_hits", "찾은 문맥 단서(ContextHit) 목록."),
         attr<&Evidence::normalizations>(
             "normalizations", "원문 구간에 닿은 정규화 규칙 이름들(오름차순, 중복 없음)."),
         attr<&Evidence::cost>("cost", "원문 구간의 정규화 비용."),
         attr<&Evidence::snapped>("snapped", "원문 구간이 변환 구간 경계까지 넓혀졌으면 참."),
         attr<&Evidence::extensions>(
             "extensions",
             "이 탐지에 쓰인 확장 규칙 이름들(예: \"context.column_header\"). 기본 규칙만 쓰면 "
             "비어 있다.")},
    .methods = {def<json_text<Evidence>>(kToJsonDoc)},
};

std::expected<std::string_view, std::string> finding_text(const Finding& finding,
                                                          std::string_view source_text) {
  return text_of(finding.source, source_text);
}

Class finding_class{
    .doc = "받아들여진 탐지 결과 하나: 종류, 원문과 정규화 구간, 확신도, 점수, 근거.",
    .attributes = {attr<&Finding::entity, entity_name>("entity", "개인정보 종류 이름(snake_case)."),
                   attr<&Finding::entity, entity_label>("entity_label",
                                                        "개인정보 종류의 한국어 이름."),
                   attr<&Finding::source>("source", "원문 구간(가리기는 여기에 적용된다)."),
                   attr<&Finding::normalized>("normalized", "정규화된 텍스트에서의 구간."),
                   attr<&Finding::certainty, certainty_name>(
                       "certainty", "확신도: \"possible\", \"probable\", \"certain\"."),
                   attr<&Finding::score>("score", "연속 점수."),
                   attr<&Finding::evidence>("evidence", "받아들인 근거(Evidence).")},
    .methods =
        {def<finding_text>(
             "text($self, source_text)\n--\n\n"
             "원문 source_text 에서 이 탐지 결과의 원문 구간에 해당하는 부분을 돌려준다. 범위를 "
             "벗어나거나 UTF-8 문자 경계를 자르면 ValueError 를 낸다."),
         def<json_text<Finding>>(kToJsonDoc)},
};

Class rejection_class{
    .doc = "모양은 맞았으나 떨어진 후보와 그 까닭.",
    .attributes = {attr<&Rejection::entity, entity_name>("entity",
                                                         "개인정보 종류 이름(snake_case)."),
                   attr<&Rejection::entity, entity_label>("entity_label",
                                                          "개인정보 종류의 한국어 이름."),
                   attr<&Rejection::source>("source", "원문 구간."),
                   attr<&Rejection::reason, reject_reason_name>(
                       "reason",
                       "떨어진 까닭: \"checksum_failed\", \"no_context\", \"below_threshold\", "
                       "\"outranked\", \"business_context\"."),
                   attr<&Rejection::score>("score", "점수.")},
    .methods = {def<json_text<Rejection>>(kToJsonDoc)},
};

Class report_class{
    .doc = "탐지 보고서: 탐지 결과, 떨어진 후보, 정규화된 텍스트.",
    .attributes = {attr<&Report::findings>("findings",
                                           "탐지 결과(Finding) 목록, 원문 위치 오름차순."),
                   attr<&Report::rejections>("rejections",
                                             "떨어진 후보(Rejection) 목록, 원문 위치 오름차순."),
                   attr<&Report::normalized_text>("normalized_text",
                                                  "탐지가 읽은 정규화된 텍스트.")},
    .methods = {def<&Report::len>("len($self)\n--\n\n탐지 결과의 수."),
                def<report_json>(kToJsonDoc),
                def<report_write_json>(
                    "write_json($self, file)\n--\n\n"
                    "to_json() 의 JSON 을 UTF-8 바이트로, 통째로 만들지 않고 256 KiB 안팎씩 file 에 "
                    "쓰고 쓴 바이트 수를 돌려준다. file 은 바이너리 파일 객체(write 가 bytes 를 받아 "
                    "받은 바이트 수를 돌려주는 객체; 덜 받으면 나머지를 이어 쓴다)이거나 경로(str, "
                    "bytes, os.PathLike: 열어 쓰고 닫는다)다. 텍스트 파일이나 다른 값은 TypeError. "
                    "write 의 예외는 그대로 전해지고, 그때까지 쓴 내용은 파일에 남는다.")},
};

Result<Report> detect_text(std::string_view text, Config config) {
  return without_gil(text.size(), [&] { return detect(text, config); });
}

auto entity_name_list() { return all_entities() | std::views::transform(entity_name); }

}  // namespace

PyMethodDef detect_function = def<detect_text>(
    "detect(text, config=None)\n--\n\n"
    "text 에서 개인정보를 찾는다. config 가 None 이면 기본 설정을 쓴다. 탐지 결과와 떨어진 후보를 원문 "
    "좌표로 담은 Report 를 돌려준다. 좌표가 맞지 않으면 SpanMapError.");

PyMethodDef entity_names_function = def<entity_name_list>(
    "entity_names()\n--\n\n개인정보 종류 열 가지의 snake_case 이름을 정해진 순서의 새 목록으로 돌려준다.");

bool add_result_classes(PyObject* module) {
  return add_class<ContextHit>(module, hit_class) && add_class<Evidence>(module, evidence_class) &&
         add_class<Finding>(module, finding_class) &&
         add_class<Rejection>(module, rejection_class) && add_class<Report>(module, report_class);
}

}  // namespace norvane::py
