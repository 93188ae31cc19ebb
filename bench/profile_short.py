"""Calls detect or mask many times on the short phone sentence, or mask_many once on short
texts (a list, or an Arrow column with `arrow`; `loop` calls mask on each of the same texts),
for callgrind to count the fixed cost per call:

    valgrind --tool=callgrind --toggle-collect='norvane::detect(*' python bench/profile_short.py detect 1000
    valgrind --tool=callgrind --toggle-collect='norvane::detect(*' \
        python bench/profile_short.py detect 1000 --plain  # a sentence no pass changes
    valgrind --tool=callgrind --toggle-collect='norvane::mask(*' python bench/profile_short.py mask 1000
    valgrind --tool=callgrind --toggle-collect='norvane::mask(*' python bench/profile_short.py many 20000
    valgrind --tool=callgrind --toggle-collect='*mask_many_impl*{lambda()#1}::operator()() const' \
        python bench/profile_short.py many 20000      # the whole call but the argument parsing
    valgrind --tool=callgrind \
        --toggle-collect='*guarded<norvane::py::call<&norvane::py::(anonymous namespace)::mask_text>*' \
        python bench/profile_short.py loop 20000      # the same texts, one call each
    valgrind --tool=callgrind --toggle-collect='norvane::batch::mask_texts*' \
        python bench/profile_short.py arrow 20000     # pyarrow needed

Each takes --thorough to run under Config.thorough() instead of Config().

Run with the unstripped extension of the build directory first on PYTHONPATH. Each operation is
called once before the loop (first-call set-up); divide the count by N + 1 (detect, mask) or by
N + 10 (many, arrow: ten texts warm up) or by N (loop). The two toggles on the binding's
functions count the argument's UTF-8, the core and the result objects; the interpreter's own
loop and call are left out (whole-program counts vary by tens of millions from run to run with
the string hash seed).
"""

from __future__ import annotations

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import batch_bench  # noqa: E402
import corpus  # noqa: E402


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("op", choices=("detect", "mask", "many", "loop", "arrow"))
    ap.add_argument("n", type=int, help="calls (detect, mask) or texts (many)")
    ap.add_argument("--plain", action="store_true",
                    help="detect, mask: the phone sentence without hyphens, which no pass changes")
    ap.add_argument("--thorough", action="store_true", help="Config.thorough() instead of Config()")
    a = ap.parse_args()
    import norvane
    config = norvane.Config.thorough() if a.thorough else None
    if a.op in ("many", "loop", "arrow"):
        texts = batch_bench.short_texts(a.n)
        norvane.mask_many(texts[:10], None, config, threads=1)
        if a.op == "many":
            norvane.mask_many(texts, None, config, threads=1)
        elif a.op == "loop":  # the results kept, as by the benchmark's loop
            kept = [norvane.mask(t, None, config) for t in texts]
            del kept
        elif a.op == "arrow":
            import pyarrow as pa
            norvane.mask_many(pa.array(texts), None, config, threads=1)
        return
    s = corpus.SHORT_PHONE_PLAIN if a.plain else corpus.SHORT_PHONE
    if config is not None:
        fn = norvane.detect if a.op == "detect" else norvane.mask
        args = (s, config) if a.op == "detect" else (s, None, config)
        for _ in range(a.n + 1):
            fn(*args)
        return
    fn = norvane.detect if a.op == "detect" else norvane.mask
    fn(s)
    for _ in range(a.n):
        fn(s)


if __name__ == "__main__":
    main()
