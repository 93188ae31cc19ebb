"""The thorough mode on labels a sentence or a signature puts apart from the value: a licence, a
passport, a resident number or an account asked for, then given after the clause that says so
(면허번호 필요하다고 해서요 21-10-..., 보험사에서 면허번호 달라고 해서 보내드려요 12 11 ...); a sender's
own line right under the signature's name and team (하채원 드림 / 탐라렌트 고객지원팀 / 052.847.9428),
while the lines labelled 대표, 대표번호, 고객센터 or 팩스 stay the organisation's; English labels of a
person's own line (Host direct:, Direct, direct line, My number) over a 050x safe number written as
twelve bare digits; a mobile in international form after 문의, which names no mobile (a treasurer's
line after their account). Each group compares the whole outcome: the findings, the numbers vetoed
as a company's or a look-alike's, and a reversible mask that hides the values."""
import pytest

from thorough_checks import assert_masks_hide_values_and_keep_look_alikes, assert_thorough_outcome

LD, EL = ["context.letter_distance"], ["context.extra_label"]
ASKED = ["context.request_phrase"]
SENDER = ["phone.senders_own_line"]
SAFE = ["phone.safe_number"]
INTL_UNDER_WORD = ["phone.international", "phone.mobile_under_other_word"]


def licence(number, extensions=LD + ASKED):
    return ("driver_license", number, "license.12", extensions)


# The document, what thorough finds in it, and the numbers it vetoes with their reasons.
ASKED_FOR = [
    ("면허번호 필요하다고 해서요 21-10-197137-79 입니다", [licence("21-10-197137-79")], {}),
    ("보험사에서 면허번호 달라고 해서 보내드려요 12 11 153043 98", [licence("12 11 153043 98")], {}),
    ("면허 번호 알려 달래서요 13-05-005684-17", [licence("13-05-005684-17", EL + ASKED)], {}),
    ("[사고 처리]\n김민수: 운전면허번호 물어보셔서요 11.23.456789.01\n사고접수번호 20251203-55123",
     [licence("11.23.456789.01")], {}),
    ("여권번호 필요하다고 하셔서 M12345678 입니다",
     [("passport", "M12345678", "passport.shape", LD + ASKED)], {}),
    ("주민번호 뒷자리까지 필요하다길래 900115-1234568 보냈어요",
     [("resident", "900115-1234568", "resident.recent", ["resident.recent"] + LD + ASKED)], {}),
    ("환불 계좌 알려 달라고 하셔서 110-482-339102 입니다",
     [("bank_account", "110-482-339102", "account.length", EL + ASKED)], {}),
    # An insurer's numbers asked for the same way stay in clear; a date after the clause is no licence.
    ("사고접수번호 필요하다고 해서요 2025-689862", [], {}),
    ("보험증권번호 달라고 하셔서 보내드려요 396689487382", [], {"396689487382": "look_alike"}),
    ("면허번호 필요하다고 해서요 2025-12-03 까지 갱신", [], {}),
]

SIGNATURES = [
    ("하채원 드림\n탐라렌트 고객지원팀\n052.847.9428 / chaewon.ha@hanmail.net\n탐라렌트 제주지점 대표 054-633-5279",
     [("phone", "052.847.9428", "phone.landline", SENDER),
      ("email", "chaewon.ha@hanmail.net", "email.structural", [])],
     {"054-633-5279": "company_number"}),
    ("From: 박서연\n누리건설 총무팀 과장\n031-778-2041\n팩스 031-778-2049",
     [("phone", "031-778-2041", "phone.landline", SENDER)], {"031-778-2049": "company_number"}),
    ("김도윤 올림\n한빛여행사 예약팀\n010 4821 7730\n대표번호 1588-7781",
     [("phone", "010 4821 7730", "phone.mobile_11", SENDER)], {"1588-7781": "company_number"}),
    ("정민호 과장 | 구매팀\n02.3456.7788\n다온물산 대표 02-3456-7700 · 팩스 02-3456-7701",
     [("phone", "02.3456.7788", "phone.seoul", SENDER)],
     {"02-3456-7700": "company_number", "02-3456-7701": "company_number"}),
    ("좋은 하루 되세요.\n윤태윤 배상\n소담푸드\n064-712-3345",
     [("phone", "064-712-3345", "phone.landline", SENDER)], {}),
    ("심가은 드림\n탐라렌트 예약팀\n053.7566.6189", [("phone", "053.7566.6189", "phone.landline", SENDER)], {}),
    # A team or a desk signing is no sender of their own; a company's number is no one's line.
    ("한빛여행사 예약팀 드림\n02-512-7781", [], {"02-512-7781": "look_alike"}),
    ("탐라렌트 고객센터 드림\n1588-1234", [], {"1588-1234": "company_number"}),
    ("정민호 과장\n한빛 예약센터\n1588-1234", [], {"1588-1234": "company_number"}),
]

OWN_LINES = [
    ("[Booking] Hanok Stay Bukchon\nHost direct: 050269848587\nCheck-in 15:00 / Check-out 11:00",
     [("phone", "050269848587", "phone.safe_number", SAFE + EL)], {}),
    ("Guest: CHOI BORAM / Tel 01084076229\nHost: 최가은 / Direct 050371219677",
     [("phone", "01084076229", "phone.mobile_11", EL), ("phone", "050371219677", "phone.safe_number", SAFE + EL)],
     {}),
    ("Your host KIM SUBIN\ndirect line 0507-8750-6639",
     [("phone", "0507-8750-6639", "phone.safe_number", SAFE + EL)], {}),
    ("Contact the host directly: 050249869330", [("phone", "050249869330", "phone.safe_number", SAFE + EL)], {}),
    ("My number: 010 2231 8890", [("phone", "010 2231 8890", "phone.mobile_11", EL)], {}),
    # The desk's lines beside them stay the desk's; a direct deposit names no line.
    ("Pick-up driver\nCell: 050298329341\nReception: 070-9512-8262",
     [("phone", "050298329341", "phone.safe_number", SAFE + EL)], {"070-9512-8262": "company_number"}),
    ("Direct: 02-3456-7788\nMain office: 02-3456-7700",
     [("phone", "02-3456-7788", "phone.seoul", EL)], {"02-3456-7700": "company_number"}),
    ("Direct deposit to 110-123-456789", [], {}),
    # 문의 names no mobile, written after its country code too; an office's landline stays the office's.
    ("총무 이은비 개인 계좌 우리 3053-465-344826 로 보내 주세요 (문의 +82-10-8590-2325)",
     [("bank_account", "3053-465-344826", "account.length",
       ["context.bank_name"] + LD + ["context.trailing_label"]),
      ("phone", "82-10-8590-2325", "phone.international", INTL_UNDER_WORD)], {}),
    ("모임 회비 안내\n카카오뱅크 3333-04-1234567 이서윤 (총무, 문의 +82 10 5988 8262)",
     [("bank_account", "3333-04-1234567", "account.length", ["context.bank_name"]),
      ("phone", "82 10 5988 8262", "phone.international", INTL_UNDER_WORD)], {}),
    ("동호회 회비 계좌 수협 497-71-417487 (사무국 문의 064-293-5577)", [],
     {"497-71-417487": "company_number", "064-293-5577": "company_number"}),
    ("문의 +82-2-555-1234", [], {"82-2-555-1234": "company_number"}),
]

DOCUMENTS = ASKED_FOR + SIGNATURES + OWN_LINES


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_whole_outcome(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_masking_hides_the_values_and_keeps_the_look_alikes():
    assert_masks_hide_values_and_keep_look_alikes(DOCUMENTS)
