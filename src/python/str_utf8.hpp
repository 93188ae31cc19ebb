#pragma once
// The UTF-8 form of a str, made from the characters CPython stores (one, two or four bytes each)
// into a buffer of the caller's, without asking CPython for it: CPython would keep a copy with
// the str for as long as the str lives, and its encoder takes about three times as long.
#include <Python.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace norvane::py {

// What a ready str holds, read once: reading it later needs no lock (a str never changes, and
// whoever reads it keeps it alive).
struct StrView {
  const void* data;
  std::size_t length;  // characters
  int kind;            // bytes per character
  bool ascii;
  const char* utf8 = nullptr;  // the UTF-8 form the str keeps, if any
  std::size_t utf8_size = 0;
};

// o must be a ready str (PyUnicode_READY before 3.12).
StrView str_view(PyObject* o);

// The str's UTF-8: in place for an ASCII str or one that keeps its UTF-8 form, else written into
// buffer (grown as needed, never shrunk). Nothing when the str holds a surrogate or its UTF-8
// would pass kMaxTextBytes: reading it through CPython then raises the error.
std::optional<std::string_view> str_as_utf8(const StrView& str, std::string& buffer);

}  // namespace norvane::py
