"""norvane over Spark DataFrame columns (extra `spark`).

    from norvane.spark import mask_columns, detect_columns
    masked = mask_columns(df, ["memo"], PolicySet(Policy.tokenize()), restore_column="restore")

The policy set and the configuration are built on the driver and travel to the executors
pickled; each executor masks Arrow batches (`mapInArrow`) through the library's batch
functions, so rows never pass one by one through Python objects of Spark.
"""

from __future__ import annotations

from typing import Optional, Sequence

import pyarrow as pa
from pyspark.sql import DataFrame
from pyspark.sql import types as T

import norvane

from ._batch import mask_column
from ._frames import check_columns, detect_rows, mask_rows

FINDING_TYPE = T.StructType([
    T.StructField("column", T.StringType()), T.StructField("entity", T.StringType()),
    T.StructField("start", T.LongType()), T.StructField("end", T.LongType()),
    T.StructField("byte_start", T.LongType()), T.StructField("byte_end", T.LongType()),
    T.StructField("score", T.FloatType()), T.StructField("certainty", T.StringType()),
    T.StructField("rule", T.StringType()),
])


def _string_columns(df: DataFrame) -> list:
    return [f.name for f in df.schema.fields if isinstance(f.dataType, T.StringType)]


def mask_columns(df: DataFrame, columns: Sequence[str], policies: Optional[norvane.PolicySet] = None,
                 config: Optional[norvane.Config] = None, restore_column: Optional[str] = None) -> DataFrame:
    """`df` with the given string columns masked. With `restore_column`, a new string column
    holds each row's restore map as JSON (null for a row without tokens); the tokens of a row's
    columns are numbered as one map, and each entry names its column."""
    columns = check_columns(df.columns, columns, _string_columns(df))
    if restore_column is not None and restore_column in df.columns:
        raise ValueError(f"the restore column {restore_column!r} already exists")
    policies = policies if policies is not None else norvane.PolicySet()
    config = config if config is not None else norvane.Config()
    schema = df.schema
    if restore_column is not None:
        schema = T.StructType(schema.fields + [T.StructField(restore_column, T.StringType())])

    def run(batches):
        for batch in batches:
            yield _mask_batch(batch, columns, policies, config, restore_column)

    return df.mapInArrow(run, schema)


def _mask_batch(batch: pa.RecordBatch, columns, policies, config, restore_column) -> pa.RecordBatch:
    arrays, names = list(batch.columns), list(batch.schema.names)
    if restore_column is None:
        for name in columns:
            index = names.index(name)
            arrays[index] = mask_column(arrays[index], policies, config)
        return pa.RecordBatch.from_arrays(arrays, names=names)
    masked, restore = mask_rows({name: batch.column(name).to_pylist() for name in columns}, policies, config, True)
    for name in columns:
        index = names.index(name)
        arrays[index] = pa.array(masked[name], type=arrays[index].type)
    return pa.RecordBatch.from_arrays(arrays + [pa.array(restore, type=pa.large_string())],
                                      names=names + [restore_column])


def detect_columns(df: DataFrame, columns: Sequence[str], config: Optional[norvane.Config] = None,
                   output_column: str = "findings") -> DataFrame:
    """`df` with a new column of each row's findings in the given columns: an array of structs
    (column, entity, start, end, byte_start, byte_end, score, certainty, rule), offsets in
    characters and UTF-8 bytes of the column's value."""
    columns = check_columns(df.columns, columns, _string_columns(df))
    if output_column in df.columns:
        raise ValueError(f"the output column {output_column!r} already exists")
    config = config if config is not None else norvane.Config()
    schema = T.StructType(df.schema.fields + [T.StructField(output_column, T.ArrayType(FINDING_TYPE))])
    finding_type = pa.list_(pa.struct([
        ("column", pa.large_string()), ("entity", pa.large_string()), ("start", pa.int64()), ("end", pa.int64()),
        ("byte_start", pa.int64()), ("byte_end", pa.int64()), ("score", pa.float32()),
        ("certainty", pa.large_string()), ("rule", pa.large_string())]))

    def run(batches):
        for batch in batches:
            found = detect_rows({name: batch.column(name).to_pylist() for name in columns}, config)
            yield pa.RecordBatch.from_arrays(list(batch.columns) + [pa.array(found, type=finding_type)],
                                             names=list(batch.schema.names) + [output_column])

    return df.mapInArrow(run, schema)
