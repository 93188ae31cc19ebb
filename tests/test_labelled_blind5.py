"""The fifth blind part's documents (bench/labelled_blind5.py): made the same for a seed, spans
exact and disjoint, every kind, genre and frame present at the default count, check digits and
bank shapes real, hard negatives of every category, and the part wired into bench/quality.py.
Nothing here runs detection."""

import datetime
import os
import re
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


def test_slot_parsing_finds_closing_braces_and_top_level_alternatives():
    t = "a {~x|{V:phone:b}|{~p|q}} b"
    assert blind5._close(t, 2) == len(t) - 3
    assert blind5._split_top("x|{V:phone:b}|{~p|q}") == ["x", "{V:phone:b}", "{~p|q}"]
    assert blind5._split_top("") == [""]
    with pytest.raises(ValueError):
        blind5._close("{~a|b", 0)


@pytest.mark.parametrize("before, same_line, label", [
    ("성명 홍길동   주민등록번호: ", True, "주민등록번호"),
    ("1 | 홍길동 | ", True, "홍길동"),
    ("고객명 {x} / 연락처 ", True, "연락처"),
    ("이메일\n", True, "이메일"),
    ("상담원: 번호 알려 주세요.\n고객: ", False, "상담원: 번호 알려 주세요."),
    ("", True, ""),
])
def test_a_labels_words_are_the_last_cell_before_the_value_else_the_line_above(before, same_line, label):
    w = _Writer("test", blind5.PART)
    w.add(before)
    assert blind5._label_before(w, same_line) == label


def test_dates_times_and_amounts_of_look_alikes_are_real(docs):
    parsers = {"iso": "%Y-%m-%d", "dot": "%Y.%m.%d", "korean": "%Y년 %m월 %d일", "spaced": "%Y. %m. %d.",
               "slash": "%Y/%m/%d", "compact": "%Y%m%d"}
    seen = set()
    for n in (n for d in docs for n in d.negatives):
        if n.category == "event_date":
            forms = [f for f, p in parsers.items() if _parses(n.text, p)]
            assert forms, n
            seen.update(forms)
        elif n.category in ("time", "timecode"):
            parts = [int(x) for x in n.text.split(":")]
            assert len(parts) in (2, 3) and parts[0] < 24 and all(x < 60 for x in parts[1:]), n
        elif n.category == "amount":
            assert re.fullmatch(r"[1-9]\d{0,2}(,\d{3})*", n.text), n
    assert seen == set(parsers)


def _parses(text, pattern):
    try:
        datetime.datetime.strptime(text, pattern)
    except ValueError:
        return False
    return True


def test_an_export_writes_each_column_one_way(docs):
    exports = [d for d in docs if d.genre in ("crm_export", "sql_dump", "csv_quoted", "academy_roster")]
    assert len(exports) > 100
    for d in exports:
        ways = {}
        for v in d.values:
            if v.label in ("column_header", "two_row_header", "sql_column") and not v.masked:
                ways.setdefault((v.label_text, v.kind), set()).add(v.writing)
        assert ways, d.text
        for column, writings in ways.items():
            # a child's resident number born since October 2020 is the only other way a column shows
            assert len(writings - {"post2020"}) == 1, (column, writings, d.text)


def test_a_statement_lists_its_account_and_every_transfer_counterparty(docs):
    statements = [d for d in docs if d.genre == "bank_statement"]
    assert statements
    for d in statements:
        own, *counterparties = d.values
        assert own.kind == "bank_account" and own.label == "label_before" and own.label_text in ("조회계좌", "계좌번호")
        assert all(v.kind == "bank_account" and v.label_text == "상대계좌" for v in counterparties)
        rows = d.text.splitlines()[4:]
        stamps = [n for n in d.negatives if n.category == "timestamp"]
        assert len(stamps) == len(rows) and all(row.startswith(s.text) for row, s in zip(rows, stamps))
        assert len({v.writing for v in counterparties}) <= 1
