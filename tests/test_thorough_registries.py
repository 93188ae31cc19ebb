"""The thorough mode on forms that carry other registries' numbers beside a person's own values:
remittance applications (IBANs, references), insurance and long-term care papers (agents'
registrations, care recognition numbers), withholding receipts (a payer's corporate registration
number), statements of transactions (products' barcodes), payment gateways' bug reports
(transaction numbers) and passport rosters (expiry dates). Each group compares the whole outcome
under Config() and thorough; the people's values stay found."""
import pytest

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible, found

LD, EL = ["context.letter_distance"], ["context.extra_label"]


def test_remittance_application_ibans_and_reference_beside_the_remitters_values():
    text = ("해외송금 신청서\n"
            "수취은행 Bank: Commerzbank AG\n"
            "SWIFT/BIC: COBADEFFXXX\n"
            "IBAN: DE89 3704 0044 0532 0130 00\n"
            "Beneficiary Account (IBAN): GB62BARC20031846381395\n"
            "받는 분 계좌 IBAN NL20 INGB 0001 2345 67\n"
            "참조번호 Ref. No.: OR2020061132768\n"
            "송금인 연락처 010-2345-6789\n"
            "출금계좌 110-234-567890")
    assert found(text, Config.thorough()) == [
        # 출금계좌 on the next line names the account there, not the mobile.
        ("phone", "010-2345-6789", "phone.mobile_11", LD + ["phone.mobile_among_accounts"], []),
        ("bank_account", "110-234-567890", "account.length", EL, [])]
    # Config() reads neither IBANs nor references apart, nor the account under 출금계좌.
    assert found(text, Config()) == [("phone", "010-2345-6789", "phone.mobile_11", [], [])]
    assert_exact_and_reversible(text)


def test_agents_and_care_registries_beside_the_insured_persons_values():
    text = ("보험계약 청약서\n"
            "담당 설계사 고민지 (등록번호 4309591523)\n"
            "보험대리점 등록번호: 4309591523\n"
            "설계사 고민지 010-3456-7890\n"
            "계약자 주민등록번호 900101-1234568\n"
            "장기요양인정번호: L0975109220\n"
            "보호자 연락처 010-9876-5432")
    # The agent's own mobile stays a phone: 설계사 names no mobile's number.
    assert found(text, Config.thorough()) == [
        ("phone", "010-3456-7890", "phone.mobile_11", ["phone.mobile_under_other_word"], []),
        ("resident", "900101-1234568", "resident.korean_13", LD, []),
        ("phone", "010-9876-5432", "phone.mobile_11", LD, [])]
    brn = ("business_registration", "4309591523", "business.10", [], [])
    assert found(text, Config()) == [
        brn, brn, ("phone", "010-3456-7890", "phone.mobile_11", [], []),
        ("resident", "900101-1234568", "resident.korean_13", [], []),
        ("business_registration", "0975109220", "business.10", [], []),
        ("phone", "010-9876-5432", "phone.mobile_11", [], [])]
    assert_exact_and_reversible(text)


def test_withholding_receipt_corporate_number_beside_the_payees_resident_number():
    text = ("사업소득 원천징수영수증\n"
            "① 법인명 (주)노바테크  ② 대표자 김철수\n"
            "③ 사업자등록번호 120-81-47521\n"
            "④ 주민등록번호 (법인등록번호) 110111-0392443\n"
            "⑥ 성명 홍길동 ⑦ 주민등록번호 900101-1234568")
    brn = ("business_registration", "120-81-47521", "business.10")
    payee = ("resident", "900101-1234568", "resident.korean_13")
    assert found(text, Config.thorough()) == [brn + (LD, []), payee + (LD, [])]
    assert found(text, Config()) == [brn + ([], []), ("resident", "110111-0392443", "resident.korean_13", [], []),
                                     payee + ([], [])]
    # On the line of 법인등록번호, the failed resident reading is not made at all.
    report = norvane.detect(text, Config.thorough())
    assert {(r.entity, str(r.reason)) for r in report.rejections
            if text[r.source.char_start:r.source.char_end] == "110111-0392443"} == {
        ("credit_card", "look_alike"), ("bank_account", "look_alike")}
    assert_exact_and_reversible(text)


def test_statement_of_transactions_barcodes_beside_the_suppliers_values():
    text = ("거래명세서\n"
            "공급자 등록번호 120-81-47521  담당 홍길동 010-2345-6789\n"
            "품목코드\t품명\t수량\t단가\t금액\n"
            "8801043014809\t신라면\t10\t900\t9,000\n"
            "8801062628902\t새우깡\t5\t1,200\t6,000\n"
            "8801234567893\t생수 2L\t20\t500\t10,000")
    assert found(text, Config.thorough()) == [
        ("business_registration", "120-81-47521", "business.10", EL, []),
        ("phone", "010-2345-6789", "phone.mobile_11", ["phone.mobile_under_word_a_line_above"], [])]
    assert found(text, Config()) == [("business_registration", "120-81-47521", "business.10", [], []),
                                     ("phone", "010-2345-6789", "phone.mobile_11", [], [])]
    report = norvane.detect(text, Config.thorough())
    assert {(text[r.source.char_start:r.source.char_end], str(r.reason)) for r in report.rejections
            if r.entity in ("resident", "credit_card")} == {
        (code, "look_alike") for code in ("8801043014809", "8801062628902", "8801234567893")}
    assert_exact_and_reversible(text)


def test_payment_gateway_bug_report_transaction_numbers_beside_the_customers_values():
    text = ("[버그 리포트] 결제 실패 건\n"
            "PG 응답코드 73582021861215 결제 실패, 카드 승인 거절\n"
            "approval 4539578763621486 declined by card issuer\n"
            "응답코드: 4539578763621486 / 카드사 점검 시간\n"
            "고객 연락처 010-2345-6789 로 안내 부탁드립니다\n"
            "고객 이메일: hong.gildong@naver.com")
    customer = [("phone", "010-2345-6789", "phone.mobile_11"), ("email", "hong.gildong@naver.com", "email.structural")]
    assert found(text, Config.thorough()) == [customer[0] + (LD, []), customer[1] + ([], [])]
    card = ("credit_card", "4539578763621486", "card.luhn", [], [])
    assert found(text, Config()) == [("credit_card", "73582021861215", "card.luhn", [], []), card, card] + [
        c + ([], []) for c in customer]
    assert_exact_and_reversible(text)


def test_passport_roster_expiry_dates_beside_birth_dates_and_numbers():
    # Expiry years far enough ahead that the test keeps its meaning for decades.
    text = ("성명 | 생년월일 | 여권번호 | 여권만료일\n"
            "HONG GILDONG | 12 MAR 1985 | M12345678 | 04 AUG 2094\n"
            "KIM CHULSU | 1990-01-05 | M87654321 | 2096-02-17")
    assert found(text, Config.thorough()) == [
        ("birth_date", "12 MAR 1985", "birth.english_month", ["birth.english_month", "context.column_header"], []),
        ("passport", "M12345678", "passport.shape", ["context.column_header"], []),
        ("birth_date", "1990-01-05", "birth.yyyymmdd", ["context.column_header"], []),
        ("passport", "M87654321", "passport.shape", ["context.column_header"], [])]
    assert found(text, Config()) == []
    # The date in words is a shape, vetoed; the digits' birth reading is not made at all.
    report = norvane.detect(text, Config.thorough())
    assert {(text[r.source.char_start:r.source.char_end], str(r.reason)) for r in report.rejections
            if r.entity == "birth_date"} == {("04 AUG 2094", "look_alike")}
    assert_exact_and_reversible(text)


# What the vetoes leave found: a resident number of 1988 whose check digit and a barcode's both
# pass, with or without its hyphen; a child's birth date and a resident number issued since
# October 2020; a number under a resident label with a failed check digit (a typo) where no
# look-alike's word stands; a card number under its label.
KEPT = [
    ("주민번호 8802021734641", [("resident", "8802021734641", "resident.korean_13", LD, [])]),
    ("주민번호 880202-1734641", [("resident", "880202-1734641", "resident.korean_13", LD, [])]),
    ("생년월일 2020.05.01", [("birth_date", "2020.05.01", "birth.yyyymmdd", LD, [])]),
    ("주민번호 210315-3123456",
     [("resident", "210315-3123456", "resident.recent", ["resident.recent"] + LD, [])]),
    ("주민번호 110111-0392443", [("resident", "110111-0392443", "resident.korean_13", LD, [])]),
    ("카드번호 4539 5787 6362 1486", [("credit_card", "4539 5787 6362 1486", "card.luhn", LD, [])]),
    ("법인등록번호 110111-0392443 대표 홍길동 주민번호 900101-1234568",
     [("resident", "900101-1234568", "resident.korean_13", LD, [])]),
    ("연락처 010-2345-6789 PG 결제", [("phone", "010-2345-6789", "phone.mobile_11", LD, [])]),
]


@pytest.mark.parametrize("text,expected", KEPT)
def test_what_the_registry_vetoes_leave_found(text, expected):
    assert found(text, Config.thorough()) == expected
    assert_exact_and_reversible(text)
