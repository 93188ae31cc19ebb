"""normalize() and its five passes, seen from Python."""

import gc

import pytest

import norvane
from norvane import Config, Span, SpanMapError

PASSES = ("nfc", "fold", "hangul", "lookalike", "separator")


def norm(text, only=None, **settings):
    """normalize() with only the named passes on (all when None); checks the map every time."""
    c = Config()
    for name in PASSES:
        setattr(c, name, only is None or name in only.split())
    for name, value in settings.items():
        setattr(c, name, value)
    n = norvane.normalize(text, c)
    n.map.validate()
    assert n.map.src_end == (len(text.encode()), len(text))
    assert n.map.dst_end == (len(n.text.encode()), len(n.text))
    return n


def segs(text, n):
    """Segments as (kind, source piece, output piece, rules, cost lanes)."""
    return [(s.kind, s.src.slice(text), s.dst.slice(n.text), s.rules,
             (s.cost.absorbed_whitespace, s.cost.absorbed_separators, s.cost.expanded_syllables,
              s.cost.replaced_chars)) for s in n.map.segments]


def only_changes(text, n):
    """The non-identity segments as (source piece, output piece, rule)."""
    return [(src, dst, rules) for kind, src, dst, rules, _ in segs(text, n) if kind != "identity"]


ID = ()  # marks a case whose output must be the input with an identity map


@pytest.mark.parametrize("passes, text, expected", [
    # Jamo composition.
    ("nfc", "\u1100\u1161", "\uac00"),
    ("nfc", "\u1100\u1161\u11a8", "\uac01"),
    ("nfc", "\uac00\u11a8", "\uac01"),
    ("nfc", "\uac01\u11a8", ID),
    ("nfc", "\u1161 \u1100", ID),
    ("nfc", "\u110c\u116e\u1106\u1175\u11ab번호", "주민번호"),
    # Folding.
    ("fold", "０１０－１２３４", "010-1234"),
    ("fold", "1\u20132\u00ad3\u22124", "1-2-3-4"),
    ("fold", "a\u3000b\u00a0c\u202fd", "a b c d"),
    ("fold", "a\nb\u2016c", ID),
    # Hangul numerals.
    ("hangul", "팔팔공일공일", "880101"),
    ("hangul", "이만오천원", "25000원"),
    ("hangul", "이만오천", ID),
    ("hangul", "삼십", ID),
    ("hangul", "삼십세", "30세"),
    ("hangul", "사이에요", ID),
    ("hangul", "십", ID),
    ("hangul", "공십", ID),  # one digit, "0"
    ("hangul", "공만원", "10000원"),
    ("hangul", "삼일이구요", "삼일29요"),
    ("hangul", "사과 이천원", "사과 2000원"),
    ("hangul", "하나 둘 셋", ID),
    ("hangul", "번호  공일", "번호  01"),  # two spaces are allowed before the context syllable
    ("hangul", "번호   공일", ID),
    ("hangul", "일곱여덟", ID),
    # Lookalike digits.
    ("lookalike", "O10", ID),
    ("lookalike", "01O", ID),
    ("lookalike", "1 O 2", "1 0 2"),
    ("lookalike", "1(O)2", "1(0)2"),
    ("lookalike", "1aO2", ID),
    ("lookalike", "X-O-*", "X-0-*"),
    ("lookalike", "1OO2", ID),
    ("lookalike", "1O2 1l2 1I2 1o2", "102 112 112 102"),
    ("lookalike", "010 1234 5678", ID),
    # Separators.
    ("separator", "010-1234-5678", "01012345678"),
    ("separator", "02) 123", "02123"),
    ("separator", "1 - 2", "12"),
    ("separator", "A-1 z 1-A z -1 z 1-", ID),
    ("separator", "1**-**2", "1****2"),
    ("separator", "1\t2,3.4\u00b75\u30fb6(7)8", "12345678"),
    ("separator", "1\n2\u30003", ID),
    ("separator", "전화 010", ID),
])
def test_each_pass_alone(passes, text, expected):
    n = norm(text, passes)
    if expected is ID:
        assert n.text == text and n.map.is_identity()
    else:
        assert n.text == expected and not n.map.is_identity()


@pytest.mark.parametrize("passes, text, expected", [
    ("nfc", "a\u1100\u1161\u11a8b", [("identity", "a", "a", [], (0, 0, 0, 0)),
                                    ("replace", "\u1100\u1161\u11a8", "각", ["nfc.hangul_jamo"], (0, 0, 0, 3)),
                                    ("identity", "b", "b", [], (0, 0, 0, 0))]),
    ("nfc", "\uac00\u11a8", [("replace", "\uac00\u11a8", "각", ["nfc.hangul_jamo"], (0, 0, 0, 2))]),
    ("fold", "０１", [("replace", "０", "0", ["fold.fullwidth"], (0, 0, 0, 1)),
                     ("replace", "１", "1", ["fold.fullwidth"], (0, 0, 0, 1))]),
    ("fold", "\u2013\u3000", [("replace", "\u2013", "-", ["fold.dash"], (0, 0, 0, 1)),
                              ("replace", "\u3000", " ", ["fold.space"], (0, 0, 0, 1))]),
    ("hangul", "팔팔공일공일", [("replace", "팔팔공일공일", "880101", ["hangul.digit_reading"], (0, 0, 6, 0))]),
    ("hangul", "이만오천원", [("expand", "이만오천", "25000", ["hangul.unit_reading"], (0, 0, 4, 0)),
                          ("identity", "원", "원", [], (0, 0, 0, 0))]),
    ("lookalike", "1O2", [("identity", "1", "1", [], (0, 0, 0, 0)),
                          ("replace", "O", "0", ["lookalike.digit"], (0, 0, 0, 1)),
                          ("identity", "2", "2", [], (0, 0, 0, 0))]),
    ("separator", "02) 1--2", [("identity", "02", "02", [], (0, 0, 0, 0)),
                               ("delete", ")", "", ["separator.paren"], (0, 1, 0, 0)),
                               ("delete", " ", "", ["separator.whitespace"], (1, 0, 0, 0)),
                               ("identity", "1", "1", [], (0, 0, 0, 0)),
                               ("delete", "--", "", ["separator.hyphen"], (0, 2, 0, 0)),
                               ("identity", "2", "2", [], (0, 0, 0, 0))]),
    ("separator", "1 - 2", [("identity", "1", "1", [], (0, 0, 0, 0)),
                            ("delete", " ", "", ["separator.whitespace"], (1, 0, 0, 0)),
                            ("delete", "-", "", ["separator.hyphen"], (0, 1, 0, 0)),
                            ("delete", " ", "", ["separator.whitespace"], (1, 0, 0, 0)),
                            ("identity", "2", "2", [], (0, 0, 0, 0))]),
])
def test_segments_of_each_pass(passes, text, expected):
    assert segs(text, norm(text, passes)) == expected


def test_fullwidth_hyphen_is_fullwidth_not_dash():
    text = "０１０－１２３４"
    assert only_changes(text, norm(text, "fold")) == [(c, chr(ord(c) - 0xFEE0), ["fold.fullwidth"]) for c in text]


@pytest.mark.parametrize("text", ["", "hello world", "안녕하세요, 반갑습니다.", "전화 주세요"])
def test_nothing_to_do_gives_the_identity(text):
    n = norm(text)
    assert n.text == text and n.map.is_identity()
    assert len(n.map) == (1 if text else 0)


# Jamo composition and folding skip a text of ASCII and Hangul syllables alone: the one character
# they act on is found wherever it stands, in texts shorter and longer than a block of sixteen
# bytes, and with it the number it hides.
@pytest.mark.parametrize("odd, done", [("\u3000", " "), ("\u00a0", " "), ("－", "-"),
                                       ("\u1100\u1161", "가"), ("Ａ", "A")])
def test_a_lone_character_to_fold_or_compose_is_read_at_any_offset(odd, done):
    for size in (0, 3, 5, 6, 7, 8, 12, 20):
        body = ("가a" * 10)[:size]
        for k in range(size + 1):
            text = body[:k] + odd + body[k:]
            assert norm(text).text == body[:k] + done + body[k:], (size, k)


def test_a_number_in_full_width_digits_alone_among_hangul_is_masked():
    for k in range(12):
        text = "안내" * k + " ０１０－４８２１－７７３０ 번호"
        assert norvane.mask(text).text == "안내" * k + " [전화번호] 번호", k
        assert norvane.mask_many([text], threads=1)[0].text == "안내" * k + " [전화번호] 번호", k


def test_every_pass_off_leaves_the_text():
    text = "０１０－１２３４ 1O2 팔팔공일공일 \u1100\u1161"
    n = norm(text, "")
    assert n.text == text and n.map.is_identity() and len(n.map) == 1


def test_lookalike_runs_before_separator_absorption():
    assert norm("1-O-2").text == "102"
    assert norm("1-O-2", "lookalike").text == "1-0-2"
    assert norm("1-O-2", "separator").text == "1-O-2"


def test_numeral_thresholds_are_read_from_the_config():
    assert norm("공십", "hangul", numeral_min_digits_without_context=1).text == "0"
    assert norm("일곱여덟", "hangul", numeral_min_digits_without_context=2).text == "78"
    assert norm("삼십세", "hangul", numeral_min_digits_with_context=3).text == "삼십세"


# Numerals at the start, inside and at the end of the scan's blocks: stand-alone candidates,
# runs across a block's last bytes, native pairs, units, a dropped spoken ending, context.
NUMERAL_BODIES = [
    "팔팔공일공일",
    "사과 이천원, 번호  공일, 번호   공일",
    "하나 둘 셋 이 사 다 하 아 여 일곱여덟 다섯여섯 공 번호 다섯여섯",
    "삼일이구요 이구요 일이요 칠이고 오이래요",
    "전화번호는 공일공 일이삼사 오육칠팔 입니다. 이만오천원 삼십세 백만원 일억이천",
    "이" * 40 + " " + "사다" * 20 + "구",
]


@pytest.mark.parametrize("settings", [{}, {"numeral_min_digits_with_context": 1},
                                      {"numeral_min_digits_without_context": 1}])
def test_numeral_reading_does_not_depend_on_the_offset(settings):
    def readings(text, n):
        return [s for s in segs(text, n) if s[0] != "identity"]

    for body in NUMERAL_BODIES:
        alone = norm(body, "hangul", **settings)
        assert readings(body, alone)  # every body holds a numeral that is read
        for k in range(70):
            pad = "q" * k
            n = norm(pad + body, "hangul", **settings)
            assert (n.text, readings(pad + body, n)) == (pad + alone.text, readings(body, alone)), k


DIGIT_SYLLABLES = {"공": 0, "영": 0, "빵": 0, "일": 1, "이": 2, "삼": 3, "사": 4, "오": 5, "육": 6,
                   "륙": 6, "칠": 7, "팔": 8, "구": 9, "둘": 2, "셋": 3, "넷": 4}
NATIVE_NUMBERS = {"하나": 1, "다섯": 5, "여섯": 6, "일곱": 7, "여덟": 8, "아홉": 9}


# The scan rules out syllables sixty-four bytes at a time by their continuation bytes, and a
# syllable whose neighbour cannot be read with it: every digit syllable, first or second of a
# pair, and every native number is still read, wherever the pair stands against a block's end.
def test_every_numeral_syllable_is_read_against_a_block_end():
    offsets = [0, 1, 2, *range(58, 70), 125, 126, 127, 128]
    for first, a in DIGIT_SYLLABLES.items():
        for second, b in DIGIT_SYLLABLES.items():
            for k in offsets:
                text = "q" * k + first + second + " 다"
                assert norm(text, "hangul", numeral_min_digits_without_context=2).text == \
                    "q" * k + f"{a}{b} 다", (first, second, k)
    for word, value in NATIVE_NUMBERS.items():
        for k in offsets:
            text = "가 " * (k // 4) + "q" * (k % 4) + " " + word
            assert norm(text, "hangul", numeral_min_digits_without_context=1).text == \
                text[:-2] + str(value), (word, k)


# The passes a text holds no trigger bytes for are not called, and which those are is read
# once, before the passes: where an earlier pass writes the letters or digits a later pass
# acts on (a full-width letter or digit folded, digits read out in Hangul), the later pass still
# runs. Each text reads as its passes would read it one after another.
STAGED_TEXTS = [
    "전화 ０１Ｏ－１２３４－５６７８ 입니다",   # folding makes the letter and the digits
    "계좌 ５５５Ｏ１２ 번",                     # folding makes the letter between digits
    "번호 공일공일이삼사오육칠팔 이고 1O2",     # a numeral run, and a letter between digits
    "카드 일이삼사오육칠팔 - 오육칠팔",         # the only digits read out, then separators
    "여권 Ｍ１２３４５６７８ (Ｏ) 끝",
    "plain Korean 텍스트 without digits or letters to correct",
    "Io oI lO 가나다",                          # letters, but no digit anywhere
]


# Each text alone, and again padded past the size up to which the classes are read (a longer
# text's passes all run): both read as their passes would one after another.
@pytest.mark.parametrize("text", STAGED_TEXTS + [t + " 가나다라" * 200 for t in STAGED_TEXTS])
def test_passes_after_a_change_read_what_it_wrote(text):
    whole = norm(text)
    staged = text
    for name in ("nfc", "fold", "hangul", "lookalike", "separator"):
        staged = norm(staged, name).text
    assert whole.text == staged


# A text's last block is read where it ends, whatever its length: a pair or a native number
# that ends the text is read at every length around and past a block.
def test_numerals_that_end_the_text_are_read_at_every_length():
    for k in range(54, 140):
        for first, a in DIGIT_SYLLABLES.items():
            for second, b in DIGIT_SYLLABLES.items():
                text = "q" * k + first + second
                assert norm(text, "hangul", numeral_min_digits_without_context=2).text == \
                    "q" * k + f"{a}{b}", (first, second, k)
        for word, value in NATIVE_NUMBERS.items():
            text = "가" * (k // 3) + " " * (k % 3) + " " + word
            assert norm(text, "hangul", numeral_min_digits_without_context=1).text == \
                text[:-2] + str(value), (word, k)


def test_fullwidth_resident_number_maps_back_onto_the_whole_source_run():
    text = "주민번호 ８８０１０１－１２３４５６７"
    n = norm(text)
    assert n.text == "주민번호 8801011234567"
    # "주민번호 " is 13 bytes and 5 characters on both sides; the run is 14 full-width characters.
    src = n.map.to_source(Span(13, 26, 5, 18))
    assert (src.byte_start, src.byte_end, src.char_start, src.char_end) == (13, 55, 5, 19)
    assert src.span.slice(text) == "８８０１０１－１２３４５６７"
    assert (src.snapped, src.rules) == (False, ["fold.fullwidth", "separator.hyphen"])
    assert (src.cost.absorbed_separators, src.cost.replaced_chars) == (1, 14)
    # The hyphen was folded, then absorbed: one delete segment carrying both rules.
    assert segs(text, n)[7] == ("delete", "－", "", ["fold.fullwidth", "separator.hyphen"], (0, 1, 0, 1))
    assert repr(n.map.to_source_from_chars(n.text, 5, 18)) == repr(src)


@pytest.mark.parametrize("text, expected", [
    # 공일공: three digits need context; the character after the following space is 일, a context
    # syllable. 일이삼사 and 오육칠팔 see 공 and 오 / 사 and 입 around them (the pass reads its
    # input, not the digits written before), so they stay. The space after 010 precedes 일: kept.
    ("제 번호는 공일공 일이삼사 오육칠팔 입니다", "제 번호는 010 일이삼사 오육칠팔 입니다"),
    # With hyphens every group has "-" beside it; then the hyphens are absorbed.
    ("제 번호는 공일공-일이삼사-오육칠팔 입니다", "제 번호는 01012345678 입니다"),
    # Six and seven digits need no context; the space between two digit runs is absorbed.
    ("주민번호는 팔팔공일공일 일이삼사오육칠 입니다", "주민번호는 8801011234567 입니다"),
    # 이만오천 has five digits and 원 after it; 삼 alone is one digit.
    ("사과 삼 개에 이만오천원입니다", "사과 삼 개에 25000원입니다"),
    # 일곱 is one native number (7), not 일 then 곱: one digit, too short.
    ("일곱 시에 만나요", "일곱 시에 만나요"),
    ("연락처: ０1Ｏ－１２３４－５６７８", "연락처: 01012345678"),
    # Lookalike letters next to each other, even across a separator, block each other; a
    # separator after a letter is not absorbed.
    ("연락처: O1O-l234-5678", "연락처: O1O-l2345678"),
    ("카드 4111\u30001111\u20131111 1111", "카드 4111111111111111"),
])
def test_realistic_sentences(text, expected):
    assert norm(text).text == expected


def test_repr_and_fresh_getters():
    n = norvane.normalize('a"\n\x1b0１')
    assert repr(n) == 'Normalized(text="a\\"\\n\\u{1b}01", segments=2)'
    assert n.map is not n.map and n.text == 'a"\n\x1b01'
    assert repr(norvane.normalize("")) == 'Normalized(text="", segments=0)'
    assert norvane.normalize("").map.segments == []


def test_none_and_default_config_agree():
    text = "전화 ０１０－１２３４－５６７８ 팔팔공일공일"
    a, b, c = norvane.normalize(text), norvane.normalize(text, None), norvane.normalize(text, config=Config())
    assert a.text == b.text == c.text and a.map.to_json() == b.map.to_json() == c.map.to_json()


@pytest.mark.parametrize("call, error, message", [
    (lambda: norvane.normalize(1), TypeError, "argument 'text': 'int' object cannot be converted to 'str'"),
    (lambda: norvane.normalize("x", 1), TypeError,
     "argument 'config': 'int' object cannot be converted to 'Config'"),
    (lambda: norvane.normalize("x", config=norvane.normalize("x")), TypeError,
     "argument 'config': 'Normalized' object cannot be converted to 'Config'"),
    (lambda: norvane.normalize(), TypeError, "normalize() missing 1 required positional argument: 'text'"),
    (lambda: norvane.normalize("x", None, 1), TypeError,
     "normalize() takes from 1 to 2 positional arguments but 3 were given"),
])
def test_argument_errors(call, error, message):
    with pytest.raises(error) as e:
        call()
    assert str(e.value) == message


def test_lone_surrogate_is_refused():
    with pytest.raises(UnicodeEncodeError):
        norvane.normalize("\ud800")


def test_span_map_error_is_the_module_exception():
    assert issubclass(SpanMapError, Exception) and SpanMapError.__module__ == "norvane"


def test_results_outlive_their_text():
    # Texts made at run time, so that only the call's argument holds each (and its UTF-8): the
    # results of texts no pass changes, and of texts some pass changes, are read after the text
    # and its buffers are gone and their memory handed out again.
    pieces = [["주민번호", "900101-1234568", "입니다"], ["hello", "world"] * 40,
              ["연락처", "０１０", "1234", "5678"], ["안녕하세요"] * 3, ["mail", "a@b.kr"]]
    wanted = []
    for words in pieces:
        text = " ".join(words)
        wanted.append((text, norvane.normalize(text).text, norvane.detect(text).to_json(),
                       norvane.mask(text)))
    got = []
    for words in pieces:
        text = " ".join(words)
        got.append((norvane.normalize(text), norvane.detect(text), norvane.mask(text)))
        del text
    gc.collect()
    reused = [" ".join(words) + "x" for words in pieces for _ in range(50)]  # noqa: F841
    assert [(n.text, r.to_json(), m) for n, r, m in got] == [w[1:] for w in wanted]
    assert [n.map.src_end for n, _, _ in got] == [(len(w[0].encode()), len(w[0])) for w in wanted]
    # Three of the texts are changed by no pass: their results are still their own copies.
    assert [w[0] == w[1] for w in wanted] == [False, True, False, True, True]
