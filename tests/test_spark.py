"""norvane.spark on a local Spark (local[2]): driver-built policies, Arrow batches, restore maps."""

import json
import os
import shutil
import sys

import pytest

pytest.importorskip("pyspark", reason="pyspark is not installed (extra 'spark')")
if not (shutil.which("java") or os.environ.get("JAVA_HOME")):
    pytest.skip("Spark needs Java (17 or newer): no java on PATH and no JAVA_HOME", allow_module_level=True)

from pyspark.sql import SparkSession  # noqa: E402

import norvane  # noqa: E402
from norvane import Policy, PolicySet  # noqa: E402
from norvane.spark import detect_columns, mask_columns  # noqa: E402

ROWS = [
    (1, "연락처 010-1234-5678 로 회신", "주민번호 880101-1234568"),
    (2, None, "깨끗한 메모"),
    (3, "메일 kim@example.com, 카드 4111-1111-1111-1111", None),
    (4, "[[PII:0]] 는 글자 그대로, 전화 02-123-4567", "주문번호 20240101"),
]


@pytest.fixture(scope="module")
def spark():
    os.environ.setdefault("PYSPARK_PYTHON", sys.executable)   # workers run the interpreter under test
    session = (SparkSession.builder.master("local[2]").appName("norvane-tests")
               .config("spark.ui.enabled", "false").config("spark.sql.shuffle.partitions", "2")
               .getOrCreate())
    session.sparkContext.setLogLevel("ERROR")
    yield session
    session.stop()


@pytest.fixture(scope="module")
def frame(spark):
    return spark.createDataFrame(ROWS, "id long, memo string, note string").repartition(2)


def test_masking_with_a_driver_built_policy_set_equals_the_library(frame):
    policies = (PolicySet(Policy.redact_code()).with_entity("phone", Policy.partial(3, 4))
                .with_entity("email", Policy.hash(b"driver-side key", 10)))
    rows = sorted(mask_columns(frame, ["memo", "note"], policies).collect())
    expected = [(i, None if m is None else norvane.mask(m, policies).text,
                 None if n is None else norvane.mask(n, policies).text) for i, m, n in ROWS]
    assert [tuple(r) for r in rows] == expected


def test_the_restore_column_gives_every_row_back(frame):
    rows = sorted(mask_columns(frame, ["memo", "note"], PolicySet(Policy.tokenize()), restore_column="restore").collect())
    assert rows[0].memo == "연락처 [[PII:0]] 로 회신" and rows[0].note == "주민번호 [[PII:1]]"
    assert rows[1].restore is None
    # a text holding [[PII: gets tokens of another prefix
    assert rows[3].memo == "[[PII:0]] 는 글자 그대로, 전화 [[PII0:0]]"
    for row, (_, memo, note) in zip(rows, ROWS):
        if row.restore is None:
            assert (row.memo, row.note) == (memo, note)
            continue
        restore = norvane.RestoreMap.from_json(row.restore)
        fields = {e["field"] for e in json.loads(row.restore)["entries"]}
        assert {"memo": norvane.unmask(row.memo, restore) if "memo" in fields else row.memo,
                "note": norvane.unmask(row.note, restore) if "note" in fields else row.note} == {"memo": memo, "note": note}


def test_many_rows_over_several_batches_match_per_call_masks(spark):
    texts = [f"고객 {i} 연락처 010-{1000 + i % 9000:04d}-{i % 10000:04d}" if i % 3 else f"메모 {i}" for i in range(3000)]
    frame = spark.createDataFrame([(i, t) for i, t in enumerate(texts)], "id long, memo string").repartition(3)
    spark.conf.set("spark.sql.execution.arrow.maxRecordsPerBatch", "500")
    try:
        rows = sorted(mask_columns(frame, "memo").collect())
    finally:
        spark.conf.unset("spark.sql.execution.arrow.maxRecordsPerBatch")
    assert [r.memo for r in rows] == [norvane.mask(t).text for t in texts]


def test_detect_columns_lists_each_rows_findings(frame):
    rows = sorted(detect_columns(frame, ["memo", "note"]).collect())
    for row, (_, memo, note) in zip(rows, ROWS):
        expected = [(column, f.entity, f.source.char_start, f.source.char_end, f.source.byte_start, f.source.byte_end,
                     f.certainty, f.evidence.rule)
                    for column, text in (("memo", memo), ("note", note)) if text is not None
                    for f in norvane.detect(text).findings]
        assert [(f.column, f.entity, f.start, f.end, f.byte_start, f.byte_end, f.certainty, f.rule)
                for f in row.findings] == expected
    assert rows[0].findings[0].score == pytest.approx(norvane.detect(ROWS[0][1]).findings[0].score)


def test_bad_column_choices_are_refused_on_the_driver(frame):
    with pytest.raises(ValueError, match=r"no column 'memo2' \(columns: id, memo, note\)"):
        mask_columns(frame, ["memo2"])
    with pytest.raises(TypeError, match="column 'id' does not hold strings"):
        mask_columns(frame, ["id"])
    with pytest.raises(ValueError, match="the restore column 'note' already exists"):
        mask_columns(frame, ["memo"], restore_column="note")
    with pytest.raises(ValueError, match="give at least one column"):
        detect_columns(frame, [])
