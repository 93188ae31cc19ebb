"""The second blind part's documents (bench/labelled_blind2.py) as data: spans exact, kinds and
check digits valid, every kind and genre present in quantity, seeds reproducible, and the part
registered in bench/quality.py. Nothing here runs detection."""

import datetime
import os
import re
import sys
import unicodedata
from collections import Counter

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind2 as blind2  # noqa: E402
from labelled_checks import assert_disjoint, assert_spans_exact  # noqa: E402
import quality  # noqa: E402

SINO = {c: str(i) for i, c in enumerate("공일이삼사오육칠팔구")} | {"영": "0"}
MASKS = "*X●"


@pytest.fixture(scope="module")
def docs():
    return blind2.generate(1500, 1)


def digits_of(text: str, spoken: bool = False) -> str:
    """Digits of any width (and Hangul numerals when spoken), in order; mask characters become '*'."""
    out = []
    for ch in text:
        if unicodedata.category(ch) == "Nd":
            out.append(str(unicodedata.digit(ch)))
        elif spoken and ch in SINO:
            out.append(SINO[ch])
        elif ch in MASKS:
            out.append("*")
    return "".join(out)


def real_date(y: int, m: int, d: int) -> bool:
    try:
        datetime.date(y, m, d)
        return True
    except ValueError:
        return False


def century(seventh: str) -> int:
    return 1900 if seventh in "1256" else 2000


OCR_LETTERS = str.maketrans("OoDlISB", "0001158")


def spoken_digits(v) -> str:
    """The digits a value stands for, whether spoken in Hangul numerals or misread by a scanner."""
    text = v.text.translate(OCR_LETTERS) if v.writing == "ocr_letter" else v.text
    return digits_of(text, spoken=v.writing in ("hangul_numerals", "hangul_mixed"))


def check_registration(v) -> None:
    s = spoken_digits(v)
    assert len(s) == 13, v
    foreigner = v.kind == "foreigner_registration"
    assert s[6] in ("5678" if foreigner else "1234") or v.masked and s[6:] == "*" * 7, v
    y = (century(s[6]) if s[6] != "*" else 1900) + int(s[:2])
    assert real_date(y, int(s[2:4]), int(s[4:6])) or s[6] == "*" and real_date(y + 100, int(s[2:4]), int(s[4:6])), v
    if v.masked:
        assert "*" in s[7:] and "*" not in s[:6], v
    elif v.writing.startswith("post2020"):
        assert (y, int(s[2:4])) >= (2020, 10), v
    else:
        assert corpus.resident_check([int(c) for c in s[:12]], foreigner) == int(s[12]), v


def check_phone(v) -> None:
    s = spoken_digits(v)
    if v.masked:
        assert s.startswith("0") and s.count("*") >= 2 and 10 <= len(s) <= 11, v
        return
    if v.writing == "intl":
        s = "0" + s[s.index("82") + 2:]
    elif v.writing == "no_leading_zero":
        s = "0" + s
    assert re.fullmatch(r"01[016789]\d{7,8}|02\d{7,8}|0[3-6][1-5]\d{7,8}|070\d{8}|050[2-6]\d{8}", s), v


def check_birth(v) -> None:
    t = v.text
    m = re.search(r"(\d{1,2}) ?([A-Z][a-zA-Z]{2})[a-z]* (\d{4})|([A-Z][a-z]+) (\d{1,2}), (\d{4})", t)
    if m:
        months = [x.lower() for x in blind2.MONTHS_EN]
        if m.group(1):
            y, mo, d = int(m.group(3)), months.index(m.group(2)[:3].lower()) + 1, int(m.group(1))
        else:
            y, mo, d = int(m.group(6)), months.index(m.group(4)[:3].lower()) + 1, int(m.group(5))
    else:
        if v.writing == "hangul_numerals":
            t = digits_of(t, spoken=True)
        groups = re.findall(r"\d+", t.translate(str.maketrans("０１２３４５６７８９", "0123456789")))
        if len(groups) == 1:
            s = groups[0]
            groups = [s[:4], s[4:6], s[6:]] if len(s) == 8 else [s[:2], s[2:4], s[4:]]
        assert len(groups) == 3, v
        if v.writing == "dmy_slash":
            groups = groups[::-1]
        y, mo, d = (int(x) for x in groups)
        if y < 100:
            y += 1900 if y > 25 else 2000
    assert real_date(y, mo, d) and 1925 <= y <= 2024, v


def check_value(v) -> None:
    s = spoken_digits(v)
    if v.kind in ("resident", "foreigner_registration"):
        check_registration(v)
    elif v.kind == "business_registration":
        assert len(s) == 10, v
        if not v.masked:
            assert corpus.business_check([int(c) for c in s[:9]]) == int(s[9]), v
    elif v.kind == "credit_card":
        assert len(s) in (15, 16), v
        if not v.masked:
            assert corpus.luhn_ok([int(c) for c in s]), v
        else:
            assert s[:4].isdigit() and "*" in s, v
    elif v.kind == "bank_account":
        assert 11 <= len(s) <= 14, v
        assert ("*" in s) == v.masked, v
    elif v.kind == "phone":
        check_phone(v)
    elif v.kind == "email":
        assert re.fullmatch(r"[\w.+*-]+ ?(@|＠|\(at\)| \[at\] | 골뱅이 |\(골뱅이\)| at | @ )[\w.-]+( \[dot\] [\w-]+| dot [\w-]+)*",
                            v.text, re.I), v
    elif v.kind == "driver_license":
        assert len(s) in (10, 12), v
        if len(s) == 12:
            assert 11 <= int(s[:2]) <= 28, v
        else:
            assert re.match(r"[가-힣]+ ?\d", v.text), v
    elif v.kind == "birth_date":
        check_birth(v)
    elif v.kind == "passport":
        if v.writing == "foreign":
            assert re.fullmatch(r"E\d{8}|C\d{7}|P\d{7}[AB]|FA\d{7}", v.text), v
        else:
            assert re.fullmatch(r"[MSRODG](\d{8}|\d{3}[A-K]\d{4})", v.text.replace(" ", "").upper()), v
    else:
        raise AssertionError(f"unknown kind {v.kind}")


def test_spans_exact_and_disjoint(docs):
    for d in docs:
        assert d.part == "blind2"
        assert_spans_exact(d)
        assert_disjoint(d)


def test_values_valid_for_their_kind(docs):
    for d in docs:
        for v in d.values:
            assert v.kind in corpus.KINDS
            assert v.genre == d.genre and v.writing and v.label
            assert v.text == v.text.strip() and v.text[0] not in ":<'\"" and v.text[-1] not in ":)>,'\"", v
            check_value(v)
            assert quality.informative(v), v          # something to hide


def test_passport_machine_readable_lines_carry_their_check_digits(docs):
    seen = 0
    for d in docs:
        for v in d.values:
            if v.writing == "mrz" and v.kind == "passport":
                line = d.text[v.char_start:d.text.index("\n", v.char_start)]
                assert len(line) == 44 and line[10:13] == "KOR"
                assert blind2._mrz_check(line[:9]) == line[9]
                assert blind2._mrz_check(line[13:19]) == line[19]
                seen += 1
    assert seen > 10


def test_every_kind_genre_and_situation_in_quantity(docs):
    s = labelled.summary(docs)
    assert set(s["values"]) == set(corpus.KINDS)
    assert min(s["values"].values()) >= 200, s["values"]
    genres = Counter(d.genre for d in docs)
    assert len(genres) >= 20 and min(genres.values()) >= 15, genres
    assert set(genres) == set(blind2.GENRES)
    labels = Counter(v.label for d in docs for v in d.values)
    assert {"label_before", "label_after", "label_above", "column_header", "question_before", "key", "bank_name", "no_label",
            "mrz"} <= set(labels), labels
    masked = Counter(v.kind for d in docs for v in d.values if v.masked)
    assert {"resident", "credit_card", "phone", "bank_account", "email"} <= set(masked), masked
    cats = s["negatives"]
    assert len(cats) >= 20 and sum(cats.values()) >= 5000, cats
    for kind in ("resident", "phone", "birth_date"):
        assert len({v.writing for d in docs for v in d.values if v.kind == kind}) >= 6, kind


def test_negatives_are_not_personal_shapes(docs):
    for d in docs:
        for n in d.negatives:
            if n.category == "company_phone":
                assert re.fullmatch(r"1[568]\d\d[- ]?\d{4}|080-?\d{3}-?\d{4}", n.text), n
            elif n.category == "ip_address":
                assert all(0 <= int(x) <= 255 for x in n.text.split(".")), n
            elif n.category == "isbn":
                s = n.text.replace("-", "")
                assert corpus.isbn_check([int(c) for c in s[:12]]) == int(s[12]), n


def test_seeded_and_independent_of_count():
    a, b = blind2.generate(60, 7), blind2.generate(60, 7)
    assert [(d.genre, d.text, d.values, d.negatives) for d in a] == [(d.genre, d.text, d.values, d.negatives)
                                                                      for d in b]
    assert [d.text for d in blind2.generate(25, 7)] == [d.text for d in a[:25]]
    assert [d.text for d in blind2.generate(60, 8)] != [d.text for d in a]


def test_registered_in_quality():
    assert blind2.PART == "blind2" and blind2.PART in quality.PARTS
    assert [d.text for d in quality.documents("blind2", 20, 3)] == [d.text for d in blind2.generate(20, 3)]
    assert "--parts blind2" in quality.__doc__
