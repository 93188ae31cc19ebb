"""norvane over Dask DataFrame columns (extra `dask`), one pandas partition at a time.

    from norvane.dask import mask_columns
    masked = mask_columns(ddf, ["memo"], PolicySet(Policy.tokenize()), restore_column="restore")

`mask_frame` and `detect_frame` do the same to a pandas DataFrame; the Dask helpers run them on
every partition with `map_partitions`, shipping the policy set and configuration pickled.
"""

from __future__ import annotations

from typing import Optional, Sequence

import dask.dataframe as dd
import pandas as pd

import norvane

from ._frames import check_columns, detect_rows, mask_rows


def _string_columns(df: pd.DataFrame) -> list:
    return [name for name in df.columns
            if pd.api.types.is_string_dtype(df[name].dtype) or df[name].dtype == object]


def mask_frame(df: pd.DataFrame, columns: Sequence[str], policies: Optional[norvane.PolicySet] = None,
               config: Optional[norvane.Config] = None, restore_column: Optional[str] = None) -> pd.DataFrame:
    """A copy of `df` with the given text columns masked; with `restore_column`, a new column of
    each row's restore map as JSON (None for a row without tokens)."""
    columns = check_columns(list(df.columns), columns, _string_columns(df))
    policies = policies if policies is not None else norvane.PolicySet()
    config = config if config is not None else norvane.Config()
    values = {name: [None if pd.isna(v) else v for v in df[name].tolist()] for name in columns}
    masked, restore = mask_rows(values, policies, config, restore_column is not None)
    out = df.copy()
    for name in columns:
        out[name] = pd.Series(masked[name], index=df.index, dtype=df[name].dtype)
    if restore_column is not None:
        out[restore_column] = pd.Series(restore, index=df.index, dtype=object)
    return out


def detect_frame(df: pd.DataFrame, columns: Sequence[str], config: Optional[norvane.Config] = None,
                 output_column: str = "findings") -> pd.DataFrame:
    """A copy of `df` with a new column holding each row's findings as a list of dicts (column,
    entity, start, end, byte_start, byte_end, score, certainty, rule)."""
    columns = check_columns(list(df.columns), columns, _string_columns(df))
    config = config if config is not None else norvane.Config()
    values = {name: [None if pd.isna(v) else v for v in df[name].tolist()] for name in columns}
    out = df.copy()
    out[output_column] = pd.Series(detect_rows(values, config), index=df.index, dtype=object)
    return out


def _checked(ddf: dd.DataFrame, columns, new_column: Optional[str]):
    columns = check_columns(list(ddf.columns), columns, _string_columns(ddf._meta))
    if new_column is not None and new_column in ddf.columns:
        raise ValueError(f"the column {new_column!r} already exists")
    return columns


def mask_columns(ddf: dd.DataFrame, columns: Sequence[str], policies: Optional[norvane.PolicySet] = None,
                 config: Optional[norvane.Config] = None, restore_column: Optional[str] = None) -> dd.DataFrame:
    """`mask_frame` on every partition of `ddf`."""
    columns = _checked(ddf, columns, restore_column)
    meta = ddf._meta.copy()
    if restore_column is not None:
        meta[restore_column] = pd.Series([], dtype=object)
    return ddf.map_partitions(mask_frame, columns, policies if policies is not None else norvane.PolicySet(),
                              config if config is not None else norvane.Config(), restore_column, meta=meta)


def detect_columns(ddf: dd.DataFrame, columns: Sequence[str], config: Optional[norvane.Config] = None,
                   output_column: str = "findings") -> dd.DataFrame:
    """`detect_frame` on every partition of `ddf`."""
    columns = _checked(ddf, columns, output_column)
    meta = ddf._meta.copy()
    meta[output_column] = pd.Series([], dtype=object)
    return ddf.map_partitions(detect_frame, columns, config if config is not None else norvane.Config(),
                              output_column, meta=meta)
