// Arrow string columns in and out of detect_many and mask_many, through the Arrow PyCapsule
// interface: rows are read straight from the Arrow buffers and masked rows written into new ones,
// with no Python str per row.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "python/arrow_abi.hpp"
#include "python/batch.hpp"

namespace norvane::py {

namespace {

enum class Layout : std::uint8_t { utf8, large_utf8, utf8_view };

const char* format_of(Layout layout) {
  switch (layout) {
    case Layout::utf8: return "u";
    case Layout::large_utf8: return "U";
    case Layout::utf8_view: return "vu";
  }
  return "u";
}

bool malformed(const std::string& what) {
  PyErr_Format(PyExc_ValueError, "argument 'texts': malformed Arrow column: %s", what.c_str());
  return false;
}

// ---------------------------------------------------------------------------------------------
// Reading

// Arrow structs taken over from a producer: released (under the interpreter lock) when done.
struct Imported {
  ArrowSchema schema{};
  std::vector<ArrowArray> chunks;

  Imported() = default;
  Imported(const Imported&) = delete;
  Imported& operator=(const Imported&) = delete;
  ~Imported() {
    // A producer's release may run Python code: it must not find an exception pending.
    PyObject *type, *value, *traceback;
    PyErr_Fetch(&type, &value, &traceback);
    for (ArrowArray& chunk : chunks)
      if (chunk.release) chunk.release(&chunk);
    if (schema.release) schema.release(&schema);
    PyErr_Restore(type, value, traceback);
  }
};

// The column as the batch reads it: the text of every non-null row, and where each row went.
// A column without nulls (the common case) keeps no per-row lists but its texts: row k is text k.
struct Column {
  Layout layout = Layout::utf8;
  std::size_t length = 0;
  std::vector<std::string_view> texts;  // non-null rows, in order
  std::vector<std::size_t> rows;        // rows[k]: the row of texts[k]; empty when no row is null
  std::vector<std::uint8_t> valid;      // per row; empty when no row is null
  std::size_t bytes = 0;                // of the non-null rows

  // Row `row` (of the rows read so far) is null: the first null makes both lists, the rows
  // before it being texts one to one.
  void mark_null(std::size_t row) {
    if (valid.empty()) {
      valid.assign(length, 1);
      rows.resize(texts.size());
      for (std::size_t k = 0; k < rows.size(); ++k) rows[k] = k;
    }
    valid[row] = 0;
  }
  void add_text(std::string_view text, std::size_t row) {
    texts.push_back(text);
    if (!valid.empty()) rows.push_back(row);
  }
};

// Takes the struct out of a capsule: the capsule's copy is marked released, ours is the owner.
template <class T>
bool take_capsule(PyObject* capsule, const char* name, T& out) {
  if (!PyCapsule_IsValid(capsule, name)) {
    PyErr_Format(PyExc_TypeError, "argument 'texts': expected a PyCapsule named '%s'", name);
    return false;
  }
  auto* source = static_cast<T*>(PyCapsule_GetPointer(capsule, name));
  if (!source) return false;
  if (!source->release) return malformed(std::string("the ") + name + " was released already");
  out = *source;
  source->release = nullptr;
  return true;
}

bool read_layout(const ArrowSchema& schema, Layout& out) {
  const char* format = schema.format ? schema.format : "";
  if (schema.dictionary) {
    PyErr_Format(
        PyExc_TypeError,
        "argument 'texts': a dictionary-encoded Arrow column (indices '%s') is not a string column; "
        "cast it to string first",
        format);
    return false;
  }
  if (std::strcmp(format, "u") == 0) out = Layout::utf8;
  else if (std::strcmp(format, "U") == 0) out = Layout::large_utf8;
  else if (std::strcmp(format, "vu") == 0) out = Layout::utf8_view;
  else {
    PyErr_Format(PyExc_TypeError,
                 "argument 'texts': Arrow column of format '%s' is not a string column "
                 "(expected string 'u', large_string 'U' or string_view 'vu')",
                 format);
    return false;
  }
  return true;
}

bool is_valid_row(const std::uint8_t* bitmap, std::int64_t i) {
  return !bitmap || (bitmap[i >> 3] >> (i & 7)) & 1;
}

template <class Offset>
bool read_offsets_chunk(const ArrowArray& a, Column& column, std::size_t first_row) {
  const auto* bitmap = static_cast<const std::uint8_t*>(a.buffers[0]);
  const auto* offsets = static_cast<const Offset*>(a.buffers[1]);
  const auto* data = static_cast<const char*>(a.buffers[2]);
  if (a.length == 0) return true;
  if (!offsets) return malformed("a string chunk has no offsets buffer");
  Offset previous = offsets[a.offset];
  if (previous < 0) return malformed("a negative offset");
  for (std::int64_t i = 0; i < a.length; ++i) {
    const Offset end = offsets[a.offset + i + 1];
    if (end < previous)
      return malformed("offsets decrease at row " + std::to_string(first_row + i));
    const std::size_t row = first_row + static_cast<std::size_t>(i);
    if (signal_raised_at(row)) return false;  // a million rows take tens of milliseconds
    if (is_valid_row(bitmap, a.offset + i)) {
      if (end > previous && !data) return malformed("a string chunk has no data buffer");
      column.add_text(
          std::string_view(data ? data + previous : "", static_cast<std::size_t>(end - previous)),
          row);
    } else {
      column.mark_null(row);
    }
    previous = end;
  }
  return true;
}

bool read_view_chunk(const ArrowArray& a, Column& column, std::size_t first_row) {
  const auto* bitmap = static_cast<const std::uint8_t*>(a.buffers[0]);
  const auto* views = static_cast<const std::uint8_t*>(a.buffers[1]);
  const std::int64_t data_buffers = a.n_buffers - 3;
  const auto* sizes = static_cast<const std::int64_t*>(a.buffers[a.n_buffers - 1]);
  if (a.length == 0) return true;
  if (!views) return malformed("a string_view chunk has no views buffer");
  if (data_buffers > 0 && !sizes) return malformed("a string_view chunk has no buffer sizes");
  for (std::int64_t i = 0; i < a.length; ++i) {
    const std::size_t row = first_row + static_cast<std::size_t>(i);
    if (signal_raised_at(row)) return false;
    if (!is_valid_row(bitmap, a.offset + i)) {
      column.mark_null(row);
      continue;
    }
    const std::uint8_t* view = views + 16 * (a.offset + i);
    std::int32_t length, buffer, offset;
    std::memcpy(&length, view, 4);
    if (length < 0) return malformed("a negative string length at row " + std::to_string(row));
    if (length <= 12) {
      column.add_text(std::string_view(reinterpret_cast<const char*>(view + 4),
                                       static_cast<std::size_t>(length)),
                      row);
    } else {
      std::memcpy(&buffer, view + 8, 4);
      std::memcpy(&offset, view + 12, 4);
      if (buffer < 0 || buffer >= data_buffers)
        return malformed("row " + std::to_string(row) + " points to data buffer " +
                         std::to_string(buffer) + " of " + std::to_string(data_buffers));
      const auto* data = static_cast<const char*>(a.buffers[2 + buffer]);
      if (offset < 0 || !data || static_cast<std::int64_t>(offset) + length > sizes[buffer])
        return malformed("row " + std::to_string(row) + " reaches past the end of its data buffer");
      column.add_text(std::string_view(data + offset, static_cast<std::size_t>(length)), row);
    }
  }
  return true;
}

// Checks what the C interface lets a consumer check of one chunk, then reads its rows.
bool read_chunk(const ArrowArray& a, Column& column) {
  constexpr std::int64_t kMaxRows = std::int64_t{1} << 48;
  if (a.length < 0 || a.offset < 0 || a.length > kMaxRows || a.offset > kMaxRows)
    return malformed("a chunk has a negative or impossible length or offset");
  if (a.n_children != 0 || a.dictionary)
    return malformed("a string chunk has children or a dictionary");
  const bool view = column.layout == Layout::utf8_view;
  if (view ? a.n_buffers < 3 : a.n_buffers != 3)
    return malformed("a chunk has " + std::to_string(a.n_buffers) + " buffers");
  if (!a.buffers) return malformed("a chunk has no buffer list");
  const std::size_t first_row = column.length;
  column.length += static_cast<std::size_t>(a.length);
  if (!column.valid.empty()) column.valid.resize(column.length, 1);
  // Room for the first chunk's rows (most columns have one; a length no buffer backs reserves
  // no more than the cap); later chunks grow the list.
  constexpr std::int64_t kReservedRows = std::int64_t{1} << 22;
  if (column.texts.capacity() == 0)
    column.texts.reserve(static_cast<std::size_t>(std::min(a.length, kReservedRows)));
  switch (column.layout) {
    case Layout::utf8: return read_offsets_chunk<std::int32_t>(a, column, first_row);
    case Layout::large_utf8: return read_offsets_chunk<std::int64_t>(a, column, first_row);
    case Layout::utf8_view: return read_view_chunk(a, column, first_row);
  }
  return true;
}

// pyarrow checks its own buffers against the offsets (sizes the C interface does not carry):
// a pyarrow object is asked to validate itself before it is read.
bool validate_pyarrow(PyObject* o) {
  Ref module =
      Ref::steal(PyObject_GetAttrString(reinterpret_cast<PyObject*>(Py_TYPE(o)), "__module__"));
  if (!module) {
    if (!PyErr_ExceptionMatches(PyExc_Exception)) return false;  // Ctrl-C's KeyboardInterrupt
    PyErr_Clear();
    return true;
  }
  if (!PyUnicode_Check(module.get()) ||
      PyUnicode_Tailmatch(module.get(), Ref::steal(str("pyarrow")).get(), 0, PY_SSIZE_T_MAX, -1) !=
          1)
    return true;
  if (!PyObject_HasAttrString(o, "validate")) return true;
  Ref result = Ref::steal(PyObject_CallMethod(o, "validate", nullptr));
  if (result) return true;
  // What pyarrow raises about its buffers is an Exception; a KeyboardInterrupt stays what it is.
  if (!PyErr_ExceptionMatches(PyExc_Exception)) return false;
  PyObject *type, *value, *traceback;
  PyErr_Fetch(&type, &value, &traceback);
  PyErr_NormalizeException(&type, &value, &traceback);
  Ref t = Ref::steal(type), v = Ref::steal(value), tb = Ref::steal(traceback);
  Ref text = Ref::steal(v ? PyObject_Str(v.get()) : nullptr);
  if (!text) return false;
  PyErr_Format(PyExc_ValueError, "argument 'texts': malformed Arrow column: %U", text.get());
  return false;
}

bool import_from_stream(PyObject* o, Imported& imported) {
  Ref capsule = Ref::steal(PyObject_CallMethod(o, "__arrow_c_stream__", nullptr));
  if (!capsule) return false;
  ArrowArrayStream stream{};
  if (!take_capsule(capsule.get(), "arrow_array_stream", stream)) return false;
  struct Release {
    ArrowArrayStream* s;
    ~Release() {
      if (!s->release) return;
      PyObject *type, *value, *traceback;
      PyErr_Fetch(&type, &value, &traceback);
      s->release(s);
      PyErr_Restore(type, value, traceback);
    }
  } release{&stream};
  auto stream_error = [&](int code) {
    const char* message = stream.get_last_error ? stream.get_last_error(&stream) : nullptr;
    return malformed("the Arrow stream failed (" + std::to_string(code) + ")" +
                     (message ? std::string(": ") + message : std::string()));
  };
  if (int code = stream.get_schema(&stream, &imported.schema); code != 0) return stream_error(code);
  while (true) {
    ArrowArray chunk{};
    if (int code = stream.get_next(&stream, &chunk); code != 0) return stream_error(code);
    if (!chunk.release) return true;  // the end of the stream
    imported.chunks.push_back(chunk);
  }
}

bool import_from_array(PyObject* o, Imported& imported) {
  Ref pair = Ref::steal(PyObject_CallMethod(o, "__arrow_c_array__", nullptr));
  if (!pair) return false;
  if (!PyTuple_Check(pair.get()) || PyTuple_GET_SIZE(pair.get()) != 2)
    return type_error("texts",
                      "__arrow_c_array__() must return a (schema, array) pair of capsules");
  ArrowArray chunk{};
  if (!take_capsule(PyTuple_GET_ITEM(pair.get(), 0), "arrow_schema", imported.schema) ||
      !take_capsule(PyTuple_GET_ITEM(pair.get(), 1), "arrow_array", chunk))
    return false;
  imported.chunks.push_back(chunk);
  return true;
}

bool read_column(PyObject* o, Imported& imported, Column& column) {
  if (!validate_pyarrow(o)) return false;
  const bool has_array = PyObject_HasAttrString(o, "__arrow_c_array__");
  if (!(has_array ? import_from_array(o, imported) : import_from_stream(o, imported))) return false;
  if (!read_layout(imported.schema, column.layout)) return false;
  for (const ArrowArray& chunk : imported.chunks)
    if (!read_chunk(chunk, column)) return false;
  for (std::string_view t : column.texts) column.bytes += t.size();
  return true;
}

// ---------------------------------------------------------------------------------------------
// Writing

// The buffers of a masked column; shared by every export, freed when the last one is released.
struct ColumnBuffers {
  Layout layout = Layout::utf8;
  std::int64_t length = 0;
  std::int64_t null_count = 0;
  std::vector<std::uint8_t> validity;  // bitmap, empty when no row is null
  std::vector<std::int32_t> offsets32;
  std::vector<std::int64_t> offsets64;
  std::vector<std::uint8_t> views;
  std::string data;
  std::int64_t data_size = 0;  // the variadic buffer size of a string_view column
};

std::shared_ptr<ColumnBuffers> build_buffers(Layout input, const Column& column,
                                             batch::MaskedTexts& masked) {
  auto out = std::make_shared<ColumnBuffers>();
  out->length = static_cast<std::int64_t>(column.length);
  // string keeps 32-bit offsets while the data fits them; string_view needs 32-bit offsets into
  // its one data buffer. Past that the column becomes large_string.
  const bool fits32 =
      masked.data.size() <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  out->layout = input == Layout::large_utf8 || !fits32 ? Layout::large_utf8 : input;
  if (!column.valid.empty()) {
    out->validity.assign((column.length + 7) / 8, 0);
    for (std::size_t r = 0; r < column.length; ++r)
      if (column.valid[r]) out->validity[r >> 3] |= static_cast<std::uint8_t>(1u << (r & 7));
  }
  out->null_count = static_cast<std::int64_t>(column.length - column.texts.size());

  // Row r's text, from the ends of the non-null texts.
  std::size_t k = 0, end = 0;
  auto next_end = [&](std::size_t r) {
    if (column.valid.empty() || column.valid[r]) end = masked.ends[k++];
    return end;
  };
  switch (out->layout) {
    case Layout::utf8:
      out->offsets32.resize(column.length + 1);
      out->offsets32[0] = 0;
      for (std::size_t r = 0; r < column.length; ++r)
        out->offsets32[r + 1] = static_cast<std::int32_t>(next_end(r));
      break;
    case Layout::large_utf8:
      out->offsets64.resize(column.length + 1);
      out->offsets64[0] = 0;
      for (std::size_t r = 0; r < column.length; ++r)
        out->offsets64[r + 1] = static_cast<std::int64_t>(next_end(r));
      break;
    case Layout::utf8_view: {
      out->views.assign(16 * column.length, 0);
      std::size_t start = 0;
      for (std::size_t r = 0; r < column.length; ++r) {
        const std::size_t stop = next_end(r);
        std::uint8_t* view = out->views.data() + 16 * r;
        const auto length = static_cast<std::int32_t>(stop - start);
        std::memcpy(view, &length, 4);
        if (length <= 12) {
          std::memcpy(view + 4, masked.data.data() + start, static_cast<std::size_t>(length));
        } else {
          const std::int32_t buffer = 0, offset = static_cast<std::int32_t>(start);
          std::memcpy(view + 4, masked.data.data() + start, 4);
          std::memcpy(view + 8, &buffer, 4);
          std::memcpy(view + 12, &offset, 4);
        }
        start = stop;
      }
      break;
    }
  }
  out->data = std::move(masked.data);
  out->data_size = static_cast<std::int64_t>(out->data.size());
  return out;
}

// One exported array: holds the buffers alive and the pointer list Arrow reads.
struct ExportedArray {
  std::shared_ptr<const ColumnBuffers> buffers;
  std::vector<const void*> pointers;
};

void release_array(ArrowArray* array) {
  if (!array || !array->release) return;
  delete static_cast<ExportedArray*>(array->private_data);
  array->release = nullptr;
}

void release_schema(ArrowSchema* schema) {
  if (schema) schema->release = nullptr;  // format and name are static text
}

void export_schema(Layout layout, ArrowSchema* out) {
  *out = ArrowSchema{};
  out->format = format_of(layout);
  out->name = "";
  out->flags = ARROW_FLAG_NULLABLE;
  out->release = &release_schema;
}

void export_array(const std::shared_ptr<const ColumnBuffers>& buffers, ArrowArray* out) {
  auto exported = std::make_unique<ExportedArray>();
  exported->buffers = buffers;
  const ColumnBuffers& b = *buffers;
  // Arrow readers may not accept a null data pointer for an empty buffer: point at something.
  static const std::int64_t kEmpty[2] = {0, 0};
  const void* data = b.data.empty() ? static_cast<const void*>(kEmpty) : b.data.data();
  exported->pointers.push_back(b.validity.empty() ? nullptr : b.validity.data());
  switch (b.layout) {
    case Layout::utf8:
      exported->pointers.push_back(b.offsets32.data());
      exported->pointers.push_back(data);
      break;
    case Layout::large_utf8:
      exported->pointers.push_back(b.offsets64.data());
      exported->pointers.push_back(data);
      break;
    case Layout::utf8_view:
      exported->pointers.push_back(b.views.empty() ? static_cast<const void*>(kEmpty)
                                                   : b.views.data());
      exported->pointers.push_back(data);
      exported->pointers.push_back(&b.data_size);
      break;
  }
  *out = ArrowArray{};
  out->length = b.length;
  out->null_count = b.null_count;
  out->n_buffers = static_cast<std::int64_t>(exported->pointers.size());
  out->buffers = exported->pointers.data();
  out->release = &release_array;
  out->private_data = exported.release();
}

// A stream of one chunk.
struct ExportedStream {
  std::shared_ptr<const ColumnBuffers> buffers;
  bool done = false;
};

int stream_get_schema(ArrowArrayStream* stream, ArrowSchema* out) {
  export_schema(static_cast<ExportedStream*>(stream->private_data)->buffers->layout, out);
  return 0;
}

int stream_get_next(ArrowArrayStream* stream, ArrowArray* out) {
  auto* s = static_cast<ExportedStream*>(stream->private_data);
  if (s->done) {
    *out = ArrowArray{};
    return 0;
  }
  try {
    export_array(s->buffers, out);
  } catch (const std::bad_alloc&) {
    return ENOMEM;
  }
  s->done = true;
  return 0;
}

const char* stream_get_last_error(ArrowArrayStream*) { return nullptr; }

void release_stream(ArrowArrayStream* stream) {
  if (!stream || !stream->release) return;
  delete static_cast<ExportedStream*>(stream->private_data);
  stream->release = nullptr;
}

template <class T>
void capsule_destructor(PyObject* capsule, const char* name) {
  auto* p = static_cast<T*>(PyCapsule_GetPointer(capsule, name));
  if (!p) {
    PyErr_Clear();
    return;
  }
  if (p->release) p->release(p);
  delete p;
}

template <class T>
PyObject* new_capsule(std::unique_ptr<T> value, const char* name, PyCapsule_Destructor destructor) {
  PyObject* capsule = PyCapsule_New(value.get(), name, destructor);
  if (capsule) value.release();
  return capsule;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// MaskedColumn

struct MaskedColumn {
  std::shared_ptr<const ColumnBuffers> buffers;
  std::optional<RestoreMap> restore;
};

template <>
struct Wrapped<MaskedColumn> {
  static constexpr TypeId id = TypeId::MaskedColumn;
};

namespace {

void schema_capsule_destructor(PyObject* c) { capsule_destructor<ArrowSchema>(c, "arrow_schema"); }
void array_capsule_destructor(PyObject* c) { capsule_destructor<ArrowArray>(c, "arrow_array"); }
void stream_capsule_destructor(PyObject* c) {
  capsule_destructor<ArrowArrayStream>(c, "arrow_array_stream");
}

PyObject* column_arrow_c_array(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                               PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    // The requested schema is a hint a producer may ignore: the column has one type.
    static constexpr Signature<1> sig{"MaskedColumn.__arrow_c_array__", {"requested_schema"}, 0};
    Arguments<1> a;
    if (!a.parse(sig, args, nargs, kwnames)) return nullptr;
    const auto& buffers = value_of<MaskedColumn>(self).buffers;
    auto schema = std::make_unique<ArrowSchema>();
    export_schema(buffers->layout, schema.get());
    auto array = std::make_unique<ArrowArray>();
    export_array(buffers, array.get());
    Ref schema_capsule =
        Ref::steal(new_capsule(std::move(schema), "arrow_schema", &schema_capsule_destructor));
    if (!schema_capsule) return nullptr;
    Ref array_capsule =
        Ref::steal(new_capsule(std::move(array), "arrow_array", &array_capsule_destructor));
    if (!array_capsule) return nullptr;
    return PyTuple_Pack(2, schema_capsule.get(), array_capsule.get());
  });
}

PyObject* column_arrow_c_stream(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                                PyObject* kwnames) {
  return guarded([&]() -> PyObject* {
    static constexpr Signature<1> sig{"MaskedColumn.__arrow_c_stream__", {"requested_schema"}, 0};
    Arguments<1> a;
    if (!a.parse(sig, args, nargs, kwnames)) return nullptr;
    auto state = std::make_unique<ExportedStream>();
    state->buffers = value_of<MaskedColumn>(self).buffers;
    auto stream = std::make_unique<ArrowArrayStream>();
    stream->get_schema = &stream_get_schema;
    stream->get_next = &stream_get_next;
    stream->get_last_error = &stream_get_last_error;
    stream->release = &release_stream;
    stream->private_data = state.release();
    return new_capsule(std::move(stream), "arrow_array_stream", &stream_capsule_destructor);
  });
}

Py_ssize_t column_len(PyObject* self) {
  return static_cast<Py_ssize_t>(value_of<MaskedColumn>(self).buffers->length);
}

PyObject* column_restore(PyObject* self, void*) {
  return guarded([&]() -> PyObject* {
    const MaskedColumn& c = value_of<MaskedColumn>(self);
    if (!c.restore) Py_RETURN_NONE;
    return wrap(state_of(self), RestoreMap(*c.restore));
  });
}

PyObject* column_repr(PyObject* self) {
  return guarded([&]() -> PyObject* {
    const MaskedColumn& c = value_of<MaskedColumn>(self);
    static constexpr const char* kNames[] = {"string", "large_string", "string_view"};
    return str("MaskedColumn(type=" + std::string(kNames[static_cast<int>(c.buffers->layout)]) +
               ", length=" + std::to_string(c.buffers->length) +
               ", null_count=" + std::to_string(c.buffers->null_count) + ")");
  });
}

Class column_class{
    .name = "MaskedColumn",
    .doc =
        "Arrow 열에 mask_many 를 쓴 결과: 가린 문자열 열. Arrow PyCapsule 인터페이스로 내보내므로 "
        "pyarrow.array(...), polars.from_arrow(...) 등이 복사 없이 읽는다. null 행은 null 로 남는다. "
        "입력과 같은 형식(string, large_string, string_view)이며, string 의 데이터가 2 GiB 를 넘으면 "
        "large_string 이 된다.",
    .attributes =
        {
            {"restore", column_restore, nullptr,
             "정책 집합에 tokenize 가 있으면 열 전체가 함께 쓰는 복원표의 사본, 없으면 None.",
             nullptr},
            {"null_count",
             [](PyObject* self, void*) {
               return PyLong_FromLongLong(value_of<MaskedColumn>(self).buffers->null_count);
             },
             nullptr, "null 행의 수.", nullptr},
            {"type",
             [](PyObject* self, void*) {
               static constexpr const char* kNames[] = {"string", "large_string", "string_view"};
               return str(kNames[static_cast<int>(value_of<MaskedColumn>(self).buffers->layout)]);
             },
             nullptr, "Arrow 형식의 이름: 'string', 'large_string' 또는 'string_view'.", nullptr},
        },
    .methods =
        {
            {"__arrow_c_array__", fastcall(column_arrow_c_array), kMethod,
             "__arrow_c_array__($self, requested_schema=None)\n--\n\n"
             "가린 열을 Arrow C 데이터 인터페이스의 (스키마, 배열) PyCapsule 쌍으로 내보낸다."},
            {"__arrow_c_stream__", fastcall(column_arrow_c_stream), kMethod,
             "__arrow_c_stream__($self, requested_schema=None)\n--\n\n"
             "가린 열을 청크 하나짜리 Arrow C 스트림 PyCapsule 로 내보낸다."},
        },
    .repr = column_repr,
    .len = column_len,
};

}  // namespace

bool exports_arrow(PyObject* o) {
  return !PyUnicode_Check(o) && (PyObject_HasAttrString(o, "__arrow_c_stream__") ||
                                 PyObject_HasAttrString(o, "__arrow_c_array__"));
}

PyObject* detect_many_arrow(ModuleState* st, PyObject* o, const Config& config,
                            const batch::Options& options) {
  Imported imported;
  Column column;
  if (!read_column(o, imported, column)) return nullptr;
  auto reports = without_gil(column.bytes, [&] {
    return batch::detect_many(batch::Texts{column.texts, true}, config, options);
  });
  if (!reports) return raise_item_error(st, reports.error(), column.rows);
  Ref list = Ref::steal(PyList_New(static_cast<Py_ssize_t>(column.length)));
  if (!list) return nullptr;
  std::size_t k = 0;
  for (std::size_t r = 0; r < column.length; ++r) {
    PyObject* item;
    if (!column.valid.empty() && !column.valid[r]) item = Py_NewRef(Py_None);
    else item = wrap(st, std::move((*reports)[k++]));
    if (!item) return nullptr;
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(r), item);
    if (signal_raised_at(r)) return nullptr;
  }
  return list.release();
}

PyObject* mask_many_arrow(ModuleState* st, PyObject* o, const PolicySet& policies,
                          const Config& config, const batch::Options& options) {
  Imported imported;
  Column column;
  if (!read_column(o, imported, column)) return nullptr;
  auto result = without_gil(column.bytes, [&]() -> batch::BatchResult<MaskedColumn> {
    auto texts = batch::mask_texts(batch::Texts{column.texts, true}, policies, config, options);
    if (!texts) return std::unexpected(std::move(texts.error()));
    return MaskedColumn{build_buffers(column.layout, column, *texts), std::move(texts->restore)};
  });
  if (!result) return raise_item_error(st, result.error(), column.rows);
  return wrap(st, std::move(*result));
}

bool add_arrow_classes(PyObject* module) { return add_class<MaskedColumn>(module, column_class); }

}  // namespace norvane::py
