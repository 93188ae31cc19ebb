"""The eleventh blind part (`blind11`): labelled Korean documents of everyday life that the other
parts do not write: pharmacy and optician orders, gym and PT contracts, hagwon enrolments,
apartment management offices, moving quotes, lost and found, volunteer rosters, blood donation,
library cards, game and shopping-mall support, insurance claims by text, gold and pawn shops,
wedding halls, photo studios, interior works, dormitories, vaccination records, in-app identity
checks, landlord-tenant chats, police reports, appliance repairs, phone repair shops, laundry
pick-ups, flower orders, tutoring matches, housekeeper matches, shared offices, alumni
directories, print shops, church bulletins, car sharing, language schools, share houses, gift
cards, ski rentals, parking permits, tax-free receipts, card loss, franchise inquiries, book
buy-backs, bulky-waste notices and pet hotels; in forms, tables, chats, e-mails, logs, JSON, a
scanned form and a full-width one. Written apart from the rules and never tuned on: read its figures,
never steer a rule by them.

    docs = labelled_blind11.generate(1500, seed=1)

Each `labelled.Document` holds its genre, its text, the personal values in it (`labelled.Value`,
exact character and UTF-8 byte spans) and the hard negatives in it (`labelled.Negative`).

What counts as a value: whatever identifies or reaches a person. A person's own telephone (a
050x safe number rings a person too, and so does a direct line written for one person), their
e-mail address (a work address in a person's name as well), their bank account, their resident,
foreigner, card, licence and passport numbers, their birth date, and every business
registration number (a sole trader's number is a person's). Partly masked values
(`010-****-5678`, `880101-1******`) are values.

What counts as a negative: organisations' numbers and everything that only looks like a value.
An office's or company's main or call-centre number, a fax, a toll-free number, a bare
extension, the account of a company, church or foundation, a virtual account opened for one
bill, a shared office mailbox (help@, info@, no-reply@ of a company); and order, tracking,
invoice, receipt, booking and case numbers, model and serial numbers, IMEI and MAC addresses,
barcodes, gift-card PINs, dates that are no one's birth date, amounts, postcodes, plates and
the like.

The same seed gives the same documents, and a smaller count gives a prefix of a larger one.
"""

from __future__ import annotations

import random
import re

import corpus
import labelled
from labelled import Document, Negative, Value

KINDS = labelled.KINDS
PART = "blind11"
DEFAULT_COUNT = 1500

FULL = str.maketrans("0123456789-:", "０１２３４５６７８９－：")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
# Letters a scan or a hurried typist puts for digits.
OCR_LETTERS = {"0": "O", "1": "l", "5": "S", "8": "B"}

# --------------------------------------------------------------------------- word pools

SURNAMES = "김이박최정강조윤장임한오서신권황안송전홍유고문양손배백허남노하곽"
GIVEN = ("민준 서윤 도윤 지우 하준 서연 주원 하은 예준 지유 시우 수아 은우 지아 유준 윤서 정우 채원 "
         "승현 다은 영수 미숙 정희 순자 경호 상철 현주 혜영 태호 은정 동현 수진 재훈 나래 성민 유나 "
         "건우 소윤 민재 예린 광수 말순 봉석 옥자").split()
ROMAN_GIVEN = ("minjun seoyun doyun jiwoo hajun seoyeon juwon haeun yejun jiyu siwoo sua eunwoo jia "
               "yujun yunseo jungwoo chaewon seunghyun daeun youngsoo misook jeonghee kyungho "
               "sangchul hyunjoo hyeyoung taeho eunjung donghyun sujin jaehoon narae sungmin yuna "
               "gunwoo soyun minjae yerin").split()
ROMAN_SUR = "kim lee park choi jung kang cho yoon jang lim han oh seo shin kwon hwang ahn song".split()
NICK_WORDS = ("sunny", "bluewhale", "happymom", "coffee", "dalbit", "haru", "mango", "tiger",
              "starlight", "pado", "sky", "moon", "ggul", "bori", "choco", "ddalgi")
MAIL_DOMAINS = ("naver.com", "naver.com", "gmail.com", "gmail.com", "daum.net", "hanmail.net",
                "kakao.com", "nate.com", "hotmail.com", "icloud.com", "outlook.com", "yahoo.co.kr",
                "korea.kr")
# (name, web domain) of businesses that write to people or are written to.
COMPANIES = (("(주)한울익스프레스이사", "hanulmove.co.kr"), ("㈜새솔인테리어", "saesol-int.com"),
             ("밝은눈안경원", "balgeunnun.kr"), ("튼튼약국", "teunteunpharm.co.kr"),
             ("(주)라온게임즈", "raongames.com"), ("마켓온누리(주)", "marketonnuri.co.kr"),
             ("㈜다올손해보험", "daolins.co.kr"), ("그랜드라비엔웨딩홀", "grandlavie.co.kr"),
             ("봄날사진관", "bomnalphoto.com"), ("(주)하이케어가전서비스", "hicare-svc.co.kr"),
             ("픽스폰 수리센터", "fixphone.kr"), ("빨래요정(주)", "ppallae.co.kr"),
             ("꽃담플라워", "kkotdam.com"), ("(주)스마트과외", "smartgwaoe.com"),
             ("(주)홈메이트", "homemate.co.kr"), ("워크온 공유오피스", "workon.space"),
             ("(주)한빛인쇄", "hanbitprint.co.kr"), ("(주)페이든", "paiden.io"), ("스타일숲 명동점", "stylesoop.kr"),
             ("(주)달콤커피 가맹본부", "dalkomfc.co.kr"), ("한국대학교 한국어학당", "klc.hankook.ac.kr"),
             ("(주)기프티온", "gifti-on.com"), ("(주)책방지기", "bookjigi.com"), ("금빛나 금은방", "goldbitna.kr"), ("한국대학교 생활관", "dorm.hankook.ac.kr"),
             ("바른피트니스", "bareunfit.kr"), ("엘리트수학학원", "elitemath.ac.kr"))
# The business that writes or receives each genre's papers, where there is one.
GENRE_COMPANY = {"pharmacy_order": "튼튼약국", "optician": "밝은눈안경원", "game_support": "(주)라온게임즈",
                 "mall_support": "마켓온누리(주)", "insurance_text": "㈜다올손해보험", "wedding_hall": "그랜드라비엔웨딩홀",
                 "photo_studio": "봄날사진관", "appliance_repair": "(주)하이케어가전서비스",
                 "phone_repair": "픽스폰 수리센터", "laundry_pickup": "빨래요정(주)", "flower_order": "꽃담플라워",
                 "tutoring_match": "(주)스마트과외", "housekeeper_match": "(주)홈메이트",
                 "shared_office": "워크온 공유오피스", "print_shop": "(주)한빛인쇄", "kyc_app": "(주)페이든",
                 "gym_pt": "바른피트니스", "hagwon_enrolment": "엘리트수학학원",
                 "moving_quote": "(주)한울익스프레스이사", "interior_repair": "㈜새솔인테리어",
                 "tax_free_shopping": "스타일숲 명동점", "franchise_inquiry": "(주)달콤커피 가맹본부",
                 "language_institute": "한국대학교 한국어학당", "giftcard_support": "(주)기프티온",
                 "book_buyback": "(주)책방지기", "gold_pawn": "금빛나 금은방", "dormitory": "한국대학교 생활관"}
CHURCHES = (("새빛교회", "saebit.or.kr"), ("은혜중앙교회", "eunhyechurch.org"), ("사랑의교회 청년부", "sarang-youth.org"),
            ("성산성당", "seongsan.catholic.or.kr"), ("푸른숲교회", "pureunsup.church"))
FOUNDATIONS = ("(재)한마음나눔재단", "(사)희망의집", "(재)푸른내일장학재단", "(사)함께걷는길")
PLACES = ("강남구 역삼동", "마포구 합정동", "송파구 잠실동", "수원시 영통구", "성남시 분당구", "부산 해운대구",
          "대구 수성구", "광주 북구", "대전 유성구", "인천 연수구", "청주시 흥덕구", "전주시 완산구",
          "고양시 일산동구", "용인시 수지구", "창원시 의창구", "제주시 노형동")
APARTMENTS = ("래미안", "푸르지오", "자이", "힐스테이트", "e편한세상", "롯데캐슬", "주공", "한신", "현대")
PRODUCTS = ("드럼세탁기", "양문형 냉장고", "벽걸이 에어컨", "전기레인지", "로봇청소기", "식기세척기",
            "건조기", "스탠드 김치냉장고", "무선청소기")
PHONES = ("갤럭시 S24", "갤럭시 Z플립5", "아이폰 15 Pro", "아이폰 13 mini", "갤럭시 A54")
FLOWERS = ("근조 3단화환", "축하 3단화환", "장미 꽃다발", "동양란", "관엽식물 금전수", "호접란 2대")
SUBJECTS = ("수학", "영어", "국어", "과학", "코딩", "피아노")
SCHOOLS = ("한빛초", "서울중", "대원고", "새솔중", "청운고", "해오름초")
BANKS = (  # name, account number groups
    ("국민", (6, 2, 6)), ("KB국민은행", (6, 2, 6)), ("신한", (3, 3, 6)), ("신한은행", (3, 2, 6)),
    ("우리", (4, 3, 6)), ("우리은행", (4, 3, 6)), ("하나", (3, 6, 5)), ("농협", (3, 4, 4, 2)),
    ("NH농협", (3, 4, 4, 2)), ("카카오뱅크", (4, 2, 7)), ("기업", (3, 6, 2, 3)), ("IBK기업은행", (3, 6, 2, 3)),
    ("토스뱅크", (4, 4, 4)), ("우체국", (6, 2, 6)), ("새마을금고", (4, 2, 6, 1)), ("SC제일", (3, 2, 6)),
    ("케이뱅크", (3, 3, 6)), ("수협", (3, 2, 6)), ("부산은행", (3, 4, 4, 2)), ("대구은행", (3, 2, 6, 1)))
# Licence regions written by name and their two-digit codes.
LICENCE_REGIONS = (("서울", 11), ("부산", 12), ("경기", 13), ("강원", 14), ("충북", 15), ("충남", 16),
                   ("전북", 17), ("전남", 18), ("경북", 19), ("경남", 20), ("제주", 21), ("대구", 22),
                   ("인천", 23), ("광주", 24), ("대전", 25), ("울산", 26), ("경기북부", 28))
AREA_CODES = ("02", "02", "031", "032", "051", "053", "062", "042", "064", "033", "041", "043",
              "054", "055", "061", "063", "044")
CALL_CENTRE_PREFIXES = ("1588", "1577", "1544", "1644", "1661", "1600", "1670", "1833", "1899", "1522")
MONTHS_EN = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")

# --------------------------------------------------------------------------- values


def _digits(r: random.Random, n: int) -> str:
    return corpus.random_digits(r, n)


def _groups(digits: str, sizes, sep: str = "-") -> str:
    out, i = [], 0
    for n in sizes:
        out.append(digits[i:i + n])
        i += n
    return sep.join(out)


def _ocr(text: str, r: random.Random) -> str:
    """One or two digits read as the letters a scan takes them for."""
    chars = list(text)
    spots = [i for i, c in enumerate(chars) if c in OCR_LETTERS]
    for i in r.sample(spots, min(len(spots), r.choice((1, 1, 2)))):
        chars[i] = OCR_LETTERS[chars[i]]
    return "".join(chars)


def _hangul(text: str) -> str:
    return "".join(HANGUL_DIGITS[int(c)] if c.isdigit() else c for c in text)


def _mask_run(text: str, start: int, end: int) -> str:
    """Digits from the start-th to the end-th (counting digits only) written as asterisks."""
    out, k = [], 0
    for c in text:
        if c.isdigit():
            out.append("*" if start <= k < end else c)
            k += 1
        else:
            out.append(c)
    return "".join(out)


def _birth_ymd(r: random.Random, age: str) -> tuple[int, int, int]:
    if age == "child":
        return corpus.random_date(r, 2010, 2022)
    if age == "infant":
        return corpus.random_date(r, 2023, 2026)
    if age == "young":
        return corpus.random_date(r, 1997, 2007)
    if age == "senior":
        return corpus.random_date(r, 1936, 1962)
    return corpus.random_date(r, 1958, 2006)


def _registration(r: random.Random, foreigner: bool, ymd: tuple[int, int, int],
                  valid: bool = True) -> str:
    """Thirteen digits of a resident or foreigner registration number born on ymd."""
    y, m, d = ymd
    century = 2 if y >= 2000 else 0
    sex = (5 if foreigner else 1) + century + r.randrange(2)
    body = [int(c) for c in f"{y % 100:02d}{m:02d}{d:02d}{sex}{_digits(r, 5)}"]
    check = corpus.resident_check(body, foreigner)
    if not valid:
        check = (check + 1 + r.randrange(9)) % 10
    return "".join(map(str, body)) + str(check)


def _post2020_ymd(r: random.Random) -> tuple[int, int, int]:
    y = r.randrange(2020, 2027)
    m = r.randrange(10, 13) if y == 2020 else r.randrange(1, 12 if y == 2026 else 13)
    return y, m, r.randrange(1, corpus.days_in(y, m) + 1)


def _pick(r: random.Random, weights: dict) -> str:
    return r.choices(tuple(weights), tuple(weights.values()))[0]


# Ways of writing each kind and how often people use them (masked about a tenth overall).
WRITINGS = {
    "resident": {"hyphen": 6, "plain": 1.5, "space": 0.6, "fullwidth": 0.5, "masked": 0.9,
                 "post2020": 1.1},
    "foreigner_registration": {"hyphen": 6, "plain": 1.5, "space": 0.5, "fullwidth": 0.4, "masked": 1.1},
    "business_registration": {"hyphen": 7, "plain": 1.5, "space": 0.6, "fullwidth": 0.4, "masked": 0.6},
    "credit_card": {"hyphen": 5, "space": 2, "plain": 1, "fullwidth": 0.4, "masked": 0.8},
    "bank_account": {"hyphen": 6, "plain": 2, "space": 0.5, "masked": 0.8},
    "phone": {"mobile": 7, "mobile_plain": 1.5, "mobile_dot": 0.8, "mobile_space": 0.8, "intl": 0.7,
              "landline": 1.2, "safe_050": 0.6, "fullwidth": 0.4, "masked": 1.0},
    "email": {"plain": 9, "upper": 0.5, "at_word": 0.4, "masked": 0.9},
    "driver_license": {"hyphen": 5, "region_name": 2.5, "plain": 1, "space": 0.5, "masked": 0.8},
    "birth_date": {"dot": 3, "hyphen": 2.5, "korean": 2.5, "short_dot": 0.8, "yymmdd": 0.8,
                   "spaced_dot": 1, "compact": 0.6, "slash": 0.6, "english": 0.5, "masked": 0.9},
    "passport": {"old": 5, "new": 3.5, "spaced": 0.4, "masked": 0.9},
}


class _Made:
    """A value as written: its text, its way of writing, whether part of it is masked."""

    __slots__ = ("kind", "text", "writing", "masked")

    def __init__(self, kind: str, text: str, writing: str) -> None:
        self.kind, self.text, self.writing = kind, text, writing
        self.masked = "*" in text


def _registration_value(r: random.Random, kind: str, writing: str, age: str) -> str:
    foreigner = kind == "foreigner_registration"
    if writing == "post2020":
        d = _registration(r, foreigner, _post2020_ymd(r), valid=False)
    else:
        d = _registration(r, foreigner, _birth_ymd(r, age))
    if writing == "plain":
        return d
    if writing == "space":
        return f"{d[:6]} {d[6:]}"
    if writing == "masked":
        hyphen = f"{d[:6]}-{d[6:]}"
        return r.choice((_mask_run(hyphen, 7, 13), _mask_run(hyphen, 6, 13), _mask_run(hyphen, 8, 13)))
    text = f"{d[:6]}-{d[6:]}"
    return text.translate(FULL) if writing == "fullwidth" else text


def _business_value(r: random.Random, writing: str) -> str:
    body = [int(c) for c in f"{r.randrange(101, 900)}{r.randrange(1, 100):02d}{_digits(r, 4)}"]
    d = "".join(map(str, body + [corpus.business_check(body)]))
    text = {"plain": d, "space": f"{d[:3]} {d[3:5]} {d[5:]}"}.get(writing, f"{d[:3]}-{d[3:5]}-{d[5:]}")
    if writing == "masked":
        return _mask_run(text, 5, 9)
    return text.translate(FULL) if writing == "fullwidth" else text


def _card_value(r: random.Random, writing: str) -> str:
    prefix, length, sizes = r.choice((("4", 16, (4, 4, 4, 4)), ("4", 16, (4, 4, 4, 4)),
                                      (str(r.randrange(51, 56)), 16, (4, 4, 4, 4)),
                                      ("9410", 16, (4, 4, 4, 4)), ("9490", 16, (4, 4, 4, 4)),
                                      ("3" + r.choice("47"), 15, (4, 6, 5)),
                                      ("6", 16, (4, 4, 4, 4)), ("3563", 16, (4, 4, 4, 4))))
    body = [int(c) for c in prefix + _digits(r, length - len(prefix) - 1)]
    d = "".join(map(str, body + [corpus.luhn_check(body)]))
    if writing == "plain":
        return d
    text = _groups(d, sizes, " " if writing == "space" else "-")
    if writing == "masked":
        return r.choice((_mask_run(text, 6, length - 4), _mask_run(text, 4, length - 4),
                         _mask_run(text, 8, 12)))
    return text.translate(FULL) if writing == "fullwidth" else text


def _account_value(r: random.Random, writing: str, sizes) -> str:
    d = _digits(r, sum(sizes))
    if writing == "plain":
        return d
    text = _groups(d, sizes, " " if writing == "space" else "-")
    if writing == "masked":
        n = sum(sizes)
        return r.choice((_mask_run(text, n - 8, n - 4), _mask_run(text, sizes[0], sizes[0] + sizes[1]),
                         _mask_run(text, n - 4, n)))
    return text


def _mobile(r: random.Random) -> str:
    return f"010{r.randrange(2, 10)}{_digits(r, 7)}"


def _landline(r: random.Random) -> str:
    area, tail = r.choice(AREA_CODES), _digits(r, 4)
    local = f"{r.randrange(2, 10)}{_digits(r, r.choice((2, 3)))}"
    return r.choice((f"{area}-{local}-{tail}", f"{area}-{local}-{tail}", f"({area}) {local}-{tail}",
                     f"{area}) {local}-{tail}", f"{area}.{local}.{tail}"))


def _phone_value(r: random.Random, writing: str) -> str:
    m = _mobile(r)
    head, mid, tail = m[:3], m[3:7], m[7:]
    hyphen = f"{head}-{mid}-{tail}"
    ways = {
        "mobile": lambda: hyphen, "mobile_plain": lambda: m, "mobile_dot": lambda: f"{head}.{mid}.{tail}",
        "mobile_space": lambda: f"{head} {mid} {tail}", "fullwidth": lambda: hyphen.translate(FULL),
        "intl": lambda: r.choice((f"+82 10-{mid}-{tail}", f"+82-10-{mid}-{tail}", f"+8210{m[3:]}",
                                  f"+82 10 {mid} {tail}", f"+82 (0)10-{mid}-{tail}")),
        "landline": lambda: _landline(r),
        "safe_050": lambda: f"050{r.choice('24578')}-{_digits(r, 4)}-{_digits(r, 4)}",
        "hangul": lambda: _hangul(hyphen), "ocr": lambda: _ocr(hyphen, r),
        "masked": lambda: r.choice((_mask_run(hyphen, 3, 7), _mask_run(hyphen, 3, 7), _mask_run(hyphen, 5, 7),
                                    _mask_run(hyphen, 7, 11), f"{head}****{tail}")),
    }
    return ways[writing]()


def _mail_local(r: random.Random) -> str:
    g, s = r.choice(ROMAN_GIVEN), r.choice(ROMAN_SUR)
    return r.choice((f"{g}{s}", f"{s}.{g}", f"{g}{r.randrange(1, 100):02d}", f"{g}_{s}{r.randrange(70, 100)}",
                     f"{s}{g[0]}{r.randrange(100, 1000)}", f"{r.choice(NICK_WORDS)}{r.randrange(1, 9999)}",
                     f"{r.choice(NICK_WORDS)}_{g}", f"{g}.{s}{r.randrange(80, 100)}"))


def _email_value(r: random.Random, writing: str, domain: str | None = None) -> str:
    local = _mail_local(r)
    domain = domain or r.choice(MAIL_DOMAINS)
    if writing == "upper":
        return f"{local}@{domain}".upper()
    if writing == "at_word":
        return r.choice((f"{local}(at){domain}", f"{local} [at] {domain}", f"{local}＠{domain}"))
    if writing == "masked":
        keep = r.choice((2, 3))
        return f"{local[:keep]}{'*' * max(3, len(local) - keep)}@{domain}"
    return f"{local}@{domain}"


def _licence_value(r: random.Random, writing: str) -> str:
    region, code = r.choice(LICENCE_REGIONS)
    year, serial, check = f"{r.randrange(0, 27):02d}", _digits(r, 6), _digits(r, 2)
    if writing == "region_name":
        return f"{region} {year}-{serial}-{check}"
    if writing == "plain":
        return f"{code}{year}{serial}{check}"
    if writing == "space":
        return f"{code} {year} {serial} {check}"
    if writing == "masked":
        return r.choice((f"{code}-{year}-******-{check}", f"{code}-{year}-{serial[:2]}****-{check}",
                         f"{region} {year}-****{serial[4:]}-{check}"))
    return f"{code}-{year}-{serial}-{check}"


def _passport_value(r: random.Random, writing: str) -> str:
    letter = r.choice("MMMMMSR")
    if writing == "new" or (writing == "masked" and r.random() < 0.4):
        text = f"{letter}{_digits(r, 3)}{r.choice('ABCDEFGHJK')}{_digits(r, 4)}"
    else:
        text = f"{letter}{_digits(r, 8)}"
    if writing == "spaced":
        return f"{text[0]} {text[1:]}"
    if writing == "masked":
        return text[:5] + "****"
    return text


def _birth_value(r: random.Random, writing: str, age: str) -> str:
    y, m, d = _birth_ymd(r, age)
    return {
        "dot": f"{y}.{m:02d}.{d:02d}", "hyphen": f"{y}-{m:02d}-{d:02d}",
        "korean": r.choice((f"{y}년 {m}월 {d}일", f"{y}년 {m:02d}월 {d:02d}일", f"{y}년{m}월{d}일")),
        "short_dot": f"{y % 100:02d}.{m:02d}.{d:02d}", "yymmdd": f"{y % 100:02d}{m:02d}{d:02d}",
        "spaced_dot": f"{y}. {m}. {d}.", "compact": f"{y}{m:02d}{d:02d}", "slash": f"{y}/{m:02d}/{d:02d}",
        "english": r.choice((f"{MONTHS_EN[m - 1]} {d}, {y}", f"{d} {MONTHS_EN[m - 1]} {y}",
                             f"{d:02d}-{MONTHS_EN[m - 1].upper()}-{y}")),
        "masked": r.choice((f"{y}.{m:02d}.**", f"{y}-**-**", f"19**-{m:02d}-{d:02d}" if y < 2000 else
                            f"{y}.**.{d:02d}", f"{y}년 **월 **일")),
    }[writing]


def make_value(r: random.Random, kind: str, writing: str = "", age: str = "", bank=None) -> _Made:
    """A value of `kind` in `writing` (a way drawn from WRITINGS when empty)."""
    writing = writing or _pick(r, WRITINGS[kind])
    if kind in ("resident", "foreigner_registration"):
        if writing == "ocr":
            return _Made(kind, _ocr(_registration_value(r, kind, "hyphen", age), r), writing)
        return _Made(kind, _registration_value(r, kind, writing, age), writing)
    if kind == "business_registration":
        return _Made(kind, _business_value(r, writing), writing)
    if kind == "credit_card":
        return _Made(kind, _card_value(r, writing), writing)
    if kind == "bank_account":
        return _Made(kind, _account_value(r, writing, (bank or r.choice(BANKS))[1]), writing)
    if kind == "phone":
        return _Made(kind, _phone_value(r, writing), writing)
    if kind == "email":
        return _Made(kind, _email_value(r, writing), writing)
    if kind == "driver_license":
        return _Made(kind, _licence_value(r, writing), writing)
    if kind == "passport":
        return _Made(kind, _passport_value(r, writing), writing)
    return _Made(kind, _birth_value(r, writing, age), writing)


# --------------------------------------------------------------------------- look-alikes


def _date_after(r: random.Random, sep: str = "-") -> str:
    y = r.choice((2026, 2026, 2027))
    m = r.randrange(1, 13)
    return f"{y}{sep}{m:02d}{sep}{r.randrange(1, corpus.days_in(y, m) + 1):02d}"


def _korean_date(r: random.Random) -> str:
    m = r.randrange(1, 13)
    return r.choice((f"2026년 {m}월 {r.randrange(1, 29)}일", f"{m}월 {r.randrange(1, 29)}일",
                     f"{m}/{r.randrange(1, 29)}({r.choice('월화수목금토일')})"))


def _period(r: random.Random) -> str:
    y, m = r.choice((2026, 2027)), r.randrange(1, 13)
    d = r.randrange(1, 29)
    months = r.choice((1, 3, 6, 12, 24))
    end_y, end_m = y + (m - 1 + months) // 12, (m - 1 + months) % 12 + 1
    sep = r.choice((".", "-"))
    return f"{y}{sep}{m:02d}{sep}{d:02d} ~ {end_y}{sep}{end_m:02d}{sep}{d:02d}"


def _time_range(r: random.Random) -> str:
    start = r.randrange(8, 19)
    return f"{start:02d}:{r.choice(('00', '30'))}~{start + r.randrange(1, 5):02d}:{r.choice(('00', '30'))}"


def _money(r: random.Random) -> str:
    n = r.choices((r.randrange(1, 100) * 1000, r.randrange(10, 500) * 1000 + r.choice((0, 500)),
                   r.randrange(50, 900) * 10000), (5, 3, 1))[0]
    return r.choice((f"{n:,}원", f"{n:,}원", f"₩{n:,}", f"{n // 10000}만 원" if n % 10000 == 0 else f"{n:,}원",
                     f"금 {n:,}원정"))


def _company_account(r: random.Random) -> str:
    name, sizes = r.choice(BANKS)
    return f"{name} {_groups(_digits(r, sum(sizes)), sizes)}"


def _ean(r: random.Random) -> str:
    body = [int(c) for c in "880" + _digits(r, 9)]
    return "".join(map(str, body + [corpus.isbn_check(body)]))


def _isbn(r: random.Random) -> str:
    body = [int(c) for c in "97911" + _digits(r, 7)]
    d = "".join(map(str, body + [corpus.isbn_check(body)]))
    return f"{d[:3]}-{d[3:5]}-{d[5:9]}-{d[9:12]}-{d[12]}"


def _imei(r: random.Random) -> str:
    body = [int(c) for c in r.choice(("35", "35", "86", "01")) + _digits(r, 12)]
    return "".join(map(str, body + [corpus.luhn_check(body)]))


def _vin(r: random.Random) -> str:
    chars = "ABCDEFGHJKLMNPRSTUVWXYZ0123456789"
    return r.choice(("KMH", "KNA", "KPT", "KL1")) + "".join(r.choice(chars) for _ in range(8)) + _digits(r, 6)


def _alnum(r: random.Random, n: int) -> str:
    return "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(n))


# Each category of look-alike and how one is written.
NEGATIVES = {
    "order_number": lambda r: r.choice((f"2026{r.randrange(10, 13):02d}{_digits(r, 2)}{_digits(r, 6)}",
                                        f"ORD-2026{r.randrange(1, 13):02d}{_digits(r, 2)}-{_digits(r, 5)}",
                                        f"{_digits(r, 16)}")),
    "tracking_number": lambda r: r.choice((_digits(r, 12), f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}",
                                           f"6{_digits(r, 12)}")),
    "invoice_number": lambda r: r.choice((f"INV-2026-{_digits(r, 5)}",
                                          f"2026{r.randrange(10, 13)}{_digits(r, 2)}-{_digits(r, 8)}-{_digits(r, 8)}")),
    "receipt_number": lambda r: r.choice((f"2026-{_digits(r, 4)}-{_digits(r, 4)}", f"제{_digits(r, 6)}호",
                                          f"R{_digits(r, 10)}")),
    "transaction_reference": lambda r: f"TX{_digits(r, 8)}{_alnum(r, 6)}",
    "model_number": lambda r: r.choice(("SM-S928N", "SM-F731N", "WF21T6000KW", "RF85C9101AP", "LG-F700S",
                                        "DW60R7050FS", f"AR{_digits(r, 2)}B{_digits(r, 4)}", "VR30T85513W",
                                        "A2848", "NV-7200K")),
    "serial_number": lambda r: r.choice((f"R3C{_alnum(r, 8)}", f"{_digits(r, 3)}KW{_alnum(r, 4)}{_digits(r, 5)}",
                                         f"S/N {_alnum(r, 12)}", f"{_alnum(r, 4)}-{_digits(r, 6)}")),
    "schedule_date": lambda r: r.choice((_date_after(r), _date_after(r, "."), _korean_date(r))),
    "contract_period": lambda r: _period(r),
    "expiry_date": lambda r: r.choice((_date_after(r, "."), f"2027-{r.randrange(1, 13):02d}-{r.randrange(1, 29):02d}",
                                       f"2028년 {r.randrange(1, 13)}월 {r.randrange(1, 29)}일")),
    "card_expiry": lambda r: r.choice((f"{r.randrange(1, 13):02d}/{r.randrange(27, 32)}", f"{r.randrange(1, 13):02d}/20{r.randrange(27, 32)}")),
    "issue_date": lambda r: r.choice((f"2026.{r.randrange(1, 13):02d}.{r.randrange(1, 29):02d}",
                                      f"2026년 {r.randrange(1, 13)}월 {r.randrange(1, 29)}일")),
    "amount": _money,
    "postcode": lambda r: r.choice((f"{r.randrange(1, 64):02d}{_digits(r, 3)}", f"{r.randrange(100, 800)}-{_digits(r, 3)}")),
    "office_main_number": lambda r: f"{r.choice(AREA_CODES)}-{r.randrange(2, 10)}{_digits(r, 3)}-{_digits(r, 4)}",
    "call_centre_number": lambda r: f"{r.choice(CALL_CENTRE_PREFIXES)}-{_digits(r, 4)}",
    "toll_free_number": lambda r: f"080-{r.randrange(2, 10)}{_digits(r, 2)}-{_digits(r, 4)}",
    "fax_number": lambda r: f"{r.choice(AREA_CODES)}-{r.randrange(2, 10)}{_digits(r, 2)}-{_digits(r, 4)}",
    "extension": lambda r: r.choice((_digits(r, 4), f"{r.randrange(2, 9)}{_digits(r, 2)}")),
    "company_account": _company_account,
    "church_account": _company_account,
    "foundation_account": _company_account,
    "virtual_account": lambda r: f"{r.choice(('국민', '신한', '우리', '하나', '기업'))} {r.choice(('5', '2', '9'))}{_digits(r, 13)}",
    "approval_number": lambda r: _digits(r, 8),
    "customer_number": lambda r: r.choice((f"C{_digits(r, 9)}", _digits(r, 11), f"{_digits(r, 4)}-{_digits(r, 6)}")),
    "vehicle_plate": lambda r: r.choice((f"{r.randrange(10, 100)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주하허호')} {_digits(r, 4)}",
                                         f"{r.randrange(100, 400)}{r.choice('가나다라마바사아자')}{_digits(r, 4)}")),
    "vin": _vin,
    "imei": _imei,
    "mac_address": lambda r: ":".join(f"{r.randrange(256):02X}" for _ in range(6)),
    "ip_address": lambda r: r.choice((f"192.168.{r.randrange(0, 3)}.{r.randrange(2, 255)}",
                                      f"{r.randrange(1, 224)}.{r.randrange(256)}.{r.randrange(256)}.{r.randrange(1, 255)}")),
    "barcode": _ean,
    "isbn": _isbn,
    "case_number": lambda r: r.choice((f"2026-{_digits(r, 6)}", f"2026가단{_digits(r, 5)}",
                                       f"접수 제2026-{_digits(r, 5)}호")),
    "coupon_code": lambda r: f"{r.choice(('WINTER', 'WELCOME', 'VIP', 'GIFT'))}-{_alnum(r, 4)}-{_alnum(r, 4)}",
    "giftcard_pin": lambda r: f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 6)}",
    "verification_code": lambda r: _digits(r, 6),
    "apartment_unit": lambda r: f"{r.randrange(101, 120)}동 {r.randrange(1, 25)}{r.randrange(1, 5):02d}호",
    "room_number": lambda r: r.choice((f"{r.randrange(1, 9)}{r.randrange(1, 30):02d}호", f"{r.choice('ABC')}-{r.randrange(1, 15)}{r.randrange(1, 20):02d}")),
    "time_range": lambda r: _time_range(r),
    "height": lambda r: f"{r.randrange(140, 195)}.{r.randrange(10)}cm",
    "body_weight": lambda r: f"{r.randrange(40, 110)}.{r.randrange(10)}kg",
    "pet_weight": lambda r: f"{r.randrange(1, 9)}.{r.randrange(10)}kg",
    "animal_registration": lambda r: r.choice((f"410{_digits(r, 12)}", f"410 {_digits(r, 4)} {_digits(r, 4)} {_digits(r, 4)}")),
    "floor_area": lambda r: r.choice((f"{r.randrange(8, 60)}평", f"{r.randrange(33, 135)}.{r.randrange(10, 100)}㎡")),
    "pupil_distance": lambda r: f"{r.randrange(55, 72)}{r.choice(('mm', '', '.5'))}",
    "dimension": lambda r: f"{r.randrange(600, 2400)}×{r.randrange(300, 2400)}{r.choice(('mm', ''))}",
    "metal_weight": lambda r: r.choice((f"{r.randrange(1, 30)}돈", f"{r.randrange(1, 120)}.{r.randrange(10)}{r.randrange(10)}g")),
    "percentage": lambda r: f"{r.randrange(40, 100)}%",
    "lens_power": lambda r: f"{r.choice(('-', '+'))}{r.randrange(0, 8)}.{r.choice(('00', '25', '50', '75'))}",
    "blood_pressure": lambda r: f"{r.randrange(95, 160)}/{r.randrange(55, 100)}",
    "haemoglobin": lambda r: f"{r.randrange(11, 17)}.{r.randrange(10)}{r.choice(('g/dL', ''))}",
    "version": lambda r: r.choice((f"v{r.randrange(1, 9)}.{r.randrange(0, 30)}.{r.randrange(0, 10)}",
                                   f"{r.randrange(1, 9)}.{r.randrange(0, 30)}.{r.randrange(100, 999)}")),
    "mail_order_number": lambda r: f"제2026-{r.choice(('서울마포', '서울강남', '경기성남', '부산해운대'))}-{_digits(r, 4)}호",
    "organisation_registration": lambda r: r.choice((f"제{r.randrange(1990, 2026)}-{_digits(r, 3)}호", f"제{_digits(r, 4)}호")),
    "institution_code": lambda r: f"{r.randrange(11, 39)}{_digits(r, 6)}",
    "meter_number": lambda r: f"{r.choice(('WM', 'EM', 'GM'))}-{_digits(r, 4)}-{_digits(r, 5)}",
    "bill_number": lambda r: f"{_digits(r, 2)}-{_digits(r, 3)}-{_digits(r, 4)}-{_digits(r, 5)}",
    "game_uid": lambda r: r.choice((_digits(r, 10), f"{r.randrange(1, 9)}{_digits(r, 8)}")),
    "booking_reference": lambda r: r.choice((f"B{_digits(r, 2)}{_alnum(r, 6)}", f"RSV-{_digits(r, 8)}")),
    "locker_code": lambda r: _digits(r, 4),
    "sku": lambda r: f"{_alnum(r, 3)}-{_digits(r, 5)}-{r.choice(('BK', 'WH', 'GR', 'NV'))}",
    "timestamp": lambda r: r.choice((f"{_date_after(r)}T{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}+09:00",
                                     f"{_date_after(r)} {r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}")),
    "lot_number": lambda r: r.choice((f"{r.randrange(1, 999)}-{r.randrange(1, 60)}번지", f"산{r.randrange(1, 99)}-{r.randrange(1, 20)}")),
    "quantity": lambda r: str(r.choices((r.randrange(2, 13), r.randrange(13, 41), r.randrange(41, 300)), (7, 2, 1))[0]),
}
# Mailboxes are the writing business's own; chat times are written by `chat`.
MAILBOX_LOCALS = {"shared_mailbox": ("help", "info", "cs", "support", "contact", "admin", "order", "as"),
                  "noreply_mailbox": ("no-reply", "noreply", "donotreply", "notice")}
NEG_CATEGORIES = tuple(NEGATIVES) + tuple(MAILBOX_LOCALS) + ("message_time",)

# --------------------------------------------------------------------------- writing a document

_SLOT = re.compile(r"\{(!?)(\w+)(?::(\w+))?\}")
# Placeholders for a value of another age or bank than the default.
VALUE_SLOTS = {**{k: (k, "") for k in KINDS},
               "birth_child": ("birth_date", "child"), "birth_infant": ("birth_date", "infant"),
               "birth_senior": ("birth_date", "senior"), "birth_young": ("birth_date", "young"),
               "resident_young": ("resident", "young"),
               "foreigner_young": ("foreigner_registration", "young"), "resident_child": ("resident", "child"),
               "resident_infant": ("resident", "infant"), "resident_senior": ("resident", "senior")}
# Punctuation that ends a label written just before its value.
LABEL_ENDS = (":", "：", "=", ")", "]", "|", "-", ">", "▶", "☎", "\t")


class _Doc:
    """Appends text from small templates and records values and look-alikes at exact offsets.

    `{phone}` or `{phone:intl}` writes a value, `{!amount}` a look-alike, `{name}` a filler word."""

    def __init__(self, r: random.Random, genre: str) -> None:
        self.r, self.genre = r, genre
        self.parts: list[str] = []
        self.chars = self.bytes = 0
        self.values: list[Value] = []
        self.negatives: list[Negative] = []
        self.noise = 0.0           # chance of scan noise in each piece of plain text
        self.bank = r.choice(BANKS)
        self.foundation = r.choice(FOUNDATIONS)
        self.company = next((c for c in COMPANIES if c[0] == GENRE_COMPANY.get(genre)), None) or r.choice(COMPANIES)
        self.person, self.second, self.roman = self.new_person(), self.new_person(), self.roman_name()
        self.fills = {
            "name": lambda: self.person, "name2": lambda: self.second, "other": self.new_person,
            "kid": lambda: r.choice(GIVEN), "rname": lambda: self.roman, "rother": self.roman_name,
            "bank": lambda: self.bank[0],
            **{slot: (lambda words=words: r.choice(words)) for slot, words in LABEL_WORDS.items()},
            "company": lambda: self.company[0], "domain": lambda: self.company[1],
            "church": lambda: self.company[0], "foundation": lambda: self.foundation,
            "place": lambda: r.choice(PLACES), "apt": lambda: r.choice(APARTMENTS),
            "product": lambda: r.choice(PRODUCTS), "handset": lambda: r.choice(PHONES),
            "flower": lambda: r.choice(FLOWERS), "subject": lambda: r.choice(SUBJECTS),
            "school": lambda: r.choice(SCHOOLS), "hour": lambda: f"{r.choice(('오전', '오후'))} {r.randrange(1, 12)}시",
            "day": lambda: r.choice(("내일", "모레", "이번 주 토요일", "다음 주 화요일", "오늘 저녁", "주말")),
        }

    def new_person(self) -> str:
        return self.r.choice(SURNAMES) + self.r.choice(GIVEN)

    def roman_name(self) -> str:
        return f"{self.r.choice(ROMAN_SUR).upper()} {self.r.choice(ROMAN_GIVEN).capitalize()}"

    def add(self, s: str) -> str:
        """Appends plain text (with scan noise when the document is a scan) and returns it as written."""
        if self.noise and s:
            s = self._scanned(s)
        self.parts.append(s)
        self.chars += len(s)
        self.bytes += len(s.encode())
        return s

    def _scanned(self, s: str) -> str:
        r = self.r
        if r.random() >= self.noise:
            return s
        return r.choice((s.replace(":", ";", 1), s.replace(" ", "  ", 1), s.replace("번호", "번 호"),
                         s.replace(":", " :", 1), s.replace("ㅣ", "l"), s.replace("호", "호 ", 1)))

    def _record_value(self, made: _Made, label: str, label_text: str, frame: str) -> None:
        self.values.append(Value(made.kind, made.text, self.chars, self.chars + len(made.text), self.bytes,
                                 self.bytes + len(made.text.encode()), made.writing, label, label_text,
                                 made.masked, self.genre, frame))
        self.parts.append(made.text)
        self.chars += len(made.text)
        self.bytes += len(made.text.encode())

    def record_negative(self, category: str, text: str, phrasing: str) -> None:
        self.negatives.append(Negative(category, text, self.chars, self.chars + len(text), self.bytes,
                                       self.bytes + len(text.encode()), phrasing, self.genre))
        self.parts.append(text)
        self.chars += len(text)
        self.bytes += len(text.encode())

    def t(self, template: str, frame: str = "", header: str = "") -> None:
        """Writes a template; `header` is the column a table cell stands in."""
        frame = frame or f"{self.genre}:{template[:24]}"
        pos = 0
        before = ""  # what was written since the last value or look-alike: a value's label
        for m in _SLOT.finditer(template):
            before += self.add(template[pos:m.start()])
            pos = m.end()
            neg, name, writing = m.group(1), m.group(2), m.group(3) or ""
            if neg and name in MAILBOX_LOCALS:
                self.record_negative(name, f"{self.r.choice(MAILBOX_LOCALS[name])}@{self.company[1]}", frame)
                before = ""
            elif neg:
                self.record_negative(name, NEGATIVES[name](self.r), frame)
                before = ""
            elif name in VALUE_SLOTS:
                kind, age = VALUE_SLOTS[name]
                made = make_value(self.r, kind, writing, age, self.bank)
                label_text = before.split("\n")[-1].strip()
                if label_text and before.endswith(("  ", "\t")):
                    label = "label_gap"
                elif label_text:
                    label = "label_punct" if label_text.endswith(LABEL_ENDS) else "in_sentence"
                elif header:
                    label, label_text = "column", header
                else:
                    label = "no_label"
                self._record_value(made, label, label_text, frame)
                before = ""
            else:
                before += self.add(self.fills[name]())
        self.add(template[pos:])

    def line(self, template: str = "") -> None:
        self.t(template + "\n")

    def lines(self, *templates: str) -> None:
        for tpl in templates:
            self.line(tpl)

    def some(self, chance: float, *templates: str) -> None:
        """Each line written with the given chance: forms are not filled in the same way twice."""
        for tpl in templates:
            if self.r.random() < chance:
                self.line(tpl)

    def document(self) -> Document:
        d = Document(self.genre, PART, "".join(self.parts), self.values, self.negatives)
        labelled.check(d)
        return d


# Words a form's author may put before a value of each kind, picked anew on each form.
LABEL_WORDS = {
    "L_phone": ("연락처", "휴대폰", "핸드폰", "휴대전화", "H.P", "HP", "전화번호", "연락처(휴대폰)", "Mobile", "Tel",
                "☎", "폰번호", "핸드폰 번호", "연락 가능한 번호"),
    "L_email": ("이메일", "E-mail", "email", "메일", "이메일 주소", "전자우편", "Email", "메일주소"),
    "L_birth": ("생년월일", "생일", "DOB", "출생일", "생년월일(6자리)", "Date of Birth", "생년월일 8자리", "출생년월일"),
    "L_rrn": ("주민등록번호", "주민번호", "주민등록 번호", "주민번호(앞6-뒤7)", "RRN", "주민No"),
    "L_card": ("카드번호", "결제카드", "카드", "신용카드 번호", "Card No.", "결제 카드번호"),
    "L_licence": ("운전면허번호", "면허번호", "운전면허", "면허증 번호", "DL No.", "운전면허증 번호"),
}

# Ways a form's line puts its label before its value.
FORM_STYLES = (
    lambda k, v: f"{k}: {v}", lambda k, v: f"{k} : {v}", lambda k, v: f"■ {k}: {v}",
    lambda k, v: f"{k}\t{v}", lambda k, v: f"[{k}] {v}", lambda k, v: f"- {k} = {v}",
    lambda k, v: f"{k}：{v}", lambda k, v: f"{k.ljust(10)}  {v}", lambda k, v: f"| {k} | {v} |",
    lambda k, v: f"○ {k} ▶ {v}",
)


# An identity document shown at a counter, as a clerk writes it down.
ID_DOCUMENTS = ("주민등록증 {resident:masked}", "주민등록증 {resident}", "운전면허증 {driver_license}",
                "운전면허 {driver_license}", "면허증 번호 {driver_license}", "여권 {passport}", "여권(Passport) {passport}",
                "외국인등록증 {foreigner_registration}", "ARC {foreigner_registration}")


def id_document(d: _Doc) -> str:
    return d.r.choice(ID_DOCUMENTS)


def form(d: _Doc, fields, style=None) -> None:
    """Label-value lines in one style for the whole form; fields whose label is None are left out."""
    style = style or d.r.choice(FORM_STYLES)
    for label, slot in fields:
        if label is not None and slot is not None:
            d.line(style(label, slot))


def table(d: _Doc, headers, rows) -> None:
    """A table as people paste it: CSV, tab-separated, pipes, Markdown or spaces."""
    kind = d.r.choice(("csv", "tsv", "pipe", "markdown", "spaces"))
    sep = {"csv": ",", "tsv": "\t", "pipe": " | ", "markdown": " | ", "spaces": "   "}[kind]
    edge = ("| ", " |") if kind == "markdown" else ("", "")
    d.line(edge[0] + sep.join(headers) + edge[1])
    if kind == "markdown":
        d.line("|" + "|".join("---" for _ in headers) + "|")
    for row in rows:
        d.add(edge[0])
        for i, (h, cell) in enumerate(zip(headers, row)):
            if i:
                d.add(sep)
            quote = '"' if kind == "csv" and ("," in cell or "!amount" in cell or "," in cell) else ""
            d.add(quote)
            d.t(cell, header=h)
            d.add(quote)
        d.add(edge[1] + "\n")


def _clock(minutes: int, style: str) -> str:
    h, m = divmod(minutes % (24 * 60), 60)
    if style == "24h":
        return f"{h:02d}:{m:02d}"
    return f"{'오전' if h < 12 else '오후'} {(h - 1) % 12 + 1}:{m:02d}"


def chat(d: _Doc, turns) -> None:
    """A messenger conversation: turns are (speaker, message) templates; the times go forward."""
    r = d.r
    style = r.choice(("export", "bracket", "plain", "timed"))
    clock = r.choice(("12h", "24h"))
    month, day, minutes = r.randrange(1, 13), r.randrange(1, 29), r.randrange(8 * 60, 21 * 60)
    if style == "export":
        d.line(r.choice(("카카오톡 대화", "KakaoTalk Chats", "대화 내보내기")))
    for speaker, message in turns:
        minutes += r.randrange(0, 7)
        if style == "export":
            d.record_negative("message_time", f"2026. {month}. {day}. {_clock(minutes, '12h')}", "chat:export")
            d.t(f", {speaker} : {message}\n")
        elif style == "bracket":
            d.t(f"[{speaker}] [")
            d.record_negative("message_time", _clock(minutes, clock), "chat:bracket")
            d.t(f"] {message}\n")
        elif style == "timed":
            d.t(f"{speaker} (")
            d.record_negative("message_time", _clock(minutes, clock), "chat:timed")
            d.t(f")\n{message}\n")
        else:
            d.t(f"{speaker}: {message}\n")


def mail(d: _Doc, sender: str, to: str, subject: str, body, sign=()) -> None:
    """An e-mail with its headers; sender and to are templates."""
    d.line(f"From: {sender}")
    d.line(f"To: {to}")
    d.t("Date: {!timestamp}\n")
    d.line(f"Subject: {subject}")
    d.line("")
    d.lines(*body)
    if sign:
        d.line("")
        d.lines(*sign)


# --------------------------------------------------------------------------- genres


def g_pharmacy_order(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.5:
        d.lines("[튼튼약국] 택배 주문 접수", "주문번호 {!order_number} / 접수 {!timestamp}")
        form(d, [("주문자", "{name}"), ("{L_phone}", "{phone}"), ("생년월일(본인확인)", "{birth_date}"),
                 ("이메일", "{email}" if r.random() < 0.6 else None), ("받는 주소", "{place} {apt} {!apartment_unit}"),
                 ("우편번호", "{!postcode}"), ("품목", "종합감기약 외 {!quantity}건"), ("결제금액", "{!amount}"),
                 ("결제카드", "{credit_card:masked}"), ("승인번호", "{!approval_number}")])
        d.line("약국 대표번호 {!office_main_number} · 문의 {!shared_mailbox}")
    else:
        chat(d, [("약사", "처방 없이 드릴 수 있는 건 택배 가능해요. 받으실 분 성함이랑 번호 알려주세요"),
                 ("{name}", "{name}이고 {phone} 입니다"),
                 ("약사", "생년월일도 한 번만요. 복약 기록에 남겨야 해서요"),
                 ("{name}", "{birth_date} 이요"),
                 ("약사", "입금은 약국 계좌 {!company_account} 로 {!amount} 부탁드려요"),
                 ("{name}", "보냈어요! 송장 나오면 알려주세요"),
                 ("약사", "송장 {!tracking_number} 입니다. 혹시 환불 필요하면 본인 계좌 알려주셔야 해요"),
                 ("{name}", "{bank} {bank_account} 예금주 {name} 입니다")])


def g_optician(d: _Doc) -> None:
    d.lines("밝은눈안경원 고객 카드", "등록일 {!issue_date}")
    form(d, [("성명", "{name}"), ("{L_birth}", "{birth_date}"), ("{L_phone}", "{phone}"),
             ("보호자 연락처", "{phone}" if d.r.random() < 0.4 else None),
             ("R SPH", "{!lens_power}"), ("L SPH", "{!lens_power}"), ("PD", "{!pupil_distance}"),
             ("테 모델", "{!model_number}"), ("렌즈 주문", "{!order_number}"), ("{L_card}", "{credit_card}"),
             ("찾으실 날", "{!schedule_date}"), ("금액", "{!amount}")])
    d.some(0.6, "카드 {credit_card:masked} 일시불 승인 {!approval_number}",
           "문자 안내 수신 번호: {phone:mobile}", "매장 {!office_main_number} (내선 {!extension})")


def g_gym_pt(d: _Doc) -> None:
    r = d.r
    d.line(r.choice(("바른피트니스 PT 이용 계약서", "PERSONAL TRAINING AGREEMENT / PT 계약서")))
    form(d, [("회원명 Name", "{name}"), ("생년월일 DOB", "{birth_date}"), ("휴대전화 Mobile", "{phone}"),
             ("{L_email}", "{email}"), ("비상연락처", "{phone:mobile} ({name2})" if r.random() < 0.5 else None),
             ("계약기간", "{!contract_period}"), ("횟수", "{!quantity}회"), ("금액", "{!amount}"),
             ("{L_card}", "{credit_card}"), ("락커", "{!room_number} / 비번 {!locker_code}"),
             ("신분 확인", id_document(d) if r.random() < 0.6 else None)])
    d.some(0.7, "※ 중도 해지 시 환불 계좌: {bank} {bank_account} (예금주 본인)",
           "담당 트레이너 {other} 직통 {phone:mobile}",
           "센터 대표전화 {!office_main_number}, 사업자등록번호 {business_registration}")
    d.line("회원 서명: {name} (인)")


def g_hagwon(d: _Doc) -> None:
    r = d.r
    d.lines("엘리트수학학원 수강 등록 카드", "교습소 등록번호 {!organisation_registration}")
    form(d, [("학생 이름", "{name}"), ("학교/학년", "{school} 2학년"), ("학생 생년월일", "{birth_child}"),
             ("학생 휴대폰", "{phone}" if r.random() < 0.4 else None), ("학부모 성함", "{name2}"),
             ("학부모 연락처", "{phone}"), ("학부모 이메일", "{email}"), ("희망 과목", "{subject}"),
             ("수업 시간", "{!time_range}"), ("수강료", "{!amount}"), ("자동납부 카드", "{credit_card}" if r.random() < 0.6 else None)])
    d.some(0.6, "교육비 납부 계좌(학원): {!company_account}",
           "현금영수증 발급 번호: {phone:mobile}",
           "교육비 세액공제용 학생 주민번호: {resident_child}",
           "문의 {!office_main_number} / 상담 실장 직통 {phone:landline}")


def g_apartment_office(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.5:
        d.lines("{apt} 관리사무소 세대 등록 신청서", "동·호수: {!apartment_unit}")
        form(d, [("세대주", "{name}"), ("세대주 생년월일", "{birth_date}"), ("{L_phone}", "{phone}"),
                 ("차량번호", "{!vehicle_plate}"), ("입주일", "{!schedule_date}"),
                 ("관리비 자동이체 계좌", "{bank} {bank_account}"), ("예금주 주민번호 앞자리", "{resident:masked}"),
                 ("세대주 신분증 사본", id_document(d)),
                 ("전자고지 이메일", "{email}")])
        d.line("관리사무소 {!office_main_number} / 팩스 {!fax_number}")
    else:
        d.lines("[{apt} 관리사무소 민원 접수대장]")
        table(d, ("접수번호", "동호수", "성명", "연락처", "내용"),
              [("{!receipt_number}", "{!apartment_unit}", "{name}", "{phone}", "누수 점검 요청"),
               ("{!receipt_number}", "{!apartment_unit}", "{other}", "{phone}", "주차 스티커 재발급"),
               ("{!receipt_number}", "{!apartment_unit}", "{other}", "{phone}", "계량기 {!meter_number} 교체")])
        d.line("관리비 납부: 관리사무소 계좌 {!company_account} (세대별 가상계좌 {!virtual_account})")


def g_moving_quote(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.5:
        mail(d, "{name} <{email}>", "{!shared_mailbox}", "포장이사 견적 문의드립니다",
             ["안녕하세요, {place}에서 {place}(으)로 이사 예정인 {name}입니다.",
              "이사 날짜는 {!schedule_date}, 집은 {!floor_area}이고 짐이 많은 편입니다.",
              "방문 견적 가능하시면 {phone}로 연락 주세요. 낮에는 회사 직통 {phone:landline}도 됩니다.",
              "계약금은 어느 계좌로 보내면 될까요? 취소 시 환불은 {bank} {bank_account} 로 부탁드립니다."],
             ["{name} 드림", "{phone:mobile}"])
    else:
        d.lines("(주)한울익스프레스이사 견적서", "견적번호 {!receipt_number}  작성일 {!issue_date}")
        form(d, [("고객명", "{name}"), ("{L_phone}", "{phone}"), ("이사일", "{!schedule_date}"),
                 ("출발지", "{place} {!apartment_unit}"), ("도착지", "{place} {!lot_number}"),
                 ("차량", "5톤 2대"), ("견적금액", "{!amount}"), ("계약금 입금", "{!company_account} (주)한울익스프레스이사")])
        d.line("사업자등록번호 {business_registration} | 대표 {other} | 고객센터 {!call_centre_number}")


def g_lost_found(d: _Doc) -> None:
    r = d.r
    d.line(r.choice(("유실물 습득 신고서", "[분실물 센터] 분실 신고 접수", "지하철 유실물 인수 확인서")))
    form(d, [("관리번호", "{!receipt_number}"), ("습득일시", "{!timestamp}"), ("물품", "{handset} (IMEI {!imei})"),
             ("신고인", "{name}"), ("{L_phone}", "{phone}"), ("{L_rrn}", "{resident}"),
             ("인수자 신분증", id_document(d)),
             ("지갑 내 카드", "{credit_card}" if r.random() < 0.5 else None)])
    d.some(0.6, "※ 분실물 센터 {!office_main_number}, 보관 기간 {!expiry_date}까지",
           "분실자 다른 연락처(가족): {phone}", "지갑 안 운전면허증: {driver_license}")


def g_volunteer_roster(d: _Doc) -> None:
    d.lines("[{foundation}] 12월 연탄 나눔 봉사자 명단", "집결 {!schedule_date} {!time_range}, 문의 {!office_main_number}")
    if d.r.random() < 0.5:
        rows = [("{other}", "{birth_date:dot}", d.r.choice(("{phone}", "{phone}", "미기재")), "{email}", "{!quantity}시간")
                for _ in range(d.r.randrange(3, 6))]
        table(d, ("이름", "생년월일", "휴대폰", "이메일", "봉사시간"), rows)
    else:  # volunteers' accident insurance asks for the full number
        rows = [("{other}", d.r.choice(("{resident}", "{resident}", "{foreigner_registration}")), "{!quantity}시간")
                for _ in range(d.r.randrange(3, 6))]
        table(d, ("성명", "주민(외국인)등록번호", "봉사시간"), rows)
    d.some(0.6, "※ 1365 실적 등록을 위해 생년월일 확인 필수", "후원금 계좌: {!foundation_account} {foundation}",
           "담당 간사 {name} {phone:mobile}")


def g_blood_donation(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.5:
        d.lines("헌혈 예약 확인", "예약번호 {!booking_reference}", "헌혈의집 {place}센터 {!schedule_date} {!time_range}")
        form(d, [("성명", "{name}"), ("{L_birth}", "{birth_date}"), ("{L_phone}", "{phone}"),
                 ("신분증", id_document(d)),
                 ("혈압", "{!blood_pressure}"), ("헤모글로빈", "{!haemoglobin}"), ("체중", "{!body_weight}")])
    else:
        d.lines("[헌혈 문진 기록] 전자문진 ID {!receipt_number}")
        d.lines("donor={name} dob={birth_date} tel={phone} id_type=ALIEN id_no={foreigner_registration}",
                "bp={!blood_pressure} hb={!haemoglobin} result=적격 next_date={!schedule_date}")
    d.some(0.5, "기념품 모바일 상품권 발송 번호 {phone:mobile}", "문의 {!call_centre_number}")


def g_library_card(d: _Doc) -> None:
    r = d.r
    d.lines("{place} 구립도서관 회원 가입 신청서", "신청일 {!issue_date}")
    form(d, [("이름", "{name}"), ("{L_birth}", "{birth_date}"), ("{L_phone}", "{phone}"),
             ("{L_email}", "{email}"), ("보호자(14세 미만)", "{name2} {phone}" if r.random() < 0.4 else None),
             ("상호대차 수령관", "{place} 작은도서관"), ("대출 희망 도서", "ISBN {!isbn}"), ("본인 확인", id_document(d))])
    d.some(0.5, "외국인 회원: 외국인등록번호 {foreigner_registration}", "회원증 분실 재발급 바코드 {!barcode}",
           "도서관 안내 {!office_main_number}")


def g_game_support(d: _Doc) -> None:
    r = d.r
    mail(d, "{email}", "{!shared_mailbox}", r.choice(("계정 도용 신고합니다", "[문의] 결제 취소 요청", "아이템 복구 요청")),
         ["UID {!game_uid} 계정 주인 {name}입니다. 어제 밤에 누가 로그인해서 아이템을 다 팔았어요.",
          "결제된 건 {!amount}이고 결제 카드는 {credit_card:masked} 입니다. 주문번호 {!order_number}.",
          "본인 확인용으로 가입 휴대폰 {phone}, 생일 {birth_date} 적어드립니다.",
          "클라이언트 버전 {!version}, 접속 IP {!ip_address} 는 제 IP가 아닙니다."],
         [r.choice(("답변은 이 메일이나 {phone:mobile}로 부탁드려요.", "답변은 이 메일로 부탁드려요."))])
    d.some(0.5, "---", "(주)라온게임즈 고객지원팀 | {!noreply_mailbox} | {!call_centre_number}")


def g_mall_support(d: _Doc) -> None:
    r = d.r
    d.lines("[1:1 문의] 마켓온누리", "문의번호 {!receipt_number} · 주문번호 {!order_number}")
    d.lines("제목: 반품했는데 환불이 안 들어와요",
            "{!schedule_date}에 반품 접수했고 회수 송장 {!tracking_number} 입니다. 상품코드 {!sku}.",
            "카드 결제 취소가 안 되면 제 계좌 {bank} {bank_account} ({name})로 {!amount} 보내주세요.",
            "결제 카드는 {credit_card:masked} 였고요, 연락은 {phone} 으로 주세요.")
    d.lines("", "[답변] 안녕하세요 고객님, 마켓온누리 고객센터입니다.",
            "확인 결과 {!issue_date} 환불 처리되었습니다. 추가 문의는 {!call_centre_number} 또는 {!shared_mailbox} 로 주세요.")
    d.some(0.5, "판매자: {name2} / 사업자번호 {business_registration} / 통신판매업 {!mail_order_number}",
           "판매자 연락처 {phone:safe_050}")


def g_insurance_text(d: _Doc) -> None:
    r = d.r
    chat(d, [("{name}", "안녕하세요 실손 청구하려고요. 병원비 영수증 사진 보냈어요"),
             ("다올손해보험 상담", "네 고객님, 본인 확인 위해 성함과 생년월일 부탁드립니다"),
             ("{name}", "{name} {birth_date} 입니다"),
             ("다올손해보험 상담", "접수번호 {!receipt_number} 로 접수되었습니다. 보험금 받으실 계좌 알려주세요"),
             ("{name}", r.choice(("{bank} {bank_account}", "{bank_account} {bank}이요", "{bank} {bank_account} 본인명의"))),
             ("다올손해보험 상담", "진료비 {!amount} 중 자기부담 제외하고 지급 예정입니다. 요양기관번호 {!institution_code} 확인했습니다"),
             ("{name}", "자녀 것도 같이 되나요? 애 주민번호 {resident_child}"),
             ("다올손해보험 상담", "네 가능합니다. 문의는 {!call_centre_number} 로 주세요")])


def g_gold_pawn(d: _Doc) -> None:
    r = d.r
    d.lines("금은방 귀금속 매입 장부 (고물영업 법정 기재사항)", "매입일 {!issue_date}")
    rows = []
    for _ in range(r.randrange(2, 5)):
        rows.append(("{other}", r.choice(("{resident}", "{resident:masked}", "{foreigner_registration}", "{driver_license}")),
                     r.choice(("{phone}", "{phone}", "")), "{!metal_weight}", "{!amount}"))
    table(d, ("매도인", "신분증 번호", "연락처", "중량", "매입가"), rows)
    d.some(0.6, "대금 이체: {name} {bank} {bank_account}", "매장 {company} 사업자등록번호 {business_registration}",
           "감정서 번호 {!serial_number}")


def g_wedding_hall(d: _Doc) -> None:
    r = d.r
    d.lines("그랜드라비엔웨딩홀 예식 계약서", "계약번호 {!booking_reference}")
    form(d, [("신랑", "{name}"), ("신랑 연락처", "{phone}"), ("신랑 생년월일", "{birth_date}"), ("신부", "{name2}"),
             ("신부 연락처", "{phone}" if r.random() < 0.5 else None), ("신부 생년월일", "{birth_date}"),
             ("계약자 주민등록번호", "{resident}" if r.random() < 0.5 else None),
             ("예식일시", "{!schedule_date} {!time_range}"), ("홀", "그랜드홀 (보증인원 {!quantity}명)"),
             ("식대", "{!amount}"), ("계약금", "{!amount}"), ("계약금 결제", "{credit_card}"),
             ("혼주 연락처", "{phone:landline}" if r.random() < 0.5 else None)])
    d.some(0.7, "잔금 입금 계좌: {!company_account} (주)그랜드라비엔",
           "축의금 계좌 안내(신랑측): {bank} {bank_account} {name}",
           "담당 플래너 {other} / 홀 대표 {!office_main_number}",
           "사업자등록번호 {business_registration}")


def g_photo_studio(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.5:
        chat(d, [("봄날사진관", "돌스냅 예약 도와드릴게요! 아기 이름이랑 생일 알려주세요"),
                 ("{name}", "아기 이름은 {kid}이고 {birth_infant} 생이에요"),
                 ("봄날사진관", "예약금 {!amount} 입금 주시면 확정이에요. 사진관 계좌 {!company_account}"),
                 ("{name}", "입금했어요. 원본은 {email} 로 보내주세요"),
                 ("봄날사진관", "촬영일 {!schedule_date} {!time_range} 입니다. 당일 연락은 {phone} 로 드릴게요")])
    else:
        d.lines("봄날사진관 촬영 예약지", "예약번호 {!booking_reference}")
        form(d, [("예약자", "{name}"), ("{L_phone}", "{phone}"), ("{L_email}", "{email}"), ("촬영 종류", "여권사진 {!quantity}매"),
                 ("여권번호(재발급 시)", "{passport}" if r.random() < 0.5 else None), ("결제", "{!amount}")])
    d.some(0.4, "사업자 {business_registration} 봄날사진관 | 문의 {!office_main_number}")


def g_interior_repair(d: _Doc) -> None:
    r = d.r
    d.lines("㈜새솔인테리어 공사 계약서", "현장: {place} {apt} {!apartment_unit} ({!floor_area})")
    form(d, [("건축주", "{name}"), ("건축주 연락처", "{phone}"), ("건축주 생년월일", "{birth_date}"),
             ("공사기간", "{!contract_period}"), ("공사금액", "{!amount}"), ("계약금", "{!amount}"),
             ("시공사 등록번호", "{!organisation_registration}"), ("시공사 사업자등록번호", "{business_registration}"),
             ("현장소장", "{other} {phone:mobile}")])
    d.some(0.7, "공사대금 입금: {!company_account} ㈜새솔인테리어",
           "하자보수 연락: 본사 {!office_main_number} 내선 {!extension}", "주방 창호 규격 {!dimension}",
           "타일 시공 하도급: {other} 대표 사업자 {business_registration}, 계좌 {bank} {bank_account}",
           "견적 문의 {!shared_mailbox}")


def g_dormitory(d: _Doc) -> None:
    r = d.r
    foreign = r.random() < 0.45
    d.line("2027학년도 1학기 생활관 입사 신청서" if not foreign else "Dormitory Application / 생활관 입사 신청 (International)")
    form(d, [("성명 Name", "{rname}" if foreign else "{name}"),
             ("학번", "{!customer_number}"), ("생년월일 Date of Birth", "{birth_young}"),
             ("외국인등록번호 ARC No.", "{foreigner_young}") if foreign else ("주민등록번호", "{resident_young}"),
             ("여권번호 Passport No.", "{passport}") if foreign else (None, ""),
             ("휴대폰 Mobile", "{phone}"), ("{L_email}", "{email}"),
             ("보호자 연락처 Guardian", "{phone:intl}" if foreign else "{phone}"),
             ("희망 호실", "{!room_number}"), ("관리비 환불 계좌", "{bank} {bank_account}")])
    d.some(0.5, "생활관 행정실 {!office_main_number} / {!shared_mailbox}", "입사일 {!schedule_date}, 관리비 {!amount}")


def g_vaccination(d: _Doc) -> None:
    r = d.r
    d.lines("예방접종 기록 확인서", "발급일 {!issue_date}  발급번호 {!receipt_number}")
    form(d, [("피접종자", "{name}"), ("생년월일", "{birth_infant}"),
             ("주민등록번호", r.choice(("{resident_infant}", "{resident_infant:masked}", "{resident:post2020}"))),
             ("보호자 연락처", "{phone}")])
    table(d, ("백신", "차수", "접종일", "기관코드", "로트번호"),
          [("DTaP", "3차", "{!schedule_date}", "{!institution_code}", "{!serial_number}"),
           ("인플루엔자", "1차", "{!schedule_date}", "{!institution_code}", "{!serial_number}")])
    d.some(0.5, "외국인 아동: 외국인등록번호 {foreigner_registration}", "문의 {!call_centre_number}")


def g_kyc_app(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.4:
        _kyc_webhook(d)
        return
    d.line("== paiden kyc review log ==")
    for _ in range(r.randrange(2, 4)):
        d.t("{!timestamp} ")
        d.line(r.choice((
            "kyc.submit user_name={name} phone={phone} dob={birth_date:hyphen} id_type=RRN id_no={resident}",
            "kyc.submit user_name={rname} phone={phone:intl} id_type=ARC id_no={foreigner_registration} passport={passport}",
            "kyc.submit user_name={name} email={email} id_type=DL id_no={driver_license}",
            "kyc.account_verify bank={bank} account={bank_account} holder={name} result=MATCH",
            "kyc.card_register card={credit_card:masked} holder={rname} dob={birth_date:compact}",
            "kyc.ocr_extract doc=DRIVER_LICENSE number={driver_license} name={name} birth={birth_date:compact}")))
    d.t("{!timestamp} ")
    d.line("device model={!model_number} app={!version} ip={!ip_address} mac={!mac_address}")
    d.some(0.6, "reviewer note: 신분증 사진 흐림, 재촬영 요청 문자 {phone:mobile} 발송",
           "merchant_brn={business_registration} settlement_account={!company_account}")


def _kyc_webhook(d: _Doc) -> None:
    """The identity check's result as the app's server receives it, in JSON."""
    r = d.r
    d.line("POST /v2/webhooks/kyc HTTP/1.1")
    d.line("Host: api.paiden.io")
    d.line("")
    d.t('{"event": "kyc.completed", "requested_at": "{!timestamp}", "applicant": {"name": "{name}", ')
    d.t(r.choice(('"mobile": "{phone:mobile_plain}", ', '"mobile": "{phone}", ', '"phone_number": "{phone:intl}", ')))
    d.t(r.choice(('"birth": "{birth_date:compact}", ', '"dob": "{birth_date:hyphen}", ')))
    d.t(r.choice(('"id": {"type": "RRN", "number": "{resident:masked}"}', '"id": {"type": "DRIVER", "number": "{driver_license}"}',
                  '"id": {"type": "PASSPORT", "number": "{passport}", "nationality": "VNM"}',
                  '"id": {"type": "ARC", "number": "{foreigner_registration}"}')))
    d.t('}, "bank": {"code": "0' + str(r.randrange(10, 90)) + '", "account": "{bank_account:plain}", "holder_match": true}, ')
    d.line('"device": {"model": "{!model_number}", "ip": "{!ip_address}"}, "trace_id": "{!transaction_reference}"}')


def g_landlord_chat(d: _Doc) -> None:
    r = d.r
    chat(d, [("집주인", "안녕하세요 {!apartment_unit} 세입자분 맞으시죠? 보일러 기사님 번호 드릴게요 {phone}"),
             ("{name}", "감사합니다! 이번 달 월세는 어디로 보내면 될까요"),
             ("집주인", r.choice(("{bank} {bank_account} {name2}으로 보내주세요", "제 계좌 {bank_account} ({bank}) 예금주 {name2}"))),
             ("{name}", "넵 {!amount} 보냈습니다. 계약 갱신 때 보증금 돌려받을 계좌는 {bank} {bank_account} 입니다"),
             ("집주인", "확정일자 받으시려면 제 주민번호 필요하다 하셔서요 {resident}"),
             ("{name}", "관리비 고지서 번호는 {!bill_number} 인데 이것도 제가 내면 되나요?"),
             ("집주인", "네 관리사무소 {!office_main_number} 에 물어보세요. 저 다른 번호는 {phone:landline}")])


def g_police_report(d: _Doc) -> None:
    r = d.r
    d.lines(r.choice(("사이버범죄 신고 접수증", "진술서", "교통사고 사실확인원 신청")), "사건번호 {!case_number}")
    form(d, [("신고인", "{name}"), ("{L_rrn}", "{resident}"), ("{L_phone}", "{phone}"),
             ("이메일", "{email}" if r.random() < 0.6 else None),
             ("운전면허번호", "{driver_license}" if r.random() < 0.5 else None),
             ("피해 금액", "{!amount}"), ("피해 일시", "{!timestamp}"),
             ("외국인 신고인 여권", "{passport}" if r.random() < 0.3 else None)])
    d.lines("피해 내용: 중고거래 사이트에서 {handset} 을 사기로 하고 판매자에게 송금했으나 연락 두절.",
            "판매자가 알려준 계좌 {bank} {bank_account}, 사업자 {business_registration} 이라고 함.")
    d.some(0.6, "상대 차량 {!vehicle_plate}, 상대 운전자 면허 {driver_license}",
           "담당 수사관 {other} 경위 직통 {phone:landline} / 민원실 {!office_main_number}",
           "피의자 외국인등록번호 {foreigner_registration} (여권 {passport})",
           "판매자가 채팅에 적어 준 번호: {phone:hangul}")


def g_appliance_as(d: _Doc) -> None:
    r = d.r
    d.lines("(주)하이케어가전서비스 출장 수리 접수", "접수번호 {!receipt_number}")
    form(d, [("고객명", "{name}"), ("{L_phone}", "{phone}"), ("보조 연락처", "{phone:landline}" if r.random() < 0.5 else None),
             ("주소", "{place} {apt} {!apartment_unit}"), ("제품", "{product} {!model_number}"),
             ("제조번호", "{!serial_number}"), ("방문 희망", "{!schedule_date} {!time_range}"),
             ("출장비", "{!amount}"), ("방문 시 본인 확인", id_document(d) if r.random() < 0.5 else None)])
    d.some(0.7, "유상 수리비 결제: 카드 {credit_card}", "수리기사 {other} {phone:mobile}",
           "콜센터 {!call_centre_number} (무료 {!toll_free_number})", "세금계산서 발행: 사업자 {business_registration}, 메일 {email}")


def g_phone_repair(d: _Doc) -> None:
    r = d.r
    d.lines("픽스폰 수리센터 수리 접수증", "접수 {!timestamp}")
    form(d, [("고객", "{name}"), ("{L_phone}", "{phone}"), ("기종", "{handset} {!model_number}"),
             ("IMEI", "{!imei}"), ("증상", "액정 파손, 배터리 효율 {!percentage}"), ("예상 비용", "{!amount}"),
             ("백업 계정", "{email}" if r.random() < 0.6 else None)])
    d.some(0.6, "수리 중 임시폰 대여 보증: 신분증 " + id_document(d),
           "센터 {!office_main_number} · {!shared_mailbox}", "쿠폰 {!coupon_code} 적용")


def g_laundry_pickup(d: _Doc) -> None:
    r = d.r
    d.lines("빨래요정 수거 요청 #{!order_number}")
    d.lines("고객: {name} / {phone}", "수거지: {place} {apt} {!apartment_unit}, 공동현관 {!locker_code}",
            "품목: 이불 {!quantity}채, 패딩 {!quantity}벌", "결제: {credit_card:masked} {!amount} 승인 {!approval_number}")
    d.some(0.6, "배송기사 안심번호 {phone:safe_050}", "고객센터 {!call_centre_number} · {!noreply_mailbox}",
           "영수증 이메일 {email}", "쿠폰 {!coupon_code}")


def g_flower_order(d: _Doc) -> None:
    r = d.r
    if r.random() < 0.5:
        d.lines("꽃담플라워 주문서", "주문번호 {!order_number}")
        form(d, [("보내는 분", "{name}"), ("보내는 분 연락처", "{phone}"), ("받는 분", "{name2}"),
                 ("받는 분 연락처", "{phone}" if r.random() < 0.6 else None), ("상품", "{flower}"), ("배송일시", "{!schedule_date} {!time_range}"),
                 ("리본 문구", "삼가 고인의 명복을 빕니다"), ("금액", "{!amount}"), ("법인 주문 사업자번호", "{business_registration}"),
                 ("결제", "무통장 {!virtual_account}")])
    else:
        d.line("꽃 주문이요~ {flower} 하나 {!schedule_date}까지 {place} 로 보내주세요. 받는 분 {name2} {phone}, "
               "저는 {name} {phone} 이고 세금계산서는 사업자 {business_registration} 로 부탁드려요.")
    d.some(0.4, "세금계산서 메일 {email}", "꽃담플라워 {!office_main_number}")


def g_tutoring_match(d: _Doc) -> None:
    r = d.r
    d.lines("(주)스마트과외 매칭 안내", "매칭번호 {!booking_reference}")
    table(d, ("구분", "이름", "연락처", "이메일"),
          [("학부모", "{name}", "{phone}", "{email}"), ("선생님", "{name2}", "{phone}", "{email}")])
    d.lines("과목 {subject}, 주 2회 {!time_range}, 월 {!amount}",
            "선생님 수업료 지급 계좌: {bank} {bank_account} ({name2})", "선생님 신분 확인: " + id_document(d))
    d.some(0.6, "선생님 생년월일 {birth_young} (성범죄 경력 조회용), 주민번호 {resident:masked}",
           "매칭 수수료 입금: {!company_account} (주)스마트과외", "문의 {!shared_mailbox}")


def g_housekeeper(d: _Doc) -> None:
    r = d.r
    d.lines("(주)홈메이트 가사도우미 배정 알림", "서비스번호 {!booking_reference}, 일정 {!schedule_date} {!time_range}")
    form(d, [("고객", "{name}"), ("{L_phone}", "{phone}"), ("주소", "{place} {!apartment_unit}"),
             ("매니저", "{name2}"), ("매니저 연락처", "{phone:safe_050}"),
             ("매니저 생년월일", "{birth_senior}"), ("매니저 외국인등록번호", "{foreigner_registration}" if r.random() < 0.4 else None),
             ("매니저 급여 계좌", "{bank} {bank_account}"), ("이용 요금", "{!amount}")])
    d.some(0.5, "고객센터 {!call_centre_number}", "매니저 신원 확인: " + id_document(d))


def g_shared_office(d: _Doc) -> None:
    r = d.r
    d.lines("워크온 공유오피스 입주 신청서", "호실 {!room_number}, 계약기간 {!contract_period}")
    form(d, [("입주사", "{company}"), ("사업자등록번호", "{business_registration}"), ("대표자", "{name}"),
             ("대표자 생년월일", "{birth_date}"), ("대표자 휴대폰", "{phone}"), ("대표 이메일", "{email}"),
             ("담당자", "{name2} / {phone} / {email}"), ("월 이용료", "{!amount}"),
             ("자동결제 카드", "{credit_card}" if r.random() < 0.5 else None)])
    d.some(0.7, "우편물 수령 주소: {place} {!postcode}", "출입카드 발급 {!quantity}장, 보증금 반환 계좌 {bank} {bank_account}",
           "워크온 운영팀 {!office_main_number} / {!shared_mailbox}, 이번 달 청구서 {!invoice_number}", "와이파이 게이트웨이 {!ip_address}")


def g_alumni_directory(d: _Doc) -> None:
    r = d.r
    d.lines("{school} 제{!quantity}회 졸업 동창회 주소록 (회원 외 배포 금지)")
    rows = [("{other}", r.choice(("{phone}", "{phone}", "-")), "{email}", "{place}",
             r.choice(("{birth_date:short_dot}", "{birth_date:dot}", "")))
            for _ in range(r.randrange(3, 7))]
    table(d, ("이름", "휴대폰", "이메일", "사는 곳", "생일"), rows)
    d.some(0.7, "회비 계좌: {bank} {bank_account} (총무 {name})", "동창회 사무국 {!office_main_number}, 팩스 {!fax_number}",
           "장학회 기부 계좌 {!foundation_account}")


def g_print_shop(d: _Doc) -> None:
    r = d.r
    mail(d, "{name} <{email}>", "{!shared_mailbox}", "청첩장 인쇄 주문 및 시안 확인",
         ["안녕하세요. 청첩장 {!quantity}부 주문합니다. 시안 번호 {!sku}.",
          "청첩장에 들어갈 연락처: 신랑 {phone}, 신부 {phone}",
          "마음 전하실 곳: 신랑측 {bank} {bank_account} {name}, 신부측 {bank} {bank_account} {name2}",
          "결제는 {credit_card} 로 부탁드리고 배송지는 {place} {!postcode} 입니다."],
         [r.choice(("{name} 드림 / {phone:mobile}", "{name} 드림"))])
    d.some(0.5, "--- (주)한빛인쇄 자동 회신 {!noreply_mailbox}, 주문번호 {!order_number}, 대표번호 {!office_main_number}")


def g_church_bulletin(d: _Doc) -> None:
    r = d.r
    d.company = d.r.choice(CHURCHES)
    d.lines("{church} 주보 - 새가족 환영", "이번 주 등록하신 새가족을 환영합니다.")
    rows = [("{other}", r.choice(("{phone}", "{phone}", "(비공개)")),
             "{birth_date:korean}" if r.random() < 0.6 else "{birth_date}", "{place}")
            for _ in range(r.randrange(2, 5))]
    table(d, ("성함", "연락처", "생일", "지역"), rows)
    d.lines("헌금 계좌: {!church_account} {church}", "교회 사무실 {!office_main_number} / {!shared_mailbox}", "기부금 영수증 신청: {name} 성도 주민등록번호 {resident}")
    d.some(0.5, "새가족부 담당 {name} 집사 {phone:mobile}", "바자회 {!schedule_date}, 수익금 {!amount}")


def g_car_sharing(d: _Doc) -> None:
    r = d.r
    d.lines("카셰어링 회원 운전자 등록", "회원번호 {!customer_number}")
    form(d, [("운전자", "{name}"), ("{L_birth}", "{birth_date}"), ("{L_licence}", "{driver_license}"),
             ("면허 적성검사 만료", "{!expiry_date}"), ("{L_phone}", "{phone}"), ("{L_card}", "{credit_card}"), ("유효기간", "{!card_expiry}"),
             ("{L_email}", "{email}")])
    d.some(0.6, "대여 차량 {!vehicle_plate} (차대번호 {!vin})", "긴급출동 {!call_centre_number}",
           "외국인 회원 여권 {passport}, 국제면허 확인")


def g_ocr_receipt(d: _Doc) -> None:
    """A shop's paper form read by a scanner: spaces and colons slip, digits turn to letters."""
    d.noise = 0.35
    d.lines("(스캔) {company} 고객 확인서", "No. {!receipt_number}")
    form(d, [("성 명", "{name}"), ("주민등록번호", "{resident:ocr}"), ("전 화", "{phone:ocr}"),
             ("계 좌", "{bank} {bank_account}"), ("사업자번호", "{business_registration}"),
             ("발급일", "{!issue_date}"), ("금 액", "{!amount}")], style=lambda k, v: f"{k} : {v}")
    d.line("본 확인서는 {company} 대표번호 {!office_main_number} 로 진위 확인 가능")


def g_fullwidth_form(d: _Doc) -> None:
    """A form typed with a Korean input method left in full-width mode."""
    d.lines("【택배 보관 서비스 이용 신청】", "신청번호：{!receipt_number}")
    form(d, [("신청인", "{name}"), ("연락처", "{phone:fullwidth}"), ("주민번호", "{resident:fullwidth}"),
             ("카드번호", "{credit_card:fullwidth}"), ("사업자번호", "{business_registration:fullwidth}"),
             ("보관함", "{!locker_code}"), ("이용료", "{!amount}")], style=lambda k, v: f"{k}：{v}")
    d.line("문의：{!call_centre_number}")


def g_language_institute(d: _Doc) -> None:
    r = d.r
    d.lines("한국어학당 수강 신청서 / Korean Language Program Application", "Term 학기: {!contract_period}")
    form(d, [("Name (as in passport)", "{rname}"), ("Passport No. 여권번호", "{passport}"),
             ("Date of Birth 생년월일", "{birth_young:english}" if r.random() < 0.5 else "{birth_young}"),
             ("ARC No. 외국인등록번호", "{foreigner_registration}" if r.random() < 0.7 else None),
             ("Mobile (Korea)", "{phone}"), ("Student ID", "{!customer_number}"),
             ("{L_email}", "{email}"), ("Tuition", "{!amount}"), ("Card", "{credit_card}" if r.random() < 0.5 else None)])
    d.some(0.6, "Refund account 환불 계좌: {bank} {bank_account}",
           "Office 어학당 행정실 {!office_main_number} / {!shared_mailbox}",
           "Emergency contact: {rother} {phone:intl}")


def g_share_house(d: _Doc) -> None:
    r = d.r
    chat(d, [("하우스 매니저", "Hi! 입주 전에 passport랑 ARC 번호 보내주세요 for the contract"),
             ("{rname}", r.choice(("passport {passport}, ARC {foreigner_registration}",
                                   "여권 {passport} / 외국인등록번호 {foreigner_registration}",
                                   "ARC is {foreigner_registration}. passport no. {passport}"))),
             ("하우스 매니저", "Thanks. 보증금 {!amount} 은 아래 계좌로요: {bank} {bank_account} ({name})"),
             ("{rname}", "Sent! my Korean number is {phone} and email {email}"),
             ("하우스 매니저", "방은 {!room_number}, 도어락 {!locker_code} 입니다. 관리회사 {!office_main_number}")])
    d.some(0.4, "계약자 생년월일: {birth_date}", "Guarantor in Korea: {name2} {phone:mobile}")


def g_giftcard_support(d: _Doc) -> None:
    r = d.r
    d.lines("[모바일 상품권 고객센터] 상담 내역", "상담번호 {!receipt_number} / 거래번호 {!transaction_reference}")
    d.lines("고객 {name} ({phone}) 문의: 선물 받은 상품권 PIN {!giftcard_pin} 이 이미 사용됐다고 나옴.",
            "구매자 정보: {name2} / {phone} / {email}",
            "본인인증 인증번호 {!verification_code} 확인 완료, 생년월일 {birth_date} 일치.",
            "처리: 미사용 확인되어 환불 예정. 환불 계좌 {bank} {bank_account} (예금주 {name}).")
    d.some(0.6, "결제수단 {credit_card}, 승인 {!approval_number}, 금액 {!amount}",
           "회신 메일 발송 from {!noreply_mailbox}", "세금계산서 요청 업체 사업자번호 {business_registration}, 청구번호 {!invoice_number}")


def g_ski_rental(d: _Doc) -> None:
    r = d.r
    d.lines("스키·보드 장비 렌탈 신청서 (Rental Form)", "렌탈번호 {!booking_reference}")
    form(d, [("성명 Name", "{name}" if r.random() < 0.6 else "{rname}"),
             ("신분증 ID", r.choice(("운전면허 {driver_license}", "여권 Passport {passport}", "여권 {passport}",
                                    "외국인등록증 {foreigner_registration}"))),
             ("연락처 Tel", r.choice(("{phone}", "{phone:intl}"))), ("키/체중", "{!height} / {!body_weight}"),
             ("부츠 사이즈", "{!quantity}mm"), ("보증 카드", "{credit_card}"),
             ("반납일", "{!schedule_date}"), ("장비 번호", "{!serial_number}")])
    d.some(0.5, "동반자 {name2} 면허 {driver_license}", "렌탈샵 {!office_main_number}")


def g_parking_permit(d: _Doc) -> None:
    r = d.r
    d.lines("거주자우선주차 신청서", "{place} 주민센터 접수 {!receipt_number}")
    form(d, [("신청인", "{name}"), ("{L_rrn}", "{resident}"), ("{L_phone}", "{phone}"),
             ("자택 전화", "{phone:landline}" if r.random() < 0.4 else None), ("차량번호", "{!vehicle_plate}"),
             ("{L_licence}", "{driver_license}"), ("구획번호", "{!lot_number}"), ("주차요금", "{!amount}"),
             ("납부", "가상계좌 {!virtual_account}")])
    d.some(0.5, "문의: 주차관리과 {!office_main_number}, 팩스 {!fax_number}", "전자고지 이메일 {email}")


def g_tax_free_shopping(d: _Doc) -> None:
    r = d.r
    d.lines("TAX FREE 즉시환급 영수증 / Tax Refund Receipt", "{company}  매장 사업자등록번호 {business_registration}",
            "영수증번호 {!receipt_number}  판매일 {!issue_date}")
    form(d, [("Passport No. 여권번호", "{passport}"), ("Name 성명", "{rname}"), ("Nationality", r.choice(("JPN", "CHN", "USA", "VNM", "THA"))),
             ("Date of Birth", "{birth_date:english}" if r.random() < 0.5 else "{birth_date:hyphen}"),
             ("Card 카드", "{credit_card:masked}" if r.random() < 0.5 else "{credit_card}"),
             ("Goods", "{!sku} x {!quantity}"), ("Amount", "{!amount}"), ("Refund", "{!amount}")])
    d.some(0.5, "상품 바코드 {!barcode}", "환급창구 문의 {!call_centre_number}")


def g_card_loss(d: _Doc) -> None:
    r = d.r
    chat(d, [("카드사 챗봇", "분실 신고를 도와드릴게요. 분실하신 카드 번호를 입력해 주세요"),
             ("{name}", r.choice(("{credit_card}", "{credit_card:masked}", "카드번호 {credit_card}"))),
             ("카드사 챗봇", "본인 확인을 위해 생년월일 6자리를 입력해 주세요"),
             ("{name}", "{birth_date:yymmdd}"),
             ("카드사 챗봇", "분실 신고가 접수되었습니다(접수번호 {!receipt_number}). 재발급 카드 결제계좌를 확인해 주세요"),
             ("{name}", "{bank} {bank_account} 그대로요. 가족카드 {credit_card} 도 같이 정지해주세요"),
             ("카드사 챗봇", "처리되었습니다. 상담원 연결은 {!call_centre_number}")])


def g_franchise_inquiry(d: _Doc) -> None:
    r = d.r
    d.lines("[가맹 상담 신청] 접수번호 {!receipt_number}")
    form(d, [("신청인", "{name}"), ("{L_birth}", "{birth_date}"), ("{L_email}", "{email}"),
             ("연락처", "{phone}" if r.random() < 0.6 else None),
             ("현재 운영 중인 매장 사업자번호", "{business_registration}"), ("희망 지역", "{place}"),
             ("가용 자금", "{!amount}"), ("희망 평수", "{!floor_area}")])
    d.some(0.7, "가맹비 입금 계좌(본사): {!company_account}", "공동 창업자 {name2} 사업자 {business_registration}, 메일 {email}",
           "본사 가맹사업부 {!office_main_number} 내선 {!extension} / {!shared_mailbox}",
           "정보공개서 등록번호 {!organisation_registration}")


def g_book_buyback(d: _Doc) -> None:
    r = d.r
    d.lines("중고도서 매입 신청 내역", "신청번호 {!order_number} / 회수 송장 {!tracking_number}")
    table(d, ("ISBN", "상태", "매입가"), [("{!isbn}", r.choice(("최상", "상", "중")), "{!amount}")
                                         for _ in range(r.randrange(2, 5))])
    form(d, [("판매자", "{name}"), ("정산 계좌", "{bank} {bank_account}"), ("예금주 생년월일", "{birth_date}"),
             ("{L_email}", "{email}"), ("개인사업자인 경우 사업자번호", "{business_registration}" if r.random() < 0.4 else None)])
    d.some(0.4, "문의 {!call_centre_number} / {!noreply_mailbox}")


def g_bulky_waste(d: _Doc) -> None:
    r = d.r
    d.lines("[Web발신]", "[{place}] 대형폐기물 배출 신고가 완료되었습니다.")
    d.lines("신고번호: {!receipt_number}", "배출일: {!schedule_date}", "품목: 장롱 1, 소파 1 (수수료 {!amount})",
            "신고인: {name} ({phone:masked})" if r.random() < 0.5 else "신고인: {name} ({phone})")
    d.some(0.7, "수수료 환불 계좌: {bank} {bank_account} (신청인 본인)", "수거 업체 문의 {!office_main_number}",
           "배출 스티커 번호 {!serial_number}", "민원 회신 이메일 {email}")


def g_pet_hotel(d: _Doc) -> None:
    r = d.r
    d.lines("PET HOTEL 예약 확인서 / Pet Hotel Booking", "Booking No. {!booking_reference}")
    form(d, [("보호자 Owner", "{name}"), ("연락처 Mobile", "{phone}"), ("비상연락 Emergency", "{phone}" if r.random() < 0.5 else None),
             ("{L_email}", "{email}"), ("반려견", "{kid} (말티즈, {!pet_weight})"), ("동물등록번호", "{!animal_registration}"),
             ("체크인", "{!schedule_date}"), ("체크아웃", "{!schedule_date}"), ("요금", "{!amount}"), ("결제", "{credit_card}")])
    d.some(0.5, "픽업 대리인 {name2} {phone:mobile}, 신분증 " + id_document(d), "호텔 대표 {!office_main_number}",
           "사업자등록번호 {business_registration}")


GENRES = {
    "pharmacy_order": g_pharmacy_order, "optician": g_optician, "gym_pt": g_gym_pt,
    "hagwon_enrolment": g_hagwon, "apartment_office": g_apartment_office, "moving_quote": g_moving_quote,
    "lost_and_found": g_lost_found, "volunteer_roster": g_volunteer_roster,
    "blood_donation": g_blood_donation, "library_card": g_library_card, "game_support": g_game_support,
    "mall_support": g_mall_support, "insurance_text": g_insurance_text, "gold_pawn": g_gold_pawn,
    "wedding_hall": g_wedding_hall, "photo_studio": g_photo_studio, "interior_repair": g_interior_repair,
    "dormitory": g_dormitory, "vaccination": g_vaccination, "kyc_app": g_kyc_app,
    "landlord_chat": g_landlord_chat, "police_report": g_police_report, "appliance_repair": g_appliance_as,
    "phone_repair": g_phone_repair, "laundry_pickup": g_laundry_pickup, "flower_order": g_flower_order,
    "tutoring_match": g_tutoring_match, "housekeeper_match": g_housekeeper, "shared_office": g_shared_office,
    "alumni_directory": g_alumni_directory, "print_shop": g_print_shop, "church_bulletin": g_church_bulletin,
    "car_sharing": g_car_sharing, "ocr_scan": g_ocr_receipt, "fullwidth_form": g_fullwidth_form,
    "language_institute": g_language_institute, "share_house": g_share_house,
    "giftcard_support": g_giftcard_support, "ski_rental": g_ski_rental, "parking_permit": g_parking_permit,
    "tax_free_shopping": g_tax_free_shopping, "card_loss_report": g_card_loss,
    "franchise_inquiry": g_franchise_inquiry, "book_buyback": g_book_buyback,
    "bulky_waste": g_bulky_waste, "pet_hotel": g_pet_hotel,
}


def _document(seed: int, index: int, order: tuple) -> Document:
    r = random.Random(f"{PART}:{seed}:{index}")
    genre = order[index % len(order)]
    d = _Doc(r, genre)
    GENRES[genre](d)
    return d.document()


def generate(count: int = DEFAULT_COUNT, seed: int = 1) -> list[Document]:
    """`count` documents; the genres come round in an order drawn from the seed."""
    order = list(GENRES)
    random.Random(f"{PART}:{seed}:order").shuffle(order)
    order = tuple(order)
    return [_document(seed, i, order) for i in range(count)]


if __name__ == "__main__":
    import sys
    n = int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)
    labelled.show(generate(n))
