"""The twenty-first blind part (`blind21`): labelled Korean documents in genres no other part
writes, made apart from the detection rules and from the other parts, never to be tuned on.

    docs = labelled_blind21.generate(1500, seed=1)

Genres (60): screen-golf leagues, market-voucher exchanges by merchants, contract ginseng growing,
livestock auctions, mountain-shelter bookings, picture framing, PC assembly orders, ornamental-fish
shops, perfume and leather workshops, filling-station fleet tabs, body-shop estimates, emergency
alarms for elders living alone, census enumerators, polling-station staff, youth savings accounts,
car-tax prepayment, earned-income credits, health-premium adjustments, amateur radio clubs,
stargazing nights, birdwatching tours, janggi tournaments, ssireum contests, township games,
consensual divorce, paternity tests, child-support enforcement, wills, greenhouse repairs, crop
insurance, fish-farm feed, tidal-flat outings, tax-free fishing fuel, neighbourhood odd jobs, game
guilds, intercity carpools, shared streaming accounts, idol birthday cafés, restaurant shift
rosters, delivery-app store settlements, building-site canteen tabs, hair designers' commission,
bakery wholesale accounts, maths contests, a book-gift programme for babies, day-care accident
reports, children's fingerprint pre-registration, denture support, seniors' transit cards,
orthodontic contracts, diabetes-supply refunds, rare-disease aid, jeonse-fraud victims, cable-TV
cancellations, home-security contracts, credit-report corrections, appeals for accident
witnesses, lease-registration orders and robotics competitions; written as forms, scans,
full-width and bilingual forms, two-column and transposed tables, contact cards, spreadsheet
exports, JSON, web logs with query strings, messenger exports in dialects, café comment threads,
call transcripts, e-mails, texts, posted lists, receipts, ledgers, sticky notes, meeting minutes
and older people's texts.

Every value is something a careful reader would call a person's: a bare number with no label
that no reader could tell from a look-alike is never one. Look-alikes are the numbers that stand
beside such values in these genres: organisations' lines and accounts, order, contract, lot,
case and policy numbers, plates, hull numbers, call signs, frequencies, dates of events, amounts.
"""

from __future__ import annotations

import dataclasses
import random

import corpus
import labelled
from page_writer import (WIDE, Field, Genre, LookAlike, Page, Sayings, clock, documents, draw, joined,
                         look_alike_fields, nums, registration, topic, written, yymmdd)

PART = "blind21"
KINDS = labelled.KINDS
HANGUL_DIGITS = "공일이삼사오육칠팔구"

# --------------------------------------------------------------------------- people

ROMAN_FIRST = ("yoonseo dohyun chaewon siwoo gaeun jiho minjae harin taeho boyoung kyungsoo soojin "
               "jaewoong yerin hyunwoo eunji donghae malsoon okja").split()
ROMAN_LAST = "kim lee park choi jeong kang jo yun jang im han o seo sin gwon hwang ahn song nam".split()
HOME_MAIL = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "nate.com", "kakao.com", "hotmail.com",
             "icloud.com", "yahoo.co.kr")
JOB_MAIL = ("kepco.co.kr", "nonghyup.com", "jnu.ac.kr", "seoul.go.kr", "lotte.net", "samsung.com", "posco.com")

# A bank, and the digit groups of a person's account there.
BANKS = {
    "국민은행": (6, 2, 6), "KB": (3, 2, 4, 3), "신한": (3, 3, 6), "우리은행": (4, 3, 6), "하나": (3, 6, 5),
    "농협": (3, 4, 4, 2), "지역농협": (6, 2, 6), "기업은행": (3, 6, 2, 3), "수협": (3, 2, 6),
    "새마을": (4, 2, 7), "신협": (6, 2, 6), "우체국": (6, 2, 6), "카뱅": (4, 2, 7), "토스": (4, 4, 4),
    "K뱅크": (3, 3, 6), "광주은행": (3, 3, 6), "경남은행": (3, 2, 7), "iM뱅크": (3, 2, 6, 1),
}
LICENCE_PLACES = ("서울", "부산", "경기", "경기북부", "강원", "충북", "충남", "전북", "전남", "경북", "경남", "제주",
                  "대구", "인천", "광주", "대전", "울산")


def person_name(r: random.Random) -> str:
    return r.choice(corpus.SURNAMES[:36]) + r.choice(corpus.GIVEN)


def hide_name(name: str) -> str:
    """A name on a posted list: the middle syllable (or the last of two) starred."""
    return name[0] + "○" + name[2:] if len(name) > 2 else name[0] + "○"


# --------------------------------------------------------------------------- values


def resident(r: random.Random, child: bool) -> labelled.Written:
    if child and r.random() < 0.55:
        # A child registered since October 2020: no check digit at the end.
        y = r.randrange(2020, 2025)
        m = r.randrange(10, 13) if y == 2020 else r.randrange(1, 13)
        front = yymmdd(y, m, r.randrange(1, corpus.days_in(y, m) + 1))
        sex = r.choice("34")
        body = [int(c) for c in front + sex + nums(r, 5)]
        wrong = (corpus.resident_check(body, False) + r.randrange(1, 10)) % 10
        return written("resident", f"{front}-{joined(body[6:])}{wrong}", "post2020")
    s = registration(r, 2006, 2019, False) if child else registration(r, 1935, 2005, False)
    return draw(r, "resident", {
        "hyphen": (7, f"{s[:6]}-{s[6:]}"), "plain": (1.8, s), "space": (0.7, f"{s[:6]} {s[6:]}"),
        "dot_join": (0.3, f"{s[:6]}.{s[6:]}"), "masked_back": (1, f"{s[:6]}-{s[6]}******"),
        "masked_tail": (0.4, f"{s[:6]}-{s[6:8]}*****"),
    })


def foreigner(r: random.Random) -> labelled.Written:
    s = registration(r, 1960, 2006, True)
    return draw(r, "foreigner_registration", {
        "hyphen": (7, f"{s[:6]}-{s[6:]}"), "plain": (2, s), "space": (0.6, f"{s[:6]} {s[6:]}"),
        "masked_back": (1.1, f"{s[:6]}-{s[6]}******"),
    })


def business(r: random.Random) -> labelled.Written:
    head = f"{r.randrange(101, 900)}{r.choice(('01', '02', '04', '06', '10', '13', '25', '39', '81', '85', '87'))}"
    body = [int(c) for c in head + nums(r, 4)]
    s = joined(body) + str(corpus.business_check(body))
    return draw(r, "business_registration", {
        "hyphen": (8, f"{s[:3]}-{s[3:5]}-{s[5:]}"), "plain": (2, s), "space": (0.5, f"{s[:3]} {s[3:5]} {s[5:]}"),
        "masked": (1, f"{s[:3]}-{s[3:5]}-{s[5]}****"),
    })


def card(r: random.Random, slip: bool = False) -> labelled.Written:
    if r.random() < 0.05:  # fifteen digits, grouped 4-6-5
        body = [3, r.choice((4, 7))] + [int(c) for c in nums(r, 12)]
        s = joined(body) + str(corpus.luhn_check(body))
        return draw(r, "credit_card", {"amex": (3, f"{s[:4]}-{s[4:10]}-{s[10:]}"), "masked": (0.6, f"{s[:4]}-******-{s[10]}****")})
    lead = r.choice(("4", "4092", "4518", "5", "9410", "9446", "6253", "3565", "5361", "4906", "9490"))
    if lead == "5":
        lead = r.choice(("51", "54", "55"))
    body = [int(c) for c in lead + nums(r, 15 - len(lead))]
    s = joined(body) + str(corpus.luhn_check(body))
    q = [s[i:i + 4] for i in range(0, 16, 4)]
    if slip and r.random() < 0.75:
        return written("credit_card", f"{q[0]}-{q[1][:2]}**-****-{q[3][:2]}**", "masked_slip")
    return draw(r, "credit_card", {
        "hyphen": (6, "-".join(q)), "space": (2.2, " ".join(q)), "plain": (2, s),
        "masked": (1, f"{q[0]}-{q[1]}-****-{q[3]}"), "masked_ends": (0.4, f"****-****-****-{q[3]}"),
    })


def account(r: random.Random, bank: str) -> labelled.Written:
    groups = [nums(r, n) for n in BANKS[bank]]
    longest = max(range(len(groups)), key=lambda i: len(groups[i]))
    starred = [g if i != longest else g[:-3] + "***" for i, g in enumerate(groups)]
    return draw(r, "bank_account", {
        "hyphen": (6, "-".join(groups)), "plain": (3.2, "".join(groups)), "space": (0.6, " ".join(groups)),
        "masked": (1, "-".join(starred)),
    })


def cell(r: random.Random, old: bool = False) -> labelled.Written:
    if old and r.random() < 0.2:  # kept from before everyone moved to 010
        return written("phone", f"{r.choice(('011', '016', '017', '018', '019'))}-{r.randrange(2, 10)}{nums(r, 2)}-{nums(r, 4)}",
                       "old_prefix")
    mid, end = str(r.randrange(2, 10)) + nums(r, 3), nums(r, 4)
    return draw(r, "phone", {
        "hyphen": (11, f"010-{mid}-{end}"), "plain": (3, f"010{mid}{end}"), "dot": (1, f"010.{mid}.{end}"),
        "space": (1.6, f"010 {mid} {end}"), "intl": (0.7, f"+82-10-{mid}-{end}"), "intl_tight": (0.3, f"+8210{mid}{end}"),
        "tilde": (0.3, f"010~{mid}~{end}"), "masked": (1.2, f"010-{mid[:2]}**-{end}"), "masked_end": (0.6, f"010-{mid}-**{end[2:]}"),
    })


def landline(r: random.Random) -> labelled.Written:
    area = r.choice(("02", "031", "033", "041", "042", "043", "054", "055", "061", "062", "063", "064"))
    mid = str(r.randrange(2, 10)) + nums(r, 3 if area in ("02", "031", "042") else 2)
    end = nums(r, 4)
    return draw(r, "phone", {"landline": (4, f"{area}-{mid}-{end}"), "landline_paren": (1, f"{area}){mid}-{end}")})


def relay_number(r: random.Random) -> labelled.Written:
    """A 050 number a platform hands out in place of someone's own (it still reaches them)."""
    return written("phone", f"0504-{nums(r, 4)}-{nums(r, 4)}" if r.random() < 0.6 else f"0507-{nums(r, 4)}-{nums(r, 4)}", "relay_050")


def mail(r: random.Random, work: bool) -> labelled.Written:
    first, last = r.choice(ROMAN_FIRST), r.choice(ROMAN_LAST)
    local = r.choice((f"{first}{r.randrange(1, 100)}", f"{last}.{first}", f"{first}_{last}{r.randrange(1, 10)}",
                      f"{last}{first[:2]}{r.randrange(60, 100)}", f"{first}{r.randrange(1955, 2012)}", f"{first}love",
                      f"{last}{first}"))
    domain = r.choice(JOB_MAIL) if work else r.choice(HOME_MAIL)
    return draw(r, "email", {
        "plain": (9, f"{local}@{domain}"), "korean_at": (0.4, f"{local} 골뱅이 {domain}"),
        "paren_at": (0.4, f"{local}(at){domain}"), "masked": (1, f"{local[:2]}****@{domain}"),
    })


def licence(r: random.Random) -> labelled.Written:
    area, year, serial, tail = r.randrange(11, 29), f"{r.choice((8, 9, 0, 1, 2))}{r.randrange(10)}", nums(r, 6), nums(r, 2)
    return draw(r, "driver_license", {
        "hyphen": (7, f"{area}-{year}-{serial}-{tail}"), "plain": (1.6, f"{area}{year}{serial}{tail}"),
        "place_name": (2, f"{r.choice(LICENCE_PLACES)} {year}-{serial}-{tail}"),
        "space": (0.5, f"{area} {year} {serial} {tail}"), "masked": (1, f"{area}-{year}-{serial[:2]}****-{tail}"),
    })


def passport(r: random.Random) -> labelled.Written:
    return draw(r, "passport", {
        "letter_mid": (4, f"M{nums(r, 3)}{r.choice('ABCDEFGHJKLMNPQR')}{nums(r, 4)}"), "digits": (3.5, f"M{nums(r, 8)}"),
        "other_series": (1, f"{r.choice('SRDT')}{nums(r, 8)}"), "masked": (1, f"M{nums(r, 3)}*****"),
    })


def born(r: random.Random, child: bool, old: bool) -> labelled.Written:
    y, m, d = corpus.random_date(r, *((2010, 2024) if child else (1932, 1962) if old else (1950, 2006)))
    return draw(r, "birth_date", {
        "iso": (4, f"{y}-{m:02d}-{d:02d}"), "dot": (4, f"{y}.{m:02d}.{d:02d}"), "dot_loose": (2, f"{y}.{m}.{d}"),
        "korean": (4, f"{y}년 {m}월 {d}일"), "korean_tight": (1, f"{y}년{m}월{d}일"),
        "korean_short": (1, f"{y % 100:02d}년 {m}월 {d}일"), "six": (2, yymmdd(y, m, d)),
        "eight": (1.5, f"{y}{m:02d}{d:02d}"), "short_dot": (1, f"{y % 100:02d}.{m:02d}.{d:02d}"),
        "slash": (0.5, f"{y}/{m:02d}/{d:02d}"), "masked": (1, f"{y}-**-**"),
    })


def value_of(r: random.Random, kind: str, child: bool, old: bool, bank: str = "", work: bool = False) -> labelled.Written:
    if kind == "phone":
        x = r.random()
        return relay_number(r) if x < 0.04 else landline(r) if x < (0.24 if old else 0.1) else cell(r, old)
    if kind == "resident":
        return resident(r, child)
    if kind == "birth_date":
        return born(r, child, old)
    if kind == "bank_account":
        return account(r, bank)
    if kind == "email":
        return mail(r, work)
    return {"foreigner_registration": foreigner, "business_registration": business, "credit_card": card,
            "driver_license": licence, "passport": passport}[kind](r)


# --------------------------------------------------------------------------- how a value gets rewritten

# Writings that say more than their shape: no rewriting touches them.
UNTOUCHED = ("post2020", "amex", "relay_050")
SCANNED_AS = {"0": "Oo", "1": "lI", "5": "S", "8": "B"}


def _digits_and_separators(w: labelled.Written) -> bool:
    return all(c.isdigit() or c in "- ." for c in w.text)


def scanned(r: random.Random, w: labelled.Written) -> labelled.Written:
    """A value as a scanner read it: one digit inside it taken for a letter."""
    inner = [i for i in range(1, len(w.text) - 1) if w.text[i] in SCANNED_AS]
    if w.masked or w.kind == "email" or w.writing in UNTOUCHED or not inner:
        return w
    i = r.choice(inner)
    return written(w.kind, w.text[:i] + r.choice(SCANNED_AS[w.text[i]]) + w.text[i + 1:], "scan_letter")


def said(r: random.Random, w: labelled.Written) -> labelled.Written:
    """A number as speech-to-text writes it: a Hangul syllable a digit, 공 for nought, the groups
    apart or joined by 다시 (what people say for a hyphen)."""
    speakable = ("phone", "bank_account", "resident", "credit_card", "foreigner_registration", "business_registration")
    if w.masked or w.kind not in speakable or w.writing in UNTOUCHED or not _digits_and_separators(w):
        return w
    groups = [g for g in w.text.replace(".", " ").replace("-", " ").split() if g]
    joint = r.choice((" ", " 다시 ", " "))
    return written(w.kind, joint.join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in groups), "hangul_numerals")


def one_by_one(w: labelled.Written) -> labelled.Written:
    """Digits keyed one at a time, a space after each."""
    if w.masked or w.kind not in ("phone", "bank_account", "birth_date") or w.writing in UNTOUCHED \
            or not w.text.replace("-", "").isdigit():
        return w
    return written(w.kind, " ".join(w.text.replace("-", "")), "spaced_digits")


def posted(w: labelled.Written) -> labelled.Written:
    """A value as a list posted for all prints it: the digits after the first group hidden but
    the last two, an e-mail's name after two letters, a birth date's day."""
    if w.masked or w.writing in UNTOUCHED:
        return w
    if w.kind == "email":
        local, _, domain = w.text.partition("@")
        if not domain:
            return w
        return written(w.kind, f"{local[:2]}{'*' * max(3, len(local) - 2)}@{domain}", "masked_posted")
    places = [i for i, c in enumerate(w.text) if c.isdigit()]
    if len(places) < 6:
        return w
    keep = set(places[:len(places) // 2 + 1] if w.kind == "birth_date" else places[:3] + places[-2:])
    return written(w.kind, "".join(c if not c.isdigit() or i in keep else "*" for i, c in enumerate(w.text)),
                   "masked_posted")


def full_width(w: labelled.Written) -> labelled.Written:
    if w.kind == "email":
        return w
    unchanged = w.masked or w.writing in UNTOUCHED
    return labelled.Written(w.kind, w.text.translate(WIDE), w.writing if unchanged else "fullwidth", w.masked)


def url_encoded(w: labelled.Written) -> labelled.Written:
    """A value in a query string: an e-mail's @ and a space escaped."""
    if w.masked or w.kind not in ("email", "birth_date") or "@" not in w.text and " " not in w.text:
        return w
    return written(w.kind, w.text.replace("@", "%40").replace(" ", "%20"), "url_encoded")


# --------------------------------------------------------------------------- look-alikes


def _ahead(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2025, 2027)
    return r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}", f"{y}년 {m}월 {d}일", f"{m}월 {d}일", f"{y}. {m}. {d}."))


def _behind(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 1990, 2025)
    return r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}", f"{y}년 {m}월 {d}일", f"{y % 100:02d}.{m:02d}.{d:02d}"))


def _switchboard(r: random.Random) -> str:
    area = r.choice(("02", "031", "032", "033", "041", "043", "051", "053", "055", "061", "063", "064"))
    mid = str(r.randrange(2, 10)) + nums(r, 3 if area in ("02", "031", "051") else 2)
    return f"{area}-{mid}-{r.choice(('0114', '1004', '2000', '3114', '5000', '7000', '8888', '9114'))}"


def _org_account(r: random.Random) -> str:
    bank = r.choice(tuple(BANKS))
    return f"{bank} " + "-".join(nums(r, n) for n in BANKS[bank]) + r.choice((" (주)", " 조합", " 협회", " 상회", ""))


def _plate(r: random.Random) -> str:
    return f"{r.randrange(10, 400)}{r.choice('가나다라마거너더러머버서어저고노도로모보소오조구누두루무부수우주하허호')} {nums(r, 4)}"


def _money(r: random.Random) -> str:
    return f"{r.randrange(3, 9000) * r.choice((100, 1000, 500)):,}원"


LOOK_ALIKES = {
    "office_main_phone": LookAlike(("대표번호", "사무실", "본사 전화", "매장 전화", "접수 창구", "행정실", "센터 전화"), "office_tel",
                                   _switchboard),
    "call_centre": LookAlike(("고객센터", "상담 전화", "콜센터", "ARS"), "cs_no",
                             lambda r: f"{r.choice(('1588', '1577', '1544', '1600', '1661', '1877', '1899', '1833'))}-{nums(r, 4)}"),
    "fax": LookAlike(("팩스", "FAX", "F."), "fax_no", _switchboard),
    "public_hotline": LookAlike(("국번 없이", "상담 번호", "신고 전화"), "hotline",
                                lambda r: r.choice(("110", "112", "119", "120", "1332", "1355", "1644-0120", "1899-2929", "1397"))),
    "org_account": LookAlike(("입금 계좌", "납부 계좌", "회비 통장", "결제 계좌", "예금주 법인", "공동 통장"), "org_acct", _org_account),
    "virtual_account": LookAlike(("가상계좌", "납부 전용 계좌"), "virtual_acct",
                                 lambda r: r.choice(("5681", "2710", "9104", "0306")) + nums(r, 10)),
    "shared_mailbox": LookAlike(("문의 메일", "접수처 메일", "담당 부서 메일"), "office_mail",
                                lambda r: f"{r.choice(('help', 'info', 'office', 'admin', 'team', 'cs', 'apply'))}@"
                                          f"{r.choice(('hanulgoyo.kr', 'mokpo-sup.or.kr', 'dalnim.co.kr', 'sanmaeul.org', 'gongbang21.com'))}"),
    "order_number": LookAlike(("주문번호", "주문 No", "발주번호"), "order_no",
                              lambda r: r.choice((f"2026{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}-{nums(r, 6)}", nums(r, 14), f"OD{nums(r, 10)}"))),
    "tracking_number": LookAlike(("운송장", "송장번호", "화물 번호"), "invoice_no",
                                 lambda r: r.choice((nums(r, 12), f"{nums(r, 4)}-{nums(r, 4)}-{nums(r, 4)}", nums(r, 10)))),
    "contract_number": LookAlike(("계약번호", "약정 번호", "계약 No."), "contract_no",
                                 lambda r: r.choice((f"C{nums(r, 9)}", f"{r.randrange(2021, 2027)}-{nums(r, 5)}", nums(r, 11)))),
    "policy_number": LookAlike(("증권번호", "보험 증권", "가입 번호"), "policy_no",
                               lambda r: r.choice((f"L{nums(r, 11)}", f"{nums(r, 4)}-{nums(r, 7)}", nums(r, 13)))),
    "case_number": LookAlike(("사건번호", "사건", "접수 사건"), "case_no",
                             lambda r: f"{r.randrange(2022, 2027)}{r.choice(('드단', '카단', '가소', '느단', '즈기'))}{nums(r, r.choice((4, 5, 6)))}"),
    "receipt_number": LookAlike(("접수번호", "접수증 번호", "민원 번호"), "receipt_no",
                                lambda r: r.choice((f"{r.randrange(2025, 2027)}-{nums(r, 6)}", nums(r, 12), f"A{nums(r, 8)}"))),
    "approval_number": LookAlike(("승인번호", "승인"), "approval_no", lambda r: nums(r, 8)),
    "member_number": LookAlike(("회원번호", "멤버십 번호", "조합원 번호", "고객번호"), "member_no",
                               lambda r: r.choice((nums(r, 8), nums(r, 10), f"{r.randrange(1, 10)}-{nums(r, 5)}"))),
    "serial_number": LookAlike(("제품 S/N", "시리얼", "기기번호", "단말기 번호"), "serial",
                               lambda r: r.choice((f"{r.choice(('SN', 'KR', 'HX'))}{nums(r, 10)}", nums(r, 15), f"{nums(r, 4)}-{nums(r, 4)}-{nums(r, 4)}"))),
    "model_number": LookAlike(("모델명", "모델"), "model",
                              lambda r: f"{r.choice(('RTX', 'AX', 'WD', 'SDR', 'KH', 'LG-'))}{nums(r, 4)}{r.choice(('', 'A', 'K', 'PRO'))}"),
    "vehicle_plate": LookAlike(("차량번호", "차번", "차량"), "car_no", _plate),
    "ear_tag": LookAlike(("이력번호", "개체번호", "귀표"), "ear_tag", lambda r: f"{r.choice(('002', '160', '410'))}{nums(r, 9)}"),
    "lot_number": LookAlike(("출하번호", "경매번호", "로트", "번호표"), "lot_no",
                            lambda r: r.choice((f"{r.randrange(1, 400)}번", f"L-{nums(r, 5)}", nums(r, 6)))),
    "hull_number": LookAlike(("선박번호", "어선 등록번호"), "hull_no",
                             lambda r: f"{r.choice(('9', '0'))}{nums(r, 3)}{r.choice(('-', ''))}{nums(r, 7)}"),
    "call_sign": LookAlike(("호출부호", "콜사인"), "call_sign",
                           lambda r: f"{r.choice(('HL', 'DS', 'DT', '6K'))}{r.randrange(1, 6)}{r.choice('ABCDEFGHJKLMN')}{r.choice('ABCDEFGHJKLMNOPQRSTUVWXYZ')}{r.choice(('', 'Z', 'X'))}"),
    "frequency": LookAlike(("주파수", "채널"), "freq",
                           lambda r: r.choice((f"{r.randrange(144, 147)}.{nums(r, 3)}MHz", f"{r.randrange(430, 440)}.{nums(r, 2)}0 MHz", f"7.{nums(r, 3)}MHz"))),
    "coordinates": LookAlike(("좌표", "위치", "GPS"), "gps",
                             lambda r: f"{r.randrange(33, 39)}.{nums(r, 5)}, {r.randrange(125, 130)}.{nums(r, 5)}"),
    "event_date": LookAlike(("행사일", "예약일", "방문일", "마감", "시공 예정일", "경기일"), "event_date", _ahead),
    "issue_date": LookAlike(("발급일", "가입일", "개통일", "접수일", "계약일"), "issued", _behind),
    "due_date": LookAlike(("납부기한", "만기일", "상환일"), "due", _ahead),
    "time_slot": LookAlike(("시간", "입실", "집합"), "time", lambda r: f"{r.randrange(6, 22):02d}:{r.choice(('00', '30', '10', '40'))}"),
    "amount": LookAlike(("금액", "합계", "단가", "회비", "보증금", "청구액"), "amount", _money),
    "plain_amount": LookAlike(("총액", "입금액", "정산금"), "amount_raw", lambda r: str(r.randrange(12, 9000) * 1000)),
    "weight": LookAlike(("중량", "체중", "무게"), "kg", lambda r: f"{r.randrange(3, 800)}.{r.randrange(10)}kg"),
    "area_size": LookAlike(("면적", "평수"), "area", lambda r: r.choice((f"{r.randrange(20, 3000)}㎡", f"{r.randrange(5, 900)}평"))),
    "percentage": LookAlike(("할인율", "수수료율", "지분"), "rate", lambda r: f"{r.randrange(1, 60)}.{r.randrange(10)}%"),
    "score": LookAlike(("점수", "기록", "타수"), "score", lambda r: r.choice((f"{r.randrange(60, 120)}타", f"{r.randrange(40, 100)}점", f"{r.randrange(1, 30)}위"))),
    "room_number": LookAlike(("호실", "객실", "동호수"), "room", lambda r: f"{r.randrange(101, 120)}동 {r.randrange(1, 25)}0{r.randrange(1, 6)}호"),
    "postal_code": LookAlike(("우편번호", "우)"), "zip", lambda r: f"{r.randrange(1, 64):02d}{nums(r, 3)}"),
    "coupon_code": LookAlike(("쿠폰 번호", "인증코드", "초대코드"), "coupon",
                             lambda r: "-".join("".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ23456789") for _ in range(4)) for _ in range(3))),
    "ticket_number": LookAlike(("예매번호", "대기번호", "입장권 번호"), "ticket_no",
                               lambda r: r.choice((f"T{nums(r, 10)}", f"{nums(r, 3)}-{nums(r, 3)}-{nums(r, 4)}", f"{r.randrange(1, 500)}번"))),
    "version_number": LookAlike(("펌웨어", "버전", "BIOS"), "ver", lambda r: f"{r.randrange(1, 12)}.{r.randrange(0, 20)}.{r.randrange(0, 99)}"),
    "ip_address": LookAlike(("접속 IP", "IP"), "ip",
                            lambda r: f"{r.choice((14, 112, 118, 121, 175, 211, 220))}.{r.randrange(256)}.{r.randrange(256)}.{r.randrange(1, 255)}"),
    "meter_reading": LookAlike(("계량기 지침", "주행거리", "검침"), "meter", lambda r: f"{r.randrange(1000, 240000):,}{r.choice(('km', '㎥', ''))}"),
    "farm_id": LookAlike(("농가번호", "경영체 번호", "농장 식별번호"), "farm_id", lambda r: f"{r.randrange(1, 10)}{nums(r, 9)}"),
    "school_class": LookAlike(("학년반", "반"), "class", lambda r: f"{r.randrange(1, 7)}학년 {r.randrange(1, 12)}반 {r.randrange(1, 31)}번"),
    "account_bare_org": LookAlike(("관리비 계좌", "기부금 계좌"), "org_acct_raw",
                                  lambda r: f"{nums(r, 3)}-{nums(r, 2)}-{nums(r, 6)} (예금주: {r.choice(('관리사무소', '후원회', '번영회', '운영위원회'))})"),
    "registry_number": LookAlike(("등기번호", "부동산 고유번호"), "registry_no", lambda r: f"{nums(r, 4)}-{nums(r, 4)}-{nums(r, 6)}"),
    "tax_number": LookAlike(("전자납부번호", "과세번호"), "tax_no", lambda r: f"{r.randrange(1000, 9999)}-{nums(r, 2)}-{nums(r, 8)}"),
    "bus_route": LookAlike(("버스", "노선"), "bus", lambda r: f"{r.randrange(100, 9800)}{r.choice(('번', '-1번', '번 마을버스'))}"),
    "business_hours": LookAlike(("영업시간", "운영시간", "접수 시간"), "hours",
                                lambda r: f"{r.randrange(7, 11):02d}:00~{r.randrange(17, 23):02d}:00"),
}


# --------------------------------------------------------------------------- labels and sayings

LABELS = {
    "phone": ("연락처", "휴대전화", "핸드폰 번호", "전화", "휴대폰", "연락 번호", "본인 연락처", "H.P", "비상 연락처"),
    "email": ("이메일", "E-mail", "메일 주소", "전자우편", "이메일주소"),
    "resident": ("주민등록번호", "주민번호", "주민등록 번호", "주민No."),
    "foreigner_registration": ("외국인등록번호", "외국인 번호", "외국인등록증 번호", "등록번호(외국인)"),
    "business_registration": ("사업자등록번호", "사업자번호", "사업자 번호", "사업자등록No"),
    "credit_card": ("카드번호", "신용카드 번호", "결제카드", "카드 No."),
    "bank_account": ("계좌번호", "입금 계좌", "환급 계좌", "지급받을 계좌", "본인 통장"),
    "driver_license": ("운전면허번호", "면허번호", "운전면허 번호", "면허증번호"),
    "birth_date": ("생년월일", "생일", "출생일", "생년월일(양력)"),
    "passport": ("여권번호", "여권 번호", "PASSPORT"),
}
EN_LABELS = {
    "phone": "Phone", "email": "Email", "resident": "RRN", "foreigner_registration": "Alien Reg. No.",
    "business_registration": "Business No.", "credit_card": "Card Number", "bank_account": "Bank Account",
    "driver_license": "Driving Licence No.", "birth_date": "Birth Date", "passport": "Passport Number",
}
KEYS = {
    "phone": ("phone", "hp", "tel_no", "mobile", "cellphone"),
    "email": ("email", "mail_addr", "user_mail"),
    "resident": ("rrn", "jumin_no", "resident_reg_no"),
    "foreigner_registration": ("arc", "frgn_reg_no", "alien_no"),
    "business_registration": ("bizno", "biz_reg_no", "corp_no"),
    "credit_card": ("card_no", "cc_num", "card"),
    "bank_account": ("acct_no", "bank_acct", "payout_account"),
    "driver_license": ("dl_no", "licence_no", "driver_lic"),
    "birth_date": ("birth", "birthday", "dob", "birth_ymd"),
    "passport": ("passport_no", "pp_no"),
}
VCARD_KEYS = {"phone": ("TEL;TYPE=CELL", "TEL;CELL", "TEL"), "email": ("EMAIL;TYPE=INTERNET", "EMAIL"),
              "birth_date": ("BDAY",)}
# One-word cues of ledgers and sticky notes.
CUES = {"resident": ("주민", "주)"), "foreigner_registration": ("외국인", "외)"), "business_registration": ("사업자", "사)"),
        "credit_card": ("카드", "card"), "driver_license": ("면허", "운면"), "birth_date": ("생", "생일"), "passport": ("여권", "PP"),
        "email": ("메일", "이멜"), "phone": ("폰", "tel", "☏"), "bank_account": ("계좌", "통장")}
# Whose a value is, in brackets after it.
OWNER_AFTER = {"phone": ("(본인)", "(남편)", "(아내)", "(자녀)", "(집)", "(사무실 아님)"), "email": ("(본인 메일)",),
               "bank_account": ("(본인)", "(예금주 동일)"), "birth_date": ("(양력)", "(음력)")}

SAYINGS = {
    "phone": ("연락은 {v} 로 주세요", "제 폰 {v} 입니다", "{v} 로 문자 남겨 주세요", "핸드폰 번호 {v} 예요",
              "번호 바뀌었어요 {v} 로 저장해 주세요", "부재 시 {v} 로 연락 바랍니다"),
    "email": ("메일은 {v} 로 주세요", "이메일 주소 {v} 남깁니다", "서류는 {v} 로 부탁드립니다"),
    "resident": ("주민등록번호 {v} 입니다", "주민번호는 {v} 이고요", "본인 주민번호 {v} 확인 부탁드려요"),
    "foreigner_registration": ("외국인등록번호 {v} 입니다", "등록증 번호는 {v} 이에요"),
    "business_registration": ("계산서는 사업자번호 {v} 로 끊어 주세요", "저희 사업자등록번호 {v} 입니다"),
    "credit_card": ("카드 {v} 로 결제 부탁드려요", "결제카드 번호 {v} 입니다"),
    "bank_account": ("{bank} {v} 로 입금해 주세요", "{bank} {v} 예금주 {holder} 입니다", "돈은 {bank} {v} 로 부쳐 주세요"),
    "driver_license": ("운전면허번호 {v} 입니다", "면허번호는 {v} 요"),
    "birth_date": ("생년월일 {v} 입니다", "생일이 {v} 이에요", "{v} 생이에요"),
    "passport": ("여권번호 {v} 입니다", "여권 번호는 {v} 예요"),
}
DIALECT_SAYINGS = {
    "경상": ("내 폰은 {v} 이다", "{v} 로 전화 넣어 주소", "번호 {v} 맞심더"),
    "전라": ("내 전화번호 {v} 잉께", "{v} 로 연락 주씨요", "번호는 {v} 랑께요"),
    "충청": ("내 번호는 {v} 여", "{v} 로 전화 혀유", "번호 {v} 구먼유"),
    "제주": ("이 번호 {v} 우다", "{v} 로 전화 줍서예", "나 전화 {v} 라마씀"),
    "강원": ("번호 {v} 래요", "{v} 로 연락 주래요", "내 전화는 {v} 드래요"),
}
DIALECT_ENDINGS = {
    "경상": ("욕봤심더", "알겠심니더", "퍼뜩 해 주이소", "고맙데이"),
    "전라": ("허벌나게 고맙소", "그라제 알았어라", "낼 보드라고잉", "잘 부탁해라잉"),
    "충청": ("그류 알겄슈", "고맙구먼유", "천천히 혀도 돼유", "낼 봐유 잉"),
    "제주": ("고맙수다게", "알아수다", "혼저 옵서", "경 헙서"),
    "강원": ("알았드래요", "고맙드래요", "그래 하드래요", "낼 보드래요"),
    "표준": ("감사합니다!", "네 확인했습니다", "잘 부탁드립니다", "알겠습니다~"),
}
ORG_SAYINGS = ("{label} {n}", "{label}{topic} {n} 입니다", "{label} {n} 확인했습니다", "({label} {n})", "{label}: {n} 참고 바랍니다")
_SAYINGS = Sayings(SAYINGS, DIALECT_SAYINGS, ORG_SAYINGS)

# --------------------------------------------------------------------------- genres

G = Genre
GENRES = (
    G("screen_golf_league", ("스크린골프 월례 리그 참가 신청", "리그 회비 정산"), ("필드존 스크린골프 OO점", "목요 스크린 리그 총무"),
      {"phone": 0.9, "bank_account": 0.4, "birth_date": 0.2}, {"phone": ("핸디 등록 연락처",)},
      ("score", "amount", "event_date", "org_account", "time_slot"), ("form", "kakao", "notice", "ledger", "csv"),
      ("이번 달 리그는 둘째 주 목요일입니다", "핸디는 지난 3회 평균으로 정합니다", "늦으시는 분은 단톡에 미리 말씀 주세요")),
    G("market_voucher_exchange", ("온누리상품권 환전 신청서", "가맹점 상품권 회수 대장"), ("OO시장 상인회", "OO전통시장 고객지원센터"),
      {"phone": 0.8, "business_registration": 0.9, "bank_account": 0.8}, {"bank_account": ("환전대금 입금 계좌",)},
      ("amount", "plain_amount", "receipt_number", "office_main_phone", "member_number"), ("form", "scan", "ledger", "receipt", "sms"),
      ("상품권은 권종별로 묶어서 가져와 주세요", "환전 대금은 영업일 기준 이틀 뒤 입금됩니다", "가맹점 스티커가 없는 점포는 환전이 어렵습니다"), old=True),
    G("ginseng_contract_growing", ("인삼 계약재배 신청서", "수삼 수매 약정"), ("OO인삼농협", "인삼경작 지도소"),
      {"phone": 0.9, "resident": 0.6, "bank_account": 0.7, "birth_date": 0.3}, {"bank_account": ("수매대금 계좌",)},
      ("area_size", "farm_id", "contract_number", "weight", "plain_amount", "coordinates"), ("form", "scan", "transcript", "ledger", "elderly"),
      ("6년근 기준으로 계약합니다", "해가림 시설 점검 일정은 따로 알려 드립니다", "수매 등급은 현장 검수로 정합니다"), old=True, region="충청"),
    G("livestock_auction", ("한우 경매 출하 신청", "가축시장 낙찰 대금 정산"), ("OO축협 가축시장", "OO군 한우 경매장"),
      {"phone": 0.9, "bank_account": 0.7, "resident": 0.4, "business_registration": 0.3}, {"phone": ("출하주 연락처",)},
      ("ear_tag", "lot_number", "weight", "plain_amount", "vehicle_plate", "event_date"), ("form", "ledger", "notice", "transcript", "sms"),
      ("계류장 입고는 경매 전날 오후 네 시까지입니다", "귀표가 떨어진 소는 출하가 안 됩니다", "낙찰 대금은 사흘 안에 정산합니다"), old=True, region="경상"),
    G("mountain_shelter", ("대피소 예약 확인", "대피소 이용 명단"), ("국립공원 OO사무소", "OO산 대피소"),
      {"phone": 0.9, "birth_date": 0.5, "email": 0.3}, {"phone": ("비상 연락처",)},
      ("ticket_number", "event_date", "amount", "public_hotline", "coordinates"), ("form", "sms", "notice", "cafe", "json"),
      ("입산 시간 제한을 꼭 지켜 주세요", "취사는 지정된 장소에서만 가능합니다", "기상 악화 시 예약이 취소될 수 있습니다")),
    G("picture_framing", ("액자 주문서", "표구 맡김 증"), ("OO화방 표구사", "갤러리 액자 공방"),
      {"phone": 0.9, "bank_account": 0.3, "email": 0.3}, {},
      ("order_number", "amount", "event_date", "office_main_phone", "model_number"), ("receipt", "memo", "sms", "kakao", "form"),
      ("무반사 유리로 할지 일반 유리로 할지 정해 주세요", "족자는 배접에 일주일 걸립니다", "찾으러 오실 때 이 증을 가져오세요")),
    G("pc_assembly_order", ("조립 PC 견적 및 주문", "PC 조립 AS 접수"), ("컴마을 조립PC", "OO컴퓨터 용산점"),
      {"phone": 0.9, "email": 0.5, "credit_card": 0.3, "business_registration": 0.2}, {},
      ("model_number", "serial_number", "order_number", "amount", "version_number", "tracking_number"), ("form", "email", "kakao", "receipt", "json"),
      ("그래픽카드는 재고 확인 후 다시 안내드립니다", "윈도우 설치는 선택 사항입니다", "택배 발송 시 완충재를 넣어 보냅니다")),
    G("ornamental_fish_shop", ("관상어 분양 예약", "수조 관리 정기 방문"), ("물고기나라 수족관", "OO아쿠아 샵"),
      {"phone": 0.9, "bank_account": 0.3}, {},
      ("amount", "event_date", "model_number", "office_main_phone"), ("kakao", "memo", "cafe", "receipt", "sms"),
      ("물맞춤은 최소 한 시간 해 주세요", "구피 치어는 다음 주에 분양 가능합니다", "히터 고장은 교환해 드립니다")),
    G("perfume_workshop", ("향수 만들기 원데이 클래스", "조향 클래스 수강 신청"), ("향기공방 라벤더", "조향 스튜디오"),
      {"phone": 0.8, "email": 0.4, "birth_date": 0.3}, {"birth_date": ("생일(탄생화 추천용)",)},
      ("amount", "event_date", "time_slot", "coupon_code", "org_account"), ("form", "kakao", "sms", "cafe", "csv"),
      ("베이스 노트는 현장에서 고르실 수 있어요", "향료 알레르기가 있으면 미리 말씀해 주세요", "완성품은 2주 숙성 후 사용하세요")),
    G("leather_craft", ("가죽공예 정규반 등록", "가죽 지갑 주문 제작"), ("손가죽 공방", "OO 레더 스튜디오"),
      {"phone": 0.8, "email": 0.3, "bank_account": 0.3}, {},
      ("amount", "order_number", "event_date", "org_account", "coupon_code"), ("kakao", "form", "memo", "email", "receipt"),
      ("각인은 영문 열 자까지 가능합니다", "재료비는 첫 수업 때 받습니다", "염색 색상은 샘플 보고 정해요")),
    G("fuel_station_fleet_tab", ("주유소 외상 거래처 등록", "월말 주유 외상 정산"), ("OO셀프주유소", "OO농협 주유소"),
      {"phone": 0.8, "business_registration": 0.7, "bank_account": 0.4, "driver_license": 0.3, "credit_card": 0.3}, {},
      ("vehicle_plate", "plain_amount", "meter_reading", "approval_number", "office_main_phone"), ("ledger", "form", "receipt", "csv", "memo"),
      ("외상은 등록된 차량만 가능합니다", "정산은 매월 말일 기준입니다", "경유와 휘발유를 구분해서 적어 주세요"), region="전라"),
    G("body_shop_estimate", ("판금 도색 견적서", "사고 차량 수리 접수"), ("OO자동차공업사", "OO 덴트 도색"),
      {"phone": 0.9, "driver_license": 0.3, "bank_account": 0.3, "business_registration": 0.2}, {},
      ("vehicle_plate", "policy_number", "amount", "meter_reading", "receipt_number", "office_main_phone"), ("form", "kakao", "email", "receipt", "scan"),
      ("보험 처리 여부에 따라 견적이 달라집니다", "부품은 순정품으로 교체합니다", "출고 전에 사진 보내 드릴게요")),
    G("elderly_emergency_alarm", ("응급안전안심서비스 신청서", "독거 어르신 응급장비 설치 확인"), ("OO구 노인복지관", "응급관리요원 OO센터"),
      {"phone": 1.0, "resident": 0.7, "birth_date": 0.6}, {"phone": ("보호자 연락처", "자녀 연락처")},
      ("serial_number", "public_hotline", "office_main_phone", "event_date", "room_number"), ("form", "scan", "transcript", "elderly", "transposed"),
      ("화재 감지기와 활동 감지기를 같이 설치합니다", "응급 버튼을 누르면 소방서로 연결됩니다", "장비는 무상으로 빌려 드립니다"), old=True, region="경상"),
    G("census_enumerator", ("인구주택총조사 조사원 모집", "조사원 수당 지급 명단"), ("OO시 통계 담당", "OO동 행정복지센터"),
      {"phone": 0.9, "resident": 0.7, "bank_account": 0.8, "email": 0.3}, {"bank_account": ("수당 입금 계좌",)},
      ("plain_amount", "receipt_number", "office_main_phone", "event_date", "postal_code"), ("form", "csv", "notice", "email", "transposed"),
      ("조사 기간은 보름이며 하루 여섯 시간 근무합니다", "태블릿은 교육 날 나눠 드립니다", "수당은 조사가 끝난 달 말에 나갑니다")),
    G("polling_station_staff", ("투표사무원 신청서", "투표관리관 위촉 명단"), ("OO구 선거관리위원회", "OO동 주민센터"),
      {"phone": 0.9, "resident": 0.6, "bank_account": 0.7, "birth_date": 0.3}, {"bank_account": ("수당 계좌",)},
      ("plain_amount", "event_date", "time_slot", "office_main_phone", "room_number"), ("form", "csv", "notice", "sms", "two_column"),
      ("투표 당일 새벽 다섯 시까지 오셔야 합니다", "수당은 선거 후 일괄 지급합니다", "정당 가입자는 신청할 수 없습니다")),
    G("youth_savings_account", ("청년 적금 가입 신청", "청년 자산형성 통장 서류"), ("OO은행 영업점", "청년정책 상담창구"),
      {"phone": 0.9, "resident": 0.7, "bank_account": 0.9, "email": 0.4}, {"bank_account": ("적금 자동이체 계좌",)},
      ("plain_amount", "percentage", "due_date", "call_centre", "contract_number"), ("form", "email", "kakao", "transcript", "json"),
      ("소득 기준 확인 서류를 같이 내 주세요", "매달 같은 날 자동이체됩니다", "중도 해지하면 지원금이 빠집니다")),
    G("car_tax_prepayment", ("자동차세 연납 신청", "자동차세 환급 계좌 신고"), ("OO구청 세무과", "OO시 차량 민원"),
      {"phone": 0.8, "resident": 0.7, "bank_account": 0.6, "business_registration": 0.2}, {"bank_account": ("환급금 계좌",)},
      ("vehicle_plate", "tax_number", "plain_amount", "due_date", "virtual_account", "office_main_phone"), ("form", "sms", "scan", "transcript", "web_log"),
      ("1월에 내시면 할인이 가장 큽니다", "차량을 팔면 남은 기간 세금을 돌려 드립니다", "전자납부번호로 인터넷 납부도 됩니다")),
    G("earned_income_credit", ("근로장려금 신청서", "장려금 지급 계좌 변경"), ("OO세무서", "장려금 상담 창구"),
      {"phone": 0.9, "resident": 0.8, "bank_account": 0.8}, {"bank_account": ("장려금 받을 계좌",)},
      ("plain_amount", "receipt_number", "call_centre", "due_date", "issue_date"), ("form", "transcript", "elderly", "sms", "scan"),
      ("배우자 소득도 함께 적어야 합니다", "신청 기간이 지나면 지급액이 줄어듭니다", "재산 기준을 넘으면 대상이 아닙니다"), old=True),
    G("health_premium_adjustment", ("건강보험료 조정 신청", "지역가입자 보험료 조정 서류"), ("건강보험 OO지사", "보험료 상담"),
      {"phone": 0.9, "resident": 0.8, "bank_account": 0.4, "business_registration": 0.3}, {},
      ("plain_amount", "member_number", "call_centre", "issue_date", "receipt_number"), ("form", "transcript", "scan", "email", "two_column"),
      ("폐업했는데 보험료가 그대로 나옵니다", "소득이 줄어든 걸 증빙하면 다시 계산합니다", "조정되면 다음 달 고지서부터 반영됩니다")),
    G("ham_radio_club", ("아마추어무선 동호회 가입 신청", "무선국 공동 운용 명단"), ("한빛 무선클럽", "OO지부 무선 동호회"),
      {"phone": 0.8, "email": 0.6, "birth_date": 0.3, "bank_account": 0.2}, {"phone": ("비상 연락(무선 안 될 때)",)},
      ("call_sign", "frequency", "coordinates", "event_date", "org_account"), ("form", "cafe", "csv", "email", "minutes"),
      ("정기 교신은 매주 토요일 밤입니다", "안테나 공동 작업 참석 부탁드립니다", "무선국 허가증 사본을 올려 주세요")),
    G("stargazing_night", ("별 보기 체험 신청", "천문대 야간 관측 예약"), ("OO시민천문대", "별빛마을 관측소"),
      {"phone": 0.9, "birth_date": 0.4, "email": 0.3}, {},
      ("ticket_number", "event_date", "time_slot", "amount", "coordinates"), ("form", "sms", "kakao", "cafe", "notice"),
      ("흐리면 실내 프로그램으로 바뀝니다", "겉옷을 두껍게 챙겨 오세요", "망원경은 손대지 말아 주세요"), young=True),
    G("birdwatching_tour", ("철새 탐조 투어 참가 신청", "탐조 버스 탑승 명단"), ("OO습지 생태관", "탐조 동호회"),
      {"phone": 0.9, "birth_date": 0.4, "email": 0.2}, {},
      ("coordinates", "event_date", "bus_route", "amount", "time_slot"), ("form", "cafe", "notice", "kakao", "minutes"),
      ("쌍안경은 현장에서 빌려 드립니다", "밝은 색 옷은 피해 주세요", "관찰 기록지는 돌아와서 걷습니다"), region="전라"),
    G("janggi_tournament", ("장기 대회 참가 신청", "경로당 장기 대회 대진표"), ("OO구 장기협회", "OO경로당 연합회"),
      {"phone": 0.9, "birth_date": 0.6, "bank_account": 0.2}, {},
      ("score", "event_date", "time_slot", "amount", "office_main_phone"), ("form", "notice", "elderly", "ledger", "transcript"),
      ("대국 시간은 한 판 이십 분입니다", "상품은 쌀과 상품권입니다", "참가비는 당일 현장에서 받습니다"), old=True, region="충청"),
    G("ssireum_contest", ("민속 씨름 대회 참가 신청", "씨름 대회 상금 지급 명단"), ("OO군 체육회", "단오제 씨름 운영위"),
      {"phone": 0.9, "birth_date": 0.6, "resident": 0.4, "bank_account": 0.6}, {"bank_account": ("상금 입금 계좌",)},
      ("weight", "score", "event_date", "plain_amount", "office_main_phone"), ("form", "notice", "csv", "ledger", "transposed"),
      ("체급은 대회 당일 계체로 정합니다", "샅바는 주최 측에서 준비합니다", "상금은 세금을 뗀 금액입니다"), region="경상"),
    G("township_games", ("면민 체육대회 선수 명단", "면민의 날 행사 준비"), ("OO면 체육회", "OO면 이장단"),
      {"phone": 0.9, "birth_date": 0.4, "bank_account": 0.2}, {},
      ("event_date", "amount", "score", "office_main_phone", "bus_route"), ("notice", "ledger", "kakao", "minutes", "elderly"),
      ("마을별로 줄다리기 선수 열 명씩 내 주세요", "점심은 면사무소에서 준비합니다", "경품 추첨은 폐회식 때 합니다"), old=True, region="강원"),
    G("consensual_divorce", ("협의이혼 의사확인 신청", "양육비 부담 조서"), ("OO가정법원", "법률 상담소"),
      {"phone": 0.8, "resident": 0.9, "bank_account": 0.5, "email": 0.2}, {"bank_account": ("양육비 받을 계좌",)},
      ("case_number", "event_date", "plain_amount", "office_main_phone", "receipt_number"), ("form", "scan", "email", "two_column", "transposed"),
      ("숙려기간이 지난 뒤 확인 기일이 잡힙니다", "미성년 자녀가 있으면 상담을 먼저 받아야 합니다", "양육비는 매월 말일에 보냅니다")),
    G("paternity_test", ("유전자 검사 동의서", "친자 확인 검사 의뢰"), ("OO유전자분석센터", "검사 접수 창구"),
      {"phone": 0.8, "resident": 0.8, "birth_date": 0.5, "email": 0.3, "foreigner_registration": 0.2, "passport": 0.3}, {},
      ("receipt_number", "amount", "event_date", "shared_mailbox", "office_main_phone"), ("form", "scan", "email", "sms", "bilingual"),
      ("구강 상피 채취는 면봉으로 합니다", "결과는 본인에게만 알려 드립니다", "검체는 검사 후 폐기합니다"), young=True),
    G("child_support_enforcement", ("양육비 이행 지원 신청", "양육비 미지급 추심 상담"), ("양육비이행관리원", "OO 법률구조"),
      {"phone": 0.9, "resident": 0.8, "bank_account": 0.8, "birth_date": 0.3}, {"bank_account": ("양육비 입금 계좌",)},
      ("case_number", "plain_amount", "public_hotline", "receipt_number", "due_date"), ("form", "transcript", "email", "kakao", "scan"),
      ("판결문이나 조정조서 사본이 필요합니다", "상대방 주소를 모르면 조회를 요청하세요", "지급 내역을 통장 사본으로 내 주세요"), young=True),
    G("will_drafting", ("유언 공정증서 작성 상담", "자필 유언장 보관 의뢰"), ("OO합동법률사무소", "OO 공증인 사무소"),
      {"phone": 0.8, "resident": 0.9, "bank_account": 0.5, "birth_date": 0.3}, {},
      ("registry_number", "area_size", "event_date", "office_main_phone", "amount"), ("form", "scan", "email", "transcript", "two_column"),
      ("증인 두 명이 함께 오셔야 합니다", "부동산 목록은 등기부 기준으로 적어 주세요", "유언 집행자를 정해 두시면 좋습니다"), old=True),
    G("greenhouse_repair", ("비닐하우스 보수 견적", "하우스 비닐 교체 작업 일지"), ("OO 하우스 시공", "OO농자재"),
      {"phone": 0.9, "bank_account": 0.5, "business_registration": 0.3}, {},
      ("area_size", "amount", "event_date", "farm_id", "weight"), ("memo", "kakao", "ledger", "elderly", "receipt"),
      ("바람 부는 날은 비닐 작업을 못 합니다", "파이프는 25mm로 보강합니다", "폐비닐은 수거해 갑니다"), old=True, region="전라"),
    G("crop_disaster_insurance", ("농작물재해보험 가입 청약", "우박 피해 손해 평가 요청"), ("OO농협 보험 창구", "손해평가반"),
      {"phone": 0.9, "resident": 0.7, "bank_account": 0.7}, {"bank_account": ("보험금 받을 계좌",)},
      ("policy_number", "area_size", "farm_id", "plain_amount", "issue_date", "coordinates"), ("form", "transcript", "scan", "sms", "elderly"),
      ("피해 사진을 날짜가 나오게 찍어 두세요", "보험료의 절반은 정부가 지원합니다", "가입 마감일이 품목마다 다릅니다"), old=True),
    G("fish_farm_feed", ("양식장 사료 주문", "사료 외상 정산표"), ("OO수산 사료 대리점", "OO 넙치 양식장"),
      {"phone": 0.9, "business_registration": 0.7, "bank_account": 0.6}, {},
      ("weight", "plain_amount", "hull_number", "order_number", "event_date"), ("ledger", "sms", "kakao", "receipt", "form"),
      ("사료는 새벽 배로 들어갑니다", "태풍 예보가 있으면 배송을 미룹니다", "빈 포대는 모아 두세요"), region="제주"),
    G("tidal_flat_outing", ("갯벌 체험 단체 예약", "갯벌 체험 참가자 명단"), ("OO어촌계 체험마을", "바다학교 체험장"),
      {"phone": 0.9, "birth_date": 0.5, "bank_account": 0.2}, {},
      ("time_slot", "event_date", "amount", "ticket_number", "weight"), ("form", "notice", "sms", "kakao", "csv"),
      ("물때에 맞춰 시간을 정합니다", "장화와 호미는 빌려 드립니다", "캔 조개는 1인 1kg까지 가져가실 수 있어요"), young=True, region="전라"),
    G("tax_free_fuel_quota", ("어업용 면세유 배정 신청", "면세유 사용 실적 보고"), ("OO수협 유류 담당", "OO어촌계"),
      {"phone": 0.9, "resident": 0.6, "business_registration": 0.4, "bank_account": 0.3}, {},
      ("hull_number", "plain_amount", "meter_reading", "issue_date", "member_number"), ("form", "ledger", "transcript", "elderly", "scan"),
      ("출항 기록과 사용량이 맞아야 합니다", "배정량은 분기마다 바뀝니다", "면세유를 다른 데 쓰면 환수합니다"), old=True, region="경상"),
    G("neighbourhood_gig", ("동네 심부름 구해요", "하루 알바 구합니다"), ("동네생활 게시판", "OO동 이웃 모임"),
      {"phone": 0.9, "bank_account": 0.5}, {},
      ("amount", "time_slot", "event_date", "room_number"), ("cafe", "kakao", "sms", "memo"),
      ("이사 짐 옮기는 데 두 시간이면 됩니다", "강아지 산책 한 시간 부탁드려요", "끝나면 바로 송금해 드릴게요")),
    G("game_guild", ("길드 가입 신청", "길드 오프라인 모임 회비"), ("달빛 길드", "OO서버 연합"),
      {"phone": 0.6, "email": 0.6, "bank_account": 0.5, "birth_date": 0.3}, {},
      ("coupon_code", "amount", "event_date", "ip_address", "score"), ("cafe", "kakao", "json", "web_log", "csv"),
      ("레이드는 밤 열 시에 시작합니다", "잠수 일주일이면 자동 탈퇴입니다", "정모 장소는 투표로 정해요")),
    G("intercity_carpool", ("주말 카풀 모집", "출퇴근 카풀 동승자 명단"), ("카풀 오픈채팅방", "OO혁신도시 카풀 모임"),
      {"phone": 0.9, "bank_account": 0.5, "driver_license": 0.4}, {"driver_license": ("운전자 면허번호",)},
      ("vehicle_plate", "amount", "time_slot", "event_date"), ("kakao", "cafe", "csv", "memo"),
      ("출발은 터미널 앞 편의점입니다", "유류비는 n분의 1로 나눕니다", "늦으면 기다리지 않고 출발합니다")),
    G("streaming_share", ("OTT 파티원 모집", "구독 공유 정산"), ("파티 공유 카페", "구독 나눔방"),
      {"email": 0.8, "bank_account": 0.7, "phone": 0.4}, {"email": ("계정 초대 메일",)},
      ("amount", "due_date", "coupon_code", "ip_address"), ("cafe", "kakao", "memo", "ledger"),
      ("매달 25일에 파티비 보내 주세요", "프로필 이름은 본인 이름으로 해 주세요", "비밀번호는 바꾸지 말아 주세요")),
    G("idol_birthday_cafe", ("생일카페 특전 신청", "생카 후원 입금자 명단"), ("생일카페 총대", "OO 팬 연합"),
      {"email": 0.5, "bank_account": 0.6, "phone": 0.6}, {},
      ("amount", "event_date", "ticket_number", "org_account", "time_slot"), ("cafe", "kakao", "ledger", "notice", "csv"),
      ("특전은 선착순이라 일찍 오세요", "입금자명은 트위터 닉네임으로 해 주세요", "남은 후원금은 기부합니다"), young=True),
    G("restaurant_shift_roster", ("홀 아르바이트 근무표", "주방 보조 채용 서류"), ("OO국밥 본점", "OO 이자카야"),
      {"phone": 0.9, "bank_account": 0.7, "resident": 0.5, "foreigner_registration": 0.3, "passport": 0.25}, {"bank_account": ("급여 계좌",)},
      ("time_slot", "plain_amount", "event_date", "office_main_phone", "business_hours"), ("csv", "form", "kakao", "memo", "transposed"),
      ("보건증 없으면 첫 출근 전에 만들어 오세요", "주휴수당 포함해서 계산합니다", "대타는 단톡에 먼저 올려 주세요")),
    G("delivery_app_store_settlement", ("배달앱 입점 서류", "배달 매출 정산 문의"), ("OO치킨 OO점", "배달앱 사장님 센터"),
      {"phone": 0.8, "business_registration": 0.9, "bank_account": 0.8, "email": 0.4}, {"bank_account": ("정산 계좌",)},
      ("plain_amount", "percentage", "order_number", "call_centre", "contract_number"), ("form", "email", "json", "transcript", "web_log"),
      ("정산은 주 단위로 들어옵니다", "중개 수수료와 결제 수수료는 따로입니다", "영업신고증 사본이 필요합니다")),
    G("site_canteen_tab", ("현장 함바 식대 장부", "식권 외상 정산"), ("OO건설 현장 식당", "OO 함바집"),
      {"phone": 0.8, "bank_account": 0.5, "resident": 0.3, "foreigner_registration": 0.4, "passport": 0.2}, {},
      ("plain_amount", "event_date", "time_slot", "office_main_phone"), ("ledger", "memo", "csv", "kakao"),
      ("식대는 노임 날 한꺼번에 받습니다", "저녁은 잔업하는 날만 나옵니다", "외국인 형님들 이름은 영문으로 적어요")),
    G("hair_designer_commission", ("디자이너 인센티브 정산", "미용실 프리랜서 계약"), ("OO헤어 본점", "살롱 OO"),
      {"phone": 0.8, "resident": 0.6, "bank_account": 0.8, "email": 0.2}, {"bank_account": ("정산 받을 계좌",)},
      ("percentage", "plain_amount", "event_date", "contract_number", "business_hours"), ("form", "csv", "kakao", "ledger", "two_column"),
      ("인센티브는 시술 매출의 사십 퍼센트입니다", "3.3% 떼고 드립니다", "휴무는 월 여섯 번입니다")),
    G("bakery_wholesale", ("제과 납품 거래처 등록", "빵 납품 월 정산"), ("OO제과 공장", "동네빵집 OO"),
      {"phone": 0.8, "business_registration": 0.9, "bank_account": 0.6, "email": 0.4}, {},
      ("order_number", "plain_amount", "event_date", "vehicle_plate", "time_slot"), ("form", "ledger", "email", "receipt", "csv"),
      ("납품은 매일 아침 여섯 시 반입니다", "반품은 당일 오후까지 받습니다", "계산서는 월말에 한 번 발행합니다")),
    G("maths_contest", ("수학 경시대회 응시 원서", "경시대회 수상자 명단"), ("OO교육청 영재교육원", "OO수학 학원연합"),
      {"phone": 0.9, "birth_date": 0.8, "email": 0.4, "resident": 0.2}, {"phone": ("학부모 연락처",)},
      ("school_class", "score", "receipt_number", "event_date", "ticket_number"), ("form", "notice", "csv", "sms", "email"),
      ("계산기는 쓸 수 없습니다", "수험표는 시험 사흘 전에 나옵니다", "시상식은 학교로 따로 안내합니다"), young=True),
    G("bookstart_programme", ("북스타트 꾸러미 신청", "아기 책꾸러미 수령 명단"), ("OO시립도서관", "작은도서관 OO"),
      {"phone": 0.9, "birth_date": 0.9, "email": 0.2}, {"birth_date": ("아기 생년월일",)},
      ("event_date", "member_number", "office_main_phone", "postal_code"), ("form", "notice", "sms", "cafe", "two_column"),
      ("꾸러미는 보호자 신분증을 가지고 오셔서 받으세요", "생후 18개월까지 신청할 수 있습니다", "그림책 두 권과 가방이 들어 있어요"), young=True),
    G("daycare_accident_report", ("안전사고 보고서", "어린이집 사고 경위서"), ("OO어린이집", "OO구 보육 담당"),
      {"phone": 0.9, "birth_date": 0.7, "resident": 0.4, "bank_account": 0.2}, {"phone": ("보호자 연락처",)},
      ("event_date", "time_slot", "policy_number", "receipt_number", "office_main_phone"), ("form", "scan", "email", "kakao", "transposed"),
      ("아이는 바로 소아과에 데려가 진료받았습니다", "공제회 보상 청구를 진행합니다", "놀이터 미끄럼틀 계단에서 넘어졌습니다"), young=True),
    G("fingerprint_preregistration", ("아동 지문 사전등록 신청", "사전등록 현장 접수 명단"), ("OO경찰서 여성청소년과", "찾아가는 사전등록 부스"),
      {"phone": 0.9, "birth_date": 0.8, "resident": 0.4}, {"phone": ("보호자 휴대폰",)},
      ("public_hotline", "receipt_number", "event_date", "school_class"), ("form", "notice", "sms", "csv", "scan"),
      ("사진과 지문은 경찰청 시스템에만 보관합니다", "만 18세가 되면 자동 폐기됩니다", "보호자가 꼭 함께 와 주세요"), young=True),
    G("denture_support", ("어르신 틀니 지원 신청", "임플란트 본인부담 경감 서류"), ("OO보건소 구강보건실", "OO치과"),
      {"phone": 0.9, "resident": 0.8, "birth_date": 0.4, "bank_account": 0.3}, {"phone": ("보호자 연락처",)},
      ("receipt_number", "plain_amount", "event_date", "office_main_phone"), ("form", "elderly", "transcript", "scan", "sms"),
      ("만 65세 이상이면 본인부담이 줄어듭니다", "본을 뜨고 두 주 뒤에 맞춰 봅니다", "기초수급자는 전액 지원됩니다"), old=True, region="경상"),
    G("senior_transit_card", ("어르신 교통카드 발급 신청", "우대용 교통카드 재발급"), ("OO동 행정복지센터", "교통카드 발급 창구"),
      {"phone": 0.9, "resident": 0.8, "bank_account": 0.3}, {},
      ("serial_number", "issue_date", "bus_route", "office_main_phone", "amount"), ("form", "elderly", "transcript", "scan", "notice"),
      ("사진은 최근 6개월 안에 찍은 것이어야 합니다", "분실하면 바로 정지 신고를 하세요", "지하철 무료는 만 65세부터입니다"), old=True, region="제주"),
    G("orthodontic_contract", ("교정 치료 계약서", "교정비 분납 약정"), ("OO교정치과", "바른이 치과"),
      {"phone": 0.9, "resident": 0.5, "credit_card": 0.5, "bank_account": 0.3, "birth_date": 0.4}, {"phone": ("보호자 연락처",)},
      ("contract_number", "plain_amount", "due_date", "office_main_phone", "approval_number"), ("form", "email", "sms", "receipt", "two_column"),
      ("장치는 한 달에 한 번 조입니다", "유지 장치 비용은 별도입니다", "중간에 그만두면 남은 금액을 정산합니다"), young=True),
    G("diabetes_supply_refund", ("당뇨 소모성 재료 요양비 청구", "연속혈당측정기 급여 신청"), ("OO약국", "건강보험 요양비 창구"),
      {"phone": 0.8, "resident": 0.8, "bank_account": 0.8}, {"bank_account": ("요양비 입금 계좌",)},
      ("serial_number", "plain_amount", "receipt_number", "model_number", "issue_date"), ("form", "scan", "transcript", "email", "web_log"),
      ("처방전과 영수증을 함께 내야 합니다", "센서는 2주마다 바꿉니다", "청구는 구입일로부터 3년 안에 하세요")),
    G("rare_disease_aid", ("희귀질환자 의료비 지원 신청", "산정특례 등록 서류"), ("OO보건소", "희귀질환 지원 창구"),
      {"phone": 0.9, "resident": 0.9, "bank_account": 0.7, "birth_date": 0.3}, {"bank_account": ("지원금 입금 계좌",)},
      ("receipt_number", "plain_amount", "issue_date", "public_hotline", "office_main_phone"), ("form", "scan", "email", "transposed", "transcript"),
      ("진단서는 3개월 안에 발급된 것이어야 합니다", "소득 재산 조사 후 지원 여부를 알려 드립니다", "간병비도 함께 신청할 수 있습니다")),
    G("jeonse_fraud_victim", ("전세사기 피해자 결정 신청", "피해 지원 상담 기록"), ("전세피해지원센터", "OO구 주거복지센터"),
      {"phone": 0.9, "resident": 0.8, "bank_account": 0.6, "email": 0.3}, {"bank_account": ("보증금 반환 계좌",)},
      ("registry_number", "case_number", "plain_amount", "room_number", "contract_number", "public_hotline"), ("form", "email", "transcript", "kakao", "scan"),
      ("임대인이 연락을 받지 않습니다", "경매가 진행 중이라 급합니다", "임대차계약서와 확정일자 사본을 첨부합니다")),
    G("cable_tv_cancellation", ("케이블 방송 해지 신청", "셋톱박스 반납 접수"), ("OO케이블 고객센터", "방송 해지 방어팀"),
      {"phone": 0.9, "resident": 0.4, "bank_account": 0.5, "credit_card": 0.3}, {"bank_account": ("위약금 환불 계좌",)},
      ("serial_number", "contract_number", "call_centre", "plain_amount", "issue_date", "model_number"), ("transcript", "form", "sms", "email", "elderly"),
      ("약정이 석 달 남아 위약금이 있습니다", "셋톱박스는 기사님이 회수합니다", "인터넷은 그대로 쓰실 수 있어요"), old=True),
    G("home_security_contract", ("무인경비 서비스 계약", "보안 출동 연락망 등록"), ("OO시큐리티 지사", "캡스 대리점"),
      {"phone": 0.9, "resident": 0.4, "credit_card": 0.4, "bank_account": 0.4, "business_registration": 0.3}, {"phone": ("출동 시 연락처", "2차 연락처")},
      ("contract_number", "serial_number", "call_centre", "amount", "room_number"), ("form", "email", "transposed", "receipt", "two_column"),
      ("경비 해제는 카드나 지문으로 합니다", "이상 신호가 오면 삼 분 안에 출동합니다", "연락망은 두 명 이상 적어 주세요")),
    G("credit_report_correction", ("신용정보 정정 청구서", "연체 기록 이의 신청"), ("OO신용정보", "신용회복 상담 창구"),
      {"phone": 0.9, "resident": 0.9, "email": 0.4, "credit_card": 0.4, "bank_account": 0.3}, {},
      ("receipt_number", "plain_amount", "call_centre", "issue_date", "contract_number"), ("form", "email", "transcript", "scan", "web_log"),
      ("이미 갚은 대출이 연체로 남아 있습니다", "상환 확인서를 첨부합니다", "처리 결과는 서면으로 받고 싶습니다")),
    G("accident_witness_appeal", ("사고 목격자를 찾습니다", "블랙박스 영상 제보 부탁"), ("OO동 맘카페", "교통사고 유족"),
      {"phone": 0.9, "email": 0.3, "bank_account": 0.1}, {"phone": ("제보 연락처",)},
      ("event_date", "time_slot", "vehicle_plate", "bus_route", "public_hotline", "coordinates"), ("cafe", "notice", "kakao", "sms"),
      ("신호등 앞 횡단보도에서 일어난 일입니다", "사례는 꼭 하겠습니다", "작은 단서라도 연락 부탁드립니다")),
    G("lease_registration_order", ("임차권등기명령 신청서", "임차권 등기 대리 위임"), ("OO지방법원 등기과", "OO법무사 사무소"),
      {"phone": 0.9, "resident": 0.9, "bank_account": 0.3, "email": 0.3}, {},
      ("case_number", "registry_number", "plain_amount", "room_number", "issue_date", "office_main_phone"), ("form", "scan", "email", "two_column", "transposed"),
      ("계약 기간이 끝났는데 보증금을 못 받았습니다", "등기가 되면 이사를 나가도 대항력이 남습니다", "결정문은 우편으로 옵니다")),
    G("robotics_competition", ("청소년 로봇 대회 참가 신청", "로봇 대회 팀 명단"), ("OO과학관", "로봇교육협회 OO지부"),
      {"phone": 0.9, "birth_date": 0.8, "email": 0.5}, {"phone": ("지도교사 연락처", "학부모 연락처")},
      ("school_class", "score", "model_number", "event_date", "ticket_number", "version_number"), ("form", "csv", "notice", "email", "json"),
      ("로봇 크기는 가로세로 30cm 이내입니다", "배터리는 예비로 하나 더 챙기세요", "코딩은 현장에서 수정할 수 있습니다"), young=True),
)

FORMS = ("form", "scan", "fullwidth", "bilingual", "two_column", "transposed", "vcard", "csv", "json", "web_log",
         "kakao", "cafe", "transcript", "email", "sms", "notice", "receipt", "ledger", "memo", "minutes", "elderly")
# Forms any genre is written in now and then, beside its own.
ANY_GENRE_FORMS = ("vcard", "json", "web_log", "bilingual", "fullwidth", "two_column", "minutes", "memo", "csv")

# Kinds any genre may ask for now and then, so that every kind reaches every form.
NOW_AND_THEN = {"email": 0.1, "birth_date": 0.12, "bank_account": 0.1, "driver_license": 0.14, "passport": 0.17,
                "foreigner_registration": 0.13, "business_registration": 0.09, "credit_card": 0.1, "resident": 0.06}

# --------------------------------------------------------------------------- a person's fields


def _label_for(r: random.Random, genre: Genre, kind: str, w: labelled.Written) -> str:
    if w.writing == "relay_050":
        return r.choice(("안심번호", "050 번호"))
    if w.writing.startswith("landline"):
        return r.choice(("자택 전화", "집 전화", "집 번호"))
    own = genre.labels.get(kind, ())
    return r.choice(own) if own and r.random() < 0.5 else r.choice(LABELS[kind])


def person(r: random.Random, genre: Genre, fewer: bool = False) -> list[Field]:
    """A person's name, then the values the genre asks of them in the order of KINDS."""
    fields = [Field(r.choice(("성명", "이름", "신청인", "성  명")), "name", text=person_name(r))]
    kinds = {k for k, p in genre.kinds.items() if r.random() < p * (0.55 if k == "phone" else 1)}
    kinds |= {k for k, p in NOW_AND_THEN.items() if r.random() < p * (0.6 if fewer else 1)}
    child = genre.young and r.random() < 0.5
    for kind in sorted(kinds or {"phone"}, key=KINDS.index):
        bank = r.choice(tuple(BANKS)) if kind == "bank_account" else ""
        w = value_of(r, kind, child, genre.old, bank, work=r.random() < 0.12)
        fields.append(Field(_label_for(r, genre, kind, w), r.choice(KEYS[kind]), kind=kind, written=w, bank=bank))
    return fields


def look_alikes(r: random.Random, genre: Genre, count: int) -> list[Field]:
    return look_alike_fields(r, LOOK_ALIKES, genre.look_alikes, count, 0.35)


def one_look_alike(r: random.Random, genre: Genre) -> Field:
    return look_alikes(r, genre, 1)[0]


# Numbers of the organisation itself: the same on every row, so never a column of a roster.
ORGANISATION_WIDE = ("office_main_phone", "call_centre", "fax", "public_hotline", "org_account", "virtual_account",
                     "shared_mailbox", "account_bare_org", "business_hours", "bus_route", "coordinates", "frequency")


def row_look_alike(r: random.Random, genre: Genre) -> Field:
    """A look-alike that differs from one person's row to the next."""
    own = [c for c in genre.look_alikes if c not in ORGANISATION_WIDE] or ["amount"]
    cat = r.choice(own)
    la = LOOK_ALIKES[cat]
    return Field(r.choice(la.labels), la.key, category=cat, text=la.make(r))


def speaks_for_itself(f: Field) -> bool:
    """A value a reader knows with no label: an e-mail address, a mobile or 050 number (a
    landline could be anyone's office)."""
    return f.kind == "email" or f.kind == "phone" and not f.written.writing.startswith("landline")


def only(fields: list[Field], kinds: tuple) -> list[Field]:
    """The name and the values of the given kinds: what a person shows in front of a group."""
    return [f for f in fields if not f.kind or f.kind in kinds]


SHOWN_TO_A_GROUP = ("phone", "email", "bank_account", "birth_date")
TOWNS = ("가람", "한빛", "새솔", "은하", "청솔", "도담", "남산", "동백", "매화", "솔빛", "푸른", "옥천", "장수", "대청",
         "봉화", "보성", "횡성", "영월", "고성", "해남", "진도", "성산", "금강", "소양")


def in_town(r: random.Random, genre: Genre) -> Genre:
    """The genre with its organisations' OO filled by one town's name for the document."""
    town = r.choice(TOWNS)
    return dataclasses.replace(genre, titles=tuple(t.replace("OO", town) for t in genre.titles),
                               orgs=tuple(o.replace("OO", town) for o in genre.orgs))


def _day(r: random.Random) -> str:
    y, m, d = corpus.random_date(r, 2026, 2026)
    return f"{y}. {m}. {d}."


class _Page(Page):
    def __init__(self, genre: str, wide: bool = False) -> None:
        super().__init__(genre, PART, _SAYINGS, full_width, wide)

    def after_label(self, r: random.Random, f: Field, situation: str, label: str, frame: str, glue: str = ": ") -> None:
        """A label, then the field (behind its bank's name when an account), then now and then
        whose it is."""
        self.add(f"{label}{glue}")
        self.bank_then(f, situation, label, frame)
        if f.kind in OWNER_AFTER and r.random() < 0.12:
            self.add(" " + r.choice(OWNER_AFTER[f.kind]))

    def tell(self, r: random.Random, f: Field, holder: str, frame: str, region: str = "표준") -> None:
        """A sentence that carries the field; a landline goes behind its label, since a sentence
        with no word for whose line it is would leave it anyone's."""
        if f.kind == "phone" and f.written.writing.startswith("landline"):
            self.after_label(r, f, "label_space", f.label, frame, " ")
        else:
            self.say(r, f, holder, frame, region)

    def look_alike_line(self, f: Field, lead: str = "", glue: str = ": ", end: str = "\n") -> None:
        self.add(f"{lead}{f.label}{glue}")
        self.field(f, "", "", "line")
        self.add(end)


# --------------------------------------------------------------------------- forms on paper


def write_form(r: random.Random, page: _Page, genre: Genre, form: str) -> None:
    """A filled-in form: title, one or two people's fields, the organisation's own numbers."""
    page.add(f"{r.choice(genre.titles)}\n" + r.choice(("", f"({r.choice(genre.orgs)})\n", "=" * 20 + "\n", "\n")))
    glue = r.choice((": ", " : ", "：", "\t", " ▷ ", "  "))
    for who in range(1 if r.random() < 0.7 else 2):
        if who:
            page.add(r.choice(("\n[보호자]\n", "\n[공동 신청인]\n", "\n[법정대리인]\n", "\n[대리 접수자]\n")))
        for f in person(r, genre):
            if not f.kind:
                page.add(f"{f.label}{glue}{f.text}\n")
                continue
            label = f.label
            if form == "bilingual":
                label = EN_LABELS[f.kind] if r.random() < 0.3 else f"{f.label}({EN_LABELS[f.kind]})"
            if form == "scan":
                if r.random() < 0.35:  # the label printed in a box above the handwriting
                    page.add(f"{label}\n" + r.choice(("", " ", "  ")))
                    page.bank_then(f, "label_above", label, "scan")
                    page.add("\n")
                    continue
                if r.random() < 0.45:
                    f.written = scanned(r, f.written)
                if r.random() < 0.3:  # the scanner dropped the spaces inside the label
                    label = label.replace(" ", "")
            page.after_label(r, f, "label_punct", label, form, glue)
            page.add("\n")
    page.add("\n")
    for f in look_alikes(r, genre, r.randint(2, 4)):
        page.look_alike_line(f, glue=glue)
    page.add(r.choice(genre.lines) + "\n")
    if r.random() < 0.5:
        page.add(f"{_day(r)}   {r.choice(('신청인', '청구인', '위임인', '보호자'))} {r.choice(('(서명 또는 인)', '(인)', '________'))}\n")


def write_two_column(r: random.Random, page: _Page, genre: Genre) -> None:
    """A form copied out of a PDF: two label-value pairs a line, padded apart."""
    page.add(f"{r.choice(genre.titles)}\n{'-' * 40}\n")
    fields = person(r, genre) + look_alikes(r, genre, r.randint(1, 3))
    r.shuffle(fields)
    glue = r.choice((": ", " ", "："))
    for i, f in enumerate(fields):
        if f.kind:
            page.after_label(r, f, "label_punct", f.label, "two_column", glue)
        elif f.category:
            page.add(f"{f.label}{glue}")
            page.field(f, "", "", "two_column")
        else:
            page.add(f"{f.label}{glue}{f.text}")
        page.add(r.choice(("      ", "\t\t", "   |   ")) if i % 2 == 0 else "\n")
    page.add(f"\n{r.choice(genre.lines)}\n")


def write_transposed(r: random.Random, page: _Page, genre: Genre) -> None:
    """A word-processor table: labels down the first column, one person a column."""
    people = [person(r, genre, fewer=True) for _ in range(r.randint(2, 3))]
    heads = ("신청인", "배우자", "자녀") if genre.young else ("본인", "보호자", "대리인")
    kinds = [k for k in KINDS if any(f.kind == k for p in people for f in p)]
    sep = r.choice((" | ", "\t", " │ "))
    page.add(f"{r.choice(genre.titles)}\n구분{sep}" + sep.join(heads[:len(people)]) + "\n")
    page.add(f"성명{sep}" + sep.join(p[0].text for p in people) + "\n")
    for k in kinds:
        label = next(f.label for p in people for f in p if f.kind == k)
        page.add(label)
        for p in people:
            page.add(sep)
            f = next((f for f in p if f.kind == k), None)
            if f is None:
                page.add(r.choice(("", "-", "해당 없음")))
                continue
            page.bank_then(f, "row_label", label, "transposed")
        page.add("\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.add(f"{f.label}{sep}")
        page.field(f, "", "", "transposed")
        page.add("\n")


def write_vcard(r: random.Random, page: _Page, genre: Genre) -> None:
    """Contacts shared from a phone: people's cards beside the organisations' own."""
    for _ in range(r.randint(1, 2)):
        fields = person(r, genre, fewer=True)
        name = fields[0].text
        page.add(f"BEGIN:VCARD\nVERSION:3.0\nN:{name[0]};{name[1:]};;;\nFN:{name}\n")
        for f in fields[1:]:
            if f.kind in VCARD_KEYS:
                key = r.choice(VCARD_KEYS[f.kind])
                page.add(f"{key}:")
                if f.kind == "birth_date":
                    y, m, d = corpus.random_date(r, 1940, 2012)
                    f.written = written("birth_date", r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}{m:02d}{d:02d}")), "vcard_date")
                page.field(f, "vcard_key", key, "vcard")
            else:
                note = f"{f.label} {f.bank + ' ' if f.bank else ''}"
                page.add(f"NOTE:{note}")
                page.field(f, "label_space", f.label, "vcard_note")
            page.add("\n")
        page.add("END:VCARD\n")
    org = r.choice(genre.orgs)
    page.add(f"BEGIN:VCARD\nVERSION:3.0\nFN:{org}\nORG:{org}\n")
    page.add("TEL;TYPE=WORK,VOICE:")
    page.field(Field("TEL", "tel", category="office_main_phone", text=_switchboard(r)), "", "", "vcard")
    page.add("\n")
    if r.random() < 0.6:
        page.add("EMAIL;TYPE=WORK:")
        page.field(Field("EMAIL", "mail", category="shared_mailbox", text=LOOK_ALIKES["shared_mailbox"].make(r)), "", "", "vcard")
        page.add("\n")
    page.add("END:VCARD\n")


# --------------------------------------------------------------------------- exports


def write_csv(r: random.Random, page: _Page, genre: Genre) -> None:
    """A spreadsheet saved as CSV: quoted where a cell holds a comma, one look-alike column."""
    rows = [person(r, genre, fewer=True) for _ in range(r.randint(3, 7))]
    kinds = [k for k in KINDS if any(f.kind == k for row in rows for f in row)][:4] or ["phone"]
    extra = row_look_alike(r, genre)
    sep = r.choice((",", ",", "\t", ";"))
    heads = ["순번", "이름"] + [next((f.label for row in rows for f in row if f.kind == k), LABELS[k][0]) for k in kinds] + [extra.label]
    page.add(sep.join(heads) + "\n")
    for i, row in enumerate(rows, 1):
        page.add(f"{i}{sep}{row[0].text}")
        by_kind = {f.kind: f for f in row if f.kind}
        for k, head in zip(kinds, heads[2:]):
            page.add(sep)
            f = by_kind.get(k)
            if f is None:
                continue
            quote = sep == "," and (" " in f.written.text or f.kind == "bank_account" and r.random() < 0.3)
            page.add('"' if quote else "")
            if quote and f.kind == "bank_account":
                page.add(f"{f.bank} ")
            page.field(f, "column", head, "csv")
            page.add('"' if quote else "")
        page.add(sep)
        text = LOOK_ALIKES[extra.category].make(r)
        quote = sep == "," and "," in text
        page.add('"' if quote else "")
        page.field(Field(extra.label, extra.key, category=extra.category, text=text), "", "", "csv")
        page.add('"' if quote else "")
        page.add("\n")


def write_json(r: random.Random, page: _Page, genre: Genre) -> None:
    """An application's records, one object a line."""
    page.add(f'// {genre.name}.jsonl\n')
    for _ in range(r.randint(1, 4)):
        fields = person(r, genre, fewer=True) + look_alikes(r, genre, r.randint(1, 2))
        page.add("{")
        for j, f in enumerate(fields):
            page.add(f'{", " if j else ""}"{f.key}": "')
            page.field(f, "json_key" if f.kind else "", f.key if f.kind else "", "json")
            page.add('"')
        page.add(f', "status": "{r.choice(("ok", "pending", "done", "hold"))}"}}\n')


def write_web_log(r: random.Random, page: _Page, genre: Genre) -> None:
    """A web server's access log: values in the query strings of form submissions."""
    path = "/" + genre.name.replace("_", "-")
    for _ in range(r.randint(2, 5)):
        ip = LOOK_ALIKES["ip_address"].make(r)
        page.field(Field("ip", "ip", category="ip_address", text=ip), "", "", "web_log")
        y, m, d = corpus.random_date(r, 2026, 2026)
        page.add(f' - - [{d:02d}/{("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")[m - 1]}/{y}:'
                 f'{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d} +0900] "GET {path}/{r.choice(("apply", "submit", "check"))}?')
        fields = [f for f in person(r, genre, fewer=True)[1:] if f.kind != "bank_account" or r.random() < 0.5]
        for f in fields:
            if f.kind == "email":
                f.written = url_encoded(written("email", f.written.text.replace(" 골뱅이 ", "@").replace("(at)", "@"),
                                                "masked" if f.written.masked else "plain"))
            elif f.kind == "birth_date" and not f.written.text.replace("-", "").isdigit():
                y0, m0, d0 = corpus.random_date(r, 1950, 2008)
                f.written = written("birth_date", f"{y0}{m0:02d}{d0:02d}", "query_date")
            elif " " in f.written.text and not f.written.masked:
                f.written = written(f.kind, f.written.text.replace(" ", "+"), "query_plus")
        fields = [f for f in fields if f.written.text.isascii()]
        fields += [f for f in look_alikes(r, genre, 3) if f.text.replace(" ", "+").isascii()][:1]
        for j, f in enumerate(fields):
            page.add(f"{'&' if j else ''}{f.key}=")
            if f.kind:
                page.field(f, "query_key", f.key, "web_log")
            else:
                page.field(Field(f.label, f.key, category=f.category, text=f.text.replace(" ", "+")), "", "", "web_log")
        page.add(f' HTTP/1.1" {r.choice((200, 200, 302, 400))} {r.randrange(200, 9000)}\n')


# --------------------------------------------------------------------------- messages


def write_kakao(r: random.Random, page: _Page, genre: Genre) -> None:
    """A messenger conversation saved as text: someone gives their details, the other side
    answers with the organisation's numbers; chats away from Seoul in the region's speech."""
    me = person(r, genre, fewer=True)
    name, other = me[0].text, r.choice(genre.orgs)
    region = genre.region if r.random() < 0.75 else "표준"
    day = _day(r)
    style = r.randrange(3)
    minute = [r.randrange(7 * 60, 20 * 60)]

    def line(speaker: str) -> str:
        minute[0] += r.randrange(0, 9)  # replies come a few minutes apart, never back in time
        h, m = divmod(minute[0] % (24 * 60), 60)
        at = f"{'오전' if h < 12 else '오후'} {h % 12 or 12}:{m:02d}"
        if style == 0:
            return f"[{speaker}] [{at}] "
        if style == 1:
            return f"{day} {at}, {speaker} : "
        return f"{speaker}  {at}\n"

    page.add(f"{other} 님과 카카오톡 대화\n저장한 날짜 : {day}\n\n" if style == 1 else f"--------------- {day} ---------------\n")
    page.add(line(name) + r.choice(("문의드립니다", "안녕하세여", "저 신청하려구요", "사장님 계세요?")) + "\n")
    page.add(line(other) + r.choice(genre.lines) + "\n")
    for f in me[1:]:
        page.add(line(name))
        if speaks_for_itself(f) and r.random() < 0.3:
            page.field(f, "no_label", "", "kakao")
        else:
            page.tell(r, f, name, "kakao", region)
        page.add("\n")
    for f in look_alikes(r, genre, r.randint(1, 3)):
        page.add(line(other))
        page.tell(r, f, name, "kakao")
        page.add("\n")
    page.add(line(name) + r.choice(DIALECT_ENDINGS[region]) + "\n")


def write_cafe(r: random.Random, page: _Page, genre: Genre) -> None:
    """An online café's post and its comments; a commenter's number now and then half starred
    by the commenter."""
    writer = only(person(r, genre, fewer=True), SHOWN_TO_A_GROUP)
    page.add(f"{r.choice(('[모집]', '[공지]', '[질문]', '[구해요]', '[후기]'))} {r.choice(genre.titles)}\n"
             f"작성자 {r.choice(('별헤는밤', '동네주민', 'jihoo_mom', '초록대문', '달리는토끼', '꽃중년'))} · 조회 {r.randint(5, 900)} · 댓글 {r.randint(1, 40)}\n\n")
    page.add(r.choice(genre.lines) + "\n")
    for f in writer[1:]:
        page.tell(r, f, writer[0].text, "cafe_post")
        page.add("\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.say(r, f, "", "cafe_post")
        page.add("\n")
    page.add("\n[댓글]\n")
    for _ in range(r.randint(1, 4)):
        fields = only(person(r, genre, fewer=True), SHOWN_TO_A_GROUP)
        page.add(f"{r.choice(('ㄴ', '↳', '▶'))} {r.choice(('ㅇㅇ맘', '산책중', 'hello22', '둘리아빠', '새내기'))}: "
                 + r.choice(("저요! ", "신청합니다 ", "혹시 자리 있나요? ", "")))
        for f in fields[1:2]:
            if r.random() < 0.3:
                f.written = posted(f.written)
            page.tell(r, f, fields[0].text, "cafe_comment")
        page.add(r.choice(("", " 비밀댓글로 남겨요", " 쪽지 주세요", " ^^")) + "\n")


# What follows a number read out in Hangul: never a syllable that is also a digit.
AFTER_SPOKEN = (" 입니다", " 요", "", " 맞습니다", "...", " 이렇게요")


def write_transcript(r: random.Random, page: _Page, genre: Genre) -> None:
    """A call turned into text by speech recognition: the agent asks, the caller says it."""
    me = person(r, genre, fewer=True)
    org = r.choice(genre.orgs)
    page.add(f"[통화 녹취 STT] {org} / {_day(r)} {clock(r)}\n상담사: 네 {org} 입니다\n"
             f"고객: 네 저 {r.choice(genre.titles)} 건으로 전화드렸는데요\n상담사: 네 본인 확인 먼저 하겠습니다 성함 말씀해 주세요\n고객: {me[0].text}요\n")
    region = genre.region if r.random() < 0.6 else "표준"
    for f in me[1:]:
        if r.random() < 0.5:
            f.written = said(r, f.written)
        page.add(f"상담사: {f.label}{r.choice((' 말씀해 주시겠어요', ' 불러 주세요', '도 확인 부탁드립니다'))}\n고객: ")
        if f.kind == "bank_account":
            page.add(f"{f.bank} ")
        page.field(f, "asked_before", f.label, "transcript")
        page.add(r.choice(AFTER_SPOKEN if f.written.writing == "hangul_numerals" else (" 입니다", "요", "", " 맞아요")) + "\n")
    for f in look_alikes(r, genre, r.randint(1, 3)):
        page.add("상담사: ")
        page.say(r, f, "", "transcript")
        page.add("\n")
    page.add(f"고객: {r.choice(DIALECT_ENDINGS[region])}\n")


def write_email(r: random.Random, page: _Page, genre: Genre) -> None:
    me = person(r, genre)
    name = me[0].text
    page.add(f"제목: {r.choice(('', '[제출] ', 'RE: ', '회신) '))}{r.choice(genre.titles)} - {name}\n"
             f"받는 사람: {r.choice(genre.orgs)}\n\n{r.choice(genre.orgs)} 담당자님께,\n{r.choice(genre.lines)}\n")
    closing = [f for f in me[1:] if f.kind in ("phone", "email") and r.random() < 0.7]
    for f in me[1:]:
        if f not in closing:
            page.tell(r, f, name, "email")
            page.add(".\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.say(r, f, "", "email")
        page.add(".\n")
    page.add(f"검토 부탁드립니다.\n\n{name} 드림\n")
    for f in closing:
        cue = r.choice(("H.P ", "M ", "휴대폰 ", "☎ ")) if f.kind == "phone" else r.choice(("E-mail ", "✉ ", "메일 "))
        page.add(cue)
        page.field(f, "signature", cue.strip(), "email_signature")
        page.add("\n")


def write_sms(r: random.Random, page: _Page, genre: Genre) -> None:
    """An office's text, and the reply to it."""
    me = person(r, genre, fewer=True)
    org = r.choice(genre.orgs)
    page.add(r.choice(("[Web발신]\n", "[국외발신]\n" if r.random() < 0.1 else "", "(광고) " if r.random() < 0.1 else "", ""))
             + f"[{org}] {hide_name(me[0].text) if r.random() < 0.5 else me[0].text}님 {r.choice(genre.titles)} 건 안내입니다.\n")
    for f in look_alikes(r, genre, r.randint(1, 3)):
        page.look_alike_line(f, lead=r.choice(("- ", "* ", "○ ")))
    for f in me[1:]:
        page.add(r.choice(("- ", "* ", "○ ")))
        page.after_label(r, f, "label_punct", f.label, "sms")
        page.add("\n")
    page.add(r.choice(genre.lines) + "\n")
    if r.random() < 0.5:
        page.add(f"\n>> 회신: {r.choice(('네 알겠습니다 제 번호 바뀌어서요', '이 번호로 주세요', '딸 번호로 연락 부탁해요'))} ")
        page.field(Field("", "", kind="phone", written=cell(r, genre.old)), "no_label", "", "sms_reply")
        page.add(r.choice(("", " 입니다", "로요")) + "\n")


def write_notice(r: random.Random, page: _Page, genre: Genre) -> None:
    """A list posted for everyone: names veiled, numbers starred in the middle."""
    page.add(f"■ {r.choice(genre.titles)} 명단 ■ ({r.choice(genre.orgs)})\n")
    for i in range(r.randint(3, 8)):
        fields = person(r, genre, fewer=True)
        page.add(f"{i + 1}. {hide_name(fields[0].text)}  ")
        for f in fields[1:3]:
            if r.random() < 0.4:
                f.written = posted(f.written)
            page.after_label(r, f, "label_space", f.label, "notice", " ")
            page.add("  ")
        la = row_look_alike(r, genre)
        page.add(f"{la.label} ")
        page.field(la, "", "", "notice")
        page.add("\n")
    for f in look_alikes(r, genre, 2):
        page.look_alike_line(f, lead="※ ")


def write_receipt(r: random.Random, page: _Page, genre: Genre) -> None:
    """A card slip: the shop's own numbers on top, the customer's below."""
    page.add(f"{'*' * 24}\n  {r.choice(genre.orgs)}\n대표 {person_name(r)}\n사업자 ")
    page.field(Field("사업자", "bizno", kind="business_registration", written=business(r)), "short_cue", "사업자", "receipt")
    page.add("\nTEL ")
    page.field(Field("TEL", "tel", category="office_main_phone", text=_switchboard(r)), "", "", "receipt")
    page.add(f"\n{_day(r)} {r.randrange(9, 22):02d}:{r.randrange(60):02d}\n{'-' * 24}\n")
    for f in look_alikes(r, genre, r.randint(2, 3)):
        page.look_alike_line(f, glue="  ")
    for f in person(r, genre, fewer=True)[1:]:
        page.after_label(r, f, "label_punct", f"고객 {f.label}", "receipt")
        page.add("\n")
    if r.random() < 0.6:
        page.add("카드번호 ")
        page.field(Field("카드번호", "card", kind="credit_card", written=card(r, slip=True)), "label_space", "카드번호", "receipt")
        page.add("\n승인번호 ")
        page.field(Field("승인번호", "approval", category="approval_number", text=nums(r, 8)), "", "", "receipt")
        page.add(f"\n할부 {r.choice(('일시불', '03개월', '06개월'))}\n")
    page.add("감사합니다. 또 오세요\n")


LEDGER_CATEGORIES = ("amount", "plain_amount", "weight", "event_date", "time_slot", "area_size", "score", "room_number")


def write_ledger(r: random.Random, page: _Page, genre: Genre) -> None:
    """A notebook ledger: date, name, a one-word cue where a number alone says nothing."""
    page.add(r.choice((f"{r.choice(genre.titles)}\n", f"<{r.choice(genre.orgs)} 장부>\n", "")))
    sep = r.choice((" ", "  ", " / ", ", ", " ㅣ "))
    for _ in range(r.randint(3, 6)):
        fields = person(r, genre, fewer=True)
        page.add(f"{r.randrange(1, 13)}/{r.randrange(1, 29)}{sep}{fields[0].text}")
        for f in fields[1:]:
            page.add(sep)
            if f.kind == "bank_account":
                page.add(f"{f.bank} ")
                page.field(f, "bank_name", f.bank, "ledger")
            elif speaks_for_itself(f) and r.random() < 0.6:
                page.field(f, "no_label", "", "ledger")
            else:
                cue = r.choice(CUES[f.kind])
                page.add(f"{cue} ")
                page.field(f, "short_cue", cue, "ledger")
        cat = r.choice([c for c in genre.look_alikes if c in LEDGER_CATEGORIES] or ["amount"])
        page.add(sep)
        page.field(Field("", "", category=cat, text=LOOK_ALIKES[cat].make(r)), "", "", "ledger")
        page.add(r.choice(("", " 받음", " 미수", " ✔", " 다음달", " 현금")) + "\n")


def write_memo(r: random.Random, page: _Page, genre: Genre) -> None:
    """Notes by a counter or a phone: a name, then values behind short cues or before whose
    they are."""
    page.add(r.choice(("메모\n", "[전화 메모]\n", "■ 받은 연락\n", "")))
    for _ in range(r.randint(2, 4)):
        fields = person(r, genre, fewer=True)
        page.add(f"{fields[0].text}{r.choice((' 님', ' 씨', ' 사장님', ''))}{r.choice((' - ', ' ', ' : '))}")
        for f in fields[1:]:
            if f.kind in OWNER_AFTER and r.random() < 0.35:
                after = r.choice(OWNER_AFTER[f.kind])
                page.bank_then(f, "trailing", after, "memo")
                page.add(f" {after}")
            else:
                cue = r.choice(CUES[f.kind])
                page.add(f"{cue}{'' if cue.endswith(')') or cue == '☏' else ' '}")
                page.bank_then(f, "short_cue", cue, "memo")
            page.add(r.choice((" ", ", ", " / ")))
        la = one_look_alike(r, genre)
        page.add(f"{la.label} ")
        page.field(la, "", "", "memo")
        page.add(r.choice(("", " 재통화", " 내일까지", " 확인함")) + "\n")


def write_minutes(r: random.Random, page: _Page, genre: Genre) -> None:
    """Minutes of a committee or club meeting: who attended, what was decided, who does it
    (with the number to reach them)."""
    page.add(f"{r.choice(genre.orgs)} 회의록\n일시: {_day(r)} {clock(r)}\n")
    people = [only(person(r, genre, fewer=True), SHOWN_TO_A_GROUP) for _ in range(r.randint(2, 4))]
    page.add("참석: " + ", ".join(p[0].text for p in people) + f" 외 {r.randint(1, 12)}명\n\n")
    for i, p in enumerate(people, 1):
        role = r.choice(("총무", "회계", "간사", "연락 담당", "신청 접수"))
        page.add(f"{i}. {r.choice(genre.lines)}\n   - {role}: {p[0].text}")
        for f in p[1:]:
            if f.kind == "phone" and speaks_for_itself(f) and r.random() < 0.5:
                page.add(" (")
                page.field(f, "no_label", "", "minutes")
                page.add(")")
            else:
                page.add(", ")
                page.after_label(r, f, "label_space", f.label, "minutes", " ")
        page.add("\n")
    for f in look_alikes(r, genre, r.randint(1, 3)):
        page.add("   - 결정: ")
        page.say(r, f, "", "minutes")
        page.add("\n")
    page.add("다음 회의: ")
    page.field(Field("다음 회의", "next", category="event_date", text=_ahead(r)), "", "", "minutes")
    page.add("\n기록: 총무\n")


def write_elderly(r: random.Random, page: _Page, genre: Genre) -> None:
    """A text typed by an older person: few spaces, digits one by one or in Hangul, a helper's
    note at the end."""
    me = person(r, genre, fewer=True)
    page.add(f"{r.choice(('안녕하세여', '수고하심니다', '문자보냄니다', '여보세요'))}{r.choice(('..', '^^', '~~', ''))}"
             f"{me[0].text}{r.choice(('인데요', '임니다', '이요', ''))}\n")
    for f in me[1:]:
        x = r.random()
        f.written = one_by_one(f.written) if x < 0.3 else said(r, f.written) if x < 0.45 else f.written
        label = f.label.replace(" ", "")
        page.add(f"{label}{r.choice((topic(label), '', ' ', '..'))}")
        page.bank_then(f, "label_tight", label, "elderly")
        page.add(r.choice(AFTER_SPOKEN if f.written.writing == "hangul_numerals" else ("임니다", "..", " 에요", "요", "")) + "\n")
    for f in look_alikes(r, genre, r.randint(1, 2)):
        page.say(r, f, "", "elderly")
        page.add("\n")
    page.add(r.choice(("손주가대신쳐줌", "잘부탁드림니다", "고맙습니다^^", "모르겟으면전화주세요", "아들이보냄")) + "\n")


WRITERS = {"two_column": write_two_column, "transposed": write_transposed, "vcard": write_vcard, "csv": write_csv,
           "json": write_json, "web_log": write_web_log, "kakao": write_kakao, "cafe": write_cafe,
           "transcript": write_transcript, "email": write_email, "sms": write_sms, "notice": write_notice,
           "receipt": write_receipt, "ledger": write_ledger, "memo": write_memo, "minutes": write_minutes,
           "elderly": write_elderly}
PAPER = ("form", "scan", "fullwidth", "bilingual")


def generate(count: int = 1500, seed: int = 1) -> list:
    """`count` documents of the part, each made from the seed and its index alone."""
    return documents(count, seed, _document)


def _document(seed: int, index: int) -> labelled.Document:
    r = random.Random(f"{PART}:{seed}:{index}")
    genre = in_town(r, GENRES[index % len(GENRES)] if index < len(GENRES) else r.choice(GENRES))
    form = r.choice(genre.forms) if r.random() < 0.85 else r.choice(ANY_GENRE_FORMS)
    page = _Page(genre.name, wide=form == "fullwidth")
    if form in PAPER:
        write_form(r, page, genre, form)
    else:
        WRITERS[form](r, page, genre)
    if not page.values:  # every document holds a person's value: a line that asks to be called back
        page.add(r.choice(("회신 부탁드립니다 ", "담당자 연락처 ")))
        page.field(Field("", "", kind="phone", written=cell(r)), "no_label", "", "postscript")
        page.add("\n")
    doc = page.document()
    doc.style = form
    return doc
