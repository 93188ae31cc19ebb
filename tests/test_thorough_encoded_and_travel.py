"""The thorough mode on values in percent-encoded text (access logs, query strings, form posts),
on dates of birth as airlines write them (15MAR86), and on the numbers of policies, registers,
call recordings and air tickets that look personal and are not. Each group compares the whole
outcome: kind, text as written, rule, extensions and the normalization rules of the family."""
import pytest

import norvane
from norvane import Config, Policy, PolicySet
from thorough_checks import assert_exact_and_reversible, found, without_variants

PE, PS = "value.percent_escape", "value.plus_space"
LK, EL, LD = ["context.log_key"], ["context.extra_label"], ["context.letter_distance"]
EM = "birth.english_month"


ENCODED = [
    ("GET /member/find?email=hong.gildong%40naver.com&page=1 HTTP/1.1",
     [("email", "hong.gildong%40naver.com", "email.structural", [], [PE])]),
    ("POST /api/signup body=name=%ED%99%8D%EA%B8%B8%EB%8F%99&phone=010%2D1234%2D5678&agree=Y",
     [("phone", "010%2D1234%2D5678", "phone.mobile_11", LK, [PE])]),
    ("GET /search?mobile=010+1234+5678&sort=desc", [("phone", "010+1234+5678", "phone.mobile_11", LK, [PS])]),
    ("callback?hp=010%201234%205678&state=ok", [("phone", "010%201234%205678", "phone.mobile_11", LK, [PE])]),
    ("referer: https://m.example.kr/mypage?birth=1990%2D01%2D15",
     [("birth_date", "1990%2D01%2D15", "birth.yyyymmdd", LK, [PE])]),
    ("form-data: jumin=900115%2D1234567", [("resident", "900115%2D1234567", "resident.korean_13", LK, [PE])]),
    ("dob=1990%EB%85%84+3%EC%9B%94+5%EC%9D%BC&x=1",
     [("birth_date", "1990%EB%85%84+3%EC%9B%94+5%EC%9D%BC", "birth.korean_date", ["birth.korean_date"] + LK,
       [PE, PS])]),
]


@pytest.mark.parametrize("text,expected", ENCODED)
def test_values_in_percent_encoded_text(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, without_variants()) == []
    assert found(text, Config()) == []


def test_a_raw_plus_before_an_at_mark_tags_the_address():
    for text in ("GET /a?email=hong+shop@naver.com&x=1", "user=hong+shop@naver.com&n=%ED%99%8D"):
        assert found(text, Config.thorough()) == [("email", "hong+shop@naver.com", "email.structural", [], [])]


def test_an_encoded_plus_before_a_country_code_is_left_out_of_the_phone():
    text = "[INFO] uri=/user?tel=%2B82-10-1234-5678"
    expected = [("phone", "82-10-1234-5678", "phone.international", ["phone.international"] + LK, [])]
    assert found(text, Config.thorough()) == expected
    report = norvane.detect(text, Config.thorough())
    assert report.normalized_text == "[INFO] uri=/user?tel=+821012345678"


# Encoded text that holds nothing personal, and prose with per cents that is not encoded.
NOT_PERSONAL = [
    ("q=%EC%97%AC%EB%A6%84+%EC%84%B8%EC%9D%BC&page=2", "q=여름 세일&page=2"),
    ("ts=2026-12-09T10%3A11%3A12%2B09%3A00", "ts=2026-12-09T10:11:12+09:00"),
    ("redirect=%2Fmypage%2Forders%2F20261209", "redirect=/mypage/orders/20261209"),
    ("amount=12%2C000&coupon=SALE123456%21", "amount=12,000&coupon=SALE123456!"),
    ("할인 10%3000원", "할인 10%3000원"),
]


@pytest.mark.parametrize("text,decoded", NOT_PERSONAL)
def test_encoded_text_without_personal_values(text, decoded):
    report = norvane.detect(text, Config.thorough())
    assert report.findings == []
    # The separator pass runs after decoding: compare with it off.
    c = Config.thorough()
    c.separator = False
    assert norvane.detect(text, c).normalized_text == decoded


AIRLINE_DATES = [
    ("DOB 15MAR86", "15MAR86", EL),
    ("생년월일 15 MAR 86", "15 MAR 86", LD),
    ("DATE OF BIRTH 03JAN1975", "03JAN1975", EL),
    ("B/DATE 06 MAR 56", "06 MAR 56", EL + ["context.abbreviation"]),
    ("PAX 1 HONG/GILDONG MR DOB/15MAR1986", "15MAR1986", EL),
]


@pytest.mark.parametrize("text,value,labels", AIRLINE_DATES)
def test_dates_of_birth_as_airlines_write_them(text, value, labels):
    assert found(text, Config.thorough()) == [("birth_date", value, EM, [EM] + labels, [])]
    assert found(text, without_variants()) == []
    assert found(text, Config()) == []


# Look-alikes under their own labels: dates of flights and tickets, policies, registers,
# recordings, air tickets (the last three are cards to the default settings).
LOOK_ALIKES = [
    ("발권일 15MAR26", {"look_alike"}),
    ("DEP 15 MAR 26", {"no_context"}),
    ("Date of issue 29JUL26", {"look_alike"}),
    ("탑승일 15MAR2026", {"look_alike"}),
    ("보험증권번호: 880093170086", {"look_alike"}),
    ("Policy No. 453663-9082496", {"look_alike"}),
    ("부동산 고유번호 1146-2010-012345", {"look_alike"}),
    ("등기 접수번호 2024-012345", {"look_alike"}),
    ("녹취번호 20261209-123456", {"look_alike"}),
    ("통화ID 9314443594342", {"look_alike"}),
    ("E-TICKET 160-1378732030", {"look_alike"}),
    ("ETKT 1802412345678", {"look_alike"}),
]


@pytest.mark.parametrize("text,reasons", LOOK_ALIKES)
def test_look_alikes_of_travel_insurance_and_registers(text, reasons):
    report = norvane.detect(text, Config.thorough())
    assert report.findings == []
    assert {r.reason for r in report.rejections} == reasons


def test_masks_round_trip_on_encoded_values_and_airline_dates():
    cases = ENCODED + [(t, [("birth_date", v)]) for t, v, _ in AIRLINE_DATES]
    text = "\n".join(t for t, _ in cases)
    out = norvane.mask(text, PolicySet(Policy.tokenize()), Config.thorough())
    assert norvane.unmask(out.text, out.restore) == text
    for _, expected in cases:
        assert expected[0][1] not in out.text
    assert len(out.applied) == len(cases)


HOSTILE = [
    "%" * 60_000,                           # escapes that never start
    "%4" * 30_000,
    "%zz" * 20_000,
    "%00" * 20_000 + "=",                   # control characters in a query
    "%C3%28" * 10_000,                      # broken UTF-8 after decoding
    "%E2%82" * 10_000,
    "%%" * 30_000 + "40",
    "%40" * 20_000,                         # one endless run of at-marks
    "%2D1" * 15_000,
    "a=1+" * 15_000,                        # pluses for spaces, never ending
    "+" * 60_000,
    "x=%ED%99%8D" * 6_000 + "+010+1234+5678",
    "tel=010%2D1234%2D5678&" * 3_000,
    "%2B82%2D10" * 6_000,
]


@pytest.mark.parametrize("text", HOSTILE, ids=range(len(HOSTILE)))
def test_hostile_percent_encoded_inputs(text):
    assert_exact_and_reversible(text)
