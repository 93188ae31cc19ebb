"""The thorough mode on mail headers and faxes (an at-mark written as a word beside an e-mail
label, a comma read for a dot), on a mobile number after a word that names other numbers
(문의, 대표, 가입번호), a foreigner's number beside the stay status, a licence read after it was
shown, and on the records that look like personal numbers: blood-donation certificates, pets'
chips, SIM cards, processing numbers, call-recording ids and a hospital's register.
Each group compares the whole outcome on the same texts under Config() and thorough."""
import pytest

import norvane
from norvane import Config, Policy, PolicySet
from thorough_checks import assert_exact_and_reversible, found

AT, COMMA = "email.labelled_at_word", "email.comma_for_dot"
MO = ["phone.mobile_under_other_word"]

# A plain " at " is the at-mark only with an e-mail label on its line, before or after it.
MAIL = [
    ("From: hong.gildong at naver.com", [("email", "hong.gildong at naver.com", AT, [AT], [])]),
    ("보낸 사람: 홍길동 <kim AT daum.net>", [("email", "kim AT daum.net", AT, [AT], [])]),
    ("jimin_jang AT kakao.com <- Sender", [("email", "jimin_jang AT kakao.com", AT, [AT], [])]),
    ("Reply-To: minsu at hanbit.co.kr", [("email", "minsu at hanbit.co.kr", AT, [AT], [])]),
    ("메일: junseok@snu,ac.kr (제태윤)", [("email", "junseok@snu,ac.kr", COMMA, [COMMA], [])]),
    ("fax: hong@nate,com", [("email", "hong@nate,com", COMMA, [COMMA], [])]),
]


@pytest.mark.parametrize("text,expected", MAIL)
def test_addresses_of_mail_headers_and_faxes(text, expected):
    assert found(text, Config.thorough()) == expected
    assert found(text, Config()) == []


def test_a_comma_after_a_plain_dot_extends_the_address():
    text = "kim@hanbit.co,kr 입니다"
    assert found(text, Config.thorough()) == [("email", "kim@hanbit.co,kr", COMMA, [COMMA], [])]
    assert found(text, Config()) == [("email", "kim@hanbit.co", "email.structural", [], [])]


# English prose, a label line with no address, commas before no known top-level domain.
NOT_MAIL = [
    "meet me at school.com",
    "see you at home.tomorrow",
    "From: Seoul at 10.30",
    "Sent from home at naver",
    "a@b,comment",
    "x@y,z",
    "kim@naver,co",
    "From:\nhong at hanbit.co.kr",  # the label on another line, a company's domain
]


@pytest.mark.parametrize("text", NOT_MAIL)
def test_no_address_without_its_label_or_its_domain(text):
    assert norvane.detect(text, Config.thorough()).findings == []


def test_a_mobile_after_a_word_that_names_only_a_companys_line():
    text = ("문의는 010-8411-2528 으로 주세요\n대표 010.1234.5678\n"
            "궁금하신 점은 010~9303~9959 로 문의 주세요")
    assert found(text, Config.thorough()) == [
        ("phone", "010-8411-2528", "phone.mobile_11", MO, []),
        ("phone", "010.1234.5678", "phone.mobile_11", MO, []),
        ("phone", "010~9303~9959", "phone.mobile_11", MO, ["value.dash_lookalike"])]
    # Config() vetoes no phone by a company's word: the first two are its own readings.
    assert found(text, Config()) == [("phone", "010-8411-2528", "phone.mobile_11", [], []),
                                     ("phone", "010.1234.5678", "phone.mobile_11", [], [])]


def test_a_personal_label_needs_no_exemption():
    text = "문의 연락처 010-8411-2528"
    assert found(text, Config.thorough()) == [
        ("phone", "010-8411-2528", "phone.mobile_11", [], [])]


def test_a_carriers_subscription_number_is_the_subscribers_mobile():
    # 가입번호 names a club's numbers too; a mobile's digits under it are the line's.
    text = "[LG U+] 가입번호 010-XXXX-6792\n010-6493-**** / 가입 번호\n가입번호: 010-1234-5678"
    expected = [("phone", "010-XXXX-6792", "phone.mobile_11", MO, []),
                ("phone", "010-6493-****", "phone.mobile_11", MO, []),
                ("phone", "010-1234-5678", "phone.mobile_11", MO, [])]
    assert found(text, Config.thorough()) == expected
    assert found(text, Config()) == [(k, t, r, [], n) for k, t, r, _, n in expected]


def test_members_customers_bookings_and_cash_receipts_keyed_by_their_mobile():
    # A study cafe's or a kiosk's log: the member's own mobile under the word that names the
    # member; the numbers the shop or the payment system issues beside it stay look-alikes.
    text = ("회원 010-2345-6789 입실\n[10:02] seat=12 user_id=01098765432 종일권\n"
            "현금영수증 010-5521-0387 발행\n예약 고객 010-7788-1234\n아이디 01044556677\n"
            "member=01023456789&amt=9000\n주문번호 01098765432\n승인번호 30512345\n회원번호 M1234567")
    expected = [("phone", "010-2345-6789", "phone.mobile_11", MO, []),
                ("phone", "01098765432", "phone.mobile_11", MO, []),
                # A cash receipt is issued to the buyer's mobile: 현금영수증 is a phone's label.
                ("phone", "010-5521-0387", "phone.mobile_11", ["context.extra_label"], []),
                ("phone", "010-7788-1234", "phone.mobile_11", [], []),  # 고객 outweighs 예약
                ("phone", "01044556677", "phone.mobile_11", MO, []),
                ("phone", "01023456789", "phone.mobile_11", MO, [])]
    assert found(text, Config.thorough()) == expected
    order = text.index("01098765432", text.index("주문번호"))
    assert {str(r.reason) for r in norvane.detect(text, Config.thorough()).rejections
            if r.source.char_start == order} == {"business_context"}
    assert_exact_and_reversible(text)


def test_a_word_right_before_another_number_is_that_numbers_label():
    # 좌석 names the seat (12), 주문번호 the order after it: neither vetoes the mobile. A word
    # after the value with no number of its own, and a first group of the look-alike's own
    # digits (헌혈증서 11 18 987279), still do.
    other = "context.label_of_another_number"
    text = ("좌석 12 회원 010-2345-6789 입실\n"
            "VOC: 김영희 고객님(010-3456-7890) 배송 지연 항의 → 주문번호 202303205170 재발송\n"
            "010-4567-8901 주문번호\n헌혈증서 11 18 987279")
    assert found(text, Config.thorough()) == [
        ("phone", "010-2345-6789", "phone.mobile_11", MO + [other], []),
        ("phone", "010-3456-7890", "phone.mobile_11", [other], [])]
    report = norvane.detect(text, Config.thorough())
    assert sorted((text[r.source.char_start:r.source.char_end], str(r.reason)) for r in report.rejections
                  if r.entity in ("phone", "business_registration")) == [
        ("010-4567-8901", "business_context"), ("11 18 987279", "look_alike")]
    assert_exact_and_reversible(text)


def test_a_foreigners_number_beside_the_stay_status():
    text = "등록번호 : 590430-5●●●●●● 체류자격 F-6\n체류자격 C-3 등록번호 521129-5■■■■■■"
    assert found(text, Config.thorough()) == [
        ("foreigner_registration", "590430-5●●●●●●", "resident.foreigner_13", ["context.trailing_label"],
         ["value.partly_masked"]),
        ("foreigner_registration", "521129-5■■■■■■", "resident.foreigner_13",
         ["context.extra_label", "context.compound_label"], ["value.partly_masked"])]
    assert found(text, Config()) == []


def test_a_licence_read_after_it_was_shown():
    text = "운전자는 면허증을 보여줬는데 11-23-456789-01 였습니다\n면허증 사진 보내드렸는데 21-19-966800-13 맞죠?"
    shown = ["context.letter_distance", "context.spoken_request"]
    assert found(text, Config.thorough()) == [("driver_license", "11-23-456789-01", "license.12", shown, []),
                                              ("driver_license", "21-19-966800-13", "license.12", shown, [])]
    assert found(text, Config()) == []


# Nothing is reported; the rejections say why.
RECORDS = [
    ("문의는 1588-1234 로 주세요", {"company_number"}),  # a company's lines stay the company's
    ("문의 02-123-4567", {"company_number"}),
    ("대표번호 010-1234-5678", {"business_context"}),
    ("고객센터 010-1234-5678", {"business_context"}),
    ("콜ID 20210207-1844-4887", {"look_alike"}),
    ("콜id 20251125-886643", {"look_alike"}),
    ("헌혈증서 번호 02-24-123456", {"look_alike"}),
    ("헌혈증 04 20 758392", {"look_alike"}),
    ("동물등록번호 410731804846123", {"look_alike"}),
    ("반려견 동물 등록번호 410-715005249740", {"look_alike"}),
    ("마이크로칩 번호 410 123456 789012", {"look_alike"}),
    ("처리번호: 4931683291639", {"look_alike"}),
    ("민원 신청번호 8910-8584-39352", {"look_alike"}),
    ("처리 결과 번호 2019598284915", {"look_alike"}),
    ("병원 등록번호 7865329790", {"look_alike"}),
    ("가입번호 1234567890", {"look_alike"}),  # a club's: not a mobile's digits
    ("ICCID 8982109562583881347", {"look_alike"}),
    ("칩 번호: 410 990535 290288", {"look_alike"}),
    ("반려묘 등록번호 184409272485534", {"look_alike"}),
    ("면허증을 봤는데 발급일이 2020.01.01", {"look_alike"}),
]


@pytest.mark.parametrize("text,reasons", RECORDS)
def test_records_that_look_personal_are_not_reported(text, reasons):
    report = norvane.detect(text, Config.thorough())
    assert report.findings == []
    assert {r.reason for r in report.rejections} == reasons


def test_masks_round_trip_on_the_addresses_and_mobiles():
    texts = [t for t, _ in MAIL] + ["문의는 010-8411-2528 으로 주세요"]
    text = "\n".join(texts)
    out = norvane.mask(text, PolicySet(Policy.tokenize()), Config.thorough())
    assert norvane.unmask(out.text, out.restore) == text
    assert len(out.applied) == len(texts)
    for _, expected in MAIL:
        assert expected[0][1] not in out.text


HOSTILE = [
    "a@b," * 20_000 + "com",          # one domain of commas that never ends
    "a@b,c" * 20_000,
    "@,com" * 20_000,
    "From " * 20_000 + "a at b.com",   # labels back to back, then an address
    " at " * 30_000,
    "From: a at " * 10_000,
    "메일 a AT b" * 10_000 + ".com",
    "x@" + "a," * 30_000 + "kr",
]


@pytest.mark.parametrize("text", HOSTILE, ids=range(len(HOSTILE)))
def test_hostile_inputs_of_the_mail_readings(text):
    assert_exact_and_reversible(text)
