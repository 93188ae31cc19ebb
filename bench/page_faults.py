"""Minor page faults and time of one operation called over and over on one benchmark corpus.

    python bench/page_faults.py detect mixed            # 1 MB, 100 calls after one warm-up call
    python bench/page_faults.py mask dense --thorough --calls 50

Callgrind counts instructions only; the cost of memory that comes fresh from the system (each
new page is faulted in by the kernel on first touch) shows here: minor faults (getrusage) and
system time per call, next to the best CPU and wall time of a call. The text is read (and
cached) as bench/run.py does; the result of each call is dropped before the next, as run.py's
timing loop does.
"""

from __future__ import annotations

import argparse
import os
import resource
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import run  # noqa: E402


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("op", choices=("normalize", "detect", "mask"))
    ap.add_argument("kind", choices=run.KINDS)
    ap.add_argument("--size", type=int, default=run.MB, help="UTF-8 bytes of text")
    ap.add_argument("--calls", type=int, default=100)
    ap.add_argument("--thorough", action="store_true", help="Config.thorough() instead of Config()")
    a = ap.parse_args()
    import norvane
    text = run.load(a.kind, a.size)
    config = norvane.Config.thorough() if a.thorough else None
    fn = run.call_of(a.op, config)
    fn(text)
    before = resource.getrusage(resource.RUSAGE_SELF)
    best_cpu = best_wall = float("inf")
    for _ in range(a.calls):
        c0, w0 = time.process_time(), time.perf_counter()
        fn(text)
        best_cpu = min(best_cpu, time.process_time() - c0)
        best_wall = min(best_wall, time.perf_counter() - w0)
    after = resource.getrusage(resource.RUSAGE_SELF)
    nbytes = len(text.encode())
    print(f"{a.op} {a.kind}{' thorough' if a.thorough else ''} {nbytes} B, {a.calls} calls: "
          f"{(after.ru_minflt - before.ru_minflt) / a.calls:.1f} minor faults a call, "
          f"system {(after.ru_stime - before.ru_stime) / a.calls * 1e3:.3f} ms a call, "
          f"best CPU {best_cpu * 1e3:.3f} ms ({nbytes / best_cpu / 1e6:.1f} MB/s), "
          f"best wall {best_wall * 1e3:.3f} ms ({nbytes / best_wall / 1e6:.1f} MB/s), "
          f"load {os.getloadavg()[0]:.2f}")


if __name__ == "__main__":
    main()
