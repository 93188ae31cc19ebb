"""The fifth blind part's documents (bench/labelled_blind5.py): made the same for a seed, spans
exact and disjoint, every kind, genre and frame present at the default count, check digits and
bank shapes real, hard negatives of every category, and the part wired into bench/quality.py.
Nothing here runs detection."""

import datetime
import os
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled_blind5 as blind5  # noqa: E402
from labelled import _Writer  # noqa: E402
from labelled_checks import assert_disjoint, assert_spans_exact, digits_of, resident_birth  # noqa: E402


@pytest.fixture(scope="module")
def docs():
    return blind5.generate()


def _values(docs):
    return [v for d in docs for v in d.values]


def test_same_seed_same_documents_and_another_seed_others():
    def whole(ds):
        return [(d.genre, d.text, d.values, d.negatives) for d in ds]
    assert whole(blind5.generate(60, seed=4)) == whole(blind5.generate(60, seed=4))
    assert {d.text for d in blind5.generate(60, seed=4)}.isdisjoint(d.text for d in blind5.generate(60, seed=5))
    assert whole(blind5.generate(30, seed=4)) == whole(blind5.generate(60, seed=4))[:30]


def test_spans_slice_back_exactly_and_never_overlap(docs):
    assert len(docs) == 1500
    for d in docs:
        assert d.part == blind5.PART
        assert_spans_exact(d)
        assert_disjoint(d)
        for r in d.values + d.negatives:
            assert r.text == r.text.strip() and r.text, (d.genre, r)


def test_every_genre_and_frame_is_written_with_values_and_negatives(docs):
    assert len(blind5.GENRES) >= 25
    frames = {f"{g}.{i}" for g, fs in blind5.FRAMES.items() for i in range(len(fs))} | \
        {f"{g}.{i}" for g, (_, n) in blind5.TABLES.items() for i in range(n)}
    seen_frames = {v.frame for v in _values(docs)}
    assert seen_frames == frames
    by_genre = {g: [d for d in docs if d.genre == g] for g in blind5.GENRES}
    assert set(d.genre for d in docs) == set(blind5.GENRES)
    for genre, ds in by_genre.items():
        assert len(ds) >= 1500 // len(blind5.GENRES) - 1, genre
        assert all(d.values for d in ds), genre
        assert sum(len(d.negatives) for d in ds) >= len(ds) // 2, genre


def test_every_kind_and_negative_category_present_at_the_default_count(docs):
    kinds = {}
    for v in _values(docs):
        kinds[v.kind] = kinds.get(v.kind, 0) + 1
    assert set(kinds) == set(blind5.KINDS) and min(kinds.values()) >= 50, kinds
    cats = {n.category for d in docs for n in d.negatives}
    assert cats == set(blind5.NEG_CATEGORIES)


def test_writings_labels_and_masks_are_consistent(docs):
    situations = set(blind5.SITUATIONS.values())
    for d in docs:
        for v in d.values:
            assert v.writing in set(blind5.WRITINGS[v.kind]) | {"post2020", "hangul_numerals"}, v
            assert v.label in situations, v
            assert v.masked == (v.writing == "masked") == ("*" in v.text), v
            assert (v.label_text == "") == (v.label == "no_label"), v
            if v.label == "no_label":
                assert v.writing in blind5.PLAIN_SIGHT[v.kind], v
            if v.writing == "ocr_break":
                assert d.genre in blind5.OCR_GENRES and v.text.count("-\n") == 1, v
            else:
                assert "\n" not in v.text, v
            if v.writing == "hangul_numerals":
                assert d.genre == "voicemail" and not any(c.isdigit() for c in v.text), v


def test_check_digits_and_birth_dates_are_real(docs):
    checked = {"resident": 0, "foreigner": 0, "post2020": 0, "business": 0, "card": 0}
    for v in _values(docs):
        if v.masked:
            continue
        ds = [int(c) for c in digits_of(v.text)]
        if v.kind in ("resident", "foreigner_registration"):
            assert len(ds) == 13, v
            birth = resident_birth(ds)
            foreigner = v.kind == "foreigner_registration"
            assert (ds[6] in (5, 6, 7, 8)) == foreigner, v
            if v.writing == "post2020":
                assert birth >= datetime.date(2020, 10, 1), v
                checked["post2020"] += 1
            else:
                assert birth < datetime.date(2020, 10, 1), v
                assert corpus.resident_check(ds[:12], foreigner) == ds[12], v
                checked["foreigner" if foreigner else "resident"] += 1
        elif v.kind == "business_registration":
            assert len(ds) == 10 and corpus.business_check(ds[:9]) == ds[9], v
            checked["business"] += 1
        elif v.kind == "credit_card":
            assert len(ds) in (15, 16) and corpus.luhn_ok(ds), v
            checked["card"] += 1
        elif v.kind == "passport":
            letters = [i for i, c in enumerate(v.text) if not c.isdigit()]
            assert len(v.text) == 9 and letters in ([0], [0, 4]) and v.text.isupper(), v
        elif v.kind == "driver_license":
            arabic = sum(c.isdigit() for c in v.text)  # a region name such as 대구 reads as a digit
            assert arabic == 12 or (arabic == 10 and v.text[:2] in blind5.LICENSE_REGIONS.values()), v
    assert checked.pop("post2020") >= 15 and min(checked.values()) >= 50, checked


def test_accounts_written_after_a_bank_follow_that_banks_shapes(docs):
    shapes = {alias: shapes for aliases, shapes, _ in blind5.BANK_TABLE for alias in aliases}
    checked = 0
    for v in _values(docs):
        if v.kind == "bank_account" and v.label == "bank_name" and v.writing in ("hyphen", "masked"):
            groups = tuple(len(g) for g in v.text.split("-"))
            assert groups in shapes[v.label_text], v
            checked += 1
    assert checked > 200


def test_look_alikes_that_carry_check_digits_pass_them(docs):
    imei = [n for d in docs for n in d.negatives if n.category == "imei"]
    isbn = [n for d in docs for n in d.negatives if n.category == "isbn"]
    assert imei and isbn
    for n in imei:
        assert len(n.text) == 15 and corpus.luhn_ok([int(c) for c in n.text]), n
    for n in isbn:
        ds = [int(c) for c in digits_of(n.text)]
        assert len(ds) == 13 and corpus.isbn_check(ds[:12]) == ds[12], n


def test_template_slots_write_and_record_what_they_say():
    b = blind5._Builder(7)
    w = _Writer("test", blind5.PART)
    b.frame = "test.0"
    b.render(w, "{~가|나}  연락처: {V:phone:b:hyphen}\n주문번호 {N:order_number}\n{bank} {V:acct:k:plain}\n"
                "메일\n{V:email:u:plain}, {V:mobile:n:dot}")
    d = w.document()
    phone, acct, mail, bare = d.values
    (order,) = d.negatives
    assert d.text == (f"{d.text[0]}  연락처: {phone.text}\n주문번호 {order.text}\n{acct.label_text} {acct.text}\n"
                      f"메일\n{mail.text}, {bare.text}")
    assert d.text[0] in "가나"
    assert [(v.kind, v.label, v.label_text, v.writing, v.frame) for v in d.values] == [
        ("phone", "label_before", "연락처", "hyphen", "test.0"),
        ("bank_account", "bank_name", acct.label_text, "plain", "test.0"),
        ("email", "label_above", "메일", "plain", "test.0"),
        ("phone", "no_label", "", "dot", "test.0")]
    assert (order.category, order.phrasing) == ("order_number", "test.0.order_number")
    assert phone.text.startswith("0") and bare.text.startswith("010.") and "@" in mail.text


def test_the_part_is_wired_into_quality():
    import quality
    assert blind5.PART in quality.PARTS
    got = quality.documents(blind5.PART, 12, 3)
    assert [(d.text, d.values) for d in got] == [(d.text, d.values) for d in blind5.generate(12, 3)]
