"""Third blind part of the labelled Korean documents: everyday paperwork and developer artefacts
(leases and brokerage papers, résumés, insurance, telecom sign-ups, prescriptions, academy and
apartment notices, second-hand trading, community boards, car papers, court and government
documents, orders, bookings, memberships, vet records, wedding and funeral notices, receipts,
bank exports, payroll, spreadsheets, signatures and business cards, SQL, JSON logs, config files,
stack traces and English-Korean company forms). Written apart from the detection rules, to be
measured and never tuned on. Everything is made from a seed; nothing is downloaded.

    docs = labelled_blind3.generate(1500, seed=1)

Records follow `labelled.py` (`Document`, `Value`, `Negative`): every personal value with its
kind, exact span, way of writing, label situation and whether it is partly masked, and every
look-alike that is not personal information with its category. A bare date or account-like
number that no label or context identifies is left out rather than recorded.
"""

from __future__ import annotations

import datetime
import random
import time

import corpus
from labelled import Document, Written, _Writer

PART = "blind3"
KINDS = corpus.KINDS

# Label situations a value can be in.
SITUATIONS = ("label_before", "label_after", "label_above", "lines_away", "column_header",
              "label_english", "label_abbrev", "label_symbol", "key", "bank_name", "sentence_cue",
              "question_before", "no_label")

# --------------------------------------------------------------------------- word pools

SURNAMES = "김이박최정강조윤장임한오서신권황안송류홍전고문양손배백허유남심노하곽성차주우구민진"
GIVEN = ("서현 도현 민준 지우 예린 시윤 하준 수민 정민 영호 미숙 경자 상철 은숙 재민 나은 유나 "
         "현준 승민 다인 채윤 태희 동건 보영 진호 수정 연희 기훈 혜원 종민 아름 성민 지혜 준혁").split()
ROMAN_GIVEN = ("seohyun dohyun minjun jiwoo yerin siyoon hajun sumin jungmin youngho jaemin nayeon "
               "yuna hyunjun seungmin dain taehee dongkun boyoung jinho sujung kihoon hyewon").split()
ROMAN_FAMILY = "kim lee park choi jung kang cho yoon jang lim han oh seo shin kwon hwang ahn song".split()
PERSONAL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                    "icloud.com", "outlook.com", "yahoo.co.kr")
WORK_DOMAINS = ("hanul-tech.co.kr", "daeyang.com", "seorin.kr", "mirae-logis.co.kr", "bluepine.io",
                "gaon-edu.kr", "sejin-law.com", "donghae-ins.co.kr", "kr.nordmark.com")
CITIES = (("서울특별시", ("마포구", "강서구", "노원구", "송파구", "관악구", "은평구")),
          ("경기도", ("수원시 영통구", "성남시 분당구", "고양시 일산동구", "용인시 수지구", "화성시")),
          ("부산광역시", ("해운대구", "수영구", "사하구")), ("대구광역시", ("수성구", "달서구")),
          ("인천광역시", ("연수구", "부평구")), ("대전광역시", ("유성구", "서구")),
          ("광주광역시", ("북구", "광산구")), ("충청남도", ("천안시 서북구", "아산시")),
          ("전라북도", ("전주시 완산구", "익산시")), ("경상남도", ("창원시 성산구", "김해시")))
ROADS = ("월드컵북로", "공항대로", "동일로", "올림픽로", "관악로", "통일로", "광교중앙로", "판교역로",
         "중앙로", "센텀중앙로", "광안해변로", "달구벌대로", "컨벤시아대로", "대학로", "상무대로")
APARTMENTS = ("래미안", "푸르지오", "e편한세상", "자이", "힐스테이트", "더샵", "아이파크", "롯데캐슬",
              "한신", "주공", "현대")

BANK_SHAPES = {  # how each bank writes its account numbers (first groups fixed where banks do)
    "KB국민은행": ((6, 2, 6), (3, 2, 4, 3)), "신한은행": ((3, 3, 6), (3, 2, 6)),
    "우리은행": ((4, 3, 6),), "하나은행": ((3, 6, 5),), "NH농협은행": ((3, 4, 4, 2), (3, 2, 6)),
    "IBK기업은행": ((3, 6, 2, 3),), "카카오뱅크": ((4, 2, 7),), "토스뱅크": ((4, 4, 4),),
    "케이뱅크": ((3, 3, 6),), "우체국": ((6, 2, 6),), "새마을금고": ((4, 2, 6, 1),),
    "신협": ((3, 3, 6),), "SC제일은행": ((3, 2, 6),), "수협은행": ((3, 2, 6),), "부산은행": ((3, 4, 4, 2),),
    "iM뱅크": ((3, 2, 6, 1),), "경남은행": ((3, 2, 7),), "광주은행": ((3, 3, 6),),
}
BANK_PREFIX = {"카카오뱅크": ("3333", "3355", "3388", "3310"), "토스뱅크": ("1000", "1001", "1002"),
               "신한은행": ("110", "140", "100"), "우리은행": ("1002", "1005"), "케이뱅크": ("100", "700"),
               "NH농협은행": ("302", "301", "351", "352", "356"), "새마을금고": ("9002", "9003"),
               "SC제일은행": ("123", "279", "611"), "우체국": ("012345", "010021", "014392")}
BANK_SHORT = {"KB국민은행": ("국민", "KB", "국민은행"), "신한은행": ("신한",), "우리은행": ("우리",),
              "하나은행": ("하나",), "NH농협은행": ("농협", "NH", "농협은행"), "IBK기업은행": ("기업", "IBK"),
              "카카오뱅크": ("카뱅", "카카오"), "토스뱅크": ("토스",), "케이뱅크": ("케뱅",), "우체국": ("우체국",),
              "새마을금고": ("새마을",), "신협": ("신협",), "SC제일은행": ("SC제일", "제일"),
              "수협은행": ("수협",), "부산은행": ("부산",), "iM뱅크": ("대구은행", "iM"), "경남은행": ("경남",),
              "광주은행": ("광주",)}
LICENSE_REGIONS = {11: "서울", 12: "부산", 13: "경기", 14: "강원", 15: "충북", 16: "충남", 17: "전북",
                   18: "전남", 19: "경북", 20: "경남", 21: "제주", 22: "대구", 23: "인천", 24: "광주",
                   25: "대전", 26: "울산", 28: "경기"}
FULLWIDTH = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGIT = "공일이삼사오육칠팔구"
KEYCAP = "\ufe0f\u20e3"
MOTHER_TONGUE_NAMES = ("NGUYEN VAN AN", "TRAN THI MAI", "ZHANG WEI", "WANG FANG", "BATBAYAR GANBOLD",
                       "SITI RAHMA", "JOHN MILLER", "EMMA SCHULZ", "IVAN PETROV", "SOMCHAI PRASERT")

# --------------------------------------------------------------------------- ways of writing

# Ways of writing by kind with weights; genres narrow them where their medium dictates.
WRITINGS = {
    "resident": {"hyphen": 6, "plain": 1.5, "spaced": 1, "fullwidth": 0.7, "masked": 2.5,
                 "line_break": 0.6, "issued_after_2020": 0.6},
    "foreigner_registration": {"hyphen": 5, "plain": 1.5, "masked": 1.5, "issued_after_2020": 2,
                               "spaced": 0.7},
    "business_registration": {"hyphen": 7, "plain": 2, "fullwidth": 0.6, "spaced": 0.6, "masked": 0.8},
    "credit_card": {"hyphen": 5, "spaced": 2.5, "plain": 1.5, "masked": 3, "amex": 0.8, "line_break": 0.4},
    "bank_account": {"hyphen": 6, "plain": 2.5, "spaced": 0.8, "masked": 1.2},
    "phone": {"hyphen": 8, "plain": 1.5, "dot": 1, "spaced": 1.2, "area_bracket": 0.6, "intl_plus": 1,
              "fullwidth": 0.4, "masked": 1.5, "line_break": 0.4},
    "email": {"plain": 9, "masked": 1.2, "spelled_at": 0.5, "korean_at": 0.5, "fullwidth_at": 0.3,
              "spaced_at": 0.4},
    "driver_license": {"hyphen": 5, "region_name": 3, "plain": 1.2, "masked": 1},
    "birth_date": {"iso": 2, "dot": 3, "dot_spaced": 1.5, "korean": 3, "short_dot": 1, "yymmdd": 1.5,
                   "compact": 1, "slash": 0.7},
    "passport": {"old_format": 4, "current_format": 4, "foreign_format": 1},
}
# Writings of phone numbers meant to slip past a marketplace's filter.
DODGE_WRITINGS = {"hangul_numerals": 3, "hangul_mixed": 3, "keycap": 1.5, "spaced_digits": 2,
                  "vowel_dash": 1.5, "letter_for_digit": 1.5, "spaced": 1, "plain": 1}
# Ways of writing only the genres that use them ask for (by name), at weight one.
GENRE_ONLY_WRITINGS = {"birth_date": {"english"}, "bank_account": {"hangul_numerals"},
                       "phone": set(DODGE_WRITINGS) - set(WRITINGS["phone"])}
COMPACT = {"hyphen", "plain", "masked", "issued_after_2020", "amex", "dot", "iso", "compact", "yymmdd",
           "old_format", "current_format", "intl_plus", "region_name", "slash"}
# Writings a reader recognises with no label at all.
UNLABELLED_OK = {
    "resident": {"hyphen", "masked", "issued_after_2020"},
    "foreigner_registration": {"hyphen", "masked", "issued_after_2020"},
    "business_registration": {"hyphen"},
    "credit_card": {"hyphen", "spaced", "masked", "amex"},
    "phone": {"hyphen", "dot", "intl_plus", "masked", "area_bracket"} | set(DODGE_WRITINGS) - {"plain"},
    "email": {"plain", "masked", "spelled_at", "korean_at", "fullwidth_at", "spaced_at"},
}
MASKED = {"masked"}
# How numbers come out of OCR of a scanned paper form, by weight.
SCANNED = {"hyphen": 3, "line_break": 2, "fullwidth": 1.5, "spaced": 1}


class _Values:
    """Personal values with real structures: check digits where the numbers have them, account
    shapes per bank, licence region codes, both passport formats."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def digits(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def writing(self, kind: str, allowed=None) -> str:
        """A way of writing by its usual weight; `allowed` narrows the choice (and may name ways
        a genre uses that are rare elsewhere). Sorted, so the choice never hangs on set order."""
        usual = WRITINGS[kind]
        table = dict(usual) if allowed is None else {
            w: usual.get(w, 1.0) for w in sorted(allowed) if w in usual or w in GENRE_ONLY_WRITINGS.get(kind, ())}
        if not table:
            raise ValueError(f"no writing of {kind} among {allowed}")
        return self.r.choices(list(table), list(table.values()))[0]

    def make(self, kind: str, writing: str | None = None, allowed=None, **how) -> Written:
        writing = writing or self.writing(kind, allowed)
        text = getattr(self, kind)(writing, **how)
        return Written(kind, text, writing, writing in MASKED)

    # ---- identity numbers

    def _resident_digits(self, foreigner: bool, recent: bool, born=(1948, 2005)) -> str:
        r = self.r
        if recent:  # numbers issued since October 2020 end in arbitrary digits
            y, m, d = corpus.random_date(r, *((1960, 2004) if foreigner else (2021, 2025)))
            g = (5 if foreigner else 1) + (2 if y >= 2000 else 0) + r.randrange(2)
            return f"{y % 100:02d}{m:02d}{d:02d}{g}" + self.digits(6)
        y, m, d = corpus.random_date(r, *born)
        g = (5 if foreigner else 1) + (2 if y >= 2000 else 0) + r.randrange(2)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{d:02d}{g}"] + [r.randrange(10) for _ in range(5)]
        return "".join(map(str, d12 + [corpus.resident_check(d12, foreigner)]))

    def resident(self, writing: str, foreigner: bool = False, born=(1948, 2005)) -> str:
        r = self.r
        s = self._resident_digits(foreigner, writing == "issued_after_2020", born)
        front, back = s[:6], s[6:]
        if writing == "masked":
            return r.choice((f"{front}-{back[0]}******", f"{front}-*******", f"{front}-{back[0]}XXXXXX",
                             f"{front}-{back[:3]}****", f"{front[:4]}**-{back[0]}******"))
        if writing == "plain":
            return s
        if writing == "spaced":
            return f"{front} {back}"
        if writing == "fullwidth":
            return f"{front}-{back}".translate(FULLWIDTH)
        if writing == "line_break":
            return f"{front}-\n{back}"
        return f"{front}-{back}"

    def foreigner_registration(self, writing: str) -> str:
        return self.resident(writing, foreigner=True)

    def business_registration(self, writing: str) -> str:
        r = self.r
        mid = r.choice(("01", "05", "10", "13", "21", "26", "37", "81", "81", "86", "87", "88", "82", "90"))
        d9 = [r.randrange(1, 10), r.randrange(10), r.randrange(10)] + [int(c) for c in mid] + \
            [r.randrange(10) for _ in range(4)]
        s = "".join(map(str, d9 + [corpus.business_check(d9)]))
        a, b, c = s[:3], s[3:5], s[5:]
        return {"plain": s, "spaced": f"{a} {b} {c}", "fullwidth": f"{a}-{b}-{c}".translate(FULLWIDTH),
                "masked": f"{a}-{b}-{c[:2]}***" if r.random() < 0.5 else f"{a}-**-{c[:1]}****"
                }.get(writing, f"{a}-{b}-{c}")

    def credit_card(self, writing: str) -> str:
        r = self.r
        if writing == "amex":
            body = [3, r.choice((4, 7))] + [r.randrange(10) for _ in range(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return f"{s[:4]}-{s[4:10]}-{s[10:]}" if r.random() < 0.7 else f"{s[:4]} {s[4:10]} {s[10:]}"
        prefix = r.choice(("4", "4", "51", "53", "55", "2221", "9410", "9430", "9490", "356", "6243",
                           "4870", "4579", "5365"))
        body = [int(c) for c in prefix] + [r.randrange(10) for _ in range(15 - len(prefix))]
        s = "".join(map(str, body + [corpus.luhn_check(body)]))
        g = [s[:4], s[4:8], s[8:12], s[12:]]
        if writing == "masked":
            return r.choice((f"{g[0]}-{g[1][:2]}**-****-{g[3]}", f"{g[0]} **** **** {g[3]}",
                             f"{g[0]}{g[1][:2]}******{g[3]}", f"{g[0]}-****-****-{g[3]}",
                             f"****-****-****-{g[3]}"))
        if writing == "spaced":
            return " ".join(g)
        if writing == "plain":
            return s
        if writing == "line_break":
            return f"{g[0]}-{g[1]}-\n{g[2]}-{g[3]}"
        return "-".join(g)

    def bank_account(self, writing: str, bank: str | None = None) -> str:
        r = self.r
        bank = bank or r.choice(list(BANK_SHAPES))
        shape = r.choice(BANK_SHAPES[bank])
        groups = [self.digits(n) for n in shape]
        lead = [p for p in BANK_PREFIX.get(bank, ()) if len(p) == shape[0]]
        if lead:
            groups[0] = r.choice(lead)
        if writing == "hangul_numerals":
            return self.r.choice((" ", "-")).join("".join(HANGUL_DIGIT[int(c)] for c in x) for x in groups)
        if writing == "masked":
            last = groups[-1]
            groups[-1] = last[:-4] + "****" if len(last) > 4 else "*" * len(last)
            if r.random() < 0.4 and len(groups) > 2:
                groups[1] = "*" * len(groups[1])
            return "-".join(groups)
        if writing == "plain":
            return "".join(groups)
        if writing == "spaced":
            return " ".join(groups)
        return "-".join(groups)

    def _phone_groups(self, line: str) -> list[str]:
        r = self.r
        if line == "mobile":
            return ["010", str(r.randrange(2, 10)) + self.digits(3), self.digits(4)]
        if line == "internet":
            return ["070", str(r.randrange(4, 9)) + self.digits(3), self.digits(4)]
        area = r.choice(("02", "02", "031", "032", "033", "041", "042", "051", "052", "053", "055", "062",
                         "063", "064"))
        return [area, str(r.randrange(2, 10)) + self.digits(r.choice((2, 3))), self.digits(4)]

    def phone(self, writing: str, line: str | None = None) -> str:
        r = self.r
        line = line or r.choices(("mobile", "landline", "internet"), (8, 2, 0.6))[0]
        if writing in DODGE_WRITINGS and writing not in ("spaced", "plain"):
            line = "mobile"
        g = self._phone_groups(line)
        flat = "".join(g)
        if writing == "plain":
            return flat
        if writing == "dot":
            return ".".join(g)
        if writing == "spaced":
            return " ".join(g)
        if writing == "area_bracket":
            return f"({g[0]}) {g[1]}-{g[2]}" if r.random() < 0.7 else f"{g[0]}){g[1]}-{g[2]}"
        if writing == "intl_plus":
            rest = [g[0][1:]] + g[1:]
            return r.choice((f"+82-{'-'.join(rest)}", f"+82 {' '.join(rest)}", f"+82 {rest[0]}-{rest[1]}-{rest[2]}",
                             f"+82{''.join(rest)}", f"+82 (0){rest[0]} {rest[1]} {rest[2]}"))
        if writing == "fullwidth":
            return "-".join(g).translate(FULLWIDTH)
        if writing == "masked":
            return r.choice((f"{g[0]}-{'*' * len(g[1])}-{g[2]}", f"{g[0]}-{g[1][:2]}**-{g[2]}",
                             f"{g[0]}-{g[1]}-{'*' * len(g[2])}", f"{g[0]}-****-{g[2][:2]}**"))
        if writing == "line_break":
            return f"{g[0]}-{g[1]}-\n{g[2]}"
        if writing == "hangul_numerals":
            spoken = ["".join(HANGUL_DIGIT[int(c)] for c in x) for x in g]
            return r.choice((" ", "-", "", " 다시 ")[:3]).join(spoken) if r.random() < 0.9 else \
                " ".join(spoken)
        if writing == "hangul_mixed":
            pick = r.sample(range(3), r.choice((1, 2)))
            return r.choice((" ", "-")).join("".join(HANGUL_DIGIT[int(c)] for c in x) if i in pick else x
                                             for i, x in enumerate(g))
        if writing == "keycap":
            return " ".join("".join(c + KEYCAP for c in x) for x in g)
        if writing == "spaced_digits":
            return r.choice((" - ", "  ", " ")).join(" ".join(x) for x in g)
        if writing == "vowel_dash":
            return r.choice(("ㅡ", "ㅡ", "~", "ㅣ")).join(g)
        if writing == "letter_for_digit":
            s = "-".join(g) if r.random() < 0.6 else " ".join(g)
            return s.replace("0", r.choice(("O", "o")), r.choice((1, 2, 9)))
        return "-".join(g)

    def email(self, writing: str, work: bool = False, local: str | None = None) -> str:
        r = self.r
        if local is None:
            given, family = r.choice(ROMAN_GIVEN), r.choice(ROMAN_FAMILY)
            local = r.choice((f"{given}.{family}", f"{family}{given}{r.randrange(80, 100)}", f"{given[:2]}{family}",
                              f"{family}.{given[0]}", f"{given}{r.randrange(1, 999)}", f"{given}_{family}"))
        domain = r.choice(WORK_DOMAINS if work else PERSONAL_DOMAINS)
        if writing == "masked":
            return f"{local[:3]}{'*' * max(3, len(local) - 3)}@{domain}"
        if writing == "spelled_at":
            return f"{local} at {' dot '.join(domain.split('.'))}" if r.random() < 0.5 else f"{local}(at){domain}"
        if writing == "korean_at":
            return f"{local} 골뱅이 {domain}" if r.random() < 0.6 else f"{local}골뱅이{domain.replace('.', ' 점 ')}"
        if writing == "fullwidth_at":
            return f"{local}＠{domain}"
        if writing == "spaced_at":
            return f"{local} @ {domain}"
        return f"{local}@{domain}"

    def driver_license(self, writing: str) -> str:
        r = self.r
        code = r.choice(list(LICENSE_REGIONS))
        year = f"{r.randrange(85, 124) % 100:02d}"
        serial, check = self.digits(6), self.digits(2)
        if writing == "region_name":
            return f"{LICENSE_REGIONS[code]}{r.choice((' ', '', ' '))}{year}-{serial}-{check}"
        if writing == "plain":
            return f"{code}{year}{serial}{check}"
        if writing == "masked":
            return r.choice((f"{code}-{year}-{serial[:2]}****-**", f"{code}-{year}-******-{check}"))
        return f"{code}-{year}-{serial}-{check}"

    def birth_date(self, writing: str, born=(1950, 2008)) -> str:
        y, m, d = corpus.random_date(self.r, *born)
        months = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")
        return {
            "iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}", "dot_spaced": f"{y}. {m}. {d}.",
            "korean": f"{y}년 {m}월 {d}일", "short_dot": f"{y % 100:02d}.{m:02d}.{d:02d}",
            "yymmdd": f"{y % 100:02d}{m:02d}{d:02d}", "compact": f"{y}{m:02d}{d:02d}",
            "slash": f"{y}/{m:02d}/{d:02d}", "english": self.r.choice((f"{months[m - 1]} {d}, {y}",
                                                                       f"{d:02d}-{months[m - 1]}-{y}",
                                                                       f"{d} {months[m - 1]} {y}")),
        }[writing]

    def passport(self, writing: str) -> str:
        r = self.r
        if writing == "current_format":
            return r.choice("MMMMSRD") + self.digits(3) + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") + self.digits(4)
        if writing == "foreign_format":
            return r.choice((lambda: "E" + self.digits(8), lambda: "EJ" + self.digits(7),
                             lambda: r.choice(("TK", "TZ", "MU")) + self.digits(7),
                             lambda: "C" + self.digits(7), lambda: "P" + self.digits(7)))()
        return r.choice("MMMMSRDO") + self.digits(8)


# --------------------------------------------------------------------------- look-alikes

REPRESENTATIVE_PREFIXES = ("1588", "1544", "1577", "1600", "1661", "1899", "1644")


class _LookAlikes:
    """Numbers that are not personal information, by category."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def d(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def date(self, lo=2016, hi=2026, style=None) -> str:
        y, m, d = corpus.random_date(self.r, lo, hi)
        style = style or self.r.choice(("iso", "dot", "korean", "dot_spaced", "slash"))
        return self._style(datetime.date(y, m, d), style)

    def money(self, lo: int, hi: int, unit: int = 100) -> str:
        """An amount between lo and hi in steps of unit, with thousands separators."""
        return f"{self.r.randrange(lo // unit, hi // unit + 1) * unit:,}"

    def date_pair(self, lo: int, hi: int, style: str, days=(1, 400)) -> tuple[str, str]:
        """Two dates in order (a start and an end), written alike."""
        y, m, dd = corpus.random_date(self.r, lo, hi)
        start = datetime.date(y, m, dd)
        end = start + datetime.timedelta(days=self.r.randrange(*days))
        return self._style(start, style), self._style(end, style)

    @staticmethod
    def _style(day: datetime.date, style: str) -> str:
        y, m, d = day.year, day.month, day.day
        return {"iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}", "korean": f"{y}년 {m}월 {d}일",
                "dot_spaced": f"{y}. {m}. {d}.", "slash": f"{y}/{m:02d}/{d:02d}",
                "compact": f"{y}{m:02d}{d:02d}"}[style]

    def make(self, category: str) -> str:
        r, d = self.r, self.d
        y = r.randrange(2017, 2027)
        makers = {
            "order_number": lambda: r.choice((f"{y}{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}{d(6)}",
                                             f"B{d(11)}", f"{d(4)}-{d(4)}-{d(4)}", d(16))),
            "tracking_number": lambda: r.choice((d(12), f"{d(4)}-{d(4)}-{d(4)}", d(13))),
            "case_number": lambda: f"{y}{r.choice(('가단', '가합', '가소', '고단', '나', '머', '타채'))}{r.randrange(100, 999999)}",
            "policy_number": lambda: r.choice((f"{d(4)}-{d(6)}-{d(3)}", f"L{d(11)}", d(12), f"{y}-{d(7)}")),
            "patient_number": lambda: r.choice((d(8), d(7), f"{d(2)}-{d(6)}")),
            "member_number": lambda: r.choice((d(9), f"M{d(8)}", d(12), f"{y}{d(5)}")),
            "serial_number": lambda: r.choice((f"{d(4)}-{d(4)}-{d(4)}-{d(4)}", d(16), f"R{d(2)}X{d(7)}", d(14))),
            "price": lambda: self.money(1_000, 300_000, r.choice((10, 100, 1000))),
            "event_date": lambda: self.date(),
            "time": lambda: r.choice((f"{r.randrange(7, 23):02d}:{r.choice(('00', '30', '10', '40'))}",
                                      f"오후 {r.randrange(1, 10)}시",
                                      f"{r.randrange(9, 19)}시 {r.randrange(10, 60, 10)}분")),
            "postal_code": lambda: f"{r.randrange(1, 63):02d}{d(3)}",
            "building_number": lambda: f"{r.randrange(101, 120)}동 {r.randrange(1, 30)}{r.randrange(1, 6):02d}호",
            "ip_address": lambda: ".".join(str(x) for x in (r.choice((10, 172, 192, 211, 58, 121)), r.randrange(256),
                                                            r.randrange(256), r.randrange(1, 255))),
            "version_number": lambda: r.choice((f"{r.randrange(1, 9)}.{r.randrange(20)}.{r.randrange(30)}",
                                                f"v{r.randrange(1, 5)}.{r.randrange(20)}.{r.randrange(10)}",
                                                f"{r.randrange(1, 20)}.{r.randrange(10)}.{r.randrange(10)}.{d(4)}")),
            "isbn": lambda: self._isbn(),
            "company_number": lambda: r.choice((f"{r.choice(REPRESENTATIVE_PREFIXES)}-{d(4)}",
                                                f"080-{d(3)}-{d(4)}", f"1588{d(4)}")),
            "invoice_number": lambda: f"{y}{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}-{d(8)}-{d(8)}"
            if r.random() < 0.5 else f"{y}{d(4)}-{d(6)}",
            "vehicle_plate": lambda: f"{r.randrange(10, 400)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주하허호')}"
                                     f"{r.choice(('', ' '))}{d(4)}",
            "vin": lambda: "KM" + r.choice("HJ") + "".join(r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789")
                                                           for _ in range(8)) + d(6),
            "lot_number": lambda: f"{r.randrange(1, 1500)}-{r.randrange(1, 60)}",
            "registry_number": lambda: f"{d(4)}-{y}-{d(6)}",
            "drug_code": lambda: r.choice(("64", "65", "67", "62")) + d(7),
            "institution_code": lambda: r.choice(("1", "3", "4")) + d(7),
            "prescription_number": lambda: f"{y}{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}{d(5)}",
            "payment_number": lambda: f"{d(4)}-{d(4)}-{d(4)}-{d(4)}-{d(3)}" if r.random() < 0.5 else d(19),
            "imei": lambda: "35" + d(13),
            "iccid": lambda: "8982" + d(15),
            "animal_registration": lambda: "410" + d(12),
            "room_number": lambda: f"{r.randrange(2, 25)}{r.randrange(1, 40):02d}",
            "reservation_number": lambda: r.choice((d(10), f"{d(2)}{r.choice('ABCDEFGHJ')}{d(7)}", f"RSV-{d(8)}")),
            "employee_number": lambda: r.choice((f"{y}{d(4)}", f"E{d(6)}", d(7))),
            "certificate_number": lambda: f"{r.randrange(10, 25)}{d(3)}{r.randrange(10, 99)}{d(4)}"
                                          f"{r.choice('ABCDEFGHJ')}",
            "military_number": lambda: f"{r.randrange(8, 24):02d}-{r.choice(('7', '5', '1'))}{d(7)}",
            "epoch_time": lambda: str(r.randrange(1_600_000_000_000, 1_800_000_000_000)),
            "request_id": lambda: "-".join("".join(r.choice("0123456789abcdef") for _ in range(n))
                                           for n in (8, 4, 4, 4, 12)),
            "barcode": lambda: self._ean(),
            "diagnosis_code": lambda: f"{r.choice('JKMSRIE')}{r.randrange(0, 99):02d}.{r.randrange(0, 9)}",
            "mileage": lambda: f"{r.randrange(3, 230) * 1000 + r.randrange(1000):,}",
            "flight_number": lambda: f"{r.choice(('KE', 'OZ', '7C', 'LJ', 'TW'))}{r.randrange(100, 999)}",
            "medical_license": lambda: str(r.randrange(10000, 140000)),
            "broker_registration": lambda: f"{r.choice(('11440', '11680', '41135', '26350'))}-"
                                           f"{y - r.randrange(10)}-{d(5)}",
            "registered_mail": lambda: d(13),
            "fax_number": lambda: f"{r.choice(('02', '031', '051', '042'))}-{r.randrange(2, 10)}{d(3)}-{d(4)}",
            "safe_number": lambda: f"050{r.randrange(2, 8)}-{d(4)}-{d(4)}",
            "model_number": lambda: r.choice((f"SM-{r.choice('SFAN')}{d(3)}N", f"A{d(4)}", f"LG-{d(4)}{r.choice('KR')}",
                                              f"NT{d(3)}XCR-{r.choice(('A', 'K'))}{d(2)}S")),
            "post_number": lambda: str(r.randrange(10000, 9_999_999)),
            "period": lambda: f"{y - r.randrange(4, 12)}.{r.randrange(1, 13):02d} ~ "
                              f"{y - r.randrange(0, 4)}.{r.randrange(1, 13):02d}",
            "measurement": lambda: r.choice((f"{r.randrange(40, 120)}.{r.randrange(10)}kg",
                                             f"{r.randrange(20, 200)}.{d(2)}㎡",
                                             f"{r.randrange(140, 190)}.{r.randrange(10)}cm",
                                             f"{r.randrange(1, 9)}.{r.randrange(10)}kg")),
            "line_number": lambda: str(r.randrange(20, 2400)),
            "port": lambda: r.choice(("5432", "3306", "6379", "8080", "8443", "27017", "9092")),
            "hash": lambda: "".join(r.choice("0123456789abcdef") for _ in range(r.choice((12, 40, 64)))),
            "card_approval": lambda: d(8),
            "student_number": lambda: f"{y - r.randrange(4)}{d(r.choice((4, 5)))}",
            "coupon_code": lambda: f"{d(4)}-{d(4)}-{d(4)}-{d(4)}",
            "cms_number": lambda: d(13),
        }
        return makers[category]()

    def _isbn(self) -> str:
        r = self.r
        body = [9, 7, r.choice((8, 9)), 8, 9] + [r.randrange(10) for _ in range(7)]
        t = "".join(map(str, body + [corpus.isbn_check(body)]))
        return f"{t[:3]}-{t[3:5]}-{t[5:9]}-{t[9:12]}-{t[12]}" if r.random() < 0.6 else t

    def _ean(self) -> str:
        r = self.r
        body = [8, 8, 0] + [r.randrange(10) for _ in range(9)]
        return "".join(map(str, body + [corpus.isbn_check(body)]))


NEG_CATEGORIES = ("order_number", "tracking_number", "case_number", "policy_number", "patient_number",
                  "member_number", "serial_number", "price", "event_date", "time", "postal_code",
                  "building_number", "ip_address", "version_number", "isbn", "company_number",
                  "invoice_number", "vehicle_plate", "vin", "lot_number", "registry_number", "drug_code",
                  "institution_code", "prescription_number", "payment_number", "imei", "iccid",
                  "animal_registration", "room_number", "reservation_number", "employee_number",
                  "certificate_number", "military_number", "epoch_time", "request_id", "barcode",
                  "diagnosis_code", "mileage", "flight_number", "medical_license", "broker_registration",
                  "registered_mail", "fax_number", "safe_number", "model_number", "post_number", "period",
                  "measurement", "line_number", "port", "hash", "card_approval", "student_number",
                  "coupon_code", "cms_number")


# --------------------------------------------------------------------------- writing documents

# Words of a phone label that name the line: Korean ones anywhere in it, Latin ones as tokens.
MOBILE_WORDS = (("휴대", "핸드폰", "폰", "카카오톡"), ("H.P", "HP", "M", "Mobile", "Cell", "Mob"))
LANDLINE_WORDS = (("자택", "회사", "직통", "사무실"), ("Tel", "T", "Office"))


def line_named_by(label: str) -> str | None:
    """The kind of line a phone label names (a mobile, a landline) or None when it names neither."""
    tokens = set(label.replace("(", " ").replace(")", " ").replace("/", " ").split())
    tokens |= {t.rstrip(".:") for t in tokens}
    for line, (korean, latin) in (("mobile", MOBILE_WORDS), ("landline", LANDLINE_WORDS)):
        if any(w in label for w in korean) or tokens & set(latin):
            return line
    return None


class _Doc:
    """One document being written: text, values and look-alikes at exact offsets."""

    def __init__(self, g: "_Gen", genre: str, frame: str) -> None:
        self.g, self.r = g, g.r
        self.frame = f"{genre}.{frame}"
        self.w = _Writer(genre, PART)

    def t(self, *pieces: str) -> None:
        for p in pieces:
            self.w.add(p)

    def value(self, kind: str, situation: str, label_text: str = "", writing: str | None = None,
              allowed=None, **how) -> None:
        if situation == "no_label":
            allowed = set(WRITINGS[kind] if allowed is None else allowed) & UNLABELLED_OK[kind]
            label_text = ""
        if writing is None and allowed is not None:
            writing = self.g.v.writing(kind, allowed)
        if kind == "phone" and "line" not in how:
            how["line"] = line_named_by(label_text)
        self.w.value(self.g.v.make(kind, writing, **how), situation, label_text, self.frame)

    def neg(self, category: str, text: str | None = None, phrasing: str = "") -> None:
        self.w.negative(category, text if text is not None else self.g.n.make(category),
                        phrasing or self.frame)

    def field(self, label: str, kind: str, sep: str = ": ", end: str = "\n", situation: str = "label_before",
              **kw) -> None:
        """A label, then its value on the same line."""
        self.t(label + sep)
        self.value(kind, situation, label, **kw)
        self.t(end)

    def nfield(self, label: str, category: str, sep: str = ": ", end: str = "\n", text: str | None = None) -> None:
        self.t(label + sep)
        self.neg(category, text, label)
        self.t(end)

    def account(self, holder: bool = True, **kw) -> None:
        """A bank's name followed by an account number in that bank's shape."""
        r = self.r
        bank = r.choice(list(BANK_SHAPES))
        shown = r.choice((bank,) + BANK_SHORT[bank])
        self.t(shown + r.choice((" ", " ", " ", ": ")))
        self.value("bank_account", "bank_name", shown, bank=bank, **kw)
        if holder:
            self.t(r.choice((f" (예금주 {self.g.name()})", f" {self.g.name()}", f" 예금주: {self.g.name()}", "")))

    def address(self, unit: bool = True, postal: bool = False) -> None:
        r = self.r
        city, districts = r.choice(CITIES)
        if postal:
            self.t("(")
            self.neg("postal_code", phrasing="address")
            self.t(") ")
        self.t(f"{city} {r.choice(districts)} {r.choice(ROADS)} {r.randrange(1, 400)}")
        if unit:
            self.t(f", {r.choice(APARTMENTS)}아파트 ")
            self.neg("building_number", phrasing="address")

    def done(self) -> Document:
        return self.w.document()


class _Gen:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed)
        self.v = _Values(self.r)
        self.n = _LookAlikes(self.r)

    def name(self) -> str:
        return self.r.choice(SURNAMES) + self.r.choice(GIVEN)

    def masked_name(self) -> str:
        r = self.r
        n = self.name()
        return r.choice((n[0] + "○○", n[0] + "*" + n[2:], n[0] + "OO", n[:2] + "*"))

    def doc(self, genre: str, frame: str) -> _Doc:
        return _Doc(self, genre, frame)

    def pick(self, *items):
        return self.r.choice(items)

    def scanned(self, kind: str) -> str:
        """A way of writing a scanned form's number comes out in."""
        table = {w: p for w, p in SCANNED.items() if w in WRITINGS[kind]}
        return self.r.choices(list(table), list(table.values()))[0]


# --------------------------------------------------------------------------- genres: housing

def lease_contract(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("standard", "jeonse_ocr", "monthly_short")
    d = g.doc("lease_contract", frame)
    ocr = frame == "jeonse_ocr"
    title = {"standard": "주택임대차표준계약서", "jeonse_ocr": "부 동 산 전 세 계 약 서",
             "monthly_short": "월세 계약서 (간이)"}[frame]
    d.t(title + "\n\n임대인과 임차인 쌍방은 아래 표시 주택에 관하여 다음 계약 내용과 같이 임대차계약을 체결한다.\n")
    d.t("[부동산의 표시]\n소재지: ")
    d.address()
    d.t("\n임차할부분: 전부  면적 ")
    d.neg("measurement", f"{r.randrange(39, 135)}.{r.randrange(10, 99)}㎡", "면적")
    d.t("\n[계약내용]\n")
    words, amount = r.choice((("일억오천만원정", 150_000_000), ("삼억이천만원정", 320_000_000),
                              ("오천만원정", 50_000_000), ("이억원정", 200_000_000), ("일천만원정", 10_000_000)))
    d.nfield(f"보증금 금 {words} (₩", "price", sep="", end=")\n", text=f"{amount:,}")
    if frame != "jeonse_ocr":
        d.nfield("차임 월", "price", sep=" ", end="원은 매월 25일에 지불한다.\n", text=g.n.money(300_000, 1_500_000, 10_000))
    signed, paid = g.n.date_pair(2025, 2026, g.pick("dot", "korean", "iso"), (20, 90))
    d.nfield("잔금지급일", "event_date", sep=g.pick(": ", " "), text=paid)
    d.nfield("등기사항증명서 고유번호", "registry_number", sep=" ")
    d.t("[특약사항]\n1. 보증금 및 차임은 임대인 명의 계좌로 입금한다: ")
    d.account(holder=True)
    d.t("\n2. 현 시설 상태에서의 계약이며 도배, 장판은 임차인 부담으로 한다.\n\n")
    res_label = "주 민 등 록 번 호" if ocr else g.pick("주민등록번호", "주민번호")
    tel_label = "전 화" if ocr else g.pick("전화", "연락처", "휴대전화")
    for role in ("임대인", "임차인"):
        foreign = role == "임차인" and r.random() < 0.15
        d.t(f"\n{role}  주소: ")
        d.address(unit=r.random() < 0.6)
        d.t("\n")
        if foreign:
            d.t(f"성명: {r.choice(MOTHER_TONGUE_NAMES)}\n")
            d.field("외국인등록번호", "foreigner_registration", allowed={"hyphen", "issued_after_2020", "plain"})
        elif ocr and r.random() < 0.5:  # the scanned form's label cell sits above its value
            d.field(res_label, "resident", sep="\n", situation="label_above", writing=g.scanned("resident"))
        elif ocr:
            d.field(res_label, "resident", sep="  ", writing=g.scanned("resident"))
        else:
            d.field(res_label, "resident", allowed={"hyphen", "plain"})
        d.field(tel_label, "phone", sep=" : " if ocr else ": ", writing=g.scanned("phone") if ocr else None,
                allowed=None if ocr else {"hyphen", "dot"}, end=f"   성명: {g.name()} (인)\n")
    d.t("\n개업공인중개사  사무소명칭: " + g.pick("한강", "으뜸", "행복", "미래", "우리집") + "공인중개사사무소\n")
    d.nfield("등록번호", "broker_registration", sep=g.pick(": ", " 제", " "), end="\n")
    d.t(f"대표: {g.name()}  ")
    d.field(g.pick("휴대폰", "H.P", "핸드폰"), "phone", allowed={"hyphen"}, situation="label_before")
    d.nfield("계약일", "event_date", sep=": ", text=signed)
    return d.done()


def property_disclosure(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("checklist", "table")
    d = g.doc("property_disclosure", frame)
    d.t("중개대상물 확인·설명서[Ⅰ] (주거용 건축물)\n( [V] 단독주택  [ ] 공동주택  [ ] 매매·교환  [V] 임대 )\n\n")
    d.t("① 대상물건의 표시\n토지 소재지: " + r.choice(CITIES)[0] + " " + g.pick("망원동", "상도동", "우동", "봉명동") + " ")
    d.neg("lot_number", phrasing="지번")
    d.t("\n")
    if frame == "table":
        d.t("| 면적 | 공시지가(㎡당) | 사용승인일 | 용도 |\n|---|---|---|---|\n| ")
        d.neg("measurement", f"{r.randrange(60, 330)}.{r.randrange(10, 99)}㎡", "면적")
        d.t(" | ")
        d.neg("price", g.n.money(300_000, 9_000_000, 1000), "공시지가")
        d.t("원 | ")
        d.neg("event_date", phrasing="사용승인일")
        d.t(" | 다가구주택 |\n")
    else:
        d.nfield("□ 전용면적", "measurement", text=f"{r.randrange(40, 120)}.{r.randrange(10, 99)}㎡")
        d.nfield("□ 사용승인일", "event_date")
        d.nfield("□ 공시지가(원/㎡)", "price", text=g.n.money(300_000, 9_000_000, 1000))
    d.t("② 권리관계: 등기부 기재사항 - 소유권에 관한 사항 이상 없음\n")
    d.nfield("③ 중개보수 산출내역: 중개보수", "price", sep=" ", end="원 (부가가치세 별도)\n",
             text=g.n.money(300_000, 3_000_000, 1000))
    d.t("\n거래당사자\n")
    for role in ("임대인", "임차인"):
        d.t(f"{role}  성명 {g.name()}  주소 ")
        d.address(unit=False)
        d.t("\n          ")
        d.field("생년월일", "birth_date", sep=" ", allowed={"dot", "iso", "korean", "short_dot", "yymmdd"},
                end="  ")
        d.field("전화번호", "phone", sep=" ", allowed={"hyphen", "plain"})
    d.t("개업공인중개사  등록번호 ")
    d.neg("broker_registration", phrasing="등록번호")
    d.t(f"  성명(대표) {g.name()}\n")
    d.t("사무소 소재지 ")
    d.address(unit=False)
    d.t("  ")
    d.field("사업자등록번호", "business_registration", sep=" ", allowed={"hyphen"})
    d.t("위 중개대상물에 관한 확인·설명 및 자료를 수령하였습니다. ")
    d.neg("event_date", g.n.date(style="korean"), "작성일")
    d.t("\n")
    return d.done()


# --------------------------------------------------------------------------- genres: work

def resume(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("classic_table", "plain_lines", "cover_letter_header")
    d = g.doc("resume", frame)
    if frame == "cover_letter_header":
        d.t(f"자기소개서\n지원분야: {g.pick('품질관리', '회계', '영업관리', '웹 개발', '간호')}   지원자: {g.name()}   ")
        d.nfield("수험번호", "member_number", sep=" ")
        d.field(g.pick("연락처", "휴대폰"), "phone", sep=" ", allowed={"hyphen"}, end=" / ")
        d.value("email", "no_label", allowed={"plain"})
        d.t("\n\n1. 성장과정 (500자 이내)\n저는 넉넉하지 않은 가정에서 자랐지만, 부모님께서는 늘 정직함을 강조하셨습니다. ")
        d.t("대학 시절 ")
        d.neg("period", phrasing="기간")
        d.t(" 동안 학생회 총무를 맡으며 예산 관리를 배웠습니다.\n2. 지원동기\n")
        d.t(g.pick("귀사의 해외 물류 사업 확장 기사를 보고 지원하게 되었습니다.",
                   "현장 경험을 살려 환자 중심의 간호를 실천하고 싶습니다.") + "\n")
        return d.done()
    d.t(g.pick("이 력 서", "이력서", "입사지원서 (이력서)") + "\n\n")
    if frame == "classic_table":
        d.t("| 성명 | 생년월일 | 휴대폰 | 이메일 |\n|---|---|---|---|\n")
        d.t(f"| {g.name()} (만 {r.randrange(22, 45)}세) | ")
        d.value("birth_date", "column_header", "생년월일", allowed={"dot", "iso", "korean"}, born=(1980, 2003))
        d.t(" | ")
        d.value("phone", "column_header", "휴대폰", allowed={"hyphen"})
        d.t(" | ")
        d.value("email", "column_header", "이메일", allowed={"plain"})
        d.t(" |\n\n주소: ")
        d.address(postal=True)
        d.t("\n")
    else:
        d.t(f"성 명: {g.name()}  (한자: {g.pick('金', '李', '朴')}{g.pick('敏', '賢', '秀')}{g.pick('俊', '英', '珍')})\n")
        d.field("주민등록번호", "resident", allowed={"hyphen", "masked"}, born=(1980, 2003))
        if r.random() < 0.3:
            d.value("phone", "label_after", "(휴대폰)", allowed={"hyphen", "dot"}, line="mobile")
            d.t(" (휴대폰)  /  ")
            d.value("phone", "label_after", "(자택)", allowed={"hyphen"}, line="landline")
            d.t(" (자택)\n")
        else:
            d.field(g.pick("휴대전화", "핸드폰", "H.P."), "phone", allowed={"hyphen", "dot", "plain"})
        d.field(g.pick("E-mail", "이메일", "전자우편"), "email", allowed={"plain"})
        d.t("현주소: ")
        d.address()
        d.t("\n")
    d.t("\n[학력사항]\n")
    start = r.randrange(2004, 2014)
    for school, a, b in (("OO고등학교 졸업", start, start + 3),
                         (g.pick("한국대학교 경영학과 졸업", "가온대학교 컴퓨터공학과 졸업(학점 3.8/4.5)"), start + 3,
                          start + 7)):
        d.neg("period", f"{a}.03 ~ {b}.02", "학력 기간")
        d.t(f"  {school}\n")
    d.t("\n[경력사항]\n")
    d.neg("period", f"{start + 8}.{r.randrange(1, 13):02d} ~ {start + 8 + r.randrange(1, 6)}.{r.randrange(1, 13):02d}",
          "경력 기간")
    d.t(f"  (주){g.pick('한울테크', '대양물산', '서린')} {g.pick('생산관리팀 사원', '경리부 주임', '개발팀 선임')}\n")
    d.t("\n[자격 및 면허]\n정보처리기사  자격번호 ")
    d.neg("certificate_number", phrasing="자격번호")
    d.t("\n")
    if r.random() < 0.6:
        d.t(f"운전면허 {g.pick('1종 보통', '2종 보통')}  ")
        if r.random() < 0.5:
            d.field("면허번호", "driver_license", sep=" ", allowed={"hyphen", "region_name"})
        else:
            d.field("(면허번호", "driver_license", sep=" ", allowed={"hyphen", "region_name"}, end=")\n")
    d.t("\n[병역사항]\n군별: 육군  계급: 병장  ")
    d.nfield("군번", "military_number", sep=" ")
    d.t("\n위 기재 사항은 사실과 틀림이 없습니다.\n")
    d.neg("event_date", g.n.date(2024, 2026, "korean"), "작성일")
    d.t(f"\n지원자 {g.name()} (인)\n")
    return d.done()


def job_application(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("online_form", "parttime_chat")
    d = g.doc("job_application", frame)
    if frame == "parttime_chat":
        d.t(f"[알바 지원] {g.pick('편의점 야간', '카페 주말', '물류센터 상하차')} 지원합니다\n")
        d.t(f"안녕하세요 공고 보고 연락드려요. {r.randrange(19, 30)}살이고 근처 살아요.\n")
        cue = g.pick("제 번호는", "연락은 이쪽으로 주세요", "번호 남깁니다")
        d.t(cue + " ")
        d.value("phone", "sentence_cue", cue, allowed={"hyphen", "plain"})
        question = g.pick("보건증 있으시죠? 생년월일 알려주세요", "근로계약서 쓰려면 생년월일이 필요해요",
                          "생일이 어떻게 되세요? 미성년자는 안 돼서요")
        d.t(f"\n사장님: {question}\n넵 ")
        d.value("birth_date", "question_before", question, allowed={"short_dot", "yymmdd", "korean"},
                born=(1996, 2006))
        d.t(" 이에요\n사장님: 급여는 매달 10일, 계좌 알려주시면 돼요\n")
        d.t("넵 ")
        d.account()
        d.t(" 입니다!\n")
        return d.done()
    d.t("[입사지원서 제출 완료]\n")
    d.nfield("지원번호", "member_number", sep=" ")
    d.t(f"지원 직무: {g.pick('R&D 연구원', '인사 총무', '매장 관리')}\n")
    d.t("※ 블라인드 채용으로 사진, 출신학교는 입력하지 않습니다.\n")
    d.t(f"성명(국문): {g.name()}\n")
    d.field(g.pick("생년월일(8자리)", "생년월일"), "birth_date", allowed={"compact", "iso", "dot"}, born=(1985, 2003))
    d.field("휴대전화번호", "phone", allowed={"hyphen", "plain"})
    d.field("이메일", "email")
    d.t("보훈대상 여부: 비대상   장애 여부: 비대상\n")
    d.nfield("제출일시", "event_date", end=" ")
    d.neg("time", phrasing="제출시각")
    d.t("\n")
    return d.done()


# --------------------------------------------------------------------------- genres: insurance, telecom, health

def insurance_policy(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("schedule", "renewal_notice")
    d = g.doc("insurance_policy", frame)
    insurer = g.pick("동해손해보험", "한빛생명", "미래화재", "누리생명")
    if frame == "renewal_notice":
        d.t(f"[{insurer}] 갱신 안내\n{g.masked_name()} 고객님, 가입하신 실손의료비보험이 갱신됩니다.\n")
        d.nfield("증권번호", "policy_number", sep=" ")
        d.nfield("갱신 후 월 보험료", "price", sep=" ", end="원\n", text=g.n.money(15_000, 250_000, 10))
        d.t("자동이체 ")
        d.value("credit_card", "sentence_cue", "자동이체", allowed={"masked"})
        d.t(g.pick(" (신한카드)", " 카드", "") + " 에서 매월 출금됩니다.\n")
        d.t("문의: 고객콜센터 ")
        d.neg("company_number", phrasing="고객콜센터")
        d.t("\n")
        return d.done()
    child = r.random() < 0.25
    products = ("무배당 든든한 건강보험", "(무)내맘같은 운전자보험", "실손의료비보험(갱신형)")
    product = "(무)우리아이 든든 어린이보험" if child else g.pick(*products)
    d.t(f"{insurer} 보험증권\n상품명: {product}\n")
    d.nfield("증권번호", "policy_number")
    d.nfield("보험기간", "period", text=" ~ ".join(g.n.date_pair(2025 if child else 2016, 2025, "dot", (3650, 14600))))
    d.t("\n        계약자                  피보험자\n")
    d.t(f"성  명   {g.name()}                  {g.name()}\n주민번호 ")
    d.value("resident", "label_before", "주민번호", allowed={"masked"})
    d.t("        ")
    d.value("resident", "label_before", "주민번호", writing="issued_after_2020" if child else None,
            allowed={"masked", "hyphen"})
    d.t("\n")
    d.field("연락처", "phone", sep="   ", allowed={"hyphen", "masked"})
    d.t("\n[납입 정보]\n")
    d.nfield("월 보험료", "price", end="원\n", text=g.n.money(15_000, 250_000, 10))
    if r.random() < 0.5:
        d.t("납입방법: 자동이체(")
        d.account(holder=False, allowed={"masked", "hyphen"})
        d.t(")\n")
    else:
        d.field("납입방법: 카드납", "credit_card", sep=" ", allowed={"masked"})
    d.t("[담보 내용]\n")
    for cover in ("상해사망", "질병입원일당", "골절진단비"):
        d.t(f"  {cover}  가입금액 ")
        d.neg("price", g.n.money(1_000_000, 100_000_000, 1_000_000), "가입금액")
        d.t("원\n")
    d.t("보험금 청구 및 상담: ")
    d.neg("company_number", phrasing="상담")
    d.t("\n")
    return d.done()


def insurance_claim(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("paper_form", "mobile_claim", "car_accident")
    d = g.doc("insurance_claim", frame)
    d.t({"paper_form": g.pick("보험금 청구서", "보험금 청구서 (개인용)"), "mobile_claim": "[모바일 청구] 접수 내역",
         "car_accident": "자동차사고 보험금 청구서"}[frame] + "\n")
    d.t("1. 피보험자\n")
    d.t(f"성명: {g.name()}\n")
    if frame == "paper_form":  # handwritten and faxed in, then read by OCR
        d.field(g.pick("주민등록번호", "주민번호"), "resident", writing=g.scanned("resident"))
        d.field(g.pick("휴대폰번호", "연락처"), "phone", writing=g.scanned("phone"))
    else:
        d.field(g.pick("주민등록번호", "주민번호"), "resident",
                allowed={"hyphen", "plain"} if frame != "mobile_claim" else {"masked"})
        d.field(g.pick("휴대폰번호", "연락처"), "phone", allowed={"hyphen", "plain"})
    if frame == "mobile_claim":
        d.field("이메일(결과 통지)", "email")
    d.t("2. 사고 내용\n")
    d.nfield("사고일시", "event_date", end=" ")
    d.neg("time", phrasing="사고시각")
    d.t("\n")
    if frame == "car_accident":
        d.nfield("차량번호", "vehicle_plate")
        d.field("운전자 면허번호", "driver_license", allowed={"hyphen", "region_name"})
        d.t(f"사고 장소: {r.choice(CITIES)[0]} 교차로 부근\n")
    else:
        d.nfield("진단명(질병분류코드)", "diagnosis_code", text=None)
        d.nfield("진료비 영수증 총액", "price", end="원\n", text=g.n.money(5_000, 3_000_000, 10))
    d.t("3. 보험금 수령 계좌 (피보험자 본인 명의)\n")
    d.t("은행명 / 계좌번호 / 예금주\n")
    d.account(holder=True, allowed={"hyphen", "plain"})
    d.t("\n4. 청구 건 ")
    d.nfield("접수번호", "policy_number", sep=" ")
    d.t("본인은 위 내용이 사실임을 확인합니다.  청구인 " + g.name() + " (서명)\n")
    return d.done()


def telecom_signup(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("new_line", "number_port", "foreign_customer")
    d = g.doc("telecom_signup", frame)
    carrier = g.pick("SKT", "KT", "LG U+", "알뜰폰 모바일")
    d.t(f"{carrier} 이동전화 서비스 가입신청서\n신청구분: "
        + {"new_line": "[V]신규 [ ]번호이동 [ ]기기변경", "number_port": "[ ]신규 [V]번호이동 [ ]기기변경",
           "foreign_customer": "[V]신규 (외국인)"}[frame] + "\n\n[가입자 정보]\n")
    if frame == "foreign_customer":
        d.t(f"고객명(영문): {r.choice(MOTHER_TONGUE_NAMES)}\n")
        if r.random() < 0.6:
            d.field("외국인등록번호", "foreigner_registration")
        else:
            d.field("여권번호", "passport", allowed={"foreign_format", "old_format"})
        d.field("생년월일", "birth_date", allowed={"iso", "compact"}, born=(1970, 2004))
    else:
        d.t(f"고객명: {g.name()}\n")
        d.field(g.pick("주민등록번호", "주민번호(앞 7자리)"), "resident", allowed={"hyphen", "masked"})
        d.t("신분증 종류: 운전면허증  ")
        d.field("면허번호", "driver_license", sep=" ", allowed={"hyphen", "region_name", "plain"})
    d.t("주소: ")
    d.address(postal=r.random() < 0.5)
    d.t("\n")
    if frame == "number_port":
        d.field("이동 전 번호", "phone", allowed={"hyphen"}, line="mobile")
    else:
        d.field("개통 희망번호", "phone", allowed={"hyphen"}, line="mobile")
    d.field(g.pick("연락 가능 번호", "기타 연락처"), "phone", allowed={"hyphen", "plain"})
    d.t("\n[단말 정보]\n모델명: ")
    d.neg("model_number", phrasing="모델명")
    d.t("\n")
    d.nfield("IMEI", "imei")
    d.nfield("USIM 일련번호", "iccid")
    d.t("\n[요금 납부]\n요금제: 5G 라이트+   ")
    d.nfield("월정액", "price", sep=" ", end="원\n", text=g.n.money(33_000, 130_000, 100))
    if r.random() < 0.5:
        d.field("자동이체 카드번호", "credit_card", allowed={"hyphen", "spaced", "plain"})
        d.t("유효기간: " + f"{r.randrange(1, 13):02d}/{r.randrange(26, 31)}\n")
    else:
        d.t("자동이체 계좌: ")
        d.account(holder=True, allowed={"hyphen", "plain"})
        d.t("\n")
    d.t("\n신청일: ")
    d.neg("event_date", phrasing="신청일")
    d.t(f"   판매점 코드 D{r.randrange(100000, 999999)}\n")
    return d.done()


def prescription(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("paper_prescription", "dispensing_record")
    d = g.doc("prescription", frame)
    if frame == "paper_prescription":
        d.t("처 방 전\n[V]건강보험 [ ]의료급여 [ ]산업재해보험\n")
        d.t("교부번호: ")
        d.neg("prescription_number", phrasing="교부번호")
        d.t("\n의료기관 명칭: " + g.pick("밝은내과의원", "연세가정의학과", "튼튼정형외과") + "   ")
        d.nfield("요양기관기호", "institution_code", sep=" ")
        d.t(f"환자 성명: {g.name()}\n")
        infant = r.random() < 0.2  # a paediatric prescription: the child's number is recent
        d.field("주민등록번호", "resident", writing="issued_after_2020" if infant else g.scanned("resident"),
                born=(1940, 2012))
        d.t("질병분류기호 ")
        d.neg("diagnosis_code", phrasing="질병분류기호")
        d.t(f"\n처방 의료인: {g.name()}  면허종별 의사  ")
        d.nfield("면허번호", "medical_license", sep=" ")
    else:
        d.t("약제비 계산서·영수증 [조제내역서]\n")
        d.t(f"환자 성명 {g.name()}   ")
        d.nfield("조제일자", "event_date", sep=" ")
        d.field("주민등록번호", "resident", allowed={"masked"})
        d.t(g.pick("약국", "OO약국") + " 상호: 푸른온누리약국  ")
        d.field("사업자등록번호", "business_registration", sep=" ", allowed={"hyphen", "plain"}, end="")
        d.t("\n일반의약품 구매: 판콜에이 내복액 ")
        d.nfield("(표준코드", "barcode", sep=" ", end=")")
    d.t("\n처방의약품의 명칭         1회 투약량  1일 투여횟수  총 투약일수\n")
    for drug in r.sample(("아모잘탄정5/50mg", "타이레놀8시간이알서방정", "뮤코펙트정", "록소프로펜정",
                          "레바미피드정", "코대원포르테시럽", "알마겔정"), 3):
        d.neg("drug_code", phrasing="약품코드")
        d.t(f"  {drug}  {g.pick('1', '0.5', '2')}  {g.pick('2', '3')}  {r.randrange(3, 31)}\n")
    d.t("본인부담금 ")
    d.neg("price", g.n.money(1_500, 40_000, 100), "본인부담금")
    d.t("원\n※ 문의: 건강보험 고객센터 ")
    d.neg("company_number", "1577-1000", "고객센터")
    d.t("\n")
    return d.done()


# --------------------------------------------------------------------------- genres: school, apartment

def academy(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("enrolment_form", "parent_notice", "kakao_notice")
    d = g.doc("academy", frame)
    aca = g.pick("해오름수학학원", "리틀잉글리시어학원", "새봄피아노교습소", "바른태권도")
    if frame == "enrolment_form":
        d.t(f"{aca} 수강 등록 신청서\n")
        d.nfield("학원 등록번호 제", "certificate_number", sep="", end="호\n",
                 text=f"{r.randrange(1000, 9999)}")
        d.t(f"원생 이름: {g.name()}  학년: 초{r.randrange(1, 7)}  반: {g.pick('A', 'B', '심화')}반\n")
        kid = g.pick("dot", "compact", "korean")
        d.field("원생 생년월일", "birth_date", writing=kid, born=(2012, 2019))
        if r.random() < 0.3:
            d.field("주민등록번호(보험 가입용)", "resident", allowed={"issued_after_2020", "hyphen"}, born=(2012, 2019))
        if r.random() < 0.4:
            heading = g.pick("■ 보호자 연락처", "[학부모 비상연락망]")
            d.t(f"{heading}\n성명: {g.name()} (관계: {g.pick('모', '부', '조모')})\n")
            d.value("phone", "lines_away", heading, allowed={"hyphen", "plain"}, line="mobile")
            d.t(" / ")
            d.value("phone", "lines_away", heading, allowed={"hyphen"}, line="mobile")
            d.t("\n")
        else:
            d.t(f"보호자 성명: {g.name()} (관계: {g.pick('모', '부', '조모')})\n")
            d.field(g.pick("보호자 연락처", "학부모 휴대폰"), "phone", allowed={"hyphen", "plain"}, line="mobile")
            d.field("비상 연락처", "phone", allowed={"hyphen", "area_bracket"})
        d.t("차량 이용: 희망  하차 장소: 아파트 후문\n")
        d.nfield("월 교습비", "price", end="원\n", text=g.n.money(150_000, 600_000, 10_000))
        d.t(f"교재: {g.pick('개념원리 수학', 'Reading Explorer 2', '바이엘 하권')} (")
        d.nfield("ISBN", "isbn", sep=" ", end=") 별도 구매\n")
        d.t("납부 계좌: ")
        d.account(holder=True)
        d.t("\n")
        return d.done()
    if frame == "kakao_notice":
        d.t(f"[{aca}] 학부모님 안내\n")
        d.t("이번 달 수업료 납부 안내드립니다 😊\n금액: ")
        d.neg("price", g.n.money(150_000, 600_000, 10_000), "금액")
        d.t("원\n")
        d.account(holder=True)
        d.t("\n입금 시 학생 이름으로 보내주세요~\n원장 " + g.name() + " ")
        d.value("phone", "no_label", allowed={"hyphen"})
        d.t("\n")
        return d.done()
    d.t(f"가정통신문 ({aca})\n학부모님 안녕하십니까.\n")
    d.nfield("겨울방학 특강 개강일", "event_date", sep="은 ", end="이며, ")
    d.t("수업은 ")
    d.neg("time", phrasing="수업 시각")
    d.t("부터 진행됩니다.\n특강비는 ")
    d.neg("price", g.n.money(50_000, 400_000, 10_000), "특강비")
    d.t("원이며 아래 계좌로 납부 부탁드립니다.\n")
    d.t("  ")
    d.account(holder=True)
    d.t("\n특강 교재 ")
    d.nfield("ISBN", "isbn", sep=g.pick(" ", ": "), end=" 은 학원에서 일괄 구매합니다.\n")
    d.t("문의 사항은 담임 선생님께 연락 주세요.\n")
    d.t(f"담임 {g.name()} 선생님 ")
    d.value("phone", "no_label", allowed={"hyphen", "dot"}, line="mobile")
    d.t("\n-------- 절취선 --------\n참가 신청서  학생명: ______  ")
    d.t("학부모 서명: ______\n")
    return d.done()


def apartment_office(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("notice", "resident_roster", "parking_roster")
    d = g.doc("apartment_office", frame)
    apt = r.choice(APARTMENTS)
    if frame == "notice":
        d.t(f"[{apt} 관리사무소 공지]\n승강기 정기 점검 안내\n")
        d.t("일시: ")
        d.neg("event_date", phrasing="일시")
        d.t(" ")
        d.neg("time", phrasing="시각")
        d.t(" ~ ")
        d.neg("time", phrasing="시각")
        d.t("\n대상: ")
        d.neg("building_number", f"{r.randrange(101, 115)}동", "대상 동")
        d.t(" 1, 2호 라인\n점검 시간에는 계단을 이용해 주시기 바랍니다.\n")
        d.t("이번 달 관리비 부과액(세대 평균): ")
        d.neg("price", g.n.money(80_000, 450_000, 10), "관리비")
        d.t("원\n관리비 납부 계좌: ")
        d.account(holder=False)
        d.t(f" ({apt} 입주자대표회의)\n관리사무소장 {g.name()}")
        if r.random() < 0.5:  # the duty engineer's mobile, with no word before it
            d.t(f"\n야간 당직 {g.name()} 기사 ")
            d.value("phone", "no_label", allowed={"hyphen", "dot"}, line="mobile")
        d.t("\n")
        return d.done()
    if frame == "resident_roster":
        sep = g.pick("\t", " | ", ",")
        d.t(f"{apt} 입주민 비상연락망 (관리사무소 보관용)\n")
        d.t(sep.join(("동", "호수", "세대주", "연락처", "비상연락처")) + "\n")
        for _ in range(r.randrange(3, 7)):
            d.neg("building_number", f"{r.randrange(101, 115)}", "동")
            d.t(sep)
            d.neg("room_number", phrasing="호수")
            d.t(sep + g.name() + sep)
            d.value("phone", "column_header", "연락처", allowed={"hyphen", "plain"}, line="mobile")
            d.t(sep)
            d.value("phone", "column_header", "비상연락처", allowed={"hyphen", "plain", "masked"})
            d.t("\n")
        return d.done()
    d.t(f"{apt} 입주민 차량 등록 현황\n동호수 / 차량번호 / 차주 / 휴대폰\n")
    for _ in range(r.randrange(3, 6)):
        d.neg("building_number", phrasing="동호수")
        d.t(" / ")
        d.neg("vehicle_plate", phrasing="차량번호")
        d.t(f" / {g.name()} / ")
        d.value("phone", "column_header", "휴대폰", allowed={"hyphen", "masked"}, line="mobile")
        d.t("\n")
    d.t("※ 미등록 차량은 ")
    d.neg("event_date", phrasing="단속 시작일")
    d.t("부터 단속합니다.\n")
    return d.done()


# --------------------------------------------------------------------------- genres: people online

def secondhand_post(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("sale_post", "wanted_post")
    d = g.doc("secondhand_post", frame)
    item = g.pick("아이패드 에어5 64기가", "유모차 (거의 새것)", "캠핑 의자 2개", "닌텐도 스위치 OLED",
                  "전기자전거", "삼성 건조기")
    if frame == "sale_post":
        d.t(f"[판매] {item} 팝니다\n")
        d.nfield("가격", "price", end="원 (네고 X)\n", text=g.n.money(5_000, 1_500_000, 1000))
        d.t("구매일: ")
        d.neg("event_date", phrasing="구매일")
        d.t("  모델: ")
        d.neg("model_number", phrasing="모델")
        d.t("\n직거래 " + g.pick("역삼역", "부평역 2번출구", "동네 GS25 앞") + ", 택배 가능(착불)\n")
    else:
        d.t(f"[삽니다] {item} 구해요!!\n상태 좋은 거면 ")
        d.neg("price", g.n.money(5_000, 1_500_000, 1000), "희망가")
        d.t("원까지 생각해요\n")
    writing = r.choices(list(DODGE_WRITINGS), list(DODGE_WRITINGS.values()))[0]
    lead, situation = r.choice((("채팅 잘 안 봐요 ㅠ 여기로 문자주세요 👉 ", "sentence_cue"), ("연락은 ", "sentence_cue"),
                                ("폰번호 ", "label_before"), ("📱 ", "label_symbol"), ("☎ ", "label_symbol"),
                                ("문자 주세요 ", "sentence_cue"), ("", "label_after"), ("", "no_label")))
    if situation == "no_label" and writing not in UNLABELLED_OK["phone"]:
        lead, situation = "폰번호 ", "label_before"
    tail = " ← 번호임" if situation == "label_after" else g.pick(" (숫자로 바꿔서 문자주세요)", " !!", " 🙏", "")
    d.t(lead)
    d.value("phone", situation, lead.strip() or tail.strip(), writing=writing)
    d.t(tail + "\n")
    if r.random() < 0.5:
        d.t("선입금 택배거래 원하시면 ")
        d.account(holder=True, allowed={"hyphen", "plain"})
        d.t(" 로 보내주세요\n")
    d.t(g.pick("#중고 #급처", "찜 많으면 가격 내림", "사기 아닙니다 후기 많아요") + "\n")
    return d.done()


def secondhand_chat(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("app_chat", "kakao_export")
    d = g.doc("secondhand_chat", frame)
    seller, buyer = g.pick("판매자", "니트조아", "달빛상점"), g.pick("구매자", "당근러버", "헬로우")
    stamp = 0

    def say(who: str) -> None:
        nonlocal stamp
        stamp += r.randrange(1, 9)
        if frame == "kakao_export":
            d.t(f"[{who}] [오후 {1 + stamp // 60 % 11}:{stamp % 60:02d}] ")
        else:
            d.t(f"{who}: ")

    say(buyer)
    d.t("안녕하세요 아직 판매하시나요?\n")
    say(seller)
    d.t("네 판매중이에요\n")
    if r.random() < 0.4:
        say(buyer)
        question = g.pick("혹시 번호 알려주실 수 있나요? 앱 알림이 늦게 와서요", "연락처 좀 주실 수 있을까요?")
        d.t(question + "\n")
        say(seller)
        d.value("phone", "question_before", question, allowed={"hyphen", "plain", "spaced"}, line="mobile")
        d.t(g.pick(" 여기로 문자 주세요", " 입니다", "") + "\n")
    say(buyer)
    d.t("혹시 ")
    d.neg("price", g.n.money(5_000, 900_000, 1000), "네고 가격")
    d.t("원에 가능할까요?\n")
    say(seller)
    d.t("ㅎㅎ 그 가격은 좀.. 앱 채팅 알림이 잘 안 와서 문자로 주세요 ")
    d.value("phone", "sentence_cue", "문자로 주세요",
            writing=r.choices(list(DODGE_WRITINGS), list(DODGE_WRITINGS.values()))[0])
    d.t("\n")
    say(buyer)
    cue = g.pick("넵 제 번호는", "저장했어요 제꺼는", "문자 드렸어요~")
    d.t(cue + " ")
    d.value("phone", "sentence_cue", cue, allowed={"hyphen", "plain", "spaced", "hangul_mixed"}, line="mobile")
    d.t("\n")
    say(seller)
    if r.random() < 0.6:
        d.t("택배로 하실거면 선입금 부탁드려요\n")
        say(seller)
        if r.random() < 0.3:  # account numbers get filtered too, so some sellers spell them out
            d.account(holder=True, writing="hangul_numerals")
        else:
            d.account(holder=True, allowed={"hyphen", "plain"})
        d.t("\n")
        say(buyer)
        d.t("입금했습니다! 운송장 번호 나오면 알려주세요\n")
        say(seller)
        d.t(g.pick("CJ ", "편의점택배 ", "우체국 "))
        d.neg("tracking_number", phrasing="운송장")
        d.t(" 입니다\n")
    else:
        d.t("내일 ")
        d.neg("time", phrasing="약속 시각")
        d.t(" 역 앞에서 뵐게요\n")
    return d.done()


def community_qna(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("leak_worry", "phone_scam", "id_question")
    d = g.doc("community_qna", frame)
    d.t("Q&A 게시판 | 글번호 ")
    d.neg("post_number", phrasing="글번호")
    d.t(f" | 조회 {r.randrange(10, 9000)} | ")
    d.neg("event_date", phrasing="작성일")
    d.t("\n")
    if frame == "leak_worry":
        d.t("제목: 택배 송장에 주민번호가 찍혀서 왔어요ㅠㅠ 어떡하죠\n")
        d.t("해외직구 통관 때문에 적은 것 같은데 송장에 ")
        d.value("resident", "sentence_cue", "주민번호가 찍혀서", allowed={"hyphen", "masked"})
        d.t(" 이렇게 그대로 나와 있었어요. 버려도 되나요?\n")
        d.t("└ 답변: 개인통관고유부호를 쓰셔야 해요. P로 시작하는 번호예요. 송장은 파쇄하세요.\n")
    elif frame == "phone_scam":
        d.t("제목: 이 번호로 택배 문자 오는데 스미싱 맞나요?\n")
        d.value("phone", "no_label", allowed={"hyphen", "intl_plus"})
        d.t(g.pick(" 이 번호로 ", " 에서 ") + "주소 확인하라고 링크가 왔어요\n")
        d.t("└ 답변: 택배사 대표번호는 ")
        d.neg("company_number", phrasing="대표번호")
        d.t(" 같은 번호예요. 링크 누르지 마세요.\n")
        d.t("└ 답변2: 저도 같은 문자 받았어요. 저는 메일로도 왔네요 ")
        d.value("email", "no_label", allowed={"plain", "masked"})
        d.t(" 이런 주소로요\n")
    else:
        d.t("제목: 외국인 친구 통장 개설 질문\n")
        d.t("친구가 외국인등록증 받았는데 번호가 ")
        d.value("foreigner_registration", "sentence_cue", "외국인등록증 받았는데 번호가", allowed={"masked"})
        d.t(" 이런 식이에요. 여권도 같이 가져가야 하나요? 여권은 ")
        d.value("passport", "sentence_cue", "여권은", allowed={"foreign_format"})
        d.t(" 이고요\n└ 답변: 재직증명서랑 같이 가져가면 돼요. ")
        d.t("번호는 게시판에 올리지 마세요!\n")
    d.t(f"댓글 {r.randrange(0, 40)} | 추천 {r.randrange(0, 99)}\n")
    return d.done()


def event_registration(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("volunteer_form", "marathon_entry", "overseas_volunteer")
    d = g.doc("event_registration", frame)
    if frame == "marathon_entry":
        d.t(f"제{r.randrange(5, 30)}회 한강 나이트 마라톤 참가 신청 확인\n")
        d.nfield("배번", "member_number", text=str(r.randrange(1000, 20000)))
        d.t(f"종목: {g.pick('10km', '하프', '5km 걷기')}  기념품 티셔츠: {g.pick('95', '100', '105')}\n")
        if r.random() < 0.5:
            d.t(f"참가자: {g.name()} (")
            d.value("birth_date", "label_after", "생", allowed={"short_dot", "dot", "korean"})
            d.t("생)\n")
        else:
            d.t(f"참가자: {g.name()}\n")
            d.field(g.pick("생년월일", "생일"), "birth_date", allowed={"dot", "iso", "yymmdd"})
        d.field("휴대폰", "phone", allowed={"hyphen"})
        d.field("비상연락처(가족)", "phone", allowed={"hyphen", "plain"})
        d.nfield("참가비", "price", end="원 (입금 완료)\n", text=g.n.money(30_000, 80_000, 10_000))
        d.nfield("대회일", "event_date")
        return d.done()
    if frame == "overseas_volunteer":
        d.t("해외봉사단 참가자 정보 (항공권 발권용)\n")
        d.t(f"영문 성명: {g.pick('KIM', 'LEE', 'PARK')} {g.pick('SEOHYUN', 'MINJUN', 'YUNA')}\n")
        d.nfield("소속 학교 학번", "student_number")
        d.field(g.pick("여권번호", "여권 번호"), "passport", allowed={"old_format", "current_format"})
        d.nfield("여권 만료일", "event_date", text=g.n.date(2027, 2036, g.pick("iso", "dot")))
        d.field("생년월일", "birth_date", allowed={"iso", "dot"})
        d.field("카카오톡/휴대폰", "phone", allowed={"hyphen", "intl_plus"})
        d.field("이메일", "email")
        d.nfield("출국편", "flight_number", end=" ")
        d.neg("event_date", phrasing="출국일")
        d.t("\n")
        return d.done()
    d.t(f"{g.pick('연탄 나눔', '유기견 보호소', '하천 정화')} 봉사활동 신청서\n")
    member = g.pick("개인", "OO고 2학년", "사내 동호회", "가온대학교 사회복지학과", "한빛대학교 봉사동아리")
    d.t(f"이름: {g.name()}   소속: {member}")
    if "대학교" in member:
        d.nfield(" (학번", "student_number", sep=" ", end=")")
    d.t("\n")
    d.field("생년월일(보험 가입용)", "birth_date", allowed={"compact", "dot", "yymmdd"})
    d.field("연락처", "phone", allowed={"hyphen", "plain", "spaced"})
    d.t("1365 아이디: ")
    d.t(g.pick("sunny", "happy", "blue") + str(r.randrange(10, 99)) + "\n")
    d.nfield("VMS 회원번호", "member_number")
    d.nfield("활동일", "event_date", end=" ")
    d.neg("time", phrasing="활동 시각")
    d.t("\n상해보험 가입을 위해 ")
    d.field("주민번호", "resident", sep=" ", allowed={"hyphen", "plain"}, end=" 수집에 동의합니다.\n")
    return d.done()


# --------------------------------------------------------------------------- genres: cars

def car_sale(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("transfer_certificate", "dealer_contract")
    d = g.doc("car_sale", frame)
    d.t({"transfer_certificate": "자동차 양도증명서 (양도인·양수인 직접 거래용)\n",
         "dealer_contract": "자동차 매매계약서 (매매업자 거래)\n"}[frame])
    d.nfield("자동차등록번호", "vehicle_plate")
    d.t(f"차종: {g.pick('승용', '승합')}  차명: {g.pick('아반떼', '쏘렌토', '모닝', '그랜저')}\n")
    d.nfield("차대번호", "vin")
    d.nfield("주행거리", "mileage", end="km\n")
    d.nfield("매매금액", "price", end="원\n", text=g.n.money(3_000_000, 60_000_000, 10_000))
    d.nfield("잔금 지급일", "event_date")
    for role in ("양도인(매도인)", "양수인(매수인)"):
        d.t(f"\n{role}\n성명(상호): {g.name()}\n")
        scan = frame == "transfer_certificate" and r.random() < 0.5  # a scanned paper form
        d.field(g.pick("주민(법인)등록번호", "주민등록번호"), "resident",
                writing=g.scanned("resident") if scan else None, allowed=None if scan else {"hyphen", "plain"})
        d.t("주소: ")
        d.address(unit=r.random() < 0.5)
        d.t("\n")
        d.field("전화번호", "phone", writing=g.scanned("phone") if scan else None,
                allowed=None if scan else {"hyphen", "plain", "dot"})
    if frame == "dealer_contract":
        d.t(f"\n매매업자: {g.pick('믿음', '제일', '오토')}모터스  ")
        d.field("사업자등록번호", "business_registration", sep=" ")
        d.t("종사원 " + g.name() + "  ")
        d.field("휴대폰", "phone", sep=" ", allowed={"hyphen"}, line="mobile")
    return d.done()


def car_rental(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("counter_contract", "app_booking")
    d = g.doc("car_rental", frame)
    d.t({"counter_contract": "렌터카 대여계약서", "app_booking": "[제주 렌트] 예약 확정 안내"}[frame] + "\n")
    d.nfield("예약번호", "reservation_number")
    d.t("대여 차량: ")
    d.neg("vehicle_plate", phrasing="대여 차량")
    out, back = g.n.date_pair(2025, 2026, g.pick("iso", "dot"), (1, 8))
    d.t(f" ({g.pick('캐스퍼', 'K5', '카니발')})\n대여: ")
    d.neg("event_date", out, "대여일")
    d.t(" ")
    d.neg("time", phrasing="대여 시각")
    d.t("  반납: ")
    d.neg("event_date", back, "반납일")
    d.t("\n\n[제1운전자]\n" + g.name() + "\n")
    d.field("생년월일", "birth_date", allowed={"yymmdd", "dot", "iso"}, born=(1960, 2004))
    d.field(g.pick("운전면허번호", "면허번호"), "driver_license")
    d.nfield("면허 적성검사 만료일", "event_date", text=g.n.date(2027, 2034, "iso"))
    d.field("연락처", "phone", allowed={"hyphen"}, line="mobile")
    if r.random() < 0.5:
        d.t("\n[제2운전자]\n" + g.name() + "  ")
        d.field("면허", "driver_license", sep=" ", allowed={"hyphen", "region_name"}, end="  ")
        d.field("생년월일", "birth_date", sep=" ", allowed={"yymmdd", "short_dot"})
    d.t("\n보증금 결제 카드 ")
    d.value("credit_card", "label_before", "보증금 결제 카드", allowed={"masked", "hyphen"})
    d.t("  ")
    d.nfield("승인번호", "card_approval", sep=" ")
    d.nfield("대여요금 합계", "price", end="원\n", text=g.n.money(50_000, 900_000, 100))
    d.t("사고 접수: ")
    d.neg("company_number", phrasing="사고 접수")
    d.t("\n")
    return d.done()


# --------------------------------------------------------------------------- genres: legal and public

def court_judgment(g: _Gen) -> Document:
    frame = g.pick("civil_judgment", "payment_order")
    d = g.doc("court_judgment", frame)
    court = g.pick("서울중앙지방법원", "수원지방법원 성남지원", "부산지방법원 동부지원", "대전지방법원")
    d.t(f"{court}\n{'판 결' if frame == 'civil_judgment' else '지 급 명 령'}\n\n")
    d.nfield("사 건", "case_number", sep="   ", text=None,
             end=f" {g.pick('대여금', '임대차보증금 반환', '손해배상(기)', '물품대금')}\n")
    for role in ("원 고", "피 고") if frame == "civil_judgment" else ("채 권 자", "채 무 자"):
        d.t(f"{role}   {g.masked_name()} (")
        d.value("resident", "no_label", allowed={"masked"})
        d.t(")\n         ")
        d.address(unit=False)
        d.t("\n")
    if frame == "civil_judgment":
        closed, ruled = g.n.date_pair(2022, 2026, "korean", (14, 60))
        d.nfield("변 론 종 결", "event_date", sep="   ", text=closed)
        d.nfield("판 결 선 고", "event_date", sep="   ", text=ruled)
        d.t("\n주 문\n1. 피고는 원고에게 ")
        d.neg("price", g.n.money(1_000_000, 200_000_000, 1000), "주문 금액")
        d.t("원 및 이에 대하여 ")
        d.neg("event_date", phrasing="기산일")
        d.t("부터 다 갚는 날까지 연 12%의 비율로 계산한 돈을 지급하라.\n")
        d.t("\n이 유\n원고는 피고 명의의 계좌(")
        d.value("bank_account", "sentence_cue", "피고 명의의 계좌", allowed={"masked"})
        d.t(")로 위 돈을 송금하였다. 갑 제3호증(카카오톡 대화내역)에 의하면 피고는 ")
        d.value("phone", "no_label", allowed={"masked"}, line="mobile")
        d.t(" 번호로 변제를 약속하였다.\n")
    else:
        d.t("\n청 구 취 지\n채무자는 채권자에게 아래 청구금액을 지급하라.\n")
        d.nfield("청구금액", "price", sep="  금 ", end="원\n", text=g.n.money(1_000_000, 200_000_000, 1000))
        d.t("독촉절차비용  금 ")
        d.neg("price", g.n.money(10_000, 200_000, 100), "독촉절차비용")
        d.t("원\n")
    d.t(f"\n판사  {g.name()}\n")
    d.t(g.pick("※ 이 문서는 개인정보 보호를 위해 일부 비실명 처리되었습니다.\n", ""))
    return d.done()


def certified_letter(g: _Gen) -> Document:
    frame = g.pick("deposit_return", "unpaid_wages")
    d = g.doc("certified_letter", frame)
    d.t("내 용 증 명\n\n")
    for role in ("발신인", "수신인"):
        d.t(f"{role}  성명: {g.name()}\n        주소: ")
        d.address()
        d.t("\n        ")
        d.field("연락처", "phone", allowed={"hyphen", "masked"} if role == "수신인" else {"hyphen", "plain"})
    d.t("\n제목: " + {"deposit_return": "임대차보증금 반환 청구의 건", "unpaid_wages": "미지급 임금 지급 요청의 건"}[frame])
    d.t("\n\n1. 귀하의 무궁한 발전을 기원합니다.\n2. 발신인은 ")
    d.neg("event_date", phrasing="계약일")
    d.t(" 귀하와 " + {"deposit_return": "임대차계약을 체결하고 보증금 ", "unpaid_wages": "근로계약을 체결하였으나 임금 "}[frame])
    d.neg("price", g.n.money(1_000_000, 300_000_000, 100_000), "청구 금액")
    d.t("원을 " + {"deposit_return": "지급하였으나, 계약 만료 후에도 반환받지 못하였습니다.",
                 "unpaid_wages": "지급받지 못하였습니다."}[frame])
    d.t("\n3. 본 서면 수령 후 14일 이내에 아래 계좌로 지급하여 주시기 바랍니다.\n")
    d.t(g.pick("   입금계좌: ", "   - 계좌: ", "   "))
    d.account(holder=True, allowed={"hyphen", "plain"})
    d.t("\n4. 기한 내 이행하지 않을 경우 법적 조치를 취할 예정입니다.\n\n")
    d.neg("event_date", g.n.date(2023, 2026, "korean"), "발송일")
    d.t(f"\n발신인 {g.name()} (인)\n")
    d.t("우체국 등기번호 ")
    d.neg("registered_mail", phrasing="등기번호")
    d.t("\n")
    return d.done()


def government_notice(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("parking_fine", "local_tax_bill", "speeding_notice")
    d = g.doc("government_notice", frame)
    office = g.pick("마포구청", "수원시 영통구청", "해운대구청", "경기남부경찰청")
    title = {"parking_fine": "주정차위반 과태료 부과 사전통지서", "local_tax_bill": "자동차세 납부고지서",
             "speeding_notice": "속도위반 과태료 고지서"}[frame]
    d.t(f"{office} {title}\n")
    d.nfield("고지서번호", "payment_number", text=g.n.d(4) + "-" + g.n.d(6))
    d.t(f"납부자: {g.masked_name()}\n")
    d.field(g.pick("주민(법인)번호", "주민등록번호", "생년월일/주민번호"), "resident", allowed={"masked"})
    d.t("주소: ")
    d.address(postal=True)
    d.t("\n")
    d.nfield("차량번호", "vehicle_plate")
    if frame == "local_tax_bill":
        d.nfield("과세기간", "period", text=" ~ ".join(g.n.date_pair(2025, 2026, "dot", (180, 182))))
        d.nfield("납기 내 금액", "price", end="원\n", text=g.n.money(60_000, 700_000, 10))
        d.nfield("전자납부번호", "payment_number")
        d.t("가상계좌: 납부 고지서 뒷면 참조\n")
    else:
        d.nfield("위반일시", "event_date", end=" ")
        d.neg("time", phrasing="위반시각")
        d.t(f"\n위반장소: {r.choice(ROADS)} {r.randrange(1, 300)} 앞\n")
        if frame == "speeding_notice":
            d.t(f"제한속도 {g.pick('30', '50', '60')}km/h  주행속도 {r.randrange(41, 99)}km/h\n")
        d.nfield("과태료", "price", end="원 (의견진술 기한 내 납부 시 20% 감경)\n", text=g.n.money(40_000, 150_000, 10_000))
        d.nfield("전자납부번호", "payment_number")
    d.t("문의: 정부민원안내콜센터 110, 담당부서 ")
    d.neg("company_number", phrasing="담당부서")
    d.t("\n")
    return d.done()


# --------------------------------------------------------------------------- genres: orders and bookings

def delivery_order(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("receipt_print", "rider_screen")
    d = g.doc("delivery_order", frame)
    d.t(g.pick("[배민] 주문전표", "[요기요] 주문 접수", "[쿠팡이츠] 주문서") + "\n")
    d.nfield("주문번호", "order_number")
    d.nfield("주문시각", "time", text=None)
    d.t("배달주소: ")
    d.address()
    d.t("\n")
    if r.random() < 0.65:
        d.nfield("안심번호", "safe_number")
    else:
        d.field(g.pick("고객 연락처", "연락처"), "phone", allowed={"hyphen", "plain"}, line="mobile")
    request = g.pick("문 앞에 두고 벨 눌러주세요", "리뷰 이벤트 참여해요 (콜라)", "아이가 자요 노크만",
                     "공동현관 호출 후 올라와 주세요")
    d.t(f"요청사항: {request}")
    d.t("\n-----------------------------\n")
    for _ in range(r.randrange(1, 4)):
        d.t(f"{g.pick('양념치킨', '짜장면', '마라탕 2단계', '김치찌개', '아이스아메리카노')} x{r.randrange(1, 3)}  ")
        d.neg("price", g.n.money(3_000, 35_000, 500), "메뉴 금액")
        d.t("\n")
    if r.random() < 0.4:
        d.nfield("할인쿠폰", "coupon_code", sep=" ", end=" 적용\n")
    d.t("배달팁 ")
    d.neg("price", g.n.money(1_000, 5_000, 500), "배달팁")
    d.t("\n합계 ")
    d.neg("price", g.n.money(12_000, 90_000, 100), "합계")
    d.t("원 (" + g.pick("카드 결제 완료", "만나서 현금결제", "앱 결제") + ")\n")
    if frame == "receipt_print":
        d.t(f"가게: {g.pick('맛나치킨 상도점', '홍콩반점 신림점', '온정식당')}  ")
        d.field("사업자번호", "business_registration", sep=" ", allowed={"hyphen", "plain"})
        d.t("대표 " + g.name() + "\n")
    return d.done()


def lodging_booking(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("hotel_confirmation", "pension_sms", "guest_register")
    d = g.doc("lodging_booking", frame)
    if frame == "pension_sms":
        d.t(f"[Web발신]\n{g.pick('바다소리', '숲속의아침', '별빛')}펜션 예약 안내\n")
        d.nfield("입실", "event_date", end=" 15:00\n", text=g.n.date(2026, 2027, g.pick("dot", "korean", "iso")))
        d.t("객실: 디럭스 ")
        d.neg("room_number", text=str(r.randrange(101, 310)), phrasing="객실")
        d.t("호\n")
        d.nfield("총 금액", "price", end="원\n", text=g.n.money(80_000, 600_000, 10_000))
        d.t("입금계좌 ")
        d.account(holder=True)
        d.t("\n2시간 내 미입금 시 자동 취소됩니다.\n사장님 ")
        d.value("phone", "no_label", allowed={"hyphen"}, line="mobile")
        d.t("\n")
        return d.done()
    if frame == "guest_register":
        d.t("숙박부 (Guest Registration Card)\n")
        d.nfield("Room No.", "room_number")
        d.t(f"Name: {r.choice(MOTHER_TONGUE_NAMES)}\nNationality: {g.pick('VIETNAM', 'CHINA', 'USA', 'GERMANY')}\n")
        d.field(g.pick("Passport No.", "여권번호 Passport No."), "passport", situation="label_english",
                allowed={"foreign_format"})
        d.field("Date of Birth", "birth_date", situation="label_english", writing="english")
        d.field("Mobile", "phone", situation="label_english", allowed={"intl_plus", "hyphen"})
        d.field("E-mail", "email", situation="label_english")
        d.nfield("Check-in", "event_date")
        return d.done()
    d.t(f"{g.pick('Hotel Seorin', '그랜드 오션 호텔', '스테이 한옥')} 예약 확인서 / Reservation Confirmation\n")
    d.nfield("예약번호 Confirmation No.", "reservation_number")
    d.t(f"투숙객: {g.name()}\n")
    d.field("연락처", "phone", allowed={"hyphen", "plain", "intl_plus"})
    d.field("이메일", "email")
    stay_in, stay_out = g.n.date_pair(2026, 2027, g.pick("iso", "dot", "korean"), (1, 5))
    d.nfield("체크인", "event_date", end=" ", text=stay_in)
    d.nfield("체크아웃", "event_date", end="\n", text=stay_out)
    d.t("객실: 디럭스 더블 (조식 포함)  요금: ")
    d.neg("price", g.n.money(100_000, 900_000, 1000), "요금")
    d.t("원\n보증 카드 (Guarantee): ")
    d.value("credit_card", "label_before", "보증 카드", allowed={"masked", "hyphen", "spaced", "amex"})
    d.t(f"  유효기간 {r.randrange(1, 13):02d}/{r.randrange(26, 31)}\n")
    d.t("취소 규정: 체크인 3일 전까지 무료 취소\n")
    return d.done()


def gym_membership(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("signup_form", "member_export")
    d = g.doc("gym_membership", frame)
    if frame == "member_export":
        heads = ("회원번호", "이름", "생년월일", "휴대폰", "락커", "만료일")
        d.t(f"{g.pick('파워', '바디라인', '스윔')}피트니스 회원목록.xlsx (시트1)\n" + "\t".join(heads) + "\n")
        for _ in range(r.randrange(3, 7)):
            d.neg("member_number", phrasing="회원번호")
            d.t("\t" + g.name() + "\t")
            d.value("birth_date", "column_header", "생년월일", allowed={"iso", "yymmdd", "dot"})
            d.t("\t")
            d.value("phone", "column_header", "휴대폰", allowed={"hyphen", "plain"}, line="mobile")
            d.t(f"\t{r.randrange(1, 200)}\t")
            d.neg("event_date", g.n.date(2025, 2027, "iso"), "만료일")
            d.t("\n")
        return d.done()
    d.t(f"{g.pick('파워', '바디라인', '스윔')}피트니스 회원 가입 신청서\n")
    d.t(f"이름: {g.name()}   성별: {g.pick('남', '여')}\n")
    boxed = r.random() < 0.4  # a scanned paper form: each box's label is read above its content
    sep, situation = ("\n", "label_above") if boxed else (": ", "label_before")
    d.field(g.pick("생년월일", "생일"), "birth_date", sep=sep, situation=situation,
            allowed={"dot", "yymmdd", "korean", "short_dot"})
    d.field("연락처", "phone", sep=sep, situation=situation, allowed={"hyphen", "plain"}, line="mobile")
    d.field("비상시 연락처 (보호자)", "phone", sep=sep, situation=situation, allowed={"hyphen"})
    d.t(f"운동 목적: {g.pick('체중 감량', '재활', '근력 향상')}   키 ")
    d.neg("measurement", f"{r.randrange(150, 190)}.{r.randrange(10)}cm", "키")
    d.t("  몸무게 ")
    d.neg("measurement", f"{r.randrange(45, 110)}.{r.randrange(10)}kg", "몸무게")
    d.t(f"\n등록: PT {r.randrange(10, 50)}회 + 헬스 {r.randrange(3, 13)}개월\n")
    d.nfield("결제 금액", "price", end="원 (" + g.pick("일시불", "6개월 할부", "3개월 할부") + ")\n",
             text=g.n.money(100_000, 3_000_000, 10_000))
    d.t("자동결제 카드: ")
    d.value("credit_card", "label_before", "자동결제 카드", allowed={"hyphen", "spaced", "masked"})
    d.t(f"\n락커 번호 {r.randrange(1, 200)}  ")
    d.nfield("등록일", "event_date")
    return d.done()


def vet_record(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("chart", "vaccination_card")
    d = g.doc("vet_record", frame)
    pet = g.pick("초코", "콩이", "두부", "나비", "보리")
    d.t(f"{g.pick('튼튼', '행복한', '24시 온누리')}동물병원 " + ("진료 기록지" if frame == "chart" else "예방접종 증명서") + "\n")
    d.nfield("차트번호", "patient_number")
    d.t(f"환자명: {pet}  ({g.pick('말티즈', '코리안숏헤어', '푸들', '진돗개')}, {g.pick('수컷(중성화)', '암컷')})\n")
    d.nfield("동물등록번호", "animal_registration")
    d.t("체중 ")
    d.neg("measurement", f"{r.randrange(1, 30)}.{r.randrange(10)}kg", "체중")
    d.t(f"\n보호자: {g.name()}\n")
    d.field(g.pick("보호자 연락처", "연락처", "H.P"), "phone", allowed={"hyphen", "plain"}, line="mobile")
    if r.random() < 0.5:
        d.t("주소: ")
        d.address()
        d.t("\n")
    if frame == "chart":
        d.nfield("내원일", "event_date")
        d.t("S: 이틀 전부터 구토 3회, 식욕 저하\nO: 체온 39.2, 탈수 5%\nA/P: 수액 처치, 위장약 3일분 처방\n")
        d.nfield("진료비", "price", end="원\n", text=g.n.money(10_000, 800_000, 100))
    else:
        for vac in ("종합백신(DHPPL) 5차", "광견병", "심장사상충 예방"):
            d.t(f"- {vac}  접종일 ")
            d.neg("event_date", phrasing="접종일")
            d.t("  제조번호 ")
            d.neg("serial_number", g.n.d(6) if r.random() < 0.5 else f"A{g.n.d(5)}", "제조번호")
            d.t("\n")
    d.t(f"수의사 {g.name()}  ")
    d.nfield("면허번호", "medical_license", sep=" 제", end="호\n")
    return d.done()


# --------------------------------------------------------------------------- genres: family events and giving

def wedding_notice(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("mobile_invitation", "group_message")
    d = g.doc("wedding_notice", frame)
    groom, bride = g.name(), g.name()
    if frame == "group_message":
        d.t(f"[결혼 소식] 저희 {g.pick('장남', '장녀', '막내')} {g.pick(groom, bride)} 결혼합니다\n")
        d.t("일시: ")
        d.neg("event_date", g.n.date(2026, 2027, g.pick("dot", "korean", "iso")), "예식일")
        d.t(" ")
        d.neg("time", phrasing="예식 시각")
        d.t(f"\n장소: {g.pick('더채플앳청담', '노블발렌티', '웨딩홀 그랜드볼룸')} {r.randrange(2, 6)}층\n")
        d.t("참석이 어려우신 분들은 마음만 보내주셔도 감사합니다.\n")
        d.account(holder=True)
        d.t(f"\n혼주 {g.name()} 드림 ")
        d.value("phone", "no_label", allowed={"hyphen"}, line="mobile")
        d.t("\n")
        return d.done()
    d.t(f"💍 {groom} ♥ {bride} 결혼합니다\n\n")
    d.neg("event_date", g.n.date(2026, 2027, g.pick("dot", "korean")), "예식일")
    d.t(" " + g.pick("토요일", "일요일") + " ")
    d.neg("time", phrasing="예식 시각")
    d.t("\n오시는 길: ")
    d.address(unit=False)
    d.t("\n\n마음 전하실 곳\n")
    for side, title, who in (("신랑측", "신랑", groom), ("신부측", "신부", bride)):
        d.t(f"▸ {side}\n  {title} {who}  ")
        d.account(holder=False, allowed={"hyphen", "plain"})
        d.t("\n")
        if r.random() < 0.5:
            d.t(f"  아버지 {g.name()}  ")
            d.account(holder=False, allowed={"hyphen"})
            d.t("\n")
    heading = g.pick("연락하기", "📞 축하 연락하기", "신랑신부에게 연락하기")
    d.t(f"\n{heading}\n")
    d.t(f"신랑 {groom} ")
    d.value("phone", "label_above", heading, allowed={"hyphen"}, line="mobile")
    d.t(f"\n신부 {bride} ")
    d.value("phone", "lines_away", heading, allowed={"hyphen"}, line="mobile")
    d.t("\n")
    return d.done()


def funeral_notice(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("obituary_sms", "company_notice")
    d = g.doc("funeral_notice", frame)
    dead = g.name()
    d.t("[부고] " + ({"obituary_sms": f"{dead}님께서 별세하셨기에 삼가 알려드립니다.",
                    "company_notice": f"영업2팀 {g.name()} 과장 부친상"}[frame]) + "\n\n")
    d.t(f"상주: {g.name()}, {g.name()}\n")
    d.t(f"빈소: {g.pick('서울아산병원', '분당서울대병원', '부산성모병원')} 장례식장 ")
    d.neg("room_number", text=str(r.randrange(1, 20)), phrasing="호실")
    d.t("호실\n장례식장 대표번호: ")
    d.neg("company_number", phrasing="장례식장")
    d.t("\n발인: ")
    d.neg("event_date", g.n.date(2024, 2026, g.pick("dot", "korean", "iso")), "발인일")
    d.t(" ")
    d.neg("time", phrasing="발인 시각")
    d.t("\n장지: " + g.pick("용인 평온의숲", "천안공원묘원", "함께하는 수목장") + "\n\n")
    d.t(g.pick("부의금 계좌", "마음 전하실 곳", "조의금 보내실 곳") + "\n")
    d.account(holder=True)
    if r.random() < 0.5:  # the chief mourner's number after his name, as such notices put it
        d.t(f"\n\n{g.pick('장남', '장녀', '차남')} {g.name()} ")
        d.value("phone", "no_label", allowed={"hyphen"}, line="mobile")
    else:
        lead = g.pick("상주 연락처", "연락처:", "문의")
        d.t(f"\n\n{lead} ")
        d.value("phone", "label_before", lead, allowed={"hyphen"}, line="mobile")
    d.t("\n삼가 고인의 명복을 빕니다.\n")
    return d.done()


def donation_receipt(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("official_receipt", "regular_giving_signup")
    d = g.doc("donation_receipt", frame)
    org = g.pick("사단법인 함께나눔", "재단법인 푸른별", "(사)굿핸즈", "사회복지법인 온정")
    if frame == "regular_giving_signup":
        d.t(f"{org} 정기후원 신청서\n후원자명: {g.name()}\n")
        d.field("생년월일", "birth_date", allowed={"compact", "dot", "yymmdd"})
        d.field("휴대전화", "phone", allowed={"hyphen", "plain"}, line="mobile")
        d.field("이메일(연말정산 영수증 발송)", "email")
        d.field("주민등록번호(기부금 영수증 발급 희망 시)", "resident", allowed={"hyphen", "plain"}, end="")
        d.t("\n후원금액: 월 ")
        d.neg("price", g.n.money(10_000, 100_000, 10_000), "후원금액")
        d.t("원   출금일: 매월 25일\n")
        if r.random() < 0.5:
            d.t("CMS 출금계좌: ")
            d.account(holder=True, allowed={"hyphen", "plain"})
            d.t("\n")
            d.nfield("CMS 납부자번호", "cms_number")
        else:
            d.field("카드 정기결제", "credit_card", allowed={"hyphen", "plain", "spaced"})
        return d.done()
    d.t("기 부 금 영 수 증\n")
    d.nfield("일련번호", "serial_number", text=f"{r.randrange(2020, 2026)}-{g.n.d(5)}")
    d.t(f"1. 기부자\n성명: {g.name()}\n")
    scan = r.random() < 0.4  # a receipt scanned for the year-end tax settlement
    d.field("주민등록번호", "resident", writing=g.scanned("resident") if scan else None,
            allowed=None if scan else {"hyphen", "masked"})
    d.t("주소: ")
    d.address()
    d.t(f"\n2. 기부금 단체\n단체명: {org}\n")
    d.field(g.pick("사업자등록번호", "사업자등록번호(고유번호)"), "business_registration",
            writing=g.scanned("business_registration") if scan else None)
    d.t("3. 기부 내용\n유형  코드  연월일  내용  금액\n")
    for _ in range(r.randrange(2, 5)):
        d.t("법정  10  ")
        d.neg("event_date", g.n.date(2024, 2025, "dot"), "기부일")
        d.t("  금전  ")
        d.neg("price", g.n.money(10_000, 1_000_000, 10_000), "기부 금액")
        d.t("\n")
    d.t("「소득세법」에 따른 기부금을 위와 같이 기부받았음을 증명합니다.\n")
    return d.done()


# --------------------------------------------------------------------------- genres: money and staff

def bank_statement(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("csv_export", "app_text")
    d = g.doc("bank_statement", frame)
    bank = r.choice(list(BANK_SHAPES))
    if frame == "csv_export":
        d.t(f"\"{bank} 거래내역조회\"\n\"조회계좌\",\"")
        d.value("bank_account", "label_before", "조회계좌", allowed={"hyphen", "plain"}, bank=bank)
        d.t(f"\"\n\"예금주\",\"{g.name()}\"\n\"조회기간\",\"")
        d.neg("period", f"{g.n.date(2025, 2025, 'iso')} ~ {g.n.date(2026, 2026, 'iso')}", "조회기간")
        d.t("\"\n\"거래일시\",\"적요\",\"출금액\",\"입금액\",\"잔액\",\"거래점\"\n")
    else:
        d.t(f"{bank} 앱 > 거래내역 (복사)\n")
        d.value("bank_account", "label_above", bank, allowed={"hyphen"}, bank=bank)  # the app's title names it
        d.t(f" [{g.pick('입출금', '급여')}통장]\n")
    for _ in range(r.randrange(3, 7)):
        what = r.choice(("transfer", "card", "salary", "cms"))
        memo = {"transfer": g.name(), "card": g.pick("체크카드 스타벅스", "체크 GS25", "체크 쿠팡"),
                "salary": "급여 (주)한울테크", "cms": g.pick("CMS 보험료", "CMS KT통신요금")}[what]
        if frame == "csv_export":
            d.t("\"")
            d.neg("event_date", g.n.date(2025, 2026, "iso"), "거래일시")
            d.t(f" {r.randrange(24):02d}:{r.randrange(60):02d}\",\"{memo}\",\"")
            d.neg("price", g.n.money(1_000, 3_000_000, 10), "출금액")
            d.t("\",\"0\",\"")
            d.neg("price", g.n.money(100_000, 50_000_000, 1), "잔액")
            d.t(f"\",\"{g.pick('인터넷', '모바일', '타행')}\"\n")
        else:
            d.neg("event_date", g.n.date(2025, 2026, "dot"), "거래일")
            d.t(f"  {memo}  ")
            d.neg("price", g.n.money(2_000_000, 6_000_000, 10) if what == "salary" else g.n.money(1_000, 900_000, 10),
                  "금액")
            d.t("원\n")
            if what == "transfer" and r.random() < 0.5:
                d.t("   받는분 계좌 ")
                d.account(holder=False, allowed={"hyphen", "plain"})
                d.t("\n")
    return d.done()


def payroll(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("payslip", "insurance_acquisition", "foreign_worker")
    d = g.doc("payroll", frame)
    company = g.pick("(주)한울테크", "대양물산(주)", "서린푸드", "미래로지스 주식회사")
    if frame == "payslip":
        d.t(f"{company} {r.randrange(1, 13)}월 급여명세서\n")
        d.nfield("사번", "employee_number", end="   ")
        d.t(f"성명 {g.name()}   부서 {g.pick('생산1팀', '물류', '경영지원')}\n")
        d.nfield("입사일", "event_date")
        d.t("지급 계좌: ")
        d.account(holder=False, allowed={"hyphen", "masked", "plain"})
        d.t("\n")
        for item, lo, hi in (("기본급", 2_000_000, 5_000_000), ("연장근로수당", 50_000, 900_000),
                             ("식대", 100_000, 200_000), ("국민연금", 90_000, 270_000), ("건강보험", 70_000, 200_000),
                             ("고용보험", 18_000, 45_000), ("소득세", 20_000, 400_000)):
            d.t(f"{item:6} ")
            d.neg("price", g.n.money(lo, hi, 10), item)
            d.t("\n")
        d.nfield("실지급액", "price", end="원\n", text=g.n.money(1_800_000, 5_000_000, 10))
        return d.done()
    if frame == "foreign_worker":
        d.t(f"외국인 근로자 고용 현황 ({company})\n성명 | 국적 | 외국인등록번호 | 여권번호 | 연락처 | 입국일\n")
        for _ in range(r.randrange(2, 5)):
            d.t(f"{r.choice(MOTHER_TONGUE_NAMES)} | {g.pick('베트남', '네팔', '캄보디아', '우즈베키스탄')} | ")
            d.value("foreigner_registration", "column_header", "외국인등록번호",
                    allowed={"hyphen", "issued_after_2020", "plain"})
            d.t(" | ")
            d.value("passport", "column_header", "여권번호", allowed={"foreign_format"})
            d.t(" | ")
            d.value("phone", "column_header", "연락처", allowed={"hyphen", "plain"}, line="mobile")
            d.t(" | ")
            d.neg("event_date", g.n.date(2021, 2026, "iso"), "입국일")
            d.t("\n")
        return d.done()
    d.t("4대사회보험 사업장가입자 자격취득 신고서\n사업장 명칭: " + company + "\n")
    d.field("사업자등록번호", "business_registration")
    d.t("가입자 정보\n번호 성명 주민등록번호(외국인등록번호) 자격취득일 월소득액\n")
    for i in range(r.randrange(1, 4)):
        foreign = r.random() < 0.2
        d.t(f"{i + 1} {r.choice(MOTHER_TONGUE_NAMES) if foreign else g.name()} ")
        d.value("foreigner_registration" if foreign else "resident", "column_header",
                "주민등록번호(외국인등록번호)", allowed={"hyphen", "plain"})
        d.t(" ")
        d.neg("event_date", g.n.date(2025, 2026, "compact"), "자격취득일")
        d.t(" ")
        d.neg("price", g.n.money(2_000_000, 8_000_000, 10_000), "월소득액")
        d.t("\n")
    d.t(f"신고인(대표자) {g.name()}  ")
    d.field("전화", "phone", sep=" ", allowed={"hyphen"})
    return d.done()


def spreadsheet_paste(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("customer_list", "english_headers", "merged_cells")
    d = g.doc("spreadsheet_paste", frame)
    d.t(g.pick("아래 명단 확인 부탁드려요 (엑셀에서 복사)", "참석자 명단.xlsx 붙여넣기", "Sheet1") + "\n")
    if frame == "english_headers":
        cols = [("No", None), ("Name", None), ("Mobile", "phone"), ("Email", "email"), ("DOB", "birth_date"),
                ("Joined", "event_date")]
    elif frame == "merged_cells":
        cols = [("번호", None), ("성명", None), ("주민등록번호", "resident"), ("계좌번호", "bank_account"),
                ("은행", "bank"), ("금액", "price")]
    else:
        cols = [("순번", None), ("고객명", None), ("연락처", "phone"), ("이메일", "email"),
                ("카드번호", "credit_card"), ("주문번호", "order_number")]
    d.t("\t".join(c for c, _ in cols) + "\n")
    for i in range(r.randrange(3, 8)):
        bank = r.choice(list(BANK_SHAPES))
        for j, (head, what) in enumerate(cols):
            if j:
                d.t("\t")
            if what is None:
                d.t(str(i + 1) if j == 0 else g.name())
            elif what == "bank":
                d.t(bank)
            elif what in KINDS:
                how = {"bank": bank} if what == "bank_account" else {}
                d.value(what, "column_header", head, allowed=COMPACT, **how)
            elif what == "event_date":
                d.neg("event_date", g.n.date(2020, 2026, "iso"), head)
            else:
                d.neg(what, phrasing=head)
        d.t("\n")
    return d.done()


# --------------------------------------------------------------------------- genres: correspondence

def email_signature(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("korean_signature", "bilingual_signature", "reply_chain")
    d = g.doc("email_signature", frame)
    name = g.name()
    d.t(f"{g.pick('안녕하세요', '수고 많으십니다')}, {g.pick('견적서', '미팅 자료', '계약서 수정본')} 첨부드립니다.\n")
    if r.random() < 0.5:
        d.t("지난달 건 전자세금계산서는 ")
        d.nfield("승인번호", "invoice_number", sep=" ", end=" 로 발행되었습니다.\n")
    d.t("검토 후 회신 부탁드립니다.\n\n감사합니다.\n")
    if frame == "reply_chain":
        d.t(f"\n-----Original Message-----\nFrom: \"{g.name()}\" <")
        d.value("email", "label_english", "From", work=True)
        d.t(">\nTo: <")
        d.value("email", "label_english", "To", work=True)
        d.t(">\nSent: ")
        d.neg("event_date", g.n.date(2025, 2026, "iso"), "Sent")
        d.t(" ")
        d.neg("time", phrasing="Sent")
        d.t("\nSubject: RE: 납품 일정 확인\n\n")
    d.t(f"\n{name} {g.pick('과장', '대리', '책임', '팀장')} | {g.pick('영업본부', '구매팀', '기술지원팀')}\n")
    d.t(f"{g.pick('(주)한울테크', '대양물산', 'Nordmark Korea', '세진법률사무소')}\n")
    d.address(unit=False, postal=r.random() < 0.5)
    d.t(f" {r.randrange(2, 20)}층\n")
    if frame == "bilingual_signature":
        d.field("T", "phone", sep=". ", situation="label_abbrev", allowed={"intl_plus", "hyphen"}, line="landline",
                end="  ")
        d.nfield("F", "fax_number", sep=". ", end="\n")
        d.field("M", "phone", sep=". ", situation="label_abbrev", allowed={"intl_plus", "hyphen"}, line="mobile")
        d.field("E", "email", sep=". ", situation="label_abbrev", work=True)
    else:
        d.field(g.pick("Tel", "전화", "직통"), "phone", sep=g.pick(" ", ": ", ". "), allowed={"hyphen", "dot"},
                line="landline", end=" / ")
        d.nfield(g.pick("Fax", "팩스"), "fax_number", sep=" ")
        d.field(g.pick("Mobile", "휴대폰", "HP"), "phone", sep=g.pick(" ", ": "), allowed={"hyphen", "dot"},
                line="mobile")
        d.value("email", "no_label", work=True)
        d.t("\n")
    if r.random() < 0.5:
        d.t("사업자등록번호 ")
        d.value("business_registration", "label_before", "사업자등록번호", allowed={"hyphen"})
        d.t("  대표전화 ")
        d.neg("company_number", phrasing="대표전화")
        d.t("\n")
    d.t(g.pick("본 메일은 발신 전용이 아닙니다.", "이 메일에는 기밀 정보가 포함될 수 있습니다.", "") + "\n")
    return d.done()


def business_card(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("ocr_scan", "contact_app")
    d = g.doc("business_card", frame)
    if frame == "contact_app":
        d.t("[명함 앱 저장]\n" + g.name() + "\n" + g.pick("대표이사", "부장", "실장") + " · "
            + g.pick("가온인테리어", "서린상사", "블루파인") + "\n")
        d.t("휴대전화  ")
        d.value("phone", "label_before", "휴대전화", allowed={"hyphen"}, line="mobile")
        d.t("\n회사전화  ")
        d.value("phone", "label_before", "회사전화", allowed={"hyphen"}, line="landline")
        d.t("\n이메일  ")
        d.value("email", "label_before", "이메일", work=True)
        d.t("\n메모: " + g.pick("박람회에서 받음", "거래처 소개", "견적 요청 예정") + "\n")
        return d.done()
    d.t(g.pick("가온인테리어", "블루파인 BLUEPINE", "서린상사") + "\n")
    d.t(g.name() + "  " + g.pick("대표", "팀장", "Manager") + "\n")
    marks = r.random() < 0.35
    d.value("phone", "label_after" if marks else "no_label", "(M)", allowed={"hyphen", "dot"}, line="mobile")
    d.t(" (M)\n" if marks else "\n")
    if r.random() < 0.5:
        d.value("phone", "label_after" if marks else "no_label", "(T)", allowed={"hyphen", "area_bracket"},
                line="landline")
        d.t(" (T)   " if marks else "   ")
        d.nfield("F", "fax_number", sep=". ")
    d.value("email", "no_label", work=True)
    d.t("\n")
    d.address(unit=False, postal=r.random() < 0.4)
    d.t("\n")
    if r.random() < 0.5:
        d.t("사업자 ")
        d.value("business_registration", "label_before", "사업자", allowed={"hyphen"})
        d.t("\n")
    return d.done()


def mixed_corporate(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("business_trip", "vendor_onboarding", "visitor_log")
    d = g.doc("mixed_corporate", frame)
    if frame == "business_trip":
        d.t("Business Trip Request / 해외출장 신청서\n")
        d.nfield("Employee ID (사번)", "employee_number")
        d.t(f"Name: {g.pick('KIM', 'LEE', 'PARK', 'CHOI')} {g.pick('Dohyun', 'Yerin', 'Jaemin')} ({g.name()})\n")
        d.field("Passport No.", "passport", situation="label_english", allowed={"old_format", "current_format"})
        d.nfield("Passport Expiry", "event_date", text=g.n.date(2027, 2036, g.pick("iso", "dot")))
        d.field("DOB", "birth_date", situation="label_abbrev", allowed={"english", "iso"}, born=(1965, 2001))
        d.field("Mobile (해외 로밍)", "phone", situation="label_english", allowed={"intl_plus", "hyphen"},
                line="mobile")
        d.t("Flight: ")
        d.neg("flight_number", phrasing="Flight")
        d.t(f" ICN-{g.pick('FRA', 'SFO', 'SGN', 'NRT')}  Depart ")
        d.neg("event_date", g.n.date(2025, 2026, "iso"), "Depart")
        d.t("\nCost center: ")
        d.neg("member_number", f"CC-{g.n.d(5)}", "Cost center")
        d.t("  Corporate card: ")
        d.value("credit_card", "label_english", "Corporate card", allowed={"masked"})
        d.t("\n")
        return d.done()
    if frame == "vendor_onboarding":
        d.t("Vendor Registration Form (협력사 등록)\n")
        d.t(f"Company name: {g.pick('Gaon Electric Co., Ltd.', 'Seorin Foods', 'Mirae Logis')}\n")
        d.field("Business Registration No. (사업자등록번호)", "business_registration", situation="label_english")
        d.t(f"CEO: {g.name()}\n")
        d.field("Contact person Tel", "phone", situation="label_english", allowed={"hyphen", "intl_plus"})
        d.field("E-mail", "email", situation="label_english", work=True)
        d.t("Bank account for payment (대금 지급 계좌): ")
        d.account(holder=True, allowed={"hyphen", "plain"})
        d.t("\nLast invoice (세금계산서) No. ")
        d.neg("invoice_number", phrasing="invoice No.")
        d.t("\nPayment terms: Net 30   ")
        d.nfield("PO No.", "order_number", sep=" ")
        return d.done()
    d.t("Visitor Log / 방문객 출입 기록\nDate | Name | Company | Phone | Badge | In | Out\n")
    for _ in range(r.randrange(3, 6)):
        d.neg("event_date", g.n.date(2025, 2026, "iso"), "Date")
        d.t(f" | {g.name()} | {g.pick('Hanul', 'Daeyang', 'Nordmark', 'self')} | ")
        d.value("phone", "column_header", "Phone", allowed={"hyphen", "plain", "masked"}, line="mobile")
        d.t(f" | V-{r.randrange(100, 999)} | ")
        d.neg("time", f"{r.randrange(8, 12):02d}:{r.randrange(60):02d}", "In")
        d.t(" | ")
        d.neg("time", f"{r.randrange(13, 19):02d}:{r.randrange(60):02d}", "Out")
        d.t("\n")
    return d.done()


# --------------------------------------------------------------------------- genres: developer artefacts

def sql_dump(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("insert_rows", "select_output")
    d = g.doc("sql_dump", frame)
    cols = r.sample((("phone", "phone"), ("mobile_no", "phone"), ("email", "email"), ("birth_ymd", "birth_date"),
                     ("jumin_no", "resident"), ("refund_acct", "bank_account"), ("card_no", "credit_card"),
                     ("license_no", "driver_license"), ("passport_no", "passport"),
                     ("arc_no", "foreigner_registration")), 3)
    if frame == "select_output":
        d.t("mysql> SELECT id, name, " + ", ".join(c for c, _ in cols) + ", created_at FROM member LIMIT 5;\n")
        d.t("| id | name | " + " | ".join(c for c, _ in cols) + " | created_at |\n")
        for _ in range(r.randrange(2, 6)):
            d.t("| ")
            d.neg("member_number", str(r.randrange(1000, 9_999_999)), "id")
            d.t(f" | {g.name()} | ")
            for c, kind in cols:
                d.value(kind, "column_header", c, allowed=COMPACT - {"masked"})
                d.t(" | ")
            d.neg("event_date", f"{g.n.date(2021, 2026, 'iso')} {r.randrange(24):02d}:{r.randrange(60):02d}:"
                  f"{r.randrange(60):02d}", "created_at")
            d.t(" |\n")
        d.t(f"{r.randrange(2, 6)} rows in set (0.0{r.randrange(10)} sec)\n")
        return d.done()
    d.t("-- MySQL dump 10.13  Distrib 8.0.36\n-- Host: ")
    d.neg("ip_address", phrasing="Host")
    d.t("    Database: shop\n\nLOCK TABLES `member` WRITE;\nINSERT INTO `member` (`id`, `name`, "
        + ", ".join(f"`{c}`" for c, _ in cols) + ", `last_login_ip`, `created_at`) VALUES\n")
    for i in range(r.randrange(2, 5)):
        d.t("(")
        d.neg("member_number", str(r.randrange(1000, 999_999)), "id")
        d.t(f",'{g.name()}',")
        for c, kind in cols:
            d.t("'")
            d.value(kind, "column_header", c, allowed=COMPACT)
            d.t("',")
        d.t("'")
        d.neg("ip_address", phrasing="last_login_ip")
        d.t("','")
        d.neg("event_date", g.n.date(2021, 2026, "iso"), "created_at")
        d.t(f" {r.randrange(24):02d}:{r.randrange(60):02d}:00')" + ("," if i < 3 else ";") + "\n")
    d.t("UNLOCK TABLES;\n")
    return d.done()


def api_log(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("json_lines", "pretty_json")
    d = g.doc("api_log", frame)
    if frame == "pretty_json":
        d.t("POST /api/v2/orders 422 Unprocessable Entity\nRequest body:\n{\n  \"orderer\": {\n")
        d.t(f"    \"name\": \"{g.name()}\",\n    \"phone\": \"")
        d.value("phone", "key", "phone", allowed={"hyphen", "plain"}, line="mobile")
        d.t("\",\n    \"email\": \"")
        d.value("email", "key", "email")
        d.t("\"\n  },\n  \"payment\": {\n    \"method\": \"CARD\",\n    \"cardNo\": \"")
        d.value("credit_card", "key", "cardNo", allowed={"plain", "masked", "hyphen"})
        d.t("\",\n    \"amount\": ")
        d.neg("price", str(r.randrange(1000, 900000)), "amount")
        d.t(",\n    \"installment\": 0\n  },\n  \"receiver\": {\n    \"tel\": \"")
        d.value("phone", "key", "tel", allowed={"hyphen", "plain", "masked"})
        d.t("\",\n    \"zipcode\": \"")
        d.neg("postal_code", phrasing="zipcode")
        d.t("\"\n  }\n}\nError: {\"code\":\"E4031\",\"message\":\"birthDate is required\",\"traceId\":\"")
        d.neg("request_id", phrasing="traceId")
        d.t("\"}\n")
        return d.done()
    events = r.randrange(3, 7)
    for _ in range(events):
        d.t("{\"ts\":")
        d.neg("epoch_time", phrasing="ts")
        d.t(",\"level\":\"" + g.pick("INFO", "WARN", "ERROR") + "\",\"svc\":\"" + g.pick("member-api", "pay-gw", "kyc")
            + "\",\"reqId\":\"")
        d.neg("request_id", phrasing="reqId")
        d.t("\"")
        kind, key = r.choice((("phone", "userPhone"), ("email", "loginEmail"), ("resident", "rrn"),
                              ("birth_date", "birthDt"), ("driver_license", "dlNo"), ("passport", "passportNo"),
                              ("foreigner_registration", "arcNo"), ("bank_account", "payoutAccount"),
                              ("credit_card", "pan")))
        d.t(f",\"{key}\":\"")
        d.value(kind, "key", key, allowed=COMPACT)
        d.t("\"")
        extra = r.choice(("ip_address", "version_number", "price", "order_number"))
        ekey = {"ip_address": "clientIp", "version_number": "appVer", "price": "amt", "order_number": "orderNo"}[extra]
        d.t(f",\"{ekey}\":\"")
        d.neg(extra, phrasing=ekey)
        d.t(f"\",\"latencyMs\":{r.randrange(3, 900)}}}\n")
    return d.done()


def env_config(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("dotenv", "yaml")
    d = g.doc("env_config", frame)
    if frame == "dotenv":
        d.t("# .env.production (do not commit!)\nAPP_ENV=production\nAPP_VERSION=")
        d.neg("version_number", phrasing="APP_VERSION")
        d.t("\nDB_HOST=")
        d.neg("ip_address", phrasing="DB_HOST")
        d.t("\nDB_PORT=")
        d.neg("port", phrasing="DB_PORT")
        d.t("\nJWT_SECRET=")
        d.neg("hash", phrasing="JWT_SECRET")
        d.t("\nADMIN_EMAIL=")
        d.value("email", "key", "ADMIN_EMAIL", work=True)
        d.t("\nALERT_SMS_TO=")
        d.value("phone", "key", "ALERT_SMS_TO", allowed={"plain", "hyphen", "intl_plus"}, line="mobile")
        d.t("\nSMS_SENDER=")
        d.neg("company_number", phrasing="SMS_SENDER")
        d.t("\n")
        if r.random() < 0.6:
            d.t("# 테스트용 실계좌 (운영 전 삭제)\nTEST_PAYOUT_ACCOUNT=")
            d.value("bank_account", "key", "TEST_PAYOUT_ACCOUNT", allowed={"plain", "hyphen"})
            d.t("\n")
        return d.done()
    d.t("notification:\n  slack_webhook: https://hooks.example.invalid/T0/B0\n  oncall:\n")
    for _ in range(r.randrange(1, 4)):
        d.t(f"    - name: {g.name()}\n      phone: \"")
        d.value("phone", "key", "phone", allowed={"hyphen", "plain", "intl_plus"}, line="mobile")
        d.t("\"\n      email: ")
        d.value("email", "key", "email", work=True)
        d.t("\n")
    d.t("server:\n  port: ")
    d.neg("port", phrasing="port")
    d.t("\n  build: ")
    d.neg("version_number", phrasing="build")
    d.t("\ncompany:\n  biz_reg_no: \"")
    d.value("business_registration", "key", "biz_reg_no", allowed={"hyphen", "plain"})
    d.t("\"\n  cs_tel: \"")
    d.neg("company_number", phrasing="cs_tel")
    d.t("\"\n")
    return d.done()


def stack_trace(g: _Gen) -> Document:
    r = g.r
    frame = g.pick("java", "python")
    d = g.doc("stack_trace", frame)
    kind, what = r.choice((("resident", "rrn"), ("phone", "phone"), ("email", "email"),
                           ("credit_card", "card number"), ("bank_account", "account"),
                           ("foreigner_registration", "arc"), ("birth_date", "birthDate")))
    if frame == "java":
        d.neg("event_date", g.n.date(2025, 2026, "iso"), "log date")
        d.t(f" {r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}.{r.randrange(1000):03d} ERROR "
            f"[http-nio-8080-exec-{r.randrange(1, 40)}] o.a.c.c.C.[.[.[/].[dispatcherServlet]\n")
        d.t(f"java.lang.IllegalArgumentException: invalid {what}: ")
        d.value(kind, "label_english", f"invalid {what}", allowed=COMPACT - {"masked"})
        d.t(" (memberId=")
        d.neg("member_number", phrasing="memberId")
        d.t(")\n")
        for cls in ("c.h.member.service.MemberService.validate", "c.h.member.api.MemberController.update",
                    "org.springframework.web.servlet.FrameworkServlet.service"):
            d.t(f"\tat {cls}({cls.split('.')[-2]}.java:")
            d.neg("line_number", phrasing="line")
            d.t(")\n")
        if r.random() < 0.5:
            d.t("Caused by: java.sql.SQLIntegrityConstraintViolationException: Duplicate entry '")
            d.value("email", "sentence_cue", "Duplicate entry")
            d.t("' for key 'member.uk_email'\n")
        return d.done()
    d.t("Traceback (most recent call last):\n")
    for fn in ("app/api/signup.py", "app/services/kyc.py"):
        d.t(f"  File \"/srv/{fn}\", line ")
        d.neg("line_number", phrasing="line")
        d.t(", in " + g.pick("handle", "verify", "post") + "\n")
    d.t(f"    raise ValidationError(f\"bad {what} {{value}}\")\nValidationError: bad {what} ")
    d.value(kind, "label_english", f"bad {what}", allowed=COMPACT - {"masked"})
    d.t("\nrequest_id=")
    d.neg("request_id", phrasing="request_id")
    d.t(" user_agent=okhttp/")
    d.neg("version_number", phrasing="user_agent")
    d.t("\n")
    return d.done()


# --------------------------------------------------------------------------- the part

GENRES = {f.__name__: f for f in (
    lease_contract, property_disclosure, resume, job_application, insurance_policy, insurance_claim,
    telecom_signup, prescription, academy, apartment_office, secondhand_post, secondhand_chat,
    community_qna, event_registration, car_sale, car_rental, court_judgment, certified_letter,
    government_notice, delivery_order, lodging_booking, gym_membership, vet_record, wedding_notice,
    funeral_notice, donation_receipt, bank_statement, payroll, spreadsheet_paste, email_signature,
    business_card, mixed_corporate, sql_dump, api_log, env_config, stack_trace)}


def generate(documents: int = 1500, seed: int = 1) -> list[Document]:
    """`documents` labelled documents, genres in turn and in a seeded order. Same arguments, same
    documents on every machine."""
    g = _Gen(seed * 7919 + 3)
    names = list(GENRES)
    out: list[Document] = []
    while len(out) < documents:
        g.r.shuffle(names)
        for name in names[:documents - len(out)]:
            doc = GENRES[name](g)
            doc.part = PART
            out.append(doc)
    return out


if __name__ == "__main__":
    import sys
    from labelled import show, summary
    count = int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)
    t0 = time.perf_counter()
    docs = generate(count)
    took = time.perf_counter() - t0
    show(docs)
    print(summary(docs))
    print(f"{len(docs)} documents in {took:.2f} s")
