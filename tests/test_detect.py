"""detect(), entity_names() and the result classes, seen from Python."""

import math
import struct

import pytest

import norvane
from norvane import Config

NAMES = ["resident", "foreigner_registration", "business_registration", "credit_card", "bank_account",
         "phone", "email", "driver_license", "birth_date", "passport"]


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def score(base, checksum=0.0, context=0.0, whitespace=0, separators=0, syllables=0, replaced=0):
    """The default-weight score, each step rounded to 32 bits in the written order."""
    s = f32(base)
    if checksum:
        s = f32(s + f32(checksum))
    s = f32(s + f32(0.5 * f32(context)))
    for weight, count in ((0.08, whitespace), (0.01, separators), (0.01, syllables), (0.002, replaced)):
        s = f32(s - f32(f32(weight) * count))
    return min(max(s, 0.0), 2.0)


def test_entity_names_is_a_new_list_each_time():
    a = norvane.entity_names()
    a.append("x")
    assert norvane.entity_names() == NAMES and norvane.entity_names() is not norvane.entity_names()


def test_empty_report():
    r = norvane.detect("")
    assert r.to_json() == '{"findings":[],"rejections":[],"normalized_text":""}'
    assert (repr(r), len(r), r.len(), r.findings, r.rejections) == ("Report(findings=0, rejections=0)", 0, 0, [], [])


# Each kind in a sentence, written with separators, full-width forms, Hangul numerals or lookalike
# letters; the finding must cover exactly the number as written.
SENTENCES = [
    ("resident", "주민등록번호: ９００１０１－１２３４５６８ 입니다", "９００１０１－１２３４５６８"),
    ("resident", "주민번호 90010l-1234568 확인 부탁드립니다", "90010l-1234568"),
    ("resident", "\u110c\u116e\u1106\u1175\u11ab번호 900101 1234568", "900101 1234568"),
    ("foreigner_registration", "외국인등록번호 구공공일공일 오이삼사오육일", "구공공일공일 오이삼사오육일"),
    ("foreigner_registration", "외국인 등록번호는 900101-5234561 입니다", "900101-5234561"),
    ("business_registration", "사업자등록번호 123\u00b745\u00b767891 (주)가나상사", "123\u00b745\u00b767891"),
    ("business_registration", "사업자번호: ２２０－８１－６２５１７", "２２０－８１－６２５１７"),
    ("credit_card", "카드번호 4111 1111 1111 1111 로 결제했어요", "4111 1111 1111 1111"),
    ("credit_card", "신용카드 ５４１２－３４５６－７８９０－１２３２ 승인", "５４１２－３４５６－７８９０－１２３２"),
    ("bank_account", "환불 계좌번호는 110-l23-456789 입니다", "110-l23-456789"),
    ("bank_account", "입금 계좌: 국민은행 123456-01-234567", "123456-01-234567"),
    ("phone", "전화번호는 공일공-일이삼사-오육칠팔 입니다", "공일공-일이삼사-오육칠팔"),
    ("phone", "휴대폰 ０１０．９８７６．５４３２ 으로 문자 주세요", "０１０．９８７６．５４３２"),
    ("phone", "사무실 전화 (02) 123.4567", "02) 123.4567"),
    ("email", "메일 주소는 kim.minsu@example.co.kr 입니다", "kim.minsu@example.co.kr"),
    ("email", "메일: ｈｏｎｇ＠ｅｘａｍｐｌｅ．ｃｏｍ", "ｈｏｎｇ＠ｅｘａｍｐｌｅ．ｃｏｍ"),
    ("driver_license", "운전면허번호 11-12-345678-90 입니다", "11-12-345678-90"),
    ("driver_license", "운전면허번호 일일-일이-삼사오육칠팔-구공", "일일-일이-삼사오육칠팔-구공"),
    ("birth_date", "생년월일 1990-01-01", "1990-01-01"),
    ("birth_date", "출생일(생년월일) １９９０．０１．０１", "１９９０．０１．０１"),
    ("passport", "여권번호 M12345678 로 예약", "M12345678"),
    ("passport", "여권번호: ＭＪ１２３４５６７", "ＭＪ１２３４５６７"),
]


@pytest.mark.parametrize("entity, text, pii", SENTENCES)
def test_each_kind_is_found_as_written(entity, text, pii):
    report = norvane.detect(text)
    assert [(f.entity, f.text(text)) for f in report.findings] == [(entity, pii)]
    assert report.to_json() == norvane.detect(text, None).to_json() == norvane.detect(text, Config()).to_json()


def test_scores_of_a_few_sentences():
    # 계좌번호 at distance 2 (0.8), 계좌 at distance 4 (0.8 / 1.5), 환불 at distance 7: the total is
    # capped at 1.5; two hyphens and the corrected "l" are charged.
    [f] = norvane.detect("환불 계좌번호는 110-l23-456789 입니다").findings
    assert f.score == score(0.1, context=1.5, separators=2, replaced=1)
    assert (f.certainty, f.evidence.normalizations) == ("probable", ["lookalike.digit", "separator.hyphen"])
    # The 13 syllables and the absorbed space are charged; the checksum passes (check digit 1).
    [f] = norvane.detect("외국인등록번호 구공공일공일 오이삼사오육일").findings
    assert (f.certainty, f.evidence.rule, f.evidence.checksum) == ("certain", "resident.foreigner_13", "passed")
    assert (f.evidence.cost.expanded_syllables, f.evidence.cost.absorbed_whitespace) == (13, 1)


def test_whole_report_worked_out_by_hand():
    text = "연락처 010-1234-5678, 주민번호 900101-1234568, 참고 2701-2345-6789"
    # Normalized: only the hyphens go (", " before a letter stays):
    #   "연락처 01012345678, 주민번호 9001011234568, 참고 270123456789"
    # Source: "연락처 " is 10 bytes / 4 chars, so the phone is 10..23 (chars 4..17) and 10..21
    # (4..15) normalized; ", 주민번호 " adds 15 bytes / 7 chars: resident 38..52 (24..38), normalized
    # 36..49 (22..35); ", 참고 " adds 9 / 5: the third run 61..75 (43..57), normalized 58..70 (40..52).
    # Phone run, 11 digits from 010: phone.mobile_11 and account.length. 연락처 ends 1 char before
    # the run: 1 / (1 + 0.125) = 0.8888889. Phone: 0.6 + 0.5 * 0.8888889 - 2 * 0.01 = 1.0244445,
    # probable. Account: no bank cue, needs context -> no_context, 0.1 - 0.02 = 0.08.
    # Resident run, 13 digits: check (11 - 124 mod 11) mod 10 = 8 passes: 0.6 + 0.6 + 0.5 * 0.8888889
    # (주민번호 at distance 1) - 0.01 = 1.6344445, certain. card.luhn: the Luhn sum is 45 -> failed,
    # 0.4 - 0.25 - 0.01 = 0.14 -> checksum_failed. account.length: 0.1 - 0.01 = 0.09, no_context.
    # Third run, 12 digits from 27: no licence (27), only account.length: 0.08, no_context.
    # No negative cue anywhere; the third run has no whitespace or comma inside, so it is not split.
    phone_span = '"source":{"byte":{"start":10,"end":23},"char":{"start":4,"end":17}}'
    resident_span = '"source":{"byte":{"start":38,"end":52},"char":{"start":24,"end":38}}'
    third_span = '"source":{"byte":{"start":61,"end":75},"char":{"start":43,"end":57}}'
    expected = (
        '{"findings":['
        '{"entity":"phone",' + phone_span + ','
        '"normalized":{"byte":{"start":10,"end":21},"char":{"start":4,"end":15}},'
        '"certainty":"probable","score":1.0244445,'
        '"evidence":{"rule":"phone.mobile_11","checksum":{"not_applicable":"전화번호에는 검증식이 없다"},'
        '"context_hits":[{"cue":"연락처","distance":1,"weight":0.8888889}],'
        '"normalizations":["separator.hyphen"],'
        '"cost":{"absorbed_whitespace":0,"absorbed_separators":2,"expanded_syllables":0,"replaced_chars":0},'
        '"snapped":false}},'
        '{"entity":"resident",' + resident_span + ','
        '"normalized":{"byte":{"start":36,"end":49},"char":{"start":22,"end":35}},'
        '"certainty":"certain","score":1.6344445,'
        '"evidence":{"rule":"resident.korean_13","checksum":"passed",'
        '"context_hits":[{"cue":"주민번호","distance":1,"weight":0.8888889}],'
        '"normalizations":["separator.hyphen"],'
        '"cost":{"absorbed_whitespace":0,"absorbed_separators":1,"expanded_syllables":0,"replaced_chars":0},'
        '"snapped":false}}],'
        '"rejections":['
        '{"entity":"bank_account",' + phone_span + ',"reason":"no_context","score":0.08},'
        '{"entity":"credit_card",' + resident_span + ',"reason":"checksum_failed","score":0.14},'
        '{"entity":"bank_account",' + resident_span + ',"reason":"no_context","score":0.09},'
        '{"entity":"bank_account",' + third_span + ',"reason":"no_context","score":0.08}],'
        '"normalized_text":"연락처 01012345678, 주민번호 9001011234568, 참고 270123456789"}'
    )
    report = norvane.detect(text)
    assert report.to_json() == expected
    assert norvane.detect(text, None).to_json() == norvane.detect(text, Config()).to_json() == expected
    phone, resident = report.findings
    assert repr(report) == "Report(findings=2, rejections=4)"
    # The repr rounds the score; the attribute and the JSON keep the whole 32-bit value.
    assert repr(phone) == 'Finding(entity="phone", certainty="probable", score=1.02, byte=10..23)'
    assert phone.score == score(0.6, context=f32(1 / 1.125), separators=2) == f32(1.0244445)
    assert phone.to_json() in expected and resident.to_json() in expected
    assert [r.to_json() in expected for r in report.rejections] == [True] * 4


def test_result_attributes_and_reprs():
    text = "연락처 010-1234-5678, 주민번호 900101-1234568, 참고 2701-2345-6789"
    report = norvane.detect(text)
    phone, resident = report.findings
    assert (phone.entity, phone.entity_label, phone.certainty) == ("phone", "전화번호", "probable")
    assert repr(phone.source) == "Span(byte=10..23, char=4..17)"
    assert repr(phone.normalized) == "Span(byte=10..21, char=4..15)"
    e = phone.evidence
    assert (e.rule, e.checksum, e.checksum_reason, e.normalizations, e.snapped) == (
        "phone.mobile_11", "not_applicable", "전화번호에는 검증식이 없다", ["separator.hyphen"], False)
    assert repr(e.cost) == ("NormalizationCost(absorbed_whitespace=0, absorbed_separators=2, "
                            "expanded_syllables=0, replaced_chars=0)")
    assert repr(e) == 'Evidence(rule="phone.mobile_11", checksum="not_applicable", context_hits=1)'
    [hit] = e.context_hits
    assert (hit.cue, hit.distance, hit.weight) == ("연락처", 1, f32(1 / 1.125))
    assert repr(hit) == 'ContextHit(cue="연락처", distance=1, weight=0.889)'
    assert (resident.evidence.checksum, resident.evidence.checksum_reason) == ("passed", None)
    assert resident.evidence.to_json() in resident.to_json()
    r = report.rejections[1]
    assert (r.entity, r.entity_label, r.reason, r.score, r.source.slice(text)) == (
        "credit_card", "카드번호", "checksum_failed", f32(0.14), "900101-1234568")
    assert repr(r) == 'Rejection(entity="credit_card", reason="checksum_failed", score=0.14)'
    assert "evidence" not in r.to_json()
    assert report.normalized_text == "연락처 01012345678, 주민번호 9001011234568, 참고 270123456789"


def test_getters_return_fresh_copies():
    report = norvane.detect("연락처 010-1234-5678")
    report.findings.clear()
    f = report.findings[0]
    assert report.findings[0] is not f and f.source is not f.source and f.evidence is not f.evidence
    f.evidence.context_hits.clear()
    assert len(f.evidence.context_hits) == 1 and len(report) == report.len() == 1


@pytest.mark.parametrize("source, message", [
    ("짧다", "span 10..23 is out of range for text of 6 bytes"),
    ("가" * 8, "span 10..23 does not fall on UTF-8 character boundaries"),
])
def test_finding_text_checks_the_source(source, message):
    [f] = norvane.detect("연락처 010-1234-5678").findings
    with pytest.raises(ValueError) as e:
        f.text(source)
    assert str(e.value) == message
    with pytest.raises(TypeError, match="argument 'source_text': 'bytes' object cannot be converted to 'str'"):
        f.text(b"x")


@pytest.mark.parametrize("call, message", [
    (lambda: norvane.detect(b"x"), "argument 'text': 'bytes' object cannot be converted to 'str'"),
    (lambda: norvane.detect("x", "config"), "argument 'config': 'str' object cannot be converted to 'Config'"),
    (lambda: norvane.detect("x", conf=None), "detect() got an unexpected keyword argument 'conf'"),
    (lambda: norvane.entity_names(1), "entity_names() takes 0 positional arguments but 1 was given"),
])
def test_argument_errors(call, message):
    with pytest.raises(TypeError) as e:
        call()
    assert str(e.value) == message


@pytest.mark.parametrize("text, findings, rejections", [
    # Masked tail: resident.korean_13 with the masked-digit reason, capped at probable.
    ("주민번호 900101-1******", [("resident", "probable", "가려진 자리가 있어 검증식을 적용할 수 없다")],
     [("credit_card", "below_threshold"), ("bank_account", "no_context")]),
    # 계좌번호 right before the number also yields 계좌 two characters further away.
    ("계좌번호 110123456789", [("bank_account", "probable", "은행별 체계가 달라 공통 검증식이 없다")],
     [("driver_license", "no_context")]),
    # A negative cue vetoes a number whose checksum did not pass.
    ("주문번호 010-1234-5678", [], [("phone", "business_context"), ("bank_account", "business_context")]),
    # A card whose check digit agrees is read whatever the negative cues beside it weigh; one
    # whose check digit disagrees gives way to them.
    ("주문번호 4111-1111-1111-1111", [("credit_card", "certain", None)], []),
    ("주문번호 4111-1111-1111-1112", [], [("credit_card", "business_context")]),
    # Ten characters, a capital after a small letter and a letter after the digits are no passports.
    ("AB12345678 M1234567 aM1234567 M1234567a", [], [("passport", "no_context")]),
    # Overlapping e-mail shapes are both reported.
    ("a@b.cc@d.ee", [("email", "probable", "이메일에는 검증식이 없다")] * 2, []),
    # A phone number inside an e-mail address is outranked by it.
    ("kim01012345678@ex.com", [("email", "probable", "이메일에는 검증식이 없다")],
     [("bank_account", "no_context"), ("phone", "outranked")]),
    ("12345678901234567890123", [], []),
])
def test_decisions(text, findings, rejections):
    report = norvane.detect(text)
    assert [(f.entity, f.certainty, f.evidence.checksum_reason) for f in report.findings] == findings
    assert [(r.entity, r.reason) for r in report.rejections] == rejections


def test_cue_weights_decay_with_distance():
    hits = norvane.detect("계좌번호 110123456789").findings[0].evidence.context_hits
    assert [(h.cue, h.distance, h.weight) for h in hits] == [("계좌번호", 1, f32(1 / 1.125)),
                                                            ("계좌", 3, f32(f32(0.8) / 1.375))]
    c = Config()
    c.context_window = 0
    assert norvane.detect("계좌번호 110123456789", c).findings == []


# --------------------------------------------------------------------------------------------
# Numbers written as lists.

LISTS = [
    ("연락처: 010-1234-5678, 02-123-4567", ["010-1234-5678", "02-123-4567"]),
    ("010-1234-5678 010-9999-8888", ["010-1234-5678", "010-9999-8888"]),
    ("연락처 010 1234 5678, 010 9999 8888", ["010 1234 5678", "010 9999 8888"]),
    ("02) 123-4567, 02-765-4321", ["02) 123-4567", "02-765-4321"]),
    ("번호 1588-1234, 1577-0000, 02-123-4567, 031-123-4567",
     ["1588-1234", "1577-0000", "02-123-4567", "031-123-4567"]),
]


@pytest.mark.parametrize("text, numbers", LISTS)
def test_phone_lists_give_one_finding_per_number(text, numbers):
    report = norvane.detect(text)
    assert [(f.entity, f.text(text)) for f in report.findings] == [("phone", n) for n in numbers]
    masked = norvane.mask(text).text
    assert masked.count("[전화번호]") == len(numbers) and not any(n in masked for n in numbers)


def test_business_numbers_separated_by_a_comma():
    text = "사업자번호 123-45-67891, 220-81-62517"
    report = norvane.detect(text)
    assert [(f.entity, f.text(text), f.evidence.checksum) for f in report.findings] == [
        ("business_registration", "123-45-67891", "passed"), ("business_registration", "220-81-62517", "passed")]
    assert norvane.mask(text).text == "사업자번호 [사업자등록번호], [사업자등록번호]"


def test_pieces_keep_the_run_rejections_and_drop_their_own():
    text = "02) 123-4567, 02-765-4321"
    # The joined 18-digit run is a card shape that fails Luhn; that rejection stays, for the run.
    assert [(r.entity, r.reason, r.source.slice(text)) for r in norvane.detect(text).rejections] == [
        ("credit_card", "checksum_failed", text)]


def test_a_negative_cue_still_vetoes_a_list():
    report = norvane.detect("문서번호: (010) 1813 2367")
    assert report.findings == []
    assert [(r.entity, r.reason) for r in report.rejections] == [("phone", "business_context"),
                                                                 ("bank_account", "business_context")]


@pytest.mark.parametrize("text, findings, masked", [
    # Pieces that win nothing (12345, 99) stand between the winners of the split.
    ("연락처 010-1234-5678, 12345, 02-123-4567, 99",
     [("phone", "010-1234-5678", 1.0244444, "phone.mobile_11", ["연락처"]),
      ("phone", "02-123-4567", 0.74, "phone.seoul", ["연락처"])],
     "연락처 [전화번호], 12345, [전화번호], 99"),
    # Short numbers between them: runs too short for any candidate, and pieces of the list.
    ("010-1234-5678 77 1588-1234 5 02-765-4321",
     [("phone", "010-1234-5678", 0.58, "phone.mobile_11", []),
      ("phone", "1588-1234", 0.59, "phone.representative", []),
      ("phone", "02-765-4321", 0.58, "phone.seoul", [])],
     "[전화번호] 77 [전화번호] 5 [전화번호]"),
    ("번호 49,790,000 02-623-3147 811007",
     [("phone", "02-623-3147", 0.58, "phone.seoul", [])], "번호 49,790,000 [전화번호] 811007"),
    ("12 34 56, 7 89 1.5 3:45 2024", [], "12 34 56, 7 89 1.5 3:45 2024"),
])
def test_lists_with_pieces_that_win_nothing(text, findings, masked):
    report = norvane.detect(text)
    assert [(f.entity, f.text(text), pytest.approx(f.score, abs=1e-6), f.evidence.rule,
             [h.cue for h in f.evidence.context_hits]) for f in report.findings] == [
        (e, t, pytest.approx(s, abs=1e-6), r, c) for e, t, s, r, c in findings]
    assert all(f.evidence.normalizations == ["separator.hyphen"] for f in report.findings)
    assert norvane.mask(text).text == masked


@pytest.mark.parametrize("text, finding, rejections", [
    # 8801011234567 fails the resident check (8 != 7) but passes Luhn: a card, certain.
    ("880101 1234567", ("credit_card", "880101 1234567", score(0.4, 0.6, whitespace=1)),
     [("resident", "checksum_failed", score(0.6, -0.25, whitespace=1)),
      ("bank_account", "no_context", score(0.1, whitespace=1))]),
    # 전화 at distance 1: 0.6 / 1.125.
    ("전화 010 1234 5678", ("phone", "010 1234 5678", score(0.6, context=f32(f32(0.6) / 1.125), whitespace=2)),
     [("bank_account", "no_context", 0.0)]),
    ("카드번호 4111 1111 1111 1111",
     ("credit_card", "4111 1111 1111 1111",
      score(0.4, 0.6, context=f32(f32(1 / 1.125) + f32(f32(0.6) / 1.375)), whitespace=3)), []),
])
def test_single_numbers_with_spaces_are_not_split(text, finding, rejections):
    report = norvane.detect(text)
    assert [(f.entity, f.text(text), f.score) for f in report.findings] == [finding]
    whole = report.findings[0].source
    assert [(r.entity, r.reason, r.score) for r in report.rejections] == rejections
    assert all(r.source == whole for r in report.rejections)


@pytest.mark.parametrize("text", [t for _, t, _ in SENTENCES] + [t for t, _ in LISTS] + [
    "사업자번호 123-45-67891, 220-81-62517", "문서번호: (010) 1813 2367", "kim01012345678@ex.com"])
def test_maps_behind_the_reports_are_sound(text):
    n = norvane.normalize(text)
    n.map.validate()
    assert n.map.src_end == (len(text.encode()), len(text))
    assert n.map.dst_end == (len(n.text.encode()), len(n.text)) and n.text == norvane.detect(text).normalized_text
    assert all(math.isfinite(f.score) for f in norvane.detect(text).findings)


# The shape scan reads a text's last bytes as the end of its last sixteen: a number, a passport
# or an e-mail that ends the text is found wherever that block starts.
@pytest.mark.parametrize("tail", ["010-4821-7730", "01048217730", "여권번호 M80232396",
                                  "메일 hong@naver.com", "passport M8023239"])
def test_shapes_that_end_the_text_are_found_after_any_lead(tail):
    def found(text, start):
        r = norvane.detect(text)
        return ([(f.entity, f.source.byte_start - start, f.source.byte_end - start, f.score)
                 for f in r.findings], [(x.entity, x.reason, x.score) for x in r.rejections])

    alone = found("연락처 " + tail, 0)
    assert alone[0] or alone[1]
    for pad in range(40):
        lead = "q" * pad + "연락처 "
        assert found(lead + tail, len(lead.encode()) - len("연락처 ".encode())) == alone, pad


@pytest.mark.parametrize("name, shown", [("RESIDENT", '"RESIDENT"'), ("주민등록번호", '"주민등록번호"'),
                                         (" phone", '" phone"'), ('a"\n', '"a\\"\\n"'), ("", '""')])
def test_entity_names_are_parsed_exactly(name, shown):
    with pytest.raises(ValueError) as e:
        norvane.PolicySet().policy_for(name)
    assert str(e.value) == f"unknown entity {shown}; expected one of {', '.join(NAMES)}"


def test_entity_parameter_must_be_a_str():
    with pytest.raises(TypeError) as e:
        norvane.PolicySet().policy_for(5)
    assert str(e.value) == "argument 'entity': 'int' object cannot be converted to 'str'"


def _report_json_from_parts(report):
    # The report's JSON assembled from the JSON of its parts and the text's JSON string.
    import json
    return ('{"findings":[' + ",".join(f.to_json() for f in report.findings) + '],"rejections":['
            + ",".join(r.to_json() for r in report.rejections) + '],"normalized_text":'
            + json.dumps(report.normalized_text, ensure_ascii=False) + "}")


@pytest.mark.parametrize("text", [
    "phone 010-1234-5678, mail kim@example.com; " * 3000,  # ASCII only, many pieces
    "café 010-1234-5678 \x01\t\"\\ " * 3000,  # Latin-1
    "연락처 010-1234-5678 주민번호 880101-1234568\n" * 3000,  # two bytes a character
    "😀 010-1234-5678 " * 5000 + "끝",  # four bytes a character
    "x" * 200_000 + " 010-1234-5678",  # one string longer than a piece
    "전화 010-1234-5678",  # small: written with the lock held
])
def test_report_json_is_the_json_of_its_parts_in_the_narrowest_str(text):
    report = norvane.detect(text, Config.thorough())
    got = report.to_json()
    want = _report_json_from_parts(report)
    assert got == want
    # Equal strs of different storage widths would compare unequal: the width is the narrowest.
    assert got.encode("utf-8").decode("utf-8") == got


SPARE_TEXTS = [
    "고객 연락처: 010-1234-5678, 주민번호 880101-1234568, 카드 4111 1111 1111 1111",
    "확인 후 010-4821-7730 번호로 다시 연락드릴게요.",
    "메일 kim@example.com 계좌 국민 123456-01-234567 사업자 등록 번호 : 220-81-62517",
    "아무 숫자도 없는 평범한 문장이 여기 있습니다",
    "전화 02-123-4567 또는 010 9876 5432",
    "x",
    "",
]


@pytest.mark.parametrize("config", [None, Config.thorough()], ids=["default", "thorough"])
def test_reports_freed_between_calls_give_the_reports_kept_alive(config):
    # A freed report hands its lists and text to the next detection; kept reports and the
    # findings and evidence taken out of freed ones must not see them written again.
    kept = [norvane.detect(t, config) for t in SPARE_TEXTS * 3]
    expected = [r.to_json() for r in kept]
    taken = []
    freed = []
    for t in SPARE_TEXTS * 3:
        report = norvane.detect(t, config)
        freed.append(report.to_json())
        if report.findings:
            finding = report.findings[-1]
            taken.append((finding, finding.to_json(), finding.evidence, finding.evidence.to_json()))
        del report
    assert freed == expected
    assert [r.to_json() for r in kept] == expected
    assert taken
    for finding, finding_json, evidence, evidence_json in taken:
        assert finding.to_json() == finding_json
        assert evidence.to_json() == evidence_json
