"""Properties of the batch paths over generated batches: lists and Arrow columns give the
per-call results in order for any threads, configs and policy sets, and a shared restore map
restores every text."""
import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config, Policy, PolicySet

from batch_cases import POLICY_SETS, findings_view, output_view, report_view
from test_properties import configs, texts

pa = pytest.importorskip("pyarrow")

SETTINGS = settings(max_examples=60, deadline=None, suppress_health_check=[HealthCheck.too_slow])

batches = st.lists(texts, max_size=40)
threads = st.sampled_from([1, 2, 3, None])
policy_names = st.sampled_from(sorted(POLICY_SETS))


@SETTINGS
@given(batches, configs(), threads)
def test_detect_many_is_detect_per_text(items, config, n):
    assert [report_view(r) for r in norvane.detect_many(items, config, n)] == [
        report_view(norvane.detect(t, config)) for t in items
    ]


@SETTINGS
@given(batches, configs(), policy_names, threads)
def test_mask_many_is_mask_per_text(items, config, name, n):
    policies = POLICY_SETS[name]
    got = norvane.mask_many(items, policies, config, n)
    assert [output_view(o) for o in got] == [output_view(norvane.mask(t, policies, config)) for t in items]


@SETTINGS
@given(batches, configs(), threads)
def test_a_shared_restore_map_restores_every_text(items, config, n):
    outputs, restore = norvane.mask_many(items, PolicySet(Policy.tokenize()), config, n, shared_restore=True)
    assert [norvane.unmask(o.text, restore) for o in outputs] == items
    assert len(restore) == sum(len(o.applied) for o in outputs)
    # No token opener stands in any masked text except where a token was written.
    opener = "[[" + restore.prefix + ":"
    assert sum(o.text.count(opener) for o in outputs) == len(restore)


@st.composite
def columns(draw):
    items = draw(st.lists(st.one_of(st.none(), texts), max_size=40))
    arrow_type = draw(st.sampled_from([pa.string(), pa.large_string(), pa.string_view()]))
    start = draw(st.integers(0, len(items)))
    stop = draw(st.integers(start, len(items)))
    cut = draw(st.integers(0, len(items)))
    column = pa.chunked_array([pa.array(items[:cut], arrow_type), pa.array(items[cut:], arrow_type)])
    if draw(st.booleans()):
        return column.slice(start, stop - start), items[start:stop]
    return column, items


@SETTINGS
@given(columns(), configs(), policy_names, threads)
def test_an_arrow_column_masks_like_the_shared_list_path(column_and_items, config, name, n):
    column, items = column_and_items
    policies = POLICY_SETS[name]
    present = [t for t in items if t is not None]
    outputs, restore = norvane.mask_many(present, policies, config, n, shared_restore=True)
    masked = iter(o.text for o in outputs)
    out = norvane.mask_many(column, policies, config, n)
    assert pa.array(out).to_pylist() == [None if t is None else next(masked) for t in items]
    assert (out.restore is None) == (restore is None)
    if restore is not None:
        assert out.restore.to_json() == restore.to_json()
    reports = norvane.detect_many(column, config, n)
    assert [None if r is None else report_view(r) for r in reports] == [
        None if t is None else report_view(norvane.detect(t, config)) for t in items
    ]


utf8_pieces = st.sampled_from([b"a", b"\x00", b"\xc2\xa0", b"\xed\x9f\xbf", b"\xed\xa0\x80", b"\xe0\xa0\x80",
                               b"\xe0\x9f\xbf", b"\xf0\x90\x80\x80", b"\xf4\x8f\xbf\xbf", b"\xf4\x90\x80\x80",
                               b"\xc0\xaf", b"\xc1\xbf", b"\xf5\x80\x80\x80", b"\xff", b"\x80", b"\xea\xb0",
                               "한국어 010-1234-5678".encode(), b"12345678abcdefgh"])
raw_rows = st.lists(st.one_of(utf8_pieces, st.binary(max_size=6)), max_size=12).map(b"".join)


@SETTINGS
@given(raw_rows)
def test_arrow_rows_are_refused_exactly_where_utf8_breaks(data):
    offsets = pa.array([0, len(data)], pa.int32()).buffers()[1]
    column = pa.StringArray.from_buffers(1, offsets, pa.py_buffer(data))
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        with pytest.raises(ValueError, match=rf"^texts\[0\]: invalid UTF-8 at byte {e.start} of the text$"):
            norvane.mask_many(column)
        return
    assert pa.array(norvane.mask_many(column)).to_pylist() == [norvane.mask(text).text]


# Texts without digits or "@", the ones the batch paths may settle without a full detection:
# numerals spelt in Hangul (read as digits by context), jamo that compose, characters that fold,
# look-alike letters and masked-digit marks next to each other.
DIGIT_FREE_PIECES = [
    "고객이 여러 번 전화했으나 연결이 안 돼 불만이 큼. ", "담당자 ", "에게 이관, ", "일", "이", "삼", "사",
    "오", "육", "칠", "팔", "구", "공", "십", "백", "천", "만", "하나", "여덟", "번", "호", "세", "년",
    "요", " ", "  ", "-", "\u2013", "\u00a0", "\u3000", "\u1100\u1161", "\u11a8", "Ｏ", "０", "＠", "O",
    "l", "I", "o", "x", "X", "*", ".", ",", "\n", "\u00b7", "연락처 ", "주민번호 ", "전화 ",
]
digit_free_texts = st.lists(st.sampled_from(DIGIT_FREE_PIECES), max_size=16).map("".join)


@SETTINGS
@given(st.lists(digit_free_texts, max_size=30), configs(), policy_names)
def test_digit_free_texts_come_out_as_from_single_calls(items, config, name):
    policies = POLICY_SETS[name]
    for c in (config, Config.thorough()):
        assert [report_view(r) for r in norvane.detect_many(items, c, 1)] == [
            report_view(norvane.detect(t, c)) for t in items
        ]
        got = norvane.mask_many(items, policies, c, 1)
        assert [output_view(o) for o in got] == [output_view(norvane.mask(t, policies, c)) for t in items]
        column = norvane.mask_many(pa.array(items, pa.string()), policies, c, 1)
        outputs, _ = norvane.mask_many(items, policies, c, 1, shared_restore=True)
        assert pa.array(column).to_pylist() == [o.text for o in outputs]


# Masking detects without rejections (and an Arrow column without evidence): a digit run that
# cannot win is dropped before its source is looked up. What it finds must still be exactly what
# detect's full report finds, and the column's text what mask writes, under the base rules,
# the thorough families and weights that make the early drop impossible.
def _weighted(config, weights):
    config.set_weights(**{k: v for k, v in weights.items() if k not in ("min_score", "min_context")})
    for name in ("min_score", "min_context"):
        if name in weights:
            setattr(config, name, weights[name])
    return config


MASKING_CONFIGS = st.one_of(
    configs(),
    st.just(Config.thorough()),
    st.builds(lambda ws: _weighted(Config(), {"absorbed_whitespace": ws, "absorbed_separator": ws}),
              st.sampled_from([-0.5, 0.0, 0.3])),
    st.builds(lambda s: _weighted(Config.thorough(), {"min_score": s, "min_context": s}),
              st.sampled_from([0.0, 0.9, 1.5])),
)


@SETTINGS
@given(batches, MASKING_CONFIGS, policy_names, threads)
def test_masking_finds_what_the_full_detection_finds(items, config, name, n):
    policies = POLICY_SETS[name]
    for text, out in zip(items, norvane.mask_many(items, policies, config, n)):
        found = sorted(out.applied + out.skipped, key=lambda f: (f.source.byte_start, f.source.byte_end))
        assert findings_view(found) == findings_view(norvane.detect(text, config).findings)
    column = norvane.mask_many(pa.array(items, pa.string()), policies, config, n)
    shared, _ = norvane.mask_many(items, policies, config, n, shared_restore=True)
    assert pa.array(column).to_pylist() == [o.text for o in shared]
    if name not in ("tokenize", "mixed"):  # tokens of a shared map differ from single calls' ones
        assert pa.array(column).to_pylist() == [norvane.mask(t, policies, config).text for t in items]
