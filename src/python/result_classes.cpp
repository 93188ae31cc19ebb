// ContextHit, Evidence, Finding, Rejection, Report and the detect() and entity_names() functions.
#include <algorithm>
#include <ranges>
#include <string>

#include "detect/detect.hpp"
#include "python/classes.hpp"
#include "span/float_format.hpp"
#include "span/json_writer.hpp"
#include "span/utf8.hpp"

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

template <class T>
std::string json_text(const T& value) {
  std::string out;
  json::write(out, value);
  return out;
}

// The characters of pieces of UTF-8 and the widest of them, as str storage needs them: ASCII,
// Latin-1, two bytes or four. The library writes only valid UTF-8.
struct Utf8Measure {
  std::size_t chars = 0;
  Py_UCS4 widest = 0;

  void add(std::string_view s) {
    chars += utf8::count_chars(s);
    unsigned char top = 0;
    for (const char ch : s) top = std::max(top, static_cast<unsigned char>(ch));
    // The largest lead byte bounds the code points exactly enough to choose the storage.
    const Py_UCS4 w = top < 0x80 ? 0x7F : top < 0xC4 ? 0xFF : top < 0xF0 ? 0xFFFF : 0x10FFFF;
    widest = std::max(widest, w);
  }
};

// Where the last whole character of a piece of UTF-8 ends: pieces may end inside a character.
std::size_t whole_characters(std::string_view s) {
  std::size_t lead = s.size();
  while (lead > 0 && utf8::is_continuation(static_cast<unsigned char>(s[lead - 1]))) --lead;
  if (lead == 0) return s.size();
  --lead;
  return s.size() - lead >= utf8::seq_len(static_cast<unsigned char>(s[lead])) ? s.size() : lead;
}

// Decodes pieces of UTF-8, each made of whole characters, into a str's buffer of code units.
template <class Unit>
struct Utf8Fill {
  Unit* at;
  Unit* end;

  bool add(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
      if (at == end || i + utf8::seq_len(static_cast<unsigned char>(s[i])) > s.size()) return false;
      *at++ = static_cast<Unit>(utf8::decode(s, i));
    }
    return true;
  }
};

// A report's JSON straight into a str: written once to measure it, then again into the str's
// own buffer a piece at a time, so the UTF-8 text is never held whole beside the str (a str of
// Korean text takes two bytes a character; the JSON alone is several times the input). Large
// reports are written without the interpreter lock: nothing can change them meanwhile, and the
// new str is nobody else's yet. A JSON that never fills a piece is decoded from that piece:
// one writing, and the copy costs at most a piece.
PyObject* report_json(const Report& report) {
  const std::size_t size = report.normalized_text.size();
  Utf8Measure measure;
  bool one_piece = true;
  std::string piece;
  without_gil(size, [&] {
    json::write(piece, report, [&](std::string& p) {
      one_piece = false;
      measure.add(p);
      p.clear();
    });
  });
  if (one_piece) return str(piece);
  measure.add(piece);
  piece = std::string();
  Ref text = Ref::steal(PyUnicode_New(static_cast<Py_ssize_t>(measure.chars), measure.widest));
  if (!text) return nullptr;
  auto fill = [&]<class Unit>(Unit* units) {
    Utf8Fill<Unit> into{units, units + measure.chars};
    bool fits = true;
    without_gil(size, [&] {
      json::write(piece, report, [&](std::string& p) {
        const std::size_t whole = whole_characters(p);
        fits = fits && into.add(std::string_view(p).substr(0, whole));
        p.erase(0, whole);
      });
      fits = fits && into.add(piece) && into.at == into.end;
    });
    return fits;
  };
  void* data = PyUnicode_DATA(text.get());
  const int kind = PyUnicode_KIND(text.get());
  const bool fits = kind == PyUnicode_1BYTE_KIND   ? fill(static_cast<Py_UCS1*>(data))
                    : kind == PyUnicode_2BYTE_KIND ? fill(static_cast<Py_UCS2*>(data))
                                                   : fill(static_cast<Py_UCS4*>(data));
  if (!fits) {
    PyErr_SetString(PyExc_RuntimeError,
                    "Report.to_json: the JSON changed between its two writings");
    return nullptr;
  }
  return text.release();
}

// ----------------------------------------------------------------------------------------------
// ContextHit

std::string hit_repr(const ContextHit& h) {
  return "ContextHit(cue=" + debug_quoted(h.cue) + ", distance=" + std::to_string(h.distance) +
         ", weight=" + format_f32_fixed(h.weight, 3) + ")";
}

Class hit_class{
    .name = "ContextHit",
    .doc = "후보 가까이에서 찾은 문맥 단서 하나.",
    .attributes = {attr<&ContextHit::cue>("cue", "찾은 단서 낱말."),
                   attr<&ContextHit::distance>("distance",
                                               "후보의 정규화 구간까지의 거리(문자 수)."),
                   attr<&ContextHit::weight>("weight", "거리에 따라 줄어든 단서 가중치.")},
    .repr = repr<hit_repr>,
};

// ----------------------------------------------------------------------------------------------
// Evidence

std::string evidence_repr(const Evidence& e) {
  return "Evidence(rule=" + debug_quoted(e.rule) +
         ", checksum=" + debug_quoted(checksum_name(e.checksum)) +
         ", context_hits=" + std::to_string(e.context_hits.size()) + ")";
}

std::optional<std::string_view> checksum_reason(const ChecksumResult& c) {
  if (c.kind != ChecksumResult::Kind::not_applicable) return std::nullopt;
  return c.reason;
}

Class evidence_class{
    .name = "Evidence",
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
    .repr = repr<evidence_repr>,
};

// ----------------------------------------------------------------------------------------------
// Finding

std::string finding_repr(const Finding& f) {
  return "Finding(entity=" + debug_quoted(entity_name(f.entity)) +
         ", certainty=" + debug_quoted(certainty_name(f.certainty)) +
         ", score=" + format_f32_fixed(f.score, 2) +
         ", byte=" + range(f.source.byte_start, f.source.byte_end) + ")";
}

Checked<std::string_view> finding_text(const Finding& finding, std::string_view source_text) {
  return slice(finding.source, source_text);
}

Class finding_class{
    .name = "Finding",
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
    .repr = repr<finding_repr>,
};

// ----------------------------------------------------------------------------------------------
// Rejection

std::string rejection_repr(const Rejection& r) {
  return "Rejection(entity=" + debug_quoted(entity_name(r.entity)) +
         ", reason=" + debug_quoted(reject_reason_name(r.reason)) +
         ", score=" + format_f32_fixed(r.score, 2) + ")";
}

Class rejection_class{
    .name = "Rejection",
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
    .repr = repr<rejection_repr>,
};

// ----------------------------------------------------------------------------------------------
// Report

std::string report_repr(const Report& r) {
  return "Report(findings=" + std::to_string(r.findings.size()) +
         ", rejections=" + std::to_string(r.rejections.size()) + ")";
}

std::size_t finding_count(const Report& r) { return r.findings.size(); }

Class report_class{
    .name = "Report",
    .doc = "탐지 보고서: 탐지 결과, 떨어진 후보, 정규화된 텍스트.",
    .attributes = {attr<&Report::findings>("findings",
                                           "탐지 결과(Finding) 목록, 원문 위치 오름차순."),
                   attr<&Report::rejections>("rejections",
                                             "떨어진 후보(Rejection) 목록, 원문 위치 오름차순."),
                   attr<&Report::normalized_text>("normalized_text",
                                                  "탐지가 읽은 정규화된 텍스트.")},
    .methods = {def<finding_count>("len($self)\n--\n\n탐지 결과의 수."),
                def<report_json>(kToJsonDoc)},
    .repr = repr<report_repr>,
    .len = length<finding_count>,
};

// ----------------------------------------------------------------------------------------------
// Functions

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
