"""The eighth blind part (bench/labelled_blind8.py): the same documents for a seed, spans exact,
nothing overlapping, every genre, kind and look-alike category present at the default count and
no kind dominating, ways of writing and label situations known, check digits and number
structures real. Detection is not run on this part here."""

import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind8 as blind8  # noqa: E402
from labelled_checks import assert_check_digit, assert_disjoint, assert_spans_exact, digits_of  # noqa: E402

DEFAULT = 1500  # the count quality.py reads by default


@pytest.fixture(scope="module")
def docs():
    return blind8.generate(DEFAULT, seed=1)


def _as_tuples(documents):
    return [(d.genre, d.part, d.text, d.values, d.negatives) for d in documents]


def test_a_seed_gives_the_same_documents_and_another_seed_others():
    first = blind8.generate(60, seed=7)
    assert _as_tuples(first) == _as_tuples(blind8.generate(60, seed=7))
    other = blind8.generate(60, seed=8)
    assert {d.text for d in first}.isdisjoint(d.text for d in other)
    # A longer run starts with the documents of a shorter one.
    assert _as_tuples(blind8.generate(90, seed=7)[:60]) == _as_tuples(first)


def test_spans_slice_back_exactly_and_never_overlap(docs):
    for d in docs:
        labelled.check(d)
        assert_spans_exact(d)
        assert_disjoint(d)
        for r in d.values + d.negatives:
            assert r.text == r.text.strip() and r.text, (d.genre, r)


def test_every_genre_is_written_with_several_frames(docs):
    assert len(blind8.GENRES) >= 25
    assert {d.genre for d in docs} == set(blind8.GENRES)
    assert all(d.part == blind8.PART == "blind8" for d in docs)
    frames = {}
    for d in docs:
        for v in d.values:
            frames.setdefault(d.genre, set()).add(v.frame)
    assert sum(len(f) >= 2 for f in frames.values()) >= 20, frames


def test_every_kind_is_present_and_none_dominates_at_the_default_count(docs):
    counts = labelled.summary(docs)["values"]
    total = sum(counts.values())
    assert set(counts) == set(corpus.KINDS)
    assert min(counts.values()) >= 150, counts
    assert max(counts.values()) <= 0.30 * total, counts


def test_look_alikes_of_every_category_are_present(docs):
    counts = labelled.summary(docs)["negatives"]
    assert set(counts) == set(blind8.NEG_CATEGORIES)
    assert sum(counts.values()) >= 5000
    for d in docs:
        for n in d.negatives:
            assert n.genre == d.genre and n.phrasing, n


def test_ways_of_writing_and_label_situations_are_known(docs):
    unlabelled = 0
    for d in docs:
        for v in d.values:
            writings = {w for w, _ in blind8.WRITINGS[v.kind]} | blind8.EXTRA_WRITINGS.get(v.kind, set())
            assert v.writing in writings, v
            assert v.label in blind8.SITUATIONS, v
            assert (v.label_text == "") == (v.label == "no_label"), v
            assert v.masked == (v.writing == "masked") == ("*" in v.text), v
            assert v.genre == d.genre
            unlabelled += v.label == "no_label"
    total = sum(len(d.values) for d in docs)
    assert 0.02 * total <= unlabelled <= 0.15 * total


def test_check_digits_are_valid_where_the_kind_has_one(docs):
    checked = {}
    for d in docs:
        for v in d.values:
            if not v.masked:
                what = assert_check_digit(v)
                checked[what] = checked.get(what, 0) + 1
    assert all(checked.get(k, 0) >= 20 for k in ("resident", "foreigner", "post2020", "business", "card")), checked


PASSPORT = re.compile(r"[MSR]\d{8}|M\d{3}[A-Z]\d{4}")
LICENCE = re.compile(r"(\d{2})-?\s?(\d{2})-?\s?(\d{6})-?\s?(\d{2})")


def test_numbers_have_the_structures_real_ones_have(docs):
    regions = set(blind8.LICENSE_REGIONS.values())
    for d in docs:
        for v in d.values:
            ds = digits_of(v.text)
            if v.kind == "passport":
                assert PASSPORT.fullmatch(v.text), v
            elif v.kind == "driver_license" and not v.masked:
                if v.writing == "region":
                    name = v.text.split(" ")[0].rstrip("0123456789-")
                    assert name in blind8.LICENSE_REGIONS, v
                    assert len(digits_of(v.text[len(name):])) == 10, v  # 대구: 구 is no digit here
                else:
                    m = LICENCE.fullmatch(v.text)
                    assert m and int(m.group(1)) in regions, v
            elif v.kind == "bank_account" and not v.masked:
                assert 10 <= len(ds) <= 14, v
            elif v.kind == "phone":
                if ds.startswith("82"):  # +82 10-..., +82 (0)10-...
                    ds = "0" + ds[2:].lstrip("0")
                assert re.match(r"010\d{8}$|0(2|[3-6]\d)[2-9]\d{6,7}$", ds) or v.masked, v
        for n in d.negatives:
            if n.category == "customs_code":
                assert re.fullmatch(r"P\d{12}", n.text), n
            elif n.category == "ticket_number":
                assert len(digits_of(n.text)) == 13 and digits_of(n.text)[3] == "2", n
            elif n.category == "imei":
                ds = [int(c) for c in digits_of(n.text)]
                assert len(ds) == 15 and corpus.luhn_ok(ds), n
            elif n.category == "safe_number":
                assert n.text.startswith("050"), n


def test_ambiguous_numbers_keep_the_stated_conventions(docs):
    """Offices' and companies' numbers are look-alikes; numbers reaching one person are values."""
    for d in docs:
        for n in d.negatives:
            if n.category in ("company_account", "virtual_account", "office_phone", "fax_number",
                              "company_number", "safe_number", "extension"):
                assert not any(v.text == n.text for v in d.values), n
        for v in d.values:
            if v.kind == "phone":
                assert not digits_of(v.text).startswith(("050", "15", "16", "18", "080")), v


def test_quality_reads_the_part():
    import quality
    assert "blind8" in quality.PARTS
    assert _as_tuples(quality.documents("blind8", 25, 3)) == _as_tuples(blind8.generate(25, 3))
