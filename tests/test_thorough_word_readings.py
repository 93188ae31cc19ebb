"""The thorough mode's word readings around a number, each group on the texts where the reading
decides: a one-line record's fields parted by slashes and bars in any mix (the account's field
is the last one), generic words before a particle between a label and its value (번호는,
번호를, 정보는), and an organisation's words or a unit's ending before a landline, or a person's
mobile label before one. Each case compares the whole outcome."""
import pytest

from thorough_checks import assert_thorough_outcome

ORG = "company_number"
BRN = ("business_registration", "214-86-00132", "business.10", ["context.letter_distance"])

RECORD_FIELDS = [
    # The business's identity in the fields before the account's, whichever mark parts them; the
    # label past the slash (상호) names the next field, not the number before it.
    ("업체 사업자 214-86-00132 / 상호 다온 인테리어 | 환불 계좌 수협 371-527-937439",
     [(*BRN[:3], ["context.letter_distance"])],
     {"371-527-937439": ORG}),
    ("상호 다온 인테리어 | 사업자 214-86-00132 / 환불 계좌 수협 371-527-937439", [BRN],
     {"371-527-937439": ORG}),
    # A person's field before it: the account is the customer's.
    ("고객 김민수 / 환불 계좌 수협 371-527-937439",
     [("bank_account", "371-527-937439", "account.length",
       ["context.bank_name", "context.extra_label"])], {}),
]

GENERIC_WORDS_BEFORE_A_PARTICLE = [
    ("환불 계좌 번호는 371-527-937439 입니다",
     [("bank_account", "371-527-937439", "account.length",
       ["context.letter_distance", "context.extra_label", "context.compound_label"])], {}),
    ("연락처 번호를 010-4821-7730 으로 남겨주세요",
     [("phone", "010-4821-7730", "phone.mobile_11",
       ["context.letter_distance", "context.compound_label"])], {}),
    ("생년월일 정보는 1990.01.05 입니다",
     [("birth_date", "1990.01.05", "birth.yyyymmdd",
       ["context.letter_distance", "context.compound_label"])], {}),
]

DESKS_AND_MOBILE_LABELS = [
    ("서울대학교병원 원무과 02-2072-2114", [], {"02-2072-2114": ORG}),
    ("인사팀 담당 02-2231-8876", [], {"02-2231-8876": ORG}),
    ("총무과 02-2231-8876", [], {"02-2231-8876": ORG}),
    # A person's mobile label right before a landline under a company's word: the person's.
    ("업체 대표 휴대폰: 031-555-1234", [("phone", "031-555-1234", "phone.landline", [])], {}),
]


@pytest.mark.parametrize(
    "text,expected,vetoed",
    RECORD_FIELDS + GENERIC_WORDS_BEFORE_A_PARTICLE + DESKS_AND_MOBILE_LABELS)
def test_word_readings_decide_whose_number_and_how_far_its_label(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)
