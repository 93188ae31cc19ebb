"""The thorough mode on offices' lines in persons' rows and on the accounts organisations are paid
into by their label. An office's label right before a landline (접수처, 사무실 전화, 안내데스크,
사무국 전화, 본원) or its column's header names the line, in a row holding a person's
registration number as on a line with no person; a hospital's or a school's main office (본원)
names its line in forms, tables and transcripts. An account under a column headed by its owner
(성당 계좌, 공방 계좌, 모임 통장), under 회비 입금처, given by a call centre's agent to pay into, or
under a bare 입금 계좌 a notice asks its readers to note is the organisation's. Beside each, the
persons' own lines and accounts written with the same words (직장 전화, 자택, 보호자 연락처, 환불
계좌, 총무 계좌, a named holder, a customer's account read back, a friend's 입금계좌) stay values.
Each case compares the whole outcome."""
import pytest
from hypothesis import HealthCheck, example, given, settings
from hypothesis import strategies as st

from thorough_checks import assert_exact_and_reversible, assert_thorough_outcome

# An office's label nearest the landline in a row holding a person's registration number: the
# office's line, in a numbered roster, a form's □ fields, a CSV row and a bracket after it.
OFFICES_IN_PERSONS_ROWS = [
    ('1) 홍*동 외국인등록증번호 900101-5123456 접수처 043-384-6000',
     [('foreigner_registration', '900101-5123456', 'resident.recent', ['resident.recent', 'context.letter_distance', 'context.compound_label'])],
     {'043-384-6000': 'company_number'}),
    ('2) 김민수 외국인등록번호 900101-5123456 사무실 전화 032-776-0114',
     [('foreigner_registration', '900101-5123456', 'resident.recent', ['resident.recent', 'context.letter_distance'])],
     {'032-776-0114': 'company_number'}),
    ('3) 박지훈 주민등록번호 900101-1234568 연락처 010-2345-6789 안내데스크 02-3410-2000',
     [('resident', '900101-1234568', 'resident.korean_13', ['context.letter_distance']), ('phone', '010-2345-6789', 'phone.mobile_11', ['context.letter_distance'])],
     {'02-3410-2000': 'company_number'}),
    ('4) 이영희 900101-2******, 학부모 연락처 010-3456-7890, 사무국 전화 064-710-3000',
     [('resident', '900101-2******', 'resident.korean_13', []), ('phone', '010-3456-7890', 'phone.mobile_11', ['context.letter_distance'])],
     {'064-710-3000': 'company_number'}),
    ('번호,이름,외국인등록번호,연락처,접수처\n1,응우옌반안,900101-5123456,010-2345-6789,043-384-6000',
     [('foreigner_registration', '900101-5123456', 'resident.recent', ['resident.recent', 'context.column_header']), ('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header'])],
     {'043-384-6000': 'company_number'}),
    ('5) 최수진 외국인등록증 900101-6123456 / 본원: 031-787-7114',
     [('foreigner_registration', '900101-6123456', 'resident.recent', ['resident.recent', 'context.letter_distance'])],
     {'031-787-7114': 'company_number'}),
    ('□ 성명: 홍길동 □ 외국인등록번호: 900101-5123456 □ 접수처: 043-384-6000',
     [('foreigner_registration', '900101-5123456', 'resident.recent', ['resident.recent', 'context.letter_distance'])],
     {'043-384-6000': 'company_number'}),
    ('1) 홍*동 외국인등록번호 900101-5123456 043-384-6000(접수처)',
     [('foreigner_registration', '900101-5123456', 'resident.recent', ['resident.recent', 'context.letter_distance'])],
     {'043-384-6000': 'company_number'}),
]

# The person's own lines in the same rows: their workplace, their home, their guardian, a name
# ending as a unit's word does (김민국), a workplace in a cell of its own, an office's column
# beside a name's.
PERSONS_OWN_LINES_IN_ROWS = [
    ('1) 홍길동 900101-1234568 직장 전화 02-555-1234',
     [('resident', '900101-1234568', 'resident.korean_13', []), ('phone', '02-555-1234', 'phone.seoul', ['context.letter_distance'])],
     {}),
    ('2) 김민국 900101-1234568 연락처 031-555-1234',
     [('resident', '900101-1234568', 'resident.korean_13', []), ('phone', '031-555-1234', 'phone.landline', ['context.letter_distance'])],
     {}),
    ('3) 이영희 외국인등록번호 900101-5123456 근무처 전화 031-555-1234',
     [('foreigner_registration', '900101-5123456', 'resident.recent', ['resident.recent', 'context.letter_distance']), ('phone', '031-555-1234', 'phone.landline', ['context.letter_distance'])],
     {}),
    ('4) 박서준 900101-1234568 보호자 연락처 02-555-1234',
     [('resident', '900101-1234568', 'resident.korean_13', []), ('phone', '02-555-1234', 'phone.seoul', ['context.letter_distance'])],
     {}),
    ('1 | 김철수 | 900101-1234568 | 행복복지관 | 031-123-4567',
     [('resident', '900101-1234568', 'resident.korean_13', []), ('phone', '031-123-4567', 'phone.landline', [])],
     {}),
    ('1) 홍길동 900101-1234568 연락처 02-555-1234 (자택)',
     [('resident', '900101-1234568', 'resident.korean_13', []), ('phone', '02-555-1234', 'phone.seoul', ['context.letter_distance', 'context.trailing_label'])],
     {}),
    ('이름,주민번호,사무실 전화\n홍길동,900101-1234568,02-555-1234',
     [('resident', '900101-1234568', 'resident.korean_13', ['context.column_header']), ('phone', '02-555-1234', 'phone.seoul', ['context.column_header'])],
     {}),
    ('이름\t외국인등록번호\t직장 전화\n응우옌반안\t900101-5123456\t031-555-1234',
     [('foreigner_registration', '900101-5123456', 'resident.recent', ['resident.recent', 'context.column_header']), ('phone', '031-555-1234', 'phone.landline', ['context.column_header'])],
     {}),
]

# 본원 before its line, set off by a form's marks, in a table's cell or column and in a
# transcript; a nurse's own mobile under it stays hers.
MAIN_OFFICE = [
    ('본원 031-787-7114',
     [],
     {'031-787-7114': 'company_number'}),
    ('본원: 031-787-7114\n담당 간호사 김하나 010-2345-6789',
     [('phone', '010-2345-6789', 'phone.mobile_11', [])],
     {'031-787-7114': 'company_number'}),
    ('〔본원〕 031-787-7114',
     [],
     {'031-787-7114': 'company_number'}),
    ('| 본원 | 031-787-7114 |',
     [],
     {'031-787-7114': 'company_number'}),
    ('본원\t031-787-7114',
     [],
     {'031-787-7114': 'company_number'}),
    ('1) 홍*동 학부모 연락처 010-2345-6789 본원 031-787-7114',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.letter_distance'])],
     {'031-787-7114': 'company_number'}),
    ('| 성명 | 연락처 | 본원 |\n|---|---|---|\n| 홍길동 | 010-2345-6789 | 031-787-7114 |',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header'])],
     {'031-787-7114': 'company_number'}),
    ('이름,연락처,본원\n홍길동,010-2345-6789,031-787-7114',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header'])],
     {'031-787-7114': 'company_number'}),
    ('상담원: 본원 031-787-7114 로 전화 주시면 됩니다',
     [],
     {'031-787-7114': 'company_number'}),
]

# A column headed by the organisation's account: each row's account in it is that organisation's.
ORGANISATIONS_ACCOUNT_COLUMNS = [
    ('이름,연락처,모임 통장\n홍길동,010-2345-6789,3333-01-2345678',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header'])],
     {'3333-01-2345678': 'company_number'}),
    ('이름;연락처;공방 계좌\n홍길동;010-2345-6789;110-482-339120',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header'])],
     {'110-482-339120': 'company_number'}),
    ('이름\t연락처\t성당 계좌\n홍길동\t010-2345-6789\t302-1234-5678-91',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header'])],
     {'302-1234-5678-91': 'company_number'}),
    ('| 이름 | 모임 통장 |\n|---|---|\n| 홍길동 | 3333-01-2345678 |',
     [],
     {'3333-01-2345678': 'company_number'}),
    ('이름\t연락처\t회비 입금처\n홍길동\t010-2345-6789\t3333-01-2345678',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header'])],
     {'3333-01-2345678': 'company_number'}),
]

# Columns of persons' accounts beside them (환불, 총무, 보호자, 입금 계좌), a registration number
# on the row and a holder's name after the account.
PERSONS_ACCOUNT_COLUMNS = [
    ('이름,연락처,환불 계좌\n홍길동,010-2345-6789,110-482-339120',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header']), ('bank_account', '110-482-339120', 'account.length', ['context.column_header'])],
     {}),
    ('이름,연락처,총무 계좌\n홍길동,010-2345-6789,110-482-339120',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header']), ('bank_account', '110-482-339120', 'account.length', ['context.column_header'])],
     {}),
    ('이름,연락처,보호자 계좌\n홍길동,010-2345-6789,110-482-339120',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header']), ('bank_account', '110-482-339120', 'account.length', ['context.column_header'])],
     {}),
    ('이름,주민번호,성당 계좌\n홍길동,900101-1234568,110-482-339120',
     [('resident', '900101-1234568', 'resident.korean_13', ['context.column_header']), ('bank_account', '110-482-339120', 'account.length', ['context.column_header'])],
     {}),
    ('이름,연락처,입금 계좌\n홍길동,010-2345-6789,110-482-339120',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header']), ('bank_account', '110-482-339120', 'account.length', ['context.column_header'])],
     {}),
    ('이름,연락처,공방 계좌\n홍길동,010-2345-6789,110-482-339120 (김하늘)',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.column_header']), ('bank_account', '110-482-339120', 'account.length', ['context.column_header'])],
     {}),
]

# Where members pay their dues, in a form's line, a community post and a roster's field.
DUES_PLACES = [
    ('회비 입금처: 카카오뱅크 3333-01-2345678',
     [],
     {'3333-01-2345678': 'company_number'}),
    ('회원님들~ 이번 달 회비 입금처는 카카오뱅크 3333-01-2345678 이에요',
     [],
     {'3333-01-2345678': 'company_number'}),
    ('1) 홍*동 연락처 010-2345-6789 연회비 입금처 카카오뱅크 3333-01-2345678',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.letter_distance', 'phone.mobile_among_accounts'])],
     {'3333-01-2345678': 'company_number'}),
]

# Dues paid into an officer's own account, a holder's name after it, a refund, a contract's
# deposit (whose depends on the paper).
DUES_PLACES_OF_PERSONS = [
    ('회비 입금처: 총무 김영희 카카오뱅크 3333-01-2345678',
     [('bank_account', '3333-01-2345678', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.extra_label'])],
     {}),
    ('회비 입금처: 카카오뱅크 3333-01-2345678 (총무)',
     [('bank_account', '3333-01-2345678', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.extra_label'])],
     {}),
    ('회비 입금처: 카카오뱅크 3333-01-2345678 (김영희)',
     [('bank_account', '3333-01-2345678', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.extra_label'])],
     {}),
    ('회비 환불받을 계좌: 카카오뱅크 3333-01-2345678',
     [('bank_account', '3333-01-2345678', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('계약금 입금처: 카카오뱅크 3333-01-2345678',
     [('bank_account', '3333-01-2345678', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.extra_label'])],
     {}),
]

# A call centre's agent giving the account to pay into; a notice asking its readers to note it
# or to pay into it.
PAY_INS_ASKED_BY_ORGANISATIONS = [
    ('상담원: 입금 계좌 신협 1234-56-789012 입니다',
     [],
     {'1234-56-789012': 'company_number'}),
    ('[10:02] 상담사 김하나: 납부하실 계좌는 국민 123456-01-234567 입니다. 입금 확인 후 연락드릴게요',
     [],
     {'123456-01-234567': 'company_number'}),
    ('[공지] 6월 정기 모임\n- 일시: 6월 14일\n- 입금 계좌 NH농협은행 302-1234-5678-91 참고해 주세요',
     [],
     {'302-1234-5678-91': 'company_number'}),
    ('입금 계좌: 신한 110-482-339120 로 입금 바랍니다',
     [],
     {'110-482-339120': 'company_number'}),
    ('입금 계좌 신한 110-482-339120 참고 바랍니다',
     [],
     {'110-482-339120': 'company_number'}),
]

# A customer's account read back, a refund, an account only checked, a customer's own, a reply
# asked for, a holder named, the writer's own, a friend speaking in a chat.
PAY_INS_OF_PERSONS = [
    ('상담원: 고객님 입금 계좌 신한 110-482-339120 맞으신가요?',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('상담원: 환불 입금 계좌 신한 110-482-339120 로 처리됐습니다',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label', 'context.letter_distance'])],
     {}),
    ('상담원: 등록된 계좌 신한 110-482-339120 확인됩니다',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('고객: 입금 계좌 신한 110-482-339120 입니다',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('입금 계좌 신한 110-482-339120 로 회신 부탁드립니다',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('입금 계좌 신한 110-482-339120 참고해 주세요 (예금주 김하늘)',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label', 'context.trailing_label'])],
     {}),
    ('제 입금 계좌 신한 110-482-339120 참고해 주세요',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('민수: 입금 계좌 신한 110-482-339120 참고해',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('[오전 10:09] 시우: 967-655-691234(입금계좌) 로 보내줘',
     [('bank_account', '967-655-691234', 'account.length', ['context.trailing_label'])],
     {}),
]

DOCUMENTS = (OFFICES_IN_PERSONS_ROWS + PERSONS_OWN_LINES_IN_ROWS + MAIN_OFFICE +
             ORGANISATIONS_ACCOUNT_COLUMNS + PERSONS_ACCOUNT_COLUMNS + DUES_PLACES +
             DUES_PLACES_OF_PERSONS + PAY_INS_ASKED_BY_ORGANISATIONS + PAY_INS_OF_PERSONS)


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_offices_lines_and_organisations_pay_in_accounts_and_the_persons_beside_them(text, expected,
                                                                                      vetoed):
    assert_thorough_outcome(text, expected, vetoed)


# Pieces of the rows, columns, agents' lines and notices above, broken and joined at random.
PIECES = ["1) ", "홍*동 ", "외국인등록번호 ", "900101-5123456", "900101-2******", " 접수처 ", "본원",
          "〔", "〕", "□ ", "(", ")", "043-384-6000", "02-3410-2000", "사무국 전화 ", "상담원: ",
          "입금 계좌 ", "입금처", "회비 ", "총무", "모임 통장", "성당 계좌", "신협 ", "110-482-339120",
          " 참고해 주세요", " 입금 바랍니다", ",", "\t", ";", "|", "\n", ":", " ", "😀", "\x00"]


@settings(max_examples=200, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.lists(st.one_of(st.sampled_from(PIECES), st.text(max_size=4)), max_size=14).map("".join))
# A letter glued to an office's label: the word before the number starts with no syllable.
@example("900101-5123456A사무국 전화 043-384-6000")
def test_any_row_column_or_notice_is_sliced_exactly_and_masks_reversibly(text):
    assert_exact_and_reversible(text)
