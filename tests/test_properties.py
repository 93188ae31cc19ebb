"""Properties over generated text: maps validate and cover both texts, findings slice their
source, tokenized masks undo exactly, and composition of builder-made maps is associative
with the identity map as neutral element."""
import json

from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config, Policy, PolicySet, RestoreMap, Span, SpanMap, SpanMapBuilder

SETTINGS = settings(max_examples=150, deadline=None, suppress_health_check=[HealthCheck.too_slow])

# Pieces that real notes are made of, so that generated text reaches the detectors.
FRAGMENTS = [
    "주민번호 ", "주민등록번호: ", "880101-1234568", "９００１０１－２２３４５６７", "연락처 ", "010-1234-5678",
    "02) 123-4567", "카드번호 ", "4111 1111 1111 1111", "계좌번호 ", "110-123-456789", "사업자등록번호 ",
    "123-45-67890", "hong.gildong@example.co.kr", "a@b.cc", "여권번호 ", "M12345678", "운전면허 ",
    "11-12-345678-90", "생년월일 ", "19900101", "팔팔공일공일", "이만오천원", "삼십세", "공일공", "O1O-l234",
    "1 O 2", "X-O-*", "***-**-1234", "\u1100\u1161\u11a8", "\u3000", "\u2013", "\u00ad", "(", ")", ".",
    "\u00b7", "\t", "\n", "[[PII:0]]", "[[PII:", "[[PII0:", "주문번호 ", "고객센터 ", "\x00", "😀",
]

SPECIAL = "0123456789-. ()*Xx@IlOo가일이삼십백천만공팔\u1100\u1161\u11a8Ａ０\u3000\u00a0"
# Any character that has a UTF-8 form (lone surrogates are refused; see test_hostile.py).
chars = st.one_of(st.sampled_from(SPECIAL), st.characters().filter(lambda c: not "\ud800" <= c <= "\udfff"))
texts = st.lists(st.one_of(st.sampled_from(FRAGMENTS), st.text(chars, max_size=6)), max_size=12).map("".join)


@st.composite
def configs(draw):
    c = Config()
    for flag in ("nfc", "fold", "hangul", "lookalike", "separator"):
        setattr(c, flag, draw(st.booleans()))
    c.numeral_min_digits_with_context = draw(st.integers(0, 8))
    c.numeral_min_digits_without_context = draw(st.integers(0, 10))
    c.context_window = draw(st.sampled_from([0, 1, 8, 24, 100]))
    return c


def ends(text):
    return (len(text.encode()), len(text))


def whole(text):
    return Span(0, len(text.encode()), 0, len(text))


# ---------------------------------------------------------------------------------------------
# normalize


@SETTINGS
@given(texts, configs())
def test_normalized_map_validates_and_covers_both_texts(text, config):
    n = norvane.normalize(text, config)
    n.map.validate()
    if text:
        assert n.map.src_end == ends(text)
        assert n.map.dst_end == ends(n.text)
    else:
        assert n.map.src_end == n.map.dst_end == (0, 0)
        assert n.text == ""


@SETTINGS
@given(texts, configs())
def test_whole_output_projects_to_whole_source(text, config):
    n = norvane.normalize(text, config)
    s = n.map.to_source(whole(n.text))
    assert s.span == whole(text)


@SETTINGS
@given(texts, configs(), st.data())
def test_every_projection_slices_the_source(text, config, data):
    n = norvane.normalize(text, config)
    a = data.draw(st.integers(0, len(n.text)))
    b = data.draw(st.integers(a, len(n.text)))
    s = n.map.to_source_from_chars(n.text, a, b)
    piece = s.span.slice(text)
    assert text[s.char_start : s.char_end] == piece


# ---------------------------------------------------------------------------------------------
# detect


@SETTINGS
@given(texts, configs())
def test_findings_slice_their_source(text, config):
    report = norvane.detect(text, config)
    size = len(text.encode())
    for f in report.findings:
        src = f.source
        assert 0 <= src.byte_start < src.byte_end <= size
        piece = f.text(text)
        assert piece == src.slice(text) == text[src.char_start : src.char_end]
        norm = f.normalized
        assert norm.slice(report.normalized_text) == report.normalized_text[norm.char_start : norm.char_end]
    for r in report.rejections:
        assert r.source.slice(text) == text[r.source.char_start : r.source.char_end]
    json.loads(report.to_json())


# E-mails, passports and digit runs mixed, next to and inside one another: the shapes whose
# findings and rejections must come out in one source order.
SHAPE_FRAGMENTS = [
    "M12345678", "X12345678", "여권 ", "kim0101234567@mail.kr", "a@b.cc", "010-1234-5678",
    "0101234567", "880101-1234568", "4111 1111 1111 1111", "주문번호 ", "02-123-4567", " ", ", ",
    "@", "X", "1", "\n",
]
shape_texts = st.lists(st.sampled_from(SHAPE_FRAGMENTS), max_size=16).map("".join)


def source_keys(items):
    return [(i.source.byte_start, i.source.byte_end) for i in items]


@SETTINGS
@given(st.one_of(shape_texts, texts), st.sampled_from([Config(), Config.thorough()]))
def test_findings_and_rejections_come_in_source_order(text, config):
    report = norvane.detect(text, config)
    for items in (report.findings, report.rejections):
        keys = source_keys(items)
        assert keys == sorted(keys)


# ---------------------------------------------------------------------------------------------
# mask / unmask

TOKENS = PolicySet(Policy.tokenize())


@SETTINGS
@given(texts, configs())
def test_tokenized_mask_round_trips(text, config):
    out = norvane.mask(text, TOKENS, config)
    assert out.restore is not None
    assert norvane.unmask(out.text, out.restore) == text
    reread = RestoreMap.from_json(out.restore.to_json())
    assert reread.to_json() == out.restore.to_json()
    assert norvane.unmask(out.text, reread) == text
    assert [e.original for e in out.restore.entries] == [f.text(text) for f in out.applied]


# ---------------------------------------------------------------------------------------------
# compose on builder-made maps


@st.composite
def built_map(draw, source):
    """A map over `source` made with the builder from random cuts and operations; returns
    (output text, map)."""
    b = SpanMapBuilder(source)
    i = 0
    while i < len(source):
        j = draw(st.integers(i + 1, min(len(source), i + 4)))
        piece = source[i:j]
        op = draw(st.sampled_from(["keep", "keep", "replace", "numeral", "absorb"]))
        if op == "keep":
            b.keep(piece)
        elif op == "absorb":
            b.absorb(piece, "test.absorb", draw(st.sampled_from(["whitespace", "separator", "other"])))
        else:
            dst = draw(st.text(st.sampled_from("ab가1"), min_size=1, max_size=5))
            getattr(b, op)(piece, dst, "test." + op)
        i = j
    return b.finish()


@st.composite
def map_chain(draw):
    a = draw(st.text(st.sampled_from("abc가나1-"), max_size=10))
    b, ab = draw(built_map(a))
    c, bc = draw(built_map(b))
    d, cd = draw(built_map(c))
    return (a, b, c, d), (ab, bc, cd)


@SETTINGS
@given(map_chain())
def test_compose_is_associative(chain):
    _, (ab, bc, cd) = chain
    left = SpanMap.compose(SpanMap.compose(ab, bc), cd)
    right = SpanMap.compose(ab, SpanMap.compose(bc, cd))
    assert left.to_json() == right.to_json()
    left.validate()


@SETTINGS
@given(map_chain())
def test_identity_is_neutral_on_both_sides(chain):
    (a, b, c, _), (ab, bc, _) = chain
    for m, src, dst in ((ab, a, b), (bc, b, c), (SpanMap.compose(ab, bc), a, c)):
        assert SpanMap.compose(SpanMap.identity(src), m).to_json() == m.to_json()
        assert SpanMap.compose(m, SpanMap.identity(dst)).to_json() == m.to_json()
