"""Every line of the recorded default behaviour, checked against the library.

`data/default-behaviour.jsonl.gz` holds texts with the outcome each check must give under the
library's own settings (see the table in `data/README.md`). Work beyond those settings must never
change a line of it; this file is the gate.
"""

import gzip
import json
import pathlib

import pytest

import norvane
from norvane import Config, Policy, PolicySet

DATA = pathlib.Path(__file__).parent / "data" / "default-behaviour.jsonl.gz"
PASSES = ("nfc", "fold", "hangul", "lookalike", "separator")


def only(pass_name):
    config = Config()
    for name in PASSES:
        setattr(config, name, name == pass_name)
    return config


def configured(**fields):
    config = Config()
    for name, value in fields.items():
        setattr(config, name, value)
    return config


def weighted():
    config = Config()
    config.set_weights(context=1.0, checksum_failed=0.5)
    return config


CONFIGS = {
    "default": lambda: None,
    **{f"only_{name}": (lambda name=name: only(name)) for name in PASSES},
    "window0": lambda: configured(context_window=0),
    "window60": lambda: configured(context_window=60),
    "lenient": lambda: configured(min_score=0.3, min_context=0.1),
    "weights": weighted,
    "numerals": lambda: configured(
        numeral_min_digits_without_context=3, numeral_min_digits_with_context=1
    ),
}

POLICIES = {
    "label": lambda: None,
    "code": lambda: PolicySet(Policy.redact_code()),
    "fill": lambda: PolicySet(Policy.redact_fill("■")),
    "fixed": lambda: PolicySet(Policy.redact_fixed("")),
    "partial": lambda: PolicySet(Policy.partial(3, 4, "#")),
    "hash": lambda: PolicySet(Policy.hash(b"secret-key", 16)),
    "token": lambda: PolicySet(Policy.tokenize()),
    "mixed": lambda: PolicySet()
    .with_entity("phone", Policy.partial(3, 4))
    .with_entity("email", Policy.hash([1, 2, 3]))
    .with_entity("resident", Policy.tokenize()),
}


def outcome(call):
    try:
        return ["ok", call()]
    except Exception as error:  # the recorded outcome names the class and message
        return ["err", type(error).__name__, str(error)]


def normalized(text, config):
    n = norvane.normalize(text, config)
    return [n.text, n.map.to_json(), repr(n)]


def masked(text, policies):
    out = norvane.mask(text, policies)
    restore = out.restore
    return [
        out.text,
        len(out.applied),
        len(out.skipped),
        None if restore is None else restore.to_json(),
        None if restore is None else norvane.unmask(out.text, restore) == text,
        repr(out),
    ]


def reprs(text):
    report = norvane.detect(text)
    return [repr(f) for f in report.findings] + [repr(r) for r in report.rejections]


def run_check(check, text):
    family, name = check.split(".", 1)
    if family == "normalize":
        return outcome(lambda: normalized(text, CONFIGS[name]()))
    if family == "detect" and name == "reprs":
        return outcome(lambda: reprs(text))
    if family == "detect":
        return outcome(lambda: norvane.detect(text, CONFIGS[name]()).to_json())
    if family == "mask":
        return outcome(lambda: masked(text, POLICIES[name]()))
    raise AssertionError(f"unknown check {check}")


def load():
    with gzip.open(DATA, "rt", encoding="utf-8") as lines:
        return [json.loads(line) for line in lines]


CASES = load()


@pytest.mark.parametrize("chunk", range(0, len(CASES), 100), ids=lambda start: f"lines{start}")
def test_recorded_outcomes(chunk):
    mismatches = []
    for number, case in enumerate(CASES[chunk : chunk + 100], start=chunk + 1):
        for check, expected in case["expected"].items():
            got = run_check(check, case["text"])
            if got != expected:
                mismatches.append((number, check, case["text"], expected, got))
    assert not mismatches, mismatches[:3]


def test_every_line_is_checked():
    assert len(CASES) == 1500
    assert all(len(case["expected"]) == 22 for case in CASES)
