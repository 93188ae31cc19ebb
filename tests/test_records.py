"""The command line's JSONL reader: the quick walk over a line's top-level keys and the careful
one (which says where a line goes wrong) must agree on every line the quick one accepts."""

import json

from hypothesis import given, settings
from hypothesis import strategies as st

from norvane._records import InputError, _top_level_strings, _top_level_strings_fast

values = st.recursive(st.none() | st.booleans() | st.integers() | st.floats(allow_nan=False) | st.text(max_size=8),
                      lambda inner: st.lists(inner, max_size=3) | st.dictionaries(st.text(max_size=4), inner, max_size=3),
                      max_leaves=6)
objects = st.dictionaries(st.sampled_from(["memo", "note", "m\"e", "키", "a\\b", "x"]) | st.text(max_size=4),
                          values | st.text(), max_size=6)


def careful(line, wanted):
    try:
        return list(_top_level_strings(line, wanted, "f", 1))
    except InputError:
        return "error"


@settings(max_examples=200, deadline=None)
@given(obj=objects, ascii_only=st.booleans(), spaced=st.booleans(), wanted=st.sampled_from([None, {"memo"}, {"키", "x"}]),
       cut=st.integers(min_value=0, max_value=200), junk=st.sampled_from(["", " ", "x", ",", "}", "\"", "\\"]))
def test_quick_walk_agrees_with_the_careful_one(obj, ascii_only, spaced, wanted, cut, junk):
    separators = (", ", ": ") if spaced else (",", ":")
    line = json.dumps(obj, ensure_ascii=ascii_only, separators=separators)
    for text in (line, line[:cut] + junk + line[cut:]):
        quick = _top_level_strings_fast(text, wanted)
        slow = careful(text, wanted)
        if quick is None:
            assert slow == "error" or text != line   # a valid line is never refused by the quick walk
        else:
            assert quick == slow
    if wanted is not None and all(isinstance(obj.get(k), (str, type(None))) for k in wanted):
        assert [(k, v) for k, v, _, _ in _top_level_strings_fast(line, wanted)] == \
            [(k, v) for k, v in obj.items() if k in wanted and isinstance(v, str)]
