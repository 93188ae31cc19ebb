"""Python-level fuzzing of the norvane module: its functions, constructors, methods and
attributes are called with random arguments of random types, and only the documented
exceptions may come out (TypeError, ValueError, OverflowError, RuntimeError, SpanMapError, and
OSError from a file object that `Report.write_json` was given). `write_json` never gets a path: the
harness writes into memory or into a file object whose `write` answers as the input says, so that
no input can create a file.
Any other exception, a crash of the interpreter or a result that breaks a basic invariant is
a finding.

With atheris installed (pip install '.[fuzz]'), libFuzzer drives the inputs:

    python fuzz/atheris_harness.py -max_total_time=600 [corpus_dir]

Without atheris, or with --random, a plain seeded random driver produces the inputs:

    python fuzz/atheris_harness.py --random [--seconds 60] [--seed 1]
"""
import io
import json
import os
import random
import sys
import time

import norvane
from norvane import (
    Config,
    Policy,
    PolicySet,
    RestoreMap,
    Span,
    SpanMap,
    SpanMapBuilder,
    SpanMapError,
)

ALLOWED = (TypeError, ValueError, OverflowError, RuntimeError, SpanMapError, OSError)

FRAGMENTS = [
    "주민번호 880101-1234568", "연락처 010-1234-5678", "카드 4111 1111 1111 1111", "a@b.cc", "M12345678",
    "팔팔공일공일", "이만오천원", "O1O-l234", "[[PII:0]]", "[[PII:", "\u1100\u1161\u11a8", "０１０－",
    "\x00", "\ud800", "\udfff", "😀", "\U0010ffff", "계좌번호 110-123-456789", "주문번호 ", "-", " ", "*",
]
INTS = [0, 1, -1, 2, 7, 12, 64, 65, 255, 256, 2**31 - 1, 2**31, 2**32 - 1, 2**32, 2**63 - 1, 2**63,
        2**64 - 1, 2**64, -(2**63), 10**30, True, False]
FLOATS = [0.0, -0.0, 0.5, -1.0, 1e-45, 3.4e38, 1e300, float("inf"), float("-inf"), float("nan")]
NAMES = norvane.entity_names() + ["RESIDENT", "", "phone ", "whitespace", "separator", "other", "space"]


class Source:
    """Draws choices from libFuzzer's bytes (atheris) or from a seeded random generator."""

    def __init__(self, fdp=None, rng=None):
        self.fdp, self.rng = fdp, rng

    def int(self, lo, hi):
        if self.fdp is not None:
            return self.fdp.ConsumeIntInRange(lo, hi)
        return self.rng.randint(lo, hi)

    def pick(self, seq):
        return seq[self.int(0, len(seq) - 1)]

    def chance(self, n):
        return self.int(0, n - 1) == 0

    def text(self):
        kind = self.int(0, 3)
        if kind == 0:
            return "".join(self.pick(FRAGMENTS) for _ in range(self.int(0, 4)))
        n = self.int(0, 24)
        if self.fdp is not None:
            s = self.fdp.ConsumeUnicode(n)
        elif kind == 1:
            s = "".join(chr(self.int(0, 0x10FFFF)) for _ in range(n))
        else:
            s = "".join(chr(self.int(0x20, 0xD7A3)) if self.chance(3) else self.pick("0123456789-. @IlOoX*가일십")
                        for _ in range(n))
        return s if kind != 3 else s + self.pick(FRAGMENTS)

    def bytes(self):
        n = self.int(0, 80)
        if self.fdp is not None:
            return self.fdp.ConsumeBytes(n)
        return bytes(self.int(0, 255) for _ in range(n))


class Evil:
    """A number whose conversion runs code: it may raise, or change a live object meanwhile."""

    def __init__(self, src, pool):
        self.src, self.pool, self.mode = src, pool, src.int(0, 3)

    def _act(self):
        if self.mode == 0:
            raise ValueError("evil conversion")
        if self.mode == 1 and self.pool:
            poke(self.src, self.pool)
        return self.src.pick(INTS[:8])

    def __index__(self):
        return int(self._act())

    def __float__(self):
        return float(self._act())


def value(src, pool, depth=0):
    k = src.int(0, 15)
    if k <= 3:
        return src.text()
    if k == 4:
        return src.pick(INTS)
    if k == 5:
        return src.pick(FLOATS)
    if k == 6:
        return src.pick(NAMES)
    if k == 7:
        return None
    if k == 8:
        b = src.bytes()
        return src.pick([b, bytearray(b), list(b), tuple(b), b.decode("latin-1")])
    if k == 9 and pool:
        return src.pick(pool)
    if k == 10:
        return make(src, pool)
    if k == 11:
        return Evil(src, pool)
    if k == 12 and depth < 2:
        return [value(src, pool, depth + 1) for _ in range(src.int(0, 3))]
    if k == 13:
        return src.pick([object(), Span, norvane, {}, {"a": 1}, (1, 2), 1j, Ellipsis, b"", json])
    if k == 14:
        return src.pick([[1, 2, 300], [-1], [0] * 70, list(range(256)), [1.5], ["a"]])
    return src.pick(INTS[:6])


def make(src, pool):
    """A valid object of one of the module's classes."""
    k = src.int(0, 9)
    t = src.pick(FRAGMENTS[:10])
    if k == 0:
        return Span(src.int(0, 40), src.int(0, 40), src.int(0, 40), src.int(0, 40))
    if k == 1:
        return norvane.normalize(t)
    if k == 2:
        return norvane.detect(t)
    if k == 3:
        return norvane.mask(t, PolicySet(Policy.tokenize()))
    if k == 4:
        return SpanMapBuilder()
    if k == 5:
        return Config()
    if k == 6:
        return src.pick([Policy.tokenize(), Policy.redact_label(), Policy.hash(b"k"), Policy.partial(1, 2)])
    if k == 7:
        return PolicySet(src.pick([None, Policy.tokenize(), Policy.redact_code()]))
    if k == 8:
        return SpanMap.identity(t)
    return norvane.mask(t, PolicySet(Policy.tokenize())).restore


def callables(obj):
    names = [n for n in dir(obj) if not n.startswith("__")]
    return names + [n for n in ("__repr__", "__len__", "__eq__", "__ne__", "__lt__", "__hash__") if hasattr(obj, n)]


MODULE_CALLS = [
    norvane.normalize, norvane.detect, norvane.mask, norvane.unmask, norvane.entity_names,
    Span, Span.from_char_range, SpanMap.identity, SpanMap.compose, SpanMapBuilder, Config,
    Policy.redact_label, Policy.redact_code, Policy.redact_fill, Policy.redact_fixed, Policy.partial,
    Policy.hash, Policy.tokenize, PolicySet, RestoreMap.from_json,
    norvane.Segment, norvane.Report, norvane.Finding, norvane.RestoreEntry, norvane.MaskOutput,
]
KEYWORDS = ["text", "config", "policies", "masked", "restore", "default", "entity", "policy", "fill",
            "keep_prefix", "keep_suffix", "key", "length", "src_text", "dst_text", "rule", "class_", "char_start",
            "char_end", "inner", "outer", "dst", "normalized", "value", "context", "checksum_passed", "bogus"]


# Parameter kinds of the functions and methods, by name, so that half of the calls get
# arguments of about the right types and reach the core.
SIGNATURES = {
    "normalize": "tc", "detect": "tc", "mask": "tpc", "unmask": "tr", "Span": "iiii",
    "from_char_range": "tii", "identity": "t", "compose": "mm", "SpanMapBuilder": "t", "redact_fill": "h",
    "redact_fixed": "t", "partial": "iih", "hash": "ki", "PolicySet": "o", "from_json": "j",
    "policy_for": "e", "with_entity": "eo", "keep": "t", "replace": "ttn", "numeral": "ttn", "absorb": "tnl",
    "to_source": "s", "to_source_from_chars": "tii", "slice": "t", "text": "t", "set_weights": "fffffff",
    "write_json": "w",
}


class AnsweringFile:
    """A binary file whose write answers with a value the input chose (a count too short, too
    long, of the wrong type, or an exception), whatever it is given."""

    def __init__(self, answer):
        self.answer = answer

    def write(self, data):
        if isinstance(self.answer, BaseException):
            raise self.answer
        return self.answer


def file_for_writing(src, pool):
    if src.chance(2):
        return io.BytesIO()
    return AnsweringFile(src.pick([ValueError("full"), OSError("disk"), None, 0, -1, 1, 2**40, "3", 1.5])
                         if src.chance(2) else value(src, pool))


def no_paths(a, kw, src, pool):
    """Arguments for write_json with every path-like value replaced by a file in memory."""
    paths = (str, bytes, os.PathLike)
    a = [file_for_writing(src, pool) if isinstance(x, paths) else x for x in a]
    kw = {k: file_for_writing(src, pool) if isinstance(x, paths) else x for k, x in kw.items()}
    return a, kw


def typed(src, pool, kind):
    if kind == "t":
        return src.text()
    if kind == "c":
        c = Config()
        if src.chance(2):
            c.context_window = src.pick([0, 1, 24, 2**32 - 1])
            c.min_score = src.pick(FLOATS)
            c.hangul = src.chance(2)
        return src.pick([None, c])
    if kind == "p":
        return src.pick([None, PolicySet(Policy.tokenize()), PolicySet().with_entity("phone", Policy.hash(b""))])
    if kind == "r":
        return norvane.mask(src.pick(FRAGMENTS), PolicySet(Policy.tokenize())).restore
    if kind == "i":
        return src.pick(INTS) if src.chance(3) else src.int(0, 40)
    if kind == "h":
        return src.pick(["*", "가", "😀", "", "ab", "\ud800"])
    if kind == "k":
        return src.bytes()
    if kind == "o":
        return make(src, pool) if src.chance(3) else Policy.tokenize()
    if kind == "e":
        return src.pick(NAMES)
    if kind == "m":
        return SpanMap.identity(src.pick(FRAGMENTS)) if src.chance(2) else norvane.normalize(src.text()).map
    if kind == "n":
        return src.pick(["fold.dash", "test.rule", "", "x\x00y"])
    if kind == "l":
        return src.pick(["whitespace", "separator", "other", "space"])
    if kind == "s":
        return Span(src.int(0, 60), src.int(0, 60), src.int(0, 60), src.int(0, 60))
    if kind == "j":
        m = norvane.mask(src.text(), PolicySet(Policy.tokenize())).restore.to_json()
        return m if src.chance(2) else m[: src.int(0, len(m))] + src.text()
    if kind == "f":
        return src.pick(FLOATS + [None, None, None])
    if kind == "w":
        return file_for_writing(src, pool)
    return value(src, pool)


def args(src, pool, name=None):
    a, kw = random_args(src, pool, name)
    return no_paths(a, kw, src, pool) if name == "write_json" else (a, kw)


def random_args(src, pool, name):
    sig = SIGNATURES.get(name)
    if sig is not None and src.chance(2):
        a = [typed(src, pool, k) if not src.chance(8) else value(src, pool) for k in sig]
        del a[src.int(0, len(a)) if src.chance(6) else len(a):]
        return a, {}
    a = [value(src, pool) for _ in range(src.int(0, 4))]
    kw = {}
    if src.chance(4):
        kw[src.pick(KEYWORDS)] = value(src, pool)
    return a, kw


def check_result(r):
    """Results must be usable: repr, JSON where offered, spans within what they describe."""
    repr(r)
    if hasattr(r, "to_json"):
        json.loads(r.to_json())
    if isinstance(r, norvane.Normalized):
        r.map.validate()
    if isinstance(r, norvane.Report):
        for f in r.findings:
            f.source.byte_len
            f.evidence.context_hits
            r.normalized_text.encode()
    if isinstance(r, norvane.MaskOutput) and r.restore is not None:
        r.restore.entries
    if isinstance(r, (list, tuple)):
        for x in r:
            repr(x)


def poke(src, pool):
    """One call on a live object: a method, an attribute read or an attribute write."""
    obj = src.pick(pool)
    name = src.pick(callables(obj))
    if src.chance(4) and isinstance(obj, Config):
        setattr(obj, src.pick(["min_score", "min_context", "min_veto", "context_window", "nfc", "fold",
                               "separator", "numeral_min_digits_with_context",
                               "numeral_min_digits_without_context"]), value(src, pool))
        return None
    attr = getattr(obj, name)
    if not callable(attr):
        return attr
    a, kw = args(src, pool, name)
    return attr(*a, **kw)


def one_round(src, pool):
    try:
        if pool and src.chance(2):
            r = poke(src, pool)
        else:
            fn = src.pick(MODULE_CALLS)
            a, kw = args(src, pool, fn.__name__)
            r = fn(*a, **kw)
        if r is not None and r is not NotImplemented:
            check_result(r)
            # Only the module's own objects go on to be called; plain lists and strings would
            # raise their own (undocumented here) errors.
            for x in r if isinstance(r, (list, tuple)) else (r,):
                if type(x).__module__ == "norvane":
                    if len(pool) < 48:
                        pool.append(x)
                    else:
                        pool[src.int(0, len(pool) - 1)] = x
    except ALLOWED:
        pass


def run_atheris(argv):
    import atheris

    def test_one(data):
        # A fresh pool per input, so that every finding replays from its input alone.
        fdp = atheris.FuzzedDataProvider(data)
        src = Source(fdp=fdp)
        pool = []
        for _ in range(12):
            if fdp.remaining_bytes() == 0:
                break
            one_round(src, pool)

    # The module is native and carries no coverage of its own (unless built with clang's
    # -fsanitize=fuzzer-no-link); the harness's own branches steer libFuzzer meanwhile.
    atheris.instrument_all()
    atheris.Setup(argv, test_one)
    atheris.Fuzz()


def run_random(seconds, seed):
    rng = random.Random(seed)
    src = Source(rng=rng)
    pool = []
    rounds = 0
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for _ in range(200):
            one_round(src, pool)
            rounds += 1
    print(f"random driver: {rounds} calls, seed {seed}, no unexpected exception")


def main():
    argv = sys.argv
    if "--random" in argv or not _have_atheris():
        seconds = float(_option(argv, "--seconds", "60"))
        seed = int(_option(argv, "--seed", str(int.from_bytes(os.urandom(4), "little"))))
        run_random(seconds, seed)
    else:
        run_atheris(argv)


def _have_atheris():
    try:
        import atheris  # noqa: F401
    except ImportError:
        return False
    return True


def _option(argv, name, default):
    return argv[argv.index(name) + 1] if name in argv else default


if __name__ == "__main__":
    main()
