"""The sixth blind part (bench/labelled_blind6.py): the same documents for the same seed, spans
exact and apart, every kind, genre and look-alike category present at the default count, labels
written where the records say, check digits and bank layouts valid, a person's numbers agreeing."""

import datetime
import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled_blind6 as blind6  # noqa: E402
from labelled_checks import assert_check_digit, assert_disjoint, assert_spans_exact, digits_of  # noqa: E402
import quality  # noqa: E402


@pytest.fixture(scope="module")
def docs():
    return blind6.generate(seed=1)  # the default count, as quality.py reads it


def test_same_seed_same_documents_other_seed_other_documents():
    a = blind6.generate(70, seed=5)
    assert [(d.genre, d.text, d.values, d.negatives) for d in a] == \
        [(d.genre, d.text, d.values, d.negatives) for d in blind6.generate(70, seed=5)]
    assert [d.text for d in a] != [d.text for d in blind6.generate(70, seed=6)]
    assert [d.text for d in blind6.generate(20, seed=5)] == [d.text for d in a[:20]]


def test_quality_reads_the_part_under_its_name():
    assert blind6.PART in quality.PARTS
    got = quality.documents(blind6.PART, 12, 3)
    assert [(d.genre, d.text) for d in got] == [(d.genre, d.text) for d in blind6.generate(12, 3)]


def test_spans_slice_back_exactly_and_never_overlap(docs):
    for d in docs:
        assert d.part == blind6.PART
        assert_spans_exact(d)
        assert_disjoint(d)
        for r in d.values + d.negatives:
            assert r.text == r.text.strip() and r.genre == d.genre, r


def test_every_kind_genre_and_category_at_the_default_count(docs):
    assert len(docs) == 1500
    summary = blind6.summary(docs)
    assert set(summary["genres"]) == set(blind6.GENRES) and len(blind6.GENRES) >= 25
    assert max(summary["genres"].values()) - min(summary["genres"].values()) <= 1
    assert set(summary["values"]) == set(blind6.KINDS)
    assert min(summary["values"].values()) >= 50
    assert set(summary["negatives"]) == set(blind6.NEG_CATEGORIES)
    assert sum(summary["negatives"].values()) > sum(summary["values"].values()) / 2
    # A round of the genres holds each once.
    assert sorted(d.genre for d in blind6.generate(len(blind6.GENRES), seed=9)) == sorted(blind6.GENRES)


def test_writings_labels_and_masks_are_known_and_consistent(docs):
    seen_labels = set()
    for d in docs:
        for v in d.values:
            assert v.writing in blind6.WRITINGS[v.kind], v
            assert v.label in blind6.LABELS, v
            assert v.masked == (v.writing == "masked") == ("*" in v.text), v
            assert (v.label_text == "") == (v.label == "no_label"), v
            if v.label == "no_label":
                assert v.writing in blind6.SELF_EVIDENT.get(v.kind, ()), v
            seen_labels.add(v.label)
    assert seen_labels == set(blind6.LABELS)


def test_each_label_is_written_where_its_situation_says(docs):
    same_line = {"label_before", "label_english", "bilingual", "bank_name", "log_key"}
    for d in docs:
        for v in d.values:
            before = d.text[:v.char_start]
            if v.label in same_line:
                assert v.label_text in before[before.rfind("\n") + 1:], (d.genre, v)
            elif v.label == "label_after":
                assert d.text[v.char_end:v.char_end + 12].find(v.label_text) >= 0, (d.genre, v)
            elif v.label in ("label_above", "lines_away", "column_header", "header_message"):
                line_start = before.rfind("\n") + 1
                assert v.label_text in before[:line_start], (d.genre, v)
            elif v.label == "in_sentence":
                assert v.label_text in before, (d.genre, v)


def test_check_digits_dates_and_bank_layouts_are_real(docs):
    checked = {"resident": 0, "post2020": 0, "foreigner": 0, "business": 0, "card": 0, "account": 0, "birth": 0}
    today = datetime.date(2026, 12, 31)
    for d in docs:
        for v in d.values:
            if v.masked:
                continue
            what = assert_check_digit(v)
            if what:
                checked[what] += 1
            elif v.kind == "bank_account" and v.label == "bank_name" and v.writing == "hyphen":
                shape, firsts = blind6.BANKS[v.label_text]
                groups = v.text.split("-")
                assert tuple(map(len, groups)) == shape and (not firsts or groups[0] in firsts), v
                checked["account"] += 1
            elif v.kind == "birth_date":
                nums = [int(x) for x in re.findall(r"\d+", v.text)]
                if v.writing in ("yymmdd", "compact"):
                    s = digits_of(v.text)
                    nums = [int(s[:-4]), int(s[-4:-2]), int(s[-2:])]
                y, m, day = nums
                y += 1900 if y < 100 else 0
                assert datetime.date(y, m, day) < today, v
                checked["birth"] += 1
            elif v.kind == "passport" and v.writing in ("old_format", "current_format"):
                assert re.fullmatch(r"[MSRGD]\d{8}|[MS]\d{3}[A-Z]\d{4}", v.text), v
    assert all(checked.values()), checked
    for n in (n for d in docs for n in d.negatives if n.category == "isbn"):
        ds = [int(c) for c in digits_of(n.text)]
        assert len(ds) == 13 and corpus.isbn_check(ds[:12]) == ds[12], n


def test_a_family_certificate_row_agrees_with_itself(docs):
    rows = 0
    for d in (d for d in docs if d.genre == "family_certificate"):
        births = [v for v in d.values if v.kind == "birth_date"]
        residents = [v for v in d.values if v.kind == "resident"]
        if residents[0].frame != "cert.table":  # a resident register lists no birth dates
            assert not births
            continue
        assert len(births) == len(residents) >= 3
        for b, r in zip(births, residents):
            y, m, day = (int(x) for x in re.findall(r"\d+", b.text))
            assert r.text[:6] == f"{y % 100:02d}{m:02d}{day:02d}", (b.text, r.text)
            assert r.char_start > b.char_end and "\n" not in d.text[b.char_end:r.char_start]
            rows += 1
    assert rows > 40


def test_look_alikes_carry_digits_and_organisations_numbers_their_shapes(docs):
    for d in docs:
        for n in d.negatives:
            assert digits_of(n.text), n
            if n.category == "company_number":  # representative numbers, free lines, public 1xx lines
                assert re.fullmatch(r"1[5-9]\d\d-\d{4}|080-\d{3}-\d{4}|1\d\d", n.text), n
            elif n.category == "pet_registration_number":
                assert digits_of(n.text).startswith("410") and len(digits_of(n.text)) == 15, n
            elif n.category in ("virtual_account", "company_account"):
                assert d.text[:n.char_start].rstrip().split()[-1] in blind6.BANKS, n
