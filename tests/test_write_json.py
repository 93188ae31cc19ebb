"""Report.write_json: the bytes of to_json() written to a binary file or a path a chunk at a
time; hostile files raise their own or a clear exception and leave the report as it was."""
import io
import os
import pathlib
import subprocess
import sys
import textwrap

import pytest
from hypothesis import HealthCheck, given, settings
from test_properties import texts

import norvane
from norvane import Config

NOTES = "연락처 010-1234-5678 메일 kim@example.com 주민번호 880101-1234568 금액 일억 원\n"
# Several chunks of JSON (a chunk is 256 KiB): about 1.3 MB.
LONG = NOTES * 1000


def expected(report):
    return report.to_json().encode("utf-8")


@settings(max_examples=120, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(texts)
def test_bytes_written_are_to_json_in_utf8_under_both_settings(text):
    for config in (Config(), Config.thorough()):
        report = norvane.detect(text, config)
        out = io.BytesIO()
        assert report.write_json(out) == len(expected(report))
        assert out.getvalue() == expected(report)


@pytest.mark.parametrize("text, findings, rejections", [
    ("", 0, 0),
    ("번호 880101-1234567", 1, 2),  # a resident number whose checksum fails, an account
    (LONG, 3000, 3000),
])
def test_empty_rejected_and_long_reports(text, findings, rejections):
    report = norvane.detect(text)
    assert (len(report.findings), len(report.rejections)) == (findings, rejections)
    out = io.BytesIO()
    assert report.write_json(out) == len(expected(report))
    assert out.getvalue() == expected(report)
    if not text:
        assert out.getvalue() == b'{"findings":[],"rejections":[],"normalized_text":""}'


def test_paths_raw_and_buffered_files(tmp_path):
    report = norvane.detect(LONG, Config.thorough())
    want = expected(report)
    for path in (str(tmp_path / "a.json"), tmp_path / "b.json", os.fsencode(tmp_path / "c.json")):
        assert report.write_json(path) == len(want)
        assert pathlib.Path(os.fsdecode(path)).read_bytes() == want
    # A path overwrites what the file held.
    (tmp_path / "d.json").write_bytes(b"x" * (len(want) + 10))
    assert report.write_json(tmp_path / "d.json") == len(want)
    assert (tmp_path / "d.json").read_bytes() == want
    for buffering in (0, -1):
        with open(tmp_path / "e.json", "wb", buffering=buffering) as f:
            f.write(b"[")
            assert report.write_json(f) == len(want)
            f.write(b"]")
        assert (tmp_path / "e.json").read_bytes() == b"[" + want + b"]"


class ShortWrites:
    """A raw file that takes at most `most` bytes a call, as a pipe or socket may."""

    def __init__(self, most):
        self.most, self.parts, self.sizes = most, [], []

    def write(self, data):
        taken = bytes(data[: self.most])
        self.parts.append(taken)
        self.sizes.append(len(data))
        return len(taken)


def test_short_writes_are_followed_by_the_rest():
    report = norvane.detect(LONG)
    for most in (1 << 20, 100_000, 7777):
        out = ShortWrites(most)
        assert report.write_json(out) == len(expected(report))
        assert b"".join(out.parts) == expected(report)
        # Chunks are bounded: the writer never hands over the whole document.
        assert max(out.sizes) < 400_000 < len(expected(report))
    small = norvane.detect(NOTES)
    out = ShortWrites(1)
    assert small.write_json(out) == len(expected(small))
    assert b"".join(out.parts) == expected(small)


class Returns:
    def __init__(self, result):
        self.result = result

    def write(self, data):
        return self.result(data) if callable(self.result) else self.result


@pytest.mark.parametrize("result, error, message", [
    ("12", TypeError, "write() returned 'str', not the number of bytes it took"),
    (1.0, TypeError, "write() returned 'float', not the number of bytes it took"),
    (True, TypeError, "write() returned 'bool', not the number of bytes it took"),
    (None, BlockingIOError, "write() returned None: the file took no bytes"),
    (0, OSError, "write() returned 0 for"),
    (-1, OSError, "write() returned -1 for"),
    (lambda data: len(data) + 1, OSError, "(it should take from 1 to"),
    (1 << 80, OSError, "write() returned 1208925819614629174706176 for"),
])
def test_a_write_that_returns_no_count_in_range_raises(result, error, message):
    report = norvane.detect(NOTES)
    with pytest.raises(error) as raised:
        report.write_json(Returns(result))
    assert message in str(raised.value)


def test_an_exception_from_write_propagates_and_the_report_is_unchanged():
    report = norvane.detect(LONG)
    before = report.to_json()
    calls = []

    class Fails:
        def write(self, data):
            calls.append(len(data))
            if len(calls) == 2:
                raise OSError(28, "No space left on device")
            return len(data)

    with pytest.raises(OSError, match="No space left on device"):
        report.write_json(Fails())
    assert len(calls) == 2
    assert report.to_json() == before
    out = io.BytesIO()
    assert report.write_json(out) == len(before.encode())
    assert out.getvalue() == before.encode()


def test_a_write_that_closes_its_file():
    report = norvane.detect(LONG)
    out = io.BytesIO()

    class Closes:
        def write(self, data):
            taken = out.write(data)
            out.close()
            return taken

    with pytest.raises(ValueError, match="closed file"):
        report.write_json(Closes())


def test_a_write_that_reenters_the_report():
    report = norvane.detect(LONG, Config.thorough())
    want = expected(report)
    parts = []

    class Reenters:
        def write(self, data):
            assert report.to_json().encode() == want
            inner = io.BytesIO()
            assert report.write_json(inner) == len(want)
            assert inner.getvalue() == want
            parts.append(bytes(data))
            return len(data)

    assert report.write_json(Reenters()) == len(want)
    assert b"".join(parts) == want
    assert len(parts) > 1


def test_bad_files_raise_clear_errors(tmp_path):
    report = norvane.detect(NOTES)
    not_a_file = "argument 'file': expected a binary file (an object with write) or a path"
    for bad, name in ((3, "int"), (None, "NoneType"), (True, "bool"), (2.5, "float"), ([], "list")):
        with pytest.raises(TypeError) as raised:
            report.write_json(bad)
        assert str(raised.value) == f"{not_a_file} (str or os.PathLike), not '{name}'"
    with open(tmp_path / "t.json", "w", encoding="utf-8") as text_file:
        for text in (text_file, io.StringIO()):
            with pytest.raises(TypeError, match="is a text file and write_json writes bytes"):
                report.write_json(text)
    assert (tmp_path / "t.json").read_bytes() == b""
    with pytest.raises(FileNotFoundError):
        report.write_json(tmp_path / "missing" / "r.json")
    assert not (tmp_path / "missing").exists()
    with pytest.raises(IsADirectoryError):
        report.write_json(tmp_path)
    with pytest.raises(TypeError, match="takes 1 positional argument but 2 were given"):
        report.write_json(io.BytesIO(), 1)
    with pytest.raises(TypeError, match="missing 1 required positional argument: 'file'"):
        report.write_json()


def test_a_write_that_is_not_callable_raises_its_type_error():
    class NotCallable:
        write = 3

    with pytest.raises(TypeError, match="'int' object is not callable"):
        norvane.detect(NOTES).write_json(NotCallable())


# A 10 MB phone-dense report written to /dev/null in a fresh process: its count is that of the
# same report written to a file, and the peak stays under that of detect plus a few chunks (the
# returned str of to_json alone would be 59x the input).
DENSE = textwrap.dedent(
    """
    import os, resource, sys, tempfile, norvane
    text = "연락처 010-1234-5678 " * (10_485_760 // 27)
    report = norvane.detect(text)
    size = len(text.encode())
    base = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    written = report.write_json(os.devnull)
    peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    with tempfile.TemporaryDirectory() as d:
        path = os.path.join(d, "r.json")
        again = report.write_json(path)
        with open(path, "rb") as f:
            head = f.read(14)
            f.seek(-200, os.SEEK_END)
            tail = f.read()
        file_size = os.path.getsize(path)
    print(len(report.findings), written, again, file_size, (peak - base) * 1024 / size, head, tail[-40:])
    """
)


def test_a_ten_megabyte_phone_dense_report_to_dev_null():
    out = subprocess.run([sys.executable, "-c", DENSE], capture_output=True, text=True, timeout=600)
    assert out.returncode == 0, out.stderr
    words = out.stdout.rstrip().split(maxsplit=5)
    findings, written, again, file_size = (int(w) for w in words[:4])
    growth = float(words[4])
    assert findings == 388_361
    assert written == again == file_size > 250_000_000
    assert words[5].startswith("b'{\"findings\":[{'")
    assert words[5].endswith(" 01012345678 \"}'")  # the normalized text ends the document
    # ru_maxrss had already reached detect's peak: writing adds its chunks, not the JSON.
    assert growth < 0.5, growth
