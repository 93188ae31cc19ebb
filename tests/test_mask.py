"""mask(): the Python surface, the replacement walk, and reversibility through restore maps."""
import random

import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config, Policy, PolicySet, RestoreMap, mask, unmask

TOKENS = PolicySet(Policy.tokenize())
PHONE = "연락처 01012345678"


def spans(findings):
    return [(f.entity, f.source.byte_start, f.source.byte_end) for f in findings]


# ---------------------------------------------------------------------------------------------
# Arguments


def test_signatures():
    assert mask.__text_signature__ == "(text, policies=None, config=None)"
    assert unmask.__text_signature__ == "(masked, restore)"


@pytest.mark.parametrize(
    "call, error, message",
    [
        (lambda: mask(PHONE, Policy.tokenize()), TypeError,
         "argument 'policies': 'Policy' object cannot be converted to 'PolicySet'"),
        (lambda: mask(PHONE, policies="tokenize"), TypeError,
         "argument 'policies': 'str' object cannot be converted to 'PolicySet'"),
        (lambda: mask(PHONE, [Policy.tokenize()]), TypeError,
         "argument 'policies': 'list' object cannot be converted to 'PolicySet'"),
        (lambda: mask(PHONE, None, 5), TypeError, "argument 'config': 'int' object cannot be converted to 'Config'"),
        (lambda: mask(5), TypeError, "argument 'text': 'int' object cannot be converted to 'str'"),
        (lambda: mask(b"x"), TypeError, "argument 'text': 'bytes' object cannot be converted to 'str'"),
        (lambda: mask(), TypeError, "mask() missing 1 required positional argument: 'text'"),
        (lambda: mask(PHONE, None, None, None), TypeError, "mask() takes from 1 to 3 positional arguments but 4 were given"),
        (lambda: mask(PHONE, policy=TOKENS), TypeError, "mask() got an unexpected keyword argument 'policy'"),
        (lambda: mask(PHONE, TOKENS, policies=TOKENS), TypeError, "mask() got multiple values for argument 'policies'"),
    ],
)
def test_argument_errors(call, error, message):
    with pytest.raises(error) as e:
        call()
    assert type(e.value) is error
    assert str(e.value) == message


def test_text_must_encode():
    with pytest.raises(UnicodeEncodeError):
        mask("전화 010-1234-5678 \ud800")


def test_none_means_the_defaults():
    text = "전화 010-1234-5678, 메일 hong@example.com"
    expected = "전화 [전화번호], 메일 [이메일]"
    assert mask(text).text == expected
    assert mask(text, None, None).text == expected
    assert mask(text, PolicySet(), Config()).text == expected
    assert mask(text=text, config=None, policies=None).text == expected


def test_config_steers_detection():
    strict = Config()
    strict.min_score = 100.0
    out = mask(PHONE, TOKENS, strict)
    assert (out.text, repr(out)) == (PHONE, "MaskOutput(applied=0, skipped=0, restore=true)")
    assert mask(PHONE, config=strict).text == PHONE


@pytest.mark.parametrize("cls", [Policy, PolicySet, norvane.RestoreEntry, RestoreMap, norvane.MaskOutput])
def test_class_conventions(cls):
    assert cls.__module__ == "norvane"
    assert cls.__doc__
    with pytest.raises(TypeError):
        type("Sub", (cls,), {})
    assert "__dict__" not in dir(cls) and "__weakref__" not in dir(cls)


# ---------------------------------------------------------------------------------------------
# MaskOutput


def test_output_repr_and_attributes():
    text = "전화 010-1234-5678, 메일 hong@example.com"
    out = mask(text, TOKENS)
    assert repr(out) == "MaskOutput(applied=2, skipped=0, restore=true)"
    assert out.text == "전화 [[PII:0]], 메일 [[PII:1]]"
    assert spans(out.applied) == [("phone", 7, 20), ("email", 29, 45)]
    assert out.skipped == []
    assert repr(out.restore) == 'RestoreMap(prefix="PII", entries=2)'
    assert repr(mask(text)) == "MaskOutput(applied=2, skipped=0, restore=false)"


def test_applied_findings_are_the_detected_ones_unchanged():
    text = "주민등록번호 900101-1234568, 카드번호 4111-1111-1111-1111, 전화 공일공-일이삼사-오육칠팔"
    out = mask(text)
    assert [f.to_json() for f in out.applied] == [f.to_json() for f in norvane.detect(text).findings]
    assert [repr(f) for f in out.applied] == [repr(f) for f in norvane.detect(text).findings]


def test_getters_return_fresh_objects():
    out = mask("전화 010-1234-5678", TOKENS)
    assert out.applied is not out.applied
    assert out.applied[0] is not out.applied[0]
    assert out.restore is not out.restore
    out.applied.clear()
    assert len(out.applied) == 1
    assert out.restore.to_json() == out.restore.to_json()


def test_output_is_read_only():
    out = mask(PHONE)
    with pytest.raises(AttributeError):
        out.text = "x"
    with pytest.raises(AttributeError):
        out.other = 1


@pytest.mark.parametrize(
    "policies, has_map",
    [
        (None, False),
        (PolicySet(), False),
        (PolicySet(Policy.hash(b"k")), False),
        (PolicySet().with_entity("phone", Policy.partial(1, 1)), False),
        (TOKENS, True),
        # Anywhere in the set, even for a kind the text does not hold.
        (PolicySet().with_entity("passport", Policy.tokenize()), True),
        (PolicySet(Policy.tokenize()).with_entity("phone", Policy.redact_code()), True),
    ],
)
def test_restore_map_exists_exactly_when_the_set_tokenizes(policies, has_map):
    out = mask(PHONE, policies)
    assert (out.restore is not None) == has_map
    if has_map:
        expected_entries = 1 if "tokenize" in repr(policies.policy_for("phone")) else 0
        assert len(out.restore) == expected_entries


def test_a_map_without_entries_when_nothing_is_tokenized():
    out = mask("개인정보 없음", TOKENS)
    assert (out.text, repr(out), repr(out.restore)) == (
        "개인정보 없음", "MaskOutput(applied=0, skipped=0, restore=true)", 'RestoreMap(prefix="PII", entries=0)')


@pytest.mark.parametrize("text", ["", " ", "안녕하세요.", "숫자 12 와 34", "[[PII:0]]", "a@b"])
def test_texts_without_findings_come_back_unchanged(text):
    out = mask(text, TOKENS)
    assert out.text == text
    assert out.applied == [] and out.skipped == []
    assert unmask(out.text, out.restore) == text


# ---------------------------------------------------------------------------------------------
# The walk over findings


def test_overlapping_findings_are_skipped():
    # The e-mail shapes 0..6 and 2..11 overlap: the first is applied, the second skipped.
    text = "a@b.cc@d.ee"
    out = mask(text, TOKENS)
    assert out.text == "[[PII:0]]@d.ee"
    assert spans(out.applied) == [("email", 0, 6)]
    assert spans(out.skipped) == [("email", 2, 11)]
    assert repr(out) == "MaskOutput(applied=1, skipped=1, restore=true)"
    assert [e.original for e in out.restore.entries] == ["a@b.cc"]
    assert unmask(out.text, out.restore) == text


def test_a_finding_after_a_skipped_one_is_applied():
    text = "a@b.cc@d.ee@f.gg"
    out = mask(text)
    assert out.text == "[이메일]@[이메일]"
    assert spans(out.applied) == [("email", 0, 6), ("email", 7, 16)]
    assert spans(out.skipped) == [("email", 2, 11)]
    out = mask(text, TOKENS)
    assert out.text == "[[PII:0]]@[[PII:1]]"
    assert unmask(out.text, out.restore) == text


def test_applied_findings_are_in_source_order():
    text = "메일 b@c.dd, 전화 010-1234-5678, 카드 4111-1111-1111-1111, 메일 a@b.cc"
    out = mask(text, TOKENS)
    assert [f.source.byte_start for f in out.applied] == sorted(f.source.byte_start for f in out.applied)
    assert [e.token for e in out.restore.entries] == [f"[[PII:{i}]]" for i in range(len(out.applied))]
    assert [e.original for e in out.restore.entries] == [f.text(text) for f in out.applied]
    assert [e.entity for e in out.restore.entries] == [f.entity for f in out.applied]


def test_values_written_with_normalized_forms_are_restored_as_written():
    text = "전화 공일공-일이삼사-오육칠팔 또는 ０１０－９８７６－５４３２"
    out = mask(text, TOKENS)
    assert out.text == "전화 [[PII:0]] 또는 [[PII:1]]"
    assert [e.original for e in out.restore.entries] == ["공일공-일이삼사-오육칠팔", "０１０－９８７６－５４３２"]
    assert unmask(out.text, out.restore) == text


def test_surrounding_text_is_copied_byte_for_byte():
    text = "\x00😀 e\u0301 ᄒ\u1161\u11ab\t전화 010-1234-5678\r\n끝 \U0010ffff"
    out = mask(text)
    assert out.text == "\x00😀 e\u0301 ᄒ\u1161\u11ab\t전화 [전화번호]\r\n끝 \U0010ffff"


FREED_TEXTS = [
    "고객 연락처: 010-1234-5678, 주민번호 880101-1234568, 카드 4111 1111 1111 1111",
    "확인 후 010-4821-7730 번호로 다시 연락드릴게요.",
    "메일 kim@example.com 계좌 국민 123456-01-234567 " + "긴 문장 " * 300,
    "아무 숫자도 없는 평범한 문장이 여기 있습니다",
    "x",
    "",
]


@pytest.mark.parametrize("config", [None, Config.thorough()], ids=["default", "thorough"])
@pytest.mark.parametrize(
    "policies",
    [None, PolicySet(Policy.redact_code()), PolicySet(Policy.tokenize())],
    ids=["label", "code", "tokenize"],
)
def test_outputs_freed_between_calls_give_the_outputs_kept_alive(config, policies):
    # A freed output hands its text and findings' lists to the next masking; kept outputs and
    # the findings taken out of freed ones must not see them written again.
    def whole(out):
        restore = out.restore.to_json() if out.restore else None
        return out.text, [f.to_json() for f in out.applied], [f.to_json() for f in out.skipped], restore

    kept = [mask(t, policies, config) for t in FREED_TEXTS * 3]
    expected = [whole(o) for o in kept]
    freed, taken = [], []
    for t in FREED_TEXTS * 3:
        out = mask(t, policies, config)
        freed.append(whole(out))
        if out.applied:
            taken.append((out.applied[-1], out.applied[-1].to_json()))
        del out
    assert freed == expected
    assert [whole(o) for o in kept] == expected
    assert taken and all(f.to_json() == j for f, j in taken)


def test_large_text():
    unit = "고객 홍길동의 연락처는 010-1234-5678 이고 메일은 hong@example.com 입니다. 그 밖의 내용은 없습니다. "
    text = unit * 5000
    out = mask(text, TOKENS)
    assert len(out.applied) == 10000
    assert out.text == "".join(
        f"고객 홍길동의 연락처는 [[PII:{2 * i}]] 이고 메일은 [[PII:{2 * i + 1}]] 입니다. 그 밖의 내용은 없습니다. "
        for i in range(5000))
    assert unmask(out.text, out.restore) == text
    assert unmask(out.text, RestoreMap.from_json(out.restore.to_json())) == text


# ---------------------------------------------------------------------------------------------
# Round trips over generated texts

HANGUL_DIGITS = "공일이삼사오육칠팔구"


def digits(r, k):
    return "".join(r.choice("0123456789") for _ in range(k))


def resident_number(r, foreign=False):
    body = f"{r.randrange(100):02d}{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}"
    body += r.choice("5678" if foreign else "1234") + digits(r, 5)
    total = sum(int(c) * w for c, w in zip(body, [2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5]))
    value = body + str(((13 if foreign else 11) - total % 11) % 10)
    return value[:6] + r.choice(["-", "-", "", " "]) + value[6:]


def business_number(r):
    body = digits(r, 9)
    total = sum(int(c) * w for c, w in zip(body, [1, 3, 7, 1, 3, 7, 1, 3, 5])) + int(body[8]) * 5 // 10
    value = body + str((10 - total % 10) % 10)
    return f"{value[:3]}-{value[3:5]}-{value[5:]}"


def card_number(r):
    body = r.choice("45") + digits(r, 14)
    total = 0
    for i, c in enumerate(reversed(body)):
        d = int(c) * (2 if i % 2 == 0 else 1)
        total += d - 9 if d > 9 else d
    value = body + str((10 - total % 10) % 10)
    return r.choice(["-", " ", ""]).join(value[i:i + 4] for i in range(0, 16, 4))


def phone_number(r):
    kind = r.randrange(5)
    if kind == 0:
        return f"010-{digits(r, 4)}-{digits(r, 4)}"
    if kind == 1:
        return "010" + digits(r, 8)
    if kind == 2:
        return f"02-{digits(r, 3)}-{digits(r, 4)}"
    value = "010" + digits(r, 8)
    if kind == 3:  # full-width
        return "".join(chr(ord(c) + 0xFEE0) for c in value[:3]) + "－" + "".join(chr(ord(c) + 0xFEE0) for c in value[3:])
    spoken = "".join(HANGUL_DIGITS[int(c)] for c in value)
    return f"{spoken[:3]}-{spoken[3:7]}-{spoken[7:]}"


def email_address(r):
    local = r.choice("abchkmsxyz") + "".join(r.choice("abcdefghijklmnopqrstuvwxyz0123456789._-") for _ in range(r.randrange(8)))
    return f"{local.rstrip('._-')}@{r.choice(['example.com', 'naver.com', 'daum.net', 'korea.ac.kr', 'b.cc'])}"


PII = {
    "resident": (["주민등록번호 ", "주민번호는 "], resident_number),
    "foreigner_registration": (["외국인등록번호 "], lambda r: resident_number(r, True)),
    "business_registration": (["사업자등록번호 ", "사업자번호: "], business_number),
    "credit_card": (["카드번호 ", "신용카드 "], card_number),
    "bank_account": (["계좌번호 ", "입금 계좌 "], lambda r: f"{r.choice(['110', '302', '1002'])}-{digits(r, 3)}-{digits(r, 6)}"),
    "phone": (["전화 ", "연락처는 ", "휴대폰 "], phone_number),
    "email": (["메일 ", "이메일: "], email_address),
    "driver_license": (["운전면허 ", "면허번호 "], lambda r: f"{r.randrange(11, 29)}-{digits(r, 2)}-{digits(r, 6)}-{digits(r, 2)}"),
    "birth_date": (["생년월일 ", "생일은 "], lambda r: f"{r.randrange(1950, 2010)}-{r.randrange(1, 13):02d}-{r.randrange(1, 29):02d}"),
    "passport": (["여권번호 "], lambda r: r.choice("MSRGD") + digits(r, 8)),
}
PROSE = [
    "안녕하세요.", "고객님의 정보를 확인했습니다.", "아래 내용을 참고해 주세요:", "문의 사항이 있으면 연락 바랍니다.",
    "오늘 회의는 3시에 시작합니다.", "주소는 서울시 강남구 테헤란로 123 입니다.", "감사합니다!", "—", "(참고)",
    "금액은 12,500원이고", "2024년 5월 3일에", "번호 42번 창구에서", "그리고", "또는", "\n", "\t", "  ",
    "😀", "e\u0301", "ᄒ\u1161\u11ab", "＠", "[", "]]", "[[", "[[PII:0]]", "[[PII0:7]]", "[[PII:", "]", ":", "\\", "\"",
]


def generated_text(r):
    parts = []
    for _ in range(r.randrange(1, 8)):
        if r.random() < 0.55:
            cues, make = PII[r.choice(list(PII))]
            parts.append(r.choice(cues) + make(r) + r.choice(["", " 입니다.", "이고", ",", ".", " "]))
        else:
            parts.append(r.choice(PROSE))
    return r.choice(["", " ", "\n"]).join(parts)


def check_round_trip(text):
    out = mask(text, TOKENS)
    m = out.restore
    assert unmask(out.text, m) == text
    again = RestoreMap.from_json(m.to_json())
    assert again.to_json() == m.to_json()
    assert unmask(out.text, again) == text
    # Every applied finding became the next token, and nothing else did.
    assert [e.original for e in m.entries] == [f.text(text) for f in out.applied]
    assert [e.entity for e in m.entries] == [f.entity for f in out.applied]
    assert [e.token for e in m.entries] == [f"[[{m.prefix}:{i}]]" for i in range(len(m))]
    assert f"[[{m.prefix}:" not in text
    return out


def test_round_trip_over_generated_texts():
    r = random.Random(20240517)
    kinds = set()
    applied = 0
    for _ in range(400):
        text = generated_text(r)
        out = check_round_trip(text)
        kinds.update(f.entity for f in out.applied)
        applied += len(out.applied)
    # The corpus really exercises masking.
    assert kinds == set(PII)
    assert applied > 600


@pytest.mark.parametrize("seed", range(5))
def test_round_trip_over_generated_paragraphs(seed):
    r = random.Random(seed)
    text = "\n".join(generated_text(r) for _ in range(60))
    out = check_round_trip(text)
    assert len(out.applied) > 60


pii_piece = st.builds(
    lambda kind, seed: (lambda r: r.choice(PII[kind][0]) + PII[kind][1](r))(random.Random(seed)),
    st.sampled_from(sorted(PII)), st.integers(0, 2**32),
)
any_text = st.text(st.characters(exclude_categories=["Cs"]), max_size=40)
token_like = st.sampled_from(["[[PII:", "[[PII:0]]", "[[PII0:", "[[PII1:3]]", "]]", "[[", "[[PII", ":"])


@settings(max_examples=300, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.lists(st.one_of(any_text, pii_piece, token_like), max_size=10))
def test_round_trip_property(pieces):
    check_round_trip("".join(pieces))
