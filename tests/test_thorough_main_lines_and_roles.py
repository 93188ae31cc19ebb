"""The thorough mode on organisations' main lines and role mailboxes: an office's own line under a
record's or a form's key that says so (office=, office="...", office_main_phone=, "office_tel":,
main_phone=, Office Main Phone:, a form's tab), a business's or a unit's line named by what it is
(도장 전화 -, 관광버스 회사:, 연회장, (식당 ...), 부대 행정반:, 대리점:, 터미널 =), both numbered as
offices number their main lines (0000, 1000, 9200, 1114 ...), and role mailboxes at an
organisation's own domain (ask@, dpo@, question@, counsel@). The people's own values beside them
stay: a person's keys on the same record, a person's line under the place's word, a home line
ending 1000, an office key's line not numbered so, addresses beginning with a role's word. Each
group compares the whole outcome."""
import pytest

from thorough_checks import assert_masks_hide_values_and_keep_look_alikes, assert_thorough_outcome

# An office's own line under a key that says so, in logs, exports and bilingual forms; a person's
# keys on the same record (hp=, mobile=, contact=, tel=, phone=, office_manager_mobile=) stay values.
OFFICE_KEYS = [
    ('ts=2026-12-03T10:22 org=한빛교육 office="055-9689-0000" hp=010-2231-4455 name=김민수',
     [('phone', '010-2231-4455', 'phone.mobile_11', ['context.log_key'])],
     {'2026-12-03': 'look_alike', '055-9689-0000': 'company_number'}),
    ('office=042-7767-0000 contact=010-3312-8890 manager=박서연',
     [('phone', '010-3312-8890', 'phone.mobile_11', ['context.extra_label'])],
     {'042-7767-0000': 'company_number'}),
    ('office_main_phone=032-3734-2000|hp=010-5512-3380|applicant=이도윤',
     [('phone', '010-5512-3380', 'phone.mobile_11', ['context.log_key'])],
     {'032-3734-2000': 'company_number'}),
    ('{"org": "새봄복지재단", "office_tel": "02-3421-1000", "contact_name": "정하린", "phone": "010-2222-3333"}',
     [('phone', '010-2222-3333', 'phone.mobile_11', ['context.extra_label'])],
     {'02-3421-1000': 'company_number'}),
    ('main_phone=031-883-2000 mobile=010-4412-7781 tel=02-871-5523',
     [('phone', '010-4412-7781', 'phone.mobile_11', ['context.log_key']), ('phone', '02-871-5523', 'phone.seoul', ['context.log_key'])],
     {'031-883-2000': 'company_number'}),
    ('[다온스포츠 지원 신청서]\nOffice Main Phone: 052-8099-1000\n신청인 최지민 / Mobile: 010-7781-2290',
     [('phone', '010-7781-2290', 'phone.mobile_11', ['context.extra_label'])],
     {'052-8099-1000': 'company_number'}),
    ('학생지원팀 (Office Main Phone) : 052-809-1000\n담당자 한소영 휴대폰 : 010-5624-3473',
     [('phone', '010-5624-3473', 'phone.mobile_11', ['context.letter_distance'])],
     {'052-809-1000': 'company_number'}),
    ('Office Main Phone / 학생지원팀\t052-809-1000\nApplicant / 신청인\t윤서진\t010-4821-7730',
     [('phone', '010-4821-7730', 'phone.mobile_11', [])],
     {'052-809-1000': 'company_number'}),
    ('office_manager_mobile=010-3321-5566 office=02-555-0000 branch=강남',
     [('phone', '010-3321-5566', 'phone.mobile_11', ['context.log_key'])],
     {'02-555-0000': 'company_number'}),
    ('OFFICE=063-791-9900;CONTACT=010-8841-2207;REP=김하늘',
     [('phone', '010-8841-2207', 'phone.mobile_11', ['context.extra_label'])],
     {'063-791-9900': 'company_number'}),
]

# A business's or a unit's line named by the place it belongs to, in chats, notices and forms; the
# people's mobiles beside them stay values.
PLACE_LINES = [
    ('[14:02] 김태호: 도장 전화 - 053-5758-1114\n[14:03] 김태호: 관장님 휴대폰은 010-3385-2599 이에요',
     [('phone', '010-3385-2599', 'phone.mobile_11', ['context.letter_distance'])],
     {'053-5758-1114': 'company_number'}),
    ('수학여행 일정표\n관광버스 회사: 055-6276-0000\n인솔 교사 오세훈 010-5512-3380',
     [('phone', '010-5512-3380', 'phone.mobile_11', [])],
     {'055-6276-0000': 'company_number'}),
    ('네 연회장 062-3805-0000 확인했습니다\n예약자분 번호는 010-2205-1210 맞으시죠?',
     [('phone', '010-2205-1210', 'phone.mobile_11', [])],
     {'062-3805-0000': 'company_number'}),
    ('돌잔치 장소 안내 (식당 052-8463-7000)',
     [],
     {'052-8463-7000': 'company_number'}),
    ('면회 신청서\n부대 행정반: 02-9770-7000\n신청자 천광수 연락처: 010-3150-1412',
     [('phone', '010-3150-1412', 'phone.mobile_11', ['context.letter_distance'])],
     {'02-9770-7000': 'company_number'}),
    ('[A/S 접수] 대리점: 064-7193-1000\n고객 황상훈 010-9921-4410',
     [('phone', '010-9921-4410', 'phone.mobile_11', [])],
     {'064-7193-1000': 'company_number'}),
    ('고속버스 분실물 문의\n터미널 = 052-3278-1000',
     [],
     {'052-3278-1000': 'company_number'}),
    ('송년회 장소: 강남 한정식 / 문의 연회장 041-3306-9200',
     [],
     {'041-3306-9200': 'company_number'}),
]

# The people's own lines beside these readings: a person's line under the place's word (식당 사장님,
# 도장 관장님 휴대폰) even numbered round, a home line ending 0114 or 1000 under a person's word, an
# office key's line not numbered as a main line, a key that only ends in office.
PEOPLES_LINES = [
    ('식당 사장님 010-2231-1000 로 직접 연락주세요\n식당 064-7924-0000',
     [('phone', '010-2231-1000', 'phone.mobile_11', ['context.trailing_label'])],
     {'064-7924-0000': 'company_number'}),
    ('도장 관장님 휴대폰 010-6449-7000\n도장 전화 053-316-9900',
     [('phone', '010-6449-7000', 'phone.mobile_11', ['context.letter_distance'])],
     {'053-316-9900': 'company_number'}),
    ('모순자 사장님 댁 전화 042-679-0114',
     [('phone', '042-679-0114', 'phone.landline', ['context.letter_distance'])],
     {}),
    ('office=02-555-1234 hp=010-3312-8890',
     [('phone', '02-555-1234', 'phone.seoul', []), ('phone', '010-3312-8890', 'phone.mobile_11', ['context.log_key'])],
     {}),
    ('자택 02-972-1000 / 휴대폰 010-5624-3473',
     [('phone', '02-972-1000', 'phone.seoul', ['context.extra_label']), ('phone', '010-5624-3473', 'phone.mobile_11', ['context.letter_distance'])],
     {}),
    ('manager_office=02-555-0000',
     [('phone', '02-555-0000', 'phone.seoul', [])],
     {}),
]

# Role mailboxes at an organisation's own domain (ask@, dpo@, question@, counsel@) under 학원 메일, a
# bracketed desk, a sentence, a record's key; people's addresses beginning with a role's word, and
# ask@ at a mail service, stay values.
ROLE_MAILBOXES = [
    ('한빛교육 수강 안내\n학원 메일: ask@greenfarm.go.kr\n원장 고도윤 ask.kim@gmail.com',
     [('email', 'ask.kim@gmail.com', 'email.structural', [])],
     {'ask@greenfarm.go.kr': 'company_number'}),
    ('[개인정보보호 담당 메일] ask@mirae-hosp.or.kr\n담당자 소지훈 010-8108-0876',
     [('phone', '010-8108-0876', 'phone.mobile_11', [])],
     {'ask@mirae-hosp.or.kr': 'company_number'}),
    ('문의 메일은 ask@saebom.or.kr입니다',
     [],
     {'ask@saebom.or.kr': 'company_number'}),
    ('▶ 개인정보 열람 청구: dpo@onnuri-med.com\n▶ 청구인 구보람 (qna_lee@naver.com)',
     [('email', 'qna_lee@naver.com', 'email.structural', [])],
     {'dpo@onnuri-med.com': 'company_number'}),
    ('reply_to=question@daon-sports.co.kr sender=asking12@hanmail.net subject=견학신청',
     [('email', 'asking12@hanmail.net', 'email.structural', [])],
     {'question@daon-sports.co.kr': 'company_number'}),
    ('상담 신청 메일 counsel@hanbit-edu.kr\n신청인 이메일 privacy85@gmail.com',
     [('email', 'privacy85@gmail.com', 'email.structural', [])],
     {'counsel@hanbit-edu.kr': 'company_number'}),
    ('ask@naver.com',
     [('email', 'ask@naver.com', 'email.structural', [])],
     {}),
]


DOCUMENTS = OFFICE_KEYS + PLACE_LINES + PEOPLES_LINES + ROLE_MAILBOXES


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_main_lines_and_role_mailboxes_are_not_reported_and_the_peoples_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_masking_keeps_main_lines_and_role_mailboxes_and_hides_the_peoples():
    assert_masks_hide_values_and_keep_look_alikes(DOCUMENTS)
