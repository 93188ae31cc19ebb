"""The seventeenth blind part (`blind17`): labelled Korean documents in genres and wordings written
apart from the rules and from every other part, never tuned on.

    docs = labelled_blind17.generate(1500, seed=1)

Genres: home-visit study-sheet teachers' schedules, taekwondo-dojang and art-academy enrolments,
group-buy order lists from a mothers' café, residents'-representative candidacies and residents'
council minutes, moving-day elevator bookings, visitor-car registrations, parcel-locker sign-ups,
weekend-farm plot allotments, medical-record copy requests with powers of attorney,
dementia-care-centre enrolments, dialysis schedules, personal-data access requests, account
deletions, auto-debit changes, jeonse-deposit guarantee applications, resident-register issuance
mandates, triathlon entries, climbing-gym waivers, paragliding bookings, island-ferry passenger
lists, car-ferry loadings, yacht charters, camper-van rentals, massage-chair rentals,
appliance pick-ups, first-birthday RSVPs, alumni year-end dues, church retreats, first-communion
classes, military-unit visit requests, student-ID reissues, school-meal allergy surveys,
sports-day parent volunteers, graduation-album orders, sweepstake winners, hospital parking
discounts, condolence-money ledgers kept by a friend, milk-delivery sign-ups, assistive-device
rentals, kids'-café parties, study-café passes, dog-park registrations, city-gas holder changes,
lost-pet flyers, school carpools, toy libraries, senior-centre outings, mobile wedding invitations
and bicycle registrations. Each genre is written in several forms:
label-line forms, key=value log lines, JSON, CSV/TSV/pipe/Markdown rosters, chats, e-mails with
signatures, prose notes, text messages from the organisation, OCR scans (letters read for digits, broken spacing), full-width forms and
English-Korean forms.

Conventions:

- A **value** is whatever identifies or reaches a person: their own mobile, home phone or direct
  line (a 050x safe number rings a person too, so it is a value), their e-mail, their bank
  account, their card, resident, foreigner, licence and passport numbers, their birth date, and
  every business registration number (a sole trader's number is personal). About a tenth of
  the values are already partly masked (`010-****-5678`, `880101-1******`); they are still values.
  Resident numbers issued since October 2020 (born then or later) carry no valid check digit;
  all other resident, foreigner, business and card numbers carry real ones.
- A **negative** is a look-alike that reaches no one person: an office's, company's or
  call-centre's number, a fax, a bare extension, the account of a company, church, association
  or foundation, a virtual account for one bill, a shared mailbox (help@, info@ of an
  organisation), order, tracking, invoice, reference, model and serial numbers, dates that are
  not birth dates, amounts, postcodes and the other categories in NEGATIVE_CATEGORIES.
- Values and negatives are recorded by exact character and UTF-8 byte span; no two overlap.

Documents are made from (seed, index) alone, so a smaller count gives a prefix of a larger one.
"""

from __future__ import annotations

import datetime
import random
from dataclasses import dataclass

import corpus
from labelled import Document, _Writer

PART = "blind17"
KINDS = corpus.KINDS
MASKED_SHARE = 0.14

FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
# Letters a scanner reads for digits.
SCANNED = {"0": "O", "1": "l", "5": "S", "8": "B"}

SURNAMES = "김이박최정강조윤장임한오서신권황안송류홍전고문양손배백허남심노하곽성차주우구민진나"
GIVEN = ("서진 도현 하린 윤아 재민 수현 예준 지후 소윤 은호 다인 시온 태린 유나 준호 미소 경태 "
         "정숙 영철 말순 순옥 상철 혜란 보영 가람 나래 이든 로아 한결 새봄 동희 은숙 기범 명자").split()
ROMAN_GIVEN = ("seojin dohyun harin yuna jaemin suhyun yejun jihu soyun eunho dain sion taerin "
               "junho miso kyungtae boyoung garam narae hangyeol dongsuk").split()
ROMAN_SUR = "kim lee park choi jung kang cho yoon jang lim han oh seo shin kwon hwang ahn song".split()
MAIL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                "icloud.com", "outlook.com", "hotmail.com", "yahoo.co.kr")
ORG_DOMAINS = ("haneulcare.or.kr", "bomnal.co.kr", "seaferry.kr", "greenfarm.go.kr", "tkd-hanmaum.com",
               "sunrise-apt.kr", "mirae-hosp.or.kr", "ddungddung.kr", "cheongsol.org", "bluecamp.co.kr")
SHARED_BOXES = ("help", "info", "cs", "privacy", "support", "office", "admin", "contact", "ask")
PLACES = ("수원시 영통구", "성남시 분당구", "부산 해운대구", "대구 수성구", "광주 북구", "청주시 흥덕구",
          "서울 노원구", "서울 강서구", "인천 연수구", "전주시 완산구", "제주시 연동", "창원시 성산구")


@dataclass(frozen=True)
class Written:
    kind: str
    text: str
    writing: str
    masked: bool = False
    bank: str = ""          # the bank an account is with, written before it


def _digits(r: random.Random, n: int) -> str:
    return corpus.random_digits(r, n)


def _ds(s: str) -> list[int]:
    return [int(c) for c in s]


def _join(s: str, sizes, sep: str) -> str:
    out, i = [], 0
    for n in sizes:
        out.append(s[i:i + n])
        i += n
    return sep.join(out)


def _scanned(r: random.Random, text: str) -> str:
    """Some digits read as letters, as a scanner does."""
    out = [SCANNED[c] if c in SCANNED and r.random() < 0.45 else c for c in text]
    return "".join(out)


def _person(r: random.Random) -> str:
    return r.choice(SURNAMES) + r.choice(GIVEN)


# --------------------------------------------------------------------------- values


def _resident(r: random.Random, foreigner: bool) -> Written:
    kind = "foreigner_registration" if foreigner else "resident"
    if not foreigner and r.random() < 0.12:
        # Issued since October 2020: random region and serial digits, no check digit.
        born = datetime.date(2020, 10, 1) + datetime.timedelta(days=r.randrange(6 * 365))
        y, m, d = born.year, born.month, born.day
        body = f"{y % 100:02d}{m:02d}{d:02d}" + r.choice("34") + _digits(r, 6)
        if corpus.resident_check(_ds(body[:12]), False) == int(body[12]):
            body = body[:12] + str((int(body[12]) + 1) % 10)
        return Written(kind, body[:6] + r.choice(("-", "-", " ")) + body[6:], "post2020")
    y, m, d = corpus.random_date(r, 1950 if foreigner else 1938, 2008 if foreigner else 2012)
    if foreigner:
        g = ("7", "8")[r.randrange(2)] if y >= 2000 else ("5", "6")[r.randrange(2)]
    else:
        g = ("3", "4")[r.randrange(2)] if y >= 2000 else ("1", "2")[r.randrange(2)]
    d12 = f"{y % 100:02d}{m:02d}{d:02d}" + g + _digits(r, 5)
    s = d12 + str(corpus.resident_check(_ds(d12), foreigner))
    if r.random() < MASKED_SHARE:
        return Written(kind, s[:6] + "-" + (s[6] + "******" if r.random() < 0.7 else "*******"), "masked", True)
    w = r.choices(("hyphen", "plain", "spaced", "fullwidth"), (6, 2, 1, 1))[0]
    text = {"hyphen": s[:6] + "-" + s[6:], "plain": s, "spaced": s[:6] + " " + s[6:],
            "fullwidth": (s[:6] + "-" + s[6:]).translate(FULL)}[w]
    return Written(kind, text, w)


def _business(r: random.Random) -> Written:
    d9 = str(r.randrange(101, 900)) + f"{r.choice((r.randrange(1, 80), r.randrange(81, 89), 90, 91)):02d}" + _digits(r, 4)
    s = d9 + str(corpus.business_check(_ds(d9)))
    if r.random() < MASKED_SHARE * 0.6:
        return Written("business_registration", s[:3] + "-" + s[3:5] + "-*****", "masked", True)
    w = r.choices(("hyphen", "plain", "spaced", "fullwidth"), (7, 2, 1, 1))[0]
    text = {"hyphen": _join(s, (3, 2, 5), "-"), "plain": s, "spaced": _join(s, (3, 2, 5), " "),
            "fullwidth": _join(s, (3, 2, 5), "-").translate(FULL)}[w]
    return Written("business_registration", text, w)


CARD_PREFIXES = ("4", "4", "51", "52", "53", "54", "55", "9410", "9420", "9490", "6250", "356")


def _card(r: random.Random) -> Written:
    if r.random() < 0.13:
        body = r.choice(("34", "37")) + _digits(r, 12)
        s = body + str(corpus.luhn_check(_ds(body)))
        if r.random() < MASKED_SHARE:
            return Written("credit_card", s[:4] + "-******-*" + s[11:], "masked", True)
        return Written("credit_card", _join(s, (4, 6, 5), r.choice(("-", " "))), "amex")
    p = r.choice(CARD_PREFIXES)
    body = p + _digits(r, 15 - len(p))
    s = body + str(corpus.luhn_check(_ds(body)))
    if r.random() < MASKED_SHARE:
        text = s[:4] + "-" + s[4:6] + "**-****-" + s[12:] if r.random() < 0.6 else s[:4] + "-****-****-" + s[12:]
        return Written("credit_card", text, "masked", True)
    w = r.choices(("hyphen", "spaced", "plain", "fullwidth"), (6, 2, 2, 1))[0]
    text = {"hyphen": _join(s, (4,) * 4, "-"), "spaced": _join(s, (4,) * 4, " "), "plain": s,
            "fullwidth": _join(s, (4,) * 4, "-").translate(FULL)}[w]
    return Written("credit_card", text, w)


# Banks and the shapes of their personal accounts.
ACCOUNT_SHAPES = {
    "국민": ((6, 2, 6),), "KB국민은행": ((6, 2, 6),), "신한": ((3, 3, 6),), "신한은행": ((3, 3, 6),),
    "우리": ((4, 3, 6),), "우리은행": ((4, 3, 6),), "하나": ((3, 6, 5),), "NH농협": ((3, 4, 4, 2),),
    "농협": ((3, 4, 4, 2), (6, 2, 6)), "IBK기업": ((3, 6, 2, 3),), "카카오뱅크": ((4, 2, 7),),
    "토스뱅크": ((4, 4, 4),), "우체국": ((6, 2, 6),), "새마을금고": ((4, 2, 6, 1),), "케이뱅크": ((3, 3, 6),),
    "SC제일": ((3, 2, 6),), "부산은행": ((3, 4, 4, 2),), "대구은행": ((3, 2, 6, 1),), "수협": ((3, 2, 6),),
}
ACCOUNT_LEADS = {"카카오뱅크": "3333", "토스뱅크": "1000", "신한": "110", "신한은행": "110", "우리": "1002",
                 "우리은행": "1002", "케이뱅크": "100", "새마을금고": "9003", "NH농협": "302", "농협": "352"}


def _account_digits(r: random.Random, bank: str) -> tuple[str, tuple]:
    shape = r.choice(ACCOUNT_SHAPES[bank])
    total = sum(shape)
    lead = ACCOUNT_LEADS.get(bank, "") if shape[0] <= 4 or bank == "농협" else ""
    if lead and len(lead) > shape[0] and shape != (6, 2, 6):
        lead = ""
    return lead + _digits(r, total - len(lead)), shape


def _account(r: random.Random, bank: str) -> Written:
    s, shape = _account_digits(r, bank)
    if r.random() < MASKED_SHARE:
        parts = _join(s, shape, "-").split("-")
        parts[1] = "*" * len(parts[1])
        return Written("bank_account", "-".join(parts), "masked", True, bank)
    w = r.choices(("hyphen", "plain", "fullwidth"), (7, 3, 1))[0]
    text = {"hyphen": _join(s, shape, "-"), "plain": s, "fullwidth": _join(s, shape, "-").translate(FULL)}[w]
    return Written("bank_account", text, w, False, bank)


AREA_CODES = ("02", "031", "032", "033", "041", "042", "043", "051", "052", "053", "054", "055",
              "061", "062", "063", "064")


def _phone(r: random.Random) -> Written:
    roll = r.random()
    if roll < 0.14:
        area = r.choice(AREA_CODES)
        mid = str(r.randrange(2, 10)) + _digits(r, r.choice((2, 3)))
        last = _digits(r, 4)
        if r.random() < 0.25:
            return Written("phone", f"({area}) {mid}-{last}", "bracket_area")
        return Written("phone", f"{area}-{mid}-{last}", "landline")
    if roll < 0.2:
        return Written("phone", f"050{r.choice('2345678')}-{_digits(r, 4)}-{_digits(r, 4)}", "safe_050")
    if roll < 0.24:
        return Written("phone", f"070-{r.randrange(2, 10)}{_digits(r, 3)}-{_digits(r, 4)}", "voip_070")
    pre = r.choices(("010", "011", "016", "019"), (30, 1, 1, 1))[0]
    mid = str(r.randrange(2, 10)) + _digits(r, 3)
    last = _digits(r, 4)
    if r.random() < MASKED_SHARE:
        text = r.choice((f"{pre}-****-{last}", f"{pre}-{mid[:2]}**-{last}", f"{pre}-{mid}-****",
                         f"{pre}****{last}"))
        return Written("phone", text, "masked", True)
    w = r.choices(("hyphen", "plain", "dot", "spaced", "intl", "fullwidth", "hangul"),
                  (10, 4, 2, 2, 2, 1, 1))[0]
    if w == "intl":
        text = r.choice((f"+82 {pre[1:]}-{mid}-{last}", f"+82-{pre[1:]}-{mid}-{last}", f"+82{pre[1:]}{mid}{last}",
                         f"+82 (0){pre[1:]} {mid} {last}"))
    elif w == "hangul":
        text = r.choice(("-", " ")).join("".join(HANGUL_DIGITS[int(c)] for c in p) for p in (pre, mid, last))
    else:
        text = {"hyphen": f"{pre}-{mid}-{last}", "plain": pre + mid + last, "dot": f"{pre}.{mid}.{last}",
                "spaced": f"{pre} {mid} {last}", "fullwidth": f"{pre}-{mid}-{last}".translate(FULL)}[w]
    return Written("phone", text, w)


def _email(r: random.Random) -> Written:
    given, sur = r.choice(ROMAN_GIVEN), r.choice(ROMAN_SUR)
    local = r.choice((f"{given}.{sur}", f"{sur}{given}", f"{given}{r.randrange(70, 100)}", f"{sur}_{given[:3]}",
                      f"{given[0]}{sur}{r.randrange(1, 999)}", f"{given}{sur}{r.randrange(1980, 2010)}"))
    domain = r.choice(MAIL_DOMAINS)
    if r.random() < MASKED_SHARE:
        return Written("email", local[:2] + "*" * max(3, len(local) - 2) + "@" + domain, "masked", True)
    w = r.choices(("plain", "capital", "at_word"), (12, 1, 1))[0]
    text = {"plain": f"{local}@{domain}", "capital": f"{local.capitalize()}@{domain.upper()}",
            "at_word": f"{local}(at){domain}"}[w]
    return Written("email", text, w)


LICENCE_REGIONS = {"서울": 11, "부산": 12, "경기": 13, "강원": 14, "충북": 15, "충남": 16, "전북": 17,
                   "전남": 18, "경북": 19, "경남": 20, "제주": 21, "대구": 22, "인천": 23, "광주": 24,
                   "대전": 25, "울산": 26}


def _licence(r: random.Random) -> Written:
    region = r.choice(tuple(LICENCE_REGIONS))
    year, serial, tail = f"{r.randrange(0, 100):02d}", _digits(r, 6), _digits(r, 2)
    if r.random() < MASKED_SHARE:
        return Written("driver_license", f"{LICENCE_REGIONS[region]}-{year}-{serial[:2]}****-{tail}", "masked", True)
    w = r.choices(("hyphen", "region_name", "plain", "fullwidth"), (5, 4, 1, 1))[0]
    text = {"hyphen": f"{LICENCE_REGIONS[region]}-{year}-{serial}-{tail}",
            "region_name": f"{region} {year}-{serial}-{tail}",
            "plain": f"{LICENCE_REGIONS[region]}{year}{serial}{tail}",
            "fullwidth": f"{LICENCE_REGIONS[region]}-{year}-{serial}-{tail}".translate(FULL)}[w]
    return Written("driver_license", text, w)


MONTHS_EN = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")


def _birth(r: random.Random, young: bool = False) -> Written:
    y, m, d = corpus.random_date(r, 2008, 2021) if young else corpus.random_date(r, 1936, 2007)
    w = r.choices(("dot", "dot_spaced", "iso", "korean", "korean_short", "compact", "yymmdd", "slash", "english"),
                  (5, 2, 3, 4, 2, 2, 2, 1, 1))[0]
    text = {"dot": f"{y}.{m:02d}.{d:02d}", "dot_spaced": f"{y}. {m}. {d}.", "iso": f"{y}-{m:02d}-{d:02d}",
            "korean": f"{y}년 {m}월 {d}일", "korean_short": f"{y % 100:02d}년 {m}월 {d}일",
            "compact": f"{y}{m:02d}{d:02d}", "yymmdd": f"{y % 100:02d}{m:02d}{d:02d}", "slash": f"{y}/{m:02d}/{d:02d}",
            "english": f"{d:02d} {MONTHS_EN[m - 1]} {y}"}[w]
    return Written("birth_date", text, w)


def _passport(r: random.Random) -> Written:
    lead = r.choice("MMMMSRDG")
    if r.random() < MASKED_SHARE:
        return Written("passport", f"{lead}{_digits(r, 3)}****{_digits(r, 1)}", "masked", True)
    w = r.choices(("old", "new", "foreign"), (4, 3, 1))[0]
    if w == "new":
        text = f"{lead}{_digits(r, 3)}{r.choice('ABCDEFGHJK')}{_digits(r, 4)}"
    elif w == "foreign":
        text = r.choice((f"E{_digits(r, 8)}", f"C{_digits(r, 7)}", f"P{_digits(r, 7)}A", f"N{_digits(r, 7)}",
                         f"{r.choice('GK')}{_digits(r, 8)}"))
    else:
        text = f"{lead}{_digits(r, 8)}"
    return Written("passport", text, w)


def make_value(r: random.Random, kind: str, young: bool = False) -> Written:
    if kind == "resident":
        return _resident(r, False)
    if kind == "foreigner_registration":
        return _resident(r, True)
    if kind == "business_registration":
        return _business(r)
    if kind == "credit_card":
        return _card(r)
    if kind == "bank_account":
        return _account(r, r.choice(tuple(ACCOUNT_SHAPES)))
    if kind == "phone":
        return _phone(r)
    if kind == "email":
        return _email(r)
    if kind == "driver_license":
        return _licence(r)
    if kind == "birth_date":
        return _birth(r, young)
    return _passport(r)


def _ocr(r: random.Random, w: Written) -> Written:
    """A value as a scanner read it: some digits as letters (never on a masked value)."""
    if w.masked or w.kind in ("email",) or not any(c in SCANNED for c in w.text):
        return w
    text = _scanned(r, w.text)
    return Written(w.kind, text, _rewritten(w, text, "scanned"), w.masked)


def _widen(w: Written) -> Written:
    if w.kind == "email" or w.masked:
        return w
    text = w.text.translate(FULL)
    return Written(w.kind, text, _rewritten(w, text, "fullwidth"), w.masked)


def _rewritten(w: Written, text: str, writing: str) -> str:
    """The way of writing after a change of text; a post-2020 resident number stays one."""
    return w.writing if text == w.text or w.writing == "post2020" else writing


# --------------------------------------------------------------------------- look-alikes

def _ean(r: random.Random) -> str:
    body = "880" + _digits(r, 9)
    return body + str(corpus.isbn_check(_ds(body)))


def _isbn(r: random.Random) -> str:
    body = "97911" + _digits(r, 7)
    s = body + str(corpus.isbn_check(_ds(body)))
    return f"{s[:3]}-{s[3:5]}-{s[5:9]}-{s[9:12]}-{s[12]}"


def _org_account(r: random.Random) -> tuple[str, str]:
    bank = r.choice(tuple(ACCOUNT_SHAPES))
    s, shape = _account_digits(r, bank)
    return bank, _join(s, shape, "-")


def _date_not_birth(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2026, 2027)
    return r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}", f"{y}년 {m}월 {d}일", f"{m}/{d}",
                     f"{y}. {m}. {d}.", f"{m}월 {d}일"))


def _amount(r: random.Random) -> str:
    n = r.randrange(1, 400) * r.choice((1000, 5000, 10000, 500))
    return r.choice((f"{n:,}원", f"{n:,}", f"₩{n:,}", f"{n // 10000}만원" if n >= 10000 else f"{n:,}원"))


def _main_phone(r: random.Random) -> str:
    area = r.choice(AREA_CODES)
    return f"{area}-{r.randrange(2, 10)}{_digits(r, 3)}-{r.choice(('0000', '1000', '1114', '2000', '7000', _digits(r, 2) + '00'))}"


NEGATIVES = {
    "order_number": (("주문번호", "공구 주문번호", "Order No."),
                     lambda r: r.choice((f"2026{_digits(r, 12)}", f"ORD-2026{_digits(r, 4)}-{_digits(r, 5)}",
                                         f"{_digits(r, 8)}-{_digits(r, 7)}"))),
    "tracking_number": (("운송장번호", "송장번호", "택배 송장"),
                        lambda r: r.choice((_digits(r, 12), f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}",
                                            f"{_digits(r, 4)} {_digits(r, 4)} {_digits(r, 4)}"))),
    "tax_invoice_number": (("세금계산서 승인번호", "전자세금계산서 번호"),
                           lambda r: f"2026{_digits(r, 4)}-{r.choice(('41', '42', '10'))}{_digits(r, 6)}-{_digits(r, 8)}"),
    "receipt_number": (("영수증번호", "접수증 번호", "Receipt"), lambda r: f"R{_digits(r, 2)}-{_digits(r, 4)}-{_digits(r, 6)}"),
    "reference_number": (("접수번호", "신청번호", "문서번호"),
                         lambda r: r.choice((f"제2026-{_digits(r, 5)}호", f"2026-{_digits(r, 6)}", f"A{_digits(r, 10)}"))),
    "model_number": (("모델명", "모델", "Model"),
                     lambda r: r.choice(("BFX-7000", "HC-S890K", "CW-3120M", "DR-5500N", "LG-F700S", "SM-S928N",
                                         "WM-21KR", "BM-M27")) + r.choice(("", "", "2", "R"))),
    "serial_number": (("제조번호", "S/N", "시리얼번호"),
                      lambda r: r.choice((f"{_digits(r, 2)}A{_digits(r, 8)}", f"SN{_digits(r, 10)}",
                                          f"{_digits(r, 4)}-{_digits(r, 6)}-{_digits(r, 3)}"))),
    "event_date": (("일시", "행사일", "예정일", "방문일"), _date_not_birth),
    "issue_date": (("신청일", "작성일", "발급일"), _date_not_birth),
    "amount": (("금액", "회비", "결제금액", "보증료"), _amount),
    "postcode": (("우편번호", "우)"), lambda r: f"{r.randrange(1, 64):02d}{_digits(r, 3)}"),
    "office_main_phone": (("대표번호", "대표전화", "사무실"), _main_phone),
    "call_centre": (("고객센터", "콜센터", "ARS"),
                    lambda r: f"{r.choice(('1588', '1577', '1644', '1666', '1599', '1899', '1544'))}-{_digits(r, 4)}"),
    "office_fax": (("팩스", "FAX", "Fax"), _main_phone),
    "extension": (("내선", "내선번호", "ext."), lambda r: _digits(r, r.choice((3, 4)))),
    "company_account": (("법인계좌", "입금계좌(법인)", "관리비 납부계좌"), _org_account),
    "church_account": (("헌금계좌", "교회 계좌", "성당 교무금 계좌"), _org_account),
    "association_account": (("회비 계좌(동창회)", "협회 계좌", "재단 후원계좌"), _org_account),
    "virtual_account": (("가상계좌", "전용 가상계좌", "납부용 가상계좌"),
                        lambda r: (r.choice(("기업", "국민", "신한", "우리")), f"{r.choice(('562', '270', '799', '910'))}{_digits(r, 11)}")),
    "shared_mailbox": (("문의 메일", "대표메일", "접수 메일"),
                       lambda r: f"{r.choice(SHARED_BOXES)}@{r.choice(ORG_DOMAINS)}"),
    "card_approval_number": (("승인번호", "카드승인번호"), lambda r: _digits(r, 8)),
    "booking_number": (("예약번호", "Booking No."), lambda r: f"{r.choice(('BK', 'RV', 'YC', 'PG'))}{_digits(r, 8)}"),
    "member_number": (("회원번호", "멤버십 번호", "Member No."), lambda r: f"{r.choice('MKT')}{_digits(r, 8)}"),
    "bib_number": (("배번", "참가번호"), lambda r: str(r.randrange(1, 3000))),
    "seat_number": (("좌석", "좌석번호"), lambda r: f"{r.choice('ABCDE')}{r.randrange(1, 40)}"),
    "unit_address": (("동호수", "세대"), lambda r: f"{r.randrange(101, 115)}동 {r.randrange(1, 25)}{r.randrange(1, 6):02d}호"),
    "timestamp": (("접수시각", "처리시각", "ts"),
                  lambda r: f"2026-{r.randrange(1, 13):02d}-{r.randrange(1, 29):02d} {r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}"),
    "voyage_code": (("운항편", "항차"), lambda r: f"{r.choice(('SW', 'HD', 'JJ'))}{_digits(r, 4)}-{r.randrange(1, 9)}"),
    "barcode": (("바코드", "상품코드"), _ean),
    "isbn": (("ISBN",), _isbn),
    "case_number": (("사건번호",), lambda r: f"2026{r.choice(('가단', '타경', '카단', '가소'))}{_digits(r, 5)}"),
    "ip_address": (("접속IP", "ip"), lambda r: f"{r.choice(('10', '172', '192', '211', '121'))}.{r.randrange(256)}.{r.randrange(256)}.{r.randrange(1, 255)}"),
    "version": (("앱 버전", "app_ver"), lambda r: f"{r.randrange(1, 9)}.{r.randrange(0, 30)}.{r.randrange(0, 99)}"),
    "request_id": (("요청ID", "request_id"), lambda r: "".join(r.choice("0123456789abcdef") for _ in range(16))),
    "coupon_code": (("쿠폰번호", "상품권 번호"),
                    lambda r: "-".join("".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(4)) for _ in range(3))),
    "vin": (("차대번호", "VIN"), lambda r: "KM" + r.choice("HJ") + "".join(r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(8)) + _digits(r, 6)),
    "otp_code": (("인증번호", "확인코드"), lambda r: _digits(r, 6)),
    "locker_number": (("보관함", "사물함 번호"), lambda r: f"{r.choice('ABC')}-{r.randrange(1, 60):02d}"),
    "plot_number": (("구획번호", "분양 구획"), lambda r: f"{r.choice('가나다라')}-{r.randrange(1, 80)}"),
    "body_weight": (("체중", "투석 후 체중", "몸무게"), lambda r: f"{r.randrange(2, 95)}.{r.randrange(10)}kg"),
    "height": (("신장", "키"), lambda r: f"{r.randrange(110, 190)}{r.choice(('cm', '.5cm', ' cm'))}"),
    "mail_order_permit": (("통신판매업신고", "통신판매업 신고번호"), lambda r: f"제2026-{r.choice(('서울강남', '경기성남', '부산해운대'))}-{_digits(r, 4)}호"),
    "public_hotline": (("국번없이", "상담전화"), lambda r: r.choice(("1339", "1350", "129", "1577-0199", "110", "1899-9988"))),
    "ticket_number": (("승선권 번호", "티켓번호"), lambda r: f"T{_digits(r, 12)}"),
    "transaction_id": (("거래번호", "거래ID"), lambda r: f"TX{_digits(r, 14)}"),
    "vehicle_count": (("차량 대수", "인원"), lambda r: f"{r.randrange(1, 40)}명"),
    "room_number": (("호실", "병실", "방"), lambda r: f"{r.randrange(1, 12)}{r.randrange(0, 3)}{r.randrange(1, 10)}호"),
    "year_range": (("재학기간", "기간"), lambda r: f"{r.randrange(1975, 2015)}~{r.randrange(2016, 2027)}"),
}
# Written by the text-message layout itself, after every message's body.
NEGATIVE_CATEGORIES = tuple(NEGATIVES) + ("opt_out_number",)
# An organisation's own numbers: written once per document, never once per row of a roster.
ORGANISATION_NUMBERS = {"office_main_phone", "call_centre", "office_fax", "extension", "company_account",
                        "church_account", "association_account", "shared_mailbox", "public_hotline",
                        "mail_order_permit"}


# --------------------------------------------------------------------------- genres

# A person's field: kind, labels (Korean, English), chance of appearing.
KIND_LABELS = {
    "resident": (("주민등록번호", "주민번호", "주민등록번호(앞7자리 포함)"), ("RRN", "resident_no")),
    "foreigner_registration": (("외국인등록번호", "외국인 등록번호", "등록번호(외국인)"), ("ARC No.", "alien_reg_no")),
    "business_registration": (("사업자등록번호", "사업자번호", "사업자 등록번호"), ("BRN", "biz_no")),
    "credit_card": (("카드번호", "결제카드", "신용카드번호"), ("Card No.", "card_no")),
    "bank_account": (("계좌번호", "환불계좌", "입금계좌", "본인 계좌"), ("Account", "account_no")),
    "phone": (("연락처", "휴대폰", "핸드폰 번호", "H.P", "전화"), ("Phone", "mobile", "tel")),
    "email": (("이메일", "메일", "E-mail", "전자우편"), ("Email", "email")),
    "driver_license": (("운전면허번호", "면허번호", "운전면허증 번호"), ("Driver's licence", "license_no")),
    "birth_date": (("생년월일", "생일", "출생일"), ("Date of birth", "dob")),
    "passport": (("여권번호", "여권 번호"), ("Passport No.", "passport_no")),
}


@dataclass(frozen=True)
class Slot:
    kind: str
    labels: tuple = ()      # Korean labels for this genre; the kind's own when empty
    chance: float = 1.0
    young: bool = False     # a child's birth date


@dataclass(frozen=True)
class Genre:
    name: str
    titles: tuple
    slots: tuple            # one person's values
    negatives: tuple        # (category, labels or ()) look-alikes of the organisation or the matter
    lines: tuple            # sentences of the genre
    layouts: tuple
    roster: bool = False    # tables list several people


S = Slot

GENRES = (
    Genre("study_sheet_teacher", ("학습지 방문교사 주간 방문 일정", "○○학습 방문 스케줄표", "눈높이 방문수업 일정 안내"),
          (S("phone", ("학부모 연락처", "어머님 휴대폰", "보호자 H.P")), S("birth_date", ("학생 생년월일",), 0.6, True),
           S("bank_account", ("교재비 자동이체 계좌",), 0.5), S("email", ("학부모 메일",), 0.4),
           S("phone", ("교사 휴대폰", "담당 선생님 연락처"), 0.35)),
          (("event_date", ("방문일",)), ("amount", ("월 회비",)), ("call_centre", ()), ("member_number", ("회원번호",)),
           ("office_main_phone", ("지국 대표번호",))),
          ("이번 주 화요일 방문은 학생 감기로 목요일로 옮겼습니다.", "교재는 방문 당일 직접 전달드립니다.",
           "진도표는 다음 방문 때 같이 봐요.", "수업 시간 변경은 하루 전까지 문자 주세요."),
          ("form", "sms", "table", "chat", "prose", "kv"), True),
    Genre("taekwondo_enrolment", ("태권도 입관 원서", "한마음태권도 신규 관원 등록", "도장 입관신청서"),
          (S("birth_date", ("관원 생년월일", "생년월일"), 1.0, True), S("resident", ("관원 주민번호",), 0.4),
           S("phone", ("부 연락처", "모 연락처", "보호자 연락처")), S("phone", ("비상연락처",), 0.3),
           S("credit_card", ("수련비 결제카드",), 0.4), S("email", (), 0.3)),
          (("member_number", ("관원번호",)), ("amount", ("월 수련비", "입관비")), ("office_main_phone", ("도장 전화",)),
           ("event_date", ("입관일",)), ("height", ()), ("body_weight", ())),
          ("차량 운행은 아파트 정문 앞에서 승하차합니다.", "도복 사이즈는 130으로 주문했습니다.",
           "알레르기나 지병이 있으면 꼭 적어 주세요.", "승급 심사는 분기마다 있습니다."),
          ("form", "fullwidth", "ocr", "table", "chat"), True),
    Genre("art_academy_enrolment", ("미술학원 수강 등록카드", "입시미술 상담 기록", "아동미술 등록 신청"),
          (S("birth_date", ("학생 생일",), 0.7, True), S("phone", ("학부모 연락처", "학생 연락처")),
           S("email", ("포트폴리오 받을 메일",), 0.5), S("bank_account", ("환불계좌",), 0.3),
           S("credit_card", ("결제카드",), 0.3)),
          (("amount", ("재료비", "수강료")), ("office_main_phone", ("학원 대표번호",)), ("receipt_number", ()),
           ("event_date", ("상담일",)), ("shared_mailbox", ("학원 메일",))),
          ("주 2회 수채화반으로 시작하기로 했습니다.", "재료는 학원에서 일괄 구매합니다.",
           "입시반은 상담 후 반 배정됩니다.", "결석 시 보강은 토요일 오전에 가능합니다."),
          ("form", "email", "prose", "bilingual", "kv")),
    Genre("group_buy_orders", ("[맘카페] 유기농 귤 공동구매 주문 취합", "공구 주문자 명단", "김장김치 공동구매 입금 확인"),
          (S("phone", ("연락처", "받는분 연락처", "폰")), S("bank_account", ("입금자 계좌", "환불받을 계좌"), 0.5),
           S("email", (), 0.2)),
          (("order_number", ()), ("amount", ("입금액",)), ("association_account", ("공구 입금계좌(총무)",)),
           ("tracking_number", ()), ("postcode", ()), ("unit_address", ("동호수",)), ("barcode", ("상품 바코드",))),
          ("입금 마감은 금요일 밤 10시입니다.", "수량 변경은 댓글 말고 쪽지로 부탁드려요.",
           "박스 훼손 시 사진 찍어서 올려 주세요.", "배송은 다음 주 화요일 일괄 출고 예정입니다."),
          ("table", "chat", "form", "prose"), True),
    Genre("residents_rep_candidacy", ("동대표 후보자 등록 신청서", "제7기 동별 대표자 선출 후보 등록", "동대표 입후보 서류"),
          (S("resident", ("주민등록번호",)), S("phone", ("후보자 연락처", "휴대전화")), S("email", (), 0.5),
           S("birth_date", ("생년월일",), 0.4)),
          (("unit_address", ("동호수",)), ("event_date", ("선거일", "등록 마감일")), ("office_main_phone", ("관리사무소",)),
           ("reference_number", ("접수번호",)), ("vehicle_count", ("추천인 수",)),
           ("office_fax", ("관리사무소 팩스",))),
          ("후보자는 해당 동에 6개월 이상 거주해야 합니다.", "범죄경력 조회 동의서를 함께 제출합니다.",
           "공약은 A4 한 장 이내로 작성해 주세요."),
          ("form", "ocr", "fullwidth", "prose")),
    Genre("residents_council_minutes", ("입주자대표회의 정기회의 회의록", "입대의 임시회의 결과", "제12차 입주자대표회의 회의록"),
          (S("phone", ("회장 연락처", "감사 연락처", "민원인 연락처")), S("business_registration", ("업체 사업자번호", "낙찰업체 사업자등록번호")),
           S("phone", ("업체 담당 직통",), 0.5), S("email", ("업체 담당 메일",), 0.4)),
          (("amount", ("낙찰금액", "장기수선충당금")), ("company_account", ("관리비 납부계좌",)), ("event_date", ("회의일",)),
           ("office_main_phone", ("관리사무소",)), ("case_number", ()), ("year_range", ("계약기간",))),
          ("안건 1: 승강기 교체 공사 업체 선정 건, 찬성 7 반대 1로 가결.", "안건 2: 지하주차장 LED 교체는 다음 회의로 보류.",
           "민원 사항은 관리소장이 다음 회의에서 보고하기로 함.", "회의록은 게시판과 앱에 공고한다."),
          ("prose", "form", "email")),
    Genre("elevator_booking", ("이사 엘리베이터 사용 신청", "승강기 사용 예약서(이사/인테리어)", "엘리베이터 전용 사용 신청"),
          (S("phone", ("신청인 연락처", "입주자 연락처")), S("phone", ("이삿짐센터 기사님", "업체 연락처"), 0.4),
           S("business_registration", ("이사업체 사업자번호",), 0.5), S("bank_account", ("보증금 반환계좌",), 0.4)),
          (("unit_address", ("동호수",)), ("event_date", ("사용일",)), ("amount", ("사용료", "보호비")),
           ("office_main_phone", ("관리사무소",)), ("company_account", ("관리비 계좌",))),
          ("사용 시간은 오전 9시부터 오후 5시까지입니다.", "보양재 설치는 업체에서 해 주셔야 합니다.",
           "같은 날 다른 세대 예약이 있어 오후로 배정했습니다."),
          ("form", "sms", "chat", "kv", "table")),
    Genre("visitor_car_registration", ("방문차량 사전등록", "방문 차량 등록 요청", "세대 방문차량 신청"),
          (S("phone", ("방문자 연락처", "세대주 연락처")), S("driver_license", ("운전자 면허번호",), 0.8),
           S("phone", ("운전자 연락처",), 0.3)),
          (("unit_address", ("방문 세대",)), ("event_date", ("방문 예정일",)), ("timestamp", ()), ("request_id", ()),
           ("call_centre", ()), ("vehicle_count", ("방문 인원",))),
          ("차량 번호는 정확히 입력해야 출입이 됩니다.", "1일 최대 24시간까지 무료입니다.",
           "등록 후 차단기가 자동으로 열립니다."),
          ("kv", "sms", "json", "form", "chat")),
    Genre("parcel_locker_signup", ("무인택배함 이용 등록", "스마트 택배보관함 가입", "택배함 사용자 등록"),
          (S("phone", ("휴대폰 번호",)), S("email", (), 0.5), S("foreigner_registration", ("외국인등록번호",), 0.2),
           S("birth_date", (), 0.4)),
          (("locker_number", ()), ("otp_code", ()), ("tracking_number", ()), ("unit_address", ()),
           ("call_centre", ()), ("timestamp", ()), ("version", ())),
          ("보관 후 48시간이 지나면 경비실로 이동합니다.", "인증번호는 문자로 발송됩니다.",
           "냉장 보관함은 동 입구 왼편에 있습니다."),
          ("kv", "sms", "json", "form", "chat")),
    Genre("weekend_farm_allotment", ("주말농장 분양 신청서", "도시텃밭 분양 추첨 결과", "주말농장 구획 배정 안내"),
          (S("phone", ("신청자 연락처",)), S("birth_date", ("신청자 생년월일",), 0.6),
           S("bank_account", ("환급 계좌",), 0.4), S("foreigner_registration", ("외국인등록번호",), 0.2),
           S("email", (), 0.3)),
          (("plot_number", ()), ("amount", ("분양료",)), ("virtual_account", ()), ("event_date", ("개장일",)),
           ("office_main_phone", ("농업기술센터",)), ("reference_number", ())),
          ("농약과 제초제는 사용할 수 없습니다.", "퇴비는 농장 입구에서 무료로 가져가세요.",
           "추첨은 구청 홈페이지에 공개합니다."),
          ("table", "sms", "form", "prose", "bilingual"), True),
    Genre("medical_record_copy", ("진료기록 사본 발급 신청서", "의무기록 사본 발급 위임장", "진료기록 열람·사본 신청"),
          (S("resident", ("환자 주민등록번호", "환자 주민번호")), S("resident", ("대리인 주민등록번호",), 0.6),
           S("phone", ("대리인 연락처", "환자 연락처")), S("birth_date", ("환자 생년월일",), 0.4),
           S("email", ("사본 받을 메일",), 0.3)),
          (("reference_number", ()), ("amount", ("발급 수수료",)), ("office_main_phone", ("의무기록실",)),
           ("extension", ()), ("event_date", ("진료기간 시작",)), ("issue_date", ()), ("room_number", ("병실",)),
           ("office_fax", ("의무기록실 팩스",))),
          ("환자 본인의 자필 서명 위임장과 신분증 사본을 첨부합니다.", "영상 CD는 별도 신청이 필요합니다.",
           "관계: 자녀(장남)", "사본은 창구에서 본인 확인 후 교부합니다."),
          ("form", "ocr", "fullwidth", "email")),
    Genre("dementia_centre", ("치매안심센터 등록 신청서", "치매 조기검진 대상자 등록", "쉼터 프로그램 이용 신청"),
          (S("resident", ("대상자 주민번호",)), S("phone", ("보호자 연락처", "주보호자 휴대폰")),
           S("phone", ("대상자 자택 전화",), 0.35), S("birth_date", ("대상자 생년월일",), 0.5),
           S("bank_account", ("치료비 지원 입금계좌",), 0.3)),
          (("office_main_phone", ("센터 대표번호",)), ("public_hotline", ("치매상담콜센터",)), ("event_date", ("검진일",)),
           ("reference_number", ("등록번호",)), ("body_weight", ())),
          ("MMSE 선별검사 결과 추가 진단검사 대상입니다.", "배회 가능 어르신 인식표를 신청했습니다.",
           "쉼터 프로그램은 주 3회 오전입니다."),
          ("form", "prose", "table", "ocr")),
    Genre("dialysis_schedule", ("혈액투석실 주간 스케줄", "투석 환자 시간표", "인공신장실 일정 변경 안내"),
          (S("birth_date", ("생년월일",)), S("phone", ("환자 연락처", "보호자 연락처")),
           S("foreigner_registration", ("외국인등록번호",), 0.2), S("resident", ("주민번호",), 0.3)),
          (("body_weight", ("투석 전 체중", "건체중")), ("room_number", ("투석실",)), ("event_date", ("변경일",)),
           ("office_main_phone", ("인공신장실",)), ("extension", ()), ("timestamp", ())),
          ("월수금 오전 1부, 화목토 오후 2부로 운영합니다.", "연휴에는 하루 당겨서 투석합니다.",
           "셔틀버스는 투석 끝나는 시간에 맞춰 출발합니다."),
          ("table", "sms", "form", "chat", "kv"), True),
    Genre("data_access_request", ("개인정보 열람 청구서", "개인정보 열람·정정 요구", "Personal data access request"),
          (S("email", ("회원 ID(이메일)", "가입 이메일")), S("phone", ("본인 휴대폰",)), S("birth_date", (), 0.6),
           S("passport", ("본인확인 여권번호",), 0.3), S("driver_license", ("신분증(운전면허) 번호",), 0.3)),
          (("reference_number", ("청구번호",)), ("shared_mailbox", ("개인정보보호 담당 메일",)), ("issue_date", ()),
           ("call_centre", ()), ("request_id", ())),
          ("수집 항목, 이용 목적, 제3자 제공 내역을 열람하고자 합니다.", "회신은 10일 이내에 서면으로 부탁드립니다.",
           "본인 확인을 위해 신분증 사본을 첨부합니다."),
          ("form", "email", "bilingual", "json")),
    Genre("account_deletion", ("회원 탈퇴 요청", "계정 삭제 요청서", "탈퇴 처리 로그"),
          (S("email", ("가입 이메일", "계정")), S("phone", ("가입 휴대폰",)), S("bank_account", ("잔여 포인트 환급 계좌",), 0.4),
           S("credit_card", ("등록 카드",), 0.3), S("foreigner_registration", (), 0.15)),
          (("member_number", ()), ("request_id", ()), ("timestamp", ()), ("ip_address", ()), ("version", ()),
           ("shared_mailbox", ()), ("amount", ("잔여 포인트",))),
          ("탈퇴 후 30일간 재가입이 제한됩니다.", "거래 기록은 전자상거래법에 따라 5년간 보관됩니다.",
           "탈퇴 사유: 서비스 이용 빈도 낮음"),
          ("kv", "sms", "json", "email", "chat")),
    Genre("auto_debit_change", ("자동이체 변경 신청서", "CMS 출금계좌 변경", "납부방법 변경 신청"),
          (S("bank_account", ("변경 후 출금계좌", "새 출금계좌")), S("bank_account", ("기존 출금계좌",), 0.6),
           S("birth_date", ("예금주 생년월일",)), S("phone", ("연락처",)), S("credit_card", ("카드 자동납부 카드번호",), 0.3),
           S("business_registration", ("사업자번호(법인 예금주)",), 0.3)),
          (("member_number", ("고객번호",)), ("amount", ("월 납부액",)), ("call_centre", ()), ("issue_date", ()),
           ("office_fax", ("서류 접수 팩스",)),
           ("company_account", ("수납 계좌",))),
          ("변경은 다음 달 출금분부터 적용됩니다.", "예금주가 다르면 예금주 동의서가 필요합니다.",
           "출금일은 매월 25일입니다."),
          ("form", "sms", "ocr", "kv", "fullwidth")),
    Genre("jeonse_guarantee", ("전세보증금 반환보증 신청서", "전세보증 가입 상담 메모", "반환보증 신청 서류 체크"),
          (S("resident", ("임차인 주민등록번호",)), S("foreigner_registration", ("임차인 외국인등록번호",), 0.25),
           S("phone", ("임차인 연락처", "임대인 연락처")), S("bank_account", ("보증금 입금계좌(임대인)",), 0.5),
           S("email", (), 0.3), S("business_registration", ("중개사무소 사업자번호",), 0.5)),
          (("amount", ("전세보증금", "보증료")), ("case_number", ()), ("office_main_phone", ("지사 대표번호",)),
           ("call_centre", ()), ("event_date", ("계약 만료일",)), ("postcode", ()), ("reference_number", ()),
           ("office_fax", ())),
          ("전입신고와 확정일자를 먼저 받아야 합니다.", "선순위 채권은 주택가격의 60% 이내여야 합니다.",
           "등기부등본은 신청일 기준 1개월 이내 발급분입니다."),
          ("form", "prose", "email", "chat")),
    Genre("resident_register_mandate", ("주민등록표 등본 발급 위임장", "등·초본 교부 위임장", "위임장(주민등록 등본)"),
          (S("resident", ("위임자 주민등록번호",)), S("resident", ("수임자 주민등록번호",)),
           S("phone", ("위임자 연락처", "수임자 연락처")), S("foreigner_registration", (), 0.15)),
          (("issue_date", ("위임일",)), ("amount", ("수수료",)), ("postcode", ()), ("reference_number", ())),
          ("위임자와 수임자의 관계: 모자", "위임자 신분증 사본과 수임자 신분증을 지참합니다.",
           "과거 주소 변동사항 포함으로 발급합니다."),
          ("form", "ocr", "fullwidth")),
    Genre("triathlon_entry", ("철인3종 대회 참가 신청", "트라이애슬론 엔트리 리스트", "Triathlon entry form"),
          (S("birth_date", ("생년월일", "DOB")), S("phone", ("연락처", "비상연락처")), S("email", ()),
           S("passport", ("여권번호(해외 선수)",), 0.3), S("credit_card", ("참가비 결제카드",), 0.3)),
          (("bib_number", ()), ("amount", ("참가비",)), ("event_date", ("대회일",)), ("booking_number", ()),
           ("shared_mailbox", ()), ("body_weight", ())),
          ("수영 1.5km, 사이클 40km, 달리기 10km 올림픽 코스입니다.", "웻슈트 착용은 수온에 따라 결정합니다.",
           "칩 반납은 결승 후 바로 해 주세요."),
          ("table", "sms", "bilingual", "form", "json"), True),
    Genre("climbing_waiver", ("클라이밍짐 이용 동의서", "볼더링 첫 방문 면책 동의", "Climbing gym waiver"),
          (S("phone", ("연락처", "비상연락처")), S("birth_date", ()), S("email", (), 0.5),
           S("passport", ("Passport",), 0.2), S("foreigner_registration", (), 0.15)),
          (("member_number", ()), ("amount", ("일일 이용료", "10회권")), ("locker_number", ()), ("issue_date", ()),
           ("office_main_phone", ())),
          ("추락 위험을 충분히 안내받았으며 안전수칙을 지키겠습니다.", "암벽화는 대여 가능합니다.",
           "미성년자는 보호자 동의가 필요합니다."),
          ("form", "bilingual", "kv", "table")),
    Genre("paragliding_booking", ("패러글라이딩 체험 예약", "텐덤비행 예약 확인", "활공장 탑승자 명단"),
          (S("phone", ("예약자 연락처",)), S("birth_date", ("탑승자 생년월일",)), S("resident", ("보험 가입용 주민번호",), 0.4),
           S("passport", (), 0.15), S("bank_account", ("환불계좌",), 0.3)),
          (("booking_number", ()), ("amount", ("체험비",)), ("event_date", ("탑승일",)), ("body_weight", ()),
           ("company_account", ("예약금 입금계좌",)), ("office_main_phone", ())),
          ("기상 악화 시 전액 환불 또는 일정 변경이 가능합니다.", "체중 100kg 이상은 탑승이 어렵습니다.",
           "촬영 영상은 당일 USB로 드립니다."),
          ("chat", "sms", "form", "table", "kv"), True),
    Genre("ferry_passenger_list", ("여객선 승선 신고서", "섬 여객선 승선 명부", "Ferry passenger list"),
          (S("birth_date", ("생년월일",)), S("phone", ("연락처",)), S("passport", ("여권번호",), 0.25),
           S("foreigner_registration", (), 0.15)),
          (("ticket_number", ()), ("voyage_code", ()), ("seat_number", ()), ("event_date", ("출항일",)),
           ("call_centre", ()), ("amount", ("운임",))),
          ("승선 시 신분증을 꼭 지참해 주세요.", "기상 특보 시 결항될 수 있습니다.",
           "출항 20분 전까지 매표소에서 승선권을 받으세요."),
          ("table", "sms", "form", "bilingual", "ocr"), True),
    Genre("car_ferry_loading", ("차량 선적 신청서", "카페리 차량 적재 명단", "차량 도선 신청"),
          (S("driver_license", ("운전자 면허번호", "면허번호")), S("phone", ("운전자 연락처",)),
           S("birth_date", ("운전자 생년월일",), 0.5), S("business_registration", ("화물차주 사업자번호",), 0.3)),
          (("ticket_number", ()), ("vin", ()), ("voyage_code", ()), ("amount", ("차량 운임",)), ("event_date", ()),
           ("office_main_phone", ("터미널",))),
          ("차량은 출항 1시간 전까지 선적 대기선에 정차합니다.", "차량 운전자 외 동승자는 여객 터미널로 승선합니다.",
           "캠핑카와 화물차는 별도 요금입니다."),
          ("table", "form", "kv"), True),
    Genre("yacht_charter", ("요트 대여 계약서", "요트 투어 예약 명단", "Yacht charter agreement"),
          (S("phone", ("예약자 연락처",)), S("passport", ("여권번호",), 0.4), S("birth_date", (), 0.5),
           S("credit_card", ("보증 카드",), 0.4), S("email", (), 0.5), S("driver_license", ("선장 신분 확인(면허)",), 0.2)),
          (("booking_number", ()), ("amount", ("대여료",)), ("event_date", ("출항일",)), ("company_account", ()),
           ("shared_mailbox", ()), ("tax_invoice_number", ())),
          ("선셋 투어는 90분 코스입니다.", "구명조끼 착용은 필수입니다.", "음식 반입은 가능하나 주류는 제한됩니다."),
          ("bilingual", "email", "form", "chat")),
    Genre("camper_van_rental", ("캠핑카 대여 계약서", "캠핑카 예약 확인서", "Campervan rental"),
          (S("driver_license", ("운전면허번호",)), S("birth_date", ("운전자 생년월일",)), S("phone", ()),
           S("credit_card", ("보증금 카드",), 0.5), S("resident", (), 0.3), S("driver_license", ("제2운전자 면허번호",), 0.3)),
          (("booking_number", ()), ("amount", ("대여료", "보증금")), ("vin", ()), ("event_date", ("인수일", "반납일")),
           ("office_main_phone", ()), ("serial_number", ())),
          ("인수 시 외관 사진을 함께 찍어 둡니다.", "오수 탱크는 비워서 반납해 주세요.",
           "1종 보통 면허 이상이어야 운전할 수 있습니다."),
          ("form", "ocr", "bilingual", "email")),
    Genre("massage_chair_rental", ("안마의자 렌탈 계약서", "안마의자 렌탈 신청서", "렌탈 계약 확인 문자"),
          (S("resident", ("계약자 주민번호",), 0.6), S("birth_date", ("계약자 생년월일",), 0.4),
           S("phone", ()), S("bank_account", ("자동이체 계좌",)), S("credit_card", (), 0.3)),
          (("model_number", ()), ("serial_number", ()), ("amount", ("월 렌탈료",)), ("call_centre", ()),
           ("event_date", ("설치일",)), ("year_range", ("약정기간",))),
          ("의무사용기간은 60개월입니다.", "설치 기사님이 방문 전에 연락드립니다.", "중도 해지 시 위약금이 발생합니다."),
          ("form", "sms", "chat", "fullwidth", "kv")),
    Genre("appliance_pickup", ("폐가전 무상 방문수거 신청", "대형 가전 수거 예약", "폐가전 수거 접수 확인"),
          (S("phone", ("신청인 연락처", "연락처")), S("phone", ("보조 연락처",), 0.15), S("email", (), 0.4),
           S("bank_account", ("수거 보상금 입금계좌",), 0.3)),
          (("reference_number", ()), ("model_number", ()), ("unit_address", ()), ("postcode", ()), ("event_date", ("수거일",)),
           ("public_hotline", ())),
          ("냉장고 내부는 비워 두셔야 합니다.", "엘리베이터가 없으면 2층까지만 수거합니다.",
           "소형 가전은 5개 이상일 때만 단독 수거합니다."),
          ("form", "sms", "chat", "kv")),
    Genre("first_birthday_rsvp", ("돌잔치 참석 여부 회신", "첫돌 초대 RSVP", "돌잔치 하객 명단"),
          (S("phone", ("연락처",)), S("bank_account", ("마음 전하실 곳",), 0.6), S("birth_date", ("아기 생일",), 0.5, True),
           S("email", ("모바일 초대장 받을 메일",), 0.3)),
          (("event_date", ("일시",)), ("vehicle_count", ("참석 인원",)), ("office_main_phone", ("연회장",)),
           ("amount", ("식대",)), ("postcode", ())),
          ("주차는 2시간 무료입니다.", "아이들 식사는 따로 준비되어 있습니다.", "참석 여부를 이번 주 안에 알려 주세요."),
          ("chat", "sms", "table", "prose"), True),
    Genre("alumni_year_end_dues", ("동창회 송년회 회비 납부 현황", "OO고 37회 송년회 안내", "동기 모임 회비 정리"),
          (S("phone", ("연락처",)), S("bank_account", ("총무 개인계좌", "환급 계좌"), 0.5), S("email", (), 0.3)),
          (("association_account", ()), ("amount", ("회비",)), ("event_date", ("송년회",)), ("year_range", ()),
           ("office_main_phone", ("식당",))),
          ("회비는 1인 5만원이고 배우자 동반은 8만원입니다.", "불참하셔도 연회비는 꼭 부탁드립니다.",
           "장소는 작년과 같은 곳입니다."),
          ("table", "chat", "email", "prose"), True),
    Genre("church_retreat", ("청년부 여름 수련회 신청서", "교회 수련회 참가자 명단", "중고등부 수련회 동의서"),
          (S("birth_date", ("생년월일",), 1.0, True), S("phone", ("본인 연락처", "부모님 연락처")),
           S("resident", ("여행자보험 가입용 주민번호",), 0.4), S("email", (), 0.2)),
          (("church_account", ()), ("amount", ("회비",)), ("event_date", ("출발일",)), ("office_main_phone", ("교회 사무실",)),
           ("room_number", ("숙소 방",))),
          ("개인 성경과 세면도구를 챙겨 주세요.", "버스는 교회 앞에서 아침 7시에 출발합니다.",
           "회비는 교회 계좌로 보내 주세요."),
          ("table", "form", "chat"), True),
    Genre("first_communion", ("첫영성체 교리반 신청서", "어린이 첫영성체 준비반 명단", "첫영성체 교리 신청"),
          (S("birth_date", ("어린이 생년월일", "생일"), 1.0, True), S("phone", ("부모 연락처",)),
           S("email", (), 0.3)),
          (("church_account", ()), ("event_date", ("세례일", "첫영성체 예정일")), ("amount", ("교재비",)),
           ("office_main_phone", ("본당 사무실",)), ("reference_number", ("교적번호",))),
          ("교리는 매주 토요일 오후 2시 교육관에서 합니다.", "세례명과 세례일을 꼭 적어 주세요.",
           "결석이 3회를 넘으면 다음 반으로 옮깁니다."),
          ("form", "table", "prose"), True),
    Genre("military_visit", ("부대 면회 신청서", "면회 신청 (국군 장병)", "외박·면회 신청 명단"),
          (S("phone", ("면회객 연락처", "신청인 연락처")), S("birth_date", ("면회객 생년월일",)),
           S("resident", ("면회객 주민번호",), 0.4), S("driver_license", ("차량 출입 운전자 면허번호",), 0.3)),
          (("event_date", ("면회일",)), ("vehicle_count", ("면회 인원",)), ("office_main_phone", ("부대 행정반",)),
           ("reference_number", ()), ("room_number", ("면회실",))),
          ("면회객 전원 신분증을 지참해야 합니다.", "음식 반입은 가능하나 주류는 불가합니다.",
           "관계: 부모 / 형제"),
          ("form", "sms", "table", "chat", "ocr")),
    Genre("student_id_reissue", ("학생증 재발급 신청", "모바일 학생증 재발급 요청", "Student ID reissue"),
          (S("birth_date", ()), S("phone", ()), S("email", ("학교 외 메일",), 0.6), S("bank_account", ("체크카드 연결 계좌",), 0.4),
           S("foreigner_registration", ("외국인등록번호",), 0.2), S("passport", (), 0.15)),
          (("amount", ("재발급 수수료",)), ("issue_date", ()), ("office_main_phone", ("학생지원팀",)), ("extension", ()),
           ("shared_mailbox", ()), ("reference_number", ())),
          ("분실 신고 후 3일 이내에 재발급됩니다.", "사진은 6개월 이내 촬영한 것이어야 합니다.",
           "체크카드 겸용은 은행 영업점에서 수령합니다."),
          ("form", "email", "bilingual", "kv")),
    Genre("meal_allergy_survey", ("학교급식 알레르기 조사서", "식품 알레르기 유발 식품 조사", "급식 대체식 신청"),
          (S("birth_date", ("학생 생년월일",), 1.0, True), S("phone", ("보호자 연락처",)), S("email", (), 0.2)),
          (("issue_date", ()), ("office_main_phone", ("행정실",)), ("extension", ()), ("height", ())),
          ("알레르기 유발 식품: 난류(1), 우유(2), 땅콩(5)", "의사 소견서를 첨부하면 대체식을 제공합니다.",
           "급식 식단표에 알레르기 번호가 표시됩니다."),
          ("form", "table", "ocr"), True),
    Genre("sports_day_volunteers", ("운동회 학부모 자원봉사 신청", "체육대회 도우미 명단", "운동회 봉사 신청"),
          (S("phone", ("학부모 연락처",)), S("birth_date", ("봉사자 생년월일(보험)",), 0.6),
           S("email", ("학부모 메일",), 0.4), S("resident", ("봉사자 주민번호(상해보험)",), 0.3)),
          (("event_date", ("운동회",)), ("office_main_phone", ("교무실",)), ("vehicle_count", ("필요 인원",)), ("extension", ())),
          ("오전 8시 30분까지 운동장 본부석으로 와 주세요.", "점심은 학교에서 준비합니다.",
           "봉사 시간은 1365에 등록해 드립니다."),
          ("table", "chat", "form"), True),
    Genre("graduation_album_order", ("졸업앨범 주문서", "졸업앨범 추가 주문 명단", "졸업앨범 택배 발송 요청"),
          (S("phone", ("받는 분 연락처", "연락처")), S("bank_account", ("환불계좌",), 0.3), S("email", (), 0.3),
           S("credit_card", (), 0.2)),
          (("order_number", ()), ("tracking_number", ()), ("amount", ("앨범 대금",)), ("postcode", ()),
           ("isbn", ()), ("company_account", ("스튜디오 입금계좌",)), ("mail_order_permit", ()), ("barcode", ())),
          ("졸업앨범은 졸업식 당일 교실에서 배부합니다.", "추가 주문은 권당 금액이 다릅니다.",
           "택배 발송은 착불입니다."),
          ("table", "sms", "form", "chat"), True),
    Genre("sweepstake_winners", ("경품 당첨자 개인정보 수집", "이벤트 당첨자 제세공과금 안내", "경품 수령 정보 입력"),
          (S("resident", ("주민등록번호(제세공과금 신고용)",)), S("phone", ("휴대폰",)), S("bank_account", ("제세공과금 환급 계좌",), 0.4),
           S("email", (), 0.5), S("foreigner_registration", (), 0.15), S("passport", (), 0.1)),
          (("amount", ("제세공과금", "경품가액")), ("virtual_account", ()), ("coupon_code", ()), ("event_date", ("발표일",)),
           ("shared_mailbox", ()), ("call_centre", ()), ("transaction_id", ())),
          ("경품가액 5만원 초과 시 제세공과금 22%가 부과됩니다.", "기한 내 미입력 시 당첨이 취소됩니다.",
           "수집한 정보는 경품 발송 후 즉시 파기합니다."),
          ("form", "sms", "email", "kv", "json")),
    Genre("hospital_parking_discount", ("병원 주차 할인 등록", "주차 할인 요청 (외래·면회)", "주차정산 감면 신청"),
          (S("phone", ("연락처",)), S("birth_date", ("환자 생년월일",), 0.7),
           S("credit_card", ("정산 카드",), 0.4)),
          (("room_number", ("입원 병실",)), ("amount", ("할인 금액",)), ("timestamp", ()), ("event_date", ()),
           ("office_main_phone", ("원무과",)), ("card_approval_number", ())),
          ("외래 진료 시 2시간 무료입니다.", "입원 환자 보호자는 1대에 한해 정기권이 가능합니다.",
           "진료 영수증을 정산기에 스캔해 주세요."),
          ("kv", "sms", "form", "chat")),
    Genre("condolence_ledger", ("부의금 정리 (친구가 대신 받은 것)", "조의금 장부", "부조 명단 정리"),
          (S("phone", ("연락처",), 0.7), S("bank_account", ("계좌 부조 보낸 계좌", "보낸 계좌"), 0.7)),
          (("amount", ("부의금",)), ("event_date", ("발인",)), ("room_number", ("빈소",)), ("office_main_phone", ("장례식장",)),
           ("card_approval_number", ())),
          ("상주 대신 접수대에서 받은 봉투를 정리했습니다.", "답례 문자는 삼우제 지나고 보내기로 했어.",
           "이름이 안 적힌 봉투가 두 개 있었어."),
          ("table", "chat", "prose"), True),
    Genre("milk_delivery", ("우유·요구르트 배달 신청서", "유제품 가정배달 신청", "배달 우유 해지 요청"),
          (S("phone", ("신청자 연락처",)), S("bank_account", ("자동이체 계좌",), 0.6), S("birth_date", ("예금주 생년월일",), 0.5),
           S("credit_card", ("카드 자동결제",), 0.3)),
          (("unit_address", ("배달 주소(동호수)",)), ("amount", ("월 대금",)), ("event_date", ("배달 시작일",)),
           ("office_main_phone", ("대리점",)), ("member_number", ("고객번호",)), ("year_range", ("약정기간",))),
          ("새벽 5시 전에 현관 앞 보냉백에 넣어 드립니다.", "여행 등으로 배달 중지는 이틀 전까지 말씀해 주세요.",
           "약정기간 안에 해지하면 사은품 금액을 돌려주셔야 합니다."),
          ("form", "sms", "chat", "ocr")),
    Genre("assistive_device_rental", ("보조기기 대여 신청서", "전동휠체어 대여 신청", "보조기기센터 대여 연장"),
          (S("resident", ("대상자 주민등록번호",)), S("phone", ("대상자 연락처", "보호자 연락처")),
           S("birth_date", ("대상자 생년월일",), 0.4), S("bank_account", ("보증금 환급 계좌",), 0.4)),
          (("serial_number", ("기기 관리번호",)), ("model_number", ()), ("event_date", ("반납 예정일",)),
           ("office_main_phone", ("보조기기센터",)), ("amount", ("보증금",)), ("reference_number", ()), ("office_fax", ())),
          ("대여 기간은 3개월이고 한 번 연장할 수 있습니다.", "장애인 등록 여부와 관계없이 신청할 수 있습니다.",
           "기기 고장은 센터에서 무상 수리합니다."),
          ("form", "ocr", "table", "prose")),
    Genre("kids_cafe_party", ("키즈카페 생일파티 예약", "생일파티룸 예약 확인", "키즈카페 단체 예약"),
          (S("phone", ("예약자 연락처",)), S("birth_date", ("생일 아이 생년월일",), 0.7, True),
           S("credit_card", ("예약금 결제카드",), 0.4), S("bank_account", ("환불계좌",), 0.3), S("email", (), 0.3)),
          (("booking_number", ()), ("amount", ("예약금", "1인 입장료")), ("vehicle_count", ("아이 인원",)),
           ("event_date", ("파티일",)), ("room_number", ("파티룸",)), ("company_account", ("예약금 입금계좌",))),
          ("케이크는 외부 반입이 가능합니다.", "보호자 1인은 무료 입장입니다.", "파티 시간은 2시간이고 30분 연장됩니다."),
          ("chat", "sms", "form", "kv")),
    Genre("study_cafe_pass", ("스터디카페 정기권 등록", "독서실 좌석 정기 이용 신청", "스터디카페 회원 가입"),
          (S("phone", ("휴대폰",)), S("birth_date", (), 0.6, True), S("phone", ("학부모 연락처",), 0.5),
           S("credit_card", (), 0.3), S("email", (), 0.3)),
          (("seat_number", ()), ("locker_number", ()), ("amount", ("4주 정기권",)), ("otp_code", ("입장 비밀번호",)),
           ("timestamp", ("입실",)), ("call_centre", ())),
          ("퇴실 시 QR을 꼭 찍어 주세요.", "정기권은 일시정지가 한 번 가능합니다.", "음식물 반입은 라운지에서만 가능합니다."),
          ("kv", "json", "sms", "form")),
    Genre("dog_park_registration", ("반려견 놀이터 이용 등록", "반려견 쉼터 회원 등록", "반려견 놀이터 출입 등록"),
          (S("phone", ("보호자 연락처",)), S("birth_date", ("보호자 생년월일",), 0.4), S("email", (), 0.3)),
          (("reference_number", ("동물등록번호",)), ("issue_date", ("광견병 접종일",)), ("body_weight", ("반려견 체중",)),
           ("office_main_phone", ("공원관리사무소",)), ("member_number", ())),
          ("대형견과 소형견 구역이 나뉘어 있습니다.", "배변 봉투는 입구에 비치되어 있습니다.",
           "동물등록과 광견병 접종을 마친 개만 들어올 수 있습니다."),
          ("form", "table", "chat"), True),
    Genre("gas_holder_change", ("도시가스 명의변경 신청서", "도시가스 사용자 변경 및 자동이체 신청", "전입 세대 가스 개통 요청"),
          (S("resident", ("새 사용자 주민번호",), 0.5), S("birth_date", ("사용자 생년월일",), 0.6), S("phone", ("연락처",)),
           S("bank_account", ("자동이체 계좌",), 0.5), S("foreigner_registration", ("외국인등록번호",), 0.2),
           S("business_registration", ("상가 사업자번호",), 0.2)),
          (("member_number", ("고객번호",)), ("serial_number", ("계량기 번호",)), ("amount", ("미납 요금",)),
           ("call_centre", ()), ("virtual_account", ()), ("event_date", ("전입일",)), ("postcode", ())),
          ("이전 사용자 요금은 전출일 기준으로 정산합니다.", "개통 방문 시 성인이 집에 계셔야 합니다.",
           "명의변경은 임대차계약서 사본이 필요합니다."),
          ("form", "sms", "fullwidth", "kv")),
    Genre("lost_pet_flyer", ("강아지를 찾습니다", "고양이를 찾습니다 (사례금 있음)", "실종 반려견 전단"),
          (S("phone", ("연락처", "보호자 연락처", "연락 주실 곳")), S("phone", ("보조 연락처",), 0.3), S("email", (), 0.2),
           S("bank_account", ("사례금 관련 문의 계좌",), 0.1)),
          (("reference_number", ("동물등록번호",)), ("amount", ("사례금",)), ("event_date", ("잃어버린 날",)),
           ("body_weight", ("몸무게",)), ("public_hotline", ("유기동물 신고",))),
          ("하얀 말티즈, 빨간 목줄을 하고 있어요.", "겁이 많아서 부르면 도망갈 수 있어요.", "사진을 찍어 문자로 보내 주세요."),
          ("prose", "chat", "form")),
    Genre("school_carpool", ("등하원 카풀 명단", "초등 방과후 카풀 순번표", "학원 등하원 카풀 정리"),
          (S("phone", ("엄마 연락처", "아빠 연락처", "운전 담당 연락처")), S("driver_license", ("운전자 면허번호",), 0.5),
           S("birth_date", ("아이 생일",), 0.3, True)),
          (("unit_address", ("픽업 동호수",)), ("event_date", ("담당 주간",)), ("vehicle_count", ("탑승 인원",))),
          ("카시트는 각자 챙겨 주세요.", "비 오는 날은 지하주차장에서 타요.", "학원 끝나는 시간이 바뀌면 단톡에 올려 주세요."),
          ("table", "chat", "form"), True),
    Genre("toy_library", ("장난감도서관 회원 가입", "장난감 대여 연체 안내", "육아종합지원센터 장난감 대여"),
          (S("phone", ("보호자 휴대폰",)), S("birth_date", ("아동 생년월일",), 1.0, True), S("email", (), 0.3),
           S("bank_account", ("연회비 환불 계좌",), 0.3), S("foreigner_registration", ("보호자 외국인등록번호",), 0.2)),
          (("member_number", ()), ("barcode", ("장난감 바코드",)), ("event_date", ("반납 예정일",)), ("amount", ("연회비",)),
           ("office_main_phone", ("센터",)), ("virtual_account", ())),
          ("대여 기간은 2주이고 한 번 연장할 수 있습니다.", "부품이 빠지면 같은 부품으로 변상합니다.",
           "소독 후 깨끗한 상태로 반납해 주세요."),
          ("form", "sms", "table", "kv"), True),
    Genre("senior_centre_outing", ("경로당 봄 나들이 명단", "노인회 효도관광 참가자 명단", "경로당 단체 여행 보험 가입 명단"),
          (S("resident", ("주민등록번호(여행자보험)", "주민번호")), S("phone", ("자녀 연락처", "본인 연락처")),
           S("birth_date", ("생년월일",), 0.4)),
          (("amount", ("회비",)), ("event_date", ("출발일",)), ("seat_number", ("버스 좌석",)), ("office_main_phone", ("관광버스 회사",)),
           ("association_account", ("노인회 계좌",))),
          ("아침 7시 경로당 앞에서 출발합니다.", "드시는 약은 꼭 챙기세요.", "점심은 버섯전골입니다."),
          ("table", "form", "ocr"), True),
    Genre("mobile_wedding_invitation", ("모바일 청첩장", "저희 결혼합니다", "결혼식 안내 (모바일 초대장)"),
          (S("bank_account", ("신랑측 마음 전하실 곳", "신부측 마음 전하실 곳", "신랑 아버지 계좌", "신부 어머니 계좌")),
           S("bank_account", ("신부측 계좌",), 0.7), S("phone", ("신랑에게 연락하기", "신부에게 연락하기"), 0.8),
           S("phone", ("혼주 연락처",), 0.4)),
          (("event_date", ("예식일",)), ("office_main_phone", ("예식장",)), ("postcode", ()), ("amount", ("주차 요금",)),
           ("timestamp", ())),
          ("참석이 어려우신 분들을 위해 계좌번호를 기재하였습니다.", "지하 2층 주차장을 이용해 주세요.",
           "화환은 정중히 사양합니다."),
          ("form", "prose", "sms")),
    Genre("bicycle_registration", ("자전거 등록 신청서", "자전거 도난 방지 등록", "자전거 등록증 재발급"),
          (S("phone", ("소유자 연락처",)), S("birth_date", ("소유자 생년월일",), 0.7), S("email", (), 0.3),
           S("resident", ("소유자 주민번호",), 0.2)),
          (("serial_number", ("차대번호(프레임)",)), ("model_number", ()), ("reference_number", ("등록번호",)), ("issue_date", ()),
           ("office_main_phone", ("구청 교통행정과",)), ("extension", ())),
          ("프레임 번호 사진을 함께 제출합니다.", "분실 신고는 경찰서와 구청 모두 해야 합니다.",
           "등록 스티커는 안장 아래 프레임에 붙입니다."),
          ("form", "kv", "ocr", "bilingual")),
)
GENRE_NAMES = tuple(g.name for g in GENRES)

# Business genres whose people are sole traders: a slot that adds a business number to some.
_BUSINESS_EXTRA = {"group_buy_orders", "elevator_booking", "appliance_pickup", "graduation_album_order",
                   "sweepstake_winners", "account_deletion", "yacht_charter", "car_ferry_loading",
                   "massage_chair_rental", "paragliding_booking", "weekend_farm_allotment", "triathlon_entry"}


# --------------------------------------------------------------------------- writing

def _new_page(genre: str) -> _Writer:
    """A document being written: text appended, values and look-alikes recorded at exact offsets."""
    return _Writer(genre, PART)


@dataclass
class _Item:
    """One field to write: a value or a look-alike, with its label."""
    label: str
    en: str
    value: Written | None = None
    category: str = ""
    text: str = ""
    bank: str = ""


def _person_items(r: random.Random, g: Genre) -> list[_Item]:
    items = []
    for slot in g.slots:
        if r.random() >= slot.chance:
            continue
        ko, en = KIND_LABELS[slot.kind]
        label = r.choice(slot.labels or ko)
        items.append(_Item(label, r.choice(en), make_value(r, slot.kind, slot.young)))
    if g.name in _BUSINESS_EXTRA and r.random() < 0.25:
        ko, en = KIND_LABELS["business_registration"]
        items.append(_Item(r.choice(("사업자번호(개인사업자)", "사업자등록번호", "상호 사업자번호")), r.choice(en),
                           make_value(r, "business_registration")))
    # Rarer kinds reach a person in most genres too.
    extra = r.random()
    if extra < 0.12:
        items.append(_Item(r.choice(("신분증 확인(여권)", "여권번호")), "passport_no", make_value(r, "passport")))
    elif extra < 0.23:
        items.append(_Item(r.choice(("신분증 확인(운전면허)", "운전면허번호")), "license_no", make_value(r, "driver_license")))
    elif extra < 0.33:
        items.append(_Item(r.choice(("외국인등록번호", "등록번호(외국인)")), "arc_no", make_value(r, "foreigner_registration")))
    elif extra < 0.44:
        items.append(_Item(r.choice(("결제 카드", "카드번호")), "card_no", make_value(r, "credit_card")))
    elif extra < 0.52:
        items.append(_Item(r.choice(("사업자등록번호", "사업자번호")), "biz_no", make_value(r, "business_registration")))
    return items


def _negative_items(r: random.Random, g: Genre, count: int) -> list[_Item]:
    picks = r.sample(g.negatives, min(count, len(g.negatives)))
    items = []
    for category, labels in picks:
        label = r.choice(labels or NEGATIVES[category][0])
        bank, text = _negative_text(r, category)
        items.append(_Item(label, category, category=category, text=text, bank=bank))
    return items


def _negative_text(r: random.Random, category: str) -> tuple[str, str]:
    """A look-alike of the category, and the bank it is with when it is an account."""
    made = NEGATIVES[category][1](r)
    return made if isinstance(made, tuple) else ("", made)


ORG_HOLDERS = ("(예금주: 한마음태권도)", "(예금주 ㈜온누리렌탈)", "(예금주: 새빛교회)", "(예금주 청솔동창회)",
               "(예금주: 햇살마을 입주자대표회의)", "(재단법인 늘품)", "")


def _before(r: random.Random, item: _Item) -> str:
    """What people write right before a value: the bank before an account."""
    bank = item.value.bank if item.value else item.bank
    if not bank:
        return ""
    short = bank in ("국민", "신한", "우리", "하나", "농협", "기업")
    return bank + r.choice((" ", " ", "/", "은행 ") if short else (" ", " ", "/", ": "))


def _after(r: random.Random, item: _Item) -> str:
    if item.value and item.value.kind == "bank_account":
        return r.choice(("", "", f" (예금주 {_person(r)})", " 본인명의"))
    if item.category in ("company_account", "church_account", "association_account"):
        return " " + r.choice(ORG_HOLDERS) if r.random() < 0.6 else ""
    return ""


def _put(page: _Writer, item: _Item, situation: str, frame: str, label_text: str | None = None) -> None:
    if item.value is not None:
        page.value(item.value, situation, item.label if label_text is None else label_text, frame)
    else:
        page.negative(item.category, item.text, frame)


def _title(r: random.Random, g: Genre) -> str:
    return r.choice(g.titles)


def _transform(r: random.Random, items: list[_Item], how: str) -> None:
    """Values as a scanner read them, or values and look-alikes typed in full-width digits."""
    for it in items:
        if it.value is None:
            if how == "fullwidth" and it.category != "shared_mailbox" and r.random() < 0.7:
                it.text = it.text.translate(FULL)
        elif how == "ocr" and r.random() < 0.6:
            it.value = _ocr(r, it.value)
        elif how == "fullwidth" and r.random() < 0.7:
            it.value = _widen(it.value)


def _begin(r: random.Random, g: Genre) -> tuple[_Writer, list[_Item], list[_Item]]:
    """A new page of the genre, with one person's values and some look-alikes to write on it."""
    return _new_page(g.name), *_document_items(r, g)


def _document_items(r: random.Random, g: Genre) -> tuple[list[_Item], list[_Item]]:
    people = _person_items(r, g)
    if not people:
        kind = g.slots[0].kind
        ko, en = KIND_LABELS[kind]
        people = [_Item(r.choice(g.slots[0].labels or ko), en[0], make_value(r, kind, g.slots[0].young))]
    return people, _negative_items(r, g, r.randrange(2, 5))


PUNCTS = (": ", " : ", ":", "： ", " ", "\t", " - ", " = ")
BULLETS = ("", "", "- ", "· ", "■ ", "○ ", "* ", "▶ ")


def _form(r: random.Random, g: Genre, how: str = "form") -> Document:
    page, people, negs = _begin(r, g)
    _transform(r, people + negs, how)
    page.add(_title(r, g) + "\n")
    if r.random() < 0.6:
        page.add(r.choice(g.lines) + "\n")
    page.add(r.choice(("", "\n", "----------------\n", "================================\n")))
    items = people + negs
    r.shuffle(items)
    bullet = r.choice(BULLETS)
    punct = r.choice(PUNCTS)
    bracket = r.random() < 0.15
    if r.random() < 0.6:
        page.add(f"{bullet}{r.choice(('성명', '이름', '신청인'))}{punct}{_person(r)}\n")
    if r.random() < 0.3:
        page.add(f"{bullet}주소{punct}{r.choice(PLACES)} {r.choice(('중앙로', '문화로', '새말길', '호수공원로'))} "
                 f"{r.randrange(1, 300)}\n")
    for it in items:
        label = it.label
        if how == "ocr" and r.random() < 0.3 and len(label) > 2:
            cut = r.randrange(1, len(label))
            label = label[:cut] + " " + label[cut:]
        page.add(f"{bullet}[{label}] " if bracket else f"{bullet}{label}{punct}")
        page.add(_before(r, it))
        _put(page, it, "form_label", f"{how}:{'bracket' if bracket else 'punct'}")
        page.add(_after(r, it))
        page.add(r.choice(("\n", "\n", "\n", "  |\n" if how == "ocr" else "\n")))
    page.add(r.choice(("", "\n위 내용이 사실과 다름없음을 확인합니다.\n", f"\n{r.choice(g.lines)}\n",
                       f"\n신청인 {_person(r)} (서명)\n")))
    return page.document()


BILINGUAL_KO = {"phone": "연락처", "email": "이메일", "birth_date": "생년월일", "passport": "여권번호",
                "resident": "주민등록번호", "foreigner_registration": "외국인등록번호", "bank_account": "계좌번호",
                "credit_card": "카드번호", "driver_license": "운전면허번호", "business_registration": "사업자번호"}
BILINGUAL_EN = {"phone": ("Mobile", "Phone", "Contact No."), "email": ("E-mail", "Email"),
                "birth_date": ("Date of Birth", "DOB", "Birth"), "passport": ("Passport No.", "Passport"),
                "resident": ("Resident Reg. No.", "RRN"), "foreigner_registration": ("ARC No.", "Alien Reg. No."),
                "bank_account": ("Bank Account", "Account No."), "credit_card": ("Card No.", "Credit Card"),
                "driver_license": ("Driver License No.", "Licence No."), "business_registration": ("Business Reg. No.", "BRN")}


def _bilingual(r: random.Random, g: Genre) -> Document:
    page, people, negs = _begin(r, g)
    page.add(f"{_title(r, g)} / {r.choice(('Application Form', 'Registration', 'Information Sheet', 'Entry Form'))}\n")
    page.add(f"성명 Name: {_person(r)} ({r.choice(ROMAN_SUR).upper()} {r.choice(ROMAN_GIVEN).upper()})\n")
    style = r.randrange(3)
    for it in people + negs:
        if it.value is not None:
            en = r.choice(BILINGUAL_EN[it.value.kind])
            ko = BILINGUAL_KO[it.value.kind] if r.random() < 0.5 else it.label
        else:
            en, ko = it.category.replace("_", " ").title(), it.label
        head = (f"{ko} {en}: ", f"{ko} ({en}) : ", f"{en} / {ko}\t")[style]
        page.add(head + _before(r, it))
        _put(page, it, "bilingual_label", f"bilingual:{style}")
        page.add("\n")
    page.add(r.choice(("Signature / 서명: ____\n", "I agree to the terms above. 위 내용에 동의합니다.\n", "")))
    return page.document()


KV_KEYS = {"phone": ("phone", "mobile", "tel", "hp", "contact"), "email": ("email", "mail", "user_email"),
           "birth_date": ("dob", "birth", "birthday"), "passport": ("passport_no", "pp_no"),
           "resident": ("rrn", "jumin_no", "resident_no"), "foreigner_registration": ("arc_no", "frn"),
           "bank_account": ("account_no", "refund_acct", "bank_acct"), "credit_card": ("card_no", "pan"),
           "driver_license": ("license_no", "dl_no"), "business_registration": ("biz_no", "brn")}


def _kv(r: random.Random, g: Genre) -> Document:
    page, people, negs = _begin(r, g)
    items = people + negs
    r.shuffle(items)
    one_line = r.random() < 0.5
    page.add(r.choice((f"# {_title(r, g)}\n", "")))
    y, m, d = corpus.random_date(r, 2026, 2026)
    page.add(f"2026-{m:02d}-{d:02d}T{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}+09:00 "
             f"{r.choice(('INFO', 'DEBUG', 'WARN'))} {g.name}.{r.choice(('submit', 'update', 'create', 'sync'))} ")
    quote = r.choice(("", '"'))
    for i, it in enumerate(items):
        key = r.choice(KV_KEYS[it.value.kind]) if it.value else r.choice((it.category, it.en, it.category.split("_")[0]))
        page.add(("" if i == 0 or not one_line else " ") + f"{key}={quote}")
        _put(page, it, "log_key", f"kv:{'line' if one_line else 'lines'}")
        page.add(quote + ("" if one_line else "\n"))
    page.add("\n")
    return page.document()


def _json(r: random.Random, g: Genre) -> Document:
    page, people, negs = _begin(r, g)
    items = people + negs
    indent = r.choice(("", "  "))
    sep = ",\n" + indent if indent else ", "
    page.add("{" + ("\n" + indent if indent else "") + f'"type": "{g.name}", "name": "{_person(r)}"')
    for it in items:
        key = r.choice(KV_KEYS[it.value.kind]) if it.value else it.category
        page.add(f'{sep}"{key}": "')
        _put(page, it, "json_key", "json")
        page.add('"')
    page.add(("\n" if indent else "") + "}\n")
    return page.document()


def _table(r: random.Random, g: Genre) -> Document:
    page = _new_page(g.name)
    rows = r.randrange(3, 8) if g.roster else r.randrange(1, 3)
    # Columns: a name, up to four of the genre's values, one or two look-alikes.
    kinds = []
    for slot in g.slots:
        # Some rosters keep no phone column.
        chance = 0.6 if slot.kind == "phone" else max(slot.chance, 0.5)
        if r.random() < chance and len(kinds) < 4:
            kinds.append(slot)
    if not kinds:
        kinds = [g.slots[0]]
    per_row = [n for n in g.negatives if n[0] not in ORGANISATION_NUMBERS]
    neg_cols = r.sample(per_row, min(len(per_row), r.randrange(1, 3)))
    heads = ["이름"] + [r.choice(s.labels or KIND_LABELS[s.kind][0]) for s in kinds] + \
            [r.choice(labels or NEGATIVES[c][0]) for c, labels in neg_cols]
    style = r.choice(("csv", "tsv", "pipe", "markdown"))
    sep = {"csv": ",", "tsv": "\t", "pipe": " | ", "markdown": " | "}[style]
    page.add(_title(r, g) + "\n\n")
    lead, tail = ("| ", " |") if style == "markdown" else ("", "")
    page.add(lead + sep.join(heads) + tail + "\n")
    if style == "markdown":
        page.add("|" + "|".join("---" for _ in heads) + "|\n")
    for _ in range(rows):
        page.add(lead + _person(r))
        for s, head in zip(kinds, heads[1:]):
            page.add(sep)
            if r.random() < 0.08:
                page.add("-")
                continue
            w = make_value(r, s.kind, s.young)
            if style == "csv" and "," in w.text:
                w = Written(w.kind, w.text.replace(",", ""), w.writing, w.masked)
            _put(page, _Item(head, "", w), "column", f"table:{style}")
        for (c, _), head in zip(neg_cols, heads[1 + len(kinds):]):
            page.add(sep)
            text = _negative_text(r, c)[1]
            if style == "csv":
                text = text.replace(",", "")
            page.negative(c, text, f"table:{style}")
        page.add(tail + "\n")
    page.add("\n")
    _, negs = _document_items(r, g)
    it = negs[0]
    page.add(f"※ {r.choice(g.lines)} {it.label} ")
    page.add(_before(r, it))
    _put(page, it, "", "table:footer")
    page.add("\n")
    return page.document()


# Sentences that carry a value in chats and notes, by kind; {v} is the value, {l} its label.
SAYINGS = {
    "phone": ("제 번호 {v} 이에요", "{t} {v}로 해 주세요", "연락은 {v} 로 주시면 됩니다", "{v} 여기로 문자 주세요",
              "번호 바뀌었어요 {v}", "혹시 안 받으면 {v}로 다시 걸어 주세요"),
    "email": ("메일은 {v} 로 보내 주세요", "{v} 이 주소로 부탁드려요", "{l}: {v}"),
    "bank_account": ("{b}{v} 으로 보내 주세요", "환불은 {b}{v}로 부탁드립니다", "{l} {b}{v} 입니다"),
    "birth_date": ("생년월일은 {v}입니다", "{l} {v}", "{v}생이에요", "{t} {v} 입니다"),
    "resident": ("주민번호 {v} 맞습니다", "{l} {v} 입니다", "주민번호 불러 드릴게요 {v}"),
    "foreigner_registration": ("외국인등록번호는 {v} 입니다", "{l} {v}", "등록증 번호 {v} 이에요"),
    "business_registration": ("사업자번호 {v} 로 발행해 주세요", "{t} {v}입니다", "계산서는 사업자 {v}로요"),
    "credit_card": ("카드 {v} 로 결제할게요", "{l} {v} 입니다", "카드번호 {v}, 유효기간은 따로 말씀드릴게요"),
    "driver_license": ("면허번호 {v} 입니다", "{l} {v}", "운전면허 {v} 로 등록해 주세요"),
    "passport": ("여권번호 {v} 입니다", "{l}: {v}", "passport {v} 예요"),
}
NEG_SAYINGS = ("{l} {v} 참고하세요", "{t} {v}입니다", "({l} {v})", "{l}: {v}", "{l} {v} 확인했습니다")


def _topic(label: str) -> str:
    """The label with its topic particle: 은 after a final consonant, 는 after a vowel."""
    last = label[-1]
    if "가" <= last <= "힣":
        return label + ("은" if (ord(last) - 0xAC00) % 28 else "는")
    return label + r"은(는)" if not last.isalnum() else label + ("은" if last.isdigit() else "는")


def _say(r: random.Random, page: _Page, it: _Item, frame: str) -> None:
    """Writes one sentence carrying the item, with the value at its exact place."""
    if it.value is not None:
        pattern = r.choice(SAYINGS[it.value.kind])
        situation = "prose_label" if "{l}" in pattern or "{t}" in pattern else "prose"
    else:
        pattern, situation = r.choice(NEG_SAYINGS), ""
    head, tail = pattern.split("{v}")
    bank = it.value.bank if it.value is not None and "{b}" in head else ""
    labelled = "{l}" in head or "{t}" in head
    head = head.replace("{t}", _topic(it.label)).replace("{l}", it.label).replace("{b}", bank + " " if bank else "")
    if it.value is None:
        head += _before(r, it)
    page.add(head)
    _put(page, it, situation, frame, it.label if labelled else "")
    page.add(tail)


def _chat(r: random.Random, g: Genre) -> Document:
    page, people, negs = _begin(r, g)
    items = people + negs
    r.shuffle(items)
    names = [_person(r)[1:] for _ in range(r.randrange(2, 4))]
    export = f"2026. {r.randrange(1, 13)}. {r.randrange(1, 29)}." if r.random() < 0.5 else ""
    hour, minute = r.randrange(8, 22), r.randrange(60)
    page.add(r.choice((f"{_title(r, g)} 단톡방\n", "카카오톡 대화\n", "")))
    lines = list(g.lines)
    for it in items:
        if r.random() < 0.4 and lines:
            page.add(_chat_head(r, names, export, hour, minute) + r.choice(lines) + "\n")
        minute += r.randrange(1, 6)
        if minute >= 60:
            hour, minute = (hour + 1) % 24, minute - 60
        page.add(_chat_head(r, names, export, hour, minute))
        _say(r, page, it, "chat")
        page.add(r.choice(("", "", " ㅎㅎ", "!", " 감사합니다", "~")) + "\n")
    page.add(_chat_head(r, names, export, hour, minute) + r.choice(("넵 확인했습니다", "감사합니다 🙏", "ㅇㅋ", "수고하세요")) + "\n")
    return page.document()


def _chat_head(r: random.Random, names: list, export: str, hour: int, minute: int) -> str:
    """A message's head: an exported chat's date line or a chat window's name and time."""
    name = r.choice(names)
    noon = "오전" if hour < 12 else "오후"
    h12 = hour % 12 or 12
    if export:
        return f"{export} {noon} {h12}:{minute:02d}, {name} : "
    return f"[{name}] [{noon} {h12}:{minute:02d}] "


def _email_doc(r: random.Random, g: Genre) -> Document:
    page, people, negs = _begin(r, g)
    sender = _person(r)
    page.add(f"제목: {_title(r, g)} 관련 문의드립니다\n")
    page.add(f"받는 사람: {r.choice(('담당자님', '담당 선생님', '사무국', '접수 담당자님'))}\n\n"
             f"안녕하세요, {sender}입니다.\n{r.choice(g.lines)}\n")
    body = people[:]
    r.shuffle(body)
    sig = [it for it in body if it.value and it.value.kind in ("phone", "email")][:1]
    for it in body:
        if it in sig:
            continue
        _say(r, page, it, "email")
        page.add("\n")
    for it in negs:
        _say(r, page, it, "email")
        page.add("\n")
    page.add(f"\n감사합니다.\n{sender} 드림\n")
    for it in sig:
        phone = it.value.kind == "phone"
        page.add(r.choice(("M. ", "Tel ", "☎ ", "HP ", "") if phone else ("E. ", "Email ", "✉ ", "")))
        _put(page, it, "signature", "email:signature")
        page.add("\n")
    return page.document()


def _prose(r: random.Random, g: Genre) -> Document:
    page, people, negs = _begin(r, g)
    items = people + negs
    r.shuffle(items)
    page.add(f"[{_title(r, g)}] ")
    page.add(f"{r.choice(('메모', '기록', '상담 메모', '처리 내역'))}: {_person(r)} 님 건. ")
    for it in items:
        if r.random() < 0.35:
            page.add(r.choice(g.lines) + " ")
        _say(r, page, it, "note")
        page.add(r.choice((". ", " ", ", ", ".\n")))
    page.add(r.choice(g.lines) + "\n")
    return page.document()


SMS_SENDERS = ("관리사무소", "센터", "접수처", "예약센터", "안내", "사무국")


def _sms(r: random.Random, g: Genre) -> Document:
    """A text message sent by the organisation, quoting what the person gave."""
    page, people, negs = _begin(r, g)
    contacts = [it for it in negs if it.category in ORGANISATION_NUMBERS]
    others = [it for it in negs if it not in contacts]
    title = _title(r, g)
    page.add(r.choice(("[Web발신]\n", "[Web발신]\n", "")))
    page.add(f"[{r.choice(SMS_SENDERS)}] {title}"
             f"{'' if title.endswith(('안내', '확인')) else ' ' + r.choice(('안내', '접수 완료', '변경 안내'))}\n")
    page.add(f"{_person(r)}님, {r.choice(g.lines)}\n")
    for it in people[:3] + others:
        page.add(r.choice(("▶", "-", "·", "")) + f"{it.label}: " + _before(r, it))
        _put(page, it, "sms_label", "sms")
        page.add("\n")
    for it in contacts:
        account = it.category.endswith("account")
        page.add(f"{r.choice(('입금은', '납부는') if account else ('문의', '변경·취소 문의', '자세한 사항은'))} {it.label} ")
        page.add(_before(r, it))
        _put(page, it, "", "sms:closing")
        page.add("\n")
    if r.random() < 0.5:
        page.add("무료수신거부 ")
        page.negative("opt_out_number", f"080-{_digits(r, 3)}-{_digits(r, 4)}", "sms:opt_out")
        page.add("\n")
    return page.document()


LAYOUTS = {"form": _form, "sms": _sms, "kv": _kv, "json": _json, "table": _table, "chat": _chat, "email": _email_doc,
           "prose": _prose, "bilingual": _bilingual,
           "ocr": lambda r, g: _form(r, g, "ocr"), "fullwidth": lambda r, g: _form(r, g, "fullwidth")}


def _one(seed: int, index: int) -> Document:
    r = random.Random(f"{PART}:{seed}:{index}")
    g = GENRES[r.randrange(len(GENRES))]
    layout = r.choice(g.layouts)
    return LAYOUTS[layout](r, g)


def generate(count: int = 400, seed: int = 1) -> list[Document]:
    """`count` labelled documents; the first n for any count are the same for a seed."""
    if count < 0:
        raise ValueError("count must be zero or more")
    return [_one(seed, i) for i in range(count)]
