"""The fourteenth blind part's documents hold what they promise: the same documents for a seed,
exact and disjoint spans, real check digits, every kind, genre, form and look-alike category, and
kinds in proportion. Nothing here runs detection."""

import collections
import os
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "bench"))

import labelled  # noqa: E402
import labelled_blind14  # noqa: E402
import quality  # noqa: E402
from labelled_checks import assert_check_digit, assert_disjoint, assert_spans_exact, digits_of  # noqa: E402

DEFAULT_COUNT = 1500


@pytest.fixture(scope="module")
def docs():
    return labelled_blind14.generate(DEFAULT_COUNT, seed=1)


def _fingerprint(docs):
    return [(d.genre, d.text, [(v.kind, v.char_start, v.writing) for v in d.values],
             [(n.category, n.char_start) for n in d.negatives]) for d in docs]


def test_same_seed_same_documents_and_a_smaller_count_is_a_prefix(docs):
    assert _fingerprint(labelled_blind14.generate(DEFAULT_COUNT, seed=1)) == _fingerprint(docs)
    assert _fingerprint(labelled_blind14.generate(60, seed=1)) == _fingerprint(docs[:60])
    assert [d.text for d in labelled_blind14.generate(60, seed=2)] != [d.text for d in docs[:60]]


def test_spans_are_exact_and_disjoint(docs):
    for d in docs:
        assert d.part == labelled_blind14.PART
        assert_spans_exact(d)
        assert_disjoint(d)


def test_check_digits_are_real_and_every_checked_shape_occurs(docs):
    checked = collections.Counter(assert_check_digit(v) for d in docs for v in d.values if not v.masked)
    assert {"resident", "foreigner", "post2020", "business", "card"} <= set(checked)


def test_resident_numbers_since_2020_carry_no_check_digit(docs):
    import corpus
    post2020 = [digits_of(v.text) for d in docs for v in d.values if v.writing == "post2020"]
    assert post2020
    for ds in post2020:
        ds = [int(c) for c in ds]
        assert corpus.resident_check(ds[:12], False) != ds[12]


def test_every_kind_genre_form_and_negative_category_occurs(docs):
    found = labelled.summary(docs)
    assert set(found["values"]) == set(labelled.KINDS)
    assert set(found["negatives"]) == set(labelled_blind14.NEG_CATEGORIES)
    assert len(labelled_blind14.NEG_CATEGORIES) >= 40
    assert {d.genre for d in docs} == set(labelled_blind14.GENRE_NAMES)
    assert len(labelled_blind14.GENRE_NAMES) >= 25
    frames = {v.frame.split("_")[0] for d in docs for v in d.values}
    assert set(labelled_blind14.FORMS) <= frames


def test_kinds_are_balanced_and_a_tenth_is_partly_masked(docs):
    counts = labelled.summary(docs)["values"]
    total = sum(counts.values())
    assert min(counts.values()) >= 200, counts
    assert max(counts, key=counts.get) == "phone" and counts["phone"] < total / 3, counts
    masked = [v for d in docs for v in d.values if v.masked]
    assert 0.07 < len(masked) / total < 0.13
    assert {v.kind for v in masked} == set(labelled.KINDS)
    assert all(("*" in v.text or "x" in v.text) for v in masked)


def test_organisations_numbers_are_negatives_and_peoples_are_values(docs):
    shared = ("help@", "info@", "support@", "cs@", "contact@", "admin@", "office@", "noreply@", "no-reply@")
    for d in docs:
        for v in d.values:
            if v.kind == "email":
                assert not v.text.lower().startswith(shared), v
            if v.kind == "phone":
                assert not digits_of(v.text).startswith(("15", "16", "18")), v
        for n in d.negatives:
            if n.category in ("shared_mailbox", "noreply_mailbox"):
                assert n.text.startswith(shared + ("donotreply@", "notice@")), n
            if n.category == "call_centre":
                assert len(digits_of(n.text)) == 8 and n.text[:2] in ("15", "16", "18"), n


def test_wired_into_quality():
    assert labelled_blind14.PART in quality.PARTS
    assert _fingerprint(quality.documents(labelled_blind14.PART, 20, 1)) == \
        _fingerprint(labelled_blind14.generate(20, seed=1))


def test_card_slips_hold_the_shops_registration_number_as_a_value_and_its_phone_as_a_negative(docs):
    slips = [d for d in docs if any(v.frame == "receipt" for v in d.values)]
    assert slips
    for d in slips:
        assert [v.kind for v in d.values][:2] == ["business_registration", "credit_card"]
        assert d.negatives[0].category == "company_main_phone"
        assert d.text.startswith(("[신용카드 매출전표]", "** 카드영수증 **", "[고객용] 신용승인"))


def test_childrens_papers_are_about_children(docs):
    children = {g.name for g in labelled_blind14.GENRES if g.children}
    assert len(children) == 4
    years = [int(v.text[:4]) for d in docs if d.genre in children for v in d.values
             if v.kind == "birth_date" and v.writing in ("iso", "dot", "dot_short", "slash", "korean_date")]
    assert years and min(years) >= 2008
