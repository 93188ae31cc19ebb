"""The eighth blind part (bench/labelled_blind8.py): the same documents for a seed, spans exact,
nothing overlapping, every genre, kind and look-alike category present at the default count and
no kind dominating, ways of writing and label situations known, check digits and number
structures real. Detection is not run on this part here."""

import datetime
import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
import labelled_blind8 as blind8  # noqa: E402
from labelled_checks import (assert_check_digit, assert_disjoint, assert_spans_exact, digits_of,  # noqa: E402
                             resident_birth)

DEFAULT = 1500  # the count quality.py reads by default


@pytest.fixture(scope="module")
def docs():
    return blind8.generate(DEFAULT, seed=1)


def _as_tuples(documents):
    return [(d.genre, d.part, d.text, d.values, d.negatives) for d in documents]


def test_a_seed_gives_the_same_documents_and_another_seed_others():
    first = blind8.generate(60, seed=7)
    assert _as_tuples(first) == _as_tuples(blind8.generate(60, seed=7))
    other = blind8.generate(60, seed=8)
    assert {d.text for d in first}.isdisjoint(d.text for d in other)
    # A longer run starts with the documents of a shorter one.
    assert _as_tuples(blind8.generate(90, seed=7)[:60]) == _as_tuples(first)


def test_spans_slice_back_exactly_and_never_overlap(docs):
    for d in docs:
        labelled.check(d)
        assert_spans_exact(d)
        assert_disjoint(d)
        for r in d.values + d.negatives:
            assert r.text == r.text.strip() and r.text, (d.genre, r)


def test_every_genre_is_written_with_several_frames(docs):
    assert len(blind8.GENRES) >= 25
    assert {d.genre for d in docs} == set(blind8.GENRES)
    assert all(d.part == blind8.PART == "blind8" for d in docs)
    frames = {}
    for d in docs:
        for v in d.values:
            frames.setdefault(d.genre, set()).add(v.frame)
    assert sum(len(f) >= 2 for f in frames.values()) >= 20, frames


def test_every_kind_is_present_and_none_dominates_at_the_default_count(docs):
    counts = labelled.summary(docs)["values"]
    total = sum(counts.values())
    assert set(counts) == set(corpus.KINDS)
    assert min(counts.values()) >= 150, counts
    assert max(counts.values()) <= 0.30 * total, counts


def test_look_alikes_of_every_category_are_present(docs):
    counts = labelled.summary(docs)["negatives"]
    assert set(counts) == set(blind8.NEG_CATEGORIES)
    assert sum(counts.values()) >= 5000
    for d in docs:
        for n in d.negatives:
            assert n.genre == d.genre and n.phrasing, n


def test_ways_of_writing_and_label_situations_are_known(docs):
    unlabelled = 0
    for d in docs:
        for v in d.values:
            writings = {w for w, _ in blind8.WRITINGS[v.kind]} | blind8.EXTRA_WRITINGS.get(v.kind, set())
            assert v.writing in writings, v
            assert v.label in blind8.SITUATIONS, v
            assert (v.label_text == "") == (v.label == "no_label"), v
            assert v.masked == (v.writing == "masked") == ("*" in v.text), v
            assert v.genre == d.genre
            unlabelled += v.label == "no_label"
    total = sum(len(d.values) for d in docs)
    assert 0.02 * total <= unlabelled <= 0.15 * total


def test_check_digits_are_valid_where_the_kind_has_one(docs):
    checked = {}
    for d in docs:
        for v in d.values:
            if not v.masked:
                what = assert_check_digit(v)
                checked[what] = checked.get(what, 0) + 1
    assert all(checked.get(k, 0) >= 20 for k in ("resident", "foreigner", "business", "card")), checked
    assert checked.get("post2020", 0) >= 5, checked  # children's numbers, in inheritance papers only


PASSPORT = re.compile(r"[MSR]\d{8}|M\d{3}[A-Z]\d{4}")
LICENCE = re.compile(r"(\d{2})-?\s?(\d{2})-?\s?(\d{6})-?\s?(\d{2})")


def test_numbers_have_the_structures_real_ones_have(docs):
    regions = set(blind8.LICENSE_REGIONS.values())
    for d in docs:
        for v in d.values:
            ds = digits_of(v.text)
            if v.kind == "passport":
                assert PASSPORT.fullmatch(v.text), v
            elif v.kind == "driver_license" and not v.masked:
                if v.writing == "region":
                    name = v.text.split(" ")[0].rstrip("0123456789-")
                    assert name in blind8.LICENSE_REGIONS, v
                    assert len(digits_of(v.text[len(name):])) == 10, v  # 대구: 구 is no digit here
                else:
                    m = LICENCE.fullmatch(v.text)
                    assert m and int(m.group(1)) in regions, v
            elif v.kind == "bank_account" and not v.masked:
                assert 10 <= len(ds) <= 14, v
            elif v.kind == "phone":
                if ds.startswith("82"):  # +82 10-..., +82 (0)10-...
                    ds = "0" + ds[2:].lstrip("0")
                assert re.match(r"010\d{8}$|0(2|[3-6]\d)[2-9]\d{6,7}$", ds) or v.masked, v
        for n in d.negatives:
            if n.category == "customs_code":
                assert re.fullmatch(r"P\d{12}", n.text), n
            elif n.category == "ticket_number":
                assert len(digits_of(n.text)) == 13 and digits_of(n.text)[3] == "2", n
            elif n.category == "imei":
                ds = [int(c) for c in digits_of(n.text)]
                assert len(ds) == 15 and corpus.luhn_ok(ds), n
            elif n.category == "safe_number":
                assert n.text.startswith("050"), n


def test_ambiguous_numbers_keep_the_stated_conventions(docs):
    """Offices' and companies' numbers are look-alikes; numbers reaching one person are values."""
    for d in docs:
        for n in d.negatives:
            if n.category in ("company_account", "virtual_account", "office_phone", "fax_number",
                              "company_number", "safe_number", "extension"):
                assert not any(v.text == n.text for v in d.values), n
        for v in d.values:
            if v.kind == "phone":
                assert not digits_of(v.text).startswith(("050", "15", "16", "18", "080")), v


def test_quality_reads_the_part():
    import quality
    assert "blind8" in quality.PARTS
    assert _as_tuples(quality.documents("blind8", 25, 3)) == _as_tuples(blind8.generate(25, 3))


# --------------------------------------------------------------------------- genres' contents

# What every document of a genre carries: kinds of values (a tuple means one of them) and
# categories of look-alikes.
GENRE_CONTENT = {
    "lecture_fee": ({"bank_account"}, {"amount", "event_date"}),
    "research_payment": ({"bank_account"}, {"project_number", "irb_number", "amount"}),
    "researcher_payroll": ({"business_registration", "bank_account", ("resident", "foreigner_registration")},
                           {"percentage", "amount"}),
    "prize_tax": (set(), {"amount", "company_account"}),
    "freelancer_settlement": ({"business_registration", "bank_account", ("resident", "foreigner_registration")},
                              {"amount", "event_date"}),
    "rider_settlement": ({"bank_account", "business_registration"}, {"rider_id", "amount", "company_number"}),
    "daily_payroll": ({"business_registration", "bank_account", ("resident", "foreigner_registration")},
                      {"site_code", "amount"}),
    "site_attendance": (set(), {"event_date", "time", "car_plate"}),
    "employment_certificate": ({"business_registration"}, {"document_number", "office_phone", "fax_number"}),
    "inheritance_agreement": ({"resident", "bank_account"}, {"property_number", "notary_number"}),
    "registry_application": ({"resident"}, {"property_number", "registry_receipt", "amount"}),
    "phone_activation": ({"phone"}, {"member_number", "imei", "usim_serial", "model_number"}),
    "rental_contract": ({"birth_date", "phone"}, {"contract_number", "model_number", "company_number"}),
    "secondhand_chat": ({"bank_account", "phone"}, {"amount"}),
    "cafe_signup": ({"bank_account"}, {"amount"}),
    "kye_ledger": ({"bank_account"}, {"amount", "event_date"}),
    "stay_booking": ({"phone", "business_registration"}, {"reservation_number", "office_phone",
                                                           "mail_order_number"}),
    "eticket": ({"passport", "birth_date"}, {"booking_code", "ticket_number", "flight_number"}),
    "customs_clearance": ({"phone"}, {"customs_code", "tracking_number"}),
    "driver_call_log": ({"phone"}, {"amount", "car_plate"}),
    "visit_application": ({"birth_date"}, {"event_date", "office_phone"}),
    "admission_application": ({"resident", "phone", "email", "bank_account"}, {"exam_number", "institution_code"}),
    "benefit_application": ({("resident", "foreigner_registration"), "phone", "bank_account"},
                            {"report_number", "office_phone"}),
    "seller_info": ({"business_registration", "email"}, {"mail_order_number"}),
    "clinical_screening": ({"birth_date"}, {"protocol_number", "institution_code", "subject_number",
                                            "doctor_license"}),
    "smishing_report": ({"phone", "bank_account"}, {"url", "amount", "time"}),
    "referral_letter": ({"phone"}, {"event_date", "institution_code", "doctor_license", "office_phone",
                                    "fax_number"}),
    "business_card": ({"phone", "email"}, set()),
}


def test_every_document_carries_what_its_genre_is_about(docs):
    assert set(GENRE_CONTENT) == set(blind8.GENRES)
    for d in docs:
        kinds = {v.kind for v in d.values}
        cats = {n.category for n in d.negatives}
        need_kinds, need_cats = GENRE_CONTENT[d.genre]
        for k in need_kinds:
            assert (kinds & set(k) if isinstance(k, tuple) else k in kinds), (d.genre, k, d.text)
        assert need_cats <= cats, (d.genre, need_cats - cats, d.text)


def test_genres_change_their_frames_and_wording(docs):
    """No genre is one fixed template: documents of a genre differ in their lines, not only in
    their numbers."""
    shapes = {}
    for d in docs:
        skeleton = re.sub(r"[0-9０-９*]+", "#", d.text)
        shapes.setdefault(d.genre, set()).add(skeleton)
    for genre, seen in shapes.items():
        assert len(seen) >= 10, genre


# --------------------------------------------------------------------------- value makers

@pytest.fixture()
def builder():
    return blind8._Builder(11)


def test_accounts_follow_the_shape_of_their_bank(builder):
    for bank, shapes in blind8.BANK_SHAPES.items():
        for _ in range(20):
            groups = builder.account("hyphen", bank).split("-")
            assert any(len(groups) == len(shape) and all(
                g == p if isinstance(p, str) else (len(g) == p and g.isdigit())
                for g, p in zip(groups, shape)) for shape in shapes), (bank, groups)
        masked = builder.account("masked", bank)
        assert masked.count("*") == 4 and len(digits_of(masked)) >= 6, masked


def test_resident_numbers_carry_the_birth_date_and_century_they_are_given(builder):
    for born in ((1951, 2, 28), (1999, 12, 31), (2004, 7, 1)):
        for foreigner in (False, True):
            text = builder.resident("hyphen", foreigner, born)
            ds = [int(c) for c in digits_of(text)]
            assert resident_birth(ds) == datetime.date(*born)
            assert (ds[6] in (5, 6, 7, 8)) == foreigner
            assert corpus.resident_check(ds[:12], foreigner) == ds[12]
    masked = builder.resident("masked")
    assert re.fullmatch(r"\d{6}-(\d\*{6}|\*{7})", masked)
    assert builder.resident("line_break").count("\n") == 1
    assert resident_birth([int(c) for c in digits_of(builder.resident("post2020"))]) >= datetime.date(2020, 10, 1)


def test_periods_run_forward_within_their_length_and_amounts_within_their_range(builder):
    for longest in (1, 3, 31, 3000):
        for _ in range(30):
            start, end = builder.period(longest)
            a, b = (datetime.date(*map(int, re.findall(r"\d+", s))) for s in (start, end))
            assert 1 <= (b - a).days <= longest
            assert re.sub(r"\d", "", start) == re.sub(r"\d", "", end)
    for _ in range(50):
        amount = int(builder.won(15_900, 89_900, 100).replace(",", ""))
        assert 15_900 <= amount <= 89_900 and amount % 100 == 0


def test_every_look_alike_category_has_a_maker_and_phones_reach_real_areas(builder):
    for cat in blind8.NEG_CATEGORIES:
        text = builder.neg_text(cat)
        assert text and text == text.strip(), cat
    with pytest.raises(ValueError):
        builder.neg_text("no_such_category")
    for _ in range(50):
        assert builder.phone("hyphen", landline=True).split("-")[0] in {
            "02", "031", "032", "051", "053", "042", "062", "043", "055", "063"}
        assert builder.phone("plain").startswith("010") and len(builder.phone("plain")) == 11
        assert builder.licence("hyphen")[:2] in {str(c) for c in blind8.LICENSE_REGIONS.values()}
