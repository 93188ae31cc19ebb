// The pickled state of every class: plain Python data out, and back in through every check the
// core makes, so that no state, however made, builds a value the library could not have made.
#include <algorithm>
#include <string>

#include "mask/restore_json.hpp"
#include "python/classes.hpp"
#include "span/utf8.hpp"

namespace norvane::py {

namespace {

// Raises "cannot unpickle <what>: <message>"; returns false.
bool refuse(PyObject* exception, const char* what, const std::string& message) {
  PyErr_Format(exception, "cannot unpickle %s: %s", what, message.c_str());
  return false;
}

bool not_a(const char* expected, PyObject* o, const char* what) {
  return refuse(PyExc_TypeError, what,
                std::string("expected a ") + expected + ", got " + Py_TYPE(o)->tp_name);
}

// The n items of a state tuple.
bool items_of(PyObject* o, const char* what, Py_ssize_t n, PyObject* const*& items) {
  if (!PyTuple_Check(o)) return not_a("tuple", o, what);
  if (PyTuple_GET_SIZE(o) != n)
    return refuse(
        PyExc_ValueError, what,
        "expected " + std::to_string(n) + " items, got " + std::to_string(PyTuple_GET_SIZE(o)));
  items = reinterpret_cast<PyTupleObject*>(o)->ob_item;
  return true;
}

// Every item of a tuple of any length, read into out.
template <class T, class Read>
bool read_all(PyObject* o, const char* what, std::vector<T>& out, Read&& read) {
  if (!PyTuple_Check(o)) return not_a("tuple", o, what);
  out.resize(static_cast<std::size_t>(PyTuple_GET_SIZE(o)));
  for (std::size_t i = 0; i < out.size(); ++i)
    if (!read(PyTuple_GET_ITEM(o, static_cast<Py_ssize_t>(i)), out[i])) return false;
  return true;
}

template <class T>
bool read_all(ModuleState* st, PyObject* o, const char* what, std::vector<T>& out) {
  return read_all(o, what, out,
                  [&](PyObject* item, T& value) { return Codec<T>::read(st, item, value); });
}

// A tuple holding convert(item) for every item.
template <class Range, class Convert>
PyObject* tuple_of(const Range& items, Convert&& convert) {
  Ref list = Ref::steal(list_of(items, convert));
  return list ? PyList_AsTuple(list.get()) : nullptr;
}

template <class T>
PyObject* states_of(ModuleState* st, const std::vector<T>& items) {
  return tuple_of(items, [&](const T& item) { return Codec<T>::state(st, item); });
}

// An enumerator given by its name. Enumerators count from 0 and every name function answers any
// value of the 8-bit type, so the first value that has the name is its enumerator.
template <class E>
bool read_name(PyObject* o, const char* what, std::string_view (*name_of)(E), E& out) {
  static_assert(sizeof(E) == 1);
  std::string_view name;
  if (!to_text(o, what, name)) return false;
  for (unsigned i = 0; i < 256; ++i) {
    if (name_of(static_cast<E>(i)) == name) {
      out = static_cast<E>(i);
      return true;
    }
  }
  return refuse(PyExc_ValueError, what, "unknown name " + debug_quoted(name));
}

bool read_u16(PyObject* o, const char* what, std::uint16_t& out) {
  std::uint32_t v = 0;
  return to_u32(o, what, v, 0xFFFF) && (out = static_cast<std::uint16_t>(v), true);
}

// A text the core keeps as a view of static or interned storage.
bool read_interned(PyObject* o, const char* what, std::string_view& out) {
  std::string_view text;
  if (!to_text(o, what, text)) return false;
  out = intern_rule(text);
  return true;
}

PyObject* flag(bool b) { return b ? Py_True : Py_False; }

// Spans travel as (byte_start, byte_end, char_start, char_end).
bool read_span(PyObject* o, const char* what, Span& out) {
  PyObject* const* v;
  return items_of(o, what, 4, v) && to_u32(v[0], what, out.byte_start) &&
         to_u32(v[1], what, out.byte_end) && to_u32(v[2], what, out.char_start) &&
         to_u32(v[3], what, out.char_end);
}

// A span of a real text: in order, and each character one to four bytes long.
bool read_text_span(PyObject* o, const char* what, Span& out) {
  if (!read_span(o, what, out)) return false;
  std::optional<std::string> problem = text_span_problem(out);
  return !problem || refuse(PyExc_ValueError, what, *problem);
}

PyObject* rules_state(std::span<const RuleName> rules) {
  return tuple_of(rules, [](RuleName rule) { return str(rule); });
}

// Rule lists are sorted by bytes without duplicates wherever the library makes them.
bool read_rules(PyObject* o, const char* what, RuleList& out) {
  if (!read_all(o, what, out,
                [&](PyObject* item, RuleName& rule) { return read_interned(item, what, rule); }))
    return false;
  return std::adjacent_find(out.begin(), out.end(), std::greater_equal<>()) == out.end() ||
         refuse(PyExc_ValueError, what, "rule names must be sorted and distinct");
}

bool read_rule_set(PyObject* o, const char* what, RuleSet& out) {
  RuleList rules;
  if (!read_rules(o, what, rules)) return false;
  out = RuleSet::of(rules);
  return true;
}

// The fields of a segment; the checks are those of the map it belongs to.
bool read_segment(PyObject* o, Segment& out) {
  PyObject* const* v;
  return items_of(o, "Segment", 5, v) &&
         read_name(v[0], "Segment.kind", segment_kind_name, out.kind) &&
         read_span(v[1], "Segment.src", out.src) && read_span(v[2], "Segment.dst", out.dst) &&
         read_rule_set(v[3], "Segment.rules", out.rules) &&
         Codec<NormalizationCost>::read(nullptr, v[4], out.cost);
}

// The core's own invariants, or ValueError with its message.
bool check_map(const SpanMap& map, const char* what) {
  Result<void> valid = map.validate();
  return valid || refuse(PyExc_ValueError, what, valid.error().text());
}

// Findings and rejections come in source order, as detection sorts them.
template <class T>
bool read_in_source_order(ModuleState* st, PyObject* o, const char* what, std::vector<T>& out) {
  auto key = [](const T& x) { return std::pair(x.source.byte_start, x.source.byte_end); };
  return read_all(st, o, what, out) &&
         (std::is_sorted(out.begin(), out.end(),
                         [&](const T& a, const T& b) { return key(a) < key(b); }) ||
          refuse(PyExc_ValueError, what, "items must be in source order"));
}

std::string_view checksum_kind_name(ChecksumResult::Kind kind) { return checksum_name({kind, {}}); }

PyObject* fill_text(char32_t fill) { return PyUnicode_FromOrdinal(static_cast<int>(fill)); }

// Restore maps travel as their JSON, read back by the reader of RestoreMap.from_json.
bool read_restore(PyObject* o, RestoreMap& out) {
  std::string_view text;
  if (!to_text(o, "RestoreMap", text)) return false;
  auto map = restore_map_from_json(text);
  if (!map) return refuse(PyExc_ValueError, "RestoreMap", map.error());
  out = std::move(*map);
  return true;
}

}  // namespace

// ----------------------------------------------------------------------------------------------
// Span layer

PyObject* Codec<Span>::state(ModuleState*, const Span& s) {
  return Py_BuildValue(
      "(kkkk)", static_cast<unsigned long>(s.byte_start), static_cast<unsigned long>(s.byte_end),
      static_cast<unsigned long>(s.char_start), static_cast<unsigned long>(s.char_end));
}
bool Codec<Span>::read(ModuleState*, PyObject* o, Span& out) { return read_span(o, "Span", out); }

PyObject* Codec<NormalizationCost>::state(ModuleState*, const NormalizationCost& c) {
  const auto& [whitespace, separators, syllables, replaced] = c;
  return Py_BuildValue("(IIII)", whitespace, separators, syllables, replaced);
}
bool Codec<NormalizationCost>::read(ModuleState*, PyObject* o, NormalizationCost& out) {
  PyObject* const* v;
  const char* what = "NormalizationCost";
  return items_of(o, what, 4, v) && read_u16(v[0], what, out.absorbed_whitespace) &&
         read_u16(v[1], what, out.absorbed_separators) &&
         read_u16(v[2], what, out.expanded_syllables) && read_u16(v[3], what, out.replaced_chars);
}

PyObject* Codec<Segment>::state(ModuleState* st, const Segment& s) {
  const auto& [rules, src, dst, cost, kind] = s;
  return Py_BuildValue("(NNNNN)", str(segment_kind_name(kind)), Codec<Span>::state(st, src),
                       Codec<Span>::state(st, dst), rules_state(rules.names()),
                       Codec<NormalizationCost>::state(st, cost));
}
// A segment alone must pass the map checks as the only segment of a map that starts where it does.
bool Codec<Segment>::read(ModuleState*, PyObject* o, Segment& out) {
  if (!read_segment(o, out)) return false;
  if (out.src.byte_end < out.src.byte_start || out.src.char_end < out.src.char_start ||
      out.dst.byte_end < out.dst.byte_start || out.dst.char_end < out.dst.char_start)
    return refuse(PyExc_ValueError, "Segment", "reversed range");
  Segment alone = out;
  alone.src = Span{0, out.src.byte_len(), 0, out.src.char_len()};
  alone.dst = Span{0, out.dst.byte_len(), 0, out.dst.char_len()};
  return check_map(SpanMap({std::move(alone)}), "Segment");
}

PyObject* Codec<SourceSpan>::state(ModuleState* st, const SourceSpan& s) {
  const auto& [span, snapped, rules, cost] = s;
  return Py_BuildValue("(NONN)", Codec<Span>::state(st, span), flag(snapped),
                       rules_state(rules.names()),
                       Codec<NormalizationCost>::state(st, cost));
}
bool Codec<SourceSpan>::read(ModuleState* st, PyObject* o, SourceSpan& out) {
  PyObject* const* v;
  return items_of(o, "SourceSpan", 4, v) && read_text_span(v[0], "SourceSpan.span", out.span) &&
         to_bool(v[1], "SourceSpan.snapped", out.snapped) &&
         read_rule_set(v[2], "SourceSpan.rules", out.rules) &&
         Codec<NormalizationCost>::read(st, v[3], out.cost);
}

PyObject* Codec<SpanMap>::state(ModuleState* st, const SpanMap& map) {
  return states_of(st, map.segments());
}
bool Codec<SpanMap>::read(ModuleState*, PyObject* o, SpanMap& out) {
  std::vector<Segment> segments;
  if (!read_all(o, "SpanMap", segments, read_segment)) return false;
  out = SpanMap(segments);
  return check_map(out, "SpanMap");
}

// ----------------------------------------------------------------------------------------------
// Normalization

PyObject* Codec<Normalized>::state(ModuleState* st, const Normalized& n) {
  const auto& [text, map] = n;
  return Py_BuildValue("(NN)", str(text), Codec<SpanMap>::state(st, map));
}
// The map must end where the text does.
bool Codec<Normalized>::read(ModuleState* st, PyObject* o, Normalized& out) {
  PyObject* const* v;
  if (!items_of(o, "Normalized", 2, v) ||
      !from_python(nullptr, v[0], "Normalized.text", out.text) ||
      !Codec<SpanMap>::read(st, v[1], out.map))
    return false;
  const Position end{static_cast<std::uint32_t>(out.text.size()),
                     static_cast<std::uint32_t>(utf8::count_chars(out.text))};
  return out.map.dst_end() == end ||
         refuse(PyExc_ValueError, "Normalized", "the map does not end where the text does");
}

// Config: a dict of every attribute Python can set, by name, and a dict of the weights; settings
// added later join by themselves, and a state without them leaves their defaults.
PyObject* Codec<Config>::state(ModuleState* st, const Config& config) {
  Ref object = Ref::steal(wrap(st, config));
  Ref out = Ref::steal(PyDict_New());
  Ref weights = Ref::steal(PyDict_New());
  if (!object || !out || !weights) return nullptr;
  for (PyGetSetDef* def = st->type(TypeId::Config)->tp_getset; def->name; ++def) {
    if (!def->set) continue;
    Ref value = Ref::steal(def->get(object.get(), def->closure));
    if (!value || PyDict_SetItemString(out.get(), def->name, value.get()) < 0) return nullptr;
  }
  for (const WeightField& w : kWeightFields) {
    Ref value = Ref::steal(PyFloat_FromDouble(static_cast<double>(config.*w.field)));
    if (!value || PyDict_SetItemString(weights.get(), std::string(w.name).c_str(), value.get()) < 0)
      return nullptr;
  }
  if (PyDict_SetItemString(out.get(), "weights", weights.get()) < 0) return nullptr;
  return out.release();
}

// Each setting goes through its attribute's setter: the checks and messages of an assignment.
// A setter may run Python code (a value's __index__ or __float__) that changes the state's dicts:
// each dict is read from a copy, which also holds its keys and values alive.
bool Codec<Config>::read(ModuleState* st, PyObject* given, Config& out) {
  if (!PyDict_Check(given)) return not_a("dict", given, "Config");
  Ref object = Ref::steal(wrap(st, Config{}));
  Ref state = Ref::steal(PyDict_Copy(given));
  if (!object || !state) return false;
  Config& config = value_of<Config>(object.get());
  Py_ssize_t pos = 0;
  PyObject *key, *value;
  while (PyDict_Next(state.get(), &pos, &key, &value)) {
    std::string_view name;
    if (!to_text(key, "Config", name)) return false;
    if (name == "weights") {
      if (!PyDict_Check(value)) return not_a("dict", value, "Config.weights");
      Ref weights = Ref::steal(PyDict_Copy(value));
      if (!weights) return false;
      Py_ssize_t at = 0;
      PyObject *weight, *number;
      while (PyDict_Next(weights.get(), &at, &weight, &number)) {
        if (!to_text(weight, "Config.weights", name)) return false;
        auto field = std::find_if(kWeightFields.begin(), kWeightFields.end(),
                                  [&](const WeightField& w) { return w.name == name; });
        if (field == kWeightFields.end())
          return refuse(PyExc_ValueError, "Config", "unknown weight " + debug_quoted(name));
        if (!to_f32(number, "Config.weights", config.*field->field)) return false;
      }
      continue;
    }
    PyGetSetDef* def = st->type(TypeId::Config)->tp_getset;
    while (def->name && (!def->set || name != def->name)) ++def;
    if (!def->name)
      return refuse(PyExc_ValueError, "Config", "unknown setting " + debug_quoted(name));
    if (def->set(object.get(), value, def->closure) < 0) return false;
  }
  out = config;
  return true;
}

// ----------------------------------------------------------------------------------------------
// Detection

PyObject* Codec<ContextHit>::state(ModuleState*, const ContextHit& h) {
  const auto& [cue, distance, weight] = h;
  return Py_BuildValue("(Nkd)", str(cue), static_cast<unsigned long>(distance),
                       static_cast<double>(weight));
}
bool Codec<ContextHit>::read(ModuleState*, PyObject* o, ContextHit& out) {
  PyObject* const* v;
  return items_of(o, "ContextHit", 3, v) && read_interned(v[0], "ContextHit.cue", out.cue) &&
         to_u32(v[1], "ContextHit.distance", out.distance) &&
         to_f32(v[2], "ContextHit.weight", out.weight);
}

PyObject* Codec<Evidence>::state(ModuleState* st, const Evidence& e) {
  const auto& [rule, checksum, context_hits, normalizations, cost, snapped, extensions] = e;
  const bool has_reason = checksum.kind == ChecksumResult::Kind::not_applicable;
  return Py_BuildValue("(NNNNNNON)", str(rule), str(checksum_kind_name(checksum.kind)),
                       has_reason ? str(checksum.reason()) : Py_NewRef(Py_None),
                       states_of(st, context_hits), rules_state(normalizations.names()),
                       Codec<NormalizationCost>::state(st, cost), flag(snapped),
                       rules_state(extensions.names()));
}
// Extensions are listed in the order they applied, so they need not be sorted.
bool Codec<Evidence>::read(ModuleState* st, PyObject* o, Evidence& out) {
  PyObject* const* v;
  auto read_extension = [](PyObject* item, RuleName& rule) {
    return read_interned(item, "Evidence.extensions", rule);
  };
  if (!items_of(o, "Evidence", 8, v) || !read_interned(v[0], "Evidence.rule", out.rule) ||
      !read_name(v[1], "Evidence.checksum", checksum_kind_name, out.checksum.kind))
    return false;
  // A reason exactly when the checksum does not apply.
  if (out.checksum.kind == ChecksumResult::Kind::not_applicable) {
    RuleName reason;
    if (!read_interned(v[2], "Evidence.checksum_reason", reason)) return false;
    out.checksum = ChecksumResult::not_applicable(reason);
  } else if (v[2] != Py_None) {
    return refuse(PyExc_ValueError, "Evidence.checksum_reason",
                  "only a checksum that does not apply has a reason");
  }
  RuleList extensions;
  if (!(read_all(st, v[3], "Evidence.context_hits", out.context_hits) &&
        read_rule_set(v[4], "Evidence.normalizations", out.normalizations) &&
        Codec<NormalizationCost>::read(st, v[5], out.cost) &&
        to_bool(v[6], "Evidence.snapped", out.snapped) &&
        read_all(v[7], "Evidence.extensions", extensions, read_extension)))
    return false;
  out.extensions = RuleSequence::of(extensions);
  return true;
}

PyObject* Codec<Finding>::state(ModuleState* st, const Finding& f) {
  const auto& [entity, certainty, source, normalized, score, evidence] = f;
  return Py_BuildValue("(NNNNdN)", str(entity_name(entity)), Codec<Span>::state(st, source),
                       Codec<Span>::state(st, normalized), str(certainty_name(certainty)),
                       static_cast<double>(score), Codec<Evidence>::state(st, evidence));
}
bool Codec<Finding>::read(ModuleState* st, PyObject* o, Finding& out) {
  PyObject* const* v;
  return items_of(o, "Finding", 6, v) && from_python(st, v[0], "Finding.entity", out.entity) &&
         read_text_span(v[1], "Finding.source", out.source) &&
         read_text_span(v[2], "Finding.normalized", out.normalized) &&
         read_name(v[3], "Finding.certainty", certainty_name, out.certainty) &&
         to_f32(v[4], "Finding.score", out.score) && Codec<Evidence>::read(st, v[5], out.evidence);
}

PyObject* Codec<Rejection>::state(ModuleState* st, const Rejection& r) {
  const auto& [source, score, entity, reason] = r;
  return Py_BuildValue("(NNNd)", str(entity_name(entity)), Codec<Span>::state(st, source),
                       str(reject_reason_name(reason)), static_cast<double>(score));
}
bool Codec<Rejection>::read(ModuleState*, PyObject* o, Rejection& out) {
  PyObject* const* v;
  return items_of(o, "Rejection", 4, v) &&
         from_python(nullptr, v[0], "Rejection.entity", out.entity) &&
         read_text_span(v[1], "Rejection.source", out.source) &&
         read_name(v[2], "Rejection.reason", reject_reason_name, out.reason) &&
         to_f32(v[3], "Rejection.score", out.score);
}

PyObject* Codec<Report>::state(ModuleState* st, const Report& r) {
  const auto& [findings, rejections, normalized_text] = r;
  return Py_BuildValue("(NNN)", states_of(st, findings), states_of(st, rejections),
                       str(normalized_text));
}
bool Codec<Report>::read(ModuleState* st, PyObject* o, Report& out) {
  PyObject* const* v;
  return items_of(o, "Report", 3, v) &&
         read_in_source_order(st, v[0], "Report.findings", out.findings) &&
         read_in_source_order(st, v[1], "Report.rejections", out.rejections) &&
         from_python(nullptr, v[2], "Report.normalized_text", out.normalized_text);
}

// ----------------------------------------------------------------------------------------------
// Masking

// A policy travels as the static constructor that makes it and that constructor's arguments.
PyObject* Codec<Policy>::state(ModuleState*, const Policy& p) {
  PyObject* name = str(policy_kind_name(p.kind));
  switch (p.kind) {
    case Policy::Kind::redact_fill: return Py_BuildValue("(N(N))", name, fill_text(p.fill));
    case Policy::Kind::redact_fixed: return Py_BuildValue("(N(N))", name, str(p.text));
    case Policy::Kind::partial:
      return Py_BuildValue("(N(KKN))", name, static_cast<unsigned long long>(p.keep_prefix),
                           static_cast<unsigned long long>(p.keep_suffix), fill_text(p.fill));
    case Policy::Kind::hash:
      return Py_BuildValue("(N(y#K))", name, p.key.data(), static_cast<Py_ssize_t>(p.key.size()),
                           static_cast<unsigned long long>(p.length));
    default: return Py_BuildValue("(N())", name);
  }
}
// Calling that constructor again gives every check and message it has.
bool Codec<Policy>::read(ModuleState* st, PyObject* o, Policy& out) {
  PyObject* const* v;
  Policy::Kind kind;
  if (!items_of(o, "Policy", 2, v) || !read_name(v[0], "Policy.kind", policy_kind_name, kind))
    return false;
  if (!PyTuple_Check(v[1])) return not_a("tuple of arguments", v[1], "Policy");
  Ref constructor =
      Ref::steal(PyObject_GetAttr(reinterpret_cast<PyObject*>(st->type(TypeId::Policy)), v[0]));
  Ref policy = Ref::steal(constructor ? PyObject_Call(constructor.get(), v[1], nullptr) : nullptr);
  if (!policy) return false;
  out = value_of<Policy>(policy.get());
  return true;
}

// Overrides in entity order, so that sets that map every entity alike are equal.
PyObject* Codec<PolicySet>::state(ModuleState* st, const PolicySet& set) {
  auto overrides = set.overrides;
  std::sort(overrides.begin(), overrides.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  return Py_BuildValue(
      "(NN)", Codec<Policy>::state(st, set.default_policy), tuple_of(overrides, [&](const auto& e) {
        return Py_BuildValue("(NN)", str(entity_name(e.first)), Codec<Policy>::state(st, e.second));
      }));
}
bool Codec<PolicySet>::read(ModuleState* st, PyObject* o, PolicySet& out) {
  PyObject* const* v;
  std::vector<std::pair<EntityKind, Policy>> overrides;
  auto read_override = [&](PyObject* item, std::pair<EntityKind, Policy>& entry) {
    PyObject* const* e;
    return items_of(item, "PolicySet.overrides", 2, e) &&
           from_python(st, e[0], "PolicySet.overrides", entry.first) &&
           Codec<Policy>::read(st, e[1], entry.second);
  };
  if (!items_of(o, "PolicySet", 2, v) || !Codec<Policy>::read(st, v[0], out.default_policy) ||
      !read_all(v[1], "PolicySet.overrides", overrides, read_override))
    return false;
  for (auto& [kind, policy] : overrides) {
    const std::size_t before = out.overrides.size();
    out = out.with(kind, std::move(policy));
    if (out.overrides.size() == before)
      return refuse(PyExc_ValueError, "PolicySet",
                    "entity " + debug_quoted(entity_name(kind)) + " is given twice");
  }
  return true;
}

PyObject* Codec<RestoreEntry>::state(ModuleState*, const RestoreEntry& e) {
  const auto& [token, original, entity] = e;
  return Py_BuildValue("(NNN)", str(token), str(original), str(entity_name(entity)));
}
bool Codec<RestoreEntry>::read(ModuleState*, PyObject* o, RestoreEntry& out) {
  PyObject* const* v;
  return items_of(o, "RestoreEntry", 3, v) &&
         from_python(nullptr, v[0], "RestoreEntry.token", out.token) &&
         from_python(nullptr, v[1], "RestoreEntry.original", out.original) &&
         from_python(nullptr, v[2], "RestoreEntry.entity", out.entity);
}

PyObject* Codec<RestoreMap>::state(ModuleState*, const RestoreMap& map) {
  return str(restore_map_to_json(map));
}
bool Codec<RestoreMap>::read(ModuleState*, PyObject* o, RestoreMap& out) {
  return read_restore(o, out);
}

PyObject* Codec<MaskOutput>::state(ModuleState* st, const MaskOutput& m) {
  const auto& [text, applied, skipped, restore, token_starts] = m;
  return Py_BuildValue(
      "(NNNNN)", str(text), states_of(st, applied), states_of(st, skipped),
      restore ? Codec<RestoreMap>::state(st, *restore) : Py_NewRef(Py_None),
      tuple_of(token_starts, [](std::size_t at) { return PyLong_FromSize_t(at); }));
}
// Each token of the restore map stands in the text where its start says, in order.
bool Codec<MaskOutput>::read(ModuleState* st, PyObject* o, MaskOutput& out) {
  PyObject* const* v;
  auto read_start = [](PyObject* item, std::size_t& at) {
    std::uint64_t v = 0;
    return to_u64(item, "MaskOutput.token_starts", v) && (at = v, true);
  };
  if (!items_of(o, "MaskOutput", 5, v) ||
      !from_python(nullptr, v[0], "MaskOutput.text", out.text) ||
      !read_all(st, v[1], "MaskOutput.applied", out.applied) ||
      !read_all(st, v[2], "MaskOutput.skipped", out.skipped) ||
      !(v[3] == Py_None || read_restore(v[3], out.restore.emplace())) ||
      !read_all(v[4], "MaskOutput.token_starts", out.token_starts, read_start))
    return false;
  return tokens_in_place(out) || refuse(PyExc_ValueError, "MaskOutput",
                                        "the tokens of the restore map are not where it says");
}

}  // namespace norvane::py
