"""Runs one operation once on one benchmark corpus, for a profiler to watch:

    valgrind --tool=callgrind --toggle-collect='*call<&norvane::py::(anonymous namespace)::detect_text>(_object*, _object* const*, long, _object*)' python bench/profile_one.py detect dense
    valgrind --tool=callgrind --toggle-collect='*call<&norvane::py::(anonymous namespace)::mask_text>(_object*, _object* const*, long, _object*)' python bench/profile_one.py mask dense

The text is read (and cached) as bench/run.py does, and the operation is called once before
the measured call so that first-call set-up stays out of the profile; with --toggle-collect the
counts cover only the binding's function (the core's work and the Python objects it builds).
"""

from __future__ import annotations

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import run  # noqa: E402


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("op", choices=("normalize", "detect", "mask"))
    ap.add_argument("kind", choices=run.KINDS)
    ap.add_argument("--size", type=int, default=256 * 1024, help="UTF-8 bytes of text")
    ap.add_argument("--thorough", action="store_true", help="Config.thorough() instead of Config()")
    ap.add_argument("--window", type=int, help="context_window in characters (default: the config's)")
    a = ap.parse_args()
    import norvane
    text = run.load(a.kind, a.size)
    config = norvane.Config.thorough() if a.thorough else None
    if a.window is not None:
        config = config or norvane.Config()
        config.context_window = a.window
    calls = {"normalize": lambda t: norvane.normalize(t),
             "detect": lambda t: norvane.detect(t, config),
             "mask": lambda t: norvane.mask(t, None, config)}
    fn = calls[a.op]
    fn(run.fresh(run.corpus.SHORT_PHONE))
    fn(run.fresh(text))


if __name__ == "__main__":
    main()
