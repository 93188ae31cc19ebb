"""Properties of the thorough mode over generated text: no crash, findings slice their source
exactly, tokenized masks undo exactly, with any set of extension families switched on."""
import json

from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config, Policy, PolicySet, RestoreMap

SETTINGS = settings(max_examples=200, deadline=None, suppress_health_check=[HealthCheck.too_slow])

FAMILIES = ("label_reading", "structure", "extra_shapes", "recent_resident", "company_veto",
            "lookalike_veto", "numeral_words", "writing_variants", "scanned_letters")

# Pieces of the writing the families read, so that generated text reaches them.
FRAGMENTS = [
    "DOB: ", "Tel. ", "H.P ", "account=", "passport_no=", "rrn=", "card_no=", "NH농협 ", "우리은행 ",
    "환불계좌 ", "여권NO. ", "생년월일 ", "(생년월일)", "생", "년생", "+82-10-1234-5678", "+82 2 123 4567",
    "(+82) 10-", "0082-", "M123A4567", "O00411811", "1974년 10월 12일", "90년 1월 1일", "1990/01/01",
    "01/15/1990", "1990. 1. 13.", "hong(at)naver.com", "hong [at] naver [dot] com", "hong 골뱅이 naver.com",
    " at ", " dot ", "se****@nate.com", "a.b@example.com010-1234-5678", "서울 11-123456-78",
    "210315-3123456", "상담전화 1566-6671", "080-123-4567", "211.39.29.140", "10.0.11036.946",
    "978-89-12345-67-5", "18,220,000", "2023-10-12,87100", "거래번호 ", "order_id=", "행사일 2024-09-27",
    "3568-42**-****-3410", "2024.01.12 11:50", "20211021122410", "이름,연락처,생년월일\n", "\t", ",", "|",
    "\n", "|---|---|\n", "계좌 불러줘\n", "주민 번호 ", "refundAccount", "bankAcctNo=", "A/C ", "D.L ", "PPT ",
    "출생 연월일은 ", "정보: ", "birth_ymd", "(13자리) ", "번호는 ", "ACCTNo", "880101-1234568", "010-1234-5678", "😀", "\x00",
    "ㅡ", " ㅡ ", "~", "ㆍ", "●", "○", "■", "#", "##", "-\n", " \n", "\r\n", "공일공 ", "일이삼사 ", "영", "5 Jan 1990",
    "Jan. 5, 1990", "January 5th, 1990", "05-JAN-1990", "1990년 Jan 5일", "IMEI ", "353456789012347", "운송장 ",
    "hong AT naver DOT com", "hong[@]naver.com", "naver[.]com", " 앳 ", " 닷 ", "앳", "(앳)", "hong앳", "닷com",
    "4111 1111", "1111 1111", "3712", "345678 90120", "11.23.456789.01", "부산-12-345678-90", "서울.",
    "'90.1.1", "90. 1. 1.", "70/7/30", "8412**", "자격증 ",
    " - ", "12 - 34 - 567890 - 12", "068 ㅡ 390 ㅡ 641338", "13/01/1990", "13.01.1990", "1/2/1981",
    "01.13.1990", "만 34세 (", "세)", "(남, ", " / 여 / ", "1종보통 ", "원동기 ", "Bank: Shinhan ", "Woori ",
    "이수번호 ", "Issued ", "공일공 육칠구공 사팔육구", "일구구공 일이 공칠",
    "천구백구십년 ", "삼월 ", "십오일", "일월 일일", "유월 ", "시월 ", "이십일일", "십일", "월 ", "년 ", " 일",
    "1990 년 1 월 15 일", " (1종대형)", "(2종보통)", " 1종", "(서울) ", "경기북부 ", "주민번호 앞자리 ",
    "+82-10-****-5678", "+82 2 ●●● ", "0082-10-12**-", "에 ", "공일공에 ", "010에 1234에 5678",
    "경기남부 ", "부산광역시 ", "면허증번호는", " / 신청번호 제 ", "제", "7204**-***6262", "이구요", "이구 ",
    "〔", "〕", "B", "S", "통장번호", "생일은 ",
]
SPECIAL = "0123456789-./ ()*Xx@:,|\t\nIlOoMT가일이삼사년월생공팔Ａ０\u3000"
chars = st.one_of(st.sampled_from(SPECIAL), st.characters().filter(lambda c: not "\ud800" <= c <= "\udfff"))
texts = st.lists(st.one_of(st.sampled_from(FRAGMENTS), st.text(chars, max_size=6)), max_size=14).map("".join)


@st.composite
def thorough_configs(draw):
    c = Config.thorough()
    for name in FAMILIES:
        setattr(c, name, draw(st.booleans()))
    c.context_window = draw(st.sampled_from([0, 1, 8, 24, 100, 300]))
    return c


@SETTINGS
@given(texts, thorough_configs())
def test_thorough_findings_slice_their_source(text, config):
    report = norvane.detect(text, config)
    size = len(text.encode())
    for f in report.findings:
        src = f.source
        assert 0 <= src.byte_start < src.byte_end <= size
        assert f.text(text) == src.slice(text) == text[src.char_start:src.char_end]
        norm = f.normalized
        assert norm.slice(report.normalized_text) == report.normalized_text[norm.char_start:norm.char_end]
        assert all(isinstance(r, str) and "." in r for r in f.evidence.extensions)
    for r in report.rejections:
        assert r.source.slice(text) == text[r.source.char_start:r.source.char_end]
    doc = json.loads(report.to_json())
    assert [f["evidence"].get("extensions", []) for f in doc["findings"]] == [
        f.evidence.extensions for f in report.findings]


@SETTINGS
@given(texts, thorough_configs())
def test_thorough_tokenized_mask_round_trips(text, config):
    out = norvane.mask(text, PolicySet(Policy.tokenize()), config)
    assert norvane.unmask(out.text, out.restore) == text
    reread = RestoreMap.from_json(out.restore.to_json())
    assert norvane.unmask(out.text, reread) == text
    assert [e.original for e in out.restore.entries] == [f.text(text) for f in out.applied]


@SETTINGS
@given(texts)
def test_families_off_give_the_default_outcome(text):
    config = Config.thorough()
    for name in FAMILIES:
        setattr(config, name, False)
    config.set_weights(**dict(Config().weights))
    assert norvane.detect(text, config).to_json() == norvane.detect(text).to_json()
    assert norvane.normalize(text, config).text == norvane.normalize(text).text
