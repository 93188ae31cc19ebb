"""bench/labelled_blind21.py, the twenty-first blind part, checked without running any detection:
its documents depend on the seed alone and a smaller count is a prefix; every value and
look-alike slices back from the text and none overlaps another; numbers carry real check digits
and shapes; kinds are balanced and about a tenth are masked; each genre, form and look-alike
category turns up; each form writes its values and labels the way it says; and quality.py
measures it."""

import datetime
import os
import re
import sys
import unicodedata
from urllib.parse import unquote

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import labelled  # noqa: E402
from labelled_checks import (BAD_COUNTS, HANGUL_DIGITS, LETTER_DIGITS, assert_all_sound,  # noqa: E402
                             assert_look_alikes_apart, assert_seeded, check_digit_tally, digits_of)
import labelled_blind21 as blind21  # noqa: E402
import quality  # noqa: E402

N = 1500  # the part's default count
SHARED_BOXES = ("help", "info", "office", "admin", "team", "cs", "apply")


@pytest.fixture(scope="module")
def docs():
    return blind21.generate(N, seed=1)


def _values(docs):
    return [v for d in docs for v in d.values]


def test_a_seed_gives_the_same_documents_and_a_smaller_count_a_prefix():
    assert_seeded(blind21.generate, count=90, head=25, seed=7)


@pytest.mark.parametrize("bad", BAD_COUNTS)
def test_a_count_that_is_not_a_non_negative_int_raises(bad):
    with pytest.raises(ValueError):
        blind21.generate(bad)


def test_every_span_slices_back_and_none_overlaps_another(docs):
    assert_all_sound(docs, blind21.PART)


def test_check_digits_are_valid_and_numbers_issued_since_2020_have_none(docs):
    seen = check_digit_tally(_values(docs))
    assert {"resident", "foreigner", "post2020", "business", "card"} <= set(seen)
    assert seen["post2020"] >= 20, seen


def _birth(v) -> datetime.date:
    """The day a written birth date stands for; a two-digit year is of the 1900s or 2000s."""
    text = unicodedata.normalize("NFKC", v.text)
    if v.writing == "scan_letter":
        text = "".join(LETTER_DIGITS.get(c, c) for c in text)
    parts = [int(n) for n in re.findall(r"\d+", text)]
    if len(parts) == 1:
        s = str(parts[0]).zfill(6)
        parts = [int(s[:-4]), int(s[-4:-2]), int(s[-2:])]
    elif len(parts) > 3:  # digits keyed one at a time
        s = "".join(map(str, parts))
        parts = [int(s[:-4]), int(s[-4:-2]), int(s[-2:])]
    y, m, d = parts
    return datetime.date(y if y > 99 else (2000 + y if y < 26 else 1900 + y), m, d)


def test_values_have_the_shapes_of_their_kind(docs):
    mobile = re.compile(r"(010|8210)\d{8}|01[16789]\d{7}|050[47]\d{8}")
    line = re.compile(r"0(2\d{7,8}|[3-6][1-5]\d{7,8})")
    for v in _values(docs):
        if v.masked:
            continue
        ds = digits_of(v.text)
        if v.kind == "phone":
            assert line.fullmatch(ds) if v.writing.startswith("landline") else mobile.fullmatch(ds) or line.fullmatch(ds), v
        elif v.kind == "email":
            text = unquote(v.text).replace(" 골뱅이 ", "@").replace("(at)", "@")
            local, domain = text.split("@")
            assert "." in domain and local not in SHARED_BOXES and " " not in text, v
        elif v.kind == "bank_account":
            assert 11 <= len(ds) <= 14, v
        elif v.kind == "driver_license":
            assert len(digits_of(re.sub(r"^[가-힣]+ ?", "", v.text))) == (10 if re.match("[가-힣]", v.text) else 12), v
        elif v.kind == "passport":
            text = unicodedata.normalize("NFKC", v.text)
            if v.writing == "scan_letter":
                text = text[0] + "".join(LETTER_DIGITS.get(c, c) for c in text[1:])
            assert re.fullmatch(r"[MSRDT]\d{3}[A-Z0-9]\d{4}", text), v
        elif v.kind == "birth_date":
            assert _birth(v) < datetime.date(labelled.REFERENCE_YEAR, 1, 1), v


def test_kinds_are_balanced_and_about_a_tenth_are_masked(docs):
    values = _values(docs)
    counts = {k: sum(v.kind == k for v in values) for k in labelled.KINDS}
    assert len(values) >= 6000 and min(counts.values()) >= 200, counts
    assert max(counts, key=counts.get) == "phone" and counts["phone"] < len(values) / 3, counts
    assert 0.08 <= sum(v.masked for v in values) / len(values) <= 0.15
    assert {v.kind for v in values if v.masked} == set(labelled.KINDS)


def test_every_genre_form_and_look_alike_category_is_present(docs):
    names = [g.name for g in blind21.GENRES]
    assert len(names) >= 50 and len(set(names)) == len(names)
    assert {d.genre for d in docs} == set(names)
    assert {d.style for d in docs} == set(blind21.FORMS)
    negatives = [n for d in docs for n in d.negatives]
    assert len(negatives) >= 4000
    assert {n.category for n in negatives} == set(blind21.LOOK_ALIKES) and len(blind21.LOOK_ALIKES) >= 40
    for g in blind21.GENRES:  # every kind, category and form a genre names is one the part knows
        assert set(g.kinds) <= set(labelled.KINDS) and set(g.look_alikes) <= set(blind21.LOOK_ALIKES), g.name
        assert set(g.labels) <= set(g.kinds) and set(g.forms) <= set(blind21.FORMS), g.name
        assert g.region in blind21.DIALECT_ENDINGS, g.name
    assert set(blind21.ANY_GENRE_FORMS) <= set(blind21.FORMS)


def test_an_organisation_s_number_is_never_a_person_s_value(docs):
    for d in docs:
        assert_look_alikes_apart(d, SHARED_BOXES)
    phone_writings = {v.writing for v in _values(docs) if v.kind == "phone"}
    assert {"relay_050", "landline", "landline_paren", "old_prefix", "intl", "intl_tight", "tilde", "masked",
            "masked_posted", "fullwidth", "hangul_numerals", "spaced_digits", "scan_letter"} <= phone_writings


def test_a_roster_s_look_alike_column_changes_from_row_to_row(docs):
    """A CSV roster or a posted list never carries an organisation's own number on every row."""
    for d in docs:
        if d.style in ("csv", "notice"):
            rows = [n for n in d.negatives if n.phrasing in ("csv", "notice") or d.style == "csv"]
            assert not {n.category for n in rows} & set(blind21.ORGANISATION_WIDE), d.text


def test_wired_into_quality():
    assert blind21.PART in quality.PARTS
    assert [d.text for d in quality.documents(blind21.PART, 12, 3)] == [d.text for d in blind21.generate(12, 3)]


def test_forms_write_their_values_the_way_they_say(docs):
    """A full-width page holds no ASCII digit in a value but e-mails; a scan's letter-for-digit
    value holds a letter; a label above its value ends the line before it; an account named by
    its bank follows the bank's name; a short cue is one of its kind's cues; a value read out is
    Hangul digits only and no digit-like syllable follows it; a bare value is only ever a mobile
    number or an e-mail; whose a trailing value is follows it; a query string's value has no
    space and its e-mail's @ escaped; a contact card's value follows its vCard key."""
    seen = set()
    for d in docs:
        for v in d.values:
            before, after = d.text[:v.char_start], d.text[v.char_end:]
            if d.style == "fullwidth" and v.kind != "email":
                assert not re.search(r"[0-9]", v.text), v
                seen.add("fullwidth")
            if v.writing == "scan_letter":
                assert re.search(r"[OolISB]", v.text) and len(digits_of(v.text)) >= 6, v
                seen.add("scan_letter")
            if v.label == "label_above":
                bank = f"{next(b for b in blind21.BANKS if before.endswith(f'{b} '))} " if v.kind == "bank_account" else ""
                assert re.search(re.escape(v.label_text + "\n") + " *" + re.escape(bank) + "$", before), v
                seen.add("label_above")
            if v.label == "bank_name":
                assert before.endswith(f"{v.label_text} ") and v.label_text in blind21.BANKS, v
                seen.add("bank_name")
            if v.label == "short_cue" and d.style in ("ledger", "memo"):
                assert v.label_text in blind21.CUES[v.kind], v
                cue = before if v.kind != "bank_account" else before.removesuffix(" ").rsplit(" ", 1)[0] + " "
                assert re.search(re.escape(v.label_text) + r" ?$", cue), v
                seen.add("short_cue")
            if v.label == "trailing":
                assert after.startswith(f" {v.label_text}"), v
                seen.add("trailing")
            if v.writing == "hangul_numerals":
                assert set(v.text) <= set(HANGUL_DIGITS + " 다시"), v
                assert after[:1] not in HANGUL_DIGITS + "영", v
                seen.add("read_out")
            if v.writing == "spaced_digits":
                assert re.fullmatch(r"\d( \d)+", v.text), v
                seen.add("spaced")
            if v.label == "no_label":
                assert v.kind == "email" or v.kind == "phone" and not v.writing.startswith("landline"), v
            if v.label == "query_key":
                assert v.text.isascii() and " " not in v.text and "@" not in v.text.replace("*@", ""), v
                assert before.endswith(f"{v.label_text}="), v
                seen.add("query")
            if v.label == "vcard_key":
                assert before.endswith(f"\n{v.label_text}:"), v
                seen.add("vcard")
            if v.masked:
                assert "*" in v.text and re.search(r"[^\W_]", v.text), v
                seen.add("masked")
    assert seen == {"fullwidth", "scan_letter", "label_above", "bank_name", "short_cue", "trailing", "read_out",
                    "spaced", "query", "vcard", "masked"}


def test_labels_sit_right_before_their_values(docs):
    """A label of a form line, a posted list, a row of a transposed table or a text typed by an
    older person stands right before its value, after its bank's name for an account."""
    for d in docs:
        if d.style == "fullwidth":
            continue
        for v in d.values:
            if v.label not in ("label_punct", "label_space", "label_tight", "row_label"):
                continue
            before = d.text[:v.char_start]
            if v.kind == "bank_account":
                bank = next(b for b in sorted(blind21.BANKS, key=len, reverse=True) if before.endswith(f"{b} "))
                before = before.removesuffix(f"{bank} ")
            if v.label == "row_label":
                assert re.search("^" + re.escape(v.label_text) + r"[ |\t│]", before.rsplit("\n", 1)[1]), v
                continue
            assert re.search(re.escape(v.label_text) + r"(\s*[:：\t▷|]?\s*|은|는|\.\.)$", before), (v, before[-30:])


def test_dialect_chats_and_older_people_s_texts_are_there(docs):
    chats = [d.text for d in docs if d.style in ("kakao", "transcript")]
    for region, endings in blind21.DIALECT_ENDINGS.items():
        assert any(e in t for t in chats for e in endings), region
    assert any(v.label == "label_tight" for d in docs if d.style == "elderly" for v in d.values)
    assert any(v.writing == "old_prefix" for d in docs if d.style == "elderly" for v in d.values)
