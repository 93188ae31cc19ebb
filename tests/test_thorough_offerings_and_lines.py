"""The thorough mode on organisations' offerings, bills and lines: accounts a church, a temple or a
charity collects offerings and donations into (헌금, 감사헌금, 십일조, 보시, 시주, 후원, 기부금 계좌),
accounts the label gives to a company or to one bill (입금 계좌(회사), 납부 계좌(1회용), 일회용
계좌), offices' main lines (the T. after a signature's direct line, 담당 부서, a centre's or
an office's line in a staff message, 사무실 in a record or a log) and representative landlines. The
people's own values beside them stay: a member's refund or pay-in account, a giver's account, a
seller's proceeds and the price of goods asked into an account (대금 입금처), a worker's pay account, the signature's direct line, a workplace line in the
person's own record, mobiles, and a partner company's head's mobile under 대표. Each group compares
the whole outcome."""
import pytest

from thorough_checks import assert_thorough_outcome

# Offerings and donations collected by the organisation, in a staff chat, a bulletin, a form, a
# key=value list and a table; the member's, the giver's own accounts beside them stay values.
OFFERING_ACCOUNTS = [
    ('[10:12] 김은정 간사: 참고로 헌금 계좌 683-27-978702 입니다\n[10:13] 박지훈: 네 환급계좌는 신한 110-482-937120 로 해주세요',
     [('bank_account', '110-482-937120', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'683-27-978702': 'company_number'}),
    ('새빛교회 주보\n감사헌금 계좌: 하나 90111889837683\n새가족 최성호 집사 010-3385-2599',
     [('phone', '010-3385-2599', 'phone.mobile_11', [])],
     {'90111889837683': 'company_number'}),
    ('보광사 초파일 연등 접수\n보시 계좌 : 농협 351-1234-5678-13\n접수자 유영희 / 010-5624-3473',
     [('phone', '010-5624-3473', 'phone.mobile_11', [])],
     {'351-1234-5678-13': 'company_number'}),
    ('십일조 계좌=국민 173-557098-07263\n성도 입금계좌=수협 123-243-256930',
     [('bank_account', '123-243-256930', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'173-557098-07263': 'company_number'}),
    ('푸른나무재단 정기 후원 신청서\n후원 계좌 농협 524-469490-56-951\n후원자 용정희 연락처 010-2205-1210\n후원금 출금계좌 신한 2282-375-252178',
     [('phone', '010-2205-1210', 'phone.mobile_11', ['context.letter_distance']), ('bank_account', '2282-375-252178', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'524-469490-56-951': 'company_number'}),
    ('구분 | 계좌\n십일조 계좌 | 농협 222-0609-6015-30\n성도 환급계좌 | 대구 439254-75-989731',
     [('bank_account', '439254-75-989731', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'222-0609-6015-30': 'company_number'}),
    ('기부금 계좌 안내 / 우리 / 1005-803-123456\n후원자 계좌 국민 123401-04-567890',
     [('bank_account', '123401-04-567890', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'1005-803-123456': 'company_number'}),
]

# A company named as the owner in a bracket after 계좌, a one-time account for one bill; a worker's
# pay account stays a value.
COMPANY_AND_BILL_ACCOUNTS = [
    ('(주)한울극단 입금 계좌(회사) 359-910234-11307\n담당 방민재 대리 010-6474-5949',
     [('phone', '010-6474-5949', 'phone.mobile_11', [])],
     {'359-910234-11307': 'company_number'}),
    ('[입금 계좌(회사)] 756-21-0034561\n[급여 계좌] 수협 112-260970-17-474 (우재현)',
     [('bank_account', '112-260970-17-474', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'756-21-0034561': 'company_number'}),
    ('납부 계좌(1회용) 56209330331702\n납부 계좌(1회용)=27901234567890\n환불 계좌=하나 799-231557-89309',
     [('bank_account', '799-231557-89309', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {'56209330331702': 'company_number', '27901234567890': 'company_number'}),
    ('과태료 일회용 계좌 국민 90118161247083\n납부자 황성호 010-8333-5001',
     [('phone', '010-8333-5001', 'phone.mobile_11', [])],
     {'90118161247083': 'company_number'}),
]

# The price of goods asked into an account (대금 입금처, 대금 입금계좌, 양도대금 입금 계좌) stays a
# value, whoever asks it: a seller of a used car, a golf membership or a rented machine names their
# own account so as often as a maker or a franchise names its own, and the label alone cannot tell
# them apart.
PRICE_ACCOUNTS = [
    ('{"발주처": "새빛정밀", "대금 입금처": "733-910234-11307"}',
     [('bank_account', '733-910234-11307', 'account.length', ['context.letter_distance', 'context.extra_label'])],
     {}),
    ('가맹점 발주 안내\n※ 대금 입금처 : 신한 1014-223-456789\n※ 문의 김민수 과장 010-4452-1187',
     [('bank_account', '1014-223-456789', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.extra_label']),
      ('phone', '010-4452-1187', 'phone.mobile_11', [])],
     {}),
    ('중고 판매 대금 입금 계좌 대구 532-396191-97-970 (유민호)\n다온 대금 입금처: 신한 442-464-657660',
     [('bank_account', '532-396191-97-970', 'account.length', ['context.bank_name', 'context.extra_label']),
      ('bank_account', '442-464-657660', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.extra_label'])],
     {}),
    ('굴착기 임대 계약\n- 임대인 성명: 나동훈\n- 대금 입금계좌: 경남은행 207-0118-4432-05\n- 장비 번호: EX-2231',
     [('bank_account', '207-0118-4432-05', 'account.length', ['context.letter_distance', 'context.bank_name', 'context.extra_label'])],
     {}),
    ('콘도 회원권 양도 신청\n양도인: 최은정\n양도대금 입금 계좌 | 부산은행 112-2045-7781-03 |',
     [('bank_account', '112-2045-7781-03', 'account.length', ['context.letter_distance', 'context.bank_name', 'context.extra_label'])],
     {}),
]


# The line after a signature's direct line, a department's, a centre's or an office's line in a
# staff message, a record or a guard's log. A person named in the bracket after it makes it theirs,
# and a workplace line in the person's own record stays theirs. A label past a slash (/ T., / Tel.)
# names the next line, not the one before it.
OFFICE_LINES = [
    ('김민수 과장 | 영업팀\n직통 053-712-4455 / T. 042-830-1200',
     [('phone', '053-712-4455', 'phone.landline', ['context.extra_label'])],
     {'042-830-1200': 'company_number'}),
    ('Jiyoon Park | Manager\nDirect: 02-3412-7788 / T. 051-740-2200',
     [('phone', '02-3412-7788', 'phone.seoul', ['context.extra_label'])],
     {'051-740-2200': 'company_number'}),
    ('이수진 대리\n직통: 02-6677-1234 / Tel. 02-6677-1000 / Fax. 02-6677-1001',
     [('phone', '02-6677-1234', 'phone.seoul', ['context.extra_label'])],
     {'02-6677-1000': 'company_number'}),
    ('문의: 담당 부서 064-8700-8761\n신청인 임소희 010-4063-9066',
     [('phone', '010-4063-9066', 'phone.mobile_11', [])],
     {'064-8700-8761': 'company_number'}),
    ('문의: 담당 부서 064-8700-8761 (담당자 김하늘)',
     [('phone', '064-8700-8761', 'phone.landline', [])],
     {}),
    ('[10:02] 김지현 팀장: 센터 전화 053-3396-1263 확인하세요\n[10:03] 정우성: 제 번호는 010-9906-1123 입니다',
     [('phone', '010-9906-1123', 'phone.mobile_11', [])],
     {'053-3396-1263': 'company_number'}),
    ('박서준 주임: 사무실 053-744-1290 으로 전화주세요',
     [],
     {'053-744-1290': 'company_number'}),
    ('{"기관": "미래식품", "사무실": "031-8821-4400", "담당자": "왕윤서", "휴대폰": "010-2345-6789"}',
     [('phone', '010-2345-6789', 'phone.mobile_11', ['context.letter_distance'])],
     {'031-8821-4400': 'company_number'}),
    ('[근무일지] 방문객 문의, 사무실은(는) 053-744-1290 (으)로 안내했습니다\n근무자 이상철 010-5566-7788',
     [('phone', '010-5566-7788', 'phone.mobile_11', [])],
     {'053-744-1290': 'company_number'}),
    ('성명: 김철수\n직장 전화: 02-3412-7788\n휴대폰: 010-2345-6789',
     [('phone', '02-3412-7788', 'phone.seoul', ['context.letter_distance']), ('phone', '010-2345-6789', 'phone.mobile_11', ['context.letter_distance'])],
     {}),
]

# A mobile under a representative's label is the head's own; a landline or a 15xx number under
# 대표번호 or 대표 전화 stays the company's. (A bare 대표번호 before a landline is rejected by its
# negative cue, not vetoed: nothing is reported there either.)
REPRESENTATIVE_LINES = [
    ('협력사 대표 전화번호= 010-5274-8611\n협력사 대표번호= 02-5274-8600',
     [('phone', '010-5274-8611', 'phone.mobile_11', ['phone.mobile_under_other_word'])],
     {}),
    ('하도급 업체 대표 연락처: 010-7824-9251\n회사 대표전화: 1864-9671',
     [('phone', '010-7824-9251', 'phone.mobile_11', [])],
     {'1864-9671': 'company_number'}),
    ('미래식품 대표 전화 053.2821.8919\n대표 육철수 전화번호 010-7431-0119',
     [('phone', '010-7431-0119', 'phone.mobile_11', ['context.letter_distance'])],
     {'053.2821.8919': 'company_number'}),
]


DOCUMENTS = OFFERING_ACCOUNTS + COMPANY_AND_BILL_ACCOUNTS + PRICE_ACCOUNTS + OFFICE_LINES + REPRESENTATIVE_LINES


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_organisations_offerings_bills_and_lines_are_not_reported_and_the_peoples_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)
