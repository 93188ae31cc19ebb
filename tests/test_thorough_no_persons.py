"""The thorough mode on what stands beside a person's number or in place of one and is no person's:
an amount or another number after a partly masked card (the card ends at its last group), an
organisation's line right after its name or desk, an account an organisation is said to hold,
and a company's shared mailboxes. Each group compares the whole outcome; the people's own
numbers beside them stay values."""
import norvane
import pytest

from thorough_checks import assert_thorough_outcome

LD = ["context.letter_distance"]
APART = "card.masked_before_more"


def card(number, rule, extensions):
    return ("credit_card", number, rule, extensions)


# The document, what thorough finds in it, and the look-alikes it vetoes with their reasons.
MASKED_CARDS = [
    # A partly masked card ends at its last group, whatever number follows after a space: an
    # amount, a count of months, a bare figure. Written with its own marks, it ends its field
    # before the next one is ever joined to it; in groups set apart by spaces, it is read apart
    # from the figure after it (its masks leave no check digit to refuse more).
    ("결제: 5214-87**-****-0803 253,500원 승인 19240175",
     [card("5214-87**-****-0803", "card.masked_groups", ["card.masked_groups"] + LD)], {}),
    ("결제카드 5214 87** **** 0803 3개월 할부",
     [card("5214 87** **** 0803", "card.masked_groups", ["card.masked_groups", "context.extra_label", APART])], {}),
    ("카드 3728-35****-*3959 12,000원 일시불\n카드번호 3411-4024**-**917 5 결제",
     [card("3728-35****-*3959", "card.luhn", LD), card("3411-4024**-**917", "card.luhn", LD)],
     {}),
    ("카드 5214-87●●-●●●●-0803 64,000원", [card("5214-87●●-●●●●-0803", "card.luhn", LD)], {}),
    # A masked account before an amount ends its field as a whole one does.
    ("환불 계좌 국민 123-45**-6789 50,000원 입금 예정",
     [("bank_account", "123-45**-6789", "account.length", ["context.bank_name", "context.extra_label"])], {}),
    # A card in clear ends its field the same way, and an amount ends the field of an account
    # in groups set apart by spaces; an approval number after a word was never joined.
    ("카드 5214-8712-3456-0803 253,500원", [card("5214-8712-3456-0803", "card.luhn", LD)], {}),
    ("환불 계좌 국민 123 45 6789 1 50000원 입금 예정",
     [("bank_account", "123 45 6789 1", "account.length", ["context.bank_name", "context.extra_label"])], {}),
    ("카드 5214-87**-****-0803 승인 19240175",
     [card("5214-87**-****-0803", "card.masked_groups", ["card.masked_groups"] + LD)], {}),
    # A mobile with x_... right after it: the x is a word's letter, not a mask.
    ("mobile=010-9868-4038 x_forwarded_for=121.35.138.43", [("phone", "010-9868-4038", "phone.mobile_11",
                                                             ["context.log_key"])],
     {"121.35.138.43": "look_alike"}),
]


def mobile(number):
    return ("phone", number, "phone.mobile_11", [])


def landline(number):
    return ("phone", number, "phone.landline", [])


BANK = ["context.bank_name", "context.letter_distance"]

DESKS = [
    # A management company's line; the household's mobile stays.
    ("관리회사 054-4082-4687\n세대 문의 김민수 010-2384-5521", [mobile("010-2384-5521")],
     {"054-4082-4687": "company_number"}),
    # A shop's name heading its line ends in its trade's word; elsewhere on a line it says nothing.
    ("렌탈샵 02-7828-2358\n꽃담플라워 043-5074-5057\n- 하늘사진관: 031-902-1133", [],
     {"02-7828-2358": "company_number", "043-5074-5057": "company_number", "031-902-1133": "company_number"}),
    ("결혼식 꽃 문의 꽃담플라워 043-5074-5057", [landline("043-5074-5057")], {}),
    ("장미 좋아하는 김민수 031-242-1177", [landline("031-242-1177")], {}),
    # A public office's counter after a staff member's direct line: the person's words speak of
    # the number they stand before (직통 is its label), not of the counter's after it.
    ("담당 수사관 김민수 경위 직통 062.2444.9541 / 민원실 02-7656-2783", [("phone", "062.2444.9541", "phone.landline", ["context.extra_label"])],
     {"02-7656-2783": "company_number"}),
    ("담당 이영희 주무관 직통 031-228-4471, 민원봉사실 031-228-2114", [("phone", "031-228-4471", "phone.landline", ["context.extra_label"])],
     {"031-228-2114": "company_number"}),
]

ACCOUNTS = [
    # A franchise's head office, a shop and an office named as the account's owner.
    ("가맹비 입금 계좌(본사): 국민 123456-01-234567\n가맹 희망자 김민수 010-2384-5521", [mobile("010-2384-5521")],
     {"123456-01-234567": "company_number"}),
    ("사진관 계좌 신한 110-482-339120 으로 예약금 입금 부탁드립니다\n관리사무소 계좌 농협 302-1234-5678-91", [],
     {"110-482-339120": "company_number", "302-1234-5678-91": "company_number"}),
    # A person written as the holder keeps it theirs, and so does a club's treasurer whose own
    # account collects the fees.
    ("관리사무소 계좌 농협 302-1234-5678-91 예금주 김영희",
     [("bank_account", "302-1234-5678-91", "account.length", BANK + ["context.trailing_label"])], {}),
    ("회비 계좌 카카오뱅크 3333-01-2345678 (총무 김영희)",
     [("bank_account", "3333-01-2345678", "account.length", BANK)], {}),
    # A merchant's settlement account in a payment company's log; a settlement account with no
    # merchant on its line stays (a seller's proceeds are paid to the seller).
    ("merchant_id=M12345678 merchant_brn=214-86-00132 settlement_account=110482339120 bank=신한",
     [("business_registration", "214-86-00132", "business.10", ["context.log_key"])],
     {"M12345678": "look_alike", "110482339120": "company_number"}),
    ("user=kim settlement_account=110482339120",
     [("bank_account", "110482339120", "account.length", ["context.log_key"])], {}),
    # An association's donation account, its name before the account's word or after the number.
    ("장학회 기부 계좌 우리 1002-839-441120\n후원금 계좌: 하나 486-003-8487507 (사)푸른나무재단", [],
     {"1002-839-441120": "company_number", "486-003-8487507": "company_number"}),
]


def email(address):
    return ("email", address, "email.structural", [])


MAILBOXES = [
    # Shared and no-reply mailboxes, in any case; a person's address holding a role's word stays.
    ("From: no-reply@accounts.kakao.com\nTo: minji.kim@naver.com", [email("minji.kim@naver.com")],
     {"no-reply@accounts.kakao.com": "company_number"}),
    ("문의 help@hanbit.co.kr / INFO@hanbit.co.kr / Support@hanbit.co.kr / cs@hanbit.co.kr / webmaster@hanbit.co.kr",
     [], {a + "@hanbit.co.kr": "company_number" for a in ("help", "INFO", "Support", "cs", "webmaster")}),
    ("보낸사람: donotreply@hometax.go.kr 받는사람 jisoo.info@naver.com, help.kim@naver.com, admin01@naver.com",
     [email("jisoo.info@naver.com"), email("help.kim@naver.com"), email("admin01@naver.com")],
     {"donotreply@hometax.go.kr": "company_number"}),
]

DOCUMENTS = MASKED_CARDS + DESKS + ACCOUNTS + MAILBOXES


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_what_is_no_persons_is_not_reported_and_stays_in_clear(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_the_default_setting_still_reports_shared_mailboxes():
    text = "문의 help@hanbit.co.kr"
    assert [(f.entity, f.text(text)) for f in norvane.detect(text).findings] == [("email", "help@hanbit.co.kr")]
