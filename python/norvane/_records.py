"""Records of the command line's file formats: plain text, JSON Lines and CSV/TSV.

Each reader turns decoded lines into `Record`s (the texts to look at, with where they came
from) and pass-through text (blank lines, repeated CSV headers); each record renders itself
again with some of its fields replaced, and everything it did not replace comes out byte for
byte as it went in.
"""

from __future__ import annotations

import codecs
import json
import re
from dataclasses import dataclass, field
from json.decoder import JSONDecodeError, scanstring
from typing import BinaryIO, Callable, Iterator, List, Optional, Sequence, Tuple, Union

FORMATS = ("text", "jsonl", "csv", "tsv")
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


class LineReader:
    """Decoded lines (terminators kept) of one source, counting lines and bytes read."""

    def __init__(self, source: Source, encoding: str, errors: str, on_bytes: Callable[[int], None]):
        self.name = source.name
        self._stream = source.stream
        self._encoding = encoding
        self._errors = errors
        self._on_bytes = on_bytes
        self.line = 0

    def __iter__(self) -> Iterator[str]:
        return self

    def __next__(self) -> str:
        raw = self._stream.readline()
        if not raw:
            raise StopIteration
        self.line += 1
        self._on_bytes(len(raw))
        return decode_bytes(raw, self._encoding, self._errors, self.name, self.line)

    def read_all(self) -> str:
        raw = self._stream.read()
        self._on_bytes(len(raw))
        try:
            return raw.decode(self._encoding, self._errors)
        except UnicodeDecodeError as err:
            line = raw.count(b"\n", 0, err.start) + 1
            start = raw.rfind(b"\n", 0, err.start) + 1
            raise _decode_error(raw[start:], err.start - start, err, self._encoding, self.name, line)


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


@dataclass
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


@dataclass
class Record:
    number: int          # 1-based over the whole run
    file: str
    line: int            # the line the record starts on
    fields: List[Field]
    render: Optional[Callable[[dict], str]] = field(repr=False, default=None)  # {field position: new text} -> output


Item = Union[Record, str]   # a record, or text that passes through unchanged


class Reader:
    """Reads records of one format from a sequence of sources."""

    def __init__(self, names: Optional[Sequence[str]] = ()):
        self.names = None if names is None else list(names)   # None: every field
        self.count = 0

    def next_number(self) -> int:
        self.count += 1
        return self.count

    def items(self, lines: LineReader) -> Iterator[Item]:
        raise NotImplementedError


class WholeTextReader(Reader):
    """The whole of each input is one record."""

    def items(self, lines: LineReader) -> Iterator[Item]:
        text = lines.read_all()
        yield Record(self.next_number(), lines.name, 1, [Field(None, text)],
                     render=lambda new: new.get(0, text))


class LinesReader(Reader):
    """Each line is one record; terminators are kept as they were."""

    def items(self, lines: LineReader) -> Iterator[Item]:
        for line in lines:
            body, end = split_terminator(line)
            yield Record(self.next_number(), lines.name, lines.line, [Field(None, body)],
                         render=lambda new, body=body, end=end: new.get(0, body) + end)


class JsonlReader(Reader):
    """One JSON object per line; the named top-level string fields are the texts."""

    def items(self, lines: LineReader) -> Iterator[Item]:
        wanted = None if self.names is None else set(self.names)
        for line in lines:
            body, end = split_terminator(line)
            if not body.strip(" \t\r"):
                yield line
                continue
            found = _top_level_strings_fast(body, wanted)
            if found is None:   # not plain JSON: the careful walk says where it goes wrong
                found = list(_top_level_strings(body, wanted, lines.name, lines.line))
            fields = [Field(key, value, raw=body[start + 1:stop - 1], start=start, end=stop)
                      for key, value, start, stop in found]
            yield Record(self.next_number(), lines.name, lines.line, fields,
                         render=lambda new, body=body, end=end, fields=fields: _render_jsonl(body, end, fields, new))


def _render_jsonl(body: str, end: str, fields: List[Field], new: dict) -> str:
    if not new:
        return body + end
    out, done = [], 0
    for position in sorted(new):
        f = fields[position]
        out.append(body[done:f.start + 1])
        out.append(new[position])
        done = f.end - 1
    out.append(body[done:])
    out.append(end)
    return "".join(out)


_NON_ASCII_ESCAPE = re.compile(r"\\u(?!00[0-7])[0-9a-fA-F]{4}")


def json_string_content(value: str, like: str) -> str:
    """`value` as the content of a JSON string literal, written the way `like` (another literal's
    content) writes non-ASCII characters: escaped (lower- or upper-case hex) or as they are."""
    escape = _NON_ASCII_ESCAPE.search(like)
    text = json.dumps(value, ensure_ascii=escape is not None)[1:-1]
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

    def items(self, lines: LineReader) -> Iterator[Item]:
        first_source = self.header is None
        header_line = None
        for line in lines:
            start_line = lines.line
            if header_line is None:
                header_line = start_line
                cells, end, raw = self._parse(line, lines, start_line)
                header = [value for value, _ in cells]
                header[0] = header[0].lstrip("\ufeff")
                self._check_header(header, lines.name, start_line)
                if first_source:
                    yield raw
                continue
            if line in ("\n", "\r\n"):
                yield line
                continue
            cells, end, raw = self._parse(line, lines, start_line)
            if len(cells) != len(self.header):
                raise InputError(lines.name, start_line, None,
                                 f"the record has {len(cells)} fields, the header has {len(self.header)}")
            fields = [Field(self.header[i], cells[i][0], index=i, quoted=cells[i][1]) for i in self.columns]
            yield Record(self.next_number(), lines.name, start_line, fields,
                         render=lambda new, cells=cells, end=end, fields=fields, raw=raw:
                         _render_csv(cells, end, fields, new, self.delimiter) if new else raw)

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
