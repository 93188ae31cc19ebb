"""Calls detect or mask many times on the short phone sentence, or mask_many once on short
texts, for callgrind to count the fixed cost per call:

    valgrind --tool=callgrind --toggle-collect='norvane::detect(*' python bench/profile_short.py detect 1000
    valgrind --tool=callgrind --toggle-collect='norvane::mask(*' python bench/profile_short.py mask 1000
    valgrind --tool=callgrind --toggle-collect='norvane::mask(*' python bench/profile_short.py many 20000

Run with the unstripped extension of the build directory first on PYTHONPATH. Each operation is
called once before the loop (first-call set-up); divide the count by N + 1 (detect, mask) or by
N + 10 (many: ten texts warm up).
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
    ap.add_argument("op", choices=("detect", "mask", "many"))
    ap.add_argument("n", type=int, help="calls (detect, mask) or texts (many)")
    a = ap.parse_args()
    import norvane
    if a.op == "many":
        texts = batch_bench.short_texts(a.n)
        norvane.mask_many(texts[:10], threads=1)
        norvane.mask_many(texts, threads=1)
        return
    fn = norvane.detect if a.op == "detect" else norvane.mask
    s = corpus.SHORT_PHONE
    fn(s)
    for _ in range(a.n):
        fn(s)


if __name__ == "__main__":
    main()
