"""What the thorough settings must keep on any text, hostile ones included: every finding's
source span slices the same bytes in characters and in UTF-8, and a tokenized mask round-trips.
And the whole outcome of the thorough settings on a text, as the ways-of-writing tests compare it."""

import norvane
from norvane import Config, Policy, PolicySet


def assert_exact_and_reversible(text: str) -> None:
    report = norvane.detect(text, Config.thorough())
    raw = text.encode()
    for f in report.findings:
        s = f.source
        assert text[s.char_start:s.char_end].encode() == raw[s.byte_start:s.byte_end]
    out = norvane.mask(text, PolicySet(Policy.tokenize()), Config.thorough())
    assert norvane.unmask(out.text, out.restore) == text


# Normalization rules of the writing_variants family.
FAMILY_RULES = ("value.", "digits.")


def found(text, config):
    """Kind, text as written, rule, extensions and the family's normalization rules of each
    finding."""
    return [(f.entity, f.text(text), f.evidence.rule, f.evidence.extensions,
             [n for n in f.evidence.normalizations if n.startswith(FAMILY_RULES)])
            for f in norvane.detect(text, config).findings]


def without_variants():
    c = Config.thorough()
    c.writing_variants = False
    return c
