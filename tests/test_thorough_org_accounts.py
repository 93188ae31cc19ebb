"""The thorough mode on organisations' accounts: virtual accounts and the payer's dedicated
collection accounts (가상계좌, 납부용, 전용 입금계좌, also letter-spaced by a scan, in chats and in
a table's column), accounts whose label names an organisation as their owner (회사 계좌 in a chat
after the speaker's title, 법인계좌, 장학재단, 협회, 재단, 성당, 선교회, 교회 헌금계좌, a row's first
cell) and machine keys naming the organisation's account (payee_account, sponsor_account,
donation_account, corp_account, company_account, virtual_account). Each group compares the whole
outcome; the payers' own accounts beside them (환불계좌, 출금계좌, 자동이체 계좌, 입금계좌, 본인
계좌, account, acct, refund_acct, account_no, payout_account) stay values."""
import pytest

from thorough_checks import assert_thorough_outcome

ORG = "company_number"


def account(number, extensions):
    return ("bank_account", number, "account.length", extensions)


def mobile(number, extensions):
    return ("phone", number, "phone.mobile_11", extensions)


# A virtual account or a dedicated collection account, however its label is written: the
# organisation's; the refund, withdrawal, automatic-payment and pay-in accounts stay the person's.
COLLECTION_ACCOUNTS = [
    ('[한빛몰] 주문 접수 안내\n가상계좌: 신한 56207214425226\n입금기한 12월 14일 23:59',
     [],
     {'56207214425226': ORG}),
    ('수강료는 납부용 가상계좌는 국민 90118100029498입니다\n환불계좌 우리 1002-345-678901 (예금주 김하늘)',
     [account('1002-345-678901', ['context.bank_name', 'context.extra_label', 'context.trailing_label'])],
     {'90118100029498': ORG}),
    ('전용 입금계좌 / 기업 / 90111098909268\n입금자명: 진다은 / 연락처 010-5697-7223',
     [mobile('010-5697-7223', ['context.letter_distance', 'phone.mobile_among_accounts'])],
     {'90111098909268': ORG}),
    ('전 용   입 금 계 좌 : 27205098794565\n예 금 주 : 소담공방',
     [],
     {'27205098794565': ORG}),
    ('가상계좌번호 농협 3393-24-4122040\n자동이체 계좌 하나 463-529-177844 로 변경 가능',
     [account('463-529-177844', ['context.bank_name', 'context.extra_label'])],
     {'3393-24-4122040': ORG}),
    ('[14:02] 상담원 박지영: 참고로 전용 입금계좌 56207214425226 로 안내드려요\n'
     '[14:03] 고객: 환불은 제 계좌 카카오뱅크 3333-01-2345678 로 부탁드려요',
     [account('3333-01-2345678', ['context.bank_name', 'context.letter_distance'])],
     {'56207214425226': ORG}),
    ('주문번호 | 은행 | 가상계좌 | 입금액\nORD20251234 | 국민 | 26801716529426 | 30,000원',
     [],
     {'26801716529426': ORG}),
    ('가상 계좌 토스뱅크 56204612723399 (입금자명 마은비)\n출금계좌 우체국 123-671818-00-891',
     [account('123-671818-00-891', ['context.bank_name', 'context.extra_label'])],
     {'56204612723399': ORG}),
]

# The label on the line above, the account's line holding a bank's name at most; a line of its
# own label (환불계좌, 제 계좌는) keeps the person's account theirs.
COLLECTION_ACCOUNTS_A_LINE_BELOW = [
    ('결제하실 가상계좌 안내드립니다.\n국민 56207214425226 (예금주 한빛몰)',
     [],
     {'56207214425226': ORG}),
    ('가상계좌\n56207214425226\n입금자 홍길동 01023456789',
     [mobile('01023456789', ['phone.mobile_among_accounts'])],
     {'56207214425226': ORG}),
    ('가상계좌 안내\n환불계좌 신한 110-123-456789',
     [account('110-123-456789', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('가상계좌로 입금하셨나요?\n네 제 계좌는\n110-123-456789',
     [account('110-123-456789', ['context.label_line'])],
     {}),
]

# 입금계좌 alone is the account a person is paid into, and a virtual asset exchange's account is the
# person's: values.
PERSONS_ACCOUNTS = [
    ('입금계좌: 신한 110-123-456789 (홍길동)',
     [account('110-123-456789', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('가상자산 거래소 계좌 국민 123456-01-234567',
     [account('123456-01-234567', ['context.bank_name', 'context.letter_distance'])],
     {}),
]

# The word right before 계좌 names an organisation: after a chat speaker's title or 고객님, letter-
# spaced, in a row's first cell. The speaker's own account on the next line stays a value.
OWNED_ACCOUNTS = [
    ('[09:29] 설은지 과장: 참고로 회사 계좌 740-209769-96120 로 안내드려요\n'
     '[09:31] 서민재: 네 제 개인 계좌는 국민 254-582-6974639 입니다',
     [account('254-582-6974639', ['context.bank_name', 'context.letter_distance'])],
     {'740-209769-96120': ORG}),
    ('고객님, 회사 계좌 기업 633525-95-639979 로 보내주시면 확인 후 발송됩니다.',
     [],
     {'633525-95-639979': ORG}),
    ('법인계좌 기업 534-80-752178\n대표 김민수 휴대폰 010-8523-1194',
     [mobile('010-8523-1194', ['context.letter_distance'])],
     {'534-80-752178': ORG}),
    ('장학재단 계좌 농협 324536-48-207106\n장학생 이은비 환불계좌 신한 110-482-339120',
     [account('110-482-339120', ['context.bank_name', 'context.extra_label'])],
     {'324536-48-207106': ORG}),
    ('협회 계좌: 새마을금고 9002-1234-5678-1\n재단 후원계좌 하나 171-899215-79135\n'
     '성당 후원계좌 기업 6324-261-329426\n선교회 계좌 우리 1002-845-123456',
     [],
     {'9002-1234-5678-1': ORG, '171-899215-79135': ORG, '6324-261-329426': ORG, '1002-845-123456': ORG}),
    ('교 회   헌 금 계 좌 : 110-123-456789\n성 명 : 김민수',
     [],
     {'110-123-456789': ORG}),
    ('구분 | 은행 | 계좌\n회사 계좌 | 기업 | 534-80-752178\n본인 계좌 | 우체국 | 749-415-299801',
     [account('749-415-299801', ['context.bank_name', 'context.column_header', 'context.header_past_other_cells'])],
     {'534-80-752178': ORG}),
]

# Keys naming the organisation's account, beside the person's own keys on the same record.
ACCOUNT_KEYS = [
    ('{"order": "ORD1234", "payee_account": "1101234567890", "account": "2201234567891"}',
     [account('2201234567891', ['context.extra_label'])],
     {'1101234567890': ORG}),
    ('sponsor_account=1101234567890&donor=Minji Kim&acct=2201234567891',
     [account('2201234567891', ['context.log_key'])],
     {'1101234567890': ORG}),
    ('donation_account: "1101234567890"\npayout_account: "2201234567891"',
     [account('2201234567891', ['context.extra_label'])],
     {'1101234567890': ORG}),
    ('{"corp_account": "1101234567890", "refund_acct": "2201234567891"}',
     [account('2201234567891', ['context.extra_label'])],
     {'1101234567890': ORG}),
    ('09:12 INFO settle company_account=1101234567890 account_no=2201234567891',
     [account('2201234567891', ['context.log_key'])],
     {'1101234567890': ORG}),
    ('"virtual_account":"56207214425226","payoutAccount":"2201234567891"',
     [account('2201234567891', ['context.extra_label', 'context.key_words'])],
     {'56207214425226': ORG}),
    # vaccount names no account the label walk knows: the number is read as nothing at all.
    ('GET /pay/notify?vaccount=56207214425226&bank_account=2201234567891&amt=30000',
     [account('2201234567891', ['context.log_key'])],
     {}),
]

# A key's words joined by _, - or . alike (as the label walk reads a key): org_account,
# company-acct and corp.account name the organisation's account; the person's keys beside them
# (acct, refund-acct, customer.account) stay values.
JOINED_KEYS = [
    ('org_account=1101234567890&acct=2201234567891',
     [account('2201234567891', ['context.log_key'])],
     {'1101234567890': ORG}),
    ('company-acct: 1101234567890\nrefund-acct: 2201234567891',
     [account('2201234567891', ['context.extra_label'])],
     {'1101234567890': ORG}),
    ('corp.account=1101234567890 customer.account=2201234567891',
     [account('2201234567891', ['context.log_key'])],
     {'1101234567890': ORG}),
    ('organization.account: 1101234567890',
     [],
     {'1101234567890': ORG}),
]

DOCUMENTS = (COLLECTION_ACCOUNTS + COLLECTION_ACCOUNTS_A_LINE_BELOW + PERSONS_ACCOUNTS + OWNED_ACCOUNTS + ACCOUNT_KEYS
             + JOINED_KEYS)


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_organisations_accounts_are_not_reported_and_the_payers_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)

