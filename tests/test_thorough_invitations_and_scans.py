"""The thorough mode on wedding, first-birthday and funeral notices and on scanned birth dates:
gift accounts listed by a family's side (신랑측 계좌, 신부 측 계좌, 혼주측, 아빠측, 상주측) are the
family's, while a venue's, an organiser's or a company's side (예식장측, 주최측, 회사측) stays an
organisation's; the indirect names of the gift account (마음 전하실 곳, 축의금 보내실 곳, 부의금 보내실
곳, 계좌번호 안내) label it on its line, over it and as a guest list's column header, amounts and reply
dates beside it staying clear; a birth date written with 년, 월 and 일 whose digits a scan read
partly as letters (l972년 ll월 2B일) is read under a birth label or in a birth date's column only.
Each case compares the whole outcome."""
import pytest

from thorough_checks import assert_thorough_outcome

BANK_LD = ["context.bank_name", "context.letter_distance"]


def account(text, extensions):
    return ("bank_account", text, "account.length", extensions)


def birth(text):
    return ("birth_date", text, "birth.korean_date", ["birth.korean_date", "context.letter_distance"])


def column_birth(text):
    return ("birth_date", text, "birth.korean_date", ["birth.korean_date", "context.column_header"])


# Accounts by the family's side on its line or over it; a venue's, an organiser's and a company's
# side keep their accounts the organisation's.
SIDES = [
    ('[모바일 청첩장] 김도윤 ♥ 이서아\n신랑측 계좌: 국민 123456-78-901234\n신부측 계좌: 수협 1010-2345-6789',
     [account("123456-78-901234", BANK_LD), account("1010-2345-6789", BANK_LD)], {}),
    ('마음 전하실 곳\n신랑 측 계좌\n농협 352-1234-5678-93 (김도윤)\n신부 측 계좌\n카카오뱅크 3333-04-5512873 (이서아)',
     [account("352-1234-5678-93", ["context.bank_name"]), account("3333-04-5512873", ["context.bank_name"])], {}),
    ('우리 하람이의 첫 번째 생일에 초대합니다\n아빠측 계좌 부산 849-46-964588\n엄마측 계좌 대구 096-047-908835',
     [account("849-46-964588", BANK_LD), account("096-047-908835", BANK_LD)], {}),
    ('[부고] 故 박영수님께서 별세하셨기에 삼가 알려드립니다\n상주측 계좌 신한 110-482-937120 상주 박민준\n'
     '장례식장측 계좌 농협 757338-41-225501 (식대 정산)',
     [account("110-482-937120", BANK_LD)], {"757338-41-225501": "company_number"}),
    ('신랑 혼주측 계좌: 우리 1002-731-445120 (김철수)\n유족측 계좌: 하나 799-231557-89309',
     [account("1002-731-445120", BANK_LD), account("799-231557-89309", BANK_LD)], {}),
    ('참가비는 주최측 계좌 신한 110-234-567890\n웨딩 촬영 잔금은 회사측 계좌 국민 123456-01-234567 로 부탁드립니다\n'
     '대관료는 예식장측 입금 계좌 기업 010-3355-221188',
     [], {"110-234-567890": "company_number", "123456-01-234567": "company_number",
          "010-3355-221188": "company_number"}),
]

# The gift account's indirect names, with a bank's name or none, on the value's line or over it.
GIFT_LABELS = [
    ('마음 전하실 곳: 9003-20-243177-3\n신랑 김도윤 · 신부 이서아',
     [account("9003-20-243177-3", ["context.extra_label"])], {}),
    ('축의금 보내실 곳 : 9571069774380\n예식 12월 20일 라움 아트센터',
     [account("9571069774380", ["context.extra_label"])], {}),
    ('💌 마음 전하는 곳\n110 482 937120 (신부 이서아)', [account("110 482 937120", ["context.label_line"])], {}),
    ('부의금 보내실 곳 - 4028-20-0431770 (상주 이연우)', [account("4028-20-0431770", ["context.extra_label"])], {}),
    ('계좌번호 안내\n110-234-567890 김민수', [account("110-234-567890", ["context.label_line"])], {}),
    ('축하의 마음 전하실 곳\n신랑 김도윤 토스뱅크 1000-1234-5678', [account("1000-1234-5678", ["context.bank_name"])], {}),
]

# Guest lists whose column is headed so: hyphens, fourteen digits, partly masked, full-width; the
# amounts and reply dates in the next columns stay clear.
COLUMNS = [
    ('이름\t연락처\t마음 전하실 곳\t식대\n김민수\t010-1234-5678\t110-123-456789\t215,000\n'
     '이서아\t010-2222-3333\t11012345678901\t150,000',
     [("phone", "010-1234-5678", "phone.mobile_11", ["context.column_header"]),
      account("110-123-456789", ["context.column_header"]),
      ("phone", "010-2222-3333", "phone.mobile_11", ["context.column_header"]),
      account("11012345678901", ["context.column_header"])], {}),
    ('| 이름 | 연락처 | 마음 전하실 곳 | 식대 |\n|---|---|---|---|\n| 김민수 | 010-1234-5678 | 3333-**-1234567 | 58만원 |',
     [("phone", "010-1234-5678", "phone.mobile_11", ["context.column_header"]),
      account("3333-**-1234567", ["context.column_header"])], {}),
    ('번호\t하객\t마음 전하는 곳\t회신일\n1\t인도윤\t1873-***-070504\t2025-10-03\n2\t명정우\t９７８－５０６－６３１６１０\t6/29',
     [account("1873-***-070504", ["context.column_header"]),
      account("９７８－５０６－６３１６１０", ["context.column_header"])], {}),
    ('성함,관계,축의금 보내실 곳,금액,참석\n홍길동,신랑 친구,356-1234-5678-93,100000,참석',
     [account("356-1234-5678-93", ["context.column_header"])], {}),
]

# Birth dates in Korean words a scan misread in part, letters in any of the three parts, under a
# birth label (bracketed, split by a stray space, letter-spaced); the same scan's other dates and
# a memo's letters keep theirs.
SCANNED_BIRTH_DATES = [
    ('생년월일 l972년 ll월 2B일', [birth("l972년 ll월 2B일")], {}),
    ('[운전자 생년월일] 86년 S월 3O일\n[사고 일시] 2023 년 IO 월 B 일', [birth("86년 S월 3O일")], {}),
    ('[환자 생년월일] 97년 lO월 l9일\n[접수일] 2O24년 l1월 2B일', [birth("97년 lO월 l9일")], {}),
    ('ㅇ 면회객 생년월 일 19S8년 4월 lB일\nㅇ 면회 일자 26년 B월 23일', [birth("19S8년 4월 lB일")], {}),
    ('ㅣ 생 년 월 일 ㅣ 20oB 년 9 월 2 일 ㅣ', [birth("20oB 년 9 월 2 일")], {}),
    ('방문일 2O24년 l1월 2B일\n메모: 3층 lB호 S월 말 퇴실', [], {}),
]

# The same dates in a birth date's column of a scanned roster (tabs, a Markdown table, CSV); the
# visit's and the sign-up's columns beside them keep their letters.
SCANNED_BIRTH_COLUMNS = [
    ('[스캔] 면회 신청 명단\n성명\t생년월일\t면회일\n김민수\tl972년 ll월 2B일\t2O25년 l2월 S일\n'
     '이서아\t86년 S월 3O일\t2025년 l2월 6일',
     [column_birth("l972년 ll월 2B일"), column_birth("86년 S월 3O일")], {}),
    ('| 이름 | 생년월일 | 연락처 |\n|---|---|---|\n| 김민수 | 97년 lO월 l9일 | 010-1234-5678 |',
     [column_birth("97년 lO월 l9일"), ("phone", "010-1234-5678", "phone.mobile_11", ["context.column_header"])], {}),
    ('성명,출생일,가입일\n박도윤,19S8년 4월 lB일,2O24년 l1월 2B일', [column_birth("19S8년 4월 lB일")], {}),
    ('성명\t방문일\t연락처\n김민수\t2O25년 ll월 2B일\t010-1234-5678',
     [("phone", "010-1234-5678", "phone.mobile_11", ["context.column_header"])], {}),
]


@pytest.mark.parametrize("text,expected,vetoed",
                         SIDES + GIFT_LABELS + COLUMNS + SCANNED_BIRTH_DATES + SCANNED_BIRTH_COLUMNS)
def test_gift_accounts_and_scanned_birth_dates_read_whole(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)
