"""The `norvane` command line: mask, detect and unmask text, JSON Lines and CSV/TSV files.

Input is read record by record and handled in chunks, so a file of any size goes through in a
bounded amount of memory (except plain text without --lines, whose whole input is one record).
Output goes to a temporary file beside its destination and is renamed into place only when the
run succeeded. Exit status: 0 success (for detect: nothing found), 1 detect found something,
2 bad usage or bad input (the message says file, line and column).
"""

from __future__ import annotations

import argparse
import io
import json
import os
import struct
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor
from typing import Callable, Dict, Iterator, List, Optional, Sequence, Tuple, Union

import norvane

from ._batch import detect_texts, mask_texts
from ._policytext import POLICY_FORMS, PolicyTextError, parse_override, parse_policy
from ._records import (FORMATS, Chunk, Field, InputError, LineReader, RawText, Record, Run, Source, check_encoding,
                       format_for, make_reader)
from ._tokens import RUN_PREFIX, TokenError, TokenNumbering, tokenized_kinds

EXIT_OK, EXIT_FOUND, EXIT_ERROR = 0, 1, 2
DEFAULT_KEY_VARIABLE = "NORVANE_HASH_KEY"


class UsageError(Exception):
    """A problem with the options (not with the input)."""


# --------------------------------------------------------------------------------------------
# Options.


def _common_input_options(parser: argparse.ArgumentParser, files: bool = True) -> None:
    if files:
        parser.add_argument("files", nargs="*", metavar="FILE",
                            help="input files, read in order as one stream; '-' or none: standard input")
    parser.add_argument("-o", "--output", metavar="OUT", help="output file (default: standard output)")
    parser.add_argument("--format", choices=FORMATS,
                        help="input format (default: from the file name: .jsonl/.ndjson, .csv, .tsv; else text)")
    parser.add_argument("--lines", action="store_true", help="text: each line is a record (default: the whole input)")
    parser.add_argument("--encoding", default="utf-8", help="input and output encoding, e.g. utf-8, cp949, euc-kr")
    parser.add_argument("--errors", choices=("strict", "replace", "ignore"), default="strict",
                        help="what to do with bytes the encoding cannot decode (default: strict, an error)")


def _selection_options(parser: argparse.ArgumentParser) -> None:
    parser.add_argument("--field", action="append", default=[], metavar="NAME",
                        help="jsonl: a top-level string field to look at (repeatable)")
    parser.add_argument("--column", action="append", default=[], metavar="NAME",
                        help="csv/tsv: a column to look at, by its header name (repeatable)")
    parser.add_argument("--jobs", type=int, default=1, metavar="N",
                        help="threads of the library's batch functions (default 1)")
    parser.add_argument("--thorough", action="store_true",
                        help="detect with Config.thorough(): more cue readings and shapes, for finding more")


def build_parser(prog: str = "norvane") -> argparse.ArgumentParser:
    parser = argparse.ArgumentParser(
        prog=prog, description="Find and mask Korean personal information in files.", allow_abbrev=False)
    parser.add_argument("--version", action="version", version=f"norvane {norvane.__version__}")
    commands = parser.add_subparsers(dest="command", required=True, metavar="COMMAND")

    mask = commands.add_parser("mask", allow_abbrev=False, help="mask personal information",
                               description="Mask personal information; output has the input's format.")
    _common_input_options(mask)
    _selection_options(mask)
    mask.add_argument("--default", default="label", metavar="POLICY",
                      help=f"policy for every kind without --policy (default: label); one of {POLICY_FORMS}")
    mask.add_argument("--policy", action="append", default=[], metavar="KIND=POLICY",
                      help="policy for one kind, e.g. phone=partial:3:4 (repeatable)")
    mask.add_argument("--hash-key-env", default=DEFAULT_KEY_VARIABLE, metavar="VAR",
                      help=f"environment variable holding the hash key (default {DEFAULT_KEY_VARIABLE})")
    mask.add_argument("--hash-key-file", metavar="FILE",
                      help="file holding the hash key (its bytes; one final newline is dropped)")
    mask.add_argument("--restore-out", metavar="FILE",
                      help="write restore maps here: one JSON line per record with tokens")
    mask.add_argument("--one-map", action="store_true", help="with --restore-out: one restore map for the whole run")
    mask.add_argument("--report-out", metavar="FILE", help="write the masked findings here as JSON Lines")

    detect = commands.add_parser("detect", allow_abbrev=False, help="report personal information as JSON Lines",
                                 description="Report findings as JSON Lines; exit 1 when anything was found.")
    _common_input_options(detect)
    _selection_options(detect)

    unmask = commands.add_parser("unmask", allow_abbrev=False, help="put tokenized values back",
                                 description="Undo the tokens of a masked file with its restore maps.")
    unmask.add_argument("masked", metavar="MASKED", help="the masked file ('-': standard input)")
    unmask.add_argument("--restore", required=True, metavar="RESTORE", help="the restore maps written by mask")
    _common_input_options(unmask, files=False)
    return parser


# --------------------------------------------------------------------------------------------
# Output: a temporary file renamed into place on success.


class Output:
    """A text output in `encoding`, written to a temporary file and renamed by `commit`."""

    def __init__(self, path: Optional[str], encoding: str = "utf-8", private: bool = False):
        self.path = path
        self.encoding = encoding
        self._temp: Optional[str] = None
        if path is None or path == "-":
            self._stream = sys.stdout.buffer
            return
        directory = os.path.dirname(os.path.abspath(path))
        fd, self._temp = tempfile.mkstemp(prefix="." + os.path.basename(path) + ".", suffix=".tmp", dir=directory)
        if not private:   # restore maps hold personal information: they keep mkstemp's 0600
            umask = os.umask(0)
            os.umask(umask)
            os.fchmod(fd, 0o666 & ~umask)
        self._stream = io.BufferedWriter(io.FileIO(fd, "wb"), buffer_size=1 << 20)

    def write(self, text: str, where: Optional[Record] = None) -> None:
        try:
            data = text.encode(self.encoding)
        except UnicodeEncodeError as err:
            place = (where.file, where.line) if where else (self.path or "<stdout>", None)
            raise InputError(place[0], place[1], None,
                             f"the output cannot hold {err.object[err.start:err.end]!r} in {self.encoding}")
        self._stream.write(data)

    def write_chunk(self, text: str, items: Callable[[], List[Tuple[str, Optional[Record]]]]) -> None:
        """Writes a chunk's text in one go; when it cannot be encoded, `items` (the same text item
        by item, with their records) says which record is at fault."""
        try:
            data = text.encode(self.encoding)
        except UnicodeEncodeError:
            for piece, record in items():
                self.write(piece, record)
            return
        self._stream.write(data)

    def commit(self) -> None:
        self._stream.flush()
        if self._temp is not None:
            self._stream.close()
            os.replace(self._temp, self.path)
            self._temp = None

    def abort(self) -> None:
        if self._temp is not None:
            self._stream.close()
            os.unlink(self._temp)
            self._temp = None


class Outputs:
    """Every output of a run: all are renamed into place together, or all are removed."""

    def __init__(self):
        self._all: List[Output] = []

    def open(self, path: Optional[str], encoding: str = "utf-8", private: bool = False) -> Output:
        out = Output(path, encoding, private)
        self._all.append(out)
        return out

    def __enter__(self) -> "Outputs":
        return self

    def __exit__(self, kind, value, trace) -> None:
        if kind is None:
            for out in self._all:
                out.commit()
        else:
            for out in self._all:
                out.abort()


# --------------------------------------------------------------------------------------------
# Progress on standard error, only when it is a terminal.


class Progress:
    def __init__(self, paths: Sequence[str], label: str):
        self._bar = None
        if not sys.stderr.isatty():
            return
        try:
            from tqdm import tqdm
        except ImportError:
            return
        sizes = [os.path.getsize(p) if p != "-" and os.path.isfile(p) else None for p in paths]
        total = None if None in sizes else sum(sizes)
        self._bar = tqdm(total=total, unit="B", unit_scale=True, desc=label, file=sys.stderr, leave=False)

    def advance(self, count: int) -> None:
        if self._bar is not None:
            self._bar.update(count)

    def close(self) -> None:
        if self._bar is not None:
            self._bar.close()


# --------------------------------------------------------------------------------------------
# Reading records in chunks.


def _open_sources(paths: Sequence[str]) -> Iterator[Source]:
    for path in paths:
        if path == "-":
            yield Source("<stdin>", sys.stdin.buffer)
            continue
        try:
            stream = open(path, "rb")
        except OSError as err:
            raise InputError(path, None, None, f"cannot open: {err.strerror}")
        with stream:
            yield Source(path, stream)


def read_chunks(paths: Sequence[str], reader, encoding: str, errors: str, progress: Progress) -> Iterator[Chunk]:
    """The records of every input in order, in chunks of bounded size."""
    return reader.chunks(LineReader(source, encoding, errors, progress.advance) for source in _open_sources(paths))


# --------------------------------------------------------------------------------------------
# Calling the library over many texts.


class Engine:
    """Runs mask/detect over the texts of each chunk through the batch functions, on `jobs`
    threads. With more than one, the library works on a chunk on its own thread (it runs without
    Python's lock) while the next chunk is read, and the one before written."""

    def __init__(self, jobs: int):
        if jobs < 1:
            raise UsageError("--jobs must be at least 1")
        self.jobs = jobs

    def mask(self, texts: List[str], policies, config) -> list:
        return mask_texts(texts, policies, config, self.jobs)

    def detect(self, texts: List[str], config) -> list:
        return detect_texts(texts, config, self.jobs)

    def over(self, chunks: Iterator[Chunk], work: Callable[[List[str]], list]) -> Iterator[Tuple[Chunk, list]]:
        """(chunk, work(chunk.texts)) of every chunk, in order. Errors come in the order of a
        run on one thread: a chunk read before a bad one is finished first."""
        if self.jobs == 1:
            for chunk in chunks:
                yield chunk, _work_on(chunk, work)
            return
        with ThreadPoolExecutor(max_workers=1) as pool:
            pending = None
            try:
                for chunk in chunks:
                    submitted = (chunk, pool.submit(_work_on, chunk, work))
                    if pending is not None:
                        yield pending[0], pending[1].result()
                    pending = submitted
            except Exception:
                if pending is not None:
                    yield pending[0], pending[1].result()
                raise
            if pending is not None:
                yield pending[0], pending[1].result()


def _work_on(chunk: Chunk, work: Callable[[List[str]], list]) -> list:
    try:
        return work(chunk.texts)
    except UnicodeEncodeError as err:
        # Only a JSON escape can give a text half of a surrogate pair: say where it is.
        for position, text in enumerate(chunk.texts):
            try:
                text.encode("utf-8")
            except UnicodeEncodeError as bad:
                first, record = next(chunk.records([position]))
                field = record.fields[position - first]
                where = f"field {field.name!r}: " if field.name is not None else ""
                raise InputError(record.file, record.line, None, where + "the text holds an unpaired surrogate "
                                 f"{bad.object[bad.start:bad.end]!r} (a \\uD800-\\uDFFF escape without its pair)") from err
        raise


_SCORES: Dict[float, float] = {}


def _score(value: float) -> float:
    """The shortest decimal that reads back to the same 32-bit float."""
    short = _SCORES.get(value)
    if short is not None:
        return short
    short = value
    for digits in range(1, 10):
        candidate = float(f"{value:.{digits}g}")
        if struct.unpack("f", struct.pack("f", candidate))[0] == value:
            short = candidate
            break
    if len(_SCORES) < 4096:
        _SCORES[value] = short
    return short


def finding_line(record: Record, field: Field, finding) -> dict:
    """The JSON object that reports one finding."""
    src = finding.source
    line = {"file": record.file, "record": record.number, "line": record.line}
    if field.name is not None:
        line["field"] = field.name
    elif record.line == 1 and "\n" in field.value[:src.char_start]:   # whole text: the finding's own line
        before = field.value[:src.char_start]
        line["line"] = before.count("\n") + 1
        line["column"] = src.char_start - before.rfind("\n")
    else:
        line["column"] = src.char_start + 1
    line.update(entity=finding.entity, start=src.char_start, end=src.char_end,
                byte_start=src.byte_start, byte_end=src.byte_end, score=_score(finding.score),
                certainty=finding.certainty, rule=finding.evidence.rule)
    return line


_LINE_ENCODER = json.JSONEncoder(ensure_ascii=False, separators=(",", ":"))


def _json_line(value) -> str:
    return _LINE_ENCODER.encode(value) + "\n"


# --------------------------------------------------------------------------------------------
# The commands.


def _input_format(args, paths: Sequence[str]) -> str:
    if args.format:
        return args.format
    named = [p for p in paths if p != "-"]
    return format_for(named[0]) if named else "text"


def _reader(args, fmt: str, names: Optional[List[str]]):
    if fmt != "text" and args.lines:
        raise UsageError("--lines applies to the text format only")
    return make_reader(fmt, names, whole=not args.lines)


def _selected_names(args, fmt: str) -> List[str]:
    if fmt == "jsonl":
        if args.column:
            raise UsageError("--column applies to csv/tsv; jsonl takes --field")
        if not args.field:
            raise UsageError("jsonl input needs at least one --field NAME")
        return args.field
    if fmt in ("csv", "tsv"):
        if args.field:
            raise UsageError("--field applies to jsonl; csv/tsv take --column")
        if not args.column:
            raise UsageError(f"{fmt} input needs at least one --column NAME")
        return args.column
    if args.field or args.column:
        raise UsageError("--field and --column apply to jsonl and csv/tsv input, not text")
    return []


def _encoding(args) -> str:
    try:
        return check_encoding(args.encoding)
    except LookupError:
        raise UsageError(f"unknown encoding {args.encoding!r}")


def _config(args) -> norvane.Config:
    if args.thorough:
        return norvane.Config.thorough()
    return norvane.Config()


def _hash_key_loader(args) -> Callable[[], bytes]:
    def load() -> bytes:
        if args.hash_key_file:
            try:
                with open(args.hash_key_file, "rb") as stream:
                    key = stream.read()
            except OSError as err:
                raise UsageError(f"--hash-key-file {args.hash_key_file}: cannot read: {err.strerror}")
            key = key[:-2] if key.endswith(b"\r\n") else key[:-1] if key.endswith(b"\n") else key
            if not key:
                raise UsageError(f"--hash-key-file {args.hash_key_file} is empty")
            return key
        value = os.environ.get(args.hash_key_env)
        if not value:
            raise UsageError(f"the hash policy needs a key: set the environment variable {args.hash_key_env} "
                             "or give --hash-key-file FILE")
        return os.fsencode(value)
    return load


def build_policies(args) -> norvane.PolicySet:
    key = _hash_key_loader(args)
    default, _ = parse_policy(args.default, key, "--default")
    policies = norvane.PolicySet(default)
    for text in args.policy:
        kind, policy, _ = parse_override(text, key)
        policies = policies.with_entity(kind, policy)
    return policies


def run_mask(args) -> int:
    paths = args.files or ["-"]
    fmt = _input_format(args, paths)
    reader = _reader(args, fmt, _selected_names(args, fmt))
    encoding = _encoding(args)
    if args.one_map and not args.restore_out:
        raise UsageError("--one-map needs --restore-out FILE")
    policies = build_policies(args)
    config = _config(args)
    numbering = TokenNumbering(args.one_map, tokenized_kinds(policies))
    engine = Engine(args.jobs)
    progress = Progress(paths, "mask")
    try:
        with Outputs() as outputs:
            out = outputs.open(args.output, encoding)
            restore = outputs.open(args.restore_out, private=True) if args.restore_out else None
            report = outputs.open(args.report_out) if args.report_out else None
            first_entry = True
            if restore is not None and args.one_map:
                restore.write('{"prefix":"%s","entries":[' % RUN_PREFIX)
            chunks = read_chunks(paths, reader, encoding, args.errors, progress)
            for chunk, masked in engine.over(chunks, lambda texts: engine.mask(texts, policies, config)):
                texts = chunk.texts
                new = {}
                restore_lines: List[str] = []
                report_lines: List[str] = []
                if not numbering.tokenized and report is None:   # the masked texts are all it takes
                    for position, (text, result) in enumerate(zip(texts, masked)):
                        masked_text = result.text
                        if masked_text != text:
                            new[position] = masked_text
                else:
                    found = []
                    for position, (text, result) in enumerate(zip(texts, masked)):
                        if result.applied:
                            found.append(position)
                            if result.text != text:
                                new[position] = result.text
                    for first, record in chunk.records(found):
                        results = masked[first:first + len(record.fields)]
                        try:
                            new_texts, prefix, entries = numbering.apply(record.fields, results, record.number)
                        except TokenError as err:
                            raise InputError(record.file, record.line, None, str(err))
                        for k, (field, text) in enumerate(zip(record.fields, new_texts)):
                            if text != field.value:
                                new[first + k] = text
                            else:
                                new.pop(first + k, None)
                        if restore is not None and entries:
                            if args.one_map:
                                for entry in entries:
                                    restore_lines.append(("" if first_entry else ",") + _json_line(entry)[:-1])
                                    first_entry = False
                            else:
                                restore_lines.append(_json_line({"record": record.number, "prefix": prefix,
                                                                 "entries": entries}))
                        if report is not None:
                            for field, result in zip(record.fields, results):
                                for finding in result.applied:
                                    report_lines.append(_json_line(finding_line(record, field, finding)))
                out.write_chunk(chunk.render(new), lambda: chunk.items(new))
                if restore_lines:
                    restore.write("".join(restore_lines))
                if report_lines:
                    report.write("".join(report_lines))
            if restore is not None and args.one_map:
                restore.write("]}\n")
    finally:
        progress.close()
    return EXIT_OK


def run_detect(args) -> int:
    paths = args.files or ["-"]
    fmt = _input_format(args, paths)
    reader = _reader(args, fmt, _selected_names(args, fmt))
    encoding = _encoding(args)
    config = _config(args)
    engine = Engine(args.jobs)
    progress = Progress(paths, "detect")
    found = 0
    try:
        with Outputs() as outputs:
            out = outputs.open(args.output)
            chunks = read_chunks(paths, reader, encoding, args.errors, progress)
            for chunk, reports in engine.over(chunks, lambda texts: engine.detect(texts, config)):
                lines: List[str] = []
                hits = [position for position, report in enumerate(reports) if report.findings]
                for first, record in chunk.records(hits):
                    for field, report in zip(record.fields, reports[first:first + len(record.fields)]):
                        for finding in report.findings:
                            lines.append(_json_line(finding_line(record, field, finding)))
                found += len(lines)
                if lines:
                    out.write("".join(lines))
    finally:
        progress.close()
    return EXIT_FOUND if found else EXIT_OK


class RestoreMaps:
    """The restore maps of a masked file: one JSON line per record, or one map for the run."""

    def __init__(self, path: str, raw: bool):
        self.path = path
        self.raw = raw      # JSONL: tokens are put back as the values were written in the file
        try:
            self._stream = open(path, "r", encoding="utf-8")
        except OSError as err:
            raise InputError(path, None, None, f"cannot open: {err.strerror}")
        self._line = 0
        first = self._stream.readline()
        document = self._parse(first.rstrip("\r\n"), 1) if first.strip() else {}
        if "record" in document:
            self._pending: Optional[dict] = document
            self._pending_line = 1
            self._line = 1
            self.one_map = None
        else:
            text = first + self._stream.read()
            document = self._parse(text, 1)
            self.one_map = self._maps(document, 1)
            self.one_map_fields: Dict[int, set] = {}
            for entry in document.get("entries", []):
                self.one_map_fields.setdefault(entry.get("record"), set()).add(entry.get("field"))

    def _parse(self, text: str, line: int) -> dict:
        try:
            document = json.loads(text)
        except json.JSONDecodeError as err:
            raise InputError(self.path, line + err.lineno - 1, err.colno, err.msg)
        if not isinstance(document, dict):
            raise InputError(self.path, line, 1, "a restore map must be a JSON object")
        return document

    def _maps(self, document: dict, line: int):
        try:
            plain = norvane.RestoreMap.from_json(json.dumps(document, ensure_ascii=False))
            if not self.raw:
                return plain
            raw = dict(document, entries=[dict(e, original=e.get("raw", e.get("original")))
                                          for e in document.get("entries", []) if isinstance(e, dict)])
            return norvane.RestoreMap.from_json(json.dumps(raw, ensure_ascii=False))
        except ValueError as err:
            raise InputError(self.path, line, None, str(err))

    def for_record(self, number: int):
        """(restore map, field names) for record `number`, or None when it has no tokens."""
        if self.one_map is not None:
            fields = self.one_map_fields.get(number)
            return (self.one_map, fields) if fields else None
        while self._pending is None:
            text = self._stream.readline()
            if not text:
                return None
            self._line += 1
            if text.strip():
                self._pending, self._pending_line = self._parse(text.rstrip("\r\n"), self._line), self._line
        record = self._pending.get("record")
        if not isinstance(record, int) or record < number:
            raise InputError(self.path, self._pending_line, None,
                             f"record {record!r} is not in the masked input (or the maps are out of order)")
        if record > number:
            return None
        document, self._pending = self._pending, None
        fields = {e.get("field") for e in document.get("entries", []) if isinstance(e, dict)}
        return self._maps(document, self._pending_line), fields

    def finish(self) -> None:
        """Fails when maps are left over for records the masked input does not have."""
        if self.one_map is None:
            self.for_record(1 << 62)   # any map still unread names a record past the end
        self._stream.close()


def _records_and_text(chunk: Chunk) -> Iterator[Union[Record, str]]:
    """Each record of the chunk, and the text that passes through between them."""
    for unit in chunk.units:
        if isinstance(unit, Run):
            yield from (record for _, record in unit.items({}))
        else:
            yield unit


def run_unmask(args) -> int:
    fmt = _input_format(args, [args.masked])
    reader = _reader(args, fmt, None)
    encoding = _encoding(args)
    maps = RestoreMaps(args.restore, raw=fmt == "jsonl")
    progress = Progress([args.masked], "unmask")
    try:
        with Outputs() as outputs:
            out = outputs.open(args.output, encoding)
            for chunk in read_chunks([args.masked], reader, encoding, args.errors, progress):
                written: List[Tuple[str, Optional[Record]]] = []
                for item in _records_and_text(chunk):
                    if isinstance(item, str):
                        written.append((item, None))
                        continue
                    found = maps.for_record(item.number)
                    new = {}
                    if found is not None:
                        restore, names = found
                        for i, field in enumerate(item.fields):
                            if field.name not in names:
                                continue
                            before = field.raw if fmt == "jsonl" else field.value
                            try:
                                after = norvane.unmask(before, restore)
                            except norvane.SpanMapError as err:
                                where = f"field {field.name!r}: " if field.name is not None else ""
                                raise InputError(item.file, item.line, None, where + str(err))
                            if after != before:
                                new[i] = RawText(after, after) if fmt == "jsonl" else after
                    written.append((item.render(new), item))
                out.write_chunk("".join(text for text, _ in written), lambda: written)
            maps.finish()
    finally:
        progress.close()
    return EXIT_OK


COMMANDS = {"mask": run_mask, "detect": run_detect, "unmask": run_unmask}


def main(argv: Optional[Sequence[str]] = None, prog: str = "norvane") -> int:
    parser = build_parser(prog)
    args = parser.parse_args(argv)
    try:
        return COMMANDS[args.command](args)
    except (UsageError, PolicyTextError) as err:
        print(f"norvane {args.command}: {err}", file=sys.stderr)
        return EXIT_ERROR
    except InputError as err:
        print(f"norvane {args.command}: {err}", file=sys.stderr)
        return EXIT_ERROR
    except BrokenPipeError:
        # The reader went away (e.g. `| head`): stop quietly, as other filters do.
        sys.stderr.close()
        return EXIT_ERROR
    except KeyboardInterrupt:
        return 130


if __name__ == "__main__":
    sys.exit(main())
