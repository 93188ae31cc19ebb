"""The thirteenth blind part's documents (bench/labelled_blind13.py): the same for a seed, spans
exact and disjoint, check digits real, every kind, genre and look-alike category present, kinds
balanced, and the part wired into quality.py. Nothing here runs detection."""

import datetime
import os
import re
import sys
import time
from collections import Counter

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind13 as blind13  # noqa: E402
from labelled_checks import (assert_check_digit, assert_disjoint, assert_spans_exact,  # noqa: E402
                             digits_of, resident_birth)
import quality  # noqa: E402


@pytest.fixture(scope="module")
def docs():
    return blind13.generate()


def test_same_seed_same_documents_and_a_smaller_count_is_a_prefix():
    first = blind13.generate(120, seed=5)
    assert [(d.genre, d.text, d.values, d.negatives) for d in first] == \
        [(d.genre, d.text, d.values, d.negatives) for d in blind13.generate(120, seed=5)]
    assert [d.text for d in blind13.generate(50, seed=5)] == [d.text for d in first[:50]]
    assert [d.text for d in blind13.generate(120, seed=6)] != [d.text for d in first]


def test_default_count_is_written_in_under_two_seconds():
    started = time.process_time()
    docs = blind13.generate(1500)
    assert time.process_time() - started < 2.0
    assert len(docs) == 1500 and all(d.part == "blind13" for d in docs)


def test_bad_count_is_refused():
    with pytest.raises(ValueError):
        blind13.generate(-1)
    assert blind13.generate(0) == []


def test_spans_are_exact_disjoint_and_recorded_with_their_genre(docs):
    for d in docs:
        assert_spans_exact(d)
        assert_disjoint(d)
        assert {r.genre for r in d.values + d.negatives} <= {d.genre}
        assert all(r.text and r.text == r.text.strip() for r in d.values + d.negatives), d.genre


def test_check_digits_are_real_and_post2020_numbers_carry_none(docs):
    values = [v for d in docs for v in d.values]
    assert all("*" in v.text for v in values if v.masked)
    checked = Counter(assert_check_digit(v) for v in values if not v.masked)
    assert set(checked) - {None} == {"resident", "foreigner", "post2020", "business", "card"}
    assert checked["post2020"] >= 15
    for v in values:
        if v.writing == "post2020":
            ds = [int(c) for c in digits_of(v.text)]
            assert ds[6] in (3, 4) and resident_birth(ds) <= datetime.date(2026, 12, 31)
            assert corpus.resident_check(ds[:12], False) != ds[12], v


def test_kinds_have_their_shapes(docs):
    shapes = {
        "phone": re.compile(r"^(\+82|0\d{1,3}|\(0\d{2}\)).*[\d*]$"),
        "email": re.compile(r"^[\w.*-]+( ?[@＠] ?|\(at\))[\w.-]+\.[A-Za-z]{2,}$"),
        "passport": re.compile(r"^[MSRG][0-9*]{3}[0-9A-Z*][0-9*]{4}$"),
        "driver_license": re.compile(r"^([가-힣]{2} |\d\d[- ]?)\d\d[- ]?[\d*]{6}[- ]?[\d*]{2}$"
                                     r"|^\d\d-\d\d-\d{3}\*{3}-\*\*$"),
        "bank_account": re.compile(r"^[\d*]+([- ][\d*]+)*$"),
    }
    for d in docs:
        for v in d.values:
            text = v.text.translate(str.maketrans("０１２３４５６７８９－", "0123456789-"))
            if v.writing == "hangul":    # read aloud: 공일공 ...
                text = text.translate(str.maketrans("공일이삼사오육칠팔구", "0123456789"))
            if v.kind in shapes:
                assert shapes[v.kind].match(text), (v.kind, v.text)
            if v.kind == "birth_date" and v.writing in ("iso", "dot", "slash", "korean_date", "dot_spaced"):
                born = datetime.date(*map(int, re.findall(r"\d+", v.text)))
                assert 1930 <= born.year <= labelled.REFERENCE_YEAR, v.text


def test_every_kind_genre_and_negative_category_is_present(docs):
    counts = labelled.summary(docs)
    assert set(counts["values"]) == set(labelled.KINDS)
    assert set(counts["negatives"]) == set(blind13.NEG_CATEGORIES)
    assert len(blind13.NEG_CATEGORIES) >= 40
    assert {d.genre for d in docs} == set(blind13.GENRES) and len(blind13.GENRES) >= 25
    assert {d.genre for d in blind13.generate(len(blind13.GENRES))} == set(blind13.GENRES)


def test_kinds_are_balanced_and_about_a_tenth_are_partly_masked(docs):
    kinds = labelled.summary(docs)["values"]
    total = sum(kinds.values())
    assert min(kinds.values()) >= 200, kinds
    assert max(kinds, key=kinds.get) == "phone" and kinds["phone"] < total / 3, kinds
    masked = sum(v.masked for d in docs for v in d.values)
    assert 0.07 * total < masked < 0.14 * total
    assert {v.kind for d in docs for v in d.values if v.masked} == set(labelled.KINDS)


def test_organisations_numbers_are_negatives_and_persons_lines_values(docs):
    """A shared mailbox is an office's, a 15xx number a call centre's; a 050x safe number and a
    direct line given as someone's own are that person's."""
    writings = {v.writing for d in docs for v in d.values if v.kind == "phone"}
    assert {"safe_number", "landline", "intl", "fullwidth", "masked"} <= writings
    for d in docs:
        for n in d.negatives:
            if n.category == "shared_mailbox":
                assert n.text.split("@")[0] in blind13.MAILBOXES
            if n.category == "call_centre":
                assert n.text[:4] in blind13.CALL_PREFIXES
        for v in d.values:
            if v.kind == "email":
                assert v.text.split("@")[0] not in blind13.MAILBOXES


def test_the_part_is_registered_in_quality():
    assert "blind13" in quality.PARTS
    docs = quality.documents("blind13", 30, 2)
    assert [d.text for d in docs] == [d.text for d in blind13.generate(30, 2)]
    assert "labelled_blind13.py" in quality.__doc__ and "--parts blind13" in quality.__doc__
