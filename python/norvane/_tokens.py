"""Tokens of several texts numbered as one restore map: the fields of a record share one map,
or a whole run shares one. The library numbers each text's tokens from 0; these helpers give
them one prefix and consecutive numbers, and note where each value came from."""

from __future__ import annotations

import functools
import re
from typing import Any, List, Optional, Sequence, Tuple

import norvane

from ._records import Field, RawText

RUN_PREFIX = "PII"


class TokenError(ValueError):
    """Tokens that cannot be numbered safely (the message says why)."""


def tokenized_kinds(policies: norvane.PolicySet) -> set:
    return {kind for kind in norvane.entity_names() if repr(policies.policy_for(kind)) == "Policy.tokenize()"}


@functools.lru_cache(maxsize=64)
def _token_pattern(prefix: str) -> "re.Pattern[str]":
    return re.compile(re.escape("[[" + prefix + ":") + r"(\d+)\]\]")


def _pick_prefix(pieces: List[List[str]]) -> str:
    """The first of PII, PII0, PII1, ... whose token opener occurs in none of the texts between
    tokens, so that unmasking finds only real tokens."""
    candidate, counter = RUN_PREFIX, 0
    while any("[[" + candidate + ":" in piece for parts in pieces for piece in parts):
        candidate, counter = RUN_PREFIX + str(counter), counter + 1
    return candidate


class TokenNumbering:
    """Renumbers the tokens of each field's mask output into one map per record or per run."""

    def __init__(self, one_map: bool, tokenized: set):
        self.one_map = one_map
        self.tokenized = tokenized
        self.next_number = 0

    def apply(self, fields: Sequence[Field], outputs: list, record: int) -> Tuple[List[str], Optional[str], List[dict]]:
        """The new texts of a record's fields (masked into `outputs`), the map prefix and the new
        entries; `record` is the record's number, kept in the entries of a map for the run."""
        splits: List[Tuple[List[str], list, Any]] = []
        for field, out in zip(fields, outputs):
            restore = out.restore
            if restore is None or len(restore) == 0:
                splits.append(([out.text], [], None))
                continue
            parts = _token_pattern(restore.prefix).split(out.text)
            texts, numbers = parts[0::2], [int(n) for n in parts[1::2]]
            if numbers != list(range(len(restore))):
                raise TokenError(f"a replacement text holds the token opener [[{restore.prefix}: "
                                 "(choose another fixed text)")
            splits.append((texts, restore.entries, out))
        if all(not entries for _, entries, _ in splits):
            return [out.text for out in outputs], None, []
        if self.one_map:
            prefix = RUN_PREFIX
            if _pick_prefix([texts for texts, _, _ in splits]) != prefix:
                raise TokenError(f"the text holds [[{prefix}:, which --one-map uses for its tokens; "
                                 "run without --one-map (one restore map per record)")
        else:
            self.next_number = 0
            prefix = _pick_prefix([texts for texts, _, _ in splits])
        new_texts, entries = [], []
        for field, (texts, field_entries, out) in zip(fields, splits):
            if not field_entries:
                new_texts.append(texts[0])
                continue
            applied = out.applied
            spans = _token_spans(applied, self.tokenized)
            pieces = [texts[0]]
            raw_pieces = [field.raw_slice(0, spans[0][0])] if field.raw is not None else None
            for index, (entry, span, text) in enumerate(zip(field_entries, spans, texts[1:])):
                token = f"[[{prefix}:{self.next_number}]]"
                self.next_number += 1
                pieces += [token, text]
                item = {"token": token, "original": entry.original, "entity": entry.entity}
                if field.name is not None:
                    item["field"] = field.name
                raw = field.raw_slice(*span)
                if raw != entry.original:
                    item["raw"] = raw
                if self.one_map:
                    item["record"] = record
                entries.append(item)
                if raw_pieces is not None:
                    following = spans[index + 1][0] if index + 1 < len(spans) else len(field.value)
                    raw_pieces += [token, field.raw_slice(span[1], following)]
            text = "".join(pieces)
            if raw_pieces is not None and len(spans) == len(applied):
                # Every replacement is a token: the rest is the input as it was written.
                text = RawText(text, "".join(raw_pieces))
            new_texts.append(text)
        return new_texts, prefix, entries


def _token_spans(applied, tokenized: set) -> List[Tuple[int, int]]:
    """Character spans in the input of the tokenized findings of `applied` (a mask output's):
    tokens are written in the order of the applied findings, and a kind is either always
    tokenized or never."""
    return [(f.source.char_start, f.source.char_end) for f in applied if f.entity in tokenized]
