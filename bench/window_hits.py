"""Counts what detection reports at each context window width on the benchmark corpora: findings,
rejections and the cue hits in the findings' evidence (the part of a wider window's cost that
the output itself carries).

    python bench/window_hits.py                       # dense and mixed, 256 KB, widths 0 24 60 256 4096
    python bench/window_hits.py --kinds dense --widths 24 4096 --thorough
"""

from __future__ import annotations

import argparse
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import run  # noqa: E402


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--kinds", nargs="+", default=["dense", "mixed"], choices=run.KINDS)
    ap.add_argument("--size", type=int, default=256 * 1024, help="UTF-8 bytes of text")
    ap.add_argument("--widths", nargs="+", type=int, default=[0, 24, 60, 256, 4096])
    ap.add_argument("--thorough", action="store_true", help="Config.thorough() instead of Config()")
    a = ap.parse_args()
    import norvane
    print(f"{'corpus':8} {'width':>6} {'findings':>9} {'rejections':>11} {'reported hits':>14}")
    for kind in a.kinds:
        text = run.load(kind, a.size)
        for width in a.widths:
            config = norvane.Config.thorough() if a.thorough else norvane.Config()
            config.context_window = width
            report = json.loads(norvane.detect(text, config).to_json())
            hits = sum(len(f["evidence"]["context_hits"]) for f in report["findings"])
            print(f"{kind:8} {width:>6} {len(report['findings']):>9,} {len(report['rejections']):>11,} {hits:>14,}")


if __name__ == "__main__":
    main()
