"""The eleventh blind part's documents: the same for a seed, exact and disjoint spans, real check
digits and shapes, every kind, genre and look-alike category present, kinds balanced, and the
part wired into the quality benchmark. Nothing here runs detection."""

import collections
import datetime
import os
import re
import sys
import time

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import labelled  # noqa: E402
import labelled_blind11 as blind11  # noqa: E402
from labelled_checks import assert_check_digit, assert_disjoint, assert_spans_exact, digits_of  # noqa: E402

MONTHS = {m: i + 1 for i, m in enumerate(blind11.MONTHS_EN)}


@pytest.fixture(scope="module")
def docs():
    return blind11.generate(blind11.DEFAULT_COUNT, seed=1)


def _records(doc):
    return [(r.text, r.char_start, r.char_end) for r in doc.values + doc.negatives]


def test_the_same_seed_gives_the_same_documents_and_a_smaller_count_a_prefix():
    first, again = blind11.generate(120, seed=5), blind11.generate(120, seed=5)
    assert [(d.genre, d.text, _records(d)) for d in first] == [(d.genre, d.text, _records(d)) for d in again]
    prefix = blind11.generate(40, seed=5)
    assert [d.text for d in prefix] == [d.text for d in first[:40]]
    other = blind11.generate(40, seed=6)
    assert [d.text for d in other] != [d.text for d in prefix]
    assert {d.part for d in first} == {blind11.PART}


def test_spans_are_exact_and_disjoint_labels_are_as_written_and_no_template_is_left(docs):
    for d in docs:
        assert_spans_exact(d)
        assert_disjoint(d)
        assert d.values, d.genre
        assert not re.search(r"\{!?\w+(:\w+)?\}|None", d.text), d.text
        for v in d.values:  # a label is the text written just before its value, a column its header
            if v.label == "column":
                assert v.label_text and v.label_text in d.text[:v.char_start], v
            elif v.label != "no_label":
                assert d.text[:v.char_start].rstrip().endswith(v.label_text) and v.label_text, v


def test_check_digits_are_real_and_post2020_numbers_carry_none(docs):
    checked = collections.Counter()
    for d in docs:
        for v in d.values:
            if v.masked:
                assert "*" in v.text, v
                continue
            what = assert_check_digit(v)
            if what:
                checked[what] += 1
            if what == "post2020":
                import corpus
                ds = [int(c) for c in digits_of(v.text)]
                assert corpus.resident_check(ds[:12], False) != ds[12], v
    assert set(checked) == {"resident", "foreigner", "post2020", "business", "card"}
    assert min(checked.values()) >= 30, checked


SHAPES = {
    "phone": re.compile(r"(\+82|\(?0|０|O|공)[\d\s().\-－０-９*공일이삼사오육칠팔구OlSB]+"),
    "email": re.compile(r"[\w.*\-]+(@|＠|\(at\)| \[at\] )[\w.\-]+\.[a-z]{2,}", re.I),
    "passport": re.compile(r"[MSR] ?(\d{8}|\d{3}[A-Z]\d{4}|\d{4}\*{4}|\d{3}[A-Z]\*{4})"),
    "bank_account": re.compile(r"[\d*]+([- ][\d*]+)*"),
}


def test_values_have_the_shapes_people_write(docs):
    for d in docs:
        for v in d.values:
            if v.kind in SHAPES:
                assert SHAPES[v.kind].fullmatch(v.text), v
            ds = digits_of(v.text)
            if v.kind == "phone" and not v.masked:
                assert 9 <= len(ds) <= 13, v
            if v.kind == "driver_license" and not v.masked:
                if v.writing == "region_name":  # a region's name (대구) may hold a Hangul numeral
                    region, number = v.text.split(" ", 1)
                    assert region in dict(blind11.LICENCE_REGIONS) and len(digits_of(number)) == 10, v
                else:
                    assert len(ds) == 12, v
            if v.kind == "bank_account" and not v.masked:
                assert 11 <= len(ds) <= 14, v


def _birth(v) -> datetime.date | None:
    """The date a birth date written with its full year stands for (None for two-digit years)."""
    m = re.fullmatch(r"(\d{4})\D{1,3}(\d{1,2})\D{1,3}(\d{1,2})\D?", v.text) or re.fullmatch(r"(\d{4})(\d\d)(\d\d)", v.text)
    if m:
        return datetime.date(int(m[1]), int(m[2]), int(m[3]))
    m = re.fullmatch(r"([A-Za-z]{3}) (\d{1,2}), (\d{4})", v.text)
    if m:
        return datetime.date(int(m[3]), MONTHS[m[1]], int(m[2]))
    m = re.fullmatch(r"(\d{1,2})[ -]([A-Za-z]{3})[ -](\d{4})", v.text)
    if m:
        return datetime.date(int(m[3]), MONTHS[m[2].capitalize()], int(m[1]))
    assert v.writing in ("short_dot", "yymmdd"), v
    return None


def test_birth_dates_are_real_days_before_the_reference_year(docs):
    writings = collections.Counter()
    for d in docs:
        for v in d.values:
            if v.kind == "birth_date" and not v.masked:
                born = _birth(v)
                writings[v.writing] += 1
                if born:
                    assert datetime.date(1930, 1, 1) <= born <= datetime.date(labelled.REFERENCE_YEAR, 12, 31), v
    assert set(writings) == set(blind11.WRITINGS["birth_date"]) - {"masked"}


def test_every_kind_genre_and_look_alike_category_is_present_and_kinds_are_balanced(docs):
    summary = labelled.summary(docs)
    kinds, negatives = summary["values"], summary["negatives"]
    assert set(kinds) == set(labelled.KINDS)
    assert min(kinds.values()) >= 200, kinds
    total = sum(kinds.values())
    assert max(kinds, key=kinds.get) == "phone" and kinds["phone"] < total / 3, kinds
    assert set(negatives) == set(blind11.NEG_CATEGORIES) and len(negatives) >= 40
    assert min(negatives.values()) >= 10, negatives
    genres = collections.Counter(d.genre for d in docs)
    assert set(genres) == set(blind11.GENRES) and len(genres) >= 25
    masked = sum(v.masked for d in docs for v in d.values)
    assert 0.07 <= masked / total <= 0.15
    writings = {(v.kind, v.writing) for d in docs for v in d.values}
    for kind, ways in blind11.WRITINGS.items():
        assert {(kind, w) for w in ways} <= writings, kind


def test_organisations_numbers_are_look_alikes_and_people_s_are_values(docs):
    domains = {c[1] for c in blind11.COMPANIES + blind11.CHURCHES}
    for d in docs:
        for n in d.negatives:
            if n.category in blind11.MAILBOX_LOCALS:
                local, domain = n.text.split("@")
                assert local in blind11.MAILBOX_LOCALS[n.category] and domain in domains, n
            if n.category == "call_centre_number":
                assert n.text[:4] in blind11.CALL_CENTRE_PREFIXES, n
        for v in d.values:
            if v.kind == "email":
                assert v.text.split("@")[0].lower() not in {x for ls in blind11.MAILBOX_LOCALS.values() for x in ls}, v
        assert not {v.text for v in d.values} & {n.text for n in d.negatives}, d.text


def test_a_thousand_five_hundred_documents_take_under_two_seconds():
    start = time.process_time()
    blind11.generate(1500, seed=2)
    assert time.process_time() - start < 2.0


def test_the_part_is_wired_into_the_quality_benchmark():
    import quality
    assert blind11.PART in quality.PARTS
    got = quality.documents(blind11.PART, 25, 3)
    assert [d.text for d in got] == [d.text for d in blind11.generate(25, 3)]
