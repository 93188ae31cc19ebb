"""The thorough mode on a buyer's mobile under a cash receipt's label, a staff member's direct line
after the office's line, and partly masked birth dates, passports and licences. A cash receipt is
issued to the buyer's own mobile, so the number under 현금영수증 and its issue or application words
is theirs, while the receipt's serial and approval number stay look-alikes. A title or role with
직통 owns the number after it even when the office's inquiry line stands earlier on the line (also
across a table's bar or tab); the office's line stays the office's. A date, a passport or a licence
with some digits masked still tells something about its holder. Each group compares the whole
outcome. Numbers a scanned form's OCR read with letters for digits (S for 5, B for 8) are read under
their labels."""
import pytest

from thorough_checks import (assert_exact_and_reversible, assert_masks_hide_values_and_keep_look_alikes,
                             found_thorough as found, vetoed_thorough as rejected)

LD, EL, CL = ["context.letter_distance"], ["context.extra_label"], ["context.compound_label"]
COLUMN = ["context.column_header"]
MASKED_BIRTH = ["birth.masked"]


def mobile(number, extensions=EL + CL):
    return ("phone", number, "phone.mobile_11", extensions)


def birth(text, extensions=LD):
    return ("birth_date", text, "birth.masked", MASKED_BIRTH + extensions)


# The document, what thorough finds in it, and the numbers it vetoes with their reasons.
RECEIPTS = [
    ("[수강 신청서] 겨울 특강\n수강생 김민수\n현금영수증 발급 번호: 010-5296-4994\n결제 금액 240,000원",
     [mobile("010-5296-4994")], {}),
    # The receipt's own serial and approval number under their labels stay look-alikes (the
    # mobile's account reading is vetoed too).
    ("주문서 확인\n현금영수증 (휴대폰) 010 3344 5521\n영수증 번호 2026-1203-5521",
     [mobile("010 3344 5521", LD + EL + CL)], {"010 3344 5521": "look_alike", "2026-1203-5521": "look_alike"}),
    ("입금자명 이영희\n현금영수증 신청번호 01022317788\n승인번호 428193057",
     [mobile("01022317788")], {"01022317788": "look_alike", "428193057": "look_alike"}),
    ("현금영수증용 번호 010.4299.8449 (소득공제)", [mobile("010.4299.8449")], {}),
    ("현금영수증 발행번호 : 010-8807-8270", [mobile("010-8807-8270")], {}),
    ("현금영수증 승인번호 123456789", [], {"123456789": "look_alike"}),
    ("영수증번호 20261203-0012", [], {"20261203-0012": "look_alike"}),
]

DIRECT_LINES = [
    # 상담 실장: the title of the desk's head, not the counselling desk (상담실) itself.
    ("문의 054-5907-4989 / 상담 실장 직통 02.3524.0932",
     [("phone", "02.3524.0932", "phone.seoul", EL)], {"054-5907-4989": "company_number"}),
    ("대표 02-556-7788, 담당 간호사 직통 031-778-2231",
     [("phone", "031-778-2231", "phone.landline", EL)], {"02-556-7788": "company_number"}),
    ("예약 문의 02-556-7788 / 상담실장 직통 010-2231-5521",
     [("phone", "010-2231-5521", "phone.mobile_11", EL)], {"02-556-7788": "company_number"}),
    # A cell holding its own label and number names no other cell of its row.
    ("병원 대표번호 054-570-1927 | 코디네이터 직통 032-895-7770",
     [("phone", "032-895-7770", "phone.landline", EL)], {"054-570-1927": "company_number"}),
    ("대표전화 054-570-1927\t직통 032-895-7770",
     [("phone", "032-895-7770", "phone.landline", EL)], {"054-570-1927": "company_number"}),
    ("관리소장 직통 031-778-2299\n관리사무소 031-778-2200",
     [("phone", "031-778-2299", "phone.landline", EL)], {"031-778-2200": "company_number"}),
    ("상담실 02-3524-0932", [], {"02-3524-0932": "company_number"}),
    # 직통 is a label of its own, so a word of the title line above (예약) no longer vetoes the
    # line; a company's word before it still does.
    ("진료 예약 안내\n예약 문의 053-3288-5767 / 상담 실장 직통 02.7638.1258",
     [("phone", "02.7638.1258", "phone.seoul", EL)], {"053-3288-5767": "company_number"}),
    ("고객센터 직통 1588-1234", [], {"1588-1234": "company_number"}),
    # "(직통)" after a number says what line it is; a company's word before the number says whose.
    ("본사 031-367-5676 (직통)", [], {"031-367-5676": "company_number"}),
    ("☎ 고객센터 02-5264-9877 (직통)", [], {}),
    ("담당자 김민수 02-123-4567 (직통)\n📲 02.7303.7630 (직통)",
     [("phone", "02-123-4567", "phone.seoul", ["context.trailing_label"]),
      ("phone", "02.7303.7630", "phone.seoul", ["context.trailing_label"])], {}),
]

BIRTHS = [
    ("입회 신청서\n성명 김민수\n생년월일: 1973년 **월 **일\n작성일 2026.12.01",
     [birth("1973년 **월 **일")], {"2026.12.01": "look_alike"}),
    ("생년월일 2000.**.12", [birth("2000.**.12")], {}),
    ("이름 | 생년월일 | 성별\n김민수 | 19**-08-08 | 남\n이영희 | 2022.**.10 | 여",
     [birth("19**-08-08", COLUMN), birth("2022.**.10", COLUMN)], {}),
    ("성명\t생년월일\n박철수\t19**-02-13", [birth("19**-02-13", COLUMN)], {}),
    ("피보험자 최유진\n생년월일 : 1956년 7월 ●●일", [birth("1956년 7월 ●●일")], {}),
    ("생일 ****.08.08", [birth("****.08.08")], {}),
    # The century alone says nothing of the person; another date's label keeps its date.
    ("생년월일 19**-**-**", [], {}),
    ("가입일 2020.**.12", [], {"2020.**.12": "look_alike"}),
    # A claim's date under the birth date is the claim's.
    ("피보험자 최유진\n생년월일 : 1956년 7월 **일\n청구일 : 2022/09/19",
     [birth("1956년 7월 **일")], {"2022/09/19": "look_alike"}),
]

DOCUMENTS = [
    ("passport no. M337G****", [("passport", "M337G****", "passport.masked", ["passport.masked"] + EL)], {}),
    ("여권번호 Passport No. ▶ R467B****\n만료일 2031.05.12",
     [("passport", "R467B****", "passport.masked", ["passport.masked"] + EL + LD)], {}),
    ("여권: M12*A4567", [("passport", "M12*A4567", "passport.masked", ["passport.masked"] + LD)], {}),
    ("모델명 M337G****", [], {}),
    ("면허번호 17-21-53****-26", [("driver_license", "17-21-53****-26", "license.12", LD)], {}),
    ("운전면허 서울 14-****36-41", [("driver_license", "14-****36-41", "license.region", ["license.region"] + LD)], {}),
    ("면허 경기북부 16-****90-38 (1종보통)",
     [("driver_license", "16-****90-38", "license.region", ["license.region"] + EL + ["context.trailing_label"])], {}),
    # Without a licence's label a region and masked groups are nobody's licence.
    ("서울 14-****36-41", [], {}),
]

# Scanned forms whose OCR read 5 as S and 8 as B (0 as O and 1 as l beside them): the numbers
# under their labels are read, a number without a label is not reported, and codes, serials and a
# passport keep their letters.
SCANNED = [
    ("[스캔] 가입 신청 확인서\n전 화: 010-6911-B541\n주민등록번호: 830901-29980S1",
     [("phone", "010-6911-B541", "phone.mobile_11", LD), ("resident", "830901-29980S1", "resident.korean_13", LD)],
     {}),
    ("연 락 처 O10-S374-6122\n휴대폰 010-2900-OS21",
     [("phone", "O10-S374-6122", "phone.mobile_11", LD), ("phone", "010-2900-OS21", "phone.mobile_11", LD)], {}),
    ("주민등록번호 7S0806-293273l", [("resident", "7S0806-293273l", "resident.korean_13", LD)], {}),
    ("OCR 결과 010-6911-B541 확인 요망", [], {}),
    ("제품코드 R3CE7YQF87G\n모델 GM-3191-19763\nS/N 5MKR4GR3598U\n상품권 GIFT-HC3N-6JLJ", [], {}),
    ("passport=S046B5458", [("passport", "S046B5458", "passport.current", ["passport.current", "context.log_key"])], {}),
]

# A customer's answer to a request for the birth date in a chat: a name before the date, an
# English date, six bare digits when the request says 6자리, a particle after the date, a message
# of the other side or a remark between.
CHAT_REPLIES = [
    ("[상담사] [오후 2:13] 본인 확인 위해 성함과 생년월일 부탁드립니다\n[노지우] [오후 2:14] 노지우 1985-08-21 입니다",
     [("birth_date", "1985-08-21", "birth.yyyymmdd", ["context.question_line"])], {}),
    ("상담원: 본인 확인 위해 성함과 생년월일 부탁드립니다\n고객: 정하은 7 Aug 1972 입니다",
     [("birth_date", "7 Aug 1972", "birth.english_month", ["birth.english_month", "context.question_line"])], {}),
    ("상담원: 생년월일 6자리를 입력해 주세요\n(고객이 입력함)\n고객: 840923",
     [("birth_date", "840923", "birth.yymmdd", ["context.earlier_question"])], {}),
    ("상담원: 생년월일도 한 번만요\n고객: 네\n고객: 1991년12월13일 이요",
     [("birth_date", "1991년12월13일", "birth.korean_date", ["birth.korean_date", "context.earlier_line"])], {}),
    ("나: 생년월일도 한 번만요\n김민수: 1983. 5. 12. 이요",
     [("birth_date", "1983. 5. 12", "birth.separated_date", ["birth.separated_date", "context.previous_line"])], {}),
]

DOCUMENTS_ALL = RECEIPTS + DIRECT_LINES + BIRTHS + DOCUMENTS + SCANNED + CHAT_REPLIES


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS_ALL)
def test_whole_outcome(text, expected, vetoed):
    assert found(text) == expected
    assert rejected(text) == vetoed
    assert_exact_and_reversible(text)


def test_masking_hides_the_values_and_keeps_the_look_alikes():
    assert_masks_hide_values_and_keep_look_alikes(DOCUMENTS_ALL)

