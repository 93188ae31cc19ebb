"""Every public function, constructor, method and static method takes exactly the parameters
its text signature shows, and says so in Python's own words when called wrongly: too many
arguments, missing ones, an unknown keyword, a parameter given twice. The expected messages are
derived here from `inspect.signature`, so a signature that drifts from its parser fails.
"""

import inspect

import pytest

import norvane
from norvane import Config, Policy, PolicySet, Span, SpanMap, SpanMapBuilder

TEXT = "주민번호 900101-1234567, 전화 010-1234-5678, 카드 4111 1111 1111 1111"


def instances():
    """One object of every class Python can reach without extras."""
    report = norvane.detect(TEXT)
    out = norvane.mask(TEXT, PolicySet(Policy.tokenize()))
    normalized = norvane.normalize("공일공 1234", None)
    finding = report.findings[0]
    return [
        Span(0, 3, 0, 1),
        normalized.map.segments[0].cost,
        normalized.map.segments[0],
        normalized.map.to_source(Span(0, 3, 0, 1)),
        normalized.map,
        SpanMapBuilder(),
        Config(),
        normalized,
        finding.evidence.context_hits[0],
        finding.evidence,
        finding,
        report.rejections[0],
        report,
        Policy.redact_label(),
        PolicySet(),
        out.restore.entries[0],
        out.restore,
        out,
    ]


def quoted(names):
    """Python's list of missing parameters: 'a', 'a' and 'b', 'a', 'b', and 'c'."""
    items = [f"'{n}'" for n in names]
    if len(items) == 2:
        return " and ".join(items)
    return ", ".join(items[:-1]) + (", and " if len(items) > 2 else "") + items[-1]


def callables():
    """(qualified name, a fresh-callable factory) for everything public with a signature."""
    found = []
    for name in norvane.__all__:
        obj = getattr(norvane, name)
        if inspect.isbuiltin(obj):
            found.append((name, lambda obj=obj: obj))
    classes = {type(o).__name__: o for o in instances()}
    for cls_name, sample in classes.items():
        cls = type(sample)
        if cls.__text_signature__ is not None:
            found.append((cls_name, lambda cls=cls: cls))
        for attr, member in vars(cls).items():
            if attr.startswith("_") or not callable(getattr(cls, attr)):
                continue
            qualified = f"{cls_name}.{attr}"
            if isinstance(member, staticmethod):
                found.append((qualified, lambda cls=cls, attr=attr: getattr(cls, attr)))
            else:
                # A fresh object each time: some methods change theirs (builders, set_weights).
                found.append((qualified, lambda cls_name=cls_name, attr=attr: getattr(
                    {type(o).__name__: o for o in instances()}[cls_name], attr)))
    return found


CALLABLES = callables()


def test_the_whole_surface_is_covered():
    names = {name for name, _ in CALLABLES}
    assert {"detect", "mask_many", "Span", "Span.from_char_range", "SpanMapBuilder.absorb",
            "Config.set_weights", "Config.thorough", "PolicySet", "PolicySet.with_entity",
            "Policy.partial", "RestoreMap.from_json", "Report.to_json", "Finding.text"} <= names
    assert len(names) >= 45


def parser_messages(name, params):
    """(call arguments, expected message) for each wrong call the parameters allow."""
    total = len(params)
    required = [p.name for p in params if p.default is inspect.Parameter.empty]
    if len(required) == total:
        takes = f"{total} positional argument{'' if total == 1 else 's'}"
    else:
        takes = f"from {len(required)} to {total} positional arguments"
    given = total + 1
    cases = [
        (((None,) * given, {}),
         f"{name}() takes {takes} but {given} {'was' if given == 1 else 'were'} given"),
        (((), {"no_such_parameter": 1}),
         f"{name}() got an unexpected keyword argument 'no_such_parameter'"),
    ]
    if required:
        cases.append((((), {}),
                      f"{name}() missing {len(required)} required positional "
                      f"argument{'' if len(required) == 1 else 's'}: {quoted(required)}"))
    if params:
        cases.append((((None,), {params[0].name: None}),
                      f"{name}() got multiple values for argument '{params[0].name}'"))
    return cases


@pytest.mark.parametrize("name,make", CALLABLES, ids=[name for name, _ in CALLABLES])
def test_wrong_calls_are_named_as_the_signature_shows(name, make):
    params = list(inspect.signature(make()).parameters.values())
    assert all(p.kind is inspect.Parameter.POSITIONAL_OR_KEYWORD for p in params)
    for (args, kwargs), message in parser_messages(name, params):
        with pytest.raises(TypeError) as caught:
            make()(*args, **kwargs)
        assert str(caught.value) == message


PARSER_WORDS = ("positional argument", "keyword argument", "multiple values")


@pytest.mark.parametrize("name,make", CALLABLES, ids=[name for name, _ in CALLABLES])
def test_every_parameter_is_taken_by_keyword(name, make):
    # None for every parameter: conversions may refuse it, the parser never does.
    params = inspect.signature(make()).parameters
    try:
        make()(**{p: None for p in params})
    except (TypeError, ValueError) as error:
        assert not any(word in str(error) for word in PARSER_WORDS), str(error)


def built(absorb_args):
    builder = SpanMapBuilder()
    builder.keep("a")
    builder.absorb(*absorb_args)
    text, span_map = builder.finish()
    return text, span_map.to_json()


@pytest.mark.parametrize("without,with_default", [
    (lambda: Policy.partial(1, 2), lambda: Policy.partial(1, 2, "*")),
    (lambda: Policy.partial(keep_suffix=2, keep_prefix=1), lambda: Policy.partial(1, 2, fill="*")),
    (lambda: Policy.hash(b"key"), lambda: Policy.hash(b"key", 12)),
    (lambda: built(("-", "sep")), lambda: built(("-", "sep", "separator"))),
    (lambda: PolicySet(), lambda: PolicySet(None)),
    (lambda: PolicySet(), lambda: PolicySet(default=Policy.redact_label())),
    (lambda: norvane.mask(TEXT).text, lambda: norvane.mask(TEXT, None, Config()).text),
    (lambda: norvane.detect(TEXT).to_json(), lambda: norvane.detect(TEXT, config=None).to_json()),
    (lambda: SpanMapBuilder().finish(), lambda: SpanMapBuilder(text=None).finish()),
])
def test_defaults_are_those_the_signature_shows(without, with_default):
    assert without() == with_default()


def test_the_defaults_shown_are_the_defaults_taken():
    # The partial default fill and hash length, read back from the policies' pickled state.
    assert inspect.signature(Policy.partial).parameters["fill"].default == "*"
    assert Policy.partial(1, 2).__reduce__()[1][1] == ("partial", (1, 2, "*"))
    assert inspect.signature(Policy.hash).parameters["length"].default == 12
    assert Policy.hash(b"k").__reduce__()[1][1] == ("hash", (b"k", 12))
    assert inspect.signature(SpanMap.identity).parameters["text"].default is inspect.Parameter.empty
