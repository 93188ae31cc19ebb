"""The documents of bench/labelled_blind18.py (the eighteenth blind part): the same documents for a
seed, spans exact and disjoint, check digits real, values in real shapes, every kind, genre, form
and negative category present, kinds balanced, and the part wired into quality.py. No detection
runs here."""

import datetime
import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
from labelled_checks import (assert_check_digit, assert_disjoint, assert_spans_exact, digits_of,  # noqa: E402
                             resident_birth)
import labelled_blind18 as blind18  # noqa: E402
import quality  # noqa: E402

N = 1500  # the part's default count, about a second to make


@pytest.fixture(scope="module")
def docs():
    return blind18.generate(N, seed=1)


def _values(docs):
    return [v for d in docs for v in d.values]


def test_same_seed_same_documents_and_a_smaller_count_is_a_prefix():
    def dump(ds):
        return [(d.genre, d.text, d.values, d.negatives) for d in ds]

    a = dump(blind18.generate(60, seed=4))
    assert a == dump(blind18.generate(60, seed=4))
    assert a[:25] == dump(blind18.generate(25, seed=4))
    assert [t for _, t, _, _ in a] != [d.text for d in blind18.generate(60, seed=5)]
    assert blind18.generate(0) == []
    for bad in (-1, 2.5, "10", None):
        with pytest.raises(ValueError):
            blind18.generate(bad)


def test_spans_slice_back_and_never_overlap(docs):
    for d in docs:
        assert d.part == blind18.PART
        labelled.check(d)
        assert_spans_exact(d)
        assert_disjoint(d)
        assert d.values or d.negatives, d.text


def test_check_digits_are_real_and_post2020_numbers_have_none(docs):
    checked = {}
    for v in _values(docs):
        if v.masked:
            assert "*" in v.text, v
            continue
        what = assert_check_digit(v)
        checked[what] = checked.get(what, 0) + 1
        if what == "post2020":
            ds = [int(c) for c in digits_of(v.text)]
            assert ds[6] in (3, 4) and corpus.resident_check(ds[:12], False) != ds[12], v
        elif what in ("resident", "foreigner"):
            assert resident_birth([int(c) for c in digits_of(v.text)]) < datetime.date(2026, 1, 1), v
    assert {"resident", "foreigner", "post2020", "business", "card"} <= set(checked)
    assert checked["post2020"] >= 30


def _born(v) -> datetime.date:
    """The date a written birth date stands for (a two-digit year is of the 1900s or 2000s)."""
    if v.writing == "english":
        return datetime.datetime.strptime(v.text, "%b %d, %Y").date()
    numbers = [int(n) for n in re.findall(r"\d+", v.text)]
    if len(numbers) == 1:  # 19880315 or 880315
        s = str(numbers[0]).zfill(6)
        numbers = [int(s[:-4]), int(s[-4:-2]), int(s[-2:])]
    y, m, d = numbers
    return datetime.date(y if y > 99 else (2000 + y if y < 26 else 1900 + y), m, d)


MOBILE = re.compile(r"^(010\d{8}|8210\d{8}|050\d{9})$")
LANDLINE = re.compile(r"^0(2\d{7,8}|[3-6][1-5]\d{7,8})$")


def test_values_have_the_shapes_of_their_kind(docs):
    for v in _values(docs):
        ds = digits_of(v.text)
        if v.masked:
            continue
        if v.kind == "phone":
            assert (LANDLINE if v.writing == "direct_line" else re.compile(f"{MOBILE.pattern}|{LANDLINE.pattern}")).match(ds), v
        elif v.kind == "email":
            local, domain = v.text.split("@")
            assert "." in domain and local.lower() not in blind18.SHARED_MAILBOXES, v
        elif v.kind == "bank_account":
            assert 11 <= len(ds) <= 14, v
        elif v.kind == "driver_license":
            assert len(digits_of(re.sub(r"^[가-힣]+ ", "", v.text))) in (10, 12), v  # 대구 holds a Hangul digit
        elif v.kind == "passport":
            assert re.fullmatch(r"[MSR]\d{3}[A-Z0-9]\d{4}", v.text.translate(str.maketrans("０１２３４５６７８９", "0123456789"))), v
        elif v.kind == "birth_date":
            assert _born(v) < datetime.date(labelled.REFERENCE_YEAR, 1, 1), v


def test_kinds_balanced_and_about_a_tenth_masked():
    values = _values(blind18.generate())
    counts = {k: sum(v.kind == k for v in values) for k in labelled.KINDS}
    assert min(counts.values()) >= 200, counts
    assert max(counts, key=counts.get) == "phone" and counts["phone"] < len(values) / 3, counts
    masked = sum(v.masked for v in values) / len(values)
    assert 0.07 <= masked <= 0.14, masked
    assert {v.kind for v in values if v.masked} == set(labelled.KINDS)


def test_every_genre_form_and_negative_category_present(docs):
    genres = {g.name for g in blind18.GENRES}
    assert len(genres) >= 25 and {d.genre for d in docs} == genres
    assert {d.style for d in docs} == set(blind18.STYLES)
    categories = {n.category for d in docs for n in d.negatives}
    assert categories == set(blind18.NEGATIVES) | {"opt_out_number"}
    assert len(categories) >= 40
    for g in blind18.GENRES:  # every kind and category a genre names is one the part knows
        assert set(g.kinds) <= set(labelled.KINDS) and set(g.negatives) <= set(blind18.NEGATIVES), g.name


def test_organisations_numbers_are_negatives_and_people_s_are_values(docs):
    """A shared mailbox and an office's number are never a value, and no negative repeats a value
    of its document."""
    for d in docs:
        texts = {v.text for v in d.values}
        for n in d.negatives:
            assert n.text not in texts, (d.genre, n)
            if n.category == "shared_mailbox":
                assert n.text.split("@")[0] in blind18.SHARED_MAILBOXES
    writings = {v.writing for v in _values(docs) if v.kind == "phone"}
    assert {"safe_050", "direct_line", "hangul", "intl", "masked", "fullwidth"} <= writings


def test_wired_into_quality():
    assert blind18.PART in quality.PARTS
    assert [d.text for d in quality.documents(blind18.PART, 12, 3)] == [d.text for d in blind18.generate(12, 3)]


def test_forms_write_their_values_the_way_they_say(docs):
    """Full-width forms hold no ASCII digit in a value but addresses and English dates; a scan's
    letter-for-digit value holds a letter; a label above its value ends the line before it; a
    jotted account follows its bank's name; a masked value still shows some of what it stands for."""
    seen = set()
    for d in docs:
        for v in d.values:
            before = d.text[:v.char_start]
            if d.style == "fullwidth" and v.kind != "email" and v.writing != "english":
                assert not re.search(r"[0-9]", v.text), v
                seen.add("fullwidth")
            if v.writing == "ocr_letter":
                assert re.search(r"[OlSB]", v.text) and len(digits_of(v.text)) >= 9, v
                seen.add("ocr_letter")
            if v.label == "label_above":
                assert before.endswith("\n") or before.endswith(" "), v  # the bank's name may sit before an account
                seen.add("label_above")
            if v.label == "bank_name":
                assert before.endswith(f"{v.label_text} ") and v.label_text in blind18.BANK_FORMATS, v
                seen.add("bank_name")
            if v.masked:
                assert "*" in v.text and re.search(r"[^\W_]", v.text), v
                seen.add("masked")
    assert seen == {"fullwidth", "ocr_letter", "label_above", "bank_name", "masked"}
