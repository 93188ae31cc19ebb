"""The thorough mode on the banks an account is kept at. Every bank that keeps personal deposits,
written by its short name, its full name, its letters or with its branch (산림조합, 신용협동조합, 축협,
케뱅, HSBC, 키움 CMA, 국민은행 강남지점), is the bank the account is kept at and never its owner; an
organisation's account kept at one stays the organisation's. Each case compares the whole
outcome."""
import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config
from thorough_checks import assert_thorough_outcome

# A bank's name before a person's account, however it is written: the account is found, with the
# bank's name as its context; read apart, 종합 계좌 is no 합계.
BANKS = [
    ('계좌는 산림조합 618-9436-5217-92 예요',
     [('bank_account', '618-9436-5217-92', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('산림조합 계좌 618-9436-5217-92 로 보내주세요',
     [('bank_account', '618-9436-5217-92', 'account.length', ['context.letter_distance', 'context.bank_name', 'context.trailing_label'])],
     {}),
    ('환불계좌: 신용협동조합 131-012-345678',
     [('bank_account', '131-012-345678', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('급여계좌 농업협동조합 302-1234-5678-91',
     [('bank_account', '302-1234-5678-91', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('환불계좌: 축협 351-0987-6543-21',
     [('bank_account', '351-0987-6543-21', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('환불계좌 케뱅 100-123-456789',
     [('bank_account', '100-123-456789', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('환불계좌 HSBC 123-456789-012',
     [('bank_account', '123-456789-012', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('급여계좌 키움 CMA 5512-3456-7890',
     [('bank_account', '5512-3456-7890', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('키움증권 종합 계좌 5512-3456-7891',
     [('bank_account', '5512-3456-7891', 'account.length', ['context.letter_distance', 'context.bank_name'])],
     {}),
    ('국민은행 강남지점 계좌 123456-01-234567',
     [('bank_account', '123456-01-234567', 'account.length', ['context.letter_distance', 'context.bank_name'])],
     {}),
    ('계좌번호 신한은행 역삼지점 110-482-339120',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('새마을금고 본점 계좌 9002-1234-5678-1',
     [('bank_account', '9002-1234-5678-1', 'account.length', ['context.letter_distance', 'context.bank_name'])],
     {}),
]

# The same banks holding an organisation's account: the organisation named before its account word
# or collecting into it keeps it its own; the look-alike's word itself still vetoes.
BANKS_OF_ORGANISATIONS = [
    ('산악회 계좌: 산림조합 618-9436-5217-92',
     [],
     {'618-9436-5217-92': 'company_number'}),
    ('산림조합 후원 계좌 618-9436-5217-93',
     [],
     {'618-9436-5217-93': 'company_number'}),
    ('한빛교회 계좌 국민은행 강남지점 123456-01-234567',
     [],
     {'123456-01-234567': 'company_number'}),
    ('합계 110-482-339120',
     [],
     {'110-482-339120': 'look_alike'}),
]

DOCUMENTS = BANKS + BANKS_OF_ORGANISATIONS


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_banks_and_the_accounts_kept_at_them(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


# Bank names a person writes their account's bank with, the cooperatives' full names among them,
# before, with or without a branch: whatever the label, the account stays the person's.
BANK_NAMES = ["산림조합", "신용협동조합", "농업협동조합", "축산업협동조합", "수산업협동조합", "축협",
              "농협", "수협", "신협", "새마을금고", "케뱅", "카카오뱅크", "국민은행", "저축은행"]
PERSONS_LABELS = ["환불계좌", "입금계좌", "급여계좌", "계좌번호", "제 계좌는"]
BRANCHES = ["", " 강남지점", " 본점", " 역삼출장소"]


@settings(max_examples=150, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.sampled_from(PERSONS_LABELS), st.sampled_from(BANK_NAMES), st.sampled_from(BRANCHES),
       st.sampled_from(["", ":", " 계좌"]))
def test_a_banks_name_never_owns_a_persons_account(label, bank, branch, between):
    text = f"{label} {bank}{branch}{between} 302-1234-5678-91"
    found = [(f.entity, f.text(text)) for f in norvane.detect(text, Config.thorough()).findings]
    assert found == [("bank_account", "302-1234-5678-91")]
