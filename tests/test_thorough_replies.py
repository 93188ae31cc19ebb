"""The thorough mode on replies to what was asked or announced: rows answering the fields a post
asked for, in its order and with its separator, behind bullets; a value in the message after the
one that said it was coming (a messenger's name and time between them, or the other side's
remark); a company owner's own mobile under the company's block, whatever its shape; an export
paper's contact person's direct line beside the office's lines; e-mails written with a bare
" at " before a mail service's domain, and English prose that stays prose. Each group compares
the whole outcome, the look-alikes beside the values included."""
import pytest

from thorough_checks import assert_exact_and_reversible, found_thorough

ANNOUNCED, EARLIER = "context.announced_header", "context.earlier_question"
PREVIOUS, EARLIER_LINE = "context.previous_line", "context.earlier_line"
LD, EL, OBF = "context.letter_distance", "context.extra_label", "email.obfuscated"
AT_LABELLED = "email.labelled_at_word"

ROWS = [
    # Every reply row is read under the request's fields, not the first one alone.
    ("참가 신청은 댓글로 이름/연락처/생년월일 남겨 주세요\n└ 김민수 / 010-2345-6789 / 1990.03.15\n"
     "└ 이서연 / 010-3456-7890 / 1988.11.02\n└ 박지훈 / 010-9876-5432 / 1995.07.21",
     [("phone", "010-2345-6789", "phone.mobile_11", [ANNOUNCED]),
      ("birth_date", "1990.03.15", "birth.yyyymmdd", [ANNOUNCED]),
      ("phone", "010-3456-7890", "phone.mobile_11", [ANNOUNCED]),
      ("birth_date", "1988.11.02", "birth.yyyymmdd", [ANNOUNCED]),
      ("phone", "010-9876-5432", "phone.mobile_11", [ANNOUNCED]),
      ("birth_date", "1995.07.21", "birth.yyyymmdd", [ANNOUNCED])]),
    ("성함, 번호, 생일 순으로 적어 주세요\n- 홍길동, 010-1111-2222, 1990-01-01\n- 김영희, 010-3333-4444, 1985-05-05",
     [("phone", "010-1111-2222", "phone.mobile_11", []),
      ("birth_date", "1990-01-01", "birth.yyyymmdd", [ANNOUNCED]),
      ("phone", "010-3333-4444", "phone.mobile_11", []),
      ("birth_date", "1985-05-05", "birth.yyyymmdd", [ANNOUNCED])]),
    # Slashes inside a date part no fields; the rows stop at the blank line.
    ("이름/생년월일 부탁드려요\nㄴ 최유진/970304\nㄴ 정하늘/010215\nㄴ 강민호/881130\n\n행사일 2026/12/24",
     [("birth_date", "970304", "birth.yymmdd", [ANNOUNCED]),
      ("birth_date", "010215", "birth.yymmdd", [ANNOUNCED]),
      ("birth_date", "881130", "birth.yymmdd", [ANNOUNCED])]),
    # The fields listed in brackets after the request; one comma between a name and a date.
    ("명단 작성 부탁드립니다 (성명, 생년월일)\n➡ 기나연, 061221\n➡ 용시우, 760828\n\n입금액, 30000",
     [("birth_date", "061221", "birth.yymmdd", [ANNOUNCED]),
      ("birth_date", "760828", "birth.yymmdd", [ANNOUNCED])]),
]
# A line saying what comes next labels the next message as a remark does (vetoing nothing), and
# is read over remarks and headers as a question is.
ANNOUNCEMENTS = [
    # A messenger's name and time over each message stand between them as blank lines would.
    ("김민수 오후 3:01\n기존 면허번호 보내드려요\n김민수 오후 3:01\n11-23-456789-01",
     [("driver_license", "11-23-456789-01", "license.12", [PREVIOUS])]),
    ("고객: 기존 면허번호 보내드려요\n상담사: 네 확인하겠습니다\n고객: 11 23 456789 01",
     [("driver_license", "11 23 456789 01", "license.12", [EARLIER_LINE])]),
    ("계좌 알려드릴게요\n110-123-456789\n\n여권번호 적어드릴게요\nM123A4567\n\n면허번호 남길게요\n11-23-4567**-01",
     [("bank_account", "110-123-456789", "account.length", [PREVIOUS]),
      ("passport", "M123A4567", "passport.current", ["passport.current", PREVIOUS]),
      ("driver_license", "11-23-4567**-01", "license.12", [PREVIOUS])]),
    # Read past the other side's reply, whose own words (보내주세요) name an account.
    ("이선우 오전 5:37\n운전면허 번호 적어드릴게요\n도은비 오전 7:54\n네 보내주세요\n이선우 오전 5:38\n12-89-88****-36",
     [("driver_license", "12-89-88****-36", "license.12", [EARLIER_LINE])]),
]
# A transcript's request parted by tabs lists no fields, and a label line's bracket is no header:
# the question above and the label keep labelling as before.
NO_FIELDS = [
    ("00:00:23\t상담사\t사업자등록번호가 어떻게 되세요?\n00:00:35\t고객님\t잠깐만 기다려 주세요\n"
     "00:00:39\t고객님\t518-64-***** 이에요",
     [("business_registration", "518-64-*****", "business.10", [EARLIER])]),
    ("[입금계좌번호]\n\n9763-77-6795299",
     [("bank_account", "9763-77-6795299", "account.length", ["context.label_line"])]),
]
OWNERS = [
    # The owner's mobile label decides, even on a landline's shape under a block with a fax.
    ("시공업체 한빛인테리어 (사업자등록번호 123-45-67890)\n팩스 031-234-5679\n업체 대표 휴대폰: 031-234-5678",
     [("business_registration", "123-45-67890", "business.10", [LD]),
      ("phone", "031-234-5678", "phone.landline", [])]),
    ("수리업체 우리설비 / 대표 박영수\n사업자등록번호 220-81-12345\nTEL 02-555-1234 FAX 02-555-1235\n"
     "사장님 핸드폰 011-234-5678",
     [("business_registration", "220-81-12345", "business.10", [LD]),
      ("phone", "011-234-5678", "phone.mobile_10", [LD])]),
]
EXPORTS = [
    # The contact person's Tel is theirs; the office's Tel, Company Tel and Fax stay unreported.
    ("SHIPPER: HANBIT TRADING CO., LTD.\nTel: 02-555-1234  Fax: 02-555-1235\n"
     "Shipper contact: Minji Kim  Tel 032-123-4567  Email minji.kim@hanbit.co.kr",
     [("phone", "032-123-4567", "phone.landline", [EL]),
      ("email", "minji.kim@hanbit.co.kr", "email.structural", [])]),
    ("Exporter: DAEHAN MULSAN CO., LTD.\nCompany Tel: 02-777-8888\n"
     "Person in charge: Junho Lee, Mobile 010-2345-6789, E-mail junho@daehan.com\nContact: Tel 02-777-8000  Fax 02-777-8001",
     [("phone", "010-2345-6789", "phone.mobile_11", [EL]),
      ("email", "junho@daehan.com", "email.structural", [])]),
]
MAILS = [
    ("메일은 yerin.kwon at naver.com 으로 주세요\n견적서는 minho97 at gmail.com 로 부탁드려요\n연락 주실 곳: sunny AT daum.net",
     [("email", "yerin.kwon at naver.com", AT_LABELLED, [AT_LABELLED]),  # 메일 on its line
      ("email", "minho97 at gmail.com", OBF, [OBF]),
      ("email", "sunny AT daum.net", OBF, [OBF])]),
    # A mail service's domain decides without a label on the line.
    ("From:\nhong at naver.com", [("email", "hong at naver.com", OBF, [OBF])]),
    # English prose about a company at its domain is no address.
    ("We will meet at naver.com's office.\nI work at kakao.com now.\nMeet at gmail.com", []),
]


@pytest.mark.parametrize("text,expected", ROWS + ANNOUNCEMENTS + NO_FIELDS + OWNERS + EXPORTS + MAILS)
def test_replies_whole_outcome(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)
