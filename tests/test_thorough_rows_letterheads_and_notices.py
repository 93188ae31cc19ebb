"""The thorough mode on the forms that rows, letterheads and notices give their values in: a spaced
licence or account as one field of a CSV row beside the next field's number, a landline listed
right after a business registration number, a landline in its groups beside a name (never a
business number by its check digit alone), an office's fax written F) or F., a birth date whose
year is masked (5/3/****, ****/05/03, ****년 5월 3일, 03-05-****) and a club's dues account in a
notice. Each case compares the whole outcome."""
import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible, assert_thorough_outcome

# A spaced licence or account as one field of a CSV row: its groups make one value, and the comma
# and the next field's number (a mobile, a business number) stay apart from it; an amount with
# its thousands stays an amount.
ROW_FIELDS = [
    ('이름,면허번호,연락처\n김민수,11 12 345678 90,010-2345-6789',
     [('driver_license', '11 12 345678 90', 'license.12', ['context.column_header']), ('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header'])],
     {}),
    ('번호,이름,운전면허번호,휴대폰\n1,김영수,11 05 123456 78,010-3333-4444\n2,이민지,23 10 654321 09,010 7777 8888',
     [('driver_license', '11 05 123456 78', 'license.12', ['context.column_header']), ('phone', '010-3333-4444', 'phone.mobile_11', ['context.column_header']), ('driver_license', '23 10 654321 09', 'license.12', ['context.column_header']), ('phone', '010 7777 8888', 'phone.mobile_11', ['context.column_header'])],
     {}),
    ('예금주,계좌번호,연락처\n오하늘,302 1234 5678 91,010-5555-6666',
     [('bank_account', '302 1234 5678 91', 'account.length', ['context.column_header']), ('phone', '010-5555-6666', 'phone.mobile_11', ['context.column_header'])],
     {}),
    ('이름,은행,계좌번호,연락처\n김철수,기업,012 345678 01 012,010-2222-1111',
     [('bank_account', '012 345678 01 012', 'account.length', ['context.bank_name', 'context.column_header', 'context.header_past_other_cells']), ('phone', '010-2222-1111', 'phone.mobile_11', ['context.column_header'])],
     {}),
    ('이름,계좌번호,사업자번호\n박서준,110 482 339120,123-45-67890',
     [('bank_account', '110 482 339120', 'account.length', ['context.column_header']), ('business_registration', '123-45-67890', 'business.10', ['context.column_header'])],
     {}),
    ('품목,수량,금액\n사과,3,91,000원',
     [],
     {}),
]
# A landline listed right after a business registration number with no word of its own is the
# trader's contact; one the business labels (TEL, 매장) is the business's line.
BESIDE_BUSINESS = [
    ('사업자) 123-45-67890 02-123-4567',
     [('business_registration', '123-45-67890', 'business.10', ['context.letter_distance']), ('phone', '02-123-4567', 'phone.seoul', [])],
     {}),
    ('사업자번호 123-45-67890 / 031-555-1234',
     [('business_registration', '123-45-67890', 'business.10', ['context.letter_distance']), ('phone', '031-555-1234', 'phone.landline', [])],
     {}),
    ('상호 한빛 사업자 105-87-54321 / TEL 02-345-6789',
     [('business_registration', '105-87-54321', 'business.10', ['context.letter_distance'])],
     {'02-345-6789': 'company_number'}),
    ('사업자번호 123-45-67890 / 매장 031-555-1234',
     [('business_registration', '123-45-67890', 'business.10', ['context.letter_distance'])],
     {'031-555-1234': 'company_number'}),
]
# Ten digits in a telephone's groups are a telephone number, whatever the business number's check
# digit says of them, unless a business's label names them.
LANDLINES_BESIDE_NAMES = [
    ('김철수 053-737-7114',
     [('phone', '053-737-7114', 'phone.landline', [])],
     {}),
    ('문의: 박지훈 02-1234-5678',
     [('phone', '02-1234-5678', 'phone.seoul', [])],
     {}),
    ('[알림] 02-5228-9331',
     [('phone', '02-5228-9331', 'phone.seoul', [])],
     {}),
    ('사업자등록번호 053-81-12345',
     [('business_registration', '053-81-12345', 'business.10', ['context.letter_distance'])],
     {}),
    ('사업자번호 053-737-7114',
     [('business_registration', '053-737-7114', 'business.10', ['context.letter_distance'])],
     {}),
]
# An office's fax written F) or F. is the office's; the line before it keeps what its own words say
# (a company's or a representative's line, a person's label), a person's mobile stays theirs, and
# neither REF. nor a bracketed (F) after a name is a fax's label.
FAXES = [
    ('한빛상사 T)02-345-6789 F)02-345-6790',
     [],
     {'02-345-6789': 'company_number', '02-345-6790': 'company_number'}),
    ('☎ 051-123-4567 F) 051-123-4568',
     [('phone', '051-123-4567', 'phone.landline', ['context.extra_label'])],
     {'051-123-4568': 'company_number'}),
    ('문의 02-345-6789, F)02-345-6790',
     [],
     {'02-345-6789': 'company_number', '02-345-6790': 'company_number'}),
    ('연락처 02-555-1234 / F) 02-555-1235',
     [('phone', '02-555-1234', 'phone.seoul', ['context.letter_distance'])],
     {'02-555-1235': 'company_number'}),
    ('대표전화 031-234-5678 F.031-234-5679',
     [],
     {'031-234-5678': 'company_number', '031-234-5679': 'company_number'}),
    ('김민수 과장 휴대폰 010-1234-5678 F)02-345-6790',
     [('phone', '010-1234-5678', 'phone.mobile_11', ['context.letter_distance'])],
     {'02-345-6790': 'company_number'}),
    ('REF.02-345-6790 담당 김민수',
     [('phone', '02-345-6790', 'phone.seoul', [])],
     {}),
    ('김민지(F) 02-345-6789',
     [('phone', '02-345-6789', 'phone.seoul', [])],
     {}),
]
# Birth dates with the year masked, the year first or last, the day first or the month: found under
# a birth date's label, vetoed under another date's, left alone without a label; the day alone in
# clear says nothing of the person.
MASKED_YEARS = [
    ('DOB 5/3/****',
     [('birth_date', '5/3/****', 'birth.masked', ['birth.masked', 'context.extra_label'])],
     {}),
    ('생일 5/03/****',
     [('birth_date', '5/03/****', 'birth.masked', ['birth.masked', 'context.letter_distance'])],
     {}),
    ('생년월일 ****/05/03',
     [('birth_date', '****/05/03', 'birth.masked', ['birth.masked', 'context.letter_distance'])],
     {}),
    ('생년월일 **** 년 5월 3일',
     [('birth_date', '**** 년 5월 3일', 'birth.masked', ['birth.masked', 'context.letter_distance'])],
     {}),
    ('생년월일 ****년 05월 03일',
     [('birth_date', '****년 05월 03일', 'birth.masked', ['birth.masked', 'context.letter_distance'])],
     {}),
    ('생년월일 **.05.03',
     [('birth_date', '**.05.03', 'birth.masked', ['birth.masked', 'context.letter_distance'])],
     {}),
    ('DOB 03-05-****',
     [('birth_date', '03-05-****', 'birth.masked', ['birth.masked', 'context.extra_label'])],
     {}),
    ('DOB 13.05.19**',
     [('birth_date', '13.05.19**', 'birth.masked', ['birth.masked', 'context.extra_label'])],
     {}),
    ('생년월일 ****년 **월 3일',
     [],
     {}),
    ('가입일 5/3/****',
     [],
     {'5/3/****': 'look_alike'}),
    ('5/3/**** 배송 예정',
     [],
     {}),
]
# A club named before its dues account in a notice owns it; its officer, a mobile given as the
# account, a chat's member speaking, and NFC (no club) leave the account a person's.
CLUB_ACCOUNTS = [
    ('새벽FC 회비 계좌 신한 110-123-456789',
     [],
     {'110-123-456789': 'company_number'}),
    ('늘푸른 합창단 회비 입금 계좌 국민 123456-01-234567',
     [],
     {'123456-01-234567': 'company_number'}),
    ('새벽FC 총무 회비 계좌 신한 110-123-456780',
     [('bank_account', '110-123-456780', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('새벽FC 회비 계좌 신한 110-123-456781 (총무 김민수)',
     [('bank_account', '110-123-456781', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('새벽FC 회비 계좌 카카오뱅크 010-1234-5678',
     [('bank_account', '010-1234-5678', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('NFC 결제 환불 계좌 신한 110-123-456782',
     [('bank_account', '110-123-456782', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('민지: 새벽FC 회비 계좌 신한 110-123-456783 맞지?',
     [('bank_account', '110-123-456783', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
]

DOCUMENTS = (ROW_FIELDS + BESIDE_BUSINESS + LANDLINES_BESIDE_NAMES + FAXES + MASKED_YEARS +
             CLUB_ACCOUNTS)


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_rows_letterheads_and_notices(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def found(text):
    return [(f.entity, f.text(text)) for f in norvane.detect(text, Config.thorough()).findings]


def number(width):
    return st.text(alphabet="0123456789", min_size=width, max_size=width)


# Any licence of a known region written in spaced groups, or any account in groups of three, three
# and six, as the middle field of a row before a mobile: one value each.
@settings(max_examples=120, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.integers(11, 28), number(2), number(6), number(2), number(4), number(4))
def test_a_spaced_licence_field_stays_one_value_beside_the_next_fields_mobile(
        region, year, serial, check, middle, last):
    licence = f"{region} {year} {serial} {check}"
    mobile = f"010-{middle}-{last}"
    text = f"이름,면허번호,연락처\n김민수,{licence},{mobile}"
    assert found(text) == [("driver_license", licence), ("phone", mobile)]


@settings(max_examples=120, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(number(3), number(3), number(6), number(4), number(4))
def test_a_spaced_account_field_stays_one_value_beside_the_next_fields_mobile(
        first, second, third, middle, last):
    account = f"{first} {second} {third}"
    mobile = f"010-{middle}-{last}"
    text = f"예금주,계좌번호,연락처\n오하늘,{account},{mobile}"
    assert found(text) == [("bank_account", account), ("phone", mobile)]


# Any ten-digit landline in its groups beside a name is a telephone number: never a business
# registration number, whether its check digit agrees or not.
@settings(max_examples=200, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.sampled_from(["02", "031", "032", "041", "051", "053", "055", "062", "064"]),
       number(4), st.sampled_from(["-", ".", " "]))
def test_a_landline_in_its_groups_beside_a_name_is_a_telephone(area, digits4, mark):
    middle = digits4 if area == "02" else digits4[:3]
    landline = f"{area}{mark}{middle}{mark}{digits4[::-1]}"
    assert found(f"담당 김철수 {landline}") == [("phone", landline)]


# Any month and day with the year masked, in each of its forms, under a birth date's label.
MASKED_YEAR_FORMS = ["{m}/{d}/****", "****/{m:02}/{d:02}", "****년 {m}월 {d}일", "**** 년 {m:02}월 {d:02}일",
                     "{d:02}-{m:02}-****", "**.{m:02}.{d:02}"]


@settings(max_examples=200, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.sampled_from(MASKED_YEAR_FORMS), st.integers(1, 12), st.integers(1, 28))
def test_a_birth_date_with_its_year_masked_is_found_under_its_label(form, month, day):
    date = form.format(m=month, d=day)
    assert found(f"생년월일 {date}") == [("birth_date", date)]


# Pieces of dates, masks, fax letters, clubs and fields mixed in any order: sliced exactly, masked
# reversibly, never a crash.
PIECES = ["/", "*", "**", "****", "년", "월", "일", " ", "5", "03", "1990", "F)", "F.", "T)", "FC", "새벽",
          " 회비 계좌 ", "신한 ", ",", "\n", "110-123-456789", "02-345-6789", "123-45-67890", "91,010",
          "11 12 345678 90", "●", "X", "생년월일 ", "DOB "]


@settings(max_examples=300, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.lists(st.one_of(st.sampled_from(PIECES), st.text(max_size=3)), max_size=16).map("".join))
def test_any_mix_of_these_forms_is_sliced_exactly_and_masks_reversibly(text):
    assert_exact_and_reversible(text)
