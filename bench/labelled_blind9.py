"""Ninth blind part: labelled Korean documents from settings the other parts leave alone, in the
data model of `labelled.py`. Everything is made from a seed; nothing is downloaded.

    docs = labelled_blind9.generate(1500, seed=1)

Genres: postpartum care centre contracts, personal rehabilitation filings with their creditor
lists, part-time employment contracts, concert-ticket resale chats, agricultural cooperative
membership forms, farmers' direct payment applications, housing subscription applications with
household tables, contest entry forms, employment-permit contracts of foreign workers, ship crew
lists, court auction bid forms, crypto exchange identity checks, senior job programme rosters,
disaster relief applications, farm produce orders by text message, notarised translations,
epidemiological survey records, political donation receipts, wage arrears petitions, surgery
consent forms, salon customer cards, golf membership transfers and bookings, organ donor
registrations, pet insurance claims, solar panel installation contracts, student loan
applications, AI call summaries exported from a contact-centre tool and household account books
kept in a family chat.

A value is what a careful reader knows to be a person's: a date or an account-like number with no
label anywhere and no way to tell it is personal is left out, not recorded. The ambiguous cases
are decided once, here, and kept to everywhere:

- A virtual account issued for one payer's bill (가상계좌 for a deposit or a fee) is the
  issuer's collection account, closed once paid: negative "virtual_account".
- A safe number (050x) that rings a person is a relay the platform hands out so the person's own
  number stays hidden: negative "safe_number".
- A person's work landline, given as that person's own line (담당자 직통, 주무관 직통), rings that
  person: value "phone". An extension alone (내선 2345) is negative "extension"; a number given as
  an office's (대표전화, 보건소, 사무국, 원무과), even next to a staff member's name, and a fax are
  negatives "office_landline" and "office_fax".
- A sole trader's business number identifies the owner: value "business_registration". So is
  every business registration number, a company's included (it is the kind the library finds).
  A non-profit's unique number (고유번호, NNN-8N-NNNNN) is not a business registration number:
  negative "org_unique_number".
- A company's account printed for payments (잔금 입금 계좌 of a care centre, an installer's
  account) is negative "company_account"; an account of a person, a farmer selling produce
  included, is value "bank_account".
- A workplace management number (사업장관리번호) is a business number followed by one more
  digit and belongs to the workplace: negative "workplace_number", never a value.
"""

from __future__ import annotations

import random
import corpus
from labelled import Document, Written, _Writer

PART = "blind9"
KINDS = corpus.KINDS

# --------------------------------------------------------------------------- people and places

FOREIGN_NAMES = ("NGUYEN VAN HUNG", "TRAN THI MAI", "PHAM VAN DUC", "LE THI HOA", "SOK CHANNA",
                 "CHHUN DARA", "RAI BISHNU", "GURUNG SURESH", "TAMANG PEMBA", "RAHMAN MD ABDUL",
                 "KARIMOV BOBUR", "YULDASHEV AZIZ", "SANTOS JOHN PAUL", "REYES MARIA", "WANG LEI",
                 "ZHANG WEI", "PUTRA ANDI", "SETIAWAN BUDI", "MYINT AUNG", "KYAW ZIN")
NATIONS = ("베트남", "캄보디아", "네팔", "방글라데시", "우즈베키스탄", "필리핀", "중국", "인도네시아", "미얀마")
STREETS = ("중앙로", "시장길", "새마을로", "양지길", "향교로", "신촌로", "동문길", "대학로", "솔밭길", "공단로")
TOWNS = ("경기도 이천시 부발읍", "충청남도 논산시 연무읍", "전라남도 해남군 송지면", "경상북도 상주시 함창읍",
         "강원특별자치도 홍천군 화촌면", "충청북도 음성군 대소면", "경상남도 거제시 옥포동", "부산광역시 영도구 봉래동",
         "서울특별시 관악구 신림동", "인천광역시 부평구 십정동", "대전광역시 서구 둔산동", "제주특별자치도 서귀포시 대정읍")
RELATIONS = ("배우자", "모", "부", "자녀", "형제", "자매", "남편", "아내", "딸", "아들", "며느리", "사위")

# Account number groups as each bank prints them; some banks lead with fixed digits.
BANK_SHAPES = {
    "KB국민은행": ((6, 2, 6), ""), "국민": ((6, 2, 6), ""), "신한은행": ((3, 3, 6), "110"),
    "신한": ((3, 2, 6), ""), "우리은행": ((4, 3, 6), "1002"), "하나은행": ((3, 6, 5), ""),
    "NH농협": ((3, 4, 4, 2), "302"), "농협": ((3, 4, 4, 2), "351"), "지역농협": ((3, 2, 6), ""),
    "IBK기업은행": ((3, 6, 2, 3), ""), "카카오뱅크": ((4, 2, 7), "3333"), "토스뱅크": ((4, 4, 4), "1000"),
    "케이뱅크": ((3, 3, 6), "100"), "우체국": ((6, 2, 6), ""), "새마을금고": ((4, 4, 4, 1), "9002"),
    "신협": ((3, 3, 6), "131"), "수협": ((3, 2, 6), ""), "SC제일은행": ((3, 2, 6), ""),
    "부산은행": ((3, 4, 4, 2), ""), "iM뱅크": ((3, 2, 6, 1), ""), "경남은행": ((3, 2, 7), ""),
}
BANK_NAMES = tuple(BANK_SHAPES)
# Licence region codes with the region names older licences print instead.
LICENCE_REGIONS = {11: "서울", 12: "부산", 13: "경기", 14: "강원", 15: "충북", 16: "충남", 17: "전북",
                   18: "전남", 19: "경북", 20: "경남", 21: "제주", 22: "대구", 23: "인천", 24: "광주",
                   25: "대전", 26: "울산", 28: "경기북부"}
# Home-country mobile numbers as foreign workers write them.
FOREIGN_PHONES = (("+84", (2, 3, 4)), ("+855", (2, 3, 3)), ("+977", (3, 7)), ("+880", (4, 6)),
                  ("+998", (2, 3, 2, 2)), ("+63", (3, 3, 4)), ("+86", (3, 4, 4)), ("+62", (3, 4, 4)),
                  ("+95", (1, 3, 4)))
FOREIGN_PHONE_LEADS = {"+84": "9", "+855": "1", "+977": "98", "+880": "17", "+998": "9", "+63": "9",
                       "+86": "13", "+62": "81", "+95": "9"}

# --------------------------------------------------------------------------- ways of writing

# (writing, weight) by kind.
WRITINGS = {
    "resident": (("hyphen", 6), ("plain", 2), ("spaced", 1), ("fullwidth", 0.7), ("masked", 2),
                 ("masked_x", 0.5), ("post2020", 0.8), ("ocr_break", 0.8), ("hangul_numerals", 0.3)),
    "foreigner_registration": (("hyphen", 6), ("plain", 2), ("spaced", 0.7), ("masked", 1.5),
                               ("fullwidth", 0.5), ("ocr_break", 0.7)),
    "business_registration": (("hyphen", 7), ("plain", 2), ("spaced", 0.7), ("fullwidth", 0.5),
                              ("ocr_break", 0.4)),
    "credit_card": (("hyphen", 5), ("spaced", 2.5), ("plain", 1.5), ("masked", 2.5), ("amex", 0.7),
                    ("fullwidth", 0.4), ("ocr_break", 0.4)),
    "bank_account": (("bank_format", 7), ("plain", 3), ("spaced", 0.7), ("masked", 1.2),
                     ("ocr_break", 0.5), ("hangul_numerals", 0.3)),
    "phone": (("hyphen", 7), ("plain", 1.5), ("dot", 1), ("spaced", 1), ("landline", 1.5),
              ("intl_plus", 0.7), ("masked", 1.5), ("fullwidth", 0.4), ("hangul_numerals", 0.6),
              ("foreign_intl", 0.6)),
    "email": (("plain", 8), ("masked", 1.5), ("obfuscated_korean", 0.6), ("obfuscated_paren", 0.6),
              ("fullwidth_at", 0.3)),
    "driver_license": (("hyphen", 6), ("plain", 1.5), ("region_prefixed", 2), ("spaced", 0.7),
                       ("masked", 0.8)),
    "birth_date": (("iso", 2), ("dot", 3), ("korean_date", 3), ("yymmdd", 1.5), ("compact", 1),
                   ("short_dot", 1), ("spaced_dot", 1), ("slash", 0.5), ("passport_style", 0.7),
                   ("korean_short_year", 0.7)),
    "passport": (("old_format", 3), ("current_format", 4), ("foreign_format", 3)),
}
MASKED = {"masked", "masked_x"}
# Writings that fit a table cell or an export field (no line break, no spaces inside).
COMPACT = {"hyphen", "plain", "bank_format", "masked", "masked_x", "post2020", "iso", "dot",
           "compact", "yymmdd", "slash", "short_dot", "old_format", "current_format",
           "foreign_format", "landline", "amex", "region_prefixed", "intl_plus"}
# Writings a reader knows without any label.
UNLABELLED_OK = {
    "resident": {"hyphen", "masked", "post2020"},
    "foreigner_registration": {"hyphen", "masked"},
    "credit_card": {"hyphen", "spaced", "masked"},
    "phone": {"hyphen", "dot", "landline", "intl_plus", "masked", "foreign_intl"},
    "email": {"plain", "masked"},
}
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
MONTHS = ("JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC")


class _Values:
    """Values of every kind, with valid check digits where real numbers have one."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def d(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def writing(self, kind: str, allowed=None, boost=None) -> str:
        boost = boost or {}
        opts = [(w, p * boost.get(w, 1)) for w, p in WRITINGS[kind] if allowed is None or w in allowed]
        return self.r.choices([w for w, _ in opts], [p for _, p in opts])[0]

    def make(self, kind: str, writing: str, **how) -> Written:
        return Written(kind, getattr(self, "_" + kind)(writing, **how), writing, writing in MASKED)

    def _join(self, groups: list[str], writing: str) -> str:
        r = self.r
        if writing == "plain":
            return "".join(groups)
        if writing == "spaced":
            return " ".join(groups)
        if writing == "dot":
            return ".".join(groups)
        if writing == "fullwidth":
            return "-".join(groups).translate(FULL) if r.random() < 0.6 else "".join(groups).translate(FULL)
        if writing == "hangul_numerals":
            return r.choice(("-", " ")).join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in groups)
        if writing == "ocr_break":  # a scanned form wraps the number at a separator
            i = r.randrange(1, len(groups))
            return "-".join(groups[:i]) + r.choice(("-\n", "\n-", "\n")) + "-".join(groups[i:])
        return "-".join(groups)

    def _resident(self, writing: str, foreigner: bool = False, years=(1945, 2006)) -> str:
        r = self.r
        if writing == "post2020":
            y, m, dd = corpus.random_date(r, 2021, 2025)
            s = f"{y % 100:02d}{m:02d}{dd:02d}{(7 if foreigner else 3) + r.randrange(2)}{self.d(6)}"
        else:
            y, m, dd = corpus.random_date(r, *years)
            if (y, m) > (2020, 9):  # numbers issued since October 2020 carry no birth-based check
                y, m = 2019, min(m, 9)
            g = ((5 if foreigner else 1) if y < 2000 else (7 if foreigner else 3)) + r.randrange(2)
            d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{dd:02d}{g}{self.d(5)}"]
            s = "".join(map(str, d12 + [corpus.resident_check(d12, foreigner)]))
        if writing == "masked":
            return s[:6] + "-" + s[6] + "*" * 6 if r.random() < 0.75 else s[:6] + "-*******"
        if writing == "masked_x":
            return s[:6] + "-" + s[6] + "xxxxxx" if r.random() < 0.5 else s[:6] + "-" + s[6] + "XXXXXX"
        if writing == "spaced":
            return s[:6] + r.choice((" - ", " ", "  ")) + s[6:]
        return self._join([s[:6], s[6:]], "hyphen" if writing == "post2020" else writing)

    def _foreigner_registration(self, writing: str, years=(1960, 2006)) -> str:
        return self._resident(writing, foreigner=True, years=years)

    def _business_registration(self, writing: str) -> str:
        s = self.business_digits()
        return self._join([s[:3], s[3:5], s[5:]], writing)

    def business_digits(self) -> str:
        r = self.r
        d9 = [r.randrange(1, 10), r.randrange(10), r.randrange(10), r.choice((1, 2, 3, 5, 8))] + \
            [r.randrange(10) for _ in range(5)]
        return "".join(map(str, d9 + [corpus.business_check(d9)]))

    def _credit_card(self, writing: str) -> str:
        r = self.r
        if writing == "amex":
            body = [3, r.choice((4, 7))] + [int(c) for c in self.d(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return f"{s[:4]}-{s[4:10]}-{s[10:]}"
        prefix = r.choice(("4", "5" + str(r.randrange(1, 6)), "9410", "9430", "6250", "3565", "4579"))
        body = [int(c) for c in prefix + self.d(15 - len(prefix))]
        s = "".join(map(str, body + [corpus.luhn_check(body)]))
        g = [s[:4], s[4:8], s[8:12], s[12:]]
        if writing == "masked":
            if r.random() < 0.5:
                return f"{g[0]}-{g[1][:2]}**-****-{g[3]}"
            return f"{g[0]}-****-****-{g[3]}"
        return self._join(g, writing)

    def _bank_account(self, writing: str, bank: str | None = None) -> str:
        r = self.r
        shape, lead = BANK_SHAPES[bank or r.choice(BANK_NAMES)]
        s = lead + self.d(sum(shape) - len(lead))
        groups, i = [], 0
        for n in shape:
            groups.append(s[i:i + n])
            i += n
        if writing == "masked":
            groups[-1] = groups[-1][:-3] + "***" if len(groups[-1]) > 3 else "*" * len(groups[-1])
            return "-".join(groups)
        return self._join(groups, "hyphen" if writing == "bank_format" else writing)

    def _phone(self, writing: str) -> str:
        r = self.r
        if writing == "foreign_intl":
            code, shape = r.choice(FOREIGN_PHONES)
            lead = FOREIGN_PHONE_LEADS[code]
            s = lead + self.d(sum(shape) - len(lead))
            groups, i = [], 0
            for n in shape:
                groups.append(s[i:i + n])
                i += n
            return code + " " + r.choice((" ", "-")).join(groups)
        if writing == "landline":
            area = r.choice(("02", "031", "032", "033", "041", "043", "051", "053", "055", "061", "063", "064"))
            mid = str(r.randrange(2, 10)) + self.d(2 if area != "02" and r.random() < 0.5 else 3)
            return f"{area}-{mid}-{self.d(4)}" if r.random() < 0.8 else f"{area}) {mid}-{self.d(4)}"
        g = ["010", str(r.randrange(2, 10)) + self.d(3), self.d(4)]
        if writing == "intl_plus":
            head, sep = r.choice((("+82 10-", "-"), ("+82-10-", "-"), ("+8210", ""), ("+82 10 ", " ")))
            return head + g[1] + sep + g[2]
        if writing == "masked":
            if r.random() < 0.6:
                g[1] = "****"
            else:
                g[2] = g[2][:2] + "**"
            return "-".join(g)
        return self._join(g, writing)

    def _email(self, writing: str) -> str:
        r = self.r
        local = r.choice((
            lambda: f"{r.choice(corpus.ROMAN)}{r.randrange(60, 100)}",
            lambda: f"{r.choice(corpus.ROMAN_SUR)}.{r.choice(corpus.ROMAN)}",
            lambda: f"{r.choice(('farm', 'happy', 'sky', 'blue', 'nail', 'golf', 'mom'))}"
                    f"{r.choice(corpus.ROMAN)}{r.randrange(1, 999)}",
            lambda: f"{r.choice(corpus.ROMAN)[0]}{r.choice(corpus.ROMAN_SUR)}_{r.randrange(10, 99)}",
        ))()
        domain = r.choice(corpus.DOMAINS + ("hotmail.com", "yahoo.co.kr", "outlook.kr", "icloud.com"))
        if writing == "masked":
            return f"{local[:3]}{'*' * max(3, len(local) - 3)}@{domain}"
        if writing == "obfuscated_korean":
            return f"{local} 골뱅이 {domain}" if r.random() < 0.5 else f"{local}(골뱅이){domain}"
        if writing == "obfuscated_paren":
            return f"{local}(at){domain}"
        if writing == "fullwidth_at":
            return f"{local}＠{domain}"
        return f"{local}@{domain}"

    def _driver_license(self, writing: str) -> str:
        r = self.r
        code = r.choice(tuple(LICENCE_REGIONS))
        yy = r.choice(tuple(range(88, 100)) + tuple(range(0, 25)))
        tail = [f"{yy:02d}", self.d(6), self.d(2)]
        if writing == "region_prefixed":
            return LICENCE_REGIONS[code] + r.choice((" ", "")) + "-".join(tail)
        if writing == "masked":
            return f"{code}-{tail[0]}-{tail[1][:2]}****-{tail[2]}"
        return self._join([str(code)] + tail, writing)

    def _birth_date(self, writing: str, years=(1945, 2006)) -> str:
        y, m, dd = corpus.random_date(self.r, *years)
        return {
            "iso": f"{y}-{m:02d}-{dd:02d}", "dot": f"{y}.{m:02d}.{dd:02d}",
            "korean_date": f"{y}년 {m}월 {dd}일", "korean_short_year": f"{y % 100:02d}년 {m:02d}월 {dd:02d}일",
            "yymmdd": f"{y % 100:02d}{m:02d}{dd:02d}", "compact": f"{y}{m:02d}{dd:02d}",
            "short_dot": f"{y % 100:02d}.{m:02d}.{dd:02d}", "spaced_dot": f"{y}. {m}. {dd}.",
            "slash": f"{y}/{m:02d}/{dd:02d}", "passport_style": f"{dd:02d} {MONTHS[m - 1]} {y}",
        }[writing]

    def _passport(self, writing: str) -> str:
        r = self.r
        if writing == "current_format":
            return r.choice("MMMSRG") + self.d(3) + r.choice("ABCDEFGHJKLMNPRSTUVWXYZ") + self.d(4)
        if writing == "old_format":
            return r.choice("MMMSRO") + self.d(8)
        return r.choice((lambda: "C" + self.d(7), lambda: "P" + self.d(7) + r.choice("ABC"),
                         lambda: "E" + self.d(8), lambda: "B" + self.d(7), lambda: "N" + self.d(8),
                         lambda: "FA" + self.d(7), lambda: "PA" + self.d(7), lambda: "MA" + self.d(6)))()

    # ------------------------------------------------------------------ look-alikes

    def negative(self, cat: str) -> str:
        r, d = self.r, self.d
        y = r.randrange(2019, 2026)
        if cat == "case_number":
            return f"{y}{r.choice(('타경', '개회', '하단', '하면', '가합', '가단', '고단', '진정'))}{r.randrange(100, 300000)}"
        if cat == "ticket_booking":
            return r.choice((lambda: "T" + d(10), lambda: d(10), lambda: f"{d(4)}-{d(4)}-{d(4)}",
                             lambda: "Y" + d(9)))()
        if cat == "seat_code":
            return r.choice((lambda: f"{r.choice('RSAV')}석 {r.choice('ABCDEF')}구역 {r.randrange(1, 40)}열 "
                                     f"{r.randrange(1, 30)}번",
                             lambda: f"{r.randrange(1, 4)}층 {r.choice('ABCDEFG')}{r.randrange(1, 30)}블록 "
                                     f"{r.randrange(1, 25)}열 {r.randrange(1, 40)}번",
                             lambda: f"{r.randrange(1, 60)}{r.choice('ABCDEFHJK')}"))()
        if cat == "farm_registration":
            return r.choice((lambda: d(10), lambda: f"{d(4)}-{d(6)}", lambda: f"{d(3)}-{d(3)}-{d(4)}"))()
        if cat == "parcel_number":
            return r.choice((lambda: "41" + d(17), lambda: f"{r.choice(('', '산 ', '산'))}{r.randrange(1, 999)}-"
                                                          f"{r.randrange(1, 30)}",
                             lambda: f"{r.randrange(100, 2000)}번지"))()
        if cat == "workplace_number":
            s = self.business_digits() + r.choice("0123")
            return s if r.random() < 0.5 else f"{s[:3]}-{s[3:5]}-{s[5:10]}-{s[10]}"
        if cat == "seaman_book":
            return r.choice((lambda: f"{r.choice(('BS', 'MP', 'IC', 'YS'))}{y % 100:02d}-{d(5)}",
                             lambda: f"{r.choice(('부산', '목포', '인천', '여수', '포항'))} {y}-{d(4)}",
                             lambda: f"SB{d(7)}"))()
        if cat == "vessel_number":
            body = [int(c) for c in str(r.randrange(910000, 999999))]
            check = sum(x * w for x, w in zip(body, (7, 6, 5, 4, 3, 2))) % 10
            return r.choice((f"IMO {''.join(map(str, body))}{check}",
                             f"D{r.choice('S7')}{r.choice('ABCDEFGHJK')}{r.choice('ABCDEFGHJK')}{r.randrange(2, 10)}"))
        if cat == "wallet_address":
            hexd = "0123456789abcdef"
            b58 = "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz"
            return r.choice((lambda: "0x" + "".join(r.choice(hexd) for _ in range(40)),
                             lambda: "bc1q" + "".join(r.choice("023456789acdefghjklmnpqrstuvwxyz") for _ in range(38)),
                             lambda: "T" + "".join(r.choice(b58) for _ in range(33))))()
        if cat == "txid":
            return ("0x" if r.random() < 0.4 else "") + "".join(r.choice("0123456789abcdef") for _ in range(64))
        if cat == "notary_number":
            return r.choice((f"{y}년 제{r.randrange(1, 9999)}호", f"등부 제{y}-{d(4)}호",
                             f"인증 {y}-{r.randrange(1, 99999):05d}"))
        if cat == "flight_number":
            return r.choice(("KE", "OZ", "VJ", "VN", "7C", "LJ", "TW", "BX", "PR", "5J", "CZ", "MU")) + \
                r.choice(("", " ")) + str(r.randrange(100, 9999))
        if cat == "receipt_serial":
            return r.choice((f"제 {y}-{d(6)} 호", f"No. {d(6)}", f"{y}-{r.choice(('서울', '경기', '중앙'))}-{d(5)}"))
        if cat == "member_number":
            return r.choice((lambda: f"{r.choice('ABCDGV')}-{d(4)}", lambda: d(6), lambda: f"GM{d(7)}",
                             lambda: d(8)))()
        if cat == "pet_registration":
            return "410" + d(12) if r.random() < 0.8 else "41" + d(13)
        if cat == "policy_number":
            return r.choice((lambda: f"P{y}{d(9)}", lambda: d(12), lambda: f"{d(4)}-{d(4)}-{d(4)}",
                             lambda: f"{y}-{d(7)}"))()
        if cat == "patient_number":
            return r.choice((lambda: d(8), lambda: f"{d(2)}-{d(6)}", lambda: "0" + d(7)))()
        if cat == "receipt_number":
            return r.choice((lambda: f"{y}-{d(6)}", lambda: f"{y}{d(8)}", lambda: d(10),
                             lambda: f"{r.choice('ABCDE')}{d(9)}"))()
        if cat == "notice_number":
            return r.choice((f"제{y}-{r.randrange(1, 999)}호", f"{y}-{d(4)}", f"공고 제{y}-{r.randrange(1, 400)}호"))
        if cat == "order_number":
            m, dd = r.randrange(1, 13), r.randrange(1, 29)
            return r.choice((lambda: f"{y}{m:02d}{dd:02d}-{d(5)}", lambda: d(12), lambda: f"{m:02d}{dd:02d}-{d(3)}"))()
        if cat == "tracking_number":
            return r.choice((lambda: d(12), lambda: f"{d(4)}-{d(4)}-{d(4)}", lambda: d(13)))()
        if cat == "virtual_account":
            return r.choice((lambda: d(14), lambda: f"{d(3)}-{d(6)}-{d(5)}", lambda: f"{d(4)}-{d(4)}-{d(4)}-{d(2)}"))()
        if cat == "payer_number":
            return r.choice((lambda: d(10), lambda: f"{d(2)}-{d(4)}-{d(4)}", lambda: d(19)))()
        if cat == "amount":
            return f"{int(10 ** r.uniform(3.5, 6.5)) // 1000 * 1000:,}"
        if cat == "event_date":
            y2, m, dd = corpus.random_date(r, 2022, 2026)
            return r.choice((f"{y2}-{m:02d}-{dd:02d}", f"{y2}.{m:02d}.{dd:02d}", f"{y2}년 {m}월 {dd}일",
                             f"{y2}. {m}. {dd}.", f"{m}/{dd}", f"{y2 % 100}.{m:02d}.{dd:02d}"))
        if cat == "time":
            h, mi = r.randrange(5, 23), r.choice((0, 10, 15, 20, 30, 32, 40, 45, 48))
            return r.choice((f"{h:02d}:{mi:02d}", f"{h}시 {mi}분" if mi else f"{h}시",
                             f"{h:02d}:{mi:02d}~{h + 1:02d}:{mi:02d}"))
        if cat == "postal_code":
            return f"{r.randrange(1, 64):02d}{d(3)}"
        if cat == "building_number":
            return r.choice((f"{r.randrange(101, 120)}동 {r.randrange(1, 30)}{r.randrange(1, 6):02d}호",
                             f"{r.randrange(1, 30)}{r.randrange(1, 10):02d}호",
                             f"{r.randrange(1, 999)}-{r.randrange(1, 40)}"))
        if cat == "car_plate":
            h = r.choice("가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주하허호")
            return r.choice((f"{r.randrange(10, 99)}{h} {d(4)}", f"{r.randrange(100, 399)}{h}{d(4)}",
                             f"{r.choice(('서울', '경기', '부산'))} {r.randrange(10, 99)}{h} {d(4)}"))
        if cat == "ip_address":
            return ".".join(str(x) for x in (r.choice((211, 175, 121, 58, 112, 61)), r.randrange(256),
                                             r.randrange(256), r.randrange(1, 255)))
        if cat == "version_number":
            return f"{r.randrange(1, 9)}.{r.randrange(0, 30)}.{r.randrange(0, 20)}"
        if cat == "company_number":
            return f"{r.choice(('1588', '1577', '1544', '1644', '1661', '1600', '1899', '1522'))}-{d(4)}"
        if cat == "office_landline":
            area = r.choice(("02", "031", "041", "051", "061", "063", "064", "070"))
            return f"{area}-{r.randrange(2, 10)}{d(r.choice((2, 3)))}-{d(4)}"
        if cat == "office_fax":
            area = r.choice(("02", "031", "043", "054", "0505"))
            return f"{area}-{r.randrange(2, 10)}{d(r.choice((2, 3)))}-{d(4)}"
        if cat == "company_account":
            shape, lead = BANK_SHAPES[r.choice(BANK_NAMES)]
            s = lead + d(sum(shape) - len(lead))
            out, i = [], 0
            for n in shape:
                out.append(s[i:i + n])
                i += n
            return "-".join(out)
        if cat == "safe_number":
            return r.choice((f"0504-{d(4)}-{d(4)}", f"050-{r.randrange(1, 9)}{d(3)}-{d(4)}",
                             f"0507{d(8)}", f"0508-{d(4)}-{d(4)}"))
        if cat == "extension":
            return str(r.randrange(100, 9999))
        if cat == "org_unique_number":
            return f"{d(3)}-82-{d(5)}" if r.random() < 0.7 else f"{d(3)}80{d(5)}"
        if cat == "customer_number":
            return r.choice((lambda: d(10), lambda: f"{d(2)}-{d(4)}-{d(4)}-{d(1)}"))()
        if cat == "call_id":
            return r.choice((lambda: f"CALL-{y}{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}-{d(6)}",
                             lambda: f"{d(8)}-{d(4)}-{d(4)}",
                             lambda: "c" + "".join(r.choice("0123456789abcdef") for _ in range(12))))()
        if cat == "capacity":
            return r.choice((f"{r.randrange(3, 100)}kW", f"{r.randrange(3, 100)}.{r.randrange(10)} kWp",
                             f"{r.randrange(300, 600)}W x {r.randrange(6, 40)}장"))
        if cat == "serial_number":
            return r.choice((lambda: f"{r.choice(('HS', 'QC', 'JA', 'LR'))}{d(10)}", lambda: d(14),
                             lambda: f"SN{d(4)}-{d(6)}"))()
        if cat == "area":
            return r.choice((f"{r.randrange(100, 99999):,}㎡", f"{r.randrange(1, 9999):,}평",
                             f"{r.randrange(10, 9999)}.{d(1)}㎡"))
        if cat == "student_number":
            return f"{r.randrange(2018, 2026)}{d(r.choice((4, 5, 6)))}"
        if cat == "contest_entry_number":
            return r.choice((f"{y}-{d(4)}", f"제{r.randrange(1, 999):03d}호", f"A{d(5)}"))
        raise ValueError(cat)


NEG_CATEGORIES = ("case_number", "ticket_booking", "seat_code", "farm_registration", "parcel_number",
                  "workplace_number", "seaman_book", "vessel_number", "wallet_address", "txid",
                  "notary_number", "flight_number", "receipt_serial", "member_number",
                  "pet_registration", "policy_number", "patient_number", "receipt_number",
                  "notice_number", "order_number", "tracking_number", "virtual_account",
                  "payer_number", "amount", "event_date", "time", "postal_code", "building_number",
                  "car_plate", "ip_address", "version_number", "company_number", "office_landline",
                  "office_fax", "company_account", "safe_number", "extension", "org_unique_number",
                  "customer_number", "call_id", "capacity", "serial_number", "area",
                  "student_number", "contest_entry_number")

# --------------------------------------------------------------------------- documents

SITUATIONS = ("label_punct", "label_plain", "label_english", "label_above", "cell_label",
              "column_header", "trailing_label", "in_sentence", "bank_name", "lines_away",
              "previous_line", "no_label", "log_key")
# How a form lays out its "label value" lines, with weights.
LAYOUTS = {"colon": 5, "table": 2, "bracket": 1, "above": 1.5, "ocr": 1.5}
SEPS = (": ", ":", " : ", "： ", "  ", " ")
# Writings only some documents produce: a scan, speech, a foreigner's papers.
SPECIAL = {"ocr_break", "hangul_numerals", "foreign_intl", "passport_style"}


class _Doc:
    """One document being written: text, values and look-alikes at exact offsets."""

    def __init__(self, b: "_Builder", genre: str, layouts=None) -> None:
        self.b, self.r, self.v, self.genre = b, b.r, b.v, genre
        self.w = _Writer(genre, PART)
        table = layouts or LAYOUTS
        self.layout = self.r.choices(list(table), list(table.values()))[0]
        self.sep = self.r.choice(SEPS)
        self.special = {"ocr_break"} if self.layout == "ocr" else set()
        # A scan wraps numbers often; speech turned into text spells digits out.
        self.boost = {"ocr_break": 5} if self.layout == "ocr" else {}

    # ------------------------------------------------------------------ plain text

    def t(self, s: str) -> None:
        self.w.add(self.b.fill(s))

    def line(self, s: str = "") -> None:
        self.t(s + "\n")

    # ------------------------------------------------------------------ values and look-alikes

    def pick_writing(self, kind: str, allowed=None) -> str:
        if allowed is None:
            allowed = {w for w, _ in WRITINGS[kind]} - (SPECIAL - self.special)
        return self.v.writing(kind, allowed, self.boost)

    def val(self, kind: str, situation: str, label_text: str, frame: str, allowed=None,
            writing: str | None = None, **how) -> None:
        if writing is None:
            ways = set(allowed) if allowed is not None else \
                {w for w, _ in WRITINGS[kind]} - (SPECIAL - self.special)
            if situation == "no_label":
                ways &= UNLABELLED_OK[kind]
            if how.get("years", (0, 2006))[1] < 2021:
                ways.discard("post2020")
            writing = self.pick_writing(kind, ways)
        wr = self.v.make(kind, writing, **how)
        self.w.value(wr, situation, label_text, f"{self.genre}.{frame}")

    def neg(self, cat: str, frame: str, text: str | None = None) -> None:
        self.w.negative(cat, self.v.negative(cat) if text is None else text, f"{self.genre}.{frame}")

    def choose(self, labels) -> str:
        return labels if isinstance(labels, str) else self.r.choice(labels)

    # ------------------------------------------------------------------ form lines

    def _label(self, label: str) -> str:
        """Writes a form label the document's way; returns the label situation."""
        english = label.isascii()
        if self.layout == "table":
            self.t(f"| {label} | ")
            return "label_english" if english else "cell_label"
        if self.layout == "bracket":
            self.t(f"[{label}] ")
            return "label_english" if english else "label_punct"
        if self.layout == "above":
            self.t(label + "\n")
            return "label_above"
        if self.layout == "ocr":
            self.t(label + self.r.choice((" ", "  ", " :", ":", ". ", " ; ")))
            return "label_english" if english else "label_punct"
        self.t(label + self.sep)
        if english:
            return "label_english"
        return "label_plain" if self.sep.strip() == "" else "label_punct"

    def _end(self) -> None:
        self.t(" |\n" if self.layout == "table" else "\n")

    def field(self, labels, kind: str, frame: str = "field", allowed=None, writing=None, **how) -> None:
        label = self.choose(labels)
        situation = self._label(label)
        self.val(kind, situation, label, f"{frame}.{self.layout}", allowed, writing, **how)
        self._end()

    def nfield(self, labels, cat: str, text: str | None = None, unit: str = "") -> None:
        label = self.choose(labels)
        self._label(label)
        self.neg(cat, f"{label}.{self.layout}", text)
        self.t(unit)
        self._end()

    def tfield(self, labels, text: str) -> None:
        self._label(self.choose(labels))
        self.t(text)
        self._end()

    def bank_field(self, labels, frame: str = "account", holder: str | None = None) -> None:
        """An account line: the bank's name before the number, the holder after it at times."""
        label = self.choose(labels)
        situation = self._label(label)
        bank = self.r.choice(BANK_NAMES)
        self.t(bank + self.r.choice((" ", " ", "/", " - ")))
        self.val("bank_account", situation, label, f"{frame}.{self.layout}", bank=bank)
        if holder:
            self.t(self.r.choice((f" (예금주 {holder})", f" {holder}", f" / 예금주: {holder}")))
        self._end()

    def bank_inline(self, frame: str, bank: str | None = None) -> None:
        """A bank's name and then a number, as people write an account in a sentence."""
        bank = bank or self.r.choice(BANK_NAMES)
        self.t(bank + " ")
        self.val("bank_account", "bank_name", bank, frame,
                 allowed={w for w, _ in WRITINGS["bank_account"]} - (SPECIAL - self.special) - {"ocr_break"},
                 bank=bank)

    # ------------------------------------------------------------------ tables

    def table(self, cols, rows: int, fmt: str | None = None) -> None:
        """Rows under column headers. cols: (header, what) with what a kind, "neg:<category>",
        "<kind>@<from>-<to>" (born in those years), "bank" (a bank's name), "name", "foreign_name",
        "relation", "nation", "index" or "text:<a|b|c>" (one of the words)."""
        r = self.r
        fmt = fmt or r.choice(("pipe", "tab", "csv", "spaced", "markdown"))
        sep = {"pipe": " | ", "tab": "\t", "csv": ",", "spaced": "  ", "markdown": " | "}[fmt]
        heads = [h for h, _ in cols]
        if fmt == "markdown":
            self.t("| " + " | ".join(heads) + " |\n|" + "|".join("---" for _ in heads) + "|\n")
        else:
            self.t(sep.join(heads) + "\n")
        banks = {}
        for row in range(rows):
            if fmt == "markdown":
                self.t("| ")
            for i, (head, what) in enumerate(cols):
                if i:
                    self.t(sep)
                kind, _, years = what.partition("@")
                if kind in KINDS:
                    allowed = COMPACT if fmt in ("tab", "csv") else \
                        {w for w, _ in WRITINGS[kind]} - SPECIAL - self.special - {"ocr_break"} | \
                        (self.special & {"passport_style"})
                    how = {"bank": banks.get(row)} if kind == "bank_account" and banks.get(row) else {}
                    if years:
                        how["years"] = tuple(int(x) for x in years.split("-"))
                    self.val(kind, "column_header", head, f"table.{fmt}", allowed, **how)
                elif what.startswith("neg:"):
                    text = self.v.negative(what[4:])
                    if fmt == "csv" and "," in text:
                        text = text.replace(",", "")
                    self.neg(what[4:], f"table.{head}", text)
                elif what == "bank":
                    banks[row] = r.choice(BANK_NAMES)
                    self.t(banks[row])
                elif what == "name":
                    self.t(self.b.name())
                elif what == "foreign_name":
                    self.t(r.choice(FOREIGN_NAMES))
                elif what == "relation":
                    self.t(r.choice(RELATIONS))
                elif what == "nation":
                    self.t(r.choice(NATIONS))
                elif what == "index":
                    self.t(str(row + 1))
                else:
                    self.t(r.choice(what[5:].split("|")))
            self.t(" |\n" if fmt == "markdown" else "\n")

    def trailing(self, kind: str, label: str, frame: str, **how) -> None:
        """A value with its label after it, in brackets, as people note a number down."""
        self.val(kind, "trailing_label", label, frame, **how)
        self.t(self.r.choice((f" ({label})", f"({label})", f" [{label}]")))

    def lines_away(self, heading: str, cells) -> None:
        """A heading that names the fields, then the values on a line of their own below it.
        cells: (label, kind) with kind None for text that is not a value."""
        self.line(heading)
        if self.r.random() < 0.5:
            self.line(self.r.choice(("(아래 기재)", "----------------", "※ 정확히 기재")))
        for i, (label, kind) in enumerate(cells):
            if i:
                self.t(self.r.choice((", ", " / ", "  ")))
            if kind is None:
                self.t(label)
            else:
                self.val(kind, "lines_away", label, "lines_away")
        self.line()

    def document(self) -> Document:
        return self.w.document()


class _Builder:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed)
        self.v = _Values(self.r)

    def name(self) -> str:
        return self.r.choice(corpus.SURNAMES) + self.r.choice(corpus.GIVEN)

    def money(self, lo: int, hi: int) -> str:
        """An amount between lo and hi won, rounded the way prices and fees are."""
        x = self.r.randrange(lo, hi)
        step = 1000 if x < 1_000_000 else 10_000 if x < 100_000_000 else 1_000_000
        return f"{max(step, x // step * step):,}"

    def address(self) -> str:
        r = self.r
        return f"{r.choice(TOWNS)} {r.choice(STREETS)} {r.randrange(1, 300)}"

    def fill(self, s: str) -> str:
        r = self.r
        while "{name}" in s:
            s = s.replace("{name}", self.name(), 1)
        return s.replace("{place}", r.choice(corpus.PLACES))


# --------------------------------------------------------------------------- genres

def _postpartum_care(b: _Builder) -> Document:
    d = _Doc(b, "postpartum_care")
    r = d.r
    d.line(r.choice(("산후조리원 입실 계약서", "■ 입실 계약서 (산모용)", "[{place} 산후조리원] 이용 계약서")))
    d.tfield(("산모 성명", "산모명", "성명(산모)"), b.name())
    if r.random() < 0.7:
        d.field(("생년월일", "산모 생년월일", "D.O.B"), "birth_date", years=(1982, 2003))
    if r.random() < 0.5:
        d.field(("주민등록번호", "주민번호"), "resident", years=(1982, 2003))
    if r.random() < 0.6:
        d.field(("산모 연락처", "휴대폰", "연락처(산모)"), "phone")
    d.nfield(("출산 예정일", "분만 예정일", "출산일"), "event_date")
    d.tfield(("분만 병원", "출산 병원"), r.choice(("{place} 여성병원", "미즈메디", "제일산부인과", "{place} 산부인과")))
    d.tfield(("배우자", "배우자 성명", "보호자(배우자)"), b.name())
    if r.random() < 0.3:
        d.trailing("phone", r.choice(("배우자 연락처", "남편 휴대폰")), "spouse_after")
        d.line()
    else:
        d.field(("배우자 연락처", "보호자 연락처", "남편 휴대폰", "배우자 H.P"), "phone")
    if r.random() < 0.4:
        d.field(("이메일", "E-mail"), "email")
    d.nfield(("입실 예정일", "입실일"), "event_date")
    room = r.choice(("", "일반실 ", "VIP실 ")) + f"{r.randrange(2, 8)}{r.randrange(1, 20):02d}호"
    d.nfield(("객실", "호실", "배정 객실"), "building_number", room)
    d.nfield(("이용 기간", "이용 금액", "총 이용료"), "amount", b.money(2_500_000, 9_000_000), "원")
    d.nfield(("계약금", "예약금"), "amount", b.money(300_000, 1_000_000), "원 (입금 완료)")
    if r.random() < 0.55:
        d.field(("계약금 결제 카드", "카드번호(계약금)", "결제카드"), "credit_card", "deposit_card")
    d.t(r.choice(("잔금 입금 계좌: ", "잔금은 아래 계좌로 입금 바랍니다. ", "[잔금 계좌] ")))
    d.t(r.choice(BANK_NAMES) + " ")
    d.neg("company_account", "balance_account")
    d.line(r.choice((" (예금주 (주)맘스케어)", " 예금주 {name} 산후조리원", " / (주)베이비하우스")))
    if r.random() < 0.8:
        d.bank_field(("환불 계좌(산모 명의)", "환불 받을 계좌", "중도 퇴실 시 환불 계좌"), "refund", b.name())
    d.nfield(("조리원 대표전화", "문의", "대표번호"), r.choice(("office_landline", "company_number")))
    if r.random() < 0.6:
        d.field(("사업자등록번호", "사업자번호"), "business_registration", "centre")
    d.line(r.choice(("※ 입실 7일 전 취소 시 계약금의 50% 환불", "※ 신생아 면회는 배우자만 가능합니다.",
                     "위 내용을 확인하고 계약합니다.")))
    d.t(r.choice(("계약일 ", "작성일: ")))
    d.neg("event_date", "signed")
    d.line()
    return d.document()


def _rehabilitation(b: _Builder) -> Document:
    d = _Doc(b, "rehabilitation", {"colon": 3, "table": 2, "ocr": 1})
    r = d.r
    d.line(r.choice(("개인회생절차 개시신청서", "개인회생채권자목록", "파산 및 면책 신청서")))
    head, tail = r.choice((("사건번호 ", ""), ("사 건: ", " 개인회생"), ("(사건번호: ", ")")))
    d.t(head)
    d.neg("case_number", "case", f"{r.randrange(2019, 2026)}{r.choice(('개회', '하단', '하면'))}{r.randrange(100, 200000)}")
    d.line(tail)
    if r.random() < 0.35:
        d.lines_away(r.choice(("[신청인 인적사항: 성명 / 주민등록번호 / 연락처]",
                               "신청인(성명, 주민등록번호, 전화번호 순)")),
                     [(b.name(), None), ("주민등록번호", "resident"), ("연락처", "phone")])
        d.tfield(("주소", "주 소"), b.address())
    else:
        d.tfield(("신청인", "채무자", "신청인(채무자)"), b.name())
        d.field(("주민등록번호", "주민번호"), "resident")
        d.tfield(("주소", "주 소"), b.address())
        d.field(("전화번호", "연락처", "휴대전화"), "phone")
    if r.random() < 0.4:
        d.field(("이메일", "전자우편"), "email")
    if r.random() < 0.5:
        d.bank_field(("변제금 납부 계좌", "채무자 명의 계좌", "급여 수령 계좌"), "debtor")
    d.line()
    d.line(r.choice(("[채권자 목록]", "■ 채권자 목록", "채권자목록 (별지)")))
    n = r.randint(2, 5)
    for i in range(n):
        if r.random() < 0.65:
            d.t(f"{i + 1}. {r.choice(('KB국민카드', '신한카드', '(주)러시앤캐시', 'OK저축은행', '우리은행', '현대캐피탈'))}"
                f" / 채권액 ")
            d.neg("amount", "claim", b.money(1_000_000, 60_000_000))
            d.t("원 / 연락처 ")
            d.neg("company_number", "creditor_company")
            if r.random() < 0.5:
                d.t(" / 대출계좌 ")
                d.val("bank_account", "label_plain", "대출계좌", "loan_account")
            elif r.random() < 0.6:
                d.t(" / 카드번호 ")
                d.val("credit_card", "label_plain", "카드번호", "debt_card")
            d.line()
        else:
            d.t(f"{i + 1}. 개인 채권자 {b.name()} / 채권액 ")
            d.neg("amount", "claim", b.money(1_000_000, 60_000_000))
            label = r.choice(("연락처", "전화", ""))
            d.t(f"원 / {label} " if label else "원 / ")
            d.val("phone", "label_plain" if label else "no_label", label, "private_creditor",
                  allowed={"hyphen", "plain", "masked"})
            if r.random() < 0.5:
                d.t(" / 차용 당시 송금 계좌 ")
                d.bank_inline("private_creditor_account")
            d.line()
    d.nfield(("채권 합계", "총 채무액"), "amount", b.money(20_000_000, 300_000_000), "원")
    d.line(r.choice(("신청인은 위와 같이 개인회생절차 개시를 신청합니다.", "위 목록은 사실과 다름없음을 확인합니다.")))
    d.t(r.choice(("제출일 ", "20")) if r.random() < 0.3 else "")
    d.neg("event_date", "filed")
    d.line()
    return d.document()


def _parttime_contract(b: _Builder) -> Document:
    d = _Doc(b, "parttime_contract")
    r = d.r
    d.line(r.choice(("단시간근로자 표준근로계약서", "아르바이트 근로계약서", "알바 근로계약서 (편의점)")))
    shop = r.choice(("GS25 {place}점", "CU {place}역점", "{place} 카페 봄날", "배민 라이더 {place} 지사", "파리바게뜨 {place}점"))
    d.line(f"사업주: {shop} (이하 '갑')")
    d.field(("사업자등록번호", "사업자번호"), "business_registration", "employer")
    d.tfield(("대표자", "대표"), b.name())
    if r.random() < 0.7:
        d.field(("대표자 연락처", "사장님 휴대폰", "점주 연락처"), "phone", "owner")
    d.line("근로자 (이하 '을')")
    d.tfield(("성명", "근로자 성명"), b.name())
    if r.random() < 0.2:
        d.field(("외국인등록번호", "외국인등록번호(유학생)"), "foreigner_registration")
    else:
        d.field(("주민등록번호", "주민번호"), "resident")
    d.field(("연락처", "휴대폰"), "phone")
    d.tfield(("주소",), b.address())
    if "라이더" in shop or r.random() < 0.4:
        d.field(("운전면허번호", "면허번호", "운전면허(2종보통)"), "driver_license")
    d.nfield(("근로 시작일", "근로개시일"), "event_date")
    d.nfield(("근무시간",), "time")
    d.nfield(("시급",), "amount", r.choice(("10,030", "10,320", "11,000", "12,000")), "원")
    d.bank_field(("급여 계좌", "임금 지급 계좌", "급여 입금계좌"), "wage", None)
    t = r.random()
    if t < 0.25:
        d.t(f"{b.name()} ")
        d.trailing("phone", r.choice(("비상연락처", "긴급 연락처")), "emergency_after")
        d.line()
    elif t < 0.6:
        d.t(r.choice(("비상연락처", "긴급연락처", "보호자 연락처")) + f" ({r.choice(RELATIONS)}) ")
        d.val("phone", "label_plain", "비상연락처", "emergency")
        d.line()
    else:
        d.t(f"비상시 {r.choice(RELATIONS)}에게 연락: ")
        d.val("phone", "in_sentence", "연락", "emergency_sentence")
        d.line()
    d.line(r.choice(("※ 주휴수당은 주 15시간 이상 근무 시 지급", "임금은 매월 10일 계좌로 지급한다.",
                     "보건증 사본 제출 완료")))
    return d.document()


def _ticket_resale(b: _Builder) -> Document:
    d = _Doc(b, "ticket_resale")
    r = d.r
    seller, buyer = r.choice(corpus.GIVEN), r.choice(corpus.GIVEN)

    def who(x):
        return f"{x}: " if r.random() < 0.6 else f"[{x}] "
    d.line(r.choice(("[중고나라] 콘서트 티켓 양도 채팅", "번개장터 채팅", "오픈채팅 - 티켓 양도방")))
    d.line(who(buyer) + r.choice(("안녕하세요 양도글 보고 연락드려요", "티켓 아직 있나요?", "막콘 자리 양도 가능할까요")))
    d.t(who(seller) + "네 있어요 ")
    d.neg("seat_code", "seat")
    d.line(r.choice((" 자리예요", " 입니다 시야 좋아요")))
    d.t(who(seller) + "예매번호 ")
    d.neg("ticket_booking", "booking")
    d.line(r.choice((" 캡처 보내드릴게요", " 이고 배송받기로 했어요")))
    d.t(who(buyer) + "가격은 ")
    d.neg("amount", "price", b.money(80_000, 900_000))
    d.line("원 맞죠?")
    k = r.random()
    if k < 0.6:
        d.t(who(seller) + r.choice(("넵 입금은 ", "여기로 보내주세요 ", "계좌 ")))
        d.bank_inline("seller_account")
        d.line(r.choice((" 본인 명의예요", "", " 입금하시면 바로 양도해드려요")))
    else:
        d.line(who(buyer) + "계좌 알려주세요")
        d.t(who(seller))
        bank = r.choice(BANK_NAMES)
        d.t(bank + " ")
        d.val("bank_account", "previous_line", "계좌 알려주세요", "seller_account_answer", bank=bank)
        d.line(f" {r.choice(corpus.SURNAMES)}{seller}")
    if r.random() < 0.3:
        d.t(who(seller) + r.choice(("신분 확인용으로 면허증 번호 보내드려요 ", "못 믿으시면 제 운전면허 번호 ")))
        d.val("driver_license", "label_plain", "면허증 번호", "seller_licence",
              allowed={"hyphen", "masked", "region_prefixed"})
        d.line()
    if r.random() < 0.6:
        d.line(who(buyer) + r.choice(("혹시 사기 방지로 번호 좀 주실 수 있어요?", "연락처도 알려주세요", "번호 주세요")))
        d.t(who(seller))
        d.val("phone", "previous_line", "번호", "seller_phone")
    elif r.random() < 0.5:
        d.t(who(seller) + "문자 주세요 ")
        d.val("phone", "no_label", "", "seller_phone_bare")
        d.line(r.choice((" 문자 주세요", "", " 이에요")))
    if r.random() < 0.25:
        d.t(who(buyer) + "저는 ")
        d.val("phone", "no_label", "", "buyer_phone")
        d.line(" 입니다")
    if r.random() < 0.4:
        d.t(who(seller) + "번개톡 안심번호는 ")
        d.neg("safe_number", "relay")
        d.line(" 이에요 이걸로 해도 돼요")
    d.t(who(buyer) + r.choice(("입금했어요 ", "방금 보냈습니다 ")))
    d.neg("time", "paid_at", f"{r.randrange(9, 24)}:{r.randrange(60):02d}")
    d.line(" 에 보냄")
    if r.random() < 0.4:
        d.t(who(seller) + "티켓 예매처 고객센터 ")
        d.neg("company_number", "vendor")
        d.line(" 에서 양도 확인 가능해요")
    return d.document()


def _coop_membership(b: _Builder) -> Document:
    d = _Doc(b, "coop_membership")
    r = d.r
    d.line(r.choice(("조합원 가입신청서", "{place}농업협동조합 조합원 가입 신청서", "축협 조합원 가입신청서")))
    d.tfield(("성명", "성 명"), b.name())
    d.field(("주민등록번호", "실명번호"), "resident")
    d.tfield(("주소",), b.address())
    if r.random() < 0.4:
        d.field(("자택전화", "전화(자택)", "집 전화"), "phone", "home", writing="landline")
    d.field(("휴대전화", "휴대폰", "핸드폰"), "phone", "mobile")
    d.nfield(("영농 면적", "경작 면적"), "area")
    d.tfield(("주요 작목", "재배 작물"), r.choice(("벼", "사과", "고추", "한우", "딸기", "배추")))
    d.nfield(("출자 좌수",), "amount", f"{r.randrange(10, 500)}", "좌")
    d.nfield(("출자금액", "출자금"), "amount", b.money(50_000, 3_000_000), "원")
    d.t(r.choice(("출자금 납입 계좌: ", "출자금 출금계좌 ", "배당금 입금 계좌 ")))
    d.t(r.choice(("농협 ", "NH농협 ", "지역농협 ")))
    d.val("bank_account", "label_punct", "출자금 계좌", "share_account",
          bank=r.choice(("농협", "NH농협", "지역농협")))
    d.line(r.choice((" (본인 명의)", "", " 예금주 본인")))
    if r.random() < 0.5:
        d.nfield(("조합원 번호", "조합원번호(부여)"), "member_number")
    if r.random() < 0.3:
        d.nfield(("농업경영체 등록번호",), "farm_registration")
    d.line(r.choice(("추천 조합원: {name} (인)", "위와 같이 조합원 가입을 신청합니다.", "※ 가입 후 1년 경과 시 배당 대상")))
    d.t("신청일: ")
    d.neg("event_date", "applied")
    d.line()
    return d.document()


def _farm_direct_payment(b: _Builder) -> Document:
    d = _Doc(b, "farm_direct_payment", {"colon": 3, "table": 2, "ocr": 2})
    r = d.r
    d.line(r.choice(("기본형 공익직접지불금 등록신청서", "공익직불금 신청서 (소농직불)", "면적직불금 지급 신청서")))
    d.nfield(("농업경영체 등록번호", "경영체 번호", "경영체등록번호"), "farm_registration")
    d.tfield(("신청인", "농업인 성명"), b.name())
    if r.random() < 0.65:
        d.field(("주민등록번호", "주민번호"), "resident")
    else:
        d.field(("생년월일", "생년월일(6자리)"), "birth_date")
    d.field(("전화번호", "연락처"), "phone")
    d.line(r.choice(("[신청 필지]", "■ 필지 내역", "신청 농지 목록")))
    for _ in range(r.randint(1, 4)):
        d.t(f"{r.choice(TOWNS)} ")
        d.neg("parcel_number", "parcel")
        d.t(" 면적 ")
        d.neg("area", "parcel_area")
        if r.random() < 0.4:
            d.t(" 필지번호 ")
            d.neg("parcel_number", "pnu", "41" + d.v.d(17))
        d.line(r.choice((" 논", " 밭", " 과수원", "")))
    d.bank_field(("지급 계좌", "직불금 입금계좌", "수령 계좌"), "payment", "본인")
    d.nfield(("신청 금액", "예상 지급액"), "amount", b.money(1_200_000, 12_000_000), "원")
    d.line(r.choice(("※ 준수사항 17개 항목을 확인하였습니다.", "읍·면·동장 귀하", "위 내용이 사실임을 확인합니다.")))
    if r.random() < 0.4:  # the officer's own line
        d.t(f"담당 {b.name()} 주무관 " + r.choice(("직통 ", "(직통) ", "☎ ")))
        d.val("phone", "label_plain", "직통", "officer_direct", writing="landline")
        d.line()
    else:
        d.t("문의: {place} 행정복지센터 ")
        d.neg("office_landline", "office")
        d.line()
    return d.document()


def _housing_subscription(b: _Builder) -> Document:
    d = _Doc(b, "housing_subscription", {"colon": 3, "table": 2, "bracket": 1})
    r = d.r
    d.line(r.choice(("주택공급 신청서 (일반공급)", "특별공급 청약 신청서 - 신혼부부", "청약홈 신청 내역 확인서")))
    d.nfield(("공고번호", "입주자모집공고"), "notice_number")
    d.tfield(("신청자 성명", "신청인"), b.name())
    d.field(("주민등록번호",), "resident")
    d.field(("휴대전화", "연락처"), "phone")
    if r.random() < 0.8:
        d.field(("이메일",), "email")
    d.t(r.choice(("청약통장: ", "주택청약종합저축 ", "[입주자저축] ")))
    d.bank_inline("subscription_savings")
    d.line(r.choice((" (가입 84회차)", "", " 본인 명의")))
    d.line(r.choice(("■ 세대원 현황", "[세대 구성원]", "세대원 명단")))
    cols = [("관계", "relation"), ("성명", "name")]
    k = r.random()
    if k < 0.6:
        cols.append((r.choice(("주민등록번호", "주민번호")), "resident@1950-2025"))
    elif k < 0.8:
        cols.append((r.choice(("생년월일", "생년월일(8자리)")), "birth_date"))
    else:
        cols += [("생년월일", "birth_date"), ("주민번호", "resident@1950-2025")]
    if r.random() < 0.3:
        cols.append(("비고", "text:세대주|동거|전입 예정|-"))
    d.table(cols, r.randint(2, 5), r.choice(("pipe", "spaced", "markdown", "tab")))
    d.nfield(("접수번호", "신청 접수번호"), "receipt_number")
    d.nfield(("신청 주택형", "주택형"), "area", f"{r.choice(('59', '74', '84'))}.{d.v.d(4)}{r.choice('ABC')}")
    d.line(r.choice(("※ 부적격 당첨 시 1년간 청약 제한", "※ 무주택 기간은 만 30세부터 산정")))
    return d.document()


def _contest_entry(b: _Builder) -> Document:
    d = _Doc(b, "contest_entry", {"colon": 3, "table": 3, "bracket": 1, "above": 1})
    r = d.r
    d.line(r.choice(("제12회 {place} 사진 공모전 응모신청서", "2025 청년 창업아이디어 공모전 참가신청서",
                     "UCC 공모전 응모서", "[응모 양식] 에세이 공모전")))
    d.nfield(("접수번호", "작품번호", "응모번호"), "contest_entry_number")
    d.tfield(("응모자 성명", "성명", "대표자(팀장)"), b.name())
    if r.random() < 0.85:
        d.field(("생년월일", "생년월일(8자리)"), "birth_date")
    else:
        d.field(("외국인등록번호", "외국인등록번호(유학생)"), "foreigner_registration")
    d.field(("휴대전화", "연락처", "H.P"), "phone")
    d.field(("이메일", "E-mail", "e-mail 주소"), "email")
    d.tfield(("작품명",), r.choice(("「새벽 시장」", "「우리 동네 골목」", "「다시 봄」", "「함께 걷는 길」")))
    d.line(r.choice(("■ 수상 시 상금 지급 정보 (수상자만 작성)", "[상금 지급 및 원천징수용 정보]", "※ 시상금 지급을 위한 정보")))
    d.field(("주민등록번호", "주민번호(기타소득 신고용)", "주민등록번호 13자리"), "resident", "prize_tax")
    d.bank_field(("상금 입금 계좌", "지급 계좌", "입금 받을 계좌"), "prize", b.name())
    if r.random() < 0.3:
        d.t("주최: (주)한빛미디어 사업자등록번호 ")
        d.val("business_registration", "label_plain", "사업자등록번호", "organiser")
        d.line()
    d.t(r.choice(("※ 상금 ", "※ 시상금 ")))
    d.neg("amount", "prize", b.money(100_000, 2_000_000))
    d.line("원 이상은 제세공과금 22% 공제 후 지급")
    d.t("문의: 공모전 사무국 ")
    d.neg(r.choice(("office_landline", "company_number")), "office")
    d.line()
    return d.document()


def _eps_contract(b: _Builder) -> Document:
    d = _Doc(b, "eps_contract", {"colon": 3, "table": 3, "ocr": 1.5})
    r = d.r
    d.line(r.choice(("표준근로계약서 (Standard Labor Contract)", "외국인근로자 표준근로계약서 / Employment Contract",
                     "고용허가제 근로계약서")))
    d.tfield(("사업체명 / Company", "사업장명"), r.choice(("(주)대성정밀", "한빛농장", "동양수산", "(주)신일plastic")))
    d.nfield(("사업장관리번호", "사업장 관리번호 / Workplace No."), "workplace_number")
    d.field(("사업자등록번호", "Business Reg. No."), "business_registration", "employer")
    d.nfield(("사업장 전화 / Tel", "대표전화"), "office_landline")
    d.tfield(("근로자 성명 / Name", "성명(Name)"), r.choice(FOREIGN_NAMES))
    d.tfield(("국적 / Nationality",), r.choice(NATIONS))
    d.field(("생년월일 / Date of Birth", "DOB", "생년월일"), "birth_date", allowed={"iso", "dot", "passport_style", "compact"},
            years=(1978, 2004))
    d.field(("여권번호 / Passport No.", "Passport No.", "여권번호"), "passport")
    if r.random() < 0.9:
        d.field(("외국인등록번호 / ARC No.", "ARC No.", "외국인등록번호"), "foreigner_registration",
                years=(1978, 2004))
    d.field(("휴대폰 (한국)", "Phone (Korea)", "국내 연락처"), "phone", "kr_phone", allowed={"hyphen", "plain", "spaced"})
    d.field(("본국 연락처 / Home phone", "Home Country Tel", "본국 가족 연락처"), "phone", "home_phone", writing="foreign_intl")
    if r.random() < 0.6:
        d.bank_field(("임금 지급 계좌 / Bank Account", "급여계좌 (Account)"), "wage")
    d.nfield(("근로계약기간 / Period",), "event_date")
    d.nfield(("월 기본급 / Monthly wage",), "amount", b.money(2_060_000, 2_600_000), "원 (KRW)")
    d.line(r.choice(("※ 숙식 제공: 숙소 제공 / Accommodation provided", "※ 수습기간 3개월 / Probation 3 months",
                     "사업주와 근로자는 위 조건으로 계약을 체결한다.")))
    if r.random() < 0.4:
        d.t("고용센터 담당 ")
        d.neg("office_landline", "job_centre")
        d.t(" 내선 ")
        d.neg("extension", "job_centre_ext")
        d.line()
    return d.document()


def _crew_list(b: _Builder) -> Document:
    d = _Doc(b, "crew_list")
    d.special.add("passport_style")
    r = d.r
    d.line(r.choice(("CREW LIST / 선원 명부", "선원명부 (승선자 명단)", "승무원 명부 - 출항 신고용")))
    d.t(r.choice(("선명: 제7대성호  ", "Vessel: OCEAN STAR  ", "선박명 해룡호 / ")))
    d.neg("vessel_number", "vessel")
    d.line()
    d.t(r.choice(("출항 예정 ", "ETD ", "출항일시 ")))
    d.neg("event_date", "departure")
    d.line(r.choice((" 부산항", " 목포항", " Busan")))
    cols = [("No", "index"), (r.choice(("성명", "Name")), r.choice(("name", "foreign_name"))),
            (r.choice(("직책", "Rank")), "text:선장|기관장|항해사|갑판원|조리장|AB|OS|Oiler")]
    if r.random() < 0.5:
        cols.append((r.choice(("국적", "Nationality")), "nation"))
    cols.append((r.choice(("생년월일", "Date of Birth", "D.O.B")), "birth_date@1960-2004"))
    cols.append((r.choice(("여권번호", "Passport No.", "여권")), "passport"))
    cols.append((r.choice(("선원수첩번호", "Seaman Book No.", "선원수첩")), "neg:seaman_book"))
    if r.random() < 0.45:
        cols.append((r.choice(("외국인등록번호", "ARC")), "foreigner_registration@1965-2004"))
    d.table(cols, r.randint(3, 7), r.choice(("pipe", "tab", "spaced", "csv")))
    d.line(r.choice(("위 선원 명부가 사실과 같음을 확인함. 선장 {name}", "Master: {name}", "※ 명부 변경 시 즉시 신고")))
    if r.random() < 0.3:
        d.t("선장 연락처 ")
        d.val("phone", "label_plain", "선장 연락처", "master_phone")
        d.line()
    if r.random() < 0.4:
        d.t("선사 ")
        d.neg("office_landline", "ship_owner")
        d.t(" / FAX ")
        d.neg("office_fax", "ship_owner_fax")
        d.line()
    return d.document()


def _auction_bid(b: _Builder) -> Document:
    d = _Doc(b, "auction_bid", {"colon": 3, "table": 3, "ocr": 2})
    r = d.r
    d.line(r.choice(("기일입찰표", "(앞면) 기 일 입 찰 표", "입찰표 - {place}지방법원 집행관 귀하")))
    head = r.choice(("사건번호", "사 건 번 호", "사건번호 :"))
    d.t(head + " ")
    d.neg("case_number", "case", f"{r.randrange(2019, 2026)}타경{r.randrange(100, 99999)}")
    d.line(r.choice(("  물건번호 ", " / 물건번호: ")) + str(r.randrange(1, 12)))
    d.tfield(("입찰자 성명", "본인 성명", "성 명"), b.name())
    d.field(("주민(사업자)등록번호", "주민등록번호", "주민번호"), "resident")
    d.field(("전화번호", "전화 번호", "연락처"), "phone")
    d.tfield(("주소",), b.address())
    if r.random() < 0.4:
        d.line("대리인")
        d.tfield(("대리인 성명", "성명"), b.name())
        d.field(("대리인 주민등록번호", "주민등록번호"), "resident", "agent")
        d.field(("대리인 전화번호", "전화번호"), "phone", "agent")
        d.tfield(("본인과의 관계",), r.choice(RELATIONS))
    if r.random() < 0.6:
        d.field(("신분증(운전면허)", "운전면허번호"), "driver_license", "id_card")
    d.nfield(("입찰가격", "입찰 금액"), "amount", b.money(50_000_000, 900_000_000), "원")
    d.nfield(("보증금액", "보증의 제공 금액"), "amount", b.money(5_000_000, 90_000_000), "원")
    d.bank_field(("보증금 반환 계좌", "매수신청보증금 반환계좌", "보증금 반환 받을 계좌"), "deposit_return", None)
    if r.random() < 0.4:
        d.t("보증금 납부 가상계좌 ")
        d.neg("virtual_account", "court_virtual")
        d.line(" (해당 사건 전용)")
    d.line(r.choice(("보증을 반환 받았습니다. 입찰자 (인)", "※ 입찰표 정정 불가, 새 용지 사용", "입찰일시 오전 10시")))
    return d.document()


def _crypto_kyc(b: _Builder) -> Document:
    d = _Doc(b, "crypto_kyc", {"colon": 3, "table": 1})
    r = d.r
    style = r.random()
    if style < 0.4:  # an export of the compliance tool
        d.line(r.choice(("[KYC REVIEW] user verification record", "=== 고객확인(EDD) 검토 내역 ===")))
        d.t("uid=")
        d.neg("member_number", "uid", d.v.d(8))
        d.t(" level=2 ip=")
        d.neg("ip_address", "ip")
        d.line()
        for key, kind in r.sample((("name_dob", "birth_date"), ("phone", "phone"), ("email", "email"),
                                   ("linked_account", "bank_account"), ("id_no", "driver_license"),
                                   ("rrn_masked", "resident")), 4):
            d.t(f"{key}=")
            writing = "masked" if key == "rrn_masked" else None
            allowed = COMPACT if writing is None else None
            d.val(kind, "log_key", key, "kyc_export", allowed=allowed, writing=writing)
            d.line()
        d.t("withdraw_to=")
        d.neg("wallet_address", "wallet")
        d.line()
        d.t("txid=")
        d.neg("txid", "tx")
        d.line()
        return d.document()
    d.line(r.choice(("고객확인(KYC) 정보 입력", "실명 인증 및 원화 입출금 계좌 연결", "본인인증 심사 요청서")))
    d.tfield(("이름", "실명"), b.name())
    d.field(("생년월일", "생년월일(YYYYMMDD)"), "birth_date")
    d.field(("휴대폰 번호", "휴대폰"), "phone")
    d.field(("이메일(로그인 ID)", "이메일"), "email")
    k = r.random()
    if k < 0.6:
        d.tfield(("신분증 종류",), "운전면허증")
        d.field(("면허번호", "운전면허번호"), "driver_license")
    elif k < 0.75:
        d.tfield(("신분증 종류",), "주민등록증")
        d.field(("주민등록번호",), "resident", writing="masked")
    else:
        d.tfield(("신분증 종류",), "외국인등록증")
        d.field(("외국인등록번호",), "foreigner_registration")
    d.t(r.choice(("연결 계좌(실명확인 입출금계좌): ", "원화 입출금 계좌 ", "출금 계좌: ")))
    d.bank_inline("linked_account", r.choice(("케이뱅크", "KB국민은행", "신한은행", "NH농협", "카카오뱅크", "토스뱅크")))
    d.line()
    d.t(r.choice(("입금 지갑 주소 ", "내 ETH 주소: ", "외부 지갑 ")))
    d.neg("wallet_address", "wallet")
    d.line()
    if r.random() < 0.6:
        d.t(r.choice(("최근 입금 TXID ", "트랜잭션 해시: ")))
        d.neg("txid", "tx")
        d.line()
    d.t("접속 IP ")
    d.neg("ip_address", "ip")
    d.line(r.choice((" (국내)", "")))
    return d.document()


def _senior_jobs(b: _Builder) -> Document:
    d = _Doc(b, "senior_jobs")
    r = d.r
    d.line(r.choice(("2025년 노인일자리 및 사회활동 지원사업 참여자 명단", "공익활동 참여자 현황 ({place} 시니어클럽)",
                     "노인일자리 활동비 지급 명단")))
    d.t("담당: 시니어클럽 ")
    d.neg("office_landline", "club")
    d.line()
    cols = [("연번", "index"), ("성명", "name"), (r.choice(("주민등록번호", "주민번호")), "resident@1938-1960")]
    if r.random() < 0.6:
        cols.append((r.choice(("연락처", "전화번호", "휴대폰")), "phone"))
    if r.random() < 0.7:
        cols += [("은행", "bank"), (r.choice(("계좌번호", "입금계좌")), "bank_account")]
    cols.append((r.choice(("활동처", "사업단")), "text:경로당 급식지원|초등 안전지킴이|환경정비|도서관 도우미|공공시설 봉사"))
    if r.random() < 0.4:
        cols.append(("활동비", "neg:amount"))
    d.table(cols, r.randint(3, 8))
    d.line(r.choice(("※ 월 30시간 활동 기준", "※ 개인정보 외부 유출 금지", "담당자 확인 후 지급 요청")))
    return d.document()


def _disaster_relief(b: _Builder) -> Document:
    d = _Doc(b, "disaster_relief", {"colon": 3, "table": 2, "ocr": 2, "above": 1})
    r = d.r
    d.line(r.choice(("재난지원금 지급 신청서", "주택 피해 재난지원금 신청서 (호우)", "긴급재난지원금 신청서")))
    d.nfield(("피해 접수번호", "접수번호"), "receipt_number")
    d.tfield(("신청인(세대주)", "신청인 성명"), b.name())
    if r.random() < 0.85:
        d.field(("주민등록번호",), "resident")
    else:
        d.field(("외국인등록번호",), "foreigner_registration")
    d.field(("연락처", "휴대전화"), "phone")
    d.tfield(("피해 주소", "피해 주택 소재지"), b.address())
    d.nfield(("피해 일자", "피해 발생일"), "event_date")
    d.tfield(("피해 구분",), r.choice(("주택 침수", "주택 반파", "농경지 유실", "소상공인 영업 피해")))
    if r.random() < 0.5:
        d.field(("운전면허번호(신분 확인)", "신분증 번호(운전면허)"), "driver_license")
    if r.random() < 0.3:
        d.nfield(("침수 차량번호", "피해 차량"), "car_plate")
    d.bank_field(("지급 계좌", "지원금 입금 계좌"), "relief", None)
    if r.random() < 0.5:
        d.tfield(("대리 신청인",), b.name() + f" ({r.choice(RELATIONS)})")
        if r.random() < 0.5:
            d.field(("대리인 연락처",), "phone", "proxy")
        else:
            d.trailing("phone", r.choice(("대리인 휴대폰", "대리인 연락처")), "proxy_after")
            d.line()
    d.line(r.choice(("※ 지원금은 세대당 1회 지급", "위와 같이 재난지원금 지급을 신청합니다.", "읍·면·동장 귀하")))
    return d.document()


def _farm_order_sms(b: _Builder) -> Document:
    d = _Doc(b, "farm_order_sms")
    r = d.r
    crop = r.choice(("꿀사과 5kg", "성주 참외 3kg", "햇감자 10kg", "절임배추 20kg", "고창 수박 2통", "제주 한라봉 3kg"))
    farmer = b.name()
    d.line(r.choice(("[문자 메시지]", "[Web발신]", "문자 주문 내역 (캡처 옮겨 적음)")))
    d.line(r.choice((f"사장님 {crop} 2박스 주문할게요", f"{crop} 1박스 보내주세요~", f"작년에 샀던 {crop} 또 주문해요")))
    d.t(r.choice(("받는분 {name} ", "수령인: {name} / ", "{name} ", "{name}\n")))
    if r.random() < 0.6:
        d.val("phone", "no_label", "", "buyer_phone")
    else:
        d.t("연락처 ")
        d.val("phone", "label_plain", "연락처", "buyer_phone_labelled")
    d.line()
    d.t("주소 ")
    if r.random() < 0.5:
        d.t("(")
        d.neg("postal_code", "postal")
        d.t(") ")
    d.line(b.address() + f" {r.randrange(101, 110)}동 {r.randrange(1, 20)}0{r.randrange(1, 5)}호")
    d.t(r.choice(("네 감사합니다^^ ", "주문 확인했습니다. ", "네네 ")))
    d.t(r.choice(("입금은 ", "대금은 ", "계좌 ")))
    bank = r.choice(("농협", "NH농협", "지역농협", "우체국", "새마을금고"))
    d.bank_inline("farmer_account", bank)
    d.line(f" {farmer} " + r.choice(("으로 부탁드려요", "입니다", "(농장주 본인)")))
    d.t("합계 ")
    d.neg("amount", "total", b.money(20_000, 3_000_000))
    d.line("원 (택배비 포함)")
    if r.random() < 0.4:
        d.t(r.choice(("스마트스토어 주문번호 ", "주문번호: ")))
        d.neg("order_number", "store_order")
        d.line()
    if r.random() < 0.3:
        d.t("택배 송장에는 안심번호 ")
        d.neg("safe_number", "label_relay")
        d.line(" 로 찍혀요")
    if r.random() < 0.6:
        d.t(r.choice(("오늘 발송했어요 송장 ", "택배 보냈습니다. 운송장번호 ", "우체국택배 ")))
        d.neg("tracking_number", "tracking")
        d.line()
    if r.random() < 0.4:
        d.t("현금영수증 필요하시면 사업자번호 ")
        d.val("business_registration", "label_plain", "사업자번호", "farm_business")
        d.line(" 로 발행됩니다")
    if r.random() < 0.2:
        d.t("다음에도 주문하실 때 ")
        d.val("phone", "no_label", "", "farmer_phone")
        d.line(" 로 문자 주세요 ^^ " + farmer)
    return d.document()


def _notarized_translation(b: _Builder) -> Document:
    d = _Doc(b, "notarized_translation", {"colon": 3, "table": 2, "above": 1})
    r = d.r
    d.line(r.choice(("번역문 (TRANSLATION)", "[번역 공증] 여권 사본 번역문", "출생증명서 번역문")))
    d.tfield(("성명 / Name", "Surname, Given names", "성명"), r.choice(FOREIGN_NAMES))
    d.field(("생년월일 / Date of birth", "Date of Birth", "생년월일"), "birth_date",
            allowed={"passport_style", "iso", "korean_date", "dot"})
    d.tfield(("출생지 / Place of birth",), r.choice(("HANOI", "PHNOM PENH", "KATHMANDU", "DHAKA", "TASHKENT", "MANILA")))
    d.field(("여권번호 / Passport No.", "Passport No.", "여권번호"), "passport", writing="foreign_format")
    d.nfield(("발급일 / Date of issue", "발급일"), "event_date")
    d.nfield(("만료일 / Date of expiry", "기간만료일"), "event_date")
    if r.random() < 0.4:
        d.field(("외국인등록번호",), "foreigner_registration")
    d.line(r.choice(("위 번역문은 원문과 상위 없음을 확인합니다.", "I certify that the above is a true translation.")))
    d.t("번역인 {name}  ")
    k = r.random()
    if k < 0.5:
        d.t("생년월일 ")
        d.val("birth_date", "label_plain", "생년월일", "translator_dob", years=(1960, 2000))
    else:
        d.t("연락처 ")
        d.val("phone", "label_plain", "연락처", "translator_phone")
    d.line()
    if r.random() < 0.4:
        d.t("번역인 주민등록번호 ")
        d.val("resident", "label_plain", "번역인 주민등록번호", "translator_rrn", years=(1960, 2000))
        d.line()
    d.t(r.choice(("인증번호 ", "공증 ", "등부 ")))
    d.neg("notary_number", "notary")
    d.line(r.choice((" 법무법인 {place} 공증인가", " 공증인 {name}", "")))
    d.t("사무소 ")
    d.neg("office_landline", "notary_office")
    d.line()
    return d.document()


def _epi_survey(b: _Builder) -> Document:
    d = _Doc(b, "epi_survey", {"colon": 3, "table": 2, "bracket": 1, "ocr": 1})
    r = d.r
    d.line(r.choice(("기초역학조사서", "해외입국자 역학조사 기록지", "감염병 환자 역학조사서 (보건소용)")))
    d.nfield(("조사 번호", "환자 번호", "관리번호"), "patient_number")
    if r.random() < 0.6:
        d.tfield(("성명",), b.name())
    else:
        d.tfield(("성명", "Name"), r.choice(FOREIGN_NAMES))
        d.special |= {"passport_style", "foreign_intl"}
    d.field(("생년월일",), "birth_date")
    d.tfield(("성별",), r.choice(("남", "여")))
    d.field(("연락처", "휴대전화"), "phone")
    if r.random() < 0.6:
        d.field(("여권번호", "Passport No."), "passport")
        d.nfield(("입국 편명", "항공편"), "flight_number")
        d.nfield(("좌석", "좌석번호"), "seat_code", f"{r.randrange(1, 60)}{r.choice('ABCDEFGHJK')}")
        d.nfield(("입국일",), "event_date")
    elif r.random() < 0.5:
        d.field(("외국인등록번호",), "foreigner_registration")
    d.tfield(("격리 장소", "거주지"), b.address())
    if r.random() < 0.25:
        d.lines_away(r.choice(("■ 동거인 (성명 / 관계 / 연락처)", "[동거 가족 연락처]")),
                     [(b.name(), None), (r.choice(RELATIONS), None), ("연락처", "phone")])
    elif r.random() < 0.7:
        head = r.choice(("보호자 ", "가족(", "동거인 "))
        d.t(head + r.choice(RELATIONS) + (") " if head == "가족(" else " "))
        d.val("phone", "label_plain", head.strip(" ("), "guardian", allowed={"hyphen", "plain"})
        d.line()
    d.line(r.choice(("증상: 발열, 인후통", "증상 없음(무증상)", "발병일 추정 입국 3일 후")))
    d.t(r.choice(("검체 채취 ", "확진일 ")))
    d.neg("event_date", "sampled")
    d.t(" ")
    d.neg("time", "sampled_at", f"{r.randrange(8, 20):02d}:{r.randrange(60):02d}")
    d.line()
    d.t("조사자 {name} (보건소 ")
    d.neg("office_landline", "health_centre")
    d.line(")")
    return d.document()


def _political_donation(b: _Builder) -> Document:
    d = _Doc(b, "political_donation", {"colon": 3, "table": 2})
    r = d.r
    d.line(r.choice(("정치후원금 영수증", "후원금 기부 영수증 (소액)", "정치자금영수증")))
    d.nfield(("일련번호", "영수증 번호", "No."), "receipt_serial")
    d.tfield(("후원회명",), r.choice(("국회의원 {name} 후원회", "{place} 시장 예비후보 후원회", "OO당 중앙당 후원회")))
    d.nfield(("고유번호", "후원회 고유번호"), "org_unique_number")
    d.tfield(("기부자 성명", "후원인"), b.name())
    d.field(("주민등록번호", "생년월일(주민번호)"), "resident")
    d.tfield(("주소",), b.address())
    if r.random() < 0.6:
        d.field(("연락처", "전화번호"), "phone")
    if r.random() < 0.35:
        d.field(("이메일(전자영수증)", "영수증 받을 이메일"), "email")
    d.nfield(("기부금액", "금액"), "amount", r.choice(("100,000", "50,000", "300,000", "1,000,000")), "원")
    d.nfield(("기부일자", "후원일"), "event_date")
    if r.random() < 0.4:
        d.field(("납부 방법(신용카드)", "결제 카드번호"), "credit_card", "donation_card")
    if r.random() < 0.4:
        d.t("후원 계좌 (후원회) ")
        d.neg("company_account", "fund_account")
        d.line()
    d.line(r.choice(("※ 10만원까지 세액공제(110분의 100)", "※ 연말정산 시 이 영수증을 제출하세요.",
                     "정치자금법 제17조에 따라 발행합니다.")))
    return d.document()


def _wage_arrears(b: _Builder) -> Document:
    d = _Doc(b, "wage_arrears", {"colon": 3, "table": 2, "above": 1, "ocr": 1})
    r = d.r
    d.line(r.choice(("임금체불 진정서", "진 정 서 (체불임금)", "민원신청서 - 임금 등 체불 진정")))
    d.line("[진정인]")
    if r.random() < 0.7:
        d.tfield(("성명",), b.name())
        d.field(("주민등록번호", "주민번호"), "resident")
    else:
        d.tfield(("성명",), r.choice(FOREIGN_NAMES))
        d.field(("외국인등록번호",), "foreigner_registration")
        d.special.add("foreign_intl")
    d.field(("휴대전화", "연락처"), "phone")
    if r.random() < 0.5:
        d.field(("이메일",), "email")
    d.special.discard("foreign_intl")
    d.line("[피진정인]")
    d.tfield(("사업장명",), r.choice(("{place} 물류센터", "(주)한결건설 현장", "{place} 식당", "대박치킨 {place}점")))
    d.tfield(("대표자",), b.name())
    d.field(("사업자등록번호",), "business_registration", "employer")
    d.field(("대표자 연락처", "사업주 휴대폰", "연락처"), "phone", "employer")
    d.line("[진정 내용]")
    d.t(r.choice(("근무기간 ", "재직 기간: ")))
    d.neg("event_date", "from")
    d.t(" ~ ")
    d.neg("event_date", "to")
    d.line()
    d.t("체불 금액 ")
    d.neg("amount", "arrears", b.money(800_000, 15_000_000))
    d.line("원 (3개월분 임금 및 퇴직금)")
    d.t(r.choice(("체불 임금은 제 명의 ", "받을 계좌: ", "지급받을 계좌는 ")))
    d.bank_inline("worker_account")
    d.line(r.choice((" 로 입금 요청합니다.", "", " 입니다.")))
    d.t("접수번호 ")
    d.neg("receipt_number", "petition")
    d.line(r.choice((" ({place}지청 근로개선지도과)", "")))
    if r.random() < 0.3:
        d.t(f"담당 근로감독관 {b.name()} 직통 ")
        d.val("phone", "label_plain", "직통", "inspector_direct", writing="landline")
        d.line()
    return d.document()


def _surgery_consent(b: _Builder) -> Document:
    d = _Doc(b, "surgery_consent", {"colon": 3, "table": 2, "ocr": 1.5})
    r = d.r
    d.line(r.choice(("수술 동의서", "수술·시술·검사 동의서", "마취 및 수술 동의서")))
    d.nfield(("등록번호", "환자번호", "병록번호"), "patient_number")
    d.tfield(("환자명", "성명"), b.name())
    k = r.random()
    if k < 0.6:
        d.field(("생년월일", "생년월일/성별"), "birth_date")
    elif k < 0.85:
        d.field(("주민등록번호",), "resident", years=(1940, 2024))
    else:
        d.field(("외국인등록번호",), "foreigner_registration")
    d.tfield(("진단명",), r.choice(("급성 충수염", "우측 대퇴골 골절", "담낭 결석", "백내장(좌안)")))
    d.tfield(("수술명",), r.choice(("복강경 충수절제술", "관혈적 정복술", "복강경 담낭절제술", "수정체 유화술")))
    d.nfield(("수술 예정일",), "event_date")
    d.line(r.choice(("■ 보호자(대리인)", "[보호자 정보]", "환자 본인이 서명할 수 없는 경우 대리인")))
    d.tfield(("보호자 성명", "대리인 성명"), b.name())
    d.tfield(("환자와의 관계", "관계"), r.choice(RELATIONS))
    d.field(("보호자 연락처", "대리인 연락처", "보호자 휴대폰"), "phone", "guardian")
    if r.random() < 0.35:
        d.field(("보호자 생년월일",), "birth_date", "guardian", years=(1940, 2000))
    if r.random() < 0.15:
        d.t("보조 연락처 ")
        d.val("phone", "label_plain", "보조 연락처", "second_guardian")
        d.line(f" ({r.choice(RELATIONS)})")
    d.line(r.choice(("본인은 수술의 목적, 방법, 합병증에 대하여 설명을 들었습니다.", "설명 의사: {name} (외과)")))
    d.t("원무과 ")
    d.neg("office_landline", "hospital")
    d.line()
    return d.document()


def _salon_card(b: _Builder) -> Document:
    d = _Doc(b, "salon_card", {"colon": 3, "table": 1, "bracket": 1.5})
    r = d.r
    d.line(r.choice(("고객 카드 - 헤어살롱 {place}점", "네일샵 고객관리 카드", "[고객정보] 뷰티샵 예약 관리")))
    if r.random() < 0.4:
        d.t(f"{b.name()} 고객님 ")
        d.val("phone", "no_label", "", "card_title")
        d.line(r.choice(("", " (단골)", " ★")))
    else:
        d.tfield(("고객명", "이름"), b.name())
        d.field(("연락처", "폰", "HP"), "phone")
    if r.random() < 0.7:
        d.field(("생일", "생년월일"), "birth_date", allowed={"dot", "short_dot", "yymmdd", "korean_date", "iso"},
                years=(1965, 2006))
    if r.random() < 0.3:
        d.field(("카톡ID/이메일", "이메일"), "email")
    d.line(r.choice(("모발 상태: 손상모, 곱슬", "젤네일 알러지 없음", "두피 민감 - 저자극 약제", "선호: 자연스러운 컬")))
    for _ in range(r.randint(1, 3)):
        d.neg("event_date", "visit")
        d.t(r.choice((" 커트+염색 ", " 젤네일 아트 ", " 펌 ", " 클리닉 ")))
        d.neg("amount", "service_price", b.money(15_000, 250_000))
        d.line(r.choice(("원", "원 (정액권 차감)", "원 카드")))
    d.t(r.choice(("정액권 잔액 ", "적립 포인트 ")))
    d.neg("amount", "balance", b.money(1_000, 500_000))
    d.line()
    d.t(r.choice(("다음 예약 ", "예약: ")))
    d.neg("event_date", "next")
    d.t(" ")
    d.neg("time", "next_at", f"{r.randrange(10, 21)}:{r.choice(('00', '30'))}")
    d.line(r.choice((" 디자이너 수진", " 원장님", "")))
    if r.random() < 0.7:
        d.t(r.choice(("결제 카드 ", "등록 카드 ", "정기결제 카드 ")))
        d.val("credit_card", "label_plain", "결제 카드", "card_on_file")
        d.line()
    if r.random() < 0.4:
        d.t("매장 ")
        d.neg("office_landline", "shop")
        d.line(" / 예약은 네이버 예약 또는 전화")
    return d.document()


def _golf_membership(b: _Builder) -> Document:
    d = _Doc(b, "golf_membership", {"colon": 3, "table": 2, "bracket": 1})
    r = d.r
    if r.random() < 0.35:  # a booking text from the club
        d.line(r.choice(("[Web발신] [{place} CC] 예약 확정 안내", "[골프장 예약 확인]")))
        d.t("예약자: {name}님 (")
        d.val("phone", "no_label", "", "booker", writing="masked")
        d.line(")")
        d.t("일시: ")
        d.neg("event_date", "round")
        d.t(" ")
        d.neg("time", "tee_time", f"{r.randrange(6, 15):02d}:{r.randrange(60):02d}")
        d.line(f" {r.choice(('OUT', 'IN', '레이크', '마운틴'))} 코스 {r.randrange(2, 5)}인")
        d.t("회원번호 ")
        d.neg("member_number", "member")
        d.line()
        d.t("취소는 3일 전까지 ")
        d.neg("company_number", "club")
        d.line()
        if r.random() < 0.5:
            d.t("동반자 연락처: ")
            d.val("phone", "label_punct", "동반자 연락처", "companion")
            d.line()
        if r.random() < 0.5:
            d.t("노쇼 위약금 보증 카드 ")
            d.val("credit_card", "label_plain", "보증 카드", "guarantee_card", writing="masked")
            d.line()
        if r.random() < 0.4:
            d.t("주차 등록 차량 ")
            d.neg("car_plate", "parking")
            d.line()
        return d.document()
    d.line(r.choice(("골프 회원권 양도양수 계약서", "회원권 명의개서 신청서", "골프회원권 매매 계약서")))
    d.tfield(("골프장", "클럽명"), r.choice(("{place} 컨트리클럽", "레이크힐스", "스카이밸리 CC", "남서울CC")))
    d.nfield(("회원번호", "회원증 번호"), "member_number")
    d.nfield(("매매대금", "양도 가액"), "amount", b.money(30_000_000, 900_000_000), "원")
    d.line("[양도인]")
    d.tfield(("성명",), b.name())
    d.field(("주민등록번호",), "resident", years=(1945, 1990))
    d.field(("연락처", "휴대폰"), "phone", "seller")
    d.line("[양수인]")
    if r.random() < 0.3:
        d.tfield(("법인명",), r.choice(("(주)대흥산업", "한결건설(주)", "(주)미래테크")))
        d.field(("사업자등록번호",), "business_registration", "corporate_buyer")
        d.tfield(("등록 사용자",), b.name())
    else:
        d.tfield(("성명",), b.name())
        d.field(("주민등록번호",), "resident", "buyer")
    d.field(("연락처", "휴대폰"), "phone", "buyer")
    if r.random() < 0.3:
        d.field(("이메일",), "email", "buyer")
    if r.random() < 0.6:
        d.field(("신분증(운전면허증) 번호", "면허번호"), "driver_license")
    d.bank_field(("양도대금 입금 계좌", "매도인 계좌"), "seller_account", None)
    d.nfield(("명의개서료",), "amount", b.money(1_000_000, 5_500_000), "원")
    if r.random() < 0.3:
        d.field(("명의개서료 결제 카드", "수수료 결제 카드"), "credit_card", "fee_card")
    d.t("거래소 ")
    d.neg("office_landline", "broker")
    d.t(" 팩스 ")
    d.neg("office_fax", "broker_fax")
    d.line()
    return d.document()


def _organ_donor(b: _Builder) -> Document:
    d = _Doc(b, "organ_donor", {"colon": 3, "table": 2, "ocr": 1, "bracket": 1})
    r = d.r
    d.line(r.choice(("장기등 기증희망 등록신청서", "장기·조직 기증희망 등록 신청서", "인체조직 기증 서약서")))
    d.tfield(("성명",), b.name())
    d.field(("주민등록번호",), "resident", years=(1940, 2005))
    d.tfield(("주소",), b.address())
    if r.random() < 0.4:
        d.field(("전화번호", "자택 전화"), "phone", "home", writing="landline")
    d.field(("휴대전화",), "phone", "mobile")
    if r.random() < 0.6:
        d.field(("이메일", "전자우편"), "email")
    d.line(r.choice(("기증 희망 장기: 신장, 간장, 각막", "기증 희망: 뇌사 시 장기기증, 사후 각막기증", "인체조직 전체")))
    if r.random() < 0.85:
        d.line(r.choice(("☑ 운전면허증에 기증 희망 표시를 신청합니다.", "[운전면허증 표기 신청]")))
        d.field(("운전면허번호", "면허번호"), "driver_license")
    d.tfield(("가족 대표자", "유가족 대표"), b.name() + f" ({r.choice(RELATIONS)})")
    if r.random() < 0.3:
        d.trailing("birth_date", r.choice(("대표자 생년월일", "생년월일")), "family_dob_after",
                   allowed={"dot", "iso", "yymmdd"})
        d.line()
    if r.random() < 0.75:
        d.field(("가족 연락처", "대표자 연락처"), "phone", "family")
    d.nfield(("등록번호", "기증희망등록번호"), "receipt_number")
    d.t("등록기관 ")
    d.neg(r.choice(("company_number", "office_landline")), "agency")
    d.line()
    return d.document()


def _pet_insurance(b: _Builder) -> Document:
    d = _Doc(b, "pet_insurance", {"colon": 3, "table": 2, "bracket": 1})
    r = d.r
    d.line(r.choice(("펫보험 보험금 청구서", "반려동물보험 보험금 청구서", "[펫퍼민트] 보험금 청구")))
    d.nfield(("증권번호", "계약번호"), "policy_number")
    d.tfield(("계약자(피보험자)", "보험계약자"), b.name())
    d.field(("생년월일",), "birth_date", years=(1960, 2004))
    d.field(("연락처", "휴대폰"), "phone")
    if r.random() < 0.6:
        d.field(("이메일",), "email")
    d.tfield(("반려동물 이름",), r.choice(("코코", "보리", "두부", "초코", "몽이", "나비")))
    d.nfield(("동물등록번호", "등록번호(마이크로칩)"), "pet_registration")
    d.tfield(("진료 병원",), r.choice(("{place} 동물메디컬센터", "24시 튼튼동물병원", "해피펫 동물병원")))
    d.field(("병원 사업자등록번호", "동물병원 사업자번호"), "business_registration", "vet")
    d.nfield(("진료일",), "event_date")
    d.nfield(("청구 금액", "진료비 합계"), "amount", b.money(20_000, 3_000_000), "원")
    d.bank_field(("보험금 수령 계좌", "지급 계좌"), "claim", None)
    if r.random() < 0.6:
        d.field(("진료비 결제 카드", "결제 카드번호"), "credit_card", "card")
    d.t("보험사 고객센터 ")
    d.neg("company_number", "insurer")
    d.line()
    return d.document()


def _solar_contract(b: _Builder) -> Document:
    d = _Doc(b, "solar_contract", {"colon": 3, "table": 2, "ocr": 1})
    r = d.r
    d.line(r.choice(("태양광 발전설비 설치 계약서", "주택용 태양광 설치 공사 계약서", "건물지원사업 태양광 계약서")))
    d.line("[시공사]")
    d.tfield(("상호",), r.choice(("(주)햇빛에너지", "그린솔라", "선파워텍", "한빛전기")))
    d.field(("사업자등록번호",), "business_registration", "installer")
    d.nfield(("대표전화",), "office_landline")
    d.tfield(("담당자",), b.name())
    if r.random() < 0.3:
        d.t(r.choice(("담당자 직통 ", "담당 직통번호 ")))
        d.val("phone", "label_plain", "담당자 직통", "staff_direct", writing="landline")
        d.t(" 내선 ")
        d.neg("extension", "staff_ext")
        d.line()
    elif r.random() < 0.6:
        d.field(("담당자 휴대폰",), "phone", "installer_staff")
    d.line("[계약자]")
    d.tfield(("성명",), b.name())
    d.field(("주민등록번호", "주민번호"), "resident")
    d.field(("연락처",), "phone")
    if r.random() < 0.4:
        d.field(("이메일(전자계약 수신)", "이메일"), "email")
    d.tfield(("설치 장소",), b.address())
    d.nfield(("설비 용량", "용량"), "capacity")
    d.nfield(("한전 고객번호", "전기 고객번호"), "customer_number")
    if r.random() < 0.5:
        d.nfield(("인버터 S/N", "모듈 시리얼"), "serial_number")
    d.nfield(("총 공사금액", "계약금액"), "amount", b.money(3_000_000, 40_000_000), "원 (VAT 포함)")
    if r.random() < 0.35:
        d.field(("할부 결제 카드", "카드 할부(카드번호)"), "credit_card", "instalment_card")
    d.t(r.choice(("공사대금 입금 계좌: ", "계약금 입금처 ")))
    d.t(r.choice(BANK_NAMES) + " ")
    d.neg("company_account", "installer_account")
    d.line(r.choice((" (주)햇빛에너지", " 예금주 그린솔라", "")))
    if r.random() < 0.5:
        d.bank_field(("보조금 환급 계좌(계약자)", "환급 계좌"), "subsidy", None)
    d.line(r.choice(("※ 하자보수 기간 5년", "※ 지자체 보조금 확정 후 착공", "위 계약 내용을 확인합니다.")))
    return d.document()


def _student_loan(b: _Builder) -> Document:
    d = _Doc(b, "student_loan", {"colon": 3, "table": 2, "bracket": 1, "above": 1})
    r = d.r
    d.line(r.choice(("학자금 대출 신청서", "취업 후 상환 학자금대출 신청 내역", "생활비 대출 신청 확인서")))
    d.tfield(("성명",), b.name())
    d.field(("주민등록번호",), "resident", years=(1995, 2006))
    d.tfield(("학교",), r.choice(("한국대학교", "{place} 전문대학", "국립 해양대학교")))
    d.nfield(("학번",), "student_number")
    if r.random() < 0.3:
        d.lines_away("연락처 / 이메일 (대출 실행 안내용)", [("연락처", "phone"), ("이메일", "email")])
    else:
        d.field(("휴대전화", "연락처"), "phone")
        d.field(("이메일",), "email")
    d.bank_field(("본인 명의 계좌", "생활비 입금 계좌"), "student", None)
    d.nfield(("대출 신청 금액",), "amount", b.money(1_000_000, 7_000_000), "원")
    d.nfield(("신청 학기",), "event_date", f"{r.randrange(2023, 2027)}-{r.choice((1, 2))}")
    d.line(r.choice(("[부모 정보 (소득 산정용)]", "■ 가구원 정보 동의", "[보호자]")))
    d.tfield(("부 성명", "보호자 성명"), b.name())
    if r.random() < 0.5:
        d.field(("부 주민등록번호", "보호자 주민등록번호"), "resident", "parent", years=(1958, 1980))
    else:
        d.field(("보호자 생년월일", "부 생년월일"), "birth_date", "parent", years=(1958, 1980))
    if r.random() < 0.6:
        d.field(("보호자 연락처",), "phone", "parent")
    d.t("한국장학재단 ")
    d.neg("company_number", "kosaf")
    d.line()
    return d.document()


def _ai_call_summary(b: _Builder) -> Document:
    d = _Doc(b, "ai_call_summary")
    d.special = {"hangul_numerals"}
    d.boost = {"hangul_numerals": 25}
    r = d.r
    json_like = r.random() < 0.45
    topic = r.choice((("자동차보험 사고 접수", "driver_license"), ("카드 분실 신고", "credit_card"),
                      ("렌터카 예약 면허 확인", "driver_license"), ("카드 결제 취소", "credit_card"),
                      ("환불 계좌 변경", "bank_account"), ("본인 확인 후 주소 변경", "resident"),
                      ("해외 체류 중 로밍 문의", "passport"), ("외국인 고객 요금 문의", "foreigner_registration")))
    if json_like:
        d.t('{"call_id": "')
        d.neg("call_id", "json.call_id")
        d.t('", "agent_ext": "')
        d.neg("extension", "json.ext")
        d.t('", "started": "')
        d.neg("event_date", "json.date")
        d.line('",')
        d.t(f' "intent": "{topic[0]}", "summary": "고객이 ')
    else:
        d.line(r.choice(("[AI 상담요약] 자동 생성", "■ 통화 요약 (STT 기반, 검수 전)", "상담 요약 리포트")))
        d.t("콜 ID ")
        d.neg("call_id", "call_id")
        d.t(" / 상담원 내선 ")
        d.neg("extension", "ext")
        d.line()
        d.line(f"분류: {topic[0]}")
        d.t("STT 모델 ")
        d.neg("version_number", "model")
        d.line()
        d.t("요약: 고객이 ")
    d.t(r.choice(("본인 확인 위해 ", "요청에 따라 ", "")))
    kind = topic[1]
    labels = {"driver_license": "운전면허번호", "credit_card": "카드번호", "bank_account": "새 계좌",
              "resident": "주민번호", "passport": "여권번호", "foreigner_registration": "외국인등록번호"}
    d.t(labels[kind] + "를 ")
    allowed = COMPACT | {"hangul_numerals", "spaced"} if kind in ("resident", "bank_account") else COMPACT
    if kind == "passport":
        allowed = {"old_format", "current_format"}
    d.val(kind, "in_sentence", labels[kind], "summary", allowed={w for w, _ in WRITINGS[kind]} & allowed)
    d.t(r.choice((" 로 불러 주었고 ", " (STT 인식) 확인, ", " 라고 말함. ")))
    if r.random() < 0.6:
        d.t("회신 번호 ")
        d.val("phone", "in_sentence", "회신 번호", "callback", allowed={"hyphen", "plain", "hangul_numerals", "spaced"})
        d.t(r.choice((" 로 문자 안내 요청.", " 로 재연락 희망.", " 남김.")))
    else:
        d.t("통화 후 ")
        d.val("phone", "no_label", "", "callback_bare", allowed={"hyphen"})
        d.t(r.choice((" 로 재연락 희망.", " 로 문자 요청.")))
    if json_like:
        d.line('",')
        d.t(' "verified_dob": "')
        d.val("birth_date", "log_key", "verified_dob", "json.dob", allowed={"iso", "compact", "yymmdd"})
        if r.random() < 0.5:
            d.line('",')
            d.t(' "ani": "')
            d.val("phone", "log_key", "ani", "json.ani", allowed={"plain", "hyphen"})
        d.line('"}')
    else:
        d.line()
        d.t("확인된 생년월일: ")
        d.val("birth_date", "label_punct", "확인된 생년월일", "dob")
        d.line()
        if r.random() < 0.25:
            d.t("발신번호(ANI) ")
            d.val("phone", "label_english", "ANI", "ani", allowed={"plain", "hyphen"})
            d.line()
        d.line(r.choice(("후속 조치: 담당 부서 이관", "감정 분석: 불만(중)", "키워드: 재발급, 수수료")))
        if r.random() < 0.5:
            d.t("대표번호 ")
            d.neg("company_number", "rep")
            d.line(" 로 인입")
    return d.document()


def _household_ledger(b: _Builder) -> Document:
    d = _Doc(b, "household_ledger")
    r = d.r
    mom, dad, kid = "엄마", "아빠", r.choice(corpus.GIVEN)

    def say(who):
        d.t(f"[{who}] " if r.random() < 0.5 else f"{who}: ")
    d.line(r.choice(("💰 우리집 가계부 (가족 단톡방)", "가족 채팅방 - 12월 가계부 정리", "[가계부 공유]")))
    for _ in range(r.randint(2, 4)):
        say(r.choice((mom, dad)))
        d.neg("event_date", "spent_on", f"{r.randrange(1, 13)}/{r.randrange(1, 29)}")
        d.t(r.choice((" 마트 ", " 관리비 ", " 주유 ", " 학원비 ", " 쿠팡 ", " 외식 ")))
        d.neg("amount", "spent", b.money(5_000, 400_000))
        d.line(r.choice(("원", "", "원 카드")))
    k = r.random()
    if k < 0.5:
        say(dad)
        d.t(r.choice(("관리비 자동이체 계좌 바꿨어 ", "적금 계좌 여기로 옮김 ", "생활비 통장 ")))
        d.bank_inline("family_account")
        d.line()
    else:
        say(kid)
        d.line(r.choice(("용돈 어디로 보내줘?", "엄마 계좌 뭐였지?", "돈 보낼 계좌 알려줘")))
        say(mom)
        bank = r.choice(BANK_NAMES)
        d.t(bank + " ")
        d.val("bank_account", "previous_line", "계좌", "family_account_answer", bank=bank)
        d.line()
    if r.random() < 0.7:
        say(mom)
        d.t(r.choice(("가족카드 번호 ", "온라인 결제할 때 이 카드 써 ", "내 카드 ")))
        d.val("credit_card", "label_plain", "카드", "family_card",
              allowed={"hyphen", "spaced", "plain", "masked"})
        d.line(r.choice((" 유효기간 08/28", "", " 할부 X")))
    if r.random() < 0.5:
        say(dad)
        d.t("보일러 기사님 번호 ")
        d.val("phone", "label_plain", "번호", "repairman")
        d.line(" 저장해둬")
    if r.random() < 0.4:
        say(dad)
        d.t(r.choice(("제주 렌터카 예약하게 면허번호 ", "렌트할 때 필요해서 내 면허 ")))
        d.val("driver_license", "label_plain", "면허번호", "rental_licence")
        d.line(" 이거 맞지?")
    if r.random() < 0.35:
        say(kid)
        d.t("나 새 번호 ")
        d.val("phone", "label_plain", "새 번호", "kid_phone")
        d.line(" 이야")
    if r.random() < 0.35:
        say(mom)
        d.t("할머니 생신 ")
        d.val("birth_date", "label_plain", "생신", "grandma", allowed={"korean_date", "dot", "iso"}, years=(1938, 1955))
        d.line(" 이시니까 기억해")
    if r.random() < 0.35:
        say(mom)
        d.line(r.choice(("할머니 건강검진 예약할 때 필요하대", "외할머니 병원 접수용", "할아버지 보험 청구할 때 쓰래")))
        say(mom)
        d.val("resident", "no_label", "", "grandparent_bare", years=(1938, 1955))
        d.line()
    if r.random() < 0.3:
        say(dad)
        d.t("관리비 고지서 납부자번호 ")
        d.neg("payer_number", "maintenance_payer")
        d.line()
    if r.random() < 0.4:
        say(dad)
        d.t("관리비 가상계좌 ")
        d.neg("virtual_account", "maintenance_fee")
        d.line(" 로 내면 됨")
    say(r.choice((mom, dad)))
    d.t("이번 달 합계 ")
    d.neg("amount", "total", b.money(20_000, 3_000_000))
    d.line(r.choice(("원 ㅠㅠ", "원 아껴쓰자", "원")))
    return d.document()


GENRE_MAKERS = {
    "postpartum_care": _postpartum_care, "rehabilitation": _rehabilitation,
    "parttime_contract": _parttime_contract, "ticket_resale": _ticket_resale,
    "coop_membership": _coop_membership, "farm_direct_payment": _farm_direct_payment,
    "housing_subscription": _housing_subscription, "contest_entry": _contest_entry,
    "eps_contract": _eps_contract, "crew_list": _crew_list, "auction_bid": _auction_bid,
    "crypto_kyc": _crypto_kyc, "senior_jobs": _senior_jobs, "disaster_relief": _disaster_relief,
    "farm_order_sms": _farm_order_sms, "notarized_translation": _notarized_translation,
    "epi_survey": _epi_survey, "political_donation": _political_donation,
    "wage_arrears": _wage_arrears, "surgery_consent": _surgery_consent, "salon_card": _salon_card,
    "golf_membership": _golf_membership, "organ_donor": _organ_donor, "pet_insurance": _pet_insurance,
    "solar_contract": _solar_contract, "student_loan": _student_loan,
    "ai_call_summary": _ai_call_summary, "household_ledger": _household_ledger,
}
GENRES = tuple(GENRE_MAKERS)


def generate(documents: int = 1500, seed: int = 1) -> list[Document]:
    """`documents` labelled documents, the genres in turn from a shuffled order. Same arguments,
    same documents on every machine."""
    b = _Builder(seed * 1_000_003 + 99)
    order = list(GENRES)
    out = []
    for i in range(documents):
        if i % len(order) == 0:
            b.r.shuffle(order)
        out.append(GENRE_MAKERS[order[i % len(order)]](b))
    return out


def summary(docs: list[Document]) -> dict:
    """Counts of values by kind, of negatives by category and of documents by genre."""
    kinds: dict = {}
    cats: dict = {}
    genres: dict = {}
    for doc in docs:
        genres[doc.genre] = genres.get(doc.genre, 0) + 1
        for v in doc.values:
            kinds[v.kind] = kinds.get(v.kind, 0) + 1
        for n in doc.negatives:
            cats[n.category] = cats.get(n.category, 0) + 1
    return {"values": kinds, "negatives": cats, "genres": genres}


if __name__ == "__main__":
    import sys
    import time
    if len(sys.argv) > 1 and sys.argv[1] == "--summary":
        t0 = time.perf_counter()
        docs = generate()
        took = time.perf_counter() - t0
        s = summary(docs)
        total = sum(s["values"].values())
        print(f"{len(docs)} documents in {took:.1f} s, {total} values, "
              f"{sum(s['negatives'].values())} negatives, {len(s['genres'])} genres")
        for k in KINDS:
            print(f"  {k:24} {s['values'].get(k, 0):6} {100 * s['values'].get(k, 0) / total:5.1f}%")
        for c, n in sorted(s["negatives"].items(), key=lambda x: -x[1]):
            print(f"  {c:24} {n:6}")
    else:
        for doc in generate(int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)):
            print(f"=== {doc.genre} ===\n{doc.text}")
            for v in doc.values:
                print(f"  value {v.kind:24} {v.writing:18} {v.label:14} {v.text!r}")
            for n in doc.negatives:
                print(f"  neg   {n.category:24} {n.text!r}")
