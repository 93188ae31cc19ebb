"""The thorough mode on ways people hand over a number: a platform's safe number (050x) standing
for a person's own in bookings, deliveries and trades, in groups or as twelve bare digits; a
telephone number spelled in Hangul numerals, unbroken in a chat, mixed with digits or glued to its
label; values a notice printed with their middle starred, joined by tildes, or a birth date with
its year masked; a home landline whose only label is a telephone sign in a row an
association heads; and licences typed full-width or scanned with a letter. Each group compares the
whole masked text: the values hidden, and beside them the company lines, order numbers, prices,
times and look-alikes that stay as written."""
import pytest
from hypothesis import given, settings, strategies as st

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible


def masked(text):
    return norvane.mask(text, None, Config.thorough()).text


# A safe number is the person's reachable number for the trade, a booking's holder's too (예약자
# is a person, 예약번호 a look-alike); a company's line and a shop's representative number stay.
SAFE_NUMBERS = [
    ("예약자: 김민지 (050-7123-4567)\n예약번호 2024-1130-0042",
     "예약자: 김민지 ([전화번호])\n예약번호 2024-1130-0042"),
    ("수령인 김*수 / 0504-1234-5678 / 문 앞\n주문번호 2024-1130-5521",
     "수령인 김*수 / [전화번호] / 문 앞\n주문번호 2024-1130-5521"),
    ("[네이버 예약] 예약자 이영희 0507-1352-8890 / 2인\n매장 대표번호 0507-1432-5566",
     "[네이버 예약] 예약자 이영희 [전화번호] / 2인\n매장 대표번호 0507-1432-5566"),
    ("회원 0504-3321-9876 님의 주문이 접수되었습니다\n고객센터 1588-1234",
     "회원 [전화번호] 님의 주문이 접수되었습니다\n고객센터 1588-1234"),
    ("배달 요청: 문 앞에 두고 안심번호 050-7123-4567 로 연락주세요\n수신거부 080-123-4567",
     "배달 요청: 문 앞에 두고 안심번호 [전화번호] 로 연락주세요\n수신거부 080-123-4567"),
    ("이름, 연락처, 비고\n김영수, 0507-1111-2222, 안심\n대표번호 1644-5678",
     "이름, 연락처, 비고\n김영수, [전화번호], 안심\n대표번호 1644-5678"),
]


# Spelled in Hangul numerals: unbroken (as a chat types it), or mixed with groups of digits. Short
# runs of numeral syllables in words and prose, and Hangul groups beside digits that make no
# telephone number, stay.
SPOKEN = [
    ("내번호공일공일이삼사오육칠팔이요 연락줘", "내번호[전화번호]이요 연락줘"),
    ("공일공구팔칠육오사삼이\n이사 날짜는 12월 3일", "[전화번호]\n이사 날짜는 12월 3일"),
    ("할머니 번호 010 일이삼사 5678 이고 삼촌은 공일공 9876 오사삼이",
     "할머니 번호 [전화번호] 이고 삼촌은 [전화번호]"),
    ("점수는 이삼 45 육칠 이었고 사이 10 20 정도", "점수는 이삼 45 육칠 이었고 사이 10 20 정도"),
    ("오일 교환 2024 12 05 완료, 구일 오후 방문", "오일 교환 2024 12 05 완료, 구일 오후 방문"),
]


# A notice's values with their middle starred, in prose and in columns, with every mask character;
# an order number, a price and a time with stars stay.
STARRED = [
    ("[당첨자 발표]\n1. 홍*동 (010-****-5678)\n2. 김○수 010-12**-**78\n3. 이*영 010-●●●●-1234",
     "[당첨자 발표]\n1. 홍*동 ([전화번호])\n2. 김○수 [전화번호]\n3. 이*영 [전화번호]"),
    ("이름\t휴대폰\t생년월일\n박*진\t010-XXXX-9012\t1990.**.**\n최*희\t010-####-3456\t85.**.**",
     "이름\t휴대폰\t생년월일\n박*진\t[전화번호]\t[생년월일]\n최*희\t[전화번호]\t[생년월일]"),
    ("주민번호 900101-1******, 환급계좌 신한 110-***-***456, 카드 1234-****-****-5678",
     "주민번호 [주민등록번호], 환급계좌 신한 [계좌번호], 카드 [카드번호]"),
    ("메일 hong***@naver.com 여권 M12****78 수령인 정*우 010-＊＊＊＊-7890",
     "메일 [이메일] 여권 [여권번호] 수령인 정*우 [전화번호]"),
    ("주문번호 2024****1234 결제 12,***원 배송 14:** 도착", "주문번호 2024****1234 결제 12,***원 배송 14:** 도착"),
    # A year in clear with its month and day hidden is a birth date even with no label; under
    # another date's label (가입일) or of a recent year (a card's validity) it is that date.
    ("[합격자 명단]\n홍*동 1990.**.** 서울\n김*희 1988-**-** 부산\n가입일 2024-**-**\n유효기간 2025-●●-●●",
     "[합격자 명단]\n홍*동 [생년월일] 서울\n김*희 [생년월일] 부산\n가입일 2024-**-**\n유효기간 2025-●●-●●"),
]


# A bracket around a whole number, or one opened after it, parts it from a count or a time that
# follows: the number is read alone. An area code's bracket and +82 (0) still join their groups.
ASIDES = [
    ("신청자 김민수 (900101-1234568) 1부", "신청자 김민수 ([주민등록번호]) 1부"),
    ("전화 010-****-5678 (12:30 통화)", "전화 [전화번호] (12:30 통화)"),
    ("자택 (031) 123-4567, Mobile +82 (0)10-2345-6789", "자택 ([전화번호], Mobile +[전화번호]"),
    ("김민수 (0507-1234-4567) 3인 예약", "김민수 ([전화번호]) 3인 예약"),
]


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

# Stars joined by tildes, a one-digit month or day masked with one star, a year masked but for
# its century in words, and a year masked after the month and the day, under a birth date's
# label: still the value. A birth date masked to nothing but its century says nothing of the
# person and stays, as do a range (10~20~30명) and another date's masked form (작성일, 가입일,
# 유효기간).
MASKED_NOTICES = [
    ("연락처 010~****~*920\n생일 1985~**~**", "연락처 [전화번호]\n생일 [생년월일]"),
    ("생년월일 19**년 8월 8일\n생년월일 03/05/****\n생년월일 1985.*.**\n생년월일 19**.8.*",
     "생년월일 [생년월일]\n생년월일 [생년월일]\n생년월일 [생년월일]\n생년월일 [생년월일]"),
    ("생년월일 19**년 *월 **일\n생년월일 20**.*.**\n생년월일 19**.**.**",
     "생년월일 19**년 *월 **일\n생년월일 20**.*.**\n생년월일 19**.**.**"),
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

GROUPS = {"safe number": SAFE_NUMBERS, "spelled in numerals": SPOKEN, "starred": STARRED,
          "bracket aside": ASIDES, "bare safe number": BARE_SAFE_NUMBERS,
          "telephone sign row": TELEPHONE_SIGN_ROWS, "masked notice": MASKED_NOTICES,
          "licence": LICENCES, "glued numerals": GLUED_NUMERALS}


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
    texts = ["홍길동 050716658128 서울", "연락처 010~****~*920", "생년월일 19**년 8월 8일",
             "면허번호 : 272094712S00", "휴대전화번호공일공 오이사이 구칠이육 에요"]
    assert [norvane.mask(t).text for t in texts] == texts


NUMBER_PIECES = st.sampled_from(["공", "영", "일", "이", "삼", "사", "오", "육", "칠", "팔", "구", "0", "1",
                                 "5", "7", "010", "0507", " ", "-", "(", ")", "(0)", "에 ", "*", "●",
                                 "번호", "이요", "\t", "2명", "050716658128", "B", "S", "~", "～",
                                 "/", ".", "－", "２７", "☎", " / ", "|", "번호는", "19", "년", "월",
                                 "김철수", "부녀회", "전화(집)", "생년월일", "면허번호"])


@settings(max_examples=300, deadline=None)
@given(st.lists(NUMBER_PIECES, max_size=40).map("".join))
def test_numerals_digits_and_brackets_mixed_any_way_stay_exact(text):
    assert_exact_and_reversible(text)
    norvane.normalize(text, Config.thorough()).map.validate()


# Half a megabyte of one short piece of these ways, repeated: every reading must finish and keep
# its spans exact (how fast is measured in bench/, not here).
REPEATED_PIECES = ["010~****~", "1~*", "번호공일공 ", "번호는이오", "19**년 *월 ", "03/05/****",
                   "２７－", "☎ 김철수 / ", "050716658128 ", "전화(집)", "20**.*.**"]


@pytest.mark.parametrize("piece", REPEATED_PIECES)
def test_half_a_megabyte_of_one_piece(piece):
    text = piece * (500_000 // len(piece.encode()))
    assert_exact_and_reversible(text)
    norvane.normalize(text, Config.thorough()).map.validate()
