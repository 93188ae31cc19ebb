"""The thorough mode on numbers people say or type by ear: Hangul numerals glued to a label and
its particle (회원전화는공일공 ..., 집전화가공이 ...), as elderly users type a text without spaces;
a business number read out with 에 between its groups to a call centre's agent; and a platform's
safe number with the last digit of its 050x prefix starred in a roster. Each group compares the
whole masked text: the values hidden, and beside them the words, scores and sizes that stay."""
import pytest
from hypothesis import given, settings, strategies as st

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible


def masked(text):
    return norvane.mask(text, None, Config.thorough()).text


# A label glued to the numerals with its particle in between: the numerals start the number.
GLUED_WITH_PARTICLE = [
    ("회원전화는공일공 팔공이오 사일일일 입니다", "회원전화는[전화번호] 입니다"),
    ("댁전화는공일공 삼사일육 공삼삼일..", "댁전화는[전화번호].."),
    ("휴대전화공일공 오구구팔 이사일공..", "휴대전화[전화번호].."),
    ("아들핸드폰은공일공 칠칠팔팔 구구공공 이고", "아들핸드폰은[전화번호] 이고"),
    ("집전화가공이 삼사오 육칠팔구 요", "집전화가[전화번호] 요"),
    ("내연락처가공일공 사사오오 일일이이 이야", "내연락처가[전화번호] 이야"),
    ("입금계좌는공일이 삼사 오육칠팔구 요", "입금계좌는[계좌번호] 요"),
    ("할머니폰은공일공 칠육구사 이공공칠", "할머니폰은[전화번호]"),
]

# Numerals after such a label that make no number read out stay as written (a word, a short
# count, a time said with units).
GLUED_WORDS_THAT_STAY = [
    "전화사이 일이삼 분 통화",
    "전화번호 이이 삼삼",
    "오늘 전화는 일이삼 사오 육칠팔 정도 했다",
    "전화는 오십 번 넘게 왔어요",
    "계좌는 이사 후에 바꿀게요",
]


# A reply to an agent that reads a business number (or a phone, an account) with 에 between its
# groups: the agent's question on the line above names it.
READ_OUT_WITH_E = [
    ("상담원: 사업자 등록 번호 불러 주시겠어요\n고객: 칠육육에 공삼에 칠사삼공이",
     "상담원: 사업자 등록 번호 불러 주시겠어요\n고객: [사업자등록번호]"),
    ("상담원: 사업자 번호 말씀해 주세요\n고객: 칠공사에 팔팔에 오삼공칠칠",
     "상담원: 사업자 번호 말씀해 주세요\n고객: [사업자등록번호]"),
    ("상담원: 사업자등록번호가 어떻게 되세요\n고객: 766에 03에 74302 입니다",
     "상담원: 사업자등록번호가 어떻게 되세요\n고객: [사업자등록번호] 입니다"),
    ("상담원: 연락처 불러 주시겠어요?\n고객: 공일공에 삼삼구일에 사구팔오요",
     "상담원: 연락처 불러 주시겠어요?\n고객: [전화번호]요"),
]

# Scores, sizes and counts listed with 에 keep their shapes: none is a number read out.
LISTS_WITH_E = [
    "점수는 90에 85에 100 이고",
    "키 175에 65에 42 사이즈",
    "국어 100에 95에 88970 점",
    "상담원: 주문 수량이요?\n고객: 300에 20에 15000 개요",
    # More groups than any number has, each shape among them: read as the list it is.
    "1에 22에 333에 4444에 55555에 666666에 7에 88에 999에 123에 45에 67890",
]


# A safe number's prefix starred with the rest (050*-***-*106) in roster lines, with or without
# the 안심번호 word; a price, an order number and a count with stars stay.
STARRED_SAFE_NUMBERS = [
    ("1. 김민수 안심번호 050*-***-*106 참석\n2. 이영희 050 안심번호 050*-***-*145 불참",
     "1. 김민수 안심번호 [전화번호] 참석\n2. 이영희 050 안심번호 [전화번호] 불참"),
    ("3. 최동훈 안심번호 050*-****-8821\n예약자 정*우 050*-***-*778 2인",
     "3. 최동훈 안심번호 [전화번호]\n예약자 정*우 [전화번호] 2인"),
    ("주문번호 2024****1234 결제 12,***원 050*-***-*106",
     "주문번호 2024****1234 결제 12,***원 [전화번호]"),
]


# A ledger's number in the international form after a telephone sign, a name right after it: the
# name's first syllables (이영수, 오세훈) are a name, not more digits of the number.
SIGNS_AND_NAMES_AFTER = [
    ("회비장부\n3/12 김철수 30,000 ☎ +82 10-3391-4985 이영수 대납",
     "회비장부\n3/12 김철수 30,000 ☎ +[전화번호] 이영수 대납"),
    ("☏ +82 10-3391-4985 이영수", "☏ +[전화번호] 이영수"),
    ("총무 010-2233-4455 이영희, 회계 010-5566-7788 오세훈",
     "총무 [전화번호] 이영희, 회계 [전화번호] 오세훈"),
]


# An account written in spaced groups with a mobile glued on after it, in a memo: the account's
# last short group is the account's, not left between the two.
ACCOUNT_THEN_MOBILE = [
    ("계좌 부산은행 216 5965 3008 11 01022933960 (본인)",
     "계좌 부산은행 [계좌번호] [전화번호] (본인)"),
    ("메모) 계좌 농협 351 1234 5678 91 01055667788 (본인) 확인 부탁",
     "메모) 계좌 농협 [계좌번호] [전화번호] (본인) 확인 부탁"),
]


@pytest.mark.parametrize("text, expected", GLUED_WITH_PARTICLE + READ_OUT_WITH_E
                         + STARRED_SAFE_NUMBERS + SIGNS_AND_NAMES_AFTER + ACCOUNT_THEN_MOBILE)
def test_spoken_and_starred_values_are_masked_whole(text, expected):
    assert masked(text) == expected
    assert_exact_and_reversible(text)


@pytest.mark.parametrize("text", GLUED_WORDS_THAT_STAY + LISTS_WITH_E)
def test_words_scores_and_sizes_stay(text):
    assert masked(text) == text


@pytest.mark.parametrize("text, expected", GLUED_WITH_PARTICLE + READ_OUT_WITH_E
                         + STARRED_SAFE_NUMBERS)
def test_the_default_settings_leave_these_forms_as_written(text, expected):
    # Spoken numerals and starred prefixes are the thorough mode's readings alone.
    assert expected != text
    assert norvane.mask(text, None, Config()).text == text


# Words that start with numeral syllables (a name, 사이즈, 삼일절) are read as words, beside digits
# too; numerals before a counter or an ending are still read.
WORDS_AFTER_DIGITS = [
    ("4985 이영수 님", "4985 이영수 님"),
    ("아까 그거 사이즈 교환 20200408", "아까 그거 사이즈 교환 20200408"),
    ("삼일절 연휴 20200502", "삼일절 연휴 20200502"),
    ("010-1234 오육칠팔로 연락", "01012345678로 연락"),
    ("3층 이삼호", "3층 23호"),
]

# A number read out in a chat that ends on the casual copula or a word for "and" is the number:
# the ending is no word's rest.
READ_OUT_THEN_CHAT_ENDING = [
    ("[15:38] 금은비: 공일공-이팔사육-육팔공팔임", "[15:38] 금은비: [전화번호]임"),
    ("폰번호 공일공 이팔사육 육팔공팔임다", "폰번호 [전화번호]임다"),
    ("폰번호 공일공 이팔사육 육팔공팔인데 왜요", "폰번호 [전화번호]인데 왜요"),
    ("폰번호 공일공 이팔사육 육팔공팔하고 집은 없어요", "폰번호 [전화번호]하고 집은 없어요"),
    ("엄마 폰번호 공일공 삼삼사사 오오육오랑 아빠 거", "엄마 폰번호 [전화번호]랑 아빠 거"),
]


@pytest.mark.parametrize("text, expected", READ_OUT_THEN_CHAT_ENDING)
def test_a_read_out_number_before_a_chat_ending_is_masked(text, expected):
    assert masked(text) == expected


@pytest.mark.parametrize("text, expected", WORDS_AFTER_DIGITS)
def test_numerals_that_start_a_word_stay_the_word(text, expected):
    assert norvane.normalize(text, Config.thorough()).text == expected


_NUMERALS = "공영일이삼사오육칠팔구"
_PIECES = st.sampled_from(["전화는", "전화가", "계좌는", "핸드폰은", "연락처가", "에 ", "에", " ",
                           "*", "-", "050", "안심번호 ", "상담원: ", "\n고객: ", "입니다", "요"])


@settings(max_examples=200, deadline=None)
@given(st.lists(st.one_of(_PIECES, st.text(alphabet=_NUMERALS, min_size=1, max_size=6),
                          st.text(alphabet="0123456789*", min_size=1, max_size=5)),
                max_size=14))
def test_any_mix_of_these_pieces_keeps_offsets_and_round_trips(pieces):
    assert_exact_and_reversible("".join(pieces))
