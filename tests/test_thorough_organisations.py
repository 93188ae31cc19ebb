"""Organisations' own landlines and accounts under Config.thorough(): a school's, a hospital's
or an office's desk, a company's or an institution's account are not personal; a person on the
number (a personal label, a staff member with a title, a guardian, the holder's own name) and
every mobile stay reported."""

import pytest

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible

# Nothing is reported: each is the organisation's.
ORGANISATIONS_OWN = [
    "새봄병원 원무과 02-123-4567",
    "문의: 강남구청 민원여권과 031-123-4567",
    "서울중앙지방법원 (02-530-1114)",
    "☎ 장례식장 051-123-4567",
    "한빛초등학교 행정실 전화 02-2345-6789",
    "햇살어린이집 070-1234-5678",
    "02-555-1234 (새봄병원 원무과)",
    "한빛건강검진센터 예약 02-555-1234",
    "종로지점 031-123-4567",
    "Tel 02-555-1234 (팩스 겸용)",
    "푸른정형외과 접수 062.744.0247",
    "입금계좌: 국민 123-45-678901 (예금주: (주)다온이사)",
    "새봄병원 진료비 입금 신한 110-123-456789",
    "법인계좌 기업 123-456789-01-012",
    "신한 110-123-456789 예금주 재단법인 나눔",
    "후원계좌 우리 1002-123-456789 예금주 (사)희망나눔",
    # A unit right before its landline (a team, a division, an office, a department's name after
    # 담당부서, 담당 after a unit), an account held by an association, a club or an agency.
    "문의: 학생지원팀 031-780-1234",
    "급여 관련 문의는 경영지원팀 053-375-2520",
    "장학복지팀(02-940-1234)으로 연락 바랍니다",
    "학사지원과 ☎ 02-910-4321",
    "채권관리부 02-2180-5566",
    "담당부서: 민원여권과 062-264-0523",
    "HR 담당 032-955-4976",
    "인사팀 담당 053-375-2520",
    "동문회 사무국 02-333-4444",
    "동문회비 납부: 국민 349108-63-546187 (예금주: 총동문회)",
    "입금계좌: 새마을금고 9003-4306-4793-2 (예금주 미래신용정보)",
    "변제 계좌 신한 110-123-456789 (예금주 고려신용정보(주))",
    "회비 입금 농협 302-1234-5678-91 예금주 한빛산악회",
    "관리비 납부 국민 157-332-5894888 (예금주 래미안관리사무소)",
    # A legal form before the name after the value, a dealer's branch (대리 of 대리점 names no
    # person), a phone's word inside the holder's name (모바일 of 헬로모바일).
    "계약금 NH농협 6923-877-121339 (주)영구크린",
    "계약금 입금 농협 924627-81-989986 (예금주 기아 유성구대리점)",
    "납부계좌: 우리 390-91-883379 (예금주 헬로모바일(주))",
]


@pytest.mark.parametrize("text", ORGANISATIONS_OWN)
def test_an_organisations_line_or_account_is_not_reported(text):
    report = norvane.detect(text, Config.thorough())
    assert report.findings == []
    assert {r.reason for r in report.rejections} == {"company_number"}


# A person on the number, a mobile or a virtual number: reported, whatever organisation is named.
PEOPLES_OWN = [
    ("새봄병원 원무과 담당자 김철수 02-123-4567", "phone", "02-123-4567"),
    ("한빛초등학교 보호자 연락처 02-2345-6789", "phone", "02-2345-6789"),
    ("새봄병원 김철수 과장 직통 02-555-1234", "phone", "02-555-1234"),
    ("(주)노바테크 김민수 대리 Tel 02-555-1234", "phone", "02-555-1234"),
    ("새봄병원 원무과 010-1234-5678", "phone", "010-1234-5678"),
    ("해법수학학원 0504-1234-5678", "phone", "0504-1234-5678"),
    ("입금계좌: 국민 123-45-678901 (예금주: 김철수)", "bank_account", "123-45-678901"),
    ("새봄병원 환불계좌 신한 110-123-456789", "bank_account", "110-123-456789"),
    ("(주)다온이사 급여 계좌 신한 110-123-456789", "bank_account", "110-123-456789"),
    # Beside a unit or an association: a person named or labelled, a person's work phone in their
    # own record, a refund account in a person's name, a mobile under a unit's 문의, a 납부계좌
    # beside an apartment office's name with no holder named (the office's name alone says nothing;
    # 관리비 납부계좌 names the fee and the office's account, test_thorough_fees_and_registries.py).
    ("인사팀 김민수 과장 02-555-1234", "phone", "02-555-1234"),
    ("담당부서: 재무팀 담당자 박서준 주임 02-555-1299", "phone", "02-555-1299"),
    ("담당 02-555-1234", "phone", "02-555-1234"),  # no unit named before 담당
    ("김민수 담당 02-555-1234", "phone", "02-555-1234"),
    ("문의: 영업팀 010-2345-6789", "phone", "010-2345-6789"),
    ("직장전화 02-595-9785 (현 근무처 한결법무법인)", "phone", "02-595-9785"),
    ("연락처 02-555-1234", "phone", "02-555-1234"),
    ("환불 계좌 국민 123-45-678901 (예금주 김철수)", "bank_account", "123-45-678901"),
    ("총무 개인 계좌 신한 110-123-456789 (동호회 회비 아님)", "bank_account", "110-123-456789"),
    ("납부계좌: 국민 157-332-5894888 (관리사무소)", "bank_account", "157-332-5894888"),
    # A staff member's title beside a dealer's branch, a mobile under an account's label beside
    # a company and a phone's label: still the person's.
    ("대리점 김민수 대리 계좌 신한 110-123-456789 (주)한빛", "bank_account", "110-123-456789"),
    ("입금계좌 (주)한빛 / 연락처 010-1234-5678", "phone", "010-1234-5678"),
]


@pytest.mark.parametrize("text,kind,value", PEOPLES_OWN)
def test_a_persons_line_or_account_beside_an_organisation_stays(text, kind, value):
    assert [(f.entity, f.text(text)) for f in norvane.detect(text, Config.thorough()).findings] \
        == [(kind, value)]


def test_a_notice_keeps_its_peoples_numbers_and_drops_its_own():
    text = ("[한빛초등학교 안내]\n"
            "행정실 02-2345-6789 / 교무실 02-2345-6790\n"
            "담당 교사 김민지 010-2222-3333\n"
            "등록금 납부: 신한 110-123-456789 (예금주 한빛초등학교)\n"
            "환불계좌 국민 123-45-678901 예금주 박서준\n"
            "문의 행정실(02-2345-6789)")
    report = norvane.detect(text, Config.thorough())
    assert [(f.entity, f.text(text)) for f in report.findings] == [
        ("phone", "010-2222-3333"), ("bank_account", "123-45-678901")]
    assert_exact_and_reversible(text)


def test_the_default_settings_do_not_read_organisations():
    text = "새봄병원 원무과 02-123-4567\n입금계좌: 국민 123-45-678901 (예금주: (주)다온이사)"
    report = norvane.detect(text)
    assert [(f.entity, f.text(text)) for f in report.findings] == [
        ("phone", "02-123-4567"), ("bank_account", "123-45-678901")]
    assert "company_number" not in {r.reason for r in report.rejections}


# A business's header or footer (its registration, a clinic's code, a fax beside the number) and
# desks and branches: each block's landlines are the business's. The persons on the same papers
# (a mourner, a staff member's direct line, a customer's contact) keep theirs.
def test_papers_of_businesses_drop_their_own_lines_and_keep_their_peoples():
    text = ("온누리약국\n"
            "사업자번호: 123-45-67891  대표: 김약사\n"
            "서울시 강남구 테헤란로 1\n"
            "TEL: 02-555-1234\n"
            "\n"
            "고객 연락처 010-2222-3333\n"
            "\n"
            "(주)노바테크 | 사업자등록번호 123-45-67891 | TEL 02-555-1234 | FAX 02-555-1235\n"
            "담당 김민수 과장 직통 02-555-1299\n"
            "\n"
            "새봄건강검진센터 T. 031.444.9859  F. 031.444.9860\n"
            "빈소: 제일장례식장 3호실 (02-123-4567)\n"
            "상주 박서준 010-4444-5555\n"
            "문의: 강남구 예비군 12동대 02-3456-7890\n"
            "BMW 도이치모터스 강남전시장 02-567-8901")
    report = norvane.detect(text, Config.thorough())
    assert [(f.entity, f.text(text)) for f in report.findings] == [
        ("business_registration", "123-45-67891"), ("phone", "010-2222-3333"),
        ("business_registration", "123-45-67891"), ("phone", "02-555-1299"),
        ("phone", "010-4444-5555")]
    assert_exact_and_reversible(text)


def test_a_block_names_its_business_only_up_to_a_blank_line_and_over_a_telephone_label():
    def found(text):
        return [f.text(text) for f in norvane.detect(text, Config.thorough()).findings]
    assert found("사업자번호 123-45-67891\n전화 02-555-1234") == ["123-45-67891"]
    assert found("사업자번호 123-45-67891\n\n전화 02-555-1234") == ["123-45-67891", "02-555-1234"]
    # A name, not a telephone's label, before the number: the block is not read.
    assert found("사업자번호 123-45-67891\n홍길동 02-555-1234") == ["123-45-67891", "02-555-1234"]
    assert found("사업자번호 123-45-67891\n자택 전화 02-555-1234") == ["123-45-67891", "02-555-1234"]


# A person named in the block (a signature's name and title above its T. and Fax lines, a form's
# contact person) makes the block's telephone theirs; a footer with no person in it keeps its own.
def test_a_person_in_a_business_block_keeps_the_telephone_beside_the_fax():
    def found(text):
        return [(f.entity, f.text(text)) for f in norvane.detect(text, Config.thorough()).findings]
    signature = ("--\n김민지 | 인사팀 대리\n(주)노바테크\n"
                 "HP 010-2222-3333  T. 02-555-1299 | Fax 02-555-1235")
    assert found(signature) == [("phone", "010-2222-3333"), ("phone", "02-555-1299")]
    form = ("Business Registration No.: 123-45-67891\nCEO: 김대표\n"
            "Contact person Tel: 02-555-1299")
    assert found(form) == [("business_registration", "123-45-67891"), ("phone", "02-555-1299")]
    footer = "(주)노바테크\n대표: 김대표 | 사업자등록번호 123-45-67891\nT. 02-555-1234 | Fax 02-555-1235"
    assert found(footer) == [("business_registration", "123-45-67891")]
    assert_exact_and_reversible(signature + "\n\n" + form)


# Lines the reading of the words around a number must take calmly: brackets left open, a holder
# word with nothing after it, the words at the very ends of the text, long runs of them.
HOSTILE = [
    "(주)(주)(주) 02-123-4567 ((((",
    "예금주",
    "02-123-4567 (",
    "병원" * 5000 + " 02-123-4567 " + "님" * 5000,
    "신한 110-123-456789 예금주" + " " * 3000,
    "계좌 110-123-456789 예금주:" + "(주" * 2000,
    "\n".join(["새봄병원 02-123-4567"] * 300),
    "병원 02-1" + "2-3" * 500,
    "사업자" * 3000 + "\n02-123-4567",
    "FAX\n" * 2000 + "02-123-4567 F.",
    # Around a unit's desk and a drug's code.
    "팀" * 4000 + " 02-123-4567",
    "☎☎☎☎ 02-123-4567",
    "부서" * 3000 + "02-123-4567",
    "정 (" * 2000 + "055556080)",
    "(코드 055556080",
    "코드 055556080",
    "예금주 관리사무소" * 1000 + " 110-123-456789",
]


@pytest.mark.parametrize("text", HOSTILE)
def test_hostile_lines_around_organisations_numbers(text):
    assert_exact_and_reversible(text)


# A letter's closing lines and a pharmacy's print: the offices' lines, the agency's account and
# the drugs' codes go; the debtor's mobile, the guardian's mobile and the refund account stay.
def test_letters_and_prescriptions_keep_only_their_peoples_numbers():
    text = ("[채권 추심 안내]\n"
            "채무자 김영희 님 귀하\n"
            "입금계좌: 국민 273-084917-60-249 (예금주 새한신용정보㈜)\n"
            "채권회수팀 ☎ 051-465-2286\n"
            "채무자 연락처 010-7362-3680\n"
            "환불 계좌 신한 110-123-456789 (예금주 김영희)\n"
            "\n"
            "조제 내역서\n"
            "1. 오구멘틴정 (055556080) 1 / 1 / 2\n"
            "2. 판토록정 (654162423)\n"
            "- 스멕타산 (코드 654162423) 아침 저녁\n"
            "보호자 박서준 (010-2222-3333)\n"
            "약국 온누리약국 (051-321-1851)")
    report = norvane.detect(text, Config.thorough())
    assert [(f.entity, f.text(text)) for f in report.findings] == [
        ("phone", "010-7362-3680"), ("bank_account", "110-123-456789"), ("phone", "010-2222-3333")]
    assert_exact_and_reversible(text)
    # The default settings read none of it.
    default = [(f.entity, f.text(text)) for f in norvane.detect(text).findings]
    assert ("phone", "051-465-2286") in default


def test_a_drug_code_needs_a_drugs_name_before_it():
    def found(text):
        return [(f.entity, f.text(text)) for f in norvane.detect(text, Config.thorough()).findings]
    assert found("타이레놀정 (021234567)") == []
    assert found("무코스타정 021234567 1T tid") == []
    # A person's name of three syllables ending as a drug does, a number grouped as a phone.
    assert found("김민정 (021234567)") == [("phone", "021234567")]
    assert found("이현주 021234567") == [("phone", "021234567")]
    assert found("판토록정 (02-123-4567)") == [("phone", "02-123-4567")]
