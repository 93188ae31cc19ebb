"""The thorough mode on jotted roster rows where a short 여권 cue names a passport and more fields
follow it on the row (an amount, a weight, a size, a date, a clock, a count, a status word), and
on identifiers led by capitals glued to their digits (contract, order and booking numbers), set
against labels glued to their value (HP010-..., TEL02-...). Each group compares the whole outcome:
the findings, the numbers vetoed as look-alikes, and a reversible mask that hides the values."""
import random

import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config
from thorough_checks import (assert_exact_and_reversible, assert_masks_hide_values_and_keep_look_alikes,
                             assert_thorough_outcome, found_thorough)

NEAR = ["context.letter_distance"]


def passport(text, rule="passport.shape"):
    extensions = ([rule] if rule != "passport.shape" else []) + NEAR
    return ("passport", text, rule, extensions)


def mobile(number, extensions=()):
    return ("phone", number, "phone.mobile_11", list(extensions))


ROWS = [
    # Both formats, the passport's letters other than M, a masked tail; what follows each passport
    # is the row's next field: an amount, a weight, a size, a date, a clock, a count, a status.
    ("강미경 신한 294-137-726706 01073772890 여권 M511K0351 870,500원 ✔",
     [("bank_account", "294-137-726706", "account.length", ["context.bank_name"]), mobile("01073772890"),
      passport("M511K0351", "passport.current")], {}),
    ("주영희 주번 7610132904735 사업자 2502479582 여권 M04467226 73kg 입금확인",
     [("resident", "7610132904735", "resident.korean_13", []),
      ("business_registration", "2502479582", "business.10", NEAR), passport("M04467226")], {}),
    ("곽지원 사업자No 595-86-84308 면허 11-24-776610-91 여권 M883G7922 1060 x 1450mm (완료)",
     [("business_registration", "595-86-84308", "business.10", NEAR),
      ("driver_license", "11-24-776610-91", "license.12", ["context.extra_label"]),
      passport("M883G7922", "passport.current")], {}),
    ("문예은 - 062-318-4527 - gaeun@korea.kr - 여권 M56949464 - 2025-09-19",
     [("phone", "062-318-4527", "phone.landline", []), ("email", "gaeun@korea.kr", "email.structural", []),
      passport("M56949464")], {}),
    ("유지아 - 010-7049-**03 - lim@kyh.or.kr - 여권 M729E7644 - 2026. 12. 5. 입금확인",
     [mobile("010-7049-**03"), ("email", "lim@kyh.or.kr", "email.structural", []),
      passport("M729E7644", "passport.current")], {}),
    ("한지민 01055531707 여권 M5897**** 7/6 미납",
     [mobile("01055531707"), passport("M5897****", "passport.masked")], {}),
    ("오세훈 010-2231-9087 여권 S02970100 17:30 출발",
     [mobile("010-2231-9087"), passport("S02970100")], {}),
    ("배수진 여권 S743B1944 3박스 발송", [passport("S743B1944", "passport.current")], {}),
    ("임하늘 여권 R12345678 180cm 55.3kg", [passport("R12345678")], {}),
    ("정다은 여권 G331D7025 2030.01.15 만료", [passport("G331D7025", "passport.current")], {}),
    ("최윤서 여권 D87654321 120,000원 완납", [passport("D87654321")], {}),
    ("권도윤 여권 T4521**** 2명", [passport("T4521****", "passport.masked")], {}),
]

IDENTIFIERS = [
    # Capitals that lead an identifier: its digits are no phone's, account's or business number.
    ("contract_no=CT0208-368452", [], {"0208-368452": "look_alike"}),
    ("약정번호는 RT0330-099587입니다", [], {"0330-099587": "look_alike"}),
    ("약정번호 C7974-627095", [], {"7974-627095": "look_alike"}),
    ("예약 BK0317-254119 확인", [], {"0317-254119": "look_alike"}),
    ("order: ORD010-4471-2290", [], {"010-4471-2290": "look_alike"}),
    ("교적번호 A3578345658", [], {"3578345658": "look_alike"}),
    # Capitals (or a key) that label the value glued to them: the value is read.
    ("tel=010-1234-5678", [mobile("010-1234-5678", ["context.log_key"])], {}),
    ("HP010-1234-5678", [mobile("010-1234-5678", ["context.extra_label"])], {}),
    ("H.P010-1234-5678", [mobile("010-1234-5678", ["context.extra_label"])], {}),
    ("TEL02-123-4567", [("phone", "02-123-4567", "phone.seoul", ["context.extra_label"])], {}),
    ("T0312345678", [("phone", "0312345678", "phone.landline", [])], {}),
    ("M010-2231-9087", [mobile("010-2231-9087")], {}),
    ("KB123456-01-234567", [("bank_account", "123456-01-234567", "account.length", ["context.bank_name"])], {}),
    # One capital glued before a telephone number under a person's telephone label is a typo's
    # or a scan's: the number is theirs. Two capitals still lead an identifier there.
    ("연락처 A010-1234-5678", [mobile("010-1234-5678", NEAR)], {}),
    ("연락처: Q010-1234-5678 홍길동", [mobile("010-1234-5678", NEAR)], {}),
    ("연락처 K02-123-4567", [("phone", "02-123-4567", "phone.seoul", NEAR)], {}),
    ("약정번호는 RT0330-099587입니다 연락처 010-1111-2222",
     [mobile("010-1111-2222", NEAR)], {"0330-099587": "look_alike"}),
    # A card's or a resident's number whose check digit agrees is read by its check.
    ("MC5500-0000-0000-0004", [("credit_card", "5500-0000-0000-0004", "card.luhn", [])], {}),
    ("ID900101-1234568", [("resident", "900101-1234568", "resident.korean_13", [])], {}),
]


@pytest.mark.parametrize("text,expected,vetoed", ROWS + IDENTIFIERS)
def test_whole_outcome(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_masking_hides_the_values_and_keeps_the_look_alikes():
    assert_masks_hide_values_and_keep_look_alikes(ROWS + IDENTIFIERS)


def test_a_whole_passport_ends_its_field_only_under_the_thorough_settings():
    # The default setting joins the row's next number to the passport as it always did; the
    # thorough one keeps the space, and still joins a passport's own groups.
    # A scanned S leading a whole passport stays its letter under the thorough settings.
    cases = [("여권 M04467226 73kg", "여권 M04467226 73kg", "여권 M0446722673kg"),
             ("여권 S02970100 17:30", "여권 S02970100 17:30", "여권 S0297010017:30"),
             ("여권 S1234 5678", "여권 S12345678", "여권 S12345678"),
             ("AB12345678 9", "AB123456789", "AB123456789")]
    assert [(norvane.normalize(text, Config.thorough()).text, norvane.normalize(text, Config()).text)
            for text, _, _ in cases] == [(thorough, default) for _, thorough, default in cases]


LETTERS = "MSRGDT"
FOLLOWING = ["870,500원", "73kg", "1060 x 1450mm", "2025-09-19", "- 2026. 12. 5. 입금확인", "7/6 미납",
             "17:30", "3박스", "180cm", "2030.01.15 만료", "120,000원 완납", "010-1234-5678", "2명", "(완료)"]


def passport_of(letter, digits, current, masked):
    """A passport of either format from eight digits, its last four masked when asked."""
    body = digits[:3] + "K" + digits[3:7] if current else digits
    return letter + (body[:4] + "****" if masked else body)


@settings(max_examples=150, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.sampled_from(LETTERS), st.text("0123456789", min_size=8, max_size=8), st.booleans(),
       st.booleans(), st.sampled_from(FOLLOWING), st.sampled_from(["여권 ", "여권번호 ", "여권: "]))
def test_any_passport_on_a_row_is_found_whatever_follows(letter, digits, current, masked, following, cue):
    value = passport_of(letter, digits, current, masked)
    text = f"홍길동 {cue}{value} {following}"
    found = found_thorough(text)
    assert any(kind == "passport" and written == value for kind, written, _, _ in found), (text, found)
    assert_exact_and_reversible(text)


def test_hostile_rows_and_glued_capitals_stay_exact():
    rnd = random.Random(19)
    pieces = ["여권 ", "M12345678", "S1234****", "M123A4567", " ", "  ", " - ", "73kg", "CT", "HP", "T",
              "0208-368452", "010-1234-5678", "KB", "ABCDE", "=", ".", "\t", ",", "*", "X", "x", "\n"]
    for _ in range(300):
        assert_exact_and_reversible("".join(rnd.choice(pieces) for _ in range(rnd.randint(1, 40))))
    # Long texts of either shape finish and find what they hold.
    rows = "여권 M12345678 73kg " * 5000
    assert sum(f.entity == "passport" for f in norvane.detect(rows, Config.thorough()).findings) == 5000
    assert norvane.detect("CT0208-368452 " * 5000, Config.thorough()).findings == []
