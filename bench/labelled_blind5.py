"""Fifth blind part: Korean documents of family events, money, contracts, work, health, telecom,
childcare, cars, fraud reports, complaints, community posts, staff messages, exports and dumps,
voice-mail, reservist notices, powers of attorney and shop receipts. Everything is made from a
seed; nothing is downloaded.

    docs = labelled_blind5.generate(1500, seed=1)

Same data model as `labelled.py` (`Document`, `Value`, `Negative`). Each genre has several frames
(whole documents as people and offices write them) written in a small template language:

    {name} {addr} {company} ...     filler drawn from word pools
    {~a|b|c}                        one of the alternatives (which may hold slots)
    {bank}                          a bank name; the next account follows that bank's format
    {V:kind:situation[:writing/writing][@label]}   a personal value, recorded
    {N:category}                    a look-alike that is not personal information, recorded

A value's label text is the label given after @, else the words before it on its line, else the
line above. Values a reader could not tell apart from any other number are never written
without a label.
"""

from __future__ import annotations

import random
import re
import sys
import time

import corpus
import labelled
from labelled import Document, Written, _Writer, summary

PART = "blind5"
KINDS = corpus.KINDS

KIND_CODES = {
    "rrn": "resident", "frn": "foreigner_registration", "brn": "business_registration",
    "card": "credit_card", "acct": "bank_account", "phone": "phone", "email": "email",
    "dl": "driver_license", "dob": "birth_date", "pp": "passport",
    "child_dob": "birth_date", "student_dob": "birth_date", "young_dob": "birth_date",
    "child_rrn": "resident", "mobile": "phone", "landline": "phone",
}
SITUATIONS = {
    "b": "label_before", "e": "label_english", "a": "label_after", "u": "label_above",
    "h": "column_header", "h2": "two_row_header", "l": "lines_away", "s": "in_sentence",
    "k": "bank_name", "q": "previous_line", "c": "sql_column", "n": "no_label", "j": "key_value",
}

# (writing, weight) by kind ("post2020", a resident number issued since October 2020 with no check
# digit, comes from the birth dates of children); "ocr_break" only where a scan was read back, "hangul_numerals" only
# where a slot asks for it (transcribed speech).
WRITINGS = {
    "resident": {"hyphen": 6, "plain": 1.2, "spaced": 0.6, "fullwidth": 0.4, "masked": 2,
                 "ocr_break": 0.8},
    "foreigner_registration": {"hyphen": 6, "plain": 1.2, "masked": 1, "ocr_break": 0.6},
    "business_registration": {"hyphen": 7, "plain": 1.5, "spaced": 0.4, "fullwidth": 0.3},
    "credit_card": {"hyphen": 4, "spaced": 2, "plain": 0.8, "masked": 3, "amex": 0.5,
                    "fullwidth": 0.3},
    "bank_account": {"hyphen": 6, "plain": 3, "spaced": 0.5, "masked": 0.8, "ocr_break": 0.4},
    "phone": {"hyphen": 8, "plain": 1.5, "dot": 1, "spaced": 1, "intl_plus": 0.6, "masked": 1,
              "fullwidth": 0.3, "ocr_break": 0.4},
    "email": {"plain": 9, "korean_at": 0.5, "masked": 0.8},
    "driver_license": {"hyphen": 5, "region_name": 2, "plain": 1},
    "birth_date": {"iso": 2, "dot": 3, "korean_date": 3, "yymmdd": 1.2, "short_dot": 1, "compact": 1},
    "passport": {"old_format": 2, "current_format": 3},
}
SPECIAL_WRITINGS = {"ocr_break", "hangul_numerals"}
MASKED = {"masked"}
# Writings of phones and cards that nobody mistakes for anything else, even with no label.
PLAIN_SIGHT = {
    "phone": ("hyphen", "dot", "intl_plus"),
    "credit_card": ("hyphen", "spaced", "masked"),
    "resident": ("hyphen", "masked"),
    "email": ("plain",),
}
HANGUL_DIGITS = "공일이삼사오육칠팔구"

# Banks: the names people write, and the shapes of their personal accounts (digits per group).
BANK_TABLE = (
    (("국민", "KB국민은행", "국민은행", "KB"), ((6, 2, 6), (3, 2, 4, 3)), ""),
    (("신한", "신한은행"), ((3, 3, 6),), "110"),
    (("우리", "우리은행"), ((4, 3, 6),), "1002"),
    (("하나", "하나은행", "KEB하나"), ((3, 6, 5),), ""),
    (("농협", "NH농협", "농협은행", "NH"), ((3, 4, 4, 2),), "35"),
    (("기업", "IBK기업은행", "기업은행"), ((3, 6, 2, 3),), "0"),
    (("카카오뱅크", "카뱅", "카카오"), ((4, 2, 7),), "3333"),
    (("토스뱅크", "토스"), ((4, 4, 4),), "1000"),
    (("케이뱅크",), ((3, 3, 6),), "100"),
    (("우체국",), ((6, 2, 6),), ""),
    (("새마을금고", "MG새마을금고"), ((4, 4, 4, 1),), "9002"),
    (("SC제일은행", "SC제일"), ((3, 2, 6),), ""),
    (("수협", "수협은행"), ((3, 2, 6),), ""),
    (("신협",), ((3, 3, 6),), "13"),
    (("부산은행", "부산"), ((3, 4, 4, 2),), "1"),
    (("iM뱅크", "대구은행"), ((3, 2, 6, 1),), "5"),
    (("경남은행",), ((3, 2, 7),), "2"),
    (("광주은행",), ((3, 3, 6),), "0"),
)
REPRESENTATIVE_PREFIXES = ("1588", "1577", "1544", "1566", "1599", "1644", "1661", "1899")
LICENSE_REGIONS = {11: "서울", 12: "부산", 13: "경기", 14: "강원", 15: "충북", 16: "충남", 17: "전북",
                   18: "전남", 19: "경북", 20: "경남", 21: "제주", 22: "대구", 23: "인천", 24: "광주",
                   25: "대전", 26: "울산", 28: "경기"}

CITIES = (("서울특별시", ("강남구", "송파구", "마포구", "노원구", "관악구", "은평구", "강서구", "성동구")),
          ("부산광역시", ("해운대구", "수영구", "부산진구", "사하구")),
          ("경기도", ("성남시 분당구", "수원시 영통구", "고양시 일산동구", "용인시 수지구", "화성시", "김포시")),
          ("인천광역시", ("연수구", "남동구", "부평구")), ("대구광역시", ("수성구", "달서구")),
          ("대전광역시", ("유성구", "서구")), ("광주광역시", ("북구", "광산구")),
          ("충청남도", ("천안시 서북구", "아산시")), ("전라북도", ("전주시 완산구",)),
          ("제주특별자치도", ("제주시",)))
ROADS = ("중앙로", "시청로", "문화로", "번영로", "은행나무길", "새말로", "대학로", "공원로", "역전로", "하늘길",
         "장미로", "동산로", "평화로", "희망로")
APARTMENTS = ("래미안", "힐스테이트", "자이", "푸르지오", "e편한세상", "아이파크", "롯데캐슬", "더샵", "주공",
              "한신", "현대", "SK뷰")
COMPANIES = ("(주)한빛솔루션", "주식회사 다온물산", "㈜세움테크", "그린푸드(주)", "(주)미래로지스", "누리소프트",
             "대성정밀", "(주)하나로건설", "바른세무회계", "주식회사 온결", "새벽유통", "(주)청운에너지",
             "오름디자인", "(유)라온무역", "(주)한결메디칼")
SHOPS = ("김밥천국 역삼점", "봄날베이커리", "GS25 수지점", "다이소 홍대점", "새마을식당", "스타벅스 판교점",
         "올리브영 강남역점", "이마트24 연남점", "우리약국", "행복한 세탁소", "CU 해운대점", "명동칼국수",
         "파리바게뜨 동탄점", "한솥도시락 천안점")
HOSPITALS = ("서울성모병원", "세브란스병원", "분당서울대학교병원", "강남연세내과의원", "튼튼정형외과의원",
             "맑은이비인후과", "삼성서울병원", "부산대학교병원", "충남대학교병원", "365열린의원")
HALLS = ("더채플앳청담", "아펠가모 광화문", "라마다서울 그랜드볼룸", "노블발렌티 대치", "더컨벤션 영등포",
         "부산 아르피나 웨딩홀", "수원 노보텔 앰배서더", "빌라드지디 강남", "엘타워 그레이스홀")
FUNERAL_HALLS = ("서울아산병원 장례식장", "삼성서울병원 장례식장", "신촌세브란스 장례식장",
                 "분당서울대병원 장례식장", "부산대병원 장례식장", "고대안암병원 장례식장", "보라매병원 장례식장")
DEPTS = ("영업1팀", "경영지원팀", "품질관리팀", "생산2팀", "개발팀", "마케팅팀", "물류센터", "고객지원팀")
RANKS = ("사원", "주임", "대리", "과장", "차장", "팀장")
UNIVS = ("한국대학교", "서울과학기술대학교", "부산대학교", "충남대학교", "경희대학교", "인하대학교", "전북대학교",
         "한양대학교 ERICA", "숙명여자대학교")
MAJORS = ("경영학과", "컴퓨터공학과", "기계공학과", "국어국문학과", "간호학과", "산업디자인학과", "경제학과")
PETS = ("말티즈", "푸들", "시바견", "코리안숏헤어 고양이", "포메라니안", "진돗개 믹스", "웰시코기")
ITEMS = ("아이폰 14 프로", "갤럭시 S23", "유모차 (부가부 비5)", "캠핑 의자 2개", "닌텐도 스위치", "아기 침대",
         "다이슨 청소기", "에어팟 프로 2", "전기자전거", "LG 스탠바이미", "책상 의자 세트", "김치냉장고")
ENGLISH_NAMES = ("KIM MINSU", "LEE SEOYEON", "PARK JIHOON", "CHOI YUJIN", "JUNG HANEUL", "KANG DONGWON",
                 "YOON EUNBI", "JANG SUNGHO", "HAN MIKYUNG", "OH JAEHYUN")
FOREIGN_NAMES = ("NGUYEN VAN AN", "TRAN THI HOA", "WANG LEI", "SMITH JOHN", "SANTOS MARIA", "KHAN AHMED",
                 "TANAKA YUKI", "BATBAYAR TUMUR", "SARI DEWI", "IVANOVA OLGA")


class _Values:
    """Personal values of every kind, with valid check digits where the real numbers have them."""

    def __init__(self, r: random.Random) -> None:
        self.r = r
        self.bank = BANK_TABLE[0]

    def d(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def pick_writing(self, kind: str, allowed=None, ocr: bool = False) -> str:
        table = {w: p for w, p in WRITINGS[kind].items()
                 if (allowed is None or w in allowed) and (ocr or w not in SPECIAL_WRITINGS or allowed)}
        return self.r.choices(list(table), list(table.values()))[0]

    def make(self, kind: str, writing: str, variant: str = "") -> Written:
        self.issued_since_2020 = False
        text = getattr(self, "_" + kind)(writing, variant)
        if self.issued_since_2020 and writing not in MASKED:
            writing = "post2020"
        return Written(kind, text, writing, writing in MASKED)

    def _join(self, groups: list[str], writing: str) -> str:
        if writing == "hangul_numerals":  # read aloud: the groups come with pauses, not hyphens
            return " ".join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in groups)
        if writing == "ocr_break":  # a scanned form read back with the number cut at a line end
            i = self.r.randrange(1, len(groups))
            return "-".join(groups[:i]) + "-\n" + "-".join(groups[i:])
        return labelled._Values._groups(groups, writing, self.r)

    def _resident(self, writing: str, variant: str = "", foreigner: bool = False) -> str:
        r = self.r
        if variant == "child":
            y, m, dd = corpus.random_date(r, 2019, 2025)
        elif writing == "post2020":
            y, m, dd = corpus.random_date(r, 2020, 2025)
            if (y, m) < (2020, 10):
                y, m = 2021, m
        else:
            y, m, dd = corpus.random_date(r, 1948, 2006)
        century = 0 if y < 2000 else 2
        g = (5 if foreigner else 1) + century + r.randrange(2)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{dd:02d}"] + [g] + [int(c) for c in self.d(5)]
        if (y, m) >= (2020, 10):  # numbers issued since October 2020 end in a random digit
            self.issued_since_2020 = True
            writing = "hyphen" if writing not in MASKED else writing
            last = r.randrange(10)
        else:
            last = corpus.resident_check(d12, foreigner)
        s = "".join(map(str, d12)) + str(last)
        groups = [s[:6], s[6:]]
        if writing == "masked":
            groups[1] = groups[1][0] + "*" * 6 if r.random() < 0.75 else "*" * 7
            return "-".join(groups)
        return self._join(groups, writing)

    def _foreigner_registration(self, writing: str, variant: str = "") -> str:
        return self._resident(writing, "", foreigner=True)

    def _business_registration(self, writing: str, variant: str = "") -> str:
        r = self.r
        d9 = [r.randrange(1, 10), r.randrange(10), r.randrange(10), r.choice((0, 1, 2, 3, 4, 5, 6, 8, 8))] + \
            [int(c) for c in self.d(5)]
        s = "".join(map(str, d9 + [corpus.business_check(d9)]))
        return self._join([s[:3], s[3:5], s[5:]], writing)

    def _credit_card(self, writing: str, variant: str = "") -> str:
        r = self.r
        if writing == "amex":
            body = [3, 7] + [int(c) for c in self.d(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return f"{s[:4]}-{s[4:10]}-{s[10:]}"
        prefix = r.choice(("4", "5" + str(r.randrange(1, 6)), "9410", "9430", "6250", "3568", "4518",
                           "5365", "9409"))
        body = [int(c) for c in prefix + self.d(15 - len(prefix))]
        s = "".join(map(str, body + [corpus.luhn_check(body)]))
        g = [s[0:4], s[4:8], s[8:12], s[12:]]
        if writing == "masked":  # as printed on slips: the first six and the last four stay
            if r.random() < 0.5:
                return f"{g[0]}-{g[1][:2]}**-****-{g[3]}"
            return f"{s[:6]}******{s[12:]}" if r.random() < 0.6 else f"{g[0]}-****-****-{g[3]}"
        return self._join(g, writing)

    def set_bank(self) -> str:
        self.bank = self.r.choice(BANK_TABLE)
        return self.r.choice(self.bank[0])

    def _bank_account(self, writing: str, variant: str = "") -> str:
        names, shapes, prefix = self.bank
        shape = self.r.choice(shapes)
        s = (prefix + self.d(sum(shape)))[:sum(shape)]
        groups, i = [], 0
        for n in shape:
            groups.append(s[i:i + n])
            i += n
        if writing == "masked":
            groups[1] = "*" * len(groups[1])
            return "-".join(groups)
        return self._join(groups, writing)

    def _phone(self, writing: str, variant: str = "") -> str:
        r = self.r
        if variant == "mobile" or (variant != "landline" and r.random() < 0.8):
            g = ["010", str(r.randrange(2, 10)) + self.d(3), self.d(4)]
        else:
            g = [r.choice(("02", "02", "031", "032", "051", "053", "042", "062", "041", "063", "064", "070")),
                 str(r.randrange(2, 10)) + self.d(r.choice((2, 3))), self.d(4)]
        if writing == "intl_plus":
            return "+82 " + g[0][1:] + "-" + "-".join(g[1:]) if r.random() < 0.6 else "+82" + g[0][1:] + "".join(g[1:])
        if writing == "masked":
            if r.random() < 0.6:
                g[1] = "*" * len(g[1])
            else:
                g[1] = g[1][:2] + "**"
            return "-".join(g)
        return self._join(g, writing)

    def _email(self, writing: str, variant: str = "") -> str:
        r = self.r
        local = r.choice((
            lambda: f"{r.choice(corpus.ROMAN)}{r.randrange(80, 100)}",
            lambda: f"{r.choice(corpus.ROMAN)}.{r.choice(corpus.ROMAN_SUR)}",
            lambda: f"{r.choice(corpus.ROMAN_SUR)}{r.choice(corpus.ROMAN)}",
            lambda: f"{r.choice(corpus.ROMAN)}_{r.randrange(1, 9999)}",
            lambda: f"{r.choice(('sky', 'happy', 'blue', 'sunny', 'mom', 'dad', 'love'))}{r.choice(corpus.ROMAN)}",
        ))()
        domain = r.choice(corpus.DOMAINS + ("naver.com", "naver.com", "gmail.com", "hotmail.com"))
        if writing == "korean_at":
            return f"{local} 골뱅이 {domain}"
        if writing == "masked":
            return f"{local[:3]}{'*' * max(3, len(local) - 3)}@{domain}"
        return f"{local}@{domain}"

    def _driver_license(self, writing: str, variant: str = "") -> str:
        r = self.r
        region = r.choice(list(LICENSE_REGIONS))
        tail = [f"{r.randrange(0, 25):02d}" if r.random() < 0.5 else f"{r.randrange(85, 100)}", self.d(6),
                f"{r.randrange(10, 100)}"]
        if writing == "region_name":
            return LICENSE_REGIONS[region] + r.choice((" ", "")) + "-".join(tail)
        return self._join([str(region)] + tail, writing)

    def _birth_date(self, writing: str, variant: str = "") -> str:
        lo, hi = {"child": (2019, 2025), "student": (2008, 2018), "young": (1992, 2005)}.get(variant, (1945, 2006))
        y, m, d = corpus.random_date(self.r, lo, hi)
        return {
            "iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}",
            "korean_date": f"{y}년 {m}월 {d}일", "yymmdd": f"{y % 100:02d}{m:02d}{d:02d}",
            "short_dot": f"{y % 100:02d}.{m:02d}.{d:02d}", "compact": f"{y}{m:02d}{d:02d}",
        }[writing]

    def _passport(self, writing: str, variant: str = "") -> str:
        r = self.r
        if writing == "current_format":
            return r.choice("MMMSRO") + self.d(3) + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") + self.d(4)
        return r.choice("MMMSRGD") + self.d(8)

    # ------------------------------------------------------------------ look-alikes

    def negative(self, category: str, variant: str = "") -> str:
        r, d = self.r, self.d
        if category == "amount":
            return f"{AMOUNT_SCALES[variant](r):,}"
        if category == "measurement":
            return MEASUREMENTS[variant](r)
        if category == "prescription_number" and variant == "serial":
            return d(5)
        if category == "time" and variant != "hms":
            return f"{r.randrange(7, 22):02d}:{r.choice(('00', '30', '10', '40', '20', '50'))}"
        y, m, dd = corpus.random_date(r, 2019, 2026)
        maker = {
            "policy_number": lambda: r.choice((f"L{y}{d(8)}", f"{d(3)}-{d(7)}-{d(2)}", f"M{y}{d(7)}",
                                               f"{d(2)}-{d(8)}", f"{y}-{d(7)}")),
            "claim_number": lambda: r.choice((f"{y}{m:02d}{dd:02d}{d(4)}", f"{y}-{d(6)}-{d(2)}", f"C{d(11)}")),
            "broker_registration": lambda: r.choice((f"{r.choice(('11680', '11650', '41135', '26350', '11440'))}"
                                                     f"-{r.randrange(2005, 2025)}-{d(5)}", f"가{d(4)}-{d(3)}")),
            "prescription_number": lambda: r.choice((f"{y}{m:02d}{dd:02d}-{d(5)}", f"{y}{m:02d}{dd:02d}{d(5)}",
                                                     d(5))),
            "provider_number": lambda: r.choice(("1", "3", "4", "2")) + d(7),
            "vin": lambda: r.choice(("KMH", "KNA", "KMT", "KPT", "KNM", "WBA")) + "".join(
                r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(6)) + r.choice("0123456789X") +
            r.choice("LMNPRS") + r.choice("UAT") + d(6),
            "military_number": lambda: r.choice((f"{r.randrange(8, 25):02d}-7{d(7)}", f"{r.randrange(95, 100)}-{d(8)}",
                                                 f"{r.randrange(10, 24)}-{d(8)}")),
            "merchant_number": lambda: r.choice((d(9), d(10), f"{d(4)}{d(4)}{d(2)}")),
            "approval_number": lambda: d(8),
            "company_number": lambda: r.choice((f"{r.choice(REPRESENTATIVE_PREFIXES)}-{d(4)}",
                                                f"080-{d(3)}-{d(4)}", "114", f"1600-{d(4)}")),
            "institution_phone": lambda: r.choice((f"02-{r.randrange(2, 10)}{d(3)}-{d(4)}",
                                                   f"0{r.choice(('31', '51', '42', '53', '41'))}-"
                                                   f"{r.randrange(2, 10)}{d(2)}-{d(4)}")),
            "company_fax": lambda: r.choice((f"02-{r.randrange(2, 10)}{d(3)}-{d(4)}", f"0505-{d(3)}-{d(4)}",
                                             f"031-{r.randrange(2, 10)}{d(2)}-{d(4)}")),
            "order_number": lambda: r.choice((f"{y}{m:02d}{dd:02d}{d(8)}", f"{y}{m:02d}{dd:02d}-{d(7)}", d(13))),
            "tracking_number": lambda: r.choice((d(12), f"{d(4)}-{d(4)}-{d(4)}", d(13))),
            "reservation_number": lambda: r.choice((f"R{d(9)}", d(10), f"{y % 100}{m:02d}{dd:02d}-{d(4)}")),
            "ticket_number": lambda: r.choice((f"CS-{d(6)}", f"#{d(6)}", f"INC{d(7)}", f"{d(4)}-{d(4)}")),
            "case_number": lambda: r.choice((f"1AA-{y % 100}{m:02d}-{d(7)}", f"{y}-{d(6)}", f"{y}{d(9)}",
                                             f"제{y}-{d(5)}호")),
            "patient_number": lambda: r.choice((d(8), d(10), f"{d(3)}-{d(5)}")),
            "member_number": lambda: r.choice((d(8), f"{y}{d(6)}", f"D{d(8)}", d(10))),
            "customer_number": lambda: r.choice((d(10), f"{d(3)}-{d(3)}-{d(4)}", d(12))),
            "bill_number": lambda: r.choice((f"{y}{m:02d}-{d(10)}", d(14))),
            "imei": lambda: self._imei(),
            "usim_serial": lambda: "8982" + d(15),
            "event_date": lambda: DATE_FORMS[variant or r.choice(tuple(DATE_FORMS))](y, m, dd),
            "time": lambda: f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}",
            "postal_code": lambda: f"{r.randrange(1, 64):02d}{d(3)}",
            "building_number": lambda: r.choice((f"{r.randrange(101, 120)}동 "
                                                 f"{r.randrange(1, 30)}{r.randrange(1, 5):02d}호",
                                                 f"{r.randrange(1, 40)}{r.randrange(1, 9):02d}호",
                                                 f"{r.randrange(1, 30)}층 "
                                                 f"{r.randrange(1, 30)}{r.randrange(1, 9):02d}호")),
            "lot_number": lambda: f"{r.randrange(1, 999)}-{r.randrange(1, 99)}",
            "ip_address": lambda: f"{r.choice((211, 175, 121, 58, 10, 192, 220, 112))}.{r.randrange(256)}."
                                  f"{r.randrange(256)}.{r.randrange(1, 255)}",
            "version_number": lambda: r.choice((f"{r.randrange(1, 16)}.{r.randrange(0, 20)}.{r.randrange(0, 30)}",
                                                f"v{r.randrange(1, 9)}.{r.randrange(0, 9)}.{d(4)}")),
            "isbn": lambda: self._isbn(),
            "customs_code": lambda: r.choice((f"{d(4)}.{d(2)}-{d(4)}", f"{d(4)}.{d(2)}")),
            "pet_registration": lambda: "410" + r.choice(("0", "1")) + d(11),
            "employee_number": lambda: r.choice((f"{r.randrange(2008, 2027)}{d(4)}", f"E{d(6)}", d(7))),
            "application_number": lambda: r.choice((f"{y}-{d(5)}", f"A{d(8)}", f"{y}{d(6)}")),
            "diagnosis_code": lambda: r.choice(("S93.40", "M54.5", "K35.8", "J06.9", "S52.50", "M51.2",
                                                "S83.6", "I10", "E11.9", "J20.9")),
            "drug_code": lambda: r.choice(("64", "65", "67", "05")) + d(7),
            "cert_number": lambda: r.choice((f"{y % 100}{d(7)}{r.choice('ABCDEFGHJK')}", f"{d(2)}-{d(6)}", d(10))),
            "vehicle_plate": lambda: f"{r.randrange(10, 400)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주하허호')} {d(4)}",
            "door_code": lambda: r.choice((f"*{d(4)}#", f"#{d(4)}*", f"{d(4)}#", f"종 {d(4)}")),
            "notary_number": lambda: f"{y}년 제{r.randrange(1, 3000)}호",
            "notice_number": lambda: r.choice((f"{y}-{d(2)}-{d(5)}", f"제{d(6)}호", f"{d(4)}-{d(6)}")),
            "pos_number": lambda: r.choice((f"POS {r.randrange(1, 9):02d}-{d(4)}", f"{d(2)}-{d(6)}")),
            "receipt_number": lambda: r.choice((f"{y}{m:02d}{dd:02d}-{d(2)}-{d(4)}", f"{d(4)}-{d(4)}", d(12))),
            "company_account": lambda: f"{d(3)}-{d(6)}-{d(2)}-{d(3)}",
            "transaction_number": lambda: r.choice((f"{y}{m:02d}{dd:02d}{d(6)}", f"T{d(12)}", d(10))),
            "unit_code": lambda: r.choice((f"제{d(4)}부대", f"{d(4)}부대 {r.randrange(1, 9)}대대")),
            "timestamp": lambda: TIMESTAMP_FORMS[variant or r.choice(tuple(TIMESTAMP_FORMS))](
                y, m, dd, r.randrange(24), r.randrange(60), r.randrange(60)),
            "pnr": lambda: "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(6)),
            "invoice_number": lambda: f"{y}{m:02d}{dd:02d}-{r.choice(('41', '42', '10'))}{d(6)}-{d(8)}",
            "serial_number": lambda: r.choice((f"R{d(2)}N{d(3)}{r.choice('ABCDEFGHJK')}{d(4)}", f"{d(3)}KW{d(5)}",
                                               d(12))),
            "timecode": lambda: f"00:{r.randrange(60):02d}:{r.randrange(60):02d}",
            "contract_number": lambda: r.choice((f"{y}-{d(4)}-{d(3)}", f"CT{d(10)}", f"{d(2)}-{d(7)}")),
        }[category]
        return maker()

    def _imei(self) -> str:
        body = [3, 5] + [int(c) for c in self.d(12)]
        return "".join(map(str, body + [corpus.luhn_check(body)]))

    def _isbn(self) -> str:
        body = [9, 7, 9, 1, 1] + [int(c) for c in self.d(7)]
        t = "".join(map(str, body + [corpus.isbn_check(body)]))
        return f"{t[:3]}-{t[3:5]}-{t[5:9]}-{t[9:12]}-{t[12]}" if self.r.random() < 0.6 else t


NEG_CATEGORIES = (
    "policy_number", "claim_number", "broker_registration", "prescription_number", "provider_number", "vin",
    "military_number", "merchant_number", "approval_number", "company_number", "institution_phone",
    "company_fax", "order_number", "tracking_number", "reservation_number", "ticket_number", "case_number",
    "patient_number", "member_number", "customer_number", "bill_number", "imei", "usim_serial", "amount",
    "event_date", "time", "postal_code", "building_number", "lot_number", "ip_address", "version_number",
    "isbn", "customs_code", "pet_registration", "employee_number", "application_number", "diagnosis_code",
    "drug_code", "measurement", "cert_number", "vehicle_plate", "door_code", "notary_number", "notice_number",
    "pos_number", "receipt_number", "company_account", "transaction_number", "unit_code", "contract_number",
    "timecode", "timestamp", "pnr", "invoice_number", "serial_number",
)


def _f(*lines: str) -> str:
    return "\n".join(lines) + "\n"


# --------------------------------------------------------------------------- frames by genre

FRAMES = {
    "wedding_notice": (
        _f("{~💌 |}{name} ♥ {name} 결혼합니다",
           "{~서로 다른 길을 걸어온 두 사람이|오랜 시간 서로를 아껴 온 두 사람이} 이제 한 길을 걸어가려 합니다.",
           "귀한 걸음 하시어 축복해 주시면 더없는 기쁨으로 간직하겠습니다.",
           "",
           "일시: {date} {time_ko}",
           "장소: {hall} {n}층 {~그랜드홀|로즈홀|단독홀}",
           "",
           "{~마음 전하실 곳|💐 마음 전하실 곳|축하의 마음 전하실 곳}",
           "[신랑측]",
           "신랑 {name}  {bank} {V:acct:k}",
           "{~아버지|혼주} {name}  {bank} {V:acct:k}",
           "[신부측]",
           "신부 {name}  {bank} {V:acct:k}",
           "{~어머니|혼주} {name}  {bank} {V:acct:k}",
           "{~|※ 화환은 정중히 사양합니다.}"),
        _f("[모바일 청첩장]",
           "안녕하세요. {name}의 {~장남|차남|장녀|차녀} {name} 결혼식에 초대합니다.",
           "{date} {time_ko}, {hall}",
           "주소: {addr_road} ({N:postal_code})",
           "웨딩홀 안내 {N:company_number}",
           "주차: 건물 지하 2시간 무료",
           "참석이 어려우신 분들을 위해 계좌번호를 함께 적습니다.",
           "신랑 계좌 {bank} {V:acct:k} (예금주 {name})",
           "신부 계좌 {bank} {V:acct:k} (예금주 {name})",
           "{~문의는 신랑 {V:mobile:s}로 주세요.|신랑 ☎ {V:mobile:b}  신부 ☎ {V:mobile:b}|"
           "신랑 {name} {V:mobile:n} / 신부 {name} {V:mobile:n}}"),
        _f("{~ㅎㅎ |}나 {date}에 결혼해!! 청첩장 링크 보낼게",
           "밥 먹기로 한 날은 {date}로 하자",
           "못 오면 여기로 마음만ㅋㅋ",
           "{bank} {V:acct:k}",
           "{~예금주는 우리 엄마 이름으로 되어 있어|예금주 {name}}",
           "식장은 {hall}, 식 끝나고 {N:time} 피로연"),
        _f("[청첩장 문자]",
           "{name}·{name} 결혼식 안내드립니다.",
           "{date} {time_ko} / {hall}",
           "축의금 계좌를 여쭤보시는 분들이 계셔서 남깁니다.",
           "",
           "신랑 아버지",
           "{name}",
           "{bank} {V:acct:k}",
           "",
           "신부 어머니",
           "{name}",
           "{bank} {V:acct:k}",
           "연락처 ☎ {V:mobile:b}"),
    ),
    "funeral_notice": (
        _f("[부고]",
           "{name}님의 {~부친|모친|빙부|빙모|조모|조부} {name}님께서 {date} 별세하셨기에 삼가 알려드립니다.",
           "빈소: {funeral_hall} {n}호실",
           "장례식장 ☎ {N:institution_phone}",
           "발인: {N:event_date} {N:time}",
           "장지: {~용인 평온의숲|서울추모공원|천안공원묘원|울산하늘공원}",
           "",
           "마음 전하실 곳",
           "상주 {name}  {bank} {V:acct:k}",
           "{~상주 {name}  {bank} {V:acct:k}|}",
           "{~상주 {~연락처|전화번호|연락 가능 번호|Tel|연 락 처}: {V:mobile:b}|상주 {name} {V:mobile:n}|}",
           "삼가 고인의 명복을 빕니다."),
        _f("訃告",
           "{company} {dept} {name} {rank}의 {~부친상|모친상|장인상|빙모상}을 알려드립니다.",
           "- 빈소: {funeral_hall} 특{n}호 ({addr_road})",
           "- 발인: {N:event_date} {N:time}",
           "- 상주 {~연락처|전화번호|연락 가능 번호|Tel|연 락 처}: {V:mobile:b}",
           "- 조의금 계좌: {bank} {V:acct:k} {name}",
           "회사 경조 규정에 따라 조화는 총무팀에서 보냅니다. 문의 총무팀 내선 {n}{n}{n}{n}"),
        _f("[Web발신]",
           "[부고] {name}님 {~별세|소천}",
           "{funeral_hall} {n}빈소, 발인 {N:event_date}",
           "계좌: {bank} {V:acct:k} ({name})",
           "모바일 부고장 보기 https://bugo.{~kr|co.kr}/m/{N:order_number}"),
    ),
    "insurance_claim": (
        _f("보험금 청구서 ({~상해|질병|실손의료비})",
           "■ 피보험자",
           "성명: {name}    주민등록번호: {~{V:rrn:b}|{V:child_rrn:b} (어린이보험, 계약자 부모)}",
           "{~휴대전화|휴대폰|핸드폰|HP}: {V:mobile:b}    {~이메일|E-mail|메일|전자우편}: {V:email:b}",
           "증권번호: {N:policy_number}",
           "■ 사고 내용",
           "사고일시: {N:event_date} {N:time}",
           "사고장소: {addr}",
           "사고경위: {accident}",
           "■ 진단서 발췌",
           "병명: {~요추 염좌|우측 발목 외측인대 파열|급성 충수염|좌측 손목 골절}   질병분류기호: {N:diagnosis_code}",
           "진단일: {N:event_date}   의료기관: {hospital}   요양기관기호: {N:provider_number}",
           "■ 보험금 수령 계좌",
           "은행명: {bank}    예금주: {name}",
           "{~계좌번호|계좌|입금계좌}: {V:acct:b}",
           "위 내용이 사실과 다름이 없음을 확인합니다. 청구인 {name} (서명)"),
        _f("제목: 실손 보험금 청구 서류 보내드립니다",
           "안녕하세요. 증권번호 {N:policy_number} 계약자 {name}입니다.",
           "{N:event_date}에 {accident}",
           "사고접수번호는 {N:claim_number} 이고, 진료비 영수증과 진단서 사진 첨부합니다.",
           "피보험자 {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b}, 연락처는 {V:mobile:s} 입니다.",
           "보험금은 {bank} {V:acct:k} 로 넣어 주시면 됩니다.",
           "감사합니다.",
           "{name} 드림 / {V:email:n}"),
        _f("[진단서 사본 - 스캔]",
           "환자의 성명 {name}   주민등록번호",
           "{V:rrn:u}",
           "주소 {addr}",
           "병명 {~임상적 추정|최종 진단} 요추부 염좌   분류번호 {N:diagnosis_code}",
           "발병일 {N:event_date}   진단일 {N:event_date}",
           "향후 치료 의견: 약 {n}주간의 안정 가료를 요함",
           "의료기관 명칭 {hospital}  요양기관기호 {N:provider_number}",
           "전화 {N:institution_phone}  팩스 {N:company_fax}",
           "의사 면허번호 제 {N:cert_number} 호"),
        _f("해외여행자보험 보험금 청구 (휴대품 도난)",
           "피보험자 {name} / 영문 {name_en}",
           "Passport No. {V:pp:e}",
           "D.O.B {V:dob:e:dot/iso}",
           "출국일 {N:event_date} 귀국일 {N:event_date}",
           "도난 신고 Police Report No. {N:case_number}",
           "항공권 예약번호(PNR) {N:pnr}",
           "증권번호 {N:policy_number}",
           "도난 물품: {item} (구입가 {N:amount:mid}원)",
           "Mobile {V:mobile:e:intl_plus/hyphen}  E-mail {V:email:e}",
           "보험금 입금: {bank} {V:acct:k} {name}"),
    ),
    "lease_contract": (
        _f("부동산(아파트) {~월세|전세} 계약서",
           "임대인과 임차인 쌍방은 아래 표시 부동산에 관하여 다음 계약 내용과 같이 임대차계약을 체결한다.",
           "1. 부동산의 표시",
           "소재지: {addr}",
           "2. 계약내용",
           "보증금: 금 {kor_amount}원정 (₩{N:amount:big})",
           "계약금: 금 {N:amount:mid}원정은 계약 시에 지불하고 영수함.",
           "잔금: 금 {N:amount:big}원정은 {N:event_date}에 지불한다.",
           "임대차기간: {N:event_date}부터 {N:event_date}까지",
           "",
           "임대인  주소: {addr}",
           "        {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호}: {V:rrn:b}   전화: {V:mobile:b}   성명: {name} (인)",
           "임차인  주소: {addr}",
           "        {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호}: {V:rrn:b}   전화: {V:mobile:b}   성명: {name} (인)",
           "개업공인중개사  사무소소재지: {addr_road}",
           "        사무소명칭: {~행복|한빛|으뜸|대박|정직}공인중개사사무소   대표: {name}",
           "        등록번호: {N:broker_registration}   {~사업자등록번호|사업자번호|사업자 등록번호}: {V:brn:b}",
           "        전화: {N:institution_phone}"),
        _f("부동산 매매계약서",
           "매도인과 매수인은 다음과 같이 매매계약을 체결한다.",
           "소재지 {addr}   대지 {n}{n}.{n}㎡",
           "매매대금 금 {kor_amount}원정 (₩{N:amount:big})",
           "계약금 {N:amount:big}원은 계약 시 지불, 중도금 {N:amount:big}원은 {N:event_date}, 잔금은 {N:event_date}에 지불한다.",
           "잔금은 매도인 명의 계좌({bank} {V:acct:k})로 입금한다.",
           "[매도인] 성명 {name}  {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b}  {~연락처|전화번호|연락 가능 번호|Tel|연 락 처} {V:mobile:b}",
           "[매수인] 성명 {name}  {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b}  {~연락처|전화번호|연락 가능 번호|Tel|연 락 처} {V:mobile:b}",
           "[중개사] 등록번호 {N:broker_registration}  전화 {N:institution_phone}"),
        _f("특약사항",
           "1. 현 시설 상태의 계약이며 도배·장판은 임차인이 부담한다.",
           "2. 월세는 매월 {n}일 임대인 계좌로 입금한다.",
           "   입금계좌: {bank} {V:acct:k} 예금주 {name}",
           "3. 관리비는 별도이며 {N:amount:small}원 내외이다.",
           "4. 반려동물 사육 시 퇴실 때 원상복구한다.",
           "임차인 {~연락처|전화번호|연락 가능 번호|Tel|연 락 처} {V:mobile:b} / 비상연락처(부) {V:mobile:b}"),
        _f("부동산 임대차 계약 정보 (중개사무소 보관용)",
           "물건지: {addr_road} (지번 {place} {N:lot_number})",
           "계약번호 {N:contract_number}",
           "임대인 {name}",
           "  {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b:short_dot/dot}",
           "  {~연락처|전화번호|연락 가능 번호|Tel|연 락 처} {V:mobile:b}",
           "임차인 {name} ({~외국인|유학생})",
           "  외국인등록번호 {V:frn:b}",
           "  여권번호 {V:pp:b}",
           "  {~연락처|전화번호|연락 가능 번호|Tel|연 락 처} {V:mobile:b}",
           "보증금 {N:amount:mid}원 / 월세 {N:amount}원 / 관리비 {N:amount:small}원"),
    ),
    "resume": (
        _f("이 력 서",
           "성    명 {name}   (영문: {name_en})",
           "{~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b} (만 {age}세)",
           "휴 대 폰 {V:mobile:b}",
           "E-mail {V:email:e}",
           "주    소 {addr}",
           "",
           "[학력사항]",
           "{year}.03 ~ {year}.02  {univ} {major} 졸업 (학점 3.{n}/4.5)",
           "[경력사항]",
           "{year}.{mm} ~ 현재  {company} {dept} {rank}",
           "[자격사항]",
           "{N:event_date}  정보처리기사 (자격번호 {N:cert_number})",
           "{~운전면허 1종 보통 (면허번호 {V:dl:b})|운전면허 2종 보통}",
           "[병역사항] 육군 병장 만기전역 (군번 {N:military_number})",
           "위의 기재 사항은 사실과 틀림이 없습니다."),
        _f("경력기술서 - {name}",
           "{~연락처|전화번호|연락 가능 번호|Tel|연 락 처}: {V:mobile:b} | {V:email:n}",
           "",
           "1) {company} {dept} ({year}.{mm} ~ {year}.{mm})",
           "- 주문 관리 시스템 개편: 주문번호 채번 규칙 변경(예: {N:order_number}) 및 정산 배치 개선",
           "- 앱 {N:version_number} 출시, 월 결제액 {N:amount:big}원 규모 서비스 운영",
           "- 협력사 API 연동 ({~REST|SOAP}), 장애 건수 {n}{n}% 감소",
           "2) {company} ({year}.{mm} ~ {year}.{mm})",
           "- 고객센터 {N:company_number} IVR 시나리오 개편"),
        _f("입사지원서  지원번호 {N:application_number}",
           "지원분야: {dept} 경력직",
           "성명(한글) {name}  성명(영문) {name_en}",
           "{~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b}   성별 {~남|여}",
           "{~휴대전화|휴대폰|핸드폰|HP} {V:mobile:b}   자택전화 {V:landline:b}",
           "{~이메일|E-mail|메일|전자우편} {V:email:b}",
           "현주소 {addr}",
           "보훈대상 여부: 비대상   장애 여부: 비대상",
           "희망연봉: {N:amount:man}만원 (회사 내규에 따름)"),
        _f("[영문 이력서] RESUME",
           "{name_en}",
           "Mobile: {V:mobile:e:intl_plus/hyphen}  |  Email: {V:email:e}",
           "Date of Birth: {V:dob:e:iso/dot}",
           "EDUCATION",
           "{univ}, B.S. in Computer Science ({year})",
           "EXPERIENCE",
           "{company} — Software Engineer ({year} – present)",
           "Released app {N:version_number}; cut payment failures handled by {N:company_number} call centre",
           "LICENSES",
           "Driver's License (Class 1): {V:dl:e}"),
        _f("자기소개서 제출합니다",
           "{company} 인사담당자님께",
           "{dept} 경력직 공고(공고번호 {N:application_number})에 지원하는 {name}입니다.",
           "이력서와 경력기술서를 첨부합니다. 포트폴리오 링크는 이력서 하단에 있습니다.",
           "면접 일정은 아래 연락처로 알려 주시면 맞추겠습니다.",
           "",
           "{name} 드림",
           "{V:mobile:n} | {V:email:n}"),
    ),
    "payslip": (
        _f("{company} {yr}년 {month}월분 급여명세서",
           "사원번호 {N:employee_number}   성명 {name}   부서 {dept}   직급 {rank}",
           "{~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b}   입사일 {N:event_date}",
           "지급일 {N:event_date}",
           "-----------------------------------------------",
           "지급항목            금액   | 공제항목            금액",
           "기본급         {N:amount:mid} | 국민연금         {N:amount:small}",
           "식대              {N:amount} | 건강보험         {N:amount:small}",
           "연장근로수당   {N:amount} | 소득세            {N:amount:small}",
           "-----------------------------------------------",
           "실수령액 {N:amount:mid}원",
           "급여이체계좌: {bank} {V:acct:k}"),
        _f("[급여 안내] {name}님, {month}월 급여가 지급되었습니다.",
           "입금계좌 {bank} {V:acct:k:masked}",
           "지급액 {N:amount:mid}원 / 공제액 {N:amount}원",
           "명세서 비밀번호는 생년월일 6자리입니다.",
           "문의: 인사팀 {N:institution_phone}"),
        _f("Payroll Statement ({yr}-{mm})",
           "Employee ID {N:employee_number}   Name {name_en}",
           "Dept. {dept}   Pay date {N:event_date:iso}",
           "Gross pay {N:amount:mid}   Deductions {N:amount}   Net pay {N:amount:mid}",
           "Bank Account {bank} {V:acct:k}",
           "Questions: payroll@{~hanbit.co.kr|samjin.co.kr} / ext. {n}{n}{n}{n}"),
    ),
    "employment_contract": (
        _f("표준근로계약서",
           "{company}(이하 \"사업주\"라 함)과(와) {name}(이하 \"근로자\"라 함)은 다음과 같이 근로계약을 체결한다.",
           "1. 근로개시일: {N:event_date}부터",
           "2. 근무장소: {addr_road}",
           "3. 소정근로시간: {N:time}부터 {N:time}까지 (휴게시간 12:00~13:00)",
           "4. 임금: 월급 {N:amount:mid}원, 매월 {n}일 근로자 명의 예금통장에 입금",
           "   ({bank} {V:acct:k})",
           "(사업주) 사업체명: {company}  전화: {N:institution_phone}",
           "         주소: {addr_road}  대표자: {name} (서명)",
           "         {~사업자등록번호|사업자번호|사업자 등록번호}: {V:brn:b}",
           "(근로자) 주소: {addr}",
           "         {~연락처|전화번호|연락 가능 번호|Tel|연 락 처}: {V:mobile:b}",
           "         성명: {name} (서명)   {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호}: {V:rrn:b}"),
        _f("외국인근로자 표준근로계약서 (Standard Labor Contract)",
           "사용자 Employer: {company}   사업자번호 {V:brn:b}",
           "근로자 Employee: {foreign_name}",
           "외국인등록번호 ARC No.: {V:frn:b}",
           "여권번호 Passport No.: {V:pp:b}",
           "국적 Nationality: {~베트남|캄보디아|네팔|필리핀|우즈베키스탄}",
           "근로계약기간 Term: {N:event_date} ~ {N:event_date}",
           "임금 Wage: 월 {N:amount:mid}원",
           "임금지급 계좌 Bank account: {bank} {V:acct:k}",
           "근로자 연락처 Phone: {V:mobile:e}"),
        _f("[알바 계약 카톡]",
           "사장님: {name}씨 다음 주부터 주말 {N:time}~{N:time} 맞지?",
           "나: 네 사장님",
           "사장님: 근로계약서 써야 하니까 주민번호 보내줘",
           "나: {V:rrn:q}",
           "사장님: 월급 넣을 계좌도",
           "나: {bank} {V:acct:k}",
           "사장님: 시급 {N:amount:wage}원, 주휴수당 포함이야. 계약서 사진 보낼게"),
    ),
    "insurance_enrolment": (
        _f("4대사회보험 사업장가입자 자격취득 신고서",
           "사업장명: {company}   {~사업자등록번호|사업자번호|사업자 등록번호}: {V:brn:b}",
           "소재지: {addr_road}   전화번호: {N:institution_phone}   팩스: {N:company_fax}",
           "",
           "피보험자 | 성명 | 주민등록번호(외국인등록번호) | 자격취득일 | 월소득액",
           "1 | {name} | {V:rrn:h@주민등록번호(외국인등록번호)} | {N:event_date} | {N:amount:mid}",
           "2 | {name} | {V:rrn:h@주민등록번호(외국인등록번호)} | {N:event_date} | {N:amount:mid}",
           "3 | {foreign_name} | {V:frn:h@주민등록번호(외국인등록번호)} | {N:event_date} | {N:amount:mid}",
           "신고인(사용자) {name} (서명)   접수번호 {N:receipt_number}"),
        _f("[{company} 인사팀] 신규 입사자 4대보험 취득신고 요청",
           "입사자: {name} / 입사일 {N:event_date} / 주민번호 {V:rrn:b}",
           "입사자: {name} / 입사일 {N:event_date} / 주민번호 {V:rrn:b}",
           "월 보수 {N:amount:mid}원 기준, 건강보험 피부양자 {~있음|없음}",
           "세무대리인 {~바른세무회계|한결세무서} 팩스 {N:company_fax} 로 서류 보냈습니다."),
    ),
    "loan_application": (
        _f("{~개인 신용대출|주택담보대출|전세자금대출} 신청서",
           "신청번호 {N:application_number}",
           "[신청인 정보]",
           "성명 {name}   실명번호 {V:rrn:b}",
           "자택주소 {addr}",
           "{~휴대폰|핸드폰|휴대전화|H.P} {V:mobile:b}   직장전화 {N:institution_phone}",
           "[직장 정보]",
           "직장명 {company}   사업자번호 {V:brn:b}",
           "입사일 {N:event_date}   연소득 {N:amount:man}만원",
           "[소득증빙] 근로소득원천징수영수증, 건강보험 자격득실확인서",
           "[신청내용] 신청금액 {N:amount:big}원 / 기간 {n}년 / 상환방법 원리금균등",
           "자동이체 출금계좌 {bank} {V:acct:k}",
           "본인은 위 내용이 사실임을 확인합니다. {N:event_date} 신청인 {name}"),
        _f("대출 상담 메모 (지점 {~강남|역삼|수원|해운대}, 담당 {name})",
           "- 고객 {name}, {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b}, 자영업 (사업자 {V:brn:b})",
           "- 연매출 {N:amount:man}만원, 기존 대출 {N:amount:big}원 (상환 중)",
           "- 담보 물건 {addr}, 시세 {kor_amount}원",
           "- 연락 {V:mobile:s} 로 서류 목록 문자 발송함",
           "- 심사번호 {N:case_number}, 결과는 {date} 안내 예정"),
    ),
    "card_application": (
        _f("{~신용카드|체크카드} 발급 신청서",
           "카드상품: {~딥드림|굿데이올림|알뜰교통|트래블로그|노리2} ({~VISA|Mastercard|국내전용})",
           "성명(한글) {name}   영문성명(여권과 동일) {name_en}",
           "{~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b}",
           "{~휴대폰|핸드폰|휴대전화|H.P} {V:mobile:b}   자택전화 {V:landline:b}",
           "명세서 수령: 이메일 ({V:email:b})",
           "결제계좌: {bank} {V:acct:k}   결제일 매월 {n}일",
           "신분증: 운전면허증 (면허번호 {V:dl:b})",
           "직장명 {company}  직장전화 {N:institution_phone}  연소득 {N:amount:man}만원",
           "접수번호 {N:receipt_number}"),
        _f("[카드 발급 진행 안내]",
           "{name}님, 신청하신 카드가 발급되었습니다.",
           "카드번호 {V:card:b:masked}",
           "배송 예정: {date} / 등기번호 {N:tracking_number}",
           "결제계좌 {bank} {V:acct:k:masked}",
           "분실 신고 {N:company_number}"),
        _f("[카드 신청 확인 전화 녹취 요약]",
           "상담원: 본인 확인을 위해 운전면허증 번호를 말씀해 주시겠어요?",
           "고객: {V:dl:q}",
           "상담원: 영문 이름은 여권과 동일하게 하시겠어요? 여권번호도 부탁드립니다.",
           "고객: 네, {V:pp:q}",
           "상담원: 결제계좌는요?",
           "고객: {bank} {V:acct:k}",
           "상담원: 확인되었습니다. 심사 결과는 {V:mobile:s:masked} 번호로 문자 드립니다."),
    ),
    "telecom_bill": (
        _f("{~SKT|KT|LG U+|헬로모바일|알뜰폰} {yr}년 {month}월 요금 청구서",
           "고객명 {name}   고객번호 {N:customer_number}",
           "청구번호 {N:bill_number}",
           "서비스번호 {V:mobile:b:masked/hyphen}",
           "월정액 ({~5G 프리미어|LTE 베이직|데이터 안심}) {N:amount:small}원",
           "단말기 할부금 {N:amount:small}원 (잔여 {n}회)",
           "부가세 {N:amount:small}원",
           "이번 달 납부하실 금액 {N:amount:small}원",
           "납부방법: 자동이체 ({bank} {V:acct:k:masked})",
           "납부일: {N:event_date}",
           "고객센터 {N:company_number} (휴대폰에서 114)"),
        _f("[{~KT|SKT|LGU+}] {name}님 {month}월 청구요금 {N:amount:small}원",
           "{~명세서 보기|요금 상세} https://m.bill.example.kr/{N:bill_number}",
           "납부계좌: {bank} {V:acct:k:masked}",
           "미납 시 {N:event_date} 이용정지 예정"),
        _f("제목: [{~헬로모바일|리브엠|토스모바일}] {name} 고객님의 {month}월 이용요금 안내",
           "회선번호 {V:mobile:b:masked}",
           "이용기간 {N:event_date:dot} ~ {N:event_date:dot}",
           "청구금액 {N:amount:small}원 (부가세 포함)",
           "결제수단 {~신용카드|체크카드} {V:card:b:masked}",
           "본 메일은 발신 전용입니다. 문의 {N:company_number}"),
    ),
    "telecom_signup": (
        _f("이동전화 서비스 가입신청서 ({~신규|번호이동|기기변경})",
           "가입자명 {name}   {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b}",
           "명의자 {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b}",
           "개통번호 {V:mobile:b}   기존 통신사 {~SKT|KT|LGU+}",
           "연락 가능한 번호 {V:phone:b}",
           "이메일(청구서) {V:email:b}",
           "단말기 모델 SM-S92{n}N  IMEI {N:imei}",
           "USIM 일련번호 {N:usim_serial}",
           "요금 납부: 신용카드 {V:card:b}  유효기간 0{n}/2{n}",
           "신분증 확인: {~운전면허증 {V:dl:b}|주민등록증 (발급일 {N:event_date})}",
           "판매점 코드 {N:merchant_number}  담당 {name}"),
        _f("외국인 개통 신청 (선불폰)",
           "Name {foreign_name}",
           "ARC No. {V:frn:e}",
           "Passport {V:pp:e}",
           "신규번호 {V:mobile:b}",
           "충전금액 {N:amount:small}원  가입계약번호 {N:contract_number}"),
    ),
    "daycare_registration": (
        _f("{yr}학년도 {~해님|새싹|꿈나무|무지개} 어린이집 입소신청서",
           "■ 아동",
           "아동 성명 {name}   성별 {~남|여}",
           "{~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:child_dob:b}",
           "{~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:child_rrn:b}",
           "입소희망일 {N:event_date}   대기번호 {N:member_number}",
           "■ 보호자",
           "부) 성명 {name}  {~휴대폰|핸드폰|휴대전화|H.P} {V:mobile:b}  직장 {company} ({N:institution_phone})",
           "모) 성명 {name}  {~휴대폰|핸드폰|휴대전화|H.P} {V:mobile:b}",
           "비상연락처(조부모) {V:mobile:b}",
           "주소 {addr}",
           "알레르기: {~없음|우유|땅콩|계란}   특이사항: {~없음|낮잠 시 애착인형 필요}"),
        _f("[{~해님|새싹} 어린이집] 신입 원아 서류 안내",
           "{name} 어머님, 입소 확정되었습니다.",
           "등원 첫날 {date} {N:time}까지 와 주세요.",
           "보육료 결제 아이행복카드 번호 확인차 여쭙니다: {V:card:b:masked/hyphen}",
           "원아 생일 {V:child_dob:b} 맞으시죠? 생일잔치 준비할게요.",
           "원 전화 {N:institution_phone}"),
        _f("[비상연락망] {~햇살반|꽃잎반|별님반} {yr}학년도",
           "아래 번호는 긴급 시 연락드릴 보호자 번호입니다.",
           "",
           "1. {name} (만 {n}세)",
           "   어머니 {name}",
           "   {V:mobile:l@비상연락망}",
           "2. {name} (만 {n}세)",
           "   아버지 {name}",
           "   {V:mobile:l@비상연락망}",
           "3. {name} (만 {n}세)",
           "   할머니 {name}",
           "   {V:landline:l:hyphen@비상연락망}",
           "원아 생일 축하 파티: {date}"),
        _f("보육료·양육수당 신청서 (복지로 출력본)",
           "신청인(보호자) {name}   {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b}",
           "{~휴대전화|휴대폰|핸드폰|HP} {V:mobile:b}   주소 {addr}",
           "[아동] 1) {name}  {V:child_rrn:b}  {~보육료|양육수당}",
           "[아동] 2) {name}  {V:child_rrn:b}  {~보육료|양육수당}",
           "양육수당 입금계좌: {bank} {V:acct:k}  예금주 {name}",
           "접수번호 {N:receipt_number}   접수일 {N:event_date}"),
    ),
    "prescription": (
        _f("처 방 전",
           "[ ]건강보험 [ ]의료급여 [ ]산업재해보험 [ ]자동차보험",
           "교부번호: {N:event_date} 제 {N:prescription_number:serial} 호",
           "요양기관기호: {N:provider_number}",
           "의료기관 명칭: {hospital}   전화번호: {N:institution_phone}   팩스번호: {N:company_fax}",
           "환자 성명: {name}   주민등록번호: {~{V:rrn:b}|{V:child_rrn:b}}",
           "질병분류기호: {N:diagnosis_code}",
           "처방의료인 성명: {name}  면허종별 의사  면허번호 {N:cert_number}",
           "처방 의약품의 명칭 / 1회 투약량 / 1일 투여횟수 / 총 투약일수",
           "{~아모잘탄정|타이레놀정500mg|오구멘틴정|무코스타정} ({N:drug_code}) 1 / {n} / {n}",
           "{~코대원포르테시럽|알마겔정|판토록정} ({N:drug_code}) 1 / 3 / {n}",
           "사용기간: 교부일로부터 {n}일간"),
        _f("[{~우리|온누리|새봄|365}약국] 조제 내역",
           "환자명 {name}  {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b}",
           "처방전 교부번호 {N:prescription_number}  발행기관 {hospital}",
           "조제일자 {N:event_date}  조제료 {N:amount:small}원  본인부담금 {N:amount:small}원",
           "복약 안내 문자 발송: {V:mobile:s}"),
    ),
    "checkup_result": (
        _f("{yr}년 일반건강검진 결과 통보서",
           "수검자 성명 {name}   {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b:masked/hyphen}",
           "검진일 {N:event_date}   검진번호 {N:patient_number}",
           "신장 {N:measurement:height} cm  체중 {N:measurement:weight} kg  허리둘레 {N:measurement:waist} cm",
           "혈압 {N:measurement:bp} mmHg   공복혈당 {N:measurement:glucose} mg/dL",
           "종합소견: {~정상A|정상B(경계)|일반질환 의심|고혈압 질환 의심}",
           "검진기관 {hospital}  기관기호 {N:provider_number}  전화 {N:institution_phone}",
           "결과 문의 국민건강보험공단 {N:company_number}",
           "받는 분 주소 {addr} ({N:postal_code})"),
        _f("[종합검진 예약 확인]",
           "{name} 님 ({V:dob:b} 생)",
           "예약번호 {N:reservation_number}",
           "검진일시 {N:event_date} {N:time} / {hospital} 건강증진센터",
           "검사 전날 21시 이후 금식. 변경은 {N:institution_phone}",
           "결과지 받으실 {~이메일|E-mail|메일|전자우편}: {V:email:b}"),
        _f("영유아 건강검진 결과통보서 ({~4차|5차|6차})",
           "수검아동 {name}   생년월일 {V:child_dob:b}",
           "주민등록번호 {V:child_rrn:b}",
           "보호자 {name}   연락처 {V:mobile:b}",
           "키 {N:measurement:waist}.{n} cm  몸무게 1{n}.{n} kg",
           "발달평가: {~양호|추적검사 요망}   검진일 {N:event_date}",
           "검진기관 {hospital} (기관기호 {N:provider_number})"),
    ),
    "car_transfer": (
        _f("자동차 양도증명서 (양도인·양수인 직접거래용)",
           "자동차등록번호 {N:vehicle_plate}   차종 {~승용|승합}   차명 {~아반떼|쏘나타|스포티지|모닝|카니발|그랜저}",
           "차대번호 {N:vin}   주행거리 {N:amount} km",
           "매매금액 금 {N:amount:mid}원   잔금지급일 {N:event_date}",
           "",
           "양도인  성명 {name}   {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b}",
           "        주소 {addr}",
           "        전화 {V:mobile:b}",
           "양수인  성명 {name}   {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b}",
           "        주소 {addr}",
           "        전화 {V:mobile:b}",
           "양수인 운전면허 {V:dl:b}"),
        _f("[중고차 직거래 채팅]",
           "판매자: 차대번호는 {N:vin} 이고 보험이력 조회해 보셔도 됩니다",
           "구매자: 네 잔금은 어디로 보내면 될까요?",
           "판매자: {bank} {V:acct:k} {name}",
           "구매자: 이전등록할 때 제 주민번호 필요하시죠? {V:rrn:s}",
           "판매자: 네 그리고 {~연락처|전화번호|연락 가능 번호|Tel|연 락 처} {V:mobile:b} 로 사진 보내주세요"),
        _f("[중고차 매매 계약 - 딜러 메모]",
           "매도자 {name} {V:mobile:a@(본인)} (본인)",
           "매수자 {foreign_name}  ARC {V:frn:e}",
           "매수자 국제면허 없음, 국내 면허 {V:dl:b}",
           "차량 {N:vehicle_plate} / VIN {N:vin}",
           "성능점검 번호 {N:cert_number}",
           "대금 {N:amount:mid}원 입금 확인 후 이전"),
    ),
    "moving_booking": (
        _f("[{~짐싸|다이사|깨끗한이사|맑음청소}] 예약 확정 안내",
           "예약번호 {N:reservation_number}",
           "고객명 {name} 님 / {~연락처|전화번호|연락 가능 번호|Tel|연 락 처} {V:mobile:b}",
           "{~이사일|청소일} {N:event_date} {N:time}",
           "출발지 {addr} (엘리베이터 {~있음|없음})",
           "{~에어컨 이전설치 포함 (실외기 S/N {N:serial_number})|냉장고 {~2|4}도어, 세탁기 1대|}",
           "도착지 {addr}",
           "공동현관 비밀번호 {N:door_code}",
           "견적금액 {N:amount:mid}원 (계약금 {N:amount}원)",
           "계약금 입금: {bank} {V:acct:k} (예금주 {name} 사장)",
           "변경/취소 문의 {N:company_number}"),
        _f("입주청소 {n}{n}평 예약합니다",
           "날짜 {date} 오전",
           "주소 {addr_road} {N:building_number}",
           "현관 비번 {N:door_code} 이에요",
           "연락처는 {V:mobile:n}",
           "잔금은 끝나고 이체할게요. 사장님 계좌 한 번 더 알려주세요",
           "→ {bank} {V:acct:k} 입니다"),
    ),
    "fraud_report": (
        _f("[보이스피싱 피해 신고서]",
           "신고인 {name}  {~연락처|전화번호|연락 가능 번호|Tel|연 락 처} {V:mobile:b}  {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b}",
           "피해일시 {N:event_date} {N:time}   피해금액 {N:amount:mid}원",
           "피해 경위: 자녀를 사칭한 문자를 받았습니다. 받은 문자 내용은 아래와 같습니다.",
           "> 엄마 나 폰 액정 깨져서 임시폰으로 문자해 이 번호로 답장줘 {V:mobile:n}",
           "> 급하게 결제할 게 있는데 {bank} {V:acct:k} {name} 으로 {N:amount}원만 보내줘",
           "발신번호(사기범): {V:phone:b:intl_plus/hyphen}",
           "지급정지 요청 계좌: {bank} {V:acct:k}",
           "경찰 사건접수번호 {N:case_number}"),
        _f("제목: 택배 사칭 문자 신고합니다",
           "아래 문자 받았는데 링크 눌렀습니다. 확인 부탁드립니다.",
           "---",
           "[Web발신] [국제발신] 주소지 불명으로 물품이 반송되었습니다. 주소 수정 http://bit.ly/3x{n}Q{n}",
           "---",
           "보낸 번호는 {V:phone:n:intl_plus} 였고, 전화해 보니 {V:mobile:b:hyphen} 로 다시 걸라고 했습니다.",
           "운송장번호라고 {N:tracking_number} 를 불러 줬습니다.",
           "제 카드 {V:card:b:hyphen/spaced} 정지 신청은 이미 했습니다 (카드사 {N:company_number}).",
           "신고인 {name} / {V:email:n}"),
        _f("[사기 피해 사례 공유] 중고나라 {item} 사기",
           "판매자가 보낸 계좌: {bank} {V:acct:k} 예금주 {name}",
           "판매자 {~연락처|전화번호|연락 가능 번호|Tel|연 락 처}: {V:mobile:b}",
           "사기 조회 사이트에 이미 {n}건 올라와 있었네요. 입금 전에 꼭 조회하세요.",
           "저는 {N:event_date}에 {N:amount}원 보냈고 사건번호 {N:case_number}로 접수했습니다."),
        _f("[경찰청 사이버수사국 신고 접수]",
           "접수번호 {N:case_number}",
           "피해자: {name}, {V:dob:b} 생",
           "용의자가 요구한 정보: 주민등록번호, 운전면허증 사진, 통장 사본",
           "피해자가 보낸 면허증 번호 {V:dl:b}",
           "용의자 계좌 1) {bank} {V:acct:k}",
           "용의자 계좌 2) {bank} {V:acct:k}",
           "용의자 연락 {V:phone:b:intl_plus/hyphen} (카카오톡 ID {handle})"),
    ),
    "civil_complaint": (
        _f("민원 신청서",
           "신청번호 {N:case_number}",
           "민원인 성명 {name}   {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b}",
           "{~휴대전화|휴대폰|핸드폰|HP} {V:mobile:b}   전자우편 {V:email:b}",
           "주소 {addr} ({N:postal_code})",
           "신청 내용: {~아파트 단지 앞 불법 주정차 단속 요청|도로 파손 보수 요청|층간소음 중재 요청}",
           "{~차량번호 {N:vehicle_plate} 차량이 매일 밤 소화전 앞에 주차합니다.|{N:building_number} 앞 보도블록이 깨져 있습니다.}",
           "처리기관: {~강남구청|수원시 영통구청|해운대구청} 교통행정과 ({N:institution_phone})",
           "회신 방법: 문자"),
        _f("[국민신문고] 민원이 접수되었습니다",
           "접수번호: {N:case_number}",
           "{name}님이 신청하신 민원이 {~국토교통부|행정안전부|경찰청}에 전달되었습니다.",
           "처리 예정일: {N:event_date}",
           "민원인 {~연락처|전화번호|연락 가능 번호|Tel|연 락 처} {V:mobile:b:masked/hyphen} 으로 처리 결과를 알려 드립니다."),
        _f("민원 신청 (외국인 주민)",
           "신청인 {foreign_name}",
           "외국인등록번호 {V:frn:b}",
           "{~휴대전화|휴대폰|핸드폰|HP} {V:mobile:b}",
           "민원 내용: 체류지 변경 신고를 했는데 건강보험 고지서가 예전 주소로 갑니다.",
           "예전 주소 {addr}",
           "새 주소 {addr}",
           "관할: {~출입국·외국인청|구청 민원여권과} ({N:institution_phone})"),
    ),
    "donation_signup": (
        _f("{~정기후원|일시후원} 신청서 - {~사랑의열매|굿네이버스|유니세프 한국위원회|초록우산|지역아동센터}",
           "후원자번호 {N:member_number}",
           "성명 {name}   {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b}",
           "{~휴대폰|핸드폰|휴대전화|H.P} {V:mobile:b}   {~이메일|E-mail|메일|전자우편} {V:email:b}",
           "주소 {addr}",
           "기부금영수증 발급용 {~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b}",
           "후원금액 월 {N:amount:small}원   출금일 매월 {n}일",
           "출금은행 {bank}   예금주 {name}",
           "출금계좌번호 {V:acct:b}",
           "예금주 {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b:yymmdd}"),
        _f("[봉사 신청] {~연탄 나눔|무료 급식|유기견 보호소} 봉사자 모집 신청합니다",
           "이름 {name} / {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b} / 전화 {V:mobile:b}",
           "1365 아이디 있고 봉사시간 인증 부탁드려요",
           "{~같이 가는 친구|동생} {name} {V:mobile:n} 도 같이 신청해요",
           "활동일 {N:event_date} {N:time} 집결"),
        _f("[헌혈 캠페인 참여 신청]",
           "소속 {company} {dept}",
           "성명 {name}   생년월일 {V:dob:b}   휴대폰 {V:mobile:b}",
           "헌혈 희망일 {N:event_date}  (헌혈버스 {N:time} 도착)",
           "헌혈증 기부 의사 있음 (헌혈증서 번호 {N:cert_number})"),
    ),
    "community_post": (
        _f("[{~강아지|고양이}를 찾습니다] {pet} {~수컷|암컷} {n}살",
           "{N:event_date} {~저녁|오후}에 {~동네 공원|아파트 놀이터|{place} 시장 근처}에서 잃어버렸어요.",
           "빨간 목줄, 동물등록번호 {N:pet_registration} (내장칩)",
           "보신 분은 꼭 연락 주세요 {V:mobile:n}",
           "사례금 {N:amount}원 드립니다 ㅠㅠ"),
        _f("[판매] {item} 팝니다",
           "가격 {N:amount}원 (택배비 별도), 직거래는 {place}역",
           "구매한 지 {n}개월, 영수증 있어요",
           "택배 거래 시 입금은 {bank} {V:acct:k} 으로 부탁드려요",
           "채팅 안 보면 문자 주세요 {V:mobile:n}"),
        _f("[분실물] 지갑 주웠습니다",
           "{date} {place}역 {n}번 출구 앞에서 갈색 지갑 주웠어요.",
           "안에 신분증 있으시던데 {name}님 맞으시면 연락주세요",
           "{~연락처|제 번호} {V:mobile:b}",
           "카드 몇 장이랑 현금 조금 있어요. 내일까지 연락 없으면 {place} 지구대에 맡길게요."),
        _f("[댓글] {item} 아직 있나요?",
           "└ 작성자: 네 있어요",
           "└ 번호 주시면 연락드릴게요",
           "└ {V:mobile:q}",
           "└ 작성자: 문자 드렸습니다! 가격은 {N:amount}원이고 {place}역에서 직거래해요"),
    ),
    "social_dm": (
        _f("@{handle} 님 공구 입금 확인 부탁드려요~",
           "입금자명 {name} / {N:amount}원 보냈어요",
           "배송지 {addr} ({N:postal_code})",
           "받는 분 번호 {V:mobile:b}",
           "혹시 환불되면 {bank} {V:acct:k} 로 부탁드려요 🙏"),
        _f("인스타 DM 보고 연락드려요!",
           "협찬 제안서 보내드리려는데 메일 주소가 {V:email:n} 맞으실까요?",
           "해외 배송 제품이라 통관 시 HS코드 {N:customs_code} 로 신고됩니다.",
           "아니면 담당자 번호로 연락 주셔도 됩니다 {V:mobile:b}",
           "제안서 번호 {N:application_number} 참고 부탁드려요"),
        _f("{handle}: 언니 저번에 말한 {item} 아직 있어?",
           "{handle}: 응 {N:amount}원에 줄게",
           "{handle}: 콜!! 계좌 알려줘",
           "{handle}: {bank} {V:acct:k}",
           "{handle}: 보냈어ㅎㅎ 주소는 {addr_road} {N:building_number}"),
        _f("@{handle} 입금했어요! {N:amount}원",
           "{~주문 옵션은 {item} 1개요|공구 2차 물량으로 부탁드려요}",
           "배송 출발하면 여기로 문자 주세요 {V:mobile:n}",
           "{~입금자명이 달라요: {name}|}"),
    ),
    "staff_chat": (
        _f("#cs-escalation",
           "{name} [{time_am}]: @{name} 이 고객 건 확인 부탁드려요",
           "> 고객명: {name} / 주민번호 {V:rrn:b} / 카드 {V:card:b}",
           "> 티켓 {N:ticket_number}, 주문번호 {N:order_number}",
           "{name} [{time_am}]: 넵 확인했습니다. 고객님 번호 {V:mobile:s} 로 콜백 드릴게요",
           "{name} [{time_am}]: 개인정보는 스레드에 올리지 말아 주세요 ㅠ"),
        _f("[Teams] {dept} 채널",
           "{name}: 환불 계좌 받았습니다 {bank} {V:acct:k} 예금주 {name}",
           "{name}: 금액 {N:amount}원 맞죠? 거래번호 {N:transaction_number}",
           "{name}: 네 그리고 고객 메일 {V:email:n} 로 안내 메일 부탁해요",
           "{name}: 고객 {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:dob:b} 로 본인확인 완료"),
        _f("DM {name} → {name}",
           "방금 통화한 고객 정보 붙여넣어요",
           "이름 {name}",
           "연락처",
           "{V:mobile:u}",
           "이메일",
           "{V:email:u}",
           "여권번호 {V:pp:b} (출국일 {N:event_date})",
           "예약번호 {N:reservation_number} / 서버 로그 {N:ip_address} 에서 결제 실패"),
        _f("[Slack] #ops-urgent",
           "{name}: 외국인 고객 계정 잠금 해제 요청이요",
           "```",
           "name: {foreign_name}",
           "arc_no: {V:frn:j}",
           "passport_no: {V:pp:j}",
           "phone: {V:mobile:j:hyphen/plain/intl_plus}",
           "email: {V:email:j:plain}",
           "last_ip: {N:ip_address}",
           "app_ver: {N:version_number}",
           "device_sn: {N:serial_number}",
           "```",
           "{name}: 처리했어요. 티켓 {N:ticket_number} 닫을게요"),
        _f("#{~sales|cs-team|정산팀}",
           "{name} [{time_am}]: 어제 누락된 고객 건 붙여넣습니다",
           "{name} / {V:rrn:n} / {V:mobile:n} / {addr}",
           "{name} / {V:rrn:n} / {V:mobile:n} / {addr}",
           "{name} [{time_am}]: 두 번째 분은 카드 {V:card:n:hyphen/spaced} 로 재결제 요청하셨어요",
           "{name} [{time_am}]: 확인 후 원본 메시지는 지울게요 (티켓 {N:ticket_number})"),
    ),
    "voicemail": (
        _f("[음성사서함] {N:event_date} {time_ko} 새 메시지 1건",
           "\"안녕하세요 {company} {name}입니다. {~서류 관련해서|계약 건으로|택배 관련해서} 연락드렸는데 안 받으셔서요.",
           "확인하시면 {V:mobile:s:hangul_numerals} 으로 연락 부탁드립니다.\"",
           "(음성 인식 결과는 정확하지 않을 수 있습니다)"),
        _f("[음성메모 받아쓰기]",
           "엄마: 어 아들 엄마야 돈 부친 거 {bank} 계좌 맞지 {V:acct:s:hangul_numerals/hyphen}",
           "엄마: 그리고 이모 번호 바뀌었대 {V:mobile:s:hangul_numerals/hyphen} 저장해",
           "엄마: 생일 선물은 {date}까지 보낼게"),
        _f("1",
           "{N:timecode},200 --> {N:timecode},800",
           "제 연락처는 {V:mobile:s:hyphen} 이고요",
           "",
           "2",
           "{N:timecode},100 --> {N:timecode},450",
           "메일은 {V:email:s:korean_at/plain} 로 보내 주세요",
           "",
           "3",
           "{N:timecode},000 --> {N:timecode},300",
           "문의는 고객센터 {N:company_number} 로 하셔도 됩니다"),
    ),
    "reservist_notice": (
        _f("{yr}년 예비군 {~동원훈련|작계훈련|기본훈련} 소집통지서",
           "통지서 번호 {N:notice_number}",
           "성명 {name}   {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:young_dob:b}   군번 {N:military_number}",
           "주소 {addr}",
           "훈련일시 {N:event_date} {N:time} 까지 입소",
           "훈련장소 {N:unit_code} ({~양주|파주|용인|김해|대전} 훈련장)",
           "문의 {~예비군 중대|동대본부} {N:institution_phone}",
           "※ 통지서를 받은 사람은 본인 휴대폰({V:mobile:b:masked/hyphen})으로 안내 문자를 받습니다."),
        _f("[예비군] {name}님 {~동원훈련|작계훈련} 일정 안내",
           "일시 {N:event_date} {N:time}, 장소 {N:unit_code}",
           "연기 신청은 예비군 홈페이지 또는 {N:institution_phone}",
           "군번 {N:military_number} / {~생년월일|생년 월일|출생일|D.O.B|생 년 월 일} {V:young_dob:b:yymmdd/dot}"),
        _f("[민방위] {name}님, {yr}년 민방위 교육 안내",
           "교육일시 {N:event_date} {N:time}",
           "장소 {~구민회관|주민센터 3층} / 사이버교육 가능",
           "본인 확인: 생년월일 {V:young_dob:b:yymmdd/dot}",
           "문의 {~동 주민센터|구청 민방위팀} {N:institution_phone}"),
    ),
    "power_of_attorney": (
        _f("위 임 장",
           "[위임인]",
           "성명: {name}",
           "{~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호}: {V:rrn:b}",
           "주소: {addr}",
           "{~연락처|전화번호|연락 가능 번호|Tel|연 락 처}: {V:mobile:b}",
           "[수임인(대리인)]",
           "성명: {name}   위임인과의 관계: {~배우자|자녀|형제|지인}",
           "{~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호}: {V:rrn:b}",
           "{~연락처|전화번호|연락 가능 번호|Tel|연 락 처}: {V:mobile:b}",
           "위임 내용: {~인감증명서 발급|자동차 이전등록 일체|예금 계좌({bank} {V:acct:k}) 해지 및 잔액 수령|전입신고}",
           "위 사람에게 위 사항을 위임합니다.",
           "{N:event_date}   위임인 {name} (인)"),
        _f("인증서",
           "{~법무법인|공증인가 법무법인} {~한결|다온|세움} {N:notary_number}",
           "촉탁인 {name} ({~주민등록번호|주민번호|주민등록 번호|주 민 등 록 번 호} {V:rrn:b})은 아래 위임장에 서명날인하였음을 인증한다.",
           "대리인 {name} ({V:dob:b} 생), 여권번호 {V:pp:b}",
           "위임 사무: 해외 거주 중인 본인을 대리하여 {addr} 부동산 매도에 관한 일체의 행위",
           "사무소 {addr_road}  전화 {N:institution_phone}  팩스 {N:company_fax}"),
        _f("위 임 장 (금융기관 제출용)",
           "위임인 성명 {name}   생년월일 {V:dob:b}",
           "위임인 계좌 {bank} {V:acct:k}",
           "대리인 성명 {name}   {~주민등록번호 {V:rrn:b}|운전면허번호 {V:dl:b}}",
           "대리인 연락처 {V:mobile:b}",
           "위임 사항: {~통장 재발급|잔액증명서 발급|비밀번호 재설정|사망자 예금 조회}",
           "첨부: 위임인 인감증명서 1부 (발급번호 {N:cert_number})",
           "{N:event_date}   위임인 {name} (인)"),
    ),
    "receipt": (
        _f("{shop}",
           "사업자번호 {V:brn:b}   대표 {name}",
           "{addr_road}",
           "TEL {N:institution_phone}",
           "[매출]{N:event_date} {N:time}  {N:pos_number}",
           "-----------------------------------",
           "상품명              수량      금액",
           "{~아메리카노|김밥|칫솔세트|삼겹살 2인분|라면}        {n}      {N:amount:small}",
           "{~크루아상|떡볶이|물티슈|공기밥}        {n}      {N:amount:small}",
           "-----------------------------------",
           "합계금액                  {N:amount:small}",
           "{~{~카드번호|CARD NO|카드NO.} {V:card:b:masked}|{V:card:n:masked}}",
           "{~신한|국민|삼성|현대|BC|롯데}카드   일시불",
           "승인번호 {N:approval_number}   가맹점번호 {N:merchant_number}",
           "영수증번호 {N:receipt_number}",
           "교환/환불은 {n}일 이내 영수증 지참"),
        _f("*** 현금영수증 ***",
           "{shop}  사업자 {V:brn:b}",
           "거래일시 {N:event_date} {N:time}",
           "거래금액 {N:amount:small}원 (부가세 {N:amount:small}원)",
           "식별번호 {V:mobile:b:masked}",
           "승인번호 {N:approval_number}",
           "국세청 문의 126"),
        _f("거래명세서",
           "공급자 {company} {~사업자등록번호|사업자번호|사업자 등록번호} {V:brn:b} 대표 {name}",
           "공급받는자 {shop} {~사업자등록번호|사업자번호|사업자 등록번호} {V:brn:b}",
           "품목 {~사무용품|식자재|인쇄물} 수량 {n} 공급가액 {N:amount:mid} 세액 {N:amount}",
           "전자세금계산서 승인번호 {N:invoice_number}",
           "입금계좌 {bank} {N:company_account} (예금주 {company})"),
    ),
}
# Frames that are scans read back by OCR: numbers may be cut at a line end.
OCR_GENRES = {"insurance_claim", "lease_contract", "car_transfer", "power_of_attorney", "prescription",
              "insurance_enrolment"}

ACCIDENTS = ("퇴근길 지하철 계단에서 미끄러져 발목을 접질렸습니다.",
             "자전거를 타다가 넘어져 손목을 다쳐 정형외과에서 깁스를 했습니다.",
             "회사에서 무거운 상자를 들다가 허리를 삐끗해 통원 치료를 받았습니다.",
             "새벽에 복통이 심해 응급실에 갔고 충수염으로 수술받았습니다.",
             "아이와 놀이터에서 놀다가 미끄럼틀에서 떨어져 팔을 다쳤습니다.")
# Dates and times of events, each in the forms offices and exports write them.
DATE_FORMS = {
    "iso": lambda y, m, d: f"{y}-{m:02d}-{d:02d}", "dot": lambda y, m, d: f"{y}.{m:02d}.{d:02d}",
    "korean": lambda y, m, d: f"{y}년 {m}월 {d}일", "spaced": lambda y, m, d: f"{y}. {m}. {d}.",
    "slash": lambda y, m, d: f"{y}/{m:02d}/{d:02d}", "compact": lambda y, m, d: f"{y}{m:02d}{d:02d}",
}
TIMESTAMP_FORMS = {
    "iso": lambda y, m, d, hh, mi, ss: f"{y}-{m:02d}-{d:02d} {hh:02d}:{mi:02d}:{ss:02d}",
    "dot": lambda y, m, d, hh, mi, ss: f"{y}.{m:02d}.{d:02d} {hh:02d}:{mi:02d}",
    "short": lambda y, m, d, hh, mi, ss: f"{m:02d}/{d:02d} {hh:02d}:{mi:02d}",
}
# Checkup figures by what is measured.
MEASUREMENTS = {
    "height": lambda r: f"{r.randrange(148, 190)}.{r.randrange(10)}",
    "weight": lambda r: f"{r.randrange(42, 105)}.{r.randrange(10)}",
    "waist": lambda r: f"{r.randrange(60, 105)}", "bp": lambda r: f"{r.randrange(100, 160)}/{r.randrange(60, 100)}",
    "glucose": lambda r: f"{r.randrange(70, 140)}",
}
# Amounts by the scale a document writes them in (won; "man" counts in units of 10,000 won).
AMOUNT_SCALES = {
    "": lambda r: r.randrange(1, 500) * 1000, "small": lambda r: r.randrange(10, 2000) * 100,
    "mid": lambda r: r.randrange(100, 10000) * 1000, "big": lambda r: r.randrange(1, 90) * 10_000_000,
    "man": lambda r: r.randrange(2000, 12000), "wage": lambda r: r.randrange(99, 140) * 100,
}
HANGUL_AMOUNTS = ("일억오천만", "삼억", "이천만", "오백만", "일억이천만", "사억오천만", "칠천만", "천오백만")
STATEMENT_MEMOS = ("급여", "카드대금", "타행이체", "모바일", "자동이체", "ATM출금", "인터넷뱅킹", "체크카드",
                   "보험료", "관리비", "통신비", "이자")


def _close(t: str, j: int) -> int:
    """Index of the brace that closes the slot opened at j."""
    depth = 0
    for k in range(j, len(t)):
        if t[k] == "{":
            depth += 1
        elif t[k] == "}":
            depth -= 1
            if depth == 0:
                return k
    raise ValueError(f"unclosed slot in {t!r}")


def _split_top(body: str) -> list[str]:
    """The alternatives of a choice slot, split at the bars outside nested slots."""
    out, depth, start = [], 0, 0
    for k, ch in enumerate(body):
        if ch == "{":
            depth += 1
        elif ch == "}":
            depth -= 1
        elif ch == "|" and depth == 0:
            out.append(body[start:k])
            start = k + 1
    out.append(body[start:])
    return out


_LABEL_EDGE = " :：=-|/([<>→·\t*]└"


def _last_cell(line: str) -> str:
    lab = line.rstrip(_LABEL_EDGE)
    for sep in ("  ", "|", "\t", ",", "/", "·", ">", ":"):
        lab = lab.rsplit(sep, 1)[-1].rstrip(_LABEL_EDGE)
    return lab.strip(_LABEL_EDGE)[-32:]


def _label_before(w: _Writer, same_line: bool = True) -> str:
    """The words a value follows on its line (the last cell of it), else the line above; for an
    answer, the line above (the question)."""
    lines = "".join(w.parts[-16:]).split("\n")
    if same_line and _last_cell(lines[-1]):
        return _last_cell(lines[-1])
    for line in reversed(lines[:-1]):
        if line.strip(_LABEL_EDGE):
            return line.strip(_LABEL_EDGE)[-60:] if not same_line else _last_cell(line)
    return ""


class _Builder:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed)
        self.v = _Values(self.r)
        self.ocr = False
        self.frame = ""
        self.bank_alias = ""

    # ------------------------------------------------------------------ template language

    def render(self, w: _Writer, t: str, label: str | None = None) -> None:
        i = 0
        while True:
            j = t.find("{", i)
            if j < 0:
                w.add(t[i:])
                return
            w.add(t[i:j])
            k = _close(t, j)
            self.slot(w, t[j + 1:k], label)
            i = k + 1

    def slot(self, w: _Writer, body: str, label: str | None) -> None:
        r = self.r
        if body.startswith("~"):
            self.render(w, r.choice(_split_top(body[1:])), label)
        elif body.startswith("V:"):
            self.value(w, body[2:], label)
        elif body.startswith("N:"):
            category, _, variant = body[2:].partition(":")
            w.negative(category, self.v.negative(category, variant), f"{self.frame}.{category}")
        elif body == "bank":
            self.bank_alias = self.v.set_bank()
            w.add(self.bank_alias)
        else:
            w.add(self.filler(body))

    def value(self, w: _Writer, slot_body: str, label: str | None) -> None:
        fields, _, explicit = slot_body.partition("@")
        code, sit, *rest = fields.split(":")
        kind = KIND_CODES[code]
        variant = {"child_dob": "child", "child_rrn": "child", "student_dob": "student", "young_dob": "young",
                   "mobile": "mobile", "landline": "landline"}.get(code, "")
        situation = SITUATIONS[sit]
        if rest:
            writing = self.r.choice(rest[0].split("/"))
        elif situation == "no_label":
            writing = self.r.choice(PLAIN_SIGHT[kind])
        else:
            writing = self.v.pick_writing(kind, ocr=self.ocr)
        if situation == "no_label":
            label_text = ""
        elif explicit:
            label_text = explicit
        elif situation == "bank_name":
            label_text = self.bank_alias
        else:
            label_text = label or _label_before(w, situation != "previous_line")
        if situation == "label_before" and label_text.isascii():  # Tel, H.P, D.O.B drawn for a Korean label
            situation = "label_english"
        w.value(self.v.make(kind, writing, variant), situation, label_text, self.frame)

    def filler(self, name: str) -> str:
        r = self.r
        y, m, d = corpus.random_date(r, 2025, 2027)
        days = "월화수목금토일"
        return {
            "name": lambda: r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN),
            "name_en": lambda: r.choice(ENGLISH_NAMES),
            "foreign_name": lambda: r.choice(FOREIGN_NAMES),
            "addr": lambda: self.address(True),
            "addr_road": lambda: self.address(False),
            "company": lambda: r.choice(COMPANIES), "shop": lambda: r.choice(SHOPS),
            "hospital": lambda: r.choice(HOSPITALS), "hall": lambda: r.choice(HALLS),
            "funeral_hall": lambda: r.choice(FUNERAL_HALLS), "dept": lambda: r.choice(DEPTS),
            "rank": lambda: r.choice(RANKS), "univ": lambda: r.choice(UNIVS), "major": lambda: r.choice(MAJORS),
            "pet": lambda: r.choice(PETS), "item": lambda: r.choice(ITEMS), "place": lambda: r.choice(corpus.PLACES),
            "accident": lambda: r.choice(ACCIDENTS), "kor_amount": lambda: r.choice(HANGUL_AMOUNTS),
            "handle": lambda: r.choice(corpus.ROMAN) + r.choice(("_", ".", "")) +
            r.choice(("daily", "mom", "zip", "log", "")),
            "date": lambda: f"{m}월 {d}일({r.choice(days)})",
            "time_ko": lambda: f"{r.choice(('오전', '오후'))} {r.randrange(1, 13)}시{r.choice(('', ' 30분'))}",
            "time_am": lambda: f"{r.choice(('오전', '오후'))} {r.randrange(1, 13)}:{r.randrange(60):02d}",
            "year": lambda: str(r.randrange(2012, 2027)), "yr": lambda: str(r.randrange(2024, 2027)),
            "grade": lambda: r.choice(("초", "초", "중")) + str(r.randrange(1, 4)) if r.random() < 0.5
            else "초" + str(r.randrange(4, 7)), "month": lambda: str(r.randrange(1, 13)),
            "age": lambda: str(r.randrange(20, 60)), "mm": lambda: f"{r.randrange(1, 13):02d}",
            "n": lambda: str(r.randrange(1, 10)),
        }[name]()

    def address(self, full: bool) -> str:
        r = self.r
        city, districts = r.choice(CITIES)
        road = f"{city} {r.choice(districts)} {r.choice(ROADS)} {r.randrange(1, 400)}"
        if not full or r.random() < 0.3:
            return road
        return f"{road}, {r.randrange(101, 115)}동 {r.randrange(1, 25)}{r.randrange(1, 6):02d}호 " \
               f"({r.choice(APARTMENTS)})"

    # ------------------------------------------------------------------ documents

    def build(self, genre: str) -> Document:
        w = _Writer(genre, PART)
        self.ocr = genre in OCR_GENRES
        if genre in TABLES:
            i = self.r.randrange(TABLES[genre][1])
            self.frame = f"{genre}.{i}"
            TABLES[genre][0](self, w, i)
        else:
            i = self.r.randrange(len(FRAMES[genre]))
            self.frame = f"{genre}.{i}"
            self.render(w, FRAMES[genre][i])
        return w.document()

    def one_form(self, template: str) -> str:
        """A column's slot with one of its ways of writing: an export writes a column one way."""
        return re.sub(r"(\{V:\w+:\w+:)([\w/]+)\}",
                      lambda m: m.group(1) + self.r.choice(m.group(2).split("/")) + "}", template)

    def cell(self, w: _Writer, template: str, header: str, quote: bool = False) -> None:
        if quote:
            w.add('"')
        self.render(w, template, header)
        if quote:
            w.add('"')

    def bank_statement(self, w: _Writer, frame: int) -> None:
        r = self.r
        self.v.set_bank()
        w.add(f"{max(self.v.bank[0], key=len)} 거래내역조회\n")
        form = r.choice(("iso", "dot", "compact"))
        self.render(w, "{~조회계좌|계좌번호}: {V:acct:b}   예금주: {name}\n"
                       f"조회기간: {{N:event_date:{form}}} ~ {{N:event_date:{form}}}\n")
        headers = ("거래일시", "적요", "출금액", "입금액", "잔액", "상대계좌", "상대예금주", "메모")
        sep = ("," if frame == 0 else "\t")
        stamp = r.choice(tuple(TIMESTAMP_FORMS))  # one form per export
        counterpart = r.choice(("hyphen", "plain"))
        w.add(sep.join(headers) + "\n")
        for _ in range(r.randrange(3, 8)):
            memo = r.choice(STATEMENT_MEMOS)
            transfer = memo in ("타행이체", "모바일", "인터넷뱅킹") or r.random() < 0.3
            out = r.random() < 0.6
            self.cell(w, "{N:timestamp:%s}" % stamp, headers[0])
            w.add(sep + memo + sep)
            self.cell(w, "{N:amount}" if out else "0", headers[2], frame == 0)
            w.add(sep)
            self.cell(w, "0" if out else "{N:amount}", headers[3], frame == 0)
            w.add(sep)
            self.cell(w, "{N:amount:mid}", headers[4], frame == 0)
            w.add(sep)
            if transfer:
                self.v.set_bank()
                self.cell(w, "{V:acct:h:%s}" % counterpart, headers[5])
                w.add(sep)
                self.cell(w, "{name}", headers[6])
            else:
                w.add(sep + r.choice(("", "(주)" + r.choice(("우아한형제들", "쿠팡", "카카오페이")), "관리사무소")))
            w.add(sep + r.choice(("", "", "월세", "곗돈", "용돈", "더치페이", "축의금")) + "\n")

    def academy_roster(self, w: _Writer, frame: int) -> None:
        r = self.r
        w.add(f"{r.choice(('수학의정석', '해법영어', '리틀피아노', '태권도장', '코딩교실'))} 학원 {r.choice(('봄', '여름', '가을', '겨울'))}학기 등록부\n")
        cols = [("번호", None), ("원생명", "{name}"), ("학년", "{grade}"),
                ("생년월일", "{V:student_dob:h:dot/compact/iso}"),
                (r.choice(("학부모 연락처", "보호자HP", "부모님 전화")), "{V:mobile:h:hyphen/plain/dot/spaced}"),
                ("원생 연락처", "{~{V:mobile:h:hyphen/plain/masked}|-}"), ("수강료", "{N:amount}"),
                ("등록일", "{N:event_date:%s}" % r.choice(tuple(DATE_FORMS)))]
        if frame == 1:
            cols.append(("교재 ISBN", "{N:isbn}"))
        cols = [(h, t and self.one_form(t)) for h, t in cols]
        sep = " | " if frame == 0 else ","
        w.add(sep.join(h for h, _ in cols) + "\n")
        for k in range(r.randrange(2, 6)):
            for i, (h, t) in enumerate(cols):
                if i:
                    w.add(sep)
                self.cell(w, t or str(k + 1), h)
            w.add("\n")

    def crm_export(self, w: _Writer, frame: int) -> None:
        r = self.r
        groups = (("고객정보", (("고객ID", "{N:member_number}"), ("이름", "{name}"),
                                ("생년월일", "{V:dob:h2:iso/dot/compact}"))),
                  ("연락처", (("휴대폰", "{V:mobile:h2:hyphen/plain}"), ("이메일", "{V:email:h2:plain}"))),
                  ("결제정보", (("카드번호", "{V:card:h2:hyphen/masked/plain}"), ("최근주문번호", "{N:order_number}"),
                                ("가입일", "{N:event_date:%s}" % r.choice(("iso", "dot", "compact"))))))
        sep = "," if frame == 0 else "\t"
        w.add(f"[{r.choice(('CRM', '세일즈포스', '고객관리시스템'))} 내보내기] {r.choice(('VIP 고객', '휴면 예정 고객', '이벤트 당첨자'))} 목록\n")
        w.add(sep.join(g + sep * (len(cols) - 1) for g, cols in groups) + "\n")
        flat = [(h, self.one_form(t)) for _, cols in groups for h, t in cols]
        w.add(sep.join(h for h, _ in flat) + "\n")
        for _ in range(r.randrange(2, 5)):
            for i, (h, t) in enumerate(flat):
                if i:
                    w.add(sep)
                self.cell(w, t, h)
            w.add("\n")

    def sql_dump(self, w: _Writer, frame: int) -> None:
        r = self.r
        table = r.choice(("members", "tb_customer", "user_info", "refund_request", "applicants"))
        personal = r.sample([
            (r.choice(("jumin", "rrn", "resident_no")), "{V:rrn:c:hyphen/plain}", True),
            (r.choice(("phone", "mobile_no", "hp")), "{V:mobile:c:hyphen/plain}", True),
            (r.choice(("email", "user_email")), "{V:email:c:plain}", True),
            (r.choice(("birth", "birth_dt")), "{V:dob:c:iso/compact}", True),
            (r.choice(("refund_account", "bank_acct")), "{V:acct:c:hyphen/plain}", True),
        ], r.randrange(1, 4))
        personal = [(c, self.one_form(t), q) for c, t, q in personal]
        other = r.sample([("zipcode", "{N:postal_code}", True), ("last_login_ip", "{N:ip_address}", True)],
                         r.randrange(0, 3))
        cols = [("id", "{N:member_number}", False), (r.choice(("name", "user_name", "cust_nm")), "{name}", True)] + \
            r.sample(personal + other, len(personal) + len(other)) + [("created_at", "{N:timestamp:iso}", True)]
        if frame == 0:
            w.add(f"-- Dumping data for table `{table}`\nLOCK TABLES `{table}` WRITE;\n")
            w.add(f"INSERT INTO `{table}` (" + ", ".join(f"`{c}`" for c, _, _ in cols) + ") VALUES\n")
        else:
            w.add(f"COPY public.{table} (" + ", ".join(c for c, _, _ in cols) + ") FROM stdin;\n")
        rows = r.randrange(2, 5)
        for k in range(rows):
            if frame == 0:
                w.add("(")
            for i, (c, t, quoted) in enumerate(cols):
                if i:
                    w.add("," if frame == 0 else "\t")
                if quoted and frame == 0:
                    w.add("'")
                if c == "id":
                    w.add(str(r.randrange(1000, 99999)))
                else:
                    self.render(w, t, c)
                if quoted and frame == 0:
                    w.add("'")
            w.add(("),\n" if k < rows - 1 else ");\nUNLOCK TABLES;\n") if frame == 0 else "\n")
        if frame == 1:
            w.add("\\.\n")

    def csv_quoted(self, w: _Writer, frame: int) -> None:
        r = self.r
        cols = [("주문번호", "{N:order_number}"), ("주문자", "{name}"), ("주문자 연락처", "{V:mobile:h:hyphen/plain}"),
                ("수령인", "{name}"), ("수령인 연락처", "{V:phone:h:hyphen}"), ("배송지", "{addr}"),
                ("우편번호", "{N:postal_code}"), ("결제금액", "{N:amount}"),
                ("배송메모", "{~문 앞에 놓아 주세요|부재 시 경비실, 연락 부탁드려요|}")]
        if frame == 1:
            cols.insert(3, ("주문자 이메일", "{V:email:h:plain}"))
        cols = [(h, self.one_form(t)) for h, t in cols]
        w.add(",".join(f'"{h}"' for h, _ in cols) + "\n")
        for _ in range(r.randrange(2, 5)):
            for i, (h, t) in enumerate(cols):
                if i:
                    w.add(",")
                self.cell(w, t, h, quote=True)
            w.add("\n")


TABLES = {
    "bank_statement": (_Builder.bank_statement, 2),
    "academy_roster": (_Builder.academy_roster, 2),
    "crm_export": (_Builder.crm_export, 2),
    "sql_dump": (_Builder.sql_dump, 2),
    "csv_quoted": (_Builder.csv_quoted, 2),
}
GENRES = tuple(FRAMES) + tuple(TABLES)


def generate(documents: int = 1500, seed: int = 1) -> list[Document]:
    """`documents` labelled documents, every genre once in a shuffled round before any comes
    again. Same arguments, same documents on every machine."""
    b = _Builder(seed * 1_000_003 + 55)
    out: list[Document] = []
    while len(out) < documents:
        order = list(GENRES)
        b.r.shuffle(order)
        out.extend(b.build(g) for g in order[:documents - len(out)])
    return out


if __name__ == "__main__":
    from labelled import show
    if len(sys.argv) > 1 and sys.argv[1] == "summary":
        t0 = time.perf_counter()
        docs = generate()
        took = time.perf_counter() - t0
        print(f"{len(docs)} documents in {took:.2f} s")
        for group, counts in summary(docs).items():
            print(group, dict(sorted(counts.items(), key=lambda kv: -kv[1])))
    else:
        show(generate(int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)))
