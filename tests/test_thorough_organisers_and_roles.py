"""The thorough mode on organisers', charities' and companies' own numbers: the organiser's
account on an application form (참가비 입금 계좌(주최), (주관), 주최측 입금 계좌, host_account=,
organizer_account:), a charity's donation account (후원금 계좌, Charity account -, Donation
account:), a company's role mailboxes (tax@, admin@, contact@, invoice@ at its own domain, as a
form's contact or a recipient) and organisations' lines under a record's key (store=,
union_tel=, center_tel=) or named as an office's main line (마을 사무장 번호는 02-972-0114). The
people's own values beside them stay: refund and settlement accounts, a donor's account, a staff
member's address, mobiles, a home line. Each group compares the whole outcome."""
import pytest

from thorough_checks import assert_thorough_outcome

# The organiser's account on an application form, its export and its notice: (주최), (주관), 주최측,
# host_account=, organizer_account:. The applicant's own refund or settlement account stays a value.
ORGANISER_ACCOUNTS = [
    ('2026 전주 한옥 플리마켓 참가 신청서\n참가비 입금 계좌(주최): 농협 757338-41-225501\n참가자 윤서진 연락처 010-4821-7730\n환불 계좌: 국민 123456-01-234567',
     [('phone', '010-4821-7730', 'phone.mobile_11', ['context.letter_distance']), ('bank_account', '123456-01-234567', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'757338-41-225501': 'company_number'}),
    ('ㅇ 행사명\t도시농업 장터\nㅇ 참가비 입금 계좌(주최)\t073718-44-864462\nㅇ 신청인 정산 계좌\t신한 110-482-937120',
     [('bank_account', '110-482-937120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'073718-44-864462': 'company_number'}),
    ('host_account=5417-601-393892 host_mail=help@jeonju-fest.kr booth=B-12 seller=한지우',
     [],
     {'5417-601-393892': 'company_number', 'help@jeonju-fest.kr': 'company_number'}),
    ('[셀러 신청서] 동네 책 축제\n부스비 입금 계좌 (주관) : 토스뱅크 951903-89-326729\n셀러 주성호 정산 계좌 : 카카오뱅크 3333-04-5512873',
     [('bank_account', '3333-04-5512873', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'951903-89-326729': 'company_number'}),
    ('참가비는 주최측 입금 계좌 우리 1002-731-445120 로 보내주세요\n환불은 신청자 본인 계좌 하나 799-231557-89309 로 해드립니다',
     [('bank_account', '799-231557-89309', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'1002-731-445120': 'company_number'}),
    ('{"event": "가을 마라톤", "host_account": "478-47-379215", "entrant": "육시우", "refund_account": "561-594490-18-306"}',
     [('bank_account', '561-594490-18-306', 'account.length', ['context.extra_label'])],
     {'478-47-379215': 'company_number'}),
    ('organizer_account: 3089-541-963451\nentrant: 장건우\nrefund_account: 886-402880-14641',
     [('bank_account', '886-402880-14641', 'account.length', ['context.extra_label'])],
     {'3089-541-963451': 'company_number'}),
]

# A charity's or a welfare centre's donation account on a form or a bilingual receipt (후원금 계좌,
# Charity account -, Donation account:); the donor's own account stays a value.
DONATION_ACCOUNTS = [
    ('새봄종합사회복지관 경로식당 후원 신청서\n후원금 계좌 농협 987-791199-51331\n복지관 대표전화 031-555-0114\n후원자 김민수 휴대폰 010-2222-3333',
     [('phone', '010-2222-3333', 'phone.mobile_11', ['context.letter_distance'])],
     {'987-791199-51331': 'company_number', '031-555-0114': 'company_number'}),
    ('Donation Receipt / 기부금 영수증\nCharity account - 679-151257-45-268\nDonor: 정하린 / 010-7781-2290',
     [('phone', '010-7781-2290', 'phone.mobile_11', [])],
     {'679-151257-45-268': 'company_number'}),
    ('ㅇ Charity account\t076-151257-45-268\nㅇ Donor refund account\t수협 123-243-256930',
     [('bank_account', '123-243-256930', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'076-151257-45-268': 'company_number'}),
    ('Donation account: 부산 6747-10-0923719\nRefund account: 우체국 896-373-0047113\nDonor 기나연',
     [('bank_account', '896-373-0047113', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'6747-10-0923719': 'company_number'}),
    ('후원금 계좌 : 농협 987-791199-51331\n후원자 김철수 출금 계좌 : 국민 123456-01-234567',
     [('bank_account', '123456-01-234567', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'987-791199-51331': 'company_number'}),
]

# A company's role mailboxes (tax@, admin@, contact@, invoice@ at its own domain) under 문의 메일,
# 발급 문의, 채용 문의, a JSON record's contact and a recipient's label; the staff member's or the
# applicant's own address beside them (kim.help@gmail.com, taxi77@naver.com) stays a value.
ROLE_MAILBOXES = [
    ('미래농산 세금계산서 안내\n문의 메일: tax@mirae-agri.kr\n담당 한소영 대리 soyoung.han@mirae-agri.kr',
     [('email', 'soyoung.han@mirae-agri.kr', 'email.structural', [])],
     {'tax@mirae-agri.kr': 'company_number'}),
    ('세금계산서 발급 문의 admin@mirae-agri.kr\n담당자 오세훈 010-5512-3380',
     [('phone', '010-5512-3380', 'phone.mobile_11', [])],
     {'admin@mirae-agri.kr': 'company_number'}),
    ('[채용 공고] 한빛상사\nContact (채용 문의): contact@hanbit-corp.co.kr\n지원자 박도윤 / kim.help@gmail.com',
     [('email', 'kim.help@gmail.com', 'email.structural', [])],
     {'contact@hanbit-corp.co.kr': 'company_number'}),
    ('{"company": "다온푸드", "contact": "tax@daonfood.com", "manager_email": "jimin.kang@daonfood.com"}',
     [('email', 'jimin.kang@daonfood.com', 'email.structural', [])],
     {'tax@daonfood.com': 'company_number'}),
    ('받는사람: tax@mirae-agri.kr\n보낸사람: 이채원 chaewon.lee@mirae-agri.kr\n제목: 12월 세금계산서 재발급 요청',
     [('email', 'chaewon.lee@mirae-agri.kr', 'email.structural', [])],
     {'tax@mirae-agri.kr': 'company_number'}),
    ('To: invoice@onnuri.kr\nFrom: taxi77@naver.com\nSubject: 계산서 발행 요청',
     [('email', 'taxi77@naver.com', 'email.structural', [])],
     {'invoice@onnuri.kr': 'company_number'}),
]

# Organisations' lines under a record's keys (store=, union_tel=, center_tel=, shop_tel) and an
# office's main line (0114, 0000) named by its office's word in a message; a home line ending so
# stays a value.
KEYED_AND_NAMED_LINES = [
    ('booking=BK20261204 store=063-517-1639 price=45000 pg_tid=T88120455\ncustomer_phone=010-3612-1105',
     [('phone', '010-3612-1105', 'phone.mobile_11', ['context.log_key'])],
     {'20261204': 'look_alike', '063-517-1639': 'company_number', 'T88120455': 'look_alike'}),
    ('union=새봄노동조합 union_tel=063-791-0000\nmember=김하늘 member_phone=010-8841-2207',
     [('phone', '010-8841-2207', 'phone.mobile_11', ['context.log_key'])],
     {'063-791-0000': 'company_number'}),
    ('center_tel=031-631-0114 center_fax=031-631-0115\nstaff_mobile=010-2234-5566',
     [('phone', '010-2234-5566', 'phone.mobile_11', ['context.log_key'])],
     {'031-631-0114': 'company_number', '031-631-0115': 'company_number'}),
    ('{"branch": "강남점", "shop_tel": "02-517-1639", "manager": "김민수", "manager_phone": "010-9921-4410"}',
     [('phone', '010-9921-4410', 'phone.mobile_11', ['context.extra_label'])],
     {'02-517-1639': 'company_number'}),
    ('[14:02] 김하늘 호스트: 마을 사무장 번호는 02-972-0114 입니다\n[14:03] 김하늘 호스트: 제 번호는 010-3385-2599 이에요',
     [('phone', '010-3385-2599', 'phone.mobile_11', [])],
     {'02-972-0114': 'company_number'}),
    ('조합 사무실 전화는 063-791-0000 이에요.\n제 핸드폰은 010-2205-1210 입니다.',
     [('phone', '010-2205-1210', 'phone.mobile_11', ['context.letter_distance'])],
     {'063-791-0000': 'company_number'}),
    ('집 전화는 02-972-0114 입니다\n이장님 휴대폰 010-5624-3473',
     [('phone', '02-972-0114', 'phone.seoul', ['context.extra_label']), ('phone', '010-5624-3473', 'phone.mobile_11', ['context.letter_distance'])],
     {}),
]

# The people's own beside words of these readings: a person named on the organiser's line, an
# English label of one's own account, a person's landline ending 0114 under their name, a role's
# word inside a person's local part or at a mail service, a person's own pay-in account.
PEOPLES_OWN = [
    ('주최 측 담당 김민수 개인 계좌 국민 123456-01-234567 (김민수)',
     [('bank_account', '123456-01-234567', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
    ('My account: 신한 110-482-937120\nPersonal account - 국민 123456-01-234567',
     [('bank_account', '110-482-937120', 'account.length', ['context.bank_name', 'context.extra_label']), ('bank_account', '123456-01-234567', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('사무장 김철수 님 번호 02-972-0114',
     [('phone', '02-972-0114', 'phone.seoul', [])],
     {}),
    ('help.desk.kim@naver.com / tax@naver.com',
     [('email', 'help.desk.kim@naver.com', 'email.structural', []), ('email', 'tax@naver.com', 'email.structural', [])],
     {}),
    ('본인 입금 계좌: 하나 799-231557-89309',
     [('bank_account', '799-231557-89309', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('store manager 김민수 휴대폰 010-2222-3333',
     [('phone', '010-2222-3333', 'phone.mobile_11', ['context.letter_distance'])],
     {}),
]


DOCUMENTS = ORGANISER_ACCOUNTS + DONATION_ACCOUNTS + ROLE_MAILBOXES + KEYED_AND_NAMED_LINES + PEOPLES_OWN


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_organisers_charities_and_companies_numbers_are_not_reported_and_the_peoples_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)
