"""Long str arguments are made into UTF-8 by the library itself, eight characters at a time:
every way CPython stores a str, every UTF-8 length at every offset of the blocks, surrogates."""

import random
import sys

import pytest

import norvane
from norvane import Config

PASSES = ("nfc", "fold", "hangul", "lookalike", "separator")

# Characters at the edges of each UTF-8 length (1 to 4 bytes) and around the surrogates.
EDGE_CHARACTERS = ["a", " ", "\x7f", "\x80", "é", "\xff", "\u0100", "\u07ff", "\u0800", "가", "\ud7ff",
                   "\ue000", "\uffff", "😀", "\U0010ffff"]
# Sets of characters a str is made of: its storage (one, two or four bytes a character) follows.
ALPHABETS = [
    ["a", " ", "\x7f"],                  # ASCII: read in place
    ["a", " ", "\x80", "é", "\xff"],     # Latin-1
    ["a", " ", "가", "\u0800", "\uffff"],  # two bytes, one- and three-byte UTF-8 (Korean text)
    ["a", "가", "\u0100", "\u07ff"],       # two bytes with two-byte UTF-8
    EDGE_CHARACTERS,                     # four bytes
    ["가", "😀"],
]


class Text(str):
    pass


def identity_config():
    c = Config()
    for name in PASSES:
        setattr(c, name, False)
    return c


def long_texts(seed):
    rng = random.Random(seed)
    for alphabet in ALPHABETS:
        for length in [1023, 1024, 1025, 1031, 1032, 1033, 1034, 1035, 4099, 70_000]:
            yield "".join(rng.choice(alphabet) for _ in range(length))


def test_long_texts_read_as_their_utf8():
    config = identity_config()
    for text in long_texts(1):
        for arg in (text, Text(text)):
            n = norvane.normalize(arg, config)
            assert n.text == text
            assert n.map.dst_end == (len(text.encode()), len(text))


def test_findings_in_long_texts_fall_where_the_utf8_puts_them():
    # A phone number after a prefix of every UTF-8 length and every offset in a block of eight.
    rng = random.Random(2)
    for alphabet in ALPHABETS:
        for offset in range(1024, 1024 + 17):
            prefix = "".join(rng.choice(alphabet) for _ in range(offset))
            text = prefix + " 010-1234-5678 " + "".join(rng.choice(alphabet) for _ in range(rng.randrange(20)))
            (finding,) = [f for f in norvane.detect(text).findings if f.entity == "phone"]
            assert finding.text(text) == "010-1234-5678"
            assert finding.source.char_start == offset + 1
            assert finding.source.byte_start == len((prefix + " ").encode())
            assert norvane.mask(text).text == prefix + " [전화번호] " + text[offset + 15:]


@pytest.mark.parametrize("position", [0, 7, 8, 1030, 1500])
@pytest.mark.parametrize("surrogate", ["\ud800", "\udbff", "\udc00", "\udfff"])
@pytest.mark.parametrize("fill", ["a", "é", "가", "😀"])
def test_a_surrogate_in_a_long_text_raises_what_encoding_raises(position, surrogate, fill):
    text = fill * position + surrogate + fill * 1500
    with pytest.raises(UnicodeEncodeError) as expected:
        text.encode()
    for call in (norvane.detect, norvane.mask, norvane.normalize):
        with pytest.raises(UnicodeEncodeError) as got:
            call(text)
        assert (got.value.reason, got.value.start, got.value.end) == (
            expected.value.reason, expected.value.start, expected.value.end)


def test_a_long_text_keeps_no_utf8_copy_and_a_short_one_does():
    # CPython keeps a str's UTF-8 form once asked for it (the str grows); a long text is made
    # into UTF-8 by the library and left as it was, a short one is asked (later calls read it).
    rng = random.Random(3)
    long_text = "".join(rng.choice(ALPHABETS[2]) for _ in range(5000))
    short_text = long_text[:100] + ""
    sizes = sys.getsizeof(long_text), sys.getsizeof(short_text)
    norvane.detect(long_text)
    norvane.mask(long_text)
    norvane.normalize(long_text)
    norvane.detect(short_text)
    assert sys.getsizeof(long_text) == sizes[0]
    assert sys.getsizeof(short_text) > sizes[1]


def test_a_long_text_with_its_utf8_kept_is_read_from_it():
    rng = random.Random(4)
    text = "".join(rng.choice(ALPHABETS[4]) for _ in range(3000)) + " 010-1234-5678"
    kept = text[:1] + text[1:]
    size = sys.getsizeof(kept)
    type(kept, (), {})  # a class name is read through the C API's UTF-8, which CPython keeps
    assert sys.getsizeof(kept) > size
    assert norvane.detect(kept).to_json() == norvane.detect(text[:1] + text[1:]).to_json()
    assert norvane.mask(kept).text == text[:-13] + "[전화번호]"
