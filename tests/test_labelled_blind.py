"""The blind part of the labelled documents (bench/labelled_blind.py): spans exact in characters
and bytes, kinds, writings, situations and categories known and all present, check digits valid,
the same documents for the same seed; and quality.py reading it as a part of its own."""

import datetime
import os
import re
import sys
import unicodedata

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind as blind  # noqa: E402
import quality  # noqa: E402

N = 1500  # documents: every genre and way of writing many times, well under a second

SITUATIONS = {"label_plain", "label_punct", "label_english", "label_symbol", "label_next_line", "bank_name",
              "trailing_label", "previous_line", "column_header", "log_key", "document_title", "no_label"}
CATEGORIES = set(blind.NEG) | {"csv_joined"}


@pytest.fixture(scope="module")
def docs():
    return blind.generate(N, seed=4)


def digits_of(text: str, hangul: bool = False) -> str:
    out = []
    for ch in text:
        if unicodedata.category(ch) == "Nd":
            out.append(str(unicodedata.digit(ch)))
        elif hangul and ch in blind.HANGUL:
            out.append(str(blind.HANGUL.index(ch)))
    return "".join(out)


def full_year(yy: int) -> int:
    return 2000 + yy if yy <= 16 else 1900 + yy  # birth dates run from 1938 to 2016


def birth_date(v) -> datetime.date:
    """The date a birth-date value stands for, read by its way of writing (fails if invalid)."""
    nums = [int(x) for x in re.findall(r"\d+", v.text)]
    month = [i + 1 for i, m in enumerate(blind.MONTHS) if m.lower() in v.text.lower()]
    if v.writing == "compact":
        t = v.text
        return datetime.date(int(t[:4]), int(t[4:6]), int(t[6:]))
    if v.writing == "yymmdd":
        t = v.text
        return datetime.date(full_year(int(t[:2])), int(t[2:4]), int(t[4:]))
    if v.writing == "english_day_month":
        return datetime.date(nums[1], month[0], nums[0])
    if v.writing == "english_month_day":
        return datetime.date(nums[1], month[0], nums[0])
    y, m, d = nums
    return datetime.date(y if y > 99 else full_year(y), m, d)


def test_spans_slice_back_exactly_and_never_overlap(docs):
    for d in docs:
        raw = d.text.encode()
        assert d.part == blind.PART
        records = d.values + d.negatives
        for r in records:
            assert d.text[r.char_start:r.char_end] == r.text, (d.genre, r)
            assert raw[r.byte_start:r.byte_end].decode() == r.text, (d.genre, r)
            assert len(d.text[:r.char_start].encode()) == r.byte_start
            assert r.text == r.text.strip() and r.text, (d.genre, r)
        spans = sorted((r.char_start, r.char_end) for r in records)
        for (s0, e0), (s1, e1) in zip(spans, spans[1:]):
            assert e0 <= s1, (d.genre, d.text[s0:e1])


def test_kinds_writings_situations_genres_and_categories_are_known_and_all_used(docs):
    seen = {"kind": set(), "genre": set(), "category": set(), "situation": set(), "writing": set()}
    for d in docs:
        seen["genre"].add(d.genre)
        for v in d.values:
            writings = {w for w, _ in blind.WRITE[v.kind]} | ({"hangul_numerals"} if v.kind in blind.SPOKEN
                                                               else set())
            assert v.writing in writings, v
            assert v.label in SITUATIONS, v
            assert v.masked == (v.writing in blind.MASKED), v
            assert (v.label_text == "") == (v.label == "no_label"), v
            if v.label == "no_label":
                assert v.writing in blind.SHAPES_ALONE[v.kind], v
            if v.masked:
                assert {"*", "●", "#"} & set(v.text), v
            if v.writing in ("angle", "mailto"):
                assert d.text[v.char_start - 1] in "<:", v
            seen["kind"].add(v.kind)
            seen["situation"].add(v.label)
            seen["writing"].add((v.kind, v.writing))
        for n in d.negatives:
            assert n.category in CATEGORIES, n
            seen["category"].add(n.category)
    assert seen["kind"] == set(blind.KINDS)
    assert seen["genre"] == set(blind.GENRES)
    assert seen["category"] == CATEGORIES
    assert seen["situation"] == SITUATIONS
    every = {(k, w) for k, ws in blind.WRITE.items() for w, _ in ws}
    assert every <= seen["writing"], sorted(every - seen["writing"])


def test_check_digits_and_birth_dates_are_valid(docs):
    checked = dict.fromkeys(("resident", "post2020", "business", "card", "isbn", "birth"), 0)
    for d in docs:
        for v in d.values:
            ds = [int(c) for c in digits_of(v.text, v.writing == "hangul_numerals")]
            if v.kind in ("resident", "foreigner_registration"):
                assert (ds[6] in (5, 6, 7, 8)) == (v.kind == "foreigner_registration"), v
                century = 2000 if ds[6] in (3, 4, 7, 8) else 1900
                born = datetime.date(century + ds[0] * 10 + ds[1], ds[2] * 10 + ds[3], ds[4] * 10 + ds[5])
                if v.masked:
                    continue
                assert len(ds) == 13, v
                if v.writing == "post2020":
                    assert born >= datetime.date(2020, 10, 1)
                    checked["post2020"] += 1
                else:
                    assert corpus.resident_check(ds[:12], v.kind == "foreigner_registration") == ds[12], v
                    checked["resident"] += 1
            elif v.kind == "business_registration" and not v.masked:
                assert len(ds) == 10 and corpus.business_check(ds[:9]) == ds[9], v
                checked["business"] += 1
            elif v.kind == "credit_card" and not v.masked:
                assert len(ds) in (15, 16) and corpus.luhn_ok(ds), v
                checked["card"] += 1
            elif v.kind == "birth_date":
                assert birth_date(v) <= datetime.date(2016, 12, 31), v
                checked["birth"] += 1
            elif v.kind == "passport":
                assert len(v.text) == 9 and v.text[0].isupper() and len(ds) in (7, 8), v
        for n in d.negatives:
            if n.category == "isbn":
                ds = [int(c) for c in digits_of(n.text)]
                assert len(ds) == 13 and sum(x * (1 if i % 2 == 0 else 3) for i, x in enumerate(ds)) % 10 == 0
                checked["isbn"] += 1
    assert all(checked.values()), checked


def test_bank_names_carry_their_own_account_shapes(docs):
    seen = 0
    for d in docs:
        for v in d.values:
            if v.label == "bank_name" and not v.masked:
                groups = [len(g) for g in v.text.replace(" ", "-").split("-")]
                shape = list(blind.BANK_SHAPES[v.label_text])
                assert groups == shape or (len(groups) == 1 and groups[0] == sum(shape)), v
                seen += 1
    assert seen > 20


def test_same_seed_same_documents_and_unlike_the_other_parts():
    a = blind.generate(30, seed=9)
    assert [(d.text, d.values, d.negatives) for d in a] == \
        [(d.text, d.values, d.negatives) for d in blind.generate(30, seed=9)]
    assert [d.text for d in a] != [d.text for d in blind.generate(30, seed=10)]
    others = {d.genre for p in labelled.PARTS for d in labelled.generate(p, 60, seed=9)}
    assert not others & set(blind.GENRES)


def test_quality_reads_the_blind_part_and_labels_its_counts():
    docs = quality.documents("blind", 25, 2)
    assert [d.text for d in docs] == [d.text for d in blind.generate(25, 2)]
    assert quality.documents("heldout", 5, 2)[0].text == labelled.generate("heldout", 5, 2)[0].text
    # Nothing found: every value leaks and no negative is reported; the tables count the blind part.
    res = {"meta": {"command": "python bench/quality.py --parts blind", "documents": 25, "seed": 2,
                    "norvane": "x"},
           "systems": ["default"], "parts": ["blind"], "skipped": {},
           "counts": {"blind": {"values": sum(len(d.values) for d in docs),
                                "negatives": sum(len(d.negatives) for d in docs)}},
           "results": {"default": {"blind": quality.evaluate(lambda text: [], docs)}}}
    r = res["results"]["default"]["blind"]
    assert (r["masking_recall"], r["typed_recall"], r["negatives_reported"]) == (0.0, 0.0, 0.0)
    assert r["values"] == res["counts"]["blind"]["values"]
    table = quality.markdown(res)
    assert "| norvane `Config()` | blind | 0.0 | 0.0 | - | 0.0 | 0 |" in table
    phones = r["by"]["kind"]["phone"]["n"]
    assert f"| phone | {phones} | 0.0 |" in table and "| kind | n (blind) | default blind |" in table
    with pytest.raises(SystemExit):
        quality.main(["--parts", "blnd", "--no-presidio"])
