"""The thirteenth blind part (`blind13`): labelled Korean documents of everyday life that the
other parts do not write, made apart from the rules and never tuned on. Its figures forecast how
masking does on writing nobody looked at while changing a rule.

    docs = labelled_blind13.generate(1500, seed=1)

Genres: wedding packages (studio, dress, make-up), sports-centre lockers, children's swimming
lessons, art and piano academies' monthly notes, hospital reminders by text, health check-up
bookings, new-apartment pre-inspections, resident-council elections, parking-fine appeals, accident
settlements between drivers, loss adjusters' notes, car-wash subscriptions, EV-charger installation
requests and purchase subsidies, internet and IPTV work orders, gas safety inspections, water-meter
transfers, rental-car damage claims, airport pick-ups, hotel front-desk logs, guesthouse bookings,
group-tour rosters, cruise manifests, tennis and badminton club dues, temple stays and retreats,
memorial-park contracts, adult tutoring, certificate-exam applications, language-test score
reports, interlibrary loans, transcript requests, lab-safety training rosters, blood-test results
by text, counselling intake, recovery-group contact lists, legal-aid intake, labour-attorney
consultations, small-claims complaints, noise-mediation requests, reserve-forces training
postponements, clothing alterations, clan rosters, foreign patients' intake and resort membership
transfers; as prose, forms, tables, key=value and JSON lines, chats, e-mails, text messages and OCR
scans, some in full-width digits or mixed with English.

Conventions:
- Values are whatever identifies or reaches a person: their own mobile, a 050x safe number (it
  rings a person too), a 070 number or a direct line given as someone's own, their e-mail, their
  account (a club treasurer's or a host's own account too), their card, registration, licence
  and passport numbers and birth dates; and every business registration number, whoever holds
  it. About a tenth are partly masked (010-****-5678, 880101-1******). Resident numbers of
  children born since October 2020 carry no check digit (writing "post2020"); every other number
  of a kind with a check digit carries a real one.
- Negatives are look-alikes that reach or name no person: an organisation's main, call-centre
  or fax number, a bare extension, an account held by a company, church, temple, clan or
  foundation, a virtual account for one bill, a shared office mailbox (help@, info@), and order,
  tracking, booking, contract, policy, case and meter numbers, model and serial numbers, dates
  that are not birth dates, amounts, postcodes and the like.
- Spans are exact in characters and UTF-8 bytes and never overlap. Documents depend only on the
  seed and their position: `generate(n, seed)` is a prefix of `generate(m, seed)` for n < m.
"""

from __future__ import annotations

import itertools
import random
import re
import zlib

import corpus
from labelled import Document, Negative, Value, check, summary  # noqa: F401 (summary: for callers)

PART = "blind13"
KINDS = corpus.KINDS
DEFAULT_COUNT = 1500
MASK_SHARE = 0.1

# --------------------------------------------------------------------------- word pools

FOREIGN_NAMES = ("NGUYEN VAN AN", "TRAN THI HOA", "PHAM MINH TUAN", "WANG WEI", "LI NA", "ZHANG YU",
                 "BATBAYAR GANBOLD", "SARA AHMED", "JOHN MILLER", "EMILY CLARK", "RAHMAN KARIM",
                 "SITI NURHALIZA", "MARIA SANTOS", "IVAN PETROV", "AKMAL RASHIDOV", "SUZUKI HARUTO")
ROMAN_GIVEN = corpus.ROMAN
ROMAN_SUR = corpus.ROMAN_SUR
MAIL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                "outlook.com", "icloud.com", "hotmail.com", "yonsei.ac.kr", "kaist.ac.kr")
# The domains of the organisations whose shared mailboxes a genre's paperwork gives.
GENRE_DOMAINS = {"wedding_package": ("haneulwedding.co.kr", "lumiere-wedding.com"),
                 "checkup_booking": ("greencheck.co.kr", "hanmaum-checkup.or.kr"),
                 "carwash_subscription": ("cleancar.kr",), "ev_charger": ("evplug.co.kr", "chargeon.kr"),
                 "rental_damage": ("jejurent.com", "hanarent.co.kr"), "airport_pickup": ("airpick.kr",),
                 "guesthouse_booking": ("moonlight-stay.kr",), "adult_tutoring": ("tutorlink.kr",)}
ORG_DOMAINS = tuple(d for ds in GENRE_DOMAINS.values() for d in ds)
MAILBOXES = ("help", "info", "cs", "contact", "reservation", "office", "admin", "support", "booking")
REGIONS = {"서울": 11, "부산": 12, "경기": 13, "강원": 14, "충북": 15, "충남": 16, "전북": 17,
           "전남": 18, "경북": 19, "경남": 20, "제주": 21, "대구": 22, "인천": 23, "광주": 24,
           "대전": 25, "울산": 26}
# Banks and how their personal accounts are grouped.
ACCOUNT_SHAPES = {"국민": (6, 2, 6), "KB국민": (6, 2, 6), "신한": (3, 3, 6), "우리": (4, 3, 6),
                  "하나": (3, 6, 5), "농협": (3, 4, 4, 2), "NH농협": (3, 4, 4, 2),
                  "기업": (3, 6, 2, 3), "IBK기업": (3, 6, 2, 3), "카카오뱅크": (4, 2, 7),
                  "토스뱅크": (4, 4, 4), "새마을금고": (4, 4, 4, 1), "우체국": (6, 2, 6),
                  "SC제일": (3, 2, 6), "케이뱅크": (3, 3, 6), "부산": (3, 4, 4, 2)}
AREA_CODES = ("02", "031", "032", "033", "041", "042", "043", "051", "052", "053", "054", "055",
              "061", "062", "063", "064")
CALL_PREFIXES = ("1588", "1544", "1577", "1566", "1600", "1644", "1661", "1670", "1899")
SEPARATORS = (": ", " : ", ":", "： ", " - ", ") ", "\t", " | ", " ")
# Organisations' names by genre, for the headings and account holders of their paperwork.
GENRE_ORGS = {
    "wedding_package": ("하늘웨딩", "루미에르웨딩", "더채플플래닝", "봄날스드메"),
    "sports_locker": ("블루웨이브스포츠", "구민체육센터", "한강스포츠클럽", "올림픽휘트니스"),
    "academy_note": ("솔빛", "예담", "하람", "소리샘"),
    "hospital_reminder": ("다솜병원", "연세미소의원", "튼튼정형외과", "맑은이비인후과"),
    "checkup_booking": ("그린검진센터", "한마음건강검진", "KMI", "늘푸른검진의원"),
    "apt_preinspection": ("한빛건설", "푸르지오", "더샵", "힐스테이트"),
    "ev_charger": ("이브이플러그", "차지온", "에버온", "파워큐브"),
    "internet_install": ("스카이넷", "한빛통신", "세븐라인"),
    "gas_inspection": ("동부도시가스", "서울도시가스", "삼천리", "예스코"),
    "rental_damage": ("제주렌트카", "하나렌터카", "탐라렌트"),
    "hotel_front_log": ("서울포레스트호텔", "호텔 아우라", "해운대 시에스타"),
    "memorial_park": ("영원추모공원", "하늘숲추모원", "평안메모리얼파크"),
    "blood_test_sms": ("다솜병원", "새봄내과", "연세가정의학과"),
    "counselling_intake": ("마음쉼", "온마음", "숲길"),
}
ORGS = ("한결", "누리", "다온", "새봄", "미래")

# --------------------------------------------------------------------------- value makers


_digits = corpus.random_digits


def _group(digits: str, sizes, sep: str = "-") -> str:
    """The digits cut into groups of the given sizes, joined by `sep`."""
    ends = list(itertools.accumulate(sizes))
    return sep.join(digits[end - size:end] for size, end in zip(sizes, ends))


def _ocr(text: str, r: random.Random) -> str:
    """Digits a scanner read as letters (0 as O, 1 as l) and spaces around hyphens."""
    swap = {"0": "O", "1": "l"}
    out = "".join(swap[c] if c in swap and r.random() < 0.35 else c for c in text)
    return out.replace("-", " - ") if r.random() < 0.4 else out


def _spoken(digits: str) -> str:
    """Digits as speech-to-text writes them read aloud: 공일공, 칠이팔삼."""
    return "".join(corpus.HANGUL_DIGITS[int(c)] for c in digits)


def _yymmdd(y: int, m: int, d: int) -> str:
    return f"{y % 100:02d}{m:02d}{d:02d}"


class _Person:
    """Who a slot speaks of: a name and a birth date shared by the slots of one row or form."""

    def __init__(self, r: random.Random, age: str = "adult") -> None:
        self.age = age
        # Korean names from the surnames and given names corpus.py romanizes, so that a row's
        # Hangul and passport spellings agree.
        sur, given = r.randrange(len(ROMAN_SUR)), r.randrange(len(ROMAN_GIVEN))
        self.name = r.choice(FOREIGN_NAMES) if age == "foreign" else corpus.SURNAMES[sur] + corpus.GIVEN[given]
        self.roman = f"{ROMAN_SUR[sur].upper()} {ROMAN_GIVEN[given].upper()}"
        span = {"adult": (1955, 2004), "kid": (2018, 2023), "child": (2012, 2020), "senior": (1935, 1960),
                "foreign": (1970, 2003)}[age]
        self.born = corpus.random_date(r, *span)
        if age == "kid" and r.random() < 0.5:
            self.born = (r.choice((2021, 2022, 2023)), *corpus.random_date(r, 2021, 2021)[1:])
        self.female = r.random() < 0.5


class _Maker:
    """Writes a value of each kind in the ways people write them. Returns (text, writing)."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def way(self, ways: dict, forced: str | None) -> str:
        if forced and forced in ways:
            return forced
        return self.r.choices(list(ways), weights=list(ways.values()))[0]

    # phone -----------------------------------------------------------------
    def phone(self, forced=None):
        r = self.r
        mid, last = str(r.randrange(2, 10)) + _digits(r, 3), _digits(r, 4)
        way = self.way({"hyphen": 45, "plain": 10, "dot": 6, "space": 6, "intl": 6, "paren": 2,
                        "fullwidth": 3, "dash_alt": 2, "old_prefix": 2, "hangul": 0}, forced)
        text = {"hyphen": f"010-{mid}-{last}", "plain": f"010{mid}{last}",
                "dot": f"010.{mid}.{last}", "space": f"010 {mid} {last}",
                "intl": r.choice((f"+82-10-{mid}-{last}", f"+82 10 {mid} {last}", f"+8210{mid}{last}",
                                  f"+82 (0)10-{mid}-{last}")),
                "paren": f"(010) {mid}-{last}", "fullwidth": f"010-{mid}-{last}".translate(corpus.FULL),
                "dash_alt": f"010{r.choice(corpus.DASHES)}{mid}{r.choice(corpus.DASHES)}{last}",
                "old_prefix": f"{r.choice(('011', '016', '017', '019'))}-{mid[:3]}-{last}",
                "hangul": " ".join(_spoken(g) for g in ("010", mid, last))}[way]
        return text, way

    def phone_masked(self):
        r = self.r
        mid, last = str(r.randrange(2, 10)) + _digits(r, 3), _digits(r, 4)
        return r.choice((f"010-****-{last}", f"010-{mid}-****", f"010-{mid[:2]}**-{last}",
                         f"010****{last}", f"010-{mid[:1]}***-{last[:2]}**")), "masked"

    def direct(self, forced=None):
        r = self.r
        area = r.choice(AREA_CODES)
        mid = str(r.randrange(2, 10)) + _digits(r, r.choice((2, 3)) if area != "02" else 3)
        return r.choice((f"{area}-{mid}-{_digits(r, 4)}", f"{area}) {mid}-{_digits(r, 4)}",
                         f"{area}.{mid}.{_digits(r, 4)}")), "landline"

    def safe(self, forced=None):
        r = self.r
        return r.choice((f"0504-{_digits(r, 4)}-{_digits(r, 4)}", f"0505-{_digits(r, 3)}-{_digits(r, 4)}",
                         f"0507-{_digits(r, 4)}-{_digits(r, 4)}", f"0502{_digits(r, 8)}")), "safe_number"

    def internet(self, forced=None):
        r = self.r
        return r.choice((f"070-{_digits(r, 4)}-{_digits(r, 4)}", f"070 {_digits(r, 4)} {_digits(r, 4)}",
                         f"070{_digits(r, 8)}")), "internet_phone"

    # e-mail ------------------------------------------------------------------
    def email(self, forced=None):
        r = self.r
        given, sur = r.choice(ROMAN_GIVEN), r.choice(ROMAN_SUR)
        local = r.choice((f"{given}.{sur}", f"{sur}{given[:2]}{r.randrange(70, 100)}", f"{given}{_digits(r, 4)}",
                          f"{sur}_{given}", f"{given[0]}{sur}{r.randrange(1, 30)}", f"{given}-{sur}"))
        domain = r.choice(MAIL_DOMAINS)
        way = self.way({"plain": 80, "capital": 8, "fullwidth_at": 4, "spaced_at": 4, "at_word": 4}, forced)
        text = {"plain": f"{local}@{domain}",
                "capital": f"{local[0].upper()}{local[1:]}@{domain.capitalize()}",
                "fullwidth_at": f"{local}＠{domain}", "spaced_at": f"{local} @ {domain}",
                "at_word": f"{local}(at){domain}"}[way]
        return text, way

    def email_masked(self):
        r = self.r
        given, sur = r.choice(ROMAN_GIVEN), r.choice(ROMAN_SUR)
        local = f"{given}{sur}"
        return r.choice((f"{local[:3]}***@{r.choice(MAIL_DOMAINS)}",
                         f"{local[0]}****{local[-1]}@{r.choice(MAIL_DOMAINS)}",
                         f"{local[:2]}{'*' * (len(local) - 2)}@{r.choice(MAIL_DOMAINS)}")), "masked"

    # registration numbers ----------------------------------------------------
    def _registration(self, p: _Person, foreigner: bool) -> list[int]:
        r = self.r
        y, m, d = p.born
        if foreigner:
            g = (8 if p.female else 7) if y >= 2000 else (6 if p.female else 5)
        else:
            g = (4 if p.female else 3) if y >= 2000 else (2 if p.female else 1)
        ds = [int(c) for c in _yymmdd(y, m, d)] + [g] + [int(c) for c in _digits(r, 5)]
        return ds + [corpus.resident_check(ds, foreigner)]

    def _registration_text(self, ds: list[int], forced, ocr: bool):
        s = "".join(map(str, ds))
        way = self.way({"hyphen": 70, "plain": 12, "space": 7, "fullwidth": 5, "dot_gap": 3}, forced)
        text = {"hyphen": f"{s[:6]}-{s[6:]}", "plain": s, "space": f"{s[:6]} {s[6:]}",
                "fullwidth": f"{s[:6]}-{s[6:]}".translate(corpus.FULL), "dot_gap": f"{s[:6]} - {s[6:]}"}[way]
        if ocr:
            return _ocr(text, self.r), "ocr"
        return text, way

    def resident(self, p: _Person, forced=None, ocr=False):
        y, m, d = p.born
        if (y, m) >= (2020, 10):
            return self.post2020(p)
        return self._registration_text(self._registration(p, False), forced, ocr)

    def post2020(self, p: _Person):
        """Numbers issued since October 2020: birth date, sex digit, six random digits."""
        r = self.r
        y, m, d = p.born
        ds = [int(c) for c in _yymmdd(y, m, d)] + [4 if p.female else 3] + [int(c) for c in _digits(r, 5)]
        wrong = (corpus.resident_check(ds, False) + r.randrange(1, 10)) % 10
        s = "".join(map(str, ds)) + str(wrong)
        return (f"{s[:6]}-{s[6:]}" if r.random() < 0.85 else s), "post2020"

    def foreigner(self, p: _Person, forced=None, ocr=False):
        return self._registration_text(self._registration(p, True), forced, ocr)

    def registration_masked(self, p: _Person, foreigner: bool):
        ds = self._registration(p, foreigner)
        s = "".join(map(str, ds))
        return self.r.choice((f"{s[:6]}-{s[6]}******", f"{s[:6]}-*******", f"{s[:6]}-{s[6:9]}****",
                              f"{s[:6]}{s[6]}******")), "masked"

    def business(self, forced=None):
        r = self.r
        head = [r.randrange(1, 10), *map(int, _digits(r, 2))]
        mid = r.choice((r.randrange(1, 80), r.randrange(81, 89), r.randrange(90, 100)))
        ds = head + [mid // 10, mid % 10] + [int(c) for c in _digits(r, 4)]
        ds.append(corpus.business_check(ds))
        s = "".join(map(str, ds))
        way = self.way({"hyphen": 75, "plain": 12, "space": 5, "fullwidth": 4, "dot": 4}, forced)
        return {"hyphen": f"{s[:3]}-{s[3:5]}-{s[5:]}", "plain": s, "space": f"{s[:3]} {s[3:5]} {s[5:]}",
                "fullwidth": f"{s[:3]}-{s[3:5]}-{s[5:]}".translate(corpus.FULL),
                "dot": f"{s[:3]}.{s[3:5]}.{s[5:]}"}[way], way

    def business_masked(self):
        text, _ = self.business("hyphen")
        return self.r.choice((text[:7] + "*****", text[:4] + "**" + text[6:], "***-**-" + text[7:])), "masked"

    # cards and accounts ------------------------------------------------------
    def _card_digits(self) -> tuple[str, bool]:
        r = self.r
        if r.random() < 0.1:
            body = [3, r.choice((4, 7))] + [int(c) for c in _digits(r, 12)]
            return "".join(map(str, body + [corpus.luhn_check(body)])), True
        head = r.choice(("4", "5" + str(r.randrange(1, 6)), "9410", "9430", "6243", "3565", "4579"))
        body = [int(c) for c in head + _digits(r, 15 - len(head))]
        return "".join(map(str, body + [corpus.luhn_check(body)])), False

    def card(self, forced=None):
        s, amex = self._card_digits()
        if amex:
            return f"{s[:4]}-{s[4:10]}-{s[10:]}", "amex"
        way = self.way({"hyphen": 60, "space": 20, "plain": 12, "fullwidth": 4, "dot": 4}, forced)
        return {"hyphen": _group(s, (4, 4, 4, 4)), "space": _group(s, (4, 4, 4, 4), " "), "plain": s,
                "fullwidth": _group(s, (4, 4, 4, 4)).translate(corpus.FULL),
                "dot": _group(s, (4, 4, 4, 4), ".")}[way], way

    def card_masked(self):
        s, _ = self._card_digits()
        s = s[:16].ljust(16, "0")
        return self.r.choice((f"{s[:4]}-****-****-{s[12:]}", f"{s[:4]}-{s[4:6]}**-****-{s[12:]}",
                              f"{s[:4]} **** **** {s[12:]}", f"{s[:6]}******{s[12:]}",
                              f"****-****-****-{s[12:]}")), "masked"

    def account(self, bank: str, forced=None):
        r = self.r
        sizes = ACCOUNT_SHAPES.get(bank, (3, 3, 6))
        s = _digits(r, sum(sizes))
        way = self.way({"hyphen": 70, "plain": 22, "fullwidth": 3, "space": 5}, forced)
        return {"hyphen": _group(s, sizes), "plain": s, "space": _group(s, sizes, " "),
                "fullwidth": _group(s, sizes).translate(corpus.FULL)}[way], way

    def account_masked(self, bank: str):
        sizes = ACCOUNT_SHAPES.get(bank, (3, 3, 6))
        text = _group(_digits(self.r, sum(sizes)), sizes)
        head = len(text) // 3
        return text[:head] + re.sub(r"\d", "*", text[head:head + 4]) + text[head + 4:], "masked"

    # licences, birth dates, passports ----------------------------------------
    def licence(self, forced=None):
        r = self.r
        region = r.choice(list(REGIONS))
        year, serial, tail = _digits(r, 2), _digits(r, 6), _digits(r, 2)
        way = self.way({"hyphen": 60, "region_name": 20, "plain": 10, "space": 10}, forced)
        return {"hyphen": f"{REGIONS[region]}-{year}-{serial}-{tail}",
                "region_name": f"{region} {year}-{serial}-{tail}",
                "plain": f"{REGIONS[region]}{year}{serial}{tail}",
                "space": f"{REGIONS[region]} {year} {serial} {tail}"}[way], way

    def licence_masked(self):
        text, _ = self.licence("hyphen")
        return self.r.choice((text[:6] + "******" + text[12:], text[:9] + "***-**")), "masked"

    def birth(self, p: _Person, forced=None):
        y, m, d = p.born
        months = ("JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC")
        way = self.way({"iso": 18, "dot": 20, "dot_short": 8, "yymmdd": 10, "korean_date": 18,
                        "korean_short": 6, "slash": 5, "english": 6, "compact": 7, "dot_spaced": 2}, forced)
        return {"iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}",
                "dot_short": f"{y % 100:02d}.{m:02d}.{d:02d}", "yymmdd": _yymmdd(y, m, d),
                "korean_date": f"{y}년 {m}월 {d}일", "korean_short": f"{y % 100:02d}년 {m}월 {d}일",
                "slash": f"{y}/{m:02d}/{d:02d}",
                "english": self.r.choice((f"{d:02d} {months[m - 1]} {y}", f"{months[m - 1].capitalize()} {d}, {y}")),
                "compact": f"{y}{m:02d}{d:02d}", "dot_spaced": f"{y}. {m}. {d}."}[way], way

    def birth_masked(self, p: _Person):
        y, m, d = p.born
        return self.r.choice((f"{y}-**-**", f"{y}.{m:02d}.**", f"{y % 100:02d}****", f"{y % 100:02d}.**.**")), "masked"

    def passport(self, forced=None):
        r = self.r
        way = self.way({"old": 55, "new": 45}, forced)
        letter = r.choice("MMMMMSRG")
        if way == "new":
            return f"{letter}{_digits(r, 3)}{r.choice('ABCDEFGHJK')}{_digits(r, 4)}", way
        return f"{letter}{_digits(r, 8)}", way

    def passport_masked(self):
        text, _ = self.passport("old")
        return self.r.choice((text[:5] + "****", text[:3] + "*****" + text[-1])), "masked"


# --------------------------------------------------------------------------- negatives


def _near_date(r: random.Random, sep: str = "-") -> str:
    y, m, d = corpus.random_date(r, 2025, 2027)
    return f"{y}{sep}{m:02d}{sep}{d:02d}"


def _date_range(r: random.Random) -> str:
    """A period of a few days to a few months, start first."""
    y, m, d = corpus.random_date(r, 2025, 2026)
    m2, y2 = m + r.randrange(0, 4), y
    if m2 > 12:
        m2, y2 = m2 - 12, y + 1
    d2 = r.randrange(d if m2 == m and y2 == y else 1, corpus.days_in(y2, m2) + 1)
    way = r.choice(("{}.{:02d}.{:02d}~{}.{:02d}.{:02d}", "{}-{:02d}-{:02d} ~ {}-{:02d}-{:02d}"))
    return way.format(y, m, d, y2, m2, d2)


def _past_date(r: random.Random, era: str | None = None) -> str:
    """A date of something that happened to someone (joining, graduating, dying), written as
    birth dates are: a look-alike of one."""
    y, m, d = corpus.random_date(r, *((2015, 2025) if era == "recent" else (1985, 2024)))
    return r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}", f"{y}년 {m}월 {d}일",
                     f"{y % 100:02d}.{m:02d}.{d:02d}"))


def _amount(r: random.Random, scale: str | None = None) -> str:
    """An amount of money; `scale` "small" (up to a few hundred thousand won) or "large"."""
    n = {"small": r.randrange(5, 400) * 1000, "large": r.randrange(100, 900) * 100000,
         None: r.randrange(10, 900) * 10000}[scale]
    return r.choice((f"{n:,}원", f"{n:,}", f"₩{n:,}", f"{n // 10000}만원" if n % 10000 == 0 and n >= 10000 else f"{n:,}원"))


def _org_account(r: random.Random) -> str:
    bank = r.choice(list(ACCOUNT_SHAPES))
    sizes = ACCOUNT_SHAPES[bank]
    return _group(_digits(r, sum(sizes)), sizes)


def _ean13(r: random.Random) -> str:
    body = [8, 8, 0] + [int(c) for c in _digits(r, 9)]
    return "".join(map(str, body + [corpus.isbn_check(body)]))


def _isbn(r: random.Random) -> str:
    body = [9, 7, 9, 1, 1] + [int(c) for c in _digits(r, 7)]
    s = "".join(map(str, body + [corpus.isbn_check(body)]))
    return r.choice((s, f"{s[:3]}-{s[3:5]}-{s[5:9]}-{s[9:12]}-{s[12]}"))


# Category -> how its text is made. Every category is a look-alike that names or reaches no person.
NEGATIVES = {
    "order_number": lambda r: r.choice((f"{_near_date(r, '')}{_digits(r, 6)}",
                                        f"ORD-{_near_date(r, '')}-{_digits(r, 4)}")),
    "tracking_number": lambda r: r.choice((_digits(r, 12), f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}")),
    "invoice_number": lambda r: f"INV-{r.randrange(2025, 2027)}-{_digits(r, 5)}",
    "reference_number": lambda r: r.choice((f"REF{_digits(r, 8)}",
                                            f"{r.randrange(2025, 2027)}-{_digits(r, 4)}-{_digits(r, 2)}")),
    "model_number": lambda r: r.choice((f"SM-S{_digits(r, 3)}N", f"ECP-{_digits(r, 4)}K",
                                        f"KW-{_digits(r, 2)}A{_digits(r, 2)}",
                                        f"SW7-{_digits(r, 3)}", f"GX-{_digits(r, 4)}")),
    "serial_number": lambda r: r.choice((f"{_digits(r, 4)}KR{_digits(r, 7)}", f"SN{_digits(r, 10)}",
                                         f"R58N{_digits(r, 6)}X")),
    "visit_date": lambda r: r.choice((_near_date(r), _near_date(r, "."), _near_date(r, "/"))),
    "issue_date": lambda r: r.choice((_near_date(r), _near_date(r, "."))),
    "due_date": lambda r: r.choice((_near_date(r), _near_date(r, "."))),
    "date_range": lambda r: _date_range(r),
    "amount": _amount,
    "opt_out_number": lambda r: f"080-{r.randrange(100, 1000)}-{_digits(r, 4)}",
    "past_event_date": lambda r, era=None: _past_date(r, era),
    "merchant_number": lambda r: _digits(r, r.choice((9, 10))),
    "hotel_room": lambda r: f"{r.randrange(2, 25)}{r.randrange(1, 40):02d}",
    "postcode": lambda r: f"{r.randrange(1, 64):02d}{_digits(r, 3)}",
    "org_main_phone": lambda r: f"{r.choice(AREA_CODES)}-{r.randrange(2, 10)}{_digits(r, 2)}-{_digits(r, 4)}",
    "call_centre": lambda r: f"{r.choice(CALL_PREFIXES)}{r.choice(('-', ''))}{_digits(r, 4)}",
    "extension": lambda r: _digits(r, r.choice((3, 4))),
    "org_fax": lambda r: f"{r.choice(AREA_CODES)}-{r.randrange(2, 10)}{_digits(r, 2)}-{_digits(r, 4)}",
    "company_account": _org_account,
    "religious_account": _org_account,
    "foundation_account": _org_account,
    "clan_account": _org_account,
    "virtual_account": lambda r: r.choice((f"{_digits(r, 3)}-{_digits(r, 6)}-{_digits(r, 5)}", _digits(r, 14))),
    "shared_mailbox": lambda r, domain=None: f"{r.choice(MAILBOXES)}@{domain or r.choice(ORG_DOMAINS)}",
    "booking_number": lambda r: r.choice((f"R{_near_date(r, '')}{_digits(r, 4)}", f"{r.choice('ABHKQ')}{_digits(r, 7)}",
                                          f"BK-{_digits(r, 8)}")),
    "receipt_number": lambda r: f"{_near_date(r, '')}-{_digits(r, 5)}",
    "approval_number": lambda r: _digits(r, 8),
    "member_number": lambda r: r.choice((_digits(r, 8), f"M{_digits(r, 7)}")),
    "locker_number": lambda r: r.choice((f"{r.choice('ABC')}-{r.randrange(1, 300)}", str(r.randrange(1, 500)))),
    "unit_number": lambda r: f"{r.randrange(101, 120)}동 {r.randrange(1, 30)}{r.randrange(1, 5):02d}호",
    "contract_number": lambda r: r.choice((f"CT-{r.randrange(2025, 2027)}-{_digits(r, 6)}",
                                           f"{r.randrange(2025, 2027)}{_digits(r, 8)}")),
    "policy_number": lambda r: r.choice((f"L{_digits(r, 12)}", f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}")),
    "claim_number": lambda r: f"{r.randrange(2025, 2027)}{_digits(r, 2)}{_digits(r, 2)}-{_digits(r, 6)}",
    "case_number": lambda r: (f"{r.randrange(2024, 2027)}{r.choice(('가소', '가단', '차', '머'))}"
                              f"{_digits(r, r.choice((4, 5, 6)))}"),
    "flight_number": lambda r: (f"{r.choice(('KE', 'OZ', '7C', 'LJ', 'TW', 'VJ', 'ZE'))}{r.choice(('', ' '))}"
                                f"{r.randrange(1, 999):03d}"),
    "isbn": _isbn,
    "barcode": _ean13,
    "meter_number": lambda r: r.choice((f"{_digits(r, 2)}-{_digits(r, 7)}", f"W{_digits(r, 9)}")),
    "customer_number": lambda r: _digits(r, 10),
    "institution_code": lambda r: _digits(r, 8),
    "corporate_registration": lambda r: (f"{r.choice(('1101', '1311', '1201', '1346', '1748', '2841'))}"
                                         f"{r.choice(('11', '71', '81', '21', '31'))}-0{_digits(r, 6)}"),
    "tax_invoice_approval": lambda r: f"{_near_date(r, '')}-{r.randrange(10, 60)}{_digits(r, 6)}-{_digits(r, 8)}",
    "coupon_code": lambda r: f"{r.choice(('WASH', 'SPRING', 'WELCOME', 'VIP'))}{r.randrange(10, 99)}-{_digits(r, 4)}",
    "course_code": lambda r: f"{r.choice(('SW', 'KD', 'ART', 'PN', 'LS'))}-{_digits(r, 3)}",
    "mac_address": lambda r: ":".join(f"{r.randrange(256):02X}" for _ in range(6)),
    "ip_address": lambda r: f"{r.choice((10, 172, 192))}.{r.randrange(256)}.{r.randrange(256)}.{r.randrange(1, 255)}",
    "test_score": lambda r: str(r.randrange(10, 198) * 5),
    "lab_value": lambda r, test=None: (f"{r.randrange(10, 17)}.{r.randrange(10)}" if test == "hb"
                                       else str(r.randrange(140, 260) if test == "chol" else r.randrange(70, 180))),
    "call_number": lambda r: (f"{r.randrange(100, 999)}.{r.randrange(1, 99)} "
                              f"{r.choice(corpus.SURNAMES)}{r.randrange(11, 99)}ㄱ"),
    "permit_number": lambda r: f"제{r.randrange(2024, 2027)}-{_digits(r, 5)}호",
    "document_number": lambda r: f"{r.choice(('총무', '교무', '관리', '민원'))}-{r.randrange(2025, 2027)}-{_digits(r, 4)}",
    "niche_position": lambda r: f"{r.choice('ABCD')}동 {r.randrange(1, 6)}층 {_digits(r, 4)}",
    "cabin_number": lambda r: f"{r.randrange(5, 12)}{_digits(r, 3)}",
}

# --------------------------------------------------------------------------- the writer

_SLOT = re.compile(r"\{(!?)(\w+)(?::([^}]*))?\}")
_LABEL_END = ":：=|>]-)→\t"
# Slot name -> kind of value.
VALUE_SLOTS = {"phone": "phone", "direct": "phone", "safe": "phone", "inet": "phone", "email": "email",
               "rrn": "resident", "frn": "foreigner_registration", "brn": "business_registration",
               "card": "credit_card", "acct": "bank_account", "lic": "driver_license",
               "birth": "birth_date", "pass": "passport", "id": "resident"}


class _Doc:
    """One document being written: text pieces, values and negatives at exact offsets."""

    def __init__(self, genre: str, r: random.Random) -> None:
        self.genre, self.r = genre, r
        self.make = _Maker(r)
        self.pieces: list[str] = []
        self.chars = self.bytes = 0
        self.values: list[Value] = []
        self.negatives: list[Negative] = []
        self.frame = genre
        self.ocr = False
        self.who = _Person(r)
        self.bank = r.choice(list(ACCOUNT_SHAPES))
        self.sep = r.choice(SEPARATORS[:6])
        self.org = r.choice(GENRE_ORGS.get(genre, ORGS))

    # writing -------------------------------------------------------------------
    def text(self, s: str) -> None:
        if self.ocr and s:
            s = self._noisy(s)
        self.pieces.append(s)
        self.chars += len(s)
        self.bytes += len(s.encode())

    def _noisy(self, s: str) -> str:
        """What a scan does to printed labels: a stray space inside a word, a colon read as
        a semicolon or a dot."""
        out = []
        for ch in s:
            if ch in ":" and self.r.random() < 0.3:
                ch = self.r.choice((";", ".", " :"))
            out.append(ch)
            if "가" <= ch <= "힣" and self.r.random() < 0.06:
                out.append(" ")
        return "".join(out)

    def _record(self, text: str) -> tuple[int, int, int, int]:
        span = (self.chars, self.chars + len(text), self.bytes, self.bytes + len(text.encode()))
        self.pieces.append(text)
        self.chars, self.bytes = span[1], span[3]
        return span

    def value(self, slot: str, arg: str | None, label: str, label_text: str) -> None:
        if slot == "id":    # whichever registration number the person holds
            slot = "frn" if self.who.age == "foreign" else "rrn"
        kind = VALUE_SLOTS[slot]
        masked = arg == "masked" or (arg != "plain" and self.r.random() < MASK_SHARE)
        text, writing = self._written(slot, arg, masked)
        c0, c1, b0, b1 = self._record(text)
        self.values.append(Value(kind, text, c0, c1, b0, b1, writing, label, label_text,
                                 writing == "masked", self.genre, self.frame))

    def _written(self, slot: str, arg, masked: bool):
        m, p = self.make, self.who
        if slot == "phone":
            return m.phone_masked() if masked else m.phone(arg)
        if slot in ("direct", "safe", "inet"):
            return getattr(m, {"direct": "direct", "safe": "safe", "inet": "internet"}[slot])()
        if slot == "email":
            return m.email_masked() if masked else m.email(arg)
        if slot in ("rrn", "frn"):
            foreigner = slot == "frn"
            if masked:
                return m.registration_masked(p, foreigner)
            return (m.foreigner if foreigner else m.resident)(p, arg, self.ocr and self.r.random() < 0.5)
        if slot == "brn":
            return m.business_masked() if masked else m.business(arg)
        if slot == "card":
            return m.card_masked() if masked else m.card(arg)
        if slot == "acct":
            return m.account_masked(self.bank) if masked else m.account(self.bank, arg)
        if slot == "lic":
            return m.licence_masked() if masked else m.licence(arg)
        if slot == "birth":
            return m.birth_masked(p) if masked and self.r.random() < 0.5 else m.birth(p, arg)
        return m.passport_masked() if masked else m.passport(arg)

    def negative(self, category: str, phrasing: str, arg: str | None = None, text: str | None = None) -> None:
        if category == "shared_mailbox" and arg is None:
            arg = self.r.choice(GENRE_DOMAINS.get(self.genre, ORG_DOMAINS))
        if text is None:
            text = NEGATIVES[category](self.r, arg) if arg else NEGATIVES[category](self.r)
        c0, c1, b0, b1 = self._record(text)
        self.negatives.append(Negative(category, text, c0, c1, b0, b1, phrasing, self.genre))

    def filler(self, name: str, arg: str | None) -> str:
        r, p = self.r, self.who
        if name == "name":
            return p.name
        if name == "mname":    # a name as text messages mask it
            return p.name[0] + "*" + p.name[2:] if len(p.name) > 2 else p.name[0] + "*"
        if name == "roman":
            return p.name if p.age == "foreign" else p.roman
        if name == "other":
            return r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)
        if name == "bank":
            self.bank = r.choice(list(ACCOUNT_SHAPES))
            return self.bank
        if name == "org":
            return self.org
        if name == "gu":
            return r.choice(corpus.PLACES)
        if name == "clock":    # a chat's time stamp
            return f"{r.choice(('오전', '오후'))} {r.randrange(1, 13)}:{r.randrange(60):02d}"
        if name == "time":
            return f"{r.randrange(8, 21)}:{r.choice(('00', '10', '20', '30', '40', '50'))}"
        if name == "n":
            lo, hi = (int(x) for x in (arg or "1-9").split("-"))
            return str(r.randrange(lo, hi + 1))
        if name == "pick":
            return r.choice(arg.split("/"))
        if name == "sep":
            return self.sep
        raise KeyError(name)

    def line(self, template: str, label: str | None = None, label_text: str | None = None,
             end: str = "\n") -> None:
        """Writes a template: {phone}, {rrn}, ... are values, {!category} negatives, {name},
        {bank}, ... fillers, {x:arg} passes an argument. A value's label situation is read from
        the text before it unless given."""
        pos, before = 0, ""
        for m in _SLOT.finditer(template):
            lead = template[pos:m.start()]
            pos = m.end()
            neg, name, arg = m.group(1), m.group(2), m.group(3)
            if neg:
                self.text(lead)
                self.negative(name, f"{self.frame}:{name}", arg)
                before = ""
            elif name in VALUE_SLOTS:
                self.text(lead)
                before += lead
                situation, shown = self._situation(before)
                if label:    # the situation is known (a column, a key); the label is still read
                    situation, shown = label, shown if label_text is None else label_text
                self.value(name, arg, situation, shown if shown is not None else "")
                before = ""
            else:
                filled = lead + self.filler(name, arg)
                self.text(filled)
                before += filled
        self.text(template[pos:] + end)

    @staticmethod
    def _situation(before: str) -> tuple[str, str]:
        tail = before.split("\n")[-1].rstrip(" ")
        if not tail.strip(" ([<*·,/"):
            return "no_label", ""
        words = tail.rstrip(_LABEL_END + " ").split()
        shown = " ".join(words[-2:]).strip(" \"'{,:=|/>]-)→(<[")[-20:]
        if tail[-1] in _LABEL_END or tail.endswith("(") or tail.endswith("<"):
            return "label_punct", shown
        return "prose_cue", shown

    def fields(self, *pairs: tuple[str, str]) -> None:
        for label, slot in pairs:
            self.field(label, slot)

    def field(self, label: str, slot: str) -> None:
        """A form line: label, this document's separator, the value or look-alike."""
        sep = ": " if label.endswith(")") and self.sep.startswith(")") else self.sep
        self.line(f"{label}{sep}{slot}")

    def table(self, columns: list[tuple[str, str]], rows: int, style: str | None = None,
              person: str = "adult") -> None:
        """A header row and `rows` rows; each row speaks of a new person of the given age."""
        r = self.r
        style = style or r.choice(("csv", "tsv", "pipe", "markdown", "spaced"))
        cut = {"csv": ",", "tsv": "\t", "pipe": " | ", "markdown": " | ", "spaced": "  "}[style]
        heads = [h for h, _ in columns]
        edge = ("| ", " |") if style == "markdown" else ("", "")
        self.text(edge[0] + cut.join(heads) + edge[1] + "\n")
        if style == "markdown":
            self.text("|" + "|".join("---" for _ in heads) + "|\n")
        for _ in range(rows):
            self.who = _Person(r, person if person != "mixed" else r.choice(("adult", "foreign")))
            self.text(edge[0])
            for i, (head, cell) in enumerate(columns):
                if i:
                    self.text(cut)
                if cell.startswith("?"):    # a cell people often leave blank
                    cell = cell[1:] if r.random() < 0.5 else r.choice(("", "-", "미기재"))
                self.line(cell, "column_header", head, end="")
            self.text(edge[1] + "\n")

    def person(self, age: str = "adult", foreign_share: float = 0.0, male: bool = False) -> None:
        self.who = _Person(self.r, "foreign" if self.r.random() < foreign_share else age)
        if male:
            self.who.female = False

    def pick(self, *options):
        return self.r.choice(options)

    def document(self) -> Document:
        doc = Document(self.genre, PART, "".join(self.pieces), self.values, self.negatives)
        check(doc)
        return doc


# --------------------------------------------------------------------------- genres
# Each writes one document; most choose among two or three forms of the same paperwork.


def wedding_package(d: _Doc) -> None:
    groom, bride = _Person(d.r), _Person(d.r)
    if d.pick("form", "chat") == "form":
        d.frame = "wedding_package.form"
        d.line("[{org}] 스튜디오·드레스·메이크업 패키지 계약 확인서")
        d.line("계약번호: {!contract_number}   계약일: {!issue_date}")
        d.who = groom
        d.line("신랑 {name} / 연락처{sep}{phone} / 생년월일{sep}{birth}")
        d.who = bride
        d.line("신부 {name} / 연락처{sep}{phone} / 이메일{sep}{email}")
        d.line("본식 예정일 {!visit_date}  촬영일 {!visit_date}")
        d.line("패키지 금액 {!amount} (계약금 {!amount} 결제 완료, 카드 {card})")
        d.line("잔금 입금 계좌: {bank} {!company_account} (예금주 (주){org})")
        d.line("계약금 환불 시 받으실 계좌: {bank} {acct} 예금주 {name}")
        d.line("담당 플래너 {other} 실장 직통 {direct} / 회사 대표번호 {!org_main_phone}")
        d.line("(주){org} 사업자등록번호 {brn}")
        d.line("문의 메일 {!shared_mailbox}")
    else:
        d.frame = "wedding_package.chat"
        d.who = bride
        d.line("[카카오톡] {org} 플래너 {other}")
        d.line("[{clock}] 플래너: 신부님~ 드레스 투어 일정 {!visit_date} 로 잡았어요")
        d.line("[{clock}] {name}: 네 감사해요! 신랑 번호는 {phone} 이고 저는 이 번호로 주세요")
        d.line("[{clock}] 플래너: 계약서 작성용으로 신부님 생년월일 한번만 알려주세요")
        d.line("[{clock}] {name}: {birth} 이요", "asked_before", "생년월일")
        d.line("[{clock}] 플래너: 메이크업샵 견적서는 메일로 드릴게요. 주소 알려주세요~")
        d.line("[{clock}] {name}: {email}", "asked_before", "메일")
        d.line("[{clock}] 플래너: 추가 금액 {!amount:small}은 스튜디오 계좌 {!company_account}로 넣어주시면 돼요")
        d.line("[{clock}] 플래너: 급하시면 제 안심번호 {safe} 로 연락 주세요!")
        d.line("[{clock}] 플래너: 스튜디오 사업자번호는 {brn} 이고 현금영수증 필요하시면 말씀 주세요")


def sports_locker(d: _Doc) -> None:
    d.frame = "sports_locker.ledger"
    d.line("{org} 스포츠센터 개인 사물함 대여 대장 ({!date_range})")
    d.table([("사물함", "{!locker_number}"), ("회원번호", "{!member_number}"), ("성명", "{name}"), ("연락처", "?{phone}"),
             ("보증금", "{!amount:small}"), ("반환계좌", "{bank} {acct}")], d.r.randrange(3, 7))
    d.line("※ 보증금 반환 문의는 안내데스크 {!org_main_phone} (내선 {!extension})")


def kids_swim(d: _Doc) -> None:
    d.frame = d.pick("kids_swim.form", "kids_swim.notice")
    d.person("kid")
    kid = d.who
    d.line("어린이 수영교실 {pick:겨울/봄/여름} 특강 수강신청서")
    d.line("반 코드 {!course_code}  수강기간 {!date_range}")
    d.fields(("아동 성명", "{name}"),
             ("생년월일", "{birth}"))
    if d.r.random() < 0.7:
        d.field("주민등록번호(보험 가입용)", "{rrn}")
    d.person()
    d.line("보호자 {name} ({pick:모/부/조모}) 휴대폰{sep}{phone}")
    d.line("보호자 이메일{sep}{email}")
    if d.frame.endswith("form"):
        d.line("결제 카드 {card}  수강료 {!amount:small}  승인번호 {!approval_number}")
    else:
        d.line("수강료 {!amount:small}은 센터 가상계좌 {!virtual_account} 로 {!due_date}까지 입금")
    d.who = kid
    if d.r.random() < 0.3:
        d.line("※ 셔틀 탑승 아동 {name} 하원 시 연락처 {phone} 로 문자 드립니다.")


def academy_note(d: _Doc) -> None:
    d.frame = "academy_note.letter"
    subject = d.pick("미술", "피아노", "바이올린", "서예")
    d.line(f"[{{org}}{subject}학원] {{pick:12월/1월/3월}} 가정통신문")
    d.line("안녕하세요, 학부모님. 이번 달 발표회는 {!visit_date}에 열립니다.")
    d.line("원비 {!amount:small}는 학원 계좌 {bank} {!company_account}(예금주 {org}" + subject + "학원)로 보내 주세요.")
    d.line("교육비 납입증명서 발급용 사업자등록번호 {brn}")
    d.line("담임 선생님 연락처 {phone} (수업 중에는 문자 주세요), 학원 대표번호 {!org_main_phone}")
    d.line("발표회 명단 확인 부탁드립니다.")
    d.table([("원생", "{name}"), ("생년월일", "{birth}"), ("학부모 연락처", "?{phone}")],
            d.r.randrange(2, 5), person="child")


def hospital_reminder(d: _Doc) -> None:
    d.frame = d.pick("hospital_reminder.sms", "hospital_reminder.kakao")
    d.line("[Web발신]")
    d.line("[{org}] {mname}님, {!visit_date} {time} {pick:정형외과/내과/이비인후과/피부과} 진료 예약 안내드립니다.")
    d.line("예약번호 {!booking_number}")
    d.line("본인확인용 생년월일 {birth:yymmdd}, 예약자 연락처 {phone:masked}")
    d.line("변경·취소는 예약센터 {!call_centre} 또는 {!org_main_phone}")
    if d.r.random() < 0.3:
        d.line("보호자 동반 시 보호자 번호 {phone} 로도 안내 문자가 발송됩니다.")
    d.line("수신거부 {!opt_out_number}")


def checkup_booking(d: _Doc) -> None:
    d.frame = "checkup_booking.form"
    d.line("{org} 건강검진센터 종합검진 예약 확인서")
    d.line("예약번호 {!booking_number} / 검진일 {!visit_date} {time}")
    d.person(foreign_share=0.3)
    d.fields(("수검자", "{name}"),
             (d.pick("주민등록번호", "주민(외국인)등록번호", "등록번호"), "{id}"),
             ("휴대전화", "{phone}"),
             ("결과지 받을 e-mail", "{email}"))
    d.line("소속 사업장 {pick:(주)한결물산/대성정밀/누리소프트/성원식품}, 사업자번호 {brn}")
    d.line("검진 비용 {!amount} (회사 부담, 세금계산서 승인번호 {!tax_invoice_approval}), 추가 항목 {!amount:small} 본인 부담")
    d.line("문의: 검진센터 {!org_main_phone}, 팩스 {!org_fax}, {!shared_mailbox}")


def apt_preinspection(d: _Doc) -> None:
    d.frame = d.pick("apt_preinspection.form", "apt_preinspection.memo")
    d.line("○○지구 {org} 신축아파트 입주자 사전점검 하자 접수표")
    d.line("세대: {!unit_number}  접수번호 {!reference_number}")
    d.fields(("계약자", "{name}"),
             ("생년월일", "{birth}"),
             ("연락처", "{phone}"))
    if d.r.random() < 0.5:
        d.line("대리 점검자 {other} 연락처 {phone}")
    d.line("하자 내용: 거실 마루 들뜸, 욕실 타일 줄눈 누락 (보수 예정일 {!due_date})")
    d.line("A/S센터 {!call_centre} / 현장사무소 {!org_main_phone}")


def council_election(d: _Doc) -> None:
    d.frame = d.pick("council_election.form", "council_election.ocr")
    d.ocr = d.frame.endswith("ocr")
    d.line("제{n:3-9}기 입주자대표회의 동별 대표자 후보 등록 신청서")
    d.line("선거구 {!unit_number}  입주일 {!past_event_date:recent}")
    d.fields(("성 명", "{name}"),
             ("생년월일", "{birth}"),
             ("주민등록번호", "{rrn}"),
             ("휴대전화", "{phone}"),
             ("전자우편", "{email}"))
    d.line("접수일 {!issue_date}  접수번호 {!document_number}")
    d.line("선거관리위원회 (관리사무소 {!org_main_phone}, 내선 {!extension})")


def parking_appeal(d: _Doc) -> None:
    d.frame = d.pick("parking_appeal.form", "parking_appeal.ocr")
    d.ocr = d.frame.endswith("ocr")
    d.line("주정차위반 과태료 의견진술서")
    d.line("고지서 번호 {!reference_number}   위반일시 {!visit_date} {time}")
    d.person(foreign_share=0.2)
    d.fields(("진술인 성명", "{name}"),
             (d.pick("주민등록번호", "주민(외국인)등록번호"), "{id}"),
             ("운전면허번호", "{lic}"),
             ("연락처", "{phone}"))
    d.line("사유: 환자 이송 중 잠시 정차하였습니다. 진료확인서 첨부합니다.")
    d.line("납부 가상계좌 {!virtual_account} (과태료 {!amount:small})")
    d.line("{gu}청 교통행정과 {!org_main_phone}  FAX {!org_fax}")


def accident_chat(d: _Doc) -> None:
    d.frame = "accident_chat.kakao"
    me, other = _Person(d.r), _Person(d.r)
    d.line("{pick:오늘/어제} 접촉사고 건 대화")
    d.who = me
    d.line("{name}: 안녕하세요 아까 {gu} 사거리 사고 차주입니다. 제 번호 {phone} 이에요")
    d.who = other
    d.line("{name}: 네 저는 {pick:현대해상/DB손보/삼성화재/KB손보} 접수했고 사고접수번호 {!claim_number} 입니다")
    d.line("{name}: 보험사 콜센터는 {!call_centre} 이고 담당자 배정되면 연락 온대요")
    d.who = me
    d.line("{name}: 면허번호 필요하다고 해서요 {lic} 입니다")
    d.who = other
    d.line("{name}: 제 면허는 {lic} 이요. 범퍼 수리비 {!amount} 나왔어요")
    d.line("{name}: 보험 처리 말고 합의금으로 하시면 {bank} {acct} 로 보내주세요 예금주 {name}")
    d.who = me
    d.line("{name}: 네 {!due_date}까지 입금할게요")


def adjuster_note(d: _Doc) -> None:
    d.frame = "adjuster_note.memo"
    d.line("[손해사정 메모] 사고번호 {!claim_number} / 증권번호 {!policy_number}")
    d.line("피보험자 {name} ({rrn}) 연락 {phone}")
    d.line("- {!visit_date} 병원 방문, 요양기관기호 {!institution_code}, 진단 4주")
    d.person()
    if d.r.random() < 0.5:
        d.line("- 피해자 {name}, 연락처 {phone}, 생년월일 {birth} (대리인 통해 확인)")
    else:
        d.line("- 피해자 {name} 운전면허 {lic}, 생년월일 {birth}")
    d.person()
    d.line("- 보험금 지급 계좌 {bank} {acct} (예금주 {name}) 확인 완료")
    d.line("- 치료비 {!amount} 지급 예정, 회사 사고센터 {!call_centre}")


def carwash_subscription(d: _Doc) -> None:
    if d.pick("kv", "json") == "kv":
        d.frame = "carwash_subscription.kv"
        d.line("[CleanCar] subscription_created sub_id={!contract_number}", end="")
        d.line(" member_email={email} phone={phone}", "log_key", None, end="")
        d.line(" card={card:masked} approval={!approval_number} plan=월4회 price={!amount:small}")
        d.line("store_tel={!org_main_phone} coupon={!coupon_code}")
    else:
        d.frame = "carwash_subscription.json"
        d.line('{"sub_id": "{!contract_number}", "name": "{name}",', "log_key")
        d.line(' "mobile": "{phone}", "email": "{email}",', "log_key")
        d.line(' "billing_card": "{card}", "approval_no": "{!approval_number}",', "log_key")
        d.line(' "store_phone": "{!org_main_phone}", "merchant_no": "{!merchant_number}", "help": "{!shared_mailbox}"}')


def ev_charger(d: _Doc) -> None:
    d.frame = d.pick("ev_charger.form", "ev_charger.mail")
    d.line("전기차 충전기 설치 신청서 ({pick:완속/급속/이동형})")
    d.fields(("신청인", "{name}"),
             ("생년월일", "{birth}"),
             ("휴대폰", "{phone}"),
             ("이메일", "{email}"))
    if d.r.random() < 0.5:
        d.line("사업장 설치 시 사업자등록번호 {brn}")
    d.line("한전 고객번호 {!customer_number}, 설치 장소 우편번호 {!postcode}")
    d.line("충전기 모델 {!model_number} / 시리얼 {!serial_number} / 견적서 {!invoice_number}")
    d.line("설치 상담: {org} 고객센터 {!call_centre}, {!shared_mailbox}")


def internet_install(d: _Doc) -> None:
    d.frame = "internet_install.work_order"
    d.line("[작업지시서] 인터넷+IPTV 신규 설치  주문번호 {!order_number}")
    d.line("가입자 {name} / 생년월일 {birth:yymmdd} / 연락처 {phone}")
    d.line("본인확인 신분증: 운전면허 {lic}")
    d.line("요금 자동이체: " + d.pick("카드 {card}", "계좌 {bank} {acct}"))
    d.line("모뎀 MAC {!mac_address}  셋톱 S/N {!serial_number}  할당 IP {!ip_address}")
    d.line("설치기사 {other} 기사 휴대폰 {phone}, 방문 {!visit_date} {time}")
    d.line("고객센터 {!call_centre}")


def gas_inspection(d: _Doc) -> None:
    d.frame = "gas_inspection.notice"
    d.line("{org} 정기 가스안전점검 결과 통지서")
    d.line("고객번호 {!customer_number}  계량기번호 {!meter_number}  점검일 {!visit_date}")
    d.line("사용자 {name} 님 ({phone})" if d.r.random() < 0.6 else "사용자 {name} 님")
    d.line("점검 결과: 호스 교체 권고 (다음 점검 예정 {!due_date})")
    d.person()
    d.line("점검원 {name} 휴대폰 {phone} / 부재 시 재방문 예약은 {!call_centre}")


def water_meter(d: _Doc) -> None:
    d.frame = d.pick("water_meter.form", "water_meter.ocr")
    d.ocr = d.frame.endswith("ocr")
    d.line("상수도 사용자 명의변경 및 정산 신청서")
    d.line("수용가번호 {!customer_number}  계량기 {!meter_number}  검침일 {!visit_date}")
    d.person(foreign_share=0.25)
    d.fields(("신청인(새 사용자)", "{name}"),
             (d.pick("주민등록번호", "주민등록번호(외국인은 외국인등록번호)"), "{id}"),
             ("연락처", "{phone}"))
    d.person()
    d.line("이전 사용자 {name} 정산금 환급 계좌 {bank} {acct}")
    d.line("상수도사업본부 {!org_main_phone} / 팩스 {!org_fax}")


def rental_damage(d: _Doc) -> None:
    d.frame = "rental_damage.mail"
    d.line("제목: [{org}] 차량 파손 수리비 청구 안내 (계약번호 {!contract_number})")
    d.line("{name} 고객님께,")
    d.line("{!date_range} 대여하신 차량 반납 시 뒷범퍼 파손이 확인되었습니다.")
    d.line("임차인 운전면허번호 {lic}, 연락처 {phone}, 이메일 {email} 로 계약되어 있습니다.")
    d.line("(면허 취득일 {!past_event_date}, 1종 보통)")
    if d.r.random() < 0.5:
        d.line("제2운전자 {other} (면허 {lic}) 도 함께 등록되어 있었습니다.")
    d.line("수리 견적 {!amount}은 보증 결제하신 카드 {card:masked}로 청구됩니다.")
    d.line("이의가 있으시면 영업소 담당 {other} 직통 {direct} 또는 {!shared_mailbox} 로 회신 주세요.")
    d.line("")
    d.line("{other} 드림")
    d.line("{org} 고객지원팀")
    d.line("{direct}" if d.r.random() < 0.5 else "{direct} / {email}")
    d.line("{org} 제주지점 대표 {!org_main_phone}")


def airport_pickup(d: _Doc) -> None:
    d.frame = d.pick("airport_pickup.en", "airport_pickup.mix")
    d.person(d.pick("adult", "foreign"))
    d.line("AirPick 공항 픽업 예약 / Airport Pickup Booking")
    d.line("Booking Ref: {!booking_number}   Flight: {!flight_number}   Arrival: {!visit_date} {time}")
    d.line("Name: {roman}")
    d.line("Passport No.: {pass}")
    d.line("Mobile{sep}{phone}")
    d.line("E-mail: {email}")
    d.line("Date of Birth: {birth:english}")
    d.person()
    d.line("기사님 {name} 연락처 {phone} (도착 30분 전 연락드립니다)")
    d.line("Customer center {!call_centre} / {!shared_mailbox}")


def hotel_front_log(d: _Doc) -> None:
    if d.r.random() < 0.4:
        d.frame = "hotel_front_log.pms"
        d.person(foreign_share=0.5)
        d.line('{"folio": "{!booking_number}", "room": "{!hotel_room}", "guest": "{roman}",', "log_key")
        d.line(' "passport_no": "{pass}", "birth": "{birth:iso}", "mobile": "{phone}", "email": "{email}",',
               "log_key")
        d.line(' "card": "{card:masked}", "approval": "{!approval_number}", "merchant_no": "{!merchant_number}",',
               "log_key")
        d.line(' "front_desk": "{!org_main_phone}", "night_manager": "{direct}"}', "log_key")
        return
    d.frame = "hotel_front_log.log"
    d.line("{org} 프런트 근무일지 {!issue_date} 야간조")
    d.line("- {!hotel_room}호 투숙객 {name} 체크인, 연락처 {phone}, 디파짓 카드 {card:masked} 승인 {!approval_number}")
    d.person("foreign")
    d.line("- 외국인 투숙객 {name} 여권 {pass} 사본 보관, 외국인등록번호 {frn} (장기투숙)")
    d.person()
    d.line("- 렌터카 대행 요청 고객 {name} 운전면허 {lic} 확인, 예약번호 {!booking_number}")
    d.line("- {!hotel_room}호 미니바 {!amount:small} 미정산, 영수증 발행 사업자번호 {brn} (법인 투숙)")
    d.line("- 야간 매니저 {other} 직통 {direct}, 호텔 대표 {!org_main_phone}")


def guesthouse_booking(d: _Doc) -> None:
    d.frame = "guesthouse_booking.mail"
    d.line("Subject: [달빛게스트하우스] 예약 확정 Booking confirmed #{!booking_number}")
    d.line("{name} 님, {!date_range} 숙박 예약이 확정되었습니다.")
    d.line("Guest: {roman} / Tel {phone} / Mail <{email}>")
    if d.r.random() < 0.5:
        d.line("숙박비 {!amount:small}은 호스트 계좌 {bank} {acct} (예금주 {other})로 입금해 주세요.")
    else:
        d.line("Paid by card {card} / 숙박비 {!amount:small} 결제 완료")
    d.line("사업자등록번호 {brn} (농어촌민박)")
    d.line("Host direct: {safe}")
    d.line("문의 {!shared_mailbox}, 체크인 주소 우편번호 {!postcode}")


def tour_roster(d: _Doc) -> None:
    d.frame = "tour_roster.table"
    d.line("해피투어 단체 {pick:다낭/오사카/방콕/세부/울란바토르} 4박5일 명단  단체번호 {!reference_number}")
    d.line("출발 {!visit_date} {!flight_number}")
    d.table([("한글성명", "{name}"), ("영문성명", "{roman}"), ("생년월일", "{birth}"),
             ("여권번호", "{pass}"), ("연락처", "?{phone}")], d.r.randrange(3, 7))
    d.line("인솔자 {other} {phone} / 여행사 대표번호 {!org_main_phone}")


def cruise_manifest(d: _Doc) -> None:
    d.frame = "cruise_manifest.table"
    d.line("PASSENGER MANIFEST  VOYAGE {!reference_number}  EMBARK {!visit_date}")
    d.table([("CABIN", "{!cabin_number}"), ("NAME", "{roman}"), ("DOB", "{birth}"),
             ("PASSPORT", "{pass}"), ("PHONE", "?{phone}"), ("E-MAIL", "?{email}")], d.r.randrange(3, 7),
            person="mixed")
    d.line("Emergency contact (shore): {other} {phone}")
    d.line("Korea Cruise agency {!call_centre}")


def racket_club(d: _Doc) -> None:
    d.frame = d.pick("racket_club.notice", "racket_club.ledger")
    sport = d.pick("테니스", "배드민턴")
    d.line(f"[{sport} 클럽 공지] {{pick:12월/1월/2월}} 회비 안내")
    d.line("월회비 {!amount:small}, 코트 예약번호 {!booking_number}")
    d.line("총무 {name} 개인 계좌 {bank} {acct} 로 보내 주세요 (문의 {phone})")
    if d.frame.endswith("ledger"):
        d.table([("회원", "{name}"), ("연락처", "?{phone}"), ("납부", "{pick:완료/미납}")], d.r.randrange(3, 7))
    d.line("구청 체육시설 예약 문의 {!org_main_phone}")


def temple_stay(d: _Doc) -> None:
    d.frame = "temple_stay.form"
    d.line("{pick:은하사/청련암/운주사} 템플스테이 {pick:휴식형/체험형} 신청서  신청번호 {!booking_number}")
    d.line("기간 {!date_range}")
    d.fields(("성명(법명)", "{name}"),
             ("생년월일", "{birth}"),
             ("휴대전화", "{phone}"),
             ("이메일", "{email}"))
    d.line("비상연락처 {other} ({pick:배우자/자녀/부모}) {phone}")
    d.line("참가비 {!amount:small} 입금: {bank} {!religious_account} (예금주 대한불교 {pick:은하사/청련암})")
    d.line("취소 시 환불받을 계좌: {bank} {acct} ({name})")
    d.line("종무소 {!org_main_phone}")


def memorial_park(d: _Doc) -> None:
    d.frame = "memorial_park.contract"
    d.line("{org} 봉안당 사용계약서  계약번호 {!contract_number}")
    d.line("안치 위치 {!niche_position}  안치일 {!visit_date}")
    d.person("senior")
    d.line("고인 {name}  주민등록번호 {rrn}  사망일 {!past_event_date:recent}")
    d.person()
    d.line("계약자(유족 대표) {name}, 주민등록번호 {rrn}, 연락처 {phone}")
    d.line("관리비 {!amount} 납부 계좌 {bank} {!foundation_account} (재단법인 {org})")
    d.line("사업자등록번호 {brn} / 법인등록번호 {!corporate_registration} / 설치허가 {!permit_number}")
    d.line("관리사무소 {!org_main_phone}")


def adult_tutoring(d: _Doc) -> None:
    d.frame = "adult_tutoring.chat"
    subject = d.pick("비즈니스 영어", "파이썬", "엑셀", "일본어 회화")
    d.line(f"튜터링크 매칭 채팅 - {subject}")
    d.line("튜터: 안녕하세요 첫 수업은 {!visit_date} 저녁 8시 어떠세요?")
    d.line("수강생 {name}: 좋아요. 수업 자료는 {email} 로 부탁드려요")
    d.line("튜터: 네~ 월 4회 {!amount:small}이고 제 계좌 {bank} {acct} 로 입금해 주세요")
    d.line("튜터: 급한 연락은 " + d.pick("{phone}", "제 인터넷전화 {inet}") + " 로 주세요")
    if d.r.random() < 0.5:
        d.line("수강생 {name}: 제 번호는 {phone} 입니다")
    d.line("시스템: 매칭번호 {!reference_number}, 플랫폼 문의 {!shared_mailbox}")


def cert_exam(d: _Doc) -> None:
    d.frame = "cert_exam.receipt"
    d.line("국가기술자격 {pick:필기/실기} 원서접수 확인증")
    d.line("종목 {pick:전기기능사/지게차운전기능사/제과기능사/정보처리기사}  시험일 {!visit_date}")
    d.person(foreign_share=0.25)
    d.fields(("성명", "{name}"),
             (d.pick("주민등록번호", "주민(외국인)등록번호"), "{id}"),
             ("휴대전화", "{phone}"),
             ("이메일", "{email}"))
    if d.r.random() < 0.4:
        d.field("신분증(운전면허)", "{lic}")
    d.line("응시료 {!amount:small} 결제 카드 {card} 승인번호 {!approval_number}")
    d.line("고객센터 {!call_centre}")


def score_report(d: _Doc) -> None:
    d.frame = d.pick("score_report.en", "score_report.ocr")
    d.ocr = d.frame.endswith("ocr")
    d.line("OFFICIAL SCORE REPORT")
    d.line("Registration No. {!reference_number}   Test Date {!visit_date}")
    d.line("Name {roman}")
    d.line("Date of Birth {birth}")
    d.line("ID (Passport) {pass}")
    listening, reading = d.r.randrange(50, 100) * 5, d.r.randrange(40, 100) * 5
    for part, score in (("Listening", listening), ("Reading", reading), ("Total", listening + reading)):
        d.text(f"{part} ")
        d.negative("test_score", "score_report:test_score", text=str(score))
        d.text("  " if part != "Total" else "\n")
    d.line("성적표 수령 이메일 {email}")
    d.line("Issued {!issue_date}")


def interlibrary_loan(d: _Doc) -> None:
    d.frame = "interlibrary_loan.form"
    d.line("상호대차 신청 내역  신청번호 {!reference_number}")
    d.line("자료: ISBN {!isbn}  청구기호 {!call_number}")
    d.fields(("신청자", "{name}"),
             ("연락처", "{phone}"),
             ("이메일", "{email}"))
    d.line("도착 알림은 문자로 발송되며 수령 기한은 {!due_date}입니다.")
    d.line("도서관 대표 {!org_main_phone}, 상호대차 담당 내선 {!extension}")


def transcript_request(d: _Doc) -> None:
    d.frame = "transcript_request.mail"
    d.line("제목: 졸업생 영문 성적증명서 발급 요청드립니다")
    d.line("학사지원팀 담당자님께,")
    d.line("졸업생 {name}입니다(졸업일 {!past_event_date}). 생년월일은 {birth}입니다.")
    d.line("영문 성적증명서 2부를 우편으로 받고 싶습니다. 수수료는 안내받은 가상계좌 {!virtual_account}로 입금했습니다.")
    d.line("연락은 {phone} 또는 {email} 로 부탁드립니다.")
    d.line("{name} 드림")
    if d.r.random() < 0.5:
        d.line("{phone}")
    d.line("")
    d.line("-- 회신 --")
    d.line("발급번호 {!document_number}로 {!issue_date} 등기({!tracking_number}) 발송했습니다.")
    d.line("학사지원팀 {other} (직통 {direct}, 대표 {!org_main_phone})")


def lab_safety(d: _Doc) -> None:
    d.frame = "lab_safety.roster"
    d.line("연구실 안전교육 이수 명단 (과정 {!course_code}, 교육일 {!visit_date})")
    d.table([("성명", "{name}"), ("생년월일", "{birth}"), ("외국인등록번호", "{frn}"),
             ("연락처", "?{phone}"), ("이메일", "{email}")], d.r.randrange(2, 5), person="foreign")
    d.table([("성명", "{name}"), ("생년월일", "{birth}"), ("연락처", "?{phone}"),
             ("이메일", "{email}")], d.r.randrange(1, 4))
    d.line("연구실 {pick:공학관/자연관} {n:101-520}호, 안전관리팀 {!org_main_phone}")


def blood_test_sms(d: _Doc) -> None:
    d.frame = "blood_test_sms.sms"
    d.line("[Web발신] [{org}] {mname}님({birth:masked}) 혈액검사 결과 안내")
    d.line("공복혈당 {!lab_value} mg/dL, 헤모글로빈 {!lab_value:hb} g/dL, 총콜레스테롤 {!lab_value:chol}")
    d.line("검사일 {!visit_date}, 재검 예약 {!call_centre}")
    d.line("담당 간호사 {other} 직통 {direct}")


def counselling_intake(d: _Doc) -> None:
    d.frame = "counselling_intake.form"
    d.line("{org} 심리상담센터 초기 접수지  접수번호 {!reference_number}")
    d.person(foreign_share=0.25)
    d.fields(("내담자", "{name}"),
             ("생년월일", "{birth}"),
             ("등록번호(바우처 확인)", "{id}"),
             ("연락처", "{phone}"),
             ("이메일", "{email}"))
    d.line("바우처 결제 카드 {card}")
    d.line("비상시 연락할 분 {other} {phone}")
    d.line("센터 대표 {!org_main_phone} / 상담예약 {!call_centre}")


def recovery_group(d: _Doc) -> None:
    d.frame = "recovery_group.contacts"
    d.line("화요 회복모임 연락망 (익명 유지, 외부 공유 금지)")
    d.table([("닉네임", "{pick:새벽/바람/소나무/들꽃/하늘/여름}"), ("전화", "?{phone}"), ("메일", "{email}")],
            d.r.randrange(3, 7))
    d.line("모임 장소 복지관 {n:2-5}층, 후원 계좌 {bank} {!foundation_account} (재단)")
    d.line("복지관 대표 {!org_main_phone}")


def legal_aid(d: _Doc) -> None:
    d.frame = d.pick("legal_aid.form", "legal_aid.foreign")
    d.line("법률구조 상담 신청서  접수 {!reference_number}  상담일 {!visit_date}")
    if d.frame.endswith("foreign"):
        d.person("foreign")
        d.fields(("신청인(Applicant)", "{name}"),
                 ("외국인등록번호(ARC)", "{frn}"),
                 ("여권번호", "{pass}"))
    else:
        d.fields(("신청인", "{name}"),
                 ("주민등록번호", "{rrn}"))
    d.field("연락처", "{phone}")
    d.line("상대방: {pick:(주)다온건설/성광상사/미래인력} (사업자등록번호 {brn})")
    d.line("관련 사건번호 {!case_number}, 청구금액 {!amount}")
    d.line("공단 상담전화 132, 지부 {!org_main_phone}")


def labour_attorney(d: _Doc) -> None:
    d.frame = "labour_attorney.note"
    d.line("[노무 상담 기록] {!visit_date}")
    foreign = d.r.random() < 0.4
    if foreign:
        d.person("foreign")
    d.line("근로자 {name} / 생년월일 {birth} / 연락처 {phone}")
    if foreign:
        d.line("외국인등록번호 {frn}, 체류자격 E-9")
    d.line("사업장 {pick:대한정밀/새봄식당/우리물류}, 사업자등록번호 {brn}, 사업장 대표번호 {!org_main_phone}")
    d.line("입사일 {!past_event_date}, 퇴사일 {!past_event_date:recent}")
    d.line("체불임금 {!amount} (기간 {!date_range}), 급여 입금 계좌 {bank} {acct}")
    d.line("진정 사건번호 {!case_number}, 노무사 사무실 {!org_main_phone}")


def small_claims(d: _Doc) -> None:
    d.frame = "small_claims.complaint"
    d.line("소    장 (소액사건)")
    d.line("원고 {name} ({rrn})")
    d.line("     전화 {phone}  이메일 {email}")
    d.person()
    d.line("피고 {name} ({rrn:masked})")
    d.line("     전화 {phone}" if d.r.random() < 0.5 else "     전화 불명")
    d.line("청구취지: 피고는 원고에게 {!amount} 및 이에 대한 지연손해금을 지급하라.")
    d.line("원고는 {!visit_date} 원고 명의 {bank} 계좌에서 피고 계좌 {acct} 로 송금하였다.")
    d.line("관련 사건 {!case_number}")


def noise_mediation(d: _Doc) -> None:
    if d.r.random() < 0.35:
        d.frame = "noise_mediation.call_stt"
        d.line("[상담 통화 음성기록 자동변환] 접수번호 {!reference_number}")
        d.line("상담원: 이웃사이센터입니다. 성함하고 연락처 말씀해 주시겠어요?")
        d.line("신청인: 네 {name}이고요 번호는 {phone:hangul} 이요", "asked_before", "연락처")
        d.line("상담원: 세대는 어디세요? 신청인: {!unit_number}요. 윗집이 밤마다 뛰어요.")
        d.line("상담원: 결과는 메일로도 드리는데 주소 불러 주세요. 신청인: {email}", "asked_before", "메일")
        d.line("상담원: 방문 진단은 {!visit_date}로 잡아 드릴게요. 문의는 {!call_centre}로 주세요.")
        return
    d.frame = "noise_mediation.form"
    d.line("층간소음 이웃사이센터 현장진단 신청  접수번호 {!reference_number}")
    d.line("신청 세대 {!unit_number} / 상대 세대 {!unit_number}")
    d.fields(("신청인", "{name}"),
             ("연락처", "{phone}"),
             ("이메일", "{email}"))
    d.line("소음 발생 시간대: 밤 10시 이후, 방문 희망일 {!visit_date}")
    d.line("센터 콜센터 {!call_centre}, 관리사무소 {!org_main_phone}")


def reserve_postpone(d: _Doc) -> None:
    d.frame = "reserve_postpone.form"
    d.line("예비군 훈련 연기 신청서")
    d.line("훈련일 {!visit_date}  소집통지서 번호 {!reference_number}")
    d.person(male=True)
    d.fields(("성명", "{name}"),
             ("생년월일", "{birth}"),
             ("주민등록번호", "{rrn}"),
             ("휴대전화", "{phone}"))
    d.line("연기 사유: 해외 출장 ({!flight_number}, 출국 {!visit_date}), 여권번호 {pass}")
    d.line("예비군 중대 {!org_main_phone}")


def alteration_shop(d: _Doc) -> None:
    d.frame = "alteration_shop.slip"
    d.line("{pick:한올/새솜씨/명품}수선  접수증  No.{!receipt_number}")
    d.line("손님 {name}  {phone}")
    d.line("바지 기장 줄임 2벌, 코트 안감 교체  합계 {!amount:small}  (옷 택 바코드 {!barcode})")
    d.line("완성 예정 {!due_date}  카드 {card:masked}  가맹점번호 {!merchant_number}")
    d.line("찾으러 오실 때 이 접수증 지참 / 가게 {!org_main_phone}")


def clan_roster(d: _Doc) -> None:
    d.frame = "clan_roster.table"
    d.line("{pick:김해 김씨/밀양 박씨/전주 이씨} {pick:○○/△△}파 종친회 회원 명부")
    d.table([("성명", "{name}"), ("생년월일", "{birth}"), ("입회일", "{!past_event_date}"), ("연락처", "?{phone}"),
             ("우편번호", "{!postcode}")], d.r.randrange(3, 7), person=d.pick("adult", "senior"))
    d.line("종친회비 {!amount:small}: {bank} {!clan_account} (예금주 종친회)")
    d.line("총무 {other} {phone}")


def ev_subsidy(d: _Doc) -> None:
    d.frame = d.pick("ev_subsidy.form", "ev_subsidy.dealer_memo")
    d.line("{pick:2026/2027}년 전기자동차 구매보조금 지원신청서  접수번호 {!reference_number}")
    d.person(foreign_share=0.2)
    d.fields(("신청인", "{name}"),
             (d.pick("주민등록번호", "주민(외국인)등록번호"), "{id}"),
             ("생년월일", "{birth}"))
    if d.r.random() < 0.5:
        d.line("개인사업자 신청 시 사업자등록번호 {brn}")
    else:
        d.line("신분증 확인: 운전면허 {lic}")
    d.line("보조금 지급 계좌(본인 명의) {bank} {acct}")
    d.line("판매 대리점 {pick:(주)그린모터스/에코오토/제일EV} 사업자등록번호 {brn}, 영업사원 {other} 직통 {direct}")
    d.line("차량 가격 {!amount:large}, 출고 예정 {!due_date}, 차대번호는 출고 후 기재")
    d.line("시청 기후환경과 {!org_main_phone}")


def medical_tourism(d: _Doc) -> None:
    d.frame = "medical_tourism.coordinator"
    d.person("foreign")
    d.line("International Patient Intake / 해외환자 접수  Case {!reference_number}")
    d.line("Patient: {name}")
    d.line("Passport: {pass}  DOB: {birth}")
    d.line("Alien Reg. No. (if any): {frn}" if d.r.random() < 0.4 else "Alien Reg. No.: N/A")
    d.line("Contact e-mail {email}")
    d.line("Deposit card {card} / 예치금 {!amount}")
    d.line("Coordinator {other} {phone} (WhatsApp 가능), 국제진료센터 {!org_main_phone}")
    d.line("Hotel pick-up {!visit_date} {time}, Flight {!flight_number}")


def resort_membership(d: _Doc) -> None:
    d.frame = "resort_membership.transfer"
    d.line("{pick:한화/소노/켄싱턴/대명}리조트 회원권 명의변경 신청서  회원권번호 {!member_number}")
    d.line("[양도인] {name} / 주민등록번호 {rrn} / 연락처 {phone}")
    d.person()
    d.line("[양수인] {name} / 주민등록번호 {rrn} / 이메일 {email}")
    d.line("양수 법인인 경우 사업자등록번호 {brn}")
    d.line("명의변경 수수료 {!amount:small} 입금: {bank} {!company_account} (예금주 (주)리조트)")
    d.line("잔여 이용료 환급 계좌 {bank} {acct}")
    d.line("회원관리팀 {!call_centre}, 팩스 {!org_fax}")


GENRES = {
    "wedding_package": wedding_package, "sports_locker": sports_locker, "kids_swim": kids_swim,
    "academy_note": academy_note, "hospital_reminder": hospital_reminder,
    "checkup_booking": checkup_booking, "apt_preinspection": apt_preinspection,
    "council_election": council_election, "parking_appeal": parking_appeal,
    "accident_chat": accident_chat, "adjuster_note": adjuster_note,
    "carwash_subscription": carwash_subscription, "ev_charger": ev_charger,
    "internet_install": internet_install, "gas_inspection": gas_inspection,
    "water_meter": water_meter, "rental_damage": rental_damage, "airport_pickup": airport_pickup,
    "hotel_front_log": hotel_front_log, "guesthouse_booking": guesthouse_booking,
    "tour_roster": tour_roster, "cruise_manifest": cruise_manifest, "racket_club": racket_club,
    "temple_stay": temple_stay, "memorial_park": memorial_park, "adult_tutoring": adult_tutoring,
    "cert_exam": cert_exam, "score_report": score_report, "interlibrary_loan": interlibrary_loan,
    "transcript_request": transcript_request, "lab_safety": lab_safety,
    "blood_test_sms": blood_test_sms, "counselling_intake": counselling_intake,
    "recovery_group": recovery_group, "legal_aid": legal_aid, "labour_attorney": labour_attorney,
    "small_claims": small_claims, "noise_mediation": noise_mediation,
    "reserve_postpone": reserve_postpone, "alteration_shop": alteration_shop,
    "clan_roster": clan_roster, "ev_subsidy": ev_subsidy, "medical_tourism": medical_tourism,
    "resort_membership": resort_membership,
}
NEG_CATEGORIES = tuple(NEGATIVES)

# --------------------------------------------------------------------------- generation


def _document(index: int, seed: int) -> Document:
    """The document at this position: its genre in turn, its content from its own stream."""
    names = tuple(GENRES)
    genre = names[index % len(names)]
    d = _Doc(genre, random.Random(zlib.crc32(f"{PART}:{seed}:{index}".encode())))
    GENRES[genre](d)
    return d.document()


def generate(count: int = DEFAULT_COUNT, seed: int = 1) -> list[Document]:
    """`count` labelled documents; the same for the same seed, and a prefix of any larger count."""
    if count < 0:
        raise ValueError(f"count must not be negative, not {count}")
    return [_document(i, seed) for i in range(count)]

