#pragma once
// Which class wraps which core value.
#include "detect/report.hpp"
#include "mask/mask.hpp"
#include "normalize/config.hpp"
#include "normalize/pipeline.hpp"
#include "python/py.hpp"
#include "span/span_map.hpp"
#include "span/span_text.hpp"

namespace norvane::py {

// A builder that Python can still use, or one that finish() consumed.
struct BuilderBox {
  SpanMapBuilder builder;
  bool consumed = false;
  // Bytes taken in so far, so that 32-bit offsets can never wrap.
  std::size_t src_bytes = 0;
  std::size_t dst_bytes = 0;
};

#define NORVANE_WRAPPED(T, ID)               \
  template <>                                \
  struct Wrapped<T> {                        \
    static constexpr TypeId id = TypeId::ID; \
    static constexpr const char* name = #ID; \
  };

NORVANE_WRAPPED(Span, Span)
NORVANE_WRAPPED(NormalizationCost, NormalizationCost)
NORVANE_WRAPPED(Segment, Segment)
NORVANE_WRAPPED(SourceSpan, SourceSpan)
NORVANE_WRAPPED(SpanMap, SpanMap)
NORVANE_WRAPPED(BuilderBox, SpanMapBuilder)
NORVANE_WRAPPED(Config, Config)
NORVANE_WRAPPED(Normalized, Normalized)
NORVANE_WRAPPED(ContextHit, ContextHit)
NORVANE_WRAPPED(Evidence, Evidence)
NORVANE_WRAPPED(Finding, Finding)
NORVANE_WRAPPED(Rejection, Rejection)
NORVANE_WRAPPED(Report, Report)
NORVANE_WRAPPED(Policy, Policy)
NORVANE_WRAPPED(PolicySet, PolicySet)
NORVANE_WRAPPED(RestoreEntry, RestoreEntry)
NORVANE_WRAPPED(RestoreMap, RestoreMap)
NORVANE_WRAPPED(MaskOutput, MaskOutput)

#undef NORVANE_WRAPPED

// Codecs (state.cpp); every class but SpanMapBuilder pickles. Span keeps its own comparisons and
// Config, being mutable, compares by identity.
#define NORVANE_CODEC(T, BY_VALUE)                              \
  template <>                                                   \
  struct Codec<T> {                                             \
    static constexpr bool by_value = BY_VALUE;                  \
    static PyObject* state(ModuleState* st, const T& value);    \
    static bool read(ModuleState* st, PyObject* state, T& out); \
  };

NORVANE_CODEC(Span, false)
NORVANE_CODEC(NormalizationCost, true)
NORVANE_CODEC(Segment, true)
NORVANE_CODEC(SourceSpan, true)
NORVANE_CODEC(SpanMap, true)
NORVANE_CODEC(Config, false)
NORVANE_CODEC(Normalized, true)
NORVANE_CODEC(ContextHit, true)
NORVANE_CODEC(Evidence, true)
NORVANE_CODEC(Finding, true)
NORVANE_CODEC(Rejection, true)
NORVANE_CODEC(Report, true)
NORVANE_CODEC(Policy, true)
NORVANE_CODEC(PolicySet, true)
NORVANE_CODEC(RestoreEntry, true)
NORVANE_CODEC(RestoreMap, true)
NORVANE_CODEC(MaskOutput, true)

#undef NORVANE_CODEC

inline constexpr const char* kToJsonDoc = "to_json($self)\n--\n\n간결한 JSON 텍스트를 돌려준다.";

// An optional Config argument: None or absent gives the defaults.
bool to_config(ModuleState* st, PyObject* o, const char* param, Config& out);

// An entity kind given by its snake-case name: a non-str raises TypeError naming the parameter,
// an unknown name ValueError "unknown entity {name:?}; expected one of {names}".
bool to_entity(PyObject* o, const char* param, EntityKind& out);

inline bool from_python(ModuleState*, PyObject* o, const char* param, EntityKind& out) {
  return to_entity(o, param, out);
}
inline bool from_python(ModuleState* st, PyObject* o, const char* param, Config& out) {
  return to_config(st, o, param, out);
}

}  // namespace norvane::py
