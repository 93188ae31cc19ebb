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

// The n items of a state tuple.
bool items_of(PyObject* o, const char* what, Py_ssize_t n, PyObject* const*& items) {
  if (!PyTuple_Check(o))
    return refuse(PyExc_TypeError, what, std::string("expected a tuple, got ") + Py_TYPE(o)->tp_name);
  if (PyTuple_GET_SIZE(o) != n)
    return refuse(PyExc_ValueError, what,
                  "expected " + std::to_string(n) + " items, got " + std::to_string(PyTuple_GET_SIZE(o)));
  items = reinterpret_cast<PyTupleObject*>(o)->ob_item;
  return true;
}

// Reads every item of a tuple of any length into out.
template <class T, class Read>
bool read_all(PyObject* o, const char* what, std::vector<T>& out, Read&& read) {
  if (!PyTuple_Check(o))
    return refuse(PyExc_TypeError, what, std::string("expected a tuple, got ") + Py_TYPE(o)->tp_name);
  out.resize(static_cast<std::size_t>(PyTuple_GET_SIZE(o)));
  for (std::size_t i = 0; i < out.size(); ++i)
    if (!read(PyTuple_GET_ITEM(o, static_cast<Py_ssize_t>(i)), out[i])) return false;
  return true;
}

// A tuple holding convert(item) for every item.
template <class Range, class Convert>
PyObject* tuple_of(const Range& items, Convert&& convert) {
  Ref list = Ref::steal(list_of(items, convert));
  return list ? PyList_AsTuple(list.get()) : nullptr;
}

// An enumerator given by its name; count is the number of enumerators.
template <class E>
bool read_name(PyObject* o, const char* what, std::size_t count, std::string_view (*name_of)(E), E& out) {
  std::string_view name;
  if (!to_text(o, what, name)) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (name_of(static_cast<E>(i)) == name) {
      out = static_cast<E>(i);
      return true;
    }
  }
  return refuse(PyExc_ValueError, what, "unknown name " + debug_quoted(name));
}

bool read_u16(PyObject* o, const char* what, std::uint16_t& out) {
  std::uint32_t v = 0;
  if (!to_u32(o, what, v)) return false;
  if (v > 0xFFFF) {
    PyErr_SetString(PyExc_OverflowError, "out of range integral type conversion attempted");
    return false;
  }
  out = static_cast<std::uint16_t>(v);
  return true;
}

// A text the core keeps as a view of static or interned storage.
bool read_interned(PyObject* o, const char* what, std::string_view& out) {
  std::string_view text;
  if (!to_text(o, what, text)) return false;
  out = intern_rule(text);
  return true;
}

// A string field of the core value.
bool read_string(PyObject* o, const char* what, std::string& out) {
  std::string_view text;
  if (!to_text(o, what, text)) return false;
  out.assign(text);
  return true;
}

std::string span_text(const Span& s) {
  return std::to_string(s.byte_start) + ".." + std::to_string(s.byte_end) + " (chars " +
         std::to_string(s.char_start) + ".." + std::to_string(s.char_end) + ")";
}

// ----------------------------------------------------------------------------------------------
// Spans, costs and rule lists

PyObject* span_state(const Span& s) {
  return Py_BuildValue("(kkkk)", static_cast<unsigned long>(s.byte_start), static_cast<unsigned long>(s.byte_end),
                       static_cast<unsigned long>(s.char_start), static_cast<unsigned long>(s.char_end));
}

bool read_span(PyObject* o, const char* what, Span& out) {
  PyObject* const* v;
  return items_of(o, what, 4, v) && to_u32(v[0], what, out.byte_start) && to_u32(v[1], what, out.byte_end) &&
         to_u32(v[2], what, out.char_start) && to_u32(v[3], what, out.char_end);
}

// A span of a real text: in order, and each character one to four bytes long.
bool read_text_span(PyObject* o, const char* what, Span& out) {
  if (!read_span(o, what, out)) return false;
  if (out.byte_end < out.byte_start || out.char_end < out.char_start || out.char_len() > out.byte_len() ||
      out.byte_len() > 4ull * out.char_len())
    return refuse(PyExc_ValueError, what, "span " + span_text(out) + " is reversed or its lengths disagree");
  return true;
}

PyObject* cost_state(const NormalizationCost& c) {
  return Py_BuildValue("(IIII)", c.absorbed_whitespace, c.absorbed_separators, c.expanded_syllables,
                       c.replaced_chars);
}

bool read_cost(PyObject* o, const char* what, NormalizationCost& out) {
  PyObject* const* v;
  return items_of(o, what, 4, v) && read_u16(v[0], what, out.absorbed_whitespace) &&
         read_u16(v[1], what, out.absorbed_separators) && read_u16(v[2], what, out.expanded_syllables) &&
         read_u16(v[3], what, out.replaced_chars);
}

PyObject* rules_state(const RuleList& rules) {
  return tuple_of(rules, [](RuleName rule) { return str(rule); });
}

// Rule lists are sorted by bytes without duplicates wherever the library makes them.
bool read_rules(PyObject* o, const char* what, RuleList& out) {
  if (!read_all(o, what, out, [&](PyObject* item, RuleName& rule) { return read_interned(item, what, rule); }))
    return false;
  if (std::adjacent_find(out.begin(), out.end(), std::greater_equal<>()) != out.end())
    return refuse(PyExc_ValueError, what, "rule names must be sorted and distinct");
  return true;
}

// ----------------------------------------------------------------------------------------------
// Segments and maps

PyObject* segment_state(const Segment& s) {
  return Py_BuildValue("(NNNNN)", str(segment_kind_name(s.kind)), span_state(s.src), span_state(s.dst),
                       rules_state(s.rules), cost_state(s.cost));
}

bool read_segment(PyObject* o, Segment& out) {
  PyObject* const* v;
  return items_of(o, "Segment", 5, v) &&
         read_name(v[0], "Segment.kind", static_cast<std::size_t>(SegmentKind::expand) + 1, segment_kind_name,
                   out.kind) &&
         read_span(v[1], "Segment.src", out.src) && read_span(v[2], "Segment.dst", out.dst) &&
         read_rules(v[3], "Segment.rules", out.rules) && read_cost(v[4], "Segment.cost", out.cost);
}

// The core's own invariants, or ValueError with its message.
bool check_map(const SpanMap& map, const char* what) {
  Result<void> valid = map.validate();
  return valid || refuse(PyExc_ValueError, what, valid.error().text());
}

bool read_map(PyObject* o, const char* what, SpanMap& out) {
  return read_all(o, what, out.segments, read_segment) && check_map(out, what);
}

PyObject* map_state(const SpanMap& map) { return tuple_of(map.segments, segment_state); }

// ----------------------------------------------------------------------------------------------
// Detection results

PyObject* hit_state(const ContextHit& h) {
  return Py_BuildValue("(Nkd)", str(h.cue), static_cast<unsigned long>(h.distance), static_cast<double>(h.weight));
}

bool read_hit(PyObject* o, ContextHit& out) {
  PyObject* const* v;
  return items_of(o, "ContextHit", 3, v) && read_interned(v[0], "ContextHit.cue", out.cue) &&
         to_u32(v[1], "ContextHit.distance", out.distance) && to_f32(v[2], "ContextHit.weight", out.weight);
}

std::string_view checksum_kind_name(ChecksumResult::Kind kind) { return checksum_name({kind, {}}); }

PyObject* evidence_state(const Evidence& e) {
  const bool has_reason = e.checksum.kind == ChecksumResult::Kind::not_applicable;
  return Py_BuildValue("(NNNNNNO)", str(e.rule), str(checksum_kind_name(e.checksum.kind)),
                       has_reason ? str(e.checksum.reason) : Py_NewRef(Py_None),
                       tuple_of(e.context_hits, hit_state), rules_state(e.normalizations), cost_state(e.cost),
                       e.snapped ? Py_True : Py_False);
}

bool read_evidence(PyObject* o, Evidence& out) {
  PyObject* const* v;
  if (!items_of(o, "Evidence", 7, v) || !read_interned(v[0], "Evidence.rule", out.rule) ||
      !read_name(v[1], "Evidence.checksum", static_cast<std::size_t>(ChecksumResult::Kind::not_applicable) + 1,
                 checksum_kind_name, out.checksum.kind))
    return false;
  // A reason exactly when the checksum does not apply.
  if (out.checksum.kind == ChecksumResult::Kind::not_applicable) {
    if (!read_interned(v[2], "Evidence.checksum_reason", out.checksum.reason)) return false;
  } else if (v[2] != Py_None) {
    return refuse(PyExc_ValueError, "Evidence.checksum_reason", "only a checksum that does not apply has a reason");
  }
  return read_all(v[3], "Evidence.context_hits", out.context_hits, read_hit) &&
         read_rules(v[4], "Evidence.normalizations", out.normalizations) &&
         read_cost(v[5], "Evidence.cost", out.cost) && to_bool(v[6], "Evidence.snapped", out.snapped);
}

PyObject* finding_state(const Finding& f) {
  return Py_BuildValue("(NNNNdN)", str(entity_name(f.entity)), span_state(f.source), span_state(f.normalized),
                       str(certainty_name(f.certainty)), static_cast<double>(f.score), evidence_state(f.evidence));
}

bool read_finding(PyObject* o, Finding& out) {
  PyObject* const* v;
  return items_of(o, "Finding", 6, v) && to_entity(v[0], "Finding.entity", out.entity) &&
         read_text_span(v[1], "Finding.source", out.source) &&
         read_text_span(v[2], "Finding.normalized", out.normalized) &&
         read_name(v[3], "Finding.certainty", static_cast<std::size_t>(Certainty::certain) + 1, certainty_name,
                   out.certainty) &&
         to_f32(v[4], "Finding.score", out.score) && read_evidence(v[5], out.evidence);
}

PyObject* rejection_state(const Rejection& r) {
  return Py_BuildValue("(NNNd)", str(entity_name(r.entity)), span_state(r.source), str(reject_reason_name(r.reason)),
                       static_cast<double>(r.score));
}

bool read_rejection(PyObject* o, Rejection& out) {
  PyObject* const* v;
  return items_of(o, "Rejection", 4, v) && to_entity(v[0], "Rejection.entity", out.entity) &&
         read_text_span(v[1], "Rejection.source", out.source) &&
         read_name(v[2], "Rejection.reason", static_cast<std::size_t>(RejectReason::business_context) + 1,
                   reject_reason_name, out.reason) &&
         to_f32(v[3], "Rejection.score", out.score);
}

// Findings and rejections come in source order, as detection sorts them.
template <class T>
bool read_in_source_order(PyObject* o, const char* what, std::vector<T>& out, bool (*read)(PyObject*, T&)) {
  if (!read_all(o, what, out, read)) return false;
  auto before = [](const T& a, const T& b) {
    return std::pair(a.source.byte_start, a.source.byte_end) < std::pair(b.source.byte_start, b.source.byte_end);
  };
  return std::is_sorted(out.begin(), out.end(), before) ||
         refuse(PyExc_ValueError, what, "items must be in source order");
}

// ----------------------------------------------------------------------------------------------
// Policies and restore maps

PyObject* policy_state(const Policy& p) {
  PyObject* name = str(policy_kind_name(p.kind));
  switch (p.kind) {
    case Policy::Kind::redact_fill:
      return Py_BuildValue("(N(N))", name, PyUnicode_FromOrdinal(static_cast<int>(p.fill)));
    case Policy::Kind::redact_fixed:
      return Py_BuildValue("(N(N))", name, str(p.text));
    case Policy::Kind::partial:
      return Py_BuildValue("(N(KKN))", name, static_cast<unsigned long long>(p.keep_prefix),
                           static_cast<unsigned long long>(p.keep_suffix), PyUnicode_FromOrdinal(static_cast<int>(p.fill)));
    case Policy::Kind::hash:
      return Py_BuildValue("(N(y#K))", name, p.key.data(), static_cast<Py_ssize_t>(p.key.size()),
                           static_cast<unsigned long long>(p.length));
    default:
      return Py_BuildValue("(N())", name);
  }
}

// A policy is rebuilt by the static constructor of its kind, with every check and message of it.
bool read_policy(ModuleState* st, PyObject* o, Policy& out) {
  PyObject* const* v;
  Policy::Kind kind;
  if (!items_of(o, "Policy", 2, v) ||
      !read_name(v[0], "Policy.kind", static_cast<std::size_t>(Policy::Kind::tokenize) + 1, policy_kind_name, kind))
    return false;
  if (!PyTuple_Check(v[1]))
    return refuse(PyExc_TypeError, "Policy", std::string("expected a tuple of arguments, got ") + Py_TYPE(v[1])->tp_name);
  Ref constructor = Ref::steal(PyObject_GetAttr(reinterpret_cast<PyObject*>(st->type(TypeId::Policy)), v[0]));
  Ref policy = Ref::steal(constructor ? PyObject_Call(constructor.get(), v[1], nullptr) : nullptr);
  if (!policy) return false;
  out = value_of<Policy>(policy.get());
  return true;
}

PyObject* entry_state(const RestoreEntry& e) {
  return Py_BuildValue("(NNN)", str(e.token), str(e.original), str(entity_name(e.entity)));
}

// Restore maps travel as their JSON, read back by the same reader as RestoreMap.from_json.
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
// The codecs

PyObject* Codec<Span>::state(ModuleState*, const Span& v) { return span_state(v); }
bool Codec<Span>::read(ModuleState*, PyObject* o, Span& out) { return read_span(o, "Span", out); }

PyObject* Codec<NormalizationCost>::state(ModuleState*, const NormalizationCost& v) { return cost_state(v); }
bool Codec<NormalizationCost>::read(ModuleState*, PyObject* o, NormalizationCost& out) {
  return read_cost(o, "NormalizationCost", out);
}

PyObject* Codec<Segment>::state(ModuleState*, const Segment& v) { return segment_state(v); }
// A segment alone must pass the map checks as the only segment of a map starting at its start.
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

PyObject* Codec<SourceSpan>::state(ModuleState*, const SourceSpan& v) {
  return Py_BuildValue("(NONN)", span_state(v.span), v.snapped ? Py_True : Py_False, rules_state(v.rules),
                       cost_state(v.cost));
}
bool Codec<SourceSpan>::read(ModuleState*, PyObject* o, SourceSpan& out) {
  PyObject* const* v;
  return items_of(o, "SourceSpan", 4, v) && read_text_span(v[0], "SourceSpan.span", out.span) &&
         to_bool(v[1], "SourceSpan.snapped", out.snapped) && read_rules(v[2], "SourceSpan.rules", out.rules) &&
         read_cost(v[3], "SourceSpan.cost", out.cost);
}

PyObject* Codec<SpanMap>::state(ModuleState*, const SpanMap& v) { return map_state(v); }
bool Codec<SpanMap>::read(ModuleState*, PyObject* o, SpanMap& out) { return read_map(o, "SpanMap", out); }

PyObject* Codec<Normalized>::state(ModuleState*, const Normalized& v) {
  return Py_BuildValue("(NN)", str(v.text), map_state(v.map));
}
// The map must end where the text does.
bool Codec<Normalized>::read(ModuleState*, PyObject* o, Normalized& out) {
  PyObject* const* v;
  if (!items_of(o, "Normalized", 2, v) || !read_string(v[0], "Normalized.text", out.text) ||
      !read_map(v[1], "Normalized.map", out.map))
    return false;
  const Position end{static_cast<std::uint32_t>(out.text.size()),
                     static_cast<std::uint32_t>(utf8::count_chars(out.text))};
  return out.map.dst_end() == end ||
         refuse(PyExc_ValueError, "Normalized", "the map does not end where the text does");
}

PyObject* Codec<ContextHit>::state(ModuleState*, const ContextHit& v) { return hit_state(v); }
bool Codec<ContextHit>::read(ModuleState*, PyObject* o, ContextHit& out) { return read_hit(o, out); }

PyObject* Codec<Evidence>::state(ModuleState*, const Evidence& v) { return evidence_state(v); }
bool Codec<Evidence>::read(ModuleState*, PyObject* o, Evidence& out) { return read_evidence(o, out); }

PyObject* Codec<Finding>::state(ModuleState*, const Finding& v) { return finding_state(v); }
bool Codec<Finding>::read(ModuleState*, PyObject* o, Finding& out) { return read_finding(o, out); }

PyObject* Codec<Rejection>::state(ModuleState*, const Rejection& v) { return rejection_state(v); }
bool Codec<Rejection>::read(ModuleState*, PyObject* o, Rejection& out) { return read_rejection(o, out); }

PyObject* Codec<Report>::state(ModuleState*, const Report& v) {
  return Py_BuildValue("(NNN)", tuple_of(v.findings, finding_state), tuple_of(v.rejections, rejection_state),
                       str(v.normalized_text));
}
bool Codec<Report>::read(ModuleState*, PyObject* o, Report& out) {
  PyObject* const* v;
  return items_of(o, "Report", 3, v) && read_in_source_order(v[0], "Report.findings", out.findings, read_finding) &&
         read_in_source_order(v[1], "Report.rejections", out.rejections, read_rejection) &&
         read_string(v[2], "Report.normalized_text", out.normalized_text);
}

PyObject* Codec<Policy>::state(ModuleState*, const Policy& v) { return policy_state(v); }
bool Codec<Policy>::read(ModuleState* st, PyObject* o, Policy& out) { return read_policy(st, o, out); }

// Overrides in entity order, so that sets that map every entity alike are equal.
PyObject* Codec<PolicySet>::state(ModuleState*, const PolicySet& v) {
  auto overrides = v.overrides;
  std::sort(overrides.begin(), overrides.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return Py_BuildValue("(NN)", policy_state(v.default_policy), tuple_of(overrides, [](const auto& entry) {
                         return Py_BuildValue("(NN)", str(entity_name(entry.first)), policy_state(entry.second));
                       }));
}
bool Codec<PolicySet>::read(ModuleState* st, PyObject* o, PolicySet& out) {
  PyObject* const* v;
  std::vector<std::pair<EntityKind, Policy>> overrides;
  if (!items_of(o, "PolicySet", 2, v) || !read_policy(st, v[0], out.default_policy) ||
      !read_all(v[1], "PolicySet.overrides", overrides, [&](PyObject* item, std::pair<EntityKind, Policy>& entry) {
        PyObject* const* e;
        return items_of(item, "PolicySet.overrides", 2, e) && to_entity(e[0], "PolicySet.overrides", entry.first) &&
               read_policy(st, e[1], entry.second);
      }))
    return false;
  for (auto& [kind, policy] : overrides) {
    const std::size_t before = out.overrides.size();
    out = out.with(kind, std::move(policy));
    if (out.overrides.size() == before)
      return refuse(PyExc_ValueError, "PolicySet", "entity " + debug_quoted(entity_name(kind)) + " is given twice");
  }
  return true;
}

PyObject* Codec<RestoreEntry>::state(ModuleState*, const RestoreEntry& v) { return entry_state(v); }
bool Codec<RestoreEntry>::read(ModuleState*, PyObject* o, RestoreEntry& out) {
  PyObject* const* v;
  return items_of(o, "RestoreEntry", 3, v) && read_string(v[0], "RestoreEntry.token", out.token) &&
         read_string(v[1], "RestoreEntry.original", out.original) && to_entity(v[2], "RestoreEntry.entity", out.entity);
}

PyObject* Codec<RestoreMap>::state(ModuleState*, const RestoreMap& v) { return str(restore_map_to_json(v)); }
bool Codec<RestoreMap>::read(ModuleState*, PyObject* o, RestoreMap& out) { return read_restore(o, out); }

PyObject* Codec<MaskOutput>::state(ModuleState*, const MaskOutput& v) {
  return Py_BuildValue("(NNNN)", str(v.text), tuple_of(v.applied, finding_state), tuple_of(v.skipped, finding_state),
                       v.restore ? str(restore_map_to_json(*v.restore)) : Py_NewRef(Py_None));
}
bool Codec<MaskOutput>::read(ModuleState*, PyObject* o, MaskOutput& out) {
  PyObject* const* v;
  if (!items_of(o, "MaskOutput", 4, v) || !read_string(v[0], "MaskOutput.text", out.text) ||
      !read_all(v[1], "MaskOutput.applied", out.applied, read_finding) ||
      !read_all(v[2], "MaskOutput.skipped", out.skipped, read_finding))
    return false;
  if (v[3] == Py_None) return true;
  return read_restore(v[3], out.restore.emplace());
}

// Config: a dict of every attribute Python can set, by name, and the weights; settings added
// later join by themselves, and a state without them leaves their defaults.
PyObject* Codec<Config>::state(ModuleState* st, const Config& v) {
  Ref object = Ref::steal(wrap(st, v));
  Ref out = Ref::steal(PyDict_New());
  Ref weights = Ref::steal(PyDict_New());
  if (!object || !out || !weights) return nullptr;
  for (PyGetSetDef* def = st->type(TypeId::Config)->tp_getset; def && def->name; ++def) {
    if (!def->set) continue;
    Ref value = Ref::steal(def->get(object.get(), def->closure));
    if (!value || PyDict_SetItemString(out.get(), def->name, value.get()) < 0) return nullptr;
  }
  for (const WeightField& w : kWeightFields) {
    Ref name = Ref::steal(str(w.name));
    Ref value = Ref::steal(PyFloat_FromDouble(static_cast<double>(v.*w.field)));
    if (!name || !value || PyDict_SetItem(weights.get(), name.get(), value.get()) < 0) return nullptr;
  }
  if (PyDict_SetItemString(out.get(), "weights", weights.get()) < 0) return nullptr;
  return out.release();
}

// Each setting goes through its attribute's setter, with the checks and messages of an assignment.
bool Codec<Config>::read(ModuleState* st, PyObject* o, Config& out) {
  if (!PyDict_Check(o))
    return refuse(PyExc_TypeError, "Config", std::string("expected a dict, got ") + Py_TYPE(o)->tp_name);
  Ref object = Ref::steal(wrap(st, Config{}));
  if (!object) return false;
  Config& config = value_of<Config>(object.get());
  Py_ssize_t pos = 0;
  PyObject *key, *value;
  while (PyDict_Next(o, &pos, &key, &value)) {
    std::string_view name;
    if (!to_text(key, "Config", name)) return false;
    if (name == "weights") {
      if (!PyDict_Check(value))
        return refuse(PyExc_TypeError, "Config.weights", std::string("expected a dict, got ") + Py_TYPE(value)->tp_name);
      Py_ssize_t wpos = 0;
      PyObject *wkey, *wvalue;
      while (PyDict_Next(value, &wpos, &wkey, &wvalue)) {
        std::string_view weight;
        if (!to_text(wkey, "Config.weights", weight)) return false;
        auto field = std::find_if(kWeightFields.begin(), kWeightFields.end(),
                                  [&](const WeightField& w) { return w.name == weight; });
        if (field == kWeightFields.end())
          return refuse(PyExc_ValueError, "Config", "unknown weight " + debug_quoted(weight));
        if (!to_f32(wvalue, "Config.weights", config.*field->field)) return false;
      }
      continue;
    }
    PyGetSetDef* def = st->type(TypeId::Config)->tp_getset;
    while (def && def->name && (!def->set || name != def->name)) ++def;
    if (!def || !def->name) return refuse(PyExc_ValueError, "Config", "unknown setting " + debug_quoted(name));
    if (def->set(object.get(), value, def->closure) < 0) return false;
  }
  out = config;
  return true;
}

}  // namespace norvane::py
