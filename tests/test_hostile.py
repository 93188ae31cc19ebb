"""Hostile and odd input: text that no one checked must never crash, hang, report an offset
outside the text, or lose data on a mask/unmask round trip."""
import hashlib
import hmac
import json
import math
import time

import pytest

import norvane
from norvane import Config, Policy, PolicySet, RestoreMap, Span, SpanMap, SpanMapBuilder, SpanMapError

TOKENS = PolicySet(Policy.tokenize())
MB = 1_000_000


def check_spans(text, spans):
    size = len(text.encode())
    for s in spans:
        assert 0 <= s.byte_start <= s.byte_end <= size
        assert s.slice(text) == text[s.char_start : s.char_end]


def check_all(text, config=None):
    """normalize, detect and a tokenized mask round trip, with every reported span checked."""
    n = norvane.normalize(text, config)
    n.map.validate()
    if text:
        assert n.map.src_end == (len(text.encode()), len(text))
        assert n.map.dst_end == (len(n.text.encode()), len(n.text))
    r = norvane.detect(text, config)
    check_spans(text, [f.source for f in r.findings] + [j.source for j in r.rejections])
    check_spans(r.normalized_text, [f.normalized for f in r.findings])
    out = norvane.mask(text, TOKENS, config)
    assert norvane.unmask(out.text, out.restore) == text
    assert norvane.unmask(out.text, RestoreMap.from_json(out.restore.to_json())) == text
    return n, r, out


# ---------------------------------------------------------------------------------------------
# Lone surrogates: a str that has no UTF-8 form is refused with UnicodeEncodeError (a ValueError)

SURROGATES = ["\ud800", "\udfff", "010-1234-5678 \udc00", "\ud83d", "주민번호 880101-1234568\ud800"]
TEXT_CALLS = {
    "normalize": lambda s: norvane.normalize(s),
    "detect": lambda s: norvane.detect(s),
    "mask": lambda s: norvane.mask(s, TOKENS),
    "unmask": lambda s: norvane.unmask(s, norvane.mask("", TOKENS).restore),
    "from_json": lambda s: RestoreMap.from_json(s),
    "slice": lambda s: Span(0, 0, 0, 0).slice(s),
    "from_char_range": lambda s: Span.from_char_range(s, 0, 0),
    "identity": lambda s: SpanMap.identity(s),
    "builder": lambda s: SpanMapBuilder(s),
    "keep": lambda s: SpanMapBuilder().keep(s),
    "replace_src": lambda s: SpanMapBuilder().replace(s, "x", "rule"),
    "replace_rule": lambda s: SpanMapBuilder().replace("a", "b", s),
    "absorb_class": lambda s: SpanMapBuilder().absorb("a", "rule", s),
    "redact_fixed": lambda s: Policy.redact_fixed(s),
    "with_entity": lambda s: PolicySet().with_entity(s, Policy.tokenize()),
    "policy_for": lambda s: PolicySet().policy_for(s),
    "finding_text": lambda s: norvane.detect("010-1234-5678").findings[0].text(s),
    "to_source_from_chars": lambda s: SpanMap.identity("a").to_source_from_chars(s, 0, 0),
}


@pytest.mark.parametrize("name", TEXT_CALLS)
@pytest.mark.parametrize("text", SURROGATES)
def test_lone_surrogates_are_refused(name, text):
    with pytest.raises(UnicodeEncodeError):
        TEXT_CALLS[name](text)


@pytest.mark.parametrize("fill", ["\ud800", "\udfff"])
def test_surrogate_fill_is_refused(fill):
    with pytest.raises(UnicodeEncodeError):
        Policy.redact_fill(fill)
    with pytest.raises(UnicodeEncodeError):
        Policy.partial(1, 1, fill)


def test_escaped_lone_surrogate_in_restore_json_is_a_read_error():
    for text in ['{"prefix":"\\ud800","entries":[]}', '["P",[["t","\\udc00x","phone"]]]', '["\\ud83d\\u0041",[]]']:
        with pytest.raises(ValueError) as e:
            RestoreMap.from_json(text)
        assert type(e.value) is ValueError
        assert str(e.value).startswith("restore map JSON 을 읽지 못했다: ")


def test_escaped_surrogate_pair_reads_as_one_character():
    m = RestoreMap.from_json('{"prefix":"\\ud83d\\ude00","entries":[]}')
    assert m.prefix == "😀"


# ---------------------------------------------------------------------------------------------
# NUL characters


@pytest.mark.parametrize(
    "text",
    ["\x00", "\x00" * 1000, "010\x001234\x005678", "주민번호\x00880101-1234568\x00", "a@b.cc\x00x@y.kr", "\x00[[PII:0]]\x00"],
)
def test_nul_characters_pass_through(text):
    n, _, out = check_all(text)
    assert n.text.count("\x00") == text.count("\x00")
    assert out.text.count("\x00") >= 0


def test_nul_in_restore_map_strings_round_trips():
    m = RestoreMap.from_json('{"prefix":"P\\u0000","entries":[{"token":"\\u0000","original":"a\\u0000b","entity":"phone"}]}')
    assert m.prefix == "P\x00"
    assert m.entries[0].original == "a\x00b"
    again = RestoreMap.from_json(m.to_json())
    assert again.to_json() == m.to_json()
    assert norvane.unmask("[[P\x00:0]]", m) == "a\x00b"


def test_raw_nul_in_restore_json_is_a_read_error():
    for text in ['{"prefix":"P","entries":[]}\x00', '{"prefix":"P\x00","entries":[]}', '\x00']:
        with pytest.raises(ValueError):
            RestoreMap.from_json(text)


def test_nul_in_rule_names_is_kept():
    b = SpanMapBuilder()
    b.replace("a", "b", "x\x00y")
    _, m = b.finish()
    assert m.segments[0].rules == ["x\x00y"]


# ---------------------------------------------------------------------------------------------
# Every Unicode plane


def plane_text():
    chars = []
    for plane in range(17):
        base = plane * 0x10000
        chars += [chr(base + 0x20), chr(base + 0x1234), chr(base + 0xFFFD), chr(base + 0xFFFE), chr(base + 0xFFFF)]
    chars = [c for c in chars if not 0xD800 <= ord(c) <= 0xDFFF]
    return "".join(chars)


def test_every_unicode_plane():
    planes = plane_text()
    for text in (planes, planes + " 연락처 010-1234-5678 " + planes, "0\U00010000" + "1" * 12, "\U0010FFFF" * 100):
        check_all(text)


def test_every_unicode_plane_between_digits_and_separators():
    for plane in range(17):
        c = chr(plane * 0x10000 + 0x41) if plane else "\u00a0"
        text = f"주민번호 880101{c}-{c}1234568 연락처 010{c}1234{c}5678 {c}a@b.cc{c}"
        check_all(text)


def test_every_character_of_the_bmp_once():
    text = "".join(chr(c) for c in range(0x10000) if not 0xD800 <= c <= 0xDFFF)
    check_all(text)


# ---------------------------------------------------------------------------------------------
# 1 MB of one repeated character, and other long shapes: must finish, and in linear time

REPEATED = {
    "digits": "1",
    "zeros": "0",
    "hyphens": "-",
    "spaces": " ",
    "dots": ".",
    "at": "@",
    "capitals": "A",
    "lookalike": "O",
    "mask marks": "*",
    "hangul digit": "일",
    "hangul eight": "팔",
    "hangul unit": "십",
    "hangul ten thousand": "만",
    "jamo": "\u1100",
    "full-width digit": "\uff11",
    "ideographic space": "\u3000",
    "nul": "\x00",
}


@pytest.mark.parametrize("name", REPEATED)
def test_one_megabyte_of_one_character(name):
    c = REPEATED[name]
    text = c * (MB // len(c.encode()))
    start = time.perf_counter()
    check_all(text)
    assert time.perf_counter() - start < 30


@pytest.mark.parametrize(
    "unit",
    ["1-", "1.", "1 ", "1O", "O1", "1*", "일이", "이만", "\u1100\u1161", "a@", "@a.", "a.", "M1234567 ", "010-"],
)
def test_one_megabyte_of_a_short_pattern(unit):
    text = unit * (MB // len(unit.encode()))
    start = time.perf_counter()
    check_all(text)
    assert time.perf_counter() - start < 30


def test_one_hundred_thousand_email_shapes():
    text = "".join(f"user{i}@example{i % 7}.co.kr " for i in range(100_000))
    r = norvane.detect(text)
    assert len(r.findings) == 100_000
    assert all(f.entity == "email" for f in r.findings)
    out = norvane.mask(text, TOKENS)
    assert len(out.restore) == 100_000
    assert norvane.unmask(out.text, out.restore) == text


def test_one_hundred_thousand_almost_email_shapes():
    # Every one fails late: a one-letter top label, a trailing dot, a dot before "@".
    text = "a.b@c.d " * 40_000 + "x.@y.zz " * 30_000 + "p@q.r1 " * 30_000
    r = norvane.detect(text)
    assert r.findings == []
    check_all(text)


def test_many_findings_at_once():
    text = "연락처 010-1234-5678, 주민번호 880101-1234568; " * 20_000
    n, r, out = check_all(text)
    assert len(r.findings) == 40_000
    assert len(out.restore) == 40_000


# ---------------------------------------------------------------------------------------------
# Restore-map JSON: deeply nested, huge, odd


@pytest.mark.parametrize("depth", [1000, 100_000, 1_000_000])
def test_deeply_nested_json_is_refused_without_crashing(depth):
    for text in ("[" * depth + "]" * depth, "[" * depth, '{"a":' * depth + "1" + "}" * depth):
        with pytest.raises(ValueError):
            RestoreMap.from_json(text)


@pytest.mark.parametrize("depth", [1000, 100_000, 1_000_000])
def test_deep_nesting_under_an_unknown_key_is_skipped(depth):
    text = '{"prefix":"P","junk":' + "[" * depth + "]" * depth + ',"entries":[]}'
    m = RestoreMap.from_json(text)
    assert m.prefix == "P" and len(m) == 0


def test_huge_restore_map_round_trips():
    names = norvane.entity_names()
    entries = [{"token": f"[[P:{i}]]", "original": f"원문 {i} 😀", "entity": names[i % 10]} for i in range(200_000)]
    text = json.dumps({"prefix": "P", "entries": entries}, ensure_ascii=False)
    m = RestoreMap.from_json(text)
    assert len(m) == 200_000
    assert RestoreMap.from_json(m.to_json()).to_json() == m.to_json()
    masked = " ".join(f"[[P:{i}]]" for i in range(0, 200_000, 997))
    assert norvane.unmask(masked, m) == " ".join(f"원문 {i} 😀" for i in range(0, 200_000, 997))


def test_huge_strings_in_restore_map():
    big = "가" * MB
    m = RestoreMap.from_json(json.dumps({"prefix": big, "entries": [{"token": big, "original": big, "entity": "email"}]}))
    assert m.prefix == big and m.entries[0].original == big
    assert norvane.unmask("x[[" + big + ":0]]y", m) == "x" + big + "y"


@pytest.mark.parametrize(
    "number",
    ["1e999999", "-1e999999", "123456789012345678901234567890", "-0", "1.5e308", "0.000000000000000000001"],
)
def test_odd_numbers_under_unknown_keys(number):
    m = RestoreMap.from_json('{"n":' + number + ',"prefix":"P","entries":[]}')
    assert m.prefix == "P"


# ---------------------------------------------------------------------------------------------
# Token-like text in the source


def test_existing_tokens_in_the_source_are_left_alone():
    text = "[[PII:0]] 연락처 010-1234-5678 [[PII:1]] 주민번호 880101-1234568"
    out = norvane.mask(text, TOKENS)
    assert out.restore.prefix == "PII0"
    assert "[[PII:0]]" in out.text and "[[PII:1]]" in out.text
    assert norvane.unmask(out.text, out.restore) == text


def test_every_early_prefix_taken():
    text = "[[PII:" + "".join(f"[[PII{k}:" for k in range(100)) + " 010-1234-5678"
    out = norvane.mask(text, TOKENS)
    assert out.restore.prefix == "PII100"
    assert norvane.unmask(out.text, out.restore) == text


def test_many_taken_prefixes_stay_linear():
    text = "[[PII:" + "".join(f"[[PII{k}:" for k in range(200_000)) + " 010-1234-5678"
    start = time.perf_counter()
    out = norvane.mask(text, TOKENS)
    assert time.perf_counter() - start < 30
    assert out.restore.prefix == "PII200000"
    assert norvane.unmask(out.text, out.restore) == text


@pytest.mark.parametrize(
    "text",
    [
        "[[PII:0]]010-1234-5678",
        "010-1234-5678[[PII:",
        "[[[[PII:]]]] 010-1234-5678",
        "[[PII0:0]] 010-1234-5678 [[PII:",
        "[[" * 1000 + "010-1234-5678" + "]]" * 1000,
        "[[PII:99999999999999999999]] 010-1234-5678",
        "[[PII:+0]] [[PII:-1]] 010-1234-5678",
    ],
)
def test_token_like_text_round_trips(text):
    check_all(text)


def test_unmask_of_hostile_token_numbers():
    m = norvane.mask("전화 010-1234-5678", TOKENS).restore
    for masked, message in [
        ("[[PII:18446744073709551615]]", "표에 없는 토큰 번호 18446744073709551615"),
        ("[[PII:18446744073709551616]]", "토큰 번호가 숫자가 아니다: '18446744073709551616'"),
        ("[[PII:++0]]", "토큰 번호가 숫자가 아니다: '++0'"),
        ("[[PII:0" + "0" * 100_000, "[[PII:...  에 닫는 괄호가 없다"),
    ]:
        with pytest.raises(SpanMapError) as e:
            norvane.unmask(masked, m)
        assert str(e.value) == "restore token error: " + message


# ---------------------------------------------------------------------------------------------
# Hash keys of length 0, 64, 65 and 1 MB


@pytest.mark.parametrize("size", [0, 1, 63, 64, 65, 128, MB])
@pytest.mark.parametrize("length", [0, 12, 64, 65, 2**64 - 1])
def test_hash_keys_of_every_size(size, length):
    key = bytes(range(256)) * (size // 256) + bytes(range(size % 256))
    text = "연락처 010-1234-5678"
    out = norvane.mask(text, PolicySet(Policy.hash(key, length)))
    digest = hmac.new(key, "010-1234-5678".encode(), hashlib.sha256).hexdigest()
    assert out.text == "연락처 [PHONE:" + digest[: min(length, 64)] + "]"


def test_hash_key_forms():
    key = [1, 2, 255]
    for k in (bytes(key), bytearray(key), key, tuple(key)):
        out = norvane.mask("010-1234-5678", PolicySet(Policy.hash(k, 64)))
        assert out.text == "[PHONE:" + hmac.new(bytes(key), b"010-1234-5678", hashlib.sha256).hexdigest() + "]"
    for bad in ([256], [-1], "key", [1.5]):
        with pytest.raises((TypeError, ValueError, OverflowError)):
            Policy.hash(bad)
    for length in (-1, 2**64):
        with pytest.raises(OverflowError):
            Policy.hash(b"k", length)


# ---------------------------------------------------------------------------------------------
# partial with counts near 2**64

BIG = 2**64 - 1


@pytest.mark.parametrize(
    "prefix, suffix",
    [(BIG, BIG), (BIG, 0), (0, BIG), (2**63, 2**63), (BIG - 1, 1), (1, BIG - 1), (BIG - 12, 12), (2**63 - 1, 2**63)],
)
def test_partial_with_huge_counts_covers_everything(prefix, suffix):
    out = norvane.mask("연락처 010-1234-5678", PolicySet(Policy.partial(prefix, suffix)))
    assert out.text == "연락처 " + "*" * 13


@pytest.mark.parametrize("prefix, suffix", [(2**64, 0), (0, 2**64), (-1, 0), (0, -1)])
def test_partial_counts_beyond_the_range(prefix, suffix):
    with pytest.raises(OverflowError):
        Policy.partial(prefix, suffix)


def test_partial_counts_below_the_length():
    out = norvane.mask("연락처 010-1234-5678", PolicySet(Policy.partial(3, 4, "가")))
    assert out.text == "연락처 010" + "가" * 6 + "5678"


# ---------------------------------------------------------------------------------------------
# Config with negative, zero, NaN and infinite values

ODD_FLOATS = [-1.0, -0.0, 0.0, float("nan"), float("inf"), float("-inf"), 1e-45, 3.4e38, 1e300]
SAMPLE = "주민번호 880101-1234568, 연락처 010-1234-5678, 카드 4111 1111 1111 1111, 계좌 110-123-456789, M12345678 a@b.cc"


BEYOND_32_BIT_FLOATS = pytest.mark.filterwarnings("ignore:.*beyond the range of a 32-bit float:RuntimeWarning")


@BEYOND_32_BIT_FLOATS
@pytest.mark.parametrize("value", ODD_FLOATS)
@pytest.mark.parametrize("field", ["min_score", "min_context", "min_veto"])
def test_odd_thresholds(field, value):
    c = Config()
    setattr(c, field, value)
    _, r, _ = check_all(SAMPLE, c)
    json.loads(r.to_json())
    repr(r)
    for f in r.findings:
        repr(f)
        repr(f.evidence)


@BEYOND_32_BIT_FLOATS
@pytest.mark.parametrize("value", ODD_FLOATS)
def test_odd_weights(value):
    c = Config()
    c.set_weights(**{name: value for name, _ in c.weights})
    _, r, _ = check_all(SAMPLE, c)
    doc = json.loads(r.to_json())
    for f, j in zip(r.findings, doc["findings"]):
        assert (j["score"] is None) == math.isnan(f.score)
        repr(f)
    for j in r.rejections:
        repr(j)


def test_nan_score_renders_as_null_and_nan():
    c = Config()
    c.set_weights(checksum_passed=float("nan"))
    r = norvane.detect("주민번호 880101-1234568", c)
    assert math.isnan(r.findings[0].score)
    assert '"score":null' in r.findings[0].to_json()
    assert "score=NaN" in repr(r.findings[0])


@pytest.mark.parametrize("window", [0, 1, 2**31, 2**32 - 1])
def test_odd_context_windows(window):
    c = Config()
    c.context_window = window
    check_all(SAMPLE, c)


@pytest.mark.parametrize("value", [0, 1, 2**63, 2**64 - 1])
def test_odd_numeral_settings(value):
    c = Config()
    c.numeral_min_digits_with_context = value
    c.numeral_min_digits_without_context = value
    check_all("팔팔공일공일 이만오천원 삼십세 공일공 일이삼사 오육칠팔 " + SAMPLE, c)


def test_every_pass_off_is_the_identity():
    c = Config()
    for flag in ("nfc", "fold", "hangul", "lookalike", "separator"):
        setattr(c, flag, False)
    n, _, _ = check_all(SAMPLE, c)
    assert n.text == SAMPLE and n.map.is_identity()


@pytest.mark.parametrize(
    "field, value, error",
    [
        ("context_window", -1, OverflowError),
        ("context_window", 2**32, OverflowError),
        ("context_window", float("nan"), TypeError),
        ("context_window", float("inf"), TypeError),
        ("numeral_min_digits_with_context", -1, OverflowError),
        ("numeral_min_digits_without_context", 2**64, OverflowError),
        ("min_score", "0.5", TypeError),
        ("min_score", 10**400, OverflowError),
        ("nfc", 1, TypeError),
    ],
)
def test_config_values_outside_their_types(field, value, error):
    c = Config()
    before = repr(c), c.weights
    with pytest.raises(error):
        setattr(c, field, value)
    assert (repr(c), c.weights) == before


# ---------------------------------------------------------------------------------------------
# Hand-made spans and maps whose numbers disagree


@pytest.mark.parametrize(
    "span",
    [Span(0, 2**32 - 1, 0, 2**32 - 1), Span(2**32 - 1, 0, 5, 1), Span(3, 3, 2**32 - 1, 0), Span(1, 2, 0, 0)],
)
def test_disagreeing_spans_never_crash(span):
    text = "가나다 010-1234-5678"
    n = norvane.normalize(text)
    for m in (n.map, SpanMap.identity(text), SpanMap.identity("")):
        repr(m.to_source(span))
        m.to_source(span).to_json()


# ---------------------------------------------------------------------------------------------
# The widest context window: cues are looked up in an index of the text, not walked to


def _window(w):
    c = Config()
    c.context_window = w
    return c


def test_widest_context_window_on_a_long_text():
    text = "연락처 010-1234-5678 " * 8000
    widest = norvane.detect(text, _window(2**32 - 1))
    assert len(widest.findings) == 8000
    assert widest.to_json() == norvane.detect(text, _window(10**6)).to_json()


@pytest.mark.parametrize(
    "text",
    [
        "연락처 010-1234-5678 주문번호",
        "주문번호 010-1234-5678 연락처 계좌번호 110-123-456789 계좌계좌",
        "가😀 전화전화번호 ０１０ 1234 5678 고객센터 예금주",
        "",
    ],
)
def test_widest_context_window_matches_a_window_past_the_text(text):
    # 256 characters reach past both ends of these texts, and are still walked
    assert norvane.detect(text, _window(2**32 - 1)).to_json() == norvane.detect(text, _window(256)).to_json()
