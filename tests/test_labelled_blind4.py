"""The fourth blind part of the labelled documents (bench/labelled_blind4.py): the same documents
for a seed, spans exact, no two records overlapping, every kind, genre and many look-alike
categories present at the default count, real check digits and number structures, and the part
wired into bench/quality.py. Detection results are not looked at here."""

import collections
import datetime
import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled_blind4 as blind4  # noqa: E402
from labelled_checks import (HANGUL_DIGITS, LETTER_DIGITS, assert_disjoint, assert_spans_exact,  # noqa: E402
                             digits_of)


@pytest.fixture(scope="module")
def docs():
    return blind4.generate()  # the default count, as the part is measured


def test_same_seed_same_documents_other_seed_other_documents():
    def records(ds):
        return [(d.genre, d.text, d.values, d.negatives) for d in ds]
    first = blind4.generate(80, seed=4)
    assert records(first) == records(blind4.generate(80, seed=4))
    assert records(blind4.generate(30, seed=4)) == records(first[:30])
    assert {d.text for d in first}.isdisjoint(d.text for d in blind4.generate(80, seed=5))
    assert len(blind4.generate(0)) == 0 and len(blind4.generate(7)) == 7


def test_spans_slice_back_exactly_and_never_overlap(docs):
    for d in docs:
        assert d.part == blind4.PART
        assert_spans_exact(d)
        assert_disjoint(d)
        for r in d.values + d.negatives:
            assert r.text == r.text.strip() and r.text, (d.genre, r)


def test_every_kind_genre_and_many_look_alike_categories_at_the_default_count(docs):
    assert len(docs) == 1500
    genres = collections.Counter(d.genre for d in docs)
    assert set(genres) == set(blind4.GENRES) and len(genres) >= 25
    assert max(genres.values()) - min(genres.values()) <= 1  # every genre once in each round
    kinds = collections.Counter(v.kind for d in docs for v in d.values)
    assert set(kinds) == set(blind4.KINDS) and min(kinds.values()) >= 100, kinds
    categories = collections.Counter(n.category for d in docs for n in d.negatives)
    assert set(categories) == set(blind4.NEG_CATEGORIES), set(blind4.NEG_CATEGORIES) - set(categories)
    assert sum(categories.values()) > sum(kinds.values()) // 2
    situations = collections.Counter(v.label for d in docs for v in d.values)
    assert set(situations) == set(blind4.SITUATIONS.values()) | {"label_english"}
    assert situations["no_label"] >= 100
    for kind in blind4.KINDS:  # several ways of writing each kind
        assert len({v.writing for d in docs for v in d.values if v.kind == kind}) >= 3, kind


def test_values_record_how_they_are_written_and_labelled(docs):
    for d in docs:
        for v in d.values:
            assert v.writing in blind4.WRITINGS[v.kind], v
            assert v.masked == (v.writing == "masked"), v
            assert (v.label == "no_label") == (v.label_text == ""), v
            assert v.genre == d.genre and v.frame.startswith(d.genre), v
            if v.label == "no_label":
                assert v.writing in blind4.UNLABELLED_OK[v.kind], v
            if v.label == "bank_name":
                before = d.text[:v.char_start].rstrip()
                assert before.endswith(v.label_text) or before.endswith(v.label_text + "은행"), v
                groups = tuple(len(g) for g in re.split(r"[- ]", v.text))
                if v.writing in ("hyphen", "masked"):
                    assert groups in blind4.BANK_SHAPES[v.label_text], v
            if v.masked:
                assert "*" in v.text or "x" in v.text, v
            if v.writing in ("ocr_break",):
                assert "\n" in v.text, v
            if v.writing in ("hangul_numerals", "read_out_e"):
                assert not any(c.isdigit() for c in v.text), v


def test_check_digits_and_number_structures_are_real(docs):
    checked = collections.Counter()
    for d in docs:
        for v in d.values:
            if v.masked or v.kind in ("email", "birth_date"):
                continue
            ds = [int(c) for c in digits_of(v.text)]
            if v.kind in ("resident", "foreigner_registration"):
                assert len(ds) == 13, v
                foreigner = v.kind == "foreigner_registration"
                assert (ds[6] in (5, 6, 7, 8)) == foreigner, v
                born = (2000 if ds[6] in (3, 4, 7, 8) else 1900) + ds[0] * 10 + ds[1]
                birth = datetime.date(born, ds[2] * 10 + ds[3], ds[4] * 10 + ds[5])
                if v.writing == "post2020":
                    assert birth >= datetime.date(2020, 10, 1), v
                else:
                    assert corpus.resident_check(ds[:12], foreigner) == ds[12], v
                checked[v.kind] += 1
            elif v.kind == "business_registration":
                assert len(ds) == 10 and corpus.business_check(ds[:9]) == ds[9], v
                checked[v.kind] += 1
            elif v.kind == "credit_card":
                assert len(ds) in (15, 16) and corpus.luhn_ok(ds), v
                checked[v.kind] += 1
            elif v.kind == "driver_license":
                region = re.match(r"[가-힣]+", v.text)
                if region and region.group() in blind4.LICENSE_REGIONS:
                    assert len(digits_of(v.text[region.end():])) == 10, v
                else:
                    assert len(ds) == 12 and ds[0] * 10 + ds[1] in blind4.LICENSE_REGIONS.values(), v
                checked[v.kind] += 1
            elif v.kind == "phone":
                intl = re.match(r"\+82|%2B82", v.text)
                nd = "0" + digits_of(v.text[intl.end():]) if intl else digits_of(v.text)
                assert nd[0] == "0" and 9 <= len(nd) <= 11, v
                checked[v.kind] += 1
            elif v.kind == "passport":
                assert re.fullmatch(r"[A-Z]{1,2}[0-9OlSB]{7,8}|[MSRD][0-9]{3}[A-Z][0-9]{4}", v.text), v
                checked[v.kind] += 1
        for n in d.negatives:
            ds = [int(c) for c in digits_of(n.text)]
            if n.category == "imei":
                assert len(ds) == 15 and corpus.luhn_ok(ds), n
            elif n.category == "isbn":
                assert len(ds) == 13 and sum(x * (1 if i % 2 == 0 else 3) for i, x in enumerate(ds)) % 10 == 0
            elif n.category == "customs_code":
                assert re.fullmatch(r"P\d{12}", n.text), n
            elif n.category == "pet_registration":
                assert re.fullmatch(r"410\d{12}", n.text), n
            elif n.category == "pnr_code":
                assert re.fullmatch(r"[A-Z2-9]{6}", n.text), n
            else:
                continue
            checked[n.category] += 1
    assert set(checked) == {"resident", "foreigner_registration", "business_registration", "credit_card",
                            "driver_license", "phone", "passport", "imei", "isbn", "customs_code",
                            "pet_registration", "pnr_code"}, checked


def test_numbers_read_aloud_are_the_digits_of_a_real_value(docs):
    assert blind4.HANGUL_DIGITS == HANGUL_DIGITS  # the digits are read back as they were written
    assert all(LETTER_DIGITS[letter] == digit for digit, letter in blind4.OCR_LOOKALIKES.items())
    spoken = [v for d in docs for v in d.values if v.writing in ("hangul_numerals", "hangul_mixed", "read_out_e")]
    assert len({v.kind for v in spoken}) >= 3
    for v in spoken:
        ds = digits_of(v.text)
        assert {"phone": (9, 10, 11), "resident": (13,), "foreigner_registration": (13,),
                "credit_card": (15, 16), "business_registration": (10,), "driver_license": (12,),
                "bank_account": tuple(range(10, 15))}[v.kind].count(len(ds)) == 1, v


def test_templates_name_labels_and_refuse_what_a_reader_could_not_tell():
    assert blind4._label_from("  ⑦ 주민등록번호 : ") == "주민등록번호"
    assert blind4._label_from("상담사: 재발급 안내는 등록하신 휴대폰 ") == "재발급 안내는 등록하신 휴대폰"
    assert blind4._label_from("성  명 : 김민수      연락처 : ") == "연락처"
    assert blind4._speaker_free("[00:00:19] 화자1: 휴대폰 번호 말씀 해주시겠어요") == "휴대폰 번호 말씀 해주시겠어요"
    b = blind4._Builder(1)
    w = blind4._Writer("test", blind4.PART)
    b.render(w, "생년월일: ⟦birth_date:|iso⟧\n⟦phone!|hyphen⟧ 로 연락 주세요\n주문번호 ⟪order_number⟫", "prose", "t")
    d = w.document()
    assert [(v.kind, v.label, v.label_text, v.writing) for v in d.values] == [
        ("birth_date", "label_before", "생년월일", "iso"), ("phone", "no_label", "", "hyphen")]
    assert [n.category for n in d.negatives] == ["order_number"]
    assert d.text.startswith("생년월일: ") and d.text.endswith("\n")
    w = blind4._Writer("test", blind4.PART)
    b.render(w, "\n".join(["생년월일 ⟦birth_date:|iso,young⟧ 주민번호 ⟦resident:|hyphen,young⟧"] * 30), "prose", "t")
    years = [int(v.text[:4]) if v.kind == "birth_date" else 2000 + int(v.text[:2]) for v in w.document().values]
    assert len(years) == 60 and min(years) >= 2006  # a schoolchild's birthday and resident number
    assert b.m.young is False
    with pytest.raises(ValueError):  # a bare date is nobody's birthday
        b.render(blind4._Writer("test", blind4.PART), "⟦birth_date!⟧", "prose", "t")
    with pytest.raises(ValueError):  # a label lines away must be named
        b.render(blind4._Writer("test", blind4.PART), "⟦phone%⟧", "prose", "t")


def test_quality_reads_the_part():
    import quality
    assert blind4.PART in quality.PARTS
    assert "python bench/quality.py --parts blind4   # the fourth blind part: the same holds" in quality.__doc__
    ours = quality.documents(blind4.PART, 12, 2)
    assert [(d.text, d.values) for d in ours] == [(d.text, d.values) for d in blind4.generate(12, 2)]
