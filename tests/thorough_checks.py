"""What the thorough settings must keep on any text, hostile ones included: every finding's
source span slices the same bytes in characters and in UTF-8, and a tokenized mask round-trips."""

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
