"""What every labelled corpus's documents must hold: each recorded value and look-alike slices
back from the text exactly, in characters and in UTF-8 bytes, and no two of them overlap; and the
digits a written value stands for."""

import datetime
import unicodedata

HANGUL_DIGITS = "공일이삼사오육칠팔구"
# Letters typed or scanned for digits.
LETTER_DIGITS = {"O": "0", "o": "0", "l": "1", "I": "1", "S": "5", "B": "8"}


def digits_of(text: str) -> str:
    """The digits a value stands for: any width, Hangul numerals (공 and 영 for zero), letters
    typed or scanned for digits."""
    out = []
    for ch in text:
        if unicodedata.category(ch) == "Nd":
            out.append(str(unicodedata.digit(ch)))
        elif ch in HANGUL_DIGITS:
            out.append(str(HANGUL_DIGITS.index(ch)))
        elif ch == "영":
            out.append("0")
        elif ch in LETTER_DIGITS:
            out.append(LETTER_DIGITS[ch])
    return "".join(out)


def resident_birth(ds: list[int]) -> datetime.date:
    """The birth date in the first seven digits of a resident or foreigner registration number
    (the seventh tells the century: 3, 4, 7 and 8 are born in 2000 or later)."""
    born = (2000 if ds[6] in (3, 4, 7, 8) else 1900) + ds[0] * 10 + ds[1]
    return datetime.date(born, ds[2] * 10 + ds[3], ds[4] * 10 + ds[5])


def assert_spans_exact(doc) -> None:
    raw = doc.text.encode()
    for r in doc.values + doc.negatives:
        assert doc.text[r.char_start:r.char_end] == r.text
        assert raw[r.byte_start:r.byte_end].decode() == r.text
        assert len(doc.text[:r.char_start].encode()) == r.byte_start


def assert_disjoint(doc) -> None:
    spans = sorted((r.char_start, r.char_end) for r in doc.values + doc.negatives)
    for (s0, e0), (s1, e1) in zip(spans, spans[1:]):
        assert e0 <= s1, (doc.genre, doc.text[s0:e1])


def assert_check_digit(value) -> str | None:
    """Asserts that a value of a kind with a check digit carries a valid one (resident numbers
    issued since October 2020 have none: their birth date is checked instead). Returns what was
    checked: "resident", "foreigner", "post2020", "business" or "card"; None for other kinds."""
    import corpus  # bench/ is on the path of every test that reads labelled corpora
    ds = [int(c) for c in digits_of(value.text)]
    if value.kind in ("resident", "foreigner_registration"):
        assert len(ds) == 13, value
        foreigner = value.kind == "foreigner_registration"
        assert (ds[6] in (5, 6, 7, 8)) == foreigner, value
        if value.writing == "post2020":
            assert resident_birth(ds) >= datetime.date(2020, 10, 1), value
            return "post2020"
        assert corpus.resident_check(ds[:12], foreigner) == ds[12], value
        return "foreigner" if foreigner else "resident"
    if value.kind == "business_registration":
        assert len(ds) == 10 and corpus.business_check(ds[:9]) == ds[9], value
        return "business"
    if value.kind == "credit_card":
        assert len(ds) in (15, 16) and corpus.luhn_ok(ds), value
        return "card"
    return None


def assert_sound(doc, part: str) -> None:
    """The document is of the part, holds something to measure, and its spans slice back exactly
    and never overlap."""
    assert doc.part == part, doc.part
    assert doc.values or doc.negatives, doc.text
    assert_spans_exact(doc)
    assert_disjoint(doc)


def assert_look_alikes_apart(doc, shared_boxes) -> None:
    """No look-alike repeats a value of its document, and a shared mailbox is one of the
    organisation's boxes (info@, help@ ...), never a person's address."""
    values = {v.text for v in doc.values}
    for n in doc.negatives:
        assert n.text not in values, (doc.genre, n)
        if n.category == "shared_mailbox":
            assert n.text.split("@")[0] in shared_boxes, n


# Counts a part's generate() refuses with ValueError: negative, not an int, a bool.
BAD_COUNTS = (-1, -100, 2.0, "5", None, True, [3])


def assert_seeded(generate, count: int, head: int, seed: int) -> None:
    """A part's generate(count, seed) gives the same documents for the same seed, a smaller count
    their prefix, another seed other texts, and a count of nought none."""
    def dump(ds):
        return [(d.genre, d.style, d.text, d.values, d.negatives) for d in ds]

    docs = dump(generate(count, seed=seed))
    assert docs == dump(generate(count, seed=seed))
    assert docs[:head] == dump(generate(head, seed=seed))
    assert [x[2] for x in docs] != [d.text for d in generate(count, seed=seed + 1)]
    assert generate(0) == []


def assert_all_sound(docs, part: str) -> None:
    """Every document is sound (see assert_sound) and holds both values and look-alikes."""
    for d in docs:
        assert_sound(d, part)
        assert d.values and d.negatives, d.text


def check_digit_tally(values) -> dict:
    """Asserts every unmasked value's check digit (see assert_check_digit), that a resident
    number issued since 2020 has a sex digit of 3 or 4 and a last digit no check would give, and
    that every registration number's birth date is before the reference year. Returns how many
    of each were checked."""
    import corpus
    import labelled
    seen: dict = {}
    for v in values:
        if v.masked:
            continue
        what = assert_check_digit(v)
        seen[what] = seen.get(what, 0) + 1
        ds = [int(c) for c in digits_of(v.text)]
        if what == "post2020":
            assert ds[6] in (3, 4) and corpus.resident_check(ds[:12], False) != ds[12], v
        if what in ("resident", "foreigner", "post2020"):
            assert resident_birth(ds) < datetime.date(labelled.REFERENCE_YEAR, 1, 1), v
    return seen
