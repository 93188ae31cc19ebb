"""The thorough mode on numbers that a label or the line around them names as no person's:
serials under their own labels (a lottery ticket's, a hospital's chart number under a bare
등록번호 on a patient's paper, a prescription's, an electronic tax payment's, a SIM card's, a
customs tariff code, an export declaration's, a veteran's), public offices' and facilities' desks
(a military manpower office, an employment centre's switchboard and its extension, a crematorium,
a lottery retailer, English company lines), dealers', shops' and clubs' accounts, amounts in a
ledger after a person's account, an event's date before another label's value, and a creditor
company's number in its item's later field. Each group compares the whole outcome, and the
person's own numbers beside them stay values."""
import pytest

from thorough_checks import (assert_exact_and_reversible, assert_masks_keep_vetoed, found_thorough as found,
                            vetoed_thorough as rejected)

LD, EL, BANK = ["context.letter_distance"], ["context.extra_label"], "context.bank_name"


def mobile(number, extensions=LD):
    return ("phone", number, "phone.mobile_11", extensions)


# The document, what thorough finds in it, and the look-alikes it vetoes with their reasons.
SERIALS = [
    # A lottery ticket's groups of five digits: no piece of them is a card or a business number.
    ("연금복권 구매 내역\n복권번호 38472 10293 84756 12039 55821\n구매자 김민수 연락처 010-2384-5521",
     [mobile("010-2384-5521")], {}),
    ("복권 일련번호 34768 94824 87313 49534 20354 19055", [], {}),
    # A bare 등록번호 on a patient's paper is the chart number; a business's stays one.
    ("퇴원 요약지\n환자명 김철수  성별 남  나이 54\n등록번호 1048765432\n보호자 연락처 010-7741-2290",
     [mobile("010-7741-2290")], {"1048765432": "look_alike"}),
    ("입퇴원 확인서\n성명 이영희  등록번호 2148600132  나이 67세", [], {"2148600132": "look_alike"}),
    ("상호 한빛상사\n등록번호 2148600132",
     [("business_registration", "2148600132", "business.10", EL)], {}),
    ("외래 진료 안내\n환자명 박정호\n사업자 등록번호 214-86-00132",
     [("business_registration", "214-86-00132", "business.10", LD)], {}),
    # Prescriptions', tax payments', SIM cards', customs' and veterans' numbers.
    ("처방전 번호 2024123100123\n환자 성명 김영희 주민등록번호 900101-1234568",
     [("resident", "900101-1234568", "resident.korean_13", LD)], {"2024123100123": "look_alike"}),
    ("전자납부번호 1234567890123456789\n납세자 홍길동 010-5521-7788",
     [mobile("010-5521-7788", [])], {"1234567890123456789": "look_alike"}),
    ("유심번호 8982 9660 3924 8517 8753\n가입자 연락처 010-3391-2201", [mobile("010-3391-2201")], {}),
    ("세번부호 8471.30-0000", [], {"8471.30-0000": "look_alike"}),
    ("수출신고번호 12345-26-123456X\n신고번호: 40123-25-012345U",
     [], {"12345-26-123456X": "look_alike", "40123-25-012345": "look_alike"}),
    ("보훈번호 12-345678\n생년월일 1951.03.02", [("birth_date", "1951.03.02", "birth.yyyymmdd", LD)], {}),
]

DESKS = [
    ("입영 통지 안내\n입영 대상자 김민수 연락처 010-2384-5521\n문의: 대구경북지방병무청 053-608-6234",
     [mobile("010-2384-5521")], {"053-608-6234": "company_number"}),
    # An extension after a landline: the office's switchboard, a staff member named or not.
    ("수원고용센터 담당 김민수 031-231-7864 내선 9510\n인사팀 김과장 02-2231-8876 (내선 204)",
     [], {"031-231-7864": "company_number", "02-2231-8876": "company_number"}),
    # A person's workplace line in their own application or admission form, or a line labelled
    # direct, reaches them through the switchboard's extension: it stays theirs.
    ("대출 신청서\n직 장 명 : 한빛건설(주)\n직장전화 : 031-7194-9435  (내선 764)\n휴대폰 010-2384-5521",
     [("phone", "031-7194-9435", "phone.landline", LD), mobile("010-2384-5521")], {}),
    ("입원 약정서\n자택 전화: 02-422-2927\n근무처 전화: 062-3720-2528 내선 6085",
     [("phone", "02-422-2927", "phone.seoul", LD + EL), ("phone", "062-3720-2528", "phone.landline", LD)], {}),
    ("[시공사]\n상호: (주)한빛솔라\n대표전화: 02-461-8812\n담당자: 김민수\n담당 직통번호 051-928-6576 내선 2320",
     [("phone", "051-928-6576", "phone.landline", EL + ["context.compound_label"])], {"02-461-8812": "company_number"}),
    # A staff member's own line, with no office's word, stays theirs.
    ("담당자 김민수 031-231-7864", [("phone", "031-231-7864", "phone.landline", [])], {}),
    ("부산영락공원 승화원 ☎ 051-508-7001\n상주 박정호 010-5521-7788",
     [mobile("010-5521-7788", [])], {"051-508-7001": "company_number"}),
    ("복권 당첨 확인\n판매점 연락처 02-745-9201", [], {"02-745-9201": "company_number"}),
    ("Company Tel: 02-3452-7788\nOffice Tel 031-902-1133\nMobile: 010-3391-2201",
     [mobile("010-3391-2201", EL)], {"02-3452-7788": "company_number", "031-902-1133": "company_number"}),
]

ACCOUNTS = [
    # Dealers', shops' and clubs' accounts; a treasurer's and a seller's named accounts stay.
    ("중고차 계약 안내\n딜러 송보람 010-8958-9232\n상사 계좌 하나 486-003-8487507 로 보내 주세요",
     [mobile("010-8958-9232", [])], {"486-003-8487507": "company_number"}),
    ("업체 계좌 신한 110-482-339120 으로 입금 부탁드립니다\n가게 계좌 농협 302-1234-5678-91 입니다",
     [], {"110-482-339120": "company_number", "302-1234-5678-91": "company_number"}),
    ("회비는 모임통장 카카오뱅크 3333-01-2345678 로 보내주세요\n총무 박정수 신한 110-482-339120",
     [("bank_account", "110-482-339120", "account.length", [BANK])], {"3333-01-2345678": "company_number"}),
    ("판매자 계좌 우리 1002-839-441120 (이정민)",
     [("bank_account", "1002-839-441120", "account.length", [BANK, "context.letter_distance"])], {}),
    # An amount after an account, in brackets or not, stays apart from it.
    ("부조금 장부\n김영희 이모 국민 123456-01-234567 (846,620원 받음)\n박철수 삼촌 신한 110-482-339120 (50만원 송금)\n"
     "이정민 농협 302-1234-5678-91 (1,250,000원 받음)",
     # The bracket opened after each account parts the amount from it: the account is read alone.
     [("bank_account", "123456-01-234567", "account.length", [BANK]),
      ("bank_account", "110-482-339120", "account.length", [BANK]),
      ("bank_account", "302-1234-5678-91", "account.length", [BANK])], {}),
    ("홍길동 우리 1002-839-441120 3만원 보냄",
     [("bank_account", "1002-839-441120", "account.length", [BANK])], {}),
]

LEFTOVERS = [
    # A label with its own date after it names that date, not the one before it.
    ("보험 가입일 2020.01.01 생년월일 1990.01.01",
     [("birth_date", "1990.01.01", "birth.yyyymmdd", LD)], {"2020.01.01": "look_alike"}),
    ("청약일 2016. 4. 18. / 피보험자 생년월일 1980. 3. 2.",
     [("birth_date", "1980. 3. 2", "birth.separated_date", ["birth.separated_date", "context.letter_distance"])], {}),
    # A code after the label is no number of its kind: the label still reaches the value before it.
    ("등록번호 : 590430-5●●●●●● 체류자격 F-6",
     [("foreigner_registration", "590430-5●●●●●●", "resident.foreigner_13", ["context.trailing_label"])], {}),
    # A creditor company's number in its item's later field; a person creditor's mobile stays.
    ("회생 채권자 목록\n1. (주)러시앤캐시 / 채권액 12,000,000원 / 연락처 1588-1234\n"
     "2. 신한카드 | 채권 원금 3,400,000원 | 연락처 1544-7000\n3. 채권자 김영수 / 채권액 5,000,000원 / 연락처 010-2231-8876",
     [mobile("010-2231-8876")], {"1588-1234": "company_number", "1544-7000": "company_number"}),
    ("- OK저축은행, 잔액 1,200,000원, 연락처 1899-0990\n- 지인 김영수, 잔액 500,000원, 연락처 010-2231-8876",
     [mobile("010-2231-8876")], {"1899-0990": "company_number"}),
]

DOCUMENTS = SERIALS + DESKS + ACCOUNTS + LEFTOVERS


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_numbers_named_as_no_persons_are_not_reported(text, expected, vetoed):
    assert found(text) == expected
    assert rejected(text) == vetoed
    assert_exact_and_reversible(text)


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_masking_hides_the_values_and_keeps_the_look_alikes(text, expected, vetoed):
    assert_masks_keep_vetoed([(text, expected, vetoed)], [(text, expected)])
