"""The fifteenth blind part's documents (bench/labelled_blind15.py): the same for a seed, spans
exact and disjoint, check digits real, every kind, genre, form and look-alike category present,
kinds balanced, and the part wired into quality.py. Nothing here runs detection."""

import collections
import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind15 as lb  # noqa: E402
from labelled_checks import (assert_check_digit, assert_disjoint, assert_spans_exact, digits_of,  # noqa: E402
                             resident_birth)
import quality  # noqa: E402


@pytest.fixture(scope="module")
def docs():
    return lb.generate(1500, seed=1)


def test_same_seed_same_documents_and_smaller_counts_are_prefixes(docs):
    again = lb.generate(200, seed=1)
    assert [(d.genre, d.text, d.values, d.negatives) for d in again] == \
           [(d.genre, d.text, d.values, d.negatives) for d in docs[:200]]
    other = lb.generate(200, seed=2)
    assert sum(a.text != b.text for a, b in zip(again, other)) > 190
    assert lb.generate(0) == []
    with pytest.raises(ValueError):
        lb.generate(-1)


def test_spans_slice_back_and_never_overlap(docs):
    for d in docs:
        assert d.part == lb.PART
        assert_spans_exact(d)
        assert_disjoint(d)


def test_check_digits_are_real_and_masked_values_hide_digits(docs):
    checked = collections.Counter()
    for d in docs:
        for v in d.values:
            if v.masked:
                assert "*" in v.text, v
            else:
                checked[assert_check_digit(v)] += 1
    assert {k for k in checked if k} == {"resident", "foreigner", "post2020", "business", "card"}
    assert checked["post2020"] >= 20


def test_numbers_issued_since_october_2020_belong_to_children_only(docs):
    for d in docs:
        for v in d.values:
            if v.kind == "resident" and not v.masked:
                born = resident_birth([int(c) for c in digits_of(v.text)])
                assert (v.writing == "post2020") == (born.year >= 2020 and born.month >= 10 or born.year >= 2021), v


def test_every_kind_genre_category_and_form_occurs(docs):
    values = [v for d in docs for v in d.values]
    assert {v.kind for v in values} == set(corpus.KINDS)
    assert {d.genre for d in docs} == set(lb.GENRES) and len(lb.GENRES) >= 25
    assert {n.category for d in docs for n in d.negatives} == set(lb.NEG_CATEGORIES)
    assert len(lb.NEG_CATEGORIES) >= 40
    frames = {v.frame for v in values}
    assert {"form_line", "fullwidth_line", "ocr_line", "bilingual_line", "kv_pair", "csv_table", "tsv_table",
            "pipe_table", "markdown_table", "chat_line", "chat_answer", "email_header", "email_body",
            "signature", "sms_line", "prose_sentence", "notice_recipient", "notice_paragraph",
            "checklist_item"} <= frames
    writings = {(v.kind, v.writing) for v in values}
    for expected in [("phone", "safe_number"), ("phone", "direct_line"), ("phone", "intl"), ("phone", "hangul"),
                     ("resident", "dash_variant"), ("credit_card", "amex"), ("passport", "new"),
                     ("driver_license", "region"), ("birth_date", "english"), ("email", "work"), ("email", "at_word"),
                     ("bank_account", "ocr_letters")]:
        assert expected in writings


def test_kinds_are_balanced_and_a_tenth_is_masked(docs):
    counts = labelled.summary(docs)["values"]
    total = sum(counts.values())
    assert min(counts.values()) >= 200, counts
    assert max(counts, key=counts.get) == "phone" and counts["phone"] < total / 3, counts
    masked = sum(v.masked for d in docs for v in d.values)
    assert 0.07 < masked / total < 0.15
    assert sum(len(d.negatives) for d in docs) > total / 2


def test_every_value_has_its_label_written_before_it(docs):
    for d in docs:
        for v in d.values:
            assert v.label_text, v
            assert d.text.rfind(v.label_text, 0, v.char_start) >= 0, (v, d.text)


def test_organisations_numbers_are_look_alikes_and_peoples_lines_values():
    doc = next(d for d in lb.generate(400) if any(v.frame == "signature" and v.kind == "phone" for v in d.values))
    sig = doc.text[doc.text.rindex("드림"):]
    assert re.search(r"(직통|Direct)", sig)
    kinds = {(v.kind, v.writing) for v in doc.values if v.frame == "signature"}
    assert ("phone", "direct_line") in kinds
    assert "office_phone" in {n.category for n in doc.negatives if n.phrasing == "signature"}
    mailboxes = [n.text for d in lb.generate(400) for n in d.negatives if n.category == "shared_mailbox"]
    assert mailboxes and all(n.split("@")[0] in ("help", "info", "cs", "contact", "support", "admin", "office")
                             for n in mailboxes)


def test_rosters_keep_one_organisation_number_out_of_their_rows(docs):
    for d in docs:
        rows = [n for n in d.negatives if n.phrasing.endswith("_table")]
        assert not {n.category for n in rows} & set(lb.ORG_NEGATIVES), d.text


def test_part_is_wired_into_quality():
    assert lb.PART == "blind15" and lb.PART in quality.PARTS
    assert [d.text for d in quality.documents("blind15", 30, 3)] == [d.text for d in lb.generate(30, 3)]
    readme = open(os.path.join(os.path.dirname(quality.__file__), "README.md"), encoding="utf-8").read()
    assert "`labelled_blind15.py`" in readme
