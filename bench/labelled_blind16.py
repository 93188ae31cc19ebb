"""The sixteenth blind part (`blind16`): labelled Korean documents written apart from the rules
and from every other part, to forecast how masking does on writing nobody tuned on.

    docs = labelled_blind16.generate(1500, seed=1)

Genres: apartment fitness-room sign-ups, community-centre classes, senior-centre lunch programmes,
home-visit nursing schedules, meal-delivery volunteers, disability activity-support timesheets,
braille library loans, sign-language interpreter bookings, mobility-taxi bookings, prison-visit
applications, victim-support intake, military family letters, civil-service exam applications,
public-enterprise job applications, internship certificates, reference-check calls, headhunters'
candidate sheets, onboarding checklists, retirement-pension transfers, severance settlements,
union dues, company dormitories, commuter buses, corporate-card expense reports, business-trip
claims, year-end tax dependants' lists, medical-expense receipts, donation receipts, cash-receipt
requests, e-tax invoice corrections, tourist tax refunds, small-business loans, market-stall
vendors, surf schools, ski season passes, escape rooms, karaoke incidents, PC-bang members,
web-novel payouts, podcast guest releases, cosplay events, comic-market sellers, cattle
traceability, beekeeping subsidies, farm-machine rental, forest-fire watchers, hunting-dog
registrations, rural homestays, bowling leagues, MCN agreements and background-check consents.
Forms with label lines, key=value lines, JSON, CSV/TSV/pipe/Markdown tables, English-Korean
forms, OCR scans, full-width forms, chats, text messages, e-mails, letters and notes.

Conventions. Values are whatever identifies or reaches a person: their own phone (a 050x safe
number that rings a person too), their direct line, their e-mail (a work address in their name
too), their account, their card (a corporate card in their hands too), and every business
registration number, a company's included. Negatives are organisations' numbers and other
look-alikes: an office's or company's main or call-centre number, a shop's main line, a fax, a
bare extension, a company's, union's, church's or foundation's account, a virtual account for one
bill, a shared office mailbox (help@, info@ of a company), a corporation registration number,
and order, tracking, invoice, reservation, approval, model, serial, case, document and animal
numbers, gift-card PINs, barcodes, ISBNs, IMEIs, postcodes, amounts, times and dates that are not
birth dates. About a tenth of the values are partly masked (010-****-5678, 880101-1******); those
written with letters for digits (O for 0, l for 1) come from OCR scans. Resident numbers of
children born since October 2020 carry no valid check digit; every other number with a check
digit carries a real one.

A value's `label` is where its label stands: "form_label" (a label line), "key" (key=value),
"json_key", "column_header", "english_label", "ocr_label", or "prose" (a cue in a sentence,
chat, text message or e-mail); `label_text` is the label or the words before the value.
"""

from __future__ import annotations

import json
import random
import re
from dataclasses import dataclass

import corpus
import labelled
from labelled import Written

PART = "blind16"
DEFAULT_COUNT = 1500

MASKABLE = {"resident", "foreigner_registration", "business_registration", "credit_card",
            "bank_account", "phone", "email"}
MASK_SHARE = 0.11
# Value codes in the templates.
CODES = {"RRN": "resident", "FRN": "foreigner_registration", "BRN": "business_registration",
         "CARD": "credit_card", "ACCT": "bank_account", "PHONE": "phone", "EMAIL": "email",
         "DL": "driver_license", "BIRTH": "birth_date", "PASS": "passport"}
FULL = str.maketrans("0123456789-.", "０１２３４５６７８９－．")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
# Shapes whose cells hold no spaces read out or spelled in Hangul.
STRUCTURED = {"key", "json_key", "column_header"}

# --------------------------------------------------------------------------- word pools

SURNAMES = "김이박최정강조윤장임한오서신권황안송류홍전고문양손배백허남심노하곽성차주우구민진나엄채원천방공현함변염여추도소석선설마길연위표명기"
GIVEN = ("영자 말순 정호 병철 순이 금자 용식 복희 경자 상철 미숙 정숙 현정 은영 지혜 승민 다인 예린 태민 "
         "하준 이안 서아 로운 시온 유나 채린 도하 규리 재윤 성민 아름 슬기 한결 가람 나래 보미 윤아 "
         "동현 석진 윤기 호석 남준 지수 제니 로제 창민 혜원 수정 경호 종국 미란 옥순 덕배 춘자 만수").split()
ROMAN_GIVEN = ("youngja jungho byungchul geumja sangchul misook hyunjung eunyoung jihye seungmin "
               "dain yerin taemin hajun seoa roun yuna chaerin doha kyuri jaeyoon sungmin areum "
               "seulgi hangyeol garam narae bomi yoona donghyun seokjin hyewon sujung kyungho").split()
ROMAN_SUR = "kim lee park choi jung kang cho yoon jang lim han oh seo shin kwon hwang ahn song".split()
MAIL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                "outlook.kr", "icloud.com", "yahoo.co.kr", "korea.kr")
WORK_DOMAINS = ("haneulsoft.co.kr", "daon-logis.com", "bomnal.kr", "gyeoul-ent.com",
                "saebit-pension.co.kr", "mirae-agri.kr", "norang-media.com")
COMPANIES = ("주식회사 하늘소프트", "(주)다온로지스", "봄날컴퍼니", "겨울엔터테인먼트", "새빛연금컨설팅",
             "미래농기계(주)", "노랑미디어", "(유)바다서핑", "한결식품", "주식회사 도담출판", "가람스튜디오",
             "(주)별빛게임즈", "청솔인재개발", "누리세무회계")
PLACES = ("수원시 영통구", "청주시 흥덕구", "전주시 완산구", "창원시 성산구", "천안시 동남구", "김해시",
          "포항시 남구", "원주시", "순천시", "강릉시", "양양군", "평창군", "춘천시", "제주시 애월읍")
NATIONS = ("VIETNAM", "CHINA", "PHILIPPINES", "UZBEKISTAN", "NEPAL", "THAILAND", "MONGOLIA",
           "INDONESIA", "CAMBODIA", "USA", "JAPAN", "FRANCE")
BANK_FORMATS = {  # bank -> digit groups of its account numbers
    "국민": (6, 2, 6), "KB국민은행": (6, 2, 6), "신한": (3, 3, 6), "신한은행": (3, 3, 6),
    "우리": (4, 3, 6), "하나": (3, 6, 5), "농협": (3, 4, 4, 2), "NH농협": (3, 4, 4, 2),
    "카카오뱅크": (4, 2, 7), "토스뱅크": (4, 4, 4), "IBK기업": (3, 6, 2, 3), "우체국": (6, 2, 6),
    "새마을금고": (4, 4, 4, 1), "SC제일": (3, 2, 6), "수협": (4, 4, 4), "부산은행": (3, 4, 4, 2),
}
FIXED_PREFIX = {"카카오뱅크": "3333", "토스뱅크": "1000", "새마을금고": "9"}
RELATIONS = ("배우자", "자녀", "부", "모", "형제", "조모", "자녀")
TIMES = ("09:00", "09:30", "10:00", "13:30", "14:00", "15:30", "18:20", "19:00")

# --------------------------------------------------------------------------- values


def _groups(digits: str, sizes) -> list[str]:
    out, i = [], 0
    for n in sizes:
        out.append(digits[i:i + n])
        i += n
    return out


def _mask_tail(s: str, keep_front: int) -> str:
    """s with every digit after the first keep_front digits written as *."""
    out, seen = [], 0
    for ch in s:
        if ch.isdigit():
            seen += 1
            out.append(ch if seen <= keep_front else "*")
        else:
            out.append(ch)
    return "".join(out)


def _mask_middle(groups: list[str]) -> str:
    return "-".join([groups[0]] + ["*" * len(g) for g in groups[1:-1]] + [groups[-1]])


def _ocr(s: str, r: random.Random) -> str | None:
    """s with one 0 read as O or one 1 read as l, as a scan misreads it; None if it has neither."""
    spots = [i for i, ch in enumerate(s) if ch in "01"]
    if not spots:
        return None
    i = r.choice(spots)
    return s[:i] + ("O" if s[i] == "0" else "l") + s[i + 1:]


class Values:
    """Makes the written values of every kind, with real check digits."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def _pick(self, table) -> str:
        names = [w for w, _ in table]
        return self.r.choices(names, [x for _, x in table])[0]

    def _digits(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    # -------------------------------------------------------------- numbers
    def resident_digits(self, foreigner: bool = False, child: bool = False) -> tuple[str, bool]:
        """Thirteen digits and whether they are a post-October-2020 number (no check digit)."""
        r = self.r
        if child and r.random() < 0.6 and not foreigner:
            while True:
                y, m, d = corpus.random_date(r, 2020, 2026)
                if (y, m) >= (2020, 10) and (y, m) <= (2026, 11):
                    break
            body = f"{y % 100:02d}{m:02d}{d:02d}{r.choice((3, 4))}{self._digits(6)}"
            return body, True
        y, m, d = corpus.random_date(r, 2006, 2019) if child else corpus.random_date(r, 1938, 2006)
        if y >= 2000:
            g = r.choice((7, 8)) if foreigner else r.choice((3, 4))
        else:
            g = r.choice((5, 6)) if foreigner else r.choice((1, 2))
        body = f"{y % 100:02d}{m:02d}{d:02d}{g}{self._digits(5)}"
        return body + str(corpus.resident_check([int(c) for c in body], foreigner)), False

    def business_digits(self) -> str:
        body = f"{self.r.randrange(101, 900)}{self.r.choice(('01', '05', '11', '12', '21', '81', '86', '88'))}" \
               f"{self._digits(4)}"
        return body + str(corpus.business_check([int(c) for c in body]))

    def card_digits(self) -> str:
        r = self.r
        prefix = r.choice(("4", "5" + str(r.randrange(1, 6)), "9410", "9490", "3" + r.choice("47"),
                           "6243", "4579"))
        n = 15 if prefix[:2] in ("34", "37") else 16
        body = prefix + self._digits(n - 1 - len(prefix))
        return body + str(corpus.luhn_check([int(c) for c in body]))

    def account(self, bank: str) -> list[str]:
        sizes = BANK_FORMATS[bank]
        prefix = FIXED_PREFIX.get(bank, "")
        digits = prefix + self._digits(sum(sizes) - len(prefix))
        return _groups(digits, sizes)

    # -------------------------------------------------------------- written values
    def make(self, kind: str, writing: str | None, shape: str, bank: str | None = None) -> Written:
        r = self.r
        if writing is None and kind in MASKABLE and r.random() < MASK_SHARE:
            writing = "masked"
        maker = getattr(self, "_" + kind)
        w = maker(writing, shape, bank)
        if shape == "ocr_label" and w.writing in ("hyphen", "plain") and kind != "email" and r.random() < 0.45:
            misread = _ocr(w.text, r)
            if misread:
                return Written(kind, misread, "ocr_letter", False)
        if shape == "fullwidth" and w.writing in ("hyphen", "dot", "iso") and kind != "email":
            return Written(kind, w.text.translate(FULL), "fullwidth", False)
        return w

    def _choose(self, writing, shape, table) -> str:
        if writing:
            return writing
        if shape in STRUCTURED or shape in ("ocr_label", "fullwidth"):
            table = [(w, x) for w, x in table if w not in ("spaced", "hangul", "spoken", "korean",
                                                             "korean_short", "region_name")] or table
        return self._pick(table)

    def _resident(self, writing, shape, bank, foreigner=False) -> Written:
        r = self.r
        kind = "foreigner_registration" if foreigner else "resident"
        child = writing == "child"
        w = self._choose(None if child else writing, shape,
                         (("hyphen", 6), ("plain", 1.5), ("spaced", 1), ("dotless_space", 0.5)))
        ds, post = self.resident_digits(foreigner, child)
        front, back = ds[:6], ds[6:]
        if w == "masked":
            text = f"{front}-{back[0]}******" if r.random() < 0.75 else f"{front}-*******"
            return Written(kind, text, "masked", True)
        text = {"hyphen": f"{front}-{back}", "plain": ds, "spaced": f"{front} - {back}",
                "dotless_space": f"{front} {back}"}[w]
        return Written(kind, text, "post2020" if post else w, False)

    def _foreigner_registration(self, writing, shape, bank) -> Written:
        return self._resident(writing, shape, bank, foreigner=True)

    def _business_registration(self, writing, shape, bank) -> Written:
        w = self._choose(writing, shape, (("hyphen", 7), ("plain", 2), ("spaced", 1)))
        g = _groups(self.business_digits(), (3, 2, 5))
        if w == "masked":
            return Written("business_registration", f"{g[0]}-{g[1]}-{g[2][:1]}****", "masked", True)
        text = {"hyphen": "-".join(g), "plain": "".join(g), "spaced": " ".join(g)}[w]
        return Written("business_registration", text, w, False)

    def _credit_card(self, writing, shape, bank) -> Written:
        ds = self.card_digits()
        amex = len(ds) == 15
        g = _groups(ds, (4, 6, 5) if amex else (4, 4, 4, 4))
        w = self._choose(writing, shape, (("hyphen", 5), ("spaced", 2), ("plain", 1.5)))
        if w == "masked":
            if self.r.random() < 0.5:
                text = f"{g[0]}-{g[1][:2]}{'*' * (len(g[1]) - 2)}-{'*' * len(g[2])}" + (f"-{g[3]}" if not amex else "")
            else:
                text = _mask_middle(g)
            return Written("credit_card", text, "masked", True)
        text = {"hyphen": "-".join(g), "spaced": " ".join(g), "plain": ds}[w]
        return Written("credit_card", text, "amex" if amex and w == "hyphen" else w, False)

    def _bank_account(self, writing, shape, bank) -> Written:
        g = self.account(bank or "신한")
        w = self._choose(writing, shape, (("hyphen", 6), ("plain", 2.5)))
        if w == "masked":
            text = "-".join(g)
            text = _mask_tail(text, len("".join(g)) - 4) if self.r.random() < 0.4 else \
                "-".join([g[0]] + ["*" * len(x) for x in g[1:-1]] + ["*" * (len(g[-1]) - 3) + g[-1][-3:]])
            return Written("bank_account", text, "masked", True)
        return Written("bank_account", "-".join(g) if w == "hyphen" else "".join(g), w, False)

    def _phone(self, writing, shape, bank) -> Written:
        r = self.r
        if writing == "direct":
            area = r.choice(("02", "031", "032", "042", "051", "053", "062", "064", "070", "043"))
            mid = self._digits(4 if area in ("02", "070") or r.random() < 0.5 else 3)
            mid = str(r.randrange(2, 10)) + mid[1:]
            return Written("phone", f"{area}-{mid}-{self._digits(4)}", "direct_line", False)
        if writing == "safe":
            return Written("phone", f"050{r.randrange(2, 8)}-{self._digits(4)}-{self._digits(4)}",
                           "safe_number", False)
        w = self._choose(writing, shape, (("hyphen", 6), ("plain", 1.5), ("dot", 1), ("spaced", 1),
                                          ("intl", 0.7), ("intl_compact", 0.3), ("old_mobile", 0.3),
                                          ("hangul", 0.25)))
        mid, last = str(r.randrange(2, 10)) + self._digits(3), self._digits(4)
        if w == "masked":
            text = r.choice((f"010-****-{last}", f"010-{mid[:2]}**-{last}", f"010-{mid}-****",
                             f"010-{mid[:1]}***-**{last[2:]}"))
            return Written("phone", text, "masked", True)
        if w == "old_mobile":
            return Written("phone", f"{r.choice(('011', '016', '017', '019'))}-{mid[1:]}-{last}", w, False)
        if w == "hangul":
            spoken = "".join(HANGUL_DIGITS[int(c)] for c in "010" + mid + last)
            return Written("phone", f"{spoken[:3]} {spoken[3:7]} {spoken[7:]}", w, False)
        text = {"hyphen": f"010-{mid}-{last}", "plain": f"010{mid}{last}", "dot": f"010.{mid}.{last}",
                "spaced": f"010 {mid} {last}", "intl": f"+82 10-{mid}-{last}",
                "intl_compact": f"+8210{mid}{last}"}[w]
        return Written("phone", text, w, False)

    def email_address(self) -> str:
        r = self.r
        given, sur = r.choice(ROMAN_GIVEN), r.choice(ROMAN_SUR)
        return r.choice((f"{given}{r.randrange(70, 100)}", f"{sur}.{given}", f"{given}_{sur}",
                         f"{given[0]}{sur}{r.randrange(1, 999)}", f"{sur}{given}"))

    def _email(self, writing, shape, bank) -> Written:
        r = self.r
        work = writing == "work"
        local = self.email_address()
        domain = r.choice(WORK_DOMAINS if work else MAIL_DOMAINS)
        w = "plain" if work else self._choose(writing, shape, (("plain", 8), ("upper", 0.4), ("at_paren", 0.5),
                                                               ("at_hangul", 0.3)))
        if w == "masked":
            return Written("email", f"{local[:3]}{'*' * max(2, len(local) - 3)}@{domain}", "masked", True)
        text = {"plain": f"{local}@{domain}", "upper": f"{local}@{domain}".upper(),
                "at_paren": f"{local}(at){domain}", "at_hangul": f"{local}골뱅이{domain}"}[w]
        return Written("email", text, "work_plain" if work else w, False)

    def _driver_license(self, writing, shape, bank) -> Written:
        r = self.r
        region = r.randrange(11, 29)
        yy, serial, cd = f"{r.randrange(0, 100):02d}", self._digits(6), self._digits(2)
        w = self._choose(writing, shape, (("hyphen", 6), ("plain", 1.5), ("region_name", 2), ("spaced", 0.7)))
        names = ("서울", "부산", "경기", "강원", "충북", "충남", "전북", "전남", "경북", "경남", "제주", "대구",
                 "인천", "광주", "대전", "울산")
        text = {"hyphen": f"{region}-{yy}-{serial}-{cd}", "plain": f"{region}{yy}{serial}{cd}",
                "region_name": f"{r.choice(names)} {yy}-{serial}-{cd}", "spaced": f"{region} {yy} {serial} {cd}"}[w]
        return Written("driver_license", text, w, False)

    def _birth_date(self, writing, shape, bank) -> Written:
        r = self.r
        child = writing == "child"
        y, m, d = corpus.random_date(r, 2008, 2024) if child else corpus.random_date(r, 1936, 2007)
        w = self._choose(None if child else writing, shape,
                         (("iso", 2), ("dot", 3), ("korean", 2.5), ("korean_short", 0.7), ("short_dot", 1),
                          ("yymmdd", 1), ("slash", 0.7), ("compact", 0.8), ("dot_spaced", 0.6)))
        text = {"iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}",
                "korean": f"{y}년 {m}월 {d}일", "korean_short": f"{y % 100:02d}년 {m}월 {d}일",
                "short_dot": f"{y % 100:02d}.{m:02d}.{d:02d}", "yymmdd": f"{y % 100:02d}{m:02d}{d:02d}",
                "slash": f"{y}/{m:02d}/{d:02d}", "compact": f"{y}{m:02d}{d:02d}",
                "dot_spaced": f"{y}. {m}. {d}."}[w]
        return Written("birth_date", text, w, False)

    def _passport(self, writing, shape, bank) -> Written:
        r = self.r
        letter = r.choice("MMMMSRGD")
        if writing == "old" or (writing is None and r.random() < 0.45):
            return Written("passport", f"{letter}{self._digits(8)}", "old_format", False)
        return Written("passport", f"{letter}{self._digits(3)}{r.choice('ABCDEFGHJK')}{self._digits(4)}",
                       "current_format", False)


# --------------------------------------------------------------------------- look-alikes

def _acct(r: random.Random, bank: str) -> str:
    return "-".join(Values(r).account(bank))


def _date(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2025, 2027)
    return r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}", f"{y}.{m}.{d}", f"{m}월 {d}일",
                     f"{y}년 {m}월 {d}일", f"{y % 100}.{m:02d}.{d:02d}"))


def _digits(r: random.Random, n: int) -> str:
    return corpus.random_digits(r, n)


def _isbn(r: random.Random) -> str:
    body = "97911" + _digits(r, 7)
    ds = body + str(corpus.isbn_check([int(c) for c in body]))
    return f"{ds[:3]}-{ds[3:5]}-{ds[5:9]}-{ds[9:12]}-{ds[12]}"


def _amount(r: random.Random) -> str:
    n = r.randrange(5, 5000) * r.choice((100, 1000, 10))
    return r.choice((f"{n:,}원", f"{n:,}", f"₩{n:,}", f"{n // 10000}만 원" if n >= 10000 else f"{n:,}원"))


# Negative categories: how each look-alike is written. Cues stand in the templates around them.
NEGATIVES = {
    "order_no": lambda r: r.choice((f"2026{_digits(r, 4)}-{_digits(r, 7)}", f"ORD{_digits(r, 12)}",
                                    f"{_digits(r, 16)}")),
    "tracking_no": lambda r: r.choice((f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}", _digits(r, 12),
                                       _digits(r, 13))),
    "invoice_no": lambda r: f"INV-2026-{_digits(r, 5)}",
    "reservation_no": lambda r: r.choice((f"R{_digits(r, 9)}", _digits(r, 10), f"BK-{_digits(r, 6)}")),
    "card_approval": lambda r: _digits(r, 8),
    "model_no": lambda r: r.choice((f"SM-S{_digits(r, 3)}N", f"KX-{_digits(r, 4)}A", f"DL{_digits(r, 2)}-{_digits(r, 3)}",
                                    f"TY-{_digits(r, 3)}H")),
    "serial_no": lambda r: r.choice((f"SN{_digits(r, 10)}", f"R5{_digits(r, 2)}N{_digits(r, 5)}KQ",
                                     f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 2)}")),
    "postcode": lambda r: f"{r.randrange(1, 64):02d}{_digits(r, 3)}",
    "amount": _amount,
    "event_date": _date,
    "clock_time": lambda r: r.choice((r.choice(TIMES), "~".join(sorted(r.sample(TIMES, 2))))),
    "office_main_line": lambda r: f"{r.choice(('02', '031', '051', '063', '033'))}-{r.randrange(2, 10)}{_digits(r, 2)}-{r.choice(('0000', '1000', '2000', '5000', '0114'))}",
    "call_centre": lambda r: f"{r.choice(('1588', '1577', '1644', '1661', '1899', '1600', '1566'))}-{_digits(r, 4)}",
    "store_main_line": lambda r: f"{r.choice(('031', '033', '041', '055', '063'))}-{r.randrange(2, 10)}{_digits(r, 2)}-{_digits(r, 4)}",
    "extension": lambda r: _digits(r, r.choice((3, 4))),
    "org_fax": lambda r: f"{r.choice(('02', '031', '042', '051'))}-{r.randrange(2, 10)}{_digits(r, 3)}-{_digits(r, 4)}",
    "company_account": lambda r: _acct(r, r.choice(("IBK기업", "신한", "국민", "우리"))),
    "union_account": lambda r: _acct(r, r.choice(("농협", "신한", "새마을금고"))),
    "church_account": lambda r: _acct(r, r.choice(("농협", "국민", "우체국"))),
    "foundation_account": lambda r: _acct(r, r.choice(("하나", "우리", "IBK기업"))),
    "virtual_account": lambda r: r.choice((f"{_digits(r, 14)}", f"5621-{_digits(r, 4)}-{_digits(r, 6)}",
                                           f"{r.randrange(100, 999)}-{_digits(r, 6)}-{_digits(r, 5)}")),
    "shared_mailbox": lambda r: f"{r.choice(('help', 'info', 'tax', 'recruit', 'support', 'admin', 'contact'))}@{r.choice(WORK_DOMAINS)}",
    "corporation_registration": lambda r: f"{r.choice(('110111', '134811', '160111', '284211', '131111'))}-{_digits(r, 7)}",
    "case_no": lambda r: r.choice((f"2026고단{_digits(r, 4)}", f"2026-형제-{_digits(r, 5)}", f"2025가소{_digits(r, 6)}")),
    "ticket_no": lambda r: r.choice((f"T{_digits(r, 10)}", f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}")),
    "barcode": lambda r: "880" + _digits(r, 10),
    "isbn": _isbn,
    "imei": lambda r: f"35{_digits(r, 13)}",
    "coupon_code": lambda r: "-".join("".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(4))
                                      for _ in range(3)),
    "gift_pin": lambda r: f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}",
    "tax_invoice_approval": lambda r: f"2026{_digits(r, 4)}-{r.choice(('10', '41', '42'))}{_digits(r, 6)}-{_digits(r, 8)}",
    "land_parcel": lambda r: r.choice((f"{r.randrange(1, 999)}-{r.randrange(1, 60)}번지", f"산{r.randrange(1, 300)}-{r.randrange(1, 20)}")),
    "version_no": lambda r: f"v{r.randrange(1, 9)}.{r.randrange(0, 30)}.{r.randrange(0, 10)}",
    "product_code": lambda r: f"{r.choice(('SKU', 'WN', 'PD'))}-{_digits(r, 6)}{r.choice(('', '-BK', '-02'))}",
    "lot_no": lambda r: f"LOT{_digits(r, 2)}{r.choice('ABC')}{_digits(r, 4)}-{_digits(r, 2)}",
    "meter_no": lambda r: f"{_digits(r, 2)}-{_digits(r, 6)}",
    "policy_no": lambda r: r.choice((f"L{_digits(r, 12)}", f"{_digits(r, 4)}-{_digits(r, 6)}-{_digits(r, 3)}")),
    "application_no": lambda r: r.choice((f"2026-{_digits(r, 7)}", f"제{_digits(r, 6)}호", f"A{_digits(r, 9)}")),
    "course_code": lambda r: f"{r.choice(('CC', 'CL', 'GA'))}-26{r.choice(('W', 'S', 'F'))}-{_digits(r, 3)}",
    "unit_no": lambda r: f"{r.randrange(101, 115)}동 {r.randrange(1, 30)}{r.randrange(1, 5):02d}호",
    "room_no": lambda r: f"{r.choice('ABC')}동 {r.randrange(1, 6)}{r.randrange(1, 30):02d}호",
    "locker_no": lambda r: f"{r.choice('ABCDEF')}-{r.randrange(1, 300)}",
    "seat_no": lambda r: f"{r.randrange(1, 120)}번",
    "percentage": lambda r: f"{r.randrange(1, 100)}.{r.randrange(0, 10)}%",
    "quantity": lambda r: r.choice((f"{r.randrange(2, 80)}kg", f"{r.randrange(2, 40)}군", f"{r.randrange(1, 30)}박스",
                                    f"{r.randrange(10, 200)}통")),
    "flight_no": lambda r: f"{r.choice(('KE', 'OZ', '7C', 'LJ', 'TW', 'ZE'))}{r.randrange(100, 1000)}",
    "otp_code": lambda r: _digits(r, 6),
    "document_no": lambda r: r.choice((f"제2026-{_digits(r, 4)}호", f"{r.choice(('인사', '총무', '복지'))}팀-{_digits(r, 4)}")),
    "ip_address": lambda r: f"{r.choice(('203.0.113', '198.51.100', '192.168.0'))}.{r.randrange(2, 255)}",
    "bus_route": lambda r: r.choice((f"{r.randrange(1, 12)}-{r.randrange(1, 4)}호차", f"M{_digits(r, 4)}", f"{r.randrange(100, 999)}번")),
    "business_hours": lambda r: r.choice(("09:00-18:00", "10:00~19:00", "11:00-22:00", "06:00~23:00")),
    "period": lambda r: f"2026.{r.randrange(1, 7):02d}.01 ~ 2026.{r.randrange(7, 13):02d}.{r.choice(('30', '31', '15'))}",
    "booth_no": lambda r: f"{r.choice('ABCDEH')}-{r.randrange(1, 80):02d}",
    "cattle_id": lambda r: f"002 {_digits(r, 4)} {_digits(r, 4)} {_digits(r, 1)}",
    "farm_id": lambda r: _digits(r, 6),
    "animal_registration": lambda r: f"410{_digits(r, 12)}",
    "episode_no": lambda r: f"EP.{r.randrange(1, 400)}",
    "call_number": lambda r: f"{r.randrange(100, 999)}.{r.randrange(1, 9)}-{r.choice(SURNAMES)}{r.randrange(11, 99)}ㅅ",
    "score": lambda r: str(r.randrange(110, 260)),
    "transaction_id": lambda r: f"TX{_digits(r, 14)}",
    "vat_refund_no": lambda r: f"GTF{_digits(r, 11)}",
    "stall_no": lambda r: f"{r.choice(('가', '나', '다'))}-{r.randrange(1, 150)}",
    "pass_serial": lambda r: f"SP26-{_digits(r, 6)}",
}


# --------------------------------------------------------------------------- genres

@dataclass(frozen=True)
class Genre:
    name: str
    titles: tuple
    fields: tuple        # "한국어 라벨|key|slot"
    shapes: tuple        # generic shapes this genre is written in
    texts: tuple = ()    # hand-written documents: (shape, template)
    notes: tuple = ()    # lines without numbers


def _g(name, titles, fields, shapes, texts=(), notes=()):
    return Genre(name, tuple(titles), tuple(fields), tuple(shapes.split()), tuple(texts), tuple(notes))


GENRES_DEF = (
    _g("fitness_room_signup", ("○○아파트 커뮤니티센터 피트니스룸 이용 신청서", "주민 운동시설 이용 등록"),
       ("성명|name|{name}", "동·호수|unit|{#unit_no}", "휴대전화|mobile|{PHONE}", "생년월일|birth|{BIRTH}",
        "이용료 결제 카드|card|{CARD}", "사물함 번호|locker|{#locker_no}",
        "관리사무소|office_tel|{#office_main_line}", "이용 시작일|start_date|{#event_date}"),
       "form kv table ocr",
       (("chat", "[커뮤니티센터 단톡]\n{name} 입주민: 헬스장 등록하려는데 {#unit_no}이에요\n관리실: 네 성함이랑 휴대폰 번호 남겨주세요\n"
                 "{name} 입주민: {name} {PHONE} 입니다. 이용료는 관리비에 합산해 주세요\n관리실: 사물함은 {#locker_no} 배정됐습니다. "
                 "문의는 관리사무소 {#office_main_line} 로 주세요"),),
       ("※ 운동복과 실내 운동화를 착용해 주세요.", "※ 이용료는 매월 관리비와 함께 부과됩니다.")),
    _g("culture_class", ("2026 겨울학기 문화센터 강좌 수강신청서", "백화점 문화센터 수강 접수"),
       ("수강생|student|{name}", "생년월일|birth|{BIRTH:child}", "보호자|guardian|{name}",
        "보호자 연락처|guardian_phone|{PHONE}", "강좌코드|course|{#course_code}", "수강료|fee|{#amount}",
        "결제 카드|card|{CARD}", "카드 승인번호|approval|{#card_approval}", "상품권 PIN(일부 결제)|gift_pin|{#gift_pin}"),
       "form table english",
       (("sms", "[Web발신]\n[○○문화센터] {name}님 '어린이 클레이' 강좌({#course_code}) 접수 완료. 결제 {#amount} "
                "카드 {CARD*} 승인 {#card_approval}. 문의 {#call_centre}"),
        ("email", "제목: 수강 신청 확인 부탁드립니다\n\n안녕하세요, {name}입니다.\n아이 이름은 {name}이고 생년월일은 {BIRTH:child} 입니다.\n"
                  "토요일 오전 반({#course_code}) 신청하고 싶어요. 제 연락처는 {PHONE}, 메일은 {EMAIL} 입니다.\n감사합니다.")),
       ("※ 개강 1주 전까지 전액 환불됩니다.",)),
    _g("senior_lunch", ("경로식당 무료급식 이용 신청서", "어르신 점심 도시락 지원 대상자 등록"),
       ("어르신 성함|name|{name}", "주민등록번호|rrn|{RRN}", "주소|address|{place} (우 {#postcode})",
        "보호자 휴대폰|guardian_phone|{PHONE}", "복지관 대표전화|center_tel|{#office_main_line}",
        "이용 시작일|start|{#event_date}", "후원금 계좌|donation_account|농협 {#foundation_account}"),
       "form table fullwidth ocr",
       (("note", "[상담일지] {#event_date} 방문 상담.\n{name} 어르신(주민번호 {RRN}) 거동 불편으로 도시락 배달 희망하심.\n"
                 "따님 {name}님 휴대폰 {PHONE} 로 배달 시간 안내함. 복지관 대표번호 {#office_main_line} 안내해 드림."),),
       ("※ 식권은 매주 월요일에 배부합니다.",)),
    _g("home_nursing", ("방문간호 주간 일정표", "재가 방문간호 대상자 명단"),
       ("대상자|patient|{name}", "생년월일|birth|{BIRTH}", "연락처|phone|{PHONE}", "방문일|visit|{#event_date}",
        "방문시간|time|{#clock_time}",         "센터 대표번호|center_tel|{#office_main_line}"),
       "table form kv",
       (("note", "방문 메모 {#event_date} {#clock_time}\n{name} 님 혈압 측정, 욕창 드레싱. 보호자 아드님 {PHONE} 통화함.\n"
                 "다음 방문 때 처방전 필요. 담당 간호사 직통 {PHONE:direct}, 야간엔 센터 {#office_main_line} (내선 {#extension})."),)),
    _g("meal_volunteer", ("사랑의 도시락 배달 봉사자 명단", "반찬 나눔 봉사 신청자"),
       ("봉사자|volunteer|{name}", "운전면허번호(배달 차량)|license|{DL}", "휴대폰|mobile|{PHONE}", "이메일|email|{EMAIL}", "생년월일|birth|{BIRTH}",
        "배달 차량|car_model|{#model_no}", "봉사 시간|time|{#clock_time}"),
       "table kv json",
       (("chat", "[도시락 봉사 단톡방]\n팀장: 이번 주 목요일 {#clock_time} 출발입니다\n{name}: 저 참석해요! 새로 오신 분 번호 공유드려요 {PHONE}\n"
                 "{name}: 봉사시간 인증 메일 {EMAIL} 로 보내주세요\n팀장: 센터 문의는 {#office_main_line}"),)),
    _g("activity_support_timesheet", ("장애인활동지원사 월 근무 기록지", "활동지원 급여 지급 내역"),
       ("활동지원사|worker|{name}", "주민(외국인)등록번호|rrn|{RRN/FRN}", "급여 계좌|pay_account|{ACCT}",
        "연락처|phone|{PHONE}", "이메일|email|{EMAIL}", "바우처 승인번호|voucher_approval|{#card_approval}",
        "근무시간|hours|{#clock_time}", "지급액|pay|{#amount}"),
       "form kv ocr table",
       (("sms", "[활동지원기관] {name} 선생님 {#event_date} 급여 {#amount} 가 {ACCT*} 로 입금되었습니다. 문의 {#office_main_line}"),)),
    _g("braille_library", ("점자도서관 도서 대출·우편 발송 신청", "녹음도서 대출 신청서"),
       ("회원|member|{name}", "연락처|phone|{PHONE}", "이메일|email|{EMAIL}", "도서 ISBN|isbn|{#isbn}",
        "청구기호|call_no|{#call_number}", "우편 발송 등기번호|registered_mail|{#tracking_no}", "반납 예정일|due|{#event_date}", "우편번호|zip|{#postcode}"),
       "form json english",
       (("call", "[전화 접수 메모] {name} 회원님 요청. '소년이 온다' 점자책 ISBN {#isbn} 우편 대출 원하심.\n"
                 "회신 번호 {PHONE}, 데이지 파일은 메일 {EMAIL} 로 보내드리기로 함. 반납일 {#event_date}."),)),
    _g("sign_interpreter", ("수어통역 지원 신청서", "영상·방문 수어통역 예약"),
       ("신청인|applicant|{name}", "휴대폰(문자 전용)|sms|{PHONE}", "이메일|email|{EMAIL}",
        "예약번호|booking|{#reservation_no}", "통역 일시|when|{#event_date} {#clock_time}",
        "센터 대표번호|center_tel|{#office_main_line}", "센터 팩스|center_fax|{#org_fax}"),
       "form kv english",
       (("sms", "[수어통역센터] {name}님 {#event_date} 병원 동행 통역 예약({#reservation_no}) 확정. 통역사 연락처 {PHONE}. "
                "변경은 문자 {PHONE} 또는 팩스 {#org_fax}"),)),
    _g("mobility_taxi", ("교통약자 특별교통수단 이용 예약", "장애인 콜택시 이용자 등록 신청"),
       ("이용자|rider|{name}", "생년월일|birth|{BIRTH}", "휴대폰|mobile|{PHONE}", "복지카드(결제)|card|{CARD}",
        "예약번호|booking|{#reservation_no}", "출발지 우편번호|zip|{#postcode}", "콜센터|call_center|{#call_centre}"),
       "form kv table",
       (("chat", "상담원: 교통약자이동지원센터입니다. 예약 도와드릴게요.\n고객: {#event_date} {#clock_time}에 병원 가야 해요. "
                 "제 이름은 {name}, 생년월일 {BIRTH}요.\n상담원: 연락받으실 번호 불러주세요.\n고객: {PHONE:hangul}이요.\n"
                 "상담원: 예약번호는 {#reservation_no} 입니다. 취소는 {#call_centre} 로 해 주세요."),)),
    _g("prison_visit", ("수용자 접견 신청서", "교정시설 스마트접견 예약"),
       ("신청인|applicant|{name}", "주민등록번호(외국인등록번호)|rrn|{RRN/FRN}", "휴대전화|mobile|{PHONE}", "관계|relation|{relation}",
        "접견 예약번호|booking|{#reservation_no}", "접견 일시|when|{#event_date} {#clock_time}",
        "민원실|office|{#office_main_line}"),
       "form english ocr",
       (("sms", "[법무부] 인증번호 [{#otp_code}] 타인에게 알리지 마세요.\n[법무부] {name}님 {#event_date} 스마트접견 예약({#reservation_no}) 완료. 신분증 지참. 본인 휴대폰 {PHONE*} 로 접속하세요."),)),
    _g("victim_support", ("범죄피해자 지원 상담 접수서", "피해자 긴급생계비 지원 신청"),
       ("피해자|victim|{name}", "생년월일|birth|{BIRTH}", "외국인등록번호(해당 시)|arc|{FRN}", "연락처|phone|{PHONE}", "안전한 연락처(지인)|safe_contact|{PHONE:safe}",
        "이메일|email|{EMAIL}", "지원금 입금 계좌|account|{ACCT}", "사건번호|case|{#case_no}"),
       "form kv english",
       (("note", "[초기 상담] {#event_date}\n피해자 {name}(생 {BIRTH}) 경찰 연계로 내방. 사건번호 {#case_no}.\n"
                 "본인 휴대폰은 가해자가 알고 있어 안심번호 {PHONE:safe} 로만 연락 희망. 생계비는 {ACCT} 로 지급 예정."),)),
    _g("military_family", ("국군 장병 가족 지원 안내문", "부모님께 드리는 부대 소개 편지"),
       ("장병|soldier|{name}", "부모 연락처|parent_phone|{PHONE}", "부모 이메일|parent_email|{EMAIL}",
        "부대 대표번호|unit_tel|{#office_main_line}", "행정반 내선|ext|{#extension}"),
       "form",
       (("letter", "{name} 이병 부모님께\n\n안녕하십니까. 저는 {name} 이병이 속한 중대의 중대장 {name} 대위입니다.\n"
                   "아드님은 {#event_date} 자대에 전입하여 잘 적응하고 있습니다. 궁금하신 점은 제 휴대폰 {PHONE} "
                   "또는 메일 {EMAIL} 로 연락 주십시오.\n부대 대표번호는 {#office_main_line}, 행정반은 내선 {#extension} 입니다.\n"
                   "가족분들께서 남겨주신 연락처 {PHONE} 로 면회 안내 문자를 드리겠습니다."),)),
    _g("civil_exam_application", ("2026년도 지방공무원 임용시험 원서 접수", "국가직 9급 응시원서"),
       ("응시자|name|{name}", "주민등록번호|rrn|{RRN}", "휴대전화|mobile|{PHONE}", "이메일|email|{EMAIL}",
        "접수번호|receipt|{#application_no}", "응시료|fee|{#amount}", "결제 카드|card|{CARD}", "시험일|exam_date|{#event_date}"),
       "form kv json ocr",
       (("email", "보낸사람: {#shared_mailbox}\n받는사람: {EMAIL}\n제목: 응시원서 접수 완료 안내\n\n{name} 님, 원서 접수가 완료되었습니다.\n"
                  "접수번호 {#application_no} / 응시료 {#amount} (카드 {CARD*})\n등록하신 휴대전화 {PHONE*} 로 시험장 안내를 보내드립니다."),)),
    _g("public_job_application", ("한국○○공사 신입사원 입사지원서", "공공기관 블라인드 채용 지원서"),
       ("성명|name|{name}", "생년월일|birth_date|{BIRTH}", "휴대폰|mobile|{PHONE}", "이메일|email|{EMAIL}",
        "지원번호|application|{#application_no}", "자격증 번호(운전면허)|license|{DL}",
        "채용 문의|contact|{#shared_mailbox}"),
       "english json form",
       ()),
    _g("internship_certificate", ("인턴십 수료증명서 발급 요청", "현장실습 확인서"),
       ("성명|name|{name}", "생년월일|birth|{BIRTH}", "연락처|phone|{PHONE}", "기관 사업자등록번호|org_brn|{BRN}",
        "문서번호|doc_no|{#document_no}", "실습 기간|period|{#period}", "발급 문의|contact|{#shared_mailbox}"),
       "form english fullwidth",
       (("email", "제목: 인턴 수료증 재발급 요청\n\n인사팀 담당자님께,\n작년 하계 인턴 {name}입니다. 생년월일 {BIRTH}, 실습기간 {#period} 였습니다.\n"
                  "대학 제출용으로 사업자등록번호({BRN})가 기재된 증명서가 필요합니다.\n회신은 {EMAIL} 또는 {PHONE} 로 부탁드립니다."),)),
    _g("reference_check", ("평판조회 통화 기록", "레퍼런스 체크 메모"),
       ("후보자|candidate|{name}", "추천인|referee|{name}", "추천인 휴대폰|referee_mobile|{PHONE}",
        "추천인 직통|referee_direct|{PHONE:direct}", "추천인 회사메일|referee_email|{EMAIL:work}"),
       "form kv",
       (("note", "[평판조회] 후보자 {name} / 추천인 {name} 팀장(전 직장 상사)\n{#event_date} {#clock_time} 직통 {PHONE:direct} 로 통화, "
                 "부재중이라 휴대폰 {PHONE} 로 재통화.\n리더십 좋음, 마감 관리 우수. 추가 질문은 {EMAIL:work} 로 보내기로 함.\n"
                 "회사 대표번호 {#office_main_line} 는 연결 안 됨."),)),
    _g("headhunter_sheet", ("후보자 롱리스트", "서치펌 후보자 시트"),
       ("후보자|candidate|{name}", "생년|birth|{BIRTH}", "휴대폰|mobile|{PHONE}", "이메일|email|{EMAIL}",
        "현 연봉|salary|{#amount}", "희망 연봉|expected|{#amount}"),
       "table json",
       (("email", "제목: [포지션 제안] 데이터 엔지니어 후보 추천\n\n상무님, 요청하신 후보 공유드립니다.\n1) {name} (생년월일 {BIRTH}) 연락처 {PHONE} / {EMAIL}\n"
                  "2) {name} 연락처 {PHONE} / {EMAIL}\n현 연봉은 각각 {#amount}, {#amount} 수준입니다.\n수수료 세금계산서는 저희 사업자번호 {BRN} 로 발행하겠습니다."),)),
    _g("onboarding_checklist", ("신규 입사자 온보딩 체크리스트", "입사 서류 제출 확인"),
       ("성명|name|{name}", "주민등록번호/외국인등록번호|resident_no|{RRN/FRN}", "급여 계좌|salary_account|{ACCT}",
        "비상연락처|emergency|{PHONE}", "사내 메일|work_email|{EMAIL:work}", "노트북 시리얼|laptop_serial|{#serial_no}",
        "노트북 모델|laptop_model|{#model_no}", "입사일|join_date|{#event_date}"),
       "kv json form",
       (("chat", "[인사팀 DM]\n인사: {name}님 입사 서류 중에 통장 사본이 빠졌어요\n{name}: 아 계좌번호 {ACCT} 이에요! 사본은 내일 드릴게요\n"
                 "인사: 넵. 비상연락처도 부탁드려요\n{name}: 어머니 번호 {PHONE} 입니다\n인사: 노트북 {#serial_no} 지급했습니다"),)),
    _g("pension_transfer", ("퇴직연금(IRP) 계좌 이전 신청서", "개인형퇴직연금 이전 요청"),
       ("가입자|name|{name}", "주민등록번호/외국인등록번호|rrn|{RRN/FRN}", "이전받을 IRP 계좌|irp_account|{ACCT}", "연락처|phone|{PHONE}",
        "사용자(회사) 사업자등록번호|employer_brn|{BRN}", "회사 대표번호|employer_tel|{#office_main_line}",
        "증권번호|policy|{#policy_no}"),
       "form kv ocr",
       (("call", "[콜 요약] 가입자 {name} 본인 통화. 주민번호 {RRN*} 확인.\nDC 적립금을 IRP {ACCT} 로 이전 요청. 전 직장 사업자번호 {BRN}.\n"
                 "이전 완료 문자는 {PHONE} 로 발송. 고객센터 {#call_centre}."),)),
    _g("severance_settlement", ("퇴직금 정산 내역서", "퇴직 정산 확인서"),
       ("회사명|company|{company}", "성명|name|{name}", "주민등록번호(외국인등록번호)|rrn|{RRN/FRN}", "입금 계좌|account|{ACCT}", "회사 사업자등록번호|company_brn|{BRN}",
        "법인등록번호|corp_no|{#corporation_registration}", "재직 기간|period|{#period}", "퇴직금|severance|{#amount}"),
       "form fullwidth english", ()),
    _g("union_dues", ("조합비 자동이체(CMS) 동의서", "노동조합 가입원서"),
       ("조합원|member|{name}", "외국인등록번호(이주노동자)|arc|{FRN}", "생년월일|birth|{BIRTH}", "휴대폰|mobile|{PHONE}", "출금 계좌|debit_account|{ACCT}",
        "조합비 입금 계좌(노조)|union_account|{#union_account}", "노조 사무실|union_tel|{#office_main_line}",
        "월 조합비|dues|{#amount}"),
       "form kv table", ()),
    _g("company_dormitory", ("사내 기숙사 배정 명단", "생산직 기숙사 입실 현황"),
       ("성명|name|{name}", "외국인등록번호|arc|{FRN}", "국적|nationality|{nation}", "연락처|phone|{PHONE}",
        "호실|room|{#room_no}", "호실 전기계량기|meter|{#meter_no}", "입실일|move_in|{#event_date}"),
       "table kv english",
       (("notice", "[기숙사 공지] {#event_date}\n{#room_no} 입실자: {name} (외국인등록번호 {FRN}), 연락처 {PHONE}.\n"
                   "{#room_no} 입실자: {name} (외국인등록번호 {FRN*}).\n고장 신고는 총무팀 {#office_main_line} 내선 {#extension}."),)),
    _g("commuter_bus", ("통근버스 탑승 신청", "셔틀버스 정기 이용 등록"),
       ("성명|name|{name}", "주민등록번호(외국인등록번호)|rrn|{RRN/FRN}", "휴대폰|mobile|{PHONE}", "사내메일|email|{EMAIL:work}", "노선|route|{#bus_route}",
        "탑승 시간|time|{#clock_time}"),
       "table form json", ()),
    _g("corporate_card_expense", ("법인카드 사용 내역 정산서", "경비 정산 요청"),
       ("사용자|user|{name}", "법인카드|card|{CARD}", "사용일|date|{#event_date}", "가맹점 사업자번호|merchant_brn|{BRN}",
        "금액|amount|{#amount}", "승인번호|approval|{#card_approval}"),
       "table form kv",
       (("email", "제목: 11월 법인카드 정산 건\n\n재무팀 담당자님, {name}입니다.\n{#event_date} 거래처 미팅 식대 {#amount} (승인번호 {#card_approval}) "
                  "영수증 첨부합니다. 카드번호는 {CARD*} 이고, 가맹점 사업자등록번호 {BRN} 입니다.\n개인카드로 결제한 건은 {ACCT} 로 환급 부탁드립니다."),)),
    _g("business_trip_claim", ("해외 출장 여비 청구서", "국외출장 신청 및 정산"),
       ("출장자|traveller|{name}", "여권번호|passport|{PASS}", "국제운전면허 발급용 면허번호|license|{DL}", "생년월일|birth|{BIRTH}", "항공편|flight|{#flight_no}",
        "연락처(현지 로밍)|phone|{PHONE}", "여비 입금 계좌|account|{ACCT}", "일비|per_diem|{#amount}"),
       "form english kv",
       (("chat", "[출장팀 단톡]\n{name}: 항공권 발권하려면 여권번호 필요하대요. 제 건 {PASS} 입니다\n{name}: 저는 {PASS}요. 영문이름 {roman}\n"
                 "총무: 편명 {#flight_no} 로 예약했습니다. 현지에서 급하면 {PHONE} 로 연락 주세요"),)),
    _g("year_end_dependants", ("연말정산 부양가족 공제 신고서", "소득·세액공제 신고서 (인적공제)"),
       ("관계|relation|{relation}", "성명|name|{name}", "주민등록번호(외국인등록번호)|rrn|{RRN:child/FRN}"),
       "table",
       (("chat", "[회사 메신저]\n{name}: 연말정산 부양가족 추가하려고요. 둘째가 올해 태어났어요\n인사: 축하드려요! 주민번호 보내주세요\n"
                 "{name}: {RRN:child} 이고 첫째는 {RRN:child} 입니다\n인사: 배우자분은요?\n{name}: 배우자 {RRN} 요. 소득 없어요"),)),
    _g("medical_expense_receipt", ("의료비 납입 확인서", "진료비 계산서·영수증"),
       ("환자 성명|patient|{name}", "주민등록번호(외국인등록번호)|rrn|{RRN/FRN}", "요양기관 사업자등록번호|clinic_brn|{BRN}",
        "영수증 번호|receipt|{#document_no}", "진료 기간|period|{#period}", "본인부담금|copay|{#amount}",
        "카드|card|{CARD*}"),
       "form ocr fullwidth", ()),
    _g("donation_receipt", ("기부금 영수증", "연말정산용 기부금 납입 확인"),
       ("기부자|donor|{name}", "주민등록번호(외국인등록번호)|rrn|{RRN/FRN}", "정기후원 카드|card|{CARD}", "주소|address|{place} ({#postcode})",
        "기부처 후원 계좌|charity_account|{#foundation_account}", "기부금액|amount|{#amount}", "일련번호|serial|{#document_no}"),
       "form ocr english",
       (("email", "제목: 기부금 영수증 발급 요청\n\n안녕하세요. 정기후원자 {name}입니다.\n연말정산용 영수증 발급 부탁드립니다. 주민등록번호 {RRN}, "
                  "후원은 {ACCT} 에서 매달 빠져나갑니다.\n재단 후원 계좌 {#foundation_account} 로 추가 후원도 했어요. 회신은 {EMAIL}."),
        ("letter", "○○교회 헌금 기부금 영수증 신청\n교인 {name} 집사 (주민번호 {RRN})\n교회 계좌 {#church_account} 로 연간 {#amount} 헌금함.\n연락처 {PHONE}"))),
    _g("cash_receipt_request", ("현금영수증 발급 요청", "지출증빙 현금영수증 신청"),
       ("휴대폰번호|phone|{PHONE}", "사업자번호(지출증빙)|brn|{BRN}", "주문번호|order|{#order_no}",
        "결제금액|amount|{#amount}", "매장 전화|store_tel|{#store_main_line}"),
       "form kv",
       (("chat", "고객: 계좌이체로 {#amount} 보냈는데 현금영수증 돼요?\n판매자: 네 번호 알려주세요\n고객: 소득공제용으로 {PHONE} 요\n"
                 "고객: 아 회사 경비라 지출증빙으로 바꿔주세요 사업자번호 {BRN}\n판매자: 주문번호 {#order_no} 로 발급했어요. 매장 번호는 {#store_main_line}"),)),
    _g("tax_invoice_correction", ("수정세금계산서 발행 요청", "전자세금계산서 오류 정정"),
       ("공급자 등록번호|supplier_brn|{BRN}", "공급받는자 등록번호|buyer_brn|{BRN}", "승인번호|nts_approval|{#tax_invoice_approval}", "인보이스|invoice|{#invoice_no}",
        "담당자 이메일|manager_email|{EMAIL:work}", "담당자 직통|manager_direct|{PHONE:direct}", "공급가액|supply|{#amount}",
        "세무 대표메일|tax_mailbox|{#shared_mailbox}"),
       "form kv json",
       (("email", "보낸사람: {name} <{EMAIL:work}>\n받는사람: {#shared_mailbox}\n제목: 11월분 세금계산서 수정 요청\n\n"
                  "승인번호 {#tax_invoice_approval} 건 공급받는자 사업자등록번호가 {BRN} 로 잘못 기재되었습니다.\n"
                  "정확한 번호는 {BRN} 입니다. 수정 발행 후 제 직통 {PHONE:direct} 로 알려주세요.\n회사 대표번호 {#office_main_line}, 팩스 {#org_fax}"),)),
    _g("tourist_tax_refund", ("TAX FREE 환급 신청서 / Tax Refund Form", "사후면세 환급 전표"),
       ("성명 Name|name|{roman}", "여권번호 Passport No.|passport|{PASS}", "국적 Nationality|nationality|{nation}",
        "생년월일 Date of Birth|dob|{BIRTH}", "환급 카드 Refund Card|card|{CARD}", "이메일 E-mail|email|{EMAIL}",
        "전표번호 Refund No.|refund_no|{#vat_refund_no}", "구매금액 Amount|amount|{#amount}"),
       "english json kv", ()),
    _g("small_business_loan", ("소상공인 정책자금 융자 신청서", "긴급경영안정자금 신청"),
       ("대표자|owner|{name}", "주민등록번호(외국인등록번호)|rrn|{RRN/FRN}", "사업자등록번호|brn|{BRN}", "휴대폰|mobile|{PHONE}",
        "이메일|email|{EMAIL}", "사업장 전화|shop_tel|{#store_main_line}", "신청 금액|amount|{#amount}",
        "대출금 입금 계좌|account|{ACCT}"),
       "form kv ocr fullwidth", ()),
    _g("market_stall_vendor", ("전통시장 노점 상인 실명제 등록", "야시장 판매대 운영자 신청"),
       ("상인|vendor|{name}", "생년월일|birth|{BIRTH}", "운전면허번호(신분 확인)|license|{DL}", "휴대폰|mobile|{PHONE}", "사업자등록번호|brn|{BRN}",
        "판매대 번호|stall|{#stall_no}", "영업시간|hours|{#business_hours}", "사용료 납부 가상계좌|virtual_account|{#virtual_account}",
        "상인회 사무실|office|{#office_main_line}"),
       "form table", ()),
    _g("surf_school", ("서핑스쿨 강습 예약자 명단", "바다 체험 강습 신청"),
       ("이름|name|{name}", "생년월일|birth|{BIRTH}", "휴대폰|mobile|{PHONE}", "결제 카드|card|{CARD}",
        "예약번호|booking|{#reservation_no}", "보드 렌탈|board|{#locker_no}"),
       "table chatlist",
       (("sms", "[바다서핑] {name}님 {#event_date} {#clock_time} 입문 강습 예약({#reservation_no}) 확정. 입금은 사장님 계좌 {ACCT} "
                "(예금주 {name}). 당일 연락 {PHONE}"),)),
    _g("ski_season_pass", ("2026/27 시즌권 신청서", "스키장 시즌권 등록"),
       ("성명|name|{name}", "생년월일|birth|{BIRTH}", "휴대폰|mobile|{PHONE}", "이메일|email|{EMAIL}",
        "결제 카드|card|{CARD}", "시즌권 일련번호|pass_serial|{#pass_serial}", "쿠폰 코드|coupon|{#coupon_code}"),
       "form json english", ()),
    _g("escape_room", ("방탈출 예약 확인", "테마 예약 안내"),
       ("예약자|name|{name}", "연락처|phone|{PHONE}", "결제 카드|card|{CARD}", "예약번호|booking|{#reservation_no}", "인원|people|{#quantity}",
        "금액|price|{#amount}", "PG 거래ID|pg_tid|{#transaction_id}", "매장 번호|store|{#store_main_line}"),
       "kv",
       (("sms", "[Web발신]\n[○○이스케이프 강남점] {name}님 {#event_date} {#clock_time} '미궁' 테마 예약 완료\n예약번호 {#reservation_no}\n"
                "변경·취소는 매장 {#store_main_line} (문자 불가)\n예약자 번호 {PHONE*}"),
        ("chat", "손님: 내일 7시 예약했는데 인원 추가돼요?\n매장: 예약자 성함이랑 번호요\n손님: {name} {PHONE}\n매장: 확인. 예약번호 {#reservation_no}, 잔금은 현장 결제"))),
    _g("karaoke_incident", ("노래연습장 기물 파손 사고 경위서", "코인노래방 사고 접수"),
       ("손님|customer|{name}", "연락처|phone|{PHONE}", "신분증(운전면허) 번호|id_license|{DL}", "업주 사업자등록번호|owner_brn|{BRN}",
        "배상금 입금 계좌(업주)|owner_account|{ACCT}", "마이크 모델|model|{#model_no}", "습득한 휴대폰 IMEI|found_imei|{#imei}", "수리비|repair|{#amount}"),
       "form",
       (("note", "경위서\n{#event_date} 23시경 3번 방 손님 {name}(연락처 {PHONE})이 마이크({#model_no})를 떨어뜨려 파손.\n"
                 "신분증은 운전면허 {DL} 로 확인.\n수리비 {#amount} 는 업주 {name} 개인 계좌 {ACCT} 로 받기로 함. 업소 사업자등록번호 {BRN}.\n매장 전화 {#store_main_line}"),)),
    _g("pc_bang_member", ("PC방 회원 가입", "PC방 분실물·회원 문의"),
       ("이름|name|{name}", "생년월일|birth|{BIRTH}", "휴대폰|phone|{PHONE}", "이메일|email|{EMAIL}",
        "좌석|seat|{#seat_no}", "접속 IP|ip|{#ip_address}", "런처 버전|client_version|{#version_no}"),
       "kv json",
       (("chat", "알바: 분실물 문의 주신 분 맞으시죠? {#seat_no} 자리 지갑이요\n손님: 네 회원 {name}이요 생일 {BIRTH}\n"
                 "알바: 회원정보 번호 {PHONE} 맞으세요?\n손님: 네. 신분증에 운전면허 {DL} 있어요"),)),
    _g("webnovel_payout", ("웹소설 작가 정산 정보 등록", "연재 작가 수익 정산 신청"),
       ("필명|pen_name|{roman}", "본명|name|{name}", "주민등록번호|rrn|{RRN}", "정산 계좌|account|{ACCT}",
        "사업자등록번호(개인사업자)|brn|{BRN}", "이메일|email|{EMAIL}", "작품 코드|work_code|{#product_code}", "플랫폼 수수료율|fee_rate|{#percentage}",
        "정산액|payout|{#amount}"),
       "form json kv",
       (("email", "제목: 11월 정산 문의\n\n담당 PD님, {roman} 작가({name})입니다.\n정산 계좌를 {ACCT} 로 변경해 주세요. 간이과세 사업자번호는 {BRN} 입니다.\n"
                  "작품 코드 {#product_code} 정산액이 {#amount} 로 나오는데 확인 부탁드려요. 연락은 {PHONE}."),)),
    _g("podcast_release", ("팟캐스트 출연 동의서", "게스트 출연 및 초상·음성 이용 동의"),
       ("출연자|guest|{name}", "생년월일|birth|{BIRTH}", "연락처|phone|{PHONE}", "이메일|email|{EMAIL}",
        "출연료 입금 계좌|fee_account|{ACCT}", "에피소드|episode|{#episode_no}", "녹음일|recorded|{#event_date}"),
       "form english", ()),
    _g("cosplay_event", ("코스프레 페스티벌 참가 등록 / Cosplay Registration", "코스어 사전 등록"),
       ("이름 Name|name|{name}", "휴대폰 Mobile|mobile|{PHONE}", "이메일 Email|email|{EMAIL}",
        "여권번호 Passport (해외 참가자)|passport|{PASS}", "티켓번호 Ticket|ticket|{#ticket_no}", "탈의실 사물함|locker|{#locker_no}"),
       "english json table", ()),
    _g("comic_market_seller", ("동인 행사 부스 판매자 신청서", "일러스트 페어 셀러 등록"),
       ("대표 판매자|seller|{name}", "휴대폰|mobile|{PHONE}", "이메일|email|{EMAIL}", "사업자등록번호(선택)|brn|{BRN}",
        "부스 번호|booth|{#booth_no}", "대표 상품 바코드|barcode|{#barcode}", "참가비 입금 계좌(주최)|host_account|{#company_account}",
        "문의 메일|host_mail|{#shared_mailbox}"),
       "form kv table", ()),
    _g("cattle_traceability", ("소 이력 거래 신고서", "가축 양도·양수 신고"),
       ("양도인|seller|{name}", "양도인 휴대폰|seller_phone|{PHONE}", "양수인|buyer|{name}", "양수인 생년월일|buyer_birth|{BIRTH}",
        "개체식별번호|cattle_id|{#cattle_id}", "농장식별번호|farm_id|{#farm_id}", "거래일|date|{#event_date}"),
       "form table ocr", ()),
    _g("beekeeping_subsidy", ("양봉 농가 보조금 신청서", "꿀벌 사육 지원사업 신청"),
       ("신청인|applicant|{name}", "주민등록번호|rrn|{RRN}", "휴대폰|mobile|{PHONE}", "보조금 입금 계좌|account|{ACCT}",
        "벌통 수|hives|{#quantity}", "꿀 생산 LOT|lot|{#lot_no}", "소재지 지번|parcel|{#land_parcel}", "농업기술센터|center|{#office_main_line}"),
       "form fullwidth ocr", ()),
    _g("farm_machine_rental", ("농기계 임대 신청서", "임대사업소 농기계 대여 계약"),
       ("임차인|renter|{name}", "생년월일|birth|{BIRTH}", "휴대폰|mobile|{PHONE}", "운전면허번호|license|{DL}",
        "기종|model|{#model_no}", "기대 번호|serial|{#serial_no}", "임대료|fee|{#amount}"),
       "form kv table",
       (("call", "[임대사업소 전화 메모] {name} 농가 트랙터({#model_no}) 3일 대여 요청. 면허번호 {DL} 확인. 연락처 {PHONE}. 반납 {#event_date}."),)),
    _g("forest_fire_watch", ("산불감시원 근무 명단", "산불 전문 예방 진화대 채용 명단"),
       ("성명|name|{name}", "생년월일|birth|{BIRTH}", "휴대폰|mobile|{PHONE}", "급여 계좌|account|{ACCT}",
        "감시 초소|post|{#land_parcel}"),
       "table form", ()),
    _g("hunting_dog_registration", ("수렵견 동물등록 신청서", "엽견 등록 및 보험 가입"),
       ("소유자|owner|{name}", "주민등록번호|rrn|{RRN}", "휴대폰|mobile|{PHONE}", "동물등록번호|animal_no|{#animal_registration}",
        "견종|breed|진돗개", "보험 증권번호|policy|{#policy_no}"),
       "form kv", ()),
    _g("rural_homestay", ("농촌 체험마을 민박 예약", "팜스테이 예약 안내"),
       ("예약자|guest|{name}", "연락처|phone|{PHONE}", "이메일|email|{EMAIL}", "여권번호(외국인 손님)|passport|{PASS}", "예약번호|booking|{#reservation_no}",
        "숙박비|price|{#amount}"),
       "kv",
       (("email", "제목: 12월 민박 예약 확인\n\n{name}님 안녕하세요, 산골마을 민박 주인 {name}입니다.\n{#event_date} 2박 예약 확인했습니다 (예약번호 {#reservation_no}).\n"
                  "숙박비 {#amount} 는 제 계좌 {ACCT} 로 보내주세요. 도착하시면 {PHONE} 로 전화 주세요.\n마을 사무장 번호는 {#office_main_line} 입니다."),)),
    _g("bowling_league", ("직장인 볼링 리그 선수 명단", "볼링 동호회 정기전 참가자"),
       ("선수|player|{name}", "휴대폰|mobile|{PHONE}", "생년월일|birth|{BIRTH}", "에버리지|average|{#score}",
        "회비 입금 계좌(총무 개인)|treasurer_account|{ACCT}"),
       "table chatlist", ()),
    _g("mcn_agreement", ("MCN 전속 계약서 당사자 표시", "크리에이터 매니지먼트 계약"),
       ("회사|company|{company}", "크리에이터|creator|{name}", "주민등록번호(외국인등록번호)|rrn|{RRN/FRN}", "여권번호(외국 국적)|passport|{PASS}", "연락처|phone|{PHONE}", "이메일|email|{EMAIL}",
        "수익 정산 계좌|account|{ACCT}", "회사 사업자등록번호|company_brn|{BRN}",
        "법인등록번호|corp_no|{#corporation_registration}", "회사 대표전화|company_tel|{#office_main_line}"),
       "form fullwidth english", ()),
    _g("background_check_consent", ("신원조회 동의서 / Background Check Consent", "해외 파견 전 신원 확인"),
       ("성명 Full name|name|{name}", "주민등록번호 Resident No.|rrn|{RRN}", "여권번호 Passport No.|passport|{PASS}",
        "연락처 Phone|phone|{PHONE}", "이메일 Email|email|{EMAIL}", "운전면허 Driver licence|license|{DL}"),
       "english form json", ()),
    _g("company_car_log", ("법인차량 운행일지", "업무용 차량 배차 신청"),
       ("운전자|driver|{name}", "운전면허번호|license|{DL}", "휴대폰|mobile|{PHONE}", "주유카드|fuel_card|{CARD}",
        "차량 모델|model|{#model_no}", "주행거리|mileage|{#quantity}", "운행일|date|{#event_date}"),
       "table form kv",
       (("chat", "[총무팀 메신저]\n{name}: 내일 지방 출장이라 법인차 배차 부탁드려요\n총무: 면허번호 확인할게요\n{name}: {DL} 입니다\n"
                 "총무: 주유카드 {CARD*} 차량에 있어요. 분실 시 카드사 {#call_centre}"),)),
    _g("overseas_volunteer", ("해외봉사단 파견자 명단", "단기 해외봉사 참가 신청서"),
       ("성명|name|{name}", "영문명|english_name|{roman}", "여권번호|passport|{PASS}", "생년월일|birth|{BIRTH}",
        "휴대폰|mobile|{PHONE}", "이메일|email|{EMAIL}", "항공편|flight|{#flight_no}", "출국일|departure|{#event_date}"),
       "table english json",
       (("email", "제목: 캄보디아 봉사단 항공권 발권 정보\n\n단원 여러분, 여권 정보 확인 부탁드립니다.\n{name} / {roman} / 여권 {PASS} / 생년월일 {BIRTH}\n"
                  "{name} / {roman} / 여권 {PASS} / 생년월일 {BIRTH}\n편명은 {#flight_no} 입니다. 오류는 팀장 휴대폰 {PHONE} 로 알려주세요.\n봉사단 사무국 {#shared_mailbox}"),)),
    _g("overseas_tournament", ("해외 원정 대회 참가자 명단", "국제 오픈대회 선수 등록"),
       ("선수|player|{name}", "영문명|english_name|{roman}", "여권번호|passport|{PASS}", "생년월일|birth|{BIRTH}",
        "가족 비상연락처|emergency|{PHONE}"),
       "table english", ()),
    _g("shuttle_driver_roster", ("셔틀버스 기사 배치표", "행사 셔틀 운전기사 명단"),
       ("기사|driver|{name}", "운전면허번호|license|{DL}", "생년월일|birth|{BIRTH}", "휴대폰|mobile|{PHONE}",
        "노선|route|{#bus_route}", "출발 시각|time|{#clock_time}"),
       "table form", ()),
)
GENRES = tuple(g.name for g in GENRES_DEF)
NEG_CATEGORIES = tuple(NEGATIVES)
# Look-alikes that belong to an organisation, not to a row of people.
ORGANISATIONS = {"office_main_line", "call_centre", "store_main_line", "org_fax", "company_account",
                 "union_account", "church_account", "foundation_account", "shared_mailbox",
                 "corporation_registration"}

EN_LABELS = {"name": "Name", "mobile": "Mobile", "phone": "Phone", "email": "E-mail", "birth": "Date of birth",
             "rrn": "Resident reg. no.", "account": "Bank account", "card": "Card no.", "passport": "Passport no.",
             "license": "Driver licence no."}
SEPARATORS = (": ", " : ", ":", "： ", " - ", "\t", " ㅣ ")
BULLETS = ("", "", "- ", "□ ", "· ", "▶ ", "ㅇ ")
_SLOT = re.compile(r"\{([^{}]+)\}")


# --------------------------------------------------------------------------- writing documents

class _Writer(labelled._Writer):
    """Builds one document, and keeps the words written on the current line since its last number
    (a value's cue in prose)."""

    def __init__(self, genre: str, r: random.Random, values: Values) -> None:
        self.line = ""
        super().__init__(genre, PART)
        self.r, self.vals = r, values

    def add(self, s: str) -> None:
        super().add(s)
        self.line = s.rsplit("\n", 1)[1] if "\n" in s else self.line + s

    def name(self) -> str:
        return self.r.choice(SURNAMES) + self.r.choice(GIVEN)

    def filler(self, word: str) -> str:
        r = self.r
        fills = {"name": self.name, "relation": lambda: r.choice(RELATIONS), "nation": lambda: r.choice(NATIONS),
                 "place": lambda: r.choice(PLACES), "company": lambda: r.choice(COMPANIES),
                 "roman": lambda: f"{r.choice(ROMAN_SUR).upper()} {r.choice(ROMAN_GIVEN).upper()}"}
        return fills[word]()

    def value(self, code: str, label: str, label_text: str, frame: str) -> None:
        masked = code.endswith("*")
        code = code.rstrip("*")
        if "/" in code:  # "RRN/FRN": a Korean's number mostly, a foreign resident's now and then
            first, second = code.split("/")
            code = first if self.r.random() < 0.5 else second
        code, _, writing = code.partition(":")
        kind = CODES[code]
        bank = None
        if kind == "bank_account":
            bank = self.r.choice(tuple(BANK_FORMATS))
            self.add(bank + " ")
        w = self.vals.make(kind, "masked" if masked else (writing or None), label, bank)
        super().value(w, label, label_text, frame)
        self.line = ""  # the next value's cue starts after this one

    def look_alike(self, category: str, phrasing: str) -> None:
        super().negative(category, NEGATIVES[category](self.r), phrasing)
        self.line = ""

    def expand(self, template: str, label: str, frame: str, label_text: str | None = None,
               noise: bool = False) -> None:
        """Writes a template: {CODE} a value, {#category} a look-alike, {word} a filler."""
        pos = 0
        for m in _SLOT.finditer(template):
            literal = template[pos:m.start()]
            self.add(self.noisy(literal) if noise else literal)
            slot = m.group(1)
            if slot.startswith("#"):
                self.look_alike(slot[1:], frame)
            elif _code(slot) in CODES:
                cue = label_text if label_text is not None else _cue(self.line)
                if not re.search(r"[^\W\d_]", cue):  # only punctuation before it: no label at all
                    cue = ""
                self.value(slot, label if cue else "no_label", cue, frame)
            else:
                self.add(self.filler(slot))
            pos = m.end()
        tail = template[pos:]
        self.add(self.noisy(tail) if noise else tail)

    def noisy(self, s: str) -> str:
        """s as a scan reads it: colons and spaces misread now and then."""
        r = self.r
        out = []
        for ch in s:
            if ch == ":" and r.random() < 0.4:
                out.append(r.choice((";", " :", ".", "：")))
            elif ch == " " and r.random() < 0.15:
                out.append("  ")
            elif ch in "·" and r.random() < 0.5:
                out.append(".")
            else:
                out.append(ch)
        return "".join(out)


def _cue(line: str) -> str:
    """The words before a value on its line, as its label: the last few, trimmed of punctuation."""
    words = re.sub(r"^\[[^\]]*\]\s*", "", line).strip(" :：=-|ㅣ\t(").split()
    return " ".join(words[-3:]).strip(" :：=-|(") if words else ""


def _is_value(slot: str) -> bool:
    return _code(slot.strip("{}")) in CODES


def _code(slot: str) -> str:
    """The value code a slot names ("RRN" of "RRN*", "PHONE:direct", "RRN/FRN"), else the slot."""
    return slot.rstrip("*").partition(":")[0].partition("/")[0]


class _Builder:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed)
        self.vals = Values(self.r)

    def document(self) -> labelled.Document:
        r = self.r
        g = r.choice(GENRES_DEF)
        w = _Writer(g.name, r, self.vals)
        choices = list(g.shapes) + [f"text{i}" for i in range(len(g.texts))]
        shape = r.choice(choices)
        if shape.startswith("text"):
            kind, template = g.texts[int(shape[4:])]
            self.prose(w, g, kind, template)
        else:
            getattr(self, "shape_" + shape)(w, g)
        return w.document()

    # -------------------------------------------------------------- hand-written texts
    def prose(self, w: _Writer, g: Genre, kind: str, template: str) -> None:
        r = self.r
        if kind == "chat" and r.random() < 0.5:  # an exported chat: a time before every line
            lines = template.split("\n")
            hour = r.randrange(8, 22)
            template = "\n".join(f"[{'오전' if hour < 12 else '오후'} {hour % 12 or 12}:{r.randrange(60):02d}] {ln}"
                                 if i or not ln.startswith("[") else ln for i, ln in enumerate(lines))
        w.expand(template, "prose", f"{g.name}:{kind}")
        if g.notes and r.random() < 0.4:
            w.add("\n" + r.choice(g.notes))

    # -------------------------------------------------------------- generic shapes
    def _fields(self, g: Genre) -> list[tuple[str, str, str]]:
        """The genre's fields, a few optional ones left out now and then."""
        fields = [tuple(f.split("|")) for f in g.fields]
        return [f for i, f in enumerate(fields) if i < 3 or self.r.random() > 0.12]

    def shape_form(self, w: _Writer, g: Genre, label: str = "form_label", en: bool = False,
                   noise: bool = False) -> None:
        r = self.r
        w.add(r.choice(g.titles) + r.choice(("\n", "\n\n", "\n" + "=" * 20 + "\n")))
        sep, bullet = r.choice(SEPARATORS), r.choice(BULLETS)
        for ko, key, slot in self._fields(g):
            shown = _english(ko, key) if en else ko
            if noise:
                shown = w.noisy(shown)
            w.add(f"{bullet}{shown}{w.noisy(sep) if noise else sep}")
            w.expand(slot, label, f"{g.name}:{label}", label_text=shown)
            w.add("\n")
        if g.notes and r.random() < 0.6:
            w.add(r.choice(g.notes) + "\n")
        w.add(r.choice(("신청인 확인: (서명)", "위와 같이 신청합니다.", "작성일: 2026년 12월", "")))

    def shape_english(self, w: _Writer, g: Genre) -> None:
        self.shape_form(w, g, "english_label", en=True)

    def shape_ocr(self, w: _Writer, g: Genre) -> None:
        w.add(self.r.choice(("[스캔본 OCR 결과]\n", "-- page 1 / 1 --\n", "")))
        self.shape_form(w, g, "ocr_label", noise=True)

    def shape_fullwidth(self, w: _Writer, g: Genre) -> None:
        r = self.r
        w.add(r.choice(g.titles) + "\n")
        for ko, key, slot in self._fields(g):
            w.add(f"{ko}：")
            w.expand(slot, "fullwidth", f"{g.name}:fullwidth", label_text=ko)
            w.add("\n")

    def shape_kv(self, w: _Writer, g: Genre) -> None:
        r = self.r
        style = r.choice(("lines", "pipe", "query"))
        fields = self._fields(g)
        w.add(r.choice((f"# {g.titles[0]}\n", f"[{g.name}]\n", f"{r.choice(('INFO', 'DEBUG'))} {g.name}.submit ")))
        for i, (ko, key, slot) in enumerate(fields):
            if i:
                w.add({"lines": "\n", "pipe": " | ", "query": "&"}[style])
            w.add(f"{key}=")
            w.expand(slot, "key", f"{g.name}:key", label_text=key)
        w.add("\n")

    def shape_json(self, w: _Writer, g: Genre) -> None:
        r = self.r
        pretty = r.random() < 0.5
        fields = self._fields(g)
        w.add("{" + ("\n" if pretty else ""))
        w.add(f'  "form": {json.dumps(g.name)},' + ("\n" if pretty else " "))
        for i, (ko, key, slot) in enumerate(fields):
            w.add(('  ' if pretty else '') + f'"{key}": "')
            w.expand(slot, "json_key", f"{g.name}:json", label_text=key)
            w.add('"' + ("," if i < len(fields) - 1 else "") + ("\n" if pretty else " "))
        w.add("}")

    def shape_table(self, w: _Writer, g: Genre) -> None:
        r = self.r
        fields = self._fields(g)
        # An organisation's number is the same for every row: it stands above the table.
        heads = [f for f in fields if not f[2].startswith("{#")
                 or (f[2].strip("{#}") not in ORGANISATIONS and r.random() < 0.3)]
        above = [f for f in fields if f not in heads]
        w.add(r.choice(g.titles) + "\n")
        for ko, key, slot in above:
            w.add(f"{ko}: ")
            w.expand(slot, "form_label", f"{g.name}:table", label_text=ko)
            w.add("\n")
        style = r.choice(("csv", "tsv", "pipe", "markdown"))
        sep = {"csv": ",", "tsv": "\t", "pipe": " | ", "markdown": " | "}[style]
        names = [ko for ko, _, _ in heads]
        lead, trail = ("| ", " |") if style == "markdown" else ("", "")
        w.add(lead + sep.join(["번호"] + names) + trail + "\n")
        if style == "markdown":
            w.add("|" + "---|" * (len(names) + 1) + "\n")
        for row in range(1, r.randrange(2, 6)):
            w.add(lead + str(row))
            for ko, key, slot in heads:
                w.add(sep)
                quote = '"' if style == "csv" and slot == "{#amount}" else ""  # 12,000원 holds a comma
                w.add(quote)
                w.expand(slot, "column_header", f"{g.name}:table", label_text=ko)
                w.add(quote)
            w.add(trail + "\n")
        w.add(r.choice(("", "※ 명단 외부 유출 금지", f"총 {row}명")))

    def shape_chatlist(self, w: _Writer, g: Genre) -> None:
        """A roll call in a group chat: everyone answers with their own line."""
        r = self.r
        fields = [f for f in self._fields(g) if _is_value(f[2]) or f[2] == "{name}"][:3]
        w.add(f"[{g.titles[0]} 단톡방]\n총무: 명단 정리하게 " + ", ".join(ko for ko, _, _ in fields) + " 남겨주세요~\n")
        for _ in range(r.randrange(2, 6)):
            w.add(self.r.choice(SURNAMES) + self.r.choice(GIVEN) + ": ")
            for i, (ko, key, slot) in enumerate(fields):
                if i:
                    w.add(r.choice((" / ", " ", ", ")))
                cue = r.random() < 0.5 and _is_value(slot)
                if cue:
                    w.add(ko + " ")
                # Without a cue of its own, a value answers the request line above.
                w.expand(slot, "prose" if cue else "request_above", f"{g.name}:chatlist", label_text=ko)
            w.add("\n")
        w.add("총무: 감사합니다! 회비는 총무 계좌로 부탁드려요")


def _english(ko: str, key: str) -> str:
    """An English or English-Korean label for a field."""
    if any(c.isascii() and c.isalpha() for c in ko):
        return ko  # the genre's label is bilingual already
    en = EN_LABELS.get(key) or ("Business reg. no." if key.endswith("brn") else key.replace("_", " ").capitalize())
    return f"{en} ({ko})" if len(ko) < 8 else en


def _seed(seed: int) -> int:
    return seed * 7_919 + 16_016


def _documents(seed: int):
    b = _Builder(_seed(seed))
    while True:
        yield b.document()


def generate(count: int = DEFAULT_COUNT, seed: int = 1) -> list[labelled.Document]:
    """`count` documents of the part; the same seed gives the same documents, and a smaller count
    the first of them."""
    if count < 0:
        raise ValueError(f"count must be at least 0, not {count}")
    stream = _documents(seed)
    return [next(stream) for _ in range(count)]


if __name__ == "__main__":
    import sys
    from labelled import show, summary
    docs = generate(int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES))
    show(docs)
    print(summary(docs))
