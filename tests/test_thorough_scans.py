"""Scanned cards as OCR reads them, line by line: a resident or foreigner number's halves on two
lines under the card's title (one syllable of it maybe misread) or the number's label, a mobile
cut after a group with its hyphen starting the next line. Each case compares the whole outcome
under the thorough settings; the default settings and thorough without the writing_variants
family do not read them."""
import pytest

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible, found, without_variants

SCANNED = "value.scanned_id_line"
WRAPPED = "value.wrapped_line"
EL = ["context.extra_label"]

SPLIT_NUMBERS = [
    ("주민등록증\n홍 길 동\n850312\n1234565\n서울특별시 종로구 세종대로 1",
     [("resident", "850312\n1234565", "resident.korean_13", ["context.earlier_line"], [SCANNED])]),
    # OCR's misread title, a hyphen starting the second line, a Windows line end.
    ("주민등륵증\n950609\n-1808615\n부산광역시",
     [("resident", "950609\n-1808615", "resident.korean_13", ["context.label_line"], [SCANNED])]),
    ("주민등록증\r\n950609\r\n1808615", [("resident", "950609\r\n1808615", "resident.korean_13",
                                      ["context.label_line"], [SCANNED])]),
    ("외국인등록증\n950609\n -5808618\n네팔",
     [("foreigner_registration", "950609\n -5808618", "resident.foreigner_13", ["context.label_line"], [SCANNED])]),
    # A number issued since October 2020 has no check digit: read under the card's title.
    ("주민등록증\n211103\n4123456", [("resident", "211103\n4123456", "resident.recent",
                                  ["resident.recent", "context.label_line"], [SCANNED])]),
    ("주민번호: 950609\n1808615",
     [("resident", "950609\n1808615", "resident.korean_13", ["context.letter_distance"], [SCANNED])]),
    ("운전면허증\n11-94-930566-21\n홍길동\n801011\n-2814653",
     [("driver_license", "11-94-930566-21", "license.12", ["context.label_line"], []),
      ("resident", "801011\n-2814653", "resident.korean_13", [], [SCANNED])]),
    # A business card's mobile cut after its first or second group, the hyphen on the next line.
    ("Mobile 010\n-1234-5678", [("phone", "010\n-1234-5678", "phone.mobile_11", EL, [WRAPPED])]),
    ("HP 010-1234\n-5678", [("phone", "010-1234\n-5678", "phone.mobile_11", EL, [WRAPPED])]),
]


@pytest.mark.parametrize("text,expected", SPLIT_NUMBERS)
def test_numbers_split_over_a_scans_lines(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, without_variants()) != expected
    assert found(text, Config()) != expected
    assert_exact_and_reversible(text)


# Two lines that are no split number: a birth date's label is no card's title, a back half
# starting with 0 or a month 13 is no resident number, a date line before seven digits.
NOT_JOINED = [
    ("생년월일 850312\n1234565", [("birth_date", "850312", "birth.yymmdd", ["context.letter_distance"], [])]),
    ("주민등록증\n발급일 2019.05.12\n1234567", []),
    ("주민번호\n850312\n0234567", []),
    ("주민등록증\n851312\n1234567", []),
    ("영수증\n850312\n1234565", []),
    ("총 850312\n1234565 건", []),
]


@pytest.mark.parametrize("text,expected", NOT_JOINED)
def test_lines_that_make_no_number_together_stay_apart(text, expected):
    assert found(text, Config.thorough()) == expected
    assert_exact_and_reversible(text)
