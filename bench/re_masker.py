"""A hand-written masker with Python's `re`, the baseline a user would write without a library.

Same ten kinds and the same check formulas (resident and foreigner numbers, business numbers,
Luhn for cards). Full-width digits, full-width punctuation and the common dash and space forms
are folded one character for one first, so offsets stay valid; hyphens, dots and spaces between
digit groups are allowed. Hangul numerals, letters typed for digits and masked digits are not
handled. Kinds without a checksum that are easily confused with other numbers (accounts, licences,
birth dates, passports) need a cue word shortly before them, as a careful user would require.
"""

from __future__ import annotations

import re

LABELS = {
    "resident": "주민등록번호", "foreigner_registration": "외국인등록번호",
    "business_registration": "사업자등록번호", "credit_card": "카드번호",
    "bank_account": "계좌번호", "phone": "전화번호", "email": "이메일",
    "driver_license": "운전면허번호", "birth_date": "생년월일", "passport": "여권번호",
}

_FOLD = {c: c - 0xFEE0 for c in range(0xFF01, 0xFF5F)}
_FOLD.update({c: 0x2D for c in (0x2010, 0x2011, 0x2012, 0x2013, 0x2014, 0x2015, 0x2212)})
_FOLD.update({c: 0x20 for c in (0x00A0, 0x3000)})

SEP = r"[-. ]?"

RRN = re.compile(r"(?<!\d)(\d{2})(\d{2})(\d{2})[- ]?([1-8])(\d{6})(?!\d)")
BRN = re.compile(r"(?<!\d)\d{3}[-. ]?\d{2}[-. ]?\d{5}(?!\d)")
CARD = re.compile(r"(?<!\d)(?:\d{4}(?:[- ]?\d{4}){3}|\d{4}[- ]?\d{6}[- ]?\d{5})(?!\d)")
PHONE = re.compile(
    r"(?<!\d)(?:01[016789]" + SEP + r"\d{3,4}" + SEP + r"\d{4}"
    r"|\(?0(?:2|[3-6][1-5]|70)\)?[-. ]?\d{3,4}" + SEP + r"\d{4}"
    r"|1[568]\d{2}-\d{4})(?!\d)")
EMAIL = re.compile(r"[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(?:\.[A-Za-z0-9-]+)*\.[A-Za-z]{2,}")
LICENSE = re.compile(r"(?<!\d)(?:1[1-9]|2[0-68])[- ]?\d{2}[- ]?\d{6}[- ]?\d{2}(?!\d)")
ACCOUNT = re.compile(r"(?<!\d)\d{2,6}(?:[- ]\d{2,7}){1,3}(?!\d)|(?<!\d)\d{10,14}(?!\d)")
BIRTH = re.compile(r"(?<!\d)(?:(?:19|20)\d{2}[-. ]?(?:0[1-9]|1[0-2])[-. ]?(?:0[1-9]|[12]\d|3[01])"
                   r"|\d{2}(?:0[1-9]|1[0-2])(?:0[1-9]|[12]\d|3[01]))(?!\d)")
PASSPORT = re.compile(r"(?<![A-Za-z0-9])[A-Z]{1,2}\d{7,8}(?![A-Za-z0-9])")

CUES = {
    "bank_account": re.compile(r"계좌|예금주|입금|이체|송금|은행|환불"),
    "driver_license": re.compile(r"면허"),
    "birth_date": re.compile(r"생년월일|출생|생일|년생"),
    "passport": re.compile(r"여권"),
}
NEGATIVE = re.compile(r"주문번호|송장번호|운송장|접수번호|계약번호|증권번호|관리번호|일련번호|상품코드|바코드|고객센터|대표번호")
CUE_WINDOW = 20


def _digits(s: str) -> list[int]:
    return [ord(c) - 48 for c in s if "0" <= c <= "9"]


def _days(y: int, m: int) -> int:
    if m == 2:
        return 29 if (y % 4 == 0 and y % 100 != 0) or y % 400 == 0 else 28
    return 30 if m in (4, 6, 9, 11) else 31


def _rrn(m: re.Match) -> str | None:
    d = _digits(m.group(0))
    g = d[6]
    year = int(m.group(1)) + (1900 if g in (1, 2, 5, 6) else 2000)
    mon, day = int(m.group(2)), int(m.group(3))
    if not (1 <= mon <= 12 and 1 <= day <= _days(year, mon)):
        return None
    s = sum(a * b for a, b in zip(d, (2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5)))
    check = (11 - s % 11) % 10
    if g >= 5:
        check = (check + 2) % 10
        return "foreigner_registration" if check == d[12] else None
    return "resident" if check == d[12] else None


def _brn(d: list[int]) -> bool:
    s = sum(a * b for a, b in zip(d, (1, 3, 7, 1, 3, 7, 1, 3, 5))) + d[8] * 5 // 10
    return (10 - s % 10) % 10 == d[9]


def _luhn(d: list[int]) -> bool:
    s = 0
    for i, x in enumerate(reversed(d)):
        if i % 2:
            x *= 2
            if x > 9:
                x -= 9
        s += x
    return s % 10 == 0


def _cued(text: str, start: int, kind: str) -> bool:
    return CUES[kind].search(text, max(0, start - CUE_WINDOW), start) is not None


def _negative(text: str, start: int) -> bool:
    return NEGATIVE.search(text, max(0, start - CUE_WINDOW), start) is not None


def find(text: str) -> list[tuple[int, int, str]]:
    """(start, end, kind) in character offsets, without overlaps, in text order."""
    t = text.translate(_FOLD)
    hits: list[tuple[int, int, str]] = []
    for m in RRN.finditer(t):
        kind = _rrn(m)
        if kind:
            hits.append((m.start(), m.end(), kind))
    for m in CARD.finditer(t):
        if _luhn(_digits(m.group(0))):
            hits.append((m.start(), m.end(), "credit_card"))
    for m in BRN.finditer(t):
        if _brn(_digits(m.group(0))):
            hits.append((m.start(), m.end(), "business_registration"))
    for m in PHONE.finditer(t):
        if not _negative(t, m.start()):
            hits.append((m.start(), m.end(), "phone"))
    for m in EMAIL.finditer(t):
        hits.append((m.start(), m.end(), "email"))
    for m in LICENSE.finditer(t):
        if _cued(t, m.start(), "driver_license"):
            hits.append((m.start(), m.end(), "driver_license"))
    for m in ACCOUNT.finditer(t):
        if 10 <= len(_digits(m.group(0))) <= 14 and _cued(t, m.start(), "bank_account"):
            hits.append((m.start(), m.end(), "bank_account"))
    for m in BIRTH.finditer(t):
        if _cued(t, m.start(), "birth_date"):
            hits.append((m.start(), m.end(), "birth_date"))
    for m in PASSPORT.finditer(t):
        if _cued(t, m.start(), "passport"):
            hits.append((m.start(), m.end(), "passport"))
    # The earlier kind in the lists above wins an overlap (checksummed kinds come first).
    order = {k: i for i, k in enumerate(("resident", "foreigner_registration", "credit_card",
                                         "business_registration", "phone", "email",
                                         "driver_license", "bank_account", "birth_date",
                                         "passport"))}
    hits.sort(key=lambda h: (h[0], order[h[2]], -h[1]))
    out: list[tuple[int, int, str]] = []
    end = 0
    for h in hits:
        if h[0] >= end:
            out.append(h)
            end = h[1]
    return out


def mask(text: str) -> str:
    """The text with every finding replaced by its bracketed Korean label."""
    parts: list[str] = []
    pos = 0
    for start, end, kind in find(text):
        parts.append(text[pos:start])
        parts.append("[" + LABELS[kind] + "]")
        pos = end
    parts.append(text[pos:])
    return "".join(parts)


if __name__ == "__main__":
    import sys
    print(mask(sys.stdin.read()))
