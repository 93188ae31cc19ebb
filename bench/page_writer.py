"""What the blind parts share to write a document a field at a time: a value drawn among its ways
of writing, the digits of a registration number, a genre's and a look-alike's description, a field of a form,
the topic particle after a label, a clock time, and the page that records every value and
look-alike at exact offsets. Each part keeps its own genres, wording and values."""

from __future__ import annotations

import random
from dataclasses import dataclass

import corpus
import labelled

WIDE = str.maketrans("0123456789-.:/()", "０１２３４５６７８９－．：／（）")


def nums(r: random.Random, n: int) -> str:
    return corpus.random_digits(r, n)


def joined(ds) -> str:
    return "".join(map(str, ds))


def written(kind: str, text: str, writing: str) -> labelled.Written:
    """A value; a writing named masked... is partly masked."""
    return labelled.Written(kind, text, writing, writing.startswith("masked"))


def draw(r: random.Random, kind: str, ways: dict) -> labelled.Written:
    """One way of writing, drawn by weight from {writing: (weight, text)}."""
    names = list(ways)
    writing = r.choices(names, [ways[n][0] for n in names])[0]
    return written(kind, ways[writing][1], writing)


def yymmdd(y: int, m: int, d: int) -> str:
    return f"{y % 100:02d}{m:02d}{d:02d}"


def registration(r: random.Random, lo: int, hi: int, foreign: bool) -> str:
    """The thirteen digits of a resident or foreigner registration number of someone born
    between lo and hi, with a valid check digit."""
    y, m, d = corpus.random_date(r, lo, hi)
    sex = r.choice(("56" if y < 2000 else "78") if foreign else ("12" if y < 2000 else "34"))
    body = [int(c) for c in yymmdd(y, m, d) + sex + nums(r, 5)]
    return joined(body) + str(corpus.resident_check(body, foreign))


def topic(word: str) -> str:
    """은 after a closed syllable, 는 after an open one or a Latin letter."""
    last = word.rstrip(")")[-1]
    return "은" if "가" <= last <= "힣" and (ord(last) - 0xAC00) % 28 else "는"


def clock(r: random.Random) -> str:
    h = r.randrange(6, 23)
    return f"{'오전' if h < 12 else '오후'} {h % 12 or 12}:{r.randrange(60):02d}"


@dataclass(frozen=True)
class Genre:
    name: str
    titles: tuple       # headings of its forms and subjects of its posts and e-mails
    orgs: tuple         # who writes or receives it
    kinds: dict         # kind -> chance of appearing in a person's record
    labels: dict        # kind -> labels of its own
    look_alikes: tuple  # negative categories it carries
    forms: tuple        # forms it is written in
    lines: tuple        # sentences of its own, without numbers
    young: bool = False  # its people include children
    old: bool = False    # its people are mostly older
    region: str = "표준"  # dialect of its chats


@dataclass(frozen=True)
class LookAlike:
    labels: tuple       # what people write before it
    key: str            # its key in logs and exports
    make: object        # random.Random -> text


@dataclass
class Field:
    label: str
    key: str
    kind: str = ""          # a value's kind ("" for a look-alike or plain text)
    written: object = None
    category: str = ""      # a look-alike's category
    text: str = ""          # a look-alike's or a plain field's text
    bank: str = ""          # an account's bank


@dataclass(frozen=True)
class Sayings:
    """Sentences that carry a field, {v} or {n} where it goes: a person's by kind ({bank} and
    {holder} for accounts), a person's telephone number by dialect, and an organisation's
    number ({label}, {topic})."""
    by_kind: dict
    by_dialect: dict
    organisation: tuple


class Page(labelled._Writer):
    """Writes text, values and look-alikes at exact offsets; a wide page turns digits full-width
    (`widen` turns a value so)."""

    def __init__(self, genre: str, part: str, sayings: Sayings, widen, wide_digits: bool = False) -> None:
        super().__init__(genre, part)
        self.sayings, self.widen, self.wide_digits = sayings, widen, wide_digits

    def add(self, s: str) -> None:
        super().add(s.translate(WIDE) if self.wide_digits else s)

    def field(self, f: Field, label: str, label_text: str, frame: str) -> None:
        if f.kind:
            w = self.widen(f.written) if self.wide_digits else f.written
            self.values.append(labelled.Value(w.kind, w.text, self.chars, self.chars + len(w.text), self.bytes,
                                              self.bytes + len(w.text.encode()), w.writing, label, label_text,
                                              w.masked, self.genre, frame))
            labelled._Writer.add(self, w.text)
        elif f.category:
            text = f.text if f.category == "shared_mailbox" or not self.wide_digits else f.text.translate(WIDE)
            self.negatives.append(labelled.Negative(f.category, text, self.chars, self.chars + len(text),
                                                    self.bytes, self.bytes + len(text.encode()), frame, self.genre))
            labelled._Writer.add(self, text)
        else:
            self.add(f.text)

    def bank_then(self, f: Field, label: str, label_text: str, frame: str) -> None:
        """An account after its bank's name; other fields as they are."""
        if f.kind == "bank_account":
            self.add(f"{f.bank} ")
        self.field(f, label, label_text, frame)

    def say(self, r: random.Random, f: Field, holder: str, frame: str, region: str = "표준") -> None:
        """A sentence that carries a field, cut around the field so its offsets stay exact."""
        if f.category:
            before, after = r.choice(self.sayings.organisation).format(label=f.label, topic=topic(f.label),
                                                                       n="\0").split("\0")
            self.add(before)
            self.field(f, "", "", frame)
            self.add(after)
            return
        if not f.kind:
            self.add(f.text)
            return
        dialects = self.sayings.by_dialect
        pool = dialects[region] if f.kind == "phone" and region in dialects and r.random() < 0.6 else self.sayings.by_kind[f.kind]
        before, after = r.choice(pool).format(v="\0", bank=f.bank, holder=holder).split("\0")
        self.add(before)
        if f.kind == "bank_account":
            self.field(f, "bank_name", f.bank, frame)
        elif before.strip():
            self.field(f, "inline", before.strip(), frame)
        else:
            self.field(f, "label_after" if f.kind not in ("phone", "email") else "no_label", after.strip(), frame)
        self.add(after)


def look_alike_fields(r: random.Random, table: dict, categories: tuple, count: int, stray: float) -> list[Field]:
    """Up to `count` look-alikes of the given categories and, with chance `stray`, one of any
    category of `table` (category -> LookAlike); none twice."""
    cats = r.sample(categories, min(count, len(categories)))
    if r.random() < stray:
        cats.append(r.choice(tuple(table)))
    out = []
    for c in dict.fromkeys(cats):
        la = table[c]
        out.append(Field(r.choice(la.labels), la.key, category=c, text=la.make(r)))
    return out


def documents(count: int, seed: int, document) -> list:
    """`count` documents, each made by `document(seed, index)` from the seed and its index alone,
    so that a smaller count gives a prefix of a larger one."""
    if not isinstance(count, int) or isinstance(count, bool) or count < 0:
        raise ValueError(f"count must be a non-negative int, not {count!r}")
    return [document(seed, i) for i in range(count)]
