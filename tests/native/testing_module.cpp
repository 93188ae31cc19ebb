// _norvane_testing: hooks into the core for what Python cannot reach through norvane itself
// (hand-made, possibly invalid span maps; the 4 GiB text limit without 4 GiB of text).
// Segments travel as tuples (kind, (bs, be, cs, ce), (bs, be, cs, ce), [rules], (w, s, e, r)).
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <deque>
#include <string>

#include "normalize/pipeline.hpp"
#include "span/limits.hpp"
#include "span/span_map.hpp"

namespace {

using namespace norvane;

// Rule names given by tests live as long as the process.
RuleName keep_name(std::string name) {
  static std::deque<std::string> names;
  return names.emplace_back(std::move(name));
}

bool read_span(PyObject* t, Span& out) {
  unsigned int v[4];
  if (!PyArg_ParseTuple(t, "IIII", &v[0], &v[1], &v[2], &v[3])) return false;
  out = Span{v[0], v[1], v[2], v[3]};
  return true;
}

bool read_map(PyObject* list, SpanMap& out) {
  PyObject* seq = PySequence_Fast(list, "segments must be a sequence");
  if (!seq) return false;
  bool ok = true;
  for (Py_ssize_t i = 0; ok && i < PySequence_Fast_GET_SIZE(seq); ++i) {
    PyObject *src, *dst, *rules;
    const char* kind;
    unsigned int w, s, e, r;
    Segment seg;
    ok = PyArg_ParseTuple(PySequence_Fast_GET_ITEM(seq, i), "sOOO(IIII)", &kind, &src, &dst, &rules, &w, &s, &e,
                          &r) &&
         read_span(src, seg.src) && read_span(dst, seg.dst);
    if (!ok) break;
    std::string k = kind;
    seg.kind = k == "identity" ? SegmentKind::identity
               : k == "replace" ? SegmentKind::replace
               : k == "delete"  ? SegmentKind::delete_
                                : SegmentKind::expand;
    seg.cost = {static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(s), static_cast<std::uint16_t>(e),
                static_cast<std::uint16_t>(r)};
    PyObject* rs = PySequence_Fast(rules, "rules must be a sequence");
    if (!rs) { ok = false; break; }
    for (Py_ssize_t j = 0; ok && j < PySequence_Fast_GET_SIZE(rs); ++j) {
      const char* name = PyUnicode_AsUTF8(PySequence_Fast_GET_ITEM(rs, j));
      if (!name) ok = false;
      else seg.rules.push_back(keep_name(name));
    }
    Py_DECREF(rs);
    out.segments.push_back(std::move(seg));
  }
  Py_DECREF(seq);
  return ok;
}

PyObject* span_tuple(const Span& s) {
  return Py_BuildValue("(IIII)", s.byte_start, s.byte_end, s.char_start, s.char_end);
}

PyObject* write_map(const SpanMap& map) {
  PyObject* list = PyList_New(0);
  for (const Segment& seg : map.segments) {
    PyObject* rules = PyList_New(0);
    for (RuleName r : seg.rules) {
      PyObject* name = PyUnicode_FromStringAndSize(r.data(), static_cast<Py_ssize_t>(r.size()));
      PyList_Append(rules, name);
      Py_DECREF(name);
    }
    std::string_view kind = segment_kind_name(seg.kind);
    PyObject* item = Py_BuildValue("(s#NNN(IIII))", kind.data(), static_cast<Py_ssize_t>(kind.size()),
                                   span_tuple(seg.src), span_tuple(seg.dst), rules,
                                   unsigned{seg.cost.absorbed_whitespace}, unsigned{seg.cost.absorbed_separators},
                                   unsigned{seg.cost.expanded_syllables}, unsigned{seg.cost.replaced_chars});
    PyList_Append(list, item);
    Py_DECREF(item);
  }
  return list;
}

// validate(segments) -> None when valid, else the error's one-line text.
PyObject* validate(PyObject*, PyObject* arg) {
  SpanMap map;
  if (!read_map(arg, map)) return nullptr;
  Result<void> r = map.validate();
  if (r) Py_RETURN_NONE;
  return PyUnicode_FromString(r.error().text().c_str());
}

// compose(inner, outer) -> segments, or the error's one-line text.
PyObject* compose(PyObject*, PyObject* args) {
  PyObject *a, *b;
  if (!PyArg_ParseTuple(args, "OO", &a, &b)) return nullptr;
  SpanMap inner, outer;
  if (!read_map(a, inner) || !read_map(b, outer)) return nullptr;
  Result<SpanMap> r = SpanMap::compose(inner, outer);
  if (!r) return PyUnicode_FromString(r.error().text().c_str());
  return write_map(*r);
}

// to_source(segments, query) -> (span, snapped, rules, cost)
PyObject* to_source(PyObject*, PyObject* args) {
  PyObject *a, *q;
  if (!PyArg_ParseTuple(args, "OO", &a, &q)) return nullptr;
  SpanMap map;
  Span query;
  if (!read_map(a, map) || !read_span(q, query)) return nullptr;
  SourceSpan r = map.to_source(query);
  return Py_BuildValue("(Ni)", span_tuple(r.span), r.snapped ? 1 : 0);
}

// text_size_error(bytes) -> the refusal text, or None when a text of that size is accepted.
PyObject* text_size_error(PyObject*, PyObject* arg) {
  unsigned long long bytes = PyLong_AsUnsignedLongLong(arg);
  if (PyErr_Occurred()) return nullptr;
  auto error = norvane::text_size_error("text", bytes);
  if (!error) Py_RETURN_NONE;
  return PyUnicode_FromString(error->c_str());
}

// normalize_within(text, max_bytes) -> normalized text, under a lowered size limit; a refusal
// raises ValueError with the core's message.
PyObject* normalize_within(PyObject*, PyObject* args) {
  const char* data;
  Py_ssize_t size;
  unsigned long long max_bytes;
  if (!PyArg_ParseTuple(args, "s#K", &data, &size, &max_bytes)) return nullptr;
  auto r = norvane::normalize(std::string_view(data, static_cast<std::size_t>(size)), norvane::Config{}, max_bytes);
  if (!r) {
    PyErr_SetString(r.error().kind == norvane::Error::Kind::text_too_large ? PyExc_ValueError : PyExc_RuntimeError,
                    r.error().text().c_str());
    return nullptr;
  }
  return PyUnicode_FromStringAndSize(r->text.data(), static_cast<Py_ssize_t>(r->text.size()));
}

PyMethodDef methods[] = {
    {"validate", validate, METH_O, nullptr},
    {"compose", compose, METH_VARARGS, nullptr},
    {"to_source", to_source, METH_VARARGS, nullptr},
    {"text_size_error", text_size_error, METH_O, nullptr},
    {"normalize_within", normalize_within, METH_VARARGS, nullptr},
    {nullptr, nullptr, 0, nullptr},
};

PyModuleDef module = {PyModuleDef_HEAD_INIT, "_norvane_testing", "Test hooks into the norvane core.", 0, methods,
                      nullptr, nullptr, nullptr, nullptr};

}  // namespace

PyMODINIT_FUNC PyInit__norvane_testing(void) { return PyModuleDef_Init(&module); }
