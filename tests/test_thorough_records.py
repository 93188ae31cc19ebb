"""The thorough mode on records people copy out of an app or a spreadsheet: a transaction
history whose description cell holds the other party's name and account beside a 구분 column of
words, a travel roster with passport, expiry and birth-date columns, a birth date asked for in a
sentence and given in brackets, a business registration number beside a company's words, and
another country's passport of nine digits after its label. Each group compares the whole outcome,
the look-alikes beside the values included, and the default settings on the same text."""
import pytest

import norvane
from norvane import Config, Policy, PolicySet
from thorough_checks import assert_exact_and_reversible, found

CH, LD, EL = "context.column_header", "context.letter_distance", "context.extra_label"
MEMO, PAST_CELLS = "context.statement_memo", "context.header_past_other_cells"
BRACKETED, NINE = "context.bracketed_answer", "passport.nine_digits"

HISTORY = ("[신한] 거래내역조회\n거래일시\t구분\t출금액\t입금액\t잔액\t내용\n"
           "2026-11-02 09:14\t모바일\t-\t1,250,000\t3,480,200\t홍승민 565888-72-088204\n"
           "2026-11-03 18:40\t타행이체\t300,000\t-\t3,180,200\t허옥순:110-998-776518\n"
           "2026-11-04 12:02\t체크카드\t12,800\t-\t3,167,400\t승인번호 48213377\n"
           "2026-11-05 07:00\tCMS\t45,000\t-\t3,122,400\t보험료")
# Passports of the old and the current format and another country's nine digits; the expiry
# dates beside them, written as the birth dates are or with dashes, are no birth dates.
ROSTER = ("No,성명,영문명,여권번호,여권만료일,생년월일,비고\n"
          "1,이재훈,LEE/JAEHOON,M70429262,2029-12-05,830914,\n"
          "2,김다인,LIM/DAIN,M818W5506,290618,910203,싱글룸\n"
          "3,박민수,PARK/MINSU,577631325,2031-03-14,750102,")
# The bracket answers the sentence's label; a bracket with a label of its own, or under another
# word, does not.
ASKED = ("[새봄약국] 처방전이 준비되었습니다.\n"
         "수령 시 본인 확인을 위해 생년월일을 말씀해 주세요 (등록: 751001)\n"
         "보관함 비밀번호 (150910)\n"
         "생년월일을 말씀해 주세요 (인증번호 483920)")
# A company's words veto its telephone numbers, not its own business number; a number of the
# same length whose check digit disagrees stays vetoed.
COMPANY = "고객센터 615-14-28317\n고객센터 615-14-28318\n고객센터 02-1234-5678"
FORM = ("기숙사 입사 신청서\nName: NGUYEN VAN AN\n외국인등록번호: 900101-5123456\n"
        "여권번호: 577631325\nPassport No.: 214885492\n주문번호 214885493\n송장 1234567890")

CASES = [
    (HISTORY,
     [("bank_account", "565888-72-088204", "account.length", [MEMO, PAST_CELLS], []),
      ("bank_account", "110-998-776518", "account.length", [LD, EL, MEMO, PAST_CELLS], [])],
     []),
    (ROSTER,
     [("passport", "M70429262", "passport.shape", [CH], []),
      ("birth_date", "830914", "birth.yymmdd", [CH], []),
      ("passport", "M818W5506", "passport.current", ["passport.current", CH], []),
      ("birth_date", "910203", "birth.yymmdd", [CH], []),
      ("passport", "577631325", NINE, [NINE, CH], []),
      ("birth_date", "750102", "birth.yymmdd", [CH], [])],
     []),
    (ASKED,
     [("birth_date", "751001", "birth.yymmdd", [LD, BRACKETED], [])],
     # Without the thorough settings' look-alike words the locker's code reads as a birth date.
     [("birth_date", "150910", "birth.yymmdd", [], [])]),
    (COMPANY,
     [("business_registration", "615-14-28317", "business.10", ["business.past_company_words"], [])],
     [("business_registration", "615-14-28317", "business.10", [], [])]),
    (FORM,
     [("foreigner_registration", "900101-5123456", "resident.recent", ["resident.recent", LD], []),
      ("passport", "577631325", NINE, [NINE, LD], []),
      ("passport", "214885492", NINE, [NINE, EL], [])],
     [("foreigner_registration", "900101-5123456", "resident.foreigner_13", [], [])]),
]


@pytest.mark.parametrize("text, thorough, default", CASES)
def test_records_copied_out_whole_outcome(text, thorough, default):
    assert found(text, Config.thorough()) == thorough
    assert found(text, Config()) == default
    assert_exact_and_reversible(text)


def test_nine_digits_are_a_passport_only_under_its_label():
    """Beside another label, in a longer number, a decimal or a date, nine digits stay what
    they were."""
    texts = ["주문번호 577631325", "여권번호: 577631325-1", "여권번호: 1577631325", "여권번호: 5776.31325",
             "passport 2026/577631325", "송장 577631325 (여권 동봉)"]
    assert [[f[:3] for f in found(t, Config.thorough()) if f[0] == "passport"] for t in texts] == [[]] * len(texts)


def test_masks_leave_the_look_alikes_of_a_history_and_a_roster():
    text = HISTORY + "\n\n" + ROSTER
    out = norvane.mask(text, PolicySet(Policy.tokenize()), Config.thorough())
    assert [a.entity for a in out.applied] == ["bank_account"] * 2 + ["passport", "birth_date"] * 3
    for look_alike in ("48213377", "3,167,400", "2029-12-05", "290618", "2031-03-14"):
        assert look_alike in out.text
    assert norvane.unmask(out.text, out.restore) == text
