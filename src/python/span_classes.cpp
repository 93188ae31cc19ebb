// Span, NormalizationCost, Segment, SourceSpan, SpanMap and SpanMapBuilder.
#include <string>

#include "python/classes.hpp"
#include "span/json_writer.hpp"

namespace norvane::py {

namespace {

Span make_span(std::uint32_t byte_start, std::uint32_t byte_end, std::uint32_t char_start,
               std::uint32_t char_end) {
  return Span{byte_start, byte_end, char_start, char_end};
}

Class span_class{
    .init = def<make_span, Span>("Span(byte_start, byte_end, char_start, char_end)\n--\n\n"
                                 "UTF-8 바이트 좌표와 문자 좌표를 함께 지닌 반열린 텍스트 구간."),
    .attributes = {attr<&Span::byte_start>("byte_start", "UTF-8 바이트 시작 위치."),
                   attr<&Span::byte_end>("byte_end", "UTF-8 바이트 끝 위치(포함하지 않음)."),
                   attr<&Span::char_start>("char_start", "문자(유니코드 스칼라 값) 시작 위치."),
                   attr<&Span::char_end>("char_end", "문자 끝 위치(포함하지 않음)."),
                   attr<&Span::byte_len>("byte_len", "바이트 길이. 끝이 시작보다 앞이면 0."),
                   attr<&Span::char_len>("char_len", "문자 길이. 끝이 시작보다 앞이면 0.")},
    .methods = {def<&Span::is_empty>("is_empty($self)\n--\n\n"
                                     "바이트 시작이 바이트 끝보다 작지 않으면 참이다."),
                def<text_of>(
                    "slice($self, text)\n--\n\n"
                    "text 에서 이 구간의 바이트 범위에 해당하는 부분 문자열을 돌려준다. 범위를 "
                    "벗어나거나 UTF-8 문자 경계를 자르면 ValueError 를 낸다.")},
    .statics = {def<span_of_chars, Span>(
        "from_char_range(text, char_start, char_end)\n--\n\n"
        "text 의 문자 위치 char_start..char_end 에 해당하는 바이트 좌표를 계산해 구간을 "
        "만든다.")},
    .hash = PyObject_HashNotImplemented,
};

using Cost = NormalizationCost;

Class cost_class{
    .doc = "정규화가 한 일을 세는 네 계수(각각 65535 에서 포화).",
    .attributes = {attr<&Cost::absorbed_whitespace>("absorbed_whitespace", "흡수된 공백 문자 수."),
                   attr<&Cost::absorbed_separators>("absorbed_separators", "흡수된 구분 문자 수."),
                   attr<&Cost::expanded_syllables>("expanded_syllables",
                                                   "숫자로 읽힌 한글 음절 수."),
                   attr<&Cost::replaced_chars>("replaced_chars",
                                               "치환된(접힘, 조합, 교정) 문자 수.")},
    .methods = {def<&Cost::is_zero>("is_zero($self)\n--\n\n네 계수가 모두 0 이면 참이다.")},
};

Class segment_class{
    .doc = "원문의 한 조각이 출력의 한 조각이 된 방식을 기록한 구간.",
    .attributes =
        {attr<&Segment::src>("src", "원문 쪽 구간."), attr<&Segment::dst>("dst", "출력 쪽 구간."),
         attr<&Segment::kind, segment_kind_name>(
             "kind",
             "구간 종류: \"identity\", \"replace\", \"delete\", \"expand\". 원문 없이 출력만 있는 "
             "삽입 구간은 만들지 않는다."),
         attr<&Segment::rules>("rules", "이 구간을 만든 규칙 이름들(정렬됨, identity 는 빈 목록)."),
         attr<&Segment::cost>("cost", "이 구간의 정규화 비용.")},
};

Class source_span_class{
    .doc = "정규화된 구간이 원문의 어디에서 왔는지에 대한 답.",
    .attributes =
        {attr<&SourceSpan::span>("span", "원문 쪽 구간."),
         attr<&SourceSpan::span, &Span::byte_start>("byte_start", "원문 바이트 시작 위치."),
         attr<&SourceSpan::span, &Span::byte_end>("byte_end", "원문 바이트 끝 위치."),
         attr<&SourceSpan::span, &Span::char_start>("char_start", "원문 문자 시작 위치."),
         attr<&SourceSpan::span, &Span::char_end>("char_end", "원문 문자 끝 위치."),
         attr<&SourceSpan::snapped>("snapped", "질의의 끝이 변환 구간의 끝까지 넓혀졌으면 참."),
         attr<&SourceSpan::rules>("rules", "구간 아래에 놓인 변환의 규칙 이름들(정렬, 중복 없음)."),
         attr<&SourceSpan::cost>("cost", "그 변환들의 비용 합(포화).")},
    .methods = {def<json::to_json<SourceSpan>>(kToJsonDoc)},
};

Result<SpanMap> compose_maps(const SpanMap* inner, const SpanMap* outer) {
  return SpanMap::compose(*inner, *outer);
}

// The query alone (SpanMap::to_source also has a form that resumes from a cursor).
SourceSpan to_source(const SpanMap& map, const Span& dst) { return map.to_source(dst); }

Class map_class{
    .doc = "원문과 정규화된 텍스트 사이의 구간 정렬 테이블.",
    .attributes = {attr<&SpanMap::segments>("segments", "구간 목록(새 목록)."),
                   attr<&SpanMap::src_end>(
                       "src_end",
                       "마지막 구간의 원문 쪽 (바이트 끝, 문자 끝). 구간이 없으면 (0, 0)."),
                   attr<&SpanMap::dst_end>(
                       "dst_end",
                       "마지막 구간의 출력 쪽 (바이트 끝, 문자 끝). 구간이 없으면 (0, 0).")},
    .methods = {def<to_source>("to_source($self, dst)\n--\n\n"
                               "출력 텍스트의 구간 dst 를 원문 구간(SourceSpan)으로 되돌린다."),
                def<source_of_chars>(
                    "to_source_from_chars($self, normalized, char_start, char_end)\n--\n\n"
                    "정규화된 텍스트의 문자 위치로 구간을 만들어 원문으로 되돌린다."),
                def<&SpanMap::validate>("validate($self)\n--\n\n"
                                        "불변식을 검사한다. 깨졌으면 SpanMapError 를 낸다."),
                def<&SpanMap::is_identity>("is_identity($self)\n--\n\n"
                                           "모든 구간이 항등 구간이면 참(빈 테이블도 참)."),
                def<&SpanMap::len>("len($self)\n--\n\n구간의 수."),
                def<json::to_json<SpanMap>>(kToJsonDoc)},
    .statics = {def<static_cast<SpanMap (*)(std::string_view)>(SpanMap::identity), SpanMap>(
                    "identity(text)\n--\n\n"
                    "text 를 그대로 통과시키는 항등 정렬 테이블(빈 텍스트면 구간 없음)."),
                def<compose_maps, SpanMap>(
                    "compose(inner, outer)\n--\n\n"
                    "A→B 테이블 inner 와 B→C 테이블 outer 를 A→C 테이블 하나로 잇는다. 좌표가 맞지 "
                    "않으면 SpanMapError.")},
};

BuilderBox make_builder(std::optional<std::string_view> text) {
  return BuilderBox{SpanMapBuilder(text ? text->size() : 0)};
}

// Refuses an operation on a consumed builder, or one that would pass 32-bit offsets.
bool builder_usable(BuilderBox& box, std::string_view src, std::string_view dst) {
  if (box.consumed) {
    PyErr_SetString(PyExc_RuntimeError, "this builder was already consumed by finish()");
    return false;
  }
  return src.empty() || (check_text_size(box.builder.src_bytes() + src.size(), "src_text") &&
                         check_text_size(box.builder.dst_bytes() + dst.size(), "dst_text"));
}

Checked<void> keep(BuilderBox& box, std::string_view text) {
  if (!builder_usable(box, text, text)) return raised;
  box.builder.keep(text);
  return {};
}

// replace() and numeral() share their arguments.
template <void (SpanMapBuilder::*Operation)(std::string_view, std::string_view, RuleName)>
Checked<void> transform(BuilderBox& box, std::string_view src, std::string_view dst,
                        std::string_view rule) {
  RuleName interned = intern_rule(rule);
  if (!builder_usable(box, src, dst)) return raised;
  (box.builder.*Operation)(src, dst, interned);
  return {};
}

Checked<void> absorb(BuilderBox& box, std::string_view src, std::string_view rule,
                     std::string_view cls) {
  RuleName interned = intern_rule(rule);
  std::expected<AbsorbClass, std::string> absorb_class = absorb_class_named(cls);
  if (!absorb_class) PyErr_SetString(PyExc_ValueError, absorb_class.error().c_str());
  if (!absorb_class || !builder_usable(box, src, {})) return raised;
  box.builder.absorb(src, interned, *absorb_class);
  return {};
}

Checked<std::pair<std::string, SpanMap>> finish(BuilderBox& box) {
  if (!builder_usable(box, {}, {})) return raised;
  box.consumed = true;
  SpanMapBuilder::Output out = box.builder.finish();
  return std::pair(std::move(out.text), std::move(out.map));
}

Class builder_class{
    .init = def<make_builder, BuilderBox>(
        "SpanMapBuilder(text=None)\n--\n\n"
        "출력 텍스트와 구간 정렬 테이블을 함께 쌓는 빌더. text 는 출력 버퍼의 크기만 정한다."),
    .methods =
        {def<keep>("keep($self, text)\n--\n\ntext 를 그대로 통과시킨다."),
         def<transform<&SpanMapBuilder::replace>>(
             "replace($self, src_text, dst_text, rule)\n--\n\n"
             "src_text 를 dst_text 로 바꾼다. 원문 문자 수만큼 replaced_chars 비용을 매긴다."),
         def<transform<&SpanMapBuilder::numeral>>(
             "numeral($self, src_text, dst_text, rule)\n--\n\n"
             "한글 수사 src_text 를 숫자 dst_text 로 읽는다. 원문 문자 수만큼 expanded_syllables "
             "비용을 매긴다."),
         def<absorb>("absorb($self, src_text, rule, class_='separator')\n--\n\n"
                     "src_text 를 출력 없이 흡수한다. class_ 는 'whitespace', 'separator', "
                     "'other' 중 하나."),
         def<finish>("finish($self)\n--\n\n"
                     "(출력 텍스트, SpanMap) 을 돌려주고 빌더를 소모한다. 테이블은 검증하지 "
                     "않는다.")},
};

}  // namespace

bool add_span_classes(PyObject* module) {
  return add_class<Span>(module, span_class) && add_class<NormalizationCost>(module, cost_class) &&
         add_class<Segment>(module, segment_class) &&
         add_class<SourceSpan>(module, source_span_class) &&
         add_class<SpanMap>(module, map_class) && add_class<BuilderBox>(module, builder_class);
}

}  // namespace norvane::py
