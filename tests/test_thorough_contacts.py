"""The thorough mode on contact and identity numbers left in clear by the way people write them:
the word for a text message or a messenger before a mobile names where the message goes (영수증
문자는 010-... 로, 알림톡 받으실 번호, 카톡 +82-...), even past an order's or a booking's word before it;
passports typed in lower case, in groups or in the current shape under a label or a column; CSV rows
written without quotes whose field holds a comma, read right-aligned with the header's last cells
too; masked cards under a short pay header and resident numbers masked but for their year and sex
digit under a birth date's column. Each group compares the whole outcome: the findings, the numbers
vetoed as a company's or a look-alike's, and a reversible mask that hides the values."""
import pytest

from thorough_checks import (assert_exact_and_reversible, assert_masks_hide_values_and_keep_look_alikes,
                             found_thorough as found, vetoed_thorough as rejected)

LD, EL, CL = ["context.letter_distance"], ["context.extra_label"], ["context.compound_label"]
COLUMN, FROM_RIGHT = ["context.column_header"], ["context.column_from_right"]
INTL = ["phone.international"]
LOWER = ["passport.lower_case"]


def mobile(number, extensions=EL):
    return ("phone", number, "phone.mobile_11", extensions)


def international(number, extensions):
    return ("phone", number, "phone.international", INTL + extensions)


# The document, what thorough finds in it, and the numbers it vetoes with their reasons (a mobile's
# own account reading, vetoed beside an order's word, shows under the mobile's text).
MESSAGES = [
    # 영수증 and 예약 확인 stand before the message's word, which is nearer the number.
    ("영수증 문자는 010-3846-1613 로", [mobile("010-3846-1613", LD + EL)], {"010-3846-1613": "look_alike"}),
    ("[주문 메모]\n영수증 문자는 +82 10 3846 1613 로\n포장 2개",
     [international("82 10 3846 1613", LD + EL)], {"82 10 3846 1613": "look_alike"}),
    ("예약 확인 문자 발송: +82-10-7714-2210",
     [international("82-10-7714-2210", LD + EL)], {"82-10-7714-2210": "look_alike"}),
    ("쿠폰 문자 받을 번호 0107714-2210", [mobile("0107714-2210", LD + CL + EL)], {"0107714-2210": "look_alike"}),
    ("결과는 문자로 010-4721-3390 에 보내드려요", [mobile("010-4721-3390", LD + EL)], {}),
    ("알림톡 받으실 번호 010 2231 8812", [mobile("010 2231 8812", EL + CL)], {}),
    ("카톡 +82-10-5512-7781", [international("82-10-5512-7781", EL)], {}),
    ("주문 완료 알림톡 → 010-38-461613", [mobile("010-38-461613")], {}),
    ("학부모 알림톡 010.4431.2290 (어머니)", [mobile("010.4431.2290")], {}),
    # A company's line after the message's word stays the company's; the word names no other number.
    ("[Web발신]\n한빛세탁 문자 발신번호 1588-7788 (회신 불가)", [], {"1588-7788": "company_number"}),
    ("문자 문의 고객센터 1588-1234", [], {"1588-1234": "company_number"}),
    ("예약번호 20261203-55123\n알림톡 발송 완료", [], {"20261203-55123": "look_alike"}),
    ("문자열 길이 12345678", [], {}),
]

PASSPORTS = [
    ("여권 m64231379", [("passport", "m64231379", "passport.lower_case", LOWER + LD)], {}),
    ("Name,Passport,Nationality\nKIM MINSU,m11173787,KOR\nLEE JIYOUNG,M72019934,KOR",
     [("passport", "m11173787", "passport.lower_case", LOWER + COLUMN),
      ("passport", "M72019934", "passport.shape", COLUMN)], {}),
    ("여권번호 m123a4567", [("passport", "m123a4567", "passport.lower_case", LOWER + LD)], {}),
    ("passport: m 1234 5678", [("passport", "m 1234 5678", "passport.lower_case", LOWER + EL)], {}),
    ("여권 M 2073 4890", [("passport", "M 2073 4890", "passport.spaced", ["passport.spaced"] + LD)], {}),
    ("여권번호 M-2073-4890", [("passport", "M-2073-4890", "passport.spaced", ["passport.spaced"] + LD)], {}),
    ("여권 R979E9564", [("passport", "R979E9564", "passport.current", ["passport.current"] + LD)], {}),
    # A scan's S for 5 is no passport's S before its eight digits in groups.
    ("[단체 항공권] 명단\n1. KIM MINSU / 여권 S1234 5678", [("passport", "S1234 5678", "passport.shape", LD)], {}),
    # A user id typed like one, a bare one and a model's code: no passport without its label.
    ("아이디 m64231379", [], {"m64231379": "look_alike"}),
    ("m64231379", [], {}),
    ("모델 s12345678", [], {}),
]

COLUMNS = [
    # The department after the university holds the comma: the first row's mobile, e-mail and
    # passport are read under the header's last cells; the second row has as many cells as it.
    ("Name,Affiliation,Mobile,E-mail,Passport,Paid\n"
     "OH SUNGHO,Yonsei University,Dept. of Economics,+82 10-4412-7781,sungho.oh@yonsei.ac.kr,S8178****,N\n"
     "KIM JIWOO,Korea University,+82 10-2231-5590,jiwoo@korea.ac.kr,M1234****,Y",
     [international("82 10-4412-7781", FROM_RIGHT), ("email", "sungho.oh@yonsei.ac.kr", "email.structural", []),
      ("passport", "S8178****", "passport.masked", ["passport.masked"] + FROM_RIGHT),
      international("82 10-2231-5590", COLUMN), ("email", "jiwoo@korea.ac.kr", "email.structural", []),
      ("passport", "M1234****", "passport.masked", ["passport.masked"] + COLUMN)], {}),
    # The row's last cell lies past the header's last: no column names it (a reader reading it
    # alone finds no header there), and the header line above reads as its label line.
    ("이름,소속,연락처,생년월일\n홍길동,서울대학교,경영대학,010-2231-5590,1990.03.02\n김철수,고려대학교,010-7712-3390,1988.11.23",
     [mobile("010-2231-5590", FROM_RIGHT), ("birth_date", "1990.03.02", "birth.yyyymmdd", ["context.label_line"]),
      mobile("010-7712-3390", COLUMN), ("birth_date", "1988.11.23", "birth.yyyymmdd", COLUMN)], {}),
    # A company's name with a space after its comma: the row's commas are mostly bare, so it is
    # still the table's row, and the row under it is read under the header.
    ("Name,Org,Tel,Birth\nJUNG MINSU,Daon Trading, Inc.,+8210-4910-9451,19700406\n"
     "OH YUJIN,Seoul National University,+821022352231,20020306",
     [international("8210-4910-9451", FROM_RIGHT), ("birth_date", "19700406", "birth.yyyymmdd", ["context.label_line"]),
      international("821022352231", COLUMN), ("birth_date", "20020306", "birth.yyyymmdd", COLUMN)], {}),
    # A label's word in another cell of the row (Business) leaves the header to be read.
    ("name,affiliation,passport,mobile\nKWON SUNGHO,Hanyang University,School of Business,R2737XXXX,+82 1063980462",
     [("passport", "R2737XXXX", "passport.masked",
       ["passport.masked"] + FROM_RIGHT + ["context.header_past_other_cells"]),
      ("phone", "82 1063980462", "phone.international", ["phone.international", "context.previous_line"])], {}),
    # Prose whose commas are followed by spaces, and a line of few bare commas, are no rows.
    ("네, 알겠습니다, 연락처는 010-2231-5590 입니다", [mobile("010-2231-5590", LD)], {}),
    ("주문번호,20261203,55123,배송,완료, 감사합니다", [], {}),
    # A row with as many cells as its header is read as before: its order number stays a look-alike.
    ("name,phone,order\n김민수,010-2231-5590,20261203-55123", [mobile("010-2231-5590", COLUMN)],
     {"20261203-55123": "look_alike"}),
]

MASKS = [
    ("backer\tmobile\temail\tpay\torder_id\ttracking\n"
     "김민수\t010-2231-5590\tminsu@naver.com\t6243 46** **** 0***\tA20261203001\t6824 1123 4451\n"
     "이지영\t010-7712-3390\tjy@gmail.com\t****-****-****-1061\tA20261204002\t6824 1123 4452\n"
     "박준호\t010-4412-7781\tjh@daum.net\t네이버페이\tA20261205003\t6824 1123 4453",
     [mobile("010-2231-5590", COLUMN), ("email", "minsu@naver.com", "email.structural", []),
      ("credit_card", "6243 46** **** 0***", "card.masked_groups", ["card.masked_groups"] + COLUMN),
      mobile("010-7712-3390", COLUMN), ("email", "jy@gmail.com", "email.structural", []),
      ("credit_card", "****-****-****-1061", "card.masked_groups", ["card.masked_groups"] + COLUMN),
      mobile("010-4412-7781", COLUMN), ("email", "jh@daum.net", "email.structural", [])],
     {"20261203001": "look_alike", "6824 1123 4451": "look_alike", "20261204002": "look_alike",
      "6824 1123 4452": "look_alike", "20261205003": "look_alike", "6824 1123 4453": "look_alike"}),
    ("name,pay,order\n김민수,5412-75**-****-3321,20261203-55123",
     [("credit_card", "5412-75**-****-3321", "card.masked_groups", ["card.masked_groups"] + COLUMN)],
     {"20261203-55123": "look_alike"}),
    # A crew list's 생년월일 column: resident numbers masked but for the year and the sex digit
    # beside whole birth dates.
    ("성명\t직책\t생년월일\t연락처\n김민수\t선장\t44****-1******\t010-2231-5590\n"
     "이지영\t기관장\t1970.03.02\t010-7712-3390\n박준호\t갑판원\t9603**-2******\t010-4412-7781",
     [("birth_date", "44****-1******", "birth.masked_resident_front", ["birth.masked_resident_front"] + COLUMN),
      mobile("010-2231-5590", COLUMN), ("birth_date", "1970.03.02", "birth.yyyymmdd", COLUMN),
      mobile("010-7712-3390", COLUMN),
      ("birth_date", "9603**-2******", "birth.masked_resident_front", ["birth.masked_resident_front"] + COLUMN),
      mobile("010-4412-7781", COLUMN)], {}),
    # Without a birth date's label the masked number tells nothing.
    ("44****-1******", [], {}),
]

DOCUMENTS = MESSAGES + PASSPORTS + COLUMNS + MASKS


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_whole_outcome(text, expected, vetoed):
    assert found(text) == expected
    assert rejected(text) == vetoed
    assert_exact_and_reversible(text)


def test_masking_hides_the_values_and_keeps_the_look_alikes():
    assert_masks_hide_values_and_keep_look_alikes(DOCUMENTS)

