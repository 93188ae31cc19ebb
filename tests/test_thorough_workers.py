"""The thorough mode on foreign workers' papers, forms laid out with spaces, payment rosters and
verification logs: a worker's phone at home abroad in international form (+84, +63, +86 ...)
under a phone's label or a word for the home country, a registration number whose halves stand
two or three spaces apart, a roster's people under an organisation's header line, and a log's
generic identity key (id_no=, 신분증번호=) over a licence, a resident number or a passport. Each
group compares the whole outcome, the look-alikes beside the values included, and the default
settings on the same text."""
import pytest

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible, found

LD, EL, LOG = "context.letter_distance", "context.extra_label", "context.log_key"
ABROAD = "phone.foreign_international"
COLUMN, FIXED = "context.column_header", "context.fixed_width_header"

HOME = ("고용허가제 외국인 근로자 인적사항\n성명: NGUYEN VAN AN\n국적: VIETNAM\n휴대폰: 010-2345-6789\n"
        "본국 연락처: +84 912 345 678 (모)\n입국 항공편 VN 416")
# A company's line abroad under no phone label of a person stays unreported.
HOME_EN = ("Name: MARIA SANTOS\nMobile (Korea): 010-3456-7890\nHome Country Tel: +63 917 123 4567 (mother)\n\n"
           "Customer Care +63 2 8888 1234")
# +86 138-1234-5678 passes a card's check digit: the default settings read a card.
HOME_TABLE = ("성명\t국적\t휴대폰\t본국 가족 연락처\nSITI AMINAH\tINDONESIA\t010-1111-2222\t+62 812-3456-7890\n"
              "WANG LEI\tCHINA\t010-2222-3333\t+86 138-1234-5678\n승선 선박 IMO 9321483")
HOME_WORDS = "본국 가족: +977 9841234567\n고향 연락처 +95 9-123-4567\nHome phone +880 1712-345678 카톡 가능"
HALVES = ("4대보험 취득 신고 명단\n성명  홍길동    주민등록번호  900115  1234567\n"
          "김영희    850302   2345672    강남구\n외국인등록번호  950101  5234567   VIETNAM\n"
          "접수일  261201  접수번호 1234567")
ROSTER = ("2026년 12월 노인일자리 활동비 지급 명단\n담당: 푸른시니어클럽 02-123-4567\n"
          "번호  성명  주민등록번호  연락처  은행  계좌번호  활동  지급액\n"
          "1  김순자  470926-2421480  010-2345-6789  새마을금고  4443-078-559352  학교급식 지원  290,000\n"
          "2  박영희  660714-2383061  010-9876-5432  농협  302-1234-5678-91  복지관 청소  290,000")
KYC = ("[kyc-verify] 01/Dec/2026\n2026-12-01T10:22:31Z INFO verify user=u1234 id_no=19-08-135835-80 result=PASS\n"
       "[10:23:01] kyc ok uid=u5678 id_number=서울 11-135835-80 method=ocr\n"
       "10:24:11 신분증번호=경기북부 05-123456-78 결과=일치\n"
       "level=info msg=\"id verified\" idno=900115-1234567 uid=u9\n"
       "verify_result user=u10 identity_no: M12345678 matched=true\n"
       "10:25:00 txn_id=20261201102500123 status=200")

CASES = [
    (HOME,
     [("phone", "010-2345-6789", "phone.mobile_11", [LD], []),
      ("phone", "84 912 345 678", ABROAD, [ABROAD, LD, EL], [])],
     [("phone", "010-2345-6789", "phone.mobile_11", [], [])]),
    (HOME_EN,
     [("phone", "010-3456-7890", "phone.mobile_11", [EL, "context.compound_label"], []),
      ("phone", "63 917 123 4567", ABROAD, [ABROAD, EL], [])],
     [("phone", "010-3456-7890", "phone.mobile_11", [], [])]),
    (HOME_TABLE,
     [("phone", "010-1111-2222", "phone.mobile_11", [COLUMN], []),
      ("phone", "62 812-3456-7890", ABROAD, [ABROAD, COLUMN], []),
      ("phone", "010-2222-3333", "phone.mobile_11", [COLUMN], []),
      ("phone", "86 138-1234-5678", ABROAD, [ABROAD, COLUMN], [])],
     [("phone", "010-1111-2222", "phone.mobile_11", [], []),
      ("phone", "010-2222-3333", "phone.mobile_11", [], []),
      ("credit_card", "86 138-1234-5678", "card.luhn", [], [])]),
    (HOME_WORDS,
     [("phone", "977 9841234567", ABROAD, [ABROAD, EL], []),
      ("phone", "95 9-123-4567", ABROAD, [ABROAD, LD], []),
      ("phone", "880 1712-345678", ABROAD, [ABROAD, EL, "context.trailing_label"], [])],
     []),
    # The thorough mode keeps what the default settings find; a date beside a number a word
    # apart stays two numbers.
    (HALVES,
     [("resident", "900115  1234567", "resident.korean_13", [LD], []),
      ("resident", "850302   2345672", "resident.korean_13", [], []),
      ("foreigner_registration", "950101  5234567", "resident.foreigner_13", [LD], [])],
     [("resident", "900115  1234567", "resident.korean_13", [], []),
      ("resident", "850302   2345672", "resident.korean_13", [], []),
      ("foreigner_registration", "950101  5234567", "resident.foreigner_13", [], [])]),
    # The organisation's own line is its; the rows below are their people's, whatever their
    # other cells say (학교급식, 복지관).
    (ROSTER,
     [("resident", "470926-2421480", "resident.korean_13", [FIXED], []),
      ("phone", "010-2345-6789", "phone.mobile_11", [FIXED], []),
      ("bank_account", "4443-078-559352", "account.length", ["context.bank_name"], []),
      ("resident", "660714-2383061", "resident.korean_13", [FIXED], []),
      ("phone", "010-9876-5432", "phone.mobile_11", [FIXED], []),
      ("bank_account", "302-1234-5678-91", "account.length", ["context.bank_name"], [])],
     [("phone", "02-123-4567", "phone.seoul", [], []),
      ("resident", "470926-2421480", "resident.korean_13", [], []),
      ("phone", "010-2345-6789", "phone.mobile_11", [], []),
      ("resident", "660714-2383061", "resident.korean_13", [], []),
      ("phone", "010-9876-5432", "phone.mobile_11", [], [])]),
    (KYC,
     [("driver_license", "19-08-135835-80", "license.12", [LOG], []),
      ("driver_license", "11-135835-80", "license.region", ["license.region", LOG], []),
      ("driver_license", "05-123456-78", "license.region", ["license.region", EL], []),
      ("resident", "900115-1234567", "resident.korean_13", [LOG], []),
      ("passport", "M12345678", "passport.shape", [LOG], [])],
     [("business_registration", "05-123456-78", "business.10", [], []),
      ("resident", "900115-1234567", "resident.korean_13", [], [])]),
]


@pytest.mark.parametrize("text, thorough, default", CASES)
def test_workers_papers_whole_outcome(text, thorough, default):
    assert found(text, Config.thorough()) == thorough
    assert found(text, Config()) == default
    assert_exact_and_reversible(text)


def test_a_phone_abroad_needs_its_label_and_a_length_its_country_has():
    """No label, a number too short or too long for its country, a company's line, a flight's or
    a ship's number: no phone abroad. Korea's own code keeps its reading."""
    texts = ["+84 912 345 678", "연락처 +84 912 345 678", "연락처 +84 91234 5", "연락처 +86 1381234567890",
             "연락처 +82 10-1234-5678", "고객센터 +84 1900 123 4567", "Flight VN 416", "IMO 9321483",
             "본국 연락처 +63 917 123 4567 / 010-1234-5678"]
    assert [[f[:3] for f in found(t, Config.thorough())] for t in texts] == [
        [], [("phone", "84 912 345 678", ABROAD)], [], [],
        [("phone", "82 10-1234-5678", "phone.international")], [], [], [],
        [("phone", "63 917 123 4567", ABROAD), ("phone", "010-1234-5678", "phone.mobile_11")]]


def test_halves_apart_are_joined_only_as_a_registration_number():
    """Six digits that are a date, then seven whose first is a sex digit, two or three spaces
    apart: one number, its join named in the evidence. A month past 12, a seventh digit of no
    sex, seven digits before or a digit after, a wider gap or a date of eight digits stay fields
    of their own."""
    texts = ["주민번호  900115  1234567", "주민번호 900115   1234567", "번호  901315  1234567",
             "번호  900115  9234567", "번호  1900115  1234567", "번호  900115  12345678",
             "번호  900115     1234567", "20240105  1234567"]
    thorough = Config.thorough()
    assert [norvane.detect(t, thorough).normalized_text for t in texts] == [
        "주민번호  9001151234567", "주민번호 9001151234567", "번호  901315  1234567",
        "번호  900115  9234567", "번호  1900115  1234567", "번호  900115  12345678",
        "번호  900115     1234567", "20240105  1234567"]
    assert [f.evidence.normalizations for f in norvane.detect(texts[0], thorough).findings] == [
        ["separator.halves_apart"]]


@pytest.mark.parametrize("organisation", ["행복노인복지관", "푸른지역아동센터", "한빛장애인협회", "새봄영농조합",
                                          "미래나눔재단", "{}시니어클럽"])
def test_an_organisations_line_vetoes_none_of_its_rosters_rows(organisation):
    """The organisation above the table keeps its landline; every row's resident number, mobile,
    account and card are its person's, tab, pipe, comma or space separated."""
    head = f"담당: {organisation.format('강남')} 02-123-4567\n"
    rows = ["1\t김순자\t470926-2421480\t010-2345-6789\t새마을금고\t4443-078-559352\t학교급식 지원\t290000",
            "2\t박영희\t660714-2383061\t010-9876-5432\t복지카드\t4518-4412-3456-7892\t복지관 청소\t290000"]
    expected = [("resident", "470926-2421480"), ("phone", "010-2345-6789"), ("bank_account", "4443-078-559352"),
                ("resident", "660714-2383061"), ("phone", "010-9876-5432"), ("credit_card", "4518-4412-3456-7892")]
    for delimiter in ("\t", " | ", ",", "  ", " "):
        text = head + "\n".join(r.replace("\t", delimiter) for r in rows)
        assert [f[:2] for f in found(text, Config.thorough())] == expected, delimiter
        assert_exact_and_reversible(text)


def test_a_banks_name_between_a_mobile_and_a_number_is_the_numbers():
    """A bank's name right after a mobile makes it an account only when no number follows the
    name: in a row's cells (010-... 농협 302-...) the name is the next number's."""
    texts = ["김순자 010-2345-6789 농협 302-1234-5678-91 공익활동", "010-2345-6789 (카카오뱅크)",
             "010-2345-6789 농협은행 302-1234-5678-91", "환불: 010-2345-6789 토스뱅크 예금주 김순자"]
    assert [[f[:2] for f in found(t, Config.thorough())] for t in texts] == [
        [("phone", "010-2345-6789"), ("bank_account", "302-1234-5678-91")],
        [("bank_account", "010-2345-6789")],
        [("phone", "010-2345-6789"), ("bank_account", "302-1234-5678-91")],
        [("bank_account", "010-2345-6789")]]
