"""Sixth blind part: Korean paperwork of places and services people pass through. Visitor logs,
guest cards and hotel bookings, gym and club rolls, alumni and church rolls, family certificates
and welfare papers, accident settlements, debt letters, fine and utility notices, cash receipts,
order and return mails, notification texts, exam registrations, medical and vaccination papers,
veterinary charts, scholarship forms, dating profiles, account recovery requests, race entries,
property inquiries, party membership forms, move-in cards, taxi dispatch logs, bilingual forms
for foreign staff, scanned IDs and bankbooks read by OCR, spreadsheets pasted into chat, meeting
and handover notes, and kiosk, ATM and POS logs.

    docs = labelled_blind6.generate(1500, seed=1)

Same data model as labelled.py (`Document`, `Value`, `Negative`): every personal value with its
kind, exact span, way of writing, label situation and whether it is partly masked
every
look-alike that is not personal information with its category. Numbers with check digits carry
valid ones (resident numbers issued before October 2020, foreigner and business numbers, cards);
accounts follow each bank's layout. A bare date or account-like number that no reader could tell
is personal is left out rather than recorded. Everything comes from the seed.
"""

from __future__ import annotations

import datetime
import random

import corpus
import labelled
from labelled import Document, Written, _Writer

PART = "blind6"
KINDS = corpus.KINDS

# --------------------------------------------------------------------------- word pools

GIVEN = ("영호 미숙 정훈 수진 현정 상민 은영 동훈 지혜 성민 혜원 재훈 나래 진우 소영 승민 다혜 기현 "
         "예린 준혁 보영 경수 하린 민규 서현 태민 정민 유나 석진 아름 종현 선영 병철 옥순 말순 동욱").split()
ROMAN_GIVEN = ("youngho misook junghoon sujin hyunjung sangmin eunyoung donghoon jihye sungmin "
               "hyewon jaehoon narae jinwoo soyoung seungmin dahye kihyun yerin junhyuk").split()
ROMAN_FAMILY = "KIM LEE PARK CHOI JUNG KANG CHO YOON JANG LIM HAN OH SEO SHIN KWON HWANG AHN SONG".split()
MAIL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                "hotmail.com", "icloud.com", "yahoo.co.kr", "korea.kr", "hanwoolsteel.co.kr",
                "mirae-edu.ac.kr", "dsme.co.kr", "outlook.com")
FOREIGN = (("ZHANG", "WEI", "CHINA", "중국"), ("NGUYEN", "VAN AN", "VIET NAM", "베트남"),
           ("TANAKA", "YUKI", "JAPAN", "일본"), ("SANTOS", "MARIA", "PHILIPPINES", "필리핀"),
           ("SMITH", "JOHN", "USA", "미국"), ("BATBAYAR", "GANBOLD", "MONGOLIA", "몽골"),
           ("RAHMAN", "ABDUL", "BANGLADESH", "방글라데시"), ("SOK", "DARA", "CAMBODIA", "캄보디아"))
DISTRICTS = ("서울특별시 강서구 화곡로", "서울특별시 노원구 동일로", "경기도 수원시 영통구 광교로",
             "부산광역시 사하구 낙동대로", "대구광역시 달서구 월배로", "인천광역시 남동구 인하로",
             "경기도 고양시 일산동구 중앙로", "광주광역시 북구 설죽로", "대전광역시 서구 둔산로",
             "충청남도 천안시 서북구 불당대로", "경상남도 창원시 성산구 중앙대로", "제주특별자치도 제주시 연북로")
INSURERS = ("삼성화재", "현대해상", "DB손해보험", "KB손해보험", "메리츠화재", "한화손해보험", "롯데손해보험")
COMPANIES = ("(주)한빛물산", "(주)대성테크", "주식회사 누리소프트", "(주)청담에프앤비", "세움건설(주)",
             "(주)다온물류", "그린유통", "(주)하나로메디칼", "미래산업(주)")
CARD_ISSUERS = ("신한카드", "삼성카드", "KB국민카드", "현대카드", "롯데카드", "우리카드", "하나카드", "BC카드",
                "NH농협카드")

# Banks with the layouts of their personal accounts (digits per group) and first groups seen.
BANKS = {
    "KB국민은행": ((6, 2, 6), ()), "국민": ((6, 2, 6), ()), "신한은행": ((3, 3, 6), ("110", "140")),
    "신한": ((3, 3, 6), ("110", "100")), "우리은행": ((4, 3, 6), ("1002",)), "우리": ((4, 3, 6), ("1002",)),
    "하나은행": ((3, 6, 5), ()), "하나": ((3, 6, 5), ()),
    "NH농협": ((3, 4, 4, 2), ("302", "301", "312", "351", "352", "356")),
    "농협": ((3, 4, 4, 2), ("302", "301", "352")), "IBK기업은행": ((3, 6, 2, 3), ()),
    "기업": ((3, 6, 2, 3), ()), "카카오뱅크": ((4, 2, 7), ("3333", "3355")), "토스뱅크": ((4, 4, 4), ("1000",)),
    "케이뱅크": ((3, 3, 6), ("100",)), "우체국": ((6, 2, 6), ()), "새마을금고": ((4, 4, 4, 1), ("9002", "9003")),
    "SC제일은행": ((3, 2, 6), ()), "부산은행": ((3, 4, 4, 2), ()), "대구은행": ((3, 2, 6, 1), ()),
    "수협": ((4, 4, 4), ()), "신협": ((3, 3, 6), ("132", "131")), "경남은행": ((3, 2, 7), ()),
}
LICENCE_REGIONS = {11: "서울", 12: "부산", 13: "경기", 14: "강원", 15: "충북", 16: "충남", 17: "전북",
                   18: "전남", 19: "경북", 20: "경남", 21: "제주", 22: "대구", 23: "인천", 24: "광주",
                   25: "대전", 26: "울산", 28: "경기북부"}
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
OCR_LETTERS = {"0": "O", "1": "l", "5": "S", "8": "B"}

# --------------------------------------------------------------------------- ways of writing

# Usual ways of writing each kind, with weights; genres ask for others by name where they occur.
WAYS = {
    "resident": {"hyphen": 6, "plain": 1.2, "masked": 2, "spaced": 0.8, "fullwidth": 0.3, "post2020": 0.6},
    "foreigner_registration": {"hyphen": 6, "plain": 1.2, "masked": 1.2, "spaced": 0.6},
    "business_registration": {"hyphen": 6, "plain": 1.5, "masked": 0.4, "spaced": 0.4},
    "credit_card": {"hyphen": 4, "spaced": 1.5, "plain": 1.2, "masked": 3, "amex": 0.4},
    "bank_account": {"hyphen": 5, "plain": 2.5, "masked": 0.8, "spaced": 0.4},
    "phone": {"hyphen": 7, "plain": 1.5, "dot": 0.7, "spaced": 0.8, "masked": 1.2, "intl": 0.5,
              "fullwidth": 0.2},
    "email": {"plain": 9, "masked": 1, "upper": 0.3},
    "driver_license": {"hyphen": 5, "region_prefixed": 3, "plain": 0.8},
    "birth_date": {"iso": 2, "dot": 2.5, "korean_date": 2.5, "yymmdd": 1.2, "compact": 0.8,
                   "short_dot": 0.7, "slash": 0.4, "spaced_dot": 0.7},
    "passport": {"old_format": 2, "current_format": 3},
}
# Ways that stand in a cell or a log field (no inner spaces).
COMPACT = {"hyphen", "plain", "masked", "post2020", "iso", "dot", "compact", "yymmdd", "slash",
           "old_format", "current_format", "region_prefixed", "amex", "short_dot", "korean_date"}
# Ways a reader recognises with no label at all.
SELF_EVIDENT = {
    "resident": {"hyphen", "masked"},
    "phone": {"hyphen", "masked", "intl", "plain", "dot", "spaced", "hangul_numerals"},
    "email": {"plain", "masked"}, "credit_card": {"hyphen", "spaced", "masked"},
}
OCR_WAYS = ("ocr_spaced", "ocr_letters", "line_break")
WRITINGS = {k: set(v) for k, v in WAYS.items()}
for _k in ("resident", "foreigner_registration", "business_registration", "bank_account", "driver_license"):
    WRITINGS[_k] |= set(OCR_WAYS)
WRITINGS["phone"] |= {"landline", "hangul_numerals", "line_break"}
WRITINGS["passport"] |= {"foreign_format", "ocr_letters"}
WRITINGS["birth_date"] |= {"lunar", "ocr_spaced"}

LABELS = ("label_before", "label_english", "bilingual", "label_after", "label_above", "lines_away",
          "in_sentence", "column_header", "header_message", "log_key", "bank_name", "no_label")


class _Ways:
    """Values of every kind in the ways people write them, check digits valid where they exist."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def d(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def make(self, kind: str, writing: str | None = None, allowed=None, born=None) -> Written:
        """A value of one kind; `born` (year, month, day) fixes the birth date that resident
        numbers and birth dates carry, so that a person's numbers agree with each other."""
        r = self.r
        if writing is None:
            opts = [(w, p) for w, p in WAYS[kind].items() if allowed is None or w in allowed]
            writing = r.choices([w for w, _ in opts], [p for _, p in opts])[0]
        if born is not None and kind in ("resident", "foreigner_registration", "birth_date"):
            text = getattr(self, "_" + kind)(writing, born=born)
        else:
            text = getattr(self, "_" + kind)(writing)
        return Written(kind, text, writing, writing == "masked")

    # ------------------------------------------------------------------ shared shapes

    def _join(self, groups: list[str], writing: str) -> str:
        """Groups of digits joined in one way of writing: the usual ones as labelled.py writes
        them, and the ways of scans and of people spelling digits in Hangul."""
        r = self.r
        if writing not in ("hangul_numerals",) + OCR_WAYS:
            return labelled._Values._groups(groups, writing, r)
        if writing == "hangul_numerals":
            return " ".join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in groups)
        if writing == "ocr_spaced":  # a scan puts stray spaces inside and around the groups
            s = "-".join(groups)
            for _ in range(r.randrange(1, 3)):
                i = r.randrange(1, len(s))
                s = s[:i] + " " + s[i:]
            return s.replace("  ", " ")
        if writing == "ocr_letters":
            s = "-".join(groups)
            spots = [i for i in range(1, len(s) - 1) if s[i] in OCR_LETTERS]
            if spots:
                i = r.choice(spots)
                s = s[:i] + OCR_LETTERS[s[i]] + s[i + 1:]
            return s
        cut = r.randrange(1, len(groups))  # line_break: the number wraps onto the next line of the scan
        return "-".join(groups[:cut]) + r.choice(("-\n", "\n-", "\n")) + "-".join(groups[cut:])

    def _resident_digits(self, foreigner: bool, post2020: bool, born=None) -> str:
        r = self.r
        if post2020 and born is None:
            y, m, dd = corpus.random_date(r, 2020, 2025)
            if y == 2020 and m < 10:
                m = r.randrange(10, 13)
            return f"{y % 100:02d}{m:02d}{dd:02d}{(7 if foreigner else 3) + r.randrange(2)}{self.d(6)}"
        y, m, dd = born or corpus.random_date(r, 1940, 2006)
        g = (5 if foreigner else 1) + r.randrange(2) + (2 if y >= 2000 else 0)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{dd:02d}{g}{self.d(5)}"]
        return "".join(map(str, d12)) + str(corpus.resident_check(d12, foreigner))

    def _resident(self, writing: str, foreigner: bool = False, born=None) -> str:
        s = self._resident_digits(foreigner, writing == "post2020", born)
        if writing == "masked":
            return s[:6] + "-" + (s[6] + "******" if self.r.random() < 0.75 else "*******")
        return self._join([s[:6], s[6:]], "hyphen" if writing == "post2020" else writing)

    def _foreigner_registration(self, writing: str, born=None) -> str:
        return self._resident(writing, foreigner=True, born=born)

    def _business_registration(self, writing: str) -> str:
        r = self.r
        d9 = [r.randrange(1, 9), r.randrange(10), r.randrange(10)] + \
            [r.choice((0, 1, 2, 3, 4, 5, 8, 8, 1))] + [int(c) for c in self.d(5)]
        s = "".join(map(str, d9)) + str(corpus.business_check(d9))
        if writing == "masked":
            return f"{s[:3]}-{s[3:5]}-{s[5]}****"
        return self._join([s[:3], s[3:5], s[5:]], writing)

    def _credit_card(self, writing: str) -> str:
        r = self.r
        if writing == "amex":
            body = [3, 7] + [int(c) for c in self.d(12)]
            s = "".join(map(str, body)) + str(corpus.luhn_check(body))
            return f"{s[:4]}-{s[4:10]}-{s[10:]}"
        prefix = r.choice(("4", "5" + str(r.randrange(1, 6)), "9410", "9490", "6250", "3560", "4518", "4364"))
        body = [int(c) for c in prefix + self.d(15 - len(prefix))]
        s = "".join(map(str, body)) + str(corpus.luhn_check(body))
        if writing == "masked":
            return r.choice((f"{s[:4]}-{s[4:6]}**-****-{s[12:]}", f"{s[:6]}******{s[12:]}",
                             f"{s[:4]}-****-****-{s[12:]}", f"{s[:4]}-{s[4:8]}-****-{s[12:]}"))
        return self._join([s[:4], s[4:8], s[8:12], s[12:]], writing)

    def account_groups(self, bank: str) -> list[str]:
        shape, firsts = BANKS[bank]
        first = self.r.choice(firsts) if firsts else self.d(shape[0])
        return [first] + [self.d(n) for n in shape[1:]]

    def _bank_account(self, writing: str, bank: str | None = None) -> str:
        g = self.account_groups(bank or self.r.choice(list(BANKS)))
        if writing == "masked":
            if self.r.random() < 0.5:
                g[1] = "*" * len(g[1])
            else:
                g[-1] = g[-1][:-4] + "****" if len(g[-1]) > 4 else "*" * len(g[-1])
            return "-".join(g)
        return self._join(g, writing)

    def account(self, bank: str, writing: str | None = None, allowed=None) -> Written:
        w = self.make("bank_account", writing, allowed)
        return Written("bank_account", self._bank_account(w.writing, bank), w.writing, w.masked)

    def mobile(self) -> list[str]:
        return ["010", str(self.r.randrange(2, 10)) + self.d(3), self.d(4)]

    def _phone(self, writing: str) -> str:
        r = self.r
        if writing == "landline":
            area = r.choice(("02", "031", "032", "051", "053", "042", "062", "033", "041", "055", "064"))
            return f"{area}-{r.randrange(2, 10)}{self.d(r.choice((2, 3)))}-{self.d(4)}"
        g = self.mobile() if r.random() < 0.93 else [r.choice(("011", "016", "019")),
                                                     str(r.randrange(2, 10)) + self.d(2), self.d(4)]
        if writing == "intl":
            return r.choice((f"+82 {g[0][1:]}-{g[1]}-{g[2]}", f"+82-{g[0][1:]}-{g[1]}-{g[2]}",
                             f"+82 {g[0][1:]} {g[1]} {g[2]}", f"+82{g[0][1:]}{g[1]}{g[2]}",
                             f"+82 (0){g[0][1:]}-{g[1]}-{g[2]}"))
        if writing == "masked":
            return r.choice((f"{g[0]}-****-{g[2]}", f"{g[0]}-{g[1][:2]}**-{g[2]}", f"{g[0]}-{g[1]}-****",
                             f"{g[0]}****{g[2]}", f"{g[0]}-{g[1][0]}***-{g[2]}"))
        return self._join(g, writing)

    def _email(self, writing: str) -> str:
        r = self.r
        given, fam = r.choice(ROMAN_GIVEN), r.choice(ROMAN_FAMILY).lower()
        local = r.choice((f"{given}{r.randrange(70, 100)}", f"{fam}.{given}", f"{given[0]}{fam}{r.randrange(1, 999)}",
                          f"{given}_{fam}", f"{fam}{given}{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}",
                          f"{given[:2]}{fam}", f"{fam}{given}"))
        domain = r.choice(MAIL_DOMAINS)
        if writing == "masked":
            return f"{local[:r.choice((2, 3))]}{'*' * r.randrange(3, 6)}@{domain}"
        if writing == "upper":
            return f"{local}@{domain}".upper()
        return f"{local}@{domain}"

    def _driver_license(self, writing: str) -> str:
        r = self.r
        region = r.choice(list(LICENCE_REGIONS))
        tail = [f"{r.randrange(0, 100):02d}", self.d(6), f"{r.randrange(0, 100):02d}"]
        if writing == "region_prefixed":
            return LICENCE_REGIONS[region] + r.choice((" ", "")) + "-".join(tail)
        return self._join([str(region)] + tail, writing)

    def birth(self, lo: int = 1940, hi: int = 2006) -> tuple[int, int, int]:
        return corpus.random_date(self.r, lo, hi)

    def _birth_date(self, writing: str, born=None) -> str:
        y, m, dd = born or self.birth()
        yy = y % 100
        if writing == "lunar":
            return f"{y}년 {m}월 {dd}일(음)" if self.r.random() < 0.5 else f"(음) {y}.{m:02d}.{dd:02d}"
        if writing == "ocr_spaced":
            return f"{y} 년 {m:02d} 월 {dd:02d} 일"
        return {"iso": f"{y}-{m:02d}-{dd:02d}", "dot": f"{y}.{m:02d}.{dd:02d}",
                "korean_date": f"{y}년 {m}월 {dd}일", "yymmdd": f"{yy:02d}{m:02d}{dd:02d}",
                "compact": f"{y}{m:02d}{dd:02d}", "short_dot": f"{yy:02d}.{m:02d}.{dd:02d}",
                "slash": f"{y}/{m:02d}/{dd:02d}", "spaced_dot": f"{y}. {m}. {dd}."}[writing]

    def _passport(self, writing: str) -> str:
        r = self.r
        if writing == "foreign_format":  # other countries' passports, held by foreign guests and staff
            return r.choice((lambda: "E" + self.d(8), lambda: "EH" + self.d(7), lambda: "T" + r.choice("KRZ") + self.d(7),
                             lambda: r.choice("CBN") + self.d(7), lambda: "P" + self.d(7) + r.choice("ABC"),
                             lambda: "E" + r.choice("ABCDE") + self.d(7)))()
        if writing == "current_format":
            return r.choice("MMMS") + self.d(3) + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") + self.d(4)
        s = r.choice("MMMSRG") + self.d(8)
        if writing == "ocr_letters":
            i = r.randrange(2, len(s))
            s = s[:i] + OCR_LETTERS.get(s[i], s[i]) + s[i + 1:]
        return s


# --------------------------------------------------------------------------- look-alikes

NEG_CATEGORIES = (
    "reservation_number", "order_number", "tracking_number", "exam_number", "case_number",
    "policy_number", "patient_number", "member_number", "serial_number", "accident_report_number",
    "virtual_account", "payer_number", "electronic_payment_number", "price", "event_date", "time",
    "postal_code", "address_number", "car_plate", "ip_address", "version_number", "isbn",
    "pet_registration_number", "company_number", "office_landline", "office_fax", "company_account",
    "approval_number", "verification_code", "point_card_number", "room_number", "temperature",
    "bib_number", "listing_number", "broker_registration_number", "dispatch_number", "safe_number",
    "terminal_id", "transaction_number", "document_number", "lot_number", "disease_code",
    "doctor_licence_number", "inquiry_number", "contract_number", "student_number", "employee_number",
    "coordinates", "household_number", "quantity", "seat_number", "invoice_number")


class _Lookalikes:
    def __init__(self, r: random.Random, ways: _Ways) -> None:
        self.r, self.ways = r, ways

    def make(self, category: str) -> str:
        r, d = self.r, self.ways.d
        y, m, dd = corpus.random_date(r, 2019, 2026)
        ymd = f"{y}{m:02d}{dd:02d}"
        table = {
            "reservation_number": lambda: r.choice((f"R{d(10)}", d(10), f"{d(4)}-{d(4)}-{d(4)}", f"HB{ymd[2:]}{d(5)}")),
            "order_number": lambda: r.choice((f"{ymd}-{d(7)}", f"{ymd}{d(8)}", f"ORD{ymd}{d(6)}", d(13))),
            "tracking_number": lambda: r.choice((d(12), f"{d(4)}-{d(4)}-{d(4)}", d(13), d(11))),
            "exam_number": lambda: r.choice((d(8), f"{d(4)}-{d(4)}", f"{r.choice('ABC')}{d(7)}", f"{y}-{d(6)}")),
            "case_number": lambda: f"{y}{r.choice(('차전', '차', '가단', '가소', '타경'))}{r.randrange(100, 999999)}",
            "policy_number": lambda: r.choice((d(12), f"L{y}-{d(7)}", f"{d(4)}-{d(4)}-{d(4)}", f"{d(3)}-{d(7)}-{d(3)}")),
            "patient_number": lambda: r.choice((d(8), f"{d(2)}-{d(6)}", d(10))),
            "member_number": lambda: r.choice((d(10), f"GM{d(6)}", d(8), f"{y}{d(5)}")),
            "serial_number": lambda: r.choice((f"SN{d(10)}", f"{d(4)}-{d(4)}-{d(4)}-{d(4)}", f"KR{d(3)}A{d(6)}", d(14))),
            "accident_report_number": lambda: r.choice((f"{y}-{d(7)}", f"{y % 100}-{d(4)}-{d(4)}-{d(1)}",
                                                        f"{ymd}{d(5)}", f"{ymd}-{d(4)}")),
            "payer_number": lambda: r.choice((f"{d(5)}-{d(1)}-{y % 100}-{d(6)}-{d(1)}", d(16), f"{d(4)}-{d(4)}-{d(4)}-{d(6)}")),
            "electronic_payment_number": lambda: r.choice((d(19), f"{d(5)}-{d(1)}-{d(1)}-{d(4)}-{d(8)}",
                                                           f"{d(4)} {d(4)} {d(4)} {d(4)} {d(3)}")),
            "price": lambda: f"{r.randrange(1, 9999) * r.choice((100, 1000, 10, 500)):,}",
            "event_date": lambda: r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}.{m:02d}.{dd:02d}", f"{y}년 {m}월 {dd}일",
                                           f"{y}/{m:02d}/{dd:02d}", f"{y}. {m}. {dd}.", f"{y % 100}.{m:02d}.{dd:02d}")),
            "time": lambda: r.choice((f"{r.randrange(24):02d}:{r.randrange(60):02d}", f"{r.randrange(1, 13)}시 {r.randrange(60)}분",
                                     f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}")),
            "postal_code": lambda: r.choice((f"{r.randrange(1, 63):02d}{d(3)}", f"{d(3)}-{d(3)}")),
            "address_number": lambda: r.choice((str(r.randrange(1, 400)), f"{r.randrange(1, 999)}-{r.randrange(1, 99)}")),
            "car_plate": lambda: r.choice((f"{r.randrange(10, 100)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주하허호')} {d(4)}",
                                          f"{r.randrange(100, 400)}{r.choice('가나다라마거너더러머')}{d(4)}",
                                          f"서울{r.randrange(10, 99)}{r.choice('바사아자')}{d(4)}")),
            "ip_address": lambda: ".".join(str(x) for x in (r.choice((211, 175, 121, 58, 10, 192, 218, 114)),
                                                            r.randrange(256), r.randrange(256), r.randrange(1, 255))),
            "version_number": lambda: r.choice((f"{r.randrange(1, 12)}.{r.randrange(30)}.{r.randrange(40)}",
                                               f"v{r.randrange(1, 9)}.{r.randrange(10)}.{r.randrange(10)}.{d(4)}")),
            "isbn": self.isbn,
            "pet_registration_number": lambda: r.choice(("410" + d(12), f"410{d(3)}{d(9)}", "410-" + d(4) + "-" + d(4) + "-" + d(4))),
            "company_number": lambda: f"{r.choice(('1588', '1577', '1544', '1566', '1600', '1644', '1899', '1670'))}-{d(4)}",
            "office_landline": lambda: f"{r.choice(('02', '031', '051', '053', '042', '062', '032', '055'))}-{r.randrange(2, 10)}{d(r.choice((2, 3)))}-{d(4)}",
            "office_fax": lambda: f"{r.choice(('02', '031', '051', '070', '0505'))}-{r.randrange(2, 10)}{d(r.choice((2, 3)))}-{d(4)}",
            "approval_number": lambda: d(8),
            "verification_code": lambda: d(r.choice((4, 6, 6, 6))),
            "point_card_number": lambda: r.choice((f"{d(4)}-{d(4)}-{d(4)}-{d(4)}", d(16), f"{d(4)} {d(4)} {d(4)} {d(4)}")),
            "room_number": lambda: f"{r.randrange(2, 25)}{r.randrange(1, 20):02d}",
            "temperature": lambda: f"{r.choice((35, 36, 36, 36, 37))}.{r.randrange(10)}",
            "bib_number": lambda: r.choice((d(5), f"{r.choice('ABFH')}{d(4)}")),
            "listing_number": lambda: r.choice((d(10), f"{ymd}{d(3)}")),
            "broker_registration_number": lambda: f"{r.choice(('11680', '11650', '41135', '26350', '11440'))}-{y - r.randrange(10)}-{d(5)}",
            "dispatch_number": lambda: r.choice((f"D{ymd[2:]}{d(5)}", d(12), f"T{d(9)}")),
            "safe_number": lambda: r.choice((f"050-{d(4)}-{d(4)}", f"0504-{d(3)}-{d(4)}", f"0507{d(7)}", f"0508-{d(4)}-{d(4)}")),
            "terminal_id": lambda: r.choice((d(8), f"ATM{d(4)}", f"K{d(7)}", f"POS-{d(2)}")),
            "transaction_number": lambda: r.choice((f"{ymd}{d(6)}", f"T{d(14)}", d(12))),
            "document_number": lambda: r.choice((f"{d(4)}-{d(4)}-{d(4)}-{d(4)}", f"{d(4)}-{d(4)}-{d(4)}", d(16))),
            "lot_number": lambda: r.choice((f"{r.choice(('FL', 'EW', 'AB', 'FK'))}{d(4)}", f"{r.choice('ABCDE')}{d(3)}{r.choice('ABCDE')}{d(2)}")),
            "disease_code": lambda: f"{r.choice('JMKRSZIA')}{d(2)}.{d(1)}",
            "doctor_licence_number": lambda: str(r.randrange(10000, 140000)),
            "inquiry_number": lambda: r.choice((f"{ymd}{d(4)}", f"Q{d(9)}", d(10))),
            "contract_number": lambda: r.choice((f"C-{y}-{d(5)}", f"{y}{d(6)}", f"{d(3)}-{d(2)}-{d(6)}")),
            "student_number": lambda: f"{r.randrange(2016, 2026)}{d(r.choice((4, 5, 6)))}",
            "employee_number": lambda: r.choice((f"{r.randrange(2005, 2026)}{d(4)}", f"E{d(6)}")),
            "coordinates": lambda: f"{r.randrange(33, 38)}.{d(6)}, {r.randrange(126, 130)}.{d(6)}",
            "household_number": lambda: f"{r.randrange(101, 120)}동 {r.randrange(1, 30)}{r.randrange(1, 6):02d}호",
            # an electronic tax invoice's approval number: day, issuer code, serial
            "invoice_number": lambda: r.choice((f"{ymd}-{r.choice(('41', '42', '10'))}{d(6)}-{d(8)}", f"{ymd}{d(16)}")),
        }
        return table[category]()

    def isbn(self) -> str:
        r = self.r
        body = [9, 7, r.choice((8, 9))] + [int(c) for c in "89" + self.ways.d(7)]
        t = "".join(map(str, body)) + str(corpus.isbn_check(body))
        return f"{t[:3]}-{t[3:5]}-{t[5:9]}-{t[9:12]}-{t[12]}"

    def account(self) -> tuple[str, str]:
        """An organisation's account (virtual or company): bank name and number."""
        bank = self.r.choice(list(BANKS))
        return bank, "-".join(self.ways.account_groups(bank)) if self.r.random() < 0.7 else \
            "".join(self.ways.account_groups(bank))


# Amounts in won by the phrasing that carries them, where the usual 1,000 to 300,000 would be odd.
PRICE_RANGES = {
    "settle.amount": (500_000, 30_000_000), "collect.amount": (300_000, 50_000_000),
    "order.claim": (1_000_000, 80_000_000), "contract.wage": (2_060_000, 3_800_000),
    "sms.balance": (1_000, 9_000_000), "sms.deposit": (10_000, 3_000_000), "recover.amount": (1_000, 110_000),
    "golf.fee": (120_000, 320_000), "golf.cart": (80_000, 120_000), "cafe.pay": (3_000, 160_000),
    "membership.fee": (50_000, 1_500_000), "dating.fee": (990_000, 5_000_000), "fine.amount": (40_000, 100_000),
    "tax.amount": (30_000, 600_000), "exam.fee": (19_800, 52_800), "race.fee": (30_000, 80_000),
    "rental.fee": (19_900, 89_900), "trip.fee": (50_000, 2_500_000), "taxi.fare": (4_800, 60_000),
    "regcard.rate": (89_000, 450_000), "mail.total": (100_000, 1_200_000), "ledger.price": (30_000, 120_000),
}

# --------------------------------------------------------------------------- the builder

class _Builder:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed * 7919 + 606)
        self.ways = _Ways(self.r)
        self.looks = _Lookalikes(self.r, self.ways)

    # ------------------------------------------------------------------ small helpers

    def name(self) -> str:
        return self.r.choice(corpus.SURNAMES) + self.r.choice(GIVEN)

    def masked_name(self) -> str:
        n = self.name()
        return n[0] + "*" + n[2:] if self.r.random() < 0.6 else n[0] + "**"

    def roman(self) -> str:
        return f"{self.r.choice(ROMAN_FAMILY)} {self.r.choice(ROMAN_GIVEN).upper()}"

    def one(self, *items):
        return self.r.choice(items)

    def chance(self, p: float) -> bool:
        return self.r.random() < p

    def born(self, lo: int, hi: int) -> tuple[int, int, int]:
        return corpus.random_date(self.r, lo, hi)

    def val(self, w: _Writer, kind: str, situation: str, label: str, frame: str,
            writing: str | None = None, allowed=None, written: Written | None = None, born=None) -> None:
        v = written or self.ways.make(kind, writing, allowed, born)
        if situation == "no_label":
            label = ""
        w.value(v, situation, label, frame)

    def field(self, w: _Writer, label: str, kind: str, frame: str, sep: str = ": ",
              situation: str = "label_before", writing: str | None = None, allowed=None, end: str = "\n",
              born=None) -> None:
        w.add(label + sep)
        self.val(w, kind, situation, label.lstrip("- "), frame, writing, allowed, born=born)
        w.add(end)

    def label_after(self, w: _Writer, kind: str, label: str, frame: str, writing: str | None = None,
                    allowed=None) -> None:
        """The value first, then what it is (자택, 휴대폰, ...)."""
        self.val(w, kind, "label_after", label.strip(" ←()"), frame, writing, allowed)
        w.add(label)

    def put(self, w: _Writer, *pieces) -> None:
        """Writes text (str) and look-alikes ((category, phrasing) or (category, phrasing, text))
        in turn."""
        for p in pieces:
            if isinstance(p, tuple):
                self.neg(w, *p)
            else:
                w.add(p)

    def neg(self, w: _Writer, category: str, phrasing: str, text: str | None = None) -> None:
        if text is None and category == "price":
            lo, hi = PRICE_RANGES.get(phrasing, (1_000, 300_000))
            step = 1000 if lo >= 100_000 else 100
            text = f"{self.r.randrange(lo // step, hi // step + 1) * step:,}"
        w.negative(category, text if text is not None else self.looks.make(category), phrasing)

    def bank_account(self, w: _Writer, frame: str, bank: str | None = None, glue: str | None = None,
                     allowed=None) -> None:
        """A bank name, then the account in that bank's layout (the bank name is its label)."""
        bank = bank or self.r.choice(list(BANKS))
        w.add(bank + (glue if glue is not None else self.one(" ", " ", "/", " : ")))
        w.value(self.ways.account(bank, None, allowed), "bank_name", bank, frame)

    def org_account(self, w: _Writer, category: str, phrasing: str) -> None:
        bank, number = self.looks.account()
        w.add(bank + " ")
        self.neg(w, category, phrasing, number)

    def stamp(self, lo: int, hi: int, form: str = "%Y-%m-%d") -> str:
        """A day between the years lo and hi (and a time of it when the form has one)."""
        y, m, day = corpus.random_date(self.r, lo, hi)
        t = datetime.datetime(y, m, day, self.r.randrange(24), self.r.randrange(60), self.r.randrange(60))
        return t.strftime(form)

    def stay(self) -> tuple[str, str]:
        """Check-in and check-out days of a hotel stay, written the same way."""
        y, m, day = corpus.random_date(self.r, 2019, 2026)
        first = datetime.date(y, m, day)
        last = first + datetime.timedelta(days=self.r.randrange(1, 5))
        form = self.one("%Y-%m-%d", "%Y.%m.%d", "%y.%m.%d", "%Y/%m/%d")
        return first.strftime(form), last.strftime(form)

    def doc(self, genre: str) -> Document:
        return getattr(self, "g_" + genre)(_Writer(genre, PART))

    # ------------------------------------------------------------------ 1. visitor logs

    def g_visitor_log(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("table", "security_desk", "call_checkin")
        if frame == "table":
            head = self.one("연락처", "전화번호", "휴대폰", "핸드폰번호")
            w.add(self.one("[출입자 명부]", "■ 방문자 출입 대장", "출입자 명부 (코로나19 방역용, 4주 후 파기)") + "\n")
            w.add(f"번호 | 방문일시 | 성명 | {head} | 체온 | 방문목적 | 서명\n")
            for i in range(r.randrange(3, 8)):
                w.add(f"{i + 1} | ")
                self.neg(w, "event_date", "visit.date", f"{r.randrange(1, 13):02d}/{r.randrange(1, 29):02d}")
                w.add(" ")
                self.neg(w, "time", "visit.time")
                w.add(f" | {self.name()} | ")
                self.val(w, "phone", "column_header", head, "visitor.table", allowed={"hyphen", "plain", "masked"})
                w.add(" | ")
                self.neg(w, "temperature", "visit.temp")
                w.add(f" | {self.one('미팅', '납품', '면접', '상담', 'A/S', '택배')} | (서명)\n")
            if self.chance(0.5):
                w.add("관리 책임: 총무팀 ")
                self.neg(w, "office_landline", "총무팀")
                w.add("\n")
        elif frame == "security_desk":
            w.add(self.one("방문자 기록 - 본관 1층 안내데스크", "[방문객 출입 기록] 정문 경비실", "○○타워 방문자 관리 대장") + "\n")
            for _ in range(r.randrange(2, 6)):
                self.neg(w, "event_date", "desk.date", self.stamp(2023, 2026))
                w.add(" ")
                self.neg(w, "time", "desk.in")
                w.add(f" 입실 / {self.name()} / {r.choice(COMPANIES)} / ")
                self.val(w, "phone", "no_label", "", "desk.row", allowed={"hyphen", "masked"})
                w.add(f" / 방문: {r.randrange(2, 20)}층 {self.one('인사팀', '재무팀', '구매팀', '대표실')}")
                if self.chance(0.5):
                    w.add(" / 차량 ")
                    self.neg(w, "car_plate", "desk.car")
                w.add(" / 출입증 ")
                self.neg(w, "serial_number", "desk.pass", f"V-{r.randrange(1, 300):03d}")
                w.add("\n")
        else:
            w.add(self.one("안심콜 출입 기록 조회 결과", "수기 명부 대신 안심콜 이용 내역") + "\n안심콜 번호 ")
            self.neg(w, "company_number", "safecall", f"080-{self.ways.d(3)}-{self.ways.d(4)}")
            w.add("\n발신번호,통화일시\n")
            for _ in range(r.randrange(3, 7)):
                self.val(w, "phone", "column_header", "발신번호", "safecall.csv", allowed={"plain", "hyphen"})
                w.add(",")
                self.neg(w, "event_date", "safecall.ts", self.stamp(2021, 2022, "%Y-%m-%d %H:%M"))
                w.add("\n")
        return w.document()

    # ------------------------------------------------------------------ 2. guest cards and hotel bookings

    def g_hotel_guest(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("registration_card", "booking_mail", "motel_ledger")
        if frame == "registration_card":
            fam, given, country, ko = r.choice(FOREIGN)
            w.add("REGISTRATION CARD / 숙박 등록 카드\n")
            w.add(f"Name / 성명: {fam} {given}\nNationality / 국적: {country}\n")
            self.field(w, self.one("Passport No. / 여권번호", "여권번호(Passport No.)", "PASSPORT NO"), "passport",
                       "regcard", situation="bilingual", writing="foreign_format")
            self.field(w, self.one("Date of Birth / 생년월일", "D.O.B / 생년월일"), "birth_date", "regcard",
                       situation="bilingual", allowed={"iso", "dot", "slash"})
            if self.chance(0.6):
                self.field(w, "Mobile / 연락처", "phone", "regcard", situation="bilingual", allowed={"intl", "hyphen"})
            self.field(w, "E-mail", "email", "regcard", situation="label_english")
            w.add("Room No. / 객실: ")
            self.neg(w, "room_number", "regcard.room")
            w.add("\nConfirmation No. / 예약번호: ")
            self.neg(w, "reservation_number", "regcard.conf")
            arrive, leave = self.stay()
            w.add("\nArrival / 체크인: ")
            self.neg(w, "event_date", "regcard.in", arrive)
            w.add("   Departure / 체크아웃: ")
            self.neg(w, "event_date", "regcard.out", leave)
            w.add("\nRate: KRW ")
            self.neg(w, "price", "regcard.rate")
            w.add("\n")
        elif frame == "booking_mail":
            hotel = self.one("그랜드 하버 호텔", "스테이 해운대", "라온 리조트 제주", "더 메이 호텔 명동")
            w.add(f"[{hotel}] 예약이 확정되었습니다.\n\n{self.name()} 고객님, 예약해 주셔서 감사합니다.\n")
            self.put(w, self.one("예약번호 : ", "예약 번호 ", "Booking No. "), ("reservation_number", "mail.booking"))
            arrive, leave = self.stay()
            self.put(w, "\n숙박일: ", ("event_date", "mail.in", arrive), " ~ ")
            self.neg(w, "event_date", "mail.out", leave)
            w.add(f" ({r.randrange(1, 4)}박)\n객실: 디럭스 더블 / 성인 {r.randrange(1, 4)}명\n")
            self.field(w, self.one("예약자 연락처", "투숙객 휴대폰", "연락처"), "phone", "booking.mail")
            self.field(w, self.one("이메일", "예약자 이메일"), "email", "booking.mail")
            if self.chance(0.35):  # hotels abroad booked through a Korean agency ask for the passport
                w.add(f"여권 영문명: {self.roman()}\n")
                self.field(w, self.one("여권번호", "여권 번호", "Passport No."), "passport", "booking.mail")
            w.add(f"보증 카드: {r.choice(CARD_ISSUERS)} ")
            self.val(w, "credit_card", "label_before", "보증 카드", "booking.mail", writing="masked")
            self.put(w, "\n결제 예정 금액: ", ("price", "mail.total"), "원 (현장 결제)\n")
            self.put(w, "문의: 프런트 ", ("office_landline", "mail.front"))
            self.put(w, " / 예약실 ", ("company_number", "mail.callcenter"), "\n")
        else:
            w.add(self.one("숙박부", "투숙객 명부 (장부 사본)") + f" - {r.randrange(1, 13)}월\n")
            w.add("일자 시각 호실 성명 연락처 금액 비고\n")
            for _ in range(r.randrange(3, 7)):
                self.neg(w, "event_date", "ledger.date", f"{r.randrange(1, 13)}/{r.randrange(1, 29)}")
                self.put(w, " ", ("time", "ledger.time"), " ")
                self.neg(w, "room_number", "ledger.room", str(r.randrange(201, 510)))
                w.add(f"호 {self.masked_name() if self.chance(0.3) else self.name()} ")
                self.val(w, "phone", "column_header", "연락처", "ledger", allowed={"hyphen", "plain"})
                self.put(w, " ", ("price", "ledger.price"), f" {self.one('현금', '카드', '대실', '숙박', '')}\n")
        return w.document()

    # ------------------------------------------------------------------ 3. gym, golf and club memberships

    def g_membership_form(self, w: _Writer) -> Document:
        if self.chance(0.4):
            return self._golf_booking(w)
        r = self.r
        club = self.one("스포애니 강서점", "OO골프클럽", "바디핏 헬스앤필라테스", "한강 수영장", "리버사이드 CC")
        w.add(f"{club} 회원가입 신청서\n\n")
        w.add(f"성명: {self.name()}    성별: {self.one('남', '여')}\n")
        if self.chance(0.4):
            self.field(w, "생년월일(6자리)", "birth_date", "membership", writing="yymmdd")
        else:
            self.field(w, "생년월일", "birth_date", "membership", allowed={"dot", "iso", "korean_date"})
        self.field(w, self.one("휴대전화", "H.P", "연락처"), "phone", "membership")
        if self.chance(0.6):
            label = self.one("비상연락처(관계: 배우자)", "보호자 연락처", "긴급연락처:")
            w.add(label + " ")
            self.val(w, "phone", "label_before", label.rstrip(":"), "membership")
            w.add("\n")
        if self.chance(0.6):
            self.field(w, "E-mail", "email", "membership", situation="label_english")
        self.put(w, "회원번호: ", ("member_number", "membership.no"))
        self.put(w, "   락커: ", ("seat_number", "membership.locker", str(r.randrange(1, 400))))
        w.add("\n이용권: " + self.one("12개월", "6개월+PT 10회", "평일 주간", "정회원") + "  금액: ")
        self.put(w, ("price", "membership.fee"), "원\n")
        payment = self.one("card", "cms", None)
        if payment == "card":
            w.add("자동이체 결제카드: ")
            self.val(w, "credit_card", "label_before", "자동이체 결제카드", "membership")
            w.add(f" ({r.choice(CARD_ISSUERS)}) 유효기간 {r.randrange(1, 13):02d}/{r.randrange(26, 31)}\n")
        elif payment == "cms":
            w.add("[CMS 자동이체] 출금계좌: ")
            self.bank_account(w, "membership.cms")
            w.add(f" 예금주 {self.name()}\n")
        self.put(w, "가입일: ", ("event_date", "membership.joined"), "   담당 트레이너: " + self.name() + "\n")
        self.put(w, "※ 센터 문의 ", ("office_landline", "membership.center"), "\n")
        return w.document()

    def g_club_roster(self, w: _Writer) -> Document:
        r = self.r
        club = self.one("주말 산악회", "한마음 조기축구회", "OO대 테니스 동호회", "사진동호회 빛그림", "라이딩 클럽 두바퀴")
        frame = self.one("roster", "notice")
        if frame == "roster":
            cols = self.one(("이름", "생년", "연락처", "비고"), ("회원명", "생년월일", "휴대폰", "가입일"),
                            ("성명", "생일", "핸드폰", "회비"))
            w.add(f"{club} 회원명부 ({r.randrange(2023, 2027)}년 {r.randrange(1, 13)}월 기준)\n")
            w.add("\t".join(cols) + "\n")
            for _ in range(r.randrange(4, 9)):
                w.add(self.name() + "\t")
                if cols[1] == "생년":
                    w.add(f"{r.randrange(55, 99)}년생\t")
                else:
                    self.val(w, "birth_date", "column_header", cols[1], "roster", allowed={"dot", "yymmdd", "short_dot", "iso"})
                    w.add("\t")
                self.val(w, "phone", "column_header", cols[2], "roster", allowed={"hyphen", "plain", "dot"})
                w.add("\t")
                if cols[3] == "가입일":
                    self.neg(w, "event_date", "roster.joined")
                elif cols[3] == "회비":
                    self.neg(w, "price", "roster.fee", f"{r.choice((3, 5, 10, 12))}0,000")
                else:
                    w.add(self.one("총무", "회장", "", "신입", "휴면"))
                w.add("\n")
        else:
            w.add(f"[{club}] {r.randrange(1, 13)}월 정기모임 안내\n일시: ")
            self.put(w, ("event_date", "notice.date"), " ", ("time", "notice.time"))
            self.put(w, f"\n장소: {r.choice(DISTRICTS)} ", ("address_number", "notice.addr"))
            self.put(w, "\n회비 ", ("price", "notice.fee"), "원은 총무 계좌로 보내주세요 → ")
            self.bank_account(w, "notice.fee_account")
            w.add(f" ({self.name()})\n참석 여부는 총무 {self.name()} ")
            self.val(w, "phone", "no_label", "", "notice.sentence", allowed={"hyphen"})
            w.add(" 로 문자 주세요.\n")
            if self.chance(0.5):
                w.add("회장님 번호 바뀌셨어요: ")
                self.label_after(w, "phone", self.one(" (회장 핸드폰)", "(새 번호)", " ← 회장님 새 폰"), "notice.sentence",
                                 allowed={"hyphen", "plain"})
                w.add("\n")
        return w.document()

    # ------------------------------------------------------------------ 4. alumni and church rolls

    def g_alumni_directory(self, w: _Writer) -> Document:
        if self.chance(0.4):
            return self._class_phone_tree(w)
        r = self.r
        school = self.one("OO고등학교 32회", "한국대 경영학과 07학번", "새빛초등학교 총동문회", "OO공고 전기과")
        w.add(f"{school} 동문 주소록\n※ 동문 외 유출 금지\n\n")
        for _ in range(r.randrange(2, 5)):
            w.add(f"{self.name()} ({self.one('3반', '총무', '회장', '', '재무')})\n")
            w.add(f"  근무처: {r.choice(COMPANIES)} " + self.one("", "과장", "부장", "대표") + "  ")
            if self.chance(0.6):
                self.put(w, "직통 ", ("office_landline", "alumni.office"), "  ")
            label = self.one("HP", "H.P.", "휴대폰", "☎")
            w.add(f"\n  {label} ")
            self.val(w, "phone", "label_before", label, "alumni", allowed={"hyphen", "dot", "spaced"})
            if self.chance(0.35):
                w.add(" / ")
                self.label_after(w, "phone", self.one(" (자택)", "(집)", " 자택"), "alumni", writing="landline")
            label = self.one("E-mail", "메일", "이메일")
            w.add(f"\n  {label}{self.one(' ', ': ')}")
            self.val(w, "email", "label_before", label, "alumni")
            self.put(w, "\n  우편번호 ", ("postal_code", "alumni.zip"))
            self.put(w, f" {r.choice(DISTRICTS)} ", ("address_number", "alumni.addr"), "\n")
        w.add("동문회비 납부: ")
        self.org_account(w, "company_account", "alumni.fee")
        w.add(" (예금주: 총동문회)\n")
        return w.document()

    def g_church_roll(self, w: _Writer) -> Document:
        r = self.r
        w.add(self.one("교적부", "새가족 등록카드", "교인 등록 카드") + f" - {self.one('OO교회', '사랑의교회 OO성전', '성당 OO본당')}\n")
        w.add(f"교구/구역: {r.randrange(1, 12)}교구 {r.randrange(1, 30)}구역   등록번호: ")
        self.put(w, ("member_number", "church.reg"), "\n")
        w.add(f"세대주: {self.name()}   직분: {self.one('집사', '권사', '장로', '성도')}\n")
        self.field(w, "생년월일", "birth_date", "church.head", allowed={"dot", "korean_date", "iso"},
                   writing="lunar" if self.chance(0.25) else None)
        self.field(w, self.one("휴대폰", "연락처"), "phone", "church.head")
        if self.chance(0.4):
            self.field(w, "자택", "phone", "church.head", writing="landline")
        self.put(w, f"주소: {r.choice(DISTRICTS)} ", ("address_number", "church.addr"))
        self.put(w, ", ", ("household_number", "church.apt"), "\n세례일: ")
        self.put(w, ("event_date", "church.baptism"), "\n\n가족사항\n관계 | 성명 | 생년월일 | 휴대폰 | 신급\n")
        for rel in r.sample(("배우자", "자녀", "자녀", "모", "부"), r.randrange(1, 4)):
            w.add(f"{rel} | {self.name()} | ")
            self.val(w, "birth_date", "column_header", "생년월일", "church.family", allowed={"dot", "yymmdd", "iso"})
            w.add(" | ")
            if rel == "자녀" and self.chance(0.4):
                w.add("-")
            else:
                self.val(w, "phone", "column_header", "휴대폰", "church.family", allowed={"hyphen", "plain"})
            w.add(f" | {self.one('세례', '학습', '유아세례', '')}\n")
        return w.document()

    # ------------------------------------------------------------------ 5. family and welfare papers

    def g_family_certificate(self, w: _Writer) -> Document:
        if self.chance(0.4):
            return self._resident_register(w)
        r = self.r
        w.add("가족관계증명서(일반)\n\n등록기준지  " + r.choice(DISTRICTS) + " ")
        self.put(w, ("address_number", "cert.base"), "\n\n")
        cols = self.one(("구분", "성명", "출생연월일", "주민등록번호", "성별", "본"),
                        ("구분", "성 명", "출생연월일", "주민등록번호", "성별", "본"))
        w.add("  ".join(cols) + "\n")
        members = ["본인"] + r.sample(("부", "모", "배우자", "자녀", "자녀"), r.randrange(2, 5))
        for rel in members:
            born = self.born(*{"부": (1935, 1960), "모": (1935, 1962), "자녀": (1990, 2019)}.get(rel, (1958, 1990)))
            y, m, dd = born
            w.add(f"{rel}  {self.name()}  ")
            w.value(Written("birth_date", f"{y}년 {m:02d}월 {dd:02d}일", "korean_date", False), "column_header",
                    "출생연월일", "cert.table")
            w.add("  ")
            allowed = {"hyphen", "masked"} if rel == "본인" or self.chance(0.5) else {"masked"}
            self.val(w, "resident", "column_header", "주민등록번호", "cert.table", allowed=allowed, born=born)
            w.add(f"  {self.one('남', '여')}  {self.one('金海', '全州', '密陽', '慶州', '晉州')}\n")
        w.add("\n위 가족관계증명서는 가족관계등록부의 기록사항과 틀림없음을 증명합니다.\n")
        self.put(w, ("event_date", "cert.issued"), "\n발급번호 : ")
        self.put(w, ("document_number", "cert.issue"), "\n")
        return w.document()

    def g_welfare_application(self, w: _Writer) -> Document:
        r = self.r
        kind = self.one("사회보장급여(기초생활수급) 신청서", "장애인 등록 신청서", "긴급복지 지원 신청서")
        self.put(w, f"{kind}\n접수번호 ", ("inquiry_number", "welfare.recv"))
        self.put(w, "   접수일 ", ("event_date", "welfare.date"), "\n\n[신청인]\n")
        w.add(f"성명  {self.name()}\n")
        self.field(w, "주민등록번호", "resident", "welfare", sep="  ")
        self.field(w, self.one("전화번호(휴대전화)", "연락처"), "phone", "welfare", sep="  ")
        if self.chance(0.4):
            self.field(w, "전자우편", "email", "welfare", sep="  ")
        self.put(w, f"주소  {r.choice(DISTRICTS)} ", ("address_number", "welfare.addr"), "\n")
        if "장애인" in kind:
            self.put(w, f"장애유형: {self.one('지체', '시각', '청각', '뇌병변')}  진단 의료기관 ",
                        ("office_landline", "welfare.hospital"))
            w.add("\n")
        w.add("\n[가구원]\n관계  성명  주민등록번호\n")
        for rel in r.sample(("배우자", "배우자(결혼이민자)", "자녀", "부", "모", "손자녀"), r.randrange(1, 4)):
            w.add(f"{rel}  {self.name() if '이민' not in rel else ' '.join(r.choice(FOREIGN)[:2])}  ")
            if "이민" in rel:
                self.val(w, "foreigner_registration", "column_header", "주민등록번호", "welfare.household",
                         allowed={"hyphen", "plain"})
            else:
                self.val(w, "resident", "column_header", "주민등록번호", "welfare.household",
                         allowed={"hyphen", "plain", "post2020"})
            w.add("\n")
        w.add("\n[급여 수령 계좌]\n")
        w.add("금융기관명  ")
        bank = r.choice(list(BANKS))
        w.add(f"{bank}   계좌번호  ")
        w.value(self.ways.account(bank), "label_before", "계좌번호", "welfare.benefit")
        w.add(f"   예금주 {self.name()}\n")
        w.add("※ 행복지킴이 통장(압류방지) 개설 시 통장 사본 첨부\n담당: 주민센터 맞춤형복지팀 ")
        self.put(w, ("office_landline", "welfare.team"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 6. accident settlements

    def g_accident_settlement(self, w: _Writer) -> Document:
        if self.chance(0.4):
            return self._insurer_texts(w)
        r = self.r
        self.put(w, "교통사고 합의서\n\n사고일시: ", ("event_date", "settle.date"), " ")
        self.put(w, ("time", "settle.time"), f"경\n사고장소: {r.choice(DISTRICTS)} ")
        self.put(w, ("address_number", "settle.place"), " 앞 교차로\n\n")
        for side in ("갑(가해자)", "을(피해자)"):
            w.add(f"[{side}]\n성명: {self.name()}\n")
            if self.chance(0.2):
                self.field(w, self.one("외국인등록번호", "외국인등록증 번호"), "foreigner_registration", "settle.party")
            else:
                self.field(w, self.one("주민등록번호", "주민번호"), "resident", "settle.party")
            if self.chance(0.7):
                self.field(w, self.one("운전면허번호", "면허번호"), "driver_license", "settle.party")
            self.field(w, self.one("연락처", "전화"), "phone", "settle.party")
            self.put(w, "차량번호: ", ("car_plate", "settle.car"))
            w.add(f"\n보험사: {r.choice(INSURERS)}  증권번호: ")
            self.neg(w, "policy_number", "settle.policy")
            w.add("  사고접수번호: ")
            self.put(w, ("accident_report_number", "settle.report"), "\n\n")
        w.add("위 사고에 관하여 갑은 을에게 치료비 및 위로금 명목으로 금 ")
        self.put(w, ("price", "settle.amount"), "원을 지급하고, 을은 이후 민형사상 이의를 제기하지 않는다.\n")
        w.add("지급 방법: 을 명의 ")
        self.bank_account(w, "settle.payment", glue=" ")
        w.add(" 로 ")
        self.put(w, ("event_date", "settle.due"), "까지 입금\n")
        self.put(w, f"보험 문의: {r.choice(INSURERS)} 보상센터 ", ("company_number", "settle.insurer"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 7. debt letters and payment orders

    def g_debt_notice(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("collection", "payment_order")
        debtor = self.name()
        if frame == "collection":
            agency = self.one("OO신용정보(주)", "한국채권관리(주)", "미래신용정보")
            w.add(f"채권추심 착수 통지서\n\n수신: {debtor} 귀하\n")
            self.field(w, "주민등록번호", "resident", "collect", allowed={"masked"})
            self.put(w, f"채권자: {r.choice(COMPANIES)}\n채권금액: 금 ", ("price", "collect.amount"))
            self.put(w, "원 (원금 및 지연이자 포함)\n관리번호: ", ("contract_number", "collect.no"))
            w.add("\n귀하의 연체 채무에 대하여 당사가 추심을 위임받았음을 알려드립니다. ")
            w.add("아래 계좌로 상환하여 주시기 바랍니다.\n입금계좌: ")
            self.org_account(w, "company_account", "collect.repay")
            self.put(w, f" (예금주 {agency})\n담당자 직통 ", ("office_landline", "collect.direct"))
            self.put(w, " / 팩스 ", ("office_fax", "collect.fax"))
            w.add("\n※ 귀하께서 등록하신 연락처(")
            self.val(w, "phone", "in_sentence", "등록하신 연락처", "collect.sentence", allowed={"masked", "hyphen"})
            w.add(")로도 안내 문자가 발송됩니다.\n")
        else:
            self.put(w, "지 급 명 령\n\n사건  ", ("case_number", "order.case"), " 대여금\n")
            self.put(w, f"채권자  {self.name()}\n        {r.choice(DISTRICTS)} ",
                        ("address_number", "order.addr1"))
            w.add("\n        (")
            self.val(w, "resident", "label_above", "채권자", "order.party", writing="masked")
            self.put(w, f")\n채무자  {debtor}\n        {r.choice(DISTRICTS)} ", ("address_number", "order.addr2"))
            w.add("\n        전화 ")
            self.val(w, "phone", "label_before", "전화", "order.party")
            self.put(w, "\n\n청구취지  채무자는 채권자에게 금 ", ("price", "order.claim"))
            w.add("원 및 이에 대하여 ")
            self.neg(w, "event_date", "order.from")
            w.add("부터 다 갚는 날까지 연 12%의 비율로 계산한 돈을 지급하라.\n\n채권자가 변제받을 계좌: ")
            self.bank_account(w, "order.account", glue=" ")
            w.add("\n")
        return w.document()

    # ------------------------------------------------------------------ 8. fines and utility notices

    def g_fine_notice(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("traffic_fine", "utility", "local_tax")
        owner = self.name()
        if frame == "traffic_fine":
            w.add(f"과태료 부과 사전통지서\n{self.one('서울특별시 강서구청', 'OO경찰서', '경기도 수원시')}\n\n")
            w.add(f"소유자: {owner}  (")
            self.val(w, "resident", "in_sentence", "소유자", "fine.owner", writing="masked")
            self.put(w, ")\n차량번호: ", ("car_plate", "fine.car"))
            self.put(w, "\n위반일시: ", ("event_date", "fine.date"), " ", ("time", "fine.time"))
            self.put(w, "\n위반내용: 속도위반(20km/h 이하)   과태료: ", ("price", "fine.amount"))
            self.put(w, "원\n납부기한: ", ("event_date", "fine.due"))
        elif frame == "utility":
            bill, unit = self.one(("수도요금", "㎥"), ("도시가스요금", "MJ"), ("전기요금", "kWh"))
            w.add(f"{bill} 고지서 ({r.randrange(1, 13)}월분)\n고객명: {owner[0]}*{owner[2:]}\n")
            self.put(w, "고객번호: ", ("member_number", "utility.customer"))
            self.put(w, f"\n주소: {r.choice(DISTRICTS)} ", ("household_number", "utility.unit"))
            self.put(w, "\n사용량 ", ("quantity", "utility.usage", str(r.randrange(5, 400))))
            self.put(w, f" {unit}  청구금액 ", ("price", "utility.amount"), "원\n")
            w.add("자동이체 신청 계좌: ")
            bank = r.choice(list(BANKS))
            w.add(bank + " ")
            w.value(self.ways.account(bank, "masked"), "bank_name", bank, "utility.autopay")
            w.add("\n")
        else:
            w.add("자동차세 납부 고지서\n납세자: " + owner + "\n")
            self.field(w, "주민(법인)등록번호", "resident", "tax.owner", allowed={"masked"})
            self.put(w, "과세대상: ", ("car_plate", "tax.car"), "\n세액 ", ("price", "tax.amount"))
            w.add("원\n")
        self.put(w, "\n납부자번호: ", ("payer_number", "notice.payer"))
        self.put(w, "\n전자납부번호: ", ("electronic_payment_number", "notice.epay"))
        w.add("\n가상계좌(" + owner + " 전용): ")
        self.org_account(w, "virtual_account", "notice.virtual")
        if self.chance(0.5):
            w.add("\n            ")
            self.org_account(w, "virtual_account", "notice.virtual2")
        w.add("\n문의: ")
        self.put(w, ("office_landline", "notice.office"), " (평일 09:00~18:00)  민원콜센터 ")
        self.put(w, ("company_number", "notice.120", "120"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 9. cash receipts and point cards

    def g_cash_receipt(self, w: _Writer) -> Document:
        if self.chance(0.3):
            return self._hometax_receipts(w)
        r = self.r
        store = self.one("GS25 강서화곡점", "이마트24 OO점", "다이소 노원역점", "OO약국", "파리바게뜨 광교점", "하나로마트 OO점")
        w.add(f"{store}\n대표: {self.name()}  ")
        self.field(w, self.one("사업자번호", "사업자", "사업자등록번호"), "business_registration", "receipt.store", sep=" ", end="")
        self.put(w, "\nTEL ", ("office_landline", "receipt.tel"), "\n")
        self.neg(w, "event_date", "receipt.date", self.stamp(2023, 2026))
        self.put(w, " ",
                    ("time", "receipt.time", f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}"))
        w.add(f"  POS:{r.randrange(1, 4):02d}\n" + "-" * 32 + "\n")
        for _ in range(r.randrange(1, 5)):
            w.add(f"{self.one('생수 2L', '컵라면', '우유 900ml', '건전지', '타이레놀', '식빵', '봉투')}  {r.randrange(1, 4)}  ")
            self.put(w, ("price", "receipt.item", f"{r.randrange(1, 120) * 100:,}"), "\n")
        self.put(w, "합계금액  ", ("price", "receipt.total"), "\n")
        if self.chance(0.6):
            label = self.one("식별번호", "발급번호", "휴대폰번호")
            w.add(f"[현금영수증] 소득공제\n{label}: ")
            self.val(w, "phone", "label_before", label, "receipt.cash", allowed={"masked", "hyphen", "plain"})
            self.put(w, "\n승인번호: ", ("approval_number", "receipt.cash_appr", self.ways.d(9)), "\n")
        else:
            w.add(f"[카드승인] {r.choice(CARD_ISSUERS)}\n카드번호: ")
            self.val(w, "credit_card", "label_before", "카드번호", "receipt.card", writing="masked")
            self.put(w, "  일시불\n승인번호: ", ("approval_number", "receipt.card_appr"), "\n")
        if self.chance(0.6):
            w.add(self.one("OK캐쉬백 ", "해피포인트 ", "L.POINT ", "멤버십 ") + self.one("카드번호: ", "No.", ""))
            self.neg(w, "point_card_number", "receipt.point")
            self.put(w, "\n적립 포인트 ", ("quantity", "receipt.points", str(r.randrange(10, 900))), "P\n")
        w.add("교환/환불은 구매일로부터 14일 이내, 영수증 지참\n")
        return w.document()

    # ------------------------------------------------------------------ 10. shopping orders and returns

    def g_order_confirmation(self, w: _Writer) -> Document:
        if self.chance(0.4):
            return self._gift_order(w) if self.chance(0.5) else self._overseas_order(w)
        r = self.r
        shop = self.one("무신사", "오늘의집", "OO몰", "29CM", "쿠팡", "11번가")
        buyer = self.name()
        w.add(f"[{shop}] 주문이 정상적으로 접수되었습니다.\n\n{buyer}님, 주문해 주셔서 감사합니다.\n\n")
        self.put(w, "주문번호  ", ("order_number", "order.no"))
        self.put(w, "\n주문일시  ", ("event_date", "order.date"), " ", ("time", "order.time"))
        w.add(f"\n상품  {r.choice(corpus.PRODUCTS)} 외 {r.randrange(1, 4)}건\n결제금액  ")
        self.put(w, ("price", "order.amount"), "원\n결제수단  " + r.choice(CARD_ISSUERS) + " ")
        self.val(w, "credit_card", "label_before", "결제수단", "order.pay", writing="masked")
        w.add(f" / 일시불\n\n[배송지 정보]\n받는 분  {self.name()}\n")
        self.field(w, "연락처", "phone", "order.ship", sep="  ")
        if self.chance(0.4):
            self.field(w, "연락처2", "phone", "order.ship", sep="  ", writing="landline")
        self.put(w, "주소  (", ("postal_code", "order.zip", f"{r.randrange(1, 63):02d}{self.ways.d(3)}"))
        self.put(w, f") {r.choice(DISTRICTS)} ", ("address_number", "order.addr"))
        w.add("\n\n주문자 이메일 ")
        self.val(w, "email", "label_before", "주문자 이메일", "order.buyer", allowed={"plain", "masked"})
        w.add("\n\n발송 후 운송장번호 ")
        self.neg(w, "tracking_number", "order.tracking")
        self.put(w, " 로 배송 조회가 가능합니다.\n고객센터 ", ("company_number", "order.cs"), "\n")
        return w.document()

    def g_return_request(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("form", "board")
        if frame == "form":
            w.add(self.one("반품/환불 신청서", "교환·반품 접수", "[환불 요청]") + "\n주문번호: ")
            self.neg(w, "order_number", "return.order")
            self.put(w, "\n회수 운송장번호: ", ("tracking_number", "return.tracking"))
            w.add(f"\n사유: {self.one('단순 변심', '사이즈 불일치', '상품 불량', '오배송')}\n")
            w.add(f"주문자: {self.name()}\n")
            self.field(w, self.one("연락처", "휴대폰 번호"), "phone", "return.form")
            w.add("환불 받을 계좌\n  은행: ")
            bank = r.choice(list(BANKS))
            w.add(bank + "\n  계좌번호: ")
            w.value(self.ways.account(bank), "label_before", "계좌번호", "return.form")
            self.put(w, f"\n  예금주: {self.name()}\n환불 예정 금액: ", ("price", "return.refund"), "원\n")
        else:
            w.add("Q&A 게시판 > 반품 문의 (비밀글)\n")
            self.put(w, "주문번호 ", ("order_number", "board.order"))
            w.add(f" 반품 접수했는데 {self.one('회수가 안 됐어요', '환불이 아직이에요', '택배 기사님이 안 오셨어요')}.\n")
            w.add("환불은 " + self.one("아래 계좌로 부탁드려요 ", "이 계좌로 해주세요 ", "계좌로 받을게요: "))
            self.bank_account(w, "board.refund", glue=" ")
            w.add(f" {self.name()}\n")
            w.add("연락 주실 번호는 ")
            self.val(w, "phone", "in_sentence", "연락 주실 번호", "board.sentence", allowed={"hyphen", "plain"})
            w.add(" 입니다.\n")
            w.add("└ 답변: 고객님, 회수 송장 ")
            self.neg(w, "tracking_number", "board.answer")
            w.add(" 확인되었습니다. 입고 후 2~3일 내 환불됩니다.\n")
        return w.document()

    # ------------------------------------------------------------------ 11. notification texts

    def g_notification_sms(self, w: _Writer) -> Document:
        r = self.r
        for _ in range(r.randrange(2, 5)):
            kind = self.one("otp", "card", "deposit", "delivery", "signup")
            w.add(self.one("[Web발신]\n", "", "[알림톡] ") )
            if kind == "otp":
                w.add(f"[{self.one('토스', '네이버', '카카오', 'OO은행')}] 인증번호 [")
                self.neg(w, "verification_code", "sms.otp")
                w.add("]를 입력해주세요. 타인 노출 주의\n")
            elif kind == "card":
                w.add(f"{r.choice(CARD_ISSUERS)}승인 {self.masked_name()} ")
                self.put(w, ("price", "sms.card_amount"), "원 일시불 ")
                self.neg(w, "event_date", "sms.card_date", f"{r.randrange(1, 13):02d}/{r.randrange(1, 29):02d}")
                self.put(w, " ", ("time", "sms.card_time", f"{r.randrange(24):02d}:{r.randrange(60):02d}"))
                self.put(w, f" {self.one('스타벅스', 'GS25', '쿠팡', '배달의민족')} 누적 ", ("price", "sms.card_total"))
                w.add("원\n")
            elif kind == "deposit":
                self.put(w, f"[{self.one('KB', '신한', 'NH')}] 입금 ", ("price", "sms.deposit"))
                w.add(f"원 {self.masked_name()} ")
                self.val(w, "bank_account", "in_sentence", "입금", "sms.deposit", writing="masked")
                self.put(w, " 잔액 ", ("price", "sms.balance"), "원\n")
            elif kind == "delivery":
                w.add(f"[{self.one('CJ대한통운', '한진택배', '롯데택배')}] 고객님의 상품이 배송출발 예정입니다.\n운송장번호: ")
                self.neg(w, "tracking_number", "sms.tracking")
                w.add("\n받는분: " + self.masked_name() + " (")
                self.val(w, "phone", "label_before", "받는분", "sms.delivery", writing="masked")
                w.add(")\n")
            else:
                w.add(f"{self.masked_name()}님 회원가입을 환영합니다!\n가입 아이디: ")
                self.val(w, "email", "label_before", "가입 아이디", "sms.signup", allowed={"masked", "plain"})
                w.add("\n가입 휴대폰: ")
                self.val(w, "phone", "label_before", "가입 휴대폰", "sms.signup", writing="masked")
                w.add("\n")
            w.add(self.one("무료수신거부 ", "문의 ", "고객센터 "))
            self.neg(w, "company_number", "sms.footer") if self.chance(0.6) else \
                self.neg(w, "company_number", "sms.footer080", f"080-{self.ways.d(3)}-{self.ways.d(4)}")
            w.add("\n\n")
        return w.document()

    # ------------------------------------------------------------------ 12. exam registrations

    def g_exam_registration(self, w: _Writer) -> Document:
        r = self.r
        exam = self.one("정보처리기사 실기", "토익(TOEIC) 정기시험", "지방공무원 9급 공개경쟁", "운전면허 학과시험", "한국사능력검정시험")
        frame = self.one("ticket", "application")
        w.add(f"{exam} {'수험표' if frame == 'ticket' else '원서 접수 확인'}\n\n")
        self.put(w, "수험번호: ", ("exam_number", "exam.no"), f"\n성명: {self.name()}\n")
        self.field(w, "생년월일", "birth_date", "exam", allowed={"yymmdd", "dot", "iso", "korean_date"})
        if frame == "application":
            self.field(w, self.one("휴대전화", "연락처"), "phone", "exam")
            self.field(w, "이메일", "email", "exam")
            if "운전면허" in exam:
                self.field(w, "주민등록번호", "resident", "exam")
            elif self.chance(0.3):
                self.field(w, "신분증(여권) 번호", "passport", "exam")
            self.put(w, "응시료: ", ("price", "exam.fee"), "원  결제 ")
            self.put(w, ("approval_number", "exam.appr", self.ways.d(8)), "\n")
        self.put(w, "시험일시: ", ("event_date", "exam.date"), " ")
        self.put(w, ("time", "exam.time"), " 입실 완료\n")
        self.put(w, f"시험장: {self.one('OO중학교', 'OO공업고등학교', '서울 강남 토익센터')} {r.randrange(1, 5)}층 ",
                    ("room_number", "exam.room", str(r.randrange(101, 420))))
        self.put(w, "호 / 좌석 ", ("seat_number", "exam.seat", str(r.randrange(1, 31))),
                    "\n※ 신분증 미지참 시 응시 불가. 문의 ")
        self.put(w, ("company_number", "exam.cs"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 13. vaccination and medical certificates

    def g_medical_certificate(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("diagnosis", "vaccination")
        if frame == "diagnosis":
            self.put(w, self.one("진 단 서", "소 견 서", "상해진단서") + "\n병록번호 ", ("patient_number", "diag.chart"))
            self.put(w, "   연번호 ", ("document_number", "diag.serial", self.ways.d(6)))
            w.add(f"\n환자의 성명  {self.name()}      성별 {self.one('남', '여')}\n")
            self.field(w, "주민등록번호", "resident", "diag.header", sep="  ")
            self.put(w, f"환자의 주소  {r.choice(DISTRICTS)} ", ("address_number", "diag.addr"))
            w.add("\n전화번호  ")
            self.val(w, "phone", "label_before", "전화번호", "diag.header")
            w.add("\n병명  " + self.one("요추 염좌", "급성 기관지염", "우측 발목 골절", "경추 염좌") + "   한국표준질병사인분류 ")
            self.neg(w, "disease_code", "diag.kcd")
            self.put(w, "\n발병일 ", ("event_date", "diag.onset"), "   진단일 ")
            self.neg(w, "event_date", "diag.date")
            w.add(f"\n의료기관 {self.one('OO정형외과의원', 'OO대학교병원', '서울OO내과')}  전화 ")
            self.put(w, ("office_landline", "diag.clinic"), "\n면허번호 제 ")
            self.put(w, ("doctor_licence_number", "diag.doctor"), f" 호  의사 {self.name()} (인)\n")
        else:
            w.add("예방접종증명서 (Certificate of Vaccination)\n")
            w.add(f"성명(Name): {self.name()}\n")
            self.field(w, self.one("생년월일(Date of Birth)", "생년월일/DOB"), "birth_date", "vacc.header",
                       situation="bilingual", allowed={"iso", "dot"})
            if self.chance(0.5):
                self.field(w, "주민등록번호", "resident", "vacc.header", allowed={"masked"})
            if self.chance(0.3):
                self.field(w, "여권번호(Passport No.)", "passport", "vacc.header", situation="bilingual")
            w.add("\n백신명 | 차수 | 접종일 | 제조번호 | 접종기관\n")
            vaccine = self.one("코미나티", "스파이크박스", "인플루엔자", "B형간염")
            days = sorted(corpus.random_date(r, 2019, 2025) for _ in range(r.randrange(1, 4)))
            for dose, (y, m, day) in enumerate(days, 1):
                w.add(f"{vaccine} | {dose}차 | ")
                self.neg(w, "event_date", "vacc.date", f"{y}-{m:02d}-{day:02d}")
                self.put(w, " | ", ("lot_number", "vacc.lot"), f" | {self.one('OO내과의원', 'OO보건소')}\n")
            self.put(w, "발급번호 ", ("document_number", "vacc.issue"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 14. veterinary records

    def g_vet_record(self, w: _Writer) -> Document:
        if self.chance(0.4):
            return self._pet_registration_form(w)
        r = self.r
        pet = self.one("초코", "보리", "콩이", "나비", "두부", "코코")
        w.add(f"{self.one('OO동물병원', '24시 OO동물메디컬센터')} 진료기록\n차트번호: ")
        self.neg(w, "patient_number", "vet.chart")
        w.add(f"\n환자명: {pet} ({self.one('말티즈', '푸들', '코리안숏헤어', '포메라니안', '진돗개')}, {r.randrange(1, 15)}살)\n동물등록번호: ")
        self.neg(w, "pet_registration_number", "vet.reg")
        self.put(w, "\n체중 ", ("quantity", "vet.weight", f"{r.randrange(1, 30)}.{r.randrange(10)}"))
        self.put(w, "kg  체온 ", ("temperature", "vet.temp", f"{r.randrange(37, 40)}.{r.randrange(10)}"))
        w.add(f"\n\n보호자: {self.name()}\n")
        self.field(w, self.one("보호자 연락처", "연락처", "HP"), "phone", "vet.owner")
        if self.chance(0.5):
            self.field(w, "이메일", "email", "vet.owner")
        self.put(w, "방문일: ", ("event_date", "vet.visit"))
        w.add(f"\nS) {self.one('구토 2회', '식욕 부진', '귀 가려움', '절뚝거림')}\nP) 재진 ")
        self.put(w, ("event_date", "vet.recheck"), "\n진료비 ", ("price", "vet.fee"), "원\n")
        return w.document()

    # ------------------------------------------------------------------ 15. scholarship applications

    def g_scholarship_application(self, w: _Writer) -> Document:
        r = self.r
        w.add(f"{self.one('OO장학재단', '교내 근로장학금', '지역인재 장학금', 'OO구 장학회')} 장학금 신청서\n\n")
        w.add(f"성명: {self.name()}   학과: {self.one('컴퓨터공학과', '간호학과', '경영학과', '기계공학부')}   학번: ")
        self.put(w, ("student_number", "scholar.id"), "\n")
        self.field(w, "생년월일", "birth_date", "scholar", allowed={"dot", "iso", "yymmdd", "korean_date"},
                   born=self.born(1998, 2006))
        self.field(w, self.one("휴대전화", "연락처"), "phone", "scholar")
        self.field(w, self.one("E-mail", "이메일"), "email", "scholar")
        w.add(f"학자금 지원구간: {r.randrange(1, 10)}구간   직전학기 평점: {r.randrange(2, 5)}.{r.randrange(100):02d}\n")
        w.add("보호자 연락처(부/모): ")
        self.val(w, "phone", "label_before", "보호자 연락처", "scholar.parent")
        w.add("\n\n[장학금 입금 계좌] 본인 명의만 가능\n")
        frame = self.one("split", "line", "block")
        if frame == "block":  # the heading above says what the number further down is
            w.add(f"예금주: {self.name()} (본인)\n은행: {r.choice(list(BANKS))}\n")
            self.val(w, "bank_account", "lines_away", "장학금 입금 계좌", "scholar.block", allowed={"hyphen", "plain"})
            w.add("\n")
        elif frame == "split":
            bank = r.choice(list(BANKS))
            w.add(f"은행명: {bank}\n계좌번호: ")
            w.value(self.ways.account(bank), "label_before", "계좌번호", "scholar.account")
            w.add("\n")
        else:
            self.bank_account(w, "scholar.account", glue=" ")
            w.add(" (예금주 본인)\n")
        self.put(w, "신청일: ", ("event_date", "scholar.date"), "\n문의: 학생지원팀 ")
        self.put(w, ("office_landline", "scholar.office"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 16. matchmaking and dating profiles

    def g_dating_profile(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("agency", "app")
        if frame == "agency":
            w.add(f"{self.one('OO결혼정보', '듀오', '가연')} 회원 프로필 (매니저 전용)\n회원번호 ")
            self.neg(w, "member_number", "dating.member")
            w.add(f"\n{self.name()} / {self.one('남', '여')} / ")
            self.val(w, "birth_date", "in_sentence", "회원 프로필", "dating.line", allowed={"dot", "korean_date"})
            w.add(f" / {r.randrange(155, 190)}cm / {self.one('대졸', '대학원졸')}\n직업: {self.one('공무원', '간호사', '회사원', '교사', '약사')}  연봉 ")
            self.neg(w, "price", "dating.salary", f"{r.randrange(30, 120)},000,000")
            w.add("원\n본인 연락처: ")
            self.val(w, "phone", "label_before", "본인 연락처", "dating.agency")
            w.add("\n이메일: ")
            self.val(w, "email", "label_before", "이메일", "dating.agency")
            self.put(w, "\n가입비 ", ("price", "dating.fee"), "원 (")
            self.put(w, ("event_date", "dating.paid"), " 완납)\n매니저 메모: 주말 선호, 종교 무관\n")
        else:
            w.add(f"[자기소개] {r.randrange(25, 41)}살 {self.one('직장인', '프리랜서', '대학원생')}이에요 ☺\n")
            w.add(f"{self.one('카페 투어', '등산', '넷플릭스', '러닝')} 좋아하고 {self.one('강아지 키워요', '요리 잘해요', '여행 자주 가요')}.\n")
            w.add(self.one("앱 말고 편하게 연락 주세요 ", "여기 잘 안 들어와서 번호 남겨요 ", "관심 있으면 문자 주세요~ "))
            self.val(w, "phone", "no_label", "", "dating.app", allowed={"hyphen"},
                     writing=None if self.chance(0.65) else "hangul_numerals")
            w.add("\n")
            if self.chance(0.5):
                w.add("인스타 DM이나 메일도 괜찮아요 ")
                self.val(w, "email", "in_sentence", "메일", "dating.app")
                w.add("\n")
        return w.document()

    # ------------------------------------------------------------------ 17. account recovery requests

    def g_account_recovery(self, w: _Writer) -> Document:
        if self.chance(0.3):
            return self._game_support(w)
        r = self.r
        service = self.one("넥슨", "네이버", "카카오", "엔씨소프트", "스마일게이트", "다음")
        self.put(w, f"[{service} 고객센터] 계정 복구 문의\n문의번호 ", ("inquiry_number", "recover.no"))
        w.add("\n\n안녕하세요. 휴대폰을 바꾸면서 2단계 인증이 안 되어 로그인을 못 하고 있습니다.\n")
        w.add("가입 당시 정보 적어드립니다.\n")
        w.add(f"- 이름: {self.name()}\n")
        self.field(w, "- 생년월일", "birth_date", "recover.list", allowed={"yymmdd", "dot", "iso", "korean_date", "compact"})
        w.add("- 가입 당시 휴대폰: ")
        self.val(w, "phone", "label_before", "가입 당시 휴대폰", "recover.list")
        w.add("  (지금은 해지)\n- 현재 번호: ")
        self.val(w, "phone", "label_before", "현재 번호", "recover.list")
        w.add("\n- 가입 이메일: ")
        self.val(w, "email", "label_before", "가입 이메일", "recover.list")
        self.put(w, "\n- 마지막 결제: ", ("event_date", "recover.last_pay"), " ")
        self.put(w, ("price", "recover.amount"), "원 ")
        if self.chance(0.6):
            w.add(f"({r.choice(CARD_ISSUERS)} ")
            self.val(w, "credit_card", "in_sentence", "결제", "recover.card", writing="masked")
            w.add(")")
        self.put(w, "\n- 마지막 접속: ", ("event_date", "recover.last_login"), " 쯤, IP ")
        self.put(w, ("ip_address", "recover.ip"), "\n\n→ [답변] 본인 확인을 위해 신분증 사본을 첨부해 주세요. 회신은 ")
        self.val(w, "email", "no_label", "", "recover.answer", writing="masked")
        w.add(" 로 드립니다.\n")
        return w.document()

    # ------------------------------------------------------------------ 18. race and event entries

    def g_event_registration(self, w: _Writer) -> Document:
        r = self.r
        event = self.one("제20회 OO마라톤", "한강 나이트런", "OO 그란폰도", "트레일러닝 챌린지")
        frame = self.one("form", "list")
        if frame == "form":
            w.add(f"{event} 참가신청서\n종목: {self.one('풀코스', '하프', '10km', '5km')}   배번: ")
            self.put(w, ("bib_number", "race.bib"), f"\n성명: {self.name()}   성별: {self.one('남', '여')}\n")
            self.field(w, "생년월일", "birth_date", "race.form", allowed={"yymmdd", "dot", "iso"})
            self.field(w, "휴대폰", "phone", "race.form")
            self.field(w, "이메일", "email", "race.form")
            w.add(f"혈액형: {self.one('A', 'B', 'O', 'AB')}형  기념품 사이즈: {self.one('M', 'L', 'XL', '95', '100')}\n")
            label = f"비상연락처({self.one('배우자', '부모', '형제', '지인')})"
            w.add(label + ": ")
            self.val(w, "phone", "label_before", label, "race.form")
            self.put(w, "\n참가비 ", ("price", "race.fee"), "원 / 입금 확인 ")
            self.put(w, ("event_date", "race.paid"), "\n")
        else:
            w.add(f"{event} 단체 참가자 명단 (OO러닝크루)\n배번,성명,생년월일,연락처,비상연락처,코스\n")
            for _ in range(r.randrange(3, 7)):
                self.put(w, ("bib_number", "race.list.bib"), f",{self.name()},")
                self.val(w, "birth_date", "column_header", "생년월일", "race.csv", allowed={"iso", "yymmdd", "compact"})
                w.add(",")
                self.val(w, "phone", "column_header", "연락처", "race.csv", allowed={"hyphen", "plain"})
                w.add(",")
                self.val(w, "phone", "column_header", "비상연락처", "race.csv", allowed={"hyphen", "plain"})
                w.add(f",{self.one('10K', 'HALF', 'FULL')}\n")
        self.put(w, "대회 사무국 ", ("office_landline", "race.office"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 19. real-estate inquiries

    def g_property_inquiry(self, w: _Writer) -> Document:
        r = self.r
        agency = self.one("OO공인중개사사무소", "래미안 부동산", "한빛 공인중개사", "역세권 부동산")
        frame = self.one("listing", "viewing_note")
        if frame == "listing":
            w.add(f"[매물] {self.one('전세', '월세', '매매')} {self.one('아파트 84㎡', '투룸 빌라', '원룸 오피스텔', '상가 1층')}\n매물번호 ")
            self.neg(w, "listing_number", "estate.no")
            self.put(w, f"\n소재지: {r.choice(DISTRICTS)} ", ("address_number", "estate.addr"))
            self.put(w, ", ", ("household_number", "estate.unit"))
            self.put(w, "\n보증금 ", ("price", "estate.deposit", f"{r.randrange(5, 90)},000"))
            self.put(w, "만원 / 월 ", ("price", "estate.rent", str(r.randrange(40, 150))), "만원\n입주 가능일: ")
            self.put(w, ("event_date", "estate.movein"), f"\n{agency} 대표 {self.name()}\n")
            self.put(w, "등록번호 ", ("broker_registration_number", "estate.broker"))
            self.put(w, "\nTel. ", ("office_landline", "estate.tel"))
            w.add("  휴대폰 ")
            self.val(w, "phone", "label_before", "휴대폰", "estate.agent")
            w.add("\n")
        else:
            w.add(f"{agency} 손님 문의 메모\n")
            for _ in range(r.randrange(2, 4)):
                self.put(w, "- ",
                            ("event_date", "estate.memo.date", f"{r.randrange(1, 13)}/{r.randrange(1, 29)}"))
                w.add(f" {self.name()} 님 ({self.one('신혼부부', '직장인', '학생 부모님', '법인')}) ")
                self.val(w, "phone", "no_label", "", "estate.memo", allowed={"hyphen"})
                self.put(w, " / 매물 ", ("listing_number", "estate.memo.no"))
                w.add(" 관심, 토요일 ")
                self.neg(w, "time", "estate.memo.time", f"{r.randrange(10, 18)}시")
                w.add(" 방문 예정\n")
            self.put(w, "집주인 연락처는 파일 참조. 관리사무소 ", ("office_landline", "estate.memo.office"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 20. party membership forms

    def g_party_membership(self, w: _Writer) -> Document:
        if self.chance(0.4):
            return self._signature_sheet(w)
        r = self.r
        w.add(f"{self.one('OO당', '새OO당', 'OO정의당')} 당원 가입원서\n\n")
        w.add(f"성명: {self.name()}   (한자: {self.one('金', '李', '朴', '崔')}{self.one('永', '秀', '英')}{self.one('浩', '珍', '植')})\n")
        self.field(w, self.one("주민등록번호", "주민등록번호(생년월일 및 성별)"), "resident", "party")
        self.field(w, self.one("휴대전화", "연락처"), "phone", "party")
        if self.chance(0.5):
            self.field(w, "전자우편", "email", "party")
        self.put(w, f"주소: {r.choice(DISTRICTS)} ", ("address_number", "party.addr"))
        self.put(w, " (우 ", ("postal_code", "party.zip", f"{r.randrange(1, 63):02d}{self.ways.d(3)}"), ")\n")
        w.add(f"직업: {self.one('자영업', '회사원', '주부', '농업')}   소속 지역위원회: {self.one('강서갑', '노원을', '수원정')}\n")
        by_cms = self.chance(0.6)
        w.add("당비 납부 방법: " + ("[√] CMS 자동이체 [ ] 신용카드" if by_cms else "[ ] CMS [√] 신용카드") + "\n")
        if by_cms:
            w.add("출금 계좌: ")
            self.bank_account(w, "party.cms", glue=" ")
            w.add("  예금주 생년월일 ")
            self.val(w, "birth_date", "label_before", "예금주 생년월일", "party.cms", writing="yymmdd")
        else:
            w.add("카드번호: ")
            self.val(w, "credit_card", "label_before", "카드번호", "party.card", allowed={"hyphen", "spaced"})
        self.put(w, "\n월 당비: ", ("price", "party.fee", f"{r.choice((1, 2, 5, 10))},000"), "원\n")
        w.add(f"추천인: {self.name()} (")
        self.val(w, "phone", "in_sentence", "추천인", "party.referrer", allowed={"hyphen"})
        self.put(w, ")\n접수일 ", ("event_date", "party.date"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 21. move-in and parking cards

    def g_move_in_card(self, w: _Writer) -> Document:
        if self.chance(0.3):
            return self._move_out_refund(w)
        r = self.r
        w.add(f"{self.one('OO아파트', 'OO힐스테이트', 'OO오피스텔')} 입주자 카드\n동호수: ")
        self.put(w, ("household_number", "movein.unit"), "   입주일: ", ("event_date", "movein.date"))
        w.add(f"\n구분: {self.one('소유자', '세입자')}\n\n세대원\n성명\t관계\t생년월일\t연락처\n")
        for rel in ["세대주"] + r.sample(("배우자", "자녀", "자녀", "부모"), r.randrange(1, 3)):
            w.add(f"{self.name()}\t{rel}\t")
            self.val(w, "birth_date", "column_header", "생년월일", "movein.table", allowed={"dot", "yymmdd", "iso"})
            w.add("\t")
            self.val(w, "phone", "column_header", "연락처", "movein.table", allowed={"hyphen", "plain"})
            w.add("\n")
        w.add("\n차량 등록\n")
        for _ in range(r.randrange(1, 3)):
            self.put(w, "차량번호 ", ("car_plate", "movein.car"))
            w.add(f"  차종 {self.one('쏘렌토', '아반떼', '모닝', '그랜저', '카니발')}  주차스티커 ")
            self.put(w, ("serial_number", "movein.sticker", f"{r.randrange(1, 2000):04d}"), "\n")
        w.add("관리비 자동이체: ")
        self.bank_account(w, "movein.autopay", glue=" ")
        self.put(w, "\n관리사무소 ", ("office_landline", "movein.office"))
        self.put(w, "  FAX ", ("office_fax", "movein.fax"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 22. taxi and ride-hailing dispatch logs

    def g_taxi_dispatch(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("call_center", "app_export")
        if frame == "call_center":
            w.add(f"{self.one('OO콜택시', '나비콜', '브랜드택시 OO')} 배차 일지 ")
            self.put(w, ("event_date", "taxi.day"), "\n")
            for _ in range(r.randrange(3, 7)):
                self.neg(w, "time", "taxi.time", f"{r.randrange(24):02d}:{r.randrange(60):02d}")
                self.put(w, " 배차#", ("dispatch_number", "taxi.no"))
                w.add(" 고객 ")
                if self.chance(0.5):
                    self.val(w, "phone", "label_before", "고객", "taxi.caller", allowed={"hyphen", "plain", "masked"})
                else:
                    self.put(w, "안심번호 ", ("safe_number", "taxi.safe"))
                w.add(f" 출발 {self.one('OO역 3번출구', 'OO병원 정문', 'OO아파트 정문')} → {self.one('김포공항', '시청', 'OO시장')} / 기사 {self.name()} ")
                self.neg(w, "car_plate", "taxi.car")
                if self.chance(0.4):
                    w.add(" 기사폰 ")
                    self.val(w, "phone", "label_before", "기사폰", "taxi.driver", allowed={"hyphen"})
                self.put(w, " / 요금 ", ("price", "taxi.fare"), "\n")
        else:
            w.add("ride_id,requested_at,passenger_phone,pickup_lat_lng,fare,driver_license\n")
            for _ in range(r.randrange(3, 6)):
                self.put(w, ("dispatch_number", "ride.id"), ",")
                self.neg(w, "event_date", "ride.ts", self.stamp(2023, 2026, "%Y-%m-%dT%H:%M"))
                w.add(",")
                self.val(w, "phone", "column_header", "passenger_phone", "ride.csv", allowed={"plain", "masked", "hyphen"})
                self.put(w, ',"', ("coordinates", "ride.gps"), '",')
                self.put(w, ("price", "ride.fare", str(r.randrange(48, 600) * 100)), ",")
                self.val(w, "driver_license", "column_header", "driver_license", "ride.csv", allowed={"hyphen", "plain"})
                w.add("\n")
        return w.document()

    # ------------------------------------------------------------------ 23. bilingual forms for foreign staff

    def g_foreign_staff_form(self, w: _Writer) -> Document:
        if self.chance(0.4):
            return self._employment_contract(w)
        r = self.r
        fam, given, country, ko = r.choice(FOREIGN)
        w.add(f"{r.choice(COMPANIES)} 외국인 근로자 인적사항 / Personal Information Form for Foreign Staff\n\n")
        w.add(f"성명 (Name): {fam} {given}\n국적 (Nationality): {ko} / {country}\n")
        self.field(w, self.one("외국인등록번호 (Alien Registration No.)", "Alien Registration No. / 외국인등록번호", "ARC No. (외국인등록증)"),
                   "foreigner_registration", "staff.form", situation="bilingual")
        self.field(w, self.one("여권번호 (Passport No.)", "Passport No. / 여권번호"), "passport", "staff.form",
                   situation="bilingual", writing="foreign_format")
        self.field(w, self.one("생년월일 (Date of Birth)", "DOB / 생년월일"), "birth_date", "staff.form",
                   situation="bilingual", allowed={"iso", "dot", "slash"}, born=self.born(1970, 2003))
        self.field(w, self.one("휴대폰 (Mobile)", "Mobile Phone / 휴대전화"), "phone", "staff.form", situation="bilingual",
                   allowed={"hyphen", "intl", "plain"})
        if self.chance(0.6):
            self.field(w, "E-mail / 이메일", "email", "staff.form", situation="bilingual")
        w.add(f"체류자격 (Visa Type): {self.one('E-9', 'E-7', 'H-2', 'D-10', 'F-2')}   입국일 (Entry Date): ")
        self.put(w, ("event_date", "staff.entry"), "\n사번 (Employee No.): ")
        self.neg(w, "employee_number", "staff.emp")
        bank = r.choice(list(BANKS))
        w.add(f"\n\n급여 계좌 / Salary Account\nBank / 은행: {bank}\n")
        label = self.one("Account No. / 계좌번호", "계좌번호 (Account Number)")
        w.add(label + ": ")
        w.value(self.ways.account(bank), "bilingual", label, "staff.form")
        w.add(f"\nAccount Holder / 예금주: {fam} {given}\n\n")
        w.add("Emergency Contact / 비상연락처 (Korea): ")
        self.val(w, "phone", "bilingual", "Emergency Contact / 비상연락처", "staff.form", allowed={"hyphen"})
        self.put(w, "\nHR 담당 ", ("office_landline", "staff.hr"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 24. scanned IDs and bankbooks (OCR)

    def g_ocr_scan(self, w: _Writer) -> Document:
        if self.chance(0.3):
            return self._business_card(w)
        r = self.r
        frame = self.one("id_card", "bankbook", "licence")
        if frame == "id_card":
            title = self.one("주민등록증", "주 민 등 록 증", "주민등록층")
            w.add(title + "\n" + " ".join(self.name()) + "\n")
            self.val(w, "resident", "label_above", title, "ocr.id",
                     writing=self.one("hyphen", "ocr_spaced", "ocr_letters", "line_break", "hyphen"))
            w.add(f"\n{r.choice(DISTRICTS)} ")
            self.neg(w, "address_number", "ocr.id.addr")
            y, m, day = corpus.random_date(r, 2005, 2024)  # an ID card prints its issue day so
            self.put(w, "\n", ("event_date", "ocr.id.issued", f"{y}. {m}. {day}."))
            w.add(f"\n{self.one('서울특별시 강서구청장', '수원시 영통구청장', '부산광역시 사하구청장')}\n")
        elif frame == "bankbook":
            bank = r.choice(list(BANKS))
            w.add(f"{bank} {self.one('보통예금', '입출금자유예금', '저축예금')} 통장\n")
            label = self.one("계 좌 번 호", "계좌번호", "Account No")
            w.add(label + "\n")
            w.value(self.ways.account(bank, self.one("hyphen", "ocr_spaced", "ocr_letters", "plain")), "label_above",
                    label, "ocr.bankbook")
            w.add(f"\n{self.one('예금주', '성 명', '고객명')}  {' '.join(self.name()) if self.chance(0.4) else self.name()} 님\n")
            self.put(w, "신규일 ", ("event_date", "ocr.bank.opened"))
            w.add(f"  {self.one('OO지점', 'OO역지점', '본점영업부')} ")
            self.neg(w, "office_landline", "ocr.bank.branch")
            self.put(w, "\n고객번호 ", ("member_number", "ocr.bank.customer"), "\n")
        else:
            w.add("자동차운전면허증 Driver's License\n")
            self.val(w, "driver_license", "label_above", "자동차운전면허증", "ocr.licence",
                     writing=self.one("hyphen", "region_prefixed", "ocr_spaced", "ocr_letters"))
            w.add(f"\n1종보통  {' '.join(self.name())}\n")
            self.val(w, "resident", "lines_away", "자동차운전면허증", "ocr.licence", writing=self.one("hyphen", "ocr_spaced", "masked"))
            self.put(w, f"\n{r.choice(DISTRICTS)} ", ("address_number", "ocr.lic.addr"))
            self.put(w, "\n적성검사기간 ", ("event_date", "ocr.lic.from"), " ~ ")
            self.put(w, ("event_date", "ocr.lic.to"), "\n암호일련번호 ")
            self.neg(w, "serial_number", "ocr.lic.code", f"{self.ways.d(1)}{r.choice('ABCDEFGHJKLMNPQRSTUVWXYZ')}{self.ways.d(1)}{r.choice('ABCDEFGHJKLMNPQRSTUVWXYZ')}{self.ways.d(2)}")
            w.add(f"\n{self.one('서울경찰청장', '경기남부경찰청장', '부산경찰청장')}\n")
        return w.document()

    # ------------------------------------------------------------------ 25. spreadsheets pasted into chat

    def g_chat_spreadsheet(self, w: _Writer) -> Document:
        r = self.r
        plans = self.one(
            (("이름", None), ("생년월일", "birth_date"), ("연락처", "phone"), ("계좌", "bank_account")),
            (("성함", None), ("핸드폰", "phone"), ("메일", "email")),
            (("이름", None), ("주민번호", "resident"), ("주소", None), ("번호", "phone")),
            (("담당자", None), ("사업자번호", "business_registration"), ("연락처", "phone"), ("메일", "email")),
            (("이름", None), ("외국인번호", "foreigner_registration"), ("여권", "passport"), ("휴대폰", "phone")))
        t = f"[{self.one('오전', '오후')} {r.randrange(1, 13)}:{r.randrange(60):02d}]"
        boss, me = self.name()[1:], self.name()[1:]
        w.add(f"{t} {boss}: {self.one('명단 정리한 거 보내드려요', '엑셀에서 복사해서 붙여요', '행사 참가자 명단입니다', '정산용 명단이에요')}\n")
        w.add(f"{t} {boss}: " + "/".join(p[0] for p in plans) + self.one(" 순서예요", " 순입니다", " 순서로 붙였어요", "") + "\n")
        w.add(f"{t} {boss}: ")
        # One sheet writes each column one way.
        column_ways = {kind: self.ways.make(kind, None, COMPACT).writing for _, kind in plans if kind}
        for i in range(r.randrange(2, 6)):
            if i:
                w.add("\n")
            for j, (head, kind) in enumerate(plans):
                if j:
                    w.add("\t")
                if kind is None:
                    w.add(r.choice(DISTRICTS).split()[-1] if head == "주소" else self.name())
                elif kind == "bank_account":
                    bank = r.choice(list(BANKS))
                    w.add(bank + " ")
                    w.value(self.ways.account(bank, column_ways[kind]), "bank_name", bank, "paste.row")
                else:
                    self.val(w, kind, "header_message", head, "paste.row", writing=column_ways[kind])
        w.add(f"\n{t} {me}: {self.one('넵 확인했습니다', '감사합니다~ 정산하고 말씀드릴게요', 'ㅇㅋ 받았어요')}\n")
        if self.chance(0.5):
            self.put(w, f"{t} {me}: 총액 ", ("price", "paste.total"), "원 맞죠?\n")
        return w.document()

    # ------------------------------------------------------------------ 26. meeting minutes and handover notes

    def g_handover_notes(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("handover", "minutes")
        if frame == "handover":
            w.add(f"업무 인수인계서 ({self.one('영업2팀', '고객지원팀', '총무팀')})\n인계자 {self.name()} → 인수자 {self.name()}\n")
            self.put(w, "작성일: ", ("event_date", "handover.date"), "\n\n■ 진행 중인 고객 건\n")
            for i in range(r.randrange(2, 5)):
                w.add(f"{i + 1}. {self.name()} 고객 ({r.choice(COMPANIES)}) - 계약번호 ")
                self.neg(w, "contract_number", "handover.contract")
                label = self.one("담당자 직통", "휴대폰", "연락처")
                w.add(f"\n   {label} ")
                self.val(w, "phone", "label_before", label, "handover.customer")
                if self.chance(0.3):
                    w.add(" / ")
                    self.label_after(w, "phone", self.one(" (사모님 핸드폰)", "(대표 휴대폰)", " ← 개인번호"), "handover.customer")
                w.add(f", {self.one('견적 회신 대기', '미수금 독촉 중', 'A/S 일정 조율', '재계약 협의')}")
                if self.chance(0.35):
                    w.add(", 환불 계좌 ")
                    self.bank_account(w, "handover.refund", glue=" ")
                if self.chance(0.3):
                    w.add("\n   세금계산서: 사업자 ")
                    self.val(w, "business_registration", "label_before", "사업자", "handover.customer")
                    w.add(" / 담당 메일 ")
                    self.val(w, "email", "label_before", "담당 메일", "handover.customer")
                    w.add(" / 지난달 계산서 승인번호 ")
                    self.neg(w, "invoice_number", "handover.invoice")
                w.add("\n")
            w.add("\n■ 기타\n- 공용 메일 계정 비번은 팀장님께 별도 전달\n- 거래처 대표번호 ")
            self.put(w, ("company_number", "handover.vendor"), "\n")
        else:
            self.put(w, "주간회의록 - ", ("event_date", "minutes.date"),
                        f"\n참석: {self.name()}, {self.name()}, {self.name()}\n\n")
            w.add(f"1. VOC 건: {self.name()} 고객님(")
            self.val(w, "phone", "in_sentence", "고객님", "minutes.voc", allowed={"hyphen", "masked"})
            self.put(w, ") 배송 지연 항의 → 주문번호 ", ("order_number", "minutes.order"))
            self.put(w, " 보상 쿠폰 발송으로 마무리\n2. 매출: 전주 대비 ",
                        ("quantity", "minutes.sales", f"{r.randrange(1, 30)}.{r.randrange(10)}"))
            w.add("% 증가\n3. " + self.one("신규 거래처", "대리점 계약", "협력사 정산") + f": {r.choice(COMPANIES)} 대표 {self.name()} ")
            self.val(w, "phone", "no_label", "", "minutes.partner", allowed={"hyphen"})
            w.add(" 미팅 예정 (")
            self.put(w, ("event_date", "minutes.meeting"), ")\n4. 앱 배포 ")
            self.put(w, ("version_number", "minutes.release"), " 일정 확정\n")
        return w.document()

    # ------------------------------------------------------------------ 27. kiosk, ATM and POS logs

    def g_terminal_log(self, w: _Writer) -> Document:
        r = self.r
        frame = self.one("atm", "kiosk", "pos")
        for _ in range(r.randrange(3, 7)):
            ts = self.stamp(2024, 2026, "%Y-%m-%d %H:%M:%S")
            self.neg(w, "event_date", f"log.{frame}.ts", ts)
            if frame == "atm":
                self.put(w, " [ATM ", ("terminal_id", "atm.id", f"{self.ways.d(4)}-{self.ways.d(2)}"),
                            f"] {self.one('WDR', 'DEP', 'TRF', 'INQ')} CARD=")
                self.val(w, "credit_card", "log_key", "CARD", "atm.log", writing="masked")
                if self.chance(0.6):
                    w.add(" ACCT=")
                    self.val(w, "bank_account", "log_key", "ACCT", "atm.log", allowed={"masked", "plain"})
                self.put(w, " AMT=", ("price", "atm.amt", str(r.randrange(1, 100) * 10000)))
                self.put(w, " SEQ=", ("transaction_number", "atm.seq"),
                            f" RC={self.one('00', '00', '51', '55')}\n")
            elif frame == "kiosk":
                self.put(w, " KIOSK#", ("terminal_id", "kiosk.id", f"K{self.ways.d(5)}"),
                            f" {self.one('등본발급', '초본발급', '가족관계증명서')} ")
                w.add("jumin=")
                self.val(w, "resident", "log_key", "jumin", "kiosk.log", writing="masked")
                self.put(w, f" pages={r.randrange(1, 4)} fee=",
                            ("price", "kiosk.fee", str(r.choice((0, 200, 500, 1000)))))
                if self.chance(0.4):
                    w.add(" notify_hp=")
                    self.val(w, "phone", "log_key", "notify_hp", "kiosk.log", allowed={"plain", "masked"})
                self.put(w, " doc=", ("document_number", "kiosk.doc"), "\n")
            else:
                self.put(w, f" POS{r.randrange(1, 5):02d} SALE total=",
                            ("price", "pos.total", str(r.randrange(10, 900) * 100)))
                if self.chance(0.5):
                    w.add(" pay=CARD pan=")
                    self.val(w, "credit_card", "log_key", "pan", "pos.log", writing="masked")
                    self.put(w, " appr=", ("approval_number", "pos.appr"))
                else:
                    w.add(" pay=CASH cashrcpt_id=")
                    self.val(w, "phone", "log_key", "cashrcpt_id", "pos.log", allowed={"plain", "masked"})
                self.put(w, " member=", ("point_card_number", "pos.member", self.ways.d(16)), "\n")
        return w.document()

    # ------------------------------------------------------------------ 28. camp and field-trip consent slips

    def g_trip_consent(self, w: _Writer) -> Document:
        """A camp or field-trip consent slip: the child's and the parent's details."""
        if self.chance(0.4):
            return self._trip_roster(w)
        r = self.r
        trip = self.one("여름 캠프", "수련회", "현장체험학습", "해외 어학연수")
        w.add(f"{trip} 참가 동의서\n\n")
        w.add(f"참가자: {self.name()} ({r.randrange(1, 7)}학년 {r.randrange(1, 10)}반)\n")
        self.field(w, "참가자 생년월일", "birth_date", "trip", allowed={"dot", "iso", "korean_date"},
                   born=self.born(2008, 2018))
        if trip == "해외 어학연수":
            self.field(w, "여권번호", "passport", "trip")
            self.put(w, "여권 만료일: ", ("event_date", "trip.passport_expiry"), "\n")
        w.add(f"보호자: {self.name()} (관계: {self.one('부', '모', '조모')})\n")
        self.field(w, "보호자 휴대폰", "phone", "trip")
        if self.chance(0.5):
            w.add("비상시 연락처(2순위) ")
            self.val(w, "phone", "label_before", "비상시 연락처", "trip")
            w.add("\n")
        w.add(f"알레르기/복용약: {self.one('없음', '땅콩', '천식 흡입기 지참')}\n참가비 ")
        self.put(w, ("price", "trip.fee"), "원은 스쿨뱅킹 계좌에서 ")
        self.put(w, ("event_date", "trip.debit"), " 출금됩니다.\n")
        self.put(w, "위 학생의 참가에 동의합니다.  ", ("event_date", "trip.signed"), "  보호자 (서명)\n")
        return w.document()

    # ------------------------------------------------------------------ 29. rental and equipment agreements

    def g_rental_agreement(self, w: _Writer) -> Document:
        r = self.r
        item = self.one("정수기", "렌터카", "캠핑카", "안마의자", "공유킥보드 장기")
        self.put(w, f"{item} 렌탈 계약서\n계약번호 ", ("contract_number", "rental.no"))
        w.add(f"\n\n[고객]\n성명 {self.name()}\n")
        self.field(w, "생년월일", "birth_date", "rental", sep=" ", allowed={"yymmdd", "dot", "iso"})
        self.field(w, "휴대폰", "phone", "rental", sep=" ")
        if item in ("렌터카", "캠핑카"):
            self.field(w, "운전면허번호", "driver_license", "rental", sep=" ")
            self.put(w, "면허 종류: 1종 보통   차량번호 ", ("car_plate", "rental.car"))
            self.put(w, "\n대여 ", ("event_date", "rental.from"), " ", ("time", "rental.hour"))
            self.put(w, " ~ 반납 ", ("event_date", "rental.to"), "\n")
        else:
            self.put(w, "제품 모델 ",
                        ("serial_number", "rental.model", f"{self.one('WPU', 'CHP', 'BFX')}-{self.ways.d(4)}"))
            w.add("  의무사용기간 36개월\n")
        self.put(w, "월 렌탈료 ", ("price", "rental.fee"), "원 — 결제: ")
        if self.chance(0.5):
            w.add(f"{r.choice(CARD_ISSUERS)} ")
            self.val(w, "credit_card", "label_before", "결제", "rental.pay", allowed={"hyphen", "masked", "spaced"})
        else:
            self.bank_account(w, "rental.pay", glue=" ")
        w.add(f"\n[판매점] {r.choice(COMPANIES)} 사업자 ")
        self.val(w, "business_registration", "label_before", "사업자", "rental.shop")
        self.put(w, "\n고객센터 ", ("company_number", "rental.cs"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 31. parking notes and complaints

    def g_parking_notes(self, w: _Writer) -> Document:
        """Guards' notes of badly parked cars: the number on the dashboard card needs no label."""
        r = self.r
        w.add(f"{self.one('경비실 주차 민원 기록', '불법주차 단속 메모', '지하주차장 이중주차 차량 연락 내역')} ")
        self.put(w, ("event_date", "parking.day"), "\n")
        for _ in range(r.randrange(2, 6)):
            self.neg(w, "time", "parking.time", f"{r.randrange(24):02d}:{r.randrange(60):02d}")
            w.add(f" {self.one('B1', 'B2', '지상')} {self.one('장애인구역', '소방차 전용구역', '통로', '입구 앞')} ")
            self.neg(w, "car_plate", "parking.car")
            w.add(self.one(" 대시보드 번호 ", " 차주 ", " 앞유리 ", " → "))
            self.val(w, "phone", "no_label", "", "parking.dashboard", allowed={"hyphen", "plain", "dot", "spaced"}
                     if self.chance(0.3) else {"hyphen"})
            w.add(self.one(" 통화 완료, 10분 뒤 이동", " 연락 안 됨 → 스티커 부착", " 문자 남김", " 부재중 2회") + "\n")
        if self.chance(0.5):
            w.add("입주민 차량 아님: 방문증 없음. ")
            self.neg(w, "household_number", "parking.visit")
            w.add(" 방문 차량이라고 함\n")
        self.put(w, "관리사무소 ", ("office_landline", "parking.office"), "\n")
        return w.document()

    # ------------------------------------------------------------------ 30. library and study-room sign-ups

    def g_library_signup(self, w: _Writer) -> Document:
        if self.chance(0.4):
            return self._study_cafe_log(w)
        r = self.r
        w.add(f"{self.one('OO구립도서관', 'OO시립도서관', '스터디카페 OO점')} 회원 등록\n")
        w.add(f"이름 {self.name()}  ")
        self.field(w, "생년월일", "birth_date", "library", sep=" ", allowed={"yymmdd", "compact", "dot"}, end="\n")
        self.field(w, "휴대폰", "phone", "library", sep=" ")
        if self.chance(0.5):
            self.field(w, "이메일", "email", "library", sep=" ")
        self.put(w, "회원증 번호 ", ("member_number", "library.card"))
        w.add("\n대출 중인 도서\n")
        for _ in range(r.randrange(1, 4)):
            w.add(f"- {self.one('채식주의자', '불편한 편의점', '코스모스', '총균쇠', '파이썬 코딩의 기술')}  ISBN ")
            self.put(w, ("isbn", "library.isbn"), "  반납예정 ", ("event_date", "library.due"), "\n")
        self.put(w, "무선랜 접속 기록 ", ("ip_address", "library.ip"), "\n")
        return w.document()


    # ------------------------------------------------------------------ second frames of some genres

    def _golf_booking(self, w: _Writer) -> Document:
        r = self.r
        w.add(f"[{self.one('OO컨트리클럽', '레이크힐스', 'OO골프장')}] 예약 확인\n예약번호 ")
        self.neg(w, "reservation_number", "golf.booking")
        self.put(w, "\n일자 ", ("event_date", "golf.day"), "  티오프 ", ("time", "golf.tee"))
        w.add(f"  {self.one('OUT', 'IN', '동코스', '서코스')}\n예약자 {self.name()} (회원번호 ")
        self.put(w, ("member_number", "golf.member"), ")\n동반자\n")
        for i in range(r.randrange(1, 4)):
            w.add(f" {i + 1}) {self.name()} ")
            self.val(w, "phone", "header_message", "동반자", "golf.party", allowed={"hyphen", "plain"})
            w.add("\n")
        self.put(w, "그린피 ", ("price", "golf.fee"), "원/인, 카트비 ", ("price", "golf.cart"))
        self.put(w, "원\n취소는 3일 전까지 예약실 ", ("office_landline", "golf.office"), "\n")
        return w.document()

    def _class_phone_tree(self, w: _Writer) -> Document:
        r = self.r
        w.add(f"[{self.one('OO중 25회', '87학번 동기', 'OO초 6-3반')} 비상연락망] 송년회 ")
        self.put(w, ("event_date", "tree.party"), " 공지 돌려주세요\n")
        for _ in range(r.randrange(3, 7)):
            w.add(f"{self.name()} {self.one('(부산)', '(미국 출장중)', '', '(총무)', '(연락두절)')} ")
            self.val(w, "phone", "no_label", "", "tree.line", allowed={"hyphen", "spaced", "dot"})
            if self.chance(0.25):
                w.add(" / ")
                self.val(w, "email", "no_label", "", "tree.line", writing="plain")
            w.add("\n")
        self.put(w, "회비 ", ("price", "tree.fee"), "원은 총무 계좌 ")
        self.bank_account(w, "tree.fee_account", glue=" ")
        w.add("\n")
        return w.document()

    def _resident_register(self, w: _Writer) -> Document:
        r = self.r
        w.add("주민등록표(등본)\n이 등본은 세대별 주민등록표의 원본내용과 틀림없음을 증명합니다.\n")
        self.put(w, ("event_date", "register.issued"), "\n세대주 성명  " + self.name())
        self.put(w, "   세대구성 사유 및 일자  전입 ", ("event_date", "register.formed"))
        self.put(w, f"\n현주소  {r.choice(DISTRICTS)} ", ("address_number", "register.addr"))
        self.put(w, ", ", ("household_number", "register.unit"))
        w.add("\n\n번호  세대주관계  성명  주민등록번호  전입일/변동일  변동사유\n")
        for i, rel in enumerate(["본인"] + r.sample(("배우자", "자", "자", "모", "처"), r.randrange(1, 4))):
            born = self.born(*{"자": (1990, 2019), "모": (1935, 1960)}.get(rel, (1958, 1990)))
            w.add(f"{i + 1}  {rel}  {self.name()}  ")
            self.val(w, "resident", "column_header", "주민등록번호", "register.table",
                     allowed={"hyphen", "masked"}, born=born)
            self.put(w, "  ", ("event_date", "register.moved"))
            w.add(f"  {self.one('전입', '출생등록', '세대합가', '')}\n")
        self.put(w, "문서확인번호 ", ("document_number", "register.check"), "\n")
        return w.document()

    def _insurer_texts(self, w: _Writer) -> Document:
        r = self.r
        insurer = r.choice(INSURERS)
        self.put(w, f"[{insurer}] 사고접수 안내\n접수번호 ", ("accident_report_number", "texts.report"))
        self.put(w, "\n사고일시 ", ("event_date", "texts.day"), " ", ("time", "texts.time"))
        self.put(w, f"\n보상담당 {self.name()} 직통 ", ("office_landline", "texts.adjuster"))
        self.put(w, "\n\n[상대 차량 정보]\n차량번호 ", ("car_plate", "texts.other_car"))
        w.add(f"\n운전자 {self.masked_name()} ")
        self.val(w, "phone", "label_before", "운전자", "texts.other", writing=self.one("hyphen", "masked"))
        self.put(w, f"\n가입 보험사 {r.choice(INSURERS)} 접수번호 ", ("accident_report_number", "texts.other_report"))
        w.add(f"\n\n대물 보상금 지급을 위해 아래 회신 부탁드립니다.\n→ 답장: 네 {self.one('제 명의', '남편 명의', '')} ")
        self.bank_account(w, "texts.reply", glue=" ")
        self.put(w, " 입니다\n상담 ", ("company_number", "texts.cs"), "\n")
        return w.document()

    def _pet_registration_form(self, w: _Writer) -> Document:
        r = self.r
        w.add("동물등록 신청서\n\n[소유자]\n성명 " + self.name() + "\n")
        self.field(w, self.one("주민등록번호", "생년월일"), "resident", "petreg.owner", allowed={"hyphen", "masked"})
        self.field(w, "전화번호", "phone", "petreg.owner")
        self.put(w, f"주소 {r.choice(DISTRICTS)} ", ("address_number", "petreg.addr"))
        w.add(f"\n\n[동물]\n이름 {self.one('몽이', '해피', '까미', '보리')}  품종 {self.one('비숑', '믹스', '시바견')}  ")
        w.add(f"성별 {self.one('수컷(중성화)', '암컷')}\n등록방식 {self.one('내장형', '외장형')}  동물등록번호 ")
        self.neg(w, "pet_registration_number", "petreg.no")
        self.put(w, "\n신청일 ", ("event_date", "petreg.date"))
        self.put(w, f"\n대행기관 {self.one('OO동물병원', 'OO펫샵')} ", ("office_landline", "petreg.agent"), "\n")
        return w.document()

    def _signature_sheet(self, w: _Writer) -> Document:
        r = self.r
        w.add(f"{self.one('OO당', '새OO당')} {self.one('강서갑', '수원정', '해운대을')} 지역위원회 입당원서 취합 명단\n")
        w.add("연번\t성명\t생년월일\t성별\t휴대전화\t권리당원\n")
        way = self.ways.make("birth_date", None, {"yymmdd", "dot", "iso"}).writing
        for i in range(r.randrange(3, 8)):
            w.add(f"{i + 1}\t{self.name()}\t")
            self.val(w, "birth_date", "column_header", "생년월일", "party.sheet", writing=way)
            w.add(f"\t{self.one('남', '여')}\t")
            self.val(w, "phone", "column_header", "휴대전화", "party.sheet", allowed={"hyphen", "plain"})
            w.add(f"\t{self.one('O', 'X', 'O')}\n")
        self.put(w, "취합자 " + self.name() + " / 제출일 ", ("event_date", "party.sheet.date"), "\n")
        return w.document()

    def _employment_contract(self, w: _Writer) -> Document:
        r = self.r
        fam, given, country, ko = r.choice(FOREIGN)
        w.add("표준근로계약서 (Standard Labor Contract)\n\n")
        w.add(f"사업주 (Employer): {r.choice(COMPANIES)}  ")
        self.field(w, "사업자등록번호 (Business Reg. No.)", "business_registration", "contract.employer", situation="bilingual")
        self.put(w, "대표전화 (Tel): ", ("office_landline", "contract.tel"))
        w.add(f"\n근로자 (Employee): {fam} {given}  ({country})\n")
        label = self.one("외국인등록번호 (ARC No.)", "Alien Registration No.")
        self.field(w, label, "foreigner_registration", "contract.employee",
                   situation="label_english" if label.isascii() else "bilingual")
        w.add("연락처 (Phone): ")
        self.val(w, "phone", "bilingual", "연락처 (Phone)", "contract.employee")
        self.put(w, "\n1. 근로계약기간 (Term): ", ("event_date", "contract.from"), " ~ ")
        self.neg(w, "event_date", "contract.to")
        self.put(w, "\n2. 임금 (Wage): 월 (Monthly) ", ("price", "contract.wage"), "원\n")
        w.add("3. 지급방법 (Payment): 근로자 명의 예금통장에 입금 (Transfer to the employee's account)\n")
        self.bank_account(w, "contract.wage_account", glue=" / ")
        w.add("\n")
        return w.document()

    def _trip_roster(self, w: _Writer) -> Document:
        r = self.r
        w.add(f"{self.one('해외 수학여행', '국외 현장체험학습', '어학연수')} 참가자 명단 (여행자보험 가입용)\n")
        w.add(self.one("이름,영문명,생년월일,여권번호,보호자연락처\n", "성명 | 영문성명 | 생년월일 | 여권번호 | 보호자 휴대폰\n"))
        sep = "," if "," in w.parts[-1] else " | "
        heads = w.parts[-1].strip().split(sep)
        for _ in range(r.randrange(3, 7)):
            w.add(f"{self.name()}{sep}{self.roman()}{sep}")
            self.val(w, "birth_date", "column_header", heads[2], "trip.roster", writing="iso", born=self.born(2008, 2014))
            w.add(sep)
            self.val(w, "passport", "column_header", heads[3], "trip.roster")
            w.add(sep)
            self.val(w, "phone", "column_header", heads[4], "trip.roster", allowed={"hyphen", "plain"})
            w.add("\n")
        self.put(w, "보험증권번호 ", ("policy_number", "trip.policy"), "\n")
        return w.document()

    def _study_cafe_log(self, w: _Writer) -> Document:
        r = self.r
        w.add(f"스터디카페 {self.one('OO점', 'OO역점')} 키오스크 입퇴실 기록 ")
        self.put(w, ("event_date", "cafe.day"), "\n")
        for _ in range(r.randrange(3, 7)):
            self.neg(w, "time", "cafe.in", f"{r.randrange(24):02d}:{r.randrange(60):02d}")
            self.put(w, f" {self.one('입실', '퇴실', '연장')} 좌석 ",
                        ("seat_number", "cafe.seat", str(r.randrange(1, 80))))
            w.add(" 회원 ")
            self.val(w, "phone", "label_before", "회원", "cafe.log", allowed={"masked", "plain"})
            self.put(w, f" {self.one('4시간권', '50시간 정기권', '당일권')} ", ("price", "cafe.pay"), "원\n")
        return w.document()

    def _gift_order(self, w: _Writer) -> Document:
        w.add(f"[카카오톡 선물하기] {self.name()}님이 선물을 보냈어요!\n")
        w.add(f"상품: {self.one('스타벅스 아메리카노 T', '교촌 허니콤보', '한우 선물세트', '케이크 교환권')}\n교환권 번호 ")
        self.neg(w, "serial_number", "gift.coupon", f"{self.ways.d(4)} {self.ways.d(4)} {self.ways.d(4)}")
        self.put(w, "\n유효기간 ", ("event_date", "gift.valid"), "\n")
        if self.chance(0.6):
            w.add("배송지 입력 완료\n받는 분 연락처 ")
            self.val(w, "phone", "label_before", "받는 분 연락처", "gift.receiver", writing=self.one("masked", "hyphen"))
            w.add("\n")
        self.put(w, "주문번호 ", ("order_number", "gift.order"), "\n")
        return w.document()

    def _game_support(self, w: _Writer) -> Document:
        game = self.one("메이플스토리", "리니지M", "로스트아크", "배틀그라운드")
        self.put(w, f"[{game}] 해킹 피해 계정 복구 요청\n접수번호 #", ("inquiry_number", "game.no"), "\n\n")
        w.add(f"캐릭터명: {self.one('달빛궁수', '초보탈출', '강철멘탈', '서버최강')}  서버: {self.one('스카니아', '루나', '엘리시움')}\n")
        w.add(f"계정 명의자 {self.name()}, 생일은 ")
        self.val(w, "birth_date", "in_sentence", "생일은", "game.sentence", allowed={"korean_date", "dot", "yymmdd"})
        w.add(" 이고 가입할 때 쓴 메일은 ")
        self.val(w, "email", "in_sentence", "가입할 때 쓴 메일", "game.sentence")
        w.add(" 입니다.\n제 번호는 ")
        self.val(w, "phone", "in_sentence", "제 번호는", "game.sentence", allowed={"hyphen", "plain", "spaced"})
        self.put(w, " 인데 OTP가 다른 폰으로 가요.\n마지막으로 충전한 건 ", ("event_date", "game.paid"),
                 " 에 ", ("price", "game.amount"), "원이고 승인번호는 ", ("approval_number", "game.appr"), " 입니다.\n")
        self.put(w, "접속 기록에 제가 아닌 IP ", ("ip_address", "game.ip"), " 가 있어요. 빨리 좀 해주세요 ㅠㅠ\n")
        return w.document()

    def _move_out_refund(self, w: _Writer) -> Document:
        r = self.r
        self.put(w, "관리비 예치금 반환 신청서\n동호수: ", ("household_number", "moveout.unit"), "\n퇴거일: ",
                 ("event_date", "moveout.date"), "\n")
        w.add(f"신청인: {self.name()} ({self.one('세입자', '소유자')})\n")
        self.field(w, self.one("연락처", "휴대폰", "전화"), "phone", "moveout")
        self.put(w, "정산 금액: 장기수선충당금 ", ("price", "moveout.fund"), "원 + 예치금 ", ("price", "moveout.deposit"),
                 "원\n")
        label = self.one("반환받을 계좌", "입금 계좌", "환급 계좌")
        w.add(f"{label}: ")
        bank = r.choice(list(BANKS))
        w.add(f"{bank} ")
        w.value(self.ways.account(bank), "bank_name", bank, "moveout.refund")
        self.put(w, f" (예금주 {self.name()})\n관리사무소 경리 ", ("office_landline", "moveout.office"),
                 " / FAX ", ("office_fax", "moveout.fax"), "\n")
        return w.document()

    def _hometax_receipts(self, w: _Writer) -> Document:
        r = self.r
        w.add("현금영수증 사용내역 조회 (소득공제)\n발급수단: ")
        self.val(w, "phone", "label_before", "발급수단", "hometax.head", writing=self.one("masked", "hyphen"))
        w.add("\n\n거래일자 | 가맹점명 | 가맹점 사업자번호 | 승인번호 | 금액\n")
        for _ in range(r.randrange(3, 7)):
            self.put(w, ("event_date", "hometax.day", self.stamp(2024, 2026)),
                     f" | {self.one('OO약국', 'OO마트', 'OO주유소', 'OO학원', 'OO한의원')} | ")
            self.val(w, "business_registration", "column_header", "가맹점 사업자번호", "hometax.table",
                     allowed={"hyphen", "plain"})
            self.put(w, " | ", ("approval_number", "hometax.appr", self.ways.d(9)), " | ", ("price", "hometax.amount"),
                     "\n")
        w.add("※ 국세청 홈택스 조회 결과를 복사한 것입니다. 문의 국세상담센터 ")
        self.put(w, ("company_number", "hometax.126", "126"), "\n")
        return w.document()

    def _business_card(self, w: _Writer) -> Document:
        """A business card read by a scanning app: one mark a line, digits sometimes broken."""
        r = self.r
        w.add(f"[명함 스캔] {r.choice(COMPANIES)}\n{self.name()}  {self.one('과장', '팀장', '대리', '이사')} / "
              f"{self.one('영업본부', '구매팀', '기술연구소')}\n")
        self.put(w, self.one("T. ", "Tel ", "TEL: "), ("office_landline", "card.tel"), "\n")
        self.put(w, self.one("F. ", "Fax ", "FAX: "), ("office_fax", "card.fax"), "\n")
        label = self.one("M.", "Mobile", "H.P", "HP")
        w.add(label + " ")
        self.val(w, "phone", "label_english", label, "card.mobile",
                 writing=self.one("hyphen", "hyphen", "dot", "line_break", "spaced"))
        label = self.one("E.", "E-mail", "Email")
        w.add(f"\n{label} ")
        self.val(w, "email", "label_english", label, "card.mail")
        self.put(w, f"\n{r.choice(DISTRICTS)} ", ("address_number", "card.addr"), "\n")
        return w.document()

    def _overseas_order(self, w: _Writer) -> Document:
        r = self.r
        self.put(w, f"Order Confirmation - {self.one('iHerb', 'Amazon', 'AliExpress')}\nOrder #",
                 ("order_number", "overseas.order"), "\nOrder Date: ", ("event_date", "overseas.date", self.stamp(2023, 2026)),
                 "\n\nShipping Address\n")
        w.add(f"{self.roman()}\n{self.one('Hwagok-ro', 'Gwanggyo-ro', 'Jungang-daero')} ")
        self.put(w, ("address_number", "overseas.addr"), ", Seoul, ", ("postal_code", "overseas.zip", self.ways.d(5)),
                 "\nSouth Korea\n")
        label = self.one("Phone", "Phone Number", "Tel")
        w.add(f"{label}: ")
        self.val(w, "phone", "label_english", label, "overseas.ship", allowed={"intl", "hyphen", "plain"})
        w.add("\nEmail: ")
        self.val(w, "email", "label_english", "Email", "overseas.buyer")
        self.put(w, "\n\nOrder Total: US$", ("price", "overseas.total", f"{r.randrange(10, 400)}.{r.randrange(100):02d}"),
                 "\nTracking: ", ("tracking_number", "overseas.tracking", f"{self.one('LP', 'KR', 'CY')}{self.ways.d(11)}"),
                 "\n")
        return w.document()

GENRES = tuple(n[2:] for n in dir(_Builder) if n.startswith("g_"))


def generate(documents: int = 1500, seed: int = 1) -> list[Document]:
    """`documents` labelled documents, every genre in turn (the order shuffled each round).
    Same arguments, same documents on every machine."""
    b = _Builder(seed)
    out: list[Document] = []
    while len(out) < documents:
        order = list(GENRES)
        b.r.shuffle(order)
        for g in order[:documents - len(out)]:
            out.append(b.doc(g))
    return out


def summary(docs: list[Document]) -> dict:
    """Counts of documents by genre, values by kind and negatives by category."""
    genres: dict = {}
    for d in docs:
        genres[d.genre] = genres.get(d.genre, 0) + 1
    return {"genres": genres, **labelled.summary(docs)}


if __name__ == "__main__":
    import sys
    labelled.show(generate(int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)),
                  lambda v: f"{v.label:14} {v.label_text[:16]!r:18}")
