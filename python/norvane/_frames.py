"""Masking and detection over columns of a table, shared by the Spark and Dask helpers.

A row's masked columns share one restore map (as the fields of a record do on the command
line): tokens are numbered across the columns and each entry names its column.
"""

from __future__ import annotations

import json
from typing import Dict, List, Optional, Sequence, Tuple

import norvane

from ._batch import detect_texts, mask_texts
from ._records import Field
from ._tokens import TokenNumbering, tokenized_kinds

# One finding of detect_columns: the column it is in and where, as plain values.
FINDING_FIELDS = ("column", "entity", "start", "end", "byte_start", "byte_end", "score", "certainty", "rule")


def _present(columns: Dict[str, list]) -> Tuple[List[str], List[Tuple[int, str]]]:
    """The non-null texts of every column in row order, and (row, column) of each."""
    texts, places = [], []
    rows = len(next(iter(columns.values()))) if columns else 0
    for row in range(rows):
        for name, values in columns.items():
            value = values[row]
            if value is not None:
                texts.append(value)
                places.append((row, name))
    return texts, places


def mask_rows(columns: Dict[str, list], policies: norvane.PolicySet, config: norvane.Config,
              with_restore: bool) -> Tuple[Dict[str, list], Optional[List[Optional[str]]]]:
    """The masked values of every column (None stays None) and, when asked, each row's restore
    map as JSON (None for a row without tokens)."""
    texts, places = _present(columns)
    outputs = mask_texts(texts, policies, config)
    masked = {name: list(values) for name, values in columns.items()}
    if not with_restore:
        for (row, name), out in zip(places, outputs):
            masked[name][row] = out.text
        return masked, None
    rows = len(next(iter(columns.values()))) if columns else 0
    restore: List[Optional[str]] = [None] * rows
    numbering = TokenNumbering(False, tokenized_kinds(policies))
    start = 0
    while start < len(places):
        row = places[start][0]
        stop = start
        while stop < len(places) and places[stop][0] == row:
            stop += 1
        fields = [Field(name, texts[i]) for i, (_, name) in zip(range(start, stop), places[start:stop])]
        new_texts, prefix, entries = numbering.apply(fields, outputs[start:stop], row)
        for (_, name), text in zip(places[start:stop], new_texts):
            masked[name][row] = str(text)
        if entries:
            restore[row] = json.dumps({"prefix": prefix, "entries": entries}, ensure_ascii=False, separators=(",", ":"))
        start = stop
    return masked, restore


def detect_rows(columns: Dict[str, list], config: norvane.Config) -> List[List[dict]]:
    """Each row's findings over the given columns, as dicts of FINDING_FIELDS."""
    texts, places = _present(columns)
    rows = len(next(iter(columns.values()))) if columns else 0
    found: List[List[dict]] = [[] for _ in range(rows)]
    for (row, name), report in zip(places, detect_texts(texts, config)):
        for f in report.findings:
            src = f.source
            found[row].append({"column": name, "entity": f.entity, "start": src.char_start, "end": src.char_end,
                               "byte_start": src.byte_start, "byte_end": src.byte_end, "score": f.score,
                               "certainty": f.certainty, "rule": f.evidence.rule})
    return found


def check_columns(available: Sequence[str], columns: Sequence[str], string_columns: Sequence[str]) -> List[str]:
    """The column names, checked: present, text, each once."""
    columns = [columns] if isinstance(columns, str) else list(columns)
    if not columns:
        raise ValueError("give at least one column")
    for name in columns:
        if name not in available:
            raise ValueError(f"no column {name!r} (columns: {', '.join(available)})")
        if name not in string_columns:
            raise TypeError(f"column {name!r} does not hold strings")
    if len(set(columns)) != len(columns):
        raise ValueError("a column is named twice")
    return columns
