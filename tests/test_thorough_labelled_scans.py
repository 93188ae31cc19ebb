"""Scanned forms whose OCR read some digits of a value as letters (8 as B, 5 as S, 0 as O, 1 as l),
as the thorough settings read them: right after a label of a person's value on its line (framed by
| or ㅣ, letter-spaced, a ; or a . after it), a run of digits and such letters is the value, the
letters covered by its span. The same scan's models, serials, lots, plates, ISBNs and orders keep
their letters, and so do passports and e-mails. And an account a person reads out in a chat in
spaced groups, answering the request for it on the line before. Each case compares the whole
outcome."""
import norvane
from norvane import Config
import pytest

from thorough_checks import assert_exact_and_reversible, found_thorough as found

LD = ["context.letter_distance"]
EXTRA = ["context.extra_label"]


def birth(text, rule, extensions=LD):
    return ("birth_date", text, rule, extensions)


def account(text, extensions=EXTRA):
    return ("bank_account", text, "account.length", extensions)


BIRTH_DATES = [
    ("| 생 년 월 일 ; 196S.07.l5 |\n| 생일 . 19B20604 |",
     [birth("196S.07.l5", "birth.yyyymmdd"), birth("19B20604", "birth.yyyymmdd")]),
    # Spaced dots after a misread year, and Korean date words after the run.
    ("출생일 : l996. 3. 24.\nㅣ생년월일(양력) ; 19B6년 10월 2일 ㅣ",
     [birth("l996. 3. 24", "birth.separated_date", ["birth.separated_date"] + LD),
      birth("19B6년 10월 2일", "birth.korean_date", ["birth.korean_date"] + LD + ["context.compound_label"])]),
    # An English month between the label and the misread year; a year all but one digit misread.
    ("출생년월일. 7 Jul l9SO\n생년월일: 1O Feb l97l",
     [birth("7 Jul l9SO", "birth.english_month",
            ["birth.english_month"] + LD + ["context.compound_label", "context.extra_label"]),
      birth("1O Feb l97l", "birth.english_month", ["birth.english_month"] + LD)]),
    ("위임자 출생년월일:0708OS\n생년월일 l4/l2/19Sl",
     [birth("0708OS", "birth.yymmdd", LD + ["context.compound_label", "context.extra_label"]),
      birth("l4/l2/19Sl", "birth.separated_date", ["birth.separated_date"] + LD)]),
]

PHONES = [
    ("| 연 락 처 ; 01O-66l8-Bl70 |\n전화번호. (O1O)9839-4789",
     [("phone", "01O-66l8-Bl70", "phone.mobile_11", LD), ("phone", "O1O)9839-4789", "phone.mobile_11", LD)]),
    ("휴대폰 : O10-06lS-3477\n연락처 070-l8SB-5754",
     [("phone", "O10-06lS-3477", "phone.mobile_11", LD), ("phone", "070-l8SB-5754", "phone.landline", LD)]),
    ("ㅣ휴대전화 01O5668B903\nTel. +82 10 0B34 5379",
     [("phone", "01O5668B903", "phone.mobile_11", LD),
      ("phone", "82 10 0B34 5379", "phone.international", ["phone.international"] + EXTRA)]),
]

ACCOUNTS_AND_NUMBERS = [
    # No separator at all; a bank's name between the label and the value.
    ("환불계좌 ; 5163B64796720S\n입금계좌: 국민 O67380-99-99160l",
     [account("5163B64796720S"), account("O67380-99-99160l", ["context.bank_name"] + EXTRA)]),
    ("계좌번호 30877B 02 314739\n계 좌 번 호 . S23-533067-82-288",
     [account("30877B 02 314739", LD), account("S23-533067-82-288", LD)]),
    ("출금계좌 2556-OBB-B71l84\n| 계좌 | l5797938003331 |",
     [account("2556-OBB-B71l84"), account("l5797938003331", LD)]),
    ("주 민 등 록 번 호 ; 9l0203-l234S67\n운전면허번호 : ll-2O-3456B9-0l",
     [("resident", "9l0203-l234S67", "resident.recent", ["resident.recent"] + LD),
      ("driver_license", "ll-2O-3456B9-0l", "license.12", LD)]),
    ("사업자번호. 41S-24-47O14\n카 드 번 호 : 4070 5l23 3387 6747",
     [("business_registration", "41S-24-47O14", "business.10", LD),
      ("credit_card", "4070 5l23 3387 6747", "card.luhn", LD)]),
]

# A label on its own line over its value; dots with spaces on both sides.
LABEL_LINES = [
    ("ㅣ 생 년 월 일 ㅣ\nㅣ 196S.07.l5 ㅣ\n연락처 :\n01O-66l8-Bl70",
     [birth("196S.07.l5", "birth.yyyymmdd", ["context.previous_line"]),
      ("phone", "01O-66l8-Bl70", "phone.mobile_11", ["context.label_line"])]),
    ("Date of Birth\n9 Jul l973\n계 좌 번 호\n823 352 43l516",
     [birth("9 Jul l973", "birth.english_month", ["birth.english_month", "context.label_line"]),
      account("823 352 43l516", ["context.previous_line"])]),
    ("출 생 일 : 1993 . oB . 2l", [birth("1993 . oB . 2l", "birth.yyyymmdd")]),
    # A label a line above another value's line is not the next line's.
    ("연락처 010-1234-5678\n모델 12B4", [("phone", "010-1234-5678", "phone.mobile_11", LD)]),
]

# Letters that are a code's, a plate's, a passport's or an e-mail's own, and runs under no
# person's label or past another field, stay as written.
KEPT = [
    ("Model FD44-57513\nS/N SN843143105198\nLOT. L79A19763", []),
    ("| 차 량 번 호 ; 12가 B4S6 |\nISBN 97B-B9-S902-790-4\n주문번호 ORD-2024l2O3-B1S7", []),
    ("여권번호 M12B34567\n이메일 : bsl08@naver.com\n연락처 hong0l@gmail.com",
     [("passport", "M12B34567", "passport.shape", LD), ("email", "bsl08@naver.com", "email.structural", []),
      ("email", "hong0l@gmail.com", "email.structural", [])]),
    ("생년월일 1990.01.01 S/N 12B4-S6\n연락처: OLLEH 고객센터", [birth("1990.01.01", "birth.yyyymmdd")]),
]

# An account read out in spaced groups on the line after a request for it, with an ending or
# nothing after it: its spaces cost what hyphens do, so the last group is not left out.
READ_OUT = [
    ("상담사: 네 김민준님 본인 확인 되셨습니다.\n상담사: 환급계좌 불러 주세요\n고객: 9096 08 122864 1 요\n"
     "상담사: 확인 감사합니다. 접수번호는 2025-490165 입니다.",
     [account("9096 08 122864 1", ["context.question_line"])]),
    ("직원: 입금받으실 계좌번호 알려주세요\n민원인: 208983 19 59076 7 이요",
     [account("208983 19 59076 7", ["context.question_line"])]),
    ("[상담원]: 환불 받으실 계좌 말씀해 주세요\n[고객님]: 토스뱅크 375 410956 16 813 입니다",
     [account("375 410956 16 813", ["context.bank_name"])]),
    # A request for another number is no account's.
    ("직원: 접수번호 불러 주세요\n민원인: 2025 49 0165 1 요", []),
]

CASES = BIRTH_DATES + PHONES + ACCOUNTS_AND_NUMBERS + LABEL_LINES + KEPT + READ_OUT


@pytest.mark.parametrize("text,expected", CASES)
def test_whole_outcome(text, expected):
    assert found(text) == expected
    assert_exact_and_reversible(text)


def test_normalized_text_reads_the_values_and_keeps_codes_and_mails():
    text = ("생년월일 196S.07.l5 / 출생년월일. 7 Jul l9SO / 입금계좌: 국민 O67380-99-99160l / "
            "Model FD44-57513 / 연락처 hong0l@gmail.com")
    assert norvane.normalize(text, Config.thorough()).text == (
        "생년월일 19650715 / 출생년월일. 7 Jul 1950 / 입금계좌: 국민 06738099991601 / "
        "Model FD4457513 / 연락처 hong0l@gmail.com")
    # A slash before a word's letter, a label of no person's value, a label whose own value ends
    # its line: the runs after them keep their letters.
    text = "생년월일 1990.01.01 S/N 12B4-S6\n모델\n12B4\nA/S 5B-1\n면허 번호 28 71 929634 55\n- OS 15.18.11"
    assert norvane.normalize(text, Config.thorough()).text == (
        "생년월일 19900101 S/N 12B4-S6\n모델\n12B4\nA/S 5B-1\n면허 번호 287192963455\n- OS 151811")


def test_default_and_without_the_setting_read_no_scanned_letter():
    text = "\n".join(t for t, _ in BIRTH_DATES + PHONES + ACCOUNTS_AND_NUMBERS)
    assert [f.text(text) for f in norvane.detect(text).findings] == ["67380-99-99160", "4070 5l23 3387 6747"]
    c = Config.thorough()
    c.scanned_letters = False
    assert [f.text(text) for f in norvane.detect(text, c).findings] == [
        "67380-99-99160", "23-533067-82-288", "5797938003331", "4070 5l23 3387 6747"]


def test_read_out_account_costs_its_spaces_as_hyphens():
    spaced = "상담사: 환급계좌 불러 주세요\n고객: 9096 08 122864 1 요"
    hyphens = "상담사: 환급계좌 불러 주세요\n고객: 9096-08-122864-1 요"
    (a,), (b,) = norvane.detect(spaced, Config.thorough()).findings, norvane.detect(hyphens, Config.thorough()).findings
    assert a.score == b.score
    assert a.evidence.cost.absorbed_whitespace == 3 and b.evidence.cost.absorbed_separators == 3
