"""The thorough label walk after a value: Hangul syllables step one character of three bytes each
and count, compatibility jamo and Han characters count as other letters do, marks and spaces do
not; a comma, a line break or another number ends the walk, and a label past six letters is not
read. Each case compares the whole outcome: every finding's kind, text, extensions and the labels
it was weighed with, at their distances."""
import pytest

import norvane


def weighed_labels(text):
    return [(f.entity, f.text(text), f.evidence.extensions,
             [(h.cue, h.distance) for h in f.evidence.context_hits])
            for f in norvane.detect(text, norvane.Config.thorough()).findings]


MOBILE = ("phone", "010-9876-5432")
TRAILING = ["context.trailing_label"]

AFTER_THE_VALUE = [
    # Right after it, glued or past a space or a bracket, and with a particle after the label.
    ("010-9876-5432 휴대폰", [(*MOBILE, TRAILING, [("휴대폰", 0)])]),
    ("010-9876-5432휴대폰으로", [(*MOBILE, TRAILING, [("휴대폰", 0)])]),
    ("010-9876-5432 (휴대폰)", [(*MOBILE, TRAILING, [("휴대폰", 0)])]),
    ("010-9876-5432 H.P", [(*MOBILE, TRAILING, [("H.P", 0)])]),
    ("02-2345-6789 (직통)", [("phone", "02-2345-6789", TRAILING, [("직통", 0)])]),
    ("M12345678 여권번호", [("passport", "M12345678", TRAILING, [("여권번호", 0)])]),
    ("1990.01.01 생년월일", [("birth_date", "1990.01.01", TRAILING, [("생년월일", 0)])]),
    # Syllables before a label count: two of 으로 before 연락, four before a second label.
    ("010-9876-5432 으로 연락 주시면 휴대폰", [(*MOBILE, TRAILING, [("연락", 2)])]),
    ("110-123-456789 국민은행 계좌입니다",
     [("bank_account", "110-123-456789", TRAILING, [("국민은행", 0), ("계좌", 4)])]),
    ("900101-1234568 주민번호 뒷자리 확인",
     [("resident", "900101-1234568", TRAILING, [("주민번호", 0)])]),
    # Jamo and Han characters count as letters.
    ("010-9876-5432 ㅎㅎ 휴대폰", [(*MOBILE, TRAILING, [("휴대폰", 2)])]),
    ("010-9876-5432 電話 휴대폰", [(*MOBILE, TRAILING, [("휴대폰", 2)])]),
    # Labels on both sides.
    ("계좌번호 110-123-456789 예금주 홍길동",
     [("bank_account", "110-123-456789", ["context.letter_distance", "context.trailing_label"],
       [("계좌번호", 0), ("예금주", 0)])]),
]

NOT_READ_AFTER_IT = [
    # Past six letters, after a comma or a line break, or cut by the end of the text.
    ("010-9876-5432 으로 주시면 좋아요 휴대폰", [(*MOBILE, [], [])]),
    ("010-9876-5432,휴대폰", [(*MOBILE, [], [])]),
    ("010-9876-5432\n휴대폰", [(*MOBILE, [], [])]),
    ("010-9876-5432 휴대", [(*MOBILE, [], [])]),
    # A kind's label with a date after it names the date.
    ("010-9876-5432 생년월일 1990.01.01",
     [(*MOBILE, [], []),
      ("birth_date", "1990.01.01", ["context.letter_distance"], [("생년월일", 0)])]),
]


@pytest.mark.parametrize("text,expected", AFTER_THE_VALUE + NOT_READ_AFTER_IT)
def test_labels_after_the_value(text, expected):
    assert weighed_labels(text) == expected
