#pragma once
// The binding's toolkit: owning references, argument parsing by parameter names and defaults,
// converters that set a Python error and return false, and the box holding a core value in a
// Python object. No C++ exception crosses into CPython: every entry point runs through `guarded`.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <expected>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "error/error.hpp"
#include "error/interrupt.hpp"
#include "span/debug_text.hpp"
#include "span/kept_buffers.hpp"
#include "span/span.hpp"

namespace norvane::py {

struct Decref {
  void operator()(PyObject* o) const { Py_DECREF(o); }
};

// An owning reference.
class Ref : public std::unique_ptr<PyObject, Decref> {
 public:
  using unique_ptr::unique_ptr;
  static Ref steal(PyObject* o) { return Ref(o); }
  static Ref borrow(PyObject* o) {
    Py_XINCREF(o);
    return Ref(o);
  }
};

// Runs an entry point's body; turns a stray C++ exception into a Python error.
template <class F>
auto guarded(F&& body) noexcept -> decltype(body()) {
  try {
    return body();
  } catch (const interrupt::Interrupted&) {
    // The signal handler that stopped the work left its exception (KeyboardInterrupt for SIGINT).
    if (!PyErr_Occurred()) PyErr_SetNone(PyExc_KeyboardInterrupt);
    kept::drop_all();
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
    kept::drop_all();
  } catch (const std::exception& e) {
    PyErr_SetString(PyExc_RuntimeError, e.what());
  } catch (...) {
    PyErr_SetString(PyExc_RuntimeError, "unexpected internal error");
  }
  if constexpr (std::is_same_v<decltype(body()), int>) return -1;
  else return nullptr;
}

// Argument parsing. Every parameter is positional-or-keyword; the first `required` ones have no
// default. Parsed arguments are borrowed; nullptr marks one that was not given.
template <std::size_t N>
struct Signature {
  const char* function;  // qualified name used in messages, e.g. "Span.slice"
  std::array<const char*, N> names;
  std::size_t required;
};

// Reads count arguments into values, with Python's own messages for a wrong call.
bool parse_arguments(const char* function, const char* const* names, std::size_t count,
                     std::size_t required, PyObject* const* args, Py_ssize_t nargs,
                     PyObject* kwnames, PyObject** values);

template <std::size_t N>
class Arguments {
 public:
  bool parse(const Signature<N>& sig, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    return parse_arguments(sig.function, sig.names.data(), N, sig.required, args, nargs, kwnames,
                           values_.data());
  }
  PyObject* operator[](std::size_t i) const { return values_[i]; }
  // Given and not None.
  bool has(std::size_t i) const { return values_[i] != nullptr && values_[i] != Py_None; }

 private:
  std::array<PyObject*, N + 1> values_{};  // +1 keeps N == 0 well-formed
};

// Converters: on failure a Python error is set and false is returned.
const char* short_name(PyTypeObject* type);  // "Span" for norvane.Span, as Python's messages say
bool type_error(const char* param, const std::string& message);  // "argument '<param>': <message>"
// "argument '<param>': 'int' object cannot be converted to '<target>'"
bool wrong_type(const char* param, PyObject* given, const char* target);
// Prefixes a pending TypeError with "argument '<param>': "; other errors pass unchanged.
bool name_pending_type_error(const char* param);
bool to_u32(PyObject* o, const char* param, std::uint32_t& out, std::uint32_t max = 0xFFFFFFFF);
bool to_u64(PyObject* o, const char* param, std::uint64_t& out);
bool to_f32(PyObject* o, const char* param, float& out);
// v as a 32-bit float. A finite v beyond its range becomes an infinity, which compares with every
// score as v does: it is kept, with a RuntimeWarning that names `what` (false where the warning
// is made an error).
bool narrow_to_f32(double v, const char* what, float& out);
bool to_bool(PyObject* o, const char* param, bool& out);
// A str as UTF-8, borrowed from the str object. Lone surrogates raise the UnicodeEncodeError
// Python raises; texts of 4 GiB or more raise ValueError.
bool to_text(PyObject* o, const char* param, std::string_view& out);
// The same for a text a call reads once: a long str is written into buffer, three times as fast
// as CPython's encoder and without a UTF-8 copy kept with the str.
bool to_text(PyObject* o, const char* param, std::string_view& out, std::string& buffer);
bool to_char(PyObject* o, const char* param, char32_t& out);  // a one-character str
bool check_text_size(std::size_t bytes, const char* param);

// Core work without the interpreter lock, so that threads run in parallel. The work touches no
// Python object, only copies and the UTF-8 of str objects the caller keeps alive. Small inputs
// keep the lock: switching costs more than they do. On the main thread a pending signal whose
// handler raises (Ctrl-C) stops the work by throwing interrupt::Interrupted to guarded().
inline constexpr std::size_t kReleaseLockBytes = 4096;
struct ReleasedLock {
  PyThreadState* state;
  std::int64_t last_check_ns;
};
bool pending_signal_raised(void* released_lock);
// Whether this is the interpreter's main thread, the one that runs signal handlers. The first
// answer needs Python code (learn_main_thread: false with an exception set when that code raised),
// so the module learns it when it loads; on_main_thread() throws interrupt::Interrupted, with the
// exception pending, if it still has to learn and that fails.
bool learn_main_thread();
bool on_main_thread();

template <class F>
auto without_gil(std::size_t input_bytes, F&& work) -> decltype(work()) {
  if (input_bytes < kReleaseLockBytes) return work();
  const bool main = on_main_thread();
  struct Reacquire {
    ReleasedLock lock;
    ~Reacquire() { PyEval_RestoreThread(lock.state); }
  } reacquire{{PyEval_SaveThread(), 0}};
  interrupt::Scope scope(main ? &pending_signal_raised : nullptr, &reacquire.lock);
  return work();
}

inline PyObject* str(std::string_view s) {
  return PyUnicode_FromStringAndSize(s.data(), static_cast<Py_ssize_t>(s.size()));
}

// A new list holding convert(item) for every item.
template <class Range, class Convert>
PyObject* list_of(const Range& items, Convert&& convert) {
  Ref list = Ref::steal(PyList_New(static_cast<Py_ssize_t>(std::size(items))));
  if (!list) return nullptr;
  Py_ssize_t i = 0;
  for (const auto& item : items) {
    PyObject* o = convert(item);
    if (!o) return nullptr;
    PyList_SET_ITEM(list.get(), i++, o);
  }
  return list.release();
}

// Module state: every class and the exception live here, not in mutable globals.
enum class TypeId : int {
  Span,
  NormalizationCost,
  Segment,
  SourceSpan,
  SpanMap,
  SpanMapBuilder,
  Config,
  Normalized,
  ContextHit,
  Evidence,
  Finding,
  Rejection,
  Report,
  Policy,
  PolicySet,
  RestoreEntry,
  RestoreMap,
  MaskOutput,
  MaskedColumn,
  Count,
};

struct ModuleState {
  PyObject* span_map_error = nullptr;
  std::array<PyTypeObject*, static_cast<std::size_t>(TypeId::Count)> types{};
  PyObject* rebuild = nullptr;  // _rebuild(cls, state), which every pickle calls back

  PyTypeObject* type(TypeId id) const { return types[static_cast<std::size_t>(id)]; }
};

extern PyModuleDef module_def;

ModuleState* state_of_module(PyObject* module);
// State reached from an instance or a type of this module.
ModuleState* state_of(PyObject* self_or_type);

// Raises SpanMapError with the error's one-line text; returns nullptr.
PyObject* raise_core(ModuleState* st, const Error& error);

// The generic box: a Python object holding one core value.
template <class T>
struct Box {
  PyObject_HEAD T value;
};

// Which class wraps which core value; each class file specialises it.
template <class T>
struct Wrapped;

template <class T>
T& value_of(PyObject* self) {
  return reinterpret_cast<Box<T>*>(self)->value;
}

// A new object of T's class holding the T made from args, in place.
template <class T, class... Args>
PyObject* wrap_new(ModuleState* st, Args&&... args) {
  PyTypeObject* type = st->type(Wrapped<T>::id);
  // As tp_alloc (PyType_GenericAlloc) makes it, less the zeroing: the constructor writes the
  // whole value, and the classes hold nothing else (some forty instructions a result).
  auto* self = static_cast<PyObject*>(PyObject_Malloc(sizeof(Box<T>)));
  if (!self) return PyErr_NoMemory();
  PyObject_Init(self, type);
  new (&reinterpret_cast<Box<T>*>(self)->value) T(std::forward<Args>(args)...);
  return self;
}

// A new object of T's class holding `value`.
template <class T>
PyObject* wrap(ModuleState* st, T value) {
  return wrap_new<T>(st, std::move(value));
}

// The boxed value if o is an instance of T's class (classes are final: exact type test).
template <class T>
T* unwrap(ModuleState* st, PyObject* o) {
  if (Py_TYPE(o) != st->type(Wrapped<T>::id)) return nullptr;
  return &value_of<T>(o);
}

// The error of a Checked value: a Python error is already set.
struct Raised {};
template <class T>
using Checked = std::expected<T, Raised>;
inline const std::unexpected<Raised> raised{Raised{}};

// A new Python object for v, behind every attribute, result and list: a wrapped class is moved
// in from an rvalue, a pair becomes a tuple, an empty optional None, a range a list; a failed
// Result raises SpanMapError, a failure with a message ValueError.
template <class V>
PyObject* to_python(ModuleState* st, V&& v) {
  using T = std::remove_cvref_t<V>;
  if constexpr (std::is_same_v<T, PyObject*>) return v;
  else if constexpr (std::is_same_v<T, bool>) return PyBool_FromLong(v);
  else if constexpr (std::is_floating_point_v<T>) return PyFloat_FromDouble(v);
  else if constexpr (std::is_unsigned_v<T>) return PyLong_FromUnsignedLongLong(v);
  else if constexpr (std::is_convertible_v<const T&, std::string_view>) return str(v);
  else if constexpr (requires { Wrapped<T>::id; }) return wrap(st, std::forward<V>(v));
  else if constexpr (requires { v.first, v.second; }) {
    Ref first = Ref::steal(to_python(st, std::get<0>(std::forward<V>(v))));
    Ref second = Ref::steal(first ? to_python(st, std::get<1>(std::forward<V>(v))) : nullptr);
    return second ? PyTuple_Pack(2, first.get(), second.get()) : nullptr;
  } else if constexpr (requires { v.error(); }) {
    if (!v) {
      if constexpr (std::is_same_v<typename T::error_type, Error>) return raise_core(st, v.error());
      if constexpr (std::is_same_v<typename T::error_type, std::string>) {
        Ref message = Ref::steal(str(v.error()));
        if (message) PyErr_SetObject(PyExc_ValueError, message.get());
      }
      return nullptr;
    }
    if constexpr (std::is_void_v<typename T::value_type>) return Py_NewRef(Py_None);
    else return to_python(st, *std::forward<V>(v));
  } else if constexpr (requires { v.has_value(); }) {
    return v ? to_python(st, *std::forward<V>(v)) : Py_NewRef(Py_None);
  } else {
    return list_of(v, [&](const auto& item) { return to_python(st, item); });
  }
}

// The class whose value a step reads: that of a member, or of a function's only parameter.
template <class M, class C>
C class_of(M C::*);
template <class R, class C>
C class_of(R (*)(const C&));
template <auto Step>
using ClassOfStep = decltype(class_of(Step));

// The getter of a read-only attribute: the value that Step (a data member, a member function or
// a function) reads from the boxed value, or Then reads from that.
template <auto Step, auto Then = nullptr>
PyObject* get(PyObject* self, void*) {
  return guarded([&] {
    decltype(auto) value = std::invoke(Step, value_of<ClassOfStep<Step>>(self));
    if constexpr (std::is_null_pointer_v<decltype(Then)>)
      return to_python(state_of(self), std::forward<decltype(value)>(value));
    else return to_python(state_of(self), std::invoke(Then, value));
  });
}

// A read-only attribute of that name and doc whose value is reached by Path.
template <auto... Path>
PyGetSetDef attr(const char* name, const char* doc) {
  return {name, get<Path...>, nullptr, doc, nullptr};
}

// Typed arguments: each given argument is converted into its variable by the variable's type;
// absent ones keep their defaults, and so does None for an optional variable.
// Text, numbers, a character and bool by their converters.
template <class T>
  requires std::is_arithmetic_v<T> || std::is_same_v<T, std::string_view> ||
           std::is_same_v<T, std::string>
bool from_python(ModuleState*, PyObject* o, const char* param, T& out) {
  if constexpr (std::is_same_v<T, std::string>) {
    std::string_view text;
    return to_text(o, param, text) && (out.assign(text), true);
  } else if constexpr (std::is_same_v<T, std::string_view>) return to_text(o, param, out);
  else if constexpr (std::is_same_v<T, std::uint32_t>) return to_u32(o, param, out);
  else if constexpr (std::is_same_v<T, std::uint64_t>) return to_u64(o, param, out);
  else if constexpr (std::is_same_v<T, char32_t>) return to_char(o, param, out);
  else if constexpr (std::is_same_v<T, float>) return to_f32(o, param, out);
  else return to_bool(o, param, out);
}

// An object of one of the module's classes, as its boxed value.
template <class T>
  requires requires { Wrapped<T>::id; }
bool from_python(ModuleState* st, PyObject* o, const char* param, const T*& out) {
  out = unwrap<T>(st, o);
  return out || wrong_type(param, o, short_name(st->type(Wrapped<T>::id)));
}

// The same, copied, for a parameter that takes the value itself.
template <class T>
  requires requires { Wrapped<T>::id; }
bool from_python(ModuleState* st, PyObject* o, const char* param, T& out) {
  const T* value = nullptr;
  if (from_python(st, o, param, value)) out = *value;
  return value != nullptr;
}

// Any object, borrowed for the call: the function checks it itself.
inline bool from_python(ModuleState*, PyObject* o, const char*, PyObject*& out) {
  out = o;
  return true;
}

template <class T>
bool from_python(ModuleState* st, PyObject* o, const char* param, std::optional<T>& out) {
  return o == Py_None || from_python(st, o, param, out.emplace());
}

// The head of a docstring, "name($self, a, b=1)\n--\n\n...": the function's name, whether it is
// a method ($self), and each parameter's name and default ("" for a required one).
struct TextSignature {
  std::string_view name;
  bool bound = false;
  std::vector<std::pair<std::string_view, std::string_view>> params{};
};
TextSignature read_signature(const char* doc);

// Stops the import with a message: a table and its function disagree (a programming error).
[[noreturn]] void bad_definition(const char* doc, const char* problem);

// The value of a default written in the text signature doc (None, a number or a quoted text),
// converted as a given argument would be. It lives as long as the process: a text borrows it.
PyObject* default_value(const char* doc, std::string_view text);

// The variable a text argument is converted into, made from its default: it keeps the buffer
// a long str's UTF-8 may be written into (a buffer the thread keeps from call to call).
struct TextArgument {
  std::string_view text;
  std::string buffer;
  operator std::string_view() const { return text; }

  TextArgument(std::string_view default_text) : text(default_text) {}
  TextArgument(const TextArgument&) = delete;
  ~TextArgument() { kept::give_text(std::move(buffer)); }
};
inline bool from_python(ModuleState*, PyObject* o, const char* param, TextArgument& out) {
  return to_text(o, param, out.text, out.buffer);
}
template <class A>
using Stored = std::conditional_t<std::is_same_v<std::remove_cvref_t<A>, std::string_view>,
                                  TextArgument, std::remove_cvref_t<A>>;

// def<F>(doc): the fast-call function F with the parameters of the text signature heading doc.
// An argument is converted by its C++ parameter's type, an absent one is the default written in
// the signature, the result goes through to_python(). F is a method if it is a member function
// or its first parameter is a reference to a boxed value ($self); otherwise a module function,
// or with Owner a static method or, if named as its class, the constructor of Owner.
template <class S, class... A>
struct Parts {
  using Self = S;  // the boxed value a method is called on, void for a function
  using Defaults = std::tuple<std::remove_cvref_t<A>...>;
  using Values = std::tuple<Stored<A>...>;
  static constexpr std::size_t arity = sizeof...(A);
};
template <class F>
struct Callable;
template <class R, class... A>
struct Callable<R (*)(A...)> : Parts<void, A...> {};
template <class R, class First, class... A>
  requires std::is_reference_v<First> && requires { Wrapped<std::remove_cvref_t<First>>::id; }
struct Callable<R (*)(First, A...)> : Parts<std::remove_cvref_t<First>, A...> {};
template <class R, class C, class... A>
struct Callable<R (C::*)(A...) const> : Parts<C, A...> {};

template <auto F>
struct Described {
  using C = Callable<decltype(F)>;
  std::string name, qualified;
  std::array<std::string, C::arity> names;
  Signature<C::arity> sig{};
  typename C::Defaults defaults{};
};

template <auto F>
Described<F>& described() {
  static Described<F> d;
  return d;
}

// self is the module for a function, the class for a static method or constructor.
template <auto F>
PyObject* call(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  using C = Callable<decltype(F)>;
  const Described<F>& d = described<F>();
  return guarded([&]() -> PyObject* {
    Arguments<C::arity> a;
    if (!a.parse(d.sig, args, nargs, kwnames)) return nullptr;
    ModuleState* st = PyModule_Check(self) ? state_of_module(self) : state_of(self);
    typename C::Values values(d.defaults);
    return [&]<std::size_t... I>(std::index_sequence<I...>) -> PyObject* {
      if (!((!a[I] || from_python(st, a[I], d.sig.names[I], std::get<I>(values))) && ...))
        return nullptr;
      auto run = [&]() -> decltype(auto) {
        if constexpr (std::is_void_v<typename C::Self>)
          return std::invoke(F, std::move(std::get<I>(values))...);
        else
          return std::invoke(F, value_of<typename C::Self>(self),
                             std::move(std::get<I>(values))...);
      };
      if constexpr (!std::is_void_v<decltype(run())>) return to_python(st, run());
      run();
      return Py_NewRef(Py_None);
    }(std::make_index_sequence<C::arity>{});
  });
}

// A METH_FASTCALL | METH_KEYWORDS function as the PyCFunction that PyMethodDef stores.
inline PyCFunction fastcall(PyObject* (*f)(PyObject*, PyObject* const*, Py_ssize_t, PyObject*)) {
  return reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(f));
}
inline constexpr int kMethod = METH_FASTCALL | METH_KEYWORDS;

template <auto F, class Owner = void>
PyMethodDef def(const char* doc) {
  using C = Callable<decltype(F)>;
  Described<F>& d = described<F>();
  TextSignature s = read_signature(doc);
  if (s.bound != !std::is_void_v<typename C::Self> || s.params.size() != C::arity)
    bad_definition(doc, "the signature does not match the function");
  d.name = d.qualified = s.name;
  using Class = std::conditional_t<std::is_void_v<Owner>, typename C::Self, Owner>;
  if constexpr (!std::is_void_v<Class>) {
    if (d.name != Wrapped<Class>::name) d.qualified = Wrapped<Class>::name + ("." + d.name);
  }
  d.sig.function = d.qualified.c_str();
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    ((d.names[I] = s.params[I].first, d.sig.names[I] = d.names[I].c_str()), ...);
    [[maybe_unused]] ModuleState* no_state = nullptr;  // defaults: None, numbers, texts
    bool fits = ((s.params[I].second.empty() ||
                  from_python(no_state, default_value(doc, s.params[I].second), d.sig.names[I],
                              std::get<I>(d.defaults))) &&
                 ...);
    if (!fits) bad_definition(doc, "a default does not fit its parameter");
  }(std::make_index_sequence<C::arity>{});
  while (d.sig.required < C::arity && s.params[d.sig.required].second.empty()) ++d.sig.required;
  return {d.name.c_str(), fastcall(call<F>), kMethod, doc};
}

// tp_new of classes that Python cannot construct.
PyObject* no_constructor(PyTypeObject* type, PyObject* args, PyObject* kwargs);

// Each class's constructor, a def<F, T> function.
template <class T>
inline PyMethodDef* constructor_of = nullptr;

// tp_new: the constructor as a function of the class, which Python calls as fast-call.
template <class T>
PyObject* construct(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
  Ref f =
      Ref::steal(PyCFunction_NewEx(constructor_of<T>, reinterpret_cast<PyObject*>(type), nullptr));
  return f ? PyObject_Call(f.get(), args, kwargs) : nullptr;
}

// Pickling, copying and value equality. A class whose values can travel specialises Codec:
//   static PyObject* state(ModuleState*, const T&);         plain Python data (tuples, str, int...)
//   static bool read(ModuleState*, PyObject* state, T& out); every check the core makes
//   static constexpr bool by_value;                          == and hash() compare states
// Its objects reduce to _rebuild(cls, state); a class without a Codec refuses to be pickled.
template <class T>
struct Codec;

// The pickled state of self's value.
template <class T>
PyObject* state_of_value(PyObject* self) {
  return guarded([&] { return Codec<T>::state(state_of(self), value_of<T>(self)); });
}

template <class T>
PyObject* reduce(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  static constexpr Signature<0> sig{"__reduce__", {}, 0};
  if (!Arguments<0>().parse(sig, args, nargs, kwnames)) return nullptr;
  Ref state = Ref::steal(state_of_value<T>(self));
  if (!state) return nullptr;
  return Py_BuildValue("(O(OO))", state_of(self)->rebuild, Py_TYPE(self), state.get());
}

template <class T>
PyObject* rebuild(ModuleState* st, PyObject* state) {
  return guarded([&]() -> PyObject* {
    T value{};
    if (!Codec<T>::read(st, state, value)) return nullptr;
    return wrap(st, std::move(value));
  });
}

template <class T>
PyObject* compare_states(PyObject* self, PyObject* other, int op) {
  if (Py_TYPE(other) != Py_TYPE(self) || (op != Py_EQ && op != Py_NE)) Py_RETURN_NOTIMPLEMENTED;
  Ref a = Ref::steal(state_of_value<T>(self));
  Ref b = Ref::steal(a ? state_of_value<T>(other) : nullptr);
  return b ? PyObject_RichCompare(a.get(), b.get(), op) : nullptr;
}

template <class T>
Py_hash_t hash_state(PyObject* self) {
  Ref state = Ref::steal(state_of_value<T>(self));
  return state ? PyObject_Hash(state.get()) : -1;
}

// A table of definitions and the end mark CPython looks for.
template <class Def>
struct Table : std::vector<Def> {
  Table(std::initializer_list<Def> defs = {}) : std::vector<Def>(defs) { this->emplace_back(); }
  void add(const Def& def) { this->insert(this->end() - 1, def); }  // before the end mark
};

// A class, described once; add_class makes its heap type.
struct Class {
  const char* name{};  // the public name, e.g. "Span"; by default that of Wrapped<T>
  PyMethodDef init{};  // the constructor, def<F, T>, whose doc is the class's
  const char* doc{};   // the doc of a class without constructor
  Table<PyGetSetDef> attributes{};
  Table<PyMethodDef> methods{};
  Table<PyMethodDef> statics{};  // static methods: they receive their class as self
  reprfunc repr{};               // by default the value's debug_text
  lenfunc len{};                 // by default the value's len(), if it has one
  richcmpfunc compare{};         // by default those of its Codec, if by value
  hashfunc hash{};
};

// Non-template part of add_class; construct and rebuild are null where the class has none.
bool add_class_impl(PyObject* module, TypeId id, Class& c, int basicsize, destructor dealloc,
                    newfunc construct, PyObject* (*rebuild)(ModuleState*, PyObject*));

// Creates the heap type of T (final, no instance dictionary), stores it in the module state
// and adds it to the module.
template <class T>
bool add_class(PyObject* module, Class& c) {
  if constexpr (requires { Wrapped<T>::name; }) c.name = Wrapped<T>::name;
  if (c.init.ml_meth) constructor_of<T> = &c.init;
  if constexpr (requires(const T& value) { debug_text(value); }) {
    c.repr = [](PyObject* self) {
      return guarded([&] { return str(debug_text(value_of<T>(self))); });
    };
  }
  if constexpr (requires(const T& value) { value.len(); }) {
    c.len = [](PyObject* self) { return static_cast<Py_ssize_t>(value_of<T>(self).len()); };
  }
  PyObject* (*rebuilder)(ModuleState*, PyObject*) = nullptr;
  if constexpr (requires { Codec<T>::by_value; }) {
    // Once, however many times the module is made.
    [[maybe_unused]] static const bool reduces =
        (c.methods.add({"__reduce__", fastcall(reduce<T>), kMethod,
                        "__reduce__($self)\n--\n\npickle 과 copy 가 쓰는 (함수, 인자)."}),
         true);
    rebuilder = rebuild<T>;
    if (Codec<T>::by_value && !c.compare) c.compare = compare_states<T>;
    if (Codec<T>::by_value && !c.hash) c.hash = hash_state<T>;
  }
  auto dealloc = [](PyObject* self) {
    PyTypeObject* type = Py_TYPE(self);
    // A value that the next call can write into hands its buffers to the thread first.
    if constexpr (requires(T& v) { give_buffers(v); }) give_buffers(value_of<T>(self));
    value_of<T>(self).~T();
    type->tp_free(self);
    Py_DECREF(type);
  };
  return add_class_impl(module, Wrapped<T>::id, c, static_cast<int>(sizeof(Box<T>)), dealloc,
                        c.init.ml_meth ? construct<T> : nullptr, rebuilder);
}

// _rebuild(cls, state): the object of class cls that state describes.
extern PyMethodDef rebuild_function;

// Each file that defines classes exports one of these; the module calls them in order.
bool add_span_classes(PyObject* module);
bool add_config_classes(PyObject* module);
bool add_result_classes(PyObject* module);
bool add_mask_classes(PyObject* module);
bool add_arrow_classes(PyObject* module);

// The module's functions, defined beside the classes they return; added last, in this order.
extern PyMethodDef normalize_function;
extern PyMethodDef detect_function;
extern PyMethodDef mask_function;
extern PyMethodDef unmask_function;
extern PyMethodDef entity_names_function;
extern PyMethodDef detect_many_function;
extern PyMethodDef mask_many_function;

}  // namespace norvane::py
