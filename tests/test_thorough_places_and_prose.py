"""The thorough mode on a person's own line named by their place (a professor's office, a booking's
holder, a workplace or a home), labels a scan spaced out letter by letter or misread by a syllable,
values in prose after a label with an ending after them, and American Express cards under a
payment column. Each group compares the whole outcome; the offices' and switchboards' lines beside
them stay look-alikes."""
import norvane
import pytest

from thorough_checks import assert_thorough_outcome


# Places and roles that name one person's line (연구실, 직장 전화, 예약자 번호, 자택 전화, 집 전화),
# safe numbers under a booking's holder included, beside an office's, a switchboard's and a fax's.
OWN_PLACES = [
    ('[경영학과] 면담 안내\n김민수 교수 연구실: 041-924-8199\n학과 사무실 041-924-8100',
     [('phone', '041-924-8199', 'phone.landline', ['context.extra_label'])],
     {'041-924-8100': 'company_number'}),
    ('궁금한 점은 박정희 교수 연구실 052-312-3576으로 전화 주시면 됩니다. 행정실은 052-312-3500 입니다.',
     [('phone', '052-312-3576', 'phone.landline', ['context.extra_label', 'context.trailing_label'])],
     {'052-312-3500': 'company_number'}),
    ('통화 메모: 제가 확인한 직장 전화 055-955-4261이고 휴대폰은 010-3382-1947이라고 하셨어요.',
     [('phone', '055-955-4261', 'phone.landline', ['context.letter_distance', 'context.trailing_label']), ('phone', '010-3382-1947', 'phone.mobile_11', ['context.letter_distance'])],
     {}),
    ('예약 확인서\n예약자 이서연\n예약자 번호 : 053-351-4294\n대표번호 1588-2231',
     [('phone', '053-351-4294', 'phone.landline', ['context.extra_label'])],
     {'1588-2231': 'company_number'}),
    ('[하늘 미용실] 예약 내역\n예약자 번호 / 0504-99**-3055\n매장 문의 02-555-0192',
     [('phone', '0504-99**-3055', 'phone.safe_number', ['phone.safe_number', 'context.extra_label'])],
     {'02-555-0192': 'company_number'}),
    ('예약자 번호 【0505 2979 6837】 최지우님 3시 방문 예정',
     [('phone', '0505 2979 6837', 'phone.safe_number', ['phone.safe_number', 'context.extra_label'])],
     {}),
    ('예약자 연락처 0507-1388-2045 (안심번호)\n업체 대표번호 1661-7742',
     [('phone', '0507-1388-2045', 'phone.safe_number', ['phone.safe_number', 'context.letter_distance', 'context.trailing_label'])],
     {'1661-7742': 'company_number'}),
    ('비상연락망\n한도윤: 집 전화 031-712-4408, 핸드폰 010-2290-6613\n교환 031-712-4000',
     [('phone', '031-712-4408', 'phone.landline', ['context.extra_label']), ('phone', '010-2290-6613', 'phone.mobile_11', ['context.letter_distance'])],
     {'031-712-4000': 'company_number'}),
    ('신청인 오세린\n직장 전화: 02-3158-7720\n자택 전화: 032.811.4095\n접수처 팩스: 032-811-4099',
     [('phone', '02-3158-7720', 'phone.seoul', ['context.letter_distance']), ('phone', '032.811.4095', 'phone.landline', ['context.letter_distance', 'context.extra_label'])],
     {'032-811-4099': 'company_number'}),
]


# A record of one person's fields: its tel is theirs; an office's record with 대표 and fax keys is not.
PERSONS_RECORDS = [
    ('{"name": "박지현", "birth": "1990-03-02", "tel": "054-555-0851", "email": "jihyun.park@naver.com"}',
     [('birth_date', '1990-03-02', 'birth.yyyymmdd', ['context.extra_label']), ('phone', '054-555-0851', 'phone.landline', ['context.extra_label']), ('email', 'jihyun.park@naver.com', 'email.structural', [])],
     {}),
    ('name=박지현&dob=1990-03-02&contact=052-716-6160&mobile=010-4821-3306',
     [('birth_date', '1990-03-02', 'birth.yyyymmdd', ['context.log_key']), ('phone', '052-716-6160', 'phone.landline', ['context.extra_label']), ('phone', '010-4821-3306', 'phone.mobile_11', ['context.log_key'])],
     {}),
    ('{"office": "바른 치과", "대표": "1577-3302", "fax": "051-623-0918"}',
     [],
     {'1577-3302': 'company_number', '051-623-0918': 'company_number'}),
]


# A syllable a scan misread in a label (번흐, 둥록), for values' and companies' labels alike.
MISREAD_LABELS = [
    ('[스캔] 사업자 정보\n상호 바른 치과\n사업자번흐 214-**-18758\n대표번흐 1588-2231',
     [('business_registration', '214-**-18758', 'business.10', ['context.letter_distance'])],
     {'1588-2231': 'company_number'}),
    ('가맹 신청서 (팩스 수신본)\n사업자 둥록번호: 214-86-18758\n매장 전화번흐 02-555-0192',
     [('business_registration', '214-86-18758', 'business.10', ['context.letter_distance'])],
     {'02-555-0192': 'company_number'}),
    ('주민둥록번흐 880101-1234568\n연락처 010-4821-3306',
     [('resident', '880101-1234568', 'resident.korean_13', ['context.extra_label']), ('phone', '010-4821-3306', 'phone.mobile_11', ['context.letter_distance'])],
     {}),
    ('대표번흐 02-555-0192 / 여권번흐 M48271377',
     [('passport', 'M48271377', 'passport.shape', ['context.letter_distance'])],
     {'02-555-0192': 'company_number'}),
]


# A date in words whose 일 an ending follows (13일이며): the 일 is the day's, not a numeral.
PROSE_ENDINGS = [
    ('수취인 생년월일 70년 1월 13일이며 주소는 서울 마포구입니다.',
     [('birth_date', '70년 1월 13일', 'birth.korean_date', ['birth.korean_date', 'context.letter_distance'])],
     {}),
    ('본인 확인 결과 생년월일은 1985년 3월 2일이라서 만 나이로 40세입니다.',
     [('birth_date', '1985년 3월 2일', 'birth.korean_date', ['birth.korean_date', 'context.letter_distance'])],
     {}),
    ('행사는 3월 5일이며 장소는 본관 강당입니다.',
     [],
     {}),
]


# American Express cards grouped 4-6-5 under a 결제 카드 column, beside the order's numbers.
AMEX_COLUMNS = [
    ('주문일,주문자,결제 카드,금액,주문번호\n2026-11-02,김철수,3797 127164 87098,35000,202611020417\n2026-11-03,이영희,3400-118562-40014,12000,202611030022',
     [('credit_card', '3797 127164 87098', 'card.luhn', ['context.column_header']), ('credit_card', '3400-118562-40014', 'card.luhn', ['context.column_header'])],
     {'2026-11-02': 'look_alike', '2026-11-03': 'look_alike'}),
    ('이름\t결제 카드\t승인번호\n신예은\t3489 275173 09139\t202480414576',
     [('credit_card', '3489 275173 09139', 'card.luhn', ['context.column_header'])],
     {'202480414576': 'look_alike'}),
]


# English labels spaced out one letter apart and three between words; a spaced label of
# another date or a booking's number keeps them look-alikes.
SPACED_LABELS = [
    ('P E R S O N A L   D A T A\nN a m e : Jiwoo Han\nD a t e   o f   B i r t h : 2005.8.7',
     [('birth_date', '2005.8.7', 'birth.separated_date', ['birth.separated_date', 'context.extra_label'])],
     {}),
    ('D a t e   o f   B i r t h ;1958년 1월 7일\nN a t i o n a l i t y : KOREA',
     [('birth_date', '1958년 1월 7일', 'birth.korean_date', ['birth.korean_date', 'context.extra_label'])],
     {}),
    ('P a s s p o r t   N o . | S34709419\nD a t e   o f   I s s u e | 2022.03.14',
     [('passport', 'S34709419', 'passport.shape', ['context.extra_label'])],
     {'2022.03.14': 'look_alike'}),
    ('S u r n a m e  KIM\nP a s s p o r t   N o .  M482K7713\nD a t e   o f   B i r t h  1977-11-02',
     [('passport', 'M482K7713', 'passport.current', ['passport.current', 'context.extra_label']), ('birth_date', '1977-11-02', 'birth.yyyymmdd', ['context.extra_label'])],
     {}),
    ('H o t e l   B o o k i n g   N o .  2025081542\nD a t e   o f   E x p i r y : 2031.05.30',
     [],
     {'2025081542': 'look_alike'}),
]


@pytest.mark.parametrize("text,expected,vetoed",
                         OWN_PLACES + PERSONS_RECORDS + MISREAD_LABELS + PROSE_ENDINGS + AMEX_COLUMNS + SPACED_LABELS)
def test_places_scanned_labels_and_prose_values_are_masked_and_desks_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_the_default_setting_keeps_its_readings():
    """Config() keeps its rules: it vetoes no office's line, reads no spaced English label, no
    booking holder's safe number and no misread label, and still reads 일이 after a day as digits."""
    found = lambda text: [(f.entity, f.text(text)) for f in norvane.detect(text).findings]
    assert found("교수 연구실: 041-924-8199") == [("phone", "041-924-8199")]
    assert found("D a t e   o f   B i r t h : 2005.8.7") == []
    assert found("예약자 번호 【0505 2979 6837】") == []
    assert found("대표번흐 02-555-0192") == [("phone", "02-555-0192")]
    assert norvane.normalize("생년월일 1970년 1월 13일이며").text == "생년월일 1970년 1월 1312며"
