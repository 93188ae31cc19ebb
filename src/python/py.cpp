#include "python/py.hpp"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "python/str_utf8.hpp"
#include "span/limits.hpp"

namespace norvane::py {

bool parse_arguments(const char* function, const char* const* names, std::size_t count,
                     std::size_t required, PyObject* const* args, Py_ssize_t nargs,
                     PyObject* kwnames, PyObject** values) {
  if (nargs > static_cast<Py_ssize_t>(count)) {
    std::string takes = required == count
                            ? std::to_string(count)
                            : "from " + std::to_string(required) + " to " + std::to_string(count);
    PyErr_Format(PyExc_TypeError, "%s() takes %s positional argument%s but %zd %s given", function,
                 takes.c_str(), count == 1 && required == count ? "" : "s", nargs,
                 nargs == 1 ? "was" : "were");
    return false;
  }
  std::copy_n(args, nargs, values);
  for (Py_ssize_t k = 0; kwnames && k < PyTuple_GET_SIZE(kwnames); ++k) {
    PyObject* key = PyTuple_GET_ITEM(kwnames, k);
    if (!PyUnicode_Check(key)) {
      PyErr_SetString(PyExc_TypeError, "keywords must be strings");
      return false;
    }
    std::size_t i = 0;
    while (i < count && PyUnicode_CompareWithASCIIString(key, names[i]) != 0) ++i;
    if (i == count) {
      PyErr_Format(PyExc_TypeError, "%s() got an unexpected keyword argument '%U'", function, key);
      return false;
    }
    if (values[i]) {
      PyErr_Format(PyExc_TypeError, "%s() got multiple values for argument '%s'", function,
                   names[i]);
      return false;
    }
    values[i] = args[nargs + k];
  }
  // Python's list of what is missing: 'a', 'a' and 'b', 'a', 'b', and 'c'.
  std::vector<const char*> missing;
  for (std::size_t i = 0; i < required; ++i)
    if (!values[i]) missing.push_back(names[i]);
  if (missing.empty()) return true;
  std::string list;
  for (std::size_t i = 0; i < missing.size(); ++i) {
    if (i > 0) list += missing.size() == 2 ? " and " : (i + 1 == missing.size() ? ", and " : ", ");
    list += std::string("'") + missing[i] + "'";
  }
  PyErr_Format(PyExc_TypeError, "%s() missing %zu required positional argument%s: %s", function,
               missing.size(), missing.size() == 1 ? "" : "s", list.c_str());
  return false;
}

bool type_error(const char* param, const std::string& message) {
  PyErr_Format(PyExc_TypeError, "argument '%s': %s", param, message.c_str());
  return false;
}

const char* short_name(PyTypeObject* type) {
  const char* dot = std::strrchr(type->tp_name, '.');
  return dot ? dot + 1 : type->tp_name;
}

bool wrong_type(const char* param, PyObject* given, const char* target) {
  return type_error(param, std::string("'") + short_name(Py_TYPE(given)) +
                               "' object cannot be converted to '" + target + "'");
}

bool name_pending_type_error(const char* param) {
  if (!PyErr_ExceptionMatches(PyExc_TypeError)) return false;
  PyObject *type, *value, *traceback;
  PyErr_Fetch(&type, &value, &traceback);
  Ref t = Ref::steal(type), v = Ref::steal(value), tb = Ref::steal(traceback);
  Ref text = Ref::steal(v ? PyObject_Str(v.get()) : PyUnicode_FromString(""));
  if (!text) return false;
  PyErr_Format(PyExc_TypeError, "argument '%s': %U", param, text.get());
  return false;
}

bool to_u64(PyObject* o, const char* param, std::uint64_t& out) {
  Ref index = Ref::steal(PyNumber_Index(o));  // an int, or an object with __index__
  if (!index) return name_pending_type_error(param);
  unsigned long long v = PyLong_AsUnsignedLongLong(index.get());
  if (v == static_cast<unsigned long long>(-1) && PyErr_Occurred()) return false;
  out = v;
  return true;
}

// Beyond max, the OverflowError of a narrowing conversion.
bool to_u32(PyObject* o, const char* param, std::uint32_t& out, std::uint32_t max) {
  Ref index = Ref::steal(PyNumber_Index(o));  // an int, or an object with __index__
  if (!index) return name_pending_type_error(param);
  int overflow = 0;
  long long v = PyLong_AsLongLongAndOverflow(index.get(), &overflow);
  if (v == -1 && PyErr_Occurred()) return false;
  if (overflow != 0 || v < 0 || v > max) {
    PyErr_SetString(PyExc_OverflowError, "out of range integral type conversion attempted");
    return false;
  }
  out = static_cast<std::uint32_t>(v);
  return true;
}

bool narrow_to_f32(double v, const char* what, float& out) {
  const float narrowed = static_cast<float>(v);
  if (std::isinf(narrowed) && std::isfinite(v)) {
    Ref given = Ref::steal(PyFloat_FromDouble(v));
    if (!given || PyErr_WarnFormat(PyExc_RuntimeWarning, 1,
                                   "%s: %R is beyond the range of a 32-bit float and is kept as %s",
                                   what, given.get(), v > 0 ? "inf" : "-inf") < 0)
      return false;
  }
  out = narrowed;
  return true;
}

bool to_f32(PyObject* o, const char* param, float& out) {
  if (PyUnicode_Check(o)) return type_error(param, "must be real number, not str");
  double v = PyFloat_AsDouble(o);
  if (v == -1.0 && PyErr_Occurred()) return name_pending_type_error(param);
  return narrow_to_f32(v, ("argument '" + std::string(param) + "'").c_str(), out);
}

bool to_bool(PyObject* o, const char* param, bool& out) {
  if (!PyBool_Check(o)) return wrong_type(param, o, "bool");
  out = o == Py_True;
  return true;
}

bool check_text_size(std::size_t bytes, const char* param) {
  std::optional<std::string> error = text_size_error(param, bytes);
  if (!error) return true;
  PyErr_SetString(PyExc_ValueError, error->c_str());
  return false;
}

bool to_text(PyObject* o, const char* param, std::string_view& out) {
  if (!PyUnicode_Check(o)) return wrong_type(param, o, "str");
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(o, &size);
  if (!data) return false;
  if (!check_text_size(static_cast<std::size_t>(size), param)) return false;
  out = std::string_view(data, static_cast<std::size_t>(size));
  return true;
}

namespace {
bool signal_raised_holding_lock(void*) { return PyErr_CheckSignals() < 0; }
}  // namespace

bool to_text(PyObject* o, const char* param, std::string_view& out, std::string& buffer) {
  // Below this many characters CPython's encoder costs little next to the call, and the form it
  // keeps makes later calls with the same str free.
  constexpr Py_ssize_t kTranscodedFrom = 1024;
  bool ready = PyUnicode_Check(o);
#if PY_VERSION_HEX < 0x030C0000
  ready = ready && PyUnicode_READY(o) == 0;
#endif
  if (ready && PyUnicode_GET_LENGTH(o) >= kTranscodedFrom) {
    // A long text's encoding polls for signals as the work after it does (a text of 100 MB takes
    // a fifth of a second); the lock is held here, so the check asks the interpreter directly.
    interrupt::Scope scope(on_main_thread() ? &signal_raised_holding_lock : nullptr, nullptr);
    if (std::optional<std::string_view> text = str_as_utf8(str_view(o), buffer)) {
      out = *text;
      return true;
    }
    // A surrogate or too large: CPython's reading raises the error.
  }
  return to_text(o, param, out);
}

bool to_char(PyObject* o, const char* param, char32_t& out) {
  if (!PyUnicode_Check(o)) return wrong_type(param, o, "str");
  if (PyUnicode_GET_LENGTH(o) != 1) {
    PyErr_SetString(PyExc_ValueError, "expected a string of length 1");
    return false;
  }
  Py_UCS4 c = PyUnicode_READ_CHAR(o, 0);
  if (c >= 0xD800 && c <= 0xDFFF) {
    // Encoding raises the UnicodeEncodeError a surrogate deserves.
    Py_ssize_t size;
    if (!PyUnicode_AsUTF8AndSize(o, &size)) return false;
  }
  out = static_cast<char32_t>(c);
  return true;
}

ModuleState* state_of_module(PyObject* module) {
  return static_cast<ModuleState*>(PyModule_GetState(module));
}

ModuleState* state_of(PyObject* self_or_type) {
  PyTypeObject* type = PyType_Check(self_or_type) ? reinterpret_cast<PyTypeObject*>(self_or_type)
                                                  : Py_TYPE(self_or_type);
  PyObject* module = PyType_GetModuleByDef(type, &module_def);
  return module ? state_of_module(module) : nullptr;
}

PyObject* raise_core(ModuleState* st, const Error& error) {
  Ref text = Ref::steal(str(error.text()));
  // An input too large for the offsets is a bad argument value, as at the argument check.
  PyObject* type =
      error.kind == Error::Kind::text_too_large ? PyExc_ValueError : st->span_map_error;
  if (text) PyErr_SetObject(type, text.get());
  return nullptr;
}

PyObject* no_constructor(PyTypeObject* type, PyObject*, PyObject*) {
  PyErr_Format(PyExc_TypeError, "No constructor defined for %s", short_name(type));
  return nullptr;
}

TextSignature read_signature(const char* doc) {
  std::string_view text = doc;
  std::size_t open = text.find('('), close = text.find(")\n--\n\n");
  if (open == text.npos || close == text.npos || close < open)
    bad_definition(doc, "no text signature");
  TextSignature s{text.substr(0, open)};
  std::string_view params = text.substr(open + 1, close - open - 1);
  while (!params.empty()) {
    std::size_t comma = params.find(", ");
    std::string_view param = params.substr(0, comma);
    params = comma == params.npos ? std::string_view() : params.substr(comma + 2);
    if (param == "$self") {
      s.bound = true;
      continue;
    }
    std::size_t equals = param.find('=');
    if (equals == param.npos) s.params.emplace_back(param, std::string_view());
    else s.params.emplace_back(param.substr(0, equals), param.substr(equals + 1));
  }
  return s;
}

void bad_definition(const char* doc, const char* problem) {
  std::fprintf(stderr, "norvane: %s: %s\n", problem, doc);
  std::abort();
}

PyObject* default_value(const char* doc, std::string_view text) {
  PyObject* value = nullptr;
  if (text == "None") value = Py_NewRef(Py_None);
  else if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'')
    value = str(text.substr(1, text.size() - 2));
  else value = PyLong_FromString(std::string(text).c_str(), nullptr, 10);
  if (!value) bad_definition(doc, "a default is neither None, a number nor a quoted text");
  return value;
}

namespace {

// CPython hands a METH_STATIC function a NULL self, which leaves it no way to reach the module
// state. Static methods are therefore plain fast-call functions bound to their class and
// wrapped in staticmethod: they find the state through the class.
bool add_static_methods(PyTypeObject* type, PyMethodDef* defs) {
  for (PyMethodDef* def = defs; def->ml_name; ++def) {
    Ref function = Ref::steal(PyCFunction_NewEx(def, reinterpret_cast<PyObject*>(type), nullptr));
    if (!function) return false;
    Ref method = Ref::steal(PyStaticMethod_New(function.get()));
    if (!method || PyDict_SetItemString(type->tp_dict, def->ml_name, method.get()) < 0)
      return false;
  }
  PyType_Modified(type);
  return true;
}

// Each class's _rebuild reader, by TypeId; the same for every instance of the module.
std::array<PyObject* (*)(ModuleState*, PyObject*), static_cast<std::size_t>(TypeId::Count)>
    rebuilders{};

PyObject* rebuild_impl(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                       PyObject* kwnames) {
  static constexpr Signature<2> sig{"_rebuild", {"cls", "state"}, 2};
  Arguments<2> a;
  if (!a.parse(sig, args, nargs, kwnames)) return nullptr;
  ModuleState* st = state_of_module(module);
  for (std::size_t i = 0; i < st->types.size(); ++i)
    if (reinterpret_cast<PyObject*>(st->types[i]) == a[0] && rebuilders[i])
      return rebuilders[i](st, a[1]);
  PyErr_Format(PyExc_TypeError, "cannot unpickle %R: not a norvane class that pickles", a[0]);
  return nullptr;
}

}  // namespace

PyMethodDef rebuild_function = {
    "_rebuild", fastcall(rebuild_impl), kMethod,
    "_rebuild(cls, state)\n--\n\n피클이 부르는 함수: state 를 검사해 cls 의 객체를 만든다."};

bool add_class_impl(PyObject* module, TypeId id, Class& c, int basicsize, destructor dealloc,
                    newfunc construct, PyObject* (*rebuild)(ModuleState*, PyObject*)) {
  auto slot = [](int kind, auto* pointer) { return PyType_Slot{kind, (void*)pointer}; };
  const char* doc = c.init.ml_meth ? c.init.ml_doc : c.doc;
  std::vector<PyType_Slot> slots = {
      slot(Py_tp_doc, doc),
      slot(Py_tp_dealloc, dealloc),
      slot(Py_tp_new, construct ? construct : &no_constructor),
      slot(Py_tp_methods, c.methods.data()),
      slot(Py_tp_getset, c.attributes.data()),
      slot(Py_tp_repr, c.repr),
      slot(Py_mp_length, c.len),
      slot(Py_tp_richcompare, c.compare),
      slot(Py_tp_hash, c.hash),
  };
  // Slots left empty are not given at all.
  std::erase_if(slots, [](const PyType_Slot& s) { return s.pfunc == nullptr; });
  slots.push_back({0, nullptr});

  std::string qualified_name = std::string("norvane.") + c.name;
  PyType_Spec type_spec{qualified_name.c_str(), basicsize, 0,
                        Py_TPFLAGS_DEFAULT | Py_TPFLAGS_IMMUTABLETYPE, slots.data()};
  PyObject* type = PyType_FromModuleAndSpec(module, &type_spec, nullptr);
  if (!type) return false;
  ModuleState* st = state_of_module(module);
  st->types[static_cast<std::size_t>(id)] = reinterpret_cast<PyTypeObject*>(type);
  if (!add_static_methods(reinterpret_cast<PyTypeObject*>(type), c.statics.data())) return false;
  rebuilders[static_cast<std::size_t>(id)] = rebuild;
  return PyModule_AddObjectRef(module, c.name, type) == 0;  // the state keeps its own reference
}

namespace {
// The main thread's id, learned once (no function-local static: the import may let another
// thread run, which would then wait on its guard holding the lock).
std::atomic<unsigned long> main_thread_id{0};
}  // namespace

bool learn_main_thread() {
  if (main_thread_id.load(std::memory_order_relaxed) != 0) return true;
  Ref threading = Ref::steal(PyImport_ImportModule("threading"));
  Ref main = Ref::steal(threading ? PyObject_CallMethod(threading.get(), "main_thread", nullptr)
                                  : nullptr);
  Ref ident = Ref::steal(main ? PyObject_GetAttrString(main.get(), "ident") : nullptr);
  const unsigned long id = ident ? PyLong_AsUnsignedLong(ident.get()) : 0;
  if (PyErr_Occurred()) return false;
  main_thread_id.store(id, std::memory_order_relaxed);
  return true;
}

bool on_main_thread() {
  // Learned when the module loads; if that failed, again here. The look-up runs Python code, and
  // with it any pending signal handler: the exception it raises (a Ctrl-C's KeyboardInterrupt)
  // must reach the caller, not be lost with the signal, so the call stops as an interrupted one.
  if (!learn_main_thread()) throw interrupt::Interrupted{};
  return PyThread_get_thread_ident() == main_thread_id.load(std::memory_order_relaxed);
}

bool pending_signal_raised(void* released_lock) {
  auto& lock = *static_cast<ReleasedLock*>(released_lock);
  // Polls come every fraction of a millisecond in fast loops; taking the lock that often would
  // slow the work and the other threads, and a reaction within 100 ms is the aim.
  const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                               std::chrono::steady_clock::now().time_since_epoch())
                               .count();
  if (now - lock.last_check_ns < 10'000'000) return false;
  lock.last_check_ns = now;
  PyEval_RestoreThread(lock.state);
  const bool raised = PyErr_CheckSignals() < 0;
  lock.state = PyEval_SaveThread();
  return raised;
}

}  // namespace norvane::py
