"""The thorough mode on licences after any issuing region's name (short or in full, glued to its
label in chat typed without spaces), on labelled values whose next field opens with a
look-alike's label, on foreigner numbers masked over their sex digit, and on labelled values a
scan printed with letters for digits. Each group compares the whole outcome; the same shapes
without a label, under a look-alike's own label and product codes in prose stay as they were."""
import norvane
import pytest

from thorough_checks import assert_exact_and_reversible, found, found_thorough, vetoed_thorough

REGION, DISTANCE, EL = "license.region", "context.letter_distance", "context.extra_label"
HEADER, ANOTHER = "context.column_header", "context.label_of_another_number"


def licence(number, rule, *extensions):
    return ("driver_license", number, rule, list(extensions))


# Regions as people write them: the southern half of Gyeonggi beside the northern one, provinces
# and cities in full, in a form, a key, a CSV row and a bare roster line.
REGIONS = [
    ("운전면허번호 경기남부 19-562784-17", [licence("19-562784-17", REGION, REGION, DISTANCE)]),
    ('{"name": "김영수", "driver_license": "경기남부 19-562784-17"}',
     [licence("19-562784-17", REGION, REGION, EL)]),
    ("이름,운전면허,연락처\n박지민,경기남부 19-562784-17,010-2345-6789",
     [licence("19-562784-17", REGION, REGION, HEADER),
      ("phone", "010-2345-6789", "phone.mobile_11", [HEADER])]),
    ("〔면허번호〕 경기남부 28-771203-55", [licence("28-771203-55", REGION, REGION, DISTANCE)]),
    ("□ 면허번호 : 충청북도 13-445566-72", [licence("13-445566-72", REGION, REGION, DISTANCE)]),
    ("운전면허 서울특별시 11-123456-78", [licence("11-123456-78", REGION, REGION, DISTANCE)]),
    ("면허 강원특별자치도 16-562784-17", [licence("16-562784-17", REGION, REGION, EL)]),
    ("3\t최민서\t경상남도 22-562784-17\t010-2345-6789",
     [licence("22-562784-17", REGION, REGION), ("phone", "010-2345-6789", "phone.mobile_11", [])]),
]
# Chat without spaces: the region glued to the licence's label, a particle maybe between.
GLUED = [
    ("면허증번호는강원 19-022281-56이에요", [licence("19-022281-56", REGION, REGION, DISTANCE)]),
    ("운전면허증번호인천 85-806380-47임니다", [licence("85-806380-47", REGION, REGION, EL)]),
    ("제면허번호는경기남부19-562784-17입니다", [licence("19-562784-17", REGION, REGION, DISTANCE)]),
    ("운전면허는부산 12-345678-90요", [licence("12-345678-90", REGION, REGION, DISTANCE)]),
    # A region's name glued to another word is no region.
    ("면허시험장에서부산 12-345678-90", []),
]
# A look-alike's label that opens the next field names that field's number, not the labelled
# value before it; one the value stands under still claims it.
NEXT_FIELD = [
    ("면허번호 24-09-543014-89 / 신청번호 제 2026-973호",
     [licence("24-09-543014-89", "license.12", DISTANCE)]),
    ("면허번호 24-09-543014-89 / 신청번호 미정", [licence("24-09-543014-89", "license.12", DISTANCE)]),
    ("면허번호: 24-09-543014-89/민원번호 (2026-973)",
     [licence("24-09-543014-89", "license.12", DISTANCE)]),
    ("계좌 110-234-567890 / 신청번호 제 2026-973호",
     [("bank_account", "110-234-567890", "account.length", [DISTANCE])]),
    ("면허)24-09-543014-89 신청번호 제 2026-973호",
     [licence("24-09-543014-89", "license.12", EL, ANOTHER)]),
    ("24-09-543014-89 / 신청번호 제 2026-973호", []),
    ("신청번호 24-09-543014-89", []),
]
# Masked over the sex digit, a resident number's shape is a foreigner's under a foreigner's label
# and a resident's under a resident's; a month that cannot be and no label read nothing.
FOREIGNERS = [
    ("외국인등록번호 7204**-***6262",
     [("foreigner_registration", "7204**-***6262", "foreigner.masked_back",
       ["foreigner.masked_back", DISTANCE])]),
    ("외국인 등록번호 6908*****1663",
     [("foreigner_registration", "6908*****1663", "foreigner.masked_back",
       ["foreigner.masked_back", DISTANCE])]),
    ("외국인등록증번호 9304**-***0393",
     [("foreigner_registration", "9304**-***0393", "foreigner.masked_back",
       ["foreigner.masked_back", DISTANCE, "context.compound_label"])]),
    ("성명,외국인등록번호\nNGUYEN VAN A,8812**-***4521",
     [("foreigner_registration", "8812**-***4521", "foreigner.masked_back",
       ["foreigner.masked_back", HEADER])]),
    ("주민번호 7906**-***1939",
     [("resident", "7906**-***1939", "resident.korean_masked", [DISTANCE])]),
    ('{"foreigner_registration_no": "7204**-***6262"}',
     [("foreigner_registration", "7204**-***6262", "foreigner.masked_back",
       ["foreigner.masked_back", EL, "context.key_words"])]),
    ("외국인등록번호 7213**-***6262", []),
    ("7204**-***6262", []),
]

# 이구 glued to a value's last digit is chat's spoken ending (이고), not the digits 2 and 9; a
# number whose last digits are read out (67팔구) still ends in them.
SPOKEN_ENDINGS = [
    ("연락처는 010-2345-6789이구 주소는 서울",
     [("phone", "010-2345-6789", "phone.mobile_11", [DISTANCE])]),
    ("계좌 110-234-567890이구 예금주는 김영수",
     [("bank_account", "110-234-567890", "account.length", [DISTANCE, "context.trailing_label"])]),
    ("면허번호 24-09-543014-89이구요", [licence("24-09-543014-89", "license.12", DISTANCE)]),
    ("010-2345-67팔구", [("phone", "010-2345-67팔구", "phone.mobile_11", [])]),
]


@pytest.mark.parametrize("text,expected", REGIONS + GLUED + NEXT_FIELD + FOREIGNERS + SPOKEN_ENDINGS)
def test_labelled_licences_and_foreigner_numbers(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)


def test_a_look_alikes_own_value_stays_vetoed():
    assert vetoed_thorough("신청번호 24-09-543014-89") == {"24-09-543014-89": "look_alike"}
    assert vetoed_thorough("면허번호 24-09-543014-89 / 신청번호 제 2026-973호") == {}


SCANNED = "value.scanned_letter"


def scanned(kind, value, rule, *extensions):
    return (kind, value, rule, list(extensions), [SCANNED])


# A scan's B for 8, S for 5 and O for 0 in a value right after its label (with a particle, in a
# form's brackets, as a JSON key) or under its column.
SCANNED_VALUES = [
    ("면허증번호 2409543014B9",
     [scanned("driver_license", "2409543014B9", "license.12", DISTANCE, "context.compound_label")]),
    ('{"driver_license": "2409543014B9"}',
     [scanned("driver_license", "2409543014B9", "license.12", EL)]),
    ("이름\t면허번호\n김민수\t2409543014B9",
     [scanned("driver_license", "2409543014B9", "license.12", HEADER)]),
    ("면허)2409543014B9", [scanned("driver_license", "2409543014B9", "license.12", EL)]),
    ("휴대폰번호 010904B6763",
     [scanned("phone", "010904B6763", "phone.mobile_11", EL, DISTANCE, "context.compound_label")]),
    ('{"phone": "010904B6763"}', [scanned("phone", "010904B6763", "phone.mobile_11", EL)]),
    ("이름,연락처\n김민수,010904B6763", [scanned("phone", "010904B6763", "phone.mobile_11", HEADER)]),
    ("계좌번호는0610716B932908입니다",
     [scanned("bank_account", "0610716B932908", "account.length", DISTANCE)]),
    ("통장번호 0610716B932908",
     [scanned("bank_account", "0610716B932908", "account.length", EL, "context.compound_label")]),
    ("생일은 1994년 B월 14일",
     [scanned("birth_date", "1994년 B월 14일", "birth.korean_date", "birth.korean_date", DISTANCE)]),
    ("〔생년월일〕 1994년 B월 14일",
     [scanned("birth_date", "1994년 B월 14일", "birth.korean_date", "birth.korean_date", DISTANCE)]),
    ("이름,생년월일\n김민수,1994.0B.14",
     [scanned("birth_date", "1994.0B.14", "birth.yyyymmdd", HEADER)]),
    ("출생 1994년 B월 14일",
     [scanned("birth_date", "1994년 B월 14일", "birth.korean_date", "birth.korean_date", DISTANCE, EL)]),
    # Product codes in prose and in a column of no person's value keep their letters.
    ("B2B 거래 SUV 차량 2대 구매 문의", []),
    ("모델 SUV-B2B 1234 입고", []),
    ("이름,모델\n김민수,B2B-1234-5678", []),
]


@pytest.mark.parametrize("text,expected", SCANNED_VALUES)
def test_scanned_letters_in_labelled_values(text, expected):
    assert found(text, norvane.Config.thorough()) == expected
    assert_exact_and_reversible(text)


def test_the_default_setting_reads_none_of_these():
    texts = [t for t, _ in REGIONS + GLUED + NEXT_FIELD + FOREIGNERS + SPOKEN_ENDINGS + SCANNED_VALUES]
    found_by_default = {t: [(f.entity, f.text(t)) for f in norvane.detect(t, norvane.Config()).findings]
                        for t in texts}
    assert {t: v for t, v in found_by_default.items() if v} == DEFAULT_FINDINGS


# What Config() finds on these texts, as it found before the thorough rules above (it is frozen:
# no region's licence, no look-alike's veto, no scanned letter, 이구 still read as digits).
DEFAULT_FINDINGS = {
    '이름,운전면허,연락처\n박지민,경기남부 19-562784-17,010-2345-6789': [('phone', '010-2345-6789')],
    '〔면허번호〕 경기남부 28-771203-55': [('business_registration', '28-771203-55')],
    '3\t최민서\t경상남도 22-562784-17\t010-2345-6789': [('phone', '010-2345-6789')],
    '면허번호 24-09-543014-89 / 신청번호 제 2026-973호': [('driver_license', '24-09-543014-89')],
    '면허번호 24-09-543014-89 / 신청번호 미정': [('driver_license', '24-09-543014-89')],
    '면허번호: 24-09-543014-89/민원번호 (2026-973)': [('driver_license', '24-09-543014-89')],
    '주민번호 7906**-***1939': [('resident', '7906**-***1939')],
    '계좌 110-234-567890이구 예금주는 김영수': [('bank_account', '110-234-567890이구')],
    '010-2345-67팔구': [('phone', '010-2345-67팔구')],
}
