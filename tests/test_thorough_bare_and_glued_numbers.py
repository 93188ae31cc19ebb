"""The thorough mode on numbers written in ways that hide their shape: a platform's safe number
(050x) as its twelve bare digits, a home landline whose only label is a telephone sign in a row an
association heads, partly masked values joined by tildes or masked with one star for a one-digit
month, birth dates masked but for their century, licences typed full-width or scanned with a
letter, and numbers read out in Hangul numerals glued to their label. Each group compares the
whole masked text: the values hidden, and beside them the look-alikes that stay as written."""
import pytest
from hypothesis import given, settings, strategies as st

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible


def masked(text):
    return norvane.mask(text, None, Config.thorough()).text


# Twelve bare digits 050, a digit from 2 to 8 and eight more are a safe number as a bare mobile is
# a mobile: in a roster, a signature, under 050 번호 or 안심번호 (one letter a scan misread in it).
# An order's, a parcel's or a product's number under its label, a company's 0505 line and eleven
# bare digits stay.
BARE_SAFE_NUMBERS = [
    ("참가자 명단\n1. 홍길동 050716658128 서울\n2. 김영희 050312345678 인천",
     "참가자 명단\n1. 홍길동 [전화번호] 서울\n2. 김영희 [전화번호] 인천"),
    ("감사합니다.\n김민수 드림 | 050716658128 | minsu@naver.com",
     "감사합니다.\n김민수 드림 | [전화번호] | [이메일]"),
    ("050 번호: 050716658128\n안심번호 050B25360293 로 연락 주세요",
     "050 번호: [전화번호]\n안심번호 [전화번호] 로 연락 주세요"),
    ("주문번호 050716658128\n송장번호: 050716658128\n상품코드 050312345678",
     "주문번호 050716658128\n송장번호: 050716658128\n상품코드 050312345678"),
    ("광고문의 050512345678 (주)한빛광고\n고객센터 050512345678\n참고 05071665812",
     "광고문의 050512345678 (주)한빛광고\n고객센터 050512345678\n참고 05071665812"),
]

# A person's full name as its own cell or word right before ☎ makes the landline theirs, though
# an association or an office heads the row, and so does a form's 전화(집); an office's own
# line, and a sentence's word before a number, stay the office's.
TELEPHONE_SIGN_ROWS = [
    ("새마을부녀회 / 김철수 / ☎ 041-637-6189 /\n협회 회원 이영희 ☎ 043-217-2055 70%",
     "새마을부녀회 / 김철수 / ☎ [전화번호] /\n협회 회원 이영희 ☎ [전화번호] 70%"),
    ("서산시 노인복지관 명단: | 박민수 | ☎ 041-637-6189 | 참석",
     "서산시 노인복지관 명단: | 박민수 | ☎ [전화번호] | 참석"),
    ("○○복지관 / 김철수 / 전화(집) 041-***-*366 / 전화(휴대) 010-****-1234",
     "○○복지관 / 김철수 / 전화(집) [전화번호] / 전화(휴대) [전화번호]"),
    ("관리사무소 ☎ 043-217-2055\n복지관 / 민원실 / ☎ 041-660-2114\n조합 사무실 전화는 051-6886-0114 이에요.",
     "관리사무소 ☎ 043-217-2055\n복지관 / 민원실 / ☎ 041-660-2114\n조합 사무실 전화는 051-6886-0114 이에요."),
]

# Stars joined by tildes, a one-digit month or day masked with one star, and a year masked but
# for its century, under a birth date's label: still the value. A range (10~20~30명) and another
# date's masked form (작성일, 가입일, 유효기간) stay.
MASKED_NOTICES = [
    ("연락처 010~****~*920\n생일 1985~**~**", "연락처 [전화번호]\n생일 [생년월일]"),
    ("생년월일 19**년 *월 **일\n생년월일 19**년 8월 8일\n생년월일 03/05/****",
     "생년월일 [생년월일]\n생년월일 [생년월일]\n생년월일 [생년월일]"),
    ("생년월일 20**.*.**\n생년월일 19**.**.**\n생년월일 1985.*.**",
     "생년월일 [생년월일]\n생년월일 [생년월일]\n생년월일 [생년월일]"),
    ("참석 10~20~30명\n작성일 20**.*.**\n작성일: 20**년 **월 **일\n가입일 19**.**.**\n유효기간 20**.**.**\n기간 03/05/****",
     "참석 10~20~30명\n작성일 20**.*.**\n작성일: 20**년 **월 **일\n가입일 19**.**.**\n유효기간 20**.**.**\n기간 03/05/****"),
]

# A licence of a region the rules do not know, typed full-width (digits and ＿－) or with a letter
# a scan read for a digit, under its label; a scanned code's letter outside the scanned letters
# keeps the run apart.
LICENCES = [
    ("운전면허증 번호： ２７－９６－３４１６７１－２０", "운전면허증 번호： [운전면허번호]"),
    ("면허번호 : 272094712S00\n면허번호 : 27-20-94712S-00",
     "면허번호 : [운전면허번호]\n면허번호 : [운전면허번호]"),
    ("면허번호 : 27-20-94712Q-00", "면허번호 : 27-20-94712Q-00"),
]

# A number read out in numerals right after its label with no space: the label's word ends and
# the number begins. A word that goes on after the label (번호사이) stays.
GLUED_NUMERALS = [
    ("휴대전화번호공일공 오이사이 구칠이육 에요", "휴대전화번호[전화번호] 에요"),
    ("운전면허증번호는이오 일육 육공이오칠오 팔팔", "운전면허증번호는[운전면허번호]"),
    ("번호사이에 있는 칸, 전화번호사이 공백", "번호사이에 있는 칸, 전화번호사이 공백"),
]

GROUPS = {"bare safe number": BARE_SAFE_NUMBERS, "telephone sign row": TELEPHONE_SIGN_ROWS,
          "masked notice": MASKED_NOTICES, "licence": LICENCES, "glued numerals": GLUED_NUMERALS}


@pytest.mark.parametrize("text, expected", [pytest.param(text, expected, id=f"{group} {k}")
                                            for group, cases in GROUPS.items()
                                            for k, (text, expected) in enumerate(cases)])
def test_the_whole_masked_text(text, expected):
    assert masked(text) == expected
    assert_exact_and_reversible(text)


# What the normalization makes of the tildes and the glued numerals: one number each, its
# separators absorbed; a range of two (10~20명) and a word after a label (번호사이) stay.
NORMALIZED = [
    ("연락처 010~****~*920, 생일 1985~**~**", "연락처 010*****920, 생일 1985****"),
    ("휴대전화번호공일공 오이사이 구칠이육 에요", "휴대전화번호01052429726 에요"),
    ("운전면허증번호는이오 일육 육공이오칠오 팔팔", "운전면허증번호는251660257588"),
    ("참석 10~20명, 번호사이에 있는 칸", "참석 10~20명, 번호사이에 있는 칸"),
]


@pytest.mark.parametrize("text, expected", NORMALIZED)
def test_the_normalized_text(text, expected):
    normalized = norvane.normalize(text, Config.thorough())
    assert normalized.text == expected
    normalized.map.validate()


def test_the_default_settings_read_none_of_these_ways():
    # Config() keeps its rules: the new readings belong to the thorough settings.
    texts = ["홍길동 050716658128 서울", "연락처 010~****~*920", "생년월일 19**년 *월 **일",
             "면허번호 : 272094712S00", "휴대전화번호공일공 오이사이 구칠이육 에요"]
    assert [norvane.mask(t).text for t in texts] == texts


PIECES = st.sampled_from(["050", "0507", "1665", "8128", "B", "S", "O", "~", "～", "*", "●", "/",
                          ".", "-", "－", "２７", "９６", "☎", " ", " / ", "번호", "번호는", "공일공",
                          "이오", "오이사이", "19", "**", "년", "월", "일", "김철수", "부녀회",
                          "생년월일", "면허번호", "\t", "|"])


@settings(max_examples=300, deadline=None)
@given(st.lists(PIECES, max_size=40).map("".join))
def test_these_ways_mixed_any_way_stay_exact(text):
    assert_exact_and_reversible(text)
    norvane.normalize(text, Config.thorough()).map.validate()
