"""The twentieth blind part (`blind20`): labelled Korean documents in genres no other part
writes, made apart from the detection rules and from the other parts, never to be tuned on.

    docs = labelled_blind20.generate(1500, seed=1)

Genres (78): acupuncture clinics, tattoo consent, nail salons, knitting, baking, barista,
woodworking and flower-arranging classes, a photo club's exhibition, a youth orchestra, archery
ranges, skating lessons, yoga studios, dance-sport clubs, seniors' colleges, fishing-village
cooperatives, salt-farm day pay, strawberry picking, adopted apple trees, a village head's
announcements, on-demand rural buses, drone spraying, wildlife damage claims, farmland leases,
empty-house repairs, bespoke tailors, bicycle repairs, window tinting, valet parking, children's
book-set rentals, play and speech therapy, school-meal monitors, graduation gowns, students'
membership-training trips, running crews, cycling clubs, a community theatre, antique
consignments, luxury-goods appraisals, office lunch boxes, water-jug, LPG and kerosene
deliveries, briquette sharing, food banks, marrow donors, cord-blood banks, hospice admissions,
LASIK consultations, sleep studies, private ambulances, hospital escorts, Mass intentions,
hundredth-day parties, siblings sharing their parents' costs, name changes, adult guardianship,
missing-person reports, theme-park and baseball season passes, seal carving, senior drivers
returning their licences, securities accounts, lost baggage, domain renewals, bookkeeping
mandates, market merchants' associations, hygiene training, stray-cat neutering, pet taxis,
scuba and kendo, children's meal cards, basic pensions, health-insurance dependants, ladder
trucks and parcels sent by bus.

Each is written in a few of these forms: label lines, scans (label above its value, a digit read
as a letter), full-width forms, Korean-English forms, key=value logs, JSON and XML exports,
rosters, messenger exports (some in regional dialects), group replies, community posts with
comments, texts typed by older people, call transcripts read digit by digit (a hyphen said as
"에" or a pause), e-mails with signatures, posted results, receipts, ledgers, confirmation texts
and sticky notes with one-word cues.

Conventions:
- Values are whatever identifies or reaches a person: their own mobile, a 050x safe number, their
  home line, their e-mail, their account, their card (a welfare or meal card is a card), their
  resident, foreigner, licence and passport numbers, a birth date under a birth label, and every
  business registration number (a sole trader's is theirs).
- Negatives are organisations' numbers and look-alikes: main lines, call centres, faxes,
  extensions and hotlines, accounts of a shop, club, parish or cooperative, virtual accounts,
  shared mailboxes, and order, tracking, reception, booking, member, season-ticket, seat, case,
  contract, policy, cylinder, meter, lot, vessel, flight, baggage, stock, tree and bib numbers,
  plates, serials, dates that are not birth dates, amounts, weights, sizes and the like.
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

PART = "blind20"
KINDS = labelled.KINDS

HANGUL_DIGITS = "공일이삼사오육칠팔구"

# --------------------------------------------------------------------------- people

ROMAN_GIVEN = ("geumsun youngja byungho mijin sanghyuk daehan eunsook gyuri hojun narae sewon "
               "yeonghwan jinhee kwangil sora chanwoo dahye").split()
ROMAN_FAMILY = "kim lee park choi jung kang cho yoon jang lim han oh seo shin kwon ahn song ryu".split()
FREE_MAIL = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "nate.com", "kakao.com", "icloud.com",
             "outlook.com", "hotmail.com")
WORK_MAIL = ("korail.com", "snuh.org", "busan.go.kr", "kyobo.co.kr", "hyundai-steel.com", "cnu.ac.kr")

# Bank: digit groups of a person's account there.
BANK_SHAPES = {
    "국민": (6, 2, 6), "KB국민은행": (3, 2, 4, 3), "신한은행": (3, 3, 6), "우리": (4, 3, 6), "하나은행": (3, 6, 5),
    "농협": (3, 4, 4, 2), "NH농협은행": (3, 4, 4, 2), "단위농협": (6, 2, 6), "IBK기업": (3, 6, 2, 3),
    "수협은행": (3, 2, 6), "새마을금고": (4, 2, 7), "신협": (6, 2, 6), "우체국": (6, 2, 6),
    "카카오뱅크": (4, 2, 7), "토스뱅크": (4, 4, 4), "케이뱅크": (3, 3, 6), "부산은행": (3, 4, 4, 2),
    "대구은행": (3, 2, 6, 1), "전북은행": (3, 2, 7), "SC제일": (3, 2, 6),
}
LICENCE_AREAS = ("서울", "부산", "경기남부", "경기북부", "강원", "충북", "충남", "전북", "전남", "경북", "경남", "제주",
                 "대구", "인천", "광주", "대전", "울산")


def name_of(r: random.Random) -> str:
    return r.choice(corpus.SURNAMES[:40]) + r.choice(corpus.GIVEN)


def veiled(name: str) -> str:
    """A name as posted lists print it: the second syllable starred."""
    return name[0] + "*" + name[2:]


# --------------------------------------------------------------------------- values


def resident_number(r: random.Random, child: bool) -> labelled.Written:
    if child and r.random() < 0.6:
        # Issued since October 2020: random digits after the sex digit and no check digit.
        y = r.randrange(2020, 2026)
        m = r.randrange(10, 13) if y == 2020 else r.randrange(1, 13)
        head = yymmdd(y, m, r.randrange(1, corpus.days_in(y, m) + 1)) + r.choice("34")
        body = [int(c) for c in head + nums(r, 5)]
        last = (corpus.resident_check(body, False) + r.randrange(1, 10)) % 10
        return written("resident", f"{head[:6]}-{joined(body[6:])}{last}", "post2020")
    s = registration(r, 2008, 2019, False) if child else registration(r, 1932, 2006, False)
    return draw(r, "resident", {
        "hyphen": (7, f"{s[:6]}-{s[6:]}"), "plain": (2, s), "spaced_hyphen": (0.6, f"{s[:6]} - {s[6:]}"),
        "space": (0.6, f"{s[:6]} {s[6:]}"),
        "masked_back": (0.9, f"{s[:6]}-{s[6]}******"), "masked_star_dash": (0.4, f"{s[:6]}-{s[6:9]}****"),
    })


def foreigner_number(r: random.Random) -> labelled.Written:
    s = registration(r, 1958, 2007, True)
    return draw(r, "foreigner_registration", {
        "hyphen": (7, f"{s[:6]}-{s[6:]}"), "plain": (2.2, s), "space": (0.5, f"{s[:6]} {s[6:]}"),
        "masked_back": (1.2, f"{s[:6]}-{s[6]}******"),
    })


def business_number(r: random.Random) -> labelled.Written:
    body = [int(c) for c in f"{r.randrange(101, 899)}{r.choice(('01', '03', '05', '12', '22', '37', '81', '86', '88'))}{nums(r, 4)}"]
    s = joined(body) + str(corpus.business_check(body))
    return draw(r, "business_registration", {
        "hyphen": (8, f"{s[:3]}-{s[3:5]}-{s[5:]}"), "plain": (2, s), "space": (0.6, f"{s[:3]} {s[3:5]} {s[5:]}"),
        "masked": (1.1, f"{s[:3]}-{s[3:5]}-*****"),
    })


def card_number(r: random.Random, slip: bool = False) -> labelled.Written:
    if r.random() < 0.06:  # a fifteen-digit card, grouped 4-6-5
        body = [3, r.choice((4, 7))] + [int(c) for c in nums(r, 12)]
        s = joined(body) + str(corpus.luhn_check(body))
        return draw(r, "credit_card", {"amex": (3, f"{s[:4]}-{s[4:10]}-{s[10:]}"), "plain": (1, s),
                                        "masked": (0.5, f"{s[:4]}-******-*{s[11:]}")})
    head = r.choice(("4", "4579", "4673", "5", "9409", "9430", "6250", "3562", "5107", "4854"))
    if head == "5":
        head = r.choice(("52", "53", "55"))
    body = [int(c) for c in head + nums(r, 15 - len(head))]
    s = joined(body) + str(corpus.luhn_check(body))
    g = [s[i:i + 4] for i in range(0, 16, 4)]
    if slip and r.random() < 0.7:
        return written("credit_card", f"{g[0]}-{g[1][:2]}**-****-{g[3][:3]}*", "masked_slip")
    return draw(r, "credit_card", {
        "hyphen": (6, "-".join(g)), "space": (2.5, " ".join(g)), "plain": (2, s),
        "masked": (1, f"{g[0]}-****-****-{g[3]}"), "masked_middle": (0.5, f"{g[0]}-{g[1]}-****-{g[3]}"),
    })


def account_number(r: random.Random, bank: str) -> labelled.Written:
    groups = [nums(r, n) for n in BANK_SHAPES[bank]]
    last = len(groups) - 1 if len(groups[-1]) >= 4 else max(range(len(groups)), key=lambda i: len(groups[i]))
    hidden = [g if i != last else g[:-4] + "****" for i, g in enumerate(groups)]
    return draw(r, "bank_account", {
        "hyphen": (6, "-".join(groups)), "plain": (3.5, "".join(groups)), "space": (0.7, " ".join(groups)),
        "masked": (0.9, "-".join(hidden)),
    })


def mobile(r: random.Random, old: bool = False) -> labelled.Written:
    if old and r.random() < 0.25:  # an older person's number kept from before 010
        return written("phone", f"{r.choice(('011', '016', '017', '019'))}-{r.randrange(2, 10)}{nums(r, 2)}-{nums(r, 4)}", "old_prefix")
    mid, end = str(r.randrange(2, 10)) + nums(r, 3), nums(r, 4)
    return draw(r, "phone", {
        "hyphen": (11, f"010-{mid}-{end}"), "plain": (3, f"010{mid}{end}"), "dot": (1, f"010.{mid}.{end}"),
        "space": (1.6, f"010 {mid} {end}"), "intl": (0.6, f"+82 10-{mid}-{end}"), "paren": (0.4, f"010){mid}-{end}"),
        "masked": (1.2, f"010-****-{end}"), "masked_end": (0.6, f"010-{mid}-{end[:2]}**"),
    })


def home_line(r: random.Random) -> labelled.Written:
    area = r.choice(("02", "031", "032", "033", "041", "043", "051", "053", "055", "061", "063", "064"))
    mid = str(r.randrange(2, 10)) + nums(r, 3 if area in ("02", "031", "051") else 2)
    end = nums(r, 4)
    return draw(r, "phone", {"home_line": (4, f"{area}-{mid}-{end}"), "home_paren": (1, f"({area}) {mid}-{end}")})


def safe_050(r: random.Random) -> labelled.Written:
    return written("phone", f"0505-{nums(r, 3)}-{nums(r, 4)}" if r.random() < 0.5 else f"0504-{nums(r, 4)}-{nums(r, 4)}", "safe_050")


def email_address(r: random.Random, work: bool) -> labelled.Written:
    given, family = r.choice(ROMAN_GIVEN), r.choice(ROMAN_FAMILY)
    local = r.choice((f"{given}{r.randrange(1, 100)}", f"{family}.{given}", f"{given}_{family}",
                      f"{family}{given[:3]}{r.randrange(70, 100)}", f"{given}{r.randrange(1960, 2010)}", f"{given}.mom",
                      f"happy{given}"))
    domain = r.choice(WORK_MAIL) if work else r.choice(FREE_MAIL)
    return draw(r, "email", {
        "plain": (9, f"{local}@{domain}"), "spaced_at": (0.5, f"{local} @ {domain}"),
        "bracket_at": (0.4, f"{local}[at]{domain}"), "masked": (0.9, f"{local[:3]}***@{domain}"),
    })


def licence_number(r: random.Random) -> labelled.Written:
    area, year, serial, tail = r.randrange(11, 29), f"{r.choice((7, 8, 9, 0, 1, 2))}{r.randrange(10)}", nums(r, 6), nums(r, 2)
    return draw(r, "driver_license", {
        "hyphen": (7, f"{area}-{year}-{serial}-{tail}"), "plain": (1.8, f"{area}{year}{serial}{tail}"),
        "area_name": (2, f"{r.choice(LICENCE_AREAS)} {year}-{serial}-{tail}"),
        "space": (0.6, f"{area} {year} {serial} {tail}"), "masked": (1.1, f"{area}-{year}-******-{tail}"),
    })


def passport_number(r: random.Random) -> labelled.Written:
    return draw(r, "passport", {
        "m_digits": (3.5, f"M{nums(r, 8)}"), "m_letter": (4, f"M{nums(r, 3)}{r.choice('ABCDEFGHJKLMN')}{nums(r, 4)}"),
        "other": (1, f"{r.choice('SRDT')}{nums(r, 8)}"), "masked": (1, f"M{nums(r, 4)}****"),
    })


def birth_date(r: random.Random, child: bool) -> labelled.Written:
    y, m, d = corpus.random_date(r, 2009, 2024) if child else corpus.random_date(r, 1930, 2007)
    return draw(r, "birth_date", {
        "iso": (4, f"{y}-{m:02d}-{d:02d}"), "dot": (4, f"{y}.{m:02d}.{d:02d}"), "dot_open": (2, f"{y}.{m}.{d}"),
        "korean": (4, f"{y}년 {m}월 {d}일"), "korean_tight": (1.2, f"{y}년{m}월{d}일"),
        "korean_short": (1, f"{y % 100:02d}년 {m}월 {d}일"), "six": (2, yymmdd(y, m, d)),
        "eight": (1.5, f"{y}{m:02d}{d:02d}"), "short_dot": (1, f"{y % 100:02d}.{m:02d}.{d:02d}"),
        "slash": (0.6, f"{y}/{m:02d}/{d:02d}"), "masked": (1, f"{y}.**.**"),
    })


def value_for(r: random.Random, kind: str, child: bool, old: bool, bank: str = "", work_mail: bool = False) -> labelled.Written:
    if kind == "phone":
        x = r.random()
        return safe_050(r) if x < 0.05 else home_line(r) if x < (0.25 if old else 0.1) else mobile(r, old)
    if kind == "resident":
        return resident_number(r, child)
    if kind == "birth_date":
        return birth_date(r, child)
    if kind == "bank_account":
        return account_number(r, bank)
    if kind == "email":
        return email_address(r, work_mail)
    return {"foreigner_registration": foreigner_number, "business_registration": business_number,
            "credit_card": card_number, "driver_license": licence_number, "passport": passport_number}[kind](r)


# Writings that say more than their shape and are kept as they are by every later change.
KEPT = ("post2020", "amex")
LETTER_FOR = {"0": "Oo", "1": "Il", "5": "S", "8": "B"}


def misread(r: random.Random, w: labelled.Written) -> labelled.Written:
    """A scanned value with one digit read as a letter."""
    spots = [i for i, c in enumerate(w.text) if c in LETTER_FOR and 0 < i < len(w.text) - 1]
    if not spots or w.masked or w.kind == "email" or w.writing in KEPT:
        return w
    i = r.choice(spots)
    return written(w.kind, w.text[:i] + r.choice(LETTER_FOR[w.text[i]]) + w.text[i + 1:], "ocr_letter")


READ_ALOUD = ("phone", "bank_account", "resident", "credit_card", "business_registration", "foreigner_registration")


def read_out(r: random.Random, w: labelled.Written) -> labelled.Written:
    """A number as a call transcript writes what was said: Hangul digits, 공 for zero, a hyphen
    said as 에 or left as a pause."""
    if w.masked or w.kind not in READ_ALOUD or w.writing in KEPT or not all(c.isdigit() or c in "- " for c in w.text):
        return w
    groups = [g for g in w.text.replace(" ", "-").split("-") if g]
    joint = r.choice((" ", "에 ", " "))
    return written(w.kind, joint.join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in groups), "hangul_numerals")


def spaced_out(w: labelled.Written) -> labelled.Written:
    """Digits typed one by one with a space between them."""
    if w.masked or w.kind not in ("phone", "bank_account", "resident") or w.writing in KEPT \
            or not w.text.replace("-", "").isdigit():
        return w
    return written(w.kind, " ".join(w.text.replace("-", "")), "spaced_digits")


def star_middle(w: labelled.Written) -> labelled.Written:
    """A value on a posted list: the middle of its digits starred, a birth date's month and day,
    an e-mail's name after three letters."""
    if w.masked or w.writing in KEPT:
        return w
    if w.kind == "email":
        local, domain = w.text.replace(" ", "").replace("[at]", "@").split("@", 1)
        return written(w.kind, local[:3] + "*" * max(2, len(local) - 3) + "@" + domain, "masked_list")
    at = [i for i, c in enumerate(w.text) if c.isdigit()]
    third = len(at) // 3
    year = 4 if w.text[:4].isdigit() else 2
    hidden = set(at[year:] if w.kind == "birth_date" else at[third:len(at) - third])
    if len(hidden) == len(at) or not hidden:
        return w
    return written(w.kind, "".join("*" if i in hidden else c for i, c in enumerate(w.text)), "masked_list")


def widen(w: labelled.Written) -> labelled.Written:
    if w.kind == "email":
        return w
    keep = w.masked or w.writing in KEPT
    return labelled.Written(w.kind, w.text.translate(WIDE), w.writing if keep else "fullwidth", w.masked)


# --------------------------------------------------------------------------- look-alikes


def _coming_date(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2025, 2027)
    return r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}", f"{y}년 {m}월 {d}일", f"{m}월 {d}일",
                     f"{y}. {m}. {d}.", f"{m}/{d}"))


def _old_date(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 1975, 2024)
    return r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}", f"{y}년 {m}월"))


def _office_line(r: random.Random) -> str:
    area = r.choice(("02", "031", "032", "033", "041", "043", "051", "052", "054", "061", "063", "064"))
    mid = str(r.randrange(2, 10)) + nums(r, 3 if area in ("02", "031") else 2)
    return f"{area}-{mid}-{r.choice(('0114', '1000', '2114', '4000', '6000', '7070', '8282', '9000'))}"


def _org_account(r: random.Random) -> str:
    bank = r.choice(tuple(BANK_SHAPES))
    return f"{bank} " + "-".join(nums(r, n) for n in BANK_SHAPES[bank])


def _hull(r: random.Random) -> str:
    return f"{r.choice(('전남', '경북', '충남', '제주', '강원'))} {r.randrange(1, 9)}{nums(r, 4)}호"


def _plate(r: random.Random) -> str:
    return f"{r.randrange(10, 399)}{r.choice('가나다라마바사아자거너더러머버서어저고노도로모보소오조')}{r.choice(('', ' '))}{nums(r, 4)}"


LOOK_ALIKES = {
    "office_main_phone": LookAlike(("대표번호", "사무실 전화", "매장 번호", "본원", "접수처", "사무국 전화", "안내데스크"), "office_tel", _office_line),
    "call_center": LookAlike(("고객센터", "콜센터", "상담센터", "예약센터"), "cs_tel",
                             lambda r: f"{r.choice(('1588', '1577', '1566', '1670', '1899', '1544', '1644'))}-{nums(r, 4)}"),
    "fax": LookAlike(("팩스", "FAX", "Fax."), "fax", _office_line),
    "extension": LookAlike(("내선", "교환", "ext."), "ext", lambda r: nums(r, r.choice((3, 4)))),
    "hotline_short": LookAlike(("긴급신고", "민원 안내", "상담전화"), "hotline",
                               lambda r: r.choice(("119", "112", "120", "1393", "182", "1577-0199", "129", "1330"))),
    "org_account": LookAlike(("입금 계좌", "회비 입금처", "후원 계좌", "성당 계좌", "조합 계좌", "공방 계좌", "모임 통장", "결제 계좌(업체)"),
                             "org_account", _org_account),
    "virtual_account": LookAlike(("가상계좌", "전용 입금계좌", "납부용 가상계좌"), "vacct",
                                 lambda r: r.choice(("5620", "2790", "0321", "9123")) + nums(r, 10)),
    "shared_mailbox": LookAlike(("문의 메일", "접수 메일", "대표 이메일"), "contact_mail",
                                lambda r: f"{r.choice(SHARED_BOXES)}@{r.choice(ORG_DOMAINS)}"),
    "order_number": LookAlike(("주문번호", "주문 No.", "발주 번호"), "order_no",
                              lambda r: r.choice((f"{r.randrange(2025, 2027)}{nums(r, 4)}{nums(r, 6)}", f"ORD-{nums(r, 8)}", f"{nums(r, 5)}-{nums(r, 6)}"))),
    "tracking_number": LookAlike(("송장번호", "운송장 번호", "화물 번호"), "waybill",
                                 lambda r: r.choice((nums(r, 12), f"{nums(r, 4)}-{nums(r, 4)}-{nums(r, 4)}", nums(r, 10)))),
    "reception_number": LookAlike(("접수번호", "민원 접수번호", "신청번호"), "receipt_no",
                                  lambda r: r.choice((f"{r.randrange(2025, 2027)}-{nums(r, 6)}", f"제 {r.randrange(2025, 2027)}-{nums(r, 3)}호", f"A{nums(r, 9)}"))),
    "booking_number": LookAlike(("예약번호", "예약 확인번호", "확정 코드"), "booking",
                                lambda r: r.choice((nums(r, 10), f"RV{nums(r, 7)}", f"{nums(r, 3)}-{nums(r, 4)}-{nums(r, 3)}"))),
    "member_number": LookAlike(("회원번호", "고객번호", "등록번호(회원)", "카드 회원번호"), "member_no",
                               lambda r: r.choice((nums(r, 9), f"{nums(r, 4)}-{nums(r, 6)}", f"MB{nums(r, 7)}"))),
    "season_pass_number": LookAlike(("연간회원권 번호", "시즌권 번호", "패스 번호"), "pass_no",
                                    lambda r: r.choice((f"{nums(r, 4)} {nums(r, 4)} {nums(r, 4)}", f"SP{r.randrange(25, 27)}-{nums(r, 6)}", nums(r, 13)))),
    "seat_number": LookAlike(("좌석", "좌석번호", "구역/좌석"), "seat",
                             lambda r: f"{r.randrange(101, 330)}블록 {r.randrange(1, 30)}열 {r.randrange(1, 25)}번"),
    "case_number": LookAlike(("사건번호", "사건", "관리번호(사건)"), "case_no",
                             lambda r: f"{r.randrange(2024, 2027)}{r.choice(('느단', '호파', '느합', '가단', '드단'))}{r.randrange(100, 99999)}"),
    "contract_number": LookAlike(("계약번호", "계약서 번호", "약정번호"), "contract_no",
                                 lambda r: r.choice((f"C{r.randrange(2025, 2027)}-{nums(r, 5)}", f"{nums(r, 3)}-{nums(r, 2)}-{nums(r, 6)}"))),
    "policy_number": LookAlike(("증권번호", "보관증서 번호", "가입번호"), "policy_no",
                               lambda r: f"{r.randrange(2018, 2027)}{nums(r, 8)}"),
    "approval_number": LookAlike(("승인번호", "카드 승인번호"), "approval", lambda r: nums(r, 8)),
    "transaction_id": LookAlike(("거래번호", "결제번호"), "tid", lambda r: f"{r.choice(('T', 'KCP', 'TX'))}{nums(r, 14)}"),
    "event_date": LookAlike(("예약일", "방문일", "행사일", "시술일", "수업일", "배달일", "출발일", "작업일"), "date", _coming_date),
    "past_date": LookAlike(("가입일", "등록일", "입회일", "최초 진료일", "계약일", "개업일"), "since", _old_date),
    "death_date": LookAlike(("임종일", "사망일", "별세"), "died",
                            lambda r: "{0}.{1:02d}.{2:02d}".format(*corpus.random_date(r, 2024, 2026))),
    "deadline": LookAlike(("마감", "납부기한", "반납 기한", "유효기간"), "due", lambda r: f"{_coming_date(r)}까지"),
    "amount": LookAlike(("금액", "합계", "회비", "수강료", "보증금", "일당", "시술비", "이용료"), "amount",
                        lambda r: r.choice((f"{r.randrange(1, 900) * 1000:,}원", f"{r.randrange(1, 99)}만원", f"₩{r.randrange(3, 900) * 100:,}",
                                            f"{r.randrange(10, 9999) * 100:,}"))),
    "weight": LookAlike(("수량", "무게", "용량", "분량"), "qty",
                        lambda r: r.choice((f"{r.randrange(1, 40)}kg", f"{r.randrange(1, 20)}통", f"{r.randrange(1, 300)}장",
                                            f"{r.randrange(1, 20)}말", f"{r.randrange(2, 50)}L", f"{r.randrange(1, 12)}박스"))),
    "postcode": LookAlike(("우편번호", "(우)"), "zip", lambda r: f"{r.randrange(1, 64):02d}{nums(r, 3)}"),
    "unit_address": LookAlike(("동/호", "호수", "주소(동호수)"), "unit",
                              lambda r: f"{r.randrange(101, 125)}동 {r.randrange(1, 30)}{r.randrange(1, 8):02d}호"),
    "land_parcel": LookAlike(("지번", "필지", "농지 소재지"), "parcel",
                             lambda r: f"{r.choice(('', '산'))}{r.randrange(1, 999)}-{r.randrange(1, 30)}"),
    "vehicle_plate": LookAlike(("차량번호", "차번", "입차 차량"), "plate", _plate),
    "model_number": LookAlike(("모델명", "품번", "기종"), "model",
                              lambda r: r.choice((f"AX{nums(r, 3)}-{r.choice('KRB')}", f"SM-S{nums(r, 3)}N", f"WD-{nums(r, 4)}H"))),
    "serial_number": LookAlike(("제조번호", "S/N", "일련번호"), "serial",
                               lambda r: r.choice((f"{nums(r, 2)}{r.choice('ABK')}{nums(r, 10)}", f"SN{nums(r, 10)}", f"{nums(r, 4)}-{nums(r, 4)}-{nums(r, 4)}-{nums(r, 4)}"))),
    "cylinder_number": LookAlike(("용기번호", "가스통 번호", "용기 각인"), "cylinder",
                                 lambda r: f"{r.choice(('KGS', 'LP', 'KS'))}{r.choice(('', '-'))}{nums(r, 2)}-{nums(r, 6)}"),
    "meter_number": LookAlike(("계량기 번호", "검침 번호"), "meter", lambda r: f"{nums(r, 2)}-{nums(r, 7)}"),
    "lot_number": LookAlike(("로트번호", "LOT", "제조 로트"), "lot", lambda r: f"{r.choice(('L', 'LT', ''))}{r.randrange(24, 27)}{nums(r, 6)}"),
    "vessel_number": LookAlike(("어선번호", "선박번호", "배 번호"), "vessel", _hull),
    "flight_number": LookAlike(("편명", "항공편", "Flight"), "flight",
                               lambda r: f"{r.choice(('KE', 'OZ', '7C', 'LJ', 'TW', 'BX'))}{r.randrange(100, 2000)}"),
    "baggage_tag": LookAlike(("수하물 번호", "배기지 태그", "Bag tag"), "bag_tag",
                             lambda r: f"{r.choice(('KE', 'OZ', 'TW'))}{nums(r, 6)}"),
    "stock_code": LookAlike(("종목코드", "종목 번호", "단축코드"), "ticker", lambda r: r.choice(("005930", "000660", "035420", "051910", "207940", "373220")) if r.random() < 0.5 else nums(r, 6)),
    "tree_number": LookAlike(("나무 번호", "분양 나무", "이름표 번호"), "tree", lambda r: f"{r.choice(('A', 'B', 'C', 'D'))}-{r.randrange(1, 40)}-{r.randrange(1, 200):03d}"),
    "bib_number": LookAlike(("배번", "배번호", "참가 번호"), "bib", lambda r: r.choice((nums(r, 4), f"{r.choice('ABCDEF')}{nums(r, 4)}"))),
    "class_code": LookAlike(("강좌 코드", "반 이름", "과정 코드"), "course",
                            lambda r: f"{r.choice(('KNT', 'BAK', 'BRS', 'WDW', 'FLW', 'YGA', 'ARC'))}-{r.randrange(25, 27)}{nums(r, 2)}{r.choice('ABC')}"),
    "room_number": LookAlike(("병실", "호실", "방", "상담실"), "room", lambda r: f"{r.randrange(1, 12)}{r.randrange(1, 30):02d}호"),
    "time_slot": LookAlike(("시간", "픽업 시간", "수업 시간", "도착 예정"), "time",
                           lambda r: f"{r.randrange(6, 21):02d}:{r.choice(('00', '10', '30', '50'))}~{r.randrange(7, 23):02d}:{r.choice(('00', '30'))}"),
    "size": LookAlike(("치수", "사이즈", "규격", "가슴둘레"), "size",
                      lambda r: r.choice((f"{r.randrange(85, 115)}-{r.randrange(70, 100)}", f"{r.randrange(20, 120)}x{r.randrange(20, 200)}cm", f"{r.choice(('S', 'M', 'L', 'XL'))}({r.randrange(85, 110)})", f"{r.randrange(2, 15)}호"))),
    "percentage": LookAlike(("할인율", "출석률", "자부담 비율", "지원율"), "rate", lambda r: f"{r.randrange(5, 100)}%"),
    "coupon_code": LookAlike(("쿠폰번호", "할인 코드", "초대 코드"), "coupon", lambda r: f"{r.choice(('YOGA', 'RUN', 'GIFT', 'WELCOME'))}{nums(r, 4)}"),
    "verification_code": LookAlike(("인증번호", "현관 비밀번호", "확인 코드"), "otp", lambda r: nums(r, r.choice((4, 6)))),
    "blood_pressure": LookAlike(("혈압", "BP", "수축기/이완기"), "bp", lambda r: f"{r.randrange(100, 170)}/{r.randrange(60, 100)}"),
    "entry_number": LookAlike(("응시번호", "심사 번호", "참가 번호"), "entry_no", lambda r: f"{r.randrange(2025, 2027)}-{r.choice('ABCD')}{nums(r, 4)}"),
    "domain_handle": LookAlike(("도메인 관리번호", "호스팅 ID"), "handle", lambda r: f"DOM{r.randrange(2025, 2027)}{nums(r, 7)}"),
    "artwork_number": LookAlike(("작품번호", "출품 번호", "액자 번호"), "work_no", lambda r: f"No.{r.randrange(1, 400):03d}"),
    "bus_stop": LookAlike(("정류장 번호", "승차 정류장", "버스 노선"), "stop", lambda r: r.choice((f"{nums(r, 5)}", f"{r.randrange(1, 99)}-{r.randrange(1, 9)}번", f"마을{r.randrange(1, 30)}번"))),
}

SHARED_BOXES = ("info", "help", "office", "admin", "contact", "booking", "cs", "desk", "parish")
ORG_DOMAINS = ("somgyeol.kr", "hanbang-clinic.co.kr", "dalbit-yoga.com", "jamsil-arch.kr", "bada-eochon.or.kr",
               "foodbank.or.kr", "seoul-theatre.kr", "valet-one.co.kr", "dojang.kr", "guardian-law.kr",
               "mokgong.studio", "runcrew.club")

# --------------------------------------------------------------------------- labels

LABELS = {
    "phone": ("연락처", "휴대폰", "핸드폰", "전화번호", "휴대전화", "연락처(본인)", "폰번호", "HP", "비상연락처"),
    "email": ("이메일", "메일", "e-mail", "메일주소", "이메일 주소"),
    "resident": ("주민등록번호", "주민번호", "주민등록번호(앞뒤)", "주민 번호"),
    "foreigner_registration": ("외국인등록번호", "외국인 등록번호", "외국인등록증번호"),
    "business_registration": ("사업자등록번호", "사업자번호", "사업자 등록 번호", "사업자No."),
    "credit_card": ("카드번호", "결제 카드번호", "신용카드번호", "카드 번호"),
    "bank_account": ("계좌번호", "입금받을 계좌", "환불계좌", "본인 계좌", "지급 계좌"),
    "driver_license": ("운전면허번호", "면허번호", "운전면허증번호", "면허증 번호"),
    "birth_date": ("생년월일", "생일", "출생일", "생년월일(양력)", "생년월일(음력)"),
    "passport": ("여권번호", "여권 번호", "여권No."),
}
KEYS = {
    "phone": ("phone", "hp_no", "mobile_no", "contact_tel"),
    "email": ("email", "email_addr", "mail"),
    "resident": ("rrn", "resident_no", "jumin"),
    "foreigner_registration": ("arc_no", "foreigner_id", "alien_reg_no"),
    "business_registration": ("biz_no", "brn", "business_reg_no"),
    "credit_card": ("card_no", "card_number", "pay_card_no"),
    "bank_account": ("account_no", "refund_account", "bank_acct_no"),
    "driver_license": ("license_no", "dl_no", "driver_license"),
    "birth_date": ("birth", "dob", "birth_date"),
    "passport": ("passport_no", "passport"),
}
EN_LABELS = {
    "phone": "Mobile", "email": "E-mail", "resident": "Resident Registration No.", "foreigner_registration": "ARC No.",
    "business_registration": "Business Registration No.", "credit_card": "Card No.", "bank_account": "Account No.",
    "driver_license": "Driver's License No.", "birth_date": "Date of Birth", "passport": "Passport No.",
}
# Short cues of sticky notes and ledgers, where one word or mark does.
CUES = {"resident": ("주민", "주민)"), "foreigner_registration": ("외국인", "ARC"), "business_registration": ("사업자", "사업자)"),
        "credit_card": ("카드", "카)"), "driver_license": ("면허", "면허)"), "birth_date": ("생일", "생)"), "passport": ("여권", "PP"),
        "email": ("메일", "@"), "phone": ("폰", "☎", "H)"), "bank_account": ("계좌", "통장")}
# After a value, in brackets, whose it is.
AFTERWORDS = {"phone": ("(본인)", "(보호자)", "(딸 번호)", "(아들)", "(집)"), "email": ("(개인메일)",),
              "bank_account": ("(본인 명의)", "(예금주 본인)")}

# Sentences that carry a value in messages, comments, transcripts and e-mails ({v}: the value).
SAYINGS = {
    "phone": ("제 연락처는 {v} 입니다", "{v} 로 연락 부탁드려요", "전화는 {v} 로 주세요", "연락 안 되면 {v} 로 문자 주세요",
              "번호 {v} 이에요", "혹시 모르니 폰번호 {v} 남길게요"),
    "email": ("메일 주소는 {v} 입니다", "{v} 로 보내 주세요", "파일은 이메일 {v} 로 부탁드려요"),
    "resident": ("주민번호는 {v} 입니다", "주민등록번호 {v} 로 조회해 주세요", "주민번호 {v} 맞아요"),
    "foreigner_registration": ("외국인등록번호는 {v} 입니다", "등록증 번호 {v} 예요"),
    "business_registration": ("사업자번호 {v} 로 발행해 주세요", "사업자등록번호는 {v} 입니다"),
    "credit_card": ("카드번호 {v} 로 결제할게요", "결제는 카드 {v} 로 해 주세요"),
    "bank_account": ("{bank} {v} 로 보내 주시면 돼요", "환불은 {bank} {v} {holder} 입니다", "{bank} {v} 이 계좌로요"),
    "driver_license": ("면허번호는 {v} 입니다", "운전면허 {v} 예요"),
    "birth_date": ("생년월일은 {v} 입니다", "생일은 {v} 이에요", "{v} 생입니다"),
    "passport": ("여권번호 {v} 입니다", "여권은 {v} 이에요"),
}
DIALECT_SAYINGS = {
    "경상": ("내 번호 {v} 아이가", "{v} 일로 연락 주이소", "번호 {v} 이라예"),
    "전라": ("내 번호는 {v} 이랑께", "{v} 로 전화 주쇼잉", "번호가 {v} 여라"),
    "충청": ("번호 {v} 여유", "{v} 로 연락 줘유", "이 번호 {v} 유"),
    "제주": ("나 번호 {v} 마씸", "{v} 로 연락 줍서", "번호 {v} 이우다"),
    "강원": ("내 번호 {v} 래요", "{v} 로 전화 주드래요", "번호는 {v} 이래요"),
}
DIALECT_ENDINGS = {
    "경상": ("고맙심더", "그래 알았데이", "내일 보입시더", "단디 부탁합니데이"),
    "전라": ("징하게 고맙소잉", "알았당께요", "낼 봅시다잉", "거시기 잘 부탁허요"),
    "충청": ("알었슈", "고마워유", "낼 봐유", "그려유 천천히 혀유"),
    "제주": ("고맙수다예", "경 허쿠다", "낼 봅주", "잘 부탁드렴수다"),
    "강원": ("고마워요야", "그래요 알았드래요", "낼 봐요야", "잘 좀 부탁하드래요"),
    "표준": ("네 감사합니다", "확인했습니다!", "넵 알겠어요", "잘 부탁드려요 :)"),
}
ORG_SAYINGS = ("{label} {n} 입니다", "{label}: {n}", "({label} {n})", "{label}는 {n} 이에요", "{label} {n} 참고해 주세요")
_SAYINGS = Sayings(SAYINGS, DIALECT_SAYINGS, ORG_SAYINGS)

# --------------------------------------------------------------------------- genres


G = Genre
GENRES = (
    G("acupuncture_booking", ("한의원 침·추나 예약", "초진 예진표"), ("바른한의원", "동의보감한의원"),
      {"phone": 1, "birth_date": 0.8, "resident": 0.3},
      {"phone": ("환자 연락처",), "birth_date": ("환자 생년월일",)},
      ("event_date", "time_slot", "amount", "office_main_phone", "room_number", "past_date"),
      ("form", "sms", "transcript", "kakao"),
      ("추나는 실손 청구가 가능합니다.", "침 맞은 날은 샤워를 피해 주세요.", "첫 방문은 20분 일찍 와 주세요."), old=True),
    G("tattoo_consent", ("타투 시술 동의서", "시술 전 확인서"), ("잉크랩 타투", "스튜디오 블랙라인"),
      {"phone": 1, "birth_date": 0.9, "email": 0.4, "credit_card": 0.2},
      {"birth_date": ("생년월일(만 19세 이상)",), "phone": ("시술자 연락처",)},
      ("event_date", "amount", "size", "org_account", "coupon_code"),
      ("form", "scan", "dm_style", "kakao"),
      ("리터치는 한 달 안에 1회 무료입니다.", "시술 부위 사진은 포트폴리오에 쓰지 않습니다.", "음주 후에는 시술하지 않습니다.")),
    G("nail_salon_booking", ("네일 예약 확인", "네일 회원 카드"), ("살롱드네일", "손끝네일"),
      {"phone": 1, "birth_date": 0.3, "bank_account": 0.2},
      {"phone": ("고객 번호",), "birth_date": ("생일(쿠폰 발송)",)},
      ("event_date", "time_slot", "amount", "member_number", "coupon_code"),
      ("sms", "kakao", "ledger", "memo"),
      ("젤 제거는 5천원 추가입니다.", "노쇼는 다음 예약이 어렵습니다.", "연장은 한 시간 반 걸려요.")),
    G("knitting_class", ("뜨개 공방 수강 신청", "대바늘 입문반 명단"), ("실타래 뜨개공방", "포근뜨개"),
      {"phone": 1, "bank_account": 0.4, "email": 0.3},
      {"phone": ("수강생 연락처",)},
      ("class_code", "amount", "weight", "event_date", "org_account"),
      ("table", "band", "kakao", "form"),
      ("실은 첫날 공방에서 고르시면 됩니다.", "바늘은 4.5mm로 준비해 주세요.", "목도리 완성까지 4주 과정입니다.")),
    G("baking_class", ("제과제빵 원데이 클래스", "홈베이킹 수강 신청"), ("밀가루공방", "버터앤슈가 클래스"),
      {"phone": 1, "credit_card": 0.3, "email": 0.4, "birth_date": 0.2},
      {"phone": ("신청자 연락처",)},
      ("class_code", "amount", "event_date", "time_slot", "transaction_id", "call_center", "lot_number"),
      ("form", "email", "receipt", "kakao"),
      ("앞치마는 공방에서 빌려 드립니다.", "만든 쿠키는 박스에 담아 가져가세요.", "알레르기가 있으면 미리 말씀해 주세요.")),
    G("barista_course", ("바리스타 2급 과정 등록", "커피 자격반 수강생 카드"), ("로스팅하우스 아카데미", "커피교육원"),
      {"phone": 1, "resident": 0.5, "email": 0.5, "bank_account": 0.3},
      {"resident": ("응시자 주민등록번호",)},
      ("class_code", "amount", "event_date", "reception_number", "office_main_phone", "fax"),
      ("form", "scan", "table", "email"),
      ("실기 시험은 에스프레소 4잔입니다.", "국민내일배움카드로 수강료 지원이 됩니다.")),
    G("woodworking_class", ("목공방 정규반 등록", "가구 제작 주문서"), ("나무결 목공방", "소목장 공방"),
      {"phone": 1, "bank_account": 0.4, "business_registration": 0.2, "email": 0.3},
      {"phone": ("의뢰인 연락처",)},
      ("size", "amount", "event_date", "org_account", "order_number"),
      ("form", "kakao", "ledger", "email"),
      ("원목은 월넛으로 하겠습니다.", "오일 마감은 세 번 합니다.", "공구 사용 전 안전교육이 있습니다.")),
    G("floristry_class", ("꽃꽂이 정규반 명단", "플라워 클래스 예약"), ("꽃담 플라워스쿨", "화원 꽃꽂이교실"),
      {"phone": 1, "birth_date": 0.2, "bank_account": 0.3},
      {"phone": ("회원 연락처",)},
      ("class_code", "amount", "time_slot", "event_date", "org_account"),
      ("table", "band", "sms", "memo"),
      ("이번 주 꽃은 작약입니다.", "화기는 각자 가져오세요.", "수업 후 꽃은 신문지에 싸 드립니다."), old=True),
    G("photo_exhibition_entry", ("사진 동호회 정기전 출품 신청", "출품작 목록"), ("빛그림 사진동호회", "시민 사진가회"),
      {"phone": 1, "email": 0.7, "bank_account": 0.3},
      {"email": ("원본 파일 받을 메일",)},
      ("artwork_number", "size", "event_date", "org_account", "amount", "shared_mailbox", "domain_handle"),
      ("form", "table", "email", "band"),
      ("액자는 A3 규격으로 통일합니다.", "작품 설명은 두 줄 이내로 써 주세요.", "철수는 전시 마지막 날 오후 5시입니다.")),
    G("youth_orchestra", ("청소년 오케스트라 단원 신청", "정기연주회 단원 명단"), ("구립 청소년 오케스트라", "꿈의 오케스트라"),
      {"phone": 1, "birth_date": 0.9, "resident": 0.3, "email": 0.3},
      {"phone": ("보호자 연락처", "학부모 휴대폰"), "birth_date": ("단원 생년월일",)},
      ("seat_number", "event_date", "time_slot", "office_main_phone", "class_code", "amount"),
      ("form", "table", "notice", "band"),
      ("악기는 파트별로 보관함에 둡니다.", "연주복은 흰 셔츠에 검정 하의입니다.", "토요일 합주는 빠지지 마세요."), young=True),
    G("archery_range", ("국궁장 사원 등록", "양궁 체험 예약"), ("시민 활터", "양궁 체험장"),
      {"phone": 1, "birth_date": 0.5, "resident": 0.3},
      {"phone": ("사원 연락처",)},
      ("member_number", "amount", "time_slot", "event_date", "office_main_phone"),
      ("form", "ledger", "kakao", "table"),
      ("활과 화살은 대여해 드립니다.", "사대 앞으로 나가지 마세요.", "초보 교육은 4주 과정입니다."), old=True, region="충청"),
    G("skating_lesson", ("아이스링크 강습 신청", "피겨 강습반 명단"), ("시립 아이스링크", "빙상장 강습팀"),
      {"phone": 1, "birth_date": 0.9, "credit_card": 0.2},
      {"phone": ("보호자 번호",), "birth_date": ("아동 생년월일",)},
      ("class_code", "time_slot", "amount", "size", "season_pass_number", "office_main_phone"),
      ("form", "table", "sms", "kakao"),
      ("헬멧과 장갑은 꼭 착용합니다.", "스케이트화 날 관리는 월 1회 해 드려요."), young=True),
    G("yoga_studio", ("요가 회원 등록 카드", "정기권 연장 신청"), ("달빛요가", "숨요가 스튜디오"),
      {"phone": 1, "birth_date": 0.5, "credit_card": 0.3, "email": 0.2},
      {"phone": ("회원 휴대폰",)},
      ("member_number", "amount", "deadline", "time_slot", "coupon_code", "blood_pressure"),
      ("form", "kakao", "sms", "receipt"),
      ("매트는 개인 매트 사용을 권장합니다.", "정기권 홀딩은 최대 2주입니다.", "임산부 요가는 따로 있어요.")),
    G("ballroom_dance_club", ("댄스스포츠 동호회 회원 명부", "라틴댄스 대회 참가 신청"), ("한마음 댄스스포츠회", "구민 댄스동호회"),
      {"phone": 1, "birth_date": 0.5, "bank_account": 0.3},
      {"phone": ("회원 전화",)},
      ("bib_number", "amount", "event_date", "org_account", "time_slot"),
      ("table", "band", "elderly", "ledger"),
      ("이번 달 회비는 총무에게 내세요.", "자이브 파트너는 추첨으로 정합니다."), old=True, region="경상"),
    G("senior_university", ("노인대학 입학 신청서", "노인대학 수료생 명단"), ("복지관 노인대학", "성당 노인대학"),
      {"phone": 1, "resident": 0.6, "birth_date": 0.4, "bank_account": 0.2},
      {"phone": ("자녀 연락처", "본인 전화"), "resident": ("신청인 주민번호",)},
      ("class_code", "event_date", "office_main_phone", "amount", "room_number"),
      ("form", "elderly", "table", "notice"),
      ("점심은 복지관 식당에서 드십니다.", "건강체조와 노래교실이 있습니다.", "소풍은 버스 두 대로 갑니다."), old=True, region="전라"),
    G("fishing_village_coop", ("어촌계 계원 명부", "어촌계 공동작업 배당"), ("○○항 어촌계", "바다마을 어촌계"),
      {"phone": 1, "bank_account": 0.7, "resident": 0.4},
      {"bank_account": ("배당금 받을 계좌",), "phone": ("계원 전화",)},
      ("vessel_number", "amount", "weight", "org_account", "event_date", "land_parcel"),
      ("ledger", "elderly", "table", "transcript"),
      ("바지락 작업은 물때 맞춰 새벽에 합니다.", "배당은 작업 일수로 나눕니다.", "그물 손질은 계원 모두 나옵니다."), old=True, region="전라"),
    G("salt_farm_day_pay", ("염전 일당 지급 명세", "염부 근무 일지"), ("신안 천일염 염전", "소금밭 영농조합"),
      {"phone": 1, "bank_account": 0.8, "resident": 0.5, "foreigner_registration": 0.4},
      {"bank_account": ("일당 입금 계좌",)},
      ("amount", "weight", "event_date", "org_account", "time_slot"),
      ("table", "ledger", "form", "transcript"),
      ("비 오는 날은 작업이 없습니다.", "채렴은 오후 네 시에 시작합니다."), region="전라"),
    G("strawberry_picking", ("딸기 따기 체험 예약", "체험농장 단체 예약"), ("햇살딸기농장", "논산 딸기체험"),
      {"phone": 1, "bank_account": 0.3, "email": 0.2},
      {"phone": ("예약자 연락처", "인솔 교사 연락처")},
      ("booking_number", "amount", "event_date", "time_slot", "weight", "org_account"),
      ("sms", "kakao", "form", "memo"),
      ("체험은 1인 500g까지 담아 가실 수 있어요.", "장화는 농장에 있습니다.", "우천 시에도 체험합니다."), region="충청"),
    G("orchard_tree_adoption", ("사과나무 분양 신청", "나무 주인 명단"), ("청송 사과밭", "과수원 나무분양"),
      {"phone": 1, "bank_account": 0.5, "email": 0.3},
      {"phone": ("나무 주인 연락처",)},
      ("tree_number", "amount", "weight", "event_date", "org_account", "postcode"),
      ("form", "table", "sms", "email"),
      ("수확 체험은 시월 셋째 주입니다.", "나무에 가족 이름표를 달아 드립니다.", "적과 작업은 농장에서 합니다."), region="경상"),
    G("village_chief_notice", ("마을 안내 방송 원고", "이장 알림"), ("○○리 이장", "마을회관"),
      {"phone": 1, "bank_account": 0.3, "resident": 0.2},
      {"phone": ("이장 핸드폰",)},
      ("event_date", "hotline_short", "org_account", "amount", "time_slot"),
      ("notice", "elderly", "sms", "transcript"),
      ("내일 아침 여덟 시에 마을 대청소 합니다.", "독감 예방접종은 보건지소에서 합니다.", "경로당 난방비 모금에 협조 바랍니다."), old=True, region="충청"),
    G("demand_bus_call", ("수요응답형 버스 호출", "마을버스 예약 승객"), ("군 교통과 행복버스", "부르면 오는 버스"),
      {"phone": 1, "birth_date": 0.3},
      {"phone": ("승객 전화",)},
      ("bus_stop", "time_slot", "vehicle_plate", "call_center", "event_date"),
      ("transcript", "sms", "table", "elderly"),
      ("읍내 병원까지 40분 걸립니다.", "전날 오후 5시까지 예약해 주세요."), old=True, region="강원"),
    G("drone_spraying_request", ("드론 방제 신청서", "공동방제 신청 농가"), ("지역농협 영농지원", "드론방제단"),
      {"phone": 1, "bank_account": 0.5, "resident": 0.3},
      {"phone": ("농가 연락처",)},
      ("land_parcel", "amount", "event_date", "weight", "org_account", "office_main_phone"),
      ("form", "table", "transcript", "elderly"),
      ("벼 도열병 약제로 방제합니다.", "방제 당일 논 주변 양봉 농가에 알려 주세요."), old=True, region="전라"),
    G("wildlife_damage_claim", ("유해야생동물 피해 보상 신청", "멧돼지 피해 접수"), ("면사무소 산업팀", "군청 환경과"),
      {"phone": 1, "resident": 0.8, "bank_account": 0.7},
      {"bank_account": ("보상금 받을 계좌",), "resident": ("신청인 주민등록번호",)},
      ("land_parcel", "amount", "reception_number", "past_date", "office_main_phone", "fax"),
      ("form", "scan", "fullwidth", "transcript"),
      ("고구마밭 절반이 파헤쳐졌습니다.", "피해 사진 다섯 장을 붙입니다."), old=True),
    G("farmland_lease", ("농지 임대차 계약서", "농지은행 임대 신청"), ("농어촌공사 농지은행", "마을 농지 중개"),
      {"phone": 1, "resident": 0.9, "bank_account": 0.5},
      {"resident": ("임대인 주민번호", "임차인 주민번호")},
      ("land_parcel", "contract_number", "amount", "deadline", "office_main_phone"),
      ("form", "scan", "fullwidth", "bilingual"),
      ("임차료는 매년 12월 말에 냅니다.", "계약 기간은 5년으로 합니다.")),
    G("vacant_house_repair", ("빈집 정비 지원 신청", "빈집 철거 동의서"), ("읍 건축팀", "빈집은행"),
      {"phone": 1, "resident": 0.7, "bank_account": 0.3},
      {"phone": ("소유자 연락처",)},
      ("land_parcel", "reception_number", "amount", "office_main_phone", "deadline"),
      ("form", "scan", "email", "transcript"),
      ("지붕 슬레이트는 별도로 처리합니다.", "정비 후 주차장으로 3년 씁니다.")),
    G("bespoke_tailor", ("맞춤 양복 주문서", "가봉 예약"), ("종로 맞춤양복점", "테일러샵 신사"),
      {"phone": 1, "credit_card": 0.3, "bank_account": 0.2, "birth_date": 0.1},
      {"phone": ("주문하신 분",)},
      ("size", "amount", "event_date", "order_number", "office_main_phone"),
      ("form", "ledger", "receipt", "sms"),
      ("원단은 영국산 울로 하셨습니다.", "가봉은 두 번 합니다.", "단추는 뿔단추로 바꿨습니다."), old=True),
    G("bicycle_repair", ("자전거 수리 접수", "정비 맡긴 자전거"), ("동네 자전거포", "바이크 정비소"),
      {"phone": 1, "bank_account": 0.2},
      {"phone": ("찾아가실 분 번호",)},
      ("serial_number", "amount", "model_number", "event_date", "reception_number"),
      ("ledger", "memo", "sms", "kakao"),
      ("체인 교체하고 브레이크 패드 갈았습니다.", "튜브 펑크 두 군데 때웠어요.")),
    G("car_tint_ppf", ("썬팅 시공 예약", "PPF 시공 보증서"), ("카멜레온 썬팅", "디테일링 스튜디오"),
      {"phone": 1, "credit_card": 0.3, "business_registration": 0.2},
      {"phone": ("차주 연락처",)},
      ("vehicle_plate", "model_number", "amount", "event_date", "serial_number", "call_center"),
      ("form", "receipt", "kakao", "email"),
      ("시공 후 사흘은 창문을 내리지 마세요.", "보증 기간은 5년입니다.")),
    G("valet_parking", ("발렛 파킹 접수증", "발렛 차량 인수 장부"), ("발렛원", "호텔 발렛 데스크"),
      {"phone": 1},
      {"phone": ("차주 휴대폰",)},
      ("vehicle_plate", "reception_number", "time_slot", "amount", "call_center"),
      ("receipt", "ledger", "sms", "memo"),
      ("차 키는 데스크에서 보관합니다.", "출차 10분 전에 연락 주세요.")),
    G("book_set_rental", ("전집 대여 신청", "그림책 전집 반납 안내"), ("책방 전집대여", "아이책 구독"),
      {"phone": 1, "bank_account": 0.3, "birth_date": 0.3},
      {"birth_date": ("아이 생일",)},
      ("order_number", "tracking_number", "amount", "deadline", "call_center"),
      ("form", "sms", "post", "kakao"),
      ("대여 기간은 한 달입니다.", "찢어진 책은 테이프로 붙이지 말아 주세요."), young=True),
    G("play_therapy_intake", ("아동 놀이치료 초기 면접지", "발달 상담 신청"), ("아이마음 놀이치료센터", "구립 아동발달센터"),
      {"phone": 1, "birth_date": 1, "resident": 0.3, "email": 0.2},
      {"birth_date": ("아동 생년월일",), "phone": ("부모 연락처",)},
      ("event_date", "time_slot", "room_number", "amount", "office_main_phone", "percentage"),
      ("form", "scan", "email", "kakao"),
      ("첫 회기는 부모 상담으로 진행합니다.", "놀이실 관찰은 일방경으로 합니다."), young=True),
    G("speech_therapy_voucher", ("언어발달 바우처 신청", "바우처 결제 내역"), ("말소리 언어치료실", "행복언어센터"),
      {"phone": 1, "birth_date": 0.8, "credit_card": 0.5, "resident": 0.3},
      {"credit_card": ("바우처 카드번호",), "birth_date": ("아동 생년월일",)},
      ("amount", "approval_number", "percentage", "event_date", "office_main_phone"),
      ("form", "receipt", "table", "sms"),
      ("바우처 카드는 매 회기 결제합니다.", "본인부담금은 소득에 따라 달라요."), young=True),
    G("school_meal_monitor", ("급식 모니터링단 신청", "급식 검수 참여 학부모"), ("○○초 영양교사", "중학교 행정실"),
      {"phone": 1, "email": 0.3},
      {"phone": ("학부모 연락처",)},
      ("event_date", "time_slot", "office_main_phone", "extension", "class_code"),
      ("form", "band", "table", "notice"),
      ("검수는 아침 7시 40분에 시작합니다.", "위생모와 마스크를 착용해 주세요."), young=True),
    G("graduation_gown_rental", ("학위복 대여 신청", "졸업 가운 반납 명단"), ("대학 총학생회", "학위복 대여소"),
      {"phone": 1, "bank_account": 0.6, "email": 0.3},
      {"bank_account": ("보증금 환불 계좌",)},
      ("size", "amount", "deadline", "org_account", "reception_number"),
      ("form", "table", "kakao", "post"),
      ("학사모 술은 오른쪽에서 왼쪽으로 넘깁니다.", "반납이 늦으면 보증금에서 뺍니다.")),
    G("college_mt", ("과 MT 참가 신청", "MT 펜션·버스 예약"), ("학생회", "과대표"),
      {"phone": 1, "bank_account": 0.4, "birth_date": 0.3},
      {"phone": ("참가자 번호",)},
      ("amount", "org_account", "vehicle_plate", "event_date", "booking_number"),
      ("kakao", "table", "post", "band"),
      ("회비 안 낸 사람은 오늘까지 보내 주세요.", "버스는 정문 앞에서 출발합니다.", "술은 적당히 마십시다.")),
    G("running_crew", ("러닝크루 신규 멤버 신청", "하프 마라톤 단체 접수"), ("한강 러닝크루", "새벽달리기 모임"),
      {"phone": 1, "birth_date": 0.6, "email": 0.2},
      {"phone": ("비상 연락처",)},
      ("bib_number", "amount", "size", "event_date", "org_account", "coupon_code"),
      ("band", "kakao", "table", "form"),
      ("목요일 저녁은 인터벌 훈련입니다.", "단체복은 다음 주에 나옵니다.")),
    G("cycling_club_ride", ("자전거 동호회 라이딩 공지", "장거리 라이딩 참가자"), ("두바퀴 자전거동호회", "MTB 클럽"),
      {"phone": 1, "birth_date": 0.3, "bank_account": 0.2},
      {"phone": ("참가자 비상연락처",)},
      ("event_date", "time_slot", "org_account", "amount", "bus_stop"),
      ("band", "kakao", "table", "post"),
      ("헬멧 없으면 출발 못 합니다.", "펑크 키트는 각자 챙기세요."), region="강원"),
    G("community_theatre", ("구민 극단 단원 모집", "공연 출연료 지급"), ("마을극단 봄날", "생활연극 동아리"),
      {"phone": 1, "bank_account": 0.6, "resident": 0.4, "email": 0.3},
      {"bank_account": ("출연료 받을 계좌",)},
      ("seat_number", "amount", "event_date", "time_slot", "office_main_phone"),
      ("form", "table", "email", "band"),
      ("대본 리딩은 화요일 저녁입니다.", "소품은 각자 챙겨 오세요.")),
    G("antique_consignment", ("골동품 위탁 판매 계약", "위탁 물품 목록"), ("인사동 고미술", "황학동 골동품"),
      {"phone": 1, "resident": 0.4, "bank_account": 0.6},
      {"bank_account": ("판매 대금 입금 계좌",)},
      ("contract_number", "amount", "size", "percentage", "office_main_phone", "artwork_number", "lot_number"),
      ("form", "ledger", "receipt", "scan"),
      ("수수료는 판매가의 20%입니다.", "백자 항아리 굽에 금이 있습니다."), old=True),
    G("luxury_appraisal", ("명품 감정 의뢰서", "감정 결과 안내"), ("명품감정원", "중고명품 매입센터"),
      {"phone": 1, "bank_account": 0.5, "resident": 0.2},
      {"bank_account": ("매입 대금 계좌",)},
      ("serial_number", "model_number", "amount", "reception_number", "call_center"),
      ("form", "email", "kakao", "receipt"),
      ("정품 확인 후 매입가를 알려 드립니다.", "더스트백이 있으면 같이 보내 주세요.")),
    G("office_lunchbox_order", ("도시락 단체 주문", "정기 도시락 납품 명세"), ("한끼도시락", "구내 도시락"),
      {"phone": 1, "business_registration": 0.6, "email": 0.3},
      {"phone": ("주문 담당자",)},
      ("order_number", "amount", "weight", "time_slot", "org_account", "office_main_phone"),
      ("sms", "email", "receipt", "kakao"),
      ("밥은 현미로 바꿔 주세요.", "11시 40분까지 로비로 와 주세요.")),
    G("water_jug_round", ("생수 정기 배달 신청", "정수기 물통 회수 장부"), ("맑은샘 생수", "동네 생수 대리점"),
      {"phone": 1, "business_registration": 0.3, "bank_account": 0.2},
      {"phone": ("받는 곳 전화",)},
      ("weight", "amount", "unit_address", "event_date", "call_center", "cylinder_number", "meter_number"),
      ("ledger", "sms", "memo", "kakao"),
      ("빈 통은 문 앞에 내놔 주세요.", "18.9L 통 기준입니다.")),
    G("lpg_cylinder_swap", ("LPG 가스 배달 장부", "가스통 교체 요청"), ("○○가스 충전소", "읍내 가스상회"),
      {"phone": 1, "bank_account": 0.3},
      {"phone": ("댁 전화",)},
      ("cylinder_number", "weight", "amount", "event_date", "office_main_phone"),
      ("ledger", "elderly", "transcript", "memo"),
      ("20kg 두 통 바꿔 드렸습니다.", "호스가 낡아서 다음에 교체해야 합니다."), old=True, region="경상"),
    G("kerosene_round", ("등유 배달 주문", "난방유 외상 장부"), ("시골 주유소", "면 소재 석유 판매소"),
      {"phone": 1, "bank_account": 0.4},
      {"phone": ("주문하신 댁",)},
      ("weight", "amount", "meter_number", "event_date", "office_main_phone"),
      ("ledger", "elderly", "sms", "transcript"),
      ("두 드럼 넣어 드렸습니다.", "보일러 기름통이 새는 것 같습니다."), old=True, region="강원"),
    G("briquette_sharing", ("연탄 나눔 봉사 신청", "연탄 지원 가구"), ("연탄은행", "청년 봉사단"),
      {"phone": 1, "birth_date": 0.3, "email": 0.2},
      {"phone": ("봉사자 연락처",)},
      ("weight", "event_date", "time_slot", "org_account", "office_main_phone"),
      ("band", "table", "form", "notice"),
      ("토시와 앞치마를 나눠 드립니다.", "언덕길이라 지게로 나릅니다.")),
    G("food_bank", ("푸드뱅크 이용 신청", "기부 물품 접수"), ("구 푸드뱅크", "푸드마켓"),
      {"phone": 1, "resident": 0.6, "business_registration": 0.4},
      {"business_registration": ("기부처 사업자번호",), "resident": ("이용자 주민번호",)},
      ("weight", "amount", "reception_number", "event_date", "office_main_phone", "fax", "lot_number"),
      ("form", "table", "scan", "email"),
      ("유통기한이 한 달 이상 남은 식품만 받습니다.", "기부금 영수증을 보내 드립니다.")),
    G("marrow_donor", ("조혈모세포 기증 희망 등록", "기증 희망자 확인"), ("조혈모세포은행", "헌혈의 집"),
      {"phone": 1, "resident": 0.8, "email": 0.4, "birth_date": 0.3},
      {"phone": ("희망자 연락처",)},
      ("reception_number", "past_date", "call_center", "blood_pressure", "shared_mailbox"),
      ("form", "scan", "email", "transcript"),
      ("일치하는 환자가 나오면 연락드립니다.", "혈액 4ml를 채취합니다.")),
    G("cord_blood_bank", ("제대혈 보관 계약서", "제대혈 보관 연장"), ("제대혈은행", "산부인과 상담실"),
      {"phone": 1, "resident": 0.7, "credit_card": 0.4, "birth_date": 0.5},
      {"birth_date": ("아기 출생일",), "resident": ("산모 주민번호",)},
      ("contract_number", "policy_number", "amount", "call_center", "deadline", "lot_number", "virtual_account"),
      ("form", "email", "scan", "transcript"),
      ("보관 기간은 15년입니다.", "분만 전 키트를 병원에 가져가세요."), young=True),
    G("hospice_admission", ("호스피스 병동 입원 신청", "완화의료 상담 기록"), ("호스피스 병동", "완화의료센터"),
      {"phone": 1, "resident": 0.8, "birth_date": 0.5},
      {"phone": ("주보호자 연락처",)},
      ("room_number", "event_date", "death_date", "office_main_phone", "extension"),
      ("form", "scan", "transcript", "email"),
      ("가족 면회는 24시간 가능합니다.", "통증 조절을 우선으로 합니다."), old=True),
    G("lasik_consultation", ("시력교정술 상담 예약", "수술 전 검사 안내"), ("밝은눈 안과", "아이라식 센터"),
      {"phone": 1, "birth_date": 0.7, "credit_card": 0.3, "resident": 0.2},
      {"phone": ("상담 받으실 번호",)},
      ("event_date", "time_slot", "amount", "booking_number", "call_center"),
      ("sms", "form", "kakao", "email"),
      ("검사 일주일 전부터 렌즈를 빼 주세요.", "검사는 두 시간쯤 걸립니다.")),
    G("sleep_study_booking", ("수면다원검사 예약", "수면 설문지"), ("수면클리닉", "대학병원 수면센터"),
      {"phone": 1, "birth_date": 0.7, "resident": 0.4},
      {"phone": ("환자 휴대폰",)},
      ("room_number", "event_date", "time_slot", "amount", "office_main_phone", "blood_pressure"),
      ("form", "sms", "scan", "transcript"),
      ("검사 당일 낮잠과 커피는 피해 주세요.", "밤 9시까지 입실해 주세요.")),
    G("private_ambulance", ("사설 구급차 이송 요청", "환자 이송 기록지"), ("응급환자이송단", "민간 구급차"),
      {"phone": 1, "birth_date": 0.6, "resident": 0.3, "credit_card": 0.2},
      {"phone": ("보호자 번호",)},
      ("vehicle_plate", "amount", "time_slot", "call_center", "hotline_short"),
      ("transcript", "form", "sms", "receipt"),
      ("산소 투여하며 이송했습니다.", "요양병원에서 대학병원으로 옮깁니다.")),
    G("hospital_escort", ("병원 동행 서비스 신청", "동행 매니저 배정"), ("병원동행 돌봄", "늘봄 동행"),
      {"phone": 1, "birth_date": 0.5, "credit_card": 0.3, "bank_account": 0.2},
      {"phone": ("어르신 연락처", "자녀 연락처")},
      ("event_date", "time_slot", "amount", "room_number", "call_center"),
      ("kakao", "form", "sms", "elderly"),
      ("접수부터 약국까지 같이 다녀옵니다.", "진료 내용은 문자로 자녀분께 보내 드려요."), old=True),
    G("mass_intention", ("미사 예물 봉헌 신청", "연미사 신청"), ("○○성당 사무실", "본당 사무장"),
      {"phone": 1, "bank_account": 0.3, "birth_date": 0.2},
      {"phone": ("신청자 연락처",)},
      ("event_date", "death_date", "amount", "org_account", "office_main_phone"),
      ("form", "ledger", "notice", "elderly"),
      ("세례명과 함께 적어 주세요.", "주일 교중미사에 봉헌합니다."), old=True),
    G("baek_il_party", ("백일상 대여 예약", "백일 사진 촬영 예약"), ("백일상 대여점", "아기 스튜디오"),
      {"phone": 1, "birth_date": 0.8, "bank_account": 0.3, "credit_card": 0.2},
      {"birth_date": ("아기 생일", "아기 출생일")},
      ("event_date", "amount", "booking_number", "org_account", "deadline"),
      ("kakao", "form", "sms", "post"),
      ("떡은 백설기와 수수팥떡입니다.", "상은 반납 택배로 보내 주세요."), young=True),
    G("sibling_cost_sharing", ("형제 단톡 병원비 정산", "부모님 요양비 분담"), ("가족 단톡방", "형제 모임"),
      {"phone": 0.6, "bank_account": 1, "resident": 0.3, "birth_date": 0.2},
      {"bank_account": ("엄마 통장", "큰형 계좌")},
      ("amount", "percentage", "event_date", "room_number", "org_account"),
      ("kakao", "ledger", "memo", "post"),
      ("이번 달 병원비 영수증 올린다.", "막내는 다음 달부터 내기로 했어.", "엄마 용돈은 따로 보내자."), region="경상"),
    G("name_change_petition", ("개명 허가 신청서", "개명 후 정정 신고"), ("가정법원 민원실", "법무사 사무소"),
      {"phone": 1, "resident": 1, "birth_date": 0.3},
      {"resident": ("사건본인 주민등록번호",)},
      ("case_number", "reception_number", "amount", "office_main_phone", "fax"),
      ("form", "scan", "fullwidth", "email"),
      ("개명 사유서를 붙입니다.", "허가 후 한 달 안에 신고해야 합니다.")),
    G("adult_guardianship", ("성년후견 개시 심판 청구", "후견인 보고서"), ("가정법원", "후견지원센터"),
      {"phone": 1, "resident": 1, "bank_account": 0.5},
      {"resident": ("피후견인 주민등록번호", "청구인 주민등록번호")},
      ("case_number", "amount", "reception_number", "office_main_phone", "deadline"),
      ("form", "scan", "fullwidth", "email"),
      ("재산 목록과 수입 지출 내역을 붙입니다.", "감정 기일은 따로 알려 드립니다."), old=True),
    G("missing_person_report", ("실종 신고 접수", "배회 어르신 찾습니다"), ("경찰서 실종팀", "치매안심센터"),
      {"phone": 1, "birth_date": 0.8, "resident": 0.4},
      {"phone": ("신고자 연락처", "가족 연락처")},
      ("reception_number", "hotline_short", "size", "event_date", "office_main_phone"),
      ("form", "post", "transcript", "notice"),
      ("회색 점퍼에 검정 모자를 쓰셨습니다.", "지문 사전등록이 되어 있습니다."), old=True),
    G("theme_park_annual_pass", ("연간회원권 등록", "연간권 재발급 신청"), ("놀이공원 회원센터", "테마파크 연간회원"),
      {"phone": 1, "birth_date": 0.7, "credit_card": 0.4, "email": 0.4},
      {"birth_date": ("회원 생년월일",)},
      ("season_pass_number", "amount", "deadline", "call_center", "coupon_code", "virtual_account"),
      ("form", "email", "kakao", "sms"),
      ("사진 등록 후 입장 가능합니다.", "주차는 연간회원 할인이 됩니다."), young=True),
    G("baseball_season_ticket", ("야구 시즌권 신청", "시즌권 좌석 배정"), ("구단 티켓팀", "야구장 시즌권 데스크"),
      {"phone": 1, "birth_date": 0.4, "credit_card": 0.5, "email": 0.4},
      {"phone": ("시즌권 회원 연락처",)},
      ("season_pass_number", "seat_number", "amount", "call_center", "event_date"),
      ("form", "email", "kakao", "table"),
      ("응원석은 취소 수수료가 있습니다.", "시즌권 카드는 경기장에서 받아 가세요.")),
    G("seal_carving_order", ("도장 제작 주문", "인감 도장 새김 접수"), ("도장방", "역전 인장사"),
      {"phone": 1, "resident": 0.2, "bank_account": 0.2},
      {"phone": ("찾으실 분 연락처",)},
      ("size", "amount", "reception_number", "event_date", "order_number"),
      ("ledger", "memo", "sms", "receipt"),
      ("벼락 맞은 대추나무로 새깁니다.", "한자 이름은 해서체로 파 드려요."), old=True),
    G("senior_licence_return", ("고령운전자 면허 자진반납 신청", "반납 지원금 신청"), ("경찰서 민원실", "주민센터"),
      {"phone": 1, "driver_license": 1, "resident": 0.6, "bank_account": 0.5},
      {"driver_license": ("반납 면허번호",), "bank_account": ("지원금 받을 계좌",)},
      ("reception_number", "amount", "office_main_phone", "deadline", "past_date"),
      ("form", "scan", "elderly", "transcript"),
      ("교통카드 10만원이 충전됩니다.", "면허증 원본을 가져오세요."), old=True),
    G("securities_account_opening", ("증권 계좌 개설 신청", "비대면 계좌 개설 확인"), ("증권사 영업점", "증권 고객센터"),
      {"phone": 1, "resident": 0.7, "bank_account": 0.6, "email": 0.4, "driver_license": 0.3},
      {"bank_account": ("연결 은행 계좌",)},
      ("stock_code", "amount", "call_center", "transaction_id", "verification_code"),
      ("form", "kv", "json", "email"),
      ("신분증 촬영 후 1원 인증을 합니다.", "해외주식 거래 신청은 별도입니다.")),
    G("lost_baggage_claim", ("수하물 지연 신고", "분실 수하물 보상 청구"), ("항공사 수하물 센터", "공항 수하물 서비스"),
      {"phone": 1, "passport": 0.9, "email": 0.6, "bank_account": 0.3},
      {"phone": ("연락 가능한 번호",), "email": ("Email for updates",)},
      ("flight_number", "baggage_tag", "reception_number", "amount", "call_center", "event_date"),
      ("form", "bilingual", "email", "kv"),
      ("남색 하드 캐리어이고 손잡이에 리본이 있습니다.", "찾으면 집으로 배달해 드립니다.")),
    G("web_domain_renewal", ("도메인·호스팅 연장 신청", "도메인 소유자 정보 변경"), ("호스팅 고객지원", "웹에이전시"),
      {"phone": 1, "business_registration": 0.8, "email": 0.9, "credit_card": 0.4},
      {"email": ("소유자 이메일", "관리자 메일"), "phone": ("관리 담당자 휴대폰",)},
      ("domain_handle", "amount", "deadline", "virtual_account", "call_center", "transaction_id"),
      ("form", "email", "kv", "json"),
      ("만료 30일 전부터 연장할 수 있습니다.", "네임서버는 그대로 둡니다.")),
    G("bookkeeping_mandate", ("세무 기장 대리 계약", "기장 의뢰 고객 카드"), ("세무회계 사무소", "동네 세무사"),
      {"phone": 1, "business_registration": 1, "resident": 0.5, "bank_account": 0.5, "credit_card": 0.3},
      {"bank_account": ("사업용 계좌",), "credit_card": ("사업용 카드",)},
      ("contract_number", "amount", "deadline", "office_main_phone", "fax", "virtual_account"),
      ("form", "scan", "email", "table"),
      ("부가세 신고는 1월과 7월입니다.", "홈택스 수임 동의를 해 주세요.")),
    G("merchants_association", ("전통시장 상인회 회원 명부", "상인회 회비 장부"), ("중앙시장 상인회", "먹자골목 번영회"),
      {"phone": 1, "business_registration": 0.9, "bank_account": 0.3},
      {"phone": ("점포 주인 휴대폰",)},
      ("unit_address", "amount", "org_account", "office_main_phone", "event_date"),
      ("table", "ledger", "band", "elderly"),
      ("온누리상품권 가맹 신청을 받습니다.", "화재 공제 가입은 다음 달까지입니다."), old=True, region="경상"),
    G("hygiene_training", ("식품위생 교육 수료 명단", "위생교육 신청"), ("외식업중앙회 지회", "식품위생교육원"),
      {"phone": 1, "business_registration": 0.8, "birth_date": 0.5},
      {"business_registration": ("영업소 사업자번호",)},
      ("reception_number", "class_code", "event_date", "amount", "call_center"),
      ("table", "form", "notice", "sms"),
      ("온라인 교육은 3시간입니다.", "수료증은 영업장에 붙여 두세요.")),
    G("cat_tnr_request", ("길고양이 중성화 신청", "TNR 포획 요청"), ("구청 동물보호팀", "캣맘 모임"),
      {"phone": 1, "email": 0.3, "bank_account": 0.2},
      {"phone": ("신청인 연락처", "돌보는 분 연락처")},
      ("reception_number", "event_date", "unit_address", "office_main_phone", "weight"),
      ("form", "post", "kakao", "sms"),
      ("귀 끝 표시가 된 아이는 이미 수술했어요.", "포획틀은 저녁에 설치합니다.")),
    G("pet_taxi", ("펫택시 예약", "반려동물 이동 요청"), ("펫택시", "반려동물 운송"),
      {"phone": 1, "credit_card": 0.3, "bank_account": 0.2},
      {"phone": ("보호자 번호",)},
      ("vehicle_plate", "amount", "time_slot", "weight", "call_center"),
      ("kakao", "sms", "dm_style", "memo"),
      ("켄넬에 넣어서 태워 주세요.", "동물병원까지 편도입니다.")),
    G("scuba_certification", ("스쿠버 오픈워터 과정 신청", "다이빙 로그 확인"), ("제주 다이브센터", "다이빙 리조트"),
      {"phone": 1, "birth_date": 0.7, "passport": 0.4, "email": 0.5},
      {"phone": ("비상 연락처",)},
      ("class_code", "amount", "event_date", "size", "org_account", "blood_pressure"),
      ("form", "bilingual", "kakao", "email"),
      ("수영 200m 가능해야 합니다.", "웨트슈트 사이즈를 알려 주세요."), region="제주"),
    G("kendo_grading", ("검도 승단 심사 신청", "도장 수련생 명부"), ("○○검도관", "시 검도회"),
      {"phone": 1, "birth_date": 0.8, "resident": 0.4},
      {"phone": ("학부모 연락처",), "resident": ("응심자 주민번호",)},
      ("entry_number", "amount", "event_date", "office_main_phone", "class_code"),
      ("form", "table", "notice", "band"),
      ("호구는 도장에서 빌려 드립니다.", "심사는 본과 실기로 봅니다."), young=True),
    G("child_meal_card", ("아동급식카드 발급 신청", "급식카드 재발급"), ("행정복지센터", "구청 아동청소년과"),
      {"phone": 1, "resident": 0.8, "credit_card": 0.7, "birth_date": 0.3},
      {"credit_card": ("급식카드 번호", "아동급식카드 번호"), "phone": ("보호자 연락처",)},
      ("reception_number", "amount", "deadline", "office_main_phone", "hotline_short"),
      ("form", "scan", "sms", "transcript"),
      ("하루 한 끼 9,500원까지 쓸 수 있습니다.", "잃어버리면 바로 정지 신청하세요."), young=True),
    G("basic_pension_application", ("기초연금 신청서", "기초연금 수급 변경 신고"), ("행정복지센터 복지팀", "국민연금공단 지사"),
      {"phone": 1, "resident": 1, "bank_account": 0.8},
      {"bank_account": ("연금 받을 계좌",), "resident": ("신청인 주민등록번호", "배우자 주민등록번호")},
      ("reception_number", "amount", "past_date", "office_main_phone", "call_center"),
      ("form", "scan", "elderly", "transcript"),
      ("통장 사본과 신분증을 가져오세요.", "소득인정액 조사 후 결과를 알려 드립니다."), old=True, region="전라"),
    G("health_insurance_dependant", ("건강보험 피부양자 등록", "피부양자 자격 취득 신고"), ("건강보험공단 지사", "회사 인사팀"),
      {"phone": 1, "resident": 1, "foreigner_registration": 0.3},
      {"resident": ("피부양자 주민등록번호", "직장가입자 주민등록번호")},
      ("reception_number", "past_date", "office_main_phone", "fax", "call_center"),
      ("form", "scan", "fullwidth", "email"),
      ("가족관계증명서를 붙입니다.", "취득일은 입사일로 합니다.")),
    G("ladder_truck_booking", ("사다리차 예약", "이삿짐 사다리차 배차"), ("사다리차 콜", "OO 스카이"),
      {"phone": 1, "bank_account": 0.3, "business_registration": 0.2},
      {"phone": ("현장 연락처",)},
      ("unit_address", "time_slot", "amount", "vehicle_plate", "call_center"),
      ("sms", "kakao", "memo", "ledger"),
      ("15층까지 올라갑니다.", "주차 공간 미리 비워 주세요.")),
    G("bus_parcel", ("고속버스 택배 접수", "버스 수화물 도착 안내"), ("고속버스터미널 화물", "시외버스 소화물"),
      {"phone": 1},
      {"phone": ("받는 분 연락처", "보내는 분 연락처")},
      ("tracking_number", "bus_stop", "amount", "weight", "time_slot", "office_main_phone"),
      ("sms", "receipt", "memo", "transcript"),
      ("도착 터미널 화물 창구에서 찾으세요.", "신분증을 꼭 가져오세요.")),
)

# Forms every genre may use besides its own, so that every kind meets every form.
FORMS = ("form", "scan", "fullwidth", "bilingual", "kv", "json", "xml", "table", "kakao", "band", "post",
         "dm_style", "elderly", "transcript", "email", "notice", "receipt", "ledger", "sms", "memo")
EXTRA_FORMS = ("xml", "kv", "json", "bilingual", "fullwidth", "dm_style", "post", "memo")

# Kinds any genre may carry now and then, so that every kind reaches every form.
NOW_AND_THEN = {"email": 0.1, "birth_date": 0.1, "bank_account": 0.1, "driver_license": 0.15, "passport": 0.12,
                "foreigner_registration": 0.13, "business_registration": 0.09, "credit_card": 0.1, "resident": 0.06}

# --------------------------------------------------------------------------- a person's fields


def _label(r: random.Random, genre: Genre, kind: str, w: labelled.Written) -> str:
    if w.writing == "safe_050":
        return r.choice(("안심번호", "050 안심번호"))
    if w.writing in ("home_line", "home_paren"):
        return r.choice(("집 전화", "자택 전화", "전화(자택)", "집번호"))
    own = genre.labels.get(kind, ())
    return r.choice(own) if own and r.random() < 0.5 else r.choice(LABELS[kind])


def person_fields(r: random.Random, genre: Genre, few: bool = False) -> list[Field]:
    """A person's name and the values the genre asks of them, in the order of KINDS."""
    out = [Field(r.choice(("성명", "이름", "성 명", "신청인")), "name", text=name_of(r))]
    kinds = {k for k, p in genre.kinds.items() if r.random() < p * (0.55 if k == "phone" else 1)}
    kinds |= {k for k, p in NOW_AND_THEN.items() if r.random() < p * (0.6 if few else 1)}
    child = genre.young and r.random() < 0.5
    for kind in sorted(kinds or {"phone"}, key=KINDS.index):
        bank = r.choice(tuple(BANK_SHAPES)) if kind == "bank_account" else ""
        w = value_for(r, kind, child, genre.old, bank, work_mail=r.random() < 0.1)
        out.append(Field(_label(r, genre, kind, w), r.choice(KEYS[kind]), kind=kind, written=w, bank=bank))
    return out


def look_alikes(r: random.Random, genre: Genre, count: int) -> list[Field]:
    return look_alike_fields(r, LOOK_ALIKES, genre.look_alikes, count, 0.4)


def _today(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2026, 2026)
    return f"{y}. {m}. {d}."


# --------------------------------------------------------------------------- the writer


class _Page(Page):
    """A page that also writes a field behind its label."""

    def __init__(self, genre: str, wide_digits: bool = False) -> None:
        super().__init__(genre, PART, _SAYINGS, widen, wide_digits)

    def labelled(self, r: random.Random, f: Field, situation: str, label: str, frame: str, glue: str = " ",
                 lead: str = "") -> None:
        """A label (after a bullet or bracket), then the field (after its bank's name when an
        account), then now and then whose it is."""
        self.add(f"{lead}{label}{glue}")
        self.bank_then(f, situation, label, frame)
        if f.kind in AFTERWORDS and r.random() < 0.15:
            self.add(" " + r.choice(AFTERWORDS[f.kind]))


# --------------------------------------------------------------------------- forms


def write_form(r: random.Random, page: _Page, genre: Genre, form: str) -> None:
    """A filled-in form: its title, one or two people's fields, the organisation's numbers."""
    page.add(f"{r.choice(genre.titles)}\n" + r.choice(("", f"[{r.choice(genre.orgs)}]\n", "-" * 22 + "\n")))
    marks = r.choice((("", ": "), ("□ ", " : "), ("〔", "〕 "), ("• ", " - "), ("", "\t"), ("| ", " | ")))
    for who in range(1 if r.random() < 0.65 else 2):
        if who:
            page.add(r.choice(("\n<보호자>\n", "\n<신청인 2>\n", "\n<대리인>\n", "\n<배우자>\n")))
        for f in person_fields(r, genre):
            label = f"{f.label} ({EN_LABELS[f.kind]})" if form == "bilingual" and f.kind else f.label
            if form == "bilingual" and f.kind and r.random() < 0.3:
                label = EN_LABELS[f.kind]
            if form == "scan" and f.kind and r.random() < 0.4:
                page.add(f"{label}\n")  # the scan put the label on a line of its own
                page.bank_then(f, "label_above", label, "scan")
                page.add("\n")
                continue
            if form == "scan" and f.kind and r.random() < 0.5:
                f.written = misread(r, f.written)
            if f.kind:
                page.labelled(r, f, "label_punct", label, form, marks[1], marks[0])
            else:
                page.add(f"{marks[0]}{label}{marks[1]}{f.text}")
            page.add("\n")
    page.add("\n")
    for f in look_alikes(r, genre, r.randint(2, 4)):
        page.add(f"{marks[0]}{f.label}{marks[1]}")
        page.field(f, "", "", form)
        page.add("\n")
    page.add(r.choice(genre.lines) + "\n")
    if r.random() < 0.5:
        page.add(f"{_today(r)}  {r.choice(('신청인', '작성자', '청구인'))} {r.choice(('(서명)', '(인)', '____'))}\n")


def write_kv(r: random.Random, page: _Page, genre: Genre) -> None:
    service = genre.name.replace("_", "-")
    for _ in range(r.randint(1, 3)):
        fields = person_fields(r, genre, few=True) + look_alikes(r, genre, r.randint(1, 2))
        page.add(f"[{_today(r).replace('. ', '-').rstrip('.')} {r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}] "
                 f"{r.choice(('INFO', 'DEBUG', 'WARN'))} {service} {r.choice(('register', 'verify', 'payout', 'save'))}")
        sep = r.choice(("=", ": "))
        for f in fields:
            page.add(f" {f.key}{sep}")
            page.field(f, "log_key" if f.kind else "", f.key if f.kind else "", "kv")
            page.add(r.choice(("", ",")) if sep == "=" else ";")
        page.add("\n")


def write_json(r: random.Random, page: _Page, genre: Genre) -> None:
    page.add('{\n  "form": "%s",\n  "rows": [\n' % genre.name)
    count = r.randint(1, 3)
    for i in range(count):
        fields = person_fields(r, genre, few=True) + look_alikes(r, genre, r.randint(1, 2))
        page.add("    {")
        for j, f in enumerate(fields):
            page.add(f'{", " if j else ""}"{f.key}":"')
            page.field(f, "json_key" if f.kind else "", f.key if f.kind else "", "json")
            page.add('"')
        page.add("}" + ("," if i < count - 1 else "") + "\n")
    page.add("  ]\n}\n")


def write_xml(r: random.Random, page: _Page, genre: Genre) -> None:
    page.add(f'<?xml version="1.0" encoding="UTF-8"?>\n<{genre.name}>\n')
    for _ in range(r.randint(1, 3)):
        fields = person_fields(r, genre, few=True) + look_alikes(r, genre, 1)
        page.add("  <record>\n")
        for f in fields:
            page.add(f"    <{f.key}>")
            page.field(f, "xml_tag" if f.kind else "", f.key if f.kind else "", "xml")
            page.add(f"</{f.key}>\n")
        page.add("  </record>\n")
    page.add(f"</{genre.name}>\n")


def write_table(r: random.Random, page: _Page, genre: Genre) -> None:
    """A roster: one person a row, the columns the genre's kinds and one look-alike."""
    sep = r.choice((",", "\t", " | ", "md", ";"))
    rows = [person_fields(r, genre, few=True) for _ in range(r.randint(3, 7))]
    kinds = [k for k in KINDS if any(f.kind == k for row in rows for f in row)][:4] or ["phone"]
    extra = look_alikes(r, genre, 1)[0]
    heads = ["No", "성명"] + [next((f.label for row in rows for f in row if f.kind == k and f.written.writing
                                   not in ("home_line", "home_paren", "safe_050")), LABELS[k][0]) for k in kinds] + [extra.label]
    page.add(f"{r.choice(genre.titles)} - {r.choice(genre.orgs)}\n")
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
                page.add(r.choice(("", "-", "미제출")))
            else:
                if f.kind == "bank_account" and r.random() < 0.4:
                    page.add(f"{f.bank} ")
                page.field(f, "column", head, "table")
        page.add(joint)
        text = la.make(r)
        if sep == "," and "," in text:
            text = text.replace(",", "")
        page.field(Field(extra.label, extra.key, category=extra.category, text=text), "", "", "table")
        page.add((" |" if sep == "md" else "") + "\n")
    page.add(r.choice(genre.lines) + "\n")


# --------------------------------------------------------------------------- messages


def write_kakao(r: random.Random, page: _Page, genre: Genre) -> None:
    """A messenger export: a person gives their fields, the other side answers with the org's."""
    me = person_fields(r, genre, few=True)
    name, other = me[0].text, r.choice(genre.orgs)
    way = r.randrange(3)
    region = genre.region if r.random() < 0.75 else "표준"
    day = _today(r)

    def who(speaker: str) -> str:
        if way == 0:
            return f"[{speaker}] [{clock(r)}] "
        if way == 1:
            return f"{day} {clock(r)}, {speaker} : "
        return f"{speaker} {clock(r)}\n"

    page.add(f"{other} 님과 카카오톡 대화\n저장한 날짜 : {day}\n\n" if way == 1 else "")
    page.add(who(name) + r.choice(("안녕하세요~", "문의 좀 드릴게요", "예약하려고요", "저기요")) + "\n")
    page.add(who(other) + r.choice(genre.lines) + "\n")
    for f in me[1:]:
        page.add(who(name))
        if f.kind in ("phone", "email") and r.random() < 0.25:
            page.field(f, "no_label", "", "kakao")
        else:
            page.say(r, f, name, "kakao", region)
        page.add("\n")
    for f in look_alikes(r, genre, r.randint(1, 3)):
        page.add(who(other))
        page.say(r, f, name, "kakao")
        page.add("\n")
    page.add(who(name) + r.choice(DIALECT_ENDINGS[region]) + "\n")


def write_band(r: random.Random, page: _Page, genre: Genre) -> None:
    """A group's notice and its members' replies, each leaving their own details."""
    page.add(f"📢 {r.choice(genre.titles)}\n{r.choice(genre.lines)}\n참석하실 분은 댓글로 이름, 연락처 남겨 주세요.\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.add(f"- {f.label} ")
        page.field(f, "", "", "band")
        page.add("\n")
    page.add(f"\n댓글 {r.randint(2, 40)}개\n")
    for _ in range(r.randint(2, 5)):
        fields = person_fields(r, genre, few=True)
        name = fields[0].text
        page.add(f"{name}{r.choice(('', ' 회원', ' (신입)', ' 총무'))} · {r.randint(1, 59)}분 전\n")
        for f in fields[1:]:
            if r.random() < 0.5:
                page.labelled(r, f, "label_space", f.label, "band")
            else:
                page.say(r, f, name, "band", genre.region)
            page.add(r.choice((" ", " / ", "\n")))
        page.add(r.choice(("참석합니다~", "저도 갈게요", "", "👍")) + "\n")


def write_post(r: random.Random, page: _Page, genre: Genre) -> None:
    """A community post and comments: whoever answers leaves a number, starred or not."""
    writer = person_fields(r, genre, few=True)
    page.add(f"[{r.choice(('질문', '후기', '나눔', '정보'))}] {r.choice(genre.titles)}\n"
             f"{r.choice(('맘스홀릭 ', '동네생활 ', '', '지역카페 '))}{r.choice(('봄날엄마', '초보농부', '산책러', 'abc0305', '옆집언니'))} | 조회 {r.randint(10, 999)}\n\n")
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
        page.add(r.choice(("ㄴ ", "→ ", "└ ")) + r.choice(("저도 궁금해요 ", "연락드려요 ", "혹시 가능할까요? ", "")))
        for f in fields[1:2]:
            if r.random() < 0.35:
                f.written = star_middle(f.written)
            page.say(r, f, fields[0].text, "comment")
        page.add(r.choice((" (비밀댓글)", " 쪽지 확인 부탁드려요", "")) + "\n")


def write_dm(r: random.Random, page: _Page, genre: Genre) -> None:
    """Direct messages to a small studio's account, an order given in pieces."""
    me = person_fields(r, genre, few=True)
    shop = r.choice(genre.orgs)
    page.add(f"Instagram DM · {shop}\n")
    page.add(f"나: {r.choice(('예약 문의드려요!', '가능한 날짜 있을까요?', '안녕하세요 신청하고 싶어요'))}\n"
             f"{shop}: {r.choice(genre.lines)} 성함이랑 연락처 남겨 주세요 🙂\n나: {me[0].text}\n")
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


# What follows a number read out in Hangul: never a syllable that is also a digit (이, 일, 오...).
_ENDS_AFTER_READING = (" 입니다", " 요", "", " 맞아요", "..")


def write_elderly(r: random.Random, page: _Page, genre: Genre) -> None:
    """Texts typed by an older person: few spaces, digits spaced out or in Hangul, a child's help."""
    me = person_fields(r, genre, few=True)
    page.add(f"{r.choice(('안녕하심니까', '수고만으십니다', '여보세요', '문자드림니다'))}{r.choice(('..', '~', '^^', ''))}"
             f"{me[0].text}{r.choice(('임니다', '이요', '입니다'))}\n")
    for f in me[1:]:
        x = r.random()
        f.written = spaced_out(f.written) if x < 0.3 else read_out(r, f.written) if x < 0.45 else f.written
        label = f.label.replace(" ", "")
        page.add(f"{label}{r.choice((topic(label), '', ' ', '..'))}")
        page.bank_then(f, "label_tight", label, "elderly")
        page.add(r.choice(_ENDS_AFTER_READING if f.written.writing == "hangul_numerals" else ("이요", "임니다", "..", " 에요", "")) + "\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.say(r, f, "", "elderly")
        page.add("\n")
    page.add(r.choice(("며느리가대신보냄", "잘부탁함니다", "고맙슴니다^^", "전화주이소", "모르면전화주세요")) + "\n")


def write_transcript(r: random.Random, page: _Page, genre: Genre) -> None:
    """A call turned into text: the agent asks, the caller reads each number out."""
    me = person_fields(r, genre, few=True)
    org = r.choice(genre.orgs)
    page.add(f"[음성 녹취 변환] {org} {_today(r)}\n상담원: 네 {org}입니다 무엇을 도와드릴까요\n"
             f"고객: 네 {r.choice(genre.titles)} 때문에요\n상담원: 성함이요\n고객: {me[0].text}입니다\n")
    for f in me[1:]:
        f.written = read_out(r, f.written) if r.random() < 0.55 else f.written
        page.add(f"상담원: {f.label}{r.choice((' 불러 주시겠어요', '도 확인할게요', ' 말씀해 주세요'))}\n고객: ")
        if f.kind == "bank_account":
            page.add(f"{f.bank}이고 ")
        page.field(f, "asked_before", f.label, "transcript")
        page.add(r.choice(_ENDS_AFTER_READING if f.written.writing == "hangul_numerals" else ("이요", " 입니다", "", " 맞아요", " 이거요")) + "\n")
    for f in look_alikes(r, genre, r.randint(1, 3)):
        page.add("상담원: ")
        page.say(r, f, "", "transcript")
        page.add("\n")
    page.add(f"고객: {r.choice(DIALECT_ENDINGS[genre.region])}\n")


def write_email(r: random.Random, page: _Page, genre: Genre) -> None:
    me = person_fields(r, genre)
    name = me[0].text
    page.add(f"제목: {r.choice(('', '[접수] ', 'Re: ', 'Fw: '))}{r.choice(genre.titles)}\n보낸사람: {name}\n받는사람: {r.choice(genre.orgs)}\n\n")
    page.add(f"안녕하세요, {r.choice(genre.orgs)} 담당자님.\n{r.choice(genre.lines)}\n")
    sign = [f for f in me[1:] if f.kind in ("phone", "email")]
    for f in me[1:]:
        if f in sign:
            continue
        page.say(r, f, name, "email")
        page.add(".\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.say(r, f, "", "email")
        page.add(".\n")
    page.add(f"확인 부탁드립니다.\n\n{name} 올림\n")
    for f in sign:
        cue = r.choice(("M. ", "HP ", "Tel) ", "📞 ", "")) if f.kind == "phone" else r.choice(("E. ", "Mail) ", "📧 ", ""))
        page.add(cue)
        page.field(f, "signature", cue.strip(), "email_signature")
        page.add("\n")


def write_notice(r: random.Random, page: _Page, genre: Genre) -> None:
    """Results posted for all: names veiled, numbers starred in the middle."""
    page.add(f"<{r.choice(genre.titles)} 명단 안내> {r.choice(genre.orgs)}\n")
    for i in range(r.randint(3, 8)):
        fields = person_fields(r, genre, few=True)
        page.add(f"{i + 1}) {veiled(fields[0].text)} ")
        for f in fields[1:3]:
            f.written = star_middle(f.written) if r.random() < 0.6 else f.written
            page.labelled(r, f, "label_space", f.label, "notice")
            page.add(" ")
        la = look_alikes(r, genre, 1)[0]
        page.add(f"{la.label} ")
        page.field(la, "", "", "notice")
        page.add("\n")
    for f in look_alikes(r, genre, 2):
        page.add(f"※ {f.label}: ")
        page.field(f, "", "", "notice")
        page.add("\n")


def write_receipt(r: random.Random, page: _Page, genre: Genre) -> None:
    """A shop's slip: the trader's own numbers on top, the customer's below."""
    page.add(f"{'=' * 26}\n{r.choice(genre.orgs)}\n대표자 {name_of(r)}\n사업자등록번호 ")
    page.field(Field("사업자등록번호", "bizno", kind="business_registration", written=business_number(r)), "label_space", "사업자등록번호", "receipt")
    page.add("\n전화 ")
    page.field(Field("전화", "tel", category="office_main_phone", text=_office_line(r)), "", "", "receipt")
    page.add(f"\n{_today(r)} {r.randrange(9, 21):02d}:{r.randrange(60):02d}\n{'-' * 26}\n")
    for f in look_alikes(r, genre, r.randint(2, 3)):
        page.add(f"{f.label:<8} ")
        page.field(f, "", "", "receipt")
        page.add("\n")
    for f in person_fields(r, genre, few=True)[1:]:
        page.labelled(r, f, "label_punct", f"고객 {f.label}", "receipt", ": ")
        page.add("\n")
    if r.random() < 0.6:
        page.add("신용카드 ")
        page.field(Field("신용카드", "card", kind="credit_card", written=card_number(r, slip=True)), "short_cue", "신용카드", "receipt")
        page.add("\n승인번호 ")
        page.field(Field("승인번호", "approval", category="approval_number", text=LOOK_ALIKES["approval_number"].make(r)), "", "", "receipt")
        page.add("\n")
    page.add("이용해 주셔서 감사합니다\n")


# What a ledger line notes besides the person: how much, how many, when, where.
LEDGER_COLUMNS = ("amount", "weight", "event_date", "time_slot", "size", "unit_address", "percentage", "room_number")


def write_ledger(r: random.Random, page: _Page, genre: Genre) -> None:
    """A ledger kept by hand: date, name, a short cue where the number alone says nothing."""
    page.add(r.choice((f"{r.choice(genre.titles)}\n", f"《{r.choice(genre.orgs)}》\n", "")))
    sep = r.choice((" ", "  ", " / ", ", ", " | "))
    for _ in range(r.randint(3, 6)):
        fields = person_fields(r, genre, few=True)
        page.add(f"{r.randrange(1, 13)}.{r.randrange(1, 29)}{sep}{fields[0].text}")
        for f in fields[1:]:
            page.add(sep)
            if f.kind == "bank_account":
                page.add(f"{f.bank} ")
                page.field(f, "bank_name", f.bank, "ledger")
            elif f.kind in ("phone", "email") and r.random() < 0.65:
                page.field(f, "no_label", "", "ledger")
            else:
                cue = r.choice(CUES[f.kind])
                page.add(f"{cue} ")
                page.field(f, "short_cue", cue, "ledger")
        if r.random() < 0.85:
            cat = r.choice([c for c in genre.look_alikes if c in LEDGER_COLUMNS] or ["amount"])
            page.add(sep)
            page.field(Field("", "", category=cat, text=LOOK_ALIKES[cat].make(r)), "", "", "ledger")
        page.add(r.choice(("", " 완불", " 외상", " ○", " 미납", " 입금함")) + "\n")


def write_sms(r: random.Random, page: _Page, genre: Genre) -> None:
    """A confirmation text from the shop or office, then the customer's reply."""
    me = person_fields(r, genre, few=True)
    org = r.choice(genre.orgs)
    page.add(r.choice(("[Web발신]\n", "[알림톡]\n", "")) + f"[{org}] {veiled(me[0].text) if r.random() < 0.5 else me[0].text}님, {r.choice(genre.titles)} 안내드립니다.\n")
    for f in look_alikes(r, genre, r.randint(2, 3)):
        page.add(f"{r.choice(('■', '▶', '-'))} {f.label}: ")
        page.field(f, "", "", "sms")
        page.add("\n")
    for f in me[1:]:
        page.labelled(r, f, "label_punct", f.label, "sms", ": ", f"{r.choice(('■', '▶', '-'))} ")
        page.add("\n")
    if r.random() < 0.5:
        page.add(f"\n↪ 답장: {r.choice(('이 번호로 연락주세요', '남편 번호예요', '번호 바뀌었어요'))} ")
        page.field(Field("", "", kind="phone", written=mobile(r, genre.old)), "no_label", "", "sms_reply")
        page.add(r.choice(("", " 입니다", "요")) + "\n")


def write_memo(r: random.Random, page: _Page, genre: Genre) -> None:
    """Sticky notes by a counter: a name, then values behind one-word cues or after them."""
    page.add(r.choice(("📝 메모\n", "[메모]\n", "")))
    for _ in range(r.randint(2, 4)):
        fields = person_fields(r, genre, few=True)
        page.add(f"{fields[0].text} {r.choice(('님', '씨', '고객', ''))}{r.choice((' - ', ' ', ': '))}")
        for f in fields[1:]:
            cue = r.choice(CUES[f.kind])
            if f.kind in AFTERWORDS and r.random() < 0.35:
                after = r.choice(AFTERWORDS[f.kind])
                page.bank_then(f, "trailing", after, "memo")
                page.add(f" {after}")
            else:
                page.add(f"{cue}{r.choice((' ', ''))}" if cue.endswith(")") else f"{cue} ")
                page.bank_then(f, "short_cue", cue, "memo")
            page.add(r.choice((" ", ", ", " / ")))
        la = look_alikes(r, genre, 1)[0]
        page.add(f"{la.label} ")
        page.field(la, "", "", "memo")
        page.add(r.choice(("", " 꼭 연락", " 확인 요망", " 재방문")) + "\n")


WRITERS = {"kv": write_kv, "json": write_json, "xml": write_xml, "table": write_table, "kakao": write_kakao,
           "band": write_band, "post": write_post, "dm_style": write_dm, "elderly": write_elderly,
           "transcript": write_transcript, "email": write_email, "notice": write_notice, "receipt": write_receipt,
           "ledger": write_ledger, "sms": write_sms, "memo": write_memo}


def generate(count: int = 1500, seed: int = 1) -> list:
    """`count` documents of the part, each made from the seed and its index alone."""
    return documents(count, seed, _document)


def _document(seed: int, index: int) -> labelled.Document:
    r = random.Random(f"{PART}:{seed}:{index}")
    genre = GENRES[index % len(GENRES)] if index < len(GENRES) else r.choice(GENRES)
    form = r.choice(genre.forms) if r.random() < 0.85 else r.choice(EXTRA_FORMS)
    page = _Page(genre.name, wide_digits=form == "fullwidth")
    if form in ("form", "scan", "fullwidth", "bilingual"):
        write_form(r, page, genre, form)
    else:
        WRITERS[form](r, page, genre)
    doc = page.document()
    doc.style = form
    return doc
