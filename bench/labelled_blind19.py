"""The nineteenth blind part (`blind19`): labelled Korean documents in genres no other part
writes, made apart from the detection rules and from the other parts, never to be tuned on.

    docs = labelled_blind19.generate(1500, seed=1)

Genres (61): sesame-oil presses, rice-cake and butcher's holiday orders, fish-market
deliveries, ancestral-rite food, grave mowing and grave relocation, temples' forty-nine-day rites,
church newcomer cards, sixtieth and seventieth birthday banquets, families' first meetings,
school steering-committee candidates, green-mothers' crossing duty, parent-teacher conferences,
family-trip absence forms, school transfers, calligraphy, pottery and gugak classes, ballet
recitals, children's drawing and English speech contests, morning football and jokgu clubs,
billiards leagues, board-game meet-ups, mothers' community giveaways, study groups, gosiwon
rooms, coffee-bean subscriptions, brewery tours, motorcycle registration, car scrapping, dog
training, cat sitting, pet grooming, seniors' Hangul and smartphone classes, haenyeo registers,
public rice procurement, fertiliser applications, pesticide sales registers, pine-mushroom bids,
local-food producers, food-waste RFID cards, civic safety reports, youth rent support, energy
and culture vouchers, large-family cards, a hardware shop's tab, electrical safety visits, water
leaks, custom cakes, home-office equipment, pilgrimages, home-made syrup sold by direct message,
international-school admissions, K-pop dance academies, bathhouse scrubs and shoe and watch
repairs.

Each is written in a few of these forms: label lines (spaced labels, bracketed labels), scans with
the label above its value or a digit read as a letter, full-width forms, English-Korean forms,
key=value logs, JSON and YAML exports, CSV/TSV/pipe/Markdown rosters, messenger exports in three
formats (some in regional dialects), community posts with their comments, texts typed by older
people (no spaces, digits spaced out or written in Hangul), call transcripts read out digit by
digit, e-mails with signatures, notices of results, shop receipts and ledgers kept by hand.

Conventions:
- Values are whatever identifies or reaches a person: their own mobile, a 050x safe number, their
  home line or direct line, their e-mail (a work address that is theirs included), their account,
  their card (a voucher or large-family card is a card), their resident, foreigner, licence and
  passport numbers, a birth date under a birth label, and every business registration number (a
  sole trader's is theirs).
- Negatives are organisations' numbers and look-alikes: main lines, call centres, faxes and
  extensions, accounts of a company, temple, church, club or school, virtual accounts, shared
  mailboxes, and order, tracking, reception, booking, member, report, bid, meter, customer,
  vehicle, VIN, IMEI, MAC, asset, farm-business and pesticide numbers, land parcels, grave plots,
  student numbers, dates that are not birth dates, amounts, weights and the like.
- About a tenth of the values are partly masked already. Numbers with a check digit carry a valid
  one, except resident numbers issued since October 2020, which have none (writing "post2020").
- Every document is made from its own seed (the part's seed and its index), so a smaller count
  gives a prefix of a larger one.
"""

from __future__ import annotations

import random

import corpus
import labelled
from page_writer import (WIDE, Field, Genre, LookAlike, Page, Sayings, clock, documents, draw, joined,
                         look_alike_fields, nums, registration, topic, written, yymmdd)

PART = "blind19"
KINDS = labelled.KINDS

HANGUL_DIGITS = "공일이삼사오육칠팔구"

# --------------------------------------------------------------------------- people

GIVEN_ROMAN = ("sunja youngsoo okhee jaesik mihwa dongsu kyunghee sangmin bora hyunwoo jieun "
               "seunghee taeho minkyung yongjun soyoung hanbit daeun").split()
FAMILY_ROMAN = "kim lee park choi jeong kang jo yun jang im han o seo sin gwon hwang an song".split()
FREE_MAIL = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com", "icloud.com",
             "hotmail.com", "yahoo.co.kr", "korea.com")
WORK_MAIL = ("sen.go.kr", "gne.go.kr", "nonghyup.com", "hanmaeum.co.kr", "dongne-cafe.kr", "jbedu.kr")

# Bank: digit groups of a person's account there.
ACCOUNT_SHAPES = {
    "농협": (3, 4, 4, 2), "농협은행": (6, 2, 6), "지역농협": (6, 2, 6), "수협": (4, 4, 4), "신협": (6, 2, 6),
    "새마을금고": (4, 2, 7), "국민은행": (6, 2, 6), "신한": (3, 3, 6), "우리은행": (4, 3, 6), "하나": (3, 6, 5),
    "기업은행": (3, 6, 2, 3), "우체국": (6, 2, 6), "카카오뱅크": (4, 2, 7), "토스": (4, 4, 4),
    "광주은행": (3, 3, 6), "제주은행": (2, 2, 6), "경남은행": (3, 2, 7), "산림조합": (3, 4, 4, 2),
}
LICENCE_AREAS = ("서울", "부산", "경기", "강원", "충북", "충남", "전북", "전남", "경북", "경남", "제주", "인천")


def name_of(r: random.Random) -> str:
    return r.choice(corpus.SURNAMES[:45]) + r.choice(corpus.GIVEN)


def veiled(name: str) -> str:
    """A name as results notices print it: the middle syllable hidden."""
    return name[0] + "○" + name[2:] if len(name) > 2 else name[0] + "○"


# --------------------------------------------------------------------------- values


def resident_number(r: random.Random, young: bool) -> labelled.Written:
    if young:
        # Issued since October 2020: six random digits after the sex digit, no check digit.
        y = r.choice((2020, 2021, 2022, 2023, 2024, 2025))
        m = r.randrange(10, 13) if y == 2020 else r.randrange(1, 13)
        head = yymmdd(y, m, r.randrange(1, corpus.days_in(y, m) + 1)) + r.choice("34")
        body = [int(c) for c in head + nums(r, 5)]
        last = (corpus.resident_check(body, False) + r.randrange(1, 10)) % 10
        return written("resident", f"{head[:6]}-{head[6:]}{joined(body[7:])}{last}", "post2020")
    s = registration(r, 1936, 2008, False)
    return draw(r, "resident", {
        "hyphen": (7, f"{s[:6]}-{s[6:]}"), "plain": (2, s), "space_hyphen": (0.7, f"{s[:6]} - {s[6:]}"),
        "masked_back": (1, f"{s[:6]}-{s[6]}******"), "masked_six": (0.4, f"{s[:6]}-{s[6:8]}*****"),
    })


def foreigner_number(r: random.Random) -> labelled.Written:
    s = registration(r, 1960, 2006, True)
    return draw(r, "foreigner_registration", {
        "hyphen": (7, f"{s[:6]}-{s[6:]}"), "plain": (2.5, s), "masked_back": (1.2, f"{s[:6]}-{s[6]}******"),
    })


def business_number(r: random.Random) -> labelled.Written:
    body = [int(c) for c in f"{r.randrange(105, 899)}{r.choice(('01', '02', '07', '10', '23', '40', '58', '91'))}{nums(r, 4)}"]
    s = joined(body) + str(corpus.business_check(body))
    return draw(r, "business_registration", {
        "hyphen": (8, f"{s[:3]}-{s[3:5]}-{s[5:]}"), "plain": (2, s), "dot": (0.6, f"{s[:3]}.{s[3:5]}.{s[5:]}"),
        "masked": (1.1, f"{s[:3]}-{s[3:5]}-{s[5]}****"),
    })


def card_number(r: random.Random, on_slip: bool = False) -> labelled.Written:
    head = r.choice(("4", "4048", "5", "9430", "9490", "6243", "3565", "5275", "4579"))
    if head == "5":
        head = r.choice(("51", "52", "54"))
    body = [int(c) for c in head + nums(r, 15 - len(head))]
    s = joined(body) + str(corpus.luhn_check(body))
    g = [s[i:i + 4] for i in range(0, 16, 4)]
    if on_slip and r.random() < 0.7:  # card slips print the middle digits hidden
        return written("credit_card", f"{g[0]}-{g[1][:2]}**-****-{g[3]}", "masked_slip")
    return draw(r, "credit_card", {
        "hyphen": (6, "-".join(g)), "space": (2.5, " ".join(g)), "plain": (2, s),
        "masked": (1.3, f"{g[0]}-{g[1]}-****-{g[3]}"), "masked_middle": (0.6, f"{g[0]}-**{g[1][2:]}-****-{g[3]}"),
    })


def account_number(r: random.Random, bank: str) -> labelled.Written:
    groups = [nums(r, n) for n in ACCOUNT_SHAPES[bank]]
    longest = max(range(len(groups)), key=lambda i: len(groups[i]))
    hidden = [g if i != longest else g[:2] + "*" * (len(g) - 2) for i, g in enumerate(groups)]
    return draw(r, "bank_account", {
        "hyphen": (6, "-".join(groups)), "plain": (3.5, "".join(groups)), "space": (0.6, " ".join(groups)),
        "masked": (1.1, "-".join(hidden)),
    })


def mobile(r: random.Random) -> labelled.Written:
    mid, end = str(r.randrange(2, 10)) + nums(r, 3), nums(r, 4)
    return draw(r, "phone", {
        "hyphen": (11, f"010-{mid}-{end}"), "plain": (3, f"010{mid}{end}"), "dot": (1.2, f"010.{mid}.{end}"),
        "space": (1.5, f"010 {mid} {end}"), "intl": (0.8, f"+82-10-{mid}-{end}"), "tilde": (0.4, f"010~{mid}~{end}"),
        "masked": (1.6, f"010-{mid[:2]}**-{end}"), "masked_end": (0.8, f"010-{mid}-**{end[2:]}"),
    })


def home_line(r: random.Random) -> labelled.Written:
    area = r.choice(("02", "031", "033", "041", "043", "054", "055", "061", "063", "064"))
    mid = str(r.randrange(2, 10)) + nums(r, 3 if area == "02" else 2)
    return written("phone", f"{area}-{mid}-{nums(r, 4)}", "home_line")


def safe_050(r: random.Random) -> labelled.Written:
    return written("phone", f"0504-{nums(r, 4)}-{nums(r, 4)}" if r.random() < 0.6 else f"050{r.choice('2678')}{nums(r, 8)}",
                   "safe_050")


def email_address(r: random.Random, work: bool) -> labelled.Written:
    given, family = r.choice(GIVEN_ROMAN), r.choice(FAMILY_ROMAN)
    local = r.choice((f"{given}{r.randrange(1, 100)}", f"{family}{given}", f"{given}.{family}",
                      f"{family}_{given}{r.randrange(60, 99)}", f"{given[:2]}{family}{r.randrange(1000, 9999)}",
                      f"mom.{given}", f"{given}love"))
    domain = r.choice(WORK_MAIL) if work else r.choice(FREE_MAIL)
    return draw(r, "email", {
        "plain": (9, f"{local}@{domain}"), "spaced_at": (0.6, f"{local} @ {domain}"),
        "masked": (1.1, f"{local[:2]}****@{domain}"),
    })


def licence_number(r: random.Random) -> labelled.Written:
    area, year, serial, tail = r.randrange(11, 29), f"{r.choice((8, 9, 0, 1, 2))}{r.randrange(10)}", nums(r, 6), nums(r, 2)
    return draw(r, "driver_license", {
        "hyphen": (7, f"{area}-{year}-{serial}-{tail}"), "plain": (2, f"{area}{year}{serial}{tail}"),
        "area_name": (2, f"{r.choice(LICENCE_AREAS)}{r.choice(('', ' '))}{year}-{serial}-{tail}"),
        "masked": (1.1, f"{area}-{year}-{serial[:2]}****-{tail}"),
    })


def passport_number(r: random.Random) -> labelled.Written:
    return draw(r, "passport", {
        "m_digits": (4, f"M{nums(r, 8)}"), "m_letter": (4, f"M{nums(r, 3)}{r.choice('ABCDEFGHJKLN')}{nums(r, 4)}"),
        "other": (1, f"{r.choice('SRGD')}{nums(r, 8)}"), "lower": (0.4, f"m{nums(r, 8)}"),
        "masked": (1, f"M{nums(r, 3)}*****"),
    })


MONTH_NAMES = ("January", "February", "March", "April", "May", "June", "July", "August", "September",
               "October", "November", "December")


def birth_date(r: random.Random, young: bool) -> labelled.Written:
    y, m, d = corpus.random_date(r, 2011, 2023) if young else corpus.random_date(r, 1938, 2006)
    return draw(r, "birth_date", {
        "iso": (4, f"{y}-{m:02d}-{d:02d}"), "dot": (4, f"{y}.{m:02d}.{d:02d}"), "dot_open": (2, f"{y}.{m}.{d}"),
        "korean": (4, f"{y}년 {m}월 {d}일"), "korean_tight": (1, f"{y}년{m}월{d}일"),
        "korean_short": (1, f"{y % 100:02d}년 {m}월 {d}일"), "six": (2, yymmdd(y, m, d)),
        "eight": (1.5, f"{y}{m:02d}{d:02d}"), "slash_dmy": (0.6, f"{d:02d}/{m:02d}/{y}"),
        "english": (0.8, f"{d} {MONTH_NAMES[m - 1]} {y}"), "masked": (1, f"{y}-**-**"),
    })


def value_for(r: random.Random, kind: str, young: bool, bank: str = "", work_mail: bool = False) -> labelled.Written:
    if kind == "phone":
        x = r.random()
        return safe_050(r) if x < 0.05 else home_line(r) if x < 0.13 else mobile(r)
    if kind == "resident":
        return resident_number(r, young and r.random() < 0.7 or r.random() < 0.05)
    if kind == "birth_date":
        return birth_date(r, young)
    if kind == "bank_account":
        return account_number(r, bank)
    if kind == "email":
        return email_address(r, work_mail)
    return {"foreigner_registration": foreigner_number, "business_registration": business_number,
            "credit_card": card_number, "driver_license": licence_number, "passport": passport_number}[kind](r)


# Other ways a value is written in some forms and messages. Writings that say more than their
# shape (an English date, a number issued since 2020 with no check digit) are kept as they are.
KEPT_WRITINGS = ("english", "post2020")
LETTER_FOR = {"0": "O", "1": "l", "5": "S", "8": "B"}


def misread(r: random.Random, w: labelled.Written) -> labelled.Written:
    """A scanned value with one digit read as a letter."""
    spots = [i for i, c in enumerate(w.text) if c in LETTER_FOR and 0 < i < len(w.text) - 1]
    if not spots or w.masked or w.kind == "email" or w.writing in KEPT_WRITINGS:
        return w
    i = r.choice(spots)
    return written(w.kind, w.text[:i] + LETTER_FOR[w.text[i]] + w.text[i + 1:], "ocr_letter")


def read_out(w: labelled.Written) -> labelled.Written:
    """A number as a call transcript writes what was said: digit by digit in Hangul, 공 for zero."""
    if (w.masked or w.kind in ("birth_date", "email") or w.writing in KEPT_WRITINGS or not any(c.isdigit() for c in w.text)
            or not all(c.isdigit() or c in "- " for c in w.text)):
        return w
    spoken = " ".join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in w.text.replace(" ", "-").split("-") if g)
    return written(w.kind, spoken, "hangul_numerals")


SPELLED_OUT = ("phone", "bank_account", "resident", "credit_card")


def spaced_out(w: labelled.Written) -> labelled.Written:
    """Digits typed one by one with a space between, as some older people type them."""
    if w.masked or w.kind not in SPELLED_OUT or w.writing in KEPT_WRITINGS or not w.text.replace("-", "").isdigit():
        return w
    return written(w.kind, " ".join(w.text.replace("-", "")), "spaced_digits")


def hide_middle(w: labelled.Written) -> labelled.Written:
    """A value as a posted notice prints it: the middle third of its digits, a birth date's month
    and day, or an e-mail's name starred."""
    if w.masked or w.writing in KEPT_WRITINGS:
        return w
    if w.kind == "email":
        local, domain = w.text.split("@", 1)
        return written(w.kind, local[:2] + "*" * (len(local) - 2) + "@" + domain, "masked_notice")
    at = [i for i, c in enumerate(w.text) if c.isdigit()]
    third = len(at) // 3
    # A birth date keeps its year; other numbers keep their ends.
    hidden = set(at[(4 if len(at) >= 8 else 2):] if w.kind == "birth_date" else at[third:len(at) - third])
    return written(w.kind, "".join("*" if i in hidden else c for i, c in enumerate(w.text)), "masked_notice")


def wide(w: labelled.Written) -> labelled.Written:
    if w.kind == "email" or w.writing == "english":
        return w
    keep = w.masked or w.writing == "post2020"
    return labelled.Written(w.kind, w.text.translate(WIDE), w.writing if keep else "fullwidth", w.masked)


# --------------------------------------------------------------------------- look-alikes


def _later_date(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2025, 2027)
    return r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}", f"{y}년 {m}월 {d}일", f"{m}월 {d}일",
                     f"{y}. {m}. {d}.", f"{m:02d}/{d:02d}"))


def _org_line(r: random.Random) -> str:
    area = r.choice(("02", "031", "033", "042", "043", "053", "054", "055", "061", "062", "063", "064"))
    mid = str(r.randrange(2, 10)) + nums(r, 3 if area == "02" else 2)
    return f"{area}-{mid}-{r.choice(('0114', '2000', '1004', '3000', '5678', '8000', '0011', '7114'))}"


def _org_account(r: random.Random) -> str:
    bank = r.choice(tuple(ACCOUNT_SHAPES))
    return f"{bank} " + "-".join(nums(r, n) for n in ACCOUNT_SHAPES[bank])


def _imei(r: random.Random) -> str:
    body = [int(c) for c in "35" + nums(r, 12)]
    return joined(body) + str(corpus.luhn_check(body))


def _vin(r: random.Random) -> str:
    letters = "ABCDEFGHJKLMNPRSTUVWXYZ0123456789"
    return r.choice(("KMH", "KNA", "KPT", "KL1")) + "".join(r.choice(letters) for _ in range(8)) + nums(r, 6)


def _plate(r: random.Random) -> str:
    return f"{r.randrange(10, 399)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주')} {nums(r, 4)}"


LOOK_ALIKES = {
    "office_main_phone": LookAlike(("대표전화", "사무실", "본점 전화", "매장 전화", "행정실", "교무실", "사무국"), "office_tel", _org_line),
    "call_center": LookAlike(("고객센터", "상담전화", "콜센터", "안내전화"), "callcenter",
                             lambda r: f"{r.choice(('1588', '1577', '1544', '1666', '1855', '1688'))}-{nums(r, 4)}"),
    "fax": LookAlike(("팩스", "FAX", "팩스번호", "F."), "fax", _org_line),
    "extension": LookAlike(("내선", "내선번호", "구내"), "ext", lambda r: nums(r, r.choice((3, 4)))),
    "hotline_short": LookAlike(("신고전화", "긴급전화", "상담 핫라인"), "hotline",
                               lambda r: r.choice(("119", "112", "1366", "129", "120", "110", "1388", "1339"))),
    "org_account": LookAlike(("입금계좌", "회비 계좌", "후원 계좌", "공동체 계좌", "학교발전기금 계좌", "사찰 계좌", "모임 통장"),
                             "org_account", _org_account),
    "virtual_account": LookAlike(("가상계좌", "납부 전용 계좌", "개인별 가상계좌(납부용)"), "vaccount",
                                 lambda r: r.choice(("2740", "5631", "0166", "9110")) + nums(r, 10)),
    "shared_mailbox": LookAlike(("문의 메일", "대표 메일", "접수 메일"), "contact_mail",
                                lambda r: f"{r.choice(SHARED_BOXES)}@{r.choice(ORG_DOMAINS)}"),
    "order_number": LookAlike(("주문번호", "주문 No", "발주번호"), "order_no",
                              lambda r: r.choice((f"{r.randrange(2025, 2027)}{nums(r, 10)}", f"OD{nums(r, 9)}", f"{nums(r, 6)}-{nums(r, 7)}"))),
    "tracking_number": LookAlike(("송장번호", "운송장", "등기번호"), "invoice",
                                 lambda r: r.choice((nums(r, 12), f"{nums(r, 4)}-{nums(r, 4)}-{nums(r, 4)}", f"{nums(r, 5)}-{nums(r, 4)}-{nums(r, 4)}"))),
    "reception_number": LookAlike(("접수번호", "신청번호", "민원번호"), "receipt_no",
                                  lambda r: r.choice((f"{r.randrange(1, 3)}AA-{r.choice((25, 26))}{r.randrange(1, 13):02d}-{nums(r, 7)}", f"제{r.randrange(2025, 2027)}-{nums(r, 4)}호", f"R{nums(r, 10)}"))),
    "booking_number": LookAlike(("예약번호", "예약 코드", "확정번호"), "reservation",
                                lambda r: r.choice((nums(r, 9), f"BK{nums(r, 8)}", f"{nums(r, 4)}-{nums(r, 4)}"))),
    "member_number": LookAlike(("회원번호", "고객번호", "등록번호(회원)"), "member_id",
                               lambda r: r.choice((nums(r, 11), f"{nums(r, 3)}-{nums(r, 3)}-{nums(r, 4)}", f"C{nums(r, 8)}"))),
    "report_number": LookAlike(("신고번호", "처리번호", "안전신문고 번호"), "report_id",
                               lambda r: f"SPP-{r.randrange(2025, 2027)}-{nums(r, 7)}"),
    "model_number": LookAlike(("모델명", "모델", "품번"), "model",
                              lambda r: r.choice((f"HB-{nums(r, 4)}K", f"SM-A{nums(r, 3)}N", f"NT{nums(r, 3)}XGL", f"DK{nums(r, 2)}-{nums(r, 3)}"))),
    "serial_number": LookAlike(("제조번호", "S/N", "일련번호"), "serial",
                               lambda r: r.choice((f"{nums(r, 3)}{r.choice('KAX')}{nums(r, 9)}", f"SN{nums(r, 11)}", f"{nums(r, 4)}-{nums(r, 4)}-{nums(r, 4)}-{nums(r, 4)}"))),
    "imei": LookAlike(("IMEI", "단말 IMEI"), "imei", _imei),
    "mac_address": LookAlike(("MAC", "MAC 주소", "맥주소"), "mac",
                             lambda r: ":".join(f"{r.randrange(256):02X}" for _ in range(6))),
    "asset_tag": LookAlike(("자산번호", "자산 태그", "관리번호"), "asset",
                           lambda r: f"IT-{r.randrange(2022, 2027)}-{nums(r, 4)}"),
    "approval_number": LookAlike(("승인번호", "카드승인", "승인 No"), "approval", lambda r: nums(r, 8)),
    "transaction_id": LookAlike(("거래번호", "결제번호", "거래고유번호"), "tid", lambda r: f"{r.choice(('T', 'TX', 'NP'))}{nums(r, 15)}"),
    "event_date": LookAlike(("행사일", "방문일", "작업 예정일", "수령일", "마감일", "출발일", "접수일"), "date", _later_date),
    "past_date": LookAlike(("가입일", "등록일", "개업일", "설치일", "입학일", "최초 신청일"), "since",
                           lambda r: "{0}.{1:02d}.{2:02d}".format(*corpus.random_date(r, 1988, 2024))),
    "deadline": LookAlike(("납부기한", "신청 마감", "제출기한", "유효기간"), "due",
                          lambda r: f"{_later_date(r)}까지"),
    "amount": LookAlike(("금액", "합계", "결제금액", "회비", "단가", "지원금"), "amount",
                        lambda r: r.choice((f"{r.randrange(1, 500) * 1000:,}원", f"{r.randrange(1, 90)}만 {r.choice(('', '5천'))}원".replace(" 원", "원"),
                                            f"₩{r.randrange(5, 900) * 100:,}", f"{r.randrange(10, 999) * 100:,}"))),
    "postcode": LookAlike(("우편번호", "우)", "(우)"), "zip", lambda r: f"{r.randrange(1, 64):02d}{nums(r, 3)}"),
    "unit_address": LookAlike(("동·호수", "호수", "세대"), "unit",
                              lambda r: f"{r.randrange(101, 130)}동 {r.randrange(1, 25)}{r.randrange(1, 6):02d}호"),
    "land_parcel": LookAlike(("지번", "소재지 지번", "필지"), "parcel",
                             lambda r: f"{r.choice(('', '산 ', '산'))}{r.randrange(1, 999)}-{r.randrange(1, 40)}번지"),
    "grave_plot": LookAlike(("묘역 위치", "봉안 위치", "묘지 번호"), "plot",
                            lambda r: f"{r.randrange(1, 9)}묘역 {r.randrange(1, 40)}열 {r.randrange(1, 60)}호"),
    "student_number": LookAlike(("학년 반 번호", "학번", "반/번호"), "student",
                                lambda r: r.choice((f"{r.randrange(1, 7)}학년 {r.randrange(1, 12)}반 {r.randrange(1, 32)}번",
                                                    f"{r.randrange(1, 4)}{r.randrange(1, 12):02d}{r.randrange(1, 32):02d}", f"2026{nums(r, 5)}"))),
    "vehicle_plate": LookAlike(("차량번호", "차번", "번호판"), "plate", _plate),
    "vin": LookAlike(("차대번호", "VIN"), "vin", _vin),
    "farm_business_number": LookAlike(("농업경영체 등록번호", "경영체번호", "농가번호"), "farm_id", lambda r: nums(r, 10)),
    "pesticide_registration": LookAlike(("품목등록번호", "농약 등록번호", "등록번호(품목)"), "pesticide_reg",
                                        lambda r: f"제{r.randrange(1000, 9999)}호"),
    "rfid_card": LookAlike(("RFID 카드번호", "음식물 카드 번호", "종량제 카드"), "rfid",
                           lambda r: f"{r.choice(('9800', '7012'))}-{nums(r, 4)}-{nums(r, 4)}"),
    "meter_number": LookAlike(("계량기 번호", "전력량계 번호", "수도 계량기"), "meter",
                              lambda r: f"{nums(r, 2)}-{nums(r, 7)}"),
    "utility_customer_number": LookAlike(("한전 고객번호", "전기 고객번호", "수용가 번호", "납부자 번호"), "customer_no",
                                         lambda r: f"{nums(r, 2)}-{nums(r, 4)}-{nums(r, 4)}-{nums(r, 2)}"),
    "bid_number": LookAlike(("입찰번호", "공고번호", "낙찰 번호"), "bid",
                            lambda r: f"{r.randrange(2025, 2027)}-{r.choice(('임산물', '송이', '공매'))}-{r.randrange(1, 300):03d}"),
    "giro_number": LookAlike(("지로번호", "전자납부번호"), "giro", lambda r: nums(r, 7)),
    "weight": LookAlike(("무게", "수량", "중량", "포장 단위"), "qty",
                        lambda r: r.choice((f"{r.randrange(1, 60)}kg", f"{r.randrange(1, 30)}근", f"{r.randrange(1, 12)}병",
                                            f"{r.randrange(1, 40)}포대", f"{r.randrange(1, 9)}되"))),
    "time_slot": LookAlike(("시간", "수업 시간", "방문 시간", "집합 시간"), "time",
                           lambda r: f"{r.randrange(6, 20):02d}:{r.choice(('00', '20', '30', '40'))}~{r.randrange(8, 23):02d}:{r.choice(('00', '30'))}"),
    "room_number": LookAlike(("방 번호", "호실", "객실", "교실"), "room", lambda r: f"{r.randrange(1, 6)}{r.randrange(1, 25):02d}호"),
    "class_code": LookAlike(("강좌번호", "반 코드", "수업 코드"), "class_code",
                            lambda r: f"{r.choice(('CAL', 'POT', 'GUK', 'SMT', 'HAN'))}-{r.randrange(24, 27)}{nums(r, 3)}"),
    "entry_number": LookAlike(("참가번호", "수험번호", "출전번호"), "entry",
                              lambda r: r.choice((f"{r.choice('ABCD')}-{r.randrange(1, 400):03d}", f"{r.randrange(2025, 2027)}{nums(r, 4)}"))),
    "coupon_code": LookAlike(("쿠폰번호", "할인코드", "교환코드"), "coupon",
                             lambda r: f"{r.choice(('BEAN', 'CAKE', 'HELLO', 'FALL'))}{nums(r, 4)}"),
    "verification_code": LookAlike(("인증번호", "확인코드", "공동현관 비밀번호"), "otp", lambda r: nums(r, r.choice((4, 6)))),
    "electrical_reading": LookAlike(("절연저항", "측정 전압", "누설전류"), "reading",
                                    lambda r: r.choice((f"{r.randrange(1, 99) / 10}MΩ", f"{r.choice((220, 221, 218, 380))}V", f"{r.randrange(1, 30)}mA"))),
    "size": LookAlike(("크기", "사이즈", "규격"), "size",
                      lambda r: r.choice((f"{r.randrange(1, 4)}호({r.randrange(15, 25)}cm)", f"{r.randrange(30, 240)} x {r.randrange(30, 200)}cm", f"{r.randrange(90, 120)}x{r.randrange(190, 210)}"))),
    "policy_number": LookAlike(("증권번호", "가입증서 번호"), "policy",
                               lambda r: f"{r.randrange(2019, 2027)}-{nums(r, 3)}-{nums(r, 6)}"),
    "open_chat_code": LookAlike(("오픈채팅 참여코드", "참여코드", "방 비번"), "chat_code", lambda r: nums(r, 4)),
    "period_text": LookAlike(("지원 기간", "사용 기간", "이용 기간"), "period",
                             lambda r: f"{_later_date(r)} ~ {_later_date(r)}"),
    "locker_key": LookAlike(("옷장 키", "신발장 번호", "락커"), "locker", lambda r: f"{r.randrange(1, 300)}번"),
    "percentage": LookAlike(("할인율", "출석률", "지원 비율"), "rate", lambda r: f"{r.randrange(5, 100)}%"),
}

SHARED_BOXES = ("info", "help", "office", "admin", "contact", "order", "cs", "apply")
ORG_DOMAINS = ("bangat-gan.kr", "ttokjip.co.kr", "sanbul-temple.or.kr", "hanbit-school.es.kr", "jokgu.club",
               "beanmail.co.kr", "makgeolli-farm.kr", "sunhan-elec.co.kr", "mapo.go.kr", "jeju-haenyeo.or.kr",
               "petcare.kr", "whv-agency.com", "observatory.or.kr", "gosiwon.kr")

# --------------------------------------------------------------------------- labels

LABELS = {
    "phone": ("연락처", "휴대폰", "핸드폰 번호", "전화", "휴대전화번호", "연락처(휴대)", "폰번호", "H.P"),
    "email": ("이메일", "e메일", "메일", "이메일주소", "E-mail"),
    "resident": ("주민등록번호", "주민번호", "주민등록번호(13자리)", "주민 No."),
    "foreigner_registration": ("외국인등록번호", "외국인등록증 번호", "등록증번호(외국인)"),
    "business_registration": ("사업자등록번호", "사업자 번호", "사업자등록No", "사업자"),
    "credit_card": ("카드번호", "결제카드번호", "카드 번호", "신용카드"),
    "bank_account": ("계좌번호", "입금계좌", "환급계좌", "통장 번호", "계좌(본인 명의)"),
    "driver_license": ("운전면허번호", "면허번호", "운전면허증 번호", "면허증번호"),
    "birth_date": ("생년월일", "생일", "출생일", "생년월일(양력)"),
    "passport": ("여권번호", "여권 번호", "여권No."),
}
KEYS = {
    "phone": ("phone", "mobile", "hp", "tel_no", "contact"),
    "email": ("email", "mail_addr", "user_mail"),
    "resident": ("rrn", "jumin_no", "resident_id"),
    "foreigner_registration": ("arc", "arc_number", "frgn_reg_no"),
    "business_registration": ("bizno", "biz_reg_no", "brn"),
    "credit_card": ("card_no", "cardnum", "pay_card"),
    "bank_account": ("bank_acct", "account_no", "payout_account"),
    "driver_license": ("dl_number", "license", "driver_lic_no"),
    "birth_date": ("birthday", "dob", "birth_ymd"),
    "passport": ("passport", "passport_num"),
}
EN_LABELS = {
    "phone": "Mobile No.", "email": "Email", "resident": "Korean Resident No.", "foreigner_registration": "Alien Registration No.",
    "business_registration": "Business No.", "credit_card": "Card Number", "bank_account": "Bank Account",
    "driver_license": "Driver Licence No.", "birth_date": "Birth Date", "passport": "Passport Number",
}
# Short cues in ledgers and jotted lines, where a label of one word does.
CUES = {"resident": ("주민", "주번"), "foreigner_registration": ("외국인", "등록증"), "business_registration": ("사업자",),
        "credit_card": ("카드",), "driver_license": ("면허",), "birth_date": ("생", "생일"), "passport": ("여권",),
        "email": ("메일",), "phone": ("폰", "☎")}

# Sentences that carry a value in messages, comments, transcripts and e-mails ({v}: the value).
SAYINGS = {
    "phone": ("제 번호 {v} 입니다", "{v} 로 전화 주세요", "연락은 {v} 이리로 주세요", "번호 남겨요 {v}",
              "안 받으면 {v} 로 문자 남겨 주세요", "{v} 요 이 번호로요"),
    "email": ("메일은 {v} 이에요", "{v} 로 보내 주시면 돼요", "자료는 {v} 로 부탁드립니다"),
    "resident": ("주민번호 {v} 입니다", "주민등록번호는 {v} 이고요", "주민번호가 {v} 예요"),
    "foreigner_registration": ("외국인등록번호 {v} 입니다", "등록증 번호는 {v} 이에요"),
    "business_registration": ("사업자번호 {v} 로 해 주세요", "사업자등록번호는 {v} 입니다", "계산서는 사업자 {v} 로요"),
    "credit_card": ("카드번호 {v} 로 결제해 주세요", "카드는 {v} 이거로요", "결제 카드 {v} 입니다"),
    "bank_account": ("{bank} {v} {holder} 앞으로 보내 주세요", "계좌는 {bank} {v} 예요", "{bank} {v} 로 넣어 주세요"),
    "driver_license": ("면허번호 {v} 입니다", "운전면허번호는 {v} 이에요"),
    "birth_date": ("생년월일은 {v} 이에요", "생일이 {v} 입니다", "{v} 생이에요"),
    "passport": ("여권번호 {v} 입니다", "여권 번호는 {v} 요"),
}
DIALECT_SAYINGS = {
    "경상": ("내 번호 {v} 이라예", "{v} 일로 전화 주이소", "번호 {v} 맞심더"),
    "전라": ("내 번호가 {v} 이랑께요", "{v} 로 전화 주씨오잉", "번호 {v} 여라"),
    "충청": ("번호는 {v} 여유", "{v} 로 전화 줘유", "제 번호 {v} 이유"),
    "제주": ("나 번호 {v} 우다", "{v} 로 전화 줍서예", "번호 {v} 마씸"),
}
DIALECT_ENDINGS = {
    "경상": ("예 알겠심더", "고맙데이", "그라모 내일 가께예", "우짜든동 잘 부탁합니더"),
    "전라": ("아따 고맙구만잉", "그라믄 낼 갈랑께요", "잘 부탁허요잉", "워메 깜빡했소"),
    "충청": ("그류 알겄슈", "고마워유", "천천히 혀유", "낼 가두 되남유"),
    "제주": ("고맙수다", "알앗수다게", "낼 가쿠다", "잘 부탁허쿠다"),
    "표준": ("네 알겠습니다", "감사합니다~", "넵 확인했어요", "고맙습니다 :)"),
}
ORG_SAYINGS = ("{label}{topic} {n} 입니다", "{label} {n} 참고하세요", "({label} {n})", "{label}: {n}", "{label} {n} 으로 안내드려요")
_SAYINGS = Sayings(SAYINGS, DIALECT_SAYINGS, ORG_SAYINGS)

# --------------------------------------------------------------------------- genres


G = Genre
GENRES = (
    G("oil_mill", ("기름집 주문 장부", "참기름·들기름 짜기 주문"), ("고소한 기름집", "시장 기름집"),
      {"phone": 1, "bank_account": 0.4, "business_registration": 0.2},
      {"phone": ("주문자 전화",), "bank_account": ("입금하신 계좌",)},
      ("weight", "amount", "event_date", "org_account", "office_main_phone"),
      ("ledger", "chat", "elderly", "receipt"),
      ("고추는 꼭지 따서 가져오세요.", "참기름은 저온 압착으로 짭니다.", "들기름은 냉장 보관하세요."), region="경상"),
    G("rice_cake_order", ("답례떡 주문서", "떡 맞춤 주문"), ("할매떡집", "전통 떡공방"),
      {"phone": 1, "credit_card": 0.3, "bank_account": 0.4, "business_registration": 0.2},
      {"phone": ("받으실 분 연락처",)},
      ("weight", "amount", "event_date", "time_slot", "org_account", "order_number"),
      ("form", "chat", "sms_order", "ledger"),
      ("백설기는 전날 오후에 찝니다.", "스티커 문구는 미리 알려 주세요.", "포장은 개별 포장으로 해 드립니다.")),
    G("butcher_gift_set", ("명절 선물세트 주문", "한우 선물세트 단체 주문"), ("한우 정육점", "축협 하나로 정육"),
      {"phone": 1, "business_registration": 0.5, "credit_card": 0.4, "bank_account": 0.3},
      {"phone": ("받는 분 휴대폰", "보내는 분 휴대폰")},
      ("order_number", "tracking_number", "amount", "weight", "postcode", "call_center"),
      ("table", "form", "receipt", "email"),
      ("냉장 배송이라 주소지에 꼭 계셔야 합니다.", "등급은 1++ 기준입니다.")),
    G("fish_market_delivery", ("수산시장 택배 주문", "활어·건어물 발송"), ("소래포구 수산", "자갈치 건어물"),
      {"phone": 1, "bank_account": 0.6},
      {"phone": ("받는 사람 번호",), "bank_account": ("환불받을 계좌",)},
      ("tracking_number", "weight", "amount", "org_account", "office_main_phone"),
      ("chat", "elderly", "ledger", "stt"),
      ("아이스박스 두 개로 나눠 보냅니다.", "굴비는 두 두름입니다.", "내일 새벽 경매 보고 보내 드릴게요."), region="경상"),
    G("ancestral_rite_food", ("제사음식 대행 주문", "차례상 주문 확인"), ("정성 차례상", "제례음식 전문점"),
      {"phone": 1, "credit_card": 0.4, "email": 0.3, "bank_account": 0.3},
      {"phone": ("주문자 연락처", "수령인 연락처")},
      ("order_number", "event_date", "time_slot", "amount", "call_center", "unit_address"),
      ("form", "chat", "email", "sms_order"),
      ("홍동백서 진설도를 함께 보내 드립니다.", "탕국은 데워서 올리세요.", "지방 쓰는 법도 동봉합니다.")),
    G("grave_mowing", ("벌초 대행 신청서", "벌초 작업 완료 보고"), ("산림조합 벌초대행", "○○ 벌초대행"),
      {"phone": 1, "bank_account": 0.5, "birth_date": 0.1},
      {"phone": ("신청인 연락처", "후손 대표 연락처")},
      ("land_parcel", "grave_plot", "amount", "event_date", "org_account", "office_main_phone"),
      ("form", "stt", "chat", "table"),
      ("봉분 2기, 상석 1개입니다.", "작업 전후 사진을 문자로 보내 드립니다.", "예초기 작업 후 잔디를 정리했습니다."), region="전라"),
    G("grave_relocation", ("개장 신고서", "분묘 이장 신청"), ("읍사무소 민원실", "추모공원 관리사무소"),
      {"phone": 1, "resident": 1, "birth_date": 0.3},
      {"resident": ("신고인 주민등록번호", "사망자 주민등록번호"), "phone": ("신고인 전화번호",)},
      ("land_parcel", "grave_plot", "reception_number", "past_date", "event_date", "office_main_phone", "fax"),
      ("form", "ocr", "fullwidth"),
      ("개장 후 화장하여 봉안당에 안치합니다.", "분묘 사진과 연고자 동의서를 첨부합니다.")),
    G("temple_rite_49", ("사십구재 접수", "천도재 봉행 신청"), ("산사 종무소", "○○사 종무소"),
      {"phone": 1, "birth_date": 0.7, "bank_account": 0.3},
      {"birth_date": ("영가 생년월일", "복위자 생년월일"), "phone": ("재자 연락처",)},
      ("event_date", "amount", "org_account", "office_main_phone", "time_slot"),
      ("form", "table", "chat"),
      ("막재는 일요일 오전 10시입니다.", "위패 글씨는 한자로 올립니다.")),
    G("church_newcomer", ("새가족 등록카드", "새신자 환영 명단"), ("은혜교회 새가족부", "동네 성결교회"),
      {"phone": 1, "birth_date": 0.8, "email": 0.3},
      {"birth_date": ("생년월일(양/음)",), "phone": ("본인 휴대폰", "자택 전화")},
      ("past_date", "unit_address", "org_account", "office_main_phone", "time_slot"),
      ("form", "ocr", "table", "band"),
      ("구역 배정은 다음 주에 알려 드립니다.", "세례 여부: 유아세례 받음.")),
    G("elders_birthday_banquet", ("칠순 잔치 예약", "환갑연 예약 확인"), ("한정식 연회장", "뷔페 연회 예약실"),
      {"phone": 1, "credit_card": 0.4, "birth_date": 0.5, "bank_account": 0.3},
      {"birth_date": ("주인공 생신",), "phone": ("예약자 연락처",), "credit_card": ("계약금 결제 카드",)},
      ("booking_number", "event_date", "amount", "room_number", "office_main_phone"),
      ("form", "chat", "sms_order", "email"),
      ("현수막 문구는 '아버님 칠순을 축하드립니다'로 해 주세요.", "떡케이크는 따로 준비합니다.")),
    G("family_first_meeting", ("상견례 예약", "상견례 룸 예약 확인"), ("한정식집", "호텔 한식당"),
      {"phone": 1, "credit_card": 0.3, "email": 0.3},
      {"phone": ("예약자 휴대폰",)},
      ("booking_number", "room_number", "event_date", "time_slot", "amount", "call_center"),
      ("sms_order", "chat", "email"),
      ("양가 8명, 룸으로 부탁드립니다.", "어르신 한 분은 휠체어를 쓰십니다.")),
    G("school_committee_candidate", ("학교운영위원 후보자 등록", "학부모위원 선출 공고"), ("초등학교 행정실", "중학교 운영위원회"),
      {"phone": 1, "birth_date": 0.6, "email": 0.4, "resident": 0.2},
      {"phone": ("후보자 연락처",), "birth_date": ("후보자 생년월일",)},
      ("student_number", "event_date", "deadline", "office_main_phone", "fax", "reception_number"),
      ("form", "notice", "fullwidth", "email"),
      ("소견서는 A4 한 장 이내로 써 주세요.", "투표는 가정통신문 회신으로 합니다.")),
    G("green_mothers_duty", ("녹색어머니회 교통봉사 당번표", "등굣길 교통지도 명단"), ("녹색어머니회", "학부모회"),
      {"phone": 1, "birth_date": 0.1},
      {"phone": ("어머니 연락처", "보호자 휴대폰")},
      ("student_number", "time_slot", "event_date", "office_main_phone"),
      ("table", "band", "chat"),
      ("깃발과 조끼는 정문 창고에 있습니다.", "비 오는 날도 진행합니다.", "못 나오시면 같은 반끼리 바꿔 주세요."), young=True),
    G("parent_teacher_conference", ("학부모 상담주간 신청", "담임 상담 신청서"), ("초등학교 담임", "학년 교무실"),
      {"phone": 1, "email": 0.4, "birth_date": 0.3},
      {"phone": ("학부모 연락처",), "birth_date": ("학생 생년월일",)},
      ("student_number", "time_slot", "event_date", "office_main_phone", "extension"),
      ("form", "table", "sms_order", "chat"),
      ("전화 상담도 가능합니다.", "상담 내용은 비공개로 관리합니다."), young=True),
    G("family_trip_absence", ("교외체험학습 신청서", "가족여행 체험학습 보고서"), ("초등학교", "중학교 교무실"),
      {"phone": 1, "birth_date": 0.5, "passport": 0.3, "resident": 0.2},
      {"phone": ("보호자 연락처", "인솔자(보호자) 휴대폰"), "passport": ("학생 여권번호",)},
      ("student_number", "event_date", "deadline", "office_main_phone", "percentage"),
      ("form", "ocr", "fullwidth", "email"),
      ("체험학습 기간은 연간 20일 이내입니다.", "보고서는 다녀와서 7일 안에 내 주세요."), young=True),
    G("school_transfer", ("전학 서류 접수", "전입학 신청"), ("교육지원청", "초등학교 교무실"),
      {"phone": 1, "resident": 0.8, "birth_date": 0.4, "email": 0.2},
      {"resident": ("학생 주민등록번호",), "phone": ("보호자 전화",)},
      ("student_number", "past_date", "unit_address", "office_main_phone", "fax", "reception_number"),
      ("form", "ocr", "email", "kv"),
      ("주민등록 등본 1부를 제출해 주세요.", "교과서는 새 학교에서 받습니다."), young=True),
    G("calligraphy_class", ("서예교실 수강 신청", "서예 동아리 회원록"), ("문화센터 서예반", "주민자치센터 서예교실"),
      {"phone": 1, "birth_date": 0.4, "bank_account": 0.2},
      {"phone": ("수강생 연락처",)},
      ("class_code", "time_slot", "amount", "org_account", "office_main_phone"),
      ("table", "form", "elderly", "ledger"),
      ("먹물과 화선지는 개인 준비입니다.", "전시회 출품작은 다음 달까지입니다.")),
    G("pottery_workshop", ("도자기 공방 원데이 클래스", "물레 체험 예약"), ("흙빛 공방", "도예 스튜디오"),
      {"phone": 1, "email": 0.5, "credit_card": 0.3},
      {"phone": ("예약자 번호",)},
      ("booking_number", "class_code", "amount", "time_slot", "coupon_code", "shared_mailbox"),
      ("dm", "sms_order", "form", "json"),
      ("완성품은 가마 소성 후 3주 뒤 택배로 보내 드립니다.", "앞치마는 공방에 있어요.")),
    G("gugak_class", ("사물놀이 교실 회원 명단", "국악 강좌 수강생"), ("국악원 평생교육", "풍물패 동호회"),
      {"phone": 1, "birth_date": 0.5, "bank_account": 0.3},
      {"phone": ("단원 연락처",)},
      ("class_code", "time_slot", "org_account", "amount", "event_date"),
      ("table", "band", "yaml"),
      ("장구채는 공용으로 씁니다.", "정월 대보름 공연 연습이 있습니다.")),
    G("ballet_recital", ("발레 발표회 참가 신청", "발표회 의상비 안내"), ("발레 아카데미", "어린이 발레 스튜디오"),
      {"phone": 1, "birth_date": 0.7, "bank_account": 0.2, "credit_card": 0.3},
      {"birth_date": ("원생 생년월일",), "phone": ("어머님 번호",)},
      ("amount", "event_date", "size", "org_account", "time_slot"),
      ("chat", "form", "table"),
      ("튀튀 사이즈를 적어 주세요.", "리허설은 전날 오후 4시입니다."), young=True),
    G("drawing_contest", ("어린이 사생대회 참가 신청", "사생대회 수상자 명단"), ("구청 문화체육과", "어린이 미술협회"),
      {"phone": 1, "birth_date": 0.8, "email": 0.2},
      {"birth_date": ("참가자 생년월일",), "phone": ("보호자 전화",)},
      ("entry_number", "student_number", "event_date", "office_main_phone", "reception_number"),
      ("form", "notice", "table", "json"),
      ("도화지는 현장에서 나눠 줍니다.", "상장은 학교로 보내 드립니다."), young=True),
    G("english_speech_contest", ("영어 말하기 대회 참가 신청", "English Speech Contest entry"), ("교육청 영어체험센터", "청소년 영어캠프 본부"),
      {"phone": 1, "birth_date": 0.8, "email": 0.6},
      {"email": ("원고 제출 메일",)},
      ("entry_number", "event_date", "deadline", "shared_mailbox", "office_main_phone"),
      ("bilingual", "form", "email"),
      ("원고는 3분 분량으로 준비해 주세요.", "Topic: My Dream Town."), young=True),
    G("morning_football", ("조기축구회 회비 장부", "조기축구 회원 명단"), ("새벽FC", "○○동 조기축구회"),
      {"phone": 1, "birth_date": 0.4, "bank_account": 0.4},
      {"phone": ("회원 번호",)},
      ("amount", "org_account", "event_date", "percentage"),
      ("ledger", "band", "table", "chat"),
      ("일요일 6시 학교 운동장 집합.", "유니폼 추가 주문 받습니다."), region="충청"),
    G("jokgu_club", ("족구 동호회 대회 신청", "족구 리그 참가 명단"), ("시 족구협회", "직장인 족구 동호회"),
      {"phone": 1, "birth_date": 0.5, "resident": 0.2},
      {"phone": ("팀장 연락처",), "resident": ("상해보험 가입용 주민번호",)},
      ("entry_number", "event_date", "amount", "org_account", "office_main_phone"),
      ("table", "form", "band"),
      ("팀당 선수 6명, 후보 2명입니다.", "경기는 3세트 2선승제입니다.")),
    G("billiards_league", ("당구 리그 참가 명단", "동네 당구장 리그"), ("큐 당구클럽", "사구 동호회"),
      {"phone": 1, "bank_account": 0.3},
      {"phone": ("참가자 폰",)},
      ("entry_number", "amount", "org_account", "time_slot", "percentage"),
      ("table", "chat", "ledger"),
      ("핸디는 지난달 평균으로 정했습니다.", "3쿠션 25점 경기입니다.")),
    G("board_game_meetup", ("보드게임 번개 모임", "보드게임 정모 공지"), ("보드게임 카페 모임", "온라인 카페 보드게임방"),
      {"phone": 1, "email": 0.3, "bank_account": 0.3},
      {"phone": ("번개장 번호",)},
      ("open_chat_code", "amount", "time_slot", "event_date", "org_account"),
      ("post", "chat", "band"),
      ("처음 오시는 분도 환영합니다.", "카페 이용료는 1인 만 원입니다.")),
    G("mom_cafe_giveaway", ("맘카페 무료 나눔", "아기 옷 나눔해요"), ("동네 맘카페", "육아 커뮤니티"),
      {"phone": 1, "birth_date": 0.2},
      {"phone": ("연락처",), "birth_date": ("아기 생일",)},
      ("unit_address", "time_slot", "size", "event_date"),
      ("post", "post", "chat"),
      ("문고리 나눔이에요.", "80~90 사이즈 여름옷 한 박스입니다.", "찜하신 분 순서대로 연락드려요."), young=True),
    G("study_group", ("공무원 시험 스터디 모집", "면접 스터디 명단"), ("스터디 카페 모임", "취준생 커뮤니티"),
      {"phone": 1, "email": 0.6, "bank_account": 0.3},
      {"email": ("자료 공유 메일",)},
      ("open_chat_code", "amount", "org_account", "time_slot", "percentage"),
      ("post", "table", "chat", "json"),
      ("지각 벌금은 천 원입니다.", "모의 면접은 서로 녹화해서 봅니다.")),
    G("gosiwon_room", ("고시원 입실 계약서", "입실자 카드"), ("고시원 총무실", "원룸텔 관리실"),
      {"phone": 1, "resident": 0.6, "bank_account": 0.5, "foreigner_registration": 0.3},
      {"phone": ("입실자 연락처", "비상 연락처(가족)"), "bank_account": ("보증금 반환 계좌",)},
      ("room_number", "amount", "verification_code", "event_date", "org_account", "office_main_phone"),
      ("form", "ocr", "chat", "ledger"),
      ("공용 주방은 밤 11시까지 씁니다.", "밥과 김치는 무료 제공입니다.")),
    G("coffee_subscription", ("원두 정기배송 신청", "원두 구독 결제 정보"), ("로스터리 빈스", "동네 로스터리"),
      {"phone": 1, "credit_card": 0.9, "email": 0.6, "business_registration": 0.3},
      {"credit_card": ("정기결제 카드",), "business_registration": ("사무실 사업자번호(세금계산서)",)},
      ("order_number", "tracking_number", "coupon_code", "amount", "weight", "shared_mailbox"),
      ("json", "email", "kv", "form"),
      ("로스팅 후 이틀 안에 발송합니다.", "분쇄도는 핸드드립용으로 해 드려요.")),
    G("brewery_tour", ("양조장 체험 예약", "막걸리 빚기 체험 신청"), ("전통주 양조장", "술도가 체험관"),
      {"phone": 1, "birth_date": 0.7, "email": 0.3},
      {"birth_date": ("생년월일(성인 확인)",)},
      ("booking_number", "amount", "time_slot", "event_date", "office_main_phone"),
      ("form", "sms_order", "dm"),
      ("미성년자는 시음할 수 없습니다.", "빚은 술은 2주 뒤에 찾아가세요.")),
    G("motorcycle_registration", ("이륜자동차 사용신고", "오토바이 사용신고 필증"), ("구청 교통행정과", "이륜차 판매점"),
      {"phone": 1, "resident": 0.7, "driver_license": 0.7, "business_registration": 0.3},
      {"driver_license": ("운전면허(원동기)",), "resident": ("신고인 주민번호",)},
      ("vehicle_plate", "vin", "reception_number", "amount", "office_main_phone", "policy_number"),
      ("form", "ocr", "fullwidth", "kv"),
      ("의무보험 가입증명서를 첨부해야 합니다.", "번호판은 당일 교부합니다.")),
    G("car_scrapping", ("폐차 인수 확인서", "자동차 말소등록 신청"), ("폐차장", "자동차 해체재활용업체"),
      {"phone": 1, "resident": 0.6, "bank_account": 0.7, "business_registration": 0.4},
      {"bank_account": ("폐차 대금 받을 계좌",), "resident": ("소유자 주민번호",)},
      ("vehicle_plate", "vin", "amount", "weight", "reception_number", "office_main_phone"),
      ("form", "ocr", "chat", "stt"),
      ("말소 사실 증명서는 문자로 보내 드립니다.", "차 안의 개인 물품은 미리 빼 주세요.")),
    G("dog_training", ("반려견 훈련소 입소 신청", "위탁 훈련 상담"), ("반려견 행동교정 센터", "도그 트레이닝"),
      {"phone": 1, "email": 0.3, "credit_card": 0.3, "bank_account": 0.3},
      {"phone": ("보호자 연락처",)},
      ("amount", "event_date", "weight", "org_account", "office_main_phone", "booking_number"),
      ("form", "chat", "dm", "stt"),
      ("산책 중 다른 개에게 짖는 문제로 상담했습니다.", "입소 전 종합백신 접종이 필요합니다.")),
    G("cat_sitting", ("방문 탁묘 예약", "펫시터 방문 일지"), ("펫시터 매칭", "고양이 돌봄 서비스"),
      {"phone": 1, "credit_card": 0.3, "email": 0.2},
      {"phone": ("집사님 번호", "시터 번호")},
      ("verification_code", "time_slot", "event_date", "amount", "unit_address"),
      ("chat", "json", "sms_order"),
      ("습식은 하루 한 번, 물은 두 그릇 갈아 주세요.", "모래는 전체 갈이 필요 없어요.")),
    G("pet_grooming", ("애견 미용 예약", "미용 예약 확인"), ("강아지 미용실", "펫 살롱"),
      {"phone": 1, "birth_date": 0.1},
      {"phone": ("보호자 번호",)},
      ("booking_number", "weight", "amount", "time_slot", "event_date", "coupon_code"),
      ("sms_order", "chat", "dm", "ledger"),
      ("가위컷은 만 원 추가입니다.", "엉킴이 심하면 밀어야 할 수 있어요.")),
    G("senior_literacy_class", ("어르신 한글교실 출석부", "문해교실 수강 신청"), ("복지관 평생교육실", "주민센터 한글교실"),
      {"phone": 1, "birth_date": 0.8, "resident": 0.4, "bank_account": 0.2},
      {"phone": ("자녀 연락처", "본인 전화"), "birth_date": ("생년월일",)},
      ("class_code", "time_slot", "event_date", "office_main_phone", "percentage"),
      ("table", "elderly", "ocr", "form"),
      ("받아쓰기 공책을 가져오세요.", "졸업식 때 시화전을 엽니다."), region="전라"),
    G("senior_smartphone_class", ("어르신 스마트폰 교실", "디지털 배움터 수강생"), ("디지털배움터", "노인복지관"),
      {"phone": 1, "email": 0.5, "birth_date": 0.5},
      {"email": ("새로 만든 메일",), "phone": ("본인 휴대폰",)},
      ("class_code", "time_slot", "verification_code", "office_main_phone"),
      ("elderly", "table", "form", "stt"),
      ("카카오톡 사진 보내기를 배웠습니다.", "공인인증서 대신 간편인증을 씁니다."), region="경상"),
    G("haenyeo_register", ("해녀 어업인 등록", "어촌계 해녀 명부"), ("어촌계", "수협 지도과"),
      {"phone": 1, "resident": 0.8, "bank_account": 0.6, "birth_date": 0.3},
      {"bank_account": ("수매 대금 계좌",), "resident": ("주민번호",)},
      ("weight", "amount", "past_date", "org_account", "office_main_phone", "farm_business_number"),
      ("table", "ocr", "stt", "form"),
      ("물질은 물때에 맞춰 나갑니다.", "소라 금채기는 지켜 주세요."), region="제주"),
    G("rice_procurement", ("공공비축미 매입 명단", "벼 수매 대금 지급 내역"), ("지역농협 경제사업장", "면사무소 산업계"),
      {"phone": 1, "bank_account": 0.9, "resident": 0.5},
      {"bank_account": ("수매대금 입금 계좌",)},
      ("weight", "amount", "farm_business_number", "event_date", "office_main_phone"),
      ("table", "ocr", "ledger", "form"),
      ("포대벼 40kg 기준입니다.", "수분 함량 15% 이하만 받습니다."), region="전라"),
    G("fertiliser_application", ("비료 공급 신청서", "유기질비료 지원 신청"), ("농업기술센터", "면사무소 산업팀"),
      {"phone": 1, "resident": 0.6, "bank_account": 0.3, "birth_date": 0.3},
      {"phone": ("농가 전화",), "resident": ("신청인 주민번호",)},
      ("farm_business_number", "land_parcel", "weight", "amount", "deadline", "office_main_phone"),
      ("form", "ocr", "table", "stt"),
      ("면적 1,000㎡당 20포까지 지원합니다.", "자부담 20%를 농협 창구에 내세요."), region="충청"),
    G("pesticide_sales", ("농약 판매 기록부", "농약 구매자 확인"), ("농약사", "지역농협 농자재센터"),
      {"phone": 1, "birth_date": 0.5, "resident": 0.3, "business_registration": 0.2},
      {"phone": ("구매자 연락처",), "birth_date": ("구매자 생년월일",)},
      ("pesticide_registration", "weight", "amount", "event_date", "approval_number"),
      ("ledger", "table", "kv"),
      ("고독성 농약은 판매 기록을 3년 보관합니다.", "사용 설명을 드렸습니다.")),
    G("pine_mushroom_bid", ("송이 채취권 입찰", "송이 공판 낙찰 명단"), ("산림조합", "영림단"),
      {"phone": 1, "resident": 0.6, "bank_account": 0.7, "business_registration": 0.3},
      {"bank_account": ("보증금 환불 계좌",), "resident": ("입찰자 주민번호",)},
      ("bid_number", "land_parcel", "amount", "weight", "org_account", "office_main_phone"),
      ("form", "notice", "table"),
      ("입찰 보증금은 입찰가의 10%입니다.", "등외품은 따로 팝니다."), region="경상"),
    G("local_food_producer", ("로컬푸드 직매장 출하 농가 등록", "직매장 출하자 정산"), ("로컬푸드 직매장", "농협 하나로마트 로컬코너"),
      {"phone": 1, "bank_account": 0.9, "business_registration": 0.5, "resident": 0.3},
      {"bank_account": ("정산 계좌",), "business_registration": ("농가 사업자번호(있는 경우)",)},
      ("farm_business_number", "amount", "percentage", "past_date", "office_main_phone", "member_number"),
      ("form", "table", "kv", "json"),
      ("바코드 라벨은 매장 키오스크에서 뽑습니다.", "판매 수수료는 10%입니다.")),
    G("food_waste_rfid", ("음식물 쓰레기 RFID 카드 신청", "종량기 카드 재발급"), ("구청 청소행정과", "아파트 관리사무소"),
      {"phone": 1, "birth_date": 0.3},
      {"phone": ("세대주 연락처",)},
      ("rfid_card", "unit_address", "amount", "office_main_phone", "past_date"),
      ("form", "sms_order", "kv"),
      ("카드 분실 시 재발급 비용은 3천 원입니다.", "요금은 관리비에 합산됩니다.")),
    G("civic_safety_report", ("안전신문고 신고", "가로등 고장 신고"), ("안전신문고", "구청 도로과"),
      {"phone": 1, "email": 0.4},
      {"phone": ("신고자 연락처", "회신 받을 번호")},
      ("report_number", "land_parcel", "event_date", "call_center", "office_main_phone", "meter_number"),
      ("form", "kv", "json", "post"),
      ("보도블록이 깨져 어르신이 넘어지셨습니다.", "밤에 가로등이 깜빡거립니다.")),
    G("youth_rent_support", ("청년 월세 특별지원 신청", "청년월세 지원금 지급 안내"), ("복지로", "시청 청년정책과"),
      {"phone": 1, "resident": 0.8, "bank_account": 0.9, "email": 0.3},
      {"bank_account": ("지원금 받을 본인 계좌",)},
      ("amount", "reception_number", "unit_address", "deadline", "call_center"),
      ("form", "email", "kv", "fullwidth"),
      ("임대차계약서 사본을 올려 주세요.", "월 최대 20만 원, 12개월 지원합니다.")),
    G("energy_voucher", ("에너지바우처 신청", "난방 바우처 사용 안내"), ("행정복지센터", "에너지바우처 콜센터"),
      {"phone": 1, "resident": 0.7, "credit_card": 0.5, "birth_date": 0.3},
      {"credit_card": ("국민행복카드 번호",), "phone": ("대리 신청인 연락처",)},
      ("utility_customer_number", "amount", "period_text", "call_center", "office_main_phone"),
      ("form", "stt", "elderly", "ocr"),
      ("요금 차감 방식으로 신청하셨습니다.", "등유 구매는 실물카드로 합니다.")),
    G("culture_voucher", ("문화누리카드 발급", "문화누리카드 재충전"), ("문화누리 고객지원", "주민센터"),
      {"phone": 1, "credit_card": 0.9, "birth_date": 0.6},
      {"credit_card": ("문화누리카드 번호",)},
      ("amount", "call_center", "deadline", "approval_number", "transaction_id"),
      ("form", "sms_order", "kv", "chat"),
      ("올해 지원금은 14만 원입니다.", "연말까지 쓰지 않으면 소멸됩니다.")),
    G("large_family_card", ("다둥이 행복카드 신청", "다자녀 우대카드 발급"), ("시청 인구정책과", "주민센터"),
      {"phone": 1, "resident": 0.8, "credit_card": 0.5, "birth_date": 0.5},
      {"resident": ("자녀 주민번호",), "birth_date": ("막내 생년월일",), "credit_card": ("다둥이카드 번호",)},
      ("amount", "reception_number", "past_date", "office_main_phone", "percentage"),
      ("form", "ocr", "fullwidth", "table"),
      ("세 자녀 이상 가정이 대상입니다.", "공영주차장 50% 할인이 됩니다."), young=True),
    G("hardware_tab", ("철물점 외상 장부", "외상 거래 내역"), ("대성철물", "동네 철물점"),
      {"phone": 1, "business_registration": 0.6, "bank_account": 0.3},
      {"phone": ("사장님 번호",), "business_registration": ("현장 사업자",)},
      ("amount", "weight", "event_date", "org_account", "model_number"),
      ("ledger", "ledger", "chat", "receipt"),
      ("월말에 한꺼번에 정산합니다.", "실리콘 두 박스 가져감.")),
    G("electrical_inspection", ("전기안전점검 방문 결과", "정기 전기점검 안내"), ("전기안전공사", "전기공사 업체"),
      {"phone": 1, "business_registration": 0.4, "email": 0.2},
      {"phone": ("입회자 연락처",)},
      ("electrical_reading", "meter_number", "utility_customer_number", "event_date", "call_center", "reception_number"),
      ("form", "kv", "sms_order", "ocr"),
      ("누전차단기 동작 시험을 했습니다.", "부적합 시 개수 후 재점검합니다.")),
    G("water_leak", ("누수 탐지 보고서", "아랫집 누수 피해 합의"), ("누수탐지 전문", "설비 업체"),
      {"phone": 1, "bank_account": 0.7, "business_registration": 0.4, "resident": 0.2},
      {"phone": ("윗집 연락처", "아랫집 연락처"), "bank_account": ("피해 보상 받을 계좌",)},
      ("unit_address", "amount", "policy_number", "event_date", "office_main_phone"),
      ("form", "chat", "email", "stt"),
      ("욕실 배관에서 누수가 확인되었습니다.", "일상배상책임보험으로 처리합니다.")),
    G("custom_cake", ("레터링 케이크 주문", "주문 케이크 예약"), ("디저트 공방", "동네 케이크집"),
      {"phone": 1, "bank_account": 0.3, "birth_date": 0.2},
      {"phone": ("픽업하실 분 번호",)},
      ("size", "amount", "time_slot", "event_date", "org_account", "order_number"),
      ("dm", "sms_order", "chat"),
      ("레터링 문구는 20자 이내입니다.", "초는 숫자초로 넣어 드릴게요.")),
    G("home_office_equipment", ("재택근무 장비 대여 신청", "노트북 반납 확인"), ("IT 지원팀", "총무팀 자산관리"),
      {"phone": 1, "email": 0.9, "birth_date": 0.1},
      {"email": ("사내 메일",), "phone": ("개인 휴대폰",)},
      ("asset_tag", "serial_number", "mac_address", "imei", "extension", "shared_mailbox", "model_number"),
      ("kv", "json", "email", "yaml"),
      ("택배 반납 시 충전기도 같이 넣어 주세요.", "VPN 접속 정보는 메일로 따로 보냅니다.")),
    G("pilgrimage_tour", ("성지순례 참가자 명단", "성지순례 여권 제출"), ("성당 순례단", "교회 선교부"),
      {"phone": 1, "passport": 0.8, "birth_date": 0.7, "resident": 0.3},
      {"passport": ("여권 번호(영문 이름과 같이)",)},
      ("booking_number", "event_date", "amount", "org_account", "office_main_phone"),
      ("table", "form", "band", "ocr"),
      ("여권 사본은 컬러로 보내 주세요.", "미사는 매일 아침 7시입니다.")),
    G("syrup_dm_order", ("수제청 DM 주문", "인스타 주문 정리"), ("수제청 공방", "과일청 스마트스토어"),
      {"phone": 1, "bank_account": 0.5, "business_registration": 0.2},
      {"phone": ("받는 분 전화",)},
      ("amount", "tracking_number", "weight", "org_account", "order_number"),
      ("dm", "dm", "ledger"),
      ("레몬청은 한 달 안에 드세요.", "유리병이라 뽁뽁이로 싸서 보내요.")),
    G("intl_school_admission", ("외국인학교 입학 지원서", "International School application"), ("국제학교 입학처", "외국인학교 행정실"),
      {"phone": 1, "passport": 0.9, "foreigner_registration": 0.6, "birth_date": 0.8, "email": 0.6},
      {"passport": ("학생 여권번호",), "foreigner_registration": ("부모 외국인등록번호",), "email": ("학부모 이메일",)},
      ("reception_number", "amount", "deadline", "shared_mailbox", "office_main_phone", "student_number"),
      ("bilingual", "form", "email", "yaml"),
      ("부모 중 한 명이 외국 국적이어야 지원할 수 있습니다.", "Please attach the last two school reports."), young=True),
    G("kpop_dance_academy", ("K-POP 댄스학원 입시반 등록", "오디션 대비반 상담"), ("댄스 아카데미", "실용무용 학원"),
      {"phone": 1, "birth_date": 0.8, "email": 0.4, "credit_card": 0.3},
      {"phone": ("학생 번호", "부모님 번호"), "birth_date": ("학생 생년월일",)},
      ("class_code", "time_slot", "amount", "org_account", "coupon_code", "event_date"),
      ("dm", "form", "chat", "table"),
      ("영상 촬영은 매달 마지막 주에 합니다.", "연습실 대관은 수강생 무료입니다."), young=True),
    G("bathhouse_scrub", ("목욕탕 세신 예약", "세신 정기권 장부"), ("동네 목욕탕", "사우나 세신실"),
      {"phone": 1, "bank_account": 0.2},
      {"phone": ("손님 번호",)},
      ("time_slot", "amount", "locker_key", "event_date"),
      ("ledger", "elderly", "sms_order"),
      ("정기권 10회에 1회 서비스입니다.", "오일 마사지는 추가 요금이 있습니다."), region="경상"),
    G("shoe_watch_repair", ("구두·시계 수선 접수증", "수선 맡긴 물건 장부"), ("역전 구두수선", "시계 수리점"),
      {"phone": 1, "credit_card": 0.2, "bank_account": 0.2},
      {"phone": ("찾으실 분 연락처",)},
      ("reception_number", "model_number", "serial_number", "amount", "event_date"),
      ("ledger", "receipt", "sms_order", "chat"),
      ("밑창 교체는 사흘 걸립니다.", "배터리 교체 후 방수 검사를 했습니다.")),
)

FORMS = ("form", "ocr", "fullwidth", "bilingual", "kv", "json", "yaml", "table", "chat", "band", "post", "dm",
         "elderly", "stt", "email", "notice", "receipt", "ledger", "sms_order")

# Kinds any genre may carry now and then, so that every kind reaches every form.
NOW_AND_THEN = {"email": 0.1, "birth_date": 0.1, "bank_account": 0.1, "driver_license": 0.16, "passport": 0.1,
                "foreigner_registration": 0.14, "business_registration": 0.08, "credit_card": 0.09, "resident": 0.07}

# --------------------------------------------------------------------------- a person's fields


def _label(r: random.Random, genre: Genre, kind: str, w: labelled.Written) -> str:
    if w.writing == "safe_050":
        return r.choice(("안심번호", "050 번호"))
    if w.writing == "home_line":
        return r.choice(("집 전화", "자택", "집전화번호", "전화(집)"))
    own = genre.labels.get(kind, ())
    return r.choice(own) if own and r.random() < 0.5 else r.choice(LABELS[kind])


def person_fields(r: random.Random, genre: Genre, few: bool = False) -> list[Field]:
    """A person's name and the values the genre asks of them, in the order of KINDS."""
    out = [Field(r.choice(("성명", "이름", "성 명")), "name", text=name_of(r))]
    kinds = {k for k, p in genre.kinds.items() if r.random() < p * (0.62 if k == "phone" else 1)}
    kinds |= {k for k, p in NOW_AND_THEN.items() if r.random() < p * (0.6 if few else 1)}
    for kind in sorted(kinds or {"phone"}, key=KINDS.index):
        bank = r.choice(tuple(ACCOUNT_SHAPES)) if kind == "bank_account" else ""
        w = value_for(r, kind, genre.young and r.random() < 0.5, bank, work_mail=r.random() < 0.12)
        out.append(Field(_label(r, genre, kind, w), r.choice(KEYS[kind]), kind=kind, written=w, bank=bank))
    return out


def look_alikes(r: random.Random, genre: Genre, count: int) -> list[Field]:
    return look_alike_fields(r, LOOK_ALIKES, genre.look_alikes, count, 0.45)


# --------------------------------------------------------------------------- the writer


def _today(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2026, 2026)
    return f"{y}-{m:02d}-{d:02d}"


def _letter_spaced(label: str) -> str:
    return " ".join(label.replace(" ", "")) if len(label) <= 4 else label


# --------------------------------------------------------------------------- forms


def write_form(r: random.Random, page: Page, genre: Genre, form: str) -> None:
    """A filled-in form: its title, one or two people's fields, the organisation's numbers."""
    page.add(f"{r.choice(genre.titles)}\n" + r.choice(("", f"({r.choice(genre.orgs)})\n", "=" * 20 + "\n")))
    marks = r.choice((("", ": "), ("■ ", " : "), ("【", "】 "), ("- ", ": "), ("", "\t")))
    for who in range(1 if r.random() < 0.7 else 2):
        if who:
            page.add(r.choice(("\n[보호자]\n", "\n[대리인]\n", "\n[동반인]\n", "\n[신청인 2]\n")))
        for f in person_fields(r, genre):
            label = f.label if form != "bilingual" or not f.kind else f"{f.label} ({EN_LABELS[f.kind]})"
            if form == "form" and r.random() < 0.3:
                label = _letter_spaced(label)
            if form == "ocr" and f.kind and r.random() < 0.45:
                page.add(f"{label}\n")  # the scan put the label on its own line
                page.bank_then(f, "label_above", label, "ocr")
                page.add("\n")
                continue
            page.add(f"{marks[0]}{label}{marks[1]}")
            if form == "ocr" and f.kind:
                f.written = misread(r, f.written) if r.random() < 0.5 else f.written
            page.bank_then(f, "label_punct", label, form)
            page.add("\n")
    page.add("\n")
    for f in look_alikes(r, genre, r.randint(2, 4)):
        page.add(f"{marks[0]}{f.label}{marks[1]}")
        page.field(f, "", "", form)
        page.add("\n")
    page.add(r.choice(genre.lines) + "\n")
    if r.random() < 0.5:
        page.add(f"{_today(r)}  신청인 {r.choice(('(서명)', '(인)', ''))}\n")


def write_kv(r: random.Random, page: Page, genre: Genre) -> None:
    service = genre.name.replace("_", "-")
    for _ in range(r.randint(1, 3)):
        fields = person_fields(r, genre, few=True) + look_alikes(r, genre, r.randint(1, 2))
        page.add(f"{_today(r)}T{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}+09:00 "
                 f"{r.choice(('INFO', 'DEBUG', 'WARN'))} [{service}] {r.choice(('apply', 'submit', 'update', 'sync'))}")
        for f in fields:
            quote = '"' if r.random() < 0.3 else ""
            page.add(f" {f.key}={quote}")
            page.field(f, "log_key" if f.kind else "", f.key if f.kind else "", "kv")
            page.add(quote)
        page.add("\n")


def write_json(r: random.Random, page: Page, genre: Genre) -> None:
    page.add('{"type": "%s", "items": [\n' % genre.name)
    count = r.randint(1, 3)
    for i in range(count):
        fields = person_fields(r, genre, few=True) + look_alikes(r, genre, r.randint(1, 2))
        page.add("  {")
        for j, f in enumerate(fields):
            page.add(f'{", " if j else ""}"{f.key}": "')
            page.field(f, "json_key" if f.kind else "", f.key if f.kind else "", "json")
            page.add('"')
        page.add("}" + ("," if i < count - 1 else "") + "\n")
    page.add("]}\n")


def write_yaml(r: random.Random, page: Page, genre: Genre) -> None:
    page.add(f"# {r.choice(genre.titles)}\n{genre.name}:\n")
    for _ in range(r.randint(1, 3)):
        fields = person_fields(r, genre, few=True)
        for j, f in enumerate(fields + look_alikes(r, genre, 1)):
            page.add(("  - " if j == 0 else "    ") + f"{f.key}: ")
            page.field(f, "yaml_key" if f.kind else "", f.key if f.kind else "", "yaml")
            page.add("\n")


def write_table(r: random.Random, page: Page, genre: Genre) -> None:
    """A roster: one person a row, the columns the genre's kinds and one look-alike."""
    sep = r.choice((",", "\t", " | ", "md"))
    rows = [person_fields(r, genre, few=True) for _ in range(r.randint(3, 7))]
    kinds = [k for k in KINDS if any(f.kind == k for row in rows for f in row)][:4] or ["phone"]
    extra = look_alikes(r, genre, 1)[0]
    heads = ["번호", "이름"] + [next((f.label for row in rows for f in row if f.kind == k and f.written.writing not in ("home_line", "safe_050")),
                                   LABELS[k][0]) for k in kinds] + [extra.label]
    page.add(f"{r.choice(genre.titles)} ({r.choice(genre.orgs)})\n")
    joint = " | " if sep == "md" else sep
    page.add(("| " if sep == "md" else "") + joint.join(heads) + (" |" if sep == "md" else "") + "\n")
    if sep == "md":
        page.add("|" + "---|" * len(heads) + "\n")
    la = LOOK_ALIKES[extra.category]
    for i, row in enumerate(rows, 1):
        page.add(("| " if sep == "md" else "") + f"{i}{joint}{row[0].text}")
        by_kind = {f.kind: f for f in row if f.kind}
        for k, head in zip(kinds, heads[2:]):
            page.add(joint)
            f = by_kind.get(k)
            if f is None:
                page.add(r.choice(("", "-", "없음")))
            else:
                page.field(f, "column", head, "table")
        page.add(joint)
        page.field(Field(extra.label, extra.key, category=extra.category, text=la.make(r)), "", "", "table")
        page.add((" |" if sep == "md" else "") + "\n")
    page.add(r.choice(genre.lines) + "\n")


# --------------------------------------------------------------------------- messages


def write_chat(r: random.Random, page: Page, genre: Genre) -> None:
    """A messenger export: a person gives their fields, the other side answers with the shop's."""
    me = person_fields(r, genre, few=True)
    name, other = me[0].text, r.choice(genre.orgs)
    way = r.randrange(3)
    region = genre.region if r.random() < 0.7 else "표준"

    def who(speaker: str) -> str:
        if way == 0:
            return f"[{speaker}] [{clock(r)}] "
        if way == 1:
            return f"2026. {r.randrange(1, 13)}. {r.randrange(1, 29)}. {clock(r)}, {speaker} : "
        return f"{speaker}: "

    page.add(f"{name} 님과 카카오톡 대화\n" if way == 1 else "")
    page.add(who(name) + r.choice(("안녕하세요", "문의드려요", "저기요~", "수고 많으십니다")) + "\n")
    page.add(who(other) + r.choice(genre.lines) + "\n")
    for f in me[1:]:
        page.add(who(name))
        page.say(r, f, name, "chat", region)
        page.add("\n")
    for f in look_alikes(r, genre, r.randint(1, 3)):
        page.add(who(other))
        page.say(r, f, name, "chat")
        page.add("\n")
    page.add(who(name) + r.choice(DIALECT_ENDINGS[region]) + "\n")


def write_band(r: random.Random, page: Page, genre: Genre) -> None:
    """A group's post and its members' replies, each giving their own number."""
    page.add(f"[공지] {r.choice(genre.titles)}\n{r.choice(genre.lines)} 댓글로 이름과 연락처 남겨 주세요.\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.add(f"{f.label} ")
        page.field(f, "", "", "band")
        page.add("\n")
    page.add(f"댓글 {r.randint(3, 30)}\n")
    for _ in range(r.randint(2, 5)):
        fields = person_fields(r, genre, few=True)
        name = fields[0].text
        page.add(f"└ {name} {r.choice(('', '(2반)', '(총무)', '(신입)'))}: ")
        for f in fields[1:]:
            if r.random() < 0.5:
                page.add(f"{f.label} ")
                page.bank_then(f, "label_space", f.label, "band")
            else:
                page.say(r, f, name, "band", genre.region)
            page.add(r.choice((" ", " / ", ", ")))
        page.add(r.choice(("참석합니다", "저도요!", "넵", "")) + "\n")


def write_post(r: random.Random, page: Page, genre: Genre) -> None:
    """A community post and comments: who wants it leaves a number, masked or not."""
    writer = person_fields(r, genre, few=True)
    page.add(f"제목: {r.choice(genre.titles)}\n작성자: {r.choice(('달빛맘', '초보집사', '하루하루', 'kkk123', '동네주민'))}\n\n")
    page.add(r.choice(genre.lines) + " ")
    for f in writer[1:]:
        page.say(r, f, writer[0].text, "post")
        page.add(". ")
    page.add("\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.say(r, f, "", "post")
        page.add("\n")
    page.add("\n댓글\n")
    for _ in range(r.randint(1, 4)):
        fields = person_fields(r, genre, few=True)
        page.add(r.choice(("ㄴ ", "↳ ", "- ")) + r.choice(("저요! ", "혹시 아직 있나요? ", "찜이요 ", "")))
        for f in fields[1:2]:
            page.say(r, f, fields[0].text, "comment")
        page.add(r.choice((" 비밀댓글로 남겨요", " 쪽지 주세요", "")) + "\n")


def write_dm(r: random.Random, page: Page, genre: Genre) -> None:
    """Direct messages to a small shop's account, an order given in pieces."""
    me = person_fields(r, genre, few=True)
    shop = r.choice(genre.orgs)
    page.add(f"@{r.choice(('handmade', 'atelier', 'studio', 'daily'))}_{r.choice(('cheong', 'cake', 'clay', 'pet', 'brew'))} 님과의 메시지\n")
    page.add(f"나: {r.choice(('주문하고 싶어요!', '예약 가능할까요?', '문의 드려요'))}\n{shop}: {r.choice(genre.lines)} 성함, 연락처 부탁드려요~\n")
    page.add(f"나: {me[0].text}\n")
    for f in me[1:]:
        page.add("나: ")
        if f.kind in ("phone", "email") and r.random() < 0.5:
            page.field(f, "no_label", "", "dm")
        else:
            page.say(r, f, me[0].text, "dm")
        page.add("\n")
    for f in look_alikes(r, genre, r.randint(1, 3)):
        page.add(f"{shop}: ")
        page.say(r, f, "", "dm")
        page.add("\n")


ELDERLY_OPENERS = ("안녕하세요", "수고하심니다", "문자보냄니다", "선생님", "네")


def write_elderly(r: random.Random, page: Page, genre: Genre) -> None:
    """Texts typed by an older person: few spaces, digits spaced out or in Hangul, a grandchild's help."""
    me = person_fields(r, genre, few=True)
    page.add(f"{r.choice(ELDERLY_OPENERS)}{r.choice(('..', '~~', '^^', ''))}{me[0].text}{r.choice(('임니다', '이에요', '입니다'))}\n")
    for f in me[1:]:
        w = f.written
        x = r.random()
        f.written = spaced_out(w) if x < 0.3 else read_out(w) if x < 0.5 else w
        label = f.label.replace(" ", "")
        page.add(f"{label}{r.choice((topic(label), '', ' '))}")
        page.bank_then(f, "label_tight", label, "elderly")
        page.add(r.choice(("이요", "임니다", "..", "\n", " 에요")) + "\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.say(r, f, "", "elderly")
        page.add("\n")
    page.add(r.choice(("손주가대신보내요", "잘부탁드림니다", "감사함니다^^", "전화주세요")) + "\n")


def write_stt(r: random.Random, page: Page, genre: Genre) -> None:
    """A call transcript: the agent asks, the caller reads each number out digit by digit."""
    me = person_fields(r, genre, few=True)
    org = r.choice(genre.orgs)
    page.add(f"[통화 녹취 자동변환] {org}\n상담원: 네 {org}입니다. 성함이 어떻게 되세요?\n고객: {me[0].text}요\n")
    for f in me[1:]:
        f.written = read_out(f.written) if r.random() < 0.55 else f.written
        page.add(f"상담원: {f.label} 말씀해 주시겠어요?\n고객: ")
        if f.kind == "bank_account":
            page.add(f"{f.bank}이고요 ")
        page.field(f, "asked_before", f.label, "stt")
        page.add(r.choice(("이요", " 입니다", "", " 맞아요")) + "\n")
    for f in look_alikes(r, genre, r.randint(1, 3)):
        page.add("상담원: ")
        page.say(r, f, "", "stt")
        page.add("\n")
    page.add(f"고객: {r.choice(DIALECT_ENDINGS[genre.region])}\n")


def write_email(r: random.Random, page: Page, genre: Genre) -> None:
    me = person_fields(r, genre)
    name = me[0].text
    page.add(f"제목: {r.choice(('', '[신청] ', 'RE: ', '문의: '))}{r.choice(genre.titles)}\n보낸 사람: {name}\n\n")
    page.add(f"{r.choice(genre.orgs)} 담당자님께,\n{r.choice(genre.lines)}\n")
    sign = [f for f in me[1:] if f.kind in ("phone", "email")]
    for f in me[1:]:
        if f in sign:
            continue
        page.say(r, f, name, "email")
        page.add(".\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.say(r, f, "", "email")
        page.add(".\n")
    page.add(f"감사합니다.\n\n{name} 드림\n")
    for f in sign:
        cue = r.choice(("M ", "mobile. ", "T. ", "📱 ", "")) if f.kind == "phone" else r.choice(("mail. ", "✉ ", ""))
        page.add(cue)
        page.field(f, "signature", cue.strip(), "email_signature")
        page.add("\n")


def write_notice(r: random.Random, page: Page, genre: Genre) -> None:
    """Results posted for all: names veiled, numbers masked or cut to their last digits."""
    page.add(f"[{r.choice(genre.orgs)}] {r.choice(genre.titles)} 결과 알림\n")
    for i in range(r.randint(3, 8)):
        fields = person_fields(r, genre, few=True)
        page.add(f"{i + 1}. {veiled(fields[0].text)} ")
        for f in fields[1:3]:
            f.written = hide_middle(f.written) if r.random() < 0.6 else f.written
            page.add(f"{f.label} ")
            page.bank_then(f, "label_space", f.label, "notice")
            page.add(" ")
        la = look_alikes(r, genre, 1)[0]
        page.field(la, "", "", "notice")
        page.add("\n")
    for f in look_alikes(r, genre, 2):
        page.add(f"※ {f.label}: ")
        page.field(f, "", "", "notice")
        page.add("\n")


def write_receipt(r: random.Random, page: Page, genre: Genre) -> None:
    """A shop's slip: the trader's own numbers on top, the customer's below."""
    shop = r.choice(genre.orgs)
    owner = name_of(r)
    page.add(f"{'-' * 24}\n{shop}\n대표: {owner}\n사업자번호: ")
    page.field(Field("사업자번호", "bizno", kind="business_registration", written=business_number(r)), "label_punct", "사업자번호", "receipt")
    page.add("\nTEL: ")
    page.field(Field("TEL", "tel", category="office_main_phone", text=_org_line(r)), "", "", "receipt")
    page.add(f"\n{_today(r)} {r.randrange(9, 21):02d}:{r.randrange(60):02d}\n{'-' * 24}\n")
    for f in look_alikes(r, genre, r.randint(2, 3)):
        page.add(f"{f.label:<8} ")
        page.field(f, "", "", "receipt")
        page.add("\n")
    customer = person_fields(r, genre, few=True)
    for f in customer[1:]:
        page.add(f"고객 {f.label}: ")
        page.bank_then(f, "label_punct", f.label, "receipt")
        page.add("\n")
    card = Field("카드번호", "card", kind="credit_card", written=card_number(r, on_slip=True))
    if r.random() < 0.6:
        page.add("카드: ")
        page.field(card, "short_cue", "카드", "receipt")
        page.add("\n승인번호: ")
        page.field(Field("승인번호", "approval", category="approval_number", text=LOOK_ALIKES["approval_number"].make(r)), "", "", "receipt")
        page.add("\n")
    page.add("감사합니다\n")


# What a ledger line notes besides the person: how much, how many, when, where.
LEDGER_COLUMNS = ("amount", "weight", "event_date", "time_slot", "size", "unit_address", "percentage", "locker_key")


def write_ledger(r: random.Random, page: Page, genre: Genre) -> None:
    """A ledger kept by hand: date, name, a short cue where the number alone says nothing."""
    page.add(r.choice((f"{r.choice(genre.titles)}\n", f"<{r.choice(genre.orgs)}>\n", "")))
    sep = r.choice((" ", "  ", " / ", ", "))
    for _ in range(r.randint(3, 6)):
        fields = person_fields(r, genre, few=True)
        page.add(f"{r.randrange(1, 13)}/{r.randrange(1, 29)}{sep}{fields[0].text}")
        for f in fields[1:]:
            page.add(sep)
            if f.kind == "bank_account":
                page.add(f"{f.bank} ")
                page.field(f, "bank_name", f.bank, "ledger")
            elif f.kind in ("phone", "email") and r.random() < 0.7:
                page.field(f, "no_label", "", "ledger")
            else:
                cue = r.choice(CUES[f.kind])
                page.add(f"{cue} ")
                page.field(f, "short_cue", cue, "ledger")
        if r.random() < 0.8:
            cat = r.choice([c for c in genre.look_alikes if c in LEDGER_COLUMNS] or ["amount"])
            page.add(sep)
            page.field(Field("", "", category=cat, text=LOOK_ALIKES[cat].make(r)), "", "", "ledger")
        page.add(r.choice(("", " 외상", " 완납", " ✓", " 미수", " 입금확인")) + "\n")


def write_sms_order(r: random.Random, page: Page, genre: Genre) -> None:
    """A confirmation text from the shop or office, then the customer's reply."""
    me = person_fields(r, genre, few=True)
    org = r.choice(genre.orgs)
    page.add(r.choice(("[Web발신]\n", "[알림]\n", "")) + f"[{org}] {veiled(me[0].text) if r.random() < 0.5 else me[0].text}님 {r.choice(genre.titles)} 확인 문자입니다.\n")
    for f in look_alikes(r, genre, r.randint(2, 3)):
        page.add(f"{r.choice(('▷', '*', '-'))} {f.label}: ")
        page.field(f, "", "", "sms")
        page.add("\n")
    for f in me[1:]:
        page.add(f"{r.choice(('▷', '*', '-'))} {f.label}: ")
        page.bank_then(f, "label_punct", f.label, "sms")
        page.add("\n")
    if r.random() < 0.5:
        page.add(f"\n(답장) {r.choice(('번호가 바뀌었어요', '이 번호로 연락 주세요', '딸 번호도 남겨요'))} ")
        page.field(Field("", "", kind="phone", written=mobile(r)), "no_label", "", "sms_reply")
        page.add(r.choice(("", " 입니다", "요")) + "\n")


WRITERS = {"kv": write_kv, "json": write_json, "yaml": write_yaml, "table": write_table, "chat": write_chat,
           "band": write_band, "post": write_post, "dm": write_dm, "elderly": write_elderly, "stt": write_stt,
           "email": write_email, "notice": write_notice, "receipt": write_receipt, "ledger": write_ledger,
           "sms_order": write_sms_order}


def generate(count: int = 1500, seed: int = 1) -> list:
    """`count` documents of the part, each made from the seed and its index alone."""
    return documents(count, seed, _document)


def _document(seed: int, index: int) -> labelled.Document:
    r = random.Random(f"{PART}:{seed}:{index}")
    genre = GENRES[index % len(GENRES)] if index < len(GENRES) else r.choice(GENRES)
    form = r.choice(genre.forms)
    if form == "form" and r.random() < 0.15:
        form = r.choice(("fullwidth", "bilingual", "ocr"))
    page = Page(genre.name, PART, _SAYINGS, wide, wide_digits=form == "fullwidth")
    if form in ("form", "ocr", "fullwidth", "bilingual"):
        write_form(r, page, genre, form)
    else:
        WRITERS[form](r, page, genre)
    doc = page.document()
    doc.style = form
    return doc
