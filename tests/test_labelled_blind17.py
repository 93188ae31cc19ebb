"""The seventeenth blind part's documents: their shape only. Nothing here runs detection: the part
is a forecast, and its worth is that no rule was written while looking at what norvane finds in it."""

import collections
import os
import sys
import time

import pytest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "bench"))
sys.path.insert(0, HERE)

import labelled  # noqa: E402
import labelled_blind17 as blind17  # noqa: E402
from labelled_checks import assert_check_digit, assert_disjoint, assert_spans_exact, digits_of  # noqa: E402

COUNT = 1500


@pytest.fixture(scope="module")
def docs():
    return blind17.generate(COUNT, seed=1)


def _record(doc):
    return (doc.genre, doc.part, doc.text, tuple(doc.values), tuple(doc.negatives))


def test_a_seed_gives_the_same_documents_and_a_smaller_count_a_prefix():
    first = [_record(d) for d in blind17.generate(120, seed=9)]
    assert first == [_record(d) for d in blind17.generate(120, seed=9)]
    assert first[:40] == [_record(d) for d in blind17.generate(40, seed=9)]
    assert [d.text for d in blind17.generate(40, seed=10)] != [r[2] for r in first[:40]]


def test_a_negative_count_is_refused():
    with pytest.raises(ValueError):
        blind17.generate(-1)
    assert blind17.generate(0) == []


def test_spans_slice_back_exactly_and_never_overlap(docs):
    for doc in docs:
        assert doc.part == blind17.PART
        assert_spans_exact(doc)
        assert_disjoint(doc)
        assert doc.values or doc.negatives, doc.text


def test_numbers_with_check_digits_carry_real_ones(docs):
    checked = collections.Counter()
    for doc in docs:
        for v in doc.values:
            if v.masked:
                assert "*" in v.text, v
                continue
            checked[assert_check_digit(v)] += 1
    # Every kind of check is exercised, post-2020 resident numbers among them.
    assert {k for k in checked if k} == {"resident", "foreigner", "post2020", "business", "card"}
    assert min(checked[k] for k in ("resident", "foreigner", "business", "card")) >= 150
    assert checked["post2020"] >= 30


def test_post2020_resident_numbers_have_no_valid_check_digit(docs):
    import corpus
    post = [v for d in docs for v in d.values if v.writing == "post2020"]
    assert post
    for v in post:
        ds = [int(c) for c in digits_of(v.text)]
        assert corpus.resident_check(ds[:12], False) != ds[12], v


def test_every_kind_genre_and_negative_category_is_present(docs):
    s = labelled.summary(docs)
    assert set(s["values"]) == set(labelled.KINDS)
    assert set(s["negatives"]) == set(blind17.NEGATIVE_CATEGORIES)
    assert len(blind17.NEGATIVE_CATEGORIES) >= 40
    assert {d.genre for d in docs} == set(blind17.GENRE_NAMES)
    assert len(blind17.GENRE_NAMES) >= 25
    assert len(set(blind17.GENRE_NAMES)) == len(blind17.GENRE_NAMES)


def test_kinds_are_balanced_at_the_default_count(docs):
    kinds = labelled.summary(docs)["values"]
    total = sum(kinds.values())
    assert min(kinds.values()) >= 200, kinds
    assert max(kinds, key=kinds.get) == "phone"
    assert kinds["phone"] < total / 3, kinds
    masked = sum(v.masked for d in docs for v in d.values)
    assert 0.07 * total <= masked <= 0.13 * total
    # Partly masked values of most kinds, not only of phones.
    assert len({v.kind for d in docs for v in d.values if v.masked}) >= 8


def test_forms_of_writing_and_label_situations_vary(docs):
    writings = collections.Counter(v.writing for d in docs for v in d.values)
    for writing in ("hyphen", "plain", "fullwidth", "scanned", "intl", "hangul", "safe_050", "landline",
                    "korean", "english", "region_name", "amex", "post2020", "masked"):
        assert writings[writing] >= 20, (writing, writings)
    labels = collections.Counter(v.label for d in docs for v in d.values)
    assert set(labels) >= {"form_label", "column", "log_key", "json_key", "prose", "prose_label",
                           "bilingual_label", "signature"}


def test_organisations_numbers_are_negatives_and_people_s_are_values(docs):
    for doc in docs:
        values = {v.text for v in doc.values}
        for n in doc.negatives:
            assert n.text not in values, (doc.genre, n)
            if n.category == "shared_mailbox":
                box, domain = n.text.split("@")
                assert box in blind17.SHARED_BOXES and domain in blind17.ORG_DOMAINS
            if n.category == "call_centre":
                digits = digits_of(n.text)
                assert digits[:2] in ("15", "16", "18") and len(digits) == 8
        for v in doc.values:
            if v.kind == "email":
                assert v.text.split("@")[-1].lower() in blind17.MAIL_DOMAINS or "(at)" in v.text
    # Each organisation's number appears somewhere, and never as a roster column.
    cats = {n.category for d in docs for n in d.negatives}
    assert blind17.ORGANISATION_NUMBERS <= cats
    assert not {n.category for d in docs for n in d.negatives if n.phrasing.startswith("table:")
                and n.phrasing != "table:footer"} & blind17.ORGANISATION_NUMBERS


def test_every_layout_is_used_and_every_genre_has_several():
    used = {layout for g in blind17.GENRES for layout in g.layouts}
    assert used == set(blind17.LAYOUTS)
    assert all(len(g.layouts) >= 3 for g in blind17.GENRES)


def test_made_values_have_their_kinds_shapes():
    import random
    r = random.Random(3)
    shapes = collections.defaultdict(set)
    for _ in range(400):
        for kind in labelled.KINDS:
            w = blind17.make_value(r, kind)
            assert w.kind == kind
            shapes[kind].add(w.writing)
            if w.writing == "hyphen" and kind == "resident":
                assert len(w.text) == 14 and w.text[6] == "-"
            if w.writing == "hyphen" and kind == "business_registration":
                assert [len(p) for p in w.text.split("-")] == [3, 2, 5]
            if kind == "driver_license" and w.writing == "hyphen":
                assert [len(p) for p in w.text.split("-")] == [2, 2, 6, 2]
            if kind == "passport" and w.writing in ("old", "new"):
                assert len(w.text) == 9 and w.text[0].isupper()
            if kind == "bank_account" and not w.masked:
                assert w.bank in blind17.ACCOUNT_SHAPES
    assert all(len(s) >= 3 for s in shapes.values()), shapes


def test_fifteen_hundred_documents_are_made_quickly():
    start = time.process_time()
    blind17.generate(COUNT, seed=2)
    assert time.process_time() - start < 2.0


def test_the_part_is_wired_into_quality():
    import quality
    assert blind17.PART in quality.PARTS
    got = quality.documents(blind17.PART, 25, 4)
    assert [_record(d) for d in got] == [_record(d) for d in blind17.generate(25, 4)]
