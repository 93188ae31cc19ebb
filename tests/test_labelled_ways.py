"""The documents of bench/labelled_ways.py (ways of writing and look-alikes): spans exact, every
way of writing and look-alike category present, values decode to what their kind needs, the two
parts disjoint in wording; and how bench/quality.py scores their masked and spoken values."""

import datetime
import re
import os
import sys
from urllib.parse import unquote_plus

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
from labelled_checks import assert_disjoint, assert_spans_exact, digits_of  # noqa: E402
import labelled_ways as ways  # noqa: E402
import quality  # noqa: E402

N = 2400  # documents per part: every writing (the rarest once a genre takes its share), in about a second


@pytest.fixture(scope="module")
def parts():
    return {p: ways.generate(p, N, seed=5) for p in ways.PARTS}


def test_spans_slice_back_and_never_overlap(parts):
    for docs in parts.values():
        for d in docs:
            assert_spans_exact(d)
            assert_disjoint(d)


def test_every_writing_and_category_is_present_and_known(parts):
    seen_writings, seen_cats = set(), set()
    for docs in parts.values():
        for d in docs:
            assert d.genre in ways.GENRES
            for v in d.values:
                assert v.writing in {w for w, _ in ways.WRITINGS[v.kind]}, v
                assert v.masked == v.writing.startswith(ways.MASKED_PREFIX)
                assert (v.label == "no_label") == (v.label_text == ""), v
                if v.label == "no_label":
                    assert v.writing in ways.UNLABELLED_OK[v.kind], v
                seen_writings.add((v.kind, v.writing))
            for n in d.negatives:
                assert n.category in ways.NEG_CATEGORIES
                seen_cats.add(n.category)
    assert seen_writings == {(k, w) for k, ws in ways.WRITINGS.items() for w, _ in ws}
    assert seen_cats == set(ways.NEG_CATEGORIES)


def test_values_hold_what_their_kind_needs(parts):
    """Check digits valid, wrapped values broken once, dashes and mask characters as the writing
    says, English dates real dates."""
    months = {m[:3].lower(): i + 1 for i, m in enumerate(ways.MONTHS)}
    counted = dict.fromkeys(("resident", "card", "imei", "english", "wrapped", "spoken", "masked", "url_encoded",
                             "airline"), 0)
    for docs in parts.values():
        for d in docs:
            for v in d.values:
                ds = [int(c) for c in digits_of(unquote_plus(v.text) if v.writing == "url_encoded" else v.text)]
                if v.writing == "url_encoded":
                    assert re.search(r"%[0-9A-Fa-f]{2}|\+", v.text), v
                    counted["url_encoded"] += 1
                if v.writing.startswith(("wrapped", "scan_split", "scan_post2020")):
                    assert v.text.count("\n") == 1, v
                    counted["wrapped"] += 1
                if v.writing == "dash_eu":
                    assert ways.DASH_EU in v.text
                if v.writing == "dash_other":
                    assert any(c in v.text for c in ways.DASH_OTHERS), v
                if v.masked:
                    assert any(c in v.text for c in ways.MASK_MARKS), v
                    counted["masked"] += 1
                    continue
                if v.writing.startswith("hangul"):
                    assert any(c in ways.HANGUL_SPOKEN + "영" for c in v.text)
                    counted["spoken"] += 1
                if v.writing == "front_sex":
                    assert len(ds) == 7 and ds[6] in (1, 2, 3, 4), v
                elif v.kind in ("resident", "foreigner_registration"):
                    assert len(ds) == 13, v
                    if v.writing in ("post2020", "scan_post2020"):
                        assert ds[6] in (3, 4) and (ds[0], ds[1]) >= (2, 0)
                    else:
                        assert corpus.resident_check(ds[:12], v.kind != "resident") == ds[12], v
                    counted["resident"] += 1
                elif v.kind == "credit_card":
                    assert len(ds) == (15 if v.writing in ("amex_grouped", "amex_pay_column") else 16) and corpus.luhn_ok(ds), v
                    counted["card"] += 1
                elif v.kind == "phone":
                    assert 9 <= len(ds) <= 13, v
                elif v.kind == "birth_date" and v.writing == "airline_date":
                    m = re.fullmatch(r"(\d{1,2}) ?([A-Za-z]{3}) ?(\d{2}|\d{4})", v.text)
                    assert m, v
                    datetime.date(2000, months[m.group(2).lower()], int(m.group(1)))
                    counted["airline"] += 1
                elif v.kind == "birth_date" and v.writing.startswith("english"):
                    month = months[re.search(r"[A-Za-z]{3,}", v.text).group()[:3].lower()]
                    day = int(re.search(r"(?<!\d)\d{1,2}(?!\d)", v.text).group())
                    datetime.date(2000, month, day)  # a real day of that month
                    counted["english"] += 1
            for n in d.negatives:
                if n.category == "imei":
                    ds = [int(c) for c in digits_of(n.text)]
                    assert len(ds) == 15 and corpus.luhn_ok(ds), n
                    counted["imei"] += 1
    assert all(counted.values()), counted


def test_parts_share_no_wording(parts):
    def used(docs):
        labels, frames, phrasings = set(), set(), set()
        for d in docs:
            for v in d.values:
                if v.label_text:
                    labels.add((v.kind, v.label_text))
                    frames.add((v.genre, v.frame))
            for n in d.negatives:
                if n.category != "csv_joined":  # a bare field has no phrasing
                    phrasings.add((n.category, n.phrasing))
        return labels, frames, phrasings
    tuning, heldout = used(parts["ways-tuning"]), used(parts["ways-heldout"])
    for a, b in zip(tuning, heldout):
        assert a and b
        assert not a & b, sorted(a & b)[:5]


def test_same_seed_same_documents_and_unknown_part_refused():
    a = [d.text for d in ways.generate("ways-tuning", 20, seed=9)]
    assert a == [d.text for d in ways.generate("ways-tuning", 20, seed=9)]
    assert a != [d.text for d in ways.generate("ways-tuning", 20, seed=10)]
    with pytest.raises(ValueError):
        ways.generate("tuning", 1)
    assert set(ways.PARTS) <= set(quality.PARTS)


def test_scoring_of_masked_and_spoken_values():
    """Mask characters (X and x too) need no covering; digits read out in Hangul do."""
    doc = labelled.Document("chat", "ways-tuning")
    w = labelled._Writer("chat", "ways-tuning")
    w.add("번호 ")
    w.value(labelled.Written("phone", "010-XXXX-5678", "masked_partly", True), "label", "번호", "f")
    w.add(" 주민번호 ")
    w.value(labelled.Written("resident", "구영일이영삼-일234567", "hangul_mixed", False), "label",
            "주민번호", "f")
    doc = w.document()
    masked, spoken = doc.values
    assert [doc.text[p] for p in quality.informative(masked)] == list("0105678")
    assert "".join(doc.text[p] for p in quality.informative(spoken)) == "구영일이영삼일234567"
    t = quality.Tally()
    # The first finding covers 010 and 5678; the second leaves the first syllable of the other.
    t.add_document(doc, [(masked.char_start, masked.char_end, "phone"),
                         (spoken.char_start + 1, spoken.char_end, "resident")])
    r = t.result()
    assert (r["values"], r["masking_recall"], r["typed_recall"], r["precision"]) == (2, 0.5, 0.5, 1.0)
