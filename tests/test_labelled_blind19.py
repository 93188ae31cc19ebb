"""The documents of bench/labelled_blind19.py (the nineteenth blind part): the same documents for a
seed, spans exact and disjoint, check digits real, values in real shapes, every kind, genre, form
and negative category present, kinds balanced, and the part wired into quality.py. No detection
runs here."""

import datetime
import os
import re
import sys
import unicodedata

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import labelled  # noqa: E402
from labelled_checks import (BAD_COUNTS, HANGUL_DIGITS, assert_all_sound, assert_look_alikes_apart,  # noqa: E402
                             assert_seeded, check_digit_tally, digits_of)
import labelled_blind19 as blind19  # noqa: E402
import quality  # noqa: E402

N = 1500  # the part's default count


@pytest.fixture(scope="module")
def docs():
    return blind19.generate(N, seed=1)


def _values(docs):
    return [v for d in docs for v in d.values]


def test_a_seed_gives_the_same_documents_and_a_smaller_count_a_prefix():
    assert_seeded(blind19.generate, count=80, head=30, seed=7)


@pytest.mark.parametrize("bad", BAD_COUNTS)
def test_a_count_that_is_not_a_non_negative_int_raises(bad):
    with pytest.raises(ValueError):
        blind19.generate(bad)


def test_every_span_slices_back_and_none_overlaps_another(docs):
    assert_all_sound(docs, blind19.PART)


def test_check_digits_are_valid_and_numbers_issued_since_2020_have_none(docs):
    seen = check_digit_tally(_values(docs))
    assert {"resident", "foreigner", "post2020", "business", "card"} <= set(seen)
    assert seen["post2020"] >= 30, seen


def _birth(v) -> datetime.date:
    """The day a written birth date stands for; a two-digit year is of the 1900s or 2000s."""
    if v.writing == "english":
        return datetime.datetime.strptime(v.text, "%d %B %Y").date()
    parts = [int(n) for n in re.findall(r"\d+", digits_of(v.text) if v.writing in ("six", "eight") else
                                        v.text.translate(str.maketrans("OlSB", "0158")))]
    if len(parts) == 1:
        s = str(parts[0]).zfill(6)
        parts = [int(s[:-4]), int(s[-4:-2]), int(s[-2:])]
    if v.writing == "slash_dmy":
        parts.reverse()
    y, m, d = parts
    return datetime.date(y if y > 99 else (2000 + y if y < 26 else 1900 + y), m, d)


def test_values_have_the_shapes_of_their_kind(docs):
    mobile = re.compile(r"(010|8210)\d{8}|050\d{9}")
    line = re.compile(r"0(2\d{7,8}|[3-6][1-5]\d{7,8})")
    for v in _values(docs):
        if v.masked or v.writing == "fullwidth" and v.kind == "birth_date":
            continue
        ds = digits_of(v.text)
        if v.kind == "phone":
            assert (line if v.writing == "home_line" else mobile).fullmatch(ds) or line.fullmatch(ds), v
        elif v.kind == "email":
            local, domain = v.text.replace(" ", "").split("@")
            assert "." in domain and local not in blind19.SHARED_BOXES, v
        elif v.kind == "bank_account":
            assert 10 <= len(ds) <= 14, v
        elif v.kind == "driver_license":
            assert len(digits_of(re.sub(r"^[가-힣]+ ?", "", v.text))) in (10, 12), v
        elif v.kind == "passport":
            text = unicodedata.normalize("NFKC", v.text)
            if v.writing == "ocr_letter":  # a scan read a digit as a letter
                text = text[0] + text[1:].translate(str.maketrans("OlSB", "0158"))
            assert re.fullmatch(r"[MSRGDm]\d{3}[A-Z0-9]\d{4}", text), v
        elif v.kind == "birth_date":
            assert _birth(v) < datetime.date(labelled.REFERENCE_YEAR, 1, 1), v


def test_kinds_are_balanced_and_about_a_tenth_are_masked(docs):
    values = _values(docs)
    counts = {k: sum(v.kind == k for v in values) for k in labelled.KINDS}
    assert len(values) >= 6000 and min(counts.values()) >= 200, counts
    assert max(counts, key=counts.get) == "phone" and counts["phone"] < len(values) / 3, counts
    assert 0.07 <= sum(v.masked for v in values) / len(values) <= 0.14
    assert {v.kind for v in values if v.masked} == set(labelled.KINDS)


def test_every_genre_form_and_look_alike_category_is_present(docs):
    names = [g.name for g in blind19.GENRES]
    assert len(names) >= 50 and len(set(names)) == len(names)
    assert {d.genre for d in docs} == set(names)
    assert {d.style for d in docs} == set(blind19.FORMS)
    negatives = [n for d in docs for n in d.negatives]
    assert len(negatives) >= 4000
    assert {n.category for n in negatives} == set(blind19.LOOK_ALIKES) and len(blind19.LOOK_ALIKES) >= 40
    for g in blind19.GENRES:  # every kind and category a genre names is one the part knows
        assert set(g.kinds) <= set(labelled.KINDS) and set(g.look_alikes) <= set(blind19.LOOK_ALIKES), g.name
        assert set(g.labels) <= set(g.kinds) and set(g.forms) <= set(blind19.FORMS), g.name
        assert g.region in blind19.DIALECT_ENDINGS, g.name


def test_an_organisation_s_number_is_never_a_person_s_value(docs):
    for d in docs:
        assert_look_alikes_apart(d, blind19.SHARED_BOXES)
    phone_writings = {v.writing for v in _values(docs) if v.kind == "phone"}
    assert {"safe_050", "home_line", "intl", "masked", "fullwidth", "hangul_numerals", "spaced_digits"} <= phone_writings


def test_wired_into_quality():
    assert blind19.PART in quality.PARTS
    assert [d.text for d in quality.documents(blind19.PART, 15, 2)] == [d.text for d in blind19.generate(15, 2)]


def test_forms_write_their_values_the_way_they_say(docs):
    """A full-width page holds no ASCII digit in a value but e-mails and English dates; a scan's
    letter-for-digit value holds a letter; a label above its value ends the line before it; an
    account named by its bank follows the bank's name; a value read out is Hangul digits only; a
    bare value with no label is only ever a phone number or an e-mail."""
    seen = set()
    for d in docs:
        for v in d.values:
            before = d.text[:v.char_start]
            if d.style == "fullwidth" and v.kind != "email" and v.writing != "english":
                assert not re.search(r"[0-9]", v.text), v
                seen.add("fullwidth")
            if v.writing == "ocr_letter":
                assert re.search(r"[OlSB]", v.text) and len(digits_of(v.text)) >= 6, v
                seen.add("ocr_letter")
            if v.label == "label_above":
                assert before.endswith(f"{v.label_text}\n") or before.endswith(" "), v
                seen.add("label_above")
            if v.label == "bank_name":
                assert before.endswith(f"{v.label_text} ") and v.label_text in blind19.ACCOUNT_SHAPES, v
                seen.add("bank_name")
            if v.writing == "hangul_numerals":
                assert set(v.text) <= set(HANGUL_DIGITS + " "), v
                seen.add("read_out")
            if v.writing == "spaced_digits":
                assert re.fullmatch(r"\d( \d)+", v.text), v
                seen.add("spaced")
            if v.label == "no_label":
                assert v.kind in ("phone", "email"), v
            if v.masked:
                assert "*" in v.text and re.search(r"[^\W_]", v.text), v
                seen.add("masked")
    assert seen == {"fullwidth", "ocr_letter", "label_above", "bank_name", "read_out", "spaced", "masked"}


def test_dialect_chats_and_older_people_s_texts_are_there(docs):
    chats = [d.text for d in docs if d.style in ("chat", "stt")]
    for region, endings in blind19.DIALECT_ENDINGS.items():
        assert any(e in t for t in chats for e in endings), region
    assert any(v.label == "label_tight" for d in docs if d.style == "elderly" for v in d.values)
