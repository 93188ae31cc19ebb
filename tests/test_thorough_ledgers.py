"""The thorough mode on ledgers and papers where a value's kind shows only by its place or its
neighbours: an airline's SSR DOCS line, a birth date beside the age, kye and group-purchase rows
where mobiles stand beside accounts, partly masked registration numbers beside 외국인, an
inheritance agreement's deposits, accounts glued to the day they were paid, a licence after
its region under a company's numbers, a shop's business number after 가맹점명. Each group
compares the whole outcome, the look-alikes beside the values included, and the default settings
on the same text."""
import pytest

import norvane
from norvane import Config, Policy, PolicySet
from thorough_checks import assert_exact_and_reversible, found

LD, EL, BANK = "context.letter_distance", "context.extra_label", "context.bank_name"
ABBR = "context.abbreviation"
DOCS_BIRTH, DOCS_PASSPORT = "birth.docs_field", "passport.docs_field"
AGE, AMONG, FOREIGNER = "birth.age_beside", "phone.mobile_among_accounts", "foreigner.word_beside_hidden_digit"
HOLDER = "account.after_holder"
# The year ages are read against, pinned (Config.reference_year).
YEAR = 2026


def pinned():
    c = Config.thorough()
    c.reference_year = YEAR
    return c


# The birth date between the nationality and the sex; the expiry after the sex is no birth date.
DOCS = ("[PNR QXKLMA] 예약 기록\n1.1HONG/GILDONG MR\n"
        "SSR DOCS KE HK1 P/KOR/M12345678/KOR/05APR69/M/12MAY34/HONG/GILDONG\n"
        "DOCS/S32935751/KOR/05APR1969/M")
# An age that agrees with the year (this year's, or one less before the birthday) makes the
# date a birth date; a visit's date beside an age that disagrees stays a date.
AGE_TEXT = (f"환자 성명 최상철  성별 남\n(1939-03-18, {YEAR - 1939}세)\n"
            f"이용자 김영순, 1961.09.27생 (만 {YEAR - 1961 - 1}세)\n"
            f"초진 (2024-09-11, {YEAR - 1961}세)\n대상자 박영희 (1955.01.02, 40세)")
# The account label after a mobile is the next number's; a mobile under a bank's name is an
# account; accounts glued to the date they were paid are read apart from it.
KYE = ("번영회 곗돈 순번표\n"
       "4번 백태식 010-3637-5174 받는 계좌 하나 145-147356-32469 24.08.08 수령\n"
       "5번 이정숙 01042924020 받는 계좌 NH농협 302 4039 6816 67 2024. 10. 14. 수령\n"
       "6번 박미경 010 4990 7268 받는 계좌 SC제일 53978248454 26.04.17 수령\n"
       "7번 카카오뱅크 010-2222-3333 (최영미)")
CHAT = ("입금 계좌 국민 123-45-678901 (김정미)\n"
        "곽진우: 입금했습니다! 받는 분 번호 남길게요\n010-9599-5107\n"
        "닉네임/이름/연락처/수량/입금자명\n서연맘 / 안정숙 / 01042924020 / 2개 / 안정숙\n"
        "택배 문의 1588-1255 승인번호 35707399")
SITE = ("현장 출근부\nTRAN THI LAN (740728-*******, 외국인) 형틀 8시간\n"
        "SITI RAHAYU (580913-6******, 외국인) 철근\n"
        "김철수 (740728-*******) 보통인부\n"
        "성명\t주민등록번호\t비고\nNGUYEN AN\t950916-5******\t\nLEE MIN\t880101-*******\t외국인")
ESTATE = ("상속재산 분할 협의서\n2. 예금\n하나 예금 (피상속인 명의 637-515682-78125) 은 균등 분할한다.\n"
          "우리 예금(피상속인 김영수 명의 1002 653 327221)은 각 1/2 지분으로 나눈다.\n"
          "본인 명의 휴대폰 010-1234-5678\n피상속인 명의 2025.03.11 사망")
BENEFIT = ("실업급여 수급자격 신청서\n사업장관리번호 12345678901\n사업자등록번호 123-45-67890\n"
           "신분 확인: 운전면허 울산 08-005276-34\n수신자부담 080-123-4567")
MERCHANT = "[푸른 독서실] 결제 안내\n가맹점명: 푸른 독서실 (225-58-21226)\n가맹점번호 225-58-21226"

CASES = [
    (DOCS,
     [("passport", "M12345678", "passport.shape", [EL, ABBR, DOCS_PASSPORT], []),
      ("birth_date", "05APR69", "birth.english_month", ["birth.english_month", DOCS_BIRTH], []),
      ("passport", "S32935751", "passport.shape", [EL, ABBR, DOCS_PASSPORT], []),
      ("birth_date", "05APR1969", "birth.english_month", ["birth.english_month", DOCS_BIRTH], [])],
     []),
    (AGE_TEXT,
     [("birth_date", "1939-03-18", "birth.yyyymmdd", [AGE], []),
      ("birth_date", "1961.09.27", "birth.yyyymmdd", ["context.trailing_label"], [])],
     []),
    # The dates after the accounts are whole dates: the space before each keeps it apart.
    (KYE,
     [("phone", "010-3637-5174", "phone.mobile_11", [AMONG], []),
      ("bank_account", "145-147356-32469", "account.length", [BANK, EL], []),
      ("phone", "01042924020", "phone.mobile_11", [AMONG], []),
      ("bank_account", "302 4039 6816 67", "account.length", [BANK, EL], []),
      ("phone", "010 4990 7268", "phone.mobile_11", [AMONG], []),
      ("bank_account", "53978248454", "account.length", [BANK, EL], []),
      ("bank_account", "010-2222-3333", "account.length", [BANK], [])],
     # Without the thorough readings the dates join the accounts, read as cards.
     [("phone", "010-3637-5174", "phone.mobile_11", [], []),
      ("credit_card", "145-147356-32469", "card.luhn", [], []),
      ("phone", "01042924020", "phone.mobile_11", [], []),
      ("credit_card", "53978248454 26.04.17", "card.luhn", [], []),
      ("phone", "010-2222-3333", "phone.mobile_11", [], [])]),
    (CHAT,
     [("bank_account", "123-45-678901", "account.length", [BANK, EL], []),
      ("phone", "010-9599-5107", "phone.mobile_11", [AMONG], []),
      ("phone", "01042924020", "phone.mobile_11", ["context.label_line", AMONG], [])],
     [("bank_account", "123-45-678901", "account.length", [], []),
      ("phone", "010-9599-5107", "phone.mobile_11", [], []),
      ("phone", "01042924020", "phone.mobile_11", [], []),
      ("phone", "1588-1255", "phone.representative", [], [])]),
    # 외국인 in the number's bracket or cell types it; in another cell, or outside the bracket,
    # it does not: the column's 주민등록번호 is read then.
    (SITE,
     [("foreigner_registration", "740728-*******", "foreigner.masked_back", ["foreigner.masked_back", FOREIGNER], []),
      ("foreigner_registration", "580913-6******", "resident.foreigner_13", [], []),
      ("resident", "740728-*******", "resident.korean_13", [], []),
      ("foreigner_registration", "950916-5******", "resident.foreigner_13", [], []),
      ("resident", "880101-*******", "resident.korean_13", ["context.column_header"], [])],
     [("resident", "740728-*******", "resident.korean_13", [], []),
      ("foreigner_registration", "580913-6******", "resident.foreigner_13", [], []),
      ("resident", "740728-*******", "resident.korean_13", [], []),
      ("foreigner_registration", "950916-5******", "resident.foreigner_13", [], []),
      ("resident", "880101-*******", "resident.korean_13", [], [])]),
    (ESTATE,
     [("bank_account", "637-515682-78125", "account.length", [EL, HOLDER], []),
      ("bank_account", "1002 653 327221", "account.length", [EL, HOLDER], []),
      ("phone", "010-1234-5678", "phone.mobile_11", [LD], [])],
     [("phone", "010-1234-5678", "phone.mobile_11", [], [])]),
    (BENEFIT,
     [("business_registration", "123-45-67890", "business.10", [LD], []),
      ("driver_license", "08-005276-34", "license.region", ["license.region", LD], [])],
     [("business_registration", "123-45-67890", "business.10", [], [])]),
    # 가맹점명 names the shop; 가맹점번호 names a number the card companies issue.
    (MERCHANT,
     [("business_registration", "225-58-21226", "business.10", [], [])],
     [("business_registration", "225-58-21226", "business.10", [], []),
      ("business_registration", "225-58-21226", "business.10", [], [])]),
]


@pytest.mark.parametrize("text, thorough, default", CASES)
def test_ledgers_and_papers_whole_outcome(text, thorough, default):
    assert found(text, pinned()) == thorough
    assert found(text, Config()) == default
    assert_exact_and_reversible(text)


def test_dates_and_ages_that_disagree_prove_nothing():
    """An age a year too many or two too few, a visit's date before a patient's age, a date with
    an age of no 세, a DOCS line without the sex after the date and a line without DOCS stay
    unreported; the expiry after the sex too."""
    texts = [f"(1961.09.27, {YEAR - 1961 + 1}세)", f"(1961.09.27, {YEAR - 1961 - 2}세)",
             "(2024-09-11, 67세)", f"(1961.09.27, {YEAR - 1961}살)", "DOCS/M12345678/KOR/05APR69",
             "P/KOR/M12345678/KOR/05APR69/M", "SSR DOCS KE HK1 P/KOR/M12345678/KOR/05APR69/M/12MAY34"]
    assert [[f[:2] for f in found(t, pinned()) if f[0] == "birth_date"] for t in texts] == \
        [[], [], [], [], [], [], [("birth_date", "05APR69")]]


def test_masks_leave_the_look_alikes_of_a_ledger():
    text = KYE + "\n\n" + DOCS + "\n\n" + BENEFIT
    out = norvane.mask(text, PolicySet(Policy.tokenize()), pinned())
    assert [a.entity for a in out.applied] == (["phone", "bank_account"] * 3 + ["bank_account"]
                                               + ["passport", "birth_date"] * 2
                                               + ["business_registration", "driver_license"])
    for look_alike in ("24.08.08", "2024. 10. 14.", "26.04.17", "12MAY34", "12345678901", "080-123-4567"):
        assert look_alike in out.text
    assert norvane.unmask(out.text, out.restore) == text


def test_a_mobile_is_an_account_only_with_its_own_account_word():
    """A column's header, a bank's name before or after the number and an account's label right
    before it make 010-... an account; an account's groups (010-12-345678) are no mobile's. A label
    on the line above, or after the number, is another number's."""
    texts = ["성명\t계좌번호\n홍길동\t010-1234-5678", "성명\t계좌번호\n홍길동\t01012345678",
             "환불계좌: 010-1234-5678", "010-1234-5678 (카카오뱅크)", "토스 01012345678",
             "입금계좌 안내\n010-1234-5678", "010-1234-5678 입금계좌 국민 123-45-678901",
             "입금계좌 010-12-345678"]
    assert [[f[:2] for f in found(t, pinned())][:1] for t in texts] == [
        [("bank_account", "010-1234-5678")], [("bank_account", "01012345678")],
        [("bank_account", "010-1234-5678")], [("bank_account", "010-1234-5678")],
        [("bank_account", "01012345678")], [("phone", "010-1234-5678")],
        [("phone", "010-1234-5678")], [("bank_account", "010-12-345678")]]


def test_what_stands_beside_a_run_is_read_for_each_kind_that_asks():
    """A run read as several kinds looks beside it for each kind's own words only: the date's age
    or the person before its bracket, the account's holder, the foreigner word by a hidden
    seventh digit. Each whole outcome, the rejected readings' scores included."""
    def outcome(text):
        r = norvane.detect(text, pinned())
        return ([(f.entity, f.text(text), f.evidence.rule, f.evidence.extensions, round(f.score, 2))
                 for f in r.findings],
                [(j.entity, j.reason, round(j.score, 2)) for j in r.rejections])

    # The bracket opened after the date parts the age from it: no longer run of digits is read.
    assert outcome("피상속인 김영수 명의 19610927 (65세)") == (
        [("birth_date", "19610927", "birth.yyyymmdd", [AGE], 0.8)], [])
    assert outcome("대상자 박영희 (1961.09.27, 64세) 외국인 740728-*******") == (
        [("birth_date", "1961.09.27", "birth.yyyymmdd", [AGE], 0.78),
         ("foreigner_registration", "740728-*******", "foreigner.masked_back",
          ["foreigner.masked_back", LD], 0.54)],
        [("credit_card", "below_threshold", 0.39), ("bank_account", "no_context", 0.09),
         ("resident", "outranked", 0.59)])
    assert outcome("원생 김하은 (2021.03.05) 예금주 명의 110123456789") == (
        [("birth_date", "2021.03.05", "birth.yyyymmdd", ["birth.bracket_after_person"], 0.78),
         ("bank_account", "110123456789", "account.length", [LD, HOLDER], 0.8)],
        [("driver_license", "no_context", 0.2)])
    # The bracket opened after the masked number parts the date from it: the number's own run
    # is read alone, its card and account readings rejected.
    assert outcome("외국인 750101-5****** (1975.01.01, 51세)") == (
        [("foreigner_registration", "750101-5******", "resident.foreigner_13", [LD], 0.94),
         ("birth_date", "1975.01.01", "birth.yyyymmdd", [AGE], 0.78)],
        [("credit_card", "below_threshold", 0.39), ("bank_account", "no_context", 0.09)])
