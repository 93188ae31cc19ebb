"""The tenth blind part's documents (bench/labelled_blind10.py): the same documents for a seed,
spans exact and disjoint, check digits and shapes real, every kind, genre and look-alike category
present and the kinds balanced at the default count, labels where the documents say they are,
and the part wired into bench/quality.py."""

import datetime
import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind10 as blind10  # noqa: E402
from labelled_checks import (assert_check_digit, assert_disjoint, assert_spans_exact, digits_of,  # noqa: E402
                             resident_birth)
import quality  # noqa: E402

DEFAULT = 1500  # documents bench/quality.py reads by default


@pytest.fixture(scope="module")
def docs():
    return blind10.generate(DEFAULT, seed=1)


def _values(docs):
    return [v for d in docs for v in d.values]


def test_same_seed_same_documents_other_seed_other_documents():
    a = blind10.generate(60, seed=4)
    assert [(d.genre, d.text, d.values, d.negatives) for d in a] == \
        [(d.genre, d.text, d.values, d.negatives) for d in blind10.generate(60, seed=4)]
    other = blind10.generate(60, seed=5)
    assert [d.genre for d in other] == [d.genre for d in a]
    assert not {d.text for d in a} & {d.text for d in other}
    assert blind10.generate(30, seed=4) == a[:30]


def test_spans_slice_back_and_never_overlap(docs):
    for d in docs:
        assert d.part == blind10.PART
        assert_spans_exact(d)
        assert_disjoint(d)
        for v in d.values:
            assert v.genre == d.genre and v.text == v.text.strip(), v


def test_every_genre_in_turn_and_every_kind_balanced_at_the_default_count(docs):
    names = list(blind10.GENRES)
    assert len(names) >= 25
    assert [d.genre for d in docs[:len(names)]] == names
    by_kind = labelled.summary(docs)["values"]
    assert set(by_kind) == set(labelled.KINDS)
    total = sum(by_kind.values())
    assert all(n >= 200 for n in by_kind.values()), by_kind
    assert all(n / total <= 0.30 for n in by_kind.values()), by_kind
    for genre in names:
        mine = [d for d in docs if d.genre == genre]
        assert sum(len(d.values) for d in mine) >= 2 * len(mine), genre
        assert sum(len(d.negatives) for d in mine) >= len(mine), genre


def test_every_look_alike_category_present_and_known(docs):
    by_cat = labelled.summary(docs)["negatives"]
    assert set(by_cat) == set(blind10.NEG_CATEGORIES)
    assert sum(by_cat.values()) > 5000
    for d in docs:
        for n in d.negatives:
            assert n.phrasing and n.genre == d.genre
            if n.category == "imei":
                assert len(digits_of(n.text)) == 15 and corpus.luhn_ok([int(c) for c in digits_of(n.text)]), n
            elif n.category == "isbn":
                ds = [int(c) for c in digits_of(n.text)]
                assert len(ds) == 13 and corpus.isbn_check(ds[:12]) == ds[12], n
            elif n.category == "iccid":
                assert n.text.startswith("8982") and len(n.text) == 19, n
            elif n.category == "office_email":
                assert n.text.split("@")[0] in blind10.OFFICE_MAILBOXES, n


def test_check_digits_and_birth_dates_inside_numbers_are_real(docs):
    checked = {}
    for v in _values(docs):
        if v.masked:
            assert set(v.text) & set("*X●"), v
            continue
        what = assert_check_digit(v)
        if what:
            checked[what] = checked.get(what, 0) + 1
        if v.kind in ("resident", "foreigner_registration"):
            born = resident_birth([int(c) for c in digits_of(v.text)])
            assert (born >= datetime.date(2020, 10, 1)) == (v.writing == "post2020"), v
    assert set(checked) == {"resident", "foreigner", "post2020", "business", "card"}, checked


def test_accounts_licences_passports_and_birth_dates_keep_real_shapes(docs):
    shapes = {shape for options in blind10.BANK_SHAPES.values() for shape, _ in options}
    regions = set(blind10.LICENCE_REGIONS.values())
    seen = set()
    for v in _values(docs):
        if v.kind == "bank_account":
            assert v.label != "no_label", v  # a bare account-like number is never a value
            if v.writing in ("hyphen", "spaced", "masked"):
                assert tuple(len(g) for g in re.split(r"[- ]", v.text)) in shapes, v
        elif v.kind == "driver_license" and v.writing != "masked":
            if v.writing == "region_name":  # 구 of 대구 would read as a Hangul nine
                region = v.text.rstrip("-0123456789 ").strip()
                assert region in regions and len(digits_of(v.text[len(region):])) == 10, v
            else:
                ds = digits_of(v.text)
                assert len(ds) == 12 and int(ds[:2]) in blind10.LICENCE_REGIONS, v
        elif v.kind == "passport":
            pattern = {"old_format": r"[MSROD]\d{8}", "current_format": r"[MSRDG]\d{3}[A-Z]\d{4}",
                       "masked": r"M\d{4}\*{4}", "foreign": r"[A-Z]{1,2}\d{7,8}A?"}[v.writing]
            assert re.fullmatch(pattern, v.text), v
        elif v.kind == "birth_date" and v.writing not in ("yymmdd", "short_dot", "korean_short"):
            assert 1925 <= int(re.findall(r"\d+", v.text)[0][:4]) <= 2024, v
        elif v.kind == "phone" and v.writing == "safe_number":
            assert re.fullmatch(r"050[4578]-\d{4}-\d{4}", v.text), v
        seen.add((v.kind, v.writing))
    assert seen == {(kind, w) for kind, writings in blind10.WRITINGS.items() for w, _ in writings}


def test_labels_sit_where_the_situation_says(docs):
    for d in docs:
        for v in d.values:
            assert v.label in blind10.SITUATIONS, v
            assert (v.label_text == "") == (v.label == "no_label"), v
            assert {w for w, _ in blind10.WRITINGS[v.kind]} >= {v.writing}, v
            assert v.masked == (v.writing == "masked"), v
            if not v.label_text:
                continue
            before = d.text[:v.char_start]
            if v.label == "label_after":
                assert v.label_text in d.text[v.char_end:].split("\n")[0], v
                continue
            assert v.label_text in before, v
            lines_between = before[before.rindex(v.label_text):].count("\n")
            if v.label in ("label_before", "in_sentence", "label_english", "bank_name", "key_value"):
                assert lines_between == 0, v
            elif v.label == "label_above":
                assert lines_between == 1, v
            elif v.label == "lines_away":
                assert lines_between >= 2, v
    situations = {v.label for v in _values(docs)}
    assert situations == set(blind10.SITUATIONS)


def test_hard_negatives_next_to_the_values_they_resemble(docs):
    """The look-alikes this part is about stand in the same documents as values of the kind they
    resemble (an IMEI beside a card, a virtual account beside an account, an office line beside a
    phone)."""
    pairs = {"imei": "phone", "iccid": "phone", "virtual_account": "bank_account",
             "company_account": "bank_account", "office_phone": "phone", "military_number": "birth_date",
             "care_recognition_number": "phone", "employment_insurance_number": "business_registration",
             "nonprofit_id_number": "resident", "qualification_number": "driver_license",
             "licence_exam_number": "driver_license", "tax_number": "resident"}
    for cat, kind in pairs.items():
        together = [d for d in docs if any(n.category == cat for n in d.negatives)
                    and any(v.kind == kind for v in d.values)]
        assert len(together) >= 10, cat


def test_quality_reads_the_part():
    assert blind10.PART in quality.PARTS
    mine = quality.documents(blind10.PART, 40, 3)
    assert [(d.text, d.values, d.negatives) for d in mine] == \
        [(d.text, d.values, d.negatives) for d in blind10.generate(40, 3)]
