"""The fourteenth blind part (`blind14`): labelled Korean documents from school, campus, travel,
money, home-service, leisure, media, lodging, food and pet paperwork that no other part covers:
school-trip consent slips, after-school care sign-ups, youth sports teams, scout medical forms,
university clubs, graduate admissions, thesis committees, teaching-assistant pay, research-grant
expenses, overseas remittances, currency-exchange reservations, mobile-banking chats, card-loss
chatbots, insurance renewal calls, car-accident reports, roadside assistance, parking season
passes, toll refunds, parcel returns from abroad, duty-free pick-ups, airline mileage claims, visa
agencies, embassy appointments, home-shopping call orders, water-purifier rentals, air-conditioner
installs, boiler repairs, farm stays, hunting permits, riding lessons, ski season passes, marathon
bib pick-ups, e-sports contracts, idol auditions, radio prize claims, newspaper subscriptions,
webtoon contracts, model releases, sublets, co-working memberships, franchise applications,
food-truck permits, restaurant no-show lists, catering orders, funeral-wreath orders, pet
adoptions and dog-walker bookings. It was written apart from the rules and from the other parts,
and is never tuned on: its figures are a forecast.

    docs = labelled_blind14.generate(1500, seed=1)

Each genre is written in several forms: forms with `label: value` lines, tables (CSV, TSV, pipes,
Markdown), chats (some lines in English), e-mails, text messages, key=value and JSON lines, prose
notes, scanned pages with OCR noise, English-Korean forms and, where a card pays, card slips.

Conventions:
- A value is whatever identifies or reaches a person: their own mobile, a 050x safe number or a
  070 number that rings a person, their direct line at work, their own e-mail (also at their
  employer's domain), their own account, card, licence, passport, birth date, resident or
  foreigner registration number, and every business registration number (a sole trader's as much
  as a company's).
- A hard negative is a look-alike that is not personal information: an office's or a company's
  main, call-centre or fax number, a bare extension, a company's, church's or foundation's
  account, a virtual account opened for one bill, a shared mailbox (help@, info@, noreply@),
  order, tracking, invoice, case, approval and serial numbers, dates that are not birth dates,
  amounts, postcodes and the like.
- About a tenth of the values are partly masked already (`010-****-5678`, `880101-1******`):
  they are still values. Resident numbers issued since October 2020 carry no check digit and are
  written with their random last digit; every other number with a check digit carries a valid one.
- The same seed gives the same documents, and a smaller count gives a prefix of a larger one.
"""

from __future__ import annotations

import random
import re

import corpus
import labelled
from labelled import Document, Written

PART = "blind14"

FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
MASKED_SHARE = 0.1
ROMAN_GIVEN = ("seoyun", "minjun", "jiwoo", "haeun", "dohyun", "yerin", "siwoo", "chaewon", "junho",
               "gaeun", "taemin", "sohyun", "hyunwoo", "dain", "eunji", "wonbin", "nari", "jaeyoung",
               "bora", "kyungho", "yuna", "sangmin", "hyejin", "donghyuk")
ROMAN_SURNAMES = ("kim", "lee", "park", "choi", "jung", "kang", "cho", "yoon", "jang", "lim", "han",
                  "oh", "seo", "shin", "kwon", "hwang", "ahn", "song", "jeon", "hong")
PERSONAL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                    "icloud.com", "outlook.com", "hotmail.com", "korea.kr", "snu.ac.kr", "yonsei.ac.kr")
GIVEN = ("서윤", "민준", "지우", "하은", "도현", "예린", "시우", "채원", "준호", "가은", "태민", "소현",
         "현우", "다인", "은지", "원빈", "나리", "재영", "보라", "경호", "유나", "상민", "혜진", "동혁",
         "승아", "정훈", "미란", "영수", "순자", "말순", "건우", "하람")
SURNAMES = "김이박최정강조윤장임한오서신권황안송전홍고문양손배백허남심노하곽성차주우구민"
FOREIGN_NAMES = ("NGUYEN VAN AN", "TRAN THI MAI", "SMITH JOHN", "GARCIA MARIA", "WANG FANG",
                 "TANAKA YUKI", "BATBAYAR GANBOLD", "SANTOS ANA", "IVANOVA OLGA", "KHAN AHMED")
# Account shapes by bank: the groups of digits each bank prints.
ACCOUNT_SHAPES = (("국민은행", (6, 2, 6)), ("신한은행", (3, 3, 6)), ("우리은행", (4, 3, 6)),
                  ("하나은행", (3, 6, 5)), ("농협", (3, 4, 4, 2)), ("NH농협", (302, 4, 4, 2)),
                  ("IBK기업은행", (3, 6, 2, 3)), ("카카오뱅크", (3333, 2, 7)), ("토스뱅크", (1000, 4, 4)),
                  ("SC제일은행", (3, 2, 6)), ("새마을금고", (4, 2, 6, 1)), ("우체국", (6, 2, 6)),
                  ("케이뱅크", (3, 3, 6)), ("부산은행", (3, 4, 4, 2)), ("수협", (4, 4, 4)))
LICENCE_REGIONS = {"서울": 11, "부산": 12, "경기": 13, "강원": 14, "충북": 15, "충남": 16, "전북": 17,
                   "전남": 18, "경북": 19, "경남": 20, "제주": 21, "대구": 22, "인천": 23, "광주": 24,
                   "대전": 25, "울산": 26}
PASSPORT_LETTERS = "MMMMMSRGD"
AREA_CODES = ("02", "031", "032", "033", "041", "042", "043", "051", "052", "053", "054", "055",
              "061", "062", "063", "064")
ENGLISH_MONTHS = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")
SEPARATORS = (": ", ": ", ":", " : ", "： ", " - ", " ", ") ", "] ", " / ")


def digits(r: random.Random, n: int) -> str:
    """`n` random digits, leading zeros kept."""
    return f"{r.randrange(10 ** n):0{n}d}"


def josa(word: str, with_final: str, without_final: str) -> str:
    """The particle that follows `word`: Hangul syllables with a final consonant take the first
    form; anything else (digits, Latin letters, open syllables) the second. A closing bracket's
    words are read past, as a reader does: 주민번호(원천징수용) takes 는."""
    last = re.sub(r"\([^()]*\)$", "", word.rstrip())[-1:] or " "
    if "가" <= last <= "힣":
        return with_final if (ord(last) - 0xAC00) % 28 else without_final
    return with_final if last in "0136789LMNlmn" else without_final


# --------------------------------------------------------------------------- values


class Values:
    """Personal values of every kind in the ways people write them, check digits real."""

    def __init__(self, r: random.Random, children: bool = False) -> None:
        self.r = r
        # Papers about children: born 2008 or later, many since the numbers lost their check digit.
        self.born, self.post2020_share = ((2008, 2024), 0.3) if children else ((1942, 2006), 0.03)

    def digits(self, n: int) -> str:
        return digits(self.r, n)

    def name(self) -> str:
        return self.r.choice(SURNAMES) + self.r.choice(GIVEN)

    def masked(self) -> bool:
        return self.r.random() < MASKED_SHARE

    def make(self, kind: str) -> Written:
        return getattr(self, kind)()

    # -- identity numbers

    def _registration(self, foreigner: bool) -> Written:
        r = self.r
        post2020 = not foreigner and r.random() < self.post2020_share
        if post2020:
            y, m, d = corpus.random_date(r, 2021, 2025)
        else:
            y, m, d = corpus.random_date(r, self.born[0], min(self.born[1], 2019))
        if y >= 2000:
            seventh = r.choice((7, 8) if foreigner else (3, 4))
        else:
            seventh = r.choice((5, 6) if foreigner else (1, 2))
        body = [int(c) for c in f"{y % 100:02d}{m:02d}{d:02d}"] + [seventh] + [int(c) for c in self.digits(5)]
        if post2020:
            last = r.randrange(10)
            if last == corpus.resident_check(body, False):
                last = (last + 1) % 10
        else:
            last = corpus.resident_check(body, foreigner)
        ds = "".join(map(str, body)) + str(last)
        kind = "foreigner_registration" if foreigner else "resident"
        if self.masked():
            text = r.choice((f"{ds[:6]}-{ds[6]}******", f"{ds[:6]}-*******", f"{ds[:6]}-{ds[6]}xxxxxx",
                             f"{ds[:2]}****-{ds[6]}******"))
            return Written(kind, text, "masked", True)
        if post2020:
            return Written(kind, f"{ds[:6]}-{ds[6:]}", "post2020", False)
        writing = r.choice(("hyphen", "hyphen", "hyphen", "plain", "spaced", "fullwidth", "dash_variant"))
        text = {"hyphen": f"{ds[:6]}-{ds[6:]}", "plain": ds, "spaced": f"{ds[:6]} - {ds[6:]}",
                "fullwidth": f"{ds[:6]}-{ds[6:]}".translate(FULL),
                "dash_variant": f"{ds[:6]}{r.choice(('‐', '–', '−'))}{ds[6:]}"}[writing]
        return Written(kind, text, writing, False)

    def resident(self) -> Written:
        return self._registration(False)

    def foreigner_registration(self) -> Written:
        return self._registration(True)

    def business_registration(self) -> Written:
        r = self.r
        body = [r.randrange(1, 9)] + [int(c) for c in self.digits(2)] + [r.choice((0, 1, 2, 3, 8, 8, 1))] + \
            [r.randrange(10)] + [int(c) for c in self.digits(4)]
        ds = "".join(map(str, body)) + str(corpus.business_check(body))
        if self.masked():
            return Written("business_registration", r.choice((f"{ds[:3]}-{ds[3:5]}-*****",
                                                              f"{ds[:3]}-**-{ds[5:]}")), "masked", True)
        writing = r.choice(("hyphen", "hyphen", "hyphen", "plain", "spaced", "fullwidth"))
        text = {"hyphen": f"{ds[:3]}-{ds[3:5]}-{ds[5:]}", "plain": ds, "spaced": f"{ds[:3]} {ds[3:5]} {ds[5:]}",
                "fullwidth": f"{ds[:3]}-{ds[3:5]}-{ds[5:]}".translate(FULL)}[writing]
        return Written("business_registration", text, writing, False)

    def credit_card(self, mask: bool | None = None) -> Written:
        """A card number; `mask` forces a partly masked one or a whole one (a slip masks most)."""
        r = self.r
        amex = r.random() < 0.1
        if amex:
            body = [3, r.choice((4, 7))] + [int(c) for c in self.digits(12)]
        else:
            prefix = r.choice(("4", "51", "52", "53", "54", "55", "9410", "9430", "6243", "3568", "4570"))
            body = [int(c) for c in prefix] + [int(c) for c in self.digits(15 - len(prefix))]
        ds = "".join(map(str, body)) + str(corpus.luhn_check(body))
        groups = (ds[:4], ds[4:10], ds[10:]) if amex else (ds[:4], ds[4:8], ds[8:12], ds[12:])
        if self.masked() if mask is None else mask:
            hidden = [groups[0]] + ["*" * len(g) for g in groups[1:-1]] + [groups[-1]]
            if not amex and r.random() < 0.4:
                hidden[1] = groups[1][:2] + "**"
            return Written("credit_card", "-".join(hidden), "masked", True)
        writing = r.choice(("hyphen", "hyphen", "spaced", "plain", "fullwidth"))
        text = {"hyphen": "-".join(groups), "spaced": " ".join(groups), "plain": ds,
                "fullwidth": "-".join(groups).translate(FULL)}[writing]
        return Written("credit_card", text, writing, False)

    def account(self) -> tuple[str, Written]:
        """A bank's name and an account of that bank's shape."""
        r = self.r
        bank, shape = r.choice(ACCOUNT_SHAPES)
        groups = [str(g) if g > 99 else self.digits(g) for g in shape]
        if self.masked():
            middle = len(groups) // 2
            groups[middle] = "*" * len(groups[middle])
            return bank, Written("bank_account", "-".join(groups), "masked", True)
        writing = r.choice(("hyphen", "hyphen", "hyphen", "plain", "spaced"))
        sep = {"hyphen": "-", "plain": "", "spaced": " "}[writing]
        return bank, Written("bank_account", sep.join(groups), writing, False)

    def bank_account(self) -> Written:
        return self.account()[1]

    def phone(self) -> Written:
        r = self.r
        roll = r.random()
        if roll < 0.1:
            return self.direct_line()
        if roll < 0.17:
            head, mid, tail = r.choice(("0502", "0503", "0504", "0505", "0507", "070")), self.digits(4), self.digits(4)
            writing = "safe_number" if head != "070" else "internet_phone"
        else:
            head, mid, tail = "010", str(r.randrange(2000, 9999)), self.digits(4)
            writing = "mobile"
        if self.masked():
            text = r.choice((f"{head}-****-{tail}", f"{head}-{mid[:2]}**-{tail}", f"{head}-{mid}-****",
                             f"{head}****{tail}"))
            return Written("phone", text, "masked", True)
        form = r.choices(("hyphen", "plain", "dot", "spaced", "intl", "fullwidth", "hangul_numerals"),
                         (10, 3, 1.5, 1.5, 1.5, 1, 0.6))[0]
        if form == "intl" and head == "010":
            text = r.choice((f"+82 10-{mid}-{tail}", f"+82-10-{mid}-{tail}", f"+821{'0'}{mid}{tail}"))
        elif form == "hangul_numerals" and head == "010":
            text = " ".join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in (head, mid, tail))
        elif form == "plain":
            text = head + mid + tail
        elif form == "dot":
            text = f"{head}.{mid}.{tail}"
        elif form == "spaced":
            text = f"{head} {mid} {tail}"
        elif form == "fullwidth":
            text = f"{head}-{mid}-{tail}".translate(FULL)
        else:
            form, text = "hyphen", f"{head}-{mid}-{tail}"
        return Written("phone", text, form if writing == "mobile" else f"{writing}_{form}", False)

    def direct_line(self) -> Written:
        """A person's own line at work."""
        area = self.r.choice(AREA_CODES)
        mid = self.r.randrange(2000, 10000) if area == "02" and self.r.random() < 0.6 else self.r.randrange(200, 1000)
        return Written("phone", f"{area}-{mid}-{self.digits(4)}", "direct_line", False)

    def email(self, domain: str | None = None) -> Written:
        r = self.r
        given, sur = r.choice(ROMAN_GIVEN), r.choice(ROMAN_SURNAMES)
        local = r.choice((f"{given}{r.randrange(70, 100)}", f"{sur}.{given}", f"{given}_{sur}",
                          f"{sur}{given}{r.randrange(1, 999)}", f"{given[0]}{sur}{r.randrange(10, 99)}",
                          f"{given}.{r.randrange(1980, 2010)}"))
        domain = domain or r.choice(PERSONAL_DOMAINS)
        if self.masked():
            return Written("email", f"{local[:3]}{'*' * max(3, len(local) - 3)}@{domain}", "masked", True)
        if r.random() < 0.06:
            return Written("email", f"{local} {r.choice(('(at)', '[at]', '골뱅이'))} {domain}", "at_spelled", False)
        if r.random() < 0.05:
            return Written("email", f"{local.upper()}@{domain.upper()}", "upper", False)
        return Written("email", f"{local}@{domain}", "plain", False)

    def driver_license(self) -> Written:
        r = self.r
        region, code = r.choice(tuple(LICENCE_REGIONS.items()))
        year, serial, check = f"{r.randrange(0, 26):02d}", self.digits(6), self.digits(2)
        if self.masked():
            return Written("driver_license", r.choice((f"{code}-{year}-******-{check}", f"{code}-{year}-{serial[:2]}****-**")),
                           "masked", True)
        writing = r.choice(("hyphen", "hyphen", "hyphen", "region", "plain", "spaced"))
        text = {"hyphen": f"{code}-{year}-{serial}-{check}", "region": f"{region} {year}-{serial}-{check}",
                "plain": f"{code}{year}{serial}{check}", "spaced": f"{code} {year} {serial} {check}"}[writing]
        return Written("driver_license", text, writing, False)

    def birth_date(self) -> Written:
        r = self.r
        y, m, d = corpus.random_date(r, *self.born)
        if self.masked():
            return Written("birth_date", r.choice((f"{y}-**-**", f"{y}.{m:02d}.**", f"{y % 100:02d}****", f"****-{m:02d}-{d:02d}")),
                           "masked", True)
        writing = r.choices(("iso", "dot", "dot_short", "korean_date", "short_korean", "yymmdd", "slash", "english"),
                            (3, 3, 1.5, 3, 1, 1.5, 1, 1))[0]
        text = {"iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}", "dot_short": f"{y}.{m}.{d}",
                "korean_date": f"{y}년 {m}월 {d}일", "short_korean": f"{y % 100:02d}년 {m}월 {d}일",
                "yymmdd": f"{y % 100:02d}{m:02d}{d:02d}", "slash": f"{y}/{m:02d}/{d:02d}",
                "english": r.choice((f"{d:02d} {ENGLISH_MONTHS[m - 1]} {y}", f"{ENGLISH_MONTHS[m - 1]} {d}, {y}"))}[writing]
        return Written("birth_date", text, writing, False)

    def passport(self) -> Written:
        r = self.r
        letter = r.choice(PASSPORT_LETTERS)
        new = r.random() < 0.45
        text = f"{letter}{self.digits(3)}{r.choice('ABCDEFGHJK')}{self.digits(4)}" if new else f"{letter}{self.digits(8)}"
        if self.masked():
            return Written("passport", text[:5] + "****", "masked", True)
        if r.random() < 0.08:
            return Written("passport", text.lower(), "lowercase", False)
        return Written("passport", text, "new_format" if new else "old_format", False)


# --------------------------------------------------------------------------- hard negatives


def _negative_makers():
    """Every category of look-alike: how its text is made, and the labels people put before it."""

    d = digits

    def date(r):
        y, m, dd = corpus.random_date(r, 2024, 2027)
        return r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}.{m:02d}.{dd:02d}", f"{y}년 {m}월 {dd}일", f"{m}/{dd}"))

    def main_number(r):
        return r.choice((f"{r.choice(AREA_CODES)}-{r.randrange(200, 1000)}-{r.choice(('0000', '1000', '2000', '1114', '7000'))}",
                         f"{r.choice(AREA_CODES)}-{r.randrange(2000, 10000)}-{r.choice(('0000', '1004', '8000', '5000'))}"))

    def org_account(r):
        bank, shape = r.choice(ACCOUNT_SHAPES)
        return "-".join(str(g) if g > 99 else d(r, g) for g in shape)

    return {
        "order_number": (lambda r: f"{r.choice(('', 'ORD-', 'OD'))}{r.randrange(2024, 2028)}{d(r, 4)}{d(r, 6)}",
                         ("주문번호", "주문 번호", "Order No.", "주문No")),
        "tracking_number": (lambda r: d(r, r.choice((10, 12, 13))), ("운송장번호", "송장번호", "운송장", "Tracking")),
        "invoice_number": (lambda r: f"INV-{r.randrange(2024, 2028)}-{d(r, 5)}", ("청구서번호", "인보이스 번호", "Invoice #")),
        "reservation_code": (lambda r: "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(6)),
                             ("예약번호", "예약코드", "Booking ref", "PNR")),
        "model_number": (lambda r: f"{r.choice(('WPU-', 'AR', 'KRB-', 'SM-', 'LG-'))}{d(r, 4)}{r.choice(('K', 'W', 'AS', ''))}",
                         ("모델명", "모델", "Model")),
        "serial_number": (lambda r: f"{r.choice('ABCDEFGHKLMNPRSTWXYZ')}{d(r, 2)}{r.choice('ABCDEFGHKLMNPRSTWXYZ')}{d(r, 8)}",
                          ("제조번호", "시리얼", "S/N", "제품 일련번호")),
        "event_date": (date, ("일정", "행사일", "접수일", "방문 예정일", "작성일", "계약일")),
        "amount": (lambda r: r.choice((f"{r.randrange(5, 3000) * 1000:,}원", f"₩{r.randrange(10, 900) * 100:,}",
                                       f"{r.randrange(1, 500)}만원", f"{r.randrange(1, 99)}만 {r.randrange(1, 9)}천원",
                                       f"금 {r.randrange(10, 990) * 1000:,}원정")),
                   ("금액", "합계", "결제 금액", "보증금", "참가비")),
        "postcode": (lambda r: f"{r.randrange(1, 64):02d}{d(r, 3)}", ("우편번호", "우)", "Zip")),
        "company_main_phone": (main_number, ("대표번호", "대표전화", "사무실 대표", "본사")),
        "call_centre": (lambda r: f"{r.choice(('1588', '1577', '1544', '1600', '1644', '1899', '1661', '1566'))}-{d(r, 4)}",
                        ("고객센터", "콜센터", "상담센터", "ARS")),
        "extension": (lambda r: r.choice((f"내선 {d(r, 4)}", f"(내선 {d(r, 3)})", f"ext. {d(r, 4)}")), ("교환", "연결", "담당 부서")),
        "company_account": (org_account, ("법인계좌", "회사 계좌", "입금 계좌(법인)", "납부 계좌")),
        "church_account": (org_account, ("교회 헌금계좌", "선교회 계좌", "성당 후원계좌")),
        "foundation_account": (org_account, ("재단 후원계좌", "장학재단 계좌", "협회 계좌")),
        "virtual_account": (lambda r: f"{r.choice(('5620', '2720', '9011', '7960'))}{d(r, 10)}", ("가상계좌", "전용 입금계좌", "납부용 가상계좌")),
        "shared_mailbox": (lambda r: f"{r.choice(('help', 'info', 'support', 'cs', 'contact', 'admin', 'office'))}@"
                                     f"{r.choice(('hanulmall', 'seorae', 'gaon-edu', 'mirae-rent', 'bluepet', 'sunnyfarm', 'daehan-ins'))}"
                                     f"{r.choice(('.co.kr', '.com', '.kr', '.or.kr'))}", ("문의", "대표 메일", "고객 문의 메일")),
        "noreply_mailbox": (lambda r: f"{r.choice(('noreply', 'no-reply', 'donotreply', 'notice'))}@{r.choice(('mail.bankk.co.kr', 'alert.cardpay.com', 'news.ticketon.kr'))}",
                            ("보낸사람", "발신", "From")),
        "office_fax": (main_number, ("팩스", "FAX", "팩스번호")),
        "business_hours": (lambda r: f"{r.choice(('09', '10', '08'))}:00~{r.choice(('17', '18', '19', '21'))}:{r.choice(('00', '30'))}",
                           ("운영시간", "상담시간", "영업시간")),
        "sku": (lambda r: f"{r.choice(('SKU', 'PRD', 'GD'))}-{d(r, 6)}-{r.choice(('BK', 'WH', 'L', 'XL', '01'))}", ("상품코드", "품번", "SKU")),
        "isbn": (lambda r: (lambda b: "978-89-" + "".join(map(str, b[5:])) [:4] + "-" + "".join(map(str, b[9:12])) + "-" + str(corpus.isbn_check(b)))(
            [9, 7, 8, 8, 9] + [int(c) for c in d(r, 7)]), ("ISBN",)),
        "barcode": (lambda r: "880" + d(r, 10), ("바코드", "EAN")),
        "room_number": (lambda r: r.choice((f"{r.randrange(1, 30)}0{r.randrange(1, 9)}호", f"{r.randrange(101, 120)}동 {r.randrange(101, 2504)}호")),
                        ("객실", "호실", "강의실")),
        "case_number": (lambda r: f"{r.randrange(2023, 2027)}{r.choice(('가단', '가소', '고단', '타경'))}{d(r, 5)}", ("사건번호", "사건")),
        "approval_number": (lambda r: d(r, 8), ("승인번호", "카드 승인번호", "승인No")),
        "terminal_id": (lambda r: f"{r.choice(('TID', 'CAT'))}{d(r, 8)}", ("단말기번호", "TID")),
        "meter_number": (lambda r: f"{d(r, 2)}-{d(r, 7)}", ("계량기 번호", "기물번호")),
        "land_lot": (lambda r: f"{r.randrange(1, 999)}-{r.randrange(1, 99)}번지", ("지번", "소재지 지번")),
        "document_number": (lambda r: f"{r.choice(('교무', '총무', '학생', '행정'))}-{r.randrange(1000, 9999)}", ("문서번호", "시행")),
        "flight_number": (lambda r: f"{r.choice(('KE', 'OZ', '7C', 'LJ', 'TW', 'ZE'))}{r.randrange(1, 999):03d}", ("항공편", "편명", "Flight")),
        "bib_number": (lambda r: f"{r.choice(('A', 'B', 'F', 'H'))}{d(r, 4)}", ("배번", "배번호", "BIB")),
        "coupon_code": (lambda r: "-".join("".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(4)) for _ in range(3)),
                        ("쿠폰번호", "쿠폰 코드", "Promo")),
        "mac_address": (lambda r: ":".join(f"{r.randrange(256):02X}" for _ in range(6)), ("MAC", "기기 MAC")),
        "version": (lambda r: f"v{r.randrange(1, 9)}.{r.randrange(0, 20)}.{r.randrange(0, 99)}", ("앱 버전", "버전", "펌웨어")),
        # Each measure keeps the label it goes with: (label, text).
        "measurement": (lambda r: r.choice((("몸무게", f"{r.randrange(20, 95)}.{r.randrange(10)}kg"), ("키", f"{r.randrange(120, 199)}cm"),
                                            ("면적", f"{r.randrange(5, 60)}평"), ("전용면적", f"{r.randrange(15, 130)}.{r.randrange(10, 99)}㎡"),
                                            ("배관 길이", f"{r.randrange(2, 15)}m"))), ("치수",)),
        "time_range": (lambda r: f"{r.randrange(7, 12)}:{r.choice(('00', '30'))}-{r.randrange(13, 22)}:{r.choice(('00', '30'))}",
                       ("시간", "수업 시간", "방문 시간")),
        "course_code": (lambda r: f"{r.choice(('GSE', 'KOR', 'ECO', 'CSE', 'MED'))}{r.randrange(1000, 9999)}-{r.randrange(1, 4):02d}", ("학수번호", "과목코드")),
        "permit_number": (lambda r: f"제{r.randrange(2015, 2027)}-{r.choice(('서울강남', '경기성남', '부산해운대', '대전유성'))}-{d(r, 5)}호",
                          ("신고번호", "허가번호", "영업신고번호")),
        "lot_number": (lambda r: f"LOT{d(r, 6)}{r.choice('ABC')}", ("로트", "LOT No")),
        "seat_number": (lambda r: f"{r.choice('ABCDEFGH')}열 {r.randrange(1, 40)}번", ("좌석", "좌석번호")),
        "contract_number": (lambda r: f"{r.choice(('CT', 'RC', 'K'))}{r.randrange(2024, 2028)}{d(r, 7)}", ("계약번호", "계약 No")),
        "transaction_id": (lambda r: f"{r.choice(('TX', 'T', 'PG'))}{d(r, 14)}", ("거래번호", "거래ID", "PG 거래번호")),
        "hotline": (lambda r: r.choice(("112", "119", "120", "1330", "182", "1345", "110", "1366")), ("신고", "안내", "민원")),
        "vehicle_count_or_year": (lambda r: f"{r.randrange(2015, 2027)}년식", ("연식",)),
        "percentage": (lambda r: f"{r.randrange(1, 99)}.{r.randrange(10)}%", ("할인율", "금리", "수수료율")),
        # In key=value and log lines: a date that is no one's birth date.
        "timestamp": (lambda r: f"{r.randrange(2025, 2028)}-{r.randrange(1, 13):02d}-{r.randrange(1, 29):02d}T"
                                f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}", ("ts", "time")),
        "card_company_line": (lambda r: f"{r.choice(('1588', '1544', '1566'))}-{d(r, 4)}", ("카드사 분실신고", "카드사 ARS")),
    }


NEGATIVES = _negative_makers()

# --------------------------------------------------------------------------- genres

# Labels a kind takes in key=value, JSON and English forms.
KEYS = {
    "resident": ("rrn", "jumin_no", "resident_no", "ssn_kr"),
    "foreigner_registration": ("arc_no", "alien_reg_no", "frn", "foreigner_id"),
    "business_registration": ("biz_no", "brn", "business_no", "saup_no"),
    "credit_card": ("card_no", "card_number", "pan", "cc"),
    "bank_account": ("account_no", "acct", "bank_account", "refund_acct"),
    "phone": ("mobile", "hp", "phone", "tel", "contact"),
    "email": ("email", "e_mail", "mail"),
    "driver_license": ("license_no", "dl_no", "driver_license"),
    "birth_date": ("birth", "dob", "birthday", "birth_date"),
    "passport": ("passport_no", "passport", "pp_no"),
}
# Keys the look-alikes take in key=value and JSON lines (the category's own name otherwise).
NEGATIVE_KEYS = {
    "company_main_phone": "office_tel", "call_centre": "cs_tel", "card_company_line": "card_cs_tel",
    "shared_mailbox": "reply_to", "noreply_mailbox": "sender", "office_fax": "fax", "extension": "ext",
    "company_account": "payee_account", "church_account": "donation_account", "foundation_account": "sponsor_account",
    "virtual_account": "vaccount", "event_date": "date", "vehicle_count_or_year": "model_year", "hotline": "hotline",
    "land_lot": "lot_address", "measurement": "size",
}
ENGLISH_LABELS = {
    "resident": "Resident Reg. No.", "foreigner_registration": "ARC No.", "business_registration": "Business Reg. No.",
    "credit_card": "Card No.", "bank_account": "Account No.", "phone": "Mobile", "email": "E-mail",
    "driver_license": "Driver's Licence", "birth_date": "Date of Birth", "passport": "Passport No.",
}
# What people say before a value in speech and chats, by kind ({v} is the value).
SPOKEN = {
    "resident": ("주민번호 {v} 입니다", "주민등록번호는 {v}요", "주민번호 앞뒤 다 불러드릴게요 {v}"),
    "foreigner_registration": ("외국인등록번호 {v} 입니다", "등록증 번호가 {v}예요", "외국인등록증 {v}"),
    "business_registration": ("사업자번호 {v} 입니다", "사업자등록번호 {v}로 발행해 주세요", "사업자 {v}"),
    "credit_card": ("카드번호 {v} 이에요", "결제는 {v} 카드로 해주세요", "카드 {v} 유효기간은 문자로 보낼게요"),
    "bank_account": ("{bank} {v} 으로 보내주세요", "계좌는 {bank} {v} 예금주 본인이에요", "환불은 {bank} {v}로요"),
    "phone": ("제 번호 {v} 이에요", "연락은 {v}로 주세요", "폰번호 {v} 입니다", "{v} 로 문자 주세요", "핸드폰 {v}"),
    "email": ("메일은 {v} 로 보내주세요", "이메일 {v} 입니다", "{v} 로 서류 보냈어요"),
    "driver_license": ("면허번호 {v} 요", "운전면허 {v} 입니다", "면허증 번호 {v}"),
    "birth_date": ("생년월일 {v} 이에요", "생일은 {v}입니다", "{v}생이에요"),
    "passport": ("여권번호 {v} 입니다", "여권 {v} 으로 등록해 주세요", "여권 번호가 {v}예요"),
}
# The same in English, as foreign customers and bilingual staff write it.
SPOKEN_ENGLISH = {
    "resident": ("my resident number is {v}", "RRN {v}"),
    "foreigner_registration": ("my ARC number is {v}", "alien registration no. {v}", "외국인등록번호 is {v}"),
    "business_registration": ("our business reg. no. is {v}", "사업자번호 {v} pls"),
    "credit_card": ("card number {v}", "pls charge my card {v}"),
    "bank_account": ("my account is {bank} {v}", "please send it to {bank} {v}"),
    "phone": ("my number is {v}", "call me at {v}", "you can reach me on {v}", "폰번호 {v} thx"),
    "email": ("my email is {v}", "send it to {v} please", "email me at {v}"),
    "driver_license": ("driver's license no. {v}", "my license number is {v}"),
    "birth_date": ("DOB {v}", "I was born on {v}", "my birthday is {v}"),
    "passport": ("passport no. {v}", "my passport number is {v}", "여권 {v} 입니다"),
}


class Genre:
    """One kind of paperwork: its titles and issuers, the personal values it asks for (kind and
    the labels it prints), the look-alikes that sit in it, its filler lines and its forms."""

    def __init__(self, name, titles, issuers, fields, negatives, lines, forms, children):
        self.name, self.titles, self.issuers, self.children = name, titles, issuers, children
        self.fields = fields            # ((kind, (label, ...)), ...)
        self.negatives = negatives      # categories
        self.lines = lines              # filler lines
        self.forms = forms


def _g(name, titles, issuers, fields, negatives, lines, forms="form table chat email kv json prose ocr bilingual sms",
       children=False):
    return Genre(name, titles.split("|"), issuers.split("|"), tuple((k, tuple(ls.split("|"))) for k, ls in fields),
                 tuple(negatives.split()), lines.split("|"), tuple(forms.split()), children)


GENRES = (
    _g("school_trip_consent", "2027학년도 해외 수학여행 참가 동의서|제주 수학여행 참가 신청 및 동의서|현장체험학습(수학여행) 보호자 동의서",
       "한빛중학교|서원고등학교 2학년부|새솔초등학교 6학년 담임",
       [("resident", "학생 주민등록번호|주민번호(학생)|학생 주민번호"), ("birth_date", "학생 생년월일|생년월일"),
        ("phone", "보호자 휴대폰|보호자 연락처|비상연락처(부)|비상연락처(모)"), ("passport", "학생 여권번호|여권번호"),
        ("email", "보호자 이메일"), ("bank_account", "여행경비 환불 계좌|환불계좌")],
       "event_date amount company_main_phone virtual_account flight_number document_number room_number",
       "여행자 보험 가입을 위해 주민등록번호가 필요합니다.|알레르기나 복용 약이 있으면 적어 주세요.|"
       "위 학생의 수학여행 참가에 동의합니다.|참가비는 가상계좌로 납부해 주시기 바랍니다.|여권 유효기간이 6개월 이상 남아 있어야 합니다.", children=True),
    _g("after_school_care", "늘봄교실 오후 돌봄 신청서|방과후 돌봄교실 이용 신청|2027 초등돌봄교실 대기 신청",
       "해오름초등학교 돌봄교실|늘봄학교 운영지원실|한솔초 방과후학교",
       [("birth_date", "아동 생년월일|생년월일"), ("phone", "보호자 휴대전화|귀가 동행인 연락처|부 연락처|모 연락처"),
        ("phone", "긴급 연락처"), ("resident", "아동 주민등록번호"), ("email", "학부모 이메일"), ("direct_line", "모 직장 전화|부 직장 직통")],
       "time_range event_date company_main_phone extension document_number amount room_number",
       "맞벌이 가정은 재직증명서를 함께 제출해 주세요.|귀가 방법: 보호자 동행 / 학원 차량|간식비는 월 2만원입니다.|"
       "아동의 귀가 동행인은 최대 2명까지 적을 수 있습니다.", children=True),
    _g("youth_sports_team", "유소년 축구단 선수 등록 카드|리틀야구단 입단 신청서|U-12 농구교실 등록",
       "FC한강 유소년부|성동 리틀야구단|드림 농구아카데미",
       [("resident", "선수 주민번호|주민등록번호"), ("birth_date", "선수 생년월일"), ("phone", "학부모 연락처|학부모 핸드폰|감독 휴대폰"),
        ("bank_account", "회비 환불 계좌"), ("credit_card", "회비 자동결제 카드")],
       "amount measurement event_date company_main_phone sku bib_number time_range",
       "상해보험 가입은 구단에서 일괄 처리합니다.|유니폼 사이즈를 적어 주세요.|주말 리그는 토요일 오전에 열립니다.|"
       "월 회비는 매월 5일 자동결제됩니다.", children=True),
    _g("scout_medical_form", "스카우트 야영 건강조사서|하계 잼버리 참가자 건강 기록지|청소년단 캠프 의료 정보 카드",
       "한국스카우트 서울남부연맹|아람단 제12대|누리 청소년수련원",
       [("birth_date", "생년월일"), ("resident", "주민등록번호|대원 주민번호"), ("phone", "보호자 긴급연락처|부모님 휴대폰"),
        ("phone", "주치의 직통|담당 지도자 연락처")],
       "measurement event_date hotline company_main_phone room_number document_number",
       "알레르기: 땅콩, 갑각류|복용 중인 약: 없음|혈액형과 지병을 적어 주세요.|야영 중 응급상황 시 119 및 보호자에게 연락합니다.|"
       "예방접종 내역은 별도로 제출합니다.", children=True),
    _g("university_club_list", "2027-1학기 중앙동아리 회원 명단|밴드동아리 '소리울' 신입 부원 연락망|등산부 회원 명부",
       "한국대학교 중앙동아리연합회|소리울 밴드|산악회 OB",
       [("phone", "연락처|휴대폰|HP"), ("email", "학교 메일|이메일"), ("birth_date", "생일|생년월일"),
        ("foreigner_registration", "외국인등록번호(교환학생)"), ("bank_account", "회비 환급 계좌")],
       "course_code amount room_number event_date church_account shared_mailbox company_main_phone",
       "동아리방: 학생회관 305호|MT 회비는 총무에게 입금해 주세요.|연락망은 외부 공유 금지!|정기공연 연습은 화·목 저녁입니다."),
    _g("grad_admission", "2027학년도 전기 대학원 입학원서|일반대학원 석사과정 지원서|Graduate Application Form",
       "한국대학교 대학원 입학관리팀|서원대학교 교육대학원|KU Graduate School",
       [("resident", "주민등록번호"), ("foreigner_registration", "외국인등록번호"), ("passport", "여권번호(외국인 지원자)"),
        ("birth_date", "생년월일|Date of Birth"), ("phone", "휴대전화|연락처"), ("email", "이메일|E-mail"),
        ("direct_line", "직장 전화")],
       "course_code event_date amount company_main_phone shared_mailbox document_number postcode",
       "전형료는 환불되지 않습니다.|지도교수 희망: 2지망까지 기재|영어성적표 원본은 우편으로 제출|학력조회 동의서를 첨부해 주세요."),
    _g("thesis_committee", "학위논문 심사위원 위촉 및 심사료 지급 명세|박사학위 청구논문 심사위원회 구성|석사논문 심사료 지급 내역",
       "공과대학 행정실|인문대학 국어국문학과|대학원 학사지원팀",
       [("resident", "주민등록번호(원천징수용)|주민번호"), ("bank_account", "심사료 입금 계좌|계좌번호"), ("phone", "심사위원 연락처|휴대전화"),
        ("email", "이메일"), ("direct_line", "연구실 직통|교수 연구실"), ("business_registration", "사업자등록번호(개인사업자 심사위원)")],
       "amount event_date document_number company_main_phone room_number course_code extension",
       "심사료는 기타소득으로 원천징수 후 지급합니다.|외부 심사위원은 신분증 사본을 첨부해 주세요.|심사 일시는 학과 사무실에서 안내합니다."),
    _g("ta_payroll", "교육조교(TA) 장학금 지급 명단|연구조교 인건비 지급 신청|조교 근무수당 지급 내역",
       "사회과학대학 교학팀|자연과학대학 물리학과|교수학습개발센터",
       [("resident", "주민번호"), ("foreigner_registration", "외국인등록번호"), ("bank_account", "입금계좌|계좌"),
        ("phone", "휴대폰"), ("email", "학교 이메일"), ("birth_date", "생년월일")],
       "amount course_code event_date company_account document_number extension",
       "지급일: 매월 25일|근무시간표를 학기 초에 제출해 주세요.|외국인 조교는 통장 사본을 다시 제출|4대보험 미가입 대상입니다."),
    _g("research_expense", "연구비 집행 증빙 및 참여연구원 인건비 명세|회의비·자문료 지급 신청서|연구활동비 정산서",
       "산학협력단 연구지원팀|기초과학연구실|도시계획연구센터",
       [("business_registration", "거래처 사업자번호|공급자 사업자등록번호|사업자번호"), ("resident", "자문위원 주민번호"),
        ("bank_account", "자문료 입금계좌"), ("credit_card", "연구비카드 번호"), ("phone", "자문위원 연락처|참여연구원 연락처"),
        ("email", "이메일"), ("foreigner_registration", "외국인 연구원 등록번호")],
       "amount approval_number invoice_number event_date company_account terminal_id contract_number",
       "법인카드 사용 시 매출전표를 첨부합니다.|회의록과 참석자 명단을 함께 제출해 주세요.|자문료는 1인 1회 30만원 한도|"
       "부가세 별도 영수증은 반려됩니다."),
    _g("overseas_remittance", "해외송금 신청서|Overseas Remittance Application|유학생 학비 송금 요청",
       "하나은행 외환센터|신한은행 해외송금팀|우리은행 글로벌데스크",
       [("resident", "송금인 주민등록번호"), ("foreigner_registration", "송금인 외국인등록번호|외국인등록번호"),
        ("passport", "여권번호"), ("phone", "송금인 연락처|휴대폰"), ("bank_account", "출금계좌"), ("email", "이메일"),
        ("birth_date", "수취인 생년월일")],
       "amount percentage transaction_id event_date call_centre company_main_phone reservation_code business_hours",
       "송금 사유: 유학 생활비|SWIFT 코드: HNBNKRSE|수취은행 주소를 영문으로 적어 주세요.|연간 송금 한도를 확인해 주세요."),
    _g("currency_exchange", "환전 예약 확인|외화 환전 수령 예약 내역|공항 환전소 수령 안내",
       "KB국민은행 인천공항지점|하나은행 모바일 환전|신한 쏠 환전지갑",
       [("passport", "여권번호"), ("birth_date", "생년월일"), ("phone", "연락처|휴대폰 번호"), ("resident", "주민등록번호"),
        ("foreigner_registration", "외국인등록번호"), ("bank_account", "출금 계좌"), ("driver_license", "신분증(운전면허) 번호")],
       "reservation_code amount percentage event_date call_centre flight_number business_hours",
       "수령 시 본인 신분증을 지참하세요.|환율 우대 90% 적용|수령 가능 기간은 예약일로부터 30일입니다."),
    _g("mobile_banking_chat", "모바일뱅킹 채팅 상담 기록|챗봇 상담 이관 내역|Mobile banking chat transcript",
       "케이뱅크 고객센터|토스뱅크 채팅상담|카카오뱅크 상담센터",
       [("phone", "휴대폰번호"), ("resident", "주민번호 앞자리+뒷자리"), ("bank_account", "계좌번호|이체 받을 계좌"),
        ("driver_license", "운전면허번호"), ("foreigner_registration", "외국인등록번호"), ("birth_date", "생년월일"), ("email", "이메일")],
       "transaction_id call_centre business_hours amount event_date version virtual_account",
       "상담원이 연결되었습니다.|본인 확인을 위해 몇 가지 여쭤볼게요.|이체 한도 상향은 영업점 방문이 필요합니다.|상담이 종료되었습니다."),
    _g("card_loss_chatbot", "카드 분실신고 챗봇 로그|분실·도난 신고 접수 내역|Card loss report chatbot",
       "삼성카드 챗봇|현대카드 디지털상담|BC카드 분실센터",
       [("credit_card", "카드번호|분실 카드"), ("phone", "연락 가능한 번호|휴대폰"), ("birth_date", "생년월일 6자리|생년월일"),
        ("resident", "주민번호"), ("email", "재발급 안내 이메일")],
       "card_company_line call_centre approval_number amount event_date transaction_id business_hours",
       "분실신고가 정상 접수되었습니다.|부정사용 내역이 있으면 알려 주세요.|재발급 카드는 5영업일 내 배송됩니다.|"
       "해외 사용 차단도 함께 설정할까요?"),
    _g("insurance_renewal_call", "자동차보험 갱신 상담 메모|실손보험 갱신 통화 기록|보험 만기 안내 콜 결과",
       "다온손해보험 갱신팀|한결생명 TM센터|보험다모아 상담",
       [("resident", "피보험자 주민번호|주민등록번호"), ("phone", "고객 휴대폰|연락처"), ("credit_card", "자동이체 카드"),
        ("bank_account", "자동이체 계좌"), ("driver_license", "면허번호"), ("email", "청약서 수신 메일"), ("birth_date", "피보험자 생년월일")],
       "contract_number amount event_date call_centre percentage vehicle_count_or_year company_main_phone",
       "고객 요청으로 특약 일부 해지|다음 통화 희망 시간: 오후 2시 이후|녹취 동의 받음|갱신 보험료 전년 대비 3% 인상 안내"),
    _g("car_accident_report", "자동차 사고 접수 내역|교통사고 보험처리 접수서|대물사고 상대방 정보",
       "다온손해보험 사고접수센터|한결화재 보상팀|렌터카 사고처리반",
       [("driver_license", "운전자 면허번호|상대 운전자 면허"), ("phone", "운전자 연락처|상대방 연락처|목격자 연락처"),
        ("resident", "운전자 주민번호"), ("birth_date", "운전자 생년월일"), ("bank_account", "수리비 입금 계좌"), ("email", "이메일")],
       "case_number event_date amount call_centre vehicle_count_or_year land_lot company_main_phone contract_number",
       "사고 장소: 교차로 좌회전 중 추돌|블랙박스 영상 확보|경찰 신고 여부: 미신고|대인 접수 없음, 대물만 처리"),
    _g("roadside_assistance", "긴급출동 서비스 접수|배터리 방전 출동 요청|타이어 펑크 긴급출동 기록",
       "다온손보 긴급출동|마이카 로드서비스|한결화재 현장출동",
       [("phone", "요청자 연락처|기사님 연락처|현장 연락처"), ("driver_license", "운전자 면허번호"), ("birth_date", "계약자 생년월일"),
        ("credit_card", "추가요금 결제 카드")],
       "event_date call_centre model_number vehicle_count_or_year amount land_lot time_range",
       "출동 예상 시간 40분|견인 거리 10km 초과분 유료|차량 위치: 고속도로 갓길|무료 출동 잔여 횟수 3회"),
    _g("parking_season_pass", "주차장 정기권 신청서|공영주차장 월 정기권 등록|입주사 주차 등록 명단",
       "강남구도시관리공단|타워팰리스 주차관리실|하이파킹",
       [("phone", "신청자 연락처|차주 휴대폰"), ("driver_license", "운전면허번호"), ("credit_card", "정기결제 카드"),
        ("email", "이메일"), ("business_registration", "입주사 사업자번호"), ("bank_account", "환불 계좌")],
       "amount event_date company_main_phone virtual_account business_hours room_number approval_number",
       "정기권은 1개월 단위로 갱신됩니다.|경차·친환경차 50% 감면|차량 변경 시 사전에 신고해 주세요."),
    _g("toll_refund", "통행료 과오납 환불 신청|하이패스 미납 통행료 이의신청|통행료 환불 접수",
       "한국도로공사 요금관리|고속도로 통행료 콜센터|하이패스센터",
       [("phone", "신청인 연락처"), ("bank_account", "환불 계좌|입금 계좌"), ("credit_card", "하이패스 카드번호"),
        ("resident", "신청인 주민번호"), ("business_registration", "법인 사업자번호")],
       "amount event_date call_centre transaction_id hotline document_number",
       "환불은 접수 후 영업일 기준 7일 이내|하이패스 단말기 오류로 이중 결제됨|통행 일시와 영업소를 적어 주세요."),
    _g("parcel_return_abroad", "해외직구 반품 신청|국제 반품 배송 접수|해외 셀러 환불 요청",
       "직구로 고객센터|해외배송대행 몰테일즈|글로벌 리턴센터",
       [("phone", "수취인 연락처|연락처"), ("email", "이메일"), ("credit_card", "결제 카드"), ("bank_account", "환불 계좌"),
        ("passport", "통관용 여권번호")],
       "order_number tracking_number amount sku shared_mailbox event_date call_centre barcode",
       "반품 사유: 사이즈 불일치|관부가세 환급은 별도 신청|국제 반송비는 고객 부담|박스 훼손 시 반품 불가"),
    _g("duty_free_pickup", "면세품 인도 예약 확인|출국 면세점 인도장 수령 안내|면세품 교환권",
       "신라면세점 온라인|롯데면세점 인천공항|현대면세점 인도장",
       [("passport", "여권번호"), ("birth_date", "생년월일"), ("phone", "휴대폰"), ("email", "이메일"), ("credit_card", "결제카드")],
       "order_number flight_number amount event_date reservation_code business_hours call_centre barcode",
       "출국 당일 인도장에서 여권과 탑승권을 제시하세요.|면세 한도 초과분은 귀국 시 신고|교환권 분실 시 재발급 불가"),
    _g("mileage_claim", "항공 마일리지 사후 적립 신청|Mileage Retro Claim|가족 마일리지 합산 신청",
       "대한항공 스카이패스|아시아나클럽|제주에어 리프레시포인트",
       [("passport", "여권번호"), ("birth_date", "생년월일|Date of Birth"), ("phone", "연락처"), ("email", "E-mail|이메일"),
        ("resident", "가족 주민번호(합산용)")],
       "flight_number reservation_code event_date seat_number call_centre shared_mailbox amount",
       "탑승일로부터 1년 이내 신청 가능|탑승권 사본을 첨부해 주세요.|가족 합산은 가족관계증명서 필요"),
    _g("visa_agency", "비자 대행 접수 카드|중국 비자 신청 대행 의뢰서|미국 ESTA 대행 신청",
       "한솔여행 비자센터|월드비자 대행|글로벌트래블 비자팀",
       [("passport", "여권번호"), ("resident", "주민번호"), ("birth_date", "생년월일"), ("phone", "연락처|휴대폰"),
        ("email", "이메일"), ("direct_line", "직장 연락처"), ("credit_card", "대행료 결제 카드")],
       "amount event_date company_main_phone reservation_code business_hours shared_mailbox office_fax",
       "여권 원본과 증명사진 2매 제출|발급까지 영업일 5~7일 소요|직장 재직증명서는 3개월 이내 발급분"),
    _g("embassy_booking", "대사관 영사 업무 예약 확인|Consular appointment confirmation|재외공관 방문 예약",
       "주한 베트남대사관 영사과|Embassy of the Philippines, Seoul|주한 몽골대사관",
       [("passport", "Passport No.|여권번호"), ("foreigner_registration", "ARC No.|외국인등록번호"), ("phone", "Phone|연락처"),
        ("email", "Email|이메일"), ("birth_date", "Date of Birth|생년월일")],
       "reservation_code event_date time_range company_main_phone shared_mailbox amount",
       "Please arrive 10 minutes before your appointment.|방문 시 예약 확인서를 출력해 오세요.|Photos must be 3.5 x 4.5 cm."),
    _g("home_shopping_order", "홈쇼핑 전화주문 접수 메모|TV홈쇼핑 ARS 주문 확인|무이자 할부 주문 내역",
       "다온홈쇼핑 주문센터|GS샵 상담|현대홈쇼핑 콜",
       [("phone", "주문자 전화|받는 분 연락처|주문자 휴대폰"), ("credit_card", "결제카드|카드번호"), ("birth_date", "주문자 생년월일"),
        ("email", "이메일"), ("bank_account", "환불계좌")],
       "order_number amount sku call_centre tracking_number event_date percentage model_number coupon_code",
       "12개월 무이자 할부|방송 중 주문 시 사은품 증정|배송은 주문 후 3일 이내|상담원: 김OO"),
    _g("water_purifier_rental", "정수기 렌탈 계약서|비데 렌탈 신청서|렌탈 고객 정보 확인서",
       "코웨이즈 렌탈|청호나이스케어|SK매직렌탈",
       [("resident", "계약자 주민번호|주민등록번호"), ("phone", "계약자 휴대폰|설치 연락처"), ("bank_account", "자동이체 계좌"),
        ("credit_card", "카드 자동이체"), ("email", "이메일"), ("business_registration", "판매점 사업자번호"),
        ("driver_license", "신분증(면허) 번호")],
       "model_number serial_number amount contract_number event_date call_centre percentage postcode",
       "의무사용기간 36개월|3개월마다 필터 교체 방문|중도 해지 시 위약금 발생|설치 희망일을 적어 주세요."),
    _g("aircon_install", "에어컨 설치 예약 확인|냉난방기 설치 작업지시서|시스템에어컨 이전설치 견적",
       "삼성전자 설치협력점|쿨에어 설치센터|LG 베스트샵 배송팀",
       [("phone", "고객 연락처|설치기사 연락처|현장 담당자"), ("business_registration", "설치업체 사업자번호"),
        ("bank_account", "추가비용 입금 계좌"), ("email", "이메일")],
       "model_number serial_number amount event_date time_range call_centre room_number measurement",
       "배관 추가 1m당 2만원|실외기 앵글 설치 별도|설치 후 시운전 확인 서명|타공 필요 여부 확인"),
    _g("boiler_repair", "보일러 AS 접수 내역|난방 고장 출장 수리 기록|보일러 교체 견적서",
       "경동나비엔 서비스|귀뚜라미 AS센터|동네보일러",
       [("phone", "고객 휴대폰|연락처|기사 휴대폰"), ("business_registration", "시공업체 사업자번호"),
        ("bank_account", "수리비 계좌"), ("credit_card", "결제 카드")],
       "model_number serial_number amount event_date call_centre lot_number room_number meter_number",
       "에러코드 E-03 점화 불량|출장비 2만원 별도|부품 교체 후 1년 무상 보증|배기통 누수 점검 권고"),
    _g("farm_stay", "농촌체험 휴양마을 숙박 예약|팜스테이 단체 예약 확인|귀농체험 프로그램 신청",
       "별빛마을 팜스테이|산골농장 체험관|청정들녘 영농조합",
       [("phone", "예약자 연락처|대표자 휴대폰"), ("birth_date", "참가자 생년월일"), ("bank_account", "예약금 환불 계좌"),
        ("business_registration", "농가 사업자번호"), ("email", "이메일"), ("credit_card", "결제 카드")],
       "reservation_code amount event_date room_number company_main_phone land_lot time_range",
       "체크인 15시, 체크아웃 11시|감자 캐기 체험 포함|바비큐 숯 추가 1만원|우천 시 실내 프로그램으로 변경"),
    _g("hunting_permit", "수렵면허 갱신 신청|유해야생동물 포획 허가 신청서|수렵장 사용 신청",
       "경상북도 환경산림과|야생생물관리협회 지부|OO군청 환경과",
       [("resident", "주민등록번호"), ("phone", "연락처|휴대전화"), ("driver_license", "신분증(운전면허)"), ("birth_date", "생년월일"),
        ("bank_account", "포획 포상금 계좌")],
       "permit_number event_date document_number amount company_main_phone land_lot hotline",
       "엽총 보관은 관할 경찰서에서|수렵 강습 이수증 첨부|포획 기간은 11월부터 2월까지"),
    _g("riding_lesson", "승마 강습 등록 카드|유소년 승마교실 신청|승마장 회원 가입서",
       "렛츠런 승마장|초원승마클럽|한강 승마아카데미",
       [("phone", "회원 연락처|보호자 연락처"), ("birth_date", "생년월일"), ("credit_card", "결제 카드"),
        ("email", "이메일"), ("resident", "상해보험용 주민번호")],
       "amount measurement event_date time_range company_main_phone percentage",
       "체중 90kg 이하만 탑승 가능|헬멧과 조끼는 대여|10회 쿠폰은 3개월 내 사용|기승 전 안전교육 필수"),
    _g("ski_season_pass", "스키 시즌권 신청서|가족 시즌권 등록|시즌락커 배정 명단",
       "하이원 시즌권센터|용평 리조트 회원팀|곤지암 스노우",
       [("phone", "연락처"), ("birth_date", "생년월일"), ("credit_card", "결제 카드"), ("email", "이메일"),
        ("resident", "주민번호(본인확인)")],
       "amount event_date room_number reservation_code company_main_phone percentage call_centre coupon_code barcode",
       "시즌권 사진은 얼굴 정면|분실 재발급 수수료 1만원|얼리버드 할인 30%|타인 양도 적발 시 회수"),
    _g("marathon_bib", "마라톤 배번 수령 확인|하프 코스 참가자 명단|배번 대리 수령 위임장",
       "서울달리기연맹|춘천마라톤 조직위|한강나이트런 운영사무국",
       [("phone", "참가자 연락처|비상 연락처"), ("birth_date", "생년월일"), ("passport", "외국인 참가자 여권번호"),
        ("bank_account", "참가비 환불 계좌"), ("email", "이메일")],
       "bib_number amount event_date measurement company_main_phone time_range sku",
       "기념품 티셔츠 사이즈 확인|배번은 가슴에 부착|기록칩은 반납하지 않습니다.|코스 제한시간 3시간"),
    _g("esports_contract", "프로게이머 선수 계약서|e스포츠 연습생 계약 요약|선수 연봉 지급 정보",
       "블루웨이브 게이밍|팀 레드폭스|DN e스포츠",
       [("resident", "선수 주민번호|주민등록번호"), ("passport", "외국인 선수 여권번호"), ("foreigner_registration", "외국인등록번호"),
        ("bank_account", "연봉 입금 계좌"), ("phone", "선수 연락처|보호자 연락처|에이전트 휴대폰"), ("email", "이메일"),
        ("business_registration", "구단 사업자등록번호")],
       "amount contract_number event_date company_main_phone percentage document_number",
       "계약기간 2년, 옵션 1년|미성년 선수는 법정대리인 동의 필요|상금 배분 비율 7:3"),
    _g("idol_audition", "오디션 지원서|신인 개발팀 오디션 접수|연습생 모집 온라인 지원",
       "스타라이트 엔터테인먼트|블룸 뮤직|하이원 엔터 캐스팅팀",
       [("birth_date", "생년월일"), ("phone", "지원자 연락처|보호자 연락처"), ("email", "이메일"),
        ("passport", "해외 지원자 여권번호"), ("foreigner_registration", "외국인등록번호")],
       "measurement event_date company_main_phone shared_mailbox reservation_code time_range",
       "지원 분야: 보컬 / 댄스 / 랩|영상 링크를 첨부해 주세요.|합격자에 한해 개별 연락|서류 심사는 2주 소요"),
    _g("radio_prize", "라디오 경품 당첨자 정보 확인|청취자 사연 당첨 상품 수령 안내|방송 경품 제세공과금 안내",
       "KBS 해피FM 제작팀|MBC 라디오 경품담당|TBN 교통방송",
       [("resident", "주민등록번호(제세공과금)|주민번호"), ("phone", "당첨자 연락처|휴대폰"), ("bank_account", "제세공과금 환급 계좌"),
        ("email", "이메일"), ("birth_date", "생년월일")],
       "amount event_date company_main_phone document_number percentage tracking_number",
       "5만원 초과 경품은 제세공과금 22% 부과|경품은 2주 내 택배 발송|사연은 방송 후 홈페이지에 게재"),
    _g("newspaper_subscription", "신문 구독 신청서|정기구독 자동이체 신청|지국 구독자 명단",
       "한빛일보 강남지국|경제신문 구독센터|주간 시사매거진",
       [("phone", "구독자 연락처|휴대폰"), ("bank_account", "자동이체 계좌"), ("credit_card", "카드 자동결제"),
        ("business_registration", "사업자번호(세금계산서)"), ("email", "이메일")],
       "amount event_date call_centre postcode company_main_phone percentage",
       "첫 3개월 무료 구독|배달 시간 오전 6시 이전|구독 중지는 지국에 전화"),
    _g("webtoon_contract", "웹툰 연재 계약서 요약|작가 원고료 지급 정보|플랫폼 연재 작가 정산 명세",
       "툰스케이프|레진스튜디오|카카오웹툰 파트너팀",
       [("resident", "작가 주민번호"), ("business_registration", "작가 사업자등록번호|개인사업자 번호"), ("bank_account", "정산 계좌"),
        ("phone", "작가 연락처|담당 PD 직통"), ("email", "작가 이메일")],
       "amount percentage contract_number event_date company_main_phone shared_mailbox isbn",
       "MG 회당 50만원, 수익 배분 7:3|단행본 출간 시 별도 계약|휴재는 4주 전 통보"),
    _g("model_release", "초상권 사용 동의서|모델 촬영 계약 및 출연료 지급 정보|Model Release Form",
       "스튜디오 빛담|브랜드 룩북 촬영팀|광고제작사 모션컷",
       [("resident", "모델 주민번호"), ("foreigner_registration", "외국인 모델 등록번호"), ("passport", "Passport No."),
        ("bank_account", "출연료 입금 계좌"), ("phone", "모델 연락처|매니저 연락처"), ("email", "이메일"), ("birth_date", "생년월일")],
       "amount event_date contract_number company_main_phone time_range document_number",
       "촬영 사진은 2년간 온라인 광고에 사용|출연료는 사업소득 3.3% 공제|미성년자는 보호자 서명 필요"),
    _g("sublet_agreement", "전대차 계약서|단기 전대 합의서|방 양도(전대) 확인서",
       "개인 간 계약|쉐어하우스 운영자 중개|대학가 원룸",
       [("resident", "전대인 주민번호|전차인 주민번호"), ("phone", "전대인 연락처|전차인 연락처"), ("bank_account", "보증금 반환 계좌|월세 입금 계좌"),
        ("driver_license", "신분증(운전면허)"), ("foreigner_registration", "전차인 외국인등록번호"), ("email", "이메일")],
       "amount room_number land_lot event_date postcode measurement meter_number",
       "임대인의 전대 동의를 받았음|관리비는 전차인이 부담|계약 종료 시 원상복구"),
    _g("coworking_membership", "코워킹 스페이스 멤버십 신청|공유오피스 입주 계약|데스크 회원 등록 카드",
       "스파크플러스 판교|패스트파이브 역삼|위워크 을지로",
       [("phone", "멤버 연락처|담당자 휴대폰"), ("email", "업무 이메일|이메일"), ("business_registration", "사업자등록번호"),
        ("credit_card", "정기결제 카드"), ("foreigner_registration", "외국인등록번호"), ("passport", "Passport No.")],
       "amount room_number event_date shared_mailbox company_main_phone mac_address contract_number",
       "출입카드 분실 시 재발급비 1만원|회의실 월 10시간 무료|우편물 수령 서비스 포함"),
    _g("franchise_application", "가맹점 개설 상담 신청서|프랜차이즈 가맹 희망자 정보|가맹계약 체결 전 정보공개서 수령 확인",
       "한입치킨 가맹본부|커피온 가맹사업팀|맛나분식 개발팀",
       [("business_registration", "사업자등록번호|예비 가맹점 사업자번호"), ("resident", "주민등록번호"), ("phone", "휴대폰|연락처"),
        ("email", "이메일"), ("bank_account", "가맹비 환불 계좌")],
       "amount land_lot measurement event_date company_main_phone company_account document_number",
       "가맹비 1,100만원(VAT 포함)|정보공개서 수령 후 14일 숙려기간|희망 상권을 적어 주세요."),
    _g("food_truck_permit", "푸드트럭 영업신고 서류|푸드트럭 영업장소 사용 신청|야시장 푸드트럭 참가 명단",
       "OO구청 위생과|한강공원 푸드트럭 운영팀|밤도깨비 야시장",
       [("business_registration", "사업자번호"), ("resident", "신고인 주민번호"), ("phone", "대표 휴대폰|연락처"),
        ("driver_license", "운전면허번호"), ("bank_account", "정산 계좌")],
       "permit_number amount event_date measurement company_main_phone document_number vehicle_count_or_year",
       "위생교육 이수증 첨부|LPG 안전점검 필증 필수|영업 구역 배정은 추첨"),
    _g("noshow_list", "예약 노쇼 고객 명단(내부용)|노쇼 방지 예약금 기록|예약 취소·노쇼 관리 시트",
       "한우오마카세 여의도점|비스트로 온담|스시 하루",
       [("phone", "예약자 번호|연락처"), ("credit_card", "보증 카드"), ("email", "이메일")],
       "reservation_code amount event_date time_range company_main_phone",
       "노쇼 2회 이상 예약 제한|당일 취소 시 예약금 환불 불가|코스 인원 변경은 전날까지"),
    _g("catering_order", "출장 케이터링 주문서|행사 도시락 단체 주문|뷔페 케이터링 견적 확정",
       "온담 케이터링|해피도시락|그린테이블",
       [("phone", "담당자 연락처|주문자 휴대폰"), ("business_registration", "주문사 사업자번호|사업자번호"), ("email", "세금계산서 이메일|이메일"),
        ("credit_card", "결제 카드"), ("direct_line", "담당자 직통")],
       "order_number amount event_date time_range company_main_phone land_lot invoice_number",
       "알레르기 메뉴 별도 표시|최소 주문 30인분|회수는 행사 종료 1시간 후"),
    _g("wreath_order", "근조화환 주문 접수|축하화환 배송 주문서|경조화환 발주 내역",
       "하늘꽃배달|전국꽃배달협회|플라워24",
       [("phone", "주문자 연락처|받는 분 연락처"), ("credit_card", "결제 카드"), ("business_registration", "주문 회사 사업자번호"),
        ("email", "세금계산서 메일")],
       "order_number amount event_date room_number company_main_phone call_centre",
       "리본 문구: 삼가 고인의 명복을 빕니다|배송 장소: OO병원 장례식장|3시간 내 배송|배송 사진 문자로 전송"),
    _g("pet_adoption", "반려동물 입양 신청서|유기견 입양 계약서|고양이 임시보호 후 입양 확인서",
       "OO시 동물보호센터|유기동물 입양카페|한마음 동물구조단",
       [("resident", "입양자 주민번호"), ("phone", "입양자 연락처|휴대폰"), ("driver_license", "신분증(운전면허)번호"),
        ("birth_date", "입양자 생년월일"), ("email", "이메일"), ("bank_account", "책임비 반환 계좌"), ("foreigner_registration", "외국인등록번호")],
       "serial_number amount event_date company_main_phone foundation_account measurement",
       "동물등록(내장칩) 완료|중성화 수술 완료|입양 후 3개월간 사진 공유|파양 시 센터로 반환"),
    _g("dog_walker_booking", "반려견 산책 예약|펫시터 방문 돌봄 예약 확인|도그워커 매칭 내역",
       "멍멍워크|펫플래닛 펫시터|와요 산책",
       [("phone", "보호자 연락처|워커 연락처"), ("business_registration", "펫시터 사업자번호"), ("credit_card", "결제 카드"),
        ("email", "이메일"), ("driver_license", "워커 신분증(면허)")],
       "reservation_code amount time_range event_date room_number call_centre",
       "산책 시간 60분|공동현관 비밀번호는 앱 메시지로만 전달|배변 봉투 지참|물 그릇 꼭 채워 주세요"),
)
GENRE_NAMES = tuple(g.name for g in GENRES)
# Every form a document takes: card slips only in genres where a card pays.
FORMS = ("form", "table", "chat", "email", "kv", "json", "prose", "ocr", "bilingual", "sms", "receipt")

NEG_CATEGORIES = tuple(NEGATIVES)
OTHER_NEGATIVES = ("company_main_phone", "call_centre", "shared_mailbox", "office_fax", "postcode", "extension",
                   "company_account", "church_account", "foundation_account", "virtual_account", "noreply_mailbox",
                   "hotline", "business_hours", "amount", "event_date")


def negative_text(r: random.Random, category: str) -> tuple[str, str]:
    """A look-alike of a category and the label it goes with."""
    make, labels = NEGATIVES[category]
    made = make(r)
    return made if isinstance(made, tuple) else (r.choice(labels), made)


# --------------------------------------------------------------------------- documents


class Item:
    """One line's worth of a document: a personal value with its label, or a look-alike."""

    def __init__(self, kind: str, label: str, written: Written | None = None, bank: str = "", text: str = "") -> None:
        self.kind, self.label, self.written, self.bank, self.text = kind, label, written, bank, text

    @property
    def is_value(self) -> bool:
        return self.written is not None


class _Document:
    """Builds one document of a genre in one form."""

    def __init__(self, r: random.Random, genre: Genre) -> None:
        self.r, self.genre = r, genre
        self.values = Values(r, genre.children)
        self.w = labelled._Writer(genre.name, PART)
        paid_by_card = any(kind == "credit_card" for kind, _ in genre.fields)
        self.form = r.choice(genre.forms + (("receipt",) if paid_by_card else ()))
        self.person = self.values.name()

    # -- what goes in

    def value_item(self, field, spoken: bool = False) -> Item:
        kind, labels = field
        label = self.r.choice(labels)
        while True:
            if kind == "bank_account":
                bank, written = self.values.account()
            else:
                bank, written = "", self.values.make(kind)
            if spoken or written.writing not in ("hangul_numerals", "at_spelled"):
                return Item(written.kind, label, written, bank)

    def negative_item(self) -> Item:
        r = self.r
        category = r.choice(self.genre.negatives) if r.random() < 0.8 else r.choice(OTHER_NEGATIVES)
        label, text = negative_text(r, category)
        return Item(category, label, text=text)

    def items(self, spoken: bool = False) -> list[Item]:
        r = self.r
        fields = list(self.genre.fields)
        r.shuffle(fields)
        chosen = fields[:r.randrange(3, min(6, len(fields)) + 1)]
        out = [self.value_item(f, spoken) for f in chosen]
        out += [self.negative_item() for _ in range(r.randrange(2, 5))]
        r.shuffle(out)
        return out

    # -- writing it

    def put_value(self, item: Item, label: str, label_text: str) -> None:
        if item.bank and self.r.random() < 0.8:
            self.w.add(f"{item.bank} ")
        self.w.value(item.written, label, label_text, self.form)
        if item.bank and self.r.random() < 0.4:
            self.w.add(f" (예금주 {self.values.name()})")

    def put_negative(self, item: Item) -> None:
        self.w.negative(item.kind, item.text, f"{self.form}:{item.label}")

    def put(self, item: Item, label: str, label_text: str) -> None:
        if item.is_value:
            self.put_value(item, label, label_text)
        else:
            self.put_negative(item)

    def filler(self) -> str:
        return self.r.choice(self.genre.lines)

    def build(self) -> Document:
        getattr(self, f"_{self.form}")()
        return self.w.document()

    # -- forms

    def _form(self, sep=None, label_of=lambda item: item.label, situation="label_punct") -> None:
        r, w = self.r, self.w
        opening, closing = r.choice((("", ""), ("", ""), ("■ ", ""), ("[", "]"), ("<", ">"), ("【", "】"), ("『", "』")))
        w.add(f"{opening}{r.choice(self.genre.titles)}{closing}\n")
        w.add(f"{r.choice(('발행', '기관', '접수처', ''))} {r.choice(self.genre.issuers)}\n".lstrip())
        w.add(r.choice(("-" * 30 + "\n", "=" * 24 + "\n", "\n", "")))
        sep = sep or r.choice(SEPARATORS)
        w.add(f"{r.choice(('성명', '이름', '신청인', '성 명'))}{sep}{self.person}\n")
        for i, item in enumerate(self.items()):
            label = label_of(item)
            w.add(f"{r.choice(('', '', '- ', '· ', f'{i + 1}. '))}{label}{sep}")
            self.put(item, situation, label)
            w.add("\n")
            if r.random() < 0.25:
                w.add(self.filler() + "\n")
        w.add(f"\n{self.filler()}\n")
        if r.random() < 0.5:
            w.add(f"{r.choice(('작성일', '신청일'))} {r.randrange(2026, 2028)}. {r.randrange(1, 13)}. {r.randrange(1, 29)}. "
                  f"신청인 {self.person} (서명)\n")

    def _bilingual(self) -> None:
        def label_of(item: Item) -> str:
            if not item.is_value:
                return item.label
            english = ENGLISH_LABELS[item.kind]
            return self.r.choice((f"{item.label} / {english}", f"{english} ({item.label})", english))
        self._form(sep=self.r.choice((": ", " : ", ":")), label_of=label_of, situation="english_label")

    def _ocr(self) -> None:
        r = self.r

        def label_of(item: Item) -> str:
            label = item.label
            if r.random() < 0.4:
                label = " ".join(label)
            if r.random() < 0.3:
                label = label.replace("번호", r.choice(("번 호", "번흐", "빈호"))).replace("연락처", r.choice(("연 락처", "연락쳐")))
            return label
        self._form(sep=r.choice((" : ", ";", " ;", ". ", " | ", "：")), label_of=label_of, situation="ocr_label")
        if r.random() < 0.7:
            self.w.add(r.choice(("| |  ㅣ\n", "~~~ 이하 여백 ~~~\n", "[스캔 1/1]\n", "■■■■□□ 판독불가\n")))

    def _table(self) -> None:
        r, w = self.r, self.w
        fields = list(self.genre.fields)
        r.shuffle(fields)
        columns = fields[:r.randrange(2, min(4, len(fields)) + 1)]
        labels = [r.choice(f[1]) for f in columns]
        category = r.choice([c for c in self.genre.negatives if c != "measurement"])
        neg_label = r.choice(NEGATIVES[category][1])
        style = r.choice(("csv", "tsv", "pipe", "markdown"))
        sep = {"csv": ",", "tsv": "\t", "pipe": " | ", "markdown": " | "}[style]
        lead, tail = ("| ", " |") if style == "markdown" else ("", "")
        w.add(f"{r.choice(self.genre.titles)} ({r.choice(self.genre.issuers)})\n")
        header = ["번호", "성명"] + labels + [neg_label]
        w.add(lead + sep.join(header) + tail + "\n")
        if style == "markdown":
            w.add("|" + "|".join("---" for _ in header) + "|\n")
        for row in range(r.randrange(2, 6)):
            w.add(f"{lead}{row + 1}{sep}{self.values.name()}{sep}")
            for field, label in zip(columns, labels):
                item = self.value_item((field[0], (label,)))
                quote = '"' if style == "csv" and ("," in item.written.text) else ""
                w.add(quote)
                self.w.value(item.written, "table_header", label, f"table_{style}")
                w.add(quote + sep)
            text = negative_text(r, category)[1]
            quote = '"' if style == "csv" and "," in text else ""
            w.add(quote)
            w.negative(category, text, f"table:{neg_label}")
            w.add(quote + tail + "\n")
        if r.random() < 0.6:
            w.add(f"※ {self.filler()}\n")

    def _chat(self) -> None:
        r, w = self.r, self.w
        customer, staff = self.person, r.choice(("상담원", "담당자", "매니저", self.values.name()))
        hour, minute = r.randrange(8, 22), r.randrange(0, 50)
        time = lambda: f"{'오전' if hour < 12 else '오후'} {hour if hour <= 12 else hour - 12}:{minute:02d}"
        style = r.choice(("kakao", "bracket", "plain"))
        english = r.random() < 0.2

        def speaker(who: str) -> None:
            nonlocal minute
            minute = min(59, minute + r.randrange(0, 3))
            w.add({"kakao": f"[{who}] [{time()}] ", "bracket": f"{time()} {who}: ", "plain": f"{who}: "}[style])

        speaker(staff)
        w.add(f"안녕하세요, {r.choice(self.genre.issuers)}입니다. {r.choice(self.genre.titles)} 관련해서 확인 도와드릴게요.\n")
        for item in self.items(spoken=True):
            if item.is_value:
                speaker(staff)
                w.add(f"{item.label} {r.choice(('알려주시겠어요?', '확인 부탁드려요', '말씀해 주세요', '적어주실래요?'))}\n")
                speaker(customer)
                frame = r.choice((SPOKEN_ENGLISH if english else SPOKEN)[item.kind])
                before, after = frame.split("{v}")
                before = before.replace("{bank}", item.bank)
                w.add(before)
                w.value(item.written, "chat_phrase", before.strip() or item.label, "chat")
                w.add(after.replace("{bank}", item.bank) + r.choice(("", "", ".", "!", " ㅎㅎ")) + "\n")
            else:
                speaker(staff)
                w.add(f"참고로 {item.label} ")
                self.put_negative(item)
                w.add(f" {r.choice(('입니다.', '이에요.', '로 안내드려요.', '참고하세요.'))}\n")
        speaker(staff)
        w.add(f"{self.filler()}\n")

    def _sms(self) -> None:
        r, w = self.r, self.w
        w.add(r.choice(("[Web발신]\n", "(광고) ", "[알림톡] ", "")))
        w.add(f"[{r.choice(self.genre.issuers)}] {self.person}님, {r.choice(self.genre.titles)} 접수되었습니다.\n")
        for item in self.items()[:4]:
            w.add(f"▶{item.label}: " if r.random() < 0.6 else f"{item.label} ")
            self.put(item, "sms", item.label)
            w.add("\n")
        w.add(f"{self.filler()}\n")
        if r.random() < 0.7:
            w.add("문의 ")
            w.negative("call_centre", negative_text(r, "call_centre")[1], "sms:문의")
            w.add("\n")

    def _email(self) -> None:
        r, w = self.r, self.w
        sender = self.person
        w.add(f"{r.choice(('보낸 사람', 'From'))}: {sender} <")
        w.value(self.values.email(), "email_header", "From", "email")
        w.add(f">\n{r.choice(('받는 사람', 'To'))}: ")
        w.negative("shared_mailbox", negative_text(r, "shared_mailbox")[1], "email:To")
        w.add(f"\n제목: [{r.choice(self.genre.titles)}] 서류 제출드립니다\n\n")
        w.add(f"안녕하세요. {sender}입니다.\n{r.choice(self.genre.titles)} 관련하여 아래와 같이 보내드립니다.\n\n")
        for item in self.items():
            if r.random() < 0.5:
                w.add(f"{item.label}{josa(item.label, '은', '는')} ")
                self.put(item, "email_sentence", item.label)
                w.add(r.choice((" 입니다.\n", "입니다.\n", " 이고요,\n", " 로 되어 있습니다.\n")))
            else:
                w.add(f"- {item.label}: ")
                self.put(item, "label_punct", item.label)
                w.add("\n")
        w.add(f"\n{self.filler()}\n감사합니다.\n\n{sender} 드림\n")
        if r.random() < 0.6:
            line = self.values.direct_line() if r.random() < 0.5 else self.values.phone()
            label = r.choice(("직통", "Tel", "M.", "휴대폰", "연락처"))
            w.add(f"{label} ")
            w.value(line, "signature", label, "email_signature")
            w.add("\n")

    def _receipt(self) -> None:
        """A card slip: the shop's registration number is a value, its phone and the slip's
        numbers are not."""
        r, w = self.r, self.w
        w.add(r.choice(("[신용카드 매출전표]\n", "** 카드영수증 **\n", "[고객용] 신용승인\n")))
        w.add(f"가맹점명 {r.choice(self.genre.issuers)}\n")
        label = r.choice(("사업자번호", "사업자등록번호", "사업자 No."))
        w.add(f"{label}{r.choice((': ', ' ', ':'))}")
        w.value(self.values.business_registration(), "receipt", label, "receipt")
        w.add(f"  대표 {self.values.name()}\n")
        self._receipt_line("TEL ", "company_main_phone")
        label = r.choice(("카드번호", "카드No", "CARD"))
        w.add(f"{label} ")
        card = self.values.credit_card(mask=r.random() < 0.5)
        w.value(card, "receipt", label, "receipt")
        w.add(f" ({r.choice(('일시불', '3개월', '무이자 6개월'))})\n")
        for lead, category in (("승인번호 ", "approval_number"), ("단말기 ", "terminal_id"), ("거래일시 ", "event_date"),
                               ("합계 ", "amount")):
            if r.random() < 0.8:
                self._receipt_line(lead, category)
        if r.random() < 0.5:
            w.add("연락처(선택) ")
            w.value(self.values.phone(), "receipt", "연락처(선택)", "receipt")
            w.add("\n")
        w.add(r.choice(("감사합니다.\n", "** 이용해 주셔서 감사합니다 **\n", f"{self.filler()}\n")))

    def _receipt_line(self, lead: str, category: str) -> None:
        self.w.add(lead)
        self.w.negative(category, negative_text(self.r, category)[1], f"receipt:{lead.strip()}")
        self.w.add("\n")

    def _kv(self) -> None:
        r, w = self.r, self.w
        sep = r.choice(("\n", " ", "&", " | "))
        w.add(f"{r.choice(('[INFO]', 'INFO', 'submit', 'form_data'))} form={self.genre.name} ")
        if r.random() < 0.6:
            w.add("ts=")
            w.negative("timestamp", negative_text(r, "timestamp")[1], "kv:ts")
            w.add(sep)
        for item in self.items():
            key = r.choice(KEYS[item.kind]) if item.is_value else NEGATIVE_KEYS.get(item.kind, item.kind)
            w.add(f"{key}=")
            if item.is_value:
                self.w.value(item.written, "kv_key", key, "kv")
            else:
                self.put_negative(item)
            w.add(sep)
        w.add("status=OK\n")

    def _json(self) -> None:
        r, w = self.r, self.w
        pretty = r.random() < 0.5
        nl, ind = ("\n", "  ") if pretty else ("", "")
        w.add("{" + nl + f'{ind}"form": "{self.genre.name}", ' .rstrip() + nl + f'{ind}"name": "{self.person}"')
        for item in self.items():
            key = r.choice(KEYS[item.kind]) if item.is_value else NEGATIVE_KEYS.get(item.kind, item.kind)
            w.add(f",{nl or ' '}{ind}\"{key}\": \"")
            if item.is_value:
                self.w.value(item.written, "json_key", key, "json")
            else:
                self.put_negative(item)
            w.add('"')
        w.add(nl + "}\n")

    def _prose(self) -> None:
        r, w = self.r, self.w
        w.add(f"{r.choice(('메모', '상담 메모', '처리 내용', '비고'))}) {self.person} 님, {r.choice(self.genre.titles)} 건. ")
        for item in self.items(spoken=True):
            lead = r.choice((f"{item.label}{josa(item.label, '은', '는')} ", f"{item.label} ", f"확인한 {item.label} "))
            w.add(lead)
            self.put(item, "prose", item.label)
            w.add(r.choice(("이고 ", ", ", "이며 ", ". ", " 확인. ", "(본인 확인) ")))
        w.add(f"{self.filler()}\n")


def generate(count: int = 1500, seed: int = 1) -> list[Document]:
    """`count` documents, genres in a seeded order that repeats; the same seed gives the same
    documents, and a smaller count a prefix of them."""
    order = list(GENRES)
    random.Random(f"{PART}:order:{seed}").shuffle(order)
    return [_Document(random.Random(f"{PART}:{seed}:{i}"), order[i % len(order)]).build() for i in range(count)]


if __name__ == "__main__":
    import sys
    labelled.show(generate(int(sys.argv[1]) if len(sys.argv) > 1 else 12))
