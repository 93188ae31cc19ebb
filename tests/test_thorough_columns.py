"""The thorough mode on values that columns name: phones whose spreadsheet cell lost the leading
zero (read only under a phone column), other countries' passports (only under a passport column
or right after a passport label), a transaction history's other-party account column, ten bare
digits under a column of issued numbers, and labels read across a request before a colon or an
arrow. Each group compares the whole outcome, the look-alikes beside the values included, and the
default settings on the same text."""
import pytest

import norvane
from norvane import Config, Policy, PolicySet
from thorough_checks import assert_exact_and_reversible, found

CH, LD, EL = "context.column_header", "context.letter_distance", "context.extra_label"
RQ = "context.request_phrase"
NO_ZERO, FOREIGN = "phone.column_without_zero", "passport.foreign"

PHONE_COLUMNS = [
    # A member number beside the phone has the same digits' shape: its column names no phone.
    ("이름\t연락처\t회원번호\n김민수\t1012345678\t1023456789\n이영희\t212345678\t5512345678",
     [("phone", "1012345678", NO_ZERO, [NO_ZERO, CH], []), ("phone", "212345678", NO_ZERO, [NO_ZERO, CH], [])]),
    ("성명,휴대폰,주문번호\n박지훈,1045678123,2026120912",
     [("phone", "1045678123", NO_ZERO, [NO_ZERO, CH], [])]),
    ("이름 | HP | 비고\n최수진 | 3112345678 | 신규", [("phone", "3112345678", NO_ZERO, [NO_ZERO, CH], [])]),
    # Outside a column a bare number stays what it was, under a phone label too.
    ("회원번호 1012345678\n연락처: 1012345678\n주문 1098765432", []),
]
PASSPORTS = [
    ("국적\t성명\t여권번호\t항공편\t생년월일\nVIETNAM\tNGUYEN VAN AN\tP1234567A\tVN0417\t1990.01.02\n"
     "CHINA\tLI NA\tEA123456\tKE0123\t1988.03.04",
     [("passport", "P1234567A", FOREIGN, [FOREIGN, CH], []),
      ("birth_date", "1990.01.02", "birth.yyyymmdd", [CH], []),
      ("passport", "EA123456", FOREIGN, [FOREIGN, CH], []),
      ("birth_date", "1988.03.04", "birth.yyyymmdd", [CH], [])]),
    # A label right before it, with a particle at most; a model number and a booking stay codes.
    ("여권번호: P1234567A\n모델명: P1234567A\n예약번호 EA123456\n여권번호는 XG944027",
     [("passport", "P1234567A", FOREIGN, [FOREIGN, LD], []), ("passport", "XG944027", FOREIGN, [FOREIGN, LD], [])]),
    # A code column of a roster: a passport's shape under another header.
    ("Name | Room | Booking Ref\nJOHN SMITH | 1203 | K1234567B", []),
]
STATEMENTS = [
    ("거래일시\t출금액\t잔액\t상대계좌\t상대예금주\n2025-01-02 10:11\t10000\t500000\t110123456789\t홍길동",
     [("bank_account", "110123456789", "account.length", [CH], [])]),
    ("거래일자 | 출금 | 받는분 계좌\n2025-01-02 | 50000 | 3021234567891",
     [("bank_account", "3021234567891", "account.length", [CH], [])]),
    ("거래일자,내용,출금액,잔액,보낸분 계좌,보낸분\n2025.01.02,입금,0,30000,123-456789-01-234,이민호",
     [("bank_account", "123-456789-01-234", "account.length", [CH], [])]),
]

# A request or a notice between a label and its value, before a colon or an arrow: the label
# reads across it, another number's label too; without the mark it is prose, as before.
REQUESTS = [
    ("김민수: DOB 확인 부탁드려요: 1946.02.27",
     [("birth_date", "1946.02.27", "birth.yyyymmdd", [EL, RQ], [])]),
    ("[오후 4:31] 이영희: 계좌번호 전달드립니다 => 110-123-456789",
     [("bank_account", "110-123-456789", "account.length", [LD, RQ], [])]),
    ("박지훈: 생년월일 8자리 새로 받았어요 -> 1961/08/10",
     [("birth_date", "1961/08/10", "birth.separated_date", ["birth.separated_date", LD, RQ], [])]),
    ("주민번호는 변경 요청드립니다 ▶ 900101-1234568",
     [("resident", "900101-1234568", "resident.korean_13", [LD, RQ], [])]),
    ("주문번호 확인 부탁드려요: 2023120512345\n생년월일 확인 부탁드려요 1946.02.27", []),
]
# Ten bare digits whose check digit holds under a column of numbers a system issues (one such
# number in ten passes by chance); the column of business numbers beside them keeps its own.
# Cells parted by a comma and a space, three or more, are a table's.
ISSUED_COLUMNS = [
    ("교적번호, 성도명, 연락처, 사업자번호\n4102843587, 인서연, 010-9196-2311, 434-84-91572",
     [("phone", "010-9196-2311", "phone.mobile_11", [CH], []),
      ("business_registration", "434-84-91572", "business.10", [CH], [])]),
    ("고객ID\t성명\t연락처\n4102843587\t인서연\t010-9196-2311",
     [("phone", "010-9196-2311", "phone.mobile_11", [CH], [])]),
    ("user_no|name|mobile\n4102843587|인서연|010-9196-2311",
     [("phone", "010-9196-2311", "phone.mobile_11", [CH], [])]),
    # A column that names no one a number is issued to (번호 alone): read as before.
    ("번호,사업자번호,상호\n4102843587,4102843587,한빛상사",
     [("business_registration", "4102843587", "business.10", [], []),
      ("business_registration", "4102843587", "business.10", [CH], [])]),
    # A kind's column ends in 번호 too: its bare numbers stay what they read as.
    ("휴대폰번호,성명,비고\n0161234508,김민수,신규\n회원번호\t계좌번호\n1234567891\t1234567891",
     [("phone", "0161234508", "phone.mobile_10", [CH], []),
      ("bank_account", "1234567891", "account.length", [CH], [])]),
    # One comma and a space is prose: the line above names no column.
    ("서울, 부산에서 모입니다\n010-1234-5678, 4102843587",
     [("phone", "010-1234-5678", "phone.mobile_11", [], []),
      ("business_registration", "4102843587", "business.10", [], [])]),
]


@pytest.mark.parametrize("text, expected", PHONE_COLUMNS + PASSPORTS + STATEMENTS + REQUESTS + ISSUED_COLUMNS)
def test_values_named_by_columns_and_requests(text, expected):
    assert found(text, Config.thorough()) == expected
    assert_exact_and_reversible(text)


def test_the_default_settings_read_none_of_the_new_shapes():
    defaults = [found(text, Config()) for text, _ in PHONE_COLUMNS + PASSPORTS]
    assert defaults == [[], [], [], [("business_registration", "1098765432", "business.10", [], [])], [], [], []]
    # Under Config() the requests name nothing and every bare number that passes is reported.
    assert [found(text, Config()) for text, _ in REQUESTS] == [
        [], [], [], [("resident", "900101-1234568", "resident.korean_13", [], [])], []]
    assert [[f[1] for f in found(text, Config())] for text, _ in ISSUED_COLUMNS[:4]] == [
        ["4102843587", "010-9196-2311", "434-84-91572"], ["4102843587", "010-9196-2311"],
        ["4102843587", "010-9196-2311"], ["4102843587", "4102843587"]]


def test_masks_keep_the_look_alikes_of_a_roster():
    text = PHONE_COLUMNS[0][0]
    out = norvane.mask(text, PolicySet(Policy.tokenize()), Config.thorough())
    assert [a.entity for a in out.applied] == ["phone", "phone"]
    for look_alike in ("1023456789", "5512345678"):
        assert look_alike in out.text
    assert norvane.unmask(out.text, out.restore) == text
