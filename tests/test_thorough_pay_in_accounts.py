"""The thorough mode on the accounts organisations give to be paid into. An organisation, a club or
a studio speaking in a chat (새벽FC:, 댄스 아카데미 :, [14:02] 하늘요가:) gives its own account to pay
into, and a community and a fund hold theirs; beside each, the person's own account written with
the same words (its officer, 제 계좌, 환불 계좌, 예금주 김하늘, 목사님, a mobile number as the account)
stays a value. Each case compares the whole outcome."""
import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

from thorough_checks import assert_exact_and_reversible, assert_thorough_outcome

# A chat's speaker that is a club, a studio, an academy or a church, giving the account to pay
# into, in the ways a chat's export writes the speaker.
SPEAKERS = [
    ('새벽FC: 회비 계좌 신한 110-482-339120 으로 안내드려요',
     [],
     {'110-482-339120': 'company_number'}),
    ('댄스 아카데미 : 회비 계좌: 신한 110-482-339121',
     [],
     {'110-482-339121': 'company_number'}),
    ('[14:02] 하늘요가: 이번 달 수업료 입금 계좌 국민 123456-01-234567 입니다',
     [],
     {'123456-01-234567': 'company_number'}),
    ('[새벽FC] 회비 계좌 신한 110-482-339122',
     [],
     {'110-482-339122': 'company_number'}),
    ('한빛교회: 이번 주 헌금은 아래 계좌로 부탁드립니다 농협 302-1234-5678-91',
     [],
     {'302-1234-5678-91': 'company_number'}),
]

# The persons beside them: a refund paid out, the club's officer speaking or named after the
# number, the writer's own account, a member asking, a holder named, a pastor, a mobile number
# given as the account, and the next speaker's own account.
SPEAKERS_PERSONS = [
    ('새벽FC: 환불 계좌 신한 110-482-339120 으로 보내드렸어요',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('새벽FC 총무: 회비 계좌 신한 110-482-339120 으로 안내드려요',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('새벽FC: 회비는 제 계좌로 보내주세요 신한 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label', 'context.letter_distance'])],
     {}),
    ('새벽FC: 회비 계좌 신한 110-482-339120 (총무 김영희)',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('민수: 회비 계좌 신한 110-482-339120 으로 보내줘',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('민지: 새벽FC 회비 계좌 신한 110-482-339120 맞지?',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('하늘요가: 고객님 환불 계좌 국민 123456-01-234567 로 입금했습니다',
     [('bank_account', '123456-01-234567', 'account.length', ['context.bank_name', 'context.extra_label', 'context.trailing_label'])],
     {}),
    ('하늘요가: 수강료 입금 계좌 국민 123456-01-234567 (예금주 김하늘)',
     [('bank_account', '123456-01-234567', 'account.length', ['context.bank_name', 'context.extra_label', 'context.trailing_label'])],
     {}),
    ('한빛교회: 목사님 계좌 농협 302-1234-5678-91',
     [('bank_account', '302-1234-5678-91', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('새벽FC: 회비 계좌 카카오뱅크 010-1234-5678',
     [('bank_account', '010-1234-5678', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('댄스 아카데미 : 회비 계좌: 신한 110-482-339121\n김민수: 제 계좌는 국민 123456-01-234567 입니다',
     [('bank_account', '123456-01-234567', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'110-482-339121': 'company_number'}),
]

# A community and a fund (a school's, a scholarship's): the account named by its owner or its
# collection is the organisation's.
OWNERS = [
    ('공동체 계좌 신한 110-482-339120',
     [],
     {'110-482-339120': 'company_number'}),
    ('학교발전기금 계좌 농협 324536-48-207106',
     [],
     {'324536-48-207106': 'company_number'}),
    ('장학기금 계좌 농협 302-1234-5678-91',
     [],
     {'302-1234-5678-91': 'company_number'}),
]

# A person's own account next to the same words: dues with nobody collecting named, a refund, the
# holder's own name, a deposit returned, a customer's pay-in account, the writer's own.
PERSONS = [
    ('회비 계좌 우리은행 6215-109-729667',
     [('bank_account', '6215-109-729667', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('회비 환불받을 제 계좌 신한 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('환불 계좌 신한 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('계좌(본인 명의) 신한 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.compound_label'])],
     {}),
    ('보증금 환불 계좌 신한 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('입금계좌 신한 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('교회 행사비는 제 계좌로 보내주세요: 신한 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label', 'context.letter_distance'])],
     {}),
]

# Speakers' marks broken or misplaced, and a form's label before its colon (a bank named there is no
# speaker): no speaker, no veto, no crash. A club named before its dues account without a speaker
# is a notice's clause: the club's account.
HOSTILE_SPEAKERS = [
    ('입금계좌 산림조합: 302-1234-5678-91',
     [('bank_account', '302-1234-5678-91', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('계좌 산림조합: 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('[새벽FC 회비 계좌 신한 110-482-339120',
     [],
     {'110-482-339120': 'company_number'}),
    (': 회비 계좌 신한 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('[]] 회비 계좌 신한 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('[[[[ : : 새벽FC:회비 계좌 신한 110-482-339120',
     [],
     {'110-482-339120': 'company_number'}),
]

DOCUMENTS = SPEAKERS + SPEAKERS_PERSONS + OWNERS + PERSONS + HOSTILE_SPEAKERS


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_organisations_pay_in_accounts_and_the_persons_beside_them(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


SPEAKER_PIECES = ["[", "]", "[14:02] ", ":", ": ", " : ", "새벽FC", "댄스 아카데미", "하늘요가", "총무",
                  "회비 계좌 ", "제 계좌 ", "환불 ", "신한 ", "산림조합 ", "강남지점 ", "110-482-339120",
                  "(김영희)", "\n", " ", "합 계좌 ", "😀", "\x00"]


@settings(max_examples=200, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.lists(st.one_of(st.sampled_from(SPEAKER_PIECES), st.text(max_size=4)), max_size=12).map("".join))
def test_any_speakers_line_is_sliced_exactly_and_masks_reversibly(text):
    assert_exact_and_reversible(text)
