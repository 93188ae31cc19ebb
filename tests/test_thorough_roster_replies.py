"""The thorough mode on a group chat's roster thread: the organiser asks for names, birth dates and
phones, and each member replies on one line after their speaker's name, giving a person's name
first and the date bare, before or after the phone, in any shape (1981.10.11, 86.08.27, 19721101,
890926, 1980-12-27, 1941. 1. 24., 36년 4월 14일). Dates in replies to a request that asks for no
birth date, below the organiser's thanks, or of this year and the last stay unreported. Each group
compares the whole outcome."""
import pytest

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible, birth, found_thorough, phone

ROSTER = "birth.roster_row"


REPLIES = [
    # The speaker's colon, then the name; the date after the phone, before it, after a comma. A
    # reply a hand-written header's slash already reads keeps that reading.
    ("회장: 명단 정리하게 이름, 생년월일, 휴대폰 남겨주세요~\n설남준: 함상철 010 4859 6589 / 1981.10.11\n"
     "안슬기: 손순이 1980-12-27 / 휴대폰 01030093370\n소정숙: 연혜원 010-2694-0105, 19721101\n"
     "회장: 감사합니다~ 회비는 총무 계좌로 부탁드려요. 모임은 2025.12.20 토요일",
     [phone("010 4859 6589"), birth("1981.10.11", "birth.yyyymmdd", "context.announced_header"),
      birth("1980-12-27", "birth.yyyymmdd", ROSTER), phone("01030093370", "context.letter_distance"),
      phone("010-2694-0105"), birth("19721101", "birth.yyyymmdd", ROSTER)]),
    # A request with no word for the people; masked phones, a short year in Korean words, dots
    # with spaces, a remark between the replies.
    ("총무: 보험 가입용으로 생년월일 필요해요\n신덕배: 권태민 010-****-3330, 890926\n"
     "소덕배: 홍나래 36년 4월 14일 / 010-3158-1078\n안가람: 천로제 1941. 1. 24. / 010 4888 9704\n"
     "윤상훈: 저도 곧 올릴게요\n박영숙: 박영숙 010 2222 3333 / 1940년 4월 7일",
     [phone("010-****-3330"), birth("890926", "birth.yymmdd", "context.previous_line"),
      birth("36년 4월 14일", "birth.korean_date", "birth.korean_date", ROSTER), phone("010-3158-1078"),
      birth("1941. 1. 24", "birth.separated_date", "birth.separated_date", ROSTER),
      phone("010 4888 9704"), phone("010 2222 3333"),
      birth("1940년 4월 7일", "birth.korean_date", "birth.korean_date", ROSTER)]),
    # A phone's export (date, time, speaker and " : ") and a messenger's bracketed stamps.
    ("2025. 11. 3. 오후 8:12, 총무 : 송년회 명단 정리하게 참가자 생년월일, 연락처 남겨주세요\n"
     "2025. 11. 3. 오후 8:15, 김민지 : 김민지 010-1234-5678 / 86.08.27\n"
     "[간사] [오후 9:01] 수련회 선수 생년월일 댓글로 부탁드려요\n[홍길동] [오후 9:03] 이서준 19900412, 010-2345-6789",
     [phone("010-1234-5678"), birth("86.08.27", "birth.yymmdd", ROSTER),
      birth("19900412", "birth.yyyymmdd", "context.question_line"), phone("010-2345-6789")]),
]
# A request for phones only; a reply below the organiser's thanks; a date of this year or the
# last after a name (a meeting's, a deposit's).
NOT_BIRTHS = [
    ("회장: 이번 모임 명단 정리합니다. 참석자 연락처 남겨주세요\n김민지: 김민지 010-1234-5678 / 2024.05.04\n"
     "이서준: 이서준 19850505 참석",
     [phone("010-1234-5678", "context.question_line")]),
    ("총무: 생년월일 남겨주세요\n홍길동: 홍길동 19800101\n총무: 감사합니다 다음 모임 안내드려요\n"
     "김민수: 김민수 2025.12.20 참석합니다\n이서연: 이서연 19920105 입금했어요",
     [birth("19800101", "birth.yyyymmdd", "context.question_line")]),
    ("코치: 선수 생년월일 적어주세요\n김하준: 저도 곧 올릴게요\n김하준: 회비 2025.10.01 입금했어요\n"
     "이도윤: 이도윤 2025.11.02", []),
]


@pytest.mark.parametrize("text, expected", REPLIES + NOT_BIRTHS)
def test_roster_replies_in_a_group_chat(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)


def test_roster_replies_are_read_with_the_structure_family_only():
    c = Config.thorough()
    c.structure = False
    for text, _ in REPLIES:
        assert all(ROSTER not in f.evidence.extensions for f in norvane.detect(text, c).findings)
    assert all(norvane.detect(text).findings == norvane.detect(text, Config()).findings
               for text, _ in REPLIES)


PASSPORT_ANSWERS = [
    # The older shape given as an answer a message or two under the request, which gives its
    # writer's own in the current shape; a reply further down is no answer.
    ("김하늘: 항공권 발권하려면 여권번호 필요하대요. 제 건 S052K4863 입니다\n"
     "송가람: 저는 S03666465요. 영문이름 SONG GARAM\n이도윤: M12345678 이에요\n박민지: 제 건 R87654321 입니다",
     [("passport", "S052K4863", "passport.current", ["passport.current", "context.letter_distance"]),
      ("passport", "S03666465", "passport.shape", ["passport.answered_in_chat"]),
      ("passport", "M12345678", "passport.shape", ["passport.answered_in_chat"])]),
    ("총무: 단체 비자 신청하게 여권번호 올려주세요\n김민지: 네 010-1234-5678 로 연락주세요\n최하늘: 전 M70011223요",
     [("phone", "010-1234-5678", "phone.mobile_11", ["context.trailing_label"]),
      ("passport", "M70011223", "passport.shape", ["passport.answered_in_chat"])]),
    # The same answer under an order's request is no passport.
    ("주문번호 알려주세요\n저는 A12345678요", []),
]


@pytest.mark.parametrize("text, expected", PASSPORT_ANSWERS)
def test_passports_answered_in_a_chat(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)
