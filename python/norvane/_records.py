"""Records of the command line's file formats: plain text, JSON Lines and CSV/TSV.

Each reader turns decoded lines into `Record`s (the texts to look at, with where they came
from) and pass-through text (blank lines, repeated CSV headers); each record renders itself
again with some of its fields replaced, and everything it did not replace comes out byte for
byte as it went in. Input is decoded a block of whole lines at a time; JSONL lines of plain
members and CSV rows on one line are taken a block at a time into `Run`s, which make the
`Record` of a line only when it is asked for. Readers hand out `Chunk`s of bounded size.
"""

from __future__ import annotations

import bisect
import codecs
import json
import re
from dataclasses import dataclass
from json.decoder import JSONDecodeError, scanstring
from json.encoder import encode_basestring, encode_basestring_ascii
from typing import BinaryIO, Callable, Dict, Iterable, Iterator, List, Optional, Sequence, Tuple, Union

FORMATS = ("text", "jsonl", "csv", "tsv")
BLOCK_BYTES = 1 << 20        # input is read and decoded in blocks of about this size (whole lines)
CHUNK_RECORDS = 2048         # a chunk ends after this many records,
CHUNK_CHARS = 1 << 20        # or once its texts hold this many characters
_SUFFIX_FORMATS = {".jsonl": "jsonl", ".ndjson": "jsonl", ".csv": "csv", ".tsv": "tsv"}


class InputError(Exception):
    """A problem in the input, located at a file, line and (when known) column."""

    def __init__(self, file: str, line: Optional[int], column: Optional[int], message: str):
        self.file, self.line, self.column, self.message = file, line, column, message
        super().__init__(self.where() + ": " + message)

    def where(self) -> str:
        parts = [self.file]
        if self.line is not None:
            parts.append(str(self.line))
            if self.column is not None:
                parts.append(str(self.column))
        return ":".join(parts)


def format_for(path: str) -> str:
    """The format a file name suggests (text when nothing does)."""
    for suffix, fmt in _SUFFIX_FORMATS.items():
        if path.lower().endswith(suffix):
            return fmt
    return "text"


def check_encoding(name: str) -> str:
    """The codec's canonical name; LookupError for a name Python does not know."""
    return codecs.lookup(name).name


# --------------------------------------------------------------------------------------------
# Sources: named binary streams read line by line, decoded with locations.


@dataclass
class Source:
    name: str
    stream: BinaryIO


# Codecs in which a newline byte is always a line end (never part of a character), so a block
# of whole lines decodes to the same text as its lines one by one.
_WHOLE_BLOCK_CODECS = {"utf-8", "cp949", "euc_kr", "ascii", "iso8859-1"}


class LineReader:
    """Decoded lines (terminators kept) of one source, counting lines and bytes read. Reads a
    block of whole lines at a time and decodes it in one go; a block that does not decode is
    decoded line by line, so that an error names its line and comes only when that line is read."""

    def __init__(self, source: Source, encoding: str, errors: str, on_bytes: Callable[[int], None]):
        self.name = source.name
        self._stream = source.stream
        self._encoding = encoding
        self._errors = errors
        self._on_bytes = on_bytes
        self._whole = codecs.lookup(encoding).name in _WHOLE_BLOCK_CODECS
        self.line = 0                           # lines handed out so far
        self._text = ""                         # the decoded block, before any line of it is handed out
        self._lines: List[str] = []             # its lines, once handed out one by one
        self._raw: Optional[List[bytes]] = None  # or: its undecoded lines (when it did not decode whole)
        self._pos = 0

    def __iter__(self) -> Iterator[str]:
        return self

    def _fill(self) -> bool:
        raw = self._stream.read(BLOCK_BYTES)
        if not raw:
            return False
        if not raw.endswith(b"\n"):
            raw += self._stream.readline()
        self._on_bytes(len(raw))
        self._pos, self._lines, self._raw, self._text = 0, [], None, ""
        if self._whole:
            try:
                self._text = raw.decode(self._encoding)
                return True
            except UnicodeDecodeError:
                pass
        pieces = raw.split(b"\n")
        self._raw = [piece + b"\n" for piece in pieces[:-1]]
        if pieces[-1]:
            self._raw.append(pieces[-1])
        return True

    def _decode(self, index: int) -> str:
        return decode_bytes(self._raw[index], self._encoding, self._errors, self.name, self.line + 1)

    def __next__(self) -> str:
        if self._text:
            self._lines = _split_lines(self._text)
            self._text = ""
        while self._pos >= len(self._lines if self._raw is None else self._raw):
            if not self._fill():
                raise StopIteration
            if self._text:
                self._lines = _split_lines(self._text)
                self._text = ""
        text = self._lines[self._pos] if self._raw is None else self._decode(self._pos)
        self._pos += 1
        self.line += 1
        return text

    def take_text(self) -> str:
        """The rest of the current block (the next block once it is used up) as one text of whole
        lines; "" at the end. A line that does not decode ends the text before it (and is raised by
        the next call)."""
        if not self._text and self._pos >= len(self._lines if self._raw is None else self._raw):
            if not self._fill():
                return ""
        if self._text:
            text, self._text = self._text, ""
            self.line += text.count("\n") + (not text.endswith("\n"))
            return text
        if self._raw is None:
            lines, self._pos = self._lines[self._pos:], len(self._lines)
            self.line += len(lines)
            return "".join(lines)
        lines = []
        while self._pos < len(self._raw):
            try:
                lines.append(self._decode(self._pos))
            except InputError:
                if lines:
                    break
                raise
            self._pos += 1
            self.line += 1
        return "".join(lines)

    def give_back(self, text: str) -> None:
        """Takes back the end of the text `take_text` gave (whole lines), to hand it out line by line."""
        self._lines, self._pos, self._text, self._raw = _split_lines(text), 0, "", None
        self.line -= len(self._lines)

    def lines_left(self) -> bool:
        """Whether the current block has lines not handed out yet."""
        return bool(self._text) or self._pos < len(self._lines if self._raw is None else self._raw)

    def read_all(self) -> str:
        raw = self._stream.read()
        self._on_bytes(len(raw))
        try:
            return raw.decode(self._encoding, self._errors)
        except UnicodeDecodeError as err:
            line = raw.count(b"\n", 0, err.start) + 1
            start = raw.rfind(b"\n", 0, err.start) + 1
            raise _decode_error(raw[start:], err.start - start, err, self._encoding, self.name, line)


def _split_lines(text: str) -> List[str]:
    """`text` cut after each newline."""
    lines = text.split("\n")
    last = lines.pop()
    lines = [line + "\n" for line in lines]
    if last:
        lines.append(last)
    return lines


def decode_bytes(raw: bytes, encoding: str, errors: str, name: str, line: int) -> str:
    try:
        return raw.decode(encoding, errors)
    except UnicodeDecodeError as err:
        raise _decode_error(raw, err.start, err, encoding, name, line)


def _decode_error(line_bytes: bytes, offset: int, err: UnicodeDecodeError, encoding: str,
                  name: str, line: int) -> InputError:
    column = len(line_bytes[:offset].decode(encoding, "replace")) + 1
    bad = err.object[err.start:err.end].hex(" ")
    return InputError(name, line, column, f"cannot decode byte(s) {bad} as {encoding} "
                      "(see --encoding and --errors)")


def split_terminator(line: str) -> Tuple[str, str]:
    """A line without its terminator, and the terminator ("\\r\\n", "\\n" or "")."""
    if line.endswith("\r\n"):
        return line[:-2], "\r\n"
    if line.endswith("\n"):
        return line[:-1], "\n"
    return line, ""


# --------------------------------------------------------------------------------------------
# Records.


@dataclass(slots=True)
class Field:
    """One text of a record: `name` is the JSONL key or CSV column (None for text)."""

    name: Optional[str]
    value: str
    # JSONL: the raw string literal content (between the quotes) and its place in the line.
    raw: Optional[str] = None
    start: int = 0
    end: int = 0
    # CSV: the field's index in the row and whether it was written in quotes.
    index: int = 0
    quoted: bool = False

    def raw_slice(self, char_start: int, char_end: int) -> str:
        """The input text under value[char_start:char_end] as it was written in the file."""
        if self.raw is None or "\\" not in self.raw:
            return self.value[char_start:char_end]
        return self.raw[_raw_offset(self.raw, char_start):_raw_offset(self.raw, char_end)]


_JSON_PIECE = re.compile(r"\\u[dD][89abAB][0-9a-fA-F]{2}\\u[dD][c-fC-F][0-9a-fA-F]{2}|\\u[0-9a-fA-F]{4}|\\.|[^\\]+")


def _raw_offset(raw: str, char_offset: int) -> int:
    """The position in a JSON string literal's content where decoded character `char_offset` starts."""
    chars = 0
    for piece in _JSON_PIECE.finditer(raw):
        text = piece.group()
        if text[0] != "\\":
            if chars + len(text) > char_offset:
                return piece.start() + (char_offset - chars)
            chars += len(text)
        else:
            if chars >= char_offset:
                return piece.start()
            chars += 1
    return len(raw)


class RawText(str):
    """A new field text that also knows its exact encoded form (JSONL string content)."""

    raw: str

    def __new__(cls, text: str, raw: str):
        self = super().__new__(cls, text)
        self.raw = raw
        return self


class Record:
    """One record: its number (1-based over the whole run), where it starts and its texts.
    `render` writes it again with some texts replaced ({field position: new text})."""

    __slots__ = ("number", "file", "line", "fields")

    def __init__(self, number: int, file: str, line: int, fields: List[Field]):
        self.number, self.file, self.line, self.fields = number, file, line, fields

    def render(self, new: Dict[int, str]) -> str:
        raise NotImplementedError


class WholeRecord(Record):
    __slots__ = ()

    def render(self, new: Dict[int, str]) -> str:
        return new.get(0, self.fields[0].value)


class LineRecord(Record):
    __slots__ = ("end",)

    def __init__(self, number: int, file: str, line: int, body: str, end: str):
        super().__init__(number, file, line, [Field(None, body)])
        self.end = end

    def render(self, new: Dict[int, str]) -> str:
        return new.get(0, self.fields[0].value) + self.end


class JsonlRecord(Record):
    __slots__ = ("body", "end")

    def __init__(self, number: int, file: str, line: int, fields: List[Field], body: str, end: str):
        super().__init__(number, file, line, fields)
        self.body, self.end = body, end

    def render(self, new: Dict[int, str]) -> str:
        if not new:
            return self.body + self.end
        body, fields, out, done = self.body, self.fields, [], 0
        for position in sorted(new):
            f = fields[position]
            out.append(body[done:f.start + 1])
            out.append(json_field_text(new[position], f.raw))
            done = f.end - 1
        out.append(body[done:])
        out.append(self.end)
        return "".join(out)


class CsvRecord(Record):
    __slots__ = ("cells", "end", "raw", "delimiter")

    def __init__(self, number: int, file: str, line: int, fields: List[Field], cells, end: str, raw: str,
                 delimiter: str):
        super().__init__(number, file, line, fields)
        self.cells, self.end, self.raw, self.delimiter = cells, end, raw, delimiter

    def render(self, new: Dict[int, str]) -> str:
        return _render_csv(self.cells, self.end, self.fields, new, self.delimiter) if new else self.raw


Item = Union[Record, str]   # a record, or text that passes through unchanged


class Run:
    """Consecutive records read in one go, one per line (JSONL objects of plain members, or CSV
    rows without line breaks in quotes): the wanted texts of all of them, with what is needed to
    write them again or to make the `Record` of any of them."""

    __slots__ = ("file", "text", "first_line", "first_number", "values", "starts", "stops", "keys",
                 "record_of", "full")

    def __init__(self, file: str, text: str, first_line: int, first_number: int):
        self.file, self.text, self.first_line, self.first_number = file, text, first_line, first_number
        self.values: List[str] = []            # the wanted texts, in order
        self.starts: List[int] = []            # where each one is written in `text` (JSONL: between the quotes)
        self.stops: List[int] = []
        self.keys: List[str] = []
        self.record_of: List[int] = []         # the record (0-based in the run, one per line) of each text
        self.full = False                      # the chunk ends with this run

    def record(self, first: int) -> Tuple[int, Record]:
        """The record holding text `first`: the index of its first text, and the record."""
        which = self.record_of[first]
        first = bisect.bisect_left(self.record_of, which, 0, first)
        stop = bisect.bisect_right(self.record_of, which, first)
        text = self.text
        line_start = text.rfind("\n", 0, self.starts[first]) + 1
        line_stop = text.find("\n", line_start) + 1 or len(text)
        return first, self._build(which, text[line_start:line_stop], line_start, first, stop)

    def _build(self, which: int, line: str, line_start: int, first: int, stop: int) -> Record:
        """The record `which` of the run: `line`, at `line_start` in the text, holds texts first..stop."""
        body, end = split_terminator(line)
        fields = [Field(self.keys[i], self.values[i], raw=self.text[self.starts[i]:self.stops[i]],
                        start=self.starts[i] - 1 - line_start, end=self.stops[i] + 1 - line_start)
                  for i in range(first, stop)]
        return JsonlRecord(self.first_number + which, self.file, self.first_line + which, fields, body, end)

    def _written(self, position: int, new: str) -> str:
        """How the new text of text `position` is written in place of the old."""
        return json_field_text(new, self.text[self.starts[position]:self.stops[position]])

    def render(self, new: Dict[int, str]) -> str:
        """The text of the run with the texts at the positions of `new` replaced."""
        if not new:
            return self.text
        text, out, done = self.text, [], 0
        for position in sorted(new):
            out.append(text[done:self.starts[position]])
            out.append(self._written(position, new[position]))
            done = self.stops[position]
        out.append(text[done:])
        return "".join(out)

    def items(self, new: Dict[int, str]) -> List[Tuple[str, Optional[Record]]]:
        """Each line of the run written again, with the record it is."""
        out, first, line_start = [], 0, 0
        for which, line in enumerate(_split_lines(self.text)):
            stop = bisect.bisect_right(self.record_of, which, first)
            record = self._build(which, line, line_start, first, stop)
            out.append((record.render({k - first: new[k] for k in range(first, stop) if k in new}), record))
            first, line_start = stop, line_start + len(line)
        return out


class CsvRun(Run):
    """A `Run` of CSV rows (texts are whole cells, quotes included)."""

    __slots__ = ("reader",)
    reader: "CsvReader"

    def _build(self, which: int, line: str, line_start: int, first: int, stop: int) -> Record:
        cells, end, raw = self.reader._parse(line, None, self.first_line + which)
        fields = [Field(self.reader.header[i], cells[i][0], None, 0, 0, i, cells[i][1]) for i in self.reader.columns]
        return CsvRecord(self.first_number + which, self.file, self.first_line + which, fields, cells, end, raw,
                         self.reader.delimiter)

    def _written(self, position: int, new: str) -> str:
        return csv_cell(new, self.text.startswith('"', self.starts[position]), self.reader.delimiter)


Unit = Union[Record, Run, str]


class Chunk:
    """The records of a piece of the input, with all their texts in one list."""

    def __init__(self, units: List[Unit]):
        self.units = units
        self.texts: List[str] = []
        self._firsts: List[int] = []      # the first text of each unit that has texts
        self._holders: List[Union[Record, Run]] = []
        for unit in units:
            if isinstance(unit, str):
                continue
            values = unit.values if isinstance(unit, Run) else [f.value for f in unit.fields]
            if values:
                self._firsts.append(len(self.texts))
                self._holders.append(unit)
                self.texts += values

    def records(self, positions: Iterable[int]) -> Iterator[Tuple[int, Record]]:
        """(index of its first text, record) of each record holding a text at one of `positions`
        (ascending), in order."""
        done = -1
        for position in positions:
            if position < done:
                continue
            which = bisect.bisect_right(self._firsts, position) - 1
            holder, base = self._holders[which], self._firsts[which]
            if isinstance(holder, Run):
                first, record = holder.record(position - base)
                first += base
            else:
                first, record = base, holder
            done = first + len(record.fields)
            yield first, record

    @staticmethod
    def _changes(new: Dict[int, str], base: int, count: int) -> Dict[int, str]:
        """The entries of `new` for texts base..base+count, numbered from 0."""
        return {k - base: new[k] for k in range(base, base + count) if k in new} if new else {}

    def render(self, new: Dict[int, str]) -> str:
        """The text of the chunk with the texts at the positions of `new` replaced."""
        out, base = [], 0
        changed = sorted(new)
        next_change = changed[0] if changed else -1
        none: Dict[int, str] = {}
        for unit in self.units:
            if isinstance(unit, str):
                out.append(unit)
                continue
            count = len(unit.values) if isinstance(unit, Run) else len(unit.fields)
            if base <= next_change < base + count:
                out.append(unit.render(self._changes(new, base, count)))
                index = bisect.bisect_left(changed, base + count)
                next_change = changed[index] if index < len(changed) else -1
            else:
                out.append(unit.render(none))
            base += count
        return "".join(out)

    def items(self, new: Dict[int, str]) -> List[Tuple[str, Optional[Record]]]:
        """What `render` gives, item by item, with the record of each (None for pass-through text)."""
        out, base = [], 0
        for unit in self.units:
            if isinstance(unit, str):
                out.append((unit, None))
            elif isinstance(unit, Run):
                out += unit.items(self._changes(new, base, len(unit.values)))
                base += len(unit.values)
            else:
                out.append((unit.render(self._changes(new, base, len(unit.fields))), unit))
                base += len(unit.fields)
        return out


class Reader:
    """Reads records of one format from a sequence of sources, in chunks of bounded size."""

    def __init__(self, names: Optional[Sequence[str]] = ()):
        self.names = None if names is None else list(names)   # None: every field
        self.count = 0
        self.chunk_records = 0    # records and characters of texts in the chunk being read
        self.chunk_chars = 0

    def next_number(self) -> int:
        self.count += 1
        return self.count

    def items(self, lines: LineReader) -> Iterator[Unit]:
        raise NotImplementedError

    def _count(self, chars: int) -> bool:
        """Counts one record of the chunk being read; True when that fills the chunk."""
        self.chunk_records += 1
        self.chunk_chars += chars
        if self.chunk_records >= CHUNK_RECORDS or self.chunk_chars >= CHUNK_CHARS:
            self.chunk_records = self.chunk_chars = 0
            return True
        return False

    def _runs(self, text: str, start: int, stop: int, line: int, name: str, values: List[str],
              spans: List[Tuple[int, int]], keys: List[str], record_of: List[int]) -> Iterator[Run]:
        """Runs of the non-blank lines text[start:stop], each line a record, cut where chunks end."""
        records = text.count("\n", start, stop) + (not text.endswith("\n", start, stop))
        chars = [0] * records
        for record, value in zip(record_of, values):
            chars[record] += len(value)
        run_first, run_start, taken = 0, start, 0
        for record in range(records):
            if self._count(chars[record]) or record == records - 1:
                full = record < records - 1 or self.chunk_records == 0
                run_stop = stop if record == records - 1 else _line_after(text, run_start, record - run_first)
                count = bisect.bisect_left(record_of, record + 1, taken)
                run = self._new_run(name, text[run_start:run_stop], line + run_first, self.count + 1)
                run.values = values[taken:count]
                run.starts = [span[0] - run_start for span in spans[taken:count]]
                run.stops = [span[1] - run_start for span in spans[taken:count]]
                run.keys = keys[taken:count]
                run.record_of = [r - run_first for r in record_of[taken:count]]
                run.full = full
                self.count += record + 1 - run_first
                yield run
                run_first, run_start, taken = record + 1, run_stop, count

    def _new_run(self, file: str, text: str, first_line: int, first_number: int) -> Run:
        return Run(file, text, first_line, first_number)

    def chunks(self, sources: Iterable[LineReader]) -> Iterator[Chunk]:
        """The records of every source in order, in chunks: a chunk ends after CHUNK_RECORDS
        records or once it holds CHUNK_CHARS characters of texts, whatever the sources."""
        units: List[Unit] = []
        self.chunk_records = self.chunk_chars = 0
        for lines in sources:
            for unit in self.items(lines):
                units.append(unit)
                if isinstance(unit, Run):
                    full = unit.full
                elif isinstance(unit, Record):
                    fields = unit.fields
                    full = self._count(len(fields[0].value) if len(fields) == 1 else sum(len(f.value) for f in fields))
                else:
                    continue
                if full:
                    yield Chunk(units)
                    units = []
        if units:
            yield Chunk(units)


class WholeTextReader(Reader):
    """The whole of each input is one record."""

    def items(self, lines: LineReader) -> Iterator[Item]:
        text = lines.read_all()
        yield WholeRecord(self.next_number(), lines.name, 1, [Field(None, text)])


class LinesReader(Reader):
    """Each line is one record; terminators are kept as they were."""

    def items(self, lines: LineReader) -> Iterator[Item]:
        for line in lines:
            body, end = split_terminator(line)
            yield LineRecord(self.next_number(), lines.name, lines.line, body, end)


# A line of plain members: string, number, true, false or null values, keys without escapes.
_JSON_SPACE = r"[ \t\r]*"
_JSON_STRING = r'"[^"\\\x00-\x1f]*+(?:\\(?:["\\/bfnrt]|u[0-9a-fA-F]{4})[^"\\\x00-\x1f]*+)*+"'
_JSON_PLAIN_MEMBER = (r'"[^"\\\x00-\x1f]*+"' + _JSON_SPACE + ":" + _JSON_SPACE +
                      r"(?:" + _JSON_STRING + r"|-?+(?:0|[1-9][0-9]*+)(?:\.[0-9]++)?+(?:[eE][-+]?+[0-9]++)?+"
                      r"|true|false|null)")
_JSON_PLAIN_LINE = (_JSON_SPACE + r"(?:\{" + _JSON_SPACE + r"(?:" + _JSON_PLAIN_MEMBER + r"(?:" + _JSON_SPACE + "," +
                    _JSON_SPACE + _JSON_PLAIN_MEMBER + r")*+)?+" + _JSON_SPACE + r"\}" + _JSON_SPACE + r")?+")
_PLAIN_LINES = re.compile(r"(?:" + _JSON_PLAIN_LINE + r"\n)*+(?:" + _JSON_PLAIN_LINE + r"\Z)?+")
_BLANK_LINE = re.compile(r"^[ \t\r]*$", re.MULTILINE)


def _plain_member_pattern(names: Optional[Sequence[str]]) -> Optional["re.Pattern[str]"]:
    """The start of a top-level member with one of `names` as its key, in a line of plain
    members: there a key opens right after '{' or ',' and nowhere else. None when a name could
    make that ambiguous (or every key is wanted)."""
    if not names or any(not n or n[0] in " \t\r:,}" or re.search(r'["\\\x00-\x1f]', n) for n in names):
        return None
    keys = "|".join(re.escape(n) for n in sorted(set(names), key=len, reverse=True))
    return re.compile(r'[{,]' + _JSON_SPACE + '"(' + keys + ')"' + _JSON_SPACE + ":" + _JSON_SPACE)


class JsonlReader(Reader):
    """One JSON object per line; the named top-level string fields are the texts. Lines of plain
    members (the usual export) are read a block at a time into `Run`s; any other line is walked
    on its own, and a line that is not valid JSON is reported with its line and column."""

    def __init__(self, names: Optional[Sequence[str]] = ()):
        super().__init__(names)
        self._member = _plain_member_pattern(self.names)
        self._wanted = None if self.names is None else set(self.names)

    def items(self, lines: LineReader) -> Iterator[Unit]:
        while True:
            first_line = lines.line + 1
            text = lines.take_text()
            if not text:
                return
            pos, line = 0, first_line   # `line` is the number of the line at `pos`
            while pos < len(text):
                stop = _PLAIN_LINES.match(text, pos).end() if self._member is not None else pos
                if stop > pos:
                    yield from self._plain(text, pos, stop, line, lines.name)
                    line += text.count("\n", pos, stop)
                    pos = stop
                    continue
                stop = text.find("\n", pos) + 1 or len(text)
                yield self._line(text[pos:stop], lines.name, line)
                line += 1
                pos = stop

    def _line(self, line: str, name: str, number: int) -> Item:
        body, end = split_terminator(line)
        if not body.strip(" \t\r"):
            return line
        found = _top_level_strings_fast(body, self._wanted)
        if found is None:   # not plain JSON: the careful walk says where it goes wrong
            found = list(_top_level_strings(body, self._wanted, name, number))
        fields = [Field(key, value, raw=body[start + 1:stop - 1], start=start, end=stop)
                  for key, value, start, stop in found]
        return JsonlRecord(self.next_number(), name, number, fields, body, end)

    def _plain(self, text: str, start: int, stop: int, line: int, name: str) -> Iterator[Unit]:
        """The lines text[start:stop] (plain members or blank; `line` is the number of the first)."""
        if _BLANK_LINE.search(text, start, stop - 1 if text.endswith("\n", start, stop) else stop) is not None:
            piece_start = pos = start
            for piece in _split_lines(text[start:stop]):
                if not piece.strip(" \t\r\n"):   # blank lines pass through between runs
                    if piece_start < pos:
                        yield from self._plain(text, piece_start, pos, line, name)
                    yield piece
                    line += text.count("\n", piece_start, pos) + 1
                    piece_start = pos + len(piece)
                pos += len(piece)
            if piece_start < stop:
                yield from self._plain(text, piece_start, stop, line, name)
            return
        values: List[str] = []
        spans: List[Tuple[int, int]] = []
        keys: List[str] = []
        record_of: List[int] = []
        line_index, counted_to = 0, start
        for member in self._member.finditer(text, start, stop):
            at = member.end()
            if text.startswith('"', at):
                value, end = scanstring(text, at + 1)
            elif text.startswith("null", at):
                continue
            else:   # a number, true or false where a text was wanted: that line is reported
                bad_start = text.rfind("\n", 0, at) + 1
                bad_stop = text.find("\n", at) + 1 or stop
                if bad_start > start:
                    kept = bisect.bisect_left(spans, (bad_start, 0))   # texts on lines before the bad one
                    yield from self._runs(text, start, bad_start, line, name, values[:kept], spans[:kept],
                                          keys[:kept], record_of[:kept])
                bad_line = line + text.count("\n", start, bad_start)
                yield self._line(text[bad_start:bad_stop], name, bad_line)
                if bad_stop < stop:
                    yield from self._plain(text, bad_stop, stop, bad_line + 1, name)
                return
            line_index += text.count("\n", counted_to, at)
            counted_to = at
            values.append(value)
            spans.append((at + 1, end - 1))
            keys.append(member.group(1))
            record_of.append(line_index)
        yield from self._runs(text, start, stop, line, name, values, spans, keys, record_of)

def _line_after(text: str, start: int, lines: int) -> int:
    """Where the line after the `lines`-th (0-based) line from `start` begins."""
    pos = start
    for _ in range(lines + 1):
        pos = text.find("\n", pos) + 1
    return pos


def json_field_text(text: str, like: str) -> str:
    """A new field text as the content of a JSON string literal, written like the old one."""
    raw = getattr(text, "raw", None)
    return raw if raw is not None else json_string_content(text, like)


_NON_ASCII_ESCAPE = re.compile(r"\\u(?!00[0-7])[0-9a-fA-F]{4}")


def json_string_content(value: str, like: str) -> str:
    """`value` as the content of a JSON string literal, written the way `like` (another literal's
    content) writes non-ASCII characters: escaped (lower- or upper-case hex) or as they are."""
    escape = _NON_ASCII_ESCAPE.search(like) if "\\" in like else None
    text = (encode_basestring_ascii if escape is not None else encode_basestring)(value)[1:-1]
    if escape and any(c in "ABCDEF" for c in escape.group()[2:]):
        text = re.sub(r"\\u[0-9a-f]{4}", lambda e: "\\u" + e.group()[2:].upper(), text)
    return text


_WHITESPACE = re.compile(r"[ \t\n\r]*")
_DECODER = json.JSONDecoder()


_OPEN = re.compile(r"[ \t\n\r]*\{[ \t\n\r]*")
_KEY = re.compile(r'"([^"\\]*(?:\\.[^"\\]*)*)"[ \t\n\r]*:[ \t\n\r]*')
_AFTER = re.compile(r"[ \t\n\r]*([,}])[ \t\n\r]*")


def _top_level_strings_fast(body: str, wanted: Optional[set]) -> Optional[List[Tuple[str, str, int, int]]]:
    """What `_top_level_strings` gives, in a few regular-expression steps per key; None for any
    line it does not accept (which `_top_level_strings` then reports)."""
    opened = _OPEN.match(body)
    if opened is None:
        return None
    pos, found = opened.end(), []
    if body.startswith("}", pos):
        return found if body[pos + 1:].strip(" \t\n\r") == "" else None
    scan = _DECODER.scan_once
    while True:
        key_match = _KEY.match(body, pos)
        if key_match is None:
            return None
        key = key_match.group(1)
        if "\\" in key:
            try:
                key = json.loads('"' + key + '"')
            except ValueError:
                return None
        start = key_match.end()
        try:
            value, pos = scan(body, start)
        except (StopIteration, ValueError):
            return None
        if wanted is None or key in wanted:
            if isinstance(value, str):
                found.append((key, value, start, pos))
            elif value is not None and wanted is not None:
                return None
        after = _AFTER.match(body, pos)
        if after is None:
            return None
        pos = after.end()
        if after.group(1) == "}":
            return found if pos == len(body) else None


def _top_level_strings(body: str, wanted: Optional[set], name: str, line: int) -> Iterator[Tuple[str, str, int, int]]:
    """(key, value, literal start, literal end) of each wanted top-level key of a JSON object
    line (every string-valued key when `wanted` is None)."""

    def fail(pos: int, message: str) -> InputError:
        return InputError(name, line, pos + 1, message)

    def skip(pos: int) -> int:
        return _WHITESPACE.match(body, pos).end()

    pos = skip(0)
    if body[pos:pos + 1] != "{":
        raise fail(pos, "a JSONL record must be a JSON object")
    pos = skip(pos + 1)
    if body[pos:pos + 1] == "}":
        pos = skip(pos + 1)
    else:
        while True:
            if body[pos:pos + 1] != '"':
                raise fail(pos, "expected a key in double quotes")
            try:
                key, pos = scanstring(body, pos + 1)
            except JSONDecodeError as err:
                raise fail(err.pos, err.msg)
            pos = skip(pos)
            if body[pos:pos + 1] != ":":
                raise fail(pos, "expected ':' after the key")
            start = skip(pos + 1)
            try:
                value, pos = _DECODER.scan_once(body, start)
            except StopIteration as stop:
                raise fail(stop.value, "expected a JSON value")
            except JSONDecodeError as err:
                raise fail(err.pos, err.msg)
            if wanted is None:
                if isinstance(value, str):
                    yield key, value, start, pos
            elif key in wanted:
                if isinstance(value, str):
                    yield key, value, start, pos
                elif value is not None:
                    raise fail(start, f"field {key!r} holds {_json_kind(value)}, not a string")
            pos = skip(pos)
            if body[pos:pos + 1] == ",":
                pos = skip(pos + 1)
                continue
            if body[pos:pos + 1] == "}":
                pos = skip(pos + 1)
                break
            raise fail(pos, "expected ',' or '}'")
    if pos != len(body):
        raise fail(pos, "extra data after the JSON object")


def _json_kind(value) -> str:
    if isinstance(value, bool):
        return "a boolean"
    if isinstance(value, (int, float)):
        return "a number"
    return "an object" if isinstance(value, dict) else "an array"


class CsvReader(Reader):
    """CSV (or TSV) with a header line; the named columns are the texts. Quoting is kept: a field
    written in quotes stays in quotes, one without gains them only when its new text needs them."""

    def __init__(self, names: Sequence[str] = (), delimiter: str = ","):
        super().__init__(names)
        self.delimiter = delimiter
        self.header: Optional[List[str]] = None
        self.columns: List[int] = []

    def items(self, lines: LineReader) -> Iterator[Unit]:
        first_source = self.header is None
        for line in lines:
            start_line = lines.line
            cells, end, raw = self._parse(line, lines, start_line)
            header = [value for value, _ in cells]
            header[0] = header[0].lstrip("\ufeff")
            self._check_header(header, lines.name, start_line)
            if first_source:
                yield raw
            break
        rows = self._rows_pattern()
        while True:
            first_line = lines.line + 1
            text = lines.take_text()
            if not text:
                return
            stop = rows.match(text).end() if rows is not None else 0
            if stop:
                yield from self._plain_rows(rows, text, stop, first_line, lines.name)
            if stop < len(text):   # the rest of this block row by row
                lines.give_back(text[stop:])
                while lines.lines_left():
                    yield self._row(next(lines), lines)

    def _row(self, line: str, lines: LineReader) -> Item:
        start_line = lines.line
        if line in ("\n", "\r\n"):
            return line
        cells, end, raw = self._parse(line, lines, start_line)
        if len(cells) != len(self.header):
            raise InputError(lines.name, start_line, None,
                             f"the record has {len(cells)} fields, the header has {len(self.header)}")
        fields = [Field(self.header[i], cells[i][0], None, 0, 0, i, cells[i][1]) for i in self.columns]
        return CsvRecord(self.next_number(), lines.name, start_line, fields, cells, end, raw, self.delimiter)

    def _rows_pattern(self) -> Optional["re.Pattern[str]"]:
        """Lines that are rows of the header's width (quoted cells without line breaks); None for a
        one-column file, where a blank line is a row. Sets `_row`: one such row, its wanted cells
        as groups."""
        if self.header is None or len(self.header) < 2:
            return None
        d = re.escape(self.delimiter)
        cell = r'(?:"[^"\r\n]*+(?:""[^"\r\n]*+)*+"|[^"%s\r\n][^%s\r\n]*+|)' % (d, d)
        row = d.join("(" + cell + ")" if i in self.columns else cell for i in range(len(self.header))) + r"\r?\n"
        self._row_pattern = re.compile(row)
        return re.compile("(?:" + row.replace("(", "(?:").replace("(?:?:", "(?:") + ")*+")

    def _plain_rows(self, rows: "re.Pattern[str]", text: str, stop: int, line: int, name: str) -> Iterator[Unit]:
        """The rows text[:stop] (matched by `rows`; `line` is the number of the first) as runs."""
        values, spans, keys, record_of = [], [], [], []
        names = [self.header[i] for i in self.columns]
        for index, match in enumerate(self._row_pattern.finditer(text, 0, stop)):
            for group, key in enumerate(names, 1):
                cell_start, cell_stop = match.span(group)
                cell = text[cell_start:cell_stop]
                values.append(cell[1:-1].replace('""', '"') if cell.startswith('"') else cell)
                spans.append((cell_start, cell_stop))
                keys.append(key)
                record_of.append(index)
        yield from self._runs(text, 0, stop, line, name, values, spans, keys, record_of)

    def _new_run(self, file: str, text: str, first_line: int, first_number: int) -> Run:
        run = CsvRun(file, text, first_line, first_number)
        run.reader = self
        return run

    def _check_header(self, header: List[str], name: str, line: int) -> None:
        if self.header is None:
            names = header if self.names is None else self.names
            missing = [c for c in names if c not in header]
            if missing:
                raise InputError(name, line, None, f"no column {missing[0]!r} in the header "
                                 f"(columns: {', '.join(header)})")
            self.header = header
            self.columns = [i for i, c in enumerate(header) if c in set(names)]
        elif header != self.header:
            raise InputError(name, line, None, "the header differs from the first input's header")

    def _parse(self, line: str, lines: LineReader, start_line: int) -> Tuple[List[Tuple[str, bool]], str, str]:
        """The cells (value, quoted) of the record starting with `line`, its terminator and the
        input text it was read from."""
        delimiter = self.delimiter
        body, end = split_terminator(line)
        if '"' not in body:
            return [(cell, False) for cell in body.split(delimiter)], end, line
        consumed = [line]
        cells: List[Tuple[str, bool]] = []
        text, pos, line_no = body, 0, start_line
        while True:
            if text.startswith('"', pos):
                open_line, open_col = line_no, pos + 1
                parts, pos = [], pos + 1
                while True:
                    close = text.find('"', pos)
                    if close < 0:
                        parts.append(text[pos:] + end)
                        try:
                            following = next(lines)
                        except StopIteration:
                            raise InputError(lines.name, open_line, open_col,
                                             "the quoted field is not closed before the end of the input")
                        line_no += 1
                        consumed.append(following)
                        text, end = split_terminator(following)
                        pos = 0
                        continue
                    if text.startswith('"', close + 1):
                        parts.append(text[pos:close + 1])
                        pos = close + 2
                        continue
                    parts.append(text[pos:close])
                    pos = close + 1
                    break
                cells.append(("".join(parts), True))
                if pos == len(text):
                    return cells, end, "".join(consumed)
                if text[pos] != delimiter:
                    raise InputError(lines.name, line_no, pos + 1,
                                     f"unexpected {text[pos]!r} after the closing quote of a field")
                pos += 1
            else:
                stop = text.find(delimiter, pos)
                if stop < 0:
                    cells.append((text[pos:], False))
                    return cells, end, "".join(consumed)
                cells.append((text[pos:stop], False))
                pos = stop + 1


def csv_cell(value: str, quoted: bool, delimiter: str) -> str:
    if quoted or delimiter in value or "\n" in value or "\r" in value or value.startswith('"'):
        return '"' + value.replace('"', '""') + '"'
    return value


def _render_csv(cells, end: str, fields, new: dict, delimiter: str) -> str:
    replaced = {fields[position].index: text for position, text in new.items()}
    return delimiter.join(csv_cell(replaced[i], quoted, delimiter) if i in replaced else csv_cell(value, quoted, delimiter)
                          for i, (value, quoted) in enumerate(cells)) + end


def make_reader(fmt: str, names: Sequence[str], whole: bool) -> Reader:
    if fmt == "text":
        return WholeTextReader() if whole else LinesReader()
    if fmt == "jsonl":
        return JsonlReader(names)
    return CsvReader(names, "," if fmt == "csv" else "\t")
