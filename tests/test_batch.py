"""detect_many and mask_many on lists of str: the per-call results exactly, in input order, on
any number of threads; a bad item fails the whole call naming its index; one restore map for a
whole batch."""
import re
import sys

import pytest

import norvane
from norvane import Config, Policy, PolicySet, RestoreMap

from batch_cases import POLICY_SETS, output_view, report_view, texts

THREADS = [1, 2, 3, None]


@pytest.mark.parametrize("threads", THREADS)
def test_detect_many_equals_detect_per_text(threads):
    items = texts(300)
    expected = [report_view(norvane.detect(t)) for t in items]
    assert [report_view(r) for r in norvane.detect_many(items, threads=threads)] == expected


def test_detect_many_takes_the_config():
    items = texts(120, seed=3)
    config = Config()
    config.separator = False
    config.context_window = 4
    expected = [report_view(norvane.detect(t, config)) for t in items]
    assert [report_view(r) for r in norvane.detect_many(items, config, 2)] == expected


@pytest.mark.parametrize("name", sorted(POLICY_SETS))
@pytest.mark.parametrize("threads", [1, 2])
def test_mask_many_equals_mask_per_text_for_every_policy_set(name, threads):
    policies = POLICY_SETS[name]
    items = texts(200, seed=11)
    expected = [output_view(norvane.mask(t, policies)) for t in items]
    got = norvane.mask_many(items, policies, threads=threads)
    assert [output_view(o) for o in got] == expected


def test_any_iterable_of_str_is_taken_and_order_is_kept():
    items = [f"{i}번 고객 010-{1000 + i}-5678" for i in range(500)]
    by_generator = norvane.mask_many((t for t in items), threads=2)
    assert [o.text for o in by_generator] == [norvane.mask(t).text for t in items]
    assert [o.text for o in norvane.mask_many(tuple(items))] == [o.text for o in by_generator]
    assert norvane.detect_many([]) == [] and norvane.mask_many(iter(())) == []


def test_one_huge_text_among_small_ones_keeps_order_and_results():
    small = texts(400, seed=5)
    huge = "대용량 문서 " + "연락처 010-1234-5678, 주민번호 880101-1234568. " * 4000
    items = small[:200] + [huge] + small[200:]
    got = norvane.mask_many(items, POLICY_SETS["mixed"], threads=2)
    assert [output_view(o) for o in got] == [output_view(norvane.mask(t, POLICY_SETS["mixed"])) for t in items]


def single_call_error(function, item):
    with pytest.raises(Exception) as info:
        function(item)
    return info.type, str(info.value)


@pytest.mark.parametrize(
    "bad, kind",
    [(5, TypeError), (None, TypeError), (b"010-1234-5678", TypeError), ("잘못된 \ud800 문자", UnicodeEncodeError)],
)
@pytest.mark.parametrize("threads", [1, 2])
def test_a_bad_item_raises_what_the_single_call_raises_naming_its_index(bad, kind, threads):
    items = texts(50)
    items.insert(37, bad)
    for name, batch, single in [
        ("detect_many", lambda xs: norvane.detect_many(xs, threads=threads), norvane.detect),
        ("mask_many", lambda xs: norvane.mask_many(xs, threads=threads), norvane.mask),
    ]:
        single_type, single_message = single_call_error(single, bad)
        with pytest.raises(kind) as info:
            batch(items)
        assert info.type is single_type, name
        if kind is UnicodeEncodeError:
            assert info.value.reason == "texts[37]: surrogates not allowed"
            assert (info.value.start, info.value.end) == (4, 5)
        else:
            assert str(info.value) == "texts[37]: " + single_message


def test_the_first_bad_item_is_named():
    items = ["ok", 1, "ok", 2.5]
    with pytest.raises(TypeError, match=r"^texts\[1\]: argument 'text': 'int' object"):
        norvane.mask_many(items, threads=2)


@pytest.mark.parametrize(
    "items, index, kind",
    [
        (["ok", "a\ud800", "ok", 5], 1, UnicodeEncodeError),  # a surrogate before a non-str
        (["ok", 5, "a\ud800"], 1, TypeError),  # a non-str before a surrogate
        (["ok"] * 300 + ["\udfff"] + ["ok"] * 300 + ["\ud800"], 300, UnicodeEncodeError),
        (["010-1234-5678"] * 40 + [None, "x\udc00"], 40, TypeError),
    ],
)
@pytest.mark.parametrize("threads", [1, 2])
def test_the_lowest_bad_index_wins_whatever_is_wrong_with_it(items, index, kind, threads):
    shared = lambda xs, threads: norvane.mask_many(xs, PolicySet(Policy.tokenize()), threads=threads, shared_restore=True)
    for batch in (norvane.detect_many, norvane.mask_many, shared):
        with pytest.raises(kind) as info:
            batch(items, threads=threads)
        message = info.value.reason if kind is UnicodeEncodeError else str(info.value)
        assert message.startswith(f"texts[{index}]: ")


class Text(str):
    pass


# Every way CPython stores a str: ASCII, Latin-1, two and four bytes a character, a subclass, one
# whose UTF-8 form is already cached, and the empty text.
STORAGE_KINDS = [
    "고객 010-1234-5678 hong@example.com",
    "caf\u00e9 \u00a0010-1234-5678 \u00ff",
    "\u00e9",
    "주민번호 880101-1234568 😀 𝟘𝟙𝟘-𝟙𝟚𝟛𝟜-𝟝𝟞𝟟𝟠",
    "😀" * 50 + " 4111 1111 1111 1111",
    "plain ascii 010-1234-5678 and 4111-1111-1111-1111",
    Text("서브클래스 010-1234-5678"),
    Text("subclass ascii 010-9876-5432"),
    "",
]


@pytest.mark.parametrize("threads", [1, 2])
def test_every_str_storage_gives_the_per_call_results(threads):
    # The single call leaves the UTF-8 form cached in each str; the batch reads that form then.
    cached = [Text(t) if isinstance(t, Text) else t[:1] + t[1:] for t in STORAGE_KINDS]
    for t in cached:
        norvane.detect(t)
    items = (STORAGE_KINDS + cached) * 20
    for name in ("default", "mixed"):
        policies = POLICY_SETS[name]
        got = norvane.mask_many(items, policies, threads=threads)
        assert [output_view(o) for o in got] == [output_view(norvane.mask(t, policies)) for t in items]
    got = norvane.detect_many(items, threads=threads)
    assert [report_view(r) for r in got] == [report_view(norvane.detect(t)) for t in items]


# Characters at the edges of each UTF-8 length (1 to 4 bytes) and around the surrogates, in every
# order of three, so that each kind of run starts and ends the text and follows every other.
EDGE_CHARACTERS = ["a", "\x7f", "\x80", "é", "\u07ff", "\u0800", "가", "\ud7ff", "\ue000", "\uffff", "😀", "\U0010ffff"]


@pytest.mark.parametrize("threads", [1, 2])
def test_texts_made_on_the_workers_are_the_utf8_of_the_str(threads):
    import itertools
    pieces = ["".join(p) for p in itertools.product(EDGE_CHARACTERS, repeat=3)]
    # Each piece alone, and within digits that make a finding whose byte offsets depend on it.
    items = pieces + [f"{p}010-1234-5678{p}" for p in pieces]
    fresh = [t[:1] + t[1:] for t in items]
    got = norvane.mask_many(fresh, threads=threads)
    assert [output_view(o) for o in got] == [output_view(norvane.mask(t)) for t in items]
    assert [o.text for o in got[: len(pieces)]] == pieces
    tokenized = PolicySet(Policy.tokenize())
    outputs, restore = norvane.mask_many([t[:1] + t[1:] for t in items], tokenized, threads=threads, shared_restore=True)
    assert [norvane.unmask(o.text, restore) for o in outputs] == items


# A str's UTF-8 is made in one call up to 65 536 characters and in blocks past that: texts at
# that size, in two- and four-byte storage, give the per-call results, and a surrogate in the
# second block is found and named as in the first.
@pytest.mark.parametrize("wide", ["가", "\U0001f600"])
def test_texts_around_the_encoders_block_size_give_the_per_call_results(wide):
    block = 1 << 16
    unit = wide + " 010-1234-5678 "
    items = [(unit * (size // len(unit) + 1))[:size] for size in (block - 1, block, block + 1, 2 * block + 3)]
    got = norvane.mask_many(items, threads=1)
    assert [output_view(o) for o in got] == [output_view(norvane.mask(t)) for t in items]
    bad = items[3][: block + 5] + "\ud800" + items[3][block + 6 :]
    with pytest.raises(UnicodeEncodeError) as info:
        norvane.mask_many(["a", bad], threads=1)
    assert info.value.reason == "texts[1]: surrogates not allowed"
    assert (info.value.start, info.value.end) == (block + 5, block + 6)


def test_the_texts_keep_no_utf8_copy_after_a_batch():
    # A str that was asked for its UTF-8 form keeps that copy as long as it lives (its size grows);
    # the batch functions read the characters and leave the texts as they were.
    items = [t[:1] + t[1:] for t in texts(50, seed=2) if any(ord(c) > 127 for c in t)]
    sizes = [sys.getsizeof(t) for t in items]
    norvane.mask_many(items, threads=2)
    norvane.detect_many(items, threads=1)
    norvane.mask_many(items, PolicySet(Policy.tokenize()), threads=2, shared_restore=True)
    assert [sys.getsizeof(t) for t in items] == sizes
    norvane.mask(items[0])
    assert sys.getsizeof(items[0]) > sizes[0]


@pytest.mark.parametrize("texts_argument", ["010-1234-5678", b"abc", bytearray(b"abc")])
def test_a_single_string_is_not_taken_as_a_list_of_characters(texts_argument):
    with pytest.raises(TypeError, match="argument 'texts': expected an iterable of str"):
        norvane.mask_many(texts_argument)
    with pytest.raises(TypeError, match="argument 'texts': expected an iterable of str"):
        norvane.detect_many(texts_argument)


def test_argument_errors():
    with pytest.raises(TypeError, match="argument 'texts'"):
        norvane.detect_many(5)
    with pytest.raises(ValueError, match="argument 'threads': must be at least 1"):
        norvane.mask_many(["a"], threads=0)
    with pytest.raises(OverflowError):
        norvane.mask_many(["a"], threads=-1)
    with pytest.raises(TypeError, match="argument 'threads'"):
        norvane.detect_many(["a"], threads="2")
    with pytest.raises(TypeError, match="argument 'policies': 'Config' object cannot be converted to 'PolicySet'"):
        norvane.mask_many(["a"], Config())
    with pytest.raises(TypeError, match="argument 'config'"):
        norvane.detect_many(["a"], PolicySet())
    with pytest.raises(TypeError, match="argument 'shared_restore'"):
        norvane.mask_many(["a"], shared_restore=1)
    with pytest.raises(TypeError, match="unexpected keyword argument 'thread'"):
        norvane.mask_many(["a"], thread=1)


def test_an_iterator_that_fails_raises_its_own_error():
    def items():
        yield "010-1234-5678"
        raise KeyError("broken source")

    with pytest.raises(KeyError, match="broken source"):
        norvane.mask_many(items())


# ---------------------------------------------------------------------------------------------
# One restore map for the whole batch


@pytest.mark.parametrize("threads", [1, 2])
def test_shared_restore_map_numbers_tokens_across_texts_and_restores_each_text(threads):
    items = texts(300, seed=21)
    policies = POLICY_SETS["mixed"]
    outputs, restore = norvane.mask_many(items, policies, threads=threads, shared_restore=True)
    assert all(o.restore is None for o in outputs)
    # The pieces include "[[PII:0]]": the prefix moves away from it for every text.
    assert restore.prefix == "PII1"
    assert [e.token for e in restore.entries] == [f"[[PII1:{k}]]" for k in range(len(restore))]
    # Each text is what the per-text call gives, its tokens renumbered from where the last text stopped.
    number = 0
    for text, out in zip(items, outputs):
        single = norvane.mask(text, policies)
        assert findings_of(out) == findings_of(single)
        shared_tokens = {}
        for k, entry in enumerate(single.restore.entries):
            shared_entry = restore.entries[number + k]
            assert (shared_entry.original, shared_entry.entity) == (entry.original, entry.entity)
            shared_tokens[entry.token] = shared_entry.token
        if shared_tokens:
            pattern = "|".join(re.escape(t) for t in shared_tokens)
            assert out.text == re.sub(pattern, lambda m: shared_tokens[m.group()], single.text)
        else:
            assert out.text == single.text
        assert norvane.unmask(out.text, restore) == norvane.unmask(single.text, single.restore)
        number += len(single.restore)
    assert number == len(restore)
    tokenized_only = PolicySet(Policy.tokenize())
    outputs, restore = norvane.mask_many(items, tokenized_only, threads=threads, shared_restore=True)
    assert [norvane.unmask(o.text, restore) for o in outputs] == items
    # The map survives its JSON form.
    again = RestoreMap.from_json(restore.to_json())
    assert [norvane.unmask(o.text, again) for o in outputs] == items


def findings_of(out):
    return [f.to_json() for f in out.applied], [f.to_json() for f in out.skipped]


def test_shared_prefix_avoids_openers_in_any_text():
    items = ["010-1234-5678", "이미 [[PII:3]] 와 [[PII0:1]] 가 있다", "주민번호 880101-1234568"]
    outputs, restore = norvane.mask_many(items, PolicySet(Policy.tokenize()), shared_restore=True)
    assert restore.prefix == "PII1"
    assert [o.text for o in outputs] == ["[[PII1:0]]", items[1], "주민번호 [[PII1:1]]"]
    assert [norvane.unmask(o.text, restore) for o in outputs] == items


def test_shared_restore_without_tokens_gives_no_map_and_per_call_texts():
    items = texts(50)
    outputs, restore = norvane.mask_many(items, POLICY_SETS["hash"], shared_restore=True)
    assert restore is None
    assert [output_view(o) for o in outputs] == [output_view(norvane.mask(t, POLICY_SETS["hash"])) for t in items]
    assert norvane.mask_many([], PolicySet(Policy.tokenize()), shared_restore=True)[1].prefix == "PII"
