"""Spans, costs, segments, span maps and the builder, seen from Python."""

import inspect
import random

import pytest

import norvane
from norvane import Span, SpanMap, SpanMapBuilder, SpanMapError


def build(*ops, text=None):
    """Runs builder operations given as tuples ("keep", text), ("replace", src, dst, rule), ..."""
    b = SpanMapBuilder(text)
    for name, *args in ops:
        getattr(b, name)(*args)
    return b.finish()


def seg_tuple(s):
    return (s.kind, (s.src.byte_start, s.src.byte_end, s.src.char_start, s.src.char_end),
            (s.dst.byte_start, s.dst.byte_end, s.dst.char_start, s.dst.char_end), s.rules,
            (s.cost.absorbed_whitespace, s.cost.absorbed_separators, s.cost.expanded_syllables,
             s.cost.replaced_chars))


def segs(m):
    return [seg_tuple(s) for s in m.segments]


# --------------------------------------------------------------------------------------------
# Span


class TestSpan:
    def test_fields_lengths_and_repr(self):
        s = Span(3, 9, 1, 3)
        assert (s.byte_start, s.byte_end, s.char_start, s.char_end) == (3, 9, 1, 3)
        assert (s.byte_len, s.char_len, s.is_empty()) == (6, 2, False)
        assert repr(s) == "Span(byte=3..9, char=1..3)"

    def test_reversed_span_is_accepted_and_empty(self):
        s = Span(5, 2, 0, 0)
        assert (s.byte_len, s.char_len, s.is_empty()) == (0, 0, True)

    @pytest.mark.parametrize("args, message", [
        ((-1, 0, 0, 0), "out of range integral type conversion attempted"),
        ((2**32, 0, 0, 0), "out of range integral type conversion attempted"),
        ((0, 0, 0, 2**100), "out of range integral type conversion attempted"),
    ])
    def test_out_of_range_offsets(self, args, message):
        with pytest.raises(OverflowError) as e:
            Span(*args)
        assert str(e.value) == message

    def test_largest_offsets(self):
        assert Span(2**32 - 1, 0, 0, 0).byte_start == 2**32 - 1

    @pytest.mark.parametrize("call, message", [
        (lambda: Span(1, 2, 3), "Span() missing 1 required positional argument: 'char_end'"),
        (lambda: Span(), "Span() missing 4 required positional arguments: 'byte_start', 'byte_end', "
                         "'char_start', and 'char_end'"),
        (lambda: Span(1, 2, 3, 4, 5), "Span() takes 4 positional arguments but 5 were given"),
        (lambda: Span(1, 2, 3, x=4), "Span() got an unexpected keyword argument 'x'"),
        (lambda: Span(1, 2, 3, 4, byte_start=1), "Span() got multiple values for argument 'byte_start'"),
        (lambda: Span("1", 2, 3, 4), "argument 'byte_start': 'str' object cannot be interpreted as an integer"),
        (lambda: Span(1.0, 2, 3, 4), "argument 'byte_start': 'float' object cannot be interpreted as an integer"),
    ])
    def test_argument_errors(self, call, message):
        with pytest.raises(TypeError) as e:
            call()
        assert str(e.value) == message

    def test_keywords(self):
        assert Span(char_end=4, char_start=3, byte_end=2, byte_start=1) == Span(1, 2, 3, 4)

    def test_equality_compares_all_four(self):
        assert Span(0, 3, 0, 1) == Span(0, 3, 0, 1)
        assert Span(0, 3, 0, 1) != Span(0, 3, 0, 3)
        assert not (Span(0, 3, 0, 1) != Span(0, 3, 0, 1))
        assert Span(0, 1, 0, 1) != (0, 1, 0, 1)
        assert Span(0, 1, 0, 1).__eq__(1) is NotImplemented
        assert Span(0, 1, 0, 1).__lt__(Span(0, 1, 0, 1)) is NotImplemented
        with pytest.raises(TypeError):
            Span(0, 1, 0, 1) < Span(0, 1, 0, 1)

    def test_unhashable(self):
        with pytest.raises(TypeError):
            hash(Span(0, 1, 0, 1))

    def test_from_char_range(self):
        assert Span.from_char_range("가나", 1, 2) == Span(3, 6, 1, 2)
        assert Span.from_char_range("가나", 2, 2) == Span(6, 6, 2, 2)
        assert Span.from_char_range("", 0, 0) == Span(0, 0, 0, 0)
        assert Span.from_char_range("a😀b", 1, 3) == Span(1, 6, 1, 3)

    @pytest.mark.parametrize("text, start, end, error, message", [
        ("ab", 2, 1, ValueError, "char_start 2 must not exceed char_end 1"),
        ("ab", 0, 3, ValueError, "char_end 3 is out of range; text has 2 characters"),
        ("가나", 3, 3, ValueError, "char_end 3 is out of range; text has 2 characters"),
        ("ab", -1, 0, OverflowError, "can't convert negative int to unsigned"),
        ("ab", 0, 2**64, OverflowError, "int too big to convert"),
    ])
    def test_from_char_range_errors(self, text, start, end, error, message):
        with pytest.raises(error) as e:
            Span.from_char_range(text, start, end)
        assert str(e.value) == message

    def test_slice(self):
        assert Span(3, 6, 1, 2).slice("가나다") == "나"
        assert Span(0, 0, 0, 0).slice("") == ""
        assert Span(1, 2, 0, 0).slice(text="abc") == "b"

    @pytest.mark.parametrize("span, text, message", [
        (Span(0, 4, 0, 0), "abc", "span 0..4 is out of range for text of 3 bytes"),
        (Span(2, 1, 0, 0), "abc", "span 2..1 is out of range for text of 3 bytes"),
        (Span(1, 3, 0, 1), "가", "span 1..3 does not fall on UTF-8 character boundaries"),
        (Span(0, 2, 0, 1), "가", "span 0..2 does not fall on UTF-8 character boundaries"),
    ])
    def test_slice_errors(self, span, text, message):
        with pytest.raises(ValueError) as e:
            span.slice(text)
        assert str(e.value) == message

    def test_slice_refuses_non_text_and_lone_surrogates(self):
        with pytest.raises(TypeError) as e:
            Span(0, 1, 0, 1).slice(1)
        assert str(e.value) == "argument 'text': 'int' object cannot be converted to 'str'"
        with pytest.raises(UnicodeEncodeError):
            Span(0, 1, 0, 1).slice("a\ud800")


# --------------------------------------------------------------------------------------------
# Builder


class TestBuilder:
    def test_consecutive_keeps_fold_into_one_identity(self):
        text, m = build(("keep", "ab"), ("keep", "c"))
        assert text == "abc"
        assert segs(m) == [("identity", (0, 3, 0, 3), (0, 3, 0, 3), [], (0, 0, 0, 0))]

    def test_replace_between_keeps(self):
        text, m = build(("keep", "a"), ("replace", "Ａ", "A", "fold.fullwidth"), ("keep", "b"))
        assert text == "aAb"
        assert segs(m) == [
            ("identity", (0, 1, 0, 1), (0, 1, 0, 1), [], (0, 0, 0, 0)),
            ("replace", (1, 4, 1, 2), (1, 2, 1, 2), ["fold.fullwidth"], (0, 0, 0, 1)),
            ("identity", (4, 5, 2, 3), (2, 3, 2, 3), [], (0, 0, 0, 0)),
        ]

    @pytest.mark.parametrize("cls, cost", [
        ("separator", (0, 1, 0, 0)), ("whitespace", (1, 0, 0, 0)), ("other", (0, 0, 0, 0)),
    ])
    def test_absorb_classes(self, cls, cost):
        text, m = build(("keep", "1"), ("absorb", "-", "separator.hyphen", cls))
        assert text == "1"
        assert segs(m)[1] == ("delete", (1, 2, 1, 2), (1, 1, 1, 1), ["separator.hyphen"], cost)

    def test_absorb_defaults_to_separator(self):
        _, m = build(("absorb", "--", "separator.hyphen"))
        assert segs(m) == [("delete", (0, 2, 0, 2), (0, 0, 0, 0), ["separator.hyphen"], (0, 2, 0, 0))]

    def test_kind_follows_shape(self):
        _, m = build(("numeral", "팔팔공일공일", "880101", "hangul.digit_reading"),
                     ("numeral", "이만오천", "25000", "hangul.unit_reading"),
                     ("replace", "x", "", "custom.drop"))
        assert [s.kind for s in m.segments] == ["replace", "expand", "delete"]
        assert [s.cost.expanded_syllables for s in m.segments] == [6, 4, 0]
        assert m.segments[2].cost.replaced_chars == 1
        m.validate()

    def test_empty_source_does_nothing(self):
        text, m = build(("keep", ""), ("replace", "", "X", "r"), ("numeral", "", "1", "r"),
                        ("absorb", "", "r"), ("keep", "a"))
        assert text == "a"
        assert segs(m) == [("identity", (0, 1, 0, 1), (0, 1, 0, 1), [], (0, 0, 0, 0))]

    def test_cost_is_capped_per_operation(self):
        _, m = build(("absorb", " " * 70000, "separator.whitespace", "whitespace"))
        assert m.segments[0].cost.absorbed_whitespace == 65535

    def test_consumed_builder(self):
        b = SpanMapBuilder("sizing only")
        assert repr(b) == "SpanMapBuilder(active)"
        text, m = b.finish()
        assert (text, len(m)) == ("", 0)
        assert repr(b) == "SpanMapBuilder(consumed)"
        for call in (b.finish, lambda: b.keep("x"), lambda: b.replace("a", "b", "r"),
                     lambda: b.numeral("일", "1", "r"), lambda: b.absorb("-", "r")):
            with pytest.raises(RuntimeError) as e:
                call()
            assert str(e.value) == "this builder was already consumed by finish()"

    def test_finish_returns_text_and_map(self):
        b = SpanMapBuilder()
        b.keep("가")
        text, m = b.finish()
        assert text == "가" and isinstance(m, SpanMap) and m.src_end == (3, 1)

    def test_absorb_checks_types_then_class_then_consumption(self):
        b = SpanMapBuilder()
        b.finish()
        with pytest.raises(TypeError) as e:
            b.absorb(1, "r", "space")
        assert str(e.value) == "argument 'src_text': 'int' object cannot be converted to 'str'"
        with pytest.raises(ValueError) as e:
            b.absorb("-", "r", "space")
        assert str(e.value) == ("unknown absorbed class \"space\"; expected 'whitespace', 'separator', "
                                "or 'other'")
        with pytest.raises(RuntimeError):
            b.absorb("-", "r", "other")

    def test_rule_names_outlive_their_python_strings(self):
        b = SpanMapBuilder()
        rule = "".join(["custom.", "rule"])  # a fresh, non-interned Python string
        b.replace("a", "b", rule)
        b.absorb("-", "custom." + "absorb", class_="other")
        del rule
        _, m = b.finish()
        assert [s.rules for s in m.segments] == [["custom.rule"], ["custom.absorb"]]

    def test_identity_of_empty_text(self):
        m = SpanMap.identity("")
        assert (len(m), m.len(), m.src_end, m.dst_end, m.is_identity()) == (0, 0, (0, 0), (0, 0), True)
        assert m.to_json() == '{"segments":[]}'

    def test_identity(self):
        m = SpanMap.identity("가a")
        assert segs(m) == [("identity", (0, 4, 0, 2), (0, 4, 0, 2), [], (0, 0, 0, 0))]
        assert repr(m) == "SpanMap(segments=1, src_bytes=4, dst_bytes=4)"


# --------------------------------------------------------------------------------------------
# Segments, costs and JSON


def test_segment_and_cost_reprs():
    _, m = build(("keep", "1"), ("absorb", " ", "separator.whitespace", "whitespace"))
    s = m.segments[1]
    assert repr(s) == 'Segment(kind="delete", src=1..2, dst=1..1)'
    assert repr(s.cost) == ("NormalizationCost(absorbed_whitespace=1, absorbed_separators=0, "
                            "expanded_syllables=0, replaced_chars=0)")
    assert not s.cost.is_zero() and m.segments[0].cost.is_zero()


def test_getters_return_fresh_objects():
    _, m = build(("replace", "Ａ", "A", "fold.fullwidth"))
    a, b = m.segments, m.segments
    assert a is not b and a[0] is not b[0]
    a[0].rules.append("changed")
    assert m.segments[0].rules == ["fold.fullwidth"]


def test_span_map_json_escapes():
    _, m = build(("replace", "\n", '"\\\x01\x7f가', 'q"\\/'))
    assert m.to_json() == (
        '{"segments":[{"src":{"byte":{"start":0,"end":1},"char":{"start":0,"end":1}},'
        '"dst":{"byte":{"start":0,"end":7},"char":{"start":0,"end":5}},"kind":"expand",'
        '"rules":["q\\"\\\\/"],"cost":{"absorbed_whitespace":0,"absorbed_separators":0,'
        '"expanded_syllables":0,"replaced_chars":1}}]}')


@pytest.mark.parametrize("rule, escaped", [
    ("\b\t\n\f\r", "\\b\\t\\n\\f\\r"), ("\x00\x1f", "\\u0000\\u001f"), ("\x7f", "\x7f"),
    ("가/", "가/"), ("\u2028", "\u2028"),
])
def test_json_string_escapes(rule, escaped):
    _, m = build(("replace", "a", "b", rule))
    assert f'"rules":["{escaped}"]' in m.to_json()


# --------------------------------------------------------------------------------------------
# Validation


def test_builder_maps_validate():
    _, m = build(("keep", "전화 "), ("replace", "０", "0", "fold.fullwidth"),
                 ("absorb", "-", "separator.hyphen"), ("numeral", "일이", "12", "hangul.digit_reading"),
                 ("absorb", " ", "separator.whitespace", "whitespace"), ("keep", "끝"))
    m.validate()


def test_validate_reports_a_reversed_replace():
    # replace("", ...) makes nothing; a replace made of a deleted source is a delete and is valid.
    _, m = build(("replace", "abc", "", "r"))
    assert m.segments[0].kind == "delete"
    m.validate()


# --------------------------------------------------------------------------------------------
# Projection to the source


class TestToSource:
    def test_identity_map_returns_the_query(self):
        m = SpanMap.identity("가나다")
        r = m.to_source(Span(3, 6, 1, 2))
        assert (r.span, r.snapped, r.rules, r.cost.is_zero()) == (Span(3, 6, 1, 2), False, [], True)
        assert repr(r) == "SourceSpan(byte=3..6, char=1..2, snapped=false, rules=[])"

    def test_query_inside_a_replace_is_widened(self):
        text, m = build(("keep", "a"), ("numeral", "팔팔", "88", "hangul.digit_reading"), ("keep", "b"))
        r = m.to_source(Span(2, 4, 2, 4))  # "8b"
        assert (r.byte_start, r.byte_end, r.char_start, r.char_end) == (1, 8, 1, 4)
        assert r.snapped and r.rules == ["hangul.digit_reading"]
        assert r.cost.expanded_syllables == 2
        assert repr(r) == 'SourceSpan(byte=1..8, char=1..4, snapped=true, rules=["hangul.digit_reading"])'

    def test_delete_at_the_ends_of_the_query_is_left_out(self):
        text, m = build(("keep", "010"), ("absorb", "-", "separator.hyphen"), ("keep", "1234"))
        assert text == "0101234"
        before = m.to_source(Span(0, 3, 0, 3))
        assert (before.span, before.rules) == (Span(0, 3, 0, 3), [])
        after = m.to_source(Span(3, 7, 3, 7))
        assert (after.span, after.rules) == (Span(4, 8, 4, 8), [])
        across = m.to_source(Span(0, 7, 0, 7))
        assert (across.span, across.rules, across.cost.absorbed_separators) == (
            Span(0, 8, 0, 8), ["separator.hyphen"], 1)

    def test_rules_are_sorted_and_unique(self):
        _, m = build(("replace", "Ａ", "A", "fold.fullwidth"), ("absorb", "-", "separator.hyphen"),
                     ("replace", "Ｂ", "B", "fold.fullwidth"), ("replace", "–", "-", "fold.dash"))
        r = m.to_source(Span(0, 3, 0, 3))
        assert r.rules == ["fold.dash", "fold.fullwidth", "separator.hyphen"]
        assert r.cost.replaced_chars == 3 and r.cost.absorbed_separators == 1

    def test_points(self):
        _, m = build(("keep", "ab"), ("numeral", "일이삼", "123", "hangul.digit_reading"), ("keep", "c"))
        at = lambda b, c: m.to_source(Span(b, b, c, c)).span
        assert at(0, 0) == Span(0, 0, 0, 0)
        assert at(1, 1) == Span(1, 1, 1, 1)
        assert at(2, 2) == Span(2, 2, 2, 2)
        assert at(5, 5) == Span(11, 11, 5, 5)
        assert at(6, 6) == Span(12, 12, 6, 6)
        widened = m.to_source(Span(3, 3, 3, 3))  # a point inside the numeral
        assert widened.span == Span(2, 11, 2, 5) and widened.snapped

    def test_past_the_end_and_empty_map(self):
        m = SpanMap.identity("abc")
        assert m.to_source(Span(10, 12, 10, 12)).span == Span(3, 3, 3, 3)
        empty = SpanMap.identity("").to_source(Span(4, 9, 4, 9))
        assert (empty.span, empty.snapped, empty.rules) == (Span(0, 0, 0, 0), False, [])

    def test_caller_spans_with_inconsistent_offsets_never_crash(self):
        _, m = build(("keep", "가나"), ("replace", "Ｘ", "X", "fold.fullwidth"))
        for q in (Span(7, 3, 0, 2**32 - 1), Span(2**32 - 1, 2**32 - 1, 0, 0), Span(1, 2, 9, 0),
                  Span(0, 2**32 - 1, 2**32 - 1, 0)):
            m.to_source(q)

    def test_to_source_from_chars(self):
        text, m = build(("keep", "번호 "), ("replace", "１", "1", "fold.fullwidth"),
                        ("absorb", "-", "separator.hyphen"), ("replace", "２", "2", "fold.fullwidth"))
        assert text == "번호 12"
        r = m.to_source_from_chars(text, 3, 5)
        assert (r.span, r.rules) == (Span(7, 14, 3, 6), ["fold.fullwidth", "separator.hyphen"])
        with pytest.raises(ValueError) as e:
            m.to_source_from_chars(text, 0, 9)
        assert str(e.value) == "char_end 9 is out of range; text has 5 characters"

    def test_to_source_json(self):
        _, m = build(("keep", "1"), ("absorb", " ", "separator.whitespace", "whitespace"), ("keep", "2"))
        assert m.to_source(Span(0, 2, 0, 2)).to_json() == (
            '{"span":{"byte":{"start":0,"end":3},"char":{"start":0,"end":3}},"snapped":false,'
            '"rules":["separator.whitespace"],"cost":{"absorbed_whitespace":1,"absorbed_separators":0,'
            '"expanded_syllables":0,"replaced_chars":0}}')

    def test_wrong_query_type(self):
        with pytest.raises(TypeError) as e:
            SpanMap.identity("a").to_source((0, 1, 0, 1))
        assert str(e.value) == "argument 'dst': 'tuple' object cannot be converted to 'Span'"


# --------------------------------------------------------------------------------------------
# Composition


class TestCompose:
    def test_identity_is_neutral_on_both_sides(self):
        src = "a０-1"
        text, m = build(("keep", "a"), ("replace", "０", "0", "fold.fullwidth"),
                        ("absorb", "-", "separator.hyphen"), ("keep", "1"))
        left = SpanMap.compose(SpanMap.identity(src), m)
        right = SpanMap.compose(m, SpanMap.identity(text))
        assert left.to_json() == m.to_json() == right.to_json()

    def test_separator_deletion_after_a_fullwidth_replacement(self):
        text1, fold = build(("replace", "１", "1", "fold.fullwidth"), ("keep", "-2"))
        text2, sep = build(("keep", "1"), ("absorb", "-", "separator.hyphen"), ("keep", "2"))
        assert (text1, text2) == ("1-2", "12")
        m = SpanMap.compose(fold, sep)
        assert segs(m) == [
            ("replace", (0, 3, 0, 1), (0, 1, 0, 1), ["fold.fullwidth"], (0, 0, 0, 1)),
            ("delete", (3, 4, 1, 2), (1, 1, 1, 1), ["separator.hyphen"], (0, 1, 0, 0)),
            ("identity", (4, 5, 2, 3), (1, 2, 1, 2), [], (0, 0, 0, 0)),
        ]
        m.validate()

    def test_outer_replace_over_two_inner_identities(self):
        # Inner: identity "ab" | replace "Ｃ"→"c" | identity "d"; outer replaces "bcd" at once.
        t1, inner = build(("keep", "ab"), ("replace", "Ｃ", "c", "fold.fullwidth"), ("keep", "d"))
        t2, outer = build(("keep", "a"), ("replace", "bcd", "X", "custom.join"))
        m = SpanMap.compose(inner, outer)
        assert segs(m) == [
            ("identity", (0, 1, 0, 1), (0, 1, 0, 1), [], (0, 0, 0, 0)),
            ("replace", (1, 6, 1, 4), (1, 2, 1, 2), ["custom.join", "fold.fullwidth"], (0, 0, 0, 4)),
        ]

    def test_outer_replace_covering_two_identity_pieces(self):
        _, inner = build(("keep", "ab"), ("absorb", "-", "separator.hyphen"), ("keep", "cd"))
        _, outer = build(("replace", "abcd", "W", "custom.word"))
        m = SpanMap.compose(inner, outer)
        assert segs(m) == [("replace", (0, 5, 0, 5), (0, 1, 0, 1), ["custom.word", "separator.hyphen"],
                            (0, 1, 0, 4))]

    def test_inner_replace_ending_inside_outer_identity_splits_it(self):
        _, inner = build(("replace", "Ａ", "A", "fold.fullwidth"), ("keep", "bc"))
        _, outer = build(("keep", "Abc"))
        m = SpanMap.compose(inner, outer)
        assert segs(m) == [
            ("replace", (0, 3, 0, 1), (0, 1, 0, 1), ["fold.fullwidth"], (0, 0, 0, 1)),
            ("identity", (3, 5, 1, 3), (1, 3, 1, 3), [], (0, 0, 0, 0)),
        ]

    def test_length_mismatch(self):
        with pytest.raises(SpanMapError) as e:
            SpanMap.compose(SpanMap.identity("abc"), SpanMap.identity("ab"))
        assert str(e.value) == "span map coordinate mismatch: inner output (3, 3) != outer input (2, 2)"

    def test_boundary_inside_a_non_identity_segment(self):
        _, inner = build(("numeral", "일이", "12", "hangul.digit_reading"))
        _, outer = build(("keep", "1"), ("replace", "2", "two", "custom.spell"))
        m = SpanMap.compose(inner, outer)
        # The outer cut falls inside the inner numeral: the group grows to cover both.
        assert segs(m) == [("expand", (0, 6, 0, 2), (0, 4, 0, 4),
                            ["custom.spell", "hangul.digit_reading"], (0, 0, 2, 1))]

    def test_empty_maps(self):
        m = SpanMap.compose(SpanMap.identity(""), SpanMap.identity(""))
        assert len(m) == 0

    def test_inner_deletions_at_the_end(self):
        _, inner = build(("keep", "1"), ("absorb", "--", "separator.hyphen"))
        m = SpanMap.compose(inner, SpanMap.identity("1"))
        assert segs(m) == [
            ("identity", (0, 1, 0, 1), (0, 1, 0, 1), [], (0, 0, 0, 0)),
            ("delete", (1, 3, 1, 3), (1, 1, 1, 1), ["separator.hyphen"], (0, 2, 0, 0)),
        ]

    def test_wrong_argument_types(self):
        with pytest.raises(TypeError) as e:
            SpanMap.compose(SpanMap.identity(""), "x")
        assert str(e.value) == "argument 'outer': 'str' object cannot be converted to 'SpanMap'"

    def test_signatures(self):
        assert SpanMap.compose.__text_signature__ == "(inner, outer)"
        assert str(inspect.signature(SpanMap.compose)) == "(inner, outer)"
        assert Span.slice.__text_signature__ == "($self, text)"
        assert SpanMapBuilder.absorb.__text_signature__ == "($self, src_text, rule, class_='separator')"
        assert str(inspect.signature(SpanMapBuilder().absorb)) == "(src_text, rule, class_='separator')"
        assert str(inspect.signature(Span)) == "(byte_start, byte_end, char_start, char_end)"


# --------------------------------------------------------------------------------------------
# Random builder-made maps: composition and projection keep exact coordinates.

PIECES = ["a", "가", "😀", "1", "Ａ", "-", " ", "일", "é", "\n"]


def random_pass(rng, text):
    """A random pass over text: its characters go through keep/replace/numeral/absorb."""
    b = SpanMapBuilder(text)
    i = 0
    while i < len(text):
        n = rng.randint(1, 3)
        piece = text[i:i + n]
        i += n
        op = rng.random()
        if op < 0.4:
            b.keep(piece)
        elif op < 0.6:
            b.replace(piece, rng.choice(["x", "", "yz", "가"]), "test.replace")
        elif op < 0.8:
            b.numeral(piece, "0" * rng.randint(1, 4), "test.numeral")
        else:
            b.absorb(piece, "test.absorb", rng.choice(["whitespace", "separator", "other"]))
    return b.finish()


def random_text(rng, n):
    return "".join(rng.choice(PIECES) for _ in range(n))


def char_boundaries(text):
    out, b = [0], 0
    for ch in text:
        b += len(ch.encode())
        out.append(b)
    return out


@pytest.mark.parametrize("seed", range(40))
def test_composed_maps_stay_exact(seed):
    rng = random.Random(seed)
    source = random_text(rng, rng.randint(0, 30))
    mid, first = random_pass(rng, source)
    out, second = random_pass(rng, mid)
    m = SpanMap.compose(first, second)
    m.validate()
    assert m.src_end == (len(source.encode()), len(source))
    assert m.dst_end == (len(out.encode()), len(out))
    bounds = char_boundaries(source)
    for a in range(len(out) + 1):
        for b in range(a, len(out) + 1):
            r = m.to_source_from_chars(out, a, b)
            assert r.byte_start in bounds and r.byte_end in bounds
            assert bounds.index(r.byte_start) == r.char_start and bounds.index(r.byte_end) == r.char_end
            assert r.byte_start <= r.byte_end
    # The whole output maps onto the whole source, less the deletions at either end.
    kept = [s for s in m.segments if s.kind != "delete"]
    if kept:
        whole = m.to_source(Span(0, len(out.encode()), 0, len(out)))
        first, last = kept[0].src, kept[-1].src
        assert whole.span == Span(first.byte_start, last.byte_end, first.char_start, last.char_end)


@pytest.mark.parametrize("seed", range(20))
def test_compose_is_associative_with_identity_neutral(seed):
    rng = random.Random(1000 + seed)
    source = random_text(rng, rng.randint(0, 20))
    t1, m1 = random_pass(rng, source)
    t2, m2 = random_pass(rng, t1)
    t3, m3 = random_pass(rng, t2)
    left = SpanMap.compose(SpanMap.compose(m1, m2), m3)
    right = SpanMap.compose(m1, SpanMap.compose(m2, m3))
    assert left.to_json() == right.to_json()
    assert SpanMap.compose(SpanMap.identity(source), m1).to_json() == m1.to_json()
    assert SpanMap.compose(m1, SpanMap.identity(t1)).to_json() == m1.to_json()
