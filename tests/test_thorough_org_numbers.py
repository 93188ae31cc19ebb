"""The thorough mode on organisations' own numbers named by the organisation's word: accounts the
word before 계좌 gives to a league, a society, a company or an organiser, a supplier's account in
its one-line record, a business's account in its message to a customer; organisations' lines
named in English or by a unit; shared mailboxes. Each group compares the whole outcome; the
people's own numbers beside them, and an officer's own account, stay values."""
import norvane
import pytest

from thorough_checks import assert_thorough_outcome

BANK = ["context.bank_name", "context.letter_distance"]
ORG = "company_number"


def account(number, extensions):
    return ("bank_account", number, "account.length", extensions)


def mobile(number, extensions=()):
    return ("phone", number, "phone.mobile_11", list(extensions))


def email(address):
    return ("email", address, "email.structural", [])


BRN = ("business_registration", "214-86-00132", "business.10", ["context.letter_distance"])

# The document, what thorough finds in it, and the look-alikes it vetoes with their reasons.
ORGANISATIONS_ACCOUNTS = [
    # The word before 계좌 names the owner, past a price before it, a chat's speaker, a qualifier
    # (공식, 명의) or a space inside 주최 측.
    ("등록비 540만 원 리그 계좌 495-2632-7915-7", [], {"495-2632-7915-7": ORG}),
    ("게재료 120,000원, 학회 계좌 381-693629-39983", [], {"381-693629-39983": ORG}),
    ("해지 문의는 1588-2582, 회사 계좌 674574615941 외 입금 요청은 사기입니다", [],
     {"1588-2582": ORG, "674574615941": ORG}),
    ("[오후 3:12] 김민수: 참가비는 주최측 계좌 3204-7471-3464-6 로 보내주세요", [], {"3204-7471-3464-6": ORG}),
    ("연회비는 학회 공식 계좌 887-224024-64-050 (새마을금고)로 납부 바랍니다.", [], {"887-224024-64-050": ORG}),
    ("심판비는 주최 측 계좌 신한 110-482-339120 로 일괄 입금", [], {"110-482-339120": ORG}),
    ("당사는 회사 명의 계좌 국민 123456-01-234567 외에는 입금을 요청하지 않습니다", [], {"123456-01-234567": ORG}),
    # An account whose digits a landline's also are is read as an account.
    ("당사는 회사 명의 계좌 NH농협 036-29-860208 외에는 입금을 요청하지 않습니다.", [], {"036-29-860208": ORG}),
    # A supplier's record on one line: its refund account is its own; its business number stays.
    ("업체 사업자 214-86-00132 / 환불 계좌 수협 371-527-937439 / 문의 02-555-1234", [BRN],
     {"371-527-937439": ORG, "02-555-1234": ORG}),
    ("공급업체 정보 | 상호 다온 인테리어 | 사업자 214-86-00132 | 반품 환불 계좌 국민 123456-01-234567", [BRN],
     {"123456-01-234567": ORG}),
    # A business's message to its customer asks for a charge: the account is the business's.
    ("[다온 인테리어] 시공 완료 안내\n김민수 고객님, 오늘 작업 마무리되었습니다.\n"
     "잔금은 작업 후 하나은행 371-527-937439 로 입금 부탁드립니다.", [], {"371-527-937439": ORG}),
    ("[한빛 도배] 견적 안내\n계약금 50만원은 국민은행 123456-01-234567 으로 입금해 주세요.", [],
     {"123456-01-234567": ORG}),
    # A remark in the bracket after a club's account names no holder.
    ("모임 통장 국민 123456-01-234567 (회비 전용)", [], {"123456-01-234567": ORG}),
]

PERSONS_ACCOUNTS = [
    # A person's role on an organisation's account with the holder's name after it, 개인 계좌, an
    # officer named before 계좌: the person's own.
    ("산악회 총무 계좌 하나은행 330-018155-93299 (강철수)", [account("330-018155-93299", BANK)], {}),
    ("회장 개인 계좌 국민 123456-01-234567", [account("123456-01-234567", BANK)], {}),
    ("리그 총무 김민수 계좌 신한 110-482-339120", [account("110-482-339120", BANK)], {}),
    # A customer's record names no business; a landlord's 잔금 names none either.
    ("고객 김민수 / 사업자 214-86-00132 / 환불 계좌 국민 123456-01-234567",
     [BRN, account("123456-01-234567", ["context.bank_name", "context.extra_label"])], {}),
    ("집주인입니다. 잔금은 이사 당일 하나은행 371-527-937439 로 입금 부탁드립니다.",
     [account("371-527-937439", ["context.bank_name", "context.trailing_label"])], {}),
    # A statement's row is no sentence asking for a charge (카드대금 ends a word; no 로 입금).
    ("통장 거래내역\n거래일시 | 적요 | 상대계좌 | 입금\n2024.01.02 | 카드대금 | 국민 123456-01-234567 | 입금 50,000\n"
     "(주)한빛 학원", [account("123456-01-234567", ["context.bank_name"])], {"2024.01.02": "look_alike"}),
    # A holder after 예금주 is read whole (기아 유성구대리점), not by its first word.
    ("계약금 입금 농협 924627-81-989986 (예금주 기아 유성구대리점)", [], {"924627-81-989986": ORG}),
]

LINES = [
    # English names of an organisation's lines; the mobiles of the people beside them stay.
    ("General inquiries: support@hanbit.co.kr / Main 053-4614-3095\nSales: Jiwoo Kim (Mobile 010-2384-5521)",
     [mobile("010-2384-5521", ["context.extra_label"])],
     {"support@hanbit.co.kr": ORG, "053-4614-3095": ORG}),
    ("Branch tel 043) 342-8517\nContact person: Minsu Kim / Mobile 010-2384-5521",
     [mobile("010-2384-5521", ["context.extra_label"])], {"043) 342-8517": ORG}),
    ("Head office 02-555-1234 / Front desk: 031-242-1177 / Reception 02-714-5006", [],
     {"02-555-1234": ORG, "031-242-1177": ORG, "02-714-5006": ORG}),
    # Direct names a person's own line: it is read as their label.
    ("Switchboard 070-4834-3512 | Direct: Jihoon Lee 010-3661-6061",
     [mobile("010-3661-6061", ["context.extra_label"])],
     {"070-4834-3512": ORG}),
    ("Customer care 02-555-1234\nMain office: 031-242-1177  After hours: 070-4834-3512", [],
     {"02-555-1234": ORG, "031-242-1177": ORG, "070-4834-3512": ORG}),
    # A person's direct line, a home line, a contact's main and office numbers (Main:, Office:,
    # phone: {main: ...}) and a signature's line beside a person's own address stay theirs.
    ("Branch manager Minsu Kim, direct 02-555-1234",
     [("phone", "02-555-1234", "phone.seoul", ["context.extra_label"])], {}),
    ("Main: 02-555-1234", [("phone", "02-555-1234", "phone.seoul", [])], {}),
    ("Office: 02-555-1234", [("phone", "02-555-1234", "phone.seoul", [])], {}),
    ("phone:\n  main: 02-555-1234", [("phone", "02-555-1234", "phone.seoul", ["context.enclosing_key"])], {}),
    ("김민수 과장 | minsu.kim@hanbit.co.kr | 02-555-1234",
     [email("minsu.kim@hanbit.co.kr"), ("phone", "02-555-1234", "phone.seoul", [])], {}),
    ("Home 02-555-1234 / Mobile 010-2384-5521",
     [("phone", "02-555-1234", "phone.seoul", ["context.trailing_label"]),
      mobile("010-2384-5521", ["context.extra_label"])], {}),
    # Korean units that are no person: a hub, the coast guard, a ward's station, secretariats.
    ("지역 허브 02) 714-5006\n수령인 김민수 010-2384-5521", [mobile("010-2384-5521")], {"02) 714-5006": ORG}),
    ("해경 신고 064-722-1234", [], {"064-722-1234": ORG}),
    ("병동 스테이션 062) 390-2814\n보호자 김민수 010-2384-5521", [mobile("010-2384-5521")],
     {"062) 390-2814": ORG}),
    ("리그 사무국 02-714-5006 / 파트너센터 031-228-2114 / 학회 사무국 02.714.5006", [],
     {"02-714-5006": ORG, "031-228-2114": ORG, "02.714.5006": ORG}),
]

MAILBOXES = [
    # A company's press, people and investor desks, whatever the line says around them.
    ("press@company.kr", [], {"press@company.kr": ORG}),
    ("홍보팀 공용 press@company.kr\n담당 김민수 대리 kim.subin@company.kr", [email("kim.subin@company.kr")],
     {"press@company.kr": ORG}),
    ("학회 사무국 press@ksoc.or.kr", [], {"press@ksoc.or.kr": ORG}),
    ("Contact press@company.kr for help", [], {"press@company.kr": ORG}),
    ("받는사람: press@company.kr\n보낸사람: 김민수 kim.subin@company.kr", [email("kim.subin@company.kr")],
     {"press@company.kr": ORG}),
    ("To: hr@hanbit.kr, jobs@hanbit.kr, IR@hanbit.kr\nCc: minsu.kim@hanbit.kr", [email("minsu.kim@hanbit.kr")],
     {"hr@hanbit.kr": ORG, "jobs@hanbit.kr": ORG, "IR@hanbit.kr": ORG}),
    # Roles and the domain's own name; an address the words right before it call shared.
    ("팀 공용 메일 hanbit.pr@hanbit.co.kr 로 보내주세요", [], {"hanbit.pr@hanbit.co.kr": ORG}),
    ("대표 메일: hanbit3@hanbit.co.kr", [], {"hanbit3@hanbit.co.kr": ORG}),
    # 대표 names the representative too: at a mail service people sign up to, the address is theirs.
    ("대표자 휴대폰: 010-3707-1234\n대표 이메일: siwoo82@kakao.com\n공식 메일 pr01@hanmail.net",
     [mobile("010-3707-1234", ["context.letter_distance"]), email("siwoo82@kakao.com")], {"pr01@hanmail.net": ORG}),
    ("| 대표 이메일 | jungwoo50@hanmail.net |\n| 대표메일 | office7@daon-mobility.kr |",
     [email("jungwoo50@hanmail.net")], {"office7@daon-mobility.kr": ORG}),
    # The words before an earlier address speak of that one; a person's name beside a role stays.
    ("Please reply to pr@hanbit.kr, not to minsu.kim@hanbit.kr", [email("minsu.kim@hanbit.kr")],
     {"pr@hanbit.kr": ORG}),
    ("공용 press@a.kr / 개인 minsu.kim@a.kr", [email("minsu.kim@a.kr")], {"press@a.kr": ORG}),
    ("help.kim@naver.com jisoo.info@naver.com admin01@naver.com press.kim@hanbit.co.kr hanbit.press@hanbit.co.kr",
     [email(a) for a in ("help.kim@naver.com", "jisoo.info@naver.com", "admin01@naver.com",
                         "press.kim@hanbit.co.kr")],
     {"hanbit.press@hanbit.co.kr": ORG}),
]

DOCUMENTS = ORGANISATIONS_ACCOUNTS + PERSONS_ACCOUNTS + LINES + MAILBOXES


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_organisations_numbers_are_not_reported_and_the_peoples_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_the_default_setting_still_reports_a_shared_mailbox():
    """Config() reads no role words nor owners before 계좌: the mailbox stays a finding (the
    account was never one there, for want of a label it reads)."""
    text = "홍보팀 공용 press@company.kr\n게재료 120,000원, 학회 계좌 381-693629-39983"
    assert [(f.entity, f.text(text)) for f in norvane.detect(text).findings] == [("email", "press@company.kr")]
