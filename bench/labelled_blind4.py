"""Fourth blind part of the labelled Korean documents: call-centre speech-to-text transcripts,
group chats, school and university paperwork, immigration and hotel forms, customs, travel,
rental cars, tax papers, shop footers, pet, blood and vaccination records, police and court
letters, support tickets, e-mail threads, access logs, HTML, fixtures, commit logs, faxed OCR,
rosters, land registers, number porting and nursing notes. Everything is made from a seed;
nothing is downloaded.

    docs = labelled_blind4.generate(1500, seed=1)

The documents use the data model of `labelled.py` (`Document`, `Value`, `Negative`). Each value
records its kind, exact span, way of writing (e.g. "hangul_numerals" for digits read aloud,
"ocr_break" for a number cut by a line break, "url_encoded"), label situation and whether it is
partly masked; each hard negative its category (PNR, e-ticket, customs code, pet registration
number, land register number, IMEI...). A bare date or account-like number that nothing marks
as personal is never recorded as a value.

Templates are plain text with four kinds of slot:

    «name»                    a filler (names, places, companies...)
    ⟦kind OP label|writings⟧  a personal value; OP says where its label is (see SITUATIONS)
    ⟪category⟫                a look-alike that is not personal information
    ⟨a‖b‖c⟩                   one of several wordings
A template line starting with "?" is written only sometimes.
"""

from __future__ import annotations

import random
import re
import sys
import os

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import corpus  # noqa: E402
from labelled import Document, Written, _Writer  # noqa: E402

PART = "blind4"
KINDS = corpus.KINDS

# --------------------------------------------------------------------------- the pieces of a value

HANGUL_DIGITS = "공일이삼사오육칠팔구"
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
OCR_LOOKALIKES = {"0": "O", "1": "l", "5": "S", "8": "B"}

# Bank names with the digit groups of their personal accounts.
BANK_SHAPES = {
    "KB국민은행": ((6, 2, 6), (3, 2, 4, 3)), "국민": ((6, 2, 6),), "신한은행": ((3, 3, 6), (3, 2, 6)),
    "신한": ((3, 3, 6),), "우리은행": ((4, 3, 6),), "우리": ((4, 3, 6),), "하나은행": ((3, 6, 5),),
    "하나": ((3, 6, 5),), "NH농협": ((3, 4, 4, 2),), "농협": ((3, 4, 4, 2), (6, 2, 6)),
    "IBK기업은행": ((3, 6, 2, 3),), "기업": ((3, 6, 2, 3),), "카카오뱅크": ((4, 2, 7),),
    "카뱅": ((4, 2, 7),), "토스뱅크": ((4, 4, 4),), "케이뱅크": ((3, 3, 6),), "우체국": ((6, 2, 6),),
    "새마을금고": ((4, 4, 4, 1),), "SC제일은행": ((3, 2, 6),), "수협": ((3, 2, 6),), "신협": ((3, 3, 6),),
    "부산은행": ((3, 4, 4, 2),), "대구은행": ((3, 2, 6, 1),), "광주은행": ((3, 3, 6),),
}
BANK_FIRST = {"카카오뱅크": "3333", "카뱅": "3333", "토스뱅크": "1000", "우리은행": "1002", "우리": "1002",
              "신한은행": "110", "신한": "110", "케이뱅크": "100", "새마을금고": "9003"}
LICENSE_REGIONS = {"서울": 11, "부산": 12, "경기": 13, "강원": 14, "충북": 15, "충남": 16, "전북": 17,
                   "전남": 18, "경북": 19, "경남": 20, "제주": 21, "대구": 22, "인천": 23, "광주": 24,
                   "대전": 25, "울산": 26, "경기북부": 28}
MONTHS_EN = ("JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC")
EMAIL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                 "hotmail.com", "yahoo.co.kr", "outlook.com", "icloud.com", "korea.kr", "yonsei.ac.kr")
ROMAN_GIVEN = ("minji", "seojun", "hayoon", "jiho", "yerin", "dohyun", "sua", "eunwoo", "jisoo",
               "taehyun", "nayeon", "kyungsoo", "boyoung", "sangmin", "hyerim", "jaewon", "gaeun")
ROMAN_SUR = ("kim", "lee", "park", "choi", "jeong", "kang", "cho", "yoon", "jang", "lim", "han",
             "oh", "seo", "shin", "kwon", "hwang", "ahn", "song", "yu", "hong")
FOREIGN_NAMES = ("NGUYEN VAN AN", "TRAN THI HOA", "WANG XIAOMING", "LI NA", "JOHN SMITH",
                 "MARIA SANTOS", "AKHMEDOV RUSTAM", "TANAKA YUKI", "SHRESTHA RAM", "EMILY BROWN",
                 "PHAM MINH TUAN", "ZHANG WEI", "GARCIA CARLOS", "SATO HANA", "BATBAYAR GANBOLD")
NATIONS = ("VIETNAM", "CHINA", "USA", "PHILIPPINES", "UZBEKISTAN", "NEPAL", "JAPAN", "MONGOLIA",
           "THAILAND", "INDONESIA", "CANADA", "RUSSIA")
COMPANIES = ("(주)한빛물산", "주식회사 다온", "(주)세진테크", "온누리상사", "바른회계법인", "(유)청솔유통",
             "주식회사 모아컴퍼니", "(주)누리소프트", "해담식품", "(주)가온로지스")
SCHOOLS = ("한솔초등학교", "새빛중학교", "대명고등학교", "푸른숲중학교", "서현고등학교", "늘봄초등학교")
UNIVERSITIES = ("한국대학교", "서울미래대학교", "동해대학교", "한빛과학기술원", "중앙산업대학교")
PRODUCTS = ("비타민C 1000mg", "무선 청소기", "캠핑 텐트", "아기 물티슈 10팩", "운동화", "러닝화",
            "에어프라이어", "닌텐도 스위치", "홍삼 스틱", "블루투스 키보드", "노트북 파우치")
PETS = ("말티즈", "푸들", "진돗개", "코리안숏헤어", "포메라니안", "시바견", "믹스견", "러시안블루")
STREETS = ("테헤란로", "세종대로", "중앙로", "월드컵북로", "해운대해변로", "동대구로", "둔산대로", "판교역로")
PLACES = corpus.PLACES


def _d(r: random.Random, n: int) -> str:
    return corpus.random_digits(r, n)


def _hangul(s: str, zero: str = "공") -> str:
    return "".join((zero if c == "0" else HANGUL_DIGITS[int(c)]) if c.isdigit() else c for c in s)


class _Maker:
    """Values of the ten kinds in many ways of writing, valid check digits where real numbers
    have them, and look-alikes of many categories."""

    def __init__(self, r: random.Random) -> None:
        self.r = r
        self.young = False  # the value belongs to a schoolchild

    # ------------------------------------------------------------------ digit groups
    def resident_groups(self, foreigner: bool = False, post2020: bool = False):
        r = self.r
        if post2020:
            y, m, d = corpus.random_date(r, 2020, 2025)
            if y == 2020 and m < 10:
                m = r.randrange(10, 13)
            g = (7 if foreigner else 3) + r.randrange(2)
            s = f"{y % 100:02d}{m:02d}{d:02d}{g}" + _d(r, 6)
            return [s[:6], s[6:]]
        y, m, d = corpus.random_date(r, *((2006, 2019) if self.young else (1945, 2004)))
        g = ((5 if foreigner else 1) if y < 2000 else (7 if foreigner else 3)) + r.randrange(2)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{d:02d}{g}" + _d(r, 5)]
        s = "".join(map(str, d12 + [corpus.resident_check(d12, foreigner)]))
        return [s[:6], s[6:]]

    def business_groups(self):
        r = self.r
        d9 = [r.randrange(1, 10), r.randrange(10), r.randrange(10)] + \
            [int(c) for c in r.choice(("01", "05", "81", "86", "88", "13", "23", "37"))] + \
            [int(c) for c in _d(r, 4)]
        s = "".join(map(str, d9 + [corpus.business_check(d9)]))
        return [s[:3], s[3:5], s[5:]]

    def card_groups(self, amex: bool = False):
        r = self.r
        if amex:
            body = [3, r.choice((4, 7))] + [int(c) for c in _d(r, 12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return [s[:4], s[4:10], s[10:]]
        prefix = r.choice(("4", "51", "53", "55", "9410", "9420", "6250", "3568", "4579", "5310"))
        body = [int(c) for c in prefix + _d(r, 15 - len(prefix))]
        s = "".join(map(str, body + [corpus.luhn_check(body)]))
        return [s[0:4], s[4:8], s[8:12], s[12:]]

    def account_groups(self, bank: str):
        r = self.r
        shape = r.choice(BANK_SHAPES[bank])
        groups = [_d(r, n) for n in shape]
        first = BANK_FIRST.get(bank)
        if first and len(first) == shape[0]:
            groups[0] = first
        return groups

    def phone_groups(self, mobile: bool = True):
        r = self.r
        if mobile or r.random() < 0.6:
            return ["010", str(r.randrange(2, 10)) + _d(r, 3), _d(r, 4)]
        area = r.choice(("02", "031", "032", "051", "053", "042", "062", "064", "055", "070"))
        return [area, str(r.randrange(2, 10)) + _d(r, r.choice((2, 3))), _d(r, 4)]

    def license_groups(self):
        r = self.r
        region = r.choice(tuple(LICENSE_REGIONS))
        return region, [f"{LICENSE_REGIONS[region]}", f"{r.randrange(0, 25):02d}", _d(r, 6), _d(r, 2)]

    # ------------------------------------------------------------------ writings
    def join(self, groups, writing: str) -> str:
        r = self.r
        if writing == "plain":
            return "".join(groups)
        if writing in ("spaced", "asr_spaced"):
            if writing == "asr_spaced":  # the recogniser cuts where the speaker paused
                s = "".join(groups)
                cuts = sorted(r.sample(range(2, len(s) - 1), min(len(groups), len(s) - 3)))
                out, last = [], 0
                for c in cuts:
                    if c - last >= 2:
                        out.append(s[last:c])
                        last = c
                return " ".join(out + [s[last:]])
            return " ".join(groups)
        if writing == "dot":
            return ".".join(groups)
        if writing == "fullwidth":
            return "-".join(groups).translate(FULL)
        if writing == "hangul_numerals":
            sep = r.choice((" ", " ", "-", "에 ", " 다시 ")) if len(groups) > 1 else ""
            zero = "영" if r.random() < 0.15 else "공"
            return sep.join(_hangul(g, zero) for g in groups)
        if writing == "hangul_mixed":  # some groups read as numerals, some as digits
            keep = r.randrange(len(groups))
            return " ".join(g if i == keep else _hangul(g) for i, g in enumerate(groups))
        if writing == "read_out_e":
            return "에 ".join(_hangul(g) for g in groups)
        if writing == "ocr_letter":
            s = "-".join(groups)
            spots = [i for i in range(1, len(s) - 1) if s[i] in OCR_LOOKALIKES]
            if spots:
                i = r.choice(spots)
                s = s[:i] + OCR_LOOKALIKES[s[i]] + s[i + 1:]
            return s
        if writing == "ocr_break":
            if len(groups) == 1:
                k = len(groups[0]) // 2
                return groups[0][:k] + "\n" + groups[0][k:]
            k = r.randrange(1, len(groups))
            return "-".join(groups[:k]) + "-\n" + "-".join(groups[k:])
        return "-".join(groups)

    def make(self, kind: str, writing: str, bank: str = "") -> Written:
        text = getattr(self, "_" + kind)(writing, bank) if kind == "bank_account" else \
            getattr(self, "_" + kind)(writing)
        return Written(kind, text, writing, writing == "masked")

    def _resident(self, writing: str, foreigner: bool = False) -> str:
        r = self.r
        g = self.resident_groups(foreigner, writing == "post2020")
        if writing == "masked":
            return r.choice((f"{g[0]}-{g[1][0]}******", f"{g[0]}-*******", f"{g[0]}-{g[1][0]}xxxxxx"))
        return self.join(g, "hyphen" if writing == "post2020" else writing)

    def _foreigner_registration(self, writing: str) -> str:
        return self._resident(writing, foreigner=True)

    def _business_registration(self, writing: str) -> str:
        g = self.business_groups()
        if writing == "masked":
            return f"{g[0]}-{g[1]}-*****"
        return self.join(g, writing)

    def _credit_card(self, writing: str) -> str:
        r = self.r
        g = self.card_groups(writing == "amex")
        if writing == "amex":
            return "-".join(g) if r.random() < 0.7 else " ".join(g)
        if writing == "masked":
            return r.choice((f"{g[0]}-{g[1][:2]}**-****-{g[3]}", f"{g[0]}-****-****-{g[3]}",
                             f"{g[0]}{g[1][:2]}******{g[3]}", f"{g[0]} **** **** {g[3]}"))
        return self.join(g, writing)

    def _bank_account(self, writing: str, bank: str) -> str:
        g = self.account_groups(bank or self.r.choice(tuple(BANK_SHAPES)))
        if writing == "masked":
            g[-1] = "*" * len(g[-1]) if len(g[-1]) <= 4 else g[-1][:-4] + "****"
            return "-".join(g)
        return self.join(g, writing)

    def _phone(self, writing: str) -> str:
        r = self.r
        g = self.phone_groups(mobile=writing not in ("hyphen", "plain", "paren_area") or r.random() < 0.7)
        if writing == "intl_plus":
            n = [g[0][1:]] + g[1:]
            return r.choice(("+82-" + "-".join(n), "+82 " + " ".join(n), "+82" + "".join(n),
                             "+82 " + "-".join(n)))
        if writing == "url_encoded":
            return "%2B82" + g[0][1:] + g[1] + g[2]
        if writing == "paren_area":
            return f"({g[0]}) {g[1]}-{g[2]}" if r.random() < 0.6 else f"{g[0]}){g[1]}-{g[2]}"
        if writing == "masked":
            i = r.choice((1, 1, 2))
            g[i] = "*" * len(g[i]) if r.random() < 0.7 else g[i][:2] + "**"
            return "-".join(g)
        return self.join(g, writing)

    def _email(self, writing: str) -> str:
        r = self.r
        given, sur = r.choice(ROMAN_GIVEN), r.choice(ROMAN_SUR)
        local = r.choice((f"{given}.{sur}", f"{sur}{given}{r.randrange(70, 100)}", f"{given}_{sur}",
                          f"{given[0]}{sur}{r.randrange(1, 1000)}", f"{sur}.{given}{r.randrange(1, 30)}"))
        domain = r.choice(EMAIL_DOMAINS)
        if writing == "url_encoded":
            return f"{local}%40{domain}"
        if writing == "spoken_at":
            return f"{local} 골뱅이 {domain.replace('.', ' 닷 ', 1) if r.random() < 0.5 else domain}"
        if writing == "obfuscated_at":
            return f"{local}{r.choice(('(at)', ' at ', '[at]', '(골뱅이)'))}{domain}"
        if writing == "masked":
            return f"{local[:3]}{'*' * max(3, len(local) - 3)}@{domain}"
        if writing == "ocr_letter":
            return f"{local} @ {domain}" if r.random() < 0.5 else f"{local}@{domain.replace('.', ',', 1)}"
        return f"{local}@{domain}"

    def _driver_license(self, writing: str) -> str:
        r = self.r
        region, g = self.license_groups()
        if writing == "region_prefixed":
            return region + r.choice((" ", "", " ")) + "-".join(g[1:])
        return self.join(g, writing)

    def _birth_date(self, writing: str) -> str:
        r = self.r
        y, m, d = corpus.random_date(r, *((2007, 2020) if self.young else (1942, 2006)))
        yy = y % 100
        if writing == "airline_date":
            return r.choice((f"{d:02d}{MONTHS_EN[m - 1]}{y}", f"{d:02d} {MONTHS_EN[m - 1]} {y}",
                             f"{d:02d}{MONTHS_EN[m - 1]}{yy:02d}"))
        return {
            "iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}",
            "korean_date": f"{y}년 {m}월 {d}일", "korean_short_year": f"{yy:02d}년 {m}월 {d}일",
            "slash": f"{y}/{m:02d}/{d:02d}", "short_dot": f"{yy:02d}.{m:02d}.{d:02d}",
            "spaced_dot": f"{y}. {m}. {d}.", "yymmdd": f"{yy:02d}{m:02d}{d:02d}", "compact": f"{y}{m:02d}{d:02d}",
            "us_slash": f"{m:02d}/{d:02d}/{y}", "ocr_break": f"{y}.{m:02d}.\n{d:02d}",
        }[writing]

    def _passport(self, writing: str) -> str:
        r = self.r
        if writing == "current_format":
            return r.choice("MMMSRD") + _d(r, 3) + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") + _d(r, 4)
        if writing == "foreign_format":
            return r.choice((lambda: "E" + _d(r, 8), lambda: r.choice(("TK", "TR", "MZ")) + _d(r, 7),
                             lambda: "C" + _d(r, 8), lambda: "P" + _d(r, 7), lambda: "N" + _d(r, 7)))()
        if writing == "ocr_letter":
            return "M" + self.join([_d(r, 8)], "ocr_letter")
        return r.choice("MMMSROD") + _d(r, 8)

    # ------------------------------------------------------------------ look-alikes
    def negative(self, category: str) -> str:  # noqa: C901 - one branch per category
        r = self.r
        d = lambda n: _d(r, n)  # noqa: E731
        y, m, dd = corpus.random_date(r, 2021, 2026)
        ymd = f"{y}{m:02d}{dd:02d}"
        if category == "order_number":
            return r.choice((f"{ymd}-{d(7)}", f"ORD{ymd}{d(6)}", d(16), f"{y % 100}{m:02d}{dd:02d}{d(8)}"))
        if category == "tracking_number":
            return r.choice((f"{d(4)}-{d(4)}-{d(4)}", d(12), "6" + d(12), f"{d(3)}-{d(4)}-{d(4)}-{d(2)}"))
        if category == "customs_code":
            return "P" + r.choice(("0", "1", "2")) + d(11)
        if category == "pet_registration":
            return "410" + r.choice(("1", "0")) + d(11)
        if category == "pnr_code":
            letters = "ABCDEFGHJKLMNPQRSTUVWXYZ"
            return "".join(r.choice(letters + "23456789") for _ in range(6))
        if category == "e_ticket_number":
            return r.choice((f"180{d(10)}", f"988-{d(10)}", f"180 {d(10)}", f"1802{d(9)}"))
        if category == "flight_number":
            return r.choice(("KE", "OZ", "7C", "LJ", "TW", "VN", "CX")) + r.choice(("", " ")) + \
                str(r.randrange(1, 999))
        if category == "case_number":
            return r.choice((f"{y}가단{d(r.choice((5, 6)))}", f"{y}차전{d(5)}", f"{y}타채{d(5)}",
                             f"{y}고단{d(4)}", f"{y}-{d(6)}", f"제{y}-{d(5)}호"))
        if category == "policy_number":
            return r.choice((f"L{y}{d(7)}", f"{d(4)}-{d(4)}-{d(4)}", d(11), f"M{d(3)}-{d(6)}-{d(3)}"))
        if category == "patient_number":
            return r.choice((d(8), f"{d(2)}-{d(6)}", d(10)))
        if category == "member_number":
            return r.choice((d(9), f"M{d(8)}", f"{d(4)}-{d(4)}", d(12)))
        if category == "serial_number":
            return r.choice((f"SN{d(10)}", f"R3CN{d(6)}", d(14), f"{d(4)}-{d(4)}-{d(4)}-{d(4)}"))
        if category == "imei":
            body = [int(c) for c in "35" + d(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return s if r.random() < 0.6 else f"{s[:2]}-{s[2:8]}-{s[8:14]}-{s[14]}"
        if category == "usim_serial":
            return "8982" + d(15)
        if category == "price":
            return f"{r.randrange(1, 9999) * r.choice((10, 100, 1000)):,}"
        if category == "event_date":
            return r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}.{m:02d}.{dd:02d}", f"{y}년 {m}월 {dd}일",
                             f"{y}/{m:02d}/{dd:02d}", f"{y}. {m}. {dd}.", f"{y % 100:02d}.{m:02d}.{dd:02d}"))
        if category == "time":
            return r.choice((f"{r.randrange(24):02d}:{r.randrange(60):02d}",
                             f"{r.choice(('오전', '오후'))} {r.randrange(1, 13)}:{r.randrange(60):02d}",
                             f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}"))
        if category == "postal_code":
            return f"{r.randrange(1, 64):02d}{d(3)}"
        if category == "address_number":
            return r.choice((f"{r.randrange(1, 400)}",
                             f"{r.randrange(101, 120)}동 {r.randrange(1, 30)}0{r.randrange(1, 5)}호",
                             f"{r.randrange(1, 200)}-{r.randrange(1, 40)}", f"{r.randrange(1, 30)}층"))
        if category == "ip_address":
            return ".".join(str(x) for x in (r.choice((211, 175, 121, 59, 10, 192, 220, 61, 118, 14)),
                                             r.randrange(256), r.randrange(256), r.randrange(1, 255)))
        if category == "version_number":
            return r.choice((f"{r.randrange(1, 9)}.{r.randrange(0, 30)}.{r.randrange(0, 40)}",
                             f"v{r.randrange(1, 5)}.{r.randrange(0, 20)}.{r.randrange(0, 9)}",
                             f"{r.randrange(1, 20)}.{r.randrange(0, 9)}.{r.randrange(0, 9)}.{d(4)}"))
        if category == "isbn":
            body = [9, 7, r.choice((8, 9))] + [int(c) for c in "89" + d(7)]
            t = "".join(map(str, body + [corpus.isbn_check(body)]))
            return f"{t[:3]}-{t[3:5]}-{t[5:9]}-{t[9:12]}-{t[12]}" if r.random() < 0.6 else t
        if category == "company_number":
            return r.choice((f"{r.choice(('1588', '1577', '1544', '1566', '1644', '1661', '1899'))}-{d(4)}",
                             f"1588{d(4)}", f"080-{d(3)}-{d(4)}"))
        if category == "company_fax":
            return r.choice((f"02-{r.randrange(2, 10)}{d(3)}-{d(4)}", f"031-{r.randrange(2, 10)}{d(2)}-{d(4)}",
                             f"0504-{d(3)}-{d(4)}", f"070-{r.randrange(4, 9)}{d(3)}-{d(4)}"))
        if category == "mail_order_number":
            return f"제{y}-{r.choice(('서울강남', '서울마포', '경기성남', '부산해운대', '인천연수'))}-{d(r.choice((4, 5)))}호"
        if category == "registry_number":  # land register: office-year-serial
            return f"{r.randrange(1101, 2899)}-{r.randrange(1985, 2024)}-{d(6)}"
        if category == "receipt_number":
            return r.choice((f"제{d(r.choice((4, 5, 6)))}호", f"{y}-{d(6)}", f"{ymd}{d(5)}"))
        if category == "tax_invoice_number":
            tail = "".join(r.choice("0123456789abcdef") for _ in range(8))
            return f"{ymd}-{r.choice(('41', '10', '42'))}{d(6)}-{tail}"
        if category == "student_number":
            return f"{r.randrange(2015, 2026)}{d(r.choice((4, 5)))}"
        if category == "donation_number":
            return f"{r.randrange(1, 20):02d}-{y % 100:02d}-{d(6)}"
        if category == "vaccine_lot":
            return r.choice(("FK", "AB", "TAK", "SKY", "EW")) + d(4) + r.choice(("", "A", "B"))
        if category == "approval_number":
            return d(8)
        if category == "commit_hash":
            return "".join(r.choice("0123456789abcdef") for _ in range(r.choice((7, 8, 12, 40))))
        if category == "support_ticket_id":
            return r.choice((f"#{d(6)}", f"{r.choice(('CS', 'OPS', 'PAY', 'AUTH'))}-{r.randrange(100, 9999)}"))
        if category == "vehicle_number":
            return f"{r.randrange(10, 400)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주하허호')}" \
                   f" {d(4)}"
        if category == "stay_status":
            return r.choice(("E-9", "D-2", "D-4", "F-2", "F-4", "F-5", "F-6", "E-7", "H-2", "D-10", "C-3"))
        if category == "document_number":
            return r.choice((f"{y}-{d(4)}", f"제{y}-{d(4)}호", f"민원{ymd}{d(4)}", f"{d(3)}-{d(3)}"))
        if category == "recording_id":
            return f"{ymd}-{d(4)}-{d(4)}"
        if category == "log_timestamp":
            return f"{dd:02d}/{MONTHS_EN[m - 1].title()}/{y}:" \
                   f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d} +0900"
        if category == "byte_count":
            return str(r.randrange(200, 90000))
        if category == "room_number":
            return r.choice((f"{r.randrange(2, 25)}{r.randrange(1, 40):02d}",
                             f"{r.randrange(2, 9)}{r.randrange(1, 30):02d}호"))
        if category == "vital_sign":
            return f"{r.randrange(95, 160)}/{r.randrange(55, 100)}"  # blood pressure
        raise ValueError(category)


NEG_CATEGORIES = ("order_number", "tracking_number", "customs_code", "pet_registration", "pnr_code",
                  "e_ticket_number", "flight_number", "case_number", "policy_number", "patient_number",
                  "member_number", "serial_number", "imei", "usim_serial", "price", "event_date", "time",
                  "postal_code", "address_number", "ip_address", "version_number", "isbn", "company_number",
                  "company_fax", "mail_order_number", "registry_number", "receipt_number",
                  "tax_invoice_number", "student_number", "donation_number", "vaccine_lot",
                  "approval_number", "commit_hash", "support_ticket_id", "vehicle_number", "stay_status",
                  "document_number", "recording_id", "log_timestamp", "byte_count", "room_number", "vital_sign")

# Ways of writing by kind, with weights.
WRITINGS = {
    "resident": {"hyphen": 6, "plain": 1.5, "spaced": 1, "fullwidth": 0.5, "masked": 2.5, "post2020": 1,
                 "hangul_numerals": 1, "hangul_mixed": 0.5, "asr_spaced": 0.5, "ocr_letter": 1, "ocr_break": 1},
    "foreigner_registration": {"hyphen": 6, "plain": 1.5, "spaced": 0.7, "masked": 2, "post2020": 0.5,
                               "hangul_numerals": 0.7, "ocr_letter": 0.7, "ocr_break": 0.7},
    "business_registration": {"hyphen": 7, "plain": 1.5, "spaced": 0.7, "fullwidth": 0.4, "masked": 0.7,
                              "hangul_numerals": 0.5, "ocr_letter": 0.7, "ocr_break": 0.7},
    "credit_card": {"hyphen": 5, "spaced": 2, "plain": 1.5, "amex": 0.7, "masked": 2.5, "fullwidth": 0.3,
                    "hangul_numerals": 1, "asr_spaced": 0.7, "ocr_letter": 0.6},
    "bank_account": {"hyphen": 6, "plain": 2, "spaced": 0.7, "masked": 1.2, "hangul_numerals": 1.2,
                     "hangul_mixed": 0.6, "read_out_e": 0.5, "asr_spaced": 0.6, "ocr_letter": 0.6,
                     "ocr_break": 0.5},
    "phone": {"hyphen": 8, "plain": 2.5, "spaced": 1.2, "dot": 1, "paren_area": 0.8, "intl_plus": 1.2,
              "masked": 2, "fullwidth": 0.4, "hangul_numerals": 1.5, "hangul_mixed": 0.8, "read_out_e": 0.6,
              "asr_spaced": 0.8, "url_encoded": 0.4, "ocr_letter": 0.6, "ocr_break": 0.5},
    "email": {"plain": 8, "masked": 1.2, "url_encoded": 0.8, "spoken_at": 0.8, "obfuscated_at": 0.6,
              "ocr_letter": 0.5},
    "driver_license": {"hyphen": 5, "plain": 1.2, "spaced": 0.7, "region_prefixed": 3, "ocr_letter": 0.6,
                       "hangul_numerals": 0.5, "ocr_break": 0.4},
    "birth_date": {"iso": 2, "dot": 3, "korean_date": 3, "korean_short_year": 1, "slash": 0.8,
                   "short_dot": 1, "spaced_dot": 0.8, "yymmdd": 2, "compact": 1.2, "airline_date": 1,
                   "us_slash": 0.4, "ocr_break": 0.3},
    "passport": {"old_format": 4, "current_format": 4, "foreign_format": 1.5, "ocr_letter": 0.5},
}
# What each style of document lets people write.
SPOKEN = {"hangul_numerals", "hangul_mixed", "read_out_e", "asr_spaced", "spoken_at"}
OCR = {"ocr_letter", "ocr_break"}
STYLE_WRITINGS = {
    "prose": {w for k in WRITINGS.values() for w in k} - SPOKEN - OCR - {"url_encoded", "airline_date"},
    "spoken": SPOKEN | {"hyphen", "plain", "korean_date", "korean_short_year", "old_format",
                        "current_format", "region_prefixed"},
    "chat": {"hyphen", "plain", "spaced", "dot", "masked", "intl_plus", "korean_date", "dot",
             "short_dot", "yymmdd", "region_prefixed", "old_format", "current_format", "amex",
             "hangul_mixed", "post2020"},
    "ocr": OCR | {"hyphen", "plain", "spaced", "masked", "dot", "korean_date", "iso", "yymmdd",
                  "region_prefixed", "old_format", "current_format", "post2020", "fullwidth"},
    "compact": {"hyphen", "plain", "masked", "iso", "compact", "yymmdd", "old_format", "current_format",
                "foreign_format", "amex", "post2020", "dot", "slash"},
    "url": {"plain", "hyphen", "url_encoded", "iso", "compact", "old_format", "current_format"},
    "travel": {"hyphen", "plain", "airline_date", "old_format", "current_format", "foreign_format",
               "iso", "dot", "masked", "intl_plus", "us_slash"},
}
# Ways of writing a style favours: people on the phone read digits aloud, scanners misread.
STYLE_FAVOURS = {"spoken": (SPOKEN, 6.0), "ocr": (OCR, 4.0), "url": ({"url_encoded"}, 8.0)}
# Writings a reader recognises with no label at all.
UNLABELLED_OK = {
    "resident": {"hyphen", "masked", "post2020", "fullwidth"},
    "foreigner_registration": {"hyphen", "masked"},
    "business_registration": {"hyphen"},
    "credit_card": {"hyphen", "spaced", "masked", "amex"},
    "phone": {"hyphen", "dot", "intl_plus", "masked", "paren_area", "spaced", "hangul_numerals",
              "hangul_mixed", "fullwidth"},
    "email": {"plain", "masked", "obfuscated_at", "spoken_at", "url_encoded"},
}
# Label situations, by the sign that stands for them in templates.
SITUATIONS = {":": "label_before", "!": "no_label", "^": "label_above", "#": "column_header",
              "~": "label_after", "%": "label_lines_away", "=": "key", "?": "previous_turn",
              "$": "bank_name", "&": "in_sentence"}

# --------------------------------------------------------------------------- templates

_ALTERNATIVES = re.compile(r"⟨([^⟨⟩]*)⟩")
_SLOT = re.compile(r"⟦(\w+)([:!^#~%=?$&])([^|⟧]*)(?:\|([\w,]+))?⟧|⟪(\w+)⟫|«(\w+)»")
_LABEL_CUT = re.compile(r"[|,;\t]|\s{2,}|[.!?:：]\s")
_LABEL_STRIP = " :：=-–)]>(*·•□■▶○●☞※\"'①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳"


def _label_from(text: str) -> str:
    """The words right before a value on its line: the last phrase, without bullets and signs."""
    return _LABEL_CUT.split(text.rstrip(_LABEL_STRIP))[-1].strip(_LABEL_STRIP)


def _speaker_free(line: str) -> str:
    """A line without its speaker or time prefix (the words a question was said in)."""
    return re.sub(r"^(\[[^\]]*\]\s*)*([^:：\[\]]{1,12}[:：]\s*)?", "", line).strip()


class _Builder:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed)
        self.m = _Maker(self.r)
        self.minute = 0  # the clock of a chat export
        self.fixed: dict[str, str] = {}

    def filler(self, name: str) -> str:  # noqa: C901 - one branch per filler
        r = self.r
        if name == "name":
            return r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)
        if name == "given":
            return r.choice(corpus.GIVEN)
        if name == "name_en":
            return f"{r.choice(ROMAN_SUR).upper()} {r.choice(ROMAN_GIVEN).upper()}"
        if name == "foreign_name":
            return r.choice(FOREIGN_NAMES)
        if name == "nation":
            return r.choice(NATIONS)
        if name == "place":
            return r.choice(PLACES)
        if name == "street":
            return r.choice(STREETS)
        if name == "company":
            return r.choice(COMPANIES)
        if name == "school":
            return r.choice(SCHOOLS)
        if name == "univ":
            return r.choice(UNIVERSITIES)
        if name == "product":
            return r.choice(PRODUCTS)
        if name == "pet":
            return r.choice(PETS)
        if name == "region":
            return r.choice(tuple(LICENSE_REGIONS)[:16])
        if name == "n":
            return str(r.randrange(2, 9))
        if name == "ktime":  # messages of a chat go forward in time
            self.minute = (self.minute + r.randrange(0, 40)) % (24 * 60)
            h, mi = divmod(self.minute, 60)
            return f"{'오전' if h < 12 else '오후'} {(h - 1) % 12 + 1}:{mi:02d}"
        if name == "clock":
            return f"{r.randrange(0, 4):02d}:{r.randrange(60):02d}"
        if name in ("kdate", "child", "holder"):  # the same all through one document
            return self.fixed[name]
        if name == "temp":
            return f"{r.randrange(36, 39)}.{r.randrange(10)}"
        if name == "grade":
            return str(r.randrange(1, 4))
        raise ValueError(name)

    def writing(self, kind: str, allowed: set, style: str, frame: str) -> str:
        """One of the allowed ways of writing a kind, by weight, favouring those of the style."""
        favoured, factor = STYLE_FAVOURS.get(style, (set(), 1.0))
        table = {k: p * (factor if k in favoured else 1.0) for k, p in WRITINGS[kind].items() if k in allowed}
        if not table:
            raise ValueError(f"no way to write {kind} in {frame!r} ({style}, {sorted(allowed)})")
        return self.r.choices(list(table), list(table.values()))[0]

    def value(self, w: _Writer, kind: str, op: str, label: str, writings: str, style: str,
              frame: str, line_so_far: str, previous_line: str) -> None:
        r = self.r
        situation = SITUATIONS[op]
        wanted = set(writings.split(",")) - {"", "young"}
        allowed = wanted or STYLE_WRITINGS[style]
        if situation == "no_label":
            allowed = allowed & UNLABELLED_OK.get(kind, set())
        writing = self.writing(kind, allowed, style, frame)
        bank = ""
        if situation == "bank_name":
            bank = label or r.choice(tuple(BANK_SHAPES))
            w.add(bank + r.choice((" ", " ", "은행 " if bank in ("국민", "신한", "우리", "하나", "기업") else " ")))
            label = bank
        elif situation in ("label_before", "in_sentence") and not label:
            label = _label_from(line_so_far)
        elif situation in ("previous_turn", "label_above") and not label:
            label = _speaker_free(previous_line)
        if situation == "label_before" and label.isascii():
            situation = "label_english"
        if (situation == "no_label") != (label == ""):
            raise ValueError(f"label of {kind} in {frame!r}: {label!r} for {situation}")
        self.m.young = "young" in writings.split(",")
        w.value(self.m.make(kind, writing, bank), situation, label, frame)
        self.m.young = False

    def render(self, w: _Writer, template: str, style: str, frame: str) -> None:
        r = self.r
        previous = ""
        for line in template.strip("\n").split("\n"):
            if line.startswith("?"):
                if r.random() < 0.4:
                    continue
                line = line[1:]
            line = _ALTERNATIVES.sub(lambda mo: r.choice(mo.group(1).split("‖")), line)
            so_far = ""
            pos = 0
            for mo in _SLOT.finditer(line):
                text = line[pos:mo.start()]
                w.add(text)
                so_far += text
                pos = mo.end()
                if mo.group(6):
                    text = self.filler(mo.group(6))
                    w.add(text)
                    so_far += text
                elif mo.group(5):
                    cat = mo.group(5)
                    text = self.m.negative(cat)
                    w.negative(cat, text, f"{frame}.{cat}")
                    so_far += text
                else:
                    before = len(w.parts)
                    self.value(w, mo.group(1), mo.group(2), mo.group(3), mo.group(4) or "", style,
                               frame, so_far, previous)
                    so_far += "".join(w.parts[before:])
            tail = line[pos:]
            w.add(tail + "\n")
            so_far += tail
            if so_far.strip():
                previous = so_far

    # ------------------------------------------------------------------ documents

    def document(self, genre: str) -> Document:
        style, frames = GENRES[genre]
        i = self.r.randrange(len(frames))
        w = _Writer(genre, PART)
        self.minute = self.r.randrange(6 * 60, 21 * 60)
        y, m, d = corpus.random_date(self.r, 2021, 2026)
        self.fixed = {"kdate": f"{y}. {m}. {d}.", "child": self.r.choice(corpus.GIVEN),
                      "holder": self.filler("name")}
        frame = frames[i]
        if callable(frame):
            frame(self, w, f"{genre}.{i}")
        else:
            self.render(w, frame, style, f"{genre}.{i}")
        return w.document()

    def table(self, w: _Writer, frame: str, cols, rows: int, sep: str, style: str = "compact") -> None:
        """A header row and rows below it; cols are (header, what) with what "kind",
        "neg:category", "fill:name" or "lit:a/b/c"."""
        r = self.r
        markdown = sep == " | "
        heads = [h for h, _ in cols]
        w.add(("| " + " | ".join(heads) + " |\n|" + "|".join("---" for _ in heads) + "|\n") if markdown
              else sep.join(heads) + "\n")
        for _ in range(rows):
            if markdown:
                w.add("| ")
            for i, (head, what) in enumerate(cols):
                if i:
                    w.add(sep)
                if what.startswith("neg:"):
                    cat = what[4:]
                    text = self.m.negative(cat)
                    w.negative(cat, text.replace(",", "") if sep == "," else text, f"{frame}.{head}")
                elif what.startswith("fill:"):
                    w.add(self.filler(what[5:]))
                elif what.startswith("lit:"):
                    w.add(r.choice(what[4:].split("/")))
                else:
                    kind, _, writings = what.partition("|")
                    allowed = set(writings.split(",")) if writings else STYLE_WRITINGS[style]
                    writing = self.writing(kind, allowed, style, frame)
                    bank = r.choice(tuple(BANK_SHAPES)) if kind == "bank_account" else ""
                    w.value(self.m.make(kind, writing, bank), "column_header", head, frame)
            w.add(" |\n" if markdown else "\n")


# --------------------------------------------------------------------------- genres made by code


def _passenger_list(b: _Builder, w: _Writer, frame: str) -> None:
    r = b.r
    w.add(f"{r.choice(('[단체 명단]', '■ 탑승객 명단 (PAX LIST)', 'GROUP PAX MANIFEST', '여행자 명단'))} "
          f"{r.choice(('하노이 3박5일', '오사카 자유여행', '다낭 골프투어', '세부 가족여행', '북해도 온천 4일'))}\n")
    w.add("PNR: ")
    w.negative("pnr_code", b.m.negative("pnr_code"), f"{frame}.pnr")
    w.add(" / FLT ")
    w.negative("flight_number", b.m.negative("flight_number"), f"{frame}.flight")
    w.add(" / DEP ")
    w.negative("event_date", b.m.negative("event_date"), f"{frame}.dep")
    w.add("\n")
    sep = r.choice(("\t", ",", " | "))
    cols = [("NO", "lit:1/2/3/4/5/6"), (r.choice(("성명(영문)", "NAME", "영문명")), "fill:name_en"),
            (r.choice(("여권번호", "PASSPORT NO", "PP#")), "passport|old_format,current_format"),
            (r.choice(("생년월일", "DOB", "BIRTH")), "birth_date|airline_date,iso,dot,compact"),
            (r.choice(("E-TKT", "항공권번호", "TICKET NO")), "neg:e_ticket_number")]
    if r.random() < 0.5:
        cols.append((r.choice(("연락처", "HP", "MOBILE")), "phone|hyphen,plain,intl_plus"))
    if r.random() < 0.3:
        cols.append(("여권만료", "neg:event_date"))
    b.table(w, frame, cols, r.randrange(2, 7), sep, "travel")
    w.add(r.choice(("※ 여권 유효기간 6개월 이상 필수\n", "인솔자: 현지 가이드 미팅 08:30\n",
                    "*명단 변경 시 출발 3일 전까지 통보\n")))


def _club_roster(b: _Builder, w: _Writer, frame: str) -> None:
    r = b.r
    w.add(r.choice(("◈ 2025 새가족 명단 (교육부)", "■ 제27회 동창회 회원 명부", "풋살 동호회 회원 연락망",
                    "조기축구회 FC 새벽 회원 현황", "○○교회 청년부 셀 명단", "산악회 정기산행 참가자")) + "\n")
    sep = r.choice(("\t", ",", " | ", "|"))
    cols = [("이름", "fill:name"), (r.choice(("연락처", "휴대폰", "H.P", "전화")),
                                   "phone|hyphen,plain,dot,masked")]
    extras = [((r.choice(("생일", "생년월일", "생년"))), "birth_date|dot,short_dot,yymmdd,iso,compact"),
              ((r.choice(("이메일", "E-mail", "메일"))), "email|plain,masked"),
              (r.choice(("회원번호", "No.")), "neg:member_number"),
              (r.choice(("가입일", "등록일")), "neg:event_date"),
              (r.choice(("회비", "납부액")), "neg:price"),
              (r.choice(("기수", "학번")), "neg:student_number"),
              (r.choice(("환급계좌", "계좌")), "bank_account|hyphen,plain")]
    cols += r.sample(extras, r.randrange(2, 5))
    b.table(w, frame, cols, r.randrange(3, 8), sep)
    w.add(r.choice(("※ 명단은 회원 외 공유 금지\n", "총무 드림\n", "변경사항은 총무에게 알려주세요.\n")))


AGENTS = ("Mozilla/5.0 (iPhone; CPU iPhone OS 17_4 like Mac OS X)", "okhttp/4.12.0", "curl/8.5.0",
          "Mozilla/5.0 (Windows NT 10.0; Win64; x64)", "Dalvik/2.1.0 (Linux; U; Android 14; SM-S921N)")


def _access_log(b: _Builder, w: _Writer, frame: str) -> None:
    r = b.r
    paths = (("/api/v1/members", "phone", "phone"), ("/signup/check", "email", "email"),
             ("/order/guest", "hp", "phone"), ("/api/verify", "rrn", "resident"),
             ("/mypage/update", "birth", "birth_date"), ("/refund/account", "acct_no", "bank_account"),
             ("/cs/inquiry", "user_email", "email"), ("/api/v2/auth/sms", "mobile", "phone"))
    for _ in range(r.randrange(3, 8)):
        path, key, kind = r.choice(paths)
        w.negative("ip_address", b.m.negative("ip_address"), f"{frame}.ip")
        w.add(" - - [")
        w.negative("log_timestamp", b.m.negative("log_timestamp"), f"{frame}.ts")
        w.add(f'] "{r.choice(("GET", "GET", "POST"))} {path}?')
        if r.random() < 0.5:
            w.add("page=")
            w.add(str(r.randrange(1, 20)))
            w.add("&")
        w.add(f"{key}=")
        writings = {"email": "plain,url_encoded", "phone": "plain,hyphen,url_encoded",
                    "birth_date": "compact,iso", "resident": "plain,hyphen", "bank_account": "plain"}[kind]
        writing = b.writing(kind, set(writings.split(",")), "url", frame)
        bank = r.choice(tuple(BANK_SHAPES)) if kind == "bank_account" else ""
        w.value(b.m.make(kind, writing, bank), "key", key, frame)
        if r.random() < 0.3:
            w.add("&ver=")
            w.negative("version_number", b.m.negative("version_number"), f"{frame}.ver")
        w.add(f' HTTP/1.1" {r.choice((200, 200, 302, 400, 404, 500))} ')
        w.negative("byte_count", b.m.negative("byte_count"), f"{frame}.bytes")
        w.add(f' "-" "{r.choice(AGENTS)}"\n')


# --------------------------------------------------------------------------- genres from templates

CALL_TRANSCRIPT = (
    """
[상담 STT 원문 / 보험 콜센터] ⟪event_date⟫ ⟪time⟫
상담사: 네 자동차 사고 접수 도와드리겠습니다. 운전하신 분 면허번호 불러 주시겠어요?
고객: ⟨면허증 보고 읽을게요‖잠깐만요 지갑에서 꺼낼게요⟩ ⟦driver_license?|hangul_numerals,region_prefixed,asr_spaced⟧
상담사: 네 그리고 상대방 연락처 받으신 거 있으세요?
고객: 네 상대방이 ⟦phone&상대방|hangul_numerals,hangul_mixed,hyphen⟧ 이라고 했어요
상담사: 상대 차량 번호는요?
고객: ⟪vehicle_number⟫ 이요
상담사: 네 사고 접수번호 ⟪receipt_number⟫ 로 접수되었고 담당자가 ⟦phone:고객님 휴대폰|masked⟧ 으로 연락드릴 겁니다.
""",
    """
[녹취 ⟪recording_id⟫] 통신사 명의변경 상담
상담사: 네 고객님 명의자 분 주민등록번호 열세 자리 천천히 불러 주시겠어요?
고객: ⟨네‖아 네‖잠시만요⟩ ⟦resident?|hangul_numerals,hangul_mixed,asr_spaced⟧
상담사: 네 확인 감사합니다. 양수인 분 번호도 부탁드려요.
고객: 저희 딸이고요 ⟦phone&양수인|hangul_numerals,read_out_e,hangul_mixed⟧ 이요
상담사: 자동이체 카드도 변경하시겠어요?
고객: 네 ⟦credit_card&카드|hangul_numerals,asr_spaced⟧ 로 해 주세요
상담사: 네 처리되었고요 요금은 ⟪price⟫원, 처리번호 ⟪receipt_number⟫ 입니다.
""",
    """
상담원: 사업자 고객이시면 사업자등록번호 먼저 말씀 부탁드립니다
고객: ⟦business_registration?|hangul_numerals,hyphen,plain⟧
상담원: 네 대표자분 성함이랑 연락처요
고객: «name»이고 ⟦phone&연락처|hangul_numerals,read_out_e,asr_spaced,hyphen⟧
상담원: 세금계산서 받으실 메일도요
고객: ⟦email?|spoken_at⟧ 요
상담원: 네 ⟪event_date⟫ 자로 발행해 드리겠습니다 문의는 ⟪company_number⟫ 입니다
""",
    """
[통화녹취] 녹취번호 ⟪recording_id⟫ / 상담일시 ⟪event_date⟫ ⟪time⟫
상담사: 네 ⟨행복을 드리는‖고객님 사랑합니다‖정성을 다하는⟩ «company» 고객센터 상담사 «given»입니다.
고객: 아 네 카드를 잃어버려서요 분실 신고 하려고요
상담사: 네 고객님 본인 확인을 위해서 성함이랑 생년월일 말씀해 주시겠어요?
고객: «name»이고요 ⟦birth_date?⟧ 이요
상담사: 네 확인 감사합니다. 분실하신 카드 번호 혹시 알고 계실까요?
고객: ⟨잠시만요 어..‖음 그게‖네⟩ ⟦credit_card?⟧ 이거요
상담사: 네 해당 카드 사용 정지 처리해 드렸습니다.
?상담사: 재발급 카드 안내는 등록하신 휴대폰 ⟦phone:|masked⟧ 으로 문자 드릴게요.
고객: 네 감사합니다
""",
    """
[STT] 콜ID ⟪recording_id⟫ 상담원 «given» / 고객
상담원: 네 고객님 환불 계좌 불러 주시겠어요?
고객: ⟦bank_account$⟧ 이요
상담원: 예금주 성함은요?
고객: «name»이요 제 명의예요
상담원: 네 ⟦bank_account&|masked⟧ 계좌로 환불 등록해 드렸습니다.
고객: 네 감사해요
상담원: 환불 금액 ⟪price⟫원은 영업일 기준 삼 일 안에 입금됩니다.
?고객: 혹시 문자로도 받을 수 있을까요? 제 번호 ⟦phone&⟧ 이에요
상담원: 네 접수번호 ⟪receipt_number⟫ 로 문자 발송해 드릴게요.
""",
    """
상담사: 명의 확인을 위해 주민등록번호 앞자리 뒷자리 다 불러 주시겠어요?
고객: ⟦resident?⟧
상담사: 네 확인되셨습니다. 연락 가능한 번호도 알려주시겠어요?
고객: ⟨지금 거는 번호요‖이 번호로 해주세요⟩ ⟦phone!|hangul_numerals,hangul_mixed,hyphen⟧
상담사: 주소지는 «place» «street» ⟪address_number⟫ 맞으십니까
고객: 네
상담사: 네 고객님 ⟪event_date⟫ 에 기사님 방문 예정이고요 문의는 ⟪company_number⟫ 으로 주시면 됩니다.
""",
    """
[녹취록] 상담번호 ⟪recording_id⟫
상담원 : 네 보험 청구 관련해서 전화 주셨고요 증권번호 확인할게요 ⟪policy_number⟫ 맞으세요?
고객 : 네네
상담원 : 보험금 받으실 계좌 말씀 부탁드립니다
고객 : ⟦bank_account?⟧
상담원 : 은행은 어디세요?
고객 : «name» 명의 ⟨농협이요‖국민이요‖우체국이요⟩
상담원 : 서류는 메일로 보내드릴까요
고객 : 네 ⟦email?|spoken_at,plain⟧ 으로 보내주세요
상담원 : 네 ⟪event_date⟫ 까지 회신 부탁드립니다
""",
)

CALL_ASR = (
    """
[STT 자동 변환 / 신뢰도 0.8«n»] 병원 예약 센터
상담: 진료 예약 도와 드릴게요 환자 분 성함 과 주민 번호 앞 뒤 말씀 해 주세요
환자: «name» 이고요 ⟦resident?|hangul_numerals,asr_spaced,hangul_mixed⟧
상담: 네 보호자 연락처 도 하나 남겨 주세요
환자: 남편 번호 요 ⟦phone&남편 번호|hangul_numerals,read_out_e,asr_spaced⟧
상담: 네 ⟪event_date⟫ ⟪time⟫ 정형 외과 예약 되셨 습니다 등록 번호 는 ⟪patient_number⟫ 입니다
""",
    """
[00:02:1«n»] 고객: 계좌 번호 가 ⟦bank_account:|hangul_numerals,read_out_e,asr_spaced⟧ 이요 아니 잠깐만요
[00:02:2«n»] 상담사: 네 천천히 말씀 해주세요
[00:02:31] 고객: ⟦bank_account$|hangul_numerals,hangul_mixed,asr_spaced⟧ 이게 맞아요
[00:02:40] 상담사: 네 예금주 확인 됐 습니다 환불 금액 ⟪price⟫ 원 입니다
[00:02:52] 고객: 면허 번호 도 필요 하세요 ⟦driver_license&면허 번호|hangul_numerals,asr_spaced,region_prefixed⟧
""",
    """
REC ⟪recording_id⟫ | 화자 분리 결과
A: 네 본인 인증 을 위해 외국인 등록 번호 말씀 해 주세요
B: ⟦foreigner_registration?|hangul_numerals,asr_spaced,hangul_mixed,hyphen⟧
A: 네 체류 자격 ⟪stay_status⟫ 맞으 시죠 연락처 는요
B: ⟦phone?|hangul_numerals,asr_spaced,hangul_mixed⟧
A: 네 고맙 습니다
""",
    """
[00:00:0«n»] 화자1: 안녕하세요 «company» 입니다 무엇을 도와 드릴까요
[00:00:12] 화자2: 네 제가 요금 이 두 번 빠져 나갔 는데요
[00:00:19] 화자1: 불편 드려 죄송 합니다 명의자 분 휴대폰 번호 말씀 해주시겠어요
[00:00:25] 화자2: ⟦phone?|hangul_numerals,asr_spaced,hangul_mixed,read_out_e⟧
[00:00:33] 화자1: 네 확인을 위해 생년월일 여섯 자리도 부탁 드립니다
[00:00:38] 화자2: ⟦birth_date?|korean_short_year,korean_date⟧
[00:00:45] 화자1: 네 확인 됐 습니다 중복 결제 ⟪price⟫ 원 환불 처리 해드릴게요
[00:01:02] 화자2: 네 감사 합니다
""",
    """
<발화 시작 «clock»> 상담원: 네 카드 번호 열여섯 자리 천천히 불러 주세요
고객: ⟦credit_card?|hangul_numerals,asr_spaced,hangul_mixed⟧
상담원: 유효기간은 말씀 안 하셔도 되고요 승인 번호 ⟪approval_number⟫ 건 취소 해드릴게요
고객: 그리고 제 메일 이 ⟦email!|spoken_at,plain⟧ 인데 영수증 보내 주세요
상담원: 네 알겠 습니다
""",
    """
[화자 A] 여권 번호 불러 주시겠어요
[화자 B] ⟦passport?|old_format,current_format⟧ 이요 영어 는 대문자 예요
[화자 A] 네 그리고 영문 성함은요
[화자 B] «name_en»
[화자 A] 비상 연락처 도 하나 남겨 주세요
[화자 B] 어머니 번호 ⟦phone&|hangul_numerals,hyphen,asr_spaced⟧ 요
[화자 A] 예약 번호는 ⟪pnr_code⟫ 이고 ⟪event_date⟫ 출발 입니다
""",
)

KAKAO_FAMILY = (
    """
«name» 님과 카카오톡 대화
저장한 날짜 : ⟪event_date⟫ ⟪time⟫

--------------- ⟪event_date⟫ ---------------
[엄마] [«ktime»] 아들 엄마 계좌 불러줄게 적어놔
[엄마] [«ktime»] ⟦bank_account$⟧
[엄마] [«ktime»] 예금주 «name»
[«child»] [«ktime»] ㅇㅇ 보냈어
[엄마] [«ktime»] 그리고 보험 서류에 니 주민번호 필요하대
[«child»] [«ktime»] ⟦resident?|hyphen,plain⟧
[엄마] [«ktime»] 고마워~ 주말에 와라
""",
    """
--------------- ⟪event_date⟫ ---------------
[아빠] [«ktime»] 할머니 새 폰 번호 ⟦phone:|hyphen,plain,spaced⟧ 저장해라
[누나] [«ktime»] 넵
[아빠] [«ktime»] 명절에 할머니댁 주소 «place» «street» ⟪address_number⟫
[누나] [«ktime»] 나 택배로 보낼게 할머니 생신 ⟦birth_date:|korean_date,dot⟧ 이지?
[아빠] [«ktime»] 음력이라 올해는 ⟪event_date⟫
[막내] [«ktime»] 저 번호 바꿨어요 ⟦phone!⟧
""",
    """
«kdate» «ktime», 엄마 : 동사무소에서 가족관계증명서 뗄 때 필요하대 니 주민번호 뭐였지
«kdate» «ktime», «child» : ⟦resident?|hyphen,plain⟧
«kdate» «ktime», 엄마 : 여권 만료됐다던데 새로 만들었어?
«kdate» «ktime», «child» : 응 새 여권번호 ⟦passport:|current_format⟧
«kdate» «ktime», 엄마 : 이모 카드로 결제했는데 번호 좀 봐줘 ⟦credit_card:|hyphen,masked⟧
«kdate» «ktime», «child» : 그거 승인번호 ⟪approval_number⟫ 로 조회해봐
""",
)

KAKAO_CLUB = (
    """
[«place» 맘카페 공동구매방] [«ktime»] 입금 확인 명단 올려요
[방장] [«ktime»] 1. «name» ⟦phone!|masked,hyphen⟧ 2세트
[방장] [«ktime»] 2. «name» ⟦phone!|masked,hyphen⟧ 1세트
[방장] [«ktime»] 송장번호는 ⟪tracking_number⟫ 로 일괄 발송했어요
[«given»] [«ktime»] 저 아직 입금 안 했는데 계좌 다시 알려주세요
[방장] [«ktime»] ⟦bank_account$⟧ 예금주 «name» / 1세트 ⟪price⟫원
""",
    """
[«place» 러닝크루] 단톡방
[총무 «given»] [«ktime»] 이번 달 회비 ⟪price⟫원 입금 부탁드려요~
[총무 «given»] [«ktime»] ⟦bank_account$⟧ («name»)
[«given»] [«ktime»] 입금했습니다!
[«given»] [«ktime»] 신입 회원 연락처 공유합니다 ⟦phone!⟧
[총무 «given»] [«ktime»] 대회 접수번호 ⟪receipt_number⟫ 이고 배번은 현장 수령입니다
[«given»] [«ktime»] 단체 티셔츠 주문번호 ⟪order_number⟫ 에요
""",
    """
--------------- ⟪event_date⟫ ---------------
[회장님] [«ktime»] 동문회 정기총회 ⟪event_date⟫ 저녁 7시 «place» 한정식
[«given»] [«ktime»] 참석합니다. 제 연락처 바뀌었어요 ⟦phone!|hyphen,dot⟧
[«given»] [«ktime»] 회비는 어디로 보내면 돼요?
[총무] [«ktime»] ⟦bank_account?|hyphen,plain⟧ ⟨농협‖신한‖카카오뱅크⟩ «name» 입니다
[«given»] [«ktime»] 졸업앨범 보니까 저 생일 ⟦birth_date:|short_dot,yymmdd⟧ 로 나와 있네요ㅋㅋ
[총무] [«ktime»] 명부 정리용이니 메일도 남겨주세요
[«given»] [«ktime»] ⟦email?⟧
""",
    """
[배드민턴 클럽] [«ktime»] 보험 가입 때문에 생년월일 필요해요~
[«given»] [«ktime»] ⟦birth_date?|yymmdd,dot,korean_short_year⟧
[«given»] [«ktime»] 전 ⟦birth_date:생일|compact,iso⟧ 요
[총무] [«ktime»] 코트 예약번호 ⟪receipt_number⟫ / 대관료 ⟪price⟫원
[«given»] [«ktime»] 차 가져가요 ⟪vehicle_number⟫ 주차 등록 부탁
""",
)

SCHOLARSHIP = (
    """
[가정통신문 회신서] 교육급여·교육비 지원 신청
학생 «name» («grade»학년 «n»반)
■ 신청인(보호자) 정보
 ※ 아래 칸은 보호자 본인 정보를 적습니다.
 성명 «name»
 관계 ⟨부‖모‖조모⟩
 (주민등록번호)
 ※ 뒷자리는 담임 확인 후 파기합니다

 ⟦resident%주민등록번호|hyphen,masked⟧
■ 연락처 (낮에 연락 가능한 번호)

 ⟦phone%연락처 (낮에 연락 가능한 번호)⟧
지원금 입금 계좌 ⟦bank_account$⟧
""",
    """
⟨■ 2025학년도 1학기 «univ» 교내장학금 신청서‖[별지 제1호] 장학금 지급 신청서‖○○장학재단 장학생 선발 신청서⟩
1. 인적사항
 성      명 : «name»          학  번 : ⟪student_number⟫
 주민등록번호 : ⟦resident:⟧
 생년월일 : ⟦birth_date:⟧
 휴 대 폰 : ⟦phone:⟧
 E-mail : ⟦email:⟧
 주      소 : «place» «street» ⟪address_number⟫ (우편번호 ⟪postal_code⟫)
2. 장학금 수령 계좌 (본인 명의)
 ⟦bank_account$⟧  예금주: «name»
3. 가계 곤란 사유 (200자 이내)
 부모님 실직으로 등록금 ⟪price⟫원 납부가 어려운 상황입니다.
?보호자 연락처 : ⟦phone:⟧
신청일: ⟪event_date⟫   신청인 «name» (인)
""",
    """
장학금 신청서 (재단 제출용)
학교명 «school» / 학년 «grade» / 반 «n»
학생 성명 «name»
학생 생년월일
⟦birth_date^|young⟧
보호자 성명 «name» (관계: 모)
보호자 휴대전화
⟦phone^⟧
보호자 주민등록번호(앞 6자리-뒤 7자리)
⟦resident^|hyphen,masked⟧
입금 받을 계좌(보호자 명의)
⟦bank_account$⟧
※ 제출서류: 가족관계증명서, 건강보험료 납부확인서(⟪event_date⟫ 기준)
""",
)

SCHOOL_RECORD = (
    """
[담임 상담 기록] «school» «grade»-«n» «name»
⟪event_date⟫ 어머니와 전화 상담 (⟦phone!|hyphen,dot⟧)
 - 교우 관계 원만, 수학 성적 하락 고민
 - 방과후 돌봄 신청서 제출 예정
⟪event_date⟫ 아버지 면담, 연락처 변경 ⟦phone:연락처 변경|hyphen⟧
 - 가족 해외 이주 예정으로 전학 서류(여권 ⟦passport:|current_format,old_format⟧) 안내
""",
    """
학 교 생 활 기 록 부
1. 인적·학적사항
 학생정보  성명: «name»  성별: ⟨남‖여⟩  주민등록번호: ⟦resident:|hyphen,masked,young⟧
           주소: «place» «street» ⟪address_number⟫
 학적사항  ⟪event_date⟫ «school» 제«grade»학년 입학
           ⟪event_date⟫ «school» 제«grade»학년 전입
 특기사항  
2. 출결상황  수업일수 190  결석 0  지각 1
?보호자 «name» 연락처 ⟦phone:⟧
발급번호 ⟪document_number⟫  / 발급일 ⟪event_date⟫
""",
    """
[학생 기초조사서] «school» «grade»학년 «n»반
학생 이름: «name»  생년월일: ⟦birth_date:|dot,korean_date,yymmdd,young⟧
학생 휴대폰: ⟦phone:⟧
아버지 «name»  ⟦phone~(부)|hyphen,plain⟧(부)
어머니 «name»  ⟦phone~(모)|hyphen,plain⟧(모)
비상시 연락: ⟦phone:⟧
알레르기: 견과류 / 방과후 신청: 로봇과학
""",
)

CERTIFICATE_REQUEST = (
    """
[민원24] 증명서 발급 대행 요청
○ 발급 대상자: «name» (생년월일 ⟦birth_date:생년월일|korean_date,dot,yymmdd⟧)
○ 주민번호 뒷자리: 비공개 (요청 시 제공)
○ 수령인 연락처 ⟦phone:⟧ / 수령 주소 «place» «street» ⟪address_number⟫
○ 발급 종류: 졸업증명서, 성적증명서 (신청번호 ⟪document_number⟫)
""",
    """
⟨졸업증명서 발급 신청서‖제증명 발급 신청서 (졸업·성적)‖[민원] 증명서 발급 요청⟩
신청인 성명: «name»   졸업연도: ⟪event_date⟫
생년월일: ⟦birth_date:⟧
졸업 당시 학번: ⟪student_number⟫
연락처: ⟦phone:⟧
수령 방법: ⟨우편‖방문‖이메일(PDF)⟩
이메일 주소: ⟦email:⟧
발급 부수: 국문 2부, 영문 1부 / 수수료 ⟪price⟫원
※ 대리 신청 시 위임장과 위임인 신분증 사본(주민번호 뒷자리 가림) 첨부
""",
    """
안녕하세요, ⟪event_date⟫ 졸업한 «name»입니다.
영문 졸업증명서 발급 부탁드립니다. 해외 대학원 지원용입니다.
생년월일은 ⟦birth_date&⟧ 이고 학번은 ⟪student_number⟫ 였습니다.
PDF로 ⟦email:받을 메일|plain⟧ 로 보내 주시면 감사하겠습니다.
수수료는 ⟪price⟫원 입금했습니다. 문의는 ⟦phone&⟧ 으로 주세요.
""",
)

UNIVERSITY_ADMIN = (
    """
제목: [학사지원팀] 휴학 신청 관련 문의
학번 ⟪student_number⟫ «name» 입니다.
⟪event_date⟫ 자로 일반휴학 신청했는데 등록금 ⟪price⟫원 반환은 어떻게 되나요?
반환 계좌: ⟦bank_account$⟧ (본인)
휴대폰 ⟦phone:⟧ / ⟦email:학교 메일⟧
""",
    """
[학적변동 처리 대장] ⟪document_number⟫
성명 | 학번 | 생년월일 | 변동 | 처리일
«name» | ⟪student_number⟫ | ⟦birth_date#생년월일|dot,compact,iso⟧ | ⟨휴학‖복학‖자퇴‖제적⟩ | ⟪event_date⟫
«name» | ⟪student_number⟫ | ⟦birth_date#생년월일|dot,compact,iso⟧ | ⟨휴학‖복학⟩ | ⟪event_date⟫
«name» | ⟪student_number⟫ | ⟦birth_date#생년월일|dot,compact,iso⟧ | 복학 | ⟪event_date⟫
담당: 학사지원팀 «name» (내선 ⟪address_number⟫)
""",
    """
[기숙사 입사 신청] «univ» 생활관
Name: «foreign_name»  Student ID: ⟪student_number⟫
Nationality: «nation»   ARC No.: ⟦foreigner_registration:⟧
Passport No.: ⟦passport:|old_format,foreign_format,current_format⟧
Phone (Korea): ⟦phone:⟧
Emergency contact (home country): «foreign_name»
Room preference: ⟪room_number⟫ / Fee ⟪price⟫ KRW
""",
)

ALIEN_REGISTRATION = (
    """
Foreign Resident Registration No. / 외국인등록번호
(Write as shown on your residence card)
--------------------------------
Name «foreign_name»   Nationality «nation»
⟦foreigner_registration%Foreign Resident Registration No.|hyphen,plain⟧
Stay status ⟪stay_status⟫  Expiry ⟪event_date⟫
Phone ⟦phone:⟧  E-mail ⟦email:⟧
""",
    """
■ 출입국관리법 시행규칙 [별지 제34호서식]
통합신청서 (신고서) APPLICATION FORM
□ 외국인 등록 / □ 체류기간 연장허가 / □ 체류자격 변경허가
성 Surname «foreign_name»
생년월일 Date of Birth ⟦birth_date:|iso,dot,compact⟧
국적 Nationality «nation»
외국인등록번호 Foreign Resident Registration No.
⟦foreigner_registration^⟧
여권 번호 Passport No. ⟦passport:|foreign_format,old_format⟧
대한민국 내 주소 Address in Korea «place» «street» ⟪address_number⟫
전화 번호 Telephone No. ⟦phone:|hyphen,plain⟧
현 체류자격 ⟪stay_status⟫ → 신청 체류자격 ⟪stay_status⟫
신청일 Date of application ⟪event_date⟫
""",
    """
[체류기간 연장 안내 문자]
«foreign_name»님, 체류기간 만료일 ⟪event_date⟫ 입니다. 하이코리아에서 방문예약 하세요.
등록번호 ⟦foreigner_registration:|masked,hyphen⟧ / 체류자격 ⟪stay_status⟫
문의 1345 외국인종합안내센터
""",
    """
고용허가 외국인 근로자 명단 (⟪event_date⟫ 기준)
성명	국적	외국인등록번호	체류자격	만료일	연락처
«foreign_name»	«nation»	⟦foreigner_registration#외국인등록번호|hyphen,plain⟧	⟪stay_status⟫	⟪event_date⟫	⟦phone#연락처|hyphen,plain⟧
«foreign_name»	«nation»	⟦foreigner_registration#외국인등록번호|hyphen,plain⟧	⟪stay_status⟫	⟪event_date⟫	⟦phone#연락처|hyphen,plain⟧
«foreign_name»	«nation»	⟦foreigner_registration#외국인등록번호|hyphen,plain,masked⟧	⟪stay_status⟫	⟪event_date⟫	⟦phone#연락처|hyphen,plain⟧
사업장: «company» (사업자번호 ⟦business_registration:⟧)
""",
)

VISA_APPLICATION = (
    """
[여행사 비자 대행 접수표] 베트남 전자비자
접수번호 ⟪receipt_number⟫  출국일 ⟪event_date⟫  항공 ⟪flight_number⟫
신청자 영문명	여권번호	생년월일	성별
«name_en»	⟦passport#여권번호|current_format,old_format⟧	⟦birth_date#생년월일|iso,dot,airline_date⟧	⟨M‖F⟩
«name_en»	⟦passport#여권번호|current_format,old_format⟧	⟦birth_date#생년월일|iso,dot,airline_date⟧	⟨M‖F⟩
대표자 연락처 ⟦phone:⟧ / 이메일 ⟦email:⟧
비자 수수료 ⟪price⟫원 (카드 ⟦credit_card:|masked⟧ 결제)
""",
    """
사증발급신청서 VISA APPLICATION FORM
1. 성명 Full name in English: «name_en»
2. 생년월일 Date of Birth (yyyy/mm/dd): ⟦birth_date:|slash,iso⟧
3. 여권번호 Passport No.: ⟦passport:|foreign_format,old_format,current_format⟧
   발급일 Date of Issue: ⟪event_date⟫   만료일 Date of Expiry: ⟪event_date⟫
4. 초청인 Inviter: «name» / 초청인 연락처 ⟦phone:⟧
   초청인 주민등록번호 ⟦resident:|hyphen,masked⟧
5. 체류 예정 주소 «place» «street» ⟪address_number⟫
6. 신청 체류자격 ⟪stay_status⟫ / 수수료 USD ⟪price⟫
""",
    """
Dear Visa Officer,
I, «name», holder of Korean passport ⟦passport&|current_format,old_format⟧, invite my fiance «foreign_name» to Korea.
He was born on ⟦birth_date:|us_slash,airline_date⟧ and his passport number is ⟦passport:|foreign_format⟧.
I can be reached at ⟦phone:|intl_plus,hyphen⟧ or ⟦email!⟧.
Application reference: ⟪document_number⟫
""",
)

HOTEL_CHECKIN = (
    """
[Walk-in guest memo] ⟪event_date⟫ ⟪time⟫
«foreign_name» / «nation» / PP ⟦passport:|foreign_format⟧
guest said phone is ⟦phone!|intl_plus,hyphen⟧, wants late check-out ⟪time⟫
deposit card ⟦credit_card:|masked,amex⟧  room ⟪room_number⟫  rate ⟪price⟫
""",
    """
REGISTRATION CARD / 숙박 등록카드
Room No. ⟪room_number⟫   Arrival ⟪event_date⟫   Departure ⟪event_date⟫
Guest Name: «foreign_name»
Nationality: «nation»
Passport No.: ⟦passport:|foreign_format,old_format⟧
Date of Birth: ⟦birth_date:|airline_date,us_slash,iso⟧
Mobile: ⟦phone:|intl_plus,hyphen⟧
E-mail: ⟦email:⟧
Conf. No. ⟪receipt_number⟫ / Rate KRW ⟪price⟫
Signature ________
""",
    """
[프런트 인수인계] ⟪event_date⟫ 야간
- ⟪room_number⟫호 «foreign_name» 고객, 여권 사본 스캔 완료 (⟦passport~여권|foreign_format,current_format⟧ 여권)
- 늦은 체크인 요청, 연락처 ⟦phone!|intl_plus,hyphen⟧
- 보증 카드 ⟦credit_card:|masked⟧ 프리오소리 ⟪price⟫원
- 분실물: 충전기 1개, 보관번호 ⟪receipt_number⟫
""",
)

CUSTOMS = (
    """
[해외직구 통관 안내]
«name» 고객님, 주문하신 «product» 상품이 인천세관에 도착했습니다.
개인통관고유부호 ⟪customs_code⟫ 와 수취인 정보가 일치해야 통관됩니다.
수취인 연락처: ⟦phone:|hyphen,masked⟧
운송장번호 ⟪tracking_number⟫ / 주문번호 ⟪order_number⟫
관부가세 ⟪price⟫원 (납부기한 ⟪event_date⟫)
""",
    """
배송대행 신청서
수취인 «name» / 영문 «name_en»
개인통관고유부호: ⟪customs_code⟫
휴대폰: ⟦phone:⟧
주소: «place» «street» ⟪address_number⟫ (⟪postal_code⟫)
주문번호 (Amazon) ⟪order_number⟫ / 트래킹 ⟪tracking_number⟫
결제 카드 ⟦credit_card:|masked,hyphen⟧
""",
    """
문의드립니다. 통관부호 ⟪customs_code⟫ 로 통관 보류됐다고 문자 왔는데 제 이름이 아니라 «name» 이름으로 되어있어서요.
제 번호는 ⟦phone&⟧ 이고 주문한 사이트 주문번호는 ⟪order_number⟫ 입니다.
⟦email!⟧ 로 처리 결과 알려주세요.
""",
)

RENTAL_CAR = (
    """
[사고 접수] 렌터카 자차 사고 보고
접수번호 ⟪receipt_number⟫ / 차량 ⟪vehicle_number⟫ / 보험 증권 ⟪policy_number⟫
운전자 «name», 면허 ⟦driver_license:면허|region_prefixed,hyphen⟧
상대 차량 운전자 «name» ⟦phone!⟧ (현장에서 받은 번호)
사고 일시 ⟪event_date⟫ ⟪time⟫, 장소 «place» «street» ⟪address_number⟫ 앞
""",
    """
자동차 대여 계약서 (단기)
계약번호 ⟪document_number⟫  대여일시 ⟪event_date⟫ ⟪time⟫  반납예정 ⟪event_date⟫
[임차인]
성명 «name»   생년월일 ⟦birth_date:⟧
운전면허번호 ⟦driver_license:|region_prefixed,hyphen⟧  면허종류 1종보통
연락처 ⟦phone:⟧
[제2운전자] «name» / 면허 ⟦driver_license:|region_prefixed,hyphen,plain⟧
차량번호 ⟪vehicle_number⟫  차종 아반떼  대여요금 ⟪price⟫원
보증금 결제 카드 ⟦credit_card:|masked,hyphen⟧
""",
    """
Rent-a-car reservation (Jeju)
Driver: «name_en»
License No. ⟦driver_license:|region_prefixed,hyphen⟧
DOB ⟦birth_date:|iso,dot⟧  Tel ⟦phone:⟧
Car ⟪vehicle_number⟫ / Booking ⟪receipt_number⟫ / Pick-up ⟪time⟫ 제주공항 3번 게이트
""",
)

WITHHOLDING = (
    """
[국세청 홈택스] 연말정산 간소화 자료 - 의료비
수진자 «name» (⟦resident:|masked⟧)
지급처 상호	사업자등록번호	지급금액
«place» 정형외과	⟦business_registration#사업자등록번호|hyphen,plain⟧	⟪price⟫
«place» 약국	⟦business_registration#사업자등록번호|hyphen,plain⟧	⟪price⟫
조회일 ⟪event_date⟫
""",
    """
[별지 제24호서식(1)] 근로소득 원천징수영수증
징수의무자  ① 법인명(상호) «company»   ② 대표자 «name»
            ③ 사업자등록번호 ⟦business_registration:⟧
            ⑤ 소재지 «place» «street» ⟪address_number⟫
소득자      ⑥ 성명 «name»   ⑦ 주민등록번호 ⟦resident:|hyphen,masked⟧
            ⑧ 주소 «place»
근무기간 ⟪event_date⟫ ~ ⟪event_date⟫
⑯ 계 ⟪price⟫   결정세액 ⟪price⟫   차감징수세액 ⟪price⟫
""",
    """
[연말정산] 부양가족 공제 신고
관계 | 성명 | 주민등록번호 | 기본공제
본인 | «name» | ⟦resident#주민등록번호|hyphen,plain⟧ | O
배우자 | «name» | ⟦resident#주민등록번호|hyphen,plain⟧ | O
자녀 | «name» | ⟦resident#주민등록번호|hyphen,post2020⟧ | O
의료비 지급처 사업자번호 ⟦business_registration:⟧ 금액 ⟪price⟫
""",
)

TAX_INVOICE = (
    """
[거래명세서] No. ⟪document_number⟫
공급받는자 «company» 귀하 (⟦business_registration!⟧)
공급자 «company» 사업자 ⟦business_registration:사업자|hyphen,plain⟧ 대표 «name» FAX ⟪company_fax⟫
품목	수량	단가	금액
«product»	«n»	⟪price⟫	⟪price⟫
합계 ⟪price⟫원 / 입금 ⟦bank_account$⟧ («name»)
""",
    """
전자세금계산서 (공급받는자 보관용)
승인번호 ⟪tax_invoice_number⟫
[공급자] 등록번호 ⟦business_registration:⟧ 상호 «company» 성명 «name»
[공급받는자] 등록번호 ⟦business_registration:⟧ 상호 «company» 성명 «name»
 이메일 ⟦email:⟧
작성일자 ⟪event_date⟫  공급가액 ⟪price⟫  세액 ⟪price⟫
품목: «product» 외 ⟨1‖2‖3⟩건
""",
    """
거래처 등록 요청
상호: «company» / 대표 «name»
사업자등록번호
⟦business_registration^⟧
업태/종목: 도소매 / 전자상거래
계산서 받을 메일: ⟦email:⟧
담당자 휴대폰 ⟦phone:⟧  팩스 ⟪company_fax⟫
결제 계좌 ⟦bank_account$⟧
""",
)

FREELANCER = (
    """
[강사료 지급 명단] ⟪event_date⟫ 특강
성명 | 주민등록번호 | 은행 | 계좌번호 | 지급액(세전)
«name» | ⟦resident#주민등록번호|hyphen,plain⟧ | 국민 | ⟦bank_account#계좌번호|hyphen,plain⟧ | ⟪price⟫
«name» | ⟦resident#주민등록번호|hyphen,plain⟧ | 신한 | ⟦bank_account#계좌번호|hyphen,plain⟧ | ⟪price⟫
※ 사업소득 3.3% 원천징수 후 지급, 문의 담당자 ⟦email:문의 담당자⟧
""",
    """
용역 계약서 (3.3% 원천징수)
갑: «company» (사업자번호 ⟦business_registration:⟧)
을: «name»
 주민등록번호: ⟦resident:⟧
 주소: «place» «street» ⟪address_number⟫
 연락처: ⟦phone:⟧
 지급 계좌: ⟦bank_account$⟧
용역 기간 ⟪event_date⟫ ~ ⟪event_date⟫  / 용역비 ⟪price⟫원 (사업소득세 3.3% 공제 후 지급)
""",
    """
안녕하세요 «name» 작가님, 원고료 지급을 위해 아래 정보 회신 부탁드립니다.
> 성함: «name»
> 주민번호: ⟦resident:⟧
> 계좌: ⟦bank_account$⟧
> 연락처: ⟦phone:⟧
지급 예정일 ⟪event_date⟫, 세전 ⟪price⟫원입니다. ISBN ⟪isbn⟫ 도서 관련입니다.
""",
)

SELLER_FOOTER = (
    """
<footer class="biz-info">
  <p>«company» | 대표 «name» | 개인정보보호책임자 «name»</p>
  <p>사업자등록번호 : ⟦business_registration:|hyphen⟧ <a href="#">사업자정보확인</a></p>
  <p>통신판매업 신고 ⟪mail_order_number⟫ | 건강기능식품판매업 ⟪document_number⟫</p>
  <p>CS ⟪company_number⟫ (평일 10:00~17:00) | 입점문의 ⟦email:입점문의⟧</p>
</footer>
""",
    """
상호명 «company» | 대표자 «name» | 사업자등록번호 ⟦business_registration:⟧ ⟨[사업자정보확인]‖⟩
통신판매업신고번호 ⟪mail_order_number⟫ | 주소 «place» «street» ⟪address_number⟫
고객센터 ⟪company_number⟫ | 팩스 ⟪company_fax⟫ | 이메일 ⟦email:⟧
개인정보관리책임자 «name» | 호스팅제공자 (주)카페24
Copyright © «company». All rights reserved.
""",
    """
[판매자 정보]
상호 / 대표자: «company» / «name»
사업자번호: ⟦business_registration:⟧
통신판매업: ⟪mail_order_number⟫
연락처: ⟦phone:|hyphen⟧
반품지: «place» «street» ⟪address_number⟫ (⟪postal_code⟫)
A/S 책임자 전화 ⟪company_number⟫
""",
)

PET_REGISTRATION = (
    """
동물등록 신청서
[소유자] 성명 «name»  생년월일 ⟦birth_date:⟧
 전화번호 ⟦phone:⟧
 주소 «place» «street» ⟪address_number⟫
[동물] 이름 «given»이  품종 «pet»  성별 ⟨수컷‖암컷(중성화)⟩
 동물등록번호 ⟪pet_registration⟫ (내장형)
 등록일 ⟪event_date⟫
""",
    """
[«place» 동물병원] «given»이 보호자님, ⟪event_date⟫ 접종 예정입니다.
등록번호 ⟪pet_registration⟫ / 진료비 ⟪price⟫원
보호자 ⟦phone:|masked,hyphen⟧ 로 안내드렸습니다.
""",
    """
강아지를 찾습니다!! «pet» «given»이 (3살)
⟪event_date⟫ «place» 공원에서 잃어버렸어요. 칩 번호 ⟪pet_registration⟫
보신 분 ⟦phone!⟧ 로 꼭 연락 부탁드려요 사례하겠습니다
""",
)

BLOOD_DONATION = (
    """
[헌혈 기록 조회]
헌혈자 «name» / 생년월일 ⟦birth_date:|dot,iso,yymmdd⟧
헌혈일 ⟪event_date⟫  헌혈종류 전혈 400mL
헌혈증서 번호 ⟪donation_number⟫
검사결과 수신 연락처 ⟦phone:⟧
혈압 ⟪vital_sign⟫ / 체온 «temp»
""",
    """
[대한적십자사] «name»님, 헌혈에 감사드립니다.
⟪event_date⟫ 헌혈하신 혈액 검사 결과는 정상입니다. 헌혈증서 ⟪donation_number⟫
다음 헌혈 가능일 ⟪event_date⟫ 이후
본인 명의 휴대폰(⟦phone:본인 명의 휴대폰|masked⟧)으로 전자헌혈증이 발급되었습니다.
""",
    """
헌혈 기념품 배송 신청 (단체헌혈 «company»)
이름 «name» / 사번 ⟪document_number⟫
생년월일 ⟦birth_date:⟧ 혈액형 ⟨A+‖B+‖O+‖AB+⟩
휴대폰 ⟦phone:⟧  이메일 ⟦email:⟧
""",
)

VACCINATION = (
    """
예방접종증명서 (Certificate of Vaccination)
성명 «name» (영문 «name_en»)
주민등록번호 ⟦resident:|masked,hyphen⟧
여권번호 ⟦passport:⟧
접종일 ⟪event_date⟫  백신 ⟨인플루엔자‖A형간염‖파상풍⟩  제조번호 ⟪vaccine_lot⟫
발급번호 ⟪document_number⟫
""",
    """
[어린이 국가예방접종 기록] «name»
아동 생년월일 ⟦birth_date:|young⟧
보호자 «name» ⟦phone~(보호자)|hyphen,plain⟧ (보호자)
⟪event_date⟫ DTaP 3차 / 로트 ⟪vaccine_lot⟫
⟪event_date⟫ MMR 1차 / 로트 ⟪vaccine_lot⟫
다음 접종 예정일 ⟪event_date⟫
""",
    """
«place» 보건소 예약 확인 문자
«name»님 ⟪event_date⟫ ⟪time⟫ 예방접종 예약 완료.
예약자 생년월일 ⟦birth_date:|yymmdd,dot⟧ / 연락처 ⟦phone:|masked⟧
예약 변경은 보건소 홈페이지, 서류 제출 팩스 ⟪company_fax⟫
""",
)

POLICE_REPORT = (
    """
[습득물 보관 안내] «place»경찰서 생활안전과
보관번호 ⟪case_number⟫
습득물: 신용카드 (⟦credit_card:습득물: 신용카드|masked⟧), 운전면허증 (⟦driver_license:운전면허증|region_prefixed,hyphen⟧)
소유자 «name» 님께 ⟦phone:님께|masked,hyphen⟧ 로 연락드렸으나 부재중
보관기한 ⟪event_date⟫ 까지
""",
    """
분실물 신고서 (LOST112)
접수번호 ⟪case_number⟫   접수일시 ⟪event_date⟫ ⟪time⟫
신고인 성명 «name»   생년월일 ⟦birth_date:⟧
연락처 ⟦phone:⟧
분실물: 지갑 (신분증, 신용카드 1매 - ⟦credit_card~카드|masked,hyphen⟧ 카드)
분실 장소: «place» 지하철 2호선 객차
습득 시 ⟦phone!⟧ 로 연락 바랍니다.
""",
    """
진 술 서
성    명 : «name»
주민등록번호 : ⟦resident:⟧
주    소 : «place» «street» ⟪address_number⟫
직    업 : 회사원     전화 : ⟦phone:⟧
위 사람은 ⟪event_date⟫ ⟪time⟫ 경 «place» 편의점 앞에서 발생한 사건(⟪case_number⟫)에 관하여 다음과 같이 진술합니다.
가해 차량 번호는 ⟪vehicle_number⟫ 였고, 운전자는 면허증을 보여줬는데 ⟦driver_license:면허증|region_prefixed,hyphen⟧ 였습니다.
""",
)

CCTV_REQUEST = (
    """
[공문] CCTV 영상 제공 요청
수신: «place» 도시관리공단 / 발신: «place»경찰서 형사과
사건번호 ⟪case_number⟫ 관련, ⟪event_date⟫ ⟪time⟫ ~ ⟪time⟫ «street» 교차로 영상 제공 요청
피해자 «name» (⟦birth_date:|dot,korean_short_year⟧생), 연락처 ⟦phone:|masked⟧
담당 «name» 경위 (회신 팩스 ⟪company_fax⟫)
""",
    """
개인영상정보 열람·존재확인 청구서
청구인 성명 «name»   전화번호 ⟦phone:⟧
생년월일 ⟦birth_date:⟧
주소 «place» «street» ⟪address_number⟫
열람 대상: ⟪event_date⟫ ⟪time⟫ ~ ⟪time⟫, 지하주차장 B2
청구 사유: 차량(⟪vehicle_number⟫) 접촉사고 확인
처리번호 ⟪document_number⟫
""",
    """
관리사무소 귀중
⟪address_number⟫ 입주민 «name»입니다. ⟪event_date⟫ 밤 자전거 도난 건으로 CCTV 열람 요청드립니다.
경찰 접수번호 ⟪case_number⟫ 함께 첨부합니다. 연락은 ⟦phone&⟧ 로 부탁드려요.
""",
)

DEBT_NOTICE = (
    """
[내용증명]
수신인 «name» 귀하
주소 «place» «street» ⟪address_number⟫
발신인 «name» (연락처 ⟦phone:⟧)
귀하는 ⟪event_date⟫ 본인으로부터 금 ⟪price⟫원을 차용하였으나 현재까지 변제하지 않고 있습니다.
⟪event_date⟫ 까지 아래 계좌로 변제하지 않을 경우 법적 조치를 취할 예정입니다.
⟦bank_account$⟧ (예금주 «name»)
""",
    """
채권 추심 착수 통지서
문서번호 ⟪document_number⟫
채무자 «name» 귀하 (주민등록번호 ⟦resident:|masked⟧)
귀하의 «company» 대출금 ⟪price⟫원이 ⟪event_date⟫ 부터 연체 중입니다.
상환 문의 ⟪company_number⟫ / 담당 «name» (FAX ⟪company_fax⟫)
※ 본 통지는 채권추심법 제9조에 따른 것입니다.
""",
    """
«place»지방법원 지급명령
사    건 ⟪case_number⟫ 대여금
채 권 자 «name» (주민등록번호 ⟦resident:|masked,hyphen⟧)
채 무 자 «name»
  주소 «place» «street» ⟪address_number⟫
  전화 ⟦phone:⟧
청구금액 ⟪price⟫원 및 ⟪event_date⟫ 부터 다 갚는 날까지 연 12%
채권자 입금계좌 ⟦bank_account$⟧
""",
)

SUPPORT_TICKET = (
    """
[⟪support_ticket_id⟫] 회원 탈퇴 후 재가입 불가
작성자: 상담봇 (자동 분류: 계정)
--- 고객이 보낸 메일 ---
보낸 사람: ⟦email:⟧
탈퇴했는데 같은 번호(⟦phone!⟧)로 재가입이 안 돼요.
생일 ⟦birth_date:생일|dot,iso,yymmdd⟧ 로 가입했었어요.
--- 처리 ---
탈퇴 후 30일 재가입 제한 안내 (⟪event_date⟫ 이후 가능)
""",
    """
Ticket ⟪support_ticket_id⟫ — 결제 오류 문의
Requester: «name» <⟦email:Requester⟧>
Status: Open  Priority: High  Created: ⟪event_date⟫ ⟪time⟫
---
고객 원문:
> 안녕하세요, 카드 ⟦credit_card:|masked,hyphen⟧ 로 결제했는데 두 번 빠졌어요.
> 연락은 ⟦phone&⟧ 으로 부탁드립니다.
---
Internal note («name»): PG 거래번호 ⟪order_number⟫ 확인, 승인번호 ⟪approval_number⟫ 취소 요청함.
""",
    """
[⟪support_ticket_id⟫] 계정 복구 요청
Reporter: «name_en»  Assignee: «name»
Description:
사용자가 가입 시 이메일 ⟦email!⟧ 을 입력했는데 본인인증 휴대폰 ⟦phone!⟧ 과 명의가 다르다고 함.
생년월일 ⟦birth_date:|iso,dot⟧ 로 조회 시 회원번호 ⟪member_number⟫ 두 개 조회됨.
앱 버전 ⟪version_number⟫, 단말 ⟪serial_number⟫
Comment: 중복 계정 병합 후 close 예정
""",
)

EMAIL_THREAD = (
    """
From: «name» <⟦email:From⟧>
Sent: ⟪event_date⟫ ⟪time⟫
To: «name» <⟦email:To⟧>
Subject: RE: 계약서 송부
네, 확인했습니다. 입금은 ⟦bank_account$⟧ 로 해주세요.
감사합니다.

-----Original Message-----
> 안녕하세요 «name»님,
> 계약서 날인본 보내드립니다. 세금계산서는 사업자번호 ⟦business_registration:⟧ 로 발행 부탁드립니다.
> 연락처: ⟦phone:⟧
>> 지난번 말씀하신 견적 ⟪price⟫원 기준입니다.
""",
    """
---------- Forwarded message ---------
보낸사람: «name» <⟦email:보낸사람⟧>
Date: ⟪event_date⟫ ⟪time⟫
Subject: 입사 서류 제출
받는사람: 인사팀 <⟦email:받는사람|plain⟧>

안녕하세요 신규 입사자 «name»입니다.
주민등록번호 ⟦resident:⟧, 급여 계좌 ⟦bank_account$⟧ 입니다.
> 제출 서류: 통장사본, 주민등록등본(⟪event_date⟫ 이후 발급분)
> 사번은 입사일에 안내드립니다.
""",
    """
On ⟪event_date⟫ «name» <⟦email:|plain⟧> wrote:
> 예약 변경 요청드립니다. 여권번호는 ⟦passport:⟧ 이고,
> 생년월일 ⟦birth_date:⟧ 입니다.
> 항공권 번호 ⟪e_ticket_number⟫
변경 완료했습니다. 새 예약번호 ⟪pnr_code⟫ 입니다.
""",
)

HTML_FORM = (
    """
<dl class="profile">
  <dt>휴대전화</dt>
  <dd>⟦phone^휴대전화|masked,hyphen⟧</dd>
  <dt>이메일</dt>
  <dd>⟦email^이메일⟧</dd>
  <dt>가입일</dt>
  <dd>⟪event_date⟫</dd>
</dl>
<script>var __USER__ = {uid: "⟪member_number⟫", tel: "⟦phone=tel|plain,hyphen⟧"};</script>
""",
    """
<form id="joinForm" method="post" action="/member/join.do">
  <input type="hidden" name="memberNo" value="⟪member_number⟫">
  <label for="userNm">이름</label><input id="userNm" name="userNm" value="«name»">
  <input type="text" name="hp" value="⟦phone=hp|hyphen,plain⟧" placeholder="010-0000-0000">
  <input type="email" name="email" value="⟦email=email⟧">
  <input type="text" name="birth" value="⟦birth_date=birth|compact,iso⟧" maxlength="8">
  <!-- TODO 테스트 후 삭제: jumin=⟦resident=jumin|plain,hyphen⟧ -->
  <input type="hidden" name="appVer" value="⟪version_number⟫">
</form>
""",
    """
<table class="order-info">
  <tr><th>주문번호</th><td>⟪order_number⟫</td></tr>
  <tr><th>받는 분 연락처</th><td>⟦phone#받는 분 연락처|hyphen,masked⟧</td></tr>
  <tr><th>결제수단</th><td>신용카드 ⟦credit_card:|masked⟧</td></tr>
  <tr><th>결제금액</th><td>⟪price⟫원</td></tr>
  <tr><th>환불계좌</th><td>⟦bank_account$⟧</td></tr>
</table>
""",
)

FIXTURE = (
    """
# fixtures/members.yml
- id: ⟪member_number⟫
  name: «name»
  phone: "⟦phone=phone|hyphen,plain⟧"
  email: ⟦email=email|plain⟧
  rrn: "⟦resident=rrn|hyphen,plain⟧"
  created_at: ⟪event_date⟫
- id: ⟪member_number⟫
  name: «name»
  phone: "⟦phone=phone|hyphen,plain⟧"
  birth: "⟦birth_date=birth|iso,compact⟧"
  account: "⟦bank_account=account|hyphen,plain⟧"
""",
    """
{
  "orderId": "⟪order_number⟫",
  "buyer": {"name": "«name»", "tel": "⟦phone=tel|hyphen,plain,intl_plus⟧", "email": "⟦email=email⟧"},
  "payment": {"cardNo": "⟦credit_card=cardNo|plain,hyphen,masked⟧", "approvalNo": "⟪approval_number⟫", "amount": "⟪price⟫"},
  "shipping": {"zip": "⟪postal_code⟫", "trackingNo": "⟪tracking_number⟫"},
  "appVersion": "⟪version_number⟫"
}
""",
    """
INSERT INTO customer (cust_no, name, jumin_no, mobile, license_no) VALUES
('⟪member_number⟫', '«name»', '⟦resident=jumin_no|plain,hyphen⟧', '⟦phone=mobile|plain,hyphen⟧', '⟦driver_license=license_no|hyphen,plain⟧'),
('⟪member_number⟫', '«name»', '⟦foreigner_registration=jumin_no|plain,hyphen⟧', '⟦phone=mobile|plain,hyphen⟧', NULL);
""",
)

GIT_LOG = (
    """
commit ⟪commit_hash⟫
Author: «name_en» <⟦email:Author|plain⟧>
Date:   ⟪event_date⟫ ⟪time⟫ +0900

    fix(member): 주민번호 뒷자리 검증 오류 수정

    QA 재현 데이터 ⟦resident:QA 재현 데이터|hyphen,plain⟧ 에서 실패하던 케이스.
    Refs: ⟪support_ticket_id⟫
""",
    """
«name_en» commented on src/payment/CardValidator.java line «n»2:
> assertTrue(validator.isValid("⟦credit_card&CardValidator|plain,hyphen⟧"));
실제 고객 카드번호 같은데요? 테스트 번호(4111...)로 바꿔 주세요.
«name_en» replied:
헉 운영 로그에서 복붙했네요. 연락처 필드 ⟦phone:|hyphen,plain⟧ 도 실제 번호라 같이 지울게요. 버전 ⟪version_number⟫ 에서 반영.
""",
    """
commit ⟪commit_hash⟫
Merge: ⟪commit_hash⟫ ⟪commit_hash⟫
Author: «name_en» <⟦email:Author|plain⟧>

    test: 외국인 등록번호 샘플 추가 (⟦foreigner_registration:샘플|hyphen⟧)
    - 여권번호 포맷 ⟦passport:포맷|current_format⟧ 대응
""",
)

OCR_FAX = (
    """
[팩스 수신 ⟪event_date⟫] 자동이체 신청서 (OCR 변환)
예 금 주 «holder»  생년월일 ⟦birth_date:|yymmdd,dot,ocr_break⟧
출금은행 ⟨국민‖신한‖농협⟩  출금계좌번호 ⟦bank_account:|ocr_letter,ocr_break,plain,hyphen⟧
연 락 처 ⟦phone:|ocr_letter,ocr_break,hyphen⟧
이체금액 ⟪price⟫원 / 이체일 매월 ⟨5‖15‖25⟩일 / 고객번호 ⟪member_number⟫
위 본인은 자동이체를 신청합니다. «holder» (서명)
""",
    """
수 신 : «company» 총무팀 ｜ FAX ⟪company_fax⟫
발 신 : «name» ｜ 페이지 1/⟨2‖3⟩
=====================================
신 청 서 '
성  명 : «name»      주민등록번호 : ⟦resident:|ocr_letter,ocr_break,hyphen⟧
연락처 : ⟦phone:|ocr_letter,hyphen,ocr_break⟧ .
계좌 : ⟦bank_account$|ocr_letter,hyphen,ocr_break⟧
생 년 월 일
⟦birth_date^|dot,korean_date,ocr_break⟧
·· 위와 같이 신청합니다 ⟪event_date⟫ ,
""",
    """
[수신 FAX ⟪event_date⟫ ⟪time⟫ p.1]
거 래 처 등 록 의 뢰 서
상호 «company»     대표자 «name»
사업자등록
번호 ⟦business_registration:번호|ocr_letter,ocr_break,hyphen⟧
담당자 H.P ⟦phone:|ocr_letter,hyphen⟧  이메일 ⟦email:|ocr_letter,plain⟧
'' 운전면허증 사본 첨부 (⟦driver_license:운전면허증 사본|region_prefixed,ocr_letter⟧) ;
""",
)

LAND_REGISTER = (
    """
[매물 확인서] 중개대상물 확인·설명서 발췌
소재지 «place» «street» ⟪address_number⟫  고유번호 ⟪registry_number⟫
등기부상 소유자 «name» (⟦resident:|masked⟧)
매도인 연락처 ⟦phone:⟧
계약금 입금 계좌 ⟦bank_account$⟧ 매도인 명의
전용면적 84.97㎡ / 매매가 ⟪price⟫원
""",
    """
등기사항전부증명서(말소사항 포함) - 집합건물
고유번호 ⟪registry_number⟫
[갑 구] (소유권에 관한 사항)
순위번호 | 등기목적 | 접수 | 등기원인 | 권리자 및 기타사항
1 | 소유권보존 | ⟪event_date⟫ ⟪receipt_number⟫ | | 소유자 «name» ⟦resident&소유자|masked⟧
   «place» «street» ⟪address_number⟫
2 | 소유권이전 | ⟪event_date⟫ ⟪receipt_number⟫ | 매매 | 소유자 «name» ⟦resident&소유자|masked⟧
   거래가액 금⟪price⟫원
[을 구] 근저당권설정 채권최고액 금⟪price⟫원 근저당권자 «company»
""",
    """
부동산 임대차 계약서
임대인 «name» (주민등록번호 ⟦resident:⟧) 연락처 ⟦phone:⟧
임차인 «name» (주민등록번호 ⟦resident:⟧) 연락처 ⟦phone:⟧
소재지 «place» «street» ⟪address_number⟫ / 등기 고유번호 ⟪registry_number⟫
보증금 금⟪price⟫원 / 월세 ⟪price⟫원 (매월 ⟨1‖10‖25⟩일)
월세 입금계좌 ⟦bank_account$⟧ (임대인)
공인중개사 «company» 등록번호 ⟪document_number⟫ 팩스 ⟪company_fax⟫
""",
)

NUMBER_PORTING = (
    """
[대리점 개통 메모] ⟪event_date⟫
고객 «name» 번호이동(KT→SKT)
명의자 주민번호 ⟦resident:|masked,hyphen⟧ / 연락처 ⟦phone!⟧
기기 IMEI ⟪imei⟫ / 유심 ⟪usim_serial⟫
할부원금 ⟪price⟫ / 요금 자동이체 ⟦bank_account$⟧
""",
    """
번호이동 신청서 (MNP)
가입자명 «name»   생년월일 ⟦birth_date:|yymmdd,dot⟧
이동할 전화번호 ⟦phone:⟧
이전 통신사 ⟨SKT‖KT‖LG U+‖알뜰폰⟩  → 신규 ⟨SKT‖KT‖LG U+⟩
단말 IMEI ⟪imei⟫   USIM 일련번호 ⟪usim_serial⟫
요금제 월 ⟪price⟫원   자동이체 카드 ⟦credit_card:|masked,hyphen⟧
신분확인: 운전면허증 ⟦driver_license:|hyphen,region_prefixed⟧
""",
    """
[개통 완료] «name» 고객님 번호이동 개통이 완료되었습니다.
개통번호 ⟦phone:|masked⟧ / 가입번호 ⟪member_number⟫
고객센터 114 또는 ⟪company_number⟫
""",
)

NURSING_NOTE = (
    """
[퇴원 요약 / 보호자 안내]
환자 «name»  등록번호 ⟪patient_number⟫  퇴원일 ⟪event_date⟫
주보호자 연락처
(야간·주말 연락 우선)
 - 외래 예약 ⟪event_date⟫ ⟪time⟫ 재활의학과
 - 복약: 아침 저녁 식후
⟦phone%주보호자 연락처⟧ («name», 배우자)
""",
    """
[간호기록] 환자번호 ⟪patient_number⟫ «name» (⟨M‖F⟩/⟨67‖72‖81‖45⟩) 병실 ⟪room_number⟫
⟪event_date⟫ ⟪time⟫ V/S BP ⟪vital_sign⟫, BT «temp», PR ⟨78‖84‖92⟩ 측정함.
⟪time⟫ 보호자(딸) 연락처 변경 요청 → ⟦phone:연락처 변경 요청|hyphen,plain⟧
⟪time⟫ 낙상 고위험 교육 시행, 보호자 이해함.
⟪time⟫ 보호자(아들) «name» ⟦phone~보호자(아들)|hyphen⟧ 면회 후 귀가.
""",
    """
입원 약정서
환자 «name»  주민등록번호 ⟦resident:|hyphen,masked⟧  등록번호 ⟪patient_number⟫
연대보증인(보호자) «name»  관계 ⟨배우자‖자녀‖형제⟩
 보호자 생년월일 ⟦birth_date:⟧
 보호자 연락처 ⟦phone:⟧ / 비상 ⟦phone:비상|hyphen⟧
 진료비 환불계좌 ⟦bank_account$⟧
""",
)

# Genre: (style of writing, frames). A frame is a template or a function writing the document.
GENRES = {
    "call_transcript": ("spoken", CALL_TRANSCRIPT),
    "call_asr": ("spoken", CALL_ASR),
    "kakao_family": ("chat", KAKAO_FAMILY),
    "kakao_club": ("chat", KAKAO_CLUB),
    "scholarship_form": ("prose", SCHOLARSHIP),
    "school_record": ("prose", SCHOOL_RECORD),
    "certificate_request": ("prose", CERTIFICATE_REQUEST),
    "university_admin": ("prose", UNIVERSITY_ADMIN),
    "alien_registration": ("prose", ALIEN_REGISTRATION),
    "visa_application": ("travel", VISA_APPLICATION),
    "hotel_checkin": ("travel", HOTEL_CHECKIN),
    "customs": ("prose", CUSTOMS),
    "passenger_list": ("travel", (_passenger_list,)),
    "rental_car": ("prose", RENTAL_CAR),
    "withholding_receipt": ("prose", WITHHOLDING),
    "tax_invoice": ("prose", TAX_INVOICE),
    "freelancer_contract": ("prose", FREELANCER),
    "seller_footer": ("prose", SELLER_FOOTER),
    "pet_registration": ("prose", PET_REGISTRATION),
    "blood_donation": ("prose", BLOOD_DONATION),
    "vaccination_record": ("prose", VACCINATION),
    "police_report": ("prose", POLICE_REPORT),
    "cctv_request": ("prose", CCTV_REQUEST),
    "debt_notice": ("prose", DEBT_NOTICE),
    "support_ticket": ("prose", SUPPORT_TICKET),
    "email_thread": ("prose", EMAIL_THREAD),
    "access_log": ("url", (_access_log,)),
    "html_form": ("compact", HTML_FORM),
    "fixture": ("compact", FIXTURE),
    "git_log": ("compact", GIT_LOG),
    "ocr_fax": ("ocr", OCR_FAX),
    "club_roster": ("compact", (_club_roster,)),
    "land_register": ("prose", LAND_REGISTER),
    "number_porting": ("prose", NUMBER_PORTING),
    "nursing_note": ("prose", NURSING_NOTE),
}


def generate(documents: int = 1500, seed: int = 1) -> list[Document]:
    """`documents` labelled documents, every genre once in each round of len(GENRES) documents
    (in a shuffled order). Same arguments, same documents on every machine."""
    b = _Builder(seed * 1_000_003 + 404)
    names = list(GENRES)
    out: list[Document] = []
    while len(out) < documents:
        b.r.shuffle(names)
        for genre in names[:documents - len(out)]:
            out.append(b.document(genre))
    return out


if __name__ == "__main__":
    import time

    import labelled

    n = int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)
    t0 = time.perf_counter()
    docs = generate(n)
    took = time.perf_counter() - t0
    if n <= 3 * len(GENRES):
        labelled.show(docs)
    print(f"{len(docs)} documents in {took:.2f} s")
    print(labelled.summary(docs))
