"""The thorough mode on the closing lines of papers, where numbers stand that are not the
person's: a public office's landline named by the office, a business's landline on its own
registration line, an account whose holder beside it is a business, a trip's date under a birth
date, numbers a registry issues (research projects, service numbers, bonds) and a post office's
tracking number. Each group compares the whole outcome, and the person's own numbers beside them
stay values."""
import pytest

import norvane
from norvane import Config
from thorough_checks import (assert_exact_and_reversible, assert_masks_keep_vetoed, found_thorough as found,
                            vetoed_thorough as rejected)


LD, EL, BANK = ["context.letter_distance"], ["context.extra_label"], "context.bank_name"
MOBILE = ("phone", "010-2384-5521", "phone.mobile_11", LD)

# The document, what thorough finds in it, and the look-alikes it vetoes with their reasons.
DOCUMENTS = [
    # A public office's landline after 담당, 관할 or 담당: and the office's name; its local number
    # of four digits is no account under the account's label a line up.
    ("구직급여 신청서\n신청인 휴대전화 010-2384-5521\n접수번호 20241103-51234  담당 인천북부 고용센터 032-469-2381",
     [MOBILE], {"032-469-2381": "company_number"}),
    ("노령연금 청구\n담당: 국민연금공단 창원지사 055-4261-0263", [], {"055-4261-0263": "company_number"}),
    ("출산급여 신청\n연금 받을 계좌 국민 123-45-678901\n관할 근로복지공단 지사 053-2433-8974",
     [("bank_account", "123-45-678901", "account.length", [BANK, "context.letter_distance"])],
     {"053-2433-8974": "company_number"}),
    ("전입신고 결과\n처리 대구등기소 053-757-6600\n체류 연장 접수 서울출입국·외국인청 02-2650-6212",
     [], {"053-757-6600": "company_number", "02-2650-6212": "company_number"}),
    # A business's landline on its registration line, labelled as a telephone or not.
    ("[예약 확정]\n예약자 연락처 010-2384-5521\n솔바람 글램핑 사업자번호 2145260187 / 관리동 053-816-2376 / "
     "통신판매업 제2025-경기가평-1234호",
     [MOBILE, ("business_registration", "2145260187", "business.10", LD)], {"053-816-2376": "company_number"}),
    # Accounts whose holder written beside them is a business.
    ("무통장 입금: 하나 409-290700-77634 (하늘채 펜션)\n입금처: 경남은행 585-33-6556363-3 한결세무회계\n"
     "입금계좌: 토스뱅크 1000-3616-6273 (소담푸드)",
     [], {"409-290700-77634": "company_number", "585-33-6556363-3": "company_number",
          "1000-3616-6273": "company_number"}),
    # A flight's date two lines under a birth date that has its value, and a line that begins with
    # its own word.
    ("Passport No: M81395241\nDate of Birth: 12MAR71\n\nFlight KE703 ICN-NRT 2026.02.14",
     [("passport", "M81395241", "passport.shape", EL),
      ("birth_date", "12MAR71", "birth.english_month", ["birth.english_month", "context.extra_label"])], {}),
    ("생년월일\n입실 2025.12.24", [], {}),
    # Registries' numbers whose ten digits pass a business number's check by chance.
    ("과제번호: 0159083019  IRB 승인번호: SNUH-25-101\n장병 일병 김하늘 군번 24-66131866\n"
     "국민주택채권 매입번호 제2025-091397호",
     [], {"0159083019": "look_alike", "24-66131866": "look_alike", "2025-091397": "look_alike"}),
    # A post office's parcel after a courier's word two lines up.
    ("송장번호 내일 드릴게요\n판매자 오후 2:10\n우체국 6123456789012 입니다", [], {"6123456789012": "look_alike"}),
]


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_numbers_of_closing_lines_that_are_not_the_persons(text, expected, vetoed):
    assert found(text) == expected
    assert rejected(text) == vetoed


# The person's own numbers in the same places: a person's name as an account's holder (in a
# business's paper too), a named person on a landline, a post office's account spoken of, a
# birth date under its label line, a home's line on a business's line.
KEPT = [
    ("환불 계좌: 하나 254-395860-01622 (김지수)",
     [("bank_account", "254-395860-01622", "account.length", [BANK, "context.extra_label"])]),
    ("펜션 예약\n입금은 농협 302-1234-5678-91 (예금주 김지수) 으로 해주세요\n하늘채 펜션 사업자 2145260187",
     [("bank_account", "302-1234-5678-91", "account.length",
       [BANK, "context.letter_distance", "context.extra_label", "context.trailing_label"]),
      ("business_registration", "2145260187", "business.10", LD)]),
    ("담당 김민수 과장 032-469-7700", [("phone", "032-469-7700", "phone.landline", [])]),
    ("택배비 보낼 계좌 알려주세요\n우체국 6123456789013",
     [("bank_account", "6123456789013", "account.length", [BANK])]),
    ("우체국 1310017589991", [("bank_account", "1310017589991", "account.length", [BANK])]),
    ("Date of Birth:\n1971.03.12", [("birth_date", "1971.03.12", "birth.yyyymmdd", ["context.label_line"])]),
    ("사업자번호 2145260187 / 자택 053-816-7700 (대표 본인)",
     [("business_registration", "2145260187", "business.10", LD),
      ("phone", "053-816-7700", "phone.landline", EL)]),
]


@pytest.mark.parametrize("text,expected", KEPT)
def test_the_persons_own_numbers_beside_them_stay_values(text, expected):
    assert found(text) == expected


@pytest.mark.parametrize("family", ["company_veto", "lookalike_veto"])
def test_each_veto_belongs_to_its_family(family):
    """With its family off, the numbers it vetoes are read as they were before it."""
    reason = {"company_veto": "company_number", "lookalike_veto": "look_alike"}[family]
    config = Config.thorough()
    setattr(config, family, False)
    for text, _, vetoed in DOCUMENTS:
        reported = {f.text(text) for f in norvane.detect(text, config).findings}
        assert {n for n, r in vetoed.items() if r == reason} <= reported, text


def test_masks_round_trip_on_closing_lines():
    assert_masks_keep_vetoed(DOCUMENTS, KEPT)


HOSTILE = [
    "우체국 " * 20_000 + "6123456789012",
    "송장 " * 20_000 + "\n우체국 6123456789012",
    "사업자 " * 20_000 + "053-816-2376",
    "(" + "글램핑 " * 20_000 + "\n" + "입금 하나 409-290700-77634 (" + "펜션" * 20_000,
    "담당 " * 20_000 + "고용센터 032-469-2381",
    "Date of Birth: 12MAR71\n" * 5_000 + "KE703 2026.02.14",
    "12MAR71 " * 10_000 + "\nFlight 2026.02.14",
]


@pytest.mark.parametrize("text", HOSTILE, ids=range(len(HOSTILE)))
def test_hostile_inputs_of_these_readings(text):
    assert_exact_and_reversible(text)
