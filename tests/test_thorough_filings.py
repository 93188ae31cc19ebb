"""The thorough mode on applications, filings and contracts, where an organisation's numbers
stand beside the person's: a landline named by the role its organisation plays (등록기관, 선사,
시공사) or by its name's ending (시니어클럽), or written with a fax beside it; a company's
representative number under a generic contact label (a creditor's item); the account a customer
pays a business's charge into; a date whose own label names an event, under the applicant's
registration number; other registers' ten digits; a land parcel's code. Each group compares the
whole outcome, and the person's own numbers beside them stay values."""
import pytest

import norvane
from norvane import Config
from thorough_checks import (assert_exact_and_reversible, assert_masks_keep_vetoed, found_thorough as found,
                            vetoed_thorough as rejected)


LD, EL, BANK = ["context.letter_distance"], ["context.extra_label"], "context.bank_name"
RRN = ("resident", "900101-1234568", "resident.korean_13", LD)

# The document, what thorough finds in it, and the look-alikes it vetoes with their reasons.
DOCUMENTS = [
    # Organisations' landlines named by their name's ending or their role, a mobile beside them
    # staying the person's.
    ("노인일자리 참여자 명단\n참여자 김순자 휴대폰 010-2384-5521\n담당: 송파구 시니어클럽 070-4412-9083",
     [("phone", "010-2384-5521", "phone.mobile_11", LD)], {"070-4412-9083": "company_number"}),
    ("봉사활동 확인서\n등록기관 031-728-4410 (대표 1661-2090)",
     [], {"031-728-4410": "company_number", "1661-2090": "company_number"}),
    ("공사 알림\n시행사 02-3142-8800  시공사 031-902-1133\n현장소장 박정호 010-5521-7788",
     [("phone", "010-5521-7788", "phone.mobile_11", [])],
     {"02-3142-8800": "company_number", "031-902-1133": "company_number"}),
    ("여객선 승선 명부\n선사 연락처 061-243-5500", [], {"061-243-5500": "company_number"}),
    # A landline with a fax beside it on its line: an office's, named or not. The fax's run
    # begins with FAX's X: a look-alike.
    ("민원 접수\n관리사무소 02-421-3300 팩스 02-421-3301\n김철수 051-463-7781 / FAX 043-285-1190",
     [], {"02-421-3300": "company_number", "02-421-3301": "company_number",
          "051-463-7781": "company_number", "X 043-285-1190": "look_alike"}),
    # Creditors' representative numbers under 연락처 and 전화; a person creditor's mobile stays.
    ("채권자 목록\n1. 현대카드 연락처 1577-6000\n2. OK저축은행, 연락처 1899-0990\n"
     "3. (주)러시앤캐시 연락처 1644-3300\n4. 채권자 이영희 연락처 010-7741-2290",
     [("phone", "010-7741-2290", "phone.mobile_11", LD)],
     {"1577-6000": "company_number", "1899-0990": "company_number", "1644-3300": "company_number"}),
    ("채권자명: 롯데캐피탈 / 전화 1588-8100\n채권자명: 김철수 / 휴대폰 010-3391-2201",
     [("phone", "010-3391-2201", "phone.mobile_11", LD)], {"1588-8100": "company_number"}),
    # Accounts a business's charge is paid into, by the charge's label or the holder's ending; the
    # customer's own refund account stays.
    ("산후조리원 계약\n잔금 입금 계좌: 국민 123-45-678901 예금주 김미영 행복산후조리원\n"
     "계약금 입금처 우리 1002-839-441120 예금주 에코솔라",
     [], {"123-45-678901": "company_number", "1002-839-441120": "company_number"}),
    ("공사대금 입금 계좌: 신한 110-482-339120\n환불 계좌(본인 명의) 농협 302-1234-5678-91",
     [("bank_account", "302-1234-5678-91", "account.length",
       [BANK, "context.extra_label", "context.compound_label"])],
     {"110-482-339120": "company_number"}),
    ("수강료 입금 계좌 하나 391-910288-11307 (예금주 더배움아카데미)", [], {"391-910288-11307": "company_number"}),
    # A holder of four syllables or more is a business's name, not a person's.
    ("계약금 입금 계좌 IBK기업 3213-32-2857858 예금주: 튼튼이사", [], {"3213-32-2857858": "company_number"}),
    # Dates whose own label names an event, on their line or on the line above them.
    ("피해 구제 신청서\n신청인 박영수\n주민등록번호 900101-1234568\n피해 발생일 2023. 9. 29.",
     [RRN], {"2023. 9. 29": "look_alike"}),
    ("보험금 청구\n피보험자 주민등록번호 900101-1234568\n사고 발생일\n2023.09.29", [RRN], {"2023.09.29": "look_alike"}),
    ("긴급지원 신청\n주민등록번호: 900101-1234568\n신청일: 2025-11-03", [RRN], {"2025-11-03": "look_alike"}),
    ("입실 신청\n생년월일 1991.03.02\n입실 예정일 2026.01.15",
     [("birth_date", "1991.03.02", "birth.yyyymmdd", LD)], {"2026.01.15": "look_alike"}),
    # Other registers' ten digits that pass a business number's check; the business's own number
    # under its label beside them stays.
    ("직불금 신청서\n신청인 주민등록번호 900101-1234568\n농업경영체 등록번호 2148600132",
     [RRN], {"2148600132": "look_alike"}),
    ("경영체등록번호: 2148600132\n사업자등록번호 214-86-00132",
     [("business_registration", "214-86-00132", "business.10", LD)], {"2148600132": "look_alike"}),
    ("장기기증 희망 등록증\n기증희망등록번호 2148600132", [], {"2148600132": "look_alike"}),
    # A land parcel's code after an address's last word or under its labels.
    ("도암리 4150025321100120005 면적 1200㎡", [], {"4150025321100120005": "look_alike"}),
    ("필지번호 4150025321100120005", [], {"4150025321100120005": "look_alike"}),
    ("PNU: 4150025321100120005", [], {"4150025321100120005": "look_alike"}),
]


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_organisations_numbers_on_filings_are_not_the_persons(text, expected, vetoed):
    assert found(text) == expected
    assert rejected(text) == vetoed


# The person's own numbers in the same places: a home's line (its fax is the office's), a
# person's name before 연락처, a person in an organisation's line, a representative number
# with the customer's word, an account held by a person or by an apartment's short name (더샵),
# a card-bill account paid out of, a birth date under its label, a bare 등록번호, a card number
# under its label.
KEPT = [
    ("자택 02-418-7720", [("phone", "02-418-7720", "phone.seoul", EL)]),
    ("홍길동 과장 051-463-7790 / FAX 043-285-1190",
     [("phone", "051-463-7790", "phone.landline", ["context.label_of_another_number"])]),
    ("김영수 연락처 02-555-1234", [("phone", "02-555-1234", "phone.seoul", LD)]),
    ("(주)노바테크 영업팀 홍길동 연락처 02-555-1234", [("phone", "02-555-1234", "phone.seoul", LD)]),
    ("신한카드 본인 연락처 1588-1234", [("phone", "1588-1234", "phone.representative", LD)]),
    ("입금 계좌 하나 391-910288-11308 예금주 김민지",
     [("bank_account", "391-910288-11308", "account.length", [BANK, "context.extra_label", "context.trailing_label"])]),
    ("※ 납부계좌 국민 123-45-678902 예금주 더샵",
     [("bank_account", "123-45-678902", "account.length", [BANK, "context.extra_label", "context.trailing_label"])]),
    # A charge paid into a person's account: a person written as the holder (a private landlord's
    # 잔금, a tutor's 수강료), or proceeds paid out to the holder (판매 대금, 정산 대금).
    ("잔금 입금 계좌: 부산은행 101-2020-3030-04 예금주 송시우",
     [("bank_account", "101-2020-3030-04", "account.length",
       ["context.letter_distance", BANK, "context.extra_label", "context.trailing_label"])]),
    ("수강료 입금 계좌: 신한 110-123-456789 (김하늘)",
     [("bank_account", "110-123-456789", "account.length", [BANK, "context.extra_label"])]),
    ("판매 대금 입금 계좌: 카카오뱅크 3333-01-1234567",
     [("bank_account", "3333-01-1234567", "account.length", [BANK, "context.extra_label"])]),
    # A private sale's or lease's charge: a party's word on the line, or no business on the paper.
    ("아파트 매매 계약\n매도인 연락처 010-2708-3379\n계약금 입금 계좌 케이뱅크 100-821-860294 매도인 명의",
     [("phone", "010-2708-3379", "phone.mobile_11", LD),
      ("bank_account", "100-821-860294", "account.length", [BANK, "context.extra_label"])]),
    ("중고 거래\n구매자: 대금 입금계좌 297-837-851494 입니다",
     [("bank_account", "297-837-851494", "account.length", ["context.extra_label"])]),
    ("전세 계약\n잔금 입금 계좌: 신한 110-482-339127",
     [("bank_account", "110-482-339127", "account.length", [BANK, "context.extra_label"])]),
    ("카드대금 출금 계좌 신한 110-482-339127",
     [("bank_account", "110-482-339127", "account.length", [BANK, "context.extra_label"])]),
    ("주민등록번호 900101-1234568\n생년월일 1990.01.01",
     [RRN, ("birth_date", "1990.01.01", "birth.yyyymmdd", LD)]),
    ("등록번호 214-86-00132", [("business_registration", "214-86-00132", "business.10", EL)]),
    ("카드번호 4540123456123456706", [("credit_card", "4540123456123456706", "card.luhn", LD)]),
]


@pytest.mark.parametrize("text,expected", KEPT)
def test_the_persons_own_numbers_beside_them_stay_values(text, expected):
    assert found(text) == expected


def test_each_veto_belongs_to_its_family():
    """With its family off, the numbers a veto drops are read as they were before it. (Under a
    look-alike's label, 발생일 or 필지번호, the label itself keeps the number from reading as a
    value: only the parcel code after an address is the look-alike veto's alone.)"""
    config = Config.thorough()
    config.company_veto = False
    for text, _, vetoed in DOCUMENTS:
        reported = {f.text(text) for f in norvane.detect(text, config).findings}
        assert {n for n, r in vetoed.items() if r == "company_number"} <= reported, text
    config = Config.thorough()
    config.lookalike_veto = False
    text = "도암리 4150025321100120005 면적 1200㎡"
    assert [(f.entity, f.text(text), f.evidence.rule) for f in norvane.detect(text, config).findings] == [
        ("credit_card", "4150025321100120005", "card.luhn")]


def test_masks_round_trip_on_filings():
    assert_masks_keep_vetoed(DOCUMENTS, KEPT)


HOSTILE = [
    "잔금 " * 20_000 + "입금 계좌 국민 123-45-678901",
    "입금 " * 20_000 + "국민 123-45-678901",
    "예금주 " + "김 " * 20_000 + "에너지\n국민 123-45-678901 예금주 " + "( " * 20_000,
    "선사 연락처 " * 20_000 + "061-243-5500",
    "연락처 , " * 20_000 + "1588-8100",
    "051-463-7790 " + "FAX " * 20_000,
    "도암리 " * 20_000 + "4150025321100120005",
    "산번지 12-3-" * 10_000 + " 4150025321100120005",
]


@pytest.mark.parametrize("text", HOSTILE, ids=range(len(HOSTILE)))
def test_hostile_inputs_of_these_readings(text):
    assert_exact_and_reversible(text)
