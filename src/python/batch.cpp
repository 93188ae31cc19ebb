// detect_many() and mask_many(): many texts in one call, the work spread over C++ threads.
#include "python/batch.hpp"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "batch/pool.hpp"
#include "python/str_utf8.hpp"

namespace norvane::py {

void name_item(std::size_t index) {
  if (!PyErr_Occurred()) return;
  const std::string prefix = "texts[" + std::to_string(index) + "]: ";
  if (PyErr_ExceptionMatches(PyExc_UnicodeError)) {
    // Unicode errors build their message from their fields: the reason carries the index.
    PyObject *type, *value, *traceback;
    PyErr_Fetch(&type, &value, &traceback);
    PyErr_NormalizeException(&type, &value, &traceback);
    Ref t = Ref::steal(type), v = Ref::steal(value), tb = Ref::steal(traceback);
    Ref reason = Ref::steal(PyObject_GetAttrString(v.get(), "reason"));
    if (reason && PyUnicode_Check(reason.get())) {
      Ref named = Ref::steal(PyUnicode_FromFormat("%s%U", prefix.c_str(), reason.get()));
      if (named && PyObject_SetAttrString(v.get(), "reason", named.get()) == 0) {
        PyErr_Restore(t.release(), v.release(), tb.release());
        return;
      }
    }
    PyErr_Clear();
    PyErr_Restore(t.release(), v.release(), tb.release());
    return;
  }
  PyObject *type, *value, *traceback;
  PyErr_Fetch(&type, &value, &traceback);
  PyErr_NormalizeException(&type, &value, &traceback);
  Ref t = Ref::steal(type), v = Ref::steal(value), tb = Ref::steal(traceback);
  Ref text = Ref::steal(PyObject_Str(v.get()));
  if (!text) return;
  PyErr_Format(t.get(), "%s%U", prefix.c_str(), text.get());
}

bool signal_raised_at(std::size_t i) {
  return i % kItemsBetweenSignalChecks == kItemsBetweenSignalChecks - 1 && PyErr_CheckSignals() < 0;
}

PyObject* raise_item_error(ModuleState* st, const batch::ItemError& error,
                           std::span<const std::size_t> rows) {
  const std::size_t index = rows.empty() ? error.index : rows[error.index];
  switch (error.kind) {
    case batch::ItemError::Kind::core: raise_core(st, error.error); break;
    case batch::ItemError::Kind::invalid_utf8:
      PyErr_Format(PyExc_ValueError, "invalid UTF-8 at byte %llu of the text",
                   static_cast<unsigned long long>(error.byte));
      break;
    case batch::ItemError::Kind::too_large: check_text_size(error.byte, "text"); break;
    case batch::ItemError::Kind::refused:
      PyErr_SetString(PyExc_ValueError, "the text could not be read");
      break;
  }
  name_item(index);
  return nullptr;
}

namespace {

// threads: None is every usable core; otherwise at least 1.
bool to_threads(PyObject* o, std::size_t& out) {
  if (!o || o == Py_None) {
    out = batch::usable_cores();
    return true;
  }
  std::uint64_t n = 0;
  if (!to_u64(o, "threads", n)) return false;
  if (n == 0) {
    PyErr_SetString(PyExc_ValueError,
                    "argument 'threads': must be at least 1 (or None for every usable core)");
    return false;
  }
  out = static_cast<std::size_t>(std::min<std::uint64_t>(n, 1024));
  return true;
}

// A tuple of the items of o; TypeError for a single text or something not iterable.
Ref item_tuple(PyObject* o) {
  if (PyUnicode_Check(o) || PyBytes_Check(o) || PyByteArray_Check(o)) {
    type_error("texts", std::string("expected an iterable of str, not a single '") +
                            Py_TYPE(o)->tp_name + "'");
    return Ref();
  }
  Ref items = Ref::steal(PySequence_Tuple(o));
  if (!items) name_pending_type_error("texts");
  return items;
}

// The str items of a list-like argument, read on the worker threads: their UTF-8 is made there,
// into each unit's buffer, so the lock is held only to check the types, and the str objects get
// no cached UTF-8 copy. An ASCII str is UTF-8 already, and a str that was asked for its UTF-8
// form before keeps it: both are read as they are. Reading a str needs no lock: the tuple keeps
// every item alive, a str never changes, and the UTF-8 form it keeps is taken under the lock.
struct StrItems {
  using Item = StrView;
  Ref items;
  std::vector<Item> texts;
  std::size_t bytes = 0;  // about the UTF-8 size of all
};

bool to_str_items(PyObject* o, StrItems& out) {
  out.items = item_tuple(o);
  if (!out.items) return false;
  const Py_ssize_t n = PyTuple_GET_SIZE(out.items.get());
  // Reserved, not resized: the pages are touched item by item, between the signal checks.
  out.texts.reserve(static_cast<std::size_t>(n));
  for (Py_ssize_t i = 0; i < n; ++i) {
    PyObject* item = PyTuple_GET_ITEM(out.items.get(), i);
    bool ready = PyUnicode_Check(item);
#if PY_VERSION_HEX < 0x030C0000
    ready = ready && PyUnicode_READY(item) == 0;
#endif
    if (!ready) {
      // The first bad item names the error: one before this one may hold a surrogate or be too
      // large, which the single call (reading the UTF-8 at once) would have raised.
      std::string_view text;
      for (Py_ssize_t j = 0; j <= i; ++j) {
        if (!to_text(PyTuple_GET_ITEM(out.items.get(), j), "text", text)) {
          name_item(static_cast<std::size_t>(j));
          return false;
        }
        if (signal_raised_at(static_cast<std::size_t>(j))) return false;
      }
      return false;  // not reached: item i fails to_text
    }
    const StrView& text = out.texts.emplace_back(str_view(item));
    out.bytes += text.length * static_cast<std::size_t>(text.kind);
    if (signal_raised_at(static_cast<std::size_t>(i))) return false;
  }
  return true;
}

batch::TextSource text_source(const StrItems& items) {
  return batch::TextSource{
      items.texts.size(),
      [&items](std::size_t i, std::string& buffer) { return str_as_utf8(items.texts[i], buffer); },
      [&items](std::size_t i) {
        return items.texts[i].length * static_cast<std::size_t>(items.texts[i].kind);
      }};
}

// The error of a failed batch over str items: a refused item raises what to_text raises.
PyObject* raise_str_item_error(ModuleState* st, const StrItems& items,
                               const batch::ItemError& error) {
  if (error.kind != batch::ItemError::Kind::refused) return raise_item_error(st, error);
  std::string_view text;
  if (to_text(PyTuple_GET_ITEM(items.items.get(), static_cast<Py_ssize_t>(error.index)), "text",
              text))
    PyErr_SetString(PyExc_SystemError, "a text was refused that reads as UTF-8");
  name_item(error.index);
  return nullptr;
}

// A list of n new objects of T's class, each holding an empty T, and where each T lives: the
// batch moves its results there from the worker threads. Until the list is returned no Python
// code can reach the objects, and the threads write only the T inside each.
template <class T>
Ref new_results(ModuleState* st, std::size_t n, std::vector<T*>& places) {
  Ref list = Ref::steal(PyList_New(static_cast<Py_ssize_t>(n)));
  if (!list) return list;
  places.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    PyObject* item = wrap_new<T>(st);
    if (!item) return Ref();
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), item);
    places.push_back(&value_of<T>(item));
    if (signal_raised_at(i)) return Ref();
  }
  return list;
}

// Runs a batch whose result objects are made on the calling thread while the other threads
// already work: run(make_places) gets the function that makes them, under the interpreter lock,
// and releases the lock (as without_gil does) before the caller's own share of the work. A
// failure to make them (no memory, a signal) leaves its exception set and stops the batch.
template <class T, class Run>
auto with_late_results(ModuleState* st, std::size_t count, std::size_t input_bytes, Ref& objects,
                       Run&& run) {
  std::vector<T*> places;
  const bool release = input_bytes >= kReleaseLockBytes;
  const bool main = release && on_main_thread();
  ReleasedLock lock{nullptr, 0};
  std::optional<interrupt::Scope> scope;
  struct Reacquire {
    ReleasedLock& lock;
    std::optional<interrupt::Scope>& scope;
    ~Reacquire() {
      scope.reset();
      if (lock.state) PyEval_RestoreThread(lock.state);
    }
  } reacquire{lock, scope};
  return run([&]() -> std::span<T* const> {
    objects = new_results(st, count, places);
    // Interrupted keeps the pending exception (see guarded).
    if (!objects) throw interrupt::Interrupted{};
    if (release) {
      lock.state = PyEval_SaveThread();
      scope.emplace(main ? &pending_signal_raised : nullptr, &lock);
    }
    return places;
  });
}

template <class T>
PyObject* wrap_all(ModuleState* st, std::vector<T>& values) {
  Ref list = Ref::steal(PyList_New(static_cast<Py_ssize_t>(values.size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < values.size(); ++i) {
    PyObject* item = wrap(st, std::move(values[i]));
    if (!item) return nullptr;
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), item);
    if (signal_raised_at(i)) return nullptr;
  }
  return list.release();
}

const PolicySet* to_policies(ModuleState* st, PyObject* o) {
  static const PolicySet kDefaultPolicies{};
  if (!o || o == Py_None) return &kDefaultPolicies;
  const PolicySet* policies = unwrap<PolicySet>(st, o);
  if (!policies) wrong_type("policies", o, "PolicySet");
  return policies;
}

PyObject* detect_many_impl(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                           PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<3> sig{"detect_many", {"texts", "config", "threads"}, 1};
    Arguments<3> a;
    ModuleState* st = state_of_module(module);
    Config config;
    batch::Options options;
    if (!a.parse(sig, args, nargs, kwnames) || !to_config(st, a[1], "config", config) ||
        !to_threads(a[2], options.threads))
      return nullptr;
    if (exports_arrow(a[0])) return detect_many_arrow(st, a[0], config, options);
    StrItems items;
    if (!to_str_items(a[0], items)) return nullptr;
    const batch::TextSource source = text_source(items);
    Ref reports;
    auto failure = with_late_results<Report>(
        st, items.texts.size(), items.bytes, reports,
        [&](auto&& make) { return batch::detect_many(source, config, options, make); });
    if (failure) return raise_str_item_error(st, items, *failure);
    return reports.release();
  });
}

PyObject* mask_many_impl(PyObject* module, PyObject* const* args, Py_ssize_t nargs,
                         PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<5> sig{
        "mask_many", {"texts", "policies", "config", "threads", "shared_restore"}, 1};
    Arguments<5> a;
    ModuleState* st = state_of_module(module);
    Config config;
    batch::Options options;
    bool shared = false;
    if (!a.parse(sig, args, nargs, kwnames)) return nullptr;
    const PolicySet* policies = to_policies(st, a[1]);
    if (!policies || !to_config(st, a[2], "config", config) || !to_threads(a[3], options.threads) ||
        (a.has(4) && !to_bool(a[4], "shared_restore", shared)))
      return nullptr;
    if (exports_arrow(a[0])) {
      if (a.has(4) && !shared && policies->has_tokenize()) {
        PyErr_SetString(
            PyExc_ValueError,
            "argument 'shared_restore': an Arrow column keeps one restore map for all its rows; "
            "leave it None or pass True");
        return nullptr;
      }
      return mask_many_arrow(st, a[0], *policies, config, options);
    }
    if (!shared) {
      StrItems items;
      if (!to_str_items(a[0], items)) return nullptr;
      const batch::TextSource source = text_source(items);
      Ref outputs;
      auto failure = with_late_results<MaskOutput>(
          st, items.texts.size(), items.bytes, outputs,
          [&](auto&& make) { return batch::mask_many(source, *policies, config, options, make); });
      if (failure) return raise_str_item_error(st, items, *failure);
      return outputs.release();
    }
    StrItems items;
    if (!to_str_items(a[0], items)) return nullptr;
    const batch::TextSource source = text_source(items);
    auto result = without_gil(
        items.bytes, [&] { return batch::mask_many_shared(source, *policies, config, options); });
    if (!result) return raise_str_item_error(st, items, result.error());
    Ref list = Ref::steal(wrap_all(st, result->outputs));
    if (!list) return nullptr;
    Ref restore =
        result->restore ? Ref::steal(wrap(st, std::move(*result->restore))) : Ref::borrow(Py_None);
    if (!restore) return nullptr;
    return PyTuple_Pack(2, list.get(), restore.get());
  });
}

}  // namespace

PyMethodDef detect_many_function = {
    "detect_many", fastcall(detect_many_impl), kMethod,
    "detect_many(texts, config=None, threads=None)\n--\n\n"
    "여러 텍스트를 한 번에 탐지해 입력 순서대로 Report 목록을 돌려준다. 각 항목은 detect(text, config) 의 "
    "결과와 같다. texts 는 str 의 반복 가능 객체이거나 Arrow 문자열 열(__arrow_c_stream__ 또는 "
    "__arrow_c_array__ 를 내보내는 객체: pyarrow 배열, polars Series 등)이며, 열의 null 행은 None 이 된다. "
    "작업은 C++ 스레드 threads 개(None 이면 쓸 수 있는 코어 수, 1 이면 호출한 스레드 하나)에 나뉜다. "
    "잘못된 항목이 있으면 단일 호출과 같은 예외를 그 위치(texts[i])와 함께 내고 아무것도 돌려주지 않는다."};

PyMethodDef mask_many_function = {
    "mask_many", fastcall(mask_many_impl), kMethod,
    "mask_many(texts, policies=None, config=None, threads=None, shared_restore=None)\n--\n\n"
    "여러 텍스트를 한 번에 가린다. texts 가 str 의 반복 가능 객체이면 입력 순서대로 MaskOutput 목록을 "
    "돌려주며 각 항목은 mask(text, policies, config) 의 결과와 같다. shared_restore=True 이면 복원표 하나를 "
    "모든 텍스트가 함께 쓴다(접두어는 모든 텍스트를 보고 고르고 토큰 번호는 텍스트를 넘어 이어진다): "
    "(MaskOutput 목록, RestoreMap 또는 None) 튜플을 돌려주고, 각 MaskOutput.restore 는 None 이다. "
    "texts 가 Arrow 문자열 열이면 가린 열을 같은 인터페이스로 내보내는 MaskedColumn 을 돌려준다(null 은 "
    "null 로 남고, 복원표는 열 전체에 하나다). threads 와 오류는 detect_many 와 같다."};

}  // namespace norvane::py
