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


def found_thorough(text):
    """Kind, text as written, rule and extensions of each finding under the thorough settings."""
    return [(f.entity, f.text(text), f.evidence.rule, f.evidence.extensions)
            for f in norvane.detect(text, Config.thorough()).findings]


def birth(date, rule, *extensions):
    """A birth date's expected finding, as found_thorough gives it."""
    return ("birth_date", date, rule, list(extensions))


def phone(number, *extensions):
    """A mobile number's expected finding, as found_thorough gives it."""
    return ("phone", number, "phone.mobile_11", list(extensions))


def vetoed_thorough(text):
    """The reason each number the thorough settings vetoed as a company's or a look-alike was
    dropped for, by its text."""
    raw = text.encode()
    return {raw[r.source.byte_start:r.source.byte_end].decode(): str(r.reason)
            for r in norvane.detect(text, Config.thorough()).rejections
            if str(r.reason) in ("company_number", "look_alike")}


def assert_masks_keep_vetoed(documents, kept):
    """Masked together under the thorough settings, the texts of documents ((text, findings,
    vetoed)) and kept ((text, findings)) round-trip, every kept value is masked and every vetoed
    number stays as written."""
    text = "\n\n".join([t for t, _, _ in documents] + [t for t, _ in kept])
    out = norvane.mask(text, PolicySet(Policy.tokenize()), Config.thorough())
    assert norvane.unmask(out.text, out.restore) == text
    for _, expected in kept:
        for value in expected:
            assert value[1] not in out.text
    for _, _, vetoed in documents:
        for number in vetoed:
            assert number in out.text


def assert_masks_hide_values_and_keep_look_alikes(documents):
    """Masked under the thorough settings, the values found in documents ((text, findings, vetoed))
    are hidden and every vetoed number stays as written, the documents together round-trip; a
    vetoed reading of a value's own span (its account reading) is no look-alike left in clear."""
    assert_masks_keep_vetoed([(t, e, {n: r for n, r in v.items() if not any(n == x[1] for x in e)})
                              for t, e, v in documents], [])
    for text, expected, _ in documents:
        masked = norvane.mask(text, PolicySet(Policy.redact_label()), Config.thorough()).text
        for value in expected:
            assert value[1] not in masked


def assert_thorough_outcome(text, expected, vetoed):
    """The whole thorough outcome on a text: its findings (found_thorough), the look-alikes it
    vetoed with their reasons, exact spans and a reversible mask that hides every value found and
    keeps every vetoed number."""
    assert found_thorough(text) == expected
    assert vetoed_thorough(text) == vetoed
    assert_exact_and_reversible(text)
    assert_masks_keep_vetoed([(text, expected, vetoed)], [(text, expected)])
