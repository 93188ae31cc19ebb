"""Policies, policy sets and the replacement text each policy writes."""
import hashlib
import hmac

import pytest

import norvane
from norvane import Policy, PolicySet, mask

# One sentence holding each of the ten kinds once, in declared order.
TEN = (
    "주민등록번호는 900101-1234568 이고, 외국인등록번호는 900101-5234567 입니다. 사업자등록번호 123-45-67891, "
    "카드번호 4111-1111-1111-1111, 계좌번호 110-123-456789 로 보내 주세요. 전화 010-1234-5678, "
    "메일 hong@example.com, 운전면허 11-12-345678-90, 생년월일 1990-01-01, 여권번호 M12345678."
)
TEN_VALUES = [
    ("resident", "900101-1234568"),
    ("foreigner_registration", "900101-5234567"),
    ("business_registration", "123-45-67891"),
    ("credit_card", "4111-1111-1111-1111"),
    ("bank_account", "110-123-456789"),
    ("phone", "010-1234-5678"),
    ("email", "hong@example.com"),
    ("driver_license", "11-12-345678-90"),
    ("birth_date", "1990-01-01"),
    ("passport", "M12345678"),
]
LABELS = {
    "resident": "주민등록번호",
    "foreigner_registration": "외국인등록번호",
    "business_registration": "사업자등록번호",
    "credit_card": "카드번호",
    "bank_account": "계좌번호",
    "phone": "전화번호",
    "email": "이메일",
    "driver_license": "운전면허번호",
    "birth_date": "생년월일",
    "passport": "여권번호",
}
NAMES = list(LABELS)
UNKNOWN_TAIL = (
    "; expected one of resident, foreigner_registration, business_registration, credit_card, "
    "bank_account, phone, email, driver_license, birth_date, passport"
)

PHONE = "연락처 01012345678"  # an 11-digit phone at bytes 10..21
EMAIL = "메일 hong@example.com"


def replaced(text, policy_of):
    """TEN with every value replaced by policy_of(name, value)."""
    out = text
    for name, value in TEN_VALUES:
        out = out.replace(value, policy_of(name, value), 1)
    return out


def digest(key, value, length=64):
    return hmac.new(bytes(key), value.encode("utf-8"), hashlib.sha256).hexdigest()[:length]


def test_the_ten_kind_sentence_is_detected_as_expected():
    # Every test below leans on this.
    found = [(f.entity, f.text(TEN)) for f in norvane.detect(TEN).findings]
    assert found == TEN_VALUES


# ---------------------------------------------------------------------------------------------
# Policy objects


def test_policy_has_no_constructor():
    with pytest.raises(TypeError) as e:
        Policy()
    assert str(e.value) == "No constructor defined for Policy"


def test_policy_cannot_be_subclassed():
    with pytest.raises(TypeError):
        type("Mine", (Policy,), {})


@pytest.mark.parametrize(
    "policy, expected",
    [
        (Policy.redact_label(), "Policy.redact_label()"),
        (Policy.redact_code(), "Policy.redact_code()"),
        (Policy.tokenize(), "Policy.tokenize()"),
        (Policy.redact_fill("#"), "Policy.redact_fill()"),
        (Policy.redact_fixed("비밀 문구"), "Policy.redact_fixed()"),
        (Policy.partial(3, 4), "Policy.partial()"),
        (Policy.partial(3, 4, fill="●"), "Policy.partial()"),
        (Policy.hash(b"secret key", 8), "Policy.hash()"),
    ],
)
def test_policy_repr_shows_the_case_only(policy, expected):
    assert repr(policy) == expected


@pytest.mark.parametrize(
    "method, signature",
    [
        ("redact_label", "()"),
        ("redact_code", "()"),
        ("tokenize", "()"),
        ("redact_fill", "(fill)"),
        ("redact_fixed", "(text)"),
        ("partial", "(keep_prefix, keep_suffix, fill='*')"),
        ("hash", "(key, length=12)"),
    ],
)
def test_static_constructor_signatures(method, signature):
    assert getattr(Policy, method).__text_signature__ == signature


def test_hash_policy_is_present():
    assert norvane.__has_hash_policy__ is True


@pytest.mark.parametrize(
    "make, error, message",
    [
        (lambda: Policy.redact_fill(""), ValueError, "expected a string of length 1"),
        (lambda: Policy.redact_fill("ab"), ValueError, "expected a string of length 1"),
        (lambda: Policy.redact_fill(42), TypeError, "argument 'fill': 'int' object cannot be converted to 'str'"),
        (lambda: Policy.redact_fill(), TypeError, "Policy.redact_fill() missing 1 required positional argument: 'fill'"),
        (lambda: Policy.partial(1, 1, ""), ValueError, "expected a string of length 1"),
        (lambda: Policy.partial(-1, 0), OverflowError, "can't convert negative int to unsigned"),
        (lambda: Policy.partial(0, 2**64), OverflowError, "int too big to convert"),
        (lambda: Policy.partial(1.0, 0), TypeError, "argument 'keep_prefix': 'float' object cannot be interpreted as an integer"),
        (lambda: Policy.partial(1), TypeError, "Policy.partial() missing 1 required positional argument: 'keep_suffix'"),
        (lambda: Policy.partial(1, 2, "*", 4), TypeError, "Policy.partial() takes from 2 to 3 positional arguments but 4 were given"),
        (lambda: Policy.redact_fixed(None), TypeError, "argument 'text': 'NoneType' object cannot be converted to 'str'"),
        (lambda: Policy.redact_label(1), TypeError, "Policy.redact_label() takes 0 positional arguments but 1 was given"),
        (lambda: Policy.tokenize(prefix="X"), TypeError, "Policy.tokenize() got an unexpected keyword argument 'prefix'"),
        (lambda: Policy.hash("secret"), TypeError, "argument 'key': Can't extract `str` to `Vec`"),
        (lambda: Policy.hash(5), TypeError, "argument 'key': 'int' object cannot be converted to 'Sequence'"),
        (lambda: Policy.hash({1: 2}), TypeError, "argument 'key': 'dict' object cannot be converted to 'Sequence'"),
        (lambda: Policy.hash(iter([1, 2])), TypeError, "argument 'key': 'list_iterator' object cannot be converted to 'Sequence'"),
        (lambda: Policy.hash([1, 256]), OverflowError, "out of range integral type conversion attempted"),
        (lambda: Policy.hash([-1]), OverflowError, "out of range integral type conversion attempted"),
        (lambda: Policy.hash([1.5]), TypeError, "argument 'key': 'float' object cannot be interpreted as an integer"),
        (lambda: Policy.hash(b"k", -1), OverflowError, "can't convert negative int to unsigned"),
        (lambda: Policy.hash(b"k", 2**64), OverflowError, "int too big to convert"),
        (lambda: Policy.hash(b"k", "3"), TypeError, "argument 'length': 'str' object cannot be interpreted as an integer"),
        (lambda: Policy.hash(), TypeError, "Policy.hash() missing 1 required positional argument: 'key'"),
    ],
)
def test_constructor_argument_errors(make, error, message):
    with pytest.raises(error) as e:
        make()
    assert type(e.value) is error
    assert str(e.value) == message


def test_fill_must_be_a_scalar_value():
    with pytest.raises(UnicodeEncodeError):
        Policy.redact_fill("\ud800")


def test_keyword_arguments():
    assert mask(PHONE, PolicySet(Policy.partial(keep_prefix=3, keep_suffix=4, fill="#"))).text == "연락처 010####5678"
    assert mask(EMAIL, PolicySet(Policy.hash(key=b"k", length=4))).text == f"메일 [EMAIL:{digest(b'k', 'hong@example.com', 4)}]"
    assert mask(PHONE, PolicySet(Policy.redact_fill(fill="x"))).text == "연락처 xxxxxxxxxxx"
    assert mask(PHONE, PolicySet(Policy.redact_fixed(text="-"))).text == "연락처 -"


# ---------------------------------------------------------------------------------------------
# Replacement forms


def test_default_set_writes_every_label():
    assert mask(TEN).text == replaced(TEN, lambda name, value: f"[{LABELS[name]}]")
    assert mask(TEN, PolicySet()).text == mask(TEN).text
    assert mask(TEN, PolicySet(None)).text == mask(TEN).text


def test_code_form():
    assert mask(TEN, PolicySet(Policy.redact_code())).text == replaced(TEN, lambda name, value: f"[{name.upper()}]")


@pytest.mark.parametrize("fill", ["#", "●", "가", "😀", "\n"])
def test_fill_form_counts_characters(fill):
    out = mask(TEN, PolicySet(Policy.redact_fill(fill))).text
    assert out == replaced(TEN, lambda name, value: fill * len(value))


@pytest.mark.parametrize("text", ["", "[삭제됨]", "***", "\\ \"'"])
def test_fixed_form(text):
    assert mask(TEN, PolicySet(Policy.redact_fixed(text))).text == replaced(TEN, lambda name, value: text)


@pytest.mark.parametrize(
    "prefix, suffix, fill, expected",
    [
        (3, 4, "*", "010****5678"),
        (3, 4, "●", "010●●●●5678"),
        (0, 0, "*", "***********"),
        (6, 6, "*", "***********"),
        (5, 5, "*", "01012*45678"),
        (10, 0, "*", "0101234567*"),
        (0, 10, "*", "*1012345678"),
        (11, 0, "*", "***********"),
        (0, 11, "*", "***********"),
        (2**64 - 1, 2, "*", "***********"),
        (2, 2**64 - 1, "*", "***********"),
        (2**64 - 1, 2**64 - 1, "#", "###########"),
        (2**63, 2**63, "*", "***********"),
    ],
)
def test_partial_on_an_eleven_digit_phone(prefix, suffix, fill, expected):
    assert mask(PHONE, PolicySet(Policy.partial(prefix, suffix, fill))).text == "연락처 " + expected


@pytest.mark.parametrize(
    "text, expected",
    [
        # Counts are characters: Hangul numerals and full-width digits keep whole characters.
        ("전화 공일공-일이삼사-오육칠팔", "전화 공일공******오육칠팔"),
        ("전화 ０１０－１２３４－５６７８", "전화 ０１０******５６７８"),
        ("메일 ｈｏｎｇ＠ｅｘａｍｐｌｅ．ｃｏｍ", "메일 ｈｏｎ*********．ｃｏｍ"),
    ],
)
def test_partial_counts_characters_not_bytes(text, expected):
    assert mask(text, PolicySet(Policy.partial(3, 4))).text == expected


def test_partial_default_fill_is_star():
    assert mask(TEN, PolicySet(Policy.partial(2, 2))).text == replaced(
        TEN, lambda name, value: value[:2] + "*" * (len(value) - 4) + value[-2:]
    )


# ---------------------------------------------------------------------------------------------
# Keyed hash

# RFC 4231 test cases: key, data, HMAC-SHA-256 (case 5 is truncated to 128 bits).
RFC4231 = [
    (b"\x0b" * 20, b"Hi There",
     "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7"),
    (b"Jefe", b"what do ya want for nothing?",
     "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"),
    (b"\xaa" * 20, b"\xdd" * 50,
     "773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe"),
    (bytes(range(1, 26)), b"\xcd" * 50,
     "82558a389a443c0ea4cc819899f2083a85f0faa3e578f8077a2e3ff46729665b"),
    (b"\x0c" * 20, b"Test With Truncation", "a3b6167473100ee06e0c796c2955552b"),
    (b"\xaa" * 131, b"Test Using Larger Than Block-Size Key - Hash Key First",
     "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"),
    (b"\xaa" * 131,
     b"This is a test using a larger than block-size key and a larger than block-size data. The key needs "
     b"to be hashed before being used by the HMAC algorithm.",
     "9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2"),
]


@pytest.mark.parametrize("key, data, expected", RFC4231)
def test_reference_hmac_matches_rfc4231(key, data, expected):
    # The digests below are checked against Python's hmac; this pins that reference to the RFC.
    assert hmac.new(key, data, hashlib.sha256).hexdigest()[: len(expected)] == expected


@pytest.mark.parametrize("key", [RFC4231[i][0] for i in (0, 1, 3, 5)])
@pytest.mark.parametrize(
    "text, value",
    [
        (EMAIL, "hong@example.com"),
        (PHONE, "01012345678"),
        # The digest covers the source slice as written, not the normalized digits.
        ("전화 공일공-일이삼사-오육칠팔", "공일공-일이삼사-오육칠팔"),
        ("전화 ０１０－１２３４－５６７８", "０１０－１２３４－５６７８"),
    ],
)
def test_hash_is_hmac_sha256_of_the_source_slice(key, text, value):
    code = "EMAIL" if "@" in value or "＠" in value else "PHONE"
    (finding,) = norvane.detect(text).findings
    assert finding.text(text) == value
    start = text.index(value)
    out = mask(text, PolicySet(Policy.hash(key, 64))).text
    assert out == text[:start] + f"[{code}:{digest(key, value)}]"


def test_rfc4231_truncation_length():
    key = b"\x0c" * 20
    out = mask(EMAIL, PolicySet(Policy.hash(key, 32))).text
    assert out == f"메일 [EMAIL:{digest(key, 'hong@example.com', 32)}]"


@pytest.mark.parametrize(
    "length, digits", [(0, 0), (1, 1), (12, 12), (63, 63), (64, 64), (65, 64), (1000, 64), (2**64 - 1, 64)]
)
def test_hash_length_is_cut_to_at_most_64(length, digits):
    out = mask(EMAIL, PolicySet(Policy.hash(b"k", length))).text
    assert out == f"메일 [EMAIL:{digest(b'k', 'hong@example.com', digits)}]"


def test_hash_default_length_is_12():
    out = mask(EMAIL, PolicySet(Policy.hash(b"k"))).text
    assert out == f"메일 [EMAIL:{digest(b'k', 'hong@example.com', 12)}]"


@pytest.mark.parametrize(
    "key",
    [b"Jefe", bytearray(b"Jefe"), [74, 101, 102, 101], (74, 101, 102, 101), memoryview(b"Jefe")],
)
def test_key_forms_are_equivalent(key):
    assert mask(EMAIL, PolicySet(Policy.hash(key, 64))).text == f"메일 [EMAIL:{digest(b'Jefe', 'hong@example.com')}]"


@pytest.mark.parametrize("key", [b"", bytes(64), bytes(65), bytes(range(256)) * 4, b"\xff" * (1 << 20)])
def test_any_key_size(key):
    assert mask(EMAIL, PolicySet(Policy.hash(key, 64))).text == f"메일 [EMAIL:{digest(key, 'hong@example.com')}]"


def test_huge_key_as_a_list_of_ints():
    key = [i % 256 for i in range(1 << 20)]
    assert mask(EMAIL, PolicySet(Policy.hash(key, 64))).text == f"메일 [EMAIL:{digest(key, 'hong@example.com')}]"


def test_long_key_is_replaced_by_its_sha256():
    long_key = bytes(range(100))
    short = hashlib.sha256(long_key).digest()
    a = mask(EMAIL, PolicySet(Policy.hash(long_key, 64))).text
    b = mask(EMAIL, PolicySet(Policy.hash(short, 64))).text
    assert a == b
    # A key of exactly one block is used as it is.
    block = bytes(range(64))
    assert mask(EMAIL, PolicySet(Policy.hash(block, 64))).text != mask(
        EMAIL, PolicySet(Policy.hash(hashlib.sha256(block).digest(), 64))
    ).text


def test_same_value_same_digest_different_kind_changes_only_the_code():
    text = "휴대폰 010-1234-5678, 계좌번호 010-1234-5678"
    assert [f.entity for f in norvane.detect(text).findings] == ["phone", "bank_account"]
    d = digest(b"k", "010-1234-5678", 16)
    expected = f"휴대폰 [PHONE:{d}], 계좌번호 [BANK_ACCOUNT:{d}]"
    assert mask(text, PolicySet(Policy.hash(b"k", 16))).text == expected
    assert mask(text, PolicySet(Policy.hash(b"k", 16))).text == expected
    assert mask(text, PolicySet(Policy.hash(b"other", 16))).text != expected


def test_hash_of_every_kind():
    key = b"\x01\x02"
    out = mask(TEN, PolicySet(Policy.hash(key, 10))).text
    assert out == replaced(TEN, lambda name, value: f"[{name.upper()}:{digest(key, value, 10)}]")


# ---------------------------------------------------------------------------------------------
# Policy sets


def test_policy_set_repr_and_signature():
    assert repr(PolicySet()) == "PolicySet(...)"
    assert repr(PolicySet(Policy.hash(b"secret"))) == "PolicySet(...)"
    assert PolicySet.__text_signature__ == "(default=None)"
    assert PolicySet.policy_for.__text_signature__ == "($self, entity)"
    assert PolicySet.with_entity.__text_signature__ == "($self, entity, policy)"


@pytest.mark.parametrize(
    "make, error, message",
    [
        (lambda: PolicySet(5), TypeError, "argument 'default': 'int' object cannot be converted to 'Policy'"),
        (lambda: PolicySet(PolicySet()), TypeError, "argument 'default': 'PolicySet' object cannot be converted to 'Policy'"),
        (lambda: PolicySet("redact_label"), TypeError, "argument 'default': 'str' object cannot be converted to 'Policy'"),
        (lambda: PolicySet(policy=Policy.tokenize()), TypeError, "PolicySet() got an unexpected keyword argument 'policy'"),
        (lambda: PolicySet(None, None), TypeError, "PolicySet() takes from 0 to 1 positional arguments but 2 were given"),
        (lambda: PolicySet().policy_for("RESIDENT"), ValueError, 'unknown entity "RESIDENT"' + UNKNOWN_TAIL),
        (lambda: PolicySet().policy_for(""), ValueError, 'unknown entity ""' + UNKNOWN_TAIL),
        (lambda: PolicySet().policy_for(" phone"), ValueError, 'unknown entity " phone"' + UNKNOWN_TAIL),
        (lambda: PolicySet().policy_for("전화번호"), ValueError, 'unknown entity "전화번호"' + UNKNOWN_TAIL),
        (lambda: PolicySet().policy_for('a"b\\\n\x1b'), ValueError, 'unknown entity "a\\"b\\\\\\n\\u{1b}"' + UNKNOWN_TAIL),
        (lambda: PolicySet().policy_for(5), TypeError, "argument 'entity': 'int' object cannot be converted to 'str'"),
        (lambda: PolicySet().policy_for(), TypeError, "PolicySet.policy_for() missing 1 required positional argument: 'entity'"),
        (lambda: PolicySet().with_entity("PHONE", Policy.tokenize()), ValueError, 'unknown entity "PHONE"' + UNKNOWN_TAIL),
        (lambda: PolicySet().with_entity("phone", PolicySet()), TypeError, "argument 'policy': 'PolicySet' object cannot be converted to 'Policy'"),
        (lambda: PolicySet().with_entity("phone"), TypeError, "PolicySet.with_entity() missing 1 required positional argument: 'policy'"),
    ],
)
def test_policy_set_argument_errors(make, error, message):
    with pytest.raises(error) as e:
        make()
    assert type(e.value) is error
    assert str(e.value) == message


@pytest.mark.parametrize("name", NAMES)
def test_policy_for_falls_back_to_the_default(name):
    assert repr(PolicySet().policy_for(name)) == "Policy.redact_label()"
    assert repr(PolicySet(Policy.tokenize()).policy_for(name)) == "Policy.tokenize()"
    assert repr(PolicySet(default=Policy.redact_code()).policy_for(entity=name)) == "Policy.redact_code()"


def test_policy_for_returns_a_fresh_copy():
    ps = PolicySet(Policy.hash(b"k", 5))
    a, b = ps.policy_for("email"), ps.policy_for("email")
    assert a is not b
    # The copy carries its parameters.
    assert mask(EMAIL, PolicySet(a)).text == f"메일 [EMAIL:{digest(b'k', 'hong@example.com', 5)}]"


def test_with_entity_returns_a_new_set_and_leaves_the_receiver():
    base = PolicySet()
    derived = base.with_entity("phone", Policy.redact_code())
    assert derived is not base
    assert repr(base.policy_for("phone")) == "Policy.redact_label()"
    assert repr(derived.policy_for("phone")) == "Policy.redact_code()"
    assert repr(derived.policy_for("email")) == "Policy.redact_label()"
    assert mask(PHONE, base).text == "연락처 [전화번호]"
    assert mask(PHONE, derived).text == "연락처 [PHONE]"


def test_setting_a_kind_twice_keeps_the_later_policy():
    ps = (
        PolicySet()
        .with_entity("phone", Policy.redact_code())
        .with_entity("email", Policy.redact_fill("#"))
        .with_entity("phone", Policy.partial(3, 4))
    )
    assert repr(ps.policy_for("phone")) == "Policy.partial()"
    assert repr(ps.policy_for("email")) == "Policy.redact_fill()"
    assert mask(PHONE, ps).text == "연락처 010****5678"


def test_a_policy_object_can_be_shared_between_sets():
    p = Policy.partial(1, 1, "-")
    a = PolicySet().with_entity("phone", p)
    b = PolicySet(p)
    assert mask(PHONE, a).text == mask(PHONE, b).text == "연락처 0---------8"


def test_mixed_set_over_all_ten_kinds():
    ps = (
        PolicySet(Policy.redact_code())
        .with_entity("resident", Policy.tokenize())
        .with_entity("phone", Policy.partial(3, 4))
        .with_entity("email", Policy.hash(b"k", 8))
        .with_entity("passport", Policy.redact_fixed("<여권>"))
        .with_entity("credit_card", Policy.redact_fill("X"))
    )
    special = {
        "resident": lambda v: "[[PII:0]]",
        "phone": lambda v: v[:3] + "*" * (len(v) - 7) + v[-4:],
        "email": lambda v: f"[EMAIL:{digest(b'k', v, 8)}]",
        "passport": lambda v: "<여권>",
        "credit_card": lambda v: "X" * len(v),
    }
    out = mask(TEN, ps)
    assert out.text == replaced(TEN, lambda name, value: special.get(name, lambda v: f"[{name.upper()}]")(value))
    assert repr(out) == "MaskOutput(applied=10, skipped=0, restore=true)"
    assert [(e.token, e.entity, e.original) for e in out.restore.entries] == [("[[PII:0]]", "resident", "900101-1234568")]
    assert norvane.unmask(out.text, out.restore) == out.text.replace("[[PII:0]]", "900101-1234568")
