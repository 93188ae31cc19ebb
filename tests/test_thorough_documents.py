"""The thorough mode on kinds of documents people copy into text: the machine-readable lines of a
passport, the virtual numbers of delivery and marketplace apps, numbers written without their
leading zero, a team's chat export, parcel labels, receipts and card slips, a hospital's and a
club's numbers. Each group compares the whole outcome (kind, text as written, rule, extensions
in the evidence) and what the default settings make of the same text."""
import pytest

import norvane
from norvane import Config, Policy, PolicySet
from thorough_checks import assert_exact_and_reversible


def found(text, config):
    return [(f.entity, f.text(text), f.evidence.rule, f.evidence.extensions)
            for f in norvane.detect(text, config).findings]


LD, EL = ["context.letter_distance"], ["context.extra_label"]
MRZ_LINES = "P<KORHONG<<GIL<DONG<<<<<<<<<<<<<<<<<<<<<<<<<<\n"

# Found by thorough only.
DOCUMENTS = [
    # The machine-readable lines of a passport's photo page: the number (either format) and the
    # birth date, each with its check digit right.
    (MRZ_LINES + "M123A45674KOR9001011M3001019<<<<<<<<<<<<<<06",
     [("passport", "M123A4567", "passport.mrz", ["passport.mrz"]),
      ("birth_date", "900101", "birth.mrz", ["birth.mrz"])]),
    ("사본: M123456788KOR9001011F3001019<<<<<<<<<<<<<<06",
     [("passport", "M12345678", "passport.mrz", ["passport.mrz"]),
      ("birth_date", "900101", "birth.mrz", ["birth.mrz"])]),
    # A name in the first line that spells a label (BIN) labels nothing.
    ("P<KORCHO<<SU<BIN<<<<<<<<<<<<<<<<<<<<<<<<<<<<\nG906X27425KOR4107077F3505067<<<<<<<<<<<<<<02",
     [("passport", "G906X2742", "passport.mrz", ["passport.mrz"]),
      ("birth_date", "410707", "birth.mrz", ["birth.mrz"])]),
    # A number shorter than the field, filled up with <; a birth date the check digit vouches for
    # even with no sex given.
    ("AB12345<<6UTO0002299<3001019<<<<<<<<<<<<<<<0",
     [("passport", "AB12345", "passport.mrz", ["passport.mrz"]),
      ("birth_date", "000229", "birth.mrz", ["birth.mrz"])]),
    # Virtual numbers of delivery and marketplace apps (050 and a digit from 2 to 8): grouped,
    # they need no label; twelve bare digits need one.
    ("[받는 분] 0504-1234-5678", [("phone", "0504-1234-5678", "phone.safe_number", ["phone.safe_number"])]),
    ("보내는 분 0507.1234.5678 로 주세요",
     [("phone", "0507.1234.5678", "phone.safe_number", ["phone.safe_number"])]),
    ("0505 123 4567", [("phone", "0505 123 4567", "phone.safe_number", ["phone.safe_number"])]),
    ("안심번호 050412345678",
     [("phone", "050412345678", "phone.safe_number", ["phone.safe_number"] + EL)]),
    # The number as written after +82, without the +82: under a phone label only.
    ("휴대폰 10-1234-5678",
     [("phone", "10-1234-5678", "phone.no_leading_zero", ["phone.no_leading_zero"] + LD)]),
    ("받는분 전화 10 7840 3130",
     [("phone", "10 7840 3130", "phone.no_leading_zero", ["phone.no_leading_zero"] + LD)]),
    ("연락처: 31.123.4567", [("phone", "31.123.4567", "phone.no_leading_zero", ["phone.no_leading_zero"] + LD)]),
    # A label read across a word of saying the value.
    ("고객 계좌 불러줌: 110-123-456789",
     [("bank_account", "110-123-456789", "account.length", LD + ["context.spoken_request"])]),
    ("계좌 불러드릴게요 110-123-456789",
     [("bank_account", "110-123-456789", "account.length", LD + ["context.spoken_request"])]),
    # A moped's licence is a driver licence.
    ("원동기 12-12-345678-90", [("driver_license", "12-12-345678-90", "license.12", EL)]),
    # A back half masked from its seventh digit on is a foreigner's under a foreigner's label.
    ("외국인등록번호는 480326-*******",
     [("foreigner_registration", "480326-*******", "foreigner.masked_back", ["foreigner.masked_back"] + LD)]),
    ("Foreigner ID : 520701-*******",
     [("foreigner_registration", "520701-*******", "foreigner.masked_back", ["foreigner.masked_back"] + EL)]),
    # A team chat's time on the line after a message is no part of the number before it.
    ("김민수\n계좌 110 123 456789\n14:32",
     [("bank_account", "110 123 456789", "account.length", LD)]),
]


@pytest.mark.parametrize("text,expected", DOCUMENTS)
def test_documents_found_by_thorough_only(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, Config()) != expected


# Nothing is reported.
NOT_FOUND = [
    # A check digit wrong, or a line that only looks machine-readable.
    MRZ_LINES + "M123A45675KOR9001011M3001019<<<<<<<<<<<<<<06",
    "M123A45674KOR9001011M300101<<<<<<<<<<<<<<<06",
    "XM123A45674KOR9001011M3001019<<<<<<<<<<<<<<06",
    # A number of the same shape with neither label nor zero, nor 050 with a 0, 1 or 9 after it.
    "10-1234-5678",
    "회의실 10 1234 5678",
    "0501-1234-5678",
    "0509-1234-5678",
    # A club's, a booking's, a shop's and a hospital's numbers, though check digits pass.
    "회원카드 번호 4111 1111 1111 1111",
    "포인트카드 번호 6449 3906 7317 6948",
    "탑승권 번호 4111111111111111",
    "가맹점NO 1234567891",
    "가맹번호 1234567891",
    "환자 등록번호 1234567891",
    "MID 1234567891",
    # A company's phone under a Korean block word and a space, or a key of a head office.
    "가맹점 전화 02-123-4567",
    "hqTel: 02-123-4567",
    # The filler of a machine-readable line before a line break joins nothing across it.
    "<<<<02\n2026-06-22",
]


@pytest.mark.parametrize("text", NOT_FOUND)
def test_look_alikes_of_these_documents_are_not_reported(text):
    assert found(text, Config.thorough()) == []


def test_a_masked_back_half_stays_a_residents_elsewhere():
    for text in ("주민번호 400418-*******", "400418-*******"):
        assert [(k, r) for k, _, r, _ in found(text, Config.thorough())] == [("resident", "resident.korean_13")]


def test_a_passport_copy_as_one_text():
    """A photo page's OCR: labelled fields and the two machine-readable lines, each value once."""
    text = ("여권 PASSPORT\n여권번호/Passport No. M123A4567\n생년월일/Date of birth 01 JAN 1990\n"
            + MRZ_LINES + "M123A45674KOR9001011M3001019<<<<<<<<<<<<<<06")
    assert [(k, t, r) for k, t, r, _ in found(text, Config.thorough())] == [
        ("passport", "M123A4567", "passport.current"),
        ("birth_date", "01 JAN 1990", "birth.english_month"),
        ("passport", "M123A4567", "passport.mrz"),
        ("birth_date", "900101", "birth.mrz")]


def test_masks_round_trip_on_these_documents():
    policies = PolicySet(Policy.tokenize())
    text = "\n".join(t for t, _ in DOCUMENTS)
    out = norvane.mask(text, policies, Config.thorough())
    assert norvane.unmask(out.text, out.restore) == text
    for _, expected in DOCUMENTS:
        for value in expected:
            assert value[1] not in out.text
    assert len(out.applied) == sum(len(e) for _, e in DOCUMENTS)
    quiet = "\n".join(NOT_FOUND)
    out = norvane.mask(quiet, policies, Config.thorough())
    assert (out.text, len(out.applied)) == (quiet, 0)


HOSTILE = [
    "<" * 60_000 + "0",
    "M123A45674KOR9001011M3001019" * 2_000,  # machine-readable lines glued to each other
    "KOR9001011M" * 5_000,
    "0504-" * 20_000 + "1",
    "10-1234-" * 10_000 + "5678",
    "불러줌 " * 20_000 + "110-123-456789",
    "1\n14:32\n" * 10_000,
]


@pytest.mark.parametrize("text", HOSTILE, ids=range(len(HOSTILE)))
def test_hostile_inputs_of_these_readings(text):
    assert_exact_and_reversible(text)
