"""The thorough mode on offices' lines written where a person's would be: a column whose header
names an office or a place beside a column of each person's own line (번호,이름,휴대폰,사무실), an
office's label set off by a bracket or a mark or a company line's label under a person's generic
label (연락처: 【교무실】, 연락처 - 대표전화：), an office's telephone with its fax beside it, and an
insurance policy's or certificate's number under its label or key. The people's own lines beside
them stay: a home line, a guardian's, a workplace named plainly, a staff member's desk line under
their signature, a mobile after the word policy in prose. Each group compares the whole outcome."""
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st
import pytest

import norvane
from norvane import Config, Policy, PolicySet
from thorough_checks import (assert_exact_and_reversible,
                             assert_masks_hide_values_and_keep_look_alikes, assert_thorough_outcome,
                             found_thorough)

# Tables in CSV, TSV, pipes and Markdown whose office's or place's column stands beside each
# person's own line or beside no person at all (a directory of schools); a home's column, a
# guardian's line, a workplace's column and an office's column beside a name alone stay values.
OFFICE_COLUMNS = [
    ('번호,이름,휴대폰,사무실\n1,김철수,010-2035-8653,053-737-7114\n2,이영희,010-3456-7788,02-555-0123',
     [('phone', '010-2035-8653', 'phone.mobile_11', ['context.column_header']),
      ('phone', '010-3456-7788', 'phone.mobile_11', ['context.column_header'])],
     {'053-737-7114': 'company_number', '02-555-0123': 'company_number'}),
    ('성명\t연락처\t교무실\t행정실\n오세훈\t010-5512-3380\t043-447-1004\t043-447-1005',
     [('phone', '010-5512-3380', 'phone.mobile_11', ['context.column_header'])],
     {'043-447-1004': 'company_number', '043-447-1005': 'company_number'}),
    ('| 이름 | 연락처 | 사무국 |\n|---|---|---|\n| 박지민 | 010-2222-3333 | 033-596-0011 |',
     [('phone', '010-2222-3333', 'phone.mobile_11', ['context.column_header'])],
     {'033-596-0011': 'company_number'}),
    ('이름|HP|관리사무소|FAX\n권예린|010-8841-2207|031-555-1234|031-555-1299',
     [('phone', '010-8841-2207', 'phone.mobile_11', ['context.column_header'])],
     {'031-555-1234': 'company_number', '031-555-1299': 'company_number'}),
    ('성명,휴대폰,본점 전화,매장 전화\n천광수,010-2231-4455,02-555-1234,02-555-1235',
     [('phone', '010-2231-4455', 'phone.mobile_11', ['context.column_header'])],
     {'02-555-1234': 'company_number', '02-555-1235': 'company_number'}),
    ('학교명,교무실,행정실\n한빛초,043-447-1004,043-447-1005',
     [],
     {'043-447-1004': 'company_number', '043-447-1005': 'company_number'}),
    ('성함,사무실\n김민수,02-555-1299',
     [('phone', '02-555-1299', 'phone.seoul', [])],
     {}),
    ('이름,연락처,자택\n김철수,010-2035-8653,053-737-7114',
     [('phone', '010-2035-8653', 'phone.mobile_11', ['context.column_header']),
      ('phone', '053-737-7114', 'phone.landline', ['context.column_header'])],
     {}),
    ('이름,보호자 연락처,사무실\n김철수,053-737-7114,02-555-0123',
     [('phone', '053-737-7114', 'phone.landline', ['context.column_header'])],
     {'02-555-0123': 'company_number'}),
    ('이름,휴대폰,직장\n김철수,010-2035-8653,02-555-0123',
     [('phone', '010-2035-8653', 'phone.mobile_11', ['context.column_header']),
      ('phone', '02-555-0123', 'phone.seoul', [])],
     {}),
]

# An office's label right before its landline under a person's generic label, in brackets, after a
# mark or as a company line's label (full-width colon and digits); an office word written plainly or
# in a parenthesis, a home, a laboratory and a named teacher keep the line a person's.
OFFICES_UNDER_CONTACT_LABELS = [
    ('연락처\n【교무실】 043-447-1004',
     [],
     {'043-447-1004': 'company_number'}),
    ('학부모 연락처: 010-2035-8653\n학교 연락처 【교무실】 043-447-1004',
     [('phone', '010-2035-8653', 'phone.mobile_11', ['context.letter_distance'])],
     {'043-447-1004': 'company_number'}),
    ('연락처 - 대표전화： ０４３－７３７－２０００',
     [],
     {'０４３－７３７－２０００': 'company_number'}),
    ('연락처 사무실 053-737-7114',
     [('phone', '053-737-7114', 'phone.landline', ['context.letter_distance'])],
     {}),
    ('연락처: ▷ 사무국: 033-596-0011',
     [],
     {'033-596-0011': 'company_number'}),
    ('신청인 연락처: 010-2035-8653 / [행정실] 02-555-0123',
     [('phone', '010-2035-8653', 'phone.mobile_11', ['context.letter_distance'])],
     {'02-555-0123': 'company_number'}),
    ('연락처(사무실) 02-555-0123',
     [('phone', '02-555-0123', 'phone.seoul', ['context.letter_distance', 'context.compound_label'])],
     {}),
    ('연락처: 자택 053-737-7114',
     [('phone', '053-737-7114', 'phone.landline', ['context.extra_label', 'context.letter_distance'])],
     {}),
    ('연락처: 연구실 02-880-1234',
     [('phone', '02-880-1234', 'phone.seoul', ['context.extra_label', 'context.letter_distance'])],
     {}),
    ('연락처 (김민지 선생님) 043-447-1004',
     [('phone', '043-447-1004', 'phone.landline', ['context.letter_distance', 'context.compound_label'])],
     {}),
]

# An office's telephone with its fax beside it under a generic label; a guardian's line, a mobile
# beside a fax and a staff member's desk line under their signature stay values.
TEL_AND_FAX = [
    ('연락처 TEL 02-123-4567 FAX 02-123-4568',
     [],
     {'02-123-4567': 'company_number', 'X 02-123-4568': 'look_alike'}),
    ('연락처: 전화 02-123-4567, 팩스 02-123-4568',
     [],
     {'02-123-4567': 'company_number', '02-123-4568': 'company_number'}),
    ('연락처 : 02-123-4567 (FAX 02-123-4568)',
     [],
     {'02-123-4567': 'company_number', 'X 02-123-4568': 'look_alike'}),
    ('보호자 연락처 02-123-4567, 팩스 02-123-4568',
     [('phone', '02-123-4567', 'phone.seoul', ['context.letter_distance'])],
     {'02-123-4568': 'company_number'}),
    ('연락처 010-2035-8653 FAX:02-123-4568',
     [('phone', '010-2035-8653', 'phone.mobile_11', ['context.letter_distance'])],
     {'02-123-4568': 'company_number'}),
    ('담당 김철수 과장\nTEL 02-123-4567 FAX 02-123-4568',
     [('phone', '02-123-4567', 'phone.seoul', ['context.extra_label'])],
     {'X 02-123-4568': 'look_alike'}),
]

# An insurance policy's number under a record's policy key or a certificate's label, beside the
# refund account and the card that stay values.
POLICIES = [
    ('policy=2022-434-088946',
     [],
     {'2022-434-088946': 'look_alike'}),
    ('{"policy": "2022-434-088946", "phone": "010-2035-8653"}',
     [('phone', '010-2035-8653', 'phone.mobile_11', ['context.extra_label'])],
     {'2022-434-088946': 'look_alike'}),
    ('log: user=kim policy_number=2022-434-088946 status=active',
     [],
     {'2022-434-088946': 'look_alike'}),
    ('가입증서 번호 2019-687-859815 / 환급 계좌 신한 110-123-456789',
     [('bank_account', '110-123-456789', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {'2019-687-859815': 'look_alike'}),
    ('보험증서 2019-687-859815, 카드번호 4532-0151-1283-0366',
     [('credit_card', '4532-0151-1283-0366', 'card.luhn', ['context.letter_distance'])],
     {'2019-687-859815': 'look_alike'}),
]

DOCUMENTS = OFFICE_COLUMNS + OFFICES_UNDER_CONTACT_LABELS + TEL_AND_FAX + POLICIES


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_office_lines_and_policies_are_not_reported_and_the_peoples_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_masking_keeps_office_lines_and_hides_the_peoples():
    assert_masks_hide_values_and_keep_look_alikes(DOCUMENTS)


def test_a_mobile_after_the_word_policy_in_prose_stays_a_mobile():
    # The policy key names no mobile: the mobile's reading passes it, its other readings do not.
    text = 'See our privacy policy or call 010-2035-8653.'
    assert found_thorough(text) == [
        ('phone', '010-2035-8653', 'phone.mobile_11', ['phone.mobile_under_other_word'])]
    masked = norvane.mask(text, PolicySet(Policy.redact_label()), Config.thorough()).text
    assert masked == 'See our privacy policy or call [전화번호].'


# Pieces these readings look at, joined in any order with arbitrary text: headers and cells of
# tables, brackets and marks around an office's word, full-width colons and digits, fax words and
# policy keys.
PIECES = ["번호,이름,휴대폰,사무실\n", "사무실", "교무실", "대표전화", "연락처", "자택", "【", "】", "▷", "[",
          "]", "：", "０４３－７３７－２０００", "053-737-7114", "010-2035-8653", "FAX", "TEL", "팩스",
          "policy=", "가입증서 번호 ", "2019-687-859815", ",", "|", "\t", "\n", " "]
hostile = st.lists(st.one_of(st.sampled_from(PIECES),
                             st.text(st.characters(blacklist_categories=("Cs",)), max_size=4)),
                   max_size=16).map("".join)


@settings(max_examples=300, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(hostile)
def test_office_line_readings_keep_spans_exact_and_masks_reversible_on_any_text(text):
    assert_exact_and_reversible(text)
