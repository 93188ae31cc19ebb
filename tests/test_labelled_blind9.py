"""The ninth blind part (bench/labelled_blind9.py): the same documents for a seed, spans exact and
disjoint, every genre, every kind in proportion, hard negatives of every category, check digits
and structures of real numbers, and the ambiguous cases kept to the module's conventions."""

import datetime
import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled_blind9 as blind9  # noqa: E402
from labelled_checks import assert_check_digit, assert_disjoint, assert_spans_exact, digits_of  # noqa: E402
import quality  # noqa: E402

DEFAULT = 1500  # the count quality.py reads


@pytest.fixture(scope="module")
def docs():
    return blind9.generate(DEFAULT, seed=1)


def _snapshot(documents):
    return [(d.genre, d.text, d.values, d.negatives) for d in documents]


def test_same_seed_same_documents_and_other_seeds_differ():
    assert _snapshot(blind9.generate(60, seed=4)) == _snapshot(blind9.generate(60, seed=4))
    assert {d.text for d in blind9.generate(60, seed=4)}.isdisjoint(d.text for d in blind9.generate(60, seed=5))
    assert all(d.part == blind9.PART for d in blind9.generate(30, seed=4))


def test_quality_reads_the_part_by_its_name():
    assert blind9.PART == "blind9" and blind9.PART in quality.PARTS
    assert _snapshot(quality.documents("blind9", 40, 2)) == _snapshot(blind9.generate(40, seed=2))


def test_spans_slice_back_exactly_and_never_overlap(docs):
    for d in docs:
        assert_spans_exact(d)
        assert_disjoint(d)


def test_every_genre_in_turn_with_values_and_look_alikes(docs):
    assert len(blind9.GENRES) >= 25
    assert {d.genre for d in docs[:len(blind9.GENRES)]} == set(blind9.GENRES)
    by_genre = blind9.summary(docs)["genres"]
    assert set(by_genre) == set(blind9.GENRES)
    assert min(by_genre.values()) >= DEFAULT // len(blind9.GENRES)
    for genre in blind9.GENRES:
        mine = [d for d in docs if d.genre == genre]
        assert all(d.values for d in mine), genre
        assert sum(bool(d.negatives) for d in mine) >= len(mine) * 0.9, genre


def test_every_kind_has_at_least_200_values_and_none_more_than_30_percent(docs):
    counts = blind9.summary(docs)["values"]
    total = sum(counts.values())
    assert set(counts) == set(blind9.KINDS)
    assert {k: n for k, n in counts.items() if n < 200 or n > 0.3 * total} == {}


def test_hard_negatives_of_every_category_and_no_other(docs):
    counts = blind9.summary(docs)["negatives"]
    assert set(counts) == set(blind9.NEG_CATEGORIES)
    assert sum(counts.values()) > sum(blind9.summary(docs)["values"].values()) * 0.7


def test_writings_labels_and_masks_are_known_and_consistent(docs):
    seen_labels, seen_writings = set(), set()
    for d in docs:
        for v in d.values:
            assert v.writing in {w for w, _ in blind9.WRITINGS[v.kind]}, v
            assert v.label in blind9.SITUATIONS, v
            assert (v.label_text == "") == (v.label == "no_label"), v
            assert v.masked == (v.writing in blind9.MASKED), v
            if v.masked:
                assert re.search(r"[*xX]", v.text), v
            if v.label == "no_label":
                assert v.writing in blind9.UNLABELLED_OK[v.kind], v
            assert v.frame.startswith(d.genre + "."), v
            seen_labels.add(v.label)
            seen_writings.add((v.kind, v.writing))
    assert seen_labels == set(blind9.SITUATIONS)
    assert seen_writings == {(k, w) for k, ways in blind9.WRITINGS.items() for w, _ in ways}


def test_check_digits_are_valid_where_real_numbers_have_them(docs):
    checked = {}
    for d in docs:
        for v in d.values:
            if not v.masked:
                what = assert_check_digit(v)
                checked[what] = checked.get(what, 0) + 1
    assert {"resident", "foreigner", "post2020", "business", "card"} <= set(checked)
    assert min(checked[k] for k in ("resident", "foreigner", "business", "card")) >= 150, checked


def test_licences_passports_birth_dates_and_mails_have_real_structures(docs):
    regions = set(blind9.LICENCE_REGIONS.values())
    passport = re.compile(r"[MSRGO]\d{8}|[MSRG]\d{3}[A-Z]\d{4}|C\d{7}|P\d{7}[A-C]|E\d{8}|B\d{7}|N\d{8}"
                          r"|FA\d{7}|PA\d{7}|MA\d{6}")
    for d in docs:
        for v in d.values:
            if v.kind == "driver_license" and not v.masked:
                ds = re.sub(r"\D", "", v.text)
                if v.writing == "region_prefixed":
                    assert len(ds) == 10 and any(v.text.startswith(r) for r in regions), v
                else:
                    assert len(ds) == 12 and int(ds[:2]) in blind9.LICENCE_REGIONS, v
            elif v.kind == "passport":
                assert passport.fullmatch(v.text), v
            elif v.kind == "birth_date" and v.writing in ("iso", "dot", "compact", "slash"):
                ds = digits_of(v.text)
                datetime.date(int(ds[:4]), int(ds[4:6]), int(ds[6:]))
            elif v.kind == "email" and not v.masked:
                assert re.search(r"@|＠|골뱅이|\(at\)", v.text), v


def test_accounts_next_to_a_bank_name_are_written_the_way_that_bank_prints_them(docs):
    n = 0
    for d in docs:
        for v in d.values:
            if v.kind == "bank_account" and v.label == "bank_name" and v.writing == "bank_format":
                shape, lead = blind9.BANK_SHAPES[v.label_text]
                assert tuple(len(g) for g in v.text.split("-")) == shape, v
                assert v.text.replace("-", "").startswith(lead), v
                n += 1
    assert n > 100


def test_ambiguous_numbers_follow_the_stated_conventions(docs):
    seen = set()
    for d in docs:
        for ng in d.negatives:
            seen.add(ng.category)
            if ng.category == "safe_number":
                assert ng.text.startswith("050"), ng
            elif ng.category == "org_unique_number":
                assert re.fullmatch(r"\d{3}-82-\d{5}|\d{3}80\d{5}", ng.text), ng
            elif ng.category == "workplace_number":  # a business number and one more digit
                ds = [int(c) for c in digits_of(ng.text)]
                assert len(ds) == 11 and corpus.business_check(ds[:9]) == ds[9], ng
            elif ng.category == "company_account":
                assert re.fullmatch(r"\d+(-\d+)+", ng.text), ng
        for v in d.values:
            assert not (v.kind == "phone" and v.text.startswith("050")), v
            if "직통" in v.label_text:  # a person's own work line is that person's number
                seen.add("direct_line")
                assert v.kind == "phone" and v.writing == "landline", v
    assert {"direct_line", "virtual_account", "safe_number", "extension", "office_landline", "company_account",
            "org_unique_number", "workplace_number"} <= seen


def test_values_sit_in_text_a_reader_can_take_them_from(docs):
    """Tables keep one value to a cell; only a scan wraps a number across lines."""
    for d in docs:
        for v in d.values:
            if "\n" in v.text:
                assert v.writing == "ocr_break", v
            if v.label == "column_header":
                line_start = d.text.rfind("\n", 0, v.char_start) + 1
                line_end = d.text.find("\n", v.char_end)
                assert "\n" not in d.text[line_start:line_end], v
