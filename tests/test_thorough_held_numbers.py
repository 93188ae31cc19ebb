"""The thorough mode on organisations' numbers held or named as such: accounts held by religious
bodies and associations, offices' and desks' lines (in Korean or as an English key), booking and
inquiry mailboxes at a business's own domain, event dates under their own label beside a birth
label, and year-led reference numbers grouped 4-4-2. Each group compares the whole outcome; the
people's own numbers beside them stay values."""
import norvane
import pytest

from thorough_checks import assert_thorough_outcome

ORG = "company_number"
LOOK = "look_alike"


def mobile(number, extensions=()):
    return ("phone", number, "phone.mobile_11", list(extensions))


def email(address):
    return ("email", address, "email.structural", [])


# Accounts whose holder, after 예금주 or in the bracket right after them, is a religious body, a
# foundation or an association: the organisation's.
HELD_ACCOUNTS = [
    ('참가비 212,000원 입금: 기업 8295-276-644729 (예금주 대한불교 은하사)',
     [],
     {'8295-276-644729': ORG}),
    ('후원 계좌 국민 123456-01-234567 (예금주: 재단법인 한빛복지재단)',
     [],
     {'123456-01-234567': ORG}),
    ('수련회 회비 농협 351-1234-5678-93 예금주 새빛교회',
     [],
     {'351-1234-5678-93': ORG}),
    ('성지순례 참가비 신한 110-482-339120 예금주 천주교 수원교구',
     [],
     {'110-482-339120': ORG}),
    ('연회비 우리은행 1002-345-678901 (예금주 사단법인 희망나눔)',
     [],
     {'1002-345-678901': ORG}),
    ('등값은 새마을금고 8721-179-933114 (대한불교 보광사) 로 보내주세요',
     [],
     {'8721-179-933114': ORG}),
    ('헌금 계좌: 하나 463-529-177844 / 예금주 원불교 중앙교당',
     [],
     {'463-529-177844': ORG}),
]

# A person's name as the holder keeps the account a value.
PERSONS_ACCOUNTS = [
    ('상금 수령 계좌 신한 110-482-339120 예금주 김철수',
     [('bank_account', '110-482-339120', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.trailing_label'])],
     {}),
    ('조의금 계좌 수협 585-21-575807 예금주 곽영희\n문의 010-6990-5451',
     [('bank_account', '585-21-575807', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.trailing_label']), mobile("010-6990-5451", ['phone.mobile_under_other_word'])],
     {}),
    ('환불 받을 계좌 국민 123456-01-234567 (예금주 이보람)',
     [('bank_account', '123456-01-234567', 'account.length', ['context.bank_name', 'context.letter_distance', 'context.trailing_label'])],
     {}),
]

# Offices' and desks' lines: a temple's 종무소, a hotel system's keys (front_desk, reception,
# lobby_tel, concierge), a secretariat's, a school's and a hospital's counters. A night manager's
# or a guest's mobile beside them stays a value.
DESK_LINES = [
    ('종무소 061-891-1523\n템플스테이 담당 김민수 010-2384-5521',
     [mobile("010-2384-5521")],
     {'061-891-1523': ORG}),
    ('{"hotel": "Hotel Lumiere", "front_desk": "02-961-9375", "night_manager": "010-2345-6789"}',
     [mobile("010-2345-6789")],
     {'02-961-9375': ORG}),
    ('"reception": "051-744-2231", "lobby_tel": "051-744-2200", "concierge": "02 3456 7890"',
     [],
     {'051-744-2231': ORG, '051-744-2200': ORG, '02 3456 7890': ORG}),
    ('Guest: Minsu Kim  Mobile: 010-2384-5521\nLobby 02-714-5006 | Concierge 02-714-5007',
     [mobile("010-2384-5521", ['context.extra_label'])],
     {'02-714-5006': ORG, '02-714-5007': ORG}),
    ('사무국 02-555-1234 / 행정실 031-234-5678 / 원무과 02-2072-1234',
     [],
     {'02-555-1234': ORG, '031-234-5678': ORG, '02-2072-1234': ORG}),
    ('종무실 063.291.4410 (평일 9시~18시)',
     [],
     {'063.291.4410': ORG}),
    ('Front Desk 031-555-1234 / night manager Kim 010-2233-4455',
     [mobile("010-2233-4455")],
     {'031-555-1234': ORG}),
]

# Booking and inquiry mailboxes at the business's own domain; at a mail service people sign up
# to (gmail, naver) the address stays a value, whatever its local part.
MAILBOXES = [
    ('문의 메일 booking@lumiere-wedding.com',
     [],
     {'booking@lumiere-wedding.com': ORG}),
    ('reservation@tutorlink.kr booking@greencheck.co.kr help@cleancar.kr',
     [],
     {'reservation@tutorlink.kr': ORG, 'booking@greencheck.co.kr': ORG, 'help@cleancar.kr': ORG}),
    ('변경 문의: inquiry@stayhanok.kr\n예약자 김민수님 010-2384-5521',
     [mobile("010-2384-5521")],
     {'inquiry@stayhanok.kr': ORG}),
    ('예약은 reservations@hanbit-tour.com 으로, 개인 문의는 booking.kim@gmail.com',
     [email("booking.kim@gmail.com")],
     {'reservations@hanbit-tour.com': ORG}),
    ('From: booking@stayhanok.kr\nTo: reservation77@naver.com',
     [email("reservation77@naver.com")],
     {'booking@stayhanok.kr': ORG}),
]

# Dates under their own event's label (졸업일, 입회일, 가입일, 수료일, 결혼기념일, 입사일) are no
# birth dates, though a birth label stands beside them or after their bracket.
EVENT_DATES = [
    ('졸업생 권민수입니다(졸업일 19.07.09). 생년월일은 021110입니다.',
     [('birth_date', '021110', 'birth.yymmdd', ['context.letter_distance'])],
     {'19.07.09': LOOK}),
    ('성명 | 생년월일 | 입회일 | 연락처\n김민수 | 1985.03.12 | 2019.04.01 | 010-2345-6789\n박지현 | 920715 | 150301 | 010-3456-7890',
     [('birth_date', '1985.03.12', 'birth.yyyymmdd', ['context.column_header']), mobile("010-2345-6789", ['context.column_header']), ('birth_date', '920715', 'birth.yymmdd', ['context.column_header']), mobile("010-3456-7890", ['context.column_header'])],
     {'2019.04.01': LOOK, '150301': LOOK}),
    ('성명\t생년월일\t가입일\t수료일\n박지현\t1991.07.23\t2020.03.01\t2020.08.30',
     [('birth_date', '1991.07.23', 'birth.yyyymmdd', ['context.column_header'])],
     {'2020.03.01': LOOK, '2020.08.30': LOOK}),
    ('이름: 최유진 (결혼기념일 2015.10.03) / 생일 1987.11.20',
     [('birth_date', '1987.11.20', 'birth.yyyymmdd', ['context.letter_distance'])],
     {'2015.10.03': LOOK}),
    ('직원 카드\n성명: 이서준\n입사일: 2021-03-02  생년월일: 1990-05-17',
     [('birth_date', '1990-05-17', 'birth.yyyymmdd', ['context.letter_distance'])],
     {'2021-03-02': LOOK}),
    ('회원 정하늘 (가입일 2018.05.20) 생일 1994.02.11',
     [('birth_date', '1994.02.11', 'birth.yyyymmdd', ['context.letter_distance'])],
     {'2018.05.20': LOOK}),
]

# Reference numbers led by their year and grouped 4-4-2: no business number, unless a business's
# label names them.
REFERENCES = [
    ('VOYAGE 2025-5556-97 / Passenger Minsu Kim',
     [],
     {'2025-5556-97': LOOK}),
    ('접수 2025-4202-79 신청인 김민수 010-2384-5521',
     [mobile("010-2384-5521")],
     {'2025-4202-79': LOOK}),
    ('Registration No. 2025-1150-42',
     [],
     {'2025-1150-42': LOOK}),
    ('[민원 접수] 접수번호 2019.9135.09',
     [],
     {'2019.9135.09': LOOK}),
    ('사업자등록번호 2025-1150-42',
     [('business_registration', '2025-1150-42', 'business.10', ['context.letter_distance'])],
     {}),
    ('신청번호: 2025-0402-39\n대표자 김민수 사업자등록번호 129-77-90197',
     [('business_registration', '129-77-90197', 'business.10', ['context.letter_distance'])],
     {'2025-0402-39': LOOK}),
]

DOCUMENTS = HELD_ACCOUNTS + PERSONS_ACCOUNTS + DESK_LINES + MAILBOXES + EVENT_DATES + REFERENCES


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_organisations_held_numbers_are_not_reported_and_the_peoples_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_the_default_setting_still_reads_a_year_led_reference_as_a_business_number():
    """Config() is frozen: the 4-4-2 reading is the thorough mode's."""
    text = "접수 2025-4202-79 / VOYAGE 2025-5556-97"
    assert [(f.entity, f.text(text)) for f in norvane.detect(text).findings] == [
        ("business_registration", "2025-4202-79"), ("business_registration", "2025-5556-97")]
