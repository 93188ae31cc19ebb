"""The thorough mode on numbers of organisations that look like people's: a business's own account
(사업자 계좌, 법인), an office's main line under a place's label on the line above or spaced out by a
scan (사무실 전화 / 055-..., 관 리 사 무 소), a fax's number whose label's last letter a scan's run
took for a masked digit (FAX － ０４１－...), and a gift voucher's number (온누리상품권 번호). The
people's own values beside them stay: a self-employed person's own business account, a refund
account, a home line or a guardian's line under its label, a person's line in a table's row, the
mobile a voucher is sent to, the card a voucher is paid with. Each group compares the whole outcome."""
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st
import pytest

from thorough_checks import (assert_exact_and_reversible,
                             assert_masks_hide_values_and_keep_look_alikes, assert_thorough_outcome)

# A business's own account under 사업자 계좌 or 법인, in statements, lists, tables, prose and with a
# full-width colon; a self-employed person's own account (본인 사업자 계좌, 개인사업자) and the
# customer's refund account stay values.
BUSINESS_ACCOUNTS = [
    ('[거래 명세서] 한빛상사\n사업자 계좌 095009-39-736446\n담당 김민지 010-3345-7782',
     [('phone', '010-3345-7782', 'phone.mobile_11', [])],
     {'095009-39-736446': 'company_number'}),
    ('- 상호: 다온인테리어\n- 사업자 계좌: 6762-8897-1734\n- 대표 휴대폰: 010-2231-4455',
     [('phone', '010-2231-4455', 'phone.mobile_11', [])],
     {'6762-8897-1734': 'company_number'}),
    ('□ 입금 안내\n□ 사업자 계좌：8288-996-899257',
     [],
     {'8288-996-899257': 'company_number'}),
    ('※ 사업자 계좌 946-8729-0358-59 로 입금 부탁드립니다.',
     [],
     {'946-8729-0358-59': 'company_number'}),
    ('환불은 고객님 계좌로, 계약금은 (사업자 계좌 672-745727-71796)로 보내주세요.',
     [],
     {'672-745727-71796': 'company_number'}),
    ('| 항목 | 내용 |\n| 사업자 계좌 | 212883-37-364161 |\n| 담당자 연락처 | 010-5512-3380 |',
     [('phone', '010-5512-3380', 'phone.mobile_11', ['context.letter_distance'])],
     {'212883-37-364161': 'company_number'}),
    ('입금계좌(법인): 272087-18-561694',
     [],
     {'272087-18-561694': 'company_number'}),
    ('회사 계좌：110-234-567890',
     [],
     {'110-234-567890': 'company_number'}),
    ('[환불 신청서]\n신청인 권예린 010-8841-2207\n환불 계좌: 국민 284702-04-112233',
     [('phone', '010-8841-2207', 'phone.mobile_11', ['phone.mobile_among_accounts']),
      ('bank_account', '284702-04-112233', 'account.length', ['context.bank_name', 'context.extra_label'])],
     {}),
    ('[사업자 지원금 신청서]\n신청인 천광수 (개인사업자)\n본인 사업자 계좌 110-234-567890',
     [('bank_account', '110-234-567890', 'account.length', ['context.letter_distance'])],
     {}),
    ('개인사업자 계좌: 신한 110-432-567890',
     [('bank_account', '110-432-567890', 'account.length', ['context.bank_name', 'context.letter_distance'])],
     {}),
]

# An office's main line under a place's label on its line or on the line above, alone on its line or
# in a table's cell, the label maybe spaced out letter by letter; a home line, a guardian's line, a
# label that names no place, a person's row under a place's column and a signature's line under the
# organisation's name stay values.
PLACE_LABELS = [
    ('[프로그램 안내] 행복드림 청소년센터\n센터 전화 033-769-2000\n담당 교사 오세훈 010-5512-3380',
     [('phone', '010-5512-3380', 'phone.mobile_11', [])],
     {'033-769-2000': 'company_number'}),
    ('사무실 전화\n055-795-2000',
     [],
     {'055-795-2000': 'company_number'}),
    ('| 매장 전화\n033-405-5114 |',
     [],
     {'033-405-5114': 'company_number'}),
    ('관 리 사 무 소\n02-8831-5114',
     [],
     {'02-8831-5114': 'company_number'}),
    ('센터 전화\n043-485-8282\n담당 선생님 휴대폰\n010-3321-5566',
     [('phone', '010-3321-5566', 'phone.mobile_11', ['context.label_line'])],
     {'043-485-8282': 'company_number'}),
    ('사무실 전화: 064-325-2000',
     [],
     {'064-325-2000': 'company_number'}),
    ('자세한 사항은 센터 전화 032-458-7000 으로 문의 바랍니다.',
     [],
     {'032-458-7000': 'company_number'}),
    ('[입소 신청서]\n보호자 성명: 박영희\n집 전화\n02-3345-7000',
     [('phone', '02-3345-7000', 'phone.seoul', ['context.label_line'])],
     {}),
    ('자택 전화\n031-769-2000',
     [('phone', '031-769-2000', 'phone.landline', ['context.label_line'])],
     {}),
    ('보호자 연락처\n| 033-405-5114 |',
     [('phone', '033-405-5114', 'phone.landline', ['context.label_line'])],
     {}),
    ('연 락 처\n02-8831-5114',
     [('phone', '02-8831-5114', 'phone.seoul', ['context.label_line'])],
     {}),
    ('| 이름 | 사무실 전화 |\n| 김민수 | 02-555-1234 |',
     [('phone', '02-555-1234', 'phone.seoul', ['context.column_header'])],
     {}),
    ('감사합니다.\n김민지 사회복지사\n행복나눔 종합사회복지관\n02-3345-7782',
     [('phone', '02-3345-7782', 'phone.seoul', [])],
     {}),
]

# A fax's number right after its label, half-width or full-width, whose run took the label's X for a
# masked digit; the line's other numbers keep their own readings, and masked values led by X under
# their own labels stay values.
FAX_LINES = [
    ('[견적서] 한빛종합건설\n입금 계좌: 농협 301-0123-4567-81 (예금주 한빛종합건설)\n'
     'TEL ０４１－５８９－１０９９\u3000FAX － ０４１－５８９－１０００',
     [],
     {'301-0123-4567-81': 'company_number', '０４１－５８９－１０９９': 'company_number',
      'X － ０４１－５８９－１０００': 'look_alike'}),
    ('송금 계좌 안내\nFAX － ０４１５８９１０００',
     [],
     {'X － ０４１５８９１０００': 'look_alike'}),
    ('문의처 TEL 041-589-1099 FAX - 041-589-1000',
     [],
     {'041-589-1099': 'company_number', 'X - 041-589-1000': 'look_alike'}),
    ('FAX － ０４１－５８９－１０００\n담당 김민지 휴대폰 010-3345-7782',
     [('phone', '010-3345-7782', 'phone.mobile_11', ['context.letter_distance'])],
     {'X － ０４１－５８９－１０００': 'look_alike'}),
    ('카드번호 XXXX-XXXX-XXXX-1234',
     [('credit_card', 'XXXX-XXXX-XXXX-1234', 'card.masked_groups', ['card.masked_groups', 'context.letter_distance'])],
     {}),
    ('계좌 XXX-XX-123456',
     [('bank_account', 'XXX-XX-123456', 'account.length', ['context.letter_distance'])],
     {}),
]

# A gift voucher's or a gift card's number under its label, Korean or English, in forms and
# records; the mobile a voucher is sent to, the applicant's mobile under a voucher paper's title and
# the card a voucher is paid with stay values.
VOUCHERS = [
    ('[상품권 교환 신청서]\n신청인 권예린 010-8841-2207\n온누리상품권 번호 6684-1457-0499-9542',
     [('phone', '010-8841-2207', 'phone.mobile_11', [])],
     {'6684-1457-0499-9542': 'look_alike'}),
    ('문화상품권 PIN: 4532-0151-1283-0366',
     [],
     {'4532-0151-1283-0366': 'look_alike'}),
    ('컬처랜드 상품권 핀번호 4532-0151-1283-0366',
     [],
     {'4532-0151-1283-0366': 'look_alike'}),
    ('기프트카드 번호 4532015112830366 (잔액 30,000원)',
     [],
     {'4532015112830366': 'look_alike'}),
    ('gift card no. 4532-0151-1283-0366',
     [],
     {'4532-0151-1283-0366': 'look_alike'}),
    ('{"voucher": "4532015112830366", "buyer_phone": "010-2231-4455"}',
     [('phone', '010-2231-4455', 'phone.mobile_11', ['context.extra_label'])],
     {'4532015112830366': 'look_alike'}),
    ('모바일 상품권 받을 번호: 010-1234-5678',
     [('phone', '010-1234-5678', 'phone.mobile_11', ['context.extra_label', 'context.compound_label'])],
     {}),
    ('상품권 구매 내역\n김민지 010-8841-2207',
     [('phone', '010-8841-2207', 'phone.mobile_11', [])],
     {}),
    ('상품권 번호 6684-1457-0499-9542\n결제 카드 4532-0151-1283-0366',
     [('credit_card', '4532-0151-1283-0366', 'card.luhn', ['context.extra_label'])],
     {'6684-1457-0499-9542': 'look_alike'}),
    ('카드 PIN: 4532-0151-1283-0366',
     [('credit_card', '4532-0151-1283-0366', 'card.luhn', ['context.letter_distance'])],
     {}),
]

DOCUMENTS = BUSINESS_ACCOUNTS + PLACE_LABELS + FAX_LINES + VOUCHERS


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_office_look_alikes_are_not_reported_and_the_peoples_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_masking_keeps_office_look_alikes_and_hides_the_peoples():
    assert_masks_hide_values_and_keep_look_alikes(DOCUMENTS)


# Pieces these readings look at, joined in any order with arbitrary text: labels on the line above
# a number, letter-spaced syllables, table bars, fax labels glued to X, full-width marks.
PIECES = ["사무실 전화", "관 리 사 무 소", "| ", " |", "\n", "FAX", "FA", "X", "x", " － ", "：", "｜",
          "사업자 계좌", "본인 ", "개인", "상품권", "상품권 PIN", " 번호 ", "０４１－５８９－１０００",
          "055-795-2000", "6684-1457-0499-9542", "110-234-567890", "010-1234-5678", "집 전화", "가",
          " ", "-", ":"]
hostile = st.lists(st.one_of(st.sampled_from(PIECES),
                             st.text(st.characters(blacklist_categories=("Cs",)), max_size=4)),
                   max_size=16).map("".join)


@settings(max_examples=300, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(hostile)
def test_office_readings_keep_spans_exact_and_masks_reversible_on_any_text(text):
    assert_exact_and_reversible(text)
