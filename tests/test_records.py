"""The command line's JSONL reader: the quick walk over a line's top-level keys and the careful
one (which says where a line goes wrong) must agree on every line the quick one accepts."""

import json

from hypothesis import given, settings
from hypothesis import strategies as st

from norvane._records import InputError, _top_level_strings, _top_level_strings_fast

values = st.recursive(st.none() | st.booleans() | st.integers() | st.floats(allow_nan=False) | st.text(max_size=8),
                      lambda inner: st.lists(inner, max_size=3) | st.dictionaries(st.text(max_size=4), inner, max_size=3),
                      max_leaves=6)
objects = st.dictionaries(st.sampled_from(["memo", "note", "m\"e", "키", "a\\b", "x"]) | st.text(max_size=4),
                          values | st.text(), max_size=6)


def careful(line, wanted):
    try:
        return list(_top_level_strings(line, wanted, "f", 1))
    except InputError:
        return "error"


@settings(max_examples=200, deadline=None)
@given(obj=objects, ascii_only=st.booleans(), spaced=st.booleans(), wanted=st.sampled_from([None, {"memo"}, {"키", "x"}]),
       cut=st.integers(min_value=0, max_value=200), junk=st.sampled_from(["", " ", "x", ",", "}", "\"", "\\"]))
def test_quick_walk_agrees_with_the_careful_one(obj, ascii_only, spaced, wanted, cut, junk):
    separators = (", ", ": ") if spaced else (",", ":")
    line = json.dumps(obj, ensure_ascii=ascii_only, separators=separators)
    for text in (line, line[:cut] + junk + line[cut:]):
        quick = _top_level_strings_fast(text, wanted)
        slow = careful(text, wanted)
        if quick is None:
            assert slow == "error" or text != line   # a valid line is never refused by the quick walk
        else:
            assert quick == slow
    if wanted is not None and all(isinstance(obj.get(k), (str, type(None))) for k in wanted):
        assert [(k, v) for k, v, _, _ in _top_level_strings_fast(line, wanted)] == \
            [(k, v) for k, v in obj.items() if k in wanted and isinstance(v, str)]


# ---------------------------------------------------------------------------------------------
# Lines of plain members are read a block at a time; every other line on its own. Both ways must
# give the same chunks, records, texts, errors and output, wherever blocks and chunks end.

import io

import pytest

from norvane import _records
from norvane._records import JsonlReader, LineReader, Source

plain_values = st.none() | st.booleans() | st.integers() | st.text(max_size=6) | \
    st.floats(allow_nan=False, allow_infinity=False)
plain_objects = st.dictionaries(st.sampled_from(["memo", "note", "id", "키"]), plain_values, max_size=4)


@st.composite
def jsonl_texts(draw):
    lines = []
    for _ in range(draw(st.integers(min_value=0, max_value=14))):
        kind = draw(st.sampled_from(["plain"] * 6 + ["nested", "blank", "bad", "escaped-key", "duplicate"]))
        obj = draw(plain_objects)
        if kind == "nested":
            obj = dict(obj, tags=draw(objects))
        separators = draw(st.sampled_from([(",", ":"), (", ", ": "), (" ,", " : ")]))
        line = json.dumps(obj, ensure_ascii=draw(st.booleans()), separators=separators)
        if kind == "blank":
            line = draw(st.sampled_from(["", " ", "\t \r"]))
        elif kind == "bad":
            line = draw(st.sampled_from(['{"memo": 5}', '{"id": 1, "memo": true}', '{"memo": "x"', '[1]', '{"memo": "a\tb"}']))
        elif kind == "escaped-key":
            line = line.replace('"memo"', '"\\u006demo"')
        elif kind == "duplicate":
            line = '{"memo": "one", "id": 2, "memo": "two"}'
        lines.append(line + draw(st.sampled_from(["\n", "\n", "\r\n"])))
    text = "".join(lines)
    if draw(st.booleans()):
        text = text.rstrip("\r\n")
    return text


def _read_chunks(reader, data: bytes, record_fields, chunk_records: int, block_bytes: int):
    """Everything a reader gives for `data`: per chunk its texts, records (their fields as
    `record_fields` describes them) and output (plain and with every text replaced), then the
    error, if any."""
    saved = _records.CHUNK_RECORDS, _records.CHUNK_CHARS, _records.BLOCK_BYTES
    _records.CHUNK_RECORDS, _records.CHUNK_CHARS, _records.BLOCK_BYTES = chunk_records, 12, block_bytes
    seen = []
    try:
        for chunk in reader.chunks([LineReader(Source("f", io.BytesIO(data)), "utf-8", "strict", lambda n: None)]):
            new = {i: "<" + t + ">" for i, t in enumerate(chunk.texts)}
            records = [(first, r.number, r.line, record_fields(r), r.render({}))
                       for first, r in chunk.records(range(len(chunk.texts)))]
            items = [(text, None if r is None else (r.number, r.line)) for text, r in chunk.items(new)]
            seen.append((chunk.texts, records, chunk.render({}), chunk.render(new), items))
    except InputError as err:
        seen.append(str(err))
    finally:
        _records.CHUNK_RECORDS, _records.CHUNK_CHARS, _records.BLOCK_BYTES = saved
    return seen


def _read(data: bytes, names, block_path: bool, chunk_records: int, block_bytes: int):
    reader = JsonlReader(names)
    if not block_path:
        reader._member = None
    return _read_chunks(reader, data, lambda r: (r.file, [(f.name, f.value, f.raw, f.start, f.end) for f in r.fields]),
                        chunk_records, block_bytes)


@settings(max_examples=300, deadline=None)
@given(text=jsonl_texts(), names=st.sampled_from([["memo"], ["memo", "note"], ["키"]]),
       chunk_records=st.integers(min_value=1, max_value=5), block_bytes=st.integers(min_value=1, max_value=300))
def test_block_reading_gives_what_line_by_line_reading_gives(text, names, chunk_records, block_bytes):
    data = text.encode()
    by_block = _read(data, names, True, chunk_records, block_bytes)
    assert by_block == _read(data, names, False, chunk_records, block_bytes)
    if by_block and not isinstance(by_block[-1], str):
        assert "".join(chunk[2] for chunk in by_block) == text    # nothing replaced: the input comes back


@pytest.mark.parametrize("names", [[], [" memo"], [":x"], ['a"b'], ["a\\b"]])
def test_names_that_could_be_misread_in_a_block_are_read_line_by_line(names):
    assert _records._plain_member_pattern(names) is None


csv_cells = st.text(alphabet='ab,"\n\r 가', max_size=5)


@st.composite
def csv_texts(draw):
    width = draw(st.integers(min_value=1, max_value=3))
    rows = [["memo", "id", "note"][:width]]
    for _ in range(draw(st.integers(min_value=0, max_value=12))):
        rows.append([draw(csv_cells) for _ in range(draw(st.sampled_from([width] * 5 + [width + 1])))])
    out = []
    for row in rows:
        cells = []
        for cell in row:
            quoted = draw(st.booleans()) or any(c in cell for c in ',"\n\r') or cell.startswith('"')
            cells.append('"' + cell.replace('"', '""') + '"' if quoted else cell)
        line = ",".join(cells)
        if draw(st.integers(0, 9)) == 0:
            line = draw(st.sampled_from(['', 'a,"b"c', '"open', 'x\r,y']))
        out.append(line + draw(st.sampled_from(["\n", "\n", "\r\n"])))
    text = "".join(out)
    return text.rstrip("\r\n") if draw(st.booleans()) else text


def _read_csv(data: bytes, names, block_path: bool, chunk_records: int, block_bytes: int):
    reader = _records.CsvReader(names)
    if not block_path:
        reader._rows_pattern = lambda: None
    return _read_chunks(reader, data, lambda r: [(f.name, f.value, f.index, f.quoted) for f in r.fields],
                        chunk_records, block_bytes)


@settings(max_examples=300, deadline=None)
@given(text=csv_texts(), names=st.sampled_from([["memo"], ["memo", "note"], ["id"]]),
       chunk_records=st.integers(min_value=1, max_value=5), block_bytes=st.integers(min_value=1, max_value=200))
def test_csv_block_reading_gives_what_row_by_row_reading_gives(text, names, chunk_records, block_bytes):
    data = text.encode()
    by_block = _read_csv(data, names, True, chunk_records, block_bytes)
    assert by_block == _read_csv(data, names, False, chunk_records, block_bytes)
    if not by_block or not isinstance(by_block[-1], str):
        assert "".join(chunk[2] for chunk in by_block) == text    # nothing replaced: the input comes back
