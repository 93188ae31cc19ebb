"""norvane.dask: map_partitions with pickled policies, on a process scheduler."""

import json

import pytest

dd = pytest.importorskip("dask.dataframe", reason="dask[dataframe] is not installed (extra 'dask')")
pd = pytest.importorskip("pandas")

import norvane  # noqa: E402
from norvane import Policy, PolicySet  # noqa: E402
from norvane.dask import detect_columns, detect_frame, mask_columns, mask_frame  # noqa: E402

FRAME = pd.DataFrame({
    "id": [1, 2, 3, 4, 5],
    "memo": ["연락처 010-1234-5678", None, "메일 kim@example.com", "깨끗한 메모", "주민 880101-1234568 카드 4111-1111-1111-1111"],
    "note": ["주문번호 20240101", "전화 02-123-4567", None, "x", "y"],
})


def test_partitions_masked_in_other_processes_equal_the_library():
    policies = PolicySet(Policy.redact_code()).with_entity("email", Policy.hash(b"k", 8))
    ddf = dd.from_pandas(FRAME, npartitions=3)
    out = mask_columns(ddf, ["memo", "note"], policies).compute(scheduler="processes", num_workers=2)
    expected = [None if pd.isna(t) else norvane.mask(t, policies).text for t in FRAME["memo"]]
    assert [None if pd.isna(t) else t for t in out["memo"]] == expected
    assert list(out["note"]) [1] == "전화 [PHONE]"
    assert list(out["id"]) == [1, 2, 3, 4, 5]


def test_restore_column_round_trips_each_row():
    ddf = dd.from_pandas(FRAME, npartitions=2)
    out = mask_columns(ddf, ["memo", "note"], PolicySet(Policy.tokenize()), restore_column="restore").compute()
    assert list(out.columns) == ["id", "memo", "note", "restore"]
    assert out["memo"][4] == "주민 [[PII:0]] 카드 [[PII:1]]"
    assert out["restore"][3] is None
    for (_, row), (_, original) in zip(out.iterrows(), FRAME.iterrows()):
        for column in ("memo", "note"):
            if pd.isna(original[column]):
                assert pd.isna(row[column])
            elif row["restore"] is not None and column in {e["field"] for e in json.loads(row["restore"])["entries"]}:
                assert norvane.unmask(row[column], norvane.RestoreMap.from_json(row["restore"])) == original[column]
            else:
                assert row[column] == original[column]


def test_detect_columns_and_the_pandas_helpers_agree():
    found = detect_columns(dd.from_pandas(FRAME, npartitions=2), ["memo"]).compute()
    assert list(found["findings"]) == list(detect_frame(FRAME, ["memo"])["findings"])
    assert [[(f["entity"], f["start"], f["end"], f["rule"]) for f in row] for row in found["findings"]] == [
        [(f.entity, f.source.char_start, f.source.char_end, f.evidence.rule) for f in norvane.detect(t).findings]
        if not pd.isna(t) else [] for t in FRAME["memo"]]
    assert list(mask_frame(FRAME, "memo")["memo"])[0] == "연락처 [전화번호]"


def test_bad_columns_are_refused():
    ddf = dd.from_pandas(FRAME, npartitions=2)
    with pytest.raises(ValueError, match="no column 'nope'"):
        mask_columns(ddf, ["nope"])
    with pytest.raises(TypeError, match="column 'id' does not hold strings"):
        mask_columns(ddf, ["id"])
    with pytest.raises(ValueError, match="the column 'note' already exists"):
        detect_columns(ddf, ["memo"], output_column="note")
