// JSON written to a Python binary file a chunk at a time, so that a large document is never
// held whole (see write_json_file in classes.hpp).
#include <cstdint>
#include <string>

#include "python/classes.hpp"

namespace norvane::py {

namespace {

// What the file's write is handed at a time: large enough that a raw file sees few system
// calls, small beside any document worth streaming.
constexpr std::size_t kWriteChunk = std::size_t{1} << 18;

// Thrown through the JSON writer when a Python error is pending, to stop it.
struct PythonRaised {};

// The count a write returned: from 1 to `given` bytes taken. None is what a non-blocking raw
// file returns when it would block; 0 would make the call loop for ever.
bool bytes_taken(PyObject* result, Py_ssize_t given, Py_ssize_t& taken) {
  if (result == Py_None) {
    PyErr_SetString(PyExc_BlockingIOError,
                    "write() returned None: the file took no bytes (a non-blocking file that "
                    "would block); write_json needs a file whose write returns the number of "
                    "bytes it took");
    return false;
  }
  if (!PyLong_Check(result) || PyBool_Check(result)) {
    PyErr_Format(PyExc_TypeError, "write() returned '%s', not the number of bytes it took",
                 short_name(Py_TYPE(result)));
    return false;
  }
  taken = PyLong_AsSsize_t(result);
  if (taken == -1 && PyErr_Occurred()) PyErr_Clear();
  else if (taken >= 1 && taken <= given) return true;
  PyErr_Format(PyExc_OSError,
               "write() returned %R for %zd bytes given (it should take from 1 to %zd of them)",
               result, given, given);
  return false;
}

class ChunkedWrite {
 public:
  explicit ChunkedWrite(PyObject* write) : write_(write) {}

  // The writer's flush: takes the piece and writes once a chunk is full.
  void take(std::string& piece) {
    chunk_ += piece;
    piece.clear();
    if (chunk_.size() >= kWriteChunk) write_chunk();
  }
  void finish(std::string& last) {
    chunk_ += last;
    last.clear();
    if (!chunk_.empty()) write_chunk();
  }
  std::uint64_t written() const { return written_; }

 private:
  // A bytes object of its own for each chunk: write may keep what it is given. A short write
  // is followed by the rest, as a view of the same bytes.
  void write_chunk() {
    Ref data = Ref::steal(
        PyBytes_FromStringAndSize(chunk_.data(), static_cast<Py_ssize_t>(chunk_.size())));
    if (!data) throw PythonRaised{};
    chunk_.clear();
    const Py_ssize_t size = PyBytes_GET_SIZE(data.get());
    Ref view;
    for (Py_ssize_t at = 0; at < size;) {
      if (at > 0 && !view) view = Ref::steal(PyMemoryView_FromObject(data.get()));
      Ref rest = at == 0 ? Ref::borrow(data.get())
                         : Ref::steal(view ? PySequence_GetSlice(view.get(), at, size) : nullptr);
      Ref result = Ref::steal(rest ? PyObject_CallOneArg(write_, rest.get()) : nullptr);
      Py_ssize_t taken = 0;
      if (!result || !bytes_taken(result.get(), size - at, taken)) throw PythonRaised{};
      at += taken;
      written_ += static_cast<std::uint64_t>(taken);
      // Ctrl-C between chunks, whatever write itself does about signals.
      if (PyErr_CheckSignals() < 0) throw PythonRaised{};
    }
  }

  PyObject* write_;
  std::string chunk_;
  std::uint64_t written_ = 0;
};

// Writes with the file's bound write method; false with a Python error set.
bool write_through(PyObject* write, const JsonPieces& write_pieces, std::uint64_t& written) {
  ChunkedWrite out(write);
  try {
    std::string piece;
    write_pieces(piece, [&](std::string& p) { out.take(p); });
    out.finish(piece);
  } catch (const PythonRaised&) {
    return false;
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
    return false;
  }
  written = out.written();
  return true;
}

bool is_text_file(PyObject* file) {
  Ref io = Ref::steal(PyImport_ImportModule("io"));
  Ref text_base = Ref::steal(io ? PyObject_GetAttrString(io.get(), "TextIOBase") : nullptr);
  if (!text_base) throw PythonRaised{};
  const int text = PyObject_IsInstance(file, text_base.get());
  if (text < 0) throw PythonRaised{};
  return text == 1;
}

PyObject* write_to_file_object(PyObject* file, PyObject* write, const JsonPieces& write_pieces) {
  if (is_text_file(file)) {
    PyErr_Format(PyExc_TypeError,
                 "argument 'file': '%s' is a text file and write_json writes bytes; open the "
                 "file in binary mode ('wb'), pass its .buffer, or give a path",
                 short_name(Py_TYPE(file)));
    return nullptr;
  }
  std::uint64_t written = 0;
  if (!write_through(write, write_pieces, written)) return nullptr;
  return PyLong_FromUnsignedLongLong(written);
}

// Opens the path for writing, writes and closes it; an error while writing is the one raised,
// and the file keeps what was written before it.
PyObject* write_to_path(PyObject* path, const JsonPieces& write_pieces) {
  Ref io = Ref::steal(PyImport_ImportModule("io"));
  Ref file = Ref::steal(io ? PyObject_CallMethod(io.get(), "open", "Os", path, "wb") : nullptr);
  Ref write = Ref::steal(file ? PyObject_GetAttrString(file.get(), "write") : nullptr);
  if (!write) return nullptr;
  std::uint64_t written = 0;
  const bool wrote = write_through(write.get(), write_pieces, written);
  PyObject *type = nullptr, *value = nullptr, *traceback = nullptr;
  if (!wrote) PyErr_Fetch(&type, &value, &traceback);
  Ref closed = Ref::steal(PyObject_CallMethod(file.get(), "close", nullptr));
  if (!wrote) {
    PyErr_Restore(type, value, traceback);  // the writing's error, not the closing's
    return nullptr;
  }
  return closed ? PyLong_FromUnsignedLongLong(written) : nullptr;
}

}  // namespace

PyObject* write_json_file(PyObject* file, const JsonPieces& write_pieces) {
  try {
    // A path is anything that has no write and that os.fspath takes (an int is no path here:
    // open() would take it as a file descriptor).
    Ref write;
    if (PyObject_HasAttrString(file, "write") &&
        !(write = Ref::steal(PyObject_GetAttrString(file, "write"))))
      return nullptr;
    if (write) return write_to_file_object(file, write.get(), write_pieces);
    Ref path = Ref::steal(PyLong_Check(file) ? nullptr : PyOS_FSPath(file));
    if (path) return write_to_path(path.get(), write_pieces);
    if (PyErr_Occurred() && !PyErr_ExceptionMatches(PyExc_TypeError)) return nullptr;
    PyErr_Clear();
    PyErr_Format(PyExc_TypeError,
                 "argument 'file': expected a binary file (an object with write) or a path (str "
                 "or os.PathLike), not '%s'",
                 short_name(Py_TYPE(file)));
    return nullptr;
  } catch (const PythonRaised&) {
    return nullptr;
  }
}

}  // namespace norvane::py
