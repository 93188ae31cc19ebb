"""The eighteenth blind part (`blind18`): labelled Korean documents in genres no other part
writes, made apart from the detection rules and from the other parts, never to be tuned on.

    docs = labelled_blind18.generate(1500, seed=1)

Genres (67): neighbours' consent to interior works, rental returns, local-currency card sign-ups,
fishing-spot bookings, caddie rosters, concert-ticket transfers, fan-meeting lottery winners,
piano tuning, curtain measuring, mattress cleaning, aquarium and zoo passes, science camps,
coding-academy trials, driving-range lockers, tennis-court lotteries, sports-hall rentals, pool
lanes, youth-hostel groups, village-bus complaints, park senior-job attendance, apartment-gym key
cards, kimjang volunteers, blood-pressure screening, gift-certificate refunds, uniform exchanges,
reading clubs, bereavement leave, citizen panels, festival-booth lotteries, seed orders, rice-mill
deliveries, kimchi-fridge and phone-screen repairs, data recovery, ink subscriptions, furniture
assembly, parcel-damage claims, direct-purchase customs, housekeeping and baby-sitter apps,
postnatal helpers, twins' clubs, pet funerals, moving-out inspections, key handovers, car sharing,
foreign workers' account changes, fortune-telling bookings, baby naming, hanbok rental, tyre
changes, dashcam installs, used-clothes pick-ups, instrument buy-backs, side-dish subscriptions,
window screens, baduk tournaments, gateball clubs, filming locations, septic-tank cleaning,
well-water tests, signboard orders, return-to-farming counselling, video-appearance consents,
recycling points and overseas-trip rosters. Each is written in a few of these forms: label lines,
key=value log lines, JSON, CSV/TSV/pipe/Markdown rosters, chats (three export formats), text
messages, e-mails with signatures, prose notes, lines jotted in a notebook, OCR scans (labels
spaced out or above their value, a digit read as a letter), full-width forms and English-Korean
forms.

Conventions:
- Values are whatever identifies or reaches a person: their own mobile, a 050x safe number (it
  rings a person too), their direct line, their e-mail (a work address that is theirs included),
  their account, their card, their resident, foreigner, licence and passport numbers, a birth date
  under a birth label, and every business registration number (a sole trader's is theirs).
- Negatives are organisations' numbers and look-alikes: an office's, shop's or company's main or
  call-centre number, its fax, a bare extension, a company's, church's, club's or foundation's
  account, a virtual account for one bill, a shared mailbox (help@, info@, cs@ of a company), and
  order, tracking, invoice, reception, booking, model, serial, IMEI, barcode, approval, voucher,
  customs-code (개인통관고유부호 is none of the ten kinds), locker and seat numbers, dates that are
  not birth dates, amounts, postcodes, measurements and the like.
- About a tenth of the values are partly masked already (010-****-5678, 880101-1******). Numbers
  with a check digit carry a valid one, except resident numbers issued since October 2020, which
  have none (writing "post2020").
- Every document is made from its own seed (the part's seed and its index), so a smaller count
  gives a prefix of a larger one.
"""

from __future__ import annotations

import random
from dataclasses import dataclass

import corpus
import labelled

PART = "blind18"
KINDS = labelled.KINDS

FULL_WIDTH = str.maketrans("0123456789-.:/", "０１２３４５６７８９－．：／")
HANGUL_DIGITS = "공일이삼사오육칠팔구"

# --------------------------------------------------------------------------- people and places

ROMAN_GIVEN = ("minji seojun hayoon jiho yerin dohyun sua junho eunseo taemin nari woojin "
               "chaeyoung sihyun gaeun jaewon hyebin sungmin dabin kyungho").split()
ROMAN_SURNAMES = "kim lee park choi jung kang cho yoon jang lim han oh seo shin kwon hwang".split()
MAIL_DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
                "icloud.com", "outlook.kr", "hotmail.com", "korea.kr")
DISTRICTS = ("마포구 망원동", "노원구 상계동", "수원시 영통구", "고양시 일산동구", "청주시 흥덕구",
             "전주시 완산구", "창원시 성산구", "대전 서구 둔산동", "광주 북구 용봉동", "부산 사하구",
             "인천 연수구 송도동", "제주시 노형동", "김해시 장유동", "춘천시 후평동")
BANK_FORMATS = {  # bank: digit groups of its personal accounts
    "국민": (6, 2, 6), "KB국민": (6, 2, 6), "신한": (3, 3, 6), "우리": (4, 3, 6), "하나": (3, 6, 5),
    "농협": (3, 4, 4, 2), "NH농협": (6, 2, 6), "카카오뱅크": (4, 2, 7), "토스뱅크": (4, 4, 4),
    "IBK기업": (3, 6, 2, 3), "새마을금고": (4, 2, 6, 1), "우체국": (6, 2, 6), "케이뱅크": (3, 3, 6),
    "SC제일": (3, 2, 6), "부산": (3, 4, 4, 2), "대구": (3, 2, 6, 1),
}
LICENCE_REGIONS = ("서울", "부산", "경기", "강원", "충북", "충남", "전북", "전남", "경북", "경남",
                   "제주", "대구", "인천", "광주", "대전", "울산")


def topic_particle(word: str) -> str:
    """은 after a closed last syllable, 는 after an open one (and after Latin letters, read as
    their names)."""
    last = word.rstrip(")")[-1]
    return "은" if "가" <= last <= "힣" and (ord(last) - 0xAC00) % 28 else "는"


def person(r: random.Random) -> str:
    return r.choice(corpus.SURNAMES[:40]) + r.choice(corpus.GIVEN)


def masked_name(name: str) -> str:
    return name[0] + "*" + name[2:] if len(name) > 2 else name[0] + "*"


def digits(r: random.Random, n: int) -> str:
    return corpus.random_digits(r, n)


# --------------------------------------------------------------------------- values


def _w(kind: str, text: str, writing: str, masked: bool = False) -> labelled.Written:
    return labelled.Written(kind, text, writing, masked)


def _yymmdd(y: int, m: int, d: int) -> str:
    return f"{y % 100:02d}{m:02d}{d:02d}"


def resident(r: random.Random, child: bool = False) -> labelled.Written:
    if child or r.random() < 0.07:
        # Issued since October 2020: the last six digits are random, no check digit.
        if r.random() < 0.15:
            y, m, d = 2020, r.randrange(10, 13), r.randrange(1, 31)
        else:
            y, m, d = corpus.random_date(r, 2021, 2025)
        head = _yymmdd(y, m, d) + r.choice("34")
        body = [int(c) for c in head + digits(r, 5)]
        last = (corpus.resident_check(body, False) + 1 + r.randrange(9)) % 10
        return _w("resident", f"{head[:6]}-{head[6]}{''.join(map(str, body[7:]))}{last}", "post2020")
    y, m, d = corpus.random_date(r, 1942, 2007)
    g = r.choice("12" if y < 2000 else "34")
    body = [int(c) for c in _yymmdd(y, m, d) + g + digits(r, 5)]
    s = "".join(map(str, body)) + str(corpus.resident_check(body, False))
    return _pick(r, "resident", (
        (6, "hyphen", f"{s[:6]}-{s[6:]}"), (2, "plain", s), (1, "space", f"{s[:6]} {s[6:]}"),
        (1, "masked_back", f"{s[:6]}-{s[6]}******"), (0.5, "masked_all_back", f"{s[:6]}-*******"),
    ))


def foreigner(r: random.Random) -> labelled.Written:
    y, m, d = corpus.random_date(r, 1958, 2006)
    g = r.choice("56" if y < 2000 else "78")
    body = [int(c) for c in _yymmdd(y, m, d) + g + digits(r, 5)]
    s = "".join(map(str, body)) + str(corpus.resident_check(body, True))
    return _pick(r, "foreigner_registration", (
        (6, "hyphen", f"{s[:6]}-{s[6:]}"), (2, "plain", s), (1, "space", f"{s[:6]} {s[6:]}"),
        (1.2, "masked_back", f"{s[:6]}-{s[6]}******"),
    ))


def business(r: random.Random) -> labelled.Written:
    body = [int(c) for c in f"{r.randrange(101, 900)}{r.choice(('01', '05', '13', '24', '37', '81', '86', '90'))}{digits(r, 4)}"]
    s = "".join(map(str, body)) + str(corpus.business_check(body))
    return _pick(r, "business_registration", (
        (7, "hyphen", f"{s[:3]}-{s[3:5]}-{s[5:]}"), (2, "plain", s), (0.7, "space", f"{s[:3]} {s[3:5]} {s[5:]}"),
        (1.1, "masked", f"{s[:3]}-{s[3:5]}-*****"),
    ))


def card(r: random.Random) -> labelled.Written:
    if r.random() < 0.12:
        body = [int(c) for c in r.choice(("34", "37")) + digits(r, 12)]
        s = "".join(map(str, body)) + str(corpus.luhn_check(body))
        return _pick(r, "credit_card", (
            (3, "amex", f"{s[:4]}-{s[4:10]}-{s[10:]}"), (1, "plain", s),
            (0.5, "masked", f"{s[:4]}-******-*{s[11:]}"),
        ))
    prefix = r.choice(("4", "51", "53", "55", "9410", "3560", "6250", "4518", "5327"))
    body = [int(c) for c in prefix + digits(r, 15 - len(prefix))]
    s = "".join(map(str, body)) + str(corpus.luhn_check(body))
    q = [s[i:i + 4] for i in range(0, 16, 4)]
    return _pick(r, "credit_card", (
        (6, "hyphen", "-".join(q)), (2, "space", " ".join(q)), (2, "plain", s),
        (1.2, "masked", f"{q[0]}-{q[1][:2]}**-****-{q[3]}"), (0.6, "masked_middle", f"{q[0]}-****-****-{q[3]}"),
    ))


def account(r: random.Random, bank: str) -> labelled.Written:
    groups = BANK_FORMATS[bank]
    parts = [digits(r, g) for g in groups]
    hy = "-".join(parts)
    longest = max(range(len(parts)), key=lambda i: len(parts[i]))
    masked = "-".join(p if i != longest else "*" * (len(p) - 2) + p[-2:] for i, p in enumerate(parts))
    return _pick(r, "bank_account", (
        (6, "hyphen", hy), (3, "plain", "".join(parts)), (1.1, "masked", masked),
    ))


def mobile_digits(r: random.Random) -> str:
    return "010" + str(r.randrange(2, 10)) + digits(r, 7)


def phone(r: random.Random) -> labelled.Written:
    s = mobile_digits(r)
    a, b, c = s[:3], s[3:7], s[7:]
    return _pick(r, "phone", (
        (10, "hyphen", f"{a}-{b}-{c}"), (3, "plain", s), (1.5, "dot", f"{a}.{b}.{c}"),
        (1.5, "space", f"{a} {b} {c}"), (1, "intl", f"+82 10-{b}-{c}"), (0.6, "intl_compact", f"+8210{b}{c}"),
        (0.6, "paren", f"({a}){b}-{c}"), (0.5, "hangul", "".join(HANGUL_DIGITS[int(x)] for x in s)),
        (2, "masked", f"{a}-****-{c}"), (0.7, "masked_tail", f"{a}-{b}-**{c[2:]}"),
    ))


def safe_number(r: random.Random) -> labelled.Written:
    return _w("phone", f"050{r.choice('2345678')}-{digits(r, 4)}-{digits(r, 4)}", "safe_050")


def direct_line(r: random.Random) -> labelled.Written:
    area = r.choice(("02", "031", "032", "042", "051", "053", "062", "064"))
    mid = digits(r, 4 if area == "02" or r.random() < 0.5 else 3)
    return _w("phone", f"{area}-{mid}-{digits(r, 4)}", "direct_line")


def email(r: random.Random, work_domain: str = "") -> labelled.Written:
    given, sur = r.choice(ROMAN_GIVEN), r.choice(ROMAN_SURNAMES)
    local = r.choice((f"{given}{r.randrange(70, 100)}", f"{sur}.{given}", f"{given}_{sur}",
                      f"{given[0]}{sur}{r.randrange(1, 999)}", f"{sur}{given}", f"{given}.{r.randrange(1990, 2010)}"))
    domain = work_domain or r.choice(MAIL_DOMAINS)
    return _pick(r, "email", (
        (8, "plain", f"{local}@{domain}"), (1, "upper", f"{local.capitalize()}@{domain}"),
        (1.1, "masked", f"{local[:3]}***@{domain}"),
    ))


def licence(r: random.Random) -> labelled.Written:
    region = r.randrange(11, 29)
    year = r.choice(("9", "0", "1", "2")) + digits(r, 1)
    serial, tail = digits(r, 6), digits(r, 2)
    return _pick(r, "driver_license", (
        (6, "hyphen", f"{region}-{year}-{serial}-{tail}"), (2, "plain", f"{region}{year}{serial}{tail}"),
        (2, "region_name", f"{r.choice(LICENCE_REGIONS)} {year}-{serial}-{tail}"),
        (1.2, "masked", f"{region}-{year}-{serial[:2]}****-{tail}"),
    ))


def passport(r: random.Random) -> labelled.Written:
    return _pick(r, "passport", (
        (4, "old", f"M{digits(r, 8)}"), (4, "new", f"M{digits(r, 3)}{r.choice('ABCDEFGHJK')}{digits(r, 4)}"),
        (1, "other_letter", f"{r.choice('SR')}{digits(r, 8)}"), (1, "masked", f"M{digits(r, 4)}****"),
    ))


MONTHS_EN = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")


def birth(r: random.Random, child: bool = False) -> labelled.Written:
    y, m, d = corpus.random_date(r, 2012, 2023) if child else corpus.random_date(r, 1940, 2007)
    return _pick(r, "birth_date", (
        (5, "iso", f"{y}-{m:02d}-{d:02d}"), (4, "dot", f"{y}.{m:02d}.{d:02d}"),
        (2, "dot_spaced", f"{y}. {m}. {d}."), (4, "korean", f"{y}년 {m}월 {d}일"),
        (2, "yymmdd", _yymmdd(y, m, d)), (1.5, "compact", f"{y}{m:02d}{d:02d}"),
        (1, "short_dot", f"{y % 100:02d}.{m:02d}.{d:02d}"), (1, "english", f"{MONTHS_EN[m - 1]} {d}, {y}"),
        (1, "slash", f"{y}/{m:02d}/{d:02d}"), (1, "masked", f"{y}.**.**"),
    ))


def _pick(r: random.Random, kind: str, options) -> labelled.Written:
    weights = [o[0] for o in options]
    _, writing, text = r.choices(options, weights)[0]
    return _w(kind, text, writing, writing.startswith("masked"))


# --------------------------------------------------------------------------- negatives


def _date_after(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2025, 2027)
    return r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}", f"{y}년 {m}월 {d}일", f"{m}/{d}",
                     f"{y}. {m}. {d}."))


def _luhn_number(r: random.Random, head: str, total: int) -> str:
    body = [int(c) for c in head + digits(r, total - 1 - len(head))]
    return "".join(map(str, body)) + str(corpus.luhn_check(body))


def _ean(r: random.Random) -> str:
    body = [int(c) for c in "880" + digits(r, 9)]
    return "".join(map(str, body)) + str(corpus.isbn_check(body))


def _isbn(r: random.Random) -> str:
    body = [int(c) for c in "97911" + digits(r, 7)]
    s = "".join(map(str, body)) + str(corpus.isbn_check(body))
    return f"{s[:3]}-{s[3:5]}-{s[5:9]}-{s[9:12]}-{s[12]}"


def _company_account(r: random.Random) -> str:
    bank = r.choice(tuple(BANK_FORMATS))
    return "-".join(digits(r, g) for g in BANK_FORMATS[bank])


def _main_phone(r: random.Random) -> str:
    area = r.choice(("02", "031", "032", "033", "041", "043", "051", "055", "063", "064"))
    mid = str(r.randrange(2, 10)) + digits(r, 2 if area != "02" else 3)
    return f"{area}-{mid}-{r.choice(('0000', '1000', '2000', '1234', '7000', '8282', '5114'))}"


@dataclass(frozen=True)
class NegativeKind:
    labels: tuple       # Korean labels people put before it
    key: str            # English key in logs, JSON and bilingual forms
    make: object        # random.Random -> text


NEGATIVES = {
    "office_main_phone": NegativeKind(("대표번호", "대표전화", "사무실 전화", "관리사무소", "매장 전화", "센터 전화"), "office_tel",
                                      _main_phone),
    "call_center": NegativeKind(("고객센터", "상담센터", "콜센터", "ARS"), "cs_center",
                                lambda r: f"{r.choice(('1588', '1577', '1644', '1600', '1899', '1670', '1522'))}-{digits(r, 4)}"),
    "fax": NegativeKind(("팩스", "FAX", "팩스번호"), "fax", _main_phone),
    "extension": NegativeKind(("내선", "내선번호", "교환"), "ext", lambda r: digits(r, r.choice((3, 4)))),
    "company_account": NegativeKind(("입금계좌(법인)", "업체 계좌", "사업자 계좌", "회비 계좌(동호회)", "후원 계좌(재단)", "교회 계좌"),
                                    "company_account", _company_account),
    "virtual_account": NegativeKind(("가상계좌", "입금 전용 가상계좌", "납부 가상계좌"), "virtual_account",
                                    lambda r: r.choice(("5621", "2730", "0160", "7979")) + digits(r, 10)),
    "shared_mailbox": NegativeKind(("문의 메일", "대표 메일", "고객지원 메일"), "support_email",
                                   lambda r: f"{r.choice(SHARED_MAILBOXES)}@{r.choice(ORG_DOMAINS)}"),
    "order_number": NegativeKind(("주문번호", "주문 번호", "구매번호"), "order_id",
                                 lambda r: r.choice((f"2026{digits(r, 4)}{digits(r, 6)}", f"ORD-{digits(r, 8)}", f"{digits(r, 16)}"))),
    "tracking_number": NegativeKind(("운송장번호", "송장번호", "택배 송장"), "tracking_no",
                                    lambda r: r.choice((digits(r, 12), f"{digits(r, 4)}-{digits(r, 4)}-{digits(r, 4)}", digits(r, 13)))),
    "invoice_number": NegativeKind(("청구서 번호", "인보이스 번호", "세금계산서 번호"), "invoice_no",
                                   lambda r: f"{r.choice(('INV', 'BILL', '2026'))}-{digits(r, 4)}-{digits(r, 5)}"),
    "reception_number": NegativeKind(("접수번호", "접수 번호", "신청번호", "AS 접수번호"), "ticket_no",
                                     lambda r: r.choice((f"{digits(r, 4)}-{digits(r, 6)}", f"A{digits(r, 9)}", f"2026-{digits(r, 5)}"))),
    "booking_number": NegativeKind(("예약번호", "예매번호", "예약 코드"), "booking_no",
                                   lambda r: r.choice((f"{digits(r, 10)}", f"T{digits(r, 4)}-{digits(r, 4)}-{digits(r, 4)}", f"R{digits(r, 8)}"))),
    "member_number": NegativeKind(("회원번호", "회원 번호", "카드 번호(회원증)", "이용자 번호"), "member_no",
                                  lambda r: r.choice((f"{digits(r, 4)}-{digits(r, 4)}-{digits(r, 4)}", digits(r, 12), f"M-{digits(r, 7)}"))),
    "model_number": NegativeKind(("모델명", "모델", "제품 모델"), "model",
                                 lambda r: r.choice((f"RQ{digits(r, 2)}A{digits(r, 4)}AP", f"SM-S{digits(r, 3)}N", f"LZ-{digits(r, 4)}KWA",
                                                     f"K{digits(r, 3)}-{digits(r, 2)}W", f"CHP-{digits(r, 4)}L"))),
    "serial_number": NegativeKind(("제조번호", "S/N", "시리얼 번호", "일련번호"), "serial",
                                  lambda r: r.choice((f"{digits(r, 2)}{r.choice('ABCKX')}{digits(r, 9)}", f"SN{digits(r, 12)}",
                                                      f"{digits(r, 4)}-{digits(r, 4)}-{digits(r, 4)}-{digits(r, 4)}"))),
    "imei": NegativeKind(("IMEI", "단말기 IMEI", "IMEI 번호"), "imei", lambda r: _luhn_number(r, "35" + digits(r, 6), 15)),
    "barcode": NegativeKind(("바코드", "상품 바코드", "EAN"), "barcode", _ean),
    "isbn": NegativeKind(("ISBN", "도서 ISBN"), "isbn", _isbn),
    "approval_number": NegativeKind(("승인번호", "카드 승인번호", "거래 승인"), "approval_no", lambda r: digits(r, 8)),
    "transaction_id": NegativeKind(("거래번호", "결제번호", "거래 ID"), "txn_id",
                                   lambda r: f"{r.choice(('T', 'PG', 'KCP'))}{digits(r, 14)}"),
    "gift_voucher_serial": NegativeKind(("상품권 번호", "상품권 일련번호", "온누리상품권 번호"), "voucher_no",
                                        lambda r: f"{digits(r, 4)}-{digits(r, 4)}-{digits(r, 4)}-{digits(r, 4)}"),
    "customs_code": NegativeKind(("개인통관고유부호", "통관부호", "통관고유부호"), "customs_code", lambda r: f"P{digits(r, 12)}"),
    "event_date": NegativeKind(("방문일", "예약일", "작업일", "접수일", "행사일", "반납일"), "date", _date_after),
    "past_date": NegativeKind(("가입일", "입사일", "개업일", "설치일", "최초 계약일", "등록일"), "since",
                              lambda r: "{0}.{1:02d}.{2:02d}".format(*corpus.random_date(r, 1986, 2024))),
    "microchip_number": NegativeKind(("동물등록번호", "마이크로칩 번호", "내장칩 번호"), "chip_no", lambda r: "410" + digits(r, 12)),
    "period": NegativeKind(("기간", "이용 기간", "유효기간", "일정"), "period",
                           lambda r: f"{_date_after(r)} ~ {r.randrange(1, 13)}/{r.randrange(1, 29)}"),
    "time_slot": NegativeKind(("시간", "이용 시간", "방문 시간", "타석 시간"), "time",
                              lambda r: f"{r.randrange(6, 21):02d}:{r.choice(('00', '30'))}~{r.randrange(7, 23):02d}:{r.choice(('00', '30'))}"),
    "amount": NegativeKind(("금액", "결제 금액", "합계", "총액", "이용료"), "amount",
                           lambda r: r.choice((f"{r.randrange(1, 990):,}{r.choice((',000', ',500', ',900'))}원", f"{r.randrange(10, 9999) * 100:,}원",
                                               f"₩{r.randrange(10, 999) * 1000:,}"))),
    "postcode": NegativeKind(("우편번호", "우)"), "zip", lambda r: f"{r.randrange(1, 64):02d}{digits(r, 3)}"),
    "unit_address": NegativeKind(("동호수", "세대", "호수"), "unit",
                                 lambda r: f"{r.randrange(101, 120)}동 {r.randrange(1, 30)}{r.randrange(1, 5):02d}호"),
    "locker_number": NegativeKind(("락카 번호", "사물함 번호", "보관함 번호", "키 번호"), "locker",
                                  lambda r: r.choice((f"{r.randrange(1, 400)}번", f"L-{r.randrange(1, 999):03d}", f"{r.choice('ABC')}-{r.randrange(1, 99):02d}"))),
    "seat_number": NegativeKind(("좌석", "좌석번호", "구역"), "seat",
                                lambda r: f"{r.choice('ABCDEF')}구역 {r.randrange(1, 30)}열 {r.randrange(1, 40)}번"),
    "lottery_number": NegativeKind(("추첨번호", "응모번호", "당첨 번호"), "draw_no", lambda r: f"{r.randrange(1, 9999):04d}"),
    "verification_code": NegativeKind(("인증번호", "확인 코드", "출입 비밀번호"), "code", lambda r: digits(r, 6)),
    "coupon_code": NegativeKind(("쿠폰 코드", "할인 코드", "프로모션 코드"), "coupon",
                                lambda r: f"{r.choice(('WELCOME', 'SPRING', 'XMAS', 'KIM'))}{digits(r, 4)}"),
    "measurement": NegativeKind(("혈압", "측정 혈압", "혈압(수축/이완)"), "bp",
                                lambda r: f"{r.randrange(100, 170)}/{r.randrange(60, 100)}" + r.choice((" mmHg", "mmHg", ""))),
    "dimensions": NegativeKind(("실측", "치수", "가로x세로"), "size",
                               lambda r: f"{r.randrange(80, 400) * 10} x {r.randrange(80, 300) * 10}mm"),
    "weight": NegativeKind(("중량", "무게", "수량"), "weight",
                           lambda r: r.choice((f"{r.randrange(1, 80)}kg", f"{r.randrange(1, 40)}포", f"{r.randrange(1, 20)}박스"))),
    "room_number": NegativeKind(("호실", "객실", "강의실", "방 번호"), "room",
                                lambda r: f"{r.randrange(1, 9)}{r.randrange(1, 30):02d}호"),
    "court_number": NegativeKind(("코트", "배정 코트", "코트 번호"), "court", lambda r: f"{r.randrange(1, 12)}번 코트"),
    "lane_number": NegativeKind(("레인", "배정 레인", "레인 번호"), "lane", lambda r: f"{r.randrange(1, 8)}레인"),
    "booth_number": NegativeKind(("부스 번호", "배정 부스", "부스"), "booth",
                                 lambda r: f"{r.choice('ABCDE')}-{r.randrange(1, 60):02d}"),
    "spot_number": NegativeKind(("좌대 번호", "낚시 자리", "자리"), "spot",
                                lambda r: f"{r.choice('ABCD')}-{r.randrange(1, 40)}번 좌대"),
    "bus_route": NegativeKind(("노선", "마을버스", "버스 번호"), "route",
                              lambda r: r.choice((f"{r.randrange(1, 20)}-{r.randrange(1, 9)}번", f"{r.randrange(100, 9999)}번"))),
    "version": NegativeKind(("앱 버전", "펌웨어", "버전"), "version",
                            lambda r: f"{r.randrange(1, 9)}.{r.randrange(0, 30)}.{r.randrange(0, 99)}"),
    "ip_address": NegativeKind(("접속 IP", "IP"), "ip",
                               lambda r: f"{r.choice(('211', '121', '175', '59', '223'))}.{r.randrange(0, 255)}.{r.randrange(0, 255)}.{r.randrange(1, 255)}"),
    "contract_number": NegativeKind(("계약번호", "렌탈 계약번호", "약정번호"), "contract_no",
                                    lambda r: f"{r.choice(('C', 'RT', 'CT'))}{digits(r, 4)}-{digits(r, 6)}"),
    "lot_number": NegativeKind(("로트번호", "생산 LOT", "이력번호"), "lot",
                               lambda r: r.choice((f"L{digits(r, 8)}", f"{digits(r, 12)}", f"LOT-{digits(r, 6)}"))),
    "policy_number": NegativeKind(("증권번호", "보험 증권번호", "사고접수번호"), "policy_no",
                                  lambda r: f"{r.randrange(2020, 2027)}{digits(r, 2)}-{digits(r, 7)}"),
    "course_code": NegativeKind(("강좌 코드", "반 코드", "프로그램 번호"), "course",
                                lambda r: f"{r.choice(('SC', 'CD', 'SW', 'YH'))}-{r.randrange(2025, 2027)}-{digits(r, 3)}"),
    "meeting_id": NegativeKind(("회의 ID", "줌 회의 ID", "방 코드"), "meeting_id",
                               lambda r: f"{digits(r, 3)} {digits(r, 4)} {digits(r, 4)}"),
}

SHARED_MAILBOXES = ("help", "info", "cs", "support", "contact", "admin", "booking", "office")
ORG_DOMAINS = ("haneul-interior.co.kr", "greenrental.com", "seaside-fishing.kr", "mapo.go.kr",
               "fanbox.co.kr", "tuneup.kr", "cleanbed.co.kr", "aquaplanet.kr", "codingtree.io",
               "gu-sports.or.kr", "kyh.or.kr", "coopseed.kr", "fixphone.kr", "datalab.co.kr",
               "inkclub.kr", "homecare.kr", "petstar.kr")

# --------------------------------------------------------------------------- labels

LABELS = {  # Korean labels by kind, shared by every genre (a genre adds its own)
    "phone": ("연락처", "휴대폰", "핸드폰", "휴대전화", "H.P", "HP", "전화번호", "연락 가능 번호"),
    "email": ("이메일", "E-mail", "메일", "메일 주소", "전자우편"),
    "resident": ("주민등록번호", "주민번호", "주민 번호"),
    "foreigner_registration": ("외국인등록번호", "외국인 등록번호", "등록번호(외국인)"),
    "business_registration": ("사업자등록번호", "사업자번호", "사업자 등록번호", "사업자No"),
    "credit_card": ("카드번호", "결제 카드", "신용카드 번호", "카드 번호"),
    "bank_account": ("계좌번호", "환불 계좌", "입금 계좌", "본인 계좌", "계좌"),
    "driver_license": ("운전면허번호", "면허번호", "운전면허 번호"),
    "birth_date": ("생년월일", "생일", "출생일", "생년월일(8자리)"),
    "passport": ("여권번호", "여권 번호", "여권No"),
}
KEYS = {  # English keys in logs, JSON and bilingual forms
    "phone": ("phone", "mobile", "tel", "contact", "hp"),
    "email": ("email", "mail", "e_mail"),
    "resident": ("rrn", "resident_no", "jumin"),
    "foreigner_registration": ("arc_no", "alien_reg_no", "foreigner_id"),
    "business_registration": ("biz_no", "brn", "business_no"),
    "credit_card": ("card_no", "card_number", "pan"),
    "bank_account": ("account", "account_no", "refund_account"),
    "driver_license": ("license_no", "dl_no", "driver_license"),
    "birth_date": ("birth", "dob", "birthdate"),
    "passport": ("passport_no", "passport"),
}
EN_LABELS = {
    "phone": "Mobile", "email": "E-mail", "resident": "Resident No.", "foreigner_registration": "ARC No.",
    "business_registration": "Business Reg. No.", "credit_card": "Card No.", "bank_account": "Account No.",
    "driver_license": "Driver's Licence", "birth_date": "Date of Birth", "passport": "Passport No.",
}
EN_NEG_LABELS = {"office_main_phone": "Office", "call_center": "Help desk", "fax": "Fax", "order_number": "Order No.",
                 "booking_number": "Booking No.", "amount": "Amount", "event_date": "Date", "postcode": "Zip"}

# Sentences that carry a value in chats, texts, notes and e-mails: {v} the value.
INLINE = {
    "phone": ("제 번호는 {v}이에요", "{v}로 연락 주세요", "연락은 {v} 이쪽으로 부탁드립니다", "전화 주실 때 {v}로 주시면 돼요",
              "휴대폰 {v} 입니다", "번호 남길게요 {v}", "혹시 안 받으면 {v}로 문자 주세요"),
    "email": ("메일은 {v}로 보내 주세요", "이메일 {v} 로 회신 부탁드려요", "자료는 {v} 여기로 주시면 됩니다"),
    "resident": ("주민번호는 {v} 입니다", "주민등록번호 {v} 적어 드려요", "신청서에 주민번호 {v} 넣었어요"),
    "foreigner_registration": ("외국인등록번호 {v} 입니다", "제 외국인 등록번호는 {v}예요", "ARC 번호 {v} 알려드려요"),
    "business_registration": ("사업자번호 {v}로 발행해 주세요", "사업자등록번호는 {v} 입니다", "세금계산서는 사업자 {v} 앞으로요"),
    "credit_card": ("카드번호 {v}로 결제해 주세요", "결제 카드는 {v} 이에요", "제 카드 {v} 로 승인 부탁드려요"),
    "bank_account": ("환불은 {bank} {v}로 부탁드려요", "{bank} {v} 예금주 {name}입니다", "계좌 {bank} {v} 로 보내 주세요"),
    "driver_license": ("면허번호 {v} 입니다", "운전면허번호는 {v}이에요", "면허증 번호 {v} 확인 부탁드려요"),
    "birth_date": ("생년월일은 {v}입니다", "생일이 {v}이에요", "출생일 {v}로 등록해 주세요"),
    "passport": ("여권번호 {v} 입니다", "여권 번호는 {v}예요", "여권 {v}로 예약했어요"),
}
INLINE_NEG = ("{label} {n} 확인 부탁드립니다", "{label}{topic} {n}입니다", "{label}: {n}", "({label} {n})",
              "{label} {n} 건으로 접수됐어요", "참고로 {label} {n}")


# --------------------------------------------------------------------------- genres


@dataclass(frozen=True)
class Genre:
    name: str
    titles: tuple       # headings of its forms and subjects of its e-mails
    org: tuple          # organisations that write it
    kinds: dict         # kind -> weight of appearing in a document
    labels: dict        # kind -> its own labels, before the shared ones
    negatives: tuple    # negative categories it may carry
    styles: tuple       # forms it is written in
    lines: tuple        # sentences of its own, without numbers
    child: bool = False  # its people include children (post-2020 resident numbers, young birth dates)


G = Genre
GENRES = (
    G("interior_consent", ("인테리어 공사 동의서", "공사 안내 및 이웃 동의 요청"), ("하늘인테리어", "소담공간 디자인", "리빙하우스 시공"),
      {"phone": 1, "business_registration": 0.9, "birth_date": 0.3, "email": 0.3},
      {"phone": ("세대주 연락처", "동의인 연락처", "현장소장 휴대폰"), "business_registration": ("시공사 사업자번호",)},
      ("unit_address", "period", "office_main_phone", "company_account", "event_date"),
      ("form", "ocr", "prose", "table"),
      ("소음이 큰 철거 작업은 평일 오전 9시부터 오후 5시까지만 진행합니다.", "엘리베이터 보양 작업 후 사용하겠습니다.",
       "공사 기간 중 불편을 드려 죄송합니다.", "동의하시는 세대는 서명 부탁드립니다.")),
    G("rental_return", ("렌탈 반납 신청서", "정수기·비데 렌탈 반납 접수"), ("그린렌탈", "코웨이홈케어 대리점", "클린렌탈"),
      {"phone": 1, "bank_account": 0.8, "birth_date": 0.5, "credit_card": 0.4},
      {"bank_account": ("위약금 환급 계좌", "환불 계좌"), "credit_card": ("자동이체 카드",)},
      ("contract_number", "model_number", "serial_number", "call_center", "amount", "event_date", "past_date"),
      ("form", "chat", "kv", "email"),
      ("반납 시 필터는 제거하지 않고 그대로 두세요.", "회수 기사님이 방문 전 연락드립니다.", "약정 기간 내 해지 시 위약금이 발생합니다.")),
    G("local_currency", ("지역화폐 카드 등록", "○○사랑상품권 카드 신청"), ("구청 경제과", "지역화폐 운영센터"),
      {"phone": 1, "credit_card": 0.9, "birth_date": 0.7, "bank_account": 0.3},
      {"credit_card": ("지역화폐 카드번호", "체크카드 번호"), "birth_date": ("생년월일(6자리)",)},
      ("call_center", "amount", "verification_code", "version", "event_date"),
      ("form", "sms", "kv", "json"),
      ("충전 한도는 월 50만 원입니다.", "인센티브는 충전 다음 날 지급됩니다.", "분실 신고 후 재발급은 7일 걸립니다.")),
    G("fishing_booking", ("낚시터 예약 확인", "좌대 예약 명단"), ("바다향 낚시공원", "청평 좌대낚시터", "서해 선상낚시"),
      {"phone": 1, "birth_date": 0.5, "bank_account": 0.4, "resident": 0.3},
      {"phone": ("예약자 번호", "대표자 연락처"), "resident": ("승선자 주민번호",), "birth_date": ("승선자 생년월일",)},
      ("booking_number", "spot_number", "amount", "event_date", "company_account", "office_main_phone"),
      ("chat", "table", "form", "sms"),
      ("기상 악화 시 출조가 취소될 수 있습니다.", "구명조끼는 현장에서 지급합니다.", "미끼는 별도 구매입니다.")),
    G("caddie_roster", ("캐디 배치표", "캐디 근무 명단"), ("솔밭 컨트리클럽", "해오름 골프장"),
      {"phone": 1, "bank_account": 0.7, "resident": 0.3, "birth_date": 0.3},
      {"phone": ("캐디 연락처",), "bank_account": ("캐디피 입금 계좌",)},
      ("time_slot", "locker_number", "amount", "event_date", "extension"),
      ("table", "form", "kv", "jotted"),
      ("우천 시 배치가 바뀔 수 있습니다.", "1부 티오프 30분 전 집합.")),
    G("ticket_transfer", ("콘서트 티켓 양도", "티켓 양도 채팅"), ("티켓양도 카페", "중고거래 채팅"),
      {"phone": 1, "bank_account": 0.9, "birth_date": 0.4, "email": 0.3},
      {"bank_account": ("입금 계좌", "양도 대금 계좌"), "birth_date": ("예매자 생년월일",)},
      ("booking_number", "seat_number", "amount", "event_date", "call_center"),
      ("chat", "chat", "prose"),
      ("본인 확인 때문에 예매자 정보가 필요해요.", "입장할 때 신분증 검사한다고 해서요.", "사기 거래 조심하세요.")),
    G("fanmeeting_winner", ("팬미팅 응모 당첨자 안내", "팬사인회 당첨자 명단"), ("엔터테인먼트 팬클럽 운영팀", "음반 매장 이벤트팀"),
      {"phone": 1, "birth_date": 0.8, "email": 0.5, "passport": 0.3},
      {"passport": ("해외 팬 여권번호",), "birth_date": ("생년월일(신분 확인용)",)},
      ("lottery_number", "order_number", "seat_number", "shared_mailbox", "event_date"),
      ("table", "email", "sms", "bilingual"),
      ("당첨자는 신분증을 지참해 주세요.", "대리 수령은 불가합니다.", "응모 1건당 추첨 기회 1회입니다.")),
    G("piano_tuning", ("피아노 조율 방문 예약", "조율 접수 메모"), ("소리결 조율", "하모니 피아노"),
      {"phone": 1, "business_registration": 0.5, "email": 0.3, "bank_account": 0.4},
      {"phone": ("고객 연락처",), "business_registration": ("조율사 사업자번호",)},
      ("model_number", "serial_number", "amount", "event_date", "time_slot"),
      ("prose", "form", "chat"),
      ("습도가 높으면 음정이 쉽게 틀어집니다.", "조율 후 일주일은 피아노 위치를 옮기지 마세요.")),
    G("curtain_measure", ("커튼·블라인드 실측 방문", "실측 예약 확인서"), ("모던블라인드", "커튼하우스"),
      {"phone": 1, "email": 0.4, "credit_card": 0.4, "business_registration": 0.3},
      {"credit_card": ("계약금 결제 카드",)},
      ("dimensions", "unit_address", "amount", "event_date", "office_main_phone"),
      ("form", "chat", "sms"),
      ("실측 후 제작까지 약 10일이 걸립니다.", "암막 원단은 샘플 확인 후 결정해 주세요.")),
    G("mattress_cleaning", ("매트리스 케어 예약", "침구 청소 서비스 접수"), ("클린베드", "홈케어 매트리스"),
      {"phone": 1, "credit_card": 0.5, "bank_account": 0.3, "email": 0.3},
      {"credit_card": ("결제 카드번호",)},
      ("booking_number", "amount", "event_date", "call_center", "coupon_code"),
      ("kv", "form", "chat", "email"),
      ("진드기 제거와 UV 살균이 포함됩니다.", "건조 시간은 약 2시간입니다.")),
    G("aquarium_pass", ("아쿠아리움 연간회원 가입", "연간회원권 신청서"), ("아쿠아플라넷", "해양생물관"),
      {"phone": 1, "birth_date": 0.8, "email": 0.6, "credit_card": 0.3},
      {"birth_date": ("회원 생년월일",)},
      ("member_number", "amount", "period", "shared_mailbox", "barcode"),
      ("form", "bilingual", "json", "fullwidth"),
      ("회원증은 본인만 사용할 수 있습니다.", "동반 1인 30% 할인이 적용됩니다.")),
    G("zoo_pass", ("동물원 연간이용권", "가족 연간권 등록"), ("시립 동물원", "어린이대공원 동물원"),
      {"phone": 1, "birth_date": 1, "resident": 0.3},
      {"birth_date": ("자녀 생년월일", "보호자 생년월일")},
      ("member_number", "amount", "period", "office_main_phone", "postcode"),
      ("form", "table", "ocr"),
      ("만 3세 미만은 무료입니다.", "연간권 사진은 현장에서 촬영합니다."), child=True),
    G("science_camp", ("과학캠프 참가자 명단", "겨울 과학캠프 신청"), ("청소년과학관", "창의융합 캠프"),
      {"phone": 1, "resident": 0.6, "birth_date": 0.8, "email": 0.3},
      {"phone": ("보호자 연락처", "비상 연락처"), "resident": ("참가 학생 주민번호",), "birth_date": ("학생 생년월일",)},
      ("course_code", "room_number", "amount", "event_date", "company_account"),
      ("table", "form", "email", "fullwidth"),
      ("여행자 보험 가입을 위해 주민등록번호가 필요합니다.", "개인 상비약을 챙겨 주세요."), child=True),
    G("coding_trial", ("코딩학원 체험 수업 신청", "무료 체험 수업 접수"), ("코딩트리 아카데미", "소프트웨어 놀이터"),
      {"phone": 1, "email": 0.7, "birth_date": 0.6},
      {"phone": ("학부모 연락처",), "email": ("학부모 이메일",)},
      ("course_code", "meeting_id", "event_date", "shared_mailbox", "time_slot"),
      ("json", "kv", "email", "form"),
      ("노트북은 학원에서 제공합니다.", "체험 후 상담이 이어집니다."), child=True),
    G("driving_range_locker", ("골프연습장 락카 신청", "타석 정기권 등록"), ("스카이 골프연습장", "그린뷰 드라이빙레인지"),
      {"phone": 1, "credit_card": 0.6, "birth_date": 0.4, "driver_license": 0.4},
      {"driver_license": ("주차 등록용 면허번호",)},
      ("locker_number", "time_slot", "amount", "period", "member_number"),
      ("form", "table", "kv"),
      ("락카 키 분실 시 1만 원이 부과됩니다.", "정기권은 양도할 수 없습니다.")),
    G("tennis_lottery", ("테니스장 추첨 결과", "코트 배정 추첨 명단"), ("구민 테니스장", "시립 테니스코트"),
      {"phone": 1, "birth_date": 0.5, "email": 0.3},
      {"phone": ("대표자 휴대폰",)},
      ("lottery_number", "court_number", "time_slot", "event_date", "virtual_account"),
      ("table", "sms", "kv"),
      ("당첨 후 24시간 안에 결제하지 않으면 취소됩니다.", "노쇼 2회 시 다음 달 추첨에서 제외됩니다.")),
    G("sports_hall_rental", ("구민체육센터 대관 신청서", "체육관 대관 허가"), ("구민체육센터", "다목적체육관"),
      {"phone": 1, "business_registration": 0.5, "email": 0.5, "resident": 0.3, "birth_date": 0.3},
      {"phone": ("신청 대표자 연락처",), "business_registration": ("단체 사업자번호(있는 경우)",)},
      ("reception_number", "room_number", "amount", "event_date", "office_main_phone", "fax", "virtual_account"),
      ("form", "ocr", "email", "fullwidth"),
      ("대관료는 사용일 3일 전까지 납부해 주세요.", "실내화를 반드시 착용하십시오.")),
    G("pool_lane", ("수영장 레인 예약", "자유수영 레인 배정"), ("시민수영장", "스포츠센터 수영장"),
      {"phone": 1, "birth_date": 0.6, "resident": 0.2},
      {"birth_date": ("회원 생년월일",)},
      ("lane_number", "time_slot", "member_number", "amount", "event_date"),
      ("table", "sms", "chat"),
      ("수모 착용은 필수입니다.", "강습 레인은 이용할 수 없습니다."), child=True),
    G("youth_hostel_group", ("유스호스텔 단체 숙박 명단", "단체 투숙객 명부"), ("국립 유스호스텔", "바닷가 유스호스텔"),
      {"phone": 1, "birth_date": 0.8, "passport": 0.5, "foreigner_registration": 0.5},
      {"phone": ("인솔자 연락처",)},
      ("room_number", "booking_number", "amount", "event_date", "office_main_phone"),
      ("table", "bilingual", "form"),
      ("체크인은 오후 3시부터입니다.", "외국인 투숙객은 여권 사본을 제출합니다.")),
    G("village_bus_complaint", ("마을버스 노선 민원", "버스 불친절 민원 접수"), ("구청 교통행정과", "시 버스정책과"),
      {"phone": 1, "email": 0.6, "birth_date": 0.2},
      {"phone": ("민원인 연락처", "회신 받을 번호")},
      ("bus_route", "reception_number", "event_date", "call_center", "office_main_phone"),
      ("prose", "form", "email"),
      ("배차 간격이 너무 길어 출근길이 힘듭니다.", "답변은 문자로 받고 싶습니다.")),
    G("park_senior_job", ("공원 노인일자리 출근부", "어르신 공원 환경정비 출석"), ("시니어클럽", "노인복지관 일자리팀"),
      {"phone": 1, "resident": 0.7, "bank_account": 0.8, "birth_date": 0.4},
      {"bank_account": ("활동비 입금 계좌",), "resident": ("주민번호",)},
      ("time_slot", "event_date", "amount", "office_main_phone", "extension"),
      ("table", "ocr", "form", "jotted"),
      ("혹서기에는 오전에만 활동합니다.", "결근 시 반장에게 미리 알려 주세요.")),
    G("apartment_gym_card", ("아파트 헬스장 카드키 발급", "커뮤니티센터 출입카드 신청"), ("관리사무소", "커뮤니티센터 운영실"),
      {"phone": 1, "birth_date": 0.5, "credit_card": 0.3},
      {"phone": ("입주민 연락처",)},
      ("unit_address", "member_number", "serial_number", "amount", "office_main_phone", "extension", "past_date"),
      ("form", "kv", "sms"),
      ("카드 재발급 비용은 관리비에 부과됩니다.", "미성년자는 보호자 동반 시 이용 가능합니다.")),
    G("kimjang_volunteer", ("김장 나눔 봉사자 명단", "사랑의 김장 자원봉사 신청"), ("주민센터 복지팀", "새마을부녀회"),
      {"phone": 1, "birth_date": 0.6, "resident": 0.3},
      {"phone": ("봉사자 연락처",), "resident": ("봉사시간 인증용 주민번호",)},
      ("weight", "event_date", "company_account", "office_main_phone"),
      ("table", "chat", "form", "jotted"),
      ("앞치마와 고무장갑은 개인 준비입니다.", "절임배추 200포기를 준비했습니다.")),
    G("bp_screening", ("혈압·혈당 측정 기록", "경로당 건강측정 기록지"), ("보건소 방문건강팀", "주민센터 건강관리실"),
      {"phone": 1, "birth_date": 0.9, "resident": 0.4},
      {"phone": ("보호자 연락처",)},
      ("measurement", "event_date", "office_main_phone", "extension"),
      ("table", "ocr", "prose"),
      ("수치가 높으면 보건소 상담을 권합니다.", "측정 전 5분간 안정을 취했습니다.")),
    G("voucher_refund", ("온누리상품권 환불 신청", "전통시장 상품권 환전 요청"), ("상인회 사무국", "시장 고객지원센터"),
      {"phone": 1, "bank_account": 1, "business_registration": 0.6},
      {"bank_account": ("환불 받을 계좌",), "business_registration": ("가맹점 사업자번호",)},
      ("gift_voucher_serial", "amount", "event_date", "call_center", "company_account"),
      ("form", "chat", "prose"),
      ("액면가의 60% 이상 사용 시 잔액 환불이 가능합니다.", "훼손된 상품권은 환불되지 않습니다.")),
    G("uniform_exchange", ("교복 물려주기 신청", "교복 나눔 교환 명단"), ("학부모회", "중학교 교복은행"),
      {"phone": 1, "email": 0.3, "bank_account": 0.3},
      {"phone": ("학부모 연락처",)},
      ("dimensions", "event_date", "reception_number", "office_main_phone"),
      ("table", "chat", "form"),
      ("세탁 후 가져와 주세요.", "동복 재킷 95 사이즈가 부족합니다.")),
    G("reading_club", ("독서모임 회원 명단", "북클럽 회비 안내"), ("동네 책방 북클럽", "도서관 독서동아리"),
      {"phone": 1, "email": 0.7, "birth_date": 0.3},
      {"email": ("발제문 받을 메일",)},
      ("isbn", "company_account", "amount", "event_date", "meeting_id", "past_date"),
      ("table", "email", "chat", "bilingual", "jotted"),
      ("이번 달 책은 미리 읽고 오세요.", "발제는 돌아가면서 맡습니다.")),
    G("bereavement_leave", ("경조휴가 신청서", "조의 휴가 신청"), ("인사팀", "총무팀"),
      {"phone": 1, "bank_account": 0.5, "email": 0.6, "resident": 0.2},
      {"phone": ("비상 연락처",), "bank_account": ("경조금 입금 계좌",), "email": ("회사 메일",)},
      ("period", "extension", "event_date", "amount", "office_main_phone", "past_date"),
      ("form", "email", "kv"),
      ("부고 문자를 첨부합니다.", "업무 인수인계는 팀장님께 드렸습니다.")),
    G("citizen_panel", ("시민참여단 모집 결과", "숙의토론 시민패널 명단"), ("시청 소통담당관", "공론화위원회"),
      {"phone": 1, "birth_date": 0.8, "bank_account": 0.6, "email": 0.4},
      {"bank_account": ("참가 수당 계좌",)},
      ("reception_number", "amount", "event_date", "office_main_phone", "fax"),
      ("table", "email", "form", "fullwidth"),
      ("참석 수당은 행사 후 2주 안에 지급됩니다.", "성별·연령을 고려해 무작위로 선정했습니다.")),
    G("festival_booth_lottery", ("축제 부스 추첨 결과", "먹거리 부스 참가 신청"), ("구 축제추진위원회", "문화재단 축제팀"),
      {"phone": 1, "business_registration": 1, "bank_account": 0.4},
      {"business_registration": ("참가 업체 사업자번호",), "bank_account": ("보증금 반환 계좌",)},
      ("lottery_number", "booth_number", "amount", "virtual_account", "event_date"),
      ("table", "form", "sms"),
      ("전기 사용은 부스당 3kW까지입니다.", "보증금은 축제 종료 후 돌려드립니다.")),
    G("seed_order", ("영농조합 종자 주문", "씨앗·모종 공동구매 신청"), ("영농조합법인", "지역 농협 영농지원"),
      {"phone": 1, "bank_account": 0.5, "business_registration": 0.5, "resident": 0.3},
      {"phone": ("농가 연락처",), "business_registration": ("농업경영체 사업자번호",)},
      ("weight", "lot_number", "amount", "company_account", "event_date"),
      ("form", "table", "kv", "jotted"),
      ("모종은 4월 둘째 주에 나눠 드립니다.", "고추 모종 72구 트레이 기준입니다.")),
    G("rice_mill_delivery", ("정미소 배달 장부", "쌀 도정 배달 주문"), ("햇살정미소", "들녘 방앗간"),
      {"phone": 1, "bank_account": 0.6, "business_registration": 0.3},
      {"phone": ("주문자 번호",)},
      ("weight", "amount", "postcode", "company_account", "event_date"),
      ("prose", "table", "chat", "ocr", "jotted"),
      ("햅쌀은 11월부터 나갑니다.", "현미는 따로 말씀해 주세요.")),
    G("kimchi_fridge_repair", ("김치냉장고 수리 접수", "출장 AS 방문 확인"), ("가전 서비스센터", "딤채 AS 대리점"),
      {"phone": 1, "credit_card": 0.4, "email": 0.3},
      {"phone": ("방문지 연락처",)},
      ("model_number", "serial_number", "reception_number", "amount", "call_center", "event_date"),
      ("kv", "sms", "chat", "form"),
      ("냉매 누설로 보입니다.", "부품 입고 후 다시 방문드리겠습니다.")),
    G("phone_screen_repair", ("휴대폰 액정 수리 접수증", "사설 수리점 접수 메모"), ("픽스폰 수리센터", "스마트폰 닥터"),
      {"phone": 1, "credit_card": 0.4, "birth_date": 0.3, "business_registration": 0.3},
      {"phone": ("연락 받을 번호(다른 번호)",)},
      ("imei", "model_number", "amount", "reception_number", "office_main_phone"),
      ("form", "kv", "chat"),
      ("데이터 손실은 책임지지 않습니다.", "수리 후 방수 기능은 보장되지 않습니다.")),
    G("data_recovery", ("데이터 복구 의뢰서", "노트북 데이터 복구 접수"), ("데이터랩", "하드복구센터"),
      {"phone": 1, "email": 0.8, "business_registration": 0.5, "bank_account": 0.3},
      {"email": ("복구 결과 받을 메일",)},
      ("serial_number", "model_number", "reception_number", "amount", "shared_mailbox", "ip_address"),
      ("email", "json", "form"),
      ("물리 손상은 클린룸 작업이 필요합니다.", "복구 목록 확인 후 비용을 결정합니다.")),
    G("ink_subscription", ("프린터 잉크 정기배송 신청", "잉크 구독 결제 정보"), ("잉크클럽", "오피스몰 정기구독"),
      {"phone": 1, "credit_card": 1, "email": 0.5, "business_registration": 0.4},
      {"credit_card": ("정기결제 카드",)},
      ("model_number", "order_number", "amount", "coupon_code", "shared_mailbox", "past_date"),
      ("json", "kv", "email", "form"),
      ("매월 5일에 자동 결제됩니다.", "배송 주기는 언제든 바꿀 수 있습니다.")),
    G("furniture_assembly", ("가구 조립 방문 예약", "조립 기사 배정 안내"), ("가구조립 매칭앱", "홈퍼니처 설치팀"),
      {"phone": 1, "bank_account": 0.3, "business_registration": 0.3},
      {"phone": ("기사님 번호", "고객 번호")},
      ("order_number", "unit_address", "time_slot", "amount", "call_center"),
      ("sms", "chat", "kv"),
      ("벽 고정은 별도 비용이 있습니다.", "포장재는 수거해 갑니다.")),
    G("parcel_damage", ("택배 파손 보상 청구", "배송 파손 신고서"), ("택배사 고객지원", "편의점 택배 접수처"),
      {"phone": 1, "bank_account": 0.9, "email": 0.3},
      {"bank_account": ("보상금 받을 계좌",)},
      ("tracking_number", "amount", "reception_number", "call_center", "event_date"),
      ("form", "chat", "email", "prose"),
      ("파손 사진과 상자 사진을 첨부합니다.", "내용물은 도자기 그릇입니다.")),
    G("direct_purchase_customs", ("해외직구 통관 정보", "배송대행 신청서"), ("배송대행지", "해외직구 카페"),
      {"phone": 1, "email": 0.5, "passport": 0.3, "credit_card": 0.3},
      {"phone": ("수취인 휴대폰",)},
      ("customs_code", "tracking_number", "order_number", "postcode", "amount"),
      ("form", "json", "chat", "bilingual"),
      ("수취인 이름과 통관부호 명의가 같아야 합니다.", "목록통관 한도는 150달러입니다.")),
    G("housekeeping_app", ("가사도우미 예약 내역", "청소 매칭 앱 예약"), ("홈케어 매칭", "생활도움 앱"),
      {"phone": 1, "credit_card": 0.6, "foreigner_registration": 0.4, "birth_date": 0.2},
      {"phone": ("도우미 안심번호", "고객 연락처"), "foreigner_registration": ("도우미 외국인등록번호",)},
      ("booking_number", "unit_address", "time_slot", "amount", "call_center", "verification_code"),
      ("json", "sms", "kv", "chat"),
      ("현관 비밀번호는 앱 메시지로만 전달해 주세요.", "세제는 고객님 댁 것을 사용합니다.")),
    G("babysitter_matching", ("베이비시터 매칭 확인서", "아이돌보미 매칭 정보"), ("시터 매칭 플랫폼", "아이돌봄센터"),
      {"phone": 1, "resident": 0.5, "birth_date": 0.8, "foreigner_registration": 0.3},
      {"birth_date": ("아이 생년월일",), "resident": ("시터 주민번호(범죄경력 조회용)",)},
      ("booking_number", "time_slot", "amount", "call_center", "event_date"),
      ("form", "chat", "json"),
      ("하원 후 간식은 준비해 두겠습니다.", "첫 만남은 부모님 계실 때 진행합니다."), child=True),
    G("postnatal_voucher", ("산모·신생아 건강관리 바우처 신청", "산후도우미 파견 확인"), ("보건소 모자보건팀", "산후관리 제공기관"),
      {"phone": 1, "resident": 1, "bank_account": 0.4, "birth_date": 0.3},
      {"resident": ("산모 주민번호", "신생아 주민번호"), "phone": ("산모 연락처",)},
      ("period", "amount", "office_main_phone", "reception_number", "virtual_account"),
      ("form", "ocr", "fullwidth", "prose"),
      ("본인부담금은 서비스 시작 전 납부합니다.", "쌍태아는 기간이 늘어납니다."), child=True),
    G("twins_club", ("다둥이 모임 회원 명단", "쌍둥이 부모 모임 단톡"), ("다둥이맘 카페", "쌍둥이 가족 모임"),
      {"phone": 1, "birth_date": 0.9, "bank_account": 0.3, "resident": 0.3},
      {"birth_date": ("아기 생일",), "resident": ("아기 주민번호",)},
      ("company_account", "amount", "event_date", "meeting_id"),
      ("chat", "table", "chat", "jotted"),
      ("이번 모임은 키즈카페에서 해요.", "유모차 두 대 들어가는 곳으로 잡았어요."), child=True),
    G("pet_funeral", ("반려동물 장례 접수", "반려동물 장례식장 예약"), ("무지개동산", "펫 메모리얼"),
      {"phone": 1, "credit_card": 0.4, "bank_account": 0.4, "birth_date": 0.2},
      {"phone": ("보호자 연락처",)},
      ("booking_number", "weight", "amount", "office_main_phone", "event_date", "microchip_number"),
      ("form", "chat", "sms", "prose"),
      ("추모실 이용 시간은 30분입니다.", "유골함은 선택하실 수 있습니다.")),
    G("moveout_inspection", ("퇴실 점검표", "원룸 퇴실 정산서"), ("부동산 중개사무소", "원룸 관리인"),
      {"phone": 1, "bank_account": 1, "business_registration": 0.3, "driver_license": 0.3},
      {"bank_account": ("보증금 반환 계좌",), "phone": ("임차인 연락처",)},
      ("unit_address", "amount", "event_date", "office_main_phone", "measurement"),
      ("form", "ocr", "chat", "prose"),
      ("도배 손상은 없었습니다.", "관리비 정산은 다음 주에 끝납니다.")),
    G("key_handover", ("열쇠 인수인계서", "현관 키·카드 인계 확인"), ("관리사무소", "상가 관리단"),
      {"phone": 1, "driver_license": 0.6, "business_registration": 0.4, "birth_date": 0.3},
      {"driver_license": ("신분 확인(면허번호)",)},
      ("unit_address", "serial_number", "verification_code", "office_main_phone", "event_date"),
      ("form", "table", "ocr"),
      ("키 3개와 카드키 2장을 인계했습니다.", "도어록 비밀번호는 변경했습니다.")),
    G("rental_car_short", ("카셰어링 면허 등록 오류 문의", "렌터카 단기 계약 메모"), ("카셰어링 고객센터", "렌터카 지점"),
      {"phone": 1, "driver_license": 1, "credit_card": 0.5, "birth_date": 0.6},
      {"driver_license": ("면허번호", "운전면허")},
      ("reception_number", "amount", "call_center", "event_date", "version"),
      ("chat", "kv", "form"),
      ("면허 갱신 후 다시 등록해 주셔야 합니다.", "만 21세 이상만 대여할 수 있습니다.")),
    G("foreign_worker_remit", ("외국인 근로자 급여 계좌 변경", "이주노동자 상담 기록"), ("이주노동자 지원센터", "외국인력 상담센터"),
      {"phone": 1, "foreigner_registration": 1, "passport": 0.7, "bank_account": 0.6},
      {"phone": ("본인 연락처",)},
      ("reception_number", "amount", "event_date", "office_main_phone", "extension"),
      ("bilingual", "form", "prose", "chat"),
      ("통역은 센터 상담원이 도왔습니다.", "사업장 변경 신청 중입니다.")),
    G("fortune_reading", ("사주 상담 예약", "신년 운세 상담 신청"), ("명리 상담소", "타로·사주 카페"),
      {"phone": 1, "birth_date": 1, "email": 0.3, "bank_account": 0.3},
      {"birth_date": ("생년월일시", "양력 생일", "음력 생일")},
      ("booking_number", "time_slot", "amount", "company_account", "event_date"),
      ("chat", "form", "sms", "jotted"),
      ("태어난 시간도 알려 주시면 더 정확합니다.", "궁합 상담은 두 분 정보가 모두 필요해요.")),
    G("baby_naming", ("작명 의뢰서", "아기 이름 짓기 신청"), ("한빛 작명원", "이름연구소"),
      {"phone": 1, "birth_date": 1, "resident": 0.3, "email": 0.4},
      {"birth_date": ("아기 생년월일", "출생일시"), "phone": ("아빠 연락처", "엄마 연락처")},
      ("amount", "company_account", "reception_number", "event_date"),
      ("form", "email", "chat"),
      ("돌림자는 '준'입니다.", "출생신고 기한 전에 받아야 합니다."), child=True),
    G("hanbok_rental", ("한복 대여 예약", "Hanbok Rental Reservation"), ("궁궐 한복대여점", "한복 스튜디오"),
      {"phone": 1, "passport": 0.8, "email": 0.6, "credit_card": 0.4, "foreigner_registration": 0.3},
      {"phone": ("Contact / 연락처",)},
      ("booking_number", "time_slot", "amount", "coupon_code", "office_main_phone"),
      ("bilingual", "kv", "form", "sms"),
      ("반납은 오후 7시까지입니다.", "신분증 또는 여권을 맡기셔야 합니다.")),
    G("tyre_change", ("타이어 교체 예약", "타이어 보관 서비스"), ("타이어 전문점", "카센터"),
      {"phone": 1, "driver_license": 0.4, "credit_card": 0.4, "business_registration": 0.3},
      {"phone": ("차주 연락처",)},
      ("model_number", "dimensions", "amount", "time_slot", "serial_number", "office_main_phone"),
      ("form", "sms", "kv", "jotted"),
      ("겨울용 타이어는 다음 시즌까지 보관합니다.", "휠 얼라인먼트는 별도입니다.")),
    G("dashcam_install", ("블랙박스 장착 접수", "블랙박스 출장 설치"), ("블랙박스 설치점", "카오디오 전문점"),
      {"phone": 1, "credit_card": 0.5, "email": 0.3, "driver_license": 0.3},
      {"phone": ("고객 휴대폰",)},
      ("model_number", "serial_number", "amount", "version", "call_center"),
      ("form", "chat", "kv"),
      ("상시 녹화는 배터리 방전 방지 설정을 해 두었습니다.", "메모리 카드는 3개월마다 포맷하세요.")),
    G("used_clothes_pickup", ("헌옷 방문수거 정산", "헌옷 수거 신청"), ("헌옷 수거 업체", "의류 재활용센터"),
      {"phone": 1, "bank_account": 1},
      {"bank_account": ("정산 받을 계좌",)},
      ("weight", "amount", "unit_address", "call_center", "event_date"),
      ("chat", "sms", "jotted", "table"),
      ("20kg 이상부터 방문 수거합니다.", "이불과 베개는 수거하지 않습니다.")),
    G("instrument_buyback", ("중고 악기 매입 신청", "악기 매입 견적"), ("뮤직 중고악기", "기타 매입센터"),
      {"phone": 1, "bank_account": 0.8, "resident": 0.4, "birth_date": 0.3},
      {"resident": ("매도인 주민번호(고물영업법)",)},
      ("serial_number", "model_number", "amount", "office_main_phone", "event_date"),
      ("form", "chat", "email"),
      ("하드케이스 포함 여부에 따라 가격이 달라집니다.", "넥 휨은 감가 요인입니다.")),
    G("side_dish_subscription", ("반찬 정기배송 신청", "반찬 구독 변경"), ("엄마손 반찬", "동네반찬가게"),
      {"phone": 1, "credit_card": 0.7, "email": 0.3, "bank_account": 0.3},
      {"phone": ("받는 분 연락처",)},
      ("order_number", "amount", "unit_address", "time_slot", "coupon_code", "shared_mailbox"),
      ("json", "sms", "chat", "form"),
      ("새벽 배송은 공동현관 비밀번호가 필요합니다.", "주 2회 화·금 배송입니다.")),
    G("window_screen", ("방충망 교체 견적", "방충망 시공 예약"), ("방충망 시공팀", "창호 수리"),
      {"phone": 1, "business_registration": 0.5, "bank_account": 0.3},
      {"business_registration": ("시공업체 사업자번호",)},
      ("dimensions", "amount", "unit_address", "event_date", "company_account"),
      ("chat", "jotted", "form"),
      ("미세방충망으로 바꾸면 바람이 조금 덜 들어옵니다.", "창틀 실측 후 견적이 바뀔 수 있어요.")),
    G("baduk_tournament", ("바둑 대회 참가 신청", "시민 바둑대회 대진표"), ("시 바둑협회", "기원 연합회"),
      {"phone": 1, "birth_date": 0.7, "bank_account": 0.4},
      {"bank_account": ("상금 받을 계좌",)},
      ("room_number", "amount", "event_date", "lottery_number", "company_account"),
      ("table", "form", "jotted"),
      ("급수별로 조를 나눕니다.", "초읽기는 30초 3회입니다.")),
    G("gateball_club", ("게이트볼 회원 명부", "게이트볼 동호회 회비"), ("게이트볼 협회 분회", "경로당 게이트볼팀"),
      {"phone": 1, "birth_date": 0.6, "resident": 0.3, "bank_account": 0.3},
      {"phone": ("집 전화/휴대폰",)},
      ("company_account", "amount", "event_date", "office_main_phone", "past_date"),
      ("table", "ocr", "jotted"),
      ("회비는 분기마다 냅니다.", "비 오는 날은 실내 구장에서 합니다.")),
    G("filming_location", ("촬영 장소 섭외 계약", "로케이션 사용 동의서"), ("영상 제작사", "광고 프로덕션"),
      {"phone": 1, "bank_account": 0.8, "resident": 0.5, "business_registration": 0.6, "email": 0.4},
      {"bank_account": ("장소 사용료 입금 계좌",), "phone": ("집주인 연락처", "제작부 담당 휴대폰")},
      ("amount", "period", "event_date", "office_main_phone", "shared_mailbox", "contract_number"),
      ("email", "form", "chat"),
      ("촬영 후 원상복구를 약속드립니다.", "차량 3대가 골목에 잠시 정차합니다.")),
    G("septic_cleaning", ("정화조 청소 신청", "정화조 청소 완료 확인"), ("환경위생 대행업체", "군청 환경과"),
      {"phone": 1, "business_registration": 0.4},
      {"phone": ("건물주 연락처",)},
      ("weight", "amount", "reception_number", "virtual_account", "office_main_phone", "postcode"),
      ("form", "sms", "ocr"),
      ("청소는 연 1회 의무입니다.", "차량 진입로를 비워 주세요.")),
    G("well_water_test", ("지하수 수질검사 신청", "먹는물 수질검사 의뢰"), ("보건환경연구원", "수질검사 기관"),
      {"phone": 1, "email": 0.4, "business_registration": 0.3},
      {"phone": ("의뢰인 연락처",)},
      ("reception_number", "amount", "lot_number", "postcode", "fax", "event_date"),
      ("form", "email", "fullwidth"),
      ("시료는 채수 후 24시간 안에 보내 주세요.", "검사 항목은 46개입니다.")),
    G("signboard_order", ("간판 제작 주문서", "간판·현수막 시안 확인"), ("간판 제작소", "광고 디자인"),
      {"phone": 1, "business_registration": 1, "email": 0.5},
      {"business_registration": ("상호 사업자번호",)},
      ("dimensions", "amount", "order_number", "company_account", "office_main_phone", "past_date"),
      ("email", "chat", "form"),
      ("LED 채널 간판은 구청 허가가 필요합니다.", "시안은 두 번까지 수정해 드립니다.")),
    G("return_farming", ("귀농귀촌 상담 신청", "귀농 정착 지원 상담 기록"), ("귀농귀촌지원센터", "농업기술센터"),
      {"phone": 1, "birth_date": 0.6, "email": 0.5, "resident": 0.3},
      {"phone": ("상담 신청자 연락처",)},
      ("reception_number", "event_date", "office_main_phone", "extension", "meeting_id"),
      ("form", "prose", "email"),
      ("빈집 정보는 읍사무소에 문의하세요.", "귀농 교육 100시간 이수가 필요합니다.")),
    G("video_consent", ("영상 출연 동의서", "유튜브 촬영 출연 및 초상권 동의"), ("유튜브 채널 제작팀", "브이로그 제작사"),
      {"phone": 1, "bank_account": 0.6, "resident": 0.4, "email": 0.5},
      {"bank_account": ("출연료 입금 계좌",), "resident": ("원천징수용 주민번호",)},
      ("amount", "event_date", "shared_mailbox", "contract_number"),
      ("form", "email", "chat"),
      ("얼굴 모자이크를 원하시면 말씀해 주세요.", "영상은 편집 후 공개 전에 보여 드립니다.")),
    G("recycling_points", ("재활용 포인트 적립 문의", "투명페트병 수거기 포인트 전환"), ("재활용 순환센터", "자원순환 앱 고객지원"),
      {"phone": 1, "bank_account": 0.7, "birth_date": 0.3},
      {"bank_account": ("포인트 전환 계좌",), "phone": ("가입 휴대폰",)},
      ("member_number", "amount", "call_center", "serial_number", "version"),
      ("chat", "kv", "sms"),
      ("포인트는 2,000점부터 전환할 수 있습니다.", "페트병은 라벨을 떼고 넣어 주세요.")),
    G("overseas_trip_roster", ("해외 연수 참가자 여권 명단", "단체 출국 명단"), ("구청 국제교류팀", "단체 여행사"),
      {"phone": 1, "passport": 1, "birth_date": 0.8, "email": 0.3},
      {"phone": ("비상 연락처",)},
      ("booking_number", "event_date", "seat_number", "office_main_phone", "amount"),
      ("table", "bilingual", "email", "fullwidth"),
      ("여권 유효기간은 6개월 이상 남아 있어야 합니다.", "출국 3시간 전 공항 집결입니다.")),
)
STYLES = ("form", "ocr", "fullwidth", "bilingual", "kv", "json", "table", "chat", "sms", "email", "prose", "jotted")

# Kinds every genre may carry now and then, so that rare kinds reach every form.
EXTRA_KINDS = {"email": 0.12, "birth_date": 0.1, "bank_account": 0.1, "driver_license": 0.1,
               "passport": 0.09, "foreigner_registration": 0.11, "business_registration": 0.08,
               "credit_card": 0.08, "resident": 0.08}

# --------------------------------------------------------------------------- a person's record


@dataclass
class Item:
    label: str          # Korean label
    key: str            # English key
    kind: str = ""      # kind of a value, "" otherwise
    written: object = None
    category: str = ""  # category of a negative, "" otherwise
    text: str = ""      # text of a negative or of a plain field
    bank: str = ""      # bank of an account


def value_of(r: random.Random, kind: str, genre: Genre, bank: str) -> labelled.Written:
    child = genre.child and r.random() < 0.4
    if kind == "phone":
        x = r.random()
        return safe_number(r) if x < 0.07 else direct_line(r) if x < 0.13 else phone(r)
    if kind == "resident":
        return resident(r, child and r.random() < 0.6)
    if kind == "birth_date":
        return birth(r, child)
    if kind == "bank_account":
        return account(r, bank)
    if kind == "email":
        return email(r, r.choice(ORG_DOMAINS) if r.random() < 0.15 else "")
    return {"foreigner_registration": foreigner, "business_registration": business, "credit_card": card,
            "driver_license": licence, "passport": passport}[kind](r)


def value_label(r: random.Random, kind: str, genre: Genre, w: labelled.Written) -> str:
    if w.writing == "safe_050":
        return r.choice(("안심번호", "050 안심번호", "가상번호(안심)"))
    if w.writing == "direct_line":
        return r.choice(("직통", "직통번호", "사무실 직통", "담당자 직통"))
    own = genre.labels.get(kind, ())
    if own and r.random() < 0.55:
        return r.choice(own)
    return r.choice(LABELS[kind])


def record(r: random.Random, genre: Genre, roster: bool = False) -> list[Item]:
    """One person's fields: the kinds the genre carries, each drawn by its weight, phone first."""
    items = [Item("성명" if not roster else "이름", "name", text=person(r))]
    if not roster and r.random() < 0.3:
        items.append(Item(r.choice(("주소", "거주지", "방문 주소")), "address", text=f"{r.choice(DISTRICTS)} {r.randrange(1, 400)}-{r.randrange(1, 40)}"))
    kinds = [k for k, p in genre.kinds.items() if r.random() < p * (0.85 if k == "phone" else 1)]
    kinds += [k for k, p in EXTRA_KINDS.items() if k not in kinds and r.random() < p * (0.5 if roster else 1)]
    if not kinds:
        kinds = ["phone"]
    for kind in sorted(kinds, key=KINDS.index):
        bank = r.choice(tuple(BANK_FORMATS)) if kind == "bank_account" else ""
        w = value_of(r, kind, genre, bank)
        items.append(Item(value_label(r, kind, genre, w), r.choice(KEYS[kind]), kind=kind, written=w, bank=bank))
    return items


def org_items(r: random.Random, genre: Genre, count: int) -> list[Item]:
    cats = r.sample(genre.negatives, min(count, len(genre.negatives)))
    if r.random() < 0.5:
        cats.append(r.choice(tuple(NEGATIVES)))
    out = []
    for c in dict.fromkeys(cats):
        n = NEGATIVES[c]
        out.append(Item(r.choice(n.labels), n.key, category=c, text=n.make(r)))
    return out


# --------------------------------------------------------------------------- the writer


class _Doc(labelled._Writer):
    """A writer that may turn digits full-width and records every item in the right way."""

    def __init__(self, genre: str, full_width: bool = False) -> None:
        super().__init__(genre, PART)
        self.full_width = full_width

    def _t(self, s: str) -> str:
        return s.translate(FULL_WIDTH) if self.full_width else s

    def add(self, s: str) -> None:
        super().add(self._t(s) if self.full_width else s)

    def put(self, it: Item, label: str, label_text: str, frame: str, quote: str = "") -> None:
        """Writes the item's value, negative or plain text (in quotes when asked)."""
        if quote:
            self.add(quote)
        if it.kind:
            w = it.written
            # Addresses and English dates are pasted or typed in English mode, never full-width.
            if self.full_width and it.kind != "email" and w.writing != "english":
                keep = w.masked or w.writing == "post2020"
                w = labelled.Written(w.kind, self._t(w.text), w.writing if keep else "fullwidth", w.masked)
            self.value(w, label, label_text, frame)
        elif it.category:
            self.negative(it.category, it.text if it.category == "shared_mailbox" else self._t(it.text), frame)
        else:
            self.add(it.text)
        if quote:
            self.add(quote)

    def value(self, w, label, label_text, frame) -> None:  # the text is written as given
        self.values.append(labelled.Value(w.kind, w.text, self.chars, self.chars + len(w.text), self.bytes,
                                          self.bytes + len(w.text.encode()), w.writing, label, label_text,
                                          w.masked, self.genre, frame))
        labelled._Writer.add(self, w.text)

    def negative(self, category, text, phrasing) -> None:
        self.negatives.append(labelled.Negative(category, text, self.chars, self.chars + len(text),
                                                self.bytes, self.bytes + len(text.encode()), phrasing, self.genre))
        labelled._Writer.add(self, text)


OCR_KINDS = ("phone", "resident", "foreigner_registration", "business_registration", "credit_card", "bank_account",
             "driver_license")
OCR_LETTERS = {"0": "O", "1": "l", "5": "S", "8": "B"}


def ocr_noise(r: random.Random, w: labelled.Written) -> labelled.Written:
    """A scanned value: a digit read as a letter, or spaces around its hyphens."""
    at = [i for i, c in enumerate(w.text) if c in OCR_LETTERS]
    if at and r.random() < 0.6:
        i = r.choice(at)
        return labelled.Written(w.kind, w.text[:i] + OCR_LETTERS[w.text[i]] + w.text[i + 1:], "ocr_letter", w.masked)
    if "-" in w.text:
        return labelled.Written(w.kind, w.text.replace("-", r.choice((" - ", "- ", " -"))), "ocr_spaced", w.masked)
    return w


def _stamp(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2026, 2026)
    return f"2026-{m:02d}-{d:02d} {r.randrange(7, 22):02d}:{r.randrange(60):02d}"


def _spaced(label: str) -> str:
    return " ".join(label) if len(label) <= 5 and " " not in label else label


# --------------------------------------------------------------------------- forms


def write_form(r: random.Random, doc: _Doc, genre: Genre, style: str) -> None:
    org = r.choice(genre.org)
    title = r.choice(genre.titles)
    doc.add({"ocr": f"{org}\n{_spaced(title[:6])}{title[6:]}\n", "bilingual": f"{title} / Application Form\n"}
            .get(style, r.choice((f"[{title}]\n", f"■ {title}\n", f"{title}\n{'=' * 20}\n", f"< {title} >\n"))))
    people = [record(r, genre)]
    if r.random() < 0.3:
        people.append(record(r, genre))
    punct = r.choice((": ", " : ", "：", " - ", " | ", ") "))
    for i, items in enumerate(people):
        if i:
            doc.add(r.choice(("\n[동반인 / 가족]\n", "\n2. 추가 신청자\n", "\n--- 보호자 ---\n")))
        for it in items:
            _form_line(r, doc, it, style, punct)
    doc.add("\n" if style != "ocr" else "\nㅡㅡㅡㅡㅡㅡㅡㅡ\n")
    for it in org_items(r, genre, r.randint(2, 4)):
        _form_line(r, doc, it, style, punct)
    doc.add(r.choice(genre.lines) + "\n")
    if r.random() < 0.5:
        doc.add(f"{r.choice(('작성일', '신청일', '접수'))}{punct}{_stamp(r)[:10]}   {r.choice(('신청인', '본인', '동의인'))} {people[0][0].text} (서명)\n")


def _form_line(r: random.Random, doc: _Doc, it: Item, style: str, punct: str) -> None:
    label = it.label
    if style == "bilingual":
        en = EN_LABELS.get(it.kind) or EN_NEG_LABELS.get(it.category) or it.key.replace("_", " ").title()
        label = r.choice((f"{label} ({en})", f"{en} / {label}", f"{label}/{en}"))
    elif style == "ocr" and r.random() < 0.5:
        label = _spaced(label)
    lead = r.choice(("", "", "- ", "· ", "□ ")) if style != "ocr" else r.choice(("", "| ", "l "))
    above = style == "ocr" and r.random() < 0.2  # the scan broke the line after the label
    doc.add(f"{lead}{label}" + ("\n" if above else punct))
    if it.kind == "bank_account":
        doc.add(f"{it.bank} ")
    if style == "ocr" and it.kind in OCR_KINDS and it.written.writing != "post2020" and r.random() < 0.3:
        it = Item(it.label, it.key, it.kind, ocr_noise(r, it.written), bank=it.bank)
    doc.put(it, "label_above" if above else "bilingual" if style == "bilingual" else "label_punct", label, f"form_{style}")
    if it.kind == "bank_account" and r.random() < 0.5:
        doc.add(f" (예금주 {r.choice(('본인', '동일'))})")
    doc.add(" |\n" if style == "ocr" and r.random() < 0.3 else "\n")


def write_kv(r: random.Random, doc: _Doc, genre: Genre) -> None:
    level = r.choice(("INFO", "INFO", "WARN", "DEBUG"))
    for _ in range(r.randint(1, 3)):
        items = record(r, genre) + org_items(r, genre, r.randint(1, 3))
        r.shuffle(items)
        doc.add(f"{_stamp(r)}:{r.randrange(60):02d} {level} {genre.name}.{r.choice(('create', 'update', 'submit', 'sync'))} ")
        sep = r.choice((" ", " ", ", ", "\t"))
        for j, it in enumerate(items):
            if j:
                doc.add(sep)
            doc.add(f"{it.key}=")
            doc.put(it, "log_key", it.key, "kv", quote='"' if " " in (it.written.text if it.kind else it.text) else "")
        doc.add("\n")


def write_json(r: random.Random, doc: _Doc, genre: Genre) -> None:
    items = record(r, genre) + org_items(r, genre, r.randint(2, 3))
    pretty = r.random() < 0.6
    doc.add("{\n" if pretty else "{")
    doc.add(f'  "type": "{genre.name}",\n' if pretty else f'"type": "{genre.name}", ')
    for j, it in enumerate(items):
        doc.add(f'  "{it.key}": ' if pretty else f'"{it.key}": ')
        doc.put(it, "json_key", it.key, "json", quote='"')
        doc.add((",\n" if pretty else ", ") if j < len(items) - 1 else ("\n" if pretty else ""))
    doc.add("}\n")


def write_table(r: random.Random, doc: _Doc, genre: Genre) -> None:
    doc.add(f"{r.choice(genre.titles)} ({r.choice(genre.org)})\n")
    rows = [record(r, genre, roster=True) for _ in range(r.randint(2, 6))]
    kinds = [k for k in KINDS if any(it.kind == k for row in rows for it in row)]
    org = org_items(r, genre, 1)
    neg_col = org[0] if org and org[0].category in ("event_date", "time_slot", "locker_number", "room_number", "seat_number",
                                                     "lottery_number", "amount", "booking_number", "member_number", "court_number", "lane_number", "spot_number", "booth_number",
                                                     "weight", "measurement", "unit_address") else None
    headers = ["순번", "이름"] + [next(it.label for row in rows for it in row if it.kind == k) for k in kinds]
    if neg_col:
        headers.append(neg_col.label)
    sep = r.choice((",", "\t", " | ", "md"))
    joiner = " | " if sep == "md" else sep
    if sep == "md":
        doc.add("| " + " | ".join(headers) + " |\n|" + "---|" * len(headers) + "\n")
    else:
        doc.add(joiner.join(headers) + "\n")
    for n, row in enumerate(rows, 1):
        by_kind = {it.kind: it for it in row if it.kind}
        if sep == "md":
            doc.add("| ")
        doc.add(f"{n}{joiner}{row[0].text}")
        for k in kinds:
            doc.add(joiner)
            it = by_kind.get(k)
            if it is None:
                doc.add(r.choice(("", "-", "")))
                continue
            if it.kind == "bank_account":
                doc.add(f"{it.bank} ")
            doc.put(it, "column", headers[2 + kinds.index(k)], f"table_{'md' if sep == 'md' else 'sep'}")
        if neg_col:
            doc.add(joiner)
            cat = neg_col.category
            doc.negative(cat, doc._t(NEGATIVES[cat].make(r)), "table_column")
        doc.add(" |\n" if sep == "md" else "\n")
    for it in org_items(r, genre, r.randint(1, 2)):
        doc.add(f"※ {it.label} ")
        doc.put(it, "", "", "table_note")
        doc.add("\n")


# --------------------------------------------------------------------------- conversations and letters


def _inline(r: random.Random, doc: _Doc, it: Item, name: str, frame: str) -> None:
    """A sentence that carries the item inline, with the cue the sentence gives."""
    if it.kind:
        tpl = r.choice(INLINE[it.kind])
        if it.written.writing == "safe_050":
            tpl = "안심번호 {v}로 연결돼요"
        elif it.written.writing == "direct_line":
            tpl = r.choice(("제 직통은 {v}입니다", "직통 {v}로 주시면 바로 받아요"))
        before, after = tpl.split("{v}")
        doc.add(before.format(bank=it.bank, name=name))
        doc.put(it, "inline", tpl, frame)
        doc.add(after.format(bank=it.bank, name=name))
    else:
        before, after = r.choice(INLINE_NEG).split("{n}")
        doc.add(before.format(label=it.label, topic=topic_particle(it.label)))
        doc.put(it, "", "", frame)
        doc.add(after)


CHAT_STAFF = ("담당자", "상담원", "매니저", "사장님", "운영자", "기사님", "총무")
CHAT_ENDINGS = ("네 확인했습니다 😊", "감사합니다~", "ㅇㅋ 접수할게요", "네네 알겠습니다!", "확인 후 다시 연락드릴게요.")


def write_chat(r: random.Random, doc: _Doc, genre: Genre) -> None:
    me = record(r, genre)
    name = me[0].text
    staff = r.choice(CHAT_STAFF)
    export = r.choice(("bracket", "dated", "plain"))
    hour = r.randrange(8, 23)
    y, m, d = corpus.random_date(r, 2026, 2026)

    def speaker(who: str, minute: int) -> str:
        ampm = "오전" if hour < 12 else "오후"
        clock = f"{ampm} {hour % 12 or 12}:{minute:02d}"
        return {"bracket": f"[{who}] [{clock}] ", "dated": f"{y}. {m}. {d}. {clock}, {who} : "}.get(export, f"{who}: ")

    doc.add(f"{r.choice(genre.titles)} - 대화 내용\n저장한 날짜 : {y}-{m:02d}-{d:02d}\n\n" if export != "plain" else "")
    doc.add(speaker(staff, 1) + r.choice(("안녕하세요, 문의 주셔서 감사합니다.", "네 말씀하세요~", "안녕하세요!")) + "\n")
    doc.add(speaker(name, 2) + r.choice(genre.lines) + "\n")
    minute = 3
    for it in me[1:]:
        doc.add(speaker(name, minute))
        _inline(r, doc, it, name, "chat")
        doc.add(r.choice(("", "!", ".", " ㅎㅎ", "~")) + "\n")
        if r.random() < 0.4:
            doc.add(speaker(staff, minute) + r.choice(CHAT_ENDINGS) + "\n")
        minute += r.randrange(1, 4)
    for it in org_items(r, genre, r.randint(1, 3)):
        doc.add(speaker(staff, minute))
        _inline(r, doc, it, name, "chat")
        doc.add("\n")
        minute += 1
    doc.add(speaker(name, minute) + r.choice(CHAT_ENDINGS) + "\n")


def write_sms(r: random.Random, doc: _Doc, genre: Genre) -> None:
    org = r.choice(genre.org)
    me = record(r, genre)
    name = masked_name(me[0].text) if r.random() < 0.5 else me[0].text
    doc.add(r.choice(("[Web발신]\n", "[알림톡]\n", "")) + f"[{org}] {name}님, {r.choice(genre.titles)} 안내드립니다.\n")
    for it in me[1:]:
        doc.add(r.choice(("▶ ", "- ", "· ")) + f"{it.label}: ")
        if it.kind == "bank_account":
            doc.add(f"{it.bank} ")
        doc.put(it, "label_punct", it.label, "sms")
        doc.add("\n")
    for it in org_items(r, genre, r.randint(2, 3)):
        doc.add(r.choice(("▶ ", "- ", "· ")) + f"{it.label} ")
        doc.put(it, "", "", "sms")
        doc.add("\n")
    doc.add(r.choice(genre.lines))
    if r.random() < 0.4:
        doc.add(" 무료 수신거부 ")
        doc.negative("opt_out_number", f"080-{digits(r, 3)}-{digits(r, 4)}", "sms_footer")
    doc.add("\n")


def write_email(r: random.Random, doc: _Doc, genre: Genre) -> None:
    org = r.choice(genre.org)
    sender = record(r, genre)
    name = sender[0].text
    doc.add(f"제목: {r.choice(('[문의] ', 'RE: ', 'FW: ', ''))}{r.choice(genre.titles)}\n")
    doc.add(f"받는 사람: {r.choice(('담당자님', org + ' 담당자님', '운영팀'))}\n\n")
    doc.add(f"안녕하세요, {name}입니다.\n{r.choice(genre.lines)}\n")
    body = [it for it in sender[1:] if it.kind not in ("phone", "email")]
    for it in body:
        _inline(r, doc, it, name, "email_body")
        doc.add(".\n")
    for it in org_items(r, genre, r.randint(1, 2)):
        _inline(r, doc, it, name, "email_body")
        doc.add(".\n")
    doc.add(r.choice(("감사합니다.\n", "잘 부탁드립니다.\n")) + "\n--\n" + name + "\n")
    for it in sender[1:]:
        if it.kind in ("phone", "email"):
            lab = r.choice(("M. ", "H.P ", "Tel ", "☎ ", "")) if it.kind == "phone" else r.choice(("E. ", "Email: ", ""))
            doc.add(lab)
            doc.put(it, "signature", lab.strip(), "email_signature")
            doc.add("\n")
    if r.random() < 0.6:
        for c in r.sample(("office_main_phone", "fax", "shared_mailbox", "call_center"), 2):
            n = NEGATIVES[c]
            doc.add(f"{org} {r.choice(n.labels)} ")
            doc.negative(c, n.make(r), "email_signature")
            doc.add("\n")


PROSE_OPENERS = ("{org} 접수 메모: ", "[상담 일지] ", "메모) ", "{org} 방문 기록. ", "")


def write_prose(r: random.Random, doc: _Doc, genre: Genre) -> None:
    org = r.choice(genre.org)
    me = record(r, genre)
    name = me[0].text
    doc.add(r.choice(PROSE_OPENERS).format(org=org) + f"{name} 님 건. {r.choice(genre.lines)} ")
    items = me[1:] + org_items(r, genre, r.randint(1, 3))
    r.shuffle(items)
    for it in items:
        _inline(r, doc, it, name, "prose")
        doc.add(r.choice((". ", ". ", ", 그리고 ", ". 또 ")))
    doc.add(r.choice(genre.lines) + "\n")


JOTTED_CUES = {"resident": ("주민", "주번"), "foreigner_registration": ("외국인번호", "ARC"),
               "business_registration": ("사업자", "사업자No"), "credit_card": ("카드",), "driver_license": ("면허",),
               "birth_date": ("생", "생일"), "passport": ("여권",)}


def write_jotted(r: random.Random, doc: _Doc, genre: Genre) -> None:
    """Lines jotted in a notebook or a memo app: fields one after another, with a short cue where
    the number alone says nothing, and none for a phone, an e-mail or an account behind its bank."""
    doc.add(r.choice((f"{r.choice(genre.titles)} 메모\n", f"# {r.choice(genre.org)}\n", "")))
    sep = r.choice((" / ", " ", ", ", " - "))
    for _ in range(r.randint(2, 5)):
        items = record(r, genre, roster=True)
        doc.add(items[0].text)
        for it in items[1:]:
            doc.add(sep)
            if it.kind == "bank_account":
                doc.add(f"{it.bank} ")
                doc.put(it, "bank_name", it.bank, "jotted")
            elif it.kind in JOTTED_CUES:
                cue = r.choice(JOTTED_CUES[it.kind])
                doc.add(f"{cue} ")
                doc.put(it, "short_cue", cue, "jotted")
            else:
                doc.put(it, "no_label", "", "jotted")
        neg = org_items(r, genre, 1)[0]
        if neg.category in ("amount", "weight", "time_slot", "event_date", "dimensions", "unit_address", "measurement"):
            doc.add(sep)
            doc.put(neg, "", "", "jotted")
        doc.add(r.choice(("", " (완료)", " ✔", " 입금확인", " 미납")) + "\n")


def generate(count: int = 1500, seed: int = 1) -> list:
    """`count` documents of the part, each made from the seed and its index alone."""
    if not isinstance(count, int) or count < 0:
        raise ValueError(f"count must be a non-negative int, not {count!r}")
    return [_document(seed, i) for i in range(count)]


def _document(seed: int, index: int) -> labelled.Document:
    r = random.Random(f"{PART}:{seed}:{index}")
    genre = GENRES[index % len(GENRES)] if index < len(GENRES) else r.choice(GENRES)
    style = r.choice(genre.styles)
    if style in ("form", "ocr") and r.random() < 0.08:
        style = "fullwidth"
    if style == "form" and r.random() < 0.08:
        style = "bilingual"
    doc = _Doc(genre.name, full_width=style == "fullwidth")
    if style in ("form", "ocr", "fullwidth", "bilingual"):
        write_form(r, doc, genre, style)
    else:
        {"kv": write_kv, "json": write_json, "table": write_table, "chat": write_chat, "sms": write_sms,
         "email": write_email, "prose": write_prose, "jotted": write_jotted}[style](r, doc, genre)
    d = doc.document()
    d.style = style
    return d
