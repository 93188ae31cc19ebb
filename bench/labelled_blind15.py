"""The fifteenth blind part (`blind15`): labelled Korean documents from corners of everyday
life the other parts leave out: public offices and civic duties (jury and civil-defence notices,
village-hall requests, seal certificates, moving-in reports, passport reissues, traffic-fine
objections, CCTV viewing requests), transport (vehicle-inspection bookings, public-bike support,
subway lost property, group train tickets, airport lounges, travel-insurance claims abroad),
foreign residents (consular notarisations, dormitories for international students, language
schools, TOPIK registrations, visa-extension checklists, multicultural family programmes),
work away from a desk (payslips under the employment-permit system, seafarers' contracts,
seasonal farm workers, day-labour rosters, safety-training certificates, forklift and crane
operators, shipyard passes, logistics shifts, rider accidents, convenience-store contracts,
franchise handovers, security-guard logs, cleaning-staff pay, building contractors), health and
family (cosmetic-surgery consultations, dermatology packages, herbal-medicine orders, implant
instalments, maternity records, infertility support, birth registrations, child allowances,
daycare waiting lists) and leisure and faith (walking challenges, diet programmes, online-lecture
refunds, exam-proctor pay, museum docents, theatre pay, film extras, wedding MCs, band gigs,
choirs, temple lanterns, marriage preparation at a cathedral, neighbourhood watches, rooftop
gardens, door-lock installs, casino memberships).

    docs = labelled_blind15.generate(1500, seed=1)

Forms: label lines, key=value and JSON dumps, CSV/TSV/pipe/Markdown rosters, chats, e-mails with
signatures, text messages, prose notes, official notice letters, document checklists, OCR scans,
English-Korean forms and forms typed in full-width digits.

Conventions. A **value** is whatever identifies or reaches a person: their own phone (a 050x
safe number rings a person too, and so does a staff member's direct line or a home line), their
e-mail (a staff member's named work address included), their bank account, their card, resident,
foreigner, licence and passport numbers, their birth date, and every business registration
number (a sole trader's or a company's alike). About a tenth of the values are partly masked
already (010-****-5678, 880101-1******); they are values too. A **negative** (hard look-alike)
is everything else that looks like one: an office's or company's main or call-centre number, a
fax, a bare extension, a company's, church's, temple's or foundation's account, a virtual
account opened for one bill, a shared mailbox (help@, info@ of an organisation), corporate
registration numbers, order, tracking, invoice, case and reference numbers, model and serial
numbers, dates that are no one's birth date, amounts, postcodes and the like. A date or number
with no label a careful reader would go by is never written as a value.

Document i depends only on the seed and i, so a smaller count gives a prefix of a larger one.
"""

from __future__ import annotations

import random
from dataclasses import dataclass

import corpus
from labelled import Document, Written, _Writer

PART = "blind15"

# --------------------------------------------------------------------------- people

SURNAMES = "김이박최정강조윤장임한오서신권황안송홍전고문양손배백허남심노하곽성차주우구민진나엄채원천방현"
GIVEN = ("가람 경호 기순 나래 다온 동건 두리 명진 미래 민경 보미 봉수 상철 새롬 서진 석진 선희 세아 소라 "
         "수경 순옥 승민 시온 아름 연희 영길 예린 용준 우현 윤아 은서 이든 인호 재희 정민 종훈 주희 "
         "지안 진영 찬호 창수 태민 하람 한결 해나 현숙 혜린 효주 희정").split()
ROMAN_GIVEN = ("garam kyungho narae dagun minkyung bomi sangcheol saerom seojin sunhee sora sookyung "
               "seungmin areum yeonhee yerin yongjun woohyun yoona eunseo inho jaehee jongmin jihee "
               "jinyoung chanho taemin hangyeol haena hyesook hyojoo heejung").split()
ROMAN_SUR = "kim lee park choi jeong kang cho yoon jang lim han oh seo shin kwon hwang ahn song hong".split()
FOREIGN_NAMES = ("NGUYEN VAN AN", "TRAN THI HOA", "PHAM MINH DUC", "SITI NURHALIZA", "BUDI SANTOSO",
                 "MARIA SANTOS", "JOHN CARTER", "ZHANG WEI", "LI NA", "ARUN KUMAR", "BATBAYAR GANBOLD",
                 "SOKHA CHEA", "AUNG KYAW", "NAZIRA ABDULLAEVA", "RAHIM UDDIN", "ANNA PETROVA",
                 "YUKI TANAKA", "OLIVIA BROWN", "THAPA RAMESH", "DILSHOD KARIMOV")
PERSONAL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                    "icloud.com", "outlook.com", "hotmail.com", "yahoo.co.kr")
ORG_DOMAINS = ("hanul-logis.co.kr", "saebit.or.kr", "dongbang-eng.com", "gaon-clinic.kr",
               "mirae-center.go.kr", "haneul-ship.co.kr", "solbit.org", "daon-academy.kr",
               "jeil-security.co.kr", "bitgaram.com", "nuri-hall.or.kr", "cheongsol.kr")
# Names without a trade in them: the genre's title says what the office does.
ORG_NAMES = ("(주)한울", "새빛", "동방", "가온", "미래", "하늘", "솔빛", "다온", "제일", "빛가람", "누리",
             "청솔", "(유)바른", "온새미로", "푸른숲", "한결", "대성", "보람", "(주)세움", "이음")
BANKS = ("국민", "KB국민은행", "신한", "신한은행", "우리은행", "하나은행", "농협", "NH농협", "IBK기업은행",
         "카카오뱅크", "토스뱅크", "새마을금고", "우체국", "SC제일은행", "수협", "부산은행", "대구은행")
# Digit groups of each bank's accounts as people copy them from a passbook.
ACCOUNT_SHAPES = {"국민": (6, 2, 6), "KB국민은행": (6, 2, 6), "신한": (3, 3, 6), "신한은행": (3, 2, 6),
                  "우리은행": (4, 3, 6), "하나은행": (3, 6, 5), "농협": (3, 4, 4, 2), "NH농협": (6, 2, 6),
                  "IBK기업은행": (3, 6, 2, 3), "카카오뱅크": (4, 2, 7), "토스뱅크": (4, 4, 4),
                  "새마을금고": (4, 2, 6, 1), "우체국": (6, 2, 6), "SC제일은행": (3, 2, 6),
                  "수협": (3, 2, 6), "부산은행": (3, 4, 4, 2), "대구은행": (3, 2, 6, 1)}
LICENCE_REGIONS = {"서울": 11, "부산": 12, "경기": 13, "강원": 14, "충북": 15, "충남": 16, "전북": 17,
                   "전남": 18, "경북": 19, "경남": 20, "제주": 21, "대구": 22, "인천": 23, "광주": 24,
                   "대전": 25, "울산": 26}
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
OCR_LETTERS = {"0": "O", "1": "l", "5": "S", "8": "B"}


# Roles of a child in a family's papers: their records carry a child's birth date and resident
# number (half of them issued since October 2020, without a check digit) and nothing an adult has.
CHILD_ROLES = ("출생아", "신생아", "아동", "자녀", "동반 자녀", "미성년 신청인", "세대원(자녀)")
NEWBORN_ROLES = ("출생아", "신생아")
CHILD_KINDS = ("resident", "birth_date", "passport", "foreigner_registration")


def _person(r: random.Random) -> str:
    return r.choice(SURNAMES) + r.choice(GIVEN)


# --------------------------------------------------------------------------- values

class _Values:
    """Values of every kind in the ways people write them, with real check digits."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def digits(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def _registration(self, foreigner: bool, lo: int, hi: int, post2020: bool = False) -> str:
        r = self.r
        if post2020:
            y = r.randrange(2021, 2027) if r.random() < 0.8 else 2020
            m = r.randrange(10, 13) if y == 2020 else r.randrange(1, 12 if y == 2026 else 13)
            d = r.randrange(1, corpus.days_in(y, m) + 1)
        else:
            y, m, d = corpus.random_date(r, lo, hi)
        century = 0 if y < 2000 else 2
        seventh = (5 if foreigner else 1) + century + r.randrange(2)
        body = f"{y % 100:02d}{m:02d}{d:02d}{seventh}" + self.digits(5)
        if post2020:
            return body + str(r.randrange(10))
        return body + str(corpus.resident_check([int(c) for c in body], foreigner))

    def resident(self, young: bool = False, newborn: bool = False) -> Written:
        r = self.r
        if newborn or young and r.random() < 0.55:
            s = self._registration(False, 0, 0, post2020=True)
            return Written("resident", f"{s[:6]}-{s[6:]}" if r.random() < 0.8 else s, "post2020", False)
        lo, hi = (2005, 2019) if young else (1942, 2006)
        s = self._registration(False, lo, hi)
        way = r.choices(("hyphen", "plain", "spaced", "fullwidth", "masked", "masked_back", "dash_variant"),
                        (40, 14, 8, 5, 8, 4, 3))[0]
        return Written("resident", self._shape_registration(s, way), way, way.startswith("masked"))

    def foreigner(self) -> Written:
        r = self.r
        s = self._registration(True, 1958, 2006)
        way = r.choices(("hyphen", "plain", "spaced", "fullwidth", "masked", "masked_back"),
                        (45, 18, 8, 6, 8, 4))[0]
        return Written("foreigner_registration", self._shape_registration(s, way), way,
                       way.startswith("masked"))

    def _shape_registration(self, s: str, way: str) -> str:
        if way == "plain":
            return s
        if way == "spaced":
            return f"{s[:6]} {s[6:]}"
        if way == "fullwidth":
            return f"{s[:6]}-{s[6:]}".translate(FULL)
        if way == "masked":
            return f"{s[:6]}-{s[6]}******"
        if way == "masked_back":
            return f"{s[:6]}-*******"
        if way == "dash_variant":
            return f"{s[:6]}{self.r.choice(('–', '‐', '−'))}{s[6:]}"
        return f"{s[:6]}-{s[6:]}"

    def business(self) -> Written:
        r = self.r
        body = str(r.randrange(101, 900)) + f"{r.randrange(1, 100):02d}" + self.digits(4)
        s = body + str(corpus.business_check([int(c) for c in body]))
        way = r.choices(("hyphen", "plain", "spaced", "fullwidth", "masked", "dots"), (55, 15, 6, 5, 10, 4))[0]
        text = {"plain": s, "spaced": f"{s[:3]} {s[3:5]} {s[5:]}", "fullwidth": f"{s[:3]}-{s[3:5]}-{s[5:]}".translate(FULL),
                "masked": f"{s[:3]}-{s[3:5]}-*****", "dots": f"{s[:3]}.{s[3:5]}.{s[5:]}"}.get(way, f"{s[:3]}-{s[3:5]}-{s[5:]}")
        return Written("business_registration", text, way, way == "masked")

    def card(self) -> Written:
        r = self.r
        if r.random() < 0.1:
            body = r.choice(("34", "37")) + self.digits(12)
            s = body + str(corpus.luhn_check([int(c) for c in body]))
            if r.random() < 0.15:
                return Written("credit_card", f"{s[:4]}-******-*{s[11:]}", "masked", True)
            return Written("credit_card", f"{s[:4]}-{s[4:10]}-{s[10:]}", "amex", False)
        body = r.choice(("4", "5", "9", "6")) + self.digits(14)
        s = body + str(corpus.luhn_check([int(c) for c in body]))
        groups = [s[i:i + 4] for i in range(0, 16, 4)]
        way = r.choices(("hyphen", "spaced", "plain", "fullwidth", "masked", "masked_middle"), (45, 18, 12, 5, 10, 5))[0]
        if way == "masked":
            return Written("credit_card", f"{groups[0]}-****-****-{groups[3]}", way, True)
        if way == "masked_middle":
            return Written("credit_card", f"{groups[0]}-{groups[1][:2]}**-****-{groups[3]}", way, True)
        text = {"spaced": " ".join(groups), "plain": s, "fullwidth": "-".join(groups).translate(FULL)}.get(way, "-".join(groups))
        return Written("credit_card", text, way, False)

    def account(self, bank: str) -> Written:
        r = self.r
        shape = ACCOUNT_SHAPES[bank]
        groups = [self.digits(n) for n in shape]
        way = r.choices(("hyphen", "plain", "masked", "spaced"), (62, 22, 10, 6))[0]
        if way == "masked":
            groups[-1] = "*" * (len(groups[-1]) - 2) + groups[-1][-2:] if len(groups[-1]) > 3 else "*" * len(groups[-1])
            if len(groups) > 2:
                groups[1] = "*" * len(groups[1])
        text = "".join(groups) if way == "plain" else (" " if way == "spaced" else "-").join(groups)
        return Written("bank_account", text, way, way == "masked")

    def phone(self) -> Written:
        r = self.r
        mid, end = self.digits(4), self.digits(4)
        way = r.choices(("hyphen", "plain", "dots", "spaced", "intl", "intl_dash", "paren", "fullwidth",
                         "safe_number", "internet_phone", "direct_line", "home_line", "masked", "masked_tail",
                         "hangul"),
                        (30, 8, 6, 5, 4, 3, 3, 3, 5, 3, 6, 3, 8, 3, 1))[0]
        if way == "plain":
            text = f"010{mid}{end}"
        elif way == "dots":
            text = f"010.{mid}.{end}"
        elif way == "spaced":
            text = f"010 {mid} {end}"
        elif way == "intl":
            text = f"+82 10 {mid} {end}"
        elif way == "intl_dash":
            text = f"+82-10-{mid}-{end}"
        elif way == "paren":
            text = f"(010){mid}-{end}"
        elif way == "fullwidth":
            text = f"010-{mid}-{end}".translate(FULL)
        elif way == "safe_number":
            text = f"050{r.choice('2345678')}-{mid}-{end}"
        elif way == "internet_phone":
            text = f"070-{mid}-{end}"
        elif way == "direct_line":
            area = r.choice(("02", "031", "032", "051", "053", "042", "062", "055"))
            text = f"{area}-{r.randrange(200, 990)}{r.randrange(10)}-{end}"
        elif way == "home_line":
            area = r.choice(("02", "031", "033", "041", "043", "052", "061", "064"))
            text = f"{area}-{r.randrange(200, 990)}-{end}"
        elif way == "masked":
            text = f"010-****-{end}"
        elif way == "masked_tail":
            text = f"010-{mid[:2]}**-{end[:2]}**"
        elif way == "hangul":
            text = "공일공 " + "".join(HANGUL_DIGITS[int(c)] for c in mid) + " " + "".join(HANGUL_DIGITS[int(c)] for c in end)
        else:
            text = f"010-{mid}-{end}"
        return Written("phone", text, way, way.startswith("masked"))

    def email(self, work_domain: str | None = None) -> Written:
        r = self.r
        user = r.choice((f"{r.choice(ROMAN_GIVEN)}{r.randrange(70, 100)}", f"{r.choice(ROMAN_SUR)}.{r.choice(ROMAN_GIVEN)}",
                         f"{r.choice(ROMAN_GIVEN)}_{r.choice(ROMAN_SUR)}", f"{r.choice(ROMAN_SUR)}{r.choice(ROMAN_GIVEN)}{r.randrange(1, 1000)}",
                         f"{r.choice(ROMAN_GIVEN)[0]}{r.choice(ROMAN_SUR)}"))
        if work_domain:
            return Written("email", f"{user}@{work_domain}", "work", False)
        domain = r.choice(PERSONAL_DOMAINS)
        way = r.choices(("plain", "masked", "upper", "spaced_at", "at_word"), (76, 10, 5, 5, 4))[0]
        if way == "masked":
            return Written("email", f"{user[:3]}****@{domain}", way, True)
        if way == "upper":
            return Written("email", f"{user}@{domain}".upper(), way, False)
        if way == "spaced_at":
            return Written("email", f"{user} @ {domain}", way, False)
        if way == "at_word":
            return Written("email", f"{user}{r.choice(('(at)', '[at]', ' 골뱅이 ', '(골뱅이)'))}{domain}", way, False)
        return Written("email", f"{user}@{domain}", way, False)

    def licence(self) -> Written:
        r = self.r
        region = r.choice(tuple(LICENCE_REGIONS))
        year = f"{r.randrange(0, 26):02d}" if r.random() < 0.6 else f"{r.randrange(85, 100)}"
        serial, check = self.digits(6), self.digits(2)
        code = LICENCE_REGIONS[region]
        way = r.choices(("hyphen", "region", "plain", "masked", "fullwidth", "spaced"), (40, 25, 10, 10, 5, 10))[0]
        text = {"region": f"{region} {year}-{serial}-{check}", "plain": f"{code}{year}{serial}{check}",
                "masked": f"{code}-{year}-******-{check}", "fullwidth": f"{code}-{year}-{serial}-{check}".translate(FULL),
                "spaced": f"{code} {year} {serial} {check}"}.get(way, f"{code}-{year}-{serial}-{check}")
        return Written("driver_license", text, way, way == "masked")

    def birth(self, young: bool = False, newborn: bool = False) -> Written:
        r = self.r
        if newborn:
            y, m = 2026, r.randrange(1, 12)
            d = r.randrange(1, corpus.days_in(y, m) + 1)
        else:
            y, m, d = corpus.random_date(r, 2012, 2024) if young else corpus.random_date(r, 1938, 2007)
        months = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")
        way = r.choices(("dot", "dash", "korean", "short_dot", "compact", "yymmdd", "spaced_dot", "slash_dmy",
                         "english", "masked", "korean_short"), (20, 14, 16, 7, 6, 6, 8, 5, 5, 9, 4))[0]
        text = {"dot": f"{y}.{m:02d}.{d:02d}", "dash": f"{y}-{m:02d}-{d:02d}", "korean": f"{y}년 {m}월 {d}일",
                "short_dot": f"{y % 100:02d}.{m:02d}.{d:02d}", "compact": f"{y}{m:02d}{d:02d}",
                "yymmdd": f"{y % 100:02d}{m:02d}{d:02d}", "spaced_dot": f"{y}. {m}. {d}.",
                "slash_dmy": f"{d:02d}/{m:02d}/{y}", "english": f"{d} {months[m - 1]} {y}",
                "masked": r.choice((f"{y}.**.**", f"{str(y)[:2]}**-{m:02d}-{d:02d}", f"{y}년 **월 **일")),
                "korean_short": f"{y % 100:02d}년 {m}월 {d}일생"}[way]
        return Written("birth_date", text, way, way == "masked")

    def passport(self) -> Written:
        r = self.r
        letter = r.choice("MMMMMSRG")
        way = r.choices(("old", "new", "lower", "masked", "spaced"), (40, 38, 4, 10, 8))[0]
        if way == "new":
            text = f"{letter}{self.digits(3)}{r.choice('ABCDEFGHJKLMNPQRSTUVWXYZ')}{self.digits(4)}"
        else:
            text = f"{letter}{self.digits(8)}"
            if way == "lower":
                text = text.lower()
            elif way == "masked":
                text = text[:5] + "****"
            elif way == "spaced":
                text = f"{text[:1]} {text[1:5]} {text[5:]}"
        return Written("passport", text, way, way == "masked")

    def make(self, kind: str, young: bool = False, newborn: bool = False, bank: str = "국민",
             work_domain: str | None = None) -> Written:
        if kind == "resident":
            return self.resident(young or newborn, newborn)
        if kind == "foreigner_registration":
            return self.foreigner()
        if kind == "business_registration":
            return self.business()
        if kind == "credit_card":
            return self.card()
        if kind == "bank_account":
            return self.account(bank)
        if kind == "phone":
            return self.phone()
        if kind == "email":
            return self.email(work_domain)
        if kind == "driver_license":
            return self.licence()
        if kind == "birth_date":
            return self.birth(young, newborn)
        return self.passport()


def _ocr(w: Written, r: random.Random) -> Written:
    """A scanned value: some digits read as look-alike letters."""
    if w.kind in ("email", "passport") or w.masked or w.writing == "post2020":
        return w
    chars = [OCR_LETTERS[c] if c in OCR_LETTERS and r.random() < 0.3 else c for c in w.text]
    return Written(w.kind, "".join(chars), "ocr_letters", False)


def _fullwidth(w: Written) -> Written:
    if w.kind in ("email", "passport") or w.masked or w.writing in ("fullwidth", "post2020"):
        return w
    return Written(w.kind, w.text.translate(FULL), "fullwidth", False)


# --------------------------------------------------------------------------- labels

LABELS = {
    "resident": ("주민등록번호", "주민번호", "주민등록 번호", "주민 번호", "주민등록번호(13자리)", "주민No", "RRN"),
    "foreigner_registration": ("외국인등록번호", "외국인 등록번호", "외국인번호", "등록증번호(외국인)",
                               "ARC No.", "Alien Reg. No.", "외국인등록증 번호"),
    "business_registration": ("사업자등록번호", "사업자번호", "사업자 등록번호", "사업자No.", "Biz Reg. No.",
                              "사업자 번호", "등록번호(사업자)"),
    "credit_card": ("카드번호", "신용카드번호", "결제카드", "카드 번호", "Card No.", "체크카드 번호", "결제 카드번호"),
    "bank_account": ("계좌번호", "입금계좌", "환급계좌", "급여계좌", "받으실 계좌", "Account No.", "통장 번호", "지급계좌"),
    "phone": ("휴대폰", "연락처", "전화번호", "핸드폰", "휴대전화", "H.P", "Mobile", "Tel", "비상연락처", "폰번호", "HP"),
    "email": ("이메일", "메일", "전자우편", "E-mail", "메일주소", "Email", "이메일 주소"),
    "driver_license": ("운전면허번호", "면허번호", "운전면허 번호", "Driver License No.", "자동차운전면허번호", "면허 No."),
    "birth_date": ("생년월일", "생일", "출생일", "DOB", "Date of Birth", "생년월일(양력)", "출생년월일"),
    "passport": ("여권번호", "여권 번호", "Passport No.", "여권No.", "여권번호(PP)", "passport no"),
}
# Short key names in dumps and exports.
KEYS = {
    "resident": ("rrn", "jumin_no", "resident_no", "juminNo"), "foreigner_registration": ("arc_no", "alien_reg_no", "frgnr_no"),
    "business_registration": ("biz_no", "brn", "bizRegNo", "saup_no"), "credit_card": ("card_no", "cardNumber", "pan"),
    "bank_account": ("acct_no", "account", "bank_acct", "payout_account"), "phone": ("phone", "mobile", "tel", "hp", "contact"),
    "email": ("email", "mail", "e_mail"), "driver_license": ("license_no", "dl_no", "drvLicNo"),
    "birth_date": ("birth", "dob", "birthday", "birth_dt"), "passport": ("passport_no", "ppt_no", "passportNo"),
}


@dataclass(frozen=True)
class Genre:
    titles: tuple
    role: tuple         # how the document calls the person it is about
    kinds: tuple        # kinds a person's record carries, most likely first
    negatives: tuple    # look-alike categories the genre's papers carry
    lines: tuple        # everyday sentences of the genre (no numbers a reader would take for a value)
    forms: tuple
    young: bool = False     # about a child: birth dates and resident numbers of the 2010s-2020s


ALL_FORMS = ("form", "kv", "table", "chat", "email", "sms", "prose", "ocr", "bilingual", "fullwidth", "notice",
             "checklist")
PAPER = ("form", "kv", "table", "email", "ocr", "bilingual", "fullwidth", "prose", "notice", "checklist")
TALK = ("chat", "sms", "email", "prose", "form")

GENRES = {
    "jury_notice": Genre(("국민참여재판 배심원 후보자 회신서", "배심원 선정기일 출석 확인"), ("후보자", "회신자"),
                         ("phone", "birth_date", "resident", "email", "bank_account"),
                         ("case_number", "event_date", "office_phone", "postcode", "document_number"),
                         ("선정기일에 출석이 어려우면 사유서를 제출해 주십시오.", "여비와 일당은 출석 후 지급됩니다.",
                          "신분증을 지참하시기 바랍니다."), PAPER),
    "civil_defence": Genre(("민방위 교육 연기 신청", "민방위 사이버교육 이수 안내"), ("대원", "신청인"),
                           ("phone", "birth_date", "resident", "email"),
                           ("event_date", "call_centre", "receipt_number", "time_range", "hotline_short"),
                           ("교육 당일 출석 확인 후 이수 처리됩니다.", "연기 사유 증빙을 첨부해 주세요.",
                            "사이버교육은 기한 내 이수하셔야 합니다."), ALL_FORMS),
    "village_hall_request": Genre(("주민센터 민원 접수", "행정복지센터 방문 민원 메모"), ("민원인", "신청인", "방문자"),
                                  ("phone", "resident", "birth_date", "bank_account", "email"),
                                  ("receipt_number", "office_phone", "extension", "fax", "amount", "address_number"),
                                  ("처리 기한은 접수일로부터 7일입니다.", "수수료는 현장에서 납부하셨습니다.",
                                   "결과는 문자로 안내드리겠습니다."), ALL_FORMS),
    "seal_certificate": Genre(("인감증명서 발급 위임장", "인감 변경 신고서"), ("위임자", "수임자", "신고인"),
                              ("resident", "phone", "birth_date", "driver_license", "passport"),
                              ("document_number", "office_phone", "amount", "event_date", "postcode"),
                              ("본인이 직접 서명하였음을 확인합니다.", "위임자의 자필 서명이 필요합니다.",
                               "발급 용도: 부동산 매도용"), PAPER),
    "move_in_report": Genre(("전입신고서", "전입세대 확인 요청"), ("세대주", "전입자", "신고인", "세대원(자녀)"),
                            ("resident", "phone", "birth_date", "email", "foreigner_registration"),
                            ("postcode", "address_number", "receipt_number", "event_date", "office_phone"),
                            ("확정일자는 별도로 신청하셔야 합니다.", "세대원 전원이 함께 전입합니다.",
                             "전입일자 기준으로 처리됩니다."), PAPER + ("chat",)),
    "vehicle_inspection": Genre(("자동차 정기검사 예약", "종합검사 예약 확인"), ("소유자", "예약자", "차주"),
                                ("phone", "driver_license", "birth_date", "email", "credit_card"),
                                ("vehicle_plate", "vin", "call_centre", "event_date", "amount", "reservation_code"),
                                ("검사 유효기간 만료 전에 받으시면 과태료가 없습니다.", "대기 시간은 약 30분입니다.",
                                 "차량 등록증을 지참해 주세요."), ALL_FORMS),
    "traffic_fine_objection": Genre(("과태료 의견진술서", "교통 과태료 이의신청"), ("진술인", "차주", "운전자"),
                                    ("phone", "driver_license", "resident", "birth_date", "bank_account"),
                                    ("case_number", "vehicle_plate", "amount", "event_date", "e_payment_number", "office_phone", "vin"),
                                    ("당시 긴급 환자 이송 중이었습니다.", "단속 사진과 실제 차량이 다릅니다.",
                                     "의견진술 기한 내 제출합니다."), PAPER),
    "bicycle_insurance": Genre(("자전거보험 보험금 청구", "시민 자전거보험 사고 접수"), ("피해자", "청구인"),
                               ("phone", "resident", "bank_account", "birth_date", "email"),
                               ("receipt_number", "call_centre", "amount", "event_date", "company_account"),
                               ("진단서와 영수증 사본을 첨부합니다.", "자전거 도로에서 넘어졌습니다.",
                                "보험금은 본인 계좌로 지급됩니다."), ALL_FORMS),
    "public_bike_support": Genre(("공공자전거 고객 문의", "대여 요금 환불 요청"), ("회원", "이용자"),
                                 ("phone", "email", "credit_card", "birth_date"),
                                 ("transaction_id", "call_centre", "amount", "serial_number", "shared_mailbox", "time_range"),
                                 ("반납 처리가 안 돼서 추가 요금이 나왔어요.", "대여소 번호를 다시 확인해 주세요.",
                                  "환불은 영업일 기준 3일 걸립니다."), TALK + ("kv",)),
    "subway_lost_property": Genre(("지하철 유실물 수령 신청", "유실물센터 문의"), ("분실자", "신청인"),
                                  ("phone", "birth_date", "resident", "email"),
                                  ("receipt_number", "office_phone", "serial_number", "event_date", "model_number", "time_range"),
                                  ("검은색 백팩에 노트북이 들어 있었습니다.", "신분증 지참 후 방문 수령 바랍니다.",
                                   "보관 기간이 지나면 경찰서로 이관됩니다."), TALK + ("form",)),
    "group_train_ticket": Genre(("KTX 단체 승차권 신청", "단체 열차 승객 명단"), ("대표자", "인솔자", "승객"),
                                ("phone", "birth_date", "email", "credit_card", "business_registration"),
                                ("train_ticket", "amount", "event_date", "call_centre", "reservation_code"),
                                ("좌석은 한 호차에 배정해 주세요.", "출발 2일 전까지 명단 변경이 가능합니다.",
                                 "단체 할인은 10인 이상부터입니다."), PAPER),
    "airport_lounge": Genre(("공항 라운지 이용 확인", "Lounge access record"), ("이용객", "회원"),
                            ("credit_card", "passport", "phone", "birth_date", "email"),
                            ("flight_number", "event_date", "call_centre", "card_approval", "time_range"),
                            ("동반 1인까지 무료입니다.", "탑승권 확인 후 입장하실 수 있습니다.",
                             "샤워실은 별도 예약이 필요합니다."), ("form", "kv", "bilingual", "sms", "email", "table")),
    "travel_insurance_claim": Genre(("해외여행자보험 보험금 청구", "여행 중 의료비 청구서"), ("피보험자", "청구인", "동반 자녀"),
                                    ("passport", "resident", "phone", "bank_account", "email", "birth_date"),
                                    ("receipt_number", "flight_number", "amount", "event_date", "call_centre", "company_account"),
                                    ("현지 병원 영수증과 진단서를 첨부합니다.", "환율은 청구일 기준으로 적용됩니다.",
                                     "휴대품 도난은 현지 경찰 확인서가 필요합니다."), ALL_FORMS),
    "passport_reissue": Genre(("여권 재발급 신청서", "구청 여권민원실 접수"), ("신청인", "법정대리인", "미성년 신청인"),
                              ("passport", "resident", "phone", "birth_date", "email"),
                              ("receipt_number", "office_phone", "amount", "event_date", "postcode"),
                              ("분실 여권은 재사용할 수 없습니다.", "사진은 6개월 이내 촬영본이어야 합니다.",
                               "수령 시 신분증을 지참하세요."), PAPER),
    "consular_notarisation": Genre(("재외공관 영사 공증 신청", "Consular notarization request"), ("신청인", "Applicant"),
                                   ("passport", "resident", "phone", "email", "birth_date"),
                                   ("document_number", "office_phone", "amount", "event_date", "shared_mailbox"),
                                   ("위임장 원본에 서명 인증이 필요합니다.", "수수료는 현지 통화로 냅니다.",
                                    "영사관 방문 예약 후 오시기 바랍니다."), ("form", "email", "bilingual", "kv", "prose")),
    "intl_dormitory": Genre(("국제학생 기숙사 입사 신청", "International dormitory application"), ("학생", "Student"),
                            ("foreigner_registration", "passport", "phone", "email", "birth_date", "bank_account"),
                            ("room_number", "amount", "event_date", "office_phone", "virtual_account", "course_code"),
                            ("입사 전 결핵 검사 결과를 제출하세요.", "룸메이트 희망 사항을 적어 주세요.",
                             "보증금은 퇴사 후 환불됩니다."), ("form", "bilingual", "table", "email", "kv", "chat")),
    "language_exchange": Genre(("언어교환 모임 참가 명단", "Language exchange meetup"), ("참가자", "member"),
                               ("phone", "email", "birth_date", "foreigner_registration"),
                               ("event_date", "time_range", "amount", "address_number"),
                               ("한국어와 영어를 30분씩 번갈아 합니다.", "참가비는 음료 포함입니다.",
                                "처음 오시는 분은 자기소개를 준비해 주세요."), ("chat", "table", "bilingual", "email")),
    "korean_school_enrolment": Genre(("어학당 등록 신청서", "한국어 정규과정 등록"), ("학생", "Applicant"),
                                     ("passport", "foreigner_registration", "email", "phone", "birth_date", "bank_account"),
                                     ("course_code", "amount", "virtual_account", "event_date", "office_phone"),
                                     ("반 배치 시험은 첫날 오전에 봅니다.", "등록금은 학기 시작 전까지 납부하세요.",
                                      "비자 서류는 등록 확인 후 발급됩니다."), ("form", "bilingual", "email", "table", "kv")),
    "topik_registration": Genre(("TOPIK 응시 접수 확인", "한국어능력시험 접수"), ("응시자", "Candidate"),
                                ("passport", "foreigner_registration", "birth_date", "email", "phone"),
                                ("event_date", "amount", "time_range", "call_centre", "room_number"),
                                ("시험장 변경은 접수 기간에만 가능합니다.", "수험표는 시험 1주 전에 출력하세요.",
                                 "신분증 미지참 시 응시할 수 없습니다."), ("form", "bilingual", "email", "sms", "kv")),
    "visa_extension": Genre(("체류기간 연장 제출서류 점검표", "체류연장 상담 메모"), ("신청인", "외국인"),
                            ("foreigner_registration", "passport", "phone", "business_registration", "email"),
                            ("receipt_number", "amount", "event_date", "call_centre", "document_number"),
                            ("고용계약서 사본과 사업자등록증 사본을 준비하세요.", "체류지 증빙으로 임대차계약서를 냅니다.",
                             "하이코리아에서 방문 예약을 하세요."), ("form", "chat", "prose", "bilingual", "email")),
    "multicultural_programme": Genre(("다문화가족 프로그램 참가 신청", "가족센터 한국어교실 명단"), ("참가자", "결혼이민자", "배우자", "자녀"),
                                     ("foreigner_registration", "phone", "birth_date", "resident", "bank_account"),
                                     ("event_date", "office_phone", "extension", "amount", "time_range"),
                                     ("아이 돌봄은 프로그램 시간 동안 제공됩니다.", "통역이 필요하면 미리 알려 주세요.",
                                      "교통비는 출석 확인 후 지급됩니다."), ("form", "table", "chat", "sms", "prose")),
    "eps_payslip": Genre(("외국인근로자 급여명세서", "E-9 근로자 임금 지급 내역"), ("근로자", "Worker"),
                         ("foreigner_registration", "bank_account", "phone", "passport", "business_registration"),
                         ("amount", "event_date", "corporate_registration", "company_account", "percentage", "vessel_number"),
                         ("기숙사비는 합의한 금액만 공제합니다.", "연장근로 수당이 포함되었습니다.",
                          "출국만기보험은 별도 적립됩니다."), ("table", "form", "bilingual", "kv", "ocr")),
    "seafarer_contract": Genre(("선원근로계약서", "승선 선원 명부"), ("선원", "승선자"),
                               ("passport", "resident", "foreigner_registration", "phone", "bank_account", "birth_date"),
                               ("vessel_number", "amount", "event_date", "office_phone", "corporate_registration", "fax"),
                               ("승선 기간은 12개월입니다.", "임금은 매월 말일 지급합니다.", "승선 전 건강검진을 받아야 합니다."),
                               ("form", "table", "bilingual", "ocr", "kv")),
    "seasonal_farm_worker": Genre(("계절근로자 배정 명단", "농가 계절근로 근무 확인"), ("근로자", "농가주"),
                                  ("foreigner_registration", "passport", "phone", "bank_account", "business_registration"),
                                  ("event_date", "amount", "address_number", "office_phone", "weight"),
                                  ("숙소는 농가에서 제공합니다.", "비 오는 날은 선별 작업을 합니다.",
                                   "임금은 근로자 본인 명의 통장으로만 지급합니다."), ("table", "form", "chat", "sms", "ocr")),
    "day_labour_roster": Genre(("인력사무소 출력 명단", "현장 일용직 출역부"), ("근로자", "반장"),
                               ("resident", "phone", "bank_account", "foreigner_registration", "birth_date"),
                               ("amount", "event_date", "time_range", "address_number", "company_account", "office_phone"),
                               ("일당은 당일 저녁에 이체합니다.", "안전화 미착용 시 출입 불가입니다.",
                                "내일 새벽 다섯 시 반 사무소 앞 집합."), ("table", "chat", "sms", "ocr", "kv")),
    "safety_training_cert": Genre(("건설업 기초안전보건교육 이수증", "안전교육 이수자 명단"), ("교육생", "이수자"),
                                  ("resident", "birth_date", "phone", "foreigner_registration"),
                                  ("certificate_number", "event_date", "business_permit", "office_phone", "course_code"),
                                  ("이수증은 평생 유효합니다.", "교육시간은 총 4시간입니다.", "분실 시 재발급 가능합니다."),
                                  ("form", "table", "ocr", "kv")),
    "forklift_crane_operator": Genre(("지게차 운전원 등록", "타워크레인 조종사 투입 명단"), ("조종사", "운전원"),
                                     ("driver_license", "phone", "resident", "birth_date", "business_registration"),
                                     ("model_number", "serial_number", "certificate_number", "event_date", "office_phone"),
                                     ("장비 점검표는 매일 작성합니다.", "자격증 사본을 첨부해 주세요.",
                                      "신호수와 무전 채널을 맞추세요."), ("form", "table", "kv", "chat", "ocr")),
    "shipyard_pass": Genre(("조선소 협력사 출입증 신청", "사내 협력업체 신규 인원 등록"), ("작업자", "협력사 대표"),
                           ("resident", "foreigner_registration", "phone", "business_registration", "driver_license"),
                           ("vehicle_plate", "event_date", "office_phone", "extension", "serial_number", "corporate_registration"),
                           ("출입증은 안전교육 이수 후 발급됩니다.", "차량 출입은 별도 신청입니다.",
                            "협력사 공문을 함께 제출하세요."), ("form", "table", "kv", "email", "ocr")),
    "logistics_shift": Genre(("물류센터 단기 근무 신청", "야간 출고 근무 확정 안내"), ("지원자", "근무자"),
                             ("phone", "birth_date", "bank_account", "resident", "email"),
                             ("time_range", "event_date", "amount", "call_centre", "address_number"),
                             ("셔틀버스 탑승 위치를 확인하세요.", "근무 확정 문자를 받은 분만 출근 가능합니다.",
                              "급여는 주 단위로 정산됩니다."), ("sms", "chat", "form", "table", "kv")),
    "rider_accident": Genre(("배달 라이더 사고 접수", "라이더 산재 신청 메모"), ("라이더", "상대방", "피해자"),
                            ("phone", "driver_license", "resident", "bank_account", "birth_date", "business_registration"),
                            ("vehicle_plate", "order_number", "receipt_number", "call_centre", "event_date", "amount"),
                            ("교차로에서 신호 대기 중 추돌당했습니다.", "블랙박스 영상은 보관 중입니다.",
                             "병원 진료 후 진단서를 보내드릴게요."), ALL_FORMS),
    "cvs_parttime_contract": Genre(("편의점 단시간근로자 근로계약서", "알바 계약 확인"), ("근로자", "점주"),
                                   ("phone", "resident", "bank_account", "birth_date", "business_registration"),
                                   ("amount", "time_range", "address_number", "event_date", "store_code"),
                                   ("주휴수당은 주 15시간 이상 근무 시 지급합니다.", "근로계약서 사본을 드렸습니다.",
                                    "시재 점검은 교대 시 함께 합니다."), ("form", "chat", "kv", "ocr", "prose")),
    "franchise_handover": Genre(("가맹점 양도양수 신청서", "점포 인수인계 체크리스트"), ("양도인", "양수인", "점주"),
                                ("business_registration", "phone", "resident", "bank_account", "email"),
                                ("store_code", "amount", "company_account", "office_phone", "event_date", "business_permit"),
                                ("재고 실사는 인수일 오전에 진행합니다.", "포스 계정은 본사에서 이관합니다.",
                                 "교육 이수 후 영업을 시작합니다."), ("form", "email", "kv", "table", "prose")),
    "security_guard_log": Genre(("경비 근무일지", "보안요원 교대 기록"), ("근무자", "방문자", "민원인"),
                                ("phone", "birth_date", "driver_license", "resident"),
                                ("time_range", "vehicle_plate", "room_number", "extension", "office_phone", "event_date"),
                                ("순찰 이상 없음.", "택배 보관함 점검 완료.", "지하 주차장 누수 보고함."), ("table", "form", "prose", "ocr")),
    "cleaning_staff_pay": Genre(("미화원 급여 지급 명세", "청소 용역 인원 명단"), ("미화원", "근로자"),
                                ("resident", "bank_account", "phone", "birth_date", "foreigner_registration"),
                                ("amount", "event_date", "company_account", "corporate_registration", "percentage"),
                                ("명절 상여금이 포함되었습니다.", "4대보험 공제 후 금액입니다.", "근무 구역은 다음 달에 바뀝니다."),
                                ("table", "form", "kv", "ocr")),
    "building_contractor": Genre(("건물 유지보수 협력업체 등록", "시설 보수 견적 요청"), ("담당자", "대표", "기사"),
                                 ("business_registration", "phone", "email", "bank_account", "driver_license"),
                                 ("amount", "tax_invoice", "office_phone", "fax", "event_date", "model_number", "shared_mailbox"),
                                 ("공사 기간 중 엘리베이터 한 대를 멈춥니다.", "세금계산서는 월말에 발행합니다.",
                                  "하자보수 기간은 2년입니다."), ("form", "email", "kv", "table", "prose")),
    "cosmetic_consultation": Genre(("성형외과 상담 기록지", "수술 예약 상담"), ("고객", "환자"),
                                   ("phone", "birth_date", "resident", "email", "credit_card"),
                                   ("amount", "event_date", "call_centre", "card_approval", "reservation_code"),
                                   ("수술 전 금식 시간을 지켜 주세요.", "예약금은 수술비에서 차감됩니다.",
                                    "실밥 제거는 일주일 뒤입니다."), ("form", "chat", "sms", "kv", "prose")),
    "dermatology_package": Genre(("피부과 시술 패키지 결제", "레이저 10회권 계약"), ("고객", "회원"),
                                 ("phone", "credit_card", "birth_date", "email", "bank_account"),
                                 ("amount", "card_approval", "terminal_id", "event_date", "office_phone", "coupon_code"),
                                 ("남은 회차는 양도할 수 없습니다.", "환불 시 사용한 회차는 정가로 계산합니다.",
                                  "시술 후 사흘은 사우나를 피하세요."), ("form", "sms", "chat", "kv", "table")),
    "herbal_medicine_order": Genre(("한의원 한약 조제 주문", "탕약 택배 발송 안내"), ("환자", "수령인"),
                                   ("phone", "birth_date", "resident", "bank_account", "email"),
                                   ("tracking_number", "amount", "company_account", "office_phone", "postcode", "lot_number"),
                                   ("한약은 냉장 보관하세요.", "하루 두 번 식후에 드세요.", "복용 중 불편하면 연락 주세요."),
                                   ("sms", "chat", "form", "prose", "kv")),
    "implant_instalment": Genre(("임플란트 분할 납부 약정서", "치과 치료비 분납 안내"), ("환자", "보호자"),
                                ("phone", "resident", "credit_card", "bank_account", "birth_date"),
                                ("amount", "virtual_account", "event_date", "office_phone", "card_approval"),
                                ("잔금은 보철 완료일에 냅니다.", "분납이 두 번 밀리면 치료가 중단됩니다.",
                                 "다음 내원일에 본을 뜹니다."), ("form", "sms", "kv", "prose", "ocr")),
    "maternity_record": Genre(("분만 예약 및 산모 기록", "산부인과 외래 메모"), ("산모", "보호자", "배우자", "신생아"),
                              ("resident", "phone", "birth_date", "email", "foreigner_registration"),
                              ("event_date", "room_number", "office_phone", "amount", "percentage"),
                              ("입원 가방 준비물 목록을 드렸습니다.", "진통이 5분 간격이면 바로 오세요.",
                               "보호자 1인만 상주할 수 있습니다."), ("form", "prose", "kv", "chat", "table")),
    "infertility_support": Genre(("난임부부 시술비 지원 신청서", "난임 지원 결정 통지"), ("신청인", "배우자"),
                                 ("resident", "phone", "bank_account", "birth_date", "email"),
                                 ("document_number", "amount", "event_date", "office_phone", "percentage"),
                                 ("지원 결정 통지서를 의료기관에 제출하세요.", "소득 기준은 적용되지 않습니다.",
                                  "시술 종류별 지원 횟수가 다릅니다."), PAPER),
    "birth_registration": Genre(("출생신고서", "출생신고 접수 확인"), ("신고인", "부", "모", "출생아"),
                                ("resident", "birth_date", "phone", "foreigner_registration", "passport"),
                                ("document_number", "postcode", "office_phone", "event_date", "address_number"),
                                ("출생증명서를 첨부하였습니다.", "자녀의 성과 본은 부의 성과 본을 따릅니다.",
                                 "신고는 출생일로부터 한 달 이내에 합니다."), PAPER),
    "child_allowance": Genre(("아동수당 지급 신청서", "아동수당 계좌 변경"), ("보호자", "신청인", "아동"),
                             ("resident", "bank_account", "phone", "birth_date", "email"),
                             ("amount", "event_date", "office_phone", "receipt_number", "hotline_short"),
                             ("수당은 매월 25일에 입금됩니다.", "아동 명의 계좌도 가능합니다.", "보호자 변경 시 다시 신청하세요."),
                             PAPER + ("sms",), True),
    "daycare_waitlist": Genre(("어린이집 입소 대기 신청", "입소 확정 안내"), ("보호자", "아동"),
                              ("birth_date", "resident", "phone", "email"),
                              ("receipt_number", "event_date", "office_phone", "percentage", "time_range"),
                              ("맞벌이 증빙을 제출하면 순위가 올라갑니다.", "입소 확정 후 7일 안에 등록하세요.",
                               "적응 기간은 두 주입니다."), ("form", "sms", "chat", "table", "email"), True),
    "walking_challenge": Genre(("걷기 챌린지 상금 지급", "만보 챌린지 당첨자 확인"), ("참가자", "당첨자"),
                               ("phone", "bank_account", "email", "birth_date", "resident"),
                               ("amount", "event_date", "coupon_code", "shared_mailbox", "version"),
                               ("앱을 최신 버전으로 업데이트해 주세요.", "상금은 제세공과금 공제 후 지급됩니다.",
                                "걸음 수는 자정 기준으로 집계됩니다."), ("sms", "email", "chat", "kv", "form")),
    "diet_programme": Genre(("다이어트 프로그램 계약서", "체중관리 12주 과정 등록"), ("회원", "고객"),
                            ("phone", "birth_date", "credit_card", "email", "bank_account"),
                            ("amount", "weight", "card_approval", "event_date", "office_phone", "percentage"),
                            ("식단표는 매주 월요일에 보내드립니다.", "중도 해지 시 위약금이 있습니다.",
                             "인바디 측정은 격주로 합니다."), ("form", "chat", "kv", "sms", "table")),
    "online_lecture_refund": Genre(("인강 환불 요청", "온라인 강의 수강 취소"), ("수강생", "회원"),
                                   ("email", "phone", "credit_card", "bank_account", "birth_date"),
                                   ("order_number", "amount", "course_code", "shared_mailbox", "call_centre", "transaction_id"),
                                   ("진도율 10% 미만이라 전액 환불 대상입니다.", "교재는 반송해야 합니다.",
                                    "환불은 결제 수단으로 돌아갑니다."), ("email", "chat", "form", "kv", "sms")),
    "exam_proctor_pay": Genre(("시험 감독관 수당 지급 명단", "감독 위원 위촉 확인"), ("감독관", "위원"),
                              ("resident", "bank_account", "phone", "email", "birth_date"),
                              ("amount", "room_number", "event_date", "office_phone", "percentage"),
                              ("수당은 소득세 3.3%를 떼고 지급합니다.", "감독 전 교육에 꼭 참석하세요.",
                               "고사실 배정표를 확인하세요."), ("table", "form", "email", "kv", "ocr")),
    "museum_docent": Genre(("박물관 도슨트 자원봉사자 명단", "해설 봉사 신청서"), ("봉사자", "도슨트"),
                           ("phone", "email", "birth_date", "resident"),
                           ("time_range", "event_date", "office_phone", "extension", "course_code"),
                           ("봉사 시간은 1365에 등록됩니다.", "해설 원고는 전시 개막 전까지 보내 주세요.",
                            "토요일 오후 조가 부족합니다."), ("table", "form", "chat", "email")),
    "theatre_pay": Genre(("극단 출연료 지급 내역", "공연 스태프 정산"), ("배우", "스태프"),
                         ("resident", "bank_account", "phone", "email", "business_registration"),
                         ("amount", "event_date", "percentage", "company_account", "seat_number"),
                         ("공연 회차별로 정산합니다.", "원천세 3.3%를 공제했습니다.", "연습 기간 교통비는 따로 드립니다."),
                         ("table", "form", "kv", "email", "chat")),
    "film_extra": Genre(("보조출연자 등록 카드", "촬영 현장 출연자 명단"), ("출연자", "보조출연자"),
                        ("phone", "resident", "bank_account", "birth_date", "email"),
                        ("time_range", "event_date", "amount", "address_number", "office_phone"),
                        ("의상은 검은색 정장입니다.", "새벽 촬영은 차량이 지원됩니다.", "대기 장소에서 이름을 확인합니다."),
                        ("table", "form", "chat", "sms", "ocr")),
    "wedding_mc": Genre(("결혼식 사회자 섭외 확인", "사회 진행 계약"), ("사회자", "신랑", "신부"),
                        ("phone", "bank_account", "email", "business_registration"),
                        ("event_date", "time_range", "amount", "office_phone", "company_account"),
                        ("식순은 이틀 전에 최종 확인합니다.", "축가 순서는 신랑 측에서 정합니다.",
                         "리허설은 예식 40분 전입니다."), ("chat", "email", "form", "sms", "kv")),
    "band_gig": Genre(("밴드 공연 출연 계약", "라이브 클럽 출연료 정산"), ("리더", "멤버", "출연자"),
                      ("phone", "bank_account", "email", "business_registration", "resident"),
                      ("amount", "event_date", "time_range", "company_account", "model_number"),
                      ("사운드체크는 공연 두 시간 전입니다.", "드럼 세트는 클럽 것을 씁니다.", "입장 수익의 절반을 드립니다."),
                      ("chat", "email", "kv", "form", "table")),
    "church_choir": Genre(("성가대원 명단", "찬양대 연락망"), ("대원", "지휘자", "반주자"),
                          ("phone", "email", "birth_date", "bank_account"),
                          ("event_date", "foundation_account", "office_phone", "time_range", "amount"),
                          ("성탄 칸타타 연습은 수요일 저녁입니다.", "가운은 교회에서 세탁합니다.",
                           "새 대원은 파트장에게 연락하세요."), ("table", "chat", "sms", "form")),
    "temple_lantern": Genre(("연등 접수 명단", "사찰 기도 접수"), ("접수자", "불자", "가족"),
                            ("phone", "birth_date", "bank_account", "email"),
                            ("foundation_account", "amount", "event_date", "office_phone", "receipt_number"),
                            ("연등은 초파일 전날까지 답니다.", "기도 기간은 백일입니다.", "가족 이름을 모두 적어 주세요."),
                            ("table", "form", "ocr", "chat", "prose")),
    "cathedral_marriage": Genre(("혼인 교리 신청서", "성당 혼인 서류 점검"), ("신랑", "신부", "대부"),
                                ("phone", "birth_date", "email", "resident", "passport"),
                                ("event_date", "office_phone", "foundation_account", "document_number", "time_range"),
                                ("세례 증명서는 본당에서 발급받으세요.", "교리는 토요일 오후에 두 번 있습니다.",
                                 "혼인 면담 날짜를 정해 주세요."), ("form", "email", "kv", "prose")),
    "neighbourhood_watch": Genre(("자율방범대 대원 명단", "야간 순찰 조 편성"), ("대원", "대장"),
                                 ("phone", "birth_date", "driver_license", "email"),
                                 ("time_range", "vehicle_plate", "office_phone", "event_date", "hotline_short"),
                                 ("순찰 중 이상이 있으면 바로 112에 신고합니다.", "조끼와 경광봉을 챙기세요.",
                                  "이번 달은 2조가 금요일을 맡습니다."), ("table", "chat", "sms", "form")),
    "rooftop_garden": Genre(("옥상 텃밭 모임 회원 명단", "텃밭 분양 신청"), ("회원", "신청자"),
                            ("phone", "email", "bank_account", "birth_date"),
                            ("amount", "event_date", "room_number", "company_account", "weight"),
                            ("물 주기 당번표를 확인하세요.", "퇴비는 공동으로 구매합니다.", "상추 수확은 다음 주 토요일."),
                            ("chat", "table", "sms", "form")),
    "doorlock_install": Genre(("도어락 설치 접수", "디지털 도어록 교체 A/S"), ("고객", "기사"),
                              ("phone", "credit_card", "bank_account", "business_registration", "email"),
                              ("model_number", "serial_number", "amount", "call_centre", "event_date", "card_approval"),
                              ("기존 도어락 철거 비용이 포함됩니다.", "비밀번호는 고객님이 직접 등록하세요.",
                               "건전지는 일 년에 한 번 교체하세요."), ("sms", "chat", "form", "kv", "prose")),
    "cctv_request": Genre(("CCTV 열람 신청서", "영상정보 열람 청구"), ("청구인", "신청인"),
                          ("phone", "resident", "birth_date", "email", "driver_license"),
                          ("event_date", "time_range", "office_phone", "vehicle_plate", "document_number"),
                          ("열람은 본인이 나온 부분만 가능합니다.", "타인 얼굴은 모자이크 처리합니다.",
                           "보관 기간은 30일입니다."), PAPER),
    "casino_membership": Genre(("카지노 회원 가입 신청서", "Casino member registration"), ("회원", "Guest"),
                               ("passport", "birth_date", "phone", "credit_card", "email", "foreigner_registration"),
                               ("amount", "event_date", "call_centre", "serial_number", "seat_number"),
                               ("내국인은 출입할 수 없습니다.", "칩 교환은 케이지에서 합니다.", "회원 카드는 양도할 수 없습니다."),
                               ("form", "bilingual", "kv", "table")),
}

# Who writes or receives each genre's papers, after a place or brand name.
OFFICES = {
    "jury_notice": ("지방법원", "지방법원 형사과"), "civil_defence": ("구청 민방위팀", "민방위교육장"),
    "village_hall_request": ("행정복지센터", "주민센터"), "seal_certificate": ("행정복지센터", "동 주민센터"),
    "move_in_report": ("행정복지센터", "주민센터 민원실"), "vehicle_inspection": ("자동차검사소", "종합검사소"),
    "traffic_fine_objection": ("경찰서 교통과", "구청 주차단속팀"), "bicycle_insurance": ("손해보험", "시민안전보험 센터"),
    "public_bike_support": ("공공자전거 고객센터", "자전거 대여소"), "subway_lost_property": ("유실물센터", "역무실"),
    "group_train_ticket": ("여행사", "역 단체 창구"), "airport_lounge": ("라운지", "카드 라운지 데스크"),
    "travel_insurance_claim": ("손해보험 해외보상팀", "여행자보험 센터"), "passport_reissue": ("구청 여권민원실", "여권과"),
    "consular_notarisation": ("총영사관", "대사관 영사과"), "intl_dormitory": ("대학교 국제교류처", "국제학사"),
    "language_exchange": ("언어교환 모임", "스터디 카페"), "korean_school_enrolment": ("대학교 한국어교육원", "어학당"),
    "topik_registration": ("TOPIK 지역 접수처", "한국어교육원"), "visa_extension": ("행정사 사무소", "출입국 민원 대행"),
    "multicultural_programme": ("가족센터", "다문화가족지원센터"), "eps_payslip": ("정밀", "산업 (주)"),
    "seafarer_contract": ("해운(주)", "수산 선주"), "seasonal_farm_worker": ("군청 농정과", "영농조합"),
    "day_labour_roster": ("인력", "인력개발"), "safety_training_cert": ("안전교육원", "건설안전기술원"),
    "forklift_crane_operator": ("중기", "크레인"), "shipyard_pass": ("조선 협력사 관리팀", "중공업 보안팀"),
    "logistics_shift": ("풀필먼트센터", "물류센터"), "rider_accident": ("배달대행", "라이더 지원센터"),
    "cvs_parttime_contract": ("편의점", "24 편의점"), "franchise_handover": ("F&B 가맹사업부", "가맹본부"),
    "security_guard_log": ("시큐리티", "관리사무소"), "cleaning_staff_pay": ("환경 (주)", "빌딩관리"),
    "building_contractor": ("시설관리", "설비"), "cosmetic_consultation": ("성형외과", "성형외과 상담실"),
    "dermatology_package": ("피부과", "피부과의원"), "herbal_medicine_order": ("한의원", "한방병원"),
    "implant_instalment": ("치과", "치과의원"), "maternity_record": ("여성병원", "산부인과"),
    "infertility_support": ("보건소", "보건소 모자보건팀"), "birth_registration": ("행정복지센터", "구청 가족관계등록팀"),
    "child_allowance": ("행정복지센터", "구청 아동복지과"), "daycare_waitlist": ("어린이집", "국공립어린이집"),
    "walking_challenge": ("걷기앱 운영팀", "헬스케어"), "diet_programme": ("다이어트센터", "바디랩"),
    "online_lecture_refund": ("인강", "에듀"), "exam_proctor_pay": ("교육청", "시험관리본부"),
    "museum_docent": ("박물관", "미술관 교육팀"), "theatre_pay": ("극단", "씨어터"), "film_extra": ("보조출연 에이전시", "엔터테인먼트"),
    "wedding_mc": ("웨딩", "이벤트"), "band_gig": ("라이브클럽", "뮤직"), "church_choir": ("교회", "교회 찬양대"),
    "temple_lantern": ("사", "사 종무소"), "cathedral_marriage": ("성당", "주교좌성당 사무실"),
    "neighbourhood_watch": ("자율방범대", "치안센터"), "rooftop_garden": ("아파트 텃밭모임", "마을공동체"),
    "doorlock_install": ("도어락", "디지털도어록 A/S"), "cctv_request": ("관리사무소", "구청 CCTV관제센터"),
    "casino_membership": ("카지노", "카지노 멤버십데스크"),
}

# Offices named after the place they serve rather than a brand.
PUBLIC_OFFICES = ("법원", "구청", "센터", "주민센터", "행정복지센터", "검사소", "경찰서", "역무실", "유실물센터",
                  "군청", "보건소", "교육청", "박물관", "치안센터", "교육장", "여권과", "대학교")
CITIES = ("서울", "부산", "수원", "인천", "대전", "광주", "청주", "전주", "창원", "제주", "마포구", "해운대구",
          "수성구", "성남시", "고양시", "안산시", "김해시", "오산시")
ABROAD = ("주호찌민", "주로스앤젤레스", "주오사카", "주시드니", "주프랑크푸르트", "주마닐라")

# --------------------------------------------------------------------------- look-alikes


def _corporate(r: random.Random) -> str:
    body = [int(c) for c in f"{r.choice((1101, 1301, 1358, 1201, 1601, 2841))}{r.choice((11, 71, 81))}{r.randrange(10**6):06d}"]
    check = (10 - sum(d * (1 if i % 2 == 0 else 2) for i, d in enumerate(body)) % 10) % 10
    s = "".join(map(str, body)) + str(check)
    return f"{s[:6]}-{s[6:]}"


def _isbn(r: random.Random) -> str:
    body = [9, 7, 9, 1, 1] + [r.randrange(10) for _ in range(7)]
    s = "".join(map(str, body)) + str(corpus.isbn_check(body))
    return f"{s[:3]}-{s[3:5]}-{s[5:9]}-{s[9:12]}-{s[12]}"


def _imei(r: random.Random) -> str:
    body = [3, 5] + [r.randrange(10) for _ in range(12)]
    return "".join(map(str, body)) + str(corpus.luhn_check(body))


def _date(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2025, 2027)
    return r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}", f"{y}년 {m}월 {d}일", f"{m}/{d}", f"{y}. {m}. {d}."))


def _expiry(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2027, 2036)
    return r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}", f"{d:02d} {('JAN', 'FEB', 'MAR', 'APR', 'MAY', 'JUN', 'JUL', 'AUG', 'SEP', 'OCT', 'NOV', 'DEC')[m - 1]} {y}"))


# A document's own dates beside its number: when a passport or a licence runs out.
EXPIRING = {"passport": ("만료일", "기간만료일", "Date of Expiry", "여권 유효기간"),
            "driver_license": ("적성검사 기간", "갱신기간", "면허 만료일"),
            "foreigner_registration": ("체류만료일", "체류기간 만료", "등록증 유효기간")}


def _digits(r, n):
    return corpus.random_digits(r, n)


def _area_phone(r):
    area = r.choice(("02", "031", "032", "051", "053", "042", "062", "064"))
    return f"{area}-{r.randrange(200, 990)}{r.randrange(10)}-{_digits(r, 4)}"


def _org_account(r):
    bank = r.choice(BANKS)
    return "-".join(_digits(r, n) for n in ACCOUNT_SHAPES[bank])


NEG_LABELS_AND_MAKERS = {
    "order_number": (("주문번호", "Order No.", "주문 번호"), lambda r: r.choice((f"2026{_digits(r, 4)}{_digits(r, 6)}", f"ORD-{_digits(r, 8)}", f"{_digits(r, 14)}"))),
    "tracking_number": (("운송장번호", "송장번호", "등기번호(택배)"), lambda r: r.choice((f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}", _digits(r, 12), f"6{_digits(r, 12)}"))),
    "tax_invoice": (("세금계산서 승인번호", "전자세금계산서 번호"), lambda r: f"2026{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}-{r.choice(('41', '42', '43', '45'))}{_digits(r, 6)}-{_digits(r, 8)}"),
    "receipt_number": (("접수번호", "신청번호", "민원 접수번호", "Ref. No."), lambda r: r.choice((f"2026-{_digits(r, 7)}", f"{_digits(r, 4)}-{_digits(r, 3)}-{_digits(r, 6)}", f"R{_digits(r, 10)}"))),
    "case_number": (("사건번호", "단속번호", "고지번호"), lambda r: r.choice((f"2026고단{r.randrange(100, 9999)}", f"2026과{r.randrange(1000, 99999)}", f"제{_digits(r, 4)}-{_digits(r, 6)}호"))),
    "document_number": (("문서번호", "발급번호", "증명서 번호"), lambda r: r.choice((f"민원과-{r.randrange(100, 99999)}", f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}", f"제2026-{_digits(r, 5)}호"))),
    "model_number": (("모델명", "Model", "제품 모델"), lambda r: r.choice((f"SHP-DP{r.randrange(600, 999)}", f"YDF-{_digits(r, 4)}B", f"FD{_digits(r, 2)}-{_digits(r, 5)}", f"KT-{_digits(r, 3)}X"))),
    "serial_number": (("제조번호", "S/N", "시리얼번호", "일련번호"), lambda r: r.choice((f"SN{_digits(r, 12)}", f"{_digits(r, 6)}-{_digits(r, 7)}", f"R58{_digits(r, 4)}K{_digits(r, 4)}"))),
    "event_date": (("행사일", "예약일", "검사일", "방문일", "접수일", "근무일"), _date),
    "deadline_date": (("제출기한", "납부기한", "신청마감", "처리기한"), _date),
    "amount": (("금액", "합계", "결제금액", "지급액", "수수료"), lambda r: r.choice((f"{r.randrange(1, 9999) * 1000:,}원", f"₩{r.randrange(10, 99999) * 100:,}", f"{r.randrange(1, 500)}만 원", f"{r.randrange(100000, 9999999)}원"))),
    "postcode": (("우편번호", "우)"), lambda r: f"{r.randrange(1000, 63700):05d}"),
    "address_number": (("주소", "현장 주소", "근무지"), lambda r: f"{r.choice(corpus.PLACES)} {r.choice(('중앙로', '공원로', '시장길', '학교로', '산업로'))} {r.randrange(1, 400)}-{r.randrange(1, 60)}"),
    "office_phone": (("대표번호", "대표전화", "사무실", "센터 전화"), _area_phone),
    "call_centre": (("고객센터", "콜센터", "상담센터", "ARS"), lambda r: f"{r.choice(('1588', '1577', '1544', '1644', '1600', '1666', '1899', '1522'))}-{_digits(r, 4)}"),
    "extension": (("내선", "내선번호", "교환"), lambda r: r.choice((str(r.randrange(100, 9999)), f"{r.randrange(1000, 9999)}번"))),
    "fax": (("팩스", "FAX", "Fax"), _area_phone),
    "hotline_short": (("민원 안내", "긴급전화", "문의"), lambda r: r.choice(("110", "120", "1330", "182", "1366", "129", "1345", "1350"))),
    "company_account": (("회사 계좌", "법인 계좌", "입금 계좌(회사)", "대금 입금처"), _org_account),
    "foundation_account": (("헌금 계좌", "후원 계좌", "재단 계좌", "보시 계좌"), _org_account),
    "virtual_account": (("가상계좌", "전용 가상계좌", "납부 계좌(1회용)"), lambda r: f"{r.choice(('5620', '2790', '9008', '2637'))}{_digits(r, 10)}"),
    "shared_mailbox": (("문의 메일", "대표 메일", "고객지원"), lambda r: f"{r.choice(('help', 'info', 'cs', 'contact', 'support', 'admin', 'office'))}@{r.choice(ORG_DOMAINS)}"),
    "corporate_registration": (("법인등록번호", "법인번호"), _corporate),
    "business_permit": (("통신판매업 신고번호", "교육기관 지정번호", "허가번호"), lambda r: r.choice((f"제2026-서울강남-{_digits(r, 5)}호", f"제{_digits(r, 2)}-{_digits(r, 4)}호", f"2026-경기수원-{_digits(r, 4)}"))),
    "vehicle_plate": (("차량번호", "차번호", "번호판"), lambda r: f"{r.randrange(10, 400)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주하허호')}{_digits(r, 4)}"),
    "vin": (("차대번호", "VIN"), lambda r: f"KMH{r.choice('DGHJ')}{_digits(r, 2)}{r.choice('ABCL')}{r.choice('PUY')}{_digits(r, 9)}"),
    "card_approval": (("승인번호", "카드 승인번호"), lambda r: _digits(r, 8)),
    "terminal_id": (("단말기번호", "TID", "가맹점번호"), lambda r: r.choice((_digits(r, 10), f"{_digits(r, 4)}{_digits(r, 4)}"))),
    "train_ticket": (("승차권번호", "발권번호"), lambda r: f"{_digits(r, 5)}-{_digits(r, 4)}-{_digits(r, 5)}-{_digits(r, 2)}"),
    "reservation_code": (("예약번호", "예약 코드", "PNR"), lambda r: r.choice((f"{r.choice('ABCDEFGHJKL')}{r.choice('MNPQRSTUVWX')}{_digits(r, 4)}", f"B{_digits(r, 9)}", "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(6))))),
    "flight_number": (("항공편", "편명", "Flight"), lambda r: f"{r.choice(('KE', 'OZ', '7C', 'LJ', 'TW', 'BX'))}{r.randrange(1, 999):03d}"),
    "room_number": (("호실", "객실", "강의실", "고사실"), lambda r: r.choice((f"{r.randrange(1, 25)}{r.randrange(1, 30):02d}호", f"B{r.randrange(1, 4)}-{r.randrange(1, 40)}", f"{r.randrange(101, 1999)}호"))),
    "seat_number": (("좌석", "좌석번호", "테이블"), lambda r: f"{r.choice('ABCDEFGH')}열 {r.randrange(1, 40)}번"),
    "isbn": (("교재 ISBN", "ISBN"), _isbn),
    "lot_number": (("제조번호(LOT)", "LOT", "로트번호"), lambda r: f"L{_digits(r, 2)}{r.choice('ABCD')}{_digits(r, 5)}"),
    "weight": (("중량", "체중 목표", "수확량"), lambda r: f"{r.randrange(1, 900)}.{r.randrange(10)}kg"),
    "time_range": (("근무시간", "운영시간", "교육시간", "시간"), lambda r: f"{r.randrange(5, 13):02d}:{r.choice(('00', '30'))}~{r.randrange(13, 24):02d}:{r.choice(('00', '30'))}"),
    "version": (("앱 버전", "버전"), lambda r: f"v{r.randrange(1, 9)}.{r.randrange(0, 30)}.{r.randrange(0, 10)}"),
    "coupon_code": (("쿠폰번호", "교환권 번호", "PIN"), lambda r: "-".join("".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ0123456789") for _ in range(4)) for _ in range(4))),
    "transaction_id": (("거래번호", "결제번호", "TX ID"), lambda r: r.choice((f"T{_digits(r, 16)}", f"{_digits(r, 8)}-{_digits(r, 6)}"))),
    "course_code": (("강좌코드", "과정코드", "반"), lambda r: f"{r.choice(('KOR', 'LV', 'CS', 'EDU'))}-{r.randrange(100, 999)}{r.choice('ABC')}"),
    "percentage": (("공제율", "지원율", "진도율", "경쟁률"), lambda r: r.choice((f"{r.randrange(1, 100)}.{r.randrange(10)}%", f"{r.randrange(1, 100)}%"))),
    "e_payment_number": (("전자납부번호", "납부번호"), lambda r: f"{_digits(r, 5)}-{_digits(r, 1)}-{_digits(r, 2)}-{_digits(r, 2)}-{_digits(r, 9)}"),
    "certificate_number": (("이수번호", "자격번호", "수료증 번호"), lambda r: r.choice((f"제{_digits(r, 2)}-{_digits(r, 6)}호", f"2026-{_digits(r, 2)}-{_digits(r, 6)}"))),
    "store_code": (("점포코드", "가맹점 코드", "매장번호"), lambda r: r.choice((f"{_digits(r, 5)}", f"GS{_digits(r, 6)}", f"CU-{_digits(r, 5)}"))),
    "vessel_number": (("선박번호", "어선번호", "IMO"), lambda r: r.choice((f"{_digits(r, 6)}-{_digits(r, 7)}", f"IMO {r.randrange(9000000, 9999999)}"))),
    "imei": (("IMEI", "단말기 고유번호"), _imei),
}
NEG_CATEGORIES = tuple(NEG_LABELS_AND_MAKERS) + ("document_expiry",)
# An organisation's own numbers: one per document, never one per row of a roster.
ORG_NEGATIVES = ("office_phone", "call_centre", "extension", "fax", "hotline_short", "company_account",
                 "foundation_account", "virtual_account", "shared_mailbox", "corporate_registration",
                 "business_permit")
# Categories any genre's papers may carry besides their own.
COMMON_NEGATIVES = ("amount", "event_date", "deadline_date", "office_phone", "call_centre", "isbn", "imei",
                    "postcode", "shared_mailbox", "virtual_account", "fax", "tracking_number", "order_number",
                    "extension", "corporate_registration", "tax_invoice", "lot_number")


# --------------------------------------------------------------------------- documents

@dataclass
class _Field:
    """One labelled item of a document: a value (written) or a look-alike (category)."""
    label: str
    text: str
    written: Written | None = None
    category: str = ""


PUNCT = (": ", " : ", "：", ": ", " - ", " ", ") ", "= ")


class _Doc:
    def __init__(self, genre: str, r: random.Random) -> None:
        self.name, self.g, self.r = genre, GENRES[genre], r
        self.w = _Writer(genre, PART)
        self.values = _Values(r)
        office = r.choice(OFFICES[genre])
        if office.endswith(("총영사관", "대사관 영사과")):
            self.org = f"{r.choice(ABROAD)} {office}"
        elif any(office.endswith(w) or w + " " in office for w in PUBLIC_OFFICES):
            self.org = f"{r.choice(CITIES)} {office}"
        else:
            self.org = f"{r.choice(ORG_NAMES)}{r.choice(('', ' '))}{office}"
        self.org_domain = r.choice(ORG_DOMAINS)

    # ---- choosing what a document holds

    def person_fields(self, english: bool = False, role: str = "", prefix: bool = True) -> list[_Field]:
        r, g = self.r, self.g
        child = role in CHILD_ROLES
        offered = [k for k in g.kinds if k in (("resident", "birth_date") if role in NEWBORN_ROLES else CHILD_KINDS)] \
            if child else g.kinds
        kinds = [k for i, k in enumerate(offered) if r.random() < (0.9, 0.75, 0.55, 0.45, 0.38, 0.33)[min(i, 5)]]
        if not kinds:
            kinds = [offered[0]]
        fields = []
        bank = r.choice(BANKS)
        for k in kinds:
            w = self.values.make(k, young=child or g.young and not role, newborn=role in NEWBORN_ROLES,
                                 bank=bank, work_domain=self.org_domain if k == "email" and r.random() < 0.15 else None)
            label = self.label(k, english, role if prefix or child else "")
            if k == "bank_account" and r.random() < 0.7:
                label = f"{label}({bank})" if r.random() < 0.5 else f"{bank} {label}"
            fields.append(_Field(label, w.text, written=w))
            if k in EXPIRING and r.random() < 0.35:
                fields.append(_Field(r.choice(EXPIRING[k]), _expiry(r), category="document_expiry"))
        return fields

    def label(self, kind: str, english: bool, role: str) -> str:
        r = self.r
        pool = LABELS[kind]
        if english:
            latin = [l for l in pool if l.isascii()]
            base = r.choice(latin) if latin else r.choice(pool)
            return f"{base}({r.choice([l for l in pool if not l.isascii()])})" if r.random() < 0.5 else base
        base = r.choice([l for l in pool if not l.isascii()] if r.random() < 0.8 else pool)
        return f"{role} {base}" if role and (role in CHILD_ROLES or r.random() < 0.35) else base

    def negative_fields(self, n: int) -> list[_Field]:
        r = self.r
        cats = list(self.g.negatives)
        r.shuffle(cats)
        picked = cats[:max(1, n - 1)] + ([r.choice(COMMON_NEGATIVES)] if n > 1 else [])
        out = []
        for c in dict.fromkeys(picked):
            labels, make = NEG_LABELS_AND_MAKERS[c]
            label = r.choice(labels)
            if c in ("office_phone", "fax", "call_centre", "company_account") and r.random() < 0.4:
                label = f"{self.org} {label}"
            out.append(_Field(label, make(r), category=c))
        return out

    # ---- writing fields down

    def put(self, f: _Field, frame: str, situation: str = "label_punct") -> None:
        if f.written is not None:
            self.w.value(f.written, situation, f.label, frame)
        else:
            self.w.negative(f.category, f.text, frame)

    def line(self, f: _Field, frame: str, lead: str = "", punct: str | None = None, tail: str = "\n") -> None:
        self.w.add(f"{lead}{f.label}{punct if punct is not None else self.r.choice(PUNCT)}")
        self.put(f, frame)
        self.w.add(tail)

    def filler(self) -> None:
        self.w.add(self.r.choice(self.g.lines) + "\n")

    def recast(self, fields: list[_Field], how) -> list[_Field]:
        return [_Field(f.label, (w := how(f.written)).text, written=w) if f.written is not None else f for f in fields]

    # ---- forms

    def form(self) -> None:
        r = self.r
        lead = r.choice(("", "■ ", "○ ", "- ", "· ", "[", "▶ "))
        close = "] " if lead == "[" else None
        self.w.add(f"{r.choice(self.g.titles)}\n{'=' * r.randrange(8, 24)}\n")
        names = []
        for role in r.sample(self.g.role, k=min(len(self.g.role), r.choice((1, 1, 2)))):
            opening, closing = r.choice((("", ""), ("<", ">"), ("[", "]"), ("【", "】"), ("", ":")))
            self.w.add(f"{opening}{role}{r.choice((' 인적사항', ' 정보', '', ' 기재란'))}{closing}\n")
            names.append(_person(r))
            self.w.add(f"{lead}성명{close or ': '}{names[-1]}\n")
            for f in self.person_fields(role=role):
                self.line(f, "form_line", lead, close)
        if r.random() < 0.6:
            self.filler()
        for f in self.negative_fields(r.randrange(2, 5)):
            self.line(f, "form_line", lead, close)
        if r.random() < 0.5:
            self.w.add(f"\n위 내용이 사실과 다름없음을 확인합니다.\n2026년 {r.randrange(1, 13)}월 {r.randrange(1, 29)}일  신청인 {names[0]} (서명)\n")

    def fullwidth(self) -> None:
        r = self.r
        self.w.add(f"【{r.choice(self.g.titles)}】\n")
        fields = self.recast(self.person_fields(role=r.choice(self.g.role)), _fullwidth)
        for f in fields + self.negative_fields(r.randrange(2, 4)):
            self.line(f, "fullwidth_line", "", r.choice(("：", "： ", " ： ")))
        self.filler()

    def ocr(self) -> None:
        r = self.r
        title = r.choice(self.g.titles)
        self.w.add(" ".join(title) if r.random() < 0.3 else title.replace(" ", "  "))
        self.w.add("\n" + r.choice(("|||", "~~", "__", "")) + "\n")
        fields = self.recast(self.person_fields(role=r.choice(self.g.role)), lambda w: _ocr(w, r))
        for f in fields + self.negative_fields(r.randrange(2, 4)):
            self.w.add(r.choice(("", "| ", "ㅣ", " ")))
            self.line(f, "ocr_line", "", r.choice((" : ", ":", " ; ", " ", ". ")), r.choice(("\n", " |\n", "  \n")))
        self.w.add(r.choice(("(인)", "[직인]", "서 명 ___", "")) + "\n")

    def bilingual(self) -> None:
        r = self.r
        self.w.add(f"{r.choice(self.g.titles)} / Application Form\n")
        self.w.add(f"Name (성명): {r.choice(FOREIGN_NAMES) if r.random() < 0.6 else _person(r)}\n")
        for f in self.person_fields(english=True):
            self.line(f, "bilingual_line", "", r.choice((": ", " : ", " ")))
        for f in self.negative_fields(r.randrange(2, 4)):
            self.line(f, "bilingual_line")
        self.w.add(r.choice(("Signature: ________\n", "서명(Signature): \n", "")))

    def kv(self) -> None:
        r = self.r
        style = r.choice(("eq", "yaml", "inline", "json"))
        fields = self.person_fields() + self.negative_fields(r.randrange(2, 4))
        r.shuffle(fields)
        record = f"{self.name}_{r.randrange(1000, 99999)}"
        self.w.add(r.choice((f"# {record}\n", f"[{r.choice(self.g.titles)}]\n", f"-- export {record}\n")))
        if style == "json":
            self.w.add("{")
        for i, f in enumerate(fields):
            key = r.choice(KEYS[f.written.kind]) if f.written is not None and r.random() < 0.6 else f.label
            f = _Field(key, f.text, f.written, f.category)
            sep = ", " if i else ""
            if style == "eq":
                self.w.add(f"{key}=")
                self.put(f, "kv_pair", "log_key")
                self.w.add("\n")
            elif style == "yaml":
                self.w.add(f"  {key}: ")
                self.put(f, "kv_pair", "log_key")
                self.w.add("\n")
            elif style == "inline":
                self.w.add(f"{'; ' if i else ''}{key}=")
                self.put(f, "kv_pair", "log_key")
            else:
                self.w.add(f'{sep}"{key}": "')
                self.put(f, "kv_pair", "json_key")
                self.w.add('"')
        self.w.add("}\n" if style == "json" else "\n")

    def table(self) -> None:
        r = self.r
        style = r.choice(("csv", "tsv", "pipe", "markdown"))
        kinds = [k for k in self.g.kinds if r.random() < 0.7] or [self.g.kinds[0]]
        row_negatives = [c for c in self.g.negatives if c not in ORG_NEGATIVES]
        negs = r.sample(row_negatives, k=min(2, len(row_negatives)))
        bank = r.choice(BANKS)
        headers = ["순번", "성명"] + [self.label(k, False, "") if k != "bank_account" else f"계좌번호({bank})" for k in kinds] \
            + [r.choice(NEG_LABELS_AND_MAKERS[c][0]) for c in negs]
        sep = {"csv": ",", "tsv": "\t", "pipe": " | ", "markdown": " | "}[style]
        self.w.add(f"{r.choice(self.g.titles)}\n")
        wrap = ("| ", " |") if style == "markdown" else ("", "")
        self.w.add(wrap[0] + sep.join(headers) + wrap[1] + "\n")
        if style == "markdown":
            self.w.add("|" + "|".join("---" for _ in headers) + "|\n")
        for row in range(r.randrange(2, 7)):
            self.w.add(f"{wrap[0]}{row + 1}{sep}{_person(r)}")
            for i, k in enumerate(kinds):
                self.w.add(sep)
                w = self.values.make(k, young=self.g.young, bank=bank)
                if style == "csv" and "," in w.text:
                    w = Written(w.kind, w.text.replace(",", ""), w.writing, w.masked)
                self.w.value(w, "table_header", headers[2 + i], f"{style}_table")
            for j, c in enumerate(negs):
                self.w.add(sep)
                text = NEG_LABELS_AND_MAKERS[c][1](self.r)
                self.w.negative(c, text.replace(",", "") if style == "csv" else text, f"{style}_table")
            self.w.add(wrap[1] + "\n")
        if r.random() < 0.5:
            self.filler()
        for f in self.negative_fields(r.randrange(1, 3)):
            if f.category in ORG_NEGATIVES:
                self.line(f, "table_footer", r.choice(("※ ", "* ", "")))

    def chat(self) -> None:
        r = self.r
        me, them = _person(r), f"{self.org} {r.choice(('담당자', '매니저', '상담원', '실장님', '팀장'))}"
        clock = [r.randrange(8, 22), r.randrange(0, 60)]
        style = r.randrange(3)

        def speaker(who: str) -> None:
            clock[1] += r.randrange(0, 7)
            clock[0] += clock[1] // 60
            clock[1] %= 60
            h = clock[0] % 24
            stamp = (f"[{'오전' if h < 12 else '오후'} {(h - 1) % 12 + 1}:{clock[1]:02d}] ", f"{h:02d}:{clock[1]:02d} ", "")[style]
            self.w.add(f"{stamp}{who}: ")

        speaker(them)
        self.w.add(r.choice(("안녕하세요, 접수 도와드릴게요. ", "확인을 위해 몇 가지 여쭤볼게요. ", "네 말씀하세요. ")) + r.choice(self.g.lines) + "\n")
        for f in self.person_fields(english=r.random() < 0.15, role=r.choice(self.g.role), prefix=False):
            if r.random() < 0.5:
                speaker(them)
                self.w.add(f"{f.label} {r.choice(('알려주시겠어요?', '불러 주세요', '확인 부탁드려요', '맞으실까요?'))}\n")
                speaker(me)
                self.w.add(r.choice(("", "네 ", "넵 ", "아 네, ")))
                self.put(f, "chat_answer", "chat_question")
                self.w.add(r.choice(("", " 입니다", "이요", " 이에요", " 요")) + "\n")
            else:
                speaker(me)
                self.w.add(f"{r.choice(('제 ', '저 ', ''))}{f.label}{r.choice((' ', '는 ', '은 ', ': '))}")
                self.put(f, "chat_line", "chat_cue")
                self.w.add(r.choice((" 입니다", "요", "", " 이에요", "이고요")) + "\n")
        for f in self.negative_fields(r.randrange(1, 4)):
            speaker(them)
            self.w.add(r.choice(("참고로 ", "", "그리고 ")) + f"{f.label} ")
            self.put(f, "chat_line")
            self.w.add(r.choice((" 입니다.", " 확인하세요.", " 로 안내드려요.", "")) + "\n")
        speaker(me)
        self.w.add(r.choice(("감사합니다!", "네 알겠습니다", "ㅇㅋ 감사해요", "수고하세요~")) + "\n")

    def email(self) -> None:
        r = self.r
        sender = self.values.email()
        header = "보낸사람" if r.random() < 0.6 else "From"
        self.w.add(f"{header}: {_person(r)} <")
        self.w.value(sender, "email_header", header, "email_header")
        self.w.add(">\n받는사람: ")
        self.w.negative("shared_mailbox", NEG_LABELS_AND_MAKERS["shared_mailbox"][1](r), "email_header")
        self.w.add(f"\n제목: [{self.org}] {r.choice(self.g.titles)} 관련\n\n안녕하세요. {r.choice(self.g.lines)}\n")
        for f in self.person_fields(role=r.choice(self.g.role)):
            self.line(f, "email_body", r.choice(("- ", "", "* ")))
        for f in self.negative_fields(r.randrange(1, 3)):
            self.line(f, "email_body", r.choice(("- ", "")))
        staff = _person(r)
        self.w.add(f"\n감사합니다.\n{self.org} {r.choice(('총무팀', '고객지원팀', '운영팀', '사무국'))} {staff} 드림\n")
        if r.random() < 0.7:
            label = r.choice(("직통", "Direct", "담당자 직통"))
            self.w.add(f"{label}{r.choice((' ', ': '))}")
            self.w.value(Written("phone", _area_phone(r), "direct_line", False), "signature", label, "signature")
            self.w.add(" / " + r.choice(("대표 ", "T. ", "대표번호 ")))
            self.w.negative("office_phone", _area_phone(r), "signature")
            self.w.add("\n")
        if r.random() < 0.5:
            self.w.add("사업자등록번호 ")
            self.w.value(self.values.business(), "signature", "사업자등록번호", "signature")
            self.w.add(" | 법인등록번호 ")
            self.w.negative("corporate_registration", _corporate(r), "signature")
            self.w.add("\n")

    def notice(self) -> None:
        """An official letter: a recipient block with the person's numbers in brackets after their
        name, numbered paragraphs, the office's numbers at the foot."""
        r = self.r
        fields = self.person_fields(role=r.choice(self.g.role), prefix=False)
        self.w.add(f"{self.org}\n{r.choice(('문서번호', '시행'))} ")
        self.w.negative("document_number", NEG_LABELS_AND_MAKERS["document_number"][1](r), "notice_head")
        self.w.add(f"\n수신  {_person(r)} 귀하 (")
        first, rest = fields[0], fields[1:]
        self.w.add(f"{first.label} ")
        self.put(first, "notice_recipient")
        self.w.add(f")\n제목  {r.choice(self.g.titles)}\n\n")
        self.w.add(f"1. {r.choice(self.g.lines)}\n")
        for n, f in enumerate(rest, start=2):
            self.w.add(f"{n}. {r.choice(('본인 확인 정보', '신청 내역', '기재 사항'))}: {f.label} ")
            self.put(f, "notice_paragraph")
            self.w.add("\n")
        negatives = self.negative_fields(r.randrange(2, 5))
        number = len(rest) + 2
        for f in negatives:
            if f.category not in ORG_NEGATIVES:
                self.w.add(f"{number}. {f.label}: ")
                self.put(f, "notice_paragraph")
                self.w.add("\n")
                number += 1
        self.w.add(f"{number}. 문의: {r.choice(('대표전화', '민원실', '담당 부서'))} ")
        self.w.negative("office_phone", _area_phone(r), "notice_foot")
        for f in negatives:
            if f.category in ORG_NEGATIVES:
                self.w.add(f"{r.choice((', ', ' / ', ' · '))}{f.label} ")
                self.put(f, "notice_foot")
        self.w.add(f"\n\n{self.org}장 {r.choice(('(직인생략)', '[인]', ''))}\n")

    def checklist(self) -> None:
        """A list of papers to bring, each ticked item with the number it carries."""
        r = self.r
        self.w.add(f"{r.choice(self.g.titles)} - {r.choice(('제출서류 확인', '준비물 체크', '서류 점검표'))}\n")
        papers = {"resident": "주민등록등본", "foreigner_registration": "외국인등록증 사본", "passport": "여권 사본",
                  "driver_license": "운전면허증 사본", "bank_account": "통장 사본", "business_registration": "사업자등록증 사본",
                  "credit_card": "결제 카드", "phone": "연락처", "email": "회신 메일", "birth_date": "가족관계증명서"}
        for f in self.person_fields(role=r.choice(self.g.role)):
            paper = papers[f.written.kind] if f.written is not None else "유효기간 확인"
            self.w.add(f"{r.choice(('☑', '☐', '[v]', '[ ]', '✔'))} {paper} ({f.label}{r.choice((': ', ' '))}")
            self.put(f, "checklist_item")
            self.w.add(")\n")
        for f in self.negative_fields(r.randrange(1, 3)):
            self.w.add(f"{r.choice(('☐', '[ ]', '※'))} {f.label}{r.choice((': ', ' '))}")
            self.put(f, "checklist_item")
            self.w.add("\n")
        self.filler()

    def sms(self) -> None:
        r = self.r
        self.w.add(r.choice(("[Web발신]\n", "(광고) ", "[알림] ", "")) + f"[{self.org}] {r.choice(self.g.titles)} 안내\n")
        for f in self.person_fields(role=r.choice(self.g.role), prefix=False):
            self.line(f, "sms_line", r.choice(("", "▶", "- ")), r.choice((":", ": ", " ")))
        for f in self.negative_fields(r.randrange(1, 3)):
            self.line(f, "sms_line", "", r.choice((":", ": ", " ")))
        self.w.add(r.choice(self.g.lines) + r.choice(("", " 문의는 고객센터로", " 회신 바랍니다.")) + "\n")

    def prose(self) -> None:
        r = self.r
        role = r.choice(self.g.role)
        self.w.add(f"{r.choice(self.g.titles)} 메모 - {self.org}\n")
        self.w.add(f"{role} {_person(r)} 님이 {r.choice(('방문', '전화', '문자로 문의', '온라인 접수'))}하셨습니다. ")
        for f in self.person_fields(role=role):
            self.w.add(r.choice(("", "확인 결과 ", "본인 말로는 ", "서류상 ")) + f"{f.label}{r.choice((' ', ': ', '은(는) '))}")
            self.put(f, "prose_sentence", "prose_cue")
            self.w.add(r.choice((" 이고, ", " 입니다. ", "(으)로 확인했습니다. ", " 으로 되어 있습니다. ")))
        for f in self.negative_fields(r.randrange(1, 4)):
            self.w.add(f"{f.label}{r.choice((' ', ': ', '은(는) '))}")
            self.put(f, "prose_sentence")
            self.w.add(r.choice((" 입니다. ", "(으)로 안내했습니다. ", " (참고). ")))
        self.w.add(r.choice(self.g.lines) + "\n")


def document(i: int, seed: int = 1) -> Document:
    """Document i of the part for a seed: the same on every machine."""
    r = random.Random(f"blind15:{seed}:{i}")
    names = tuple(GENRES)
    genre = names[i % len(names)] if i < len(names) else r.choice(names)
    d = _Doc(genre, r)
    getattr(d, r.choice(d.g.forms))()
    return d.w.document()


def generate(count: int = 1500, seed: int = 1) -> list[Document]:
    """`count` labelled documents; a smaller count gives a prefix of a larger one."""
    if count < 0:
        raise ValueError(f"count must be at least 0, not {count}")
    return [document(i, seed) for i in range(count)]


if __name__ == "__main__":
    import sys
    from labelled import show, summary
    docs = generate(int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES))
    show(docs)
    print(summary(docs))
