"""The thorough mode on ways of writing (the writing_variants family and the shapes beyond the
base rules) and on look-alikes. Each group compares the whole outcome: kind, text as written,
rule, the extensions in the evidence, and the normalization rules of the family that read it;
the default settings and thorough with the family off are checked on the same text."""
import pytest

import norvane
from norvane import Config, Policy, PolicySet
from thorough_checks import assert_exact_and_reversible, found, without_variants

LD, EL = ["context.letter_distance"], ["context.extra_label"]

DASHES = [
    ("연락처 010ㅡ1234ㅡ5678", [("phone", "010ㅡ1234ㅡ5678", "phone.mobile_11", LD, ["value.dash_lookalike"])]),
    # A dash set off by spaces the same way at every join: the spaces belong to the dash.
    ("주민번호 900101 ㅡ 1234568",
     [("resident", "900101 ㅡ 1234568", "resident.korean_13", LD, ["value.dash_spaced"])]),
    ("받는 계좌:068 ㅡ 390 ㅡ 641338",
     [("bank_account", "068 ㅡ 390 ㅡ 641338", "account.length", EL, ["value.dash_spaced"])]),
    ("면허증 번호 19 - 58 - 099312 - 65",
     [("driver_license", "19 - 58 - 099312 - 65", "license.12", LD + ["context.compound_label"],
       ["value.dash_spaced"])]),
    ("고객: 062 ㅡ 3231 ㅡ 5395", [("phone", "062 ㅡ 3231 ㅡ 5395", "phone.landline", [], ["value.dash_spaced"])]),
    ("휴대폰 010~1234~5678", [("phone", "010~1234~5678", "phone.mobile_11", LD, ["value.dash_lookalike"])]),
    ("계좌 110ㆍ123ㆍ456789",
     [("bank_account", "110ㆍ123ㆍ456789", "account.length", LD, ["value.dash_lookalike"])]),
    ("RRN:710216~1451469 입니다",
     [("resident", "710216~1451469", "resident.korean_13", EL, ["value.dash_lookalike"])]),
]
WRAPPED = [
    ("연락처 010-1234-\n5678 입니다", [("phone", "010-1234-\n5678", "phone.mobile_11", LD, ["value.wrapped_line"])]),
    ("카드번호 4111 1111 \r\n  1111 1111",
     [("credit_card", "4111 1111 \r\n  1111 1111", "card.luhn", LD, ["value.wrapped_line"])]),
    ("계좌 110-123-\n456789", [("bank_account", "110-123-\n456789", "account.length", LD, ["value.wrapped_line"])]),
    # A plain line break only inside a telephone number too short to end there.
    ("핸드폰 번호:010\n6509 9470",
     [("phone", "010\n6509 9470", "phone.mobile_11",
       ["context.extra_label", "context.letter_distance", "context.compound_label"], ["value.wrapped_line"])]),
    ("연락처) 02 9007\n2229 확인", [("phone", "02 9007\n2229", "phone.seoul", LD, ["value.wrapped_line"])]),
    # ... or between two groups of a card number, grouped as cards are (4-4-4-4, 4-6-5).
    ("카드번호 4111 1111\n1111 1111",
     [("credit_card", "4111 1111\n1111 1111", "card.luhn", LD, ["value.wrapped_line"])]),
    ("카드 3712\n345678 90120", [("credit_card", "3712\n345678 90120", "card.luhn", LD, ["value.wrapped_line"])]),
    ("결제카드 4111 1111 1111\n1111 확인",
     [("credit_card", "4111 1111 1111\n1111", "card.luhn", EL, ["value.wrapped_line"])]),
    # ... or between the groups of an account number (three or four groups, ten to fourteen digits).
    ("계좌번호 110 123\n456789", [("bank_account", "110 123\n456789", "account.length", LD, ["value.wrapped_line"])]),
    ("예금계좌) 8348 09\n5092090 변경 요청",
     [("bank_account", "8348 09\n5092090", "account.length", LD + EL, ["value.wrapped_line"])]),
    ("환불계좌 |295\n781 462990", [("bank_account", "295\n781 462990", "account.length", EL, ["value.wrapped_line"])]),
]
SPOKEN = [
    ("연락처 공일공 일이삼사 오육칠팔",
     [("phone", "공일공 일이삼사 오육칠팔", "phone.mobile_11", LD, ["digits.hangul_spoken"])]),
    ("생년월일 이공공칠 공오 공일 입니다",
     [("birth_date", "이공공칠 공오 공일", "birth.yyyymmdd", LD, ["digits.hangul_spoken"])]),
    ("휴대폰 영일영 구팔칠육 오사삼이",
     [("phone", "영일영 구팔칠육 오사삼이", "phone.mobile_11", LD, ["digits.hangul_spoken"])]),
    # Read out in groups, a number costs one guess, not one a syllable: a mobile number needs
    # no label, a date a weaker one.
    ("공일공 육칠구공 사팔육구", [("phone", "공일공 육칠구공 사팔육구", "phone.mobile_11", [], ["digits.hangul_spoken"])]),
    ("태어난 날) 일구구공 일이 공칠",
     [("birth_date", "일구구공 일이 공칠", "birth.yyyymmdd", EL, ["digits.hangul_spoken"])]),
    # Read out aloud with 에 after each group, the same at every join (or between the halves of
    # a resident number).
    ("연락처 공일공에 일이삼사에 오육칠팔",
     [("phone", "공일공에 일이삼사에 오육칠팔", "phone.mobile_11", LD, ["digits.hangul_spoken", "value.spoken_joiner"])]),
    ("공일공에 일이삼사에 오육칠팔",
     [("phone", "공일공에 일이삼사에 오육칠팔", "phone.mobile_11", [], ["digits.hangul_spoken", "value.spoken_joiner"])]),
    ("계좌 110에 123에 456789",
     [("bank_account", "110에 123에 456789", "account.length", LD, ["value.spoken_joiner"])]),
    ("주민번호 구공공일일오에 일이삼사오육칠",
     [("resident", "구공공일일오에 일이삼사오육칠", "resident.korean_13", LD, ["value.spoken_joiner"])]),
]
MASKED = [
    ("연락처: 010-●●●●-5678", [("phone", "010-●●●●-5678", "phone.mobile_11", LD, ["value.partly_masked"])]),
    ("주민번호 900101-1○○○○○○",
     [("resident", "900101-1○○○○○○", "resident.korean_13", LD, ["value.partly_masked"])]),
    ("계좌 110-###-123456", [("bank_account", "110-###-123456", "account.length", LD, ["value.partly_masked"])]),
    ("카드 4111-■■■■-■■■■-1111",
     [("credit_card", "4111-■■■■-■■■■-1111", "card.luhn", LD, ["value.partly_masked"])]),
    ("이메일 hon●●●●@naver.com", [("email", "hon●●●●@naver.com", "email.masked", ["email.masked"],
                                  ["value.partly_masked"])]),
    # A birth date with its day or its month and day masked: the year and month still show.
    ("DOB : 1988-●●-●●", [("birth_date", "1988-●●-●●", "birth.masked", ["birth.masked", "context.extra_label"],
                           ["value.partly_masked"])]),
    ("출생일 - 1968.07.●●", [("birth_date", "1968.07.●●", "birth.masked", ["birth.masked"] + LD,
                            ["value.partly_masked"])]),
]
SD = "birth.separated_date"
SHORT_YEAR_DATES = [
    # A two-digit year with a month or day of one digit: too few digits for the base rules.
    ("생년월일: 90.1.25", [("birth_date", "90.1.25", SD, [SD] + LD, [])]),
    ("생년월일 '90.1.1", [("birth_date", "90.1.1", SD, [SD] + LD, [])]),
    ("생년월일 82.1.21. 입니다", [("birth_date", "82.1.21", SD, [SD] + LD, [])]),
    ("생일 85-3-2", [("birth_date", "85-3-2", SD, [SD] + LD, [])]),
    # Slashes stay in the text: read as a shape.
    ("DOB 70/7/30 입니다", [("birth_date", "70/7/30", "birth.short_year", ["birth.short_year"] + EL, [])]),
    # The day masked after a two-digit year and month.
    ("생년월일 8412**", [("birth_date", "8412**", "birth.masked", ["birth.masked"] + LD, [])]),
    ("태어난 날:7408## 입니다",
     [("birth_date", "7408##", "birth.masked", ["birth.masked"] + EL, ["value.partly_masked"])]),
]
ENGLISH_DATES = [
    ("생년월일: 5 Jan 1990", "5 Jan 1990", LD),
    ("DOB Jan. 5, 1990", "Jan. 5, 1990", EL),
    ("Birth: January 5th, 1990", "January 5th, 1990", EL),
    ("생일 05-JAN-1990", "05-JAN-1990", LD),
    ("생년월일 1990년 Jan 5일", "1990년 Jan 5일", LD),
    ("DOB: 05-JAN-90", "05-JAN-90", EL),
    ("DOB 5th of March, 1990", "5th of March, 1990", EL),
]


@pytest.mark.parametrize("text,expected", DASHES + WRAPPED + SPOKEN + MASKED + SHORT_YEAR_DATES)
def test_ways_of_writing_read_only_by_their_family(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, without_variants()) != expected
    assert found(text, Config()) != expected


# Cues that are no label of the kind: the person's age or sex beside a date, a licence's class,
# a bank's English name. Read by the label family.
CUES = [
    ("만 34세 (1990.01.01)", [("birth_date", "1990.01.01", "birth.yyyymmdd", EL, [])]),
    ("1990.01.01 (만 34세)", [("birth_date", "1990.01.01", "birth.yyyymmdd", ["context.trailing_label"], [])]),
    ("34세(1990.1.1)", [("birth_date", "1990.1.1", SD, [SD] + EL, [])]),
    ("홍길동(남, 1990.1.1)", [("birth_date", "1990.1.1", SD, [SD] + EL, [])]),
    ("김영희 / 여 / 1988.05.12", [("birth_date", "1988.05.12", "birth.yyyymmdd", EL, [])]),
    ("성별 남 1990.01.01", [("birth_date", "1990.01.01", "birth.yyyymmdd", EL, [])]),
    ("면허종류: 1종보통, 번호: 11-23-456789-01",
     [("driver_license", "11-23-456789-01", "license.12", EL + ["context.compound_label"], [])]),
    ("1종보통 11-23-456789-01", [("driver_license", "11-23-456789-01", "license.12", EL, [])]),
    ("2종 소형 / 11-23-456789-01", [("driver_license", "11-23-456789-01", "license.12", EL, [])]),
    ("Bank: Shinhan 110-123-456789", [("bank_account", "110-123-456789", "account.length", ["context.bank_name"], [])]),
    ("Bank: Woori 1002-123-456789", [("bank_account", "1002-123-456789", "account.length", ["context.bank_name"], [])]),
    ("Kookmin 123456-01-123456", [("bank_account", "123456-01-123456", "account.length", ["context.bank_name"], [])]),
]
# Dates written day first, or month first in American order with dots or hyphens (extra shapes).
DAY_FIRST = [
    ("DOB: 13/01/1990", "13/01/1990", EL),
    ("Date of birth: 13.01.1990", "13.01.1990", EL),
    ("DOB 13-01-1990", "13-01-1990", EL),
    ("DOB 01.13.1990", "01.13.1990", EL),
    ("생년월일 1/2/1981", "1/2/1981", LD),
    # 15031997 is no representative number (1588-1234): its groups are those of a date.
    ("출생일) 15.03.1997 입니다", "15.03.1997", LD),
]


# Dates whose numbers are Hangul numerals: the year is read by the numeral pass, the month and
# the day (삼월, 유월, 십오일, 일일: the last 일 is the day's unit) by the date reading.
HD = "birth.hangul_date"
HANGUL_DATES = [
    ("생년월일 천구백구십년 삼월 십오일", [("birth_date", "천구백구십년 삼월 십오일", HD, [HD] + LD, [])]),
    ("생일: 일구구공년 일월 일일생",
     [("birth_date", "일구구공년 일월 일일", HD, [HD, "context.letter_distance", "context.trailing_label"], [])]),
    ("DOB 1988년 유월 십일", [("birth_date", "1988년 유월 십일", HD, [HD] + EL, [])]),
    ("출생 구공년 시월 이십일일", [("birth_date", "구공년 시월 이십일일", HD, [HD] + LD + EL, [])]),
    ("생년월일은 일천구백팔십오년 십이월 이십사일입니다",
     [("birth_date", "일천구백팔십오년 십이월 이십사일", HD, [HD] + LD, [])]),
    ("생년월일 1990년 삼월 일오일", [("birth_date", "1990년 삼월 일오일", HD, [HD] + LD, [])]),
]


@pytest.mark.parametrize("text,expected", HANGUL_DATES)
def test_dates_in_hangul_numerals(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, without_variants()) == []
    assert found(text, Config()) == []


def test_dates_with_spaces_before_their_units():
    text = "생년월일 : 1990 년 1 월 15 일"
    kd = "birth.korean_date"
    assert found(text, Config.thorough()) == [("birth_date", "1990 년 1 월 15 일", kd, [kd] + LD, [])]
    assert found(text, without_variants()) == []


# A licence's class after the number ends neither the number's reading nor the label walk; a
# region name in brackets, or one of the newer region names, still names the licence.
LICENCES_BESIDE_THEIR_CLASS = [
    ("12 64 077582 91 (1종대형)", [("driver_license", "12 64 077582 91", "license.12", ["context.trailing_label"], [])]),
    ("12-64-077582-91(2종보통)", [("driver_license", "12-64-077582-91", "license.12", ["context.trailing_label"], [])]),
    ("11-23-456789-01 1종보통", [("driver_license", "11-23-456789-01", "license.12", ["context.trailing_label"], [])]),
    ("운전면허 (서울) 12-345678-90",
     [("driver_license", "12-345678-90", "license.region",
       ["license.region", "context.letter_distance", "context.compound_label"], [])]),
    ("운전면허번호 경기북부 12-345678-90",
     [("driver_license", "12-345678-90", "license.region", ["license.region"] + LD, [])]),
]


@pytest.mark.parametrize("text,expected", LICENCES_BESIDE_THEIR_CLASS)
def test_licences_beside_their_class_or_region(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, Config()) != expected


# What stands right before a number: a region joined to it by a mark or written in full
# (인천광역시) names the licence, a word that only ends as a region does (수원 as 강원) does not; a "+" with at most
# one space before the country code needs no label, two spaces or none at all do.
REGION = ["license.region"] + LD
INTERNATIONAL = [("phone", "82-10-1234-5678", "phone.international", ["phone.international"], [])]
TEXT_RIGHT_BEFORE = [
    ("운전면허 부산-11-123456-78", [("driver_license", "11-123456-78", "license.region", REGION, [])]),
    ("운전면허 강원.11-123456-78", [("driver_license", "11-123456-78", "license.region", REGION, [])]),
    ("운전면허 수원 11-123456-78", []),
    ("면허번호 인천광역시 11-123456-78", [("driver_license", "11-123456-78", "license.region", REGION, [])]),
    ("+ 82-10-1234-5678", INTERNATIONAL),
    ("보내요 + 82-10-1234-5678", INTERNATIONAL),
    ("+  82-10-1234-5678", []),
    ("보내요 82-10-1234-5678", []),
]


@pytest.mark.parametrize("text,expected", TEXT_RIGHT_BEFORE)
def test_regions_and_plus_signs_right_before_a_number(text, expected):
    assert found(text, Config.thorough()) == expected


# International numbers with some digits masked, as receipts and account pages show them: the
# area code or mobile prefix still shows.
PI = "phone.international"
MASKED_INTERNATIONAL = [
    ("연락처 +82-10-****-5678", [("phone", "82-10-****-5678", PI, [PI] + LD, [])]),
    ("Tel: +82 10 ●●●● 5678", [("phone", "82 10 ●●●● 5678", PI, [PI] + EL, ["value.partly_masked"])]),
    ("+82-2-***-4567", [("phone", "82-2-***-4567", PI, [PI], [])]),
    ("0082-10-12**-5678", [("phone", "0082-10-12**-5678", PI, [PI], [])]),
]


@pytest.mark.parametrize("text,expected", MASKED_INTERNATIONAL)
def test_masked_international_phones(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, Config()) == []


# The front half of a resident number is its holder's birth date.
RESIDENT_FRONT = [
    ("주민번호 앞자리 900115", "900115"),
    ("주민등록번호 앞 6자리: 880101 입니다", "880101"),
    ("주민번호 앞부분은 020304 이에요", "020304"),
    ("주민번호 앞6자리 020304", "020304"),
]


@pytest.mark.parametrize("text,value", RESIDENT_FRONT)
def test_the_front_half_of_a_resident_number_is_a_birth_date(text, value):
    assert found(text, Config.thorough()) == [("birth_date", value, "birth.yymmdd", EL, [])]
    assert found(text, Config()) == []


@pytest.mark.parametrize("text,expected", CUES)
def test_cues_beside_a_value_that_name_no_kind(text, expected):
    assert found(text, Config.thorough()) == expected
    no_labels = Config.thorough()
    no_labels.label_reading = False
    assert found(text, no_labels) != expected
    assert found(text, Config()) == []


@pytest.mark.parametrize("text,value,labels", DAY_FIRST)
def test_dates_written_day_first(text, value, labels):
    assert found(text, Config.thorough()) == [("birth_date", value, SD, [SD] + labels, [])]
    no_shapes = Config.thorough()
    no_shapes.extra_shapes = False
    assert [f[0] for f in found(text, no_shapes)] != ["birth_date"]


@pytest.mark.parametrize("text,value,labels", ENGLISH_DATES)
def test_dates_with_english_month_names(text, value, labels):
    assert found(text, Config.thorough()) == [
        ("birth_date", value, "birth.english_month", ["birth.english_month"] + labels, [])]
    assert found(text, without_variants()) == []
    assert found(text, Config()) == []


SHAPES = [
    ("메일 hong AT naver DOT com", [("email", "hong AT naver DOT com", "email.obfuscated", ["email.obfuscated"], [])]),
    ("E-mail: hong[@]naver.com", [("email", "hong[@]naver.com", "email.obfuscated", ["email.obfuscated"], [])]),
    ("email hong@naver[.]com", [("email", "hong@naver[.]com", "email.obfuscated", ["email.obfuscated"], [])]),
    ("메일 hong @ naver 닷 com", [("email", "hong @ naver 닷 com", "email.obfuscated", ["email.obfuscated"], [])]),
    ("메일: hong(@)naver.com", [("email", "hong(@)naver.com", "email.obfuscated", ["email.obfuscated"], [])]),
    ("휴대폰 82-10-1234-5678",
     [("phone", "82-10-1234-5678", "phone.international", ["phone.international"] + LD, [])]),
    ("+82.10.1234.5678", [("phone", "82.10.1234.5678", "phone.international", ["phone.international"], [])]),
    # The at-mark spelled in Hangul, with the dot in Hangul or not.
    ("메일 hong.gildong 앳 naver 닷 com",
     [("email", "hong.gildong 앳 naver 닷 com", "email.obfuscated", ["email.obfuscated"], [])]),
    ("gildong앳gmail닷com 으로", [("email", "gildong앳gmail닷com", "email.obfuscated", ["email.obfuscated"], [])]),
    ("E-mail: hong(앳)daum.net", [("email", "hong(앳)daum.net", "email.obfuscated", ["email.obfuscated"], [])]),
    # A licence with dots between its groups, or after a region name joined like the groups.
    ("면허번호: 11.23.456789.01", [("driver_license", "11.23.456789.01", "license.12", LD, [])]),
    ("운전면허증번호 부산-12-345678-90",
     [("driver_license", "12-345678-90", "license.region",
       ["license.region", "context.extra_label", "context.compound_label"], [])]),
    ("면허번호: 서울.12.345678.90",
     [("driver_license", "12.345678.90", "license.region", ["license.region"] + LD, [])]),
]
PASSPORTS = [
    ("여권 번호 R 4573 6771 재확인", [("passport", "R 4573 6771", "passport.spaced", ["passport.spaced"] + LD, [])]),
    ("passport : D823####9 확인",
     [("passport", "D823####9", "passport.masked", ["passport.masked", "context.extra_label"],
       ["value.partly_masked"])]),
    ("[여권번호] S991XXXX5", [("passport", "S991XXXX5", "passport.masked", ["passport.masked"] + LD, [])]),
]


@pytest.mark.parametrize("text,expected", PASSPORTS)
def test_passports_in_groups_or_partly_masked_need_their_label(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, without_variants()) != expected
    bare = text[text.index(expected[0][1]):]
    assert found(bare, Config.thorough()) == []


@pytest.mark.parametrize("text,expected", SHAPES)
def test_more_shapes_of_the_issue(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, Config()) != expected


# Nothing is reported; the rejections (if any) say why.
LOOK_ALIKES = [
    ("기간 10~20명", set()),
    ("3ㆍ1절 기념", set()),
    ("Order #1234", set()),
    ("● 1층 안내", set()),
    ("■ 1 ■ ■ 목록", set()),
    ("주문일 2024-**-**", {"look_alike"}),
    ("3 \n4명", set()),
    ("10~20 사이, 2024.01.01~2024.01.31", {"no_context"}),
    ("M 1234 5678", {"no_context"}),
    ("총 2개\n3개 남음", set()),
    ("이사 일정 잡았어요", set()),
    ("배송일 5 Jan 2024", {"look_alike"}),
    ("Order date: Jan. 5, 2024", {"look_alike"}),
    ("IMEI 353456789012347", {"look_alike"}),
    ("단말기 IMEI 35-775438-293119-5", {"look_alike"}),
    ("353456789012348", {"look_alike"}),  # no label: the Luhn check and the code tell
    ("배송조회 1324979208637", {"look_alike"}),
    ("MAC 00:11:22:33:44:55", set()),
    ("IP: 82.165.123.201", {"look_alike"}),
    ("고객센터 1588ㅡ1234", {"company_number"}),
    ("상담 문의 080ㅡ123ㅡ4567", {"company_number"}),
    ("팩스: 02-123-4567", {"company_number"}),
    ("매장 전화번호 031-123-4567", {"company_number"}),
    ("버전 11.23.456789.01", {"look_alike"}),  # dotted like a licence, under no licence label
    ("IP 11.23.45.67", set()),
    ("앳된 얼굴의 선수 abc", set()),
    ("hong 앳 home", set()),
    ("앳앳 닷닷 (앳) a앳 앳b", set()),
    # Short dates: a recent year is an event, a label of an event vetoes, four groups are no date.
    ("작성일 24.3.5", set()),
    ("생일 19.9.8", set()),
    ("방문일 70/7/30", {"look_alike"}),
    ("생일 70/7/30/1", set()),
    ("생년월일 1.2.3.4", set()),
    ("90.1.1", {"no_context"}),
    # Certificates and courses.
    ("자격증 번호: 2008-523935", {"look_alike"}),
    ("자격번호 11-23-456789-01", {"look_alike"}),
    ("수료증 번호 06140642068", {"look_alike"}),
    ("입고 수량 123 456\n789012", {"no_context"}),  # joined as an account would be, and no label
    ("계좌 ID4111 1111\n1111 1111", set()),  # glued to letters: part of an identifier
    ("교육 이수번호 159523691299", {"look_alike"}),
    ("1종보통 합격 (교육 이수번호 159523691299)", {"look_alike"}),
    # An age or a sex counts only as a word of its own right beside the date.
    ("월세 2024.01.01", {"no_context"}),
    ("남편 1990.01.01", {"no_context"}),
    ("만 19세 이상 2025.03.01 시행", {"no_context"}),
    ("남 28명 / 2022.06.27 기준", {"no_context"}),
    ("2종보통 취득일 2024.03.05", {"no_context"}),
    # Dates of events in English, day first.
    ("Issued 20/02/2024", {"look_alike"}),
    # (A past expiry: a date after this year is read as no birth date at all.)
    ("Expiry: 31.12.2025", {"look_alike"}),
    # Spaced dashes between small numbers or years: no number of a kind.
    ("점수 10 - 20 - 30", set()),
    ("2020 - 2021 - 2022 시즌", {"no_context"}),
    ("대표번호 1588.1234", {"company_number"}),
    # Dates of events in Hangul numerals, and day numbers after a month that make no date (행사일
    # is an event date's label).
    ("행사일 이천이십사년 삼월 십오일", {"look_alike"}),
    ("2024년 삼월 십오일 회의", {"no_context"}),
    ("매월 십오일 결제", set()),
    ("삼월 이십일일 방문", set()),
    ("생일 1990년 십삼월 일일", set()),
    ("생년월일 1990년 이월 삼십일", set()),
    # Numbers beside a licence class that name something else, and a card's first digits.
    ("수험번호 2021-608138 (1종대형)", {"look_alike"}),
    ("취득일 2024.03.05 (2종보통)", {"no_context"}),
    ("카드번호 앞 6자리 451842", set()),
    ("카드번호 앞 6자리 940512", {"look_alike"}),  # a card's first six that read as a date
    ("승인카드 앞자리 370701 확인", {"look_alike"}),
    ("BIN 431117", {"look_alike"}),
    ("상품 123456 1종 구매", set()),
    # A masked international number whose prefix is hidden, or under an order's label.
    ("+82-**-1234-5678", {"no_context"}),
    ("주문 82-10-****-5678", {"look_alike"}),
    # Numbers listed with 에 between them that make no number of a kind.
    ("점수는 90에 85에 100점이에요", set()),
    ("사이즈 1803에 727에 1966 주문", {"look_alike"}),
    ("가격은 3000에 2000원씩", set()),
    ("10에 20", set()),
    # Barcodes, brokers' registrations, offices' lines, a club's card, a hospital's number.
    ("EAN 8801234567893", {"look_alike"}),
    ("GTIN 8802006686217", {"look_alike"}),
    ("중개사무소 등록번호 41465-2010-15795", {"look_alike"}),
    ("공인중개사 등록번호: 41465201115967", {"look_alike"}),
    ("관리사무소 02-820-4551", {"company_number"}),
    ("경비실 051-933-0579", {"company_number"}),
    ("멤버십 카드번호 5210-3250-7785-6827", {"look_alike"}),
    ("등록번호 0202817384 진료과 정형외과", {"look_alike"}),
    ("등록번호: 2020680136 (내과)", {"look_alike"}),
    ("주문번호 900101-1", {"business_context"}),
    ("900101-1", {"no_context"}),
    ("Hello lol 1234", set()),
    ("3일 4일 5일 6일 7일 8일", set()),        # days, not Hangul digits mixed into a number
    ("2024년 1월 1일 10시 2층", {"no_context"}),
    ("1 2  3 4", set()),
]


def test_digits_glued_to_letters_are_not_joined_across_lines():
    text = "request ok passport=G385Y0747\n2026-12-12T10:57:03Z done"
    report = norvane.detect(text, Config.thorough())
    assert [(f.entity, f.text(text)) for f in report.findings] == [("passport", "G385Y0747")]
    assert report.normalized_text.count("\n") == 1  # the line break stays


def test_a_personal_label_still_wins_next_to_a_company_one():
    text = "연락처 010-1234-5678 팩스 02-123-4567\n본사 직원 김민수 연락처 010-2345-6789"
    assert found(text, Config.thorough()) == [
        ("phone", "010-1234-5678", "phone.mobile_11", LD, []),
        ("phone", "010-2345-6789", "phone.mobile_11", LD, [])]


@pytest.mark.parametrize("text,reasons", LOOK_ALIKES)
def test_look_alikes_are_not_reported(text, reasons):
    report = norvane.detect(text, Config.thorough())
    assert report.findings == []
    assert {r.reason for r in report.rejections} == reasons


def test_numbers_on_two_lines_stay_two_numbers():
    # Joined only where the groups on both lines make a telephone or a card number together.
    text = ("연락처 010-1234-5678\n010-2345-6789\n카드 4111 1111\n1111 111\n총 03\n1234567 건\n"
            "좌석 4111 1111\n1111 1111 1111\n주문 1234 5678\n9012 3456 개")
    assert [f.text(text) for f in norvane.detect(text, Config.thorough()).findings] == [
        "010-1234-5678", "010-2345-6789"]


def test_a_whole_mobile_number_is_not_joined_to_the_flat_below():
    # A roster line: the mobile number ends its line, 107동 starts the next.
    text = "연락처 010-2061-3199\n107동 2101호 홍길동"
    assert found(text, Config.thorough()) == [("phone", "010-2061-3199", "phone.mobile_11", LD, [])]


def test_masks_round_trip_on_the_new_ways_of_writing():
    text = "\n".join(t for t, _ in DASHES + WRAPPED + SPOKEN + MASKED) + "\nDOB Jan. 5, 1990"
    out = norvane.mask(text, PolicySet(Policy.tokenize()), Config.thorough())
    assert norvane.unmask(out.text, out.restore) == text
    for _, expected in DASHES + WRAPPED + SPOKEN + MASKED:
        assert expected[0][1] not in out.text
    assert len(out.applied) == len(DASHES + WRAPPED + SPOKEN + MASKED) + 1


TL = ["context.trailing_label"]
# Phones written to pass a marketplace's filter: keycap emoji digits, letters for 0 and 1, words
# between the groups, digits set apart one by one. Read only by the writing_variants family.
DODGES = [
    ("연락처 0️⃣1️⃣0️⃣-1️⃣2️⃣3️⃣4️⃣-5️⃣6️⃣7️⃣8️⃣ 문자주세요",
     [("phone", "0️⃣1️⃣0️⃣-1️⃣2️⃣3️⃣4️⃣-5️⃣6️⃣7️⃣8️⃣", "phone.mobile_11", LD + TL, ["value.keycap_digit"])]),
    ("핸폰 0️⃣1️⃣0️⃣ 2️⃣4️⃣6️⃣8️⃣ 1️⃣3️⃣5️⃣7️⃣",
     [("phone", "0️⃣1️⃣0️⃣ 2️⃣4️⃣6️⃣8️⃣ 1️⃣3️⃣5️⃣7️⃣", "phone.mobile_11", EL, ["value.keycap_digit"])]),
    ("연락처 O1O-l234-5678", [("phone", "O1O-l234-5678", "phone.mobile_11", LD, ["value.letter_digit"])]),
    ("Mobile olO 5469 ll49", [("phone", "olO 5469 ll49", "phone.mobile_11", EL, ["value.letter_digit"])]),
    ("연락처 010 다음 1234 다음 5678",
     [("phone", "010 다음 1234 다음 5678", "phone.mobile_11", LD, ["value.joining_word"])]),
    ("전번 010쩜2345쩜6789", [("phone", "010쩜2345쩜6789", "phone.mobile_11", EL, ["value.joining_word"])]),
    ("연락처 010 에 6638 에 9877", [("phone", "010 에 6638 에 9877", "phone.mobile_11", LD, ["value.joining_word"])]),
    ("연락처 0 1 0  9 7 5 2  9 3 5 7",
     [("phone", "0 1 0  9 7 5 2  9 3 5 7", "phone.mobile_11", LD, ["value.spaced_digits"])]),
    # 문자 (where a text message goes) is a phone's label of its own.
    ("문자 0 1 0 - 9 4 7 2 - 0 5 7 9",
     [("phone", "0 1 0 - 9 4 7 2 - 0 5 7 9", "phone.mobile_11", LD + EL, ["value.spaced_digits"])]),
    # Digits and Hangul digits mixed one by one: a telephone number only (01, ten or eleven).
    ("연락처 공1공 일234 5육78", [("phone", "공1공 일234 5육78", "phone.mobile_11", LD, ["digits.hangul_mixed"])]),
    ("공1공-일234-5육78 로 연락주세요",
     [("phone", "공1공-일234-5육78", "phone.mobile_11", TL, ["digits.hangul_mixed"])]),
]


# What the label family reads without the writing variants: under 문자, a phone's label of its own,
# single spaces and hyphens are separators enough.
WITHOUT_VARIANTS = {"문자 0 1 0 - 9 4 7 2 - 0 5 7 9":
                    [("phone", "0 1 0 - 9 4 7 2 - 0 5 7 9", "phone.mobile_11", LD + EL, [])]}


@pytest.mark.parametrize("text,expected", DODGES)
def test_phones_written_to_pass_a_filter(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, without_variants()) == WITHOUT_VARIANTS.get(text, [])
    assert found(text, Config()) == []


# A label after the value (<- 계좌), or a sentence asking to be called or paid (... 로 연락주세요,
# ... 으로 입금 부탁드립니다): read by the label family, with or without the writing variants.
AFTER_THE_VALUE = [
    ("010-1234-5678 로 연락주세요", [("phone", "010-1234-5678", "phone.mobile_11", TL, [])]),
    ("02-123-4567 으로 전화 주세요", [("phone", "02-123-4567", "phone.seoul", TL, [])]),
    ("10-7170-0139 번으로 카톡 주세요",
     [("phone", "10-7170-0139", "phone.no_leading_zero", ["phone.no_leading_zero"] + TL, [])]),
    ("110-123-456789 으로 입금 부탁드립니다", [("bank_account", "110-123-456789", "account.length", TL, [])]),
    ("3333-01-2345678 로 송금해 주세요", [("bank_account", "3333-01-2345678", "account.length", TL, [])]),
    ("614-07-064400 <- 환불계좌", [("bank_account", "614-07-064400", "account.length", TL, [])]),
    ("3139 051 044288 <- 받는계좌", [("bank_account", "3139 051 044288", "account.length", TL, [])]),
    ("입금은 970 715 3960777", [("bank_account", "970 715 3960777", "account.length", LD + EL, [])]),
]


@pytest.mark.parametrize("text,expected", AFTER_THE_VALUE)
def test_labels_after_the_value_and_cues_inside_a_sentence(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, without_variants()) == expected
    assert found(text, Config()) != expected


# A resident number's front half with its seventh digit alone, or masked a digit or two short:
# only under the number's label.
RESIDENT_SHORT = [
    ("주민번호 900101-1*****",
     [("resident", "900101-1*****", "resident.masked_short", ["resident.masked_short"] + LD, [])]),
    ("주민등록번호: 900101-1",
     [("resident", "900101-1", "resident.front_with_sex", ["resident.front_with_sex"] + LD, [])]),
    ("외국인등록번호 900101-5*****",
     [("foreigner_registration", "900101-5*****", "resident.masked_short", ["resident.masked_short"] + LD, [])]),
]


@pytest.mark.parametrize("text,expected", RESIDENT_SHORT)
def test_a_resident_numbers_front_with_its_sex_digit(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, without_variants()) == []
    assert found(text, Config()) == []


def test_masks_round_trip_on_the_phones_written_to_pass_a_filter():
    text = "\n".join(t for t, _ in DODGES + AFTER_THE_VALUE + RESIDENT_SHORT)
    out = norvane.mask(text, PolicySet(Policy.tokenize()), Config.thorough())
    assert norvane.unmask(out.text, out.restore) == text
    # Nothing of a value is left beside its token: keycap marks go with their digit.
    assert "\u20e3" not in out.text and "\ufe0f" not in out.text
    assert len(out.applied) == len(DODGES + AFTER_THE_VALUE + RESIDENT_SHORT)


HOSTILE = [
    "앳" * 50_000,                          # the at-mark alone, back to back
    "a앳" * 30_000 + "b",                    # every mark with a local part and no domain
    "(앳)" * 20_000,
    "h 앳 n 닷 " * 10_000 + "com",           # one long chain of marks
    "4111 1111\n" * 20_000,                 # card halves on every line
    "3712\n345678\n" * 10_000,
    "11.23.456789.01." * 10_000,             # dotted licences glued to each other
    "부산-12-345678-90-" * 10_000,
    "생일 90.1.1 " * 10_000,                 # short dates back to back, and glued ones
    "90.1.1.90.1.1/" * 10_000,
    "70/7/30" * 10_000,
    "8412**" * 10_000,
    "12 - 34 - " * 20_000,                  # spaced dashes that never end a number
    "1 ㅡ 2 ㅡ 3 " * 20_000,
    " - " * 30_000 + "1",
    "1/2/1981/" * 10_000,                   # single-digit dates glued to each other
    "/1/1/1990" * 10_000,
    "남 34세 (" * 20_000 + "1990.01.01)",   # cues back to back
    "공일공 " * 30_000,                      # one endless chain of spoken groups
    "13.01.1990." * 10_000,
    "1990년 삼월 십오일" * 10_000,          # Hangul dates glued to each other
    "년 월 일" * 20_000,                    # units with no numbers
    "월 일일" * 20_000,                     # day units after a month, back to back
    "십" * 60_000 + "일",
    "1990 년 " * 20_000,
    "일" * 60_000,
    "91 (1종" * 20_000,                     # licence classes after every number
    "(서울)" * 20_000 + " 12-345678-90",
    "+82-" + "*" * 60_000,                  # a country code before an endless mask
    "12에 " * 30_000 + "34",                # one joiner after another, never ending
    "공일공에 " * 30_000,
    "에 " * 30_000 + "1",
    "0\ufe0f\u20e3" * 20_000,              # keycaps back to back, and marks with no digit
    "\ufe0f\u20e3" * 20_000,
    "O1O-" * 20_000,                        # letters for digits that never end a number
    "lOlO " * 20_000,
    "010 다음 " * 20_000,                    # joining words that never end
    "1쩜" * 30_000 + "2",
    "0 1 0  " * 20_000,                     # digits one by one, never ending
    "1 - " * 30_000 + "1",
    "900101-1" * 10_000,                    # fronts with their sex digit glued to each other
    "900101-1*****" * 5_000,
    "공1" * 30_000,                          # digits and Hangul digits mixed, never ending
    "1일 " * 30_000,
]


@pytest.mark.parametrize("text", HOSTILE, ids=range(len(HOSTILE)))
def test_hostile_inputs_of_the_new_readings(text):
    assert_exact_and_reversible(text)


AH = ["context.announced_header"]
# Rows pasted under a line that says the order of their fields in words: the kinds in that order
# name the cells of every row below it, down to a blank line or a line of another shape.
ANNOUNCED_ROWS = [
    ("이름/생년월일/여권번호/연락처 순서예요\n강다혜\t1979.03.04\tM12345678\t010-2345-6789\n"
     "윤서진\t79.03.04\tS87654321\t010-9876-5432",
     [("birth_date", "1979.03.04", "birth.yyyymmdd", AH, []), ("passport", "M12345678", "passport.shape", AH, []),
      ("phone", "010-2345-6789", "phone.mobile_11", AH, []), ("birth_date", "79.03.04", "birth.yymmdd", AH, []),
      ("passport", "S87654321", "passport.shape", AH, []), ("phone", "010-9876-5432", "phone.mobile_11", AH, [])]),
    # Behind a messenger's name and time, on the line that says the order as on the rows.
    ("[오후 2:54] 유나: 순서: 이름 | 생일 | 여권\n[오후 2:55] 유나: 강다혜 | 1979/03/04 | M123A4567",
     [("birth_date", "1979/03/04", "birth.separated_date", ["birth.separated_date"] + AH, []),
      ("passport", "M123A4567", "passport.current", ["passport.current"] + AH, [])]),
    ("※ 성명 · 생년월일 순\n박지훈,1985-07-21", [("birth_date", "1985-07-21", "birth.yyyymmdd", AH, [])]),
    # A field of another kind names its cell: a product code and the day of a request are no
    # passport and no birth date; a cell past the last field is named by nothing.
    ("성명, 상품코드, 신청일, 여권번호 순으로 보내드려요\n김민수,M12345678,2026.11.03,S76543210",
     [("passport", "S76543210", "passport.shape", AH, [])]),
    ("이름, 생년월일 순으로 보내드려요\n강다혜\t1979.03.04\tM12345678",
     [("birth_date", "1979.03.04", "birth.yyyymmdd", AH, [])]),
    # A blank line or a line of another shape ends the rows the line names.
    ("이름/생년월일/여권번호 순서예요\n강다혜\t1979.03.04\tM12345678\n\n윤서진\t1981.05.06\tS87654321",
     [("birth_date", "1979.03.04", "birth.yyyymmdd", AH, []), ("passport", "M12345678", "passport.shape", AH, [])]),
    ("성명 / 주민번호 / 연락처 순\n홍길동|900101-1234568|010-1234-5678\n회원 명단\n이순신|1979.03.04|M12345678",
     [("resident", "900101-1234568", "resident.korean_13", AH, []),
      ("phone", "010-1234-5678", "phone.mobile_11", AH, [])]),
    # A line that says no order names only the row right under it, as a label line does.
    ("이름/생년월일/여권번호 정리했어요\n강다혜\t1979.03.04\tM12345678\n윤서진\t1981.05.06\tS87654321",
     [("birth_date", "1979.03.04", "birth.yyyymmdd", ["context.previous_line"], []),
      ("passport", "M12345678", "passport.shape", ["context.previous_line"], [])]),
]


@pytest.mark.parametrize("text,expected", ANNOUNCED_ROWS)
def test_rows_under_a_line_that_says_their_order(text, expected):
    assert found(text, Config.thorough()) == expected
    # The default settings read no structure: only what the shapes alone tell.
    assert found(text, Config()) == [(k, t, r, [], n) for k, t, r, _, n in expected
                                     if k in ("resident", "phone")]
    assert_exact_and_reversible(text)
