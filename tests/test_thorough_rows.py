"""The thorough mode on ledgers, rosters and jotted rows: several values one after another, set
apart by single spaces, slashes, commas or tabs, then an amount, a clock's time or a range of
them, a percentage or a weight. A value written whole with its own marks, a clock, an amount and
a measure each end their field; the groups of one value written with spaces still join. Each
group compares the whole outcome under Config() and thorough; the property says that no value
the default settings find is silently lost by the thorough ones."""
import os
import random
import sys

import pytest
from hypothesis import HealthCheck, assume, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config
sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))
import corpus  # noqa: E402
from thorough_checks import (assert_exact_and_reversible, assert_masks_hide_values_and_keep_look_alikes,
                             found_thorough, vetoed_thorough)

LD, EL = "context.letter_distance", "context.extra_label"
MO, CLOCK = "phone.mobile_under_other_word", "phone.mobile_before_clock"


def value(kind, text, rule, *extensions):
    return (kind, text, rule, list(extensions))


def mobile(text, *extensions):
    return value("phone", text, "phone.mobile_11", *extensions)


def resident(text, *extensions):
    return value("resident", text, "resident.korean_13", *extensions)


def default_found(text):
    return [(f.entity, f.text(text)) for f in norvane.detect(text, Config()).findings]


# The row, what thorough finds in it, the look-alikes it vetoes, and what Config() finds.
SPACE_ROWS = [
    # Values written whole with their own marks, then an amount: each ends its field.
    ("박민수 주민 581204-1184181 010-9426-7193 489,000원 입금확인",
     [resident("581204-1184181", EL), mobile("010-9426-7193")], {},
     [("resident", "581204-1184181"), ("phone", "010-9426-7193")]),
    ("사업자 287-02-13692 010-2222-0215 462,000원 미수",
     [value("business_registration", "287-02-13692", "business.10", LD), mobile("010-2222-0215")], {},
     [("business_registration", "287-02-13692"), ("phone", "010-2222-0215")]),
    ("카드 5222-4818-9963-7618 010.3311.1562 9,000원",
     [value("credit_card", "5222-4818-9963-7618", "card.luhn", LD), mobile("010.3311.1562")], {},
     [("credit_card", "5222-4818-9963-7618"), ("phone", "010.3311.1562")]),
    # The groups of a mobile written with spaces still join after an account in its own marks;
    # the default settings read a card out of the account joined to the mobile's first group.
    ("산림조합 338-4927-2891-82 010 5639 5129 외상",
     [value("bank_account", "338-4927-2891-82", "account.length", "context.bank_name"), mobile("010 5639 5129")], {},
     [("credit_card", "338-4927-2891-82 010")]),
    # A range of clocks after a licence, and after an international mobile.
    ("면허 26-20-268490-78 17:20~11:00",
     [value("driver_license", "26-20-268490-78", "license.12", EL)], {}, []),
    ("9/3 김민수 광주은행 968-790-698312 폰 +82-10-8593-9980 13:40~17:30 입금확인",
     [value("bank_account", "968-790-698312", "account.length", LD, "context.bank_name"),
      value("phone", "82-10-8593-9980", "phone.international", "phone.international", CLOCK)], {}, []),
    # A clock, a percentage or a weight after a mobile in spaced groups is no group of it, nor
    # is a clock before it.
    ("회원 010 4417 2290 09:30~17:00 출석", [mobile("010 4417 2290", MO, CLOCK)],
     {"010 4417 2290": "look_alike"}, []),
    ("김지훈 010 7781 3304 12.5% 할인", [mobile("010 7781 3304")], {},
     [("credit_card", "010 7781 3304 12.5")]),
    ("이서연 010 2231 9087 55.3kg 3회차", [mobile("010 2231 9087")], {}, []),
    ("08:30 010 6612 0945 입실", [mobile("010 6612 0945")], {}, [("credit_card", "30 010 6612 0945")]),
    # A month and a day before a card in spaced groups, and after it.
    ("9/3 5604 8764 7593 8249 3/12 결제", [value("credit_card", "5604 8764 7593 8249", "card.luhn")], {},
     [("credit_card", "3 5604 8764 7593 8249 3")]),
]

SLASH_ROWS = [
    ("정하늘 / 700307-1548728 / 010-5512-7730 / 1,250,000원",
     [resident("700307-1548728"), mobile("010-5512-7730")], {},
     [("resident", "700307-1548728"), ("phone", "010-5512-7730")]),
    ("배수진 / 010 3348 1207 / 13:00~18:00 / 70%", [mobile("010 3348 1207")], {}, []),
]

COMMA_ROWS = [
    ("오세훈, 010-2231-9087, 4518-6021-3377-2012, 39,000원",
     [mobile("010-2231-9087"), value("credit_card", "4518-6021-3377-2012", "card.luhn")], {},
     [("phone", "010-2231-9087"), ("credit_card", "4518-6021-3377-2012")]),
    ("최윤서, 주민 620915-2048317, 010.8842.5501, 10:30",
     [resident("620915-2048317", EL), mobile("010.8842.5501")], {},
     [("resident", "620915-2048317"), ("phone", "010.8842.5501")]),
]

TAB_ROWS = [
    ("한지민\t010-5553-1707\t880412-1234562\t52kg",
     [mobile("010-5553-1707"), resident("880412-1234562")], {},
     [("phone", "010-5553-1707"), ("resident", "880412-1234562")]),
    ("권도윤\t010 9912 4471\t07:50~16:20\t180,000원", [mobile("010 9912 4471")], {}, []),
]

ROWS = SPACE_ROWS + SLASH_ROWS + COMMA_ROWS + TAB_ROWS


@pytest.mark.parametrize("text,expected,vetoed,default", ROWS)
def test_rows_of_values_whole_outcome(text, expected, vetoed, default):
    assert (found_thorough(text), vetoed_thorough(text), default_found(text)) == (expected, vetoed, default)
    assert_exact_and_reversible(text)


def test_masking_a_ledger_hides_every_value_of_its_rows():
    assert_masks_hide_values_and_keep_look_alikes([(t, e, v) for t, e, v, _ in ROWS])


def test_the_thorough_separator_pass_keeps_a_rows_fields_apart():
    # The default setting's normalization is as it always was; the thorough one ends a field at a
    # value in its own marks, a month and a day, a clock, an amount and a measure, and still
    # joins one value's groups and a calling code to the number it leads.
    cases = [
        ("581204-1184181 010-9426-7193 489,000원", "5812041184181 01094267193 489,000원",
         "581204118418101094267193489000원"),
        ("338-4927-2891-82 010 5639 5129", "3384927289182 01056395129", "338492728918201056395129"),
        ("5604 8764 7593 8249 065-99-51679", "5604876475938249 0659951679", "56048764759382490659951679"),
        ("26-20-268490-78 17:20~11:00", "262026849078 17:20~11:00", "26202684907817:20~11:00"),
        ("010 5639 5129 09:30", "01056395129 09:30", "0105639512909:30"),
        ("17:20 010 5639 5129", "17:20 01056395129", "17:2001056395129"),
        ("9/3 5604 8764 7593 8249 3/12", "9/3 5604876475938249 3/12", "9/356048764759382493/12"),
        ("010 5639 5129 12.5% 73kg", "01056395129 125% 73kg", "01056395129125% 73kg"),
        ("010 5639 5129 489000원", "01056395129 489000원", "01056395129489000원"),
        ("+82 010-8593-9980 0082 010-8593-9980", "+8201085939980 008201085939980",
         "+8201085939980008201085939980"),
        # Fewer groups than a whole value has go on after the space.
        ("1234-5678-9012 3456 / 11-24-776610 91", "1234567890123456 / 112477661091",
         "1234567890123456 / 112477661091"),
        # A label's X before a number (FAX) is read as a masked digit joined to it, as ever; a number
        # before it is a field of its own.
        ("Fax. 02-6677-1001 12:30", "Fax0266771001 12:30", "Fax026677100112:30"),
        ("1 041-589-1000", "1 0415891000", "10415891000"),
        # Two groups in their own marks make no whole value: which number they belong to is open.
        ("010-5639 5129 02-123 4567", "01056395129021234567", "01056395129021234567"),
        ("9490 2034 4090 4157", "9490203440904157", "9490203440904157"),
    ]
    assert [(norvane.normalize(t, Config.thorough()).text, norvane.normalize(t, Config()).text)
            for t, _, _ in cases] == [(thorough, default) for _, thorough, default in cases]


# Generated rows: values the default settings find on their own, under their labels or none,
# joined by the separators of a ledger's row and followed by what such rows write after them.
def check_digit(rule, body):
    return str(rule([int(c) for c in body]))


@st.composite
def row_values(draw):
    """A label or none, and a value Config() finds on its own."""
    rnd = random.Random(draw(st.integers(0, 2 ** 32)))
    kind = draw(st.sampled_from(["mobile", "resident", "card", "business"]))
    digits = lambda n: "".join(rnd.choice("0123456789") for _ in range(n))
    if kind == "mobile":
        mark = draw(st.sampled_from(["-", ".", " ", ""]))
        return draw(st.sampled_from(["", "폰 ", "HP ", "연락처 "])), mark.join(["010", digits(4), digits(4)])
    if kind == "resident":
        front = f"{rnd.randint(50, 99)}{rnd.randint(1, 12):02d}{rnd.randint(1, 28):02d}"
        body = front + rnd.choice("12") + digits(5)
        return (draw(st.sampled_from(["", "주민 ", "주민번호 "])),
                front + "-" + body[6:] + check_digit(lambda d: corpus.resident_check(d, False), body))
    if kind == "card":
        body = rnd.choice("45") + digits(14)
        number = body + check_digit(corpus.luhn_check, body)
        mark = draw(st.sampled_from(["-", " "]))
        return draw(st.sampled_from(["", "카드 "])), mark.join(number[i:i + 4] for i in range(0, 16, 4))
    body = digits(9)
    number = body + check_digit(corpus.business_check, body)
    return draw(st.sampled_from(["", "사업자 "])), f"{number[:3]}-{number[3:5]}-{number[5:]}"


TAILS = ["489,000원", "9,000원", "1,250,000", "462000원", "09:30~17:00", "13:40", "7:05", "12.5%", "35%",
         "73kg", "55.3kg", "2024.03.09", "3/12"]
SEPARATORS = [" ", " / ", ", ", "\t", " - "]


@st.composite
def rows(draw):
    """A row's text and the character ranges of the values in it."""
    sep = draw(st.sampled_from(SEPARATORS))
    values = draw(st.lists(row_values(), min_size=1, max_size=4))
    # Two values written without marks one right after the other, only a space (or a spaced
    # hyphen) between them, read as one run of groups in either setting: which groups make which
    # value is a guess.
    unmarked = [not any(m in number for m in "-.") for _, number in values]
    assume(sep not in (" ", " - ") or not any(unmarked[i - 1] and unmarked[i] and not values[i][0]
                                 for i in range(1, len(values))))
    fields = [(label + number, len(label)) for label, number in values]
    if draw(st.booleans()):
        fields.insert(0, (draw(st.sampled_from(["9/3", "08:30", "김민수", "박민수 외 1명"])), None))
    fields += [(tail, None) for tail in draw(st.lists(st.sampled_from(TAILS), max_size=3))]
    text, values = "", []
    for i, (field, number_at) in enumerate(fields):
        text += sep if i else ""
        if number_at is not None:
            values.append(range(len(text) + number_at, len(text) + len(field)))
        text += field
    return text + draw(st.sampled_from(["", " 입금확인", " 미수", " 외상"])), values


THOROUGH_ONLY_REASONS = {"company_number", "look_alike"}


def silently_lost(text, values):
    """The generated values inside what Config() finds that the thorough settings neither cover
    with a finding of their own nor name in a rejection only they make. A default finding may
    join a value to the amount after it: the value is what must stay masked."""
    thorough = norvane.detect(text, Config.thorough())
    covered = set()
    for f in thorough.findings:
        covered.update(range(f.source.char_start, f.source.char_end))
    named = [range(r.source.char_start, r.source.char_end) for r in thorough.rejections
             if str(r.reason) in THOROUGH_ONLY_REASONS]
    found = set()
    for f in norvane.detect(text, Config()).findings:
        found.update(range(f.source.char_start, f.source.char_end))
    lost = []
    for v in values:
        digits = [i for i in v if text[i].isdigit()]
        if not any(i in found for i in digits) or all(i in covered for i in digits):
            continue
        if any(r.start <= v.start and v.stop <= r.stop for r in named):
            continue
        lost.append(text[v.start:v.stop])
    return lost


# Run long locally with NORVANE_ROW_EXAMPLES=20000.
ROW_SETTINGS = settings(max_examples=int(os.environ.get("NORVANE_ROW_EXAMPLES", "150")), deadline=None,
                        suppress_health_check=[HealthCheck.too_slow])


@ROW_SETTINGS
@given(rows())
def test_no_value_the_default_settings_find_is_silently_lost_in_a_row(row):
    text, values = row
    assert silently_lost(text, values) == []


# Hostile rows: the characters the field readers look at, in any order, at the text's ends too.
ROW_PIECES = ["0", "1", "9", "12", "010", "82", "00", "+", "-", ".", ",", "/", ":", "~", " ", "  ", "\t", "%",
              "％", "원", "만원", "kg", "㎏", "*", "X", "(", ")", "M", "·", "가", "\n", "581204-1184181",
              "489,000", "09:30", "9/3", "M511K0351", "1942.03.26", "1986. 7. 6"]
hostile_rows = st.lists(st.sampled_from(ROW_PIECES), max_size=24).map("".join)
SEPARATOR_CHARS = str.maketrans("", "", " \t(),-.·")


def fields_kept():
    config = Config()
    config.structure = True
    return config


@settings(max_examples=300, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(hostile_rows)
def test_keeping_a_rows_fields_only_leaves_separators_in_place(text):
    # Keeping fields apart never changes a character the default settings keep: the two texts
    # differ only in the separators left between fields.
    kept = norvane.normalize(text, fields_kept()).text
    joined = norvane.normalize(text, Config()).text
    assert kept.translate(SEPARATOR_CHARS) == joined.translate(SEPARATOR_CHARS)
    assert_exact_and_reversible(text)
