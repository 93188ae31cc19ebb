"""Restore tokens next to text that other policies write: the token opener may occur in the masked
text only where a token was written, so unmask gives back exactly the tokenized values."""
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Policy, PolicySet, RestoreMap

RESIDENT = "880101-1234568"
PHONE = "010-1234-5678"
EMAIL = "kim@example.com"


def round_trip(masked, restore):
    back = norvane.unmask(masked, restore)
    assert norvane.unmask(masked, RestoreMap.from_json(restore.to_json())) == back
    return back


def test_fixed_text_that_reads_as_a_token():
    text = f"주민번호 {RESIDENT} 연락처 {PHONE}"
    out = norvane.mask(text, PolicySet(Policy.tokenize()).with_entity("phone", Policy.redact_fixed("[[PII:0]]")))
    assert out.text == "주민번호 [[PII0:0]] 연락처 [[PII:0]]"
    assert out.restore.prefix == "PII0"
    assert [e.token for e in out.restore.entries] == ["[[PII0:0]]"]
    assert round_trip(out.text, out.restore) == f"주민번호 {RESIDENT} 연락처 [[PII:0]]"


def test_fill_that_opens_a_token_with_the_source_after_it():
    text = f"주민번호 {RESIDENT} 연락처 {PHONE}PII:0]]"
    out = norvane.mask(text, PolicySet(Policy.tokenize()).with_entity("phone", Policy.redact_fill("[")))
    assert out.text == "주민번호 [[PII0:0]] 연락처 " + "[" * 13 + "PII:0]]"
    assert round_trip(out.text, out.restore) == f"주민번호 {RESIDENT} 연락처 " + "[" * 13 + "PII:0]]"


def test_fill_that_closes_an_opener_begun_in_the_source():
    text = f"주민번호 {RESIDENT} 연락처 [[PII{PHONE}"
    out = norvane.mask(text, PolicySet(Policy.tokenize()).with_entity("phone", Policy.redact_fill(":")))
    assert out.text == "주민번호 [[PII0:0]] 연락처 [[PII" + ":" * 13
    assert round_trip(out.text, out.restore) == f"주민번호 {RESIDENT} 연락처 [[PII" + ":" * 13


def test_prefix_skips_every_opener_the_output_holds():
    # The source holds [[PII:, a fixed text writes [[PII0: and a fill joins the source into [[PII1:.
    text = f"[[PII: 주민번호 {RESIDENT} 메일 {EMAIL} 연락처 {PHONE}PII1:"
    policies = (
        PolicySet(Policy.tokenize())
        .with_entity("email", Policy.redact_fixed("[[PII0:"))
        .with_entity("phone", Policy.redact_fill("["))
    )
    out = norvane.mask(text, policies)
    assert out.restore.prefix == "PII2"
    tail = " 메일 [[PII0: 연락처 " + "[" * 13 + "PII1:"
    assert out.text == "[[PII: 주민번호 [[PII2:0]]" + tail
    assert round_trip(out.text, out.restore) == "[[PII: 주민번호 " + RESIDENT + tail


def test_tokens_next_to_each_other_and_to_brackets_keep_todays_prefix():
    # Brackets around tokens and tokens side by side form no stray opener.
    text = f"[[{RESIDENT}]] [{PHONE}[ {EMAIL}:"
    out = norvane.mask(text, PolicySet(Policy.tokenize()))
    assert out.restore.prefix == "PII"
    assert out.text == "[[[[PII:0]]]] [[[PII:1]][ [[PII:2]]:"
    assert round_trip(out.text, out.restore) == text


# ---------------------------------------------------------------------------------------------
# Property: any policy set mixing tokenize with fills and fixed texts, over texts made of the
# pieces that form openers. A reference model computes the whole masked text and the prefix.

PIECES = ["[[PII:0]]", "[[", "[", "PII", "PII0", "PII1", ":", "0", "]]", "]", " ", "[[PII", "[[PII0:",
          "연락처 ", PHONE, "주민번호 ", RESIDENT, "메일 ", EMAIL]
FILLS = ["[", ":", "]", "P", "I", "0", "*"]
FIXED = ["[[PII:0]]", "[[", "[[PII", ":", "PII:", "]]", "[[PII0:1]]", "", "I:", "[[PII1:"]
ENTITIES = ["phone", "resident", "email"]

policy_choice = st.one_of(
    st.just(("tokenize", None)),
    st.tuples(st.just("fill"), st.sampled_from(FILLS)),
    st.tuples(st.just("fixed"), st.sampled_from(FIXED)),
)


def candidates():
    yield "PII"
    k = 0
    while True:
        yield f"PII{k}"
        k += 1


def first_free(texts):
    return next(c for c in candidates() if not any(f"[[{c}:" in t for t in texts))


def model(text, findings, choices):
    """(masked text, prefix, unmasked text) from the findings and each kind's policy."""
    pieces = []  # ("text", s) or ("token", original)
    done = 0
    chars = text
    for f in findings:
        start, end = f.source.char_start, f.source.char_end
        pieces.append(("text", chars[done:start]))
        kind, arg = choices.get(f.entity, choices["default"])
        value = chars[start:end]
        if kind == "tokenize":
            pieces.append(("token", value))
        elif kind == "fill":
            pieces.append(("text", arg * len(value)))
        else:
            pieces.append(("text", arg))
        done = end
    pieces.append(("text", chars[done:]))
    runs, run = [], ""
    for kind, s in pieces:
        if kind == "token":
            runs.append(run)
            run = ""
        else:
            run += s
    runs.append(run)
    prefix = first_free([text])
    if any(f"[[{prefix}:" in r for r in runs):
        prefix = first_free([text] + runs)
    masked, number, unmasked = "", 0, ""
    for kind, s in pieces:
        if kind == "token":
            masked += f"[[{prefix}:{number}]]"
            number += 1
            unmasked += s
        else:
            masked += s
            unmasked += s
    return masked, prefix, unmasked


@settings(max_examples=300, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(
    pieces=st.lists(st.sampled_from(PIECES), max_size=14),
    default=policy_choice,
    overrides=st.lists(st.tuples(st.sampled_from(ENTITIES), policy_choice), max_size=3),
)
def test_unmask_gives_back_the_text_with_only_the_other_replacements(pieces, default, overrides):
    text = "".join(pieces)
    choices = {e: default for e in ENTITIES + ["default"]}
    make = {"tokenize": lambda _: Policy.tokenize(), "fill": Policy.redact_fill, "fixed": Policy.redact_fixed}
    policies = PolicySet(make[default[0]](default[1]))
    for entity, choice in overrides:
        choices[entity] = choice
        policies = policies.with_entity(entity, make[choice[0]](choice[1]))
    out = norvane.mask(text, policies)
    tokenizes = default[0] == "tokenize" or any(c[0] == "tokenize" for c in choices.values())
    assert (out.restore is not None) == tokenizes
    if not tokenizes:
        return
    masked, prefix, unmasked = model(text, out.applied, choices)
    assert (out.text, out.restore.prefix) == (masked, prefix)
    assert round_trip(out.text, out.restore) == unmasked
