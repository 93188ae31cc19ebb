"""The third blind part (bench/labelled_blind3.py): the same documents for the same seed on every
run, spans that slice back exactly, no value overlapping another, every kind and every genre
present, hard negatives of every category, values with the structure real numbers have, and the
part wired into quality.py. Detection is not run on this part here."""

import datetime
import hashlib
import os
import re
import subprocess
import sys
import unicodedata

import pytest

BENCH = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench")
sys.path.insert(0, BENCH)

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind3 as blind3  # noqa: E402
from labelled_checks import assert_disjoint, assert_spans_exact  # noqa: E402
import quality  # noqa: E402


@pytest.fixture(scope="module")
def docs():
    return blind3.generate()  # the default count, as the lead measures it


def digest(documents) -> str:
    return hashlib.sha256(repr([(d.genre, d.part, d.text, d.values, d.negatives)
                                for d in documents]).encode()).hexdigest()


def digits(text: str) -> str:
    return "".join(str(unicodedata.digit(c)) for c in text if unicodedata.category(c) == "Nd")


# --------------------------------------------------------------------------- the documents as a whole

def test_a_seed_gives_the_same_documents_and_another_seed_others():
    first, again, other = blind3.generate(200, seed=4), blind3.generate(200, seed=4), blind3.generate(200, seed=5)
    assert digest(first) == digest(again)
    assert digest(first) != digest(other)
    assert [d.text for d in blind3.generate(60, seed=4)] == [d.text for d in first[:60]]


def test_the_documents_do_not_hang_on_the_interpreter_hash_seed():
    code = ("import sys; sys.path.insert(0, sys.argv[1]); import labelled_blind3, hashlib; "
            "docs = labelled_blind3.generate(300, seed=2); "
            "print(hashlib.sha256(repr([(d.genre, d.text, d.values, d.negatives) for d in docs]).encode())"
            ".hexdigest())")
    outs = set()
    for hash_seed in ("0", "12345"):
        env = dict(os.environ, PYTHONHASHSEED=hash_seed)
        outs.add(subprocess.run([sys.executable, "-c", code, BENCH], env=env, capture_output=True, text=True,
                                check=True).stdout.strip())
    assert len(outs) == 1


def test_the_default_count_and_the_part(docs):
    assert len(docs) == 1500
    assert {d.part for d in docs} == {blind3.PART} == {"blind3"}


def test_spans_slice_back_exactly_and_never_overlap(docs):
    for d in docs:
        labelled.check(d)
        assert_spans_exact(d)
        assert_disjoint(d)


def test_every_genre_is_written_in_several_frames(docs):
    assert len(blind3.GENRES) >= 25
    frames: dict = {}
    for d in docs:
        for r in d.values:
            frames.setdefault(d.genre, set()).add(r.frame)
    assert set(frames) == set(blind3.GENRES)
    assert all(len(f) >= 2 for f in frames.values()), {g: f for g, f in frames.items() if len(f) < 2}
    assert all(f.split(".")[0] == g for g, fs in frames.items() for f in fs)


def test_every_kind_is_present_in_numbers_that_measure_something(docs):
    counts = labelled.summary(docs)["values"]
    assert set(counts) == set(blind3.KINDS)
    assert min(counts.values()) >= 80, counts


def test_hard_negatives_of_every_category(docs):
    counts = labelled.summary(docs)["negatives"]
    assert set(counts) == set(blind3.NEG_CATEGORIES)
    assert min(counts.values()) >= 5, counts
    assert sum(1 for d in docs if d.negatives) >= 0.95 * len(docs)


def test_label_situations_are_varied_and_each_is_used(docs):
    seen = {v.label for d in docs for v in d.values}
    assert seen == set(blind3.SITUATIONS)
    unlabelled = sum(1 for d in docs for v in d.values if v.label == "no_label")
    total = sum(len(d.values) for d in docs)
    assert 0.03 < unlabelled / total < 0.25


# --------------------------------------------------------------------------- each record

def test_records_are_consistent(docs):
    ways = {k: set(w) | blind3.GENRE_ONLY_WRITINGS.get(k, set()) for k, w in blind3.WRITINGS.items()}
    ways["phone"] |= set(blind3.DODGE_WRITINGS)
    for d in docs:
        for v in d.values:
            assert v.genre == d.genre and v.kind in blind3.KINDS, v
            assert v.writing in ways[v.kind], v
            assert v.masked == (v.writing == "masked"), v
            assert (v.label_text == "") == (v.label == "no_label"), v
            assert v.label_text in d.text[:v.char_start] or v.label_text in d.text[v.char_end:], v
        for n in d.negatives:
            assert n.genre == d.genre and n.category in blind3.NEG_CATEGORIES, n
            assert n.text.strip() == n.text and n.text, n


def test_unlabelled_values_are_only_those_a_reader_recognises(docs):
    for d in docs:
        for v in d.values:
            if v.label == "no_label":
                assert v.kind in blind3.UNLABELLED_OK, v
                assert v.writing in blind3.UNLABELLED_OK[v.kind], v
    assert not [v for d in docs for v in d.values if v.kind in ("birth_date", "bank_account")
                and v.label == "no_label"]


def test_every_value_has_characters_the_scoring_counts(docs):
    for d in docs:
        for v in d.values:
            assert quality.informative(v), v


# --------------------------------------------------------------------------- real structures

def check_resident(v) -> None:
    s = digits(v.text)
    foreigner = v.kind == "foreigner_registration"
    if v.masked:
        assert re.fullmatch(r"[0-9*]{6}-[0-9*X]{7}", v.text), v
        return
    assert len(s) == 13, v
    datetime.date(int(s[:2]) + (2000 if s[6] in "3478" else 1900), int(s[2:4]), int(s[4:6]))
    assert s[6] in ("5678" if foreigner else "1234"), v
    if v.writing != "issued_after_2020":
        assert int(s[12]) == corpus.resident_check([int(c) for c in s[:12]], foreigner), v


def test_identity_numbers_have_real_dates_and_check_digits(docs):
    seen = set()
    for d in docs:
        for v in d.values:
            if v.kind in ("resident", "foreigner_registration"):
                check_resident(v)
                seen.add((v.kind, v.writing))
            elif v.kind == "business_registration" and not v.masked:
                s = digits(v.text)
                assert len(s) == 10 and int(s[9]) == corpus.business_check([int(c) for c in s[:9]]), v
    assert {("resident", "issued_after_2020"), ("foreigner_registration", "issued_after_2020"),
            ("resident", "line_break"), ("resident", "fullwidth")} <= seen


def test_cards_pass_luhn_and_keep_their_issuer_shapes(docs):
    for d in docs:
        for v in d.values:
            if v.kind != "credit_card" or v.masked:
                continue
            s = digits(v.text)
            assert corpus.luhn_ok([int(c) for c in s]), v
            assert len(s) == (15 if v.writing == "amex" else 16), v


def test_accounts_licences_passports_and_birth_dates_have_real_shapes(docs):
    regions = set(blind3.LICENSE_REGIONS.values())
    codes = {f"{c:02d}" for c in blind3.LICENSE_REGIONS}
    for d in docs:
        for v in d.values:
            if v.kind == "bank_account" and v.writing in ("hyphen", "plain", "spaced"):
                assert 11 <= len(digits(v.text)) <= 14, v
            elif v.kind == "driver_license" and v.writing == "region_name":
                assert v.text[:2] in regions and re.fullmatch(r"\d\d-\d{6}-\d\d", v.text[2:].strip()), v
            elif v.kind == "driver_license" and not v.masked:
                assert len(digits(v.text)) == 12 and digits(v.text)[:2] in codes, v
            elif v.kind == "passport" and v.writing == "old_format":
                assert re.fullmatch(r"[MSRDO]\d{8}", v.text), v
            elif v.kind == "passport" and v.writing == "current_format":
                assert re.fullmatch(r"[MSRD]\d{3}[A-Z]\d{4}", v.text), v
            elif v.kind == "birth_date" and v.writing in ("iso", "dot", "compact", "slash"):
                s = digits(v.text)
                datetime.date(int(s[:4]), int(s[4:6]), int(s[6:]))


def test_banks_write_their_own_account_shapes():
    values = blind3._Values(__import__("random").Random(3))
    for bank, shapes in blind3.BANK_SHAPES.items():
        for _ in range(20):
            groups = values.bank_account("hyphen", bank=bank).split("-")
            assert tuple(len(g) for g in groups) in shapes, bank
            lead = blind3.BANK_PREFIX.get(bank)
            if lead and any(len(p) == len(groups[0]) for p in lead):
                assert groups[0] in lead, bank


def test_phones_written_to_slip_past_filters_still_read_as_phone_numbers(docs):
    spoken = {c: str(i) for i, c in enumerate(blind3.HANGUL_DIGIT)}
    dodges = blind3.GENRE_ONLY_WRITINGS["phone"]
    seen = set()
    for d in docs:
        for v in d.values:
            if v.kind != "phone" or v.writing not in dodges:
                continue
            seen.add(v.writing)
            read = "".join(spoken.get(c, c) for c in v.text.replace("O", "0").replace("o", "0"))
            assert re.fullmatch(r"01\d{8,9}", digits(read)), v
    assert seen == dodges


# --------------------------------------------------------------------------- quality.py

def test_quality_reads_the_part():
    assert blind3.PART in quality.PARTS
    assert digest(quality.documents(blind3.PART, 40, 6)) == digest(blind3.generate(40, seed=6))


# --------------------------------------------------------------------------- what the records claim

def test_ways_of_writing_show_in_the_text(docs):
    shows = {
        "plain": lambda t: t.isdigit(),
        "spaced": lambda t: " " in t and "-" not in t,
        "dot": lambda t: "." in t and "-" not in t,
        "fullwidth": lambda t: any("０" <= c <= "９" for c in t),
        "line_break": lambda t: "\n" in t,
        "intl_plus": lambda t: t.startswith("+82"),
        "masked": lambda t: "*" in t or "X" in t,
        "keycap": lambda t: "\u20e3" in t,
        "hangul_numerals": lambda t: not any(c.isdigit() for c in t) and any(c in blind3.HANGUL_DIGIT for c in t),
        "hangul_mixed": lambda t: any(c.isdigit() for c in t) and any(c in blind3.HANGUL_DIGIT for c in t),
        "vowel_dash": lambda t: any(c in "ㅡㅣ~" for c in t),
        "letter_for_digit": lambda t: "O" in t or "o" in t,
        "korean_at": lambda t: "골뱅이" in t,
        "fullwidth_at": lambda t: "＠" in t,
        "region_name": lambda t: t[:2] in blind3.LICENSE_REGIONS.values(),
        "english": lambda t: re.search("[A-Z][a-z]{2}", t) is not None,
    }
    for d in docs:
        for v in d.values:
            if v.writing in shows and not (v.kind == "email" and v.writing == "plain"):
                assert shows[v.writing](v.text), v


def line_of(text: str, at: int) -> int:
    return text.count("\n", 0, at)


def test_labels_stand_where_their_situation_says(docs):
    for d in docs:
        for v in d.values:
            before, after = d.text[:v.char_start], d.text[v.char_end:]
            here = line_of(d.text, v.char_start)
            if v.label in ("label_before", "label_english", "label_abbrev", "label_symbol", "bank_name", "key"):
                assert line_of(d.text, before.rindex(v.label_text)) == here, v
                assert v.char_start - before.rindex(v.label_text) - len(v.label_text) <= 30, v
            elif v.label == "label_after":
                assert after.index(v.label_text) <= 3, v
            elif v.label == "label_above":
                assert line_of(d.text, before.rindex(v.label_text)) == here - 1, v
            elif v.label == "lines_away":
                assert line_of(d.text, before.rindex(v.label_text)) <= here - 2, v
            elif v.label in ("column_header", "question_before"):
                assert line_of(d.text, before.rindex(v.label_text)) < here, v


def test_look_alikes_keep_their_own_structures(docs):
    shapes = {
        "company_number": r"(1[5-9]\d\d-?\d{4}|080-\d{3}-\d{4})",
        "safe_number": r"050\d-\d{4}-\d{4}",
        "imei": r"35\d{13}",
        "iccid": r"8982\d{15}",
        "animal_registration": r"410\d{12}",
        "vin": r"KM[HJ][A-Z0-9]{8}\d{6}",
        "case_number": r"20\d\d(가단|가합|가소|고단|나|머|타채)\d{3,6}",
        "vehicle_plate": r"\d{2,3}[가-힣] ?\d{4}",
        "ip_address": r"\d{1,3}(\.\d{1,3}){3}",
        "registry_number": r"\d{4}-20\d\d-\d{6}",
    }
    for d in docs:
        for n in d.negatives:
            if n.category in shapes:
                assert re.fullmatch(shapes[n.category], n.text), n
            elif n.category in ("isbn", "barcode"):
                s = digits(n.text)
                assert len(s) == 13 and int(s[12]) == corpus.isbn_check([int(c) for c in s[:12]]), n


def test_a_phone_label_decides_its_line():
    assert [blind3.line_named_by(label) for label in
            ("휴대폰", "H.P.", "M.", "Mobile (해외 로밍)", "카카오톡/휴대폰", "(휴대폰)", "폰번호")] == ["mobile"] * 7
    assert [blind3.line_named_by(label) for label in
            ("T", "Tel.", "직통", "회사전화", "(자택)")] == ["landline"] * 5
    assert [blind3.line_named_by(label) for label in ("연락처", "전화번호", "Phone", "비상연락처")] == [None] * 4


def test_phones_under_mobile_labels_are_mobile_numbers(docs):
    for d in docs:
        for v in d.values:
            if v.kind == "phone" and v.label != "no_label" and not v.masked \
                    and v.writing not in blind3.GENRE_ONLY_WRITINGS["phone"]:
                line = blind3.line_named_by(v.label_text)
                number = digits(v.text.replace("+82", "").replace("(0)", ""))
                number = number if number.startswith("0") else "0" + number
                if line == "mobile":
                    assert number.startswith("01"), v
                elif line == "landline":
                    assert not number.startswith("01"), v
