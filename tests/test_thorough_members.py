"""The thorough mode on members' logs and rosters (gyms, clubs, study cafes, libraries): the
member's own mobile beside the hour of a clock, under a look-alike's word a line above, and
before a seat or a locker numbered after a letter; the numbers the club issues stay unreported.
Each group compares the whole outcome under Config() and thorough."""
import pytest

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible, found

MO, CLOCK = "phone.mobile_under_other_word", "phone.mobile_before_clock"
ABOVE, OTHER = "phone.mobile_under_word_a_line_above", "context.label_of_another_number"


def test_members_mobiles_beside_clocks_seats_and_words_a_line_above():
    text = ("[출석] 홍길동 회원 010-2345-6789 14:16\n"
            "회원 01098765432 09:05 입장\n"
            "좌석 배치도 갱신\n"
            "customer 010-3456-7890 대출 2권\n"
            "08:26 출석 회원 010-4567-8901 (좌석 C-74)\n"
            "Member ID 2023-0451 / Mobile 010-5678-9012 / Locker L023\n"
            "회원번호 20230451 사물함 112\n"
            "멤버십카드 7000-2577-5189-5039 재발급\n"
            "영수증번호 20261209-0153")
    mobiles = [("010-2345-6789", [MO, CLOCK]), ("01098765432", [MO, CLOCK]), ("010-3456-7890", [ABOVE]),
               ("010-4567-8901", [MO, OTHER]), ("010-5678-9012", ["context.extra_label"])]
    assert found(text, Config.thorough()) == [("phone", t, "phone.mobile_11", e, []) for t, e in mobiles]
    assert found(text, Config()) == [("phone", t, "phone.mobile_11", [], []) for t, _ in mobiles] + [
        ("credit_card", "7000-2577-5189-5039", "card.luhn", [], [])]
    # The hour of the clock is never joined to the phone: no reading of a longer run is made.
    report = norvane.detect(text, Config.thorough())
    assert {(text[r.source.char_start:r.source.char_end], str(r.reason)) for r in report.rejections
            if r.entity == "credit_card"} == {("7000-2577-5189-5039", "look_alike")}
    assert_exact_and_reversible(text)


# Nothing is reported; the rejections say why.
STILL_VETOED = [
    # A whole date stays apart from the hour of a clock after it: no phone's or business number's
    # reading to veto, and the date under an event's word is nobody's birth.
    ("접수 2024.01.12 11:50", set()),
    # A word after the mobile with no number of its own names it (a letter alone is no number).
    ("010-4567-8901 좌석", {"look_alike"}),
    ("010-4567-8901 (좌석 C)", {"look_alike"}),
    # A word a line above still vetoes a number that is no mobile.
    ("좌석 배치도 갱신\n고객 02-1234-5678", {"look_alike"}),
    # A member number that is no mobile stays unreported.
    ("회원번호 2023045112", {"look_alike"}),
]


@pytest.mark.parametrize("text,reasons", STILL_VETOED)
def test_what_the_member_readings_leave_vetoed(text, reasons):
    report = norvane.detect(text, Config.thorough())
    assert report.findings == []
    assert {str(r.reason) for r in report.rejections if r.entity in ("phone", "business_registration")} == reasons
