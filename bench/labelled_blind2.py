"""Second blind part ("blind2") of the labelled Korean documents: records as banks, hospitals,
insurers, public offices, shops, schools, couriers and police stations write them (EMR and
nursing notes, claim call memos, petitions, loan forms, payroll exports, PDF and OCR text,
e-mail threads, alert messages, tickets, team chat, contracts, parcel labels, statements,
rosters, sign-up dumps, logs, pasted spreadsheets, call transcripts, bookings).

It was written apart from the detection rules, from how such documents look, and is meant to
be measured rarely and never tuned on. Seeded, nothing is downloaded; values and hard
negatives carry exact spans, like the other parts (`labelled.Document`).

    python bench/quality.py --parts blind2
"""

from __future__ import annotations

import datetime
import random
from dataclasses import dataclass

import corpus
import labelled

PART = "blind2"

# --------------------------------------------------------------------------- pieces


@dataclass(frozen=True)
class Piece:
    """A value as written: what _Writer.value records."""
    kind: str
    text: str
    writing: str
    masked: bool = False


FULLWIDTH = str.maketrans("0123456789-./@", "０１２３４５６７８９－．／＠")
SINO = "공일이삼사오육칠팔구"
MONTHS_EN = ("JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC")
MONTHS_LONG = ("January", "February", "March", "April", "May", "June", "July", "August",
               "September", "October", "November", "December")

SURNAMES = "김이박최정강조윤장임한오서신권황안송류홍전고문양손배백허남심노하곽성차주우구민진"
GIVEN = ("도현 서아 지호 하린 예준 수민 은우 지안 시윤 채은 건희 유나 태민 소연 준혁 다인 현서 민지 "
         "재원 가윤 승민 나은 동훈 보영 정숙 영철 말순 경자 상철 미자 순옥 병철 혜원 승희 기철").split()
ROMAN_GIVEN = ("dohyun seoa jiho harin yejun sumin eunwoo jian siyoon chaeeun gunhee yuna taemin "
               "soyeon junhyuk dain hyunseo minji jaewon gayoon").split()
ROMAN_SUR = "kim lee park choi jeong kang cho yoon jang lim han oh seo shin kwon hwang ahn song".split()
FOREIGN_NAMES = ("NGUYEN VAN AN", "TRAN THI HOA", "WANG XIAOMING", "LI NA", "BATBAYAR GANBOLD",
                 "SITI NURHALIZA", "JOHN MILLER", "RAHMAN MD KARIM", "DORJ SARNAI", "PHAM MINH TUAN",
                 "ZHANG WEI", "SOMCHAI PRASERT", "MARIA SANTOS", "AHMED KHAN")
NATIONS = ("VIETNAM", "CHINA", "MONGOLIA", "INDONESIA", "USA", "BANGLADESH", "PHILIPPINES",
           "THAILAND", "UZBEKISTAN", "NEPAL")
MAIL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                "outlook.kr", "hotmail.com", "yahoo.co.kr", "korea.kr", "hanyang.ac.kr",
                "samhwa-ind.co.kr", "dongbu.or.kr", "mirae-clinic.com")
STREETS = ("테헤란로", "세종대로", "중앙로", "해운대로", "달구벌대로", "둔산로", "상무대로", "월드컵북로",
           "동탄대로", "판교역로", "경인로", "시청로", "은행로", "번영로")
CITIES = ("서울특별시 강남구", "서울특별시 노원구", "서울특별시 마포구", "부산광역시 해운대구",
          "대구광역시 수성구", "인천광역시 연수구", "광주광역시 북구", "대전광역시 유성구",
          "경기도 성남시 분당구", "경기도 화성시", "경기도 고양시 일산동구", "충청북도 청주시 흥덕구",
          "전라북도 전주시 완산구", "경상남도 창원시 의창구", "제주특별자치도 제주시", "강원도 춘천시")
DONGS = ("역삼동", "상계동", "망원동", "우동", "범어동", "송도동", "운암동", "봉명동", "정자동", "반송동",
         "백석동", "복대동", "효자동", "용호동", "노형동", "석사동")
SHOPS = ("GS25 성수역점", "세븐일레븐 부평점", "올리브영 강남본점", "다이소 노원점", "스타벅스 해운대점",
         "이마트 월계점", "CU 정자역점", "홈플러스 청주점", "교보문고 광화문점", "한솥도시락 둔산점",
         "파리바게뜨 범어점", "롯데마트 제주점")
HOSPITALS = ("서울성모연합의원", "미래정형외과의원", "한빛대학교병원", "늘푸른소아청소년과의원",
             "새봄산부인과", "대구중앙병원", "연세밝은안과", "바른척추병원")
DEPTS = ("정형외과", "내과", "소아청소년과", "신경과", "재활의학과", "가정의학과", "응급의학과", "산부인과")
INSURERS = ("한결생명", "다솜화재", "누리손해보험", "청솔생명", "하늘화재해상")
COURIERS = ("CJ대한통운", "한진택배", "롯데택배", "우체국택배", "로젠택배", "경동택배")
COMPANIES = ("(주)삼화산업", "동부정밀(주)", "미래로테크 주식회사", "(주)한빛물류", "새롬식품",
             "대성건설(주)", "(유)해오름", "그린에너지솔루션(주)", "(주)코리아소프트", "청운상사")
TEAM = ("인사팀", "총무팀", "재무팀", "고객지원팀", "CS팀", "영업2팀", "정산팀", "개발팀", "보상팀")

# Bank, with the digit groups its accounts are usually written in.
BANK_SHAPES = {
    "KB국민은행": ((6, 2, 6), (3, 2, 4, 3)), "국민": ((6, 2, 6),),
    "신한은행": ((3, 3, 6),), "신한": ((3, 3, 6),), "우리은행": ((4, 3, 6),), "우리": ((4, 3, 6),),
    "하나은행": ((3, 6, 5),), "하나": ((3, 6, 5),), "NH농협은행": ((3, 4, 4, 2),), "농협": ((3, 4, 4, 2),),
    "IBK기업은행": ((3, 6, 2, 3),), "기업": ((3, 6, 2, 3),), "카카오뱅크": ((4, 2, 7),),
    "토스뱅크": ((4, 4, 4),), "케이뱅크": ((3, 3, 6),), "우체국": ((6, 2, 6),),
    "새마을금고": ((4, 2, 6, 1),), "SC제일은행": ((3, 2, 6),), "부산은행": ((3, 4, 4, 2),),
    "대구은행": ((3, 2, 6, 1),), "iM뱅크": ((3, 2, 6, 1),), "경남은행": ((3, 2, 7),),
    "광주은행": ((3, 3, 6),), "수협": ((3, 2, 6),), "신협": ((3, 3, 6),), "씨티은행": ((3, 6, 3),),
}
BANK_NAMES = tuple(BANK_SHAPES)


def _sino(s: str) -> str:
    return "".join(SINO[int(c)] if c.isdigit() else c for c in s)


def _pick(r: random.Random, table: dict) -> str:
    keys = list(table)
    return r.choices(keys, [table[k] for k in keys])[0]


# --------------------------------------------------------------------------- values


class Maker:
    """Valid values of the ten kinds and the ways people write them."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def digits(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def name(self) -> str:
        return self.r.choice(SURNAMES) + self.r.choice(GIVEN)

    def masked_name(self) -> str:
        n = self.name()
        return n[0] + "*" + n[2:] if self.r.random() < 0.7 else n[0] + "**"

    def roman(self) -> tuple[str, str]:
        return self.r.choice(ROMAN_SUR), self.r.choice(ROMAN_GIVEN)

    def address(self) -> str:
        r = self.r
        s = f"{r.choice(CITIES)} {r.choice(STREETS)} {r.randrange(1, 400)}"
        if r.random() < 0.6:
            s += f", {r.randrange(101, 120)}동 {r.randrange(1, 25)}{r.randrange(1, 9):02d}호"
        return s

    # ------------------------------------------------------------ raw digits
    def rrn(self, lo: int = 1945, hi: int = 2005, foreigner: bool = False, late: bool = False) -> str:
        """13 digits. `late`: a number issued after October 2020, whose last digit is no check."""
        r = self.r
        if late:
            y, m, d = corpus.random_date(r, 2020, 2024)
            if y == 2020 and m < 10:
                m = r.randrange(10, 13)
                d = r.randrange(1, corpus.days_in(y, m) + 1)
            head = f"{y % 100:02d}{m:02d}{d:02d}" + str((7 if foreigner else 3) + r.randrange(2))
            return head + self.digits(6)
        y, m, d = corpus.random_date(r, lo, hi)
        g = (5 if foreigner else 1) if y < 2000 else (7 if foreigner else 3)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{d:02d}"] + [g + r.randrange(2)] + \
            [int(c) for c in self.digits(5)]
        return "".join(map(str, d12 + [corpus.resident_check(d12, foreigner)]))

    def brn(self) -> str:
        r = self.r
        d9 = [r.randrange(1, 10), r.randrange(10), r.randrange(10),
              r.choice((8, 8, 1, 2, 3, 5, 6, 0)), r.randrange(10)] + [int(c) for c in self.digits(4)]
        return "".join(map(str, d9 + [corpus.business_check(d9)]))

    def card_digits(self) -> str:
        r = self.r
        x = r.random()
        if x < 0.1:
            body = [3, r.choice((4, 7))] + [int(c) for c in self.digits(12)]
        else:
            prefix = r.choice(("9410", "9420", "9430", "4", "4", "5", "5", "6250", "3560", "6541"))
            if prefix == "5":
                prefix += str(r.randrange(1, 6))
            body = [int(c) for c in prefix + self.digits(15 - len(prefix))]
        return "".join(map(str, body + [corpus.luhn_check(body)]))

    # ------------------------------------------------------------ written values
    def resident(self, lo: int = 1945, hi: int = 2005, styles: dict | None = None,
                 foreigner: bool = False) -> Piece:
        r = self.r
        kind = "foreigner_registration" if foreigner else "resident"
        late = not foreigner and hi >= 2021 and r.random() < 0.5
        s = self.rrn(min(lo, 2019), min(hi, 2019), foreigner) if not late else self.rrn(lo, hi, foreigner, True)
        a, b = s[:6], s[6:]
        style = _pick(r, styles or {"hyphen": 10, "plain": 2, "space": 1, "masked": 3, "masked_x": 1,
                                    "fullwidth": 0.6, "unicode_dash": 0.5})
        if style == "plain":
            text = s
        elif style == "space":
            text = f"{a} {b}"
        elif style == "masked":
            text = f"{a}-{b[0]}******" if r.random() < 0.8 else f"{a}-*******"
        elif style == "masked_x":
            text = f"{a}-{b[0]}XXXXXX" if r.random() < 0.5 else f"{a}-{b[0]}●●●●●●"
        elif style == "fullwidth":
            text = f"{a}-{b}".translate(FULLWIDTH)
        elif style == "unicode_dash":
            text = f"{a}{r.choice(('‐', '–', '−', '~'))}{b}"
        elif style == "hangul_numerals":
            text = f"{_sino(a)} 다시 {_sino(b)}" if r.random() < 0.3 else f"{_sino(a)}-{_sino(b)}"
        elif style == "ocr":
            text = f"{a}-{b}".replace("1", "l", 1) if "1" in s else f"{a} - {b}"
        else:
            style, text = "hyphen", f"{a}-{b}"
        if late and style not in ("masked", "masked_x", "hangul_numerals"):
            style = "post2020_" + style
        return Piece(kind, text, style, style.startswith("masked"))

    def business(self, styles: dict | None = None) -> Piece:
        r = self.r
        s = self.brn()
        style = _pick(r, styles or {"hyphen": 10, "plain": 2, "space": 0.7, "masked": 0.6,
                                    "fullwidth": 0.3})
        g = (s[:3], s[3:5], s[5:])
        text = {"plain": s, "space": " ".join(g), "masked": f"{g[0]}-{g[1]}-*****",
                "fullwidth": "-".join(g).translate(FULLWIDTH)}.get(style, "-".join(g))
        if style not in ("plain", "space", "masked", "fullwidth"):
            style = "hyphen"
        return Piece("business_registration", text, style, style == "masked")

    def card(self, styles: dict | None = None) -> Piece:
        r = self.r
        s = self.card_digits()
        g = [s[:4], s[4:10], s[10:]] if len(s) == 15 else [s[i:i + 4] for i in range(0, 16, 4)]
        style = _pick(r, styles or {"hyphen": 8, "space": 3, "plain": 2, "masked": 3, "fullwidth": 0.3})
        if style == "masked":
            if len(g) == 4:
                text = r.choice((f"{g[0]}-{g[1][:2]}**-****-{g[3]}", f"{g[0]}-****-****-{g[3]}",
                                 f"{g[0]}-{g[1]}-****-{g[3][:3]}*", f"{g[0]} **** **** {g[3]}"))
            else:
                text = f"{g[0]}-******-*{g[2][1:]}"
        elif style == "space":
            text = " ".join(g)
        elif style == "plain":
            text = s
        elif style == "fullwidth":
            text = "-".join(g).translate(FULLWIDTH)
        else:
            style, text = "hyphen", "-".join(g)
        return Piece("credit_card", text, style, style == "masked")

    def account(self, bank: str | None = None, styles: dict | None = None) -> Piece:
        r = self.r
        shape = r.choice(BANK_SHAPES[bank or r.choice(BANK_NAMES)])
        g = [self.digits(n) for n in shape]
        if shape[0] == 4 and shape[1] == 2 and shape[2] == 7:      # Kakao: 3333-...
            g[0] = r.choice(("3333", "3355", "7942"))
        style = _pick(r, styles or {"hyphen": 10, "plain": 4, "masked": 1.5, "space": 0.7})
        if style == "plain":
            text = "".join(g)
        elif style == "space":
            text = " ".join(g)
        elif style == "masked":
            h = list(g)
            i = max(j for j, grp in enumerate(h) if len(grp) >= 4)    # the last group of four digits or more
            h[i] = h[i][:len(h[i]) - 4] + "**" + h[i][-2:]
            text = "-".join(h)
        else:
            style, text = "hyphen", "-".join(g)
        return Piece("bank_account", text, style, style == "masked")

    def phone_groups(self, landline: float = 0.15) -> list[str]:
        r = self.r
        x = r.random()
        if x < landline:
            area = r.choice(("02", "02", "031", "032", "051", "053", "042", "062", "064", "055", "070"))
            mid = str(r.randrange(2, 10)) + self.digits(2 if area == "02" and r.random() < 0.4 else 3)
            return [area, mid, self.digits(4)]
        if x < landline + 0.03:
            return [r.choice(("011", "016", "019")), str(r.randrange(2, 10)) + self.digits(2), self.digits(4)]
        return ["010", str(r.randrange(2, 10)) + self.digits(3), self.digits(4)]

    def phone(self, styles: dict | None = None, landline: float = 0.15) -> Piece:
        r = self.r
        g = self.phone_groups(landline)
        style = _pick(r, styles or {"hyphen": 12, "plain": 3, "space": 2, "dot": 1, "paren": 1,
                                    "intl": 1.2, "masked": 2, "fullwidth": 0.4})
        mobile = g[0].startswith("01")
        if style == "plain":
            text = "".join(g)
        elif style == "space":
            text = " ".join(g)
        elif style == "dot":
            text = ".".join(g)
        elif style == "paren":
            text = f"({g[0]}) {g[1]}-{g[2]}" if r.random() < 0.6 else f"{g[0]}){g[1]}-{g[2]}"
        elif style == "intl":
            rest = [g[0][1:]] + g[1:]
            text = r.choice((f"+82-{'-'.join(rest)}", f"+82 {' '.join(rest)}", f"+82 {rest[0]}-{rest[1]}-{rest[2]}",
                             f"+82{''.join(rest)}", f"82-{'-'.join(rest)}", f"0082-{'-'.join(rest)}",
                             f"(+82) {'-'.join(rest)}"))
        elif style == "masked":
            text = r.choice((f"{g[0]}-{'*' * len(g[1])}-{g[2]}", f"{g[0]}-{g[1][:2]}**-{g[2]}",
                             f"{g[0]}-{g[1]}-**{g[2][2:]}", f"{g[0]}-****-{g[2]}"))
        elif style == "fullwidth":
            text = "-".join(g).translate(FULLWIDTH)
        elif style == "hangul_numerals":
            text = r.choice((" ".join(_sino(x) for x in g), "에 ".join(_sino(x) for x in g),
                             "-".join(_sino(x) for x in g)))
        elif style == "hangul_mixed":
            text = f"{_sino(g[0])} {g[1]} {g[2]}" if r.random() < 0.6 else f"{g[0]} {g[1]}에 {_sino(g[2])}"
        elif style == "spoken_digits":
            text = r.choice(("에 ".join(g), " ".join(g) if mobile else "국번 ".join(g[:2]) + " " + g[2]))
        elif style == "no_leading_zero":
            text = "".join(g)[1:]
        elif style == "safe_number":
            text = f"050{r.choice('2456')}-{self.digits(4)}-{self.digits(4)}"
        else:
            style, text = "hyphen", "-".join(g)
        return Piece("phone", text, style, style == "masked")

    def email(self, styles: dict | None = None, domain: str | None = None) -> Piece:
        r = self.r
        sur, given = self.roman()
        local = r.choice((f"{given}.{sur}", f"{sur}{given}{r.randrange(1, 100)}", f"{given[0]}{sur}",
                          f"{given}_{r.randrange(1980, 2006)}", f"{sur}.{given}{r.randrange(10)}",
                          f"{given}{sur[0]}", f"{sur}_{given}"))
        dom = domain or r.choice(MAIL_DOMAINS)
        style = _pick(r, styles or {"plain": 20, "upper": 0.6, "masked": 1.5, "at_word": 0.8,
                                    "fullwidth_at": 0.3, "spaced": 0.4})
        if style == "upper":
            text = f"{local}@{dom}".upper() if r.random() < 0.5 else f"{local.capitalize()}@{dom}"
        elif style == "masked":
            text = f"{local[:2]}{'*' * max(3, len(local) - 2)}@{dom}"
        elif style == "at_word":
            at, dot = r.choice((("(at)", "."), (" [at] ", " [dot] "), (" 골뱅이 ", "."), ("(골뱅이)", "."),
                                (" at ", " dot ")))
            text = f"{local}{at}{dom.replace('.', dot)}"
        elif style == "fullwidth_at":
            text = f"{local}＠{dom}"
        elif style == "spaced":
            text = f"{local} @ {dom}"
        else:
            style, text = "plain", f"{local}@{dom}"
        return Piece("email", text, style, style == "masked")

    def license(self, styles: dict | None = None) -> Piece:
        r = self.r
        region = r.choice(list(range(11, 27)) + [28])
        g = [str(region), f"{r.randrange(0, 25) if r.random() < 0.5 else r.randrange(85, 100):02d}",
             self.digits(6), self.digits(2)]
        style = _pick(r, styles or {"hyphen": 10, "region_name": 2, "plain": 1.5, "space": 1, "masked": 0.8})
        if style == "region_name":
            names = {11: "서울", 12: "부산", 13: "경기", 14: "강원", 15: "충북", 16: "충남", 17: "전북",
                     18: "전남", 19: "경북", 20: "경남", 21: "제주", 22: "대구", 23: "인천", 24: "광주",
                     25: "대전", 26: "울산", 28: "경기북부"}
            text = f"{names[region]} {'-'.join(g[1:])}" if r.random() < 0.7 else f"{names[region]}{'-'.join(g[1:])}"
        elif style == "plain":
            text = "".join(g)
        elif style == "space":
            text = " ".join(g)
        elif style == "masked":
            text = f"{g[0]}-{g[1]}-{g[2][:2]}****-{g[3]}"
        else:
            style, text = "hyphen", "-".join(g)
        return Piece("driver_license", text, style, style == "masked")

    def birth_ymd(self, lo: int = 1945, hi: int = 2005) -> tuple[int, int, int]:
        return corpus.random_date(self.r, lo, hi)

    def birth(self, lo: int = 1945, hi: int = 2005, styles: dict | None = None,
              ymd: tuple[int, int, int] | None = None) -> Piece:
        r = self.r
        y, m, d = ymd or self.birth_ymd(lo, hi)
        style = _pick(r, styles or {"iso": 6, "dot": 5, "dot_spaced": 2, "compact": 3, "yymmdd": 3,
                                    "korean": 3, "korean_short": 1, "slash": 1.5, "yy_dot": 1,
                                    "english": 0.5, "dmy_slash": 0.4})
        text = {
            "iso": f"{y}-{m:02d}-{d:02d}",
            "dot": f"{y}.{m:02d}.{d:02d}",
            "dot_spaced": f"{y}. {m}. {d}." if r.random() < 0.7 else f"{y}. {m:02d}. {d:02d}",
            "compact": f"{y}{m:02d}{d:02d}",
            "yymmdd": f"{y % 100:02d}{m:02d}{d:02d}",
            "korean": f"{y}년 {m}월 {d}일" if r.random() < 0.8 else f"{y}년{m:02d}월{d:02d}일",
            "korean_short": f"{y % 100:02d}년 {m}월 {d}일",
            "slash": f"{y}/{m:02d}/{d:02d}",
            "yy_dot": f"{y % 100:02d}.{m:02d}.{d:02d}",
            "english": r.choice((f"{d:02d} {MONTHS_EN[m - 1]} {y}", f"{MONTHS_LONG[m - 1]} {d}, {y}",
                                 f"{d} {MONTHS_LONG[m - 1][:3]} {y}")),
            "dmy_slash": f"{d:02d}/{m:02d}/{y}",
            "hangul_numerals": _sino(f"{y % 100:02d}{m:02d}{d:02d}"),
            "fullwidth": f"{y}-{m:02d}-{d:02d}".translate(FULLWIDTH),
        }.get(style)
        if text is None:
            style, text = "iso", f"{y}-{m:02d}-{d:02d}"
        return Piece("birth_date", text, style)

    def passport_no(self, new: bool | None = None) -> str:
        r = self.r
        if new is None:
            new = r.random() < 0.45
        if new:
            return r.choice("MMMMSRO") + self.digits(3) + r.choice("ABCDEFGHJK") + self.digits(4)
        return r.choice("MMMMSRDG") + self.digits(8)

    def passport(self, styles: dict | None = None, foreign: bool = False) -> Piece:
        r = self.r
        if foreign:
            text = r.choice((lambda: "E" + self.digits(8), lambda: "C" + self.digits(7),
                             lambda: "P" + self.digits(7) + r.choice("AB"), lambda: "FA" + self.digits(7),
                             lambda: "E" + self.digits(8)))()
            return Piece("passport", text, "foreign")
        style = _pick(r, styles or {"old": 5, "new": 5, "lower": 0.3, "spaced": 0.4})
        if style == "new":
            text = self.passport_no(True)
        elif style == "lower":
            text = self.passport_no().lower()
        elif style == "spaced":
            p = self.passport_no(False)
            text = f"{p[0]} {p[1:]}"
        else:
            style, text = "old", self.passport_no(False)
        return Piece("passport", text, style)

    def ocr(self, p: Piece, chance: float) -> Piece:
        """What a scanner sometimes makes of a value: one digit read as a look-alike letter, or
        spaces around a hyphen."""
        r = self.r
        if p.masked or r.random() >= chance:
            return p
        spots = [i for i, c in enumerate(p.text) if c in "0158" and 0 < i < len(p.text) - 1]
        if spots and r.random() < 0.6:
            i = r.choice(spots)
            letter = r.choice({"0": "OoD", "1": "lI|", "5": "S", "8": "B"}[p.text[i]])
            if letter == "|":
                letter = "l"
            return Piece(p.kind, p.text[:i] + letter + p.text[i + 1:], "ocr_letter")
        if "-" in p.text:
            return Piece(p.kind, p.text.replace("-", " - ", 1), "ocr_spaced")
        return p

    def broken(self, p: Piece) -> Piece:
        """A value cut by the end of a line, as text extracted from a PDF often is."""
        cut = p.text.rfind("-")
        if cut <= 0:
            return p
        return Piece(p.kind, p.text[:cut + 1] + "\n" + p.text[cut + 1:], "line_broken", p.masked)

    def make(self, kind: str, **kw) -> Piece:
        return {"resident": self.resident, "foreigner_registration": lambda **k: self.resident(foreigner=True, **k),
                "business_registration": self.business, "credit_card": self.card,
                "bank_account": self.account, "phone": self.phone, "email": self.email,
                "driver_license": self.license, "birth_date": self.birth, "passport": self.passport}[kind](**kw)

    # ------------------------------------------------------------ look-alikes
    def date_text(self, lo: int = 2018, hi: int = 2025, style: str | None = None) -> str:
        r = self.r
        y, m, d = corpus.random_date(r, lo, hi)
        style = style or r.choice(("iso", "dot", "dot", "korean", "dot_spaced", "compact", "slash", "yy_dot"))
        return {"iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}", "korean": f"{y}년 {m}월 {d}일",
                "dot_spaced": f"{y}. {m}. {d}.", "compact": f"{y}{m:02d}{d:02d}", "slash": f"{y}/{m:02d}/{d:02d}",
                "yy_dot": f"{y % 100:02d}.{m:02d}.{d:02d}"}[style]

    def negative(self, category: str) -> str:
        r = self.r
        dg = self.digits
        y = r.randrange(2019, 2026)
        ymd = f"{y}{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}"
        f = {
            "order_number": lambda: r.choice((f"{ymd}-{dg(7)}", f"ORD{ymd}{dg(6)}", f"{ymd}{dg(8)}",
                                              f"{dg(4)}-{dg(4)}-{dg(4)}-{dg(2)}", f"{y % 100}{dg(10)}")),
            "member_number": lambda: r.choice((f"M{dg(9)}", f"{dg(10)}", f"{y}-{dg(6)}", f"HM{dg(8)}", dg(12))),
            "reservation_number": lambda: r.choice((f"R{ymd[2:]}{dg(5)}", "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(6)),
                                                    f"{dg(4)}-{dg(4)}-{dg(4)}", f"{ymd}{dg(4)}")),
            "tracking_number": lambda: r.choice((f"{dg(4)}-{dg(4)}-{dg(4)}", dg(12), f"6{dg(12)}",
                                                 f"{dg(3)}-{dg(4)}-{dg(4)}", dg(10), f"{dg(4)} {dg(4)} {dg(4)}")),
            "invoice_number": lambda: r.choice((f"{ymd}-{r.choice(('41', '10', '42'))}000{dg(3)}-{dg(8)}",
                                                f"INV-{y}-{dg(5)}", f"{ymd}{dg(8)}")),
            "policy_number": lambda: r.choice((f"{dg(4)}-{dg(4)}-{dg(4)}-{dg(2)}", f"L{y}{dg(8)}",
                                               f"{dg(3)}-{dg(7)}-{dg(3)}", dg(13), f"{dg(2)}-{dg(6)}-{dg(6)}")),
            "claim_number": lambda: r.choice((f"{y}-{dg(7)}", f"C{ymd[2:]}-{dg(5)}", f"{ymd}{dg(5)}",
                                              f"{dg(3)}-{dg(2)}-{dg(5)}")),
            "company_phone": lambda: r.choice((f"{r.choice(('1588', '1577', '1544', '1566', '1599', '1644', '1661', '1670', '1688', '1800', '1833', '1855', '1899'))}-{dg(4)}",
                                               f"080-{r.randrange(200, 999)}-{dg(4)}", f"080{r.randrange(200, 999)}{dg(4)}",
                                               f"{r.choice(('1588', '1577', '1644'))}{dg(4)}", f"{r.choice(('1588', '1544'))} {dg(4)}")),
            "event_date": lambda: self.date_text(),
            "price": lambda: r.choice((f"{r.randrange(1, 90000) * 100:,}원", f"{r.randrange(10, 500000) * 100:,}",
                                       f"₩{r.randrange(1, 5000) * 1000:,}", f"{r.randrange(100, 99999) * 1000:,} 원")),
            "internal_code": lambda: r.choice((f"{dg(3)}-{dg(2)}-{dg(4)}", f"{dg(4)}-{dg(3)}-{dg(5)}",
                                               f"{dg(2)}-{dg(4)}-{dg(6)}", f"{r.choice('ABKP')}{dg(2)}-{dg(6)}",
                                               f"{dg(6)}-{dg(3)}")),
            "ip_address": lambda: r.choice((f"{r.choice((211, 210, 121, 175, 59, 1, 222, 118))}.{r.randrange(256)}.{r.randrange(256)}.{r.randrange(1, 255)}",
                                            f"10.{r.randrange(256)}.{r.randrange(256)}.{r.randrange(1, 255)}",
                                            f"192.168.{r.randrange(256)}.{r.randrange(1, 255)}")),
            "version": lambda: r.choice((f"{r.randrange(1, 20)}.{r.randrange(30)}.{r.randrange(100)}",
                                         f"v{r.randrange(1, 9)}.{r.randrange(20)}.{r.randrange(50)}",
                                         f"10.0.{r.randrange(10000, 26000)}.{r.randrange(100, 4000)}",
                                         f"{r.randrange(100, 131)}.0.{r.randrange(1000, 7000)}.{r.randrange(10, 200)}")),
            "serial_number": lambda: r.choice((f"R{dg(2)}{r.choice('NMT')}{dg(3)}{r.choice('ABCXYZ')}{dg(4)}",
                                               f"SN{dg(12)}", f"{r.choice(('C02', 'F4G', 'DMP'))}{dg(4)}{r.choice('QRX')}{dg(4)}",
                                               f"{dg(4)}-{dg(4)}-{dg(4)}-{dg(4)}")),
            "approval_number": lambda: r.choice((dg(8), f"{dg(8)}", f"{dg(4)} {dg(4)}")),
            "transaction_number": lambda: r.choice((f"{dg(4)}-{dg(4)}-{dg(4)}", f"{ymd}{dg(10)}", f"T{dg(12)}")),
            "patient_number": lambda: r.choice((dg(8), f"{dg(2)}-{dg(6)}", dg(10))),
            "case_number": lambda: r.choice((f"{y}가단{r.randrange(1000, 999999)}", f"{y}고단{r.randrange(100, 9999)}",
                                             f"{y}형제{r.randrange(1000, 99999)}", f"{y}-{dg(6)}",
                                             f"제{y}-{dg(5)}호")),
            "student_number": lambda: f"{y}{dg(4)}" if r.random() < 0.6 else f"{y % 100}{dg(6)}",
            "employee_number": lambda: r.choice((f"{r.choice('ABEK')}{dg(5)}", f"{y}{dg(4)}", f"{y % 100}-{dg(4)}")),
            "postal_code": lambda: f"{r.randrange(1, 64):02d}{dg(3)}",
            "isbn": lambda: self._isbn(),
            "card_expiry": lambda: f"{r.randrange(1, 13):02d}/{r.randrange(25, 32)}",
            "workplace_number": lambda: f"{self.brn()[:3]}-{dg(2)}-{dg(5)}-{dg(1)}",
            "ticket_number": lambda: f"{r.choice(('180', '988', '081', '618'))}-{dg(10)}" if r.random() < 0.5 else f"{r.choice(('180', '988'))}{dg(10)}",
            "lot_address": lambda: f"{r.choice(DONGS)} {r.randrange(1, 999)}-{r.randrange(1, 99)}",
            "model_number": lambda: r.choice((f"SM-{r.choice('SAGFN')}{dg(3)}{r.choice('NK')}", f"LG-{dg(4)}",
                                              f"{r.choice(('NT', 'AX', 'WF'))}{dg(3)}{r.choice('XVQ')}{dg(2)}")),
            "broker_registration": lambda: f"{r.randrange(11000, 48999)}-{y - r.randrange(2, 15)}-{dg(5)}",
            "vehicle_vin": lambda: "KMH" + "".join(r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(14)),
            "account_balance": lambda: f"{r.randrange(1, 90000000):,}",
        }[category]
        return f()

    def _isbn(self) -> str:
        body = [9, 7, 9, 1, 1] + [int(c) for c in self.digits(7)]
        s = "".join(map(str, body)) + str(corpus.isbn_check(body))
        return f"{s[:3]}-{s[3:5]}-{s[5:9]}-{s[9:12]}-{s[12]}"


# --------------------------------------------------------------------------- labels

LABELS = {
    "resident": ("주민등록번호", "주민번호", "주민등록 번호", "주민No.", "실명번호", "주민(법인)등록번호",
                 "RRN", "주민등록번호(13자리)", "주민 번호"),
    "foreigner_registration": ("외국인등록번호", "외국인 등록번호", "외국인번호", "등록번호(외국인)", "ARC No.",
                               "Alien Reg. No.", "외국인등록증 번호", "거소신고번호"),
    "business_registration": ("사업자등록번호", "사업자번호", "사업자 등록번호", "Biz No.", "사업자No",
                              "사업자 번호"),
    "credit_card": ("카드번호", "카드 번호", "결제카드", "신용카드번호", "카드No", "Card No.", "체크카드번호",
                    "카드정보"),
    "bank_account": ("계좌번호", "입금계좌", "환불계좌", "급여계좌", "출금계좌", "Acct No.", "지급계좌",
                     "상환계좌", "자동이체 계좌", "보험금 수령계좌"),
    "phone": ("연락처", "휴대폰", "핸드폰", "휴대전화", "H.P", "HP", "Tel", "TEL", "Mobile", "전화번호", "C.P",
              "휴대폰번호", "연락처(휴대폰)", "Phone"),
    "email": ("이메일", "E-mail", "전자우편", "메일", "Email", "e메일", "이메일 주소", "메일주소"),
    "driver_license": ("운전면허번호", "면허번호", "운전면허", "면허증번호", "Driver License No.", "운전면허 번호",
                       "면허 No."),
    "birth_date": ("생년월일", "생일", "출생일", "DOB", "Date of Birth", "생년월일(8자리)", "Birth", "출생년월일"),
    "passport": ("여권번호", "여권 번호", "Passport No.", "여권No", "여권", "PP No."),
}
SEPS = (": ", ":", " : ", " ", "  ", "：", " - ", ") ", " | ", "\t")


# --------------------------------------------------------------------------- documents


class _Doc:
    """One document under construction: text, values and look-alikes at exact offsets."""

    def __init__(self, genre: str, r: random.Random) -> None:
        self.genre, self.r, self.m = genre, r, Maker(r)
        self.w = labelled._Writer(genre, PART)

    def t(self, *parts: str) -> None:
        for p in parts:
            self.w.add(p)

    def put(self, p: Piece, label: str, label_text: str = "", frame: str = "") -> Piece:
        self.w.value(p, label, label_text, f"{self.genre}/{frame or label}")
        return p

    def v(self, kind: str, label: str, label_text: str = "", frame: str = "", **kw) -> Piece:
        return self.put(self.m.make(kind, **kw), label, label_text, frame)

    def n(self, category: str, text: str | None = None, phrasing: str = "") -> str:
        text = text if text is not None else self.m.negative(category)
        self.w.negative(category, text, f"{self.genre}/{phrasing or category}")
        return text

    def label(self, kind: str) -> str:
        return self.r.choice(LABELS[kind])

    def kv(self, kind: str, label: str | None = None, sep: str | None = None, end: str = "\n",
           frame: str = "kv", **kw) -> Piece:
        """`label: value` on one line."""
        label = label or self.label(kind)
        self.t(label, sep if sep is not None else self.r.choice(SEPS))
        p = self.v(kind, "label_before", label, frame, **kw)
        self.t(end)
        return p

    def kn(self, label: str, category: str, sep: str = ": ", end: str = "\n") -> str:
        self.t(label, sep)
        s = self.n(category, phrasing=label)
        self.t(end)
        return s

    def chance(self, p: float) -> bool:
        return self.r.random() < p

    def document(self) -> labelled.Document:
        d = self.w.document()
        d.part = PART
        return d


def _name_line(d: _Doc, label: str = "성명", sep: str = ": ") -> str:
    n = d.m.name()
    d.t(f"{label}{sep}{n}\n")
    return n


# 1. outpatient EMR progress note -------------------------------------------------------------
def emr_note(d: _Doc) -> None:
    r, m = d.r, d.m
    hosp, dept = r.choice(HOSPITALS), r.choice(DEPTS)
    d.t(f"[외래 경과기록] {hosp} {dept}        출력일시 ")
    d.n("event_date", m.date_text(2023, 2025, "iso"), "출력일시")
    d.t(f" {r.randrange(8, 19):02d}:{r.randrange(60):02d}\n")
    d.t("등록번호: ")
    d.n("patient_number", phrasing="등록번호")
    age = r.randrange(0, 6) if "소아" in hosp or d.chance(0.08) else r.randrange(20, 90)
    y = 2024 - age
    d.t(f"   환자명: {m.name()} ({r.choice('MF')}/{age})\n")
    if d.chance(0.2):
        d.t(r.choice(("외국인등록번호: ", "등록번호(외국인): ", "ARC: ")))
        d.v("foreigner_registration", "label_before", "외국인등록번호", "emr_head", lo=y - 1, hi=y,
            styles={"masked": 3, "hyphen": 3})
        d.t("   ")
    elif d.chance(0.5):
        d.t("주민번호: ")
        d.v("resident", "label_before", "주민번호", "emr_head", lo=y - 1, hi=y,
            styles={"masked": 5, "hyphen": 3, "masked_x": 1})
        d.t("   ")
    d.t(r.choice(("생년월일: ", "DOB: ", "생년월일 ")))
    d.v("birth_date", "label_before", "생년월일", "emr_head", lo=y - 1, hi=y)
    d.t("\n")
    if d.chance(0.8):
        d.kv("phone", r.choice(("연락처", "환자 연락처", "HP", "Tel")), ": ", "   ")
        rel = r.choice(("배우자", "딸", "아들", "모", "부", "며느리"))
        d.t(f"보호자: {m.name()}({rel}) ")
        d.v("phone", "label_before", "보호자", "emr_guardian", landline=0.05)
        d.t("\n")
    d.t("진료일: ")
    d.n("event_date", m.date_text(2024, 2025), "진료일")
    d.t(f"  진료의: {m.name()}  보험유형: {r.choice(('건강보험', '의료급여 1종', '자동차보험', '산재'))}\n\n")
    d.t(r.choice(("S) ", "C.C: ", "S: ")) + r.choice((
        "3일 전부터 우측 무릎 통증, 계단 오를 때 악화됨.", "기침, 가래 1주일째. 야간에 심해짐.",
        "어지럼증 반복, 오전에 심함. 구역감 동반.", "허리 통증 방사통(좌측 하지) 2주.",
        "38.5도 발열 이틀째, 식사량 감소.")) + "\n")
    d.t(f"O) BP {r.randrange(100, 160)}/{r.randrange(60, 100)}, HR {r.randrange(55, 110)}, "
        f"BT {r.randrange(360, 392) / 10}\n")
    d.t(r.choice(("A) ", "Imp) ")) + r.choice(("퇴행성 관절염 의심", "급성 기관지염", "BPPV r/o",
                                                "요추 추간판 탈출증 r/o", "상기도 감염")) + "\n")
    d.t(r.choice(("P) ", "Plan) ")) + r.choice(("X-ray 촬영 후 약물치료, 2주 후 재진.", "처방 5일분, 호전 없으면 재내원.",
                                                 "MRI 예약, 결과 보고 다시 설명 예정.")) + "\n")
    if d.chance(0.35):
        d.t("※ 실손보험 서류 요청, 진단서 발급 후 ")
        d.v("email", "no_label", "", "emr_mail") if d.chance(0.5) else d.v("phone", "no_label", "", "emr_sms",
                                                                            landline=0)
        d.t(r.choice((" 로 송부 요청함.\n", " 으로 보내드림.\n")))
    if d.chance(0.3):
        d.t("수납: 본인부담금 ")
        d.n("price", phrasing="본인부담금")
        d.t(", 승인번호 ")
        d.n("approval_number", phrasing="승인번호")
        d.t("\n")


# 2. nursing handover notes -----------------------------------------------------------------
def nursing_note(d: _Doc) -> None:
    r, m = d.r, d.m
    ward = r.randrange(3, 12)
    d.t(f"<{ward}병동 간호 인계> ")
    d.n("event_date", m.date_text(2024, 2025, r.choice(("dot", "iso", "yy_dot"))), "인계일")
    d.t(f" {r.choice(('Day→Eve', 'Eve→Night', 'Night→Day'))}\n")
    for _ in range(r.randrange(2, 5)):
        age = r.randrange(1, 95)
        d.t(f"- {ward}{r.randrange(1, 30):02d}호 {m.name()} ")
        if d.chance(0.3):
            d.t("(")
            d.v("birth_date", "label_after", "생", "nursing_born", lo=2023 - age, hi=2023 - age,
                styles={"yymmdd": 3, "yy_dot": 1, "compact": 1})
            d.t(f"생, {r.choice('MF')}) #")
        else:
            d.t(f"({r.choice('MF')}/{age}) #")
        d.n("patient_number", phrasing="#")
        d.t(" " + r.choice(("POD#2 통증 NRS 4, PCA 유지", "V/S stable, 식이 SOW 진행", "낙상 고위험, 침상난간 올림",
                            "BST 213 → RI 4u sc", "야간 섬망 있음, 보호자 상주", "I/O 체크 중, 소변량 감소")) + "\n")
        x = r.random()
        if x < 0.35:
            d.t(f"  보호자({r.choice(('딸', '아들', '배우자', '모'))}) 연락처 변경 → ")
            d.v("phone", "label_before", "보호자 연락처", "nursing_guardian", landline=0.05)
            d.t("\n")
        elif x < 0.55:
            d.t("  보호자 " + r.choice(("번호", "폰", "HP")) + " ")
            d.v("phone", "label_before", "보호자 번호", "nursing_guardian",
                styles={"plain": 3, "hyphen": 5, "space": 1}, landline=0)
            d.t(" (야간 연락 가능)\n")
        elif x < 0.7 and age < 5:
            d.t("  환아 생년월일 ")
            d.v("birth_date", "label_before", "생년월일", "nursing_child", lo=2020, hi=2024)
            d.t(" / 주민번호 ")
            d.v("resident", "label_before", "주민번호", "nursing_child", lo=2020, hi=2024,
                styles={"hyphen": 3, "masked": 1})
            d.t("\n")
        elif x < 0.8:
            d.t(f"  생일 ")
            d.v("birth_date", "label_before", "생일", "nursing_birthday", lo=2024 - age - 1, hi=2024 - age,
                styles={"dot": 2, "yymmdd": 2, "korean": 1, "yy_dot": 1})
            d.t(" 확인함(환자확인 2가지)\n")
    d.t(f"특이사항 없음. 인계자 {m.name()} / 인수자 {m.name()}\n")


# 3. insurance claim call memo ----------------------------------------------------------------
def claim_memo(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(f"[{r.choice(INSURERS)} 보상상담 이력]\n상담일시 ")
    d.n("event_date", m.date_text(2024, 2025, "iso"), "상담일시")
    d.t(f" {r.randrange(9, 18):02d}:{r.randrange(60):02d}  인입: {r.choice(('ARS', '콜백', '지점 이관', '챗봇 전환'))}\n")
    d.t("증권번호 ")
    d.n("policy_number", phrasing="증권번호")
    d.t("  사고접수번호 ")
    d.n("claim_number", phrasing="사고접수번호")
    d.t("\n")
    y = r.randrange(1950, 2003)
    d.t(f"- 피보험자 {m.name()} 님, 본인확인 ")
    if d.chance(0.15):
        d.t("외국인등록번호 ")
        d.v("foreigner_registration", "label_before", "외국인등록번호", "claim_id", lo=y, hi=y,
            styles={"masked": 3, "hyphen": 2, "plain": 1})
    elif d.chance(0.6):
        d.t("주민번호 ")
        d.v("resident", "label_before", "주민번호", "claim_id", lo=y, hi=y,
            styles={"masked": 4, "hyphen": 2, "plain": 1})
    else:
        d.t("생년월일 ")
        d.v("birth_date", "label_before", "생년월일", "claim_id", lo=y, hi=y,
            styles={"yymmdd": 4, "compact": 2, "dot": 1, "korean": 1})
    d.t(" 일치.\n")
    d.t("- 사고일 ")
    d.n("event_date", m.date_text(2024, 2025), "사고일")
    if d.chance(0.35):
        d.t(" 자동차사고, 운전자 면허번호 ")
        d.v("driver_license", "label_before", "면허번호", "claim_car")
        d.t(",")
    d.t(r.choice((" 자전거 낙상, 손목 골절로 수술.", " 주차장 접촉사고, 대물 처리 문의.", " 계단에서 넘어져 발목 인대 손상.",
                  " 장염으로 2일 입원.")) + "\n")
    bank = r.choice(BANK_NAMES)
    x = r.random()
    if x < 0.5:
        d.t(f"- 보험금 수령계좌 {bank} ")
        d.v("bank_account", "label_before", "보험금 수령계좌", "claim_account", bank=bank)
        d.t(f" (예금주 본인)\n")
    elif x < 0.8:
        d.t("- 고객이 계좌 변경 요청 → ")
        d.t(f"{bank} ")
        d.v("bank_account", "bank_name", bank, "claim_account", bank=bank)
        d.t(" 으로 변경 처리\n")
    else:
        d.t("- 환급금 입금 어디로 해드릴까요 문의, 고객 답변:\n  ")
        d.v("bank_account", "question_before", "입금", "claim_account", bank=bank,
            styles={"plain": 2, "hyphen": 3})
        d.t(f" {bank}\n")
    d.t("- 청구금액 ")
    d.n("price", phrasing="청구금액")
    d.t(", 서류: 진단서, 영수증, 세부내역서\n")
    if d.chance(0.6):
        d.t("- 서류 회신 ")
        if d.chance(0.5):
            d.t("팩스 말고 메일로: ")
            d.v("email", "label_before", "메일", "claim_mail")
        else:
            d.t("문자 받을 번호 ")
            d.v("phone", "label_before", "번호", "claim_sms", landline=0)
        d.t("\n")
    d.t(f"- 고객센터 ")
    d.n("company_phone", phrasing="고객센터")
    d.t(f" 안내, 상담원 {m.name()}\n")


# 4. civil petition form (exported from an online petition system) ----------------------------
def civil_petition(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(r.choice(("민원 신청서\n", "■ 민원신청 내역 (출력본)\n", "[국민신문고] 민원 신청 내용\n")))
    d.t("신청번호 ")
    d.n("case_number", f"{r.choice(('1AA', '2AB', '1AD'))}-{r.randrange(2301, 2513)}-{m.digits(7)}", "신청번호")
    d.t("   신청일 ")
    d.n("event_date", m.date_text(2024, 2025), "신청일")
    d.t("\n\n■ 신청인 정보\n")
    _name_line(d, r.choice(("성명", "성 명", "신청인")), r.choice((" ", ": ", "\t")))
    if d.chance(0.6):
        d.kv("birth_date", r.choice(("생년월일", "생 년 월 일", "생년월일(8자리)")), r.choice((" ", ": ", "\t")))
    else:
        d.kv("resident", r.choice(("주민등록번호", "주민등록번호(앞 6자리-뒤 1자리)")), r.choice((" ", ": ", "\t")),
             styles={"masked": 5, "hyphen": 2})
    d.t(f"주소 {m.address()}\n")
    d.kv("phone", r.choice(("휴대전화", "휴대전화번호", "연락처", "전화번호")), r.choice((" ", ": ", "\t")), landline=0.05)
    if d.chance(0.4):
        d.kv("phone", r.choice(("자택전화", "일반전화", "전화번호(자택)")), r.choice((" ", ": ")), landline=1.0,
             styles={"hyphen": 5, "paren": 2})
    d.kv("email", r.choice(("전자우편", "이메일", "E-mail")), r.choice((" ", ": ", "\t")))
    d.t("\n■ 민원 내용\n제목: " + r.choice(("아파트 앞 불법주차 단속 요청", "보도블록 파손 신고", "가로등 고장 민원",
                                          "소음 민원 (공사장)", "주민등록 등본 발급 오류 문의")) + "\n")
    d.t("내용: " + r.choice(("매일 저녁 같은 차량이 소화전 앞에 주차합니다. 차량 사진 첨부합니다.",
                            "지난달 신고했는데 아직 처리가 안 되었습니다. 조속한 조치 바랍니다.",
                            "새벽 6시 전부터 공사 소음이 심해 잠을 잘 수 없습니다.")) + "\n")
    if d.chance(0.4):
        d.t("처리결과 통보: 문자(SMS) 및 전자우편\n")
    d.t(f"처리기관: {r.choice(CITIES)}청 {r.choice(('교통행정과', '도로과', '환경과', '민원여권과'))}  문의 ")
    d.n("company_phone", phrasing="문의")
    d.t("\n")


# 5. loan application (two-column form text, spaced labels) -------------------------------------
def loan_application(d: _Doc) -> None:
    r, m = d.r, d.m
    bank = r.choice(("KB국민은행", "신한은행", "우리은행", "하나은행", "NH농협은행", "IBK기업은행"))
    d.t(f"{bank} 개인 신용대출 신청서\n접수번호 ")
    d.n("order_number", f"{r.choice('LKC')}{m.digits(11)}", "접수번호")
    d.t("\n" + "=" * 40 + "\n")
    y = r.randrange(1960, 2002)
    applicant = m.name()
    d.t(f"성    명 : {applicant}          ")
    d.t(r.choice(("주민등록번호 : ", "실명번호 : ", "주 민 번 호 : ")))
    d.v("resident", "label_before", "주민등록번호", "loan_id", lo=y, hi=y,
        styles={"hyphen": 5, "masked": 3, "plain": 1})
    d.t("\n")
    d.t(r.choice(("연 락 처 : ", "휴 대 폰 : ", "핸 드 폰 : ")))
    d.v("phone", "label_before", "연락처", "loan_contact", landline=0)
    d.t("     " + r.choice(("자택전화 : ", "자 택 : ")))
    d.v("phone", "label_before", "자택전화", "loan_contact", landline=1.0)
    d.t("\n")
    d.kv("email", r.choice(("이 메 일", "E-MAIL", "전자우편")), " : ")
    d.t(f"직 장 명 : {r.choice(COMPANIES)}   재직기간 {r.randrange(1, 25)}년 {r.randrange(12)}개월\n")
    d.t("직장전화 : ")
    d.v("phone", "label_before", "직장전화", "loan_work", landline=1.0, styles={"hyphen": 5, "paren": 1})
    d.t("  (내선 " + str(r.randrange(100, 999)) + ")\n")
    d.t(f"연 소 득 : {r.randrange(25, 150) * 100:,}만원   신청금액 : ")
    d.n("price", f"{r.randrange(5, 100) * 1000000:,}원", "신청금액")
    d.t(f"   대출기간 : {r.choice((12, 24, 36, 60))}개월\n")
    bank2 = r.choice(BANK_NAMES)
    d.t(r.choice(("입금(상환)계좌 : ", "자동이체계좌 : ", "대출금 입금계좌 : ")) + f"{bank2} ")
    d.v("bank_account", "label_before", "입금계좌", "loan_account", bank=bank2)
    d.t("\n")
    if d.chance(0.6):
        d.t("신분증 : 운전면허증 (")
        d.v("driver_license", "label_before", "운전면허증", "loan_license")
        d.t(")  발급일 ")
        d.n("event_date", m.date_text(2012, 2024, "dot"), "발급일")
        d.t("\n")
    d.t("본인은 위 내용이 사실과 다름없음을 확인합니다.\n")
    d.n("event_date", m.date_text(2025, 2025, "korean"), "서명일")
    d.t(f"\n신청인 {applicant} (서명)\n담당 {r.choice(DONGS)}지점 대표 ")
    d.n("company_phone", phrasing="지점 대표")
    d.t("\n")


# 6. payroll export in several delimiters ------------------------------------------------------
PAYROLL_COLUMNS = (
    ("사번", None, "employee_number"), ("성명", None, None), ("주민등록번호", "resident", None),
    ("입사일", None, "event_date"), ("부서", None, None), ("급여은행", None, None), ("계좌번호", "bank_account", None),
    ("휴대폰", "phone", None), ("이메일", "email", None), ("실지급액", None, "price"),
)
PAYROLL_HEADERS = {
    "사번": ("사번", "EMP_NO", "직원번호"), "성명": ("성명", "이름", "NAME"),
    "주민등록번호": ("주민등록번호", "주민번호", "RRN", "JUMIN_NO"), "입사일": ("입사일", "입사일자", "HIRE_DT"),
    "부서": ("부서", "소속", "DEPT"), "급여은행": ("급여은행", "은행", "BANK"),
    "계좌번호": ("계좌번호", "급여계좌", "ACCT_NO", "계좌"), "휴대폰": ("휴대폰", "연락처", "HP", "MOBILE"),
    "이메일": ("이메일", "E-MAIL", "EMAIL"), "실지급액": ("실지급액", "차인지급액", "NET_PAY"),
}


def payroll_export(d: _Doc) -> None:
    r, m = d.r, d.m
    delim = r.choice((",", "\t", ";", "|"))
    cols = [c for c in PAYROLL_COLUMNS if c[0] in ("성명", "사번") or r.random() < 0.75]
    heads = [r.choice(PAYROLL_HEADERS[c[0]]) for c in cols]
    if d.chance(0.5):
        d.t(f"{r.choice(COMPANIES)} {r.randrange(2024, 2026)}년 {r.randrange(1, 13)}월 급여대장\n")
    d.t(delim.join(heads) + "\n")
    for _ in range(r.randrange(3, 9)):
        bank = r.choice(BANK_NAMES)
        for i, (col, kind, neg) in enumerate(cols):
            if i:
                d.t(delim)
            if kind == "bank_account":
                d.v(kind, "column_header", heads[i], "payroll", bank=bank, styles={"hyphen": 3, "plain": 3})
            elif kind == "phone":
                d.v(kind, "column_header", heads[i], "payroll", landline=0,
                    styles={"hyphen": 6, "plain": 2, "no_leading_zero": 1})
            elif kind == "resident":
                d.v(kind, "column_header", heads[i], "payroll", lo=1960, hi=2003,
                    styles={"hyphen": 5, "plain": 2, "masked": 2})
            elif kind == "email":
                d.v(kind, "column_header", heads[i], "payroll", domain=r.choice(("samhwa-ind.co.kr", "naver.com", "gmail.com")))
            elif neg == "price":
                amount = f"{r.randrange(1800, 9000) * 1000:,}" if delim != "," else str(r.randrange(1800, 9000) * 1000)
                d.n("price", amount, "payroll")
            elif neg == "event_date":
                d.n("event_date", m.date_text(2005, 2025, r.choice(("iso", "dot", "compact"))), "payroll")
            elif neg:
                d.n(neg, phrasing="payroll")
            elif col == "급여은행":
                d.t(bank)
            elif col == "부서":
                d.t(r.choice(TEAM))
            else:
                d.t(m.name())
        d.t("\n")
    if d.chance(0.5):
        d.t(f"합계{delim * (len(cols) - 1)}")
        d.n("price", f"{r.randrange(20000, 90000) * 1000:,}" if delim != "," else str(r.randrange(20000, 90000) * 1000), "payroll_total")
        d.t("\n")


# 7. HR onboarding record (bilingual labels, some lines away) ----------------------------------
def hr_record(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(f"인사기록카드 / Personnel Record      {r.choice(COMPANIES)}\n")
    d.t("사번(Emp. No.) ")
    d.n("employee_number", phrasing="사번")
    d.t(f"    입사일(Join Date) ")
    d.n("event_date", m.date_text(2015, 2025), "입사일")
    d.t("\n")
    d.t(f"성명(Name) {m.name()}   영문 {' '.join(x.upper() for x in m.roman())}\n")
    y = r.randrange(1965, 2003)
    if d.chance(0.5):
        d.t("주민등록번호(Resident Reg. No.)\n")
        d.v("resident", "label_above", "주민등록번호", "hr_lines", lo=y, hi=y)
        d.t("\n")
    else:
        d.kv("birth_date", r.choice(("생년월일(DOB)", "Date of Birth / 생년월일", "DOB")), " ", lo=y, hi=y)
    d.t("연락처(Contact)\n  ")
    d.t(r.choice(("Mobile ", "H.P. ", "휴대폰 ")))
    d.v("phone", "label_before", "Mobile", "hr_contact", landline=0)
    d.t(" / ")
    d.t(r.choice(("E-mail ", "Email ", "메일 ")))
    d.v("email", "label_before", "E-mail", "hr_contact")
    d.t("\n")
    d.t(f"비상연락처(Emergency) {m.name()} ({r.choice(('부', '모', '배우자', '형제'))}) ")
    d.v("phone", "label_before", "비상연락처", "hr_emergency", landline=0.1)
    d.t("\n")
    bank = r.choice(BANK_NAMES)
    d.t(f"급여이체(Payroll Account)  {bank}  ")
    d.v("bank_account", "label_before", "급여이체", "hr_account", bank=bank)
    d.t("\n")
    if d.chance(0.5):
        d.t("운전면허(Driver's License) ")
        d.t(r.choice(("1종보통 ", "2종보통 ", "")))
        d.v("driver_license", "label_before", "운전면허", "hr_license")
        d.t("\n")
    if d.chance(0.3):
        d.t("여권(Passport) ")
        d.v("passport", "label_before", "여권", "hr_passport")
        d.t(" 만료 ")
        d.n("event_date", m.date_text(2026, 2034, "dot"), "여권만료")
        d.t("\n")
    d.t("병역: " + r.choice(("군필(육군 병장)", "미필", "면제", "해당없음")) + "   최종학력: " +
        r.choice(("대학교 졸업", "대학원 석사", "고등학교 졸업")) + "\n")


# 8. text extracted from a PDF statement: running headers, page numbers, broken lines ----------
def pdf_extract(d: _Doc) -> None:
    r, m = d.r, d.m
    title = r.choice(("보험계약 안내장", "재직증명서", "카드이용대금 명세서", "임대차계약 갱신 안내", "건강검진 결과 통보서"))
    doc_no = f"문서번호 {r.choice(('HR', 'CS', 'ADM'))}-"

    def header(page: int) -> None:
        d.t(f"{title}    {doc_no}")
        d.n("internal_code", f"{r.randrange(2023, 2026)}-{m.digits(5)}", "문서번호")
        d.t(f"\n- {page} -\n")

    header(1)
    d.t(f"{m.name()} 귀하\n")
    d.t("아래와 같이 안내드리오니 확인하여 주시기 바랍\n니다. 본 안내장의 개인정보는 ")
    d.t("관련 법령에 따라\n보호됩니다.\n")
    pairs = [("phone", ("연락처", "휴대폰번호", "휴대전화")), ("email", ("이메일", "전자우편 주소")),
             ("birth_date", ("생년월일",)), ("resident", ("주민등록번호",)),
             ("bank_account", ("자동이체 계좌", "환급계좌")), ("credit_card", ("결제카드", "카드번호"))]
    r.shuffle(pairs)
    for i, (kind, labels) in enumerate(pairs[:r.randrange(3, 6)]):
        label = r.choice(labels)
        x = r.random()
        extra = {"bank": r.choice(BANK_NAMES)} if kind == "bank_account" else {}
        if kind == "phone":
            extra = {"landline": 0.05}
        if x < 0.4:   # label at the end of a line, value at the start of the next
            d.t(f"고객님의 {label}는\n")
            d.v(kind, "label_above", label, "pdf_broken", **extra)
            d.t(r.choice((" 입니다.\n", "로 등록되어 있습니다.\n", " (변경 시 고객센터로 연락 바랍니다)\n")))
        elif x < 0.75:
            d.t(f"{label} ")
            p = m.make(kind, **extra)
            d.put(m.broken(p) if d.chance(0.15) else p, "label_before", label, "pdf_inline")
            d.t("\n")
        else:         # two-column layout flattened: labels first, then values
            d.t(f"{label}{' ' * r.randrange(2, 12)}가입일\n")
            d.v(kind, "label_above", label, "pdf_columns", **extra)
            d.t(" " * r.randrange(2, 10))
            d.n("event_date", m.date_text(2015, 2025), "가입일")
            d.t("\n")
        if i == 1:
            d.t("\n")
            d.n("event_date", m.date_text(2024, 2025, "dot_spaced"), "발행일")
            d.t("\n")
            header(2)
    d.t("문의: 고객센터 ")
    d.n("company_phone", phrasing="고객센터")
    d.t(" (평일 09:00~18:00)  www.example-insure.co.kr\n")


# 9. OCR'd receipt ------------------------------------------------------------------------------
def ocr_receipt(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(f"    {r.choice(SHOPS)}\n")
    d.t(r.choice(("사업자번호:", "사업자 번호 ", "사업자No:", "[사업자]")))
    d.put(m.ocr(m.business(styles={"hyphen": 8, "plain": 1, "space": 1}), 0.15), "label_before", "사업자번호",
          "receipt_head")
    d.t(f"  대표:{m.name()}\n{m.address()}\n")
    if d.chance(0.6):
        d.t("TEL:")
        d.n("company_phone", phrasing="TEL")
    else:
        d.t("TEL ")
        d.v("phone", "label_before", "TEL", "receipt_shop", landline=1.0, styles={"hyphen": 5, "paren": 1})
    d.t("\n[매출]")
    d.n("event_date", m.date_text(2024, 2025, r.choice(("iso", "dot", "slash"))), "매출일")
    d.t(f" {r.randrange(8, 23):02d}:{r.randrange(60):02d}  POS:{r.randrange(1, 9):02d}-{m.digits(4)}\n")
    d.t("-" * 32 + "\n상품명            단가  수량    금액\n")
    total = 0
    for _ in range(r.randrange(1, 5)):
        item, lo, hi = r.choice((("생수 2L", 9, 25), ("우유 900ml", 25, 40), ("컵라면", 9, 20), ("샴푸", 60, 190),
                                 ("건전지 AA", 30, 80), ("아메리카노", 30, 65), ("김밥", 30, 55), ("노트", 10, 50)))
        p = r.randrange(lo, hi) * 100
        q = r.randrange(1, 4)
        total += p * q
        d.t(f"{item}  ")
        d.n("price", f"{p:,}", "단가")
        d.t(f"  {q}  ")
        d.n("price", f"{p * q:,}", "금액")
        d.t("\n")
    d.t("-" * 32 + "\n합계금액            ")
    d.n("price", f"{total:,}" + r.choice(("", "원", " 원")), "합계")
    d.t("\n")
    d.t(r.choice(("카드번호:", "카드번호 ", "CARD NO:", "카 드:")))
    d.v("credit_card", "label_before", "카드번호", "receipt_card", styles={"masked": 8, "hyphen": 1, "plain": 1})
    d.t(f"\n{r.choice(('신한카드', '국민카드', '삼성카드', 'BC카드', '현대카드', '롯데카드'))}   할부:일시불\n승인번호:")
    d.n("approval_number", phrasing="승인번호")
    d.t("  유효기간:")
    d.n("card_expiry", phrasing="유효기간")
    d.t("\n")
    if d.chance(0.35):
        d.t("현금영수증 ")
        if d.chance(0.6):
            d.t("(소득공제) 식별번호:")
            d.v("phone", "label_before", "현금영수증 식별번호", "receipt_cash", landline=0,
                styles={"masked": 4, "plain": 2, "hyphen": 1})
        else:
            d.t("(지출증빙) 사업자:")
            d.v("business_registration", "label_before", "사업자", "receipt_cash")
        d.t("\n")
    if d.chance(0.4):
        d.t("멤버십 ")
        d.n("member_number", f"{m.digits(4)}-****-****-{m.digits(4)}", "멤버십")
        d.t(" 적립 ")
        d.n("price", f"{r.randrange(10, 900):,}P", "적립")
        d.t("\n")
    d.t("교환/환불은 영수증 지참 후 7일 이내\n")


# 10. OCR of an ID card, licence, passport page or residence card ------------------------------
def _mrz_check(s: str) -> str:
    w = (7, 3, 1)
    total = 0
    for i, c in enumerate(s):
        v = int(c) if c.isdigit() else (ord(c) - 55 if c.isalpha() else 0)
        total += v * w[i % 3]
    return str(total % 10)


def id_copy(d: _Doc) -> None:
    r, m = d.r, d.m
    which = r.choice(("resident_card", "license_card", "passport_page", "residence_card"))
    y = r.randrange(1950, 2005)
    ymd = m.birth_ymd(y, y)
    name = m.name()
    if which == "resident_card":
        d.t(r.choice(("주민등록증\n", "주 민 등 록 증\n", "[신분증 사본] 주민등록증\n")))
        d.t(f"{name} ({r.choice(('洪吉童', '金民秀', '李英姬', '朴志勳'))})\n")
        s = m.rrn(y, y)
        if d.chance(0.5):
            s = f"{ymd[0] % 100:02d}{ymd[1]:02d}{ymd[2]:02d}" + s[6:]
            d12 = [int(c) for c in s[:12]]
            s = s[:12] + str(corpus.resident_check(d12, False))
        text = f"{s[:6]}-{s[6:]}" if d.chance(0.8) else f"{s[:6]}-{s[6]}******"
        d.put(m.ocr(Piece("resident", text, "hyphen" if "*" not in text else "masked", "*" in text), 0.2),
              "no_label", "", "id_resident_card")
        d.t(f"\n{m.address()}\n")
        d.n("event_date", m.date_text(2005, 2024, "dot_spaced"), "발급일")
        d.t(f"\n{r.choice(CITIES)}청장\n")
    elif which == "license_card":
        d.t("자동차운전면허증 Driver's License\n")
        d.t(r.choice(("1종보통", "2종보통", "1종대형")) + "  ")
        d.put(m.ocr(m.license(styles={"hyphen": 6, "region_name": 2, "space": 1}), 0.2), "no_label", "",
              "id_license_card")
        d.t(f"\n{name}\n")
        s = m.rrn(y, y)
        d.put(m.ocr(Piece("resident", f"{s[:6]}-{s[6:]}", "hyphen"), 0.2), "no_label", "", "id_license_card")
        d.t(f"\n{m.address()}\n적성검사기간 ")
        ey, em, ed = corpus.random_date(r, 2026, 2034)
        d.n("event_date", f"{ey}.01.01", "적성검사")
        d.t("~")
        d.n("event_date", f"{ey}.12.31", "적성검사")
        d.t("\n")
        d.n("event_date", m.date_text(2012, 2024, "dot"), "발급일")
        d.t(f"\n{r.choice(('서울', '경기남부', '부산', '대구'))}지방경찰청장\n암호일련번호 ")
        d.n("serial_number", "".join(r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(6)), "암호일련번호")
        d.t("\n")
    elif which == "passport_page":
        sur, given = (x.upper() for x in m.roman())
        pno = m.passport_no()
        d.t("여권 PASSPORT  대한민국 REPUBLIC OF KOREA\n종류/Type PM  발행국/Issuing country KOR\n")
        d.t(r.choice(("여권번호/Passport No. ", "Passport No./여권번호 ")))
        d.put(Piece("passport", pno, "new" if pno[4].isalpha() else "old"), "label_before", "Passport No.",
              "id_passport")
        d.t(f"\n성/Surname {sur}\n이름/Given names {given}\n국적/Nationality REPUBLIC OF KOREA\n")
        d.t("생년월일/Date of birth ")
        d.put(Piece("birth_date", f"{ymd[2]:02d} {MONTHS_EN[ymd[1] - 1]} {ymd[0]}", "english"), "label_before",
              "Date of birth", "id_passport")
        sex = r.choice("MF")
        d.t(f"\n성별/Sex {sex}\n발급일/Date of issue ")
        iy, im, iday = corpus.random_date(r, 2016, 2024)
        d.n("event_date", f"{iday:02d} {MONTHS_EN[im - 1]} {iy}", "발급일")
        d.t("\n기간만료일/Date of expiry ")
        d.n("event_date", f"{iday:02d} {MONTHS_EN[im - 1]} {iy + 10}", "만료일")
        d.t(f"\n발행관청/Authority MINISTRY OF FOREIGN AFFAIRS\n")
        d.t(f"PMKOR{sur}<<{given}".ljust(44, "<") + "\n")
        birth6 = f"{ymd[0] % 100:02d}{ymd[1]:02d}{ymd[2]:02d}"
        exp6 = f"{(iy + 10) % 100:02d}{im:02d}{iday:02d}"
        d.put(Piece("passport", pno, "mrz"), "mrz", "", "id_passport_mrz")
        d.t(_mrz_check(pno) + "KOR")
        d.put(Piece("birth_date", birth6, "mrz"), "mrz", "", "id_passport_mrz")
        d.t(_mrz_check(birth6) + sex)
        d.n("event_date", exp6, "mrz_expiry")
        d.t(_mrz_check(exp6) + "<" * 14 + str(r.randrange(10)) + str(r.randrange(10)) + "\n")
    else:
        d.t("외국인등록증 RESIDENCE CARD\n")
        d.v("foreigner_registration", "no_label", "", "id_residence_card", lo=y, hi=y,
            styles={"hyphen": 8, "plain": 1})
        d.t(f"  {r.choice(FOREIGN_NAMES)}\n국가/지역 Country/Region {r.choice(NATIONS)}\n")
        d.t(f"체류자격 Status {r.choice(('E-9', 'F-6', 'D-2', 'E-7', 'H-2', 'F-4'))}\n발급일자 Issue Date ")
        d.n("event_date", m.date_text(2019, 2025, "dot"), "발급일자")
        d.t(f"\n{r.choice(('서울출입국·외국인청장', '인천출입국·외국인청장', '수원출입국·외국인사무소장'))}\n")


# 11. e-mail thread with quoted replies and signatures ------------------------------------------
def email_thread(d: _Doc) -> None:
    r, m = d.r, d.m
    company_dom = r.choice(("samhwa-ind.co.kr", "dongbu.or.kr", "mirae-clinic.com", "korea.kr"))
    me, them = m.name(), m.name()
    d.t(f"From: {me} <")
    d.v("email", "no_label", "", "mail_header", domain=company_dom, styles={"plain": 1})
    d.t(">\n")
    d.t(r.choice(("Sent: ", "보낸 날짜: ")))
    header = {"plain": 20, "upper": 1}
    d.n("event_date", m.date_text(2024, 2025, "iso"), "Sent")
    d.t(f" {r.randrange(8, 20):02d}:{r.randrange(60):02d}\nTo: ")
    d.v("email", "no_label", "", "mail_header", styles=header)
    if d.chance(0.4):
        d.t("\nCc: ")
        d.v("email", "no_label", "", "mail_header", domain=company_dom, styles={"plain": 1})
    d.t("\nSubject: " + r.choice(("RE: 입사 서류 제출 건", "RE: RE: 환불 계좌 확인 요청", "FW: 견적서 및 사업자등록증 송부",
                                   "Re: 예약 변경 문의", "RE: 보험금 청구 서류 보완")) + "\n\n")
    d.t(f"{them}님, 안녕하세요.\n")
    x = r.random()
    if x < 0.35:
        bank = r.choice(BANK_NAMES)
        d.t(f"말씀하신 환불 계좌는 아래와 같습니다.\n\n{bank} ")
        d.v("bank_account", "bank_name", bank, "mail_body", bank=bank)
        d.t(f" (예금주: {them})\n\n")
    elif x < 0.6:
        d.t("견적서와 사업자등록증 사본 첨부드립니다. 사업자번호 ")
        d.v("business_registration", "label_before", "사업자번호", "mail_body")
        d.t(" 으로 세금계산서 발행 부탁드립니다.\n\n")
    elif x < 0.8:
        d.t("입사 서류 중 주민등록등본은 내일 제출하겠습니다. 급여 계좌는 ")
        bank = r.choice(BANK_NAMES)
        d.t(f"{bank} ")
        d.v("bank_account", "label_before", "급여 계좌", "mail_body", bank=bank)
        d.t(" 입니다.\n\n")
    else:
        d.t("예약자 정보 변경 부탁드립니다. 여권번호가 갱신되어 새 번호 ")
        d.v("passport", "label_before", "여권번호", "mail_body", styles={"new": 3, "old": 1})
        d.t(" 로 바꿔 주세요.\n\n")
    d.t("감사합니다.\n\n")
    d.t(f"--\n{me} | {r.choice(TEAM)} {r.choice(('대리', '과장', '주임', '팀장', '사원'))}\n{r.choice(COMPANIES)}\n")
    if d.chance(0.25):
        d.v("phone", "label_after", "(휴대폰)", "mail_signature", landline=0, styles={"hyphen": 3, "dot": 1})
        d.t(r.choice((" (휴대폰)", " (H.P)", " (mobile)")))
    else:
        d.t(r.choice(("M. ", "Mobile ", "HP ", "M ")))
        d.v("phone", "label_before", "M.", "mail_signature", landline=0,
            styles={"hyphen": 6, "dot": 2, "intl": 1, "space": 1})
    d.t(r.choice(("  T. ", " | Tel ", "  T ")))
    d.v("phone", "label_before", "T.", "mail_signature", landline=1.0, styles={"hyphen": 5, "dot": 2, "intl": 1})
    d.t(r.choice(("  F. ", " | Fax ")))
    d.n("fax_number", f"0{r.choice(('2', '31', '51'))}-{m.digits(3)}-{m.digits(4)}", "Fax")
    d.t("\n\n")
    quote = r.choice(("> ", ">"))
    d.t(f"-----Original Message-----\nFrom: {them} <")
    d.v("email", "no_label", "", "mail_quoted", styles=header)
    d.t(">\nSent: ")
    d.n("event_date", m.date_text(2024, 2025, "iso"), "Sent")
    d.t("\n\n")
    d.t(f"{quote}안녕하세요, 확인 차 연락드립니다.\n")
    k = r.choice(("phone", "birth_date", "email", "credit_card"))
    lab = {"phone": "연락 가능한 번호", "birth_date": "생년월일", "email": "회신 메일", "credit_card": "결제하신 카드번호"}[k]
    d.t(f"{quote}{lab} 알려주시면 처리해 드리겠습니다.\n{quote}\n{quote}{quote}")
    d.t(r.choice(("네, ", "", "답변: ")))
    d.v(k, "question_before", lab, "mail_quoted_answer", **({"landline": 0} if k == "phone" else {}))
    d.t(f" 입니다.\n{quote}{quote}{them} 드림\n")


# 12. SMS and KakaoTalk notification templates ------------------------------------------------
def sms_alert(d: _Doc) -> None:
    r, m = d.r, d.m
    x = r.random()
    d.t(r.choice(("[Web발신]\n", "", "[알림톡]\n")))
    if x < 0.25:
        courier = r.choice(COURIERS)
        d.t(f"[{courier}] {m.masked_name()} 고객님, 주문하신 상품이 배송 출발했습니다.\n운송장번호: ")
        d.n("tracking_number", phrasing="운송장번호")
        d.t("\n배송기사: ")
        d.v("phone", "label_before", "배송기사", "sms_courier", landline=0, styles={"hyphen": 4, "safe_number": 1})
        d.t(f"\n도착예정: 오늘 {r.randrange(13, 21)}시~{r.randrange(13, 21)}시\n문의: ")
        d.n("company_phone", phrasing="문의")
        d.t("\n")
    elif x < 0.45:
        bank = r.choice(("KB", "신한", "우리", "하나", "NH", "IBK"))
        d.t(f"[{bank}]")
        d.n("event_date", f"{r.randrange(1, 13):02d}/{r.randrange(1, 29):02d}", "sms_date")
        d.t(f" {r.randrange(0, 24):02d}:{r.randrange(60):02d}\n")
        acct = m.account(styles={"plain": 1})
        masked = acct.text[:len(acct.text) - 6] + "**" + acct.text[-4:]
        d.put(Piece("bank_account", masked, "masked", True), "no_label", "", "sms_bank")
        d.t(f"\n{m.masked_name()}\n{r.choice(('출금', '입금', '이체'))} ")
        d.n("price", f"{r.randrange(1, 5000) * 1000:,}", "sms_amount")
        d.t("\n잔액 ")
        d.n("account_balance", phrasing="잔액")
        d.t("\n")
    elif x < 0.6:
        d.t(f"[{r.choice(('신한카드', '삼성카드', '현대카드', 'KB국민카드'))}] 승인 {m.masked_name()} ")
        d.n("price", f"{r.randrange(1, 900) * 100:,}원", "sms_card_amount")
        d.t(f" 일시불 ")
        d.n("event_date", f"{r.randrange(1, 13):02d}/{r.randrange(1, 29):02d}", "sms_date")
        d.t(f" {r.randrange(0, 24):02d}:{r.randrange(60):02d} {r.choice(SHOPS)} 누적 ")
        d.n("price", f"{r.randrange(1, 5000) * 1000:,}원", "sms_card_total")
        d.t("\n")
    elif x < 0.8:
        hosp = r.choice(HOSPITALS)
        d.t(f"[{hosp}] {m.name()}님 ")
        d.n("event_date", m.date_text(2025, 2025, r.choice(("korean", "dot"))), "예약일")
        d.t(f" {r.randrange(9, 17)}:{r.choice(('00', '30'))} {r.choice(DEPTS)} 진료 예약되었습니다. 예약번호 ")
        d.n("reservation_number", phrasing="예약번호")
        d.t("\n변경/취소: ")
        d.n("company_phone", phrasing="변경/취소")
        d.t("\n")
    else:
        d.t(f"[{r.choice(('당근', '중고나라', '번개장터'))}] 거래 상대방 연락처 안내\n판매자 {m.masked_name()} ")
        d.v("phone", "label_before", "판매자", "sms_trade", landline=0, styles={"safe_number": 2, "hyphen": 2})
        d.t("\n입금계좌 ")
        bank = r.choice(BANK_NAMES)
        d.t(f"{bank} ")
        d.v("bank_account", "label_before", "입금계좌", "sms_trade", bank=bank)
        d.t("\n")
    if d.chance(0.5):
        d.t(r.choice(("무료수신거부 ", "수신거부 ")))
        d.n("company_phone", f"080-{r.randrange(200, 999)}-{m.digits(4)}", "수신거부")
        d.t("\n")


# 13. CRM / helpdesk ticket -----------------------------------------------------------------
def crm_ticket(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t("Ticket #")
    d.n("order_number", m.digits(6), "Ticket")
    d.t(f" | Priority: {r.choice(('Low', 'Normal', 'High', 'Urgent'))} | Status: {r.choice(('Open', 'Pending', 'Solved'))}\n")
    d.t(f"Requester: {m.name()} <")
    d.v("email", "no_label", "", "ticket_requester", styles={"plain": 20, "upper": 1})
    d.t(">\nCreated: ")
    d.n("event_date", m.date_text(2024, 2025, "iso"), "Created")
    d.t(f"T{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}+09:00\n")
    d.t(f"Tags: {r.choice(('refund', 'delivery', 'account', 'billing'))}, {r.choice(('vip', 'repeat', 'mobile_app'))}\n")
    d.t("Custom fields:\n  Order ID: ")
    d.n("order_number", phrasing="Order ID")
    d.t("\n  Phone: ")
    d.v("phone", "label_before", "Phone", "ticket_field", landline=0.05,
        styles={"hyphen": 5, "intl": 3, "plain": 2})
    d.t("\n  Member No: ")
    d.n("member_number", phrasing="Member No")
    d.t("\n\n--- Comment (public) ---\n")
    k = r.choice(("bank_account", "credit_card", "birth_date", "phone"))
    if k == "bank_account":
        bank = r.choice(BANK_NAMES)
        d.t(f"환불은 어디로 받을 수 있나요? 무통장으로 결제해서요. {bank} ")
        d.v("bank_account", "bank_name", bank, "ticket_comment", bank=bank)
        d.t(f" {m.name()}\n")
    elif k == "credit_card":
        d.t("결제 취소 부탁드려요. 결제한 카드는 ")
        d.v("credit_card", "label_before", "결제한 카드", "ticket_comment", styles={"hyphen": 3, "space": 2, "plain": 1})
        d.t(" 입니다. 유효기간 ")
        d.n("card_expiry", phrasing="유효기간")
        d.t("\n")
    elif k == "birth_date":
        d.t("본인인증이 계속 실패해요. 생년월일 ")
        d.v("birth_date", "label_before", "생년월일", "ticket_comment")
        d.t(" 맞게 넣었는데요.\n")
    else:
        d.t("전화 말고 문자로 연락 주세요. ")
        d.v("phone", "no_label", "", "ticket_comment", landline=0, styles={"hyphen": 3, "plain": 1})
        d.t("\n")
    d.t("\n--- Comment (internal) ---\n")
    d.t(r.choice(("PG사 확인 결과 승인번호 ", "결제 로그 확인, 승인번호 ")))
    d.n("approval_number", phrasing="승인번호")
    d.t(f", 서버 {r.choice(('api-02', 'pay-01'))} (")
    d.n("ip_address", phrasing="server")
    d.t(") 앱 버전 ")
    d.n("version", phrasing="앱 버전")
    d.t(" 에서 발생.\n")


# 14. team messenger (Slack/Teams) mixing Korean and English ------------------------------------
def team_chat(d: _Doc) -> None:
    r, m = d.r, d.m
    people = [f"{s}.{g}" for s, g in (m.roman() for _ in range(3))]
    d.t(f"#{r.choice(('cs-escalation', 'ops-정산', 'hr-온보딩', 'dev-incident', 'sales-kr'))}\n")
    for _ in range(r.randrange(3, 7)):
        who = r.choice(people)
        d.t(f"[{r.randrange(9, 19):02d}:{r.randrange(60):02d}] {who}: ")
        x = r.random()
        if x < 0.18:
            bank = r.choice(BANK_NAMES)
            d.t(f"@{r.choice(people)} 고객 계좌 잘못 들어갔어요 `")
            d.v("bank_account", "bank_name", bank, "chat_code", bank=bank, styles={"hyphen": 3, "plain": 1})
            d.t(f"` {bank}이요. pls check\n")
        elif x < 0.34:
            d.t("고객 번호 " + r.choice(("", "is ")))
            d.v("phone", "label_before", "고객 번호", "chat_inline", landline=0,
                styles={"hyphen": 3, "space": 2, "plain": 2, "intl": 1})
            d.t(r.choice((" 맞죠?", " callback 요청", " 로 연락 부탁요 🙏")) + "\n")
        elif x < 0.40:
            d.v("phone", "label_after", "고객님 번호", "chat_after", landline=0, styles={"hyphen": 3, "plain": 2})
            d.t(r.choice((" 이게 고객님 번호예요", " ← 고객 연락처", " 이 번호로 콜백 부탁드려요 (고객 핸드폰)")) + "\n")
        elif x < 0.48:
            d.t("FYI 신규 입사자 메일 ")
            d.v("email", "label_before", "메일", "chat_inline", domain="samhwa-ind.co.kr")
            d.t(" 계정 생성 완료 ✅\n")
        elif x < 0.58:
            d.t("DOB 확인 부탁드려요: ")
            d.v("birth_date", "label_before", "DOB", "chat_inline", styles={"compact": 2, "dot": 2, "iso": 2, "yy_dot": 1})
            d.t("\n")
        elif x < 0.66:
            d.t("passport no. ")
            d.v("passport", "label_before", "passport no.", "chat_inline")
            d.t(" 으로 항공권 재발권 했어요\n")
        elif x < 0.74:
            d.t(f"배포 완료 {r.choice(('prod', 'stg'))} ")
            d.n("version", phrasing="배포")
            d.t(" / host ")
            d.n("ip_address", phrasing="host")
            d.t("\n")
        elif x < 0.82:
            d.t("주문번호 ")
            d.n("order_number", phrasing="주문번호")
            d.t(" 부분취소 처리했습니다 👍\n")
        else:
            d.t(r.choice(("ㅇㅋ 확인함", "넵 처리중입니다", "thanks!", "회의 5분 늦어요", "LGTM", "잠시 후 콜백 예정")) + "\n")
    if d.chance(0.3):
        d.t(f"[{r.randrange(9, 19):02d}:{r.randrange(60):02d}] {people[0]}: 고객센터 번호는 ")
        d.n("company_phone", phrasing="고객센터 번호")
        d.t(" 로 안내해 주세요\n")


# 15. residential lease contract -----------------------------------------------------------------
def lease_contract(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(r.choice(("부동산(아파트) 월세 계약서\n", "주택임대차 표준계약서\n", "부동산 전세 계약서\n")))
    d.t("임대인과 임차인 쌍방은 아래 표시 부동산에 관하여 다음 계약 내용과 같이 임대차계약을 체결한다.\n")
    d.t(f"1. 부동산의 표시\n소재지 {r.choice(CITIES)} ")
    d.n("lot_address", phrasing="소재지")
    d.t(f" {r.randrange(101, 120)}동 {r.randrange(1, 25)}0{r.randrange(1, 5)}호\n")
    d.t(f"면적 {r.randrange(40, 130)}.{r.randrange(10, 99)}㎡\n")
    d.t("2. 계약내용\n보증금 금 " + r.choice(("일억원정", "오천만원정", "삼억이천만원정", "이천만원정")) + " (")
    d.n("price", f"₩{r.randrange(2, 40) * 10000000:,}", "보증금")
    d.t(")\n차임 금 ")
    d.n("price", f"{r.randrange(30, 150) * 10000:,}원", "차임")
    d.t("정은 매월 ")
    d.t(f"{r.randrange(1, 28)}일에 지불한다. (입금계좌: ")
    bank = r.choice(BANK_NAMES)
    d.t(f"{bank} ")
    d.v("bank_account", "label_before", "입금계좌", "lease_rent", bank=bank)
    d.t(f" 예금주 {m.name()})\n임대차기간: ")
    d.n("event_date", m.date_text(2024, 2025, "korean"), "임대차기간")
    d.t("부터 24개월\n\n")
    for role in ("임대인", "임차인"):
        y = r.randrange(1950, 2000)
        layout = r.choice(("table", "lines"))
        if layout == "table":
            d.t(f"{role} | 주소 | {m.address()}\n")
            d.t(f"{role} | 주민등록번호 | ")
            d.v("resident", "label_before", "주민등록번호", "lease_party", lo=y, hi=y, styles={"hyphen": 6, "masked": 1})
            d.t(" | 전화 | ")
            d.v("phone", "label_before", "전화", "lease_party", landline=0.1)
            d.t(f" | 성명 | {m.name()} (인)\n")
        else:
            d.t(f"{role}  주    소  {m.address()}\n      주민등록번호\n      ")
            d.v("resident", "label_above", "주민등록번호", "lease_party_lines", lo=y, hi=y)
            d.t("      전화  ")
            d.v("phone", "label_before", "전화", "lease_party_lines", landline=0.1)
            d.t(f"\n      성    명  {m.name()}  (서명 또는 날인)\n")
    d.t(f"개업공인중개사 | 사무소소재지 | {m.address()}\n")
    d.t("개업공인중개사 | 등록번호 | ")
    d.n("broker_registration", phrasing="등록번호")
    d.t(" | 사업자등록번호 | ")
    d.v("business_registration", "label_before", "사업자등록번호", "lease_broker")
    d.t("\n개업공인중개사 | 전화번호 | ")
    d.v("phone", "label_before", "전화번호", "lease_broker", landline=0.7, styles={"hyphen": 5, "paren": 1})
    d.t(f" | 대표자 성명 | {m.name()} (인)\n")
    d.n("event_date", m.date_text(2024, 2025, "korean"), "계약일")
    d.t("\n")


# 16. parcel label (waybill) as printed or scanned -----------------------------------------------
def parcel_label(d: _Doc) -> None:
    r, m = d.r, d.m
    courier = r.choice(COURIERS)
    d.t(f"{courier}   운송장번호 ")
    d.n("tracking_number", phrasing="운송장번호")
    d.t(f"\n[{r.choice(('A', 'B', 'C'))}{r.randrange(1, 9)}-{r.randrange(10, 99)}]  ")
    d.t(f"{r.choice(('서울', '경기', '부산', '대전'))}{r.choice(('강남', '분당', '해운대', '유성'))} {r.randrange(10, 99)}\n")
    d.t(r.choice(("받는분: ", "받는 분 ", "수하인: ")) + m.masked_name() + "   ")
    p = m.phone(landline=0, styles={"masked": 5, "safe_number": 3, "hyphen": 2})
    d.put(p, "label_before", "받는분", "parcel_to")
    if d.chance(0.4):
        d.t(" / ")
        d.v("phone", "label_before", "받는분", "parcel_to", landline=0, styles={"masked": 3, "safe_number": 1})
    d.t(f"\n{m.address()}\n")
    d.t(r.choice(("보내는분: ", "보내는 분 ", "송하인: ")) + r.choice(COMPANIES) + "  ")
    if d.chance(0.7):
        d.n("company_phone", phrasing="보내는분")
    else:
        d.v("phone", "label_before", "보내는분", "parcel_from", landline=0.3)
    d.t(f"\n품목: {r.choice(('의류', '식품(냉장)', '화장품', '도서', '전자제품'))}  수량: 1  운임: 신용\n")
    d.t("주문번호 ")
    d.n("order_number", phrasing="주문번호")
    d.t("\n배송메시지: " + r.choice(("부재시 문앞에 놓아주세요", "경비실에 맡겨주세요", "배송 전 연락 바랍니다",
                                   "공동현관 비밀번호 #1234*")) + "\n")
    if d.chance(0.3):
        d.t("도서 ISBN ")
        d.n("isbn", phrasing="ISBN")
        d.t("\n")


# 17. police statement / court record ----------------------------------------------------------
def police_record(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(r.choice(("진 술 조 서\n", "피의자신문조서\n", "진술서 (참고인)\n")))
    d.t("사건번호 ")
    d.n("case_number", phrasing="사건번호")
    d.t("\n")
    y = r.randrange(1955, 2005)
    d.t(f"성    명 : {m.name()}")
    if d.chance(0.3):
        d.t(" (")
        d.v("birth_date", "label_after", "생", "police_born", lo=y, hi=y, styles={"korean": 2, "korean_short": 2, "dot": 1})
        d.t("생)")
    d.t("\n")
    d.t(r.choice(("주민등록번호 : ", "주민등록번호: ")))
    d.v("resident", "label_before", "주민등록번호", "police_person", lo=y, hi=y, styles={"hyphen": 8, "plain": 1})
    d.t(f" ({2024 - y}세)\n직    업 : {r.choice(('회사원', '자영업', '무직', '학생', '운전기사'))}\n")
    d.t(f"주    거 : {m.address()}\n등록기준지 : {r.choice(CITIES)}\n")
    d.t("연 락 처 : 자택전화 ")
    if d.chance(0.5):
        d.v("phone", "label_before", "자택전화", "police_contact", landline=1.0)
    else:
        d.t("없음")
    d.t("  휴대전화 ")
    d.v("phone", "label_before", "휴대전화", "police_contact", landline=0)
    d.t("\n")
    d.t("          직장전화 없음  전자우편 ")
    d.v("email", "label_before", "전자우편", "police_contact")
    d.t("\n")
    d.t("위의 사람은 ")
    d.n("event_date", m.date_text(2024, 2025, "dot_spaced"), "사건일")
    d.t(f" {r.choice(('폭행', '사기', '교통사고처리특례법위반', '절도'))} 사건의 "
        f"{r.choice(('피해자', '참고인', '피의자'))}로서 임의로 출석하여 다음과 같이 진술하다.\n")
    d.t("문: 진술인은 운전면허가 있나요.\n답: 예, ")
    d.v("driver_license", "question_before", "운전면허", "police_qa")
    d.t(" 입니다.\n")
    if d.chance(0.5):
        d.t("문: 피해금을 이체한 계좌는 어떻게 되나요.\n답: ")
        bank = r.choice(BANK_NAMES)
        d.t(f"{bank} ")
        d.v("bank_account", "question_before", "계좌", "police_qa", bank=bank)
        d.t(f" 계좌로 ")
        d.n("price", f"{r.randrange(10, 3000) * 10000:,}원", "피해금")
        d.t("을 보냈습니다.\n")
    if d.chance(0.4):
        d.t("문: 상대방 연락처를 알고 있나요.\n답: 네. ")
        d.v("phone", "question_before", "연락처", "police_qa", landline=0)
        d.t(" 로 통화했습니다.\n")
    d.t(f"{r.choice(('서울', '부산', '인천', '수원'))}{r.choice(('중부', '남부', '동부'))}경찰서 사법경찰관 경위 {m.name()}\n")


# 18. school or kindergarten roster with guardians ---------------------------------------------
def school_roster(d: _Doc) -> None:
    r, m = d.r, d.m
    kinder = d.chance(0.35)
    sep = r.choice(("\t", " | ", "  "))
    if kinder:
        d.t(f"{r.choice(('햇살', '무지개', '새싹', '꿈나무'))}어린이집 {r.choice(('해님', '달님', '별님'))}반 원아 명부\n")
        heads = ["번호", "원아명", r.choice(("생년월일", "생년월일(주민번호)")), "보호자", r.choice(("보호자 연락처", "비상연락처", "연락처"))]
    else:
        d.t(f"{r.choice(('한빛', '새솔', '푸른'))}초등학교 {r.randrange(1, 7)}학년 {r.randrange(1, 9)}반 비상연락망\n")
        heads = ["번호", "학생명", "생년월일", "보호자(관계)", r.choice(("연락처", "보호자 HP", "휴대폰")),
                 r.choice(("이메일", "E-mail"))]
    d.t(sep.join(heads) + "\n")
    for i in range(1, r.randrange(4, 10)):
        d.t(f"{i}{sep}{m.name()}{sep}")
        if kinder:
            if "주민" in heads[2]:
                d.v("resident", "column_header", heads[2], "roster_kinder", lo=2019, hi=2024,
                    styles={"hyphen": 5, "masked": 2, "plain": 1})
            else:
                d.v("birth_date", "column_header", heads[2], "roster_kinder", lo=2019, hi=2023,
                    styles={"dot": 3, "compact": 2, "yymmdd": 2, "iso": 2})
            d.t(f"{sep}{m.name()}{sep}")
            d.v("phone", "column_header", heads[4], "roster_kinder", landline=0,
                styles={"hyphen": 5, "plain": 2, "space": 1})
        else:
            d.v("birth_date", "column_header", heads[2], "roster_school", lo=2012, hi=2018,
                styles={"dot": 3, "compact": 2, "iso": 2, "yy_dot": 1, "korean": 1})
            d.t(f"{sep}{m.name()}({r.choice(('모', '부', '조모'))}){sep}")
            d.v("phone", "column_header", heads[4], "roster_school", landline=0,
                styles={"hyphen": 6, "plain": 2, "dot": 1})
            d.t(sep)
            if d.chance(0.7):
                d.v("email", "column_header", heads[5], "roster_school")
            else:
                d.t("-")
        d.t("\n")
    d.t(r.choice(("※ 개인정보이므로 외부 유출 금지\n", "※ 담임: " + m.name() + " / 교무실 ", "")))
    if d.w.parts[-1].endswith("교무실 "):
        d.n("company_phone", phrasing="교무실")
        d.t("\n")


# 19-21. membership sign-up dumps as JSON, XML and YAML ----------------------------------------
SIGNUP_KEYS = {
    "json": {"phone": ("mobile", "phone", "hp", "cellPhone", "tel_no"), "email": ("email", "userEmail", "mail"),
             "birth_date": ("birth", "birthday", "birthDate", "dob", "brth_ymd"), "resident": ("rrn", "jumin", "ssn"),
             "credit_card": ("card_no", "cardNumber", "pan"), "bank_account": ("refund_account", "acct_no", "bankAccount")},
    "xml": {"phone": ("hpNo", "mbtlnum", "telno", "Mobile"), "email": ("emailAdres", "email", "Email"),
            "birth_date": ("brthdy", "birthYmd", "BirthDate"), "resident": ("ihidnum", "juminNo"),
            "credit_card": ("cardNo",), "bank_account": ("acnutNo", "accountNo")},
    "yaml": {"phone": ("phone", "mobile", "contact"), "email": ("email", "e_mail"),
             "birth_date": ("birth_date", "dob", "birthday"), "resident": ("resident_no", "rrn"),
             "credit_card": ("card", "card_number"), "bank_account": ("account", "payout_account")},
}
PLAIN_STYLES = {"phone": {"hyphen": 4, "plain": 4, "intl": 1}, "birth_date": {"compact": 4, "iso": 4, "yymmdd": 1},
                "resident": {"plain": 3, "hyphen": 2, "masked": 1}, "credit_card": {"plain": 3, "masked": 2, "hyphen": 1},
                "bank_account": {"plain": 3, "hyphen": 2}, "email": {"plain": 10, "masked": 1}}


def _signup_fields(d: _Doc, fmt: str) -> list:
    r = d.r
    kinds = ["phone", "email", "birth_date"] + [k for k in ("resident", "credit_card", "bank_account") if r.random() < 0.3]
    r.shuffle(kinds)
    return [(k, r.choice(SIGNUP_KEYS[fmt][k])) for k in kinds]


def signup_json(d: _Doc) -> None:
    r, m = d.r, d.m
    pretty = d.chance(0.5)
    nl, ind = ("\n", "  ") if pretty else ("", "")
    d.t(r.choice(("", "payload=", "[member.join] ")) + "{" + nl)
    d.t(f'{ind}"member_no": "')
    d.n("member_number", phrasing="member_no")
    d.t(f'",{" " if not pretty else nl}{ind}"name": "{m.name()}",{" " if not pretty else nl}')
    for k, key in _signup_fields(d, "json"):
        d.t(f'{ind}"{key}": "')
        d.v(k, "key", key, "json", styles=PLAIN_STYLES[k])
        d.t(f'",{" " if not pretty else nl}')
    d.t(f'{ind}"join_dt": "')
    d.n("event_date", m.date_text(2023, 2025, r.choice(("iso", "compact"))), "join_dt")
    d.t(f'",{" " if not pretty else nl}{ind}"agree_sms": {r.choice(("true", "false"))},'
        f'{" " if not pretty else nl}{ind}"client_ip": "')
    d.n("ip_address", phrasing="client_ip")
    d.t(f'",{" " if not pretty else nl}{ind}"app_ver": "')
    d.n("version", phrasing="app_ver")
    d.t(f'"{nl}}}\n')


def signup_xml(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t('<?xml version="1.0" encoding="UTF-8"?>\n<response><header><resultCode>00</resultCode></header>\n<body><item>\n')
    d.t("  <mberNo>")
    d.n("member_number", phrasing="mberNo")
    d.t(f"</mberNo>\n  <nm>{m.name()}</nm>\n")
    for k, key in _signup_fields(d, "xml"):
        d.t(f"  <{key}>")
        d.v(k, "key", key, "xml", styles=PLAIN_STYLES[k])
        d.t(f"</{key}>\n")
    d.t("  <sbscrbDe>")
    d.n("event_date", m.date_text(2023, 2025, "compact"), "sbscrbDe")
    d.t("</sbscrbDe>\n  <zip>")
    d.n("postal_code", phrasing="zip")
    d.t("</zip>\n</item></body></response>\n")


def signup_yaml(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(f"# export {r.choice(('members', 'applicants', 'guests'))}.yaml\n- id: ")
    d.n("member_number", phrasing="id")
    d.t(f"\n  name: {m.name()}\n")
    nested = d.chance(0.5)
    if nested:
        d.t("  contact:\n")
    for k, key in _signup_fields(d, "yaml"):
        quote = r.choice(("", '"', "'"))
        d.t(f"{'    ' if nested else '  '}{key}: {quote}")
        d.v(k, "key", key, "yaml", styles=PLAIN_STYLES[k])
        d.t(f"{quote}\n")
    d.t("  created_at: ")
    d.n("event_date", m.date_text(2023, 2025, "iso"), "created_at")
    d.t(f"\n  plan: {r.choice(('basic', 'premium', 'family'))}\n  referrer_code: ")
    d.n("internal_code", phrasing="referrer_code")
    d.t("\n")


# 22. web server and application log lines with query strings ----------------------------------
LOG_KEYS = {"phone": ("phone", "mobile", "hp", "tel", "receiverPhone"), "email": ("email", "userEmail", "mail_to"),
            "birth_date": ("birth", "birthday", "dob"), "credit_card": ("cardNo", "card_no", "pan"),
            "bank_account": ("acctNo", "account", "refundAcct"), "resident": ("rrn", "juminNo"),
            "passport": ("passportNo", "passport_no")}


def access_log(d: _Doc) -> None:
    r, m = d.r, d.m
    for _ in range(r.randrange(3, 7)):
        d.n("ip_address", phrasing="client")
        d.t(' - - [')
        y, mo, dd = corpus.random_date(r, 2024, 2025)
        d.n("event_date", f"{dd:02d}/{('Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec')[mo - 1]}/{y}", "log_time")
        d.t(f':{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d} +0900] "')
        path = r.choice(("/api/v1/members/join", "/order/complete", "/refund/request", "/auth/verify"))
        d.t(f"{r.choice(('GET', 'POST'))} {path}?")
        ks = r.sample(list(LOG_KEYS), r.randrange(1, 3))
        for i, k in enumerate(ks):
            key = r.choice(LOG_KEYS[k])
            d.t(("&" if i else "") + key + "=")
            d.v(k, "key", key, "query", styles=PLAIN_STYLES.get(k, {"old": 1, "new": 1}))
        d.t("&orderId=")
        d.n("order_number", phrasing="orderId")
        d.t(f' HTTP/1.1" {r.choice((200, 200, 302, 400, 500))} {r.randrange(200, 9000)} "-" "Mozilla/5.0 (Linux; Android 14) '
            f'SamsungBrowser/')
        d.n("version", f"{r.randrange(20, 27)}.0", "ua")
        d.t('"\n')
    if d.chance(0.6):
        d.n("event_date", m.date_text(2024, 2025, "iso"), "app_log")
        d.t(f" {r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}.{r.randrange(1000):03d} "
            f"{r.choice(('WARN', 'ERROR', 'INFO'))} [{r.choice(('pay-worker-3', 'http-nio-8080-exec-7'))}] "
            f"c.e.{r.choice(('RefundService', 'JoinController', 'KycClient'))} - ")
        k = r.choice(("bank_account", "phone", "passport", "resident"))
        key = r.choice(LOG_KEYS[k])
        d.t(f"validation failed: {key}=")
        d.v(k, "key", key, "app_log", styles=PLAIN_STYLES.get(k, {"old": 1, "new": 1}))
        d.t(", traceId=")
        d.n("transaction_number", f"{m.digits(8)}{r.choice('abcdef')}{m.digits(7)}", "traceId")
        d.t("\n")


# 23. spreadsheet rows pasted as text (tabs, title rows, blank cells, lost leading zeros) -------
def spreadsheet_paste(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(f"{r.randrange(2024, 2026)}년 {r.randrange(1, 13)}월 {r.choice(('신규 가입 고객', '이벤트 당첨자', '환불 대상자', '배송 누락 고객'))} 명단\t\t\t\n")
    d.t("\t\t\t작성: " + r.choice(TEAM) + "\n")
    cols = r.sample([("휴대폰", "phone"), ("이메일", "email"), ("생년월일", "birth_date"),
                     ("환불계좌", "bank_account"), ("카드번호", "credit_card")], 3)
    heads = ["No", "고객명"] + [r.choice((h, h.upper() if h.isascii() else h)) for h, _ in cols] + ["당첨금액"]
    d.t("\t".join(heads) + "\n")
    for i in range(1, r.randrange(4, 10)):
        d.t(f"{i}\t{m.name()}")
        for (h, k), head in zip(cols, heads[2:]):
            d.t("\t")
            if d.chance(0.1):
                continue          # blank cell
            if k == "phone":
                d.v(k, "column_header", head, "sheet", landline=0,
                    styles={"no_leading_zero": 3, "hyphen": 4, "plain": 1})
            elif k == "birth_date":
                d.v(k, "column_header", head, "sheet", styles={"iso": 3, "compact": 3, "dot": 2, "slash": 2})
            elif k == "bank_account":
                bank = r.choice(BANK_NAMES)
                if d.chance(0.5):
                    d.t(f"{bank} ")
                d.v(k, "column_header", head, "sheet", bank=bank, styles={"plain": 3, "hyphen": 3})
            else:
                d.v(k, "column_header", head, "sheet")
        d.t("\t")
        d.n("price", f"{r.randrange(1, 100) * 1000:,}", "당첨금액")
        d.t("\n")
    d.t("\t\t합계\t\t\t")
    d.n("price", f"{r.randrange(100, 900) * 1000:,}", "합계")
    d.t("\n")


# 24. transfer confirmation / bank statement lines --------------------------------------------
def transfer_receipt(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(r.choice(("이체확인증\n", "[이체 결과 확인]\n", "송금 확인서\n")))
    d.t("거래일시 ")
    d.n("event_date", m.date_text(2024, 2025, r.choice(("dot", "iso"))), "거래일시")
    d.t(f" {r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}\n")
    bank_from, bank_to = r.choice(BANK_NAMES), r.choice(BANK_NAMES)
    d.t(f"출금계좌 {bank_from} ")
    d.v("bank_account", "label_before", "출금계좌", "transfer", bank=bank_from, styles={"masked": 3, "hyphen": 1})
    d.t(f"\n입금은행 {bank_to}\n입금계좌 ")
    d.v("bank_account", "label_before", "입금계좌", "transfer", bank=bank_to, styles={"hyphen": 3, "plain": 2})
    d.t(f"\n받는분 {m.name()}\n이체금액 ")
    d.n("price", phrasing="이체금액")
    d.t("\n수수료 0원\n받는분 통장표시 " + m.name() + "\n내 통장표시 " + r.choice(("월세", "회비", "환불", "중고거래")) + "\n")
    d.t("거래번호 ")
    d.n("transaction_number", phrasing="거래번호")
    d.t("\n")
    if d.chance(0.5):
        d.t("\n[거래내역]\n거래일자\t적요\t출금\t입금\t잔액\n")
        for _ in range(r.randrange(2, 5)):
            d.n("event_date", m.date_text(2024, 2025, "dot"), "거래일자")
            d.t(f"\t{r.choice(('급여', '카드대금', '관리비', '이자', '타행이체', 'ATM출금'))}\t")
            d.n("price", f"{r.randrange(1, 3000) * 1000:,}", "출금")
            d.t("\t\t")
            d.n("account_balance", phrasing="잔액")
            d.t("\n")


# 25. electronic tax invoice -----------------------------------------------------------------
def tax_invoice(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t("전자세금계산서 (공급받는자 보관용)\n승인번호 ")
    d.n("invoice_number", phrasing="승인번호")
    d.t("\n")
    for side in ("공급자", "공급받는자"):
        d.t(f"[{side}] 등록번호 ")
        d.v("business_registration", "label_before", "등록번호", "invoice_party", styles={"hyphen": 9, "plain": 1})
        d.t(f"  종사업장번호 \n상호 {r.choice(COMPANIES)}  성명 {m.name()}\n사업장주소 {m.address()}\n")
        d.t(f"업태 {r.choice(('제조', '도소매', '서비스', '건설'))}  종목 {r.choice(('전자부품', '식자재', '소프트웨어', '인테리어'))}\n")
        d.t("이메일 ")
        d.v("email", "label_before", "이메일", "invoice_party")
        d.t("\n")
    d.t("작성일자 ")
    d.n("event_date", m.date_text(2024, 2025, "iso"), "작성일자")
    d.t("  공급가액 ")
    amount = r.randrange(10, 5000) * 10000
    d.n("price", f"{amount:,}", "공급가액")
    d.t("  세액 ")
    d.n("price", f"{amount // 10:,}", "세액")
    d.t(f"\n품목: {r.choice(('사무용품', '유지보수 용역', '식자재 납품', '광고 대행'))}  규격 ")
    d.n("model_number", phrasing="규격")
    d.t("\n이 금액을 (청구) 함\n")


# 26. flight or hotel booking confirmation ---------------------------------------------------
def travel_booking(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(r.choice(("e-티켓 확인증 / e-Ticket Itinerary\n", "[예약 확인] 항공권 발권 완료\n", "Booking Confirmation\n")))
    d.t("예약번호(PNR) ")
    d.n("reservation_number", "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(6)), "PNR")
    d.t("  항공권번호 ")
    d.n("ticket_number", phrasing="항공권번호")
    d.t("\n")
    for _ in range(r.randrange(1, 4)):
        sur, given = (x.upper() for x in m.roman())
        d.t(f"승객 {sur}/{given} {r.choice(('MR', 'MS', 'MSTR', 'MISS'))}\n  ")
        d.t(r.choice(("생년월일 ", "Date of Birth: ", "DOB ")))
        d.v("birth_date", "label_before", "생년월일", "booking_pax", lo=1950, hi=2022,
            styles={"english": 3, "iso": 2, "compact": 2, "dot": 1})
        d.t(r.choice(("  여권번호 ", "  Passport: ", "  PP# ")))
        d.v("passport", "label_before", "여권번호", "booking_pax", styles={"new": 4, "old": 3})
        d.t("  만료 ")
        d.n("event_date", m.date_text(2026, 2035, r.choice(("iso", "dot"))), "여권만료")
        d.t("\n")
    d.t(f"여정 {r.choice(('ICN-NRT', 'ICN-BKK', 'GMP-KIX', 'PUS-FUK', 'ICN-LAX'))} "
        f"{r.choice(('KE', 'OZ', '7C', 'LJ', 'TW'))}{r.randrange(100, 999)} 출발 ")
    d.n("event_date", m.date_text(2025, 2026, r.choice(("iso", "dot"))), "출발")
    d.t("\n예약자 연락처 ")
    d.v("phone", "label_before", "예약자 연락처", "booking_contact", landline=0,
        styles={"intl": 3, "hyphen": 3, "plain": 1})
    d.t("  이메일 ")
    d.v("email", "label_before", "이메일", "booking_contact")
    d.t("\n결제 ")
    d.v("credit_card", "label_before", "결제", "booking_pay", styles={"masked": 4, "hyphen": 1})
    d.t(" 총액 ")
    d.n("price", phrasing="총액")
    d.t("\n")


# 27. foreign worker employment / stay extension paperwork -------------------------------------
def foreign_worker(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(r.choice(("외국인근로자 고용변동 신고서\n", "체류기간 연장허가 신청 (통합신청서)\n", "외국인 근로자 명단\n")))
    roster = d.chance(0.5)
    if roster:
        heads = ["성명", "국적", r.choice(("외국인등록번호", "등록번호", "ARC No.")), r.choice(("여권번호", "Passport No.")),
                 r.choice(("생년월일", "DOB")), "입국일"]
        d.t(" | ".join(heads) + "\n")
        for _ in range(r.randrange(3, 8)):
            y = r.randrange(1970, 2004)
            d.t(f"{r.choice(FOREIGN_NAMES)} | {r.choice(NATIONS)} | ")
            d.v("foreigner_registration", "column_header", heads[2], "fw_table", lo=y, hi=y,
                styles={"hyphen": 6, "plain": 2, "masked": 1})
            d.t(" | ")
            d.v("passport", "column_header", heads[3], "fw_table", foreign=True)
            d.t(" | ")
            d.v("birth_date", "column_header", heads[4], "fw_table", lo=y, hi=y,
                styles={"iso": 3, "dmy_slash": 2, "slash": 2, "dot": 2, "english": 1})
            d.t(" | ")
            d.n("event_date", m.date_text(2018, 2025, "iso"), "입국일")
            d.t("\n")
    else:
        y = r.randrange(1970, 2004)
        d.t(f"성명(Name) {r.choice(FOREIGN_NAMES)}   국적 {r.choice(NATIONS)}\n")
        d.kv("foreigner_registration", r.choice(("외국인등록번호", "Alien Registration No.", "외국인등록번호(ARC)")), " ",
             lo=y, hi=y)
        d.t("여권번호 (Passport No.) ")
        d.v("passport", "label_before", "여권번호", "fw_form", foreign=True)
        d.t("   여권유효기간 ")
        d.n("event_date", m.date_text(2026, 2034, "iso"), "여권유효기간")
        d.t("\n")
        d.kv("birth_date", r.choice(("생년월일", "Date of Birth")), " ", lo=y, hi=y,
             styles={"iso": 3, "dmy_slash": 2, "english": 1, "dot": 2})
        d.kv("phone", r.choice(("휴대전화(Cell phone)", "연락처", "Tel.")), " ", landline=0)
    d.t(f"\n사업장명 {r.choice(COMPANIES)}  사업장관리번호 ")
    d.n("workplace_number", phrasing="사업장관리번호")
    d.t("\n사업자등록번호 ")
    d.v("business_registration", "label_before", "사업자등록번호", "fw_employer")
    d.t(f"\n담당자 {m.name()}  ")
    d.v("phone", "label_before", "담당자", "fw_employer", landline=0.4)
    d.t("\n")


# 28. speech-to-text transcript of a call centre conversation ------------------------------------
def call_transcript(d: _Doc) -> None:
    r, m = d.r, d.m
    a, c = r.choice((("상담사", "고객"), ("AGENT", "CUSTOMER"), ("A", "C")))
    d.t(f"[STT 녹취] 콜ID ")
    d.n("transaction_number", phrasing="콜ID")
    d.t(f" 통화시간 {r.randrange(1, 15)}분 {r.randrange(60)}초\n")
    d.t(f"{a}: 네 {r.choice(INSURERS + ('한빛카드', '누리통신'))} 고객센터 {m.name()}입니다 무엇을 도와드릴까요\n")
    d.t(f"{c}: " + r.choice(("카드 분실해서요 정지하려고요", "요금이 두 번 빠져나가서요", "보험금 청구한 거 확인하려고요",
                              "주소 변경하려고 하는데요")) + "\n")
    d.t(f"{a}: 네 본인 확인을 위해 생년월일 여섯 자리 말씀해 주시겠어요\n{c}: ")
    y = r.randrange(1950, 2004)
    p = m.birth(lo=y, hi=y, styles={"hangul_numerals": 3, "yymmdd": 2})
    d.put(p, "question_before", "생년월일", "stt_birth")
    d.t(r.choice(("이요\n", "\n", " 입니다\n")))
    d.t(f"{a}: 확인 감사합니다 연락받으실 번호도 불러 주시겠어요\n{c}: ")
    d.v("phone", "question_before", "번호", "stt_phone", landline=0.05,
        styles={"hangul_numerals": 3, "hangul_mixed": 1, "spoken_digits": 2, "hyphen": 1})
    d.t(r.choice((" 요\n", "\n", " 이요 \n")))
    if d.chance(0.45):
        d.t(f"{a}: 환불 받으실 계좌 은행명이랑 번호 말씀해 주세요\n{c}: ")
        bank = r.choice(BANK_NAMES)
        d.t(f"{bank} ")
        d.v("bank_account", "question_before", "계좌", "stt_account", bank=bank, styles={"plain": 2, "space": 2, "hyphen": 1})
        d.t(" 이요\n")
    if d.chance(0.3):
        d.t(f"{a}: 카드번호 열여섯 자리 불러주시겠어요\n{c}: ")
        d.v("credit_card", "question_before", "카드번호", "stt_card", styles={"space": 3, "plain": 1})
        d.t("\n")
    d.t(f"{a}: 네 처리되었습니다 추가 문의는 ")
    d.n("company_phone", phrasing="추가 문의")
    d.t(" 으로 주시면 됩니다 감사합니다\n")


# 29. mobile phone subscription form at a telecom shop -----------------------------------------
def phone_opening(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(f"[{r.choice(('누리통신', '한결모바일', '다온텔레콤'))}] 이동전화 신규가입 신청서  접수점: {r.choice(DONGS)} 직영점\n")
    d.t("가입유형: " + r.choice(("신규", "번호이동", "기기변경")) + f"   요금제: {r.choice(('5G 라이트', 'LTE 무제한', '청소년 요금제'))}\n")
    d.t(f"고객명: {m.name()}\n")
    y = r.randrange(1950, 2008)
    idtype = r.choice(("주민등록증", "운전면허증", "외국인등록증", "여권"))
    d.t(f"신분증 종류: {idtype}\n")
    if idtype == "주민등록증":
        d.kv("resident", r.choice(("주민등록번호", "주민번호")), ": ", lo=y, hi=y, styles={"masked": 4, "hyphen": 3})
    elif idtype == "운전면허증":
        d.kv("birth_date", "생년월일", ": ", lo=y, hi=y)
        d.kv("driver_license", r.choice(("면허번호", "운전면허번호")), ": ")
    elif idtype == "외국인등록증":
        d.kv("foreigner_registration", r.choice(("외국인등록번호", "등록번호")), ": ", lo=y, hi=y)
    else:
        d.kv("birth_date", "생년월일", ": ", lo=y, hi=y)
        d.kv("passport", "여권번호", ": ", foreign=d.chance(0.5))
    d.t("신분증 발급일자: ")
    d.n("event_date", m.date_text(2010, 2025, "dot"), "발급일자")
    d.t("\n개통번호: ")
    d.v("phone", "label_before", "개통번호", "opening_line", landline=0, styles={"hyphen": 1})
    d.t("   기존 번호(번호이동 시): ")
    d.v("phone", "label_before", "기존 번호", "opening_line", landline=0, styles={"hyphen": 3, "plain": 1})
    d.t(f"\n단말기: {r.choice(('Galaxy S24', 'iPhone 15', 'Galaxy A35'))}  ")
    if d.chance(0.5):
        d.t("IMEI ")
        body = [3, 5] + [int(c) for c in m.digits(12)]
        d.n("imei", "".join(map(str, body + [corpus.luhn_check(body)])), "IMEI")
    else:
        d.t("일련번호 ")
        d.n("serial_number", phrasing="일련번호")
    d.t("\n")
    if d.chance(0.5):
        d.t(f"요금납부: 카드자동이체 ({r.choice(('신한', '삼성', '현대', 'KB국민'))}카드) ")
        d.v("credit_card", "label_before", "카드자동이체", "opening_pay", styles={"hyphen": 3, "masked": 2, "plain": 1})
        d.t(" 유효기간 ")
        d.n("card_expiry", phrasing="유효기간")
    else:
        bank = r.choice(BANK_NAMES)
        d.t(f"요금납부: 계좌자동이체 {bank} ")
        d.v("bank_account", "label_before", "계좌자동이체", "opening_pay", bank=bank)
        d.t(f" 예금주 본인")
    d.t("\n청구서 수령: 이메일 ")
    d.v("email", "label_before", "이메일", "opening_bill")
    d.t("\n")
    if d.chance(0.3):
        d.t(f"법정대리인(미성년자 가입 시) {m.name()} 연락처 ")
        d.v("phone", "label_before", "법정대리인 연락처", "opening_guardian", landline=0)
        d.t("\n")
    d.t("고객센터 114 / ")
    d.n("company_phone", phrasing="고객센터")
    d.t("\n")


# 30. car rental agreement ----------------------------------------------------------------------
def car_rental(d: _Doc) -> None:
    r, m = d.r, d.m
    d.t(f"{r.choice(('제주', '서울', '부산'))} {r.choice(('스마일', '하나로', '바다'))}렌터카 대여계약서\n계약번호 ")
    d.n("order_number", phrasing="계약번호")
    d.t(f"\n차종: {r.choice(('아반떼', '쏘나타', '카니발', 'K5', '레이'))}  차량번호 {r.randrange(10, 399)}{r.choice('하허호')} {m.digits(4)}\n")
    d.t("대여일시 ")
    start = datetime.date(*corpus.random_date(r, 2025, 2025))
    d.n("event_date", start.isoformat(), "대여일시")
    d.t(" 10:00  반납예정 ")
    d.n("event_date", (start + datetime.timedelta(days=r.randrange(1, 8))).isoformat(), "반납예정")
    d.t(" 10:00\n\n")
    for role in ("제1운전자", "제2운전자")[: r.randrange(1, 3)]:
        y = r.randrange(1960, 2003)
        d.t(f"[{role}] 성명 {m.name()}\n")
        lay = r.random()
        if lay < 0.5:
            d.t(r.choice(("  면허번호 ", "  운전면허번호: ", "  면허No. ")))
            d.v("driver_license", "label_before", "면허번호", "rental_driver")
            d.t(f"  면허종류 {r.choice(('1종보통', '2종보통'))}\n")
        else:
            d.t("  운전면허번호            면허종류   적성검사만료일\n  ")
            d.v("driver_license", "label_above", "운전면허번호", "rental_driver_columns")
            d.t(f"    {r.choice(('1종보통', '2종보통'))}   ")
            d.n("event_date", m.date_text(2026, 2034, "dot"), "적성검사만료일")
            d.t("\n")
        d.t("  생년월일 ")
        d.v("birth_date", "label_before", "생년월일", "rental_driver", lo=y, hi=y,
            styles={"yymmdd": 3, "dot": 3, "iso": 2, "korean": 1})
        d.t("  연락처 ")
        d.v("phone", "label_before", "연락처", "rental_driver", landline=0)
        d.t("\n")
    d.t("보증금 결제 ")
    d.v("credit_card", "label_before", "보증금 결제", "rental_pay", styles={"masked": 3, "hyphen": 2})
    d.t("  승인번호 ")
    d.n("approval_number", phrasing="승인번호")
    d.t("\n자차보험 가입 / 긴급출동 ")
    d.n("company_phone", phrasing="긴급출동")
    d.t("\n")


# --------------------------------------------------------------------------- the part

GENRES = {
    "emr_note": (emr_note, 1.0), "nursing_note": (nursing_note, 0.8), "claim_memo": (claim_memo, 1.0),
    "civil_petition": (civil_petition, 0.8), "loan_application": (loan_application, 0.8),
    "payroll_export": (payroll_export, 0.6), "hr_record": (hr_record, 0.8), "pdf_extract": (pdf_extract, 0.8),
    "ocr_receipt": (ocr_receipt, 1.0), "id_copy": (id_copy, 0.8), "email_thread": (email_thread, 1.0),
    "sms_alert": (sms_alert, 1.0), "crm_ticket": (crm_ticket, 0.9), "team_chat": (team_chat, 0.9),
    "lease_contract": (lease_contract, 0.6), "parcel_label": (parcel_label, 0.9),
    "police_record": (police_record, 0.6), "school_roster": (school_roster, 0.6),
    "signup_json": (signup_json, 0.6), "signup_xml": (signup_xml, 0.5), "signup_yaml": (signup_yaml, 0.4),
    "access_log": (access_log, 0.6), "spreadsheet_paste": (spreadsheet_paste, 0.6),
    "transfer_receipt": (transfer_receipt, 0.7), "tax_invoice": (tax_invoice, 0.6),
    "travel_booking": (travel_booking, 0.6), "foreign_worker": (foreign_worker, 0.9),
    "call_transcript": (call_transcript, 0.8), "phone_opening": (phone_opening, 0.7),
    "car_rental": (car_rental, 0.7),
}


def document(index: int, seed: int = 1) -> labelled.Document:
    """Document number `index` of the part for `seed`: the same whatever the count asked for."""
    r = random.Random(seed * 1_000_003 + index * 7919 + 0xB2)
    names = list(GENRES)
    genre = r.choices(names, [GENRES[g][1] for g in names])[0]
    d = _Doc(genre, r)
    GENRES[genre][0](d)
    return d.document()


def generate(count: int = 1500, seed: int = 1) -> list[labelled.Document]:
    """`count` labelled documents of the blind2 part, made from `seed`."""
    return [document(i, seed) for i in range(count)]


if __name__ == "__main__":
    import sys
    docs = generate(int(sys.argv[1]) if len(sys.argv) > 1 else 5, int(sys.argv[2]) if len(sys.argv) > 2 else 1)
    for doc in docs:
        print(f"===== {doc.genre}\n{doc.text}")
        for v in doc.values:
            print(f"  value {v.kind:24} {v.writing:18} {v.label:14} {v.text!r}")
        for n in doc.negatives:
            print(f"  negative {n.category:20} {n.text!r}")
