"""The thorough label walk's steps over ASCII bytes (a line break, a table row's tag and an SQL
insert's VALUES end it; digits, letters and marks count or not) and the readings that look back
over a line for the number before a value (a landline after another number under a telephone
word, the words before an account's 계좌 back to the number before them). Each case compares the
whole outcome: the findings' kinds, texts, rules and extensions, and the numbers vetoed."""
import pytest

from thorough_checks import found_thorough, vetoed_thorough

ORG = "company_number"
MOBILE = ("phone", "010-9876-5432", "phone.mobile_11")
ACCOUNT = ("bank_account", "110-123-456789", "account.length")

WALKS_OVER_ASCII = [
    # A row's tags end the walk; the cell's label before the value is read.
    ("<tr><td>연락처</td><td>010-9876-5432</td></tr>", [(*MOBILE, ["context.letter_distance"])], {}),
    ("<TR><TD>계좌</TD><TD>신한 110-123-456789</TD></TR>",
     [(*ACCOUNT, ["context.bank_name", "context.letter_distance"])], {}),
    # The parenthesis of VALUES ends it: the column list names the value.
    ("INSERT INTO users (name, phone) VALUES ('홍길동', '010-9876-5432');",
     [(*MOBILE, ["context.sql_column"])], {}),
    # A line break ends it: the label on the line above is read as such.
    ("Phone\n010-9876-5432", [(*MOBILE, ["context.label_line"])], {}),
    ("tel: 010-9876-5432", [(*MOBILE, ["context.extra_label"])], {}),
    ("cardNo 1234-5678-9012-3456",
     [("credit_card", "1234-5678-9012-3456", "card.luhn", ["context.log_key"])], {}),
    # A bracket that is no VALUES' is a mark like any other.
    ("계좌 (신한) 110-123-456789",
     [(*ACCOUNT, ["context.bank_name", "context.letter_distance", "context.compound_label"])], {}),
]

NUMBERS_BEFORE_ON_THE_LINE = [
    # A landline after a direct line under a bare telephone word: the office's main line. The
    # label past the slash is the main line's, not a trailing label of the direct line.
    ("직통 062-244-9541 / Tel 042-123-4567",
     [("phone", "062-244-9541", "phone.landline", ["context.extra_label"])], {"042-123-4567": ORG}),
    ("담당 직통 062-244-9541 / 민원실 02-2345-6789",
     [("phone", "062-244-9541", "phone.landline", ["context.extra_label"])],
     {"02-2345-6789": ORG}),
    # The words before a direct line back to the office's number before it name no desk.
    ("민원실 02-2345-6789 직통 062-244-9541",
     [("phone", "062-244-9541", "phone.landline", ["context.extra_label"])],
     {"02-2345-6789": ORG}),
    ("대표 031-555-1234 / 담당 010-9876-5432", [(*MOBILE, [])], {"031-555-1234": ORG}),
    # A collection account's words back to the number before them; a lone digit leading a word
    # (1회용) is the label's.
    ("1회용 가상계좌 국민 562001-01-234567", [], {"562001-01-234567": ORG}),
    ("헌금 계좌 신한 110-123-456789", [], {"110-123-456789": ORG}),
    ("후원 2023 헌금 계좌 신한 110-123-456789", [], {"110-123-456789": ORG}),
    ("교회 12 헌금 계좌 신한 110-123-456789", [], {"110-123-456789": ORG}),
    ("후원 2023 회원 계좌 신한 110-123-456789",
     [(*ACCOUNT, ["context.bank_name", "context.letter_distance"])], {}),
    ("회원 12 입금계좌 신한 110-123-456789",
     [(*ACCOUNT, ["context.bank_name", "context.extra_label"])], {}),
]


@pytest.mark.parametrize("text,expected,vetoed", WALKS_OVER_ASCII + NUMBERS_BEFORE_ON_THE_LINE)
def test_walk_steps_and_numbers_before_decide_the_outcome(text, expected, vetoed):
    assert found_thorough(text) == expected
    assert vetoed_thorough(text) == vetoed
