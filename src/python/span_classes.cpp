// Span, NormalizationCost, Segment, SourceSpan, SpanMap and SpanMapBuilder.
#include <string>

#include "python/classes.hpp"
#include "span/float_format.hpp"
#include "span/json_writer.hpp"
#include "span/utf8.hpp"

namespace norvane::py {

namespace {

std::string range(std::uint32_t start, std::uint32_t end) {
  return std::to_string(start) + ".." + std::to_string(end);
}

// ----------------------------------------------------------------------------------------------
// Span

PyObject* span_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<4> sig{
        "Span", {"byte_start", "byte_end", "char_start", "char_end"}, 4};
    ModuleState* st = state_of(reinterpret_cast<PyObject*>(type));
    Arguments<4> a;
    Span s;
    if (!a.parse(sig, args, kwargs) ||
        !convert_all(st, sig, a, s.byte_start, s.byte_end, s.char_start, s.char_end))
      return nullptr;
    return wrap(st, s);
  });
}

std::string span_repr(const Span& s) {
  return "Span(byte=" + range(s.byte_start, s.byte_end) +
         ", char=" + range(s.char_start, s.char_end) + ")";
}

PyObject* span_richcompare(PyObject* self, PyObject* other, int op) {
  ModuleState* st = state_of(self);
  const Span* rhs = st ? unwrap<Span>(st, other) : nullptr;
  if (!rhs || (op != Py_EQ && op != Py_NE)) Py_RETURN_NOTIMPLEMENTED;
  bool equal = value_of<Span>(self) == *rhs;
  return boolean(op == Py_EQ ? equal : !equal);
}

}  // namespace

// Checks that span selects whole characters of text; raises ValueError otherwise.
bool check_slice(const Span& span, std::string_view text) {
  if (span.byte_end > text.size() || span.byte_start > span.byte_end) {
    PyErr_Format(PyExc_ValueError, "span %s is out of range for text of %zu bytes",
                 range(span.byte_start, span.byte_end).c_str(), text.size());
    return false;
  }
  if (!utf8::is_boundary(text, span.byte_start) || !utf8::is_boundary(text, span.byte_end)) {
    PyErr_Format(PyExc_ValueError, "span %s does not fall on UTF-8 character boundaries",
                 range(span.byte_start, span.byte_end).c_str());
    return false;
  }
  return true;
}

namespace {

PyObject* span_slice(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    std::string_view text;
    if (!parse(nullptr, "Span.slice", {"text"}, 1, args, nargs, kwnames, text)) return nullptr;
    const Span& span = value_of<Span>(self);
    if (!check_slice(span, text)) return nullptr;
    return str(text.substr(span.byte_start, span.byte_end - span.byte_start));
  });
}

// The span of characters [char_start, char_end) of text, or a ValueError.
bool span_from_chars(std::string_view text, std::uint64_t char_start, std::uint64_t char_end,
                     Span& out) {
  if (char_end < char_start) {
    PyErr_Format(PyExc_ValueError, "char_start %llu must not exceed char_end %llu",
                 static_cast<unsigned long long>(char_start),
                 static_cast<unsigned long long>(char_end));
    return false;
  }
  // One walk finds both byte offsets and the character count.
  std::uint64_t chars = 0;
  std::size_t byte_start = text.size(), byte_end = text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (utf8::is_continuation(static_cast<unsigned char>(text[i]))) continue;
    if (chars == char_start) byte_start = i;
    if (chars == char_end) byte_end = i;
    ++chars;
  }
  if (char_end > chars) {
    PyErr_Format(PyExc_ValueError, "char_end %llu is out of range; text has %llu characters",
                 static_cast<unsigned long long>(char_end), static_cast<unsigned long long>(chars));
    return false;
  }
  out = Span{static_cast<std::uint32_t>(byte_start), static_cast<std::uint32_t>(byte_end),
             static_cast<std::uint32_t>(char_start), static_cast<std::uint32_t>(char_end)};
  return true;
}

// The arguments (text, char_start, char_end) as the span of those characters of the text.
bool parse_char_range(const char* function, const char* text_param, PyObject* const* args,
                      Py_ssize_t nargs, PyObject* kwnames, Span& out) {
  std::string_view text;
  std::uint64_t start = 0, end = 0;
  return parse(nullptr, function, {text_param, "char_start", "char_end"}, 3, args, nargs, kwnames,
               text, start, end) &&
         span_from_chars(text, start, end, out);
}

PyObject* span_from_char_range(PyObject* type, PyObject* const* args, Py_ssize_t nargs,
                               PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    Span span;
    if (!parse_char_range("Span.from_char_range", "text", args, nargs, kwnames, span))
      return nullptr;
    return wrap(state_of(type), span);
  });
}

PyMethodDef span_methods[] = {
    {"is_empty", fastcall(nullary<"Span.is_empty", Span, &Span::is_empty>), kMethod,
     "is_empty($self)\n--\n\n바이트 시작이 바이트 끝보다 작지 않으면 참이다."},
    {"slice", fastcall(span_slice), kMethod,
     "slice($self, text)\n--\n\n"
     "text 에서 이 구간의 바이트 범위에 해당하는 부분 문자열을 돌려준다. 범위를 벗어나거나 UTF-8 문자 "
     "경계를 자르면 ValueError 를 낸다."},
    {nullptr, nullptr, 0, nullptr},
};

PyMethodDef span_static_methods[] = {
    {"from_char_range", fastcall(span_from_char_range), kMethod,
     "from_char_range(text, char_start, char_end)\n--\n\n"
     "text 의 문자 위치 char_start..char_end 에 해당하는 바이트 좌표를 계산해 구간을 만든다."},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef span_getset[] = {
    {"byte_start", get<Span, &Span::byte_start>, nullptr, "UTF-8 바이트 시작 위치.", nullptr},
    {"byte_end", get<Span, &Span::byte_end>, nullptr, "UTF-8 바이트 끝 위치(포함하지 않음).",
     nullptr},
    {"char_start", get<Span, &Span::char_start>, nullptr, "문자(유니코드 스칼라 값) 시작 위치.",
     nullptr},
    {"char_end", get<Span, &Span::char_end>, nullptr, "문자 끝 위치(포함하지 않음).", nullptr},
    {"byte_len", get<Span, &Span::byte_len>, nullptr, "바이트 길이. 끝이 시작보다 앞이면 0.",
     nullptr},
    {"char_len", get<Span, &Span::char_len>, nullptr, "문자 길이. 끝이 시작보다 앞이면 0.",
     nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot span_slots[] = {
    {Py_tp_doc, const_cast<char*>("Span(byte_start, byte_end, char_start, char_end)\n--\n\n"
                                  "UTF-8 바이트 좌표와 문자 좌표를 함께 지닌 반열린 텍스트 구간.")},
    {Py_tp_new, reinterpret_cast<void*>(&span_new)},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<Span, span_repr>)},
    {Py_tp_richcompare, reinterpret_cast<void*>(&span_richcompare)},
    {Py_tp_hash, reinterpret_cast<void*>(&PyObject_HashNotImplemented)},
    {Py_tp_methods, span_methods},
    {Py_tp_getset, span_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// NormalizationCost

using Cost = NormalizationCost;

std::string cost_repr(const NormalizationCost& c) {
  return "NormalizationCost(absorbed_whitespace=" + std::to_string(c.absorbed_whitespace) +
         ", absorbed_separators=" + std::to_string(c.absorbed_separators) +
         ", expanded_syllables=" + std::to_string(c.expanded_syllables) +
         ", replaced_chars=" + std::to_string(c.replaced_chars) + ")";
}

PyMethodDef cost_methods[] = {
    {"is_zero", fastcall(nullary<"NormalizationCost.is_zero", Cost, &Cost::is_zero>), kMethod,
     "is_zero($self)\n--\n\n네 계수가 모두 0 이면 참이다."},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef cost_getset[] = {
    {"absorbed_whitespace", get<Cost, &Cost::absorbed_whitespace>, nullptr, "흡수된 공백 문자 수.",
     nullptr},
    {"absorbed_separators", get<Cost, &Cost::absorbed_separators>, nullptr, "흡수된 구분 문자 수.",
     nullptr},
    {"expanded_syllables", get<Cost, &Cost::expanded_syllables>, nullptr,
     "숫자로 읽힌 한글 음절 수.", nullptr},
    {"replaced_chars", get<Cost, &Cost::replaced_chars>, nullptr,
     "치환된(접힘, 조합, 교정) 문자 수.", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot cost_slots[] = {
    {Py_tp_doc, const_cast<char*>("정규화가 한 일을 세는 네 계수(각각 65535 에서 포화).")},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<NormalizationCost, cost_repr>)},
    {Py_tp_methods, cost_methods},
    {Py_tp_getset, cost_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// Segment

std::string segment_repr(const Segment& s) {
  return "Segment(kind=" + debug_quoted(segment_kind_name(s.kind)) +
         ", src=" + range(s.src.byte_start, s.src.byte_end) +
         ", dst=" + range(s.dst.byte_start, s.dst.byte_end) + ")";
}

PyGetSetDef segment_getset[] = {
    {"src", get<Segment, &Segment::src>, nullptr, "원문 쪽 구간.", nullptr},
    {"dst", get<Segment, &Segment::dst>, nullptr, "출력 쪽 구간.", nullptr},
    {"kind", get<Segment, &Segment::kind, segment_kind_name>, nullptr,
     "구간 종류: \"identity\", \"replace\", \"delete\", \"expand\". 원문 없이 출력만 있는 삽입 구간은 만들지 "
     "않는다.",
     nullptr},
    {"rules", get<Segment, &Segment::rules>, nullptr,
     "이 구간을 만든 규칙 이름들(정렬됨, identity 는 빈 목록).", nullptr},
    {"cost", get<Segment, &Segment::cost>, nullptr, "이 구간의 정규화 비용.", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot segment_slots[] = {
    {Py_tp_doc, const_cast<char*>("원문의 한 조각이 출력의 한 조각이 된 방식을 기록한 구간.")},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<Segment, segment_repr>)},
    {Py_tp_getset, segment_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// SourceSpan

std::string rules_repr(const RuleList& rules) {
  std::string out = "[";
  for (std::size_t i = 0; i < rules.size(); ++i) {
    if (i) out += ", ";
    out += debug_quoted(rules[i]);
  }
  return out + "]";
}

std::string source_span_repr(const SourceSpan& s) {
  return "SourceSpan(byte=" + range(s.span.byte_start, s.span.byte_end) +
         ", char=" + range(s.span.char_start, s.span.char_end) +
         ", snapped=" + (s.snapped ? "true" : "false") + ", rules=" + rules_repr(s.rules) + ")";
}

PyMethodDef source_span_methods[] = {
    {"to_json", fastcall(nullary<"SourceSpan.to_json", SourceSpan, json::to_json<SourceSpan>>),
     kMethod, kToJsonDoc},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef source_span_getset[] = {
    {"span", get<SourceSpan, &SourceSpan::span>, nullptr, "원문 쪽 구간.", nullptr},
    {"byte_start", get<SourceSpan, &SourceSpan::span, &Span::byte_start>, nullptr,
     "원문 바이트 시작 위치.", nullptr},
    {"byte_end", get<SourceSpan, &SourceSpan::span, &Span::byte_end>, nullptr,
     "원문 바이트 끝 위치.", nullptr},
    {"char_start", get<SourceSpan, &SourceSpan::span, &Span::char_start>, nullptr,
     "원문 문자 시작 위치.", nullptr},
    {"char_end", get<SourceSpan, &SourceSpan::span, &Span::char_end>, nullptr, "원문 문자 끝 위치.",
     nullptr},
    {"snapped", get<SourceSpan, &SourceSpan::snapped>, nullptr,
     "질의의 끝이 변환 구간의 끝까지 넓혀졌으면 참.", nullptr},
    {"rules", get<SourceSpan, &SourceSpan::rules>, nullptr,
     "구간 아래에 놓인 변환의 규칙 이름들(정렬, 중복 없음).", nullptr},
    {"cost", get<SourceSpan, &SourceSpan::cost>, nullptr, "그 변환들의 비용 합(포화).", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot source_span_slots[] = {
    {Py_tp_doc, const_cast<char*>("정규화된 구간이 원문의 어디에서 왔는지에 대한 답.")},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<SourceSpan, source_span_repr>)},
    {Py_tp_methods, source_span_methods},
    {Py_tp_getset, source_span_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// SpanMap

PyObject* map_identity(PyObject* type, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    std::string_view text;
    if (!parse(nullptr, "SpanMap.identity", {"text"}, 1, args, nargs, kwnames, text))
      return nullptr;
    return wrap(state_of(type), SpanMap::identity(text));
  });
}

PyObject* map_compose(PyObject* type, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    ModuleState* st = state_of(type);
    const SpanMap *inner, *outer;
    if (!parse(st, "SpanMap.compose", {"inner", "outer"}, 2, args, nargs, kwnames, inner, outer))
      return nullptr;
    Result<SpanMap> composed = SpanMap::compose(*inner, *outer);
    if (!composed) return raise_core(st, composed.error());
    return wrap(st, std::move(*composed));
  });
}

PyObject* map_to_source(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                        PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    ModuleState* st = state_of(self);
    const Span* dst;
    if (!parse(st, "SpanMap.to_source", {"dst"}, 1, args, nargs, kwnames, dst)) return nullptr;
    return wrap(st, value_of<SpanMap>(self).to_source(*dst));
  });
}

PyObject* map_to_source_from_chars(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                                   PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    Span span;
    if (!parse_char_range("SpanMap.to_source_from_chars", "normalized", args, nargs, kwnames, span))
      return nullptr;
    return wrap(state_of(self), value_of<SpanMap>(self).to_source(span));
  });
}

PyObject* map_validate(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  if (!no_arguments("SpanMap.validate", args, nargs, kwnames)) return nullptr;
  Result<void> valid = value_of<SpanMap>(self).validate();
  if (!valid) return raise_core(state_of(self), valid.error());
  Py_RETURN_NONE;
}

Py_ssize_t map_len(PyObject* self) {
  return static_cast<Py_ssize_t>(value_of<SpanMap>(self).len());
}

std::string map_repr(const SpanMap& m) {
  return "SpanMap(segments=" + std::to_string(m.len()) +
         ", src_bytes=" + std::to_string(m.src_end().first) +
         ", dst_bytes=" + std::to_string(m.dst_end().first) + ")";
}

PyMethodDef map_methods[] = {
    {"to_source", fastcall(map_to_source), kMethod,
     "to_source($self, dst)\n--\n\n출력 텍스트의 구간 dst 를 원문 구간(SourceSpan)으로 되돌린다."},
    {"to_source_from_chars", fastcall(map_to_source_from_chars), kMethod,
     "to_source_from_chars($self, normalized, char_start, char_end)\n--\n\n"
     "정규화된 텍스트의 문자 위치로 구간을 만들어 원문으로 되돌린다."},
    {"validate", fastcall(map_validate), kMethod,
     "validate($self)\n--\n\n불변식을 검사한다. 깨졌으면 SpanMapError 를 낸다."},
    {"is_identity", fastcall(nullary<"SpanMap.is_identity", SpanMap, &SpanMap::is_identity>),
     kMethod, "is_identity($self)\n--\n\n모든 구간이 항등 구간이면 참(빈 테이블도 참)."},
    {"len", fastcall(nullary<"SpanMap.len", SpanMap, &SpanMap::len>), kMethod,
     "len($self)\n--\n\n구간의 수."},
    {"to_json", fastcall(nullary<"SpanMap.to_json", SpanMap, json::to_json<SpanMap>>), kMethod,
     kToJsonDoc},
    {nullptr, nullptr, 0, nullptr},
};

PyMethodDef map_static_methods[] = {
    {"identity", fastcall(map_identity), kMethod,
     "identity(text)\n--\n\ntext 를 그대로 통과시키는 항등 정렬 테이블(빈 텍스트면 구간 없음)."},
    {"compose", fastcall(map_compose), kMethod,
     "compose(inner, outer)\n--\n\n"
     "A→B 테이블 inner 와 B→C 테이블 outer 를 A→C 테이블 하나로 잇는다. 좌표가 맞지 않으면 SpanMapError."},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef map_getset[] = {
    {"segments", get<SpanMap, &SpanMap::segments>, nullptr, "구간 목록(새 목록).", nullptr},
    {"src_end", get<SpanMap, &SpanMap::src_end>, nullptr,
     "마지막 구간의 원문 쪽 (바이트 끝, 문자 끝). 구간이 없으면 (0, 0).", nullptr},
    {"dst_end", get<SpanMap, &SpanMap::dst_end>, nullptr,
     "마지막 구간의 출력 쪽 (바이트 끝, 문자 끝). 구간이 없으면 (0, 0).", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot map_slots[] = {
    {Py_tp_doc, const_cast<char*>("원문과 정규화된 텍스트 사이의 구간 정렬 테이블.")},
    {Py_tp_repr, reinterpret_cast<void*>(&repr<SpanMap, map_repr>)},
    {Py_mp_length, reinterpret_cast<void*>(&map_len)},
    {Py_tp_methods, map_methods},
    {Py_tp_getset, map_getset},
    {0, nullptr},
};

// ----------------------------------------------------------------------------------------------
// SpanMapBuilder

PyObject* builder_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<1> sig{"SpanMapBuilder", {"text"}, 0};
    Arguments<1> a;
    OrNone<std::string_view> text;
    if (!a.parse(sig, args, kwargs) || !convert_all(nullptr, sig, a, text)) return nullptr;
    return wrap(state_of(reinterpret_cast<PyObject*>(type)),
                BuilderBox{SpanMapBuilder(text.value.size())});
  });
}

// Refuses an operation on a consumed builder, or one that would pass 32-bit offsets.
bool builder_usable(BuilderBox& box, std::string_view src, std::string_view dst) {
  if (box.consumed) {
    PyErr_SetString(PyExc_RuntimeError, "this builder was already consumed by finish()");
    return false;
  }
  if (src.empty()) return true;
  if (!check_text_size(box.src_bytes + src.size(), "src_text") ||
      !check_text_size(box.dst_bytes + dst.size(), "dst_text"))
    return false;
  box.src_bytes += src.size();
  box.dst_bytes += dst.size();
  return true;
}

PyObject* builder_keep(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    std::string_view text;
    if (!parse(nullptr, "SpanMapBuilder.keep", {"text"}, 1, args, nargs, kwnames, text))
      return nullptr;
    BuilderBox& box = value_of<BuilderBox>(self);
    if (!builder_usable(box, text, text)) return nullptr;
    box.builder.keep(text);
    Py_RETURN_NONE;
  });
}

// replace() and numeral() share their arguments.
template <void (SpanMapBuilder::*Operation)(std::string_view, std::string_view, RuleName)>
PyObject* builder_transform(const char* function, PyObject* self, PyObject* const* args,
                            Py_ssize_t nargs, PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    std::string_view src, dst, rule;
    if (!parse(nullptr, function, {"src_text", "dst_text", "rule"}, 3, args, nargs, kwnames, src,
               dst, rule))
      return nullptr;
    RuleName interned = intern_rule(rule);
    BuilderBox& box = value_of<BuilderBox>(self);
    if (!builder_usable(box, src, dst)) return nullptr;
    (box.builder.*Operation)(src, dst, interned);
    Py_RETURN_NONE;
  });
}

PyObject* builder_replace(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                          PyObject* kwnames) {
  return builder_transform<&SpanMapBuilder::replace>("SpanMapBuilder.replace", self, args, nargs,
                                                     kwnames);
}

PyObject* builder_numeral(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                          PyObject* kwnames) {
  return builder_transform<&SpanMapBuilder::numeral>("SpanMapBuilder.numeral", self, args, nargs,
                                                     kwnames);
}

PyObject* builder_absorb(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                         PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    std::string_view src, rule, cls = "separator";
    if (!parse(nullptr, "SpanMapBuilder.absorb", {"src_text", "rule", "class_"}, 2, args, nargs,
               kwnames, src, rule, cls))
      return nullptr;
    RuleName interned = intern_rule(rule);
    AbsorbClass absorb_class;
    if (cls == "whitespace") {
      absorb_class = AbsorbClass::whitespace;
    } else if (cls == "separator") {
      absorb_class = AbsorbClass::separator;
    } else if (cls == "other") {
      absorb_class = AbsorbClass::other;
    } else {
      PyErr_Format(PyExc_ValueError,
                   "unknown absorbed class %s; expected 'whitespace', 'separator', or 'other'",
                   debug_quoted(cls).c_str());
      return nullptr;
    }
    BuilderBox& box = value_of<BuilderBox>(self);
    if (!builder_usable(box, src, {})) return nullptr;
    box.builder.absorb(src, interned, absorb_class);
    Py_RETURN_NONE;
  });
}

PyObject* builder_finish(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                         PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    if (!no_arguments("SpanMapBuilder.finish", args, nargs, kwnames)) return nullptr;
    BuilderBox& box = value_of<BuilderBox>(self);
    if (!builder_usable(box, {}, {})) return nullptr;
    box.consumed = true;
    SpanMapBuilder::Output out = box.builder.finish();
    Ref text = Ref::steal(str(out.text));
    if (!text) return nullptr;
    Ref map = Ref::steal(wrap(state_of(self), std::move(out.map)));
    if (!map) return nullptr;
    return PyTuple_Pack(2, text.get(), map.get());
  });
}

PyObject* builder_repr(PyObject* self) {
  return str(value_of<BuilderBox>(self).consumed ? "SpanMapBuilder(consumed)"
                                                 : "SpanMapBuilder(active)");
}

PyMethodDef builder_methods[] = {
    {"keep", fastcall(builder_keep), kMethod,
     "keep($self, text)\n--\n\ntext 를 그대로 통과시킨다."},
    {"replace", fastcall(builder_replace), kMethod,
     "replace($self, src_text, dst_text, rule)\n--\n\n"
     "src_text 를 dst_text 로 바꾼다. 원문 문자 수만큼 replaced_chars 비용을 매긴다."},
    {"numeral", fastcall(builder_numeral), kMethod,
     "numeral($self, src_text, dst_text, rule)\n--\n\n"
     "한글 수사 src_text 를 숫자 dst_text 로 읽는다. 원문 문자 수만큼 expanded_syllables 비용을 매긴다."},
    {"absorb", fastcall(builder_absorb), kMethod,
     "absorb($self, src_text, rule, class_='separator')\n--\n\n"
     "src_text 를 출력 없이 흡수한다. class_ 는 'whitespace', 'separator', 'other' 중 하나."},
    {"finish", fastcall(builder_finish), kMethod,
     "finish($self)\n--\n\n(출력 텍스트, SpanMap) 을 돌려주고 빌더를 소모한다. 테이블은 검증하지 않는다."},
    {nullptr, nullptr, 0, nullptr},
};

PyType_Slot builder_slots[] = {
    {Py_tp_doc,
     const_cast<char*>(
         "SpanMapBuilder(text=None)\n--\n\n"
         "출력 텍스트와 구간 정렬 테이블을 함께 쌓는 빌더. text 는 출력 버퍼의 크기만 정한다.")},
    {Py_tp_new, reinterpret_cast<void*>(&builder_new)},
    {Py_tp_repr, reinterpret_cast<void*>(&builder_repr)},
    {Py_tp_methods, builder_methods},
    {0, nullptr},
};

}  // namespace

bool add_span_classes(PyObject* module) {
  return add_class<Span>(module, "norvane.Span", span_slots, true, span_static_methods) &&
         add_class<NormalizationCost>(module, "norvane.NormalizationCost", cost_slots) &&
         add_class<Segment>(module, "norvane.Segment", segment_slots) &&
         add_class<SourceSpan>(module, "norvane.SourceSpan", source_span_slots) &&
         add_class<SpanMap>(module, "norvane.SpanMap", map_slots, false, map_static_methods) &&
         add_class<BuilderBox>(module, "norvane.SpanMapBuilder", builder_slots, true);
}

}  // namespace norvane::py
