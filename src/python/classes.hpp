#pragma once
// Which class wraps which core value.
#include <functional>
#include <string>

#include "detect/debug_text.hpp"
#include "detect/report.hpp"
#include "mask/debug_text.hpp"
#include "mask/mask.hpp"
#include "normalize/config.hpp"
#include "normalize/debug_text.hpp"
#include "normalize/pipeline.hpp"
#include "python/py.hpp"
#include "span/json_writer.hpp"
#include "span/span_map.hpp"
#include "span/span_text.hpp"

namespace norvane::py {

// A builder that Python can still use, or one that finish() consumed.
struct BuilderBox {
  SpanMapBuilder builder;
  bool consumed = false;
};

inline std::string debug_text(const BuilderBox& box) {
  return box.consumed ? "SpanMapBuilder(consumed)" : "SpanMapBuilder(active)";
}

#define NORVANE_WRAPPED(T, ID)               \
  template <>                                \
  struct Wrapped<T> {                        \
    static constexpr TypeId id = TypeId::ID; \
    static constexpr const char* name = #ID; \
  };

// A class that pickles has a Codec (state.cpp): every class but SpanMapBuilder. Config, being
// mutable, compares by identity.
#define NORVANE_PICKLED(T, BY_VALUE)                            \
  NORVANE_WRAPPED(T, T)                                         \
  template <>                                                   \
  struct Codec<T> {                                             \
    static constexpr bool by_value = BY_VALUE;                  \
    static PyObject* state(ModuleState* st, const T& value);    \
    static bool read(ModuleState* st, PyObject* state, T& out); \
  };

NORVANE_WRAPPED(BuilderBox, SpanMapBuilder)
NORVANE_PICKLED(Span, true)
NORVANE_PICKLED(NormalizationCost, true)
NORVANE_PICKLED(Segment, true)
NORVANE_PICKLED(SourceSpan, true)
NORVANE_PICKLED(SpanMap, true)
NORVANE_PICKLED(Config, false)
NORVANE_PICKLED(Normalized, true)
NORVANE_PICKLED(ContextHit, true)
NORVANE_PICKLED(Evidence, true)
NORVANE_PICKLED(Finding, true)
NORVANE_PICKLED(Rejection, true)
NORVANE_PICKLED(Report, true)
NORVANE_PICKLED(Policy, true)
NORVANE_PICKLED(PolicySet, true)
NORVANE_PICKLED(RestoreEntry, true)
NORVANE_PICKLED(RestoreMap, true)
NORVANE_PICKLED(MaskOutput, true)

#undef NORVANE_PICKLED
#undef NORVANE_WRAPPED

inline constexpr const char* kToJsonDoc = "to_json($self)\n--\n\n간결한 JSON 텍스트를 돌려준다.";

// Writes a JSON document, which write_pieces(out, flush) hands over a piece at a time (as
// json::write with a Flush does), to file: a binary file object (anything whose write takes
// bytes and returns the count it took; short writes are followed by the rest) or a path (str,
// bytes or os.PathLike, opened and closed here). A text file raises TypeError. Returns the
// number of bytes written as an int; nullptr with the Python error of write (or of opening or
// closing) set. Holds the interpreter lock throughout; SIGINT is noticed between chunks.
using JsonPieces = std::function<void(std::string& out, const json::Flush& flush)>;
PyObject* write_json_file(PyObject* file, const JsonPieces& write_pieces);

// An optional Config argument: None or absent gives the defaults.
bool to_config(ModuleState* st, PyObject* o, const char* param, Config& out);

// An entity kind given by its snake-case name: a non-str raises TypeError naming the parameter,
// an unknown name ValueError "unknown entity {name:?}; expected one of {names}".
bool from_python(ModuleState*, PyObject* o, const char* param, EntityKind& out);
inline bool from_python(ModuleState* st, PyObject* o, const char* param, Config& out) {
  return to_config(st, o, param, out);
}

}  // namespace norvane::py
