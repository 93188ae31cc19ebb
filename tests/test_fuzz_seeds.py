"""The fuzz seeds that carry a configuration header reach the code they were written for: the
targets skip an input whose text is not UTF-8, so a header one byte short or long makes a seed
that exercises nothing (fuzz/README.md describes the header)."""
import pathlib
import re

import pytest

CORPUS = pathlib.Path(__file__).resolve().parent.parent / "fuzz" / "corpus"
TARGETS_WITH_HEADERS = ("detect_fuzz", "mask_roundtrip_fuzz", "normalize_fuzz")


def seeds():
    for target in TARGETS_WITH_HEADERS:
        for path in sorted((CORPUS / target).iterdir()):
            data = path.read_bytes()
            if data[:1] in (b"\xfd", b"\xfe", b"\xff"):
                yield pytest.param(path, data, id=f"{target}/{path.name}")


@pytest.mark.parametrize("path,data", list(seeds()))
def test_a_headed_seed_has_utf8_text_after_its_header(path, data):
    header = {0xFD: 5, 0xFE: 4, 0xFF: 3}[data[0]]
    assert len(data) > header
    data[header:].decode("utf-8")  # raises on a seed the target would skip
    named = re.fullmatch(r"thorough_(?:.*_)?\d{2}_([0-9a-f]{2})", path.name)
    if named:  # thorough_..._NN_XX: XX is the families byte, after 0xFE and the configuration bytes
        assert data[0] == 0xFE and data[3] == int(named.group(1), 16)
    pinned = re.fullmatch(r"year_.*_(\d{4})_([0-9a-f]{2})", path.name)
    if pinned:  # year_..._YYYY_XX: a reference year YYYY (fifth byte 1 for 1900) and families XX
        assert (data[0], data[3], 1899 + data[4]) == (0xFD, int(pinned.group(2), 16), int(pinned.group(1)))


def test_every_target_with_headers_has_thorough_seeds():
    for target in TARGETS_WITH_HEADERS:
        assert any(p.name.startswith("thorough_") for p in (CORPUS / target).iterdir()), target
        assert any(p.name.startswith("year_") for p in (CORPUS / target).iterdir()), target
