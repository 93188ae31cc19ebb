"""Seventh blind part: business and household paperwork written the way Korean companies, offices
and people actually fill it in. Tax invoices and statements of transactions between businesses,
year-end tax dependants' tables and withholding receipts, social-insurance filings, overseas
remittance and automatic-transfer applications, hospital admission agreements, nursing-home
applications, parents' contact trees and after-school sign-ups, card-terminal merchant
applications, quick-service and freight orders, apartment management-fee notices and parking
registrations, certified letters and criminal complaints, job postings and part-time
applications, tutoring requests, messenger chat exports, helpdesk ticket dumps, API payloads and
configuration files, bug reports, lost-property reports, used-car and rental contracts,
blood-donation and volunteer records, appointment and pharmacy texts, camp sign-ups, insurance
design sheets and a customer's exported bank history. Everything is made from a seed; nothing is
downloaded.

    docs = labelled_blind7.generate(1500, seed=1)

The records are those of `labelled.py` (`Document`, `Value`, `Negative`). Values are what a
careful reader recognises as a person's (or a business's registration) information; a bare date
or account-like number with no label anywhere and nothing telling whose it is, is left out.

Conventions for the ambiguous cases, kept throughout:
- A virtual account issued for one payer's bill (management fees, tuition, a CMS payment) is the
  biller's collection account: a negative, category "virtual_account".
- A safe number (050x) printed so that a caller reaches a person is that person's telephone: a
  value of kind "phone", writing "safe_number".
- A person's own work landline, written as that person's contact (담당자 direct line, a
  guarantor's office number), is a value of kind "phone", writing "landline"; an office's or a
  shop's main line and its fax are negatives ("office_landline", "fax_number"), and an extension
  on its own ("내선 2314") is a negative ("extension").
- Every business registration number is a value of kind "business_registration", a sole
  trader's and a company's alike; a company's corporate registration number (법인등록번호) is a
  negative ("corporate_number").
- A company's or an organiser's account printed for payments to it is a negative,
  "company_account"; an account a person gives as their own (settlement of a sole trader's shop,
  refunds, salaries, the counterparties in a bank history) is a value.
- IBANs and SWIFT codes in remittance forms are negatives ("iban", "swift_code"); the sender's
  Korean account is a value.
- Test records in fixtures and configuration have the shapes of real ones and nobody can tell
  them apart: they are values like the real ones.
"""

from __future__ import annotations

import datetime
import random

import corpus
from labelled import Document, Written, _Writer

PART = "blind7"
KINDS = corpus.KINDS

# --------------------------------------------------------------------------- word pools

SURNAMES = "김이박최정강조윤장임한오서신권황안송류홍전고문양손배백허남심노하곽성차주우구민진나엄채원천방"
GIVEN = ("도현 서진 예린 하준 민서 지호 수연 태민 가영 준혁 은서 시윤 민지 동훈 영자 말순 정식 경자 "
         "상철 옥순 재훈 보영 현정 승민 다인 예준 서하 유나 건호 미란 인호 순옥 기철 혜원 지율 "
         "나윤 규리 태호 경수 은정 창민 소연 재민 하린 용수 영식 명자").split()
ROMAN_GIVEN = ("dohyun seojin yerin hajun minseo jiho suyeon taemin gayoung junhyuk eunseo siyun "
               "minji donghoon jaehoon boyoung hyunjung seungmin dain yejun").split()
ROMAN_SUR = "kim lee park choi jung kang jo yoon jang lim han oh seo shin kwon hwang ahn song".split()
MAIL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "nate.com", "kakao.com",
                "hotmail.com", "icloud.com", "outlook.com")
COMPANIES = ("대성금속", "한울물산", "(주)새빛테크", "동진상사", "미래푸드", "(주)청운산업", "우리인쇄",
             "해밀건설(주)", "성원전기", "다온유통", "(주)에이치앤비", "정우기계", "그린팜농산", "라온디자인",
             "(주)한결로지스", "보람식자재", "태광철강(주)", "온누리약품", "빛고을상회", "(주)누리소프트")
COMPANY_DOMAINS = ("daesungmetal.co.kr", "hanulmulsan.com", "saebit.co.kr", "dongjin.kr",
                   "miraefood.co.kr", "chungwoon.com", "hgl.co.kr", "nurisoft.io")
STREETS = ("테헤란로", "세종대로", "중앙로", "가야대로", "동명로", "충장로", "월드컵북로", "반월로",
           "경수대로", "둔산로", "삼일대로", "구월로", "범어로", "해운대로", "덕영대로", "시청로")
CITIES = ("서울특별시 강남구", "서울특별시 마포구", "부산광역시 해운대구", "대구광역시 수성구",
          "인천광역시 남동구", "광주광역시 서구", "대전광역시 유성구", "경기도 수원시 영통구",
          "경기도 안산시 단원구", "충청북도 청주시 흥덕구", "전라북도 전주시 완산구", "경상남도 창원시 성산구",
          "경기도 고양시 일산동구", "울산광역시 남구")
RELATIONS = ("배우자", "자녀", "모", "부", "장인", "장모", "손자", "형제자매")
# Banks abroad with their SWIFT codes, and the country of their IBANs.
BANKS_ABROAD = (("Deutsche Bank AG", "DEUTDEFF", "DE"), ("BNP Paribas", "BNPAFRPP", "FR"),
                ("HSBC UK Bank", "HBUKGB4B", "GB"), ("ING Bank N.V.", "INGBNL2A", "NL"),
                ("Banco Santander", "BSCHESMM", "ES"), ("UniCredit S.p.A.", "UNCRITMM", "IT"),
                ("Commerzbank AG", "COBADEFFXXX", "DE"), ("Barclays Bank", "BARCGB22", "GB"))
# Where foreign workers send money: banks with SWIFT codes, accounts kept as registered payees.
BANKS_HOME = (("Vietcombank", "BFTVVNVX", "VND"), ("BIDV", "BIDVVNVX", "VND"), ("ACLEDA Bank", "ACLBKHPP", "USD"),
              ("Nepal Investment Bank", "NIBLNPKT", "NPR"), ("Bank Central Asia", "CENAIDJA", "IDR"),
              ("Kapital Bank", "KACHUZ22", "USD"), ("Bank of the Philippine Islands", "BOPIPHMM", "PHP"))
FOREIGN_NAMES = ("NGUYEN VAN HUNG", "TRAN THI LAN", "JOHN A. MILLER", "EMILY CLARKE", "WANG LEI",
                 "ZHANG WEI", "SITI NURHALIZA", "BATBAYAR GANBOLD", "MARIA SANTOS", "DAVID KOWALSKI")
# Workers by nationality, as registered in Korean paperwork.
FOREIGN_WORKERS = (("NGUYEN VAN HUNG", "베트남"), ("TRAN THI LAN", "베트남"), ("PHAM MINH TUAN", "베트남"),
                   ("SOK CHANDARA", "캄보디아"), ("RAM BAHADUR THAPA", "네팔"), ("KARIMOV RUSTAM", "우즈베키스탄"),
                   ("SITI AMINAH", "인도네시아"), ("PERERA KASUN", "스리랑카"), ("SOMCHAI SRISUK", "태국"),
                   ("MARIA SANTOS", "필리핀"), ("WANG LEI", "중국"), ("BATBAYAR GANBOLD", "몽골"))
ITEMS = ("A4 복사용지", "스테인리스 볼트 M8", "포장용 박스(중)", "LED 투광등 100W", "냉동 닭가슴살 1kg",
         "전선 VCT 2.5SQ", "사무용 의자", "세척제 18L", "라벨 스티커 롤", "PP 마대", "유니폼 상의",
         "커피 원두 1kg", "철판 SS400 6T")

# --------------------------------------------------------------------------- ways of writing

# (writing, weight) by kind: the ways these documents carry each kind.
WRITINGS = {
    "resident": (("hyphen", 6), ("plain", 1.5), ("spaced", 1), ("fullwidth", 0.6), ("masked", 2),
                 ("post2020", 1), ("line_break", 0.6)),
    "foreigner_registration": (("hyphen", 6), ("plain", 1.5), ("spaced", 0.8), ("masked", 1.5),
                               ("line_break", 0.5)),
    "business_registration": (("hyphen", 7), ("plain", 1.5), ("spaced", 1), ("fullwidth", 0.5),
                              ("masked", 0.5), ("line_break", 0.5)),
    "credit_card": (("hyphen", 4), ("spaced", 2), ("plain", 1.5), ("masked", 3), ("amex", 0.6),
                    ("line_break", 0.4)),
    "bank_account": (("hyphen", 6), ("plain", 2.5), ("masked", 1), ("spaced", 0.5), ("line_break", 0.3)),
    "phone": (("hyphen", 8), ("plain", 1.5), ("dot", 1), ("spaced", 1), ("intl_plus", 0.8),
              ("fullwidth", 0.4), ("masked", 1.5), ("hangul_numerals", 0.3), ("landline", 1.2),
              ("safe_number", 0.6), ("line_break", 0.2)),
    "email": (("plain", 8), ("masked", 1), ("obfuscated", 0.6), ("uppercase", 0.4)),
    "driver_license": (("hyphen", 5), ("plain", 1.5), ("region_prefixed", 2.5), ("masked", 0.7),
                       ("spaced", 0.5)),
    "birth_date": (("iso", 2), ("dot", 3), ("korean_date", 2.5), ("yymmdd", 2), ("compact", 1),
                   ("slash", 0.6), ("short_dot", 1), ("spaced_dot", 1)),
    "passport": (("old_format", 2), ("current_format", 3), ("foreign_format", 0.8)),
}
MASKED_WRITINGS = {"masked"}
# Kinds whose numbers wrap at a hyphen on a scanned or pasted page.
WRAPS = {"resident", "foreigner_registration", "business_registration", "credit_card", "bank_account",
         "phone"}
# Writings that fit a cell, a key=value pair or a JSON string (no spaces, no line break).
COMPACT = {"hyphen", "plain", "masked", "post2020", "iso", "dot", "compact", "yymmdd", "slash",
           "short_dot", "old_format", "current_format", "foreign_format", "amex", "landline",
           "safe_number", "intl_plus", "region_prefixed", "uppercase"}
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
LICENSE_REGIONS = {11: "서울", 12: "부산", 13: "경기", 14: "강원", 15: "충북", 16: "충남", 17: "전북",
                   18: "전남", 19: "경북", 20: "경남", 21: "제주", 22: "대구", 23: "인천", 24: "광주",
                   25: "대전", 26: "울산", 28: "경기"}
# Account shapes by bank (groups of digits as the bank prints them) and fixed leading digits.
BANK_SHAPES = {
    "국민": ((6, 2, 6), ""), "KB국민은행": ((6, 2, 6), ""), "신한": ((3, 3, 6), "110"),
    "신한은행": ((3, 3, 6), "1"), "우리": ((4, 3, 6), "1002"), "우리은행": ((4, 3, 6), "1002"),
    "하나": ((3, 6, 5), ""), "하나은행": ((3, 6, 5), ""), "농협": ((3, 4, 4, 2), "3"),
    "NH농협": ((3, 4, 4, 2), "35"), "기업": ((3, 6, 2, 3), ""), "IBK기업은행": ((3, 6, 2, 3), "0"),
    "카카오뱅크": ((4, 2, 7), "3333"), "토스뱅크": ((4, 4, 4), "1000"), "케이뱅크": ((3, 3, 6), "100"),
    "새마을금고": ((4, 4, 4, 1), "9"), "우체국": ((6, 2, 6), ""), "신협": ((3, 3, 6), "13"),
    "SC제일": ((3, 2, 6), ""), "수협": ((4, 4, 4), "10"), "부산은행": ((3, 4, 4, 2), "1"),
    "iM뱅크": ((3, 2, 6, 1), "5"), "광주은행": ((3, 3, 6), "1"), "경남은행": ((3, 2, 7), "2"),
}
CARD_PREFIXES = ("9410", "4579", "5365", "4092", "9490", "5107", "4518", "3568", "6250", "5570",
                 "4673", "9445")


class _Make:
    """Values of every kind, with valid check digits where real numbers have them."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def d(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def writing(self, kind: str, allowed=None) -> str:
        opts = [(w, p) for w, p in WRITINGS[kind] if allowed is None or w in allowed]
        return self.r.choices([w for w, _ in opts], [p for _, p in opts])[0]

    def make(self, kind: str, writing: str, **kw) -> Written:
        text = getattr(self, kind)(writing, **kw)
        return Written(kind, text, writing, writing in MASKED_WRITINGS)

    @staticmethod
    def join(groups: list[str], writing: str) -> str:
        if writing == "plain":
            return "".join(groups)
        if writing == "spaced":
            return " ".join(groups)
        if writing == "dot":
            return ".".join(groups)
        if writing == "fullwidth":
            return "-".join(groups).translate(FULL)
        if writing == "line_break":  # an OCR'd or narrow cell: the number wraps after a hyphen
            return "-".join(groups[:-1]) + "-\n" + groups[-1]
        if writing == "hangul_numerals":
            return " ".join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in groups)
        return "-".join(groups)

    def resident(self, writing: str, years=(1942, 2019), foreigner: bool = False, born=None) -> str:
        r = self.r
        if writing == "post2020":
            y, m, dd = corpus.random_date(r, 2020, 2024)
            if y == 2020 and m < 10:  # numbers without a check digit are issued since October 2020
                m = r.randrange(10, 13)
                dd = min(dd, corpus.days_in(y, m))
            s = f"{y % 100:02d}{m:02d}{dd:02d}{(7 if foreigner else 3) + r.randrange(2)}" + self.d(6)
            return s[:6] + "-" + s[6:]
        y, m, dd = born or corpus.random_date(r, *years)
        g = ((5 if foreigner else 1) if y < 2000 else (7 if foreigner else 3)) + r.randrange(2)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{dd:02d}{g}" + self.d(5)]
        s = "".join(map(str, d12)) + str(corpus.resident_check(d12, foreigner))
        if writing == "masked":
            return s[:6] + "-" + (s[6] + "******" if r.random() < 0.75 else "*******")
        return self.join([s[:6], s[6:]], writing)

    def foreigner_registration(self, writing: str, years=(1960, 2005)) -> str:
        return self.resident(writing, years, foreigner=True)

    def business_registration(self, writing: str, corporate: bool = False) -> str:
        r = self.r
        mid = r.choice((81, 86, 87, 88)) if corporate else r.randrange(1, 80)
        d9 = [int(c) for c in f"{r.randrange(101, 900)}{mid:02d}" + self.d(4)]
        s = "".join(map(str, d9)) + str(corpus.business_check(d9))
        if writing == "masked":
            return f"{s[:3]}-{s[3:5]}-*****"
        return self.join([s[:3], s[3:5], s[5:]], writing)

    def credit_card(self, writing: str) -> str:
        r = self.r
        if writing == "amex":
            body = [3, r.choice((4, 7))] + [int(c) for c in self.d(12)]
            s = "".join(map(str, body)) + str(corpus.luhn_check(body))
            return f"{s[:4]}-{s[4:10]}-{s[10:]}"
        body = [int(c) for c in r.choice(CARD_PREFIXES) + self.d(11)]
        s = "".join(map(str, body)) + str(corpus.luhn_check(body))
        g = [s[:4], s[4:8], s[8:12], s[12:]]
        if writing == "masked":
            sep = r.choice(("-", " "))
            if r.random() < 0.5:
                return sep.join([g[0], g[1][:2] + "**", "****", g[3]])
            return sep.join([g[0], "****", "****", g[3]])
        return self.join(g, writing)

    def bank_account(self, writing: str, bank: str = "국민") -> str:
        shape, lead = BANK_SHAPES.get(bank, ((3, 3, 6), ""))
        s = lead + self.d(sum(shape) - len(lead))
        g, i = [], 0
        for n in shape:
            g.append(s[i:i + n])
            i += n
        if writing == "masked":
            g[-1] = "*" * len(g[-1]) if len(g[-1]) <= 4 else g[-1][:-4] + "****"
            return "-".join(g)
        return self.join(g, writing)

    def phone(self, writing: str) -> str:
        r = self.r
        if writing == "landline":
            area = r.choice(("02", "031", "032", "051", "053", "042", "062", "063", "043", "055"))
            return f"{area}-{r.randrange(2, 10)}{self.d(r.choice((2, 3)))}-{self.d(4)}"
        if writing == "safe_number":
            return f"050{r.choice('4567')}-{self.d(4)}-{self.d(4)}"
        g = ["010", str(r.randrange(2, 10)) + self.d(3), self.d(4)]
        if writing == "intl_plus":
            return r.choice((f"+82-10-{g[1]}-{g[2]}", f"+82 10 {g[1]} {g[2]}", f"+8210{g[1]}{g[2]}"))
        if writing == "masked":
            return "-".join([g[0], "****", g[2]] if r.random() < 0.7 else [g[0], g[1], "****"])
        return self.join(g, writing)

    def email(self, writing: str, domain: str = "") -> str:
        r = self.r
        given, sur = r.choice(ROMAN_GIVEN), r.choice(ROMAN_SUR)
        local = r.choice((f"{given}.{sur}", f"{sur}{given}{r.randrange(1, 100)}", f"{given}{r.randrange(80, 100)}",
                          f"{given[0]}{sur}", f"{sur}_{given}"))
        domain = domain or r.choice(MAIL_DOMAINS)
        if writing == "masked":
            return f"{local[:3]}{'*' * max(3, len(local) - 3)}@{domain}"
        if writing == "obfuscated":
            return f"{local} at {domain.replace('.', ' dot ')}" if r.random() < 0.5 else \
                f"{local}(골뱅이){domain}"
        if writing == "uppercase":
            return f"{local}@{domain}".upper()
        return f"{local}@{domain}"

    def driver_license(self, writing: str) -> str:
        r = self.r
        region = r.choice(tuple(LICENSE_REGIONS))
        g = [str(region), f"{r.randrange(85, 125) % 100:02d}", self.d(6), self.d(2)]
        if writing == "region_prefixed":
            return LICENSE_REGIONS[region] + r.choice((" ", "")) + "-".join(g[1:])
        if writing == "masked":
            return f"{g[0]}-{g[1]}-******-{g[3]}"
        return self.join(g, writing)

    def birth_date(self, writing: str, years=(1945, 2012), born=None) -> str:
        y, m, dd = born or corpus.random_date(self.r, *years)
        return {
            "iso": f"{y}-{m:02d}-{dd:02d}", "dot": f"{y}.{m:02d}.{dd:02d}",
            "korean_date": f"{y}년 {m}월 {dd}일", "yymmdd": f"{y % 100:02d}{m:02d}{dd:02d}",
            "compact": f"{y}{m:02d}{dd:02d}", "slash": f"{y}/{m:02d}/{dd:02d}",
            "short_dot": f"{y % 100:02d}.{m:02d}.{dd:02d}", "spaced_dot": f"{y}. {m}. {dd}.",
        }[writing]

    def passport(self, writing: str) -> str:
        r = self.r
        if writing == "current_format":
            return r.choice("MMMSR") + self.d(3) + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") + self.d(4)
        if writing == "foreign_format":
            return r.choice((lambda: "E" + self.d(8), lambda: "C" + self.d(7), lambda: "N" + self.d(7),
                             lambda: "P" + self.d(7) + r.choice("ABC"), lambda: "5" + self.d(8)))()
        return r.choice("MMSRO") + self.d(8)

    # ------------------------------------------------------------------ look-alikes

    def negative(self, cat: str) -> str:
        r, d = self.r, self.d
        y, m, dd = corpus.random_date(r, 2019, 2026)
        if cat == "price":
            return f"{r.randrange(10, 99000) * r.choice((10, 100, 1000)):,}"
        if cat == "event_date":
            return r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}.{m:02d}.{dd:02d}", f"{y}년 {m}월 {dd}일",
                             f"{y}. {m}. {dd}.", f"{y}/{m:02d}/{dd:02d}"))
        if cat == "timestamp":
            hm = f"{r.randrange(24):02d}:{r.randrange(60):02d}"
            return r.choice((f"{y}-{m:02d}-{dd:02d} {hm}", f"{y}.{m:02d}.{dd:02d} {hm}:{r.randrange(60):02d}",
                             f"{y}-{m:02d}-{dd:02d}T{hm}:{r.randrange(60):02d}+09:00"))
        if cat == "tax_approval_number":
            return f"{y}{m:02d}{dd:02d}-{r.choice('14')}{d(7)}-{d(8)}"
        if cat == "approval_number":
            return d(8)
        if cat == "corporate_number":
            return f"{r.choice(('110111', '134811', '180111', '160111', '200111', '284411'))}-{d(7)}"
        if cat == "iban":
            return _iban(r, r.choice(BANKS_ABROAD)[2])
        if cat == "swift_code":
            return r.choice(BANKS_ABROAD + BANKS_HOME)[1]
        if cat == "payer_number":
            return d(r.choice((10, 11, 12)))
        if cat == "virtual_account":
            return r.choice((lambda: d(14), lambda: f"{d(3)}-{d(6)}-{d(5)}", lambda: f"{d(4)}-{d(3)}-{d(6)}",
                             lambda: f"5{d(3)}-{d(2)}-{d(6)}"))()
        if cat in ("office_landline", "fax_number"):
            area = r.choice(("02", "031", "032", "051", "053", "042", "062", "064", "041"))
            return f"{area}-{r.randrange(2, 10)}{d(r.choice((2, 3)))}-{d(4)}" if r.random() < 0.85 else \
                f"{area}) {r.randrange(2, 10)}{d(2)}-{d(4)}"
        if cat == "company_number":
            return r.choice((f"{r.choice(('1588', '1544', '1577', '1600', '1644', '1661', '1899'))}-{d(4)}",
                             f"080-{d(3)}-{d(4)}", f"1588{d(4)}"))
        if cat == "company_account":
            bank = r.choice(tuple(BANK_SHAPES))
            return self.bank_account("hyphen", bank)
        if cat == "tracking_number":
            return r.choice((d(12), f"{d(4)}-{d(4)}-{d(4)}", d(13), f"{d(3)}-{d(4)}-{d(4)}"))
        if cat == "car_plate":
            return r.choice((f"{r.randrange(10, 400)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주')} {d(4)}",
                             f"{r.choice(('서울', '경기', '부산', '인천'))}{r.randrange(80, 100)}{r.choice('바사아자배')}{d(4)}",
                             f"{r.randrange(10, 100)}{r.choice('하허호')}{d(4)}"))
        if cat == "vin":
            return r.choice(("KMH", "KNA", "KMF", "KPT", "WDD")) + "".join(
                r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(8)) + r.choice("LMNP") + d(6)
        if cat == "unit_number":
            return f"{r.randrange(101, 120)}동 {r.randrange(1, 25)}{r.randrange(1, 5):02d}호"
        if cat == "postal_code":
            return f"{r.randrange(1, 64):02d}{d(3)}"
        if cat == "policy_number":
            return r.choice((f"{y}{d(8)}", f"L{d(11)}", f"{d(4)}-{d(6)}-{d(4)}", f"P{y % 100}{d(9)}"))
        if cat == "patient_number":
            return r.choice((d(8), d(7), f"{y % 100}-{d(6)}"))
        if cat == "case_number":
            return r.choice((f"{y}형제{r.randrange(1000, 99999)}", f"{y}고단{r.randrange(100, 9999)}",
                             f"{y}가소{r.randrange(1000, 999999)}", f"{y}-{d(6)}", f"{y}가단{r.randrange(1000, 99999)}"))
        if cat == "receipt_number":
            return r.choice((f"{y}{m:02d}{dd:02d}-{d(4)}", f"제{y}-{d(5)}호", d(10)))
        if cat == "ticket_number":
            return r.choice((f"TKT-{y}-{d(6)}", f"SR{y % 100}{m:02d}{d(5)}", f"#{r.randrange(10000, 999999)}",
                             f"INC{d(7)}"))
        if cat == "ip_address":
            return ".".join(str(x) for x in (r.choice((10, 172, 192, 211, 121)), r.randrange(256),
                                             r.randrange(256), r.randrange(1, 255)))
        if cat == "version_number":
            return r.choice((f"{r.randrange(1, 6)}.{r.randrange(20)}.{r.randrange(30)}",
                             f"v{r.randrange(1, 4)}.{r.randrange(10)}.{r.randrange(10)}-rc{r.randrange(1, 4)}",
                             f"{y}.{m}.{r.randrange(1, 5)}"))
        if cat == "order_number":
            return r.choice((f"{y}{m:02d}{dd:02d}{d(6)}", f"ORD-{y % 100}{m:02d}-{d(5)}", d(11)))
        if cat == "merchant_number":
            return d(r.choice((9, 10)))
        if cat == "serial_number":
            return r.choice((f"{r.choice(('KIS', 'NICE', 'KSN', 'SMT'))}-{d(8)}", f"1{d(9)}", f"SN{y % 100}{d(8)}"))
        if cat == "blood_certificate":
            return f"{r.randrange(1, 20):02d}-{y % 100:02d}-{d(6)}"
        if cat == "care_number":
            return "L" + d(10)
        if cat == "agent_number":
            return r.choice((d(10), f"{y}-{d(6)}"))
        if cat == "employee_number":
            return r.choice((f"{r.randrange(2005, 2026)}{d(4)}", f"E{d(6)}"))
        if cat == "student_number":
            return f"{r.randrange(2015, 2026)}{d(r.choice((5, 6)))}"
        if cat == "barcode":
            return "880" + d(10)
        if cat == "pet_registration":
            return "41" + d(13)
        if cat == "notice_number":
            return r.choice((f"{y}-{d(5)}", f"제{y}-{r.randrange(1, 999)}호", f"JOB{d(8)}"))
        if cat == "reference_number":
            return r.choice((f"OR{y}{m:02d}{dd:02d}{d(5)}", f"TT{d(12)}", f"{y % 100}{m:02d}RM{d(6)}"))
        if cat == "extension":
            return str(r.randrange(100, 9999))
        if cat == "transaction_number":
            return r.choice((d(10), f"{d(4)}{y}{d(6)}", f"T{d(12)}"))
        if cat == "member_number":
            return r.choice((d(8), f"V{d(9)}", d(12)))
        if cat == "course_code":
            return f"{r.choice(('AS', 'CL', 'SP'))}-{y % 100}-{d(3)}"
        if cat == "expiry_date":
            y2, m2, d2 = corpus.random_date(r, 2026, 2035)
            month = "JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC".split()[m2 - 1]
            return r.choice((f"{y2}-{m2:02d}-{d2:02d}", f"{y2}.{m2:02d}.{d2:02d}", f"{d2:02d} {month} {y2}"))
        if cat == "time":
            return f"{r.randrange(7, 22):02d}:{r.choice(('00', '10', '20', '30', '40', '50'))}"
        raise ValueError(cat)


IBAN_LENGTHS = {"DE": 18, "GB": 18, "FR": 23, "NL": 14, "ES": 20, "IT": 23}


def _iban(r: random.Random, country: str) -> str:
    """An IBAN of a country with valid check digits (ISO 13616: mod 97 of the rearranged number is 1)."""
    length = IBAN_LENGTHS[country]
    bban = "".join(r.choice("0123456789") for _ in range(length))
    if country in ("GB", "NL"):
        bban = "".join(r.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(4)) + bban[4:]
    num = "".join(str(int(c, 36)) for c in bban + country + "00")
    s = f"{country}{98 - int(num) % 97:02d}{bban}"
    return " ".join(s[i:i + 4] for i in range(0, len(s), 4)) if r.random() < 0.6 else s


# Writings by setting: printed forms, scanned pages (numbers wrap), cells and key=value pairs.
FORM = {w for ws in WRITINGS.values() for w, _ in ws} - {"line_break", "hangul_numerals", "obfuscated"}
SCAN = FORM | {"line_break"}
TYPED = (FORM | {"obfuscated", "hangul_numerals"}) - {"fullwidth"}


# --------------------------------------------------------------------------- writing documents

class _Doc(_Writer):
    """A document being written: text, values and look-alikes at exact offsets."""

    def __init__(self, b: "_Builder", genre: str, frame: str) -> None:
        super().__init__(genre, PART)
        self.b, self.r, self.frame = b, b.r, f"{genre}.{frame}"

    def t(self, *pieces: str) -> None:
        for s in pieces:
            self.add(s)

    def v(self, kind: str, label: str, label_text: str, writing: str | None = None,
          allowed=FORM, **kw) -> None:
        """One value written after (or before) its label as the caller lays it out."""
        assert (label == "no_label") == (label_text == ""), (label, label_text)
        if writing is None and "line_break" in allowed and kind in WRAPS and self.r.random() < 0.2:
            writing = "line_break"  # a scanned or pasted page: the number wraps at its hyphen
        writing = writing or self.b.m.writing(kind, allowed)
        self.value(self.b.m.make(kind, writing, **kw), label, label_text, self.frame)

    def kv(self, label_text: str, kind: str, sep: str = ": ", end: str = "\n", allowed=FORM,
           writing: str | None = None, **kw) -> None:
        """`label: value`; the label situation follows from the label and the separator."""
        if label_text.isascii():
            situation = "label_english"
        else:
            situation = "label_plain" if not sep.strip() else "label_punct"
        self.add(label_text + sep)
        self.v(kind, situation, label_text, writing, allowed, **kw)
        self.add(end)

    def n(self, cat: str, text: str | None = None, phrasing: str = "") -> None:
        self.negative(cat, self.b.m.negative(cat) if text is None else text, phrasing or self.frame)

    def period(self, lo: int = 2019, hi: int = 2026) -> None:
        """Two dates of events, `start ~ end`, in order and in one format."""
        r = self.r
        a, b = sorted((corpus.random_date(r, lo, hi), corpus.random_date(r, lo, hi)))
        form = r.choice(("{y}-{m:02d}-{d:02d}", "{y}.{m:02d}.{d:02d}", "{y}. {m}. {d}.", "{y}/{m:02d}/{d:02d}"))
        self.n("event_date", form.format(y=a[0], m=a[1], d=a[2]))
        self.add(" ~ ")
        self.n("event_date", form.format(y=b[0], m=b[1], d=b[2]))

    def when(self) -> None:
        """The time of an event as a clerk writes it on a paper form."""
        r = self.r
        y, m, dd = corpus.random_date(r, 2019, 2026)
        hh, mm = r.randrange(24), r.choice((0, 10, 15, 20, 30, 40, 45, 50))
        self.n("timestamp", r.choice((f"{y}-{m:02d}-{dd:02d} {hh:02d}:{mm:02d}", f"{y}. {m}. {dd}. {hh:02d}:{mm:02d}",
                                      f"{y}년 {m}월 {dd}일 {hh}시 {mm}분")))

    def nkv(self, label_text: str, cat: str, sep: str = ": ", end: str = "\n", text: str | None = None) -> None:
        self.add(label_text + sep)
        self.n(cat, text, f"{self.frame}.{label_text}")
        self.add(end)

    def account(self, label: str, label_text: str, bank: str | None = None, allowed=FORM,
                writing: str | None = None) -> None:
        """A person's account; with label "bank_name" the bank name written before it is its label."""
        bank = bank or self.b.bank()
        if label == "bank_name":
            self.add(bank + " ")
            label_text = bank
        self.v("bank_account", label, label_text, writing, allowed, bank=bank)


class _Builder:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed)
        self.m = _Make(self.r)

    def name(self) -> str:
        return self.r.choice(SURNAMES) + self.r.choice(GIVEN)

    def masked_name(self) -> str:
        n = self.name()
        return n[0] + "*" + n[2:] if len(n) > 2 else n[0] + "*"

    def address(self) -> str:
        r = self.r
        tail = r.choice(("", f", {r.randrange(101, 120)}동 {r.randrange(1, 25)}0{r.randrange(1, 5)}호",
                         f" {r.randrange(2, 12)}층", f", {r.randrange(1, 5)}0{r.randrange(1, 9)}호"))
        return f"{r.choice(CITIES)} {r.choice(STREETS)} {r.randrange(1, 400)}{tail}"

    def company(self) -> str:
        return self.r.choice(COMPANIES)

    def bank(self) -> str:
        return self.r.choice(tuple(BANK_SHAPES))

    def won(self, lo: int = 1, hi: int = 5000, unit: int = 1000) -> str:
        return f"{self.r.randrange(lo, hi) * unit:,}"

    def today(self) -> str:
        y, m, dd = corpus.random_date(self.r, 2023, 2026)
        return self.r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}. {m}. {dd}.", f"{y}년 {m}월 {dd}일"))

    def pick(self, *options):
        return self.r.choice(options)


# --------------------------------------------------------------------------- genres: businesses

def tax_invoice(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("box", "notice_mail", "scan")
    d = _Doc(b, "tax_invoice", frame)
    sup, buy = b.company(), b.company()
    if frame == "box":
        d.t(b.pick("전자세금계산서", "세 금 계 산 서", "전자세금계산서(공급받는자 보관용)"), "\n")
        d.nkv("승인번호", "tax_approval_number", " ")
        for side in ("공급자", "공급받는자"):
            d.t(f"[{side}]\n")
            d.t(" ")
            d.kv("등록번호", "business_registration", sep=b.pick(" │ ", " | "), corporate=r.random() < 0.4)
            d.t(f" 상호(법인명) │ {sup if side == '공급자' else buy} │ 성명 │ {b.name()}\n")
            d.t(f" 사업장 주소 │ {b.address()}\n 업태 │ {b.pick('제조', '도소매', '서비스')} │ 종목 │ "
                f"{b.pick('금속가공', '식자재', '인쇄', '소프트웨어')}\n")
            if r.random() < 0.7:
                d.t(" ")
                d.kv("이메일", "email", sep=" │ ", domain=r.choice(COMPANY_DOMAINS + MAIL_DOMAINS))
        d.t("작성일자 │ ")
        d.n("event_date")
        d.t(" │ 공급가액 │ ")
        d.n("price")
        d.t(" │ 세액 │ ")
        d.n("price")
        d.t(f"\n월 일 │ 품목 │ 수량 │ 단가 │ 공급가액\n{r.randrange(1, 13)} {r.randrange(1, 29)} │ "
            f"{r.choice(ITEMS)} │ {r.randrange(1, 50)} │ ")
        d.n("price")
        d.t(" │ ")
        d.n("price")
        d.t(f"\n이 금액을 ({b.pick('영수', '청구')})함\n")
    elif frame == "notice_mail":
        d.t(f"제목: [{sup}] 전자세금계산서 발급 안내\n\n{buy} 담당자님 안녕하세요.\n"
            f"{sup}에서 전자세금계산서를 발급하였습니다.\n\n")
        d.kv("- 공급자 등록번호", "business_registration")
        d.kv("- 공급받는자 등록번호", "business_registration", corporate=r.random() < 0.5)
        d.nkv("- 승인번호", "tax_approval_number")
        d.nkv("- 작성일자", "event_date")
        d.nkv("- 합계금액", "price", end="원\n")
        d.t(f"\n문의사항은 아래 담당자에게 연락 주시기 바랍니다.\n담당: {b.name()} {b.pick('과장', '대리', '주임')} ")
        d.v("phone", "label_above", "문의사항은 아래 담당자에게 연락", writing=b.pick("landline", "hyphen"))
        d.t(" / ")
        d.v("email", "label_above", "문의사항은 아래 담당자에게 연락", domain=r.choice(COMPANY_DOMAINS))
        d.t("\n대표전화 ")
        d.n("office_landline")
        d.t(" · 팩스 ")
        d.n("fax_number")
        d.t("\n본 메일은 발신 전용입니다.\n")
    else:
        d.t("세금계산서 (공급자 보관용)   책번호  권  호\n공급자 등록번호 ")
        d.v("business_registration", "label_plain", "공급자 등록번호", allowed=SCAN)
        d.t(f"  상호 {sup}\n성명 {b.name()}  사업장주소 {b.address()}\n공급받는자 등록\n번호 ")
        d.v("business_registration", "label_plain", "공급받는자 등록\n번호", allowed=SCAN)
        d.t(f"  상호 {buy}\n작성 ")
        d.n("event_date")
        d.t("  공급가액 ")
        d.n("price")
        d.t("  세액 ")
        d.n("price")
        d.t("\n비고: 승인번호 ")
        d.n("tax_approval_number")
        d.t("\n")
    return d.document()


def transaction_statement(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("grid", "plain", "mail")
    d = _Doc(b, "transaction_statement", frame)
    sup = b.company()
    if frame == "mail":
        d.t(f"{b.name()} 사장님, {sup} {b.name()}입니다.\n{b.pick('이번 달', '11월', '지난주')} 납품분 거래명세서 보내드립니다.\n"
            "금액 확인하시고 결제는 아래 계좌로 부탁드립니다.\n")
        d.t(f"{b.pick('입금계좌', '결제계좌')}: ")
        d.n("company_account")
        d.t(f" ({sup})\n합계 ")
        d.n("price")
        d.t("원 (VAT 포함)\n제 휴대폰은 ")
        d.v("phone", "in_sentence", "제 휴대폰은", writing="hyphen")
        d.t(" 입니다. 감사합니다.\n")
        return d.document()
    d.t(f"거 래 명 세 서 ({b.pick('공급받는자용', '공급자용')})\nNo. ")
    d.n("receipt_number")
    d.t("\n")
    sep = " | " if frame == "grid" else "  "
    d.t(f"공급자{sep}")
    d.kv("등록번호", "business_registration", sep=sep if frame == "grid" else " ", end="")
    d.t(f"{sep}상호 {sup}{sep}대표 {b.name()}\n{sep}주소 {b.address()}\n{sep}TEL ")
    d.n("office_landline")
    d.t(f"{sep}FAX ")
    d.n("fax_number")
    d.t(f"\n공급받는자{sep}{b.company()} 귀하{sep}")
    if r.random() < 0.6:
        d.kv("사업자번호", "business_registration", sep=" ", end="")
    d.t("\n거래일자 ")
    d.n("event_date")
    d.t(f"\n품목코드{sep}품명{sep}수량{sep}단가{sep}금액\n")
    for _ in range(r.randrange(2, 5)):
        d.n("barcode")
        d.t(f"{sep}{r.choice(ITEMS)}{sep}{r.randrange(1, 99)}{sep}")
        d.n("price")
        d.t(sep)
        d.n("price")
        d.t("\n")
    d.t("합계 ")
    d.n("price")
    d.t("\n")
    if r.random() < 0.5:
        d.t(f"배송기사 {b.name()} ")
        d.v("phone", "label_plain", "배송기사", allowed={"hyphen", "plain", "dot"})
    d.t("   인수자 ________ (인)\n")
    return d.document()


def merchant_application(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("form", "checklist")
    d = _Doc(b, "merchant_application", frame)
    bank = b.bank()
    d.t(b.pick("신용카드 가맹점 가입신청서", "카드단말기 가맹 신청서 (개인사업자)", "가맹점 신규 등록 신청서"), "\n")
    if frame == "form":
        d.t(f"■ 사업자 정보\n상호: {b.company()}\n")
        d.kv("사업자등록번호", "business_registration")
        d.nkv("개업일자", "event_date")
        d.t(f"업종: {b.pick('일반음식점', '카페', '소매(의류)', '미용실', '편의점')}\n사업장 전화: ")
        d.n("office_landline")
        d.t(f"\n■ 대표자 정보\n성명: {b.name()}\n")
        d.kv(b.pick("생년월일", "대표자 생년월일"), "birth_date", years=(1955, 2000))
        d.kv(b.pick("휴대폰", "휴대전화", "H.P"), "phone", allowed={"hyphen", "plain", "dot", "spaced"})
        if r.random() < 0.5:
            d.kv("E-mail", "email")
        d.t(f"■ 정산 계좌 (대표자 또는 사업자 명의)\n은행: {bank}\n")
        d.t("계좌번호: ")
        d.v("bank_account", "label_punct", "계좌번호", bank=bank)
        d.t(f"\n예금주: {b.name()}\n")
    else:
        d.t(f"□ 상호 {b.company()}  □ 사업자번호 ")
        d.v("business_registration", "label_plain", "사업자번호")
        d.t(f"\n□ 대표자 {b.name()} (")
        d.v("birth_date", "trailing_label", "생", writing=b.pick("yymmdd", "short_dot"), years=(1955, 2000))
        d.t("생)\n□ 연락처 ")
        d.v("phone", "label_plain", "연락처")
        d.t("\n□ 입금계좌 ")
        d.account("bank_name", "")
        d.t("\n")
    d.t(f"■ 단말기\n모델: {b.pick('KIS-1900', 'NICE-T20', 'SMT-Q200')}  S/N: ")
    d.n("serial_number")
    d.t(f"\nVAN: {b.pick('KIS정보통신', 'NICE', 'KSNET')}  가맹점번호: ")
    d.n("merchant_number")
    d.t("\n")
    if r.random() < 0.5:
        d.t(f"담당 영업 {b.name()} ")
        d.v("phone", "label_plain", "담당 영업", writing="hyphen")
        d.t("\n")
    d.t("카드사 심사 후 3~5영업일 내 개통됩니다.\n")
    return d.document()


def quick_freight(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("quick_chat", "waybill", "freight_order")
    d = _Doc(b, "quick_freight", frame)
    if frame == "quick_chat":
        d.t(f"[퀵 접수] {b.pick('오토바이', '다마스', '라보')} / {b.pick('급송', '일반')}\n출발: {b.address()}\n")
        d.t(f"보내는분 {b.name()} ")
        if r.random() < 0.7:
            d.v("phone", "label_plain", "보내는분", allowed={"hyphen", "plain", "landline"})
        else:
            d.t("(사무실)")
        d.t(f"\n도착: {b.address()}\n받는분 {b.name()} ")
        if r.random() < 0.6:
            d.v("phone", "label_plain", "받는분", allowed={"hyphen", "plain", "safe_number"})
        else:
            d.t("(도착 시 경비실)")
        d.t(f"\n물품: {b.pick('서류봉투 1', '쇼핑백 2', '소형박스 1')}  요금 ")
        d.n("price")
        d.t(f"원 {b.pick('착불', '선불', '신용')}\n접수번호 ")
        d.n("receipt_number")
        d.t("\n기사님 배정되면 문자 드릴게요\n")
    elif frame == "waybill":
        d.t(f"{b.pick('화물 운송장', '택배 운송장', '운송장(화물)')}\n운송장번호 ")
        d.n("tracking_number")
        d.t(f"\n보내는 분: {b.company()}  ☎ ")
        d.n("office_landline")
        d.t(f"\n받는 분: {b.name()}\n")
        d.kv(b.pick("전화", "연락처", "TEL"), "phone", allowed={"hyphen", "masked", "plain"})
        d.t(f"주소: {b.address()} (")
        d.n("postal_code")
        d.t(f")\n품명: {r.choice(ITEMS)}  수량 {r.randrange(1, 9)}  운임 ")
        d.n("price")
        d.t("\n")
    else:
        d.t(f"화물 배차 요청\n상차지 {b.address()} / 상차 담당 {b.name()} 과장 ")
        d.v("phone", "label_plain", "상차 담당", writing=b.pick("hyphen", "landline"))
        d.t(f"\n하차지 {b.address()} / 인수자 {b.name()}")
        if r.random() < 0.5:
            d.t(" ")
            d.v("phone", "label_plain", "인수자", writing="hyphen")
        d.t(f"\n{b.pick('1톤', '2.5톤', '5톤 윙바디')} 배차 완료: 차량 ")
        d.n("car_plate")
        d.t(f" 기사 {b.name()} ")
        d.v("phone", "label_plain", "기사", writing="hyphen")
        d.t("\n운임 ")
        d.n("price")
        d.t("원 (부가세 별도)  세금계산서 발행 사업자 ")
        d.v("business_registration", "label_plain", "세금계산서 발행 사업자")
        d.t("\n")
    return d.document()


def job_posting(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("shop", "company", "board")
    d = _Doc(b, "job_posting", frame)
    if frame == "shop":
        d.t(f"[{b.pick('알바', '구인')}] {b.pick('카페', '편의점', '고깃집', '베이커리')} {b.pick('주말', '평일 오전', '야간')} 직원 구합니다\n"
            f"근무지: {b.address()}\n근무시간 ")
        d.n("time")
        d.t(" ~ ")
        d.n("time")
        d.t("\n시급 ")
        d.n("price", f"{r.randrange(1003, 1400) * 10:,}")
        d.t("원 (주휴수당 별도)\n")
        if r.random() < 0.5:
            d.t("지원: 문자로 이름/나이/가능 요일 보내주세요 ")
            d.v("phone", "in_sentence", "지원: 문자로", allowed={"hyphen", "plain", "safe_number"})
        else:
            sym = b.pick("☎ ", "📞 ", "✆ ")
            d.t(sym)
            d.v("phone", "label_symbol", sym.strip(), allowed={"hyphen", "safe_number"})
        d.t(f" ({b.pick('사장', '점장', '매니저')})\n")
        if r.random() < 0.5:
            d.kv("사업자등록번호", "business_registration")
    elif frame == "company":
        d.t(f"{b.company()} {b.pick('생산직', '물류 사무직', '경리', '영업관리')} 채용 공고\n공고번호 ")
        d.n("notice_number")
        d.t("\n접수기간: ")
        d.period()
        d.t("\n급여: 월 ")
        d.n("price")
        d.t(f"원\n제출서류: 이력서, 자기소개서 (이메일 접수)\n인사담당 {b.name()} 대리 ")
        d.v("phone", "label_plain", "인사담당", writing="landline")
        d.t(" (내선 ")
        d.n("extension")
        d.t(")  ")
        d.v("email", "label_plain", "인사담당", domain=r.choice(COMPANY_DOMAINS))
        d.t("\n대표전화 ")
        d.n("office_landline")
        d.t("\n")
    else:
        d.t(f"[{b.pick('지역 커뮤니티', '당근 알바', '동네 게시판')}] 가게 일손 구해요\n"
            f"{b.pick('설거지', '홀서빙', '포장')} 하실 분 찾습니다. 일당 ")
        d.n("price")
        d.t("원\n관심 있으신 분은 ")
        # boards that hide telephone numbers get them in Hangul numerals
        d.v("phone", "in_sentence", "관심 있으신 분은", writing=b.pick("hyphen", "plain", "spaced", "hangul_numerals"))
        d.t(" 로 연락 주세요. 사업자 ")
        d.v("business_registration", "label_plain", "사업자")
        d.t("\n")
    return d.document()


def parttime_application(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("sheet", "message", "foreign_student", "rider")
    d = _Doc(b, "parttime_application", frame)
    if frame == "foreign_student":
        d.t(f"Part-time Application / 아르바이트 지원서\nName: {r.choice(FOREIGN_NAMES)}\n"
            f"학교: {b.pick('한국외대', '경희대', '부경대')} 어학당  체류자격 D-{b.pick('2', '4')}\n")
        d.kv(b.pick("외국인등록번호 (ARC)", "ARC No.", "외국인등록번호"), "foreigner_registration")
        d.kv(b.pick("여권번호", "Passport"), "passport", writing="foreign_format")
        d.kv(b.pick("Phone", "전화번호"), "phone", allowed={"hyphen", "plain"})
        d.nkv(b.pick("체류기간 만료일", "Stay expires"), "expiry_date")
        d.t("시간제취업 허가: 신청 예정\n")
        return d.document()
    if frame == "rider":
        d.t(f"배달 라이더 지원서 ({b.pick('배민커넥트', '쿠팡이츠', '동네 배달대행')})\n이름: {b.name()}\n")
        d.kv("연락처", "phone", allowed={"hyphen", "plain"})
        d.kv(b.pick("운전면허번호 (2종 소형/원동기)", "면허번호"), "driver_license")
        d.t("운행 수단: ")
        d.t(b.pick("오토바이 ", "전기자전거 ", "자차 "))
        d.n("car_plate")
        d.t("\n정산 계좌: ")
        d.account("bank_name", "")
        d.t("\n지원일 ")
        d.n("event_date")
        d.t("\n")
        return d.document()
    if frame == "sheet":
        d.t(f"아르바이트 지원서\n지원 매장: {b.pick('강남역점', '서면점', '동성로점')} (매장 ")
        d.n("office_landline")
        d.t(f")\n이름: {b.name()}\n")
        d.kv(b.pick("생년월일", "생년월일(만 나이)"), "birth_date", years=(1995, 2008))
        d.kv(b.pick("연락처", "휴대폰"), "phone", allowed={"hyphen", "plain"})
        if r.random() < 0.6:
            d.kv("이메일", "email")
        d.t(f"주소: {b.address()}\n보건증: {b.pick('있음', '없음(발급 예정)')}\n")
        d.t("급여 받을 계좌: ")
        d.account("bank_name", "")
        d.t(" (본인 명의)\n")
        if r.random() < 0.4:
            d.kv("주민등록번호(4대보험 가입용)", "resident", years=(1995, 2006))
        d.t("경력: 편의점 6개월  희망 시급 ")
        d.n("price")
        d.t("원\n")
    else:
        d.t("안녕하세요 공고(")
        d.n("notice_number")
        d.t(f") 보고 연락드려요!\n저는 {b.name()}이고 ")
        d.v("birth_date", "trailing_label", "생", writing="yymmdd", years=(1998, 2007))
        d.t("생이에요. 주말 근무 가능합니다.\n번호는 ")
        d.v("phone", "in_sentence", "번호는", allowed={"hyphen", "plain"})
        d.t(" 이고 메일은 ")
        d.v("email", "in_sentence", "메일은")
        d.t(" 입니다.\n면접 가능한 시간 알려주세요~\n")
    return d.document()


# --------------------------------------------------------------------------- genres: tax and payroll

def year_end_dependants(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("pipe", "tab", "fixed")
    d = _Doc(b, "year_end_dependants", frame)
    d.t(f"{r.randrange(2022, 2026)}년 귀속 연말정산 {b.pick('부양가족 명세', '인적공제 명세서', '부양가족 공제 신고')}\n"
        f"소속 {b.pick('생산1팀', '재무팀', '영업본부', '품질관리팀')}  사번 ")
    d.n("employee_number")
    d.t(f"  성명 {b.name()}\n")
    header = b.pick("주민등록번호", "주민(외국인)등록번호", "주민번호")
    sep = {"pipe": " | ", "tab": "\t", "fixed": "   "}[frame]
    d.t(sep.join(("관계", "성명", "내/외국인", header, "기본공제", "비고")) + "\n")
    column = b.m.writing("resident", (COMPACT if frame != "fixed" else SCAN) - {"post2020", "line_break"})
    rows = [("본인", (1965, 1995))] + [(rel, None) for rel in r.sample(RELATIONS, r.randrange(1, 5))]
    for rel, years in rows:
        if rel in ("모", "부", "장인", "장모"):
            years = (1935, 1962)
        elif rel in ("자녀", "손자"):
            years = (2003, 2019)
        elif years is None:
            years = (1965, 1998)
        foreign = rel == "배우자" and r.random() < 0.4
        d.t(sep.join((rel, b.name(), "외국인" if foreign else "내국인")) + sep)
        if foreign:
            d.v("foreigner_registration", "column_header", header, writing=column)
        elif rel in ("자녀", "손자") and column == "hyphen" and r.random() < 0.5:
            d.v("resident", "column_header", header, writing="post2020")
        else:
            d.v("resident", "column_header", header, writing=column, years=years)
        d.t(sep + b.pick("○", "O", "") + sep + b.pick("", "장애인", "20세 이하", "경로우대") + "\n")
    d.t("위 내용이 사실과 다름이 없음을 확인합니다.  제출일 ")
    d.n("event_date")
    d.t("\n")
    return d.document()


def withholding_receipt(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("numbered", "plain")
    d = _Doc(b, "withholding_receipt", frame)
    d.t(b.pick("[별지 제24호서식(1)] 근로소득 원천징수영수증", "근로소득 원천징수영수증 (소득자 보관용)",
               "사업소득 원천징수영수증"), "\n")
    if frame == "numbered":
        d.t(f"징수의무자  ① 법인명(상호) {b.company()}  ② 대표자(성명) {b.name()}\n")
        d.kv("            ③ 사업자등록번호", "business_registration", sep=" ", end="",
             corporate=r.random() < 0.7, allowed=SCAN)
        d.t("  ④ 주민등록번호 (법인등록번호) ")
        d.n("corporate_number")
        d.t(f"\n            ⑤ 소재지(주소) {b.address()}\n소득자      ⑥ 성명 {b.name()}  ")
        d.kv("⑦ 주민등록번호", "resident", sep=" ", end="", allowed=SCAN - {"post2020"}, years=(1960, 2002))
        d.t(f"\n            ⑧ 주소 {b.address()}\n")
    else:
        d.t(f"회사명: {b.company()}\n")
        d.kv("사업자번호", "business_registration")
        d.t(f"성명: {b.name()}\n")
        d.kv(b.pick("주민등록번호", "주민번호"), "resident", allowed=FORM - {"post2020"}, years=(1960, 2002))
    d.t("근무기간 ")
    d.period()
    d.t("\n급여 ")
    d.n("price")
    d.t("  상여 ")
    d.n("price")
    d.t("  결정세액 ")
    d.n("price")
    d.t("\n위의 원천징수액(근로소득)을 정히 영수(지급)합니다.  ")
    d.n("event_date")
    d.t("\n")
    return d.document()


def social_insurance(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("acquire", "lose", "foreign_hire")
    d = _Doc(b, "social_insurance", frame)
    if frame == "foreign_hire":
        d.t(f"{b.pick('외국인근로자 고용변동 신고서', '외국인근로자 근로개시 신고')}\n사업장: {b.company()}  ")
        d.kv("사업자등록번호", "business_registration", sep=" ")
        header_arc, header_pp = b.pick("외국인등록번호", "등록번호"), b.pick("여권번호", "여권 번호")
        d.t(f"성명 | 국적 | {header_arc} | {header_pp} | 입국일\n")
        arc_writing = b.m.writing("foreigner_registration", COMPACT)
        for _ in range(r.randrange(1, 4)):
            d.t(" | ".join(r.choice(FOREIGN_WORKERS)) + " | ")
            d.v("foreigner_registration", "column_header", header_arc, writing=arc_writing)
            d.t(" | ")
            d.v("passport", "column_header", header_pp, writing="foreign_format")
            d.t(" | ")
            d.n("event_date")
            d.t("\n")
        d.t("고용센터 ")
        d.n("office_landline")
        d.t("\n")
        return d.document()
    d.t(b.pick("사업장가입자 자격취득 신고서 (국민연금·건강보험·고용보험·산재보험)",
               "4대보험 자격취득 신고") if frame == "acquire" else
        b.pick("사업장가입자 자격상실 신고서", "4대보험 상실신고"), "\n")
    d.t(f"사업장 명칭: {b.company()}\n")
    d.kv("사업자등록번호", "business_registration", corporate=r.random() < 0.5)
    d.t("전화번호: ")
    d.n("office_landline")
    d.t("  팩스: ")
    d.n("fax_number")
    header = b.pick("주민등록번호(외국인등록번호)", "주민(외국인)등록번호", "주민등록번호")
    cols = ["성명", header, "국적", "체류자격", "월 소득액", "취득일" if frame == "acquire" else "상실일"]
    d.t("\n" + " | ".join(cols) + "\n")
    arc_writing = b.m.writing("foreigner_registration", COMPACT)  # one writing per column
    rrn_writing = {"masked": "masked"}.get(arc_writing, b.m.writing("resident", COMPACT - {"post2020", "masked"}))
    for _ in range(r.randrange(1, 5)):
        foreign = r.random() < 0.5
        if foreign:
            who, nation = r.choice(FOREIGN_WORKERS)
            d.t(f"{who} | ")
            d.v("foreigner_registration", "column_header", header, writing=arc_writing)
            d.t(f" | {nation} | {b.pick('E-9', 'H-2', 'F-4', 'E-7')} | ")
        else:
            d.t(f"{b.name()} | ")
            d.v("resident", "column_header", header, writing=rrn_writing, years=(1960, 2005))
            d.t(" | 대한민국 | - | ")
        d.n("price")
        d.t(" | ")
        d.n("event_date")
        d.t("\n")
    d.t(f"신고인(사용자·대표자) {b.name()} (서명)\n담당자 {b.name()} ")
    d.v("phone", "label_plain", "담당자", allowed={"hyphen", "landline"})
    d.t("\n")
    return d.document()


def overseas_remittance(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("bilingual", "foreign_worker", "foreign_worker")
    d = _Doc(b, "overseas_remittance", frame)
    d.t(b.pick("해외송금 신청서 (Outward Remittance Application)", "당발송금 신청서", "해외송금 신청서"), "\n")
    d.t("[송금인 Remitter]\n")
    if frame == "bilingual":
        given = r.choice(ROMAN_GIVEN).upper()
        d.t(f"성명 Name: {b.name()} / {r.choice(ROMAN_SUR).upper()} {given}\n")
        d.kv(b.pick("주민등록번호 / Resident No.", "실명번호"), "resident", allowed=FORM - {"post2020"})
        if r.random() < 0.5:
            d.kv(b.pick("여권번호 Passport No.", "Passport No."), "passport", allowed={"old_format", "current_format"})
        d.t("출금계좌 Debit A/C: ")
        d.account("bank_name", "")
        d.t("\n")
        d.kv(b.pick("연락처 Tel", "Mobile"), "phone", allowed={"hyphen", "intl_plus"})
        purpose = b.pick("유학생 송금 (Tuition)", "해외 체재비", "증여성 송금")
    else:
        d.t(f"Name: {r.choice(FOREIGN_WORKERS)[0]}\n")
        d.kv(b.pick("외국인등록번호 ARC No.", "ARC No.", "외국인등록번호"), "foreigner_registration",
             allowed=FORM - {"line_break"})
        d.kv(b.pick("여권번호 Passport No.", "Passport No."), "passport", writing="foreign_format")
        d.kv(b.pick("급여계좌 Salary A/C", "출금계좌"), "bank_account", bank=b.bank())
        d.kv("Phone", "phone", allowed={"hyphen", "plain", "intl_plus"})
        purpose = b.pick("급여 송금 (Salary)", "가족 생활비 (Family support)")
    if frame == "bilingual":
        bank, swift, country = r.choice(BANKS_ABROAD)
        d.t(f"[수취인 Beneficiary]\nName: {r.choice(FOREIGN_NAMES)}\nAccount No. / IBAN: ")
        d.n("iban", _iban(r, country))
        currency = b.pick("EUR", "GBP") if country == "GB" else "EUR"
    else:
        bank, swift, currency = r.choice(BANKS_HOME)
        d.t(f"[수취인 Beneficiary]\nName: {r.choice(FOREIGN_WORKERS)[0]} (등록 수취인 ")
        d.n("reference_number")
        d.t(")\n")
    d.t("SWIFT (BIC): ")
    d.n("swift_code", swift)
    d.t(f"\nBank: {bank}\n송금액 Amount: {currency} ")
    d.n("price", f"{r.randrange(100, 9000):,}.00" if currency in ("USD", "EUR", "GBP") else None)
    d.t(f"\n송금사유: {purpose}\n참조번호 Ref. No.: ")
    d.n("reference_number")
    d.t("\n")
    return d.document()


def cms_autotransfer(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("personal", "either", "card")
    d = _Doc(b, "cms_autotransfer", frame)
    biller = b.pick("한울정수기 렌탈", "새봄학습지", "누리 도시가스", "튼튼 태권도장", "온라인 영어 월회비")
    d.t(f"{b.pick('CMS 자동이체 출금 동의서', '자동이체 신청서 (CMS)', '출금이체 동의서')}\n이용기관: {biller} (")
    d.v("business_registration", "no_label", "", allowed={"hyphen"})
    d.t(")\n고객센터 ")
    d.n("company_number")
    d.t("\n납부자번호: ")
    d.n("payer_number")
    if frame == "card":
        d.t(f"\n[카드 자동납부 정보]\n카드사: {b.pick('신한카드', '삼성카드', 'KB국민카드', '현대카드', '롯데카드')}\n")
        d.kv(b.pick("카드번호", "결제카드번호"), "credit_card", allowed={"hyphen", "spaced", "plain"})
        d.t(f"유효기간: {r.randrange(1, 13):02d}/{r.randrange(26, 31)}\n카드 소유주: {b.name()}\n")
        d.kv("소유주 생년월일", "birth_date", writing="yymmdd", years=(1950, 2004))
        d.t("월 납부액 ")
        d.n("price")
        d.t("원\n")
        return d.document()
    bank = b.bank()
    d.t(f"\n[출금계좌 정보]\n은행명: {bank}\n")
    d.kv(b.pick("계좌번호", "출금계좌번호"), "bank_account", bank=bank)
    d.t(f"예금주: {b.name()}\n")
    if frame == "personal":
        d.kv(b.pick("예금주 생년월일(6자리)", "생년월일"), "birth_date", writing=b.pick("yymmdd", "yymmdd", "dot"),
             years=(1950, 2004))
    else:
        d.t("예금주 생년월일(개인) / 사업자번호(법인): ")
        if r.random() < 0.6:
            d.v("birth_date", "label_punct", "예금주 생년월일(개인) / 사업자번호(법인)", writing="yymmdd",
                years=(1950, 2004))
        else:
            d.v("business_registration", "label_punct", "예금주 생년월일(개인) / 사업자번호(법인)")
        d.t("\n")
    d.kv(b.pick("예금주 연락처", "휴대폰"), "phone", allowed={"hyphen", "plain"})
    if r.random() < 0.4:
        d.kv(b.pick("청구서 수신 이메일", "이메일 청구서"), "email")
    d.t(f"출금일: 매월 {b.pick('5', '10', '15', '25')}일  월 납부액 ")
    d.n("price")
    d.t("원\n신청일 ")
    d.n("event_date")
    d.t("  신청인 ________ (서명)\n")
    return d.document()


def insurance_design(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("sheet", "summary", "car")
    d = _Doc(b, "insurance_design", frame)
    d.t(f"{b.pick('보험 가입 설계서', '가입설계서 (상품설명용)', '보장분석 설계안')}  ({b.pick('무배당 건강보험', '종신보험', '어린이보험', '암보험')})\n")
    d.nkv(b.pick("설계번호", "가입설계번호"), "policy_number")
    if frame == "sheet":
        d.t(f"계약자 {b.name()}  ")
        d.kv("생년월일", "birth_date", sep=" ", end="", writing=b.pick("dot", "iso", "yymmdd"), years=(1960, 1998))
        d.t(f"\n피보험자 {b.name()}  ")
        d.kv(b.pick("주민번호", "주민등록번호"), "resident", sep=" ", end="", writing=b.pick("masked", "hyphen"))
        d.t(f"  ({b.pick('남', '여')}, 만 {r.randrange(1, 60)}세)\n")
    elif frame == "summary":
        d.t(f"피보험자: {b.name()} (")
        d.v("birth_date", "trailing_label", "생", writing=b.pick("yymmdd", "short_dot"), years=(1960, 2020))
        d.t(f"생, 상해급수 {r.randrange(1, 4)}급)\n")
    else:
        d.t(f"자동차보험 갱신 설계 (운전자 범위: {b.pick('부부한정', '1인 한정', '가족한정')})\n기명피보험자 {b.name()}\n")
        d.kv(b.pick("운전면허번호", "면허번호"), "driver_license")
        d.kv("생년월일", "birth_date", allowed={"dot", "iso", "yymmdd"}, years=(1955, 2002))
        if r.random() < 0.6:
            d.t(f"추가 운전자 {b.name()} ")
            d.kv("면허", "driver_license", sep=" ", allowed={"hyphen", "region_prefixed"})
        d.t("차량 ")
        d.n("car_plate")
        d.t("\n")
    d.t("월 보험료 ")
    d.n("price")
    d.t("원  납입기간 20년납 100세만기\n")
    if r.random() < 0.5:
        d.kv(b.pick("보험료 카드 자동납부", "납입 카드"), "credit_card", allowed={"masked", "hyphen"})
    if r.random() < 0.5:
        d.kv(b.pick("계약자 이메일 (증권 수령)", "전자증권 수신 메일"), "email")
    d.t("기존 계약 증권번호 ")
    d.n("policy_number")
    d.t(f"\n담당 설계사 {b.name()} (등록번호 ")
    d.n("agent_number")
    d.t(")")
    if r.random() < 0.7:
        d.t("  ")
        d.v("phone", "label_plain", "담당 설계사", allowed={"hyphen", "plain", "safe_number"})
    d.t("\n지점 ")
    d.n("office_landline")
    d.t("\n본 설계서는 계약 체결 전 참고용입니다.\n")
    return d.document()


def bank_history(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("pipe", "tab")
    d = _Doc(b, "bank_history", frame)
    bank = b.pick("iM뱅크", "광주은행", "경남은행", "부산은행", "새마을금고", "신협", "수협")
    d.t(f"{bank} 거래내역조회\n조회계좌: ")
    d.v("bank_account", "label_punct", "조회계좌", writing=b.pick("hyphen", "masked"), bank=bank)
    d.t(f"  예금주: {b.name()}\n조회기간: ")
    d.period()
    sep = " | " if frame == "pipe" else "\t"
    d.t("\n" + sep.join(("거래일시", "적요", "출금", "입금", "잔액", "내용")) + "\n")
    y, m = r.randrange(2021, 2026), r.randrange(1, 13)
    form = r.choice(("{y}.{m:02d}.{d:02d} {t}", "{y}-{m:02d}-{d:02d} {t}", "{y}/{m:02d}/{d:02d}\t{t}"))
    days = sorted(r.randrange(1, corpus.days_in(y, m) + 1) for _ in range(r.randrange(4, 9)))
    for day in days:  # one export, one way of writing its times, oldest first
        t = f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}"
        d.n("timestamp", form.format(y=y, m=m, d=day, t=t))
        kind = r.random()
        d.t(sep + b.pick("타행이체", "인터넷", "모바일", "FB이체", "ATM") + sep)
        d.n("price")
        d.t(sep + sep)
        d.n("price")
        d.t(sep)
        if kind < 0.4:
            d.t(b.name() + " ")
            d.account("bank_name", "", bank=b.bank(), allowed={"hyphen", "plain"})
        elif kind < 0.55:  # the transfer's counterparty: name and account, no bank
            d.t(b.name() + " ")
            d.v("bank_account", "no_label", "", allowed={"hyphen"}, bank=b.bank())
        elif kind < 0.7:
            d.t(b.pick("급여 ", "월급 ") + b.company())
        elif kind < 0.85:
            d.t(b.pick("CMS ", "자동이체 ") + b.pick("한울정수기", "도시가스", "KT통신"))
        else:
            d.t(b.pick("카드대금 ", "체크결제 ") + b.pick("신한카드", "BC카드", "롯데카드"))
        d.t("\n")
    d.t("※ 본 내역은 고객이 조회한 시점 기준이며 증명용으로 사용할 수 없습니다.\n")
    return d.document()


# --------------------------------------------------------------------------- genres: care and school

def hospital_admission(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("agreement", "consent")
    d = _Doc(b, "hospital_admission", frame)
    if frame == "agreement":
        d.t(f"{b.pick('입 원 약 정 서', '입원약정서', '입원 서약서')}\n환자 성명: {b.name()}   등록번호: ")
        d.n("patient_number")
        d.t(f"   병동/호실: {r.randrange(3, 12)}병동 {r.randrange(1, 12)}{r.randrange(1, 30):02d}호\n")
        if r.random() < 0.3:
            d.kv(b.pick("외국인등록번호", "외국인등록번호(외국인)"), "foreigner_registration")
            d.kv(b.pick("여권번호", "Passport No."), "passport")
        else:
            d.kv(b.pick("주민등록번호", "주민번호"), "resident", writing=b.pick("hyphen", "masked", "hyphen", "spaced"))
        d.t(f"주소: {b.address()}\n입원일: ")
        d.n("event_date")
        d.t(f"\n\n[보호자 겸 연대보증인]\n성명: {b.name()}   환자와의 관계: {b.pick('자', '녀', '배우자', '형제')}\n")
        d.kv("주민등록번호", "resident", allowed=SCAN - {"post2020"}, years=(1955, 2000))
        d.t(f"주소: {b.address()}\n")
        if r.random() < 0.4:
            d.kv(b.pick("자택 전화", "전화(자택)"), "phone", writing="landline")
        d.kv(b.pick("휴대전화", "휴대폰"), "phone", allowed={"hyphen", "plain", "dot"})
        if r.random() < 0.5:
            d.kv("직장 전화", "phone", writing="landline", end="")
            d.t(" 내선 ")
            d.n("extension")
            d.t("\n")
        if r.random() < 0.4:
            d.t("입원보증금 카드 결제 ")
            d.v("credit_card", "label_plain", "카드 결제", writing=b.pick("masked", "hyphen"))
            d.t("\n")
        d.t("위 본인은 귀 병원에 입원함에 있어 병원 규칙을 준수하며 진료비 등 일체의 채무에 대하여 "
            "연대보증인과 연대하여 책임을 지겠습니다.\n")
    else:
        d.t(f"{b.pick('보호자 동의서', '수술·시술 동의서 (보호자용)', '보호자 확인서')}\n환자: {b.name()} (")
        d.v("birth_date", "trailing_label", "생", writing=b.pick("yymmdd", "dot"), years=(1935, 2015))
        d.t("생)  병록번호 ")
        d.n("patient_number")
        d.t(f"\n수술명: {b.pick('복강경 담낭절제술', '인공관절 치환술', '백내장 수술')}  예정일 ")
        d.n("event_date")
        d.t(f"\n보호자 성명 {b.name()} (관계: {b.pick('아들', '딸', '배우자', '며느리')})\n보호자 연락처 ")
        d.v("phone", "label_plain", "보호자 연락처", allowed={"hyphen", "plain", "spaced"})
        if r.random() < 0.5:
            d.t(" / 보조 연락처 ")
            d.v("phone", "label_plain", "보조 연락처", allowed={"hyphen", "landline", "safe_number"})
        d.t("\n위 내용을 충분히 설명 듣고 이해하였으며 수술에 동의합니다.\n")
    d.t("원무과 ")
    d.n("office_landline")
    d.t("\n")
    return d.document()


def nursing_home(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("application", "intake_note")
    d = _Doc(b, "nursing_home", frame)
    home = b.pick("햇살요양원", "은빛노인요양원", "소나무실버케어", "행복한집 요양원")
    if frame == "application":
        d.t(f"{home} 입소 신청서\n[입소 대상자]\n성명: {b.name()}  성별: {b.pick('남', '여')}\n")
        born = corpus.random_date(r, 1928, 1955)  # one person: the resident number starts with the birth date
        d.kv("생년월일", "birth_date", born=born)
        if r.random() < 0.6:
            d.kv("주민등록번호", "resident", allowed=FORM - {"post2020"}, born=born)
        d.t("장기요양인정번호: ")
        d.n("care_number")
        d.t(f"  등급: {r.randrange(1, 6)}등급\n[보호자]\n주 보호자: {b.name()} ({b.pick('장남', '장녀', '차남', '며느리')})  연락처 ")
        d.v("phone", "label_plain", "연락처")
        d.t("\n")
        if r.random() < 0.5:
            d.t(f"부 보호자: {b.name()}  ")
            d.v("phone", "label_above", "[보호자]", allowed={"hyphen", "plain"})
            d.t("\n")
        if r.random() < 0.5:
            d.kv("보호자 이메일", "email")
        d.t("본인부담금 납부: 매월 말일까지 아래 계좌로 입금\n")
        d.n("company_account")
        d.t(f" (예금주 {home})\n")
    else:
        d.t(f"[{home} 상담일지] ")
        d.n("event_date")
        d.t(f"\n어르신 {b.name()}님 ")
        d.v("birth_date", "trailing_label", "생", writing=b.pick("korean_date", "dot"), years=(1928, 1955))
        d.t(f"생, 치매 {b.pick('초기', '중기')}, 거동 {b.pick('불편', '휠체어 사용')}.\n따님 {b.name()}님과 상담. 연락은 ")
        d.v("phone", "in_sentence", "연락은", allowed={"hyphen", "plain"})
        d.t(" 으로. 입소 희망일 ")
        d.n("event_date")
        d.t(".\n")
    d.t("문의 ")
    d.n("office_landline")
    d.t("  팩스 ")
    d.n("fax_number")
    d.t("\n")
    return d.document()


def parents_contact_tree(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("table", "chain")
    d = _Doc(b, "parents_contact_tree", frame)
    grade, cls = r.randrange(1, 7), r.randrange(1, 9)
    title = f"{grade}학년 {cls}반 학부모 {b.pick('비상연락망', '연락망', '연락처 명단')}"
    d.t(f"{r.randrange(2023, 2026)}학년도 {title}\n담임 {b.name()} (교무실 ")
    d.n("office_landline")
    d.t(")\n")
    if frame == "table":
        header = b.pick("보호자 연락처", "연락처", "휴대폰")
        born, mail = r.random() < 0.5, r.random() < 0.4
        d.t(f"번호\t학생\t{'생년월일' + chr(9) if born else ''}보호자\t{header}{chr(9) + '이메일' if mail else ''}\n")
        for i in range(1, r.randrange(3, 6)):
            d.t(f"{i}\t{b.name()}\t")
            if born:
                d.v("birth_date", "column_header", "생년월일", allowed={"dot", "yymmdd", "iso"}, years=(2011, 2019))
                d.t("\t")
            d.t(f"{b.name()}({b.pick('부', '모', '조모')})\t")
            d.v("phone", "column_header", header, allowed={"hyphen", "plain", "masked"})
            if mail:
                d.t("\t")
                d.v("email", "column_header", "이메일", allowed={"plain", "masked"})
            d.t("\n")
    else:
        d.t("※ 아래 순서대로 다음 분께 전달해 주세요.\n")
        for i in range(1, r.randrange(3, 6)):
            d.t(f"{i}. {b.name()} {b.pick('어머님', '아버님', '할머님')} ")
            d.v("phone", "label_above", title, allowed={"hyphen", "plain", "dot"})
            d.t(" → \n" if i % 3 else "\n")
    d.t("개인정보이므로 외부 유출에 유의해 주세요. 작성일 ")
    d.n("event_date")
    d.t("\n")
    return d.document()


def after_school(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("form", "reply")
    d = _Doc(b, "after_school", frame)
    if frame == "form":
        d.t(f"{r.randrange(2024, 2027)}학년도 {b.pick('1', '2')}분기 방과후학교 수강 신청서\n"
            f"학생 성명: {b.name()}  {r.randrange(1, 7)}학년 {r.randrange(1, 9)}반 {r.randrange(1, 30)}번\n")
        d.kv("생년월일", "birth_date", years=(2012, 2019))
        d.t(f"강좌명: {b.pick('로봇과학', '방송댄스', '바둑', '컴퓨터(ITQ)', '창의미술')}  강좌코드 ")
        d.n("course_code")
        d.t("  수강료 ")
        d.n("price")
        d.t(f"원\n보호자 성명: {b.name()}\n")
        d.kv(b.pick("보호자 휴대폰", "보호자 연락처"), "phone", allowed={"hyphen", "plain"})
        d.t("스쿨뱅킹 출금계좌: ")
        d.account("bank_name", "")
        d.t(f" (예금주 {b.name()})\n교재 ISBN 미기재 / 행정실 ")
        d.n("office_landline")
        d.t("\n")
    else:
        d.t(f"[가정통신문 회신] 방과후 {b.pick('돌봄교실', '영어', '축구')} 신청합니다.\n{b.name()} 학생 보호자 {b.name()}\n"
            "비상시 연락처: ")
        d.v("phone", "label_punct", "비상시 연락처", allowed={"hyphen", "plain"})
        d.t(f"\n{b.pick('알레르기 없음', '땅콩 알레르기 있음')}. 하교 후 {b.pick('학원 차량', '할머니')}이 데리러 옵니다.\n")
    return d.document()


def camp_signup(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("kids", "retreat", "overseas")
    d = _Doc(b, "camp_signup", frame)
    if frame == "overseas":
        d.t(f"{b.pick('해외 단기선교', '해외봉사단', '청소년 해외 탐방')} 참가 신청서 ({b.pick('필리핀', '캄보디아', '몽골', '라오스')})\n"
            f"성명(한글) {b.name()}  영문 성명(여권과 동일) {r.choice(ROMAN_SUR).upper()} {r.choice(ROMAN_GIVEN).upper()}\n")
        d.kv("여권번호", "passport", allowed={"old_format", "current_format"})
        d.nkv("여권 만료일", "expiry_date")
        d.kv("생년월일", "birth_date", years=(1990, 2011))
        if r.random() < 0.5:
            d.kv("연락처", "phone", allowed={"hyphen", "plain"})
    elif frame == "kids":
        d.t(f"{r.randrange(2024, 2027)} 여름 {b.pick('성경학교', '영어캠프', '과학캠프', '자연탐사캠프')} 참가 신청서\n"
            f"참가자: {b.name()}  학년 {r.randrange(1, 7)}  ")
        d.kv("생년월일", "birth_date", sep=" ", writing=b.pick("yymmdd", "dot", "iso"), years=(2011, 2019))
        d.t(f"보호자: {b.name()}\n")
        d.kv(b.pick("보호자 연락처", "보호자 HP"), "phone", allowed={"hyphen", "plain"})
        if r.random() < 0.5:
            d.kv(b.pick("비상연락처", "비상시"), "phone", allowed={"hyphen", "plain", "landline"})
        d.t(f"알레르기/복용약: {b.pick('없음', '아토피 연고', '견과류')}\n")
    else:
        d.t(f"{b.pick('청년부 수련회', '가을 리트릿', '직장인 수련회')} 참가 신청\n이름: {b.name()}\n")
        d.kv("연락처", "phone", allowed={"hyphen", "plain"})
        d.t("여행자 보험 가입을 위해 주민등록번호 전체를 적어 주세요.\n")
        d.v("resident", "label_above", "주민등록번호 전체를 적어 주세요", allowed=FORM - {"post2020", "masked"},
            years=(1985, 2006))
        d.t("\n")
        if r.random() < 0.5:
            d.kv("이메일 (안내문 발송)", "email")
    d.t("참가비 ")
    d.n("price")
    d.t("원 입금: ")
    d.n("company_account")
    d.t(f" (예금주 {b.pick('사랑의교회 교육부', '캠프운영위원회', '청년부 회계')})\n")
    if r.random() < 0.5:
        d.t(f"문의: 담당 {b.pick('전도사', '선생님', '간사')} {b.name()} ")
        d.v("phone", "label_plain", "문의: 담당", writing="hyphen")
    else:
        d.t("문의: 교육부 사무실 ")
        d.n("office_landline")
    d.t("\n")
    return d.document()


def blood_donation(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("history", "card")
    d = _Doc(b, "blood_donation", frame)
    if frame == "history":
        d.t(f"헌혈 기록 조회\n성명 {b.name()}  ")
        d.kv("생년월일", "birth_date", sep=" ", end="", years=(1965, 2007))
        d.t(f"  혈액형 {b.pick('A', 'B', 'O', 'AB')}형 Rh+\n")
        if r.random() < 0.5:
            d.t("연락처 ")
            d.v("phone", "label_plain", "연락처", allowed={"hyphen", "masked"})
            d.t("\n")
        d.t("순번 | 헌혈일자 | 종류 | 헌혈증서번호 | 장소\n")
        for i in range(1, r.randrange(3, 7)):
            d.t(f"{i} | ")
            d.n("event_date")
            d.t(f" | {b.pick('전혈 400mL', '혈장 500mL', '혈소판')} | ")
            d.n("blood_certificate")
            d.t(f" | 헌혈의집 {b.pick('강남센터', '서면센터', '동성로센터', '충장로센터')}\n")
    else:
        d.t(f"[헌혈 전 문진표]\n성명: {b.name()}\n")
        d.kv(b.pick("주민등록번호", "주민번호"), "resident", writing=b.pick("hyphen", "masked"), years=(1965, 2006))
        d.kv("휴대전화", "phone", allowed={"hyphen", "plain"})
        d.t(f"최근 1개월 내 해외여행: {b.pick('없음', '있음(베트남)')}  헌혈 일시 ")
        d.when()
        d.t("\n헌혈증서 ")
        d.n("blood_certificate")
        d.t(" 발급\n")
    return d.document()


def volunteer(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("form", "roster")
    d = _Doc(b, "volunteer", frame)
    if frame == "form":
        d.t(f"자원봉사 신청서 ({b.pick('무료급식소', '유기견 보호소', '도서관', '복지관')})\n성명: {b.name()}\n")
        d.kv("생년월일", "birth_date", years=(1960, 2010))
        d.kv(b.pick("휴대폰", "연락처"), "phone", allowed={"hyphen", "plain"})
        d.kv("이메일", "email")
        if r.random() < 0.5:
            d.t("차량 봉사(도시락 배달) 가능: 예\n")
            d.kv(b.pick("운전면허번호", "면허번호"), "driver_license")
        d.t("1365 회원번호: ")
        d.n("member_number")
        d.t(f"\n소속: {b.pick('대학교', '고등학교', '직장', '개인')}  학번 ")
        d.n("student_number")
        d.t("\n희망 활동일: ")
        d.n("event_date")
        d.t("  시간 ")
        d.n("time")
        d.t("~")
        d.n("time")
        d.t("\n")
        if r.random() < 0.4:
            d.t("미성년자 보호자 동의: 보호자 ")
            d.v("phone", "label_plain", "보호자", writing="hyphen")
            d.t("\n")
    else:
        d.t(b.pick("봉사자 명단 ", "봉사활동 확인 명단 "))
        d.n("event_date")
        phone_col = r.random() < 0.5
        d.t("\n이름,생년월일," + ("연락처," if phone_col else "") + "봉사시간\n")
        for _ in range(r.randrange(2, 6)):
            d.t(f"{b.name()},")
            d.v("birth_date", "column_header", "생년월일", allowed={"iso", "compact", "dot", "yymmdd"},
                years=(1960, 2010))
            if phone_col:
                d.t(",")
                d.v("phone", "column_header", "연락처", allowed={"hyphen", "plain", "masked"})
            d.t(f",{r.randrange(2, 9)}\n")
    return d.document()


def appointment_text(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("hospital", "pharmacy", "checkup")
    d = _Doc(b, "appointment_text", frame)
    place = b.pick("한빛내과", "서울밝은안과", "우리들정형외과", "365연세의원", "미소치과")
    if frame == "hospital":
        d.t(f"[Web발신]\n[{place}] {b.masked_name()}님 ")
        d.n("event_date")
        d.t(" ")
        d.n("time")
        d.t(f" {b.pick('진료', '재진', '검사')} 예약 안내드립니다. 예약번호 ")
        d.n("receipt_number")
        d.t("\n예약자 연락처 ")
        d.v("phone", "label_plain", "예약자 연락처", writing="masked")
        d.t("\n변경·취소 ")
        d.n("office_landline")
        d.t("\n")
    elif frame == "pharmacy":
        d.t(f"[{b.pick('온누리약국', '새봄약국', '365약국')}] {b.name()}님 처방 조제가 완료되었습니다.\n"
            f"수령 시 본인 확인을 위해 생년월일을 말씀해 주세요 (등록: ")
        d.v("birth_date", "in_sentence", "생년월일을 말씀해 주세요 (등록:", writing="yymmdd")
        d.t(")\n보호자 ")
        d.v("phone", "label_plain", "보호자", allowed={"hyphen", "masked"})
        d.t(" 님께도 안내드렸습니다.\n약국 ")
        d.n("office_landline")
        d.t("\n")
    else:
        d.t(f"[국가건강검진 예약 확정] {b.name()}님\n일시: ")
        d.when()
        d.t(f"\n장소: {place} 검진센터 {r.randrange(2, 6)}층\n검진 전날 21시 이후 금식. 문의 ")
        d.n("company_number")
        d.t("\n")
        if r.random() < 0.5:
            d.t("대리 예약자 ")
            d.v("phone", "label_plain", "대리 예약자", writing="hyphen")
            d.t(f" ({b.pick('자녀', '배우자')})\n")
    return d.document()


# --------------------------------------------------------------------------- genres: home, law, cars

def management_fee(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("bill", "parking")
    d = _Doc(b, "management_fee", frame)
    complex_ = b.pick("래미안", "푸르지오", "e편한세상", "자이", "힐스테이트", "주공")
    if frame == "bill":
        d.t(f"{complex_} 아파트 {r.randrange(1, 13)}월분 관리비 고지서\n동/호: ")
        d.n("unit_number")
        d.t(f"  세대주: {b.masked_name()}\n")
        if r.random() < 0.5:
            d.t(b.pick("문자 고지 수신 ", "세대주 연락처 "))
            d.v("phone", "label_plain", d.parts[-1].strip(), writing=b.pick("masked", "hyphen"))
            d.t("\n")
        d.t("일반관리비 ")
        d.n("price")
        d.t("  청소비 ")
        d.n("price")
        d.t("  세대전기료 ")
        d.n("price")
        d.t("\n납기내 금액 ")
        d.n("price")
        d.t("원  납기일 ")
        d.n("event_date")
        d.t(f"\n납부 가상계좌({b.pick('우리은행', '국민은행', '기업은행')}): ")
        d.n("virtual_account")
        d.t(" (세대 전용)\n")
        if r.random() < 0.35:
            d.t("카드 자동납부: ")
            d.v("credit_card", "label_punct", "카드 자동납부", writing="masked")
            d.t("\n")
        elif r.random() < 0.5:
            d.t("자동이체 출금계좌: ")
            d.v("bank_account", "label_punct", "자동이체 출금계좌", writing="masked", bank=b.bank())
            d.t("\n")
    else:
        d.t(f"{complex_} 입주민 차량 등록 신청서\n동호수: ")
        d.n("unit_number")
        d.t(f"\n신청인: {b.name()} ({b.pick('세대주', '세입자', '가족')})\n")
        d.kv(b.pick("연락처", "휴대폰"), "phone", allowed={"hyphen", "plain"})
        d.t("차량번호: ")
        d.n("car_plate")
        d.t(f"  차종: {b.pick('쏘나타', '카니발', '모닝', '아반떼', 'K5')}\n")
        if r.random() < 0.4:
            d.kv("운전면허번호 (방문차량 장기등록 시)", "driver_license")
        d.t("등록일 ")
        d.n("event_date")
        d.t("\n")
    d.t("관리사무소 ☎ ")
    d.n("office_landline")
    d.t("  FAX ")
    d.n("fax_number")
    d.t("\n")
    return d.document()


def certified_letter(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("deposit", "payment")
    d = _Doc(b, "certified_letter", frame)
    d.t(f"{b.pick('내 용 증 명', '내용증명', '통 고 서')}\n\n발신인  성명: {b.name()}\n")
    if r.random() < 0.3:
        d.t("        ")
        d.kv(b.pick("주민등록번호", "주민번호"), "resident", allowed=SCAN - {"post2020", "masked"}, years=(1950, 2000))
    d.t(f"        주소: {b.address()}\n        ")
    d.kv("연락처", "phone", allowed={"hyphen", "plain"})
    if r.random() < 0.4:
        d.t("        ")
        d.kv("생년월일", "birth_date", years=(1955, 2000))
    if r.random() < 0.3:
        d.t("        ")
        d.kv("이메일", "email")
    d.t(f"수신인  성명: {b.name()}\n        주소: {b.address()}\n")
    if r.random() < 0.3:
        d.t("        ")
        d.kv("연락처", "phone", allowed={"hyphen", "plain"})
    if frame == "deposit":
        d.t("\n제목: 임대차보증금 반환 청구의 건\n1. 발신인은 ")
        d.n("event_date")
        d.t(" 수신인과 위 주소지 주택에 관하여 보증금 금 ")
        d.n("price")
        d.t("원의 임대차계약을 체결하였습니다.\n2. 계약기간이 ")
        d.n("event_date")
        d.t(" 만료되었음에도 수신인은 보증금을 반환하지 않고 있습니다.\n")
    else:
        d.t("\n제목: 물품대금 지급 청구\n1. 발신인은 수신인에게 ")
        d.n("event_date")
        d.t("부터 물품을 공급하였으나 대금 금 ")
        d.n("price")
        d.t("원이 미지급 상태입니다.\n")
    d.t("3. 따라서 본 서면 수령 후 7일 이내에 아래 계좌로 지급하여 주시기 바랍니다.\n   ")
    d.account(b.pick("bank_name", "label_above"), "아래 계좌로 지급하여 주시기 바랍니다", allowed=SCAN - {"masked"})
    d.t(f"  예금주 발신인\n4. 기한 내 이행하지 않을 경우 법적 절차를 진행할 예정입니다.\n\n{b.today()}\n발신인 {b.name()} (인)")
    if r.random() < 0.3:
        d.t("  ")
        d.v("phone", "no_label", "", allowed={"hyphen"})
    d.t("\n")
    return d.document()


def criminal_complaint(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("fraud", "opinion")
    d = _Doc(b, "criminal_complaint", frame)
    if frame == "fraud":
        d.t(f"고 소 장\n\n1. 고소인\n성명: {b.name()}\n")
        d.kv("주민등록번호", "resident", allowed=FORM - {"post2020"}, years=(1960, 2004))
        d.t(f"주소: {b.address()}\n직업: {b.pick('회사원', '자영업', '학생', '주부')}\n")
        d.kv("전화", "phone", allowed={"hyphen", "plain"})
        if r.random() < 0.6:
            d.kv("이메일", "email")
        d.t(f"\n2. 피고소인\n성명: {b.pick('성명불상', b.name())} (중고거래 닉네임 '{b.pick('행복한하루', '초특가', 'zzang77')}')\n")
        if r.random() < 0.7:
            d.kv("연락처", "phone", allowed={"hyphen", "plain", "safe_number"})
        if r.random() < 0.3:
            d.t("(채팅에서 보낸 번호 그대로: ")
            d.v("phone", "label_above", "연락처", writing="hangul_numerals")
            d.t(")\n")
        d.t("\n3. 고소취지\n고소인은 피고소인을 사기죄로 고소하오니 철저히 수사하여 처벌하여 주시기 바랍니다.\n\n"
            "4. 고소사실\n피고소인은 ")
        d.n("event_date")
        d.t(f" 중고거래 앱에 {b.pick('아이패드', '캠핑 텐트', '명품 가방', '콘서트 티켓')}를 판매한다는 글을 올리고, "
            "이를 보고 연락한 고소인에게 물품을 보내줄 것처럼 속여 피고소인 명의의 ")
        d.account("bank_name", "", allowed={"hyphen", "plain"})
        d.t(" 계좌로 금 ")
        d.n("price")
        d.t("원을 송금받았으나 물품을 보내지 않고 연락을 끊었습니다.\n\n5. 증거자료\n- 카카오톡 대화 내용\n- 이체확인증\n")
    else:
        d.t("의 견 서\n사건번호 ")
        d.n("case_number")
        d.t(f"\n고소인 {b.name()} (")
        d.v("birth_date", "trailing_label", "생", writing=b.pick("yymmdd", "dot"), years=(1955, 2002))
        d.t(f"생)\n피고소인 {b.name()}\n고소인은 피고소인의 휴대전화 ")
        d.v("phone", "in_sentence", "피고소인의 휴대전화", writing="hyphen")
        d.t(" 로 수차례 연락하였으나 응답이 없었습니다.\n피해금 ")
        d.n("price")
        d.t("원 중 일부도 반환되지 않았습니다.\n")
    d.t(f"\n{b.today()}\n고소인 ________ (인)\n{b.pick('서울중앙지방검찰청', '○○경찰서장', '수원지방검찰청')} 귀중\n")
    return d.document()


def lost_and_found(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("lost", "found", "pet")
    d = _Doc(b, "lost_and_found", frame)
    if frame == "lost":
        d.t(f"분실물 신고서 ({b.pick('○○경찰서 생활질서계', '지하철 유실물센터', '버스 공제조합')})\n접수번호: ")
        d.n("receipt_number")
        d.t(f"\n신고인: {b.name()}\n")
        d.kv("생년월일", "birth_date", years=(1950, 2008))
        d.kv("연락처", "phone", allowed={"hyphen", "plain"})
        d.t("분실일시: ")
        d.when()
        d.t(f"\n분실장소: {b.pick('지하철 2호선 객차 내', '시내버스 472번', '택시 (카드결제)', '○○공원 벤치')}\n"
            f"분실물: {b.pick('검정색 반지갑', '갈색 카드지갑', '휴대폰 케이스 지갑')} (신분증, 현금 약 5만원, 신용카드 ")
        d.v("credit_card", "in_sentence", "신용카드", writing="masked")
        d.t(")\n")
        if r.random() < 0.5:
            d.t("분실 신분증: 운전면허증 (면허번호 ")
            d.v("driver_license", "label_plain", "면허번호", allowed={"hyphen", "region_prefixed", "plain"})
            d.t(")\n")
    elif frame == "found":
        d.t("[습득물 공고] 관리번호 ")
        d.n("receipt_number")
        d.t("\n습득일 ")
        d.n("event_date")
        d.t(f"  습득장소 {b.pick('○○역 3번 출구', '시청 민원실', '○○마트 주차장')}\n물품: 운전면허증 1매 (성명 {b.masked_name()}, 면허번호 ")
        d.v("driver_license", "label_plain", "면허번호", allowed={"hyphen", "region_prefixed", "masked"})
        d.t(")\n체크카드 1매 (")
        d.v("credit_card", "label_above", "체크카드 1매", writing="masked")
        d.t(")\n본인 확인 후 인계. 보관 ")
        d.n("office_landline")
        d.t("\n")
    else:
        d.t(f"[강아지를 찾습니다] {b.pick('말티즈', '푸들', '진돗개 믹스')} {b.pick('흰색', '갈색')} {r.randrange(1, 12)}살\n"
            f"잃어버린 날 ")
        d.n("event_date")
        d.t(f" {b.pick('○○동 놀이터 근처', '○○천 산책로')}\n동물등록번호 ")
        d.n("pet_registration")
        d.t("\n보신 분은 꼭 연락 부탁드립니다 ")
        d.v("phone", "in_sentence", "보신 분은 꼭 연락 부탁드립니다", allowed={"hyphen", "plain", "spaced"})
        d.t("\n사례금 ")
        d.n("price")
        d.t("원\n")
    return d.document()


def used_car_contract(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("dealer", "private")
    d = _Doc(b, "used_car_contract", frame)
    d.t(f"{b.pick('자동차 매매계약서', '중고자동차 매매계약서', '자동차 양도증명서')}\n차량번호 ")
    d.n("car_plate")
    d.t(f"  차명 {b.pick('그랜저', '스포티지', '쏘렌토', '레이')}  연식 {r.randrange(2012, 2025)}\n차대번호 ")
    d.n("vin")
    d.t("\n매매금액 금 ")
    d.n("price")
    d.t("원  계약금 ")
    d.n("price")
    d.t("원  잔금일 ")
    d.n("event_date")
    for side in ("매도인(양도인)", "매수인(양수인)"):
        d.t(f"\n[{side}]\n성명 {b.name()}\n")
        d.kv(b.pick("주민등록번호", "주민(법인)등록번호"), "resident", allowed=SCAN - {"post2020"}, years=(1955, 2004))
        d.t(f"주소 {b.address()}\n")
        if r.random() < 0.6:
            d.kv(b.pick("전화", "연락처"), "phone", allowed={"hyphen", "plain"})
    if frame == "dealer":
        d.t(f"\n[매매업자] 상호 {b.pick('믿음모터스', '제일오토', '한마음중고차')}  ")
        d.kv("사업자등록번호", "business_registration", sep=" ")
        d.t(f"종사원 {b.name()} ")
        d.v("phone", "label_plain", "종사원", writing="hyphen")
        d.t("\n")
    else:
        if r.random() < 0.4:
            d.kv(b.pick("매수인 이메일 (이전등록 서류 수신)", "매수인 이메일"), "email")
        d.t("\n잔금은 매도인 명의 계좌로 이체: ")
        d.account("bank_name", "")
        d.t("\n")
    return d.document()


def car_rental(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("contract", "contract", "kiosk", "long_term")
    d = _Doc(b, "car_rental", frame)
    d.t(f"{b.pick('제주', '김포', '부산')} {b.pick('렌터카 임대차 계약서', '자동차 대여 계약서')}\n계약번호 ")
    d.n("receipt_number")
    if frame == "contract":
        d.t(f"\n[임차인] 성명 {b.name()}\n")
        d.kv("생년월일", "birth_date", years=(1960, 2003))
        d.kv("연락처", "phone", allowed={"hyphen", "plain"})
        d.kv(b.pick("운전면허번호", "면허번호"), "driver_license")
        d.t(f"면허종류 {b.pick('1종 보통', '2종 보통')}  적성검사 만료일 ")
        d.n("event_date")
        if r.random() < 0.7:
            d.t(f"\n[제2운전자] 성명 {b.name()}  ")
            d.kv("면허번호", "driver_license", sep=" ", end="")
            d.t("  ")
            d.kv("생년월일", "birth_date", sep=" ", end="", years=(1960, 2003))
    elif frame == "long_term":
        d.t(f"\n장기렌트 운전자 등록 ({b.company()} 법인)\n")
        d.kv("법인 사업자번호", "business_registration", corporate=True)
        sep = b.pick(" | ", "\t")
        head = b.pick("운전면허번호", "면허번호")
        d.t(sep.join(("운전자", "생년월일", head)) + "\n")
        for _ in range(r.randrange(1, 4)):
            d.t(b.name() + sep)
            d.v("birth_date", "column_header", "생년월일", allowed={"dot", "iso", "yymmdd"}, years=(1960, 2002))
            d.t(sep)
            d.v("driver_license", "column_header", head, allowed={"hyphen", "plain", "region_prefixed"})
            d.t("\n")
    else:
        d.t("\nNAME: " + r.choice(FOREIGN_NAMES) + "\n")
        d.kv(b.pick("Passport No.", "PASSPORT"), "passport", allowed={"old_format", "current_format", "foreign_format"})
        d.kv("E-mail", "email")
        d.kv("Mobile", "phone", allowed={"hyphen", "intl_plus"})
    d.t("\n대여차량 ")
    d.n("car_plate")
    d.t("  대여 ")
    d.when()
    d.t("  반납 ")
    d.when()
    d.t("\n결제카드 ")
    d.v("credit_card", "label_plain", "결제카드", allowed={"masked", "hyphen", "spaced"})
    d.t("  승인번호 ")
    d.n("approval_number")
    d.t("  금액 ")
    d.n("price")
    d.t("원\n")
    return d.document()


# --------------------------------------------------------------------------- genres: screens and files

KO_WEEKDAYS = "월화수목금토일"


def chat_export(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("pc", "mobile")
    d = _Doc(b, "chat_export", frame)
    me, other = b.name(), b.name()
    y, m, dd = corpus.random_date(r, 2023, 2026)
    if frame == "pc":
        d.t(f"{other} 님과 카카오톡 대화\n저장한 날짜 : ")
        d.n("timestamp")
        d.t("\n\n")
    else:
        d.t(f"Talk_{y}.{m}.{dd} {r.randrange(10, 24)}:{r.randrange(10, 60)}-1.txt\n")
    messages = [
        ("account", "계좌 불러줘"), ("phone", "번호"), ("email", "메일"), ("birth", "생년월일"),
        ("passport", "여권"), ("resident", "주민번호"), ("chat", ""), ("chat", ""), ("price", ""),
        ("card", "카드"), ("license", "면허"), ("foreigner", "외국인등록번호"), ("license", "면허"),
    ]
    when = datetime.date(y, m, dd)
    for i in range(r.randrange(4, 9)):
        if i == 0 or r.random() < 0.2:
            when += datetime.timedelta(days=0 if i == 0 else r.randrange(1, 4))
            y, m, dd = when.year, when.month, when.day
            day = f"{y}년 {m}월 {dd}일 {KO_WEEKDAYS[when.weekday()]}요일"
            if frame == "pc":
                d.t("--------------- ")
                d.n("event_date", day, "chat_export.day_line")
                d.t(" ---------------\n")
            else:
                d.n("event_date", day, "chat_export.day_line")
                d.t("\n")
        who = b.pick(me, other)
        hh = f"{b.pick('오전', '오후')} {r.randrange(1, 13)}:{r.randrange(60):02d}"
        if frame == "pc":
            d.t(f"[{who}] [{hh}] ")
        else:
            d.t(f"{y}. {m}. {dd}. {hh}, {who} : ")
        what, ask = r.choice(messages)
        if ask and r.random() < 0.3 and what in ("account", "phone", "birth", "resident"):
            # asked in one message, answered with the bare number in the next
            question = {"account": b.pick("계좌 불러줘", "어디로 보내면 돼?", "입금할 계좌 알려줘"),
                        "phone": b.pick("새 번호 뭐야?", "번호 좀 알려줘", "그 사장님 번호 있어?"),
                        "birth": b.pick("생년월일 뭐였지?", "애기 생일 몇 일이야?"),
                        "resident": b.pick("주민번호 좀 보내줘 보험 가입하게", "아버님 주민번호 알아?")}[what]
            d.t(question + "\n")
            answerer = other if who == me else me
            d.t(f"[{answerer}] [{hh}] " if frame == "pc" else f"{y}. {m}. {dd}. {hh}, {answerer} : ")
            if what == "account":
                d.v("bank_account", "previous_line", question, allowed={"hyphen", "plain"}, bank=b.bank())
            elif what == "phone":
                d.v("phone", "previous_line", question, allowed={"hyphen", "plain"})
            elif what == "birth":
                d.v("birth_date", "previous_line", question, allowed={"yymmdd", "dot", "compact"})
            else:
                d.v("resident", "previous_line", question, allowed={"hyphen", "plain"})
            d.t("\n")
            continue
        if what == "account":
            d.t(b.pick("", "ㅇㅇ ", "여기로 보내줘 "))
            d.account("bank_name", "", allowed={"hyphen", "plain"})
            d.t(b.pick("", f" {who}", " 예금주 " + who))
        elif what == "phone":
            d.t(b.pick("내 새 번호 ", "이 번호로 연락줘 ", "번호 바뀜 ", ""))
            if d.parts[-1] == "":
                d.v("phone", "no_label", "", allowed={"hyphen", "dot"})
                d.t(b.pick(" 저장해", " 이걸로 연락해"))
            else:
                d.v("phone", "in_sentence", d.parts[-1].strip(), allowed=TYPED - {"landline"})
        elif what == "email":
            d.t(b.pick("메일 주소 ", "이메일 ", "자료는 ", ""))
            if d.parts[-1]:
                d.v("email", "in_sentence", d.parts[-1].strip(), allowed=TYPED)
            else:
                d.v("email", "no_label", "", allowed={"plain"})
            d.t(b.pick(" 로 보내줘", " 이거야", " 여기로", ""))
        elif what == "birth":
            d.t(b.pick("엄마 생신 ", "애기 생년월일 ", "생년월일 "))
            d.v("birth_date", "in_sentence", d.parts[-1].strip(), allowed={"yymmdd", "dot", "korean_date", "compact"})
            d.t(b.pick(" 맞지?", " 이거 적으면 돼", ""))
        elif what == "passport":
            d.t(b.pick("항공권 예약하게 여권번호 ", "여권 "))
            d.v("passport", "in_sentence", d.parts[-1].strip())
            d.t(b.pick(" 맞아?", " 만료 2029년", ""))
        elif what == "resident":
            d.t(b.pick("보험 가입한다고 주민번호 ", "연말정산 때문에 주민번호 "))
            d.v("resident", "in_sentence", d.parts[-1].strip(), allowed={"hyphen", "plain", "post2020"})
            d.t(b.pick(" 보낸다", " 이거 맞지", ""))
        elif what == "card":
            d.t(b.pick("결제는 이 카드로 ", "법인카드 "))
            d.v("credit_card", "in_sentence", d.parts[-1].strip(), allowed={"hyphen", "spaced", "plain"})
        elif what == "license":
            d.t("렌트할 때 면허번호 ")
            d.v("driver_license", "in_sentence", "면허번호", allowed={"hyphen", "region_prefixed", "plain"})
            d.t(" 이거 적어")
        elif what == "foreigner":
            d.t(b.pick("집 계약하게 외국인등록번호 ", "투안 씨 외국인등록번호 ", "ARC 번호 "))
            d.v("foreigner_registration", "in_sentence", d.parts[-1].strip(), allowed={"hyphen", "plain"})
        elif what == "price":
            d.t(b.pick("회비 ", "택시비 ", "더치페이 1인당 "))
            d.n("price")
            d.t("원")
        else:
            d.t(b.pick("ㅋㅋㅋ 알겠어", "사진", "이모티콘", "내일 몇 시야?", "ㅇㅋ 보냈어", "고마워!!"))
        d.t("\n")
    return d.document()


def helpdesk_ticket(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("json", "keyvalue")
    d = _Doc(b, "helpdesk_ticket", frame)
    name = b.name()
    if frame == "json":
        d.t('{\n  "ticket_id": "')
        d.n("ticket_number")
        d.t('",\n  "created_at": "')
        d.n("timestamp")
        d.t(f'",\n  "channel": "{b.pick("web", "app", "email", "phone")}",\n'
            f'  "requester": {{\n    "name": "{name}",\n    "email": "')
        d.v("email", "key_value", "email", allowed={"plain", "uppercase"})
        if r.random() < 0.6:
            d.t('",\n    "phone": "')
            d.v("phone", "key_value", "phone", allowed=COMPACT - {"landline"})
        d.t('"\n  },\n  "subject": "' + b.pick("이중 결제 환불 요청", "회원정보 변경 안 됨", "배송지 변경 요청") +
            '",\n  "description": "')
        what = r.random()
        if what < 0.4:
            d.t("어제 카드 ")
            d.v("credit_card", "in_sentence", "카드", allowed={"hyphen", "plain"})
            d.t(" 로 두 번 결제됐어요. 환불은 ")
            d.account("bank_name", "", allowed={"hyphen", "plain"})
            d.t(" 로 부탁드려요.")
        elif what < 0.7:
            d.t("생년월일을 ")
            d.v("birth_date", "in_sentence", "생년월일을", allowed={"iso", "dot", "compact"})
            d.t(" 로 바꾸려는데 오류가 나요")
        else:
            d.t("주문번호 ")
            d.n("order_number")
            d.t(" 배송지를 회사로 변경해주세요")
        d.t(f'",\n  "priority": "{b.pick("low", "normal", "high")}",\n  "assignee": "{b.name()}",\n  "client_ip": "')
        d.n("ip_address")
        d.t('"\n}\n')
    else:
        d.t("Ticket ")
        d.n("ticket_number")
        d.t(f"\nStatus: {b.pick('Open', 'Pending', 'Resolved')}\nRequester: {name} <")
        d.v("email", "key_value", "Requester", allowed={"plain"})
        d.t(">\n")
        if r.random() < 0.6:
            d.kv(b.pick("Phone", "Mobile"), "phone", allowed={"hyphen", "plain", "intl_plus"})
        d.t("Created: ")
        d.n("timestamp")
        d.t("\nBody:\n  ")
        what = r.random()
        if what < 0.35:
            d.t("면허 인증이 계속 실패합니다. 면허번호 ")
            d.v("driver_license", "label_plain", "면허번호", allowed={"hyphen", "plain", "region_prefixed"})
            d.t(" 맞게 넣었어요.\n")
        elif what < 0.65:
            d.t("비밀번호 재설정이 안 돼서요. 가입할 때 쓴 생년월일은 ")
            d.v("birth_date", "in_sentence", "가입할 때 쓴 생년월일은", allowed={"iso", "dot", "korean_date"})
            d.t(" 입니다.\n")
        else:
            d.t("세금계산서 재발행 부탁드립니다. 사업자번호 ")
            d.v("business_registration", "label_plain", "사업자번호", allowed={"hyphen", "plain"})
            d.t(f" / 상호 {b.company()}\n")
        d.t("Internal note: 고객 본인 확인 완료. App version ")
        d.n("version_number")
        d.t("\n")
    return d.document()


def api_config(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("yaml", "ini", "http")
    d = _Doc(b, "api_config", frame)
    if frame == "yaml":
        path = b.pick("fixtures/customers.yml", "config/seed-data.yaml", "test/resources/members.yaml")
        d.t(f"# {path}\nserver:\n  host: ")
        d.n("ip_address")
        d.t("\n  port: 8080\n  version: ")
        d.n("version_number")
        d.t("\ncustomers:\n")
        for i in range(r.randrange(1, 4)):
            d.t(f"  - id: {1000 + r.randrange(9000)}\n    name: {b.name()}\n")
            for key, kind in r.sample((("rrn", "resident"), ("phone", "phone"), ("email", "email"),
                                       ("birth", "birth_date"), ("card_no", "credit_card"),
                                       ("account_no", "bank_account"), ("license_no", "driver_license"),
                                       ("passport_no", "passport")), r.randrange(2, 5)):
                quote = b.pick('"', "")
                d.t(f"    {key}: {quote}")
                if kind == "bank_account":
                    d.v(kind, "key_value", key, allowed={"hyphen", "plain"}, bank=b.bank())
                else:
                    d.v(kind, "key_value", key, allowed=COMPACT - {"masked", "landline", "safe_number"})
                d.t(f"{quote}\n")
    elif frame == "ini":
        d.t(f"; {b.pick('settings.ini', 'app.conf', 'batch.properties')}\n[database]\nhost = ")
        d.n("ip_address")
        d.t("\nport = 5432\n\n[alert]\n")
        if r.random() < 0.6:
            d.kv("admin_phone", "phone", sep=" = ", allowed={"hyphen", "plain"})
        d.kv("admin_email", "email", sep=" = ")
        d.t("\n[test_user]\n")
        d.kv("user_birth", "birth_date", sep=" = ", allowed={"compact", "iso"})
        d.kv("user_rrn", "resident", sep=" = ", allowed={"hyphen", "plain"})
        if r.random() < 0.6:
            d.kv("user_license", "driver_license", sep=" = ", allowed={"hyphen", "plain"})
        d.t("\n[release]\nversion = ")
        d.n("version_number")
        d.t("\n")
    else:
        d.t(f"POST /api/v{r.randrange(1, 4)}/{b.pick('members', 'payments/refund', 'contracts')} HTTP/1.1\n"
            f"Host: api.{b.pick('hanulpay', 'nurimall', 'saebit')}.co.kr\n"
            "Content-Type: application/json\nX-Request-Id: ")
        d.n("transaction_number")
        d.t('\n\n{"name":"' + b.name() + '","mobile":"')
        d.v("phone", "key_value", "mobile", allowed={"hyphen", "plain"})
        d.t('","birthDate":"')
        d.v("birth_date", "key_value", "birthDate", allowed={"compact", "iso"})
        bank = b.bank()
        d.t(f'","bankName":"{bank}","accountNo":"')
        d.v("bank_account", "key_value", "accountNo", allowed={"plain", "hyphen"}, bank=bank)
        d.t('","amount":')
        d.n("price", str(r.randrange(1000, 900000)))
        d.t("}\n")
    return d.document()


def bug_report(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("issue", "slack")
    d = _Doc(b, "bug_report", frame)
    if frame == "issue":
        d.t(f"[버그] {b.pick('회원정보 수정 시 휴대폰 번호가 저장되지 않음', '환불 계좌 검증 실패', '생년월일 8자리 입력 시 오류')} #{r.randrange(100, 5000)}\n"
            f"환경: {b.pick('Android 14', 'iOS 17.5', 'Chrome 126')} / 앱 버전 ")
        d.n("version_number")
        d.t("\n재현 절차:\n1. 마이페이지 > 내 정보 수정\n2. 아래 고객 정보 입력 후 저장\n\nCS 전달 원문:\n> 이름: " + b.name() + "\n> ")
        d.kv("연락처", "phone", allowed={"hyphen", "plain"})
        d.t("> ")
        kind = b.pick("birth_date", "bank_account", "email", "driver_license")
        if kind == "bank_account":
            d.t("환불계좌: ")
            d.account("bank_name", "", allowed={"hyphen", "plain"})
            d.t("\n")
        else:
            d.kv({"birth_date": "생년월일", "email": "이메일", "driver_license": "면허번호"}[kind], kind)
        d.t("\n로그:\n")
        d.n("timestamp")
        d.t(" ERROR [MemberService] update failed memberNo=")
        d.n("member_number")
        key, kind, writing = r.choice((("phone", "phone", "plain"), ("email", "email", "plain"),
                                       ("birthDate", "birth_date", "compact"), ("refundAcct", "bank_account", "plain")))
        d.t(f" {key}=")
        d.v(kind, "key_value", key, writing=writing)
        d.t("\n")
    else:
        d.t(f"{b.name()}  {b.pick('오전', '오후')} {r.randrange(1, 12)}:{r.randrange(60):02d}\n"
            "@channel 결제 실패 건 확인 부탁드려요. 고객이 보낸 카드 정보 그대로 붙입니다\n```\n")
        if r.random() < 0.6:
            d.t(f"{b.name()} / ")
            d.v("phone", "no_label", "", allowed={"hyphen"})
            d.t(" / ")
            d.v("email", "no_label", "", allowed={"plain"})
            d.t("\n")
        d.kv(b.pick("card", "카드번호"), "credit_card", allowed={"hyphen", "plain", "spaced"})
        d.kv(b.pick("holder_birth", "소유자 생년월일"), "birth_date", allowed={"yymmdd", "compact"})
        d.t("approval: ")
        d.n("approval_number")
        d.t("\n```\n운영 DB에서 확인했고 PG 응답코드 ")
        d.n("transaction_number")
        d.t(" 입니다. 카드번호는 확인 후 메시지 삭제할게요\n")
    return d.document()


def tutoring_request(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("parent", "tutor")
    d = _Doc(b, "tutoring_request", frame)
    if frame == "parent":
        d.t(f"[과외 구함] {b.pick('중2', '고1', '초5', '고3')} {b.pick('수학', '영어', '과학')} 선생님 구합니다\n"
            f"지역: {b.pick('목동', '분당 정자동', '대치동', '해운대 좌동')}\n주 2회, 회당 2시간 (")
        d.n("time")
        d.t(" 이후)\n수업료 월 ")
        d.n("price")
        d.t("원 (협의 가능)\n")
        if r.random() < 0.5:
            d.t("관심 있으신 분은 문자 주세요 ")
            d.v("phone", "in_sentence", "관심 있으신 분은 문자 주세요",
                writing=b.pick("hyphen", "plain", "spaced", "safe_number", "hangul_numerals"))
            d.t(f" ({b.pick('학부모', '엄마')})\n")
        elif r.random() < 0.5:
            d.kv(b.pick("연락처", "문의"), "phone", allowed={"hyphen", "plain", "safe_number"})
        else:
            d.v("phone", "no_label", "", allowed={"hyphen", "safe_number"})
            d.t(f" ({b.pick('문자만 받아요', '통화는 저녁 7시 이후', '카톡 가능')})\n")
    else:
        d.t(f"안녕하세요, 과외 공고 보고 연락드립니다.\n{b.pick('서울대', '연세대', '부산대', '카이스트')} "
            f"{b.pick('수학교육과', '영어영문학과', '화학과')} {r.randrange(2, 5)}학년 {b.name()}입니다 (학번 ")
        d.n("student_number")
        d.t(").\n시급은 ")
        d.n("price", f"{r.randrange(3, 9) * 10000:,}")
        d.t("원 생각하고 있습니다. 재학증명서는 메일로 보내드릴게요. 제 메일은 ")
        d.v("email", "in_sentence", "제 메일은", allowed={"plain", "obfuscated"})
        d.t(" 이고,\n연락은 ")
        d.v("phone", "in_sentence", "연락은", allowed={"hyphen", "plain"})
        d.t(" 로 주시면 됩니다.\n")
        if r.random() < 0.4:
            d.t("수업료는 ")
            d.account("bank_name", "", allowed={"hyphen", "plain"})
            d.t(" (본인 명의) 로 받고 있어요.\n")
    return d.document()


def workshop_roster(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("sheet", "mail")
    d = _Doc(b, "workshop_roster", frame)
    trip = b.pick("해외 워크숍", "포상 여행", "해외 전시회 출장", "바이어 미팅 출장")
    d.t(f"{b.company()} {trip} ({b.pick('다낭', '오사카', '싱가포르', '라스베이거스', '프랑크푸르트')}) 항공·호텔 예약 명단\n")
    if frame == "mail":
        d.t("여행사 담당자님, 아래 명단으로 발권 부탁드립니다. 영문 성명은 여권과 동일합니다.\n")
    sep = b.pick(" | ", "\t", ", ")
    head_pp, head_birth = b.pick("여권번호", "Passport No.", "여권 No"), b.pick("생년월일", "DOB", "생일")
    born = r.random() < 0.7
    birth_writing = b.m.writing("birth_date", {"dot", "iso", "compact", "yymmdd"})
    cols = ["No", "성명", "영문명", head_pp, "여권만료일"] + ([head_birth] if born else []) + ["비고"]
    d.t(sep.join(cols) + "\n")
    for i in range(1, r.randrange(3, 8)):
        d.t(f"{i}{sep}{b.name()}{sep}{r.choice(ROMAN_SUR).upper()}/{r.choice(ROMAN_GIVEN).upper()}{sep}")
        d.v("passport", "column_header", head_pp, allowed={"old_format", "current_format"})
        d.t(sep)
        d.n("expiry_date")
        if born:
            d.t(sep)
            d.v("birth_date", "column_header", head_birth, writing=birth_writing, years=(1965, 2001))
        d.t(sep + b.pick("", "채식", "트윈룸", "1일 늦게 출발") + "\n")
    if r.random() < 0.5:
        d.t(f"인솔 {b.name()} {b.pick('차장', '과장')} ")
        d.v("phone", "label_plain", "인솔", writing=b.pick("hyphen", "intl_plus"))
        d.t("\n")
    d.t("출발 ")
    d.n("event_date")
    d.t("  1인 ")
    d.n("price")
    d.t("원\n")
    return d.document()


def dormitory_roster(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("list", "card")
    d = _Doc(b, "dormitory_roster", frame)
    d.t(f"{b.company()} {b.pick('외국인 근로자 기숙사 입사자 명단', '기숙사 호실 배정표', '숙소 입주자 현황')}\n")
    if frame == "list":
        head = b.pick("외국인등록번호", "ARC", "등록번호")
        phone_col = r.random() < 0.35
        arc_writing = b.m.writing("foreigner_registration", COMPACT)
        d.t("호실\t성명\t국적\t" + head + ("\t휴대폰" if phone_col else "") + "\t입사일\n")
        for _ in range(r.randrange(2, 6)):
            who, nation = r.choice(FOREIGN_WORKERS)
            d.t(f"{r.randrange(1, 4)}0{r.randrange(1, 9)}호\t{who}\t{nation}\t")
            d.v("foreigner_registration", "column_header", head, writing=arc_writing)
            if phone_col:
                d.t("\t")
                d.v("phone", "column_header", "휴대폰", allowed={"hyphen", "plain"})
            d.t("\t")
            d.n("event_date")
            d.t("\n")
    else:
        d.t(f"입사자 카드\nName: {r.choice(FOREIGN_WORKERS)[0]}\n")
        d.kv(b.pick("외국인등록번호", "ARC No."), "foreigner_registration")
        d.kv(b.pick("여권번호", "Passport No."), "passport", writing="foreign_format")
        d.kv("생년월일", "birth_date", allowed={"dot", "iso", "slash"}, years=(1975, 2004))
        d.t("호실 ")
        d.n("unit_number")
        d.t("\n")
    d.t("기숙사비 월 ")
    d.n("price")
    d.t("원 급여 공제 / 사감 ")
    d.n("office_landline")
    d.t("\n")
    return d.document()


def card_dispute(b: _Builder) -> Document:
    r = b.r
    frame = b.pick("form", "letter")
    d = _Doc(b, "card_dispute", frame)
    issuer = b.pick("신한카드", "KB국민카드", "삼성카드", "현대카드", "롯데카드", "하나카드", "우리카드", "BC카드")
    if frame == "form":
        d.t(f"{issuer} {b.pick('이의신청서 (매출 취소 요청)', '부정사용 이의제기 신청서', '해외 매출 이의신청서')}\n회원명: {b.name()}\n")
        d.kv(b.pick("카드번호", "이의신청 카드번호"), "credit_card", allowed={"hyphen", "spaced", "plain", "amex", "masked"})
        d.kv(b.pick("생년월일", "회원 생년월일"), "birth_date", allowed={"yymmdd", "dot", "iso"}, years=(1950, 2004))
        d.kv("연락처", "phone", allowed={"hyphen", "plain"})
        d.t("이용일자 | 가맹점명 | 가맹점 사업자번호 | 승인번호 | 금액\n")
        for _ in range(r.randrange(1, 4)):
            d.n("event_date")
            d.t(f" | {b.pick('(주)스마트몰', '해피쇼핑', 'GLOBAL STORE', '온라인게임즈')} | ")
            d.v("business_registration", "column_header", "가맹점 사업자번호", allowed={"hyphen", "plain"})
            d.t(" | ")
            d.n("approval_number")
            d.t(" | ")
            d.n("price")
            d.t("\n")
        d.t("환불 시 입금계좌(카드 해지 시): ")
        d.account("bank_name", "", allowed={"hyphen", "plain"})
        d.t("\n")
    else:
        d.t(f"{issuer} 고객센터 귀중\n저는 {b.name()}이며, 본인 명의 카드 ")
        d.v("credit_card", "in_sentence", "본인 명의 카드", allowed={"hyphen", "masked", "spaced"})
        d.t(" 로 ")
        d.n("event_date")
        d.t(" 결제된 ")
        d.n("price")
        d.t("원(승인번호 ")
        d.n("approval_number")
        d.t(")은 제가 사용한 것이 아닙니다.\n같은 날 가족카드 ")
        d.v("credit_card", "in_sentence", "가족카드", writing="masked")
        d.t(" 에서도 비슷한 결제가 있었습니다.\n처리 결과는 ")
        d.v("email", "in_sentence", "처리 결과는")
        d.t(" 로 보내 주세요.\n")
    d.t("카드사 고객센터 ")
    d.n("company_number")
    d.t("\n")
    return d.document()


# --------------------------------------------------------------------------- the part

GENRES = {f.__name__: f for f in (
    tax_invoice, transaction_statement, merchant_application, quick_freight, job_posting,
    parttime_application, year_end_dependants, withholding_receipt, social_insurance,
    overseas_remittance, cms_autotransfer, insurance_design, bank_history, hospital_admission,
    nursing_home, parents_contact_tree, after_school, camp_signup, blood_donation, volunteer,
    appointment_text, management_fee, certified_letter, criminal_complaint, lost_and_found,
    used_car_contract, car_rental, chat_export, helpdesk_ticket, api_config, bug_report,
    tutoring_request, workshop_roster, dormitory_roster, card_dispute)}


def generate(documents: int = 1500, seed: int = 1) -> list[Document]:
    """`documents` labelled documents, genres in turn in a seeded order. Same arguments, same
    documents on every machine."""
    b = _Builder(seed * 7_919 + 77)
    genres = list(GENRES)
    out: list[Document] = []
    while len(out) < documents:
        b.r.shuffle(genres)
        for g in genres[:documents - len(out)]:
            out.append(GENRES[g](b))
    return out


if __name__ == "__main__":
    import sys
    import time

    import labelled
    t0 = time.perf_counter()
    docs = generate(int(sys.argv[1]) if len(sys.argv) > 1 else 1500)
    took = time.perf_counter() - t0
    if len(docs) <= 40:
        labelled.show(docs)
    s = labelled.summary(docs)
    total = sum(s["values"].values())
    print(f"{len(docs)} documents in {took:.2f} s, {total} values, {sum(s['negatives'].values())} negatives")
    for k, n in sorted(s["values"].items(), key=lambda x: -x[1]):
        print(f"  {k:24} {n:6} {n / total:6.1%}")
    for c, n in sorted(s["negatives"].items(), key=lambda x: -x[1]):
        print(f"  {c:24} {n:6}")
