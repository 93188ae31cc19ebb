"""Scans of whole forms in one font, as the thorough settings read them: the OCR misread every 0,
1, 5 and 8 the same way (O, l or I, S, B), so most of a number's characters are letters. Such a
number is taken under its label, in a table's columns, or below a scan's title; the codes,
models, serials, dates and references the same scan misread keep their letters. Each case
compares the whole outcome."""
import norvane
import pytest
from norvane import Config

from thorough_checks import assert_exact_and_reversible, found_thorough as found

LD = ["context.letter_distance"]
INTL = ["phone.international"]


def mobile(text, extensions=LD):
    return ("phone", text, "phone.mobile_11", extensions)


def resident(text, extensions=LD):
    return ("resident", text, "resident.korean_13", extensions)


# A document and what thorough finds in it.
LABELLED = [
    ("[부동산 매매계약서]\n매도인 전화: OlO-l2B9-S7S6\n매수인 주민등록번호: S9lO24-l692BB3",
     [mobile("OlO-l2B9-S7S6"), resident("S9lO24-l692BB3")]),
    # No separator: eleven characters, not a passport's nine.
    ("보호자 휴대폰: OlO-O69B-B7Sl\n연락처 OlO6O74l3lS", [mobile("OlO-O69B-B7Sl"), mobile("OlO6O74l3lS")]),
    ("자동이체 : 국민은행 446SO2-66-3B6926\n또는 카드: 94lO-4497-6O4S-4623",
     [("bank_account", "446SO2-66-3B6926", "account.length",
       ["context.bank_name", "context.letter_distance", "context.extra_label"]),
      ("credit_card", "94lO-4497-6O4S-4623", "card.luhn", LD)]),
    ("사업자등록번호 7lB-B7-99226\n판매원 사업자 SB9B794962",
     [("business_registration", "7lB-B7-99226", "business.10", LD),
      ("business_registration", "SB9B794962", "business.10", LD)]),
    ("외국인등록번호 66O32BS67l3B2\n운전면허번호: l2-B7-O4S6B9-Sl",
     [("foreigner_registration", "66O32BS67l3B2", "resident.foreigner_13", LD),
      ("driver_license", "l2-B7-O4S6B9-Sl", "license.12", LD)]),
    # The international way, a parenthesis and a space between its groups.
    ("연락처 +B2 lO 6O7B 433l\n전화 +B2 (O)lO-9S4S-Bl3O",
     [("phone", "B2 lO 6O7B 433l", "phone.international", INTL + LD),
      ("phone", "B2 (O)lO-9S4S-Bl3O", "phone.international", INTL + LD)]),
    # Some digits printed full-width.
    ("휴대폰 OIO-３7６3-SO49\n주민등록번호 Bll2O6-l362S３２", [mobile("OIO-３7６3-SO49"), resident("Bll2O6-l362S３２")]),
    # Passports: the old format's eight digits misread; a current format's fifth letter stays one.
    ("여권번호 M12B34567\n여권 DS3oM2SS2\nPassport No. Ml2O9467B\npassport=S046B5458",
     [("passport", "M12B34567", "passport.shape", LD),
      ("passport", "DS3oM2SS2", "passport.current", ["passport.current"] + LD),
      ("passport", "Ml2O9467B", "passport.shape", ["context.extra_label"]),
      ("passport", "S046B5458", "passport.current", ["passport.current", "context.log_key"])]),
]

# Below a scan's title the numbers need no label of their own; two spaces part a row's columns.
BELOW_TITLE = [
    ("[OCR 변환본] 봉사자 명부\n여정희  6Bo3lS-2669947  olo 673l l7l2\n함태윤  B4OS3O 27BOO7B  OlO-4B26-47O7",
     [resident("6Bo3lS-2669947", []), mobile("olo 673l l7l2", []), resident("B4OS3O 27BOO7B", []),
      mobile("OlO-4B26-47O7", [])]),
    ("스캔 문서\n+B2 lO 6O7B 433l", [("phone", "B2 lO 6O7B 433l", "phone.international", INTL)]),
    # The title's word on the number's own line is no title.
    ("OCR 결과 OlO-O69B-B7Sl 확인 요망", []),
]

# What the same scans misread that is no one's number keeps its letters.
KEPT = [
    ("제품 모델 XG-794lB\n모델명 KRBlS3-W\nS/N S9SlKBB67342\nS/N SMKR4GR3S9BU\n상품권 번호 GIFT-HC3N-6JLJ\n"
     "제품코드 R3CE7YQF87G\n모델 GM-3l9l-l9763", []),
    ("[OCR 변환본] A/S 접수증\n모델명 LG-7O62-6276O\n접수일 2O24-O4-O2\n우편번호 O6l2B\n증권번호 2O26-l2O9B4", []),
    ("OS 202405141\nBOSS 2024-05-14\nISO 9001:2015", []),
]

CASES = LABELLED + BELOW_TITLE + KEPT


@pytest.mark.parametrize("text,expected", CASES)
def test_whole_outcome(text, expected):
    assert found(text) == expected
    assert_exact_and_reversible(text)


def test_default_and_without_the_setting_read_no_scan():
    text = "\n".join(t for t, _ in LABELLED)
    assert norvane.detect(text).findings == []
    c = Config.thorough()
    c.scanned_letters = False
    assert [f.text(text) for f in norvane.detect(text, c).findings] == ["S046B5458"]


def test_normalized_text_reads_runs_and_passports_and_keeps_codes():
    text = ("전화 OlO-l2B9-S7S6 / +B2 (O)lO-9S4S-Bl3O / OlO6O74l3lS\n"
            "여권 M12B34567, Ml23A4S67, S046B5458, M123S4567\n"
            "모델 XG-794lB KRBlS3-W GIFT-HC3N-6JLJ OS 202405141\n"
            "여정희  6Bo3lS-2669947  olo 673l l7l2")
    assert norvane.normalize(text, Config.thorough()).text == (
        "전화 01012895756 / +8201095458130 / 01060741315\n"
        "여권 M12834567, M123A4567, S046B5458, M123S4567\n"
        "모델 XG-794lB KRBlS3-W GIFT-HC3N-6JLJ OS 202405141\n"
        "여정희  6803152669947  01067311712")
