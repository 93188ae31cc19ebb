"""Pickling, copying and value equality of every public class, hostile pickled states, and
objects crossing process boundaries."""
import concurrent.futures
import copy
import multiprocessing
import pickle

import pytest
from hypothesis import given
from hypothesis import strategies as st

import norvane
from norvane import (
    Config, ContextHit, Evidence, Finding, MaskOutput, NormalizationCost, Normalized, Policy, PolicySet,
    Rejection, Report, RestoreEntry, RestoreMap, Segment, SourceSpan, Span, SpanMap, SpanMapBuilder,
)
from norvane._core import _rebuild
from test_properties import SETTINGS, configs, texts

TEXT = ("연락처: 010-1234-5678, 주민번호 ８８０１０１－１２３４５６８, 카드 4111 1111 1111 1111, "
        "hong@example.co.kr, 주문번호 1234567890, 팔팔공일공일")
POLICIES = (PolicySet(Policy.redact_code())
            .with_entity("resident", Policy.tokenize())
            .with_entity("phone", Policy.partial(3, 4, "#"))
            .with_entity("email", Policy.hash(b"\x00key\xff", 20))
            .with_entity("credit_card", Policy.redact_fill("■"))
            .with_entity("birth_date", Policy.redact_fixed("<생일>")))
PROTOCOLS = range(2, pickle.HIGHEST_PROTOCOL + 1)
# Findings that name extensions, and rejections only the extensions give.
THOROUGH_TEXT = "이름 | 전화\n홍길동 | 01012345678\n상담전화 1566-6671, ip=211.39.29.140 Tel: 010 1234 5678"


def lenient():
    config = Config()
    config.min_score = 0.1
    config.context_window = 60
    config.hangul = False
    config.set_weights(context=0.75, replaced_char=0.5)
    return config


def config_settings(config):
    """Everything a Config holds, as Python sees it (Config compares by identity)."""
    return {name: getattr(config, name) for name in dir(config)
            if not name.startswith("_") and not callable(getattr(config, name))}


def samples():
    """One or more objects of every class that pickles, made by the library itself."""
    report = norvane.detect(TEXT, lenient())
    normalized = norvane.normalize(TEXT)
    out = norvane.mask(TEXT, POLICIES)
    finding = next(f for f in report.findings if f.evidence.context_hits)
    return [
        Span(0, 3, 0, 1), Span(7, 2, 0, 9),
        finding.evidence.cost,
        *normalized.map.segments, normalized.map.to_source(Span(5, 30, 5, 25)), normalized.map, normalized,
        finding.evidence.context_hits[0], finding.evidence, finding, *report.rejections[:3], report,
        *[Policy.redact_label(), Policy.redact_code(), Policy.tokenize(), Policy.redact_fill("x"),
          Policy.redact_fixed(""), Policy.partial(0, 2), Policy.hash([1, 2, 3], 64)],
        PolicySet(), POLICIES, out.restore, *out.restore.entries, out, norvane.mask("", None),
        Config(), lenient(), Config.thorough(), norvane.detect(THOROUGH_TEXT, Config.thorough()),
    ]


def same(a, b):
    assert type(a) is type(b)
    assert repr(a) == repr(b)
    if isinstance(a, Config):
        assert config_settings(a) == config_settings(b)
    else:
        assert a == b and not a != b
    if type(a) not in (Span, Config):
        assert hash(a) == hash(b)


@pytest.mark.parametrize("protocol", PROTOCOLS)
def test_every_class_pickles_to_an_equal_value(protocol):
    objects = samples()
    assert {type(o) for o in objects} == {
        Span, NormalizationCost, Segment, SourceSpan, SpanMap, Normalized, ContextHit, Evidence, Finding,
        Rejection, Report, Policy, PolicySet, RestoreMap, RestoreEntry, MaskOutput, Config}
    for o in objects:
        same(o, pickle.loads(pickle.dumps(o, protocol)))
    # Shared objects stay shared within one pickle.
    policy = Policy.tokenize()
    a, b = pickle.loads(pickle.dumps([policy, policy], protocol))
    assert a is b


@pytest.mark.parametrize("copier", [copy.copy, copy.deepcopy])
def test_every_class_copies_to_an_equal_value(copier):
    for o in samples():
        same(o, copier(o))


def test_extensions_and_their_rejections_travel():
    report = norvane.detect(THOROUGH_TEXT, Config.thorough())
    twin = pickle.loads(pickle.dumps(report))
    assert [f.evidence.extensions for f in twin.findings] == [["context.column_header"], ["context.extra_label"]]
    assert [r.reason for r in twin.rejections] == [r.reason for r in report.rejections]
    assert {"company_number", "look_alike"} <= {r.reason for r in twin.rejections}
    assert twin.to_json() == report.to_json()
    assert repr(pickle.loads(pickle.dumps(Config.thorough()))) == repr(Config.thorough())


def test_evidence_states_keep_their_rule_lists_as_given():
    # Normalization rules are a sorted set; extensions keep their order and repeats, also when
    # several findings share one list or a longer one begins with it.
    lists = [("structure.header", "context.column_header", "structure.header"),
             ("structure.header", "context.column_header"), ("context.column_header",), ()]
    states = [PHONE_EVIDENCE[:4] + (("fold.width", "separator.hyphen"),) + PHONE_EVIDENCE[5:7] + (ext,)
              for ext in lists + lists]
    evidences = [_rebuild(Evidence, st) for st in states]
    assert [tuple(e.extensions) for e in evidences] == lists + lists
    assert [state(e) for e in evidences] == states
    assert {tuple(e.normalizations) for e in evidences} == {("fold.width", "separator.hyphen")}
    assert evidences[0] == evidences[4] and evidences[0] != evidences[1]
    assert '"extensions":["structure.header","context.column_header","structure.header"]' in evidences[0].to_json()


def test_a_copied_config_is_independent():
    original = lenient()
    twin = copy.copy(original)
    twin.min_score = 0.9
    twin.set_weights(context=0.1)
    assert original.min_score == pytest.approx(0.1) and dict(original.weights)["context"] == 0.75


def test_copies_behave_as_the_originals():
    config, policies = pickle.loads(pickle.dumps((lenient(), POLICIES)))
    assert norvane.detect(TEXT, config) == norvane.detect(TEXT, lenient())
    out = norvane.mask(TEXT, policies, config)
    assert out == norvane.mask(TEXT, POLICIES, lenient())
    restore = pickle.loads(pickle.dumps(out.restore))
    assert norvane.unmask(out.text, restore) == norvane.unmask(out.text, out.restore)


def test_builders_refuse_to_pickle():
    builder = SpanMapBuilder()
    for attempt in (lambda: pickle.dumps(builder), lambda: copy.copy(builder)):
        with pytest.raises(TypeError, match="cannot pickle 'norvane.SpanMapBuilder' object"):
            attempt()
    builder.finish()
    with pytest.raises(TypeError, match="cannot pickle"):
        copy.deepcopy(builder)


# ---------------------------------------------------------------------------------------------
# Equality


def test_equal_values_compare_and_hash_alike():
    a, b = norvane.detect(TEXT), norvane.detect(TEXT)
    assert a is not b and a == b and hash(a) == hash(b)
    assert len({a, b, *a.findings, *b.findings}) == 1 + len(a.findings)
    assert norvane.detect(TEXT + " ") != a
    assert a.findings[0] != a.findings[1]
    assert a.findings[0] != a.findings[0].evidence


@pytest.mark.parametrize("left, right", [
    (Policy.hash(b"a"), Policy.hash(b"b")),
    (Policy.hash(b"a", 12), Policy.hash(b"a", 13)),
    (Policy.partial(1, 2), Policy.partial(1, 2, "#")),
    (Policy.redact_label(), Policy.redact_code()),
    (Policy.redact_fixed(""), Policy.redact_fixed(" ")),
    (PolicySet(), PolicySet(Policy.redact_code())),
    (PolicySet(), PolicySet().with_entity("phone", Policy.redact_label())),
    (norvane.mask(TEXT), norvane.mask(TEXT, POLICIES)),
    (norvane.normalize("１"), norvane.normalize("1")),
    (RestoreMap.from_json('{"prefix":"PII","entries":[]}'), RestoreMap.from_json('{"prefix":"PII0","entries":[]}')),
])
def test_different_values_differ(left, right):
    assert left != right and not left == right
    assert left == copy.copy(left)


def test_policy_sets_compare_by_what_they_map():
    one = PolicySet().with_entity("phone", Policy.tokenize()).with_entity("email", Policy.redact_code())
    other = PolicySet().with_entity("email", Policy.redact_code()).with_entity("phone", Policy.tokenize())
    assert one == other and hash(one) == hash(other)
    assert one == one.with_entity("phone", Policy.tokenize())
    assert PolicySet(Policy.redact_fill("*")) == PolicySet(Policy.redact_fill("*"))


def test_spans_and_configs_keep_their_comparisons():
    assert Span(1, 2, 1, 2) == Span(1, 2, 1, 2) and Span(1, 2, 1, 2) != Span(1, 2, 1, 3)
    with pytest.raises(TypeError, match="unhashable type"):
        hash(Span(1, 2, 1, 2))
    with pytest.raises(TypeError):
        Span(1, 2, 1, 2) < Span(1, 3, 1, 3)
    # Config is mutable: identity equality, hashable as before.
    a, b = Config(), Config()
    assert a != b and a == a and {a: 1}[a] == 1
    with pytest.raises(TypeError):
        Policy.tokenize() < Policy.tokenize()
    assert Policy.tokenize() != "tokenize"


# ---------------------------------------------------------------------------------------------
# Hostile states: a clear exception, never a value the library could not have made


def state(o):
    return o.__reduce__()[1][1]


def finding_state(**changes):
    fields = dict(zip(["entity", "source", "normalized", "certainty", "score", "evidence"],
                      state(norvane.detect(TEXT).findings[0])))
    fields.update(changes)
    return tuple(fields.values())


PHONE_EVIDENCE = state(norvane.detect("연락처 010-1234-5678").findings[0].evidence)
RESTORE = '{"prefix":"PII","entries":[{"token":"[[PII:0]]","original":"880101-1234568","entity":"resident"}]}'
IDENTITY = ("identity", (0, 3, 0, 1), (0, 3, 0, 1), (), (0, 0, 0, 0))
REPLACE = ("replace", (0, 3, 0, 1), (0, 1, 0, 1), ("fold.width",), (0, 0, 0, 1))


@pytest.mark.parametrize("cls, bad, error, message", [
    # Wrong shapes and types.
    (Span, [1, 2, 3, 4], TypeError, "cannot unpickle Span: expected a tuple, got list"),
    (Span, (1, 2, 3), ValueError, "cannot unpickle Span: expected 4 items, got 3"),
    (Span, (1, 2, 3, -1), OverflowError, "out of range integral type conversion attempted"),
    (Span, (1, 2, 3, 2 ** 32), OverflowError, "out of range"),
    (Span, (1, 2, 3, "4"), TypeError, "argument 'Span': 'str' object cannot be interpreted as an integer"),
    (NormalizationCost, (0, 0, 0, 65536), OverflowError, "out of range integral type conversion attempted"),
    (Segment, ("insert", (0, 0, 0, 0), (0, 1, 0, 1), ("x",), (0, 0, 0, 0)), ValueError,
     "cannot unpickle Segment.kind: unknown name \"insert\""),
    (Segment, ("identity", (0, 3, 0, 1), (0, 2, 0, 1), (), (0, 0, 0, 0)), ValueError,
     "identity segment has unequal lengths"),
    (Segment, ("identity", (0, 3, 0, 1), (0, 3, 0, 1), ("r",), (0, 0, 0, 0)), ValueError,
     "identity segment carries rules or cost"),
    (Segment, ("delete", (5, 3, 0, 1), (0, 0, 0, 0), ("r",), (0, 0, 0, 0)), ValueError, "reversed range"),
    (Segment, ("replace", (0, 3, 0, 1), (0, 1, 0, 1), ("b", "a"), (0, 0, 0, 1)), ValueError,
     "rule names must be sorted and distinct"),
    (Segment, ("replace", (0, 3, 0, 1), (0, 1, 0, 1), ("a", "a"), (0, 0, 0, 1)), ValueError,
     "rule names must be sorted and distinct"),
    (Segment, ("replace", (0, 3, 0, 1), (0, 1, 0, 1), ("\ud800",), (0, 0, 0, 1)), UnicodeEncodeError, "surrogate"),
    # Maps out of order or not contiguous: the core's own checks and messages.
    (SpanMap, (REPLACE, IDENTITY), ValueError, "src not contiguous: expected byte 3 char 1, found byte 0 char 0"),
    (SpanMap, [IDENTITY], TypeError, "expected a tuple, got list"),
    (SpanMap, (IDENTITY[:4],), ValueError, "cannot unpickle Segment: expected 5 items, got 4"),
    (Normalized, ("abc", (IDENTITY,)), ValueError, "the map does not end where the text does"),
    (Normalized, ("가나", (IDENTITY,)), ValueError, "the map does not end where the text does"),
    (Normalized, ("\udc80", ()), UnicodeEncodeError, "surrogate"),
    (SourceSpan, ((0, 9, 0, 1), False, (), (0, 0, 0, 0)), ValueError, "is reversed or its lengths disagree"),
    (SourceSpan, ((0, 1, 0, 1), 0, (), (0, 0, 0, 0)), TypeError, "'int' object cannot be converted to 'bool'"),
    (ContextHit, ("연락처", 1, "heavy"), TypeError, "must be real number, not str"),
    (Evidence, ("card.luhn", "passed", "no reason expected", (), (), (0, 0, 0, 0), False, ()), ValueError,
     "only a checksum that does not apply has a reason"),
    (Evidence, ("card.luhn", "maybe", None, (), (), (0, 0, 0, 0), False, ()), ValueError, "unknown name \"maybe\""),
    (Evidence, ("card.luhn", "passed", None, (), (), (0, 0, 0, 0), False, ["structure.header"]), TypeError,
     "cannot unpickle Evidence.extensions: expected a tuple, got list"),
    (Evidence, PHONE_EVIDENCE[:2] + (None,) + PHONE_EVIDENCE[3:], TypeError, "'NoneType' object cannot be converted"),
    (Finding, finding_state(entity="ssn"), ValueError, "unknown entity \"ssn\"; expected one of resident"),
    (Finding, finding_state(certainty="sure"), ValueError, "unknown name \"sure\""),
    (Finding, finding_state(source=(9, 3, 0, 1)), ValueError, "cannot unpickle Finding.source: span 9..3"),
    (Finding, finding_state(normalized=(0, 9, 0, 1)), ValueError, "is reversed or its lengths disagree"),
    (Finding, finding_state(evidence=PHONE_EVIDENCE[:-1]), ValueError, "expected 8 items, got 7"),
    (Rejection, ("phone", (0, 3, 0, 1), "too_short", 0.1), ValueError, "unknown name \"too_short\""),
    (Report, ((finding_state(source=(30, 33, 20, 23)), finding_state(source=(0, 3, 0, 3))), (), ""), ValueError,
     "cannot unpickle Report.findings: items must be in source order"),
    (Policy, ("__class__", ()), ValueError, "unknown name \"__class__\""),
    (Policy, ("hash", ("key", 12)), TypeError, "Can't extract `str` to `Vec`"),
    (Policy, ("redact_fill", ("ab",)), ValueError, "expected a string of length 1"),
    (Policy, ("partial", (1,)), TypeError, "Policy.partial() missing 1 required positional argument: 'keep_suffix'"),
    (Policy, ("tokenize", ["x"]), TypeError, "expected a tuple of arguments, got list"),
    (PolicySet, (("redact_label", ()),), ValueError, "cannot unpickle PolicySet: expected 2 items, got 1"),
    (PolicySet, (("redact_label", ()), (("phone", ("tokenize", ())), ("phone", ("redact_code", ())))), ValueError,
     "entity \"phone\" is given twice"),
    (RestoreEntry, ("[[PII:0]]", "x", "nobody"), ValueError, "unknown entity \"nobody\""),
    (RestoreMap, '{"prefix":"PII"}', ValueError, "cannot unpickle RestoreMap: missing field `entries`"),
    (RestoreMap, b'{"prefix":"PII","entries":[]}', TypeError, "'bytes' object cannot be converted to 'str'"),
    (MaskOutput, ("x", (), (), '{"prefix":1}', ()), ValueError, "cannot unpickle RestoreMap: invalid type"),
    (MaskOutput, ("x", (finding_state(score=None),), (), None, ()), TypeError, "must be real number, not NoneType"),
    (MaskOutput, ("x", (), (), None), ValueError, "cannot unpickle MaskOutput: expected 5 items, got 4"),
    (MaskOutput, ("x", (), (), None, (0,)), ValueError, "the tokens of the restore map are not where it says"),
    (MaskOutput, ("[[PII:0]]", (), (), RESTORE, ()), ValueError, "the tokens of the restore map are not where it says"),
    (MaskOutput, ("[[PII:0]]", (), (), RESTORE, (1,)), ValueError, "the tokens of the restore map are not where it says"),
    (MaskOutput, ("[[PII:0]]", (), (), RESTORE, (2 ** 64 - 1,)), ValueError, "the tokens of the restore map are not"),
    (MaskOutput, ("[[PII:0]]", (), (), RESTORE, (-1,)), OverflowError, "can't convert negative int to unsigned"),
    (Config, [("nfc", True)], TypeError, "cannot unpickle Config: expected a dict, got list"),
    (Config, {"nfc": 1}, TypeError, "nfc must be a bool, not int"),
    (Config, {"context_window": -1}, OverflowError, "context_window must be from 0 to 4294967295, got -1"),
    (Config, {"thoroughness": 3}, ValueError, "cannot unpickle Config: unknown setting \"thoroughness\""),
    (Config, {"weights": {"luck": 1.0}}, ValueError, "cannot unpickle Config: unknown weight \"luck\""),
    (Config, {"weights": [("context", 1.0)]}, TypeError, "expected a dict, got list"),
    (Config, {"weights": {"context": "high"}}, TypeError, "must be real number, not str"),
    (Config, {1: True}, TypeError, "'int' object cannot be converted to 'str'"),
])
def test_hostile_states_raise_clear_errors(cls, bad, error, message):
    with pytest.raises(error, match=None) as raised:
        _rebuild(cls, bad)
    assert message in str(raised.value)
    # The same through pickle itself.
    forged = pickle.dumps(Forged(cls, bad))
    with pytest.raises(error):
        pickle.loads(forged)


class Forged:
    """Pickles as a call of the library's rebuild function with any state."""

    def __init__(self, cls, bad):
        self.args = (cls, bad)

    def __reduce__(self):
        return _rebuild, self.args


@pytest.mark.parametrize("cls, message", [
    (SpanMapBuilder, "cannot unpickle <class 'norvane.SpanMapBuilder'>"),
    (int, "cannot unpickle <class 'int'>"),
    (None, "cannot unpickle None"),
])
def test_only_pickling_classes_are_rebuilt(cls, message):
    with pytest.raises(TypeError, match="^" + message.replace("(", r"\(")):
        _rebuild(cls, ())


def test_config_states_may_omit_settings():
    config = _rebuild(Config, {"min_score": 0.25, "weights": {"context": 1.0}})
    expected = Config()
    expected.min_score = 0.25
    expected.set_weights(context=1.0)
    assert config_settings(config) == config_settings(expected)
    assert config_settings(_rebuild(Config, {})) == config_settings(Config())


class ChangesTheState:
    """A setting's value whose conversion empties the state it came from, or fills it with
    settings that do not exist, as it is read."""

    def __init__(self, state, value, fill):
        self.state, self.value, self.fill = state, value, fill

    def _change(self):
        self.state.clear()
        self.state.update(self.fill)
        return self.value

    def __index__(self):
        return self._change()

    def __float__(self):
        return self._change()


@pytest.mark.parametrize("fill", [{}, {f"unknown_{i}": i for i in range(40)}])
def test_a_state_changed_while_it_is_read_gives_the_state_as_given(fill):
    thorough = Config.thorough()
    thorough.reference_year = 2027
    state = thorough.__reduce__()[1][1]
    # The year comes before the families and the weights: their settings are still to be read.
    state["reference_year"] = ChangesTheState(state, 2027, fill)
    assert config_settings(_rebuild(Config, state)) == config_settings(thorough)
    state = thorough.__reduce__()[1][1]
    weights = state["weights"]
    weights["checksum_failed"] = ChangesTheState(weights, 0.25, {k: "high" for k in fill})
    assert config_settings(_rebuild(Config, state)) == config_settings(thorough)


def test_rebuilt_values_are_the_core_values():
    """A state that passes every check gives exactly the value it describes."""
    segment = _rebuild(Segment, ("expand", (10, 13, 4, 5), (8, 10, 3, 5), ("hangul.numeral",), (0, 0, 1, 0)))
    assert (segment.kind, segment.src, segment.dst, segment.rules) == (
        "expand", Span(10, 13, 4, 5), Span(8, 10, 3, 5), ["hangul.numeral"])
    assert segment.cost.expanded_syllables == 1
    normalized = _rebuild(Normalized, ("1", (REPLACE,)))
    assert normalized.text == "1" and normalized.map.to_source(Span(0, 1, 0, 1)).rules == ["fold.width"]


# Any change to one leaf of a valid state either raises a clear error or builds a value that
# passes the library's checks and pickles to itself.
LEAVES = st.one_of(st.none(), st.booleans(), st.integers(-2, 2 ** 33), st.floats(), st.text(max_size=4),
                   st.binary(max_size=4), st.tuples(), st.tuples(st.integers(0, 9)))


def leaves(value, path=()):
    if isinstance(value, tuple):
        for i, item in enumerate(value):
            yield from leaves(item, path + (i,))
    yield path


def replaced(value, path, leaf):
    if not path:
        return leaf
    items = list(value)
    items[path[0]] = replaced(items[path[0]], path[1:], leaf)
    return tuple(items)


HOSTILE_BASES = [norvane.detect(TEXT), norvane.mask(TEXT, POLICIES), norvane.normalize(TEXT), POLICIES]


# A mutated score beyond a 32-bit float is kept as an infinity with a warning: that is the state
# staying valid, not a fault.
@pytest.mark.filterwarnings("ignore:.*beyond the range of a 32-bit float:RuntimeWarning")
@SETTINGS
@given(st.sampled_from(HOSTILE_BASES), st.data(), LEAVES)
def test_mutated_states_fail_cleanly_or_stay_valid(base, data, leaf):
    good = state(base)
    path = data.draw(st.sampled_from(list(leaves(good))))
    bad = replaced(good, path, leaf)
    try:
        rebuilt = _rebuild(type(base), bad)
    except (TypeError, ValueError, OverflowError) as error:
        assert str(error)
        return
    # Compared by repr: a NaN score is a value weights of inf can produce, and NaN != NaN.
    assert repr(state(rebuilt)) == repr(state(_rebuild(type(base), state(rebuilt))))
    if isinstance(rebuilt, Normalized):
        rebuilt.map.validate()
    if isinstance(rebuilt, Report):
        rebuilt.to_json()


# ---------------------------------------------------------------------------------------------
# Round trips over generated text and across processes


@SETTINGS
@given(texts, configs(), st.booleans())
def test_results_of_any_text_round_trip(text, config, thorough):
    if thorough:
        config = Config.thorough()
    results = [norvane.normalize(text, config), norvane.detect(text, config), norvane.mask(text, POLICIES, config)]
    for result in results:
        assert pickle.loads(pickle.dumps(result)) == result
    same(config, pickle.loads(pickle.dumps(config)))


def test_process_pool_takes_policies_and_configs_and_returns_outputs():
    notes = [TEXT, "고객센터 1588-1234 로 연락", "주민번호 880101-1234568", "", "메일 a@b.cc"]
    config = lenient()
    expected = [norvane.mask(note, POLICIES, config) for note in notes]
    context = multiprocessing.get_context("spawn")  # a fresh interpreter: everything crosses by pickle
    with concurrent.futures.ProcessPoolExecutor(max_workers=2, mp_context=context) as pool:
        outputs = list(pool.map(norvane.mask, notes, [POLICIES] * len(notes), [config] * len(notes), timeout=120))
    assert outputs == expected
    assert [type(o) for o in outputs] == [MaskOutput] * len(notes)
