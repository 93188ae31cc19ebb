"""The twelfth blind part (bench/labelled_blind12.py): the same documents for a seed, spans exact
and disjoint, real check digits, every kind, genre and look-alike category present, kinds
balanced at the default count, and the part wired into quality.py. No detection runs here."""

import datetime
from collections import Counter
import os
import re
import sys
import time
import unicodedata

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind12 as b12  # noqa: E402
from labelled_checks import LETTER_DIGITS, assert_check_digit, assert_disjoint, assert_spans_exact, digits_of  # noqa: E402
import quality  # noqa: E402

DEFAULT = 1500


@pytest.fixture(scope="module")
def docs():
    return b12.generate(DEFAULT, seed=1)


def test_same_seed_same_documents_and_a_smaller_count_is_a_prefix():
    first = b12.generate(120, seed=4)
    assert [d.text for d in b12.generate(120, seed=4)] == [d.text for d in first]
    assert [d.text for d in b12.generate(50, seed=4)] == [d.text for d in first[:50]]
    assert [d.values for d in b12.generate(50, seed=4)] == [d.values for d in first[:50]]
    assert [d.text for d in b12.generate(50, seed=5)] != [d.text for d in first[:50]]
    assert b12.generate(0) == []
    with pytest.raises(ValueError):
        b12.generate(-1)


def test_spans_slice_back_and_never_overlap(docs):
    for d in docs:
        assert d.part == b12.PART and d.genre in b12.GENRES
        labelled.check(d)
        assert_spans_exact(d)
        assert_disjoint(d)


def test_check_digits_are_real_and_children_born_since_october_2020_carry_none(docs):
    checked = Counter(assert_check_digit(v) for d in docs for v in d.values if not v.masked)
    assert set(checked) == {None, "resident", "foreigner", "post2020", "business", "card"}
    assert checked["post2020"] >= 40
    for d in docs:
        for v in d.values:
            if v.writing == "post2020":
                ds = [int(c) for c in digits_of(v.text)]
                assert corpus.resident_check(ds[:12], False) != ds[12], v


def test_every_kind_at_least_two_hundred_times_phones_largest_but_under_a_third(docs):
    kinds = labelled.summary(docs)["values"]
    assert set(kinds) == set(labelled.KINDS)
    assert min(kinds.values()) >= 200, kinds
    total = sum(kinds.values())
    assert max(kinds, key=kinds.get) == "phone"
    assert kinds["phone"] < total / 3, kinds
    masked = sum(v.masked for d in docs for v in d.values)
    assert 0.07 < masked / total < 0.15


def test_every_genre_and_look_alike_category_present(docs):
    assert len(b12.GENRES) >= 25
    assert {d.genre for d in docs} == set(b12.GENRES)
    categories = labelled.summary(docs)["negatives"]
    assert len(b12.NEG_CATEGORIES) >= 40
    assert set(categories) == set(b12.NEG_CATEGORIES)
    assert min(categories.values()) >= 10, categories


def test_values_have_the_shapes_people_write(docs):
    """Each kind's unmasked values stand for the digits or letters their kind has."""
    counts = {"driver_license": {12}, "business_registration": {10}, "resident": {13},
              "foreigner_registration": {13}, "credit_card": {15, 16}}
    for d in docs:
        for v in d.values:
            if v.masked:
                assert re.search(r"[*●Xx]", v.text), v
                continue
            ds = digits_of(v.text)
            if v.writing == "region":   # the region's name stands for its two digits
                region, number = v.text.split(" ", 1)
                assert region in b12.REGIONS and len(digits_of(number)) == 10, v
            elif v.kind in counts:
                assert len(ds) in counts[v.kind], v
            elif v.kind == "phone" and v.writing != "spoken":
                assert 9 <= len(ds.removeprefix("82").removeprefix("0")) + 1 <= 12, v
            elif v.kind == "email":
                assert re.fullmatch(r"[\w.]+(@| ?\[at\] ?|\(at\)| at )[\w.-]+\.[a-z]+", v.text, re.I), v
            elif v.kind == "passport":
                assert re.fullmatch(r"[MSRGmsrg] ?[\dlOSB]{3,4}[A-Z ]?[\dlOSB]{4}", v.text), v
            elif v.kind == "birth_date":
                assert _birth(v) <= datetime.date(labelled.REFERENCE_YEAR - 12, 12, 31), v


def _birth(value) -> datetime.date:
    """The date a birth-date value stands for, in any of the ways the part writes one (full-width
    digits and letters scanned for digits read back)."""
    text = value.text
    month = next((i + 1 for i, m in enumerate(b12.MONTHS_EN) if m in text), None)
    if month:
        text = text.replace(b12.MONTHS_EN[month - 1], " ")
    text = "".join(str(unicodedata.digit(c)) if unicodedata.category(c) == "Nd" else LETTER_DIGITS.get(c, c)
                   for c in text)
    groups = re.findall(r"\d+", text)
    if month:
        day, year = (int(g) for g in groups)
        return datetime.date(year, month, day)
    if len(groups) == 1:
        g = groups[0]
        groups = [g[:4], g[4:6], g[6:]] if len(g) == 8 else [g[:2], g[2:4], g[4:]]
    if value.writing == "english" or value.writing == "scanned" and len(groups[2]) == 4:
        groups = groups[::-1]
    year, mon, day = (int(g) for g in groups)
    if year < 100:
        year += 2000 if year <= labelled.REFERENCE_YEAR % 100 else 1900
    return datetime.date(year, mon, day)


def test_organisations_numbers_are_look_alikes(docs):
    """Shared mailboxes, call centres and corporations' registration numbers are negatives, and
    no value uses one of their shapes."""
    seen = {"shared_mailbox": set(), "call_centre": set(), "corporate_registration": set()}
    for d in docs:
        for n in d.negatives:
            if n.category in seen:
                seen[n.category].add(n.text)
    assert all(re.match(r"(help|info|cs|contact|support|press|recruit|admin|noreply)@", t) for t in seen["shared_mailbox"])
    assert all(re.match(r"(15|16|18)\d\d-\d{4}$|080-", t) for t in seen["call_centre"])
    assert all(re.fullmatch(r"\d{6}-0\d{6}", t) for t in seen["corporate_registration"])
    values = {v.text for d in docs for v in d.values}
    assert not values & set().union(*seen.values())


def test_fifteen_hundred_documents_take_under_two_seconds_of_processor_time():
    start = time.process_time()
    b12.generate(DEFAULT, seed=9)
    assert time.process_time() - start < 2.0


def test_wired_into_quality():
    assert b12.PART in quality.PARTS
    assert [d.text for d in quality.documents(b12.PART, 30, 2)] == [d.text for d in b12.generate(30, 2)]
    assert "labelled_blind12.py" in quality.__doc__
    with open(os.path.join(os.path.dirname(quality.__file__), "README.md"), encoding="utf-8") as f:
        assert "| `labelled_blind12.py` |" in f.read()
