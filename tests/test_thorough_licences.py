"""The thorough mode on driver licences whose region code the rules do not know (27, 29, 30 ...:
codes change as regions are split or added): under a licence's label (a column's header, a key,
a form's label, a sentence's 운전면허) they are licences whatever their first two digits, in
their groups, spaced, dotted or unbroken; numbers of the same shape under an order's, a parcel's
or a serial's label, an account grouped as a licence and the shape without a label stay what
they were. Each group compares the whole outcome."""
import norvane
import pytest

from thorough_checks import assert_exact_and_reversible, found_thorough

ANY, HEADER, LOG_KEY = "license.any_region", "context.column_header", "context.log_key"
DISTANCE, EL = "context.letter_distance", "context.extra_label"

UNDER_LABELS = [
    # A volunteer list's header names the column; a known code beside it keeps its old rule.
    ("이름\t운전면허번호(배달 차량)\t연락처\n정하린\t27-41-208193-66\t010-7781-2034\n"
     "오세훈\t12-05-771920-31\t010-4410-9921",
     [("driver_license", "27-41-208193-66", ANY, [ANY, HEADER]),
      ("phone", "010-7781-2034", "phone.mobile_11", [HEADER]),
      ("driver_license", "12-05-771920-31", "license.12", [HEADER]),
      ("phone", "010-4410-9921", "phone.mobile_11", [HEADER])]),
    ("업체명 | 대표 | 운전면허 | 차량\n소담반찬 | 윤미래 | 27-63-550182-09 | 34나 7788",
     [("driver_license", "27-63-550182-09", ANY, [ANY, HEADER])]),
    # A company car's log as CSV, the twelve digits unbroken.
    ("일자,차량번호,운전자,운전면허번호,목적지\n12/03,56다 9012,한지성,303311472905,본사",
     [("driver_license", "303311472905", ANY, [ANY, HEADER])]),
    # Keys; the parcel's number of a licence's length under its own key stays unread.
    ("license=27-55-381720-14 | mobile=010-3321-8890",
     [("driver_license", "27-55-381720-14", ANY, [ANY, LOG_KEY]),
      ("phone", "010-3321-8890", "phone.mobile_11", [LOG_KEY])]),
    ('{"driver": "Kim Minsu", "licenseNo": "29-08-661204-73", "trackingNo": "612047781234"}',
     [("driver_license", "29-08-661204-73", ANY, [ANY, LOG_KEY])]),
    # Forms' labels, Korean and English.
    ("□ 국제운전면허 발급용 면허번호: 27-02-447719-30",
     [("driver_license", "27-02-447719-30", ANY, [ANY, DISTANCE, "context.compound_label"])]),
    ("▶ 운전면허 Driver licence:35-11-902344-81",
     [("driver_license", "35-11-902344-81", ANY, [ANY, EL, DISTANCE])]),
    ("▶ Driver licence no.\t277366181470", [("driver_license", "277366181470", ANY, [ANY, EL])]),
    # A sentence's 운전면허, the groups spaced; dotted groups under a label are no version.
    ("신분증에 운전면허 27 18 530917 44 있어요",
     [("driver_license", "27 18 530917 44", ANY, [ANY, DISTANCE])]),
    ("운전면허 : 33.72.936846.31 (1종보통)",
     [("driver_license", "33.72.936846.31", ANY, [ANY, DISTANCE, "context.trailing_label"])]),
]
# An identity check's 실명번호 names whichever number the person has.
IDENTITY_AND_SCANS = [
    ("법인카드 발급 신청\n사용자 채시우 · 실명번호 16-41-756415-69",
     [("driver_license", "16-41-756415-69", "license.12", [EL])]),
    ("실명번호 27-41-756415-69", [("driver_license", "27-41-756415-69", ANY, [ANY, EL])]),
    ("실명번호 880101-1234568", [("resident", "880101-1234568", "resident.korean_13", [EL])]),
]
# The same shapes under other labels or none: an order's, a parcel's and a serial's numbers stay
# unreported, an account stays an account.
OTHER_LABELS = [
    ("주문번호 27-30-517654-52 출고 예정입니다", []),
    ("송장번호: 277366181470", []),
    ("Serial no. 27.29.690528.85", []),
    ("27-30-517654-52 접수 완료", []),
    ("11-30-517654-52 접수 완료", []),
    ("환불 계좌 하나 27-42-756950-22",
     [("bank_account", "27-42-756950-22", "account.length", ["context.bank_name", EL])]),
]


@pytest.mark.parametrize("text,expected", UNDER_LABELS + IDENTITY_AND_SCANS + OTHER_LABELS)
def test_licences_of_any_region_under_their_labels(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)


# Config() is frozen: it reads no licence of these (no column header, key or English label, and
# no code it does not know), and a spaced licence's middle stays the phone it read.
DEFAULT_FINDINGS = [
    [("phone", "010-7781-2034"), ("phone", "010-4410-9921")], [], [], [("phone", "010-3321-8890")], [], [], [],
    [], [("phone", "18 530917")], [],
]


def test_the_default_setting_stays_as_it_was():
    assert [[(f.entity, f.text(t)) for f in norvane.detect(t, norvane.Config()).findings]
            for t, _ in UNDER_LABELS] == DEFAULT_FINDINGS
