"""Policies written as text, as the command line takes them.

    label | code | tokenize | fill:CHAR | fixed:TEXT | partial:PREFIX:SUFFIX[:FILL] | hash[:LENGTH]

`--policy` takes KIND=POLICY with KIND one of the entity names. The key of `hash` never appears
in the text: the caller supplies it (from an environment variable or a file).
"""

from __future__ import annotations

from typing import Callable, Optional, Tuple

import norvane

POLICY_FORMS = "label, code, tokenize, fill:CHAR, fixed:TEXT, partial:PREFIX:SUFFIX[:FILL], hash[:LENGTH]"


class PolicyTextError(ValueError):
    """A policy text that cannot be read; `column` is 1-based within the option's text."""

    def __init__(self, option: str, text: str, column: int, message: str):
        self.option, self.text, self.column, self.message = option, text, column, message
        super().__init__(f"{option} {text!r}, column {column}: {message}")


def _count(option: str, text: str, piece: str, column: int, what: str) -> int:
    if not piece.isascii() or not piece.isdigit():
        raise PolicyTextError(option, text, column, f"{what} must be a whole number, not {piece!r}")
    return int(piece)


def _one_char(option: str, text: str, piece: str, column: int) -> str:
    if len(piece) != 1:
        raise PolicyTextError(option, text, column, f"expected one fill character, not {piece!r}")
    return piece


def parse_policy(text: str, hash_key: Optional[Callable[[], bytes]] = None, option: str = "--default",
                 full: Optional[str] = None, offset: int = 0) -> Tuple[norvane.Policy, str]:
    """The policy that `text` names and its form's name. `full` is the option's whole text and
    `offset` where `text` starts in it (for the column of an error); `hash_key` gives the key
    when the policy is `hash`."""
    full = text if full is None else full
    name, _, rest = text.partition(":")
    pieces = rest.split(":") if rest else []
    column = offset + len(name) + 2   # where the first parameter starts

    def fail(at: int, message: str) -> PolicyTextError:
        return PolicyTextError(option, full, at, message)

    def no_params() -> None:
        if rest or ":" in text:
            raise fail(offset + len(name) + 1, f"{name} takes no parameters")

    if name == "label":
        no_params()
        return norvane.Policy.redact_label(), name
    if name == "code":
        no_params()
        return norvane.Policy.redact_code(), name
    if name == "tokenize":
        no_params()
        return norvane.Policy.tokenize(), name
    if name == "fill":
        if not text.startswith("fill:"):
            raise fail(offset + len(name) + 1, "fill needs its character: fill:CHAR")
        return norvane.Policy.redact_fill(_one_char(option, full, rest, column)), name
    if name == "fixed":
        if not text.startswith("fixed:"):
            raise fail(offset + len(name) + 1, "fixed needs its text: fixed:TEXT")
        return norvane.Policy.redact_fixed(rest), name
    if name == "partial":
        if len(pieces) not in (2, 3):
            raise fail(offset + 1, "partial takes PREFIX:SUFFIX or PREFIX:SUFFIX:FILL")
        prefix = _count(option, full, pieces[0], column, "PREFIX")
        suffix = _count(option, full, pieces[1], column + len(pieces[0]) + 1, "SUFFIX")
        fill = "*"
        if len(pieces) == 3:
            fill = _one_char(option, full, pieces[2], column + len(pieces[0]) + len(pieces[1]) + 2)
        return norvane.Policy.partial(prefix, suffix, fill), name
    if name == "hash":
        if len(pieces) > 1 or (":" in text and not rest):
            raise fail(offset + len(name) + 1, "hash takes at most LENGTH: hash or hash:LENGTH")
        length = _count(option, full, pieces[0], column, "LENGTH") if pieces else 12
        if hash_key is None:
            raise fail(offset + 1, "the hash policy needs a key")
        return norvane.Policy.hash(hash_key(), length), name
    raise fail(offset + 1, f"unknown policy {name!r}; expected one of: {POLICY_FORMS}")


def parse_override(text: str, hash_key: Optional[Callable[[], bytes]] = None) -> Tuple[str, norvane.Policy, str]:
    """KIND=POLICY of `--policy`: the entity name, its policy and the policy form's name."""
    kind, equals, policy_text = text.partition("=")
    if not equals:
        raise PolicyTextError("--policy", text, 1, "expected KIND=POLICY")
    names = norvane.entity_names()
    if kind not in names:
        raise PolicyTextError("--policy", text, 1,
                              f"unknown kind {kind!r}; expected one of: {', '.join(names)}")
    policy, form = parse_policy(policy_text, hash_key, "--policy", text, len(kind) + 1)
    return kind, policy, form
