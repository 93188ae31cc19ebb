"""The thorough mode on machine keys and chat requests: values under the column names Korean
systems take from the public-data standard terms (brdt, dob_yyyymmdd, drvLcnsNo, bzmnNo, brno,
frgnrRgstNo, rrno, mblTelno, mbtlnum, actno, crdNo) in logs, query strings, JSON and dumps, beside
look-alikes under their own keys (orderNo, aprvNo, rsvNo, payAmt, clientIp); and an account asked
for in a chat's slang (어디로 쏘면 돼?, 번호 찍어줘) and answered bare in the next message under a
messenger's stamps, beside a phone asked for and numbers that answer other questions. Each group
compares the whole outcome."""
import pytest

from thorough_checks import assert_exact_and_reversible, found_thorough

LOG_KEY, KEY_WORDS, EL = "context.log_key", "context.key_words", "context.extra_label"
COMPOUND, QUESTION, EARLIER = "context.compound_label", "context.question_line", "context.earlier_question"

KEYS = [
    # A format suffix after the key's word (dob_yyyymmdd) is no distance; dlNo's DL as before.
    ("2026-12-03 10:41:07 INFO | name: 김민수 | dob_yyyymmdd: 1979-08-18 | dlNo: 26-20-752052-83 | "
     "aprvNo: 30018842 |",
     [("birth_date", "1979-08-18", "birth.yyyymmdd", [EL, COMPOUND]),
      ("driver_license", "26-20-752052-83", "license.12", [EL, KEY_WORDS])]),
    ('{"mbrNm": "이서연", "brdt": "680127", "mblTelno": "01048213377", "emlAddr": "seoyeon.lee@naver.com"}',
     [("birth_date", "680127", "birth.yymmdd", [LOG_KEY]),
      ("phone", "01048213377", "phone.mobile_11", [LOG_KEY, KEY_WORDS]),
      ("email", "seoyeon.lee@naver.com", "email.structural", [])]),
    # A query string's keys, camel-cased, a licence's twelve digits bare; the order stays unread.
    ('"POST /api/v1/orders/verify?drvLcnsNo=24-15-486408-89&passportNumber=G683C5269 HTTP/1.1" 200 512',
     [("driver_license", "24-15-486408-89", "license.12", [LOG_KEY, KEY_WORDS]),
      ("passport", "G683C5269", "passport.current", ["passport.current", LOG_KEY])]),
    ("GET /kyc/check?drvLcnsNo=201947704214&bzmnNo=263-25-82038&orderNo=20261203004512 HTTP/1.1",
     [("driver_license", "201947704214", "license.12", [LOG_KEY, KEY_WORDS]),
      ("business_registration", "263-25-82038", "business.10", [LOG_KEY, KEY_WORDS])]),
    # Upper snake case on lines of a dump.
    ("applicant:\n  BRDT: 1996-07-29\n  FRGNR_RGST_NO: 961212-5123459\n  RSVT_NO: R2612030044",
     [("birth_date", "1996-07-29", "birth.yyyymmdd", [LOG_KEY]),
      ("foreigner_registration", "961212-5123459", "resident.recent", ["resident.recent", LOG_KEY])]),
    ("[INFO] settle acctNo=110-482-907731 crdNo=4518-4412-3456-7891 payAmt=158000 clientIp=10.21.4.77",
     [("bank_account", "110-482-907731", "account.length", [EL, KEY_WORDS]),
      ("credit_card", "4518-4412-3456-7891", "card.luhn", [LOG_KEY, KEY_WORDS])]),
    ("brno=1248100998 actno=3333012345678 rrno=8001011234568 telno=0212345678 mbtlnum=010-2345-6789",
     [("business_registration", "1248100998", "business.10", [LOG_KEY]),
      ("bank_account", "3333012345678", "account.length", [LOG_KEY]),
      ("resident", "8001011234568", "resident.recent", ["resident.recent", LOG_KEY]),
      ("phone", "0212345678", "phone.seoul", [LOG_KEY]),
      ("phone", "010-2345-6789", "phone.mobile_11", [LOG_KEY])]),
]
# Keys whose words only look like the standard terms' stay what they were: a word inside a longer
# one (abrdtx, xbrno, telnox) is no key, so only the shapes that need none are reported, and the
# look-alikes' keys name no kind.
LOOK_ALIKE_KEYS = [
    ("orderNo=20241102123456 aprvNo=12345678 rsvNo=240101-1234 payAmt=150000 clientIp=10.0.0.1", []),
    ("abrdtx=680127 xbrno=1248100998 telnox=0212345678",
     [("business_registration", "1248100998", "business.10", []), ("phone", "0212345678", "phone.seoul", [])]),
    ('{"rsvtNo": "110482907731", "ordNo": "3333012345678", "tid": "202612031041"}', []),
]

CHATS = [
    # A KakaoTalk export's stamps (date, time, speaker) are read as stamps: the answer is the
    # message after the request, an order number after its question stays unreported.
    ("2024. 12. 7. 오후 1:23, 상민 : 어디로 쏘면 돼?\n2024. 12. 7. 오후 1:24, 규리 : 음.. 174-**-994938-4\n"
     "2024. 12. 7. 오후 1:25, 상민 : 주문번호 뭐야?\n2024. 12. 7. 오후 1:25, 규리 : 2024120712345",
     [("bank_account", "174-**-994938-4", "account.length", [QUESTION])]),
    # Past the answerer's remark; a time answers the next question.
    ("[지훈] [오후 3:02] 엔빵 어디로 쏨?\n[하은] [오후 3:03] 잠깐만\n[하은] [오후 3:03] 네 244 511 136143 이에요\n"
     "[지훈] [오후 3:05] 몇 시에 만나?\n[하은] [오후 3:05] 7:30",
     [("bank_account", "244 511 136143", "account.length", [EARLIER])]),
    # 번호 찍어줘 before an account's digits; a phone asked for stays a phone.
    ("2025년 3월 2일 오전 9:10, 도윤 : 번호 찍어줘\n2025년 3월 2일 오전 9:11, 서아 : 8162 1075 0321 입니다\n"
     "2025년 3월 2일 오전 9:12, 도윤 : 폰번호 알려줘\n2025년 3월 2일 오전 9:12, 서아 : 01048213377",
     [("bank_account", "8162 1075 0321", "account.length", [QUESTION]),
      ("phone", "01048213377", "phone.mobile_11", [QUESTION])]),
    ("민지 : 회비 어디로 넣으면 돼?\n수빈 : 9150-8759-7001\n민지 : 송장번호 뭐야?\n수빈 : 6892 1234 5678",
     [("bank_account", "9150-8759-7001", "account.length", [QUESTION])]),
    ("2024. 12. 7. 오후 1:23, 상민 : 어디로쏴?\n2024. 12. 7. 오후 1:24, 규리 : 3333-01-1234567",
     [("bank_account", "3333-01-1234567", "account.length", [QUESTION])]),
]
# The phone answering where to send money is still a phone, not an account.
PHONES_ASKED_FOR_MONEY = [
    ("2024. 12. 7. 오후 1:23, 상민 : 어디로 쏘면 돼?\n2024. 12. 7. 오후 1:24, 규리 : 010-2345-6789",
     [("phone", "010-2345-6789", "phone.mobile_11", ["phone.mobile_among_accounts"])]),
    ("상민 : 번호 찍어줘\n규리 : 01023456789",
     [("phone", "01023456789", "phone.mobile_11", ["phone.mobile_among_accounts"])]),
]


@pytest.mark.parametrize("text,expected", KEYS + LOOK_ALIKE_KEYS + CHATS + PHONES_ASKED_FOR_MONEY)
def test_machine_keys_and_chat_requests(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)
