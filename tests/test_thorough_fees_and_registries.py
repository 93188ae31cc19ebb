"""The thorough mode on accounts a fee is paid into, accounts an apartment's body or an association
holds, and registries' numbers: an apartment's management fee account (관리비 계좌, 관리비
납부계좌, [관리비 납부계좌]), a collecting company's 수납 계좌 on an auto-debit form, a booking's
deposit account of a kids' cafe or a paragliding school (예약금 입금계좌), a hall's rent account; an
account whose holder named after 예금주 is an apartment's council, committee, office or a shopping
arcade's association, however long its name; a parish's, a care centre's, a school's or a club's
registry number, a letter glued to its ten digits or bare under its own label (교적번호, 관원번호).
The people's own values beside them stay: a household's refund and new debit accounts, a payer's
debit account, a club's dues account held by its treasurer (회비 계좌(총무)), a landlord's rent
account, a seller's 입금계좌, a fee account a person is named as holder of, an officer's own
account, a business's registration under its label, mobiles. Each group compares the whole
outcome."""
import pytest

from thorough_checks import assert_thorough_outcome

# The account a fee is paid into, named by the fee (or by 수납) right before 계좌 or 계좌번호, past
# 납부 or 입금, in a line, a table's row or a record's key: the office's, the collecting company's or
# the business's; the payer's own beside it stays, also in the record's next field.
FEE_ACCOUNTS = [
    ('한빛아파트 관리사무소 공지\n납부는 관리비 계좌 신한은행 110-669-656474 로 해주세요\n자동이체 세대는 새 출금계좌 국민 123401-04-567890 본인명의로 적어 주세요',
     [('bank_account', '123401-04-567890', 'account.length', ['context.bank_name', 'context.extra_label', 'context.letter_distance'])],
     {'110-669-656474': 'company_number'}),
    ('관리비 납부계좌: 대구은행 /760-41-672996-4\n102동 1203호 환불계좌: 하나 799-231557-89309 (예금주 김하늘)',
     [('bank_account', '799-231557-89309', 'account.length', ['context.bank_name', 'context.extra_label', 'context.trailing_label'])],
     {'760-41-672996-4': 'company_number'}),
    ('[관리비 납부계좌] 부산은행 112-2045-7781-03\n[세대 환불계좌] 우리 1002-483-927105 (박서준)\n문의 동대표 최민호 010-4452-1187',
     [('bank_account', '1002-483-927105', 'account.length', ['context.bank_name', 'context.extra_label']), ('phone', '010-4452-1187', 'phone.mobile_11', ['phone.mobile_under_other_word'])],
     {'112-2045-7781-03': 'company_number'}),
    ('CMS 자동이체 신청서\n* 수납 기관: 한빛정수기\n* 수납 계좌: NH농협 302-8362-8743-45\n* 출금 계좌: 신한 110-482-937120\n* 예금주: 이수진 / 연락처 010-2205-1210',
     [('bank_account', '110-482-937120', 'account.length', ['context.bank_name', 'context.extra_label']), ('phone', '010-2205-1210', 'phone.mobile_11', ['context.letter_distance', 'phone.mobile_among_accounts'])],
     {'302-8362-8743-45': 'company_number'}),
    ('■ 수납  계좌 = 신한은행 140-012-345678\n■ 납부자 출금계좌 = 농협 352-0918-2231-43 (본인명의)',
     [('bank_account', '352-0918-2231-43', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'140-012-345678': 'company_number'}),
    ('뽀로로 키즈카페 단체 예약 안내\n예약금 입금계좌 IBK기업/131-625782-97-020\n예약자 정유나 010-3385-2599',
     [('phone', '010-3385-2599', 'phone.mobile_11', [])],
     {'131-625782-97-020': 'company_number'}),
    ('[하늘패러글라이딩] 체험 예약 확정\n입금은 예약금 입금계좌 SC제일: 123-45-678901 로 부탁드려요\n취소 시 환불계좌 토스뱅크 1000-2345-6789 로 돌려드립니다',
     [('bank_account', '1000-2345-6789', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'123-45-678901': 'company_number'}),
    ('체육관 대관료 입금 계좌 - 우리 1005-803-123456\n보증금 반환 계좌 - 기업 058-338888-01-958 (한지민)',
     [('bank_account', '058-338888-01-958', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'1005-803-123456': 'company_number'}),
    ('관리비 납부 계좌번호: 신한 110-669-656474\n관리비 자동이체 계좌 국민 123401-04-567890 (예금주 김하늘)',
     [('bank_account', '123401-04-567890', 'account.length', ['context.bank_name', 'context.extra_label', 'context.trailing_label'])],
     {'110-669-656474': 'company_number'}),
    ('구분 | 은행 | 계좌\n관리비 납부 계좌 | 신한 | 110-669-656474\n세대 환불 계좌 | 국민 | 123401-04-567890',
     [('bank_account', '123401-04-567890', 'account.length', ['context.bank_name', 'context.column_header', 'context.extra_label', 'context.header_past_other_cells'])],
     {'110-669-656474': 'company_number'}),
    ('{"관리비 납부계좌": "110-669-656474", "환불계좌": "123401-04-567890"}',
     [('bank_account', '123401-04-567890', 'account.length', ['context.extra_label'])],
     {'110-669-656474': 'company_number'}),
]

# The same forms' people's accounts: a club's dues to its treasurer, a landlord's rent, a seller's
# 입금계좌, a fee account whose holder is named as a person.
PEOPLES_ACCOUNTS = [
    ('새벽 조기축구회 회비 계좌(총무) 부산 7614-14-6063700\n문의 총무 기연우 010-2430-7348',
     [('bank_account', '7614-14-6063700', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.compound_label']), ('phone', '010-2430-7348', 'phone.mobile_11', [])],
     {}),
    ('월세 납부 계좌 우체국 5386-20-0834873 (임대인 공서연)',
     [('bank_account', '5386-20-0834873', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('중고 자전거 입금계좌 카카오뱅크 3333-01-2345678\n판매자 010-5624-3473',
     [('bank_account', '3333-01-2345678', 'account.length', ['context.bank_name', 'context.extra_label']), ('phone', '010-5624-3473', 'phone.mobile_11', [])],
     {}),
    ('수강료 납부 계좌 신한 110-234-567890 (예금주 김민정)',
     [('bank_account', '110-234-567890', 'account.length', ['context.bank_name', 'context.extra_label', 'context.trailing_label'])],
     {}),    # The holder's phrase ends with its bracket or its sentence: an office named later on the line
    # is not the holder.
    ('심사료 입금 계좌 농협 679 8705 2234 95 (예금주 안순자) 확인. 일정은 학과 사무실에서 안내합니다.',
     [('bank_account', '679 8705 2234 95', 'account.length', ['context.bank_name', 'context.extra_label', 'context.trailing_label'])],
     {}),
    ('심사료 입금 계좌 농협 679-8705-2234-95 예금주 안순자. 문의는 학과 사무실로',
     [('bank_account', '679-8705-2234-95', 'account.length', ['context.bank_name', 'context.extra_label', 'context.trailing_label'])],
     {}),
]

# Holders an apartment's body, an association, an arcade's association or a building's management
# body (관리단, 관리주체): the organisation's, read to the end of the holder's name; an officer's own
# account beside it stays.
BODIES_AS_HOLDERS = [
    ('햇살마을 노인회 알림\n노인회 계좌: 신한 110-499-317489 (예금주: 햇살마을 입주자대표회의)\n노인회장 서정호 010-5769-7030',
     [('phone', '010-5769-7030', 'phone.mobile_11', [])],
     {'110-499-317489': 'company_number'}),
    ('관리비 계좌 = IBK기업: 131-625782-97-020 (예금주: 햇살마을 입주자대표회의)',
     [],
     {'131-625782-97-020': 'company_number'}),
    ('경로당 운영비 계좌 농협 351-1234-5678-13 (예금주 힐스테이트 운영위원회)\n총무 강철수 개인 계좌 국민 173-557098-07263',
     [('bank_account', '173-557098-07263', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'351-1234-5678-13': 'company_number'}),
    ('주민 행사 찬조금 계좌: 대구 764020-99-111064 / 예금주: 아이파크아파트 관리사무소',
     [],
     {'764020-99-111064': 'company_number'}),
    ('상가 공용관리비 계좌 하나 018-986761-08-845 (예금주: 더샵상가 번영회)\n점주 여혜진 010-8526-3049',
     [('phone', '010-8526-3049', 'phone.mobile_11', [])],
     {'018-986761-08-845': 'company_number'}),
    ('노인회 총무 계좌 우리 1002-771-482913 (예금주 박영자)',
     [('bank_account', '1002-771-482913', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.trailing_label'])],
     {}),
    ('공용 관리비 계좌 신한 110-669-656474 (예금주: 한빛프라자 관리단)',
     [],
     {'110-669-656474': 'company_number'}),
    ('수선충당금 계좌: 국민 123401-04-567890 / 예금주 햇살마을아파트 관리주체',
     [],
     {'123401-04-567890': 'company_number'}),
]

# A registry's letter glued to ten digits, and registries' numbers under their own labels, are no
# business numbers; a business's number under its label stays.
REGISTRY_NUMBERS = [
    ('천주교 수원교구 영통성당 교적 확인서\n교적번호 A3578345658\n성명 현보람 / 연락처 010-4470-9018',
     [('phone', '010-4470-9018', 'phone.mobile_11', ['context.letter_distance'])],
     {'3578345658': 'look_alike'}),
    ('송파구 치매안심센터 이용자 현황\n성명 | 등록번호 | 보호자 연락처\n김영자 | A8996937942 | 010-2234-5678\n이말순 | K2208147726 | 010-8333-5001',
     [('phone', '010-2234-5678', 'phone.mobile_11', ['context.column_header']), ('phone', '010-8333-5001', 'phone.mobile_11', ['context.column_header'])],
     {'8996937942': 'look_alike', '2208147726': 'look_alike'}),
    ('교적번호 2026-304442\n세례명 요셉 / 최동훈 010-6474-5949',
     [('phone', '010-6474-5949', 'phone.mobile_11', [])],
     {'2026-304442': 'look_alike'}),
    ('용인 태권도장 관원 명부\n관원번호 5700251638 조보람 학부모 010-8856-4790',
     [('phone', '010-8856-4790', 'phone.mobile_11', [])],
     {'5700251638': 'look_alike'}),
    ('별빛공방 사업자등록번호 220-81-62517\n사업자번호 1248100998 (다온 피아노학원)',
     [('business_registration', '220-81-62517', 'business.10', ['context.letter_distance']), ('business_registration', '1248100998', 'business.10', ['context.letter_distance'])],
     {}),
    ('회원번호: M4126540655 / 연락처 010-3238-5363',
     [('phone', '010-3238-5363', 'phone.mobile_11', ['context.letter_distance'])],
     {'4126540655': 'look_alike'}),
]


DOCUMENTS = FEE_ACCOUNTS + PEOPLES_ACCOUNTS + BODIES_AS_HOLDERS + REGISTRY_NUMBERS


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_fee_accounts_bodies_and_registries_are_not_reported_and_the_peoples_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)
