"""Arrow string columns in detect_many and mask_many: pyarrow arrays and chunked arrays of every
string layout, slices, nulls, polars and pandas; the masked column read back by pyarrow and
polars; malformed columns refused with a clear error."""
import ctypes
import gc

import pytest

import norvane
from norvane import Policy, PolicySet

from batch_cases import POLICY_SETS, report_view, texts

pa = pytest.importorskip("pyarrow")

ARROW_TYPES = [pa.string(), pa.large_string(), pa.string_view()]
TYPE_NAMES = {pa.string(): "string", pa.large_string(): "large_string", pa.string_view(): "string_view"}


def with_nulls(items, every=7):
    return [None if i % every == 3 else t for i, t in enumerate(items)]


def expected_masks(items, policies):
    """Per-call results; with tokens, the batch's shared map numbering (a column has one map)."""
    present = [t for t in items if t is not None]
    if policies is not None and "tokenize" in repr([policies.policy_for(e) for e in norvane.entity_names()]):
        outputs, _ = norvane.mask_many(present, policies, shared_restore=True, threads=1)
        masked = iter(o.text for o in outputs)
    else:
        masked = iter(norvane.mask(t, policies).text for t in present)
    return [None if t is None else next(masked) for t in items]


@pytest.mark.parametrize("arrow_type", ARROW_TYPES, ids=lambda t: TYPE_NAMES[t])
@pytest.mark.parametrize("threads", [1, 2])
def test_masked_column_equals_per_call_masks_with_nulls_kept(arrow_type, threads):
    items = with_nulls(texts(400, seed=13))
    column = pa.array(items, arrow_type)
    for name in ("default", "partial", "hash", "mixed"):
        policies = POLICY_SETS[name]
        out = norvane.mask_many(column, policies, threads=threads)
        assert (len(out), out.null_count, out.type) == (len(items), items.count(None), TYPE_NAMES[arrow_type])
        result = pa.array(out)
        assert result.type == arrow_type
        assert result.to_pylist() == expected_masks(items, policies), name


@pytest.mark.parametrize("threads", [1, 2])
def test_a_large_row_among_short_ones_keeps_its_place(threads):
    # The large row is a unit of work of its own, costlier than the units of short rows around
    # it: one thread writes every row one after another, two join their units in row order.
    items = texts(600, seed=17)
    items[350] = " ".join(texts(400, seed=19))
    column = pa.array(with_nulls(items))
    out = pa.array(norvane.mask_many(column, threads=threads))
    assert out.to_pylist() == expected_masks(with_nulls(items), None)


@pytest.mark.parametrize("arrow_type", ARROW_TYPES, ids=lambda t: TYPE_NAMES[t])
def test_detect_many_on_a_column_gives_reports_and_none_for_nulls(arrow_type):
    items = with_nulls(texts(200, seed=17))
    got = norvane.detect_many(pa.array(items, arrow_type), threads=2)
    assert [None if r is None else report_view(r) for r in got] == [
        None if t is None else report_view(norvane.detect(t)) for t in items
    ]


@pytest.mark.parametrize("arrow_type", ARROW_TYPES, ids=lambda t: TYPE_NAMES[t])
def test_slices_and_chunked_arrays_read_the_right_rows(arrow_type):
    items = with_nulls(texts(300, seed=19), every=5)
    chunked = pa.chunked_array([pa.array(items[:100], arrow_type), pa.array(items[100:], arrow_type)])
    cases = {
        "slice": (pa.array(items, arrow_type).slice(37, 150), items[37:187]),
        "chunked": (chunked, items),
        "chunked slice": (chunked.slice(90, 120), items[90:210]),
        "empty chunked": (pa.chunked_array([], arrow_type), []),
        "all null": (pa.array([None, None], arrow_type), [None, None]),
    }
    for name, (column, expected) in cases.items():
        assert pa.array(norvane.mask_many(column, threads=2)).to_pylist() == expected_masks(expected, None), name


@pytest.mark.parametrize("threads", [1, 2])
def test_nulls_that_first_come_late_keep_every_row_in_its_place(threads):
    # A column reads no per-row lists until its first null: the rows before it, in this chunk and
    # in a whole chunk without nulls before it, must still land in their places.
    items = texts(300, seed=37)
    late = items[:250] + [None if i % 9 == 4 else t for i, t in enumerate(items[250:])]
    for arrow_type in ARROW_TYPES:
        chunked = pa.chunked_array([pa.array(late[:200], arrow_type), pa.array(late[200:], arrow_type)])
        for column in (pa.array(late, arrow_type), chunked):
            assert pa.array(norvane.mask_many(column, threads=threads)).to_pylist() == expected_masks(late, None)
            got = norvane.detect_many(column, threads=threads)
            assert [None if r is None else report_view(r) for r in got] == [
                None if t is None else report_view(norvane.detect(t)) for t in late
            ]


@pytest.mark.parametrize("threads", [1, 2])
def test_a_bad_row_after_the_first_late_null_is_named_by_its_row(threads):
    good = pa.array(texts(40, seed=41) + [None, "연락처: 010-1234-5678"])
    bad = pa.StringArray.from_buffers(1, pa.array([0, 4], pa.int32()).buffers()[1], pa.py_buffer(b"a\xffbc"))
    column = pa.chunked_array([pa.array(texts(30, seed=43)), pa.concat_arrays([good, bad])])
    with pytest.raises(ValueError, match=r"^texts\[72\]: invalid UTF-8 at byte 1 of the text$"):
        norvane.mask_many(column, threads=threads)
    with pytest.raises(ValueError, match=r"^texts\[72\]: invalid UTF-8"):
        norvane.detect_many(column, threads=threads)


@pytest.mark.parametrize("config", [None, norvane.Config.thorough()], ids=["default", "thorough"])
@pytest.mark.parametrize("threads", [1, 2])
def test_rows_after_rows_with_many_findings_carry_nothing_over(config, threads):
    # A row's list of findings serves the next row's detection: a long row with many findings,
    # then short rows with none or one, then one that fails, must each mask as alone.
    long_row = " ".join(p for p in texts(60, seed=47) if p)
    rows = [long_row, "네, 확인했습니다.", "연락처: 010-1234-5678", "", long_row[:200], "메일 a@b.co", "😀"] * 5
    got = pa.array(norvane.mask_many(pa.array(rows), config=config, threads=threads)).to_pylist()
    assert got == [norvane.mask(t, config=config).text for t in rows]
    broken = pa.concat_arrays([pa.array(rows), pa.StringArray.from_buffers(
        1, pa.array([0, 1], pa.int32()).buffers()[1], pa.py_buffer(b"\xff"))])
    with pytest.raises(ValueError, match=r"^texts\[35\]: invalid UTF-8"):
        norvane.mask_many(broken, config=config, threads=threads)
    assert pa.array(norvane.mask_many(pa.array(rows[::-1]), config=config, threads=threads)).to_pylist() == [
        norvane.mask(t, config=config).text for t in rows[::-1]
    ]


def test_tokens_in_a_column_share_one_restore_map():
    items = with_nulls(texts(250, seed=23))
    policies = POLICY_SETS["tokenize"]
    out = norvane.mask_many(pa.array(items), policies, threads=2)
    masked = pa.array(out).to_pylist()
    restore = out.restore
    assert restore.prefix == "PII1"  # the texts hold "[[PII:0]]"
    assert [None if m is None else norvane.unmask(m, restore) for m in masked] == items
    assert norvane.mask_many(pa.array(items), POLICY_SETS["label"]).restore is None
    with pytest.raises(ValueError, match="one restore map for all its rows"):
        norvane.mask_many(pa.array(items), policies, shared_restore=False)
    assert pa.array(norvane.mask_many(pa.array(items), policies, shared_restore=True)).to_pylist() == masked


def test_polars_series_in_and_out():
    pl = pytest.importorskip("polars")
    items = with_nulls(texts(300, seed=29))
    series = pl.Series("notes", items)
    out = norvane.mask_many(series, threads=2)
    assert pl.from_arrow(out).to_list() == expected_masks(items, None)
    assert pl.Series(out).to_list() == expected_masks(items, None)
    sliced = series.slice(11, 200)
    assert pl.from_arrow(norvane.mask_many(sliced)).to_list() == expected_masks(items[11:211], None)
    got = norvane.detect_many(series)
    assert [r is None for r in got] == [t is None for t in items]


def test_pandas_arrow_backed_strings():
    pd = pytest.importorskip("pandas")
    items = with_nulls(texts(120, seed=31))
    for dtype in ("string[pyarrow]", pd.ArrowDtype(pa.string()), pd.ArrowDtype(pa.large_string())):
        series = pd.Series(items, dtype=dtype)
        if not hasattr(series, "__arrow_c_stream__"):
            pytest.skip("this pandas exports no Arrow stream")
        assert pa.array(norvane.mask_many(series)).to_pylist() == expected_masks(items, None), dtype


def test_the_masked_column_outlives_its_object_and_exports_more_than_once():
    items = texts(50, seed=37)
    out = norvane.mask_many(pa.array(items))
    first = pa.array(out)
    second = pa.chunked_array(out)
    del out
    gc.collect()
    assert first.to_pylist() == second.to_pylist() == expected_masks(items, None)
    assert second.num_chunks == 1


# ---------------------------------------------------------------------------------------------
# Columns that are not string columns, or are malformed


def test_columns_of_other_types_are_refused():
    cases = {
        "'l'": pa.array([1, 2, 3]),
        "'z'": pa.array([b"010-1234-5678"]),
        "dictionary-encoded": pa.array(["010-1234-5678"]).dictionary_encode(),
    }
    for message, column in cases.items():
        for function in (norvane.mask_many, norvane.detect_many):
            with pytest.raises(TypeError, match=message):
                function(column)


def test_pyarrow_objects_are_checked_by_pyarrow_first():
    # The C interface carries no buffer sizes, so a data buffer shorter than the offsets claim
    # cannot be seen from the structs; pyarrow knows its sizes, and a pyarrow object is asked to
    # validate itself before it is read. (pyarrow refuses to build such arrays; this stand-in
    # answers as one would.)
    class Invalid(Exception):
        pass

    class ShortArray:
        __module__ = "pyarrow.lib"

        def validate(self):
            raise Invalid("Length spanned by binary offsets (100) larger than values array (size 3)")

        def __arrow_c_array__(self, requested_schema=None):
            raise AssertionError("read before it was validated")

    for function in (norvane.mask_many, norvane.detect_many):
        with pytest.raises(ValueError, match=r"malformed Arrow column: Length spanned by binary offsets \(100\)"):
            function(ShortArray())

    # A Ctrl-C while pyarrow validates is a KeyboardInterrupt still, not a malformed column.
    class InterruptedArray(ShortArray):
        __module__ = "pyarrow.lib"

        def validate(self):
            raise KeyboardInterrupt

    for function in (norvane.mask_many, norvane.detect_many):
        with pytest.raises(KeyboardInterrupt):
            function(InterruptedArray())


@pytest.mark.parametrize("threads", [1, 2])
def test_invalid_utf8_is_refused_naming_the_row(threads):
    rows = [b"010-1234-5678", b"fine", b"bad \xed\xa0\x80 surrogate", b"\xff"]
    data = b"".join(rows)
    ends = [0]
    for r in rows:
        ends.append(ends[-1] + len(r))
    offsets = pa.array(ends, pa.int32()).buffers()[1]
    column = pa.StringArray.from_buffers(len(rows), offsets, pa.py_buffer(data))
    with pytest.raises(ValueError, match=r"^texts\[2\]: invalid UTF-8 at byte 4 of the text$"):
        norvane.mask_many(column, threads=threads)
    with pytest.raises(ValueError, match=r"^texts\[2\]: invalid UTF-8"):
        norvane.detect_many(column, threads=threads)
    # Null rows count: the bad row is still named by its place in the column.
    with_null = pa.concat_arrays([pa.array([None, "x"]), column.slice(2)])
    with pytest.raises(ValueError, match=r"^texts\[2\]: invalid UTF-8 at byte 4"):
        norvane.mask_many(with_null, threads=threads)


# Raw C structs, as a producer that does not keep the rules might hand them over.
class ArrowSchema(ctypes.Structure):
    _fields_ = [("format", ctypes.c_char_p), ("name", ctypes.c_char_p), ("metadata", ctypes.c_char_p),
                ("flags", ctypes.c_int64), ("n_children", ctypes.c_int64), ("children", ctypes.c_void_p),
                ("dictionary", ctypes.c_void_p), ("release", ctypes.c_void_p), ("private_data", ctypes.c_void_p)]


class ArrowArray(ctypes.Structure):
    _fields_ = [("length", ctypes.c_int64), ("null_count", ctypes.c_int64), ("offset", ctypes.c_int64),
                ("n_buffers", ctypes.c_int64), ("n_children", ctypes.c_int64),
                ("buffers", ctypes.POINTER(ctypes.c_void_p)), ("children", ctypes.c_void_p),
                ("dictionary", ctypes.c_void_p), ("release", ctypes.c_void_p), ("private_data", ctypes.c_void_p)]


RELEASE = ctypes.CFUNCTYPE(None, ctypes.c_void_p)
RELEASED = []


@RELEASE
def release_schema(address):
    RELEASED.append("schema")
    ArrowSchema.from_address(address).release = None


@RELEASE
def release_array(address):
    RELEASED.append("array")
    ArrowArray.from_address(address).release = None


capsule_new = ctypes.pythonapi.PyCapsule_New
capsule_new.restype = ctypes.py_object
capsule_new.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_void_p]
SCHEMA_NAME = ctypes.c_char_p(b"arrow_schema")
ARRAY_NAME = ctypes.c_char_p(b"arrow_array")


class RawColumn:
    """Exports hand-made structs; keeps every buffer alive."""

    def __init__(self, fmt, length, buffers, offset=0, n_buffers=None, released=False, names=None):
        self.keep = [ctypes.create_string_buffer(b, len(b)) if isinstance(b, bytes) else b for b in buffers]
        pointers = [None if b is None else ctypes.cast(b, ctypes.c_void_p).value for b in self.keep]
        self.pointers = (ctypes.c_void_p * max(len(pointers), 1))(*pointers)
        self.schema = ArrowSchema(format=fmt, name=b"", flags=2, release=ctypes.cast(release_schema, ctypes.c_void_p))
        self.array = ArrowArray(length=length, null_count=-1, offset=offset,
                                n_buffers=len(pointers) if n_buffers is None else n_buffers,
                                buffers=self.pointers,
                                release=None if released else ctypes.cast(release_array, ctypes.c_void_p))
        self.names = names or (SCHEMA_NAME, ARRAY_NAME)

    def __arrow_c_array__(self, requested_schema=None):
        return (capsule_new(ctypes.addressof(self.schema), self.names[0], None),
                capsule_new(ctypes.addressof(self.array), self.names[1], None))


def int32s(*values):
    return b"".join(v.to_bytes(4, "little", signed=True) for v in values)


def int64s(*values):
    return b"".join(v.to_bytes(8, "little", signed=True) for v in values)


def view(length, data=b"", buffer=0, offset=0):
    if length <= 12:
        return int32s(length) + data.ljust(12, b"\0")
    return int32s(length) + data[:4] + int32s(buffer, offset)


def test_a_well_formed_raw_column_is_read():
    column = RawColumn(b"u", 2, [None, int32s(0, 13, 17), b"010-1234-5678fine"])
    assert pa.array(norvane.mask_many(column)).to_pylist() == ["[전화번호]", "fine"]
    views = RawColumn(b"vu", 2, [None, view(13, b"010-1234-5678", 0, 0) + view(4, b"fine"),
                                 b"010-1234-5678", int64s(13)])
    assert pa.array(norvane.mask_many(views)).to_pylist() == ["[전화번호]", "fine"]


@pytest.mark.parametrize(
    "column, error, message",
    [
        (lambda: RawColumn(b"u", 2, [None, int32s(0, 5, 3), b"hello"]), ValueError, "offsets decrease at row 1"),
        (lambda: RawColumn(b"u", 1, [None, int32s(-4, 1), b"hello"]), ValueError, "a negative offset"),
        (lambda: RawColumn(b"U", 1, [None, int64s(0, -1), b"x"]), ValueError, "offsets decrease at row 0"),
        (lambda: RawColumn(b"u", -1, [None, int32s(0), b""]), ValueError, "negative or impossible length"),
        (lambda: RawColumn(b"u", 1, [None, int32s(0, 1)], n_buffers=2), ValueError, "a chunk has 2 buffers"),
        (lambda: RawColumn(b"u", 1, [None, None, b"x"]), ValueError, "no offsets buffer"),
        (lambda: RawColumn(b"u", 1, [None, int32s(0, 1), None]), ValueError, "no data buffer"),
        (lambda: RawColumn(b"u", 1, [None, int32s(0, 1), b"x"], released=True), ValueError, "released already"),
        (lambda: RawColumn(b"vu", 1, [None, view(20, b"abcd", 3, 0), b"x" * 20, int64s(20)]), ValueError,
         "points to data buffer 3 of 1"),
        (lambda: RawColumn(b"vu", 1, [None, view(20, b"abcd", 0, 10), b"x" * 20, int64s(20)]), ValueError,
         "reaches past the end of its data buffer"),
        (lambda: RawColumn(b"vu", 1, [None, view(-2), int64s()]), ValueError, "negative string length"),
        (lambda: RawColumn(b"i", 1, [None, int32s(7)], n_buffers=2), TypeError, "format 'i'"),
        (lambda: RawColumn(b"u", 1, [None, int32s(0, 1), b"x"], names=(ARRAY_NAME, SCHEMA_NAME)), TypeError,
         "PyCapsule named 'arrow_schema'"),
    ],
)
def test_malformed_raw_columns_raise_cleanly(column, error, message):
    RELEASED.clear()
    raw = column()
    with pytest.raises(error, match=message):
        norvane.mask_many(raw)
    # What was taken over is released once.
    assert RELEASED.count("array") <= 1 and RELEASED.count("schema") <= 1


class OddExporter:
    def __init__(self, result):
        self.result = result

    def __arrow_c_array__(self, requested_schema=None):
        if isinstance(self.result, Exception):
            raise self.result
        return self.result


def test_exporters_that_misbehave():
    with pytest.raises(TypeError, match=r"must return a \(schema, array\) pair"):
        norvane.mask_many(OddExporter(42))
    with pytest.raises(TypeError, match="PyCapsule named 'arrow_schema'"):
        norvane.mask_many(OddExporter((1, 2)))
    with pytest.raises(RuntimeError, match="exporter failed"):
        norvane.detect_many(OddExporter(RuntimeError("exporter failed")))
