"""The eighth blind part of the labelled Korean documents: payments to people outside the payroll
(lecture fees, research participants, prize winners, freelancers, delivery riders, day labourers),
certificates, inheritance and registry papers, phone and rental contracts, second-hand and café
trades, kye ledgers, bookings, e-tickets, customs, driver call logs, visit and admission
applications, benefit claims, seller information, clinical screening logs, smishing reports,
referral letters and forwarded business cards. Everything is made from a seed; nothing is
downloaded.

    docs = labelled_blind8.generate(1500, seed=1)

The documents use the data model of `labelled.py` (`Document`, `Value`, `Negative`). Read the
figures of this part; never tune rules on it.

Conventions for the numbers a reader could take either way (kept throughout):
- A virtual account issued for one payer's bill (가상계좌 for a tax, a fee or a tuition) belongs to
  the office that issued it: a negative, category "virtual_account".
- A safe number (050x) relays calls to a person but is not that person's number: a negative,
  category "safe_number".
- A named person's own work landline (직통, 사무실 next to a name on a business card or a letter)
  reaches that person: a "phone" value. A bare extension (내선 1234) is a negative, "extension";
  an office's main line, fax and 15xx/080 numbers are negatives ("office_phone", "fax_number",
  "company_number").
- Every business registration number is a value, a sole trader's and a company's alike.
- A company's or shop's account printed for everybody's payments is a negative,
  "company_account"; an account in a person's name (a seller, a club's treasurer, a kye leader,
  a payee) is a value.
- A bare date or account-like number with no label and nothing telling a reader it is personal
  is never recorded as a value.
"""

from __future__ import annotations

import datetime
import random

import corpus
from labelled import Written, _Writer

PART = "blind8"
KINDS = corpus.KINDS

SURNAMES = "김이박최정강조윤장임한오서신권황안송류홍전고문양손배백허유남심노하곽성차주우구민진"
GIVEN = ("영수 정숙 미라 상철 은주 재훈 다현 성민 윤희 경호 주희 태식 혜원 민석 수정 동현 지영 병철 "
         "소연 진우 하람 예린 준혁 가영 종민 세영 명수 은영 기태 서희 용준 보경 창호 유리").split()
FOREIGN_NAMES = ("NGUYEN VAN HUNG", "TRAN THI LAN", "BATBAYAR GANBOLD", "SITI RAHAYU", "ZHANG WEI",
                 "RAHMAN MD ASIF", "PHAM MINH TUAN", "KHAN ALI", "JOHN SMITH", "EMMA WILSON",
                 "SOK CHANNA", "LI NA")
ROMAN_GIVEN = ("youngsu", "jungsook", "mira", "sangchul", "eunju", "jaehoon", "dahyun", "sungmin",
               "yunhee", "kyungho", "juhee", "hyewon", "minseok", "sujung", "donghyun", "jiyoung")
ROMAN_SUR = ("kim", "lee", "park", "choi", "jung", "kang", "cho", "yoon", "jang", "lim", "han", "oh")
DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com", "hotmail.com",
           "yonsei.ac.kr", "khu.ac.kr", "pusan.ac.kr", "kiost.re.kr", "hyundai-eng.co.kr")
CITIES = ("서울특별시 관악구 봉천로", "서울특별시 노원구 동일로", "경기도 수원시 권선구 세권로", "인천광역시 부평구 부평대로",
          "부산광역시 사하구 낙동대로", "대구광역시 달서구 월배로", "광주광역시 북구 첨단과기로", "대전광역시 서구 둔산로",
          "경기도 고양시 일산동구 중앙로", "충청남도 천안시 서북구 불당대로", "전라북도 전주시 완산구 효자로",
          "경상남도 창원시 성산구 중앙대로", "강원특별자치도 원주시 무실로", "제주특별자치도 제주시 연북로")
COMPANIES = ("(주)한결기술", "㈜세온테크", "대명건설(주)", "주식회사 미래로", "(주)누리소프트", "하늘정보통신",
             "㈜다온푸드", "(주)지오엔지니어링", "바른세무회계", "(사)한국청소년문화원", "태평양물산㈜")

# Bank names as written, with the shapes of their personal accounts (digits per group; a string
# is a fixed prefix).
BANK_SHAPES = {
    "국민": ((6, 2, 6),), "KB국민은행": ((6, 2, 6),), "국민은행": ((6, 2, 6),),
    "신한": (("110", 3, 6), ("100", 3, 6)), "신한은행": (("110", 3, 6),),
    "우리": (("1002", 3, 6),), "우리은행": (("1002", 3, 6),),
    "하나": ((3, 6, 5),), "하나은행": ((3, 6, 5),),
    "농협": (("302", 4, 4, 2), ("352", 4, 4, 2), ("301", 4, 4, 2)), "NH농협": (("302", 4, 4, 2),),
    "기업": ((3, 6, 2, 3),), "IBK기업은행": ((3, 6, 2, 3),),
    "카카오뱅크": (("3333", 2, 7),), "카뱅": (("3333", 2, 7),),
    "토스뱅크": (("1000", 4, 4),), "케이뱅크": (("100", 3, 6),),
    "우체국": ((6, 2, 6),), "새마을금고": (("9002", 4, 4, 1), ("9003", 4, 4, 1)),
    "SC제일": ((3, 2, 6),), "신협": (("132", 3, 6),), "부산은행": ((3, 4, 4, 2),),
    "iM뱅크": ((3, 2, 6, 1),), "경남은행": ((3, 2, 7, 1),), "수협": (("1010", 4, 4),),
}
LICENSE_REGIONS = {"서울": 11, "부산": 12, "경기": 13, "강원": 14, "충북": 15, "충남": 16, "전북": 17,
                   "전남": 18, "경북": 19, "경남": 20, "제주": 21, "대구": 22, "인천": 23, "대전": 25,
                   "울산": 26, "경기북부": 28}
HANGUL_ZERO = ("공", "영")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")

GENRES = ("lecture_fee", "research_payment", "researcher_payroll", "prize_tax", "freelancer_settlement",
          "rider_settlement", "daily_payroll", "site_attendance", "employment_certificate",
          "inheritance_agreement", "registry_application", "phone_activation", "rental_contract",
          "secondhand_chat", "cafe_signup", "kye_ledger", "stay_booking", "eticket", "customs_clearance",
          "driver_call_log", "visit_application", "admission_application", "benefit_application",
          "seller_info", "clinical_screening", "smishing_report", "referral_letter", "business_card")
# Tables hold several rows; they are drawn less often.
GENRE_WEIGHTS = {g: 1.0 for g in GENRES} | {"research_payment": 0.7, "researcher_payroll": 0.6,
                                             "daily_payroll": 0.8, "site_attendance": 0.6,
                                             "kye_ledger": 0.6, "cafe_signup": 0.8, "eticket": 1.5,
                                             "visit_application": 1.1}

NEG_CATEGORIES = ("amount", "event_date", "time", "document_number", "project_number", "irb_number",
                  "reservation_number", "ticket_number", "booking_code", "flight_number", "customs_code",
                  "tracking_number", "order_number", "call_number", "car_plate", "service_number",
                  "inmate_number", "exam_number", "workplace_number", "protocol_number", "subject_number",
                  "url", "report_number", "doctor_license", "institution_code", "office_phone", "fax_number",
                  "company_number", "safe_number", "extension", "company_account", "virtual_account", "imei",
                  "usim_serial", "model_number", "property_number", "notary_number", "registry_receipt",
                  "mail_order_number", "postal_code", "contract_number", "member_number", "rider_id",
                  "site_code", "percentage", "version_number", "ip_address")


# (writing, weight) by kind when a genre leaves the way of writing open; "masked" is partly masked.
WRITINGS = {
    "resident": (("hyphen", 6), ("plain", 1.5), ("masked", 2), ("fullwidth", 0.5), ("spaced", 0.5)),
    "foreigner_registration": (("hyphen", 6), ("plain", 1.5), ("masked", 1.5), ("fullwidth", 0.4)),
    "business_registration": (("hyphen", 7), ("plain", 1.5), ("masked", 0.4), ("fullwidth", 0.3),
                              ("spaced", 0.3)),
    "credit_card": (("hyphen", 5), ("spaced", 2), ("plain", 1.5), ("masked", 1.5), ("amex", 0.5)),
    "bank_account": (("hyphen", 6), ("plain", 3), ("spaced", 0.7), ("masked", 1)),
    "phone": (("hyphen", 7), ("plain", 2), ("dot", 1), ("spaced", 1), ("masked", 1.2), ("intl", 0.6),
              ("fullwidth", 0.3), ("bracket", 0.3)),
    "email": (("plain", 9), ("masked", 1), ("spelled", 0.6)),
    "driver_license": (("hyphen", 5), ("region", 3), ("plain", 1.2), ("masked", 0.6)),
    "birth_date": (("dot", 3), ("iso", 2), ("korean_date", 3), ("yymmdd", 2), ("compact", 1),
                   ("short_dot", 1), ("slash", 0.5), ("yy_dot", 1), ("korean_short", 0.7)),
    "passport": (("old_format", 3), ("current_format", 4)),
}
# Ways of writing only some genres use, where people write that way (scans broken across lines,
# numbers spelled in Hangul past a chat filter, airline dates).
# Resident numbers issued since October 2020 ("post2020", no check digit) belong to children here.
EXTRA_WRITINGS = {"resident": {"line_break", "post2020"}, "phone": {"hangul_numerals"},
                  "birth_date": {"airline", "airline_short"}}
# Where the label of a value stands, or why a reader knows the value without one.
SITUATIONS = ("label_punct", "label_plain", "label_english", "label_symbol", "label_above", "lines_away",
              "previous_line", "in_sentence", "in_parentheses", "trailing_label", "shared_label",
              "column_header", "log_key", "bank_name", "bank_name_after", "no_label")


class _Builder:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed)

    # ------------------------------------------------------------------ small helpers

    def d(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def pick(self, *items):
        return self.r.choice(items)

    def chance(self, p: float) -> bool:
        return self.r.random() < p

    def name(self) -> str:
        return self.r.choice(SURNAMES) + self.r.choice(GIVEN)

    def address(self) -> str:
        r = self.r
        return (f"{r.choice(CITIES)} {r.randrange(1, 400)}, {r.randrange(101, 120)}동 "
                f"{r.randrange(1, 25)}0{r.randrange(1, 6)}호")

    def when(self, lo: int = 2024, hi: int = 2026) -> tuple[int, int, int]:
        return corpus.random_date(self.r, lo, hi)

    def won(self, lo: int, hi: int, step: int = 1000, commas: bool = True) -> str:
        amount = self.r.randrange(lo // step, hi // step + 1) * step
        return f"{amount:,}" if commas else str(amount)

    def period(self, longest: int = 300) -> tuple[str, str]:
        """Two dates of one period of at most `longest` days, the start first, written alike."""
        start = datetime.date(*self.when(2023, 2026))
        end = start + datetime.timedelta(days=self.r.randrange(1, longest + 1))
        start, end = (start.year, start.month, start.day), (end.year, end.month, end.day)
        style = self.r.randrange(3)
        fmt = [lambda t: f"{t[0]}-{t[1]:02d}-{t[2]:02d}", lambda t: f"{t[0]}.{t[1]:02d}.{t[2]:02d}",
               lambda t: f"{t[0]}. {t[1]}. {t[2]}."][style]
        return fmt(start), fmt(end)

    # ------------------------------------------------------------------ values

    def _join(self, groups: list[str], writing: str) -> str:
        if writing == "plain":
            return "".join(groups)
        if writing == "spaced":
            return " ".join(groups)
        if writing == "dot":
            return ".".join(groups)
        if writing == "fullwidth":
            return "-".join(groups).translate(FULL)
        if writing == "hangul_numerals":
            zero = self.r.choice(HANGUL_ZERO)
            return " ".join("".join(zero if c == "0" else HANGUL_DIGITS[int(c)] for c in g) for g in groups)
        if writing == "line_break":
            return groups[0] + "-\n" + "-".join(groups[1:])
        return "-".join(groups)

    def resident(self, writing: str, foreigner: bool = False, born: tuple | None = None) -> str:
        r = self.r
        if writing == "post2020":
            y, m, d = corpus.random_date(r, 2021, 2025)
            g = (7 if foreigner else 3) + r.randrange(2)
            s = f"{y % 100:02d}{m:02d}{d:02d}{g}" + self.d(6)
            return s[:6] + "-" + s[6:]
        y, m, d = born or corpus.random_date(r, 1948, 2004)
        g = ((5 if foreigner else 1) if y < 2000 else (7 if foreigner else 3)) + r.randrange(2)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{d:02d}"] + [g] + [int(c) for c in self.d(5)]
        s = "".join(map(str, d12 + [corpus.resident_check(d12, foreigner)]))
        if writing == "masked":
            return s[:6] + "-" + (s[6] + "******" if self.chance(0.75) else "*******")
        return self._join([s[:6], s[6:]], writing)

    def business(self, writing: str) -> str:
        r = self.r
        d9 = [r.randrange(1, 10), r.randrange(10), r.randrange(10), r.randrange(1, 9)] + \
            [int(c) for c in self.d(5)]
        s = "".join(map(str, d9 + [corpus.business_check(d9)]))
        g = [s[:3], s[3:5], s[5:]]
        if writing == "masked":
            return f"{g[0]}-{g[1]}-*****"
        return self._join(g, writing)

    def card(self, writing: str) -> str:
        r = self.r
        if writing == "amex":
            body = [3, r.choice((4, 7))] + [int(c) for c in self.d(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return f"{s[:4]}-{s[4:10]}-{s[10:]}"
        prefix = r.choice(([4, 5, 1, 8], [5, 2, 4, 3], [9, 4, 1, 0], [6, 2, 5, 1], [3, 5, 6, 8],
                           [4, 6, 7, 3], [5, 3, 8, 9], [9, 4, 9, 0]))
        body = prefix + [int(c) for c in self.d(11)]
        s = "".join(map(str, body + [corpus.luhn_check(body)]))
        g = [s[0:4], s[4:8], s[8:12], s[12:]]
        if writing == "masked":
            return r.choice((f"{g[0]}-{g[1][:2]}**-****-{g[3]}", f"{g[0]}-****-****-{g[3]}",
                             f"{g[0]}********{g[3]}", f"{g[0]}-{g[1]}-****-{g[3]}"))
        return self._join(g, writing)

    def account(self, writing: str, bank: str) -> str:
        shape = self.r.choice(BANK_SHAPES[bank])
        g = [p if isinstance(p, str) else self.d(p) for p in shape]
        if writing == "masked":  # the last four digits of the longest group
            i = max(range(len(g)), key=lambda j: len(g[j]))
            g[i] = g[i][:-4] + "****"
            return "-".join(g)
        return self._join(g, writing)

    def mobile_groups(self) -> list[str]:
        return ["010", str(self.r.randrange(2, 10)) + self.d(3), self.d(4)]

    def phone(self, writing: str, landline: bool = False) -> str:
        r = self.r
        if landline:
            area = r.choice(("02", "031", "032", "051", "053", "042", "062", "043", "055", "063"))
            g = [area, str(r.randrange(2, 10)) + self.d(r.choice((2, 3))), self.d(4)]
        else:
            g = self.mobile_groups()
        if writing == "intl":
            return r.choice(("+82 ", "+82-", "+82 (0)")) + g[0][1:] + "-" + g[1] + "-" + g[2]
        if writing == "bracket":
            return f"({g[0]}) {g[1]}-{g[2]}"
        if writing == "masked":
            if self.chance(0.6):
                return f"{g[0]}-{'*' * len(g[1])}-{g[2]}"
            return f"{g[0]}-{g[1][:2]}**-{g[2][:2]}**" if self.chance(0.5) else f"{g[0]}-{g[1]}-****"
        return self._join(g, writing)

    def email(self, writing: str, domain: str | None = None) -> str:
        r = self.r
        local = r.choice((
            lambda: f"{r.choice(ROMAN_GIVEN)}.{r.choice(ROMAN_SUR)}",
            lambda: f"{r.choice(ROMAN_SUR)}{r.choice(ROMAN_GIVEN)}{r.randrange(1, 100):02d}",
            lambda: f"{r.choice(ROMAN_GIVEN)}{r.randrange(1970, 2005)}",
            lambda: f"{r.choice(ROMAN_SUR)}_{r.choice(ROMAN_GIVEN)[:3]}{r.randrange(10, 999)}",
        ))()
        domain = domain or r.choice(DOMAINS)
        if writing == "masked":
            return f"{local[:3]}{'*' * max(3, len(local) - 3)}@{domain}"
        if writing == "spelled":
            return f"{local} 골뱅이 {domain.replace('.', ' 닷 ', 1)}" if self.chance(0.5) else \
                f"{local}(at){domain}"
        return f"{local}@{domain}"

    def licence(self, writing: str) -> str:
        r = self.r
        region = r.choice(list(LICENSE_REGIONS))
        tail = [f"{r.randrange(0, 26):02d}", self.d(6), f"{r.randrange(0, 100):02d}"]
        if writing == "region":
            return region + r.choice((" ", "")) + "-".join(tail)
        if writing == "masked":
            return f"{LICENSE_REGIONS[region]}-{tail[0]}-******-{tail[2]}"
        return self._join([str(LICENSE_REGIONS[region])] + tail, writing)

    def birth(self, writing: str, born: tuple | None = None) -> str:
        y, m, d = born or corpus.random_date(self.r, 1940, 2006)
        months = ("JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC")
        return {
            "iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}", "short_dot": f"{y}.{m}.{d}.",
            "korean_date": f"{y}년 {m}월 {d}일", "korean_short": f"{y % 100:02d}년 {m:02d}월 {d:02d}일",
            "yymmdd": f"{y % 100:02d}{m:02d}{d:02d}", "compact": f"{y}{m:02d}{d:02d}",
            "slash": f"{y}/{m:02d}/{d:02d}", "yy_dot": f"{y % 100:02d}.{m:02d}.{d:02d}",
            "airline": f"{d:02d}{months[m - 1]}{y}", "airline_short": f"{d:02d}{months[m - 1]}{y % 100:02d}",
        }[writing]

    def passport(self, writing: str) -> str:
        r = self.r
        if writing == "current_format":
            return "M" + self.d(3) + r.choice("ABCDEFGHJKLMNPRSTUVWXYZ") + self.d(4)
        return r.choice("MMMMSR") + self.d(8)


    def make(self, kind: str, writing: str | None = None, **kw) -> Written:
        if writing is None:
            table = WRITINGS[kind]
            writing = self.r.choices([w for w, _ in table], [p for _, p in table])[0]
        maker = {
            "resident": lambda: self.resident(writing, False, kw.get("born")),
            "foreigner_registration": lambda: self.resident(writing, True, kw.get("born")),
            "business_registration": lambda: self.business(writing),
            "credit_card": lambda: self.card(writing),
            "bank_account": lambda: self.account(writing, kw.get("bank") or self.bank()),
            "phone": lambda: self.phone(writing, kw.get("landline", False)),
            "email": lambda: self.email(writing, kw.get("domain")),
            "driver_license": lambda: self.licence(writing),
            "birth_date": lambda: self.birth(writing, kw.get("born")),
            "passport": lambda: self.passport(writing),
        }[kind]
        return Written(kind, maker(), writing, writing == "masked")

    def bank(self) -> str:
        return self.r.choice(tuple(BANK_SHAPES))

    # ------------------------------------------------------------------ look-alikes

    def neg_text(self, cat: str) -> str:
        r, d = self.r, self.d
        y, m, dd = self.when()
        if cat == "amount":
            return self.won(10_000, 900_000, 100)
        if cat == "event_date":
            return r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}.{m:02d}.{dd:02d}", f"{y}년 {m}월 {dd}일",
                             f"{y}. {m}. {dd}.", f"{y % 100}.{m:02d}.{dd:02d}"))
        if cat == "time":
            return f"{r.randrange(6, 24):02d}:{r.randrange(60):02d}"
        if cat == "document_number":
            return r.choice((f"제{y}-{d(4)}호", f"{y}-{d(5)}", f"발급 {y}{d(6)}", f"{y}-인사-{d(3)}"))
        if cat == "project_number":
            return r.choice((f"RS-{y}-{d(8)}", f"{d(10)}", f"NRF-{y}R1A2C{d(7)}", f"2{d(3)}-{d(4)}-{d(2)}"))
        if cat == "irb_number":
            return r.choice((f"IRB-{y}-{d(4)}", f"{d(4)}-{d(4)}-HR-{d(3)}-{d(2)}", f"KHSIRB-{y % 100}-{d(3)}"))
        if cat == "reservation_number":
            return r.choice((d(10), f"{y}{m:02d}{dd:02d}{d(4)}", f"R{d(9)}", f"{d(4)}-{d(4)}"))
        if cat == "ticket_number":
            return r.choice(("180", "180", "988", "081")) + r.choice(("-", "")) + "2" + d(9)
        if cat == "booking_code":
            return "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(6))
        if cat == "flight_number":
            return r.choice(("KE", "OZ", "7C", "LJ", "TW", "BX", "RS")) + str(r.randrange(100, 1000))
        if cat == "customs_code":
            return "P" + d(12)
        if cat == "tracking_number":
            return r.choice((d(12), f"{d(4)}-{d(4)}-{d(4)}", d(13), "6" + d(11)))
        if cat == "order_number":
            return r.choice((f"{y}{m:02d}{dd:02d}{d(8)}", d(16), f"ORD-{d(10)}",
                             f"{r.choice(('111', '112', '113', '114', '701', '702'))}-{d(7)}-{d(7)}"))
        if cat == "call_number":
            return r.choice((f"{m:02d}{dd:02d}-{d(4)}", d(9), f"C{d(8)}"))
        if cat == "car_plate":
            return f"{r.randrange(10, 400)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주하허호')} {d(4)}"
        if cat == "service_number":
            return f"{r.randrange(22, 26)}-{r.choice(('71', '76', '72', '73'))}{d(6)}"
        if cat == "inmate_number":
            return r.choice((d(4), f"{d(3)}번", f"{d(4)}번"))
        if cat == "exam_number":
            return r.choice((f"{r.randrange(1, 9)}{d(7)}", f"{y}{d(5)}", f"A{d(6)}", d(8)))
        if cat == "workplace_number":
            return f"{d(3)}-{d(2)}-{d(5)}-{r.randrange(10)}"
        if cat == "protocol_number":
            return r.choice((f"{r.choice(('ABC', 'HM', 'DW', 'SK'))}-{d(3)}-{d(3)}", f"{d(5)}-{y}",
                             f"KCT{d(7)}"))
        if cat == "subject_number":
            return r.choice((f"S{d(2)}-{d(3)}", f"{d(3)}-{d(4)}", f"SCR-{d(4)}", f"{d(2)}{d(3)}"))
        if cat == "url":
            host = r.choice(("bit.ly/", "me2.do/", "han.gl/", "kko.to/", "hoy.kr/", "t.ly/"))
            code = "".join(r.choice("abcdefghijkmnopqrstuvwxyzABCDEFGH0123456789") for _ in range(6))
            return ("http://" if self.chance(0.4) else "") + host + code
        if cat == "report_number":
            return r.choice((f"{y}-{d(7)}", f"제{y}-{d(6)}호", f"{y}{m:02d}{dd:02d}-{d(5)}"))
        if cat == "doctor_license":
            return r.choice((f"제{d(5)}호", d(5), f"{d(6)}"))
        if cat == "institution_code":
            return d(8)
        if cat == "office_phone":
            area = r.choice(("02", "031", "051", "053", "042", "062", "032", "055"))
            return f"{area}-{r.randrange(2, 10)}{d(r.choice((2, 3)))}-{r.choice(('0', '1', '2', '3', '8'))}{d(3)}"
        if cat == "fax_number":
            area = r.choice(("02", "031", "051", "053", "042", "062", "070", "0505"))
            return f"{area}-{r.randrange(2, 10)}{d(r.choice((2, 3)))}-{d(4)}"
        if cat == "company_number":
            return r.choice((f"{r.choice(('1588', '1577', '1544', '1644', '1661', '1670', '1899'))}-{d(4)}",
                             f"080-{d(3)}-{d(4)}", f"{r.choice(('1588', '1600'))}{d(4)}"))
        if cat == "safe_number":
            return f"{r.choice(('0504', '0505', '0507', '0508', '0503'))}-{d(4)}-{d(4)}"
        if cat == "extension":
            return d(r.choice((3, 4)))
        if cat in ("company_account", "virtual_account"):
            if cat == "virtual_account":
                return r.choice((f"{d(3)}-{d(6)}-{d(5)}", d(14), f"5{d(3)}-{d(4)}-{d(6)}", d(16)))
            return self.account(r.choice(("hyphen", "hyphen", "plain")), self.bank())
        if cat == "imei":
            body = [3, 5] + [int(c) for c in d(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return s if self.chance(0.7) else f"{s[:2]}-{s[2:8]}-{s[8:14]}-{s[14]}"
        if cat == "usim_serial":
            return "898205" + d(13)
        if cat == "model_number":
            return r.choice((f"SM-S{r.randrange(900, 940)}N", f"SM-A{r.randrange(100, 600)}N",
                             f"CHP-{r.randrange(1000, 8000)}R", f"WPU-{d(4)}C", f"A{d(4)}"))
        if cat == "property_number":
            return f"{d(4)}-{y - r.randrange(0, 30)}-{d(6)}"
        if cat == "notary_number":
            return r.choice((f"{y}년 증서 제{r.randrange(1, 3000)}호", f"{y}년 제{r.randrange(1, 3000)}호",
                             f"등부 {y}-{d(4)}"))
        if cat == "registry_receipt":
            return r.choice((f"제{r.randrange(1, 99999)}호", f"{y}-{d(6)}"))
        if cat == "mail_order_number":
            return f"제{y}-{r.choice(('서울강남', '서울마포', '경기성남', '부산해운대', '인천연수', '서울금천'))}-{d(4)}호"
        if cat == "postal_code":
            return f"{r.randrange(1, 64):02d}{d(3)}"
        if cat == "contract_number":
            return r.choice((f"C{y}{d(7)}", d(12), f"{d(4)}-{d(6)}"))
        if cat == "member_number":
            return r.choice((d(8), f"M{d(9)}", d(10)))
        if cat == "rider_id":
            return r.choice((f"R{d(6)}", d(7), f"BM{d(6)}"))
        if cat == "site_code":
            return r.choice((f"S{y % 100}-{d(3)}", f"{d(4)}-{d(2)}", f"P{d(5)}"))
        if cat == "percentage":
            return f"{r.randrange(5, 100)}"
        if cat == "version_number":
            return f"{r.randrange(1, 4)}.{r.randrange(0, 10)}.{r.randrange(0, 20)}"
        if cat == "ip_address":
            return ".".join(str(x) for x in (r.choice((45, 103, 185, 27)), r.randrange(256), r.randrange(256),
                                             r.randrange(1, 255)))
        raise ValueError(cat)

    # ------------------------------------------------------------------ writing helpers

    def val(self, w: _Writer, kind: str, label: str = "no_label", label_text: str = "", frame: str = "",
            writing: str | None = None, **kw) -> Written:
        """Writes one value and records it."""
        v = self.make(kind, writing, **kw)
        w.value(v, label, label_text, frame)
        return v

    def field(self, w: _Writer, label_text: str, kind: str, frame: str, sep: str | None = None,
              writing: str | None = None, end: str = "\n", **kw) -> None:
        """A label, a separator and a value on one line."""
        sep = sep if sep is not None else self.pick(": ", " : ", ":", "  ", " ")
        w.add(label_text + sep)
        label = "label_english" if label_text.isascii() else "label_punct" if ":" in sep else "label_plain"
        self.val(w, kind, label, label_text.strip(), frame, writing, **kw)
        w.add(end)

    def neg(self, w: _Writer, cat: str, phrasing: str, text: str | None = None) -> None:
        w.negative(cat, text if text is not None else self.neg_text(cat), phrasing)

    def account_line(self, w: _Writer, frame: str, lead: str = "", holder: str = "") -> None:
        """Bank name, account number and holder, in one of the ways people write them."""
        bank = self.bank()
        style = self.r.randrange(4)
        if style == 0:
            w.add(f"{lead}{bank} ")
            self.val(w, "bank_account", "bank_name", bank, frame, bank=bank)
            w.add(f" {holder}\n" if holder else "\n")
        elif style == 1:
            w.add(f"{lead}입금계좌: {bank} ")
            self.val(w, "bank_account", "label_punct", "입금계좌", frame, bank=bank)
            w.add(f" (예금주 {holder})\n" if holder else "\n")
        elif style == 2:
            w.add(f"{lead}은행명: {bank}\n계좌번호: ")
            self.val(w, "bank_account", "label_punct", "계좌번호", frame, bank=bank)
            w.add(f"\n예금주: {holder}\n" if holder else "\n")
        else:
            w.add(f"{lead}{holder + ' ' if holder else ''}")
            self.val(w, "bank_account", "bank_name_after", bank, frame, bank=bank)
            w.add(f" {bank}\n")

    # ------------------------------------------------------------------ genres

    def lecture_fee(self, w: _Writer) -> None:
        r = self.r
        kind = self.pick("강사료", "자문료", "심사수당", "원고료", "회의참석수당")
        frame = self.pick("form", "hwp", "mail")
        name = self.name()
        if frame == "mail":
            w.add(f"{name} 교수님께,\n")
            self.neg(w, "event_date", "지난 행사일")
            w.add(f" {self.pick('특강', '자문회의', '심사')}에 참석해 주셔서 감사합니다. {kind} ")
            self.neg(w, "amount", kind, f"{r.randrange(10, 61) * 10_000:,}")
            w.add("원 지급을 위해 아래 정보를 회신 부탁드립니다.\n(기타소득 8.8% 원천징수 후 지급)\n\n--- 회신 ---\n")
            w.add("성함: " + name + "\n주민번호: ")
            self.val(w, "resident", "label_punct", "주민번호", "mail.reply")
            w.add("\n")
            self.account_line(w, "mail.reply", holder=name)
            if self.chance(0.6):
                w.add("연락처는 ")
                self.val(w, "phone", "in_sentence", "연락처는", "mail.reply")
                w.add(" 입니다.\n")
            w.add("담당: 교육지원팀 주무관 (내선 ")
            self.neg(w, "extension", "내선")
            w.add(")\n")
            return
        w.add(f"{kind} 지급 신청서\n\n")
        w.add(f"■ 행사명: {self.pick('2025 청렴 특강', '신규 공무원 역량교육', '연구윤리 세미나', '사업 평가위원회')}\n일시: ")
        self.neg(w, "event_date", "일시")
        w.add(" " + self.neg_text("time") + "~\n")
        w.add("■ 지급 대상자\n성    명: " + name + "\n")
        foreign = self.chance(0.25)
        if frame == "hwp":
            w.add("주민등록번호(외국인등록번호)\n")
            self.val(w, "foreigner_registration" if foreign else "resident", "label_above",
                     "주민등록번호(외국인등록번호)", "hwp")
            w.add("\n")
        else:
            self.field(w, "외국인등록번호" if foreign else "주민등록번호", "foreigner_registration" if foreign else "resident",
                       "form")
        w.add(f"소    속: {self.pick('한국대학교', '(주)한결기술', '프리랜서', '○○연구원')}\n")
        if self.chance(0.5):
            self.field(w, "휴대전화", "phone", frame)
        if self.chance(0.7):
            self.field(w, "E-mail", "email", frame)
        self.account_line(w, frame, holder=name)
        gross = r.randrange(10, 151) * 10_000
        tax = gross * 8 // 100 // 10 * 10  # other income: 60% deemed expenses, 20% on the rest
        w.add("■ 지급액\n총지급액 ")
        self.neg(w, "amount", "총지급액", f"{gross:,}")
        w.add("원 / 소득세 ")
        self.neg(w, "amount", "소득세", f"{tax:,}")
        w.add("원 / 지방소득세 ")
        self.neg(w, "amount", "지방소득세", f"{tax // 100 * 10:,}")
        w.add("원\n위 금액을 청구합니다.  ")
        self.neg(w, "event_date", "청구일")
        w.add(f"\n신청인 {name} (서명)\n")

    def research_payment(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("csv", "table", "sheet")
        w.add("연구참여자 사례비 지급 명단\n과제번호: ")
        self.neg(w, "project_number", "과제번호")
        w.add("  IRB 승인번호: ")
        self.neg(w, "irb_number", "IRB 승인번호")
        w.add("\n")
        sep = {"csv": ",", "table": " | ", "sheet": "\t"}[frame]
        # Fees above the tax-free limit are reported, so some lists carry resident numbers.
        id_col = self.pick("", "생년월일", "생년월일", "주민등록번호", "주민(외국인)등록번호")
        phone_col = self.chance(0.5)
        cols = ["연번", "성명"] + ([id_col] if id_col else []) + (["연락처"] if phone_col else []) + \
            ["은행", "계좌번호", "사례비"]
        w.add(sep.join(cols) + "\n")
        for i in range(r.randrange(3, 7)):
            w.add(sep.join([str(i + 1), self.name()]) + sep)
            if id_col == "생년월일":
                self.val(w, "birth_date", "column_header", id_col, frame,
                         self.pick("iso", "dot", "yymmdd", "compact"))
                w.add(sep)
            elif id_col:
                foreign = id_col != "주민등록번호" and self.chance(0.35)
                self.val(w, "foreigner_registration" if foreign else "resident", "column_header", id_col, frame,
                         self.pick("hyphen", "hyphen", "plain", "masked"))
                w.add(sep)
            if phone_col:
                self.val(w, "phone", "column_header", "연락처", frame, self.pick("hyphen", "hyphen", "plain"))
                w.add(sep)
            bank = self.bank()
            w.add(bank + sep)
            self.val(w, "bank_account", "column_header", "계좌번호", frame, self.pick("hyphen", "plain"), bank=bank)
            w.add(sep)
            self.neg(w, "amount", f"{frame}.사례비", f"{r.choice((30000, 50000, 20000, 100000)):,}"
                     if frame != "csv" else str(r.choice((30000, 50000, 20000, 100000))))
            w.add("\n")
        w.add(f"※ 사례비는 {self.pick('참여 완료 후 2주 이내', '월말 일괄')} 입금됩니다.\n")

    def researcher_payroll(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("table", "tsv")
        sep = " | " if frame == "table" else "\t"
        w.add(f"참여연구원 인건비 지급 명단 ({self.pick('2025년 3월', '2025년 4월', '2026년 1월')})\n연구기관: "
              f"{self.pick('한국대학교 산학협력단', '○○과학기술원', '(재)미래융합연구원')} (사업자번호 ")
        self.val(w, "business_registration", "in_sentence", "사업자번호", frame, "hyphen")
        w.add(")\n")
        w.add(sep.join(("성명", "구분", "주민등록번호", "참여율(%)", "지급액", "입금계좌")) + "\n")
        for _ in range(r.randrange(3, 6)):
            foreign = self.chance(0.3)
            w.add(self.name() + sep + self.pick("석사과정", "박사과정", "연구교수", "학부연구생") + sep)
            self.val(w, "foreigner_registration" if foreign else "resident", "column_header", "주민등록번호", frame,
                     self.pick("hyphen", "hyphen", "masked"))
            w.add(sep)
            self.neg(w, "percentage", f"{frame}.참여율")
            w.add(sep)
            self.neg(w, "amount", f"{frame}.지급액")
            w.add(sep)
            bank = self.bank()
            w.add(bank + " ")
            self.val(w, "bank_account", "column_header", "입금계좌", frame, "hyphen", bank=bank)
            w.add("\n")

    def prize_tax(self, w: _Writer) -> None:
        frame = self.pick("sms", "mail", "reply")
        name = self.name()
        prize = self.pick("갤럭시 탭", "제주 왕복 항공권", "상품권 100만원", "다이슨 청소기", "LG 스탠바이미")
        worth = self.r.randrange(60, 300) * 10_000
        w.add(f"[{self.pick('이벤트 당첨 안내', '경품 당첨 축하드립니다', '당첨자 제세공과금 안내')}]\n{name}님, "
              f"{prize} 경품에 당첨되셨습니다.\n경품가액 ")
        self.neg(w, "amount", "경품가액", f"{worth:,}")
        w.add("원의 22% 제세공과금(")
        self.neg(w, "amount", "제세공과금", f"{worth * 22 // 100:,}")
        w.add("원)은 당첨자 부담입니다.\n입금처: ")
        bank = self.bank()
        w.add(f"{bank} ")
        self.neg(w, "company_account", "입금처 (회사 계좌)", self.account("hyphen", bank))
        w.add(f" {self.pick(*COMPANIES)}\n")
        if frame == "sms":
            w.add("원천징수 신고를 위해 주민등록번호 13자리와 주소를 회신 바랍니다.\n문의 ")
            self.neg(w, "company_number", "문의")
            w.add("\n")
            return
        w.add("당첨번호 ")
        self.neg(w, "reservation_number", "당첨번호")
        w.add("\n\n> 회신\n")
        if frame == "reply":
            w.add(f"{name} / ")
            self.val(w, "resident", "lines_away", "주민등록번호 13자리", "reply.slash", self.pick("hyphen", "plain"))
            w.add(" / ")
            self.val(w, "phone", "no_label", "", "reply.slash", "hyphen")
            w.add(f"\n{self.address()}\n")
        else:
            w.add("이름: " + name + "\n")
            self.field(w, "주민번호", "resident", "mail")
            self.field(w, self.pick("휴대폰", "연락처", "HP"), "phone", "mail")
            w.add(f"주소: {self.address()}\n")
            if self.chance(0.5):
                w.add("경품 배송 관련 연락은 메일로 주세요 ")
                self.val(w, "email", "no_label", "", "mail")
                w.add("\n")

    def freelancer_settlement(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("sheet", "letter")
        company = self.pick(*COMPANIES)
        name = self.name()
        w.add(f"프리랜서 용역비 정산서\n지급처: {company} (사업자등록번호 ")
        self.val(w, "business_registration", "in_sentence", "사업자등록번호", frame)
        start, end = self.period(31)
        w.add(")\n정산기간: ")
        self.neg(w, "event_date", "정산기간", start)
        w.add(" ~ ")
        self.neg(w, "event_date", "정산기간", end)
        w.add("\n\n[수령인]\n")
        w.add(f"성명 {name}\n")
        foreign = self.chance(0.25)
        self.field(w, "외국인등록번호" if foreign else self.pick("주민등록번호", "주민번호"),
                   "foreigner_registration" if foreign else "resident", frame)
        if self.chance(0.6):
            self.field(w, self.pick("연락처", "휴대폰"), "phone", frame)
        if self.chance(0.6):
            self.field(w, self.pick("이메일", "Email"), "email", frame)
        self.account_line(w, frame, holder=name)
        gross = r.randrange(30, 800) * 10_000
        tax = gross * 3 // 100 // 10 * 10
        local = tax // 100 * 10
        w.add("\n[정산내역]\n용역금액 ")
        self.neg(w, "amount", "용역금액", f"{gross:,}")
        w.add(" / 사업소득세(3%) ")
        self.neg(w, "amount", "사업소득세", f"{tax:,}")
        w.add(" / 지방소득세(0.3%) ")
        self.neg(w, "amount", "지방소득세", f"{local:,}")
        w.add(" / 실지급액 ")
        self.neg(w, "amount", "실지급액", f"{gross - tax - local:,}")
        w.add(f"\n지급예정일 {r.randrange(5, 26)}일\n")

    def rider_settlement(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("app", "sheet", "sms")
        name = self.name()
        w.add(f"[{self.pick('배민커넥트', '쿠팡이츠 파트너', '바로고', '생각대로', '부릉')}] 주간 정산 내역\n")
        w.add(f"라이더 {name} (ID ")
        self.neg(w, "rider_id", "라이더 ID")
        start, end = self.period(6)
        trips = r.randrange(20, 180)
        total = trips * r.randrange(30, 45) * 100
        w.add(")\n정산 주차: ")
        self.neg(w, "event_date", "정산 주차", start)
        w.add(" ~ ")
        self.neg(w, "event_date", "정산 주차", end)
        w.add(f"\n배달 {trips}건 / 배달료 합계 ")
        self.neg(w, "amount", "배달료 합계", f"{total:,}")
        w.add("원\n원천징수(3.3%) -")
        self.neg(w, "amount", "원천징수", f"{total * 33 // 1000 // 10 * 10:,}")
        w.add("원\n고용·산재보험 -")
        self.neg(w, "amount", "고용보험", f"{total * 8 // 1000 // 10 * 10:,}")
        w.add("원\n")
        if frame == "sms":
            w.add("입금 예정 계좌 ")
            bank = self.bank()
            w.add(bank + " ")
            self.val(w, "bank_account", "label_plain", "입금 예정 계좌", frame, "masked", bank=bank)
            w.add("\n")
        else:
            self.account_line(w, frame, holder=name)
        if self.chance(0.8):
            self.field(w, self.pick("운전면허", "이륜차 면허번호", "면허번호"), "driver_license", frame)
        if self.chance(0.4):
            w.add("등록 연락처 ")
            self.val(w, "phone", "label_plain", "등록 연락처", frame)
            w.add("\n")
        w.add("대행사 ")
        w.add(self.pick(*COMPANIES) + " 사업자번호 ")
        self.val(w, "business_registration", "label_plain", "사업자번호", frame)
        w.add("\n문의: 라이더센터 ")
        self.neg(w, "company_number", "라이더센터")
        w.add("\n")

    def daily_payroll(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("csv", "table")
        sep = "," if frame == "csv" else " | "
        w.add(f"일용노무비 지급명세서\n현장명: {self.pick('○○아파트 신축공사', '△△물류센터 증축', '□□초 리모델링')} (현장코드 ")
        self.neg(w, "site_code", "현장코드")
        w.add(f")\n시공사: {self.pick(*COMPANIES)}  사업자등록번호 ")
        self.val(w, "business_registration", "label_plain", "사업자등록번호", frame)
        w.add("\n")
        phone_col = self.chance(0.4)
        w.add(sep.join(("성명", "주민(외국인)등록번호", "직종", "출역일수", "노임단가", "지급액", "은행", "계좌번호")
                       + (("연락처",) if phone_col else ())) + "\n")
        for _ in range(r.randrange(3, 7)):
            foreign = self.chance(0.45)
            w.add((self.pick(*FOREIGN_NAMES) if foreign else self.name()) + sep)
            self.val(w, "foreigner_registration" if foreign else "resident", "column_header", "주민(외국인)등록번호",
                     frame, self.pick("hyphen", "hyphen", "plain"))
            w.add(sep + self.pick("형틀목공", "철근공", "보통인부", "조적공", "신호수") + sep + str(r.randrange(3, 23)) + sep)
            self.neg(w, "amount", f"{frame}.노임단가", str(r.choice((150000, 180000, 200000, 230000, 250000))))
            w.add(sep)
            self.neg(w, "amount", f"{frame}.지급액", str(r.randrange(5, 60) * 100_000))
            bank = self.bank()
            w.add(sep + bank + sep)
            self.val(w, "bank_account", "column_header", "계좌번호", frame, self.pick("hyphen", "plain"), bank=bank)
            if phone_col:
                w.add(sep)
                self.val(w, "phone", "column_header", "연락처", frame, self.pick("hyphen", "plain"))
            w.add("\n")

    def site_attendance(self, w: _Writer) -> None:
        r = self.r
        w.add("출역일보\n작업일자: ")
        self.neg(w, "event_date", "작업일자")
        w.add(f"  날씨: {self.pick('맑음', '흐림', '비')}\n협력업체: {self.pick('대성토건', '한빛설비', '우진전기')}\n")
        frame = self.pick("table", "list")
        phone_col = self.chance(0.5)
        if frame == "table":
            w.add("No | 성명 | 생년월일 | 공종 | 출근 | 퇴근 | " + ("휴대폰 | " if phone_col else "") + "안전교육\n")
        for i in range(r.randrange(4, 8)):
            foreign = self.chance(0.35)
            nm = self.pick(*FOREIGN_NAMES) if foreign else self.name()
            if frame == "table":
                w.add(f"{i + 1} | {nm} | ")
                self.val(w, "birth_date", "column_header", "생년월일", frame, self.pick("yymmdd", "dot", "yy_dot"))
                w.add(f" | {self.pick('전기', '설비', '도장', '미장', '비계')} | ")
                self.neg(w, "time", "table.출근", f"0{r.randrange(6, 9)}:{r.randrange(60):02d}")
                w.add(" | ")
                self.neg(w, "time", "table.퇴근", f"{r.randrange(16, 20)}:{r.randrange(60):02d}")
                w.add(" | ")
                if phone_col:
                    self.val(w, "phone", "column_header", "휴대폰", frame, self.pick("hyphen", "plain"))
                    w.add(" | ")
                w.add(f"{self.pick('이수', '이수', '미이수')}\n")
            else:
                w.add(f"{i + 1}. {nm} (")
                if foreign and self.chance(0.8):
                    self.val(w, "foreigner_registration", "in_parentheses", "외국인", frame, "masked")
                    w.add(", 외국인")
                else:
                    self.val(w, "birth_date", "trailing_label", "생", frame, self.pick("yymmdd", "yy_dot"))
                    w.add("생")
                w.add(f") {self.pick('전기', '설비', '도장')} 출근 ")
                self.neg(w, "time", "list.출근", f"0{r.randrange(6, 9)}:{r.randrange(60):02d}")
                if phone_col:
                    w.add(" ☎ ")
                    self.val(w, "phone", "label_symbol", "☎", frame)
                w.add("\n")
        w.add(f"금일 출역 인원 {r.randrange(8, 60)}명, 장비 {r.randrange(1, 5)}대 (차량 ")
        self.neg(w, "car_plate", "차량")
        w.add(")\n")

    def employment_certificate(self, w: _Writer) -> None:
        kind = self.pick("재직증명서", "경력증명서")
        frame = self.pick("form", "ocr", "english")
        w.add("발급번호: ")
        self.neg(w, "document_number", "발급번호")
        w.add("\n\n")
        if frame == "english":
            w.add("CERTIFICATE OF EMPLOYMENT\nName: " + self.name() + "\nDate of Birth: ")
            self.val(w, "birth_date", "label_english", "Date of Birth", frame, self.pick("iso", "dot", "airline"))
            w.add("\nPassport No.: ")
            self.val(w, "passport", "label_english", "Passport No.", frame)
            w.add(f"\nPosition: {self.pick('Senior Engineer', 'Manager', 'Researcher')}\nPeriod: ")
            self.neg(w, "event_date", "Period")
            w.add(" ~ present\n")
        else:
            w.add(f"{'  '.join(kind)}\n\n성 명: {self.name()}\n")
            if frame == "ocr":
                w.add("주민등록번호 ")
                self.val(w, "resident", "label_plain", "주민등록번호", frame, self.pick("line_break", "hyphen", "masked"))
                w.add("\n")
            else:
                self.field(w, "주민등록번호", "resident", frame, writing=self.pick("hyphen", "masked", "masked"))
            start, end = self.period(3000)
            w.add(f"주 소: {self.address()}\n소 속: {self.pick('경영지원본부', '기술연구소', '영업2팀')}  직 위: "
                  f"{self.pick('과장', '차장', '선임연구원', '대리')}\n재직기간: ")
            self.neg(w, "event_date", "재직기간", start)
            w.add(" ~ ")
            if kind == "재직증명서":
                w.add("현재\n")
            else:
                self.neg(w, "event_date", "재직기간", end)
                w.add("\n")
            w.add(f"용 도: {self.pick('금융기관 제출용', '비자 발급용', '관공서 제출용')}\n\n위 사실을 증명합니다.\n")
        self.neg(w, "event_date", "발급일")
        w.add(f"\n\n{self.pick(*COMPANIES)}  대표이사 {self.name()} (직인)\n")
        w.add("사업자등록번호 " if frame != "english" else "Business Reg. No. ")
        self.val(w, "business_registration", "label_plain" if frame != "english" else "label_english",
                 "사업자등록번호" if frame != "english" else "Business Reg. No.", frame)
        w.add("\nTEL ")
        self.neg(w, "office_phone", "TEL")
        w.add("  FAX ")
        self.neg(w, "fax_number", "FAX")
        w.add("\n")

    def inheritance_agreement(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("scan", "typed")
        w.add("상속재산분할협의서\n\n")
        w.add(f"피상속인 {self.name()} (")
        self.val(w, "resident", "in_parentheses", "피상속인", frame, self.pick("hyphen", "hyphen", "fullwidth"))
        w.add(")\n사망일: ")
        self.neg(w, "event_date", "사망일")
        w.add(f"\n최후주소: {self.address()}\n\n")
        w.add("위 피상속인의 사망으로 개시된 상속에 있어 공동상속인 전원은 다음과 같이 상속재산을 분할하기로 협의한다.\n\n1. 부동산\n")
        w.add(f"{self.pick('서울특별시 마포구 망원동', '경기도 용인시 수지구 풍덕천동', '부산광역시 남구 대연동')} "
              f"{r.randrange(1, 999)}-{r.randrange(1, 30)} 대 {r.randrange(100, 900)}㎡ (부동산고유번호 ")
        self.neg(w, "property_number", "부동산고유번호")
        w.add(f")\n 위 부동산은 상속인 {self.name()}의 소유로 한다.\n2. 예금\n")
        bank = self.bank()
        w.add(f"{bank} 예금 (피상속인 명의 ")
        self.val(w, "bank_account", "bank_name", bank, frame, bank=bank)
        w.add(") 은 균등 분할한다.\n\n상속인\n")
        for i in range(r.randrange(2, 5)):
            w.add(f"{self.pick('배우자', '장남', '차남', '장녀', '차녀')} {self.name()}  ")
            if frame == "scan":
                w.add("주민등록번호 ")
                self.val(w, "resident", "label_plain", "주민등록번호", frame, self.pick("hyphen", "line_break", "spaced"))
            else:
                w.add("(")
                self.val(w, "resident", "in_parentheses", "상속인", frame, self.pick("hyphen", "fullwidth"))
                w.add(")")
            w.add(f"\n  주소 {self.address()}  (인)\n")
        if self.chance(0.3):  # a grandchild inheriting in a dead parent's place
            w.add(f"손자(대습상속인) {self.name()}  주민등록번호 ")
            self.val(w, "resident", "label_plain", "주민등록번호", frame, "post2020")
            w.add(f"\n  위 미성년자의 법정대리인 모 {self.name()}  (인)\n")
        w.add("\n")
        self.neg(w, "event_date", "작성일")
        w.add("\n\n인증서\n위 사서증서에 관하여 촉탁인들은 본 공증인의 면전에서 서명 날인하였다.\n")
        self.neg(w, "notary_number", "공증 번호")
        w.add(f"\n법무법인 {self.pick('정명', '한솔', '바른길')} 공증담당변호사 {self.name()}\n")

    def registry_application(self, w: _Writer) -> None:
        r = self.r
        w.add("소유권이전등기신청 (매매)\n접수: ")
        self.neg(w, "event_date", "접수")
        w.add("  제")
        self.neg(w, "registry_receipt", "접수번호", str(r.randrange(1000, 99999)))
        w.add("호\n\n부동산의 표시\n")
        w.add(f"{self.pick('서울특별시 은평구 불광동', '인천광역시 서구 청라동', '대전광역시 유성구 봉명동')} "
              f"{r.randrange(1, 999)} 제{r.randrange(1, 30)}층 제{r.randrange(101, 2500)}호\n고유번호 ")
        self.neg(w, "property_number", "고유번호")
        w.add("\n거래가액 금")
        self.neg(w, "amount", "거래가액", self.won(150_000_000, 1_900_000_000, 1_000_000))
        w.add("원\n\n")
        for role in ("등기의무자", "등기권리자"):
            w.add(f"{role}\n 성명 {self.name()}\n 주민등록번호 ")
            self.val(w, "resident", "label_plain", "주민등록번호", role, self.pick("hyphen", "hyphen", "line_break"))
            w.add(f"\n 주소 {self.address()}\n")
        w.add("\n취득세 ")
        self.neg(w, "amount", "취득세", self.won(1_500_000, 40_000_000, 10))
        w.add("원  등기신청수수료 ")
        self.neg(w, "amount", "등기신청수수료", self.pick("15,000", "13,000", "3,000"))
        w.add("원\n국민주택채권 매입번호 ")
        self.neg(w, "report_number", "채권번호")
        w.add("\n")
        if self.chance(0.6):
            w.add(f"대리인 법무사 {self.name()}  사무소 ")
            self.neg(w, "office_phone", "사무소")
            w.add("  사업자 ")
            self.val(w, "business_registration", "label_plain", "사업자", "agent")
            w.add("\n")
        if self.chance(0.6):
            w.add("위 신청인 연락처 ")
            self.val(w, "phone", "label_plain", "연락처", "applicant")
            w.add("\n")

    def phone_activation(self, w: _Writer) -> None:
        r = self.r
        porting = self.chance(0.5)
        frame = self.pick("form", "system", "paste")
        w.add(f"{self.pick('SKT', 'KT', 'LG U+', '알뜰폰(헬로모바일)')} {'번호이동' if porting else '신규가입'} 신청서\n")
        w.add("[가입자 정보]\n고객번호: ")
        self.neg(w, "member_number", "고객번호")
        w.add("\n고객명: " + self.name() + "\n")
        foreign = self.chance(0.3)
        if foreign:
            self.field(w, "외국인등록번호", "foreigner_registration", frame)
        else:
            self.field(w, "생년월일", "birth_date", frame)
        idcheck = self.pick("driver", "driver", "resident", "passport" if foreign else "driver")
        if idcheck == "driver":
            w.add("신분증: 운전면허증 / 면허번호 ")
            self.val(w, "driver_license", "label_plain", "면허번호", frame)
            w.add(" 발급일 ")
            self.neg(w, "event_date", "발급일")
            w.add("\n")
        elif idcheck == "passport":
            w.add("신분증: 여권 ")
            self.val(w, "passport", "label_plain", "여권", frame)
            w.add("\n")
        else:
            w.add("신분증: 주민등록증 (")
            self.val(w, "resident", "in_parentheses", "주민등록증", frame, "masked")
            w.add(")\n")
        if porting:
            w.add(f"이동 전 통신사: {self.pick('SKT', 'KT', 'LGU+')}\n")
            self.field(w, "이동할 번호", "phone", frame, writing=self.pick("hyphen", "plain"))
        else:
            w.add("희망번호 뒷자리: ")
            self.neg(w, "extension", "희망번호 뒷자리", self.d(4))
            w.add("\n")
        self.field(w, self.pick("연락 가능한 번호", "비상연락처"), "phone", frame)
        if self.chance(0.65):
            self.field(w, "이메일(청구서)", "email", frame)
        w.add("[단말기]\n모델명 ")
        self.neg(w, "model_number", "모델명")
        w.add("\nIMEI ")
        self.neg(w, "imei", "IMEI")
        w.add("\nUSIM 일련번호 ")
        self.neg(w, "usim_serial", "USIM 일련번호")
        w.add(f"\n요금제: {self.pick('5G 슬림', '5G 프리미어', 'LTE 데이터 33')} 월 ")
        self.neg(w, "amount", "요금", self.won(19_800, 130_000, 100))
        w.add("원\n[요금 납부]\n")
        if self.chance(0.6):
            w.add("카드 자동이체 ")
            self.val(w, "credit_card", "label_plain", "카드 자동이체", frame)
            w.add(f" 유효기간 {r.randrange(1, 13):02d}/{r.randrange(26, 31)}\n")
        else:
            w.add("은행 자동이체 ")
            bank = self.bank()
            w.add(bank + " ")
            self.val(w, "bank_account", "bank_name", bank, frame, bank=bank)
            w.add("\n")
        w.add("판매점 코드 ")
        self.neg(w, "site_code", "판매점 코드")
        w.add("\n")

    def rental_contract(self, w: _Writer) -> None:
        r = self.r
        item = self.pick("정수기", "비데", "공기청정기", "인터넷+TV", "안마의자")
        w.add(f"{item} 렌탈 계약서\n계약번호 ")
        self.neg(w, "contract_number", "계약번호")
        w.add("\n\n계약자 " + self.name() + "\n")
        self.field(w, "생년월일", "birth_date", "contract")
        self.field(w, self.pick("휴대폰", "연락처"), "phone", "contract")
        if self.chance(0.5):
            self.field(w, self.pick("청구서 이메일", "이메일 청구서 수신"), "email", "contract")
        w.add(f"설치주소 ({self.neg_text('postal_code')}) {self.address()}\n")
        w.add("모델 ")
        self.neg(w, "model_number", "모델")
        w.add(f" / 의무사용 {self.pick(36, 39, 60)}개월 / 월 렌탈료 ")
        self.neg(w, "amount", "월 렌탈료", self.won(15_900, 89_900, 100))
        w.add("원\n")
        if self.chance(0.45):
            w.add("본인확인: 운전면허증 ")
            self.val(w, "driver_license", "label_plain", "운전면허증", "contract")
            w.add("\n")
        w.add("\n[CMS 자동이체]\n")
        if self.chance(0.65):
            bank = self.bank()
            w.add(f"출금은행: {bank}\n출금계좌: ")
            self.val(w, "bank_account", "label_punct", "출금계좌", "cms", bank=bank)
            w.add(f"\n예금주: {self.name()}  예금주 생년월일: ")
            self.val(w, "birth_date", "label_punct", "예금주 생년월일", "cms", self.pick("yymmdd", "compact", "dot"))
            w.add("\n")
        else:
            w.add("카드번호: ")
            self.val(w, "credit_card", "label_punct", "카드번호", "cms")
            w.add(f"  유효기간 {r.randrange(1, 13):02d}/{r.randrange(26, 31)}\n")
        w.add("출금일: 매월 ")
        self.neg(w, "percentage", "출금일", str(self.pick(5, 10, 15, 20, 25)))
        w.add("일\n고객센터 ")
        self.neg(w, "company_number", "고객센터")
        w.add(f"\n판매자 {self.name()} 매니저 ")
        self.val(w, "phone", "label_plain", "매니저", "seller")
        w.add("\n")

    def secondhand_chat(self, w: _Writer) -> None:
        r = self.r
        item = self.pick("아이패드 에어", "유모차", "캠핑 의자 2개", "닌텐도 스위치", "자전거", "책상")
        frame = self.pick("daangn", "joongna", "bunjang")
        clock = [r.randrange(9 * 60, 20 * 60)]

        def t(who: str) -> str:
            clock[0] += r.randrange(0, 25)
            h, mi = divmod(clock[0], 60)
            return f"{who} {'오전' if h < 12 else '오후'} {(h - 1) % 12 + 1}:{mi:02d}\n"
        w.add(f"[{item}] ")
        self.neg(w, "amount", "가격", self.won(5_000, 450_000))
        w.add("원\n" + t("구매자") + "안녕하세요 아직 판매중인가요?\n" + t("판매자") + "네 판매중이에요\n")
        w.add(t("구매자") + "택배 거래 되나요? 선입금할게요\n" + t("판매자"))
        bank = self.bank()
        style = r.randrange(4)
        if style == 0:
            w.add(f"{bank} ")
            self.val(w, "bank_account", "bank_name", bank, frame, bank=bank)
            w.add(f" {self.name()} 입니다 입금하시고 말씀주세요\n")
        elif style == 1:
            w.add("계좌 보내드릴게요\n")
            self.val(w, "bank_account", "previous_line", "계좌 보내드릴게요", frame, "plain", bank=bank)
            w.add(f" {bank}\n")
        elif style == 2:
            w.add("입금은 여기로요 ")
            self.val(w, "bank_account", "in_sentence", "입금은 여기로요", frame, bank=bank)
            w.add(f" ({bank}/{self.name()})\n")
        else:
            w.add(f"{bank}")
            w.add(self.pick(" ", "은행 "))
            self.val(w, "bank_account", "bank_name", bank, frame, "spaced", bank=bank)
            w.add("\n")
        w.add(t("구매자") + "입금했습니다! 받는 분 번호 남길게요\n")
        if self.chance(0.3):
            self.val(w, "phone", "previous_line", "받는 분 번호", frame, "hangul_numerals")
            w.add(" (앱에서 숫자가 가려져서 한글로 써요)\n")
        else:
            self.val(w, "phone", "previous_line", "받는 분 번호", frame, self.pick("hyphen", "plain", "spaced"))
            w.add("\n")
        w.add(f"주소는 {self.address()} 이에요\n" + t("판매자") + "네 내일 보내고 송장번호 드릴게요\n")
        if self.chance(0.6):
            w.add(t("판매자") + f"{self.pick('CJ', '편의점택배', '우체국')} ")
            self.neg(w, "tracking_number", "송장")
            w.add(" 입니다\n")
        if self.chance(0.3):
            w.add(t("판매자") + "혹시 직거래면 안심번호로 연락주세요 ")
            self.neg(w, "safe_number", "안심번호")
            w.add("\n")

    def cafe_signup(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("groupbuy", "dues")
        leader = self.name()
        if frame == "groupbuy":
            w.add(f"[공구] {self.pick('제주 감귤 10kg', '국산 들기름', '유기농 쌀 20kg', '아기 물티슈 20팩')} 공동구매 신청받아요\n"
                  f"가격 ")
            self.neg(w, "amount", "가격", self.won(9_900, 59_000, 100))
            w.add("원 (택배비 포함)\n마감: ")
            self.neg(w, "event_date", "마감")
            w.add("\n입금: ")
        else:
            w.add(f"[공지] {self.pick('조기축구회', '등산 동호회', '독서모임', '배드민턴 클럽')} "
                  f"{self.pick('3월', '상반기', '2026년')} 회비 입금 안내\n회비 ")
            self.neg(w, "amount", "회비", self.won(10_000, 120_000, 5_000))
            w.add("원, 총무 계좌로 보내주세요.\n")
        bank = self.bank()
        w.add(f"{bank} ")
        self.val(w, "bank_account", "bank_name", bank, frame, bank=bank)
        w.add(f" {leader}" + ("(총무)" if frame == "dues" else "") + "\n")
        if self.chance(0.5):
            w.add("문의는 쪽지 또는 ")
            self.val(w, "phone", "in_sentence", "문의는 쪽지 또는", frame)
            w.add("\n")
        w.add("양식: 닉네임/이름/연락처/수량/입금자명\n\n[댓글]\n")
        for _ in range(r.randrange(2, 5)):
            nick = self.pick("감귤맘", "하늘바라기", "서연맘", "dongdong", "꿀벌", "행복한하루", "민트초코")
            nm = self.name()
            style = r.randrange(4)
            if style == 3:
                w.add(f"{nick}: {nm} {r.randrange(1, 4)}개 신청이요~ 입금완료! 주소는 쪽지 드릴게요\n")
            elif style == 0:
                w.add(f"{nick} / {nm} / ")
                self.val(w, "phone", "column_header", "연락처", "comment.slash", self.pick("hyphen", "plain"))
                w.add(f" / {r.randrange(1, 4)}개 / {nm}\n")
            elif style == 1:
                w.add(f"{nick}: 신청합니다~ {nm} ")
                self.val(w, "phone", "no_label", "", "comment.sentence", "hyphen")
                w.add(f" {r.randrange(1, 4)}박스 입금했어요\n")
            else:
                w.add(f"{nick}: ")
                self.val(w, "phone", "no_label", "", "comment.bare", self.pick("hyphen", "dot"))
                w.add(f" {nm} 2개요 (비밀댓글)\n")

    def kye_ledger(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("table", "notes")
        w.add(f"{self.pick('친목계', '번호계', '동창 계모임', '부녀회 계')} 장부 ({self.pick('2025', '2026')}년)\n")
        w.add(f"계주 {self.name()} 곗돈 입금 계좌 ")
        bank = self.bank()
        w.add(bank + " ")
        self.val(w, "bank_account", "label_plain", "곗돈 입금 계좌", frame, bank=bank)
        w.add("\n매월 ")
        self.neg(w, "amount", "곗돈", self.won(100_000, 1_000_000, 50_000))
        w.add(f"원씩, 매달 {r.randrange(1, 28)}일까지\n\n")
        phone_col = self.chance(0.5)
        if frame == "table":
            w.add("순번 | 이름 | " + ("연락처 | " if phone_col else "") + "곗돈 받을 계좌 | 탈 날짜\n")
        for i in range(r.randrange(3, 7)):
            nm = self.name()
            bank = self.bank()
            if frame == "table":
                w.add(f"{i + 1} | {nm} | ")
                if phone_col:
                    self.val(w, "phone", "column_header", "연락처", frame, self.pick("hyphen", "plain"))
                    w.add(" | ")
                w.add(f"{bank} ")
                self.val(w, "bank_account", "column_header", "곗돈 받을 계좌", frame, bank=bank)
                w.add(" | ")
                self.neg(w, "event_date", "table.탈 날짜")
                w.add("\n")
            else:
                w.add(f"{i + 1}번 {nm} ")
                if self.chance(0.5):
                    self.val(w, "phone", "no_label", "", frame, "hyphen")
                    w.add(" ")
                w.add(f"받는 계좌 {bank} ")
                self.val(w, "bank_account", "label_plain", "받는 계좌", frame, bank=bank)
                w.add(" ")
                self.neg(w, "event_date", "notes.수령일")
                w.add(" 수령\n")

    def stay_booking(self, w: _Writer) -> None:
        place = self.pick("솔바람 펜션", "바다정원 글램핑", "○○오토캠핑장", "별빛하우스 풀빌라")
        frame = self.pick("sms", "kakao", "mail")
        w.add(f"[{place}] 예약이 확정되었습니다.\n예약번호 ")
        self.neg(w, "reservation_number", "예약번호")
        w.add(f"\n예약자 {self.name()} ")
        self.val(w, "phone", "no_label", "", frame, self.pick("hyphen", "masked"))
        start, end = self.period(3)
        w.add("\n입실 ")
        self.neg(w, "event_date", "입실", start)
        w.add(" 15:00 / 퇴실 ")
        self.neg(w, "event_date", "퇴실", end)
        w.add(" 11:00\n결제금액 ")
        self.neg(w, "amount", "결제금액", self.won(60_000, 900_000, 10_000))
        w.add("원\n")
        if self.chance(0.6):
            w.add("결제카드 ")
            self.val(w, "credit_card", "label_plain", "결제카드", frame, "masked")
            w.add(" 일시불\n")
        else:
            bank = self.bank()
            w.add(f"무통장 입금: {bank} ")
            self.neg(w, "company_account", "무통장 입금 (업소 계좌)", self.account("hyphen", bank))
            w.add(f" ({place})\n")
        w.add("환불 시 환불 받으실 계좌를 남겨 주세요.\n")
        if self.chance(0.7):
            w.add("> 환불계좌: ")
            bank = self.bank()
            w.add(bank + " ")
            self.val(w, "bank_account", "label_punct", "환불계좌", frame, bank=bank)
            w.add(f" {self.name()}\n")
        if self.chance(0.55):
            w.add("예약자 이메일 ")
            self.val(w, "email", "label_plain", "예약자 이메일", frame)
            w.add("\n")
        w.add(f"{place} 사업자번호 ")
        self.val(w, "business_registration", "label_plain", "사업자번호", frame)
        w.add(" / 관리동 ")
        self.neg(w, "office_phone", "관리동")
        w.add(" / 통신판매업 ")
        self.neg(w, "mail_order_number", "통신판매업")
        w.add("\n")

    def eticket(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("english", "korean", "checkin")
        w.add("ELECTRONIC TICKET ITINERARY / RECEIPT\n" if frame != "checkin" else "체크인 기록 (공항 카운터)\n")
        w.add("Booking Reference: " if frame == "english" else "예약번호(PNR): ")
        self.neg(w, "booking_code", "PNR")
        w.add("\n")
        for _ in range(r.randrange(1, 4)):
            sur = self.pick(*ROMAN_SUR).upper()
            w.add(f"\n{'Passenger Name' if frame == 'english' else '승객명'}: {sur}/{self.pick(*ROMAN_GIVEN).upper()} "
                  f"{self.pick('MR', 'MS', 'MSTR')}\n")
            w.add("Ticket Number: " if frame != "korean" else "항공권 번호: ")
            self.neg(w, "ticket_number", "Ticket Number")
            w.add("\n")
            if frame == "english":
                self.field(w, "Passport No", "passport", frame, ": ")
                self.field(w, "Date of Birth", "birth_date", frame, ": ",
                           writing=self.pick("airline", "airline_short", "iso"))
            elif frame == "korean":
                self.field(w, "여권번호", "passport", frame, ": ")
                self.field(w, "생년월일", "birth_date", frame, ": ", writing=self.pick("dot", "iso", "compact"))
            else:
                w.add("DOCS/")
                self.val(w, "passport", "log_key", "DOCS", frame)
                w.add("/KOR/")
                self.val(w, "birth_date", "log_key", "DOCS", frame, self.pick("airline", "airline_short"))
                w.add(f"/{self.pick('M', 'F')}\n")
                w.add("좌석 ")
                w.add(f"{r.randrange(10, 60)}{self.pick('A', 'C', 'D', 'K')} 수하물 ")
                self.neg(w, "tracking_number", "수하물 태그", "KE" + self.d(6))
                w.add("\n")
        w.add("\nFlight ")
        self.neg(w, "flight_number", "Flight")
        w.add(" ICN-")
        w.add(self.pick("NRT", "BKK", "DAD", "CEB", "LAX", "FCO") + " ")
        self.neg(w, "event_date", "departure date")
        w.add("\nFare ")
        self.neg(w, "amount", "Fare", self.won(89_000, 2_400_000, 100))
        w.add(" KRW\n")
        if self.chance(0.7):
            w.add("Form of Payment: CC ")
            self.val(w, "credit_card", "label_english", "Form of Payment: CC", frame, "masked")
            w.add("\n")
        if self.chance(0.6):
            w.add("Contact: ")
            self.val(w, "phone", "label_english", "Contact", frame, self.pick("intl", "hyphen"))
            w.add(" / ")
            self.val(w, "email", "no_label", "", frame)
            w.add("\n")

    def customs_clearance(self, w: _Writer) -> None:
        frame = self.pick("sms", "form", "mail")
        w.add(f"[{self.pick('관세청', '통관 안내', '해외직구 통관')}] ")
        if frame == "sms":
            w.add(f"{self.name()}님 해외직구 물품 통관이 지연되고 있습니다. 개인통관고유부호 불일치 (입력값 ")
            self.neg(w, "customs_code", "개인통관고유부호")
            w.add(")\n운송장 ")
            self.neg(w, "tracking_number", "운송장")
            w.add("\n수취인 연락처 ")
            self.val(w, "phone", "label_plain", "수취인 연락처", frame, "masked")
            w.add("\n정정은 배송대행지 고객센터 ")
            self.neg(w, "company_number", "고객센터")
            w.add("\n")
            return
        w.add("수입신고 정보 확인\n주문번호 ")
        self.neg(w, "order_number", "주문번호")
        w.add(f"\n구매처 {self.pick('iHerb', 'Amazon', 'AliExpress', 'Taobao')}\n수취인 성명 {self.name()}\n개인통관고유부호 ")
        self.neg(w, "customs_code", "개인통관고유부호")
        w.add("\n")
        self.field(w, "수취인 휴대폰", "phone", frame)
        w.add("우편번호 ")
        self.neg(w, "postal_code", "우편번호")
        w.add(f"\n주소 {self.address()}\nB/L ")
        self.neg(w, "tracking_number", "B/L")
        w.add("\n관부가세 ")
        self.neg(w, "amount", "관부가세", self.won(3_000, 180_000, 10))
        w.add("원 가상계좌 ")
        self.neg(w, "virtual_account", "가상계좌")
        w.add("\n")
        if frame == "mail" and self.chance(0.7):
            w.add("문의 회신은 ")
            self.val(w, "email", "in_sentence", "문의 회신은", frame)
            w.add(" 로 부탁드립니다.\n")

    def driver_call_log(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("log", "list")
        y, m, dd = self.when()
        w.add(f"{self.pick('카카오T대리', '콜마너', '트리콜')} 콜 기록 {y}-{m:02d}-{dd:02d}\n")
        if self.chance(0.9):
            w.add(f"기사 {self.name()} 면허 ")
            self.val(w, "driver_license", "label_plain", "면허", frame)
            w.add(" 기사폰 ")
            self.val(w, "phone", "label_plain", "기사폰", frame, "hyphen")
            w.add("\n")
        for _ in range(r.randrange(2, 4)):
            if frame == "log":
                w.add("[")
                self.neg(w, "time", "log.time", f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}")
                w.add("] call=")
                self.neg(w, "call_number", "log.call")
                w.add(" tel=")
                self.val(w, "phone", "log_key", "tel", frame, self.pick("plain", "hyphen"))
                w.add(f" from={self.pick('역삼역 2번출구', '홍대입구', '수원 인계동', '서면')}"
                      f" to={self.pick('일산', '분당 정자동', '동탄', '해운대')}"
                      " fare=")
                self.neg(w, "amount", "log.fare", str(r.randrange(15, 60) * 1000))
                w.add(" car=")
                self.neg(w, "car_plate", "log.car")
                w.add("\n")
            else:
                w.add(f"- {self.neg_text('time')} ")
                w.add(f"{self.pick('역삼역', '강남역', '판교', '부평역')} → {self.pick('일산', '광명', '송도', '안양')} 고객 ")
                self.val(w, "phone", "label_plain", "고객", frame, self.pick("hyphen", "masked"))
                w.add(" 요금 ")
                self.neg(w, "amount", "list.요금", self.won(15_000, 70_000))
                w.add("원 차량 ")
                self.neg(w, "car_plate", "list.차량")
                w.add(f" {self.pick('현금', '카드', '포인트')}\n")
        if self.chance(0.3):
            w.add("※ 고객 요청으로 안심번호 ")
            self.neg(w, "safe_number", "안심번호")
            w.add(" 사용\n")

    def visit_application(self, w: _Writer) -> None:
        r = self.r
        army = self.chance(0.6)
        frame = self.pick("form", "online")
        if army:
            w.add(f"면회 신청서 ({self.pick('제3보병사단', '해병대 제2사단', '공군 제10전투비행단', '육군훈련소')})\n")
            w.add(f"면회 대상 장병: {self.pick('일병', '상병', '이병', '병장')} {self.name()} 군번 ")
            self.neg(w, "service_number", "군번")
        else:
            w.add(f"접견 신청 ({self.pick('서울구치소', '안양교도소', '수원구치소')})\n수용자 {self.name()} 수용번호 ")
            self.neg(w, "inmate_number", "수용번호")
        w.add("\n희망 일시: ")
        self.neg(w, "event_date", "희망 일시")
        w.add(" ")
        self.neg(w, "time", "희망 시각")
        w.add("\n\n[신청인]\n")
        for i in range(r.randrange(1, 4)):
            nm = self.name()
            w.add(f"{i + 1}) {nm} ({self.pick('부', '모', '누나', '형', '배우자', '친구')})\n")
            if frame == "form":
                self.field(w, "   생년월일", "birth_date", frame)
                if self.chance(0.7):
                    self.field(w, "   연락처", "phone", frame)
            else:
                w.add("   생년월일/연락처: ")
                self.val(w, "birth_date", "shared_label", "생년월일/연락처", frame, self.pick("dot", "yymmdd"))
                w.add(" / ")
                self.val(w, "phone", "shared_label", "생년월일/연락처", frame, "hyphen")
                w.add("\n")
            if self.chance(0.6):
                ident = self.pick("운전면허증", "운전면허증", "주민등록증", "여권")
                w.add(f"   신분증: {ident} ")
                kind = {"운전면허증": "driver_license", "주민등록증": "resident", "여권": "passport"}[ident]
                self.val(w, kind, "label_plain", ident, frame, "masked" if kind == "resident" else None)
                w.add("\n")
        if self.chance(0.6):
            w.add("출입 차량번호 ")
            self.neg(w, "car_plate", "출입 차량번호")
            w.add("\n")
        w.add("※ 면회 당일 신분증을 지참해 주십시오. 문의 ")
        self.neg(w, "office_phone", "문의")
        w.add("\n")

    def admission_application(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("form", "print")
        w.add(f"{self.pick('2027학년도 수시모집', '2026학년도 정시모집', '2027학년도 편입학')} 입학원서\n"
              f"{self.pick('한국대학교', '미래과학기술대학교', '○○대학교')}  수험번호 ")
        self.neg(w, "exam_number", "수험번호")
        w.add(f"\n전형: {self.pick('학생부종합', '학생부교과', '논술')}  모집단위: {self.pick('경영학과', '컴퓨터공학과', '간호학과')}\n\n")
        w.add(f"[지원자]\n성명(한글) {self.name()}  성명(영문) {self.pick(*ROMAN_SUR).upper()} "
              f"{self.pick(*ROMAN_GIVEN).upper()}\n")
        self.field(w, "주민등록번호", "resident", frame, writing=self.pick("hyphen", "hyphen", "fullwidth", "plain"),
                   born=corpus.random_date(r, 2007, 2008))
        self.field(w, "휴대전화", "phone", frame)
        self.field(w, "E-mail", "email", frame)
        w.add(f"주소 ({self.neg_text('postal_code')}) {self.address()}\n")
        w.add(f"출신고교 {self.pick('서울○○고등학교', '대전△△고등학교', '검정고시')} (학교코드 ")
        self.neg(w, "institution_code", "학교코드", self.d(6))
        w.add(") 졸업(예정)일 ")
        self.neg(w, "event_date", "졸업일")
        w.add("\n\n[보호자]\n")
        w.add(f"성명 {self.name()} 관계 {self.pick('부', '모')} ")
        if frame == "form":
            w.add("연락처 ")
            self.val(w, "phone", "label_plain", "연락처", frame)
        else:
            self.val(w, "phone", "trailing_label", "(보호자 휴대폰)", frame)
            w.add(" (보호자 휴대폰)")
        w.add("\n")
        w.add("[전형료 결제]\n")
        if self.chance(0.5):
            w.add("결제수단 신용카드 ")
            self.val(w, "credit_card", "label_plain", "신용카드", frame, "masked")
            w.add(" 승인 ")
            self.neg(w, "amount", "전형료", self.pick("35,000", "40,000", "55,000", "60,000"))
            w.add("원\n")
        else:
            w.add("전형료 ")
            self.neg(w, "amount", "전형료", self.pick("35,000", "40,000", "55,000", "60,000"))
            w.add("원 가상계좌 ")
            self.neg(w, "virtual_account", "가상계좌")
            w.add("\n")
        w.add("환불계좌(전형료 반환) ")
        bank = self.bank()
        w.add(bank + " ")
        self.val(w, "bank_account", "label_plain", "환불계좌(전형료 반환)", frame, bank=bank)
        w.add("\n")

    def benefit_application(self, w: _Writer) -> None:
        r = self.r
        pension = self.chance(0.45)
        frame = self.pick("form", "paste")
        if pension:
            w.add(f"국민연금 {self.pick('노령연금', '장애연금', '유족연금', '반환일시금')} 지급 청구서\n")
        else:
            w.add("구직급여 수급자격 인정신청서\n")
        nm = self.name()
        w.add(f"청구인 성명 {nm}\n")
        foreign = not pension and self.chance(0.35)
        self.field(w, "외국인등록번호" if foreign else "주민등록번호",
                   "foreigner_registration" if foreign else "resident", frame)
        self.field(w, self.pick("휴대전화", "전화번호"), "phone", frame)
        if self.chance(0.6):
            self.field(w, "전자우편", "email", frame)
        if not pension:
            w.add(f"이직 사업장: {self.pick(*COMPANIES)}\n사업장관리번호 ")
            self.neg(w, "workplace_number", "사업장관리번호")
            w.add("\n사업자등록번호 ")
            self.val(w, "business_registration", "label_plain", "사업자등록번호", frame)
            w.add("\n이직일 ")
            self.neg(w, "event_date", "이직일")
            w.add(f"  이직사유 코드 {r.randrange(11, 33)}\n")
        else:
            w.add("가입기간 ")
            self.neg(w, "percentage", "가입기간(월)", str(r.randrange(120, 420)))
            w.add("개월  수급 개시일 ")
            self.neg(w, "event_date", "수급 개시일")
            w.add("\n")
        if self.chance(0.3):
            w.add("신분 확인: 운전면허 ")
            self.val(w, "driver_license", "label_plain", "운전면허", frame)
            w.add("\n")
        w.add("[수급 계좌]\n")
        self.account_line(w, frame, holder=nm)
        w.add("접수번호 ")
        self.neg(w, "report_number", "접수번호")
        w.add(f"  담당 {self.pick('고용센터', '국민연금공단 지사')} ")
        self.neg(w, "office_phone", "담당")
        w.add("\n")

    def seller_info(self, w: _Writer) -> None:
        frame = self.pick("footer", "block", "table")
        shop = self.pick("하루공방", "모던리빙샵", "담다푸드", "꼬마옷장", "라온캔들", "제주오름농장")
        sole = self.chance(0.6)
        sep = " | " if frame == "footer" else "\n"
        w.add("[판매자 정보]\n" if frame != "footer" else "")
        w.add(f"상호명: {shop}{sep}대표자: {self.name()}{sep}사업자등록번호: ")
        self.val(w, "business_registration", "label_punct", "사업자등록번호", frame,
                 self.pick("hyphen", "hyphen", "plain"))
        w.add(f"{sep}통신판매업신고: ")
        self.neg(w, "mail_order_number", "통신판매업신고")
        w.add(f"{sep}사업장 소재지: {self.address()}{sep}")
        if sole:
            w.add("고객센터: ")
            self.val(w, "phone", "label_punct", "고객센터", frame)
        else:
            w.add("고객센터: ")
            self.neg(w, "company_number", "고객센터")
        w.add(f"{sep}이메일: ")
        self.val(w, "email", "label_punct", "이메일", frame)
        if self.chance(0.4):
            w.add(f"{sep}입금계좌: ")
            bank = self.bank()
            w.add(bank + " ")
            self.neg(w, "company_account", "입금계좌 (판매자 상호 계좌)", self.account("hyphen", bank))
            w.add(f" ({shop})")
        w.add(f"{sep}개인정보보호책임자: {self.name()}\n")
        if self.chance(0.5):
            w.add("상품번호 ")
            self.neg(w, "order_number", "상품번호", self.d(10))
            w.add(" / 판매가 ")
            self.neg(w, "amount", "판매가", self.won(3_900, 189_000, 100))
            w.add("원\n")

    def clinical_screening(self, w: _Writer) -> None:
        r = self.r
        w.add("임상시험 대상자 스크리닝 로그\n임상시험계획 번호: ")
        self.neg(w, "protocol_number", "임상시험계획 번호")
        w.add(f"  실시기관: {self.pick('○○대학교병원', '△△의료원', '□□병원')} (요양기관번호 ")
        self.neg(w, "institution_code", "요양기관번호")
        w.add(")\n")
        frame = self.pick("table", "csv")
        sep = " | " if frame == "table" else ","
        phone_col = self.chance(0.4)
        w.add(sep.join(("스크리닝번호", "이니셜", "생년월일", "성별", "동의일", "적격") + (("연락처",) if phone_col else ()))
              + "\n")
        for _ in range(r.randrange(3, 7)):
            self.neg(w, "subject_number", f"{frame}.스크리닝번호")
            w.add(sep + "".join(self.r.choice("KLPCJH") for _ in range(3)) + sep)
            self.val(w, "birth_date", "column_header", "생년월일", frame, self.pick("iso", "dot", "yy_dot"))
            w.add(sep + self.pick("M", "F") + sep)
            self.neg(w, "event_date", f"{frame}.동의일", self.birth("iso", self.when()))
            w.add(sep + self.pick("Y", "N", "보류"))
            if phone_col:
                w.add(sep)
                self.val(w, "phone", "column_header", "연락처", frame, self.pick("hyphen", "masked"))
            w.add("\n")
        w.add(f"책임연구자 {self.name()} (의사면허 ")
        self.neg(w, "doctor_license", "의사면허")
        w.add(")\n")

    def smishing_report(self, w: _Writer) -> None:
        frame = self.pick("form", "post", "mail")
        if frame == "post":
            w.add("스미싱 당했어요 ㅠㅠ 다들 조심하세요\n" + "받은 문자:\n")
        else:
            w.add("스미싱·피싱 신고서\n신고 유형: " + self.pick("택배 사칭", "청첩장 링크", "자녀 사칭", "검찰 사칭") + "\n발신번호: ")
        if frame == "post":
            w.add("발신 ")
        self.val(w, "phone", "label_plain" if frame == "post" else "label_punct", "발신번호" if frame != "post" else "발신",
                 frame, self.pick("hyphen", "plain", "intl"))
        w.add("\n")
        w.add(f"문자 내용: \"[{self.pick('CJ대한통운', '국민건강보험', '모바일 청첩장')}] "
              f"{self.pick('주소지 불명으로 반송', '건강검진 결과 확인', '초대합니다')} ")
        self.neg(w, "url", "문자 링크")
        w.add("\"\n")
        w.add("사기범이 불러준 계좌: " if frame != "post" else "엄마인 척 이 계좌로 보내라고 함: ")
        bank = self.bank()
        w.add(bank + " ")
        self.val(w, "bank_account", "label_punct" if frame != "post" else "in_sentence",
                 "사기범이 불러준 계좌" if frame != "post" else "이 계좌로 보내라고 함", frame, bank=bank)
        w.add(f" 예금주 {self.name()}\n")
        w.add("사기범 연락처: " if frame != "post" else "전화 온 번호 ")
        self.val(w, "phone", "label_punct" if frame != "post" else "label_plain",
                 "사기범 연락처" if frame != "post" else "전화 온 번호", frame)
        w.add("\n피해금액 ")
        self.neg(w, "amount", "피해금액", self.won(100_000, 9_000_000, 10_000))
        w.add("원 / 이체 시각 ")
        self.neg(w, "time", "이체 시각")
        w.add("\n")
        if frame == "form" and self.chance(0.5):
            w.add(f"설치된 앱: {self.pick('CJ택배조회', 'mobile_invite', '건강검진')}.apk 버전 ")
            self.neg(w, "version_number", "버전")
            w.add(" / 접속 서버 ")
            self.neg(w, "ip_address", "접속 서버")
            w.add("\n")
        if self.chance(0.7):
            w.add("입력해 버린 카드 정보: ")
            self.val(w, "credit_card", "label_punct", "카드 정보", frame)
            w.add("\n")
        if frame != "post":
            w.add(f"신고인 {self.name()}")
            if self.chance(0.5):
                w.add(" ")
                self.val(w, "phone", "no_label", "", frame, "hyphen")
            w.add("\n접수번호 ")
            self.neg(w, "report_number", "접수번호")
            w.add("\n(118 상담센터 / 경찰청 ")
            self.neg(w, "company_number", "신고센터", "182")
            w.add(")\n")

    def referral_letter(self, w: _Writer) -> None:
        r = self.r
        frame = self.pick("form", "letter")
        w.add("진료의뢰서\n\n")
        w.add(f"수신: {self.pick('○○대학교병원', '△△대학교병원')} {self.pick('심장내과', '신경외과', '소화기내과')} 과장님 귀하\n\n")
        w.add(f"환자 성명 {self.name()}  성별 {self.pick('남', '여')}\n")
        if frame == "form":
            self.field(w, "주민등록번호", "resident", frame, writing=self.pick("hyphen", "masked"))
        else:
            born = corpus.random_date(r, 1936, 2006)
            w.add("(")
            self.val(w, "birth_date", "in_parentheses", "세", frame, self.pick("dot", "iso"), born=born)
            w.add(f", {2026 - born[0]}세)\n")
        self.field(w, self.pick("연락처", "환자 연락처"), "phone", frame)
        if self.chance(0.25):
            self.field(w, "보호자 연락처", "phone", frame)
        w.add(f"진단명: {self.pick('불안정 협심증 의증', '요추 추간판 탈출증', '담낭 용종')} (상병코드 "
              f"{self.pick('I20.0', 'M51.1', 'K82.8')})\n소견: {self.pick('추가 검사 및 시술 필요', '수술적 치료 고려', '정밀 검사 요망')}\n")
        self.neg(w, "event_date", "의뢰일")
        w.add(f"\n\n의뢰 기관: {self.pick('새봄내과의원', '튼튼정형외과', '우리가정의학과의원')} (요양기관기호 ")
        self.neg(w, "institution_code", "요양기관기호")
        w.add(f")\n의사 {self.name()} 면허번호 ")
        self.neg(w, "doctor_license", "면허번호")
        w.add("\n전화 ")
        self.neg(w, "office_phone", "전화")
        w.add("  팩스 ")
        self.neg(w, "fax_number", "팩스")
        w.add("\n")

    def business_card(self, w: _Writer) -> None:
        frame = self.pick("korean", "english", "flat")
        nm = self.name()
        company = self.pick(*COMPANIES)
        title = self.pick("부장", "과장", "책임연구원", "대표", "팀장", "매니저")
        w.add(f"{self.pick('명함 전달드립니다', '[연락처 공유]', '아까 말씀드린 분 명함이에요')}\n")
        if frame == "flat":
            w.add(f"{company} {title} {nm} ")
            self.val(w, "phone", "no_label", "", frame, "hyphen")
            w.add(" ")
            self.val(w, "email", "no_label", "", frame)
            w.add("\n")
            return
        w.add(f"{nm} {title}\n{company}\n")
        if frame == "english":
            lab = self.pick("M.", "Mobile", "HP")
            self.field(w, lab, "phone", frame, " ", writing=self.pick("hyphen", "intl", "dot"))
            w.add("T. ")
            self.val(w, "phone", "label_english", "T.", frame, self.pick("hyphen", "intl"), landline=True)
            w.add("\nF. ")
            self.neg(w, "fax_number", "F.")
            w.add("\nE. ")
            self.val(w, "email", "label_english", "E.", frame, "plain",
                     domain=self.pick("hangyeol.co.kr", "seontech.com", "daemyung.kr", "nurisoft.io"))
            w.add("\n")
        else:
            if self.chance(0.4):  # e-mail signatures often give the mobile with no label
                self.val(w, "phone", "no_label", "", frame, self.pick("hyphen", "dot"))
                w.add("\n")
            else:
                self.field(w, self.pick("휴대폰", "H.P", "핸드폰"), "phone", frame)
            if self.chance(0.5):
                w.add("직통 ")
                self.val(w, "phone", "label_plain", "직통", frame, "hyphen", landline=True)
            else:
                w.add("대표 ")
                self.neg(w, "office_phone", "대표")
                w.add(" (내선 ")
                self.neg(w, "extension", "내선")
                w.add(")")
            w.add("\n팩스 ")
            self.neg(w, "fax_number", "팩스")
            w.add("\n이메일 ")
            self.val(w, "email", "label_plain", "이메일", frame)
            w.add("\n")
        w.add(f"주소 {self.address()}\n")

    # ------------------------------------------------------------------ one document

    def document(self, genre: str):
        w = _Writer(genre, PART)
        getattr(self, genre)(w)
        return w.document()


def generate(documents: int = 1500, seed: int = 1) -> list:
    """`documents` labelled documents of the eighth blind part, genres drawn by weight. Same
    arguments, same documents on every machine."""
    b = _Builder(seed * 1_000_003 + 808)
    genres, weights = list(GENRE_WEIGHTS), list(GENRE_WEIGHTS.values())
    out = []
    for i in range(documents):
        # Every genre once in the first documents, then drawn by weight.
        genre = GENRES[i] if i < len(GENRES) else b.r.choices(genres, weights)[0]
        out.append(b.document(genre))
    return out


if __name__ == "__main__":
    import sys
    import time

    import labelled
    n = int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)
    t0 = time.perf_counter()
    docs = generate(n)
    took = time.perf_counter() - t0
    if n <= 60:
        labelled.show(docs)
    s = labelled.summary(docs)
    total = sum(s["values"].values())
    print(f"{n} documents in {took:.2f} s; {total} values, {sum(s['negatives'].values())} negatives")
    for k in KINDS:
        c = s["values"].get(k, 0)
        print(f"  {k:24} {c:6} {c / max(total, 1):6.1%}")
    for c, n_ in sorted(s["negatives"].items(), key=lambda x: -x[1]):
        print(f"  neg {c:22} {n_}")
