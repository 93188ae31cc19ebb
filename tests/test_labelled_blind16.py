"""The sixteenth blind part's documents (bench/labelled_blind16.py), by shape only: the same
documents for a seed, spans exact and disjoint, check digits real, every genre, kind, label
situation and look-alike category present, the kinds balanced, and the part wired into
quality.py. Nothing here runs detection."""

import collections
import datetime
import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind16 as b16  # noqa: E402
from labelled_checks import (assert_check_digit, assert_disjoint, assert_spans_exact,  # noqa: E402
                             digits_of, resident_birth)
import quality  # noqa: E402


@pytest.fixture(scope="module")
def docs():
    return b16.generate(b16.DEFAULT_COUNT, seed=1)


@pytest.fixture(scope="module")
def values(docs):
    return [v for d in docs for v in d.values]


def test_a_seed_gives_the_same_documents_and_a_smaller_count_their_prefix(docs):
    again = b16.generate(200, seed=1)
    assert [(d.genre, d.text, d.values, d.negatives) for d in again] == \
           [(d.genre, d.text, d.values, d.negatives) for d in docs[:200]]
    assert [d.text for d in b16.generate(50, seed=2)] != [d.text for d in docs[:50]]
    assert b16.generate(0) == []
    with pytest.raises(ValueError):
        b16.generate(-1)


def test_spans_slice_back_and_never_overlap(docs):
    for d in docs:
        assert d.part == b16.PART
        assert_spans_exact(d)
        assert_disjoint(d)


def test_numbers_with_a_check_digit_carry_a_real_one(values):
    checked = collections.Counter(assert_check_digit(v) for v in values if not v.masked)
    assert {"resident", "foreigner", "post2020", "business", "card"} <= set(checked)
    for v in values:
        if v.writing == "post2020":  # a child's number issued since October 2020: no check digit
            ds = [int(c) for c in digits_of(v.text)]
            assert datetime.date(2020, 10, 1) <= resident_birth(ds) <= datetime.date(2026, 12, 31), v


def test_values_have_their_kinds_shapes(values):
    for v in values:
        ds = digits_of(v.text) if v.kind != "driver_license" else re.sub(r"\D", "", v.text)  # 대구's 구
        if v.masked:
            assert "*" in v.text and v.kind in b16.MASKABLE, v
            continue
        if v.kind in ("resident", "foreigner_registration"):
            resident_birth([int(c) for c in ds])  # a real date
        elif v.kind == "phone":
            assert len(ds) in (10, 11, 12, 13) and re.match(r"(0|\+?82)", ds), v
        elif v.kind == "email":
            assert re.fullmatch(r"[\w.]+(@|\(at\)|골뱅이)[\w.-]+\.[a-z]{2,}", v.text.lower()), v
        elif v.kind == "bank_account":
            assert 11 <= len(ds) <= 14, v
        elif v.kind == "driver_license":
            assert len(ds) in (10, 12), v
        elif v.kind == "passport":
            assert re.fullmatch(r"[MSRGD](\d{8}|\d{3}[A-Z]\d{4})", v.text), v
        elif v.kind == "birth_date":
            assert len(ds) in (6, 8) or "년" in v.text or ". " in v.text, v


def test_birth_dates_are_real_days_before_the_reference_year(values):
    for v in values:
        if v.kind != "birth_date":
            continue
        nums = [int(x) for x in re.findall(r"\d+", v.text.translate(str.maketrans("０１２３４５６７８９", "0123456789")))]
        if len(nums) == 1:  # written without separators: 880302 or 19880302
            s = str(nums[0]).zfill(6) if len(v.text) == 6 else str(nums[0])
            nums = [int(s[:-4]), int(s[-4:-2]), int(s[-2:])]
        y, m, d = nums
        year = y if y > 99 else (2000 + y if 2000 + y <= labelled.REFERENCE_YEAR else 1900 + y)
        assert datetime.date(year, m, d).year <= labelled.REFERENCE_YEAR, v


def test_every_genre_kind_situation_and_category_occurs(docs, values):
    assert len(b16.GENRES) >= 25 and {d.genre for d in docs} == set(b16.GENRES)
    assert {v.kind for v in values} == set(corpus.KINDS)
    assert {v.label for v in values} >= {"form_label", "key", "json_key", "column_header", "english_label",
                                         "ocr_label", "fullwidth", "prose", "request_above"}
    negatives = collections.Counter(n.category for d in docs for n in d.negatives)
    assert len(b16.NEGATIVES) >= 40 and set(negatives) == set(b16.NEGATIVES)
    writings = {v.writing for v in values}
    assert {"post2020", "masked", "ocr_letter", "fullwidth", "safe_number", "direct_line", "hangul",
            "intl", "amex", "region_name", "current_format", "old_format", "korean"} <= writings


def test_kinds_are_balanced_at_the_default_count(values):
    kinds = collections.Counter(v.kind for v in values)
    assert min(kinds.values()) >= 200, kinds
    assert kinds.most_common(1)[0][0] == "phone" and kinds["phone"] < len(values) / 3, kinds
    masked = sum(v.masked for v in values) / len(values)
    assert 0.07 <= masked <= 0.13, masked


def test_organisations_numbers_are_look_alikes_and_people_s_are_values(docs):
    """A shared mailbox is never a value and a person's mail never a look-alike; an organisation's
    account or main line is a look-alike with a cue saying whose it is."""
    for d in docs:
        for v in d.values:
            if v.kind == "email":
                assert not re.match(r"(help|info|tax|recruit|support|admin|contact)@", v.text), v
        for n in d.negatives:
            before = d.text[:n.char_start]  # a table's header stands lines above
            if n.category == "shared_mailbox":
                assert re.fullmatch(r"[a-z]+@[\w.-]+", n.text)
            if n.category in ("company_account", "union_account", "church_account", "foundation_account"):
                assert re.search(r"(?i)주최|노조|교회|재단|후원|기부|charity|union|host", before), before
            if n.category == "call_centre":
                assert n.text[:4] in ("1588", "1577", "1644", "1661", "1899", "1600", "1566")


def test_the_part_is_wired_into_quality(docs):
    assert b16.PART in quality.PARTS
    assert [d.text for d in quality.documents(b16.PART, 30, 1)] == [d.text for d in docs[:30]]
