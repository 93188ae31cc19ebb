"""Invariant and coordinate errors of hand-made span maps, through the core test hooks."""

import pytest

_testing = pytest.importorskip("_norvane_testing")

Z = (0, 0, 0, 0)
I = lambda bs, be: ("identity", (bs, be, bs, be), (bs, be, bs, be), [], Z)


def seg(kind, src, dst, rules=(), cost=Z):
    return (kind, src, dst, list(rules), cost)


PREFIX = "span map invariant violated at segment "


@pytest.mark.parametrize("segments, message", [
    ([I(0, 1), I(2, 3)], "1: src not contiguous: expected byte 1 char 1, found byte 2 char 2"),
    ([I(0, 1), seg("identity", (1, 2, 2, 3), (1, 2, 1, 2))],
     "1: src not contiguous: expected byte 1 char 1, found byte 1 char 2"),
    ([seg("identity", (0, 1, 0, 1), (1, 2, 1, 2))],
     "0: dst not contiguous: expected byte 0 char 0, found byte 1 char 1"),
    ([seg("replace", (0, 0, 0, 0), (0, 1, 0, 1))], "0: replace segment must have both sides"),
    ([seg("replace", (0, 1, 0, 1), (0, 0, 0, 0))], "0: replace segment must have both sides"),
    ([seg("delete", (0, 1, 0, 1), (0, 1, 0, 1))], "0: delete segment must consume src and produce nothing"),
    ([seg("expand", (0, 3, 0, 1), (0, 1, 0, 1))], "0: expand segment must grow in chars"),
    ([seg("identity", (0, 2, 0, 2), (0, 1, 0, 1))], "0: identity segment has unequal lengths"),
    ([seg("identity", (0, 1, 0, 1), (0, 1, 0, 1), ["r"])], "0: identity segment carries rules or cost"),
    ([seg("identity", (0, 1, 0, 1), (0, 1, 0, 1), [], (0, 0, 0, 1))],
     "0: identity segment carries rules or cost"),
    ([seg("identity", (0, 0, 0, 0), (0, 0, 0, 0))],
     "0: segment has an empty source range; insertion is not supported"),
    ([I(0, 1), seg("identity", (1, 0, 1, 0), (1, 0, 1, 0))], "1: reversed byte range"),
    ([seg("replace", (0, 1, 0, 1), (0, 2, 0, 1)), seg("replace", (1, 2, 1, 0), (2, 3, 1, 2))],
     "1: reversed char range"),
])
def test_validation_messages(segments, message):
    assert _testing.validate(segments) == PREFIX + message


def test_valid_hand_made_map():
    assert _testing.validate([I(0, 1), seg("delete", (1, 2, 1, 2), (1, 1, 1, 1), ["r"], (0, 1, 0, 0)),
                              seg("expand", (2, 5, 2, 3), (1, 3, 1, 3), ["n"], (0, 0, 1, 0))]) is None
    assert _testing.validate([]) is None


MISMATCH = "span map coordinate mismatch: "


@pytest.mark.parametrize("inner, outer, message", [
    ([I(0, 3)], [I(0, 2)], "inner output (3, 3) != outer input (2, 2)"),
    ([], [seg("replace", Z, (0, 1, 0, 1))], "outer segment 0 has an empty source range; insertion is not supported"),
    ([I(0, 1), seg("replace", (1, 2, 1, 2), (0, 1, 0, 1))], [I(0, 1)],
     "segment exhausted at B byte 1 (inner 1/2, outer 1/1)"),
    ([seg("replace", (0, 2, 0, 2), (0, 2, 0, 2))],
     [seg("replace", (0, 3, 0, 3), (0, 1, 0, 1)), seg("replace", (1, 2, 1, 2), (1, 2, 1, 2))],
     "inner exhausted while grouping at B byte 0"),
    ([seg("replace", (0, 1, 0, 1), (0, 3, 0, 3)), seg("replace", (1, 2, 1, 2), (1, 2, 1, 2))],
     [seg("replace", (0, 2, 0, 2), (0, 1, 0, 1))],
     "outer exhausted while grouping at B byte 0"),
    ([I(0, 2)], [seg("replace", (1, 2, 1, 2), (0, 1, 0, 1))], "src byte 0 falls inside non-identity segment 0"),
    ([seg("replace", (0, 2, 0, 2), (1, 2, 1, 2))], [I(0, 2)], "dst byte 0 falls inside non-identity segment 0"),
])
def test_composition_errors(inner, outer, message):
    assert _testing.compose(inner, outer) == MISMATCH + message


def test_composition_never_crashes_on_garbage():
    import random
    rng = random.Random(7)
    kinds = ["identity", "replace", "delete", "expand"]
    for _ in range(3000):
        def garbage():
            return [seg(rng.choice(kinds), tuple(rng.randint(0, 6) for _ in range(4)),
                        tuple(rng.randint(0, 6) for _ in range(4))) for _ in range(rng.randint(0, 4))]
        inner, outer = garbage(), garbage()
        _testing.compose(inner, outer)
        for q in [(0, 3, 0, 3), (2, 2, 2, 2), (5, 1, 9, 0)]:
            _testing.to_source(inner, q)


@pytest.mark.parametrize("size, refused", [(0, False), (2**32 - 1, False), (2**32, True), (2**64 - 1, True)])
def test_text_size_limit(size, refused):
    error = _testing.text_size_error(size)
    if refused:
        assert error == (f"argument 'text': text of {size} bytes is too large; texts must be shorter than "
                         "4 GiB (4294967296 bytes) of UTF-8")
    else:
        assert error is None
