"""Tenth blind part of the labelled Korean documents: funeral-home bookings, enlistment and
discharge papers, driving-school enrolment, long-term care applications, wedding gift ledgers,
number-porting forms, kindergarten bus lists, discharge summaries and record-copy requests,
flea-market sign-ups, credit counselling, job-seeker allowance claims, scholarship payouts,
adoption and foster-care papers, campsite bookings, export declarations, app-store refund
tickets, church offering records, prize claims, veterans' benefit applications, housing-repair
subsidies, property-tax appeals, ride-sharing driver onboarding, hobby-club rosters, powers of
attorney for car registration, telemedicine records and charity-run fundraising pages.

    docs = labelled_blind10.generate(1500, seed=1)

The data model is that of `labelled.py` (`Document`, `Value`, `Negative`); everything is made
from a seed and nothing is downloaded. Each genre has two to five frames (forms, scans, tables,
text messages, chats, mails, transcripts, JSON) written from templates: `<kind:label>` is a value
whose label situation follows from where the label stands (same line, the line above, lines
away, after it, a column header, a JSON key, a bank name, none), `[category]` a look-alike. Values carry valid check digits where real numbers have
them (resident numbers issued before October 2020, foreigner and business registration numbers,
card numbers), accounts keep their bank's shape, licences their region code, passports the
M12345678 or M123A4567 form.

Conventions for numbers a reader could take either way (kept throughout):
- a virtual account issued to one payer for one bill is the office's collecting account, not
  the payer's: a negative of category "virtual_account";
- a safe number (050x) that rings a person stands for that person's phone: a "phone" value,
  written "safe_number";
- a person's own direct work line is a "phone" value (writing "landline"); an extension alone
  (내선 1234) is a negative "extension"; an office's switchboard or fax is a negative;
- every business registration number is a value, a sole trader's and a company's alike;
- an account of a company, church, foundation or office printed for payments is a negative
  "company_account"; an account in a person's name is a value;
- an office's shared mailbox (help@, info@) is a negative "office_email"; a person's work
  address is a value.
A bare date or account-like number that nothing marks as personal is left out rather than
recorded as a value.
"""

from __future__ import annotations

import datetime
import random
import re

import corpus
from labelled import Document, Written, _Writer

PART = "blind10"
KINDS = corpus.KINDS
ALIASES = {"rrn": "resident", "frn": "foreigner_registration", "brn": "business_registration",
           "card": "credit_card", "acct": "bank_account", "phone": "phone", "email": "email",
           "dl": "driver_license", "dob": "birth_date", "pp": "passport"}
SITUATIONS = ("label_before", "in_sentence", "label_english", "label_after", "label_above",
              "lines_away", "column_header", "key_value", "bank_name", "no_label")

# (writing, weight) by kind.
WRITINGS = {
    "resident": (("hyphen", 6), ("plain", 1.5), ("spaced", 1), ("fullwidth", 0.7), ("masked", 2),
                 ("line_break", 0.6), ("hangul_numerals", 0.3), ("post2020", 0)),
    "foreigner_registration": (("hyphen", 6), ("plain", 1.5), ("spaced", 0.7), ("masked", 1.5),
                               ("fullwidth", 0.5), ("line_break", 0.5)),
    "business_registration": (("hyphen", 7), ("plain", 2), ("spaced", 0.7), ("fullwidth", 0.5),
                              ("masked", 0.5)),
    "credit_card": (("hyphen", 5), ("spaced", 2.5), ("plain", 1.5), ("masked", 2.5), ("amex", 0.6),
                    ("fullwidth", 0.5), ("line_break", 0.4)),
    "bank_account": (("hyphen", 6), ("plain", 3), ("spaced", 0.7), ("masked", 1.2)),
    "phone": (("hyphen", 7), ("plain", 1.5), ("dot", 1), ("spaced", 1), ("intl_plus", 0.8),
              ("area_bracket", 0.5), ("landline", 1.2), ("safe_number", 0.6), ("masked", 1.5),
              ("fullwidth", 0.4), ("hangul_numerals", 0.4), ("line_break", 0.4)),
    "email": (("plain", 8), ("masked", 1), ("spelled_at", 0.6), ("korean_at", 0.5),
              ("fullwidth_at", 0.3), ("mailto", 0.5)),
    "driver_license": (("hyphen", 6), ("region_name", 2.5), ("plain", 1.2), ("spaced", 0.6),
                       ("masked", 0.8)),
    "birth_date": (("iso", 2), ("dot", 2.5), ("korean", 2.5), ("yymmdd", 1.5), ("compact", 1),
                   ("slash", 0.6), ("short_dot", 1), ("spaced_dot", 1), ("korean_short", 0.8)),
    "passport": (("old_format", 3), ("current_format", 4), ("foreign", 1.5), ("masked", 0.6)),
}
MASKED_WRITINGS = {"masked"}
# Writings only frames of scans and transcripts ask for.
_SCANNED_OR_SPOKEN = {"line_break", "hangul_numerals"}
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGITS = "공일이삼사오육칠팔구"

# Banks: display names, the shapes their personal accounts take and fixed leading digits.
BANK_SHAPES = {
    "국민": (((6, 2, 6), ""), ((3, 2, 4, 3), "")),
    "신한": (((3, 3, 6), "110"), ((3, 2, 6), "")),
    "우리": (((4, 3, 6), "1002"),),
    "하나": (((3, 6, 5), ""),),
    "농협": (((3, 4, 4, 2), "302"), ((3, 4, 4, 2), "301"), ((6, 2, 6), "")),
    "기업": (((3, 6, 2, 3), ""),),
    "카카오뱅크": (((4, 2, 7), "3333"),),
    "토스뱅크": (((4, 4, 4), "1000"),),
    "케이뱅크": (((3, 3, 6), "100"),),
    "우체국": (((6, 2, 6), ""),),
    "새마을금고": (((4, 4, 4, 1), "9002"), ((4, 4, 4, 1), "9003")),
    "SC제일": (((3, 2, 6), ""),),
    "부산": (((3, 4, 4, 2), ""),),
    "iM뱅크": (((3, 2, 6, 1), ""),),
    "수협": (((3, 2, 6), ""),),
    "신협": (((3, 3, 6), "13"),),
    "광주": (((3, 3, 6), ""),),
    "경남": (((3, 2, 7), ""),),
}
BANK_NAMES = {
    "국민": ("국민은행", "KB국민", "국민", "KB"), "신한": ("신한은행", "신한"), "우리": ("우리은행", "우리"),
    "하나": ("하나은행", "하나"), "농협": ("농협", "NH농협", "농협은행"), "기업": ("IBK기업", "기업은행"),
    "카카오뱅크": ("카카오뱅크", "카뱅"), "토스뱅크": ("토스뱅크", "토스"), "케이뱅크": ("케이뱅크", "K뱅크"),
    "우체국": ("우체국", "우체국예금"), "새마을금고": ("새마을금고", "MG새마을"), "SC제일": ("SC제일은행",),
    "부산": ("부산은행", "BNK부산"), "iM뱅크": ("iM뱅크", "대구은행"), "수협": ("수협",), "신협": ("신협",),
    "광주": ("광주은행",), "경남": ("경남은행",),
}
LICENCE_REGIONS = {11: "서울", 12: "부산", 13: "경기", 14: "강원", 15: "충북", 16: "충남", 17: "전북",
                   18: "전남", 19: "경북", 20: "경남", 21: "제주", 22: "대구", 23: "인천", 24: "광주",
                   25: "대전", 26: "울산", 28: "경기북부"}
DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
           "hotmail.com", "icloud.com", "korea.kr", "yonsei.ac.kr", "hyosung-tnc.co.kr",
           "dongsan.or.kr", "outlook.com")
ROMAN = ("sujin hyunjoo dongha minji jaewon kyungsoo seula taehee yerin junho gayoung wonbin "
         "chaeyoung sanghyuk mirae hoseok bora insoo youngmi daeho").split()
ROMAN_SUR = "kim lee park choi jeong kang jo yun jang lim han oh seo shin kwon hwang ahn song".split()
GIVEN = ("영자 순희 말순 복동 정수 명환 기순 숙자 현철 재숙 옥순 봉수 미란 상철 경자 춘식 은영 동현 하린 "
         "서아 지호 이준 로운 다온 시윤 예준 채아 윤호 가람 나래 한결 보영 창민 태식 미숙 혜란").split()
FOREIGN_NAMES = ("Nguyen Thi Lan", "Tran Van Minh", "Maria Santos", "Batbayar Enkh", "Wang Fang",
                 "Siriporn Chai", "Aziz Karimov", "Le Thu Ha", "Dilnoza Yusupova", "John Reyes",
                 "Pham Quoc Bao", "Rahim Uddin")
PLACES = ("마포구 망원동", "노원구 상계동", "수원시 권선구", "청주시 흥덕구", "전주시 완산구", "창원시 의창구",
          "김해시 내외동", "포항시 북구", "천안시 서북구", "원주시 단구동", "순천시 조례동", "제주시 노형동",
          "강서구 화곡동", "의정부시 신곡동", "광산구 수완동", "달서구 상인동")


REPRESENTATIVE_PREFIXES = ("1588", "1577", "1644", "1661", "1899", "1566", "1600")
OFFICE_AREAS = ("02", "031", "051", "053", "062", "042", "044")
CASE_MARKS = ("가단", "개회", "하단", "타경", "고합", "가소")
PLATE_LETTERS = "가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주허하호"
TRADERS = ("삼진무역", "한결상사", "동해수산", "우성교역")
OFFICE_MAILBOXES = ("help", "info", "contact", "support", "admin", "cs")
OFFICE_DOMAINS = ("hanulfuneral.co.kr", "carecenter.or.kr", "greencamp.kr", "duripay.com", "mokwonchurch.org",
                  "runforhope.kr", "seoulcredit.or.kr", "busandriving.co.kr")


class _Make:
    """Values of every kind in the ways people write them; look-alikes of every category."""

    def __init__(self, r: random.Random) -> None:
        self.r = r
        self.bank = ""

    def d(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def pick(self, kind: str, allowed=None) -> str:
        """A way of writing among `allowed` (by default all but those of scans and speech; a frame
        that asks for one of these gets it most of the time)."""
        allowed = allowed or {w for w, _ in WRITINGS[kind]} - _SCANNED_OR_SPOKEN
        opts = [(w, p * (12 if w in _SCANNED_OR_SPOKEN else 1)) for w, p in WRITINGS[kind] if p and w in allowed]
        return self.r.choices([w for w, _ in opts], [p for _, p in opts])[0]

    def make(self, kind: str, writing: str, **kw) -> Written:
        text, writing = getattr(self, "_" + kind)(writing, **kw)
        return Written(kind, text, writing, writing in MASKED_WRITINGS)

    # ------------------------------------------------------------------ digit groups written

    def _join(self, groups: list[str], writing: str) -> str:
        r = self.r
        if writing == "plain":
            return "".join(groups)
        if writing == "spaced":
            return " ".join(groups)
        if writing == "dot":
            return ".".join(groups)
        if writing == "fullwidth":
            return "-".join(groups).translate(FULL)
        if writing == "hangul_numerals":
            return r.choice((" ", "에 ", "-")).join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in groups)
        if writing == "line_break":
            cut = r.randrange(1, len(groups))
            return "-".join(groups[:cut]) + r.choice(("-\n", "\n")) + "-".join(groups[cut:])
        return "-".join(groups)

    def _resident(self, writing: str, years=(1938, 2006), foreigner: bool = False):
        r = self.r
        y, m, dd = corpus.random_date(r, *years)
        born = datetime.date(y, m, dd)
        if foreigner:
            g = (5 if y < 2000 else 7) + r.randrange(2)
        else:
            g = (1 if y < 2000 else 3) + r.randrange(2)
        head = [int(c) for c in f"{y % 100:02d}{m:02d}{dd:02d}"] + [g]
        if born >= datetime.date(2020, 10, 1) and not foreigner:
            s = "".join(map(str, head)) + self.d(6)
            if writing in ("hyphen", "plain", "spaced", "fullwidth", "line_break", "hangul_numerals"):
                writing = "post2020"
        else:
            d12 = head + [int(c) for c in self.d(5)]
            s = "".join(map(str, d12 + [corpus.resident_check(d12, foreigner)]))
        g2 = [s[:6], s[6:]]
        if writing == "masked":
            mark = r.choice(("*", "*", "X", "●"))
            return g2[0] + "-" + (g2[1][0] + mark * 6 if r.random() < 0.75 else mark * 7), writing
        if writing == "post2020":
            return "-".join(g2), writing
        return self._join(g2, writing), writing

    def _foreigner_registration(self, writing: str, years=(1960, 2004)):
        return self._resident(writing, years, foreigner=True)

    def _business_registration(self, writing: str, corporate: bool | None = None):
        r = self.r
        corporate = r.random() < 0.45 if corporate is None else corporate
        mid = r.choice((81, 86, 87, 88)) if corporate else r.randrange(1, 80)
        d9 = [int(c) for c in f"{r.randrange(101, 900)}{mid:02d}"] + [int(c) for c in self.d(4)]
        s = "".join(map(str, d9 + [corpus.business_check(d9)]))
        g = [s[:3], s[3:5], s[5:]]
        if writing == "masked":
            return f"{g[0]}-{g[1]}-{g[2][:1]}****", writing
        return self._join(g, writing), writing

    def _credit_card(self, writing: str):
        r = self.r
        if writing == "amex":
            body = [3, 7] + [int(c) for c in self.d(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return f"{s[:4]}-{s[4:10]}-{s[10:]}", writing
        prefix = r.choice(([4, 5, 1, 8], [5, 3, 1, 0], [9, 4, 3, 0], [9, 4, 9, 0], [4, 0, 9, 2],
                           [5, 2, 4, 3], [3, 5, 6, 5], [6, 2, 5, 8], [4, 6, 5, 8]))
        body = prefix + [int(c) for c in self.d(11)]
        s = "".join(map(str, body + [corpus.luhn_check(body)]))
        g = [s[0:4], s[4:8], s[8:12], s[12:]]
        if writing == "masked":
            if r.random() < 0.6:
                return f"{g[0]}-{g[1][:2]}**-****-{g[3]}", writing
            return f"{g[0]}-****-****-{g[3]}", writing
        return self._join(g, writing), writing

    def account_groups(self, bank: str = "") -> list[str]:
        shape, lead = self.r.choice(BANK_SHAPES[bank or self.r.choice(tuple(BANK_SHAPES))])
        s = lead + self.d(sum(shape) - len(lead))
        out, i = [], 0
        for n in shape:
            out.append(s[i:i + n])
            i += n
        return out

    def _bank_account(self, writing: str):
        g = self.account_groups(self.bank)
        if writing == "masked":
            g[-1] = g[-1][:-4] + "****" if len(g[-1]) > 4 else "*" * len(g[-1])
            g[1] = "*" * len(g[1]) if self.r.random() < 0.3 else g[1]
            return "-".join(g), writing
        return self._join(g, writing), writing

    def _phone(self, writing: str):
        r = self.r
        if writing == "landline":
            area = r.choice(("02", "031", "032", "033", "041", "042", "043", "051", "052", "053",
                             "055", "061", "062", "063", "064", "070"))
            mid = str(r.randrange(2, 10)) + self.d(3 if area == "02" or r.random() < 0.6 else 2)
            return f"{area}-{mid}-{self.d(4)}", writing
        if writing == "safe_number":
            return f"{r.choice(('0504', '0505', '0507', '0508'))}-{self.d(4)}-{self.d(4)}", writing
        g = ["010", str(r.randrange(2, 10)) + self.d(3), self.d(4)]
        if r.random() < 0.05:
            g = [r.choice(("011", "016", "017", "019")), str(r.randrange(2, 10)) + self.d(2), self.d(4)]
        if writing == "intl_plus":
            rest = g[0][1:]
            return r.choice((f"+82-{rest}-{g[1]}-{g[2]}", f"+82 {rest} {g[1]} {g[2]}",
                             f"+82{rest}{g[1]}{g[2]}", f"+82 ({rest}) {g[1]}-{g[2]}")), writing
        if writing == "area_bracket":
            return f"({g[0]}) {g[1]}-{g[2]}", writing
        if writing == "masked":
            if r.random() < 0.6:
                return f"{g[0]}-{'*' * len(g[1])}-{g[2]}", writing
            return f"{g[0]}-{g[1][:2]}{'*' * (len(g[1]) - 2)}-{g[2][:2]}**", writing
        return self._join(g, writing), writing

    def _email(self, writing: str, work: bool = False):
        r = self.r
        first, sur = r.choice(ROMAN), r.choice(ROMAN_SUR)
        local = r.choice((f"{first}.{sur}", f"{sur}{first}{r.randrange(1, 100):02d}", f"{first}_{sur}",
                          f"{first[0]}{sur}{r.randrange(70, 99)}", f"{sur}.{first}{r.randrange(1, 9)}"))
        domain = r.choice(DOMAINS[8:] if work else DOMAINS)
        if writing == "masked":
            return f"{local[:3]}{'*' * r.randrange(3, 6)}@{domain}", writing
        if writing == "spelled_at":
            return f"{local} {r.choice(('at', '(at)', '[at]'))} {domain}", writing
        if writing == "korean_at":
            return f"{local}{r.choice(('골뱅이', ' 골뱅이 ', ' 앳 '))}{domain}", writing
        if writing == "fullwidth_at":
            return f"{local}＠{domain}", writing
        if writing == "mailto":
            return f"mailto:{local}@{domain}", writing
        return f"{local}@{domain}", writing

    def _driver_license(self, writing: str):
        r = self.r
        code = r.choice(tuple(LICENCE_REGIONS))
        g = [f"{code}", f"{r.randrange(0, 100):02d}", self.d(6), f"{r.randrange(0, 100):02d}"]
        if writing == "region_name":
            return f"{LICENCE_REGIONS[code]}{r.choice((' ', ''))}{'-'.join(g[1:])}", writing
        if writing == "masked":
            return f"{g[0]}-{g[1]}-{g[2][:2]}****-{g[3]}", writing
        return self._join(g, writing), writing

    def _birth_date(self, writing: str, years=(1936, 2004)):
        y, m, dd = corpus.random_date(self.r, *years)
        yy = y % 100
        return {"iso": f"{y}-{m:02d}-{dd:02d}", "dot": f"{y}.{m:02d}.{dd:02d}",
                "korean": f"{y}년 {m}월 {dd}일", "yymmdd": f"{yy:02d}{m:02d}{dd:02d}",
                "compact": f"{y}{m:02d}{dd:02d}", "slash": f"{y}/{m:02d}/{dd:02d}",
                "short_dot": f"{yy:02d}.{m:02d}.{dd:02d}", "spaced_dot": f"{y}. {m}. {dd}.",
                "korean_short": f"{yy:02d}년 {m}월 {dd}일"}[writing], writing

    def _passport(self, writing: str):
        r = self.r
        if writing == "current_format":
            return (r.choice("MMMMSRDG") + self.d(3) + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ")
                    + self.d(4)), writing
        if writing == "foreign":
            return r.choice((lambda: "E" + self.d(8), lambda: "C" + self.d(7), lambda: "P" + self.d(7) + "A",
                             lambda: "EA" + self.d(7), lambda: "N" + self.d(7), lambda: "B" + self.d(7)))(), writing
        if writing == "masked":
            return "M" + self.d(4) + "****", writing
        return r.choice("MMMMSROD") + self.d(8), writing

    # ------------------------------------------------------------------ look-alikes

    def date(self, lo: int = 2024, hi: int = 2027) -> tuple[int, int, int]:
        return corpus.random_date(self.r, lo, hi)

    def negative(self, cat: str) -> str:
        r, d = self.r, self.d
        y, m, dd = self.date()
        makers = {
            "representative_number": lambda: f"{r.choice(REPRESENTATIVE_PREFIXES)}-{d(4)}",
            "office_phone": lambda: f"{r.choice(OFFICE_AREAS)}-{r.randrange(2, 10)}{d(2)}-{d(4)}",
            "fax_number": lambda: r.choice((f"02-{r.randrange(2, 10)}{d(3)}-{d(4)}", f"0505-{d(3)}-{d(4)}",
                                            f"031-{r.randrange(2, 10)}{d(2)}-{d(4)}")),
            "extension": lambda: d(r.choice((3, 4))),
            "company_account": lambda: "-".join(self.account_groups(self.bank)),
            "virtual_account": lambda: r.choice((f"{d(3)}-{d(4)}-{d(4)}-{d(3)}", d(14), f"{d(4)}-{d(6)}-{d(4)}")),
            "payer_number": lambda: r.choice((d(10), f"{d(4)}-{d(4)}-{d(2)}", d(12))),
            "order_number": lambda: r.choice((f"{y}{m:02d}{dd:02d}{d(7)}", f"ORD-{y % 100}{m:02d}{d(6)}", d(13))),
            "invoice_number": lambda: f"{y}{m:02d}{dd:02d}-{r.choice(('41', '10', '42'))}{d(6)}-{d(8)}",
            "tracking_number": lambda: r.choice((d(12), f"{d(4)}-{d(4)}-{d(4)}", d(11))),
            "reservation_number": lambda: r.choice((f"{r.choice('CRB')}{d(9)}", d(10),
                                                    f"{y % 100}{m:02d}{dd:02d}-{d(4)}")),
            "exam_number": lambda: r.choice((f"{r.randrange(10, 99)}{d(6)}", f"{y}-{d(2)}-{d(5)}", d(8))),
            "case_number": lambda: r.choice((f"{y}{r.choice(CASE_MARKS)}{r.randrange(100, 99999)}",
                                             f"{y}-{d(6)}", f"제{y}-{d(5)}호")),
            "policy_number": lambda: r.choice((f"{d(4)}-{d(6)}-{d(4)}", d(14), f"L{d(11)}")),
            "patient_number": lambda: r.choice((d(8), d(10), f"{d(2)}-{d(6)}", f"P{d(8)}")),
            "member_number": lambda: r.choice((d(8), d(10), f"{r.choice('MCK')}{d(9)}")),
            "serial_number": lambda: r.choice((f"{r.choice(('R3', 'SN', 'KR'))}{d(2)}{r.choice('ABCDEFGHJ')}{d(7)}",
                                               d(15), f"{d(4)}-{d(4)}-{d(4)}")),
            "accident_report_number": lambda: r.choice((f"{y}-{d(6)}", f"{y}{m:02d}{dd:02d}-{d(5)}", f"A{d(11)}")),
            "amount": lambda: r.choice((f"{r.randrange(1, 300) * 1000:,}", f"{r.randrange(5, 999) * 100}",
                                        f"{r.randrange(1, 60) * 10000:,}", f"{r.randrange(1000, 99999) * 10:,}")),
            "event_date": lambda: r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}.{m:02d}.{dd:02d}", f"{y}년 {m}월 {dd}일",
                                            f"{y}. {m}. {dd}.", f"{y % 100}.{m:02d}.{dd:02d}",
                                            f"{y}/{m:02d}/{dd:02d}")),
            "time": lambda: r.choice((f"{r.randrange(6, 23):02d}:{r.choice(('00', '30', '10', '40'))}",
                                      f"{r.randrange(1, 12)}시 {r.choice(('', '30분'))}".strip())),
            "postal_code": lambda: f"{r.randrange(1, 64):02d}{d(3)}",
            "building_number": lambda: f"{r.randrange(101, 120)}동 {r.randrange(1, 25)}{r.randrange(1, 9):02d}호",
            "car_plate": lambda: r.choice((f"{r.randrange(10, 400)}{r.choice(PLATE_LETTERS)} {d(4)}",
                                           f"{r.choice(('서울', '경기', '부산', '인천'))}{r.randrange(10, 99)}"
                                           f"{r.choice('바사아자배')} {d(4)}")),
            "ip_address": lambda: ".".join(str(x) for x in (r.choice((121, 211, 175, 59, 118, 14)), r.randrange(256),
                                                             r.randrange(256), r.randrange(1, 255))),
            "version": lambda: r.choice((f"{r.randrange(1, 18)}.{r.randrange(0, 10)}.{r.randrange(0, 30)}",
                                         f"{r.randrange(1, 6)}.{r.randrange(0, 99)}.{r.randrange(0, 9)}.{d(4)}")),
            "isbn": lambda: self.isbn(),
            "pet_registration": lambda: r.choice(("410" + d(12), f"410-{d(4)}-{d(4)}-{d(4)}")),
            "military_number": lambda: r.choice((f"{r.randrange(10, 27)}-7{d(7)}", f"{r.randrange(85, 99)}-{d(8)}",
                                                 f"{r.randrange(10, 27)}-{d(8)}")),
            "funeral_room": lambda: r.choice((f"{r.randrange(1, 12)}", f"특{r.randrange(1, 4)}",
                                              f"{r.randrange(1, 4)}0{r.randrange(1, 9)}")),
            "licence_exam_number": lambda: r.choice((f"{y}{d(2)}-{d(6)}", f"{r.randrange(11, 29)}{d(8)}",
                                                     f"{d(4)}-{d(4)}")),
            "care_recognition_number": lambda: f"L{d(10)}",
            "iccid": lambda: "8982" + r.choice(("30", "06", "05", "08")) + d(13),
            "imei": lambda: self.imei(),
            "employment_insurance_number": lambda: f"{d(3)}-{d(2)}-{d(5)}-{d(1)}",
            "customs_code": lambda: r.choice((f"P{d(12)}", f"{r.choice(TRADERS)}{r.randrange(1, 10)}{d(6)}")),
            "export_declaration_number": lambda: f"{d(5)}-{y % 100}-{d(6)}{r.choice('XUML')}",
            "hs_code": lambda: f"{d(4)}.{d(2)}-{d(4)}",
            "veterans_number": lambda: r.choice((f"{r.randrange(11, 99)}-{d(6)}", f"{r.randrange(11, 99)}{d(6)}")),
            "tax_number": lambda: f"{d(5)}-{r.randrange(1, 9)}-{y}{m:02d}-{d(1)}-{d(7)}",
            "e_payment_number": lambda: d(19),
            "qualification_number": lambda: r.choice((f"{r.randrange(11, 28)}-{y % 100}-{d(6)}", f"제{y % 100}{d(5)}호",
                                                      f"{d(2)}-{d(7)}")),
            "receipt_number": lambda: r.choice((f"{y}{m:02d}{dd:02d}-{d(4)}", f"{y % 100}-{d(6)}", f"R{d(10)}")),
            "app_order_id": lambda: r.choice((f"GPA.{d(4)}-{d(4)}-{d(4)}-{d(5)}",
                                              f"M{r.choice('HKLNT')}{d(2)}{r.choice('ABCDEFGH')}{d(1)}"
                                              f"{r.choice('QRSTVWXZ')}{d(2)}")),
            "lottery_ticket_number": lambda: " ".join(d(5) for _ in range(r.randrange(4, 7))),
            "bib_number": lambda: r.choice((f"{r.randrange(1, 10)}{d(3)}", f"{r.choice(('5K', '10K', 'H'))}-{d(4)}")),
            "campsite_number": lambda: f"{r.choice('ABCDE')}-{r.randrange(1, 40):02d}",
            "offering_number": lambda: r.choice((f"{r.randrange(1, 999):03d}", f"{r.randrange(1, 30)}-{d(3)}")),
            "document_number": lambda: f"{r.choice(('민원', '복지', '보훈', '세무', '지원'))}-{y}-{d(4)}",
            "student_number": lambda: f"{r.randrange(2018, 2027)}{d(r.choice((4, 5)))}",
            "timestamp": lambda: (f"{y}-{m:02d}-{dd:02d} {r.randrange(24):02d}:{r.randrange(60):02d}:"
                                  f"{r.randrange(60):02d}"),
            "office_email": lambda: f"{r.choice(OFFICE_MAILBOXES)}@{r.choice(OFFICE_DOMAINS)}",
            "vehicle_id_number": lambda: (f"KM{r.choice('HJN')}{r.choice('ABCDEFGHJ')}{d(2)}"
                                          f"{r.choice('ABCDEFGH')}{d(1)}{r.choice('MNPLR')}U{d(6)}"),
            "nonprofit_id_number": lambda: f"{r.randrange(101, 900)}-{r.choice(('80', '82', '89'))}-{d(5)}",
            "mail_order_number": lambda: f"제{y}-{r.choice(('서울강남', '경기성남', '부산해운대', '서울마포'))}-{d(5)}호",
            "prescription_number": lambda: f"{y}{m:02d}{dd:02d}{d(5)}",
            "approval_number": lambda: d(8),
            "booth_number": lambda: f"{r.choice('ABCDGH')}{r.randrange(1, 60)}",
            "ticket_number": lambda: r.choice((f"{d(9)}", f"#{d(7)}", f"CS-{y}{m:02d}-{d(5)}")),
        }
        return makers[cat]()

    def isbn(self) -> str:
        body = [9, 7, 9] + [int(c) for c in "11" + self.d(7)]
        t = "".join(map(str, body + [corpus.isbn_check(body)]))
        return f"{t[:3]}-{t[3:5]}-{t[5:9]}-{t[9:12]}-{t[12]}" if self.r.random() < 0.6 else t

    def imei(self) -> str:
        body = [3, 5] + [int(c) for c in self.d(12)]
        t = "".join(map(str, body + [corpus.luhn_check(body)]))
        return t if self.r.random() < 0.6 else f"{t[:2]}-{t[2:8]}-{t[8:14]}-{t[14]}"


NEG_CATEGORIES = ("representative_number", "office_phone", "fax_number", "extension", "company_account",
                  "virtual_account", "payer_number", "order_number", "invoice_number", "tracking_number",
                  "reservation_number", "exam_number", "case_number", "policy_number", "patient_number",
                  "member_number", "serial_number", "accident_report_number", "amount", "event_date", "time",
                  "postal_code", "building_number", "car_plate", "ip_address", "version", "isbn",
                  "pet_registration", "military_number", "funeral_room", "licence_exam_number",
                  "care_recognition_number", "iccid", "imei", "employment_insurance_number", "customs_code",
                  "export_declaration_number", "hs_code", "veterans_number", "tax_number", "e_payment_number",
                  "qualification_number", "receipt_number", "app_order_id", "lottery_ticket_number",
                  "bib_number", "campsite_number", "offering_number", "document_number", "student_number",
                  "timestamp", "office_email", "vehicle_id_number", "nonprofit_id_number", "mail_order_number",
                  "prescription_number", "approval_number", "booth_number", "ticket_number")

# <kind/writings:label@situation>  a value;  [category]  a look-alike;  {slot}  plain filling.
_TOKEN = re.compile(r"<([a-z]+)(?:/([a-z0-9_,]+))?(?::([^<>@]*))?(?:@([a-z_]+))?>|\[([a-z_]+)\]|\{([a-z_0-9]+)\}")
_LETTERS = re.compile(r"[가-힣A-Za-z]")
# Options a maker takes, by kind (birth years of children or the elderly, a company or not).
_OPTIONS = {"resident": ("years",), "foreigner_registration": ("years",), "birth_date": ("years",),
            "business_registration": ("corporate",), "email": ("work",)}


class _Doc:
    """One document being written from templates."""

    def __init__(self, genre: str, r: random.Random, mk: _Make) -> None:
        self.w = _Writer(genre, PART)
        self.genre, self.r, self.mk = genre, r, mk
        self.text = ""
        self.bank_label = ""  # the bank name just written, which labels the account after it
        self.person = self.name()

    def name(self) -> str:
        return self.r.choice(corpus.SURNAMES) + self.r.choice(GIVEN + corpus.GIVEN)

    def add(self, s: str) -> None:
        self.w.add(s)
        self.text += s

    def situation(self, label: str, rest: str) -> str:
        if not label:
            return "no_label"
        i = self.text.rfind(label)
        if i < 0:
            assert label in rest.split("\n")[0], (self.genre, label, rest)
            return "label_after"
        between = self.text[i + len(label):]
        lines = between.count("\n")
        if lines == 0:
            if label.isascii():
                return "label_english"
            return "in_sentence" if _LETTERS.search(between) else "label_before"
        return "label_above" if lines == 1 else "lines_away"

    def value(self, kind: str, label: str = "", frame: str = "", writings=None, situation: str = "",
              rest: str = "", **kw) -> None:
        kind = ALIASES.get(kind, kind)
        allowed = set(writings) if writings else None
        kw = {k: v for k, v in kw.items() if k in _OPTIONS.get(kind, ())}
        written = self.mk.make(kind, self.mk.pick(kind, allowed), **kw)
        if kind == "bank_account" and not label and self.bank_label:
            label, situation = self.bank_label, "bank_name"
        self.bank_label = ""
        assert situation != "label_after" or label in rest.split("\n")[0], (self.genre, label)
        sit = situation or self.situation(label, rest)
        self.w.value(written, sit, label, frame or self.genre)
        self.text += written.text

    def negative(self, cat: str, phrasing: str, text: str = "") -> None:
        text = text or self.mk.negative(cat)
        self.bank_label = ""
        self.w.negative(cat, text, phrasing)
        self.text += text

    def slot(self, name: str) -> str:
        r = self.r
        if name == "name":
            return self.name()
        if name == "person":
            return self.person
        if name == "bank":
            self.mk.bank = r.choice(tuple(BANK_SHAPES))
            self.bank_label = r.choice(BANK_NAMES[self.mk.bank])
            return self.bank_label
        if name == "place":
            return r.choice(PLACES)
        if name == "foreigner":
            return r.choice(FOREIGN_NAMES)
        if name == "given":
            return r.choice(GIVEN)
        if name == "n":
            return str(r.randrange(2, 9))
        if name == "age":
            return str(r.randrange(19, 88))
        if name == "month":
            return str(r.randrange(1, 13))
        raise KeyError(name)

    def t(self, template: str, frame: str = "", **kw) -> None:
        """Writes a template; `frame` names the structure its values sit in."""
        frame = frame or self.genre
        pos = 0
        for m in _TOKEN.finditer(template):
            self.add(template[pos:m.start()])
            pos = m.end()
            kind, writings, label, sit, cat, slot = m.groups()
            if kind:
                self.value(kind, (label or "").strip(), frame, writings.split(",") if writings else None,
                           {"": "", "col": "column_header", "key": "key_value", "after": "label_after"}[sit or ""],
                           template[pos:], **kw)
            elif cat:
                self.negative(cat, f"{frame}.{cat}")
            else:
                self.add(self.slot(slot))
        self.add(template[pos:])

    def field(self, labels, kind: str, writings=None, seps=(": ", " ", " : ", "："), end: str = "\n",
              frame: str = "", **kw) -> None:
        """`label: value` with one of the labels and separators."""
        label = self.r.choice(labels) if isinstance(labels, tuple) else labels
        self.add(label + self.r.choice(seps))
        self.value(kind, label, frame, writings, **kw)
        self.add(end)

    def nfield(self, labels, cat: str, seps=(": ", " ", " : "), end: str = "\n", frame: str = "") -> None:
        label = self.r.choice(labels) if isinstance(labels, tuple) else labels
        self.add(label + self.r.choice(seps))
        self.negative(cat, f"{frame or self.genre}.{label}")
        self.add(end)

    def document(self) -> Document:
        return self.w.document()


# --------------------------------------------------------------------------- genres
# Each genre writes one document in one of its frames; `c` picks among wordings.

def _c(d: _Doc, *items):
    return d.r.choice(items)


def funeral_booking(d: _Doc) -> None:
    r = d.r
    hall = _c(d, "한마음", "연세", "성모", "새하늘", "{place} 시민", "보람")
    f = r.randrange(3)
    if f == 0:
        d.t("■ " + hall + "장례식장 빈소 접수 카드\n", "card")
        d.t("고인: {name} (향년 {age}세)\n", "card")
        d.field(("고인 생년월일", "고인 생일"), "dob", frame="card", years=(1928, 1965))
        d.t("빈소: [funeral_room]호실   입관 [event_date] [time]   발인 [event_date] [time]\n", "card")
        d.t("상주: {name} / <phone:상주>\n", "card")
        if r.random() < 0.6:
            d.field(("상주 주민번호", "상주 주민등록번호"), "rrn", frame="card")
        if r.random() < 0.3:
            d.t("상제: {name}  <phone/hyphen,dot,spaced:(차남)@after> (차남)\n", "card")
        d.t("부의금 계좌: {bank} <acct:부의금 계좌> (예금주 {name})\n", "card")
        d.t("장례식장 대표전화 [office_phone] · 팩스 [fax_number]\n", "card")
        d.t("장례비 선결제 카드 <card/masked,hyphen:장례비 선결제 카드>  승인번호 [approval_number]\n", "card")
        if r.random() < 0.5:
            d.t("영수증 발행처 사업자등록번호 <brn:사업자등록번호>\n", "card")
    elif f == 1:
        d.t("[부고]\n{name}님의 부친 {name}님께서 [event_date] 별세하셨기에 삼가 알려드립니다.\n", "notice")
        d.t("빈소: " + hall + "장례식장 [funeral_room]호실\n발인: [event_date] 오전 [time]\n장지: {place} 추모공원\n", "notice")
        d.t("마음 전하실 곳\n{bank} <acct:마음 전하실 곳> (상주 {name})\n", "notice")
        if r.random() < 0.5:
            d.t("{bank} <acct> (상주 {name})\n", "notice")
        d.t(_c(d, "상주 연락처 <phone:상주 연락처>\n", "연락처: <phone:연락처> ({name})\n",
               "상주 {name} <phone/hyphen>\n상주 {name} <phone/hyphen,dot>\n",
               "문의는 아래로 부탁드립니다.\n<phone:문의는 아래로>\n"), "notice")
        d.t("장례식장 안내 [representative_number]\n", "notice")
    else:
        d.t("e하늘 장사정보시스템 화장예약 확인서\n예약번호: [reservation_number]\n", "cremation")
        d.t("사망자 성명 {name}\n", "cremation")
        if r.random() < 0.8:
            d.field("사망자 주민등록번호", "rrn", ("masked", "hyphen", "plain"), frame="cremation", years=(1925, 1970))
        else:
            d.field("사망자 외국인등록번호", "frn", ("masked", "hyphen", "plain"), frame="cremation")
        d.t("신청인 {name} (관계: " + _c(d, "장남", "배우자", "장녀", "손자") + ")\n", "cremation")
        d.field(("신청인 휴대전화", "신청인 연락처", "신청인 HP"), "phone", frame="cremation")
        d.field(("신청인 생년월일",), "dob", frame="cremation")
        if r.random() < 0.35:
            d.t("신청인 신분증: 여권 (해외 거주) <pp:여권>\n", "cremation")
        d.t("화장일시 [event_date] [time]  화장로 [funeral_room]번\n", "cremation")
        d.t("{place} 승화원 ☎ [office_phone]  사용료 [amount]원\n", "cremation")
        if r.random() < 0.4:
            d.t("장례지도사 {name} <phone/hyphen,safe_number:장례지도사>\n", "cremation")


def military_papers(d: _Doc) -> None:
    r = d.r
    f = r.randrange(4)
    if f == 0:
        d.t("병무청 현역병 입영 통지서\n", "notice")
        d.t("성명 {name}     생년월일 <dob:생년월일>\n", "notice", years=(2002, 2007))
        d.field(("주민등록번호", "주민번호"), "rrn", ("masked", "hyphen"), frame="notice", years=(2002, 2007))
        d.t("입영일시: [event_date] [time]\n입영부대: 육군훈련소(논산)\n접수번호 [receipt_number]\n", "notice")
        d.t("주소 {place} [building_number] ([postal_code])\n", "notice")
        d.t("문의: {place} 지방병무청 [office_phone] / 대표 [representative_number]\n", "notice")
        if r.random() < 0.3:
            d.t("※ 보호자 연락처 변경 시 신고: 현재 등록 <phone/masked:보호자 연락처>\n", "notice")
    elif f == 1:
        d.t("--- 스캔본 ---\n전   역   증\n군    번  [military_number]\n계    급  병장\n성    명  {name}\n", "scan")
        d.t("생년월일  <dob/dot,korean,iso:생년월일>\n입 대 일  [event_date]\n전 역 일  [event_date]\n", "scan",
            years=(1995, 2005))
        if r.random() < 0.5:
            d.t("주민등록번호  <rrn/line_break,hyphen:주민등록번호>\n", "scan", years=(1995, 2005))
        d.t("--- 제출자 메모 ---\n", "scan")
        word = _c(d, "연락은", "회신은")
        d.t("취업지원 제출용입니다. " + word + " <phone:" + word + "> 또는 메일 <email:메일>로 주세요.\n", "scan")
        if r.random() < 0.5:
            d.t("{name} <phone/hyphen>\n", "scan")
    elif f == 3:
        d.t("병역의무자 국외여행 허가 신청서\n성명 {name}\n", "travel")
        d.field(("주민등록번호",), "rrn", ("hyphen", "masked"), frame="travel", years=(1998, 2007))
        d.field(("여권번호",), "pp", ("old_format", "current_format"), frame="travel")
        d.t("여행국가 " + _c(d, "미국", "베트남", "호주", "캐나다") + "  기간 [event_date] ~ [event_date]\n", "travel")
        d.field(("휴대전화", "연락처"), "phone", frame="travel")
        if r.random() < 0.5:
            d.field(("국외 연락처",), "phone", ("intl_plus",), frame="travel")
        d.field(("이메일",), "email", frame="travel")
        d.t("접수번호 [receipt_number]  병무민원상담소 [representative_number]\n", "travel")
    else:
        d.t("장병내일준비적금 가입 신청\n군번 [military_number]   소속 제{n}보병사단\n성명 {name}\n", "saving")
        d.field(("생년월일", "생년월일(6자리)"), "dob", ("yymmdd", "dot", "compact"), frame="saving", years=(2003, 2007))
        d.t("적금 계좌 개설 은행: {bank}\n", "saving")
        d.field(("급여 입금 계좌", "나라사랑카드 연결 계좌"), "acct", frame="saving")
        d.field(("휴대폰", "휴대전화"), "phone", frame="saving")
        if r.random() < 0.5:
            d.field(("부모님 연락처", "보호자 연락처"), "phone", frame="saving")
        d.t("월 납입액 [amount]원  신청일 [event_date]\n", "saving")


def driving_school(d: _Doc) -> None:
    r = d.r
    f = r.randrange(3)
    if f == 0:
        d.t(_c(d, "{place}", "한빛", "제일") + "자동차운전전문학원 수강 등록카드\n", "card")
        d.t("성명 {name}   생년월일 <dob:생년월일>\n", "card", years=(1960, 2008))
        if r.random() < 0.65:
            d.field(("주민등록번호", "주민번호"), "rrn", frame="card", years=(1960, 2007))
        else:
            d.field(("외국인등록번호", "등록증번호"), "frn", frame="card")
            d.field(("여권번호", "Passport No."), "pp", frame="card")
        d.field(("휴대폰", "연락처", "H.P"), "phone", frame="card")
        if r.random() < 0.3:
            d.field(("보호자 연락처", "비상연락처"), "phone", frame="card")
        d.t("등록 과정: " + _c(d, "1종 보통", "2종 보통(자동)", "1종 대형", "2종 소형") + "   수강료 [amount]원\n", "card")
        if r.random() < 0.7:
            d.t("기존 면허: " + _c(d, "2종 보통", "2종 원동기", "1종 보통") + "  면허번호 <dl:면허번호>\n", "card")
        d.t("학과시험 접수번호 [licence_exam_number]\n", "card")
        d.t("결제 카드 <card:결제 카드>  할부 3개월  승인번호 [approval_number]\n", "card")
        d.t("학원 상담실 [office_phone]\n", "card")
    elif f == 1:
        d.t("[강사 {name}] 내일 기능시험 안내드립니다.\n시험 접수번호: [licence_exam_number] / 집합 [time]\n", "chat")
        d.t("신분증 꼭 챙겨 오세요. 차량은 [car_plate] 입니다.\n", "chat")
        d.t("수강생: 선생님 저 1종 추가하려는데 기존 면허번호 보내드려요\n", "chat")
        d.t("수강생: <dl:기존 면허번호>\n", "chat")
        d.t("강사: 확인했습니다. 연락처도 바뀌셨으면 알려주세요\n", "chat")
        d.t("수강생: 네 <phone/hyphen,plain:연락처도> 으로 바뀌었어요\n", "chat")
    else:
        contact = r.random() < 0.5
        d.t("도로주행 합격자 명단 (면허 발급 대기)\n수험번호\t성명\t생년월일\t면허번호"
            + ("\t연락처\n" if contact else "\n"), "table")
        for _ in range(r.randrange(2, 6)):
            d.t("[exam_number]\t{name}\t<dob/iso,dot,yymmdd,compact:생년월일@col>\t<dl/hyphen,plain:면허번호@col>"
                + ("\t<phone/hyphen,plain:연락처@col>\n" if contact else "\n"), "table", years=(1970, 2008))
        d.t("※ 면허증은 [event_date] 이후 {place} 면허시험장에서 수령\n", "table")


def longterm_care(d: _Doc) -> None:
    r = d.r
    f = r.randrange(3)
    if f == 0:
        d.t("장기요양인정 신청서\n[신청인(대상자)]\n성명 {name}\n", "form")
        d.field(("주민등록번호",), "rrn", ("hyphen", "masked", "plain"), frame="form", years=(1928, 1958))
        d.t("주소 {place} [building_number]   우편번호 [postal_code]\n", "form")
        if r.random() < 0.5:
            d.field(("전화번호", "자택 전화"), "phone", ("landline",), frame="form")
        else:
            d.field(("휴대전화",), "phone", frame="form")
        d.t("[대리인]\n성명 {name}  관계 " + _c(d, "자녀", "배우자", "며느리", "사위") + "\n", "form")
        d.field(("대리인 생년월일", "생년월일"), "dob", frame="form", years=(1955, 1990))
        if r.random() < 0.25:
            d.field(("대리인 외국인등록번호",), "frn", frame="form")
        d.field(("대리인 연락처", "연락처"), "phone", frame="form")
        d.field(("대리인 이메일", "전자우편"), "email", frame="form")
        if r.random() < 0.5:
            d.t("장기요양인정번호(갱신 시 기재) [care_recognition_number]\n", "form")
        d.t("국민건강보험공단 {place}지사 [representative_number]\n", "form")
    elif f == 1:
        d.t("[Web발신]\n[국민건강보험] {name}님 장기요양 방문조사 일정 안내\n일시: [event_date] [time]\n", "sms")
        d.t("인정번호 [care_recognition_number]\n", "sms")
        d.t("보호자 연락처 <phone/masked:보호자 연락처> 로 조사 전날 연락드립니다.\n문의 [representative_number]\n", "sms")
    else:
        d.t("요양원 입소 상담 메모 ([event_date])\n어르신: {name}, 향년 아님 현재 {age}세, 치매 3등급\n", "memo")
        d.t("어르신 생신 <dob/korean,dot,korean_short:생신> (음력 아님)\n", "memo", years=(1928, 1950))
        d.t("주보호자 아들 {name} <phone/hyphen>, 딸 {name} <phone/hyphen,dot>\n", "memo")
        d.t("장기요양인정번호 [care_recognition_number] 확인, 본인부담 [amount]원\n", "memo")
        d.t("자동이체 신청: {bank} <acct:자동이체 신청> (예금주 아들), 납부자번호 [payer_number]\n", "memo")
        d.t("요양원 원무과 [office_phone] 내선 [extension]\n", "memo")


def wedding_ledger(d: _Doc) -> None:
    r = d.r
    f = r.randrange(3)
    if f == 0:
        d.t("축의금 장부 (신랑측) [event_date]\n번호\t성함\t관계\t금액\t답례 계좌\n", "ledger")
        for i in range(r.randrange(3, 7)):
            d.t(f"{i + 1}\t" + "{name}\t" + _c(d, "회사", "친구", "친척", "대학 동기", "거래처") +
                "\t[amount]\t{bank} <acct:답례 계좌@col>\n", "ledger")
        d.t("합계 [amount]원\n", "ledger")
    elif f == 1:
        d.t("[모바일 청첩장] {name} ♥ {name}\n[event_date] [time]  {place} 웨딩홀 3층\n", "invite")
        d.t("예식장 안내 [office_phone]\n\n마음 전하실 곳\n", "invite")
        d.t("신랑 {name} {bank} <acct>\n", "invite")
        d.t("신랑 아버지 {name} {bank} <acct>\n", "invite")
        d.t("신부 {name} {bank} <acct>\n", "invite")
        if r.random() < 0.6:
            d.t("연락하기\n", "invite")
            d.t("신랑 {name} <phone/hyphen>  신부 {name} <phone/hyphen>\n", "invite")
    else:
        d.t("(단톡방) 엄마가 축의 답례 보낼 사람들 정리해달래\n", "chat")
        for _ in range(r.randrange(2, 5)):
            d.t("{name} 이모 {bank} <acct> ([amount]원 받음)\n", "chat")
        d.t("{name} 삼촌은 계좌 말고 번호로 보내달래 <phone/hyphen:번호로>\n", "chat")
        d.t("사촌 메일로 사진 보내줘 <email:메일로>\n", "chat")


def number_porting(d: _Doc) -> None:
    r = d.r
    f = r.choice((0, 1, 1, 2, 3, 4))
    if f == 0:
        d.t("번호이동 신청서 (" + _c(d, "SKT → KT", "KT → LG U+", "LG U+ → SKT", "SKT → 알뜰폰") + ")\n", "form")
        d.t("가입자명 {name}\n", "form")
        d.field(("생년월일",), "dob", frame="form")
        d.field(("주민등록번호", "주민번호"), "rrn", ("masked", "hyphen"), frame="form")
        d.field(("이동할 번호", "이동 전화번호", "번호이동 대상 번호"), "phone", frame="form")
        d.field(("유심번호(ICCID)", "USIM 일련번호"), "iccid", frame="form") if False else \
            d.nfield(("유심번호(ICCID)", "USIM 일련번호", "ICCID"), "iccid", frame="form")
        d.nfield(("단말기 IMEI", "IMEI", "단말 일련번호(IMEI)"), "imei", frame="form")
        if r.random() < 0.4:
            d.nfield(("기존 단말 S/N", "반납 단말 일련번호"), "serial_number", frame="form")
        x = r.random()
        if x < 0.6:
            d.t("본인확인 신분증: 운전면허증  <dl:운전면허증>\n", "form")
        elif x < 0.85:
            d.t("본인확인 신분증: 여권  <pp:여권>\n", "form")
        else:
            d.t("본인확인 신분증: 외국인등록증  <frn:외국인등록증>\n", "form")
        if r.random() < 0.5:
            d.t("요금 자동이체: {bank} <acct:요금 자동이체>\n", "form")
        else:
            d.t("요금 자동납부 카드 <card:요금 자동납부 카드>\n", "form")
        d.t("판매점 연락처 [office_phone]  고객센터 [representative_number]\n", "form")
    elif f == 1:
        d.t("Mobile Number Portability Application (외국인 고객)\nName: {foreigner}\n", "foreign")
        d.field(("Passport No.", "여권번호"), "pp", ("foreign", "old_format"), frame="foreign")
        d.field(("ARC No.", "외국인등록번호"), "frn", frame="foreign")
        d.field(("Date of Birth", "DOB"), "dob", ("iso", "slash", "dot"), frame="foreign")
        d.field(("Number to port", "Current number"), "phone", ("hyphen", "plain", "intl_plus"), frame="foreign")
        d.field(("E-mail",), "email", frame="foreign")
        d.nfield(("New USIM (ICCID)", "USIM"), "iccid", frame="foreign")
        d.nfield(("IMEI",), "imei", frame="foreign")
    elif f == 4:
        d.t("(판매점 카톡)\n판매점: 개통하려면 신분증 사진이랑 현재 번호 보내주세요\n", "dealer")
        if r.random() < 0.6:
            d.t("고객: [사진] {person} <rrn/hyphen,masked>\n", "dealer")
        else:
            d.t("고객: [사진] {foreigner} <frn/hyphen,masked>\n", "dealer")
        d.t("고객: <phone/hyphen,plain:현재 번호>\n", "dealer")
        d.t("판매점: 요금은 어떤 카드로 내실 거예요?\n고객: <card/hyphen,spaced,fullwidth:카드로>\n", "dealer")
        d.t("판매점: 유심 [iccid] 로 개통해 드릴게요. 매장 [office_phone]\n", "dealer")
    elif f == 3:
        d.t("해외체류 일시정지 신청 (출국 확인)\n가입자 {name}\n", "abroad")
        d.field(("정지할 번호", "휴대폰 번호"), "phone", frame="abroad")
        d.field(("여권번호",), "pp", ("old_format", "current_format", "masked"), frame="abroad")
        d.field(("생년월일",), "dob", frame="abroad")
        d.t("출국일 [event_date]  귀국 예정 [event_date]\n", "abroad")
        d.field(("해외 연락처",), "phone", ("intl_plus",), frame="abroad")
        d.t("유심 [iccid] 보관, 고객센터 [representative_number]\n", "abroad")
    else:
        d.t("[Web발신]\n[" + _c(d, "KT", "SKT", "LG U+") + "] 번호이동 개통이 완료되었습니다.\n", "sms")
        d.t("개통번호 <phone/masked:개통번호>\n", "sms")
        d.t("USIM [iccid]\n기기 IMEI [imei]\n처리 [timestamp]\n", "sms")
        d.t("가입 신청서 사본은 <email/masked,plain:사본은> 로 발송되었습니다.\n고객센터 [representative_number]\n", "sms")


def kinder_bus(d: _Doc) -> None:
    r = d.r
    f = r.randrange(2)
    car = _c(d, "1", "2", "3")
    if f == 0:
        d.t("햇님유치원 " + car + "호차 등원 탑승 명단 ([event_date])\n", "list")
        if r.random() < 0.5:
            d.t("차량 [car_plate]  기사님 {name} <phone/hyphen>  동승교사 {name} <phone/hyphen>\n", "list")
        else:
            d.t("차량 [car_plate]  동승교사 {name}\n", "list")
        ident = _c(d, "생년월일", "원아 주민번호")
        d.t("원아명\t반\t" + ident + "\t탑승 위치\t보호자\t보호자 연락처\n", "list")
        for _ in range(r.randrange(2, 5)):
            d.t("{name}\t" + _c(d, "햇살반", "꽃잎반", "별빛반", "새싹반") +
                ("\t<dob/dot,iso,yymmdd:생년월일@col>\t" if ident == "생년월일" else
                 "\t<rrn/hyphen,masked:원아 주민번호@col>\t") +
                "{place} 정류장 [time]\t{name}\t<phone/hyphen,plain,dot:보호자 연락처@col>\n", "list",
                years=(2019, 2022))
        d.t("유치원 행정실 [office_phone]\n", "list")
    else:
        d.t("[햇님유치원 알림] " + car + "호차 하원 보호자 변경 안내\n", "notice")
        d.t("원아 {name}(꽃잎반)의 하원 보호자가 할머니로 변경됩니다.\n", "notice")
        if r.random() < 0.5:
            d.t("변경된 보호자 연락처: <phone:변경된 보호자 연락처>\n", "notice")
        else:
            d.t("할머니 연락처를 알려드립니다.\n하원 시 꼭 확인 부탁드립니다.\n<phone/hyphen,dot:할머니 연락처>\n", "notice")
        if r.random() < 0.5:
            d.t("원아 주민번호(보험 가입용) <rrn:원아 주민번호>\n", "notice", years=(2018, 2022))
        d.t("차량 [car_plate] 정차 시각 [time], 문의 [office_phone]\n", "notice")


def discharge_summary(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.35:
        d.t("[퇴원 안내문] {name}님, 퇴원을 축하드립니다.\n등록번호 [patient_number]\n", "leaflet")
        d.t("퇴원약: 원외처방 (처방전 번호 [prescription_number])\n다음 외래 [event_date] [time]\n", "leaflet")
        d.t("진료비 [amount]원 결제 카드 <card/masked:결제 카드>\n", "leaflet")
        d.t("이상 증상이 있으면 등록된 보호자 번호(<phone/masked,hyphen:보호자 번호>)로 연락드립니다.\n", "leaflet")
        d.t("예약 변경 [representative_number]\n", "leaflet")
        return
    fax = r.random() < 0.3
    if fax:
        d.t("수신: {place} 요양병원 / 발신 팩스 [fax_number] / 3매 중 1\n", "summary")
    d.t("퇴원요약지 (Discharge Summary)\n", "summary")
    d.t("등록번호 [patient_number]   환자명 {name}   성별/나이 " + _c(d, "M", "F") + "/{age}\n", "summary")
    d.field(("주민번호", "주민등록번호"), "rrn", ("line_break", "hyphen") if fax else ("masked", "hyphen"),
            frame="summary")
    if r.random() < 0.35:
        d.field(("외국인등록번호",), "frn", ("masked", "hyphen"), frame="summary")
        d.field(("여권번호",), "pp", ("foreign", "old_format"), frame="summary")
    d.t("입원일 [event_date]   퇴원일 [event_date]\n", "summary")
    d.t("진단명: " + _c(d, "우측 대퇴골 경부 골절", "지역사회획득 폐렴", "급성 담낭염", "뇌경색") + "\n", "summary")
    d.t("퇴원 후 외래: [event_date] [time] 예약번호 [reservation_number]\n", "summary")
    d.t("처방전 번호 [prescription_number]\n", "summary")
    d.t("보호자: {name} (" + _c(d, "배우자", "아들", "딸") + ") <phone/" + ("line_break,hyphen" if fax else "hyphen,dot")
        + ":보호자>\n", "summary")
    if r.random() < 0.25:
        d.t("간병인 {name} 연락처 <phone:연락처>\n", "summary")
    d.t("병동 간호사실 [office_phone] 내선 [extension]\n", "summary")


def records_request(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.3:
        d.t("진료기록 열람 및 사본발급 위임장\n위임인(환자) {name}\n", "proxy")
        d.field(("위임인 주민등록번호",), "rrn", frame="proxy")
        d.t("수임인 {name} (" + _c(d, "한결손해사정", "미래손해사정", "다온보험 보상팀") + ")\n", "proxy")
        d.field(("수임인 생년월일",), "dob", frame="proxy")
        d.field(("수임인 직통", "수임인 연락처"), "phone", ("landline", "hyphen"), frame="proxy")
        d.field(("수임인 이메일",), "email", frame="proxy", work=True)
        d.t("보험 증권번호 [policy_number] / 사고접수번호 [accident_report_number]\n", "proxy")
        return
    d.t("의무기록 사본 발급 신청서\n", "form")
    d.t("환자 성명 {name}    환자번호 [patient_number]\n", "form")
    if r.random() < 0.8:
        d.field(("환자 주민등록번호", "환자 주민번호"), "rrn", frame="form")
    else:
        d.field(("환자 외국인등록번호",), "frn", frame="form")
    d.t("신청인 성명 {name}    환자와의 관계 " + _c(d, "본인", "자녀", "배우자", "부모") + "\n", "form")
    d.field(("신청인 생년월일",), "dob", frame="form")
    d.field(("신청인 연락처", "신청인 휴대폰"), "phone", frame="form")
    x = r.random()
    if x < 0.4:
        d.t("신청인 신분증: 운전면허증 (<dl:운전면허증>)\n", "form")
    elif x < 0.7:
        d.t("신청인 신분증: 여권 (<pp:여권>)\n", "form")
        if r.random() < 0.5:
            d.t("해외 체류 중 대리 수령 불가, 우편 주소 확인 바람\n", "form")
    else:
        d.t("신청인 신분증: 외국인등록증 (<frn:외국인등록증>)\n", "form")
    d.t("발급 용도: 보험금 청구 (증권번호 [policy_number])    보험사 팩스 [fax_number]\n", "form")
    d.t("발급 수수료 [amount]원  영수증번호 [receipt_number]\n", "form")
    if r.random() < 0.4:
        d.t("수수료 결제 카드 <card/masked:결제 카드>\n", "form")
    if r.random() < 0.6:
        d.field(("전자 발급 받을 이메일", "이메일"), "email", frame="form")
    if r.random() < 0.4:
        d.t("※ 발급이 끝나면 아래 번호로 문자 드립니다.\n(평일 09~18시, 토요일 휴무)\n<phone/hyphen:아래 번호로>\n", "form")
    d.t("의무기록팀 [office_phone]\n", "form")


def flea_market(d: _Doc) -> None:
    r = d.r
    f = r.randrange(2)
    if f == 0:
        d.t("[{place} 주말 벼룩시장] 셀러 참가 신청\n", "form")
        d.t("닉네임: 헌책방고양이\n실명 {name}\n", "form")
        d.field(("연락처", "휴대폰"), "phone", frame="form")
        if r.random() < 0.4:
            d.field(("외국인등록번호(외국인 셀러)",), "frn", frame="form")
        d.t("정산 계좌: {bank} <acct:정산 계좌>  예금주 {name}\n", "form")
        if r.random() < 0.6:
            d.t("사업자 셀러만 기재 - 사업자번호 <brn:사업자번호>\n", "form", corporate=False)
        d.t("부스 [booth_number]  참가비 [amount]원\n", "form")
        d.t("참가비 입금: {bank} [company_account] (예금주 벼룩시장운영위원회)\n", "form")
    else:
        d.t("중고서점 위탁판매자 가입 확인\n판매자 {name}님, 가입이 완료되었습니다.\n", "mail")
        d.field(("아이디(이메일)", "E-mail"), "email", frame="mail")
        d.field(("휴대폰 번호",), "phone", frame="mail")
        d.t("판매대금 입금 계좌 {bank} <acct:판매대금 입금 계좌>\n", "mail")
        d.t("첫 등록 도서\n", "mail")
        for _ in range(r.randrange(1, 4)):
            d.t("- ISBN [isbn]  희망가 [amount]원\n", "mail")
        if r.random() < 0.6:
            d.t("첫 판매 주문번호 [order_number], 발송 송장 [tracking_number]\n", "mail")
        d.t("문의 [office_email] / [representative_number]\n", "mail")


def credit_counselling(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.35:
        d.t("[상담 통화 STT 요약] 접수번호 [receipt_number]\n상담사: 본인 확인 위해 주민번호 불러 주시겠어요?\n", "stt")
        d.t("고객: <rrn/hangul_numerals,hyphen:주민번호> 이요\n", "stt")
        d.t("상담사: 연락 가능한 번호도 부탁드립니다.\n고객: <phone/hangul_numerals,hyphen:연락 가능한 번호>\n", "stt")
        d.t("상담사: 연체 중인 카드 번호 아시면 말씀해 주세요.\n고객: 카드는 <card/spaced,hyphen:카드>요\n", "stt")
        d.t("상담사: 상담 예약은 [event_date] [time] 으로 잡아 드릴게요.\n", "stt")
        return
    d.t("신용회복 상담 접수표  접수번호 [receipt_number]\n", "sheet")
    d.t("신청인 {name}\n", "sheet")
    if r.random() < 0.85:
        d.field(("주민등록번호",), "rrn", frame="sheet")
    else:
        d.field(("외국인등록번호",), "frn", frame="sheet")
    d.field(("휴대폰", "연락처"), "phone", frame="sheet")
    if r.random() < 0.3:
        d.field(("직장 전화",), "phone", ("landline",), frame="sheet")
    d.t("채무 내역\n| 채권자 | 계좌/카드번호 | 잔액 |\n|---|---|---|\n", "sheet")
    for _ in range(r.randrange(2, 5)):
        if r.random() < 0.5:
            d.t("| " + _c(d, "국민카드", "신한카드", "삼성카드", "현대카드", "롯데카드") +
                " | <card/hyphen,plain,masked,amex:계좌/카드번호@col> | [amount] |\n", "sheet")
        else:
            d.t("| {bank} | <acct/hyphen,plain:계좌/카드번호@col> | [amount] |\n", "sheet")
    d.t("변제금 납입 가상계좌: {bank} [virtual_account] (신청인 전용)\n", "sheet")
    if r.random() < 0.4:
        d.t("[첨부 카드명세서 스캔 판독]\n이용카드 <card/line_break,hyphen:이용카드> 결제예정금액 [amount]\n", "sheet")
    if r.random() < 0.5:
        d.t("CMS 납부자번호 [payer_number]\n", "sheet")
    d.t("상담사 {name} (내선 [extension])  대표번호 [representative_number]\n", "sheet")


def jobseeker_allowance(d: _Doc) -> None:
    r = d.r
    f = r.randrange(2)
    if f == 0:
        d.t("구직급여 수급자격 인정 신청서\n성명 {name}\n", "form")
        if r.random() < 0.6:
            d.field(("주민등록번호",), "rrn", frame="form")
        else:
            d.field(("외국인등록번호",), "frn", frame="form")
            if r.random() < 0.5:
                d.field(("여권번호",), "pp", ("foreign",), frame="form")
        d.field(("휴대전화",), "phone", frame="form")
        d.field(("전자우편",), "email", frame="form")
        d.t("이직 사업장: (주)" + _c(d, "대성정밀", "한울물류", "미래식품", "서진테크") + "\n", "form")
        d.nfield(("사업장관리번호", "고용보험 관리번호"), "employment_insurance_number", frame="form")
        d.field(("사업자등록번호",), "brn", frame="form", corporate=True)
        d.t("피보험 기간 [event_date] ~ [event_date]\n", "form")
        d.t("구직급여 받을 계좌: {bank} <acct:구직급여 받을 계좌> (본인 명의)\n", "form")
        d.t("{place} 고용센터 담당 {name} [office_phone] 내선 [extension]\n", "form")
    else:
        d.t("[Web발신]\n[고용노동부] {name}님 실업인정일은 [event_date] 입니다.\n", "sms")
        d.t("구직급여 [amount]원이 {bank} <acct/masked:구직급여> 로 지급되었습니다.\n", "sms")
        d.t("담당자 직통 <phone/landline:담당자 직통>\n", "sms")
        d.t("고객상담센터 [representative_number]\n", "sms")


def scholarship_payout(d: _Doc) -> None:
    r = d.r
    f = r.randrange(2)
    found = _c(d, "청송", "한빛나눔", "두레", "새솔") + "장학재단"
    if f == 0:
        d.t(found + " [event_date] 장학금 지급 명세\nNo\t성명\t학교\t학번\t생년월일\t은행\t계좌번호\t지급액\n", "table")
        for i in range(r.randrange(3, 7)):
            d.t(f"{i + 1}\t" + "{name}\t" + _c(d, "충남대", "부경대", "전북대", "한양대") +
                "\t[student_number]\t<dob/dot,iso,compact,yymmdd:생년월일@col>\t{bank}\t"
                "<acct/hyphen,plain:계좌번호@col>\t[amount]\n", "table", years=(2000, 2008))
        d.t("재단 사무국 [office_phone] / [office_email]\n", "table")
    else:
        d.t("제목: [" + found + "] 장학생 선발 및 지급 서류 요청\n\n{name} 학생 안녕하세요.\n", "mail")
        d.t("장학금 지급과 기타소득 신고를 위해 아래 정보를 회신해 주세요.\n", "mail")
        d.t("--- 회신 ---\n성명: {name}\n", "mail")
        if r.random() < 0.65:
            d.field(("주민등록번호",), "rrn", frame="mail", years=(2000, 2007))
        else:
            d.field(("외국인등록번호",), "frn", frame="mail", years=(1998, 2006))
            d.field(("여권번호",), "pp", ("foreign", "old_format"), frame="mail")
        d.t("입금 계좌: {bank} <acct:입금 계좌>\n", "mail")
        d.field(("연락처",), "phone", frame="mail")
        d.t("학번: [student_number]\n", "mail")
        d.t("재단 계좌({bank} [company_account])에서 [event_date] 입금 예정입니다.\n", "mail")
        if r.random() < 0.6:
            d.t("\n--\n{person}\n<phone/hyphen,dot>\n<email/plain>\n", "mail")


def adoption_foster(d: _Doc) -> None:
    r = d.r
    f = r.randrange(3)
    if f == 0:
        d.t("가정위탁 보호 신청서\n[위탁부모]\n", "form")
        for who in ("위탁부", "위탁모"):
            d.t(who + " {name}\n", "form")
            d.field((who + " 생년월일",), "dob", frame="form", years=(1965, 1992))
            if who == "위탁모" and r.random() < 0.3:  # a marriage migrant
                d.field((who + " 외국인등록번호",), "frn", ("hyphen", "masked", "plain"), frame="form")
            else:
                d.field((who + " 주민등록번호",), "rrn", ("hyphen", "masked", "plain"), frame="form",
                        years=(1965, 1992))
            if who == "위탁부" or r.random() < 0.4:
                d.field((who + " 연락처",), "phone", frame="form")
        d.t("[아동]\n성명 {name}\n", "form")
        d.field(("아동 생년월일",), "dob", frame="form", years=(2010, 2023))
        d.t("위탁양육비 지급 계좌 {bank} <acct:위탁양육비 지급 계좌>\n", "form")
        d.t("{place} 가정위탁지원센터 [office_phone]\n", "form")
    elif f == 1:
        d.t("Intercountry Adoption — Prospective Adoptive Parents\n", "intl")
        d.t("Adoptive father: {given} MILLER\n", "intl")
        d.field(("Passport No.",), "pp", ("foreign", "old_format"), frame="intl")
        d.t("Adoptive mother: {given} MILLER\n", "intl")
        d.field(("Passport No", "Passport Number"), "pp", ("foreign", "old_format"), frame="intl")
        d.field(("Tel", "Phone"), "phone", ("intl_plus",), frame="intl")
        d.field(("E-mail",), "email", frame="intl")
        d.t("Child: {name}, DOB <dob/iso,slash:DOB>\n", "intl", years=(2019, 2024))
        d.t("Court case no. [case_number]\nAgency contact [office_phone]  Fax [fax_number]\n", "intl")
    else:
        d.t("[입양인 뿌리찾기 신청]\n입양 당시 이름: {name}\n", "roots")
        d.t("출생일(추정): <dob:출생일(추정)>\n", "roots", years=(1965, 1990))
        d.t("입양기관 사례번호 [case_number]\n", "roots")
        if r.random() < 0.6:
            d.t("현 국적 여권번호: <pp/foreign,old_format:여권번호>\n", "roots")
        d.t("현재 거주국 Denmark, 연락 가능한 메일 <email:메일>\n", "roots")
        d.t("전화는 <phone/intl_plus:전화는> (WhatsApp)\n", "roots")


def camping_booking(d: _Doc) -> None:
    r = d.r
    f = r.randrange(3)
    camp = _c(d, "솔바람", "달빛", "푸른숲", "별헤는밤") + " 오토캠핑장"
    if f == 0:
        d.t("[" + camp + "] 예약 확정 안내\n예약번호 [reservation_number]\n사이트 [campsite_number]\n", "confirm")
        d.t("입실 [event_date] [time] / 퇴실 [event_date]\n예약자 {name}\n", "confirm")
        d.field(("예약자 연락처", "연락처"), "phone", ("hyphen", "masked", "safe_number"), frame="confirm")
        d.t("차량번호 [car_plate]\n", "confirm")
        d.t("결제 카드 <card/masked,hyphen:결제 카드>  [amount]원\n", "confirm")
        d.t("취소 시 환불 계좌 {bank} <acct:환불 계좌>\n", "confirm")
        if r.random() < 0.6:
            d.t("반려견 동반 (동물등록번호 [pet_registration])\n", "confirm")
        d.t("캠핑장 사업자등록번호 <brn:캠핑장 사업자등록번호>  관리동 [office_phone]\n", "confirm", corporate=False)
    elif f == 1:
        d.t("(캠핑장 예약 게시판)\n제목: [event_date] 2박 예약 입금했습니다\n", "board")
        d.t("입금자명 {name}이고요 [amount]원 보냈습니다.\n", "board")
        d.t("확인되면 문자 부탁드려요 <phone/hyphen,plain:문자>\n", "board")
        d.t("└ 관리자: 확인되었습니다. 사이트 [campsite_number] 배정되었습니다.\n", "board")
    else:
        d.t("캠핑카 대여 계약서\n임차인 {name}\n", "rv")
        d.field(("생년월일",), "dob", frame="rv", years=(1960, 2002))
        if r.random() < 0.35:
            d.field(("여권번호(외국인 임차인)", "Passport No."), "pp", ("foreign", "old_format"), frame="rv")
        if r.random() < 0.3:
            d.t("이전 대여 사고접수번호 [accident_report_number] 정산 완료\n", "rv")
        d.field(("운전면허번호", "면허번호"), "dl", frame="rv")
        if r.random() < 0.4:
            d.field(("제2운전자 면허번호",), "dl", frame="rv")
        d.field(("연락처",), "phone", frame="rv")
        d.t("차량 [car_plate]  대여료 [amount]원  보증금 카드 <card:보증금 카드>\n", "rv")


def export_declaration(d: _Doc) -> None:
    r = d.r
    f = r.randrange(3)
    if f == 0:
        d.t("수출신고필증 (수출이행, 갑지)\n신고번호 [export_declaration_number]\n", "permit")
        d.t("수출대행자 " + _c(d, "(주)동해트레이딩", "한결무역(주)", "(주)미르로지스") + "\n", "permit")
        d.nfield(("통관고유부호",), "customs_code", frame="permit")
        d.field(("사업자등록번호",), "brn", frame="permit", corporate=True)
        d.t("수출화주 {name}상회  대표자 {name}\n", "permit")
        d.field(("화주 사업자번호", "사업자번호"), "brn", frame="permit", corporate=False)
        d.t("세번부호 [hs_code]  결제금액 USD [amount]\n", "permit")
        if r.random() < 0.5:
            d.t("전자세금계산서 승인번호 [invoice_number]\n", "permit")
        d.t("Shipper contact: {given} Kim  Tel <phone/intl_plus,landline:Tel>  Email <email:Email>\n", "permit",
            work=True)
        d.t("Office Tel [office_phone]  Fax [fax_number]\n", "permit")
    elif f == 2:
        d.t("INVITATION LETTER (초청장)\nTo: Korean Embassy, Visa Section\n", "invite")
        d.t("We invite our buyer to visit our factory from [event_date] to [event_date].\n", "invite")
        d.t("Name: {foreigner}\n", "invite")
        d.field(("Passport No.", "Passport Number"), "pp", ("foreign",), frame="invite")
        d.field(("Date of Birth",), "dob", ("iso", "slash", "dot"), frame="invite")
        d.t("Inviting company: " + _c(d, "Hanwool Trading Co., Ltd.", "Mir Logis Inc.") + "\n", "invite")
        d.field(("Business Reg. No.",), "brn", frame="invite", corporate=True)
        d.t("Person in charge: {given} Park, Mobile <phone/intl_plus,hyphen:Mobile>, <email:Mobile>\n"
            .replace("<email:Mobile>", "E-mail <email:E-mail>"), "invite", work=True)
        d.t("Company Tel [office_phone]\n", "invite")
    else:
        d.t("제목: 관세환급 서류 요청드립니다\n\n{name} 대표님, " + _c(d, "미래관세사", "세종관세법인") + " {name}입니다.\n", "mail")
        d.t("환급 신청에 사업자번호 <brn:사업자번호> 확인했습니다.\n", "mail", corporate=False)
        d.t("환급금은 대표님 개인 계좌로 받으신다고 하셔서 {bank} <acct/hyphen,plain> 로 신청합니다.\n", "mail")
        d.t("수출신고번호 [export_declaration_number] 건 포함입니다.\n", "mail")
        d.t("문의는 제 직통 <phone/landline:직통> 으로 주세요. 사무실 대표 [office_phone]\n", "mail")
        if r.random() < 0.6:
            d.t("\n{name} 관세사\nM <phone/hyphen:M>\n<email/plain>\n", "mail", work=True)


def appstore_refund(d: _Doc) -> None:
    r = d.r
    f = r.randrange(2)
    if f == 0:
        d.t("Ticket [ticket_number]  (App Store 환불 문의)\n", "ticket")
        d.t("From: {name} <<email/plain:From>>\n", "ticket")
        d.t("Order ID: [app_order_id]\nPurchase date: [event_date]\nAmount: ₩[amount]\n", "ticket")
        d.t("Payment: " + _c(d, "카드", "Card") + " <card/masked:Payment>\n", "ticket")
        d.t("Message: 아이가 실수로 게임 아이템을 결제했어요. 환불 부탁드립니다.\n", "ticket")
        d.t("결제한 계정 생년월일은 <dob:생년월일은>이고 연락은 <phone:연락은> 으로 주세요.\n", "ticket")
        d.t("App version [version], iOS [version], 기기 S/N [serial_number]\n", "ticket")
        if r.random() < 0.6:
            d.t("판매자 정보: " + _c(d, "(주)", "") + "픽셀놀이터, 사업자등록번호 <brn:사업자등록번호>, "
                "통신판매업 신고 [mail_order_number]\n", "ticket")
    else:
        d.t('{"ticket_id":"[ticket_number]","channel":"play_refund","order_id":"[app_order_id]",'
            '"user_email":"<email/plain,masked:user_email@key>","phone":"<phone/hyphen,plain,masked:phone@key>",'
            '"amount":"[amount]","client_ip":"[ip_address]","app_ver":"[version]",'
            '"created_at":"[timestamp]"}\n', "json")
        d.t("agent note: 고객 본인 확인 완료, 카드 <card/masked,hyphen:카드> 결제 취소 요청\n", "json")


def church_offering(d: _Doc) -> None:
    r = d.r
    f = r.randrange(2)
    church = _c(d, "목원", "새빛", "소망", "은혜") + "교회"
    if f == 0:
        contact = r.random() < 0.35
        d.t(church + " 헌금 기록 ([event_date] 주일)\n봉투번호\t성명\t교구\t십일조\t감사헌금"
            + ("\t연락처\n" if contact else "\n"), "record")
        for _ in range(r.randrange(3, 7)):
            d.t("[offering_number]\t{name}\t" + _c(d, "1교구", "2교구", "청년부", "3교구") + "\t[amount]\t[amount]"
                + ("\t<phone/hyphen,plain:연락처@col>\n" if contact else "\n"), "record")
        d.t("온라인 헌금: {bank} [company_account] (예금주 " + church + ")\n", "record")
        if r.random() < 0.3:
            d.t("기도 요청: {name} 권사님 {place} 병원 입원 중 (<phone/hyphen>)\n", "record")
    else:
        head = _c(d, "주민등록번호", "주민(외국인)등록번호")
        d.t(church + " 기부금영수증 발급 신청 (연말정산용)\n성명\t" + head + "\t주소\t이메일\n", "receipt")
        for _ in range(r.randrange(2, 5)):
            kind = "frn" if "외국인" in head and r.random() < 0.4 else "rrn"
            d.t("{name}\t<" + kind + "/hyphen,plain,masked:" + head + "@col>\t{place} [building_number]\t"
                "<email/plain:이메일@col>\n", "receipt")
        d.t("교회 고유번호 확인: [nonprofit_id_number]  재정부 [office_phone]\n", "receipt")


def prize_claim(d: _Doc) -> None:
    r = d.r
    f = r.randrange(2)
    if f == 0:
        d.t("당첨금 지급 청구서\n회차 제" + str(r.randrange(1100, 1200)) + "회\n", "claim")
        d.nfield(("복권 일련번호", "복권번호"), "lottery_ticket_number", frame="claim")
        d.t("당첨자 성명 {name}\n", "claim")
        if r.random() < 0.5:
            d.field(("주민등록번호",), "rrn", frame="claim")
        else:
            d.field(("외국인등록번호",), "frn", frame="claim")
            d.field(("여권번호",), "pp", ("old_format", "current_format", "foreign"), frame="claim")
        d.field(("연락처",), "phone", frame="claim")
        d.t("수령 계좌 {bank} <acct:수령 계좌>\n", "claim")
        d.t("실수령액 [amount]원 (제세공과금 공제 후)\n", "claim")
    else:
        d.t("[이벤트 경품 당첨 안내]\n{name}님, 추첨 이벤트 경품에 당첨되셨습니다.\n", "mail")
        d.t("제세공과금 신고를 위해 다음을 회신 부탁드립니다: 성명, 주민등록번호, 주소\n", "mail")
        d.t("> 회신: {name} / <rrn:주민등록번호> / {place} [building_number]\n", "mail")
        d.t("> 경품 배송 연락처는 <phone:배송 연락처> 입니다.\n", "mail")
        d.t("경품은 [event_date] 발송 예정이며 송장번호 [tracking_number] 로 조회됩니다.\n", "mail")
        if r.random() < 0.6:
            d.t("> 외국인이라 등록증 번호로 드려요 <frn:등록증 번호>\n", "mail")
        d.t("이벤트 사무국 [office_email] / [representative_number]\n", "mail")
        if r.random() < 0.5:
            d.t("담당 {name} 매니저 <phone/hyphen>\n", "mail")


def veterans_benefit(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.35:
        d.t("[Web발신]\n[국가보훈부] {name}님 " + d.slot("month") + "월 보훈급여금 [amount]원이 {bank} <acct/masked> 로 "
            "입금되었습니다.\n", "sms")
        d.t("보훈번호 [veterans_number]\n위탁병원 변경은 등록된 연락처 <phone/masked:연락처> 로 안내드립니다.\n", "sms")
        d.t("보훈상담센터 [representative_number]\n", "sms")
        return
    d.t("국가유공자(유족) 등록 신청서\n", "form")
    d.nfield(("보훈번호",), "veterans_number", frame="form")
    d.t("전몰·전상군경 성명 {name}   군번 [military_number]\n", "form")
    d.field(("생년월일",), "dob", frame="form", years=(1930, 1955))
    d.t("[신청인(유족)]\n성명 {name}  관계 " + _c(d, "배우자", "자녀") + "\n", "form")
    d.field(("주민등록번호",), "rrn", frame="form", years=(1935, 1975))
    d.field(("전화번호", "연락처"), "phone", ("hyphen", "landline"), frame="form")
    d.t("보훈급여금 수령 계좌: {bank} <acct:보훈급여금 수령 계좌>\n", "form")
    d.t("{place} 보훈지청 [office_phone] / 보훈상담센터 [representative_number]\n", "form")
    d.t("문서번호 [document_number]\n", "form")


def housing_repair(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.4:
        boss = d.name()
        d.t("(집수리 단톡)\n" + boss + " 사장: 보일러 교체 끝났습니다. 사진 올립니다.\n", "chat")
        d.t("주거복지센터 {name}: 수고하셨습니다. 보조금 청구서에 넣을 사업자번호랑 입금 계좌 보내주세요\n", "chat")
        d.t(boss + " 사장: <brn/hyphen,plain:사업자번호> / {bank} <acct:입금 계좌>\n", "chat", corporate=False)
        d.t(boss + " 사장: 세금계산서는 <email:세금계산서는> 로 주세요\n", "chat")
        d.t("주거복지센터 {name}: 접수번호 [receipt_number] 로 처리할게요. 문의 [office_phone]\n", "chat")
        return
    d.t("주거환경개선(집수리) 지원 신청서\n신청인 {name}\n", "form")
    d.field(("생년월일",), "dob", frame="form", years=(1935, 1975))
    d.field(("연락처",), "phone", ("hyphen", "landline"), frame="form")
    d.t("주소 {place} [building_number]  우편번호 [postal_code]\n", "form")
    d.t("시공업체 " + _c(d, "한결설비", "튼튼집수리", "동네목공", "바른인테리어") + "  대표 {name}\n", "form")
    d.field(("업체 사업자등록번호", "사업자등록번호"), "brn", frame="form", corporate=False)
    if r.random() < 0.5:
        d.field(("업체 대표 휴대폰",), "phone", frame="form")
    d.t("견적 금액 [amount]원  세금계산서 승인번호 [invoice_number]\n보조금 지급 계좌 {bank} <acct:보조금 지급 계좌> (예금주 신청인)\n", "form")
    d.t("{place} 주거복지센터 [office_phone]  접수번호 [receipt_number]\n", "form")


def property_tax_appeal(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.35:
        d.t("[세무과 민원 응대 메모] [event_date]\n민원인 {name}, 재산세 이중 부과 주장. 과세번호 [tax_number]\n", "memo")
        d.t("본인 확인 생년월일 <dob:생년월일> / 회신 번호 <phone:회신 번호>\n", "memo")
        d.t("기납부 확인: 전자납부번호 [e_payment_number], 가상계좌 {bank} [virtual_account] 입금 [amount]원\n", "memo")
        d.t("과오납 환급 계좌 구두 접수 {bank} <acct:환급 계좌>\n", "memo")
        return
    d.t("지방세 이의신청서 (재산세)\n", "form")
    d.nfield(("과세번호",), "tax_number", frame="form")
    d.nfield(("전자납부번호",), "e_payment_number", frame="form")
    d.t("납세자 {name}\n", "form")
    if r.random() < 0.75:
        d.field(("주민등록번호",), "rrn", frame="form")
    else:
        d.field(("외국인등록번호",), "frn", frame="form")
    d.field(("연락처", "휴대폰"), "phone", frame="form")
    d.t("과세 물건 {place} [building_number]\n", "form")
    d.t("고지 세액 [amount]원  납부 가상계좌 {bank} [virtual_account]\n", "form")
    if r.random() < 0.5:
        d.t("카드 자동납부 신청 카드번호 <card/hyphen,spaced,plain,fullwidth,amex:카드번호>\n", "form")
    d.t("감액 시 환급 받을 계좌 {bank} <acct:환급 받을 계좌>\n", "form")
    d.t("신청 이유: 공시가격 산정 오류\n{place}청 세무과 [office_phone]\n", "form")


def rideshare_onboarding(d: _Doc) -> None:
    r = d.r
    f = r.randrange(2)
    if f == 0:
        d.t("드라이버 등록 정보 확인\n이름 {name}\n", "form")
        d.field(("생년월일",), "dob", frame="form", years=(1955, 2000))
        if r.random() < 0.3:
            d.field(("외국인등록번호(F-5/F-6)",), "frn", frame="form")
        d.field(("운전면허번호",), "dl", frame="form")
        d.nfield(("택시운전자격 번호", "자격증 번호"), "qualification_number", frame="form")
        d.t("차량번호 [car_plate]  차대번호 [vehicle_id_number]\n", "form")
        d.t("정산 계좌 {bank} <acct:정산 계좌>\n", "form")
        d.t("영업용 보험 증권번호 [policy_number]\n", "form")
        if r.random() < 0.3:
            d.t("최근 사고 이력: 사고접수번호 [accident_report_number]\n", "form")
        d.field(("휴대폰",), "phone", frame="form")
        d.t("<email:(정산 내역 받을 메일)@after> (정산 내역 받을 메일)\n", "form")
        if r.random() < 0.4:
            d.field(("사업자등록번호(개인택시)",), "brn", frame="form", corporate=False)
    else:
        d.t('{"driver_name":"{name}","license_no":"<dl/hyphen,plain:license_no@key>",'
            '"qualification":"[qualification_number]","phone":"<phone/hyphen,plain:phone@key>",'
            '"birth":"<dob/iso,compact:birth@key>","vehicle":"[car_plate]","device_ip":"[ip_address]"}\n',
            "json")


def hobby_club(d: _Doc) -> None:
    r = d.r
    club = _c(d, "수채화", "도예", "목공", "우쿨렐레", "사진", "탁구") + " 동호회"
    if r.random() < 0.35:
        d.t("[" + club + " 신입 회원 모집] 매주 토요일 {place} 주민센터\n", "post")
        d.t("참가 신청은 댓글로 이름/연락처/생년월일 남겨 주세요.\n", "post")
        for _ in range(r.randrange(2, 4)):
            d.t("└ {name} / <phone/hyphen,plain:연락처> / <dob/yymmdd,dot,korean_short:생년월일>\n", "post")
        d.t("회비는 모임통장 {bank} [company_account] 로 부탁드려요.\n", "post")
        return
    contact = r.random() < 0.4
    d.t(club + " 회원 명단 (" + str(r.randrange(2024, 2027)) + "년 상반기)\n회원번호\t이름\t생일\t"
        + ("연락처\t" if contact else "") + "이메일\n", "roster")
    for _ in range(r.randrange(2, 6)):
        d.t("[member_number]\t{name}\t<dob/korean,dot,short_dot,iso:생일@col>\t"
            + ("<phone/hyphen,plain:연락처@col>\t" if contact else "") + "<email/plain:이메일@col>\n", "roster")
    for _ in range(r.choice((0, 1, 1, 2))):
        d.t("외국인 회원 {foreigner} (등록증 <frn:등록증>)\n", "roster")
        if r.random() < 0.4:
            d.t("  └ 여권 사본 제출 (<pp/foreign:여권>)\n", "roster")
    d.t("회비 [amount]원 입금: 총무 {name} {bank} <acct>\n", "roster")
    if r.random() < 0.5:
        d.t("총무 {name} <phone/hyphen,plain:(총무 휴대폰)@after> (총무 휴대폰)\n", "roster")
    d.t("재료비 별도, 다음 모임 [event_date] [time]\n", "roster")
    if r.random() < 0.4:
        d.t("단톡방 초대 아직 못 받으신 분: {name} <email/plain>, {name} <email/plain,masked>\n", "roster")


def car_registration_poa(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.35:
        d.t("(중고차 상사 카톡)\n딜러: 이전 서류 준비할게요. 매수인 정보 보내 주세요.\n매수인: 이름 {name}\n", "dealer")
        d.t("매수인: 주민번호 <rrn:주민번호>\n매수인: 면허 <dl:면허>\n", "dealer")
        d.t("딜러: 차량 [car_plate] 이전비 [amount]원은 상사 계좌 {bank} [company_account] 로 보내 주세요\n", "dealer")
        d.t("매수인: 보험 가입할 번호는 <phone:번호는> 이에요\n", "dealer")
        return
    d.t("위  임  장\n(자동차 " + _c(d, "이전등록", "말소등록", "신규등록") + ")\n[위임인]\n성명 {name}\n", "poa")
    if r.random() < 0.75:
        d.field(("주민등록번호",), "rrn", ("hyphen", "plain", "line_break", "fullwidth"), frame="poa")
    else:
        d.field(("외국인등록번호", "주민등록번호(외국인등록번호)"), "frn", ("hyphen", "plain", "line_break"), frame="poa")
    if r.random() < 0.5:
        d.field(("전화번호",), "phone", frame="poa")
    d.t("[수임인]\n성명 {name}\n", "poa")
    d.field(("생년월일",), "dob", frame="poa")
    d.field(("연락처",), "phone", frame="poa")
    if r.random() < 0.75:
        d.t("수임인 신분증 운전면허 <dl:운전면허>\n", "poa")
    else:
        d.t("수임인 신분증 여권 <pp/old_format,current_format,masked:여권>\n", "poa")
    d.t("차량번호 [car_plate]  차대번호 [vehicle_id_number]\n", "poa")
    d.t("위임일 [event_date]\n", "poa")


def telemedicine(d: _Doc) -> None:
    r = d.r
    f = r.randrange(3)
    if f == 0:
        d.t("[비대면진료] 진료 요약\n환자 {name}\n", "summary")
        d.field(("생년월일",), "dob", frame="summary")
        if r.random() < 0.65:
            d.field(("본인확인 주민번호",), "rrn", ("masked", "hyphen"), frame="summary")
        else:
            d.field(("외국인등록번호",), "frn", frame="summary")
            d.field(("여권번호",), "pp", ("foreign",), frame="summary")
        d.field(("연락처",), "phone", frame="summary")
        d.t("처방전 번호 [prescription_number]  전송 약국 팩스 [fax_number]\n", "summary")
        d.t("진료비 결제 카드 <card/masked:결제 카드>  승인번호 [approval_number]\n", "summary")
        if r.random() < 0.5:
            d.t("<phone/hyphen:(보호자, 딸)@after> (보호자, 딸)\n", "summary")
    elif f == 2:
        d.t("[재외국민 비대면 진료] 접수\n환자 {name} (거주국 " + _c(d, "베트남", "미국", "독일", "UAE") + ")\n", "abroad")
        d.field(("여권번호",), "pp", ("old_format", "current_format"), frame="abroad")
        d.field(("생년월일",), "dob", frame="abroad")
        d.field(("현지 연락처", "연락처"), "phone", ("intl_plus",), frame="abroad")
        d.field(("이메일",), "email", frame="abroad")
        d.t("진료 예약 [event_date] [time] (한국시간)  예약번호 [reservation_number]\n", "abroad")
    else:
        d.t("(음성 상담 녹취 요약)\n의사: 본인 확인 위해 생년월일 말씀해 주세요.\n", "voice")
        d.t("환자: <dob/korean,korean_short:생년월일>이요.\n", "voice")
        d.t("의사: 약 배송 받으실 번호는요?\n환자: <phone/hangul_numerals,hyphen:번호는요>요.\n", "voice")
        d.t("의사: 처방전은 [event_date]까지 유효합니다. 처방전 번호 [prescription_number]\n", "voice")


def charity_run(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.4:
        d.t("[희망나눔 런] 참가 신청이 완료되었습니다\n참가자 {name}  배번 [bib_number]  코스 10K\n", "entry")
        d.field(("생년월일",), "dob", frame="entry")
        d.field(("휴대폰",), "phone", frame="entry")
        if r.random() < 0.5:
            d.t("비상 연락처 <phone:비상 연락처> (" + _c(d, "배우자", "어머니", "친구") + ")\n", "entry")
        d.t("참가비 [amount]원  결제 카드 <card/masked:결제 카드>\n기념품 송장 [tracking_number]\n", "entry")
        return
    d.t("[희망나눔 런 " + str(r.randrange(2025, 2028)) + "] {person}님의 모금 페이지\n", "page")
    d.t("목표 [amount]원 / 현재 [amount]원 · 배번 [bib_number]\n", "page")
    d.t("후원 계좌: {bank} [company_account] (예금주 재단법인 희망나눔)\n", "page")
    if r.random() < 0.5:
        d.t("정기후원 결제 카드 <card/masked,hyphen,spaced:정기후원 결제 카드> (매월 [amount]원)\n", "page")
    d.t("응원 댓글\n", "page")
    d.t("{name}: 완주 응원해요!\n", "page")
    if r.random() < 0.5:
        d.t("{name}: 나중에 연락 줘 <phone/hyphen:연락 줘>\n", "page")
    d.t("기부금 영수증 신청 (비공개)\n성명 {name}  후원회원번호 [member_number]\n", "page")
    if r.random() < 0.75:
        d.field(("주민등록번호",), "rrn", frame="page")
    else:
        d.field(("외국인등록번호",), "frn", frame="page")
        d.field(("여권번호(기록증 영문 발급)",), "pp", frame="page")
    d.field(("이메일", "영수증 받을 메일"), "email", frame="page")
    d.t("문의 [office_email]\n", "page")


GENRES = {f.__name__: f for f in (
    funeral_booking, military_papers, driving_school, longterm_care, wedding_ledger, number_porting,
    kinder_bus, discharge_summary, records_request, flea_market, credit_counselling,
    jobseeker_allowance, scholarship_payout, adoption_foster, camping_booking, export_declaration,
    appstore_refund, church_offering, prize_claim, veterans_benefit, housing_repair,
    property_tax_appeal, rideshare_onboarding, hobby_club, car_registration_poa, telemedicine,
    charity_run)}


def generate(documents: int = 1500, seed: int = 1) -> list[Document]:
    """`documents` labelled documents, the genres in turn. Same arguments, same documents."""
    r = random.Random(seed * 1_000_003 + 1010)
    mk = _Make(r)
    names = tuple(GENRES)
    out = []
    for i in range(documents):
        genre = names[i % len(names)]
        d = _Doc(genre, r, mk)
        mk.bank = ""
        GENRES[genre](d)
        out.append(d.document())
    return out


if __name__ == "__main__":
    import sys
    import labelled
    labelled.show(generate(int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)),
                  lambda v: f"{v.label:14} {v.label_text!r:22}")
