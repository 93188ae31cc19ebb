"""The twelfth blind part: labelled Korean documents of everyday businesses and clubs that no
other part writes about, made from a seed and written without looking at the detection rules.

    docs = labelled_blind12.generate(1500, seed=1)

Genres: academic conference registrations, study-abroad agency files, marriage agency sign-ups,
caregiver matching, cleaning service bookings, car rental counters, scooter-sharing support
chats, hospital visitor passes, dental treatment plans, hearing-aid shops, funeral-insurance
sales calls, door-to-door rental contracts, music lessons, sports league rosters, hiking club
bus lists, class reunion contact lists, hometown associations, fan club ticketing, crowdfunding
backers, real-estate brokerage contracts, mobile-phone shop instalment papers, used-car dealers,
tow trucks, locksmiths, delivery rider onboarding, quick couriers, nursing-home guardians,
school uniform orders, journal submissions, self-storage leases, training vouchers, pest
control contracts, fishing-boat passenger lists, influencer sponsorships, scrap-metal buyers'
ledgers, drone pilot registrations, start-up grant applications, patent attorneys' intake,
press releases, TV show applicants and festival vendors. Forms: prose, forms, key=value lines,
tables (CSV, TSV, pipes, Markdown), chats, e-mails, JSON lines, scanned text with letters for
digits and full-width digits, English-Korean mixes.

Conventions:
- Values are whatever identifies or reaches a person: their own mobile, home or direct line, a
  050x safe number (it rings a person), their e-mail (also a work address in their own name),
  their bank account and card, every business registration number (a sole trader's or a
  company's alike), resident, foreigner and driver licence numbers, birth dates and passports.
  A value's span is the value as written, a licence's region name included ("서울 19-...").
- Negatives are organisations' numbers and other look-alikes: an office's or company's main or
  call-centre number, a bare extension, an office fax (a 0505 fax too), a company's, church's or
  foundation's account, a virtual account for one bill, a shared mailbox (help@, info@ of a
  company), a corporation's registration number (법인등록번호, it names no person), and order,
  tracking, invoice, booking, contract, policy, patent, court and model numbers, serials, IMEIs,
  barcodes, ISBNs, dates that are not birth dates, amounts, postcodes and the like.
- About a tenth of the values are partly masked (010-****-5678, 880101-1******); resident
  numbers of children born since October 2020 carry no valid check digit (writing "post2020").
- Each document is made from its own seed, so a smaller count gives a prefix of a larger one.
"""

from __future__ import annotations

import random
import re

import corpus
import labelled

PART = "blind12"
KINDS = labelled.KINDS

# --------------------------------------------------------------------------- word pools

SURNAMES = corpus.SURNAMES[:60]
GIVEN = corpus.GIVEN
ROMAN = corpus.ROMAN
ROMAN_SUR = corpus.ROMAN_SUR
COMPANIES = ("(주)한결상조", "늘푸른렌탈", "(주)다온모빌리티", "바른중개사무소", "새솔방역", "(주)미래유학",
             "더웨딩매칭", "한마음간병", "깔끔입주청소", "(주)스카이렌터카", "씽씽킥", "소리샘보청기",
             "(주)청정라이프", "하모니음악교실", "(주)빛나교복", "(주)세움특허법률사무소", "도담스토리지",
             "(주)바로퀵", "늘봄요양원", "서해낚시", "(주)고철나라", "하늘드론아카데미", "(주)큰길모터스",
             "24시열쇠", "(주)배달히어로", "(주)펀딩온", "한빛스튜디오", "(주)케이팝라인")
COMPANY_DOMAINS = ("hangyeol.co.kr", "darentals.com", "daon-mobility.kr", "saesol.kr", "mirae-edu.com",
                   "thewedding.kr", "soundsam.co.kr", "cheongjeong.com", "bitnauniform.kr", "seumip.com",
                   "dodamstorage.kr", "baroquick.co.kr", "fundingon.com", "kpopline.kr", "skyrent.co.kr")
SHOPS = ("할매순대", "청년떡볶이", "바다횟집", "수제버거 온", "달빛커피", "한우명가", "꽃보다빵", "전통주막", "행복약국",
         "새봄세탁", "우리동네마트", "그린카센터", "늘찬정육점", "골목식당", "하나로분식")
AFFILIATIONS = ("서울대학교 통계학과", "KAIST 전산학부", "한국전자통신연구원", "부산대학교 경영학과", "고려대학교 사회학과",
                "경북대학교 IT대학", "전남대학교 간호학과", "한국개발연구원", "국립암센터", "Seoul National University",
                "Yonsei University, Dept. of Economics")
BANK_FORMATS = {  # a bank's usual account layout (digits per group)
    "국민은행": (6, 2, 6), "KB국민": (6, 2, 6), "신한은행": (3, 3, 6), "신한": (3, 3, 6), "우리은행": (4, 3, 6),
    "하나은행": (3, 6, 5), "농협": (3, 4, 4, 2), "NH농협": (3, 4, 4, 2), "기업은행": (3, 6, 2, 3),
    "IBK기업": (3, 6, 2, 3), "카카오뱅크": (4, 2, 7), "토스뱅크": (4, 4, 4), "케이뱅크": (3, 3, 6),
    "새마을금고": (4, 4, 4, 1), "우체국": (6, 2, 6), "수협": (3, 4, 4, 1), "신협": (3, 3, 6), "SC제일": (3, 2, 6),
    "부산은행": (3, 4, 4, 2), "대구은행": (3, 2, 6, 1),
}
BANKS = tuple(BANK_FORMATS)
REGIONS = {"서울": 11, "부산": 12, "경기": 13, "강원": 14, "충북": 15, "충남": 16, "전북": 17, "전남": 18,
           "경북": 19, "경남": 20, "제주": 21, "대구": 22, "인천": 23, "광주": 24, "대전": 25, "울산": 26}
AREA_CODES = ("02", "031", "032", "033", "041", "042", "043", "044", "051", "052", "053", "054", "055",
              "061", "062", "063", "064")
DISTRICTS = ("마포구 망원동", "강서구 화곡동", "수원시 영통구", "성남시 분당구", "부천시 원미구", "대전 서구 둔산동",
             "광주 북구 운암동", "부산 수영구 광안동", "청주시 흥덕구", "전주시 완산구", "창원시 의창구", "노원구 상계동")
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
SCAN = str.maketrans({"0": "O", "1": "l", "5": "S", "8": "B"})
HANGUL_DIGITS = "공일이삼사오육칠팔구"

# --------------------------------------------------------------------------- value makers


def _digits(r: random.Random, n: int) -> str:
    return corpus.random_digits(r, n)


def _pick(r: random.Random, weights: dict) -> str:
    return r.choices(tuple(weights), tuple(weights.values()))[0]


def _phone(r, how=None):
    how = how or _pick(r, {"hyphen": 34, "plain": 10, "dot": 5, "space": 6, "intl": 7, "paren": 2,
                           "dash_variant": 2, "old_mobile": 2, "masked": 5})
    mid, last = _digits(r, 4), _digits(r, 4)
    if how == "hyphen":
        return f"010-{mid}-{last}", how, False
    if how == "plain":
        return f"010{mid}{last}", how, False
    if how == "dot":
        return f"010.{mid}.{last}", how, False
    if how == "space":
        return f"010 {mid} {last}", how, False
    if how == "intl":
        return r.choice((f"+82-10-{mid}-{last}", f"+82 10 {mid} {last}", f"+82 (0)10-{mid}-{last}",
                         f"+8210{mid}{last}")), how, False
    if how == "paren":
        return f"(010) {mid}-{last}", how, False
    if how == "dash_variant":
        dash = r.choice(("\u2013", "\u2010", "~"))
        return f"010{dash}{mid}{dash}{last}", how, False
    if how == "old_mobile":
        return f"{r.choice(('011', '016', '017', '019'))}-{r.randrange(200, 999)}-{last}", how, False
    if how == "direct":
        area = r.choice(AREA_CODES + ("070",))
        body = f"{r.randrange(200, 9999)}" if area != "070" else f"{r.randrange(4000, 8999)}"
        return f"{area}-{body}-{last}", how, False
    if how == "safe":
        return f"050{r.choice('2345678')}-{mid}-{last}", how, False
    if how == "spoken":
        spoken = " ".join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in ("010", mid, last))
        return spoken, how, False
    if how == "fullwidth":
        return f"010-{mid}-{last}".translate(FULL), how, False
    star = r.choice("**●X")
    return r.choice((f"010-{star * 4}-{last}", f"010-{mid[:2]}{star * 2}-{last}", f"010-{mid}-{star * 4}",
                     f"010{star * 4}{last}")), "masked", True


def _email(r, how=None):
    how = how or _pick(r, {"plain": 70, "work": 12, "caps": 4, "bracket_at": 4, "masked": 5})
    local = r.choice((f"{r.choice(ROMAN)}{r.randrange(70, 99)}", f"{r.choice(ROMAN_SUR)}.{r.choice(ROMAN)}",
                      f"{r.choice(ROMAN)}_{r.choice(ROMAN_SUR)}{r.randrange(1, 999)}", f"{r.choice(ROMAN)}{r.choice(ROMAN_SUR)}"))
    domain = r.choice(corpus.DOMAINS[:7])
    if how == "work":
        return f"{r.choice(ROMAN_SUR)}.{r.choice(ROMAN)}@{r.choice(COMPANY_DOMAINS)}", how, False
    if how == "caps":
        return f"{local}@{domain}".upper(), how, False
    if how == "bracket_at":
        return f"{local}{r.choice((' [at] ', '(at)', ' at '))}{domain}", how, False
    if how == "masked":
        return f"{local[:2]}{'*' * max(3, len(local) - 2)}@{domain}", how, True
    return f"{local}@{domain}", "plain", False


def _resident_digits(r, lo, hi, foreigner):
    y, m, day = corpus.random_date(r, lo, hi)
    sex = r.randrange(2)
    if foreigner:
        century = (7 if y >= 2000 else 5) + sex
    else:
        century = (3 if y >= 2000 else 1) + sex
    d12 = f"{y % 100:02d}{m:02d}{day:02d}{century}{_digits(r, 5)}"
    return d12 + str(corpus.resident_check([int(c) for c in d12], foreigner))


def _split13(ds, sep="-"):
    return f"{ds[:6]}{sep}{ds[6:]}"


def _id_writing(r, ds, how):
    if how == "hyphen":
        return _split13(ds), how, False
    if how == "plain":
        return ds, how, False
    if how == "space":
        return _split13(ds, " "), how, False
    if how == "fullwidth":
        return _split13(ds).translate(FULL), how, False
    if how == "scanned":
        return _split13(ds).translate(SCAN), how, False
    return r.choice((f"{ds[:6]}-{ds[6]}******", f"{ds[:6]}-*******", f"{ds[:6]}-{ds[6]}xxxxxx",
                     f"{ds[:2]}****-{ds[6]}******")), "masked", True


def _resident(r, how=None):
    how = how or _pick(r, {"hyphen": 55, "plain": 12, "space": 6, "fullwidth": 4, "masked": 7})
    if how == "post2020":
        y, m, day = corpus.random_date(r, 2021, 2025)
        if r.random() < 0.2:
            y, m, day = 2020, r.randrange(10, 13), r.randrange(1, 29)
        d12 = f"{y % 100:02d}{m:02d}{day:02d}{3 + r.randrange(2)}{_digits(r, 5)}"
        wrong = (corpus.resident_check([int(c) for c in d12], False) + 1 + r.randrange(9)) % 10
        return _split13(d12 + str(wrong)), how, False
    return _id_writing(r, _resident_digits(r, 1938, 2008, False), how)


def _foreigner(r, how=None):
    how = how or _pick(r, {"hyphen": 60, "plain": 14, "space": 5, "fullwidth": 4, "masked": 7})
    return _id_writing(r, _resident_digits(r, 1955, 2006, True), how)


def _business_digits(r):
    d9 = f"{r.randrange(101, 999)}{r.choice(('01', '05', '11', '13', '21', '24', '37', '81', '86', '87', '88'))}{_digits(r, 4)}"
    return d9 + str(corpus.business_check([int(c) for c in d9]))


def _business(r, how=None):
    how = how or _pick(r, {"hyphen": 66, "plain": 12, "space": 4, "fullwidth": 3, "masked": 7})
    ds = _business_digits(r)
    text = f"{ds[:3]}-{ds[3:5]}-{ds[5:]}"
    if how == "plain":
        return ds, how, False
    if how == "space":
        return text.replace("-", " "), how, False
    if how == "fullwidth":
        return text.translate(FULL), how, False
    if how == "scanned":
        return text.translate(SCAN), how, False
    if how == "masked":
        return r.choice((f"{ds[:3]}-{ds[3:5]}-*****", f"{ds[:3]}-**-{ds[5:]}", f"***-**-{ds[5:]}")), how, True
    return text, "hyphen", False


def _card(r, how=None):
    how = how or _pick(r, {"hyphen": 48, "space": 14, "plain": 12, "amex": 5, "fullwidth": 3, "masked": 9})
    if how == "amex":
        body = [3, r.choice((4, 7))] + [int(c) for c in _digits(r, 12)]
        ds = "".join(map(str, body + [corpus.luhn_check(body)]))
        return f"{ds[:4]}-{ds[4:10]}-{ds[10:]}", how, False
    prefix = r.choice(("4", "51", "53", "55", "9410", "9420", "6243", "3562"))
    body = [int(c) for c in prefix + _digits(r, 15 - len(prefix))]
    ds = "".join(map(str, body + [corpus.luhn_check(body)]))
    groups = [ds[i:i + 4] for i in range(0, 16, 4)]
    if how == "space":
        return " ".join(groups), how, False
    if how == "plain":
        return ds, how, False
    if how == "fullwidth":
        return "-".join(groups).translate(FULL), how, False
    if how == "masked":
        return r.choice((f"{groups[0]}-{groups[1][:2]}**-****-{groups[3]}", f"****-****-****-{groups[3]}",
                         f"{groups[0]}-****-****-{groups[3]}", f"{groups[0]} {groups[1][:2]}** **** {groups[3][:1]}***")), how, True
    return "-".join(groups), "hyphen", False


def _account(r, how=None, bank=None):
    how = how or _pick(r, {"hyphen": 62, "plain": 18, "space": 4, "fullwidth": 3, "masked": 7})
    layout = BANK_FORMATS.get(bank) or BANK_FORMATS[r.choice(BANKS)]
    groups = [_digits(r, n) for n in layout]
    if groups[0][0] == "0":
        groups[0] = str(r.randrange(1, 10)) + groups[0][1:]
    if how == "plain":
        return "".join(groups), how, False
    if how == "space":
        return " ".join(groups), how, False
    if how == "fullwidth":
        return "-".join(groups).translate(FULL), how, False
    if how == "masked":
        hidden = [g if i in (0, len(groups) - 1) else "*" * len(g) for i, g in enumerate(groups)]
        if r.random() < 0.4:
            hidden[-1] = "*" * (len(groups[-1]) - 3) + groups[-1][-3:]
        return "-".join(hidden), how, True
    return "-".join(groups), "hyphen", False


def _license(r, how=None):
    how = how or _pick(r, {"hyphen": 50, "region": 18, "plain": 10, "space": 5, "masked": 8})
    region = r.choice(tuple(REGIONS))
    code = REGIONS[region] if r.random() < 0.85 else 28
    year, serial, check = f"{r.randrange(0, 100):02d}", _digits(r, 6), _digits(r, 2)
    if how == "region":
        return f"{region} {year}-{serial}-{check}", how, False
    if how == "plain":
        return f"{code}{year}{serial}{check}", how, False
    if how == "space":
        return f"{code} {year} {serial} {check}", how, False
    if how == "scanned":
        return f"{code}-{year}-{serial}-{check}".translate(SCAN), how, False
    if how == "masked":
        return r.choice((f"{code}-{year}-******-{check}", f"{code}-{year}-{serial[:2]}****-**",
                         f"{region} {year}-******-{check}")), how, True
    return f"{code}-{year}-{serial}-{check}", "hyphen", False


MONTHS_EN = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")


def _birth(r, how=None, lo=1938, hi=2006):
    how = how or _pick(r, {"dot": 22, "iso": 16, "korean": 16, "dot_space": 8, "slash": 4, "yymmdd": 8,
                           "short_dot": 6, "compact": 5, "english": 5, "masked": 5})
    y, m, d = corpus.random_date(r, lo, hi)
    if how == "iso":
        return f"{y}-{m:02d}-{d:02d}", how, False
    if how == "korean":
        return r.choice((f"{y}년 {m}월 {d}일", f"{y}년{m:02d}월{d:02d}일", f"{y % 100:02d}년 {m}월 {d}일")), how, False
    if how == "dot_space":
        return f"{y}. {m}. {d}.", how, False
    if how == "slash":
        return f"{y}/{m:02d}/{d:02d}", how, False
    if how == "yymmdd":
        return f"{y % 100:02d}{m:02d}{d:02d}", how, False
    if how == "short_dot":
        return f"{y % 100:02d}.{m:02d}.{d:02d}", how, False
    if how == "compact":
        return f"{y}{m:02d}{d:02d}", how, False
    if how == "english":
        return r.choice((f"{d:02d} {MONTHS_EN[m - 1]} {y}", f"{MONTHS_EN[m - 1]}. {d}, {y}", f"{d:02d}/{m:02d}/{y}")), how, False
    if how == "masked":
        return r.choice((f"{y}-**-**", f"{y}.{m:02d}.**", f"{y}년 **월 **일", f"19**.{m:02d}.{d:02d}" if y < 2000 else f"{y}.**.**")), how, True
    return f"{y}.{m:02d}.{d:02d}", "dot", False


def _passport(r, how=None):
    how = how or _pick(r, {"old": 45, "new": 35, "spaced": 5, "lower": 3, "masked": 6})
    letter = r.choice("MMMMSRG")
    if how == "new":
        return f"{letter}{_digits(r, 3)}{r.choice('ABCDEFGHJKLMNPQRSTUVWXYZ')}{_digits(r, 4)}", how, False
    body = _digits(r, 8)
    if how == "spaced":
        return f"{letter} {body[:4]} {body[4:]}", how, False
    if how == "lower":
        return f"{letter.lower()}{body}", how, False
    if how == "masked":
        return r.choice((f"{letter}{body[:4]}****", f"{letter}****{body[4:]}", f"{letter}{body[:3]}*****")), how, True
    return f"{letter}{body}", "old", False


# Slot names in frames: each kind has a short name; the option after ':' picks a writing.
VALUE_SLOTS = {"phone": ("phone", _phone), "email": ("email", _email), "rrn": ("resident", _resident),
               "frn": ("foreigner_registration", _foreigner), "brn": ("business_registration", _business),
               "card": ("credit_card", _card), "acct": ("bank_account", _account),
               "dl": ("driver_license", _license), "birth": ("birth_date", _birth),
               "passport": ("passport", _passport)}

# --------------------------------------------------------------------------- look-alikes


def _date_after(r, lo=2025, hi=2027):
    y, m, d = corpus.random_date(r, lo, hi)
    return r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}", f"{y}년 {m}월 {d}일", f"{y}. {m}. {d}.",
                     f"{y}/{m:02d}/{d:02d}"))


def _org_account(r):
    return _account(r, "hyphen" if r.random() < 0.8 else "plain")[0]


def _imei(r):
    body = [int(c) for c in "35" + _digits(r, 12)]
    return "".join(map(str, body + [corpus.luhn_check(body)]))


def _barcode(r):
    body = [int(c) for c in "880" + _digits(r, 9)]
    return "".join(map(str, body + [corpus.isbn_check(body)]))


def _isbn(r):
    body = [int(c) for c in "97911" + _digits(r, 7)]
    ds = "".join(map(str, body + [corpus.isbn_check(body)]))
    return f"{ds[:3]}-{ds[3:5]}-{ds[5:9]}-{ds[9:12]}-{ds[12]}"


def _corporate(r):
    d12 = [int(c) for c in r.choice(("1101", "1301", "1201", "1601", "2801", "1346")) + r.choice(("11", "71", "35"))
           + "0" + _digits(r, 5)]
    check = (10 - sum(x * (1 if i % 2 == 0 else 2) for i, x in enumerate(d12)) % 10) % 10
    ds = "".join(map(str, d12)) + str(check)
    return f"{ds[:6]}-{ds[6:]}"


def _main_line(r):
    area = r.choice(AREA_CODES)
    return r.choice((f"{area}-{r.randrange(200, 9999)}-{_digits(r, 4)}", f"{area}) {r.randrange(200, 999)}-{_digits(r, 4)}"))


NEGATIVES = {
    "order_number": lambda r: r.choice((f"2026{_digits(r, 12)}", f"ORD-2026{_digits(r, 4)}-{_digits(r, 4)}",
                                        f"C{_digits(r, 4)}-{_digits(r, 6)}")),
    "tracking_number": lambda r: r.choice((_digits(r, 12), f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}",
                                           f"{_digits(r, 4)} {_digits(r, 4)} {_digits(r, 4)}")),
    "invoice_number": lambda r: r.choice((f"INV-2026-{_digits(r, 5)}", f"제2026-{_digits(r, 4)}호", f"{_digits(r, 8)}")),
    "reference_number": lambda r: r.choice((f"2026-{_digits(r, 4)}-{_digits(r, 5)}", f"R2026{_digits(r, 7)}",
                                            f"접-{_digits(r, 6)}")),
    "model_number": lambda r: r.choice((f"SM-{r.choice('ASFNX')}{_digits(r, 3)}N", f"XG-{_digits(r, 4)}B",
                                        f"HA-{_digits(r, 3)}{r.choice('KLP')}", f"KR{_digits(r, 4)}-W")),
    "serial_number": lambda r: r.choice((f"R3C{_digits(r, 2)}{r.choice('ABCDEF')}{_digits(r, 5)}",
                                         f"{_digits(r, 4)}K{_digits(r, 7)}", _digits(r, 10))),
    "event_date": _date_after,
    "due_date": _date_after,
    "issue_date": lambda r: _date_after(r, 2019, 2026),
    "amount": lambda r: r.choice((f"{r.randrange(10, 3000) * 1000:,}원", f"{r.randrange(1, 99) * 10_000:,}원",
                                  f"₩{r.randrange(5, 900) * 1000:,}", f"{r.randrange(1, 60) * 10:,}만 원")),
    "postcode": lambda r: f"{r.randrange(1, 63):02d}{_digits(r, 3)}",
    "company_main_phone": _main_line,
    "call_centre": lambda r: r.choice((f"{r.choice(('1588', '1577', '1644', '1661', '1899', '1600', '1566'))}-{_digits(r, 4)}",
                                       f"080-{r.randrange(200, 999)}-{_digits(r, 4)}")),
    "extension": lambda r: str(r.randrange(100, 9999)),
    "office_fax": lambda r: r.choice((_main_line(r), f"0505-{r.randrange(100, 999)}-{_digits(r, 4)}")),
    "company_account": _org_account,
    "foundation_account": _org_account,
    "virtual_account": lambda r: r.choice((_digits(r, 14), f"{_digits(r, 3)}-{_digits(r, 6)}-{_digits(r, 5)}",
                                           f"5{_digits(r, 13)}")),
    "shared_mailbox": lambda r: f"{r.choice(('help', 'info', 'cs', 'contact', 'support', 'press', 'recruit', 'admin', 'noreply'))}@{r.choice(COMPANY_DOMAINS)}",
    "booking_number": lambda r: r.choice((f"B{_digits(r, 4)}-{_digits(r, 4)}", _digits(r, 10), f"RSV{_digits(r, 8)}")),
    "contract_number": lambda r: r.choice((f"CT-2026-{_digits(r, 4)}", f"제 2026-{_digits(r, 4)} 호", f"K{_digits(r, 9)}")),
    "policy_number": lambda r: r.choice((f"L2026{_digits(r, 9)}", f"{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 4)}-{_digits(r, 2)}")),
    "imei": _imei,
    "isbn": _isbn,
    "barcode": _barcode,
    "card_approval": lambda r: _digits(r, 8),
    "transaction_id": lambda r: r.choice((f"TXN2026{_digits(r, 10)}", f"T{_digits(r, 16)}", f"pay_{_digits(r, 6)}ab{_digits(r, 4)}")),
    "tax_invoice_approval": lambda r: f"2026{_digits(r, 4)}-{r.choice(('41', '10', '42'))}{_digits(r, 6)}-{_digits(r, 8)}",
    "court_case_number": lambda r: f"202{r.randrange(4, 7)}{r.choice(('가단', '가소', '나', '머', '카단'))}{r.randrange(1000, 999999)}",
    "corporate_registration": _corporate,
    "mail_order_report": lambda r: f"제2026-{r.choice(('서울강남', '경기성남', '부산해운대', '서울마포'))}-{_digits(r, 5)}호",
    "coupon_code": lambda r: "-".join("".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(4)) for _ in range(3)),
    "version_number": lambda r: f"{r.randrange(1, 9)}.{r.randrange(0, 30)}.{r.randrange(0, 20)}",
    "ip_address": lambda r: f"{r.choice(('192.168', '10.20', '172.16'))}.{r.randrange(0, 255)}.{r.randrange(1, 255)}",
    "apartment_unit": lambda r: f"{r.randrange(101, 120)}동 {r.randrange(1, 25)}{r.randrange(1, 5):02d}호",
    "flight_number": lambda r: f"{r.choice(('KE', 'OZ', '7C', 'LJ', 'TW', 'ZE'))}{r.choice(('', ' '))}{r.randrange(100, 999)}",
    "time_range": lambda r: f"{r.randrange(7, 11):02d}:{r.choice(('00', '30'))}{r.choice(('~', '-', ' ~ '))}{r.randrange(17, 22)}:{r.choice(('00', '30'))}",
    "floor_area": lambda r: r.choice((f"{r.randrange(20, 140)}.{r.randrange(10, 99)}㎡", f"{r.randrange(12, 60)}평",
                                      f"{r.randrange(40, 990)}㎡")),
    "weight": lambda r: r.choice((f"{r.randrange(1, 99) * 10:,}kg", f"{r.randrange(1, 30)}.{r.randrange(0, 9)}kg",
                                  f"{r.randrange(1, 9)}.{r.randrange(0, 9)}톤")),
    "utility_customer_number": lambda r: f"{_digits(r, 2)}-{_digits(r, 4)}-{_digits(r, 4)}",
    "electronic_payment_number": lambda r: f"{_digits(r, 1)}-{_digits(r, 3)}-{_digits(r, 2)}-{_digits(r, 5)}-{_digits(r, 3)}",
    "percentage": lambda r: f"{r.randrange(1, 30)}.{r.randrange(0, 9)}%",
    "queue_number": lambda r: str(r.randrange(1, 400)),
    "course_code": lambda r: r.choice((f"AIG2026{_digits(r, 4)}", f"CS-2026-{_digits(r, 3)}", f"{_digits(r, 4)}-{_digits(r, 2)}")),
    "facility_code": lambda r: _digits(r, 8),
    "lot_number": lambda r: f"LOT {_digits(r, 4)}-{_digits(r, 3)}",
    "doi": lambda r: f"10.{r.randrange(1000, 9999)}/kj{r.choice('mse')}.2026.{r.randrange(1, 60)}.{r.randrange(1, 12)}.{r.randrange(1, 999)}",
    "grant_number": lambda r: f"RS-2026-{_digits(r, 8)}",
    "patent_application_number": lambda r: f"10-202{r.randrange(4, 7)}-{_digits(r, 7)}",
    "drone_registration": lambda r: f"C{_digits(r, 7)}",
    "vehicle_identification_number": lambda r: "KM" + r.choice("HJ") + "".join(r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(8)) + _digits(r, 6),
    "gift_voucher_number": lambda r: "-".join(_digits(r, 4) for _ in range(4)),
    "past_event_date": lambda r: _date_after(r, 1975, 2018),
    "part_number": lambda r: f"{r.choice('PKTW')}{_digits(r, 8)}",
    "seat_number": lambda r: f"{r.choice('ABCDEFGH')}{r.choice(('-', ''))}{r.randrange(1, 40)}",
}
NEG_CATEGORIES = tuple(NEGATIVES)

# --------------------------------------------------------------------------- the writer

_SLOT = re.compile(r"\{([a-z_]+)(?::([a-z0-9_]+))?\}")
_LABEL_PUNCT = ":：=|])>\t\"'"
_LAST_WORD = re.compile(r"[\s,({\[<]+")


def _name(r):
    return r.choice(SURNAMES) + r.choice(GIVEN)


class _Doc:
    """One document: literal text, and slots that write recorded values and look-alikes."""

    def __init__(self, genre: str, r: random.Random) -> None:
        self.r = r
        self.genre = genre
        self.w = labelled._Writer(genre, PART)
        self.bank = None
        self.look = "plain"      # "fullwidth" or "scanned": the whole page was written that way
        self.line_so_far = ""

    def add(self, s: str) -> None:
        self.w.add(s)
        self.line_so_far = (self.line_so_far + s).rsplit("\n", 1)[-1]

    def line(self, template: str, end: str = "\n", label: tuple | None = None) -> None:
        """Writes a frame; `label` (situation, label text) overrides what the frame's text says."""
        pos = 0
        for m in _SLOT.finditer(template):
            self.add(template[pos:m.start()])
            self.slot(m.group(1), m.group(2), label or self._label_before(self.line_so_far), template)
            pos = m.end()
        self.add(template[pos:] + end)

    def _label_before(self, before: str) -> tuple:
        """What a reader sees right before a slot: a label and its punctuation, words of a
        sentence, or nothing on the line."""
        tail = before
        if not tail.strip():
            return "no_label", ""
        stripped = tail.rstrip(_LABEL_PUNCT + " ")
        word = _LAST_WORD.split(stripped)[-1].strip("\"'")
        if any(c in _LABEL_PUNCT for c in tail[len(stripped):]):
            return "label_punct", word
        if word in BANK_FORMATS:
            return "bank_name", word
        return "sentence", word

    def slot(self, name: str, option: str | None, label: tuple, frame: str) -> None:
        r = self.r
        if name in VALUE_SLOTS:
            kind, make = VALUE_SLOTS[name]
            if kind == "bank_account":
                text, writing, masked = make(r, option, self.bank)
            elif kind == "birth_date" and option == "child":
                text, writing, masked = make(r, None, 2008, 2014)
            else:
                text, writing, masked = make(r, option)
            if self.look != "plain" and kind != "email" and not masked and writing not in ("post2020", "spoken"):
                text = text.translate(FULL if self.look == "fullwidth" else SCAN)
                writing = self.look
            self.w.value(labelled.Written(kind, text, writing, masked), label[0], label[1], frame[:40])
        elif name == "neg":
            self.w.negative(option, NEGATIVES[option](r), frame[:40])
        elif name == "name":
            self.add(_name(r))
        elif name == "company":
            self.add(r.choice(COMPANIES))
        elif name == "bank":
            self.bank = r.choice(BANKS)
            self.add(self.bank)
        elif name == "place":
            self.add(r.choice(DISTRICTS))
        elif name == "org":
            self.add(r.choice(AFFILIATIONS))
        elif name == "shop":
            self.add(r.choice(SHOPS))
        elif name == "n":
            self.add(str(r.randrange(2, 30)))
        elif name == "month":
            self.add(str(r.randrange(1, 13)))
        elif name == "size":
            self.add(r.choice(("85", "90", "95", "100", "105", "110", "S", "M", "L")))
        elif name == "en":
            self.add(f"{r.choice(ROMAN_SUR).upper()} {r.choice(ROMAN).upper()}")
        else:
            raise KeyError(name)

    def form(self, fields, styles=None) -> None:
        """Label-value lines in one of a form's usual layouts."""
        before, after = self.r.choice(styles or FORM_STYLES)
        for label, slot in fields:
            if label in LABEL_WORDINGS and self.r.random() < 0.5:
                label = self.r.choice(LABEL_WORDINGS[label])
            self.line(f"{before}{label}{after}{slot}" + (" |" if before.startswith("|") else ""))

    def table(self, headers, rows, count, delims=("\t", " | ", "|", ";")) -> None:
        delim = self.r.choice(delims)
        md = delim == "|"
        lead, trail = ("| ", " |") if md else ("", "")
        sep = " | " if md else delim
        self.add(lead + sep.join(headers) + trail + "\n")
        if md:
            self.add("|" + "|".join("---" for _ in headers) + "|\n")
        for _ in range(count):
            cells = self.r.choice(rows)
            self.add(lead)
            for i, (header, cell) in enumerate(zip(headers, cells)):
                self.line(cell, end="", label=("column", header))
                if i < len(headers) - 1:
                    self.add(sep)
            self.add(trail + "\n")

    def chat(self, lines) -> None:
        """A messenger export: the speakers' names and times, then what they wrote."""
        r = self.r
        a, b = _name(r), r.choice(("상담원", "매니저", "사장님", "실장", "담당자", _name(r)))
        style = r.choice(("kakao", "kakao_pc", "bracket", "plain"))
        hour, day = r.randrange(9, 21), r.randrange(1, 29)
        for i, text in enumerate(lines):
            who = (a, b)[i % 2]
            minute = min(59, i * 3 + r.randrange(3))
            ampm, h12 = ("오전", hour) if hour < 12 else ("오후", hour - 12 or 12)
            if style == "kakao":
                self.add(f"[{who}] [{ampm} {h12}:{minute:02d}] ")
            elif style == "kakao_pc":
                self.add(f"2026. 11. {day}. {ampm} {h12}:{minute:02d}, {who} : ")
            elif style == "bracket":
                self.add(f"{hour:02d}:{minute:02d} {who}: ")
            else:
                self.add(f"{who} : ")
            self.line_so_far = ""     # what the speaker wrote starts here
            self.line(text)

    def scanned(self, chance: float, heading: str) -> None:
        """Sometimes the page is an OCR scan: letters stand for some digits in its values."""
        if self.r.random() < chance:
            self.look = "scanned"
            self.line(f"[OCR 변환본 · {heading}]")

    def document(self) -> labelled.Document:
        return self.w.document()


# Other wordings people fill forms in with, for the labels forms share.
LABEL_WORDINGS = {
    "휴대폰": ("휴대전화", "핸드폰", "H.P", "HP", "휴대폰 번호", "연락처(휴대)", "핸드폰번호"),
    "휴대전화": ("휴대폰", "핸드폰", "H.P.", "Mobile", "휴대전화번호"),
    "연락처": ("전화번호", "연락 가능 번호", "Tel", "TEL", "전화", "연락처(필수)"),
    "생년월일": ("생일", "출생일", "생년월일(8자리)", "DOB", "생년월일/성별"),
    "이메일": ("E-mail", "e메일", "메일", "전자우편", "이메일 주소", "메일주소"),
    "주민등록번호": ("주민번호", "주민등록번호(13자리)", "실명번호", "주민등록 번호"),
    "사업자등록번호": ("사업자번호", "사업자 등록번호", "사업자No.", "등록번호(사업자)"),
    "운전면허번호": ("면허번호", "운전면허 번호", "면허증 번호", "운전면허증No"),
}
FORM_STYLES = ((" ", ": "), ("", ": "), ("■ ", " : "), ("· ", " - "), ("[", "] "), ("", "\t"), ("| ", " | "),
               ("○ ", ": "), ("- ", ": "))


def _pick_form(d: _Doc, *choices):
    """Picks one of a genre's forms, with this document's random source."""
    return d.r.choice(choices)


# --------------------------------------------------------------------------- genres


def conference_registration(d):
    form = _pick_form(d, "form", "mail", "csv")
    if form == "csv":
        d.table(("Name", "Affiliation", "Mobile", "E-mail", "Passport", "Paid"),
                [("{name}", "{org}", "{phone}", "{email}", "", "Y"),
                 ("{en}", "{org}", "{phone:intl}", "{email}", "{passport}", "N"),
                 ("{en}", "{org}", "{phone:intl}", "{email:work}", "{passport}", "Y")], d.r.randrange(3, 6), delims=(",",))
        d.line("문의: 학회 사무국 {neg:company_main_phone} (내선 {neg:extension}) / {neg:shared_mailbox}")
        return
    if form == "mail":
        d.line("From: {name} <{email}>\nTo: 한국응용통계학회 <{neg:shared_mailbox}>\nSubject: [2026 추계학술대회] 사전등록 및 숙박 신청")
        d.line("\n안녕하세요, 사전등록 신청드립니다. 발표 세션 S-{n}에 포스터로 참여합니다.")
        d.line("등록비 {neg:amount}는 법인카드 {card}로 결제 부탁드립니다. 영수증은 연구실 사업자번호 {brn}로 발행해 주세요.")
        d.line("해외 공동저자 {en} 교수 여권번호는 {passport}, DOB {birth:english} 입니다 (비자 초청장용).")
        d.line("학술대회 일정: {neg:event_date} ~ 2일간, 과제번호 {neg:grant_number} 로 정산 예정입니다.")
        d.line("\n{name} 드림 | 연구실 직통 {phone:direct} | 휴대폰 {phone}")
        return
    d.line("2026 한국정보과학회 동계학술대회 참가 등록서")
    d.form([("성명(국문)", "{name}"), ("영문 성명", "{en}"), ("소속", "{org}"), ("휴대전화", "{phone}"),
            ("이메일", "{email}"), ("생년월일", "{birth}")])
    if d.r.random() < 0.5:
        d.form([("Passport No.", "{passport}"), ("Nationality", "Vietnam"), ("외국인등록번호", "{frn}")])
    d.line("등록 확인번호 {neg:reference_number}, 입금 계좌(학회): {bank} {neg:foundation_account} 예금주 (사)한국정보과학회")
    d.line("숙소 예약번호 {neg:booking_number} / 체크인 {neg:event_date}")


def study_abroad(d):
    form = _pick_form(d, "notes", "kv", "chat")
    if form == "chat":
        d.chat(["호주 워홀 비자 서류 다시 보내드려요", "네 여권 정보 먼저 알려주세요",
                "여권번호 {passport} 이고 만료일은 {neg:due_date} 에요", "생년월일도요~ 영문 표기로요",
                "{birth:english} 입니다", "학비는 어디로 보내면 될까요?",
                "유학원 법인계좌 {bank} {neg:company_account} (주)미래유학 으로 입금 부탁드려요",
                "어머니 연락처도 하나 남겨주세요 비상연락용이에요", "엄마 번호는 {phone}이고 메일은 {email}로 주시면 돼요",
                "항공편은 {neg:flight_number} 로 {neg:event_date} 출국이에요"])
        return
    if form == "kv":
        d.line("[student_profile]")
        d.line("name_ko={name}\nname_en={en}\npassport_no={passport}\ndob={birth:iso}\nmobile={phone:intl}\nemail={email}")
        d.line("guardian_mobile={phone}\nprogram=ELICOS 24wks\ninvoice_no={neg:invoice_number}\ntuition={neg:amount}")
        d.line("agency_phone={neg:company_main_phone}\nagency_mail={neg:shared_mailbox}")
        return
    d.line("상담일지 - 캐나다 칼리지 진학 ({name} 학생)")
    d.line("학생 본인 휴대폰 {phone}, 이메일 {email}. 생년월일 {birth} (만 {n}세).")
    d.line("여권 {passport} 발급일 {neg:issue_date}. 부친 명의 계좌 {bank} {acct}에서 잔고증명 발급 예정.")
    d.line("동반 출국 동생 여권번호 {passport}, 항공 {neg:flight_number} 가예약.")
    if d.r.random() < 0.5:
        d.line("누나 가족 동반 비자: 조카 {name} 주민등록번호 {rrn:post2020} (가족관계증명서 첨부)")
    d.line("어머니(보증인) 주민등록번호 {rrn} — 재정보증서 공증용. 공증 예약 {neg:booking_number}.")
    d.line("다음 상담: {neg:event_date} / 담당 실장 직통 {phone:direct}, 대표번호 {neg:company_main_phone}")


def marriage_agency(d):
    form = _pick_form(d, "form", "call")
    if form == "call":
        d.line("[상담 통화 요약] 커플매니저 {name}")
        d.line("회원님({birth:korean}생, 공무원) 가입 의사 확인. 휴대폰은 {phone} 으로 문자 수신 동의.")
        d.line("가입비 {neg:amount} 중 절반은 카드 {card} 6개월 할부, 나머지는 {bank} {acct} 에서 자동이체.")
        d.line("혼인관계증명서·재직증명서 {neg:due_date}까지 제출. 본사 고객센터 {neg:call_centre} 안내함.")
        return
    d.line("결혼정보회사 회원 가입 신청서 (계약번호 {neg:contract_number})")
    d.form([("성명", "{name}"), ("주민등록번호", "{rrn}"), ("휴대폰", "{phone}"), ("자택", "{phone:direct}"),
            ("이메일", "{email}"), ("신장", "기재 생략"), ("최종학력", "대졸")])
    if d.r.random() < 0.4:
        d.line("※ 국제 매칭 희망: 상대 측 여권 사본 {passport} / 외국인등록번호 {frn} 확인 완료")
    d.line("개인정보 문의는 {neg:shared_mailbox}, 매칭 문의는 담당 매니저 휴대폰 {phone:safe} (안심번호)")


def caregiver_matching(d):
    form = _pick_form(d, "table", "chat", "card")
    if form == "table":
        d.line("■ 간병인 배정표 ({neg:event_date} 기준) — 병동 대표 {neg:company_main_phone}")
        d.table(("간병인", "외국인등록번호", "연락처", "배정 병실", "일당"),
                [("{name}", "{frn}", "{phone}", "{neg:seat_number}", "{neg:amount}"),
                 ("{name}", "{frn:masked}", "{phone}", "{neg:seat_number}", "{neg:amount}"),
                 ("{name}", "{rrn}", "{phone}", "{neg:seat_number}", "{neg:amount}")], d.r.randrange(3, 6))
        return
    if form == "chat":
        d.chat(["어머님 간병인 구해요 고관절 수술하셨어요", "네 보호자분 성함이랑 연락처 주세요",
                "{name}이고 {phone} 입니다", "환자분 생년월일도 부탁드려요", "{birth} 이세요",
                "연변 출신 선생님 배정되셨어요 외국인등록번호 {frn} 확인하시고 계약서 서명해주세요",
                "간병비는 매칭센터 계좌 {bank} {neg:company_account} 로 주 단위 입금이에요",
                "선생님 직접 연락은 {phone:safe}(안심번호)로 하시면 됩니다"])
        return
    d.line("간병인 프로필 카드")
    d.form([("이름", "{name}"), ("생년월일", "{birth}"), ("연락처", "{phone}"), ("외국인등록번호", "{frn}"),
            ("급여계좌", "{bank} {acct}"), ("경력", "{n}년")])
    if d.r.random() < 0.6:
        d.form([("여권번호", "{passport}"), ("국적", d.r.choice(("중국", "베트남", "우즈베키스탄")))], styles=(("", ": "),))
    d.line("센터 한마음간병 대표 {neg:call_centre}, 팩스 {neg:office_fax}")


def cleaning_service(d):
    form = _pick_form(d, "booking", "sms", "b2b")
    if form == "b2b":
        d.line("사무실 정기청소 견적서 — 견적번호 {neg:invoice_number}")
        d.line("의뢰처: {shop} (사업자등록번호 {brn}) 담당 {name} 과장 직통 {phone:direct}, 휴대폰 {phone}")
        d.line("면적 {neg:floor_area}, 주 {n}회, 월 {neg:amount} (VAT 별도)")
        d.line("투입 인원: {name}(외국인등록번호 {frn}), {name}(외국인등록번호 {frn})")
        d.line("공급자: 깔끔입주청소 사업자 {brn} / 대표전화 {neg:company_main_phone} / {neg:shared_mailbox}")
        d.line("지난달 세금계산서 승인번호 {neg:tax_invoice_approval}")
        return
    if form == "sms":
        d.line("[깔끔입주청소] {name} 고객님 {neg:event_date} 입주청소 예약 확정되었습니다.")
        d.line("주소: {place} {neg:apartment_unit} (우 {neg:postcode})")
        d.line("팀장 연락처 {phone} / 잔금 {neg:amount} 은 작업 후 {bank} {neg:company_account} 로 입금 부탁드립니다.")
        return
    d.line("입주청소 예약 접수")
    d.form([("고객명", "{name}"), ("연락처", "{phone}"), ("현관 비밀번호", "현장에서 안내"), ("평수", "{neg:floor_area}"),
            ("예약일", "{neg:event_date}"), ("결제카드", "{card}"), ("현금영수증", "{phone:plain}")])


def car_rental(d):
    form = _pick_form(d, "contract", "english", "log")
    if form == "english":
        d.line("RENTAL AGREEMENT No. {neg:contract_number} / Jeju Airport Branch")
        d.line("Driver: {en}  DOB: {birth:english}  Passport: {passport}")
        d.line("Intl. Driving Permit checked. Korean licence (if any): {dl}")
        d.line("Mobile in Korea: {phone:intl}  E-mail: {email}")
        d.line("Deposit card: {card}  Auth code {neg:card_approval}")
        d.line("Return: {neg:event_date} {neg:time_range} / Branch tel {neg:company_main_phone}")
        return
    if form == "log":
        d.line("# counter_checkin.log")
        for _ in range(d.r.randrange(2, 5)):
            d.line('{"ts":"2026-12-0' + str(d.r.randrange(1, 9)) + 'T10:1' + str(d.r.randrange(10)) +
                   ':00","rsv":"{neg:booking_number}","license_no":"{dl}","phone":"{phone:plain}","card_last":"{card:masked}"}')
        return
    d.line("자동차 대여 계약서 (계약번호 {neg:contract_number}, 카운터 대기번호 {neg:queue_number})")
    d.form([("임차인", "{name}"), ("생년월일", "{birth}"), ("운전면허번호", "{dl}"), ("연락처", "{phone}"),
            ("제2운전자 면허", "{dl}"), ("보증금 결제카드", "{card}")])
    d.line("차량: 아반떼 CN7 / 주행거리 {n},500km / 반납 {neg:event_date}")
    d.line("사고 접수: 긴급출동 {neg:call_centre}, 지점 {neg:company_main_phone} (내선 {neg:extension})")


def kickboard_support(d):
    form = _pick_form(d, "chat", "ticket")
    if form == "ticket":
        d.line("[CS-{neg:reference_number}] 면허 인증 실패 문의")
        d.line("user_phone: {phone}\nlicense: {dl}\nbirth: {birth:compact}\napp_version: {neg:version_number}")
        d.line("client_ip: {neg:ip_address}\nmemo: 원동기 면허 재인증 요청. 기기 S/N {neg:serial_number}, 환불 거래번호 {neg:transaction_id}")
        return
    d.chat(["킥보드 반납했는데 계속 요금이 나가요", "불편 드려 죄송합니다. 가입하신 휴대폰 번호 알려주세요",
            "{phone} 이요", "확인됩니다. 결제카드 끝자리 확인차 카드번호 전체 말씀 부탁드려요",
            "{card}", "본인 확인 위해 생년월일 8자리도요", "{birth:compact}", "환불 {neg:amount} 처리되었고 승인번호 {neg:card_approval} 입니다",
            "면허 등록도 다시 해야 하나요? 면허번호 {dl}", "네 앱 버전 {neg:version_number} 이상에서 재등록 부탁드립니다",
            "기기번호 {neg:serial_number} 신고해 주셔서 감사합니다. 상담 {neg:call_centre}"])


def visitor_pass(d):
    form = _pick_form(d, "log", "form")
    if form == "log":
        d.line("○○대학교병원 면회객 출입 기록 — 병동 스테이션 {neg:company_main_phone}")
        d.table(("출입시각", "면회객", "연락처", "생년월일", "환자 병실", "출입증"),
                [("{neg:time_range}", "{name}", "{phone}", "{birth:yymmdd}", "{neg:seat_number}", "{neg:queue_number}"),
                 ("{neg:time_range}", "{name}", "{phone:masked}", "{birth:short_dot}", "{neg:seat_number}", "{neg:queue_number}"),
                 ("{neg:time_range}", "{name}", "-", "{birth}", "{neg:seat_number}", "{neg:queue_number}")],
                d.r.randrange(3, 6))
        return
    if d.r.random() < 0.25:
        d.look = "fullwidth"
    d.line("보호자 상주 출입증 발급 신청서")
    d.form([("환자명", "{name}"), ("등록번호", "{neg:reference_number}"), ("보호자", "{name}"),
            ("보호자 생년월일", "{birth}"), ("보호자 연락처", "{phone}"),
            ("신분증", d.r.choice(("운전면허증 {dl}", "여권 {passport}", "외국인등록증 {frn}"))),
            ("PCR 결과일", "{neg:issue_date}"), ("요양기관기호", "{neg:facility_code}")])


def dental_plan(d):
    form = _pick_form(d, "plan", "kids")
    if form == "kids":
        d.line("영유아 구강검진 문진표 (검진일 {neg:event_date})")
        d.form([("아동 성명", "{name}"), ("아동 주민번호", "{rrn:post2020}"), ("보호자", "{name}"),
                ("보호자 휴대폰", "{phone}"), ("요양기관기호", "{neg:facility_code}")])
        d.line("※ 다음 검진 안내는 보호자 이메일 {email} 로 발송됩니다.")
        return
    d.line("치료 계획서 및 비용 안내")
    d.line("환자 {name} ({birth}) / 차트번호 {neg:reference_number}")
    d.line("#36 임플란트 {neg:amount}, #46 크라운 {neg:amount}, 스케일링 건강보험 적용")
    d.line("결제: {card} 12개월 할부 / 잔금 환불 계좌 {bank} {acct}")
    d.line("연락처 {phone} · 문의 미소치과 {neg:company_main_phone}")


def hearing_aid(d):
    form = _pick_form(d, "claim", "memo")
    if form == "claim":
        d.scanned(0.3, "팩스 수신")
        d.line("보조기기 급여 청구 구비서류 체크 (청각장애 보장구)")
        d.form([("수급자", "{name}"), ("주민등록번호", "{rrn}"), ("연락처", "{phone:direct}"), ("보호자 휴대폰", "{phone}"),
                ("제품 모델", "{neg:model_number}"), ("제조번호", "{neg:serial_number}"), ("판매업소 사업자번호", "{brn}"),
                ("판매가", "{neg:amount}"), ("지급 계좌", "{bank} {acct}")])
        return
    d.line("소리샘보청기 방문 메모: {name} 어르신 ({birth:korean}) 좌측 RIC 피팅, 모델 {neg:model_number}")
    d.line("아드님이 결제 — 카드 {card}, 영수증 문자는 {phone} 로. 다음 조정 {neg:event_date}.")
    d.line("매장 {neg:company_main_phone} / 배터리 로트 {neg:lot_number}, 바코드 {neg:barcode}, 리시버 부품번호 {neg:part_number}")


def funeral_insurance_call(d):
    d.line("[녹취 요약] 상조 가입 권유 통화 ({neg:event_date}, 녹취번호 {neg:reference_number})")
    d.line("상담원: 고객님 본인 확인 위해 생년월일 여섯 자리 말씀해 주시겠어요?")
    d.line("고객: {birth:yymmdd} 이요.")
    d.line("상담원: 납입은 월 {neg:amount} 120회이고요, 자동이체 계좌 불러주세요.")
    d.line("고객: {bank} {acct} 요. 명의는 제 거예요.")
    if d.r.random() < 0.5:
        d.line("상담원: 연락처 확인합니다. 공일공 다음 번호가… 고객: {phone:spoken} 이요.")
    else:
        d.line("상담원: 연락 가능한 번호가 {phone} 맞으시죠? 고객: 네.")
    d.line("상담원: 주민번호 뒷자리는 증권 발송 때 필요해서요. 고객: {rrn} 입니다.")
    d.line("상담원: 해지 문의는 {neg:call_centre}, 회사 계좌 {neg:company_account} 외 입금 요청은 사기입니다.")


def door_to_door_contract(d):
    d.scanned(0.4, "방문판매 계약서 스캔")
    d.line("방문판매 계약서 (정수기·비데 렌탈)")
    d.form([("계약번호", "{neg:contract_number}"), ("고객명", "{name}"), ("생년월일", "{birth}"),
            ("휴대폰", "{phone}"), ("설치주소", "{place} {neg:apartment_unit}"), ("모델명", "{neg:model_number}"),
            ("필터 품번", "{neg:part_number}"), ("월 렌탈료", "{neg:amount}"), ("자동이체", "{bank} {acct}"), ("또는 카드", "{card}")])
    d.line("판매원 {name} (휴대폰 {phone}) / 판매원 사업자 {brn}")
    d.line("청약철회는 계약서를 받은 날부터 14일 이내, 본사 {neg:call_centre} 또는 팩스 {neg:office_fax}")


def music_lessons(d):
    form = _pick_form(d, "roster", "chat")
    if form == "chat":
        d.chat(["선생님 이번 달 레슨비 보내드릴게요 계좌 알려주세요", "{bank} {acct} {name} 입니다",
                "입금했어요~ 아이 콩쿠르 신청서에 생년월일 적어야 하나요?", "네 {birth:child} 이렇게 적으시면 돼요",
                "참가비는 주최측 계좌 {neg:foundation_account} 로 따로 내셔야 해요", "콩쿠르 접수번호 {neg:reference_number} 받았어요",
                "제 번호 바뀌었어요 {phone}로 저장해주세요"])
        return
    d.line("하모니음악교실 원생 명단 ({neg:event_date} 갱신)")
    d.table(("원생", "생년월일", "학부모 연락처", "레슨비", "수납"),
            [("{name}", "{birth:child}", "{phone}", "{neg:amount}", "카드"),
             ("{name}", "{birth:child}", "{phone:masked}", "{neg:amount}", "이체"),
             ("{name}", "{birth:child}", "모 {email}", "{neg:amount}", "현금")], d.r.randrange(3, 6))
    if d.r.random() < 0.5:
        d.line("유아반 상해보험 가입: {name} {rrn:post2020}, {name} {rrn:post2020}")
    d.line("강사 {name} 개인 레슨 정산계좌 {bank} {acct} / 학원 대표번호 {neg:company_main_phone}")


def league_roster(d):
    d.line("2026 사회인야구 토요리그 선수 등록명단 — 팀 {company} (등록 마감 {neg:due_date})")
    d.table(("등번호", "성명", "생년월일", "포지션", "선수 확인"),
            [("{n}", "{name}", "{birth}", "투수", "주민번호 {rrn:masked}"),
             ("{n}", "{name}", "{birth:yymmdd}", "포수", "면허 {dl:masked}"),
             ("{n}", "{name}", "{birth:dot}", "내야수", "확인"),
             ("{n}", "{name}", "{birth:masked}", "외야수", "확인")], d.r.randrange(3, 6))
    d.line("감독 {name} {phone} / 리그 사무국 {neg:company_main_phone}, 등록비 {neg:amount} 리그 계좌 {neg:foundation_account}")
    if d.r.random() < 0.4:
        d.line("용병 선수 여권 {passport} (외국인등록 진행 중)")


def hiking_club(d):
    form = _pick_form(d, "bus", "notice")
    if form == "notice":
        d.line("📢 {month}월 정기산행 공지 — 지리산 천왕봉")
        d.line("출발 {neg:event_date} 06:30 사당역 / 회비 {neg:amount} → 산악회 총무 계좌 {bank} {acct} ({name})")
        d.line("여행자보험 가입 위해 댓글로 성함·생년월일 남겨주세요. (예: 홍길동 850101)")
        for _ in range(d.r.randrange(2, 5)):
            d.line(d.r.choice(("└ {name} {birth:yymmdd} 참석합니다", "└ {name} {birth} 부부 참석 (배우자 {birth:yymmdd})",
                               "└ {name}/{birth:short_dot}/사당 탑승")))
        d.line("산행대장 {name} 휴대폰 {phone}, 버스회사 배차실 {neg:company_main_phone}")
        return
    d.line("버스 좌석표 & 보험 명단 (버스 {neg:seat_number}호차)")
    for i in range(d.r.randrange(3, 6)):
        d.add(f"{i + 1}. ")
        d.line(d.r.choice(("{name} {birth:yymmdd} {phone}", "{name} / {birth} / {phone}", "{name} {rrn:masked} {phone}",
                           "{name} {rrn} 연락처 미기재")), label=("list_row", ""))


def reunion_list(d):
    form = _pick_form(d, "list", "mail")
    if form == "mail":
        d.line("제목: [○○고 28회] 졸업 30주년 동창회 연락망 업데이트")
        d.line("보낸사람: 총무 {name} <{email}>\n받는사람: {neg:shared_mailbox}")
        d.line("\n동창 여러분, 변경된 연락처 정리했습니다.")
        for _ in range(d.r.randrange(3, 6)):
            d.line("- {name}: {phone} / {email}")
        d.line("회비 {neg:amount}은 총무 개인계좌 {bank} {acct} 로 부탁해요. 행사일 {neg:event_date}.")
        return
    d.line("○○초등학교 {n}회 동창 연락망 (졸업 {neg:past_event_date})")
    d.table(("이름", "반", "휴대폰", "이메일", "생일"),
            [("{name}", "{month}반", "{phone}", "{email}", "{birth:korean}"),
             ("{name}", "{month}반", "미등록", "{email:masked}", "{birth}"),
             ("{name}", "{month}반", "{phone:dot}", "{email}", "{birth:slash}")], d.r.randrange(3, 6), delims=("\t", " | ", "|"))


def hometown_association(d):
    d.line("재경 ○○군 향우회 회원 명부 ({neg:issue_date} 발행, 창립 {neg:past_event_date})")
    for _ in range(d.r.randrange(3, 6)):
        d.line(d.r.choice(("◇ {name} 회원 — {shop} 대표, 사업자 {brn}, 사무실 {phone:direct}",
                           "◇ {name} 회원 — 자택 {phone:direct} / 메일 {email}",
                           "◇ {name} 회원 — 휴대폰 {phone}, 생년 {birth}")))
    d.line("장학기금 계좌: {bank} {neg:foundation_account} (재경향우회) · 사무국 {neg:company_main_phone}")


def fan_club(d):
    form = _pick_form(d, "english", "form")
    if form == "english":
        d.line("[GLOBAL FANCLUB] Pre-sale verification — Order {neg:order_number}")
        d.line("Member name: {en}\nDate of birth: {birth:english}\nPassport No: {passport}\nPhone: {phone:intl}\nEmail: {email}")
        d.line("Concert date: {neg:event_date}, Seat {neg:seat_number}. Contact {neg:shared_mailbox} for help.")
        d.line("Flight for overseas members: {neg:flight_number}. Merch coupon {neg:coupon_code}")
        return
    d.line("공식 팬클럽 선예매 본인 인증 신청")
    d.form([("회원명", "{name}"), ("생년월일", "{birth}"), ("휴대폰", "{phone}"), ("이메일", "{email}"),
            ("예매번호", "{neg:booking_number}"), ("결제카드", "{card:masked}")])
    if d.r.random() < 0.5:
        d.line("굿즈 교환용 모바일 상품권 {neg:gift_voucher_number} 은 1인 1회만 사용 가능합니다.")
    d.line("※ 티켓 양도 적발 시 취소. 문의 {neg:call_centre} (평일 {neg:time_range})")


def crowdfunding(d):
    form = _pick_form(d, "export", "notice")
    if form == "notice":
        d.line("[펀딩온] 프로젝트 정산 안내 — 메이커 {company}")
        d.line("사업자등록번호 {brn} / 대표 {name} / 정산 계좌 {bank} {acct}")
        d.line("정산 금액 {neg:amount}, 수수료 {neg:percentage}, 세금계산서 승인번호 {neg:tax_invoice_approval}")
        d.line("메이커 담당자 연락처 {phone}, 이메일 {email} / 플랫폼 고객센터 {neg:call_centre}")
        return
    d.line("reward_shipping_export.tsv")
    d.table(("backer", "mobile", "email", "pay", "order_id", "tracking"),
            [("{name}", "{phone}", "{email}", "카드", "{neg:order_number}", "{neg:tracking_number}"),
             ("{name}", "{phone:plain}", "{email}", "네이버페이", "{neg:order_number}", "{neg:tracking_number}"),
             ("{name}", "{phone:masked}", "{email:masked}", "{card:masked}", "{neg:order_number}", "{neg:tracking_number}")],
            d.r.randrange(3, 6), delims=("\t",))


def brokerage_contract(d):
    d.scanned(0.3, "계약서 사본")
    d.line("부동산(아파트) 매매계약서 — 공인중개사 확인·설명서 첨부")
    d.line("사용승인일 {neg:past_event_date}")
    d.line("소재지: {place} {neg:apartment_unit}, 전용면적 {neg:floor_area}, 매매대금 {neg:amount}")
    d.form([("매도인", "{name}"), ("매도인 주민등록번호", "{rrn}"), ("매도인 전화", "{phone}"),
            ("매수인", "{name}"), ("매수인 주민등록번호", "{rrn}"), ("매수인 전화", "{phone}"),
            ("잔금 입금계좌(매도인)", "{bank} {acct}")])
    d.line("개업공인중개사 바른중개사무소 등록번호 11440-2026-{n} / 사업자등록번호 {brn} / 사무소 {neg:company_main_phone}")
    d.line("공과금 정산: 한전 고객번호 {neg:utility_customer_number}, 관리비 가상계좌 {neg:virtual_account}")
    d.line("법인 매수인의 경우 법인등록번호 {neg:corporate_registration} 기재. 계약일 {neg:event_date}, 잔금일 {neg:due_date}")


def phone_shop(d):
    form = _pick_form(d, "form", "memo")
    if form == "memo":
        d.line("매장 메모) {name} 고객 갤럭시 기변, IMEI {neg:imei}, 유심 {neg:serial_number}")
        d.line("개통번호 {phone} · 요금 자동납부 카드 {card} · 단말 할부원금 {neg:amount}")
        d.line("키즈폰 추가: 자녀 {name} 주민번호 {rrn:post2020}, 법정대리인 본인 {rrn}")
        return
    d.line("이동전화 서비스 가입신청서 (할부 매매계약 포함)")
    d.form([("가입자", "{name}"), ("주민(외국인)등록번호", d.r.choice(("{rrn}", "{frn}"))),
            ("신분증", d.r.choice(("운전면허 {dl}", "여권 {passport}"))),
            ("개통 번호", "{phone}"), ("연락 가능 번호", "{phone:direct}"), ("청구서 이메일", "{email}"),
            ("자동납부", "{bank} {acct}"), ("모델", "{neg:model_number}"), ("IMEI", "{neg:imei}")])
    d.line("판매점 {shop}모바일 사업자 {brn} / 통신사 고객센터 114, {neg:call_centre}")


def used_car(d):
    form = _pick_form(d, "contract", "chat")
    if form == "chat":
        d.chat(["K5 시세 보고 연락드렸어요 아직 있나요?", "네 있습니다 방문 전에 성함 연락처 남겨주세요",
                "{name}이고 번호는 {phone}예요", "할부 심사 들어가려면 주민번호랑 면허번호 필요해요",
                "{rrn} / 면허 {dl}", "계약금은 상사 계좌 {neg:company_account} 로 보내주세요 (주)큰길모터스",
                "성능점검기록부 번호 {neg:reference_number} 보내드렸어요"])
        return
    d.scanned(0.3, "양도증명서")
    d.line("자동차 양도증명서 (중고차 매매업자 거래)")
    d.form([("양도인", "{name}"), ("양도인 주민번호", "{rrn}"), ("양수인", "{name}"),
            ("양수인 주민번호(외국인등록번호)", d.r.choice(("{rrn}", "{frn}"))), ("양수인 연락처", "{phone}"),
            ("차대번호", "{neg:vehicle_identification_number}"), ("최초등록일", "{neg:past_event_date}"),
            ("매매금액", "{neg:amount}")])
    if d.r.random() < 0.4:
        d.line("양수인이 외국인인 경우: 여권번호 {passport}, 외국인등록번호 {frn}")
    d.line("매매업자 (주)큰길모터스 사업자등록번호 {brn}, 딜러 {name} 휴대폰 {phone}, 상사 {neg:company_main_phone}")


def tow_truck(d):
    if d.r.random() < 0.35:
        d.line("[Web발신]\n[{shop}견인] 요청하신 견인차가 출동했습니다.")
        d.line("기사 {name} {phone} / 도착 예정 20분 / 견인 요금은 현장 카드결제 또는 기사 계좌 {bank} {acct}")
        d.line("사고 접수번호 {neg:policy_number} · 보험사 출동 {neg:call_centre}")
        return
    d.line("[견인 출동 기록] 접수 {neg:reference_number} / {neg:event_date}")
    d.line("요청자 {name} 연락처 {phone}, 위치 {place} 인근, 차량 운전자 면허 {dl}, 차주 생년월일 {birth}")
    d.line("견인 기사 {name} ({phone}) 사업자 {brn}, 견인거리 {n}km, 요금 {neg:amount}")
    d.line("보험사 긴급출동 {neg:call_centre} 연계, 사고접수번호 {neg:policy_number}")
    if d.r.random() < 0.5:
        d.line("요금 카드결제 {card} 승인 {neg:card_approval}")


def locksmith(d):
    if d.r.random() < 0.4:
        d.chat(["문이 안 열려요 도어락 배터리 나간 것 같아요", "주소 찍어주세요 출장비 {neg:amount}입니다",
                "{place} {neg:apartment_unit}이요", "본인 거주 확인 필요해서 신분증 보여주셔야 해요",
                "지금 지갑이 안에 있어서요 주민번호 {rrn} 불러드릴게요", "네 도착하면 등본 앱으로 확인할게요 제 번호 {phone}",
                "입금은 {bank} {acct} {name} 맞죠?"])
        return
    d.line("24시열쇠 출장 작업일지 — 본인 확인 후 개문")
    d.form([("의뢰인", "{name}"), ("신분 확인", d.r.choice(("주민등록증 {rrn}", "운전면허 {dl}", "외국인등록증 {frn}", "여권 {passport}"))),
            ("연락처", "{phone}"), ("주소", "{place} {neg:apartment_unit}"), ("작업", "현관 도어락 교체, 모델 {neg:model_number}"),
            ("요금", "{neg:amount}")], styles=((" ", ": "), ("- ", ": ")))
    d.line("※ 세입자일 경우 관리사무소 {neg:company_main_phone} 확인 필요")


def rider_onboarding(d):
    form = _pick_form(d, "json", "form")
    if form == "json":
        d.line("POST /v2/riders/onboarding 201")
        d.line('{"rider":{"name":"{name}","mobile":"{phone}","birth":"{birth:iso}","license":"{dl}",'
               '"payout":{"bank":"{bank}","account":"{acct:plain}"},"vehicle":"125cc","insurance":"{neg:policy_number}"},'
               '"device":{"imei":"{neg:imei}","app":"{neg:version_number}"},"trace":"{neg:transaction_id}","ip":"{neg:ip_address}"}')
        return
    d.line("배달 파트너 가입 서류 확인")
    d.form([("라이더", "{name}"), ("휴대폰", "{phone}"), ("주민번호/외국인등록번호", d.r.choice(("{rrn}", "{frn}", "{frn}"))),
            ("원동기 면허", "{dl}"), ("정산 계좌", "{bank} {acct}"), ("유상운송보험 증권", "{neg:policy_number}")])
    d.line("지역 허브 {neg:company_main_phone} / 파트너센터 {neg:call_centre}")


def quick_courier(d):
    if d.r.random() < 0.4:
        d.line("2026-11-2" + str(d.r.randrange(10)) + " 14:0" + str(d.r.randrange(10)) + " INFO dispatch.assign "
               "order={neg:order_number} sender_tel={phone:plain} receiver_tel={phone} rider_tel={phone:safe} fare={neg:amount}")
        d.line("2026-11-20 14:11 INFO dispatch.settle order={neg:order_number} corp_brn={brn} corp_tel={neg:company_main_phone}")
        return
    d.line("퀵서비스 접수증 {neg:order_number}")
    d.line("보내는 분: {company} {name} 대리 (직통 {phone:direct}, 휴대폰 {phone})")
    d.line("받는 분: {name} {phone} / {place} (우편번호 {neg:postcode})")
    d.line("기사: {name} (번호는 배차 후 문자 안내) · 오토바이 · 요금 {neg:amount} 착불 · 세금계산서 사업자번호 {brn}")
    d.line("접수센터 {neg:call_centre} / 월말 청구서 {neg:invoice_number}")


def nursing_home_guardian(d):
    form = _pick_form(d, "list", "letter")
    if form == "letter":
        d.line("{name} 보호자님께,\n\n{month}월 본인부담금 {neg:amount} 청구드립니다. 가상계좌 {bank} {neg:virtual_account} 로 {neg:due_date}까지 납부 부탁드립니다.")
        d.line("(지로 전자납부번호 {neg:electronic_payment_number})")
        d.line("어르신({birth} 생) 진료 동의서를 위해 보호자 주민등록번호 {rrn}, 휴대폰 {phone} 확인 부탁드립니다.")
        d.line("\n늘봄요양원 사무실 {neg:company_main_phone} / 팩스 {neg:office_fax}")
        return
    d.line("입소자 보호자 비상연락망 (생활실 {n}층)")
    d.table(("입소자", "생년월일", "주보호자", "관계", "휴대폰", "이메일"),
            [("{name}", "{birth}", "{name}", "장남", "{phone}", "{email}"),
             ("{name}", "{birth:korean}", "{name}", "딸", "{phone}", "-"),
             ("{name}", "{birth}", "{name}", "배우자", "{phone:direct}", "{email}")], d.r.randrange(3, 6))


def school_uniform(d):
    if d.r.random() < 0.35:
        d.line("[반톡 공지] 교복 치수 측정 안내")
        d.line("측정일 {neg:event_date} 강당, 결제 안 하신 분은 업체 가상계좌 {neg:virtual_account} 로 {neg:amount} 입금해 주세요.")
        d.line("└ {name} 엄마예요 결제 카드 {card} 로 해도 되나요? 연락은 {phone}")
        d.line("└ 업체 담당자 {name} 실장님 번호 {phone} / 매장 {neg:company_main_phone}")
        return
    d.line("신입생 교복 공동구매 신청 (주관: (주)빛나교복, 통신판매업 {neg:mail_order_report})")
    d.table(("학생", "생년월일", "학부모 휴대폰", "상의", "하의", "결제"),
            [("{name}", "{birth:child}", "{phone}", "{size}", "{size}", "{card:masked}"),
             ("{name}", "{birth:child}", "{phone}", "{size}", "{size}", "계좌이체"),
             ("{name}", "{birth:child}", "-", "{size}", "{size}", "{card:masked}")],
            d.r.randrange(3, 6))
    d.line("업체 사업자 {brn} / 환불 계좌 {bank} {neg:company_account} / 문의 {neg:company_main_phone}")
    d.line("명찰 상품 바코드 {neg:barcode}, 배송 송장 {neg:tracking_number}")


def journal_submission(d):
    if d.r.random() < 0.4:
        d.line("논문 투고 저자 정보 (한국사회과학회지, 투고번호 {neg:reference_number})")
        d.form([("교신저자", "{name}"), ("소속", "{org}"), ("이메일", "{email:work}"), ("휴대폰", "{phone}"),
                ("심사비 환불 계좌", "{bank} {acct}")])
        d.line("게재료 {neg:amount}, 학회 계좌 {neg:foundation_account} / 학회 사무국 {neg:shared_mailbox}")
        return
    d.line("Manuscript submission — Author information (Journal of Korean Social Science)")
    d.line("Manuscript ID: {neg:reference_number} | DOI (on acceptance): {neg:doi}")
    d.line("Corresponding author: {en}, {org}\nE-mail: {email:work}\nPersonal e-mail: {email}")
    d.line("Office: {phone:direct}  Mobile: {phone:intl}")
    d.line("심사료 {neg:amount} 입금 계좌: 학회 {neg:foundation_account} / 원고료 지급 계좌(저자): {bank} {acct}")
    d.line("원고료 소득세 신고용 주민등록번호: {rrn}  Grant: {neg:grant_number}  ISBN(단행본) {neg:isbn}")


def storage_rental(d):
    if d.r.random() < 0.35:
        d.line("From: 도담스토리지 <{neg:shared_mailbox}>\nTo: {email}\nSubject: [미납 안내] Unit {neg:seat_number} 이용료")
        d.line("\n{name} 고객님, 등록된 카드({card:masked}) 결제가 {neg:due_date} 실패했습니다.")
        d.line("가상계좌 {neg:virtual_account} 로 {neg:amount} 입금해 주시거나, 새 카드를 등록해 주세요.")
        d.line("긴급 연락처로 등록하신 {phone} 로도 문자 드렸습니다. 고객센터 {neg:call_centre}")
        return
    d.line("셀프스토리지 이용계약서 / Unit {neg:seat_number} / 계약번호 {neg:contract_number}")
    d.form([("이용자", "{name}"), ("생년월일", "{birth}"), ("휴대폰", "{phone}"), ("비상연락처", "{phone}"),
            ("이메일", "{email}"), ("정기결제 카드", "{card}"), ("사업자(법인 이용 시)", "{brn}")])
    d.line("출입 QR 발급. 월 이용료 {neg:amount}, 면적 {neg:floor_area}. 지점 {neg:company_main_phone}")


def training_voucher(d):
    if d.r.random() < 0.4:
        d.line("[직업상담 기록] 상담사 {name} / {neg:event_date}")
        d.line("내담자 {name}(만 {n}세, 생년월일 {birth}) 구직기간 6개월. 연락처 {phone}, 메일 {email}.")
        d.line("국민내일배움카드 발급 완료(카드 {card:masked}), 훈련과정 {neg:course_code} 추천.")
        d.line("훈련장려금 지급계좌는 본인 {bank} {acct} 로 등록. 고용센터 대표 {neg:company_main_phone}")
        return
    d.line("국민내일배움카드 훈련 수강 신청서 — 과정코드 {neg:course_code}")
    d.form([("훈련생", "{name}"), ("주민(외국인)등록번호", d.r.choice(("{rrn}", "{frn}", "{frn}"))), ("휴대전화", "{phone}"),
            ("이메일", "{email}"), ("훈련장려금 계좌", "{bank} {acct}"), ("카드번호(내일배움)", "{card}")])
    d.line("훈련기간 {neg:event_date} ~ {neg:due_date}, 자비부담 {neg:percentage}. 고용센터 {neg:call_centre}")


def pest_control(d):
    form = _pick_form(d, "contract", "report")
    if form == "report":
        d.line("방역 소독 증명서 발급 대장 (증명번호 {neg:reference_number})")
        d.line("시설: {shop} (사업자 {brn}) 관리책임자 {name} 휴대폰 {phone}")
        d.line("소독일 {neg:event_date}, 약제 로트 {neg:lot_number}, 면적 {neg:floor_area}")
        return
    d.line("정기 방역 서비스 계약 (월 1회)")
    d.form([("상호", "{shop}"), ("사업자등록번호", "{brn}"), ("담당자", "{name}"), ("담당자 휴대폰", "{phone}"),
            ("세금계산서 메일", "{email}"), ("월 금액", "{neg:amount}"), ("계약 시작", "{neg:event_date}")])
    d.line("새솔방역 본사 {neg:company_main_phone} / 회사 계좌 {neg:company_account}")
    d.line("전자세금계산서 승인번호 {neg:tax_invoice_approval} 발행 예정")


def fishing_boat_manifest(d):
    d.look = "fullwidth" if d.r.random() < 0.3 else "plain"
    d.line("낚시어선 승선자 명부 — 서해낚시 (출항 {neg:event_date} 05:00)")
    d.table(("번호", "성명", "생년월일", "성별", "연락처"),
            [("{n}", "{name}", "{birth}", "남", "{phone}"),
             ("{n}", "{name}", "{birth:yymmdd}", "여", "{phone:plain}"),
             ("{n}", "{name}", "{rrn:masked}", "남", "{phone}"),
             ("{n}", "{name}", "{rrn:post2020}", "여", "보호자 동반")], d.r.randrange(3, 6), delims=("\t", " | "))
    d.line("선장 {name} {phone} / 해경 신고 {neg:company_main_phone}")


def influencer_contract(d):
    form = _pick_form(d, "mail", "contract")
    if form == "mail":
        d.line("From: {company} 마케팅팀 <{neg:shared_mailbox}>\nTo: {email}\nSubject: 협찬 계약서 및 원천징수 정보 요청")
        d.line("\n크리에이터님, 협찬료 {neg:amount} 지급을 위해 아래 회신 부탁드립니다.")
        d.line("1) 개인: 주민등록번호, 지급 계좌  2) 사업자: 사업자등록번호, 세금계산서 메일")
        d.line("\n> 회신: 주민번호 {rrn}, {bank} {acct} 입니다. 연락은 {phone} 로 주세요.")
        d.line("\n마케팅팀 {name} 매니저 | 직통 {phone:direct} | 대표 {neg:company_main_phone}")
        return
    d.line("인플루언서 광고 협찬 계약서 (계약번호 {neg:contract_number})")
    d.form([("갑", "{company} (법인등록번호 {neg:corporate_registration})"), ("을(크리에이터)", "{name}"),
            ("을 사업자등록번호", "{brn}"), ("을 연락처", "{phone}"), ("을 이메일", "{email}"), ("지급 계좌", "{bank} {acct}")])
    d.line("게시 기간: {neg:event_date}부터 30일, 광고표기 필수. 쿠폰코드 {neg:coupon_code} 제공.")


def scrap_dealer(d):
    d.line("고물 매입 장부 (개인 매도자 신원 확인) — {neg:event_date}")
    for _ in range(d.r.randrange(3, 6)):
        d.line(d.r.choice(("{name} / {rrn} / 고철 {neg:weight} / {neg:amount} / 이체 {bank} {acct}",
                           "{name} / 외국인 {frn} / 구리 {neg:weight} / {neg:amount} / 현금",
                           "{name} / 면허 {dl} / {phone:plain} / 폐지 {neg:weight} / {neg:amount} / 현금",
                           "{name} / 여권 {passport} / {phone} / 알루미늄 {neg:weight} / {neg:amount} / 현금")),
               label=("list_row", ""))
    d.line("업체 (주)고철나라 사업자 {brn} / 계근표 번호 {neg:reference_number}")


def drone_registration(d):
    form = _pick_form(d, "form", "english")
    if form == "english":
        d.line("Drone flight approval request (Flight zone: Han River)")
        d.line("Pilot: {en} / DOB {birth:english} / Passport {passport} / Mobile {phone:intl}")
        d.line("Aircraft reg. {neg:drone_registration}, serial {neg:serial_number}, MTOW {neg:weight}")
        d.line("Operator company BRN: {brn}  Contact: {email}")
        return
    d.line("초경량비행장치 신고 및 조종자 증명 신청")
    d.form([("신고번호", "{neg:drone_registration}"), ("소유자", "{name}"), ("생년월일", "{birth}"), ("주민등록번호", "{rrn}"),
            ("휴대전화", "{phone}"), ("이메일", "{email}"), ("기체 제작번호", "{neg:serial_number}"),
            ("사업자등록번호(사업용)", "{brn}")])
    d.line("교육기관 하늘드론아카데미 대표번호 {neg:company_main_phone}, 수수료 {neg:amount}")


def startup_application(d):
    d.line("2026 예비창업패키지 사업계획서 — 신청자 정보 (기창업자 개업일 {neg:past_event_date})")
    d.form([("대표자", "{name}"), ("생년월일", "{birth}"), ("휴대전화", "{phone}"), ("이메일", "{email}"),
            ("사업자등록번호(기창업 시)", "{brn}"), ("협약 계좌", "{bank} {acct}")])
    d.line("※ 법인 설립 시 법인등록번호 {neg:corporate_registration}, 접수번호 {neg:reference_number}, 마감 {neg:due_date}")
    d.line("팀원: {name}({birth:yymmdd}), {name}(외국인, {frn})")
    d.line("주관기관 창업지원단 {neg:company_main_phone} / {neg:shared_mailbox}")


def patent_intake(d):
    d.line("[세움특허법률사무소] 출원 의뢰 접수 메모")
    d.line("발명자 1: {name}, 주소 {place}, 주민등록번호 {rrn}, 휴대폰 {phone}")
    d.line("발명자 2: {en} (국적 미국) 여권 {passport}, e-mail {email}")
    d.line("출원인: {company} 사업자등록번호 {brn}, 법인등록번호 {neg:corporate_registration}")
    d.line("선행 출원 {neg:patent_application_number} 우선권 주장, 관납료 {neg:amount}, 사건번호 {neg:court_case_number} 관련 검토")
    d.line("담당 변리사 직통 {phone:direct} / 사무소 {neg:company_main_phone} / 팩스 {neg:office_fax}")


def press_release(d):
    if d.r.random() < 0.3:
        d.line("PRESS RELEASE — For immediate release ({neg:event_date})")
        d.line("K-Beauty startup raises {neg:amount} in Series A; growth rate {neg:percentage}.")
        d.line("Media contact: {en}, PR Manager | Direct {phone:direct} | Mobile {phone:intl} | {email:work}")
        d.line("General inquiries: {neg:shared_mailbox} / Main {neg:company_main_phone}")
        return
    d.line("보도자료 | {neg:event_date} 배포 | 즉시 보도 가능")
    d.line("{company}, 지역 상생 펀드 {neg:amount} 조성 … 참여율 {neg:percentage}")
    d.line("\n[문의] 홍보팀 {name} 과장 직통 {phone:direct}, 휴대폰 {phone}, 이메일 {email:work}")
    d.line("홍보팀 공용 {neg:shared_mailbox} / 대표전화 {neg:company_main_phone} (내선 {neg:extension})")
    if d.r.random() < 0.5:
        d.line("※ 사진 제공: 한빛스튜디오 {name} 작가 ({email})")


def tv_applicant(d):
    form = _pick_form(d, "form", "dm")
    if form == "dm":
        d.chat(["안녕하세요 방송국 작가입니다 사연 보고 연락드렸어요", "헉 감사합니다!",
                "출연 검토 위해 연락처랑 생년월일 부탁드려요", "{phone} / {birth}",
                "출연료는 본인 명의 계좌로 드려요 원천징수 때문에 주민번호도 필요해요",
                "{bank} {acct}이고 주민번호는 {rrn}이에요", "녹화 {neg:event_date} 예정이고 제작사 대표번호는 {neg:company_main_phone} 입니다"])
        return
    d.line("방송 출연 신청서 (프로그램: 동네 맛집 대결)")
    d.form([("신청자", "{name}"), ("생년월일", "{birth}"), ("연락처", "{phone}"), ("이메일", "{email}"),
            ("가게 사업자번호", "{brn}"), ("신청번호", "{neg:reference_number}")])


def festival_vendor(d):
    d.line("2026 가을 먹거리 축제 부스 참가업체 명단 (운영사무국 {neg:company_main_phone})")
    d.table(("부스", "상호", "사업자등록번호", "대표자", "휴대폰", "보증금 반환계좌"),
            [("{neg:seat_number}", "{shop}", "{brn}", "{name}", "{phone}", "{bank} {acct}"),
             ("{neg:seat_number}", "{shop}", "{brn:plain}", "{name}", "{phone}", "{bank} {acct}"),
             ("{neg:seat_number}", "{shop}", "{brn:masked}", "{name}", "-", "현장 반환")],
            d.r.randrange(3, 6))
    d.line("참가비 {neg:amount} 는 축제위원회 계좌 {neg:foundation_account} 로, 부스 면적 {neg:floor_area}")


def firearm_custody(d):
    d.line("총포 보관 해제(출고) 신청서 — 수렵기간 {neg:event_date} ~ {neg:due_date}")
    d.form([("신청인", "{name}"), ("주민등록번호", "{rrn}"), ("휴대전화", "{phone}"), ("수렵면허 확인", "운전면허증 {dl}"),
            ("총포 제조번호", "{neg:serial_number}"), ("수렵장 사용료 납부", "{neg:amount}")])
    d.line("엽우회 동행자: {name} (생년월일 {birth}), {name} (생년월일 {birth})")
    d.line("보관 지구대 {neg:company_main_phone} / 접수번호 {neg:reference_number}")


def water_leisure_license(d):
    form = _pick_form(d, "form", "list")
    if form == "list":
        d.line("수상레저 조종면허 실기시험 응시자 명단 (시험일 {neg:event_date}, 시험장 {neg:company_main_phone})")
        d.table(("응시번호", "성명", "생년월일", "신분증", "합격"),
                [("{neg:queue_number}", "{name}", "{birth}", "면허 {dl}", "합"),
                 ("{neg:queue_number}", "{name}", "{birth:yymmdd}", "여권 {passport}", "불"),
                 ("{neg:queue_number}", "{name}", "{birth}", "외국인 {frn}", "합")], d.r.randrange(3, 6))
        return
    d.line("동력수상레저기구 조종면허 발급 신청서 (일반조종 2급)")
    d.form([("성명", "{name}"), ("주민등록번호", "{rrn}"), ("연락처", "{phone}"), ("이메일", "{email}"),
            ("응시표 번호", "{neg:reference_number}"), ("인지대", "{neg:amount}")])


def notary_office(d):
    form = _pick_form(d, "ledger", "xml")
    if form == "xml":
        d.line("<notarization id=\"{neg:reference_number}\">")
        d.line("  <principal><name>{name}</name><rrn>{rrn}</rrn><tel>{phone}</tel></principal>")
        d.line("  <agent><name>{en}</name><passport>{passport}</passport><arc>{frn}</arc></agent>")
        d.line("  <fee>{neg:amount}</fee><office_tel>{neg:company_main_phone}</office_tel>")
        d.line("</notarization>")
        return
    d.scanned(0.3, "접수 대장")
    d.line("공증 사무소 접수 대장 — 위임장 인증")
    d.line("위임인 {name} 주민등록번호 {rrn}, 연락처 {phone}")
    d.line("수임인 {name} 외국인등록번호 {frn} / 여권 {passport}")
    d.line("인증 수수료 {neg:amount} 카드 결제 (승인 {neg:card_approval}), 등부번호 제{neg:queue_number}호")


def insurance_agent_appointment(d):
    form = _pick_form(d, "form", "sql")
    if form == "sql":
        d.line("-- 설계사 위촉 데이터 이관 (GA 지점 {neg:course_code})")
        for _ in range(d.r.randrange(2, 5)):
            d.line("INSERT INTO agent (name, rrn, mobile, email, payout_bank, payout_acct, car_license) VALUES "
                   "('{name}', '{rrn}', '{phone:plain}', '{email}', '{bank}', '{acct}', '{dl}');")
        return
    d.line("보험설계사 위촉 계약서 (위촉번호 {neg:contract_number})")
    d.form([("성명", "{name}"), ("주민등록번호", "{rrn}"), ("휴대폰", "{phone}"), ("이메일", "{email}"),
            ("수수료 지급계좌", "{bank} {acct}"), ("개인사업자", "{brn}")])
    d.line("지점 {neg:company_main_phone} (지점 개설 {neg:past_event_date}) / 위촉 문의 {neg:shared_mailbox}")


def taxi_qualification(d):
    d.line("택시운전 자격시험 접수 확인증")
    d.form([("접수번호", "{neg:reference_number}"), ("성명", "{name}"), ("생년월일", "{birth}"),
            ("운전면허번호", "{dl}"), ("연락처", "{phone}"), ("시험일시", "{neg:event_date}")])
    d.line("운전정밀검사 결과 확인 후 응시 가능. 시험장 안내 {neg:call_centre}, 응시수수료 {neg:amount}")
    if d.r.random() < 0.5:
        d.line("개인택시 양수 예정 — 양도자 {name} ({rrn}), 사업자 {brn}")


def equipment_rental(d):
    d.line("건설기계 임대차 계약서 (굴삭기 06W)")
    d.form([("임대인 상호", "{shop}중기"), ("사업자등록번호", "{brn}"), ("대표", "{name}"), ("대표 휴대폰", "{phone}"),
            ("기사 운전면허", "{dl}"), ("대금 입금계좌", "{bank} {acct}"), ("임차인 사업자", "{brn}")])
    d.line("현장 {place}, 임대기간 {neg:event_date}부터, 일대 {neg:amount}, 기종 {neg:model_number}")
    d.line("원청 법인등록번호 {neg:corporate_registration} / 현장사무소 {neg:company_main_phone}")
    d.line("교체 부품: 유압호스 {neg:part_number}, 버킷 핀 {neg:part_number}")


def safe_deposit_box(d):
    d.line("대여금고 이용 신청서 — 금고번호 {neg:seat_number}")
    d.form([("신청인", "{name}"), ("실명확인번호", d.r.choice(("{rrn}", "{frn}", "{passport}"))), ("연락처", "{phone}"),
            ("이용료 출금계좌", "{bank} {acct}"), ("공동이용자", "{name} ({birth})")])
    d.line("연 이용료 {neg:amount}, 보증금은 지점 계좌 {neg:company_account} 에 예치. 지점 {neg:company_main_phone}")


GENRES = {f.__name__: f for f in (
    conference_registration, study_abroad, marriage_agency, caregiver_matching, cleaning_service, car_rental,
    kickboard_support, visitor_pass, dental_plan, hearing_aid, funeral_insurance_call, door_to_door_contract,
    music_lessons, league_roster, hiking_club, reunion_list, hometown_association, fan_club, crowdfunding,
    brokerage_contract, phone_shop, used_car, tow_truck, locksmith, rider_onboarding, quick_courier,
    nursing_home_guardian, school_uniform, journal_submission, storage_rental, training_voucher, pest_control,
    fishing_boat_manifest, influencer_contract, scrap_dealer, drone_registration, startup_application,
    patent_intake, press_release, tv_applicant, festival_vendor, firearm_custody, water_leisure_license,
    notary_office, insurance_agent_appointment, taxi_qualification, equipment_rental, safe_deposit_box)}


# --------------------------------------------------------------------------- documents


def _document(index: int, seed: int) -> labelled.Document:
    r = random.Random(seed * 7_919_993 + index * 104_729 + 12)
    names = tuple(GENRES)
    genre = names[index % len(names)] if index < len(names) else r.choice(names)
    d = _Doc(genre, r)
    GENRES[genre](d)
    return d.document()


def generate(count: int = 1500, seed: int = 1) -> list:
    """`count` labelled documents; the same seed gives the same documents, and a smaller count
    the first ones of a larger."""
    if count < 0:
        raise ValueError(f"count must be at least 0, not {count}")
    return [_document(i, seed) for i in range(count)]


if __name__ == "__main__":
    import sys
    labelled.show(generate(int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)))
