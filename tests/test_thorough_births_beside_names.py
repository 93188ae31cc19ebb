"""The thorough mode on birth dates written beside a person's name with no label: in brackets right
after the name (a title or a role around it, or a relation's word opening the bracket), in every
date shape; a roster thread's rows under or over the post that asks for names and birth dates; and
identity numbers under a label that names no kind (실명확인번호, 본인확인 번호), whose shape says
the kind. Events' dates in brackets after words that name no one, rows of a list that asks for no
birth date, and codes under a verification's words stay unreported. Each group compares the whole
outcome."""
import pytest

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible, birth, found_thorough

BRACKET = "birth.bracket_after_person"
ROSTER = "birth.roster_row"
EXTRA = "context.extra_label"


BRACKETS = [
    # A bare name, then a role before a name, a relation's word in the bracket, a comma's item.
    ("팀원: 손미경(010328), 전가은(외국인, 950817)\n팀장 김도현 010-2345-6789",
     [birth("010328", "birth.yymmdd", BRACKET), birth("950817", "birth.yymmdd", BRACKET),
      ("phone", "010-2345-6789", "phone.mobile_11", [])]),
    # Day first; the use's start in brackets after a word that names no one is no birth date.
    ("공동이용자: 전도윤 (18/02/1982)\n이용 개시 (2025.03.02)",
     [birth("18/02/1982", "birth.separated_date", "birth.separated_date", BRACKET)]),
    ("소리샘보청기 방문 메모: 도정우 어르신 (1946년 2월 23일) 좌측 청력 저하",
     [birth("1946년 2월 23일", "birth.korean_date", "birth.korean_date", BRACKET)]),
    ("환자 변윤서 (1962-10-16) / 차트번호 10234",
     [birth("1962-10-16", "birth.yyyymmdd", BRACKET)]),
    ("가족관계: 배우자 김영희 (650302), 자녀 박서준 (2004.05.17)",
     [birth("650302", "birth.yymmdd", BRACKET), birth("2004.05.17", "birth.yyyymmdd", BRACKET)]),
    # A surname of two syllables, a title attached; dots with spaces and a short year.
    ("피보험자 황보석진님 (1971. 4. 9.) 보험 개시 (2025. 1. 1.)",
     [birth("1971. 4. 9", "birth.separated_date", "birth.separated_date", BRACKET)]),
    ("예약자 문태윤(62.10.16) 외 1명", [birth("62.10.16", "birth.yymmdd", BRACKET)]),
    ("성윤서 참석 (배우자 441216)", [birth("441216", "birth.yymmdd", BRACKET)]),
    # Full-width and square brackets; other items before the date in its bracket; a look-alike's
    # word after the bracket names another number.
    ("입주자 명단\n홍길동（1990.01.01）, 김영희 [1988-07-21]",
     [birth("1990.01.01", "birth.yyyymmdd", BRACKET), birth("1988-07-21", "birth.yyyymmdd", BRACKET)]),
    ("고객명 : 김민지 (Tel 010-2222-3333, 1988.05.05)",
     [("phone", "010-2222-3333", "phone.mobile_11", ["context.extra_label"]),
      birth("1988.05.05", "birth.yyyymmdd", BRACKET)]),
    ("동행자 천민수 씨 (1980.4.24) 항공권 같이 발권 부탁드립니다",
     [birth("1980.4.24", "birth.separated_date", "birth.separated_date", BRACKET)]),
    # A child's date beside a child's word.
    ("원생 김하은 (2021.03.05) 햇님반\n(자녀 2015.03.02)",
     [birth("2021.03.05", "birth.yyyymmdd", BRACKET), birth("2015.03.02", "birth.yyyymmdd", BRACKET)]),
    # A birth's mark opening the bracket, bare or with a dot or a colon, in an intake note: the
    # mark is the short label 생 right before the date.
    ("피해자 성로제(생 1984. 7. 3.) 경찰 연계로 내방\n상담 대상 김민지 (생 1986년 1월 6일) 1차 상담\n"
     "김철수(생. 1975.3.2) 보호자 동행, 최하늘(생: 890926)",
     [birth("1984. 7. 3", "birth.separated_date", "birth.separated_date", EXTRA),
      birth("1986년 1월 6일", "birth.korean_date", "birth.korean_date", EXTRA),
      birth("1975.3.2", "birth.separated_date", "birth.separated_date", EXTRA),
      birth("890926", "birth.yymmdd", EXTRA)]),
]
# Dates in brackets that are no one's birth: after an event's or an organisation's word (a word
# that begins with a surname's syllable included: 송년회, 설립, 이용일), an age that disagrees, a
# visit's date after a title, a look-alike's label inside the bracket, a recent day beside a grown
# person's title or role.
NOT_BIRTHS = [
    "한빛산악회 (창립 1989년)\n송년회 (2025.12.20)\n설립 (1989.05.01)\n정기총회 (2025.03.14)",
    "대상자 박영희 (1955.01.02, 40세)",
    "담당 김민수 과장 (2025.11.03 방문)",
    "홍길동 (계약일, 2024.01.05)",
    "이용일 (1990.03.02) 확인",
    "김민수 님 (2025.03.02) 방문 예정\n김민수 고객님(2023.11.02) 상담 요청\n(배우자 2019.01.01)",
    # A word that ends in the birth's syllable (발생) is no birth's mark.
    "화재 (발생 2025.03.02) 이후 임시 거주\n누수 (발생: 2024.11.02)",
]


@pytest.mark.parametrize("text, expected", BRACKETS)
def test_a_date_in_brackets_after_a_person(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)


@pytest.mark.parametrize("text", NOT_BIRTHS)
def test_events_dates_in_brackets_stay_unreported(text):
    assert found_thorough(text) == []


ROSTERS = [
    # The request above the replies; a reply the question's line already labels keeps its reading.
    ("여행자보험 가입 위해 댓글로 성함·생년월일 남겨주세요\n└ 윤광수 710702 참석합니다\n└ 김민지 850302\n"
     "└ 이서준 20100412 저도 갑니다~",
     [birth("710702", "birth.yymmdd", "context.question_line"), birth("850302", "birth.yymmdd", ROSTER),
      birth("20100412", "birth.yyyymmdd", ROSTER)]),
    # Numbered rows, spaced or slashed.
    ("명단: 이름 / 생년월일 / 연락처\n3. 허재현 750309 010-4606-2487\n1. 선예은 / 19561231 / 01008795943",
     [birth("750309", "birth.yymmdd", "context.previous_line"),
      ("phone", "010-4606-2487", "phone.mobile_11", ["context.previous_line"]),
      birth("19561231", "birth.yyyymmdd", ROSTER), ("phone", "01008795943", "phone.mobile_11", [])]),
    # The request in the post's body below its comments; the spouse's date in brackets.
    ("성윤서 19560805 부부 참석 (배우자 441216)\n강민호 880214 참석\n---\n"
     "[본문] 단체 여행자보험 가입합니다. 댓글로 성함, 생년월일 부탁드려요.",
     [birth("19560805", "birth.yyyymmdd", ROSTER), birth("441216", "birth.yymmdd", BRACKET),
      birth("880214", "birth.yymmdd", ROSTER)]),
]
# Rows after a name whose list asks for no birth date: a deposit's day, an event's.
NO_REQUEST = [
    ("1. 김민수 20240105 입금\n2. 이서연 20240107 입금\n회비 입금 명단입니다", []),
    ("행사 참가 명단 (이름, 연락처)\n1. 김민수 20240105 010-1234-5678",
     [("phone", "010-1234-5678", "phone.mobile_11", ["context.previous_line"])]),
]


@pytest.mark.parametrize("text, expected", ROSTERS + NO_REQUEST)
def test_roster_replies_under_or_over_the_request(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)


def test_roster_rows_are_read_with_the_structure_family():
    text, _ = ROSTERS[0]
    c = Config.thorough()
    c.structure = False
    rules = [f.evidence.extensions for f in norvane.detect(text, c).findings]
    assert all(ROSTER not in r for r in rules)


IDENTITY_CHECKS = [
    ("실명확인번호: R56920970\n실명확인번호 | M20918907\n본인확인 번호: 900101-1234568\n"
     "신분증 번호 11-23-456789-01",
     [("passport", "R56920970", "passport.shape", ["context.extra_label"]),
      ("passport", "M20918907", "passport.shape", ["context.extra_label"]),
      ("resident", "900101-1234568", "resident.korean_13", ["context.extra_label"]),
      ("driver_license", "11-23-456789-01", "license.12", ["context.extra_label"])]),
    # A one-time code under a verification's words has no identity number's shape.
    ("[Web발신] 본인확인 인증번호 [482913] 타인 노출 금지", []),
]


@pytest.mark.parametrize("text, expected", IDENTITY_CHECKS)
def test_identity_check_labels_that_name_no_kind(text, expected):
    assert found_thorough(text) == expected
